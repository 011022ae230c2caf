<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardView</name>
    <message>
        <location filename="../glimform/BoardView.cpp" line="+68"/>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1, 1 point</source>
        <translation>%1, 1 Punkt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, %2 points</source>
        <translation>%1, %2 Punkte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, in the chain</source>
        <translation>%1, in der Kette</translation>
    </message>
</context>
<context>
    <name>CalendarStrip</name>
    <message>
        <location filename="../dialogs/StatisticsCharts.cpp" line="+60"/>
        <source>Daily games of the last eight weeks</source>
        <translation>Tagesspiele der letzten acht Wochen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Played on %1 of the %2 days shown.</source>
        <translation>An %1 der %2 gezeigten Tage gespielt.</translation>
    </message>
</context>
<context>
    <name>DailyResults</name>
    <message>
        <location filename="../settings/DailyResults.cpp" line="+56"/>
        <source>These daily results of %1 cannot be read and are left out: %2.</source>
        <translation>Diese Tagesergebnisse von %1 sind nicht lesbar und werden ausgelassen: %2.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the daily results of %1</source>
        <translation>die Tagesergebnisse von %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Glimmerquake daily %1 %2: %3 points, %4 words, best word %5 points (%6 letters), streak %7</source>
        <extracomment>The line a player shares after a daily game; it must name no word. %1 the date (2026-12-07), %2 the dictionary, %3 the score, %4 the words entered, %5 the best word&apos;s points, %6 its letters, %7 the streak of days played.</extracomment>
        <translation>Glimmerquake Tagesspiel %1 %2: %3 Punkte, %4 Wörter, bestes Wort %5 Punkte (%6 Buchstaben), Serie %7</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <location filename="../settings/DictionaryName.cpp" line="+17"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British English</source>
        <translation>Britisches Englisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <location filename="../app/main.cpp" line="+31"/>
        <source>Unexpected error.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <location filename="../settings/GameHistoryFile.cpp" line="+35"/>
        <source>Lines of the game history in &quot;%1&quot; cannot be read and are left out: %2.</source>
        <translation>Zeilen des Spielverlaufs in „%1“ sind nicht lesbar und werden ausgelassen: %2.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <location filename="../glimform/GameKeeper.cpp" line="+127"/>
        <source>The file is not a game saved by Glimmerquake.</source>
        <translation>Die Datei ist kein von Glimmerquake gespeichertes Spiel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was saved by a newer version of Glimmerquake.</source>
        <translation>Es wurde von einer neueren Version von Glimmerquake gespeichert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is damaged.</source>
        <translation>Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file was kept as &quot;%1&quot; for a bug report.</source>
        <translation>Die Datei wurde für einen Fehlerbericht als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game you left could not be read, so it cannot be resumed. %1

A new game can be started as usual. %2</source>
        <translation>Das unterbrochene Spiel konnte nicht gelesen werden und kann daher nicht fortgesetzt werden. %1

Ein neues Spiel kann wie gewohnt gestartet werden. %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The game you left on %1 was played with the dictionary &quot;%2&quot;, which is no longer there, so it cannot go on. It ends now, and its score of %3 goes to the high scores.</source>
        <translation>Das am %1 unterbrochene Spiel wurde mit der Wortliste „%2“ gespielt, die nicht mehr vorhanden ist, daher kann es nicht weitergehen. Es endet jetzt, und seine Punktzahl von %3 kommt in die Bestenliste.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume the game you left on %1, score %2?</source>
        <translation>Das am %1 unterbrochene Spiel fortsetzen, Punktzahl %2?</translation>
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
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>PausedBoard</name>
    <message>
        <location filename="../glimform/PausedBoard.cpp" line="+12"/>
        <source>Paused: press Resume, Space or click to play on</source>
        <translation>Pause: Drücken Sie „Weiter“, die Leertaste oder klicken Sie, um weiterzuspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Resume</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>PlayerOptions</name>
    <message>
        <location filename="../dialogs/newgame.cpp" line="+234"/>
        <location filename="../settings/PlayerOptions.cpp" line="+13"/>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <location filename="../dialogs/StatisticsCharts.cpp" line="-56"/>
        <source>Scores of the last games</source>
        <translation>Punkte der letzten Spiele</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No games yet.</source>
        <translation>Noch keine Spiele.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 games, oldest first: %2. Mean %3.</source>
        <translation>%1 Spiele, das älteste zuerst: %2. Mittel %3.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings/Persist.cpp" line="+21"/>
        <source>The setting &quot;%1&quot; holds text of the wrong kind, so it was ignored and its default is used.</source>
        <translation>Die Einstellung „%1“ enthält Text vom falschen Typ; sie wurde daher übergangen, und es gilt ihr Standardwert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The setting &quot;%1&quot; holds a number of the wrong kind, so it was ignored and its default is used.</source>
        <translation>Die Einstellung „%1“ enthält eine Zahl vom falschen Typ; sie wurde daher übergangen, und es gilt ihr Standardwert.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The settings could not be saved to &quot;%1&quot;; these values are lost: %2.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden; diese Werte gehen verloren: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not saved: %1. The settings file &quot;%2&quot; cannot be written, so this is lost when the game closes. Check that the file and its folder may be written to.</source>
        <translation>Nicht gespeichert: %1. Die Einstellungsdatei „%2“ kann nicht geschrieben werden, daher geht dies verloren, wenn das Spiel endet. Prüfen Sie, ob die Datei und ihr Ordner beschreibbar sind.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../dialogs/about.cpp" line="+88"/>
        <source>Glimmerquake Support Request</source>
        <translation>Glimmerquake-Supportanfrage</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>About Glimmerquake</source>
        <translation>Über Glimmerquake</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>v1.0.8, 1 January 2007</source>
        <extracomment>The version and the date it was released.</extracomment>
        <translation>v1.0.8, 1. Januar 2007</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Made with care for lovers of words.</source>
        <translation>Mit Liebe gemacht für Freunde der Wörter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Email support:</source>
        <translation>&amp;E-Mail-Support:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Send an email to Glimmerquake support</source>
        <translation>Eine E-Mail an den Glimmerquake-Support schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home &amp;page:</source>
        <translation>Home&amp;page:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>View the Glimmerquake web page</source>
        <translation>Die Webseite von Glimmerquake besuchen</translation>
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
        <translation>Wörterbuch wird geladen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please wait while the dictionary is loaded.</source>
        <translation>Bitte warte, das Wörterbuch lädt …</translation>
    </message>
</context>
<context>
    <name>TGlimmerForm</name>
    <message>
        <location filename="../glimform/glimform_controller.cpp" line="+57"/>
        <source>No word can be accepted: the dictionary &quot;%1&quot; is missing or damaged. Choose another dictionary in Options, then start the game.</source>
        <translation>Kein Wort kann angenommen werden: Die Wortliste „%1“ fehlt oder ist beschädigt. Wählen Sie unter Optionen eine andere Wortliste und starten Sie dann das Spiel.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>The dictionary &quot;%1&quot; is not a valid dictionary file, so no word can be accepted. Choose another dictionary in Options.</source>
        <translation>Das Wörterbuch „%1“ ist keine gültige Wörterbuchdatei, daher kann kein Wort angenommen werden. Wähle in den Optionen ein anderes Wörterbuch.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The dictionary &quot;%1&quot; was not found, so no word can be accepted. Choose another dictionary in Options.</source>
        <translation>Das Wörterbuch „%1“ wurde nicht gefunden, daher kann kein Wort angenommen werden. Wähle in den Optionen ein anderes Wörterbuch.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The dictionary &quot;%1&quot; is damaged: only %L2 of its %L3 words could be read, so many words are refused. Choose another dictionary in Options, or install the game again.</source>
        <translation>Die Wortliste „%1“ ist beschädigt: Nur %L2 ihrer %L3 Wörter konnten gelesen werden, daher werden viele Wörter abgelehnt. Wählen Sie unter Optionen eine andere Wortliste oder installieren Sie das Spiel neu.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Round over: a life lost, %1 left</source>
        <translation>Runde vorbei: ein Leben weniger, %1 übrig</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The game is paused.

Would you like to resume the game?</source>
        <translation>Das Spiel ist angehalten.

Möchtest du weiterspielen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit this game?</source>
        <translation>Willst du dieses Spiel wirklich aufgeben?</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Game ended, score %1</source>
        <translation>Spiel beendet, Punktestand %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game over, score %1</source>
        <translation>Spiel vorbei, Punktestand %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1, daily game %2</source>
        <extracomment>The title during a daily game: &quot;English, daily game 2026-12-07&quot;.</extracomment>
        <translation>%1, Tagesspiel %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, relaxed game</source>
        <extracomment>The title during a relaxed game: &quot;English, relaxed game&quot;.</extracomment>
        <translation>%1, gemütliches Spiel</translation>
    </message>
    <message>
        <location filename="../glimform/glimform_lifecycle.cpp" line="+121"/>
        <source>Score:</source>
        <translation>Stand:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The total score for all the words entered in the game</source>
        <translation>Die Punkte aller Wörter, die du in diesem Spiel eingegeben hast</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>Change options such as the sounds played</source>
        <translation>Optionen wie die Klänge ändern</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>&amp;Sco&amp;res...</source>
        <translation>&amp;Rekorde...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the High Scores</source>
        <translation>Die Bestenliste anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scores...</source>
        <translation>Bestenliste...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the About Box</source>
        <translation>Informationen über Glimmerquake anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>Been&amp;den</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit the application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lives:</source>
        <translation>Leben:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The number of lives remaining</source>
        <translation>Die Zahl der verbleibenden Leben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End the current game and view the High Scores</source>
        <translation>Das laufende Spiel beenden und die Bestenliste anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspend the current game so it can be resumed later</source>
        <translation>Das laufende Spiel anhalten, um es später fortzusetzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Best words:</source>
        <translation>Beste Wörter:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The words with the highest scores in the current game</source>
        <translation>Die Wörter mit den meisten Punkten im laufenden Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best words</source>
        <translation>Beste Wörter</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the help information about this dialog</source>
        <translation>Die Hilfe zu diesem Fenster anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Deselect all the selected tiles</source>
        <translation>Alle gewählten Steine abwählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Enter</source>
        <translation>&amp;Eingeben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Enter the word shown below</source>
        <translation>Das unten angezeigte Wort eingeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The word formed by the selected tiles (with its score)</source>
        <translation>Das Wort aus den gewählten Steinen (mit seinem Wert)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word in progress</source>
        <translation>Das Wort in Arbeit</translation>
    </message>
    <message>
        <location filename="../glimform/glimform_words.cpp" line="+73"/>
        <source>missed: %1 (%2)</source>
        <extracomment>The best word the board held when the round ended, and its value.</extracomment>
        <translation>verpasst: %1 (%2)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 scores %2, score %3</source>
        <translation>%1 bringt %2, Punktestand %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A new life: %1 lives</source>
        <translation>Ein neues Leben: %1 Leben</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lives: %1</source>
        <translation>Leben: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2 points</source>
        <translation>%1, %2 Punkte</translation>
    </message>
</context>
<context>
    <name>THallOfFame</name>
    <message>
        <location filename="../dialogs/HallOfFame.cpp" line="+140"/>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Best Word</source>
        <translation>Bestes Wort</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The three highest scores of each dictionary played on this computer</source>
        <translation>Die drei höchsten Punktzahlen jedes Wörterbuchs, mit dem auf diesem Computer gespielt wurde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View the help information about this window</source>
        <translation>Die Hilfe zu diesem Fenster anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>No high scores yet: play a game!</source>
        <translation>Noch keine Rekorde: Spiele eine Runde!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None yet</source>
        <translation>Noch keines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a word in a game that makes the high scores.</source>
        <translation>Gib ein Wort in einem Spiel ein, das es in die Bestenliste schafft.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>worth %1 points, found by %2 in the %3 dictionary</source>
        <translation>%1 Punkte wert, gefunden von %2 im Wörterbuch %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../dialogs/help.cpp" line="+87"/>
        <location line="+29"/>
        <source>Glimmerquake Help</source>
        <translation>Glimmerquake-Hilfe</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Glimmerquake Help - %1</source>
        <translation>Glimmerquake-Hilfe – %1</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <location filename="../dialogs/Howto.cpp" line="+79"/>
        <source>How To Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1. Make long words from adjacent tiles: click on them, drag over them or type their letters. The selected word is highlighted in red.</source>
        <translation>1. Bilde lange Wörter aus benachbarten Steinen: anklicken, darüberziehen oder Buchstaben tippen. Das Wort wird rot markiert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Click on the Enter button, or press the space bar or return key to submit a word.</source>
        <translation>2. Gib ein Wort ein: Klicke auf „Eingeben“ oder drücke die Leertaste oder die Eingabetaste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3. Click on the Clear button, or press the Esc or Del keys to clear the selection.</source>
        <translation>3. Hebe die Auswahl auf: Klicke auf „Löschen“ oder drücke Esc oder Entf.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. If the falling tiles reach the top, you lose a life; every 2000 points earns a new one. Daily game: today&apos;s tiles, the same for all. Relaxed game: no speed-up.</source>
        <translation>4. Erreichen die Steine den oberen Rand, verlierst du ein Leben; je 2000 Punkte bringen ein neues. Tagesspiel: heute für alle dieselben Steine. Gemütliches Spiel: nie schneller.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is just an example. Click on Start Game to play.</source>
        <translation>Das ist nur ein Beispiel. Klicke auf „Spiel starten“, um zu spielen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An example board, where the chain spells GLIMPSE</source>
        <translation>Ein Beispielbrett, auf dem die Kette GLIMPSE bildet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show How To &amp;Play before each game</source>
        <translation>Spielanleitung vor jedem Spiel &amp;zeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>If this is checked, the How To Play information is shown before each game starts</source>
        <translation>Ist dies angekreuzt, erscheint die Spielanleitung vor jedem Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Start Game</source>
        <translation>&amp;Spiel starten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Start playing the game</source>
        <translation>Mit dem Spiel beginnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;More Tips</source>
        <translation>&amp;Mehr Tipps</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>View the Strategy and Tips help information</source>
        <translation>Die Hilfe „Strategie und Tipps“ anzeigen</translation>
    </message>
</context>
<context>
    <name>TNewGameForm</name>
    <message>
        <location filename="../dialogs/newgame.cpp" line="-184"/>
        <location line="+150"/>
        <source>Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the help information about this dialog</source>
        <translation>Die Hilfe zu diesem Fenster anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change options such as your nickname</source>
        <translation>Optionen wie deinen Namen ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View what your finished games add up to</source>
        <translation>Zeigen, was Ihre beendeten Spiele ergeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 High Scores</source>
        <extracomment>The title of the high score table; %1 is the dictionary&apos;s name.</extracomment>
        <translation>Bestenliste (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The highest scores achieved on this computer</source>
        <translation>Die höchsten Punktzahlen auf diesem Computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best Word</source>
        <translation>Bestes Wort</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hall of &amp;Fame...</source>
        <translation>&amp;Ruhmeshalle...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View the best scores and the best word of every dictionary</source>
        <translation>Die besten Ergebnisse und das beste Wort jedes Wörterbuchs anzeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Mail High Score...</source>
        <translation>Rekord &amp;mailen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mailing a high score is not offered</source>
        <translation>Das Versenden von Ergebnissen per E-Mail wird nicht angeboten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This score could not be saved: it is lost when the game closes.</source>
        <translation>Dieses Ergebnis konnte nicht gespeichert werden: Es geht verloren, wenn das Spiel endet.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Type your name for the high score table</source>
        <translation>Geben Sie Ihren Namen für die Bestenliste ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>New record!</source>
        <translation>Neuer Rekord!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your best relaxed %1 game</source>
        <translation>Ihr bestes gemütliches Spiel: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best %1 game</source>
        <translation>Ihr bestes Spiel: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Game Ended</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>your options and the place of the windows</source>
        <translation>Ihre Optionen und die Position der Fenster</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1, relaxed game</source>
        <extracomment>The relaxed game&apos;s own high score table of a dictionary: &quot;English, relaxed game&quot;.</extracomment>
        <translation>%1, gemütliches Spiel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the high scores of %1</source>
        <translation>die Bestenliste von %1</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <location filename="../dialogs/options.cpp" line="+42"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Nickname:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name used in the High Score table</source>
        <translation>Der Name, der in der Bestenliste steht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Dictionary:</source>
        <translation>&amp;Wortliste:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The dictionary used to validate words</source>
        <translation>Das Wörterbuch, mit dem Wörter geprüft werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show How To &amp;Play before each game</source>
        <translation>Spielanleitung vor jedem Spiel &amp;zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the How To Play information is shown before each game starts</source>
        <translation>Ist dies angekreuzt, erscheint die Spielanleitung vor jedem Spiel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause when the game is in the back&amp;ground</source>
        <translation>&amp;Pause, wenn das Spiel im Hintergrund ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the game pauses while you work in another window</source>
        <translation>Ist dies angekreuzt, hält das Spiel an, während du in einem anderen Fenster arbeitest</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Co&amp;lours for colour-blind players</source>
        <translation>Farben für farben&amp;blinde Spieler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the chain is dark blue with a light edge and its tiles are ringed</source>
        <translation>Wenn dies aktiviert ist, ist die Kette dunkelblau mit hellem Rand und ihre Steine sind umrandet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play a sound when a &amp;tile is selected</source>
        <translation>Klang, wenn ein &amp;Stein gewählt wird</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicking on a tile makes a sound if this box is checked</source>
        <translation>Ist dies angekreuzt, ertönt ein Klang, wenn du auf einen Stein klickst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play a sound when a &amp;word is entered</source>
        <translation>Klang, wenn ein Wort &amp;eingegeben wird</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Entering a word makes a sound if this box is checked</source>
        <translation>Ist dies angekreuzt, ertönt ein Klang, wenn du ein Wort eingibst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play a sound when the &amp;board fills up</source>
        <translation>Klang, wenn das Spielfeld &amp;voll ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound is made when the board fills up if this box is checked</source>
        <translation>Ist dies angekreuzt, ertönt ein Klang, wenn das Spielfeld voll ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sounds...</source>
        <translation>&amp;Klänge...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the sounds for Glimmerquake events</source>
        <translation>Die Klänge für die Ereignisse von Glimmerquake ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accept the changes and close the dialog</source>
        <translation>Die Änderungen übernehmen und das Fenster schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard any changes and close the dialog</source>
        <translation>Alle Änderungen verwerfen und das Fenster schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View the help information about this dialog</source>
        <translation>Die Hilfe zu diesem Fenster anzeigen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 (missing or damaged)</source>
        <translation>%1 (fehlt oder beschädigt)</translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <location filename="../dialogs/sounds.cpp" line="+37"/>
        <source>Select Tile</source>
        <translation>Stein gewählt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select Word</source>
        <translation>Wort gewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Life</source>
        <translation>Neues Leben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End Round</source>
        <translation>Rundenende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Word</source>
        <translation>Wertvolles Wort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low Word</source>
        <translation>Normales Wort</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Glimmerquake Sounds</source>
        <translation>Glimmerquake-Klänge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the sound that each game event plays.</source>
        <translation>Wähle den Klang, der bei jedem Spielereignis ertönt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the sound of the selected event</source>
        <translation>Den Klang des gewählten Ereignisses abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose...</source>
        <translation>Aus&amp;wählen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a WAV file for the selected event</source>
        <translation>Eine WAV-Datei für das gewählte Ereignis auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No Sound</source>
        <translation>&amp;Kein Klang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the selected event silent</source>
        <translation>Das gewählte Ereignis stumm schalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go back to the game&apos;s own sound for the selected event</source>
        <translation>Für das gewählte Ereignis wieder den eigenen Klang des Spiels verwenden</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Choose a Sound</source>
        <translation>Klang auswählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wave sounds (*.wav *.WAV)</source>
        <translation>WAV-Klänge (*.wav *.WAV)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a sound the game can play, so the sound stays as it was.</source>
        <translation>„%1“ ist kein Klang, den das Spiel abspielen kann; der Klang bleibt daher, wie er war.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>(no sound)</source>
        <translation>(kein Klang)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No sound</source>
        <translation>Kein Klang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <location filename="../dialogs/StatisticsForm.cpp" line="+35"/>
        <source>C&amp;lear statistics...</source>
        <translation>Statistik &amp;löschen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Standard game</source>
        <translation>Normales Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daily game</source>
        <translation>Tagesspiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relaxed game</source>
        <translation>Gemütliches Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dictionary</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind of game</source>
        <translation>Art des Spiels</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time played:</source>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best score:</source>
        <translation>Beste Punktzahl:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mean score:</source>
        <translation>Mittlere Punktzahl:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median score:</source>
        <translation>Median der Punktzahl:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Words entered:</source>
        <translation>Eingegebene Wörter:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest word:</source>
        <translation>Längstes Wort:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most valuable word:</source>
        <translation>Wertvollstes Wort:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lives earned:</source>
        <translation>Gewonnene Leben:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days in a row:</source>
        <translation>Tage in Folge:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 now, %2 at best</source>
        <translation>%1 jetzt, %2 höchstens</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Forget every finished game of every dictionary and kind? The high scores and the daily results stay.</source>
        <translation>Alle beendeten Spiele jeder Wortliste und Art vergessen? Bestenlisten und Tagesergebnisse bleiben.</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <location filename="../glimform/TodayPanel.cpp" line="+19"/>
        <source>&amp;Daily game</source>
        <translation>&amp;Tagesspiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;laxed game</source>
        <translation>&amp;Gemütliches Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+68"/>
        <source>Cop&amp;y result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>View what your finished games add up to</source>
        <translation>Zeigen, was Ihre beendeten Spiele ergeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start today&apos;s daily game: the same tiles for every player today</source>
        <translation>Das heutige Tagesspiel starten: dieselben Steine für alle Spieler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start a game whose tiles never come faster, with its own high scores</source>
        <translation>Ein Spiel starten, in dem die Steine nie schneller kommen, mit eigener Bestenliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy today&apos;s daily result, without its words, to share it</source>
        <translation>Das heutige Ergebnis ohne seine Wörter kopieren, um es zu teilen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Today, %1</source>
        <translation>Heute, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily game played: %1 points. Days in a row: %2.</source>
        <translation>Tagesspiel gespielt: %1 Punkte. Tage in Folge: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily game not played yet. Days in a row: %1.</source>
        <translation>Tagesspiel noch nicht gespielt. Tage in Folge: %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Daily Game</source>
        <translation>Tagesspiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s daily game is over.

%1</source>
        <translation>Das heutige Tagesspiel ist vorbei.

%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This practice game counts nowhere: today&apos;s daily game was played before. It scored %1 points.</source>
        <translation>Dieses Übungsspiel zählt nirgends: Das heutige Tagesspiel wurde schon gespielt. Es brachte %1 Punkte.</translation>
    </message>
</context>
<context>
    <name>WordDefinitions</name>
    <message>
        <location filename="../glimform/WordDefinitions.cpp" line="+104"/>
        <source>Definitions: %1</source>
        <translation>Bedeutungen: %1</translation>
    </message>
</context>
</TS>
