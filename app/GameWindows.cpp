// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GameWindows.h"

#include "dialogs/HallOfFame.h"
#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "dictionary/dictload.h"
#include "glimform/WordDefinitions.h"
#include "glimform/glimform.h"
#include "platform/WindowTitles.h"
#include "settings/Persist.h"
#include "settings/PlayerOptions.h"
#include "settings/Sounder.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

// The windows that create the dialogs on first use; one set lives at a time.
GameWindows* current = nullptr;

// A dialog is a window of its own, not a child of the main window: the main window is disabled
// while How To Play and the loading window must stay usable. Only the main window's closing ends
// the program, and it ends it whatever else is open.
template <typename Window>
Window* Keep(std::unique_ptr<Window>& owner, std::unique_ptr<Window> window)
{
    window->setAttribute(Qt::WA_QuitOnClose, false);
    owner = std::move(window);
    return owner.get();
}

template <typename Window>
void Destroy(std::unique_ptr<Window>& owner, LazyWindow<Window>& global)
{
    owner.reset();
    global.Reset();
}

}  // namespace

GameWindows::GameWindows(std::unique_ptr<Sounder> sounder)
{
    current = this;
    windowTitles = std::make_unique<WindowTitles>(QStringLiteral("Glimmerquake"));
    // Help requests from every window go to our help window from now on.
    helpService = std::make_unique<HelpService>();
    playerOptions = std::make_unique<PlayerOptions>(PlayerOptions::InitialValuesOnly{});
    glimmerForm = std::make_unique<TGlimmerForm>(std::move(sounder), *playerOptions);
    // Read once a window exists, so that a stored value the game cannot use is reported to the
    // player rather than to standard error.
    playerOptions->Load(Persist(false));
    GlimmerForm = glimmerForm.get();
    SetWindowHelpContext(GlimmerForm, 20);
    // The first screen is the main window alone; each dialog is created when it is first needed
    // and restores its placement then.
    NewGameForm.SetMaker([] {
        TNewGameForm* form = Keep(current->newGameForm, std::make_unique<TNewGameForm>(*current->playerOptions));
        current->glimmerForm->Definitions().Watch(*form->HighScoreTable, 2, true);
        current->glimmerForm->Definitions().Watch(*form->hallOfFame->BestWordLabel);
        return form;
    });
    OptionsForm.SetMaker([] { return Keep(current->optionsForm, std::make_unique<TOptionsForm>()); });
    DictionaryLoading.SetMaker([] { return Keep(current->dictionaryLoading, std::make_unique<TDictionaryLoading>()); });
    AboutBox.SetMaker([] { return Keep(current->aboutBox, std::make_unique<TAboutBox>()); });
    HowToPlay.SetMaker([] {
        // The options it changes are held by the new game dialog, which outlives it.
        THowToPlay* howTo = Keep(current->howToPlay, std::make_unique<THowToPlay>(NewGameForm->Options()));
        QObject::connect(howTo, &THowToPlay::started, current->glimmerForm.get(), &TGlimmerForm::HowToPlayStarted);
        return howTo;
    });
}

GameWindows::~GameWindows()
{
    // Nothing is created any more while the windows go.
    NewGameForm.SetMaker(nullptr);
    OptionsForm.SetMaker(nullptr);
    DictionaryLoading.SetMaker(nullptr);
    AboutBox.SetMaker(nullptr);
    HowToPlay.SetMaker(nullptr);
    Destroy(howToPlay, HowToPlay);
    Destroy(aboutBox, AboutBox);
    Destroy(dictionaryLoading, DictionaryLoading);
    Destroy(optionsForm, OptionsForm);
    Destroy(newGameForm, NewGameForm);
    glimmerForm.reset();
    GlimmerForm = nullptr;
    helpService.reset();
    current = nullptr;
}
