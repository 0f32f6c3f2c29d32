<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>OfficialRules</name>
    <message>
        <source>no Java runtime is installed</source>
        <translation>keine Java-Laufzeitumgebung ist installiert</translation>
    </message>
    <message>
        <source>Saxon HE is not installed (Debian package libsaxonhe-java)</source>
        <translation>Saxon HE ist nicht installiert (Debian-Paket libsaxonhe-java)</translation>
    </message>
    <message>
        <source>the rule sets are not found</source>
        <translation>die Regelwerke wurden nicht gefunden</translation>
    </message>
    <message>
        <source>the invoice could not be written for the rules: %1</source>
        <translation>die Rechnung konnte für die Regeln nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the rules of %1 could not be run: %2</source>
        <extracomment>%1 a rule set&apos;s file, %2 what Saxon said last.</extracomment>
        <translation>die Regeln von %1 konnten nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>the report of %1 could not be read</source>
        <translation>der Bericht von %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The official rules were not run: %1.</source>
        <extracomment>The rule id of a note that the official rules were not run; %1 why.</extracomment>
        <translation>Die offiziellen Regeln wurden nicht geprüft: %1.</translation>
    </message>
</context>
<context>
    <name>PdfAttachment</name>
    <message>
        <source>it is a damaged PDF file that cannot be read</source>
        <translation>die Datei ist eine beschädigte PDF-Datei, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most that is read of a PDF file</source>
        <extracomment>%1 the largest size read, in MB.</extracomment>
        <translation>die Datei ist größer als %1 MB, mehr wird von einer PDF-Datei nicht gelesen</translation>
    </message>
    <message>
        <source>its embedded file %1 cannot be unpacked</source>
        <extracomment>%1 the embedded file&apos;s name.</extracomment>
        <translation>ihre eingebettete Datei %1 kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>it is a PDF file that contains no e-invoice (no factur-x.xml, zugferd-invoice.xml or xrechnung.xml)</source>
        <translation>die Datei ist eine PDF-Datei ohne E-Rechnung (keine factur-x.xml, zugferd-invoice.xml oder xrechnung.xml)</translation>
    </message>
</context>
<context>
    <name>ReceiveCommand</name>
    <message>
        <source>Prints the invoice&apos;s business terms and the findings as JSON.</source>
        <translation>Gibt die Angaben der Rechnung und die Befunde als JSON aus.</translation>
    </message>
    <message>
        <source>--show takes one file</source>
        <translation>--show nimmt genau eine Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is refused: it is larger than %2 MB</source>
        <extracomment>%1 a file, %2 the largest size read in MB.</extracomment>
        <translation>%1 wird abgelehnt: die Datei ist größer als %2 MB</translation>
    </message>
    <message>
        <source>%1 is not an e-invoice that can be read: %2</source>
        <extracomment>%1 a file, %2 why it is no e-invoice.</extracomment>
        <translation>%1 ist keine lesbare E-Rechnung: %2</translation>
    </message>
    <message>
        <source>line %1, %2: not booked, no product of that item</source>
        <extracomment>%1 the line&apos;s number, %2 its item.</extracomment>
        <translation>Position %1, %2: nicht gebucht, kein Artikel zu dieser Artikelnummer</translation>
    </message>
    <message>
        <source>line %1, %2: booked as %3, quantity %4</source>
        <extracomment>%1 the line&apos;s number, %2 its item, %3 a product code, %4 the quantity.</extracomment>
        <translation>Position %1, %2: gebucht als %3, Menge %4</translation>
    </message>
    <message>
        <source>Reads received e-invoices (XRechnung, ZUGFeRD or Factur-X CII, Peppol or XRechnung UBL, Factur-X or ZUGFeRD PDFs), checks them and shows their terms, or keeps them in a data folder&apos;s register.</source>
        <translation>Liest empfangene E-Rechnungen (XRechnung, ZUGFeRD oder Factur-X CII, Peppol oder XRechnung UBL, Factur-X- oder ZUGFeRD-PDFs), prüft sie und zeigt ihre Angaben, oder legt sie im Eingangsbuch eines Datenordners ab.</translation>
    </message>
    <message>
        <source>Books the lines whose items are products as purchases.</source>
        <translation>Bucht die Positionen, deren Artikel Produkte sind, als Einkäufe.</translation>
    </message>
    <message>
        <source>The received e-invoices, or folders of them.</source>
        <translation>Die empfangenen E-Rechnungen oder Ordner mit ihnen.</translation>
    </message>
    <message>
        <source>--show writes nothing: no --data or --book</source>
        <translation>--show schreibt nichts: kein --data oder --book</translation>
    </message>
    <message>
        <source>say what to do with the files: --show, or --data DIR to keep them in its register</source>
        <translation>sagen Sie, was mit den Dateien geschehen soll: --show, oder --data ORDNER, um sie in dessen Eingangsbuch abzulegen</translation>
    </message>
    <message>
        <source>name at least one received file or folder</source>
        <translation>nennen Sie mindestens eine empfangene Datei oder einen Ordner</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>kein solcher Datenordner: %1</translation>
    </message>
    <message>
        <source>%1 holds no tables of the program</source>
        <translation>%1 enthält keine Tabellen des Programms</translation>
    </message>
    <message>
        <source>%1 was not booked: %2</source>
        <extracomment>%1 a file, %2 why it was not booked.</extracomment>
        <translation>%1 wurde nicht gebucht: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n purchase(s) booked.</source>
        <extracomment>%n purchases booked from the invoice.</extracomment>
        <translation>
            <numerusform>%n Einkauf gebucht.</numerusform>
            <numerusform>%n Einkäufe gebucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Also runs the official EN 16931 rules (and XRechnung&apos;s or Peppol&apos;s), where Saxon HE and Java are installed.</source>
        <translation>Prüft auch mit den offiziellen Regeln der EN 16931 (und denen von XRechnung oder Peppol), wo Saxon HE und Java installiert sind.</translation>
    </message>
</context>
<context>
    <name>ReceiveFiles</name>
    <message>
        <source>valid</source>
        <translation>gültig</translation>
    </message>
    <message>
        <source>valid with warnings</source>
        <translation>gültig mit Warnungen</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>%1 is not an e-invoice that can be read: %2</source>
        <extracomment>%1 a file, %2 why it is no e-invoice.</extracomment>
        <translation>%1 ist keine lesbare E-Rechnung: %2</translation>
    </message>
    <message>
        <source>%1: already received (invoice %2 of %3, kept as %4)</source>
        <extracomment>%1 a file, %2 the invoice&apos;s number, %3 its seller, %4 the archived copy.</extracomment>
        <translation>%1: bereits empfangen (Rechnung %2 von %3, abgelegt als %4)</translation>
    </message>
    <message>
        <source>the register cannot be written</source>
        <translation>das Eingangsbuch kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 was not registered: %2</source>
        <extracomment>%1 a file, %2 why.</extracomment>
        <translation>%1 wurde nicht eingetragen: %2</translation>
    </message>
    <message>
        <source>%1: registered as %2, but invoice %3 of %4 was received before with other content</source>
        <extracomment>%1 a file, %2 the archived copy, %3 the invoice&apos;s number, %4 its seller.</extracomment>
        <translation>%1: eingetragen als %2, aber Rechnung %3 von %4 kam schon einmal mit anderem Inhalt</translation>
    </message>
    <message>
        <source>%1: registered as %2 (invoice %3 of %4, %5)</source>
        <extracomment>%1 a file, %2 the archived copy, %3 the invoice&apos;s number, %4 its seller, %5 valid or not.</extracomment>
        <translation>%1: eingetragen als %2 (Rechnung %3 von %4, %5)</translation>
    </message>
</context>
<context>
    <name>ReceivedBooking</name>
    <message>
        <source>it is not in the register</source>
        <translation>sie steht nicht im Eingangsbuch</translation>
    </message>
    <message>
        <source>it was booked before</source>
        <translation>sie wurde schon gebucht</translation>
    </message>
    <message>
        <source>the register cannot be written</source>
        <translation>das Eingangsbuch kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the mapping of item %1 cannot be written</source>
        <translation>die Zuordnung des Artikels %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the purchases cannot be written</source>
        <translation>die Einkäufe können nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ReceivedChecks</name>
    <message>
        <source>The invoice does not say which rules it follows (BT-24).</source>
        <translation>Die Rechnung gibt nicht an, welchen Regeln sie folgt (BT-24).</translation>
    </message>
    <message>
        <source>The invoice has no number (BT-1).</source>
        <translation>Die Rechnung hat keine Nummer (BT-1).</translation>
    </message>
    <message>
        <source>The invoice has no issue date (BT-2).</source>
        <translation>Die Rechnung hat kein Rechnungsdatum (BT-2).</translation>
    </message>
    <message>
        <source>The invoice has no type code (BT-3).</source>
        <translation>Die Rechnung hat keinen Rechnungstyp (BT-3).</translation>
    </message>
    <message>
        <source>The invoice has no currency (BT-5).</source>
        <translation>Die Rechnung hat keine Währung (BT-5).</translation>
    </message>
    <message>
        <source>The seller has no name (BT-27).</source>
        <translation>Der Verkäufer hat keinen Namen (BT-27).</translation>
    </message>
    <message>
        <source>The buyer has no name (BT-44).</source>
        <translation>Der Käufer hat keinen Namen (BT-44).</translation>
    </message>
    <message>
        <source>The seller has no postal address (BG-5).</source>
        <translation>Der Verkäufer hat keine Postanschrift (BG-5).</translation>
    </message>
    <message>
        <source>The seller&apos;s address has no country code (BT-40).</source>
        <translation>Die Anschrift des Verkäufers hat keinen Ländercode (BT-40).</translation>
    </message>
    <message>
        <source>The buyer has no postal address (BG-8).</source>
        <translation>Der Käufer hat keine Postanschrift (BG-8).</translation>
    </message>
    <message>
        <source>The buyer&apos;s address has no country code (BT-55).</source>
        <translation>Die Anschrift des Käufers hat keinen Ländercode (BT-55).</translation>
    </message>
    <message>
        <source>The invoice has no sum of the line nets (BT-106).</source>
        <translation>Die Rechnung hat keine Summe der Positionsnettobeträge (BT-106).</translation>
    </message>
    <message>
        <source>The invoice has no total without VAT (BT-109).</source>
        <translation>Die Rechnung hat keinen Gesamtbetrag ohne Umsatzsteuer (BT-109).</translation>
    </message>
    <message>
        <source>The invoice has no total with VAT (BT-112).</source>
        <translation>Die Rechnung hat keinen Gesamtbetrag mit Umsatzsteuer (BT-112).</translation>
    </message>
    <message>
        <source>The invoice has no amount due (BT-115).</source>
        <translation>Die Rechnung hat keinen fälligen Betrag (BT-115).</translation>
    </message>
    <message>
        <source>The invoice has no line.</source>
        <translation>Die Rechnung hat keine Position.</translation>
    </message>
    <message>
        <source>The seller has neither an identifier (BT-29), a legal registration (BT-30) nor a VAT identifier (BT-31).</source>
        <translation>Der Verkäufer hat weder eine Kennung (BT-29) noch eine Registernummer (BT-30) noch eine Umsatzsteuer-Identifikationsnummer (BT-31).</translation>
    </message>
    <message>
        <source>An amount is due, but the invoice has neither a due date (BT-9) nor payment terms (BT-20).</source>
        <translation>Ein Betrag ist fällig, aber die Rechnung hat weder ein Fälligkeitsdatum (BT-9) noch Zahlungsbedingungen (BT-20).</translation>
    </message>
    <message>
        <source>Line %1 has no identifier (BT-126).</source>
        <extracomment>%1 the line&apos;s id. The same for the next messages.</extracomment>
        <translation>Position %1 hat keine Kennung (BT-126).</translation>
    </message>
    <message>
        <source>Line %1 has no quantity (BT-129).</source>
        <translation>Position %1 hat keine Menge (BT-129).</translation>
    </message>
    <message>
        <source>Line %1 has no unit of measure (BT-130).</source>
        <translation>Position %1 hat keine Mengeneinheit (BT-130).</translation>
    </message>
    <message>
        <source>Line %1 has no net amount (BT-131).</source>
        <translation>Position %1 hat keinen Nettobetrag (BT-131).</translation>
    </message>
    <message>
        <source>Line %1 has no item name (BT-153).</source>
        <translation>Position %1 hat keine Artikelbezeichnung (BT-153).</translation>
    </message>
    <message>
        <source>Line %1 has no net price (BT-146).</source>
        <translation>Position %1 hat keinen Nettopreis (BT-146).</translation>
    </message>
    <message>
        <source>Line %1 has a negative net price (BT-146).</source>
        <translation>Position %1 hat einen negativen Nettopreis (BT-146).</translation>
    </message>
    <message>
        <source>Line %1 has a negative gross price (BT-148).</source>
        <translation>Position %1 hat einen negativen Bruttopreis (BT-148).</translation>
    </message>
    <message>
        <source>Line %1 has no VAT category (BT-151).</source>
        <translation>Position %1 hat keine Umsatzsteuerkategorie (BT-151).</translation>
    </message>
    <message>
        <source>A charge on line %1 has no amount (BT-141).</source>
        <translation>Ein Zuschlag auf Position %1 hat keinen Betrag (BT-141).</translation>
    </message>
    <message>
        <source>A charge on line %1 has no reason (BT-144, BT-145).</source>
        <translation>Ein Zuschlag auf Position %1 hat keinen Grund (BT-144, BT-145).</translation>
    </message>
    <message>
        <source>An allowance on line %1 has no amount (BT-136).</source>
        <translation>Ein Abschlag auf Position %1 hat keinen Betrag (BT-136).</translation>
    </message>
    <message>
        <source>An allowance on line %1 has no reason (BT-139, BT-140).</source>
        <translation>Ein Abschlag auf Position %1 hat keinen Grund (BT-139, BT-140).</translation>
    </message>
    <message>
        <source>Line %1&apos;s net amount (BT-131) is %2, but quantity times net price (with the line&apos;s allowances and charges) makes %3.</source>
        <extracomment>%1 the line, %2 the net amount written, %3 the net amount computed.</extracomment>
        <translation>Der Nettobetrag der Position %1 (BT-131) ist %2, aber Menge mal Nettopreis (mit den Ab- und Zuschlägen der Position) ergibt %3.</translation>
    </message>
    <message>
        <source>A charge of the invoice has no amount (BT-99).</source>
        <translation>Ein Zuschlag der Rechnung hat keinen Betrag (BT-99).</translation>
    </message>
    <message>
        <source>A charge of the invoice has no VAT category (BT-102).</source>
        <translation>Ein Zuschlag der Rechnung hat keine Umsatzsteuerkategorie (BT-102).</translation>
    </message>
    <message>
        <source>A charge of the invoice has no reason (BT-104, BT-105).</source>
        <translation>Ein Zuschlag der Rechnung hat keinen Grund (BT-104, BT-105).</translation>
    </message>
    <message>
        <source>An allowance of the invoice has no amount (BT-92).</source>
        <translation>Ein Abschlag der Rechnung hat keinen Betrag (BT-92).</translation>
    </message>
    <message>
        <source>An allowance of the invoice has no VAT category (BT-95).</source>
        <translation>Ein Abschlag der Rechnung hat keine Umsatzsteuerkategorie (BT-95).</translation>
    </message>
    <message>
        <source>An allowance of the invoice has no reason (BT-97, BT-98).</source>
        <translation>Ein Abschlag der Rechnung hat keinen Grund (BT-97, BT-98).</translation>
    </message>
    <message>
        <source>The invoice has no VAT breakdown (BG-23).</source>
        <translation>Die Rechnung hat keine Aufschlüsselung der Umsatzsteuer (BG-23).</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 has no taxable amount (BT-116).</source>
        <extracomment>%1 the VAT category&apos;s code. The same for the next messages.</extracomment>
        <translation>Die Umsatzsteuer-Aufschlüsselung der Kategorie %1 hat keinen Steuerbasisbetrag (BT-116).</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 has no VAT amount (BT-117).</source>
        <translation>Die Umsatzsteuer-Aufschlüsselung der Kategorie %1 hat keinen Steuerbetrag (BT-117).</translation>
    </message>
    <message>
        <source>A VAT breakdown has no category (BT-118).</source>
        <translation>Eine Umsatzsteuer-Aufschlüsselung hat keine Kategorie (BT-118).</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 has no rate (BT-119).</source>
        <translation>Die Umsatzsteuer-Aufschlüsselung der Kategorie %1 hat keinen Steuersatz (BT-119).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no VAT category (S, Z, E, AE, K, G, O, L or M).</source>
        <translation>„%1“ ist keine Umsatzsteuerkategorie (S, Z, E, AE, K, G, O, L oder M).</translation>
    </message>
    <message>
        <source>The date %1 &quot;%2&quot; is no date in the form the format requires.</source>
        <extracomment>%1 the business term (BT-2), %2 the text written.</extracomment>
        <translation>Das Datum %1 „%2“ ist kein Datum in der Form, die das Format verlangt.</translation>
    </message>
    <message>
        <source>The amount %1 &quot;%2&quot; is no number.</source>
        <extracomment>%1 the business term (BT-106), %2 the text written.</extracomment>
        <translation>Der Betrag %1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The currency &quot;%1&quot; (BT-5) is no ISO 4217 code.</source>
        <extracomment>%1 the code written. The same for the next messages.</extracomment>
        <translation>Die Währung „%1“ (BT-5) ist kein ISO-4217-Code.</translation>
    </message>
    <message>
        <source>The VAT currency &quot;%1&quot; (BT-6) is no ISO 4217 code.</source>
        <translation>Die Umsatzsteuer-Währung „%1“ (BT-6) ist kein ISO-4217-Code.</translation>
    </message>
    <message>
        <source>The type code &quot;%1&quot; (BT-3) is no document type code.</source>
        <translation>Der Rechnungstyp „%1“ (BT-3) ist kein Code eines Dokumenttyps.</translation>
    </message>
    <message>
        <source>The seller&apos;s country &quot;%1&quot; (BT-40) is no country code.</source>
        <translation>Das Land des Verkäufers „%1“ (BT-40) ist kein Ländercode.</translation>
    </message>
    <message>
        <source>The buyer&apos;s country &quot;%1&quot; (BT-55) is no country code.</source>
        <translation>Das Land des Käufers „%1“ (BT-55) ist kein Ländercode.</translation>
    </message>
    <message>
        <source>The seller&apos;s VAT identifier &quot;%1&quot; (BT-31) does not begin with a country code.</source>
        <translation>Die Umsatzsteuer-Identifikationsnummer des Verkäufers „%1“ (BT-31) beginnt nicht mit einem Ländercode.</translation>
    </message>
    <message>
        <source>The buyer&apos;s VAT identifier &quot;%1&quot; (BT-48) does not begin with a country code.</source>
        <translation>Die Umsatzsteuer-Identifikationsnummer des Käufers „%1“ (BT-48) beginnt nicht mit einem Ländercode.</translation>
    </message>
    <message>
        <source>The amount %1 is %2, but %4 makes %3.</source>
        <extracomment>%1 the business term (BT-106), %2 the amount written, %3 the amount computed, %4 how (the next messages).</extracomment>
        <translation>Der Betrag %1 ist %2, aber %4 ergibt %3.</translation>
    </message>
    <message>
        <source>the sum of the line nets</source>
        <translation>die Summe der Positionsnettobeträge</translation>
    </message>
    <message>
        <source>the sum of the invoice&apos;s allowances</source>
        <translation>die Summe der Abschläge der Rechnung</translation>
    </message>
    <message>
        <source>the sum of the invoice&apos;s charges</source>
        <translation>die Summe der Zuschläge der Rechnung</translation>
    </message>
    <message>
        <source>the line nets less allowances plus charges</source>
        <translation>die Positionsnettobeträge abzüglich Abschlägen zuzüglich Zuschlägen</translation>
    </message>
    <message>
        <source>the sum of the VAT breakdown&apos;s amounts</source>
        <translation>die Summe der Steuerbeträge der Aufschlüsselung</translation>
    </message>
    <message>
        <source>the total without VAT plus the VAT</source>
        <translation>der Gesamtbetrag ohne Umsatzsteuer zuzüglich der Umsatzsteuer</translation>
    </message>
    <message>
        <source>the total with VAT less the amount paid plus rounding</source>
        <translation>der Gesamtbetrag mit Umsatzsteuer abzüglich des gezahlten Betrags zuzüglich Rundung</translation>
    </message>
    <message>
        <source>%1 of category %2 has a VAT rate of %3, not above zero.</source>
        <translation>%1 der Kategorie %2 hat einen Steuersatz von %3, nicht über null.</translation>
    </message>
    <message>
        <source>%1 of category %2 has a VAT rate of %3, not zero.</source>
        <translation>%1 der Kategorie %2 hat einen Steuersatz von %3, nicht null.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>A charge of the invoice</source>
        <translation>Ein Zuschlag der Rechnung</translation>
    </message>
    <message>
        <source>An allowance of the invoice</source>
        <translation>Ein Abschlag der Rechnung</translation>
    </message>
    <message>
        <source>The taxable amount of category %1 at %2% (BT-116) is %3, but its lines, allowances and charges add up to %4.</source>
        <extracomment>%1 the category, %2 its rate, %3 the amount written, %4 the sum computed.</extracomment>
        <translation>Der Steuerbasisbetrag der Kategorie %1 zu %2 % (BT-116) ist %3, aber ihre Positionen, Ab- und Zuschläge ergeben %4.</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 gives an exemption reason, which it must not.</source>
        <translation>Die Umsatzsteuer-Aufschlüsselung der Kategorie %1 nennt einen Befreiungsgrund, was sie nicht darf.</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 gives no exemption reason (BT-120, BT-121).</source>
        <translation>Die Umsatzsteuer-Aufschlüsselung der Kategorie %1 nennt keinen Befreiungsgrund (BT-120, BT-121).</translation>
    </message>
    <message>
        <source>The invoice has items of VAT category %1 but no VAT breakdown of that category.</source>
        <translation>Die Rechnung hat Posten der Umsatzsteuerkategorie %1, aber keine Aufschlüsselung dieser Kategorie.</translation>
    </message>
    <message>
        <source>The items of category %1 at %2% add up to %3, but the VAT breakdown has no such category and rate.</source>
        <extracomment>%1 the category, %2 its rate, %3 the sum.</extracomment>
        <translation>Die Posten der Kategorie %1 zu %2 % ergeben %3, aber die Umsatzsteuer-Aufschlüsselung hat keine solche Kategorie mit diesem Satz.</translation>
    </message>
    <message>
        <source>The VAT amount of category %1 (BT-117) is %2, but it must be zero.</source>
        <extracomment>%1 the category, %2 the amount written.</extracomment>
        <translation>Der Steuerbetrag der Kategorie %1 (BT-117) ist %2, muss aber null sein.</translation>
    </message>
    <message>
        <source>The VAT amount of category %1 at %2% (BT-117) is %3, but the taxable amount times the rate makes %4.</source>
        <extracomment>%1 the category, %2 its rate, %3 the amount written, %4 the amount computed.</extracomment>
        <translation>Der Steuerbetrag der Kategorie %1 zu %2 % (BT-117) ist %3, aber der Steuerbasisbetrag mal dem Satz ergibt %4.</translation>
    </message>
    <message>
        <source>%1 of category O (not subject to VAT) has a VAT rate (%2).</source>
        <extracomment>%1 the item (line 2, an allowance, a charge), %2 the category, %3 the rate; for O %2 is the rate.</extracomment>
        <translation>%1 der Kategorie O (nicht umsatzsteuerbar) hat einen Steuersatz (%2).</translation>
    </message>
</context>
<context>
    <name>ReceivedDocument</name>
    <message>
        <source>VAT ID:</source>
        <translation>USt-IdNr.:</translation>
    </message>
    <message>
        <source>Tax number:</source>
        <translation>Steuernummer:</translation>
    </message>
    <message>
        <source>Registration:</source>
        <translation>Registernummer:</translation>
    </message>
    <message>
        <source>Electronic address:</source>
        <translation>Elektronische Adresse:</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>USt</translation>
    </message>
    <message>
        <source>Charge:</source>
        <translation>Zuschlag:</translation>
    </message>
    <message>
        <source>Allowance:</source>
        <translation>Abschlag:</translation>
    </message>
    <message>
        <source>Received Credit Note</source>
        <translation>Empfangene Gutschrift</translation>
    </message>
    <message>
        <source>Received Invoice</source>
        <translation>Empfangene Rechnung</translation>
    </message>
    <message>
        <source>received-invoice</source>
        <translation>empfangene-rechnung</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Due date:</source>
        <translation>Fällig am:</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>Buyer reference:</source>
        <translation>Käuferreferenz:</translation>
    </message>
    <message>
        <source>Order reference:</source>
        <translation>Bestellnummer:</translation>
    </message>
    <message>
        <source>Delivery date:</source>
        <translation>Lieferdatum:</translation>
    </message>
    <message>
        <source>Preceding invoice:</source>
        <translation>Vorausgegangene Rechnung:</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Buyer</source>
        <translation>Käufer</translation>
    </message>
    <message>
        <source>Allowances and charges</source>
        <translation>Ab- und Zuschläge</translation>
    </message>
    <message>
        <source>VAT breakdown</source>
        <translation>Aufschlüsselung der Umsatzsteuer</translation>
    </message>
    <message>
        <source>Category %1 at %2 %: %3 taxable, %4 VAT</source>
        <extracomment>%1 the VAT category, %2 the rate, %3 the taxable amount, %4 the VAT.</extracomment>
        <translation>Kategorie %1 zu %2 %: %3 steuerpflichtig, %4 USt</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Sum of lines:</source>
        <translation>Summe der Positionen:</translation>
    </message>
    <message>
        <source>Allowances:</source>
        <translation>Abschläge:</translation>
    </message>
    <message>
        <source>Charges:</source>
        <translation>Zuschläge:</translation>
    </message>
    <message>
        <source>Total without VAT:</source>
        <translation>Gesamt ohne USt:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>USt:</translation>
    </message>
    <message>
        <source>Total with VAT:</source>
        <translation>Gesamt mit USt:</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>Amount due:</source>
        <translation>Zu zahlen:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
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
        <source>Payment reference:</source>
        <translation>Verwendungszweck:</translation>
    </message>
    <message>
        <source>Terms:</source>
        <translation>Bedingungen:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>No findings: the invoice passes every check made.</source>
        <translation>Keine Beanstandungen: die Rechnung besteht jede Prüfung.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>ReceivedRead</name>
    <message>
        <source>it is no e-invoice (CII CrossIndustryInvoice, UBL Invoice or CreditNote) but %1</source>
        <extracomment>%1 the XML&apos;s root element with its namespace.</extracomment>
        <translation>die Datei ist keine E-Rechnung (CII CrossIndustryInvoice, UBL Invoice oder CreditNote), sondern %1</translation>
    </message>
    <message>
        <source>its embedded %1 cannot be read: %2</source>
        <extracomment>%1 the embedded file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>ihre eingebettete %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>TReceivedBooking</name>
    <message>
        <source>Book Received Invoice</source>
        <translation>Empfangene Rechnung buchen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>There is no product %1; clear it or name another.</source>
        <translation>Es gibt kein Produkt %1; leeren Sie das Feld oder nennen Sie ein anderes.</translation>
    </message>
</context>
<context>
    <name>TReceivedList</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not an e-invoice that can be read: %2</source>
        <translation>%1 ist keine lesbare E-Rechnung: %2</translation>
    </message>
    <message>
        <source>Received E-Invoices</source>
        <translation>Empfangene E-Rechnungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>valid</source>
        <translation>gültig</translation>
    </message>
    <message>
        <source>warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Receive E-Invoice</source>
        <translation>E-Rechnung empfangen</translation>
    </message>
    <message>
        <source>E-invoices (*.xml *.pdf)|*.xml *.pdf</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>E-Rechnungen (*.xml *.pdf)|*.xml *.pdf</translation>
    </message>
    <message>
        <source>Invoice %1 of %2 was booked before.</source>
        <translation>Rechnung %1 von %2 wurde schon gebucht.</translation>
    </message>
    <message>
        <source>Nothing was booked: %1</source>
        <translation>Nichts wurde gebucht: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n purchase(s) booked.</source>
        <translation>
            <numerusform>%n Einkauf gebucht.</numerusform>
            <numerusform>%n Einkäufe gebucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Receive File...</source>
        <translation>Datei empfangen...</translation>
    </message>
</context>
<context>
    <name>XmlTree</name>
    <message>
        <source>it has more than %1 elements, the most that is read</source>
        <extracomment>%1 the number of elements read at most.</extracomment>
        <translation>die Datei hat mehr als %1 Elemente, mehr wird nicht gelesen</translation>
    </message>
</context>
</TS>
