<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Invoices, inventory and reports of a small business, kept in the xBase
tables of one data folder (by default the current directory).

Commands that need no display:
  tallowby report NAME ...   a report into a file (tallowby report --help)
  tallowby labels KIND ...   address labels into a PDF file (tallowby labels --help)
  tallowby einvoice ...      invoices as e-invoices (tallowby einvoice --help)</source>
        <extracomment>Keep the commands and options as they are; the descriptions at the right line up.</extracomment>
        <translation>Rechnungen, Lagerbestand und Berichte eines kleinen Unternehmens in den
xBase-Tabellen eines Datenordners (standardmäßig das aktuelle Verzeichnis).

Befehle, die keine Anzeige brauchen:
  tallowby report NAME ...   ein Bericht in eine Datei (tallowby report --help)
  tallowby labels KIND ...   Adressetiketten in eine PDF-Datei (tallowby labels --help)
  tallowby einvoice ...      Rechnungen als E-Rechnungen (tallowby einvoice --help)</translation>
    </message>
    <message>
        <source>Work on the tables in DIR.</source>
        <translation>Mit den Tabellen in DIR arbeiten.</translation>
    </message>
    <message>
        <source>Work in the company folder chosen at an earlier start; the first time, ask for one (a new, empty company or an existing folder). The desktop menu starts Tallowby so.</source>
        <translation>Im Firmenordner arbeiten, der bei einem früheren Start gewählt wurde; beim ersten Mal nach einem fragen (eine neue, leere Firma oder ein vorhandener Ordner). So startet das Desktop-Menü Tallowby.</translation>
    </message>
    <message>
        <source>Show the windows and documents in LANG: de, fr or en (by default the language chosen in the preferences, else the desktop&apos;s).</source>
        <translation>Fenster und Dokumente in LANG zeigen: de, fr oder en (standardmäßig die in den Einstellungen gewählte Sprache, sonst die des Desktops).</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells the usage)</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong.</extracomment>
        <translation>%1: %2 (%1 --help nennt den Aufruf)</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>unknown language %1 (de, fr or en)</source>
        <translation>unbekannte Sprache %1 (de, fr oder en)</translation>
    </message>
    <message>
        <source>--data and --remembered exclude each other</source>
        <translation>--data und --remembered schließen einander aus</translation>
    </message>
    <message>
        <source>Tallowby needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set).</source>
        <translation>Tallowby braucht eine grafische Anzeige (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt).</translation>
    </message>
</context>
<context>
    <name>FirstStart</name>
    <message>
        <source>The folder %1 is not empty; a new company needs a new or empty folder.</source>
        <translation>Der Ordner %1 ist nicht leer; eine neue Firma braucht einen neuen oder leeren Ordner.</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Unable to write in the folder %1.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unable to write the tables of the new company: %1</source>
        <translation>Die Tabellen der neuen Firma können nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The company folder %1 no longer holds Tallowby&apos;s tables.</source>
        <translation>Der Firmenordner %1 enthält die Tabellen von Tallowby nicht mehr.</translation>
    </message>
    <message>
        <source>The company folder %1 is not there any more.</source>
        <translation>Den Firmenordner %1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The folder %1 does not hold Tallowby&apos;s tables.</source>
        <translation>Der Ordner %1 enthält die Tabellen von Tallowby nicht.</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message>
        <source>Exporting Mail Merge File</source>
        <translation>Serienbriefdatei wird exportiert</translation>
    </message>
    <message>
        <source>Generate a Mail Merge File</source>
        <translation>Serienbriefdatei erstellen</translation>
    </message>
    <message>
        <source>Delimited files (*.doc)|*.doc|Text files (*.txt)|*.txt</source>
        <extracomment>A file dialog&apos;s filters: description, &quot;|&quot;, pattern, &quot;|&quot;, the next description...</extracomment>
        <translation>Dateien mit Trennzeichen (*.doc)|*.doc|Textdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>Mail merge: nothing was written.</source>
        <translation>Serienbrief: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Mail merge: %1 customers written to %2.</source>
        <translation>Serienbrief: %1 Kunden in %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
</context>
<context>
    <name>Screenshots</name>
    <message>
        <source>Rebuilding Indexes</source>
        <extracomment>The progress box&apos;s caption while the index files are rebuilt.</extracomment>
        <translation>Indizes werden neu aufgebaut</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Tallowby %1</source>
        <translation>Über Tallowby %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Invoicing and inventory for the small business.</source>
        <translation>Rechnungen und Lagerbestand für das kleine Unternehmen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDataFolder</name>
    <message>
        <source>Tallowby - Company Folder</source>
        <translation>Tallowby - Firmenordner</translation>
    </message>
    <message>
        <source>&amp;Create a new, empty company folder</source>
        <translation>Einen neuen, leeren Firmenordner &amp;anlegen</translation>
    </message>
    <message>
        <source>&amp;Open a company folder that holds Tallowby&apos;s tables</source>
        <translation>Einen Firmenordner ö&amp;ffnen, der die Tabellen von Tallowby enthält</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
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
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Tallowby keeps the data of a company in one folder. Create a new, empty company folder, or open a folder that already holds Tallowby&apos;s tables.</source>
        <translation>Tallowby hält die Daten einer Firma in einem Ordner. Legen Sie einen neuen, leeren Firmenordner an oder öffnen Sie einen Ordner, der bereits die Tabellen von Tallowby enthält.</translation>
    </message>
    <message>
        <source>New Company Folder</source>
        <translation>Neuer Firmenordner</translation>
    </message>
    <message>
        <source>Company Folder</source>
        <translation>Firmenordner</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The new language shows when Tallowby is started again.</source>
        <translation>Die neue Sprache erscheint beim nächsten Start von Tallowby.</translation>
    </message>
    <message>
        <source>Database files not found in startup directory<byte value="xd"/>
Program must be started from the directory containing the data files.</source>
        <translation>Datendateien im Startverzeichnis nicht gefunden<byte value="xd"/>
Das Programm muss in dem Verzeichnis gestartet werden, das die Datendateien enthält.</translation>
    </message>
    <message>
        <source>Reindex: the index files of every table were rebuilt.</source>
        <translation>Neu indizieren: Die Indexdateien aller Tabellen wurden neu aufgebaut.</translation>
    </message>
    <message>
        <source>Pack: the deleted records of every table were removed.</source>
        <translation>Packen: Die gelöschten Datensätze aller Tabellen wurden entfernt.</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>Create &amp; Edit Invoices</source>
        <translation>Rechnungen erstellen und bearbeiten</translation>
    </message>
    <message>
        <source>Print Invoices for specified date(s)</source>
        <translation>Rechnungen nach Datum drucken</translation>
    </message>
    <message>
        <source>Print Mailing Labels for Invoice Date(s)</source>
        <translation>Adressetiketten nach Rechnungsdatum drucken</translation>
    </message>
    <message>
        <source>Print Batch Labels</source>
        <translation>Sammeletiketten drucken</translation>
    </message>
    <message>
        <source>Customers and Products</source>
        <translation>Kunden und Artikel</translation>
    </message>
    <message>
        <source>Add &amp; Edit Customers</source>
        <translation>Kunden anlegen und bearbeiten</translation>
    </message>
    <message>
        <source>Add &amp; Edit Customer Groups</source>
        <translation>Kundengruppen anlegen und bearbeiten</translation>
    </message>
    <message>
        <source>Add &amp; Edit Products / Services</source>
        <translation>Artikel / Dienstleistungen anlegen und bearbeiten</translation>
    </message>
    <message>
        <source>Add &amp; Edit Inventory Purchases</source>
        <translation>Wareneinkäufe anlegen und bearbeiten</translation>
    </message>
    <message>
        <source>Print Product Listing</source>
        <translation>Artikelliste drucken</translation>
    </message>
    <message>
        <source>Print Purchasing Report</source>
        <translation>Einkaufsbericht drucken</translation>
    </message>
    <message>
        <source>Report Generation</source>
        <translation>Berichterstellung</translation>
    </message>
    <message>
        <source>Print Invoices, Bills or Customer Statements</source>
        <translation>Rechnungen, Zahlungserinnerungen oder Kontoauszüge drucken</translation>
    </message>
    <message>
        <source>Print Customer&apos;s Purchasing Profile</source>
        <translation>Kaufprofil des Kunden drucken</translation>
    </message>
    <message>
        <source>Print Sales &amp; Tax Reports</source>
        <translation>Umsatz- und Steuerberichte drucken</translation>
    </message>
    <message>
        <source>Print Address Labels</source>
        <translation>Adressetiketten drucken</translation>
    </message>
    <message>
        <source>Generate a Mail Merge File</source>
        <translation>Serienbriefdatei erstellen</translation>
    </message>
    <message>
        <source>Print Inventory Reports</source>
        <translation>Lagerbestandsberichte drucken</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source> Display - Sort Customers </source>
        <translation> Anzeige - Kunden sortieren </translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By Company Name</source>
        <translation>Nach Firma</translation>
    </message>
    <message>
        <source> Inventory Method </source>
        <translation> Lagerbewertung </translation>
    </message>
    <message>
        <source>First in - First out</source>
        <translation>Zuerst rein – zuerst raus (FIFO)</translation>
    </message>
    <message>
        <source>Last in - First out</source>
        <translation>Zuletzt rein – zuerst raus (LIFO)</translation>
    </message>
    <message>
        <source>Report Font</source>
        <translation>Berichtsschrift</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Stationery</source>
        <translation>Briefkopf</translation>
    </message>
    <message>
        <source>Sales Tax</source>
        <translation>Umsatzsteuer</translation>
    </message>
    <message>
        <source>Label Forms</source>
        <translation>Etikettenformate</translation>
    </message>
    <message>
        <source>Import Dir&apos;s</source>
        <translation>Importordner</translation>
    </message>
    <message>
        <source>E-Invoicing</source>
        <translation>E-Rechnungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>File Maintenance</source>
        <translation>Dateipflege</translation>
    </message>
    <message>
        <source>Backup Data Files</source>
        <translation>Datendateien sichern</translation>
    </message>
    <message>
        <source>Restore Data Files</source>
        <translation>Datendateien wiederherstellen</translation>
    </message>
    <message>
        <source>Reindex Data Files</source>
        <translation>Datendateien neu indizieren</translation>
    </message>
    <message>
        <source>Pack Data Files</source>
        <translation>Datendateien packen</translation>
    </message>
    <message>
        <source>Import Data from Moorhen version 4 or 5</source>
        <translation>Daten aus Moorhen Version 4 oder 5 übernehmen</translation>
    </message>
    <message>
        <source>Erase all data and start over</source>
        <translation>Alle Daten löschen und neu beginnen</translation>
    </message>
    <message>
        <source>Export Data…</source>
        <translation>Daten exportieren…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Tallowby</source>
        <translation>Über Tallowby</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>Hilfe&amp;inhalt</translation>
    </message>
    <message>
        <source>&amp;Invoices</source>
        <translation>&amp;Rechnungen</translation>
    </message>
    <message>
        <source>Selected &amp;Date(s)</source>
        <translation>Nach &amp;Datum</translation>
    </message>
    <message>
        <source>Selected &amp;Invoices</source>
        <translation>&amp;Ausgewählte Rechnungen</translation>
    </message>
    <message>
        <source>&amp;Bills</source>
        <translation>&amp;Zahlungserinnerungen</translation>
    </message>
    <message>
        <source>&amp;With Balances Due</source>
        <translation>Mit &amp;offenem Betrag</translation>
    </message>
    <message>
        <source>Selected &amp;Bills</source>
        <translation>&amp;Ausgewählte Zahlungserinnerungen</translation>
    </message>
    <message>
        <source>&amp;Statements</source>
        <translation>&amp;Kontoauszüge</translation>
    </message>
    <message>
        <source>With &amp;Balances</source>
        <translation>Mit &amp;Saldo</translation>
    </message>
    <message>
        <source>Selected &amp;Customers</source>
        <translation>&amp;Ausgewählte Kunden</translation>
    </message>
    <message>
        <source>&amp;E-Invoices</source>
        <translation>&amp;E-Rechnungen</translation>
    </message>
    <message>
        <source>Selected &amp;Groups</source>
        <translation>Ausgewählte &amp;Gruppen</translation>
    </message>
    <message>
        <source>&amp;Sales Summary</source>
        <translation>&amp;Umsatzübersicht</translation>
    </message>
    <message>
        <source>&amp;Product Summary</source>
        <translation>&amp;Artikelübersicht</translation>
    </message>
    <message>
        <source>Product &amp;Buyers</source>
        <translation>Artikel&amp;käufer</translation>
    </message>
    <message>
        <source>&amp;Income Summary</source>
        <translation>&amp;Einnahmenübersicht</translation>
    </message>
    <message>
        <source>&amp;Receivable Income</source>
        <translation>&amp;Offene Posten</translation>
    </message>
    <message>
        <source>&amp;Tax Summary</source>
        <translation>&amp;Steuerübersicht</translation>
    </message>
    <message>
        <source>&amp;Selected Customers</source>
        <translation>&amp;Ausgewählte Kunden</translation>
    </message>
    <message>
        <source>&amp;Invoices Dated</source>
        <translation>Rechnungen nach &amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Past Due Billing</source>
        <translation>Ü&amp;berfällige Rechnungen</translation>
    </message>
    <message>
        <source>&amp;Balance Due Statement</source>
        <translation>&amp;Kontoauszüge mit Saldo</translation>
    </message>
    <message>
        <source>&amp;Customer Group(s)</source>
        <translation>Kunden&amp;gruppe(n)</translation>
    </message>
    <message>
        <source>&amp;Inventory</source>
        <translation>&amp;Lagerbestand</translation>
    </message>
    <message>
        <source>&amp;Cost of Goods Sold</source>
        <translation>&amp;Wareneinsatz</translation>
    </message>
    <message>
        <source>&amp;Stock On-Hand</source>
        <translation>&amp;Aktueller Bestand</translation>
    </message>
    <message>
        <source>&amp;SQLite Database…</source>
        <translation>&amp;SQLite-Datenbank…</translation>
    </message>
    <message>
        <source>&amp;PostgreSQL Script…</source>
        <translation>&amp;PostgreSQL-Skript…</translation>
    </message>
    <message>
        <source>&amp;CSV Files…</source>
        <translation>&amp;CSV-Dateien…</translation>
    </message>
    <message>
        <source>Another program is restoring or converting the data files in %1<byte value="xd"/>
Program will now terminate.</source>
        <translation>Ein anderes Programm stellt gerade die Datendateien in %1 wieder her oder übernimmt sie<byte value="xd"/>
Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>A restore or conversion that was interrupted cannot be completed:<byte value="xd"/>
%1<byte value="xd"/>
Program will now terminate.</source>
        <extracomment>%1 is why (a line of its own).</extracomment>
        <translation>Eine unterbrochene Wiederherstellung oder Übernahme kann nicht abgeschlossen werden:<byte value="xd"/>
%1<byte value="xd"/>
Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Choose Backup Drive &amp; Directory</source>
        <translation>Laufwerk und Ordner der Datensicherung wählen</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>The OK button of the folder window.</extracomment>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Backup: %1 files copied to %2.</source>
        <translation>Datensicherung: %1 Dateien nach %2 kopiert.</translation>
    </message>
    <message>
        <source>Backup: failed; see the message shown.</source>
        <translation>Datensicherung: fehlgeschlagen; siehe die angezeigte Meldung.</translation>
    </message>
    <message>
        <source>Choose Drive &amp; Directory Containing BACKUP</source>
        <translation>Laufwerk und Ordner mit der Datensicherung (BACKUP) wählen</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The OK button of the folder window.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore: failed; the data files are as they were.</source>
        <translation>Wiederherstellung: fehlgeschlagen; die Datendateien sind unverändert.</translation>
    </message>
    <message>
        <source>Restore: %1 files restored from %2, the settings with them.</source>
        <translation>Wiederherstellung: %1 Dateien aus %2 wiederhergestellt, mit den Einstellungen.</translation>
    </message>
    <message>
        <source>Restore: %1 files restored from %2.</source>
        <translation>Wiederherstellung: %1 Dateien aus %2 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Choose Drive &amp; Directory Containing Old Moorhen Data</source>
        <translation>Laufwerk und Ordner mit den alten Moorhen-Daten wählen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>The OK button of the folder window: converts the older data.</extracomment>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Conversion: failed; the data files are as they were.</source>
        <translation>Übernahme: fehlgeschlagen; die Datendateien sind unverändert.</translation>
    </message>
    <message>
        <source>Conversion: the data in %1 was imported.</source>
        <translation>Übernahme: Die Daten in %1 wurden übernommen.</translation>
    </message>
    <message>
        <source>Export Data to CSV Files</source>
        <translation>Daten in CSV-Dateien exportieren</translation>
    </message>
    <message>
        <source>Export Data to a SQLite Database</source>
        <translation>Daten in eine SQLite-Datenbank exportieren</translation>
    </message>
    <message>
        <source>SQLite databases (*.db)|*.db</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>SQLite-Datenbanken (*.db)|*.db</translation>
    </message>
    <message>
        <source>Export Data to a PostgreSQL Script</source>
        <translation>Daten in ein PostgreSQL-Skript exportieren</translation>
    </message>
    <message>
        <source>SQL scripts (*.sql)|*.sql</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>SQL-Skripte (*.sql)|*.sql</translation>
    </message>
    <message>
        <source>The data were exported to %1.</source>
        <translation>Die Daten wurden nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Unable to export to: %1<byte value="xd"/>
%2</source>
        <translation>Export nicht möglich: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Found in the data:</source>
        <translation>In den Daten gefunden:</translation>
    </message>
    <message>
        <source>Book a Bank Statement</source>
        <translation>Kontoauszug buchen</translation>
    </message>
    <message>
        <source>Add &amp; Edit Quotes</source>
        <translation>Angebote anlegen und bearbeiten</translation>
    </message>
    <message>
        <source>Repeating Invoices</source>
        <translation>Wiederkehrende Rechnungen</translation>
    </message>
    <message>
        <source>Received E-Invoices</source>
        <translation>Empfangene E-Rechnungen</translation>
    </message>
    <message>
        <source>Reminders of Overdue Invoices</source>
        <translation>Mahnungen überfälliger Rechnungen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no such data folder: %1</source>
        <translation>Datenordner nicht vorhanden: %1</translation>
    </message>
</context>
</TS>
