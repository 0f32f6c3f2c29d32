<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ReportCatalog</name>
    <message>
        <source>the invoices of the span (default today)</source>
        <translation>die Rechnungen des Zeitraums (Vorgabe heute)</translation>
    </message>
    <message>
        <source>the invoices of the span with a balance due (default this month)</source>
        <translation>die Rechnungen des Zeitraums mit offenem Betrag (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>the statements of the customers with unsettled invoices in the span (default this month)</source>
        <translation>die Kontoauszüge der Kunden mit offenen Rechnungen im Zeitraum (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>every invoice with a balance due (or a credit) and its age in days</source>
        <translation>jede Rechnung mit offenem Betrag (oder einer Gutschrift) und ihr Alter in Tagen</translation>
    </message>
    <message>
        <source>item sales and the two charge lines of the span (default this month)</source>
        <translation>Artikelumsatz und die beiden Zuschlagszeilen des Zeitraums (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>the payments of the span, by day (default this month)</source>
        <translation>die Zahlungen des Zeitraums, nach Tagen (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>quantities and amounts sold per product in the span (default this month)</source>
        <translation>verkaufte Mengen und Beträge je Artikel im Zeitraum (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>one line per invoice of the span (default this month)</source>
        <translation>eine Zeile je Rechnung des Zeitraums (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>the address and every item bought of the customers given, or of the groups&apos; customers</source>
        <translation>die Adresse und jeder gekaufte Artikel der angegebenen Kunden oder der Kunden der Gruppen</translation>
    </message>
    <message>
        <source>the customers who bought the product in the span (default this month)</source>
        <translation>die Kunden, die den Artikel im Zeitraum gekauft haben (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>the purchases of the span by product, with their cost (default this month)</source>
        <translation>die Wareneinkäufe des Zeitraums nach Artikel, mit ihren Kosten (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>every product with its price and reorder level</source>
        <translation>jeder Artikel mit Preis und Meldebestand</translation>
    </message>
    <message>
        <source>every inventory item on hand and on order today, and whether to reorder</source>
        <translation>jeder Lagerartikel mit Bestand und Bestellmenge heute, und ob nachzukaufen ist</translation>
    </message>
    <message>
        <source>every inventory item&apos;s quantity and value as of a day (default today)</source>
        <translation>Menge und Wert jedes Lagerartikels zu einem Stichtag (Vorgabe heute)</translation>
    </message>
    <message>
        <source>beginning and ending inventory, purchases and cost of goods sold of the span (default this month)</source>
        <translation>Anfangs- und Endbestand, Wareneinkäufe und Wareneinsatz des Zeitraums (Vorgabe dieser Monat)</translation>
    </message>
    <message>
        <source>the reminders due today: the overdue invoices by customer, each at its next level</source>
        <translation>die heute fälligen Mahnungen: die überfälligen Rechnungen je Kunde, jede in ihrer nächsten Stufe</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>First day of the report&apos;s span.</source>
        <translation>Erster Tag des Berichtszeitraums.</translation>
    </message>
    <message>
        <source>Last day of the report&apos;s span.</source>
        <translation>Letzter Tag des Berichtszeitraums.</translation>
    </message>
    <message>
        <source>Customer numbers, in the order they would be picked.</source>
        <translation>Kundennummern, in der Reihenfolge der Auswahl.</translation>
    </message>
    <message>
        <source>Customer group numbers, or all groups.</source>
        <extracomment>&quot;all&quot; stays as typed</extracomment>
        <translation>Nummern der Kundengruppen, oder all für alle Gruppen.</translation>
    </message>
    <message>
        <source>Product code, exactly as stored.</source>
        <translation>Artikelnummer, genau wie gespeichert.</translation>
    </message>
    <message>
        <source>The day the stock is valued as of (default today).</source>
        <translation>Der Stichtag der Bestandsbewertung (Vorgabe heute).</translation>
    </message>
    <message>
        <source>Stock valued first-in first-out or last-in first-out for this run only (default: the stored setting, which stays as it is).</source>
        <translation>Bestand nur für diesen Lauf nach First in – First out oder Last in – First out bewertet (Vorgabe: die gespeicherte Einstellung, die unverändert bleibt).</translation>
    </message>
    <message>
        <source>Reports:</source>
        <translation>Berichte:</translation>
    </message>
    <message>
        <source>(one of %1)</source>
        <extracomment>%1 lists options, as in &quot;(one of --customers, --groups)&quot;</extracomment>
        <translation>(eine von %1)</translation>
    </message>
    <message>
        <source>Every report takes --data, --format and --out.</source>
        <translation>Jeder Bericht akzeptiert --data, --format und --out.</translation>
    </message>
    <message>
        <source>which report?</source>
        <translation>welcher Bericht?</translation>
    </message>
    <message>
        <source>one report at a time: %1</source>
        <translation>nur ein Bericht auf einmal: %1</translation>
    </message>
    <message>
        <source>unknown report: %1</source>
        <translation>unbekannter Bericht: %1</translation>
    </message>
    <message>
        <source>%1 takes no --%2</source>
        <extracomment>%1 is the report&apos;s name as typed, %2 an option&apos;s</extracomment>
        <translation>%1 akzeptiert kein --%2</translation>
    </message>
    <message>
        <source>%1 needs one of --%2</source>
        <extracomment>%1 is the report&apos;s name as typed, %2 lists options</extracomment>
        <translation>%1 braucht eine von --%2</translation>
    </message>
    <message>
        <source>--method is fifo or lifo, not %1</source>
        <extracomment>fifo and lifo stay as typed</extracomment>
        <translation>--method ist fifo oder lifo, nicht %1</translation>
    </message>
    <message>
        <source>--product needs a product code</source>
        <translation>--product braucht eine Artikelnummer</translation>
    </message>
    <message>
        <source>unknown format: %1</source>
        <translation>unbekanntes Format: %1</translation>
    </message>
    <message>
        <source>--groups: there is no group %1</source>
        <translation>--groups: es gibt keine Gruppe %1</translation>
    </message>
    <message>
        <source>nothing to report; %1 was not written</source>
        <translation>nichts zu berichten; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>nothing to report for %1 - %2; %3 was not written</source>
        <extracomment>%1 and %2 are the first and the last day, %3 the file</extracomment>
        <translation>nichts zu berichten für %1 - %2; %3 wurde nicht geschrieben</translation>
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
        <source>tallowby report [options] NAME --out FILE</source>
        <extracomment>Keep the words in capitals and the option names</extracomment>
        <translation>tallowby report [Optionen] NAME --out FILE</translation>
    </message>
    <message>
        <source>Builds one report of the data folder without windows and writes it to a file: what the report window exports (text, tab) or prints (pdf).</source>
        <extracomment>text, tab and pdf are the formats as typed</extracomment>
        <translation>Erstellt einen Bericht des Datenordners ohne Fenster und schreibt ihn in eine Datei: was das Berichtsfenster exportiert (text, tab) oder druckt (pdf).</translation>
    </message>
    <message>
        <source>The report to build (listed below).</source>
        <translation>Der zu erstellende Bericht (unten aufgeführt).</translation>
    </message>
    <message>
        <source>Output: text (default), tab or pdf.</source>
        <extracomment>text, tab and pdf are the formats as typed</extracomment>
        <translation>Ausgabe: text (Vorgabe), tab oder pdf.</translation>
    </message>
</context>
<context>
    <name>ReportMenus</name>
    <message>
        <source>No invoices to select.</source>
        <translation>Keine Rechnungen zur Auswahl.</translation>
    </message>
    <message>
        <source>Inventory as Of:</source>
        <translation>Lagerbestand zum:</translation>
    </message>
</context>
<context>
    <name>RptGen</name>
    <message>
        <source>Account Statement</source>
        <translation>Kontoauszug</translation>
    </message>
    <message>
        <source>Invoice</source>
        <extracomment>Column headings: the invoice&apos;s number and date, its charges, the payments, what is due</extracomment>
        <translation>Rg.-Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charges</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on a statement</extracomment>
        <translation>An:</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>there is no invoice %1</source>
        <translation>es gibt keine Rechnung %1</translation>
    </message>
    <message>
        <source>there is no customer %1</source>
        <translation>es gibt keinen Kunden %1</translation>
    </message>
</context>
<context>
    <name>RptGenCustomer</name>
    <message>
        <source>Customer Profile</source>
        <translation>Kaufprofil</translation>
    </message>
    <message>
        <source>Customer</source>
        <extracomment>Column headings: the customer, the date of the invoice, the product, quantity, unit price
----------
Column headings: the customer, the customer&apos;s group, the invoice&apos;s date, the unit price</extracomment>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>U-Price</source>
        <translation>E-Preis</translation>
    </message>
    <message>
        <source>Cust#: %1  Group: %2</source>
        <extracomment>%1 is the customer&apos;s number, %2 the name of the customer&apos;s group</extracomment>
        <translation>Kd.-Nr.: %1  Gruppe: %2</translation>
    </message>
    <message>
        <source>there is no customer %1</source>
        <translation>es gibt keinen Kunden %1</translation>
    </message>
    <message>
        <source>there is no product %1</source>
        <translation>es gibt keinen Artikel %1</translation>
    </message>
    <message>
        <source>Buyers of %1-%2</source>
        <extracomment>%1 is the product code, %2 its description</extracomment>
        <translation>Käufer von %1-%2</translation>
    </message>
    <message>
        <source>from %1 through %2</source>
        <extracomment>The second title line of the buyers of a product: %1 and %2 are the first and the last day</extracomment>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>MailGroup</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <extracomment>A customer or group that is no longer on file</extracomment>
        <translation>UNBEKANNT</translation>
    </message>
</context>
<context>
    <name>RptGenSales</name>
    <message>
        <source>No Invoices within selected dates.</source>
        <translation>Keine Rechnungen im gewählten Zeitraum.</translation>
    </message>
    <message>
        <source>No Payments within selected dates.</source>
        <translation>Keine Zahlungen im gewählten Zeitraum.</translation>
    </message>
    <message>
        <source>Processing Receivables</source>
        <translation>Offene Posten werden verarbeitet</translation>
    </message>
    <message>
        <source>RECEIVABLES</source>
        <translation>OFFENE POSTEN</translation>
    </message>
    <message>
        <source>Inv. No</source>
        <extracomment>Column headings: invoice number, customer, age in days, amount due
----------
Column headings: invoice number, date, the items&apos; amount, then the two charge lines</extracomment>
        <translation>Rg.-Nr.</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <extracomment>A customer that is no longer on file</extracomment>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>Total Receivables</source>
        <translation>Offene Posten gesamt</translation>
    </message>
    <message>
        <source>Processing Sales</source>
        <translation>Umsätze werden verarbeitet</translation>
    </message>
    <message>
        <source>Tax report for %1 through %2</source>
        <extracomment>%1 and %2 are the first and the last day</extracomment>
        <translation>Steuerbericht vom %1 bis %2</translation>
    </message>
    <message>
        <source>Net Item Sales</source>
        <translation>Nettoumsatz Artikel</translation>
    </message>
    <message>
        <source>Sales subject to %1</source>
        <extracomment>%1 is the name of a charge line of the invoices (as typed in the settings)</extracomment>
        <translation>Umsatz mit %1</translation>
    </message>
    <message>
        <source>%1 Charged</source>
        <extracomment>%1 is the name of a charge line of the invoices (as typed in the settings)</extracomment>
        <translation>%1 berechnet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Processing Payments</source>
        <translation>Zahlungen werden verarbeitet</translation>
    </message>
    <message>
        <source>Daily Income from %1 through %2</source>
        <translation>Tägliche Einnahmen vom %1 bis %2</translation>
    </message>
    <message>
        <source>Pmt Date</source>
        <extracomment>Column headings: payment date, invoice number, the check or credit card number, ...</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Inv No.</source>
        <translation>Rg.-Nr.</translation>
    </message>
    <message>
        <source>Check - Credit Card No.</source>
        <translation>Scheck - Kreditkartennr.</translation>
    </message>
    <message>
        <source>Daily Total</source>
        <translation>Tagessumme</translation>
    </message>
    <message>
        <source>Total Payments</source>
        <translation>Zahlungen gesamt</translation>
    </message>
    <message>
        <source>Sales by Product from %1 through %2</source>
        <translation>Umsatz nach Artikel vom %1 bis %2</translation>
    </message>
    <message>
        <source>Item Code</source>
        <translation>Artikelnr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Sale Total</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>Unknown Product</source>
        <translation>Unbekannter Artikel</translation>
    </message>
    <message>
        <source>Total Sales</source>
        <translation>Umsatz gesamt</translation>
    </message>
    <message>
        <source>Sales Summary for %1 through %2</source>
        <translation>Umsatzübersicht vom %1 bis %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
</context>
<context>
    <name>RptGenStock</name>
    <message>
        <source>Not Found</source>
        <extracomment>In place of the description of a product that is not on file</extracomment>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Purchasing Report for %1 through %2</source>
        <extracomment>%1 and %2 are the first and the last day</extracomment>
        <translation>Einkaufsbericht vom %1 bis %2</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Column headings; Reorder: the reorder level</extracomment>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Quantity</source>
        <extracomment>Column headings of two lines: &quot;Quantity On-Hand&quot;, &quot;Quantity On-Order&quot;, &quot;Reorder Level&quot;, &quot;Need Stock&quot;; each word of the upper line stands over the word of the lower</extracomment>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Processing Purchasing Report</source>
        <translation>Einkaufsbericht wird erstellt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Product Listing</source>
        <translation>Artikelliste</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Meldebestand</translation>
    </message>
    <message>
        <source>Processing Product Listing</source>
        <translation>Artikelliste wird erstellt</translation>
    </message>
    <message>
        <source>Stock On-Hand as of %1</source>
        <extracomment>%1 is the day</extracomment>
        <translation>Aktueller Bestand am %1</translation>
    </message>
    <message>
        <source>Need</source>
        <translation>Nach-</translation>
    </message>
    <message>
        <source>On-Hand</source>
        <translation>am Lager</translation>
    </message>
    <message>
        <source>On-Order</source>
        <translation>bestellt</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>bestand</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>kaufen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Whether stock must be ordered: no (OK) or yes</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>Processing Inventory</source>
        <translation>Lagerbestand wird verarbeitet</translation>
    </message>
    <message>
        <source>Inventory as of %1</source>
        <extracomment>%1 is the day</extracomment>
        <translation>Lagerbestand zum %1</translation>
    </message>
    <message>
        <source>Cost of Goods Sold from %1 through %2</source>
        <extracomment>%1 and %2 are the first and the last day</extracomment>
        <translation>Wareneinsatz vom %1 bis %2</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Processing Cost of Goods</source>
        <translation>Wareneinsatz wird berechnet</translation>
    </message>
    <message>
        <source>Beginning Inventory</source>
        <translation>Anfangsbestand</translation>
    </message>
    <message>
        <source>Inventory Purchases</source>
        <translation>Wareneinkäufe</translation>
    </message>
    <message>
        <source>Ending Inventory</source>
        <translation>Endbestand</translation>
    </message>
    <message>
        <source>Cost of Goods Sold</source>
        <translation>Wareneinsatz</translation>
    </message>
    <message>
        <source>Reorder</source>
        <comment>upper line</comment>
        <translation>Melde-</translation>
    </message>
</context>
</TS>
