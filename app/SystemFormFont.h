// The face the main window's font takes on this system: what ChooseFormFont picks from the
// installed faces.
#pragma once

#include "app/FormFont.h"

/// Looks up the installed Shift-JIS faces and the system's message font and chooses among them.
TFontChoice SystemFormFont();
