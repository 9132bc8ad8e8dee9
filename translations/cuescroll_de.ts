<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
</context>
<context>
    <name>CueSender</name>
    <message>
        <source>The cue could not be sent to %1: %2</source>
        <translation>Der Cue konnte nicht an %1 gesendet werden: %2</translation>
    </message>
    <message>
        <source>Cue “%1”: “%2” is not a web address.</source>
        <translation>Cue „%1“: „%2“ ist keine Webadresse.</translation>
    </message>
    <message>
        <source>Cue “%1” not sent to %2: it has not answered the last ones yet.</source>
        <translation>Cue „%1“ nicht an %2 gesendet: Die letzten sind dort noch unbeantwortet.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n second(s)</source>
        <translation>
            <numerusform>keine Antwort innerhalb von %n Sekunde</numerusform>
            <numerusform>keine Antwort innerhalb von %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>antwortete %1</translation>
    </message>
    <message>
        <source>Cue “%1” not taken by %2: %3</source>
        <translation>Cue „%1“ von %2 nicht angenommen: %3</translation>
    </message>
    <message>
        <source>CueOsc: “%1” is not an address and port.</source>
        <translation>CueOsc: „%1“ ist keine Adresse mit Port.</translation>
    </message>
    <message>
        <source>The cue&apos;s MIDI note could not be sent: %1</source>
        <translation>Die MIDI-Note des Cues konnte nicht gesendet werden: %1</translation>
    </message>
</context>
<context>
    <name>DocConverter</name>
    <message>
        <source>no result after %1 seconds</source>
        <translation>kein Ergebnis nach %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>FollowSeat</name>
    <message>
        <source>F&amp;ollow prompter…</source>
        <translation>Prompter f&amp;olgen …</translation>
    </message>
    <message>
        <source>&amp;Stop following</source>
        <translation>&amp;Nicht mehr folgen</translation>
    </message>
    <message>
        <source>&amp;Lead in the leader&apos;s place</source>
        <translation>Anstelle des &amp;Leitprompters führen</translation>
    </message>
    <message>
        <source>&amp;Let other prompters follow this one</source>
        <translation>&amp;Andere Prompter diesem folgen lassen</translation>
    </message>
    <message>
        <source>“%1” is no prompter&apos;s address.</source>
        <translation>„%1“ ist keine Prompter-Adresse.</translation>
    </message>
    <message>
        <source>&amp;How to follow this prompter…</source>
        <translation>So folgt man &amp;diesem Prompter …</translation>
    </message>
    <message>
        <source>Stop l&amp;eading</source>
        <translation>Führen &amp;beenden</translation>
    </message>
</context>
<context>
    <name>FollowSession</name>
    <message numerus="yes">
        <source>Leading %n prompter(s)</source>
        <translation>
            <numerusform>Führt %n Prompter</numerusform>
            <numerusform>Führt %n Prompter</numerusform>
        </translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Führend</translation>
    </message>
    <message>
        <source>Cuescroll on %1</source>
        <translation>Cuescroll auf %1</translation>
    </message>
    <message>
        <source>Following %1</source>
        <translation>Folgt %1</translation>
    </message>
    <message>
        <source>Leader lost: going on at speed %1, reconnecting…</source>
        <translation>Leitprompter verloren: läuft mit Tempo %1 weiter, verbindet neu …</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindet mit %1 …</translation>
    </message>
    <message>
        <source>Following %1 in the lost leader&apos;s place</source>
        <translation>Folgt %1 anstelle des verlorenen Leitprompters</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Dieser Prompter kann nicht führen: %1</translation>
    </message>
    <message>
        <source>Leader lost: stopped here, reconnecting…</source>
        <translation>Leitprompter verloren: hier angehalten, verbindet neu …</translation>
    </message>
    <message>
        <source>The leader cannot be reached: only Stop works here until it is back.</source>
        <translation>Der Leitprompter ist nicht erreichbar: Bis er zurück ist, wirkt hier nur Stopp.</translation>
    </message>
    <message>
        <source>The prompter at %1 did not accept the token. Its studio menu shows the right one under “How to follow this prompter…”.</source>
        <translation>Der Prompter unter %1 hat das Token nicht angenommen. Das richtige zeigt sein Studiomenü unter „So folgt man diesem Prompter …“.</translation>
    </message>
    <message>
        <source>Not following: wrong token</source>
        <translation>Folgt nicht: falsches Token</translation>
    </message>
    <message>
        <source>%1 is this prompter itself: a prompter cannot follow itself.</source>
        <translation>%1 ist dieser Prompter selbst: Ein Prompter kann sich nicht selbst folgen.</translation>
    </message>
    <message>
        <source>Not following: that is this prompter</source>
        <translation>Folgt nicht: Das ist dieser Prompter</translation>
    </message>
    <message>
        <source>The prompter at %1 does not lead: nothing can follow it.</source>
        <translation>Der Prompter unter %1 führt nicht: Ihm kann nichts folgen.</translation>
    </message>
    <message>
        <source>Not following: %1 does not lead</source>
        <translation>Folgt nicht: %1 führt nicht</translation>
    </message>
</context>
<context>
    <name>LevelMeter</name>
    <message>
        <source>Voice level</source>
        <translation>Stimmpegel</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Unmark</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Springen</translation>
    </message>
</context>
<context>
    <name>PrompterCore</name>
    <message>
        <source>No running order comes from a newsroom system.</source>
        <translation>Von keinem Newsroom-System kommt ein Laufplan.</translation>
    </message>
    <message>
        <source>The script is the leader&apos;s.</source>
        <translation>Das Skript gehört dem Leitprompter.</translation>
    </message>
    <message>
        <source>A passage is being marked.</source>
        <translation>Gerade wird eine Passage markiert.</translation>
    </message>
    <message>
        <source>There is no marker %1.</source>
        <translation>Es gibt keine Markierung %1.</translation>
    </message>
    <message>
        <source>The value is out of range.</source>
        <translation>Der Wert liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Die Nachricht ist leer.</translation>
    </message>
    <message>
        <source>No window shows the script.</source>
        <translation>Kein Fenster zeigt das Skript.</translation>
    </message>
</context>
<context>
    <name>RichTextView</name>
    <message>
        <source>it has a paragraph of more than %L1 characters, too long for a script</source>
        <translation>sie hat einen Absatz mit mehr als %L1 Zeichen, zu lang für ein Skript</translation>
    </message>
    <message>
        <source>it has a paragraph with more than %L1 text direction controls</source>
        <translation>sie hat einen Absatz mit mehr als %L1 Steuerzeichen für die Schreibrichtung</translation>
    </message>
    <message>
        <source>it changes writing system or direction more than %L1 times</source>
        <translation>sie wechselt Schriftsystem oder Schreibrichtung mehr als %L1-mal</translation>
    </message>
    <message>
        <source>The file “%1” does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>“%1” is too large to be a script.</source>
        <translation>„%1“ ist zu groß für ein Skript.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2.</source>
        <translation>„%1“ kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a readable Rich Text file: %2</source>
        <translation>„%1“ ist keine lesbare Rich-Text-Datei: %2</translation>
    </message>
    <message>
        <source>“%1” has more than %L2 paragraphs, too many for a script.</source>
        <translation>„%1“ hat mehr als %L2 Absätze, zu viele für ein Skript.</translation>
    </message>
</context>
<context>
    <name>RundownPanel</name>
    <message>
        <source>Rundown</source>
        <translation>Sendeablauf</translation>
    </message>
    <message>
        <source>&amp;Previous story</source>
        <translation>&amp;Vorige Meldung</translation>
    </message>
    <message>
        <source>Previous story  (Ctrl+Page Up)</source>
        <translation>Vorige Meldung  (Strg+Bild auf)</translation>
    </message>
    <message>
        <source>&amp;Next story</source>
        <translation>&amp;Nächste Meldung</translation>
    </message>
    <message>
        <source>Next story  (Ctrl+Page Down)</source>
        <translation>Nächste Meldung  (Strg+Bild ab)</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Estimated</source>
        <translation>Geschätzt</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen …</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move up  (Alt+Up)</source>
        <translation>Nach oben  (Alt+Auf)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move down  (Alt+Down)</source>
        <translation>Nach unten  (Alt+Ab)</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten …</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>Show elapsed</source>
        <translation>Sendung vergangen</translation>
    </message>
    <message>
        <source>Story elapsed / to go</source>
        <translation>Meldung vergangen / übrig</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Sendung übrig</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Endet um</translation>
    </message>
    <message>
        <source>Over / under</source>
        <translation>Über / unter</translation>
    </message>
    <message>
        <source>Pace speed</source>
        <translation>Tempo für pünktliches Ende</translation>
    </message>
    <message>
        <source>As planned</source>
        <translation>Wie geplant</translation>
    </message>
    <message>
        <source>End at</source>
        <translation>Ende um</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Target time</source>
        <translation>Zielzeit</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Ziel</translation>
    </message>
    <message>
        <source>&amp;Hit the time</source>
        <translation>Zeit t&amp;reffen</translation>
    </message>
    <message>
        <source>The speed moves toward the pace speed, a step at a time, within these speeds</source>
        <translation>Das Tempo nähert sich Schritt für Schritt dem Tempo für ein pünktliches Ende, innerhalb dieser Tempi</translation>
    </message>
    <message>
        <source>Slowest speed</source>
        <translation>Langsamstes Tempo</translation>
    </message>
    <message>
        <source>Fastest speed</source>
        <translation>Schnellstes Tempo</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>auf Sendung</translation>
    </message>
    <message>
        <source>next</source>
        <translation>folgt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1 (your pace)</source>
        <translation>%1 (Ihr Tempo)</translation>
    </message>
    <message>
        <source>no plan</source>
        <translation>kein Plan</translation>
    </message>
    <message>
        <source>%1 under</source>
        <translation>%1 unter</translation>
    </message>
    <message>
        <source>%1 over</source>
        <translation>%1 über</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>Add a script</source>
        <translation>Skript hinzufügen</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.docx *.odt *.doc);;All files (*)</source>
        <translation>Skripte (*.txt *.rtf *.docx *.odt *.doc);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open a rundown</source>
        <translation>Sendeablauf öffnen</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown);;All files (*)</source>
        <translation>Sendeabläufe (*.cuerundown);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the rundown</source>
        <translation>Sendeablauf speichern</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown)</source>
        <translation>Sendeabläufe (*.cuerundown)</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Überneh&amp;men</translation>
    </message>
    <message>
        <source>Story text</source>
        <translation>Meldungstext</translation>
    </message>
    <message>
        <source>The selected story&apos;s text: change it while the prompter runs, then Apply.</source>
        <translation>Der Text der gewählten Meldung: ändern Sie ihn, während der Prompter läuft, dann Übernehmen.</translation>
    </message>
    <message>
        <source>Put the changed text on the prompter: the presenter stays on the same words.</source>
        <translation>Den geänderten Text auf den Prompter bringen: Der Sprecher bleibt bei denselben Worten.</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Opening…</source>
        <translation>Wird geöffnet …</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>ShowControl</name>
    <message>
        <source>Look-ahead</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>What comes next</source>
        <translation>Was als Nächstes kommt</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Nachricht an die Moderation</translation>
    </message>
    <message>
        <source>Seconds the message stays</source>
        <translation>Sekunden, die die Nachricht bleibt</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>until cleared</source>
        <translation>bis gelöscht</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Look-ahead</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Hide cues from the presenter</source>
        <translation>Cues vor der Moderation verber&amp;gen</translation>
    </message>
    <message>
        <source>Time to the &amp;end on the talent screen</source>
        <translation>Zeit bis zum &amp;Ende auf dem Sprecherbildschirm</translation>
    </message>
    <message>
        <source>Message to the &amp;presenter…</source>
        <translation>Nachricht an die &amp;Moderation …</translation>
    </message>
    <message>
        <source>Next: the end of the script</source>
        <translation>Als Nächstes: das Ende des Skripts</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>Cues: %1</source>
        <translation>Cues: %1</translation>
    </message>
    <message>
        <source>Next story: %1</source>
        <translation>Nächster Beitrag: %1</translation>
    </message>
    <message>
        <source>Show co&amp;ntrol</source>
        <translation>Sendungssteuerun&amp;g</translation>
    </message>
</context>
<context>
    <name>ShowRun</name>
    <message>
        <source>A Word 97-2003 document is opened in the script editor only.</source>
        <translation>Ein Word-97-2003-Dokument wird nur im Skripteditor geöffnet.</translation>
    </message>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>der Sendeablauf ist größer als 1 MB</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>There is no script to show in “%1”.</source>
        <translation>Es gibt kein Skript zum Anzeigen in „%1“.</translation>
    </message>
    <message>
        <source>This prompter follows another: the show is the leader&apos;s.</source>
        <translation>Dieser Prompter folgt einem anderen: die Sendung ist die des Leitprompters.</translation>
    </message>
    <message>
        <source>The rundown “%1” cannot be saved: %2.</source>
        <translation>Der Sendeablauf „%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>There is no rundown.</source>
        <translation>Es gibt keinen Sendeablauf.</translation>
    </message>
    <message>
        <source>This is the last story.</source>
        <translation>Dies ist die letzte Meldung.</translation>
    </message>
    <message>
        <source>This is the first story.</source>
        <translation>Dies ist die erste Meldung.</translation>
    </message>
    <message>
        <source>There is no story %1.</source>
        <translation>Es gibt keine Meldung %1.</translation>
    </message>
    <message>
        <source>The script of story %1 is missing.</source>
        <translation>Das Skript der Meldung %1 fehlt.</translation>
    </message>
    <message>
        <source>A running order from the newsroom system is not saved as a rundown: its stories are kept by the newsroom system, not in script files.</source>
        <translation>Ein Laufplan aus dem Newsroom-System wird nicht als Sendeablauf gespeichert: Seine Meldungen verwahrt das Newsroom-System, nicht Skriptdateien.</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Message &amp;below the reading line</source>
        <translation>Nachricht &amp;unter der Leselinie</translation>
    </message>
    <message>
        <source>Talent screen closed: the prompter window is on its screen, %1. It opens again on another.</source>
        <translation>Sprecherbildschirm geschlossen: Das Prompterfenster ist auf seinem Bildschirm, %1. Er öffnet sich wieder auf einem anderen.</translation>
    </message>
    <message>
        <source>Talent screen</source>
        <translation>Sprecherbildschirm</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Talent screen</source>
        <translation>&amp;Sprecherbildschirm</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4) – the prompter&apos;s own screen</source>
        <translation>&amp;%1: %2 (%3 × %4) – Bildschirm des Prompters</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4)</source>
        <translation>&amp;%1: %2 (%3 × %4)</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no talent screen</comment>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>&amp;Mirror talent screen</source>
        <translation>Sprecherbildschirm s&amp;piegeln</translation>
    </message>
    <message>
        <source>&amp;Flip talent screen vertically</source>
        <translation>Sprecherbildschirm vertikal &amp;kippen</translation>
    </message>
    <message>
        <source>Mirror &amp;prompter</source>
        <translation>P&amp;rompter spiegeln</translation>
    </message>
    <message>
        <source>&amp;Jump to the reading line</source>
        <translation>&amp;Zur Leselinie springen</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Countdown</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no countdown</comment>
        <translation>&amp;Aus</translation>
    </message>
</context>
<context>
    <name>VoiceFollowing</name>
    <message>
        <source>Follow my &amp;voice</source>
        <translation>Meiner S&amp;timme folgen</translation>
    </message>
    <message>
        <source>Voice &amp;input</source>
        <translation>Sprach&amp;eingang</translation>
    </message>
    <message>
        <source>&amp;Default microphone</source>
        <translation>&amp;Standardmikrofon</translation>
    </message>
    <message>
        <source>&amp;Recording %1</source>
        <translation>&amp;Aufnahme %1</translation>
    </message>
    <message>
        <source>Following the voice cannot start.
%1</source>
        <translation>Der Stimme kann nicht gefolgt werden.
%1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>%1: %2 (see cuescroll --help)</source>
        <translation>%1: %2 (siehe cuescroll --help)</translation>
    </message>
    <message>
        <source>FILE is shown in the prompter as if it had been opened in the script editor and
taken with Done: plain text, Rich Text Format, .docx, .odt or .doc.
</source>
        <translation>DATEI erscheint im Prompter, als wäre sie im Skripteditor geöffnet und mit Fertig
übernommen worden: reiner Text, Rich Text Format, .docx, .odt oder .doc.
</translation>
    </message>
    <message>
        <source>Files:
</source>
        <translation>Dateien:
</translation>
    </message>
    <message>
        <source>Cuescroll, a script prompter.</source>
        <translation>Cuescroll, ein Text-Prompter.</translation>
    </message>
    <message>
        <source>Show the script, mirrored, full screen on screen N (1 = the first; a screen&apos;s name also works; 0 = none).</source>
        <translation>Das Skript gespiegelt im Vollbild auf Bildschirm N zeigen (1 = der erste; auch der Name eines Bildschirms geht; 0 = keiner).</translation>
    </message>
    <message>
        <source>Mirror the prompter&apos;s own view left to right.</source>
        <translation>Die eigene Ansicht des Prompters links–rechts spiegeln.</translation>
    </message>
    <message>
        <source>Count S seconds down on Start before the script moves (0 = none).</source>
        <translation>Bei Start S Sekunden herunterzählen, bevor das Skript läuft (0 = keine).</translation>
    </message>
    <message>
        <source>--countdown takes whole seconds from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--countdown erwartet ganze Sekunden von 0 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the script named on the command line</comment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Copyright 2026 The Cuescroll developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Copyright 2026 Die Cuescroll-Entwickler.
Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer &lt;https://www.gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.</translation>
    </message>
    <message>
        <source>The remote control&apos;s port.</source>
        <translation>Der Port der Fernsteuerung.</translation>
    </message>
    <message>
        <source>With the remote control, take OSC on the same port (UDP) from the addresses allowed in the settings (default: this computer).</source>
        <translation>Mit der Fernsteuerung auch OSC auf demselben Port (UDP) annehmen, von den in den Einstellungen erlaubten Adressen (Standard: dieser Computer).</translation>
    </message>
    <message>
        <source>--remote takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--remote erwartet einen Port von 1 bis 65535, nicht „%1“.</translation>
    </message>
    <message>
        <source>Follow the presenter&apos;s voice: the script moves as it is read aloud.</source>
        <translation>Der Stimme des Sprechers folgen: Das Skript läuft mit, während es vorgelesen wird.</translation>
    </message>
    <message>
        <source>Follow the voice in a WAV recording, played in real time, instead of the microphone.</source>
        <translation>Statt des Mikrofons der Stimme in einer WAV-Aufnahme folgen, die in Echtzeit abgespielt wird.</translation>
    </message>
    <message>
        <source>--voice-input needs a WAV file.</source>
        <translation>--voice-input erwartet eine WAV-Datei.</translation>
    </message>
    <message>
        <source>Follow the prompter leading at HOST (port 8777 unless given): its script, look and run are shown here and the keys drive it.</source>
        <translation>Dem führenden Prompter auf HOST folgen (Port 8777, falls nicht angegeben): Sein Skript, sein Aussehen und sein Lauf erscheinen hier, und die Tasten steuern ihn.</translation>
    </message>
    <message>
        <source>The port followers reach this prompter on (8777 unless given).</source>
        <translation>Der Port, über den folgende Prompter diesen erreichen (8777, falls nicht angegeben).</translation>
    </message>
    <message>
        <source>--follow takes a prompter&apos;s address, HOST or HOST:PORT, not &quot;%1&quot;.</source>
        <translation>--follow erwartet die Adresse eines Prompters, HOST oder HOST:PORT, nicht „%1“.</translation>
    </message>
    <message>
        <source>--lead and --follow do not go together: a prompter leads or follows.</source>
        <translation>--lead und --follow schließen sich aus: Ein Prompter führt oder folgt.</translation>
    </message>
    <message>
        <source>--lead-port takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--lead-port erwartet einen Port von 1 bis 65535, nicht „%1“.</translation>
    </message>
    <message>
        <source>Turn the remote control on for this run and print the phone page&apos;s address with its token. --remote=PORT or --remote PORT: on that port (default 8777 or the stored one). It keeps its own token (shown in Remote control…, or CUESCROLL_REMOTE_TOKEN): --token is not for it.</source>
        <translation>Die Fernsteuerung für diesen Lauf einschalten und die Adresse der Handyseite mit ihrem Token ausgeben. --remote=PORT oder --remote PORT: auf diesem Port (Standard 8777 oder der gespeicherte). Sie behält ihr eigenes Token (angezeigt unter Fernsteuerung …, oder CUESCROLL_REMOTE_TOKEN): --token gilt nicht für sie.</translation>
    </message>
    <message>
        <source>Let other prompters follow this one, with the token of --token; without one, a token is made up. The port and token to pass on are printed at start. With the remote control on, followers come in on its port and need its token.</source>
        <translation>Andere Prompter diesem folgen lassen, mit dem Token von --token; ohne eines wird ein Token erzeugt. Port und Token zum Weitergeben werden beim Start ausgegeben. Ist die Fernsteuerung an, kommen folgende Prompter über ihren Port und brauchen ihr Token.</translation>
    </message>
    <message>
        <source>The leader&apos;s token, for --follow and --lead (else CUESCROLL_REMOTE_TOKEN); not for --remote.</source>
        <translation>Das Token des Leitprompters, für --follow und --lead (sonst CUESCROLL_REMOTE_TOKEN); nicht für --remote.</translation>
    </message>
    <message>
        <source>the remote control takes followers on port %1, and only with its own token. Leave out --token to lead with that token, or give --lead-port another port.</source>
        <translation>Die Fernsteuerung nimmt folgende Prompter auf Port %1 an, und nur mit ihrem eigenen Token. Lassen Sie --token weg, um mit diesem Token zu führen, oder geben Sie mit --lead-port einen anderen Port an.</translation>
    </message>
    <message>
        <source>port %1 cannot be listened on.</source>
        <translation>Port %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Take running orders from a newsroom system for this run (MOS). --mos=PORT: on ports PORT and PORT+1 (default 10540 and 10541 or the stored ones).</source>
        <translation>Für diesen Lauf Laufpläne von einem Newsroom-System annehmen (MOS). --mos=PORT: an den Ports PORT und PORT+1 (Vorgabe 10540 und 10541 oder die gespeicherten).</translation>
    </message>
    <message>
        <source>The newsroom system&apos;s lower port.</source>
        <translation>Der untere Port des Newsroom-Systems.</translation>
    </message>
    <message>
        <source>--mos takes a port from 1 to 65534, not &quot;%1&quot;.</source>
        <translation>--mos nimmt einen Port von 1 bis 65534, nicht „%1“.</translation>
    </message>
    <message>
        <source>Usage: cuescroll [options] [FILE]...</source>
        <translation>Aufruf: cuescroll [Optionen] [DATEI]...</translation>
    </message>
    <message>
        <source>Several files make a show, one story each, in the order given; a folder adds its
scripts in the order of their names, and a .cuerundown file the stories it lists.
Ctrl+Page Down and Ctrl+Page Up go to the next and the previous story (with a single script
they page).
</source>
        <translation>Mehrere Dateien ergeben eine Sendung, eine Meldung je Datei, in der angegebenen
Reihenfolge; ein Ordner fügt seine Skripte nach ihren Namen geordnet hinzu, eine
.cuerundown-Datei die Meldungen, die sie nennt. Strg+Bild ab und Strg+Bild auf
wechseln zur nächsten und zur vorigen Meldung (bei einem einzelnen Skript blättern sie).
</translation>
    </message>
    <message>
        <source>The script to show, or the scripts of a show.</source>
        <translation>Das anzuzeigende Skript oder die Skripte einer Sendung.</translation>
    </message>
</context>
<context>
    <name>dlgFollow</name>
    <message>
        <source>Follow Prompter</source>
        <translation>Prompter folgen</translation>
    </message>
    <message>
        <source>The leader&apos;s screen, script and run are shown here, and the keys drive the leader.</source>
        <translation>Bildschirm, Skript und Lauf des Leitprompters erscheinen hier, und die Tasten steuern den Leitprompter.</translation>
    </message>
    <message>
        <source>&amp;Leader:</source>
        <translation>&amp;Leitprompter:</translation>
    </message>
    <message>
        <source>&amp;Token:</source>
        <translation>&amp;Token:</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>%1 (%2:%3)</source>
        <translation>%1 (%2:%3)</translation>
    </message>
    <message>
        <source>&amp;Show the token</source>
        <translation>Token &amp;zeigen</translation>
    </message>
    <message>
        <source>host or host:port, or the address with its token</source>
        <translation>Host oder Host:Port, oder die Adresse mit ihrem Token</translation>
    </message>
    <message>
        <source>No leaders can be listed: DNS-SD (Avahi) is not running on this computer. Type the leader&apos;s address.</source>
        <translation>Es können keine Leitprompter aufgelistet werden: DNS-SD (Avahi) läuft auf diesem Computer nicht. Geben Sie die Adresse des Leitprompters ein.</translation>
    </message>
</context>
<context>
    <name>dlgFont</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>S&amp;trikethrough</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>F&amp;arbe …</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effekte:</translation>
    </message>
    <message>
        <source>Text color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
</context>
<context>
    <name>dlgKeys</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Befehle und ihre Tasten</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Key %1:</source>
        <translation>Taste %1:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
</context>
<context>
    <name>dlgLeading</name>
    <message>
        <source>&amp;Copy address and token</source>
        <translation>Adresse und Token &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Stop leading</source>
        <translation>Führen &amp;beenden</translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Führend</translation>
    </message>
    <message>
        <source>This computer&apos;s addresses</source>
        <translation>Adressen dieses Computers</translation>
    </message>
    <message>
        <source>Other prompters can follow this one. On each, choose “Follow prompter…” in the studio menu and give one of these addresses and the token.</source>
        <translation>Andere Prompter können diesem folgen. Wählen Sie an jedem im Studiomenü „Prompter folgen …“ und geben Sie eine dieser Adressen und das Token ein.</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adressen:</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Font preview</source>
        <translation>Schriftvorschau</translation>
    </message>
    <message>
        <source>Set your Cuescroll Preferences Here</source>
        <translation>Hier stellen Sie Cuescroll ein</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Line colour preview</source>
        <translation>Vorschau der Linienfarbe</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Keys…</source>
        <translation>&amp;Tasten …</translation>
    </message>
</context>
<context>
    <name>dlgSelectMarker</name>
    <message>
        <source>Select Marker</source>
        <translation>Markierung wählen</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markierung</translation>
    </message>
</context>
<context>
    <name>documents</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation>es ist ein Ordner oder ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>you do not have permission to read it</source>
        <translation>Sie haben keine Berechtigung, sie zu lesen</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>its text is larger than %1 MB, too large for a script</source>
        <translation>ihr Text ist größer als %1 MB, zu groß für ein Skript</translation>
    </message>
    <message>
        <source>its text has more than %L1 paragraphs, too many for a script</source>
        <translation>ihr Text hat mehr als %L1 Absätze, zu viele für ein Skript</translation>
    </message>
    <message>
        <source>it is neither text nor a document Cuescroll can read</source>
        <translation>sie ist weder Text noch ein Dokument, das Cuescroll lesen kann</translation>
    </message>
    <message>
        <source>it is a packed file but not a text document (.docx or .odt)</source>
        <translation>sie ist gepackt, aber kein Textdokument (.docx oder .odt)</translation>
    </message>
    <message>
        <source>the document is damaged</source>
        <translation>das Dokument ist beschädigt</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB; the document is damaged or harmful</source>
        <translation>entpackt wäre sie größer als %1 MB; das Dokument ist beschädigt oder schädlich</translation>
    </message>
    <message>
        <source>the Word document converter “antiword” is not installed; install the Debian package “antiword” (sudo apt install antiword)</source>
        <translation>der Konverter für Word-Dokumente „antiword“ ist nicht installiert; installieren Sie das Debian-Paket „antiword“ (sudo apt install antiword)</translation>
    </message>
    <message>
        <source>the converter “antiword” crashed on it; the document is probably damaged</source>
        <translation>der Konverter „antiword“ ist daran abgestürzt; das Dokument ist wohl beschädigt</translation>
    </message>
    <message>
        <source>the converter “antiword” did not finish in time</source>
        <translation>der Konverter „antiword“ wurde nicht rechtzeitig fertig</translation>
    </message>
    <message>
        <source>the converter “antiword” could not read it</source>
        <translation>der Konverter „antiword“ konnte sie nicht lesen</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>XML error at line %1: %2</source>
        <translation>XML-Fehler in Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>follow::LeaderServer</name>
    <message>
        <source>There is nothing to follow here.</source>
        <translation>Hier gibt es nichts zu folgen.</translation>
    </message>
    <message>
        <source>The token is not this prompter&apos;s.</source>
        <translation>Das Token gehört nicht zu diesem Prompter.</translation>
    </message>
</context>
<context>
    <name>frmEditText</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>Fer&amp;tig</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Skripttext</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.doc *.docx *.odt);;Text Files (*.txt);;Word Files (*.doc);;Documents (*.docx *.odt *.rtf);;All Files (*)</source>
        <translation>Skripte (*.txt *.rtf *.doc *.docx *.odt);;Textdateien (*.txt);;Word-Dateien (*.doc);;Dokumente (*.docx *.odt *.rtf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select the file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>„%1“ wird gelesen …</translation>
    </message>
    <message>
        <source>Save this file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>The file has been saved : %1</source>
        <translation>Die Datei wurde gespeichert: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2. Nothing was changed on disk.</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2. Auf dem Datenträger wurde nichts geändert.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The script cannot go to the prompter: %1. It stays in the editor.</source>
        <translation>Das Skript kann nicht an den Prompter gehen: %1. Es bleibt im Editor.</translation>
    </message>
</context>
<context>
    <name>frmLine</name>
    <message>
        <source>Reading line</source>
        <translation>Leselinie</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The help page could not be opened:
%1</source>
        <translation>Die Hilfeseite konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>The newsroom has sent no running order &quot;%1&quot;.</source>
        <translation>Das Newsroom-System hat keinen Laufplan „%1“ gesendet.</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Text  (F2)</source>
        <translation>Text bearbeiten  (F2)</translation>
    </message>
    <message>
        <source>     Start     </source>
        <extracomment>The blanks widen the button that starts the script; keep about as wide a caption.</extracomment>
        <translation>     Start     </translation>
    </message>
    <message>
        <source>Prompter Start  (F3)</source>
        <translation>Prompter starten  (F3)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Prompter Stop  (F3)</source>
        <translation>Prompter anhalten  (F3)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Reset  (F4)</source>
        <translation>Zurück zum Anfang  (F4)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Mark  (F5)</source>
        <translation>Passage markieren  (F5)</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>Jump To Marker  (F6)</source>
        <translation>Zur Markierung springen  (F6)</translation>
    </message>
    <message>
        <source>Unmark</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Unmark  (F7)</source>
        <translation>Markierung entfernen  (F7)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Clear All Markers  (F8)</source>
        <translation>Alle Markierungen löschen  (F8)</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Full Screen Toggle  (F9)</source>
        <translation>Vollbild ein/aus  (F9)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options  (F10)</source>
        <translation>Optionen  (F10)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help  (F1)</source>
        <translation>Hilfe  (F1)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit  (Esc)</source>
        <translation>Beenden  (Esc)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Reading line</source>
        <translation>Leselinie</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Skripttext</translation>
    </message>
    <message>
        <source>Script to mark</source>
        <translation>Skript zum Markieren</translation>
    </message>
    <message>
        <source>Keyboard focus</source>
        <translation>Tastaturfokus</translation>
    </message>
    <message>
        <source>Move reading line</source>
        <translation>Leselinie verschieben</translation>
    </message>
    <message>
        <source>Resize reading line</source>
        <translation>Höhe der Leselinie ändern</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>Direction Down  (Ctrl+Dn)</source>
        <translation>Richtung abwärts  (Strg+Ab)</translation>
    </message>
    <message>
        <source>Direction down</source>
        <translation>Richtung abwärts</translation>
    </message>
    <message>
        <source>Direction Up  (Ctrl+Up)</source>
        <translation>Richtung aufwärts  (Strg+Auf)</translation>
    </message>
    <message>
        <source>Direction up</source>
        <translation>Richtung aufwärts</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed Up / Down  (Left / Right)</source>
        <translation>Langsamer / schneller  (Links / Rechts)</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Time to go</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Mark panel</source>
        <translation>Markierfeld</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control is turned on but cannot listen:
%1</source>
        <translation>Die Fernsteuerung ist eingeschaltet, kann aber keine Verbindungen annehmen:
%1</translation>
    </message>
    <message>
        <source>Keys and buttons drive the leader</source>
        <translation>Tasten und Schaltflächen steuern den Leitprompter</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Dieser Prompter kann nicht führen: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control…</source>
        <translation>&amp;Fernsteuerung …</translation>
    </message>
    <message numerus="yes">
        <source>Remote control on, %n device(s)</source>
        <translation>
            <numerusform>Fernsteuerung ein, %n Gerät</numerusform>
            <numerusform>Fernsteuerung ein, %n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>Ne&amp;wsroom system (MOS)…</source>
        <translation>Ne&amp;wsroom-System (MOS) …</translation>
    </message>
    <message>
        <source>The newsroom system link is turned on but cannot listen:
%1</source>
        <translation>Die Verbindung zum Newsroom-System ist eingeschaltet, kann aber nicht lauschen:
%1</translation>
    </message>
    <message>
        <source>Run&amp;down</source>
        <translation>Sendeabla&amp;uf</translation>
    </message>
    <message>
        <source>Part of the remote control cannot start:
%1</source>
        <translation>Ein Teil der Fernsteuerung kann nicht starten:
%1</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start or stop</source>
        <translation>Starten oder anhalten</translation>
    </message>
    <message>
        <source>Stop and go back to the beginning</source>
        <translation>Anhalten und zurück zum Anfang</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Schritt vor</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Seite zurück</translation>
    </message>
    <message>
        <source>Page forward</source>
        <translation>Seite vor</translation>
    </message>
    <message>
        <source>Beginning</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Scroll up the screen</source>
        <translation>Nach oben über den Bildschirm laufen</translation>
    </message>
    <message>
        <source>Scroll down the screen</source>
        <translation>Nach unten über den Bildschirm laufen</translation>
    </message>
    <message>
        <source>Full screen on or off</source>
        <translation>Vollbild ein oder aus</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Mark passages</source>
        <translation>Passagen markieren</translation>
    </message>
    <message>
        <source>Jump to a marker</source>
        <translation>Zu einer Markierung springen</translation>
    </message>
    <message>
        <source>Remove a marker</source>
        <translation>Eine Markierung entfernen</translation>
    </message>
    <message>
        <source>Remove all markers</source>
        <translation>Alle Markierungen entfernen</translation>
    </message>
    <message>
        <source>Edit the script</source>
        <translation>Skript bearbeiten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No key can give this command.</source>
        <translation>Dieser Befehl kann auf keiner Taste liegen.</translation>
    </message>
    <message numerus="yes">
        <source>A command takes at most %n key(s).</source>
        <translation>
            <numerusform>Ein Befehl hat höchstens %n Taste.</numerusform>
            <numerusform>Ein Befehl hat höchstens %n Tasten.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is already the key of “%2”.</source>
        <translation>%1 ist schon die Taste für „%2“.</translation>
    </message>
    <message>
        <source>Next story (with a single script: page forward)</source>
        <translation>Nächste Meldung (bei einem einzelnen Skript: Seite vor)</translation>
    </message>
    <message>
        <source>Previous story (with a single script: page back)</source>
        <translation>Vorige Meldung (bei einem einzelnen Skript: Seite zurück)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Remote control: %1
</source>
        <translation>Fernsteuerung: %1
</translation>
    </message>
    <message>
        <source>  also: %1
</source>
        <translation>  auch: %1
</translation>
    </message>
    <message>
        <source>cuescroll: remote control: %1
</source>
        <translation>cuescroll: Fernsteuerung: %1
</translation>
    </message>
    <message>
        <source>cuescroll: cannot lead: %1
</source>
        <translation>cuescroll: kann nicht führen: %1
</translation>
    </message>
    <message>
        <source>Leading through the remote control: port %1, token %2
</source>
        <translation>Führt über die Fernsteuerung: Port %1, Token %2
</translation>
    </message>
    <message>
        <source>Leading: port %1, token %2
</source>
        <translation>Führt: Port %1, Token %2
</translation>
    </message>
    <message>
        <source>Newsroom system (MOS): ports %1 and %2
</source>
        <translation>Newsroom-System (MOS): Ports %1 und %2
</translation>
    </message>
    <message>
        <source>cuescroll: newsroom system: %1
</source>
        <translation>cuescroll: Newsroom-System: %1
</translation>
    </message>
</context>
<context>
    <name>modSettings</name>
    <message>
        <source>The settings could not be kept in “%1”: %2. They apply until Cuescroll ends.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2. Sie gelten, bis Cuescroll beendet wird.</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>The module %1 could not be loaded: %2</source>
        <translation>Das Modul %1 konnte nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>mos::MosControl</name>
    <message>
        <source>Off: no running orders are taken.</source>
        <translation>Aus: Es werden keine Laufpläne angenommen.</translation>
    </message>
    <message numerus="yes">
        <source>Taking running orders on ports %1 and %2; %n connection(s).</source>
        <translation>
            <numerusform>Laufpläne werden an den Ports %1 und %2 angenommen; %n Verbindung.</numerusform>
            <numerusform>Laufpläne werden an den Ports %1 und %2 angenommen; %n Verbindungen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::MosDevice</name>
    <message numerus="yes">
        <source>The newsroom was silent for %n second(s) and was let go.</source>
        <translation>
            <numerusform>Das Newsroom-System schwieg %n Sekunde und wurde getrennt.</numerusform>
            <numerusform>Das Newsroom-System schwieg %n Sekunden und wurde getrennt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The newsroom cannot be reached: %1</source>
        <translation>Das Newsroom-System ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>An unreadable message: %1</source>
        <translation>Eine unlesbare Nachricht: %1</translation>
    </message>
    <message>
        <source>A connection from %1 was refused.</source>
        <translation>Eine Verbindung von %1 wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The lower port %1 cannot be listened on: %2</source>
        <translation>Am unteren Port %1 kann nicht gelauscht werden: %2</translation>
    </message>
    <message>
        <source>The upper port %1 cannot be listened on: %2</source>
        <translation>Am oberen Port %1 kann nicht gelauscht werden: %2</translation>
    </message>
</context>
<context>
    <name>mos::dlgMos</name>
    <message>
        <source>Last error (%1): %2</source>
        <translation>Letzter Fehler (%1): %2</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Keine Fehler.</translation>
    </message>
    <message>
        <source>%1, ours</source>
        <translation>%1, unsere</translation>
    </message>
    <message>
        <source>(not yet known)</source>
        <translation>(noch unbekannt)</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>unterer %1</translation>
    </message>
    <message>
        <source>upper %1</source>
        <translation>oberer %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>noch nicht</translation>
    </message>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>vor %n s</numerusform>
            <numerusform>vor %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Last message</source>
        <translation>Letzte Nachricht</translation>
    </message>
    <message>
        <source>Last heartbeat</source>
        <translation>Letzter Heartbeat</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Newsroom</source>
        <translation>Newsroom</translation>
    </message>
    <message>
        <source>Newsroom system (MOS)</source>
        <translation>Newsroom-System (MOS)</translation>
    </message>
    <message>
        <source>&amp;Take running orders from a newsroom system</source>
        <translation>&amp;Laufpläne von einem Newsroom-System annehmen</translation>
    </message>
    <message>
        <source>any</source>
        <translation>jedes</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>nur dieser Computer</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Adressen oder Netze, z. B. 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>&amp;MOS ID:</source>
        <translation>&amp;MOS-ID:</translation>
    </message>
    <message>
        <source>&amp;Newsroom ID:</source>
        <translation>&amp;Newsroom-ID:</translation>
    </message>
    <message>
        <source>&amp;Lower port:</source>
        <translation>&amp;Unterer Port:</translation>
    </message>
    <message>
        <source>&amp;Upper port:</source>
        <translation>&amp;Oberer Port:</translation>
    </message>
    <message>
        <source>Newsroom &amp;addresses:</source>
        <translation>&amp;Adressen des Newsroom-Systems:</translation>
    </message>
    <message>
        <source>&amp;Running order shown:</source>
        <translation>Ange&amp;zeigter Laufplan:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
</context>
<context>
    <name>net::Door</name>
    <message>
        <source>The request is malformed.</source>
        <translation>Die Anfrage ist fehlerhaft.</translation>
    </message>
    <message>
        <source>The request&apos;s header is too large.</source>
        <translation>Der Kopf der Anfrage ist zu groß.</translation>
    </message>
    <message>
        <source>Content-Length is given more than once.</source>
        <translation>Content-Length ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>The body is larger than %1 KB.</source>
        <translation>Der Inhalt ist größer als %1 KB.</translation>
    </message>
    <message>
        <source>Too many connections.</source>
        <translation>Zu viele Verbindungen.</translation>
    </message>
    <message>
        <source>An upgrade needs &quot;Connection: Upgrade&quot;.</source>
        <translation>Ein Upgrade braucht „Connection: Upgrade“.</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Hier gibt es nichts.</translation>
    </message>
    <message>
        <source>Only WebSocket version 13 is spoken here.</source>
        <translation>Hier wird nur WebSocket-Version 13 gesprochen.</translation>
    </message>
    <message>
        <source>A page from another site may not connect here.</source>
        <translation>Eine Seite einer anderen Website darf sich hier nicht verbinden.</translation>
    </message>
    <message>
        <source>The request took too long to arrive.</source>
        <translation>Die Anfrage kam zu langsam an.</translation>
    </message>
    <message>
        <source>The token must be at least %1 characters long.</source>
        <translation>Das Token muss mindestens %1 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <translation>nur %1 von %2 Byte erreichten den Datenträger</translation>
    </message>
    <message>
        <source>it is a symbolic link that another user made in a shared folder; it was not followed</source>
        <translation>sie ist eine symbolische Verknüpfung, die ein anderer Benutzer in einem gemeinsamen Ordner angelegt hat; ihr wurde nicht gefolgt</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message>
        <source>&quot;id&quot; must be a running order&apos;s id, or null for none.</source>
        <translation>&quot;id&quot; muss die ID eines Laufplans sein, oder null für keinen.</translation>
    </message>
    <message>
        <source>The message is larger than 16 KB.</source>
        <translation>Die Nachricht ist größer als 16 KB.</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>Die Nachricht ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>&quot;speed&quot; must be a whole number from 1 to 16.</source>
        <translation>&quot;speed&quot; muss eine ganze Zahl von 1 bis 16 sein.</translation>
    </message>
    <message>
        <source>&quot;marker&quot; must be a whole number from 1.</source>
        <translation>&quot;marker&quot; muss eine ganze Zahl ab 1 sein.</translation>
    </message>
    <message>
        <source>&quot;char&quot; must be a whole number from 0.</source>
        <translation>&quot;char&quot; muss eine ganze Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>&quot;fraction&quot; must be a number from 0 to 1.</source>
        <translation>&quot;fraction&quot; muss eine Zahl von 0 bis 1 sein.</translation>
    </message>
    <message>
        <source>A jump needs &quot;marker&quot;, &quot;char&quot; or &quot;fraction&quot;.</source>
        <translation>Ein Sprung braucht &quot;marker&quot;, &quot;char&quot; oder &quot;fraction&quot;.</translation>
    </message>
    <message>
        <source>The message has no &quot;cmd&quot;.</source>
        <translation>Der Nachricht fehlt &quot;cmd&quot;.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>The packet is larger than 16 KB.</source>
        <translation>Das Paket ist größer als 16 KB.</translation>
    </message>
    <message>
        <source>Not an OSC message.</source>
        <translation>Keine OSC-Nachricht.</translation>
    </message>
    <message>
        <source>Not a Cuescroll address.</source>
        <translation>Keine Cuescroll-Adresse.</translation>
    </message>
    <message>
        <source>A malformed OSC message.</source>
        <translation>Eine fehlerhafte OSC-Nachricht.</translation>
    </message>
    <message>
        <source>/speed takes a number from 1 to 16.</source>
        <translation>/speed erwartet eine Zahl von 1 bis 16.</translation>
    </message>
    <message>
        <source>/jump takes a marker&apos;s number from 1.</source>
        <translation>/jump erwartet die Nummer einer Markierung ab 1.</translation>
    </message>
    <message>
        <source>/goto takes a fraction from 0 to 1.</source>
        <translation>/goto erwartet einen Anteil von 0 bis 1.</translation>
    </message>
    <message>
        <source>A message needs &quot;text&quot;.</source>
        <translation>Eine Nachricht braucht &quot;text&quot;.</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; must be a whole number from 0 to 86400.</source>
        <translation>&quot;seconds&quot; muss eine ganze Zahl von 0 bis 86400 sein.</translation>
    </message>
    <message>
        <source>/message takes a string.</source>
        <translation>/message erwartet einen Text.</translation>
    </message>
    <message>
        <source>&quot;index&quot; must be a whole number from 1.</source>
        <translation>„index“ muss eine ganze Zahl ab 1 sein.</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be a time of day, &quot;HH:MM&quot;.</source>
        <translation>„end“ muss eine Uhrzeit sein, „HH:MM“.</translation>
    </message>
    <message>
        <source>&quot;duration&quot; must be whole seconds from 0 to 604800.</source>
        <translation>„duration“ muss ganze Sekunden von 0 bis 604800 angeben.</translation>
    </message>
    <message>
        <source>A target needs &quot;end&quot; or &quot;duration&quot;.</source>
        <translation>Ein Ziel braucht „end“ oder „duration“.</translation>
    </message>
    <message>
        <source>/story takes a story&apos;s number from 1.</source>
        <translation>/story nimmt die Nummer einer Meldung ab 1.</translation>
    </message>
</context>
<context>
    <name>remote::Page</name>
    <message>
        <source>Cuescroll remote</source>
        <translation>Cuescroll-Fernsteuerung</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbinde …</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Offline – reconnecting…</source>
        <translation>Offline – verbinde …</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>To go</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Seite zurück</translation>
    </message>
    <message>
        <source>Line back</source>
        <translation>Zeile zurück</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Page fwd</source>
        <translation>Seite vor</translation>
    </message>
    <message>
        <source>Line fwd</source>
        <translation>Zeile vor</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>− Slower</source>
        <translation>− Langsamer</translation>
    </message>
    <message>
        <source>+ Faster</source>
        <translation>+ Schneller</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>No markers.</source>
        <translation>Keine Markierungen.</translation>
    </message>
    <message>
        <source>The page&apos;s token is not valid any more: scan the code again.</source>
        <translation>Das Token der Seite gilt nicht mehr: Bitte den Code neu scannen.</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Nachricht an die Moderation</translation>
    </message>
    <message>
        <source>Wrap up</source>
        <translation>Zum Schluss kommen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Sendung</translation>
    </message>
    <message>
        <source>Story to go</source>
        <translation>Meldung übrig</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Sendung übrig</translation>
    </message>
    <message>
        <source>Under / over</source>
        <translation>Unter / über</translation>
    </message>
    <message>
        <source>Prev story</source>
        <translation>Vorige Meldung</translation>
    </message>
    <message>
        <source>Next story</source>
        <translation>Nächste Meldung</translation>
    </message>
</context>
<context>
    <name>remote::RemoteControl</name>
    <message>
        <source>Another window is open.</source>
        <translation>Ein anderes Fenster ist geöffnet.</translation>
    </message>
</context>
<context>
    <name>remote::RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program.</source>
        <translation>Port %1 wird von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Port %1 cannot be opened: %2</source>
        <translation>Port %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>OSC cannot listen on UDP port %1: %2</source>
        <translation>OSC kann nicht auf UDP-Port %1 lauschen: %2</translation>
    </message>
    <message>
        <source>Too many requests; slow down.</source>
        <translation>Zu viele Anfragen; bitte langsamer.</translation>
    </message>
    <message>
        <source>The token is missing or wrong.</source>
        <translation>Das Token fehlt oder ist falsch.</translation>
    </message>
    <message>
        <source>The body is larger than 16 KB.</source>
        <translation>Der Inhalt der Anfrage ist größer als 16 KB.</translation>
    </message>
    <message>
        <source>Only GET.</source>
        <translation>Nur GET.</translation>
    </message>
    <message>
        <source>No such page.</source>
        <translation>Diese Seite gibt es nicht.</translation>
    </message>
    <message>
        <source>This address takes WebSocket connections.</source>
        <translation>Diese Adresse nimmt WebSocket-Verbindungen an.</translation>
    </message>
    <message>
        <source>No such action.</source>
        <translation>Diese Aktion gibt es nicht.</translation>
    </message>
    <message>
        <source>Only POST.</source>
        <translation>Nur POST.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: the address is not allowed.</source>
        <translation>OSC von %1 ignoriert: Die Adresse ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: %2</source>
        <translation>OSC von %1 ignoriert: %2</translation>
    </message>
    <message>
        <source>OSC from %1 not carried out: %2</source>
        <translation>OSC von %1 nicht ausgeführt: %2</translation>
    </message>
    <message>
        <source>Messages are JSON text; binary ones are not taken.</source>
        <translation>Nachrichten sind JSON-Text; binäre werden nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>remote::dlgRemote</name>
    <message>
        <source>Remote control</source>
        <translation>Fernsteuerung</translation>
    </message>
    <message>
        <source>&amp;New token</source>
        <translation>&amp;Neues Token</translation>
    </message>
    <message>
        <source>Devices that have the page open must scan the new code.</source>
        <translation>Geräte, auf denen die Seite offen ist, müssen den neuen Code scannen.</translation>
    </message>
    <message>
        <source>Take &amp;OSC (UDP, same port) from:</source>
        <translation>&amp;OSC (UDP, gleicher Port) annehmen von:</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>nur dieser Computer</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Adressen oder Netze, z. B. 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>Take &amp;MIDI from every input</source>
        <translation>&amp;MIDI von allen Eingängen annehmen</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Listening on port %1, OSC too.</source>
        <translation>Empfangsbereit auf Port %1, auch für OSC.</translation>
    </message>
    <message>
        <source>Listening on port %1.</source>
        <translation>Empfangsbereit auf Port %1.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Aus: Im Netzwerk wird nichts empfangen.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected.</source>
        <translation>
            <numerusform>%n Gerät verbunden.</numerusform>
            <numerusform>%n Geräte verbunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No MIDI input found.</source>
        <translation>Kein MIDI-Eingang gefunden.</translation>
    </message>
    <message>
        <source>Listening to: %1</source>
        <translation>Empfängt von: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control on</source>
        <translation>&amp;Fernsteuerung ein</translation>
    </message>
    <message>
        <source>Addresses of the page</source>
        <translation>Adressen der Seite</translation>
    </message>
    <message>
        <source>QR code of the page&apos;s address, for a phone&apos;s camera</source>
        <translation>QR-Code der Seitenadresse, für die Kamera eines Telefons</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected now will be cut off and must scan the new code.</source>
        <translation>
            <numerusform>%n verbundenes Gerät wird getrennt und muss den neuen Code scannen.</numerusform>
            <numerusform>%n verbundene Geräte werden getrennt und müssen den neuen Code scannen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages opened with the present code will stop working.</source>
        <translation>Seiten, die mit dem jetzigen Code geöffnet wurden, funktionieren dann nicht mehr.</translation>
    </message>
    <message>
        <source>&amp;Make a new token</source>
        <translation>Neues Token &amp;erzeugen</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>S&amp;eite:</translation>
    </message>
    <message>
        <source>no desk</source>
        <translation>kein Pult</translation>
    </message>
    <message>
        <source>host:port of each desk, e.g. 192.168.1.30:9000 desk.local:8000</source>
        <translation>Host:Port jedes Pults, z. B. 192.168.1.30:9000 desk.local:8000</translation>
    </message>
    <message>
        <source>Take game &amp;controllers</source>
        <translation>&amp;Gamecontroller annehmen</translation>
    </message>
    <message>
        <source>&amp;Send the state as OSC to:</source>
        <translation>Zustand als OSC &amp;senden an:</translation>
    </message>
    <message>
        <source>No game controller plugged in.</source>
        <translation>Kein Gamecontroller angeschlossen.</translation>
    </message>
</context>
<context>
    <name>scriptfile</name>
    <message>
        <source>The file “%1” cannot be opened: %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>show</name>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>der Sendeablauf ist größer als 1 MB</translation>
    </message>
    <message>
        <source>the rundown is not UTF-8 text</source>
        <translation>der Sendeablauf ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>this is no Cuescroll rundown</source>
        <translation>dies ist kein Cuescroll-Sendeablauf</translation>
    </message>
</context>
<context>
    <name>storefile</name>
    <message>
        <source>it is larger than %1 bytes and was left as it is</source>
        <translation>sie ist größer als %1 Byte und blieb unverändert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it may not be read</source>
        <translation>sie darf nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is UTF-16 text that could not be written back unchanged</source>
        <translation>sie ist UTF-16-Text, der nicht unverändert zurückgeschrieben werden konnte</translation>
    </message>
    <message>
        <source>it is not in an encoding Cuescroll can write back (UTF-8, UTF-16 with a byte order mark or a single-byte code page)</source>
        <translation>sie ist in keiner Kodierung, die Cuescroll zurückschreiben kann (UTF-8, UTF-16 mit Byte-Order-Mark oder eine Ein-Byte-Codepage)</translation>
    </message>
    <message>
        <source>it would grow beyond the %1 bytes a settings file may hold</source>
        <translation>sie würde größer als die %1 Byte, die eine Einstellungsdatei haben darf</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>voice</name>
    <message>
        <source>no words to recognise</source>
        <translation>keine erkennbaren Wörter</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The recording is larger than 1 GB.</source>
        <translation>Die Aufnahme ist größer als 1 GB.</translation>
    </message>
    <message>
        <source>It may not be read.</source>
        <translation>Sie darf nicht gelesen werden.</translation>
    </message>
    <message>
        <source>It is not a WAV recording.</source>
        <translation>Sie ist keine WAV-Aufnahme.</translation>
    </message>
    <message>
        <source>Only uncompressed (PCM) WAV recordings can be read.</source>
        <translation>Nur unkomprimierte WAV-Aufnahmen (PCM) können gelesen werden.</translation>
    </message>
    <message>
        <source>The WAV recording must be PCM of 8 or 16 bits.</source>
        <translation>Die WAV-Aufnahme muss PCM mit 8 oder 16 Bit sein.</translation>
    </message>
    <message>
        <source>most of the script&apos;s words are not English, the only language of the installed speech model</source>
        <translation>die meisten Wörter des Skripts sind nicht Englisch, die einzige Sprache des installierten Sprachmodells</translation>
    </message>
</context>
<context>
    <name>voice::Decoder</name>
    <message>
        <source>the recogniser&apos;s settings were refused</source>
        <translation>die Einstellungen der Spracherkennung wurden abgelehnt</translation>
    </message>
    <message>
        <source>the recogniser could not load the model from %1</source>
        <translation>die Spracherkennung konnte das Modell aus %1 nicht laden</translation>
    </message>
    <message>
        <source>the recogniser did not start</source>
        <translation>die Spracherkennung ist nicht gestartet</translation>
    </message>
    <message>
        <source>the recogniser failed to end an utterance</source>
        <translation>die Spracherkennung konnte eine Äußerung nicht abschließen</translation>
    </message>
    <message>
        <source>the recogniser failed to start an utterance</source>
        <translation>die Spracherkennung konnte keine Äußerung beginnen</translation>
    </message>
    <message>
        <source>no model is loaded</source>
        <translation>es ist kein Modell geladen</translation>
    </message>
    <message>
        <source>the recogniser failed on the audio</source>
        <translation>die Spracherkennung scheiterte am Audiosignal</translation>
    </message>
</context>
<context>
    <name>voice::Microphone</name>
    <message>
        <source>No microphone was found.</source>
        <translation>Es wurde kein Mikrofon gefunden.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; could not be opened.</source>
        <translation>Das Mikrofon „%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>voice::RecordingInput</name>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>Die Aufnahme %1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>voice::VoiceFollower</name>
    <message>
        <source>Speech recognition stopped: %1</source>
        <translation>Die Spracherkennung wurde gestoppt: %1</translation>
    </message>
    <message>
        <source>The script&apos;s words could not be prepared for recognition: %1</source>
        <translation>Die Wörter des Skripts konnten nicht für die Erkennung vorbereitet werden: %1</translation>
    </message>
</context>
</TS>
