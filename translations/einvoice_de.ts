<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DetailChecks</name>
    <message>
        <source>Country: &quot;%1&quot; is not a country code (two letters, e.g. DE, FR, BE)</source>
        <translation>Land: „%1“ ist kein Ländercode (zwei Buchstaben, z. B. DE, FR, BE)</translation>
    </message>
    <message>
        <source>Currency: &quot;%1&quot; is not a currency code (three letters, e.g. EUR)</source>
        <translation>Währung: „%1“ ist kein Währungscode (drei Buchstaben, z. B. EUR)</translation>
    </message>
    <message>
        <source>Currency: a currency is needed (e.g. EUR)</source>
        <translation>Währung: Eine Währung ist erforderlich (z. B. EUR)</translation>
    </message>
    <message>
        <source>VAT identifier: &quot;%1&quot; does not begin with its country&apos;s two letters</source>
        <translation>USt.-Identifikationsnummer: „%1“ beginnt nicht mit den zwei Buchstaben ihres Landes</translation>
    </message>
    <message>
        <source>IBAN: &quot;%1&quot; is not a valid IBAN (its check digits do not match)</source>
        <translation>IBAN: „%1“ ist keine gültige IBAN (die Prüfziffern stimmen nicht)</translation>
    </message>
    <message>
        <source>Untaxed items: the category is Z, E or G</source>
        <translation>Positionen ohne Steuer: Die Kategorie ist Z, E oder G</translation>
    </message>
    <message>
        <source>Exemption reason: exempt items need the reason printed with them</source>
        <translation>Befreiungsgrund: Steuerbefreite Positionen brauchen den mit ihnen gedruckten Grund</translation>
    </message>
    <message>
        <source>Days to pay: not a negative number</source>
        <translation>Zahlungsziel in Tagen: keine negative Zahl</translation>
    </message>
    <message>
        <source>SIREN: &quot;%1&quot; is not a SIREN (nine digits, its last one a check digit)</source>
        <translation>SIREN: „%1“ ist keine SIREN (neun Ziffern, die letzte eine Prüfziffer)</translation>
    </message>
    <message>
        <source>VAT identifier: reverse charge and intra-community supplies need the customer&apos;s VAT identifier</source>
        <translation>USt.-Identifikationsnummer: Reverse-Charge und innergemeinschaftliche Lieferungen brauchen die USt.-Identifikationsnummer des Kunden</translation>
    </message>
    <message>
        <source>BIC: &quot;%1&quot; is not a BIC (8 or 11 letters and digits, e.g. COBADEFFXXX)</source>
        <translation>BIC: „%1“ ist kein BIC (8 oder 11 Buchstaben und Ziffern, z. B. COBADEFFXXX)</translation>
    </message>
</context>
<context>
    <name>EInvoiceBuild</name>
    <message>
        <source>%1 needs %2</source>
        <extracomment>%1 a format (XRechnung), %2 a detail (&quot;the seller&apos;s city&quot;): the format refuses the invoice without it.</extracomment>
        <translation>%1 benötigt %2</translation>
    </message>
    <message>
        <source>the VAT category of untaxed items must be Z, E or G, not &quot;%1&quot;</source>
        <translation>die USt.-Kategorie der Positionen ohne Steuer muss Z, E oder G sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the e-invoicing settings name no currency</source>
        <translation>die E-Rechnungs-Einstellungen nennen keine Währung</translation>
    </message>
    <message>
        <source>the invoice has no date</source>
        <translation>die Rechnung hat kein Datum</translation>
    </message>
    <message>
        <source>the buyer reference of the customer</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die Käuferreferenz des Kunden</translation>
    </message>
    <message>
        <source>the seller has no name (e-invoicing settings or letterhead)</source>
        <translation>der Verkäufer hat keinen Namen (E-Rechnungs-Einstellungen oder Briefkopf)</translation>
    </message>
    <message>
        <source>the seller&apos;s country is not set (e-invoicing settings)</source>
        <translation>das Land des Verkäufers ist nicht angegeben (E-Rechnungs-Einstellungen)</translation>
    </message>
    <message>
        <source>the invoice&apos;s customer %1 does not exist</source>
        <translation>der Kunde %1 der Rechnung existiert nicht</translation>
    </message>
    <message>
        <source>the seller&apos;s electronic address</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die elektronische Adresse des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s postal code</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die Postleitzahl des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s city</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>den Ort des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s contact name</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>den Namen des Ansprechpartners des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s contact phone</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>das Telefon des Ansprechpartners des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s contact e-mail</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die E-Mail des Ansprechpartners des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s IBAN</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die IBAN des Verkäufers</translation>
    </message>
    <message>
        <source>the invoice has no items</source>
        <translation>die Rechnung hat keine Positionen</translation>
    </message>
    <message>
        <source>item %1 (%2) has no description</source>
        <translation>Position %1 (%2) hat keine Beschreibung</translation>
    </message>
    <message>
        <source>items carry the second tax but its rate is 0 (Tax Rate 2)</source>
        <translation>Positionen tragen die zweite Steuer, aber ihr Satz ist 0 (Steuersatz 2)</translation>
    </message>
    <message>
        <source>the first charge line has no name (the settings&apos; line 1 caption)</source>
        <translation>die erste Zuschlagszeile hat keinen Namen (die Bezeichnung der Zeile 1 in den Einstellungen)</translation>
    </message>
    <message>
        <source>the %1 charge is negative</source>
        <translation>der Zuschlag %1 ist negativ</translation>
    </message>
    <message>
        <source>the seller&apos;s VAT identifier for taxed items</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die USt.-Identifikationsnummer des Verkäufers für besteuerte Positionen</translation>
    </message>
    <message>
        <source>untaxed items need the exemption reason text (e-invoicing settings)</source>
        <translation>Positionen ohne Steuer brauchen den Text des Befreiungsgrunds (E-Rechnungs-Einstellungen)</translation>
    </message>
    <message>
        <source>exempt items need the seller&apos;s VAT identifier or tax registration</source>
        <translation>steuerbefreite Positionen brauchen die USt.-Identifikationsnummer oder Steuernummer des Verkäufers</translation>
    </message>
    <message>
        <source>the seller&apos;s VAT identifier</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die USt.-Identifikationsnummer des Verkäufers</translation>
    </message>
    <message>
        <source>the credit note&apos;s total is positive: a credit note takes amounts back</source>
        <translation>der Gesamtbetrag der Rechnungskorrektur ist positiv: Eine Rechnungskorrektur nimmt Beträge zurück</translation>
    </message>
    <message>
        <source>the invoice&apos;s total is negative: correct an invoice with a credit note (&quot;Credit Note...&quot; in the invoice window)</source>
        <translation>der Gesamtbetrag der Rechnung ist negativ: Berichtigen Sie eine Rechnung mit einer Rechnungskorrektur („Rechnungskorrektur...“ im Rechnungsfenster)</translation>
    </message>
    <message>
        <source>Reverse charge</source>
        <extracomment>The legal mention of reverse charge (German: Steuerschuldnerschaft des Leistungsempfängers; French: Autoliquidation).</extracomment>
        <translation>Steuerschuldnerschaft des Leistungsempfängers</translation>
    </message>
    <message>
        <source>Intra-community supply, exempt from VAT</source>
        <extracomment>German: Steuerfreie innergemeinschaftliche Lieferung; French: Exonération de TVA, article 262 ter I du CGI.</extracomment>
        <translation>Steuerfreie innergemeinschaftliche Lieferung</translation>
    </message>
    <message>
        <source>Export outside the EU, exempt from VAT</source>
        <extracomment>German: Steuerfreie Ausfuhrlieferung; French: Exonération de TVA, article 262 I du CGI.</extracomment>
        <translation>Steuerfreie Ausfuhrlieferung</translation>
    </message>
    <message>
        <source>the first charge line is a computed tax of %1% (Tax Rate 1), which an e-invoice cannot carry: set Tax Rate 1 to 0, or say on the E-Invoicing window that the first charge line is a second VAT rate</source>
        <translation>die erste Zuschlagszeile ist eine berechnete Steuer von %1% (Steuersatz 1), die eine E-Rechnung nicht tragen kann: Setzen Sie Steuersatz 1 auf 0, oder geben Sie im Fenster E-Rechnungen an, dass die erste Zuschlagszeile ein zweiter USt.-Satz ist</translation>
    </message>
    <message>
        <source>the VAT treatment of customer %1 must be AE, K or G, not &quot;%2&quot;</source>
        <translation>die USt.-Behandlung von Kunde %1 muss AE, K oder G sein, nicht „%2“</translation>
    </message>
    <message>
        <source>item %1 (%2) carries both taxes, and an e-invoice has no tax on tax: untick one of them in the item</source>
        <translation>Position %1 (%2) trägt beide Steuern, und eine E-Rechnung kennt keine Steuer auf Steuer: Entfernen Sie in der Position eines der Häkchen</translation>
    </message>
    <message>
        <source>item %1 (%2) carries tax, but customer %3 is invoiced without VAT (%4): untick its tax in the item</source>
        <translation>Position %1 (%2) trägt Steuer, aber Kunde %3 wird ohne USt. berechnet (%4): Entfernen Sie das Steuerhäkchen in der Position</translation>
    </message>
    <message>
        <source>customer %1 (%2) has no country: fill in Country in the customer&apos;s window, E-Invoice...</source>
        <extracomment>%1 the customer&apos;s number, %2 its name.</extracomment>
        <translation>Kunde %1 (%2) hat kein Land: tragen Sie es im Kundenfenster unter E-Rechnung..., Land ein</translation>
    </message>
    <message>
        <source>the electronic address of customer %1 (%2; the customer&apos;s window, E-Invoice..., Electronic Address)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die elektronische Adresse von Kunde %1 (%2; Kundenfenster, E-Rechnung..., Elektronische Adresse)</translation>
    </message>
    <message>
        <source>%1 does not accept the seller&apos;s electronic address scheme &quot;%2&quot; (E-Invoicing window, Address Scheme)</source>
        <extracomment>%1 a format (Peppol), %2 the scheme&apos;s code (EM).</extracomment>
        <translation>%1 akzeptiert das Schema „%2“ der elektronischen Adresse des Verkäufers nicht (Fenster E-Rechnungen, Adressschema)</translation>
    </message>
    <message>
        <source>%1 does not accept the buyer&apos;s electronic address scheme &quot;%2&quot; (customer %3, %4: the customer&apos;s window, E-Invoice..., Address Scheme)</source>
        <extracomment>%1 a format (Peppol), %2 the scheme&apos;s code (EM), %3 the customer&apos;s number, %4 its name.</extracomment>
        <translation>%1 akzeptiert das Schema „%2“ der elektronischen Adresse des Käufers nicht (Kunde %3, %4: Kundenfenster, E-Rechnung..., Adressschema)</translation>
    </message>
    <message>
        <source>; Peppol takes numeric schemes such as 0088 (GLN), 0204 (Leitweg-ID), 0208, 9930, 0009, 0007, 0192</source>
        <extracomment>Follows a refused address scheme; the codes are the same in every language.</extracomment>
        <translation>; Peppol nimmt numerische Schemata wie 0088 (GLN), 0204 (Leitweg-ID), 0208, 9930, 0009, 0007, 0192</translation>
    </message>
    <message>
        <source>the postal code of customer %1 (%2; the customer&apos;s window, Postal Code)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die Postleitzahl von Kunde %1 (%2; Kundenfenster, Postleitzahl)</translation>
    </message>
    <message>
        <source>the city of customer %1 (%2; the customer&apos;s window, E-Invoice..., City)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>den Ort von Kunde %1 (%2; Kundenfenster, E-Rechnung..., Ort)</translation>
    </message>
    <message>
        <source>the stored tax %1 is not %2% of the taxable %3 (typed over, or the tax rate changed since): correct the tax line in the invoice window and save</source>
        <extracomment>%1 the tax, %2 the rate, %3 the taxable amount, in the person&apos;s number format.</extracomment>
        <translation>die gespeicherte Steuer %1 ist nicht %2 % des steuerpflichtigen Betrags %3 (überschrieben, oder der Steuersatz hat sich seither geändert): korrigieren Sie die Steuerzeile im Rechnungsfenster und speichern Sie</translation>
    </message>
    <message>
        <source>the VAT identifier of customer %1 (%2; the customer&apos;s window, E-Invoice..., VAT Identifier)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>die USt.-Identifikationsnummer von Kunde %1 (%2; Kundenfenster, E-Rechnung..., USt.-Identifikationsnummer)</translation>
    </message>
    <message>
        <source>the amount due %1 is not the total %2 less the payments %3: open the invoice in the invoice window and save it again</source>
        <translation>der offene Betrag %1 ist nicht die Summe %2 abzüglich der Zahlungen %3: öffnen Sie die Rechnung im Rechnungsfenster und speichern Sie sie erneut</translation>
    </message>
</context>
<context>
    <name>FacturX</name>
    <message>
        <source>the printed invoice is not a PDF/A file (it has no metadata)</source>
        <translation>die gedruckte Rechnung ist keine PDF/A-Datei (sie hat keine Metadaten)</translation>
    </message>
    <message>
        <source>the printed invoice is not a PDF/A file (its metadata names no part)</source>
        <translation>die gedruckte Rechnung ist keine PDF/A-Datei (ihre Metadaten nennen keinen Teil)</translation>
    </message>
</context>
<context>
    <name>TCustEInvoice</name>
    <message>
        <source>Customer E-Invoice Details</source>
        <translation>E-Rechnungsangaben des Kunden</translation>
    </message>
    <message>
        <source>Country (e.g. FR):</source>
        <translation>Land (z. B. FR):</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>VAT Identifier:</source>
        <translation>USt.-Identifikationsnummer:</translation>
    </message>
    <message>
        <source>Buyer Reference:</source>
        <translation>Käuferreferenz:</translation>
    </message>
    <message>
        <source>Electronic Address:</source>
        <translation>Elektronische Adresse:</translation>
    </message>
    <message>
        <source>Address Scheme (e.g. 0088, EM):</source>
        <translation>Adressschema (z. B. 0088, EM):</translation>
    </message>
    <message>
        <source>the second address line</source>
        <extracomment>Placeholder of the street: left empty, the customer&apos;s second address line is used.</extracomment>
        <translation>die zweite Adresszeile</translation>
    </message>
    <message>
        <source>User&apos;s language</source>
        <extracomment>The documents of a customer without a language of his own.</extracomment>
        <translation>Sprache des Benutzers</translation>
    </message>
    <message>
        <source>Document Language:</source>
        <translation>Dokumentsprache:</translation>
    </message>
    <message>
        <source>Customer E-Invoice Details - Customer %1</source>
        <translation>E-Rechnungsangaben des Kunden - Kunde %1</translation>
    </message>
    <message>
        <source>SIREN (France):</source>
        <translation>SIREN (Frankreich):</translation>
    </message>
    <message>
        <source>Domestic</source>
        <extracomment>How this customer&apos;s invoices are taxed; the letters are the e-invoice&apos;s VAT category.</extracomment>
        <translation>Inland</translation>
    </message>
    <message>
        <source>AE - reverse charge within the EU</source>
        <translation>AE - Reverse-Charge innerhalb der EU</translation>
    </message>
    <message>
        <source>K - intra-community supply of goods</source>
        <translation>K - innergemeinschaftliche Lieferung</translation>
    </message>
    <message>
        <source>G - export outside the EU</source>
        <translation>G - Ausfuhr außerhalb der EU</translation>
    </message>
    <message>
        <source>VAT Treatment:</source>
        <translation>USt.-Behandlung:</translation>
    </message>
    <message>
        <source>Unable to save the e-invoice details of customer %1.</source>
        <translation>Die E-Rechnungsangaben von Kunde %1 konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Buyer on e-invoices: %1 (the customer&apos;s company, else the name)</source>
        <extracomment>%1 the company of the customer&apos;s window, else the title and names.</extracomment>
        <translation>Käufer auf E-Rechnungen: %1 (die Firma des Kunden, sonst der Name)</translation>
    </message>
</context>
<context>
    <name>TEInvoicing</name>
    <message>
        <source>E-Invoicing</source>
        <translation>E-Rechnungen</translation>
    </message>
    <message>
        <source>Legal Name:</source>
        <translation>Rechtlicher Name:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Postal Code:</source>
        <translation>Postleitzahl:</translation>
    </message>
    <message>
        <source>Country (e.g. DE):</source>
        <translation>Land (z. B. DE):</translation>
    </message>
    <message>
        <source>VAT Identifier:</source>
        <translation>USt.-Identifikationsnummer:</translation>
    </message>
    <message>
        <source>Tax Registration:</source>
        <translation>Steuernummer:</translation>
    </message>
    <message>
        <source>Electronic Address:</source>
        <translation>Elektronische Adresse:</translation>
    </message>
    <message>
        <source>Address Scheme (e.g. 0088, EM):</source>
        <translation>Adressschema (z. B. 0088, EM):</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Ansprechpartner:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation>IBAN:</translation>
    </message>
    <message>
        <source>BIC:</source>
        <translation>BIC:</translation>
    </message>
    <message>
        <source>Currency (e.g. EUR):</source>
        <translation>Währung (z. B. EUR):</translation>
    </message>
    <message>
        <source>Z - zero rated</source>
        <extracomment>The VAT categories of untaxed items; the letter is the e-invoice&apos;s code.</extracomment>
        <translation>Z - Nullsatz</translation>
    </message>
    <message>
        <source>E - exempt</source>
        <translation>E - steuerbefreit</translation>
    </message>
    <message>
        <source>G - export outside the EU</source>
        <translation>G - Ausfuhr außerhalb der EU</translation>
    </message>
    <message>
        <source>Items Not Taxed:</source>
        <translation>Positionen ohne Steuer:</translation>
    </message>
    <message>
        <source>Exemption Reason:</source>
        <translation>Befreiungsgrund:</translation>
    </message>
    <message>
        <source>Payment Terms:</source>
        <translation>Zahlungsbedingungen:</translation>
    </message>
    <message>
        <source>Days to Pay:</source>
        <translation>Zahlungsziel in Tagen:</translation>
    </message>
    <message>
        <source>the letterhead&apos;s company name</source>
        <extracomment>Placeholder of the legal name: left empty, the letterhead&apos;s company name is used.</extracomment>
        <translation>die Firma aus dem Briefkopf</translation>
    </message>
    <message>
        <source>Issued invoices are final</source>
        <translation>Ausgestellte Rechnungen sind endgültig</translation>
    </message>
    <message>
        <source>An invoice printed, saved or sent for the customer can no longer be changed or deleted; it is corrected by a credit note.</source>
        <translation>Eine für den Kunden gedruckte, gespeicherte oder gesendete Rechnung kann nicht mehr geändert oder gelöscht werden; sie wird durch eine Rechnungskorrektur berichtigt.</translation>
    </message>
    <message>
        <source>Unable to save the e-invoicing details.</source>
        <translation>Die E-Rechnungs-Angaben konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Late Payment Interest:</source>
        <translation>Verzugszinsen:</translation>
    </message>
    <message>
        <source>three times the legal interest rate</source>
        <extracomment>Placeholder: the late-payment interest French business invoices state.</extracomment>
        <translation>dem Dreifachen des gesetzlichen Zinssatzes</translation>
    </message>
    <message>
        <source>First charge line is a second VAT rate</source>
        <translation>Erste Zuschlagszeile ist ein zweiter USt.-Satz</translation>
    </message>
    <message>
        <source>Items flagged for the first charge line are taxed at Tax Rate 1, those flagged for the second at Tax Rate 2; shipping is then an item.</source>
        <translation>Für die erste Zuschlagszeile markierte Positionen werden mit Steuersatz 1 besteuert, die für die zweite markierten mit Steuersatz 2; Versand ist dann eine Position.</translation>
    </message>
    <message>
        <source>VAT paid on debits</source>
        <extracomment>French &quot;TVA acquittée sur les débits&quot;.</extracomment>
        <translation>USt. nach vereinbarten Entgelten (Frankreich: sur les débits)</translation>
    </message>
    <message>
        <source>Letterhead: %1</source>
        <extracomment>The letterhead&apos;s company name, beside the legal name the e-invoices and the printed invoices give.</extracomment>
        <translation>Briefkopf: %1</translation>
    </message>
    <message>
        <source>The legal name &quot;%1&quot; differs from the letterhead&apos;s company &quot;%2&quot;: your invoices and e-invoices name &quot;%1&quot; as the seller. Keep the two apart?</source>
        <translation>Der rechtliche Name „%1“ weicht von der Firma im Briefkopf „%2“ ab: Ihre Rechnungen und E-Rechnungen nennen „%1“ als Verkäufer. Beide getrennt lassen?</translation>
    </message>
</context>
</TS>
