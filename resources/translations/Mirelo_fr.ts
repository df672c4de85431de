<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>Centre d'aide</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
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
        <translation>Voulez-vous vraiment retirer cet enregistrement de l'historique ?</translation>
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
        <translation>Saisissez l'heure :</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>Opération réussie.</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>L'opération a échoué.</translation>
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
        <translation>Échec du démarrage !</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>Impossible de charger l'apparence !</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>Certains fichiers de l'apparence n'ont pas pu être chargés !</translation>
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
        <translation>Copyright © %1 Olvex. Tous droits réservés.</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>Centre d'aide</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
</context>
</TS>
