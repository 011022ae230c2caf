// SPDX-License-Identifier: GPL-3.0-or-later
// Definitions in word lists: a row's tool tip and the window of every sense, for the English
// dictionaries only; other rows and dictionaries keep the list's own tool tip.

#include "../dictionary/WordNetFiles.h"
#include "GameTestSupport.h"
#include "glimform/WordDefinitions.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolTip>

TEST(WordDefinitions, EnglishRowsShowTheirWordsMeaningAndOthersTheListsTip)
{
    const SmallWordNet files;
    QWidget owner;
    QString dictionary = QStringLiteral("british");
    WordDefinitions definitions(
        owner, [&] { return dictionary; }, files.folder);
    auto* list = new QListWidget(&owner);
    list->setToolTip(QStringLiteral("the list"));
    list->addItems({QStringLiteral("tiles (24)"), QStringLiteral("zebra (30)")});
    definitions.Watch(*list, 0, true);
    owner.show();
    const auto tipAt = [&](int row) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        return QToolTip::text();
    };
    EXPECT_EQ(tipAt(0),
              "<qt><b>tile (noun)</b><br>&nbsp;&nbsp;1. a flat slab<br>&nbsp;&nbsp;2. a piece in a game<br>"
              "<b>tile (verb)</b><br>&nbsp;&nbsp;1. cover with tiles</qt>");
    EXPECT_EQ(tipAt(1), "the list");
    dictionary = QStringLiteral("French");
    EXPECT_EQ(tipAt(0), "the list");
    emit list->doubleClicked(list->model()->index(0, 0));
    EXPECT_EQ(definitions.Window(), nullptr);
    dictionary = QStringLiteral("English");
    emit list->doubleClicked(list->model()->index(0, 0));
    ASSERT_NE(definitions.Window(), nullptr);
    EXPECT_EQ(definitions.Window()->windowTitle(), "Definitions: tiles");
    const QTextBrowser* browser = definitions.Window()->findChild<QTextBrowser*>();
    const QString text = browser->toPlainText();
    EXPECT_TRUE(definitions.Window()->isVisible() && text.contains("3. a hat") && text.contains("1. cover with tiles"))
        << text.toStdString();
    EXPECT_GT(browser->width(), definitions.Window()->width() * 3 / 4);
}
