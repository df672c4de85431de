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
    <message>
        <source>Customer Support</source>
        <translation>Kundensupport</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Offizielle Website</translation>
    </message>
</context>
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation>Fester Bereich</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (Vollbild)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>Bereich/Fenster wählen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Select region/window</source>
        <translation>Bereich/Fenster wählen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>AreaSelecting</name>
    <message>
        <source>Left: %1 Top: %2</source>
        <translation>Links: %1 Oben: %2</translation>
    </message>
</context>
<context>
    <name>AudioDeviceList</name>
    <message>
        <source>Record without System Sound</source>
        <translation>Ohne Systemton aufnehmen</translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation>Ohne Mikrofon aufnehmen</translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Record without System Sound</source>
        <translation>Ohne Systemton aufnehmen</translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation>Bitte melden Sie uns alle Probleme, die bei der Nutzung dieser Software aufgetreten sind. Wir antworten Ihnen, sobald wir Ihre Meldung erhalten haben.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation>Für Fehlerberichte ist kein E-Mail-Konto eingerichtet (MailHost in der Gruppe Services der Einstellungen), daher wurde der Bericht nicht gesendet.</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation>Dem Zertifikat des Mailservers wird nicht vertraut, daher wurde der Bericht nicht gesendet.</translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation>Der Mailserver hat die Anmeldung des Kontos für Fehlerberichte abgelehnt.</translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation>Der Mailserver ist nicht erreichbar. Prüfen Sie die Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
        <translation>Der Mailserver hat den Bericht nicht angenommen. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
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
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>Der Speicherort für Screenshots ist ungültig. Bitte wählen Sie ihn in den Einstellungen neu aus.</translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation>Das Foto konnte nicht aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation>An Bildschirm heften</translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation>Auf Bildschirm einfügen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>CarmeraListClass</name>
    <message>
        <source>Manager</source>
        <translation>Verwalten</translation>
    </message>
    <message>
        <source>Record without Webcam</source>
        <translation>Ohne Webcam aufnehmen</translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Lower Right </source>
        <translation>Unten rechts </translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
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
        <source>Olvex Mirelo</source>
        <translation>Olvex Mirelo</translation>
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
    <name>ControlPanel</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>Aufnahmeoption</translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation>Aufnahmedauer</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>Die Aufnahmedauer muss mindestens 1 Sekunde betragen.</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>Der Speicherort für Screenshots ist ungültig. Bitte wählen Sie ihn in den Einstellungen neu aus.</translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation>Der Screenshot konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation>Die Aufnahme konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation>Die Aufnahme wurde beendet: Ihre Datei %1 wurde während des Schreibens entfernt. Die Aufnahme ist verloren.</translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation>Die Aufnahme wurde beendet: Der Datenträger ist voll. Das bis dahin Aufgenommene bleibt in %1 erhalten.</translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation>Die Aufnahme wurde beendet: Der aufgenommene Ton ist weg (sein Gerät wurde entfernt oder der Soundserver wurde beendet). Das bis dahin Aufgenommene bleibt in %1 erhalten.</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation>Die Aufnahme wurde beendet: Ihre Datei %1 konnte nicht geschrieben werden. Das bis dahin Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation>Die Aufnahme konnte nicht gestartet werden: Keine ihrer Quellen (Bildschirmbereich, Webcam, Systemton, Mikrofon) ist vorhanden.</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>Die für diese Aufnahme gewählte Webcam war nicht vorhanden: Stattdessen wurde mit &quot;%1&quot; aufgenommen.</translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>Das für diese Aufnahme gewählte Gerät für den Systemton war nicht vorhanden: Stattdessen wurde mit &quot;%1&quot; aufgenommen.</translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>Das für diese Aufnahme gewählte Mikrofon war nicht vorhanden: Stattdessen wurde mit &quot;%1&quot; aufgenommen.</translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation>Es war keine Webcam vorhanden: Die Aufnahme wurde ohne Webcam gemacht.</translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation>Es war kein Gerät für den Systemton vorhanden: Die Aufnahme wurde ohne Systemton gemacht.</translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation>Es war kein Mikrofon vorhanden: Die Aufnahme wurde ohne Mikrofon gemacht.</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Record length</source>
        <translation>Aufnahmedauer</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation>Nach der Aufnahme herunterfahren</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>Systemton</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation>Ein Fehlerbericht wird gerade gesendet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation>Bitte beschreiben Sie das Problem vor dem Senden genau.</translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation>Unbekannter Fehler. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation>Senden fehlgeschlagen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation>Fehlerbericht erfolgreich gesendet!</translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation>Fehlerbericht konnte nicht gesendet werden!</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation>Dieser Desktop hat keine Datenschutzseite für die Webcam. Stellen Sie sicher, dass Ihr Benutzer das Videogerät nutzen darf und kein anderes Programm es belegt.</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation>Dieser Desktop hat keine Datenschutzseite für das Mikrofon. Stellen Sie sicher, dass der Soundserver Aufnahmen erlaubt und der Eingang nicht stummgeschaltet ist.</translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation>Update: Produkteintrag nicht gefunden.</translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation>Update: XML-Datenfehler.</translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation>Zeitüberschreitung beim Abrufen der Serverdaten.</translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation>Keine Verbindung zum Internet. Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation>Sonstiger Fehler. Bitte wenden Sie sich an unseren Kundendienst.</translation>
    </message>
</context>
<context>
    <name>CountDownClass</name>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation>Aufnahme starten/stoppen:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
        <translation>Aufnahme anhalten/fortsetzen:</translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation>Bereich wählen</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>Seitenverhältnis entsperrt</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation>Software-Encoder</translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation>Intel-Hardware-Encoder</translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation>Nvidia-Hardware-Encoder</translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation>AMD-Hardware-Encoder</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The recording engine was not found:
%1</source>
        <translation>Die Aufnahme-Engine wurde nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation>Die Aufnahme-Engine konnte nicht geladen werden:
%1
%2</translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation>Die Aufnahme-Engine %1 hat keinen Einstiegspunkt &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation>Der Aufnahme-Engine %1 fehlen folgende Funktionen:
%2</translation>
    </message>
</context>
<context>
    <name>GraphicEditorClass</name>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation>Sprühdose</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Callout</source>
        <translation>Sprechblase</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radiergummi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation>Zeichenmodus beenden</translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation>Wählen Sie ein Werkzeug zum Zeichnen!</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Slim</source>
        <translation>Dünn</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Dick</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Sehr dick</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>27</source>
        <translation>27</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>31</source>
        <translation>31</translation>
    </message>
    <message>
        <source>32</source>
        <translation>32</translation>
    </message>
    <message>
        <source>33</source>
        <translation>33</translation>
    </message>
    <message>
        <source>34</source>
        <translation>34</translation>
    </message>
    <message>
        <source>35</source>
        <translation>35</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>37</source>
        <translation>37</translation>
    </message>
    <message>
        <source>38</source>
        <translation>38</translation>
    </message>
    <message>
        <source>39</source>
        <translation>39</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The local file has been renamed, moved, or deleted. Do you want remove it from recording history?</source>
        <translation>Die lokale Datei wurde umbenannt, verschoben oder gelöscht. Möchten Sie sie aus dem Aufnahmeverlauf entfernen?</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation>Diese Dateien konnten nicht gelöscht werden und bleiben in der Liste:
%1</translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation>Keine Anwendung konnte „%1“ öffnen. Bitte installieren Sie einen Mediaplayer oder wählen Sie in den Einstellungen der Arbeitsumgebung ein Programm für diese Art von Datei.</translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation>Aufnahmeverlauf</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Record more</source>
        <translation>Weitere Aufnahme</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Other tools</source>
        <translation>Weitere Tools</translation>
    </message>
    <message>
        <source>Convert and edit recording</source>
        <translation>Aufnahme konvertieren und bearbeiten</translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation>Aufnahme auf DVD/Blu-ray brennen</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation>sie enthält keinen Verlauf</translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation>Der Verlauf konnte nicht aus %1 gelesen werden (%2). Er beginnt leer; die Datei wird daneben als Sicherung aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation>sein Bild von %1 x %2 Pixeln ist zu groß</translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation>seine %1 Bilder sind zusammen zu groß</translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation>seine Bilder lassen sich vor dem Dekodieren nicht vermessen</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation>seine Zeichnung enthält mehr als %1 MB Text</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation>seine Zeichnung enthält mehr als %1 Elemente</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation>der Datenträger oder der Ordner hat es abgelehnt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation>%1 konnte nicht gespeichert werden:
%2
Der bisherige Inhalt bleibt erhalten.</translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation>%1 konnte nicht gelesen werden und wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>ihre Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>es ist kein wohlgeformtes XML (Zeile %1: %2)</translation>
    </message>
</context>
<context>
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation>Die Kamera konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation>Der Speicherort für Ausgabedateien ist ungültig. Bitte wählen Sie ihn in den Einstellungen neu aus.</translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
        <translation>Aufgabenplanung (%1)</translation>
    </message>
    <message>
        <source>No webcam detected.</source>
        <translation>Keine Webcam erkannt.</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>All Display</source>
        <translation>Alle Bildschirme</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Bildschirm %1</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>Bereich/Fenster wählen</translation>
    </message>
    <message>
        <source>Fixed region</source>
        <translation>Fester Bereich</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (Vollbild)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Recently used size</source>
        <translation>Zuletzt verwendete Größe</translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation>Vollbild aufnehmen</translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation>Bereich aufnehmen</translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation>Kamera aufnehmen</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>Audio aufnehmen</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>BILDSCHIRM %1</translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation>Wasserzeichen (%1)</translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation>Aufnahmedauer (%1)</translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation>Ohne Webcam wird in den Audioaufnahme-Modus gewechselt. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation>In den Speicherort für Ausgabedateien kann nicht geschrieben werden. Bitte wählen Sie in den Einstellungen einen anderen aus.</translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>Die Desktopsymbole lassen sich auf diesem Desktop nicht ausblenden: Sie bleiben in der Aufnahme.</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>Die Desktopsymbole und die Taskleiste lassen sich auf diesem Desktop nicht ausblenden: Sie bleiben in der Aufnahme.</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>Die Taskleiste lässt sich auf diesem Desktop nicht ausblenden: Sie bleibt in der Aufnahme.</translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>Record Screen</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation>Webcam aufnehmen</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>Audio aufnehmen</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation>Um Mauszeiger</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>Systemton</translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>800</source>
        <translation>800</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>Record Length:</source>
        <translation>Aufnahmedauer:</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>Nach Aufnahme herunterfahren.</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>Nur dieses Mal</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>Jedes Mal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation>Aufnahmeverlauf</translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation>Aufnahmedauer</translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation>Aufgabenplanung</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation>Bereich wählen</translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation>Fester Bereich</translation>
    </message>
</context>
<context>
    <name>MyAboutView</name>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Alle Rechte vorbehalten.</translation>
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
    <message>
        <source>cannot open the display</source>
        <translation>Display kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation>Es gibt keinen nutzbaren Home-Ordner (HOME ist nicht gesetzt, ist das Wurzelverzeichnis oder existiert nicht), daher kann das Programm seine Einstellungen nirgends speichern.</translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation>Eine Beschreibung ist erforderlich.</translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation>Ungültiges E-Mail-Format!</translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation>Seitenverhältnis gesperrt</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>Seitenverhältnis entsperrt</translation>
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
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>Der Speicherort für Screenshots ist ungültig. Bitte wählen Sie ihn in den Einstellungen neu aus.</translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation>Screenshot konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>Aufnahmeoption</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
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
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Update available:</source>
        <translation>Update verfügbar:</translation>
    </message>
</context>
<context>
    <name>PatchLauncher</name>
    <message>
        <source>Please restart program to complete patching.</source>
        <translation>Bitte starten Sie das Programm neu, um das Update abzuschließen.</translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>Die Aufnahmedauer muss mindestens 1 Sekunde betragen.</translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation>Aufnahmedauer:</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>Nach Aufnahme herunterfahren.</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>Nur dieses Mal</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>Jedes Mal</translation>
    </message>
</context>
<context>
    <name>ScreenAccess</name>
    <message>
        <source>In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.</source>
        <translation>In einer Wayland-Sitzung kann der Bildschirm nicht aufgenommen werden: Bildschirm- und Bereichsaufnahmen sowie Bildschirmfotos wären nur schwarz. Melden Sie sich in einer X11-Sitzung an, um den Bildschirm aufzunehmen. Ton- und Webcam-Aufnahmen funktionieren hier.</translation>
    </message>
</context>
<context>
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation>JPEG (*.jpeg *.jpg);;Bilder (*.jpeg *.jpg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Das Bild konnte nicht unter %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation>Screenshot-Ordner wählen</translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation>Die Mauseinstellungen dieses Desktops konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation>Das Tastenkürzel wird bereits verwendet. Bitte ändern Sie es.</translation>
    </message>
</context>
<context>
    <name>SettingsClass</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation>   Aufnahme</translation>
    </message>
    <message>
        <source>   Output</source>
        <translation>   Ausgabe</translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation>   Maus</translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation>   Tastenkürzel</translation>
    </message>
    <message>
        <source>   Others</source>
        <translation>   Sonstiges</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation>Countdown vor Aufnahme anzeigen</translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation>Signalton bei Aufnahmestart</translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation>Aufnahmerahmen anzeigen</translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation>Leiste bei Aufnahme ausblenden</translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation>Verschieben des Bereichs bei Aufnahme erlauben</translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation>Desktopsymbole bei Aufnahme ausblenden</translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation>Taskleiste bei Aufnahme automatisch ausblenden</translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation>Hauptfenster bei Screenshot ausblenden</translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation>Verlauf nach Aufnahme automatisch öffnen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation>Speicherort für Ausgabedateien:</translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation>Speicherort für Screenshots:</translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation>Screenshot-Format:</translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation>Videoformat:</translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation>Video-Encoder:</translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation>Videoqualität:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation>Audioformat:</translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation>Audioqualität:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation>Mauszeiger anzeigen</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation>Mausklicks aufnehmen</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation>Wählen Sie ein Tastenkürzel und drücken Sie die Tasten auf der Tastatur; es wird automatisch gespeichert. </translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation>Aufnahme starten/stoppen:</translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation>Aufnahme anhalten/fortsetzen:</translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation>Screenshot:</translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation>Webcam ein/aus:</translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation>Leiste ein-/ausblenden:</translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation>Tastenkürzel zurücksetzen</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation>Programm beim Hochfahren des Computers automatisch starten.</translation>
    </message>
    <message>
        <source>When close main panel:</source>
        <translation>Beim Schließen des Hauptfensters:</translation>
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
        <source>Restore Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SkinManager</name>
    <message>
        <source>The skin file %1 is not used: %2.</source>
        <translation>Die Skin-Datei %1 wird nicht verwendet: %2.</translation>
    </message>
</context>
<context>
    <name>SystemPrivacyWidget</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;More information&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;Weitere Informationen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>Bitte versuchen Sie es nach der Freigabe erneut.&lt;br&gt;Besteht das Problem weiterhin, &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;kontaktieren Sie uns&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The program cannot open the microphone or the camera:
- another program may be using the device: close it and try again;
- your user may lack the rights to the device (cameras usually belong to the group &quot;video&quot;);
- some desktops have privacy settings that keep programs from cameras and microphones.</source>
        <translation>Das Programm kann das Mikrofon oder die Kamera nicht öffnen:
- ein anderes Programm verwendet das Gerät womöglich: Schließen Sie es und versuchen Sie es erneut;
- Ihrem Benutzer fehlen womöglich die Rechte für das Gerät (Kameras gehören meist zur Gruppe „video“);
- manche Desktops haben Datenschutzeinstellungen, die Programmen den Zugriff auf Kameras und Mikrofone verwehren.</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation>Datenschutzeinstellungen des Desktops öffnen</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation>Leiste anzeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation>Leiste ausblenden</translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>New task</source>
        <translation>Neue Aufgabe</translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation>Aufgabenplanung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation>Keine geplanten Aufgaben. Klicken Sie auf &quot;Hinzufügen&quot;, um eine zu erstellen.</translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation>Tipp: Das Programm startet automatisch mit dem System, damit Aufgaben pünktlich ausgeführt werden. Sie können dies in den Einstellungen ändern.</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation>Alle BILDSCHIRME</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>BILDSCHIRM %1</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation>Benutzerdef.(X:%1,Y:%2;%3x%4)</translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation>Bitte wählen Sie eine Startzeit in der Zukunft.</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>Die Aufnahmedauer muss mindestens 1 Sekunde betragen.</translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation>Wählen Sie mindestens Bildschirm, Kamera, Audio oder Mikrofon.</translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation>Diese Aufgabe überschneidet sich zeitlich mit Aufgabe %1</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation>Aufgabenplanung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Aufgabenname</translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation>Bitte Aufgabennamen eingeben</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>Aufnahmedauer</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>Schleife:</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Record area</source>
        <translation>Aufnahmebereich</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>System sound</source>
        <translation>Systemton</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation>Webcam-Bereich</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>Nach Aufnahme herunterfahren.</translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
        <translation>Tipp: Damit die Aufgabe ausgeführt wird, darf der Computer nicht im Ruhezustand oder gesperrt sein.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TaskScheduleList</name>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation>Diese geplanten Aufnahmen werden nicht ausgeführt:</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation>Diese geplanten Aufnahmen werden nicht ausgeführt. Ihre Aufgabendateien werden in %1 aufbewahrt:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Nicht lesbar:</translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation>Enthalten eine Aufnahmedauer, Wiederholungszahl oder einen anderen Wert außerhalb des zulässigen Bereichs:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation>Geplante Aufnahme „%1“: %2</translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation>(Wiederholen)</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>   Name</source>
        <translation>   Name</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
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
<context>
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation>Software-Update</translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation>Fast fertig...</translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation>Updateprüfung fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Sie verwenden die neueste Version.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation>Bilddatei öffnen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation>Bilder (*.png *.jpeg *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation>Die Bilddatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The image file cannot be used: %1.</source>
        <translation>Die Bilddatei kann nicht verwendet werden: %1.</translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation>Standard-Wasserzeichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation>Kein Wasserzeichen</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Text-Wasserzeichen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Bild-Wasserzeichen</translation>
    </message>
    <message>
        <source>Select image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation>Festgelegte Größe beibehalten </translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation>Vollbildvorschau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WatermarkEditor</name>
    <message>
        <source>Press &quot;Esc&quot; to exit Full-Screen Preview</source>
        <translation>Drücken Sie &quot;Esc&quot;, um die Vollbildvorschau zu beenden</translation>
    </message>
</context>
</TS>
