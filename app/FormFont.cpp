#include "app/FormFont.h"

#include <algorithm>

namespace {

// The face's name as a Japanese system lists it, and as other systems list the same face.
const wchar_t* const kPreferredFaces[] = {L"ＭＳ ゴシック", L"MS Gothic"};

} // namespace

std::span<const wchar_t* const> PreferredFormFaces()
{
    return kPreferredFaces;
}

// Faces whose names begin with "@" draw text turned for vertical writing.
bool IsStandInFace(const std::wstring& Face)
{
    return !Face.empty() && Face.front() != L'@';
}

TFontChoice ChooseFormFont(const std::vector<std::wstring>& ShiftJisFaces,
                           const std::wstring& MessageFontFace)
{
    for (const wchar_t* preferred : kPreferredFaces) {
        if (std::find(ShiftJisFaces.begin(), ShiftJisFaces.end(), preferred) != ShiftJisFaces.end())
            return {preferred, true};
    }
    for (const std::wstring& face : ShiftJisFaces) {
        if (IsStandInFace(face))
            return {face, true};
    }
    return {MessageFontFace, false};
}
