<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Customer Support</source>
        <translation>Support client</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Site officiel</translation>
    </message>
</context>
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation>Zone fixe</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (plein écran)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>Choisir zone/fenêtre</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Select region/window</source>
        <translation>Choisir zone/fenêtre</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
</context>
<context>
    <name>AreaSelecting</name>
    <message>
        <source>Left: %1 Top: %2</source>
        <translation>Gauche : %1 Haut : %2</translation>
    </message>
</context>
<context>
    <name>AudioDeviceList</name>
    <message>
        <source>Record without System Sound</source>
        <translation>Enregistrer sans le son système</translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation>Enregistrer sans microphone</translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Record without System Sound</source>
        <translation>Enregistrer sans le son système</translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation>Rapport de bug</translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation>Signalez-nous tout problème rencontré lors de l&apos;utilisation de ce logiciel. Nous vous répondrons dès réception de votre message.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation>Aucun compte de messagerie n&apos;est configuré pour les rapports de bogue (MailHost dans le groupe Services des paramètres) : le rapport n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation>Le certificat du serveur de messagerie n&apos;est pas reconnu comme fiable : le rapport n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation>Le serveur de messagerie a refusé la connexion du compte des rapports de bogue.</translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation>Le serveur de messagerie est injoignable. Vérifiez la connexion réseau et réessayez.</translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
        <translation>Le serveur de messagerie n&apos;a pas accepté le rapport. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>Centre d&apos;aide</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>Paramètres de la caméra</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>L&apos;emplacement des captures d&apos;écran n&apos;est pas valide. Veuillez le choisir à nouveau dans les paramètres.</translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation>Impossible de prendre la photo.</translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation>Épingler à l&apos;écran</translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation>Coller à l&apos;écran</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>CarmeraListClass</name>
    <message>
        <source>Manager</source>
        <translation>Gérer</translation>
    </message>
    <message>
        <source>Record without Webcam</source>
        <translation>Enregistrer sans webcam</translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation>Paramètres de la caméra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Lower Right </source>
        <translation>En bas à droite </translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
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
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure to remove the history recording from the list?</source>
        <translation>Voulez-vous vraiment retirer cet enregistrement de l&apos;historique ?</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>Supprimer le fichier local</translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation>Voulez-vous vraiment supprimer cette tâche planifiée ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation>Nouveau nom de la tâche planifiée :</translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation>Saisissez l&apos;heure :</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>Opération réussie.</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>L&apos;opération a échoué.</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation>Nouveau nom de fichier :</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>Supprimer le fichier local</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>Option d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>La durée d&apos;enregistrement doit être d&apos;au moins 1 seconde.</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>L&apos;emplacement des captures d&apos;écran n&apos;est pas valide. Veuillez le choisir à nouveau dans les paramètres.</translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation>Impossible d&apos;enregistrer la capture d&apos;écran.</translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation>Impossible de démarrer l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation>L&apos;enregistrement a été arrêté : son fichier %1 a été supprimé pendant l&apos;écriture. L&apos;enregistrement est perdu.</translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation>L&apos;enregistrement a été arrêté : le disque est plein. Ce qui a été enregistré jusque-là est conservé dans %1.</translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation>L&apos;enregistrement a été arrêté : le son enregistré a disparu (son périphérique a été retiré ou le serveur de son s&apos;est arrêté). Ce qui a été enregistré jusque-là est conservé dans %1.</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation>L&apos;enregistrement a été arrêté : son fichier %1 n&apos;a pas pu être écrit. Ce qui a été enregistré jusque-là est conservé.</translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation>Impossible de démarrer l’enregistrement : aucune de ses sources (zone de l’écran, webcam, son système, microphone) n’est disponible.</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>périphérique %1</translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>La webcam choisie pour cet enregistrement n’était pas là : &quot;%1&quot; a enregistré à sa place.</translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>Le périphérique de son système choisi pour cet enregistrement n’était pas là : &quot;%1&quot; a enregistré à sa place.</translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>Le microphone choisi pour cet enregistrement n’était pas là : &quot;%1&quot; a enregistré à sa place.</translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation>Aucune webcam n’était présente : l’enregistrement a été fait sans webcam.</translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation>Aucun périphérique de son système n’était présent : l’enregistrement a été fait sans le son système.</translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation>Aucun microphone n’était présent : l’enregistrement a été fait sans microphone.</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Record length</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation>Éteindre après l&apos;enregistrement</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>Son système</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation>Un rapport de bug est en cours d&apos;envoi. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation>Veuillez décrire clairement le problème avant l&apos;envoi.</translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation>Erreur inconnue. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation>Échec de l&apos;envoi. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation>Rapport de bug envoyé !</translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation>Échec de l&apos;envoi du rapport de bug !</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation>Ce bureau n&apos;a pas de page de confidentialité pour la webcam. Vérifiez que votre utilisateur peut utiliser le périphérique vidéo et qu&apos;aucun autre programme ne l&apos;occupe.</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation>Ce bureau n&apos;a pas de page de confidentialité pour le micro. Vérifiez que le serveur audio autorise l&apos;enregistrement et que l&apos;entrée n&apos;est pas muette.</translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation>Mise à jour : produit introuvable.</translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation>Mise à jour : erreur de données XML.</translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation>Délai dépassé lors de la demande des données.</translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation>Connexion à Internet impossible. Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation>Autre erreur. Veuillez contacter notre service client.</translation>
    </message>
</context>
<context>
    <name>CountDownClass</name>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation>Démarrer/arrêter l&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
        <translation>Pause/reprise de l&apos;enregistrement :</translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation>Choisir la zone</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>Proportions déverrouillées</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
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
        <translation>Encodeur logiciel</translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation>Encodeur matériel Intel</translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation>Encodeur matériel Nvidia</translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation>Encodeur matériel AMD</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The recording engine was not found:
%1</source>
        <translation>Moteur d&apos;enregistrement introuvable :
%1</translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation>Impossible de charger le moteur d&apos;enregistrement :
%1
%2</translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation>Le moteur d&apos;enregistrement %1 n&apos;a pas de point d&apos;entrée &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation>Le moteur d&apos;enregistrement %1 ne prend pas en charge ces opérations :
%2</translation>
    </message>
</context>
<context>
    <name>GraphicEditorClass</name>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation>Aérographe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Callout</source>
        <translation>Bulle</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation>Quitter le mode dessin</translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation>Choisissez un outil pour dessiner !</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Slim</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Épais</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Très épais</translation>
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
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R :</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G :</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B :</translation>
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
        <translation>Le fichier local a été renommé, déplacé ou supprimé. Voulez-vous le retirer de l&apos;historique ?</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation>Ces fichiers n&apos;ont pas pu être supprimés et restent dans la liste :
%1</translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation>Aucune application n&apos;a pu ouvrir « %1 ». Veuillez installer un lecteur multimédia, ou en choisir un pour ce type de fichier dans les paramètres du bureau.</translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Record more</source>
        <translation>Enregistrer encore</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Other tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>Convert and edit recording</source>
        <translation>Convertir et modifier l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation>Graver sur DVD/Blu-ray</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation>il ne contient aucun historique</translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation>L&apos;historique n&apos;a pas pu être lu depuis %1 (%2). Il repart vide ; le fichier est conservé à côté comme sauvegarde.</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation>son image de %1 x %2 pixels est trop grande</translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation>ses %1 images sont trop grandes ensemble</translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation>ses images ne peuvent pas être mesurées avant d&apos;être décodées</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation>son dessin contient plus de %1 Mo de texte</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation>son dessin contient plus de %1 éléments</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation>le disque ou le dossier l&apos;a refusé</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>il dépasse %1 octets</translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation>Impossible d&apos;enregistrer %1 :
%2
Son contenu précédent est conservé.</translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation>%1 n&apos;a pas pu être lu et a été conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>ce n&apos;est pas du XML bien formé (ligne %1 : %2)</translation>
    </message>
</context>
<context>
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation>Impossible d&apos;ouvrir la caméra.</translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation>L&apos;emplacement des fichiers de sortie n&apos;est pas valide. Veuillez le choisir à nouveau dans les paramètres.</translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
        <translation>Tâches planifiées (%1)</translation>
    </message>
    <message>
        <source>No webcam detected.</source>
        <translation>Aucune webcam détectée.</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>All Display</source>
        <translation>Tous les écrans</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Écran %1</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>Choisir zone/fenêtre</translation>
    </message>
    <message>
        <source>Fixed region</source>
        <translation>Zone fixe</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (plein écran)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Recently used size</source>
        <translation>Taille récente</translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation>Enregistrer plein écran</translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation>Enregistrer une zone</translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation>Enregistrer la caméra</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>ÉCRAN %1</translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation>Filigrane (%1)</translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation>Durée d&apos;enreg. (%1)</translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation>Sans webcam, le mode passe à l&apos;enregistrement audio. Continuer ?</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation>Impossible d&apos;écrire dans l&apos;emplacement des fichiers de sortie. Veuillez en choisir un autre dans les paramètres.</translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>Les icônes du bureau ne peuvent pas être masquées sur ce bureau : elles restent dans l’enregistrement.</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>Les icônes du bureau et la barre des tâches ne peuvent pas être masquées sur ce bureau : elles restent dans l’enregistrement.</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>La barre des tâches ne peut pas être masquée sur ce bureau : elle reste dans l’enregistrement.</translation>
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
        <translation>Enregistrer l&apos;écran</translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation>Enregistrer la webcam</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation>Autour de la souris</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
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
        <translation>Son système</translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
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
        <translation>Durée :</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>Éteindre après l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>Cette fois seulement</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>À chaque fois</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation>Planificateur</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation>Choisir une zone</translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation>Zone fixe</translation>
    </message>
</context>
<context>
    <name>MyAboutView</name>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>MyApplication</name>
    <message>
        <source>Initiating failed!</source>
        <translation>Échec du démarrage !</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>Impossible de charger l&apos;apparence !</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>Certains fichiers de l&apos;apparence n&apos;ont pas pu être chargés !</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage</translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation>Aucun dossier personnel utilisable (HOME n&apos;est pas défini, désigne la racine du système de fichiers ou n&apos;existe pas), le programme ne peut donc pas enregistrer ses paramètres.</translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation>La description est obligatoire.</translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation>Format d&apos;e-mail incorrect !</translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation>Proportions verrouillées</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>Proportions déverrouillées</translation>
    </message>
</context>
<context>
    <name>MyFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>L&apos;emplacement des captures d&apos;écran n&apos;est pas valide. Veuillez le choisir à nouveau dans les paramètres.</translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation>Échec de l&apos;enregistrement de la capture.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Rapport de bug</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>Option d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide d&apos;utilisation</translation>
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
        <translation>Copyright © %1 Olvex. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Update available:</source>
        <translation>Mise à jour disponible :</translation>
    </message>
</context>
<context>
    <name>PatchLauncher</name>
    <message>
        <source>Please restart program to complete patching.</source>
        <translation>Veuillez redémarrer le programme pour terminer la mise à jour.</translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>La durée d&apos;enregistrement doit être d&apos;au moins 1 seconde.</translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>Éteindre après l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>Cette fois seulement</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>À chaque fois</translation>
    </message>
</context>
<context>
    <name>ScreenAccess</name>
    <message>
        <source>In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.</source>
        <translation>Dans une session Wayland, l’écran ne peut pas être enregistré : les enregistrements de l’écran ou d’une zone et les captures d’écran seraient entièrement noirs. Ouvrez une session X11 pour enregistrer l’écran. Les enregistrements du son et de la webcam fonctionnent ici.</translation>
    </message>
</context>
<context>
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image dans %1.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation>Choisir le dossier des captures</translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation>Impossible d&apos;ouvrir les paramètres de souris de ce bureau.</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation>Ce raccourci est déjà utilisé, veuillez le modifier.</translation>
    </message>
</context>
<context>
    <name>SettingsClass</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation>   Enregistrement</translation>
    </message>
    <message>
        <source>   Output</source>
        <translation>   Sortie</translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation>   Souris</translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation>   Raccourcis</translation>
    </message>
    <message>
        <source>   Others</source>
        <translation>   Autres</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation>Compte à rebours avant l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation>Bip au début de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation>Afficher le cadre d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation>Masquer la barre pendant l&apos;enreg.</translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation>Autoriser le déplacement de la zone en cours d&apos;enreg.</translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation>Masquer les icônes du bureau pendant l&apos;enreg.</translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation>Masquer la barre des tâches pendant l&apos;enreg.</translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation>Masquer la fenêtre principale lors d&apos;une capture</translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation>Ouvrir l&apos;historique après l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation>Dossier des fichiers de sortie :</translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation>Dossier des captures d&apos;écran :</translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation>Format de capture :</translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation>Format vidéo :</translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation>Encodeur vidéo :</translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation>Qualité vidéo :</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Fréquence d&apos;images :</translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation>Format audio :</translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation>Qualité audio :</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation>Afficher le curseur</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Paramètres de la souris</translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation>Enregistrer les clics</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation>Sélectionnez un raccourci puis saisissez les touches au clavier ; il sera enregistré automatiquement. </translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation>Démarrer/arrêter l&apos;enreg. :</translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation>Pause/reprise de l&apos;enreg. :</translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation>Capture d&apos;écran :</translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation>Ouvrir/fermer la webcam :</translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation>Afficher/masquer la barre :</translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation>Rétablir les raccourcis</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher les mises à jour automatiquement</translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation>Lancer le programme au démarrage de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>When close main panel:</source>
        <translation>À la fermeture de la fenêtre :</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Rétablir par défaut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Le fichier d&apos;habillage %1 n&apos;est pas utilisé : %2.</translation>
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
        <translation>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;Plus d&apos;informations&lt;/a&gt;</translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>Après avoir accordé l&apos;autorisation, veuillez réessayer.&lt;br&gt;Si le problème persiste, &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contactez-nous&lt;/a&gt;.</translation>
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
        <translation>Le programme ne peut pas ouvrir le micro ou la caméra :
- un autre programme utilise peut-être le périphérique : fermez-le et réessayez ;
- votre utilisateur n&apos;a peut-être pas les droits sur le périphérique (les caméras appartiennent en général au groupe « video ») ;
- certains bureaux ont des paramètres de confidentialité qui interdisent aux programmes l&apos;accès aux caméras et aux micros.</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation>Ouvrir les paramètres de confidentialité du bureau</translation>
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
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation>Afficher la barre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation>Masquer la barre</translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New task</source>
        <translation>Nouvelle tâche</translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation>Planificateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Nouvelle tâche</translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation>Aucune tâche planifiée. Cliquez sur &quot;Ajouter&quot; pour en créer une.</translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation>Astuce : le logiciel démarre avec le système pour exécuter les tâches à temps. Vous pouvez modifier cela dans les paramètres.</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation>TOUS LES ÉCRANS</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>ÉCRAN %1</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation>Perso.(X:%1,Y:%2;%3x%4)</translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation>Veuillez choisir une heure de début future.</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>La durée d&apos;enregistrement doit être d&apos;au moins 1 seconde.</translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation>Sélectionnez au moins Écran, Caméra, Audio ou Microphone.</translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation>Cette tâche chevauche la tâche %1</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation>Planificateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Nom de la tâche</translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation>Saisissez le nom de la tâche</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>Boucle :</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Record area</source>
        <translation>Zone d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>System sound</source>
        <translation>Son système</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation>Zone webcam</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>Éteindre après l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
        <translation>Astuce : pour que la tâche s&apos;exécute, l&apos;ordinateur ne doit pas être en veille ni verrouillé.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>« %1 » (%2)</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation>Ces enregistrements programmés ne seront pas lancés :</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation>Ces enregistrements programmés ne seront pas lancés. Leurs fichiers de tâche sont conservés dans %1 :</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Illisibles :</translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation>Contiennent une durée d’enregistrement, un nombre de répétitions ou une autre valeur hors limites :</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation>Enregistrement programmé « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation>(Répéter)</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>   Name</source>
        <translation>   Nom</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>Centre d&apos;aide</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation>Presque terminé...</translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation>Échec de la vérification, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Vous utilisez la dernière version.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation>Ouvrir un fichier image</translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation>Images (*.png *.jpeg *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation>Impossible de lire le fichier image.</translation>
    </message>
    <message>
        <source>The image file cannot be used: %1.</source>
        <translation>Le fichier image ne peut pas être utilisé : %1.</translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation>Filigrane par défaut</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation>Aucun filigrane</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Filigrane texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Filigrane image</translation>
    </message>
    <message>
        <source>Select image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacité :</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Gauche :</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation>Conserver la taille définie </translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation>Aperçu plein écran</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Appuyez sur &quot;Esc&quot; pour quitter l&apos;aperçu plein écran</translation>
    </message>
</context>
</TS>
