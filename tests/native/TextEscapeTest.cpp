// Names written into the text outputs: what each way of writing escapes, and what it leaves alone.
#include <gtest/gtest.h>

#include <string>

#include "platform/TextEscape.h"

namespace {

TEST(TextEscape, ControlsNeverReachTheTextAndOtherNamesStayAsTheyAre)
{
    const struct {
        std::string Name;
        TTextEscape Escape;
        std::string Written;
    } cases[] = {
        // A line break cannot forge a line, nor an escape sequence reach the terminal.
        {"Out\r\nDevice 9: \x1b[2J", TTextEscape::Quoted,
         "\"Out\\u000d\\u000aDevice 9: \\u001b[2J\""},
        {"Out\r\nDevice 9: \x1b[2J", TTextEscape::Bare, "Out\\u000d\\u000aDevice 9: \\u001b[2J"},
        {"tab\tdel\x7f", TTextEscape::BareAnsi, "tab\\u0009del\\u007f"},
        // In quotes, a quote and a backslash are escaped too: the quoted name reads back to one.
        {"Say \"hi\" C:\\", TTextEscape::Quoted, "\"Say \\\"hi\\\" C:\\\\\""},
        // Without quotes, a name without controls is left alone, backslashes and all; one with
        // them has its backslashes doubled, so "\u000a" written cannot be taken for a line break.
        {"C:\\Program Files\\a \"b\".exe", TTextEscape::Bare, "C:\\Program Files\\a \"b\".exe"},
        {"\\u000a\n", TTextEscape::Bare, "\\\\u000a\\u000a"},
        {"\\u000a\n", TTextEscape::BareAnsi, "\\\\u000a\\u000a"},
        // UTF-8 in any script stays as it is; its C1 controls (U+0085, U+009B) are escaped.
        {"Динамики ☆ 😀", TTextEscape::Quoted, "\"Динамики ☆ 😀\""},
        {"a\xc2\x85"
         "b\xc2\x9b"
         "c\xc2\xa0",
         TTextEscape::Bare, "a\\u0085b\\u009bc\xc2\xa0"},
        // ANSI bytes: 0x85 and 0x9B are letters of the code page, not controls.
        {"Lautsprecher \x85\x9b\xe4", TTextEscape::BareAnsi, "Lautsprecher \x85\x9b\xe4"},
        {"\xe4\x1b", TTextEscape::BareAnsi, "\xe4\\u001b"},
        // JSON as it always was: ASCII only.
        {"\"Ä\"\n😀", TTextEscape::Json, "\"\\\"\\u00c4\\\"\\u000a\\ud83d\\ude00\""},
    };
    for (const auto& tested : cases)
        EXPECT_EQ(EscapedText(tested.Name, tested.Escape), tested.Written) << tested.Name;
}

} // namespace
