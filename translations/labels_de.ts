<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchLabel</name>
    <message>
        <source>Customer Not Selected</source>
        <translation>Kein Kunde ausgewählt</translation>
    </message>
    <message>
        <source>APPEND ADDRESS TO FILE? %1</source>
        <extracomment>%1 is the file&apos;s name (BatchLab.dat)</extracomment>
        <translation>ADRESSE AN DATEI ANHÄNGEN? %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>LabelCommand</name>
    <message>
        <source>--%1 %2: a number from %3 to %4 is needed</source>
        <extracomment>%1 is an option&apos;s name, %2 the value typed</extracomment>
        <translation>--%1 %2: eine Zahl von %3 bis %4 wird benötigt</translation>
    </message>
    <message>
        <source>which labels?</source>
        <translation>welche Etiketten?</translation>
    </message>
    <message>
        <source>one kind of labels only: %1</source>
        <translation>nur eine Art von Etiketten: %1</translation>
    </message>
    <message>
        <source>unknown kind of labels: %1</source>
        <translation>unbekannte Art von Etiketten: %1</translation>
    </message>
    <message>
        <source>--stock NAME is required</source>
        <translation>--stock NAME ist erforderlich</translation>
    </message>
    <message>
        <source>--%1 is for invoices, past-due and statements only</source>
        <extracomment>invoices, past-due and statements are the kinds as typed on the command line</extracomment>
        <translation>--%1 gilt nur für invoices, past-due und statements</translation>
    </message>
    <message>
        <source>--groups N,N,...|all is required</source>
        <extracomment>the second &quot;groups&quot; is the kind as typed on the command line</extracomment>
        <translation>--groups N,N,...|all ist erforderlich</translation>
    </message>
    <message>
        <source>--groups is for groups only</source>
        <translation>--groups gilt nur für groups</translation>
    </message>
    <message>
        <source>--customers N,N,... is required</source>
        <extracomment>the second &quot;customers&quot; is the kind as typed on the command line</extracomment>
        <translation>--customers N,N,... ist erforderlich</translation>
    </message>
    <message>
        <source>--customers is for customers only</source>
        <translation>--customers gilt nur für customers</translation>
    </message>
    <message>
        <source>Label Stock has not been defined. Choose Setup - Labels to define label stock.</source>
        <translation>Es ist noch kein Etikettenformat festgelegt. Legen Sie eines unter Einstellungen - Etikettenformate fest.</translation>
    </message>
    <message>
        <source>no label stock named %1</source>
        <translation>kein Etikettenformat namens %1</translation>
    </message>
    <message>
        <source>--customers: there is no customer %1</source>
        <translation>--customers: es gibt keinen Kunden %1</translation>
    </message>
    <message>
        <source>--column %1: label stock %2 has %3 labels across</source>
        <translation>--column %1: Etikettenformat %2 hat %3 Etiketten nebeneinander</translation>
    </message>
    <message>
        <source>--row %1: label stock %2 has %3 rows on a page</source>
        <translation>--row %1: Etikettenformat %2 hat %3 Reihen pro Seite</translation>
    </message>
    <message>
        <source>no customer group %1</source>
        <translation>keine Kundengruppe %1</translation>
    </message>
    <message>
        <source>Ending Date must be greater than or equal to Starting Date.</source>
        <translation>Das Enddatum darf nicht vor dem Anfangsdatum liegen.</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>nothing to label; %1 was not written</source>
        <translation>nichts zu etikettieren; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>tallowby labels [options] KIND --stock NAME --out FILE.pdf</source>
        <extracomment>Keep the words in capitals and the option names</extracomment>
        <translation>tallowby labels [Optionen] KIND --stock NAME --out FILE.pdf</translation>
    </message>
    <message>
        <source>Prints address labels of the data folder into a PDF file.</source>
        <translation>Druckt Adressetiketten aus dem Datenordner in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>customers (those of --customers, in that order), invoices (the customers of the span&apos;s invoices), past-due (of those with an amount due), statements (each customer with such an invoice once), groups (the members of --groups) or batch (those of BatchLab.dat).</source>
        <extracomment>The kinds (customers, invoices, past-due, statements, groups, batch) stay as typed</extracomment>
        <translation>customers (die von --customers, in dieser Reihenfolge), invoices (die Kunden der Rechnungen des Zeitraums), past-due (die davon mit offenem Betrag), statements (jeder Kunde mit einer solchen Rechnung einmal), groups (die Mitglieder von --groups) oder batch (die aus BatchLab.dat).</translation>
    </message>
    <message>
        <source>The label stock to print on, by name.</source>
        <translation>Das Etikettenformat, auf das gedruckt wird, nach Namen.</translation>
    </message>
    <message>
        <source>The column of the first label (default 1).</source>
        <translation>Die Spalte des ersten Etiketts (Vorgabe 1).</translation>
    </message>
    <message>
        <source>The row of the first label (default 1).</source>
        <translation>Die Reihe des ersten Etiketts (Vorgabe 1).</translation>
    </message>
    <message>
        <source>First invoice date (default today).</source>
        <translation>Erstes Rechnungsdatum (Vorgabe heute).</translation>
    </message>
    <message>
        <source>Last invoice date (default today).</source>
        <translation>Letztes Rechnungsdatum (Vorgabe heute).</translation>
    </message>
    <message>
        <source>The customer groups, or all.</source>
        <extracomment>&quot;all&quot; stays as typed</extracomment>
        <translation>Die Kundengruppen, oder all.</translation>
    </message>
    <message>
        <source>The customers by number, in label order.</source>
        <translation>Die Kunden nach Nummer, in der Reihenfolge der Etiketten.</translation>
    </message>
</context>
<context>
    <name>LabelGen</name>
    <message>
        <source>Label stock %1 has no labels across; at least 1 is needed.</source>
        <translation>Etikettenformat %1 hat keine Etiketten nebeneinander; mindestens 1 ist nötig.</translation>
    </message>
    <message>
        <source>The labels of label stock %1 are too small for five lines of text.</source>
        <translation>Die Etiketten des Etikettenformats %1 sind zu klein für fünf Textzeilen.</translation>
    </message>
    <message>
        <source>No row of label stock %1 fits on a page between its margins.</source>
        <translation>Keine Reihe des Etikettenformats %1 passt zwischen den Rändern auf eine Seite.</translation>
    </message>
    <message>
        <source>The %1 labels across of label stock %2 do not fit on a page between its margins.</source>
        <translation>Die %1 Etiketten nebeneinander des Etikettenformats %2 passen nicht zwischen den Rändern auf eine Seite.</translation>
    </message>
</context>
<context>
    <name>LabelGenKinds</name>
    <message>
        <source>Processing Invoice Labels</source>
        <translation>Etiketten nach Rechnungen werden erstellt</translation>
    </message>
    <message>
        <source>Processing Billing Labels</source>
        <translation>Etiketten für Zahlungserinnerungen werden erstellt</translation>
    </message>
    <message>
        <source>Processing Statement Labels</source>
        <translation>Etiketten für Kontoauszüge werden erstellt</translation>
    </message>
    <message>
        <source>Processing Customers</source>
        <translation>Kunden werden verarbeitet</translation>
    </message>
</context>
<context>
    <name>LabelMenus</name>
    <message>
        <source>Label Stock has not been defined. Choose Setup - Labels to define label stock.</source>
        <translation>Es ist noch kein Etikettenformat festgelegt. Legen Sie eines unter Einstellungen - Etikettenformate fest.</translation>
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
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>labels</source>
        <extracomment>The start of a PDF file&apos;s name: labels-2026-12-09.pdf.</extracomment>
        <translation>etiketten</translation>
    </message>
</context>
<context>
    <name>TLabPrint</name>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Previous column</source>
        <translation>Vorherige Spalte</translation>
    </message>
    <message>
        <source>Next column</source>
        <translation>Nächste Spalte</translation>
    </message>
    <message>
        <source>Previous row</source>
        <translation>Vorherige Reihe</translation>
    </message>
    <message>
        <source>Next row</source>
        <translation>Nächste Reihe</translation>
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
        <source>Label Stock:</source>
        <translation>Etikettenformat:</translation>
    </message>
    <message>
        <source>Starting Column:</source>
        <translation>Erste Spalte:</translation>
    </message>
    <message>
        <source>Row:</source>
        <translation>Reihe:</translation>
    </message>
    <message>
        <source>Label stock %1 has %2 labels across; the first label goes in column %2.</source>
        <extracomment>%1 is the label stock&apos;s name, %2 its number of labels across</extracomment>
        <translation>Etikettenformat %1 hat %2 Etiketten nebeneinander; das erste Etikett kommt in Spalte %2.</translation>
    </message>
    <message>
        <source>Label stock %1 has %2 rows on a page; the first label goes in row %2.</source>
        <extracomment>%1 is the label stock&apos;s name, %2 its number of rows on a page</extracomment>
        <translation>Etikettenformat %1 hat %2 Reihen pro Seite; das erste Etikett kommt in Reihe %2.</translation>
    </message>
</context>
<context>
    <name>TLabelDef</name>
    <message>
        <source>Label Definition</source>
        <translation>Etikettenformat festlegen</translation>
    </message>
    <message>
        <source>Continuous Pin Feed</source>
        <translation>Endlospapier mit Führungslochung</translation>
    </message>
    <message>
        <source>Label Name</source>
        <translation>Formatname</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Rand oben</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Rand links</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Rand unten</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Rand rechts</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Abstand waagerecht</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Abstand senkrecht</translation>
    </message>
    <message>
        <source>No. Labels Across</source>
        <translation>Etiketten nebeneinander</translation>
    </message>
    <message>
        <source>Label Dimensions are defined in printer points where each printer point is 1/72 of an inch.</source>
        <translation>Die Maße der Etiketten werden in Druckerpunkten angegeben; ein Druckerpunkt ist 1/72 Zoll.</translation>
    </message>
    <message>
        <source>Please fill in label name.</source>
        <translation>Bitte geben Sie einen Formatnamen ein.</translation>
    </message>
    <message>
        <source>There is a label stock named %1 already; give this one another name.</source>
        <translation>Es gibt bereits ein Etikettenformat namens %1; geben Sie diesem einen anderen Namen.</translation>
    </message>
    <message>
        <source>Label stock %1 has no labels across; at least 1 is needed.</source>
        <translation>Etikettenformat %1 hat keine Etiketten nebeneinander; mindestens 1 ist nötig.</translation>
    </message>
    <message>
        <source>%1 It is saved, but labels cannot be printed on it.</source>
        <extracomment>%1 says why labels cannot be printed on the label stock</extracomment>
        <translation>%1 Es wird gespeichert, aber darauf können keine Etiketten gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>TPickLab</name>
    <message>
        <source>PickLab</source>
        <extracomment>The title of the label stock pick list</extracomment>
        <translation>Etikettenformat auswählen</translation>
    </message>
</context>
<context>
    <name>TStationary</name>
    <message>
        <source>Stationery Setup</source>
        <translation>Briefkopf einrichten</translation>
    </message>
    <message>
        <source>Logo File</source>
        <translation>Logodatei</translation>
    </message>
    <message>
        <source> Justification </source>
        <translation> Ausrichtung </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Rand oben:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Logo Height:</source>
        <translation>Logohöhe:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Closing Line:</source>
        <translation>Grußformel:</translation>
    </message>
    <message>
        <source>Signature Line:</source>
        <translation>Unterschriftszeile:</translation>
    </message>
    <message>
        <source>Bitmap Files (*.BMP)|*.BMP|Picture Files (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG</source>
        <extracomment>File dialog filters: &quot;name (patterns)|patterns&quot;, keep the patterns and the |</extracomment>
        <translation>Bitmap-Dateien (*.BMP)|*.BMP|Bilddateien (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG</translation>
    </message>
    <message>
        <source>%1 is not a picture Tallowby can read; choose a bitmap, PNG or JPEG file.</source>
        <translation>%1 ist kein Bild, das Tallowby lesen kann; wählen Sie eine Bitmap-, PNG- oder JPEG-Datei.</translation>
    </message>
    <message>
        <source>The logo file&apos;s path is longer than %1 characters; choose a picture in a folder with a shorter path.</source>
        <translation>Der Pfad der Logodatei ist länger als %1 Zeichen; wählen Sie ein Bild in einem Ordner mit kürzerem Pfad.</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>The unit of the margin and logo size where the locale is metric.</extracomment>
        <translation>mm</translation>
    </message>
</context>
</TS>
