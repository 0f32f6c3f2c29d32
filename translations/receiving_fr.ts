<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>OfficialRules</name>
    <message>
        <source>no Java runtime is installed</source>
        <translation>aucun environnement Java n&apos;est installé</translation>
    </message>
    <message>
        <source>Saxon HE is not installed (Debian package libsaxonhe-java)</source>
        <translation>Saxon HE n&apos;est pas installé (paquet Debian libsaxonhe-java)</translation>
    </message>
    <message>
        <source>the rule sets are not found</source>
        <translation>les jeux de règles sont introuvables</translation>
    </message>
    <message>
        <source>the invoice could not be written for the rules: %1</source>
        <translation>la facture n&apos;a pas pu être écrite pour les règles : %1</translation>
    </message>
    <message>
        <source>the rules of %1 could not be run: %2</source>
        <extracomment>%1 a rule set&apos;s file, %2 what Saxon said last.</extracomment>
        <translation>les règles de %1 n&apos;ont pas pu être appliquées : %2</translation>
    </message>
    <message>
        <source>the report of %1 could not be read</source>
        <translation>le rapport de %1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The official rules were not run: %1.</source>
        <extracomment>The rule id of a note that the official rules were not run; %1 why.</extracomment>
        <translation>Les règles officielles n&apos;ont pas été appliquées : %1.</translation>
    </message>
</context>
<context>
    <name>PdfAttachment</name>
    <message>
        <source>it is a damaged PDF file that cannot be read</source>
        <translation>le fichier est un PDF endommagé qui ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most that is read of a PDF file</source>
        <extracomment>%1 the largest size read, in MB.</extracomment>
        <translation>le fichier dépasse %1 Mo, le maximum lu d&apos;un fichier PDF</translation>
    </message>
    <message>
        <source>its embedded file %1 cannot be unpacked</source>
        <extracomment>%1 the embedded file&apos;s name.</extracomment>
        <translation>son fichier incorporé %1 ne peut pas être décompressé</translation>
    </message>
    <message>
        <source>it is a PDF file that contains no e-invoice (no factur-x.xml, zugferd-invoice.xml or xrechnung.xml)</source>
        <translation>le fichier est un PDF qui ne contient aucune facture électronique (ni factur-x.xml, ni zugferd-invoice.xml, ni xrechnung.xml)</translation>
    </message>
</context>
<context>
    <name>ReceiveCommand</name>
    <message>
        <source>Prints the invoice&apos;s business terms and the findings as JSON.</source>
        <translation>Affiche les données de la facture et les constats en JSON.</translation>
    </message>
    <message>
        <source>--show takes one file</source>
        <translation>--show prend un seul fichier</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is refused: it is larger than %2 MB</source>
        <extracomment>%1 a file, %2 the largest size read in MB.</extracomment>
        <translation>%1 est refusé : le fichier dépasse %2 Mo</translation>
    </message>
    <message>
        <source>%1 is not an e-invoice that can be read: %2</source>
        <extracomment>%1 a file, %2 why it is no e-invoice.</extracomment>
        <translation>%1 n&apos;est pas une facture électronique lisible : %2</translation>
    </message>
    <message>
        <source>line %1, %2: not booked, no product of that item</source>
        <extracomment>%1 the line&apos;s number, %2 its item.</extracomment>
        <translation>ligne %1, %2 : non comptabilisée, aucun produit pour cet article</translation>
    </message>
    <message>
        <source>line %1, %2: booked as %3, quantity %4</source>
        <extracomment>%1 the line&apos;s number, %2 its item, %3 a product code, %4 the quantity.</extracomment>
        <translation>ligne %1, %2 : comptabilisée comme %3, quantité %4</translation>
    </message>
    <message>
        <source>Reads received e-invoices (XRechnung, ZUGFeRD or Factur-X CII, Peppol or XRechnung UBL, Factur-X or ZUGFeRD PDFs), checks them and shows their terms, or keeps them in a data folder&apos;s register.</source>
        <translation>Lit des factures électroniques reçues (XRechnung, ZUGFeRD ou Factur-X CII, Peppol ou XRechnung UBL, PDF Factur-X ou ZUGFeRD), les contrôle et montre leurs termes, ou les conserve dans le registre d&apos;un dossier de données.</translation>
    </message>
    <message>
        <source>Books the lines whose items are products as purchases.</source>
        <translation>Comptabilise comme achats les lignes dont les articles sont des produits.</translation>
    </message>
    <message>
        <source>The received e-invoices, or folders of them.</source>
        <translation>Les factures électroniques reçues, ou des dossiers qui les contiennent.</translation>
    </message>
    <message>
        <source>--show writes nothing: no --data or --book</source>
        <translation>--show n&apos;écrit rien : pas de --data ni de --book</translation>
    </message>
    <message>
        <source>say what to do with the files: --show, or --data DIR to keep them in its register</source>
        <translation>indiquez que faire des fichiers : --show, ou --data DOSSIER pour les conserver dans son registre</translation>
    </message>
    <message>
        <source>name at least one received file or folder</source>
        <translation>indiquez au moins un fichier reçu ou un dossier</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>dossier de données introuvable : %1</translation>
    </message>
    <message>
        <source>%1 holds no tables of the program</source>
        <translation>%1 ne contient aucune table du programme</translation>
    </message>
    <message>
        <source>%1 was not booked: %2</source>
        <extracomment>%1 a file, %2 why it was not booked.</extracomment>
        <translation>%1 n&apos;a pas été comptabilisée : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n purchase(s) booked.</source>
        <extracomment>%n purchases booked from the invoice.</extracomment>
        <translation>
            <numerusform>%n achat comptabilisé.</numerusform>
            <numerusform>%n achats comptabilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Also runs the official EN 16931 rules (and XRechnung&apos;s or Peppol&apos;s), where Saxon HE and Java are installed.</source>
        <translation>Applique aussi les règles officielles de l&apos;EN 16931 (et celles de XRechnung ou de Peppol), là où Saxon HE et Java sont installés.</translation>
    </message>
</context>
<context>
    <name>ReceiveFiles</name>
    <message>
        <source>valid</source>
        <translation>valide</translation>
    </message>
    <message>
        <source>valid with warnings</source>
        <translation>valide avec avertissements</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>non valide</translation>
    </message>
    <message>
        <source>%1 is not an e-invoice that can be read: %2</source>
        <extracomment>%1 a file, %2 why it is no e-invoice.</extracomment>
        <translation>%1 n&apos;est pas une facture électronique lisible : %2</translation>
    </message>
    <message>
        <source>%1: already received (invoice %2 of %3, kept as %4)</source>
        <extracomment>%1 a file, %2 the invoice&apos;s number, %3 its seller, %4 the archived copy.</extracomment>
        <translation>%1 : déjà reçue (facture %2 de %3, conservée sous %4)</translation>
    </message>
    <message>
        <source>the register cannot be written</source>
        <translation>le registre ne peut pas être écrit</translation>
    </message>
    <message>
        <source>%1 was not registered: %2</source>
        <extracomment>%1 a file, %2 why.</extracomment>
        <translation>%1 n&apos;a pas été enregistrée : %2</translation>
    </message>
    <message>
        <source>%1: registered as %2, but invoice %3 of %4 was received before with other content</source>
        <extracomment>%1 a file, %2 the archived copy, %3 the invoice&apos;s number, %4 its seller.</extracomment>
        <translation>%1 : enregistrée sous %2, mais la facture %3 de %4 a déjà été reçue avec un autre contenu</translation>
    </message>
    <message>
        <source>%1: registered as %2 (invoice %3 of %4, %5)</source>
        <extracomment>%1 a file, %2 the archived copy, %3 the invoice&apos;s number, %4 its seller, %5 valid or not.</extracomment>
        <translation>%1 : enregistrée sous %2 (facture %3 de %4, %5)</translation>
    </message>
</context>
<context>
    <name>ReceivedBooking</name>
    <message>
        <source>it is not in the register</source>
        <translation>elle n&apos;est pas dans le registre</translation>
    </message>
    <message>
        <source>it was booked before</source>
        <translation>elle a déjà été comptabilisée</translation>
    </message>
    <message>
        <source>the register cannot be written</source>
        <translation>le registre ne peut pas être écrit</translation>
    </message>
    <message>
        <source>the mapping of item %1 cannot be written</source>
        <translation>la correspondance de l&apos;article %1 ne peut pas être écrite</translation>
    </message>
    <message>
        <source>the purchases cannot be written</source>
        <translation>les achats ne peuvent pas être écrits</translation>
    </message>
</context>
<context>
    <name>ReceivedChecks</name>
    <message>
        <source>The invoice does not say which rules it follows (BT-24).</source>
        <translation>La facture n&apos;indique pas les règles qu&apos;elle suit (BT-24).</translation>
    </message>
    <message>
        <source>The invoice has no number (BT-1).</source>
        <translation>La facture n&apos;a pas de numéro (BT-1).</translation>
    </message>
    <message>
        <source>The invoice has no issue date (BT-2).</source>
        <translation>La facture n&apos;a pas de date d&apos;émission (BT-2).</translation>
    </message>
    <message>
        <source>The invoice has no type code (BT-3).</source>
        <translation>La facture n&apos;a pas de code de type (BT-3).</translation>
    </message>
    <message>
        <source>The invoice has no currency (BT-5).</source>
        <translation>La facture n&apos;a pas de devise (BT-5).</translation>
    </message>
    <message>
        <source>The seller has no name (BT-27).</source>
        <translation>Le vendeur n&apos;a pas de nom (BT-27).</translation>
    </message>
    <message>
        <source>The buyer has no name (BT-44).</source>
        <translation>L&apos;acheteur n&apos;a pas de nom (BT-44).</translation>
    </message>
    <message>
        <source>The seller has no postal address (BG-5).</source>
        <translation>Le vendeur n&apos;a pas d&apos;adresse postale (BG-5).</translation>
    </message>
    <message>
        <source>The seller&apos;s address has no country code (BT-40).</source>
        <translation>L&apos;adresse du vendeur n&apos;a pas de code pays (BT-40).</translation>
    </message>
    <message>
        <source>The buyer has no postal address (BG-8).</source>
        <translation>L&apos;acheteur n&apos;a pas d&apos;adresse postale (BG-8).</translation>
    </message>
    <message>
        <source>The buyer&apos;s address has no country code (BT-55).</source>
        <translation>L&apos;adresse de l&apos;acheteur n&apos;a pas de code pays (BT-55).</translation>
    </message>
    <message>
        <source>The invoice has no sum of the line nets (BT-106).</source>
        <translation>La facture n&apos;a pas de somme des montants nets des lignes (BT-106).</translation>
    </message>
    <message>
        <source>The invoice has no total without VAT (BT-109).</source>
        <translation>La facture n&apos;a pas de total hors TVA (BT-109).</translation>
    </message>
    <message>
        <source>The invoice has no total with VAT (BT-112).</source>
        <translation>La facture n&apos;a pas de total TVA comprise (BT-112).</translation>
    </message>
    <message>
        <source>The invoice has no amount due (BT-115).</source>
        <translation>La facture n&apos;a pas de montant à payer (BT-115).</translation>
    </message>
    <message>
        <source>The invoice has no line.</source>
        <translation>La facture n&apos;a aucune ligne.</translation>
    </message>
    <message>
        <source>The seller has neither an identifier (BT-29), a legal registration (BT-30) nor a VAT identifier (BT-31).</source>
        <translation>Le vendeur n&apos;a ni identifiant (BT-29), ni immatriculation (BT-30), ni numéro de TVA (BT-31).</translation>
    </message>
    <message>
        <source>An amount is due, but the invoice has neither a due date (BT-9) nor payment terms (BT-20).</source>
        <translation>Un montant est dû, mais la facture n&apos;a ni date d&apos;échéance (BT-9) ni conditions de paiement (BT-20).</translation>
    </message>
    <message>
        <source>Line %1 has no identifier (BT-126).</source>
        <extracomment>%1 the line&apos;s id. The same for the next messages.</extracomment>
        <translation>La ligne %1 n&apos;a pas d&apos;identifiant (BT-126).</translation>
    </message>
    <message>
        <source>Line %1 has no quantity (BT-129).</source>
        <translation>La ligne %1 n&apos;a pas de quantité (BT-129).</translation>
    </message>
    <message>
        <source>Line %1 has no unit of measure (BT-130).</source>
        <translation>La ligne %1 n&apos;a pas d&apos;unité de mesure (BT-130).</translation>
    </message>
    <message>
        <source>Line %1 has no net amount (BT-131).</source>
        <translation>La ligne %1 n&apos;a pas de montant net (BT-131).</translation>
    </message>
    <message>
        <source>Line %1 has no item name (BT-153).</source>
        <translation>La ligne %1 n&apos;a pas de nom d&apos;article (BT-153).</translation>
    </message>
    <message>
        <source>Line %1 has no net price (BT-146).</source>
        <translation>La ligne %1 n&apos;a pas de prix net (BT-146).</translation>
    </message>
    <message>
        <source>Line %1 has a negative net price (BT-146).</source>
        <translation>La ligne %1 a un prix net négatif (BT-146).</translation>
    </message>
    <message>
        <source>Line %1 has a negative gross price (BT-148).</source>
        <translation>La ligne %1 a un prix brut négatif (BT-148).</translation>
    </message>
    <message>
        <source>Line %1 has no VAT category (BT-151).</source>
        <translation>La ligne %1 n&apos;a pas de catégorie de TVA (BT-151).</translation>
    </message>
    <message>
        <source>A charge on line %1 has no amount (BT-141).</source>
        <translation>Une majoration de la ligne %1 n&apos;a pas de montant (BT-141).</translation>
    </message>
    <message>
        <source>A charge on line %1 has no reason (BT-144, BT-145).</source>
        <translation>Une majoration de la ligne %1 n&apos;a pas de motif (BT-144, BT-145).</translation>
    </message>
    <message>
        <source>An allowance on line %1 has no amount (BT-136).</source>
        <translation>Une remise de la ligne %1 n&apos;a pas de montant (BT-136).</translation>
    </message>
    <message>
        <source>An allowance on line %1 has no reason (BT-139, BT-140).</source>
        <translation>Une remise de la ligne %1 n&apos;a pas de motif (BT-139, BT-140).</translation>
    </message>
    <message>
        <source>Line %1&apos;s net amount (BT-131) is %2, but quantity times net price (with the line&apos;s allowances and charges) makes %3.</source>
        <extracomment>%1 the line, %2 the net amount written, %3 the net amount computed.</extracomment>
        <translation>Le montant net de la ligne %1 (BT-131) est %2, mais la quantité fois le prix net (avec les remises et majorations de la ligne) donne %3.</translation>
    </message>
    <message>
        <source>A charge of the invoice has no amount (BT-99).</source>
        <translation>Une majoration de la facture n&apos;a pas de montant (BT-99).</translation>
    </message>
    <message>
        <source>A charge of the invoice has no VAT category (BT-102).</source>
        <translation>Une majoration de la facture n&apos;a pas de catégorie de TVA (BT-102).</translation>
    </message>
    <message>
        <source>A charge of the invoice has no reason (BT-104, BT-105).</source>
        <translation>Une majoration de la facture n&apos;a pas de motif (BT-104, BT-105).</translation>
    </message>
    <message>
        <source>An allowance of the invoice has no amount (BT-92).</source>
        <translation>Une remise de la facture n&apos;a pas de montant (BT-92).</translation>
    </message>
    <message>
        <source>An allowance of the invoice has no VAT category (BT-95).</source>
        <translation>Une remise de la facture n&apos;a pas de catégorie de TVA (BT-95).</translation>
    </message>
    <message>
        <source>An allowance of the invoice has no reason (BT-97, BT-98).</source>
        <translation>Une remise de la facture n&apos;a pas de motif (BT-97, BT-98).</translation>
    </message>
    <message>
        <source>The invoice has no VAT breakdown (BG-23).</source>
        <translation>La facture n&apos;a pas de ventilation de la TVA (BG-23).</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 has no taxable amount (BT-116).</source>
        <extracomment>%1 the VAT category&apos;s code. The same for the next messages.</extracomment>
        <translation>La ventilation de TVA de la catégorie %1 n&apos;a pas de base imposable (BT-116).</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 has no VAT amount (BT-117).</source>
        <translation>La ventilation de TVA de la catégorie %1 n&apos;a pas de montant de TVA (BT-117).</translation>
    </message>
    <message>
        <source>A VAT breakdown has no category (BT-118).</source>
        <translation>Une ventilation de TVA n&apos;a pas de catégorie (BT-118).</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 has no rate (BT-119).</source>
        <translation>La ventilation de TVA de la catégorie %1 n&apos;a pas de taux (BT-119).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no VAT category (S, Z, E, AE, K, G, O, L or M).</source>
        <translation>« %1 » n&apos;est pas une catégorie de TVA (S, Z, E, AE, K, G, O, L ou M).</translation>
    </message>
    <message>
        <source>The date %1 &quot;%2&quot; is no date in the form the format requires.</source>
        <extracomment>%1 the business term (BT-2), %2 the text written.</extracomment>
        <translation>La date %1 « %2 » n&apos;est pas une date sous la forme que le format exige.</translation>
    </message>
    <message>
        <source>The amount %1 &quot;%2&quot; is no number.</source>
        <extracomment>%1 the business term (BT-106), %2 the text written.</extracomment>
        <translation>Le montant %1 « %2 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The currency &quot;%1&quot; (BT-5) is no ISO 4217 code.</source>
        <extracomment>%1 the code written. The same for the next messages.</extracomment>
        <translation>La devise « %1 » (BT-5) n&apos;est pas un code ISO 4217.</translation>
    </message>
    <message>
        <source>The VAT currency &quot;%1&quot; (BT-6) is no ISO 4217 code.</source>
        <translation>La devise de TVA « %1 » (BT-6) n&apos;est pas un code ISO 4217.</translation>
    </message>
    <message>
        <source>The type code &quot;%1&quot; (BT-3) is no document type code.</source>
        <translation>Le code de type « %1 » (BT-3) n&apos;est pas un code de type de document.</translation>
    </message>
    <message>
        <source>The seller&apos;s country &quot;%1&quot; (BT-40) is no country code.</source>
        <translation>Le pays du vendeur « %1 » (BT-40) n&apos;est pas un code pays.</translation>
    </message>
    <message>
        <source>The buyer&apos;s country &quot;%1&quot; (BT-55) is no country code.</source>
        <translation>Le pays de l&apos;acheteur « %1 » (BT-55) n&apos;est pas un code pays.</translation>
    </message>
    <message>
        <source>The seller&apos;s VAT identifier &quot;%1&quot; (BT-31) does not begin with a country code.</source>
        <translation>Le numéro de TVA du vendeur « %1 » (BT-31) ne commence pas par un code pays.</translation>
    </message>
    <message>
        <source>The buyer&apos;s VAT identifier &quot;%1&quot; (BT-48) does not begin with a country code.</source>
        <translation>Le numéro de TVA de l&apos;acheteur « %1 » (BT-48) ne commence pas par un code pays.</translation>
    </message>
    <message>
        <source>The amount %1 is %2, but %4 makes %3.</source>
        <extracomment>%1 the business term (BT-106), %2 the amount written, %3 the amount computed, %4 how (the next messages).</extracomment>
        <translation>Le montant %1 est %2, mais %4 donne %3.</translation>
    </message>
    <message>
        <source>the sum of the line nets</source>
        <translation>la somme des montants nets des lignes</translation>
    </message>
    <message>
        <source>the sum of the invoice&apos;s allowances</source>
        <translation>la somme des remises de la facture</translation>
    </message>
    <message>
        <source>the sum of the invoice&apos;s charges</source>
        <translation>la somme des majorations de la facture</translation>
    </message>
    <message>
        <source>the line nets less allowances plus charges</source>
        <translation>les montants nets des lignes moins les remises plus les majorations</translation>
    </message>
    <message>
        <source>the sum of the VAT breakdown&apos;s amounts</source>
        <translation>la somme des montants de la ventilation de TVA</translation>
    </message>
    <message>
        <source>the total without VAT plus the VAT</source>
        <translation>le total hors TVA plus la TVA</translation>
    </message>
    <message>
        <source>the total with VAT less the amount paid plus rounding</source>
        <translation>le total TVA comprise moins le montant payé plus l&apos;arrondi</translation>
    </message>
    <message>
        <source>%1 of category %2 has a VAT rate of %3, not above zero.</source>
        <translation>%1 de catégorie %2 a un taux de TVA de %3, non supérieur à zéro.</translation>
    </message>
    <message>
        <source>%1 of category %2 has a VAT rate of %3, not zero.</source>
        <translation>%1 de catégorie %2 a un taux de TVA de %3, et non zéro.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>La ligne %1</translation>
    </message>
    <message>
        <source>A charge of the invoice</source>
        <translation>Une majoration de la facture</translation>
    </message>
    <message>
        <source>An allowance of the invoice</source>
        <translation>Une remise de la facture</translation>
    </message>
    <message>
        <source>The taxable amount of category %1 at %2% (BT-116) is %3, but its lines, allowances and charges add up to %4.</source>
        <extracomment>%1 the category, %2 its rate, %3 the amount written, %4 the sum computed.</extracomment>
        <translation>La base imposable de la catégorie %1 à %2 % (BT-116) est %3, mais ses lignes, remises et majorations font %4.</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 gives an exemption reason, which it must not.</source>
        <translation>La ventilation de TVA de la catégorie %1 donne un motif d&apos;exonération, ce qu&apos;elle ne doit pas faire.</translation>
    </message>
    <message>
        <source>The VAT breakdown of category %1 gives no exemption reason (BT-120, BT-121).</source>
        <translation>La ventilation de TVA de la catégorie %1 ne donne pas de motif d&apos;exonération (BT-120, BT-121).</translation>
    </message>
    <message>
        <source>The invoice has items of VAT category %1 but no VAT breakdown of that category.</source>
        <translation>La facture a des éléments de la catégorie de TVA %1 mais aucune ventilation de cette catégorie.</translation>
    </message>
    <message>
        <source>The items of category %1 at %2% add up to %3, but the VAT breakdown has no such category and rate.</source>
        <extracomment>%1 the category, %2 its rate, %3 the sum.</extracomment>
        <translation>Les éléments de la catégorie %1 à %2 % font %3, mais la ventilation de TVA n&apos;a pas cette catégorie à ce taux.</translation>
    </message>
    <message>
        <source>The VAT amount of category %1 (BT-117) is %2, but it must be zero.</source>
        <extracomment>%1 the category, %2 the amount written.</extracomment>
        <translation>Le montant de TVA de la catégorie %1 (BT-117) est %2, mais il doit être nul.</translation>
    </message>
    <message>
        <source>The VAT amount of category %1 at %2% (BT-117) is %3, but the taxable amount times the rate makes %4.</source>
        <extracomment>%1 the category, %2 its rate, %3 the amount written, %4 the amount computed.</extracomment>
        <translation>Le montant de TVA de la catégorie %1 à %2 % (BT-117) est %3, mais la base imposable fois le taux donne %4.</translation>
    </message>
    <message>
        <source>%1 of category O (not subject to VAT) has a VAT rate (%2).</source>
        <extracomment>%1 the item (line 2, an allowance, a charge), %2 the category, %3 the rate; for O %2 is the rate.</extracomment>
        <translation>%1 de catégorie O (hors champ de la TVA) a un taux de TVA (%2).</translation>
    </message>
</context>
<context>
    <name>ReceivedDocument</name>
    <message>
        <source>VAT ID:</source>
        <translation>N° TVA :</translation>
    </message>
    <message>
        <source>Tax number:</source>
        <translation>Numéro fiscal :</translation>
    </message>
    <message>
        <source>Registration:</source>
        <translation>Immatriculation :</translation>
    </message>
    <message>
        <source>Electronic address:</source>
        <translation>Adresse électronique :</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Contact :</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Charge:</source>
        <translation>Frais :</translation>
    </message>
    <message>
        <source>Allowance:</source>
        <translation>Remise :</translation>
    </message>
    <message>
        <source>Received Credit Note</source>
        <translation>Avoir reçu</translation>
    </message>
    <message>
        <source>Received Invoice</source>
        <translation>Facture reçue</translation>
    </message>
    <message>
        <source>received-invoice</source>
        <translation>facture-recue</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Numéro :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Due date:</source>
        <translation>Échéance :</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Devise :</translation>
    </message>
    <message>
        <source>Buyer reference:</source>
        <translation>Référence acheteur :</translation>
    </message>
    <message>
        <source>Order reference:</source>
        <translation>Référence de commande :</translation>
    </message>
    <message>
        <source>Delivery date:</source>
        <translation>Date de livraison :</translation>
    </message>
    <message>
        <source>Preceding invoice:</source>
        <translation>Facture précédente :</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendeur</translation>
    </message>
    <message>
        <source>Buyer</source>
        <translation>Acheteur</translation>
    </message>
    <message>
        <source>Allowances and charges</source>
        <translation>Remises et frais</translation>
    </message>
    <message>
        <source>VAT breakdown</source>
        <translation>Ventilation de la TVA</translation>
    </message>
    <message>
        <source>Category %1 at %2 %: %3 taxable, %4 VAT</source>
        <extracomment>%1 the VAT category, %2 the rate, %3 the taxable amount, %4 the VAT.</extracomment>
        <translation>Catégorie %1 à %2 % : %3 imposable, %4 de TVA</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Sum of lines:</source>
        <translation>Somme des lignes :</translation>
    </message>
    <message>
        <source>Allowances:</source>
        <translation>Remises :</translation>
    </message>
    <message>
        <source>Charges:</source>
        <translation>Frais :</translation>
    </message>
    <message>
        <source>Total without VAT:</source>
        <translation>Total HT :</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Total with VAT:</source>
        <translation>Total TTC :</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Payé :</translation>
    </message>
    <message>
        <source>Amount due:</source>
        <translation>Montant dû :</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation>IBAN :</translation>
    </message>
    <message>
        <source>BIC:</source>
        <translation>BIC :</translation>
    </message>
    <message>
        <source>Payment reference:</source>
        <translation>Référence de paiement :</translation>
    </message>
    <message>
        <source>Terms:</source>
        <translation>Conditions :</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Contrôles</translation>
    </message>
    <message>
        <source>No findings: the invoice passes every check made.</source>
        <translation>Aucune anomalie : la facture passe tous les contrôles effectués.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>ReceivedRead</name>
    <message>
        <source>it is no e-invoice (CII CrossIndustryInvoice, UBL Invoice or CreditNote) but %1</source>
        <extracomment>%1 the XML&apos;s root element with its namespace.</extracomment>
        <translation>le fichier n&apos;est pas une facture électronique (CII CrossIndustryInvoice, UBL Invoice ou CreditNote) mais %1</translation>
    </message>
    <message>
        <source>its embedded %1 cannot be read: %2</source>
        <extracomment>%1 the embedded file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>son fichier incorporé %1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>TReceivedBooking</name>
    <message>
        <source>Book Received Invoice</source>
        <translation>Comptabiliser la facture reçue</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
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
        <source>There is no product %1; clear it or name another.</source>
        <translation>Il n&apos;existe pas de produit %1 ; videz le champ ou indiquez-en un autre.</translation>
    </message>
</context>
<context>
    <name>TReceivedList</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is not an e-invoice that can be read: %2</source>
        <translation>%1 n&apos;est pas une facture électronique lisible : %2</translation>
    </message>
    <message>
        <source>Received E-Invoices</source>
        <translation>Factures électroniques reçues</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendeur</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Comptabilisée</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Comptabiliser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>valid</source>
        <translation>valide</translation>
    </message>
    <message>
        <source>warnings</source>
        <translation>avertissements</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>non valide</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Receive E-Invoice</source>
        <translation>Recevoir une facture électronique</translation>
    </message>
    <message>
        <source>E-invoices (*.xml *.pdf)|*.xml *.pdf</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Factures électroniques (*.xml *.pdf)|*.xml *.pdf</translation>
    </message>
    <message>
        <source>Invoice %1 of %2 was booked before.</source>
        <translation>La facture %1 de %2 a déjà été comptabilisée.</translation>
    </message>
    <message>
        <source>Nothing was booked: %1</source>
        <translation>Rien n&apos;a été comptabilisé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n purchase(s) booked.</source>
        <translation>
            <numerusform>%n achat comptabilisé.</numerusform>
            <numerusform>%n achats comptabilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Receive File...</source>
        <translation>Recevoir un fichier...</translation>
    </message>
</context>
<context>
    <name>XmlTree</name>
    <message>
        <source>it has more than %1 elements, the most that is read</source>
        <extracomment>%1 the number of elements read at most.</extracomment>
        <translation>le fichier a plus de %1 éléments, le maximum lu</translation>
    </message>
</context>
</TS>
