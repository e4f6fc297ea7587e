<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Only the restart notice: a test checks that it appears in the language just chosen. -->
<TS version="2.1" language="de_DE">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Restart requires</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>To apply the language you must restart the App</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu übernehmen</translation>
    </message>
</context>
</TS>
