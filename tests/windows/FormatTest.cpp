// The program's formatter on Windows' own C library: texts of every length come out whole, those
// around the size it first tries included.
#include <gtest/gtest.h>

#include <string>

#include "platform/Format.h"

TEST(Format, TextsOfAnyLengthComeOutWhole)
{
    for (size_t length : {0u, 1u, 254u, 255u, 256u, 257u, 4000u}) {
        const std::string text(length, 'x');
        EXPECT_EQ(Format("%s", text.c_str()), text) << length;
        EXPECT_EQ(Format("%d:%s|", -7, text.c_str()), "-7:" + text + "|") << length;
    }
}
