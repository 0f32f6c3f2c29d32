<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TPickProd</name>
    <message>
        <source>PickProd</source>
        <extracomment>The title of the product pick list</extracomment>
        <translation>Artikel auswählen</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>&lt;DELETED&gt;</source>
        <translation>&lt;GELÖSCHT&gt;</translation>
    </message>
</context>
<context>
    <name>TPickPur</name>
    <message>
        <source>PickPur</source>
        <extracomment>The title of the inventory purchase pick list</extracomment>
        <translation>Wareneinkauf auswählen</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>&lt;DELETED&gt;</source>
        <translation>&lt;GELÖSCHT&gt;</translation>
    </message>
</context>
<context>
    <name>TProdDef</name>
    <message>
        <source>Product Definition</source>
        <translation>Artikel festlegen</translation>
    </message>
    <message>
        <source>Description, second line</source>
        <translation>Beschreibung, zweite Zeile</translation>
    </message>
    <message>
        <source>Inventory Item</source>
        <translation>Lagerartikel</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>License Code:</source>
        <translation>Lizenzcode:</translation>
    </message>
    <message>
        <source>Reorder Level:</source>
        <translation>Meldebestand:</translation>
    </message>
    <message>
        <source>Product Text (Printed at the Bottom of Invoices)</source>
        <translation>Artikeltext (unten auf Rechnungen gedruckt)</translation>
    </message>
    <message>
        <source>Blank Product ID not allowed</source>
        <translation>Eine leere Artikelnummer ist nicht zulässig</translation>
    </message>
    <message>
        <source>Duplicate Product ID&apos;s are not allowed</source>
        <translation>Doppelte Artikelnummern sind nicht zulässig</translation>
    </message>
    <message>
        <source>Discard the changes to this product?</source>
        <translation>Die Änderungen an diesem Artikel verwerfen?</translation>
    </message>
</context>
<context>
    <name>TPurDef</name>
    <message>
        <source>Inventory Purchase Definition</source>
        <translation>Wareneinkauf festlegen</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Date Acquired</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Product Selection Required.</source>
        <translation>Bitte wählen Sie einen Artikel.</translation>
    </message>
</context>
<context>
    <name>TTaxDef</name>
    <message>
        <source>Tax Definition</source>
        <translation>Steuern festlegen</translation>
    </message>
    <message>
        <source>Tax 2 charged on Tax 1</source>
        <extracomment>The second charge line computed on the first (the shipping line) too</extracomment>
        <translation>Steuer 2 auf Steuer 1 erheben</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>When Tax on Items</source>
        <translation>Wenn Positionen besteuert</translation>
    </message>
    <message>
        <source> Round Computed Tax </source>
        <extracomment>Rounding of the computed tax: normally, up or down</extracomment>
        <translation> Berechnete Steuer runden </translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abrunden</translation>
    </message>
    <message>
        <source>Line Label</source>
        <translation>Zeilenname</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozentsatz</translation>
    </message>
    <message>
        <source>Computed 1</source>
        <translation>Berechnet 1</translation>
    </message>
    <message>
        <source>Computed 2</source>
        <translation>Berechnet 2</translation>
    </message>
</context>
</TS>
