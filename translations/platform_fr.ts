<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Dates</name>
    <message>
        <source>&apos;%1&apos; is not a valid date.</source>
        <translation>&apos;%1&apos; n&apos;est pas une date valide.</translation>
    </message>
    <message>
        <source>Invalid Date Entered</source>
        <translation>Date saisie non valide</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Abandonner les modifications ?</translation>
    </message>
</context>
<context>
    <name>GuardedXml</name>
    <message>
        <source>it is larger than %1 MB, the most that is read of an XML file</source>
        <extracomment>%1 the largest size read, in MB.</extracomment>
        <translation>le fichier dépasse %1 Mo, le maximum lu d&apos;un fichier XML</translation>
    </message>
    <message>
        <source>it declares a document type (&lt;!DOCTYPE), which is refused: no entity and no outside file named in it is read</source>
        <translation>le fichier déclare un type de document (&lt;!DOCTYPE), ce qui est refusé : aucune entité ni aucun fichier extérieur qui y est nommé n&apos;est lu</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <extracomment>%1 the deepest nesting read.</extracomment>
        <translation>les éléments du fichier sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <extracomment>%1 the XML reader&apos;s own words, in English.</extracomment>
        <translation>le fichier n&apos;est pas du XML bien formé (%1)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Tallowby Help</source>
        <translation>Aide de Tallowby</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>MailProgram</name>
    <message>
        <source>no mail program can be opened: xdg-email is not installed (package xdg-utils)</source>
        <translation>aucun programme de messagerie ne peut être ouvert : xdg-email n&apos;est pas installé (paquet xdg-utils)</translation>
    </message>
    <message>
        <source>the mail program could not be started (xdg-email)</source>
        <translation>le programme de messagerie n&apos;a pas pu être démarré (xdg-email)</translation>
    </message>
    <message>
        <source>xdg-email ended with exit status %1</source>
        <extracomment>%1 is a number.</extracomment>
        <translation>xdg-email s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>the mail program did not open the message (%1)</source>
        <extracomment>%1 what xdg-email said (&quot;xdg-email: unexpected option ...&quot;) or its exit status.</extracomment>
        <translation>le programme de messagerie n&apos;a pas ouvert le message (%1)</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value.</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre valide.</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>L&apos;imprimante n&apos;a pas pu démarrer l&apos;impression.</translation>
    </message>
    <message>
        <source>Unable to draw on the window.</source>
        <translation>Impossible de dessiner dans la fenêtre.</translation>
    </message>
    <message>
        <source>The print job could not be completed.</source>
        <translation>L&apos;impression n&apos;a pas pu être achevée.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer une nouvelle page.</translation>
    </message>
</context>
<context>
    <name>PdfBeside</name>
    <message>
        <source>the file could not be written in full</source>
        <translation>le fichier n&apos;a pas pu être écrit entièrement</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>%1-Landscape</source>
        <extracomment>%1 is the printer&apos;s (or PDF file&apos;s) name.</extracomment>
        <translation>%1-Paysage</translation>
    </message>
    <message>
        <source>%1-Portrait</source>
        <translation>%1-Portrait</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printed to %1.</source>
        <translation>Imprimé dans %1.</translation>
    </message>
    <message>
        <source>Printed on %1.</source>
        <translation>Imprimé sur %1.</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>SubcommandParser</name>
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
        <translation>Dossier des données (par défaut : le dossier courant).</translation>
    </message>
    <message>
        <source>Language of the messages: de, fr or en.</source>
        <translation>Langue des messages : de, fr ou en.</translation>
    </message>
    <message>
        <source>usage: %1 (see tallowby %2 --help)</source>
        <extracomment>%1 is the command with its arguments, %2 the command&apos;s name.</extracomment>
        <translation>utilisation : %1 (voir tallowby %2 --help)</translation>
    </message>
</context>
<context>
    <name>UnattendedUi</name>
    <message>
        <source>unexpected window: %1</source>
        <translation>fenêtre inattendue : %1</translation>
    </message>
</context>
</TS>
