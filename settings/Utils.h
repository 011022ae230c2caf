// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

class QImage;
class QWidget;

// The full path of `name` (wildcards allowed) in the program's own directory.
QString AppFilePath(const QString& name);
// `directory` and `name` joined by exactly one separator, also when the directory is a root.
QString PathInDirectory(const QString& directory, const QString& name);
// The real name of the file in `directory` whose name equals `name` ignoring letter case: `name`
// itself when that file exists, otherwise the first such file by name, or `name` when there is none.
QString FileNameIgnoringCase(const QString& directory, const QString& name);

// Whether the font family is installed.
bool FontExists(const QString& family);

// Shows a modal message box with the icon and title of `kind`, the given buttons and a Help
// button, centred over `owner` (Left = owner's Left + (owner's Width - box's Width) / 2, the same
// for Top; it may reach beyond the screen), and returns the button pressed. Help opens the
// `helpContext` topic and leaves the box open, so it never counts as an answer. Without
// `escapeAnswers`, Esc and the box's close button do nothing: only a button answers.
QMessageBox::StandardButton CenteredMessageDialog(QWidget* owner, const QString& text, QMessageBox::Icon kind,
                                                  QMessageBox::StandardButtons buttons, int helpContext,
                                                  bool escapeAnswers = true);

// Shrinks `source` into `destination` by a box filter. Both must have the same 24-bit format
// (Format_RGB888 or Format_BGR888). The factor is source width / destination width, rounded down;
// each channel of a destination pixel is the average, rounded down, of the factor-by-factor
// block of source pixels at its place. Source pixels beyond the last whole block are ignored.
// Does nothing when the formats do not fit, the factor is 0 or above 8, or the source is too
// short for the destination's height.
void ShrinkBitmap(const QImage& source, QImage& destination);
