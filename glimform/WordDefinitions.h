// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QAbstractItemView;
class QDialog;
class QLabel;
class QRect;
class QSize;
class QTextBrowser;
class QWidget;
class WordNet;

// What the words of lists mean, for the English dictionaries: a row's tool tip gives the part of
// speech and the first senses of its word, and a double-click (where asked for) opens a window
// with every sense. Rows read "word (value)" or just "word". Without WordNet's files, for a word
// it lacks and for the other dictionaries the views keep their own tool tips.
class WordDefinitions : public QObject {
    Q_OBJECT

public:
    // `dictionary` names the current dictionary; WordNet's files are in `folder`, opened when the
    // first definition is asked for. The definitions window is a child of `owner` and opens beside
    // it without taking the keyboard; where no screen has room beside it, it covers `spare` (in
    // global coordinates: the owner's part away from the board), else the owner's right edge.
    WordDefinitions(QWidget& owner, std::function<QString()> dictionary, std::string folder,
                    std::function<QRect()> spare = {});
    ~WordDefinitions() override;

    // Shows the definitions of the words in `column` of the view's rows.
    void Watch(QAbstractItemView& view, int column, bool windowOnDoubleClick);
    // Gives the label, whose text is a row's text, its word's definition as its tool tip.
    void Watch(QLabel& label);

    // The tool tip for a row's text (rich text), or empty when there is nothing to show.
    QString ToolTip(const QString& rowText);
    // Shows every sense of the row's word in the definitions window; nothing when there is none.
    void ShowWindow(const QString& rowText);
    // The definitions window, once shown.
    QDialog* Window() const { return window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The definition text of the row's word at that detail, or empty.
    QString Text(const QString& rowText, bool brief);
    // Where a new definitions window of that size opens, in global coordinates.
    QRect Place(QSize size) const;

    QWidget& owner;
    std::function<QString()> dictionary;
    std::function<QRect()> spare;
    std::unique_ptr<WordNet> wordNet;
    // The column of words of each watched view, by its viewport.
    std::map<const QObject*, int> columns;
    // Owned by `owner` as its child; created on first use.
    QDialog* window = nullptr;
    QTextBrowser* windowText = nullptr;
};
