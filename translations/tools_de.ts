<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DataCommands</name>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: not a data folder (tables missing)</source>
        <translation>%1: kein Datenordner (Tabellen fehlen)</translation>
    </message>
    <message>
        <source>%1: another program is restoring or converting its data files; nothing was done</source>
        <translation>%1: Ein anderes Programm stellt gerade seine Datendateien wieder her oder übernimmt sie; es wurde nichts getan</translation>
    </message>
    <message>
        <source>%1: an interrupted restore or conversion cannot be completed: %2</source>
        <translation>%1: Eine unterbrochene Wiederherstellung oder Übernahme kann nicht abgeschlossen werden: %2</translation>
    </message>
    <message>
        <source>Restore the settings too (letterhead, sales tax, report font, import folders, e-invoice details).</source>
        <translation>Auch die Einstellungen wiederherstellen (Briefkopf, Umsatzsteuer, Berichtsschrift, Importordner, E-Rechnungsangaben).</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>der Datenordner</translation>
    </message>
    <message>
        <source>the other folder</source>
        <translation>der andere Ordner</translation>
    </message>
    <message>
        <source>usage: tallowby-db %1 DATADIR %2</source>
        <extracomment>%1: the command, %2: the name of its second folder (TARGETDIR, SOURCEDIR, OLDDIR)</extracomment>
        <translation>Aufruf: tallowby-db %1 DATADIR %2</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Copies the tables of DATADIR into TARGETDIR.</source>
        <translation>Kopiert die Tabellen von DATADIR nach TARGETDIR.</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>Datensicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Replaces the tables of DATADIR by those in SOURCEDIR.</source>
        <translation>Ersetzt die Tabellen von DATADIR durch die in SOURCEDIR.</translation>
    </message>
    <message>
        <source>restore failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Replaces the business data of DATADIR by the earlier generation&apos;s tables in OLDDIR.</source>
        <translation>Ersetzt die Geschäftsdaten von DATADIR durch die Tabellen des früheren Programms in OLDDIR.</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>Übernahme fehlgeschlagen</translation>
    </message>
    <message>
        <source>Restore a backup without a list of its files (made by an earlier version), whose files cannot be checked.</source>
        <translation>Eine Datensicherung ohne Liste ihrer Dateien (mit einer früheren Version erstellt) wiederherstellen, deren Dateien nicht geprüft werden können.</translation>
    </message>
    <message>
        <source>restore failed: %1 has no list of its files (a backup made by an earlier version), so its files cannot be checked; --unchecked restores it as it is</source>
        <translation>Wiederherstellung fehlgeschlagen: %1 hat keine Liste seiner Dateien (eine Datensicherung einer früheren Version), daher können die Dateien nicht geprüft werden; --unchecked stellt sie ungeprüft wieder her</translation>
    </message>
    <message>
        <source>restore: %1</source>
        <translation>Wiederherstellung: %1</translation>
    </message>
    <message>
        <source>%1: the e-invoice tables cannot be made: %2</source>
        <translation>%1: Die Tabellen für E-Rechnungen können nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>DataTool</name>
    <message>
        <source>one JSON object per record</source>
        <translation>ein JSON-Objekt je Datensatz</translation>
    </message>
    <message>
        <source>build one index file</source>
        <translation>eine Indexdatei aufbauen</translation>
    </message>
    <message>
        <source>index entries in order: recno TAB key</source>
        <translation>Indexeinträge der Reihe nach: recno TAB key</translation>
    </message>
    <message>
        <source>seek result and record number</source>
        <translation>Suchergebnis und Datensatznummer</translation>
    </message>
    <message>
        <source>verify every table and index of a folder</source>
        <translation>jede Tabelle und jeden Index eines Ordners prüfen</translation>
    </message>
    <message>
        <source>remove deleted records</source>
        <translation>gelöschte Datensätze entfernen</translation>
    </message>
    <message>
        <source>set a record count left too small by another program</source>
        <translation>eine von einem anderen Programm zu klein gesetzte Datensatzzahl berichtigen</translation>
    </message>
    <message>
        <source>write the supplied tables (and a sample business)</source>
        <translation>die mitgelieferten Tabellen schreiben (und eine Beispielfirma)</translation>
    </message>
    <message>
        <source>rebuild every index file and tag group</source>
        <translation>jede Indexdatei und Indexgruppe neu aufbauen</translation>
    </message>
    <message>
        <source>copy the tables into TARGETDIR (verified)</source>
        <translation>die Tabellen nach TARGETDIR kopieren (geprüft)</translation>
    </message>
    <message>
        <source>replace the tables by a backup, all or nothing</source>
        <translation>die Tabellen durch eine Datensicherung ersetzen, alle oder keine</translation>
    </message>
    <message>
        <source>(the settings too)</source>
        <translation>(auch die Einstellungen)</translation>
    </message>
    <message>
        <source>replace the business data by the earlier generation&apos;s</source>
        <translation>die Geschäftsdaten durch die des früheren Programms ersetzen</translation>
    </message>
    <message>
        <source>every table into SQLite, a PostgreSQL script or CSV files</source>
        <translation>jede Tabelle nach SQLite, in ein PostgreSQL-Skript oder CSV-Dateien</translation>
    </message>
    <message>
        <source>messages and help in LANG: de, fr or en (anywhere in the line)</source>
        <translation>Meldungen und Hilfe in LANG: de, fr oder en (an beliebiger Stelle)</translation>
    </message>
    <message>
        <source>usage:</source>
        <extracomment>The start of the usage lines, followed by the command line.</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>unknown language %1 (de, fr or en)</source>
        <translation>unbekannte Sprache %1 (de, fr oder en)</translation>
    </message>
    <message>
        <source>(card numbers whole, for a repair)</source>
        <translation>(Kartennummern vollständig, für eine Reparatur)</translation>
    </message>
    <message>
        <source>(a backup without a list of its files, unchecked)</source>
        <translation>(eine Datensicherung ohne Liste ihrer Dateien, ungeprüft)</translation>
    </message>
</context>
<context>
    <name>DemoBusiness</name>
    <message>
        <source>%1: the supplied tables are missing</source>
        <translation>%1: Die mitgelieferten Tabellen fehlen</translation>
    </message>
    <message>
        <source>the e-invoice details could not be written</source>
        <translation>die E-Rechnungsangaben konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>EngineCommands</name>
    <message numerus="yes">
        <source>%n table(s) checked, %1</source>
        <extracomment>%1: the problems found (&quot;%n problem(s)&quot;)</extracomment>
        <translation>
            <numerusform>%n Tabelle geprüft, %1</numerusform>
            <numerusform>%n Tabellen geprüft, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n Problem</numerusform>
            <numerusform>%n Probleme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) removed, %1 left</source>
        <translation>
            <numerusform>%n Datensatz entfernt, %1 übrig</numerusform>
            <numerusform>%n Datensätze entfernt, %1 übrig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s); the count was right, nothing changed</source>
        <translation>
            <numerusform>%n Datensatz; die Anzahl stimmte, nichts geändert</numerusform>
            <numerusform>%n Datensätze; die Anzahl stimmte, nichts geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>record count %1 -&gt; %2; the indexes do not know the %n record(s) yet: run &quot;tallowby-db reindex&quot; on the folder (or start Tallowby there)</source>
        <extracomment>%1 -&gt; %2: the record count before and after; %n: the records added</extracomment>
        <translation>
            <numerusform>Datensatzzahl %1 -&gt; %2; die Indizes kennen den %n Datensatz noch nicht: Führen Sie „tallowby-db reindex“ für den Ordner aus (oder starten Sie Tallowby dort)</numerusform>
            <numerusform>Datensatzzahl %1 -&gt; %2; die Indizes kennen die %n Datensätze noch nicht: Führen Sie „tallowby-db reindex“ für den Ordner aus (oder starten Sie Tallowby dort)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Exports every table of DATADIR into a SQLite database, a PostgreSQL script or CSV files.</source>
        <translation>Exportiert jede Tabelle von DATADIR in eine SQLite-Datenbank, ein PostgreSQL-Skript oder CSV-Dateien.</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>der Datenordner</translation>
    </message>
    <message>
        <source>Write a SQLite database.</source>
        <translation>Eine SQLite-Datenbank schreiben.</translation>
    </message>
    <message>
        <source>Write a script for psql.</source>
        <translation>Ein Skript für psql schreiben.</translation>
    </message>
    <message>
        <source>Write one CSV file per table into the folder.</source>
        <translation>Eine CSV-Datei je Tabelle in den Ordner schreiben.</translation>
    </message>
    <message>
        <source>usage: tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR</source>
        <translation>Aufruf: tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR</translation>
    </message>
    <message>
        <source>export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
</context>
</TS>
