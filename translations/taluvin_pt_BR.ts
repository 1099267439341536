<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Notices</name>
    <message>
        <source>full screen (F11 or Alt+Enter: back to the window)</source>
        <translation>tela cheia (F11 ou Alt+Enter: de volta à janela)</translation>
    </message>
    <message>
        <source>window (F11 or Alt+Enter: full screen)</source>
        <translation>janela (F11 ou Alt+Enter: tela cheia)</translation>
    </message>
    <message>
        <source>the monitor already fills the screen</source>
        <translation>o monitor já ocupa a tela toda</translation>
    </message>
    <message>
        <source>the menu opens once the script has run</source>
        <translation>o menu abre quando o script terminar</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>a file name</source>
        <translation>um nome de arquivo</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 precisa de %2</translation>
    </message>
    <message>
        <source>a size in megabytes</source>
        <translation>um tamanho em megabytes</translation>
    </message>
    <message>
        <source>--trace-limit takes a whole number of megabytes from 1 to %1, not &apos;%2&apos;</source>
        <translation>--trace-limit aceita um número inteiro de megabytes de 1 a %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>a factor or auto</source>
        <translation>um fator ou auto</translation>
    </message>
    <message>
        <source>--scale takes auto or a factor from 1 to 8 (such as 1.5 or 2), not &apos;%1&apos;</source>
        <translation>--scale aceita auto ou um fator de 1 a 8 (como 1.5 ou 2), não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a game folder</source>
        <translation>uma pasta de jogo</translation>
    </message>
    <message>
        <source>a slot number or a slot folder</source>
        <translation>um número de jogo salvo ou uma pasta de jogo salvo</translation>
    </message>
    <message>
        <source>a slot number</source>
        <translation>um número de jogo salvo</translation>
    </message>
    <message>
        <source>a register number</source>
        <translation>um número de registrador</translation>
    </message>
    <message>
        <source>a game folder or a zip archive</source>
        <translation>uma pasta de jogo ou um arquivo zip</translation>
    </message>
    <message>
        <source>a trace file</source>
        <translation>um arquivo de trace</translation>
    </message>
    <message>
        <source>--model takes a screen model from 0 to 4, not %1</source>
        <translation>--model aceita um modelo de tela de 0 a 4, não %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>more than one game folder given: %1</source>
        <translation>mais de uma pasta de jogo dada: %1</translation>
    </message>
    <message>
        <source>--check needs a game folder</source>
        <translation>--check precisa de uma pasta de jogo</translation>
    </message>
    <message>
        <source>--delete-save needs a game folder</source>
        <translation>--delete-save precisa de uma pasta de jogo</translation>
    </message>
    <message>
        <source>--load-save, --start and --resume each open the game: give one</source>
        <translation>--load-save, --start e --resume abrem o jogo cada um: dê só um</translation>
    </message>
    <message>
        <source>--fresh needs a game folder or a zip archive</source>
        <translation>--fresh precisa de uma pasta de jogo ou de um arquivo zip</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Text speed</source>
        <translation>Velocidade do texto</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>de uma vez</translation>
    </message>
    <message>
        <source>F10                  this menu (F10 or Esc closes it)
Ctrl+S               save to a new slot
Ctrl+L               the saved slots (F2 names one, Delete deletes it)
Ctrl+Z               take back the last move
Ctrl+T               the transcript of what the game said
F11, Alt+Enter       full screen and back
Ctrl+Up, Ctrl+Down   louder, softer; Ctrl+M mutes
Ctrl held            outline every place that answers a click
Tab, Shift+Tab       move between those places; Return uses one
Ctrl+Q               quit (the game is saved)</source>
        <translation>F10                  este menu (F10 ou Esc o fecha)
Ctrl+S               salvar num novo espaço
Ctrl+L               os jogos salvos (F2 dá nome a um, Delete o apaga)
Ctrl+Z               desfazer a última jogada
Ctrl+T               a transcrição do que o jogo disse
F11, Alt+Enter       tela cheia e de volta
Ctrl+Up, Ctrl+Down   mais alto, mais baixo; Ctrl+M silencia
Ctrl pressionado     contorna cada lugar que responde a um clique
Tab, Shift+Tab       passa entre esses lugares; Return usa um
Ctrl+Q               sair (o jogo é salvo)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>muted</source>
        <translation>silenciado</translation>
    </message>
    <message>
        <source>Speech (from the next start)</source>
        <translation>Fala (a partir do próximo início)</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Idioma (a partir do próximo início)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Save to a new slot</source>
        <translation>Salvar num novo espaço</translation>
    </message>
    <message>
        <source>Load a slot</source>
        <translation>Carregar um jogo salvo</translation>
    </message>
    <message>
        <source>Undo the last move</source>
        <translation>Desfazer a última jogada</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Transcrição</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Taluvin</source>
        <translation>Taluvin</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: taluvin [GAME_FOLDER | GAME.zip] [options]
</source>
        <translation>Uso: taluvin [PASTA_DO_JOGO | JOGO.zip] [opções]
</translation>
    </message>
    <message>
        <source>Plays the game in GAME_FOLDER, or the game of a zip archive, unpacked into the games folder
the first time. Without either: the games library window.
</source>
        <translation>Joga o jogo em PASTA_DO_JOGO, ou o jogo de um arquivo zip, descompactado na pasta de jogos
na primeira vez. Sem nenhum dos dois: a janela da biblioteca de jogos.
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Opções:
</translation>
    </message>
    <message>
        <source>  --trace FILE    write every trace line to FILE (UTF-8; &quot;-&quot; for standard error)
</source>
        <translation>  --trace ARQUIVO grava cada linha do trace em ARQUIVO (UTF-8; &quot;-&quot; para a saída de erro)
</translation>
    </message>
    <message>
        <source>  --trace-limit MB  stop the trace at MB megabytes, with a last line saying so (default 1024)
</source>
        <translation>  --trace-limit MB para o trace em MB megabytes, com uma última linha que o diz (padrão 1024)
</translation>
    </message>
    <message>
        <source>  --start         act as the start click as soon as the window shows
</source>
        <translation>  --start         age como o clique de início assim que a janela aparece
</translation>
    </message>
    <message>
        <source>  --resume        act as the double click on the opening picture (continue from the place
                  reached) as soon as the window shows
</source>
        <translation>  --resume        age como o clique duplo na imagem de abertura (continua do ponto
                  alcançado) assim que a janela aparece
</translation>
    </message>
    <message>
        <source>  --fresh         play a copy of the game made for this run and removed at its end, leaving
                  the game folder or archive untouched
</source>
        <translation>  --fresh         joga uma cópia do jogo feita para esta execução e removida ao fim dela,
                  sem tocar na pasta ou no arquivo do jogo
</translation>
    </message>
    <message>
        <source>  --replay FILE   play the player actions listed in FILE, one per line
</source>
        <translation>  --replay ARQUIVO repete as ações do jogador listadas em ARQUIVO, uma por linha
</translation>
    </message>
    <message>
        <source>  --verbose       with --replay: print each action as it is taken, after the comments
                  written above it, and a last line when the replay is over
</source>
        <translation>  --verbose       com --replay: escreve cada ação ao executá-la, depois dos comentários
                  escritos acima dela, e uma última linha quando a repetição termina
</translation>
    </message>
    <message>
        <source>  --headless      no display and no sound device; errors go to standard error
</source>
        <translation>  --headless      sem tela e sem dispositivo de som; os erros vão para a saída de erro
</translation>
    </message>
    <message>
        <source>  --scale N       draw the whole window N times its size (1, 1.5, 2, 3 ... up to 8), or auto:
                  the largest of 1, 1.5, 2, 2.5 ... whose window fits in 90% of the screen (the
                  default; 1 under --headless). Games see the same pixels at any scale. The
                  scale last given for a game is used again when this is not given
</source>
        <translation>  --scale N       desenha a janela inteira N vezes o seu tamanho (1, 1.5, 2, 3 ... até 8), ou auto:
                  o maior de 1, 1.5, 2, 2.5 ... cuja janela cabe em 90% da tela (o padrão;
                  1 com --headless). Os jogos veem os mesmos pixels em qualquer escala. A última
                  escala dada para um jogo é usada de novo quando esta não é dada
</translation>
    </message>
    <message>
        <source>  --fullscreen    start with the game filling the screen (F11 or Alt+Enter switch back and
                  forth); without it, a game left full screen starts full screen again
</source>
        <translation>  --fullscreen    começa com o jogo ocupando a tela toda (F11 ou Alt+Enter alternam); sem
                  ela, um jogo deixado em tela cheia começa de novo em tela cheia
</translation>
    </message>
    <message>
        <source>  --speak         speak every text the game shows (remembered until --no-speak)
</source>
        <translation>  --speak         fala cada texto que o jogo mostra (lembrado até --no-speak)
</translation>
    </message>
    <message>
        <source>  --no-speak      stop speaking the game&apos;s texts (remembered until --speak)
</source>
        <translation>  --no-speak      para de falar os textos do jogo (lembrado até --speak)
</translation>
    </message>
    <message>
        <source>  --speech-log FILE  write every text that is or would be spoken to FILE, one UTF-8
                  line each (with or without --speak, --headless too)
</source>
        <translation>  --speech-log ARQUIVO grava em ARQUIVO cada texto que é ou seria falado, uma
                  linha UTF-8 cada (com ou sem --speak, também com --headless)
</translation>
    </message>
    <message>
        <source>  --speech-engine NAME  speak through that text-to-speech engine (flite, speechd, ...;
                  none: no voice); default: Flite, else speech-dispatcher
</source>
        <translation>  --speech-engine NOME fala por esse motor de voz (flite, speechd, ...;
                  none: sem voz); padrão: Flite, senão speech-dispatcher
</translation>
    </message>
    <message>
        <source>  --list-commands print the script language&apos;s commands in the order they are tested
</source>
        <translation>  --list-commands lista os comandos da linguagem de scripts na ordem em que são testados
</translation>
    </message>
    <message>
        <source>  --list-saves GAME_FOLDER  print the game&apos;s save slots (time and place of each)
</source>
        <translation>  --list-saves PASTA_DO_JOGO lista os jogos salvos (hora e lugar de cada um)
</translation>
    </message>
    <message>
        <source>  --load-save SLOT  restore save slot SLOT (a number, or a slot folder) and reopen the game
                  at its place
</source>
        <translation>  --load-save JOGO_SALVO restaura o jogo salvo JOGO_SALVO (um número ou uma pasta)
                  e reabre o jogo no seu lugar
</translation>
    </message>
    <message>
        <source>  --delete-save SLOT  delete save slot SLOT of the game folder given and stop
</source>
        <translation>  --delete-save JOGO_SALVO apaga o jogo salvo JOGO_SALVO da pasta do jogo dada e termina
</translation>
    </message>
    <message>
        <source>  --markdown      with --list-commands: the authors&apos; command reference in Markdown
</source>
        <translation>  --markdown      com --list-commands: a referência de comandos para autores em Markdown
</translation>
    </message>
    <message>
        <source>  --new FOLDER    write a small working game into FOLDER (new or empty) and stop
</source>
        <translation>  --new PASTA     escreve um pequeno jogo que funciona em PASTA (nova ou vazia) e termina
</translation>
    </message>
    <message>
        <source>  --model N       with --new: the screen model 0 to 4 the game uses (default 1)
</source>
        <translation>  --model N       com --new: o modelo de tela de 0 a 4 que o jogo usa (padrão 1)
</translation>
    </message>
    <message>
        <source>  --list-games    print the games library: name, last played, place and folder of each game
</source>
        <translation>  --list-games    lista a biblioteca de jogos: nome, última vez jogado, lugar e pasta de cada jogo
</translation>
    </message>
    <message>
        <source>  --add-game PATH  copy the game folder or unpack the zip archive PATH into the games folder
</source>
        <translation>  --add-game CAMINHO copia a pasta do jogo ou descompacta o arquivo zip CAMINHO na pasta de jogos
</translation>
    </message>
    <message>
        <source>  --check         report the game folder&apos;s mistakes as FILE:LINE: message, without
                  opening a window (exit code 0: none, 1: some, 2: folder unreadable)
</source>
        <translation>  --check         relata os erros da pasta do jogo como ARQUIVO:LINHA: mensagem, sem abrir
                  janela (código de saída 0: nenhum, 1: alguns, 2: pasta ilegível)
</translation>
    </message>
    <message>
        <source>  --explain FILE  print the trace FILE (as --trace writes it) with an English line under each
                  marker, naming the file, register or label it is about; with a
                  GAME_FOLDER, the glosses give that game&apos;s register count
</source>
        <translation>  --explain ARQUIVO escreve o trace ARQUIVO (como --trace o grava) com uma linha em inglês sob cada
                  marcador, nomeando o arquivo, registrador ou rótulo de que trata; com uma
                  PASTA_DO_JOGO, as notas dão o número de registradores desse jogo
</translation>
    </message>
    <message>
        <source>  --break FILE:LINE  stop a run before line LINE (from 1) of script FILE; repeatable
</source>
        <translation>  --break ARQUIVO:LINHA para uma execução antes da linha LINHA (a partir de 1) do script ARQUIVO; repetível
</translation>
    </message>
    <message>
        <source>  --break-register N  stop a run after any line that changes register N; repeatable
</source>
        <translation>  --break-register N para uma execução depois de qualquer linha que mude o registrador N; repetível
</translation>
    </message>
    <message>
        <source>  --inspect       open the inspector window beside the game (also Ctrl+Shift+I); it opens by
                  itself when a run stops. There F6 steps one line, F8 continues and
                  Shift+F8 stops the run
</source>
        <translation>  --inspect       abre a janela do inspetor ao lado do jogo (também Ctrl+Shift+I); ela se abre
                  sozinha quando uma execução para. Nela F6 avança uma linha, F8 continua e
                  Shift+F8 para a execução
</translation>
    </message>
    <message>
        <source>  --help          show this text
</source>
        <translation>  --help          mostra este texto
</translation>
    </message>
    <message>
        <source>  --version       show the version
</source>
        <translation>  --version       mostra a versão
</translation>
    </message>
</context>
<context>
    <name>taluvin::TranscriptView</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the transcript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcript: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
