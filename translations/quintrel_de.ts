<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Banner</name>
    <message>
        <source>ROUND %1</source>
        <translation>RUNDE %1</translation>
    </message>
    <message>
        <source>CLEAR SCREEN</source>
        <translation>ABGERÄUMT</translation>
    </message>
    <message>
        <source>CARDS LEFT</source>
        <translation>RESTKARTEN</translation>
    </message>
    <message>
        <source>ELEVENS BONUS</source>
        <translation>ELFER-BONUS</translation>
    </message>
    <message>
        <source>TIME LEFT BONUS</source>
        <translation>ZEITBONUS</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
</context>
<context>
    <name>BrowserLoader</name>
    <message>
        <source>The web browser needs OpenGL, which this display does not offer.</source>
        <translation>Der Webbrowser braucht OpenGL, das diese Anzeige nicht bietet.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: nicht gefunden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a module and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a browser module</source>
        <translation>kein Browsermodul</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Chrome skull</source>
        <translation>Chromschädel</translation>
    </message>
    <message>
        <source>Dusk clouds</source>
        <translation>Abendwolken</translation>
    </message>
    <message>
        <source>Ornate pattern</source>
        <translation>Verziertes Muster</translation>
    </message>
    <message>
        <source>Fruit still life</source>
        <translation>Obststillleben</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Wirbel</translation>
    </message>
    <message>
        <source>Dark red texture</source>
        <translation>Dunkelrote Textur</translation>
    </message>
    <message>
        <source>Red weave</source>
        <translation>Rotes Geflecht</translation>
    </message>
    <message>
        <source>Lava lamp</source>
        <translation>Lavalampe</translation>
    </message>
    <message>
        <source>Sea and boat</source>
        <translation>Meer und Boot</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Sternenfeld</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>a card&apos;s rank and suit</comment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>ACE</source>
        <comment>the rank written on an ace&apos;s face</comment>
        <translation>ASS</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A timed solitaire card game: remove the cards of a pyramid in sets that add up to eleven.</source>
        <translation>Ein Solitär-Kartenspiel auf Zeit: Entferne die Karten einer Pyramide in Gruppen, die zusammen elf ergeben.</translation>
    </message>
    <message>
        <source>Displays this help on the options.</source>
        <translation>Zeigt diese Hilfe zu den Optionen an.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Die Optionen zeigt &apos;%1 --help&apos; an.</translation>
    </message>
    <message>
        <source>Quintrel %1
Copyright %2 Quintrel developers
Licence: proprietary; all rights reserved. The fonts built in are under the SIL Open Font License 1.1.
</source>
        <translation>Quintrel %1
Copyright %2 die Quintrel-Entwickler
Lizenz: proprietär; alle Rechte vorbehalten. Die eingebauten Schriften stehen unter der SIL Open Font License 1.1.
</translation>
    </message>
    <message>
        <source>%1: takes no file or other argument, but was given %2 of them, the first &apos;%3&apos;.
%4
</source>
        <translation>%1: nimmt keine Datei und kein anderes Argument an, erhielt aber %2 davon, als erstes &apos;%3&apos;.
%4
</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Austeilen</translation>
    </message>
    <message>
        <source>deal, and start a game or the next round</source>
        <translation>austeilen und ein Spiel oder die nächste Runde beginnen</translation>
    </message>
    <message>
        <source>&amp;Take Score</source>
        <translation>Punkte &amp;kassieren</translation>
    </message>
    <message>
        <source>take the score and end the round</source>
        <translation>die Punkte kassieren und die Runde beenden</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>the menu</source>
        <translation>das Menü</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>the high scores</source>
        <translation>die Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>leave the game</source>
        <translation>das Spiel verlassen</translation>
    </message>
    <message>
        <source>turn the next card of the deck; a drawn card still showing first fills a gap in the pyramid, and then no card is turned</source>
        <translation>die nächste Karte vom Stapel aufdecken; liegt noch eine gezogene Karte offen, füllt sie zuerst eine Lücke in der Pyramide, und dann wird keine Karte aufgedeckt</translation>
    </message>
    <message>
        <source>say the score, the time left, the elevens, the cards left and the round</source>
        <translation>Punktestand, Restzeit, Elfer, übrige Karten und Runde ansagen</translation>
    </message>
    <message>
        <source>read the pyramid row by row, each card open, covered or gone, then the drawn card and the deck</source>
        <translation>die Pyramide Reihe für Reihe vorlesen, jede Karte offen, verdeckt oder weg, dann die gezogene Karte und den Stapel</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>diese Tastenliste</translation>
    </message>
    <message>
        <source>larger table</source>
        <translation>Tisch größer</translation>
    </message>
    <message>
        <source>smaller table</source>
        <translation>Tisch kleiner</translation>
    </message>
    <message>
        <source>designed size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>move to the nearest card or button in that direction</source>
        <translation>zur nächsten Karte oder Schaltfläche in dieser Richtung</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>the next card or button</source>
        <translation>die nächste Karte oder Schaltfläche</translation>
    </message>
    <message>
        <source>the one before</source>
        <translation>die vorige</translation>
    </message>
    <message>
        <source>press the button, select or unselect the card, pick the card back</source>
        <translation>die Schaltfläche drücken, die Karte aus- oder abwählen, den Kartenrücken wählen</translation>
    </message>
    <message>
        <source>the same; on a card back, choose it and close the chooser</source>
        <translation>dasselbe; auf einem Kartenrücken: ihn nehmen und die Auswahl schließen</translation>
    </message>
    <message>
        <source>close the window and go back</source>
        <translation>das Fenster schließen und zurückgehen</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>system information, in About</source>
        <translation>Systeminformationen, im Fenster &quot;Über&quot;</translation>
    </message>
    <message>
        <source>the page before</source>
        <translation>die vorige Seite</translation>
    </message>
    <message>
        <source>the page after</source>
        <translation>die nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>the address box</source>
        <translation>das Adressfeld</translation>
    </message>
    <message>
        <source>On the table</source>
        <translation>Am Spieltisch</translation>
    </message>
    <message>
        <source>In every window</source>
        <translation>In jedem Fenster</translation>
    </message>
    <message>
        <source>In the web browser</source>
        <translation>Im Webbrowser</translation>
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
        <translation>Noch kein Spiel: %1 teilt aus</translation>
    </message>
    <message>
        <source>Game over, final score %1, %2 in the game</source>
        <translation>Spiel vorbei, Endstand %1, %2 im ganzen Spiel</translation>
    </message>
    <message>
        <source>Score %1, %2 left, %3, %4 left, round %5</source>
        <translation>Punktestand %1, noch %2, %3, noch %4, Runde %5</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n eleven(s)</source>
        <translation>
            <numerusform>%n Elfer</numerusform>
            <numerusform>%n Elfer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>gone</source>
        <translation>weg</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, offen</translation>
    </message>
    <message>
        <source>%1, covered</source>
        <translation>%1, verdeckt</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Reihe %1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the cards of a row</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Gezogene Karte: %1</translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation>Keine gezogene Karte</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Stapel: %1</translation>
    </message>
    <message>
        <source>The deck is empty</source>
        <translation>Der Stapel ist leer</translation>
    </message>
    <message>
        <source>. </source>
        <comment>between the rows</comment>
        <translation>. </translation>
    </message>
    <message>
        <source>A high score: place %1 of %2</source>
        <translation>In der Bestenliste: Platz %1 von %2</translation>
    </message>
    <message>
        <source>total %1, over eleven</source>
        <translation>Summe %1, über elf</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, ausgewählt, %2</translation>
    </message>
    <message>
        <source>%1, unselected, %2</source>
        <translation>%1, abgewählt, %2</translation>
    </message>
    <message numerus="yes">
        <source>Eleven, %n point(s), score %1</source>
        <translation>
            <numerusform>Elfer, %n Punkt, Punktestand %1</numerusform>
            <numerusform>Elfer, %n Punkte, Punktestand %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No card turned: the drawn %1 fills the gap in the pyramid</source>
        <translation>Keine Karte aufgedeckt: Die gezogene Karte, %1, füllt die Lücke in der Pyramide</translation>
    </message>
    <message>
        <source>Turned %1, %2 left</source>
        <translation>%1 aufgedeckt, noch %2</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a banner and its amount</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, final score %2</source>
        <translation>%1, Endstand %2</translation>
    </message>
</context>
<context>
    <name>ScoreBookWords</name>
    <message>
        <source>the folder it was started in has been removed</source>
        <translation>der Ordner, in dem das Spiel gestartet wurde, wurde entfernt</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>es ist ein Verweis auf eine andere Datei (ein symbolischer Link)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a pipe</source>
        <translation>es ist eine Pipe</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>es ist ein Gerät</translation>
    </message>
    <message>
        <source>it is a file with another name too (a hard link)</source>
        <translation>es ist eine Datei, die noch einen weiteren Namen hat (ein Hardlink)</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is not one of the game&apos;s files</source>
        <translation>es ist keine Datei des Spiels</translation>
    </message>
    <message>
        <source>the game does not write there</source>
        <translation>dorthin schreibt das Spiel nicht</translation>
    </message>
    <message>
        <source>the folder does not take its journal &quot;%1&quot; (%2), without which a save cut short would leave the table torn</source>
        <translation>der Ordner nimmt das zugehörige Journal &quot;%1&quot; nicht auf (%2), ohne das ein abgebrochenes Speichern die Bestenliste halb geschrieben zurücklassen würde</translation>
    </message>
    <message>
        <source>another copy of the game is saving it</source>
        <translation>ein anderes laufendes Exemplar des Spiels speichert gerade</translation>
    </message>
    <message>
        <source>it is not a record of a save this game can trust, so nothing in it was used</source>
        <translation>es ist keine Aufzeichnung eines Speichervorgangs, dem dieses Spiel vertrauen kann, daher wurde nichts daraus verwendet</translation>
    </message>
    <message>
        <source>the files it would finish a save of have been replaced since, so nothing in it was used</source>
        <translation>die Dateien, deren Speichern es abschließen würde, wurden inzwischen ersetzt, daher wurde nichts daraus verwendet</translation>
    </message>
    <message>
        <source>something else has that name</source>
        <translation>etwas anderes trägt diesen Namen</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>das Geschriebene lässt sich nicht unverändert zurücklesen</translation>
    </message>
    <message>
        <source>Quintrel could not read the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel konnte die Datei &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht lesen:
%2</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel konnte die Datei &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht speichern:
%2</translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: %1.</source>
        <translation>Quintrel konnte den gewählten Kartenrücken nicht speichern: %1.</translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: %1.</source>
        <translation>Quintrel konnte die Bestenliste nicht speichern: %1.</translation>
    </message>
    <message>
        <source>Quintrel cannot create its file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel kann seine Datei &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht anlegen:
%2</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file. The game needs that name to save safely, and saves nothing until it is moved away.</source>
        <translation>Quintrel verwendet &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht: %2, keine normale Datei. Das Spiel braucht diesen Namen, um sicher zu speichern, und speichert nichts, bis das, was so heißt, woandershin verschoben ist.</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file.</source>
        <translation>Quintrel verwendet &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht: %2, keine normale Datei.</translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel konnte den gewählten Kartenrücken nicht speichern: Der Ordner, in dem es gestartet wurde, lässt sich nicht sperren (%1).</translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel konnte die Bestenliste nicht speichern: Der Ordner, in dem es gestartet wurde, lässt sich nicht sperren (%1).</translation>
    </message>
    <message>
        <source>Quintrel set aside &quot;%1&quot; in the folder it was started in as &quot;%2&quot;: %3.</source>
        <translation>Quintrel hat &quot;%1&quot; im Ordner, in dem es gestartet wurde, als &quot;%2&quot; beiseitegelegt: %3.</translation>
    </message>
    <message>
        <source>Quintrel removed &quot;%1&quot; in the folder it was started in: %2. It could not be set aside as &quot;%3&quot;: %4.</source>
        <translation>Quintrel hat &quot;%1&quot; im Ordner, in dem es gestartet wurde, entfernt: %2. Als &quot;%3&quot; beiseitelegen ließ es sich nicht: %4.</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2. It could be neither set aside as &quot;%3&quot; nor removed (%4), so the game saves nothing until it is moved away.</source>
        <translation>Quintrel verwendet &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht: %2. Es ließ sich weder als &quot;%3&quot; beiseitelegen noch entfernen (%4), daher speichert das Spiel nichts, bis es woandershin verschoben ist.</translation>
    </message>
    <message>
        <source>Quintrel could not finish saving the high score table in the file &quot;%1&quot; in the folder it was started in:
%2
The table kept in the folder may be half-saved; the game finishes the save the next time it starts in this folder.</source>
        <translation>Quintrel konnte das Speichern der Bestenliste in der Datei &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht abschließen:
%2
Die Bestenliste im Ordner ist womöglich nur halb gespeichert; das Spiel schließt das Speichern ab, wenn es das nächste Mal in diesem Ordner startet.</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the chosen card back as it was or as it is now.</source>
        <translation>Quintrel konnte die Datei &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht speichern:
%2
Der Datenträger hat die Änderung nicht bestätigt, daher findet der nächste Start womöglich den vorher gewählten oder den jetzt gewählten Kartenrücken vor.</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the high score table as it was or as it is now.</source>
        <translation>Quintrel konnte die Datei &quot;%1&quot; im Ordner, in dem es gestartet wurde, nicht speichern:
%2
Der Datenträger hat die Änderung nicht bestätigt, daher findet der nächste Start die Bestenliste womöglich im vorherigen oder im jetzigen Stand vor.</translation>
    </message>
    <message>
        <source>The game goes on; the table shows what could be read.</source>
        <translation>Das Spiel läuft weiter; die Bestenliste zeigt, was gelesen werden konnte.</translation>
    </message>
    <message>
        <source>The game goes on; the high score table kept in the folder is not changed.</source>
        <translation>Das Spiel läuft weiter; die im Ordner gespeicherte Bestenliste bleibt unverändert.</translation>
    </message>
    <message>
        <source>The game goes on; what the file holds is not used.</source>
        <translation>Das Spiel läuft weiter; der Inhalt der Datei wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now but is not saved for the next start.</source>
        <translation>Das Spiel läuft weiter; der gewählte Kartenrücken ist jetzt zu sehen, wird aber nicht für den nächsten Start gespeichert.</translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now.</source>
        <translation>Das Spiel läuft weiter; der gewählte Kartenrücken ist jetzt zu sehen.</translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: %1, and did not finish within a second.</source>
        <translation>Quintrel konnte die Bestenliste nicht prüfen: %1, und das endete nicht innerhalb einer Sekunde.</translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel konnte die Bestenliste nicht prüfen: Der Ordner, in dem es gestartet wurde, lässt sich nicht sperren (%1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Quintrel is a simple card game that requires a little forethought before making your moves.</source>
        <translation>Quintrel ist ein einfaches Kartenspiel, bei dem man vor jedem Zug ein wenig vorausdenken muss.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmBacks</name>
    <message>
        <source>Change Cardbacks</source>
        <translation>Kartenrücken ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Highlight your card choice and click OK.</source>
        <translation>Markiere deine Wahl und klicke auf OK.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
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
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Written By:</source>
        <translation>Geschrieben von:</translation>
    </message>
    <message>
        <source>Playtesters:</source>
        <translation>Testspieler:</translation>
    </message>
    <message>
        <source>Electro Skull By:</source>
        <translation>Electro Skull von:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmHiScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Place %1 empty.</source>
        <translation>Platz %1 leer.</translation>
    </message>
    <message>
        <source>Places %1 to %2 empty.</source>
        <translation>Plätze %1 bis %2 leer.</translation>
    </message>
    <message>
        <source>#%1, %2, %3, your score.</source>
        <translation>Platz %1, %2, %3, dein Ergebnis.</translation>
    </message>
    <message>
        <source>#%1, %2, %3.</source>
        <translation>Platz %1, %2, %3.</translation>
    </message>
    <message>
        <source>You Got A High Score!!<byte value="xd"/>Enter Your Name:<byte value="xd"/>(10 Characters Max.)</source>
        <translation>Du bist in der Bestenliste!!<byte value="xd"/>Gib deinen Namen ein:<byte value="xd"/>(Höchstens 10 Zeichen)</translation>
    </message>
    <message>
        <source>High Score!!</source>
        <translation>Highscore!!</translation>
    </message>
    <message>
        <source>The name holds ten characters</source>
        <translation>Der Name hat höchstens zehn Zeichen</translation>
    </message>
    <message>
        <source>Are you sure you want clear the highscores</source>
        <translation>Willst du die Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source> NO NAME  </source>
        <translation> OHNE NAME</translation>
    </message>
</context>
<context>
    <name>frmInstruct</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Pretty simple really.  Just click the open cards until they add to 11.  Once the final card is clicked, all cards totaling 11 are removed.  If none of the remaining cards total 11, click on the deck to get a new card.</source>
        <translation>Ganz einfach: Klicke offene Karten an, bis sie zusammen 11 ergeben. Mit der letzten Karte werden alle Karten mit der Summe 11 entfernt. Ergibt keine der übrigen Karten 11, klicke auf den Stapel für eine neue Karte.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>SPIELANLEITUNG</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There are 52 cards in the deck.  All Jacks, Queens, and Kings have been replaced with Aces.  Bonus round at 90000.</source>
        <translation>Der Stapel hat 52 Karten. Alle Buben, Damen und Könige sind durch Asse ersetzt. Bonusrunde bei 90000.</translation>
    </message>
    <message>
        <source>%1 on the table lists every key.</source>
        <translation>%1 am Tisch zeigt alle Tasten.</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Visit Me On The Web</source>
        <translation>Besuch mich im Web</translation>
    </message>
    <message>
        <source>Change Cardbacks</source>
        <translation>Kartenrücken ändern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The web browser could not be started, so the maker&apos;s page cannot be shown here. You can visit it with your own browser at
%1

%2</source>
        <translation>Der Webbrowser konnte nicht gestartet werden, daher kann die Seite des Entwicklers hier nicht angezeigt werden. Du kannst sie mit deinem eigenen Browser besuchen unter
%1

%2</translation>
    </message>
</context>
<context>
    <name>frmQuintrel</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Quintrel</source>
        <translation>Quintrel</translation>
    </message>
    <message>
        <source>ELEVENS</source>
        <translation>ELFER</translation>
    </message>
    <message>
        <source>HIGH SCORE:</source>
        <translation>REKORD:</translation>
    </message>
    <message>
        <source>CARDS LEFT:</source>
        <translation>KARTEN ÜBRIG:</translation>
    </message>
    <message>
        <source>TIME LEFT:</source>
        <translation>RESTZEIT:</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>PUNKTE:</translation>
    </message>
    <message>
        <source>Deal is there between rounds</source>
        <translation>Austeilen geht nur zwischen den Runden</translation>
    </message>
    <message numerus="yes">
        <source>Time left %n second(s)</source>
        <translation>
            <numerusform>Restzeit %n Sekunde</numerusform>
            <numerusform>Restzeit %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Table at %1 percent of its designed size</source>
        <translation>Tisch bei %1 Prozent seiner Originalgröße</translation>
    </message>
    <message>
        <source>The menu opens between rounds</source>
        <translation>Das Menü öffnet sich nur zwischen den Runden</translation>
    </message>
    <message>
        <source>The high scores open between rounds</source>
        <translation>Die Bestenliste öffnet sich nur zwischen den Runden</translation>
    </message>
    <message>
        <source>Exit is there between rounds; Ctrl+Q leaves the game now</source>
        <translation>Beenden geht nur zwischen den Runden; Strg+Q verlässt das Spiel sofort</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punktestand %1</translation>
    </message>
    <message>
        <source>Elevens %1</source>
        <translation>Elfer %1</translation>
    </message>
    <message>
        <source>Cards left %1</source>
        <translation>Karten übrig %1</translation>
    </message>
    <message>
        <source>Running total %1</source>
        <translation>Laufende Summe %1</translation>
    </message>
    <message>
        <source>time is up!!!</source>
        <translation>Die Zeit ist um!!!</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Stapel</translation>
    </message>
    <message numerus="yes">
        <source>Deck, %n card(s)</source>
        <translation>
            <numerusform>Stapel, %n Karte</numerusform>
            <numerusform>Stapel, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation>Verdeckte Karte</translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation>Keine gezogene Karte</translation>
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
        <translation>Rekord %1</translation>
    </message>
</context>
</TS>
