<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DetailChecks</name>
    <message>
        <source>Country: &quot;%1&quot; is not a country code (two letters, e.g. DE, FR, BE)</source>
        <translation>Pays : « %1 » n&apos;est pas un code de pays (deux lettres, p. ex. DE, FR, BE)</translation>
    </message>
    <message>
        <source>Currency: &quot;%1&quot; is not a currency code (three letters, e.g. EUR)</source>
        <translation>Devise : « %1 » n&apos;est pas un code de devise (trois lettres, p. ex. EUR)</translation>
    </message>
    <message>
        <source>Currency: a currency is needed (e.g. EUR)</source>
        <translation>Devise : une devise est nécessaire (p. ex. EUR)</translation>
    </message>
    <message>
        <source>VAT identifier: &quot;%1&quot; does not begin with its country&apos;s two letters</source>
        <translation>Identifiant TVA : « %1 » ne commence pas par les deux lettres de son pays</translation>
    </message>
    <message>
        <source>IBAN: &quot;%1&quot; is not a valid IBAN (its check digits do not match)</source>
        <translation>IBAN : « %1 » n&apos;est pas un IBAN valide (ses chiffres de contrôle ne correspondent pas)</translation>
    </message>
    <message>
        <source>Untaxed items: the category is Z, E or G</source>
        <translation>Lignes sans taxe : la catégorie est Z, E ou G</translation>
    </message>
    <message>
        <source>Exemption reason: exempt items need the reason printed with them</source>
        <translation>Motif d&apos;exonération : les lignes exonérées doivent être imprimées avec leur motif</translation>
    </message>
    <message>
        <source>Days to pay: not a negative number</source>
        <translation>Délai de paiement en jours : pas de nombre négatif</translation>
    </message>
    <message>
        <source>SIREN: &quot;%1&quot; is not a SIREN (nine digits, its last one a check digit)</source>
        <translation>SIREN : « %1 » n&apos;est pas un SIREN (neuf chiffres, le dernier étant une clé de contrôle)</translation>
    </message>
    <message>
        <source>VAT identifier: reverse charge and intra-community supplies need the customer&apos;s VAT identifier</source>
        <translation>Identifiant TVA : l&apos;autoliquidation et les livraisons intracommunautaires exigent l&apos;identifiant TVA du client</translation>
    </message>
    <message>
        <source>BIC: &quot;%1&quot; is not a BIC (8 or 11 letters and digits, e.g. COBADEFFXXX)</source>
        <translation>BIC : « %1 » n&apos;est pas un BIC (8 ou 11 lettres et chiffres, p. ex. COBADEFFXXX)</translation>
    </message>
</context>
<context>
    <name>EInvoiceBuild</name>
    <message>
        <source>%1 needs %2</source>
        <extracomment>%1 a format (XRechnung), %2 a detail (&quot;the seller&apos;s city&quot;): the format refuses the invoice without it.</extracomment>
        <translation>%1 exige %2</translation>
    </message>
    <message>
        <source>the VAT category of untaxed items must be Z, E or G, not &quot;%1&quot;</source>
        <translation>la catégorie de TVA des lignes sans taxe doit être Z, E ou G, et non « %1 »</translation>
    </message>
    <message>
        <source>the e-invoicing settings name no currency</source>
        <translation>les paramètres de facturation électronique n&apos;indiquent aucune devise</translation>
    </message>
    <message>
        <source>the invoice has no date</source>
        <translation>la facture n&apos;a pas de date</translation>
    </message>
    <message>
        <source>the buyer reference of the customer</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>la référence acheteur du client</translation>
    </message>
    <message>
        <source>the seller has no name (e-invoicing settings or letterhead)</source>
        <translation>le vendeur n&apos;a pas de nom (paramètres de facturation électronique ou papier à en-tête)</translation>
    </message>
    <message>
        <source>the seller&apos;s country is not set (e-invoicing settings)</source>
        <translation>le pays du vendeur n&apos;est pas indiqué (paramètres de facturation électronique)</translation>
    </message>
    <message>
        <source>the invoice&apos;s customer %1 does not exist</source>
        <translation>le client %1 de la facture n&apos;existe pas</translation>
    </message>
    <message>
        <source>the seller&apos;s electronic address</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;adresse électronique du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s postal code</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>le code postal du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s city</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>la ville du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s contact name</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>le nom du contact du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s contact phone</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>le téléphone du contact du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s contact e-mail</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;e-mail du contact du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s IBAN</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;IBAN du vendeur</translation>
    </message>
    <message>
        <source>the invoice has no items</source>
        <translation>la facture n&apos;a pas de lignes</translation>
    </message>
    <message>
        <source>item %1 (%2) has no description</source>
        <translation>la ligne %1 (%2) n&apos;a pas de désignation</translation>
    </message>
    <message>
        <source>items carry the second tax but its rate is 0 (Tax Rate 2)</source>
        <translation>des lignes portent la deuxième taxe, mais son taux est 0 (taux de taxe 2)</translation>
    </message>
    <message>
        <source>the first charge line has no name (the settings&apos; line 1 caption)</source>
        <translation>la première ligne de frais n&apos;a pas de nom (le libellé de la ligne 1 dans les paramètres)</translation>
    </message>
    <message>
        <source>the %1 charge is negative</source>
        <translation>les frais %1 sont négatifs</translation>
    </message>
    <message>
        <source>the seller&apos;s VAT identifier for taxed items</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;identifiant TVA du vendeur pour les lignes taxées</translation>
    </message>
    <message>
        <source>untaxed items need the exemption reason text (e-invoicing settings)</source>
        <translation>les lignes sans taxe exigent le texte du motif d&apos;exonération (paramètres de facturation électronique)</translation>
    </message>
    <message>
        <source>exempt items need the seller&apos;s VAT identifier or tax registration</source>
        <translation>les lignes exonérées exigent l&apos;identifiant TVA ou le numéro d&apos;enregistrement fiscal du vendeur</translation>
    </message>
    <message>
        <source>the seller&apos;s VAT identifier</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;identifiant TVA du vendeur</translation>
    </message>
    <message>
        <source>the credit note&apos;s total is positive: a credit note takes amounts back</source>
        <translation>le total de la facture d&apos;avoir est positif : une facture d&apos;avoir reprend des montants</translation>
    </message>
    <message>
        <source>the invoice&apos;s total is negative: correct an invoice with a credit note (&quot;Credit Note...&quot; in the invoice window)</source>
        <translation>le total de la facture est négatif : corrigez une facture par une facture d&apos;avoir (« Facture d&apos;avoir... » dans la fenêtre de la facture)</translation>
    </message>
    <message>
        <source>Reverse charge</source>
        <extracomment>The legal mention of reverse charge (German: Steuerschuldnerschaft des Leistungsempfängers; French: Autoliquidation).</extracomment>
        <translation>Autoliquidation</translation>
    </message>
    <message>
        <source>Intra-community supply, exempt from VAT</source>
        <extracomment>German: Steuerfreie innergemeinschaftliche Lieferung; French: Exonération de TVA, article 262 ter I du CGI.</extracomment>
        <translation>Exonération de TVA, article 262 ter I du CGI</translation>
    </message>
    <message>
        <source>Export outside the EU, exempt from VAT</source>
        <extracomment>German: Steuerfreie Ausfuhrlieferung; French: Exonération de TVA, article 262 I du CGI.</extracomment>
        <translation>Exonération de TVA, article 262 I du CGI</translation>
    </message>
    <message>
        <source>the first charge line is a computed tax of %1% (Tax Rate 1), which an e-invoice cannot carry: set Tax Rate 1 to 0, or say on the E-Invoicing window that the first charge line is a second VAT rate</source>
        <translation>la première ligne de frais est une taxe calculée de %1% (taux de taxe 1), qu&apos;une facture électronique ne peut pas porter : mettez le taux de taxe 1 à 0, ou indiquez dans la fenêtre Facturation électronique que la première ligne de frais est un second taux de TVA</translation>
    </message>
    <message>
        <source>the VAT treatment of customer %1 must be AE, K or G, not &quot;%2&quot;</source>
        <translation>le traitement TVA du client %1 doit être AE, K ou G, et non « %2 »</translation>
    </message>
    <message>
        <source>item %1 (%2) carries both taxes, and an e-invoice has no tax on tax: untick one of them in the item</source>
        <translation>la ligne %1 (%2) porte les deux taxes, et une facture électronique ne connaît pas de taxe sur la taxe : décochez l&apos;une d&apos;elles dans la ligne</translation>
    </message>
    <message>
        <source>item %1 (%2) carries tax, but customer %3 is invoiced without VAT (%4): untick its tax in the item</source>
        <translation>la ligne %1 (%2) porte une taxe, mais le client %3 est facturé sans TVA (%4) : décochez sa taxe dans la ligne</translation>
    </message>
    <message>
        <source>customer %1 (%2) has no country: fill in Country in the customer&apos;s window, E-Invoice...</source>
        <extracomment>%1 the customer&apos;s number, %2 its name.</extracomment>
        <translation>le client %1 (%2) n&apos;a pas de pays : indiquez-le dans la fenêtre du client, Facture électronique..., Pays</translation>
    </message>
    <message>
        <source>the electronic address of customer %1 (%2; the customer&apos;s window, E-Invoice..., Electronic Address)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;adresse électronique du client %1 (%2 ; fenêtre du client, Facture électronique..., Adresse électronique)</translation>
    </message>
    <message>
        <source>%1 does not accept the seller&apos;s electronic address scheme &quot;%2&quot; (E-Invoicing window, Address Scheme)</source>
        <extracomment>%1 a format (Peppol), %2 the scheme&apos;s code (EM).</extracomment>
        <translation>%1 n&apos;accepte pas le schéma « %2 » de l&apos;adresse électronique du vendeur (fenêtre Facturation électronique, Schéma d&apos;adresse)</translation>
    </message>
    <message>
        <source>%1 does not accept the buyer&apos;s electronic address scheme &quot;%2&quot; (customer %3, %4: the customer&apos;s window, E-Invoice..., Address Scheme)</source>
        <extracomment>%1 a format (Peppol), %2 the scheme&apos;s code (EM), %3 the customer&apos;s number, %4 its name.</extracomment>
        <translation>%1 n&apos;accepte pas le schéma « %2 » de l&apos;adresse électronique de l&apos;acheteur (client %3, %4 : fenêtre du client, Facture électronique..., Schéma d&apos;adresse)</translation>
    </message>
    <message>
        <source>; Peppol takes numeric schemes such as 0088 (GLN), 0204 (Leitweg-ID), 0208, 9930, 0009, 0007, 0192</source>
        <extracomment>Follows a refused address scheme; the codes are the same in every language.</extracomment>
        <translation> ; Peppol accepte des schémas numériques tels que 0088 (GLN), 0204 (Leitweg-ID), 0208, 9930, 0009, 0007, 0192</translation>
    </message>
    <message>
        <source>the postal code of customer %1 (%2; the customer&apos;s window, Postal Code)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>le code postal du client %1 (%2 ; fenêtre du client, Code postal)</translation>
    </message>
    <message>
        <source>the city of customer %1 (%2; the customer&apos;s window, E-Invoice..., City)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>la ville du client %1 (%2 ; fenêtre du client, Facture électronique..., Ville)</translation>
    </message>
    <message>
        <source>the stored tax %1 is not %2% of the taxable %3 (typed over, or the tax rate changed since): correct the tax line in the invoice window and save</source>
        <extracomment>%1 the tax, %2 the rate, %3 the taxable amount, in the person&apos;s number format.</extracomment>
        <translation>la taxe enregistrée %1 n&apos;est pas %2 % du montant imposable %3 (saisie à la main, ou le taux de taxe a changé depuis) : corrigez la ligne de taxe dans la fenêtre de la facture et enregistrez</translation>
    </message>
    <message>
        <source>the VAT identifier of customer %1 (%2; the customer&apos;s window, E-Invoice..., VAT Identifier)</source>
        <extracomment>Fills %2 of &quot;%1 needs %2&quot;.</extracomment>
        <translation>l&apos;identifiant TVA du client %1 (%2 ; fenêtre du client, Facture électronique..., Identifiant TVA)</translation>
    </message>
    <message>
        <source>the amount due %1 is not the total %2 less the payments %3: open the invoice in the invoice window and save it again</source>
        <translation>le montant dû %1 n&apos;est pas le total %2 moins les paiements %3 : ouvrez la facture dans la fenêtre de la facture et enregistrez-la à nouveau</translation>
    </message>
</context>
<context>
    <name>FacturX</name>
    <message>
        <source>the printed invoice is not a PDF/A file (it has no metadata)</source>
        <translation>la facture imprimée n&apos;est pas un fichier PDF/A (elle n&apos;a pas de métadonnées)</translation>
    </message>
    <message>
        <source>the printed invoice is not a PDF/A file (its metadata names no part)</source>
        <translation>la facture imprimée n&apos;est pas un fichier PDF/A (ses métadonnées n&apos;indiquent aucune partie)</translation>
    </message>
</context>
<context>
    <name>TCustEInvoice</name>
    <message>
        <source>Customer E-Invoice Details</source>
        <translation>Données de facture électronique du client</translation>
    </message>
    <message>
        <source>Country (e.g. FR):</source>
        <translation>Pays (p. ex. FR) :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>VAT Identifier:</source>
        <translation>Identifiant TVA :</translation>
    </message>
    <message>
        <source>Buyer Reference:</source>
        <translation>Référence acheteur :</translation>
    </message>
    <message>
        <source>Electronic Address:</source>
        <translation>Adresse électronique :</translation>
    </message>
    <message>
        <source>Address Scheme (e.g. 0088, EM):</source>
        <translation>Schéma d&apos;adresse (p. ex. 0088, EM) :</translation>
    </message>
    <message>
        <source>the second address line</source>
        <extracomment>Placeholder of the street: left empty, the customer&apos;s second address line is used.</extracomment>
        <translation>la deuxième ligne d&apos;adresse</translation>
    </message>
    <message>
        <source>User&apos;s language</source>
        <extracomment>The documents of a customer without a language of his own.</extracomment>
        <translation>Langue de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Document Language:</source>
        <translation>Langue des documents :</translation>
    </message>
    <message>
        <source>Customer E-Invoice Details - Customer %1</source>
        <translation>Données de facture électronique du client - Client %1</translation>
    </message>
    <message>
        <source>SIREN (France):</source>
        <translation>SIREN (France) :</translation>
    </message>
    <message>
        <source>Domestic</source>
        <extracomment>How this customer&apos;s invoices are taxed; the letters are the e-invoice&apos;s VAT category.</extracomment>
        <translation>National</translation>
    </message>
    <message>
        <source>AE - reverse charge within the EU</source>
        <translation>AE - autoliquidation dans l&apos;UE</translation>
    </message>
    <message>
        <source>K - intra-community supply of goods</source>
        <translation>K - livraison intracommunautaire de biens</translation>
    </message>
    <message>
        <source>G - export outside the EU</source>
        <translation>G - exportation hors de l&apos;UE</translation>
    </message>
    <message>
        <source>VAT Treatment:</source>
        <translation>Traitement TVA :</translation>
    </message>
    <message>
        <source>Unable to save the e-invoice details of customer %1.</source>
        <translation>Impossible d&apos;enregistrer les données de facture électronique du client %1.</translation>
    </message>
    <message>
        <source>Buyer on e-invoices: %1 (the customer&apos;s company, else the name)</source>
        <extracomment>%1 the company of the customer&apos;s window, else the title and names.</extracomment>
        <translation>Acheteur sur les factures électroniques : %1 (la société du client, sinon le nom)</translation>
    </message>
</context>
<context>
    <name>TEInvoicing</name>
    <message>
        <source>E-Invoicing</source>
        <translation>Facturation électronique</translation>
    </message>
    <message>
        <source>Legal Name:</source>
        <translation>Raison sociale :</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Postal Code:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Country (e.g. DE):</source>
        <translation>Pays (p. ex. DE) :</translation>
    </message>
    <message>
        <source>VAT Identifier:</source>
        <translation>Identifiant TVA :</translation>
    </message>
    <message>
        <source>Tax Registration:</source>
        <translation>Enregistrement fiscal :</translation>
    </message>
    <message>
        <source>Electronic Address:</source>
        <translation>Adresse électronique :</translation>
    </message>
    <message>
        <source>Address Scheme (e.g. 0088, EM):</source>
        <translation>Schéma d&apos;adresse (p. ex. 0088, EM) :</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Contact :</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail :</translation>
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
        <source>Currency (e.g. EUR):</source>
        <translation>Devise (p. ex. EUR) :</translation>
    </message>
    <message>
        <source>Z - zero rated</source>
        <extracomment>The VAT categories of untaxed items; the letter is the e-invoice&apos;s code.</extracomment>
        <translation>Z - taux zéro</translation>
    </message>
    <message>
        <source>E - exempt</source>
        <translation>E - exonéré</translation>
    </message>
    <message>
        <source>G - export outside the EU</source>
        <translation>G - exportation hors de l&apos;UE</translation>
    </message>
    <message>
        <source>Items Not Taxed:</source>
        <translation>Lignes sans taxe :</translation>
    </message>
    <message>
        <source>Exemption Reason:</source>
        <translation>Motif d&apos;exonération :</translation>
    </message>
    <message>
        <source>Payment Terms:</source>
        <translation>Conditions de paiement :</translation>
    </message>
    <message>
        <source>Days to Pay:</source>
        <translation>Délai de paiement en jours :</translation>
    </message>
    <message>
        <source>the letterhead&apos;s company name</source>
        <extracomment>Placeholder of the legal name: left empty, the letterhead&apos;s company name is used.</extracomment>
        <translation>le nom de société du papier à en-tête</translation>
    </message>
    <message>
        <source>Issued invoices are final</source>
        <translation>Les factures émises sont définitives</translation>
    </message>
    <message>
        <source>An invoice printed, saved or sent for the customer can no longer be changed or deleted; it is corrected by a credit note.</source>
        <translation>Une facture imprimée, enregistrée ou envoyée pour le client ne peut plus être modifiée ni supprimée ; elle est corrigée par une facture d&apos;avoir.</translation>
    </message>
    <message>
        <source>Unable to save the e-invoicing details.</source>
        <translation>Impossible d&apos;enregistrer les données de facturation électronique.</translation>
    </message>
    <message>
        <source>Late Payment Interest:</source>
        <translation>Pénalités de retard :</translation>
    </message>
    <message>
        <source>three times the legal interest rate</source>
        <extracomment>Placeholder: the late-payment interest French business invoices state.</extracomment>
        <translation>trois fois le taux d&apos;intérêt légal</translation>
    </message>
    <message>
        <source>First charge line is a second VAT rate</source>
        <translation>La première ligne de frais est un second taux de TVA</translation>
    </message>
    <message>
        <source>Items flagged for the first charge line are taxed at Tax Rate 1, those flagged for the second at Tax Rate 2; shipping is then an item.</source>
        <translation>Les lignes cochées pour la première ligne de frais sont taxées au taux 1, celles cochées pour la seconde au taux 2 ; les frais de port sont alors une ligne.</translation>
    </message>
    <message>
        <source>VAT paid on debits</source>
        <extracomment>French &quot;TVA acquittée sur les débits&quot;.</extracomment>
        <translation>TVA acquittée sur les débits</translation>
    </message>
    <message>
        <source>Letterhead: %1</source>
        <extracomment>The letterhead&apos;s company name, beside the legal name the e-invoices and the printed invoices give.</extracomment>
        <translation>Papier à en-tête : %1</translation>
    </message>
    <message>
        <source>The legal name &quot;%1&quot; differs from the letterhead&apos;s company &quot;%2&quot;: your invoices and e-invoices name &quot;%1&quot; as the seller. Keep the two apart?</source>
        <translation>La raison sociale « %1 » diffère de la société du papier à en-tête « %2 » : vos factures et factures électroniques nomment « %1 » comme vendeur. Les garder distinctes ?</translation>
    </message>
</context>
</TS>
