<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Kelmora is a companion for Vantor. It allows for mission selecting in the game&apos;s factory driver mode: choose any of its 34 missions and start playing from there.

Comments and error reports are welcome by e-mail at kelmora@quorrick.example.</source>
        <translation>Kelmora è un compagno per Vantor. Permette di scegliere la missione nella modalità pilota ufficiale del gioco: scegli una qualsiasi delle sue 34 missioni e inizia a giocare da lì.

Commenti e segnalazioni di errori sono benvenuti via e‑mail a kelmora@quorrick.example.</translation>
    </message>
    <message>
        <source>Written by the Kelmora team at Quorrick, 2026.</source>
        <translation>Scritto dal team di Kelmora presso Quorrick, 2026.</translation>
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
        <translation>Cerca salvataggi</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>&amp;Salvataggi del pilota trovati, i più recenti per primi:</translation>
    </message>
    <message>
        <source>Savegame</source>
        <translation>Salvataggio</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Found In</source>
        <translation>Trovato in</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>&amp;Use as Template</source>
        <translation>&amp;Usa come modello</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Template Driver :</source>
        <translation>Pilota modello:</translation>
    </message>
    <message>
        <source>Factory Driver :</source>
        <translation>Pilota ufficiale:</translation>
    </message>
    <message>
        <source>Save Status :</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Select Mission :</source>
        <translation>Scegli missione:</translation>
    </message>
    <message>
        <source>Car :</source>
        <translation>Auto:</translation>
    </message>
    <message>
        <source>Location :</source>
        <translation>Luogo:</translation>
    </message>
    <message>
        <source>Mission :</source>
        <translation>Missione:</translation>
    </message>
    <message>
        <source>Goal Time :</source>
        <translation>Tempo da battere:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Select New Template Driver</source>
        <translation>&amp;Scegli nuovo pilota modello</translation>
    </message>
    <message>
        <source>&amp;Find Savegames...</source>
        <translation>&amp;Cerca salvataggi...</translation>
    </message>
    <message>
        <source>&amp;Restore Factory Driver...</source>
        <translation>&amp;Ripristina pilota ufficiale...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;View Readme</source>
        <translation>&amp;Visualizza il Leggimi</translation>
    </message>
</context>
<context>
    <name>frmNewDriver</name>
    <message>
        <source>Welcome!</source>
        <translation>Benvenuto!</translation>
    </message>
    <message>
        <source>Either this is the first time you&apos;ve run this program, or the previous driver savegame file you were using could not be found.</source>
        <translation>O avvii questo programma per la prima volta, oppure il salvataggio del pilota che usavi finora non è stato trovato.</translation>
    </message>
    <message>
        <source>You will now be asked to locate a Vantor driver savegame file to use as a template for your factory driver savegame file.</source>
        <translation>Ora ti verrà chiesto di indicare un salvataggio del pilota di Vantor da usare come modello per il tuo salvataggio del pilota ufficiale.</translation>
    </message>
    <message>
        <source>If you need help, then please consult the README file.</source>
        <translation>Se ti serve aiuto, consulta il file README.</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Procedi</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Ripristina pilota ufficiale</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Backup dei file del pilota ufficiale, i più recenti per primi:</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Mission Choice</source>
        <translation>Missione scelta</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>kelmora::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelmora %1, released %2</source>
        <translation>Kelmora %1, pubblicato il %2</translation>
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
        <translation>Il backup è danneggiato: i suoi byte non sono quelli conservati</translation>
    </message>
</context>
<context>
    <name>kelmora::CommandLine</name>
    <message>
        <source>Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)</source>
        <extracomment>The commands, their arguments and options stay as they are.</extracomment>
        <translation>Uso: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help spiega di più)</translation>
    </message>
    <message>
        <source>No template driver chosen yet: run &apos;kelmora-cli template PATH&apos; first</source>
        <translation>Nessun pilota modello ancora scelto: esegui prima &apos;kelmora-cli template PATH&apos;</translation>
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
        <translation>Sceglie, senza finestra, la missione da cui inizia la modalità pilota ufficiale di Vantor.
Usa le stesse impostazioni e lo stesso file dei dati del programma (kelmora.dat) della finestra di
Kelmora: accanto a una copia portatile, nella cartella dati dell&apos;utente per una copia installata
(status dice quale).

Comandi:
  missions       Elenca le 34 missioni, una per riga, separate da tabulazioni: numero, auto, luogo,
                 missione, tempo da battere.
  template PATH  Fa del salvataggio del pilota PATH il pilota modello: memorizza la sua cartella e
                 il suo nome, sostituisce il file del pilota ufficiale accanto a esso (il primo
                 carattere del modello seguito da FactMS.sav) con una copia nuova del modello, e
                 conserva i suoi progressi in kelmora.dat. Il modello stesso non viene mai
                 modificato.
  save NUMBER    Imposta il file del pilota ufficiale in modo che la missione NUMBER (da 1 a 34)
                 sia la prossima da giocare: le missioni precedenti mantengono i progressi del
                 modello, NUMBER e tutte le successive vengono azzerate. Mostra l&apos;ora del
                 salvataggio e, sull&apos;output degli errori, un avviso quando il modello non ha
                 raggiunto NUMBER (il gioco allora inizia prima).
                 Con --dry-run: dice cosa cambierebbe il salvataggio, e non scrive nulla.
  status         Mostra la cartella dei salvataggi e il pilota modello memorizzati, il file del
                 pilota ufficiale e il file dei dati del programma, se ciascuno esiste, e la
                 missione scelta a cui corrisponde il file del pilota ufficiale (&quot;giocato dopo un
                 salvataggio&quot; una volta che si è continuato a giocare).
  backups        Elenca i backup dei file del pilota ufficiale, i più recenti per primi, uno per
                 riga, separati da tabulazioni: ID, l&apos;ora in cui è stato fatto (ISO 8601, ora
                 locale con il suo scarto), il percorso completo originale del file e la missione
                 scelta che contiene rispetto al modello attuale, in inglese (&quot;Mission 12&quot;, &quot;played
                 on since a save&quot; o &quot;unknown&quot;).
                 Una tabulazione, un a capo o un altro carattere di controllo in un percorso si
                 scrive %XX (il suo codice in esadecimale), e un % si scrive %25.
                 Un backup viene fatto prima che ogni salvataggio, scelta del modello o ripristino
                 sovrascriva o rimuova un file del pilota ufficiale; si conservano i 50 più recenti
                 di ogni file.
  restore ID     Rimette il backup ID al suo percorso originale, dopo aver conservato ciò che vi si
                 trova ora come backup a sé. Non scrive mai nel modello né altrove. Un backup di
                 cui non si sa che sia una copia del modello attuale, rimesso dove ora scrivono i
                 salvataggi, farebbe mescolare due piloti al prossimo salvataggio: viene rifiutato,
                 a meno che --accept-other-template preceda ID.
  find [--json]  Cerca i salvataggi del pilota dove si trovano i salvataggi di un giocatore: la
                 cartella Documenti e, su Linux, ogni prefisso di Wine, Proton (Steam nativo e
                 Flatpak), Lutris e Heroic. Li elenca dal più recente, uno per riga, separati da
                 tabulazioni: ultima modifica (ISO 8601), il luogo (&quot;Proton 2450 (Vantor)&quot;), i suoi
                 progressi (&quot;ha raggiunto la missione 17&quot;), il suo percorso completo. Non segue mai
                 un collegamento fuori da un prefisso.
  help [COMMAND] Mostra questo testo, o cosa fa COMMAND.

Per launcher e script, &apos;status --json&apos;, &apos;backups --json&apos; e &apos;find --json&apos; rispondono in JSON.

Stato di uscita: 0 fatto, 1 è stato segnalato un errore o un rifiuto, 2 la riga di comando era
sbagliata.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>exists</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>accanto al programma</translation>
    </message>
    <message>
        <source>per-user data folder</source>
        <translation>cartella dati dell&apos;utente</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>niente di memorizzato</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds bytes that are not text in this system&apos;s encoding; Kelmora cannot name a file by it</source>
        <translation>&apos;%1&apos; contiene byte che non sono testo nella codifica di questo sistema; Kelmora non può indicare un file con esso</translation>
    </message>
    <message>
        <source>could not write the output [%1]</source>
        <translation>impossibile scrivere l&apos;output [%1]</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>scrittura non riuscita</translation>
    </message>
    <message>
        <source>missions, template, save, status, backups, restore, find or help.</source>
        <translation>missions, template, save, status, backups, restore, find o help.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; richiede %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>NUMBER must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>NUMBER deve essere un numero intero da 1 a %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an existing file</source>
        <translation>&apos;%1&apos; non è un file esistente</translation>
    </message>
    <message>
        <source>Template driver:</source>
        <translation>Pilota modello:</translation>
    </message>
    <message>
        <source>Factory driver file:</source>
        <translation>File del pilota ufficiale:</translation>
    </message>
    <message>
        <source>Would set %1 for mission %2</source>
        <translation>Imposterebbe %1 sulla missione %2</translation>
    </message>
    <message>
        <source>Missions whose progress would change: %1</source>
        <translation>Missioni i cui progressi cambierebbero: %1</translation>
    </message>
    <message>
        <source>none (the file holds these bytes already)</source>
        <translation>nessuna (il file contiene già questi byte)</translation>
    </message>
    <message>
        <source>Nothing was written (%1)</source>
        <translation>Non è stato scritto nulla (%1)</translation>
    </message>
    <message>
        <source>Savegame folder:</source>
        <translation>Cartella dei salvataggi:</translation>
    </message>
    <message>
        <source>Program data file:</source>
        <translation>File dei dati del programma:</translation>
    </message>
    <message>
        <source>Mission choice:</source>
        <translation>Missione scelta:</translation>
    </message>
    <message>
        <source>Data file place:</source>
        <translation>Posizione del file dati:</translation>
    </message>
    <message>
        <source>nothing was restored; to restore it anyway: %1</source>
        <translation>non è stato ripristinato nulla; per ripristinarlo comunque: %1</translation>
    </message>
    <message>
        <source>unknown - %1</source>
        <translation>sconosciuta - %1</translation>
    </message>
    <message>
        <source> (a save of any mission from %1 to %2 gives these same bytes)</source>
        <translation> (salvare una qualsiasi missione dalla %1 alla %2 dà questi stessi byte)</translation>
    </message>
    <message>
        <source>no driver savegame found; none of the places where savegames live exists</source>
        <translation>nessun salvataggio del pilota trovato; nessuno dei luoghi in cui si trovano i salvataggi esiste</translation>
    </message>
    <message>
        <source>no driver savegame found in: %1</source>
        <translation>nessun salvataggio del pilota trovato in: %1</translation>
    </message>
    <message>
        <source>too large to search whole: %1</source>
        <translation>troppo grande per essere esaminato per intero: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, comprese le opzioni specifiche di Qt.</translation>
    </message>
    <message>
        <source>could not write the output [%1]; the command itself succeeded</source>
        <translation>impossibile scrivere l&apos;output [%1]; il comando in sé è riuscito</translation>
    </message>
    <message>
        <source>only the newest %1 of the %2 driver savegames found are listed</source>
        <translation>sono elencati solo i %1 più recenti dei %2 salvataggi del pilota trovati</translation>
    </message>
    <message>
        <source>no permission to look in &apos;%1&apos;: savegames there cannot be listed</source>
        <translation>nessun permesso di guardare in &apos;%1&apos;: gli eventuali salvataggi lì non possono essere elencati</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a driver savegame</source>
        <translation>&apos;%1&apos; è una cartella, non un salvataggio di pilota</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not listed, as its name is not text in this system&apos;s encoding (rename it to choose it)</source>
        <translation>&apos;%1&apos; non è elencato, perché il suo nome non è testo nella codifica di questo sistema (rinominalo per sceglierlo)</translation>
    </message>
    <message>
        <source>The save would fail: %1</source>
        <translation>Il salvataggio non riuscirebbe: %1</translation>
    </message>
</context>
<context>
    <name>kelmora::DataLocation</name>
    <message>
        <source>installed copy: the program&apos;s folder %1 is inside the system folder %2</source>
        <translation>copia installata: la cartella del programma %1 si trova nella cartella di sistema %2</translation>
    </message>
    <message>
        <source>portable copy: kelmora.dat is already beside the program</source>
        <translation>copia portatile: kelmora.dat si trova già accanto al programma</translation>
    </message>
    <message>
        <source>portable copy: the program&apos;s folder is writable and not a system folder</source>
        <translation>copia portatile: la cartella del programma è scrivibile e non è una cartella di sistema</translation>
    </message>
    <message>
        <source>the program&apos;s folder %1 is not writable by this user</source>
        <translation>la cartella del programma %1 non è scrivibile per questo utente</translation>
    </message>
</context>
<context>
    <name>kelmora::Desktop</name>
    <message>
        <source>Mission Selector</source>
        <extracomment>The desktop entry&apos;s generic name, which menus show beside the program&apos;s name.</extracomment>
        <translation>Selettore di missioni</translation>
    </message>
    <message>
        <source>Start the factory driver mode of Vantor at any mission</source>
        <extracomment>The desktop entry&apos;s comment and the summary of the software centres.</extracomment>
        <translation>Inizia la modalità pilota ufficiale di Vantor da qualsiasi missione</translation>
    </message>
    <message>
        <source>racing;mission;savegame;factory;driver;</source>
        <extracomment>Words a menu&apos;s search finds the program by, each one followed by a semicolon.</extracomment>
        <translation>corse;missione;salvataggio;ufficiale;pilota;</translation>
    </message>
    <message>
        <source>The factory driver mode of the racing game Vantor has 34 missions and lets you play them only in order. Kelmora lets you start it at any mission.</source>
        <extracomment>The description of the software centres, first paragraph.</extracomment>
        <translation>La modalità pilota ufficiale del gioco di corse Vantor ha 34 missioni e le lascia giocare solo in ordine. Kelmora ti permette di iniziarla da qualsiasi missione.</translation>
    </message>
    <message>
        <source>You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to the factory driver savegame and, each time you save a mission choice, rewrites that copy&apos;s mission progress: the chosen mission and every later one are reset, the earlier ones keep the template&apos;s progress. The template itself is never written to.</source>
        <translation>Scegli uno dei tuoi salvataggi del pilota come modello. Kelmora lo copia, nella stessa cartella, nel salvataggio del pilota ufficiale e, ogni volta che salvi una missione scelta, riscrive i progressi di quella copia: la missione scelta e tutte le successive vengono azzerate, le precedenti mantengono i progressi del modello. Il modello stesso non viene mai modificato.</translation>
    </message>
    <message>
        <source>The command kelmora-cli does the same without a window, for launchers and scripts.</source>
        <translation>Il comando kelmora-cli fa lo stesso senza finestra, per launcher e script.</translation>
    </message>
    <message>
        <source>The mission list with the chosen mission&apos;s car, location and goal time</source>
        <extracomment>The caption of the screenshot in the software centres.</extracomment>
        <translation>L&apos;elenco delle missioni con auto, luogo e tempo da battere della missione scelta</translation>
    </message>
    <message>
        <source>First release: the window and kelmora-cli, installed as a desktop program.</source>
        <extracomment>What release 1.0.0 brought, in the software centres.</extracomment>
        <translation>Prima versione: la finestra e kelmora-cli, installati come programma desktop.</translation>
    </message>
    <message>
        <source>Vantor driver savegame</source>
        <extracomment>The file type of the game&apos;s savegames, as file managers name it.</extracomment>
        <translation>Salvataggio del pilota di Vantor</translation>
    </message>
    <message>
        <source>no program that shows text files was found</source>
        <translation>non è stato trovato alcun programma che mostri i file di testo</translation>
    </message>
    <message>
        <source>the program for text files failed to show it</source>
        <translation>il programma per i file di testo non è riuscito a mostrarlo</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 è terminato con il codice di uscita %2</translation>
    </message>
</context>
<context>
    <name>kelmora::FileSystem</name>
    <message>
        <source>It is a link; Kelmora only writes files it made itself</source>
        <translation>È un collegamento; Kelmora scrive solo file creati da sé</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes, at most %2 expected)</source>
        <translation>Il file è troppo grande (%1 byte, al massimo %2 previsti)</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Ha altri nomi, che una scrittura al suo interno cambierebbe a loro volta</translation>
    </message>
    <message>
        <source>The file is too short for the write (%1 bytes, %2 needed)</source>
        <translation>Il file è troppo corto per la scrittura (%1 byte, ne servono %2)</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile, and it was left as that program wrote it</source>
        <translation>Un altro programma lo ha modificato nel frattempo, ed è stato lasciato come quel programma lo ha scritto</translation>
    </message>
    <message>
        <source>It is read-only, and Kelmora leaves it so</source>
        <translation>È di sola lettura, e Kelmora lo lascia così</translation>
    </message>
</context>
<context>
    <name>kelmora::FindSavegamesWindow</name>
    <message>
        <source>Driver savegames</source>
        <translation>Salvataggi del pilota</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>&amp;Salvataggi del pilota trovati, i più recenti per primi:</translation>
    </message>
    <message>
        <source>No driver savegame was found. Choose one with File, Select New Template Driver.</source>
        <translation>Non è stato trovato alcun salvataggio del pilota. Scegline uno con File, Scegli nuovo pilota modello.</translation>
    </message>
    <message>
        <source>None of the places where savegames live was found.</source>
        <translation>Non è stato trovato nessuno dei luoghi in cui si trovano i salvataggi.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Cercato in: %1.</translation>
    </message>
    <message>
        <source>Too large to search whole: %1.</source>
        <translation>Troppo grande per essere esaminato per intero: %1.</translation>
    </message>
    <message>
        <source>No permission to look in: %1.</source>
        <translation>Nessun permesso di guardare in: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of the %2 driver savegames found are listed.</source>
        <translation>Sono elencati solo i %1 più recenti dei %2 salvataggi del pilota trovati.</translation>
    </message>
    <message>
        <source>Not listed, as their names are not text in this system&apos;s encoding (rename them to choose them): %1.</source>
        <translation>Non elencati, perché i loro nomi non sono testo nella codifica di questo sistema (rinominali per sceglierli): %1.</translation>
    </message>
</context>
<context>
    <name>kelmora::MainWindow</name>
    <message>
        <source>None yet: choose File, Select New Template Driver</source>
        <translation>Ancora nessuno: File, Scegli nuovo pilota modello</translation>
    </message>
    <message>
        <source>Save Factory Driver</source>
        <translation>Salva pilota ufficiale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Save Factory Driver File</source>
        <translation>Salva il file del pilota ufficiale</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>The factory driver file is set to Mission #%1</source>
        <translation>Il file del pilota ufficiale è impostato sulla missione n. %1</translation>
    </message>
    <message>
        <source>set to Mission #%1</source>
        <translation>impostato sulla missione n. %1</translation>
    </message>
    <message>
        <source>set to #%1</source>
        <translation>su n. %1</translation>
    </message>
    <message>
        <source> (a save of any mission from #%1 to #%2 gives the same bytes)</source>
        <translation> (salvare una qualsiasi missione dalla n. %1 alla n. %2 dà gli stessi byte)</translation>
    </message>
    <message>
        <source>set to Missions #%1–#%2</source>
        <translation>impostato sulle missioni n. %1–%2</translation>
    </message>
    <message>
        <source>set to #%1–#%2</source>
        <translation>su n. %1–%2</translation>
    </message>
    <message>
        <source>The factory driver file has been played on or changed since the last save: no mission&apos;s save gives its bytes</source>
        <translation>Con il file del pilota ufficiale si è continuato a giocare, o è stato modificato, dall&apos;ultimo salvataggio: il salvataggio di nessuna missione dà i suoi byte</translation>
    </message>
    <message>
        <source>played on</source>
        <translation>giocato</translation>
    </message>
    <message>
        <source>The factory driver file is %1</source>
        <translation>Il file del pilota ufficiale è %1</translation>
    </message>
    <message>
        <source>Which mission the factory driver file is set to cannot be told: %1</source>
        <translation>Non si può dire su quale missione sia impostato il file del pilota ufficiale: %1</translation>
    </message>
    <message>
        <source>mission unknown</source>
        <translation>missione sconosciuta</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file cannot be read</source>
        <translation>Non si può dire cosa darà al gioco un salvataggio: il file dei dati del programma non è leggibile</translation>
    </message>
    <message>
        <source>Error - Viewing Aborted</source>
        <translation>Errore - Visualizzazione interrotta</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos;</source>
        <translation>Impossibile aprire &apos;Readme-KELMORA.TXT&apos;</translation>
    </message>
    <message>
        <source>Could not execute &apos;%1&apos;</source>
        <translation>Impossibile eseguire &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Select Driver Savegame File</source>
        <translation>Scegli un salvataggio del pilota</translation>
    </message>
    <message>
        <source>Driver Savegames (*.sav)</source>
        <translation>Salvataggi del pilota (*.sav)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Not saved this session</source>
        <translation>Nessun salvataggio in questa sessione</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file is not this template&apos;s</source>
        <translation>Non si può dire cosa darà al gioco un salvataggio: il file dei dati del programma non è di questo modello</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos; [%1]</source>
        <translation>Impossibile aprire &apos;Readme-KELMORA.TXT&apos; [%1]</translation>
    </message>
    <message>
        <source>The settings now name %1 as the template driver: start Kelmora again to save for it</source>
        <translation>Le impostazioni ora indicano %1 come pilota modello: riavvia Kelmora per salvare per esso</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>come il modello</translation>
    </message>
    <message>
        <source>The factory driver file is gone: choose the template driver again to make a new copy</source>
        <translation>Il file del pilota ufficiale non c&apos;è più: scegli di nuovo il pilota modello per farne una nuova copia</translation>
    </message>
    <message>
        <source>The factory driver file may be another driver&apos;s: choose the template driver again</source>
        <translation>Il file del pilota ufficiale potrebbe essere di un altro pilota: scegli di nuovo il pilota modello</translation>
    </message>
    <message>
        <source>The settings name no usable template driver now: choose the template driver again to save</source>
        <translation>Le impostazioni non indicano più alcun pilota modello utilizzabile: scegli di nuovo il pilota modello per salvare</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionCatalogue</name>
    <message>
        <source>Port Aldane Circuit 1</source>
        <translation>Port Aldane, circuito 1</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 2</source>
        <translation>Port Aldane, circuito 2</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 3</source>
        <translation>Port Aldane, circuito 3</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 4</source>
        <translation>Port Aldane, circuito 4</translation>
    </message>
    <message>
        <source>Merrow Docks</source>
        <translation>Banchine di Merrow</translation>
    </message>
    <message>
        <source>Calder Pass</source>
        <translation>Passo di Calder</translation>
    </message>
    <message>
        <source>Old Quarry Road</source>
        <translation>Strada della vecchia cava</translation>
    </message>
    <message>
        <source>Linfield Airfield</source>
        <translation>Aeroporto di Linfield</translation>
    </message>
    <message>
        <source>Saltmarsh Causeway</source>
        <translation>Argine di Saltmarsh</translation>
    </message>
    <message>
        <source>Brackwood Forest</source>
        <translation>Foresta di Brackwood</translation>
    </message>
    <message>
        <source>Harrowgate Downtown</source>
        <translation>Centro di Harrowgate</translation>
    </message>
    <message>
        <source>Sable Canyon</source>
        <translation>Canyon Sable</translation>
    </message>
    <message>
        <source>Eastbridge Industrial Park</source>
        <translation>Zona industriale di Eastbridge</translation>
    </message>
    <message>
        <source>Tollan Coast Highway</source>
        <translation>Litoranea di Tollan</translation>
    </message>
    <message>
        <source>Set a hot lap on a closed track</source>
        <translation>Fai un giro veloce su circuito chiuso</translation>
    </message>
    <message>
        <source>Weave through the cone slalom</source>
        <translation>Supera lo slalom tra i coni</translation>
    </message>
    <message>
        <source>Handbrake turn into the loading bay</source>
        <translation>Entra nella baia di carico con il freno a mano</translation>
    </message>
    <message>
        <source>Reverse the full course</source>
        <translation>Percorri tutto il tracciato in retromarcia</translation>
    </message>
    <message>
        <source>Deliver the car without a scratch - Traffic, Cops</source>
        <translation>Consegna l&apos;auto senza un graffio - Traffico, polizia</translation>
    </message>
    <message>
        <source>Reach every checkpoint in order</source>
        <translation>Raggiungi tutti i checkpoint in ordine</translation>
    </message>
    <message>
        <source>Escort the convoy to the harbour - Traffic, Cops</source>
        <translation>Scorta il convoglio fino al porto - Traffico, polizia</translation>
    </message>
    <message>
        <source>Sprint from one end to the other</source>
        <translation>Sfreccia da un capo all&apos;altro</translation>
    </message>
    <message>
        <source>Lose the pursuit before the bridge - Traffic, Cops</source>
        <translation>Semina gli inseguitori prima del ponte - Traffico, polizia</translation>
    </message>
    <message>
        <source>Clear the jump and stick the landing</source>
        <translation>Supera il salto e atterra pulito</translation>
    </message>
    <message>
        <source>Pick up the mechanic on the way - Traffic, Cops</source>
        <translation>Raccogli il meccanico lungo la strada - Traffico, polizia</translation>
    </message>
    <message>
        <source>Beat the rival driver head to head</source>
        <translation>Batti il pilota rivale in un testa a testa</translation>
    </message>
    <message>
        <source>Win the street race - Traffic, Cops</source>
        <translation>Vinci la gara in strada - Traffico, polizia</translation>
    </message>
    <message>
        <source>Finish on a nearly empty tank</source>
        <translation>Arriva al traguardo col serbatoio quasi vuoto</translation>
    </message>
    <message>
        <source>Night run without headlights - Traffic, Cops</source>
        <translation>Corsa notturna a fari spenti - Traffico, polizia</translation>
    </message>
    <message>
        <source>Run the roadblock gauntlet - Traffic, Cops</source>
        <translation>Sfonda i posti di blocco - Traffico, polizia</translation>
    </message>
    <message>
        <source>Survive ten laps of the endurance race</source>
        <translation>Resisti dieci giri della gara di durata</translation>
    </message>
    <message>
        <source>Drift through the hairpins</source>
        <translation>Affronta i tornanti in derapata</translation>
    </message>
    <message>
        <source>Win from the back of the pack</source>
        <translation>Vinci partendo dal fondo del gruppo</translation>
    </message>
    <message>
        <source>Keep it on the road in the rain</source>
        <translation>Resta in strada sotto la pioggia</translation>
    </message>
    <message>
        <source>Make the ferry before it sails</source>
        <translation>Prendi il traghetto prima che salpi</translation>
    </message>
    <message>
        <source>Take the championship decider</source>
        <translation>Vinci la gara decisiva del campionato</translation>
    </message>
    <message>
        <source>Just Win, Baby</source>
        <translation>Vinci e basta, baby</translation>
    </message>
    <message>
        <source>Finish First, Finish Clean</source>
        <translation>Arriva primo, e senza un graffio</translation>
    </message>
    <message>
        <source>Factory Driver  %1</source>
        <translation>Pilota ufficiale  %1</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionDataFile</name>
    <message>
        <source>The file is truncated (%1 of %2 bytes)</source>
        <translation>Il file è troncato (%1 byte su %2)</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionSelection</name>
    <message>
        <source>played on since a save</source>
        <translation>giocato dopo un salvataggio</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Missione %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>Saved [Mission #%1] @ %2</source>
        <translation>Salvato [missione n. %1] @ %2</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>uguale al modello</translation>
    </message>
</context>
<context>
    <name>kelmora::NextMission</name>
    <message>
        <source>The template has progress in every mission: the game will offer no mission next</source>
        <translation>Il modello ha progressi in tutte le missioni: il gioco non proporrà nessuna missione</translation>
    </message>
    <message>
        <source>The game will offer mission %1 next</source>
        <translation>Il gioco proporrà come prossima la missione&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: the game will offer mission %2 next</source>
        <translation>Il modello non ha raggiunto la missione&#xa0;%1: il gioco proporrà come prossima la missione&#xa0;%2</translation>
    </message>
    <message>
        <source>has reached mission %1</source>
        <translation>ha raggiunto la missione %1</translation>
    </message>
    <message>
        <source>has progress in every mission</source>
        <translation>ha progressi in tutte le missioni</translation>
    </message>
    <message>
        <source>The template has progress in every mission: once saved, the game will offer no mission next</source>
        <translation>Il modello ha progressi in tutte le missioni: una volta salvato, il gioco non proporrà nessuna missione</translation>
    </message>
    <message>
        <source>Once saved, the game will offer mission %1 next</source>
        <translation>Una volta salvato, il gioco proporrà come prossima la missione&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: once saved, the game will offer mission %2 next</source>
        <translation>Il modello non ha raggiunto la missione&#xa0;%1: una volta salvato, il gioco proporrà come prossima la missione&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>kelmora::Outcome</name>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Error! - Save failed</source>
        <translation>Errore! - Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>Error! - Restore failed</source>
        <translation>Errore! - Ripristino non riuscito</translation>
    </message>
    <message>
        <source>Could not read from data file &apos;%1&apos; [%2]</source>
        <translation>Impossibile leggere il file dati &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not write to data file &apos;%1&apos; [%2]</source>
        <translation>Impossibile scrivere nel file dati &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not create the program data folder &apos;%1&apos; [%2]</source>
        <translation>Impossibile creare la cartella dati del programma &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not read in program data file &apos;%1&apos; properly</source>
        <translation>Impossibile leggere correttamente il file dei dati del programma &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not successfully manipulate mission selection data array</source>
        <translation>Impossibile elaborare i dati della missione scelta</translation>
    </message>
    <message>
        <source>Could not write to factory driver file &apos;%1&apos; [%2]</source>
        <translation>Impossibile scrivere nel file del pilota ufficiale &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Error! - Write failed</source>
        <translation>Errore! - Scrittura non riuscita</translation>
    </message>
    <message>
        <source>Could not find driver file at %1</source>
        <translation>Impossibile trovare il file del pilota in %1</translation>
    </message>
    <message>
        <source>Fatal Error!</source>
        <translation>Errore fatale!</translation>
    </message>
    <message>
        <source>Could not read in template driver file [%1]</source>
        <translation>Impossibile leggere il file del pilota modello [%1]</translation>
    </message>
    <message>
        <source>Could not find template driver file &apos;%1&apos;</source>
        <translation>Impossibile trovare il file del pilota modello &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not make factory driver file from template driver file [%1]</source>
        <translation>Impossibile creare il file del pilota ufficiale dal file del pilota modello [%1]</translation>
    </message>
    <message>
        <source>You can&apos;t select the factory driver file as your template file!</source>
        <translation>Non puoi scegliere il file del pilota ufficiale come modello!</translation>
    </message>
    <message>
        <source>Error! - Select New Template Driver failed</source>
        <translation>Errore! - Scelta del nuovo pilota modello non riuscita</translation>
    </message>
    <message>
        <source>Could not read the settings from &apos;%1&apos; [%2]</source>
        <translation>Impossibile leggere le impostazioni da &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not store the settings in &apos;%1&apos; [%2]</source>
        <translation>Impossibile salvare le impostazioni in &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no usable template driver (&apos;%1&apos;). Choose a template driver first.</source>
        <translation>Le impostazioni non indicano alcun pilota modello utilizzabile (&apos;%1&apos;). Scegli prima un pilota modello.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos; [%2]</source>
        <translation>Impossibile usare &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Another Kelmora is saving or choosing a template driver right now. Try again when it has finished.</source>
        <translation>Un altro Kelmora sta salvando o scegliendo un pilota modello proprio ora. Riprova quando avrà finito.</translation>
    </message>
    <message>
        <source>Error! - Busy</source>
        <translation>Errore! - Occupato</translation>
    </message>
    <message>
        <source>Could not lock &apos;%1&apos; [%2]</source>
        <translation>Impossibile bloccare &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not back up &apos;%1&apos; before changing it [%2]</source>
        <translation>Impossibile fare il backup di &apos;%1&apos; prima di modificarlo [%2]</translation>
    </message>
    <message>
        <source>There is no backup &apos;%1&apos;</source>
        <translation>Non esiste il backup &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not restore &apos;%1&apos; [%2]</source>
        <translation>Impossibile ripristinare &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Nothing was saved: the program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]. Choose the template driver again to fix this.</source>
        <translation>Non è stato salvato nulla: il file dei dati del programma &apos;%1&apos; non contiene i progressi del pilota modello attuale [%2]. Scegli di nuovo il pilota modello per risolvere.</translation>
    </message>
    <message>
        <source>Restoring &apos;%1&apos; puts back a savegame that saves may give another driver&apos;s progress [%2]. The next save would write the current template driver&apos;s progress into it.</source>
        <translation>Ripristinare &apos;%1&apos; rimette al suo posto un salvataggio a cui i salvataggi successivi possono dare i progressi di un altro pilota [%2]. Il prossimo salvataggio vi scriverebbe i progressi del pilota modello attuale.</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Ripristina pilota ufficiale</translation>
    </message>
    <message>
        <source>Could not read the backups in &apos;%1&apos; [%2]</source>
        <translation>Impossibile leggere i backup in &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no template driver. Choose a template driver first.</source>
        <translation>Le impostazioni non indicano alcun pilota modello. Scegli prima un pilota modello.</translation>
    </message>
    <message>
        <source>The settings have named &apos;%1&apos; as the template driver since this Kelmora started; nothing was saved. Start Kelmora again to save for that template driver.</source>
        <translation>Le impostazioni indicano &apos;%1&apos; come pilota modello dopo l&apos;avvio di questo Kelmora; non è stato salvato nulla. Riavvia Kelmora per salvare per quel pilota modello.</translation>
    </message>
</context>
<context>
    <name>kelmora::RestoreWindow</name>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Backup dei file del pilota ufficiale, i più recenti per primi:</translation>
    </message>
    <message>
        <source>No factory driver file has been backed up yet.</source>
        <translation>Nessun file del pilota ufficiale ha ancora un backup.</translation>
    </message>
    <message>
        <source>Restore it anyway?</source>
        <translation>Ripristinarlo comunque?</translation>
    </message>
    <message>
        <source>The backup taken at %1 is no longer there. The list now shows the backups there are.</source>
        <translation>Il backup del %1 non c&apos;è più. L&apos;elenco ora mostra i backup presenti.</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFinder</name>
    <message>
        <source>cannot be read [%1]</source>
        <translation>non leggibile [%1]</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFolders</name>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameStore</name>
    <message>
        <source>The file is too short to be a driver savegame (%1 bytes, at least %2 needed)</source>
        <translation>Il file è troppo corto per essere un salvataggio del pilota (%1 byte, ne servono almeno %2)</translation>
    </message>
    <message>
        <source>It belongs to another user, whose savegames Kelmora never changes</source>
        <translation>Appartiene a un altro utente, i cui salvataggi Kelmora non modifica mai</translation>
    </message>
    <message>
        <source>There is no per-user folder to keep it in</source>
        <translation>Non esiste una cartella dell&apos;utente in cui conservarlo</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Appartiene a un altro utente</translation>
    </message>
    <message>
        <source>Other users may change it</source>
        <translation>Altri utenti possono modificarlo</translation>
    </message>
    <message>
        <source>Nothing tells which template driver it was written for</source>
        <translation>Nulla indica per quale pilota modello è stato scritto</translation>
    </message>
    <message>
        <source>It was written for the template driver &apos;%1&apos;</source>
        <translation>È stato scritto per il pilota modello &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The template driver was chosen by the copy of Kelmora that keeps it in &apos;%1&apos;</source>
        <translation>Il pilota modello è stato scelto dalla copia di Kelmora che lo conserva in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It has changed since the template driver was chosen</source>
        <translation>È cambiato dopo la scelta del pilota modello</translation>
    </message>
    <message>
        <source>It is the template driver file, which is never written</source>
        <translation>È il file del pilota modello, che non viene mai modificato</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Ha altri nomi, che una scrittura al suo interno cambierebbe a loro volta</translation>
    </message>
    <message>
        <source>The name holds characters that the file system cannot store</source>
        <translation>Il nome contiene caratteri che il file system non può memorizzare</translation>
    </message>
    <message>
        <source>The chosen file is the program data file</source>
        <translation>Il file scelto è il file dei dati del programma</translation>
    </message>
    <message>
        <source>It is the program data file</source>
        <translation>È il file dei dati del programma</translation>
    </message>
    <message>
        <source>It is not a factory driver file</source>
        <translation>Non è un file del pilota ufficiale</translation>
    </message>
    <message>
        <source>It was backed up while no template driver was known for it, and saves now write the progress of &apos;%1&apos; into this file</source>
        <translation>Il suo backup è stato fatto quando non si conosceva alcun pilota modello per esso, e ora i salvataggi scrivono in questo file i progressi di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It is a copy of template driver &apos;%1&apos;, and saves now write the progress of &apos;%2&apos; into this file</source>
        <translation>È una copia del pilota modello &apos;%1&apos;, e ora i salvataggi scrivono in questo file i progressi di &apos;%2&apos;</translation>
    </message>
    <message>
        <source>No new file can be made in its folder, and the backup has another length than the file</source>
        <translation>Nella sua cartella non si può creare alcun nuovo file, e il backup ha una lunghezza diversa dal file</translation>
    </message>
    <message>
        <source>Could not read factory driver file &apos;%1&apos; [%2]</source>
        <translation>Impossibile leggere il file del pilota ufficiale &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Restored &apos;%1&apos; as it was at %2</source>
        <translation>&apos;%1&apos; ripristinato com&apos;era il %2</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Ripristina pilota ufficiale</translation>
    </message>
    <message>
        <source>&apos;%1&apos; %2 now, but had more progress when it was chosen as the template driver: it is another driver&apos;s savegame</source>
        <translation>&apos;%1&apos; %2, ma aveva più progressi quando è stato scelto come pilota modello: è il salvataggio di un altro pilota</translation>
    </message>
    <message>
        <source>The program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]</source>
        <translation>Il file dei dati del programma &apos;%1&apos; non contiene i progressi del pilota modello attuale [%2]</translation>
    </message>
    <message>
        <source>The template driver &apos;%1&apos; is missing, and this file has changed beyond its mission progress since it was copied from it: it may be another driver&apos;s savegame. Put the template driver back, or choose a template driver again</source>
        <translation>Il pilota modello &apos;%1&apos; manca, e questo file è cambiato oltre i suoi progressi nelle missioni da quando ne è stato copiato: potrebbe essere il salvataggio di un altro pilota. Rimetti al suo posto il pilota modello o scegli di nuovo un pilota modello</translation>
    </message>
    <message>
        <source>Apart from its mission progress it is the same as &apos;%1&apos;: it may be that driver&apos;s savegame put here, which a save would give the template driver&apos;s progress. Choose the template driver again to make a fresh copy of it</source>
        <translation>A parte i progressi nelle missioni è uguale a &apos;%1&apos;: potrebbe essere il salvataggio di quel pilota messo qui, a cui un salvataggio darebbe i progressi del pilota modello. Scegli di nuovo il pilota modello per farne una copia nuova</translation>
    </message>
    <message>
        <source>It was backed up before template driver &apos;%1&apos; was last chosen, and beyond its mission progress it differs from the copy made then: it may be another driver&apos;s savegame of that name, or one the game has played on since</source>
        <translation>Il backup è stato fatto prima dell&apos;ultima scelta del pilota modello &apos;%1&apos;, e al di fuori dei progressi delle missioni differisce dalla copia fatta allora: può essere il salvataggio di un altro pilota con quel nome, o uno su cui si è continuato a giocare da allora</translation>
    </message>
</context>
<context>
    <name>kelmora::SettingsStore</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>Il file delle impostazioni è danneggiato</translation>
    </message>
</context>
<context>
    <name>kelmora::TemplateSelection</name>
    <message>
        <source>  [Never gets modified!]</source>
        <translation>  [Non viene mai modificato!]</translation>
    </message>
    <message>
        <source>  [Select mission for this driver]</source>
        <translation>  [Scegli la missione per questo pilota]</translation>
    </message>
</context>
<context>
    <name>kelmora::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written the way this locale writes them.</extracomment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>kelmora::WindowArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]   (--help tells more)</source>
        <translation>Uso: kelmora [SAVEGAME]   (--help spiega di più)</translation>
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
        <translation>Uso: kelmora [SAVEGAME]
Apre la finestra di Kelmora, che imposta la missione da cui inizia la modalità pilota ufficiale di
Vantor. Con SAVEGAME, quel salvataggio del pilota diventa il pilota modello, come farebbe File,
Scegli nuovo pilota modello.

Opzioni:
  -h, --help     Mostra questo testo.
  -v, --version  Mostra la versione.

kelmora-cli fa lo stesso lavoro senza finestra; &apos;kelmora-cli help&apos; spiega di più.
</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text in this system&apos;s encoding</source>
        <translation>Il nome contiene byte che non sono testo nella codifica di questo sistema</translation>
    </message>
    <message>
        <source>It is a folder, not a driver savegame</source>
        <translation>È una cartella, non un salvataggio di pilota</translation>
    </message>
</context>
</TS>
