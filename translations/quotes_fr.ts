<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <extracomment>The title of a printed quote (German Angebot, French Devis).</extracomment>
        <translation>Devis</translation>
    </message>
    <message>
        <source>quotes</source>
        <extracomment>The start of a PDF file&apos;s name: quotes-2026-12-09.pdf.</extracomment>
        <translation>devis</translation>
    </message>
    <message>
        <source>Quote No:</source>
        <extracomment>Beside the quote&apos;s number on the printed quote.</extracomment>
        <translation>Devis n° :</translation>
    </message>
    <message>
        <source>Quote Date:</source>
        <translation>Date du devis :</translation>
    </message>
    <message>
        <source>Valid Until:</source>
        <extracomment>The last day the quote&apos;s prices hold.</extracomment>
        <translation>Valable jusqu&apos;au :</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on the printed quote.</extracomment>
        <translation>À :</translation>
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
        <source>Quote %1</source>
        <extracomment>The printed quote&apos;s title in its PDF file; %1 is the quote&apos;s number.</extracomment>
        <translation>Devis %1</translation>
    </message>
</context>
<context>
    <name>QuoteInvoice</name>
    <message>
        <source>Quote %1 is no longer there.</source>
        <translation>Le devis %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Quote %1 has already become invoice %2.</source>
        <translation>Le devis %1 est déjà devenu la facture %2.</translation>
    </message>
    <message>
        <source>Quote %1 was declined: it does not become an invoice.</source>
        <translation>Le devis %1 a été refusé : il ne devient pas une facture.</translation>
    </message>
    <message>
        <source>No invoice number is left.</source>
        <translation>Il ne reste plus de numéro de facture.</translation>
    </message>
    <message>
        <source>Invoice %1 could not be written: %2</source>
        <translation>La facture %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
</context>
<context>
    <name>TPickQuote</name>
    <message>
        <source>Select Quote</source>
        <translation>Choisir un devis</translation>
    </message>
    <message>
        <source>Quote</source>
        <extracomment>Column headings of the quote list.</extracomment>
        <translation>Devis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>TQuote</name>
    <message>
        <source>Quote</source>
        <translation>Devis</translation>
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
        <source>Open</source>
        <extracomment>A quote&apos;s state, chosen by the user.</extracomment>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accepté</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Refusé</translation>
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
        <source>Make Invoice</source>
        <translation>Établir la facture</translation>
    </message>
    <message>
        <source>Make an invoice of the next number from this quote</source>
        <translation>Établir à partir de ce devis une facture du numéro suivant</translation>
    </message>
    <message>
        <source>E-Mail...</source>
        <translation>E-mail...</translation>
    </message>
    <message>
        <source>Send the quote as PDF with the mail program</source>
        <translation>Envoyer le devis en PDF avec le programme de messagerie</translation>
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
        <source>Quote:</source>
        <translation>Devis :</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The quote&apos;s date.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Valid Until</source>
        <extracomment>The last day the quote&apos;s prices hold.</extracomment>
        <translation>Valable jusqu&apos;au</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Département</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Sous-total :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>This quote became invoice %1.</source>
        <translation>Ce devis est devenu la facture %1.</translation>
    </message>
    <message>
        <source>Discard the changes to this quote?</source>
        <translation>Abandonner les modifications de ce devis ?</translation>
    </message>
    <message>
        <source>Customer must be selected</source>
        <translation>Un client doit être choisi</translation>
    </message>
    <message>
        <source>The quote could not be saved: %1</source>
        <translation>Le devis n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Customer must be selected to print</source>
        <translation>Un client doit être choisi pour imprimer</translation>
    </message>
    <message>
        <source>The quote was not saved as PDF: %1</source>
        <translation>Le devis n&apos;a pas été enregistré en PDF : %1</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <extracomment>The subject of the e-mail that carries a quote; %1 is its number.</extracomment>
        <translation>Devis %1</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <extracomment>A quote&apos;s PDF file name; %1 is its number.</extracomment>
        <translation>devis-%1.pdf</translation>
    </message>
    <message>
        <source>The quote could not be saved as PDF in %1.</source>
        <translation>Le devis n&apos;a pas pu être enregistré en PDF dans %1.</translation>
    </message>
    <message>
        <source>The quote was saved as %1, but %2.</source>
        <translation>Le devis a été enregistré sous %1, mais %2.</translation>
    </message>
    <message>
        <source>A declined quote does not become an invoice.</source>
        <translation>Un devis refusé ne devient pas une facture.</translation>
    </message>
    <message>
        <source>Quote %1 became invoice %2.</source>
        <translation>Le devis %1 est devenu la facture %2.</translation>
    </message>
    <message>
        <source>Its amounts were computed again at today&apos;s settings and differ from the quote&apos;s: total %1 (the quote: %2).</source>
        <translation>Ses montants ont été recalculés avec les réglages du jour et diffèrent de ceux du devis : total %1 (devis : %2).</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this quote?</source>
        <translation>Voulez-vous vraiment supprimer ce devis ?</translation>
    </message>
</context>
</TS>
