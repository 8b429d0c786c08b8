<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Kelmora is a companion for Vantor. It allows for mission selecting in the game&apos;s factory driver mode: choose any of its 34 missions and start playing from there.

Comments and error reports are welcome by e-mail at kelmora@quorrick.example.</source>
        <translation>Kelmora to pomocnik do gry Vantor. Pozwala wybrać misję w trybie kierowcy fabrycznego: wybierz dowolną z 34 misji i zacznij grać od niej.

Uwagi i zgłoszenia błędów mile widziane pod adresem e‑mail kelmora@quorrick.example.</translation>
    </message>
    <message>
        <source>Written by the Kelmora team at Quorrick, 2026.</source>
        <translation>Napisany przez zespół Kelmora w Quorrick, 2026.</translation>
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
        <translation>Szukaj zapisów gry</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>Znalezione &amp;zapisy kierowców, najnowsze najpierw:</translation>
    </message>
    <message>
        <source>Savegame</source>
        <translation>Zapis gry</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Found In</source>
        <translation>Znaleziono w</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Ostatnia zmiana</translation>
    </message>
    <message>
        <source>&amp;Use as Template</source>
        <translation>&amp;Użyj jako wzorca</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Template Driver :</source>
        <translation>Kierowca-wzorzec:</translation>
    </message>
    <message>
        <source>Factory Driver :</source>
        <translation>Kierowca fabryczny:</translation>
    </message>
    <message>
        <source>Save Status :</source>
        <translation>Stan zapisu:</translation>
    </message>
    <message>
        <source>Select Mission :</source>
        <translation>Wybierz misję:</translation>
    </message>
    <message>
        <source>Car :</source>
        <translation>Samochód:</translation>
    </message>
    <message>
        <source>Location :</source>
        <translation>Miejsce:</translation>
    </message>
    <message>
        <source>Mission :</source>
        <translation>Misja:</translation>
    </message>
    <message>
        <source>Goal Time :</source>
        <translation>Czas do pobicia:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Select New Template Driver</source>
        <translation>&amp;Wybierz nowego kierowcę-wzorzec</translation>
    </message>
    <message>
        <source>&amp;Find Savegames...</source>
        <translation>&amp;Szukaj zapisów gry...</translation>
    </message>
    <message>
        <source>&amp;Restore Factory Driver...</source>
        <translation>&amp;Przywróć kierowcę fabrycznego...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;View Readme</source>
        <translation>Pokaż plik &amp;README</translation>
    </message>
</context>
<context>
    <name>frmNewDriver</name>
    <message>
        <source>Welcome!</source>
        <translation>Witaj!</translation>
    </message>
    <message>
        <source>Either this is the first time you&apos;ve run this program, or the previous driver savegame file you were using could not be found.</source>
        <translation>Uruchamiasz ten program po raz pierwszy albo nie udało się znaleźć zapisu kierowcy, którego dotąd używałeś.</translation>
    </message>
    <message>
        <source>You will now be asked to locate a Vantor driver savegame file to use as a template for your factory driver savegame file.</source>
        <translation>Teraz wskażesz zapis kierowcy z gry Vantor, który posłuży jako wzorzec dla twojego zapisu kierowcy fabrycznego.</translation>
    </message>
    <message>
        <source>If you need help, then please consult the README file.</source>
        <translation>Jeśli potrzebujesz pomocy, zajrzyj do pliku README.</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Przywróć kierowcę fabrycznego</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Kopie zapasowe plików kierowcy fabrycznego, najnowsze najpierw:</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Mission Choice</source>
        <translation>Wybrana misja</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
</context>
<context>
    <name>kelmora::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelmora %1, released %2</source>
        <translation>Kelmora %1, wydany %2</translation>
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
        <translation>Kopia zapasowa jest uszkodzona: jej bajty nie są tymi, które zachowano</translation>
    </message>
</context>
<context>
    <name>kelmora::CommandLine</name>
    <message>
        <source>Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)</source>
        <extracomment>The commands, their arguments and options stay as they are.</extracomment>
        <translation>Użycie: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help mówi więcej)</translation>
    </message>
    <message>
        <source>No template driver chosen yet: run &apos;kelmora-cli template PATH&apos; first</source>
        <translation>Nie wybrano jeszcze kierowcy-wzorca: najpierw uruchom &apos;kelmora-cli template PATH&apos;</translation>
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
        <translation>Wybiera bez okna misję, od której zaczyna się tryb kierowcy fabrycznego w grze Vantor.
Używa tych samych ustawień i tego samego pliku danych programu (kelmora.dat) co okno Kelmory: obok
kopii przenośnej, w folderze danych użytkownika dla kopii zainstalowanej (status mówi, gdzie).

Polecenia:
  missions       Wypisuje 34 misje, po jednej w wierszu, rozdzielone tabulatorami: numer, samochód,
                 miejsce, misja, czas do pobicia.
  template PATH  Czyni zapis kierowcy PATH kierowcą-wzorcem: zapamiętuje jego folder i nazwę,
                 zastępuje leżący obok plik kierowcy fabrycznego (pierwszy znak wzorca, a po nim
                 FactMS.sav) świeżą kopią wzorca i zachowuje jego postęp misji w kelmora.dat. Sam
                 wzorzec nigdy nie jest zmieniany.
  save NUMBER    Ustawia plik kierowcy fabrycznego tak, by misja NUMBER (od 1 do 34) była następną
                 do rozegrania: wcześniejsze misje zachowują postęp wzorca, NUMBER i wszystkie
                 późniejsze są zerowane. Wypisuje godzinę zapisania, a na wyjściu błędów
                 ostrzeżenie, gdy wzorzec nie dotarł do NUMBER (gra zaczyna się wtedy wcześniej).
                 Z --dry-run: mówi, co zmieniłoby zapisanie, i niczego nie zapisuje.
  status         Pokazuje zapamiętany folder zapisów gry i kierowcę-wzorzec, plik kierowcy
                 fabrycznego i plik danych programu, czy każdy z nich istnieje, oraz wybraną misję,
                 której odpowiada plik kierowcy fabrycznego (&quot;grano dalej od zapisania&quot;, gdy grano
                 na nim dalej).
  backups        Wypisuje kopie zapasowe plików kierowcy fabrycznego, najnowsze najpierw, po jednej
                 w wierszu, rozdzielone tabulatorami: ID, czas wykonania kopii (ISO 8601, czas
                 lokalny z przesunięciem), pierwotną pełną ścieżkę pliku i wybraną misję, którą
                 zawiera względem obecnego wzorca, po angielsku (&quot;Mission 12&quot;, &quot;played on since a
                 save&quot; lub &quot;unknown&quot;).
                 Tabulator, koniec wiersza lub inny znak sterujący w ścieżce jest zapisywany jako
                 %XX (jego kod szesnastkowo), a % jako %25.
                 Kopia zapasowa powstaje, zanim zapisanie, wybór wzorca lub przywrócenie nadpisze
                 albo usunie plik kierowcy fabrycznego; zachowywanych jest 50 najnowszych kopii
                 każdego pliku.
  restore ID     Odkłada kopię zapasową ID na jej pierwotną ścieżkę, po zachowaniu tego, co tam
                 teraz jest, jako osobnej kopii. Nigdy nie zapisuje do wzorca ani nigdzie indziej.
                 Kopia, o której nie wiadomo, że pochodzi z obecnego wzorca, odłożona tam, gdzie
                 teraz trafia zapisywanie, sprawiłaby, że następne zapisanie pomiesza dwóch
                 kierowców: zostaje odrzucona, chyba że --accept-other-template stoi przed ID.
  find [--json]  Szuka zapisów kierowców tam, gdzie są zapisy gry gracza: w folderze Dokumenty
                 oraz, w Linuksie, w każdym prefiksie Wine, Proton (natywny Steam i Flatpak),
                 Lutris i Heroic. Wypisuje je od najnowszego, po jednym w wierszu, rozdzielone
                 tabulatorami: czas ostatniej zmiany (ISO 8601), miejsce (&quot;Proton 2450 (Vantor)&quot;),
                 postęp (&quot;dotarł do misji 17&quot;), pełną ścieżkę. Nigdy nie podąża za dowiązaniem poza
                 prefiks.
  help [COMMAND] Pokazuje ten tekst albo to, co robi COMMAND.

Dla skryptów i programów startowych &apos;status --json&apos;, &apos;backups --json&apos; i &apos;find --json&apos; dają JSON.

Kod wyjścia: 0 wykonano, 1 zgłoszono błąd lub odmowę, 2 wiersz poleceń był błędny.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>exists</source>
        <translation>istnieje</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>to nie plik</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>to nie folder</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>obok programu</translation>
    </message>
    <message>
        <source>per-user data folder</source>
        <translation>folder danych użytkownika</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>nic nie zapisano</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds bytes that are not text in this system&apos;s encoding; Kelmora cannot name a file by it</source>
        <translation>&apos;%1&apos; zawiera bajty, które w kodowaniu tego systemu nie są tekstem; Kelmora nie może nimi nazwać pliku</translation>
    </message>
    <message>
        <source>could not write the output [%1]</source>
        <translation>nie można zapisać wyjścia [%1]</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>zapis nie powiódł się</translation>
    </message>
    <message>
        <source>missions, template, save, status, backups, restore, find or help.</source>
        <translation>missions, template, save, status, backups, restore, find lub help.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; wymaga %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>NUMBER must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>NUMBER musi być liczbą całkowitą od 1 do %1, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an existing file</source>
        <translation>&apos;%1&apos; nie jest istniejącym plikiem</translation>
    </message>
    <message>
        <source>Template driver:</source>
        <translation>Kierowca-wzorzec:</translation>
    </message>
    <message>
        <source>Factory driver file:</source>
        <translation>Plik kierowcy fabrycznego:</translation>
    </message>
    <message>
        <source>Would set %1 for mission %2</source>
        <translation>%1 zostałby ustawiony na misję %2</translation>
    </message>
    <message>
        <source>Missions whose progress would change: %1</source>
        <translation>Misje, których postęp by się zmienił: %1</translation>
    </message>
    <message>
        <source>none (the file holds these bytes already)</source>
        <translation>żadne (plik zawiera już te bajty)</translation>
    </message>
    <message>
        <source>Nothing was written (%1)</source>
        <translation>Niczego nie zapisano (%1)</translation>
    </message>
    <message>
        <source>Savegame folder:</source>
        <translation>Folder zapisów gry:</translation>
    </message>
    <message>
        <source>Program data file:</source>
        <translation>Plik danych programu:</translation>
    </message>
    <message>
        <source>Mission choice:</source>
        <translation>Wybrana misja:</translation>
    </message>
    <message>
        <source>Data file place:</source>
        <translation>Miejsce pliku danych:</translation>
    </message>
    <message>
        <source>nothing was restored; to restore it anyway: %1</source>
        <translation>niczego nie przywrócono; aby mimo to ją przywrócić: %1</translation>
    </message>
    <message>
        <source>unknown - %1</source>
        <translation>nieznana - %1</translation>
    </message>
    <message>
        <source> (a save of any mission from %1 to %2 gives these same bytes)</source>
        <translation> (zapisanie dowolnej misji od %1 do %2 daje te same bajty)</translation>
    </message>
    <message>
        <source>no driver savegame found; none of the places where savegames live exists</source>
        <translation>nie znaleziono zapisu kierowcy; nie istnieje żadne z miejsc, w których są zapisy gry</translation>
    </message>
    <message>
        <source>no driver savegame found in: %1</source>
        <translation>nie znaleziono zapisu kierowcy w: %1</translation>
    </message>
    <message>
        <source>too large to search whole: %1</source>
        <translation>zbyt duże, by przeszukać w całości: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc o opcjach wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami specyficznymi dla Qt.</translation>
    </message>
    <message>
        <source>could not write the output [%1]; the command itself succeeded</source>
        <translation>nie można zapisać wyjścia [%1]; samo polecenie się powiodło</translation>
    </message>
    <message>
        <source>only the newest %1 of the %2 driver savegames found are listed</source>
        <translation>wymieniono tylko %1 najnowszych z %2 znalezionych zapisów kierowców</translation>
    </message>
    <message>
        <source>no permission to look in &apos;%1&apos;: savegames there cannot be listed</source>
        <translation>brak uprawnień do zajrzenia do &apos;%1&apos;: ewentualnych zapisów w tym folderze nie można wymienić</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a driver savegame</source>
        <translation>&apos;%1&apos; to folder, a nie zapis kierowcy</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not listed, as its name is not text in this system&apos;s encoding (rename it to choose it)</source>
        <translation>&apos;%1&apos; nie jest na liście, bo jego nazwa nie jest tekstem w kodowaniu tego systemu (zmień jej nazwę, aby go wybrać)</translation>
    </message>
    <message>
        <source>The save would fail: %1</source>
        <translation>Zapis nie powiódłby się: %1</translation>
    </message>
</context>
<context>
    <name>kelmora::DataLocation</name>
    <message>
        <source>installed copy: the program&apos;s folder %1 is inside the system folder %2</source>
        <translation>kopia zainstalowana: folder programu %1 leży w folderze systemowym %2</translation>
    </message>
    <message>
        <source>portable copy: kelmora.dat is already beside the program</source>
        <translation>kopia przenośna: kelmora.dat jest już obok programu</translation>
    </message>
    <message>
        <source>portable copy: the program&apos;s folder is writable and not a system folder</source>
        <translation>kopia przenośna: folder programu jest zapisywalny i nie jest folderem systemowym</translation>
    </message>
    <message>
        <source>the program&apos;s folder %1 is not writable by this user</source>
        <translation>ten użytkownik nie może zapisywać w folderze programu %1</translation>
    </message>
</context>
<context>
    <name>kelmora::Desktop</name>
    <message>
        <source>Mission Selector</source>
        <extracomment>The desktop entry&apos;s generic name, which menus show beside the program&apos;s name.</extracomment>
        <translation>Wybór misji</translation>
    </message>
    <message>
        <source>Start the factory driver mode of Vantor at any mission</source>
        <extracomment>The desktop entry&apos;s comment and the summary of the software centres.</extracomment>
        <translation>Zacznij tryb kierowcy fabrycznego w grze Vantor od dowolnej misji</translation>
    </message>
    <message>
        <source>racing;mission;savegame;factory;driver;</source>
        <extracomment>Words a menu&apos;s search finds the program by, each one followed by a semicolon.</extracomment>
        <translation>wyścigi;misja;zapis gry;fabryczny;kierowca;</translation>
    </message>
    <message>
        <source>The factory driver mode of the racing game Vantor has 34 missions and lets you play them only in order. Kelmora lets you start it at any mission.</source>
        <extracomment>The description of the software centres, first paragraph.</extracomment>
        <translation>Tryb kierowcy fabrycznego w grze wyścigowej Vantor ma 34 misje i pozwala grać w nie tylko po kolei. Kelmora pozwala zacząć go od dowolnej misji.</translation>
    </message>
    <message>
        <source>You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to the factory driver savegame and, each time you save a mission choice, rewrites that copy&apos;s mission progress: the chosen mission and every later one are reset, the earlier ones keep the template&apos;s progress. The template itself is never written to.</source>
        <translation>Wybierasz jeden ze swoich zapisów kierowcy jako wzorzec. Kelmora kopiuje go w tym samym folderze do zapisu kierowcy fabrycznego i przy każdym zapisaniu wybranej misji przepisuje postęp misji w tej kopii: wybrana misja i wszystkie późniejsze są zerowane, wcześniejsze zachowują postęp wzorca. Sam wzorzec nigdy nie jest zmieniany.</translation>
    </message>
    <message>
        <source>The command kelmora-cli does the same without a window, for launchers and scripts.</source>
        <translation>Polecenie kelmora-cli robi to samo bez okna, dla programów uruchamiających i skryptów.</translation>
    </message>
    <message>
        <source>The mission list with the chosen mission&apos;s car, location and goal time</source>
        <extracomment>The caption of the screenshot in the software centres.</extracomment>
        <translation>Lista misji z samochodem, miejscem i czasem do pobicia wybranej misji</translation>
    </message>
    <message>
        <source>First release: the window and kelmora-cli, installed as a desktop program.</source>
        <extracomment>What release 1.0.0 brought, in the software centres.</extracomment>
        <translation>Pierwsze wydanie: okno i kelmora-cli, instalowane jako program na pulpit.</translation>
    </message>
    <message>
        <source>Vantor driver savegame</source>
        <extracomment>The file type of the game&apos;s savegames, as file managers name it.</extracomment>
        <translation>Zapis kierowcy gry Vantor</translation>
    </message>
    <message>
        <source>no program that shows text files was found</source>
        <translation>nie znaleziono programu, który wyświetla pliki tekstowe</translation>
    </message>
    <message>
        <source>the program for text files failed to show it</source>
        <translation>program do plików tekstowych nie zdołał go wyświetlić</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 zakończył działanie z kodem %2</translation>
    </message>
</context>
<context>
    <name>kelmora::FileSystem</name>
    <message>
        <source>It is a link; Kelmora only writes files it made itself</source>
        <translation>To dowiązanie; Kelmora zapisuje tylko pliki, które sam utworzył</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes, at most %2 expected)</source>
        <translation>Plik jest za duży (%1 bajtów, oczekiwano najwyżej %2)</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Ma inne nazwy, które zapis do niego również by zmienił</translation>
    </message>
    <message>
        <source>The file is too short for the write (%1 bytes, %2 needed)</source>
        <translation>Plik jest za krótki dla zapisu (%1 bajtów, potrzeba %2)</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile, and it was left as that program wrote it</source>
        <translation>Inny program zmienił go w międzyczasie i pozostawiono go tak, jak ten program go zapisał</translation>
    </message>
    <message>
        <source>It is read-only, and Kelmora leaves it so</source>
        <translation>Jest tylko do odczytu i Kelmora go tak zostawia</translation>
    </message>
</context>
<context>
    <name>kelmora::FindSavegamesWindow</name>
    <message>
        <source>Driver savegames</source>
        <translation>Zapisy kierowców</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>Znalezione &amp;zapisy kierowców, najnowsze najpierw:</translation>
    </message>
    <message>
        <source>No driver savegame was found. Choose one with File, Select New Template Driver.</source>
        <translation>Nie znaleziono żadnego zapisu kierowcy. Wybierz go przez Plik, Wybierz nowego kierowcę-wzorzec.</translation>
    </message>
    <message>
        <source>None of the places where savegames live was found.</source>
        <translation>Nie znaleziono żadnego z miejsc, w których są zapisy gry.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Przeszukano: %1.</translation>
    </message>
    <message>
        <source>Too large to search whole: %1.</source>
        <translation>Zbyt duże, by przeszukać w całości: %1.</translation>
    </message>
    <message>
        <source>No permission to look in: %1.</source>
        <translation>Brak uprawnień do zajrzenia do: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of the %2 driver savegames found are listed.</source>
        <translation>Wymieniono tylko %1 najnowszych z %2 znalezionych zapisów kierowców.</translation>
    </message>
    <message>
        <source>Not listed, as their names are not text in this system&apos;s encoding (rename them to choose them): %1.</source>
        <translation>Nie ma ich na liście, bo ich nazwy nie są tekstem w kodowaniu tego systemu (zmień nazwy, aby je wybrać): %1.</translation>
    </message>
</context>
<context>
    <name>kelmora::MainWindow</name>
    <message>
        <source>None yet: choose File, Select New Template Driver</source>
        <translation>Jeszcze brak: Plik, Wybierz nowego kierowcę-wzorzec</translation>
    </message>
    <message>
        <source>Save Factory Driver</source>
        <translation>Zapisz kierowcę fabrycznego</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Save Factory Driver File</source>
        <translation>Zapisz plik kierowcy fabrycznego</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>The factory driver file is set to Mission #%1</source>
        <translation>Plik kierowcy fabrycznego jest ustawiony na misję nr %1</translation>
    </message>
    <message>
        <source>set to Mission #%1</source>
        <translation>ustawiony na misję nr %1</translation>
    </message>
    <message>
        <source>set to #%1</source>
        <translation>na nr %1</translation>
    </message>
    <message>
        <source> (a save of any mission from #%1 to #%2 gives the same bytes)</source>
        <translation> (zapisanie dowolnej misji od nr %1 do nr %2 daje te same bajty)</translation>
    </message>
    <message>
        <source>set to Missions #%1–#%2</source>
        <translation>ustawiony na misje nr %1–%2</translation>
    </message>
    <message>
        <source>set to #%1–#%2</source>
        <translation>na nr %1–%2</translation>
    </message>
    <message>
        <source>The factory driver file has been played on or changed since the last save: no mission&apos;s save gives its bytes</source>
        <translation>Na pliku kierowcy fabrycznego grano dalej albo go zmieniono od ostatniego zapisania: zapisanie żadnej misji nie daje jego bajtów</translation>
    </message>
    <message>
        <source>played on</source>
        <translation>grano dalej</translation>
    </message>
    <message>
        <source>The factory driver file is %1</source>
        <translation>Plik kierowcy fabrycznego jest %1</translation>
    </message>
    <message>
        <source>Which mission the factory driver file is set to cannot be told: %1</source>
        <translation>Nie da się ustalić, na którą misję jest ustawiony plik kierowcy fabrycznego: %1</translation>
    </message>
    <message>
        <source>mission unknown</source>
        <translation>misja nieznana</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file cannot be read</source>
        <translation>Nie da się ustalić, co zapisanie da grze: nie można odczytać pliku danych programu</translation>
    </message>
    <message>
        <source>Error - Viewing Aborted</source>
        <translation>Błąd - Wyświetlanie przerwane</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos;</source>
        <translation>Nie można otworzyć &apos;Readme-KELMORA.TXT&apos;</translation>
    </message>
    <message>
        <source>Could not execute &apos;%1&apos;</source>
        <translation>Nie można uruchomić &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Select Driver Savegame File</source>
        <translation>Wybierz zapis kierowcy</translation>
    </message>
    <message>
        <source>Driver Savegames (*.sav)</source>
        <translation>Zapisy kierowców (*.sav)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Not saved this session</source>
        <translation>Nie zapisano w tej sesji</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file is not this template&apos;s</source>
        <translation>Nie da się ustalić, co zapisanie da grze: plik danych programu nie należy do tego wzorca</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos; [%1]</source>
        <translation>Nie można otworzyć &apos;Readme-KELMORA.TXT&apos; [%1]</translation>
    </message>
    <message>
        <source>The settings now name %1 as the template driver: start Kelmora again to save for it</source>
        <translation>Ustawienia wskazują teraz %1 jako kierowcę-wzorzec: uruchom Kelmorę ponownie, aby zapisywać dla niego</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>taki jak wzorzec</translation>
    </message>
    <message>
        <source>The factory driver file is gone: choose the template driver again to make a new copy</source>
        <translation>Pliku kierowcy fabrycznego już nie ma: wybierz kierowcę-wzorzec ponownie, aby utworzyć nową kopię</translation>
    </message>
    <message>
        <source>The factory driver file may be another driver&apos;s: choose the template driver again</source>
        <translation>Plik kierowcy fabrycznego może należeć do innego kierowcy: wybierz kierowcę-wzorzec ponownie</translation>
    </message>
    <message>
        <source>The settings name no usable template driver now: choose the template driver again to save</source>
        <translation>Ustawienia nie wskazują już użytecznego kierowcy-wzorca: wybierz kierowcę-wzorzec ponownie, aby zapisać</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionCatalogue</name>
    <message>
        <source>Port Aldane Circuit 1</source>
        <translation>Port Aldane, tor 1</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 2</source>
        <translation>Port Aldane, tor 2</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 3</source>
        <translation>Port Aldane, tor 3</translation>
    </message>
    <message>
        <source>Port Aldane Circuit 4</source>
        <translation>Port Aldane, tor 4</translation>
    </message>
    <message>
        <source>Merrow Docks</source>
        <translation>Doki Merrow</translation>
    </message>
    <message>
        <source>Calder Pass</source>
        <translation>Przełęcz Calder</translation>
    </message>
    <message>
        <source>Old Quarry Road</source>
        <translation>Droga przy starym kamieniołomie</translation>
    </message>
    <message>
        <source>Linfield Airfield</source>
        <translation>Lotnisko Linfield</translation>
    </message>
    <message>
        <source>Saltmarsh Causeway</source>
        <translation>Grobla Saltmarsh</translation>
    </message>
    <message>
        <source>Brackwood Forest</source>
        <translation>Las Brackwood</translation>
    </message>
    <message>
        <source>Harrowgate Downtown</source>
        <translation>Centrum Harrowgate</translation>
    </message>
    <message>
        <source>Sable Canyon</source>
        <translation>Kanion Sable</translation>
    </message>
    <message>
        <source>Eastbridge Industrial Park</source>
        <translation>Park przemysłowy Eastbridge</translation>
    </message>
    <message>
        <source>Tollan Coast Highway</source>
        <translation>Szosa nadmorska Tollan</translation>
    </message>
    <message>
        <source>Set a hot lap on a closed track</source>
        <translation>Wykręć szybkie okrążenie na zamkniętym torze</translation>
    </message>
    <message>
        <source>Weave through the cone slalom</source>
        <translation>Przejedź slalom między pachołkami</translation>
    </message>
    <message>
        <source>Handbrake turn into the loading bay</source>
        <translation>Wjedź na ręcznym do zatoki załadunkowej</translation>
    </message>
    <message>
        <source>Reverse the full course</source>
        <translation>Przejedź całą trasę na wstecznym</translation>
    </message>
    <message>
        <source>Deliver the car without a scratch - Traffic, Cops</source>
        <translation>Dostarcz auto bez rysy - Ruch, policja</translation>
    </message>
    <message>
        <source>Reach every checkpoint in order</source>
        <translation>Zalicz wszystkie punkty kontrolne po kolei</translation>
    </message>
    <message>
        <source>Escort the convoy to the harbour - Traffic, Cops</source>
        <translation>Eskortuj konwój do portu - Ruch, policja</translation>
    </message>
    <message>
        <source>Sprint from one end to the other</source>
        <translation>Pędź z jednego końca na drugi</translation>
    </message>
    <message>
        <source>Lose the pursuit before the bridge - Traffic, Cops</source>
        <translation>Zgub pościg przed mostem - Ruch, policja</translation>
    </message>
    <message>
        <source>Clear the jump and stick the landing</source>
        <translation>Zalicz skok i wyląduj czysto</translation>
    </message>
    <message>
        <source>Pick up the mechanic on the way - Traffic, Cops</source>
        <translation>Zabierz po drodze mechanika - Ruch, policja</translation>
    </message>
    <message>
        <source>Beat the rival driver head to head</source>
        <translation>Pokonaj rywala w pojedynku</translation>
    </message>
    <message>
        <source>Win the street race - Traffic, Cops</source>
        <translation>Wygraj wyścig uliczny - Ruch, policja</translation>
    </message>
    <message>
        <source>Finish on a nearly empty tank</source>
        <translation>Dojedź do mety na prawie pustym baku</translation>
    </message>
    <message>
        <source>Night run without headlights - Traffic, Cops</source>
        <translation>Nocna jazda bez świateł - Ruch, policja</translation>
    </message>
    <message>
        <source>Run the roadblock gauntlet - Traffic, Cops</source>
        <translation>Przebij się przez blokady drogowe - Ruch, policja</translation>
    </message>
    <message>
        <source>Survive ten laps of the endurance race</source>
        <translation>Wytrzymaj dziesięć okrążeń wyścigu długodystansowego</translation>
    </message>
    <message>
        <source>Drift through the hairpins</source>
        <translation>Przejedź nawroty w poślizgu</translation>
    </message>
    <message>
        <source>Win from the back of the pack</source>
        <translation>Wygraj, startując z końca stawki</translation>
    </message>
    <message>
        <source>Keep it on the road in the rain</source>
        <translation>Utrzymaj się na drodze w deszczu</translation>
    </message>
    <message>
        <source>Make the ferry before it sails</source>
        <translation>Zdąż na prom, zanim odpłynie</translation>
    </message>
    <message>
        <source>Take the championship decider</source>
        <translation>Wygraj decydujący wyścig mistrzostw</translation>
    </message>
    <message>
        <source>Just Win, Baby</source>
        <translation>Po prostu wygraj i tyle</translation>
    </message>
    <message>
        <source>Finish First, Finish Clean</source>
        <translation>Pierwszy na mecie, bez rysy</translation>
    </message>
    <message>
        <source>Factory Driver  %1</source>
        <translation>Kierowca fabryczny  %1</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionDataFile</name>
    <message>
        <source>The file is truncated (%1 of %2 bytes)</source>
        <translation>Plik jest ucięty (%1 z %2 bajtów)</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionSelection</name>
    <message>
        <source>played on since a save</source>
        <translation>grano dalej od zapisania</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Misja %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>Saved [Mission #%1] @ %2</source>
        <translation>Zapisano [misja nr %1] @ %2</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>taki jak wzorzec</translation>
    </message>
</context>
<context>
    <name>kelmora::NextMission</name>
    <message>
        <source>The template has progress in every mission: the game will offer no mission next</source>
        <translation>Wzorzec ma postęp w każdej misji: gra nie zaproponuje następnej misji</translation>
    </message>
    <message>
        <source>The game will offer mission %1 next</source>
        <translation>Gra zaproponuje teraz misję&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: the game will offer mission %2 next</source>
        <translation>Wzorzec nie dotarł do misji&#xa0;%1: gra zaproponuje teraz misję&#xa0;%2</translation>
    </message>
    <message>
        <source>has reached mission %1</source>
        <translation>dotarł do misji %1</translation>
    </message>
    <message>
        <source>has progress in every mission</source>
        <translation>ma postęp w każdej misji</translation>
    </message>
    <message>
        <source>The template has progress in every mission: once saved, the game will offer no mission next</source>
        <translation>Wzorzec ma postęp w każdej misji: po zapisaniu gra nie zaproponuje następnej misji</translation>
    </message>
    <message>
        <source>Once saved, the game will offer mission %1 next</source>
        <translation>Po zapisaniu gra zaproponuje teraz misję&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: once saved, the game will offer mission %2 next</source>
        <translation>Wzorzec nie dotarł do misji&#xa0;%1: po zapisaniu gra zaproponuje teraz misję&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>kelmora::Outcome</name>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Error! - Save failed</source>
        <translation>Błąd! - Zapisanie nie powiodło się</translation>
    </message>
    <message>
        <source>Error! - Restore failed</source>
        <translation>Błąd! - Przywracanie nie powiodło się</translation>
    </message>
    <message>
        <source>Could not read from data file &apos;%1&apos; [%2]</source>
        <translation>Nie można odczytać pliku danych &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not write to data file &apos;%1&apos; [%2]</source>
        <translation>Nie można zapisać do pliku danych &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not create the program data folder &apos;%1&apos; [%2]</source>
        <translation>Nie można utworzyć folderu danych programu &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not read in program data file &apos;%1&apos; properly</source>
        <translation>Nie można poprawnie wczytać pliku danych programu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not successfully manipulate mission selection data array</source>
        <translation>Nie można przetworzyć danych wybranej misji</translation>
    </message>
    <message>
        <source>Could not write to factory driver file &apos;%1&apos; [%2]</source>
        <translation>Nie można zapisać do pliku kierowcy fabrycznego &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Error! - Write failed</source>
        <translation>Błąd! - Zapis nie powiódł się</translation>
    </message>
    <message>
        <source>Could not find driver file at %1</source>
        <translation>Nie znaleziono pliku kierowcy: %1</translation>
    </message>
    <message>
        <source>Fatal Error!</source>
        <translation>Błąd krytyczny!</translation>
    </message>
    <message>
        <source>Could not read in template driver file [%1]</source>
        <translation>Nie można wczytać pliku kierowcy-wzorca [%1]</translation>
    </message>
    <message>
        <source>Could not find template driver file &apos;%1&apos;</source>
        <translation>Nie znaleziono pliku kierowcy-wzorca &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not make factory driver file from template driver file [%1]</source>
        <translation>Nie można utworzyć pliku kierowcy fabrycznego z pliku kierowcy-wzorca [%1]</translation>
    </message>
    <message>
        <source>You can&apos;t select the factory driver file as your template file!</source>
        <translation>Nie możesz wybrać pliku kierowcy fabrycznego jako wzorca!</translation>
    </message>
    <message>
        <source>Error! - Select New Template Driver failed</source>
        <translation>Błąd! - Wybór nowego kierowcy-wzorca nie powiódł się</translation>
    </message>
    <message>
        <source>Could not read the settings from &apos;%1&apos; [%2]</source>
        <translation>Nie można odczytać ustawień z &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not store the settings in &apos;%1&apos; [%2]</source>
        <translation>Nie można zapisać ustawień w &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no usable template driver (&apos;%1&apos;). Choose a template driver first.</source>
        <translation>Ustawienia nie wskazują żadnego użytecznego kierowcy-wzorca (&apos;%1&apos;). Najpierw wybierz kierowcę-wzorzec.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos; [%2]</source>
        <translation>Nie można użyć &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Another Kelmora is saving or choosing a template driver right now. Try again when it has finished.</source>
        <translation>Inny Kelmora właśnie zapisuje lub wybiera kierowcę-wzorzec. Spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>Error! - Busy</source>
        <translation>Błąd! - Zajęty</translation>
    </message>
    <message>
        <source>Could not lock &apos;%1&apos; [%2]</source>
        <translation>Nie można zablokować &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not back up &apos;%1&apos; before changing it [%2]</source>
        <translation>Nie można zrobić kopii zapasowej &apos;%1&apos; przed zmianą [%2]</translation>
    </message>
    <message>
        <source>There is no backup &apos;%1&apos;</source>
        <translation>Nie ma kopii zapasowej &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not restore &apos;%1&apos; [%2]</source>
        <translation>Nie można przywrócić &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Nothing was saved: the program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]. Choose the template driver again to fix this.</source>
        <translation>Niczego nie zapisano: plik danych programu &apos;%1&apos; nie zawiera postępu obecnego kierowcy-wzorca [%2]. Wybierz kierowcę-wzorzec ponownie, aby to naprawić.</translation>
    </message>
    <message>
        <source>Restoring &apos;%1&apos; puts back a savegame that saves may give another driver&apos;s progress [%2]. The next save would write the current template driver&apos;s progress into it.</source>
        <translation>Przywrócenie &apos;%1&apos; odkłada zapis gry, któremu zapisywanie może nadać postęp innego kierowcy [%2]. Następne zapisanie wpisałoby do niego postęp obecnego kierowcy-wzorca.</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Przywróć kierowcę fabrycznego</translation>
    </message>
    <message>
        <source>Could not read the backups in &apos;%1&apos; [%2]</source>
        <translation>Nie można odczytać kopii zapasowych w &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no template driver. Choose a template driver first.</source>
        <translation>Ustawienia nie wskazują żadnego kierowcy-wzorca. Najpierw wybierz kierowcę-wzorzec.</translation>
    </message>
    <message>
        <source>The settings have named &apos;%1&apos; as the template driver since this Kelmora started; nothing was saved. Start Kelmora again to save for that template driver.</source>
        <translation>Ustawienia wskazują &apos;%1&apos; jako kierowcę-wzorzec od uruchomienia tej Kelmory; niczego nie zapisano. Uruchom Kelmorę ponownie, aby zapisywać dla tego kierowcy-wzorca.</translation>
    </message>
</context>
<context>
    <name>kelmora::RestoreWindow</name>
    <message>
        <source>Backups</source>
        <translation>Kopie zapasowe</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Kopie zapasowe plików kierowcy fabrycznego, najnowsze najpierw:</translation>
    </message>
    <message>
        <source>No factory driver file has been backed up yet.</source>
        <translation>Nie ma jeszcze kopii zapasowej żadnego pliku kierowcy fabrycznego.</translation>
    </message>
    <message>
        <source>Restore it anyway?</source>
        <translation>Mimo to przywrócić?</translation>
    </message>
    <message>
        <source>The backup taken at %1 is no longer there. The list now shows the backups there are.</source>
        <translation>Kopii zapasowej z %1 już nie ma. Lista pokazuje teraz istniejące kopie.</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFinder</name>
    <message>
        <source>cannot be read [%1]</source>
        <translation>nie można odczytać [%1]</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFolders</name>
    <message>
        <source>Documents</source>
        <translation>Dokumenty</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameStore</name>
    <message>
        <source>The file is too short to be a driver savegame (%1 bytes, at least %2 needed)</source>
        <translation>Plik jest za krótki na zapis kierowcy (%1 bajtów, potrzeba co najmniej %2)</translation>
    </message>
    <message>
        <source>It belongs to another user, whose savegames Kelmora never changes</source>
        <translation>Należy do innego użytkownika, którego zapisów gry Kelmora nigdy nie zmienia</translation>
    </message>
    <message>
        <source>There is no per-user folder to keep it in</source>
        <translation>Nie ma folderu użytkownika, w którym można by ją przechować</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Należy do innego użytkownika</translation>
    </message>
    <message>
        <source>Other users may change it</source>
        <translation>Inni użytkownicy mogą go zmieniać</translation>
    </message>
    <message>
        <source>Nothing tells which template driver it was written for</source>
        <translation>Nic nie wskazuje, dla którego kierowcy-wzorca go zapisano</translation>
    </message>
    <message>
        <source>It was written for the template driver &apos;%1&apos;</source>
        <translation>Zapisano go dla kierowcy-wzorca &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The template driver was chosen by the copy of Kelmora that keeps it in &apos;%1&apos;</source>
        <translation>Kierowcę-wzorzec wybrała kopia Kelmory, która przechowuje go w &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It has changed since the template driver was chosen</source>
        <translation>Zmienił się od wybrania kierowcy-wzorca</translation>
    </message>
    <message>
        <source>It is the template driver file, which is never written</source>
        <translation>To plik kierowcy-wzorca, który nigdy nie jest zmieniany</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Ma inne nazwy, które zapis do niego również by zmienił</translation>
    </message>
    <message>
        <source>The name holds characters that the file system cannot store</source>
        <translation>Nazwa zawiera znaki, których system plików nie może zapisać</translation>
    </message>
    <message>
        <source>The chosen file is the program data file</source>
        <translation>Wybrany plik to plik danych programu</translation>
    </message>
    <message>
        <source>It is the program data file</source>
        <translation>To plik danych programu</translation>
    </message>
    <message>
        <source>It is not a factory driver file</source>
        <translation>To nie jest plik kierowcy fabrycznego</translation>
    </message>
    <message>
        <source>It was backed up while no template driver was known for it, and saves now write the progress of &apos;%1&apos; into this file</source>
        <translation>Kopię zrobiono, gdy nie był znany żaden kierowca-wzorzec dla niego, a zapisywanie wpisuje teraz do tego pliku postęp &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It is a copy of template driver &apos;%1&apos;, and saves now write the progress of &apos;%2&apos; into this file</source>
        <translation>To kopia kierowcy-wzorca &apos;%1&apos;, a zapisywanie wpisuje teraz do tego pliku postęp &apos;%2&apos;</translation>
    </message>
    <message>
        <source>No new file can be made in its folder, and the backup has another length than the file</source>
        <translation>W jego folderze nie można utworzyć nowego pliku, a kopia zapasowa ma inną długość niż plik</translation>
    </message>
    <message>
        <source>Could not read factory driver file &apos;%1&apos; [%2]</source>
        <translation>Nie można odczytać pliku kierowcy fabrycznego &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Restored &apos;%1&apos; as it was at %2</source>
        <translation>Przywrócono &apos;%1&apos; w stanie z %2</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Przywróć kierowcę fabrycznego</translation>
    </message>
    <message>
        <source>&apos;%1&apos; %2 now, but had more progress when it was chosen as the template driver: it is another driver&apos;s savegame</source>
        <translation>&apos;%1&apos; %2, ale miał większy postęp, gdy wybrano go jako kierowcę-wzorzec: to zapis innego kierowcy</translation>
    </message>
    <message>
        <source>The program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]</source>
        <translation>Plik danych programu &apos;%1&apos; nie zawiera postępu obecnego kierowcy-wzorca [%2]</translation>
    </message>
    <message>
        <source>The template driver &apos;%1&apos; is missing, and this file has changed beyond its mission progress since it was copied from it: it may be another driver&apos;s savegame. Put the template driver back, or choose a template driver again</source>
        <translation>Brakuje kierowcy-wzorca &apos;%1&apos;, a ten plik zmienił się poza postępem misji, odkąd go z niego skopiowano: może to być zapis gry innego kierowcy. Przywróć kierowcę-wzorzec albo wybierz kierowcę-wzorzec ponownie</translation>
    </message>
    <message>
        <source>Apart from its mission progress it is the same as &apos;%1&apos;: it may be that driver&apos;s savegame put here, which a save would give the template driver&apos;s progress. Choose the template driver again to make a fresh copy of it</source>
        <translation>Poza postępem misji jest taki sam jak &apos;%1&apos;: może to być umieszczony tu zapis gry tego kierowcy, któremu zapis dałby postęp kierowcy-wzorca. Wybierz kierowcę-wzorzec ponownie, aby zrobić jego świeżą kopię</translation>
    </message>
    <message>
        <source>It was backed up before template driver &apos;%1&apos; was last chosen, and beyond its mission progress it differs from the copy made then: it may be another driver&apos;s savegame of that name, or one the game has played on since</source>
        <translation>Kopię zapasową zrobiono, zanim ostatnio wybrano kierowcę-wzorzec &apos;%1&apos;, a poza postępem misji różni się od kopii zrobionej wtedy: może to być zapis innego kierowcy o tej nazwie albo taki, w który od tego czasu grano dalej</translation>
    </message>
</context>
<context>
    <name>kelmora::SettingsStore</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>Plik ustawień jest uszkodzony</translation>
    </message>
</context>
<context>
    <name>kelmora::TemplateSelection</name>
    <message>
        <source>  [Never gets modified!]</source>
        <translation>  [Nigdy nie jest zmieniany!]</translation>
    </message>
    <message>
        <source>  [Select mission for this driver]</source>
        <translation>  [Wybierz misję dla tego kierowcy]</translation>
    </message>
</context>
<context>
    <name>kelmora::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written the way this locale writes them.</extracomment>
        <translation>pl</translation>
    </message>
</context>
<context>
    <name>kelmora::WindowArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]   (--help tells more)</source>
        <translation>Użycie: kelmora [SAVEGAME]   (--help mówi więcej)</translation>
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
        <translation>Użycie: kelmora [SAVEGAME]
Otwiera okno Kelmory, które ustawia misję, od której zaczyna się tryb kierowcy fabrycznego w grze
Vantor. Z SAVEGAME ten zapis kierowcy staje się kierowcą-wzorcem, tak jak zrobiłoby to Plik,
Wybierz nowego kierowcę-wzorzec.

Opcje:
  -h, --help     Pokazuje ten tekst.
  -v, --version  Wypisuje wersję.

kelmora-cli wykonuje tę samą pracę bez okna; &apos;kelmora-cli help&apos; mówi więcej.
</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text in this system&apos;s encoding</source>
        <translation>Nazwa zawiera bajty, które w kodowaniu tego systemu nie są tekstem</translation>
    </message>
    <message>
        <source>It is a folder, not a driver savegame</source>
        <translation>To folder, a nie zapis kierowcy</translation>
    </message>
</context>
</TS>
