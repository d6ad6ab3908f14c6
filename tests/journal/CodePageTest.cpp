// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's code page: German letters both ways, what 1252 cannot hold, and case folding for the
// comments.
#include "journal/CodePage.h"

#include <gtest/gtest.h>

namespace plenta {
namespace {

TEST(CodePageTest, ConvertsBothWays) {
    struct Case {
        const char *utf8;
        const char *cp1252;
    } const cases[] = {
        {"spät", "sp\xE4t"},
        {"ÄÖÜäöüß", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
        {"€ 5 – „x“", "\x80 5 \x96 \x84x\x93"},
        {"plain", "plain"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
        EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    }
}

TEST(CodePageTest, WhatTheCodePageCannotHoldBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xAC\xE6\x97\xA5z"), "a\x80?z"); // euro kept, a CJK letter not
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");                 // one character, one '?'
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");                           // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");                        // overlong encoding
}

TEST(CodePageTest, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePageTest, LengthsAndPrefixesCountCharacters) {
    EXPECT_EQ(Utf8Length("spät"), 4U);
    EXPECT_EQ(Utf8Prefix("spätere", 3), "spä");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
}

TEST(CodePageTest, FoldsLetterCase) {
    EXPECT_EQ(FoldCase1252('A'), 'a');
    EXPECT_EQ(FoldCase1252(0xC4), 0xE4); // Ä
    EXPECT_EQ(FoldCase1252(0xDC), 0xFC); // Ü
    EXPECT_EQ(FoldCase1252(0xD7), 0xD7); // the multiplication sign has no case
    EXPECT_EQ(FoldCase1252(0xDF), 0xDF); // ß
    EXPECT_EQ(FoldCase1252(0x8A), 0x9A); // Š
    EXPECT_EQ(FoldCase1252(0x9F), 0xFF); // Ÿ
    EXPECT_EQ(FoldCase1252('1'), '1');
}

} // namespace
} // namespace plenta
