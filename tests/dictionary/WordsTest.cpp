// The list of dictionaries and its shared cache, the word table's loading, and the Windows-1252
// conversion of dictionary text.

#include "TsdFiles.h"

#include "dictionary/Cp1252.h"
#include "dictionary/Dictionary.h"
#include "dictionary/Words.h"

#include <chrono>

// Entries follow the ';'-separated names (an empty last name is not found); names differing in
// case share one reference-counted dictionary; a list checks its files again, so a rewritten one
// is read anew and a deleted one turns not found.
TEST(DictionaryList, EntriesFollowTheFileListAndShareOneDictionaryPerName)
{
    TempFolder folder;
    const std::string a = folder.Write("a.tsd", Tsd(1, {"cat"}, nullptr, "first"));
    const std::string b = folder.Write("b.tsd", Tsd(1, {"dog"}, nullptr, "second"));
    {
        TSDictionaryList list(a + ";" + b + ";" + folder.File("A.TSD") + ";");
        ASSERT_EQ(list.Size(), 4u);
        EXPECT_EQ(list.Entry(0).Description() + "," + list.Entry(1).Description(), "first,second");
        EXPECT_EQ(&list.Entry(2), &list.Entry(0));
        EXPECT_EQ(list.FailedName(), "");
        {
            TSDictionaryList other(b);
            EXPECT_EQ(&other.Entry(0), &list.Entry(1));
            EXPECT_EQ(list.Entry(0).RefCount() * 10 + list.Entry(1).RefCount(), 22u);
        }
        EXPECT_EQ(list.Entry(0).RefCount() * 10 + list.Entry(1).RefCount() + TSDictionaryList::CacheSize() * 100, 321u);
        EXPECT_EQ(list.WordCount(0, 4) + list.WordCount(0, 40) + list.SectionOffset(0, 40), 0u) << "beyond the slots";
    }
    EXPECT_EQ(TSDictionaryList::CacheSize() + TSDictionaryList("").Size(), 0u);
    TSDictionaryList list(b);
    folder.Write("b.tsd", Tsd(0, {"horse"}));
    std::filesystem::last_write_time(b, std::filesystem::last_write_time(b) + std::chrono::seconds(2)); // past a coarse clock
    EXPECT_EQ(list.FailedName(), std::nullopt);
    EXPECT_EQ(list.WordCount(0, 5), 1u);
    std::filesystem::remove(b);
    EXPECT_EQ(list.FailedName(), b);
    EXPECT_EQ(list.Entry(0).Description() + std::to_string(list.WordCount(0, 5)), "-- DICTIONARY FILE NOT FOUND --0");
}

TEST(Cp1252, EveryByteRoundTripsAndOnlyWellFormedUtf8OfItsCharactersConverts)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    for (const auto& [cp1252, utf8] : {std::pair{"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"}, {"\x80", "\xE2\x82\xAC"}, {"Don\x92t", "Don\xE2\x80\x99t"},
                                       {"\x9C", "\xC5\x93"}, {"\x81", "\xC2\x81"}, {"\x9F", "\xC5\xB8"}})
        EXPECT_EQ(Cp1252ToUtf8(cp1252) + "|" + Utf8ToCp1252(utf8).value_or("none"), std::string(utf8) + "|" + cp1252);
    for (const char* text : {"\xC3", "\xE2\x82", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80", "\xFF", "\xC5\x81" /* Ł */, "\xE2\x82\xAD" /* ₭ */})
        EXPECT_EQ(Utf8ToCp1252(text), std::nullopt) << text;
}
