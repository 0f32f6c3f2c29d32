<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ReportCatalog</name>
    <message>
        <source>the invoices of the span (default today)</source>
        <translation>les factures de la période (par défaut aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>the invoices of the span with a balance due (default this month)</source>
        <translation>les factures de la période avec un montant dû (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>the statements of the customers with unsettled invoices in the span (default this month)</source>
        <translation>les relevés de compte des clients ayant des factures non réglées dans la période (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>every invoice with a balance due (or a credit) and its age in days</source>
        <translation>chaque facture avec un montant dû (ou un avoir) et son âge en jours</translation>
    </message>
    <message>
        <source>item sales and the two charge lines of the span (default this month)</source>
        <translation>les ventes d&apos;articles et les deux lignes de frais de la période (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>the payments of the span, by day (default this month)</source>
        <translation>les paiements de la période, par jour (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>quantities and amounts sold per product in the span (default this month)</source>
        <translation>quantités et montants vendus par produit dans la période (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>one line per invoice of the span (default this month)</source>
        <translation>une ligne par facture de la période (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>the address and every item bought of the customers given, or of the groups&apos; customers</source>
        <translation>l&apos;adresse et chaque article acheté des clients indiqués, ou des clients des groupes</translation>
    </message>
    <message>
        <source>the customers who bought the product in the span (default this month)</source>
        <translation>les clients ayant acheté le produit dans la période (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>the purchases of the span by product, with their cost (default this month)</source>
        <translation>les achats de stock de la période par produit, avec leur coût (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>every product with its price and reorder level</source>
        <translation>chaque produit avec son prix et son seuil de commande</translation>
    </message>
    <message>
        <source>every inventory item on hand and on order today, and whether to reorder</source>
        <translation>chaque article en stock, disponible et en commande aujourd&apos;hui, et s&apos;il faut le recommander</translation>
    </message>
    <message>
        <source>every inventory item&apos;s quantity and value as of a day (default today)</source>
        <translation>la quantité et la valeur de chaque article en stock à une date (par défaut aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>beginning and ending inventory, purchases and cost of goods sold of the span (default this month)</source>
        <translation>stock initial et final, achats et coût des marchandises vendues de la période (par défaut ce mois-ci)</translation>
    </message>
    <message>
        <source>the reminders due today: the overdue invoices by customer, each at its next level</source>
        <translation>les relances dues aujourd&apos;hui : les factures échues par client, chacune à son niveau suivant</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>First day of the report&apos;s span.</source>
        <translation>Premier jour de la période du rapport.</translation>
    </message>
    <message>
        <source>Last day of the report&apos;s span.</source>
        <translation>Dernier jour de la période du rapport.</translation>
    </message>
    <message>
        <source>Customer numbers, in the order they would be picked.</source>
        <translation>Numéros de clients, dans l&apos;ordre où ils seraient choisis.</translation>
    </message>
    <message>
        <source>Customer group numbers, or all groups.</source>
        <extracomment>&quot;all&quot; stays as typed</extracomment>
        <translation>Numéros de groupes de clients, ou all pour tous les groupes.</translation>
    </message>
    <message>
        <source>Product code, exactly as stored.</source>
        <translation>Code produit, exactement tel qu&apos;enregistré.</translation>
    </message>
    <message>
        <source>The day the stock is valued as of (default today).</source>
        <translation>Le jour auquel le stock est évalué (par défaut aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>Stock valued first-in first-out or last-in first-out for this run only (default: the stored setting, which stays as it is).</source>
        <translation>Stock évalué en premier entré, premier sorti ou en dernier entré, premier sorti pour cette exécution seulement (par défaut : le réglage enregistré, qui reste inchangé).</translation>
    </message>
    <message>
        <source>Reports:</source>
        <translation>Rapports :</translation>
    </message>
    <message>
        <source>(one of %1)</source>
        <extracomment>%1 lists options, as in &quot;(one of --customers, --groups)&quot;</extracomment>
        <translation>(une parmi %1)</translation>
    </message>
    <message>
        <source>Every report takes --data, --format and --out.</source>
        <translation>Chaque rapport accepte --data, --format et --out.</translation>
    </message>
    <message>
        <source>which report?</source>
        <translation>quel rapport ?</translation>
    </message>
    <message>
        <source>one report at a time: %1</source>
        <translation>un seul rapport à la fois : %1</translation>
    </message>
    <message>
        <source>unknown report: %1</source>
        <translation>rapport inconnu : %1</translation>
    </message>
    <message>
        <source>%1 takes no --%2</source>
        <extracomment>%1 is the report&apos;s name as typed, %2 an option&apos;s</extracomment>
        <translation>%1 n&apos;accepte pas --%2</translation>
    </message>
    <message>
        <source>%1 needs one of --%2</source>
        <extracomment>%1 is the report&apos;s name as typed, %2 lists options</extracomment>
        <translation>%1 demande une option parmi --%2</translation>
    </message>
    <message>
        <source>--method is fifo or lifo, not %1</source>
        <extracomment>fifo and lifo stay as typed</extracomment>
        <translation>--method vaut fifo ou lifo, pas %1</translation>
    </message>
    <message>
        <source>--product needs a product code</source>
        <translation>--product demande un code produit</translation>
    </message>
    <message>
        <source>unknown format: %1</source>
        <translation>format inconnu : %1</translation>
    </message>
    <message>
        <source>--groups: there is no group %1</source>
        <translation>--groups : il n&apos;y a pas de groupe %1</translation>
    </message>
    <message>
        <source>nothing to report; %1 was not written</source>
        <translation>rien à rapporter ; %1 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>nothing to report for %1 - %2; %3 was not written</source>
        <extracomment>%1 and %2 are the first and the last day, %3 the file</extracomment>
        <translation>rien à rapporter du %1 au %2 ; %3 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>Ending Date must be greater than or equal to Starting Date.</source>
        <translation>La date de fin doit être postérieure ou égale à la date de début.</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>tallowby report [options] NAME --out FILE</source>
        <extracomment>Keep the words in capitals and the option names</extracomment>
        <translation>tallowby report [options] NAME --out FILE</translation>
    </message>
    <message>
        <source>Builds one report of the data folder without windows and writes it to a file: what the report window exports (text, tab) or prints (pdf).</source>
        <extracomment>text, tab and pdf are the formats as typed</extracomment>
        <translation>Construit un rapport du dossier de données sans fenêtre et l&apos;écrit dans un fichier : ce que la fenêtre des rapports exporte (text, tab) ou imprime (pdf).</translation>
    </message>
    <message>
        <source>The report to build (listed below).</source>
        <translation>Le rapport à construire (liste ci-dessous).</translation>
    </message>
    <message>
        <source>Output: text (default), tab or pdf.</source>
        <extracomment>text, tab and pdf are the formats as typed</extracomment>
        <translation>Sortie : text (par défaut), tab ou pdf.</translation>
    </message>
</context>
<context>
    <name>ReportMenus</name>
    <message>
        <source>No invoices to select.</source>
        <translation>Aucune facture à choisir.</translation>
    </message>
    <message>
        <source>Inventory as Of:</source>
        <translation>Stock au :</translation>
    </message>
</context>
<context>
    <name>RptGen</name>
    <message>
        <source>Account Statement</source>
        <translation>Relevé de compte</translation>
    </message>
    <message>
        <source>Invoice</source>
        <extracomment>Column headings: the invoice&apos;s number and date, its charges, the payments, what is due</extracomment>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Charges</source>
        <translation>Facturé</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Montant dû</translation>
    </message>
    <message>
        <source>To:</source>
        <extracomment>Before the customer&apos;s address on a statement</extracomment>
        <translation>À :</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>there is no invoice %1</source>
        <translation>il n&apos;y a pas de facture %1</translation>
    </message>
    <message>
        <source>there is no customer %1</source>
        <translation>il n&apos;y a pas de client %1</translation>
    </message>
</context>
<context>
    <name>RptGenCustomer</name>
    <message>
        <source>Customer Profile</source>
        <translation>Profil d&apos;achat</translation>
    </message>
    <message>
        <source>Customer</source>
        <extracomment>Column headings: the customer, the date of the invoice, the product, quantity, unit price
----------
Column headings: the customer, the customer&apos;s group, the invoice&apos;s date, the unit price</extracomment>
        <translation>Client</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>U-Price</source>
        <translation>Prix U.</translation>
    </message>
    <message>
        <source>Cust#: %1  Group: %2</source>
        <extracomment>%1 is the customer&apos;s number, %2 the name of the customer&apos;s group</extracomment>
        <translation>Client : %1  Groupe : %2</translation>
    </message>
    <message>
        <source>there is no customer %1</source>
        <translation>il n&apos;y a pas de client %1</translation>
    </message>
    <message>
        <source>there is no product %1</source>
        <translation>il n&apos;y a pas de produit %1</translation>
    </message>
    <message>
        <source>Buyers of %1-%2</source>
        <extracomment>%1 is the product code, %2 its description</extracomment>
        <translation>Acheteurs de %1-%2</translation>
    </message>
    <message>
        <source>from %1 through %2</source>
        <extracomment>The second title line of the buyers of a product: %1 and %2 are the first and the last day</extracomment>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>MailGroup</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <extracomment>A customer or group that is no longer on file</extracomment>
        <translation>INCONNU</translation>
    </message>
</context>
<context>
    <name>RptGenSales</name>
    <message>
        <source>No Invoices within selected dates.</source>
        <translation>Aucune facture dans les dates choisies.</translation>
    </message>
    <message>
        <source>No Payments within selected dates.</source>
        <translation>Aucun paiement dans les dates choisies.</translation>
    </message>
    <message>
        <source>Processing Receivables</source>
        <translation>Traitement des créances</translation>
    </message>
    <message>
        <source>RECEIVABLES</source>
        <translation>CRÉANCES</translation>
    </message>
    <message>
        <source>Inv. No</source>
        <extracomment>Column headings: invoice number, customer, age in days, amount due
----------
Column headings: invoice number, date, the items&apos; amount, then the two charge lines</extracomment>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <extracomment>A customer that is no longer on file</extracomment>
        <translation>INCONNU</translation>
    </message>
    <message>
        <source>Total Receivables</source>
        <translation>Total des créances</translation>
    </message>
    <message>
        <source>Processing Sales</source>
        <translation>Traitement des ventes</translation>
    </message>
    <message>
        <source>Tax report for %1 through %2</source>
        <extracomment>%1 and %2 are the first and the last day</extracomment>
        <translation>Rapport des taxes du %1 au %2</translation>
    </message>
    <message>
        <source>Net Item Sales</source>
        <translation>Ventes nettes d&apos;articles</translation>
    </message>
    <message>
        <source>Sales subject to %1</source>
        <extracomment>%1 is the name of a charge line of the invoices (as typed in the settings)</extracomment>
        <translation>Ventes soumises à %1</translation>
    </message>
    <message>
        <source>%1 Charged</source>
        <extracomment>%1 is the name of a charge line of the invoices (as typed in the settings)</extracomment>
        <translation>%1 : montant facturé</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Processing Payments</source>
        <translation>Traitement des paiements</translation>
    </message>
    <message>
        <source>Daily Income from %1 through %2</source>
        <translation>Recettes journalières du %1 au %2</translation>
    </message>
    <message>
        <source>Pmt Date</source>
        <extracomment>Column headings: payment date, invoice number, the check or credit card number, ...</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Inv No.</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Check - Credit Card No.</source>
        <translation>Chèque - n° carte de crédit</translation>
    </message>
    <message>
        <source>Daily Total</source>
        <translation>Total jour</translation>
    </message>
    <message>
        <source>Total Payments</source>
        <translation>Total des paiements</translation>
    </message>
    <message>
        <source>Sales by Product from %1 through %2</source>
        <translation>Ventes par produit du %1 au %2</translation>
    </message>
    <message>
        <source>Item Code</source>
        <translation>Code prod.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Sale Total</source>
        <translation>Ventes</translation>
    </message>
    <message>
        <source>Unknown Product</source>
        <translation>Produit inconnu</translation>
    </message>
    <message>
        <source>Total Sales</source>
        <translation>Total des ventes</translation>
    </message>
    <message>
        <source>Sales Summary for %1 through %2</source>
        <translation>Récapitulatif des ventes du %1 au %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
</context>
<context>
    <name>RptGenStock</name>
    <message>
        <source>Not Found</source>
        <extracomment>In place of the description of a product that is not on file</extracomment>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Purchasing Report for %1 through %2</source>
        <extracomment>%1 and %2 are the first and the last day</extracomment>
        <translation>Rapport des achats du %1 au %2</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Column headings; Reorder: the reorder level</extracomment>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Quantity</source>
        <extracomment>Column headings of two lines: &quot;Quantity On-Hand&quot;, &quot;Quantity On-Order&quot;, &quot;Reorder Level&quot;, &quot;Need Stock&quot;; each word of the upper line stands over the word of the lower</extracomment>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Processing Purchasing Report</source>
        <translation>Création du rapport des achats</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Product Listing</source>
        <translation>Liste des produits</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Processing Product Listing</source>
        <translation>Création de la liste des produits</translation>
    </message>
    <message>
        <source>Stock On-Hand as of %1</source>
        <extracomment>%1 is the day</extracomment>
        <translation>Stock disponible au %1</translation>
    </message>
    <message>
        <source>Need</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>On-Hand</source>
        <translation>en stock</translation>
    </message>
    <message>
        <source>On-Order</source>
        <translation>commandée</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>requis</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Whether stock must be ordered: no (OK) or yes</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>Processing Inventory</source>
        <translation>Traitement du stock</translation>
    </message>
    <message>
        <source>Inventory as of %1</source>
        <extracomment>%1 is the day</extracomment>
        <translation>Stock au %1</translation>
    </message>
    <message>
        <source>Cost of Goods Sold from %1 through %2</source>
        <extracomment>%1 and %2 are the first and the last day</extracomment>
        <translation>Coût des marchandises vendues du %1 au %2</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Processing Cost of Goods</source>
        <translation>Calcul du coût des marchandises</translation>
    </message>
    <message>
        <source>Beginning Inventory</source>
        <translation>Stock initial</translation>
    </message>
    <message>
        <source>Inventory Purchases</source>
        <translation>Achats de stock</translation>
    </message>
    <message>
        <source>Ending Inventory</source>
        <translation>Stock final</translation>
    </message>
    <message>
        <source>Cost of Goods Sold</source>
        <translation>Coût des marchandises vendues</translation>
    </message>
    <message>
        <source>Reorder</source>
        <comment>upper line</comment>
        <translation>Seuil de</translation>
    </message>
</context>
</TS>
