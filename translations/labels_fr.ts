<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BatchLabel</name>
    <message>
        <source>Customer Not Selected</source>
        <translation>Aucun client choisi</translation>
    </message>
    <message>
        <source>APPEND ADDRESS TO FILE? %1</source>
        <extracomment>%1 is the file&apos;s name (BatchLab.dat)</extracomment>
        <translation>AJOUTER L&apos;ADRESSE AU FICHIER ? %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>LabelCommand</name>
    <message>
        <source>--%1 %2: a number from %3 to %4 is needed</source>
        <extracomment>%1 is an option&apos;s name, %2 the value typed</extracomment>
        <translation>--%1 %2 : un nombre de %3 à %4 est attendu</translation>
    </message>
    <message>
        <source>which labels?</source>
        <translation>quelles étiquettes ?</translation>
    </message>
    <message>
        <source>one kind of labels only: %1</source>
        <translation>une seule sorte d&apos;étiquettes : %1</translation>
    </message>
    <message>
        <source>unknown kind of labels: %1</source>
        <translation>sorte d&apos;étiquettes inconnue : %1</translation>
    </message>
    <message>
        <source>--stock NAME is required</source>
        <translation>--stock NAME est obligatoire</translation>
    </message>
    <message>
        <source>--%1 is for invoices, past-due and statements only</source>
        <extracomment>invoices, past-due and statements are the kinds as typed on the command line</extracomment>
        <translation>--%1 ne vaut que pour invoices, past-due et statements</translation>
    </message>
    <message>
        <source>--groups N,N,...|all is required</source>
        <extracomment>the second &quot;groups&quot; is the kind as typed on the command line</extracomment>
        <translation>--groups N,N,...|all est obligatoire</translation>
    </message>
    <message>
        <source>--groups is for groups only</source>
        <translation>--groups ne vaut que pour groups</translation>
    </message>
    <message>
        <source>--customers N,N,... is required</source>
        <extracomment>the second &quot;customers&quot; is the kind as typed on the command line</extracomment>
        <translation>--customers N,N,... est obligatoire</translation>
    </message>
    <message>
        <source>--customers is for customers only</source>
        <translation>--customers ne vaut que pour customers</translation>
    </message>
    <message>
        <source>Label Stock has not been defined. Choose Setup - Labels to define label stock.</source>
        <translation>Aucun format d&apos;étiquettes n&apos;est défini. Choisissez Préférences - Formats d&apos;étiquettes pour en définir un.</translation>
    </message>
    <message>
        <source>no label stock named %1</source>
        <translation>aucun format d&apos;étiquettes nommé %1</translation>
    </message>
    <message>
        <source>--customers: there is no customer %1</source>
        <translation>--customers : il n&apos;y a pas de client %1</translation>
    </message>
    <message>
        <source>--column %1: label stock %2 has %3 labels across</source>
        <translation>--column %1 : le format d&apos;étiquettes %2 a %3 étiquettes par rangée</translation>
    </message>
    <message>
        <source>--row %1: label stock %2 has %3 rows on a page</source>
        <translation>--row %1 : le format d&apos;étiquettes %2 a %3 rangées par page</translation>
    </message>
    <message>
        <source>no customer group %1</source>
        <translation>aucun groupe de clients %1</translation>
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
        <source>nothing to label; %1 was not written</source>
        <translation>aucune étiquette à imprimer ; %1 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>tallowby labels [options] KIND --stock NAME --out FILE.pdf</source>
        <extracomment>Keep the words in capitals and the option names</extracomment>
        <translation>tallowby labels [options] KIND --stock NAME --out FILE.pdf</translation>
    </message>
    <message>
        <source>Prints address labels of the data folder into a PDF file.</source>
        <translation>Imprime les étiquettes d&apos;adresse du dossier de données dans un fichier PDF.</translation>
    </message>
    <message>
        <source>customers (those of --customers, in that order), invoices (the customers of the span&apos;s invoices), past-due (of those with an amount due), statements (each customer with such an invoice once), groups (the members of --groups) or batch (those of BatchLab.dat).</source>
        <extracomment>The kinds (customers, invoices, past-due, statements, groups, batch) stay as typed</extracomment>
        <translation>customers (ceux de --customers, dans cet ordre), invoices (les clients des factures de la période), past-due (ceux ayant un montant dû), statements (une fois chaque client ayant une telle facture), groups (les membres de --groups) ou batch (ceux de BatchLab.dat).</translation>
    </message>
    <message>
        <source>The label stock to print on, by name.</source>
        <translation>Le format d&apos;étiquettes sur lequel imprimer, par son nom.</translation>
    </message>
    <message>
        <source>The column of the first label (default 1).</source>
        <translation>La colonne de la première étiquette (par défaut 1).</translation>
    </message>
    <message>
        <source>The row of the first label (default 1).</source>
        <translation>La rangée de la première étiquette (par défaut 1).</translation>
    </message>
    <message>
        <source>First invoice date (default today).</source>
        <translation>Première date de facture (par défaut aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>Last invoice date (default today).</source>
        <translation>Dernière date de facture (par défaut aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>The customer groups, or all.</source>
        <extracomment>&quot;all&quot; stays as typed</extracomment>
        <translation>Les groupes de clients, ou all.</translation>
    </message>
    <message>
        <source>The customers by number, in label order.</source>
        <translation>Les clients par numéro, dans l&apos;ordre des étiquettes.</translation>
    </message>
</context>
<context>
    <name>LabelGen</name>
    <message>
        <source>Label stock %1 has no labels across; at least 1 is needed.</source>
        <translation>Le format d&apos;étiquettes %1 n&apos;a aucune étiquette par rangée ; il en faut au moins 1.</translation>
    </message>
    <message>
        <source>The labels of label stock %1 are too small for five lines of text.</source>
        <translation>Les étiquettes du format %1 sont trop petites pour cinq lignes de texte.</translation>
    </message>
    <message>
        <source>No row of label stock %1 fits on a page between its margins.</source>
        <translation>Aucune rangée du format d&apos;étiquettes %1 ne tient sur une page entre ses marges.</translation>
    </message>
    <message>
        <source>The %1 labels across of label stock %2 do not fit on a page between its margins.</source>
        <translation>Les %1 étiquettes par rangée du format d&apos;étiquettes %2 ne tiennent pas sur une page entre ses marges.</translation>
    </message>
</context>
<context>
    <name>LabelGenKinds</name>
    <message>
        <source>Processing Invoice Labels</source>
        <translation>Création des étiquettes des factures</translation>
    </message>
    <message>
        <source>Processing Billing Labels</source>
        <translation>Création des étiquettes des rappels de paiement</translation>
    </message>
    <message>
        <source>Processing Statement Labels</source>
        <translation>Création des étiquettes des relevés de compte</translation>
    </message>
    <message>
        <source>Processing Customers</source>
        <translation>Traitement des clients</translation>
    </message>
</context>
<context>
    <name>LabelMenus</name>
    <message>
        <source>Label Stock has not been defined. Choose Setup - Labels to define label stock.</source>
        <translation>Aucun format d&apos;étiquettes n&apos;est défini. Choisissez Préférences - Formats d&apos;étiquettes pour en définir un.</translation>
    </message>
    <message>
        <source>No printer is selected. Choose one with Printer Setup.</source>
        <translation>Aucune imprimante n&apos;est choisie. Choisissez-en une avec Configuration de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Unable to save to: %1 (%2)</source>
        <translation>Impossible d&apos;enregistrer dans : %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>labels</source>
        <extracomment>The start of a PDF file&apos;s name: labels-2026-12-09.pdf.</extracomment>
        <translation>etiquettes</translation>
    </message>
</context>
<context>
    <name>TLabPrint</name>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer les étiquettes</translation>
    </message>
    <message>
        <source>Previous column</source>
        <translation>Colonne précédente</translation>
    </message>
    <message>
        <source>Next column</source>
        <translation>Colonne suivante</translation>
    </message>
    <message>
        <source>Previous row</source>
        <translation>Rangée précédente</translation>
    </message>
    <message>
        <source>Next row</source>
        <translation>Rangée suivante</translation>
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
        <source>Label Stock:</source>
        <translation>Format d&apos;étiquettes :</translation>
    </message>
    <message>
        <source>Starting Column:</source>
        <translation>Colonne de départ :</translation>
    </message>
    <message>
        <source>Row:</source>
        <translation>Rangée :</translation>
    </message>
    <message>
        <source>Label stock %1 has %2 labels across; the first label goes in column %2.</source>
        <extracomment>%1 is the label stock&apos;s name, %2 its number of labels across</extracomment>
        <translation>Le format d&apos;étiquettes %1 a %2 étiquettes par rangée ; la première étiquette va dans la colonne %2.</translation>
    </message>
    <message>
        <source>Label stock %1 has %2 rows on a page; the first label goes in row %2.</source>
        <extracomment>%1 is the label stock&apos;s name, %2 its number of rows on a page</extracomment>
        <translation>Le format d&apos;étiquettes %1 a %2 rangées par page ; la première étiquette va dans la rangée %2.</translation>
    </message>
</context>
<context>
    <name>TLabelDef</name>
    <message>
        <source>Label Definition</source>
        <translation>Définition des étiquettes</translation>
    </message>
    <message>
        <source>Continuous Pin Feed</source>
        <translation>Papier continu à picots</translation>
    </message>
    <message>
        <source>Label Name</source>
        <translation>Nom du format</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Marge haute</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Marge basse</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Marge droite</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Écart horizontal</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Écart vertical</translation>
    </message>
    <message>
        <source>No. Labels Across</source>
        <translation>Étiquettes par rangée</translation>
    </message>
    <message>
        <source>Label Dimensions are defined in printer points where each printer point is 1/72 of an inch.</source>
        <translation>Les dimensions des étiquettes sont en points d&apos;imprimante ; un point vaut 1/72 de pouce.</translation>
    </message>
    <message>
        <source>Please fill in label name.</source>
        <translation>Veuillez saisir le nom du format.</translation>
    </message>
    <message>
        <source>There is a label stock named %1 already; give this one another name.</source>
        <translation>Il existe déjà un format d&apos;étiquettes nommé %1 ; donnez un autre nom à celui-ci.</translation>
    </message>
    <message>
        <source>Label stock %1 has no labels across; at least 1 is needed.</source>
        <translation>Le format d&apos;étiquettes %1 n&apos;a aucune étiquette par rangée ; il en faut au moins 1.</translation>
    </message>
    <message>
        <source>%1 It is saved, but labels cannot be printed on it.</source>
        <extracomment>%1 says why labels cannot be printed on the label stock</extracomment>
        <translation>%1 Il est enregistré, mais aucune étiquette ne peut y être imprimée.</translation>
    </message>
</context>
<context>
    <name>TPickLab</name>
    <message>
        <source>PickLab</source>
        <extracomment>The title of the label stock pick list</extracomment>
        <translation>Choisir un format d&apos;étiquettes</translation>
    </message>
</context>
<context>
    <name>TStationary</name>
    <message>
        <source>Stationery Setup</source>
        <translation>Configuration du papier à en-tête</translation>
    </message>
    <message>
        <source>Logo File</source>
        <translation>Fichier du logo</translation>
    </message>
    <message>
        <source> Justification </source>
        <translation> Alignement </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Marge haute :</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Logo Height:</source>
        <translation>Hauteur du logo :</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Closing Line:</source>
        <translation>Formule de politesse :</translation>
    </message>
    <message>
        <source>Signature Line:</source>
        <translation>Ligne de signature :</translation>
    </message>
    <message>
        <source>Bitmap Files (*.BMP)|*.BMP|Picture Files (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG</source>
        <extracomment>File dialog filters: &quot;name (patterns)|patterns&quot;, keep the patterns and the |</extracomment>
        <translation>Fichiers bitmap (*.BMP)|*.BMP|Fichiers image (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG</translation>
    </message>
    <message>
        <source>%1 is not a picture Tallowby can read; choose a bitmap, PNG or JPEG file.</source>
        <translation>%1 n&apos;est pas une image que Tallowby sait lire ; choisissez un fichier bitmap, PNG ou JPEG.</translation>
    </message>
    <message>
        <source>The logo file&apos;s path is longer than %1 characters; choose a picture in a folder with a shorter path.</source>
        <translation>Le chemin du fichier du logo dépasse %1 caractères ; choisissez une image dans un dossier au chemin plus court.</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>The unit of the margin and logo size where the locale is metric.</extracomment>
        <translation>mm</translation>
    </message>
</context>
</TS>
