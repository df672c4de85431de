<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>Hilfe-Center</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No longer tips</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Are you sure to remove the history recording from the list?</source>
        <translation>Soll diese Aufnahme wirklich aus dem Verlauf entfernt werden?</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>Lokale Datei löschen</translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation>Soll dieser geplante Auftrag wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation>Neuer Name des geplanten Auftrags:</translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation>Uhrzeit eingeben:</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>Vorgang erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>Vorgang fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>CommonDialogClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olvex Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation>Neuer Dateiname:</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>Lokale Datei löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyApplication</name>
    <message>
        <source>Initiating failed!</source>
        <translation>Start fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>Die Oberfläche konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>Einige Dateien der Oberfläche konnten nicht geladen werden!</translation>
    </message>
</context>
<context>
    <name>MyFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MySplashScreen</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Olvex. All rights reserved.</source>
        <translation>Copyright © %1 Olvex. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>MySplashScreenView</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>Hilfe-Center</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
</context>
</TS>
