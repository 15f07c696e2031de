// Which installed font the main window uses.
//
// The window was laid out with the Japanese Gothic face "ＭＳ ゴシック" in the Shift-JIS character
// set at 13 pixels. Where that face is missing, a face that still draws the Japanese captions in
// the same character set comes next, and the system's message font only where no such face exists.
#pragma once

#include <span>
#include <string>
#include <vector>

struct TFontChoice {
    std::wstring Face;
    bool ShiftJis; // Shift-JIS character set, or the default one
};

/// The faces the window is laid out for, best first: worth looking up by name before any
/// enumeration of every face.
std::span<const wchar_t* const> PreferredFormFaces();

/// Whether Face may stand in for the preferred ones: it has a name and draws upright text.
bool IsStandInFace(const std::wstring& Face);

/// Chooses from the faces the system offers in the Shift-JIS character set, in the order the
/// system enumerated them, and the face of its message font.
TFontChoice ChooseFormFont(const std::vector<std::wstring>& ShiftJisFaces,
                           const std::wstring& MessageFontFace);
