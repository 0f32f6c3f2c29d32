<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CsvWriter</name>
    <message>
        <source>%1: cannot create the folder: %2</source>
        <translation>%1: Der Ordner kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: cannot be synced</source>
        <translation>%1: kann nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>%1: cannot be finished</source>
        <translation>%1: kann nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>DataExport</name>
    <message>
        <source>%1: a file of the data folder&apos;s tables</source>
        <translation>%1: eine Datei der Tabellen des Datenordners</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1: the file is write protected</source>
        <translation>%1: Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1: a file, not a folder</source>
        <translation>%1: eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>%1: the folder holds other files (%2); export into a new or empty folder</source>
        <extracomment>%2: one of the other files</extracomment>
        <translation>%1: Der Ordner enthält andere Dateien (%2); exportieren Sie in einen neuen oder leeren Ordner</translation>
    </message>
</context>
<context>
    <name>ExportLayout</name>
    <message>
        <source>%1: the field %2 is of another kind</source>
        <translation>%1: Das Feld %2 hat einen anderen Typ</translation>
    </message>
    <message>
        <source>%1: the field %2 is missing</source>
        <translation>%1: Das Feld %2 fehlt</translation>
    </message>
</context>
<context>
    <name>ExportRows</name>
    <message>
        <source>impossible dates exported as NULL</source>
        <translation>unmögliche Datumsangaben als NULL exportiert</translation>
    </message>
    <message>
        <source>unreadable numbers exported as NULL</source>
        <translation>unlesbare Zahlen als NULL exportiert</translation>
    </message>
    <message>
        <source>%1, record %2: %3</source>
        <extracomment>%3: the engine&apos;s reason</extracomment>
        <translation>%1, Datensatz %2: %3</translation>
    </message>
</context>
<context>
    <name>SqliteWriter</name>
    <message>
        <source>cannot write</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot create</source>
        <translation>kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot close</source>
        <translation>kann nicht geschlossen werden</translation>
    </message>
</context>
</TS>
