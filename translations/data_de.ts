<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackupManifest</name>
    <message>
        <source>it is not a list of this program&apos;s backup</source>
        <translation>sie ist keine Liste einer Datensicherung dieses Programms</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>Zeile %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not the file the backup wrote</source>
        <translation>%1 ist nicht die Datei, die die Datensicherung geschrieben hat</translation>
    </message>
    <message>
        <source>%1 is not in the backup&apos;s list</source>
        <translation>%1 steht nicht in der Liste der Datensicherung</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>the copy cannot be read back</source>
        <translation>die Kopie kann nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>the copy read back differs from the original</source>
        <translation>die zurückgelesene Kopie weicht vom Original ab</translation>
    </message>
    <message>
        <source>Unable to find %1</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Function Aborted</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>The restore did not happen; nothing was changed.</source>
        <translation>Die Wiederherstellung wurde nicht ausgeführt; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Unable to write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Insert disk containing %1</source>
        <translation>Legen Sie den Datenträger mit %1 ein</translation>
    </message>
    <message>
        <source>Disk Full. Insert another disk.%1</source>
        <extracomment>%1: the file that did not fit (no blank before it, as ever)</extracomment>
        <translation>Datenträger voll. Legen Sie einen weiteren Datenträger ein. %1</translation>
    </message>
    <message>
        <source>Disk is Write Protected</source>
        <translation>Der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <source>Copying Data Files</source>
        <translation>Datendateien werden kopiert</translation>
    </message>
    <message>
        <source>Unable to restore %1</source>
        <translation>%1 kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Its files come from different backups.</source>
        <translation>Seine Dateien stammen aus verschiedenen Datensicherungen.</translation>
    </message>
    <message>
        <source>It lists other files than a backup of these tables.</source>
        <translation>Die Liste nennt andere Dateien als eine Datensicherung dieser Tabellen.</translation>
    </message>
    <message>
        <source>%1: the backup was cut short, or holds files of two backups.</source>
        <extracomment>%1: which file differs from the backup&apos;s list and how</extracomment>
        <translation>%1: Die Datensicherung wurde unterbrochen oder enthält Dateien zweier Datensicherungen.</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: fehlt</translation>
    </message>
    <message>
        <source>%1: field %2 is of another kind</source>
        <translation>%1: Das Feld %2 hat einen anderen Typ</translation>
    </message>
    <message>
        <source>%1: field %2 is missing</source>
        <translation>%1: Das Feld %2 fehlt</translation>
    </message>
    <message>
        <source>Backup must be to a different drive and/or directory</source>
        <translation>Die Datensicherung muss auf ein anderes Laufwerk oder in einen anderen Ordner erfolgen</translation>
    </message>
    <message>
        <source>Backup Failed . . Check that disk is not write protected</source>
        <translation>Datensicherung fehlgeschlagen . . Prüfen Sie, ob der Datenträger schreibgeschützt ist</translation>
    </message>
    <message>
        <source>Restore must be from a different drive and/or directory</source>
        <translation>Die Wiederherstellung muss von einem anderen Laufwerk oder aus einem anderen Ordner erfolgen</translation>
    </message>
    <message>
        <source>Restore Failed . . Check that your disk is not full.</source>
        <translation>Wiederherstellung fehlgeschlagen . . Prüfen Sie, ob Ihr Datenträger voll ist.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This backup has no list of its files (made by an earlier version), so its files cannot be checked.</source>
        <translation>Diese Datensicherung hat keine Liste ihrer Dateien (mit einer früheren Version erstellt), daher können ihre Dateien nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The list of the backup&apos;s files is empty.</source>
        <translation>Die Liste der Dateien der Datensicherung ist leer.</translation>
    </message>
    <message>
        <source>This backup has no list of its files (made by an earlier version); restore it without checking?</source>
        <translation>Diese Datensicherung hat keine Liste ihrer Dateien (mit einer früheren Version erstellt); ohne Prüfung wiederherstellen?</translation>
    </message>
    <message>
        <source>The backup does not hold %1 (tables added since it was made); they were left as they are.</source>
        <extracomment>%1: the tables&apos; files (&quot;CUSTEI.DBF, CUSTLANG.DBF&quot;)</extracomment>
        <translation>Die Datensicherung enthält %1 nicht (Tabellen, die seit ihrer Erstellung hinzugekommen sind); diese wurden belassen, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>CustomerLanguage</name>
    <message>
        <source>%1 is not a language of the program.</source>
        <translation>%1 ist keine Sprache des Programms.</translation>
    </message>
    <message>
        <source>Unable to save the document language of customer %1.</source>
        <translation>Die Dokumentsprache von Kunde %1 kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>EarlierData</name>
    <message>
        <source>%1: field %2 is missing</source>
        <translation>%1: Das Feld %2 fehlt</translation>
    </message>
    <message>
        <source>Transferring Item Descriptions</source>
        <translation>Positionsbeschreibungen werden übertragen</translation>
    </message>
    <message>
        <source>Warning: All previously entered data will be overwritten</source>
        <translation>Warnung: Alle bisher eingegebenen Daten werden überschrieben</translation>
    </message>
    <message>
        <source>Data files not found in %1</source>
        <translation>Keine Datendateien in %1 gefunden</translation>
    </message>
    <message>
        <source>Unable to convert the data files in %1</source>
        <translation>Die Datendateien in %1 können nicht übernommen werden</translation>
    </message>
    <message>
        <source>No data was changed.</source>
        <translation>Es wurden keine Daten geändert.</translation>
    </message>
    <message>
        <source>Converting Data Files</source>
        <translation>Datendateien werden übernommen</translation>
    </message>
</context>
<context>
    <name>FieldFit</name>
    <message>
        <source>The number %1 does not fit the field %2 (%3 characters, %4 decimals). Nothing was saved.</source>
        <translation>Die Zahl %1 passt nicht in das Feld %2 (%3 Zeichen, %4 Nachkommastellen). Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tallowby is already running on this data folder.</source>
        <translation>Tallowby läuft bereits mit diesem Datenordner.</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>open</source>
        <extracomment>A quote&apos;s state in the quote list.</extracomment>
        <translation>offen</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>abgelaufen</translation>
    </message>
    <message>
        <source>invoiced</source>
        <translation>berechnet</translation>
    </message>
    <message>
        <source>No quote number is left.</source>
        <translation>Es ist keine Angebotsnummer mehr frei.</translation>
    </message>
    <message>
        <source>Quote %1 is no longer there.</source>
        <translation>Angebot %1 ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>RecordSave</name>
    <message>
        <source>Unable to Append record . . Please try again.</source>
        <translation>Datensatz kann nicht angefügt werden . . Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>RestoreQuestions</name>
    <message>
        <source>(date unknown)</source>
        <translation>(Datum unbekannt)</translation>
    </message>
    <message>
        <source>Replace the data in %1 by the backup in %2, made %3?</source>
        <extracomment>%1: the data folder, %2: the backup&apos;s folder, %3: when the backup was made</extracomment>
        <translation>Die Daten in %1 durch die Datensicherung in %2 vom %3 ersetzen?</translation>
    </message>
    <message>
        <source>The backup also holds the settings: the letterhead, sales tax, report font, import folders and e-invoice details. Restore them as well?</source>
        <translation>Die Datensicherung enthält auch die Einstellungen: Briefkopf, Umsatzsteuer, Berichtsschrift, Importordner und E-Rechnungsangaben. Sollen diese ebenfalls wiederhergestellt werden?</translation>
    </message>
</context>
<context>
    <name>StorableText</name>
    <message>
        <source>These characters cannot be stored and will become &quot;?&quot;: %1</source>
        <extracomment>%1: the characters, each followed by a blank</extracomment>
        <translation>Diese Zeichen können nicht gespeichert werden und werden zu „?“: %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>TDriveDir</name>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
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
        <source>Unable to read from drive %1</source>
        <translation>Vom Laufwerk %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Ordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>A new folder in %1:</source>
        <translation>Ein neuer Ordner in %1:</translation>
    </message>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TImportdir</name>
    <message>
        <source>Import Directories</source>
        <translation>Importordner</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Customer Info Directory</source>
        <translation>Ordner der Kundeninfo-Dateien</translation>
    </message>
    <message>
        <source>Order File Directory</source>
        <translation>Ordner der Order-Dateien</translation>
    </message>
    <message>
        <source>Choose Customer Info Directory</source>
        <translation>Ordner der Kundeninfo-Dateien wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose Order File Directory</source>
        <translation>Ordner der Order-Dateien wählen</translation>
    </message>
</context>
<context>
    <name>TableSwap</name>
    <message>
        <source>%1: not a journal of this program</source>
        <translation>%1: kein Journal dieses Programms</translation>
    </message>
    <message>
        <source>%1: unreadable line %2</source>
        <translation>%1: Zeile %2 ist unlesbar</translation>
    </message>
    <message>
        <source>%1: missing, and %2 too</source>
        <translation>%1: fehlt, und %2 ebenfalls</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: cannot remove the folder</source>
        <translation>%1: Der Ordner kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Another program is restoring, converting or backing up the data files in %1.</source>
        <translation>Ein anderes Programm stellt gerade die Datendateien in %1 wieder her, übernimmt oder sichert sie.</translation>
    </message>
    <message>
        <source>The data files in %1 are in use by another program.</source>
        <translation>Die Datendateien in %1 werden von einem anderen Programm verwendet.</translation>
    </message>
</context>
<context>
    <name>dbFiles</name>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>no such tag in the table&apos;s tag group</source>
        <translation>kein solcher Index in der Indexgruppe der Tabelle</translation>
    </message>
    <message>
        <source>the data folder is being restored or converted; nothing is damaged</source>
        <translation>der Datenordner wird gerade wiederhergestellt oder übernommen; nichts ist beschädigt</translation>
    </message>
    <message>
        <source>Unable to open file %1<byte value="xd"/>
Program will now terminate.</source>
        <translation>Datei %1 kann nicht geöffnet werden<byte value="xd"/>
Das Programm wird jetzt beendet.</translation>
    </message>
</context>
<context>
    <name>dbFilesMaintenance</name>
    <message>
        <source>Unable to make the e-invoice tables<byte value="xd"/>
%1</source>
        <translation>Die Tabellen für E-Rechnungen können nicht angelegt werden<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Rebuilding Indexes</source>
        <translation>Indizes werden neu aufgebaut</translation>
    </message>
    <message>
        <source>Damaged index files were found and rebuilt:<byte value="xd"/>
%1</source>
        <translation>Beschädigte Indexdateien wurden gefunden und neu aufgebaut:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Packing Data Files</source>
        <translation>Datendateien werden gepackt</translation>
    </message>
    <message>
        <source>WARNING: You are about to erase all of your existing data.</source>
        <translation>ACHTUNG: Sie sind dabei, alle vorhandenen Daten zu löschen.</translation>
    </message>
    <message>
        <source>Erasing Data Files</source>
        <translation>Datendateien werden gelöscht</translation>
    </message>
</context>
</TS>
