<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Faults the translation check must find, one per message. -->
<TS version="2.1" language="de">
<context>
    <name>Faults</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Delete;Deletes the selected extensions</source>
        <translation>Löschen - löscht die ausgewählten Nebenstellen</translation>
    </message>
    <message>
        <source>Not yet translated</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n extensions in %1</source>
        <comment>%n extension in %1</comment>
        <translation>
            <numerusform>eine Nebenstelle in %1</numerusform>
            <numerusform>%n Nebenstellen</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Drucken...</translation>
    </message>
</context>
</TS>
