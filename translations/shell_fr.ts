<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Invoices, inventory and reports of a small business, kept in the xBase
tables of one data folder (by default the current directory).

Commands that need no display:
  tallowby report NAME ...   a report into a file (tallowby report --help)
  tallowby labels KIND ...   address labels into a PDF file (tallowby labels --help)
  tallowby einvoice ...      invoices as e-invoices (tallowby einvoice --help)</source>
        <extracomment>Keep the commands and options as they are; the descriptions at the right line up.</extracomment>
        <translation>Factures, stock et rapports d&apos;une petite entreprise, dans les tables xBase
d&apos;un dossier de données (par défaut le répertoire courant).

Commandes sans affichage :
  tallowby report NAME ...   un rapport dans un fichier (tallowby report --help)
  tallowby labels KIND ...   des étiquettes d&apos;adresse dans un PDF (tallowby labels --help)
  tallowby einvoice ...      des factures électroniques (tallowby einvoice --help)</translation>
    </message>
    <message>
        <source>Work on the tables in DIR.</source>
        <translation>Travailler sur les tables de DIR.</translation>
    </message>
    <message>
        <source>Work in the company folder chosen at an earlier start; the first time, ask for one (a new, empty company or an existing folder). The desktop menu starts Tallowby so.</source>
        <translation>Travailler dans le dossier de société choisi lors d&apos;un démarrage précédent ; la première fois, en demander un (une nouvelle société vide ou un dossier existant). Le menu du bureau démarre Tallowby ainsi.</translation>
    </message>
    <message>
        <source>Show the windows and documents in LANG: de, fr or en (by default the language chosen in the preferences, else the desktop&apos;s).</source>
        <translation>Afficher les fenêtres et les documents en LANG : de, fr ou en (par défaut la langue choisie dans les préférences, sinon celle du bureau).</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells the usage)</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong.</extracomment>
        <translation>%1: %2 (%1 --help indique l&apos;utilisation)</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>unknown language %1 (de, fr or en)</source>
        <translation>langue inconnue %1 (de, fr ou en)</translation>
    </message>
    <message>
        <source>--data and --remembered exclude each other</source>
        <translation>--data et --remembered s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>Tallowby needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set).</source>
        <translation>Tallowby a besoin d&apos;un affichage graphique (DISPLAY ou WAYLAND_DISPLAY n&apos;est pas défini).</translation>
    </message>
</context>
<context>
    <name>FirstStart</name>
    <message>
        <source>The folder %1 is not empty; a new company needs a new or empty folder.</source>
        <translation>Le dossier %1 n&apos;est pas vide ; une nouvelle société a besoin d&apos;un dossier nouveau ou vide.</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Unable to write in the folder %1.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>Unable to write the tables of the new company: %1</source>
        <translation>Impossible d&apos;écrire les tables de la nouvelle société : %1</translation>
    </message>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The company folder %1 no longer holds Tallowby&apos;s tables.</source>
        <translation>Le dossier de société %1 ne contient plus les tables de Tallowby.</translation>
    </message>
    <message>
        <source>The company folder %1 is not there any more.</source>
        <translation>Le dossier de société %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The folder %1 does not hold Tallowby&apos;s tables.</source>
        <translation>Le dossier %1 ne contient pas les tables de Tallowby.</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message>
        <source>Exporting Mail Merge File</source>
        <translation>Export du fichier de publipostage</translation>
    </message>
    <message>
        <source>Generate a Mail Merge File</source>
        <translation>Générer un fichier de publipostage</translation>
    </message>
    <message>
        <source>Delimited files (*.doc)|*.doc|Text files (*.txt)|*.txt</source>
        <extracomment>A file dialog&apos;s filters: description, &quot;|&quot;, pattern, &quot;|&quot;, the next description...</extracomment>
        <translation>Fichiers délimités (*.doc)|*.doc|Fichiers texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>Mail merge: nothing was written.</source>
        <translation>Publipostage : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Mail merge: %1 customers written to %2.</source>
        <translation>Publipostage : %1 clients écrits dans %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide des options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
</context>
<context>
    <name>Screenshots</name>
    <message>
        <source>Rebuilding Indexes</source>
        <extracomment>The progress box&apos;s caption while the index files are rebuilt.</extracomment>
        <translation>Reconstruction des index</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Tallowby %1</source>
        <translation>À propos de Tallowby %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Invoicing and inventory for the small business.</source>
        <translation>Facturation et stock pour la petite entreprise.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDataFolder</name>
    <message>
        <source>Tallowby - Company Folder</source>
        <translation>Tallowby - Dossier de société</translation>
    </message>
    <message>
        <source>&amp;Create a new, empty company folder</source>
        <translation>&amp;Créer un nouveau dossier de société vide</translation>
    </message>
    <message>
        <source>&amp;Open a company folder that holds Tallowby&apos;s tables</source>
        <translation>&amp;Ouvrir un dossier de société contenant les tables de Tallowby</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Tallowby keeps the data of a company in one folder. Create a new, empty company folder, or open a folder that already holds Tallowby&apos;s tables.</source>
        <translation>Tallowby conserve les données d&apos;une société dans un dossier. Créez un nouveau dossier de société vide, ou ouvrez un dossier qui contient déjà les tables de Tallowby.</translation>
    </message>
    <message>
        <source>New Company Folder</source>
        <translation>Nouveau dossier de société</translation>
    </message>
    <message>
        <source>Company Folder</source>
        <translation>Dossier de société</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The new language shows when Tallowby is started again.</source>
        <translation>La nouvelle langue apparaîtra au prochain démarrage de Tallowby.</translation>
    </message>
    <message>
        <source>Database files not found in startup directory<byte value="xd"/>
Program must be started from the directory containing the data files.</source>
        <translation>Fichiers de données introuvables dans le répertoire de démarrage<byte value="xd"/>
Le programme doit être démarré depuis le répertoire contenant les fichiers de données.</translation>
    </message>
    <message>
        <source>Reindex: the index files of every table were rebuilt.</source>
        <translation>Réindexation : les fichiers d&apos;index de toutes les tables ont été reconstruits.</translation>
    </message>
    <message>
        <source>Pack: the deleted records of every table were removed.</source>
        <translation>Compactage : les enregistrements supprimés de toutes les tables ont été retirés.</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Create &amp; Edit Invoices</source>
        <translation>Créer et modifier des factures</translation>
    </message>
    <message>
        <source>Print Invoices for specified date(s)</source>
        <translation>Imprimer les factures des dates indiquées</translation>
    </message>
    <message>
        <source>Print Mailing Labels for Invoice Date(s)</source>
        <translation>Imprimer les étiquettes d&apos;adresse des dates de facture</translation>
    </message>
    <message>
        <source>Print Batch Labels</source>
        <translation>Imprimer les étiquettes par lot</translation>
    </message>
    <message>
        <source>Customers and Products</source>
        <translation>Clients et produits</translation>
    </message>
    <message>
        <source>Add &amp; Edit Customers</source>
        <translation>Ajouter et modifier des clients</translation>
    </message>
    <message>
        <source>Add &amp; Edit Customer Groups</source>
        <translation>Ajouter et modifier des groupes de clients</translation>
    </message>
    <message>
        <source>Add &amp; Edit Products / Services</source>
        <translation>Ajouter et modifier des produits / services</translation>
    </message>
    <message>
        <source>Add &amp; Edit Inventory Purchases</source>
        <translation>Ajouter et modifier des achats de stock</translation>
    </message>
    <message>
        <source>Print Product Listing</source>
        <translation>Imprimer la liste des produits</translation>
    </message>
    <message>
        <source>Print Purchasing Report</source>
        <translation>Imprimer le rapport des achats</translation>
    </message>
    <message>
        <source>Report Generation</source>
        <translation>Génération de rapports</translation>
    </message>
    <message>
        <source>Print Invoices, Bills or Customer Statements</source>
        <translation>Imprimer les factures, rappels de paiement ou relevés de compte</translation>
    </message>
    <message>
        <source>Print Customer&apos;s Purchasing Profile</source>
        <translation>Imprimer le profil d&apos;achat des clients</translation>
    </message>
    <message>
        <source>Print Sales &amp; Tax Reports</source>
        <translation>Imprimer les rapports de ventes et de taxes</translation>
    </message>
    <message>
        <source>Print Address Labels</source>
        <translation>Imprimer les étiquettes d&apos;adresse</translation>
    </message>
    <message>
        <source>Generate a Mail Merge File</source>
        <translation>Générer un fichier de publipostage</translation>
    </message>
    <message>
        <source>Print Inventory Reports</source>
        <translation>Imprimer les rapports de stock</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source> Display - Sort Customers </source>
        <translation> Affichage - tri des clients </translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>By Company Name</source>
        <translation>Par société</translation>
    </message>
    <message>
        <source> Inventory Method </source>
        <translation> Méthode de stock </translation>
    </message>
    <message>
        <source>First in - First out</source>
        <translation>Premier entré, premier sorti</translation>
    </message>
    <message>
        <source>Last in - First out</source>
        <translation>Dernier entré, premier sorti</translation>
    </message>
    <message>
        <source>Report Font</source>
        <translation>Police des rapports</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Stationery</source>
        <translation>Papier à en-tête</translation>
    </message>
    <message>
        <source>Sales Tax</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Label Forms</source>
        <translation>Formats d&apos;étiquettes</translation>
    </message>
    <message>
        <source>Import Dir&apos;s</source>
        <translation>Dossiers d&apos;import</translation>
    </message>
    <message>
        <source>E-Invoicing</source>
        <translation>Facturation électronique</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>File Maintenance</source>
        <translation>Maintenance des fichiers</translation>
    </message>
    <message>
        <source>Backup Data Files</source>
        <translation>Sauvegarder les fichiers de données</translation>
    </message>
    <message>
        <source>Restore Data Files</source>
        <translation>Restaurer les fichiers de données</translation>
    </message>
    <message>
        <source>Reindex Data Files</source>
        <translation>Réindexer les fichiers de données</translation>
    </message>
    <message>
        <source>Pack Data Files</source>
        <translation>Compacter les fichiers de données</translation>
    </message>
    <message>
        <source>Import Data from Moorhen version 4 or 5</source>
        <translation>Importer les données de Moorhen version 4 ou 5</translation>
    </message>
    <message>
        <source>Erase all data and start over</source>
        <translation>Effacer toutes les données et recommencer</translation>
    </message>
    <message>
        <source>Export Data…</source>
        <translation>Exporter les données…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Tallowby</source>
        <translation>À propos de Tallowby</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Invoices</source>
        <translation>&amp;Factures</translation>
    </message>
    <message>
        <source>Selected &amp;Date(s)</source>
        <translation>&amp;Dates choisies</translation>
    </message>
    <message>
        <source>Selected &amp;Invoices</source>
        <translation>&amp;Factures choisies</translation>
    </message>
    <message>
        <source>&amp;Bills</source>
        <translation>&amp;Rappels de paiement</translation>
    </message>
    <message>
        <source>&amp;With Balances Due</source>
        <translation>Avec &amp;montant dû</translation>
    </message>
    <message>
        <source>Selected &amp;Bills</source>
        <translation>&amp;Rappels choisis</translation>
    </message>
    <message>
        <source>&amp;Statements</source>
        <translation>Relevés de &amp;compte</translation>
    </message>
    <message>
        <source>With &amp;Balances</source>
        <translation>Avec &amp;solde</translation>
    </message>
    <message>
        <source>Selected &amp;Customers</source>
        <translation>&amp;Clients choisis</translation>
    </message>
    <message>
        <source>&amp;E-Invoices</source>
        <translation>Factures é&amp;lectroniques</translation>
    </message>
    <message>
        <source>Selected &amp;Groups</source>
        <translation>&amp;Groupes choisis</translation>
    </message>
    <message>
        <source>&amp;Sales Summary</source>
        <translation>Résumé des &amp;ventes</translation>
    </message>
    <message>
        <source>&amp;Product Summary</source>
        <translation>Résumé par &amp;produit</translation>
    </message>
    <message>
        <source>Product &amp;Buyers</source>
        <translation>&amp;Acheteurs par produit</translation>
    </message>
    <message>
        <source>&amp;Income Summary</source>
        <translation>Résumé des &amp;recettes</translation>
    </message>
    <message>
        <source>&amp;Receivable Income</source>
        <translation>&amp;Créances</translation>
    </message>
    <message>
        <source>&amp;Tax Summary</source>
        <translation>Résumé des &amp;taxes</translation>
    </message>
    <message>
        <source>&amp;Selected Customers</source>
        <translation>&amp;Clients choisis</translation>
    </message>
    <message>
        <source>&amp;Invoices Dated</source>
        <translation>&amp;Factures datées</translation>
    </message>
    <message>
        <source>&amp;Past Due Billing</source>
        <translation>Factures &amp;en retard</translation>
    </message>
    <message>
        <source>&amp;Balance Due Statement</source>
        <translation>&amp;Relevés de compte avec solde</translation>
    </message>
    <message>
        <source>&amp;Customer Group(s)</source>
        <translation>&amp;Groupe(s) de clients</translation>
    </message>
    <message>
        <source>&amp;Inventory</source>
        <translation>&amp;Stock</translation>
    </message>
    <message>
        <source>&amp;Cost of Goods Sold</source>
        <translation>&amp;Coût des marchandises vendues</translation>
    </message>
    <message>
        <source>&amp;Stock On-Hand</source>
        <translation>Stock &amp;disponible</translation>
    </message>
    <message>
        <source>&amp;SQLite Database…</source>
        <translation>Base de données &amp;SQLite…</translation>
    </message>
    <message>
        <source>&amp;PostgreSQL Script…</source>
        <translation>Script &amp;PostgreSQL…</translation>
    </message>
    <message>
        <source>&amp;CSV Files…</source>
        <translation>Fichiers &amp;CSV…</translation>
    </message>
    <message>
        <source>Another program is restoring or converting the data files in %1<byte value="xd"/>
Program will now terminate.</source>
        <translation>Un autre programme restaure ou convertit les fichiers de données dans %1<byte value="xd"/>
Le programme va maintenant se terminer.</translation>
    </message>
    <message>
        <source>A restore or conversion that was interrupted cannot be completed:<byte value="xd"/>
%1<byte value="xd"/>
Program will now terminate.</source>
        <extracomment>%1 is why (a line of its own).</extracomment>
        <translation>Une restauration ou une conversion interrompue ne peut pas être achevée :<byte value="xd"/>
%1<byte value="xd"/>
Le programme va maintenant se terminer.</translation>
    </message>
    <message>
        <source>Choose Backup Drive &amp; Directory</source>
        <translation>Choisir le lecteur et le dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>The OK button of the folder window.</extracomment>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Backup: %1 files copied to %2.</source>
        <translation>Sauvegarde : %1 fichiers copiés dans %2.</translation>
    </message>
    <message>
        <source>Backup: failed; see the message shown.</source>
        <translation>Sauvegarde : échec ; voir le message affiché.</translation>
    </message>
    <message>
        <source>Choose Drive &amp; Directory Containing BACKUP</source>
        <translation>Choisir le lecteur et le dossier contenant la sauvegarde (BACKUP)</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The OK button of the folder window.</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Restore: failed; the data files are as they were.</source>
        <translation>Restauration : échec ; les fichiers de données sont inchangés.</translation>
    </message>
    <message>
        <source>Restore: %1 files restored from %2, the settings with them.</source>
        <translation>Restauration : %1 fichiers restaurés depuis %2, avec les paramètres.</translation>
    </message>
    <message>
        <source>Restore: %1 files restored from %2.</source>
        <translation>Restauration : %1 fichiers restaurés depuis %2.</translation>
    </message>
    <message>
        <source>Choose Drive &amp; Directory Containing Old Moorhen Data</source>
        <translation>Choisir le lecteur et le dossier contenant les anciennes données Moorhen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>The OK button of the folder window: converts the older data.</extracomment>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Conversion: failed; the data files are as they were.</source>
        <translation>Conversion : échec ; les fichiers de données sont inchangés.</translation>
    </message>
    <message>
        <source>Conversion: the data in %1 was imported.</source>
        <translation>Conversion : les données de %1 ont été importées.</translation>
    </message>
    <message>
        <source>Export Data to CSV Files</source>
        <translation>Exporter les données en fichiers CSV</translation>
    </message>
    <message>
        <source>Export Data to a SQLite Database</source>
        <translation>Exporter les données dans une base SQLite</translation>
    </message>
    <message>
        <source>SQLite databases (*.db)|*.db</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Bases de données SQLite (*.db)|*.db</translation>
    </message>
    <message>
        <source>Export Data to a PostgreSQL Script</source>
        <translation>Exporter les données dans un script PostgreSQL</translation>
    </message>
    <message>
        <source>SQL scripts (*.sql)|*.sql</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Scripts SQL (*.sql)|*.sql</translation>
    </message>
    <message>
        <source>The data were exported to %1.</source>
        <translation>Les données ont été exportées vers %1.</translation>
    </message>
    <message>
        <source>Unable to export to: %1<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;exporter : %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Found in the data:</source>
        <translation>Trouvé dans les données :</translation>
    </message>
    <message>
        <source>Book a Bank Statement</source>
        <translation>Comptabiliser un relevé bancaire</translation>
    </message>
    <message>
        <source>Add &amp; Edit Quotes</source>
        <translation>Créer et modifier les devis</translation>
    </message>
    <message>
        <source>Repeating Invoices</source>
        <translation>Factures récurrentes</translation>
    </message>
    <message>
        <source>Received E-Invoices</source>
        <translation>Factures électroniques reçues</translation>
    </message>
    <message>
        <source>Reminders of Overdue Invoices</source>
        <translation>Relances des factures en retard</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no such data folder: %1</source>
        <translation>dossier de données introuvable : %1</translation>
    </message>
</context>
</TS>
