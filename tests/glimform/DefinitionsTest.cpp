// SPDX-License-Identifier: GPL-3.0-or-later
// Definitions in word lists: a row's tool tip and the window of every sense, for the English
// dictionaries only; other rows and dictionaries keep the list's own tool tip.

#include "../dictionary/WordNetFiles.h"
#include "GameTestSupport.h"
#include "glimform/WordDefinitions.h"

#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QToolTip>

TEST(WordDefinitions, EnglishRowsShowTheirWordsMeaningAndOthersTheListsTip)
{
    const SmallWordNet files;
    QWidget owner;
    QString dictionary = QStringLiteral("british");
    const QRect spare(680, 10, 120, 500);
    WordDefinitions definitions(
        owner, [&] { return dictionary; }, files.folder, [&spare] { return spare; });
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
    ASSERT_TRUE(definitions.Window() && definitions.Window()->windowTitle() == "Definitions: tiles");
    EXPECT_TRUE(definitions.Window()->isVisible() && LooksAsApproved(definitions.Window(), "definitions"));
    // It leaves the keyboard to the game, and Esc closes it.
    EXPECT_NE(QApplication::activeWindow(), definitions.Window());
    QTest::keyClick(definitions.Window(), Qt::Key_Escape);
    EXPECT_FALSE(definitions.Window()->isVisible());

    // It never covers the owner: 8 pixels beside its frame, right or left, within the screen
    // where it has room, else over the owner's spare part; never below the screen's foot.
    const QRect screen = owner.screen()->availableGeometry();
    const QRect outer = owner.frameGeometry(), inner = owner.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(), 0);
    const std::pair<QRect, QRect> places[] = {
        {{0, 50, 200, 200}, {208 + frame.right(), 50 - frame.top(), 440, 320}},
        {{screen.right() - 199, 0, 200, 200}, {screen.right() - 647 - frame.left(), 0, 440, 320}},
        {{0, screen.bottom() - 99, 200, 100}, {208 + frame.right(), screen.bottom() - 319, 440, 320}},
        {screen, spare}};
    for (const auto& [ownerPlace, opened] : places) {
        owner.setGeometry(ownerPlace);
        emit list->doubleClicked(list->model()->index(0, 0));
        EXPECT_EQ(definitions.Window()->geometry(), opened);
        definitions.Window()->close();
    }

    // A label showing a row's text, such as the Hall of Fame's best word, gets its meaning.
    QLabel label(QStringLiteral("tiles"), &owner);
    definitions.Watch(label);
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), label.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&label, &help);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("a flat slab"))) << qPrintable(QToolTip::text());
}
