// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HallOfFame.h"
#include "dialogs/StatisticsForm.h"
#include "dialogs/about.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "dialogs/sounds.h"
#include "dictionary/dictload.h"

#include "GameTestSupport.h"
#include "platform/HelpContext.h"
#include "platform/UserRegistry.h"
#include "settings/Persist.h"
#include "settings/Utils.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTextStream>
#include <QTreeWidget>
#include <QUrlQuery>
#include <QWindow>

namespace {

// How To Play, the three sounds, dictionary, nickname, pause and colours.
auto Fields(const PlayerOptions& o)
{
    return std::tuple(o.GetHowToPlay(), o.GetEndRoundSounds(), o.GetEnterWordSounds(), o.GetSelectTileSounds(),
                      o.GetDictionary(), o.GetNickname(), o.GetPauseInBackground(), o.GetColourBlindColours());
}

// Only valid dictionaries are listed, and a stored name in other case selects its file; during a
// game the list is fixed and the stored name kept, even one without a file. An empty nickname
// cannot be accepted; Enter takes every change and Esc none. Every option changed in Options, and
// a nickname given from the high score table after a game, survive a restart: saved for real, then
// read by a new start from the same settings file. A dictionary chosen between games shows in the
// main window's title at once. The main window opens maximized again, the Hall of Fame where it
// was left.
TEST(OptionsForm, EnterTakesEveryChangeEscNoneAndTheChoicesSurviveARestart)
{
    GameFixture game(true);
    // A stored name without its file shows as itself, first, never as a neighbour.
    const std::tuple<bool, bool, const char*, const char*, QString> cases[] = {
        {true, true, "my.words", "My.Words", {}},
        {true, false, "my.words", "my.words", {}},
        {false, true, "Gone", "Gone", QStringLiteral("Gone (missing or damaged)")}};
    for (const auto& [allow, ok, stored, taken, missing] : cases) {
        PlayerOptions current;  // How To Play on, nickname Anonymous
        current.SetDictionary(QString::fromLatin1(stored));
        current.SetColourBlindColours(true);  // shown ticked, and kept
        QStringList seen;
        AnswerNextModal([&seen, key = ok ? Qt::Key_Return : Qt::Key_Escape](QWidget*) {
            for (int i = 0; i < OptionsForm->DictionaryList->count(); ++i)
                seen << OptionsForm->DictionaryList->itemText(i);
            seen << OptionsForm->DictionaryList->currentText() +
                        (OptionsForm->DictionaryList->isEnabled() ? "" : " fixed");
            QTest::keyClick(OptionsForm->NicknameField, Qt::Key_Delete);  // the whole name is selected
            seen << (OptionsForm->OKBtn->isEnabled() ? "OK enabled" : "");
            QTest::keyClicks(OptionsForm->NicknameField, QStringLiteral("Zed"));
            for (QCheckBox* box :
                 {OptionsForm->HowToPlay, OptionsForm->PauseInBackground, OptionsForm->EnterWordSounds})
                box->click();
            QTest::keyClick(OptionsForm->NicknameField, key);
        });
        const std::optional<PlayerOptions> chosen = OptionsForm->Execute(current, allow);
        EXPECT_EQ(chosen.has_value(), ok);
        const QString shown = missing.isEmpty() ? QStringLiteral("My.Words") : missing;
        const QStringList listed{"My.Words", "TestWords", shown + (allow ? "" : " fixed"), ""};
        EXPECT_EQ(seen, missing.isEmpty() ? listed : QStringList{missing} + listed);
        EXPECT_EQ(Fields(chosen.value_or(current)), std::tuple(!ok, true, !ok, true, QString::fromLatin1(taken),
                                                               QString::fromLatin1(ok ? "Zed" : "Anonymous"), ok, true))
            << stored << ok;
    }

    AnswerNextModal([](QWidget*) {
        for (QAbstractButton* box :
             {OptionsForm->HowToPlay, OptionsForm->PauseInBackground, OptionsForm->ColourBlindColours,
              OptionsForm->EndRoundSounds, OptionsForm->EnterWordSounds, OptionsForm->SelectTileSounds})
            box->click();
        OptionsForm->DictionaryList->setCurrentIndex(OptionsForm->DictionaryList->findData(QStringLiteral("My.Words")));
        OptionsForm->OKBtn->click();
    });
    game.form->findChild<QPushButton*>(QStringLiteral("preplayOptionsButton"))->click();
    EXPECT_EQ(game.form->windowTitle(), QStringLiteral("Glimmerquake (My.Words)"));
    game.probe->StartGame(true);
    AnswerNextModal([](QWidget* scores) {
        AnswerNextModal(
            [](QWidget*) { OptionsForm->NicknameField->setText(QStringLiteral("Zed")), OptionsForm->OKBtn->click(); });
        NewGameForm->OptionsButton->click();
        FinishDialog(scores, false);
    });
    PlayToTheEnd(*game.probe, {"C", "A", "T"});
    game.form->show(), game.form->move(70, 80), QCoreApplication::processEvents();
    QString left;  // a move alone is stored at once, should the game never close
    EXPECT_TRUE(Persist(false).readString(QStringLiteral("GlimmerFormLeft"), left) && left == QStringLiteral("70"));
    const auto dialogs = [] { return QWidgetList{OptionsForm, AboutBox, HowToPlay, NewGameForm}; };
    game.form->showMaximized(), NewGameForm->hallOfFame->show(), NewGameForm->hallOfFame->move(40, 50);
    for (QWidget* dialog : dialogs())
        dialog->show(), dialog->move(40 + dialog->objectName().size(), 50);
    QCoreApplication::processEvents();  // the main window resized to the screen, and stored
    game.Restart();
    EXPECT_TRUE(game.form->isMaximized() && NewGameForm->hallOfFame->pos() == QPoint(40, 50));
    for (QWidget* dialog : dialogs())
        EXPECT_EQ(dialog->pos(), QPoint(40 + dialog->objectName().size(), 50))
            << "kept: " << qPrintable(dialog->objectName());
    EXPECT_EQ(Fields(NewGameForm->Options()),
              std::tuple(false, false, false, false, QStringLiteral("My.Words"), QStringLiteral("Zed"), true, true));
    EXPECT_EQ(NewGameForm->Scores().Rows().at(0).player, QStringLiteral("Zed"));
    // A place left on a monitor that is gone opens on this desktop's screen instead.
    for (const char* value : {"GlimmerFormLeft", "GlimmerFormTop"})
        Persist(true).writeString(QString::fromLatin1(value), QStringLiteral("2000"));
    QWidget restored;
    restored.setObjectName(QStringLiteral("GlimmerForm"));
    Persist(false).windowPlacement(&restored, nullptr);
    EXPECT_TRUE(restored.screen()->availableGeometry().contains(restored.geometry()));
}

// The options dialog opens the sounds dialog. A file picked in the file dialog is taken only when
// accepted, and only when it is a sound: another file is refused at once, in a message, keeping
// the choice before. Default goes back to the file beside the program (there is no "\.default"
// entry). OK stores every choice, Cancel none.
TEST(SoundsForm, OkStoresTheChoicesAndCancelNone)
{
    GameFixture game;
    const auto CurrentValue = [](int event) {
        const auto key =
            RegistryKey::Open(QString::fromLatin1(SoundSchemeKey) + SoundEventKeyName(event) + "\\.current");
        return key ? key->String(QString()) : QStringLiteral("<absent>");
    };
    const QString lowWord = CurrentValue(LowWord), highWord = AppFilePath(QStringLiteral("highword.wav"));
    const QString newLife = game.settingsDir.filePath(QStringLiteral("Chosen.wav"));
    QFile wav(newLife);  // one frame of silence: 8 kHz, mono, 16 bits
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly) &&
                wav.write(QByteArray::fromHex("524946462600000057415645666d74201000000001000100401f0000803e0000"
                                              "0200100064617461020000000000")) == 46);
    wav.close();  // complete before the file dialog looks at it
    const QString noSound = game.settingsDir.filePath(QStringLiteral("NewLife.wav"));  // holds a name
    for (const bool ok : {false, true}) {
        QStringList seen;
        AnswerNextModal([&](QWidget* dialog) {
            auto* sounds = qobject_cast<TSoundsForm*>(dialog);
            ASSERT_NE(sounds, nullptr) << "the Sounds button opens the sounds dialog";
            const auto press = [&](int event, QPushButton* button) {
                sounds->SelectEvent(event);
                button->click();
                seen << sounds->EventList->currentItem()->text(1) + ", " + sounds->FileLabel->text();
            };
            AnswerNextModal([&](QWidget* files) {
                qobject_cast<QFileDialog*>(files)->selectFile(newLife);
                QMetaObject::invokeMethod(files, ok ? "accept" : "reject");
            });
            press(LowWord, sounds->ChooseButton);
            press(SelectTile, sounds->NoSoundButton);
            press(HighWord, sounds->DefaultButton);
            QString told;
            AnswerNextModal([&](QWidget* files) {
                AnswerNextModal([&told](QWidget* box) {
                    told = box->windowTitle() + ": " + qobject_cast<QMessageBox*>(box)->text();
                    PressMessageButton(box, QMessageBox::Ok);
                });
                qobject_cast<QFileDialog*>(files)->selectFile(noSound);
                QMetaObject::invokeMethod(files, "accept");
            });
            press(LowWord, sounds->ChooseButton);
            EXPECT_EQ(told, QStringLiteral("Warning: \"NewLife.wav\" is not a sound the game can play, so the sound "
                                           "stays as it was."));
            (ok ? sounds->OKButton : sounds->CancelButton)->click();
        });
        OptionsForm->SoundsButton->click();
        const QString picked = ok ? newLife : lowWord, chosen = QFileInfo(picked).fileName() + ", File: " + picked;
        EXPECT_EQ(seen, (QStringList{chosen, "(no sound), No sound", "highword.wav, File: " + highWord, chosen}));
        EXPECT_EQ(
            CurrentValue(LowWord) + CurrentValue(SelectTile) + CurrentValue(HighWord),
            ok ? newLife + highWord
               : lowWord + game.settingsDir.filePath("SelectTile.wav") + game.settingsDir.filePath("HighWord.wav"));
    }
}

// The shown controls of a dialog, and of its panels, neither cover each other nor stick out; a
// caption is shown only with its field, on the field's line and left of it.
void ExpectNoControlHidesAnother(QWidget* window)
{
    QList<QWidget*> shown = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    shown.removeIf([](const QWidget* control) { return control->isHidden() || control->isWindow(); });
    for (QWidget* a : shown) {
        EXPECT_TRUE(window->rect().contains(a->geometry())) << a->metaObject()->className();
        if (const QWidget* field = qobject_cast<QLabel*>(a) ? qobject_cast<QLabel*>(a)->buddy() : nullptr) {
            const QRect c = a->geometry(), f = field->geometry();
            EXPECT_TRUE(!field->isHidden() && c.right() < f.left() && c.top() <= f.bottom() && f.top() <= c.bottom())
                << qPrintable(qobject_cast<QLabel*>(a)->text());
        }
        for (QWidget* b : shown)
            EXPECT_FALSE(a < b && a->geometry().intersects(b->geometry())) << b->metaObject()->className();
        if (QByteArrayList{"QWidget", "QFrame", "QGroupBox"}.contains(a->metaObject()->className()))
            ExpectNoControlHidesAnother(a);
    }
}

// Takes the desktop's requests to open mail and web addresses while it lives.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder()
    {
        QDesktopServices::setUrlHandler("mailto", this, "open"), QDesktopServices::setUrlHandler("https", this, "open");
    }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler("mailto"), QDesktopServices::unsetUrlHandler("https"); }
    Q_INVOKABLE void open(const QUrl& url)
    {
        opened << url.toString(QUrl::RemoveQuery) << QUrlQuery(url).toString(QUrl::FullyDecoded);
    }
    QStringList opened;
};

// No dialog's controls cover each other, nor the help window's. Enter and Esc close the About box
// with OK; its mail line composes a support request to the shown address and the home page line
// opens the page. Without addresses the lines are left out.
TEST(About, TheLinksOpenTheirAddressesAndNoControlCoversAnother)
{
    GameFixture game;
    TSoundsForm sounds;
    TAboutBox box(QStringLiteral("help@glimmerquake.test"), QStringLiteral("https://glimmerquake.test/")), bare{{}, {}};
    OpenHelpContext(0);
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{NewGameForm, OptionsForm, HowToPlay, NewGameForm->hallOfFame.get(), &sounds,
                                         &bare, &box, game.windows->helpService->Window()})
        dialog->show(), ExpectNoControlHidesAnother(dialog);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        AnswerNextModal([key](QWidget* shown) { QTest::keyClick(shown, key); });
        EXPECT_EQ(AboutBox->exec(), QDialog::Accepted) << key;
    }
    UrlRecorder links;
    for (LinkField* link : {bare.MailSupportLink, bare.HomePageLink, box.MailSupportLink, box.HomePageLink})
        QTest::mouseClick(link, Qt::LeftButton), QTest::keyClicks(link, QStringLiteral("x"));
    EXPECT_EQ(box.HomePageLink->text(), QStringLiteral("https://glimmerquake.test/")) << "no typing into a link";
    EXPECT_EQ(links.opened, (QStringList{"mailto:help@glimmerquake.test", "subject=Glimmerquake Support Request",
                                         "https://glimmerquake.test/", ""}));
}

QString ShownTopic(const GameFixture& game)
{
    const THelpWindow* help = game.windows->helpService->Window();
    return help != nullptr && help->isVisible() ? help->Browser->source().toString() : QString();
}

// Each window's F1 key and Help button, and each help context, open their topic in the help
// window, titled after it; Esc closes it. Help follows a dialog into the dialog it opens, and
// back when that closes. Help open as the pause question comes stays open; the question's Help
// button and F1 open its topic in a help window that can be used and closed while the question
// waits (clicks go through the window system, which drops input to windows a modal dialog blocks).
TEST(Help, EachWindowAndContextOpensItsTopic)
{
    GameFixture game;
    const auto help = [&game] { return game.windows->helpService->Window(); };
    TStatisticsForm statistics(game.form);
    const std::tuple<int, const char*, QWidget*, QPushButton*> topics[] = {
        {10, "High Scores and Starting a Game", NewGameForm, NewGameForm->helpButton},
        {20, "The Game Window", game.form, nullptr},
        {30, "Options", OptionsForm, OptionsForm->helpButton},
        {40, "Pausing a Game", nullptr, nullptr},
        {50, "Ending a Game", nullptr, nullptr},
        {70, "About Glimmerquake", AboutBox, nullptr},
        {120, "How To Play", HowToPlay, HowToPlay->HelpButton},
        {130, "Hall of Fame", NewGameForm->hallOfFame.get(), NewGameForm->hallOfFame->HelpButton},
        {140, "Resuming a Game", nullptr, nullptr},
        {150, "Statistics", &statistics, statistics.HelpButton},
        {99, "Glimmerquake Help", nullptr, nullptr}};
    for (const auto& [context, title, window, button] : topics) {
        window ? QTest::keyClick(window, Qt::Key_F1) : OpenHelpContext(context);
        ASSERT_NE(help(), nullptr) << title;
        EXPECT_EQ(help()->windowTitle(), QStringLiteral("Glimmerquake Help - ") + title);
        QTest::keyClick(help(), Qt::Key_Escape);  // closes it, as any help viewer
        EXPECT_FALSE(help()->isVisible());
        button ? button->click() : OpenHelpContext(context);
        EXPECT_EQ(ShownTopic(game), THelpWindow::TopicFor(context));
    }
    OpenHelpContext(120);
    help()->ContentsButton->click();
    const QString contents = ShownTopic(game);
    help()->BackButton->click();
    EXPECT_EQ(contents + " " + ShownTopic(game), THelpWindow::TopicFor(0) + " " + THelpWindow::TopicFor(120));
    EXPECT_TRUE(LooksAsApproved(help(), QStringLiteral("help")));
    QString owner;
    AnswerNextModal([&](QWidget* options) {
        QTest::keyClick(options, Qt::Key_F1);
        AnswerNextModal([](QWidget* sounds) { FinishDialog(sounds, false); });
        OptionsForm->SoundsButton->click(), QCoreApplication::processEvents();  // it follows after a turn
        owner = help()->parentWidget() == options ? "options" : "elsewhere", FinishDialog(options, false);
    });
    game.form->findChild<QPushButton*>(QStringLiteral("preplayOptionsButton"))->click();
    EXPECT_EQ(owner, "options") << "help is back with the options once the sounds dialog closes";

    const auto clickThrough = [](QWidget* w) {
        QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, w->mapTo(w->window(), w->rect().center()));
    };
    game.probe->StartGame(false);
    QStringList seen;
    OpenHelpContext(20);
    AnswerNextModal([&](QWidget* box) {
        seen << (help()->isVisible() ? "help stays" : "help gone");
        clickThrough(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Help));
        seen << ShownTopic(game);
        clickThrough(help()->CloseButton);
        seen << ShownTopic(game);
        QTest::keyClick(box->windowHandle(), Qt::Key_F1);
        seen << ShownTopic(game) << (QApplication::activeModalWidget() == box ? "waiting" : "gone");
        PressMessageButton(box, QMessageBox::Yes);
    });
    game.probe->pauseButton->click();
    QCoreApplication::processEvents();  // it leaves the answered question, a window of its own again
    seen << (help() && help()->isVisible() && help()->isWindow() ? "help kept" : "help lost");
    EXPECT_EQ(seen, (QStringList{"help stays", THelpWindow::TopicFor(40), "", THelpWindow::TopicFor(40), "waiting",
                                 "help kept"}));
}

// The example shows twenty tiles; the seven of GLIMPSE are marked and chained in the order of the
// word (the approved picture of the window shows the red line). The box is ticked at every showing (a
// restore from minimised is no new showing); unticking it and pressing Start turns the setting
// off and starts the game.
TEST(HowToPlay, TheExampleSpellsGlimpseAndUntickingThenStartTurnsTheSettingOff)
{
    GameFixture game(true);
    const std::vector<Chip*> cells = HowToPlay->ExampleCells(), chain = HowToPlay->ExampleChain();
    std::string word =
        std::to_string(cells.size()) + " tiles, " +
        std::to_string(std::count_if(cells.begin(), cells.end(), [](const Chip* c) { return c->IsSelected(); }));
    for (const Chip* chip : chain)
        word += (chip == chain.front() ? " marked: " : "") + chip->Letter() + std::to_string(chip->Value());
    ASSERT_EQ(word, "20 tiles, 7 marked: G3L2I2M3P3S2E2");
    HowToPlay->show();
    HowToPlay->HowToPlay->setChecked(false);
    HowToPlay->hide();
    game.probe->StartButton->click();
    ASSERT_TRUE(HowToPlay->isVisible() && HowToPlay->HowToPlay->isChecked());
    HowToPlay->HowToPlay->click();
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    static_cast<QObject*>(HowToPlay)->event(&restored);
    HowToPlay->StartButton->click();
    EXPECT_EQ(std::tuple(HowToPlay->isVisible(), NewGameForm->GetHowToPlay(), game.probe->IsPlaying()),
              std::tuple(false, false, true));
}

}  // namespace

#include "WindowsTest.moc"

// Every named control of every window sits where the design puts it, at its size, in its font,
// its text aligned and wrapped as designed: the layout at the design size, written down in
// designed-layout.txt.
TEST(Layout, EveryControlSitsWhereTheDesignPutsItInItsFont)
{
    GameFixture game;
    TSoundsForm sounds;
    const std::initializer_list<QWidget*> windows{
        game.form, NewGameForm, OptionsForm, HowToPlay, AboutBox, DictionaryLoading, NewGameForm->hallOfFame.get(),
        &sounds};
    QString layout;
    QTextStream out(&layout);
    for (QWidget* window : windows) {
        window->show();
        out << window->objectName() << ' ' << window->width() << 'x' << window->height() << '\n';
        EXPECT_TRUE(window == game.form || LooksAsApproved(window, window->objectName()));  // its date changes
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window || control->objectName().isEmpty() ||
                control->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            const QRect at(control->mapTo(window, QPoint(0, 0)), control->size());
            const QFont font = control->font();
            out << window->objectName() << '/' << control->objectName() << ' ' << at.x() << ',' << at.y() << ' '
                << at.width() << 'x' << at.height() << ' ' << font.family() << ' ' << font.pixelSize() << "px"
                << (font.bold() ? " bold" : "") << (font.underline() ? " underlined" : "")
                << (control->isVisibleTo(window) ? "" : " hidden");
            if (const auto* label = qobject_cast<const QLabel*>(control))
                out << " aligned 0x" << Qt::hex << label->alignment().toInt() << Qt::dec
                    << (label->wordWrap() ? " wrapped" : "");
            if (const auto* table = qobject_cast<const QTreeView*>(control))
                for (int column = 0; column < table->header()->count(); ++column)
                    out << ' ' << table->columnWidth(column);
            out << '\n';
        }
        window->hide();
    }
    out.flush();
    QFile designed(QStringLiteral(GLIM_LAYOUT_FILE));
    if (const QString record = qEnvironmentVariable("GLIM_RECORD_LAYOUT"); !record.isEmpty()) {
        QFile out(record);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(layout.toUtf8()) > 0);
    }
    ASSERT_TRUE(designed.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList expected = QString::fromUtf8(designed.readAll()).split(u'\n');
    const QStringList actual = layout.split(u'\n');
    EXPECT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
        EXPECT_EQ(actual[i], expected[i]);
}
