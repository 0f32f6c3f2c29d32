<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DataCommands</name>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1 : impossible de créer le dossier</translation>
    </message>
    <message>
        <source>%1: not a data folder (tables missing)</source>
        <translation>%1 : pas un dossier de données (tables manquantes)</translation>
    </message>
    <message>
        <source>%1: another program is restoring or converting its data files; nothing was done</source>
        <translation>%1 : un autre programme restaure ou convertit ses fichiers de données ; rien n&apos;a été fait</translation>
    </message>
    <message>
        <source>%1: an interrupted restore or conversion cannot be completed: %2</source>
        <translation>%1 : une restauration ou une conversion interrompue ne peut pas être achevée : %2</translation>
    </message>
    <message>
        <source>Restore the settings too (letterhead, sales tax, report font, import folders, e-invoice details).</source>
        <translation>Restaurer aussi les réglages (papier à en-tête, taxe sur les ventes, police des rapports, dossiers d&apos;import, données de facturation électronique).</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>le dossier de données</translation>
    </message>
    <message>
        <source>the other folder</source>
        <translation>l&apos;autre dossier</translation>
    </message>
    <message>
        <source>usage: tallowby-db %1 DATADIR %2</source>
        <extracomment>%1: the command, %2: the name of its second folder (TARGETDIR, SOURCEDIR, OLDDIR)</extracomment>
        <translation>utilisation : tallowby-db %1 DATADIR %2</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1 : dossier inexistant</translation>
    </message>
    <message>
        <source>Copies the tables of DATADIR into TARGETDIR.</source>
        <translation>Copie les tables de DATADIR dans TARGETDIR.</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Replaces the tables of DATADIR by those in SOURCEDIR.</source>
        <translation>Remplace les tables de DATADIR par celles de SOURCEDIR.</translation>
    </message>
    <message>
        <source>restore failed</source>
        <translation>échec de la restauration</translation>
    </message>
    <message>
        <source>Replaces the business data of DATADIR by the earlier generation&apos;s tables in OLDDIR.</source>
        <translation>Remplace les données commerciales de DATADIR par les tables de l&apos;ancien programme dans OLDDIR.</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>échec de la conversion</translation>
    </message>
    <message>
        <source>Restore a backup without a list of its files (made by an earlier version), whose files cannot be checked.</source>
        <translation>Restaurer une sauvegarde sans liste de ses fichiers (faite par une version antérieure), dont les fichiers ne peuvent pas être vérifiés.</translation>
    </message>
    <message>
        <source>restore failed: %1 has no list of its files (a backup made by an earlier version), so its files cannot be checked; --unchecked restores it as it is</source>
        <translation>échec de la restauration : %1 n&apos;a pas de liste de ses fichiers (une sauvegarde faite par une version antérieure), ses fichiers ne peuvent donc pas être vérifiés ; --unchecked la restaure telle quelle</translation>
    </message>
    <message>
        <source>restore: %1</source>
        <translation>restauration : %1</translation>
    </message>
    <message>
        <source>%1: the e-invoice tables cannot be made: %2</source>
        <translation>%1 : impossible de créer les tables de la facturation électronique : %2</translation>
    </message>
</context>
<context>
    <name>DataTool</name>
    <message>
        <source>one JSON object per record</source>
        <translation>un objet JSON par enregistrement</translation>
    </message>
    <message>
        <source>build one index file</source>
        <translation>construire un fichier d&apos;index</translation>
    </message>
    <message>
        <source>index entries in order: recno TAB key</source>
        <translation>entrées d&apos;index dans l&apos;ordre : recno TAB key</translation>
    </message>
    <message>
        <source>seek result and record number</source>
        <translation>résultat de la recherche et numéro d&apos;enregistrement</translation>
    </message>
    <message>
        <source>verify every table and index of a folder</source>
        <translation>vérifier chaque table et chaque index d&apos;un dossier</translation>
    </message>
    <message>
        <source>remove deleted records</source>
        <translation>retirer les enregistrements supprimés</translation>
    </message>
    <message>
        <source>set a record count left too small by another program</source>
        <translation>corriger un nombre d&apos;enregistrements laissé trop petit par un autre programme</translation>
    </message>
    <message>
        <source>write the supplied tables (and a sample business)</source>
        <translation>écrire les tables fournies (et une entreprise d&apos;exemple)</translation>
    </message>
    <message>
        <source>rebuild every index file and tag group</source>
        <translation>reconstruire chaque fichier d&apos;index et groupe d&apos;index</translation>
    </message>
    <message>
        <source>copy the tables into TARGETDIR (verified)</source>
        <translation>copier les tables dans TARGETDIR (vérifiées)</translation>
    </message>
    <message>
        <source>replace the tables by a backup, all or nothing</source>
        <translation>remplacer les tables par une sauvegarde, tout ou rien</translation>
    </message>
    <message>
        <source>(the settings too)</source>
        <translation>(les réglages aussi)</translation>
    </message>
    <message>
        <source>replace the business data by the earlier generation&apos;s</source>
        <translation>remplacer les données commerciales par celles de l&apos;ancien programme</translation>
    </message>
    <message>
        <source>every table into SQLite, a PostgreSQL script or CSV files</source>
        <translation>chaque table vers SQLite, un script PostgreSQL ou des fichiers CSV</translation>
    </message>
    <message>
        <source>messages and help in LANG: de, fr or en (anywhere in the line)</source>
        <translation>messages et aide en LANG : de, fr ou en (n&apos;importe où dans la ligne)</translation>
    </message>
    <message>
        <source>usage:</source>
        <extracomment>The start of the usage lines, followed by the command line.</extracomment>
        <translation>utilisation :</translation>
    </message>
    <message>
        <source>unknown language %1 (de, fr or en)</source>
        <translation>langue inconnue %1 (de, fr ou en)</translation>
    </message>
    <message>
        <source>(card numbers whole, for a repair)</source>
        <translation>(numéros de carte en entier, pour une réparation)</translation>
    </message>
    <message>
        <source>(a backup without a list of its files, unchecked)</source>
        <translation>(une sauvegarde sans liste de ses fichiers, sans vérification)</translation>
    </message>
</context>
<context>
    <name>DemoBusiness</name>
    <message>
        <source>%1: the supplied tables are missing</source>
        <translation>%1 : les tables fournies sont manquantes</translation>
    </message>
    <message>
        <source>the e-invoice details could not be written</source>
        <translation>les données de facturation électronique n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>EngineCommands</name>
    <message numerus="yes">
        <source>%n table(s) checked, %1</source>
        <extracomment>%1: the problems found (&quot;%n problem(s)&quot;)</extracomment>
        <translation>
            <numerusform>%n table vérifiée, %1</numerusform>
            <numerusform>%n tables vérifiées, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problème</numerusform>
            <numerusform>%n problèmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) removed, %1 left</source>
        <translation>
            <numerusform>%n enregistrement retiré, il en reste %1</numerusform>
            <numerusform>%n enregistrements retirés, il en reste %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s); the count was right, nothing changed</source>
        <translation>
            <numerusform>%n enregistrement ; le nombre était juste, rien n&apos;a changé</numerusform>
            <numerusform>%n enregistrements ; le nombre était juste, rien n&apos;a changé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>record count %1 -&gt; %2; the indexes do not know the %n record(s) yet: run &quot;tallowby-db reindex&quot; on the folder (or start Tallowby there)</source>
        <extracomment>%1 -&gt; %2: the record count before and after; %n: the records added</extracomment>
        <translation>
            <numerusform>nombre d&apos;enregistrements %1 -&gt; %2 ; %n enregistrement n&apos;est pas encore connu des index : exécutez « tallowby-db reindex » sur le dossier (ou démarrez Tallowby dans celui-ci)</numerusform>
            <numerusform>nombre d&apos;enregistrements %1 -&gt; %2 ; %n enregistrements ne sont pas encore connus des index : exécutez « tallowby-db reindex » sur le dossier (ou démarrez Tallowby dans celui-ci)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Exports every table of DATADIR into a SQLite database, a PostgreSQL script or CSV files.</source>
        <translation>Exporte chaque table de DATADIR vers une base de données SQLite, un script PostgreSQL ou des fichiers CSV.</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>le dossier de données</translation>
    </message>
    <message>
        <source>Write a SQLite database.</source>
        <translation>Écrire une base de données SQLite.</translation>
    </message>
    <message>
        <source>Write a script for psql.</source>
        <translation>Écrire un script pour psql.</translation>
    </message>
    <message>
        <source>Write one CSV file per table into the folder.</source>
        <translation>Écrire un fichier CSV par table dans le dossier.</translation>
    </message>
    <message>
        <source>usage: tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR</source>
        <translation>utilisation : tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR</translation>
    </message>
    <message>
        <source>export failed: %1</source>
        <translation>échec de l&apos;export : %1</translation>
    </message>
</context>
</TS>
