<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CountdownOverlay</name>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
</context>
<context>
    <name>CueSender</name>
    <message>
        <source>The cue could not be sent to %1: %2</source>
        <translation>Le cue n’a pas pu être envoyé à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cue “%1”: “%2” is not a web address.</source>
        <translation>Repère « %1 » : « %2 » n’est pas une adresse web.</translation>
    </message>
    <message>
        <source>Cue “%1” not sent to %2: it has not answered the last ones yet.</source>
        <translation>Repère « %1 » non envoyé à %2 : il n’a pas encore répondu aux précédents.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n second(s)</source>
        <translation>
            <numerusform>pas de réponse en %n seconde</numerusform>
            <numerusform>pas de réponse en %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>a répondu %1</translation>
    </message>
    <message>
        <source>Cue “%1” not taken by %2: %3</source>
        <translation>Repère « %1 » non accepté par %2 : %3</translation>
    </message>
    <message>
        <source>CueOsc: “%1” is not an address and port.</source>
        <translation>CueOsc : « %1 » n’est pas une adresse avec port.</translation>
    </message>
    <message>
        <source>The cue&apos;s MIDI note could not be sent: %1</source>
        <translation>La note MIDI du repère n’a pas pu être envoyée : %1</translation>
    </message>
</context>
<context>
    <name>DocConverter</name>
    <message>
        <source>no result after %1 seconds</source>
        <translation>aucun résultat après %1 secondes</translation>
    </message>
</context>
<context>
    <name>FollowSeat</name>
    <message>
        <source>F&amp;ollow prompter…</source>
        <translation>S&amp;uivre un prompteur…</translation>
    </message>
    <message>
        <source>&amp;Stop following</source>
        <translation>&amp;Ne plus suivre</translation>
    </message>
    <message>
        <source>&amp;Lead in the leader&apos;s place</source>
        <translation>M&amp;ener à la place du meneur</translation>
    </message>
    <message>
        <source>&amp;Let other prompters follow this one</source>
        <translation>&amp;Laisser d’autres prompteurs suivre celui-ci</translation>
    </message>
    <message>
        <source>“%1” is no prompter&apos;s address.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas l’adresse d’un prompteur.</translation>
    </message>
    <message>
        <source>&amp;How to follow this prompter…</source>
        <translation>Comm&amp;ent suivre ce prompteur…</translation>
    </message>
    <message>
        <source>Stop l&amp;eading</source>
        <translation>&amp;Arrêter de mener</translation>
    </message>
</context>
<context>
    <name>FollowSession</name>
    <message numerus="yes">
        <source>Leading %n prompter(s)</source>
        <translation>
            <numerusform>Mène %n prompteur</numerusform>
            <numerusform>Mène %n prompteurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Meneur</translation>
    </message>
    <message>
        <source>Cuescroll on %1</source>
        <translation>Cuescroll sur %1</translation>
    </message>
    <message>
        <source>Following %1</source>
        <translation>Suit %1</translation>
    </message>
    <message>
        <source>Leader lost: going on at speed %1, reconnecting…</source>
        <translation>Meneur perdu&#xa0;: poursuite à la vitesse %1, reconnexion…</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Following %1 in the lost leader&apos;s place</source>
        <translation>Suit %1 à la place du meneur perdu</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Ce prompteur ne peut pas mener&#xa0;: %1</translation>
    </message>
    <message>
        <source>Leader lost: stopped here, reconnecting…</source>
        <translation>Meneur perdu&#xa0;: arrêté ici, reconnexion…</translation>
    </message>
    <message>
        <source>The leader cannot be reached: only Stop works here until it is back.</source>
        <translation>Le meneur est injoignable&#xa0;: tant qu’il n’est pas revenu, seul Arrêter agit ici.</translation>
    </message>
    <message>
        <source>The prompter at %1 did not accept the token. Its studio menu shows the right one under “How to follow this prompter…”.</source>
        <translation>Le prompteur à l’adresse %1 n’a pas accepté le jeton. Son menu studio montre le bon sous «&#xa0;Comment suivre ce prompteur…&#xa0;».</translation>
    </message>
    <message>
        <source>Not following: wrong token</source>
        <translation>Ne suit pas&#xa0;: jeton erroné</translation>
    </message>
    <message>
        <source>%1 is this prompter itself: a prompter cannot follow itself.</source>
        <translation>%1 est ce prompteur lui-même&#xa0;: un prompteur ne peut pas se suivre lui-même.</translation>
    </message>
    <message>
        <source>Not following: that is this prompter</source>
        <translation>Ne suit pas&#xa0;: c’est ce prompteur</translation>
    </message>
    <message>
        <source>The prompter at %1 does not lead: nothing can follow it.</source>
        <translation>Le prompteur à l’adresse %1 ne mène pas&#xa0;: rien ne peut le suivre.</translation>
    </message>
    <message>
        <source>Not following: %1 does not lead</source>
        <translation>Ne suit pas&#xa0;: %1 ne mène pas</translation>
    </message>
</context>
<context>
    <name>LevelMeter</name>
    <message>
        <source>Voice level</source>
        <translation>Niveau de la voix</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Unmark</source>
        <translation>Enlever</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Aller à</translation>
    </message>
</context>
<context>
    <name>PrompterCore</name>
    <message>
        <source>No running order comes from a newsroom system.</source>
        <translation>Aucun conducteur ne vient d’un système de rédaction.</translation>
    </message>
    <message>
        <source>The script is the leader&apos;s.</source>
        <translation>Le script appartient au meneur.</translation>
    </message>
    <message>
        <source>A passage is being marked.</source>
        <translation>Un passage est en cours de marquage.</translation>
    </message>
    <message>
        <source>There is no marker %1.</source>
        <translation>Il n’y a pas de marque %1.</translation>
    </message>
    <message>
        <source>The value is out of range.</source>
        <translation>La valeur est hors limites.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Le message est vide.</translation>
    </message>
    <message>
        <source>No window shows the script.</source>
        <translation>Aucune fenêtre n&apos;affiche le script.</translation>
    </message>
</context>
<context>
    <name>RichTextView</name>
    <message>
        <source>it has a paragraph of more than %L1 characters, too long for a script</source>
        <translation>il contient un paragraphe de plus de %L1 caractères, trop long pour un script</translation>
    </message>
    <message>
        <source>it has a paragraph with more than %L1 text direction controls</source>
        <translation>il contient un paragraphe de plus de %L1 caractères de contrôle de direction</translation>
    </message>
    <message>
        <source>it changes writing system or direction more than %L1 times</source>
        <translation>il change d’écriture ou de direction plus de %L1 fois</translation>
    </message>
    <message>
        <source>The file “%1” does not exist.</source>
        <translation>Le fichier « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>« %1 » n’est pas un fichier.</translation>
    </message>
    <message>
        <source>“%1” is too large to be a script.</source>
        <translation>« %1 » est trop volumineux pour être un script.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2.</source>
        <translation>Impossible d’afficher « %1 » : %2.</translation>
    </message>
    <message>
        <source>“%1” is not a readable Rich Text file: %2</source>
        <translation>« %1 » n’est pas un fichier RTF lisible : %2</translation>
    </message>
    <message>
        <source>“%1” has more than %L2 paragraphs, too many for a script.</source>
        <translation>« %1 » compte plus de %L2 paragraphes, trop pour un script.</translation>
    </message>
</context>
<context>
    <name>RundownPanel</name>
    <message>
        <source>Rundown</source>
        <translation>Conducteur</translation>
    </message>
    <message>
        <source>&amp;Previous story</source>
        <translation>Sujet &amp;précédent</translation>
    </message>
    <message>
        <source>Previous story  (Ctrl+Page Up)</source>
        <translation>Sujet précédent  (Ctrl+Page préc.)</translation>
    </message>
    <message>
        <source>&amp;Next story</source>
        <translation>Sujet s&amp;uivant</translation>
    </message>
    <message>
        <source>Next story  (Ctrl+Page Down)</source>
        <translation>Sujet suivant  (Ctrl+Page suiv.)</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Estimated</source>
        <translation>Estimé</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move up  (Alt+Up)</source>
        <translation>Monter  (Alt+Haut)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Move down  (Alt+Down)</source>
        <translation>Descendre  (Alt+Bas)</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>Modi&amp;fier…</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Show elapsed</source>
        <translation>Émission écoulée</translation>
    </message>
    <message>
        <source>Story elapsed / to go</source>
        <translation>Sujet écoulé / restant</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Émission restante</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Se termine à</translation>
    </message>
    <message>
        <source>Over / under</source>
        <translation>Dépassement / avance</translation>
    </message>
    <message>
        <source>Pace speed</source>
        <translation>Vitesse pour finir à l’heure</translation>
    </message>
    <message>
        <source>As planned</source>
        <translation>Comme prévu</translation>
    </message>
    <message>
        <source>End at</source>
        <translation>Finir à</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Target time</source>
        <translation>Heure visée</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>O&amp;bjectif</translation>
    </message>
    <message>
        <source>&amp;Hit the time</source>
        <translation>&amp;Tenir le temps</translation>
    </message>
    <message>
        <source>The speed moves toward the pace speed, a step at a time, within these speeds</source>
        <translation>La vitesse va pas à pas vers celle qui finit à l’heure, entre ces vitesses</translation>
    </message>
    <message>
        <source>Slowest speed</source>
        <translation>Vitesse minimale</translation>
    </message>
    <message>
        <source>Fastest speed</source>
        <translation>Vitesse maximale</translation>
    </message>
    <message>
        <source>done</source>
        <translation>passé</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>à l’antenne</translation>
    </message>
    <message>
        <source>next</source>
        <translation>à venir</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>%1 (your pace)</source>
        <translation>%1 (votre rythme)</translation>
    </message>
    <message>
        <source>no plan</source>
        <translation>pas de plan</translation>
    </message>
    <message>
        <source>%1 under</source>
        <translation>%1 d’avance</translation>
    </message>
    <message>
        <source>%1 over</source>
        <translation>%1 de dépassement</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Add a script</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.docx *.odt *.doc);;All files (*)</source>
        <translation>Textes (*.txt *.rtf *.docx *.odt *.doc);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open a rundown</source>
        <translation>Ouvrir un conducteur</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown);;All files (*)</source>
        <translation>Conducteurs (*.cuerundown);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the rundown</source>
        <translation>Enregistrer le conducteur</translation>
    </message>
    <message>
        <source>Rundowns (*.cuerundown)</source>
        <translation>Conducteurs (*.cuerundown)</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>App&amp;liquer</translation>
    </message>
    <message>
        <source>Story text</source>
        <translation>Texte du sujet</translation>
    </message>
    <message>
        <source>The selected story&apos;s text: change it while the prompter runs, then Apply.</source>
        <translation>Le texte du sujet choisi&#xa0;: modifiez-le pendant que le prompteur défile, puis Appliquer.</translation>
    </message>
    <message>
        <source>Put the changed text on the prompter: the presenter stays on the same words.</source>
        <translation>Mettre le texte modifié sur le prompteur&#xa0;: le présentateur reste sur les mêmes mots.</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Opening…</source>
        <translation>Ouverture…</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>ShowControl</name>
    <message>
        <source>Look-ahead</source>
        <translation>À suivre</translation>
    </message>
    <message>
        <source>What comes next</source>
        <translation>Ce qui vient ensuite</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Message au présentateur</translation>
    </message>
    <message>
        <source>Seconds the message stays</source>
        <translation>Secondes d’affichage du message</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>until cleared</source>
        <translation>jusqu’à effacement</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>&amp;Look-ahead</source>
        <translation>À &amp;suivre</translation>
    </message>
    <message>
        <source>&amp;Hide cues from the presenter</source>
        <translation>&amp;Masquer les repères au présentateur</translation>
    </message>
    <message>
        <source>Time to the &amp;end on the talent screen</source>
        <translation>Temps jusqu’à la &amp;fin sur l’écran du présentateur</translation>
    </message>
    <message>
        <source>Message to the &amp;presenter…</source>
        <translation>Message au &amp;présentateur…</translation>
    </message>
    <message>
        <source>Next: the end of the script</source>
        <translation>Ensuite : la fin du script</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Ensuite : %1</translation>
    </message>
    <message>
        <source>Cues: %1</source>
        <translation>Repères : %1</translation>
    </message>
    <message>
        <source>Next story: %1</source>
        <translation>Sujet suivant : %1</translation>
    </message>
    <message>
        <source>Show co&amp;ntrol</source>
        <translation>Con&amp;duite de l’émission</translation>
    </message>
</context>
<context>
    <name>ShowRun</name>
    <message>
        <source>A Word 97-2003 document is opened in the script editor only.</source>
        <translation>Un document Word 97-2003 ne s’ouvre que dans l’éditeur de texte.</translation>
    </message>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>le conducteur dépasse 1 Mo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>There is no script to show in “%1”.</source>
        <translation>Il n’y a aucun texte à afficher dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This prompter follows another: the show is the leader&apos;s.</source>
        <translation>Ce prompteur en suit un autre : l’émission est celle du meneur.</translation>
    </message>
    <message>
        <source>The rundown “%1” cannot be saved: %2.</source>
        <translation>Le conducteur «&#xa0;%1&#xa0;» ne peut pas être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no rundown.</source>
        <translation>Il n’y a pas de conducteur.</translation>
    </message>
    <message>
        <source>This is the last story.</source>
        <translation>C’est le dernier sujet.</translation>
    </message>
    <message>
        <source>This is the first story.</source>
        <translation>C’est le premier sujet.</translation>
    </message>
    <message>
        <source>There is no story %1.</source>
        <translation>Il n’y a pas de sujet %1.</translation>
    </message>
    <message>
        <source>The script of story %1 is missing.</source>
        <translation>Le texte du sujet %1 manque.</translation>
    </message>
    <message>
        <source>A running order from the newsroom system is not saved as a rundown: its stories are kept by the newsroom system, not in script files.</source>
        <translation>Un conducteur du système de rédaction n’est pas enregistré comme fichier de conducteur&#xa0;: ses sujets sont gardés par le système de rédaction, pas dans des fichiers de texte.</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Message &amp;below the reading line</source>
        <translation>Message sous la li&amp;gne de lecture</translation>
    </message>
    <message>
        <source>Talent screen closed: the prompter window is on its screen, %1. It opens again on another.</source>
        <translation>Écran du présentateur fermé : la fenêtre du prompteur est sur son écran, %1. Il se rouvre sur un autre.</translation>
    </message>
    <message>
        <source>Talent screen</source>
        <translation>Écran du présentateur</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Talent screen</source>
        <translation>Écran du &amp;présentateur</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4) – the prompter&apos;s own screen</source>
        <translation>&amp;%1&#xa0;: %2 (%3 × %4) – l’écran du prompteur lui-même</translation>
    </message>
    <message>
        <source>&amp;%1: %2 (%3 × %4)</source>
        <translation>&amp;%1&#xa0;: %2 (%3 × %4)</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no talent screen</comment>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;Mirror talent screen</source>
        <translation>&amp;Inverser l’écran du présentateur</translation>
    </message>
    <message>
        <source>&amp;Flip talent screen vertically</source>
        <translation>&amp;Retourner l’écran du présentateur verticalement</translation>
    </message>
    <message>
        <source>Mirror &amp;prompter</source>
        <translation>Inverser le pro&amp;mpteur</translation>
    </message>
    <message>
        <source>&amp;Jump to the reading line</source>
        <translation>&amp;Sauter à la ligne de lecture</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Compte à rebours</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>no countdown</comment>
        <translation>&amp;Désactivé</translation>
    </message>
</context>
<context>
    <name>VoiceFollowing</name>
    <message>
        <source>Follow my &amp;voice</source>
        <translation>Suivre ma &amp;voix</translation>
    </message>
    <message>
        <source>Voice &amp;input</source>
        <translation>Entrée v&amp;ocale</translation>
    </message>
    <message>
        <source>&amp;Default microphone</source>
        <translation>&amp;Microphone par défaut</translation>
    </message>
    <message>
        <source>&amp;Recording %1</source>
        <translation>&amp;Enregistrement %1</translation>
    </message>
    <message>
        <source>Following the voice cannot start.
%1</source>
        <translation>Impossible de suivre la voix.
%1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>%1: %2 (see cuescroll --help)</source>
        <translation>%1 : %2 (voir cuescroll --help)</translation>
    </message>
    <message>
        <source>FILE is shown in the prompter as if it had been opened in the script editor and
taken with Done: plain text, Rich Text Format, .docx, .odt or .doc.
</source>
        <translation>FICHIER est affiché dans le prompteur comme s’il avait été ouvert dans l’éditeur de
script et validé par Terminé : texte brut, Rich Text Format, .docx, .odt ou .doc.
</translation>
    </message>
    <message>
        <source>Files:
</source>
        <translation>Fichiers :
</translation>
    </message>
    <message>
        <source>Cuescroll, a script prompter.</source>
        <translation>Cuescroll, un prompteur de scripts.</translation>
    </message>
    <message>
        <source>Show the script, mirrored, full screen on screen N (1 = the first; a screen&apos;s name also works; 0 = none).</source>
        <translation>Afficher le script, inversé, en plein écran sur l’écran N (1 = le premier ; le nom d’un écran convient aussi ; 0 = aucun).</translation>
    </message>
    <message>
        <source>Mirror the prompter&apos;s own view left to right.</source>
        <translation>Inverser de gauche à droite la vue du prompteur lui-même.</translation>
    </message>
    <message>
        <source>Count S seconds down on Start before the script moves (0 = none).</source>
        <translation>Décompter S secondes au démarrage avant que le script ne défile (0 = aucun).</translation>
    </message>
    <message>
        <source>--countdown takes whole seconds from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--countdown attend des secondes entières de 0 à %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the script named on the command line</comment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Copyright 2026 The Cuescroll developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Copyright 2026 Les développeurs de Cuescroll.
Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure &lt;https://www.gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n’y a AUCUNE GARANTIE, dans la mesure permise par la loi.</translation>
    </message>
    <message>
        <source>The remote control&apos;s port.</source>
        <translation>Le port de la télécommande.</translation>
    </message>
    <message>
        <source>With the remote control, take OSC on the same port (UDP) from the addresses allowed in the settings (default: this computer).</source>
        <translation>Avec la télécommande, accepter l’OSC sur le même port (UDP) depuis les adresses autorisées dans les réglages (par défaut&#xa0;: cet ordinateur).</translation>
    </message>
    <message>
        <source>--remote takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--remote attend un port de 1 à 65535, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Follow the presenter&apos;s voice: the script moves as it is read aloud.</source>
        <translation>Suivre la voix du présentateur&#xa0;: le script défile au fil de la lecture à voix haute.</translation>
    </message>
    <message>
        <source>Follow the voice in a WAV recording, played in real time, instead of the microphone.</source>
        <translation>Suivre la voix d’un enregistrement WAV, lu en temps réel, au lieu du microphone.</translation>
    </message>
    <message>
        <source>--voice-input needs a WAV file.</source>
        <translation>--voice-input attend un fichier WAV.</translation>
    </message>
    <message>
        <source>Follow the prompter leading at HOST (port 8777 unless given): its script, look and run are shown here and the keys drive it.</source>
        <translation>Suivre le prompteur qui mène sur HOST (port 8777 sauf indication contraire)&#xa0;: son script, son apparence et son défilement s’affichent ici et les touches le pilotent.</translation>
    </message>
    <message>
        <source>The port followers reach this prompter on (8777 unless given).</source>
        <translation>Le port par lequel les suiveurs joignent ce prompteur (8777 sauf indication contraire).</translation>
    </message>
    <message>
        <source>--follow takes a prompter&apos;s address, HOST or HOST:PORT, not &quot;%1&quot;.</source>
        <translation>--follow attend l’adresse d’un prompteur, HOST ou HOST:PORT, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--lead and --follow do not go together: a prompter leads or follows.</source>
        <translation>--lead et --follow ne vont pas ensemble&#xa0;: un prompteur mène ou suit.</translation>
    </message>
    <message>
        <source>--lead-port takes a port from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>--lead-port attend un port de 1 à 65535, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Turn the remote control on for this run and print the phone page&apos;s address with its token. --remote=PORT or --remote PORT: on that port (default 8777 or the stored one). It keeps its own token (shown in Remote control…, or CUESCROLL_REMOTE_TOKEN): --token is not for it.</source>
        <translation>Activer la télécommande pour cette exécution et afficher l’adresse de la page pour téléphone avec son jeton. --remote=PORT ou --remote PORT&#xa0;: sur ce port (par défaut 8777 ou celui enregistré). Elle garde son propre jeton (affiché dans Télécommande…, ou CUESCROLL_REMOTE_TOKEN)&#xa0;: --token ne s’applique pas à elle.</translation>
    </message>
    <message>
        <source>Let other prompters follow this one, with the token of --token; without one, a token is made up. The port and token to pass on are printed at start. With the remote control on, followers come in on its port and need its token.</source>
        <translation>Laisser d’autres prompteurs suivre celui-ci, avec le jeton de --token&#xa0;; sans jeton, un jeton est créé. Le port et le jeton à transmettre sont affichés au démarrage. Avec la télécommande active, les suiveurs passent par son port et ont besoin de son jeton.</translation>
    </message>
    <message>
        <source>The leader&apos;s token, for --follow and --lead (else CUESCROLL_REMOTE_TOKEN); not for --remote.</source>
        <translation>Le jeton du meneur, pour --follow et --lead (sinon CUESCROLL_REMOTE_TOKEN)&#xa0;; pas pour --remote.</translation>
    </message>
    <message>
        <source>the remote control takes followers on port %1, and only with its own token. Leave out --token to lead with that token, or give --lead-port another port.</source>
        <translation>la télécommande accepte les suiveurs sur le port %1, et seulement avec son propre jeton. Omettez --token pour mener avec ce jeton, ou donnez un autre port avec --lead-port.</translation>
    </message>
    <message>
        <source>port %1 cannot be listened on.</source>
        <translation>impossible d’écouter sur le port %1.</translation>
    </message>
    <message>
        <source>Take running orders from a newsroom system for this run (MOS). --mos=PORT: on ports PORT and PORT+1 (default 10540 and 10541 or the stored ones).</source>
        <translation>Recevoir des conducteurs d’un système de rédaction pour cette exécution (MOS). --mos=PORT&#xa0;: sur les ports PORT et PORT+1 (par défaut 10540 et 10541 ou ceux enregistrés).</translation>
    </message>
    <message>
        <source>The newsroom system&apos;s lower port.</source>
        <translation>Le port inférieur du système de rédaction.</translation>
    </message>
    <message>
        <source>--mos takes a port from 1 to 65534, not &quot;%1&quot;.</source>
        <translation>--mos prend un port de 1 à 65534, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Usage: cuescroll [options] [FILE]...</source>
        <translation>Usage&#xa0;: cuescroll [options] [FICHIER]...</translation>
    </message>
    <message>
        <source>Several files make a show, one story each, in the order given; a folder adds its
scripts in the order of their names, and a .cuerundown file the stories it lists.
Ctrl+Page Down and Ctrl+Page Up go to the next and the previous story (with a single script
they page).
</source>
        <translation>Plusieurs fichiers forment une émission, un sujet chacun, dans l’ordre donné&#xa0;; un
dossier ajoute ses textes dans l’ordre de leurs noms, et un fichier .cuerundown les
sujets qu’il énumère. Ctrl+Page suiv. et Ctrl+Page préc. passent au sujet suivant et
au précédent (avec un seul texte, ils tournent la page).
</translation>
    </message>
    <message>
        <source>The script to show, or the scripts of a show.</source>
        <translation>Le texte à afficher, ou les textes d’une émission.</translation>
    </message>
</context>
<context>
    <name>dlgFollow</name>
    <message>
        <source>Follow Prompter</source>
        <translation>Suivre un prompteur</translation>
    </message>
    <message>
        <source>The leader&apos;s screen, script and run are shown here, and the keys drive the leader.</source>
        <translation>L’écran, le script et le défilement du meneur s’affichent ici, et les touches pilotent le meneur.</translation>
    </message>
    <message>
        <source>&amp;Leader:</source>
        <translation>&amp;Meneur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Token:</source>
        <translation>&amp;Jeton&#xa0;:</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>%1 (%2:%3)</source>
        <translation>%1 (%2:%3)</translation>
    </message>
    <message>
        <source>&amp;Show the token</source>
        <translation>&amp;Afficher le jeton</translation>
    </message>
    <message>
        <source>host or host:port, or the address with its token</source>
        <translation>hôte ou hôte:port, ou l’adresse avec son jeton</translation>
    </message>
    <message>
        <source>No leaders can be listed: DNS-SD (Avahi) is not running on this computer. Type the leader&apos;s address.</source>
        <translation>Aucun meneur ne peut être listé&#xa0;: DNS-SD (Avahi) ne tourne pas sur cet ordinateur. Saisissez l’adresse du meneur.</translation>
    </message>
</context>
<context>
    <name>dlgFont</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>S&amp;trikethrough</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;ouleur…</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effets :</translation>
    </message>
    <message>
        <source>Text color:</source>
        <translation>Couleur du texte :</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>dlgKeys</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Commandes et leurs touches</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Key %1:</source>
        <translation>Touche %1&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>dlgLeading</name>
    <message>
        <source>&amp;Copy address and token</source>
        <translation>&amp;Copier l’adresse et le jeton</translation>
    </message>
    <message>
        <source>&amp;Stop leading</source>
        <translation>&amp;Arrêter de mener</translation>
    </message>
    <message>
        <source>Leading</source>
        <translation>Meneur</translation>
    </message>
    <message>
        <source>This computer&apos;s addresses</source>
        <translation>Adresses de cet ordinateur</translation>
    </message>
    <message>
        <source>Other prompters can follow this one. On each, choose “Follow prompter…” in the studio menu and give one of these addresses and the token.</source>
        <translation>D’autres prompteurs peuvent suivre celui-ci. Sur chacun, choisissez «&#xa0;Suivre un prompteur…&#xa0;» dans le menu studio et indiquez l’une de ces adresses et le jeton.</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Token:</source>
        <translation>Jeton&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Font preview</source>
        <translation>Aperçu de la police</translation>
    </message>
    <message>
        <source>Set your Cuescroll Preferences Here</source>
        <translation>Réglez Cuescroll à votre goût</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Couleur fond</translation>
    </message>
    <message>
        <source>Line colour preview</source>
        <translation>Aperçu de la couleur de la ligne</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Couleur ligne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Keys…</source>
        <translation>&amp;Touches…</translation>
    </message>
</context>
<context>
    <name>dlgSelectMarker</name>
    <message>
        <source>Select Marker</source>
        <translation>Choisir une marque</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marque</translation>
    </message>
</context>
<context>
    <name>documents</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation>c’est un dossier ou un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>you do not have permission to read it</source>
        <translation>vous n’avez pas le droit de le lire</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>its text is larger than %1 MB, too large for a script</source>
        <translation>son texte dépasse %1 Mo, trop pour un script</translation>
    </message>
    <message>
        <source>its text has more than %L1 paragraphs, too many for a script</source>
        <translation>son texte compte plus de %L1 paragraphes, trop pour un script</translation>
    </message>
    <message>
        <source>it is neither text nor a document Cuescroll can read</source>
        <translation>ce n’est ni du texte ni un document que Cuescroll sait lire</translation>
    </message>
    <message>
        <source>it is a packed file but not a text document (.docx or .odt)</source>
        <translation>c’est un fichier compressé mais pas un document texte (.docx ou .odt)</translation>
    </message>
    <message>
        <source>the document is damaged</source>
        <translation>le document est endommagé</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB; the document is damaged or harmful</source>
        <translation>décompressé, il dépasserait %1 Mo ; le document est endommagé ou malveillant</translation>
    </message>
    <message>
        <source>the Word document converter “antiword” is not installed; install the Debian package “antiword” (sudo apt install antiword)</source>
        <translation>le convertisseur de documents Word « antiword » n’est pas installé ; installez le paquet Debian « antiword » (sudo apt install antiword)</translation>
    </message>
    <message>
        <source>the converter “antiword” crashed on it; the document is probably damaged</source>
        <translation>le convertisseur « antiword » a planté dessus ; le document est sans doute endommagé</translation>
    </message>
    <message>
        <source>the converter “antiword” did not finish in time</source>
        <translation>le convertisseur « antiword » n’a pas fini à temps</translation>
    </message>
    <message>
        <source>the converter “antiword” could not read it</source>
        <translation>le convertisseur « antiword » n’a pas pu le lire</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>XML error at line %1: %2</source>
        <translation>erreur XML à la ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>follow::LeaderServer</name>
    <message>
        <source>There is nothing to follow here.</source>
        <translation>Il n’y a rien à suivre ici.</translation>
    </message>
    <message>
        <source>The token is not this prompter&apos;s.</source>
        <translation>Ce jeton n’est pas celui de ce prompteur.</translation>
    </message>
</context>
<context>
    <name>frmEditText</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Texte du script</translation>
    </message>
    <message>
        <source>Scripts (*.txt *.rtf *.doc *.docx *.odt);;Text Files (*.txt);;Word Files (*.doc);;Documents (*.docx *.odt *.rtf);;All Files (*)</source>
        <translation>Scripts (*.txt *.rtf *.doc *.docx *.odt);;Fichiers texte (*.txt);;Fichiers Word (*.doc);;Documents (*.docx *.odt *.rtf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Select the file</source>
        <translation>Choisir le fichier</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation>Lecture de « %1 »…</translation>
    </message>
    <message>
        <source>Save this file</source>
        <translation>Enregistrer ce fichier</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>The file has been saved : %1</source>
        <translation>Le fichier a été enregistré : %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2. Nothing was changed on disk.</source>
        <translation>Le fichier « %1 » n’a pas pu être enregistré : %2. Rien n’a été modifié sur le disque.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The script cannot go to the prompter: %1. It stays in the editor.</source>
        <translation>Le script ne peut pas passer au prompteur : %1. Il reste dans l’éditeur.</translation>
    </message>
</context>
<context>
    <name>frmLine</name>
    <message>
        <source>Reading line</source>
        <translation>Ligne de lecture</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The help page could not be opened:
%1</source>
        <translation>La page d’aide n’a pas pu être ouverte :
%1</translation>
    </message>
    <message>
        <source>The newsroom has sent no running order &quot;%1&quot;.</source>
        <translation>Le système de rédaction n’a envoyé aucun conducteur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit Text  (F2)</source>
        <translation>Modifier le texte  (F2)</translation>
    </message>
    <message>
        <source>     Start     </source>
        <extracomment>The blanks widen the button that starts the script; keep about as wide a caption.</extracomment>
        <translation>   Démarrer   </translation>
    </message>
    <message>
        <source>Prompter Start  (F3)</source>
        <translation>Démarrer le prompteur  (F3)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Prompter Stop  (F3)</source>
        <translation>Arrêter le prompteur  (F3)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Reset  (F4)</source>
        <translation>Revenir au début  (F4)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Mark  (F5)</source>
        <translation>Marquer un passage  (F5)</translation>
    </message>
    <message>
        <source>Jump To</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Jump To Marker  (F6)</source>
        <translation>Aller à une marque  (F6)</translation>
    </message>
    <message>
        <source>Unmark</source>
        <translation>Enlever</translation>
    </message>
    <message>
        <source>Unmark  (F7)</source>
        <translation>Enlever une marque  (F7)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clear All Markers  (F8)</source>
        <translation>Effacer toutes les marques  (F8)</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Full Screen Toggle  (F9)</source>
        <translation>Plein écran oui/non  (F9)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Options  (F10)</source>
        <translation>Options  (F10)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help  (F1)</source>
        <translation>Aide  (F1)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit  (Esc)</source>
        <translation>Quitter  (Échap)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Reading line</source>
        <translation>Ligne de lecture</translation>
    </message>
    <message>
        <source>Script text</source>
        <translation>Texte du script</translation>
    </message>
    <message>
        <source>Script to mark</source>
        <translation>Script à marquer</translation>
    </message>
    <message>
        <source>Keyboard focus</source>
        <translation>Focus clavier</translation>
    </message>
    <message>
        <source>Move reading line</source>
        <translation>Déplacer la ligne de lecture</translation>
    </message>
    <message>
        <source>Resize reading line</source>
        <translation>Changer la hauteur de la ligne de lecture</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Panneau de commande</translation>
    </message>
    <message>
        <source>Direction Down  (Ctrl+Dn)</source>
        <translation>Sens vers le bas  (Ctrl+Bas)</translation>
    </message>
    <message>
        <source>Direction down</source>
        <translation>Sens vers le bas</translation>
    </message>
    <message>
        <source>Direction Up  (Ctrl+Up)</source>
        <translation>Sens vers le haut  (Ctrl+Haut)</translation>
    </message>
    <message>
        <source>Direction up</source>
        <translation>Sens vers le haut</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Speed Up / Down  (Left / Right)</source>
        <translation>Plus lent / plus vite  (Gauche / Droite)</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Time to go</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Mark panel</source>
        <translation>Panneau de marquage</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Marquer</translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control is turned on but cannot listen:
%1</source>
        <translation>La télécommande est activée mais ne peut pas se mettre à l’écoute&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Keys and buttons drive the leader</source>
        <translation>Les touches et les boutons pilotent le meneur</translation>
    </message>
    <message>
        <source>This prompter cannot lead: %1</source>
        <translation>Ce prompteur ne peut pas mener&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control…</source>
        <translation>&amp;Télécommande…</translation>
    </message>
    <message numerus="yes">
        <source>Remote control on, %n device(s)</source>
        <translation>
            <numerusform>Télécommande activée, %n appareil</numerusform>
            <numerusform>Télécommande activée, %n appareils</numerusform>
        </translation>
    </message>
    <message>
        <source>Ne&amp;wsroom system (MOS)…</source>
        <translation>S&amp;ystème de rédaction (MOS)…</translation>
    </message>
    <message>
        <source>The newsroom system link is turned on but cannot listen:
%1</source>
        <translation>La liaison avec le système de rédaction est activée mais ne peut pas écouter&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Run&amp;down</source>
        <translation>Con&amp;ducteur</translation>
    </message>
    <message>
        <source>Part of the remote control cannot start:
%1</source>
        <translation>Une partie de la télécommande ne peut pas démarrer&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start or stop</source>
        <translation>Démarrer ou arrêter</translation>
    </message>
    <message>
        <source>Stop and go back to the beginning</source>
        <translation>Arrêter et revenir au début</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Pas en arrière</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Pas en avant</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page forward</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Beginning</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <source>Scroll up the screen</source>
        <translation>Défiler vers le haut de l’écran</translation>
    </message>
    <message>
        <source>Scroll down the screen</source>
        <translation>Défiler vers le bas de l’écran</translation>
    </message>
    <message>
        <source>Full screen on or off</source>
        <translation>Plein écran oui ou non</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Mark passages</source>
        <translation>Marquer des passages</translation>
    </message>
    <message>
        <source>Jump to a marker</source>
        <translation>Aller à un repère</translation>
    </message>
    <message>
        <source>Remove a marker</source>
        <translation>Retirer un repère</translation>
    </message>
    <message>
        <source>Remove all markers</source>
        <translation>Retirer tous les repères</translation>
    </message>
    <message>
        <source>Edit the script</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No key can give this command.</source>
        <translation>Aucune touche ne peut donner cette commande.</translation>
    </message>
    <message numerus="yes">
        <source>A command takes at most %n key(s).</source>
        <translation>
            <numerusform>Une commande prend au plus %n touche.</numerusform>
            <numerusform>Une commande prend au plus %n touches.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is already the key of “%2”.</source>
        <translation>%1 est déjà la touche de «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Next story (with a single script: page forward)</source>
        <translation>Sujet suivant (avec un seul texte&#xa0;: page suivante)</translation>
    </message>
    <message>
        <source>Previous story (with a single script: page back)</source>
        <translation>Sujet précédent (avec un seul texte&#xa0;: page précédente)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Remote control: %1
</source>
        <translation>Télécommande&#xa0;: %1
</translation>
    </message>
    <message>
        <source>  also: %1
</source>
        <translation>  aussi&#xa0;: %1
</translation>
    </message>
    <message>
        <source>cuescroll: remote control: %1
</source>
        <translation>cuescroll&#xa0;: télécommande&#xa0;: %1
</translation>
    </message>
    <message>
        <source>cuescroll: cannot lead: %1
</source>
        <translation>cuescroll&#xa0;: impossible de mener&#xa0;: %1
</translation>
    </message>
    <message>
        <source>Leading through the remote control: port %1, token %2
</source>
        <translation>Mène par la télécommande&#xa0;: port %1, jeton %2
</translation>
    </message>
    <message>
        <source>Leading: port %1, token %2
</source>
        <translation>Mène&#xa0;: port %1, jeton %2
</translation>
    </message>
    <message>
        <source>Newsroom system (MOS): ports %1 and %2
</source>
        <translation>Système de rédaction (MOS)&#xa0;: ports %1 et %2
</translation>
    </message>
    <message>
        <source>cuescroll: newsroom system: %1
</source>
        <translation>cuescroll&#xa0;: système de rédaction&#xa0;: %1
</translation>
    </message>
</context>
<context>
    <name>modSettings</name>
    <message>
        <source>The settings could not be kept in “%1”: %2. They apply until Cuescroll ends.</source>
        <translation>Les réglages n’ont pas pu être conservés dans « %1 » : %2. Ils valent jusqu’à la fermeture de Cuescroll.</translation>
    </message>
</context>
<context>
    <name>modules</name>
    <message>
        <source>The module %1 could not be loaded: %2</source>
        <translation>Le module %1 n’a pas pu être chargé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mos::MosControl</name>
    <message>
        <source>Off: no running orders are taken.</source>
        <translation>Désactivé&#xa0;: aucun conducteur n’est reçu.</translation>
    </message>
    <message numerus="yes">
        <source>Taking running orders on ports %1 and %2; %n connection(s).</source>
        <translation>
            <numerusform>Réception des conducteurs sur les ports %1 et %2&#xa0;; %n connexion.</numerusform>
            <numerusform>Réception des conducteurs sur les ports %1 et %2&#xa0;; %n connexions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::MosDevice</name>
    <message numerus="yes">
        <source>The newsroom was silent for %n second(s) and was let go.</source>
        <translation>
            <numerusform>Le système de rédaction s’est tu %n seconde et a été déconnecté.</numerusform>
            <numerusform>Le système de rédaction s’est tu %n secondes et a été déconnecté.</numerusform>
        </translation>
    </message>
    <message>
        <source>The newsroom cannot be reached: %1</source>
        <translation>Le système de rédaction est injoignable&#xa0;: %1</translation>
    </message>
    <message>
        <source>An unreadable message: %1</source>
        <translation>Un message illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>A connection from %1 was refused.</source>
        <translation>Une connexion depuis %1 a été refusée.</translation>
    </message>
    <message>
        <source>The lower port %1 cannot be listened on: %2</source>
        <translation>Impossible d’écouter sur le port inférieur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The upper port %1 cannot be listened on: %2</source>
        <translation>Impossible d’écouter sur le port supérieur %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mos::dlgMos</name>
    <message>
        <source>Last error (%1): %2</source>
        <translation>Dernière erreur (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>%1, ours</source>
        <translation>%1, la nôtre</translation>
    </message>
    <message>
        <source>(not yet known)</source>
        <translation>(encore inconnu)</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>inférieur %1</translation>
    </message>
    <message>
        <source>upper %1</source>
        <translation>supérieur %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>pas encore</translation>
    </message>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>il y a %n s</numerusform>
            <numerusform>il y a %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Last message</source>
        <translation>Dernier message</translation>
    </message>
    <message>
        <source>Last heartbeat</source>
        <translation>Dernier battement</translation>
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
        <translation>Rédaction</translation>
    </message>
    <message>
        <source>Newsroom system (MOS)</source>
        <translation>Système de rédaction (MOS)</translation>
    </message>
    <message>
        <source>&amp;Take running orders from a newsroom system</source>
        <translation>&amp;Recevoir des conducteurs d’un système de rédaction</translation>
    </message>
    <message>
        <source>any</source>
        <translation>n’importe lequel</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>cet ordinateur uniquement</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Adresses ou réseaux, p. ex. 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>&amp;MOS ID:</source>
        <translation>ID &amp;MOS&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Newsroom ID:</source>
        <translation>ID de la ré&amp;daction&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Lower port:</source>
        <translation>Port &amp;inférieur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Upper port:</source>
        <translation>Port &amp;supérieur&#xa0;:</translation>
    </message>
    <message>
        <source>Newsroom &amp;addresses:</source>
        <translation>&amp;Adresses de la rédaction&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Running order shown:</source>
        <translation>&amp;Conducteur affiché&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>net::Door</name>
    <message>
        <source>The request is malformed.</source>
        <translation>La requête est mal formée.</translation>
    </message>
    <message>
        <source>The request&apos;s header is too large.</source>
        <translation>L’en-tête de la requête est trop grand.</translation>
    </message>
    <message>
        <source>Content-Length is given more than once.</source>
        <translation>Content-Length est donné plus d’une fois.</translation>
    </message>
    <message>
        <source>The body is larger than %1 KB.</source>
        <translation>Le corps dépasse %1 Ko.</translation>
    </message>
    <message>
        <source>Too many connections.</source>
        <translation>Trop de connexions.</translation>
    </message>
    <message>
        <source>An upgrade needs &quot;Connection: Upgrade&quot;.</source>
        <translation>Un changement de protocole demande « Connection: Upgrade ».</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Il n’y a rien ici.</translation>
    </message>
    <message>
        <source>Only WebSocket version 13 is spoken here.</source>
        <translation>Seule la version 13 de WebSocket est parlée ici.</translation>
    </message>
    <message>
        <source>A page from another site may not connect here.</source>
        <translation>Une page d’un autre site ne peut pas se connecter ici.</translation>
    </message>
    <message>
        <source>The request took too long to arrive.</source>
        <translation>La requête a mis trop de temps à arriver.</translation>
    </message>
    <message>
        <source>The token must be at least %1 characters long.</source>
        <translation>Le jeton doit compter au moins %1 caractères.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <translation>seuls %1 octets sur %2 ont atteint le disque</translation>
    </message>
    <message>
        <source>it is a symbolic link that another user made in a shared folder; it was not followed</source>
        <translation>c’est un lien symbolique créé par un autre utilisateur dans un dossier partagé ; il n’a pas été suivi</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message>
        <source>&quot;id&quot; must be a running order&apos;s id, or null for none.</source>
        <translation>&quot;id&quot; doit être l’ID d’un conducteur, ou null pour aucun.</translation>
    </message>
    <message>
        <source>The message is larger than 16 KB.</source>
        <translation>Le message dépasse 16 Ko.</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>Le message n’est pas un objet JSON.</translation>
    </message>
    <message>
        <source>&quot;speed&quot; must be a whole number from 1 to 16.</source>
        <translation>&quot;speed&quot; doit être un nombre entier de 1 à 16.</translation>
    </message>
    <message>
        <source>&quot;marker&quot; must be a whole number from 1.</source>
        <translation>&quot;marker&quot; doit être un nombre entier à partir de 1.</translation>
    </message>
    <message>
        <source>&quot;char&quot; must be a whole number from 0.</source>
        <translation>&quot;char&quot; doit être un nombre entier à partir de 0.</translation>
    </message>
    <message>
        <source>&quot;fraction&quot; must be a number from 0 to 1.</source>
        <translation>&quot;fraction&quot; doit être un nombre de 0 à 1.</translation>
    </message>
    <message>
        <source>A jump needs &quot;marker&quot;, &quot;char&quot; or &quot;fraction&quot;.</source>
        <translation>Un saut nécessite &quot;marker&quot;, &quot;char&quot; ou &quot;fraction&quot;.</translation>
    </message>
    <message>
        <source>The message has no &quot;cmd&quot;.</source>
        <translation>Le message n’a pas de &quot;cmd&quot;.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The packet is larger than 16 KB.</source>
        <translation>Le paquet dépasse 16 Ko.</translation>
    </message>
    <message>
        <source>Not an OSC message.</source>
        <translation>Ce n’est pas un message OSC.</translation>
    </message>
    <message>
        <source>Not a Cuescroll address.</source>
        <translation>Ce n’est pas une adresse Cuescroll.</translation>
    </message>
    <message>
        <source>A malformed OSC message.</source>
        <translation>Un message OSC mal formé.</translation>
    </message>
    <message>
        <source>/speed takes a number from 1 to 16.</source>
        <translation>/speed attend un nombre de 1 à 16.</translation>
    </message>
    <message>
        <source>/jump takes a marker&apos;s number from 1.</source>
        <translation>/jump attend le numéro d’une marque à partir de 1.</translation>
    </message>
    <message>
        <source>/goto takes a fraction from 0 to 1.</source>
        <translation>/goto attend une fraction de 0 à 1.</translation>
    </message>
    <message>
        <source>A message needs &quot;text&quot;.</source>
        <translation>Un message nécessite &quot;text&quot;.</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; must be a whole number from 0 to 86400.</source>
        <translation>&quot;seconds&quot; doit être un nombre entier de 0 à 86400.</translation>
    </message>
    <message>
        <source>/message takes a string.</source>
        <translation>/message attend une chaîne.</translation>
    </message>
    <message>
        <source>&quot;index&quot; must be a whole number from 1.</source>
        <translation>«&#xa0;index&#xa0;» doit être un nombre entier à partir de 1.</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be a time of day, &quot;HH:MM&quot;.</source>
        <translation>«&#xa0;end&#xa0;» doit être une heure, «&#xa0;HH:MM&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;duration&quot; must be whole seconds from 0 to 604800.</source>
        <translation>«&#xa0;duration&#xa0;» doit être un nombre entier de secondes de 0 à 604800.</translation>
    </message>
    <message>
        <source>A target needs &quot;end&quot; or &quot;duration&quot;.</source>
        <translation>Un objectif demande «&#xa0;end&#xa0;» ou «&#xa0;duration&#xa0;».</translation>
    </message>
    <message>
        <source>/story takes a story&apos;s number from 1.</source>
        <translation>/story prend le numéro d’un sujet à partir de 1.</translation>
    </message>
</context>
<context>
    <name>remote::Page</name>
    <message>
        <source>Cuescroll remote</source>
        <translation>Télécommande Cuescroll</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Offline – reconnecting…</source>
        <translation>Hors ligne – reconnexion…</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>To go</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Line back</source>
        <translation>Ligne préc.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Page fwd</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Line fwd</source>
        <translation>Ligne suiv.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>− Slower</source>
        <translation>− Ralentir</translation>
    </message>
    <message>
        <source>+ Faster</source>
        <translation>+ Accélérer</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>En avant</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>No markers.</source>
        <translation>Aucune marque.</translation>
    </message>
    <message>
        <source>The page&apos;s token is not valid any more: scan the code again.</source>
        <translation>Le jeton de la page n’est plus valable&#xa0;: scannez de nouveau le code.</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Coupé</translation>
    </message>
    <message>
        <source>Message to the presenter</source>
        <translation>Message au présentateur</translation>
    </message>
    <message>
        <source>Wrap up</source>
        <translation>Concluez</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Story to go</source>
        <translation>Sujet restant</translation>
    </message>
    <message>
        <source>Show to go</source>
        <translation>Émission restante</translation>
    </message>
    <message>
        <source>Under / over</source>
        <translation>Avance / retard</translation>
    </message>
    <message>
        <source>Prev story</source>
        <translation>Sujet précédent</translation>
    </message>
    <message>
        <source>Next story</source>
        <translation>Sujet suivant</translation>
    </message>
</context>
<context>
    <name>remote::RemoteControl</name>
    <message>
        <source>Another window is open.</source>
        <translation>Une autre fenêtre est ouverte.</translation>
    </message>
</context>
<context>
    <name>remote::RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program.</source>
        <translation>Le port %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Port %1 cannot be opened: %2</source>
        <translation>Impossible d’ouvrir le port %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>OSC cannot listen on UDP port %1: %2</source>
        <translation>OSC ne peut pas écouter sur le port UDP %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Too many requests; slow down.</source>
        <translation>Trop de requêtes&#xa0;; ralentissez.</translation>
    </message>
    <message>
        <source>The token is missing or wrong.</source>
        <translation>Le jeton est absent ou erroné.</translation>
    </message>
    <message>
        <source>The body is larger than 16 KB.</source>
        <translation>Le corps de la requête dépasse 16 Ko.</translation>
    </message>
    <message>
        <source>Only GET.</source>
        <translation>GET uniquement.</translation>
    </message>
    <message>
        <source>No such page.</source>
        <translation>Cette page n’existe pas.</translation>
    </message>
    <message>
        <source>This address takes WebSocket connections.</source>
        <translation>Cette adresse accepte les connexions WebSocket.</translation>
    </message>
    <message>
        <source>No such action.</source>
        <translation>Cette action n’existe pas.</translation>
    </message>
    <message>
        <source>Only POST.</source>
        <translation>POST uniquement.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: the address is not allowed.</source>
        <translation>OSC de %1 ignoré&#xa0;: l’adresse n’est pas autorisée.</translation>
    </message>
    <message>
        <source>OSC from %1 ignored: %2</source>
        <translation>OSC de %1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>OSC from %1 not carried out: %2</source>
        <translation>OSC de %1 non exécuté&#xa0;: %2</translation>
    </message>
    <message>
        <source>Messages are JSON text; binary ones are not taken.</source>
        <translation>Les messages sont du texte JSON ; les binaires ne sont pas acceptés.</translation>
    </message>
</context>
<context>
    <name>remote::dlgRemote</name>
    <message>
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>&amp;New token</source>
        <translation>&amp;Nouveau jeton</translation>
    </message>
    <message>
        <source>Devices that have the page open must scan the new code.</source>
        <translation>Les appareils qui ont la page ouverte doivent scanner le nouveau code.</translation>
    </message>
    <message>
        <source>Take &amp;OSC (UDP, same port) from:</source>
        <translation>Accepter l’&amp;OSC (UDP, même port) de&#xa0;:</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>cet ordinateur uniquement</translation>
    </message>
    <message>
        <source>Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24</source>
        <translation>Adresses ou réseaux, p. ex. 192.168.1.20 10.0.0.0/24</translation>
    </message>
    <message>
        <source>Take &amp;MIDI from every input</source>
        <translation>Accepter le &amp;MIDI de toutes les entrées</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>Listening on port %1, OSC too.</source>
        <translation>À l’écoute sur le port %1, OSC aussi.</translation>
    </message>
    <message>
        <source>Listening on port %1.</source>
        <translation>À l’écoute sur le port %1.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Désactivée&#xa0;: rien n’écoute sur le réseau.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected.</source>
        <translation>
            <numerusform>%n appareil connecté.</numerusform>
            <numerusform>%n appareils connectés.</numerusform>
        </translation>
    </message>
    <message>
        <source>No MIDI input found.</source>
        <translation>Aucune entrée MIDI trouvée.</translation>
    </message>
    <message>
        <source>Listening to: %1</source>
        <translation>À l’écoute de&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Remote control on</source>
        <translation>&amp;Télécommande activée</translation>
    </message>
    <message>
        <source>Addresses of the page</source>
        <translation>Adresses de la page</translation>
    </message>
    <message>
        <source>QR code of the page&apos;s address, for a phone&apos;s camera</source>
        <translation>Code QR de l’adresse de la page, pour l’appareil photo d’un téléphone</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected now will be cut off and must scan the new code.</source>
        <translation>
            <numerusform>%n appareil connecté maintenant sera coupé et devra scanner le nouveau code.</numerusform>
            <numerusform>%n appareils connectés maintenant seront coupés et devront scanner le nouveau code.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages opened with the present code will stop working.</source>
        <translation>Les pages ouvertes avec le code actuel cesseront de fonctionner.</translation>
    </message>
    <message>
        <source>&amp;Make a new token</source>
        <translation>Créer un &amp;nouveau jeton</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>P&amp;age&#xa0;:</translation>
    </message>
    <message>
        <source>no desk</source>
        <translation>aucune console</translation>
    </message>
    <message>
        <source>host:port of each desk, e.g. 192.168.1.30:9000 desk.local:8000</source>
        <translation>hôte:port de chaque console, p. ex. 192.168.1.30:9000 desk.local:8000</translation>
    </message>
    <message>
        <source>Take game &amp;controllers</source>
        <translation>Accepter les manettes de &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Send the state as OSC to:</source>
        <translation>&amp;Envoyer l’état en OSC à&#xa0;:</translation>
    </message>
    <message>
        <source>No game controller plugged in.</source>
        <translation>Aucune manette branchée.</translation>
    </message>
</context>
<context>
    <name>scriptfile</name>
    <message>
        <source>The file “%1” cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir le fichier « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>show</name>
    <message>
        <source>the rundown is larger than 1 MB</source>
        <translation>le conducteur dépasse 1 Mo</translation>
    </message>
    <message>
        <source>the rundown is not UTF-8 text</source>
        <translation>le conducteur n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>this is no Cuescroll rundown</source>
        <translation>ce n’est pas un conducteur Cuescroll</translation>
    </message>
</context>
<context>
    <name>storefile</name>
    <message>
        <source>it is larger than %1 bytes and was left as it is</source>
        <translation>il dépasse %1 octets et a été laissé tel quel</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it may not be read</source>
        <translation>sa lecture n’est pas autorisée</translation>
    </message>
    <message>
        <source>it is UTF-16 text that could not be written back unchanged</source>
        <translation>c’est du texte UTF-16 qui n’a pas pu être réécrit à l’identique</translation>
    </message>
    <message>
        <source>it is not in an encoding Cuescroll can write back (UTF-8, UTF-16 with a byte order mark or a single-byte code page)</source>
        <translation>il n’est pas dans un encodage que Cuescroll sait réécrire (UTF-8, UTF-16 avec indicateur d’ordre des octets ou une page de codes à un octet)</translation>
    </message>
    <message>
        <source>it would grow beyond the %1 bytes a settings file may hold</source>
        <translation>il dépasserait les %1 octets qu’un fichier de réglages peut contenir</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>son dossier n’a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>voice</name>
    <message>
        <source>no words to recognise</source>
        <translation>aucun mot à reconnaître</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The recording is larger than 1 GB.</source>
        <translation>L’enregistrement dépasse 1 Go.</translation>
    </message>
    <message>
        <source>It may not be read.</source>
        <translation>Sa lecture n’est pas autorisée.</translation>
    </message>
    <message>
        <source>It is not a WAV recording.</source>
        <translation>Ce n’est pas un enregistrement WAV.</translation>
    </message>
    <message>
        <source>Only uncompressed (PCM) WAV recordings can be read.</source>
        <translation>Seuls les enregistrements WAV non compressés (PCM) peuvent être lus.</translation>
    </message>
    <message>
        <source>The WAV recording must be PCM of 8 or 16 bits.</source>
        <translation>L’enregistrement WAV doit être en PCM 8 ou 16 bits.</translation>
    </message>
    <message>
        <source>most of the script&apos;s words are not English, the only language of the installed speech model</source>
        <translation>la plupart des mots du script ne sont pas en anglais, la seule langue du modèle vocal installé</translation>
    </message>
</context>
<context>
    <name>voice::Decoder</name>
    <message>
        <source>the recogniser&apos;s settings were refused</source>
        <translation>les réglages du moteur de reconnaissance ont été refusés</translation>
    </message>
    <message>
        <source>the recogniser could not load the model from %1</source>
        <translation>le moteur de reconnaissance n’a pas pu charger le modèle depuis %1</translation>
    </message>
    <message>
        <source>the recogniser did not start</source>
        <translation>le moteur de reconnaissance n’a pas démarré</translation>
    </message>
    <message>
        <source>the recogniser failed to end an utterance</source>
        <translation>le moteur de reconnaissance n’a pas pu terminer un énoncé</translation>
    </message>
    <message>
        <source>the recogniser failed to start an utterance</source>
        <translation>le moteur de reconnaissance n’a pas pu commencer un énoncé</translation>
    </message>
    <message>
        <source>no model is loaded</source>
        <translation>aucun modèle n’est chargé</translation>
    </message>
    <message>
        <source>the recogniser failed on the audio</source>
        <translation>le moteur de reconnaissance a échoué sur l’audio</translation>
    </message>
</context>
<context>
    <name>voice::Microphone</name>
    <message>
        <source>No microphone was found.</source>
        <translation>Aucun microphone n’a été trouvé.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; could not be opened.</source>
        <translation>Impossible d’ouvrir le microphone «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>voice::RecordingInput</name>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>Impossible de lire l’enregistrement %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>voice::VoiceFollower</name>
    <message>
        <source>Speech recognition stopped: %1</source>
        <translation>La reconnaissance vocale s’est arrêtée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The script&apos;s words could not be prepared for recognition: %1</source>
        <translation>Les mots du script n’ont pas pu être préparés pour la reconnaissance&#xa0;: %1</translation>
    </message>
</context>
</TS>
