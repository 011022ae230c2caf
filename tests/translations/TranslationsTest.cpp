// The game in other languages: every translation complete and faithful to its source, the game and
// its help in the desktop's language, and no translated caption cut off by its control.
#include "GameTestSupport.h"
#include "dialogs/HallOfFame.h"
#include "dialogs/about.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "dialogs/sounds.h"
#include "dictionary/dictload.h"
#include "platform/HelpContext.h"
#include "platform/Translations.h"
#include "settings/FitCaptions.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBrowser>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, translation;
    bool finished = true;
};

std::vector<Message> ReadTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, true});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path + ": " + xml.errorString());
    return messages;
}

// What a translation must keep of its source: placeholders, rich-text tags, and whether it has a
// keyboard accelerator ("&&" is a plain ampersand, "&amp;" an entity).
QStringList Kept(const QString& text)
{
    static const QRegularExpression marks(QStringLiteral(R"(%(?:\d+|n)|</?[A-Za-z]+|(?<!&)&(?![&\s]|#?\w+;))"));
    QStringList kept;
    for (auto match = marks.globalMatch(text); match.hasNext();)
        kept << match.next().captured().replace(QRegularExpression(QStringLiteral("^&.*")), QStringLiteral("&"));
    kept.removeDuplicates();
    kept.sort();
    return kept;
}

// The .ts files hold every text the sources have now, each finished and keeping what the program
// fills in: lupdate, run on a copy, adds any text a source gained as unfinished.
TEST(TranslationFiles, EveryTextIsTranslatedKeepingPlaceholdersTagsAndAccelerator)
{
    const QStringList tsFiles = QStringLiteral(GLIM_TS_FILES).split(u',');
    ASSERT_GE(tsFiles.size(), 3);
    QTemporaryDir scratch;
    for (const QString& ts : tsFiles) {
        const QString copy = scratch.filePath(QFileInfo(ts).fileName());
        ASSERT_TRUE(QFile::copy(ts, copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(GLIM_SOURCE_DIR));
        lupdate.start(QStringLiteral(GLIM_LUPDATE), QStringList{"-silent", "-no-obsolete"} +
                                                        QStringLiteral(GLIM_TRANSLATED_SOURCES).split(u',') +
                                                        QStringList{"-ts", copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0) << qPrintable(lupdate.readAll());
        const std::vector<Message> messages = ReadTs(copy);
        EXPECT_EQ(messages.size(), ReadTs(ts).size()) << qPrintable(ts) << ": texts added or gone in the sources";
        for (const Message& m : messages) {
            const QString where = ts + u' ' + m.context + QStringLiteral(": ") + m.source;
            EXPECT_TRUE(m.finished && !m.translation.trimmed().isEmpty()) << qPrintable(where);
            EXPECT_EQ(Kept(m.translation), Kept(m.source)) << qPrintable(where + QStringLiteral(" -> ") + m.translation);
        }
    }
}

// A topic shows in the first of the player's languages that has it, else in English.
TEST(HelpTopics, ShowInTheFirstLanguageThatHasThemElseInEnglish)
{
    const struct {
        QString file;
        QStringList languages;
        QString topic;
    } cases[] = {
        {"scoring.html", {"de"}, "qrc:/help/de/scoring.html"},
        {"scoring.html", {"xx", "fr", "de"}, "qrc:/help/fr/scoring.html"},
        {"scoring.html", {"en", "es"}, "qrc:/help/scoring.html"},
        {"scoring.html", {"xx"}, "qrc:/help/scoring.html"},
        {"scoring.html", {}, "qrc:/help/scoring.html"},
        {"nosuch.html", {"es"}, "qrc:/help/nosuch.html"},
    };
    THelpWindow window;  // makes the topics available
    for (const auto& c : cases)
        EXPECT_EQ(THelpWindow::LocalTopic(c.file, c.languages), c.topic) << qPrintable(c.languages.join(u','));
}

// The language of this run, with the game's and Qt's translations installed once.
QString TestLanguage()
{
    static const QString installed = InstallTranslations(*qApp, QStringLiteral(GLIM_QM_DIR));
    return installed;
}

// The shown captions of `window` that are cut off.
QStringList CutOffTexts(QWidget* window)
{
    QStringList cut;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isVisibleTo(window) && !control->isWindow() && !CaptionFits(*control)) {
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            cut << QStringLiteral("%1 in %2: %3")
                       .arg(control->metaObject()->className(), window->objectName(),
                            label ? label->text() : button ? button->text() : QString());
        }
    }
    return cut;
}

// A caption fits when its letters, or its wrapped lines, stay inside its box; one that does not
// is shrunk until it does, down to three quarters of its size, and the others keep their font.
TEST(Captions, ThoseThatDoNotFitShrinkToFit)
{
    QWidget window;
    QFont font;
    font.setPixelSize(20);
    window.setFont(font);
    const auto place = [&window](QWidget* control, int width, int height) {
        control->setParent(&window);
        control->setGeometry(0, 0, width, height);
        return control;
    };
    const int word = QFontMetrics(font).horizontalAdvance(QStringLiteral("Wortschatz"));
    auto* wrapped = new QLabel(QStringLiteral("Wortschatz Wortschatz"));
    wrapped->setWordWrap(true);
    const struct {
        QWidget* control;
        bool fits;
        int pixelsAfterFitting;
    } cases[] = {
        {place(new QLabel(QStringLiteral("Wortschatz")), word + 2, 30), true, 20},
        {place(new QLabel(QStringLiteral("Wortschatz")), word * 9 / 10, 30), false, 18},
        {place(new QLabel(QStringLiteral("Wortschatz")), word / 2, 30), false, 15},
        {place(new QPushButton(QStringLiteral("&Wortschatz")), word + 8, 30), true, 20},
        {place(new QPushButton(QStringLiteral("&Wortschatz")), word, 30), false, 19},
        {place(new QCheckBox(QStringLiteral("&Wortschatz")), word + 40, 30), true, 20},
        {place(new QCheckBox(QStringLiteral("&Wortschatz")), word + 4, 30), false, 17},
        {place(wrapped, word + 4, 60), true, 15},
        {place(new QLabel(QStringLiteral("<b>Wortschatz</b>")), 10, 30), true, 20},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionFits(*c.control), c.fits) << c.control->metaObject()->className() << ' ' << c.control->width();
    place(wrapped, word + 4, 30);
    EXPECT_FALSE(CaptionFits(*wrapped));
    FitCaptions(window);
    for (const auto& c : cases)
        EXPECT_EQ(c.control->font().pixelSize(), c.pixelsAfterFitting) << c.control->metaObject()->className() << ' ' << c.control->width();
}

// With the desktop in another language the game shows its captions, its help and Qt's own
// buttons in that language.
TEST(PlayerLanguage, TheGameItsHelpAndQtsButtonsSpeakIt)
{
    const struct {
        QString language, score, yes;
    } expected[] = {{"de", "Stand:", "&Ja"}, {"fr", "Score\u00a0:", "&Oui"}, {"es", "Total:", "&S\u00ed"}};
    const QString language = QString::fromLocal8Bit(qgetenv("GLIM_TEST_LANGUAGE"));
    ASSERT_EQ(TestLanguage(), language);
    const auto wanted = std::find_if(std::begin(expected), std::end(expected),
                                     [&](const auto& e) { return e.language == language; });
    ASSERT_NE(wanted, std::end(expected)) << qPrintable(language);
    GameFixture game;
    EXPECT_EQ(game.form->Label1->text(), wanted->score);
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), wanted->yes);

    OpenHelpContext(20);
    THelpWindow* help = game.windows->helpService->Window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser->source().toString(), "qrc:/help/" + language + "/mainwindow.html");
    // A link written to an English topic opens the translated one.
    help->Browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html#top")));
    EXPECT_EQ(help->Browser->source().toString(), "qrc:/help/" + language + "/scoring.html#top");
    EXPECT_NE(help->windowTitle(), QStringLiteral("Glimmerquake Help - Scoring"));
}

// No caption, in English or translated, is cut off at the windows' design sizes.
TEST(PlayerLanguage, EveryCaptionFitsItsControl)
{
    TestLanguage();
    GameFixture game;
    TSoundsForm sounds;
    TAboutBox about(QStringLiteral("help@glimmerquake.test"), QStringLiteral("https://glimmerquake.test/"));
    QStringList cut;
    game.form->show();
    cut << CutOffTexts(game.form);
    ASSERT_TRUE(StartPlay(game.form));
    cut << CutOffTexts(game.form);
    for (QWidget* dialog : std::initializer_list<QWidget*>{NewGameForm, OptionsForm, HowToPlay, DictionaryLoading,
                                                           NewGameForm->hallOfFame.get(), &sounds, &about}) {
        dialog->show();
        cut << CutOffTexts(dialog);
        dialog->hide();
    }
    EXPECT_TRUE(cut.isEmpty()) << qPrintable(cut.join(u'\n'));
}

}  // namespace
