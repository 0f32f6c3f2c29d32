<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CsvWriter</name>
    <message>
        <source>%1: cannot create the folder: %2</source>
        <translation>%1 : impossible de créer le dossier : %2</translation>
    </message>
    <message>
        <source>%1: cannot be synced</source>
        <translation>%1 : impossible de l&apos;écrire sur le disque</translation>
    </message>
    <message>
        <source>%1: cannot be finished</source>
        <translation>%1 : impossible de terminer</translation>
    </message>
</context>
<context>
    <name>DataExport</name>
    <message>
        <source>%1: a file of the data folder&apos;s tables</source>
        <translation>%1 : un fichier des tables du dossier de données</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1 : dossier inexistant</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1 : un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1: the file is write protected</source>
        <translation>%1 : le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>%1: a file, not a folder</source>
        <translation>%1 : un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>%1: the folder holds other files (%2); export into a new or empty folder</source>
        <extracomment>%2: one of the other files</extracomment>
        <translation>%1 : le dossier contient d&apos;autres fichiers (%2) ; exportez dans un dossier nouveau ou vide</translation>
    </message>
</context>
<context>
    <name>ExportLayout</name>
    <message>
        <source>%1: the field %2 is of another kind</source>
        <translation>%1 : le champ %2 est d&apos;un autre type</translation>
    </message>
    <message>
        <source>%1: the field %2 is missing</source>
        <translation>%1 : le champ %2 est manquant</translation>
    </message>
</context>
<context>
    <name>ExportRows</name>
    <message>
        <source>impossible dates exported as NULL</source>
        <translation>dates impossibles exportées comme NULL</translation>
    </message>
    <message>
        <source>unreadable numbers exported as NULL</source>
        <translation>nombres illisibles exportés comme NULL</translation>
    </message>
    <message>
        <source>%1, record %2: %3</source>
        <extracomment>%3: the engine&apos;s reason</extracomment>
        <translation>%1, enregistrement %2 : %3</translation>
    </message>
</context>
<context>
    <name>SqliteWriter</name>
    <message>
        <source>cannot write</source>
        <translation>impossible d&apos;écrire</translation>
    </message>
    <message>
        <source>cannot create</source>
        <translation>impossible de créer</translation>
    </message>
    <message>
        <source>cannot close</source>
        <translation>impossible de fermer</translation>
    </message>
</context>
</TS>
