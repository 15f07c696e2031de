// The main window's font: the Japanese Gothic face where the system has it, a face that still
// draws Japanese next, and the system's message font last.
#include <gtest/gtest.h>

#include "app/FormFont.h"

namespace {

struct FontCase {
    const char* Situation;
    std::vector<std::wstring> ShiftJisFaces;
    std::wstring ExpectedFace;
    bool ExpectedShiftJis;
};

const FontCase kCases[] = {
    {"Japanese system",
     {L"@ＭＳ ゴシック", L"ＭＳ 明朝", L"ＭＳ ゴシック"},
     L"ＭＳ ゴシック",
     true},
    {"Western system with the Japanese fonts",
     {L"@MS Gothic", L"MS Mincho", L"MS Gothic"},
     L"MS Gothic",
     true},
    {"both names listed", {L"MS Gothic", L"ＭＳ ゴシック"}, L"ＭＳ ゴシック", true},
    {"another Japanese face only", {L"@IPAGothic", L"IPAGothic"}, L"IPAGothic", true},
    {"only vertical faces", {L"@IPAGothic"}, L"Segoe UI", false},
    {"no Shift-JIS face", {}, L"Segoe UI", false},
};

TEST(FormFont, FallsBackFromTheNamedFaceToJapaneseToTheMessageFont)
{
    for (const FontCase& tested : kCases) {
        const TFontChoice choice = ChooseFormFont(tested.ShiftJisFaces, L"Segoe UI");
        EXPECT_EQ(choice.Face, tested.ExpectedFace) << tested.Situation;
        EXPECT_EQ(choice.ShiftJis, tested.ExpectedShiftJis) << tested.Situation;
    }
}

} // namespace
