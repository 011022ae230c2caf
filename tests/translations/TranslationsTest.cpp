// SPDX-License-Identifier: GPL-3.0-or-later
// The game in other languages: every translation complete and faithful to its source, the game and
// its help in the desktop's language, and no caption cut off by its control.
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
#include "settings/DailyResults.h"
#include "settings/DictionaryName.h"
#include "settings/FitCaptions.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QXmlStreamReader>

namespace {

// Each message of a .ts file: its context and source, then its translation, empty when unfinished.
std::vector<QStringList> ReadTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    std::vector<QStringList> messages;
    QString context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            messages.push_back({context, xml.readElementText()});
        else if (xml.name() == u"translation" && !messages.empty())
            messages.back() << (xml.attributes().hasAttribute(QStringLiteral("type")) ? QString()
                                                                                      : xml.readElementText());
    }
    return messages;
}

// What a translation must keep of its source: placeholders, rich-text tags, and whether it has a
// keyboard accelerator ("&&" is a plain ampersand, "&amp;" an entity).
QStringList Kept(const QString& text)
{
    static const QRegularExpression marks(QStringLiteral(R"(%(?:\d+|n)|</?[A-Za-z]+|(?<!&)&(?![&\s]|#?\w+;))"));
    QStringList kept;
    for (auto match = marks.globalMatch(text); match.hasNext();) {
        const QString mark = match.next().captured();
        kept << (mark.startsWith(u'&') ? QStringLiteral("&") : mark);
    }
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
        const std::vector<QStringList> messages = ReadTs(copy);
        EXPECT_EQ(messages.size(), ReadTs(ts).size()) << qPrintable(ts) << ": texts added or gone in the sources";
        for (const QStringList& m : messages) {
            EXPECT_TRUE(m.size() == 3 && !m[2].trimmed().isEmpty()) << qPrintable(ts + u' ' + m.join(u'|'));
            EXPECT_EQ(Kept(m.value(2)), Kept(m[1])) << qPrintable(ts + u' ' + m.join(u'|'));
        }
    }
}

// The language of this run, with the game's and Qt's translations installed once.
QString TestLanguage()
{
    static const QString installed = InstallTranslations(*qApp, QStringLiteral(GLIM_QM_DIR));
    return installed;
}

// With the desktop in another language the game shows its captions, its help and Qt's own
// buttons in that language. A help topic shows in the first of the player's languages that has
// it, else in English, and so do the topics its links lead to.
TEST(PlayerLanguage, TheGameItsHelpAndQtsButtonsSpeakIt)
{
    const std::map<QString, std::tuple<QString, QString, QString, QString>> expected = {
        {"de",
         {"Stand:", "&Ja", "Englisch",
          "Glimmerquake Tagesspiel 2026-12-07 Englisch: 3.456 Punkte, 21 W\u00f6rter, bestes Wort 288 Punkte (6 "
          "Buchstaben), Serie 4"}},
        {"fr",
         {"Score\u00a0:", "&Oui", "Anglais",
          "Glimmerquake partie du jour 2026-12-07 Anglais : 3\u202f456 points, 21 mots, meilleur mot 288 points "
          "(6 lettres), s\u00e9rie 4"}},
        {"es",
         {"Total:", "&S\u00ed", "Ingl\u00e9s",
          "Glimmerquake diaria 2026-12-07 Ingl\u00e9s: 3456 puntos, 21 palabras, mejor palabra 288 puntos (6 letras), "
          "racha 4"}}};
    const QString language = QString::fromLocal8Bit(qgetenv("GLIM_TEST_LANGUAGE"));
    ASSERT_EQ(TestLanguage(), language);
    GameFixture game;
    const auto& [score, yes, english, daily] = expected.at(language);
    EXPECT_EQ(game.probe->Label1->text(), score);
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), yes);
    // A shipped dictionary is shown by its name in the player's language, any other as it is.
    EXPECT_EQ(DictionaryDisplayName(QStringLiteral("english")) + u' ' + DictionaryDisplayName(QStringLiteral("Mine")),
              english + QStringLiteral(" Mine"));
    // The daily result line reads in the player's language, its numbers too.
    EXPECT_EQ(DailyResultLine({QDate(2026, 12, 7), 3456, 21, QStringLiteral("jukebox"), 288, 6},
                              QStringLiteral("English"), 4),
              daily);

    OpenHelpContext(20);
    THelpWindow* help = game.windows->helpService->Window();
    ASSERT_TRUE(help && help->Browser->source().toString() == "qrc:/help/" + language + "/mainwindow.html");
    help->Browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html#top")));
    EXPECT_EQ(help->Browser->source().toString(), "qrc:/help/" + language + "/scoring.html#top");
    EXPECT_EQ(THelpWindow::LocalTopic("tips.html", {"xx", language, "de"}), "qrc:/help/" + language + "/tips.html");
}

// No caption, in English or translated, is cut off at the windows' design sizes: one longer than
// its box is drawn smaller, as German "Leben:" is.
TEST(PlayerLanguage, EveryCaptionFitsItsControl)
{
    const QString language = TestLanguage();
    GameFixture game;
    TSoundsForm sounds;
    TAboutBox about(QStringLiteral("help@glimmerquake.test"), QStringLiteral("https://glimmerquake.test/"));
    QStringList cut;
    const auto check = [&cut](QWidget* window) {
        window->show();
        for (QWidget* control : window->findChildren<QWidget*>())
            if (control->isVisibleTo(window) && !control->isWindow() && !CaptionFits(*control))
                cut << window->objectName() + u'/' + control->metaObject()->className() + u' ' +
                           control->property("text").toString();
    };
    check(game.form);
    ASSERT_TRUE(StartPlay(*game.probe));
    for (QWidget* window :
         std::initializer_list<QWidget*>{game.form, NewGameForm, OptionsForm, HowToPlay, DictionaryLoading,
                                         NewGameForm->hallOfFame.get(), &sounds, &about})
        check(window);
    EXPECT_TRUE(cut.isEmpty()) << qPrintable(cut.join(u'\n'));
    // A caption too long for its box is no false alarm: the check sees it, and the fitting shrinks it
    // to three quarters of its size at most.
    game.probe->Label1->setText(QStringLiteral("Wortschatz, Wortschatz, Wortschatz:"));
    EXPECT_FALSE(CaptionFits(*game.probe->Label1));
    FitCaptions(*game.form);
    EXPECT_EQ(game.probe->Label1->font().pixelSize(), 12);
    // German "Leben:" is drawn smaller, to keep a gap before the first face.
    EXPECT_EQ(game.form->findChild<QLabel*>(QStringLiteral("Label3"))->font().pixelSize(), language == u"de" ? 14 : 16);
}

}  // namespace
