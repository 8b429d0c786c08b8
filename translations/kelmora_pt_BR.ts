<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Kelmora is a companion for Vantor. It allows for mission selecting in the game&apos;s factory driver mode: choose any of its 34 missions and start playing from there.

Comments and error reports are welcome by e-mail at kelmora@quorrick.example.</source>
        <translation>O Kelmora é um companheiro para o Vantor. Ele permite escolher a missão no modo piloto de fábrica do jogo: escolha qualquer uma das 34 missões e comece a jogar a partir dela.

Comentários e relatos de erros são bem-vindos por e‑mail em kelmora@quorrick.example.</translation>
    </message>
    <message>
        <source>Written by the Kelmora team at Quorrick, 2026.</source>
        <translation>Escrito pela equipe do Kelmora na Quorrick, 2026.</translation>
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
        <translation>Procurar jogos salvos</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>&amp;Jogos salvos de piloto encontrados, os mais recentes primeiro:</translation>
    </message>
    <message>
        <source>Savegame</source>
        <translation>Jogo salvo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Found In</source>
        <translation>Encontrado em</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Última alteração</translation>
    </message>
    <message>
        <source>&amp;Use as Template</source>
        <translation>&amp;Usar como modelo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Template Driver :</source>
        <translation>Piloto modelo:</translation>
    </message>
    <message>
        <source>Factory Driver :</source>
        <translation>Piloto de fábrica:</translation>
    </message>
    <message>
        <source>Save Status :</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Select Mission :</source>
        <translation>Escolher missão:</translation>
    </message>
    <message>
        <source>Car :</source>
        <translation>Carro:</translation>
    </message>
    <message>
        <source>Location :</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Mission :</source>
        <translation>Missão:</translation>
    </message>
    <message>
        <source>Goal Time :</source>
        <translation>Tempo-alvo:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Select New Template Driver</source>
        <translation>&amp;Escolher novo piloto modelo</translation>
    </message>
    <message>
        <source>&amp;Find Savegames...</source>
        <translation>&amp;Procurar jogos salvos...</translation>
    </message>
    <message>
        <source>&amp;Restore Factory Driver...</source>
        <translation>&amp;Restaurar piloto de fábrica...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;View Readme</source>
        <translation>&amp;Ver o Leia-me</translation>
    </message>
</context>
<context>
    <name>frmNewDriver</name>
    <message>
        <source>Welcome!</source>
        <translation>Bem-vindo!</translation>
    </message>
    <message>
        <source>Either this is the first time you&apos;ve run this program, or the previous driver savegame file you were using could not be found.</source>
        <translation>Ou esta é a primeira vez que você executa este programa, ou o jogo salvo de piloto que você usava até agora não foi encontrado.</translation>
    </message>
    <message>
        <source>You will now be asked to locate a Vantor driver savegame file to use as a template for your factory driver savegame file.</source>
        <translation>Agora você vai indicar um jogo salvo de piloto do Vantor para usar como modelo do seu jogo salvo de piloto de fábrica.</translation>
    </message>
    <message>
        <source>If you need help, then please consult the README file.</source>
        <translation>Se precisar de ajuda, consulte o arquivo README.</translation>
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
        <translation>&amp;Backups dos arquivos do piloto de fábrica, os mais recentes primeiro:</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Mission Choice</source>
        <translation>Missão escolhida</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>kelmora::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelmora %1, released %2</source>
        <translation>Kelmora %1, lançado em %2</translation>
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
        <translation>O backup está danificado: seus bytes não são os que foram guardados</translation>
    </message>
</context>
<context>
    <name>kelmora::CommandLine</name>
    <message>
        <source>Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)</source>
        <extracomment>The commands, their arguments and options stay as they are.</extracomment>
        <translation>Uso: kelmora-cli missions | template PATH | save NUMBER | status | backups | restore [--accept-other-template] ID | find | help [COMMAND]   (--help explica mais)</translation>
    </message>
    <message>
        <source>No template driver chosen yet: run &apos;kelmora-cli template PATH&apos; first</source>
        <translation>Nenhum piloto modelo escolhido ainda: execute antes &apos;kelmora-cli template PATH&apos;</translation>
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
        <translation>Escolhe, sem janela, a missão em que começa o modo piloto de fábrica do Vantor.
Usa as mesmas configurações e o mesmo arquivo de dados do programa (kelmora.dat) que a janela do
Kelmora: ao lado de uma cópia portátil, na pasta de dados do usuário para uma cópia instalada
(status diz qual).

Comandos:
  missions       Lista as 34 missões, uma por linha, separadas por tabulações: número, carro,
                 local, missão, tempo-alvo.
  template PATH  Faz do jogo salvo de piloto PATH o piloto modelo: guarda a pasta e o nome dele,
                 substitui o arquivo do piloto de fábrica ao lado (o primeiro caractere do modelo
                 seguido de FactMS.sav) por uma cópia nova do modelo, e guarda o progresso de
                 missões dele no kelmora.dat. O modelo em si nunca é alterado.
  save NUMBER    Ajusta o arquivo do piloto de fábrica para que a missão NUMBER (1 a 34) seja a
                 próxima a jogar: as missões anteriores mantêm o progresso do modelo, NUMBER e
                 todas as seguintes são zeradas. Mostra a hora do salvamento e, na saída de erros,
                 um aviso quando o modelo não chegou a NUMBER (o jogo então começa antes).
                 Com --dry-run: diz o que o salvamento mudaria, e não escreve nada.
  status         Mostra a pasta dos jogos salvos e o piloto modelo guardados, o arquivo do piloto
                 de fábrica e o arquivo de dados do programa, se cada um existe, e a missão
                 escolhida à qual o arquivo do piloto de fábrica corresponde (&quot;jogado desde um
                 salvamento&quot; depois que ele foi jogado).
  backups        Lista os backups dos arquivos do piloto de fábrica, os mais recentes primeiro, um
                 por linha, separados por tabulações: ID, a hora em que foi feito (ISO 8601, hora
                 local com o seu fuso), o caminho completo original do arquivo e a missão escolhida
                 que ele contém em relação ao modelo atual, em inglês (&quot;Mission 12&quot;, &quot;played on
                 since a save&quot; ou &quot;unknown&quot;).
                 Uma tabulação, uma quebra de linha ou outro caractere de controle num caminho é
                 escrito como %XX (o código dele em hexadecimal), e um % como %25.
                 Um backup é feito antes que um salvamento, uma escolha de modelo ou uma
                 restauração sobrescreva ou remova um arquivo do piloto de fábrica; os 50 mais
                 recentes de cada arquivo são mantidos.
  restore ID     Devolve o backup ID ao seu caminho original, depois de guardar o que está lá agora
                 como um backup próprio. Nunca escreve no modelo nem em outro lugar. Um backup que
                 não se sabe ser uma cópia do modelo atual, devolvido para onde os salvamentos
                 escrevem agora, faria o próximo salvamento misturar dois pilotos: ele é recusado,
                 a menos que --accept-other-template venha antes de ID.
  find [--json]  Procura jogos salvos de piloto onde ficam os jogos salvos de um jogador: a pasta
                 Documentos e, no Linux, cada prefixo do Wine, Proton (Steam nativo e Flatpak),
                 Lutris e Heroic. Lista-os do mais recente ao mais antigo, um por linha, separados
                 por tabulações: última alteração (ISO 8601), o lugar (&quot;Proton 2450 (Vantor)&quot;), o
                 progresso (&quot;chegou à missão 17&quot;), o caminho completo. Nunca segue um link para
                 fora de um prefixo.
  help [COMMAND] Mostra este texto, ou o que COMMAND faz.

Para lançadores e scripts, &apos;status --json&apos;, &apos;backups --json&apos; e &apos;find --json&apos; respondem em JSON.

Status de saída: 0 feito, 1 uma falha ou recusa foi informada, 2 a linha de comando estava errada.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>exists</source>
        <translation>existe</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>ao lado do programa</translation>
    </message>
    <message>
        <source>per-user data folder</source>
        <translation>pasta de dados do usuário</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>nada guardado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds bytes that are not text in this system&apos;s encoding; Kelmora cannot name a file by it</source>
        <translation>&apos;%1&apos; contém bytes que não são texto na codificação deste sistema; o Kelmora não consegue indicar um arquivo com ele</translation>
    </message>
    <message>
        <source>could not write the output [%1]</source>
        <translation>não foi possível escrever a saída [%1]</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>falha na escrita</translation>
    </message>
    <message>
        <source>missions, template, save, status, backups, restore, find or help.</source>
        <translation>missions, template, save, status, backups, restore, find ou help.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; precisa de %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>NUMBER must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>NUMBER deve ser um número inteiro de 1 a %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an existing file</source>
        <translation>&apos;%1&apos; não é um arquivo existente</translation>
    </message>
    <message>
        <source>Template driver:</source>
        <translation>Piloto modelo:</translation>
    </message>
    <message>
        <source>Factory driver file:</source>
        <translation>Arquivo do piloto de fábrica:</translation>
    </message>
    <message>
        <source>Would set %1 for mission %2</source>
        <translation>Ajustaria %1 para a missão %2</translation>
    </message>
    <message>
        <source>Missions whose progress would change: %1</source>
        <translation>Missões cujo progresso mudaria: %1</translation>
    </message>
    <message>
        <source>none (the file holds these bytes already)</source>
        <translation>nenhuma (o arquivo já contém estes bytes)</translation>
    </message>
    <message>
        <source>Nothing was written (%1)</source>
        <translation>Nada foi escrito (%1)</translation>
    </message>
    <message>
        <source>Savegame folder:</source>
        <translation>Pasta dos jogos salvos:</translation>
    </message>
    <message>
        <source>Program data file:</source>
        <translation>Arquivo de dados do programa:</translation>
    </message>
    <message>
        <source>Mission choice:</source>
        <translation>Missão escolhida:</translation>
    </message>
    <message>
        <source>Data file place:</source>
        <translation>Local do arquivo de dados:</translation>
    </message>
    <message>
        <source>nothing was restored; to restore it anyway: %1</source>
        <translation>nada foi restaurado; para restaurá-lo mesmo assim: %1</translation>
    </message>
    <message>
        <source>unknown - %1</source>
        <translation>desconhecida - %1</translation>
    </message>
    <message>
        <source> (a save of any mission from %1 to %2 gives these same bytes)</source>
        <translation> (salvar qualquer missão de %1 a %2 dá estes mesmos bytes)</translation>
    </message>
    <message>
        <source>no driver savegame found; none of the places where savegames live exists</source>
        <translation>nenhum jogo salvo de piloto encontrado; nenhum dos lugares onde ficam os jogos salvos existe</translation>
    </message>
    <message>
        <source>no driver savegame found in: %1</source>
        <translation>nenhum jogo salvo de piloto encontrado em: %1</translation>
    </message>
    <message>
        <source>too large to search whole: %1</source>
        <translation>grande demais para procurar por inteiro: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
    <message>
        <source>could not write the output [%1]; the command itself succeeded</source>
        <translation>não foi possível escrever a saída [%1]; o comando em si foi concluído</translation>
    </message>
    <message>
        <source>only the newest %1 of the %2 driver savegames found are listed</source>
        <translation>só os %1 mais recentes dos %2 jogos salvos de piloto encontrados são listados</translation>
    </message>
    <message>
        <source>no permission to look in &apos;%1&apos;: savegames there cannot be listed</source>
        <translation>sem permissão para olhar em &apos;%1&apos;: jogos salvos que estejam lá não podem ser listados</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a driver savegame</source>
        <translation>&apos;%1&apos; é uma pasta, não um salvamento de piloto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not listed, as its name is not text in this system&apos;s encoding (rename it to choose it)</source>
        <translation>&apos;%1&apos; não é listado, pois seu nome não é texto na codificação deste sistema (renomeie-o para escolhê-lo)</translation>
    </message>
    <message>
        <source>The save would fail: %1</source>
        <translation>O salvamento falharia: %1</translation>
    </message>
</context>
<context>
    <name>kelmora::DataLocation</name>
    <message>
        <source>installed copy: the program&apos;s folder %1 is inside the system folder %2</source>
        <translation>cópia instalada: a pasta do programa %1 fica dentro da pasta do sistema %2</translation>
    </message>
    <message>
        <source>portable copy: kelmora.dat is already beside the program</source>
        <translation>cópia portátil: o kelmora.dat já está ao lado do programa</translation>
    </message>
    <message>
        <source>portable copy: the program&apos;s folder is writable and not a system folder</source>
        <translation>cópia portátil: a pasta do programa permite escrita e não é uma pasta do sistema</translation>
    </message>
    <message>
        <source>the program&apos;s folder %1 is not writable by this user</source>
        <translation>este usuário não pode escrever na pasta do programa %1</translation>
    </message>
</context>
<context>
    <name>kelmora::Desktop</name>
    <message>
        <source>Mission Selector</source>
        <extracomment>The desktop entry&apos;s generic name, which menus show beside the program&apos;s name.</extracomment>
        <translation>Seletor de missões</translation>
    </message>
    <message>
        <source>Start the factory driver mode of Vantor at any mission</source>
        <extracomment>The desktop entry&apos;s comment and the summary of the software centres.</extracomment>
        <translation>Comece o modo piloto de fábrica do Vantor em qualquer missão</translation>
    </message>
    <message>
        <source>racing;mission;savegame;factory;driver;</source>
        <extracomment>Words a menu&apos;s search finds the program by, each one followed by a semicolon.</extracomment>
        <translation>corrida;missão;jogo salvo;fábrica;piloto;</translation>
    </message>
    <message>
        <source>The factory driver mode of the racing game Vantor has 34 missions and lets you play them only in order. Kelmora lets you start it at any mission.</source>
        <extracomment>The description of the software centres, first paragraph.</extracomment>
        <translation>O modo piloto de fábrica do jogo de corrida Vantor tem 34 missões e só deixa jogá-las em ordem. O Kelmora permite começá-lo em qualquer missão.</translation>
    </message>
    <message>
        <source>You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to the factory driver savegame and, each time you save a mission choice, rewrites that copy&apos;s mission progress: the chosen mission and every later one are reset, the earlier ones keep the template&apos;s progress. The template itself is never written to.</source>
        <translation>Você escolhe um dos seus jogos salvos de piloto como modelo. O Kelmora o copia, na mesma pasta, para o jogo salvo do piloto de fábrica e, cada vez que você salva uma missão escolhida, reescreve o progresso de missões dessa cópia: a missão escolhida e todas as seguintes são zeradas, as anteriores mantêm o progresso do modelo. O modelo em si nunca é alterado.</translation>
    </message>
    <message>
        <source>The command kelmora-cli does the same without a window, for launchers and scripts.</source>
        <translation>O comando kelmora-cli faz o mesmo sem janela, para lançadores e scripts.</translation>
    </message>
    <message>
        <source>The mission list with the chosen mission&apos;s car, location and goal time</source>
        <extracomment>The caption of the screenshot in the software centres.</extracomment>
        <translation>A lista de missões com o carro, o local e o tempo-alvo da missão escolhida</translation>
    </message>
    <message>
        <source>First release: the window and kelmora-cli, installed as a desktop program.</source>
        <extracomment>What release 1.0.0 brought, in the software centres.</extracomment>
        <translation>Primeira versão: a janela e o kelmora-cli, instalados como programa de desktop.</translation>
    </message>
    <message>
        <source>Vantor driver savegame</source>
        <extracomment>The file type of the game&apos;s savegames, as file managers name it.</extracomment>
        <translation>Jogo salvo de piloto do Vantor</translation>
    </message>
    <message>
        <source>no program that shows text files was found</source>
        <translation>nenhum programa que mostre arquivos de texto foi encontrado</translation>
    </message>
    <message>
        <source>the program for text files failed to show it</source>
        <translation>o programa para arquivos de texto não conseguiu mostrá-lo</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 terminou com o código de saída %2</translation>
    </message>
</context>
<context>
    <name>kelmora::FileSystem</name>
    <message>
        <source>It is a link; Kelmora only writes files it made itself</source>
        <translation>É um link; o Kelmora só escreve arquivos que ele mesmo criou</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes, at most %2 expected)</source>
        <translation>O arquivo é grande demais (%1 bytes, esperados no máximo %2)</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Ele tem outros nomes, que uma escrita nele também mudaria</translation>
    </message>
    <message>
        <source>The file is too short for the write (%1 bytes, %2 needed)</source>
        <translation>O arquivo é curto demais para a escrita (%1 bytes, são necessários %2)</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile, and it was left as that program wrote it</source>
        <translation>Outro programa o alterou nesse meio-tempo, e ele foi deixado como esse programa o escreveu</translation>
    </message>
    <message>
        <source>It is read-only, and Kelmora leaves it so</source>
        <translation>Ele é somente leitura, e o Kelmora o deixa assim</translation>
    </message>
</context>
<context>
    <name>kelmora::FindSavegamesWindow</name>
    <message>
        <source>Driver savegames</source>
        <translation>Jogos salvos de piloto</translation>
    </message>
    <message>
        <source>&amp;Driver savegames found, newest first:</source>
        <translation>&amp;Jogos salvos de piloto encontrados, os mais recentes primeiro:</translation>
    </message>
    <message>
        <source>No driver savegame was found. Choose one with File, Select New Template Driver.</source>
        <translation>Nenhum jogo salvo de piloto foi encontrado. Escolha um com Arquivo, Escolher novo piloto modelo.</translation>
    </message>
    <message>
        <source>None of the places where savegames live was found.</source>
        <translation>Nenhum dos lugares onde ficam os jogos salvos foi encontrado.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Procurado em: %1.</translation>
    </message>
    <message>
        <source>Too large to search whole: %1.</source>
        <translation>Grande demais para procurar por inteiro: %1.</translation>
    </message>
    <message>
        <source>No permission to look in: %1.</source>
        <translation>Sem permissão para olhar em: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of the %2 driver savegames found are listed.</source>
        <translation>Só os %1 mais recentes dos %2 jogos salvos de piloto encontrados são listados.</translation>
    </message>
    <message>
        <source>Not listed, as their names are not text in this system&apos;s encoding (rename them to choose them): %1.</source>
        <translation>Não listados, pois seus nomes não são texto na codificação deste sistema (renomeie-os para escolhê-los): %1.</translation>
    </message>
</context>
<context>
    <name>kelmora::MainWindow</name>
    <message>
        <source>None yet: choose File, Select New Template Driver</source>
        <translation>Nenhum ainda: Arquivo, Escolher novo piloto modelo</translation>
    </message>
    <message>
        <source>Save Factory Driver</source>
        <translation>Salvar piloto de fábrica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Save Factory Driver File</source>
        <translation>Salvar o arquivo do piloto de fábrica</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>The factory driver file is set to Mission #%1</source>
        <translation>O arquivo do piloto de fábrica está na missão nº %1</translation>
    </message>
    <message>
        <source>set to Mission #%1</source>
        <translation>na missão nº %1</translation>
    </message>
    <message>
        <source>set to #%1</source>
        <translation>na nº %1</translation>
    </message>
    <message>
        <source> (a save of any mission from #%1 to #%2 gives the same bytes)</source>
        <translation> (salvar qualquer missão da nº %1 à nº %2 dá os mesmos bytes)</translation>
    </message>
    <message>
        <source>set to Missions #%1–#%2</source>
        <translation>nas missões nº %1–%2</translation>
    </message>
    <message>
        <source>set to #%1–#%2</source>
        <translation>nas nº %1–%2</translation>
    </message>
    <message>
        <source>The factory driver file has been played on or changed since the last save: no mission&apos;s save gives its bytes</source>
        <translation>O arquivo do piloto de fábrica foi jogado ou alterado desde o último salvamento: salvar nenhuma missão dá os bytes dele</translation>
    </message>
    <message>
        <source>played on</source>
        <translation>jogado</translation>
    </message>
    <message>
        <source>The factory driver file is %1</source>
        <translation>O arquivo do piloto de fábrica está %1</translation>
    </message>
    <message>
        <source>Which mission the factory driver file is set to cannot be told: %1</source>
        <translation>Não dá para saber em que missão está o arquivo do piloto de fábrica: %1</translation>
    </message>
    <message>
        <source>mission unknown</source>
        <translation>missão desconhecida</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file cannot be read</source>
        <translation>Não dá para saber o que um salvamento dará ao jogo: o arquivo de dados do programa não pode ser lido</translation>
    </message>
    <message>
        <source>Error - Viewing Aborted</source>
        <translation>Erro - Exibição cancelada</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos;</source>
        <translation>Não foi possível abrir &apos;Readme-KELMORA.TXT&apos;</translation>
    </message>
    <message>
        <source>Could not execute &apos;%1&apos;</source>
        <translation>Não foi possível executar &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Select Driver Savegame File</source>
        <translation>Escolher um jogo salvo de piloto</translation>
    </message>
    <message>
        <source>Driver Savegames (*.sav)</source>
        <translation>Jogos salvos de piloto (*.sav)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Not saved this session</source>
        <translation>Não salvo nesta sessão</translation>
    </message>
    <message>
        <source>What a save gives the game cannot be told: the program data file is not this template&apos;s</source>
        <translation>Não dá para saber o que um salvamento dará ao jogo: o arquivo de dados do programa não é deste modelo</translation>
    </message>
    <message>
        <source>Could not open &apos;Readme-KELMORA.TXT&apos; [%1]</source>
        <translation>Não foi possível abrir &apos;Readme-KELMORA.TXT&apos; [%1]</translation>
    </message>
    <message>
        <source>The settings now name %1 as the template driver: start Kelmora again to save for it</source>
        <translation>As configurações agora indicam %1 como piloto modelo: abra o Kelmora de novo para salvar para ele</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>igual ao modelo</translation>
    </message>
    <message>
        <source>The factory driver file is gone: choose the template driver again to make a new copy</source>
        <translation>O arquivo do piloto de fábrica sumiu: escolha o piloto modelo de novo para fazer uma nova cópia</translation>
    </message>
    <message>
        <source>The factory driver file may be another driver&apos;s: choose the template driver again</source>
        <translation>O arquivo do piloto de fábrica pode ser de outro piloto: escolha o piloto modelo de novo</translation>
    </message>
    <message>
        <source>The settings name no usable template driver now: choose the template driver again to save</source>
        <translation>As configurações não indicam mais nenhum piloto modelo utilizável: escolha o piloto modelo de novo para salvar</translation>
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
        <translation>Docas de Merrow</translation>
    </message>
    <message>
        <source>Calder Pass</source>
        <translation>Passo de Calder</translation>
    </message>
    <message>
        <source>Old Quarry Road</source>
        <translation>Estrada da pedreira velha</translation>
    </message>
    <message>
        <source>Linfield Airfield</source>
        <translation>Aeródromo de Linfield</translation>
    </message>
    <message>
        <source>Saltmarsh Causeway</source>
        <translation>Aterro de Saltmarsh</translation>
    </message>
    <message>
        <source>Brackwood Forest</source>
        <translation>Floresta de Brackwood</translation>
    </message>
    <message>
        <source>Harrowgate Downtown</source>
        <translation>Centro de Harrowgate</translation>
    </message>
    <message>
        <source>Sable Canyon</source>
        <translation>Cânion Sable</translation>
    </message>
    <message>
        <source>Eastbridge Industrial Park</source>
        <translation>Distrito industrial de Eastbridge</translation>
    </message>
    <message>
        <source>Tollan Coast Highway</source>
        <translation>Rodovia costeira de Tollan</translation>
    </message>
    <message>
        <source>Set a hot lap on a closed track</source>
        <translation>Faça uma volta rápida em circuito fechado</translation>
    </message>
    <message>
        <source>Weave through the cone slalom</source>
        <translation>Passe pelo slalom de cones</translation>
    </message>
    <message>
        <source>Handbrake turn into the loading bay</source>
        <translation>Entre de freio de mão na doca de carga</translation>
    </message>
    <message>
        <source>Reverse the full course</source>
        <translation>Percorra todo o trajeto de ré</translation>
    </message>
    <message>
        <source>Deliver the car without a scratch - Traffic, Cops</source>
        <translation>Entregue o carro sem um arranhão - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Reach every checkpoint in order</source>
        <translation>Passe por todos os pontos de controle em ordem</translation>
    </message>
    <message>
        <source>Escort the convoy to the harbour - Traffic, Cops</source>
        <translation>Escolte o comboio até o porto - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Sprint from one end to the other</source>
        <translation>Acelere de uma ponta à outra</translation>
    </message>
    <message>
        <source>Lose the pursuit before the bridge - Traffic, Cops</source>
        <translation>Despiste a perseguição antes da ponte - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Clear the jump and stick the landing</source>
        <translation>Vença o salto e aterrisse limpo</translation>
    </message>
    <message>
        <source>Pick up the mechanic on the way - Traffic, Cops</source>
        <translation>Pegue o mecânico no caminho - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Beat the rival driver head to head</source>
        <translation>Vença o piloto rival num mano a mano</translation>
    </message>
    <message>
        <source>Win the street race - Traffic, Cops</source>
        <translation>Vença o racha de rua - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Finish on a nearly empty tank</source>
        <translation>Chegue com o tanque quase vazio</translation>
    </message>
    <message>
        <source>Night run without headlights - Traffic, Cops</source>
        <translation>Corrida noturna sem faróis - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Run the roadblock gauntlet - Traffic, Cops</source>
        <translation>Fure os bloqueios da estrada - Trânsito, polícia</translation>
    </message>
    <message>
        <source>Survive ten laps of the endurance race</source>
        <translation>Aguente dez voltas da corrida de resistência</translation>
    </message>
    <message>
        <source>Drift through the hairpins</source>
        <translation>Faça as curvas fechadas de drift</translation>
    </message>
    <message>
        <source>Win from the back of the pack</source>
        <translation>Vença largando do fim do pelotão</translation>
    </message>
    <message>
        <source>Keep it on the road in the rain</source>
        <translation>Mantenha-se na estrada na chuva</translation>
    </message>
    <message>
        <source>Make the ferry before it sails</source>
        <translation>Alcance a balsa antes que ela parta</translation>
    </message>
    <message>
        <source>Take the championship decider</source>
        <translation>Vença a decisão do campeonato</translation>
    </message>
    <message>
        <source>Just Win, Baby</source>
        <translation>Só vença, baby</translation>
    </message>
    <message>
        <source>Finish First, Finish Clean</source>
        <translation>Chegue em primeiro, e sem um arranhão</translation>
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
        <translation>O arquivo está truncado (%1 de %2 bytes)</translation>
    </message>
</context>
<context>
    <name>kelmora::MissionSelection</name>
    <message>
        <source>played on since a save</source>
        <translation>jogado desde um salvamento</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Missão %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>Saved [Mission #%1] @ %2</source>
        <translation>Salvo [missão nº %1] @ %2</translation>
    </message>
    <message>
        <source>as the template</source>
        <translation>igual ao modelo</translation>
    </message>
</context>
<context>
    <name>kelmora::NextMission</name>
    <message>
        <source>The template has progress in every mission: the game will offer no mission next</source>
        <translation>O modelo tem progresso em todas as missões: o jogo não oferecerá nenhuma missão em seguida</translation>
    </message>
    <message>
        <source>The game will offer mission %1 next</source>
        <translation>O jogo oferecerá em seguida a missão&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: the game will offer mission %2 next</source>
        <translation>O modelo não chegou à missão&#xa0;%1: o jogo oferecerá em seguida a missão&#xa0;%2</translation>
    </message>
    <message>
        <source>has reached mission %1</source>
        <translation>chegou à missão %1</translation>
    </message>
    <message>
        <source>has progress in every mission</source>
        <translation>tem progresso em todas as missões</translation>
    </message>
    <message>
        <source>The template has progress in every mission: once saved, the game will offer no mission next</source>
        <translation>O modelo tem progresso em todas as missões: depois de salvar, o jogo não oferecerá nenhuma missão em seguida</translation>
    </message>
    <message>
        <source>Once saved, the game will offer mission %1 next</source>
        <translation>Depois de salvar, o jogo oferecerá em seguida a missão&#xa0;%1</translation>
    </message>
    <message>
        <source>The template has not reached mission %1: once saved, the game will offer mission %2 next</source>
        <translation>O modelo não chegou à missão&#xa0;%1: depois de salvar, o jogo oferecerá em seguida a missão&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>kelmora::Outcome</name>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>Error! - Save failed</source>
        <translation>Erro! - Falha ao salvar</translation>
    </message>
    <message>
        <source>Error! - Restore failed</source>
        <translation>Erro! - Falha ao restaurar</translation>
    </message>
    <message>
        <source>Could not read from data file &apos;%1&apos; [%2]</source>
        <translation>Não foi possível ler o arquivo de dados &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not write to data file &apos;%1&apos; [%2]</source>
        <translation>Não foi possível escrever no arquivo de dados &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not create the program data folder &apos;%1&apos; [%2]</source>
        <translation>Não foi possível criar a pasta de dados do programa &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not read in program data file &apos;%1&apos; properly</source>
        <translation>Não foi possível ler corretamente o arquivo de dados do programa &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not successfully manipulate mission selection data array</source>
        <translation>Não foi possível processar os dados da missão escolhida</translation>
    </message>
    <message>
        <source>Could not write to factory driver file &apos;%1&apos; [%2]</source>
        <translation>Não foi possível escrever no arquivo do piloto de fábrica &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Error! - Write failed</source>
        <translation>Erro! - Falha na escrita</translation>
    </message>
    <message>
        <source>Could not find driver file at %1</source>
        <translation>Arquivo de piloto não encontrado em %1</translation>
    </message>
    <message>
        <source>Fatal Error!</source>
        <translation>Erro fatal!</translation>
    </message>
    <message>
        <source>Could not read in template driver file [%1]</source>
        <translation>Não foi possível ler o arquivo do piloto modelo [%1]</translation>
    </message>
    <message>
        <source>Could not find template driver file &apos;%1&apos;</source>
        <translation>Arquivo do piloto modelo &apos;%1&apos; não encontrado</translation>
    </message>
    <message>
        <source>Could not make factory driver file from template driver file [%1]</source>
        <translation>Não foi possível criar o arquivo do piloto de fábrica a partir do arquivo do piloto modelo [%1]</translation>
    </message>
    <message>
        <source>You can&apos;t select the factory driver file as your template file!</source>
        <translation>Você não pode escolher o arquivo do piloto de fábrica como modelo!</translation>
    </message>
    <message>
        <source>Error! - Select New Template Driver failed</source>
        <translation>Erro! - Falha ao escolher novo piloto modelo</translation>
    </message>
    <message>
        <source>Could not read the settings from &apos;%1&apos; [%2]</source>
        <translation>Não foi possível ler as configurações de &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not store the settings in &apos;%1&apos; [%2]</source>
        <translation>Não foi possível guardar as configurações em &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no usable template driver (&apos;%1&apos;). Choose a template driver first.</source>
        <translation>As configurações não indicam nenhum piloto modelo utilizável (&apos;%1&apos;). Escolha um piloto modelo primeiro.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos; [%2]</source>
        <translation>Não foi possível usar &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Another Kelmora is saving or choosing a template driver right now. Try again when it has finished.</source>
        <translation>Outro Kelmora está salvando ou escolhendo um piloto modelo agora. Tente de novo quando ele terminar.</translation>
    </message>
    <message>
        <source>Error! - Busy</source>
        <translation>Erro! - Ocupado</translation>
    </message>
    <message>
        <source>Could not lock &apos;%1&apos; [%2]</source>
        <translation>Não foi possível travar &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Could not back up &apos;%1&apos; before changing it [%2]</source>
        <translation>Não foi possível fazer backup de &apos;%1&apos; antes de alterá-lo [%2]</translation>
    </message>
    <message>
        <source>There is no backup &apos;%1&apos;</source>
        <translation>Não existe o backup &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not restore &apos;%1&apos; [%2]</source>
        <translation>Não foi possível restaurar &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Nothing was saved: the program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]. Choose the template driver again to fix this.</source>
        <translation>Nada foi salvo: o arquivo de dados do programa &apos;%1&apos; não contém o progresso do piloto modelo atual [%2]. Escolha o piloto modelo de novo para corrigir isso.</translation>
    </message>
    <message>
        <source>Restoring &apos;%1&apos; puts back a savegame that saves may give another driver&apos;s progress [%2]. The next save would write the current template driver&apos;s progress into it.</source>
        <translation>Restaurar &apos;%1&apos; devolve um jogo salvo ao qual os salvamentos podem dar o progresso de outro piloto [%2]. O próximo salvamento escreveria nele o progresso do piloto modelo atual.</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurar piloto de fábrica</translation>
    </message>
    <message>
        <source>Could not read the backups in &apos;%1&apos; [%2]</source>
        <translation>Não foi possível ler os backups em &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>The settings name no template driver. Choose a template driver first.</source>
        <translation>As configurações não indicam nenhum piloto modelo. Escolha um piloto modelo primeiro.</translation>
    </message>
    <message>
        <source>The settings have named &apos;%1&apos; as the template driver since this Kelmora started; nothing was saved. Start Kelmora again to save for that template driver.</source>
        <translation>As configurações indicam &apos;%1&apos; como piloto modelo desde que este Kelmora foi aberto; nada foi salvo. Abra o Kelmora de novo para salvar para esse piloto modelo.</translation>
    </message>
</context>
<context>
    <name>kelmora::RestoreWindow</name>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>&amp;Backups of factory driver files, newest first:</source>
        <translation>&amp;Backups dos arquivos do piloto de fábrica, os mais recentes primeiro:</translation>
    </message>
    <message>
        <source>No factory driver file has been backed up yet.</source>
        <translation>Nenhum arquivo do piloto de fábrica tem backup ainda.</translation>
    </message>
    <message>
        <source>Restore it anyway?</source>
        <translation>Restaurar mesmo assim?</translation>
    </message>
    <message>
        <source>The backup taken at %1 is no longer there. The list now shows the backups there are.</source>
        <translation>O backup de %1 não existe mais. A lista agora mostra os backups que existem.</translation>
    </message>
</context>
<context>
    <name>kelmora::SavegameFinder</name>
    <message>
        <source>cannot be read [%1]</source>
        <translation>não pode ser lido [%1]</translation>
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
        <translation>O arquivo é curto demais para ser um jogo salvo de piloto (%1 bytes, são necessários pelo menos %2)</translation>
    </message>
    <message>
        <source>It belongs to another user, whose savegames Kelmora never changes</source>
        <translation>Ele pertence a outro usuário, cujos jogos salvos o Kelmora nunca altera</translation>
    </message>
    <message>
        <source>There is no per-user folder to keep it in</source>
        <translation>Não há pasta do usuário onde guardá-lo</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Ele pertence a outro usuário</translation>
    </message>
    <message>
        <source>Other users may change it</source>
        <translation>Outros usuários podem alterá-lo</translation>
    </message>
    <message>
        <source>Nothing tells which template driver it was written for</source>
        <translation>Nada indica para qual piloto modelo ele foi escrito</translation>
    </message>
    <message>
        <source>It was written for the template driver &apos;%1&apos;</source>
        <translation>Ele foi escrito para o piloto modelo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The template driver was chosen by the copy of Kelmora that keeps it in &apos;%1&apos;</source>
        <translation>O piloto modelo foi escolhido pela cópia do Kelmora que o guarda em &apos;%1&apos;</translation>
    </message>
    <message>
        <source>It has changed since the template driver was chosen</source>
        <translation>Ele mudou desde que o piloto modelo foi escolhido</translation>
    </message>
    <message>
        <source>It is the template driver file, which is never written</source>
        <translation>É o arquivo do piloto modelo, que nunca é alterado</translation>
    </message>
    <message>
        <source>It has other names, which a write into it would change too</source>
        <translation>Ele tem outros nomes, que uma escrita nele também mudaria</translation>
    </message>
    <message>
        <source>The name holds characters that the file system cannot store</source>
        <translation>O nome contém caracteres que o sistema de arquivos não consegue guardar</translation>
    </message>
    <message>
        <source>The chosen file is the program data file</source>
        <translation>O arquivo escolhido é o arquivo de dados do programa</translation>
    </message>
    <message>
        <source>It is the program data file</source>
        <translation>É o arquivo de dados do programa</translation>
    </message>
    <message>
        <source>It is not a factory driver file</source>
        <translation>Não é um arquivo de piloto de fábrica</translation>
    </message>
    <message>
        <source>It was backed up while no template driver was known for it, and saves now write the progress of &apos;%1&apos; into this file</source>
        <translation>O backup foi feito quando nenhum piloto modelo era conhecido para ele, e os salvamentos agora escrevem o progresso de &apos;%1&apos; neste arquivo</translation>
    </message>
    <message>
        <source>It is a copy of template driver &apos;%1&apos;, and saves now write the progress of &apos;%2&apos; into this file</source>
        <translation>É uma cópia do piloto modelo &apos;%1&apos;, e os salvamentos agora escrevem o progresso de &apos;%2&apos; neste arquivo</translation>
    </message>
    <message>
        <source>No new file can be made in its folder, and the backup has another length than the file</source>
        <translation>Nenhum arquivo novo pode ser criado na pasta dele, e o backup tem outro tamanho que o arquivo</translation>
    </message>
    <message>
        <source>Could not read factory driver file &apos;%1&apos; [%2]</source>
        <translation>Não foi possível ler o arquivo do piloto de fábrica &apos;%1&apos; [%2]</translation>
    </message>
    <message>
        <source>Restored &apos;%1&apos; as it was at %2</source>
        <translation>&apos;%1&apos; restaurado como estava em %2</translation>
    </message>
    <message>
        <source>Restore Factory Driver</source>
        <translation>Restaurar piloto de fábrica</translation>
    </message>
    <message>
        <source>&apos;%1&apos; %2 now, but had more progress when it was chosen as the template driver: it is another driver&apos;s savegame</source>
        <translation>&apos;%1&apos; %2, mas tinha mais progresso quando foi escolhido como piloto modelo: é o salvamento de outro piloto</translation>
    </message>
    <message>
        <source>The program data file &apos;%1&apos; does not hold the progress of the current template driver [%2]</source>
        <translation>O arquivo de dados do programa &apos;%1&apos; não contém o progresso do piloto modelo atual [%2]</translation>
    </message>
    <message>
        <source>The template driver &apos;%1&apos; is missing, and this file has changed beyond its mission progress since it was copied from it: it may be another driver&apos;s savegame. Put the template driver back, or choose a template driver again</source>
        <translation>O piloto modelo &apos;%1&apos; está faltando, e este arquivo mudou além do seu progresso de missões desde que foi copiado dele: pode ser o jogo salvo de outro piloto. Coloque o piloto modelo de volta ou escolha um piloto modelo de novo</translation>
    </message>
    <message>
        <source>Apart from its mission progress it is the same as &apos;%1&apos;: it may be that driver&apos;s savegame put here, which a save would give the template driver&apos;s progress. Choose the template driver again to make a fresh copy of it</source>
        <translation>A não ser pelo progresso de missões, ele é igual a &apos;%1&apos;: pode ser o jogo salvo desse piloto colocado aqui, ao qual um salvamento daria o progresso do piloto modelo. Escolha o piloto modelo de novo para fazer uma cópia nova dele</translation>
    </message>
    <message>
        <source>It was backed up before template driver &apos;%1&apos; was last chosen, and beyond its mission progress it differs from the copy made then: it may be another driver&apos;s savegame of that name, or one the game has played on since</source>
        <translation>O backup foi feito antes de o piloto modelo &apos;%1&apos; ser escolhido pela última vez, e fora do progresso das missões ele difere da cópia feita então: pode ser o jogo salvo de outro piloto com esse nome, ou um em que se continuou jogando desde então</translation>
    </message>
</context>
<context>
    <name>kelmora::SettingsStore</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>O arquivo de configurações está danificado</translation>
    </message>
</context>
<context>
    <name>kelmora::TemplateSelection</name>
    <message>
        <source>  [Never gets modified!]</source>
        <translation>  [Nunca é alterado!]</translation>
    </message>
    <message>
        <source>  [Select mission for this driver]</source>
        <translation>  [Escolha a missão para este piloto]</translation>
    </message>
</context>
<context>
    <name>kelmora::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written the way this locale writes them.</extracomment>
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>kelmora::WindowArguments</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: kelmora [SAVEGAME]   (--help tells more)</source>
        <translation>Uso: kelmora [SAVEGAME]   (--help explica mais)</translation>
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
Abre a janela do Kelmora, que ajusta a missão em que começa o modo piloto de fábrica do Vantor. Com
SAVEGAME, esse jogo salvo de piloto passa a ser o piloto modelo, como faria Arquivo, Escolher novo
piloto modelo.

Opções:
  -h, --help     Mostra este texto.
  -v, --version  Mostra a versão.

O kelmora-cli faz o mesmo trabalho sem janela; &apos;kelmora-cli help&apos; explica mais.
</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text in this system&apos;s encoding</source>
        <translation>O nome contém bytes que não são texto na codificação deste sistema</translation>
    </message>
    <message>
        <source>It is a folder, not a driver savegame</source>
        <translation>É uma pasta, não um salvamento de piloto</translation>
    </message>
</context>
</TS>
