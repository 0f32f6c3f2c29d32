<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TPickProd</name>
    <message>
        <source>PickProd</source>
        <extracomment>The title of the product pick list</extracomment>
        <translation>Choisir un produit</translation>
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
        <source>&lt;DELETED&gt;</source>
        <translation>&lt;SUPPRIMÉ&gt;</translation>
    </message>
</context>
<context>
    <name>TPickPur</name>
    <message>
        <source>PickPur</source>
        <extracomment>The title of the inventory purchase pick list</extracomment>
        <translation>Choisir un achat de stock</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Code produit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>&lt;DELETED&gt;</source>
        <translation>&lt;SUPPRIMÉ&gt;</translation>
    </message>
</context>
<context>
    <name>TProdDef</name>
    <message>
        <source>Product Definition</source>
        <translation>Définition du produit</translation>
    </message>
    <message>
        <source>Description, second line</source>
        <translation>Désignation, deuxième ligne</translation>
    </message>
    <message>
        <source>Inventory Item</source>
        <translation>Article en stock</translation>
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
        <source>Unit Price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>License Code:</source>
        <translation>Code de licence :</translation>
    </message>
    <message>
        <source>Reorder Level:</source>
        <translation>Seuil de commande :</translation>
    </message>
    <message>
        <source>Product Text (Printed at the Bottom of Invoices)</source>
        <translation>Texte du produit (imprimé en bas des factures)</translation>
    </message>
    <message>
        <source>Blank Product ID not allowed</source>
        <translation>Un code produit vide n&apos;est pas autorisé</translation>
    </message>
    <message>
        <source>Duplicate Product ID&apos;s are not allowed</source>
        <translation>Les codes produit en double ne sont pas autorisés</translation>
    </message>
    <message>
        <source>Discard the changes to this product?</source>
        <translation>Abandonner les modifications de ce produit ?</translation>
    </message>
</context>
<context>
    <name>TPurDef</name>
    <message>
        <source>Inventory Purchase Definition</source>
        <translation>Définition de l&apos;achat de stock</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Date Acquired</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>Product Selection Required.</source>
        <translation>Veuillez choisir un produit.</translation>
    </message>
</context>
<context>
    <name>TTaxDef</name>
    <message>
        <source>Tax Definition</source>
        <translation>Définition des taxes</translation>
    </message>
    <message>
        <source>Tax 2 charged on Tax 1</source>
        <extracomment>The second charge line computed on the first (the shipping line) too</extracomment>
        <translation>Taxe 2 appliquée à la taxe 1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>When Tax on Items</source>
        <translation>Si les lignes sont taxées</translation>
    </message>
    <message>
        <source> Round Computed Tax </source>
        <extracomment>Rounding of the computed tax: normally, up or down</extracomment>
        <translation> Arrondi de la taxe calculée </translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Line Label</source>
        <translation>Libellé de ligne</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Computed 1</source>
        <translation>Calculé 1</translation>
    </message>
    <message>
        <source>Computed 2</source>
        <translation>Calculé 2</translation>
    </message>
</context>
</TS>
