#include "app/GameWindows.h"

#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "dictionary/dictload.h"
#include "glimform/glimform.h"
#include "glimform/WordDefinitions.h"
#include "platform/WindowTitles.h"
#include "settings/Sounder.h"

#include <QTreeWidget>

namespace {

// Creates a window into its owner and points its global object at it.
template <typename Window>
void Create(std::unique_ptr<Window>& owner, Window*& global)
{
    owner = std::make_unique<Window>();
    global = owner.get();
}

template <typename Window>
void Destroy(std::unique_ptr<Window>& owner, Window*& global)
{
    owner.reset();
    global = nullptr;
}

}  // namespace

GameWindows::GameWindows(std::unique_ptr<Sounder> sounder)
{
    windowTitles = std::make_unique<WindowTitles>(QStringLiteral("Glimmerquake"));
    // Help requests from every window go to our help window from now on.
    helpService = std::make_unique<HelpService>();
    glimmerForm = std::make_unique<TGlimmerForm>(std::move(sounder));
    GlimmerForm = glimmerForm.get();
    SetWindowHelpContext(GlimmerForm, 20);
    // The dialogs are windows of their own, not children of the main window: the main window is
    // disabled while How To Play and the loading window must stay usable.
    Create(newGameForm, NewGameForm);
    GlimmerForm->Definitions().Watch(*NewGameForm->HighScoreTable, 2, false);
    Create(optionsForm, OptionsForm);
    Create(dictionaryLoading, DictionaryLoading);
    Create(aboutBox, AboutBox);
    Create(howToPlay, HowToPlay);
    // Only the main window's closing ends the program, and it ends it whatever else is open.
    for (QWidget* window : std::initializer_list<QWidget*>{NewGameForm, OptionsForm, DictionaryLoading, AboutBox, HowToPlay})
        window->setAttribute(Qt::WA_QuitOnClose, false);
}

GameWindows::~GameWindows()
{
    Destroy(howToPlay, HowToPlay);
    Destroy(aboutBox, AboutBox);
    Destroy(dictionaryLoading, DictionaryLoading);
    Destroy(optionsForm, OptionsForm);
    Destroy(newGameForm, NewGameForm);
    Destroy(glimmerForm, GlimmerForm);
    helpService.reset();
}
