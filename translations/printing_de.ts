<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchRunner</name>
    <message>
        <source>--%1 %2 is not a date of the form YYYY-MM-DD</source>
        <translation>--%1 %2 ist kein Datum der Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--%1 %2: dates must lie in the years 1900 to 9999</source>
        <translation>--%1 %2: Daten müssen in den Jahren 1900 bis 9999 liegen</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number from 1 to %3</source>
        <translation>--%1: „%2“ ist keine Zahl von 1 bis %3</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the command with its arguments.</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>the data folder is being restored or converted by another program; try again when it has finished</source>
        <translation>der Datenordner wird gerade von einem anderen Programm wiederhergestellt oder übernommen; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>a restore or conversion cut short could not be finished: %1</source>
        <translation>eine abgebrochene Wiederherstellung oder Übernahme konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>usage: %1 (see tallowby %2 --help)</source>
        <extracomment>%1 is the command with its arguments, %2 the command&apos;s name.</extracomment>
        <translation>Aufruf: %1 (siehe tallowby %2 --help)</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
    <message>
        <source>Data folder (default: the current folder).</source>
        <translation>Datenordner (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Language of the document and the messages: de, fr or en.</source>
        <translation>Sprache des Dokuments und der Meldungen: de, fr oder en.</translation>
    </message>
    <message>
        <source>Output file (required).</source>
        <translation>Ausgabedatei (erforderlich).</translation>
    </message>
    <message>
        <source>unknown language %1 (de, fr or en)</source>
        <translation>unbekannte Sprache %1 (de, fr oder en)</translation>
    </message>
    <message>
        <source>--out FILE is required</source>
        <translation>--out FILE ist erforderlich</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>Datenordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1 (%2)</source>
        <extracomment>%2 is why.</extracomment>
        <translation>Speichern nicht möglich: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RptUtil</name>
    <message>
        <source>The report is too large.</source>
        <translation>Der Bericht ist zu groß.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The heading of every page of a report; %1 is its number.</extracomment>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>TDateSpan</name>
    <message>
        <source>DateSpan</source>
        <extracomment>The title of the window asking for the first and last date of a report.</extracomment>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Ending:</source>
        <translation>Ende:</translation>
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
        <source>Print Beginning:</source>
        <translation>Drucken ab:</translation>
    </message>
    <message>
        <source>Ending Date must be greater than or equal to Starting Date.</source>
        <translation>Das Enddatum darf nicht vor dem Anfangsdatum liegen.</translation>
    </message>
</context>
<context>
    <name>TMultGroup</name>
    <message>
        <source>Select One or More Groups</source>
        <translation>Eine oder mehrere Gruppen auswählen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TReportF</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Ascii &amp;Text</source>
        <translation>Reiner &amp;Text</translation>
    </message>
    <message>
        <source>Tab &amp;Delimited</source>
        <translation>Tabulator&amp;getrennt</translation>
    </message>
    <message>
        <source>No printer is selected. Choose one with Printer Setup.</source>
        <translation>Es ist kein Drucker ausgewählt. Wählen Sie einen unter Druckereinrichtung.</translation>
    </message>
    <message>
        <source>Unable to save to: %1 (%2)</source>
        <translation>Speichern nicht möglich: %1 (%2)</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Delimited files (*.asc)|*.ASC</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Dateien mit Trennzeichen (*.asc)|*.ASC</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.TXT</source>
        <translation>Textdateien (*.txt)|*.TXT</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
</context>
</TS>
