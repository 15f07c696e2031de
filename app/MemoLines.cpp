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

} // namespace

void AppendLine(HWND Memo, const std::string& Line)
{
    std::wstring text = LastLineIsEmpty(Memo) ? std::wstring() : L"\r\n";
    text += AnsiToWide(Line);
    text += L"\r\n";
    const int end = GetWindowTextLengthW(Memo);
    SendMessageW(Memo, EM_SETSEL, end, end);
    SendMessageW(Memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}
