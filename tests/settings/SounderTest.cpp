#include "settings/Sounder.h"

#include "platform/SoundOutput.h"
#include "settings/Utils.h"

#include "tests/settings/SettingsTestUtil.h"

#include <memory>
#include <vector>

namespace {

// What the sounder asked the output for: an image's bytes, or a file's path (empty: stop).
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

QString SchemeKey(const char* below = "")
{
    return QString::fromLatin1(SoundSchemeKey) + QString::fromLatin1(below);
}

QString CurrentKey(int event)
{
    return SchemeKey() + SoundEventKeyName(event) + QStringLiteral("\\.current");
}

class SounderTest : public RegistryTest {
protected:
    std::unique_ptr<Sounder> MakeSounder()
    {
        auto sounder = std::make_unique<Sounder>(std::make_unique<RecordingOutput>(log), [this] { return now; });
        log.clear();
        return sounder;
    }
    static void SetCurrent(int event, const QString& path) { RegistryKey::Create(CurrentKey(event))->SetString({}, path); }
    static QString Value(const QString& keyPath)
    {
        const auto key = RegistryKey::Open(keyPath);
        return key ? key->String({}) : QStringLiteral("<missing>");
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

// A first run registers each event's file beside the program as its current and default sound,
// under the key names a sound scheme editor knows, and labels the scheme. Creating and destroying
// the sounder only stops whatever may be playing.
TEST_F(SounderTest, AFirstRunRegistersTheDefaultSounds)
{
    const std::pair<const char*, const char*> events[] = {
        {"\\Select Tile", "select.wav"},  {"\\Select Word", "word.wav"},      {"\\New Life", "newlife.wav"},
        {"\\End Round", "endRound.wav"}, {"\\High Word", "highword.wav"}, {"\\Low Word", "lowword.wav"}};
    {
        Sounder sounder(std::make_unique<RecordingOutput>(log), [] { return 0u; });
        for (int event = 0; event < SoundEventCount; ++event) {
            SCOPED_TRACE(event);
            const QString expected = AppFilePath(QString::fromLatin1(events[event].second));
            EXPECT_EQ(Value(SchemeKey(events[event].first) + QStringLiteral("\\.current")), expected);
            EXPECT_EQ(Value(SchemeKey(events[event].first) + QStringLiteral("\\.default")), expected);
            EXPECT_EQ(sounder.Path(static_cast<SoundEvent>(event)), expected);
        }
    }
    EXPECT_EQ(Value(SchemeKey()), QStringLiteral("Glimmerquake Word Game"));
    ASSERT_EQ(log.size(), 2u);
    for (const Played& played : log)
        EXPECT_TRUE(!played.fromMemory && played.path.isEmpty());
}

// The player's choices stand, also no sound or a file that is gone; only missing events get their
// default, and the scheme's label is left alone unless Select Tile was missing.
TEST_F(SounderTest, OnlyEventsMissingFromTheSchemeAreRegistered)
{
    SetCurrent(SelectTile, QString());
    SetCurrent(SelectWord, QStringLiteral("/gone/word.wav"));
    RegistryKey::Create(SchemeKey())->SetString({}, QStringLiteral("renamed"));
    auto sounder = MakeSounder();
    EXPECT_EQ(sounder->Path(SelectTile), QString());
    EXPECT_EQ(sounder->Path(SelectWord), QStringLiteral("/gone/word.wav"));
    EXPECT_EQ(Value(CurrentKey(NewLife)), AppFilePath(QStringLiteral("newlife.wav")));
    EXPECT_EQ(Value(SchemeKey()), QStringLiteral("renamed"));
}

// A file of up to 1 MiB plays from memory; a larger or empty file, a name without a folder and a
// missing file play by path. No sound, and values outside the six events, play nothing.
TEST_F(SounderTest, EachEventPlaysItsFileFromMemoryOrByPath)
{
    const QByteArray small = "RIFF small wave";
    const QByteArray limit(0x100000, 'x');
    const struct {
        SoundEvent event;
        QString path;
        QByteArray image;  // null when played by path
    } cases[] = {
        {SelectTile, WriteFile("small.wav", small), small},
        {SelectWord, WriteFile("limit.wav", limit), limit},
        {NewLife, WriteFile("large.wav", QByteArray(0x100001, 'y')), {}},
        {EndRound, WriteFile("empty.wav", {}), {}},
        {HighWord, QStringLiteral("highword.wav"), {}},
        {LowWord, folder.filePath(QStringLiteral("missing.wav")), {}},
    };
    for (const auto& c : cases)
        SetCurrent(c.event, c.path);
    auto sounder = MakeSounder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        log.clear();
        sounder->play(c.event);
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].fromMemory, !c.image.isNull());
        EXPECT_EQ(log[0].image, c.image);
        EXPECT_EQ(log[0].path, c.image.isNull() ? c.path : QString());
    }
    SetCurrent(SelectTile, QString());
    sounder->refresh(false);
    log.clear();
    for (const int event : {static_cast<int>(SelectTile), SoundEventCount, -1})
        sounder->play(static_cast<SoundEvent>(event));
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
        SCOPED_TRACE(c.start);
        SetCurrent(SelectTile, WriteFile("first.wav", "first"));
        now = c.start;
        auto sounder = MakeSounder();
        SetCurrent(SelectTile, WriteFile("second.wav", "second"));
        now = c.stillOld;
        sounder->play(SelectTile);
        now = c.renewed;
        sounder->play(SelectTile);
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0].image, QByteArray("first"));
        EXPECT_EQ(log[1].image, QByteArray("second"));
    }
}
