<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardView</name>
    <message>
        <location filename="../glimform/BoardView.cpp" line="+68"/>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1, 1 point</source>
        <translation>%1, 1 point</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, %2 points</source>
        <translation>%1, %2 points</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, in the chain</source>
        <translation>%1, dans la chaîne</translation>
    </message>
</context>
<context>
    <name>CalendarStrip</name>
    <message>
        <location filename="../dialogs/StatisticsCharts.cpp" line="+60"/>
        <source>Daily games of the last eight weeks</source>
        <translation>Parties du jour des huit dernières semaines</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Played on %1 of the %2 days shown.</source>
        <translation>Jouée %1 des %2 jours affichés.</translation>
    </message>
</context>
<context>
    <name>DailyResults</name>
    <message>
        <location filename="../settings/DailyResults.cpp" line="+56"/>
        <source>These daily results of %1 cannot be read and are left out: %2.</source>
        <translation>Ces résultats quotidiens de %1 sont illisibles et sont ignorés : %2.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the daily results of %1</source>
        <translation>les résultats quotidiens de %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Glimmerquake daily %1 %2: %3 points, %4 words, best word %5 points (%6 letters), streak %7</source>
        <extracomment>The line a player shares after a daily game; it must name no word. %1 the date (2026-12-07), %2 the dictionary, %3 the score, %4 the words entered, %5 the best word&apos;s points, %6 its letters, %7 the streak of days played.</extracomment>
        <translation>Glimmerquake partie du jour %1 %2 : %3 points, %4 mots, meilleur mot %5 points (%6 lettres), série %7</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <location filename="../settings/DictionaryName.cpp" line="+17"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British English</source>
        <translation>Anglais britannique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <location filename="../app/main.cpp" line="+31"/>
        <source>Unexpected error.</source>
        <translation>Erreur inattendue.</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <location filename="../settings/GameHistoryFile.cpp" line="+35"/>
        <source>Lines of the game history in &quot;%1&quot; cannot be read and are left out: %2.</source>
        <translation>Des lignes de l’historique des parties dans « %1 » sont illisibles et sont ignorées : %2.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <location filename="../glimform/GameKeeper.cpp" line="+127"/>
        <source>The file is not a game saved by Glimmerquake.</source>
        <translation>Le fichier n’est pas une partie enregistrée par Glimmerquake.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was saved by a newer version of Glimmerquake.</source>
        <translation>Elle a été enregistrée par une version plus récente de Glimmerquake.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is damaged.</source>
        <translation>Le fichier est endommagé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file was kept as &quot;%1&quot; for a bug report.</source>
        <translation>Le fichier a été conservé sous « %1 » pour un rapport de bogue.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game you left could not be read, so it cannot be resumed. %1

A new game can be started as usual. %2</source>
        <translation>La partie laissée en cours n’a pas pu être lue, elle ne peut donc pas être reprise. %1

Une nouvelle partie peut être lancée comme d’habitude. %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The game you left on %1 was played with the dictionary &quot;%2&quot;, which is no longer there, so it cannot go on. It ends now, and its score of %3 goes to the high scores.</source>
        <translation>La partie laissée le %1 se jouait avec le dictionnaire « %2 », qui n’est plus là ; elle ne peut donc pas continuer. Elle se termine maintenant, et son score de %3 va dans les meilleurs scores.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume the game you left on %1, score %2?</source>
        <translation>Reprendre la partie laissée le %1, score %2 ?</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../settings/Utils.cpp" line="+24"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>PausedBoard</name>
    <message>
        <location filename="../glimform/PausedBoard.cpp" line="+12"/>
        <source>Paused: press Resume, Space or click to play on</source>
        <translation>En pause : appuyez sur Reprendre, sur Espace ou cliquez pour continuer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
</context>
<context>
    <name>PlayerOptions</name>
    <message>
        <location filename="../dialogs/newgame.cpp" line="+234"/>
        <location filename="../settings/PlayerOptions.cpp" line="+13"/>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <location filename="../dialogs/StatisticsCharts.cpp" line="-56"/>
        <source>Scores of the last games</source>
        <translation>Scores des dernières parties</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No games yet.</source>
        <translation>Aucune partie pour l’instant.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 games, oldest first: %2. Mean %3.</source>
        <translation>%1 parties, la plus ancienne d’abord : %2. Moyenne %3.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings/Persist.cpp" line="+21"/>
        <source>The setting &quot;%1&quot; holds text of the wrong kind, so it was ignored and its default is used.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» contient du texte au lieu du type attendu&#xa0;: il est ignoré et sa valeur par défaut est utilisée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The setting &quot;%1&quot; holds a number of the wrong kind, so it was ignored and its default is used.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» contient un nombre au lieu du type attendu&#xa0;: il est ignoré et sa valeur par défaut est utilisée.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The settings could not be saved to &quot;%1&quot;; these values are lost: %2.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;; ces valeurs sont perdues&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not saved: %1. The settings file &quot;%2&quot; cannot be written, so this is lost when the game closes. Check that the file and its folder may be written to.</source>
        <translation>Non enregistré : %1. Le fichier de réglages « %2 » ne peut pas être écrit, donc ceci sera perdu à la fermeture du jeu. Vérifiez que le fichier et son dossier sont accessibles en écriture.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../dialogs/about.cpp" line="+88"/>
        <source>Glimmerquake Support Request</source>
        <translation>Demande d&apos;assistance Glimmerquake</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>About Glimmerquake</source>
        <translation>À propos de Glimmerquake</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>v1.0.8, 1 January 2007</source>
        <extracomment>The version and the date it was released.</extracomment>
        <translation>v1.0.8, 1er janvier 2007</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Made with care for lovers of words.</source>
        <translation>Fait avec soin pour qui aime les mots.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Email support:</source>
        <translation>&amp;Assistance&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Send an email to Glimmerquake support</source>
        <translation>Écrire à l&apos;assistance de Glimmerquake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home &amp;page:</source>
        <translation>Site &amp;web&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>View the Glimmerquake web page</source>
        <translation>Visiter le site web de Glimmerquake</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TDictionaryLoading</name>
    <message>
        <location filename="../dictionary/dictload.cpp" line="+30"/>
        <source>Dictionary Loading</source>
        <translation>Chargement du dictionnaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please wait while the dictionary is loaded.</source>
        <translation>Un instant, le dictionnaire se charge.</translation>
    </message>
</context>
<context>
    <name>TGlimmerForm</name>
    <message>
        <location filename="../glimform/glimform_controller.cpp" line="+57"/>
        <source>No word can be accepted: the dictionary &quot;%1&quot; is missing or damaged. Choose another dictionary in Options, then start the game.</source>
        <translation>Aucun mot ne peut être accepté : le dictionnaire « %1 » est introuvable ou endommagé. Choisissez un autre dictionnaire dans les Options, puis lancez la partie.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>The dictionary &quot;%1&quot; is not a valid dictionary file, so no word can be accepted. Choose another dictionary in Options.</source>
        <translation>Le dictionnaire «&#xa0;%1&#xa0;» n&apos;est pas un fichier de dictionnaire valide&#xa0;: aucun mot ne peut être accepté. Choisissez un autre dictionnaire dans Options.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The dictionary &quot;%1&quot; was not found, so no word can be accepted. Choose another dictionary in Options.</source>
        <translation>Le dictionnaire «&#xa0;%1&#xa0;» est introuvable&#xa0;: aucun mot ne peut être accepté. Choisissez un autre dictionnaire dans Options.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The dictionary &quot;%1&quot; is damaged: only %L2 of its %L3 words could be read, so many words are refused. Choose another dictionary in Options, or install the game again.</source>
        <translation>Le dictionnaire « %1 » est endommagé : seuls %L2 de ses %L3 mots ont pu être lus, donc beaucoup de mots sont refusés. Choisissez un autre dictionnaire dans les Options, ou réinstallez le jeu.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Round over: a life lost, %1 left</source>
        <translation>Manche terminée : une vie perdue, %1 restante(s)</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The game is paused.

Would you like to resume the game?</source>
        <translation>La partie est en pause.

Voulez-vous la reprendre&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit this game?</source>
        <translation>Voulez-vous vraiment terminer cette partie&#xa0;?</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Game ended, score %1</source>
        <translation>Partie terminée, score %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game over, score %1</source>
        <translation>Partie perdue, score %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1, daily game %2</source>
        <extracomment>The title during a daily game: &quot;English, daily game 2026-12-07&quot;.</extracomment>
        <translation>%1, partie du jour %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, relaxed game</source>
        <extracomment>The title during a relaxed game: &quot;English, relaxed game&quot;.</extracomment>
        <translation>%1, partie tranquille</translation>
    </message>
    <message>
        <location filename="../glimform/glimform_lifecycle.cpp" line="+121"/>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The total score for all the words entered in the game</source>
        <translation>Le total des points des mots validés dans la partie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>Change options such as the sounds played</source>
        <translation>Modifier les options, comme les sons joués</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>&amp;Sco&amp;res...</source>
        <translation>Sco&amp;res...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the High Scores</source>
        <translation>Voir les meilleurs scores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scores...</source>
        <translation>Scores...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About...</source>
        <translation>&amp;Infos...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the About Box</source>
        <translation>Afficher la fenêtre À propos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit the application</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lives:</source>
        <translation>Vies&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The number of lives remaining</source>
        <translation>Le nombre de vies restantes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End the current game and view the High Scores</source>
        <translation>Terminer la partie en cours et voir les meilleurs scores</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspend the current game so it can be resumed later</source>
        <translation>Interrompre la partie en cours pour la reprendre plus tard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Best words:</source>
        <translation>Meilleurs mots&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The words with the highest scores in the current game</source>
        <translation>Les mots qui rapportent le plus dans la partie en cours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best words</source>
        <translation>Meilleurs mots</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the help information about this dialog</source>
        <translation>Afficher l&apos;aide de cette fenêtre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Deselect all the selected tiles</source>
        <translation>Désélectionner tous les jetons sélectionnés</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Enter</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Enter the word shown below</source>
        <translation>Valider le mot affiché en dessous</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The word formed by the selected tiles (with its score)</source>
        <translation>Le mot formé par les jetons sélectionnés (avec sa valeur)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word in progress</source>
        <translation>Le mot en cours</translation>
    </message>
    <message>
        <location filename="../glimform/glimform_words.cpp" line="+73"/>
        <source>missed: %1 (%2)</source>
        <extracomment>The best word the board held when the round ended, and its value.</extracomment>
        <translation>manqué&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 scores %2, score %3</source>
        <translation>%1 rapporte %2, score %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A new life: %1 lives</source>
        <translation>Une nouvelle vie : %1 vies</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Score: %1</source>
        <translation>Score : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lives: %1</source>
        <translation>Vies : %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2 points</source>
        <translation>%1, %2 points</translation>
    </message>
</context>
<context>
    <name>THallOfFame</name>
    <message>
        <location filename="../dialogs/HallOfFame.cpp" line="+140"/>
        <source>Hall of Fame</source>
        <translation>Panthéon</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Best Word</source>
        <translation>Meilleur mot</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The three highest scores of each dictionary played on this computer</source>
        <translation>Les trois meilleurs scores de chaque dictionnaire joué sur cet ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View the help information about this window</source>
        <translation>Afficher l&apos;aide de cette fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>No high scores yet: play a game!</source>
        <translation>Pas encore de meilleurs scores&#xa0;: à vous de jouer&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None yet</source>
        <translation>Aucun pour l&apos;instant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a word in a game that makes the high scores.</source>
        <translation>Validez des mots et entrez au tableau des scores.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>worth %1 points, found by %2 in the %3 dictionary</source>
        <translation>vaut %1 points, trouvé par %2 (dictionnaire %3)</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../dialogs/help.cpp" line="+87"/>
        <location line="+29"/>
        <source>Glimmerquake Help</source>
        <translation>Aide de Glimmerquake</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Glimmerquake Help - %1</source>
        <translation>Aide de Glimmerquake - %1</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <location filename="../dialogs/Howto.cpp" line="+79"/>
        <source>How To Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1. Make long words from adjacent tiles: click on them, drag over them or type their letters. The selected word is highlighted in red.</source>
        <translation>1. Formez de longs mots avec des jetons voisins : cliquez dessus, glissez dessus ou tapez leurs lettres. Le mot choisi est tracé en rouge.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Click on the Enter button, or press the space bar or return key to submit a word.</source>
        <translation>2. Cliquez sur le bouton Valider, ou appuyez sur Espace ou Entrée pour valider un mot.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3. Click on the Clear button, or press the Esc or Del keys to clear the selection.</source>
        <translation>3. Cliquez sur le bouton Effacer, ou appuyez sur Échap ou Suppr pour effacer la sélection.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. If the falling tiles reach the top, you lose a life; every 2000 points earns a new one. Daily game: today&apos;s tiles, the same for all. Relaxed game: no speed-up.</source>
        <translation>4. Si les jetons atteignent le haut, vous perdez une vie ; chaque tranche de 2000 points en rapporte une. Partie du jour : les mêmes jetons pour tous. Partie tranquille : sans accélération.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is just an example. Click on Start Game to play.</source>
        <translation>Ce n&apos;est qu&apos;un exemple. Cliquez sur Jouer pour commencer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An example board, where the chain spells GLIMPSE</source>
        <translation>Un plateau d&apos;exemple, où la chaîne forme GLIMPSE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show How To &amp;Play before each game</source>
        <translation>Afficher &amp;Comment jouer à chaque partie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>If this is checked, the How To Play information is shown before each game starts</source>
        <translation>Si cette case est cochée, la fenêtre Comment jouer s&apos;affiche avant chaque partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Start Game</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Start playing the game</source>
        <translation>Commencer à jouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;More Tips</source>
        <translation>&amp;Plus d&apos;astuces</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>View the Strategy and Tips help information</source>
        <translation>Voir l&apos;aide Stratégie et astuces</translation>
    </message>
</context>
<context>
    <name>TNewGameForm</name>
    <message>
        <location filename="../dialogs/newgame.cpp" line="-184"/>
        <location line="+150"/>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>&amp;Start</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the help information about this dialog</source>
        <translation>Afficher l&apos;aide de cette fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change options such as your nickname</source>
        <translation>Modifier les options, comme votre pseudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View what your finished games add up to</source>
        <translation>Voir le bilan de vos parties terminées</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 High Scores</source>
        <extracomment>The title of the high score table; %1 is the dictionary&apos;s name.</extracomment>
        <translation>Meilleurs scores (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The highest scores achieved on this computer</source>
        <translation>Les meilleurs scores obtenus sur cet ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best Word</source>
        <translation>Meilleur mot</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hall of &amp;Fame...</source>
        <translation>&amp;Panthéon...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View the best scores and the best word of every dictionary</source>
        <translation>Voir les meilleurs scores et le meilleur mot de chaque dictionnaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Mail High Score...</source>
        <translation>&amp;Envoyer le score...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mailing a high score is not offered</source>
        <translation>L&apos;envoi d&apos;un score par courriel n&apos;est pas proposé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This score could not be saved: it is lost when the game closes.</source>
        <translation>Ce score n&apos;a pas pu être enregistré : il sera perdu à la fermeture du jeu.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Type your name for the high score table</source>
        <translation>Tapez votre nom pour le tableau des meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>New record!</source>
        <translation>Nouveau record !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your best relaxed %1 game</source>
        <translation>Votre meilleure partie tranquille : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best %1 game</source>
        <translation>Votre meilleure partie : %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Game Ended</source>
        <translation>Partie interrompue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>your options and the place of the windows</source>
        <translation>vos options et la position des fenêtres</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1, relaxed game</source>
        <extracomment>The relaxed game&apos;s own high score table of a dictionary: &quot;English, relaxed game&quot;.</extracomment>
        <translation>%1, partie tranquille</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the high scores of %1</source>
        <translation>les meilleurs scores de %1</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <location filename="../dialogs/options.cpp" line="+42"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Nickname:</source>
        <translation>&amp;Pseudo&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name used in the High Score table</source>
        <translation>Le nom inscrit dans le tableau des meilleurs scores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Dictionary:</source>
        <translation>&amp;Lexique&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The dictionary used to validate words</source>
        <translation>Le dictionnaire qui décide des mots valables</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show How To &amp;Play before each game</source>
        <translation>Afficher &amp;Comment jouer à chaque partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the How To Play information is shown before each game starts</source>
        <translation>Si cette case est cochée, la fenêtre Comment jouer s&apos;affiche avant chaque partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause when the game is in the back&amp;ground</source>
        <translation>Pause si le jeu passe en a&amp;rrière-plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the game pauses while you work in another window</source>
        <translation>Si cette case est cochée, le jeu se met en pause pendant que vous êtes dans une autre fenêtre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Co&amp;lours for colour-blind players</source>
        <translation>Co&amp;uleurs pour daltoniens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the chain is dark blue with a light edge and its tiles are ringed</source>
        <translation>Si cette case est cochée, la chaîne est bleu foncé avec un bord clair et ses jetons sont cerclés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play a sound when a &amp;tile is selected</source>
        <translation>Son quand un &amp;jeton est sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicking on a tile makes a sound if this box is checked</source>
        <translation>Si cette case est cochée, cliquer sur un jeton fait un son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play a sound when a &amp;word is entered</source>
        <translation>Son quand un &amp;mot est validé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Entering a word makes a sound if this box is checked</source>
        <translation>Si cette case est cochée, valider un mot fait un son</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play a sound when the &amp;board fills up</source>
        <translation>Son quand le pla&amp;teau est plein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound is made when the board fills up if this box is checked</source>
        <translation>Si cette case est cochée, un son retentit quand le plateau est plein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sounds...</source>
        <translation>&amp;Sons...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the sounds for Glimmerquake events</source>
        <translation>Modifier les sons des événements de Glimmerquake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accept the changes and close the dialog</source>
        <translation>Garder les modifications et fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard any changes and close the dialog</source>
        <translation>Abandonner les modifications et fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View the help information about this dialog</source>
        <translation>Afficher l&apos;aide de cette fenêtre</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 (missing or damaged)</source>
        <translation>%1 (introuvable ou endommagé)</translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <location filename="../dialogs/sounds.cpp" line="+37"/>
        <source>Select Tile</source>
        <translation>Jeton sélectionné</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select Word</source>
        <translation>Mot formé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Life</source>
        <translation>Nouvelle vie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End Round</source>
        <translation>Fin de manche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Word</source>
        <translation>Beau mot</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low Word</source>
        <translation>Petit mot</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Glimmerquake Sounds</source>
        <translation>Sons de Glimmerquake</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the sound that each game event plays.</source>
        <translation>Choisissez le son joué pour chaque événement du jeu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the sound of the selected event</source>
        <translation>Écouter le son de l&apos;événement sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a WAV file for the selected event</source>
        <translation>Choisir un fichier WAV pour l&apos;événement sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No Sound</source>
        <translation>&amp;Aucun son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the selected event silent</source>
        <translation>Rendre muet l&apos;événement sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go back to the game&apos;s own sound for the selected event</source>
        <translation>Revenir au son d&apos;origine du jeu pour l&apos;événement sélectionné</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Choose a Sound</source>
        <translation>Choisir un son</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wave sounds (*.wav *.WAV)</source>
        <translation>Sons WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a sound the game can play, so the sound stays as it was.</source>
        <translation>« %1 » n&apos;est pas un son que le jeu peut jouer : le son reste donc inchangé.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>(no sound)</source>
        <translation>(aucun son)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <location filename="../dialogs/StatisticsForm.cpp" line="+35"/>
        <source>C&amp;lear statistics...</source>
        <translation>&amp;Effacer les statistiques...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Standard game</source>
        <translation>Partie normale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daily game</source>
        <translation>Partie du jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relaxed game</source>
        <translation>Partie tranquille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dictionary</source>
        <translation>Dictionnaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind of game</source>
        <translation>Sorte de partie</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Games played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time played:</source>
        <translation>Temps de jeu :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best score:</source>
        <translation>Meilleur score :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mean score:</source>
        <translation>Score moyen :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median score:</source>
        <translation>Score médian :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Words entered:</source>
        <translation>Mots validés :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest word:</source>
        <translation>Mot le plus long :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most valuable word:</source>
        <translation>Mot le plus précieux :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lives earned:</source>
        <translation>Vies gagnées :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days in a row:</source>
        <translation>Jours d’affilée :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 now, %2 at best</source>
        <translation>%1 en cours, %2 au mieux</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Forget every finished game of every dictionary and kind? The high scores and the daily results stay.</source>
        <translation>Oublier toutes les parties terminées de chaque dictionnaire et de chaque sorte ? Les meilleurs scores et les résultats du jour restent.</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <location filename="../glimform/TodayPanel.cpp" line="+19"/>
        <source>&amp;Daily game</source>
        <translation>Partie du jo&amp;ur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;laxed game</source>
        <translation>Partie &amp;tranquille</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+68"/>
        <source>Cop&amp;y result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>View what your finished games add up to</source>
        <translation>Voir le bilan de vos parties terminées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start today&apos;s daily game: the same tiles for every player today</source>
        <translation>Lancer la partie du jour : les mêmes jetons pour tous les joueurs aujourd’hui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start a game whose tiles never come faster, with its own high scores</source>
        <translation>Lancer une partie où les jetons n’arrivent jamais plus vite, avec ses propres meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy today&apos;s daily result, without its words, to share it</source>
        <translation>Copier le résultat du jour, sans ses mots, pour le partager</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Today, %1</source>
        <translation>Aujourd’hui, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily game played: %1 points. Days in a row: %2.</source>
        <translation>Partie du jour jouée : %1 points. Jours d’affilée : %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily game not played yet. Days in a row: %1.</source>
        <translation>Partie du jour pas encore jouée. Jours d’affilée : %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Daily Game</source>
        <translation>Partie du jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s daily game is over.

%1</source>
        <translation>La partie du jour est terminée.

%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This practice game counts nowhere: today&apos;s daily game was played before. It scored %1 points.</source>
        <translation>Cette partie d’entraînement ne compte nulle part : la partie du jour a déjà été jouée. Elle a rapporté %1 points.</translation>
    </message>
</context>
<context>
    <name>WordDefinitions</name>
    <message>
        <location filename="../glimform/WordDefinitions.cpp" line="+104"/>
        <source>Definitions: %1</source>
        <translation>Définitions&#xa0;: %1</translation>
    </message>
</context>
</TS>
