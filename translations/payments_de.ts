<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BankBooking</name>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 the booking date, %2 the amount with its currency.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: a debit</source>
        <translation>%1: eine Belastung</translation>
    </message>
    <message>
        <source>%1: a reversal</source>
        <translation>%1: eine Rückbuchung</translation>
    </message>
    <message>
        <source>%1: not booked by the bank yet</source>
        <translation>%1: von der Bank noch nicht gebucht</translation>
    </message>
    <message>
        <source>%1: in %2, not %3</source>
        <translation>%1: in %2, nicht %3</translation>
    </message>
    <message>
        <source>the table of booked bank entries cannot be opened</source>
        <translation>die Tabelle der gebuchten Bankbuchungen kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>there is no invoice %1</source>
        <translation>es gibt keine Rechnung %1</translation>
    </message>
    <message>
        <source>a payment could not be added</source>
        <translation>eine Zahlung konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>the bank entry&apos;s reference could not be kept</source>
        <translation>die Referenz der Bankbuchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>a table could not be written</source>
        <translation>eine Tabelle konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the table of booked bank entries could not be written</source>
        <translation>die Tabelle der gebuchten Bankbuchungen konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be removed</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>BankCommand</name>
    <message>
        <source>%1: booked before</source>
        <translation>%1: schon gebucht</translation>
    </message>
    <message>
        <source>%1: invoice %2 (%3)</source>
        <extracomment>%1 the payment, %2 the invoice&apos;s number, %3 why.</extracomment>
        <translation>%1: Rechnung %2 (%3)</translation>
    </message>
    <message>
        <source>%1: open (%2)</source>
        <extracomment>%1 the payment, %2 why it matches no invoice.</extracomment>
        <translation>%1: offen (%2)</translation>
    </message>
    <message>
        <source>passed by: %1</source>
        <translation>übergangen: %1</translation>
    </message>
    <message>
        <source>Books the payments of bank statements (camt.052, camt.053, camt.054) to the invoices they pay.</source>
        <translation>Bucht die Zahlungen von Kontoauszügen (camt.052, camt.053, camt.054) auf die Rechnungen, die sie bezahlen.</translation>
    </message>
    <message>
        <source>Lists what would be booked and changes nothing.</source>
        <translation>Listet auf, was gebucht würde, und ändert nichts.</translation>
    </message>
    <message>
        <source>The bank statements, one or more.</source>
        <translation>Die Kontoauszüge, einer oder mehrere.</translation>
    </message>
    <message>
        <source>name at least one bank statement</source>
        <translation>nennen Sie mindestens einen Kontoauszug</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>Datenordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a bank statement that can be read: %2</source>
        <extracomment>%1 a file, %2 why it is no bank statement.</extracomment>
        <translation>%1 ist kein lesbarer Kontoauszug: %2</translation>
    </message>
    <message>
        <source>%1: nothing was booked: %2</source>
        <translation>%1: nichts wurde gebucht: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n payment(s) booked.</source>
        <extracomment>%n payments booked from the statement.</extracomment>
        <translation>
            <numerusform>%n Zahlung gebucht.</numerusform>
            <numerusform>%n Zahlungen gebucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>a booking cut short could not be taken back: %1</source>
        <extracomment>%1 why the earlier booking could not be taken back.</extracomment>
        <translation>eine abgebrochene Buchung konnte nicht zurückgenommen werden: %1</translation>
    </message>
</context>
<context>
    <name>BankMatch</name>
    <message>
        <source>creditor reference %1</source>
        <translation>Gläubigerreferenz %1</translation>
    </message>
    <message>
        <source>creditor reference %1 in the text</source>
        <translation>Gläubigerreferenz %1 im Text</translation>
    </message>
    <message>
        <source>the text names the references of several open invoices</source>
        <translation>der Text nennt die Referenzen mehrerer offener Rechnungen</translation>
    </message>
    <message>
        <source>invoice number %1 in the text</source>
        <translation>Rechnungsnummer %1 im Text</translation>
    </message>
    <message>
        <source>the text names several open invoices</source>
        <translation>der Text nennt mehrere offene Rechnungen</translation>
    </message>
    <message>
        <source>the amount due of %1&apos;s only such invoice</source>
        <translation>der offene Betrag der einzigen solchen Rechnung von %1</translation>
    </message>
    <message>
        <source>%1 has several open invoices of this amount</source>
        <translation>%1 hat mehrere offene Rechnungen dieses Betrags</translation>
    </message>
    <message>
        <source>no open invoice matches its reference, text, payer or amount</source>
        <translation>keine offene Rechnung passt zu Referenz, Text, Zahler oder Betrag</translation>
    </message>
</context>
<context>
    <name>CamtReader</name>
    <message>
        <source>it is no camt.052, camt.053 or camt.054 bank statement</source>
        <translation>er ist kein Kontoauszug im Format camt.052, camt.053 oder camt.054</translation>
    </message>
    <message>
        <source>an entry&apos;s amount &quot;%1&quot; cannot be read</source>
        <translation>der Betrag „%1“ einer Buchung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>an entry is neither credit nor debit (&quot;%1&quot;)</source>
        <translation>eine Buchung ist weder Gutschrift noch Belastung („%1“)</translation>
    </message>
    <message>
        <source>an entry&apos;s booking date &quot;%1&quot; cannot be read</source>
        <translation>das Buchungsdatum „%1“ einer Buchung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a transaction&apos;s amount &quot;%1&quot; cannot be read</source>
        <translation>der Betrag „%1“ eines Umsatzes kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>an entry of several transactions lacks a transaction&apos;s amount</source>
        <translation>einer Buchung mehrerer Umsätze fehlt der Betrag eines Umsatzes</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Payment Reminder</source>
        <extracomment>The title of a first reminder (German: Zahlungserinnerung, French: Rappel de paiement).</extracomment>
        <translation>Zahlungserinnerung</translation>
    </message>
    <message>
        <source>Second Reminder</source>
        <extracomment>German: 2. Mahnung; French: Deuxième relance.</extracomment>
        <translation>2. Mahnung</translation>
    </message>
    <message>
        <source>Final Reminder</source>
        <extracomment>German: Letzte Mahnung; French: Mise en demeure.</extracomment>
        <translation>Letzte Mahnung</translation>
    </message>
    <message>
        <source>Perhaps this has escaped your notice: the invoices below are overdue. Please pay the amount due by %1.</source>
        <translation>Vielleicht ist es Ihrer Aufmerksamkeit entgangen: Die folgenden Rechnungen sind überfällig. Bitte zahlen Sie den offenen Betrag bis zum %1.</translation>
    </message>
    <message>
        <source>We have not yet received payment of the invoices below. Please pay the amount due by %1.</source>
        <translation>Die Zahlung der folgenden Rechnungen ist bei uns noch nicht eingegangen. Bitte zahlen Sie den offenen Betrag bis zum %1.</translation>
    </message>
    <message>
        <source>Despite our reminders the invoices below remain unpaid. Please pay the amount due by %1; otherwise we shall have to take further steps.</source>
        <translation>Trotz unserer Mahnungen sind die folgenden Rechnungen noch nicht bezahlt. Bitte zahlen Sie den offenen Betrag bis zum %1; andernfalls müssen wir weitere Schritte einleiten.</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fällig am</translation>
    </message>
    <message>
        <source>Days Late</source>
        <translation>Tage überfällig</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Offener Betrag</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on a reminder.</extracomment>
        <translation>An:</translation>
    </message>
    <message>
        <source>Amount Due:</source>
        <translation>Offener Betrag:</translation>
    </message>
    <message>
        <source>Reminder Fee:</source>
        <translation>Mahngebühr:</translation>
    </message>
    <message>
        <source>Default Interest:</source>
        <translation>Verzugszinsen:</translation>
    </message>
    <message>
        <source>Recovery Costs:</source>
        <translation>Beitreibungskosten:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Default interest is not included: the reference rate of the current half-year is not known to the program.</source>
        <extracomment>%1: the first day of the half-year whose reference rate is missing.</extracomment>
        <translation>Verzugszinsen sind nicht enthalten: Der Basiszinssatz des laufenden Halbjahres ist dem Programm nicht bekannt.</translation>
    </message>
    <message>
        <source>Payment reference: %1</source>
        <translation>Verwendungszweck: %1</translation>
    </message>
    <message>
        <source>No reminder is due.</source>
        <translation>Keine Mahnung ist fällig.</translation>
    </message>
</context>
<context>
    <name>TBankStatement</name>
    <message>
        <source>Bank Statement</source>
        <translation>Kontoauszug</translation>
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
        <source>Payer</source>
        <translation>Zahler</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rg.-Nr.</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Warum</translation>
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
        <source>booked before</source>
        <translation>schon gebucht</translation>
    </message>
    <message>
        <source>Passed by: %1</source>
        <translation>Übergangen: %1</translation>
    </message>
    <message>
        <source>Invoice %1 is not an open invoice; clear it or name another.</source>
        <translation>Rechnung %1 ist keine offene Rechnung; leeren Sie das Feld oder nennen Sie eine andere.</translation>
    </message>
    <message>
        <source>Bank statements (*.xml)|*.xml</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Kontoauszüge (*.xml)|*.xml</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a bank statement that can be read: %2</source>
        <translation>%1 ist kein lesbarer Kontoauszug: %2</translation>
    </message>
    <message>
        <source>Nothing was booked: %1</source>
        <translation>Nichts wurde gebucht: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n payment(s) booked.</source>
        <translation>
            <numerusform>%n Zahlung gebucht.</numerusform>
            <numerusform>%n Zahlungen gebucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>A booking cut short could not be taken back: %1</source>
        <translation>Eine abgebrochene Buchung konnte nicht zurückgenommen werden: %1</translation>
    </message>
</context>
<context>
    <name>TReminderSettings</name>
    <message>
        <source>Reminder Settings</source>
        <translation>Mahneinstellungen</translation>
    </message>
    <message>
        <source>Days Past Due</source>
        <extracomment>Column headings above the three reminder levels.</extracomment>
        <translation>Tage überfällig</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Text (empty: the program&apos;s)</source>
        <translation>Text (leer: der des Programms)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for the date to pay by</source>
        <extracomment>Placeholder of a reminder level&apos;s own text; %1 in it stands for the date to pay by.</extracomment>
        <translation>„%1“ steht für das Zahlungsziel</translation>
    </message>
    <message>
        <source>Level %1:</source>
        <extracomment>%1: 1, 2 or 3.</extracomment>
        <translation>Stufe %1:</translation>
    </message>
    <message>
        <source>Charge statutory default interest on reminders</source>
        <translation>Gesetzliche Verzugszinsen in Mahnungen berechnen</translation>
    </message>
    <message>
        <source>Germany: the base rate + 9 points between businesses, + 5 for consumers; France: the ECB rate + 10 points; and EUR 40 recovery costs from businesses.</source>
        <translation>Deutschland: Basiszinssatz + 9 Prozentpunkte zwischen Unternehmen, + 5 bei Verbrauchern; Frankreich: EZB-Satz + 10 Prozentpunkte; dazu 40 EUR Pauschale von Unternehmen.</translation>
    </message>
    <message>
        <source>Country</source>
        <extracomment>Column headings of the reference rates of default interest.</extracomment>
        <translation>Land</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <translation>Satz (%)</translation>
    </message>
    <message>
        <source>Reference rates of default interest:</source>
        <translation>Bezugszinssätze der Verzugszinsen:</translation>
    </message>
    <message>
        <source>Add Rate</source>
        <translation>Satz hinzufügen</translation>
    </message>
    <message>
        <source>Remove Rate</source>
        <translation>Satz entfernen</translation>
    </message>
    <message>
        <source>A rate the program ships with can be corrected, not removed.</source>
        <translation>Ein mit dem Programm gelieferter Satz kann berichtigt, aber nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Give each level more days past due than the one before (e.g. 14, 28, 42) and a fee of 0 or more.</source>
        <translation>Geben Sie jeder Stufe mehr Tage Verzug als der vorigen (z. B. 14, 28, 42) und eine Gebühr von 0 oder mehr.</translation>
    </message>
    <message>
        <source>Rate %1: give the country (DE or FR), the first day the rate holds and the rate in percent.</source>
        <extracomment>%1: the row&apos;s number in the list of reference rates.</extracomment>
        <translation>Satz %1: Geben Sie das Land (DE oder FR), den ersten Tag, ab dem der Satz gilt, und den Satz in Prozent an.</translation>
    </message>
    <message>
        <source>Unable to save the reminder settings.</source>
        <translation>Die Mahneinstellungen konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>TReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Mahnungen</translation>
    </message>
    <message>
        <source>Customer</source>
        <extracomment>Column headings of the list of reminders due.</extracomment>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Offener Betrag</translation>
    </message>
    <message>
        <source>No reminder is due.</source>
        <translation>Keine Mahnung ist fällig.</translation>
    </message>
    <message>
        <source>Show All...</source>
        <translation>Alle anzeigen...</translation>
    </message>
    <message>
        <source>E-Mail...</source>
        <translation>E-Mail...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The reminder was not saved as PDF: %1</source>
        <translation>Die Mahnung wurde nicht als PDF gespeichert: %1</translation>
    </message>
    <message>
        <source>reminder-%1.pdf</source>
        <extracomment>A reminder&apos;s PDF file name; %1 is the customer&apos;s number.</extracomment>
        <translation>mahnung-%1.pdf</translation>
    </message>
    <message>
        <source>The reminder could not be saved as PDF in %1.</source>
        <translation>Die Mahnung konnte nicht als PDF in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The reminder was saved as %1, but %2.</source>
        <translation>Die Mahnung wurde als %1 gespeichert, aber %2.</translation>
    </message>
    <message>
        <source>Default interest is left out: add the reference rate of the current half-year under Settings.</source>
        <translation>Verzugszinsen fehlen: Tragen Sie den Bezugszinssatz des laufenden Halbjahres unter Einstellungen ein.</translation>
    </message>
</context>
</TS>
