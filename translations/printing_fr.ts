<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BatchRunner</name>
    <message>
        <source>--%1 %2 is not a date of the form YYYY-MM-DD</source>
        <translation>--%1 %2 n&apos;est pas une date de la forme YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--%1 %2: dates must lie in the years 1900 to 9999</source>
        <translation>--%1 %2 : les dates doivent se situer entre les années 1900 et 9999</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number from 1 to %3</source>
        <translation>--%1 : « %2 » n&apos;est pas un nombre de 1 à %3</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the command with its arguments.</extracomment>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>the data folder is being restored or converted by another program; try again when it has finished</source>
        <translation>le dossier de données est en cours de restauration ou de conversion par un autre programme ; réessayez lorsqu&apos;il aura terminé</translation>
    </message>
    <message>
        <source>a restore or conversion cut short could not be finished: %1</source>
        <translation>une restauration ou une conversion interrompue n&apos;a pas pu être achevée : %1</translation>
    </message>
    <message>
        <source>usage: %1 (see tallowby %2 --help)</source>
        <extracomment>%1 is the command with its arguments, %2 the command&apos;s name.</extracomment>
        <translation>utilisation : %1 (voir tallowby %2 --help)</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Data folder (default: the current folder).</source>
        <translation>Dossier de données (par défaut : le dossier courant).</translation>
    </message>
    <message>
        <source>Language of the document and the messages: de, fr or en.</source>
        <translation>Langue du document et des messages : de, fr ou en.</translation>
    </message>
    <message>
        <source>Output file (required).</source>
        <translation>Fichier de sortie (obligatoire).</translation>
    </message>
    <message>
        <source>unknown language %1 (de, fr or en)</source>
        <translation>langue inconnue %1 (de, fr ou en)</translation>
    </message>
    <message>
        <source>--out FILE is required</source>
        <translation>--out FILE est obligatoire</translation>
    </message>
    <message>
        <source>no such data folder: %1</source>
        <translation>dossier de données introuvable : %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
    <message>
        <source>Unable to save to: %1 (%2)</source>
        <extracomment>%2 is why.</extracomment>
        <translation>Impossible d&apos;enregistrer dans : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RptUtil</name>
    <message>
        <source>The report is too large.</source>
        <translation>Le rapport est trop volumineux.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The heading of every page of a report; %1 is its number.</extracomment>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>TDateSpan</name>
    <message>
        <source>DateSpan</source>
        <extracomment>The title of the window asking for the first and last date of a report.</extracomment>
        <translation>Période</translation>
    </message>
    <message>
        <source>Ending:</source>
        <translation>Fin :</translation>
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
        <source>Print Beginning:</source>
        <translation>Imprimer à partir du :</translation>
    </message>
    <message>
        <source>Ending Date must be greater than or equal to Starting Date.</source>
        <translation>La date de fin doit être postérieure ou égale à la date de début.</translation>
    </message>
</context>
<context>
    <name>TMultGroup</name>
    <message>
        <source>Select One or More Groups</source>
        <translation>Sélectionner un ou plusieurs groupes</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TReportF</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Ascii &amp;Text</source>
        <translation>&amp;Texte brut</translation>
    </message>
    <message>
        <source>Tab &amp;Delimited</source>
        <translation>&amp;Délimité par tabulations</translation>
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
        <source>Export Report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Delimited files (*.asc)|*.ASC</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern.</extracomment>
        <translation>Fichiers délimités (*.asc)|*.ASC</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.TXT</source>
        <translation>Fichiers texte (*.txt)|*.TXT</translation>
    </message>
    <message>
        <source>Unable to save to: %1</source>
        <translation>Impossible d&apos;enregistrer dans : %1</translation>
    </message>
</context>
</TS>
