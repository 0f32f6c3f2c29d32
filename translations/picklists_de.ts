<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PickEdit</name>
    <message>
        <source>Customer Database is Empty</source>
        <translation>Die Kundentabelle ist leer</translation>
    </message>
    <message>
        <source>Group Database is Empty</source>
        <translation>Die Gruppentabelle ist leer</translation>
    </message>
    <message>
        <source>Product Database is Empty</source>
        <translation>Die Artikeltabelle ist leer</translation>
    </message>
    <message>
        <source>Invoice Database is Empty</source>
        <translation>Die Rechnungstabelle ist leer</translation>
    </message>
    <message>
        <source>Purchase Database is Empty</source>
        <translation>Die Einkaufstabelle ist leer</translation>
    </message>
    <message>
        <source>Label Database is Empty</source>
        <translation>Die Etikettentabelle ist leer</translation>
    </message>
</context>
<context>
    <name>PickGridForm</name>
    <message>
        <source>Seek:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>RecNo</source>
        <extracomment>Column heading: the record&apos;s number in its table.</extracomment>
        <translation>Satz-Nr.</translation>
    </message>
</context>
<context>
    <name>PickListForm</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt;DELETED&gt;</source>
        <translation>&lt;GELÖSCHT&gt;</translation>
    </message>
    <message>
        <source>Item Not Selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
</context>
</TS>
