<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EInvoiceActions</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>XML files (*.xml)</source>
        <translation>XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>The e-invoice was not saved: %1</source>
        <translation>Die E-Rechnung wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Save E-Invoice</source>
        <translation>E-Rechnung speichern</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Rechnung %1</translation>
    </message>
    <message>
        <source>The e-invoice was saved as %1, but %2.</source>
        <extracomment>%1 a file, %2 why the mail program could not be opened.</extracomment>
        <translation>Die E-Rechnung wurde als %1 gespeichert, aber %2.</translation>
    </message>
    <message>
        <source>No invoices to save.</source>
        <translation>Keine Rechnungen zu speichern.</translation>
    </message>
    <message>
        <source>Save E-Invoices into Folder</source>
        <translation>E-Rechnungen in Ordner speichern</translation>
    </message>
    <message>
        <source>Saving e-invoices...</source>
        <translation>E-Rechnungen werden gespeichert...</translation>
    </message>
    <message>
        <source>%1 of %2 e-invoices saved in %3.</source>
        <extracomment>%1 saved of %2 invoices, %3 the folder.</extracomment>
        <translation>%1 von %2 E-Rechnungen in %3 gespeichert.</translation>
    </message>
    <message>
        <source>Invoice %1 cannot be saved as an e-invoice:</source>
        <extracomment>Followed by the reasons, one a line.</extracomment>
        <translation>Rechnung %1 kann nicht als E-Rechnung gespeichert werden:</translation>
    </message>
    <message>
        <source>Not saved:</source>
        <extracomment>Followed by the invoices not saved, one a line.</extracomment>
        <translation>Nicht gespeichert:</translation>
    </message>
    <message>
        <source>Credit Note %1</source>
        <extracomment>The subject of the e-mail that carries an e-invoice; %1 is the invoice&apos;s number.</extracomment>
        <translation>Rechnungskorrektur %1</translation>
    </message>
    <message>
        <source>The e-mail address of customer %1 is not a plain address (one &quot;@&quot;, no blanks, no &quot;mailto:&quot;, &quot;?&quot;, &quot;&amp;&quot;, &quot;%&quot; or line break, not beginning with &quot;-&quot;): %2<byte value="xd"/>
The message was opened without a recipient; fill it in there, and correct the address in the customer&apos;s window.</source>
        <extracomment>%1 the customer&apos;s number, %2 the address as stored.</extracomment>
        <translation>Die E-Mail-Adresse des Kunden %1 ist keine einfache Adresse (ein „@“, keine Leerzeichen, kein „mailto:“, „?“, „&amp;“, „%“ oder Zeilenumbruch, nicht mit „-“ am Anfang): %2<byte value="xd"/>
Die Nachricht wurde ohne Empfänger geöffnet; tragen Sie ihn dort ein und berichtigen Sie die Adresse im Fenster des Kunden.</translation>
    </message>
</context>
<context>
    <name>EInvoiceCommand</name>
    <message>
        <source>unexpected: %1</source>
        <extracomment>%1 the words given that the command does not take.</extracomment>
        <translation>unerwartet: %1</translation>
    </message>
    <message>
        <source>give either --invoice N[,N...] or --from and --to</source>
        <translation>geben Sie entweder --invoice N[,N...] oder --from und --to an</translation>
    </message>
    <message>
        <source>a span needs both --from and --to</source>
        <translation>ein Zeitraum braucht sowohl --from als auch --to</translation>
    </message>
    <message>
        <source>Ending Date must be greater than or equal to Starting Date.</source>
        <translation>Das Enddatum darf nicht vor dem Anfangsdatum liegen.</translation>
    </message>
    <message>
        <source>--format is facturx, xrechnung or ubl</source>
        <extracomment>facturx, xrechnung and ubl are typed as they are.</extracomment>
        <translation>--format ist facturx, xrechnung oder ubl</translation>
    </message>
    <message>
        <source>No Invoices within selected dates.</source>
        <translation>Keine Rechnungen im gewählten Zeitraum.</translation>
    </message>
    <message>
        <source>--invoice: there is no invoice %1</source>
        <translation>--invoice: Es gibt keine Rechnung %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich in: %1</translation>
    </message>
    <message>
        <source>tallowby einvoice (--invoice N[,N...] | --from YYYY-MM-DD --to YYYY-MM-DD) --format facturx|xrechnung|ubl --out FILE|DIR</source>
        <extracomment>The command, its options and the format words are typed as they are.</extracomment>
        <translation>tallowby einvoice (--invoice N[,N...] | --from JJJJ-MM-TT --to JJJJ-MM-TT) --format facturx|xrechnung|ubl --out DATEI|ORDNER</translation>
    </message>
    <message>
        <source>Saves invoices of the data folder as electronic invoices (EN 16931): Factur-X PDF, XRechnung (CII) or Peppol (UBL). One invoice goes into FILE, several into DIR, one file per invoice named by its number.</source>
        <translation>Speichert Rechnungen des Datenordners als elektronische Rechnungen (EN 16931): Factur-X PDF, XRechnung (CII) oder Peppol (UBL). Eine Rechnung wird in DATEI gespeichert, mehrere in ORDNER, eine Datei je Rechnung, benannt nach ihrer Nummer.</translation>
    </message>
    <message>
        <source>The invoices by number.</source>
        <translation>Die Rechnungen nach Nummer.</translation>
    </message>
    <message>
        <source>First invoice date of the span.</source>
        <translation>Erstes Rechnungsdatum des Zeitraums.</translation>
    </message>
    <message>
        <source>Last invoice date of the span.</source>
        <translation>Letztes Rechnungsdatum des Zeitraums.</translation>
    </message>
    <message>
        <source>facturx (PDF), xrechnung (CII XML) or ubl (Peppol UBL XML).</source>
        <extracomment>facturx, xrechnung and ubl are typed as they are.</extracomment>
        <translation>facturx (PDF), xrechnung (CII XML) oder ubl (Peppol UBL XML).</translation>
    </message>
</context>
<context>
    <name>EInvoiceFiles</name>
    <message>
        <source>Invoice %1</source>
        <translation>Rechnung %1</translation>
    </message>
    <message>
        <source>cannot put the file in place of %1</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>die Datei kann nicht an die Stelle von %1 gesetzt werden</translation>
    </message>
    <message>
        <source>invoice %1: %2</source>
        <extracomment>A line of the invoices not saved as e-invoices: %1 the invoice&apos;s number, %2 why.</extracomment>
        <translation>Rechnung %1: %2</translation>
    </message>
    <message>
        <source>there is no such invoice</source>
        <translation>diese Rechnung gibt es nicht</translation>
    </message>
    <message>
        <source>Credit Note %1</source>
        <extracomment>The printed invoice&apos;s title in its PDF file; %1 is the invoice&apos;s number.</extracomment>
        <translation>Rechnungskorrektur %1</translation>
    </message>
    <message>
        <source>the invoice could not be printed into %1 (%2)</source>
        <extracomment>%1 is a file, %2 why (&quot;No space left on device&quot;).</extracomment>
        <translation>die Rechnung konnte nicht in %1 gedruckt werden (%2)</translation>
    </message>
</context>
<context>
    <name>InvoiceCopy</name>
    <message>
        <source>an item could not be added</source>
        <translation>ein Posten konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>The index of the invoices&apos; states could not be written.</source>
        <translation>Der Index der Rechnungszustände konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>InvoiceDocument</name>
    <message>
        <source>Item Code</source>
        <translation>Artikelnr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>Column heading of the printed invoice: the unit price.</extracomment>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Column heading of the printed invoice: the quantity.</extracomment>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading of the printed invoice: the line&apos;s total.</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Invoice</source>
        <extracomment>The title of the printed invoice.</extracomment>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Bill</source>
        <extracomment>The title of an invoice printed again while something is due: a reminder (glossary: bill).</extracomment>
        <translation>Zahlungserinnerung</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Kontoauszug</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on the printed invoice.</extracomment>
        <translation>An:</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>Rechnungsnr.:</translation>
    </message>
    <message>
        <source>Invoice Date:</source>
        <translation>Rechnungsdatum:</translation>
    </message>
    <message>
        <source>SubTotal:</source>
        <translation>Zwischensumme:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Amount Paid:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Offener Betrag:</translation>
    </message>
    <message>
        <source>Credits Invoice:</source>
        <extracomment>Beside the number of the invoice a credit note corrects.</extracomment>
        <translation>Korrigiert Rechnung:</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <extracomment>The title of a printed credit note (German: Rechnungskorrektur, not Gutschrift; French: facture d&apos;avoir).</extracomment>
        <translation>Rechnungskorrektur</translation>
    </message>
    <message>
        <source>Shipping:</source>
        <extracomment>A charge line&apos;s default name on documents, with its colon (German &quot;Versand:&quot;, French &quot;Frais de port :&quot;).</extracomment>
        <translation>Versand:</translation>
    </message>
    <message>
        <source>Sales Tax:</source>
        <translation>MwSt.:</translation>
    </message>
    <message>
        <source>Payment reference: %1</source>
        <translation>Verwendungszweck: %1</translation>
    </message>
    <message>
        <source>invoices</source>
        <extracomment>The start of a PDF file&apos;s name: invoices-2026-12-09.pdf.</extracomment>
        <translation>rechnungen</translation>
    </message>
</context>
<context>
    <name>InvoiceLegalText</name>
    <message>
        <source>Zero rated</source>
        <translation>Nullsatz</translation>
    </message>
    <message>
        <source>Exempt from VAT</source>
        <translation>Steuerbefreit</translation>
    </message>
    <message>
        <source>Reverse charge</source>
        <translation>Steuerschuldnerschaft des Leistungsempfängers</translation>
    </message>
    <message>
        <source>Intra-community supply</source>
        <translation>Innergemeinschaftliche Lieferung</translation>
    </message>
    <message>
        <source>Export outside the EU</source>
        <translation>Ausfuhr außerhalb der EU</translation>
    </message>
    <message>
        <source>supply of goods</source>
        <translation>Lieferung von Waren</translation>
    </message>
    <message>
        <source>provision of services</source>
        <translation>Erbringung von Dienstleistungen</translation>
    </message>
    <message>
        <source>supply of goods and provision of services</source>
        <translation>Lieferung von Waren und Erbringung von Dienstleistungen</translation>
    </message>
    <message>
        <source>Seller: %1, %2</source>
        <extracomment>The seller&apos;s legal name and address under the totals of a printed invoice.</extracomment>
        <translation>Verkäufer: %1, %2</translation>
    </message>
    <message>
        <source>VAT ID: %1</source>
        <translation>USt-IdNr.: %1</translation>
    </message>
    <message>
        <source>Tax No.: %1</source>
        <extracomment>The seller&apos;s tax number (German Steuernummer).</extracomment>
        <translation>Steuernummer: %1</translation>
    </message>
    <message>
        <source>Customer&apos;s VAT ID: %1</source>
        <translation>USt-IdNr. des Kunden: %1</translation>
    </message>
    <message>
        <source>Customer&apos;s SIREN: %1</source>
        <translation>SIREN des Kunden: %1</translation>
    </message>
    <message>
        <source>Date of supply: %1</source>
        <translation>Leistungsdatum: %1</translation>
    </message>
    <message>
        <source>VAT %1%: %2 on %3 %4</source>
        <extracomment>One rate of the VAT breakdown: %1 the rate, %2 the VAT, %3 the taxable amount, %4 the currency.</extracomment>
        <translation>USt. %1 %: %2 auf %3 %4</translation>
    </message>
    <message>
        <source>%1: %2 %3 without VAT</source>
        <extracomment>An untaxed part of the VAT breakdown: %1 its kind, %2 the amount, %3 the currency.</extracomment>
        <translation>%1: %2 %3 ohne USt.</translation>
    </message>
    <message>
        <source>All amounts in %1.</source>
        <translation>Alle Beträge in %1.</translation>
    </message>
    <message>
        <source>Due date: %1</source>
        <translation>Fällig am: %1</translation>
    </message>
    <message>
        <source>Payment terms: %1</source>
        <translation>Zahlungsbedingungen: %1</translation>
    </message>
    <message>
        <source>Payment reference: %1</source>
        <translation>Verwendungszweck: %1</translation>
    </message>
    <message>
        <source>Operation: %1</source>
        <extracomment>The French &quot;nature de l&apos;opération&quot;: %1 goods, services or both.</extracomment>
        <translation>Art der Leistung: %1</translation>
    </message>
    <message>
        <source>VAT paid on debits.</source>
        <extracomment>French &quot;TVA acquittée sur les débits&quot;.</extracomment>
        <translation>Steuer nach vereinbarten Entgelten.</translation>
    </message>
    <message>
        <source>three times the legal interest rate</source>
        <translation>dem Dreifachen des gesetzlichen Zinssatzes</translation>
    </message>
    <message>
        <source>Late payment: a flat fee of EUR 40 for recovery costs is due, and late-payment interest at %1.</source>
        <extracomment>French B2B mention (indemnité forfaitaire de 40 euros pour frais de recouvrement); %1 the rate.</extracomment>
        <translation>Bei Zahlungsverzug: eine Pauschale von 40 EUR für Beitreibungskosten und Verzugszinsen in Höhe von %1.</translation>
    </message>
</context>
<context>
    <name>InvoiceRows</name>
    <message>
        <source>&lt; DELETED &gt;</source>
        <translation>&lt; GELÖSCHT &gt;</translation>
    </message>
</context>
<context>
    <name>InvoiceState</name>
    <message>
        <source>Invoice %1 has been issued and cannot be deleted. To cancel or correct it, make a credit note for it with &quot;Credit Note...&quot;.</source>
        <translation>Die Rechnung %1 ist ausgestellt und kann nicht gelöscht werden. Um sie zu stornieren oder zu berichtigen, erstellen Sie mit „Rechnungskorrektur...“ eine Rechnungskorrektur.</translation>
    </message>
    <message>
        <source>Only the invoice with the highest number (%1) can be deleted, so that no number goes missing. To cancel invoice %2, issue it and make a credit note for it.</source>
        <translation>Nur die Rechnung mit der höchsten Nummer (%1) kann gelöscht werden, damit keine Nummer fehlt. Um die Rechnung %2 zu stornieren, stellen Sie sie aus und erstellen Sie eine Rechnungskorrektur dazu.</translation>
    </message>
    <message>
        <source>A credit note takes items back: the quantity of %1 must be negative.</source>
        <translation>Eine Rechnungskorrektur nimmt Positionen zurück: Die Menge von %1 muss negativ sein.</translation>
    </message>
    <message>
        <source>The credit note credits more of %1 than invoice %2 holds, counting its earlier credit notes.</source>
        <translation>Die Rechnungskorrektur schreibt mehr von %1 gut, als die Rechnung %2 enthält (frühere Rechnungskorrekturen eingerechnet).</translation>
    </message>
    <message>
        <source>Credit note for invoice %1 of %2</source>
        <extracomment>The memo of a new credit note: %1 the invoice&apos;s number, %2 its date.</extracomment>
        <translation>Rechnungskorrektur zur Rechnung %1 vom %2</translation>
    </message>
    <message>
        <source>Credit note for invoice %1.</source>
        <translation>Rechnungskorrektur zur Rechnung %1.</translation>
    </message>
    <message>
        <source>Issued on %1.</source>
        <translation>Ausgestellt am %1.</translation>
    </message>
    <message>
        <source>An issued invoice cannot be changed; correct it with a credit note.</source>
        <translation>Eine ausgestellte Rechnung kann nicht geändert werden; berichtigen Sie sie mit einer Rechnungskorrektur.</translation>
    </message>
</context>
<context>
    <name>OrderImport</name>
    <message>
        <source>Unable to read %1: %2</source>
        <extracomment>%1 a file, %2 the reason.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3 fields where %4 are needed (field %5 is missing).</source>
        <extracomment>%1 the order file, %2 its line; %3 fields found, %4 needed, %5 the first one missing.</extracomment>
        <translation>%1, Zeile %2: %3 Felder, wo %4 nötig sind (Feld %5 fehlt).</translation>
    </message>
    <message>
        <source>%1, line %2, field %3: &apos;%4&apos; is not a number.</source>
        <extracomment>%1 the order file, %2 its line, %3 the field, %4 what it holds.</extracomment>
        <translation>%1, Zeile %2, Feld %3: &apos;%4&apos; ist keine Zahl.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <extracomment>Part of the note of an imported order&apos;s invoice: where the order came from.</extracomment>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>THANKS FOR YOUR ORDER.</source>
        <translation>VIELEN DANK FÜR IHREN AUFTRAG.</translation>
    </message>
    <message>
        <source>ALL DAMAGES AND SHORTAGES MUST BE REPORTED WITHIN 5 DAYS OF RECEIPT.</source>
        <translation>ALLE SCHÄDEN UND FEHLMENGEN MÜSSEN INNERHALB VON 5 TAGEN NACH ERHALT GEMELDET WERDEN.</translation>
    </message>
</context>
<context>
    <name>RecurCommand</name>
    <message>
        <source>schedule %1: invoice %2 %3, %4, %5 made, next %6</source>
        <extracomment>%1 schedule number, %2 invoice, %3 weekly/monthly/..., %4 state, %5 made, %6 next date or -</extracomment>
        <translation>Zeitplan %1: Rechnung %2 %3, %4, %5 erstellt, nächste %6</translation>
    </message>
    <message>
        <source>Makes the repeating invoices that are due, and keeps their schedules.</source>
        <translation>Erstellt die fälligen wiederkehrenden Rechnungen und pflegt ihre Zeitpläne.</translation>
    </message>
    <message>
        <source>Lists what would be made and changes nothing.</source>
        <translation>Listet auf, was erstellt würde, und ändert nichts.</translation>
    </message>
    <message>
        <source>Lists the schedules.</source>
        <translation>Listet die Zeitpläne auf.</translation>
    </message>
    <message>
        <source>With --repeat: each new invoice is issued at once.</source>
        <translation>Mit --repeat: jede neue Rechnung wird sofort ausgestellt.</translation>
    </message>
    <message>
        <source>Make what is due by this day (default: today).</source>
        <translation>Erstellt, was bis zu diesem Tag fällig ist (Vorgabe: heute).</translation>
    </message>
    <message>
        <source>Repeats this invoice on a new schedule.</source>
        <translation>Wiederholt diese Rechnung nach einem neuen Zeitplan.</translation>
    </message>
    <message>
        <source>With --repeat: weekly, monthly, quarterly or yearly.</source>
        <translation>Mit --repeat: weekly, monthly, quarterly oder yearly.</translation>
    </message>
    <message>
        <source>With --repeat: the date of the first new invoice.</source>
        <translation>Mit --repeat: das Datum der ersten neuen Rechnung.</translation>
    </message>
    <message>
        <source>With --repeat: the day of the month (1-31) after the first.</source>
        <translation>Mit --repeat: der Tag des Monats (1-31) nach der ersten.</translation>
    </message>
    <message>
        <source>With --repeat: no invoice after this date.</source>
        <translation>Mit --repeat: keine Rechnung nach diesem Datum.</translation>
    </message>
    <message>
        <source>With --repeat: how many invoices in all.</source>
        <translation>Mit --repeat: wie viele Rechnungen insgesamt.</translation>
    </message>
    <message>
        <source>Pauses a schedule.</source>
        <translation>Hält einen Zeitplan an.</translation>
    </message>
    <message>
        <source>Resumes a paused schedule.</source>
        <translation>Setzt einen angehaltenen Zeitplan fort.</translation>
    </message>
    <message>
        <source>Ends a schedule.</source>
        <translation>Beendet einen Zeitplan.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--until: not a date YYYY-MM-DD</source>
        <translation>--until: kein Datum JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--first: not a date YYYY-MM-DD</source>
        <translation>--first: kein Datum JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--end: not a date YYYY-MM-DD</source>
        <translation>--end: kein Datum JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--repeat: not an invoice number</source>
        <translation>--repeat: keine Rechnungsnummer</translation>
    </message>
    <message>
        <source>--day: not a day of the month (1-31)</source>
        <translation>--day: kein Tag des Monats (1-31)</translation>
    </message>
    <message>
        <source>--times: not a number from 1 to 9999</source>
        <translation>--times: keine Zahl von 1 bis 9999</translation>
    </message>
    <message>
        <source>--%1: name one schedule</source>
        <translation>--%1: einen Zeitplan nennen</translation>
    </message>
    <message>
        <source>--repeat needs --every weekly|monthly|quarterly|yearly and --first</source>
        <translation>--repeat braucht --every weekly|monthly|quarterly|yearly und --first</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>Datenordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>there is no invoice %1</source>
        <translation>es gibt keine Rechnung %1</translation>
    </message>
    <message>
        <source>the schedule could not be written</source>
        <translation>der Zeitplan konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>es gibt keinen Zeitplan %1</translation>
    </message>
    <message>
        <source>%1  schedule %2: invoice %3</source>
        <translation>%1  Zeitplan %2: Rechnung %3</translation>
    </message>
    <message numerus="yes">
        <source>%n invoice(s) made.</source>
        <translation>
            <numerusform>%n Rechnung erstellt.</numerusform>
            <numerusform>%n Rechnungen erstellt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringInvoices</name>
    <message>
        <source>Making Repeating Invoices</source>
        <translation>Wiederkehrende Rechnungen werden erstellt</translation>
    </message>
    <message>
        <source>Invoice %1 of %2 (schedule %3)</source>
        <extracomment>%1 invoice number, %2 its date, %3 the schedule</extracomment>
        <translation>Rechnung %1 vom %2 (Zeitplan %3)</translation>
    </message>
    <message>
        <source>Repeating invoices made:</source>
        <translation>Erstellte wiederkehrende Rechnungen:</translation>
    </message>
    <message>
        <source>Schedule %1 repeats invoice %2, which is no longer there.</source>
        <translation>Zeitplan %1 wiederholt Rechnung %2, die es nicht mehr gibt.</translation>
    </message>
    <message>
        <source>Schedule %1 could not be written.</source>
        <translation>Zeitplan %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>its state could not be written</source>
        <translation>ihr Zustand konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Invoice %1 of schedule %2 could not be written: %3</source>
        <extracomment>%3 why</extracomment>
        <translation>Rechnung %1 des Zeitplans %2 konnte nicht geschrieben werden: %3</translation>
    </message>
</context>
<context>
    <name>TInvoice</name>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Customer address</source>
        <translation>Kundenanschrift</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>The customer&apos;s short note, beside its field.</extracomment>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Invoice:</source>
        <translation>Rechnung:</translation>
    </message>
    <message>
        <source>Date Sold</source>
        <extracomment>The invoice&apos;s date.</extracomment>
        <translation>Verkaufsdatum</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Credit Card / Check:</source>
        <translation>Kreditkarte / Scheck:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export Credit Card Info to Batchin.Dat</source>
        <translation>Kreditkartendaten nach Batchin.Dat exportieren</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Artikelnr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Line Items</source>
        <translation>Rechnungspositionen</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Position hinzufügen</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Position bearbeiten</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Add Paym&apos;t</source>
        <extracomment>Abbreviated to fit the button: add a payment.</extracomment>
        <translation>Zahlung hinzufügen</translation>
    </message>
    <message>
        <source>Edit Paym&apos;t</source>
        <translation>Zahlung bearbeiten</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Zwischensumme:</translation>
    </message>
    <message>
        <source>Shipping:</source>
        <extracomment>Replaced by the first charge line&apos;s name from the settings when the window shows.</extracomment>
        <translation>Versand:</translation>
    </message>
    <message>
        <source>Sales Tax:</source>
        <translation>Umsatzsteuer:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Payments:</source>
        <translation>Zahlungen:</translation>
    </message>
    <message>
        <source>Amount Due:</source>
        <translation>Offener Betrag:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
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
        <source>IMPORT</source>
        <translation>IMPORTIEREN</translation>
    </message>
    <message>
        <source>Batch Label</source>
        <translation>Sammeletikett</translation>
    </message>
    <message>
        <source>E-Invoice</source>
        <translation>E-Rechnung</translation>
    </message>
    <message>
        <source>Save the invoice as an electronic invoice</source>
        <translation>Die Rechnung als elektronische Rechnung speichern</translation>
    </message>
    <message>
        <source>E-Mail...</source>
        <translation>E-Mail...</translation>
    </message>
    <message>
        <source>Send the e-invoice with the mail program</source>
        <translation>Die E-Rechnung mit dem E-Mail-Programm senden</translation>
    </message>
    <message>
        <source>Customer not selected</source>
        <translation>Kein Kunde ausgewählt</translation>
    </message>
    <message>
        <source>Customer must be selected to print</source>
        <translation>Zum Drucken muss ein Kunde ausgewählt sein</translation>
    </message>
    <message>
        <source>Save the invoice before sending it as an e-invoice.</source>
        <translation>Speichern Sie die Rechnung, bevor Sie sie als E-Rechnung senden.</translation>
    </message>
    <message>
        <source>Directories containing Info and Order files must be selected proir to using the Import function. See Preferences/Import Dir&apos;s</source>
        <translation>Vor dem Import müssen die Ordner mit den Info- und Order-Dateien ausgewählt werden. Siehe Einstellungen/Importordner</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 Not Found</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>Could not import full address: Country = %1</source>
        <translation>Die vollständige Anschrift konnte nicht importiert werden: Land = %1</translation>
    </message>
    <message>
        <source>Item %1 - %2NOT FOUND IN PRODUCT DATABASE</source>
        <extracomment>%1 the ordered product&apos;s code, %2 its description (no space follows it).</extracomment>
        <translation>Artikel %1 - %2 NICHT IN DEN ARTIKELDATEN GEFUNDEN</translation>
    </message>
    <message>
        <source>Multiple Matches on Name / Zip</source>
        <translation>Mehrere Treffer für Name / PLZ</translation>
    </message>
    <message>
        <source>APPEND RECORD TO FILE? %1</source>
        <translation>DATENSATZ AN DATEI ANHÄNGEN? %1</translation>
    </message>
    <message>
        <source>Improperly Formatted Credit Card Information</source>
        <translation>Kreditkartendaten falsch formatiert</translation>
    </message>
    <message>
        <source>%1 already holds this charge; the card would be charged twice. Add it again?</source>
        <translation>%1 enthält diese Belastung bereits; die Karte würde zweimal belastet. Erneut hinzufügen?</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Speichern nicht möglich in: %1</translation>
    </message>
    <message>
        <source>FIRST INVOICE</source>
        <translation>ERSTE RECHNUNG</translation>
    </message>
    <message>
        <source>What invoice number would you like to start with?</source>
        <translation>Mit welcher Rechnungsnummer möchten Sie beginnen?</translation>
    </message>
    <message>
        <source>Unable to add invoice at this time. Please try again later</source>
        <translation>Die Rechnung kann jetzt nicht hinzugefügt werden. Bitte versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>Unable to add invoice Items at this time. Please try again later</source>
        <translation>Die Rechnungspositionen können jetzt nicht hinzugefügt werden. Bitte versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>Unable to add Payments at this time. Please try again later</source>
        <translation>Die Zahlungen können jetzt nicht hinzugefügt werden. Bitte versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>Customer selection required before saving.</source>
        <translation>Vor dem Speichern muss ein Kunde ausgewählt werden.</translation>
    </message>
    <message>
        <source>Add another invoice?</source>
        <translation>Weitere Rechnung hinzufügen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this invoice?</source>
        <translation>Möchten Sie diese Rechnung wirklich löschen?</translation>
    </message>
    <message>
        <source>Issue</source>
        <translation>Ausstellen</translation>
    </message>
    <message>
        <source>Issue the invoice: from then on it stays as it is</source>
        <translation>Die Rechnung ausstellen: Von da an bleibt sie, wie sie ist</translation>
    </message>
    <message>
        <source>Credit Note...</source>
        <translation>Rechnungskorrektur...</translation>
    </message>
    <message>
        <source>Correct the issued invoice by a credit note of the next number</source>
        <translation>Die ausgestellte Rechnung durch eine Rechnungskorrektur mit der nächsten Nummer berichtigen</translation>
    </message>
    <message>
        <source>Save the invoice before printing it: a printed invoice is issued.</source>
        <translation>Speichern Sie die Rechnung vor dem Drucken: Eine gedruckte Rechnung ist ausgestellt.</translation>
    </message>
    <message>
        <source>Save the changes before sending the invoice.</source>
        <translation>Speichern Sie die Änderungen, bevor Sie die Rechnung senden.</translation>
    </message>
    <message>
        <source>Invoice %1 has been issued: its content cannot be changed.</source>
        <translation>Die Rechnung %1 ist ausgestellt: Ihr Inhalt kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>New credit note for invoice %1.</source>
        <translation>Neue Rechnungskorrektur zur Rechnung %1.</translation>
    </message>
    <message>
        <source>Save the invoice before issuing it.</source>
        <translation>Speichern Sie die Rechnung, bevor Sie sie ausstellen.</translation>
    </message>
    <message>
        <source>Issue invoice %1? An issued invoice can no longer be changed or deleted.</source>
        <translation>Rechnung %1 ausstellen? Eine ausgestellte Rechnung kann nicht mehr geändert oder gelöscht werden.</translation>
    </message>
    <message>
        <source>Unable to record that invoice %1 was issued.</source>
        <translation>Die Ausstellung der Rechnung %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Date of Supply</source>
        <extracomment>The date the goods or services were supplied, when it is not the invoice&apos;s date.</extracomment>
        <translation>Leistungsdatum</translation>
    </message>
    <message>
        <source>Unable to save the state of invoice %1 (credit note, date of supply).</source>
        <translation>Der Zustand der Rechnung %1 (Rechnungskorrektur, Leistungsdatum) konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Customer %1 is invoiced without VAT (%2), but the item %3 carries tax: its e-invoice will be refused. Save all the same?</source>
        <translation>Kunde %1 wird ohne USt. berechnet (%2), aber die Position %3 trägt Steuer: Ihre E-Rechnung wird abgelehnt. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Discard the changes to this invoice?</source>
        <translation>Die Änderungen an dieser Rechnung verwerfen?</translation>
    </message>
    <message>
        <source>The letters after the total say whether the item is subject to each charge line: t yes, f no (tf: the first only)</source>
        <extracomment>The two letters after a line total: t or f (true, false) for the first and second charge line.</extracomment>
        <translation>Die Buchstaben hinter dem Betrag sagen, ob die Position jeder Zuschlagszeile unterliegt: t ja, f nein (tf: nur der ersten)</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Wiederholen...</translation>
    </message>
    <message>
        <source>Make a copy of this invoice weekly, monthly, quarterly or yearly</source>
        <translation>Diese Rechnung wöchentlich, monatlich, vierteljährlich oder jährlich kopieren</translation>
    </message>
    <message>
        <source>Save the invoice before repeating it.</source>
        <translation>Speichern Sie die Rechnung, bevor Sie sie wiederholen.</translation>
    </message>
    <message>
        <source>Save the changes before repeating the invoice.</source>
        <translation>Speichern Sie die Änderungen, bevor Sie die Rechnung wiederholen.</translation>
    </message>
    <message>
        <source>The schedule could not be written.</source>
        <translation>Der Zeitplan konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Invoice %1 repeats %2 from %3 (schedule %4).</source>
        <extracomment>%1 the invoice, %2 weekly/monthly/..., %3 the first date, %4 the schedule&apos;s number.</extracomment>
        <translation>Rechnung %1 wiederholt sich %2 ab %3 (Zeitplan %4).</translation>
    </message>
</context>
<context>
    <name>TItemDef</name>
    <message>
        <source>Invoice Line Item</source>
        <translation>Rechnungsposition</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>TPickInv</name>
    <message>
        <source>Select Invoice</source>
        <translation>Rechnung auswählen</translation>
    </message>
    <message>
        <source>Seek Invoice No:</source>
        <translation>Rechnungsnr. suchen:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Invoice</source>
        <extracomment>Column headings: the invoice&apos;s number, its date, its card or check text.</extracomment>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>TPickPmt</name>
    <message>
        <source>Select Payment</source>
        <translation>Zahlung auswählen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPmtDef</name>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation>Zahlungsdatum:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
</context>
<context>
    <name>TRepeat</name>
    <message>
        <source>Repeat Invoice</source>
        <translation>Rechnung wiederholen</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>How often a repeating invoice is made.</extracomment>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>as the first date</source>
        <extracomment>The day of the month when none is chosen.</extracomment>
        <translation>wie das erste Datum</translation>
    </message>
    <message>
        <source>no limit</source>
        <extracomment>How many invoices a schedule makes when none is set.</extracomment>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>Issue each new invoice at once</source>
        <translation>Jede neue Rechnung sofort ausstellen</translation>
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
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>First invoice on</source>
        <translation>Erste Rechnung am</translation>
    </message>
    <message>
        <source>Last date</source>
        <extracomment>Optional: no repeating invoice after this date.</extracomment>
        <translation>Letztes Datum</translation>
    </message>
    <message>
        <source>Number of invoices</source>
        <translation>Anzahl der Rechnungen</translation>
    </message>
    <message>
        <source>Invoice %1 is copied on each date.</source>
        <extracomment>%1 the invoice&apos;s number.</extracomment>
        <translation>Rechnung %1 wird an jedem Datum kopiert.</translation>
    </message>
    <message>
        <source>The first date is needed.</source>
        <translation>Das erste Datum fehlt.</translation>
    </message>
    <message>
        <source>The last date is before the first.</source>
        <translation>Das letzte Datum liegt vor dem ersten.</translation>
    </message>
</context>
<context>
    <name>TSchedules</name>
    <message>
        <source>weekly</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>vierteljährlich</translation>
    </message>
    <message>
        <source>yearly</source>
        <translation>jährlich</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>Repeating Invoices</source>
        <translation>Wiederkehrende Rechnungen</translation>
    </message>
    <message>
        <source>Schedule</source>
        <extracomment>Column headings of the list of repeating invoices.</extracomment>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Ends a repeating invoice&apos;s schedule for good.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Schedule %1 could not be written.</source>
        <translation>Zeitplan %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
</TS>
