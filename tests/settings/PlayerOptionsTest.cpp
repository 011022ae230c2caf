#include "settings/PlayerOptions.h"

#include "settings/Persist.h"

#include "tests/settings/SettingsTestUtil.h"

using PlayerOptionsTest = RegistryTest;

// A store holding one value changes only that one; the others keep their first-run values.
TEST_F(PlayerOptionsTest, APartialStoreChangesOnlyWhatItHolds)
{
    EXPECT_TRUE(PlayerOptions().GetSelectTileSounds());
    EXPECT_FALSE(QFile::exists(registryPath));
    {
        Persist store(true);
        store.writeInteger(QStringLiteral("SelectTileSounds"), 0);
    }
    const PlayerOptions options;
    EXPECT_FALSE(options.GetSelectTileSounds());
    EXPECT_EQ(options.GetNickname(), QStringLiteral("Anonymous"));
    EXPECT_EQ(options.GetDictionary(), QStringLiteral("English"));
    EXPECT_TRUE(options.GetEnterWordSounds());
    EXPECT_TRUE(options.GetEndRoundSounds());
    EXPECT_TRUE(options.GetHowToPlay());
}

TEST_F(PlayerOptionsTest, SaveSettingsStoresEveryFieldForTheNextRun)
{
    {
        PlayerOptions options;
        options.SetHowToPlay(false);
        options.SetNickname(QStringLiteral("Bo"));
        options.SetDictionary(QStringLiteral("French"));
        options.SetEnterWordSounds(false);
        options.SaveSettings();
    }
    int howToPlay = -1;
    EXPECT_TRUE(Persist(false).readInteger(QStringLiteral("HowToPlay"), howToPlay));
    EXPECT_EQ(howToPlay, 0);
    const PlayerOptions next;
    EXPECT_FALSE(next.GetHowToPlay());
    EXPECT_EQ(next.GetNickname(), QStringLiteral("Bo"));
    EXPECT_EQ(next.GetDictionary(), QStringLiteral("French"));
    EXPECT_FALSE(next.GetEnterWordSounds());
    EXPECT_TRUE(next.GetSelectTileSounds());
}

// Score rows separate their columns with TABs; a TAB in the name would shift them.
TEST_F(PlayerOptionsTest, ATabInTheNicknameIsKeptAsASpace)
{
    {
        Persist store(true);
        store.writeString(QStringLiteral("Nickname"), QStringLiteral("a\tb"));
    }
    PlayerOptions options;
    EXPECT_EQ(options.GetNickname(), QStringLiteral("a b"));
    options.SetNickname(QStringLiteral("\tc"));
    EXPECT_EQ(options.GetNickname(), QStringLiteral(" c"));
}
