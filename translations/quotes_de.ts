<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <extracomment>The title of a printed quote (German Angebot, French Devis).</extracomment>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>quotes</source>
        <extracomment>The start of a PDF file&apos;s name: quotes-2026-12-09.pdf.</extracomment>
        <translation>angebote</translation>
    </message>
    <message>
        <source>Quote No:</source>
        <extracomment>Beside the quote&apos;s number on the printed quote.</extracomment>
        <translation>Angebotsnr.:</translation>
    </message>
    <message>
        <source>Quote Date:</source>
        <translation>Angebotsdatum:</translation>
    </message>
    <message>
        <source>Valid Until:</source>
        <extracomment>The last day the quote&apos;s prices hold.</extracomment>
        <translation>Gültig bis:</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on the printed quote.</extracomment>
        <translation>An:</translation>
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
        <source>Quote %1</source>
        <extracomment>The printed quote&apos;s title in its PDF file; %1 is the quote&apos;s number.</extracomment>
        <translation>Angebot %1</translation>
    </message>
</context>
<context>
    <name>QuoteInvoice</name>
    <message>
        <source>Quote %1 is no longer there.</source>
        <translation>Angebot %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Quote %1 has already become invoice %2.</source>
        <translation>Aus Angebot %1 wurde bereits Rechnung %2.</translation>
    </message>
    <message>
        <source>Quote %1 was declined: it does not become an invoice.</source>
        <translation>Angebot %1 wurde abgelehnt: daraus wird keine Rechnung.</translation>
    </message>
    <message>
        <source>No invoice number is left.</source>
        <translation>Es ist keine Rechnungsnummer mehr frei.</translation>
    </message>
    <message>
        <source>Invoice %1 could not be written: %2</source>
        <translation>Rechnung %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TPickQuote</name>
    <message>
        <source>Select Quote</source>
        <translation>Angebot auswählen</translation>
    </message>
    <message>
        <source>Quote</source>
        <extracomment>Column headings of the quote list.</extracomment>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>TQuote</name>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
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
        <source>Open</source>
        <extracomment>A quote&apos;s state, chosen by the user.</extracomment>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Abgelehnt</translation>
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
        <source>Make Invoice</source>
        <translation>Rechnung erstellen</translation>
    </message>
    <message>
        <source>Make an invoice of the next number from this quote</source>
        <translation>Aus diesem Angebot eine Rechnung mit der nächsten Nummer erstellen</translation>
    </message>
    <message>
        <source>E-Mail...</source>
        <translation>E-Mail...</translation>
    </message>
    <message>
        <source>Send the quote as PDF with the mail program</source>
        <translation>Das Angebot als PDF mit dem E-Mail-Programm senden</translation>
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
        <source>Quote:</source>
        <translation>Angebot:</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The quote&apos;s date.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Valid Until</source>
        <extracomment>The last day the quote&apos;s prices hold.</extracomment>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Zwischensumme:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>This quote became invoice %1.</source>
        <translation>Aus diesem Angebot wurde Rechnung %1.</translation>
    </message>
    <message>
        <source>Discard the changes to this quote?</source>
        <translation>Die Änderungen an diesem Angebot verwerfen?</translation>
    </message>
    <message>
        <source>Customer must be selected</source>
        <translation>Es muss ein Kunde ausgewählt sein</translation>
    </message>
    <message>
        <source>The quote could not be saved: %1</source>
        <translation>Das Angebot konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Customer must be selected to print</source>
        <translation>Zum Drucken muss ein Kunde ausgewählt sein</translation>
    </message>
    <message>
        <source>The quote was not saved as PDF: %1</source>
        <translation>Das Angebot wurde nicht als PDF gespeichert: %1</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <extracomment>The subject of the e-mail that carries a quote; %1 is its number.</extracomment>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <extracomment>A quote&apos;s PDF file name; %1 is its number.</extracomment>
        <translation>angebot-%1.pdf</translation>
    </message>
    <message>
        <source>The quote could not be saved as PDF in %1.</source>
        <translation>Das Angebot konnte nicht als PDF in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The quote was saved as %1, but %2.</source>
        <translation>Das Angebot wurde als %1 gespeichert, aber %2.</translation>
    </message>
    <message>
        <source>A declined quote does not become an invoice.</source>
        <translation>Aus einem abgelehnten Angebot wird keine Rechnung.</translation>
    </message>
    <message>
        <source>Quote %1 became invoice %2.</source>
        <translation>Aus Angebot %1 wurde Rechnung %2.</translation>
    </message>
    <message>
        <source>Its amounts were computed again at today&apos;s settings and differ from the quote&apos;s: total %1 (the quote: %2).</source>
        <translation>Ihre Beträge wurden mit den heutigen Einstellungen neu berechnet und weichen vom Angebot ab: Gesamt %1 (Angebot: %2).</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this quote?</source>
        <translation>Möchten Sie dieses Angebot wirklich löschen?</translation>
    </message>
</context>
</TS>
