// The labels the program draws itself, in place of the system's: under Wine, system labels given
// a font leak memory each time they are destroyed.
#pragma once

#include <windows.h>

/// The window classes of the drawn labels: plain text, and links (the hand cursor over them).
inline constexpr wchar_t kLabelClass[] = L"TLabel";
inline constexpr wchar_t kLinkLabelClass[] = L"TLinkLabel";

/// Registers (once per process) both label classes: one-line text labels that take their colours
/// and background brush from their parent's WM_CTLCOLORSTATIC answer, their font from WM_SETFONT,
/// and with SS_NOTIFY report clicks as STN_CLICKED.
void RegisterLabelClasses();

/// The size a label needs for its text in its font, measured on the device context Measuring:
/// the text's width and the height of the font's lines.
SIZE LabelTextSize(HDC Measuring, HWND Label);
