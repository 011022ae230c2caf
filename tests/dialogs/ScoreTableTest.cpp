#include "dialogs/ScoreTable.h"

#include "DialogTestSupport.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    ScoreRow row;
};

TEST(ScoreTable, StoredRowsSplitAtTheFirstTwoTabsAndWriteBackUnchanged)
{
    const ParseCase cases[] = {
        {"150\tAnonymous\tWORDY", {"150", "Anonymous", "WORDY", true}},
        {"150", {"150", "", "", false}},
        {"150\tAnonymous", {"150", "Anonymous", "", true}},
        {"9\tA\tB\tC", {"9", "A", "B\tC", true}},
        {"many\tX\tY", {"many", "X", "Y", true}},
    };
    for (const ParseCase& c : cases) {
        const ScoreRow row = ScoreTable::Parse(QString::fromUtf8(c.text));
        EXPECT_EQ(row, c.row) << c.text;
        if (row.hasColumns && row.bestWord.isEmpty())
            continue; // A missing best word comes back as an empty third column.
        EXPECT_EQ(ScoreTable::Format(row), QString::fromUtf8(c.text));
    }
}

TEST(ScoreTable, ScoreTextsParseTolerantlyAndUnsigned)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        {"150", 150},           {"  +7x", 7},       {"-3", -3},
        {"abc", 0},             {"", 0},            {"3000000000", 3000000000LL},
        {"4294967295", 4294967295LL}, {"99999999999999999999999", INT64_MAX},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ScoreTable::ParseScore(QString::fromUtf8(text)), value) << text;
}

class StoredTable : public ::testing::Test {
protected:
    void SetUp() override { UserRegistry::SetFilePath(dir.filePath(QStringLiteral("registry.reg"))); }
    void TearDown() override { UserRegistry::SetFilePath(QString()); }

    ScoreTable Loaded(const QString& dictionary)
    {
        ScoreTable table;
        table.Load(Persist(false), dictionary);
        return table;
    }

    QTemporaryDir dir;
};

// Loading stops at the first empty value; malformed rows load and save unchanged.
TEST_F(StoredTable, MalformedRowsLoadAndSaveUnchangedUpToTheFirstEmptyValue)
{
    Store({{"Words0", "lots\tX\tY"}, {"Words1", "12"}, {"Words2", ""}, {"Words3", "3\tc\td"}});
    ScoreTable table = Loaded(QStringLiteral("Words"));
    ASSERT_EQ(table.Count(), 2);
    EXPECT_FALSE(table.Rows()[1].hasColumns);
    // A non-numeric score ranks as 0: any positive result goes above it.
    EXPECT_EQ(table.RankOf(1), 0);
    {
        Persist store(true);
        table.Save(store, QStringLiteral("Words"));
    }
    EXPECT_EQ(Stored(QStringLiteral("Words0")), QStringLiteral("lots\tX\tY"));
    EXPECT_EQ(Stored(QStringLiteral("Words1")), QStringLiteral("12"));
    EXPECT_EQ(Stored(QStringLiteral("Words2")), QString());
}

TEST_F(StoredTable, AFullTableOfAHundredRowsWritesNoTerminator)
{
    std::vector<int> scores(120, 7);
    StoreRows(QStringLiteral("Words"), scores);
    ScoreTable table = Loaded(QStringLiteral("Words"));
    EXPECT_EQ(table.Count(), 100);
    table.SetEntry(false, 0, 9, QStringLiteral("N"), QStringLiteral("B"));
    {
        Persist store(true);
        table.Save(store, QStringLiteral("Words"));
    }
    EXPECT_EQ(Stored(QStringLiteral("Words0")), QStringLiteral("9\tN\tB"));
    EXPECT_NE(Stored(QStringLiteral("Words100")), QString());
}

// A new result ranks above equal scores; scores beyond the signed range rank at the top.
TEST(ScoreTableRanking, ANewResultRanksAboveEqualScoresAndUnsignedScoresDoNotWrap)
{
    ScoreTable table;
    for (std::uint32_t score : {3000000000u, 500u, 400u, 300u, 200u, 100u})
        table.SetEntry(false, table.Count(), score, QStringLiteral("p"), QString());
    const std::pair<std::uint32_t, int> cases[] = {
        {4294967295u, 0}, {2147483648u, 1}, {600, 1}, {200, 4}, {250, 4}, {50, 6}};
    for (const auto& [score, rank] : cases)
        EXPECT_EQ(table.RankOf(score), rank) << score;
}

TEST(ScoreTableRanking, MakingRoomKeepsOneRowFreeForAQualifyingResult)
{
    struct Case {
        int rows, position, capacity;
        bool qualifies;
        int rowsAfter;
    };
    const Case cases[] = {
        {12, 12, 12, false, 12},                // lower than all twelve: nothing goes
        {15, 5, 12, true, 11},                  // four lowest of fifteen go, one more for the new row
        {15, 14, 12, false, 12},                // not qualifying: trimmed to the capacity
        {3, 0, 12, true, 3},
        {20, 5, 3, true, 11},                   // capacity is at least 12
        {20, 15, 16, true, 15},
    };
    for (const Case& c : cases) {
        ScoreTable table;
        for (int i = 0; i < c.rows; ++i)
            table.SetEntry(false, i, 1000u - static_cast<std::uint32_t>(i), QStringLiteral("p"), QString());
        EXPECT_EQ(table.MakeRoom(c.position, c.capacity), c.qualifies) << c.rows << " " << c.position;
        EXPECT_EQ(table.Count(), c.rowsAfter) << c.rows << " " << c.position;
    }
}

TEST(ScoreTableEntries, TabsInTheTextsBecomeSpacesSoTheRowReadsBackInItsColumns)
{
    ScoreTable table;
    table.SetEntry(false, 0, 42, QStringLiteral("Ann\tLee"), QStringLiteral("QU\tIT"));
    const ScoreRow row = ScoreTable::Parse(ScoreTable::Format(table.Rows()[0]));
    EXPECT_EQ(row, (ScoreRow{"42", "Ann Lee", "QU IT", true}));
}

TEST(ScoreTableEntries, IndicesOutsideTheTableChangeNothing)
{
    ScoreTable table;
    table.SetEntry(true, 0, 1, QStringLiteral("a"), QString());
    table.SetEntry(false, 2, 1, QStringLiteral("a"), QString());
    table.SetEntry(false, -1, 1, QStringLiteral("a"), QString());
    EXPECT_EQ(table.Count(), 0);
}

} // namespace
