<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BackupManifest</name>
    <message>
        <source>it is not a list of this program&apos;s backup</source>
        <translation>ce n&apos;est pas la liste d&apos;une sauvegarde de ce programme</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>la ligne %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>%1 is not the file the backup wrote</source>
        <translation>%1 n&apos;est pas le fichier écrit par la sauvegarde</translation>
    </message>
    <message>
        <source>%1 is not in the backup&apos;s list</source>
        <translation>%1 ne figure pas dans la liste de la sauvegarde</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>the copy cannot be read back</source>
        <translation>la copie ne peut pas être relue</translation>
    </message>
    <message>
        <source>the copy read back differs from the original</source>
        <translation>la copie relue diffère de l&apos;original</translation>
    </message>
    <message>
        <source>Unable to find %1</source>
        <translation>Impossible de trouver %1</translation>
    </message>
    <message>
        <source>Function Aborted</source>
        <translation>Opération interrompue</translation>
    </message>
    <message>
        <source>The restore did not happen; nothing was changed.</source>
        <translation>La restauration n&apos;a pas eu lieu ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Unable to write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Insert disk containing %1</source>
        <translation>Insérez le disque contenant %1</translation>
    </message>
    <message>
        <source>Disk Full. Insert another disk.%1</source>
        <extracomment>%1: the file that did not fit (no blank before it, as ever)</extracomment>
        <translation>Disque plein. Insérez un autre disque. %1</translation>
    </message>
    <message>
        <source>Disk is Write Protected</source>
        <translation>Le disque est protégé en écriture</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2</source>
        <translation>Impossible de copier %1 vers %2</translation>
    </message>
    <message>
        <source>Copying Data Files</source>
        <translation>Copie des fichiers de données</translation>
    </message>
    <message>
        <source>Unable to restore %1</source>
        <translation>Impossible de restaurer %1</translation>
    </message>
    <message>
        <source>Its files come from different backups.</source>
        <translation>Ses fichiers proviennent de sauvegardes différentes.</translation>
    </message>
    <message>
        <source>It lists other files than a backup of these tables.</source>
        <translation>La liste nomme d&apos;autres fichiers qu&apos;une sauvegarde de ces tables.</translation>
    </message>
    <message>
        <source>%1: the backup was cut short, or holds files of two backups.</source>
        <extracomment>%1: which file differs from the backup&apos;s list and how</extracomment>
        <translation>%1 : la sauvegarde a été interrompue, ou contient des fichiers de deux sauvegardes.</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1 : manquant</translation>
    </message>
    <message>
        <source>%1: field %2 is of another kind</source>
        <translation>%1 : le champ %2 est d&apos;un autre type</translation>
    </message>
    <message>
        <source>%1: field %2 is missing</source>
        <translation>%1 : le champ %2 est manquant</translation>
    </message>
    <message>
        <source>Backup must be to a different drive and/or directory</source>
        <translation>La sauvegarde doit se faire sur un autre lecteur ou dans un autre dossier</translation>
    </message>
    <message>
        <source>Backup Failed . . Check that disk is not write protected</source>
        <translation>Échec de la sauvegarde . . Vérifiez que le disque n&apos;est pas protégé en écriture</translation>
    </message>
    <message>
        <source>Restore must be from a different drive and/or directory</source>
        <translation>La restauration doit se faire depuis un autre lecteur ou un autre dossier</translation>
    </message>
    <message>
        <source>Restore Failed . . Check that your disk is not full.</source>
        <translation>Échec de la restauration . . Vérifiez que votre disque n&apos;est pas plein.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This backup has no list of its files (made by an earlier version), so its files cannot be checked.</source>
        <translation>Cette sauvegarde n&apos;a pas de liste de ses fichiers (faite par une version antérieure) ; ses fichiers ne peuvent donc pas être vérifiés.</translation>
    </message>
    <message>
        <source>The list of the backup&apos;s files is empty.</source>
        <translation>La liste des fichiers de la sauvegarde est vide.</translation>
    </message>
    <message>
        <source>This backup has no list of its files (made by an earlier version); restore it without checking?</source>
        <translation>Cette sauvegarde n&apos;a pas de liste de ses fichiers (faite par une version antérieure) ; la restaurer sans vérification ?</translation>
    </message>
    <message>
        <source>The backup does not hold %1 (tables added since it was made); they were left as they are.</source>
        <extracomment>%1: the tables&apos; files (&quot;CUSTEI.DBF, CUSTLANG.DBF&quot;)</extracomment>
        <translation>La sauvegarde ne contient pas %1 (tables ajoutées depuis qu&apos;elle a été faite) ; elles ont été laissées telles quelles.</translation>
    </message>
</context>
<context>
    <name>CustomerLanguage</name>
    <message>
        <source>%1 is not a language of the program.</source>
        <translation>%1 n&apos;est pas une langue du programme.</translation>
    </message>
    <message>
        <source>Unable to save the document language of customer %1.</source>
        <translation>Impossible d&apos;enregistrer la langue des documents du client %1.</translation>
    </message>
</context>
<context>
    <name>EarlierData</name>
    <message>
        <source>%1: field %2 is missing</source>
        <translation>%1 : le champ %2 est manquant</translation>
    </message>
    <message>
        <source>Transferring Item Descriptions</source>
        <translation>Transfert des désignations des lignes de facture</translation>
    </message>
    <message>
        <source>Warning: All previously entered data will be overwritten</source>
        <translation>Attention : toutes les données saisies jusqu&apos;ici seront écrasées</translation>
    </message>
    <message>
        <source>Data files not found in %1</source>
        <translation>Fichiers de données introuvables dans %1</translation>
    </message>
    <message>
        <source>Unable to convert the data files in %1</source>
        <translation>Impossible de convertir les fichiers de données de %1</translation>
    </message>
    <message>
        <source>No data was changed.</source>
        <translation>Aucune donnée n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>Converting Data Files</source>
        <translation>Conversion des fichiers de données</translation>
    </message>
</context>
<context>
    <name>FieldFit</name>
    <message>
        <source>The number %1 does not fit the field %2 (%3 characters, %4 decimals). Nothing was saved.</source>
        <translation>Le nombre %1 ne tient pas dans le champ %2 (%3 caractères, %4 décimales). Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tallowby is already running on this data folder.</source>
        <translation>Tallowby est déjà ouvert sur ce dossier de données.</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>open</source>
        <extracomment>A quote&apos;s state in the quote list.</extracomment>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expiré</translation>
    </message>
    <message>
        <source>invoiced</source>
        <translation>facturé</translation>
    </message>
    <message>
        <source>No quote number is left.</source>
        <translation>Il ne reste plus de numéro de devis.</translation>
    </message>
    <message>
        <source>Quote %1 is no longer there.</source>
        <translation>Le devis %1 n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>RecordSave</name>
    <message>
        <source>Unable to Append record . . Please try again.</source>
        <translation>Impossible d&apos;ajouter l&apos;enregistrement . . Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>RestoreQuestions</name>
    <message>
        <source>(date unknown)</source>
        <translation>(date inconnue)</translation>
    </message>
    <message>
        <source>Replace the data in %1 by the backup in %2, made %3?</source>
        <extracomment>%1: the data folder, %2: the backup&apos;s folder, %3: when the backup was made</extracomment>
        <translation>Remplacer les données de %1 par la sauvegarde de %2, faite le %3 ?</translation>
    </message>
    <message>
        <source>The backup also holds the settings: the letterhead, sales tax, report font, import folders and e-invoice details. Restore them as well?</source>
        <translation>La sauvegarde contient aussi les réglages : papier à en-tête, taxe sur les ventes, police des rapports, dossiers d&apos;import et données de facturation électronique. Les restaurer également ?</translation>
    </message>
</context>
<context>
    <name>StorableText</name>
    <message>
        <source>These characters cannot be stored and will become &quot;?&quot;: %1</source>
        <extracomment>%1: the characters, each followed by a blank</extracomment>
        <translation>Ces caractères ne peuvent pas être enregistrés et deviendront « ? » : %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Enregistrer quand même ?</translation>
    </message>
</context>
<context>
    <name>TDriveDir</name>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
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
        <source>Unable to read from drive %1</source>
        <translation>Impossible de lire le lecteur %1</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Dossier inexistant : %1</translation>
    </message>
    <message>
        <source>A new folder in %1:</source>
        <translation>Un nouveau dossier dans %1 :</translation>
    </message>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>TImportdir</name>
    <message>
        <source>Import Directories</source>
        <translation>Dossiers d&apos;import</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Customer Info Directory</source>
        <translation>Dossier des fichiers Info client</translation>
    </message>
    <message>
        <source>Order File Directory</source>
        <translation>Dossier des fichiers Order</translation>
    </message>
    <message>
        <source>Choose Customer Info Directory</source>
        <translation>Choisir le dossier des fichiers Info client</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose Order File Directory</source>
        <translation>Choisir le dossier des fichiers Order</translation>
    </message>
</context>
<context>
    <name>TableSwap</name>
    <message>
        <source>%1: not a journal of this program</source>
        <translation>%1 : ce n&apos;est pas un journal de ce programme</translation>
    </message>
    <message>
        <source>%1: unreadable line %2</source>
        <translation>%1 : ligne %2 illisible</translation>
    </message>
    <message>
        <source>%1: missing, and %2 too</source>
        <translation>%1 : manquant, et %2 aussi</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1 : impossible de créer le dossier</translation>
    </message>
    <message>
        <source>%1: cannot remove the folder</source>
        <translation>%1 : impossible de supprimer le dossier</translation>
    </message>
    <message>
        <source>Another program is restoring, converting or backing up the data files in %1.</source>
        <translation>Un autre programme restaure, convertit ou sauvegarde les fichiers de données de %1.</translation>
    </message>
    <message>
        <source>The data files in %1 are in use by another program.</source>
        <translation>Les fichiers de données de %1 sont utilisés par un autre programme.</translation>
    </message>
</context>
<context>
    <name>dbFiles</name>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>no such tag in the table&apos;s tag group</source>
        <translation>aucun index de ce nom dans le groupe d&apos;index de la table</translation>
    </message>
    <message>
        <source>the data folder is being restored or converted; nothing is damaged</source>
        <translation>le dossier de données est en cours de restauration ou de conversion ; rien n&apos;est endommagé</translation>
    </message>
    <message>
        <source>Unable to open file %1<byte value="xd"/>
Program will now terminate.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1<byte value="xd"/>
Le programme va maintenant se terminer.</translation>
    </message>
</context>
<context>
    <name>dbFilesMaintenance</name>
    <message>
        <source>Unable to make the e-invoice tables<byte value="xd"/>
%1</source>
        <translation>Impossible de créer les tables de la facturation électronique<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Rebuilding Indexes</source>
        <translation>Reconstruction des index</translation>
    </message>
    <message>
        <source>Damaged index files were found and rebuilt:<byte value="xd"/>
%1</source>
        <translation>Des fichiers d&apos;index endommagés ont été trouvés et reconstruits :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Packing Data Files</source>
        <translation>Compactage des fichiers de données</translation>
    </message>
    <message>
        <source>WARNING: You are about to erase all of your existing data.</source>
        <translation>ATTENTION : vous êtes sur le point d&apos;effacer toutes vos données.</translation>
    </message>
    <message>
        <source>Erasing Data Files</source>
        <translation>Effacement des fichiers de données</translation>
    </message>
</context>
</TS>
