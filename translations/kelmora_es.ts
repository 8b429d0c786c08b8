<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Kelmora is a companion for Vantor. It allows for mission selecting in the game&apos;s factory driver mode: choose any of its 34 missions and start playing from there.

Comments and error reports are welcome by e-mail at kelmora@quorrick.example.</source>
        <translation>Kelmora es un compañero para Vantor. Permite elegir la misión en el modo piloto de fábrica del juego: elige cualquiera de sus 34 misiones y empieza a jugar desde ahí.

Tus comentarios e informes de errores son bienvenidos por correo electrónico en kelmora@quorrick.example.</translation>
    </message>
    <message>
        <source>Written by the Kelmora team at Quorrick, 2026.</source>
        <translation>Escrito por el equipo de Kelmora en Quorrick, 2026.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmFindSavegames</name>
    <message>
        <source>Find Savegames</source>
        <translation>Buscar partidas guardadas</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>&amp;Partidas de piloto encontradas, las más recientes primero:</translation>
    </message>
    <message>
        <source>Savegame</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Found In</source>
        <translation>Encontrada en</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>&amp;Use as Template</source>
        <translation>&amp;Usar como plantilla</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Template Driver :</source>
        <translation>Piloto plantilla:</translation>
    </message>
    <message>
        <source>Factory Driver :</source>
        <translation>Piloto de fábrica:</translation>
    </message>
    <message>
        <source>Save Status :</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Select Mission :</source>
        <translation>Elegir misión:</translation>
    </message>
    <message>
        <source>Car :</source>
        <translation>Coche:</translation>
    </message>
    <message>
        <source>Location :</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Mission :</source>
        <translation>Misión:</translation>
    </message>
    <message>
        <source>Goal Time :</source>
        <translation>Tiempo objetivo:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Select New Template Driver</source>
        <translation>&amp;Elegir nuevo piloto plantilla</translation>
    </message>
    <message>
        <source>&amp;Find Savegames...</source>
        <translation>&amp;Buscar partidas guardadas...</translation>
    </message>
    <message>
        <source>&amp;Restore Factory Driver...</source>
        <translation>&amp;Restaurar piloto de fábrica...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Kelmora</translation>
    </message>
    <message>
        <source>&amp;View Readme</source>
        <translation>&amp;Ver el Léame</translation>
    </message>
</context>
<context>
    <name>frmNewDriver</name>
    <message>
        <source>Welcome!</source>
        <translation>¡Bienvenido!</translation>
    </message>
    <message>
        <source>Either this is the first time you&apos;ve run this program, or the previous driver savegame file you were using could not be found.</source>
        <translation>O es la primera vez que ejecutas este programa, o no se ha encontrado la partida de piloto que usabas hasta ahora.</translation>
    </message>
    <message>
        <source>You will now be asked to locate a Vantor driver savegame file to use as a template for your factory driver savegame file.</source>
        <translation>Ahora se te pedirá que busques una partida de piloto de Vantor para usarla como plantilla de tu partida de piloto de fábrica.</translation>
    </message>
    <message>
        <source>If you need help, then please consult the README file.</source>
        <translation>Si necesitas ayuda, consulta el archivo README.</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurar piloto de fábrica</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>Copias de &amp;seguridad de los archivos del piloto de fábrica, las más recientes primero:</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Mission Choice</source>
        <translation>Misión elegida</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>kelmora::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelmora %1, released %2</source>
        <translation>Kelmora %1, publicado el %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The release date, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>kelmora::BackupFolder</name>
    <message>
        <source>The backup is damaged: its bytes are not those that were kept</source>
        <translation>La copia de seguridad está dañada: sus bytes no son los que se guardaron</translation>
    </message>
</context>
<context>
    <name>kelmora::CommandLine</name>
    <message>
        <source>Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)</source>
        <extracomment>The commands, their arguments and options stay as they are.</extracomment>
        <translation>Uso: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help explica más)</translation>
    </message>
    <message>
        <source>No template driver chosen yet: run &apos;kelmora-cli template PATH&apos; first</source>
        <translation>Aún no se ha elegido ningún piloto plantilla: ejecuta antes &apos;kelmora-cli template PATH&apos;</translation>
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
        <translation>Elige, sin ventana, la misión en la que empieza el modo piloto de fábrica de Vantor.
Usa la misma configuración y el mismo archivo de datos del programa (kelmora.dat) que la ventana de
Kelmora: junto a una copia portátil, en la carpeta de datos del usuario para una instalada (status
dice cuál).

Órdenes:
  missions       Muestra las 34 misiones, una por línea, separadas por tabuladores: número, coche,
                 lugar, misión, tiempo objetivo.
  template PATH  Hace de la partida de piloto PATH el piloto plantilla: guarda su carpeta y su
                 nombre, sustituye el archivo del piloto de fábrica que está a su lado (el primer
                 carácter de la plantilla seguido de FactMS.sav) por una copia nueva de ella, y
                 conserva su progreso de misiones en kelmora.dat. En la plantilla nunca se escribe.
  save NUMBER    Ajusta el archivo del piloto de fábrica para que la misión NUMBER (1 a 34) sea la
                 siguiente en jugarse: las misiones anteriores conservan el progreso de la
                 plantilla, NUMBER y todas las posteriores se borran. Muestra la hora del guardado
                 y, en la salida de errores, un aviso cuando la plantilla no ha llegado a NUMBER
                 (el juego empieza entonces antes).
                 Con --dry-run: dice qué cambiaría el guardado, y no escribe nada.
  status         Muestra la carpeta de partidas y el piloto plantilla guardados, el archivo del
                 piloto de fábrica y el archivo de datos del programa, si existe cada uno, y la
                 misión elegida a la que corresponde el archivo del piloto de fábrica (&quot;jugado
                 desde un guardado&quot; en cuanto se ha seguido jugando con él).
  backups        Muestra las copias de seguridad de los archivos del piloto de fábrica, las más
                 recientes primero, una por línea, separadas por tabuladores: ID, la hora en que se
                 hizo (ISO 8601, hora local con su desfase), la ruta completa original del archivo
                 y la misión elegida que contiene respecto a la plantilla actual, en inglés
                 (&quot;Mission 12&quot;, &quot;played on since a save&quot; o &quot;unknown&quot;).
                 Un tabulador, un salto de línea u otro carácter de control en una ruta se escribe
                 como %XX (su código en hexadecimal), y un % como %25.
                 Se hace una copia de seguridad antes de que un guardado, una elección de plantilla
                 o una restauración sobrescriba o elimine un archivo del piloto de fábrica; se
                 conservan las 50 más recientes de cada archivo.
  restore ID     Devuelve la copia de seguridad ID a su ruta original, después de guardar lo que
                 hay allí como copia de seguridad propia. Nunca escribe en la plantilla ni en
                 ningún otro sitio. Una copia de la que no se sabe que sea de la plantilla actual,
                 devuelta adonde escriben ahora los guardados, haría que el próximo guardado
                 mezclara dos pilotos: se rechaza, salvo que --accept-other-template vaya antes de
                 ID.
  find [--json]  Busca partidas de piloto donde se guardan las partidas de un jugador: la carpeta
                 Documentos y, en Linux, cada prefijo de Wine, Proton (Steam nativo y Flatpak),
                 Lutris y Heroic. Las muestra de más reciente a más antigua, una por línea,
                 separadas por tabuladores: último cambio (ISO 8601), el lugar (&quot;Proton 2450
                 (Vantor)&quot;), su progreso (&quot;ha llegado a la misión 17&quot;), su ruta completa. Nunca
                 sigue un enlace fuera de un prefijo.
  help [COMMAND] Muestra este texto, o lo que hace COMMAND.

Para lanzadores y scripts, &apos;status --json&apos;, &apos;backups --json&apos; y &apos;find --json&apos; responden en JSON.

Estado de salida: 0 hecho, 1 se ha informado de un fallo o un rechazo, 2 la línea de órdenes era
incorrecta.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>exists</source>
        <translation>existe</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>junto al programa</translation>
    </message>
    <message>
        <source>per-user data folder</source>
        <translation>carpeta de datos del usuario</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>nada guardado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds bytes that are not text in this system&apos;s encoding; Kelmora cannot name a file by it</source>
        <translation>&apos;%1&apos; contiene bytes que no son texto en la codificación de este sistema; Kelmora no puede nombrar un archivo con ellos</translation>
    </message>
    <message>
        <source>could not write the output [%1]</source>
        <translation>no se pudo escribir la salida [%1]</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>missions, template, save, status, backups, restore, find or help.</source>
        <translation>missions, template, save, status, backups, restore, find o help.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; necesita %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>NUMBER must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>NUMBER debe ser un número entero del 1 al %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an existing file</source>
        <translation>&apos;%1&apos; no es un archivo existente</translation>
    </message>
    <message>
        <source>Template driver:</source>
        <translation>Piloto plantilla:</translation>
    </message>
    <message>
        <source>Factory driver file:</source>
        <translation>Archivo del piloto de fábrica:</translation>
    </message>
    <message>
        <source>Would set %1 for mission %2</source>
        <translation>Ajustaría %1 para la misión %2</translation>
    </message>
    <message>
        <source>Missions whose progress would change: %1</source>
        <translation>Misiones cuyo progreso cambiaría: %1</translation>
    </message>
    <message>
        <source>none (the file holds these bytes already)</source>
        <translation>ninguna (el archivo ya contiene estos bytes)</translation>
    </message>
    <message>
        <source>Nothing was written (%1)</source>
        <translation>No se ha escrito nada (%1)</translation>
    </message>
    <message>
        <source>Savegame folder:</source>
        <translation>Carpeta de partidas:</translation>
    </message>
    <message>
        <source>Program data file:</source>
        <translation>Archivo de datos del programa:</translation>
    </message>
    <message>
        <source>Mission choice:</source>
        <translation>Misión elegida:</translation>
    </message>
    <message>
        <source>Data file place:</source>
        <translation>Lugar del archivo de datos:</translation>
    </message>
    <message>
        <source>nothing was restored; to restore it anyway: %1</source>
        <translation>no se ha restaurado nada; para restaurarla de todos modos: %1</translation>
    </message>
    <message>
        <source>unknown - %1</source>
        <translation>desconocida - %1</translation>
    </message>
    <message>
        <source> (a save of any mission from %1 to %2 gives these same bytes)</source>
        <translation> (guardar cualquier misión de la %1 a la %2 da estos mismos bytes)</translation>
    </message>
    <message>
        <source>no driver savegame found; none of the places where savegames live exists</source>
        <translation>no se ha encontrado ninguna partida de piloto; no existe ninguno de los lugares donde se guardan las partidas</translation>
    </message>
    <message>
        <source>no driver savegame found in: %1</source>
        <translation>no se ha encontrado ninguna partida de piloto en: %1</translation>
    </message>
    <message>
        <source>too large to search whole: %1</source>
        <translation>demasiado grande para buscar entero: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>could not write the output [%1]; the command itself succeeded</source>
        <translation>no se pudo escribir la salida [%1]; el comando en sí se completó</translation>
    </message>
    <message>
        <source>only the newest %1 of the %2 driver savegames found are listed</source>
        <translation>solo se listan las %1 más recientes de las %2 partidas de piloto encontradas</translation>
    </message>
    <message>
        <source>no permission to look in &apos;%1&apos;: savegames there cannot be listed</source>
        <translation>sin permiso para mirar en &apos;%1&apos;: las partidas que haya allí no se pueden listar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a driver savegame</source>
        <translation>&apos;%1&apos; es una carpeta, no una partida de piloto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not listed, as its name is not text in this system&apos;s encoding (rename it to choose it)</source>
        <translation>&apos;%1&apos; no se lista, porque su nombre no es texto en la codificación de este sistema (cámbiele el nombre para elegirlo)</translation>
    </message>
    <message>
        <source>The save would fail: %1</source>
        <translation>El guardado fallaría: %1</translation>
    </message>
</context>
<context>
    <name>kelmora::DataLocation</name>
    <message>
        <source>installed copy: the program&apos;s folder %1 is inside the system folder %2</source>
        <translation>copia instalada: la carpeta del programa %1 está dentro de la carpeta del sistema %2</translation>
    </message>
    <message>
        <source>portable copy: kelmora.dat is already beside the program</source>
        <translation>copia portátil: kelmora.dat ya está junto al programa</translation>
    </message>
    <message>
        <source>portable copy: the program&apos;s folder is writable and not a system folder</source>
        <translation>copia portátil: la carpeta del programa admite escritura y no es una carpeta del sistema</translation>
    </message>
    <message>
        <source>the program&apos;s folder %1 is not writable by this user</source>
        <translation>este usuario no puede escribir en la carpeta del programa %1</translation>
    </message>
</context>
<context>
    <name>kelmora::Desktop</name>
    <message>
        <source>Mission Selector</source>
        <extracomment>The desktop entry&apos;s generic name, which menus show beside the program&apos;s name.</extracomment>
        <translation>Selector de misiones</translation>
    </message>
    <message>
        <source>Start the factory driver mode of Vantor at any mission</source>
        <extracomment>The desktop entry&apos;s comment and the summary of the software centres.</extracomment>
        <translation>Empieza el modo piloto de fábrica de Vantor en cualquier misión</translation>
    </message>
    <message>
        <source>racing;mission;savegame;factory;driver;</source>
        <extracomment>Words a menu&apos;s search finds the program by, each one followed by a semicolon.</extracomment>
        <translation>carreras;misión;partida;fábrica;piloto;</translation>
    </message>
    <message>
        <source>The factory driver mode of the racing game Vantor has 34 missions and lets you play them only in order. Kelmora lets you start it at any mission.</source>
        <extracomment>The description of the software centres, first paragraph.</extracomment>
        <translation>El modo piloto de fábrica del juego de carreras Vantor tiene 34 misiones y solo deja jugarlas en orden. Kelmora te permite empezarlo en cualquier misión.</translation>
    </message>
    <message>
        <source>You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to the factory driver savegame and, each time you save a mission choice, rewrites that copy&apos;s mission progress: the chosen mission and every later one are reset, the earlier ones keep the template&apos;s progress. The template itself is never written to.</source>
        <translation>Eliges una de tus partidas de piloto como plantilla. Kelmora la copia, en la misma carpeta, a la partida del piloto de fábrica y, cada vez que guardas una misión elegida, reescribe el progreso de misiones de esa copia: la misión elegida y todas las posteriores se reinician, las anteriores conservan el progreso de la plantilla. En la plantilla nunca se escribe.</translation>
    </message>
    <message>
        <source>The command kelmora-cli does the same without a window, for launchers and scripts.</source>
        <translation>La orden kelmora-cli hace lo mismo sin ventana, para lanzadores y scripts.</translation>
    </message>
    <message>
        <source>The mission list with the chosen mission&apos;s car, location and goal time</source>
        <extracomment>The caption of the screenshot in the software centres.</extracomment>
        <translation>La lista de misiones con el coche, el lugar y el tiempo objetivo de la misión elegida</translation>
    </message>
    <message>
        <source>First release: the window and kelmora-cli, installed as a desktop program.</source>
        <extracomment>What release 1.0.0 brought, in the software centres.</extracomment>
        <translation>Primera versión: la ventana y kelmora-cli, instalados como programa de escritorio.</translation>
    </message>
    <message>
        <source>Vantor driver savegame</source>
        <extracomment>The file type of the game&apos;s savegames, as file managers name it.</extracomment>
        <translation>Partida de piloto de Vantor</translation>
    </message>
    <message>
        <source>no program that shows text files was found</source>
        <translation>no se encontró ningún programa que muestre archivos de texto</translation>
    </message>
    <message>
        <source>the program for text files failed to show it</source>
        <translation>el programa para archivos de texto no pudo mostrarlo</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 terminó con el código de salida %2</translation>
    </message>
</context>
<context>
    <name>kelmora::FileSystem</name>
    <message>
        <source>It is a link; Kelmora only writes files it made itself</source>
        <translation>Es un enlace; Kelmora solo escribe archivos creados por él mismo</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes, at most %2 expected)</source>
        <translation>El archivo es demasiado grande (%1 bytes, se esperaban %2 como máximo)</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Tiene otros nombres, que una escritura en él también cambiaría</translation>
    </message>
    <message>
        <source>The file is too short for the write (%1 bytes, %2 needed)</source>
        <translation>El archivo es demasiado corto para la escritura (%1 bytes, se necesitan %2)</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile, and it was left as that program wrote it</source>
        <translation>Otro programa lo cambió mientras tanto, y se dejó tal como ese programa lo escribió</translation>
    </message>
    <message>
        <source>It is read-only, and Kelmora leaves it so</source>
        <translation>Es de solo lectura, y Kelmora lo deja así</translation>
    </message>
</context>
<context>
    <name>kelmora::FindSavegamesWindow</name>
    <message>
        <source>Driver savegames</source>
        <translation>Partidas de piloto</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>&amp;Partidas de piloto encontradas, las más recientes primero:</translation>
    </message>
    <message>
        <source>No driver savegame was found. Choose one with File, Select New Template Driver.</source>
        <translation>No se ha encontrado ninguna partida de piloto. Elige una con Archivo, Elegir nuevo piloto plantilla.</translation>
    </message>
    <message>
        <source>None of the places where savegames live was found.</source>
        <translation>No se ha encontrado ninguno de los lugares donde se guardan las partidas.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Buscado en: %1.</translation>
    </message>
    <message>
        <source>Too large to search whole: %1.</source>
        <translation>Demasiado grande para buscar entero: %1.</translation>
    </message>
    <message>
        <source>No permission to look in: %1.</source>
        <translation>Sin permiso para mirar en: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of the %2 driver savegames found are listed.</source>
        <translation>Solo se listan las %1 más recientes de las %2 partidas de piloto encontradas.</translation>
    </message>
    <message>
        <source>Not listed, as their names are not text in this system&apos;s encoding (rename them to choose them): %1.</source>
        <translation>No se listan, porque sus nombres no son texto en la codificación de este sistema (cámbieles el nombre para elegirlos): %1.</translation>
    </message>
</context>
<context>
    <name>kelmora::MainWindow</name>
    <message>
        <source>None yet: choose File, Select New Template Driver</source>
        <translation>Ninguno aún: Archivo, Elegir nuevo piloto plantilla</translation>
    </message>
    <message>
        <source>Save Factory Driver</source>
        <translation>Guardar piloto de fábrica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save Factory Driver File</source>
        <translation>Guardar el archivo del piloto de fábrica</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>The factory driver file is set to Mission #%1</source>
        <translation>El archivo del piloto de fábrica está en la misión n.º %1</translation>
    </message>
    <message>
        <source>set to Mission #%1</source>
        <translation>en la misión n.º %1</translation>
    </message>
    <message>
        <source>set to #%1</source>
        <translation>en n.º %1</translation>
    </message>
    <message>
        <source> (a save of any mission from #%1 to #%2 gives the same bytes)</source>
        <translation> (guardar cualquier misión de la n.º %1 a la n.º %2 da los mismos bytes)</translation>
    </message>
    <message>
        <source>set to Missions #%1–#%2</source>
        <translation>en las misiones n.º %1–%2</translation>
    </message>
    <message>
        <source>set to #%1–#%2</source>
        <translation>en n.º %1–%2</translation>
    </message>
    <message>
        <source>The factory driver file has been played on or changed since the last save: no mission&apos;s save gives its bytes</source>
        <translation>Con el archivo del piloto de fábrica se ha seguido jugando, o ha cambiado, desde el último guardado: guardar ninguna misión da sus bytes</translation>
    </message>
    <message>
        <source>played on</source>
        <translation>jugado</translation>
    </message>
    <message>
        <source>The factory driver file is %1</source>
        <translation>El archivo del piloto de fábrica está %1</translation>
    </message>
    <message>
        <source>Which mission the factory driver file is set to cannot be told: %1</source>
        <translation>No se puede saber en qué misión está el archivo del piloto de fábrica: %1</translation>
    </message>
    <message>
        <source>mission unknown</source>
        <translation>misión desconocida</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file cannot be read</source>
        <translation>No se puede saber qué dará un guardado al juego: no se puede leer el archivo de datos del programa</translation>
    </message>
    <message>
        <source>Error - Viewing Aborted</source>
        <translation>Error - Visualización cancelada</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos;</source>
        <translation>No se pudo abrir &apos;Readme-KELMORA.TXT&apos;</translation>
    </message>
    <message>
        <source>Could not execute &apos;%1&apos;</source>
        <translation>No se pudo ejecutar &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Select Driver Savegame File</source>
        <translation>Elegir una partida de piloto</translation>
    </message>
    <message>
        <source>Driver Savegames (*.sav)</source>
        <translation>Partidas de piloto (*.sav)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Not saved this session</source>
        <translation>Sin guardar en esta sesión</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file is not this template&apos;s</source>
        <translation>No se puede saber qué dará un guardado al juego: el archivo de datos del programa no es de esta plantilla</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos; [%1]</source>
        <translation>No se pudo abrir &apos;Readme-KELMORA.TXT&apos; [%1]</translation>
    </message>
    <message>
        <source>The settings now name %1 as the template driver: start Kelmora again to save for it</source>
        <translation>La configuración indica ahora %1 como piloto plantilla: vuelve a abrir Kelmora para guardar para él</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>como la plantilla</translation>
    </message>
    <message>
        <source>The factory driver file is gone: choose the template driver again to make a new copy</source>
        <translation>El archivo del piloto de fábrica ya no está: vuelve a elegir el piloto plantilla para hacer una copia nueva</translation>
    </message>
    <message>
        <source>The factory driver file may be another driver&apos;s: choose the template driver again</source>
        <translation>El archivo del piloto de fábrica puede ser de otro piloto: vuelve a elegir el piloto plantilla</translation>
    </message>
    <message>
        <source>The settings name no usable template driver now: choose the template driver again to save</source>
        <translation>La configuración ya no indica ningún piloto plantilla utilizable: vuelve a elegir el piloto plantilla para guardar</translation>
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
        <translation>Muelles de Merrow</translation>
    </message>
    <message>
        <source>Calder Pass</source>
        <translation>Paso de Calder</translation>
    </message>
    <message>
        <source>Old Quarry Road</source>
        <translation>Camino de la cantera vieja</translation>
    </message>
    <message>
        <source>Linfield Airfield</source>
        <translation>Aeródromo de Linfield</translation>
    </message>
    <message>
        <source>Saltmarsh Causeway</source>
        <translation>Calzada de Saltmarsh</translation>
    </message>
    <message>
        <source>Brackwood Forest</source>
        <translation>Bosque de Brackwood</translation>
    </message>
    <message>
        <source>Harrowgate Downtown</source>
        <translation>Centro de Harrowgate</translation>
    </message>
    <message>
        <source>Sable Canyon</source>
        <translation>Cañón Sable</translation>
    </message>
    <message>
        <source>Eastbridge Industrial Park</source>
        <translation>Polígono industrial de Eastbridge</translation>
    </message>
    <message>
        <source>Tollan Coast Highway</source>
        <translation>Carretera de la costa de Tollan</translation>
    </message>
    <message>
        <source>Set a hot lap on a closed track</source>
        <translation>Marca una vuelta rápida en circuito cerrado</translation>
    </message>
    <message>
        <source>Weave through the cone slalom</source>
        <translation>Sortea el eslalon de conos</translation>
    </message>
    <message>
        <source>Handbrake turn into the loading bay</source>
        <translation>Entra con el freno de mano en el muelle de carga</translation>
    </message>
    <message>
        <source>Reverse the full course</source>
        <translation>Recorre todo el trazado marcha atrás</translation>
    </message>
    <message>
        <source>Deliver the car without a scratch - Traffic, Cops</source>
        <translation>Entrega el coche sin un rasguño - Tráfico, policía</translation>
    </message>
    <message>
        <source>Reach every checkpoint in order</source>
        <translation>Pasa por todos los puntos de control en orden</translation>
    </message>
    <message>
        <source>Escort the convoy to the harbour - Traffic, Cops</source>
        <translation>Escolta al convoy hasta el puerto - Tráfico, policía</translation>
    </message>
    <message>
        <source>Sprint from one end to the other</source>
        <translation>Corre a fondo de un extremo al otro</translation>
    </message>
    <message>
        <source>Lose the pursuit before the bridge - Traffic, Cops</source>
        <translation>Despista a tus perseguidores antes del puente - Tráfico, policía</translation>
    </message>
    <message>
        <source>Clear the jump and stick the landing</source>
        <translation>Supera el salto y aterriza limpio</translation>
    </message>
    <message>
        <source>Pick up the mechanic on the way - Traffic, Cops</source>
        <translation>Recoge al mecánico por el camino - Tráfico, policía</translation>
    </message>
    <message>
        <source>Beat the rival driver head to head</source>
        <translation>Vence al piloto rival en un mano a mano</translation>
    </message>
    <message>
        <source>Win the street race - Traffic, Cops</source>
        <translation>Gana la carrera callejera - Tráfico, policía</translation>
    </message>
    <message>
        <source>Finish on a nearly empty tank</source>
        <translation>Llega a la meta con el depósito casi vacío</translation>
    </message>
    <message>
        <source>Night run without headlights - Traffic, Cops</source>
        <translation>Carrera nocturna sin faros - Tráfico, policía</translation>
    </message>
    <message>
        <source>Run the roadblock gauntlet - Traffic, Cops</source>
        <translation>Atraviesa los controles de carretera - Tráfico, policía</translation>
    </message>
    <message>
        <source>Survive ten laps of the endurance race</source>
        <translation>Aguanta diez vueltas de la carrera de resistencia</translation>
    </message>
    <message>
        <source>Drift through the hairpins</source>
        <translation>Derrapa por las horquillas</translation>
    </message>
    <message>
        <source>Win from the back of the pack</source>
        <translation>Gana saliendo desde el fondo del pelotón</translation>
    </message>
    <message>
        <source>Keep it on the road in the rain</source>
        <translation>Mantente en la carretera bajo la lluvia</translation>
    </message>
    <message>
        <source>Make the ferry before it sails</source>
        <translation>Llega al ferri antes de que zarpe</translation>
    </message>
    <message>
        <source>Take the championship decider</source>
        <translation>Gana la carrera decisiva del campeonato</translation>
    </message>
    <message>
        <source>Just Win, Baby</source>
        <translation>Tú solo gana, nene</translation>
    </message>
    <message>
        <source>Finish First, Finish Clean</source>
        <translation>Llega primero, y sin un rasguño</translation>
    </message>
    <message>
        <source>Factory Driver  %1</source>
        <translation>Piloto de fábrica  %1</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionDataFile</name>
    <message>
        <source>The file is truncated (%1 of %2 bytes)</source>
        <translation>El archivo está truncado (%1 de %2 bytes)</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionSelection</name>
    <message>
        <source>played on since a save</source>
        <translation>jugado desde un guardado</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Misión %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>Saved [Mission #%1] @ %2</source>
        <translation>Guardado [misión n.º %1] @ %2</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>como la plantilla</translation>
    </message>
</context>
<context>
    <name>kelmora::NextMission</name>
    <message>
        <source>The template has progress in every mission: the game will offer no mission next</source>
        <translation>La plantilla tiene progreso en todas las misiones: el juego no ofrecerá ninguna misión a continuación</translation>
    </message>
    <message>
        <source>The game will offer mission %1 next</source>
        <translation>El juego ofrecerá a continuación la misión&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: the game will offer mission %2 next</source>
        <translation>La plantilla no ha llegado a la misión&#xa0;%1: el juego ofrecerá a continuación la misión&#xa0;%2</translation>
    </message>
    <message>
        <source>has reached mission %1</source>
        <translation>ha llegado a la misión %1</translation>
    </message>
    <message>
        <source>has progress in every mission</source>
        <translation>tiene progreso en todas las misiones</translation>
    </message>
    <message>
        <source>The template has progress in every mission: once saved, the game will offer no mission next</source>
        <translation>La plantilla tiene progreso en todas las misiones: una vez guardado, el juego no ofrecerá ninguna misión a continuación</translation>
    </message>
    <message>
        <source>Once saved, the game will offer mission %1 next</source>
        <translation>Una vez guardado, el juego ofrecerá a continuación la misión&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: once saved, the game will offer mission %2 next</source>
        <translation>La plantilla no ha llegado a la misión&#xa0;%1: una vez guardado, el juego ofrecerá a continuación la misión&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>kelmora::Outcome</name>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Error! - Save failed</source>
        <translation>¡Error! - No se pudo guardar</translation>
    </message>
    <message>
        <source>Error! - Restore failed</source>
        <translation>¡Error! - No se pudo restaurar</translation>
    </message>
    <message>
        <source>Could not read from data file &apos;%1&apos; [%2]</source>
        <translation>No se pudo leer el archivo de datos &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not write to data file &apos;%1&apos; [%2]</source>
        <translation>No se pudo escribir en el archivo de datos &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not create the program data folder &apos;%1&apos; [%2]</source>
        <translation>No se pudo crear la carpeta de datos del programa &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not read in program data file &apos;%1&apos; properly</source>
        <translation>No se pudo leer bien el archivo de datos del programa &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not successfully manipulate mission selection data array</source>
        <translation>No se pudieron procesar los datos de la misión elegida</translation>
    </message>
    <message>
        <source>Could not write to factory driver file &apos;%1&apos; [%2]</source>
        <translation>No se pudo escribir en el archivo del piloto de fábrica &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Error! - Write failed</source>
        <translation>¡Error! - No se pudo escribir</translation>
    </message>
    <message>
        <source>Could not find driver file at %1</source>
        <translation>No se encontró el archivo de piloto en %1</translation>
    </message>
    <message>
        <source>Fatal Error!</source>
        <translation>¡Error grave!</translation>
    </message>
    <message>
        <source>Could not read in template driver file [%1]</source>
        <translation>No se pudo leer el archivo del piloto plantilla [%1]</translation>
    </message>
    <message>
        <source>Could not find template driver file &apos;%1&apos;</source>
        <translation>No se encontró el archivo del piloto plantilla &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not make factory driver file from template driver file [%1]</source>
        <translation>No se pudo crear el archivo del piloto de fábrica a partir del archivo del piloto plantilla [%1]</translation>
    </message>
    <message>
        <source>You can&apos;t select the factory driver file as your template file!</source>
        <translation>¡No puedes elegir el archivo del piloto de fábrica como plantilla!</translation>
    </message>
    <message>
        <source>Error! - Select New Template Driver failed</source>
        <translation>¡Error! - No se pudo elegir un nuevo piloto plantilla</translation>
    </message>
    <message>
        <source>Could not read the settings from &apos;%1&apos; [%2]</source>
        <translation>No se pudo leer la configuración de &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not store the settings in &apos;%1&apos; [%2]</source>
        <translation>No se pudo guardar la configuración en &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no usable template driver (&apos;%1&apos;). Choose a template driver first.</source>
        <translation>La configuración no indica ningún piloto plantilla utilizable (&apos;%1&apos;). Elige primero un piloto plantilla.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos; [%2]</source>
        <translation>No se pudo usar &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Another Kelmora is saving or choosing a template driver right now. Try again when it has finished.</source>
        <translation>Otro Kelmora está guardando o eligiendo un piloto plantilla ahora mismo. Vuelve a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>Error! - Busy</source>
        <translation>¡Error! - Ocupado</translation>
    </message>
    <message>
        <source>Could not lock &apos;%1&apos; [%2]</source>
        <translation>No se pudo bloquear &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not back up &apos;%1&apos; before changing it [%2]</source>
        <translation>No se pudo hacer una copia de seguridad de &apos;%1&apos; antes de cambiarlo [%2]</translation>
    </message>
    <message>
        <source>There is no backup &apos;%1&apos;</source>
        <translation>No existe la copia de seguridad &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not restore &apos;%1&apos; [%2]</source>
        <translation>No se pudo restaurar &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Nothing was saved: the program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]. Choose the template driver again to fix this.</source>
        <translation>No se ha guardado nada: el archivo de datos del programa &apos;%1&apos; no contiene el progreso del piloto plantilla actual [%2]. Vuelve a elegir el piloto plantilla para arreglarlo.</translation>
    </message>
    <message>
        <source>Restoring &apos;%1&apos; puts back a savegame that saves may give another driver&apos;s progress [%2]. The next save would write the current template driver&apos;s progress into it.</source>
        <translation>Restaurar &apos;%1&apos; devuelve una partida a la que los guardados pueden dar el progreso de otro piloto [%2]. El próximo guardado escribiría en ella el progreso del piloto plantilla actual.</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurar piloto de fábrica</translation>
    </message>
    <message>
        <source>Could not read the backups in &apos;%1&apos; [%2]</source>
        <translation>No se pudieron leer las copias de seguridad de &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no template driver. Choose a template driver first.</source>
        <translation>La configuración no indica ningún piloto plantilla. Elige primero un piloto plantilla.</translation>
    </message>
    <message>
        <source>The settings have named &apos;%1&apos; as the template driver since this Kelmora started; nothing was saved. Start Kelmora again to save for that template driver.</source>
        <translation>La configuración indica &apos;%1&apos; como piloto plantilla desde que se abrió este Kelmora; no se ha guardado nada. Vuelve a abrir Kelmora para guardar para ese piloto plantilla.</translation>
    </message>
</context>
<context>
    <name>kelmora::RestoreWindow</name>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>Copias de &amp;seguridad de los archivos del piloto de fábrica, las más recientes primero:</translation>
    </message>
    <message>
        <source>No factory driver file has been backed up yet.</source>
        <translation>Todavía no hay copias de seguridad de ningún archivo del piloto de fábrica.</translation>
    </message>
    <message>
        <source>Restore it anyway?</source>
        <translation>¿Restaurarla de todos modos?</translation>
    </message>
    <message>
        <source>The backup taken at %1 is no longer there. The list now shows the backups there are.</source>
        <translation>La copia de seguridad del %1 ya no está. La lista muestra ahora las copias que hay.</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFinder</name>
    <message>
        <source>cannot be read [%1]</source>
        <translation>no se puede leer [%1]</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFolders</name>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameStore</name>
    <message>
        <source>The file is too short to be a driver savegame (%1 bytes, at least %2 needed)</source>
        <translation>El archivo es demasiado corto para ser una partida de piloto (%1 bytes, se necesitan al menos %2)</translation>
    </message>
    <message>
        <source>It belongs to another user, whose savegames Kelmora never changes</source>
        <translation>Pertenece a otro usuario, cuyas partidas Kelmora nunca cambia</translation>
    </message>
    <message>
        <source>There is no per-user folder to keep it in</source>
        <translation>No hay ninguna carpeta del usuario donde guardarla</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Pertenece a otro usuario</translation>
    </message>
    <message>
        <source>Other users may change it</source>
        <translation>Otros usuarios pueden cambiarlo</translation>
    </message>
    <message>
        <source>Nothing tells which template driver it was written for</source>
        <translation>Nada indica para qué piloto plantilla se escribió</translation>
    </message>
    <message>
        <source>It was written for the template driver &apos;%1&apos;</source>
        <translation>Se escribió para el piloto plantilla &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The template driver was chosen by the copy of Kelmora that keeps it in &apos;%1&apos;</source>
        <translation>El piloto plantilla lo eligió la copia de Kelmora que lo guarda en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It has changed since the template driver was chosen</source>
        <translation>Ha cambiado desde que se eligió el piloto plantilla</translation>
    </message>
    <message>
        <source>It is the template driver file, which is never written</source>
        <translation>Es el archivo del piloto plantilla, en el que nunca se escribe</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Tiene otros nombres, que una escritura en él también cambiaría</translation>
    </message>
    <message>
        <source>The name holds characters that the file system cannot store</source>
        <translation>El nombre contiene caracteres que el sistema de archivos no puede guardar</translation>
    </message>
    <message>
        <source>The chosen file is the program data file</source>
        <translation>El archivo elegido es el archivo de datos del programa</translation>
    </message>
    <message>
        <source>It is the program data file</source>
        <translation>Es el archivo de datos del programa</translation>
    </message>
    <message>
        <source>It is not a factory driver file</source>
        <translation>No es un archivo de piloto de fábrica</translation>
    </message>
    <message>
        <source>It was backed up while no template driver was known for it, and saves now write the progress of &apos;%1&apos; into this file</source>
        <translation>Se copió cuando no se conocía ningún piloto plantilla para él, y los guardados escriben ahora el progreso de &apos;%1&apos; en este archivo</translation>
    </message>
    <message>
        <source>It is a copy of template driver &apos;%1&apos;, and saves now write the progress of &apos;%2&apos; into this file</source>
        <translation>Es una copia del piloto plantilla &apos;%1&apos;, y los guardados escriben ahora el progreso de &apos;%2&apos; en este archivo</translation>
    </message>
    <message>
        <source>No new file can be made in its folder, and the backup has another length than the file</source>
        <translation>No se puede crear ningún archivo nuevo en su carpeta, y la copia de seguridad tiene otra longitud que el archivo</translation>
    </message>
    <message>
        <source>Could not read factory driver file &apos;%1&apos; [%2]</source>
        <translation>No se pudo leer el archivo del piloto de fábrica &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Restored &apos;%1&apos; as it was at %2</source>
        <translation>&apos;%1&apos; restaurado tal como estaba el %2</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurar piloto de fábrica</translation>
    </message>
    <message>
        <source>&apos;%1&apos; %2 now, but had more progress when it was chosen as the template driver: it is another driver&apos;s savegame</source>
        <translation>&apos;%1&apos; %2, pero tenía más progreso cuando se eligió como piloto plantilla: es la partida de otro piloto</translation>
    </message>
    <message>
        <source>The program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]</source>
        <translation>El archivo de datos del programa &apos;%1&apos; no contiene el progreso del piloto plantilla actual [%2]</translation>
    </message>
    <message>
        <source>The template driver &apos;%1&apos; is missing, and this file has changed beyond its mission progress since it was copied from it: it may be another driver&apos;s savegame. Put the template driver back, or choose a template driver again</source>
        <translation>Falta el piloto plantilla &apos;%1&apos;, y este archivo ha cambiado más allá de su progreso de misiones desde que se copió de él: puede ser la partida de otro piloto. Vuelve a poner el piloto plantilla en su sitio o elige de nuevo un piloto plantilla</translation>
    </message>
    <message>
        <source>Apart from its mission progress it is the same as &apos;%1&apos;: it may be that driver&apos;s savegame put here, which a save would give the template driver&apos;s progress. Choose the template driver again to make a fresh copy of it</source>
        <translation>Salvo por su progreso de misiones, es igual que &apos;%1&apos;: puede ser la partida de ese piloto puesta aquí, a la que un guardado daría el progreso del piloto plantilla. Vuelve a elegir el piloto plantilla para hacer una copia nueva de él</translation>
    </message>
    <message>
        <source>It was backed up before template driver &apos;%1&apos; was last chosen, and beyond its mission progress it differs from the copy made then: it may be another driver&apos;s savegame of that name, or one the game has played on since</source>
        <translation>Esta copia de seguridad se hizo antes de que se eligiera por última vez el piloto plantilla &apos;%1&apos;, y fuera de su progreso de misiones difiere de la copia hecha entonces: puede ser la partida de otro piloto con ese nombre, o una partida que se ha seguido jugando desde entonces</translation>
    </message>
</context>
<context>
    <name>kelmora::SettingsStore</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>El archivo de configuración está dañado</translation>
    </message>
</context>
<context>
    <name>kelmora::TemplateSelection</name>
    <message>
        <source>  [Never gets modified!]</source>
        <translation>  [¡Nunca se modifica!]</translation>
    </message>
    <message>
        <source>  [Select mission for this driver]</source>
        <translation>  [Elige la misión para este piloto]</translation>
    </message>
</context>
<context>
    <name>kelmora::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written the way this locale writes them.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>kelmora::WindowArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]   (--help tells more)</source>
        <translation>Uso: kelmora [SAVEGAME]   (--help explica más)</translation>
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
Abre la ventana de Kelmora, que ajusta la misión en la que empieza el modo piloto de fábrica de
Vantor. Con SAVEGAME, esa partida de piloto pasa a ser el piloto plantilla, como lo haría Archivo,
Elegir nuevo piloto plantilla.

Opciones:
  -h, --help     Muestra este texto.
  -v, --version  Muestra la versión.

kelmora-cli hace el mismo trabajo sin ventana; &apos;kelmora-cli help&apos; explica más.
</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text in this system&apos;s encoding</source>
        <translation>El nombre contiene bytes que no son texto en la codificación de este sistema</translation>
    </message>
    <message>
        <source>It is a folder, not a driver savegame</source>
        <translation>Es una carpeta, no una partida de piloto</translation>
    </message>
</context>
</TS>
