<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CustomerRows</name>
    <message>
        <source>&lt; DELETED &gt;</source>
        <extracomment>Shown in the pick list instead of a deleted customer&apos;s note</extracomment>
        <translation>&lt; GELÖSCHT &gt;</translation>
    </message>
</context>
<context>
    <name>TCustomer</name>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Customer No.</source>
        <translation>Kundennr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>E-Invoice...</source>
        <translation>E-Rechnung...</translation>
    </message>
    <message>
        <source>The customer&apos;s details for electronic invoices</source>
        <translation>Die Angaben des Kunden für elektronische Rechnungen</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Please Select Customer Group</source>
        <translation>Bitte wählen Sie eine Kundengruppe</translation>
    </message>
    <message>
        <source>Save the customer before entering e-invoice details.</source>
        <translation>Speichern Sie den Kunden, bevor Sie E-Rechnungsangaben eingeben.</translation>
    </message>
    <message>
        <source>Customer %1 has %2 invoices; they will show no customer. Delete anyway?</source>
        <translation>Kunde %1 hat %2 Rechnungen; sie zeigen danach keinen Kunden mehr. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Discard the changes to this customer?</source>
        <translation>Die Änderungen an diesem Kunden verwerfen?</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Anrede</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Company (empty for a private person)</source>
        <translation>Firma (leer bei einer Privatperson)</translation>
    </message>
    <message>
        <source>The company; e-invoices name it as the buyer (a private person: the name)</source>
        <translation>Die Firma; E-Rechnungen nennen sie als Käufer (bei einer Privatperson den Namen)</translation>
    </message>
</context>
<context>
    <name>TGroupDef</name>
    <message>
        <source>Customer Group Definition</source>
        <translation>Kundengruppe festlegen</translation>
    </message>
    <message>
        <source>Group Number:</source>
        <translation>Gruppennummer:</translation>
    </message>
    <message>
        <source>Customer Group:</source>
        <translation>Kundengruppe:</translation>
    </message>
    <message>
        <source>Can&apos;t Save Blank Name</source>
        <translation>Ein leerer Name kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Unable to add record at this time. Please try later.</source>
        <translation>Der Datensatz kann jetzt nicht hinzugefügt werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Move Customers in %1 to a selected group</source>
        <translation>Kunden aus %1 in eine ausgewählte Gruppe verschieben</translation>
    </message>
</context>
<context>
    <name>TPickCust</name>
    <message>
        <source>Select Customer</source>
        <translation>Kunde auswählen</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column headings: the customer&apos;s last name, first name, note, company</extracomment>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
</context>
<context>
    <name>TPickGroup</name>
    <message>
        <source>PickGroup</source>
        <extracomment>The title of the customer group pick list</extracomment>
        <translation>Kundengruppe auswählen</translation>
    </message>
    <message>
        <source>Seek:</source>
        <translation>Suchen:</translation>
    </message>
</context>
</TS>
