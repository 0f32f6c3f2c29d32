<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Dates</name>
    <message>
        <source>&apos;%1&apos; is not a valid date.</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>Invalid Date Entered</source>
        <translation>Ungültiges Datum eingegeben</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Die Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>GuardedXml</name>
    <message>
        <source>it is larger than %1 MB, the most that is read of an XML file</source>
        <extracomment>%1 the largest size read, in MB.</extracomment>
        <translation>die Datei ist größer als %1 MB, mehr wird von einer XML-Datei nicht gelesen</translation>
    </message>
    <message>
        <source>it declares a document type (&lt;!DOCTYPE), which is refused: no entity and no outside file named in it is read</source>
        <translation>die Datei erklärt einen Dokumenttyp (&lt;!DOCTYPE), was abgelehnt wird: keine Entität und keine darin genannte fremde Datei wird gelesen</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <extracomment>%1 the deepest nesting read.</extracomment>
        <translation>die Elemente der Datei sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <extracomment>%1 the XML reader&apos;s own words, in English.</extracomment>
        <translation>die Datei ist kein wohlgeformtes XML (%1)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Tallowby Help</source>
        <translation>Tallowby-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>MailProgram</name>
    <message>
        <source>no mail program can be opened: xdg-email is not installed (package xdg-utils)</source>
        <translation>kein E-Mail-Programm kann geöffnet werden: xdg-email ist nicht installiert (Paket xdg-utils)</translation>
    </message>
    <message>
        <source>the mail program could not be started (xdg-email)</source>
        <translation>das E-Mail-Programm konnte nicht gestartet werden (xdg-email)</translation>
    </message>
    <message>
        <source>xdg-email ended with exit status %1</source>
        <extracomment>%1 is a number.</extracomment>
        <translation>xdg-email endete mit dem Status %1</translation>
    </message>
    <message>
        <source>the mail program did not open the message (%1)</source>
        <extracomment>%1 what xdg-email said (&quot;xdg-email: unexpected option ...&quot;) or its exit status.</extracomment>
        <translation>das E-Mail-Programm hat die Nachricht nicht geöffnet (%1)</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value.</source>
        <translation>&apos;%1&apos; ist keine gültige Zahl.</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht beginnen.</translation>
    </message>
    <message>
        <source>Unable to draw on the window.</source>
        <translation>Im Fenster kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The print job could not be completed.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
</context>
<context>
    <name>PdfBeside</name>
    <message>
        <source>the file could not be written in full</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>%1-Landscape</source>
        <extracomment>%1 is the printer&apos;s (or PDF file&apos;s) name.</extracomment>
        <translation>%1-Querformat</translation>
    </message>
    <message>
        <source>%1-Portrait</source>
        <translation>%1-Hochformat</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Printed to %1.</source>
        <translation>Gedruckt in %1.</translation>
    </message>
    <message>
        <source>Printed on %1.</source>
        <translation>Gedruckt auf %1.</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>SubcommandParser</name>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Data folder (default: the current folder).</source>
        <translation>Datenordner (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Language of the messages: de, fr or en.</source>
        <translation>Sprache der Meldungen: de, fr oder en.</translation>
    </message>
    <message>
        <source>usage: %1 (see tallowby %2 --help)</source>
        <extracomment>%1 is the command with its arguments, %2 the command&apos;s name.</extracomment>
        <translation>Aufruf: %1 (siehe tallowby %2 --help)</translation>
    </message>
</context>
<context>
    <name>UnattendedUi</name>
    <message>
        <source>unexpected window: %1</source>
        <translation>unerwartetes Fenster: %1</translation>
    </message>
</context>
</TS>
