#include "app/GameWindows.h"

#include "dialogs/Howto.h"
#include "dialogs/about.h"
#include "dialogs/help.h"
#include "dialogs/newgame.h"
#include "dialogs/options.h"
#include "dictionary/dictload.h"
#include "glimform/glimform.h"

GameWindows::GameWindows()
{
    // Help requests from every window go to our help window from now on.
    helpService = std::make_unique<HelpService>();
    glimmerForm = std::make_unique<TGlimmerForm>();
    GlimmerForm = glimmerForm.get();
    SetWindowHelpContext(GlimmerForm, 20);
    // The dialogs are windows of their own, not children of the main window: the main window is
    // disabled while How To Play and the loading window must stay usable.
    newGameForm = std::make_unique<TNewGameForm>();
    NewGameForm = newGameForm.get();
    optionsForm = std::make_unique<TOptionsForm>();
    OptionsForm = optionsForm.get();
    dictionaryLoading = std::make_unique<TDictionaryLoading>();
    DictionaryLoading = dictionaryLoading.get();
    aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    howToPlay = std::make_unique<THowToPlay>();
    HowToPlay = howToPlay.get();
}

GameWindows::~GameWindows()
{
    howToPlay.reset();
    HowToPlay = nullptr;
    aboutBox.reset();
    AboutBox = nullptr;
    dictionaryLoading.reset();
    DictionaryLoading = nullptr;
    optionsForm.reset();
    OptionsForm = nullptr;
    newGameForm.reset();
    NewGameForm = nullptr;
    glimmerForm.reset();
    GlimmerForm = nullptr;
    helpService.reset();
}
