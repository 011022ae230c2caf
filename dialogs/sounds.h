// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTreeWidget;
class SoundOutput;

// Our Sounds dialog: the game's six sound events with the file each plays, read from the sound
// scheme's "\.current" values. The player may choose another WAV file, play it, go back to the
// event's "\.default" file or choose no sound; OK writes every event's "\.current" value, which
// the game's sound player reads again within a minute.
class TSoundsForm : public QDialog {
    Q_OBJECT

public:
    explicit TSoundsForm(QWidget* parent = nullptr);
    ~TSoundsForm() override;

    // Reads the scheme, runs the dialog and writes the scheme on OK. Returns the modal result.
    int Execute();

    // The scheme's current file of each event (a missing entry gives its default).
    void ReadScheme();
    void WriteScheme() const;

    // The file chosen for the event (empty for no sound).
    QString Path(int event) const;
    // Sets the file of the selected event (empty for no sound).
    void SetSelectedPath(const QString& path);
    void SelectEvent(int event);

    void PlayButtonClick();
    // Opens a file dialog for a WAV file.
    void ChooseButtonClick();
    void NoSoundButtonClick();
    void DefaultButtonClick();

    // The default file of the event: its "\.default" value, else the installed file.
    static QString DefaultPath(int event);

    QTreeWidget* EventList;
    QLabel* FileLabel;
    QPushButton* PlayButton;
    QPushButton* ChooseButton;
    QPushButton* NoSoundButton;
    QPushButton* DefaultButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private:
    int SelectedEvent() const;
    void ShowPath(int event);

    std::array<QString, 6> paths;
    // Created at the first Play, so the dialog opens without touching the audio device.
    std::unique_ptr<SoundOutput> output;
};
