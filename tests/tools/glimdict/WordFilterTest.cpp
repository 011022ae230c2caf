#include "tools/glimdict/WordFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::string word;  // UTF-8
    SkipReason byDefault;
    SkipReason keepingAll;  // with proper nouns and possessives kept
    std::string stored = {};  // Windows-1252, when kept by default or keeping all
};

} // namespace

TEST(WordFilter, DecidesEachWordByItsCharactersLengthAndForm)
{
    using R = SkipReason;
    const Case cases[] = {
        {"cat", R::None, R::None, "cat"},
        {"café", R::None, R::None, "caf\xE9"},
        {"ñandú", R::None, R::None, "\xF1" "and\xFA"},
        {"smörgåsbord", R::None, R::None, "sm\xF6rg\xE5sbord"},
        {"don't", R::None, R::None, "don't"},
        {"well-known", R::None, R::None, "well-known"},
        {"Ångström", R::ProperNoun, R::None, "\xC5ngstr\xF6m"},
        {"Škoda", R::ProperNoun, R::None, "\x8Akoda"},
        {"'Tis", R::ProperNoun, R::None, "'Tis"},
        {"cat's", R::Possessive, R::None, "cat's"},
        {"cat’s", R::Possessive, R::None, "cat\x92s"},
        {"Aaron's", R::ProperNoun, R::None, "Aaron's"},
        {"encyclopædia", R::NoSingleCapital, R::NoSingleCapital},
        {"œuvre", R::NoSingleCapital, R::NoSingleCapital},
        {"Straße", R::NoSingleCapital, R::NoSingleCapital},
        {"ice cream", R::Space, R::Space},
        {"etc.", R::OtherCharacter, R::OtherCharacter},
        {"3D", R::OtherCharacter, R::OtherCharacter},
        {"€uro", R::OtherCharacter, R::OtherCharacter},
        {"日本", R::NotEncodable, R::NotEncodable},
        {"ab\xFF", R::NotEncodable, R::NotEncodable},
        {"a", R::TooShort, R::TooShort},
        {"x-", R::TooShort, R::TooShort},
        {std::string(31, 'z'), R::None, R::None, std::string(31, 'z')},
        {std::string(32, 'z'), R::TooLong, R::TooLong},
    };
    const FilterOptions keepAll{true, true};
    for (const Case& c : cases) {
        const WordVerdict byDefault = ClassifyWord(c.word, FilterOptions{});
        EXPECT_EQ(byDefault.reason, c.byDefault) << c.word;
        const WordVerdict keepingAll = ClassifyWord(c.word, keepAll);
        EXPECT_EQ(keepingAll.reason, c.keepingAll) << c.word;
        if (c.keepingAll == R::None) {
            EXPECT_EQ(keepingAll.text, c.stored) << c.word;
        }
    }
}
