// The report-append step against a real multi-line edit control.
#include <gtest/gtest.h>

#include <windows.h>

#include <new>
#include <string>

#include "app/MemoLines.h"

namespace {

class MemoLinesTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_memo = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_memo, nullptr);
    }
    void TearDown() override { DestroyWindow(m_memo); }

    std::wstring Text() const
    {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_memo)) + 1, L'\0');
        text.resize(static_cast<size_t>(
            GetWindowTextW(m_memo, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    // A report of the one line Line.
    void AppendOneLine(const std::string& Line)
    {
        AppendReport(m_memo, [&Line](const TLineSink& Append) { Append(Line); });
    }

    HWND m_memo = nullptr;
};

TEST_F(MemoLinesTest, AppendsLinesBelowWhatIsThere)
{
    const struct {
        const wchar_t* Before;
        const wchar_t* After;
    } cases[] = {
        {L"", L"first\r\nsecond\r\n"},
        {L"typed\r\n", L"typed\r\nfirst\r\nsecond\r\n"},
        // A last line the user did not end stays whole, and the report starts on a line of its own.
        {L"typed", L"typed\r\nfirst\r\nsecond\r\n"},
        {L"a\r\n\r\n", L"a\r\n\r\nfirst\r\nsecond\r\n"},
    };
    for (const auto& tested : cases) {
        SetWindowTextW(m_memo, tested.Before);
        SendMessageW(m_memo, EM_SETSEL, 0, 0); // the caret elsewhere does not matter
        AppendOneLine("first");
        AppendOneLine("second");
        EXPECT_EQ(Text(), tested.After)
            << "box held " << testing::PrintToString(std::wstring(tested.Before));
    }
}

TEST_F(MemoLinesTest, AppendsEmptyLinesAndTextBeyondTheDefaultLimit)
{
    SendMessageW(m_memo, EM_SETLIMITTEXT, 0, 0);
    const std::string longLine(40000, 'x');
    AppendOneLine("");
    AppendOneLine(longLine);
    EXPECT_EQ(Text(), L"\r\n" + std::wstring(40000, L'x') + L"\r\n");
}

// A report's lines go in in one step; those written before an error are kept, and the error
// passes on.
TEST_F(MemoLinesTest, AppendsAReportAtOnceAndKeepsItsLinesWhenAnErrorEndsIt)
{
    SetWindowTextW(m_memo, L"typed");
    AppendReport(m_memo, [](const TLineSink& Append) {
        Append("first");
        Append("");
    });
    EXPECT_THROW(AppendReport(m_memo,
                              [](const TLineSink& Append) {
                                  Append("second");
                                  throw std::bad_alloc();
                              }),
                 std::bad_alloc);
    EXPECT_EQ(Text(), L"typed\r\nfirst\r\n\r\nsecond\r\n");
}

} // namespace
