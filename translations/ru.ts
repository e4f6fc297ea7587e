<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Restart requires</source>
        <translation>Требуется перезапуск</translation>
    </message>
    <message>
        <source>To apply the language you must restart the App</source>
        <translation>Чтобы сменить язык, перезапустите программу</translation>
    </message>
</context>
</TS>
