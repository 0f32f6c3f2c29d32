<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BankBooking</name>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 the booking date, %2 the amount with its currency.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: a debit</source>
        <translation>%1 : un débit</translation>
    </message>
    <message>
        <source>%1: a reversal</source>
        <translation>%1 : une contre-passation</translation>
    </message>
    <message>
        <source>%1: not booked by the bank yet</source>
        <translation>%1 : pas encore comptabilisé par la banque</translation>
    </message>
    <message>
        <source>%1: in %2, not %3</source>
        <translation>%1 : en %2, pas en %3</translation>
    </message>
    <message>
        <source>the table of booked bank entries cannot be opened</source>
        <translation>la table des écritures bancaires comptabilisées ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>there is no invoice %1</source>
        <translation>il n&apos;y a pas de facture %1</translation>
    </message>
    <message>
        <source>a payment could not be added</source>
        <translation>un paiement n&apos;a pas pu être ajouté</translation>
    </message>
    <message>
        <source>the bank entry&apos;s reference could not be kept</source>
        <translation>la référence de l&apos;écriture bancaire n&apos;a pas pu être conservée</translation>
    </message>
    <message>
        <source>a table could not be written</source>
        <translation>une table n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>the table of booked bank entries could not be written</source>
        <translation>la table des écritures bancaires comptabilisées n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 cannot be removed</source>
        <translation>%1 ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>BankCommand</name>
    <message>
        <source>%1: booked before</source>
        <translation>%1 : déjà comptabilisé</translation>
    </message>
    <message>
        <source>%1: invoice %2 (%3)</source>
        <extracomment>%1 the payment, %2 the invoice&apos;s number, %3 why.</extracomment>
        <translation>%1 : facture %2 (%3)</translation>
    </message>
    <message>
        <source>%1: open (%2)</source>
        <extracomment>%1 the payment, %2 why it matches no invoice.</extracomment>
        <translation>%1 : ouvert (%2)</translation>
    </message>
    <message>
        <source>passed by: %1</source>
        <translation>ignoré : %1</translation>
    </message>
    <message>
        <source>Books the payments of bank statements (camt.052, camt.053, camt.054) to the invoices they pay.</source>
        <translation>Comptabilise les paiements des relevés bancaires (camt.052, camt.053, camt.054) sur les factures qu&apos;ils règlent.</translation>
    </message>
    <message>
        <source>Lists what would be booked and changes nothing.</source>
        <translation>Liste ce qui serait comptabilisé et ne change rien.</translation>
    </message>
    <message>
        <source>The bank statements, one or more.</source>
        <translation>Les relevés bancaires, un ou plusieurs.</translation>
    </message>
    <message>
        <source>name at least one bank statement</source>
        <translation>indiquez au moins un relevé bancaire</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>dossier de données introuvable : %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is not a bank statement that can be read: %2</source>
        <extracomment>%1 a file, %2 why it is no bank statement.</extracomment>
        <translation>%1 n&apos;est pas un relevé bancaire lisible : %2</translation>
    </message>
    <message>
        <source>%1: nothing was booked: %2</source>
        <translation>%1 : rien n&apos;a été comptabilisé : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n payment(s) booked.</source>
        <extracomment>%n payments booked from the statement.</extracomment>
        <translation>
            <numerusform>%n paiement comptabilisé.</numerusform>
            <numerusform>%n paiements comptabilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>a booking cut short could not be taken back: %1</source>
        <extracomment>%1 why the earlier booking could not be taken back.</extracomment>
        <translation>une comptabilisation interrompue n&apos;a pas pu être annulée : %1</translation>
    </message>
</context>
<context>
    <name>BankMatch</name>
    <message>
        <source>creditor reference %1</source>
        <translation>référence créancier %1</translation>
    </message>
    <message>
        <source>creditor reference %1 in the text</source>
        <translation>référence créancier %1 dans le texte</translation>
    </message>
    <message>
        <source>the text names the references of several open invoices</source>
        <translation>le texte nomme les références de plusieurs factures ouvertes</translation>
    </message>
    <message>
        <source>invoice number %1 in the text</source>
        <translation>numéro de facture %1 dans le texte</translation>
    </message>
    <message>
        <source>the text names several open invoices</source>
        <translation>le texte nomme plusieurs factures ouvertes</translation>
    </message>
    <message>
        <source>the amount due of %1&apos;s only such invoice</source>
        <translation>le montant dû de la seule facture de ce genre de %1</translation>
    </message>
    <message>
        <source>%1 has several open invoices of this amount</source>
        <translation>%1 a plusieurs factures ouvertes de ce montant</translation>
    </message>
    <message>
        <source>no open invoice matches its reference, text, payer or amount</source>
        <translation>aucune facture ouverte ne correspond à sa référence, son texte, son payeur ou son montant</translation>
    </message>
</context>
<context>
    <name>CamtReader</name>
    <message>
        <source>it is no camt.052, camt.053 or camt.054 bank statement</source>
        <translation>ce n&apos;est pas un relevé bancaire camt.052, camt.053 ou camt.054</translation>
    </message>
    <message>
        <source>an entry&apos;s amount &quot;%1&quot; cannot be read</source>
        <translation>le montant « %1 » d&apos;une écriture ne peut pas être lu</translation>
    </message>
    <message>
        <source>an entry is neither credit nor debit (&quot;%1&quot;)</source>
        <translation>une écriture n&apos;est ni un crédit ni un débit (« %1 »)</translation>
    </message>
    <message>
        <source>an entry&apos;s booking date &quot;%1&quot; cannot be read</source>
        <translation>la date de comptabilisation « %1 » d&apos;une écriture ne peut pas être lue</translation>
    </message>
    <message>
        <source>a transaction&apos;s amount &quot;%1&quot; cannot be read</source>
        <translation>le montant « %1 » d&apos;une transaction ne peut pas être lu</translation>
    </message>
    <message>
        <source>an entry of several transactions lacks a transaction&apos;s amount</source>
        <translation>il manque le montant d&apos;une transaction dans une écriture de plusieurs transactions</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Payment Reminder</source>
        <extracomment>The title of a first reminder (German: Zahlungserinnerung, French: Rappel de paiement).</extracomment>
        <translation>Rappel de paiement</translation>
    </message>
    <message>
        <source>Second Reminder</source>
        <extracomment>German: 2. Mahnung; French: Deuxième relance.</extracomment>
        <translation>Deuxième relance</translation>
    </message>
    <message>
        <source>Final Reminder</source>
        <extracomment>German: Letzte Mahnung; French: Mise en demeure.</extracomment>
        <translation>Mise en demeure</translation>
    </message>
    <message>
        <source>Perhaps this has escaped your notice: the invoices below are overdue. Please pay the amount due by %1.</source>
        <translation>Peut-être cela vous a-t-il échappé : les factures ci-dessous sont échues. Veuillez régler le montant dû avant le %1.</translation>
    </message>
    <message>
        <source>We have not yet received payment of the invoices below. Please pay the amount due by %1.</source>
        <translation>Nous n&apos;avons pas encore reçu le paiement des factures ci-dessous. Veuillez régler le montant dû avant le %1.</translation>
    </message>
    <message>
        <source>Despite our reminders the invoices below remain unpaid. Please pay the amount due by %1; otherwise we shall have to take further steps.</source>
        <translation>Malgré nos relances, les factures ci-dessous restent impayées. Veuillez régler le montant dû avant le %1 ; à défaut, nous devrons engager d&apos;autres démarches.</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Days Late</source>
        <translation>Jours de retard</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Montant dû</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on a reminder.</extracomment>
        <translation>À :</translation>
    </message>
    <message>
        <source>Amount Due:</source>
        <translation>Montant dû :</translation>
    </message>
    <message>
        <source>Reminder Fee:</source>
        <translation>Frais de relance :</translation>
    </message>
    <message>
        <source>Default Interest:</source>
        <translation>Pénalités de retard :</translation>
    </message>
    <message>
        <source>Recovery Costs:</source>
        <translation>Frais de recouvrement :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Default interest is not included: the reference rate of the current half-year is not known to the program.</source>
        <extracomment>%1: the first day of the half-year whose reference rate is missing.</extracomment>
        <translation>Les pénalités de retard ne sont pas comprises : le taux de référence du semestre en cours n&apos;est pas connu du programme.</translation>
    </message>
    <message>
        <source>Payment reference: %1</source>
        <translation>Référence de paiement : %1</translation>
    </message>
    <message>
        <source>No reminder is due.</source>
        <translation>Aucune relance n&apos;est due.</translation>
    </message>
</context>
<context>
    <name>TBankStatement</name>
    <message>
        <source>Bank Statement</source>
        <translation>Relevé bancaire</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Payer</source>
        <translation>Payeur</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Comptabiliser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>booked before</source>
        <translation>déjà comptabilisé</translation>
    </message>
    <message>
        <source>Passed by: %1</source>
        <translation>Ignorés : %1</translation>
    </message>
    <message>
        <source>Invoice %1 is not an open invoice; clear it or name another.</source>
        <translation>La facture %1 n&apos;est pas une facture ouverte ; videz le champ ou indiquez-en une autre.</translation>
    </message>
    <message>
        <source>Bank statements (*.xml)|*.xml</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Relevés bancaires (*.xml)|*.xml</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is not a bank statement that can be read: %2</source>
        <translation>%1 n&apos;est pas un relevé bancaire lisible : %2</translation>
    </message>
    <message>
        <source>Nothing was booked: %1</source>
        <translation>Rien n&apos;a été comptabilisé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n payment(s) booked.</source>
        <translation>
            <numerusform>%n paiement comptabilisé.</numerusform>
            <numerusform>%n paiements comptabilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>A booking cut short could not be taken back: %1</source>
        <translation>Une comptabilisation interrompue n&apos;a pas pu être annulée : %1</translation>
    </message>
</context>
<context>
    <name>TReminderSettings</name>
    <message>
        <source>Reminder Settings</source>
        <translation>Paramètres des relances</translation>
    </message>
    <message>
        <source>Days Past Due</source>
        <extracomment>Column headings above the three reminder levels.</extracomment>
        <translation>Jours de retard</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Text (empty: the program&apos;s)</source>
        <translation>Texte (vide : celui du programme)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for the date to pay by</source>
        <extracomment>Placeholder of a reminder level&apos;s own text; %1 in it stands for the date to pay by.</extracomment>
        <translation>« %1 » représente la date limite de paiement</translation>
    </message>
    <message>
        <source>Level %1:</source>
        <extracomment>%1: 1, 2 or 3.</extracomment>
        <translation>Niveau %1 :</translation>
    </message>
    <message>
        <source>Charge statutory default interest on reminders</source>
        <translation>Facturer les intérêts de retard légaux dans les relances</translation>
    </message>
    <message>
        <source>Germany: the base rate + 9 points between businesses, + 5 for consumers; France: the ECB rate + 10 points; and EUR 40 recovery costs from businesses.</source>
        <translation>Allemagne : taux de base + 9 points entre professionnels, + 5 pour les consommateurs ; France : taux de la BCE + 10 points ; et 40 EUR d&apos;indemnité forfaitaire de recouvrement pour les professionnels.</translation>
    </message>
    <message>
        <source>Country</source>
        <extracomment>Column headings of the reference rates of default interest.</extracomment>
        <translation>Pays</translation>
    </message>
    <message>
        <source>From</source>
        <translation>À partir du</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <translation>Taux (%)</translation>
    </message>
    <message>
        <source>Reference rates of default interest:</source>
        <translation>Taux de référence des intérêts de retard :</translation>
    </message>
    <message>
        <source>Add Rate</source>
        <translation>Ajouter un taux</translation>
    </message>
    <message>
        <source>Remove Rate</source>
        <translation>Supprimer le taux</translation>
    </message>
    <message>
        <source>A rate the program ships with can be corrected, not removed.</source>
        <translation>Un taux fourni avec le programme peut être corrigé, mais pas supprimé.</translation>
    </message>
    <message>
        <source>Give each level more days past due than the one before (e.g. 14, 28, 42) and a fee of 0 or more.</source>
        <translation>Donnez à chaque niveau plus de jours de retard qu&apos;au précédent (par ex. 14, 28, 42) et des frais de 0 ou plus.</translation>
    </message>
    <message>
        <source>Rate %1: give the country (DE or FR), the first day the rate holds and the rate in percent.</source>
        <extracomment>%1: the row&apos;s number in the list of reference rates.</extracomment>
        <translation>Taux %1 : indiquez le pays (DE ou FR), le premier jour où le taux s&apos;applique et le taux en pour cent.</translation>
    </message>
    <message>
        <source>Unable to save the reminder settings.</source>
        <translation>Impossible d&apos;enregistrer les paramètres des relances.</translation>
    </message>
</context>
<context>
    <name>TReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Relances</translation>
    </message>
    <message>
        <source>Customer</source>
        <extracomment>Column headings of the list of reminders due.</extracomment>
        <translation>Client</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Montant dû</translation>
    </message>
    <message>
        <source>No reminder is due.</source>
        <translation>Aucune relance n&apos;est due.</translation>
    </message>
    <message>
        <source>Show All...</source>
        <translation>Tout afficher...</translation>
    </message>
    <message>
        <source>E-Mail...</source>
        <translation>E-mail...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The reminder was not saved as PDF: %1</source>
        <translation>La relance n&apos;a pas été enregistrée en PDF : %1</translation>
    </message>
    <message>
        <source>reminder-%1.pdf</source>
        <extracomment>A reminder&apos;s PDF file name; %1 is the customer&apos;s number.</extracomment>
        <translation>relance-%1.pdf</translation>
    </message>
    <message>
        <source>The reminder could not be saved as PDF in %1.</source>
        <translation>La relance n&apos;a pas pu être enregistrée en PDF dans %1.</translation>
    </message>
    <message>
        <source>The reminder was saved as %1, but %2.</source>
        <translation>La relance a été enregistrée sous %1, mais %2.</translation>
    </message>
    <message>
        <source>Default interest is left out: add the reference rate of the current half-year under Settings.</source>
        <translation>Les intérêts de retard sont omis : ajoutez le taux de référence du semestre en cours dans Paramètres.</translation>
    </message>
</context>
</TS>
