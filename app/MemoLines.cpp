#include "app/MemoLines.h"

#include "platform/WinText.h"

namespace {

// True when the box is empty or its text ends with a line break, i.e. its last line is empty.
bool LastLineIsEmpty(HWND Memo)
{
    const LRESULT lineCount = SendMessageW(Memo, EM_GETLINECOUNT, 0, 0);
    const LRESULT lastLineStart = SendMessageW(Memo, EM_LINEINDEX, lineCount - 1, 0);
    return SendMessageW(Memo, EM_LINELENGTH, lastLineStart, 0) == 0;
}

// Appends Lines, each already ended by CR LF, at the end of the box: one replacement of the
// empty selection there.
void AppendEndedLines(HWND Memo, const std::string& Lines)
{
    if (Lines.empty())
        return;
    std::wstring text = LastLineIsEmpty(Memo) ? std::wstring() : L"\r\n";
    text += AnsiToWide(Lines);
    const int end = GetWindowTextLengthW(Memo);
    SendMessageW(Memo, EM_SETSEL, end, end);
    SendMessageW(Memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace

void AppendReport(HWND Memo, const std::function<void(const TLineSink& AppendLine)>& Report)
{
    std::string lines;
    try {
        Report([&lines](const std::string& Line) {
            lines += Line;
            lines += "\r\n";
        });
    } catch (...) {
        AppendEndedLines(Memo, lines);
        throw;
    }
    AppendEndedLines(Memo, lines);
}
