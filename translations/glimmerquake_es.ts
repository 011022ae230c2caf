<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardView</name>
    <message>
        <location filename="../glimform/BoardView.cpp" line="+68"/>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1, 1 point</source>
        <translation>%1, 1 punto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, %2 points</source>
        <translation>%1, %2 puntos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, in the chain</source>
        <translation>%1, en la cadena</translation>
    </message>
</context>
<context>
    <name>CalendarStrip</name>
    <message>
        <location filename="../dialogs/StatisticsCharts.cpp" line="+60"/>
        <source>Daily games of the last eight weeks</source>
        <translation>Partidas diarias de las últimas ocho semanas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Played on %1 of the %2 days shown.</source>
        <translation>Jugada %1 de los %2 días mostrados.</translation>
    </message>
</context>
<context>
    <name>DailyResults</name>
    <message>
        <location filename="../settings/DailyResults.cpp" line="+56"/>
        <source>These daily results of %1 cannot be read and are left out: %2.</source>
        <translation>Estos resultados diarios de %1 no se pueden leer y se omiten: %2.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the daily results of %1</source>
        <translation>los resultados diarios de %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Glimmerquake daily %1 %2: %3 points, %4 words, best word %5 points (%6 letters), streak %7</source>
        <extracomment>The line a player shares after a daily game; it must name no word. %1 the date (2026-12-07), %2 the dictionary, %3 the score, %4 the words entered, %5 the best word&apos;s points, %6 its letters, %7 the streak of days played.</extracomment>
        <translation>Glimmerquake diaria %1 %2: %3 puntos, %4 palabras, mejor palabra %5 puntos (%6 letras), racha %7</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <location filename="../settings/DictionaryName.cpp" line="+17"/>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British English</source>
        <translation>Inglés británico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <location filename="../app/main.cpp" line="+31"/>
        <source>Unexpected error.</source>
        <translation>Error inesperado.</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <location filename="../settings/GameHistoryFile.cpp" line="+35"/>
        <source>Lines of the game history in &quot;%1&quot; cannot be read and are left out: %2.</source>
        <translation>Hay líneas del historial de partidas en «%1» que no se pueden leer y se omiten: %2.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <location filename="../glimform/GameKeeper.cpp" line="+127"/>
        <source>The file is not a game saved by Glimmerquake.</source>
        <translation>El archivo no es una partida guardada por Glimmerquake.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was saved by a newer version of Glimmerquake.</source>
        <translation>La guardó una versión más reciente de Glimmerquake.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is damaged.</source>
        <translation>El archivo está dañado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file was kept as &quot;%1&quot; for a bug report.</source>
        <translation>El archivo se ha guardado como «%1» para un informe de errores.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game you left could not be read, so it cannot be resumed. %1

A new game can be started as usual. %2</source>
        <translation>No se pudo leer la partida que dejó, así que no se puede reanudar. %1

Se puede empezar una partida nueva como siempre. %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The game you left on %1 was played with the dictionary &quot;%2&quot;, which is no longer there, so it cannot go on. It ends now, and its score of %3 goes to the high scores.</source>
        <translation>La partida que dejó el %1 se jugaba con el diccionario «%2», que ya no está, así que no puede continuar. Termina ahora, y su puntuación de %3 pasa a las mejores puntuaciones.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume the game you left on %1, score %2?</source>
        <translation>¿Reanudar la partida que dejó el %1, puntuación %2?</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../settings/Utils.cpp" line="+24"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>PausedBoard</name>
    <message>
        <location filename="../glimform/PausedBoard.cpp" line="+12"/>
        <source>Paused: press Resume, Space or click to play on</source>
        <translation>En pausa: pulse Reanudar, Espacio o haga clic para seguir jugando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
</context>
<context>
    <name>PlayerOptions</name>
    <message>
        <location filename="../dialogs/newgame.cpp" line="+234"/>
        <location filename="../settings/PlayerOptions.cpp" line="+13"/>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <location filename="../dialogs/StatisticsCharts.cpp" line="-56"/>
        <source>Scores of the last games</source>
        <translation>Puntuaciones de las últimas partidas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No games yet.</source>
        <translation>Aún no hay partidas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 games, oldest first: %2. Mean %3.</source>
        <translation>%1 partidas, la más antigua primero: %2. Media %3.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings/Persist.cpp" line="+21"/>
        <source>The setting &quot;%1&quot; holds text of the wrong kind, so it was ignored and its default is used.</source>
        <translation>El ajuste «%1» guarda un texto de tipo incorrecto, así que se ha ignorado y se usa su valor por defecto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The setting &quot;%1&quot; holds a number of the wrong kind, so it was ignored and its default is used.</source>
        <translation>El ajuste «%1» guarda un número de tipo incorrecto, así que se ha ignorado y se usa su valor por defecto.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The settings could not be saved to &quot;%1&quot;; these values are lost: %2.</source>
        <translation>No se han podido guardar los ajustes en «%1»; se pierden estos valores: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not saved: %1. The settings file &quot;%2&quot; cannot be written, so this is lost when the game closes. Check that the file and its folder may be written to.</source>
        <translation>No guardado: %1. No se puede escribir el archivo de configuración «%2», así que esto se perderá al cerrar el juego. Compruebe que el archivo y su carpeta admiten escritura.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../dialogs/about.cpp" line="+88"/>
        <source>Glimmerquake Support Request</source>
        <translation>Consulta de soporte de Glimmerquake</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>About Glimmerquake</source>
        <translation>Acerca de Glimmerquake</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>v1.0.8, 1 January 2007</source>
        <extracomment>The version and the date it was released.</extracomment>
        <translation>v1.0.8, 1 de enero de 2007</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Made with care for lovers of words.</source>
        <translation>Con cariño, para quien ama las palabras.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Email support:</source>
        <translation>&amp;Soporte:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Send an email to Glimmerquake support</source>
        <translation>Escribe un correo al soporte de Glimmerquake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home &amp;page:</source>
        <translation>&amp;Página web:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>View the Glimmerquake web page</source>
        <translation>Visita la página web de Glimmerquake</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TDictionaryLoading</name>
    <message>
        <location filename="../dictionary/dictload.cpp" line="+30"/>
        <source>Dictionary Loading</source>
        <translation>Cargando el diccionario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please wait while the dictionary is loaded.</source>
        <translation>Un momento: cargando el diccionario.</translation>
    </message>
</context>
<context>
    <name>TGlimmerForm</name>
    <message>
        <location filename="../glimform/glimform_controller.cpp" line="+57"/>
        <source>No word can be accepted: the dictionary &quot;%1&quot; is missing or damaged. Choose another dictionary in Options, then start the game.</source>
        <translation>No se puede aceptar ninguna palabra: el diccionario «%1» falta o está dañado. Elija otro diccionario en Opciones y luego empiece la partida.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>The dictionary &quot;%1&quot; is not a valid dictionary file, so no word can be accepted. Choose another dictionary in Options.</source>
        <translation>El diccionario «%1» no es un archivo de diccionario válido, así que no se acepta ninguna palabra. Elige otro diccionario en Ajustes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The dictionary &quot;%1&quot; was not found, so no word can be accepted. Choose another dictionary in Options.</source>
        <translation>No se encuentra el diccionario «%1», así que no se acepta ninguna palabra. Elige otro diccionario en Ajustes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The dictionary &quot;%1&quot; is damaged: only %L2 of its %L3 words could be read, so many words are refused. Choose another dictionary in Options, or install the game again.</source>
        <translation>El diccionario «%1» está dañado: solo se pudieron leer %L2 de sus %L3 palabras, así que se rechazan muchas palabras. Elija otro diccionario en Opciones o vuelva a instalar el juego.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Round over: a life lost, %1 left</source>
        <translation>Ronda terminada: una vida menos, quedan %1</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The game is paused.

Would you like to resume the game?</source>
        <translation>La partida está en pausa.

¿Quieres continuar la partida?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit this game?</source>
        <translation>¿Seguro que quieres terminar esta partida?</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Game ended, score %1</source>
        <translation>Partida terminada, puntuación %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game over, score %1</source>
        <translation>Fin de la partida, puntuación %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1, daily game %2</source>
        <extracomment>The title during a daily game: &quot;English, daily game 2026-12-07&quot;.</extracomment>
        <translation>%1, partida diaria %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, relaxed game</source>
        <extracomment>The title during a relaxed game: &quot;English, relaxed game&quot;.</extracomment>
        <translation>%1, partida relajada</translation>
    </message>
    <message>
        <location filename="../glimform/glimform_lifecycle.cpp" line="+121"/>
        <source>Score:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The total score for all the words entered in the game</source>
        <translation>La puntuación total de las palabras anotadas en la partida</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start a new game</source>
        <translation>Empieza una partida nueva</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>&amp;Options...</source>
        <translation>&amp;Ajustes...</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>Change options such as the sounds played</source>
        <translation>Cambia ajustes como los sonidos</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>&amp;Sco&amp;res...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the High Scores</source>
        <translation>Muestra los récords</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scores...</source>
        <translation>Puntuaciones...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the About Box</source>
        <translation>Muestra la versión del juego y cómo contactar con nosotros</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit the application</source>
        <translation>Cierra el juego</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lives:</source>
        <translation>Vidas:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The number of lives remaining</source>
        <translation>Las vidas que te quedan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End the current game and view the High Scores</source>
        <translation>Termina la partida y muestra los récords</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspend the current game so it can be resumed later</source>
        <translation>Detiene la partida para seguirla más tarde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Best words:</source>
        <translation>Mejores palabras:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The words with the highest scores in the current game</source>
        <translation>Las palabras que más puntos valen en esta partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best words</source>
        <translation>Mejores palabras</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the help information about this dialog</source>
        <translation>Muestra la ayuda de esta ventana</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Deselect all the selected tiles</source>
        <translation>Quita la selección de todas las fichas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Enter</source>
        <translation>A&amp;notar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Enter the word shown below</source>
        <translation>Anota la palabra que se ve debajo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The word formed by the selected tiles (with its score)</source>
        <translation>La palabra que forman las fichas seleccionadas (con su valor)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word in progress</source>
        <translation>La palabra en curso</translation>
    </message>
    <message>
        <location filename="../glimform/glimform_words.cpp" line="+73"/>
        <source>missed: %1 (%2)</source>
        <extracomment>The best word the board held when the round ended, and its value.</extracomment>
        <translation>se escapó: %1 (%2)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 scores %2, score %3</source>
        <translation>%1 suma %2, puntuación %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A new life: %1 lives</source>
        <translation>Una vida nueva: %1 vidas</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Score: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lives: %1</source>
        <translation>Vidas: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2 points</source>
        <translation>%1, %2 puntos</translation>
    </message>
</context>
<context>
    <name>THallOfFame</name>
    <message>
        <location filename="../dialogs/HallOfFame.cpp" line="+140"/>
        <source>Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Best Word</source>
        <translation>Mejor palabra</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The three highest scores of each dictionary played on this computer</source>
        <translation>Las tres mejores puntuaciones de cada diccionario jugado en este ordenador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View the help information about this window</source>
        <translation>Muestra la ayuda de esta ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>No high scores yet: play a game!</source>
        <translation>Aún no hay récords: ¡juega una partida!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None yet</source>
        <translation>Ninguna todavía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a word in a game that makes the high scores.</source>
        <translation>Anota una palabra en una partida que entre en los récords.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>worth %1 points, found by %2 in the %3 dictionary</source>
        <translation>vale %1 puntos; la encontró %2 en el diccionario %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../dialogs/help.cpp" line="+87"/>
        <location line="+29"/>
        <source>Glimmerquake Help</source>
        <translation>Ayuda de Glimmerquake</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Glimmerquake Help - %1</source>
        <translation>Ayuda de Glimmerquake - %1</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <location filename="../dialogs/Howto.cpp" line="+79"/>
        <source>How To Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1. Make long words from adjacent tiles: click on them, drag over them or type their letters. The selected word is highlighted in red.</source>
        <translation>1. Forma palabras largas con fichas vecinas: haz clic en ellas, arrastra sobre ellas o teclea sus letras. La palabra elegida se marca en rojo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Click on the Enter button, or press the space bar or return key to submit a word.</source>
        <translation>2. Para anotar una palabra, pulsa el botón Anotar, la barra espaciadora o la tecla Intro.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3. Click on the Clear button, or press the Esc or Del keys to clear the selection.</source>
        <translation>3. Para borrar la selección, pulsa el botón Borrar o las teclas Esc o Supr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. If the falling tiles reach the top, you lose a life; every 2000 points earns a new one. Daily game: today&apos;s tiles, the same for all. Relaxed game: no speed-up.</source>
        <translation>4. Si las fichas llegan arriba, pierdes una vida; cada 2000 puntos ganas una. Partida diaria: hoy las mismas fichas para todos. Partida relajada: nunca acelera.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is just an example. Click on Start Game to play.</source>
        <translation>Esto es solo un ejemplo. Pulsa Jugar para empezar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An example board, where the chain spells GLIMPSE</source>
        <translation>Un tablero de ejemplo, donde la cadena forma GLIMPSE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show How To &amp;Play before each game</source>
        <translation>Mostrar Cómo jugar antes de cada &amp;partida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>If this is checked, the How To Play information is shown before each game starts</source>
        <translation>Si está marcada, Cómo jugar aparece antes de empezar cada partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Start Game</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Start playing the game</source>
        <translation>Empieza a jugar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;More Tips</source>
        <translation>&amp;Más consejos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>View the Strategy and Tips help information</source>
        <translation>Muestra la ayuda de Estrategia y consejos</translation>
    </message>
</context>
<context>
    <name>TNewGameForm</name>
    <message>
        <location filename="../dialogs/newgame.cpp" line="-184"/>
        <location line="+150"/>
        <source>Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>&amp;Start</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start a new game</source>
        <translation>Empieza una partida nueva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View the help information about this dialog</source>
        <translation>Muestra la ayuda de esta ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Options...</source>
        <translation>&amp;Ajustes...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change options such as your nickname</source>
        <translation>Cambia ajustes como tu apodo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View what your finished games add up to</source>
        <translation>Ver lo que suman tus partidas terminadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 High Scores</source>
        <extracomment>The title of the high score table; %1 is the dictionary&apos;s name.</extracomment>
        <translation>Récords (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The highest scores achieved on this computer</source>
        <translation>Las mejores puntuaciones conseguidas en este ordenador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best Word</source>
        <translation>Mejor palabra</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hall of &amp;Fame...</source>
        <translation>Salón de la &amp;Fama...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View the best scores and the best word of every dictionary</source>
        <translation>Muestra las mejores puntuaciones y la mejor palabra de cada diccionario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Mail High Score...</source>
        <translation>&amp;Enviar récord...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mailing a high score is not offered</source>
        <translation>No se ofrece el envío de puntuaciones por correo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This score could not be saved: it is lost when the game closes.</source>
        <translation>Esta puntuación no se pudo guardar: se perderá al cerrar el juego.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Type your name for the high score table</source>
        <translation>Escriba su nombre para la tabla de récords</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>New record!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your best relaxed %1 game</source>
        <translation>Su mejor partida relajada: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best %1 game</source>
        <translation>Su mejor partida: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Game Ended</source>
        <translation>Partida terminada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>your options and the place of the windows</source>
        <translation>sus opciones y la posición de las ventanas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1, relaxed game</source>
        <extracomment>The relaxed game&apos;s own high score table of a dictionary: &quot;English, relaxed game&quot;.</extracomment>
        <translation>%1, partida relajada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the high scores of %1</source>
        <translation>las mejores puntuaciones de %1</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <location filename="../dialogs/options.cpp" line="+42"/>
        <source>Options</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Nickname:</source>
        <translation>Ap&amp;odo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name used in the High Score table</source>
        <translation>El nombre que aparece en la tabla de récords</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Dictionary:</source>
        <translation>&amp;Diccionario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The dictionary used to validate words</source>
        <translation>El diccionario que decide qué palabras valen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show How To &amp;Play before each game</source>
        <translation>Mostrar Cómo jugar antes de cada &amp;partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the How To Play information is shown before each game starts</source>
        <translation>Si está marcada, Cómo jugar aparece antes de empezar cada partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause when the game is in the back&amp;ground</source>
        <translation>Pa&amp;usar si el juego pasa a segundo plano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the game pauses while you work in another window</source>
        <translation>Si está marcada, la partida se pone en pausa mientras usas otra ventana</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Co&amp;lours for colour-blind players</source>
        <translation>Co&amp;lores para daltónicos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked, the chain is dark blue with a light edge and its tiles are ringed</source>
        <translation>Si está marcada, la cadena es azul oscuro con un borde claro y sus fichas van rodeadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play a sound when a &amp;tile is selected</source>
        <translation>Sonido al seleccionar una &amp;ficha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicking on a tile makes a sound if this box is checked</source>
        <translation>Si está marcada, hacer clic en una ficha produce un sonido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play a sound when a &amp;word is entered</source>
        <translation>Sonido al a&amp;notar una palabra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Entering a word makes a sound if this box is checked</source>
        <translation>Si está marcada, anotar una palabra produce un sonido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play a sound when the &amp;board fills up</source>
        <translation>Sonido cuando se llena el &amp;tablero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound is made when the board fills up if this box is checked</source>
        <translation>Si está marcada, se oye un sonido cuando se llena el tablero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sounds...</source>
        <translation>&amp;Sonidos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the sounds for Glimmerquake events</source>
        <translation>Cambia los sonidos de los sucesos de Glimmerquake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accept the changes and close the dialog</source>
        <translation>Guarda los cambios y cierra la ventana</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard any changes and close the dialog</source>
        <translation>Descarta los cambios y cierra la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View the help information about this dialog</source>
        <translation>Muestra la ayuda de esta ventana</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 (missing or damaged)</source>
        <translation>%1 (falta o está dañado)</translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <location filename="../dialogs/sounds.cpp" line="+37"/>
        <source>Select Tile</source>
        <translation>Ficha seleccionada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select Word</source>
        <translation>Palabra formada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Life</source>
        <translation>Vida nueva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End Round</source>
        <translation>Fin de ronda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Word</source>
        <translation>Palabra valiosa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low Word</source>
        <translation>Palabra modesta</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Glimmerquake Sounds</source>
        <translation>Sonidos de Glimmerquake</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the sound that each game event plays.</source>
        <translation>Elige el sonido de cada suceso del juego.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Event</source>
        <translation>Suceso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Play</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the sound of the selected event</source>
        <translation>Reproduce el sonido del suceso seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose...</source>
        <translation>E&amp;legir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a WAV file for the selected event</source>
        <translation>Elige un archivo WAV para el suceso seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No Sound</source>
        <translation>&amp;Sin sonido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the selected event silent</source>
        <translation>Deja en silencio el suceso seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Default</source>
        <translation>&amp;Original</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go back to the game&apos;s own sound for the selected event</source>
        <translation>Vuelve al sonido propio del juego para el suceso seleccionado</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Choose a Sound</source>
        <translation>Elegir un sonido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wave sounds (*.wav *.WAV)</source>
        <translation>Sonidos WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a sound the game can play, so the sound stays as it was.</source>
        <translation>«%1» no es un sonido que el juego pueda reproducir, así que el sonido se queda como estaba.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>(no sound)</source>
        <translation>(sin sonido)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <location filename="../dialogs/StatisticsForm.cpp" line="+35"/>
        <source>C&amp;lear statistics...</source>
        <translation>&amp;Borrar estadísticas...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Standard game</source>
        <translation>Partida normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daily game</source>
        <translation>Partida diaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relaxed game</source>
        <translation>Partida relajada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dictionary</source>
        <translation>Diccionario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind of game</source>
        <translation>Tipo de partida</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Games played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time played:</source>
        <translation>Tiempo jugado:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best score:</source>
        <translation>Mejor puntuación:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mean score:</source>
        <translation>Puntuación media:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median score:</source>
        <translation>Puntuación mediana:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Words entered:</source>
        <translation>Palabras anotadas:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest word:</source>
        <translation>Palabra más larga:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most valuable word:</source>
        <translation>Palabra más valiosa:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lives earned:</source>
        <translation>Vidas ganadas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days in a row:</source>
        <translation>Días seguidos:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 now, %2 at best</source>
        <translation>%1 ahora, %2 como máximo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Forget every finished game of every dictionary and kind? The high scores and the daily results stay.</source>
        <translation>¿Olvidar todas las partidas terminadas de cada diccionario y tipo? Los récords y los resultados diarios se quedan.</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <location filename="../glimform/TodayPanel.cpp" line="+19"/>
        <source>&amp;Daily game</source>
        <translation>Partida &amp;diaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;laxed game</source>
        <translation>Partida re&amp;lajada</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+68"/>
        <source>Cop&amp;y result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>S&amp;tatistics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>View what your finished games add up to</source>
        <translation>Ver lo que suman tus partidas terminadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start today&apos;s daily game: the same tiles for every player today</source>
        <translation>Empezar la partida diaria de hoy: las mismas fichas para todos los jugadores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start a game whose tiles never come faster, with its own high scores</source>
        <translation>Empezar una partida en la que las fichas nunca llegan más rápido, con sus propios récords</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy today&apos;s daily result, without its words, to share it</source>
        <translation>Copiar el resultado de hoy, sin sus palabras, para compartirlo</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Today, %1</source>
        <translation>Hoy, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily game played: %1 points. Days in a row: %2.</source>
        <translation>Partida diaria jugada: %1 puntos. Días seguidos: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily game not played yet. Days in a row: %1.</source>
        <translation>Partida diaria aún sin jugar. Días seguidos: %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Daily Game</source>
        <translation>Partida diaria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s daily game is over.

%1</source>
        <translation>La partida diaria de hoy ha terminado.

%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This practice game counts nowhere: today&apos;s daily game was played before. It scored %1 points.</source>
        <translation>Esta partida de práctica no cuenta en ningún sitio: la partida diaria de hoy ya se jugó. Ha sumado %1 puntos.</translation>
    </message>
</context>
<context>
    <name>WordDefinitions</name>
    <message>
        <location filename="../glimform/WordDefinitions.cpp" line="+104"/>
        <source>Definitions: %1</source>
        <translation>Definiciones: %1</translation>
    </message>
</context>
</TS>
