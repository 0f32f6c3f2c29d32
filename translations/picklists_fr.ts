<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PickEdit</name>
    <message>
        <source>Customer Database is Empty</source>
        <translation>La table des clients est vide</translation>
    </message>
    <message>
        <source>Group Database is Empty</source>
        <translation>La table des groupes est vide</translation>
    </message>
    <message>
        <source>Product Database is Empty</source>
        <translation>La table des produits est vide</translation>
    </message>
    <message>
        <source>Invoice Database is Empty</source>
        <translation>La table des factures est vide</translation>
    </message>
    <message>
        <source>Purchase Database is Empty</source>
        <translation>La table des achats est vide</translation>
    </message>
    <message>
        <source>Label Database is Empty</source>
        <translation>La table des étiquettes est vide</translation>
    </message>
</context>
<context>
    <name>PickGridForm</name>
    <message>
        <source>Seek:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>RecNo</source>
        <extracomment>Column heading: the record&apos;s number in its table.</extracomment>
        <translation>N° enr.</translation>
    </message>
</context>
<context>
    <name>PickListForm</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&lt;DELETED&gt;</source>
        <translation>&lt;SUPPRIMÉ&gt;</translation>
    </message>
    <message>
        <source>Item Not Selected</source>
        <translation>Aucun élément sélectionné</translation>
    </message>
</context>
</TS>
