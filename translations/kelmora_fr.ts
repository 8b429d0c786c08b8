<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Kelmora is a companion for Vantor. It allows for mission selecting in the game&apos;s factory driver mode: choose any of its 34 missions and start playing from there.

Comments and error reports are welcome by e-mail at kelmora@quorrick.example.</source>
        <translation>Kelmora est un compagnon pour Vantor. Il permet de choisir la mission dans le mode pilote d&apos;usine du jeu&#xa0;: choisissez l&apos;une des 34 missions et jouez à partir de là.

Vos commentaires et rapports d&apos;erreur sont les bienvenus par e‑mail à kelmora@quorrick.example.</translation>
    </message>
    <message>
        <source>Written by the Kelmora team at Quorrick, 2026.</source>
        <translation>Écrit par l&apos;équipe Kelmora chez Quorrick, 2026.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmFindSavegames</name>
    <message>
        <source>Find Savegames</source>
        <translation>Chercher des sauvegardes</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>Sauvegardes de &amp;pilote trouvées, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Savegame</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Found In</source>
        <translation>Trouvée dans</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>&amp;Use as Template</source>
        <translation>&amp;Utiliser comme modèle</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Template Driver :</source>
        <translation>Pilote modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Factory Driver :</source>
        <translation>Pilote d&apos;usine&#xa0;:</translation>
    </message>
    <message>
        <source>Save Status :</source>
        <translation>Enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Select Mission :</source>
        <translation>Choisir la mission&#xa0;:</translation>
    </message>
    <message>
        <source>Car :</source>
        <translation>Voiture&#xa0;:</translation>
    </message>
    <message>
        <source>Location :</source>
        <translation>Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>Mission :</source>
        <translation>Mission&#xa0;:</translation>
    </message>
    <message>
        <source>Goal Time :</source>
        <translation>Temps à battre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Select New Template Driver</source>
        <translation>&amp;Choisir un nouveau pilote modèle</translation>
    </message>
    <message>
        <source>&amp;Find Savegames...</source>
        <translation>Chercher des &amp;sauvegardes...</translation>
    </message>
    <message>
        <source>&amp;Restore Factory Driver...</source>
        <translation>&amp;Restaurer le pilote d&apos;usine...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;View Readme</source>
        <translation>&amp;Voir le fichier Lisez-moi</translation>
    </message>
</context>
<context>
    <name>frmNewDriver</name>
    <message>
        <source>Welcome!</source>
        <translation>Bienvenue&#xa0;!</translation>
    </message>
    <message>
        <source>Either this is the first time you&apos;ve run this program, or the previous driver savegame file you were using could not be found.</source>
        <translation>Soit vous lancez ce programme pour la première fois, soit la sauvegarde de pilote que vous utilisiez jusqu&apos;ici est introuvable.</translation>
    </message>
    <message>
        <source>You will now be asked to locate a Vantor driver savegame file to use as a template for your factory driver savegame file.</source>
        <translation>Vous allez maintenant choisir une sauvegarde de pilote de Vantor, qui servira de modèle à votre sauvegarde de pilote d&apos;usine.</translation>
    </message>
    <message>
        <source>If you need help, then please consult the README file.</source>
        <translation>Si vous avez besoin d&apos;aide, consultez le fichier README.</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurer le pilote d&apos;usine</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Copies de secours des fichiers de pilote d&apos;usine, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Mission Choice</source>
        <translation>Mission choisie</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>kelmora::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelmora %1, released %2</source>
        <translation>Kelmora %1, paru le %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The release date, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>kelmora::BackupFolder</name>
    <message>
        <source>The backup is damaged: its bytes are not those that were kept</source>
        <translation>La copie de secours est endommagée&#xa0;: ses octets ne sont plus ceux qui ont été conservés</translation>
    </message>
</context>
<context>
    <name>kelmora::CommandLine</name>
    <message>
        <source>Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)</source>
        <extracomment>The commands, their arguments and options stay as they are.</extracomment>
        <translation>Utilisation&#xa0;: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help en dit plus)</translation>
    </message>
    <message>
        <source>No template driver chosen yet: run &apos;kelmora-cli template PATH&apos; first</source>
        <translation>Aucun pilote modèle choisi pour l&apos;instant&#xa0;: lancez d&apos;abord &apos;kelmora-cli template PATH&apos;</translation>
    </message>
    <message>
        <source>Chooses the mission at which Vantor&apos;s factory driver mode starts, without a window.
Uses the same settings and program data file (kelmora.dat) as Kelmora&apos;s window: beside a portable
copy, in the per-user data folder for an installed one (status tells which).

Commands:
  missions       Lists the 34 missions, one a line, tab-separated: number, car, location,
                 mission, goal time.
  template PATH  Makes the driver savegame PATH the template driver: stores its folder and name,
                 replaces the factory driver file beside it (the template&apos;s first character
                 followed by FactMS.sav) by a fresh copy of it, and keeps its mission progress in
                 kelmora.dat. The template itself is never written.
  save NUMBER    Sets the factory driver file so that mission NUMBER (1 to 34) is the next one to
                 play: earlier missions keep the template&apos;s progress, NUMBER and every later one
                 are cleared. Prints the time of the save, and on the error output a warning
                 when the template has not reached NUMBER (the game then starts earlier).
                 With --dry-run: tells what the save would change, and writes nothing.
  status         Shows the stored savegame folder and template driver, the factory driver file and
                 the program data file, whether each exists, and the mission choice that the
                 factory driver file matches (&quot;played on since a save&quot; once it has been played on).
  backups        Lists the backups of factory driver files, newest first, one a line,
                 tab-separated: ID, the time it was taken (ISO 8601, local time with its offset),
                 the file&apos;s original full path, and the mission choice it holds against the
                 current template (&quot;Mission 12&quot;, &quot;played on since a save&quot; or &quot;unknown&quot;).
                 A tab, a line break or another control character in a path is written as %XX
                 (its code in hex), and a % as %25.
                 A backup is kept before every save, template choice or restore overwrites or
                 removes a factory driver file; the newest 50 of each file are kept.
  restore ID     Puts the backup ID back at its original path, after keeping what is there now
                 as a backup of its own. Never writes the template or anywhere else. A backup
                 that is not known to be a copy of the current template, going back where saves
                 now write, would have the next save mix two drivers: it is refused unless
                 --accept-other-template comes before ID.
  find [--json]  Looks for driver savegames where a player&apos;s savegames live: the Documents
                 folder and, on Linux, every Wine, Proton (native and Flatpak Steam), Lutris and
                 Heroic prefix. Lists them newest first, one a line, tab-separated: when it last
                 changed (ISO 8601), the place (&quot;Proton 2450 (Vantor)&quot;), its progress (&quot;has
                 reached mission 17&quot;), its full path. Never follows a link out of a prefix.
  help [COMMAND] Shows this text, or what COMMAND does.

For launchers and scripts, &apos;status --json&apos;, &apos;backups --json&apos; and &apos;find --json&apos; answer in JSON.

Exit status: 0 done, 1 a failure or refusal was reported, 2 the command line was wrong.</source>
        <extracomment>Each command&apos;s entry starts with two blanks and the command as it is typed; the lines that go on from it start with more than two. A note below the list names a command in quotes (&apos;status --json&apos;), as &quot;kelmora-cli help status&quot; finds it. The mission choices that backups lists (&quot;Mission 12&quot;, &quot;played on since a save&quot;, &quot;unknown&quot;) stay in English: scripts read them.</extracomment>
        <translation>Choisit, sans fenêtre, la mission à laquelle commence le mode pilote d&apos;usine de Vantor.
Utilise les mêmes réglages et le même fichier de données du programme (kelmora.dat) que la fenêtre
de Kelmora&#xa0;: à côté d&apos;une copie portable, dans le dossier de données de l&apos;utilisateur pour une
copie installée (status dit lequel).

Commandes&#xa0;:
  missions       Affiche les 34 missions, une par ligne, séparées par des tabulations&#xa0;: numéro,
                 voiture, lieu, mission, temps à battre.
  template PATH  Fait de la sauvegarde de pilote PATH le pilote modèle&#xa0;: enregistre son dossier et
                 son nom, remplace le fichier du pilote d&apos;usine voisin (le premier caractère du
                 modèle suivi de FactMS.sav) par une copie neuve du modèle, et conserve sa
                 progression dans kelmora.dat. Le modèle lui-même n&apos;est jamais modifié.
  save NUMBER    Règle le fichier du pilote d&apos;usine pour que la mission NUMBER (1 à 34) soit la
                 prochaine à jouer&#xa0;: les missions précédentes gardent la progression du modèle,
                 NUMBER et toutes les suivantes sont remises à zéro. Affiche l&apos;heure de
                 l&apos;enregistrement et, sur la sortie d&apos;erreur, un avertissement quand le modèle n&apos;a
                 pas atteint NUMBER (le jeu commence alors plus tôt).
                 Avec --dry-run&#xa0;: dit ce que l&apos;enregistrement changerait, et n&apos;écrit rien.
  status         Affiche le dossier des sauvegardes et le pilote modèle enregistrés, le fichier du
                 pilote d&apos;usine et le fichier de données du programme, si chacun existe, et la
                 mission choisie à laquelle correspond le fichier du pilote d&apos;usine
                 (&quot;partie poursuivie depuis un enregistrement&quot; une fois la partie poursuivie
                 avec lui).
  backups        Affiche les copies de secours des fichiers de pilote d&apos;usine, les plus récentes
                 d&apos;abord, une par ligne, séparées par des tabulations&#xa0;: ID, l&apos;heure de la copie
                 (ISO 8601, heure locale avec son décalage), le chemin complet d&apos;origine du fichier
                 et la mission qu&apos;il contient par rapport au modèle actuel, en anglais (&quot;Mission
                 12&quot;, &quot;played on since a save&quot; ou &quot;unknown&quot;).
                 Une tabulation, un saut de ligne ou un autre caractère de contrôle dans un chemin
                 s&apos;écrit %XX (son code en hexadécimal), et un % s&apos;écrit %25.
                 Une copie de secours est faite avant que chaque enregistrement, choix de modèle ou
                 restauration n&apos;écrase ou ne supprime un fichier de pilote d&apos;usine&#xa0;; les 50 plus
                 récentes de chaque fichier sont gardées.
  restore ID     Remet la copie de secours ID à son chemin d&apos;origine, après avoir gardé ce qui s&apos;y
                 trouve comme copie de secours à part entière. N&apos;écrit jamais dans le modèle ni
                 ailleurs. Une copie dont on ne sait pas qu&apos;elle vient du modèle actuel, remise là
                 où les enregistrements écrivent maintenant, ferait mélanger deux pilotes au
                 prochain enregistrement&#xa0;: elle est refusée, sauf si --accept-other-template
                 précède ID.
  find [--json]  Cherche les sauvegardes de pilote là où se trouvent les sauvegardes d&apos;un joueur&#xa0;:
                 le dossier Documents et, sous Linux, chaque préfixe Wine, Proton (Steam natif et
                 Flatpak), Lutris et Heroic. Les affiche des plus récentes aux plus anciennes, une
                 par ligne, séparées par des tabulations&#xa0;: dernière modification (ISO 8601),
                 l&apos;emplacement (&quot;Proton 2450 (Vantor)&quot;), sa progression (&quot;a atteint la mission
                 17&quot;), son chemin complet. Ne suit jamais un lien hors d&apos;un préfixe.
  help [COMMAND] Affiche ce texte, ou ce que fait COMMAND.

Pour lanceurs et scripts, &apos;status --json&apos;, &apos;backups --json&apos; et &apos;find --json&apos; répondent en JSON.

Code de sortie&#xa0;: 0 fait, 1 un échec ou un refus a été signalé, 2 la ligne de commande était fausse.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>exists</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>à côté du programme</translation>
    </message>
    <message>
        <source>per-user data folder</source>
        <translation>dossier de données de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>rien d&apos;enregistré</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds bytes that are not text in this system&apos;s encoding; Kelmora cannot name a file by it</source>
        <translation>&apos;%1&apos; contient des octets qui ne sont pas du texte dans l&apos;encodage de ce système&#xa0;; Kelmora ne peut pas désigner un fichier par ce nom</translation>
    </message>
    <message>
        <source>could not write the output [%1]</source>
        <translation>impossible d&apos;écrire la sortie [%1]</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>missions, template, save, status, backups, restore, find or help.</source>
        <translation>missions, template, save, status, backups, restore, find ou help.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; demande %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>NUMBER must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>NUMBER doit être un nombre entier de 1 à %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an existing file</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier existant</translation>
    </message>
    <message>
        <source>Template driver:</source>
        <translation>Pilote modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Factory driver file:</source>
        <translation>Fichier du pilote d&apos;usine&#xa0;:</translation>
    </message>
    <message>
        <source>Would set %1 for mission %2</source>
        <translation>Réglerait %1 sur la mission %2</translation>
    </message>
    <message>
        <source>Missions whose progress would change: %1</source>
        <translation>Missions dont la progression changerait&#xa0;: %1</translation>
    </message>
    <message>
        <source>none (the file holds these bytes already)</source>
        <translation>aucune (le fichier contient déjà ces octets)</translation>
    </message>
    <message>
        <source>Nothing was written (%1)</source>
        <translation>Rien n&apos;a été écrit (%1)</translation>
    </message>
    <message>
        <source>Savegame folder:</source>
        <translation>Dossier des sauvegardes&#xa0;:</translation>
    </message>
    <message>
        <source>Program data file:</source>
        <translation>Fichier de données du programme&#xa0;:</translation>
    </message>
    <message>
        <source>Mission choice:</source>
        <translation>Mission choisie&#xa0;:</translation>
    </message>
    <message>
        <source>Data file place:</source>
        <translation>Emplacement des données&#xa0;:</translation>
    </message>
    <message>
        <source>nothing was restored; to restore it anyway: %1</source>
        <translation>rien n&apos;a été restauré&#xa0;; pour la restaurer malgré tout&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown - %1</source>
        <translation>inconnue - %1</translation>
    </message>
    <message>
        <source> (a save of any mission from %1 to %2 gives these same bytes)</source>
        <translation> (enregistrer n&apos;importe quelle mission de %1 à %2 donne ces mêmes octets)</translation>
    </message>
    <message>
        <source>no driver savegame found; none of the places where savegames live exists</source>
        <translation>aucune sauvegarde de pilote trouvée&#xa0;; aucun des emplacements où se trouvent les sauvegardes n&apos;existe</translation>
    </message>
    <message>
        <source>no driver savegame found in: %1</source>
        <translation>aucune sauvegarde de pilote trouvée dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>too large to search whole: %1</source>
        <translation>trop grand pour être parcouru en entier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>could not write the output [%1]; the command itself succeeded</source>
        <translation>impossible d&apos;écrire la sortie [%1]&#xa0;; la commande elle-même a réussi</translation>
    </message>
    <message>
        <source>only the newest %1 of the %2 driver savegames found are listed</source>
        <translation>seules les %1 plus récentes des %2 sauvegardes de pilote trouvées sont listées</translation>
    </message>
    <message>
        <source>no permission to look in &apos;%1&apos;: savegames there cannot be listed</source>
        <translation>pas la permission de regarder dans &apos;%1&apos;&#xa0;: les sauvegardes qui s&apos;y trouveraient ne peuvent pas être listées</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a driver savegame</source>
        <translation>&apos;%1&apos; est un dossier, pas une sauvegarde de pilote</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not listed, as its name is not text in this system&apos;s encoding (rename it to choose it)</source>
        <translation>&apos;%1&apos; n&apos;est pas listé, car son nom n&apos;est pas du texte dans l&apos;encodage de ce système (renommez-le pour le choisir)</translation>
    </message>
    <message>
        <source>The save would fail: %1</source>
        <translation>L&apos;enregistrement échouerait&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>kelmora::DataLocation</name>
    <message>
        <source>installed copy: the program&apos;s folder %1 is inside the system folder %2</source>
        <translation>copie installée&#xa0;: le dossier du programme %1 se trouve dans le dossier système %2</translation>
    </message>
    <message>
        <source>portable copy: kelmora.dat is already beside the program</source>
        <translation>copie portable&#xa0;: kelmora.dat se trouve déjà à côté du programme</translation>
    </message>
    <message>
        <source>portable copy: the program&apos;s folder is writable and not a system folder</source>
        <translation>copie portable&#xa0;: le dossier du programme est accessible en écriture et n&apos;est pas un dossier système</translation>
    </message>
    <message>
        <source>the program&apos;s folder %1 is not writable by this user</source>
        <translation>le dossier du programme %1 n&apos;est pas accessible en écriture pour cet utilisateur</translation>
    </message>
</context>
<context>
    <name>kelmora::Desktop</name>
    <message>
        <source>Mission Selector</source>
        <extracomment>The desktop entry&apos;s generic name, which menus show beside the program&apos;s name.</extracomment>
        <translation>Sélecteur de missions</translation>
    </message>
    <message>
        <source>Start the factory driver mode of Vantor at any mission</source>
        <extracomment>The desktop entry&apos;s comment and the summary of the software centres.</extracomment>
        <translation>Commencer le mode pilote d&apos;usine de Vantor à n&apos;importe quelle mission</translation>
    </message>
    <message>
        <source>racing;mission;savegame;factory;driver;</source>
        <extracomment>Words a menu&apos;s search finds the program by, each one followed by a semicolon.</extracomment>
        <translation>course;mission;sauvegarde;usine;pilote;</translation>
    </message>
    <message>
        <source>The factory driver mode of the racing game Vantor has 34 missions and lets you play them only in order. Kelmora lets you start it at any mission.</source>
        <extracomment>The description of the software centres, first paragraph.</extracomment>
        <translation>Le mode pilote d&apos;usine du jeu de course Vantor compte 34 missions et ne permet de les jouer que dans l&apos;ordre. Kelmora vous permet de le commencer à n&apos;importe quelle mission.</translation>
    </message>
    <message>
        <source>You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to the factory driver savegame and, each time you save a mission choice, rewrites that copy&apos;s mission progress: the chosen mission and every later one are reset, the earlier ones keep the template&apos;s progress. The template itself is never written to.</source>
        <translation>Vous choisissez l&apos;une de vos sauvegardes de pilote comme modèle. Kelmora la copie, dans le même dossier, vers la sauvegarde du pilote d&apos;usine et, à chaque fois que vous enregistrez un choix de mission, réécrit la progression de cette copie&#xa0;: la mission choisie et toutes les suivantes sont remises à zéro, les précédentes gardent la progression du modèle. Le modèle lui-même n&apos;est jamais modifié.</translation>
    </message>
    <message>
        <source>The command kelmora-cli does the same without a window, for launchers and scripts.</source>
        <translation>La commande kelmora-cli fait de même sans fenêtre, pour les lanceurs et les scripts.</translation>
    </message>
    <message>
        <source>The mission list with the chosen mission&apos;s car, location and goal time</source>
        <extracomment>The caption of the screenshot in the software centres.</extracomment>
        <translation>La liste des missions avec la voiture, le lieu et le temps à battre de la mission choisie</translation>
    </message>
    <message>
        <source>First release: the window and kelmora-cli, installed as a desktop program.</source>
        <extracomment>What release 1.0.0 brought, in the software centres.</extracomment>
        <translation>Première version&#xa0;: la fenêtre et kelmora-cli, installés comme programme de bureau.</translation>
    </message>
    <message>
        <source>Vantor driver savegame</source>
        <extracomment>The file type of the game&apos;s savegames, as file managers name it.</extracomment>
        <translation>Sauvegarde de pilote Vantor</translation>
    </message>
    <message>
        <source>no program that shows text files was found</source>
        <translation>aucun programme affichant les fichiers texte n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>the program for text files failed to show it</source>
        <translation>le programme des fichiers texte n&apos;a pas pu l&apos;afficher</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 s&apos;est terminé avec le code de sortie %2</translation>
    </message>
</context>
<context>
    <name>kelmora::FileSystem</name>
    <message>
        <source>It is a link; Kelmora only writes files it made itself</source>
        <translation>C&apos;est un lien&#xa0;; Kelmora n&apos;écrit que dans les fichiers qu&apos;il a créés lui-même</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes, at most %2 expected)</source>
        <translation>Le fichier est trop grand (%1 octets, %2 au plus attendus)</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Il a d&apos;autres noms, qu&apos;une écriture dans le fichier modifierait aussi</translation>
    </message>
    <message>
        <source>The file is too short for the write (%1 bytes, %2 needed)</source>
        <translation>Le fichier est trop court pour l&apos;écriture (%1 octets, %2 nécessaires)</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile, and it was left as that program wrote it</source>
        <translation>Un autre programme l&apos;a modifié entre-temps, et il a été laissé tel que ce programme l&apos;a écrit</translation>
    </message>
    <message>
        <source>It is read-only, and Kelmora leaves it so</source>
        <translation>Il est en lecture seule, et Kelmora le laisse ainsi</translation>
    </message>
</context>
<context>
    <name>kelmora::FindSavegamesWindow</name>
    <message>
        <source>Driver savegames</source>
        <translation>Sauvegardes de pilote</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>Sauvegardes de &amp;pilote trouvées, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>No driver savegame was found. Choose one with File, Select New Template Driver.</source>
        <translation>Aucune sauvegarde de pilote n&apos;a été trouvée. Choisissez-en une avec Fichier, Choisir un nouveau pilote modèle.</translation>
    </message>
    <message>
        <source>None of the places where savegames live was found.</source>
        <translation>Aucun des emplacements où se trouvent les sauvegardes n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Recherche dans&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Too large to search whole: %1.</source>
        <translation>Trop grand pour être parcouru en entier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No permission to look in: %1.</source>
        <translation>Pas la permission de regarder dans&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of the %2 driver savegames found are listed.</source>
        <translation>Seules les %1 plus récentes des %2 sauvegardes de pilote trouvées sont listées.</translation>
    </message>
    <message>
        <source>Not listed, as their names are not text in this system&apos;s encoding (rename them to choose them): %1.</source>
        <translation>Non listés, car leurs noms ne sont pas du texte dans l&apos;encodage de ce système (renommez-les pour les choisir)&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>kelmora::MainWindow</name>
    <message>
        <source>None yet: choose File, Select New Template Driver</source>
        <translation>Aucun pour l&apos;instant&#xa0;: Fichier, Choisir un nouveau pilote modèle</translation>
    </message>
    <message>
        <source>Save Factory Driver</source>
        <translation>Enregistrer le pilote d&apos;usine</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save Factory Driver File</source>
        <translation>Enregistrer le fichier du pilote d&apos;usine</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>The factory driver file is set to Mission #%1</source>
        <translation>Le fichier du pilote d&apos;usine est réglé sur la mission n°%1</translation>
    </message>
    <message>
        <source>set to Mission #%1</source>
        <translation>réglé sur la mission n°%1</translation>
    </message>
    <message>
        <source>set to #%1</source>
        <translation>sur n°%1</translation>
    </message>
    <message>
        <source> (a save of any mission from #%1 to #%2 gives the same bytes)</source>
        <translation> (enregistrer n&apos;importe quelle mission de n°%1 à n°%2 donne les mêmes octets)</translation>
    </message>
    <message>
        <source>set to Missions #%1–#%2</source>
        <translation>réglé sur les missions n°%1–%2</translation>
    </message>
    <message>
        <source>set to #%1–#%2</source>
        <translation>sur n°%1–%2</translation>
    </message>
    <message>
        <source>The factory driver file has been played on or changed since the last save: no mission&apos;s save gives its bytes</source>
        <translation>Le fichier du pilote d&apos;usine a servi à jouer ou a été modifié depuis le dernier enregistrement&#xa0;: aucun enregistrement de mission ne donne ses octets</translation>
    </message>
    <message>
        <source>played on</source>
        <translation>partie poursuivie</translation>
    </message>
    <message>
        <source>The factory driver file is %1</source>
        <translation>Le fichier du pilote d&apos;usine est %1</translation>
    </message>
    <message>
        <source>Which mission the factory driver file is set to cannot be told: %1</source>
        <translation>Impossible de dire sur quelle mission le fichier du pilote d&apos;usine est réglé&#xa0;: %1</translation>
    </message>
    <message>
        <source>mission unknown</source>
        <translation>mission inconnue</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file cannot be read</source>
        <translation>Impossible de dire ce qu&apos;un enregistrement donnera au jeu&#xa0;: le fichier de données du programme est illisible</translation>
    </message>
    <message>
        <source>Error - Viewing Aborted</source>
        <translation>Erreur - Affichage interrompu</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos;</source>
        <translation>Impossible d&apos;ouvrir &apos;Readme-KELMORA.TXT&apos;</translation>
    </message>
    <message>
        <source>Could not execute &apos;%1&apos;</source>
        <translation>Impossible d&apos;exécuter &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Select Driver Savegame File</source>
        <translation>Choisir une sauvegarde de pilote</translation>
    </message>
    <message>
        <source>Driver Savegames (*.sav)</source>
        <translation>Sauvegardes de pilote (*.sav)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Not saved this session</source>
        <translation>Pas d&apos;enregistrement dans cette session</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file is not this template&apos;s</source>
        <translation>Impossible de dire ce qu&apos;un enregistrement donnera au jeu&#xa0;: le fichier de données du programme n&apos;est pas celui de ce modèle</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos; [%1]</source>
        <translation>Impossible d&apos;ouvrir &apos;Readme-KELMORA.TXT&apos; [%1]</translation>
    </message>
    <message>
        <source>The settings now name %1 as the template driver: start Kelmora again to save for it</source>
        <translation>Les réglages désignent maintenant %1 comme pilote modèle&#xa0;: relancez Kelmora pour enregistrer pour ce pilote</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>tel le modèle</translation>
    </message>
    <message>
        <source>The factory driver file is gone: choose the template driver again to make a new copy</source>
        <translation>Le fichier du pilote d&apos;usine a disparu&#xa0;: rechoisissez le pilote modèle pour le recréer</translation>
    </message>
    <message>
        <source>The factory driver file may be another driver&apos;s: choose the template driver again</source>
        <translation>Le fichier du pilote d&apos;usine peut être celui d&apos;un autre pilote&#xa0;: choisissez de nouveau le pilote modèle</translation>
    </message>
    <message>
        <source>The settings name no usable template driver now: choose the template driver again to save</source>
        <translation>Les réglages ne désignent plus de pilote modèle utilisable&#xa0;: rechoisissez-le pour enregistrer</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionCatalogue</name>
    <message>
        <source>Port Aldane Circuit 1</source>
        <translation>Port Aldane, circuit 1</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 2</source>
        <translation>Port Aldane, circuit 2</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 3</source>
        <translation>Port Aldane, circuit 3</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 4</source>
        <translation>Port Aldane, circuit 4</translation>
    </message>
    <message>
        <source>Merrow Docks</source>
        <translation>Docks de Merrow</translation>
    </message>
    <message>
        <source>Calder Pass</source>
        <translation>Col de Calder</translation>
    </message>
    <message>
        <source>Old Quarry Road</source>
        <translation>Route de la vieille carrière</translation>
    </message>
    <message>
        <source>Linfield Airfield</source>
        <translation>Aérodrome de Linfield</translation>
    </message>
    <message>
        <source>Saltmarsh Causeway</source>
        <translation>Digue de Saltmarsh</translation>
    </message>
    <message>
        <source>Brackwood Forest</source>
        <translation>Forêt de Brackwood</translation>
    </message>
    <message>
        <source>Harrowgate Downtown</source>
        <translation>Centre-ville de Harrowgate</translation>
    </message>
    <message>
        <source>Sable Canyon</source>
        <translation>Canyon de Sable</translation>
    </message>
    <message>
        <source>Eastbridge Industrial Park</source>
        <translation>Zone industrielle d&apos;Eastbridge</translation>
    </message>
    <message>
        <source>Tollan Coast Highway</source>
        <translation>Route côtière de Tollan</translation>
    </message>
    <message>
        <source>Set a hot lap on a closed track</source>
        <translation>Signez un tour rapide sur circuit fermé</translation>
    </message>
    <message>
        <source>Weave through the cone slalom</source>
        <translation>Zigzaguez dans le slalom de plots</translation>
    </message>
    <message>
        <source>Handbrake turn into the loading bay</source>
        <translation>Entrez au frein à main dans le quai de chargement</translation>
    </message>
    <message>
        <source>Reverse the full course</source>
        <translation>Parcourez tout le tracé en marche arrière</translation>
    </message>
    <message>
        <source>Deliver the car without a scratch - Traffic, Cops</source>
        <translation>Livrez la voiture sans une égratignure - Circulation, police</translation>
    </message>
    <message>
        <source>Reach every checkpoint in order</source>
        <translation>Passez tous les points de contrôle dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Escort the convoy to the harbour - Traffic, Cops</source>
        <translation>Escortez le convoi jusqu&apos;au port - Circulation, police</translation>
    </message>
    <message>
        <source>Sprint from one end to the other</source>
        <translation>Foncez d&apos;un bout à l&apos;autre</translation>
    </message>
    <message>
        <source>Lose the pursuit before the bridge - Traffic, Cops</source>
        <translation>Semez vos poursuivants avant le pont - Circulation, police</translation>
    </message>
    <message>
        <source>Clear the jump and stick the landing</source>
        <translation>Réussissez le saut et l&apos;atterrissage</translation>
    </message>
    <message>
        <source>Pick up the mechanic on the way - Traffic, Cops</source>
        <translation>Prenez le mécanicien en route - Circulation, police</translation>
    </message>
    <message>
        <source>Beat the rival driver head to head</source>
        <translation>Battez le pilote rival en duel</translation>
    </message>
    <message>
        <source>Win the street race - Traffic, Cops</source>
        <translation>Gagnez la course de rue - Circulation, police</translation>
    </message>
    <message>
        <source>Finish on a nearly empty tank</source>
        <translation>Terminez avec un réservoir presque vide</translation>
    </message>
    <message>
        <source>Night run without headlights - Traffic, Cops</source>
        <translation>Course de nuit sans phares - Circulation, police</translation>
    </message>
    <message>
        <source>Run the roadblock gauntlet - Traffic, Cops</source>
        <translation>Forcez les barrages routiers - Circulation, police</translation>
    </message>
    <message>
        <source>Survive ten laps of the endurance race</source>
        <translation>Tenez dix tours de la course d&apos;endurance</translation>
    </message>
    <message>
        <source>Drift through the hairpins</source>
        <translation>Enchaînez les épingles en dérapage</translation>
    </message>
    <message>
        <source>Win from the back of the pack</source>
        <translation>Gagnez en partant du fond du peloton</translation>
    </message>
    <message>
        <source>Keep it on the road in the rain</source>
        <translation>Restez sur la route sous la pluie</translation>
    </message>
    <message>
        <source>Make the ferry before it sails</source>
        <translation>Attrapez le ferry avant son départ</translation>
    </message>
    <message>
        <source>Take the championship decider</source>
        <translation>Remportez la finale du championnat</translation>
    </message>
    <message>
        <source>Just Win, Baby</source>
        <translation>Gagne, c&apos;est tout</translation>
    </message>
    <message>
        <source>Finish First, Finish Clean</source>
        <translation>Premier, et sans une rayure</translation>
    </message>
    <message>
        <source>Factory Driver  %1</source>
        <translation>Pilote d&apos;usine  %1</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionDataFile</name>
    <message>
        <source>The file is truncated (%1 of %2 bytes)</source>
        <translation>Le fichier est tronqué (%1 octets sur %2)</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionSelection</name>
    <message>
        <source>played on since a save</source>
        <translation>partie poursuivie depuis un enregistrement</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Mission %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Saved [Mission #%1] @ %2</source>
        <translation>Enregistré [mission n°%1] @ %2</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>identique au modèle</translation>
    </message>
</context>
<context>
    <name>kelmora::NextMission</name>
    <message>
        <source>The template has progress in every mission: the game will offer no mission next</source>
        <translation>Le modèle a progressé dans toutes les missions&#xa0;: le jeu ne proposera aucune mission ensuite</translation>
    </message>
    <message>
        <source>The game will offer mission %1 next</source>
        <translation>Le jeu proposera ensuite la mission&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: the game will offer mission %2 next</source>
        <translation>Le modèle n&apos;a pas atteint la mission&#xa0;%1&#xa0;: le jeu proposera ensuite la mission&#xa0;%2</translation>
    </message>
    <message>
        <source>has reached mission %1</source>
        <translation>a atteint la mission %1</translation>
    </message>
    <message>
        <source>has progress in every mission</source>
        <translation>a progressé dans toutes les missions</translation>
    </message>
    <message>
        <source>The template has progress in every mission: once saved, the game will offer no mission next</source>
        <translation>Le modèle a progressé dans toutes les missions&#xa0;: une fois enregistré, le jeu ne proposera aucune mission ensuite</translation>
    </message>
    <message>
        <source>Once saved, the game will offer mission %1 next</source>
        <translation>Une fois enregistré, le jeu proposera ensuite la mission&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: once saved, the game will offer mission %2 next</source>
        <translation>Le modèle n&apos;a pas atteint la mission&#xa0;%1&#xa0;: une fois enregistré, le jeu proposera ensuite la mission&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>kelmora::Outcome</name>
    <message>
        <source>Error!</source>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Error! - Save failed</source>
        <translation>Erreur&#xa0;! - Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Error! - Restore failed</source>
        <translation>Erreur&#xa0;! - Échec de la restauration</translation>
    </message>
    <message>
        <source>Could not read from data file &apos;%1&apos; [%2]</source>
        <translation>Impossible de lire le fichier de données &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not write to data file &apos;%1&apos; [%2]</source>
        <translation>Impossible d&apos;écrire dans le fichier de données &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not create the program data folder &apos;%1&apos; [%2]</source>
        <translation>Impossible de créer le dossier de données du programme &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not read in program data file &apos;%1&apos; properly</source>
        <translation>Impossible de lire correctement le fichier de données du programme &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not successfully manipulate mission selection data array</source>
        <translation>Impossible de traiter les données du choix de mission</translation>
    </message>
    <message>
        <source>Could not write to factory driver file &apos;%1&apos; [%2]</source>
        <translation>Impossible d&apos;écrire dans le fichier du pilote d&apos;usine &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Error! - Write failed</source>
        <translation>Erreur&#xa0;! - Échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>Could not find driver file at %1</source>
        <translation>Fichier de pilote introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fatal Error!</source>
        <translation>Erreur fatale&#xa0;!</translation>
    </message>
    <message>
        <source>Could not read in template driver file [%1]</source>
        <translation>Impossible de lire le fichier du pilote modèle [%1]</translation>
    </message>
    <message>
        <source>Could not find template driver file &apos;%1&apos;</source>
        <translation>Fichier du pilote modèle &apos;%1&apos; introuvable</translation>
    </message>
    <message>
        <source>Could not make factory driver file from template driver file [%1]</source>
        <translation>Impossible de créer le fichier du pilote d&apos;usine à partir du fichier du pilote modèle [%1]</translation>
    </message>
    <message>
        <source>You can&apos;t select the factory driver file as your template file!</source>
        <translation>Vous ne pouvez pas choisir le fichier du pilote d&apos;usine comme modèle&#xa0;!</translation>
    </message>
    <message>
        <source>Error! - Select New Template Driver failed</source>
        <translation>Erreur&#xa0;! - Échec du choix d&apos;un nouveau pilote modèle</translation>
    </message>
    <message>
        <source>Could not read the settings from &apos;%1&apos; [%2]</source>
        <translation>Impossible de lire les réglages dans &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not store the settings in &apos;%1&apos; [%2]</source>
        <translation>Impossible d&apos;enregistrer les réglages dans &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no usable template driver (&apos;%1&apos;). Choose a template driver first.</source>
        <translation>Les réglages ne désignent aucun pilote modèle utilisable (&apos;%1&apos;). Choisissez d&apos;abord un pilote modèle.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos; [%2]</source>
        <translation>Impossible d&apos;utiliser &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Another Kelmora is saving or choosing a template driver right now. Try again when it has finished.</source>
        <translation>Un autre Kelmora est en train d&apos;enregistrer ou de choisir un pilote modèle. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>Error! - Busy</source>
        <translation>Erreur&#xa0;! - Occupé</translation>
    </message>
    <message>
        <source>Could not lock &apos;%1&apos; [%2]</source>
        <translation>Impossible de verrouiller &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not back up &apos;%1&apos; before changing it [%2]</source>
        <translation>Impossible de faire une copie de secours de &apos;%1&apos; avant de le modifier [%2]</translation>
    </message>
    <message>
        <source>There is no backup &apos;%1&apos;</source>
        <translation>Il n&apos;y a pas de copie de secours &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not restore &apos;%1&apos; [%2]</source>
        <translation>Impossible de restaurer &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Nothing was saved: the program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]. Choose the template driver again to fix this.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: le fichier de données du programme &apos;%1&apos; ne contient pas la progression du pilote modèle actuel [%2]. Choisissez de nouveau le pilote modèle pour y remédier.</translation>
    </message>
    <message>
        <source>Restoring &apos;%1&apos; puts back a savegame that saves may give another driver&apos;s progress [%2]. The next save would write the current template driver&apos;s progress into it.</source>
        <translation>Restaurer &apos;%1&apos; remet en place une sauvegarde à laquelle les enregistrements risquent de donner la progression d&apos;un autre pilote [%2]. Le prochain enregistrement y écrirait la progression du pilote modèle actuel.</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurer le pilote d&apos;usine</translation>
    </message>
    <message>
        <source>Could not read the backups in &apos;%1&apos; [%2]</source>
        <translation>Impossible de lire les copies de secours dans &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no template driver. Choose a template driver first.</source>
        <translation>Les réglages ne désignent aucun pilote modèle. Choisissez d&apos;abord un pilote modèle.</translation>
    </message>
    <message>
        <source>The settings have named &apos;%1&apos; as the template driver since this Kelmora started; nothing was saved. Start Kelmora again to save for that template driver.</source>
        <translation>Les réglages désignent &apos;%1&apos; comme pilote modèle depuis le démarrage de ce Kelmora&#xa0;; rien n&apos;a été enregistré. Relancez Kelmora pour enregistrer pour ce pilote modèle.</translation>
    </message>
</context>
<context>
    <name>kelmora::RestoreWindow</name>
    <message>
        <source>Backups</source>
        <translation>Copies de secours</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Copies de secours des fichiers de pilote d&apos;usine, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>No factory driver file has been backed up yet.</source>
        <translation>Aucun fichier de pilote d&apos;usine n&apos;a encore de copie de secours.</translation>
    </message>
    <message>
        <source>Restore it anyway?</source>
        <translation>La restaurer malgré tout&#xa0;?</translation>
    </message>
    <message>
        <source>The backup taken at %1 is no longer there. The list now shows the backups there are.</source>
        <translation>La copie de secours du %1 n&apos;existe plus. La liste montre maintenant les copies de secours présentes.</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFinder</name>
    <message>
        <source>cannot be read [%1]</source>
        <translation>illisible [%1]</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFolders</name>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameStore</name>
    <message>
        <source>The file is too short to be a driver savegame (%1 bytes, at least %2 needed)</source>
        <translation>Le fichier est trop court pour être une sauvegarde de pilote (%1 octets, %2 au moins nécessaires)</translation>
    </message>
    <message>
        <source>It belongs to another user, whose savegames Kelmora never changes</source>
        <translation>Il appartient à un autre utilisateur, dont Kelmora ne modifie jamais les sauvegardes</translation>
    </message>
    <message>
        <source>There is no per-user folder to keep it in</source>
        <translation>Il n&apos;y a pas de dossier de l&apos;utilisateur où la conserver</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>Other users may change it</source>
        <translation>D&apos;autres utilisateurs peuvent le modifier</translation>
    </message>
    <message>
        <source>Nothing tells which template driver it was written for</source>
        <translation>Rien n&apos;indique pour quel pilote modèle il a été écrit</translation>
    </message>
    <message>
        <source>It was written for the template driver &apos;%1&apos;</source>
        <translation>Il a été écrit pour le pilote modèle &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The template driver was chosen by the copy of Kelmora that keeps it in &apos;%1&apos;</source>
        <translation>Le pilote modèle a été choisi par la copie de Kelmora qui le conserve dans &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It has changed since the template driver was chosen</source>
        <translation>Il a changé depuis le choix du pilote modèle</translation>
    </message>
    <message>
        <source>It is the template driver file, which is never written</source>
        <translation>C&apos;est le fichier du pilote modèle, qui n&apos;est jamais modifié</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Il a d&apos;autres noms, qu&apos;une écriture dans le fichier modifierait aussi</translation>
    </message>
    <message>
        <source>The name holds characters that the file system cannot store</source>
        <translation>Le nom contient des caractères que le système de fichiers ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>The chosen file is the program data file</source>
        <translation>Le fichier choisi est le fichier de données du programme</translation>
    </message>
    <message>
        <source>It is the program data file</source>
        <translation>C&apos;est le fichier de données du programme</translation>
    </message>
    <message>
        <source>It is not a factory driver file</source>
        <translation>Ce n&apos;est pas un fichier de pilote d&apos;usine</translation>
    </message>
    <message>
        <source>It was backed up while no template driver was known for it, and saves now write the progress of &apos;%1&apos; into this file</source>
        <translation>Sa copie de secours a été faite alors qu&apos;aucun pilote modèle ne lui était connu, et les enregistrements écrivent maintenant la progression de &apos;%1&apos; dans ce fichier</translation>
    </message>
    <message>
        <source>It is a copy of template driver &apos;%1&apos;, and saves now write the progress of &apos;%2&apos; into this file</source>
        <translation>C&apos;est une copie du pilote modèle &apos;%1&apos;, et les enregistrements écrivent maintenant la progression de &apos;%2&apos; dans ce fichier</translation>
    </message>
    <message>
        <source>No new file can be made in its folder, and the backup has another length than the file</source>
        <translation>Aucun nouveau fichier ne peut être créé dans son dossier, et la copie de secours n&apos;a pas la même longueur que le fichier</translation>
    </message>
    <message>
        <source>Could not read factory driver file &apos;%1&apos; [%2]</source>
        <translation>Impossible de lire le fichier du pilote d&apos;usine &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Restored &apos;%1&apos; as it was at %2</source>
        <translation>&apos;%1&apos; restauré tel qu&apos;il était le %2</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurer le pilote d&apos;usine</translation>
    </message>
    <message>
        <source>&apos;%1&apos; %2 now, but had more progress when it was chosen as the template driver: it is another driver&apos;s savegame</source>
        <translation>&apos;%1&apos; %2, mais avait plus de progression quand il a été choisi comme pilote modèle&#xa0;: c&apos;est la sauvegarde d&apos;un autre pilote</translation>
    </message>
    <message>
        <source>The program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]</source>
        <translation>Le fichier de données du programme &apos;%1&apos; ne contient pas la progression du pilote modèle actuel [%2]</translation>
    </message>
    <message>
        <source>The template driver &apos;%1&apos; is missing, and this file has changed beyond its mission progress since it was copied from it: it may be another driver&apos;s savegame. Put the template driver back, or choose a template driver again</source>
        <translation>Le pilote modèle &apos;%1&apos; est introuvable, et ce fichier a changé au-delà de sa progression des missions depuis qu&apos;il en a été copié&#xa0;: il peut s&apos;agir de la sauvegarde d&apos;un autre pilote. Remettez le pilote modèle en place, ou choisissez de nouveau un pilote modèle</translation>
    </message>
    <message>
        <source>Apart from its mission progress it is the same as &apos;%1&apos;: it may be that driver&apos;s savegame put here, which a save would give the template driver&apos;s progress. Choose the template driver again to make a fresh copy of it</source>
        <translation>À part sa progression des missions, il est identique à &apos;%1&apos;&#xa0;: il peut s&apos;agir de la sauvegarde de ce pilote placée ici, à laquelle un enregistrement donnerait la progression du pilote modèle. Choisissez de nouveau le pilote modèle pour en faire une copie neuve</translation>
    </message>
    <message>
        <source>It was backed up before template driver &apos;%1&apos; was last chosen, and beyond its mission progress it differs from the copy made then: it may be another driver&apos;s savegame of that name, or one the game has played on since</source>
        <translation>Cette copie de secours a été faite avant le dernier choix du pilote modèle &apos;%1&apos;, et hors de sa progression des missions elle diffère de la copie faite alors&#xa0;: ce peut être la sauvegarde d&apos;un autre pilote de ce nom, ou une partie que l&apos;on a continuée depuis</translation>
    </message>
</context>
<context>
    <name>kelmora::SettingsStore</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>Le fichier des réglages est endommagé</translation>
    </message>
</context>
<context>
    <name>kelmora::TemplateSelection</name>
    <message>
        <source>  [Never gets modified!]</source>
        <translation>  [Jamais modifié&#xa0;!]</translation>
    </message>
    <message>
        <source>  [Select mission for this driver]</source>
        <translation>  [Choisissez la mission de ce pilote]</translation>
    </message>
</context>
<context>
    <name>kelmora::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written the way this locale writes them.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>kelmora::WindowArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]   (--help tells more)</source>
        <translation>Utilisation&#xa0;: kelmora [SAVEGAME]   (--help en dit plus)</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]
Starts Kelmora&apos;s window, which sets the mission at which Vantor&apos;s factory driver mode starts.
With SAVEGAME, that driver savegame becomes the template driver, as File, Select New Template
Driver would make it.

Options:
  -h, --help     Shows this text.
  -v, --version  Prints the version.

kelmora-cli does the same work without a window; &apos;kelmora-cli help&apos; tells more.
</source>
        <translation>Utilisation&#xa0;: kelmora [SAVEGAME]
Lance la fenêtre de Kelmora, qui règle la mission à laquelle commence le mode pilote d&apos;usine de
Vantor. Avec SAVEGAME, cette sauvegarde de pilote devient le pilote modèle, comme le ferait
Fichier, Choisir un nouveau pilote modèle.

Options&#xa0;:
  -h, --help     Affiche ce texte.
  -v, --version  Affiche la version.

kelmora-cli fait le même travail sans fenêtre&#xa0;; &apos;kelmora-cli help&apos; en dit plus.
</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text in this system&apos;s encoding</source>
        <translation>Le nom contient des octets qui ne sont pas du texte dans l&apos;encodage de ce système</translation>
    </message>
    <message>
        <source>It is a folder, not a driver savegame</source>
        <translation>C&apos;est un dossier, pas une sauvegarde de pilote</translation>
    </message>
</context>
</TS>
