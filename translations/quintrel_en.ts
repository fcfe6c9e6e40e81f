<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Narrator</name>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n eleven(s)</source>
        <translation>
            <numerusform>%n eleven</numerusform>
            <numerusform>%n elevens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n card</numerusform>
            <numerusform>%n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Eleven, %n point(s), score %1</source>
        <translation>
            <numerusform>Eleven, %n point, score %1</numerusform>
            <numerusform>Eleven, %n points, score %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmQuintrel</name>
    <message numerus="yes">
        <source>Time left %n second(s)</source>
        <translation>
            <numerusform>Time left %n second</numerusform>
            <numerusform>Time left %n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deck, %n card(s)</source>
        <translation>
            <numerusform>Deck, %n card</numerusform>
            <numerusform>Deck, %n cards</numerusform>
        </translation>
    </message>
</context>
</TS>
