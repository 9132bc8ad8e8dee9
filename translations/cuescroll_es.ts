<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
</context>
<context>
    <name>CueSender</name>
    <message>
        <source>The cue could not be sent to %1: %2</source>
        <translation>No se pudo enviar el cue a %1: %2</translation>
    </message>
    <message>
        <source>Cue “%1”: “%2” is not a web address.</source>
        <translation>Señal «%1»: «%2» no es una dirección web.</translation>
    </message>
    <message>
        <source>Cue “%1” not sent to %2: it has not answered the last ones yet.</source>
        <translation>Señal «%1» no enviada a %2: aún no ha respondido a las anteriores.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n second(s)</source>
        <translation>
            <numerusform>sin respuesta en %n segundo</numerusform>
            <numerusform>sin respuesta en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>respondió %1</translation>
    </message>
    <message>
        <source>Cue “%1” not taken by %2: %3</source>
        <translation>Señal «%1» no aceptada por %2: %3</translation>
    </message>
    <message>
        <source>CueOsc: “%1” is not an address and port.</source>
        <translation>CueOsc: «%1» no es una dirección con puerto.</translation>
    </message>
    <message>
        <source>The cue&apos;s MIDI note could not be sent: %1</source>
        <translation>No se pudo enviar la nota MIDI de la señal: %1</translation>
    </message>
</context>
<context>
    <name>DocConverter</name>
    <message>
        <source>no result after %1 seconds</source>
        <translation>sin resultado tras %1 segundos</translation>
    </message>
</context>
<context>
    <name>FollowSeat</name>
    <message>
        <source>F&amp;ollow prompter…</source>
        <translation>S&amp;eguir prompter…</translation>
    </message>
    <message>
        <source>&amp;Stop following</source>
        <translation>&amp;Dejar de seguir</translation>
    </message>
    <message>
        <source>&amp;Lead in the leader&apos;s place</source>
        <translation>&amp;Liderar en lugar del líder</translation>
    </message>
    <message>
        <source>&amp;Let other prompters follow this one</source>
        <translation>Permitir &amp;que otros prompters sigan a este</translation>
    </message>
    <message>
        <source>“%1” is no prompter&apos;s address.</source>
        <translation>«%1» no es la dirección de un prompter.</translation>
    </message>
    <message>
        <source>&amp;How to follow this prompter…</source>
        <translation>Cómo se&amp;guir a este prompter…</translation>
    </message>
    <message>
        <source>Stop l&amp;eading</source>
        <translation>&amp;Dejar de liderar</translation>
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
        <translation>Cuescroll en %1</translation>
    </message>
    <message>
        <source>Following %1</source>
        <translation>Siguiendo a %1</translation>
    </message>
    <message>
        <source>Leader lost: going on at speed %1, reconnecting…</source>
        <translation>Líder perdido: sigue a velocidad %1, reconectando…</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>Following %1 in the lost leader&apos;s place</source>
        <translation>Siguiendo a %1 en lugar del líder perdido</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Este prompter no puede liderar: %1</translation>
    </message>
    <message>
        <source>Leader lost: stopped here, reconnecting…</source>
        <translation>Líder perdido: detenido aquí, reconectando…</translation>
    </message>
    <message>
        <source>The leader cannot be reached: only Stop works here until it is back.</source>
        <translation>No se puede alcanzar al líder: hasta que vuelva, aquí solo funciona Detener.</translation>
    </message>
    <message>
        <source>The prompter at %1 did not accept the token. Its studio menu shows the right one under “How to follow this prompter…”.</source>
        <translation>El prompter en %1 no aceptó el token. Su menú de estudio muestra el correcto en «Cómo seguir a este prompter…».</translation>
    </message>
    <message>
        <source>Not following: wrong token</source>
        <translation>Sin seguir: token incorrecto</translation>
    </message>
    <message>
        <source>%1 is this prompter itself: a prompter cannot follow itself.</source>
        <translation>%1 es este mismo prompter: un prompter no puede seguirse a sí mismo.</translation>
    </message>
    <message>
        <source>Not following: that is this prompter</source>
        <translation>Sin seguir: es este mismo prompter</translation>
    </message>
    <message>
        <source>The prompter at %1 does not lead: nothing can follow it.</source>
        <translation>El prompter en %1 no lidera: nada puede seguirlo.</translation>
    </message>
    <message>
        <source>Not following: %1 does not lead</source>
        <translation>Sin seguir: %1 no lidera</translation>
    </message>
</context>
<context>
    <name>LevelMeter</name>
    <message>
        <source>Voice level</source>
        <translation>Nivel de voz</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
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
        <translation>Ir a</translation>
    </message>
</context>
<context>
    <name>PrompterCore</name>
    <message>
        <source>No running order comes from a newsroom system.</source>
        <translation>Ningún sistema de redacción envía escaletas.</translation>
    </message>
    <message>
        <source>The script is the leader&apos;s.</source>
        <translation>El guion es del líder.</translation>
    </message>
    <message>
        <source>A passage is being marked.</source>
        <translation>Se está marcando un pasaje.</translation>
    </message>
    <message>
        <source>There is no marker %1.</source>
        <translation>No existe la marca %1.</translation>
    </message>
    <message>
        <source>The value is out of range.</source>
        <translation>El valor está fuera de rango.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>El mensaje está vacío.</translation>
    </message>
    <message>
        <source>No window shows the script.</source>
        <translation>Ninguna ventana muestra el guion.</translation>
    </message>
</context>
<context>
    <name>RichTextView</name>
    <message>
        <source>it has a paragraph of more than %L1 characters, too long for a script</source>
        <translation>tiene un párrafo de más de %L1 caracteres, demasiado largo para un guion</translation>
    </message>
    <message>
        <source>it has a paragraph with more than %L1 text direction controls</source>
        <translation>tiene un párrafo con más de %L1 controles de dirección del texto</translation>
    </message>
    <message>
        <source>it changes writing system or direction more than %L1 times</source>
        <translation>cambia de sistema de escritura o de dirección más de %L1 veces</translation>
    </message>
    <message>
        <source>The file “%1” does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>“%1” is too large to be a script.</source>
        <translation>«%1» es demasiado grande para ser un guion.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2.</source>
        <translation>No se puede mostrar «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a readable Rich Text file: %2</source>
        <translation>«%1» no es un archivo de texto enriquecido legible: %2</translation>
    </message>
    <message>
        <source>“%1” has more than %L2 paragraphs, too many for a script.</source>
        <translation>«%1» tiene más de %L2 párrafos, demasiados para un guion.</translation>
    </message>
</context>
<context>
    <name>RundownPanel</name>
    <message>
        <source>Rundown</source>
        <translation>Escaleta</translation>
    </message>
    <message>
        <source>&amp;Previous story</source>
        <translation>Noticia a&amp;nterior</translation>
    </message>
    <message>
        <source>Previous story  (Ctrl+Page Up)</source>
        <translation>Noticia anterior  (Ctrl+RePág)</translation>
    </message>
    <message>
        <source>&amp;Next story</source>
        <translation>Noticia &amp;siguiente</translation>
    </message>
    <message>
        <source>Next story  (Ctrl+Page Down)</source>
        <translation>Noticia siguiente  (Ctrl+AvPág)</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
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
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move up  (Alt+Up)</source>
        <translation>Subir  (Alt+Arriba)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Move down  (Alt+Down)</source>
        <translation>Bajar  (Alt+Abajo)</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Abri&amp;r…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Show elapsed</source>
        <translation>Programa transcurrido</translation>
    </message>
    <message>
        <source>Story elapsed / to go</source>
        <translation>Noticia transcurrido / restante</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Programa restante</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Termina a las</translation>
    </message>
    <message>
        <source>Over / under</source>
        <translation>Pasado / sobrante</translation>
    </message>
    <message>
        <source>Pace speed</source>
        <translation>Velocidad para acabar a tiempo</translation>
    </message>
    <message>
        <source>As planned</source>
        <translation>Según lo previsto</translation>
    </message>
    <message>
        <source>End at</source>
        <translation>Terminar a las</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Target time</source>
        <translation>Hora objetivo</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>Ob&amp;jetivo</translation>
    </message>
    <message>
        <source>&amp;Hit the time</source>
        <translation>Ajustarse al &amp;tiempo</translation>
    </message>
    <message>
        <source>The speed moves toward the pace speed, a step at a time, within these speeds</source>
        <translation>La velocidad se acerca paso a paso a la de acabar a tiempo, dentro de estas velocidades</translation>
    </message>
    <message>
        <source>Slowest speed</source>
        <translation>Velocidad mínima</translation>
    </message>
    <message>
        <source>Fastest speed</source>
        <translation>Velocidad máxima</translation>
    </message>
    <message>
        <source>done</source>
        <translation>emitida</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>en el aire</translation>
    </message>
    <message>
        <source>next</source>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>%1 (your pace)</source>
        <translation>%1 (su ritmo)</translation>
    </message>
    <message>
        <source>no plan</source>
        <translation>sin plan</translation>
    </message>
    <message>
        <source>%1 under</source>
        <translation>%1 de sobra</translation>
    </message>
    <message>
        <source>%1 over</source>
        <translation>%1 pasado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Add a script</source>
        <translation>Añadir un guion</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.docx *.odt *.doc);;All files (*)</source>
        <translation>Guiones (*.txt *.rtf *.docx *.odt *.doc);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open a rundown</source>
        <translation>Abrir una escaleta</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown);;All files (*)</source>
        <translation>Escaletas (*.cuerundown);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the rundown</source>
        <translation>Guardar la escaleta</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown)</source>
        <translation>Escaletas (*.cuerundown)</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Story text</source>
        <translation>Texto de la noticia</translation>
    </message>
    <message>
        <source>The selected story&apos;s text: change it while the prompter runs, then Apply.</source>
        <translation>El texto de la noticia elegida: cámbielo mientras el prompter avanza y luego pulse Aplicar.</translation>
    </message>
    <message>
        <source>Put the changed text on the prompter: the presenter stays on the same words.</source>
        <translation>Lleva el texto cambiado al prompter: el presentador sigue en las mismas palabras.</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Opening…</source>
        <translation>Abriendo…</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>ShowControl</name>
    <message>
        <source>Look-ahead</source>
        <translation>Lo que viene</translation>
    </message>
    <message>
        <source>What comes next</source>
        <translation>Lo que viene después</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Mensaje para el presentador</translation>
    </message>
    <message>
        <source>Seconds the message stays</source>
        <translation>Segundos que dura el mensaje</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>until cleared</source>
        <translation>hasta borrarlo</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Look-ahead</source>
        <translation>&amp;Lo que viene</translation>
    </message>
    <message>
        <source>&amp;Hide cues from the presenter</source>
        <translation>&amp;Ocultar señales al presentador</translation>
    </message>
    <message>
        <source>Time to the &amp;end on the talent screen</source>
        <translation>Tiempo hasta el &amp;final en la pantalla del presentador</translation>
    </message>
    <message>
        <source>Message to the &amp;presenter…</source>
        <translation>Mensaje para el &amp;presentador…</translation>
    </message>
    <message>
        <source>Next: the end of the script</source>
        <translation>A continuación: el final del guion</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>A continuación: %1</translation>
    </message>
    <message>
        <source>Cues: %1</source>
        <translation>Señales: %1</translation>
    </message>
    <message>
        <source>Next story: %1</source>
        <translation>Siguiente noticia: %1</translation>
    </message>
    <message>
        <source>Show co&amp;ntrol</source>
        <translation>Control del progr&amp;ama</translation>
    </message>
</context>
<context>
    <name>ShowRun</name>
    <message>
        <source>A Word 97-2003 document is opened in the script editor only.</source>
        <translation>Un documento de Word 97-2003 solo se abre en el editor de guiones.</translation>
    </message>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>la escaleta ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>There is no script to show in “%1”.</source>
        <translation>No hay ningún guion que mostrar en «%1».</translation>
    </message>
    <message>
        <source>This prompter follows another: the show is the leader&apos;s.</source>
        <translation>Este prompter sigue a otro: el programa es el del líder.</translation>
    </message>
    <message>
        <source>The rundown “%1” cannot be saved: %2.</source>
        <translation>La escaleta «%1» no se puede guardar: %2.</translation>
    </message>
    <message>
        <source>There is no rundown.</source>
        <translation>No hay escaleta.</translation>
    </message>
    <message>
        <source>This is the last story.</source>
        <translation>Esta es la última noticia.</translation>
    </message>
    <message>
        <source>This is the first story.</source>
        <translation>Esta es la primera noticia.</translation>
    </message>
    <message>
        <source>There is no story %1.</source>
        <translation>No hay noticia %1.</translation>
    </message>
    <message>
        <source>The script of story %1 is missing.</source>
        <translation>Falta el guion de la noticia %1.</translation>
    </message>
    <message>
        <source>A running order from the newsroom system is not saved as a rundown: its stories are kept by the newsroom system, not in script files.</source>
        <translation>Una escaleta del sistema de redacción no se guarda como archivo de escaleta: sus noticias las guarda el sistema de redacción, no archivos de guion.</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Message &amp;below the reading line</source>
        <translation>Mensaje deba&amp;jo de la línea de lectura</translation>
    </message>
    <message>
        <source>Talent screen closed: the prompter window is on its screen, %1. It opens again on another.</source>
        <translation>Pantalla del presentador cerrada: la ventana del prompter está en su pantalla, %1. Vuelve a abrirse en otra.</translation>
    </message>
    <message>
        <source>Talent screen</source>
        <translation>Pantalla del presentador</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Talent screen</source>
        <translation>&amp;Pantalla del presentador</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4) – the prompter&apos;s own screen</source>
        <translation>&amp;%1: %2 (%3 × %4) – la pantalla del propio prompter</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4)</source>
        <translation>&amp;%1: %2 (%3 × %4)</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no talent screen</comment>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>&amp;Mirror talent screen</source>
        <translation>&amp;Reflejar la pantalla del presentador</translation>
    </message>
    <message>
        <source>&amp;Flip talent screen vertically</source>
        <translation>&amp;Voltear la pantalla del presentador verticalmente</translation>
    </message>
    <message>
        <source>Mirror &amp;prompter</source>
        <translation>Reflejar el pro&amp;mpter</translation>
    </message>
    <message>
        <source>&amp;Jump to the reading line</source>
        <translation>&amp;Saltar a la línea de lectura</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Cuenta atrás</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no countdown</comment>
        <translation>&amp;Desactivada</translation>
    </message>
</context>
<context>
    <name>VoiceFollowing</name>
    <message>
        <source>Follow my &amp;voice</source>
        <translation>Seguir mi v&amp;oz</translation>
    </message>
    <message>
        <source>Voice &amp;input</source>
        <translation>E&amp;ntrada de voz</translation>
    </message>
    <message>
        <source>&amp;Default microphone</source>
        <translation>&amp;Micrófono predeterminado</translation>
    </message>
    <message>
        <source>&amp;Recording %1</source>
        <translation>&amp;Grabación %1</translation>
    </message>
    <message>
        <source>Following the voice cannot start.
%1</source>
        <translation>No se puede seguir la voz.
%1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>%1: %2 (see cuescroll --help)</source>
        <translation>%1: %2 (consulte cuescroll --help)</translation>
    </message>
    <message>
        <source>FILE is shown in the prompter as if it had been opened in the script editor and
taken with Done: plain text, Rich Text Format, .docx, .odt or .doc.
</source>
        <translation>ARCHIVO se muestra en el prompter como si se hubiera abierto en el editor de guiones
y aceptado con Listo: texto sin formato, Rich Text Format, .docx, .odt o .doc.
</translation>
    </message>
    <message>
        <source>Files:
</source>
        <translation>Archivos:
</translation>
    </message>
    <message>
        <source>Cuescroll, a script prompter.</source>
        <translation>Cuescroll, un prompter de guiones.</translation>
    </message>
    <message>
        <source>Show the script, mirrored, full screen on screen N (1 = the first; a screen&apos;s name also works; 0 = none).</source>
        <translation>Mostrar el guion, reflejado, a pantalla completa en la pantalla N (1 = la primera; también vale el nombre de una pantalla; 0 = ninguna).</translation>
    </message>
    <message>
        <source>Mirror the prompter&apos;s own view left to right.</source>
        <translation>Reflejar de izquierda a derecha la vista del propio prompter.</translation>
    </message>
    <message>
        <source>Count S seconds down on Start before the script moves (0 = none).</source>
        <translation>Contar S segundos hacia atrás al iniciar antes de que el guion se mueva (0 = ninguno).</translation>
    </message>
    <message>
        <source>--countdown takes whole seconds from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--countdown admite segundos enteros de 0 a %1, no «%2».</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the script named on the command line</comment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Copyright 2026 The Cuescroll developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Copyright 2026 Los desarrolladores de Cuescroll.
Licencia GPL-3.0-or-later: GNU GPL versión 3 o posterior &lt;https://www.gnu.org/licenses/gpl.html&gt;.
Esto es software libre: puede modificarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, en la medida permitida por la ley.</translation>
    </message>
    <message>
        <source>The remote control&apos;s port.</source>
        <translation>El puerto del control remoto.</translation>
    </message>
    <message>
        <source>With the remote control, take OSC on the same port (UDP) from the addresses allowed in the settings (default: this computer).</source>
        <translation>Con el control remoto, recibir OSC en el mismo puerto (UDP) desde las direcciones permitidas en los ajustes (por defecto: este equipo).</translation>
    </message>
    <message>
        <source>--remote takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--remote admite un puerto de 1 a 65535, no «%1».</translation>
    </message>
    <message>
        <source>Follow the presenter&apos;s voice: the script moves as it is read aloud.</source>
        <translation>Seguir la voz del presentador: el guion avanza a medida que se lee en voz alta.</translation>
    </message>
    <message>
        <source>Follow the voice in a WAV recording, played in real time, instead of the microphone.</source>
        <translation>Seguir la voz de una grabación WAV, reproducida en tiempo real, en lugar del micrófono.</translation>
    </message>
    <message>
        <source>--voice-input needs a WAV file.</source>
        <translation>--voice-input necesita un archivo WAV.</translation>
    </message>
    <message>
        <source>Follow the prompter leading at HOST (port 8777 unless given): its script, look and run are shown here and the keys drive it.</source>
        <translation>Seguir al prompter que lidera en HOST (puerto 8777 si no se indica): su guion, su aspecto y su desplazamiento se muestran aquí y las teclas lo controlan.</translation>
    </message>
    <message>
        <source>The port followers reach this prompter on (8777 unless given).</source>
        <translation>El puerto por el que los seguidores llegan a este prompter (8777 si no se indica).</translation>
    </message>
    <message>
        <source>--follow takes a prompter&apos;s address, HOST or HOST:PORT, not &quot;%1&quot;.</source>
        <translation>--follow admite la dirección de un prompter, HOST o HOST:PORT, no «%1».</translation>
    </message>
    <message>
        <source>--lead and --follow do not go together: a prompter leads or follows.</source>
        <translation>--lead y --follow no van juntos: un prompter lidera o sigue.</translation>
    </message>
    <message>
        <source>--lead-port takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--lead-port admite un puerto de 1 a 65535, no «%1».</translation>
    </message>
    <message>
        <source>Turn the remote control on for this run and print the phone page&apos;s address with its token. --remote=PORT or --remote PORT: on that port (default 8777 or the stored one). It keeps its own token (shown in Remote control…, or CUESCROLL_REMOTE_TOKEN): --token is not for it.</source>
        <translation>Activar el control remoto para esta ejecución y mostrar la dirección de la página para el móvil con su token. --remote=PORT o --remote PORT: en ese puerto (por defecto 8777 o el guardado). Conserva su propio token (mostrado en Control remoto…, o CUESCROLL_REMOTE_TOKEN): --token no se aplica a él.</translation>
    </message>
    <message>
        <source>Let other prompters follow this one, with the token of --token; without one, a token is made up. The port and token to pass on are printed at start. With the remote control on, followers come in on its port and need its token.</source>
        <translation>Permitir que otros prompters sigan a este, con el token de --token; sin él, se inventa uno. El puerto y el token que hay que pasar se imprimen al arrancar. Con el control remoto activo, los seguidores entran por su puerto y necesitan su token.</translation>
    </message>
    <message>
        <source>The leader&apos;s token, for --follow and --lead (else CUESCROLL_REMOTE_TOKEN); not for --remote.</source>
        <translation>El token del líder, para --follow y --lead (si no, CUESCROLL_REMOTE_TOKEN); no para --remote.</translation>
    </message>
    <message>
        <source>the remote control takes followers on port %1, and only with its own token. Leave out --token to lead with that token, or give --lead-port another port.</source>
        <translation>el control remoto acepta seguidores en el puerto %1, y solo con su propio token. Omita --token para liderar con ese token, o indique otro puerto con --lead-port.</translation>
    </message>
    <message>
        <source>port %1 cannot be listened on.</source>
        <translation>no se puede escuchar en el puerto %1.</translation>
    </message>
    <message>
        <source>Take running orders from a newsroom system for this run (MOS). --mos=PORT: on ports PORT and PORT+1 (default 10540 and 10541 or the stored ones).</source>
        <translation>Recibir escaletas de un sistema de redacción en esta ejecución (MOS). --mos=PORT: en los puertos PORT y PORT+1 (por omisión 10540 y 10541 o los guardados).</translation>
    </message>
    <message>
        <source>The newsroom system&apos;s lower port.</source>
        <translation>El puerto inferior del sistema de redacción.</translation>
    </message>
    <message>
        <source>--mos takes a port from 1 to 65534, not &quot;%1&quot;.</source>
        <translation>--mos admite un puerto de 1 a 65534, no «%1».</translation>
    </message>
    <message>
        <source>Usage: cuescroll [options] [FILE]...</source>
        <translation>Uso: cuescroll [opciones] [ARCHIVO]...</translation>
    </message>
    <message>
        <source>Several files make a show, one story each, in the order given; a folder adds its
scripts in the order of their names, and a .cuerundown file the stories it lists.
Ctrl+Page Down and Ctrl+Page Up go to the next and the previous story (with a single script
they page).
</source>
        <translation>Varios archivos forman un programa, una noticia cada uno, en el orden dado; una
carpeta añade sus guiones por orden de nombre, y un archivo .cuerundown las noticias
que enumera. Ctrl+AvPág y Ctrl+RePág pasan a la noticia siguiente y a la anterior (con un solo guion, pasan página).
</translation>
    </message>
    <message>
        <source>The script to show, or the scripts of a show.</source>
        <translation>El guion que mostrar, o los guiones de un programa.</translation>
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
        <translation>La pantalla, el guion y el desplazamiento del líder se muestran aquí, y las teclas controlan al líder.</translation>
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
        <translation>&amp;Mostrar el token</translation>
    </message>
    <message>
        <source>host or host:port, or the address with its token</source>
        <translation>host o host:puerto, o la dirección con su token</translation>
    </message>
    <message>
        <source>No leaders can be listed: DNS-SD (Avahi) is not running on this computer. Type the leader&apos;s address.</source>
        <translation>No se pueden listar líderes: DNS-SD (Avahi) no se está ejecutando en este equipo. Escriba la dirección del líder.</translation>
    </message>
</context>
<context>
    <name>dlgFont</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>S&amp;trikethrough</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;olor…</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;maño:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Efectos:</translation>
    </message>
    <message>
        <source>Text color:</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muestra:</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
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
        <translation>Órdenes y sus teclas</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
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
        <translation>&amp;Predeterminadas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>&amp;Copiar dirección y token</translation>
    </message>
    <message>
        <source>&amp;Stop leading</source>
        <translation>Dejar de &amp;liderar</translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Liderando</translation>
    </message>
    <message>
        <source>This computer&apos;s addresses</source>
        <translation>Direcciones de este equipo</translation>
    </message>
    <message>
        <source>Other prompters can follow this one. On each, choose “Follow prompter…” in the studio menu and give one of these addresses and the token.</source>
        <translation>Otros prompters pueden seguir a este. En cada uno, elija «Seguir prompter…» en el menú de estudio e indique una de estas direcciones y el token.</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Direcciones:</translation>
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
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Font preview</source>
        <translation>Vista previa de la fuente</translation>
    </message>
    <message>
        <source>Set your Cuescroll Preferences Here</source>
        <translation>Ajuste Cuescroll a su gusto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Line colour preview</source>
        <translation>Vista previa del color de la línea</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Color de línea</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Seleccionar marca</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
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
        <translation>Marca</translation>
    </message>
</context>
<context>
    <name>documents</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation>es una carpeta o un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>you do not have permission to read it</source>
        <translation>no tiene permiso para leerlo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>its text is larger than %1 MB, too large for a script</source>
        <translation>su texto ocupa más de %1 MB, demasiado para un guion</translation>
    </message>
    <message>
        <source>its text has more than %L1 paragraphs, too many for a script</source>
        <translation>su texto tiene más de %L1 párrafos, demasiados para un guion</translation>
    </message>
    <message>
        <source>it is neither text nor a document Cuescroll can read</source>
        <translation>no es texto ni un documento que Cuescroll pueda leer</translation>
    </message>
    <message>
        <source>it is a packed file but not a text document (.docx or .odt)</source>
        <translation>es un archivo comprimido pero no un documento de texto (.docx u .odt)</translation>
    </message>
    <message>
        <source>the document is damaged</source>
        <translation>el documento está dañado</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB; the document is damaged or harmful</source>
        <translation>descomprimido ocuparía más de %1 MB; el documento está dañado o es malicioso</translation>
    </message>
    <message>
        <source>the Word document converter “antiword” is not installed; install the Debian package “antiword” (sudo apt install antiword)</source>
        <translation>el conversor de documentos de Word «antiword» no está instalado; instale el paquete de Debian «antiword» (sudo apt install antiword)</translation>
    </message>
    <message>
        <source>the converter “antiword” crashed on it; the document is probably damaged</source>
        <translation>el conversor «antiword» falló con él; probablemente el documento está dañado</translation>
    </message>
    <message>
        <source>the converter “antiword” did not finish in time</source>
        <translation>el conversor «antiword» no terminó a tiempo</translation>
    </message>
    <message>
        <source>the converter “antiword” could not read it</source>
        <translation>el conversor «antiword» no pudo leerlo</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>se canceló la lectura</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>XML error at line %1: %2</source>
        <translation>error de XML en la línea %1: %2</translation>
    </message>
</context>
<context>
    <name>follow::LeaderServer</name>
    <message>
        <source>There is nothing to follow here.</source>
        <translation>Aquí no hay nada que seguir.</translation>
    </message>
    <message>
        <source>The token is not this prompter&apos;s.</source>
        <translation>El token no es de este prompter.</translation>
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
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Texto del guion</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.doc *.docx *.odt);;Text Files (*.txt);;Word Files (*.doc);;Documents (*.docx *.odt *.rtf);;All Files (*)</source>
        <translation>Guiones (*.txt *.rtf *.doc *.docx *.odt);;Archivos de texto (*.txt);;Archivos de Word (*.doc);;Documentos (*.docx *.odt *.rtf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Select the file</source>
        <translation>Seleccione el archivo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>Leyendo «%1»…</translation>
    </message>
    <message>
        <source>Save this file</source>
        <translation>Guardar este archivo</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>The file has been saved : %1</source>
        <translation>Se ha guardado el archivo: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2. Nothing was changed on disk.</source>
        <translation>No se pudo guardar el archivo «%1»: %2. No se ha cambiado nada en el disco.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The script cannot go to the prompter: %1. It stays in the editor.</source>
        <translation>El guion no puede pasar al prompter: %1. Se queda en el editor.</translation>
    </message>
</context>
<context>
    <name>frmLine</name>
    <message>
        <source>Reading line</source>
        <translation>Línea de lectura</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The help page could not be opened:
%1</source>
        <translation>No se pudo abrir la página de ayuda:
%1</translation>
    </message>
    <message>
        <source>The newsroom has sent no running order &quot;%1&quot;.</source>
        <translation>El sistema de redacción no ha enviado ninguna escaleta «%1».</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit Text  (F2)</source>
        <translation>Editar el texto  (F2)</translation>
    </message>
    <message>
        <source>     Start     </source>
        <extracomment>The blanks widen the button that starts the script; keep about as wide a caption.</extracomment>
        <translation>    Iniciar    </translation>
    </message>
    <message>
        <source>Prompter Start  (F3)</source>
        <translation>Iniciar el prompter  (F3)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Prompter Stop  (F3)</source>
        <translation>Detener el prompter  (F3)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Reset  (F4)</source>
        <translation>Volver al principio  (F4)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Mark  (F5)</source>
        <translation>Marcar un pasaje  (F5)</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Jump To Marker  (F6)</source>
        <translation>Ir a una marca  (F6)</translation>
    </message>
    <message>
        <source>Unmark</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Unmark  (F7)</source>
        <translation>Quitar una marca  (F7)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todas</translation>
    </message>
    <message>
        <source>Clear All Markers  (F8)</source>
        <translation>Borrar todas las marcas  (F8)</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Full Screen Toggle  (F9)</source>
        <translation>Activar/desactivar pantalla completa  (F9)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Options  (F10)</source>
        <translation>Opciones  (F10)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help  (F1)</source>
        <translation>Ayuda  (F1)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit  (Esc)</source>
        <translation>Salir  (Esc)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Guion</translation>
    </message>
    <message>
        <source>Reading line</source>
        <translation>Línea de lectura</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Texto del guion</translation>
    </message>
    <message>
        <source>Script to mark</source>
        <translation>Guion para marcar</translation>
    </message>
    <message>
        <source>Keyboard focus</source>
        <translation>Foco del teclado</translation>
    </message>
    <message>
        <source>Move reading line</source>
        <translation>Mover la línea de lectura</translation>
    </message>
    <message>
        <source>Resize reading line</source>
        <translation>Cambiar la altura de la línea de lectura</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Direction Down  (Ctrl+Dn)</source>
        <translation>Dirección hacia abajo  (Ctrl+Abajo)</translation>
    </message>
    <message>
        <source>Direction down</source>
        <translation>Dirección hacia abajo</translation>
    </message>
    <message>
        <source>Direction Up  (Ctrl+Up)</source>
        <translation>Dirección hacia arriba  (Ctrl+Arriba)</translation>
    </message>
    <message>
        <source>Direction up</source>
        <translation>Dirección hacia arriba</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Speed Up / Down  (Left / Right)</source>
        <translation>Más lento / más rápido  (Izquierda / Derecha)</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Time to go</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Mark panel</source>
        <translation>Panel de marcado</translation>
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
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control is turned on but cannot listen:
%1</source>
        <translation>El control remoto está activado, pero no puede recibir conexiones:
%1</translation>
    </message>
    <message>
        <source>Keys and buttons drive the leader</source>
        <translation>Las teclas y los botones controlan al líder</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Este prompter no puede liderar: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control…</source>
        <translation>Con&amp;trol remoto…</translation>
    </message>
    <message numerus="yes">
        <source>Remote control on, %n device(s)</source>
        <translation>
            <numerusform>Control remoto activado, %n dispositivo</numerusform>
            <numerusform>Control remoto activado, %n dispositivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Ne&amp;wsroom system (MOS)…</source>
        <translation>S&amp;istema de redacción (MOS)…</translation>
    </message>
    <message>
        <source>The newsroom system link is turned on but cannot listen:
%1</source>
        <translation>La conexión con el sistema de redacción está activada pero no puede escuchar:
%1</translation>
    </message>
    <message>
        <source>Run&amp;down</source>
        <translation>Escalet&amp;a</translation>
    </message>
    <message>
        <source>Part of the remote control cannot start:
%1</source>
        <translation>Una parte del control remoto no puede iniciarse:
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
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start or stop</source>
        <translation>Iniciar o detener</translation>
    </message>
    <message>
        <source>Stop and go back to the beginning</source>
        <translation>Detener y volver al principio</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Paso adelante</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Página atrás</translation>
    </message>
    <message>
        <source>Page forward</source>
        <translation>Página adelante</translation>
    </message>
    <message>
        <source>Beginning</source>
        <translation>Principio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Scroll up the screen</source>
        <translation>Desplazar hacia arriba de la pantalla</translation>
    </message>
    <message>
        <source>Scroll down the screen</source>
        <translation>Desplazar hacia abajo de la pantalla</translation>
    </message>
    <message>
        <source>Full screen on or off</source>
        <translation>Pantalla completa sí o no</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Mark passages</source>
        <translation>Marcar pasajes</translation>
    </message>
    <message>
        <source>Jump to a marker</source>
        <translation>Saltar a un marcador</translation>
    </message>
    <message>
        <source>Remove a marker</source>
        <translation>Quitar un marcador</translation>
    </message>
    <message>
        <source>Remove all markers</source>
        <translation>Quitar todos los marcadores</translation>
    </message>
    <message>
        <source>Edit the script</source>
        <translation>Editar el guion</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No key can give this command.</source>
        <translation>Ninguna tecla puede dar esta orden.</translation>
    </message>
    <message numerus="yes">
        <source>A command takes at most %n key(s).</source>
        <translation>
            <numerusform>Una orden admite como mucho %n tecla.</numerusform>
            <numerusform>Una orden admite como mucho %n teclas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is already the key of “%2”.</source>
        <translation>%1 ya es la tecla de «%2».</translation>
    </message>
    <message>
        <source>Next story (with a single script: page forward)</source>
        <translation>Noticia siguiente (con un solo guion: página adelante)</translation>
    </message>
    <message>
        <source>Previous story (with a single script: page back)</source>
        <translation>Noticia anterior (con un solo guion: página atrás)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Remote control: %1
</source>
        <translation>Control remoto: %1
</translation>
    </message>
    <message>
        <source>  also: %1
</source>
        <translation>  también: %1
</translation>
    </message>
    <message>
        <source>cuescroll: remote control: %1
</source>
        <translation>cuescroll: control remoto: %1
</translation>
    </message>
    <message>
        <source>cuescroll: cannot lead: %1
</source>
        <translation>cuescroll: no se puede liderar: %1
</translation>
    </message>
    <message>
        <source>Leading through the remote control: port %1, token %2
</source>
        <translation>Liderando a través del control remoto: puerto %1, token %2
</translation>
    </message>
    <message>
        <source>Leading: port %1, token %2
</source>
        <translation>Liderando: puerto %1, token %2
</translation>
    </message>
    <message>
        <source>Newsroom system (MOS): ports %1 and %2
</source>
        <translation>Sistema de redacción (MOS): puertos %1 y %2
</translation>
    </message>
    <message>
        <source>cuescroll: newsroom system: %1
</source>
        <translation>cuescroll: sistema de redacción: %1
</translation>
    </message>
</context>
<context>
    <name>modSettings</name>
    <message>
        <source>The settings could not be kept in “%1”: %2. They apply until Cuescroll ends.</source>
        <translation>No se pudieron guardar los ajustes en «%1»: %2. Se aplican hasta que se cierre Cuescroll.</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>The module %1 could not be loaded: %2</source>
        <translation>No se pudo cargar el módulo %1: %2</translation>
    </message>
</context>
<context>
    <name>mos::MosControl</name>
    <message>
        <source>Off: no running orders are taken.</source>
        <translation>Desactivado: no se reciben escaletas.</translation>
    </message>
    <message numerus="yes">
        <source>Taking running orders on ports %1 and %2; %n connection(s).</source>
        <translation>
            <numerusform>Recibiendo escaletas en los puertos %1 y %2; %n conexión.</numerusform>
            <numerusform>Recibiendo escaletas en los puertos %1 y %2; %n conexiones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::MosDevice</name>
    <message numerus="yes">
        <source>The newsroom was silent for %n second(s) and was let go.</source>
        <translation>
            <numerusform>El sistema de redacción calló %n segundo y se desconectó.</numerusform>
            <numerusform>El sistema de redacción calló %n segundos y se desconectó.</numerusform>
        </translation>
    </message>
    <message>
        <source>The newsroom cannot be reached: %1</source>
        <translation>No se puede contactar con el sistema de redacción: %1</translation>
    </message>
    <message>
        <source>An unreadable message: %1</source>
        <translation>Un mensaje ilegible: %1</translation>
    </message>
    <message>
        <source>A connection from %1 was refused.</source>
        <translation>Se rechazó una conexión desde %1.</translation>
    </message>
    <message>
        <source>The lower port %1 cannot be listened on: %2</source>
        <translation>No se puede escuchar en el puerto inferior %1: %2</translation>
    </message>
    <message>
        <source>The upper port %1 cannot be listened on: %2</source>
        <translation>No se puede escuchar en el puerto superior %1: %2</translation>
    </message>
</context>
<context>
    <name>mos::dlgMos</name>
    <message>
        <source>Last error (%1): %2</source>
        <translation>Último error (%1): %2</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Sin errores.</translation>
    </message>
    <message>
        <source>%1, ours</source>
        <translation>%1, nuestra</translation>
    </message>
    <message>
        <source>(not yet known)</source>
        <translation>(aún desconocido)</translation>
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
        <translation>todavía no</translation>
    </message>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>hace %n s</numerusform>
            <numerusform>hace %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Last message</source>
        <translation>Último mensaje</translation>
    </message>
    <message>
        <source>Last heartbeat</source>
        <translation>Último latido</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Newsroom</source>
        <translation>Redacción</translation>
    </message>
    <message>
        <source>Newsroom system (MOS)</source>
        <translation>Sistema de redacción (MOS)</translation>
    </message>
    <message>
        <source>&amp;Take running orders from a newsroom system</source>
        <translation>&amp;Recibir escaletas de un sistema de redacción</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>solo este equipo</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Direcciones o redes, p. ej. 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>&amp;MOS ID:</source>
        <translation>ID &amp;MOS:</translation>
    </message>
    <message>
        <source>&amp;Newsroom ID:</source>
        <translation>ID de la redac&amp;ción:</translation>
    </message>
    <message>
        <source>&amp;Lower port:</source>
        <translation>Puerto &amp;inferior:</translation>
    </message>
    <message>
        <source>&amp;Upper port:</source>
        <translation>Puerto &amp;superior:</translation>
    </message>
    <message>
        <source>Newsroom &amp;addresses:</source>
        <translation>&amp;Direcciones de la redacción:</translation>
    </message>
    <message>
        <source>&amp;Running order shown:</source>
        <translation>&amp;Escaleta mostrada:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>net::Door</name>
    <message>
        <source>The request is malformed.</source>
        <translation>La solicitud está mal formada.</translation>
    </message>
    <message>
        <source>The request&apos;s header is too large.</source>
        <translation>La cabecera de la solicitud es demasiado grande.</translation>
    </message>
    <message>
        <source>Content-Length is given more than once.</source>
        <translation>Content-Length aparece más de una vez.</translation>
    </message>
    <message>
        <source>The body is larger than %1 KB.</source>
        <translation>El cuerpo supera los %1 KB.</translation>
    </message>
    <message>
        <source>Too many connections.</source>
        <translation>Demasiadas conexiones.</translation>
    </message>
    <message>
        <source>An upgrade needs &quot;Connection: Upgrade&quot;.</source>
        <translation>Un cambio de protocolo necesita «Connection: Upgrade».</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Aquí no hay nada.</translation>
    </message>
    <message>
        <source>Only WebSocket version 13 is spoken here.</source>
        <translation>Aquí solo se habla WebSocket versión 13.</translation>
    </message>
    <message>
        <source>A page from another site may not connect here.</source>
        <translation>Una página de otro sitio no puede conectarse aquí.</translation>
    </message>
    <message>
        <source>The request took too long to arrive.</source>
        <translation>La solicitud tardó demasiado en llegar.</translation>
    </message>
    <message>
        <source>The token must be at least %1 characters long.</source>
        <translation>El token debe tener al menos %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <translation>solo %1 de %2 bytes llegaron al disco</translation>
    </message>
    <message>
        <source>it is a symbolic link that another user made in a shared folder; it was not followed</source>
        <translation>es un enlace simbólico que otro usuario creó en una carpeta compartida; no se siguió</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message>
        <source>&quot;id&quot; must be a running order&apos;s id, or null for none.</source>
        <translation>&quot;id&quot; debe ser el ID de una escaleta, o null para ninguna.</translation>
    </message>
    <message>
        <source>The message is larger than 16 KB.</source>
        <translation>El mensaje ocupa más de 16 KB.</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>El mensaje no es un objeto JSON.</translation>
    </message>
    <message>
        <source>&quot;speed&quot; must be a whole number from 1 to 16.</source>
        <translation>&quot;speed&quot; debe ser un número entero de 1 a 16.</translation>
    </message>
    <message>
        <source>&quot;marker&quot; must be a whole number from 1.</source>
        <translation>&quot;marker&quot; debe ser un número entero a partir de 1.</translation>
    </message>
    <message>
        <source>&quot;char&quot; must be a whole number from 0.</source>
        <translation>&quot;char&quot; debe ser un número entero a partir de 0.</translation>
    </message>
    <message>
        <source>&quot;fraction&quot; must be a number from 0 to 1.</source>
        <translation>&quot;fraction&quot; debe ser un número de 0 a 1.</translation>
    </message>
    <message>
        <source>A jump needs &quot;marker&quot;, &quot;char&quot; or &quot;fraction&quot;.</source>
        <translation>Un salto necesita &quot;marker&quot;, &quot;char&quot; o &quot;fraction&quot;.</translation>
    </message>
    <message>
        <source>The message has no &quot;cmd&quot;.</source>
        <translation>El mensaje no tiene &quot;cmd&quot;.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando desconocido «%1».</translation>
    </message>
    <message>
        <source>The packet is larger than 16 KB.</source>
        <translation>El paquete ocupa más de 16 KB.</translation>
    </message>
    <message>
        <source>Not an OSC message.</source>
        <translation>No es un mensaje OSC.</translation>
    </message>
    <message>
        <source>Not a Cuescroll address.</source>
        <translation>No es una dirección de Cuescroll.</translation>
    </message>
    <message>
        <source>A malformed OSC message.</source>
        <translation>Un mensaje OSC mal formado.</translation>
    </message>
    <message>
        <source>/speed takes a number from 1 to 16.</source>
        <translation>/speed admite un número de 1 a 16.</translation>
    </message>
    <message>
        <source>/jump takes a marker&apos;s number from 1.</source>
        <translation>/jump admite el número de una marca a partir de 1.</translation>
    </message>
    <message>
        <source>/goto takes a fraction from 0 to 1.</source>
        <translation>/goto admite una fracción de 0 a 1.</translation>
    </message>
    <message>
        <source>A message needs &quot;text&quot;.</source>
        <translation>Un mensaje necesita &quot;text&quot;.</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; must be a whole number from 0 to 86400.</source>
        <translation>&quot;seconds&quot; debe ser un número entero de 0 a 86400.</translation>
    </message>
    <message>
        <source>/message takes a string.</source>
        <translation>/message espera una cadena.</translation>
    </message>
    <message>
        <source>&quot;index&quot; must be a whole number from 1.</source>
        <translation>&quot;index&quot; debe ser un número entero desde 1.</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be a time of day, &quot;HH:MM&quot;.</source>
        <translation>&quot;end&quot; debe ser una hora del día, &quot;HH:MM&quot;.</translation>
    </message>
    <message>
        <source>&quot;duration&quot; must be whole seconds from 0 to 604800.</source>
        <translation>&quot;duration&quot; debe ser segundos enteros de 0 a 604800.</translation>
    </message>
    <message>
        <source>A target needs &quot;end&quot; or &quot;duration&quot;.</source>
        <translation>Un objetivo necesita &quot;end&quot; o &quot;duration&quot;.</translation>
    </message>
    <message>
        <source>/story takes a story&apos;s number from 1.</source>
        <translation>/story toma el número de una noticia desde 1.</translation>
    </message>
</context>
<context>
    <name>remote::Page</name>
    <message>
        <source>Cuescroll remote</source>
        <translation>Control remoto de Cuescroll</translation>
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
        <translation>Sin conexión – reconectando…</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>To go</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Página atrás</translation>
    </message>
    <message>
        <source>Line back</source>
        <translation>Línea atrás</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Page fwd</source>
        <translation>Página adelante</translation>
    </message>
    <message>
        <source>Line fwd</source>
        <translation>Línea adelante</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>− Slower</source>
        <translation>− Más lento</translation>
    </message>
    <message>
        <source>+ Faster</source>
        <translation>+ Más rápido</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>No markers.</source>
        <translation>No hay marcas.</translation>
    </message>
    <message>
        <source>The page&apos;s token is not valid any more: scan the code again.</source>
        <translation>El token de la página ya no es válido: escanee el código de nuevo.</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Mensaje para el presentador</translation>
    </message>
    <message>
        <source>Wrap up</source>
        <translation>Ve cerrando</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Story to go</source>
        <translation>Noticia restante</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Programa restante</translation>
    </message>
    <message>
        <source>Under / over</source>
        <translation>Sobra / pasa</translation>
    </message>
    <message>
        <source>Prev story</source>
        <translation>Noticia anterior</translation>
    </message>
    <message>
        <source>Next story</source>
        <translation>Noticia siguiente</translation>
    </message>
</context>
<context>
    <name>remote::RemoteControl</name>
    <message>
        <source>Another window is open.</source>
        <translation>Hay otra ventana abierta.</translation>
    </message>
</context>
<context>
    <name>remote::RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program.</source>
        <translation>Otro programa está usando el puerto %1.</translation>
    </message>
    <message>
        <source>Port %1 cannot be opened: %2</source>
        <translation>No se puede abrir el puerto %1: %2</translation>
    </message>
    <message>
        <source>OSC cannot listen on UDP port %1: %2</source>
        <translation>OSC no puede escuchar en el puerto UDP %1: %2</translation>
    </message>
    <message>
        <source>Too many requests; slow down.</source>
        <translation>Demasiadas peticiones; vaya más despacio.</translation>
    </message>
    <message>
        <source>The token is missing or wrong.</source>
        <translation>Falta el token o es incorrecto.</translation>
    </message>
    <message>
        <source>The body is larger than 16 KB.</source>
        <translation>El cuerpo de la petición ocupa más de 16 KB.</translation>
    </message>
    <message>
        <source>Only GET.</source>
        <translation>Solo GET.</translation>
    </message>
    <message>
        <source>No such page.</source>
        <translation>No existe esa página.</translation>
    </message>
    <message>
        <source>This address takes WebSocket connections.</source>
        <translation>Esta dirección acepta conexiones WebSocket.</translation>
    </message>
    <message>
        <source>No such action.</source>
        <translation>No existe esa acción.</translation>
    </message>
    <message>
        <source>Only POST.</source>
        <translation>Solo POST.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: the address is not allowed.</source>
        <translation>OSC de %1 ignorado: la dirección no está permitida.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: %2</source>
        <translation>OSC de %1 ignorado: %2</translation>
    </message>
    <message>
        <source>OSC from %1 not carried out: %2</source>
        <translation>OSC de %1 no ejecutado: %2</translation>
    </message>
    <message>
        <source>Messages are JSON text; binary ones are not taken.</source>
        <translation>Los mensajes son texto JSON; los binarios no se aceptan.</translation>
    </message>
</context>
<context>
    <name>remote::dlgRemote</name>
    <message>
        <source>Remote control</source>
        <translation>Control remoto</translation>
    </message>
    <message>
        <source>&amp;New token</source>
        <translation>&amp;Nuevo token</translation>
    </message>
    <message>
        <source>Devices that have the page open must scan the new code.</source>
        <translation>Los dispositivos que tengan la página abierta deben escanear el código nuevo.</translation>
    </message>
    <message>
        <source>Take &amp;OSC (UDP, same port) from:</source>
        <translation>Recibir &amp;OSC (UDP, mismo puerto) de:</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>solo este equipo</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Direcciones o redes, p. ej. 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>Take &amp;MIDI from every input</source>
        <translation>Recibir &amp;MIDI de todas las entradas</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>Listening on port %1, OSC too.</source>
        <translation>Escuchando en el puerto %1, también OSC.</translation>
    </message>
    <message>
        <source>Listening on port %1.</source>
        <translation>Escuchando en el puerto %1.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Desactivado: nada escucha en la red.</translation>
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
        <translation>No se encontró ninguna entrada MIDI.</translation>
    </message>
    <message>
        <source>Listening to: %1</source>
        <translation>Escuchando: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control on</source>
        <translation>Control &amp;remoto activado</translation>
    </message>
    <message>
        <source>Addresses of the page</source>
        <translation>Direcciones de la página</translation>
    </message>
    <message>
        <source>QR code of the page&apos;s address, for a phone&apos;s camera</source>
        <translation>Código QR de la dirección de la página, para la cámara de un teléfono</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected now will be cut off and must scan the new code.</source>
        <translation>
            <numerusform>%n dispositivo conectado ahora quedará desconectado y deberá escanear el código nuevo.</numerusform>
            <numerusform>%n dispositivos conectados ahora quedarán desconectados y deberán escanear el código nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages opened with the present code will stop working.</source>
        <translation>Las páginas abiertas con el código actual dejarán de funcionar.</translation>
    </message>
    <message>
        <source>&amp;Make a new token</source>
        <translation>Crear un token &amp;nuevo</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>Pá&amp;gina:</translation>
    </message>
    <message>
        <source>no desk</source>
        <translation>ninguna mesa</translation>
    </message>
    <message>
        <source>host:port of each desk, e.g. 192.168.1.30:9000 desk.local:8000</source>
        <translation>host:puerto de cada mesa, p. ej. 192.168.1.30:9000 desk.local:8000</translation>
    </message>
    <message>
        <source>Take game &amp;controllers</source>
        <translation>Recibir mandos de &amp;juego</translation>
    </message>
    <message>
        <source>&amp;Send the state as OSC to:</source>
        <translation>&amp;Enviar el estado por OSC a:</translation>
    </message>
    <message>
        <source>No game controller plugged in.</source>
        <translation>No hay ningún mando conectado.</translation>
    </message>
</context>
<context>
    <name>scriptfile</name>
    <message>
        <source>The file “%1” cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>show</name>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>la escaleta ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>the rundown is not UTF-8 text</source>
        <translation>la escaleta no es texto UTF-8</translation>
    </message>
    <message>
        <source>this is no Cuescroll rundown</source>
        <translation>esto no es una escaleta de Cuescroll</translation>
    </message>
</context>
<context>
    <name>storefile</name>
    <message>
        <source>it is larger than %1 bytes and was left as it is</source>
        <translation>ocupa más de %1 bytes y se dejó como estaba</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it may not be read</source>
        <translation>no se permite leerlo</translation>
    </message>
    <message>
        <source>it is UTF-16 text that could not be written back unchanged</source>
        <translation>es texto UTF-16 que no se pudo volver a escribir sin cambios</translation>
    </message>
    <message>
        <source>it is not in an encoding Cuescroll can write back (UTF-8, UTF-16 with a byte order mark or a single-byte code page)</source>
        <translation>no está en una codificación que Cuescroll pueda volver a escribir (UTF-8, UTF-16 con marca de orden de bytes o una página de códigos de un byte)</translation>
    </message>
    <message>
        <source>it would grow beyond the %1 bytes a settings file may hold</source>
        <translation>superaría los %1 bytes que puede tener un archivo de ajustes</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>no se pudo crear su carpeta</translation>
    </message>
</context>
<context>
    <name>voice</name>
    <message>
        <source>no words to recognise</source>
        <translation>no hay palabras que reconocer</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>No existe ese archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The recording is larger than 1 GB.</source>
        <translation>La grabación ocupa más de 1 GB.</translation>
    </message>
    <message>
        <source>It may not be read.</source>
        <translation>No se permite leerla.</translation>
    </message>
    <message>
        <source>It is not a WAV recording.</source>
        <translation>No es una grabación WAV.</translation>
    </message>
    <message>
        <source>Only uncompressed (PCM) WAV recordings can be read.</source>
        <translation>Solo se pueden leer grabaciones WAV sin comprimir (PCM).</translation>
    </message>
    <message>
        <source>The WAV recording must be PCM of 8 or 16 bits.</source>
        <translation>La grabación WAV debe ser PCM de 8 o 16 bits.</translation>
    </message>
    <message>
        <source>most of the script&apos;s words are not English, the only language of the installed speech model</source>
        <translation>la mayoría de las palabras del guion no están en inglés, el único idioma del modelo de voz instalado</translation>
    </message>
</context>
<context>
    <name>voice::Decoder</name>
    <message>
        <source>the recogniser&apos;s settings were refused</source>
        <translation>se rechazaron los ajustes del motor de reconocimiento</translation>
    </message>
    <message>
        <source>the recogniser could not load the model from %1</source>
        <translation>el motor de reconocimiento no pudo cargar el modelo desde %1</translation>
    </message>
    <message>
        <source>the recogniser did not start</source>
        <translation>el motor de reconocimiento no se inició</translation>
    </message>
    <message>
        <source>the recogniser failed to end an utterance</source>
        <translation>el motor de reconocimiento no pudo terminar un enunciado</translation>
    </message>
    <message>
        <source>the recogniser failed to start an utterance</source>
        <translation>el motor de reconocimiento no pudo empezar un enunciado</translation>
    </message>
    <message>
        <source>no model is loaded</source>
        <translation>no hay ningún modelo cargado</translation>
    </message>
    <message>
        <source>the recogniser failed on the audio</source>
        <translation>el motor de reconocimiento falló con el audio</translation>
    </message>
</context>
<context>
    <name>voice::Microphone</name>
    <message>
        <source>No microphone was found.</source>
        <translation>No se encontró ningún micrófono.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir el micrófono «%1».</translation>
    </message>
</context>
<context>
    <name>voice::RecordingInput</name>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>No se pudo leer la grabación %1: %2</translation>
    </message>
</context>
<context>
    <name>voice::VoiceFollower</name>
    <message>
        <source>Speech recognition stopped: %1</source>
        <translation>El reconocimiento de voz se detuvo: %1</translation>
    </message>
    <message>
        <source>The script&apos;s words could not be prepared for recognition: %1</source>
        <translation>No se pudieron preparar las palabras del guion para el reconocimiento: %1</translation>
    </message>
</context>
</TS>
