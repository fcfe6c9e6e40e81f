<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Banner</name>
    <message>
        <source>ROUND %1</source>
        <translation>RONDA %1</translation>
    </message>
    <message>
        <source>CLEAR SCREEN</source>
        <translation>MESA LIMPIA</translation>
    </message>
    <message>
        <source>CARDS LEFT</source>
        <translation>CARTAS RESTANTES</translation>
    </message>
    <message>
        <source>ELEVENS BONUS</source>
        <translation>BONO DE ONCES</translation>
    </message>
    <message>
        <source>TIME LEFT BONUS</source>
        <translation>BONO DE TIEMPO</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DEL JUEGO</translation>
    </message>
</context>
<context>
    <name>BrowserLoader</name>
    <message>
        <source>The web browser needs OpenGL, which this display does not offer.</source>
        <translation>El navegador web necesita OpenGL, y esta pantalla no lo ofrece.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: no se encontró</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a module and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a browser module</source>
        <translation>no es un módulo de navegador</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Chrome skull</source>
        <translation>Calavera cromada</translation>
    </message>
    <message>
        <source>Dusk clouds</source>
        <translation>Nubes al anochecer</translation>
    </message>
    <message>
        <source>Ornate pattern</source>
        <translation>Motivo ornamental</translation>
    </message>
    <message>
        <source>Fruit still life</source>
        <translation>Bodegón de frutas</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Espiral</translation>
    </message>
    <message>
        <source>Dark red texture</source>
        <translation>Textura rojo oscuro</translation>
    </message>
    <message>
        <source>Red weave</source>
        <translation>Trama roja</translation>
    </message>
    <message>
        <source>Lava lamp</source>
        <translation>Lámpara de lava</translation>
    </message>
    <message>
        <source>Sea and boat</source>
        <translation>Mar y barco</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo de estrellas</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>a card&apos;s rank and suit</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>ACE</source>
        <comment>the rank written on an ace&apos;s face</comment>
        <translation>AS</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A timed solitaire card game: remove the cards of a pyramid in sets that add up to eleven.</source>
        <translation>Un solitario contrarreloj: retira las cartas de una pirámide en grupos que sumen once.</translation>
    </message>
    <message>
        <source>Displays this help on the options.</source>
        <translation>Muestra esta ayuda sobre las opciones.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Prueba &apos;%1 --help&apos; para ver las opciones.</translation>
    </message>
    <message>
        <source>Quintrel %1
Copyright %2 Quintrel developers
Licence: proprietary; all rights reserved. The fonts built in are under the SIL Open Font License 1.1.
</source>
        <translation>Quintrel %1
Copyright %2 los desarrolladores de Quintrel
Licencia: privativa; todos los derechos reservados. Las fuentes incluidas están bajo la SIL Open Font License 1.1.
</translation>
    </message>
    <message>
        <source>%1: takes no file or other argument, but was given %2 of them, the first &apos;%3&apos;.
%4
</source>
        <translation>%1: no admite archivos ni otros argumentos, pero recibió %2; el primero es &apos;%3&apos;.
%4
</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>deal, and start a game or the next round</source>
        <translation>repartir y empezar una partida o la siguiente ronda</translation>
    </message>
    <message>
        <source>&amp;Take Score</source>
        <translation>&amp;Tomar puntos</translation>
    </message>
    <message>
        <source>take the score and end the round</source>
        <translation>tomar los puntos y terminar la ronda</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>the menu</source>
        <translation>el menú</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>Ré&amp;cords</translation>
    </message>
    <message>
        <source>the high scores</source>
        <translation>los récords</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>leave the game</source>
        <translation>salir del juego</translation>
    </message>
    <message>
        <source>turn the next card of the deck; a drawn card still showing first fills a gap in the pyramid, and then no card is turned</source>
        <translation>voltear la siguiente carta del mazo; si aún se ve una carta sacada, primero rellena un hueco de la pirámide y entonces no se voltea ninguna</translation>
    </message>
    <message>
        <source>say the score, the time left, the elevens, the cards left and the round</source>
        <translation>decir la puntuación, el tiempo restante, los onces, las cartas restantes y la ronda</translation>
    </message>
    <message>
        <source>read the pyramid row by row, each card open, covered or gone, then the drawn card and the deck</source>
        <translation>leer la pirámide fila por fila, cada carta abierta, tapada o retirada, y luego la carta sacada y el mazo</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>esta lista de teclas</translation>
    </message>
    <message>
        <source>larger table</source>
        <translation>mesa más grande</translation>
    </message>
    <message>
        <source>smaller table</source>
        <translation>mesa más pequeña</translation>
    </message>
    <message>
        <source>designed size</source>
        <translation>tamaño original</translation>
    </message>
    <message>
        <source>move to the nearest card or button in that direction</source>
        <translation>ir a la carta o el botón más cercano en esa dirección</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>the next card or button</source>
        <translation>la siguiente carta o botón</translation>
    </message>
    <message>
        <source>the one before</source>
        <translation>la carta o el botón anterior</translation>
    </message>
    <message>
        <source>press the button, select or unselect the card, pick the card back</source>
        <translation>pulsar el botón, seleccionar o deseleccionar la carta, elegir el reverso</translation>
    </message>
    <message>
        <source>the same; on a card back, choose it and close the chooser</source>
        <translation>lo mismo; en un reverso, elegirlo y cerrar el selector</translation>
    </message>
    <message>
        <source>close the window and go back</source>
        <translation>cerrar la ventana y volver</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Info. sistema...</translation>
    </message>
    <message>
        <source>system information, in About</source>
        <translation>información del sistema, en Acerca de</translation>
    </message>
    <message>
        <source>the page before</source>
        <translation>la página anterior</translation>
    </message>
    <message>
        <source>the page after</source>
        <translation>la página siguiente</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>the address box</source>
        <translation>el cuadro de dirección</translation>
    </message>
    <message>
        <source>On the table</source>
        <translation>En la mesa</translation>
    </message>
    <message>
        <source>In every window</source>
        <translation>En todas las ventanas</translation>
    </message>
    <message>
        <source>In the web browser</source>
        <translation>En el navegador web</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of the key list</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a key and what it does</comment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>No game yet: %1 deals</source>
        <translation>Aún no hay partida: %1 reparte</translation>
    </message>
    <message>
        <source>Game over, final score %1, %2 in the game</source>
        <translation>Fin del juego, puntuación final %1, %2 en la partida</translation>
    </message>
    <message>
        <source>Score %1, %2 left, %3, %4 left, round %5</source>
        <translation>Puntuación %1, tiempo restante %2, %3, %4 en el mazo, ronda %5</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n eleven(s)</source>
        <translation>
            <numerusform>%n once</numerusform>
            <numerusform>%n onces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>gone</source>
        <translation>retirada</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, abierta</translation>
    </message>
    <message>
        <source>%1, covered</source>
        <translation>%1, tapada</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the cards of a row</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Carta sacada: %1</translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation>No hay carta sacada</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Mazo: %1</translation>
    </message>
    <message>
        <source>The deck is empty</source>
        <translation>El mazo está vacío</translation>
    </message>
    <message>
        <source>. </source>
        <comment>between the rows</comment>
        <translation>. </translation>
    </message>
    <message>
        <source>A high score: place %1 of %2</source>
        <translation>Un récord: puesto %1 de %2</translation>
    </message>
    <message>
        <source>total %1, over eleven</source>
        <translation>total %1, se pasa de once</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, seleccionada, %2</translation>
    </message>
    <message>
        <source>%1, unselected, %2</source>
        <translation>%1, deseleccionada, %2</translation>
    </message>
    <message numerus="yes">
        <source>Eleven, %n point(s), score %1</source>
        <translation>
            <numerusform>Once, %n punto, puntuación %1</numerusform>
            <numerusform>Once, %n puntos, puntuación %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No card turned: the drawn %1 fills the gap in the pyramid</source>
        <translation>No se voltea ninguna carta: la carta sacada, %1, rellena el hueco de la pirámide</translation>
    </message>
    <message>
        <source>Turned %1, %2 left</source>
        <translation>Carta volteada: %1, %2 en el mazo</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a banner and its amount</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, final score %2</source>
        <translation>%1, puntuación final %2</translation>
    </message>
</context>
<context>
    <name>ScoreBookWords</name>
    <message>
        <source>the folder it was started in has been removed</source>
        <translation>se ha eliminado la carpeta desde la que se inició</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>es un enlace a otro archivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a pipe</source>
        <translation>es una tubería (pipe)</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>es un dispositivo</translation>
    </message>
    <message>
        <source>it is a file with another name too (a hard link)</source>
        <translation>es un archivo que también tiene otro nombre (un enlace duro)</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not one of the game&apos;s files</source>
        <translation>no es uno de los archivos del juego</translation>
    </message>
    <message>
        <source>the game does not write there</source>
        <translation>el juego no escribe ahí</translation>
    </message>
    <message>
        <source>the folder does not take its journal &quot;%1&quot; (%2), without which a save cut short would leave the table torn</source>
        <translation>la carpeta no admite su archivo de diario &quot;%1&quot; (%2), y sin él un guardado interrumpido dejaría la tabla a medio escribir</translation>
    </message>
    <message>
        <source>another copy of the game is saving it</source>
        <translation>otra copia del juego está guardando en este momento</translation>
    </message>
    <message>
        <source>it is not a record of a save this game can trust, so nothing in it was used</source>
        <translation>no es un registro de guardado en el que este juego pueda confiar, así que no se usó nada de su contenido</translation>
    </message>
    <message>
        <source>the files it would finish a save of have been replaced since, so nothing in it was used</source>
        <translation>los archivos cuyo guardado iba a terminar se han reemplazado desde entonces, así que no se usó nada de su contenido</translation>
    </message>
    <message>
        <source>something else has that name</source>
        <translation>ya hay otra cosa con ese nombre</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>lo que se escribió no coincide al volver a leerlo</translation>
    </message>
    <message>
        <source>Quintrel could not read the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel no pudo leer el archivo &quot;%1&quot; en la carpeta desde la que se inició:
%2</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel no pudo guardar el archivo &quot;%1&quot; en la carpeta desde la que se inició:
%2</translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: %1.</source>
        <translation>Quintrel no pudo guardar el reverso elegido: %1.</translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: %1.</source>
        <translation>Quintrel no pudo guardar la tabla de récords: %1.</translation>
    </message>
    <message>
        <source>Quintrel cannot create its file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel no puede crear su archivo &quot;%1&quot; en la carpeta desde la que se inició:
%2</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file. The game needs that name to save safely, and saves nothing until it is moved away.</source>
        <translation>Quintrel no usa &quot;%1&quot; en la carpeta desde la que se inició: %2, no un archivo normal. El juego necesita ese nombre para guardar de forma segura y no guardará nada hasta que se quite de ahí.</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file.</source>
        <translation>Quintrel no usa &quot;%1&quot; en la carpeta desde la que se inició: %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel no pudo guardar el reverso elegido: no se puede bloquear la carpeta desde la que se inició (%1).</translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel no pudo guardar la tabla de récords: no se puede bloquear la carpeta desde la que se inició (%1).</translation>
    </message>
    <message>
        <source>Quintrel set aside &quot;%1&quot; in the folder it was started in as &quot;%2&quot;: %3.</source>
        <translation>Quintrel apartó &quot;%1&quot;, en la carpeta desde la que se inició, con el nombre &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>Quintrel removed &quot;%1&quot; in the folder it was started in: %2. It could not be set aside as &quot;%3&quot;: %4.</source>
        <translation>Quintrel eliminó &quot;%1&quot; de la carpeta desde la que se inició: %2. No se pudo apartar con el nombre &quot;%3&quot;: %4.</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2. It could be neither set aside as &quot;%3&quot; nor removed (%4), so the game saves nothing until it is moved away.</source>
        <translation>Quintrel no usa &quot;%1&quot; en la carpeta desde la que se inició: %2. No se pudo ni apartar con el nombre &quot;%3&quot; ni eliminar (%4), así que el juego no guardará nada hasta que se quite de ahí.</translation>
    </message>
    <message>
        <source>Quintrel could not finish saving the high score table in the file &quot;%1&quot; in the folder it was started in:
%2
The table kept in the folder may be half-saved; the game finishes the save the next time it starts in this folder.</source>
        <translation>Quintrel no pudo terminar de guardar la tabla de récords en el archivo &quot;%1&quot; de la carpeta desde la que se inició:
%2
La tabla guardada en la carpeta puede haber quedado a medio guardar; el juego terminará de guardarla la próxima vez que se inicie en esta carpeta.</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the chosen card back as it was or as it is now.</source>
        <translation>Quintrel no pudo guardar el archivo &quot;%1&quot; en la carpeta desde la que se inició:
%2
El disco no confirmó el cambio, así que la próxima vez que se inicie el juego puede encontrar el reverso elegido como estaba antes o como está ahora.</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the high score table as it was or as it is now.</source>
        <translation>Quintrel no pudo guardar el archivo &quot;%1&quot; en la carpeta desde la que se inició:
%2
El disco no confirmó el cambio, así que la próxima vez que se inicie el juego puede encontrar la tabla de récords como estaba antes o como está ahora.</translation>
    </message>
    <message>
        <source>The game goes on; the table shows what could be read.</source>
        <translation>El juego continúa; la tabla muestra lo que se pudo leer.</translation>
    </message>
    <message>
        <source>The game goes on; the high score table kept in the folder is not changed.</source>
        <translation>El juego continúa; la tabla de récords guardada en la carpeta no se modifica.</translation>
    </message>
    <message>
        <source>The game goes on; what the file holds is not used.</source>
        <translation>El juego continúa; no se usa el contenido del archivo.</translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now but is not saved for the next start.</source>
        <translation>El juego continúa; el reverso elegido ya se muestra, pero no se guarda para la próxima vez.</translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now.</source>
        <translation>El juego continúa; el reverso elegido ya se muestra.</translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: %1, and did not finish within a second.</source>
        <translation>Quintrel no pudo comprobar la tabla de récords: %1, y no terminó en menos de un segundo.</translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel no pudo comprobar la tabla de récords: no se puede bloquear la carpeta desde la que se inició (%1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Quintrel is a simple card game that requires a little forethought before making your moves.</source>
        <translation>Quintrel es un juego de cartas sencillo que exige pensar un poco antes de cada jugada.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmBacks</name>
    <message>
        <source>Change Cardbacks</source>
        <translation>Cambiar reversos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Highlight your card choice and click OK.</source>
        <translation>Elige un reverso y pulsa Aceptar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionado</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>%1 ...</source>
        <comment>a page read up to its first words</comment>
        <translation>%1 ...</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a page&apos;s title and its text</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Cargando...</translation>
    </message>
</context>
<context>
    <name>frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Written By:</source>
        <translation>Creado por:</translation>
    </message>
    <message>
        <source>Playtesters:</source>
        <translation>Probadores:</translation>
    </message>
    <message>
        <source>Electro Skull By:</source>
        <translation>Electro Skull por:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmHiScores</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Place %1 empty.</source>
        <translation>Puesto %1 vacío.</translation>
    </message>
    <message>
        <source>Places %1 to %2 empty.</source>
        <translation>Puestos %1 a %2 vacíos.</translation>
    </message>
    <message>
        <source>#%1, %2, %3, your score.</source>
        <translation>Puesto %1, %2, %3, tu puntuación.</translation>
    </message>
    <message>
        <source>#%1, %2, %3.</source>
        <translation>Puesto %1, %2, %3.</translation>
    </message>
    <message>
        <source>You Got A High Score!!<byte value="xd"/>Enter Your Name:<byte value="xd"/>(10 Characters Max.)</source>
        <translation>¡¡Conseguiste un récord!!<byte value="xd"/>Escribe tu nombre:<byte value="xd"/>(10 caracteres máx.)</translation>
    </message>
    <message>
        <source>High Score!!</source>
        <translation>¡¡Récord!!</translation>
    </message>
    <message>
        <source>The name holds ten characters</source>
        <translation>El nombre admite diez caracteres</translation>
    </message>
    <message>
        <source>Are you sure you want clear the highscores</source>
        <translation>¿Seguro que quieres borrar los récords?</translation>
    </message>
    <message>
        <source> NO NAME  </source>
        <translation> SIN NOMBRE</translation>
    </message>
</context>
<context>
    <name>frmInstruct</name>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Pretty simple really.  Just click the open cards until they add to 11.  Once the final card is clicked, all cards totaling 11 are removed.  If none of the remaining cards total 11, click on the deck to get a new card.</source>
        <translation>Muy sencillo: haz clic en las cartas abiertas hasta que sumen 11. Al hacer clic en la última, se retiran todas las que suman 11. Si ninguna de las que quedan suma 11, haz clic en el mazo para sacar otra carta.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCCIONES</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>There are 52 cards in the deck.  All Jacks, Queens, and Kings have been replaced with Aces.  Bonus round at 90000.</source>
        <translation>El mazo tiene 52 cartas. Las jotas, reinas y reyes se han cambiado por ases. Ronda extra a los 90000.</translation>
    </message>
    <message>
        <source>%1 on the table lists every key.</source>
        <translation>%1 en la mesa muestra todas las teclas.</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Visit Me On The Web</source>
        <translation>Visítame en la web</translation>
    </message>
    <message>
        <source>Change Cardbacks</source>
        <translation>Cambiar reversos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The web browser could not be started, so the maker&apos;s page cannot be shown here. You can visit it with your own browser at
%1

%2</source>
        <translation>No se pudo iniciar el navegador web, así que la página del autor no se puede mostrar aquí. Puedes visitarla con tu propio navegador en
%1

%2</translation>
    </message>
</context>
<context>
    <name>frmQuintrel</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Quintrel</source>
        <translation>Quintrel</translation>
    </message>
    <message>
        <source>ELEVENS</source>
        <translation>ONCES</translation>
    </message>
    <message>
        <source>HIGH SCORE:</source>
        <translation>RÉCORD:</translation>
    </message>
    <message>
        <source>CARDS LEFT:</source>
        <translation>EN EL MAZO:</translation>
    </message>
    <message>
        <source>TIME LEFT:</source>
        <translation>TIEMPO:</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>PUNTOS:</translation>
    </message>
    <message>
        <source>Deal is there between rounds</source>
        <translation>Repartir está disponible entre rondas</translation>
    </message>
    <message numerus="yes">
        <source>Time left %n second(s)</source>
        <translation>
            <numerusform>Tiempo restante: %n segundo</numerusform>
            <numerusform>Tiempo restante: %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Table at %1 percent of its designed size</source>
        <translation>Mesa al %1 por ciento de su tamaño original</translation>
    </message>
    <message>
        <source>The menu opens between rounds</source>
        <translation>El menú se abre entre rondas</translation>
    </message>
    <message>
        <source>The high scores open between rounds</source>
        <translation>Los récords se abren entre rondas</translation>
    </message>
    <message>
        <source>Exit is there between rounds; Ctrl+Q leaves the game now</source>
        <translation>Salir está disponible entre rondas; Ctrl+Q sale del juego ya</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>Elevens %1</source>
        <translation>Onces %1</translation>
    </message>
    <message>
        <source>Cards left %1</source>
        <translation>Cartas en el mazo %1</translation>
    </message>
    <message>
        <source>Running total %1</source>
        <translation>Suma actual %1</translation>
    </message>
    <message>
        <source>time is up!!!</source>
        <translation>¡¡¡Se acabó el tiempo!!!</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Mazo</translation>
    </message>
    <message numerus="yes">
        <source>Deck, %n card(s)</source>
        <translation>
            <numerusform>Mazo, %n carta</numerusform>
            <numerusform>Mazo, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>selected</source>
        <translation>seleccionada</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>tapada</translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation>Carta boca abajo</translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation>No hay carta sacada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a card and what it is</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a banner and its amount</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>High score %1</source>
        <translation>Récord %1</translation>
    </message>
</context>
</TS>
