<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CueSender</name>
    <message numerus="yes">
        <source>no answer within %n second(s)</source>
        <translation>
            <numerusform>no answer within %n second</numerusform>
            <numerusform>no answer within %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FollowSession</name>
    <message numerus="yes">
        <source>Leading %n prompter(s)</source>
        <translation>
            <numerusform>Leading %n prompter</numerusform>
            <numerusform>Leading %n prompters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>Remote control on, %n device(s)</source>
        <translation>
            <numerusform>Remote control on, %n device</numerusform>
            <numerusform>Remote control on, %n devices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n Words</numerusform>
            <numerusform>%n Words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message numerus="yes">
        <source>A command takes at most %n key(s).</source>
        <translation>
            <numerusform>A command takes at most %n key.</numerusform>
            <numerusform>A command takes at most %n keys.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::MosControl</name>
    <message numerus="yes">
        <source>Taking running orders on ports %1 and %2; %n connection(s).</source>
        <translation>
            <numerusform>Taking running orders on ports %1 and %2; %n connection.</numerusform>
            <numerusform>Taking running orders on ports %1 and %2; %n connections.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::MosDevice</name>
    <message numerus="yes">
        <source>The newsroom was silent for %n second(s) and was let go.</source>
        <translation>
            <numerusform>The newsroom was silent for %n second and was let go.</numerusform>
            <numerusform>The newsroom was silent for %n seconds and was let go.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mos::dlgMos</name>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>%n s ago</numerusform>
            <numerusform>%n s ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>remote::dlgRemote</name>
    <message numerus="yes">
        <source>%n device(s) connected now will be cut off and must scan the new code.</source>
        <translation>
            <numerusform>The %n device connected now will be cut off and must scan the new code.</numerusform>
            <numerusform>The %n devices connected now will be cut off and must scan the new code.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) connected.</source>
        <translation>
            <numerusform>%n device connected.</numerusform>
            <numerusform>%n devices connected.</numerusform>
        </translation>
    </message>
</context>
</TS>
