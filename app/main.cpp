// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GameWindows.h"
#include "glimform/glimform.h"
#include "platform/Translations.h"
#include "settings/Sounder.h"
#include "settings/Utils.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <exception>

namespace {

// Shows an exception that escaped a handler instead of ending the game with it.
class GameApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            QMessageBox::critical(activeWindow(), applicationDisplayName(), QString::fromLocal8Bit(error.what()));
        } catch (...) {
            QMessageBox::critical(activeWindow(), applicationDisplayName(),
                                  QCoreApplication::translate("GameApplication", "Unexpected error."));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    GameApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glimmerquake"));
    // No application display name: Qt's platforms append it to every window title that does not
    // end with it, which names the game twice in the titles that begin with it. The windows'
    // WindowTitles gives the desktop the game's name once in every title instead.
    QApplication::setApplicationVersion(QStringLiteral(GLIM_VERSION));
    InstallTranslations(application, AppFilePath(QStringLiteral("translations")));
    // Ties the windows to the installed desktop entry, so docks and task bars show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quirkwell.glimmerquake"));
    // Every size the icon resources hold, one folder each.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("glimmerquake.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    QApplication::setWindowIcon(icon);

    GameWindows windows(std::make_unique<Sounder>());
    // The main window appears once the program has gone idle, fully laid out.
    QTimer::singleShot(0, GlimmerForm, &TGlimmerForm::FormOnIdle);
    return QApplication::exec();
}
