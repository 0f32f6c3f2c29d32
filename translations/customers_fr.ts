<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CustomerRows</name>
    <message>
        <source>&lt; DELETED &gt;</source>
        <extracomment>Shown in the pick list instead of a deleted customer&apos;s note</extracomment>
        <translation>&lt; SUPPRIMÉ &gt;</translation>
    </message>
</context>
<context>
    <name>TCustomer</name>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Customer No.</source>
        <translation>N° client</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>E-Invoice...</source>
        <translation>Facture électronique...</translation>
    </message>
    <message>
        <source>The customer&apos;s details for electronic invoices</source>
        <translation>Les données du client pour les factures électroniques</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Please Select Customer Group</source>
        <translation>Veuillez choisir un groupe de clients</translation>
    </message>
    <message>
        <source>Save the customer before entering e-invoice details.</source>
        <translation>Enregistrez le client avant de saisir les données de facture électronique.</translation>
    </message>
    <message>
        <source>Customer %1 has %2 invoices; they will show no customer. Delete anyway?</source>
        <translation>Le client %1 a %2 factures ; elles n&apos;indiqueront plus de client. Supprimer quand même ?</translation>
    </message>
    <message>
        <source>Discard the changes to this customer?</source>
        <translation>Abandonner les modifications de ce client ?</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Civilité</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company (empty for a private person)</source>
        <translation>Société (vide pour un particulier)</translation>
    </message>
    <message>
        <source>The company; e-invoices name it as the buyer (a private person: the name)</source>
        <translation>La société ; les factures électroniques la nomment comme acheteur (un particulier : le nom)</translation>
    </message>
</context>
<context>
    <name>TGroupDef</name>
    <message>
        <source>Customer Group Definition</source>
        <translation>Définition du groupe de clients</translation>
    </message>
    <message>
        <source>Group Number:</source>
        <translation>Numéro de groupe :</translation>
    </message>
    <message>
        <source>Customer Group:</source>
        <translation>Groupe de clients :</translation>
    </message>
    <message>
        <source>Can&apos;t Save Blank Name</source>
        <translation>Impossible d&apos;enregistrer un nom vide</translation>
    </message>
    <message>
        <source>Unable to add record at this time. Please try later.</source>
        <translation>Impossible d&apos;ajouter l&apos;enregistrement pour le moment. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Move Customers in %1 to a selected group</source>
        <translation>Déplacer les clients de %1 vers un groupe choisi</translation>
    </message>
</context>
<context>
    <name>TPickCust</name>
    <message>
        <source>Select Customer</source>
        <translation>Choisir un client</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Groupe :</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column headings: the customer&apos;s last name, first name, note, company</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
</context>
<context>
    <name>TPickGroup</name>
    <message>
        <source>PickGroup</source>
        <extracomment>The title of the customer group pick list</extracomment>
        <translation>Choisir un groupe de clients</translation>
    </message>
    <message>
        <source>Seek:</source>
        <translation>Rechercher :</translation>
    </message>
</context>
</TS>
