<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Banner</name>
    <message>
        <source>ROUND %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR SCREEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARDS LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEVENS BONUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME LEFT BONUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserLoader</name>
    <message>
        <source>The web browser needs OpenGL, which this display does not offer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a module and what is wrong with it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a browser module</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Chrome skull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dusk clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ornate pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fruit still life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark red texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red weave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lava lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea and boat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>a card&apos;s rank and suit</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A timed solitaire card game: remove the cards of a pyramid in sets that add up to eleven.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help on the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel %1
Copyright %2 Quintrel developers
Licence: proprietary; all rights reserved. The fonts built in are under the SIL Open Font License 1.1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: takes no file or other argument, but was given %2 of them, the first &apos;%3&apos;.
%4
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>&amp;Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deal, and start a game or the next round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take the score and end the round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn the next card of the deck; a drawn card still showing first fills a gap in the pyramid, and then no card is turned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say the score, the time left, the elevens, the cards left and the round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the pyramid row by row, each card open, covered or gone, then the drawn card and the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smaller table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>designed size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move to the nearest card or button in that direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the next card or button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the one before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press the button, select or unselect the card, pick the card back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same; on a card back, choose it and close the chooser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close the window and go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system information, in About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In every window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of the key list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a key and what it does</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>No game yet: %1 deals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over, final score %1, %2 in the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1, %2 left, %3, %4 left, round %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n eleven(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, covered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the cards of a row</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. </source>
        <comment>between the rows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A high score: place %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total %1, over eleven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, unselected, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Eleven, %n point(s), score %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No card turned: the drawn %1 fills the gap in the pyramid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned %1, %2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a banner and its amount</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, final score %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreBookWords</name>
    <message>
        <source>the folder it was started in has been removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a file with another name too (a hard link)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not one of the game&apos;s files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game does not write there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not take its journal &quot;%1&quot; (%2), without which a save cut short would leave the table torn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of the game is saving it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a record of a save this game can trust, so nothing in it was used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the files it would finish a save of have been replaced since, so nothing in it was used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something else has that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not read the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel cannot create its file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file. The game needs that name to save safely, and saves nothing until it is moved away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: the folder it was started in cannot be locked (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel set aside &quot;%1&quot; in the folder it was started in as &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel removed &quot;%1&quot; in the folder it was started in: %2. It could not be set aside as &quot;%3&quot;: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2. It could be neither set aside as &quot;%3&quot; nor removed (%4), so the game saves nothing until it is moved away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not finish saving the high score table in the file &quot;%1&quot; in the folder it was started in:
%2
The table kept in the folder may be half-saved; the game finishes the save the next time it starts in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the chosen card back as it was or as it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the high score table as it was or as it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game goes on; the table shows what could be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game goes on; the high score table kept in the folder is not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game goes on; what the file holds is not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now but is not saved for the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: %1, and did not finish within a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel is a simple card game that requires a little forethought before making your moves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBacks</name>
    <message>
        <source>Change Cardbacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight your card choice and click OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ...</source>
        <comment>a page read up to its first words</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a page&apos;s title and its text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCredits</name>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playtesters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electro Skull By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHiScores</name>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1 empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places %1 to %2 empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1, %2, %3, your score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1, %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Got A High Score!!<byte value="xd"/>Enter Your Name:<byte value="xd"/>(10 Characters Max.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Score!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name holds ten characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want clear the highscores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmInstruct</name>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pretty simple really.  Just click the open cards until they add to 11.  Once the final card is clicked, all cards totaling 11 are removed.  If none of the remaining cards total 11, click on the deck to get a new card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are 52 cards in the deck.  All Jacks, Queens, and Kings have been replaced with Aces.  Bonus round at 90000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the table lists every key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Me On The Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Cardbacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web browser could not be started, so the maker&apos;s page cannot be shown here. You can visit it with your own browser at
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmQuintrel</name>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEVENS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH SCORE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARDS LEFT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME LEFT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal is there between rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Time left %n second(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Table at %1 percent of its designed size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu opens between rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores open between rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit is there between rounds; Ctrl+Q leaves the game now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevens %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards left %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time is up!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Deck, %n card(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>covered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a card and what it is</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a banner and its amount</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High score %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
