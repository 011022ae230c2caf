// A dictionary file cut short at any byte: invalid when the cut falls in its header or symbol
// table, otherwise read as a part of each length's words; the game tells the player and stays usable.
#include "GameTestSupport.h"
#include "ModalRecorder.h"
#include "dictionary/StoredWords.h"
#include "dictionary/TSDictionaryList.h"
#include "dictionary/Words.h"
#include "platform/UserRegistry.h"

#include <QFile>

#include <map>

namespace {

// The stored words (key and text) by length, in the order the file holds them.
struct RecordingSink final : StoredWordSink {
    void Store(std::string_view key, std::string_view text) override
    {
        byLength[key.size()].emplace_back(std::string(key), std::string(text));
        ++count;
    }
    std::map<std::size_t, std::vector<std::pair<std::string, std::string>>> byLength;
    std::size_t count = 0;
};

QByteArray EnglishFile()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/English.tsd"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

RecordingSink ReadWords(const std::string& path, bool valid)
{
    const TSDictionaryList list(path);
    RecordingSink sink;
    EXPECT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.IsValid(0), valid);
    ForEachStoredWord(list, 0, sink);
    return sink;
}

}  // namespace

TEST(TruncatedDictionary, EveryCutIsInvalidInTheTablesOrReadsAPrefixOfEachLength)
{
    const QByteArray full = EnglishFile();
    ASSERT_TRUE(full.startsWith("TSD1"));
    // Where a TSD1 file's symbol table ends; a cut from there on only shortens the sections.
    const qsizetype tablesEnd = 3070 + 20 * static_cast<uchar>(full[4]);
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("cut.tsd")).toStdString();
    WriteFile(QString::fromStdString(path), full);
    RecordingSink whole = ReadWords(path, true);
    ASSERT_GE(whole.count, 5u);

    Words words;
    for (qsizetype size = 0; size < full.size() && !testing::Test::HasFailure(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut at byte " << size << " of " << full.size());
        WriteFile(QString::fromStdString(path), full.left(size));
        const RecordingSink part = ReadWords(path, size >= tablesEnd);
        for (const auto& [length, records] : part.byLength) {
            const auto& all = whole.byLength[length];
            EXPECT_TRUE(records.size() <= all.size() && std::equal(records.begin(), records.end(), all.begin()))
                << "words of " << length << " letters are a prefix of the full list";
        }
        words.Load(path);
        ASSERT_EQ(words.LoadedCount(), part.count);
        for (const auto& [length, records] : part.byLength)
            for (const auto& record : records)
                EXPECT_FALSE(words.Lookup(record.first).empty()) << record.first;
    }
}

TEST(TruncatedDictionary, TheGameReportsACutDictionaryAndStaysUsable)
{
    const QByteArray full = EnglishFile();
    ASSERT_GT(full.size(), 600);
    // Beside the program, where the game looks for its dictionaries; removed again below.
    const QString cutPath = QCoreApplication::applicationDirPath() + QStringLiteral("/Cut.tsd");
    WriteFile(cutPath, full.left(600));
    QTemporaryDir folder;
    UserRegistry::SetFilePath(folder.filePath(QStringLiteral("registry.reg")));
    ChooseDictionary(QStringLiteral("Cut"));
    {
        ModalRecorder recorder;
        GameWindows windows;
        TGlimmerForm* form = windows.glimmerForm.get();
        form->show();
        ASSERT_TRUE(StartPlay(form));
        EXPECT_TRUE(form->DictionaryNotice().contains(QStringLiteral("\"Cut.tsd\" is not a valid dictionary")))
            << qPrintable(form->DictionaryNotice());
        EXPECT_EQ(form->words.LoadedCount(), 0u);
        PlayToTheEnd(form, {"C", "A", "T"});
        EXPECT_FALSE(form->IsPlayPanelShown()) << "the game runs to its end";
        EXPECT_TRUE(form->BestWordText().isEmpty()) << "no word is accepted";
        EXPECT_TRUE(recorder.messages.isEmpty()) << qPrintable(recorder.messages.join(u'\n'));
    }
    UserRegistry::SetFilePath(QString());
    QFile::remove(cutPath);
}
