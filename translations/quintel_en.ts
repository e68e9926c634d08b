<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n change to a contact waits for the address book server and is sent when it answers.</numerusform>
            <numerusform>%n changes to contacts wait for the address book server and are sent when it answers.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacts</numerusform>
        </translation>
    </message>
</context>
</TS>
