#include "dictionary/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ConvertsTheCharactersThatDifferFromLatin1)
{
    struct Case { const char* cp1252; const char* utf8; };
    for (const Case& c : {Case{"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"}, Case{"\x80", "\xE2\x82\xAC"},
                          Case{"Don\x92t", "Don\xE2\x80\x99t"}, Case{"\x9C", "\xC5\x93"},
                          Case{"\x81", "\xC2\x81"}}) {
        EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
    }
}

TEST(Cp1252, RejectsMalformedUtf8AndCharactersWithoutAByte)
{
    for (const char* text : {"\xC3", "\xE2\x82", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                             "\x80", "\xFF", "\xC5\x81" /* Ł */, "\xE2\x82\xAD" /* ₭ */}) {
        EXPECT_EQ(Utf8ToCp1252(text), std::nullopt) << text;
    }
}
