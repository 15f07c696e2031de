// Owners for the Windows handles the program holds (see UniqueHandle).
#pragma once

#include <windows.h>

#include "platform/UniqueHandle.h"

using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueModule = UniqueHandle<HMODULE, FreeLibrary>;
