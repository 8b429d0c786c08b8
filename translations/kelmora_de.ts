<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Kelmora is a companion for Vantor. It allows for mission selecting in the game&apos;s factory driver mode: choose any of its 34 missions and start playing from there.

Comments and error reports are welcome by e-mail at kelmora@quorrick.example.</source>
        <translation>Kelmora ist ein Begleiter für Vantor. Es ermöglicht die Missionsauswahl im Werksfahrer-Modus des Spiels: Wähle eine beliebige der 34 Missionen und spiele von dort aus weiter.

Kommentare und Fehlerberichte sind per E‑Mail an kelmora@quorrick.example willkommen.</translation>
    </message>
    <message>
        <source>Written by the Kelmora team at Quorrick, 2026.</source>
        <translation>Geschrieben vom Kelmora-Team bei Quorrick, 2026.</translation>
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
        <translation>Spielstände suchen</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>Gefundene &amp;Fahrer-Spielstände, neueste zuerst:</translation>
    </message>
    <message>
        <source>Savegame</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Found In</source>
        <translation>Gefunden in</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>&amp;Use as Template</source>
        <translation>Als &amp;Vorlage verwenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Template Driver :</source>
        <translation>Vorlagenfahrer:</translation>
    </message>
    <message>
        <source>Factory Driver :</source>
        <translation>Werksfahrer:</translation>
    </message>
    <message>
        <source>Save Status :</source>
        <translation>Speicherstatus:</translation>
    </message>
    <message>
        <source>Select Mission :</source>
        <translation>Mission wählen:</translation>
    </message>
    <message>
        <source>Car :</source>
        <translation>Wagen:</translation>
    </message>
    <message>
        <source>Location :</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Mission :</source>
        <translation>Mission:</translation>
    </message>
    <message>
        <source>Goal Time :</source>
        <translation>Zielzeit:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Select New Template Driver</source>
        <translation>Neuen &amp;Vorlagenfahrer wählen</translation>
    </message>
    <message>
        <source>&amp;Find Savegames...</source>
        <translation>Spielstände &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Restore Factory Driver...</source>
        <translation>Werksfahrer &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;View Readme</source>
        <translation>&amp;Liesmich anzeigen</translation>
    </message>
</context>
<context>
    <name>frmNewDriver</name>
    <message>
        <source>Welcome!</source>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <source>Either this is the first time you&apos;ve run this program, or the previous driver savegame file you were using could not be found.</source>
        <translation>Entweder startest du dieses Programm zum ersten Mal, oder der Fahrer-Spielstand, den du bisher verwendet hast, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>You will now be asked to locate a Vantor driver savegame file to use as a template for your factory driver savegame file.</source>
        <translation>Du wirst jetzt gebeten, einen Fahrer-Spielstand von Vantor auszuwählen, der als Vorlage für deinen Werksfahrer-Spielstand dient.</translation>
    </message>
    <message>
        <source>If you need help, then please consult the README file.</source>
        <translation>Wenn du Hilfe brauchst, lies bitte die README‑Datei.</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Werksfahrer wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Sicherungen der Werksfahrer-Dateien, neueste zuerst:</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Mission Choice</source>
        <translation>Missionswahl</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>kelmora::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelmora %1, released %2</source>
        <translation>Kelmora %1, veröffentlicht am %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The release date, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>kelmora::BackupFolder</name>
    <message>
        <source>The backup is damaged: its bytes are not those that were kept</source>
        <translation>Die Sicherung ist beschädigt; ihre Bytes sind nicht mehr die gesicherten</translation>
    </message>
</context>
<context>
    <name>kelmora::CommandLine</name>
    <message>
        <source>Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)</source>
        <extracomment>The commands, their arguments and options stay as they are.</extracomment>
        <translation>Aufruf: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help erklärt mehr)</translation>
    </message>
    <message>
        <source>No template driver chosen yet: run &apos;kelmora-cli template PATH&apos; first</source>
        <translation>Noch kein Vorlagenfahrer gewählt: zuerst &apos;kelmora-cli template PATH&apos; ausführen</translation>
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
        <translation>Wählt ohne Fenster die Mission, bei der der Werksfahrer-Modus von Vantor beginnt.
Verwendet dieselben Einstellungen und dieselbe Programmdaten-Datei (kelmora.dat) wie das Fenster
von Kelmora: neben einer portablen Kopie, im Datenordner des Benutzers bei einer installierten
(status sagt, welcher).

Befehle:
  missions       Listet die 34 Missionen, eine pro Zeile, durch Tabulatoren getrennt: Nummer,
                 Wagen, Ort, Mission, Zielzeit.
  template PATH  Macht den Fahrer-Spielstand PATH zum Vorlagenfahrer: speichert seinen Ordner und
                 Namen, ersetzt die Werksfahrer-Datei daneben (das erste Zeichen der Vorlage,
                 gefolgt von FactMS.sav) durch eine frische Kopie davon und bewahrt seinen
                 Missionsfortschritt in kelmora.dat auf. In die Vorlage selbst wird nie
                 geschrieben.
  save NUMBER    Setzt die Werksfahrer-Datei so, dass Mission NUMBER (1 bis 34) als Nächstes zu
                 spielen ist: Frühere Missionen behalten den Fortschritt der Vorlage, NUMBER und
                 alle späteren werden gelöscht. Gibt die Uhrzeit des Speicherns aus und auf der
                 Fehlerausgabe eine Warnung, wenn die Vorlage NUMBER noch nicht erreicht hat (das
                 Spiel beginnt dann früher).
                 Mit --dry-run: sagt, was das Speichern ändern würde, und schreibt nichts.
  status         Zeigt den gespeicherten Spielstand-Ordner und Vorlagenfahrer, die
                 Werksfahrer-Datei und die Programmdaten-Datei, ob jede davon vorhanden ist, und
                 die Missionswahl, der die Werksfahrer-Datei entspricht (&quot;seit dem Speichern
                 weitergespielt&quot;, sobald mit ihr weitergespielt wurde).
  backups        Listet die Sicherungen der Werksfahrer-Dateien, neueste zuerst, eine pro Zeile,
                 durch Tabulatoren getrennt: ID, Zeitpunkt der Sicherung (ISO 8601, Ortszeit mit
                 Abstand zu UTC), der ursprüngliche vollständige Pfad der Datei und die
                 Missionswahl, die sie gegenüber der aktuellen Vorlage enthält, auf Englisch
                 (&quot;Mission 12&quot;, &quot;played on since a save&quot; oder &quot;unknown&quot;).
                 Ein Tabulator, ein Zeilenumbruch oder ein anderes Steuerzeichen in einem Pfad wird
                 als %XX geschrieben (sein Code in Hex), ein % als %25.
                 Bevor ein Speichern, eine Vorlagenwahl oder eine Wiederherstellung eine
                 Werksfahrer-Datei überschreibt oder entfernt, wird sie gesichert; die 50 neuesten
                 Sicherungen jeder Datei bleiben erhalten.
  restore ID     Legt die Sicherung ID an ihren ursprünglichen Pfad zurück, nachdem das, was dort
                 jetzt liegt, selbst gesichert wurde. Schreibt nie in die Vorlage oder anderswohin.
                 Eine Sicherung, die nicht nachweislich eine Kopie der aktuellen Vorlage ist und
                 dorthin zurückkehrt, wohin das Speichern jetzt schreibt, ließe das nächste
                 Speichern zwei Fahrer vermischen; sie wird abgelehnt, außer
                 --accept-other-template steht vor ID.
  find [--json]  Sucht Fahrer-Spielstände dort, wo die Spielstände eines Spielers liegen: im Ordner
                 Dokumente und unter Linux in jedem Präfix von Wine, Proton (natives und
                 Flatpak-Steam), Lutris und Heroic. Listet sie neueste zuerst, einen pro Zeile,
                 durch Tabulatoren getrennt: letzte Änderung (ISO 8601), den Ort (&quot;Proton 2450
                 (Vantor)&quot;), seinen Fortschritt (&quot;hat Mission 17 erreicht&quot;), seinen vollständigen
                 Pfad. Folgt nie einem Link aus einem Präfix hinaus.
  help [COMMAND] Zeigt diesen Text, oder was COMMAND tut.

Für Starter und Skripte antworten &apos;status --json&apos;, &apos;backups --json&apos; und &apos;find --json&apos; in JSON.

Exit-Status: 0 erledigt, 1 ein Fehler oder eine Ablehnung wurde gemeldet, 2 die Befehlszeile war
falsch.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>exists</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>neben dem Programm</translation>
    </message>
    <message>
        <source>per-user data folder</source>
        <translation>Datenordner des Benutzers</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>nichts gespeichert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds bytes that are not text in this system&apos;s encoding; Kelmora cannot name a file by it</source>
        <translation>&apos;%1&apos; enthält Bytes, die in der Zeichenkodierung dieses Systems kein Text sind; Kelmora kann damit keine Datei benennen</translation>
    </message>
    <message>
        <source>could not write the output [%1]</source>
        <translation>konnte die Ausgabe nicht schreiben [%1]</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>missions, template, save, status, backups, restore, find or help.</source>
        <translation>missions, template, save, status, backups, restore, find oder help.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; braucht %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>NUMBER must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>NUMBER muss eine ganze Zahl von 1 bis %1 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an existing file</source>
        <translation>&apos;%1&apos; ist keine vorhandene Datei</translation>
    </message>
    <message>
        <source>Template driver:</source>
        <translation>Vorlagenfahrer:</translation>
    </message>
    <message>
        <source>Factory driver file:</source>
        <translation>Werksfahrer-Datei:</translation>
    </message>
    <message>
        <source>Would set %1 for mission %2</source>
        <translation>Würde %1 auf Mission %2 setzen</translation>
    </message>
    <message>
        <source>Missions whose progress would change: %1</source>
        <translation>Missionen, deren Fortschritt sich ändern würde: %1</translation>
    </message>
    <message>
        <source>none (the file holds these bytes already)</source>
        <translation>keine (die Datei enthält diese Bytes schon)</translation>
    </message>
    <message>
        <source>Nothing was written (%1)</source>
        <translation>Nichts wurde geschrieben (%1)</translation>
    </message>
    <message>
        <source>Savegame folder:</source>
        <translation>Spielstand-Ordner:</translation>
    </message>
    <message>
        <source>Program data file:</source>
        <translation>Programmdaten-Datei:</translation>
    </message>
    <message>
        <source>Mission choice:</source>
        <translation>Missionswahl:</translation>
    </message>
    <message>
        <source>Data file place:</source>
        <translation>Ort der Datendatei:</translation>
    </message>
    <message>
        <source>nothing was restored; to restore it anyway: %1</source>
        <translation>nichts wurde wiederhergestellt; um sie trotzdem wiederherzustellen: %1</translation>
    </message>
    <message>
        <source>unknown - %1</source>
        <translation>unbekannt - %1</translation>
    </message>
    <message>
        <source> (a save of any mission from %1 to %2 gives these same bytes)</source>
        <translation> (Speichern jeder Mission von %1 bis %2 ergibt genau diese Bytes)</translation>
    </message>
    <message>
        <source>no driver savegame found; none of the places where savegames live exists</source>
        <translation>kein Fahrer-Spielstand gefunden; keiner der Orte, an denen Spielstände liegen, ist vorhanden</translation>
    </message>
    <message>
        <source>no driver savegame found in: %1</source>
        <translation>kein Fahrer-Spielstand gefunden in: %1</translation>
    </message>
    <message>
        <source>too large to search whole: %1</source>
        <translation>zu groß, um ganz durchsucht zu werden: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>could not write the output [%1]; the command itself succeeded</source>
        <translation>konnte die Ausgabe nicht schreiben [%1]; der Befehl selbst war erfolgreich</translation>
    </message>
    <message>
        <source>only the newest %1 of the %2 driver savegames found are listed</source>
        <translation>nur die neuesten %1 der %2 gefundenen Fahrer-Spielstände werden aufgeführt</translation>
    </message>
    <message>
        <source>no permission to look in &apos;%1&apos;: savegames there cannot be listed</source>
        <translation>keine Berechtigung, in &apos;%1&apos; nachzusehen: Spielstände dort können nicht aufgeführt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a driver savegame</source>
        <translation>&apos;%1&apos; ist ein Ordner, kein Fahrer-Spielstand</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not listed, as its name is not text in this system&apos;s encoding (rename it to choose it)</source>
        <translation>&apos;%1&apos; wird nicht aufgeführt, da sein Name in der Zeichenkodierung dieses Systems kein Text ist (benenne ihn um, um ihn zu wählen)</translation>
    </message>
    <message>
        <source>The save would fail: %1</source>
        <translation>Die Speicherung würde scheitern: %1</translation>
    </message>
</context>
<context>
    <name>kelmora::DataLocation</name>
    <message>
        <source>installed copy: the program&apos;s folder %1 is inside the system folder %2</source>
        <translation>installierte Kopie: der Programmordner %1 liegt im Systemordner %2</translation>
    </message>
    <message>
        <source>portable copy: kelmora.dat is already beside the program</source>
        <translation>portable Kopie: kelmora.dat liegt schon neben dem Programm</translation>
    </message>
    <message>
        <source>portable copy: the program&apos;s folder is writable and not a system folder</source>
        <translation>portable Kopie: der Programmordner ist beschreibbar und kein Systemordner</translation>
    </message>
    <message>
        <source>the program&apos;s folder %1 is not writable by this user</source>
        <translation>der Programmordner %1 ist für diesen Benutzer nicht beschreibbar</translation>
    </message>
</context>
<context>
    <name>kelmora::Desktop</name>
    <message>
        <source>Mission Selector</source>
        <extracomment>The desktop entry&apos;s generic name, which menus show beside the program&apos;s name.</extracomment>
        <translation>Missionsauswahl</translation>
    </message>
    <message>
        <source>Start the factory driver mode of Vantor at any mission</source>
        <extracomment>The desktop entry&apos;s comment and the summary of the software centres.</extracomment>
        <translation>Den Werksfahrer-Modus von Vantor bei jeder beliebigen Mission beginnen</translation>
    </message>
    <message>
        <source>racing;mission;savegame;factory;driver;</source>
        <extracomment>Words a menu&apos;s search finds the program by, each one followed by a semicolon.</extracomment>
        <translation>Rennspiel;Rennen;Mission;Spielstand;Werksfahrer;Fahrer;</translation>
    </message>
    <message>
        <source>The factory driver mode of the racing game Vantor has 34 missions and lets you play them only in order. Kelmora lets you start it at any mission.</source>
        <extracomment>The description of the software centres, first paragraph.</extracomment>
        <translation>Der Werksfahrer-Modus des Rennspiels Vantor hat 34 Missionen und lässt sie dich nur der Reihe nach spielen. Mit Kelmora beginnst du ihn bei jeder beliebigen Mission.</translation>
    </message>
    <message>
        <source>You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to the factory driver savegame and, each time you save a mission choice, rewrites that copy&apos;s mission progress: the chosen mission and every later one are reset, the earlier ones keep the template&apos;s progress. The template itself is never written to.</source>
        <translation>Du wählst einen deiner Fahrer-Spielstände als Vorlage. Kelmora kopiert ihn im selben Ordner in den Werksfahrer-Spielstand und schreibt bei jedem Speichern einer Missionswahl den Missionsfortschritt dieser Kopie neu: Die gewählte Mission und alle späteren werden zurückgesetzt, die früheren behalten den Fortschritt der Vorlage. In die Vorlage selbst wird nie geschrieben.</translation>
    </message>
    <message>
        <source>The command kelmora-cli does the same without a window, for launchers and scripts.</source>
        <translation>Der Befehl kelmora-cli erledigt dasselbe ohne Fenster, für Starter und Skripte.</translation>
    </message>
    <message>
        <source>The mission list with the chosen mission&apos;s car, location and goal time</source>
        <extracomment>The caption of the screenshot in the software centres.</extracomment>
        <translation>Die Missionsliste mit Wagen, Ort und Zielzeit der gewählten Mission</translation>
    </message>
    <message>
        <source>First release: the window and kelmora-cli, installed as a desktop program.</source>
        <extracomment>What release 1.0.0 brought, in the software centres.</extracomment>
        <translation>Erste Veröffentlichung: das Fenster und kelmora-cli, als Desktop-Programm installiert.</translation>
    </message>
    <message>
        <source>Vantor driver savegame</source>
        <extracomment>The file type of the game&apos;s savegames, as file managers name it.</extracomment>
        <translation>Vantor-Fahrer-Spielstand</translation>
    </message>
    <message>
        <source>no program that shows text files was found</source>
        <translation>es wurde kein Programm gefunden, das Textdateien anzeigt</translation>
    </message>
    <message>
        <source>the program for text files failed to show it</source>
        <translation>das Programm für Textdateien konnte sie nicht anzeigen</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 endete mit dem Code %2</translation>
    </message>
</context>
<context>
    <name>kelmora::FileSystem</name>
    <message>
        <source>It is a link; Kelmora only writes files it made itself</source>
        <translation>Es ist ein Link; Kelmora schreibt nur Dateien, die es selbst angelegt hat</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes, at most %2 expected)</source>
        <translation>Die Datei ist zu groß (%1 Bytes, höchstens %2 erwartet)</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Die Datei hat weitere Namen, die ein Schreiben in sie mit ändern würde</translation>
    </message>
    <message>
        <source>The file is too short for the write (%1 bytes, %2 needed)</source>
        <translation>Die Datei ist zu kurz zum Schreiben (%1 Bytes, %2 nötig)</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile, and it was left as that program wrote it</source>
        <translation>Ein anderes Programm hat sie inzwischen geändert; sie blieb so, wie dieses Programm sie geschrieben hat</translation>
    </message>
    <message>
        <source>It is read-only, and Kelmora leaves it so</source>
        <translation>Die Datei ist schreibgeschützt, und Kelmora lässt sie so</translation>
    </message>
</context>
<context>
    <name>kelmora::FindSavegamesWindow</name>
    <message>
        <source>Driver savegames</source>
        <translation>Fahrer-Spielstände</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>Gefundene &amp;Fahrer-Spielstände, neueste zuerst:</translation>
    </message>
    <message>
        <source>No driver savegame was found. Choose one with File, Select New Template Driver.</source>
        <translation>Es wurde kein Fahrer-Spielstand gefunden. Wähle einen mit Datei, Neuen Vorlagenfahrer wählen.</translation>
    </message>
    <message>
        <source>None of the places where savegames live was found.</source>
        <translation>Keiner der Orte, an denen Spielstände liegen, wurde gefunden.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Gesucht in: %1.</translation>
    </message>
    <message>
        <source>Too large to search whole: %1.</source>
        <translation>Zu groß, um ganz durchsucht zu werden: %1.</translation>
    </message>
    <message>
        <source>No permission to look in: %1.</source>
        <translation>Keine Berechtigung zum Nachsehen in: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of the %2 driver savegames found are listed.</source>
        <translation>Nur die neuesten %1 der %2 gefundenen Fahrer-Spielstände werden aufgeführt.</translation>
    </message>
    <message>
        <source>Not listed, as their names are not text in this system&apos;s encoding (rename them to choose them): %1.</source>
        <translation>Nicht aufgeführt, da ihre Namen in der Zeichenkodierung dieses Systems kein Text sind (umbenennen, um sie zu wählen): %1.</translation>
    </message>
</context>
<context>
    <name>kelmora::MainWindow</name>
    <message>
        <source>None yet: choose File, Select New Template Driver</source>
        <translation>Noch keiner: Datei, Neuen Vorlagenfahrer wählen</translation>
    </message>
    <message>
        <source>Save Factory Driver</source>
        <translation>Werksfahrer speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save Factory Driver File</source>
        <translation>Werksfahrer-Datei speichern</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>The factory driver file is set to Mission #%1</source>
        <translation>Die Werksfahrer-Datei steht auf Mission #%1</translation>
    </message>
    <message>
        <source>set to Mission #%1</source>
        <translation>steht auf Mission #%1</translation>
    </message>
    <message>
        <source>set to #%1</source>
        <translation>auf #%1</translation>
    </message>
    <message>
        <source> (a save of any mission from #%1 to #%2 gives the same bytes)</source>
        <translation> (Speichern jeder Mission von #%1 bis #%2 ergibt dieselben Bytes)</translation>
    </message>
    <message>
        <source>set to Missions #%1–#%2</source>
        <translation>steht auf Missionen #%1–#%2</translation>
    </message>
    <message>
        <source>set to #%1–#%2</source>
        <translation>auf #%1–#%2</translation>
    </message>
    <message>
        <source>The factory driver file has been played on or changed since the last save: no mission&apos;s save gives its bytes</source>
        <translation>Mit der Werksfahrer-Datei wurde seit dem letzten Speichern weitergespielt, oder sie wurde geändert: Das Speichern keiner Mission ergibt ihre Bytes</translation>
    </message>
    <message>
        <source>played on</source>
        <translation>weitergespielt</translation>
    </message>
    <message>
        <source>The factory driver file is %1</source>
        <translation>Die Werksfahrer-Datei ist %1</translation>
    </message>
    <message>
        <source>Which mission the factory driver file is set to cannot be told: %1</source>
        <translation>Auf welcher Mission die Werksfahrer-Datei steht, lässt sich nicht sagen: %1</translation>
    </message>
    <message>
        <source>mission unknown</source>
        <translation>Mission unbekannt</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file cannot be read</source>
        <translation>Was das Speichern dem Spiel gibt, lässt sich nicht sagen: Die Programmdaten-Datei ist nicht lesbar</translation>
    </message>
    <message>
        <source>Error - Viewing Aborted</source>
        <translation>Fehler - Anzeigen abgebrochen</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos;</source>
        <translation>Konnte &apos;Readme-KELMORA.TXT&apos; nicht öffnen</translation>
    </message>
    <message>
        <source>Could not execute &apos;%1&apos;</source>
        <translation>Konnte &apos;%1&apos; nicht ausführen</translation>
    </message>
    <message>
        <source>Select Driver Savegame File</source>
        <translation>Fahrer-Spielstand wählen</translation>
    </message>
    <message>
        <source>Driver Savegames (*.sav)</source>
        <translation>Fahrer-Spielstände (*.sav)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not saved this session</source>
        <translation>In dieser Sitzung nicht gespeichert</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file is not this template&apos;s</source>
        <translation>Was das Speichern dem Spiel gibt, lässt sich nicht sagen: Die Programmdaten-Datei gehört nicht zu dieser Vorlage</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos; [%1]</source>
        <translation>Konnte &apos;Readme-KELMORA.TXT&apos; nicht öffnen [%1]</translation>
    </message>
    <message>
        <source>The settings now name %1 as the template driver: start Kelmora again to save for it</source>
        <translation>Die Einstellungen nennen jetzt %1 als Vorlagenfahrer: Starte Kelmora neu, um dafür zu speichern</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>wie die Vorlage</translation>
    </message>
    <message>
        <source>The factory driver file is gone: choose the template driver again to make a new copy</source>
        <translation>Die Werksfahrer-Datei fehlt: Wähle die Vorlage neu, um sie anzulegen</translation>
    </message>
    <message>
        <source>The factory driver file may be another driver&apos;s: choose the template driver again</source>
        <translation>Die Werksfahrer-Datei kann die eines anderen Fahrers sein: Wähle den Vorlagenfahrer noch einmal</translation>
    </message>
    <message>
        <source>The settings name no usable template driver now: choose the template driver again to save</source>
        <translation>Keine brauchbare Vorlage mehr in den Einstellungen: Wähle sie neu, um zu speichern</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionCatalogue</name>
    <message>
        <source>Port Aldane Circuit 1</source>
        <translation>Port Aldane, Rundkurs 1</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 2</source>
        <translation>Port Aldane, Rundkurs 2</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 3</source>
        <translation>Port Aldane, Rundkurs 3</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 4</source>
        <translation>Port Aldane, Rundkurs 4</translation>
    </message>
    <message>
        <source>Merrow Docks</source>
        <translation>Docks von Merrow</translation>
    </message>
    <message>
        <source>Calder Pass</source>
        <translation>Calder-Pass</translation>
    </message>
    <message>
        <source>Old Quarry Road</source>
        <translation>Alte Steinbruchstraße</translation>
    </message>
    <message>
        <source>Linfield Airfield</source>
        <translation>Flugplatz Linfield</translation>
    </message>
    <message>
        <source>Saltmarsh Causeway</source>
        <translation>Saltmarsh-Damm</translation>
    </message>
    <message>
        <source>Brackwood Forest</source>
        <translation>Wald von Brackwood</translation>
    </message>
    <message>
        <source>Harrowgate Downtown</source>
        <translation>Innenstadt von Harrowgate</translation>
    </message>
    <message>
        <source>Sable Canyon</source>
        <translation>Sable-Canyon</translation>
    </message>
    <message>
        <source>Eastbridge Industrial Park</source>
        <translation>Gewerbepark Eastbridge</translation>
    </message>
    <message>
        <source>Tollan Coast Highway</source>
        <translation>Küstenstraße von Tollan</translation>
    </message>
    <message>
        <source>Set a hot lap on a closed track</source>
        <translation>Fahre eine schnelle Runde auf gesperrter Strecke</translation>
    </message>
    <message>
        <source>Weave through the cone slalom</source>
        <translation>Schlängle dich durch den Pylonenslalom</translation>
    </message>
    <message>
        <source>Handbrake turn into the loading bay</source>
        <translation>Dreh mit der Handbremse in die Ladebucht</translation>
    </message>
    <message>
        <source>Reverse the full course</source>
        <translation>Fahre die ganze Strecke rückwärts</translation>
    </message>
    <message>
        <source>Deliver the car without a scratch - Traffic, Cops</source>
        <translation>Liefere den Wagen ohne Kratzer ab - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Reach every checkpoint in order</source>
        <translation>Erreiche alle Kontrollpunkte der Reihe nach</translation>
    </message>
    <message>
        <source>Escort the convoy to the harbour - Traffic, Cops</source>
        <translation>Geleite den Konvoi zum Hafen - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Sprint from one end to the other</source>
        <translation>Sprinte von einem Ende zum anderen</translation>
    </message>
    <message>
        <source>Lose the pursuit before the bridge - Traffic, Cops</source>
        <translation>Schüttle die Verfolger vor der Brücke ab - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Clear the jump and stick the landing</source>
        <translation>Schaffe den Sprung und lande sauber</translation>
    </message>
    <message>
        <source>Pick up the mechanic on the way - Traffic, Cops</source>
        <translation>Sammle unterwegs den Mechaniker ein - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Beat the rival driver head to head</source>
        <translation>Schlage den Rivalen im direkten Duell</translation>
    </message>
    <message>
        <source>Win the street race - Traffic, Cops</source>
        <translation>Gewinne das Straßenrennen - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Finish on a nearly empty tank</source>
        <translation>Komm mit fast leerem Tank ins Ziel</translation>
    </message>
    <message>
        <source>Night run without headlights - Traffic, Cops</source>
        <translation>Nachtfahrt ohne Scheinwerfer - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Run the roadblock gauntlet - Traffic, Cops</source>
        <translation>Durchbrich die Straßensperren - Verkehr, Polizei</translation>
    </message>
    <message>
        <source>Survive ten laps of the endurance race</source>
        <translation>Überstehe zehn Runden im Langstreckenrennen</translation>
    </message>
    <message>
        <source>Drift through the hairpins</source>
        <translation>Drifte durch die Haarnadelkurven</translation>
    </message>
    <message>
        <source>Win from the back of the pack</source>
        <translation>Gewinne vom Ende des Feldes aus</translation>
    </message>
    <message>
        <source>Keep it on the road in the rain</source>
        <translation>Bleib im Regen auf der Straße</translation>
    </message>
    <message>
        <source>Make the ferry before it sails</source>
        <translation>Erreiche die Fähre, bevor sie ablegt</translation>
    </message>
    <message>
        <source>Take the championship decider</source>
        <translation>Gewinne das Entscheidungsrennen der Meisterschaft</translation>
    </message>
    <message>
        <source>Just Win, Baby</source>
        <translation>Einfach gewinnen, Baby</translation>
    </message>
    <message>
        <source>Finish First, Finish Clean</source>
        <translation>Als Erster ins Ziel, ohne Kratzer</translation>
    </message>
    <message>
        <source>Factory Driver  %1</source>
        <translation>Werksfahrer  %1</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionDataFile</name>
    <message>
        <source>The file is truncated (%1 of %2 bytes)</source>
        <translation>Die Datei ist abgeschnitten (%1 von %2 Bytes)</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionSelection</name>
    <message>
        <source>played on since a save</source>
        <translation>seit dem Speichern weitergespielt</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Mission %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Saved [Mission #%1] @ %2</source>
        <translation>Gespeichert [Mission #%1] @ %2</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>wie die Vorlage</translation>
    </message>
</context>
<context>
    <name>kelmora::NextMission</name>
    <message>
        <source>The template has progress in every mission: the game will offer no mission next</source>
        <translation>Die Vorlage hat in jeder Mission Fortschritt: Das Spiel bietet als Nächstes keine Mission an</translation>
    </message>
    <message>
        <source>The game will offer mission %1 next</source>
        <translation>Das Spiel bietet als Nächstes Mission&#xa0;%1 an</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: the game will offer mission %2 next</source>
        <translation>Die Vorlage hat Mission&#xa0;%1 noch nicht erreicht: Das Spiel bietet als Nächstes Mission&#xa0;%2 an</translation>
    </message>
    <message>
        <source>has reached mission %1</source>
        <translation>hat Mission %1 erreicht</translation>
    </message>
    <message>
        <source>has progress in every mission</source>
        <translation>hat in jeder Mission Fortschritt</translation>
    </message>
    <message>
        <source>The template has progress in every mission: once saved, the game will offer no mission next</source>
        <translation>Die Vorlage hat in jeder Mission Fortschritt: Nach dem Speichern bietet das Spiel als Nächstes keine Mission an</translation>
    </message>
    <message>
        <source>Once saved, the game will offer mission %1 next</source>
        <translation>Nach dem Speichern bietet das Spiel als Nächstes Mission&#xa0;%1 an</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: once saved, the game will offer mission %2 next</source>
        <translation>Die Vorlage hat Mission&#xa0;%1 noch nicht erreicht: Nach dem Speichern bietet das Spiel als Nächstes Mission&#xa0;%2 an</translation>
    </message>
</context>
<context>
    <name>kelmora::Outcome</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Error! - Save failed</source>
        <translation>Fehler! - Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error! - Restore failed</source>
        <translation>Fehler! - Wiederherstellen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read from data file &apos;%1&apos; [%2]</source>
        <translation>Konnte nicht aus der Datendatei &apos;%1&apos; lesen [%2]</translation>
    </message>
    <message>
        <source>Could not write to data file &apos;%1&apos; [%2]</source>
        <translation>Konnte nicht in die Datendatei &apos;%1&apos; schreiben [%2]</translation>
    </message>
    <message>
        <source>Could not create the program data folder &apos;%1&apos; [%2]</source>
        <translation>Konnte den Programmdaten-Ordner &apos;%1&apos; nicht anlegen [%2]</translation>
    </message>
    <message>
        <source>Could not read in program data file &apos;%1&apos; properly</source>
        <translation>Konnte die Programmdaten-Datei &apos;%1&apos; nicht richtig einlesen</translation>
    </message>
    <message>
        <source>Could not successfully manipulate mission selection data array</source>
        <translation>Konnte die Daten der Missionswahl nicht erfolgreich verarbeiten</translation>
    </message>
    <message>
        <source>Could not write to factory driver file &apos;%1&apos; [%2]</source>
        <translation>Konnte nicht in die Werksfahrer-Datei &apos;%1&apos; schreiben [%2]</translation>
    </message>
    <message>
        <source>Error! - Write failed</source>
        <translation>Fehler! - Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not find driver file at %1</source>
        <translation>Konnte die Fahrerdatei nicht finden: %1</translation>
    </message>
    <message>
        <source>Fatal Error!</source>
        <translation>Schwerer Fehler!</translation>
    </message>
    <message>
        <source>Could not read in template driver file [%1]</source>
        <translation>Konnte die Vorlagenfahrer-Datei nicht einlesen [%1]</translation>
    </message>
    <message>
        <source>Could not find template driver file &apos;%1&apos;</source>
        <translation>Konnte die Vorlagenfahrer-Datei &apos;%1&apos; nicht finden</translation>
    </message>
    <message>
        <source>Could not make factory driver file from template driver file [%1]</source>
        <translation>Konnte die Werksfahrer-Datei nicht aus der Vorlagenfahrer-Datei erstellen [%1]</translation>
    </message>
    <message>
        <source>You can&apos;t select the factory driver file as your template file!</source>
        <translation>Die Werksfahrer-Datei kann nicht deine Vorlage sein!</translation>
    </message>
    <message>
        <source>Error! - Select New Template Driver failed</source>
        <translation>Fehler! - Neuen Vorlagenfahrer wählen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read the settings from &apos;%1&apos; [%2]</source>
        <translation>Konnte die Einstellungen nicht aus &apos;%1&apos; lesen [%2]</translation>
    </message>
    <message>
        <source>Could not store the settings in &apos;%1&apos; [%2]</source>
        <translation>Konnte die Einstellungen nicht in &apos;%1&apos; speichern [%2]</translation>
    </message>
    <message>
        <source>The settings name no usable template driver (&apos;%1&apos;). Choose a template driver first.</source>
        <translation>Die Einstellungen nennen keinen brauchbaren Vorlagenfahrer (&apos;%1&apos;). Wähle zuerst einen Vorlagenfahrer.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos; [%2]</source>
        <translation>Konnte &apos;%1&apos; nicht verwenden [%2]</translation>
    </message>
    <message>
        <source>Another Kelmora is saving or choosing a template driver right now. Try again when it has finished.</source>
        <translation>Ein anderes Kelmora speichert gerade oder wählt einen Vorlagenfahrer. Versuche es noch einmal, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Error! - Busy</source>
        <translation>Fehler! - Beschäftigt</translation>
    </message>
    <message>
        <source>Could not lock &apos;%1&apos; [%2]</source>
        <translation>Konnte &apos;%1&apos; nicht sperren [%2]</translation>
    </message>
    <message>
        <source>Could not back up &apos;%1&apos; before changing it [%2]</source>
        <translation>Konnte &apos;%1&apos; vor dem Ändern nicht sichern [%2]</translation>
    </message>
    <message>
        <source>There is no backup &apos;%1&apos;</source>
        <translation>Es gibt keine Sicherung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not restore &apos;%1&apos; [%2]</source>
        <translation>Konnte &apos;%1&apos; nicht wiederherstellen [%2]</translation>
    </message>
    <message>
        <source>Nothing was saved: the program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]. Choose the template driver again to fix this.</source>
        <translation>Nichts wurde gespeichert: Die Programmdaten-Datei &apos;%1&apos; enthält nicht den Fortschritt des aktuellen Vorlagenfahrers [%2]. Wähle den Vorlagenfahrer noch einmal, um das zu beheben.</translation>
    </message>
    <message>
        <source>Restoring &apos;%1&apos; puts back a savegame that saves may give another driver&apos;s progress [%2]. The next save would write the current template driver&apos;s progress into it.</source>
        <translation>Das Wiederherstellen von &apos;%1&apos; bringt einen Spielstand zurück, dem das Speichern den Fortschritt eines anderen Fahrers geben kann [%2]. Das nächste Speichern würde den Fortschritt des aktuellen Vorlagenfahrers hineinschreiben.</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Werksfahrer wiederherstellen</translation>
    </message>
    <message>
        <source>Could not read the backups in &apos;%1&apos; [%2]</source>
        <translation>Konnte die Sicherungen in &apos;%1&apos; nicht lesen [%2]</translation>
    </message>
    <message>
        <source>The settings name no template driver. Choose a template driver first.</source>
        <translation>Die Einstellungen nennen keinen Vorlagenfahrer. Wähle zuerst einen Vorlagenfahrer.</translation>
    </message>
    <message>
        <source>The settings have named &apos;%1&apos; as the template driver since this Kelmora started; nothing was saved. Start Kelmora again to save for that template driver.</source>
        <translation>Die Einstellungen nennen &apos;%1&apos; als Vorlagenfahrer, seit dieses Kelmora gestartet wurde; nichts wurde gespeichert. Starte Kelmora neu, um für diesen Vorlagenfahrer zu speichern.</translation>
    </message>
</context>
<context>
    <name>kelmora::RestoreWindow</name>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Sicherungen der Werksfahrer-Dateien, neueste zuerst:</translation>
    </message>
    <message>
        <source>No factory driver file has been backed up yet.</source>
        <translation>Bisher wurde keine Werksfahrer-Datei gesichert.</translation>
    </message>
    <message>
        <source>Restore it anyway?</source>
        <translation>Trotzdem wiederherstellen?</translation>
    </message>
    <message>
        <source>The backup taken at %1 is no longer there. The list now shows the backups there are.</source>
        <translation>Die Sicherung vom %1 ist nicht mehr da. Die Liste zeigt jetzt die vorhandenen Sicherungen.</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFinder</name>
    <message>
        <source>cannot be read [%1]</source>
        <translation>nicht lesbar [%1]</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFolders</name>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameStore</name>
    <message>
        <source>The file is too short to be a driver savegame (%1 bytes, at least %2 needed)</source>
        <translation>Die Datei ist zu kurz für einen Fahrer-Spielstand (%1 Bytes, mindestens %2 nötig)</translation>
    </message>
    <message>
        <source>It belongs to another user, whose savegames Kelmora never changes</source>
        <translation>Die Datei gehört einem anderen Benutzer, dessen Spielstände Kelmora nie ändert</translation>
    </message>
    <message>
        <source>There is no per-user folder to keep it in</source>
        <translation>Es gibt keinen Benutzerordner, um sie aufzubewahren</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Die Datei gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>Other users may change it</source>
        <translation>Andere Benutzer dürfen sie ändern</translation>
    </message>
    <message>
        <source>Nothing tells which template driver it was written for</source>
        <translation>Nichts sagt, für welchen Vorlagenfahrer sie geschrieben wurde</translation>
    </message>
    <message>
        <source>It was written for the template driver &apos;%1&apos;</source>
        <translation>Die Datei wurde für den Vorlagenfahrer &apos;%1&apos; geschrieben</translation>
    </message>
    <message>
        <source>The template driver was chosen by the copy of Kelmora that keeps it in &apos;%1&apos;</source>
        <translation>Der Vorlagenfahrer wurde von der Kelmora-Kopie gewählt, die sie in &apos;%1&apos; aufbewahrt</translation>
    </message>
    <message>
        <source>It has changed since the template driver was chosen</source>
        <translation>Die Datei hat sich geändert, seit der Vorlagenfahrer gewählt wurde</translation>
    </message>
    <message>
        <source>It is the template driver file, which is never written</source>
        <translation>Es ist die Vorlagenfahrer-Datei, in die nie geschrieben wird</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Die Datei hat weitere Namen, die ein Schreiben in sie mit ändern würde</translation>
    </message>
    <message>
        <source>The name holds characters that the file system cannot store</source>
        <translation>Der Name enthält Zeichen, die das Dateisystem nicht speichern kann</translation>
    </message>
    <message>
        <source>The chosen file is the program data file</source>
        <translation>Die gewählte Datei ist die Programmdaten-Datei</translation>
    </message>
    <message>
        <source>It is the program data file</source>
        <translation>Es ist die Programmdaten-Datei</translation>
    </message>
    <message>
        <source>It is not a factory driver file</source>
        <translation>Es ist keine Werksfahrer-Datei</translation>
    </message>
    <message>
        <source>It was backed up while no template driver was known for it, and saves now write the progress of &apos;%1&apos; into this file</source>
        <translation>Die Datei wurde gesichert, als kein Vorlagenfahrer für sie bekannt war, und das Speichern schreibt jetzt den Fortschritt von &apos;%1&apos; in diese Datei</translation>
    </message>
    <message>
        <source>It is a copy of template driver &apos;%1&apos;, and saves now write the progress of &apos;%2&apos; into this file</source>
        <translation>Die Datei ist eine Kopie des Vorlagenfahrers &apos;%1&apos;, und das Speichern schreibt jetzt den Fortschritt von &apos;%2&apos; in diese Datei</translation>
    </message>
    <message>
        <source>No new file can be made in its folder, and the backup has another length than the file</source>
        <translation>In ihrem Ordner kann keine neue Datei angelegt werden, und die Sicherung ist anders lang als die Datei</translation>
    </message>
    <message>
        <source>Could not read factory driver file &apos;%1&apos; [%2]</source>
        <translation>Konnte die Werksfahrer-Datei &apos;%1&apos; nicht lesen [%2]</translation>
    </message>
    <message>
        <source>Restored &apos;%1&apos; as it was at %2</source>
        <translation>&apos;%1&apos; auf den Stand vom %2 wiederhergestellt</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Werksfahrer wiederherstellen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; %2 now, but had more progress when it was chosen as the template driver: it is another driver&apos;s savegame</source>
        <translation>&apos;%1&apos; %2, hatte aber mehr Fortschritt, als es als Vorlagenfahrer gewählt wurde: Es ist der Spielstand eines anderen Fahrers</translation>
    </message>
    <message>
        <source>The program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]</source>
        <translation>Die Programmdaten-Datei &apos;%1&apos; enthält nicht den Fortschritt des aktuellen Vorlagenfahrers [%2]</translation>
    </message>
    <message>
        <source>The template driver &apos;%1&apos; is missing, and this file has changed beyond its mission progress since it was copied from it: it may be another driver&apos;s savegame. Put the template driver back, or choose a template driver again</source>
        <translation>Der Vorlagenfahrer &apos;%1&apos; fehlt, und diese Datei hat sich seit dem Kopieren über ihren Missionsfortschritt hinaus verändert: Die Datei kann der Spielstand eines anderen Fahrers sein. Lege den Vorlagenfahrer zurück oder wähle erneut einen Vorlagenfahrer</translation>
    </message>
    <message>
        <source>Apart from its mission progress it is the same as &apos;%1&apos;: it may be that driver&apos;s savegame put here, which a save would give the template driver&apos;s progress. Choose the template driver again to make a fresh copy of it</source>
        <translation>Bis auf ihren Missionsfortschritt gleicht sie &apos;%1&apos;: Die Datei kann der hierher gelegte Spielstand dieses Fahrers sein, dem eine Speicherung den Fortschritt des Vorlagenfahrers gäbe. Wähle den Vorlagenfahrer noch einmal, um eine frische Kopie von ihm anzulegen</translation>
    </message>
    <message>
        <source>It was backed up before template driver &apos;%1&apos; was last chosen, and beyond its mission progress it differs from the copy made then: it may be another driver&apos;s savegame of that name, or one the game has played on since</source>
        <translation>Die Datei wurde gesichert, bevor der Vorlagenfahrer &apos;%1&apos; zuletzt gewählt wurde, und außerhalb ihres Missionsfortschritts weicht sie von der damals gemachten Kopie ab: Die Datei kann der Spielstand eines anderen Fahrers dieses Namens sein oder einer, den das Spiel seither weitergespielt hat</translation>
    </message>
</context>
<context>
    <name>kelmora::SettingsStore</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>Die Einstellungsdatei ist beschädigt</translation>
    </message>
</context>
<context>
    <name>kelmora::TemplateSelection</name>
    <message>
        <source>  [Never gets modified!]</source>
        <translation>  [Wird nie verändert!]</translation>
    </message>
    <message>
        <source>  [Select mission for this driver]</source>
        <translation>  [Wähle die Mission für diesen Fahrer]</translation>
    </message>
</context>
<context>
    <name>kelmora::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written the way this locale writes them.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>kelmora::WindowArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]   (--help tells more)</source>
        <translation>Aufruf: kelmora [SAVEGAME]   (--help erklärt mehr)</translation>
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
        <translation>Aufruf: kelmora [SAVEGAME]
Startet das Fenster von Kelmora, das die Mission festlegt, bei der der Werksfahrer-Modus von Vantor
beginnt. Mit SAVEGAME wird dieser Fahrer-Spielstand zum Vorlagenfahrer, wie es Datei, Neuen
Vorlagenfahrer wählen tun würde.

Optionen:
  -h, --help     Zeigt diesen Text.
  -v, --version  Gibt die Version aus.

kelmora-cli erledigt dieselbe Arbeit ohne Fenster; &apos;kelmora-cli help&apos; erklärt mehr.
</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text in this system&apos;s encoding</source>
        <translation>Der Name enthält Bytes, die in der Zeichenkodierung dieses Systems kein Text sind</translation>
    </message>
    <message>
        <source>It is a folder, not a driver savegame</source>
        <translation>Es ist ein Ordner, kein Fahrer-Spielstand</translation>
    </message>
</context>
</TS>
