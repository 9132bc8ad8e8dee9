<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>Countdown</source>
        <translation>Contagem regressiva</translation>
    </message>
</context>
<context>
    <name>CueSender</name>
    <message>
        <source>The cue could not be sent to %1: %2</source>
        <translation>Não foi possível enviar o cue para %1: %2</translation>
    </message>
    <message>
        <source>Cue “%1”: “%2” is not a web address.</source>
        <translation>Deixa “%1”: “%2” não é um endereço web.</translation>
    </message>
    <message>
        <source>Cue “%1” not sent to %2: it has not answered the last ones yet.</source>
        <translation>Deixa “%1” não enviada a %2: ainda não respondeu às anteriores.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n second(s)</source>
        <translation>
            <numerusform>sem resposta em %n segundo</numerusform>
            <numerusform>sem resposta em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>respondeu %1</translation>
    </message>
    <message>
        <source>Cue “%1” not taken by %2: %3</source>
        <translation>Deixa “%1” não aceita por %2: %3</translation>
    </message>
    <message>
        <source>CueOsc: “%1” is not an address and port.</source>
        <translation>CueOsc: “%1” não é um endereço com porta.</translation>
    </message>
    <message>
        <source>The cue&apos;s MIDI note could not be sent: %1</source>
        <translation>Não foi possível enviar a nota MIDI da deixa: %1</translation>
    </message>
</context>
<context>
    <name>DocConverter</name>
    <message>
        <source>no result after %1 seconds</source>
        <translation>nenhum resultado após %1 segundos</translation>
    </message>
</context>
<context>
    <name>FollowSeat</name>
    <message>
        <source>F&amp;ollow prompter…</source>
        <translation>Se&amp;guir prompter…</translation>
    </message>
    <message>
        <source>&amp;Stop following</source>
        <translation>P&amp;arar de seguir</translation>
    </message>
    <message>
        <source>&amp;Lead in the leader&apos;s place</source>
        <translation>&amp;Liderar no lugar do líder</translation>
    </message>
    <message>
        <source>&amp;Let other prompters follow this one</source>
        <translation>&amp;Deixar outros prompters seguirem este</translation>
    </message>
    <message>
        <source>“%1” is no prompter&apos;s address.</source>
        <translation>“%1” não é o endereço de um prompter.</translation>
    </message>
    <message>
        <source>&amp;How to follow this prompter…</source>
        <translation>Co&amp;mo seguir este prompter…</translation>
    </message>
    <message>
        <source>Stop l&amp;eading</source>
        <translation>P&amp;arar de liderar</translation>
    </message>
</context>
<context>
    <name>FollowSession</name>
    <message numerus="yes">
        <source>Leading %n prompter(s)</source>
        <translation>
            <numerusform>Liderando %n prompter</numerusform>
            <numerusform>Liderando %n prompters</numerusform>
        </translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Liderando</translation>
    </message>
    <message>
        <source>Cuescroll on %1</source>
        <translation>Cuescroll em %1</translation>
    </message>
    <message>
        <source>Following %1</source>
        <translation>Seguindo %1</translation>
    </message>
    <message>
        <source>Leader lost: going on at speed %1, reconnecting…</source>
        <translation>Líder perdido: continuando na velocidade %1, reconectando…</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando a %1…</translation>
    </message>
    <message>
        <source>Following %1 in the lost leader&apos;s place</source>
        <translation>Seguindo %1 no lugar do líder perdido</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Este prompter não pode liderar: %1</translation>
    </message>
    <message>
        <source>Leader lost: stopped here, reconnecting…</source>
        <translation>Líder perdido: parado aqui, reconectando…</translation>
    </message>
    <message>
        <source>The leader cannot be reached: only Stop works here until it is back.</source>
        <translation>O líder não pode ser alcançado: até ele voltar, aqui só Parar funciona.</translation>
    </message>
    <message>
        <source>The prompter at %1 did not accept the token. Its studio menu shows the right one under “How to follow this prompter…”.</source>
        <translation>O prompter em %1 não aceitou o token. O menu de estúdio dele mostra o correto em “Como seguir este prompter…”.</translation>
    </message>
    <message>
        <source>Not following: wrong token</source>
        <translation>Sem seguir: token errado</translation>
    </message>
    <message>
        <source>%1 is this prompter itself: a prompter cannot follow itself.</source>
        <translation>%1 é este próprio prompter: um prompter não pode seguir a si mesmo.</translation>
    </message>
    <message>
        <source>Not following: that is this prompter</source>
        <translation>Sem seguir: é este próprio prompter</translation>
    </message>
    <message>
        <source>The prompter at %1 does not lead: nothing can follow it.</source>
        <translation>O prompter em %1 não está liderando: nada pode segui-lo.</translation>
    </message>
    <message>
        <source>Not following: %1 does not lead</source>
        <translation>Sem seguir: %1 não lidera</translation>
    </message>
</context>
<context>
    <name>LevelMeter</name>
    <message>
        <source>Voice level</source>
        <translation>Nível da voz</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Unmark</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Ir para</translation>
    </message>
</context>
<context>
    <name>PrompterCore</name>
    <message>
        <source>No running order comes from a newsroom system.</source>
        <translation>Nenhum roteiro vem de um sistema de redação.</translation>
    </message>
    <message>
        <source>The script is the leader&apos;s.</source>
        <translation>O roteiro é do líder.</translation>
    </message>
    <message>
        <source>A passage is being marked.</source>
        <translation>Um trecho está sendo marcado.</translation>
    </message>
    <message>
        <source>There is no marker %1.</source>
        <translation>Não existe o marcador %1.</translation>
    </message>
    <message>
        <source>The value is out of range.</source>
        <translation>O valor está fora do intervalo.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>A mensagem está vazia.</translation>
    </message>
    <message>
        <source>No window shows the script.</source>
        <translation>Nenhuma janela mostra o roteiro.</translation>
    </message>
</context>
<context>
    <name>RichTextView</name>
    <message>
        <source>it has a paragraph of more than %L1 characters, too long for a script</source>
        <translation>tem um parágrafo com mais de %L1 caracteres, longo demais para um roteiro</translation>
    </message>
    <message>
        <source>it has a paragraph with more than %L1 text direction controls</source>
        <translation>tem um parágrafo com mais de %L1 controles de direção do texto</translation>
    </message>
    <message>
        <source>it changes writing system or direction more than %L1 times</source>
        <translation>muda de sistema de escrita ou de direção mais de %L1 vezes</translation>
    </message>
    <message>
        <source>The file “%1” does not exist.</source>
        <translation>O arquivo “%1” não existe.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>“%1” não é um arquivo.</translation>
    </message>
    <message>
        <source>“%1” is too large to be a script.</source>
        <translation>“%1” é grande demais para ser um roteiro.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2.</source>
        <translation>Não é possível mostrar “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a readable Rich Text file: %2</source>
        <translation>“%1” não é um arquivo Rich Text legível: %2</translation>
    </message>
    <message>
        <source>“%1” has more than %L2 paragraphs, too many for a script.</source>
        <translation>“%1” tem mais de %L2 parágrafos, demais para um roteiro.</translation>
    </message>
</context>
<context>
    <name>RundownPanel</name>
    <message>
        <source>Rundown</source>
        <translation>Espelho</translation>
    </message>
    <message>
        <source>&amp;Previous story</source>
        <translation>Matéria a&amp;nterior</translation>
    </message>
    <message>
        <source>Previous story  (Ctrl+Page Up)</source>
        <translation>Matéria anterior  (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>&amp;Next story</source>
        <translation>&amp;Próxima matéria</translation>
    </message>
    <message>
        <source>Next story  (Ctrl+Page Down)</source>
        <translation>Próxima matéria  (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Matérias</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Estimated</source>
        <translation>Estimado</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move up  (Alt+Up)</source>
        <translation>Subir  (Alt+Cima)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>Move down  (Alt+Down)</source>
        <translation>Descer  (Alt+Baixo)</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ab&amp;rir…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>Sa&amp;lvar…</translation>
    </message>
    <message>
        <source>Show elapsed</source>
        <translation>Programa decorrido</translation>
    </message>
    <message>
        <source>Story elapsed / to go</source>
        <translation>Matéria decorrido / restante</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Programa restante</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Termina às</translation>
    </message>
    <message>
        <source>Over / under</source>
        <translation>Estouro / sobra</translation>
    </message>
    <message>
        <source>Pace speed</source>
        <translation>Velocidade para terminar na hora</translation>
    </message>
    <message>
        <source>As planned</source>
        <translation>Como previsto</translation>
    </message>
    <message>
        <source>End at</source>
        <translation>Terminar às</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Target time</source>
        <translation>Horário alvo</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>Al&amp;vo</translation>
    </message>
    <message>
        <source>&amp;Hit the time</source>
        <translation>Cumprir o &amp;tempo</translation>
    </message>
    <message>
        <source>The speed moves toward the pace speed, a step at a time, within these speeds</source>
        <translation>A velocidade vai passo a passo até a de terminar na hora, dentro destas velocidades</translation>
    </message>
    <message>
        <source>Slowest speed</source>
        <translation>Velocidade mínima</translation>
    </message>
    <message>
        <source>Fastest speed</source>
        <translation>Velocidade máxima</translation>
    </message>
    <message>
        <source>done</source>
        <translation>exibida</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>no ar</translation>
    </message>
    <message>
        <source>next</source>
        <translation>a seguir</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>faltando</translation>
    </message>
    <message>
        <source>%1 (your pace)</source>
        <translation>%1 (seu ritmo)</translation>
    </message>
    <message>
        <source>no plan</source>
        <translation>sem plano</translation>
    </message>
    <message>
        <source>%1 under</source>
        <translation>%1 de sobra</translation>
    </message>
    <message>
        <source>%1 over</source>
        <translation>%1 estourado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Add a script</source>
        <translation>Adicionar um roteiro</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.docx *.odt *.doc);;All files (*)</source>
        <translation>Roteiros (*.txt *.rtf *.docx *.odt *.doc);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open a rundown</source>
        <translation>Abrir um espelho</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown);;All files (*)</source>
        <translation>Espelhos (*.cuerundown);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save the rundown</source>
        <translation>Salvar o espelho</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown)</source>
        <translation>Espelhos (*.cuerundown)</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>excluída</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Apl&amp;icar</translation>
    </message>
    <message>
        <source>Story text</source>
        <translation>Texto da matéria</translation>
    </message>
    <message>
        <source>The selected story&apos;s text: change it while the prompter runs, then Apply.</source>
        <translation>O texto da matéria escolhida: altere-o enquanto o prompter corre e depois Aplicar.</translation>
    </message>
    <message>
        <source>Put the changed text on the prompter: the presenter stays on the same words.</source>
        <translation>Leva o texto alterado ao prompter: o apresentador fica nas mesmas palavras.</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Opening…</source>
        <translation>Abrindo…</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>ShowControl</name>
    <message>
        <source>Look-ahead</source>
        <translation>A seguir</translation>
    </message>
    <message>
        <source>What comes next</source>
        <translation>O que vem depois</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Mensagem para o apresentador</translation>
    </message>
    <message>
        <source>Seconds the message stays</source>
        <translation>Segundos que a mensagem fica</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>until cleared</source>
        <translation>até limpar</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Look-ahead</source>
        <translation>&amp;A seguir</translation>
    </message>
    <message>
        <source>&amp;Hide cues from the presenter</source>
        <translation>&amp;Ocultar deixas do apresentador</translation>
    </message>
    <message>
        <source>Time to the &amp;end on the talent screen</source>
        <translation>Tempo até o &amp;fim na tela do apresentador</translation>
    </message>
    <message>
        <source>Message to the &amp;presenter…</source>
        <translation>Mensagem para o a&amp;presentador…</translation>
    </message>
    <message>
        <source>Next: the end of the script</source>
        <translation>A seguir: o fim do roteiro</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>A seguir: %1</translation>
    </message>
    <message>
        <source>Cues: %1</source>
        <translation>Deixas: %1</translation>
    </message>
    <message>
        <source>Next story: %1</source>
        <translation>Próxima matéria: %1</translation>
    </message>
    <message>
        <source>Show co&amp;ntrol</source>
        <translation>Controle do s&amp;how</translation>
    </message>
</context>
<context>
    <name>ShowRun</name>
    <message>
        <source>A Word 97-2003 document is opened in the script editor only.</source>
        <translation>Um documento do Word 97-2003 só é aberto no editor de roteiro.</translation>
    </message>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>o espelho tem mais de 1 MB</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>There is no script to show in “%1”.</source>
        <translation>Não há roteiro para mostrar em “%1”.</translation>
    </message>
    <message>
        <source>This prompter follows another: the show is the leader&apos;s.</source>
        <translation>Este prompter segue outro: o programa é o do líder.</translation>
    </message>
    <message>
        <source>The rundown “%1” cannot be saved: %2.</source>
        <translation>O espelho “%1” não pode ser salvo: %2.</translation>
    </message>
    <message>
        <source>There is no rundown.</source>
        <translation>Não há espelho.</translation>
    </message>
    <message>
        <source>This is the last story.</source>
        <translation>Esta é a última matéria.</translation>
    </message>
    <message>
        <source>This is the first story.</source>
        <translation>Esta é a primeira matéria.</translation>
    </message>
    <message>
        <source>There is no story %1.</source>
        <translation>Não há matéria %1.</translation>
    </message>
    <message>
        <source>The script of story %1 is missing.</source>
        <translation>O roteiro da matéria %1 está faltando.</translation>
    </message>
    <message>
        <source>A running order from the newsroom system is not saved as a rundown: its stories are kept by the newsroom system, not in script files.</source>
        <translation>Um roteiro do sistema de redação não é salvo como espelho: suas matérias ficam no sistema de redação, não em arquivos de roteiro.</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Message &amp;below the reading line</source>
        <translation>Mensagem a&amp;baixo da linha de leitura</translation>
    </message>
    <message>
        <source>Talent screen closed: the prompter window is on its screen, %1. It opens again on another.</source>
        <translation>Tela do apresentador fechada: a janela do prompter está na tela dela, %1. Ela abre de novo em outra.</translation>
    </message>
    <message>
        <source>Talent screen</source>
        <translation>Tela do apresentador</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Talent screen</source>
        <translation>&amp;Tela do apresentador</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4) – the prompter&apos;s own screen</source>
        <translation>&amp;%1: %2 (%3 × %4) – a tela do próprio prompter</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4)</source>
        <translation>&amp;%1: %2 (%3 × %4)</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no talent screen</comment>
        <translation>&amp;Nenhuma</translation>
    </message>
    <message>
        <source>&amp;Mirror talent screen</source>
        <translation>&amp;Espelhar a tela do apresentador</translation>
    </message>
    <message>
        <source>&amp;Flip talent screen vertically</source>
        <translation>&amp;Virar a tela do apresentador verticalmente</translation>
    </message>
    <message>
        <source>Mirror &amp;prompter</source>
        <translation>Espelhar o &amp;prompter</translation>
    </message>
    <message>
        <source>&amp;Jump to the reading line</source>
        <translation>&amp;Saltar para a linha de leitura</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Contagem regressiva</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no countdown</comment>
        <translation>&amp;Desligada</translation>
    </message>
</context>
<context>
    <name>VoiceFollowing</name>
    <message>
        <source>Follow my &amp;voice</source>
        <translation>Seguir minha v&amp;oz</translation>
    </message>
    <message>
        <source>Voice &amp;input</source>
        <translation>E&amp;ntrada de voz</translation>
    </message>
    <message>
        <source>&amp;Default microphone</source>
        <translation>&amp;Microfone padrão</translation>
    </message>
    <message>
        <source>&amp;Recording %1</source>
        <translation>&amp;Gravação %1</translation>
    </message>
    <message>
        <source>Following the voice cannot start.
%1</source>
        <translation>Não é possível seguir a voz.
%1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>%1: %2 (see cuescroll --help)</source>
        <translation>%1: %2 (veja cuescroll --help)</translation>
    </message>
    <message>
        <source>FILE is shown in the prompter as if it had been opened in the script editor and
taken with Done: plain text, Rich Text Format, .docx, .odt or .doc.
</source>
        <translation>ARQUIVO é mostrado no prompter como se tivesse sido aberto no editor de roteiro e
aceito com Concluir: texto simples, Rich Text Format, .docx, .odt ou .doc.
</translation>
    </message>
    <message>
        <source>Files:
</source>
        <translation>Arquivos:
</translation>
    </message>
    <message>
        <source>Cuescroll, a script prompter.</source>
        <translation>Cuescroll, um prompter de roteiros.</translation>
    </message>
    <message>
        <source>Show the script, mirrored, full screen on screen N (1 = the first; a screen&apos;s name also works; 0 = none).</source>
        <translation>Mostrar o roteiro, espelhado, em tela cheia na tela N (1 = a primeira; o nome de uma tela também serve; 0 = nenhuma).</translation>
    </message>
    <message>
        <source>Mirror the prompter&apos;s own view left to right.</source>
        <translation>Espelhar da esquerda para a direita a visão do próprio prompter.</translation>
    </message>
    <message>
        <source>Count S seconds down on Start before the script moves (0 = none).</source>
        <translation>Contar S segundos regressivamente ao iniciar antes de o roteiro rolar (0 = nenhum).</translation>
    </message>
    <message>
        <source>--countdown takes whole seconds from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--countdown aceita segundos inteiros de 0 a %1, não “%2”.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the script named on the command line</comment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Copyright 2026 The Cuescroll developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Copyright 2026 Os desenvolvedores do Cuescroll.
Licença GPL-3.0-or-later: GNU GPL versão 3 ou posterior &lt;https://www.gnu.org/licenses/gpl.html&gt;.
Este é um software livre: você pode alterá-lo e redistribuí-lo.
Não há NENHUMA GARANTIA, na medida permitida pela lei.</translation>
    </message>
    <message>
        <source>The remote control&apos;s port.</source>
        <translation>A porta do controle remoto.</translation>
    </message>
    <message>
        <source>With the remote control, take OSC on the same port (UDP) from the addresses allowed in the settings (default: this computer).</source>
        <translation>Com o controle remoto, receber OSC na mesma porta (UDP) dos endereços permitidos nas configurações (padrão: este computador).</translation>
    </message>
    <message>
        <source>--remote takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--remote aceita uma porta de 1 a 65535, não “%1”.</translation>
    </message>
    <message>
        <source>Follow the presenter&apos;s voice: the script moves as it is read aloud.</source>
        <translation>Seguir a voz do apresentador: o roteiro rola conforme é lido em voz alta.</translation>
    </message>
    <message>
        <source>Follow the voice in a WAV recording, played in real time, instead of the microphone.</source>
        <translation>Seguir a voz de uma gravação WAV, tocada em tempo real, em vez do microfone.</translation>
    </message>
    <message>
        <source>--voice-input needs a WAV file.</source>
        <translation>--voice-input precisa de um arquivo WAV.</translation>
    </message>
    <message>
        <source>Follow the prompter leading at HOST (port 8777 unless given): its script, look and run are shown here and the keys drive it.</source>
        <translation>Seguir o prompter que lidera em HOST (porta 8777 se não for indicada): seu roteiro, sua aparência e sua rolagem aparecem aqui e as teclas o controlam.</translation>
    </message>
    <message>
        <source>The port followers reach this prompter on (8777 unless given).</source>
        <translation>A porta pela qual os seguidores chegam a este prompter (8777 se não for indicada).</translation>
    </message>
    <message>
        <source>--follow takes a prompter&apos;s address, HOST or HOST:PORT, not &quot;%1&quot;.</source>
        <translation>--follow aceita o endereço de um prompter, HOST ou HOST:PORT, não “%1”.</translation>
    </message>
    <message>
        <source>--lead and --follow do not go together: a prompter leads or follows.</source>
        <translation>--lead e --follow não podem ser usados juntos: um prompter lidera ou segue.</translation>
    </message>
    <message>
        <source>--lead-port takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--lead-port aceita uma porta de 1 a 65535, não “%1”.</translation>
    </message>
    <message>
        <source>Turn the remote control on for this run and print the phone page&apos;s address with its token. --remote=PORT or --remote PORT: on that port (default 8777 or the stored one). It keeps its own token (shown in Remote control…, or CUESCROLL_REMOTE_TOKEN): --token is not for it.</source>
        <translation>Ligar o controle remoto nesta execução e mostrar o endereço da página do celular com seu token. --remote=PORT ou --remote PORT: nessa porta (padrão 8777 ou a salva). Ele mantém seu próprio token (mostrado em Controle remoto…, ou CUESCROLL_REMOTE_TOKEN): --token não vale para ele.</translation>
    </message>
    <message>
        <source>Let other prompters follow this one, with the token of --token; without one, a token is made up. The port and token to pass on are printed at start. With the remote control on, followers come in on its port and need its token.</source>
        <translation>Deixar outros prompters seguirem este, com o token de --token; sem ele, um token é criado. A porta e o token a repassar são impressos na partida. Com o controle remoto ligado, os seguidores entram pela porta dele e precisam do token dele.</translation>
    </message>
    <message>
        <source>The leader&apos;s token, for --follow and --lead (else CUESCROLL_REMOTE_TOKEN); not for --remote.</source>
        <translation>O token do líder, para --follow e --lead (senão CUESCROLL_REMOTE_TOKEN); não para --remote.</translation>
    </message>
    <message>
        <source>the remote control takes followers on port %1, and only with its own token. Leave out --token to lead with that token, or give --lead-port another port.</source>
        <translation>o controle remoto aceita seguidores na porta %1, e só com seu próprio token. Omita --token para liderar com esse token, ou indique outra porta com --lead-port.</translation>
    </message>
    <message>
        <source>port %1 cannot be listened on.</source>
        <translation>não é possível escutar na porta %1.</translation>
    </message>
    <message>
        <source>Take running orders from a newsroom system for this run (MOS). --mos=PORT: on ports PORT and PORT+1 (default 10540 and 10541 or the stored ones).</source>
        <translation>Receber roteiros de um sistema de redação nesta execução (MOS). --mos=PORT: nas portas PORT e PORT+1 (padrão 10540 e 10541 ou as salvas).</translation>
    </message>
    <message>
        <source>The newsroom system&apos;s lower port.</source>
        <translation>A porta inferior do sistema de redação.</translation>
    </message>
    <message>
        <source>--mos takes a port from 1 to 65534, not &quot;%1&quot;.</source>
        <translation>--mos aceita uma porta de 1 a 65534, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Usage: cuescroll [options] [FILE]...</source>
        <translation>Uso: cuescroll [opções] [ARQUIVO]...</translation>
    </message>
    <message>
        <source>Several files make a show, one story each, in the order given; a folder adds its
scripts in the order of their names, and a .cuerundown file the stories it lists.
Ctrl+Page Down and Ctrl+Page Up go to the next and the previous story (with a single script
they page).
</source>
        <translation>Vários arquivos formam um programa, uma matéria cada, na ordem dada; uma pasta
acrescenta seus roteiros na ordem dos nomes, e um arquivo .cuerundown as matérias
que lista. Ctrl+Page Down e Ctrl+Page Up vão para a próxima e a anterior matéria (com um só roteiro, passam a página).
</translation>
    </message>
    <message>
        <source>The script to show, or the scripts of a show.</source>
        <translation>O roteiro a mostrar, ou os roteiros de um programa.</translation>
    </message>
</context>
<context>
    <name>dlgFollow</name>
    <message>
        <source>Follow Prompter</source>
        <translation>Seguir prompter</translation>
    </message>
    <message>
        <source>The leader&apos;s screen, script and run are shown here, and the keys drive the leader.</source>
        <translation>A tela, o roteiro e a rolagem do líder aparecem aqui, e as teclas controlam o líder.</translation>
    </message>
    <message>
        <source>&amp;Leader:</source>
        <translation>&amp;Líder:</translation>
    </message>
    <message>
        <source>&amp;Token:</source>
        <translation>&amp;Token:</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>%1 (%2:%3)</source>
        <translation>%1 (%2:%3)</translation>
    </message>
    <message>
        <source>&amp;Show the token</source>
        <translation>&amp;Mostrar o token</translation>
    </message>
    <message>
        <source>host or host:port, or the address with its token</source>
        <translation>host ou host:porta, ou o endereço com seu token</translation>
    </message>
    <message>
        <source>No leaders can be listed: DNS-SD (Avahi) is not running on this computer. Type the leader&apos;s address.</source>
        <translation>Nenhum líder pode ser listado: o DNS-SD (Avahi) não está em execução neste computador. Digite o endereço do líder.</translation>
    </message>
</context>
<context>
    <name>dlgFont</name>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>S&amp;trikethrough</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;or…</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;manho:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Efeitos:</translation>
    </message>
    <message>
        <source>Text color:</source>
        <translation>Cor do texto:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Amostra:</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
</context>
<context>
    <name>dlgKeys</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Comandos e suas teclas</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Key %1:</source>
        <translation>Tecla %1:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Padrões</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgLeading</name>
    <message>
        <source>&amp;Copy address and token</source>
        <translation>&amp;Copiar endereço e token</translation>
    </message>
    <message>
        <source>&amp;Stop leading</source>
        <translation>&amp;Parar de liderar</translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Liderando</translation>
    </message>
    <message>
        <source>This computer&apos;s addresses</source>
        <translation>Endereços deste computador</translation>
    </message>
    <message>
        <source>Other prompters can follow this one. On each, choose “Follow prompter…” in the studio menu and give one of these addresses and the token.</source>
        <translation>Outros prompters podem seguir este. Em cada um, escolha “Seguir prompter…” no menu de estúdio e informe um destes endereços e o token.</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Endereços:</translation>
    </message>
    <message>
        <source>Token:</source>
        <translation>Token:</translation>
    </message>
</context>
<context>
    <name>dlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Font preview</source>
        <translation>Prévia da fonte</translation>
    </message>
    <message>
        <source>Set your Cuescroll Preferences Here</source>
        <translation>Ajuste o Cuescroll a seu gosto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Line colour preview</source>
        <translation>Prévia da cor da linha</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Cor da linha</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Keys…</source>
        <translation>&amp;Teclas…</translation>
    </message>
</context>
<context>
    <name>dlgSelectMarker</name>
    <message>
        <source>Select Marker</source>
        <translation>Selecionar marcador</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Selecionar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marcador</translation>
    </message>
</context>
<context>
    <name>documents</name>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation>é uma pasta ou um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>you do not have permission to read it</source>
        <translation>você não tem permissão para lê-lo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>its text is larger than %1 MB, too large for a script</source>
        <translation>seu texto passa de %1 MB, grande demais para um roteiro</translation>
    </message>
    <message>
        <source>its text has more than %L1 paragraphs, too many for a script</source>
        <translation>seu texto tem mais de %L1 parágrafos, demais para um roteiro</translation>
    </message>
    <message>
        <source>it is neither text nor a document Cuescroll can read</source>
        <translation>não é texto nem um documento que o Cuescroll consiga ler</translation>
    </message>
    <message>
        <source>it is a packed file but not a text document (.docx or .odt)</source>
        <translation>é um arquivo compactado, mas não um documento de texto (.docx ou .odt)</translation>
    </message>
    <message>
        <source>the document is damaged</source>
        <translation>o documento está danificado</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB; the document is damaged or harmful</source>
        <translation>descompactado passaria de %1 MB; o documento está danificado ou é malicioso</translation>
    </message>
    <message>
        <source>the Word document converter “antiword” is not installed; install the Debian package “antiword” (sudo apt install antiword)</source>
        <translation>o conversor de documentos do Word “antiword” não está instalado; instale o pacote Debian “antiword” (sudo apt install antiword)</translation>
    </message>
    <message>
        <source>the converter “antiword” crashed on it; the document is probably damaged</source>
        <translation>o conversor “antiword” travou com ele; o documento provavelmente está danificado</translation>
    </message>
    <message>
        <source>the converter “antiword” did not finish in time</source>
        <translation>o conversor “antiword” não terminou a tempo</translation>
    </message>
    <message>
        <source>the converter “antiword” could not read it</source>
        <translation>o conversor “antiword” não conseguiu lê-lo</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>a leitura foi cancelada</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>não foi possível gravá-lo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB</source>
        <translation>o arquivo passa de %1 MB</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>XML error at line %1: %2</source>
        <translation>erro de XML na linha %1: %2</translation>
    </message>
</context>
<context>
    <name>follow::LeaderServer</name>
    <message>
        <source>There is nothing to follow here.</source>
        <translation>Não há nada para seguir aqui.</translation>
    </message>
    <message>
        <source>The token is not this prompter&apos;s.</source>
        <translation>O token não é deste prompter.</translation>
    </message>
</context>
<context>
    <name>frmEditText</name>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>C&amp;oncluir</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Texto do roteiro</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.doc *.docx *.odt);;Text Files (*.txt);;Word Files (*.doc);;Documents (*.docx *.odt *.rtf);;All Files (*)</source>
        <translation>Roteiros (*.txt *.rtf *.doc *.docx *.odt);;Arquivos de texto (*.txt);;Arquivos do Word (*.doc);;Documentos (*.docx *.odt *.rtf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Select the file</source>
        <translation>Selecione o arquivo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>Lendo “%1”…</translation>
    </message>
    <message>
        <source>Save this file</source>
        <translation>Salvar este arquivo</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <source>The file has been saved : %1</source>
        <translation>O arquivo foi salvo: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2. Nothing was changed on disk.</source>
        <translation>Não foi possível salvar o arquivo “%1”: %2. Nada foi alterado no disco.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>The script cannot go to the prompter: %1. It stays in the editor.</source>
        <translation>O roteiro não pode ir para o prompter: %1. Ele fica no editor.</translation>
    </message>
</context>
<context>
    <name>frmLine</name>
    <message>
        <source>Reading line</source>
        <translation>Linha de leitura</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The help page could not be opened:
%1</source>
        <translation>Não foi possível abrir a página de ajuda:
%1</translation>
    </message>
    <message>
        <source>The newsroom has sent no running order &quot;%1&quot;.</source>
        <translation>O sistema de redação não enviou nenhum roteiro “%1”.</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit Text  (F2)</source>
        <translation>Editar o texto  (F2)</translation>
    </message>
    <message>
        <source>     Start     </source>
        <extracomment>The blanks widen the button that starts the script; keep about as wide a caption.</extracomment>
        <translation>    Iniciar    </translation>
    </message>
    <message>
        <source>Prompter Start  (F3)</source>
        <translation>Iniciar o prompter  (F3)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Prompter Stop  (F3)</source>
        <translation>Parar o prompter  (F3)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Reset  (F4)</source>
        <translation>Voltar ao início  (F4)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Mark  (F5)</source>
        <translation>Marcar um trecho  (F5)</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Jump To Marker  (F6)</source>
        <translation>Ir para um marcador  (F6)</translation>
    </message>
    <message>
        <source>Unmark</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Unmark  (F7)</source>
        <translation>Remover um marcador  (F7)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Clear All Markers  (F8)</source>
        <translation>Limpar todos os marcadores  (F8)</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Full Screen Toggle  (F9)</source>
        <translation>Ativar/desativar tela cheia  (F9)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Options  (F10)</source>
        <translation>Opções  (F10)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help  (F1)</source>
        <translation>Ajuda  (F1)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit  (Esc)</source>
        <translation>Sair  (Esc)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Roteiro</translation>
    </message>
    <message>
        <source>Reading line</source>
        <translation>Linha de leitura</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Texto do roteiro</translation>
    </message>
    <message>
        <source>Script to mark</source>
        <translation>Roteiro para marcar</translation>
    </message>
    <message>
        <source>Keyboard focus</source>
        <translation>Foco do teclado</translation>
    </message>
    <message>
        <source>Move reading line</source>
        <translation>Mover a linha de leitura</translation>
    </message>
    <message>
        <source>Resize reading line</source>
        <translation>Mudar a altura da linha de leitura</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Painel de controle</translation>
    </message>
    <message>
        <source>Direction Down  (Ctrl+Dn)</source>
        <translation>Direção para baixo  (Ctrl+Baixo)</translation>
    </message>
    <message>
        <source>Direction down</source>
        <translation>Direção para baixo</translation>
    </message>
    <message>
        <source>Direction Up  (Ctrl+Up)</source>
        <translation>Direção para cima  (Ctrl+Cima)</translation>
    </message>
    <message>
        <source>Direction up</source>
        <translation>Direção para cima</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Speed Up / Down  (Left / Right)</source>
        <translation>Mais devagar / mais rápido  (Esquerda / Direita)</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Time to go</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Mark panel</source>
        <translation>Painel de marcação</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Marcar</translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control is turned on but cannot listen:
%1</source>
        <translation>O controle remoto está ligado, mas não consegue receber conexões:
%1</translation>
    </message>
    <message>
        <source>Keys and buttons drive the leader</source>
        <translation>Teclas e botões controlam o líder</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Este prompter não pode liderar: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control…</source>
        <translation>Controle &amp;remoto…</translation>
    </message>
    <message numerus="yes">
        <source>Remote control on, %n device(s)</source>
        <translation>
            <numerusform>Controle remoto ligado, %n dispositivo</numerusform>
            <numerusform>Controle remoto ligado, %n dispositivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Ne&amp;wsroom system (MOS)…</source>
        <translation>S&amp;istema de redação (MOS)…</translation>
    </message>
    <message>
        <source>The newsroom system link is turned on but cannot listen:
%1</source>
        <translation>A conexão com o sistema de redação está ligada, mas não consegue escutar:
%1</translation>
    </message>
    <message>
        <source>Run&amp;down</source>
        <translation>Espel&amp;ho</translation>
    </message>
    <message>
        <source>Part of the remote control cannot start:
%1</source>
        <translation>Uma parte do controle remoto não consegue iniciar:
%1</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start or stop</source>
        <translation>Iniciar ou parar</translation>
    </message>
    <message>
        <source>Stop and go back to the beginning</source>
        <translation>Parar e voltar ao início</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Passo para trás</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Passo para a frente</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page forward</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Beginning</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Mais devagar</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Scroll up the screen</source>
        <translation>Rolar para cima na tela</translation>
    </message>
    <message>
        <source>Scroll down the screen</source>
        <translation>Rolar para baixo na tela</translation>
    </message>
    <message>
        <source>Full screen on or off</source>
        <translation>Tela cheia liga ou desliga</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Mark passages</source>
        <translation>Marcar trechos</translation>
    </message>
    <message>
        <source>Jump to a marker</source>
        <translation>Saltar para um marcador</translation>
    </message>
    <message>
        <source>Remove a marker</source>
        <translation>Remover um marcador</translation>
    </message>
    <message>
        <source>Remove all markers</source>
        <translation>Remover todos os marcadores</translation>
    </message>
    <message>
        <source>Edit the script</source>
        <translation>Editar o roteiro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No key can give this command.</source>
        <translation>Nenhuma tecla pode dar este comando.</translation>
    </message>
    <message numerus="yes">
        <source>A command takes at most %n key(s).</source>
        <translation>
            <numerusform>Um comando aceita no máximo %n tecla.</numerusform>
            <numerusform>Um comando aceita no máximo %n teclas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is already the key of “%2”.</source>
        <translation>%1 já é a tecla de “%2”.</translation>
    </message>
    <message>
        <source>Next story (with a single script: page forward)</source>
        <translation>Próxima matéria (com um só roteiro: próxima página)</translation>
    </message>
    <message>
        <source>Previous story (with a single script: page back)</source>
        <translation>Matéria anterior (com um só roteiro: página anterior)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Remote control: %1
</source>
        <translation>Controle remoto: %1
</translation>
    </message>
    <message>
        <source>  also: %1
</source>
        <translation>  também: %1
</translation>
    </message>
    <message>
        <source>cuescroll: remote control: %1
</source>
        <translation>cuescroll: controle remoto: %1
</translation>
    </message>
    <message>
        <source>cuescroll: cannot lead: %1
</source>
        <translation>cuescroll: não é possível liderar: %1
</translation>
    </message>
    <message>
        <source>Leading through the remote control: port %1, token %2
</source>
        <translation>Liderando pelo controle remoto: porta %1, token %2
</translation>
    </message>
    <message>
        <source>Leading: port %1, token %2
</source>
        <translation>Liderando: porta %1, token %2
</translation>
    </message>
    <message>
        <source>Newsroom system (MOS): ports %1 and %2
</source>
        <translation>Sistema de redação (MOS): portas %1 e %2
</translation>
    </message>
    <message>
        <source>cuescroll: newsroom system: %1
</source>
        <translation>cuescroll: sistema de redação: %1
</translation>
    </message>
</context>
<context>
    <name>modSettings</name>
    <message>
        <source>The settings could not be kept in “%1”: %2. They apply until Cuescroll ends.</source>
        <translation>Não foi possível guardar as configurações em “%1”: %2. Elas valem até o Cuescroll ser fechado.</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>The module %1 could not be loaded: %2</source>
        <translation>Não foi possível carregar o módulo %1: %2</translation>
    </message>
</context>
<context>
    <name>mos::MosControl</name>
    <message>
        <source>Off: no running orders are taken.</source>
        <translation>Desligado: nenhum roteiro é recebido.</translation>
    </message>
    <message numerus="yes">
        <source>Taking running orders on ports %1 and %2; %n connection(s).</source>
        <translation>
            <numerusform>Recebendo roteiros nas portas %1 e %2; %n conexão.</numerusform>
            <numerusform>Recebendo roteiros nas portas %1 e %2; %n conexões.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::MosDevice</name>
    <message numerus="yes">
        <source>The newsroom was silent for %n second(s) and was let go.</source>
        <translation>
            <numerusform>O sistema de redação ficou em silêncio por %n segundo e foi desconectado.</numerusform>
            <numerusform>O sistema de redação ficou em silêncio por %n segundos e foi desconectado.</numerusform>
        </translation>
    </message>
    <message>
        <source>The newsroom cannot be reached: %1</source>
        <translation>O sistema de redação não pode ser alcançado: %1</translation>
    </message>
    <message>
        <source>An unreadable message: %1</source>
        <translation>Uma mensagem ilegível: %1</translation>
    </message>
    <message>
        <source>A connection from %1 was refused.</source>
        <translation>Uma conexão de %1 foi recusada.</translation>
    </message>
    <message>
        <source>The lower port %1 cannot be listened on: %2</source>
        <translation>Não é possível escutar na porta inferior %1: %2</translation>
    </message>
    <message>
        <source>The upper port %1 cannot be listened on: %2</source>
        <translation>Não é possível escutar na porta superior %1: %2</translation>
    </message>
</context>
<context>
    <name>mos::dlgMos</name>
    <message>
        <source>Last error (%1): %2</source>
        <translation>Último erro (%1): %2</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Nenhum erro.</translation>
    </message>
    <message>
        <source>%1, ours</source>
        <translation>%1, nossa</translation>
    </message>
    <message>
        <source>(not yet known)</source>
        <translation>(ainda desconhecido)</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>inferior %1</translation>
    </message>
    <message>
        <source>upper %1</source>
        <translation>superior %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>ainda não</translation>
    </message>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>há %n s</numerusform>
            <numerusform>há %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Last message</source>
        <translation>Última mensagem</translation>
    </message>
    <message>
        <source>Last heartbeat</source>
        <translation>Último heartbeat</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Newsroom</source>
        <translation>Redação</translation>
    </message>
    <message>
        <source>Newsroom system (MOS)</source>
        <translation>Sistema de redação (MOS)</translation>
    </message>
    <message>
        <source>&amp;Take running orders from a newsroom system</source>
        <translation>&amp;Receber roteiros de um sistema de redação</translation>
    </message>
    <message>
        <source>any</source>
        <translation>qualquer um</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>somente este computador</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Endereços ou redes, ex.: 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>&amp;MOS ID:</source>
        <translation>ID &amp;MOS:</translation>
    </message>
    <message>
        <source>&amp;Newsroom ID:</source>
        <translation>ID da re&amp;dação:</translation>
    </message>
    <message>
        <source>&amp;Lower port:</source>
        <translation>Porta &amp;inferior:</translation>
    </message>
    <message>
        <source>&amp;Upper port:</source>
        <translation>Porta &amp;superior:</translation>
    </message>
    <message>
        <source>Newsroom &amp;addresses:</source>
        <translation>&amp;Endereços da redação:</translation>
    </message>
    <message>
        <source>&amp;Running order shown:</source>
        <translation>Roteiro e&amp;xibido:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>net::Door</name>
    <message>
        <source>The request is malformed.</source>
        <translation>A requisição está malformada.</translation>
    </message>
    <message>
        <source>The request&apos;s header is too large.</source>
        <translation>O cabeçalho da requisição é grande demais.</translation>
    </message>
    <message>
        <source>Content-Length is given more than once.</source>
        <translation>Content-Length aparece mais de uma vez.</translation>
    </message>
    <message>
        <source>The body is larger than %1 KB.</source>
        <translation>O corpo passa de %1 KB.</translation>
    </message>
    <message>
        <source>Too many connections.</source>
        <translation>Conexões demais.</translation>
    </message>
    <message>
        <source>An upgrade needs &quot;Connection: Upgrade&quot;.</source>
        <translation>Uma troca de protocolo precisa de “Connection: Upgrade”.</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Não há nada aqui.</translation>
    </message>
    <message>
        <source>Only WebSocket version 13 is spoken here.</source>
        <translation>Aqui só se fala WebSocket versão 13.</translation>
    </message>
    <message>
        <source>A page from another site may not connect here.</source>
        <translation>Uma página de outro site não pode se conectar aqui.</translation>
    </message>
    <message>
        <source>The request took too long to arrive.</source>
        <translation>A requisição demorou demais para chegar.</translation>
    </message>
    <message>
        <source>The token must be at least %1 characters long.</source>
        <translation>O token precisa ter pelo menos %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <translation>apenas %1 de %2 bytes chegaram ao disco</translation>
    </message>
    <message>
        <source>it is a symbolic link that another user made in a shared folder; it was not followed</source>
        <translation>é um link simbólico que outro usuário criou em uma pasta compartilhada; ele não foi seguido</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message>
        <source>&quot;id&quot; must be a running order&apos;s id, or null for none.</source>
        <translation>&quot;id&quot; deve ser o ID de um roteiro, ou null para nenhum.</translation>
    </message>
    <message>
        <source>The message is larger than 16 KB.</source>
        <translation>A mensagem passa de 16 KB.</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>A mensagem não é um objeto JSON.</translation>
    </message>
    <message>
        <source>&quot;speed&quot; must be a whole number from 1 to 16.</source>
        <translation>&quot;speed&quot; deve ser um número inteiro de 1 a 16.</translation>
    </message>
    <message>
        <source>&quot;marker&quot; must be a whole number from 1.</source>
        <translation>&quot;marker&quot; deve ser um número inteiro a partir de 1.</translation>
    </message>
    <message>
        <source>&quot;char&quot; must be a whole number from 0.</source>
        <translation>&quot;char&quot; deve ser um número inteiro a partir de 0.</translation>
    </message>
    <message>
        <source>&quot;fraction&quot; must be a number from 0 to 1.</source>
        <translation>&quot;fraction&quot; deve ser um número de 0 a 1.</translation>
    </message>
    <message>
        <source>A jump needs &quot;marker&quot;, &quot;char&quot; or &quot;fraction&quot;.</source>
        <translation>Um salto precisa de &quot;marker&quot;, &quot;char&quot; ou &quot;fraction&quot;.</translation>
    </message>
    <message>
        <source>The message has no &quot;cmd&quot;.</source>
        <translation>A mensagem não tem &quot;cmd&quot;.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando desconhecido “%1”.</translation>
    </message>
    <message>
        <source>The packet is larger than 16 KB.</source>
        <translation>O pacote passa de 16 KB.</translation>
    </message>
    <message>
        <source>Not an OSC message.</source>
        <translation>Não é uma mensagem OSC.</translation>
    </message>
    <message>
        <source>Not a Cuescroll address.</source>
        <translation>Não é um endereço do Cuescroll.</translation>
    </message>
    <message>
        <source>A malformed OSC message.</source>
        <translation>Uma mensagem OSC malformada.</translation>
    </message>
    <message>
        <source>/speed takes a number from 1 to 16.</source>
        <translation>/speed aceita um número de 1 a 16.</translation>
    </message>
    <message>
        <source>/jump takes a marker&apos;s number from 1.</source>
        <translation>/jump aceita o número de um marcador a partir de 1.</translation>
    </message>
    <message>
        <source>/goto takes a fraction from 0 to 1.</source>
        <translation>/goto aceita uma fração de 0 a 1.</translation>
    </message>
    <message>
        <source>A message needs &quot;text&quot;.</source>
        <translation>Uma mensagem precisa de &quot;text&quot;.</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; must be a whole number from 0 to 86400.</source>
        <translation>&quot;seconds&quot; deve ser um número inteiro de 0 a 86400.</translation>
    </message>
    <message>
        <source>/message takes a string.</source>
        <translation>/message espera um texto.</translation>
    </message>
    <message>
        <source>&quot;index&quot; must be a whole number from 1.</source>
        <translation>&quot;index&quot; deve ser um número inteiro a partir de 1.</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be a time of day, &quot;HH:MM&quot;.</source>
        <translation>&quot;end&quot; deve ser um horário, &quot;HH:MM&quot;.</translation>
    </message>
    <message>
        <source>&quot;duration&quot; must be whole seconds from 0 to 604800.</source>
        <translation>&quot;duration&quot; deve ser segundos inteiros de 0 a 604800.</translation>
    </message>
    <message>
        <source>A target needs &quot;end&quot; or &quot;duration&quot;.</source>
        <translation>Um alvo precisa de &quot;end&quot; ou &quot;duration&quot;.</translation>
    </message>
    <message>
        <source>/story takes a story&apos;s number from 1.</source>
        <translation>/story recebe o número de uma matéria a partir de 1.</translation>
    </message>
</context>
<context>
    <name>remote::Page</name>
    <message>
        <source>Cuescroll remote</source>
        <translation>Controle remoto do Cuescroll</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Offline – reconnecting…</source>
        <translation>Sem conexão – reconectando…</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Rodando</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>To go</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Line back</source>
        <translation>Linha anterior</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Page fwd</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Line fwd</source>
        <translation>Próxima linha</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>− Slower</source>
        <translation>− Mais devagar</translation>
    </message>
    <message>
        <source>+ Faster</source>
        <translation>+ Mais rápido</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Para frente</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>No markers.</source>
        <translation>Nenhum marcador.</translation>
    </message>
    <message>
        <source>The page&apos;s token is not valid any more: scan the code again.</source>
        <translation>O token da página não é mais válido: escaneie o código de novo.</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Mensagem para o apresentador</translation>
    </message>
    <message>
        <source>Wrap up</source>
        <translation>Encerre</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Story to go</source>
        <translation>Matéria restante</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Programa restante</translation>
    </message>
    <message>
        <source>Under / over</source>
        <translation>Sobra / estouro</translation>
    </message>
    <message>
        <source>Prev story</source>
        <translation>Matéria anterior</translation>
    </message>
    <message>
        <source>Next story</source>
        <translation>Próxima matéria</translation>
    </message>
</context>
<context>
    <name>remote::RemoteControl</name>
    <message>
        <source>Another window is open.</source>
        <translation>Outra janela está aberta.</translation>
    </message>
</context>
<context>
    <name>remote::RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program.</source>
        <translation>A porta %1 está sendo usada por outro programa.</translation>
    </message>
    <message>
        <source>Port %1 cannot be opened: %2</source>
        <translation>Não é possível abrir a porta %1: %2</translation>
    </message>
    <message>
        <source>OSC cannot listen on UDP port %1: %2</source>
        <translation>O OSC não consegue escutar na porta UDP %1: %2</translation>
    </message>
    <message>
        <source>Too many requests; slow down.</source>
        <translation>Requisições demais; vá mais devagar.</translation>
    </message>
    <message>
        <source>The token is missing or wrong.</source>
        <translation>O token está ausente ou incorreto.</translation>
    </message>
    <message>
        <source>The body is larger than 16 KB.</source>
        <translation>O corpo da requisição passa de 16 KB.</translation>
    </message>
    <message>
        <source>Only GET.</source>
        <translation>Somente GET.</translation>
    </message>
    <message>
        <source>No such page.</source>
        <translation>Essa página não existe.</translation>
    </message>
    <message>
        <source>This address takes WebSocket connections.</source>
        <translation>Este endereço aceita conexões WebSocket.</translation>
    </message>
    <message>
        <source>No such action.</source>
        <translation>Essa ação não existe.</translation>
    </message>
    <message>
        <source>Only POST.</source>
        <translation>Somente POST.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: the address is not allowed.</source>
        <translation>OSC de %1 ignorado: o endereço não é permitido.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: %2</source>
        <translation>OSC de %1 ignorado: %2</translation>
    </message>
    <message>
        <source>OSC from %1 not carried out: %2</source>
        <translation>OSC de %1 não executado: %2</translation>
    </message>
    <message>
        <source>Messages are JSON text; binary ones are not taken.</source>
        <translation>As mensagens são texto JSON; as binárias não são aceitas.</translation>
    </message>
</context>
<context>
    <name>remote::dlgRemote</name>
    <message>
        <source>Remote control</source>
        <translation>Controle remoto</translation>
    </message>
    <message>
        <source>&amp;New token</source>
        <translation>&amp;Novo token</translation>
    </message>
    <message>
        <source>Devices that have the page open must scan the new code.</source>
        <translation>Os dispositivos com a página aberta precisam escanear o novo código.</translation>
    </message>
    <message>
        <source>Take &amp;OSC (UDP, same port) from:</source>
        <translation>Receber &amp;OSC (UDP, mesma porta) de:</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>somente este computador</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Endereços ou redes, ex.: 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>Take &amp;MIDI from every input</source>
        <translation>Receber &amp;MIDI de todas as entradas</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>Listening on port %1, OSC too.</source>
        <translation>Escutando na porta %1, também OSC.</translation>
    </message>
    <message>
        <source>Listening on port %1.</source>
        <translation>Escutando na porta %1.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Desligado: nada escuta na rede.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected.</source>
        <translation>
            <numerusform>%n dispositivo conectado.</numerusform>
            <numerusform>%n dispositivos conectados.</numerusform>
        </translation>
    </message>
    <message>
        <source>No MIDI input found.</source>
        <translation>Nenhuma entrada MIDI encontrada.</translation>
    </message>
    <message>
        <source>Listening to: %1</source>
        <translation>Escutando: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control on</source>
        <translation>Controle &amp;remoto ligado</translation>
    </message>
    <message>
        <source>Addresses of the page</source>
        <translation>Endereços da página</translation>
    </message>
    <message>
        <source>QR code of the page&apos;s address, for a phone&apos;s camera</source>
        <translation>Código QR do endereço da página, para a câmera de um celular</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected now will be cut off and must scan the new code.</source>
        <translation>
            <numerusform>%n dispositivo conectado agora será desconectado e terá de escanear o novo código.</numerusform>
            <numerusform>%n dispositivos conectados agora serão desconectados e terão de escanear o novo código.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages opened with the present code will stop working.</source>
        <translation>As páginas abertas com o código atual deixarão de funcionar.</translation>
    </message>
    <message>
        <source>&amp;Make a new token</source>
        <translation>Criar um &amp;novo token</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>Pá&amp;gina:</translation>
    </message>
    <message>
        <source>no desk</source>
        <translation>nenhuma mesa</translation>
    </message>
    <message>
        <source>host:port of each desk, e.g. 192.168.1.30:9000 desk.local:8000</source>
        <translation>host:porta de cada mesa, p. ex. 192.168.1.30:9000 desk.local:8000</translation>
    </message>
    <message>
        <source>Take game &amp;controllers</source>
        <translation>Receber controles de &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;Send the state as OSC to:</source>
        <translation>&amp;Enviar o estado por OSC para:</translation>
    </message>
    <message>
        <source>No game controller plugged in.</source>
        <translation>Nenhum controle conectado.</translation>
    </message>
</context>
<context>
    <name>scriptfile</name>
    <message>
        <source>The file “%1” cannot be opened: %2.</source>
        <translation>Não é possível abrir o arquivo “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>show</name>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>o espelho tem mais de 1 MB</translation>
    </message>
    <message>
        <source>the rundown is not UTF-8 text</source>
        <translation>o espelho não é texto UTF-8</translation>
    </message>
    <message>
        <source>this is no Cuescroll rundown</source>
        <translation>isto não é um espelho do Cuescroll</translation>
    </message>
</context>
<context>
    <name>storefile</name>
    <message>
        <source>it is larger than %1 bytes and was left as it is</source>
        <translation>passa de %1 bytes e foi deixado como estava</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it may not be read</source>
        <translation>não é permitido lê-lo</translation>
    </message>
    <message>
        <source>it is UTF-16 text that could not be written back unchanged</source>
        <translation>é texto UTF-16 que não pôde ser regravado sem alterações</translation>
    </message>
    <message>
        <source>it is not in an encoding Cuescroll can write back (UTF-8, UTF-16 with a byte order mark or a single-byte code page)</source>
        <translation>não está em uma codificação que o Cuescroll consiga regravar (UTF-8, UTF-16 com marca de ordem de bytes ou uma página de código de um byte)</translation>
    </message>
    <message>
        <source>it would grow beyond the %1 bytes a settings file may hold</source>
        <translation>passaria dos %1 bytes que um arquivo de configurações pode ter</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>não foi possível criar a pasta dele</translation>
    </message>
</context>
<context>
    <name>voice</name>
    <message>
        <source>no words to recognise</source>
        <translation>nenhuma palavra para reconhecer</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Esse arquivo não existe.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The recording is larger than 1 GB.</source>
        <translation>A gravação passa de 1 GB.</translation>
    </message>
    <message>
        <source>It may not be read.</source>
        <translation>Não é permitido lê-la.</translation>
    </message>
    <message>
        <source>It is not a WAV recording.</source>
        <translation>Não é uma gravação WAV.</translation>
    </message>
    <message>
        <source>Only uncompressed (PCM) WAV recordings can be read.</source>
        <translation>Só é possível ler gravações WAV sem compressão (PCM).</translation>
    </message>
    <message>
        <source>The WAV recording must be PCM of 8 or 16 bits.</source>
        <translation>A gravação WAV deve ser PCM de 8 ou 16 bits.</translation>
    </message>
    <message>
        <source>most of the script&apos;s words are not English, the only language of the installed speech model</source>
        <translation>a maioria das palavras do roteiro não está em inglês, o único idioma do modelo de fala instalado</translation>
    </message>
</context>
<context>
    <name>voice::Decoder</name>
    <message>
        <source>the recogniser&apos;s settings were refused</source>
        <translation>as configurações do motor de reconhecimento foram recusadas</translation>
    </message>
    <message>
        <source>the recogniser could not load the model from %1</source>
        <translation>o motor de reconhecimento não conseguiu carregar o modelo de %1</translation>
    </message>
    <message>
        <source>the recogniser did not start</source>
        <translation>o motor de reconhecimento não iniciou</translation>
    </message>
    <message>
        <source>the recogniser failed to end an utterance</source>
        <translation>o motor de reconhecimento não conseguiu encerrar um enunciado</translation>
    </message>
    <message>
        <source>the recogniser failed to start an utterance</source>
        <translation>o motor de reconhecimento não conseguiu iniciar um enunciado</translation>
    </message>
    <message>
        <source>no model is loaded</source>
        <translation>nenhum modelo está carregado</translation>
    </message>
    <message>
        <source>the recogniser failed on the audio</source>
        <translation>o motor de reconhecimento falhou no áudio</translation>
    </message>
</context>
<context>
    <name>voice::Microphone</name>
    <message>
        <source>No microphone was found.</source>
        <translation>Nenhum microfone foi encontrado.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; could not be opened.</source>
        <translation>Não foi possível abrir o microfone “%1”.</translation>
    </message>
</context>
<context>
    <name>voice::RecordingInput</name>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>Não foi possível ler a gravação %1: %2</translation>
    </message>
</context>
<context>
    <name>voice::VoiceFollower</name>
    <message>
        <source>Speech recognition stopped: %1</source>
        <translation>O reconhecimento de voz parou: %1</translation>
    </message>
    <message>
        <source>The script&apos;s words could not be prepared for recognition: %1</source>
        <translation>Não foi possível preparar as palavras do roteiro para o reconhecimento: %1</translation>
    </message>
</context>
</TS>
