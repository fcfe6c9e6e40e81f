<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Banner</name>
    <message>
        <source>ROUND %1</source>
        <translation>MANCHE %1</translation>
    </message>
    <message>
        <source>CLEAR SCREEN</source>
        <translation>TABLE RASE</translation>
    </message>
    <message>
        <source>CARDS LEFT</source>
        <translation>CARTES RESTANTES</translation>
    </message>
    <message>
        <source>ELEVENS BONUS</source>
        <translation>BONUS ONZE</translation>
    </message>
    <message>
        <source>TIME LEFT BONUS</source>
        <translation>BONUS TEMPS</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE PARTIE</translation>
    </message>
</context>
<context>
    <name>BrowserLoader</name>
    <message>
        <source>The web browser needs OpenGL, which this display does not offer.</source>
        <translation>Le navigateur web a besoin d&apos;OpenGL, que cet affichage ne propose pas.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1 : introuvable</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a module and what is wrong with it</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>not a browser module</source>
        <translation>ce n&apos;est pas un module de navigateur</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Chrome skull</source>
        <translation>Crâne chromé</translation>
    </message>
    <message>
        <source>Dusk clouds</source>
        <translation>Nuages au crépuscule</translation>
    </message>
    <message>
        <source>Ornate pattern</source>
        <translation>Motif orné</translation>
    </message>
    <message>
        <source>Fruit still life</source>
        <translation>Nature morte aux fruits</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <source>Dark red texture</source>
        <translation>Texture rouge sombre</translation>
    </message>
    <message>
        <source>Red weave</source>
        <translation>Tissage rouge</translation>
    </message>
    <message>
        <source>Lava lamp</source>
        <translation>Lampe à lave</translation>
    </message>
    <message>
        <source>Sea and boat</source>
        <translation>Mer et bateau</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Champ d&apos;étoiles</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
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
        <translation>Une réussite contre la montre : retirez les cartes d&apos;une pyramide par groupes dont la somme fait onze.</translation>
    </message>
    <message>
        <source>Displays this help on the options.</source>
        <translation>Affiche cette aide sur les options.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Essayez &apos;%1 --help&apos; pour voir les options.</translation>
    </message>
    <message>
        <source>Quintrel %1
Copyright %2 Quintrel developers
Licence: proprietary; all rights reserved. The fonts built in are under the SIL Open Font License 1.1.
</source>
        <translation>Quintrel %1
Copyright %2 les développeurs de Quintrel
Licence : propriétaire ; tous droits réservés. Les polices intégrées sont sous licence SIL Open Font License 1.1.
</translation>
    </message>
    <message>
        <source>%1: takes no file or other argument, but was given %2 of them, the first &apos;%3&apos;.
%4
</source>
        <translation>%1 : n&apos;accepte ni fichier ni autre argument, mais en a reçu %2, le premier étant &apos;%3&apos;.
%4
</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>deal, and start a game or the next round</source>
        <translation>distribuer, et commencer une partie ou la manche suivante</translation>
    </message>
    <message>
        <source>&amp;Take Score</source>
        <translation>&amp;Encaisser</translation>
    </message>
    <message>
        <source>take the score and end the round</source>
        <translation>encaisser le score et finir la manche</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>the menu</source>
        <translation>le menu</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>Meilleurs s&amp;cores</translation>
    </message>
    <message>
        <source>the high scores</source>
        <translation>les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>leave the game</source>
        <translation>quitter le jeu</translation>
    </message>
    <message>
        <source>turn the next card of the deck; a drawn card still showing first fills a gap in the pyramid, and then no card is turned</source>
        <translation>retourner la carte suivante de la pioche ; une carte tirée encore visible comble d&apos;abord un vide de la pyramide, et aucune carte n&apos;est alors retournée</translation>
    </message>
    <message>
        <source>say the score, the time left, the elevens, the cards left and the round</source>
        <translation>annoncer le score, le temps restant, les onze, les cartes restantes et la manche</translation>
    </message>
    <message>
        <source>read the pyramid row by row, each card open, covered or gone, then the drawn card and the deck</source>
        <translation>lire la pyramide rangée par rangée, chaque carte libre, couverte ou retirée, puis la carte tirée et la pioche</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>cette liste des touches</translation>
    </message>
    <message>
        <source>larger table</source>
        <translation>agrandir la table</translation>
    </message>
    <message>
        <source>smaller table</source>
        <translation>réduire la table</translation>
    </message>
    <message>
        <source>designed size</source>
        <translation>taille d&apos;origine</translation>
    </message>
    <message>
        <source>move to the nearest card or button in that direction</source>
        <translation>aller à la carte ou au bouton le plus proche dans cette direction</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>the next card or button</source>
        <translation>la carte ou le bouton suivant</translation>
    </message>
    <message>
        <source>the one before</source>
        <translation>l&apos;élément précédent</translation>
    </message>
    <message>
        <source>press the button, select or unselect the card, pick the card back</source>
        <translation>appuyer sur le bouton, sélectionner ou désélectionner la carte, choisir le dos de carte</translation>
    </message>
    <message>
        <source>the same; on a card back, choose it and close the chooser</source>
        <translation>de même ; sur un dos de carte, le choisir et fermer la fenêtre de choix</translation>
    </message>
    <message>
        <source>close the window and go back</source>
        <translation>fermer la fenêtre et revenir</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Info système...</translation>
    </message>
    <message>
        <source>system information, in About</source>
        <translation>informations système, dans À propos</translation>
    </message>
    <message>
        <source>the page before</source>
        <translation>la page précédente</translation>
    </message>
    <message>
        <source>the page after</source>
        <translation>la page suivante</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>the address box</source>
        <translation>la barre d&apos;adresse</translation>
    </message>
    <message>
        <source>On the table</source>
        <translation>Sur la table</translation>
    </message>
    <message>
        <source>In every window</source>
        <translation>Dans toutes les fenêtres</translation>
    </message>
    <message>
        <source>In the web browser</source>
        <translation>Dans le navigateur web</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of the key list</comment>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a key and what it does</comment>
        <translation>%1 : %2.</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>No game yet: %1 deals</source>
        <translation>Pas encore de partie : %1 pour distribuer</translation>
    </message>
    <message>
        <source>Game over, final score %1, %2 in the game</source>
        <translation>Partie terminée, score final %1, %2 dans la partie</translation>
    </message>
    <message>
        <source>Score %1, %2 left, %3, %4 left, round %5</source>
        <translation>Score %1, encore %2, %3, encore %4, manche %5</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n eleven(s)</source>
        <translation>
            <numerusform>%n onze</numerusform>
            <numerusform>%n onze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>gone</source>
        <translation>retirée</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, covered</source>
        <translation>%1, couvert</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rangée %1 : %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the cards of a row</comment>
        <translation> ; </translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Carte tirée : %1</translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation>Pas de carte tirée</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Pioche : %1</translation>
    </message>
    <message>
        <source>The deck is empty</source>
        <translation>La pioche est vide</translation>
    </message>
    <message>
        <source>. </source>
        <comment>between the rows</comment>
        <translation>. </translation>
    </message>
    <message>
        <source>A high score: place %1 of %2</source>
        <translation>Vous entrez au tableau des meilleurs scores : place %1 sur %2</translation>
    </message>
    <message>
        <source>total %1, over eleven</source>
        <translation>total %1, au-delà de onze</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, sélectionné, %2</translation>
    </message>
    <message>
        <source>%1, unselected, %2</source>
        <translation>%1, désélectionné, %2</translation>
    </message>
    <message numerus="yes">
        <source>Eleven, %n point(s), score %1</source>
        <translation>
            <numerusform>Onze, %n point, score %1</numerusform>
            <numerusform>Onze, %n points, score %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No card turned: the drawn %1 fills the gap in the pyramid</source>
        <translation>Aucune carte retournée : la carte tirée, %1, comble le vide de la pyramide</translation>
    </message>
    <message>
        <source>Turned %1, %2 left</source>
        <translation>%1 retourné, encore %2</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Il reste %n seconde</numerusform>
            <numerusform>Il reste %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a banner and its amount</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, final score %2</source>
        <translation>%1, score final %2</translation>
    </message>
</context>
<context>
    <name>ScoreBookWords</name>
    <message>
        <source>the folder it was started in has been removed</source>
        <translation>le dossier dans lequel le jeu a été lancé a été supprimé</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>c&apos;est un lien vers un autre fichier</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a pipe</source>
        <translation>c&apos;est un tube nommé (pipe)</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>c&apos;est un périphérique</translation>
    </message>
    <message>
        <source>it is a file with another name too (a hard link)</source>
        <translation>c&apos;est un fichier qui porte aussi un autre nom (un lien physique)</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not one of the game&apos;s files</source>
        <translation>ce n&apos;est pas l&apos;un des fichiers du jeu</translation>
    </message>
    <message>
        <source>the game does not write there</source>
        <translation>le jeu n&apos;écrit pas à cet endroit</translation>
    </message>
    <message>
        <source>the folder does not take its journal &quot;%1&quot; (%2), without which a save cut short would leave the table torn</source>
        <translation>le dossier n&apos;accepte pas son journal &quot;%1&quot; (%2) ; sans lui, une sauvegarde interrompue laisserait le tableau à moitié écrit</translation>
    </message>
    <message>
        <source>another copy of the game is saving it</source>
        <translation>une autre copie du jeu est en train de l&apos;enregistrer</translation>
    </message>
    <message>
        <source>it is not a record of a save this game can trust, so nothing in it was used</source>
        <translation>ce n&apos;est pas la trace d&apos;une sauvegarde à laquelle ce jeu peut se fier, donc rien de son contenu n&apos;a été utilisé</translation>
    </message>
    <message>
        <source>the files it would finish a save of have been replaced since, so nothing in it was used</source>
        <translation>les fichiers dont il devait terminer la sauvegarde ont été remplacés entre-temps, donc rien de son contenu n&apos;a été utilisé</translation>
    </message>
    <message>
        <source>something else has that name</source>
        <translation>autre chose porte déjà ce nom</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>ce qui a été écrit ne se relit pas à l&apos;identique</translation>
    </message>
    <message>
        <source>Quintrel could not read the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel n&apos;a pas pu lire le fichier &quot;%1&quot; dans le dossier où il a été lancé :
%2</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le fichier &quot;%1&quot; dans le dossier où il a été lancé :
%2</translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: %1.</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le dos de carte choisi : %1.</translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: %1.</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le tableau des meilleurs scores : %1.</translation>
    </message>
    <message>
        <source>Quintrel cannot create its file &quot;%1&quot; in the folder it was started in:
%2</source>
        <translation>Quintrel ne peut pas créer son fichier &quot;%1&quot; dans le dossier où il a été lancé :
%2</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file. The game needs that name to save safely, and saves nothing until it is moved away.</source>
        <translation>Quintrel n&apos;utilise pas &quot;%1&quot; dans le dossier où il a été lancé : %2, pas un fichier ordinaire. Le jeu a besoin de ce nom pour enregistrer en toute sécurité, et n&apos;enregistre rien tant qu&apos;on ne l&apos;a pas déplacé ailleurs.</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2, not a plain file.</source>
        <translation>Quintrel n&apos;utilise pas &quot;%1&quot; dans le dossier où il a été lancé : %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Quintrel could not save the chosen card back: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le dos de carte choisi : le dossier où il a été lancé ne peut pas être verrouillé (%1).</translation>
    </message>
    <message>
        <source>Quintrel could not save the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le tableau des meilleurs scores : le dossier où il a été lancé ne peut pas être verrouillé (%1).</translation>
    </message>
    <message>
        <source>Quintrel set aside &quot;%1&quot; in the folder it was started in as &quot;%2&quot;: %3.</source>
        <translation>Quintrel a mis de côté &quot;%1&quot;, dans le dossier où il a été lancé, sous le nom &quot;%2&quot; : %3.</translation>
    </message>
    <message>
        <source>Quintrel removed &quot;%1&quot; in the folder it was started in: %2. It could not be set aside as &quot;%3&quot;: %4.</source>
        <translation>Quintrel a supprimé &quot;%1&quot; dans le dossier où il a été lancé : %2. Impossible de le mettre de côté sous le nom &quot;%3&quot; : %4.</translation>
    </message>
    <message>
        <source>Quintrel does not use &quot;%1&quot; in the folder it was started in: %2. It could be neither set aside as &quot;%3&quot; nor removed (%4), so the game saves nothing until it is moved away.</source>
        <translation>Quintrel n&apos;utilise pas &quot;%1&quot; dans le dossier où il a été lancé : %2. Impossible de le mettre de côté sous le nom &quot;%3&quot; ou de le supprimer (%4) ; le jeu n&apos;enregistre donc rien tant qu&apos;on ne l&apos;a pas déplacé ailleurs.</translation>
    </message>
    <message>
        <source>Quintrel could not finish saving the high score table in the file &quot;%1&quot; in the folder it was started in:
%2
The table kept in the folder may be half-saved; the game finishes the save the next time it starts in this folder.</source>
        <translation>Quintrel n&apos;a pas pu terminer l&apos;enregistrement du tableau des meilleurs scores dans le fichier &quot;%1&quot; du dossier où il a été lancé :
%2
Le tableau conservé dans le dossier est peut-être à moitié enregistré ; le jeu terminera l&apos;enregistrement la prochaine fois qu&apos;il sera lancé dans ce dossier.</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the chosen card back as it was or as it is now.</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le fichier &quot;%1&quot; dans le dossier où il a été lancé :
%2
Le disque n&apos;a pas confirmé la modification ; au prochain lancement, le dos de carte choisi pourra donc être tel qu&apos;il était avant ou tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>Quintrel could not save the file &quot;%1&quot; in the folder it was started in:
%2
The disk did not confirm the change, so the next start may find the high score table as it was or as it is now.</source>
        <translation>Quintrel n&apos;a pas pu enregistrer le fichier &quot;%1&quot; dans le dossier où il a été lancé :
%2
Le disque n&apos;a pas confirmé la modification ; au prochain lancement, le tableau des meilleurs scores pourra donc être tel qu&apos;il était avant ou tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>The game goes on; the table shows what could be read.</source>
        <translation>Le jeu continue ; le tableau affiche ce qui a pu être lu.</translation>
    </message>
    <message>
        <source>The game goes on; the high score table kept in the folder is not changed.</source>
        <translation>Le jeu continue ; le tableau des meilleurs scores conservé dans le dossier n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>The game goes on; what the file holds is not used.</source>
        <translation>Le jeu continue ; le contenu du fichier n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now but is not saved for the next start.</source>
        <translation>Le jeu continue ; le dos de carte choisi s&apos;affiche dès maintenant, mais il n&apos;est pas enregistré pour le prochain lancement.</translation>
    </message>
    <message>
        <source>The game goes on; the chosen card back shows now.</source>
        <translation>Le jeu continue ; le dos de carte choisi s&apos;affiche dès maintenant.</translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: %1, and did not finish within a second.</source>
        <translation>Quintrel n&apos;a pas pu vérifier le tableau des meilleurs scores : %1, et cela n&apos;était pas terminé au bout d&apos;une seconde.</translation>
    </message>
    <message>
        <source>Quintrel could not check the high score table: the folder it was started in cannot be locked (%1).</source>
        <translation>Quintrel n&apos;a pas pu vérifier le tableau des meilleurs scores : le dossier où il a été lancé ne peut pas être verrouillé (%1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Quintrel est un jeu de cartes simple qui demande un peu de réflexion avant de jouer ses coups.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmBacks</name>
    <message>
        <source>Change Cardbacks</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Highlight your card choice and click OK.</source>
        <translation>Choisissez un dos de carte et cliquez sur OK.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, choix actuel</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
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
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Written By:</source>
        <translation>Écrit par :</translation>
    </message>
    <message>
        <source>Playtesters:</source>
        <translation>Testeurs :</translation>
    </message>
    <message>
        <source>Electro Skull By:</source>
        <translation>Crâne électro par :</translation>
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
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Place %1 empty.</source>
        <translation>Place %1 libre.</translation>
    </message>
    <message>
        <source>Places %1 to %2 empty.</source>
        <translation>Places %1 à %2 libres.</translation>
    </message>
    <message>
        <source>#%1, %2, %3, your score.</source>
        <translation>Place %1, %2, %3, votre score.</translation>
    </message>
    <message>
        <source>#%1, %2, %3.</source>
        <translation>Place %1, %2, %3.</translation>
    </message>
    <message>
        <source>You Got A High Score!!<byte value="xd"/>Enter Your Name:<byte value="xd"/>(10 Characters Max.)</source>
        <translation>Bravo, meilleur score !!<byte value="xd"/>Entrez votre nom :<byte value="xd"/>(10 caractères max.)</translation>
    </message>
    <message>
        <source>High Score!!</source>
        <translation>Meilleur score !!</translation>
    </message>
    <message>
        <source>The name holds ten characters</source>
        <translation>Le nom compte dix caractères au plus</translation>
    </message>
    <message>
        <source>Are you sure you want clear the highscores</source>
        <translation>Voulez-vous vraiment effacer les meilleurs scores ?</translation>
    </message>
    <message>
        <source> NO NAME  </source>
        <translation> SANS NOM</translation>
    </message>
</context>
<context>
    <name>frmInstruct</name>
    <message>
        <source>Instructions</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Pretty simple really.  Just click the open cards until they add to 11.  Once the final card is clicked, all cards totaling 11 are removed.  If none of the remaining cards total 11, click on the deck to get a new card.</source>
        <translation>Plutôt simple. Cliquez sur les cartes libres jusqu&apos;à faire 11. Au dernier clic, toutes les cartes totalisant 11 sont retirées. Si aucune des cartes restantes ne fait 11, cliquez sur la pioche pour une nouvelle carte.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>RÈGLES DU JEU</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There are 52 cards in the deck.  All Jacks, Queens, and Kings have been replaced with Aces.  Bonus round at 90000.</source>
        <translation>La pioche compte 52 cartes. Valets, dames et rois sont tous remplacés par des as. Manche bonus à 90000.</translation>
    </message>
    <message>
        <source>%1 on the table lists every key.</source>
        <translation>Sur la table, %1 affiche toutes les touches.</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Visit Me On The Web</source>
        <translation>Visitez mon site web</translation>
    </message>
    <message>
        <source>Change Cardbacks</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The web browser could not be started, so the maker&apos;s page cannot be shown here. You can visit it with your own browser at
%1

%2</source>
        <translation>Le navigateur web n&apos;a pas pu être lancé ; la page de l&apos;auteur ne peut donc pas s&apos;afficher ici. Vous pouvez la consulter avec votre propre navigateur à l&apos;adresse
%1

%2</translation>
    </message>
</context>
<context>
    <name>frmQuintrel</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Quintrel</source>
        <translation>Quintrel</translation>
    </message>
    <message>
        <source>ELEVENS</source>
        <translation>ONZE</translation>
    </message>
    <message>
        <source>HIGH SCORE:</source>
        <translation>RECORD :</translation>
    </message>
    <message>
        <source>CARDS LEFT:</source>
        <translation>PIOCHE:</translation>
    </message>
    <message>
        <source>TIME LEFT:</source>
        <translation>TEMPS :</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>SCORE :</translation>
    </message>
    <message>
        <source>Deal is there between rounds</source>
        <translation>Distribuer n&apos;est possible qu&apos;entre les manches</translation>
    </message>
    <message numerus="yes">
        <source>Time left %n second(s)</source>
        <translation>
            <numerusform>Temps restant : %n seconde</numerusform>
            <numerusform>Temps restant : %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Table at %1 percent of its designed size</source>
        <translation>Table à %1 pour cent de sa taille d&apos;origine</translation>
    </message>
    <message>
        <source>The menu opens between rounds</source>
        <translation>Le menu s&apos;ouvre entre les manches</translation>
    </message>
    <message>
        <source>The high scores open between rounds</source>
        <translation>Les meilleurs scores s&apos;ouvrent entre les manches</translation>
    </message>
    <message>
        <source>Exit is there between rounds; Ctrl+Q leaves the game now</source>
        <translation>Quitter n&apos;est possible qu&apos;entre les manches ; Ctrl+Q quitte le jeu tout de suite</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score : %1</translation>
    </message>
    <message>
        <source>Elevens %1</source>
        <translation>Onze : %1</translation>
    </message>
    <message>
        <source>Cards left %1</source>
        <translation>Cartes restantes : %1</translation>
    </message>
    <message>
        <source>Running total %1</source>
        <translation>Total en cours : %1</translation>
    </message>
    <message>
        <source>time is up!!!</source>
        <translation>temps écoulé !!!</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Pioche</translation>
    </message>
    <message numerus="yes">
        <source>Deck, %n card(s)</source>
        <translation>
            <numerusform>Pioche, %n carte</numerusform>
            <numerusform>Pioche, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>selected</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>couvert</translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation>Carte face cachée</translation>
    </message>
    <message>
        <source>No drawn card</source>
        <translation>Pas de carte tirée</translation>
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
        <translation>Record : %1</translation>
    </message>
</context>
</TS>
