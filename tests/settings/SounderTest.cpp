#include "settings/Sounder.h"

#include "platform/SoundOutput.h"
#include "settings/Utils.h"

#include "tests/settings/SettingsTestUtil.h"

#include <memory>
#include <vector>

namespace {

struct Played {
    bool fromMemory;
    QByteArray image;
    QString path;
};

class RecordingOutput final : public SoundOutput {
public:
    explicit RecordingOutput(std::vector<Played>& log) : log(log) {}
    void PlayImage(const QByteArray& image) override { log.push_back({true, image, {}}); }
    void PlayFile(const QString& path) override { log.push_back({false, {}, path}); }

private:
    std::vector<Played>& log;
};

QString EventKey(int event)
{
    return QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event);
}

class SounderTest : public RegistryTest {
protected:
    std::unique_ptr<Sounder> MakeSounder()
    {
        auto sounder = std::make_unique<Sounder>(std::make_unique<RecordingOutput>(log), [this] { return now; });
        log.clear();
        return sounder;
    }
    void SetCurrent(int event, const QString& path)
    {
        const auto key = RegistryKey::Create(EventKey(event) + QStringLiteral("\\.current"));
        key->SetString({}, path);
    }
    QString SchemeValue(const QString& keyPath)
    {
        const auto key = RegistryKey::Open(keyPath);
        return key ? key->String({}) : QStringLiteral("<missing>");
    }
    // Deletes a key (here always one without subkeys) from the registry file.
    void DeleteKey(const QString& keyPath)
    {
        QStringList kept;
        bool skipping = false;
        for (const QString& line : RegistryText().split(u'\n')) {
            if (line.startsWith(u'['))
                skipping = line.compare(u'[' + keyPath + u']', Qt::CaseInsensitive) == 0;
            if (!skipping)
                kept += line;
        }
        SetRegistryText(kept.join(u'\n'));
    }
    QString WriteFile(const char* name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    std::uint32_t now = 1000;
    std::vector<Played> log;
};

} // namespace

TEST_F(SounderTest, FirstRunRegistersTwelveSubkeysAndTheLabel)
{
    std::vector<Played> constructionLog;
    {
        Sounder sounder(std::make_unique<RecordingOutput>(constructionLog), [] { return 0u; });
        for (int event = 0; event < SoundEventCount; ++event) {
            const QString expected = AppFilePath(SoundEventDefaultFile(event));
            EXPECT_EQ(SchemeValue(EventKey(event) + QStringLiteral("\\.current")), expected) << event;
            EXPECT_EQ(SchemeValue(EventKey(event) + QStringLiteral("\\.default")), expected) << event;
            EXPECT_EQ(sounder.Path(static_cast<SoundEvent>(event)), expected) << event;
        }
    }
    EXPECT_EQ(SchemeValue(QString::fromLatin1(SoundSchemeKey)), QStringLiteral("Glimmerquake Word Game"));
    EXPECT_EQ(RegistryText().count(QStringLiteral("\\.current]")), 6);
    EXPECT_EQ(RegistryText().count(QStringLiteral("\\.default]")), 6);
    // Construction and destruction each stop whatever may be playing, and play nothing else.
    ASSERT_EQ(constructionLog.size(), 2u);
    for (const Played& played : constructionLog) {
        EXPECT_FALSE(played.fromMemory);
        EXPECT_TRUE(played.path.isEmpty());
    }
}

TEST_F(SounderTest, OnlyAMissingEventIsRegisteredAgain)
{
    MakeSounder();
    SetCurrent(SelectWord, QStringLiteral("/gone/word.wav"));
    {
        const auto application = RegistryKey::Create(QString::fromLatin1(SoundSchemeKey));
        application->SetString({}, QStringLiteral("renamed"));
    }
    DeleteKey(EventKey(NewLife) + QStringLiteral("\\.current"));
    ASSERT_EQ(SchemeValue(EventKey(NewLife) + QStringLiteral("\\.current")), QStringLiteral("<missing>"));

    auto sounder = MakeSounder();
    EXPECT_EQ(SchemeValue(EventKey(NewLife) + QStringLiteral("\\.current")), AppFilePath(QStringLiteral("newlife.wav")));
    // An existing entry is never rewritten, even when its file is gone.
    EXPECT_EQ(sounder->Path(SelectWord), QStringLiteral("/gone/word.wav"));
    EXPECT_EQ(SchemeValue(QString::fromLatin1(SoundSchemeKey)), QStringLiteral("renamed"));

    DeleteKey(EventKey(SelectTile) + QStringLiteral("\\.current"));
    MakeSounder();
    EXPECT_EQ(SchemeValue(QString::fromLatin1(SoundSchemeKey)), QStringLiteral("Glimmerquake Word Game"));
}

TEST_F(SounderTest, SmallFilesPlayFromMemoryOthersByName)
{
    const QByteArray small = "RIFF small wave";
    const QByteArray limit(0x100000, 'x');
    SetCurrent(SelectTile, WriteFile("small.wav", small));
    SetCurrent(SelectWord, WriteFile("limit.wav", limit));
    SetCurrent(NewLife, WriteFile("large.wav", QByteArray(0x100001, 'y')));
    SetCurrent(EndRound, WriteFile("empty.wav", {}));
    SetCurrent(HighWord, QStringLiteral("highword.wav"));
    SetCurrent(LowWord, folder.filePath(QStringLiteral("missing.wav")));
    auto sounder = MakeSounder();
    for (int event = 0; event < SoundEventCount; ++event)
        sounder->play(static_cast<SoundEvent>(event));
    ASSERT_EQ(log.size(), 6u);
    EXPECT_TRUE(log[0].fromMemory);
    EXPECT_EQ(log[0].image, small);
    EXPECT_TRUE(log[1].fromMemory);
    EXPECT_EQ(log[1].image.size(), limit.size());
    const struct {
        std::size_t index;
        QString path;
    } byName[] = {{2, folder.filePath(QStringLiteral("large.wav"))},
                  {3, folder.filePath(QStringLiteral("empty.wav"))},
                  {4, QStringLiteral("highword.wav")},
                  {5, folder.filePath(QStringLiteral("missing.wav"))}};
    for (const auto& expected : byName) {
        EXPECT_FALSE(log[expected.index].fromMemory) << expected.index;
        EXPECT_EQ(log[expected.index].path, expected.path) << expected.index;
    }
}

TEST_F(SounderTest, NoSoundAndEventsOutsideTheSixPlayNothing)
{
    SetCurrent(SelectTile, QString());
    auto sounder = MakeSounder();
    sounder->play(SelectTile);
    sounder->play(static_cast<SoundEvent>(6));
    sounder->play(static_cast<SoundEvent>(-1));
    EXPECT_TRUE(log.empty());
}

// The scheme is read again a minute after the last reading, also when the tick count wraps in
// between (last reading + 60000 then exceeds 32 bits).
TEST_F(SounderTest, TheSchemeIsReadAgainOnlyAfterAMinuteEvenWhenTheTickCountWraps)
{
    const struct {
        std::uint32_t start, stillOld, renewed;
    } cases[] = {{1000, 61000, 61001}, {0xFFFFFFF0u, 0xFFFFFFFFu, 5}};
    for (const auto& c : cases) {
        SetCurrent(SelectTile, WriteFile("first.wav", "first"));
        now = c.start;
        auto sounder = MakeSounder();
        SetCurrent(SelectTile, WriteFile("second.wav", "second"));
        now = c.stillOld;
        sounder->play(SelectTile);
        now = c.renewed;
        sounder->play(SelectTile);
        ASSERT_EQ(log.size(), 2u) << c.start;
        EXPECT_EQ(log[0].image, QByteArray("first")) << c.start;
        EXPECT_EQ(log[1].image, QByteArray("second")) << c.start;
    }
}

TEST_F(SounderTest, AnUnchangedPathKeepsItsImage)
{
    const QString path = WriteFile("tick.wav", "old bytes");
    SetCurrent(SelectTile, path);
    auto sounder = MakeSounder();
    WriteFile("tick.wav", "new bytes");
    sounder->refresh(false);
    sounder->play(SelectTile);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].image, QByteArray("old bytes"));
    EXPECT_TRUE(sounder->HasImage(SelectTile));
}
