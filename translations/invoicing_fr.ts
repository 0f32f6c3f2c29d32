<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>EInvoiceActions</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>XML files (*.xml)</source>
        <translation>Fichiers XML (*.xml)</translation>
    </message>
    <message>
        <source>The e-invoice was not saved: %1</source>
        <translation>La facture électronique n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>Save E-Invoice</source>
        <translation>Enregistrer la facture électronique</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Facture %1</translation>
    </message>
    <message>
        <source>The e-invoice was saved as %1, but %2.</source>
        <extracomment>%1 a file, %2 why the mail program could not be opened.</extracomment>
        <translation>La facture électronique a été enregistrée sous %1, mais %2.</translation>
    </message>
    <message>
        <source>No invoices to save.</source>
        <translation>Aucune facture à enregistrer.</translation>
    </message>
    <message>
        <source>Save E-Invoices into Folder</source>
        <translation>Enregistrer les factures électroniques dans un dossier</translation>
    </message>
    <message>
        <source>Saving e-invoices...</source>
        <translation>Enregistrement des factures électroniques...</translation>
    </message>
    <message>
        <source>%1 of %2 e-invoices saved in %3.</source>
        <extracomment>%1 saved of %2 invoices, %3 the folder.</extracomment>
        <translation>%1 factures électroniques sur %2 enregistrées dans %3.</translation>
    </message>
    <message>
        <source>Invoice %1 cannot be saved as an e-invoice:</source>
        <extracomment>Followed by the reasons, one a line.</extracomment>
        <translation>La facture %1 ne peut pas être enregistrée comme facture électronique :</translation>
    </message>
    <message>
        <source>Not saved:</source>
        <extracomment>Followed by the invoices not saved, one a line.</extracomment>
        <translation>Non enregistrées :</translation>
    </message>
    <message>
        <source>Credit Note %1</source>
        <extracomment>The subject of the e-mail that carries an e-invoice; %1 is the invoice&apos;s number.</extracomment>
        <translation>Facture d&apos;avoir %1</translation>
    </message>
    <message>
        <source>The e-mail address of customer %1 is not a plain address (one &quot;@&quot;, no blanks, no &quot;mailto:&quot;, &quot;?&quot;, &quot;&amp;&quot;, &quot;%&quot; or line break, not beginning with &quot;-&quot;): %2<byte value="xd"/>
The message was opened without a recipient; fill it in there, and correct the address in the customer&apos;s window.</source>
        <extracomment>%1 the customer&apos;s number, %2 the address as stored.</extracomment>
        <translation>L&apos;adresse électronique du client %1 n&apos;est pas une adresse simple (un seul « @ », sans espaces, sans « mailto: », « ? », « &amp; », « % » ni saut de ligne, sans « - » au début) : %2<byte value="xd"/>
Le message a été ouvert sans destinataire ; saisissez-le dans le message et corrigez l&apos;adresse dans la fenêtre du client.</translation>
    </message>
</context>
<context>
    <name>EInvoiceCommand</name>
    <message>
        <source>unexpected: %1</source>
        <extracomment>%1 the words given that the command does not take.</extracomment>
        <translation>inattendu : %1</translation>
    </message>
    <message>
        <source>give either --invoice N[,N...] or --from and --to</source>
        <translation>indiquez soit --invoice N[,N...], soit --from et --to</translation>
    </message>
    <message>
        <source>a span needs both --from and --to</source>
        <translation>une période exige à la fois --from et --to</translation>
    </message>
    <message>
        <source>Ending Date must be greater than or equal to Starting Date.</source>
        <translation>La date de fin doit être postérieure ou égale à la date de début.</translation>
    </message>
    <message>
        <source>--format is facturx, xrechnung or ubl</source>
        <extracomment>facturx, xrechnung and ubl are typed as they are.</extracomment>
        <translation>--format vaut facturx, xrechnung ou ubl</translation>
    </message>
    <message>
        <source>No Invoices within selected dates.</source>
        <translation>Aucune facture dans la période choisie.</translation>
    </message>
    <message>
        <source>--invoice: there is no invoice %1</source>
        <translation>--invoice : il n&apos;y a pas de facture %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>tallowby einvoice (--invoice N[,N...] | --from YYYY-MM-DD --to YYYY-MM-DD) --format facturx|xrechnung|ubl --out FILE|DIR</source>
        <extracomment>The command, its options and the format words are typed as they are.</extracomment>
        <translation>tallowby einvoice (--invoice N[,N...] | --from AAAA-MM-JJ --to AAAA-MM-JJ) --format facturx|xrechnung|ubl --out FICHIER|DOSSIER</translation>
    </message>
    <message>
        <source>Saves invoices of the data folder as electronic invoices (EN 16931): Factur-X PDF, XRechnung (CII) or Peppol (UBL). One invoice goes into FILE, several into DIR, one file per invoice named by its number.</source>
        <translation>Enregistre des factures du dossier de données comme factures électroniques (EN 16931) : Factur-X PDF, XRechnung (CII) ou Peppol (UBL). Une facture va dans FICHIER, plusieurs dans DOSSIER, un fichier par facture nommé d&apos;après son numéro.</translation>
    </message>
    <message>
        <source>The invoices by number.</source>
        <translation>Les factures par numéro.</translation>
    </message>
    <message>
        <source>First invoice date of the span.</source>
        <translation>Première date de facture de la période.</translation>
    </message>
    <message>
        <source>Last invoice date of the span.</source>
        <translation>Dernière date de facture de la période.</translation>
    </message>
    <message>
        <source>facturx (PDF), xrechnung (CII XML) or ubl (Peppol UBL XML).</source>
        <extracomment>facturx, xrechnung and ubl are typed as they are.</extracomment>
        <translation>facturx (PDF), xrechnung (CII XML) ou ubl (Peppol UBL XML).</translation>
    </message>
</context>
<context>
    <name>EInvoiceFiles</name>
    <message>
        <source>Invoice %1</source>
        <translation>Facture %1</translation>
    </message>
    <message>
        <source>cannot put the file in place of %1</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>impossible de mettre le fichier à la place de %1</translation>
    </message>
    <message>
        <source>invoice %1: %2</source>
        <extracomment>A line of the invoices not saved as e-invoices: %1 the invoice&apos;s number, %2 why.</extracomment>
        <translation>facture %1 : %2</translation>
    </message>
    <message>
        <source>there is no such invoice</source>
        <translation>cette facture n&apos;existe pas</translation>
    </message>
    <message>
        <source>Credit Note %1</source>
        <extracomment>The printed invoice&apos;s title in its PDF file; %1 is the invoice&apos;s number.</extracomment>
        <translation>Facture d&apos;avoir %1</translation>
    </message>
    <message>
        <source>the invoice could not be printed into %1 (%2)</source>
        <extracomment>%1 is a file, %2 why (&quot;No space left on device&quot;).</extracomment>
        <translation>la facture n&apos;a pas pu être imprimée dans %1 (%2)</translation>
    </message>
</context>
<context>
    <name>InvoiceCopy</name>
    <message>
        <source>an item could not be added</source>
        <translation>un article n&apos;a pas pu être ajouté</translation>
    </message>
    <message>
        <source>The index of the invoices&apos; states could not be written.</source>
        <translation>L&apos;index des états des factures n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>InvoiceDocument</name>
    <message>
        <source>Item Code</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>Column heading of the printed invoice: the unit price.</extracomment>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Column heading of the printed invoice: the quantity.</extracomment>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading of the printed invoice: the line&apos;s total.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Invoice</source>
        <extracomment>The title of the printed invoice.</extracomment>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Bill</source>
        <extracomment>The title of an invoice printed again while something is due: a reminder (glossary: bill).</extracomment>
        <translation>Rappel de paiement</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Relevé de compte</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on the printed invoice.</extracomment>
        <translation>À :</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>Facture n° :</translation>
    </message>
    <message>
        <source>Invoice Date:</source>
        <translation>Date de facture :</translation>
    </message>
    <message>
        <source>SubTotal:</source>
        <translation>Sous-total :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Amount Paid:</source>
        <translation>Montant payé :</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Montant dû :</translation>
    </message>
    <message>
        <source>Credits Invoice:</source>
        <extracomment>Beside the number of the invoice a credit note corrects.</extracomment>
        <translation>Avoir sur facture :</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <extracomment>The title of a printed credit note (German: Rechnungskorrektur, not Gutschrift; French: facture d&apos;avoir).</extracomment>
        <translation>Facture d&apos;avoir</translation>
    </message>
    <message>
        <source>Shipping:</source>
        <extracomment>A charge line&apos;s default name on documents, with its colon (German &quot;Versand:&quot;, French &quot;Frais de port :&quot;).</extracomment>
        <translation>Frais de port :</translation>
    </message>
    <message>
        <source>Sales Tax:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Payment reference: %1</source>
        <translation>Référence de paiement : %1</translation>
    </message>
    <message>
        <source>invoices</source>
        <extracomment>The start of a PDF file&apos;s name: invoices-2026-12-09.pdf.</extracomment>
        <translation>factures</translation>
    </message>
</context>
<context>
    <name>InvoiceLegalText</name>
    <message>
        <source>Zero rated</source>
        <translation>Taux zéro</translation>
    </message>
    <message>
        <source>Exempt from VAT</source>
        <translation>Exonéré de TVA</translation>
    </message>
    <message>
        <source>Reverse charge</source>
        <translation>Autoliquidation</translation>
    </message>
    <message>
        <source>Intra-community supply</source>
        <translation>Livraison intracommunautaire</translation>
    </message>
    <message>
        <source>Export outside the EU</source>
        <translation>Exportation hors de l&apos;UE</translation>
    </message>
    <message>
        <source>supply of goods</source>
        <translation>livraison de biens</translation>
    </message>
    <message>
        <source>provision of services</source>
        <translation>prestation de services</translation>
    </message>
    <message>
        <source>supply of goods and provision of services</source>
        <translation>livraison de biens et prestation de services</translation>
    </message>
    <message>
        <source>Seller: %1, %2</source>
        <extracomment>The seller&apos;s legal name and address under the totals of a printed invoice.</extracomment>
        <translation>Vendeur : %1, %2</translation>
    </message>
    <message>
        <source>VAT ID: %1</source>
        <translation>N° TVA : %1</translation>
    </message>
    <message>
        <source>Tax No.: %1</source>
        <extracomment>The seller&apos;s tax number (German Steuernummer).</extracomment>
        <translation>N° fiscal : %1</translation>
    </message>
    <message>
        <source>Customer&apos;s VAT ID: %1</source>
        <translation>N° TVA du client : %1</translation>
    </message>
    <message>
        <source>Customer&apos;s SIREN: %1</source>
        <translation>SIREN du client : %1</translation>
    </message>
    <message>
        <source>Date of supply: %1</source>
        <translation>Date de livraison : %1</translation>
    </message>
    <message>
        <source>VAT %1%: %2 on %3 %4</source>
        <extracomment>One rate of the VAT breakdown: %1 the rate, %2 the VAT, %3 the taxable amount, %4 the currency.</extracomment>
        <translation>TVA %1 % : %2 sur %3 %4</translation>
    </message>
    <message>
        <source>%1: %2 %3 without VAT</source>
        <extracomment>An untaxed part of the VAT breakdown: %1 its kind, %2 the amount, %3 the currency.</extracomment>
        <translation>%1 : %2 %3 sans TVA</translation>
    </message>
    <message>
        <source>All amounts in %1.</source>
        <translation>Tous les montants en %1.</translation>
    </message>
    <message>
        <source>Due date: %1</source>
        <translation>Date d&apos;échéance : %1</translation>
    </message>
    <message>
        <source>Payment terms: %1</source>
        <translation>Conditions de paiement : %1</translation>
    </message>
    <message>
        <source>Payment reference: %1</source>
        <translation>Référence de paiement : %1</translation>
    </message>
    <message>
        <source>Operation: %1</source>
        <extracomment>The French &quot;nature de l&apos;opération&quot;: %1 goods, services or both.</extracomment>
        <translation>Nature de l&apos;opération : %1</translation>
    </message>
    <message>
        <source>VAT paid on debits.</source>
        <extracomment>French &quot;TVA acquittée sur les débits&quot;.</extracomment>
        <translation>TVA acquittée sur les débits.</translation>
    </message>
    <message>
        <source>three times the legal interest rate</source>
        <translation>trois fois le taux d&apos;intérêt légal</translation>
    </message>
    <message>
        <source>Late payment: a flat fee of EUR 40 for recovery costs is due, and late-payment interest at %1.</source>
        <extracomment>French B2B mention (indemnité forfaitaire de 40 euros pour frais de recouvrement); %1 the rate.</extracomment>
        <translation>En cas de retard de paiement : indemnité forfaitaire pour frais de recouvrement de 40 EUR, et pénalités de retard au taux de %1.</translation>
    </message>
</context>
<context>
    <name>InvoiceRows</name>
    <message>
        <source>&lt; DELETED &gt;</source>
        <translation>&lt; SUPPRIMÉ &gt;</translation>
    </message>
</context>
<context>
    <name>InvoiceState</name>
    <message>
        <source>Invoice %1 has been issued and cannot be deleted. To cancel or correct it, make a credit note for it with &quot;Credit Note...&quot;.</source>
        <translation>La facture %1 a été émise et ne peut pas être supprimée. Pour l&apos;annuler ou la corriger, établissez une facture d&apos;avoir avec « Facture d&apos;avoir... ».</translation>
    </message>
    <message>
        <source>Only the invoice with the highest number (%1) can be deleted, so that no number goes missing. To cancel invoice %2, issue it and make a credit note for it.</source>
        <translation>Seule la facture portant le numéro le plus élevé (%1) peut être supprimée, afin qu&apos;aucun numéro ne manque. Pour annuler la facture %2, émettez-la et établissez une facture d&apos;avoir.</translation>
    </message>
    <message>
        <source>A credit note takes items back: the quantity of %1 must be negative.</source>
        <translation>Une facture d&apos;avoir reprend des articles : la quantité de %1 doit être négative.</translation>
    </message>
    <message>
        <source>The credit note credits more of %1 than invoice %2 holds, counting its earlier credit notes.</source>
        <translation>La facture d&apos;avoir crédite plus de %1 que la facture %2 n&apos;en contient, ses avoirs précédents compris.</translation>
    </message>
    <message>
        <source>Credit note for invoice %1 of %2</source>
        <extracomment>The memo of a new credit note: %1 the invoice&apos;s number, %2 its date.</extracomment>
        <translation>Facture d&apos;avoir pour la facture %1 du %2</translation>
    </message>
    <message>
        <source>Credit note for invoice %1.</source>
        <translation>Facture d&apos;avoir pour la facture %1.</translation>
    </message>
    <message>
        <source>Issued on %1.</source>
        <translation>Émise le %1.</translation>
    </message>
    <message>
        <source>An issued invoice cannot be changed; correct it with a credit note.</source>
        <translation>Une facture émise ne peut pas être modifiée ; corrigez-la par une facture d&apos;avoir.</translation>
    </message>
</context>
<context>
    <name>OrderImport</name>
    <message>
        <source>Unable to read %1: %2</source>
        <extracomment>%1 a file, %2 the reason.</extracomment>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3 fields where %4 are needed (field %5 is missing).</source>
        <extracomment>%1 the order file, %2 its line; %3 fields found, %4 needed, %5 the first one missing.</extracomment>
        <translation>%1, ligne %2 : %3 champs alors que %4 sont nécessaires (le champ %5 manque).</translation>
    </message>
    <message>
        <source>%1, line %2, field %3: &apos;%4&apos; is not a number.</source>
        <extracomment>%1 the order file, %2 its line, %3 the field, %4 what it holds.</extracomment>
        <translation>%1, ligne %2, champ %3 : &apos;%4&apos; n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <extracomment>Part of the note of an imported order&apos;s invoice: where the order came from.</extracomment>
        <translation>Source : %1</translation>
    </message>
    <message>
        <source>THANKS FOR YOUR ORDER.</source>
        <translation>MERCI DE VOTRE COMMANDE.</translation>
    </message>
    <message>
        <source>ALL DAMAGES AND SHORTAGES MUST BE REPORTED WITHIN 5 DAYS OF RECEIPT.</source>
        <translation>TOUT DOMMAGE OU MANQUANT DOIT ÊTRE SIGNALÉ DANS LES 5 JOURS SUIVANT LA RÉCEPTION.</translation>
    </message>
</context>
<context>
    <name>RecurCommand</name>
    <message>
        <source>schedule %1: invoice %2 %3, %4, %5 made, next %6</source>
        <extracomment>%1 schedule number, %2 invoice, %3 weekly/monthly/..., %4 state, %5 made, %6 next date or -</extracomment>
        <translation>échéancier %1 : facture %2 %3, %4, %5 créées, prochaine %6</translation>
    </message>
    <message>
        <source>Makes the repeating invoices that are due, and keeps their schedules.</source>
        <translation>Crée les factures récurrentes dues et gère leurs échéanciers.</translation>
    </message>
    <message>
        <source>Lists what would be made and changes nothing.</source>
        <translation>Liste ce qui serait créé et ne modifie rien.</translation>
    </message>
    <message>
        <source>Lists the schedules.</source>
        <translation>Liste les échéanciers.</translation>
    </message>
    <message>
        <source>With --repeat: each new invoice is issued at once.</source>
        <translation>Avec --repeat : chaque nouvelle facture est émise aussitôt.</translation>
    </message>
    <message>
        <source>Make what is due by this day (default: today).</source>
        <translation>Crée ce qui est dû jusqu&apos;à ce jour (par défaut : aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>Repeats this invoice on a new schedule.</source>
        <translation>Répète cette facture selon un nouvel échéancier.</translation>
    </message>
    <message>
        <source>With --repeat: weekly, monthly, quarterly or yearly.</source>
        <translation>Avec --repeat : weekly, monthly, quarterly ou yearly.</translation>
    </message>
    <message>
        <source>With --repeat: the date of the first new invoice.</source>
        <translation>Avec --repeat : la date de la première nouvelle facture.</translation>
    </message>
    <message>
        <source>With --repeat: the day of the month (1-31) after the first.</source>
        <translation>Avec --repeat : le jour du mois (1-31) après la première.</translation>
    </message>
    <message>
        <source>With --repeat: no invoice after this date.</source>
        <translation>Avec --repeat : aucune facture après cette date.</translation>
    </message>
    <message>
        <source>With --repeat: how many invoices in all.</source>
        <translation>Avec --repeat : combien de factures en tout.</translation>
    </message>
    <message>
        <source>Pauses a schedule.</source>
        <translation>Suspend un échéancier.</translation>
    </message>
    <message>
        <source>Resumes a paused schedule.</source>
        <translation>Reprend un échéancier suspendu.</translation>
    </message>
    <message>
        <source>Ends a schedule.</source>
        <translation>Termine un échéancier.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--until: not a date YYYY-MM-DD</source>
        <translation>--until : pas une date AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--first: not a date YYYY-MM-DD</source>
        <translation>--first : pas une date AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--end: not a date YYYY-MM-DD</source>
        <translation>--end : pas une date AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--repeat: not an invoice number</source>
        <translation>--repeat : pas un numéro de facture</translation>
    </message>
    <message>
        <source>--day: not a day of the month (1-31)</source>
        <translation>--day : pas un jour du mois (1-31)</translation>
    </message>
    <message>
        <source>--times: not a number from 1 to 9999</source>
        <translation>--times : pas un nombre de 1 à 9999</translation>
    </message>
    <message>
        <source>--%1: name one schedule</source>
        <translation>--%1 : indiquer un échéancier</translation>
    </message>
    <message>
        <source>--repeat needs --every weekly|monthly|quarterly|yearly and --first</source>
        <translation>--repeat demande --every weekly|monthly|quarterly|yearly et --first</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>dossier de données introuvable : %1</translation>
    </message>
    <message>
        <source>there is no invoice %1</source>
        <translation>il n&apos;y a pas de facture %1</translation>
    </message>
    <message>
        <source>the schedule could not be written</source>
        <translation>l&apos;échéancier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>il n&apos;y a pas d&apos;échéancier %1</translation>
    </message>
    <message>
        <source>%1  schedule %2: invoice %3</source>
        <translation>%1  échéancier %2 : facture %3</translation>
    </message>
    <message numerus="yes">
        <source>%n invoice(s) made.</source>
        <translation>
            <numerusform>%n facture créée.</numerusform>
            <numerusform>%n factures créées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringInvoices</name>
    <message>
        <source>Making Repeating Invoices</source>
        <translation>Création des factures récurrentes</translation>
    </message>
    <message>
        <source>Invoice %1 of %2 (schedule %3)</source>
        <extracomment>%1 invoice number, %2 its date, %3 the schedule</extracomment>
        <translation>Facture %1 du %2 (échéancier %3)</translation>
    </message>
    <message>
        <source>Repeating invoices made:</source>
        <translation>Factures récurrentes créées :</translation>
    </message>
    <message>
        <source>Schedule %1 repeats invoice %2, which is no longer there.</source>
        <translation>L&apos;échéancier %1 répète la facture %2, qui n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Schedule %1 could not be written.</source>
        <translation>L&apos;échéancier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>its state could not be written</source>
        <translation>son état n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Invoice %1 of schedule %2 could not be written: %3</source>
        <extracomment>%3 why</extracomment>
        <translation>La facture %1 de l&apos;échéancier %2 n&apos;a pas pu être écrite : %3</translation>
    </message>
</context>
<context>
    <name>TInvoice</name>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Customer address</source>
        <translation>Adresse du client</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>The customer&apos;s short note, beside its field.</extracomment>
        <translation>Note</translation>
    </message>
    <message>
        <source>Invoice:</source>
        <translation>Facture :</translation>
    </message>
    <message>
        <source>Date Sold</source>
        <extracomment>The invoice&apos;s date.</extracomment>
        <translation>Date de vente</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Département</translation>
    </message>
    <message>
        <source>Credit Card / Check:</source>
        <translation>Carte de crédit / chèque :</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export Credit Card Info to Batchin.Dat</source>
        <translation>Exporter les données de carte de crédit vers Batchin.Dat</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Code produit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Line Items</source>
        <translation>Lignes de facture</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Modifier la ligne</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Add Paym&apos;t</source>
        <extracomment>Abbreviated to fit the button: add a payment.</extracomment>
        <translation>Ajouter un paiement</translation>
    </message>
    <message>
        <source>Edit Paym&apos;t</source>
        <translation>Modifier le paiement</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Sous-total :</translation>
    </message>
    <message>
        <source>Shipping:</source>
        <extracomment>Replaced by the first charge line&apos;s name from the settings when the window shows.</extracomment>
        <translation>Frais de port :</translation>
    </message>
    <message>
        <source>Sales Tax:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Payments:</source>
        <translation>Paiements :</translation>
    </message>
    <message>
        <source>Amount Due:</source>
        <translation>Montant dû :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>Batch Label</source>
        <translation>Étiquette par lot</translation>
    </message>
    <message>
        <source>E-Invoice</source>
        <translation>Facture électronique</translation>
    </message>
    <message>
        <source>Save the invoice as an electronic invoice</source>
        <translation>Enregistrer la facture comme facture électronique</translation>
    </message>
    <message>
        <source>E-Mail...</source>
        <translation>E-mail...</translation>
    </message>
    <message>
        <source>Send the e-invoice with the mail program</source>
        <translation>Envoyer la facture électronique avec le programme de messagerie</translation>
    </message>
    <message>
        <source>Customer not selected</source>
        <translation>Aucun client choisi</translation>
    </message>
    <message>
        <source>Customer must be selected to print</source>
        <translation>Un client doit être choisi pour imprimer</translation>
    </message>
    <message>
        <source>Save the invoice before sending it as an e-invoice.</source>
        <translation>Enregistrez la facture avant de l&apos;envoyer comme facture électronique.</translation>
    </message>
    <message>
        <source>Directories containing Info and Order files must be selected proir to using the Import function. See Preferences/Import Dir&apos;s</source>
        <translation>Les dossiers contenant les fichiers Info et Order doivent être choisis avant d&apos;utiliser l&apos;import. Voir Préférences/Dossiers d&apos;import</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1 Not Found</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <source>Could not import full address: Country = %1</source>
        <translation>Impossible d&apos;importer l&apos;adresse complète : pays = %1</translation>
    </message>
    <message>
        <source>Item %1 - %2NOT FOUND IN PRODUCT DATABASE</source>
        <extracomment>%1 the ordered product&apos;s code, %2 its description (no space follows it).</extracomment>
        <translation>Article %1 - %2 INTROUVABLE DANS LES PRODUITS</translation>
    </message>
    <message>
        <source>Multiple Matches on Name / Zip</source>
        <translation>Plusieurs correspondances pour le nom / code postal</translation>
    </message>
    <message>
        <source>APPEND RECORD TO FILE? %1</source>
        <translation>AJOUTER L&apos;ENREGISTREMENT AU FICHIER ? %1</translation>
    </message>
    <message>
        <source>Improperly Formatted Credit Card Information</source>
        <translation>Données de carte de crédit mal formatées</translation>
    </message>
    <message>
        <source>%1 already holds this charge; the card would be charged twice. Add it again?</source>
        <translation>%1 contient déjà ce débit ; la carte serait débitée deux fois. L&apos;ajouter à nouveau ?</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>FIRST INVOICE</source>
        <translation>PREMIÈRE FACTURE</translation>
    </message>
    <message>
        <source>What invoice number would you like to start with?</source>
        <translation>Par quel numéro de facture voulez-vous commencer ?</translation>
    </message>
    <message>
        <source>Unable to add invoice at this time. Please try again later</source>
        <translation>Impossible d&apos;ajouter la facture pour le moment. Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>Unable to add invoice Items at this time. Please try again later</source>
        <translation>Impossible d&apos;ajouter les lignes de facture pour le moment. Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>Unable to add Payments at this time. Please try again later</source>
        <translation>Impossible d&apos;ajouter les paiements pour le moment. Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>Customer selection required before saving.</source>
        <translation>Un client doit être choisi avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Add another invoice?</source>
        <translation>Ajouter une autre facture ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this invoice?</source>
        <translation>Voulez-vous vraiment supprimer cette facture ?</translation>
    </message>
    <message>
        <source>Issue</source>
        <translation>Émettre</translation>
    </message>
    <message>
        <source>Issue the invoice: from then on it stays as it is</source>
        <translation>Émettre la facture : elle reste ensuite telle quelle</translation>
    </message>
    <message>
        <source>Credit Note...</source>
        <translation>Facture d&apos;avoir...</translation>
    </message>
    <message>
        <source>Correct the issued invoice by a credit note of the next number</source>
        <translation>Corriger la facture émise par une facture d&apos;avoir portant le numéro suivant</translation>
    </message>
    <message>
        <source>Save the invoice before printing it: a printed invoice is issued.</source>
        <translation>Enregistrez la facture avant de l&apos;imprimer : une facture imprimée est émise.</translation>
    </message>
    <message>
        <source>Save the changes before sending the invoice.</source>
        <translation>Enregistrez les modifications avant d&apos;envoyer la facture.</translation>
    </message>
    <message>
        <source>Invoice %1 has been issued: its content cannot be changed.</source>
        <translation>La facture %1 a été émise : son contenu ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>New credit note for invoice %1.</source>
        <translation>Nouvelle facture d&apos;avoir pour la facture %1.</translation>
    </message>
    <message>
        <source>Save the invoice before issuing it.</source>
        <translation>Enregistrez la facture avant de l&apos;émettre.</translation>
    </message>
    <message>
        <source>Issue invoice %1? An issued invoice can no longer be changed or deleted.</source>
        <translation>Émettre la facture %1 ? Une facture émise ne peut plus être modifiée ni supprimée.</translation>
    </message>
    <message>
        <source>Unable to record that invoice %1 was issued.</source>
        <translation>Impossible d&apos;enregistrer l&apos;émission de la facture %1.</translation>
    </message>
    <message>
        <source>Date of Supply</source>
        <extracomment>The date the goods or services were supplied, when it is not the invoice&apos;s date.</extracomment>
        <translation>Date de livraison</translation>
    </message>
    <message>
        <source>Unable to save the state of invoice %1 (credit note, date of supply).</source>
        <translation>Impossible d&apos;enregistrer l&apos;état de la facture %1 (facture d&apos;avoir, date de livraison).</translation>
    </message>
    <message>
        <source>Customer %1 is invoiced without VAT (%2), but the item %3 carries tax: its e-invoice will be refused. Save all the same?</source>
        <translation>Le client %1 est facturé sans TVA (%2), mais la ligne %3 porte une taxe : sa facture électronique sera refusée. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Discard the changes to this invoice?</source>
        <translation>Abandonner les modifications de cette facture ?</translation>
    </message>
    <message>
        <source>The letters after the total say whether the item is subject to each charge line: t yes, f no (tf: the first only)</source>
        <extracomment>The two letters after a line total: t or f (true, false) for the first and second charge line.</extracomment>
        <translation>Les lettres après le total indiquent si l&apos;article est soumis à chaque ligne de frais : t oui, f non (tf : la première seulement)</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Répéter...</translation>
    </message>
    <message>
        <source>Make a copy of this invoice weekly, monthly, quarterly or yearly</source>
        <translation>Copier cette facture chaque semaine, mois, trimestre ou année</translation>
    </message>
    <message>
        <source>Save the invoice before repeating it.</source>
        <translation>Enregistrez la facture avant de la répéter.</translation>
    </message>
    <message>
        <source>Save the changes before repeating the invoice.</source>
        <translation>Enregistrez les modifications avant de répéter la facture.</translation>
    </message>
    <message>
        <source>The schedule could not be written.</source>
        <translation>L&apos;échéancier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Invoice %1 repeats %2 from %3 (schedule %4).</source>
        <extracomment>%1 the invoice, %2 weekly/monthly/..., %3 the first date, %4 the schedule&apos;s number.</extracomment>
        <translation>La facture %1 se répète %2 à partir du %3 (échéancier %4).</translation>
    </message>
</context>
<context>
    <name>TItemDef</name>
    <message>
        <source>Invoice Line Item</source>
        <translation>Ligne de facture</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>TPickInv</name>
    <message>
        <source>Select Invoice</source>
        <translation>Sélectionner une facture</translation>
    </message>
    <message>
        <source>Seek Invoice No:</source>
        <translation>Rechercher la facture n° :</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Invoice</source>
        <extracomment>Column headings: the invoice&apos;s number, its date, its card or check text.</extracomment>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>TPickPmt</name>
    <message>
        <source>Select Payment</source>
        <translation>Sélectionner un paiement</translation>
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
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TPmtDef</name>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation>Date de paiement :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
</context>
<context>
    <name>TRepeat</name>
    <message>
        <source>Repeat Invoice</source>
        <translation>Répéter la facture</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>How often a repeating invoice is made.</extracomment>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>as the first date</source>
        <extracomment>The day of the month when none is chosen.</extracomment>
        <translation>comme la première date</translation>
    </message>
    <message>
        <source>no limit</source>
        <extracomment>How many invoices a schedule makes when none is set.</extracomment>
        <translation>sans limite</translation>
    </message>
    <message>
        <source>Issue each new invoice at once</source>
        <translation>Émettre chaque nouvelle facture aussitôt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>First invoice on</source>
        <translation>Première facture le</translation>
    </message>
    <message>
        <source>Last date</source>
        <extracomment>Optional: no repeating invoice after this date.</extracomment>
        <translation>Dernière date</translation>
    </message>
    <message>
        <source>Number of invoices</source>
        <translation>Nombre de factures</translation>
    </message>
    <message>
        <source>Invoice %1 is copied on each date.</source>
        <extracomment>%1 the invoice&apos;s number.</extracomment>
        <translation>La facture %1 est copiée à chaque date.</translation>
    </message>
    <message>
        <source>The first date is needed.</source>
        <translation>La première date est nécessaire.</translation>
    </message>
    <message>
        <source>The last date is before the first.</source>
        <translation>La dernière date précède la première.</translation>
    </message>
</context>
<context>
    <name>TSchedules</name>
    <message>
        <source>weekly</source>
        <translation>chaque semaine</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>trimestriellement</translation>
    </message>
    <message>
        <source>yearly</source>
        <translation>annuellement</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>mensuellement</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>suspendu</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>Repeating Invoices</source>
        <translation>Factures récurrentes</translation>
    </message>
    <message>
        <source>Schedule</source>
        <extracomment>Column headings of the list of repeating invoices.</extracomment>
        <translation>Échéancier</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prochaine</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Établies</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Ends a repeating invoice&apos;s schedule for good.</extracomment>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Schedule %1 could not be written.</source>
        <translation>L&apos;échéancier %1 n&apos;a pas pu être écrit.</translation>
    </message>
</context>
</TS>
