<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="20"/>
        <source>Kestrix</source>
        <translation>Kestrix</translation>
    </message>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="28"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="34"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="44"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="47"/>
        <source>Close the app</source>
        <translation>Programm schließen</translation>
    </message>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="52"/>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <location filename="../src/gui/forms/mainwindow.ui" line="55"/>
        <source>Show about Qt</source>
        <translation>Informationen über Qt anzeigen</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainwindow.cpp" line="43"/>
        <source> - RUN MODE WITHOUT CHECKING</source>
        <translation> - BETRIEB OHNE PRÜFUNG</translation>
    </message>
    <message>
        <source>Add block</source>
        <translation type="vanished">Block hinzufügen</translation>
    </message>
    <message>
        <source>Add new block</source>
        <translation type="vanished">Neuen Block hinzufügen</translation>
    </message>
    <message>
        <source>Save to...</source>
        <translation type="vanished">Speichern in...</translation>
    </message>
    <message>
        <source>Creating a subdirectory</source>
        <translation type="vanished">Unterordner anlegen</translation>
    </message>
    <message>
        <source>Photo prefix</source>
        <translation type="vanished">Fotopräfix</translation>
    </message>
    <message>
        <source>Select target directory</source>
        <translation type="vanished">Zielordner wählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="vanished">Einstellungen</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation type="vanished">Einstellungen öffnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation type="vanished">Über</translation>
    </message>
    <message>
        <source>Show About window</source>
        <translation type="vanished">Über Kestrix anzeigen</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation type="vanished">Verarbeitung</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Restart requires</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>To apply the language you must restart the App</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu wechseln</translation>
    </message>
</context>
</TS>
