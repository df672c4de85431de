<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
</context>
<context>
    <name>SystemPrivacyWidget</name>
    <message>
        <source>OK</source>
        <translation>Gut</translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
</context>
</TS>
