#include "app/TerminalText.h"

#include <gtest/gtest.h>

TEST(TerminalText, LineEndsAndLatin1) {
    TerminalTextFilter filter;
    EXPECT_EQ(filter.toDisplay("a\r\nb\nc\rd"), QStringLiteral("a\nb\nc\nd"));
    // A CR LF pair split over two chunks is still one line end.
    EXPECT_EQ(filter.toDisplay("x\r"), QStringLiteral("x\n"));
    EXPECT_EQ(filter.toDisplay("\ny"), QStringLiteral("y"));
    // Latin-1 bytes, a zero byte ends the chunk, other control bytes vanish.
    EXPECT_EQ(filter.toDisplay(std::string("\xE4\x08 SEND\0tail", 11)),
              QString::fromUtf8("ä SEND"));
    EXPECT_EQ(filter.toDisplay("\x0A\x08 SEND : AB\r\n"), QStringLiteral("\n SEND : AB\n"));
}
