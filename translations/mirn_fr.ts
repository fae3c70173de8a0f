<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutInfo</name>
    <message>
        <source>Print Engine %1 (%2)</source>
        <translation>Moteur d&apos;impression %1 (%2)</translation>
    </message>
    <message>
        <source>, Build ID: %1</source>
        <translation>, ID de build&#xa0;: %1</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 bits</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bits</translation>
    </message>
</context>
<context>
    <name>AdjustmentPages</name>
    <message>
        <source>Precise Printer Adjustment</source>
        <translation>Ajustement précis de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Most people do not need to make any adjustments here. You may need to make adjustments if one of the following is true:

If you are using a print driver that was not designed specifically for your printer (such as using an HP Laserjet driver with a Panasonic laser printer).

If your printouts are &quot;shifted&quot; so they do not align correctly (e.g, your printed text does not center in the spaces provided on the paper).</source>
        <translation>La plupart des utilisateurs n&apos;ont rien à ajuster ici. Un ajustement peut être nécessaire dans l&apos;un des cas suivants&#xa0;:

Vous utilisez un pilote d&apos;impression qui n&apos;a pas été conçu pour votre imprimante (par exemple un pilote HP LaserJet avec une imprimante laser Panasonic).

Vos impressions sont «&#xa0;décalées&#xa0;» et ne s&apos;alignent pas correctement (par exemple, le texte imprimé n&apos;est pas centré dans les cases prévues sur le papier).</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>AdjustmentUnits</name>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>from left %1</source>
        <translation>depuis la gauche %1</translation>
    </message>
    <message>
        <source>from top %1</source>
        <translation>depuis le haut %1</translation>
    </message>
    <message>
        <source>Mirn printer calibration sheet for %1</source>
        <translation>Planche d&apos;étalonnage Mirn pour %1</translation>
    </message>
    <message>
        <source>Adjustment applied: portrait %1, %2 mm; landscape %3, %4 mm</source>
        <translation>Ajustement appliqué&#xa0;: portrait %1, %2 mm ; paysage %3, %4 mm</translation>
    </message>
    <message>
        <source>Measure each cross from the paper&apos;s left and top edges and compare with its label.</source>
        <translation>Mesurez chaque croix depuis les bords gauche et haut du papier et comparez avec son libellé.</translation>
    </message>
    <message>
        <source>A cross that lands further right than labelled needs a negative horizontal adjustment</source>
        <translation>Une croix placée plus à droite qu&apos;indiqué demande un ajustement horizontal négatif</translation>
    </message>
    <message>
        <source>of the difference; one that lands lower needs a negative vertical adjustment.</source>
        <translation>de la différence ; une croix placée plus bas demande un ajustement vertical négatif.</translation>
    </message>
    <message>
        <source>Add the correction to the adjustment applied and enter it with: mirn-cli adjust PRINTER</source>
        <translation>Ajoutez la correction à l&apos;ajustement appliqué et saisissez-la avec&#xa0;: mirn-cli adjust IMPRIMANTE</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>there is no extension %1</source>
        <translation>il n&apos;y a pas de poste %1</translation>
    </message>
    <message>
        <source>%1, batch tool</source>
        <translation>%1, outil de traitement par lots</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>usage&#xa0;: %1</translation>
    </message>
    <message>
        <source>COMMAND [ARGUMENTS]</source>
        <translation>COMMANDE [ARGUMENTS]</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>commandes&#xa0;:</translation>
    </message>
    <message>
        <source>&apos;mirn-cli COMMAND --help&apos; describes one command.</source>
        <translation>«&#xa0;mirn-cli COMMANDE --help&#xa0;» décrit une commande.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the operation failed (reason on standard error), 2 usage error.</source>
        <translation>Code de sortie&#xa0;: 0 terminé, 1 l&apos;opération a échoué (raison sur la sortie d&apos;erreur), 2 erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>(mirn-cli --help lists the commands)</source>
        <translation>(mirn-cli --help liste les commandes)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot use it</source>
        <translation>impossible de l&apos;utiliser</translation>
    </message>
    <message>
        <source>This layout has more than one label per page. To start printing on another label, give --start-slot %1=N (N from 1 to %2). First label: %3</source>
        <translation>Cette mise en page a plus d&apos;une étiquette par page. Pour commencer l&apos;impression sur une autre étiquette, indiquez --start-slot %1=N (N de 1 à %2). Première étiquette&#xa0;: %3</translation>
    </message>
    <message>
        <source>Print or Cancel?</source>
        <translation>Imprimer ou Annuler&#xa0;?</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimer</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper attend a4 ou letter, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>give one of --pdf OUT.pdf and --printer NAME</source>
        <translation>indiquez soit --pdf SORTIE.pdf, soit --printer NOM</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>imprimante %1</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 attend un nombre entier, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 must be between %2 and %3</source>
        <translation>--%1 doit être compris entre %2 et %3</translation>
    </message>
    <message>
        <source>missing arguments</source>
        <translation>arguments manquants</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>option inconnue --%1</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 demande une valeur</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>Warning: layout %1: %2</source>
        <translation>Avertissement&#xa0;: mise en page %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>new database</source>
        <translation>nouvelle base de données</translation>
    </message>
    <message>
        <source>cannot save; the file keeps its previous content: %1</source>
        <translation>enregistrement impossible ; le fichier garde son contenu précédent&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>création impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot save: %1</source>
        <translation>enregistrement impossible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions with an empty or non-text ID skipped</source>
        <comment>%n extension with an empty or non-text ID skipped</comment>
        <translation>
            <numerusform>%n poste avec un ID vide ou non textuel ignoré</numerusform>
            <numerusform>%n postes avec un ID vide ou non textuel ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>lecture impossible</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>le dossier ne peut pas être lu</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>écriture impossible</translation>
    </message>
    <message>
        <source>cannot write (the file keeps its previous content)</source>
        <translation>écriture impossible (le fichier garde son contenu précédent)</translation>
    </message>
    <message>
        <source>extension %1 already exists</source>
        <translation>le poste %1 existe déjà</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>le fichier ou son dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the file is already open in another program</source>
        <translation>le fichier est déjà ouvert dans un autre programme</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>cannot open: cannot make its working copy in the temporary folder %1: %2</source>
        <translation>ouverture impossible&#xa0;: sa copie de travail ne peut pas être créée dans le dossier temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open: its working copy cannot grow: No space left on device</source>
        <translation>ouverture impossible&#xa0;: sa copie de travail ne peut pas grandir&#xa0;: plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>--start-slot takes N or TYPE=N, labels counted from 1, not &apos;%1&apos;</source>
        <translation>--start-slot attend N ou TYPE=N, étiquettes comptées à partir de 1, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--start-slot %1: no layout type</source>
        <translation>--start-slot %1&#xa0;: aucun type de mise en page</translation>
    </message>
    <message>
        <source>--start-slot N is given twice; name the layout: --start-slot TYPE=N</source>
        <translation>--start-slot N est indiqué deux fois ; nommez la mise en page&#xa0;: --start-slot TYPE=N</translation>
    </message>
    <message>
        <source>--start-slot %1= is given twice</source>
        <translation>--start-slot %1= est indiqué deux fois</translation>
    </message>
    <message>
        <source>--start-slot %1=%2: none of the chosen extensions has the layout %1</source>
        <translation>--start-slot %1=%2&#xa0;: aucun des postes choisis n&apos;a la mise en page %1</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>champ %1</translation>
    </message>
    <message>
        <source>%1 pt smaller</source>
        <translation>%1 pt plus petit</translation>
    </message>
    <message>
        <source>%1 pt smaller, still too long at 4 pt</source>
        <translation>%1 pt plus petit, encore trop long à 4 pt</translation>
    </message>
    <message>
        <source>--fix lists what it did as text; leave out --json</source>
        <translation>--fix liste ce qu&apos;il a fait en texte ; omettez --json</translation>
    </message>
    <message>
        <source>%1 too wide</source>
        <translation>%1 de trop en largeur</translation>
    </message>
    <message>
        <source>%1 too tall</source>
        <translation>%1 de trop en hauteur</translation>
    </message>
    <message>
        <source>Every field&apos;s text fits.</source>
        <translation>Le texte de chaque champ tient.</translation>
    </message>
    <message>
        <source>list the printed fields whose text does not fit (extension, layout, field, text, how much too wide or tall) and the labels that would be cut off at the paper&apos;s edge; exit 1 when any. --fix makes each overflowing field&apos;s text smaller, in half points, until it fits, and saves</source>
        <translation>liste les champs imprimés dont le texte ne tient pas (poste, mise en page, champ, texte, dépassement en largeur ou en hauteur) et les étiquettes qui seraient coupées au bord du papier ; code 1 s&apos;il y en a. --fix réduit le texte de chaque champ qui déborde, par demi-points, jusqu&apos;à ce qu&apos;il tienne, et enregistre</translation>
    </message>
    <message>
        <source>%1 must be a whole number: &apos;%2&apos;</source>
        <translation>%1 doit être un nombre entier&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>exists (--force replaces it)</source>
        <translation>existe déjà (--force le remplace)</translation>
    </message>
    <message>
        <source>--sort must be extension, model or name</source>
        <translation>--sort doit valoir extension, model ou name</translation>
    </message>
    <message>
        <source>give one of NAME, --name and --names-file</source>
        <translation>indiquez un seul de NOM, --name et --names-file</translation>
    </message>
    <message>
        <source>cannot read the names</source>
        <translation>les noms ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>cannot read the names: the file is neither UTF-8 nor Windows-1252 text</source>
        <translation>les noms ne peuvent pas être lus&#xa0;: le fichier n&apos;est ni du texte UTF-8 ni du texte Windows-1252</translation>
    </message>
    <message>
        <source>holds %1 for %2 (one line per extension)</source>
        <translation>contient %1 pour %2 (une ligne par poste)</translation>
    </message>
    <message>
        <source>--on-conflict must be replace, skip or stop</source>
        <translation>--on-conflict doit valoir replace, skip ou stop</translation>
    </message>
    <message numerus="yes">
        <source>the range %1 holds %n extensions; give --yes to create them all</source>
        <comment>the range %1 holds %n extension; give --yes to create them all</comment>
        <translation>
            <numerusform>la plage %1 contient %n poste ; indiquez --yes pour le créer</numerusform>
            <numerusform>la plage %1 contient %n postes ; indiquez --yes pour les créer tous</numerusform>
        </translation>
    </message>
    <message>
        <source>no extension ID in &apos;%1&apos;</source>
        <translation>aucun ID de poste dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no layout has type code %1; &apos;mirn-cli templates&apos; lists the layouts there are</source>
        <translation>aucune mise en page n&apos;a le code de type %1 ; «&#xa0;mirn-cli templates&#xa0;» liste les mises en page existantes</translation>
    </message>
    <message>
        <source>; --on-conflict replace or skip goes on</source>
        <translation> ; --on-conflict replace ou skip permet de continuer</translation>
    </message>
    <message>
        <source>, skipped</source>
        <translation>, ignoré</translation>
    </message>
    <message>
        <source>give --id, --name or both</source>
        <translation>indiquez --id, --name ou les deux</translation>
    </message>
    <message>
        <source>give --file or --plain, not both</source>
        <translation>indiquez --file ou --plain, pas les deux</translation>
    </message>
    <message>
        <source>SLOT must be between 1 and 1024</source>
        <translation>EMPLACEMENT doit être compris entre 1 et 1024</translation>
    </message>
    <message>
        <source>cannot read the picture</source>
        <translation>l&apos;image ne peut pas être lue</translation>
    </message>
    <message>
        <source>cannot extract %1: %2</source>
        <translation>impossible d&apos;extraire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no stored picture has that hash, or it cannot be written</source>
        <translation>aucune image enregistrée n&apos;a cette empreinte, ou elle ne peut pas être écrite</translation>
    </message>
    <message>
        <source>create an empty label database</source>
        <translation>crée une base d&apos;étiquettes vide</translation>
    </message>
    <message>
        <source>show the format, versions, counts and type codes of a database</source>
        <translation>affiche le format, les versions, les nombres et les codes de type d&apos;une base de données</translation>
    </message>
    <message>
        <source>list the extensions: id, type code, name, modified</source>
        <translation>liste les postes&#xa0;: ID, code de type, nom, date de modification</translation>
    </message>
    <message>
        <source>show the stored fields of one extension</source>
        <translation>affiche les champs enregistrés d&apos;un poste</translation>
    </message>
    <message>
        <source>add extensions: IDs and ranges as typed in the dialog, with the layout&apos;s default texts</source>
        <translation>ajoute des postes&#xa0;: ID et plages comme dans la boîte de dialogue, avec les textes par défaut de la mise en page</translation>
    </message>
    <message>
        <source>delete an extension with its fields</source>
        <translation>supprime un poste avec ses champs</translation>
    </message>
    <message>
        <source>change an extension&apos;s id or name</source>
        <translation>modifie l&apos;ID ou le nom d&apos;un poste</translation>
    </message>
    <message>
        <source>set the stored text of a field (empty text removes it)</source>
        <translation>définit le texte enregistré d&apos;un champ (un texte vide le supprime)</translation>
    </message>
    <message>
        <source>put a picture into a graphic slot (1-1024), stored in the file unless --link</source>
        <translation>place une image dans un emplacement graphique (1-1024), enregistrée dans le fichier sauf avec --link</translation>
    </message>
    <message>
        <source>write a stored picture into a folder</source>
        <translation>écrit une image enregistrée dans un dossier</translation>
    </message>
    <message>
        <source>--on-conflict takes replace, skip or stop</source>
        <translation>--on-conflict attend replace, skip ou stop</translation>
    </message>
    <message>
        <source>Skipped existing extension %1</source>
        <translation>Poste existant %1 ignoré</translation>
    </message>
    <message>
        <source>Stopped at existing extension %1</source>
        <translation>Arrêté au poste existant %1</translation>
    </message>
    <message>
        <source>no such database (give --create to make a new one)</source>
        <translation>cette base de données n&apos;existe pas (--create en crée une nouvelle)</translation>
    </message>
    <message>
        <source>columns not imported: %1</source>
        <translation>colonnes non importées&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped (no type code, or a layout not installed)</source>
        <comment>%n line skipped (no type code, or a layout not installed)</comment>
        <translation>
            <numerusform>%n ligne ignorée (pas de code de type, ou une mise en page non installée)</numerusform>
            <numerusform>%n lignes ignorées (pas de code de type, ou une mise en page non installée)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extensions could not be stored completely</source>
        <comment>%n extension could not be stored completely</comment>
        <translation>
            <numerusform>%n poste n&apos;a pas pu être enregistré entièrement</numerusform>
            <numerusform>%n postes n&apos;ont pas pu être enregistrés entièrement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells were cut to 32767 characters</source>
        <comment>%n cell was cut to 32767 characters</comment>
        <translation>
            <numerusform>%n cellule a été coupée à 32767 caractères</numerusform>
            <numerusform>%n cellules ont été coupées à 32767 caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n embedded pictures could not be copied</source>
        <comment>%n embedded picture could not be copied</comment>
        <translation>
            <numerusform>%n image incorporée n&apos;a pas pu être copiée</numerusform>
            <numerusform>%n images incorporées n&apos;ont pas pu être copiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows with problems passed over</source>
        <comment>%n row with problems passed over</comment>
        <translation>
            <numerusform>%n ligne avec des problèmes ignorée</numerusform>
            <numerusform>%n lignes avec des problèmes ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>--encoding takes windows-1252 or utf-8</source>
        <translation>--encoding attend windows-1252 ou utf-8</translation>
    </message>
    <message>
        <source>cannot make a temporary folder</source>
        <translation>impossible de créer un dossier temporaire</translation>
    </message>
    <message>
        <source>--map takes COLUMN=TARGET, the target one of id, name, first name, last name, type code, field N, key N, ignore: %1</source>
        <translation>--map attend COLONNE=CIBLE, la cible parmi id, name, first name, last name, type code, field N, key N, ignore&#xa0;: %1</translation>
    </message>
    <message>
        <source>--separator takes comma, semicolon or tab</source>
        <translation>--separator attend comma, semicolon ou tab</translation>
    </message>
    <message>
        <source>--header takes yes or no</source>
        <translation>--header attend yes ou no</translation>
    </message>
    <message>
        <source>--json goes with --dry-run</source>
        <translation>--json ne va qu&apos;avec --dry-run</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>import preset</source>
        <translation>préréglage d&apos;importation</translation>
    </message>
    <message>
        <source>cannot merge a database into itself</source>
        <translation>impossible de fusionner une base de données avec elle-même</translation>
    </message>
    <message>
        <source>export every extension of a label database to a CSV file (Windows-1252 unless --encoding utf-8)</source>
        <translation>exporte chaque poste d&apos;une base d&apos;étiquettes dans un fichier CSV (Windows-1252 sauf avec --encoding utf-8)</translation>
    </message>
    <message>
        <source>import extensions from a CSV file, with or without a header row (existing ones are skipped and listed unless told)</source>
        <translation>importe des postes d&apos;un fichier CSV, avec ou sans ligne d&apos;en-tête (les postes existants sont ignorés et listés, sauf indication contraire)</translation>
    </message>
    <message>
        <source>import extensions from the first (or the named) sheet of a workbook</source>
        <translation>importe des postes de la première feuille (ou de la feuille nommée) d&apos;un classeur</translation>
    </message>
    <message>
        <source>export the extensions to a spreadsheet (.xlsx, or binary .xls for any other name)</source>
        <translation>exporte les postes dans un tableur (.xlsx, ou .xls binaire pour tout autre nom)</translation>
    </message>
    <message>
        <source>copy the extensions of another label database into FILE</source>
        <translation>copie les postes d&apos;une autre base d&apos;étiquettes dans FICHIER</translation>
    </message>
    <message>
        <source>show where settings, layouts and data are looked for</source>
        <translation>affiche où les réglages, les mises en page et les données sont cherchés</translation>
    </message>
    <message>
        <source>cannot convert: %1</source>
        <translation>conversion impossible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records with a blank extension ID skipped</source>
        <comment>%n record with a blank extension ID skipped</comment>
        <translation>
            <numerusform>%n enregistrement avec un ID de poste vide ignoré</numerusform>
            <numerusform>%n enregistrements avec un ID de poste vide ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot convert: the file was written by a newer generation of the program</source>
        <translation>conversion impossible&#xa0;: le fichier a été écrit par une génération plus récente du programme</translation>
    </message>
    <message>
        <source>cannot convert</source>
        <translation>conversion impossible</translation>
    </message>
    <message>
        <source>cannot convert: not a label database</source>
        <translation>conversion impossible&#xa0;: ce n&apos;est pas une base d&apos;étiquettes</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>sauvegarde&#xa0;: %1</translation>
    </message>
    <message>
        <source>write a database (of either generation) in the current format; converting a legacy file onto itself keeps the original as a backup; an existing NEW is replaced only with --force</source>
        <translation>écrit une base de données (de l&apos;une ou l&apos;autre génération) au format actuel ; convertir un ancien fichier sur lui-même garde l&apos;original en sauvegarde ; un NOUVEAU existant n&apos;est remplacé qu&apos;avec --force</translation>
    </message>
    <message>
        <source>nothing was printed</source>
        <translation>rien n&apos;a été imprimé</translation>
    </message>
    <message>
        <source>the document could not be finished and may be incomplete</source>
        <translation>le document n&apos;a pas pu être terminé et peut être incomplet</translation>
    </message>
    <message numerus="yes">
        <source>Printed %n labels on %1 to %2</source>
        <comment>Printed %n label on %1 to %2</comment>
        <translation>
            <numerusform>%n étiquette imprimée sur %1 vers %2</numerusform>
            <numerusform>%n étiquettes imprimées sur %1 vers %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <comment>%n page</comment>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>cancelled; the runs before were printed</source>
        <translation>annulé ; les passages précédents ont été imprimés</translation>
    </message>
    <message>
        <source>cancelled; nothing was printed</source>
        <translation>annulé ; rien n&apos;a été imprimé</translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n labels</source>
        <comment>stopped after %n label</comment>
        <translation>
            <numerusform>arrêté après %n étiquette</numerusform>
            <numerusform>arrêté après %n étiquettes</numerusform>
        </translation>
    </message>
    <message>
        <source>Printed a calibration sheet to %1</source>
        <translation>Planche d&apos;étalonnage imprimée vers %1</translation>
    </message>
    <message>
        <source>no layout file and no layout with type code %1 (&apos;mirn-cli templates&apos; lists them)</source>
        <translation>aucun fichier de mise en page et aucune mise en page de code de type %1 («&#xa0;mirn-cli templates&#xa0;» les liste)</translation>
    </message>
    <message>
        <source>--copies takes 1 to 1000</source>
        <translation>--copies attend 1 à 1000</translation>
    </message>
    <message>
        <source>nothing to print: no extensions chosen</source>
        <translation>rien à imprimer&#xa0;: aucun poste choisi</translation>
    </message>
    <message>
        <source>nothing was printed: print on paper the sheets fit (--paper), or give --yes to print them cut</source>
        <translation>rien n&apos;a été imprimé&#xa0;: imprimez sur un papier où tiennent les planches (--paper), ou indiquez --yes pour les imprimer coupées</translation>
    </message>
    <message>
        <source>print a database&apos;s labels (each layout asks Print or Cancel), a calibration sheet, or a layout&apos;s test sheet (the outline of every label and field, with the fields&apos; ids)</source>
        <translation>imprime les étiquettes d&apos;une base de données (chaque mise en page demande Imprimer ou Annuler), une planche d&apos;étalonnage, ou la planche de test d&apos;une mise en page (le contour de chaque étiquette et de chaque champ, avec les ID des champs)</translation>
    </message>
    <message>
        <source>--unit takes twips, mm or in</source>
        <translation>--unit attend twips, mm ou in</translation>
    </message>
    <message>
        <source>--%1 takes X,Y within -200 to 200 mm or -10 to 10 inches, not &apos;%2&apos;</source>
        <translation>--%1 attend X,Y entre -200 et 200 mm ou -10 et 10 pouces, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 takes X,Y</source>
        <translation>--%1 attend X,Y</translation>
    </message>
    <message>
        <source>cannot store the adjustment</source>
        <translation>l&apos;ajustement ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>list the printers: name, status, driver, where, comment</source>
        <translation>liste les imprimantes&#xa0;: nom, état, pilote, emplacement, commentaire</translation>
    </message>
    <message>
        <source>show or set a printer&apos;s position adjustment</source>
        <translation>affiche ou définit l&apos;ajustement précis d&apos;une imprimante</translation>
    </message>
    <message>
        <source>no layout template for type code %1</source>
        <translation>aucun modèle de mise en page pour le code de type %1</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures of extension %1 could not be loaded or decoded and are drawn crossed out</source>
        <comment>%n picture of extension %1 could not be loaded or decoded and is drawn crossed out</comment>
        <translation>
            <numerusform>%n image du poste %1 n&apos;a pas pu être chargée ou décodée et est dessinée barrée</numerusform>
            <numerusform>%n images du poste %1 n&apos;ont pas pu être chargées ou décodées et sont dessinées barrées</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write: the image could not be encoded</source>
        <translation>écriture impossible&#xa0;: l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>SIZE must be a whole number of pixels between 8 and 1024, not &apos;%1&apos;</source>
        <translation>TAILLE doit être un nombre entier de pixels entre 8 et 1024, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>holds no extension to show</source>
        <translation>ne contient aucun poste à afficher</translation>
    </message>
    <message>
        <source>draw one extension&apos;s label to a PNG image as the label view shows it</source>
        <translation>dessine l&apos;étiquette d&apos;un poste dans une image PNG telle que la vue d&apos;étiquette la montre</translation>
    </message>
    <message>
        <source>draw the first extension&apos;s label scaled to fit SIZE pixels (for file managers)</source>
        <translation>dessine l&apos;étiquette du premier poste à l&apos;échelle de TAILLE pixels (pour les gestionnaires de fichiers)</translation>
    </message>
    <message>
        <source>--styles takes everything or a list of font, size, alignment, color, graphics, text: &apos;%1&apos;</source>
        <translation>--styles attend everything ou une liste parmi font, size, alignment, color, graphics, text&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--styles names no style</source>
        <translation>--styles ne nomme aucun style</translation>
    </message>
    <message>
        <source>give the extensions to copy to, or --all-same-layout</source>
        <translation>indiquez les postes vers lesquels copier, ou --all-same-layout</translation>
    </message>
    <message>
        <source>--styles is required</source>
        <translation>--styles est obligatoire</translation>
    </message>
    <message>
        <source>extension &apos;%1&apos; is the source</source>
        <translation>le poste «&#xa0;%1&#xa0;» est la source</translation>
    </message>
    <message>
        <source>extension &apos;%1&apos; does not have the layout of &apos;%2&apos;</source>
        <translation>le poste «&#xa0;%1&#xa0;» n&apos;a pas la mise en page de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the text to find is empty</source>
        <translation>le texte à chercher est vide</translation>
    </message>
    <message>
        <source>Would replace %1 in %2.</source>
        <translation>Remplacerait %1 dans %2.</translation>
    </message>
    <message>
        <source>Replaced %1 in %2.</source>
        <translation>%1 remplacée(s) dans %2.</translation>
    </message>
    <message>
        <source>copy text and formatting from one extension to others of its layout</source>
        <translation>copie le texte et la mise en forme d&apos;un poste vers d&apos;autres de sa mise en page</translation>
    </message>
    <message>
        <source>replace a text in every field of every extension</source>
        <translation>remplace un texte dans chaque champ de chaque poste</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>no usable conversion table; nothing converted</source>
        <translation>aucune table de conversion utilisable ; rien converti</translation>
    </message>
    <message>
        <source>extension &apos;%1&apos;: cannot change the type code to %2: %3</source>
        <translation>poste «&#xa0;%1&#xa0;»&#xa0;: impossible de changer le code de type en %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>compile a layout template source into a template file</source>
        <translation>compile la source d&apos;un modèle de mise en page en un fichier modèle</translation>
    </message>
    <message>
        <source>write the source of a template file to standard output</source>
        <translation>écrit la source d&apos;un fichier modèle sur la sortie standard</translation>
    </message>
    <message>
        <source>show a template&apos;s header, slots and objects</source>
        <translation>affiche l&apos;en-tête, les emplacements et les objets d&apos;un modèle</translation>
    </message>
    <message>
        <source>list the layout library by type code (or the templates in the folders given)</source>
        <translation>liste la bibliothèque de mises en page par code de type (ou les modèles des dossiers indiqués)</translation>
    </message>
    <message>
        <source>move extensions of retired layouts to their replacements, save, and list them</source>
        <translation>fait passer les postes des mises en page retirées à leurs remplaçantes, enregistre et les liste</translation>
    </message>
    <message numerus="yes">
        <source>--start-slot %1: the layout %2 has %n labels per sheet</source>
        <comment>--start-slot %1: the layout %2 has %n label per sheet</comment>
        <translation>
            <numerusform>--start-slot %1&#xa0;: la mise en page %2 a %n étiquette par planche</numerusform>
            <numerusform>--start-slot %1&#xa0;: la mise en page %2 a %n étiquettes par planche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields have more text than fits.</source>
        <comment>%n field has more text than fits.</comment>
        <translation>
            <numerusform>%n champ a plus de texte qu&apos;il n&apos;en tient.</numerusform>
            <numerusform>%n champs ont plus de texte qu&apos;il n&apos;en tient.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <comment>%n name</comment>
        <translation>
            <numerusform>%n nom</numerusform>
            <numerusform>%n noms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extensions</source>
        <comment>%n extension</comment>
        <translation>
            <numerusform>%n poste</numerusform>
            <numerusform>%n postes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Warning: %n fields have more text than fits; &apos;%1&apos; lists them.</source>
        <comment>Warning: %n field has more text than fits; &apos;%1&apos; lists them.</comment>
        <translation>
            <numerusform>Avertissement&#xa0;: %n champ a plus de texte qu&apos;il n&apos;en tient ; «&#xa0;%1&#xa0;» le liste.</numerusform>
            <numerusform>Avertissement&#xa0;: %n champs ont plus de texte qu&apos;il n&apos;en tient ; «&#xa0;%1&#xa0;» les liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n occurrences</source>
        <comment>%n occurrence</comment>
        <translation>
            <numerusform>%n occurrence</numerusform>
            <numerusform>%n occurrences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields</source>
        <comment>%n field</comment>
        <translation>
            <numerusform>%n champ</numerusform>
            <numerusform>%n champs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not saved: %n extensions could not be converted</source>
        <comment>not saved: %n extension could not be converted</comment>
        <translation>
            <numerusform>non enregistré&#xa0;: %n poste n&apos;a pas pu être converti</numerusform>
            <numerusform>non enregistré&#xa0;: %n postes n&apos;ont pas pu être convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extensions moved to new type codes</source>
        <comment>%n extension moved to new type codes</comment>
        <translation>
            <numerusform>%n poste passé à de nouveaux codes de type</numerusform>
            <numerusform>%n postes passés à de nouveaux codes de type</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliReference</name>
    <message>
        <source>cli.md</source>
        <translation>cli.fr.md</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>column %1 (%2)</source>
        <translation>colonne %1 (%2)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>%1 and %2 are both mapped to %3</source>
        <translation>%1 et %2 sont toutes deux associées à %3</translation>
    </message>
    <message>
        <source>no column holds the extension number (name one &quot;extension&quot;, or map one to id)</source>
        <translation>aucune colonne ne contient le numéro de poste (nommez-en une «&#xa0;extension&#xa0;» ou associez-en une à id)</translation>
    </message>
    <message>
        <source>%1 is the name while other columns hold first and last names</source>
        <translation>%1 est le nom alors que d&apos;autres colonnes contiennent prénoms et noms de famille</translation>
    </message>
    <message>
        <source>no column holds the layout: choose one (--type CODE)</source>
        <translation>aucune colonne ne contient la mise en page&#xa0;: choisissez-en une (--type CODE)</translation>
    </message>
</context>
<context>
    <name>CopyStyles</name>
    <message>
        <source>Font Style</source>
        <translation>Style de police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Copying complete.</source>
        <translation>Copie terminée.</translation>
    </message>
    <message>
        <source>There is no extension &quot;%1&quot; to copy from.</source>
        <translation>Il n&apos;existe aucun poste « %1 » à partir duquel copier.</translation>
    </message>
    <message>
        <source>Copying Styles</source>
        <translation>Copie des styles</translation>
    </message>
    <message>
        <source>Copying to extension %1...</source>
        <translation>Copie vers le poste %1...</translation>
    </message>
    <message>
        <source>The styles could not be copied to extension &quot;%1&quot;: %2.

%3</source>
        <translation>Les styles n&apos;ont pas pu être copiés vers le poste « %1 » : %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>Copying stopped after %n extensions were copied.</source>
        <comment>Copying stopped after %n extension was copied.</comment>
        <translation>
            <numerusform>Copie arrêtée après la copie de %n poste.</numerusform>
            <numerusform>Copie arrêtée après la copie de %n postes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyStylesWizard</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>This procedure will copy information from one extension to other extensions.

You can copy text, font selections and formatting choices from one extension to another.

To begin, press the &apos;Next&apos; button below.</source>
        <translation>Cette procédure copie des informations d&apos;un poste vers d&apos;autres postes.

Vous pouvez copier le texte, les polices et la mise en forme d&apos;un poste à un autre.

Pour commencer, cliquez sur « Suivant » ci-dessous.</translation>
    </message>
    <message>
        <source>Select the extension to copy FROM, then click the &apos;Next&apos; button.</source>
        <translation>Sélectionnez le poste SOURCE, puis cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Press &apos;Back&apos; to choose a different extension.</source>
        <translation>Cliquez sur « Précédent » pour choisir un autre poste.</translation>
    </message>
    <message>
        <source>Select the extensions to copy TO. You can select more than one extension by holding down the Ctrl key while clicking your mouse button on the list. Press [Ctrl-/] to select all extensions.

After making your selections, click the &apos;Next&apos; button.</source>
        <translation>Sélectionnez les postes DESTINATION. Maintenez la touche Ctrl enfoncée en cliquant dans la liste pour en sélectionner plusieurs. Appuyez sur [Ctrl-/] pour sélectionner tous les postes.

Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Select the styles to be copied. When you are finished selecting styles, click the &apos;Finish&apos; button.</source>
        <translation>Sélectionnez les styles à copier, puis cliquez sur « Terminer ».</translation>
    </message>
    <message>
        <source>The styles below will be copied. Press &apos;Copy&apos; to start, or &apos;Back&apos; to change your choices.</source>
        <translation>Les styles ci-dessous seront copiés. Cliquez sur « Copier » pour commencer, ou sur « Précédent » pour modifier vos choix.</translation>
    </message>
    <message>
        <source>You must select an extension to copy from.</source>
        <translation>Vous devez sélectionner un poste source.</translation>
    </message>
    <message>
        <source>You must select one or more extensions to copy to.</source>
        <translation>Vous devez sélectionner au moins un poste de destination.</translation>
    </message>
    <message>
        <source>You must select one or more styles to be copied.</source>
        <translation>Vous devez sélectionner au moins un style à copier.</translation>
    </message>
    <message>
        <source>There are no other extensions that are of the same type as extension &quot;%1&quot;.</source>
        <translation>Aucun autre poste n&apos;est du même type que le poste « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>%n selected extensions</source>
        <comment>%n selected extension</comment>
        <translation>
            <numerusform>%n poste sélectionné</numerusform>
            <numerusform>%n postes sélectionnés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvImportSettings</name>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>StrikeOut</source>
        <translation>Barré</translation>
    </message>
</context>
<context>
    <name>CustomCodes</name>
    <message>
        <source>The custom codes could not be saved. The file was supposed to be saved to:

%1</source>
        <translation>Les codes personnalisés n&apos;ont pas pu être enregistrés. Le fichier devait être enregistré dans&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>DDFConversions</name>
    <message>
        <source>no new typeCode for DDF: %1</source>
        <translation>aucun nouveau code de type pour le modèle de mise en page %1</translation>
    </message>
</context>
<context>
    <name>DDFLibrary</name>
    <message>
        <source>requested DDF not found in library: %1</source>
        <translation>le modèle de mise en page %1 n&apos;est pas dans la bibliothèque</translation>
    </message>
</context>
<context>
    <name>DDFReader</name>
    <message>
        <source>Could not open DDF file: %1</source>
        <translation>Impossible d&apos;ouvrir le modèle de mise en page&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not read DDF header: %1</source>
        <translation>Impossible de lire l&apos;en-tête du modèle de mise en page&#xa0;: %1</translation>
    </message>
    <message>
        <source>DDF did not pass validation tests: %1</source>
        <translation>Le modèle de mise en page n&apos;a pas passé la vérification&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DDFWriter</name>
    <message>
        <source>%1 is %2 bytes long; its field holds %3</source>
        <translation>%1 fait %2 octets&#xa0;; son champ en contient %3</translation>
    </message>
    <message>
        <source>version must be &quot;270&quot; or &quot;DDF&quot;</source>
        <translation>la version doit être «&#xa0;270&#xa0;» ou «&#xa0;DDF&#xa0;»</translation>
    </message>
    <message>
        <source>the preamble must not contain the byte 0x1A</source>
        <translation>le préambule ne doit pas contenir l&apos;octet 0x1A</translation>
    </message>
    <message>
        <source>the preamble is %1 bytes long; at most %2 fit before the end mark</source>
        <translation>le préambule fait %1 octets&#xa0;; au plus %2 tiennent avant la marque de fin</translation>
    </message>
    <message>
        <source>the reserved text</source>
        <translation>le texte réservé</translation>
    </message>
    <message>
        <source>the caption of object %1 is longer than the %2 bytes of its field</source>
        <translation>la légende de l&apos;objet %1 dépasse les %2 octets de son champ</translation>
    </message>
</context>
<context>
    <name>DbResult</name>
    <message>
        <source>success</source>
        <translation>réussite</translation>
    </message>
    <message>
        <source>no such row</source>
        <translation>ligne inexistante</translation>
    </message>
    <message>
        <source>a database statement failed</source>
        <translation>une instruction de base de données a échoué</translation>
    </message>
    <message>
        <source>the file is not a label database of this generation</source>
        <translation>le fichier n&apos;est pas une base d&apos;étiquettes de cette génération</translation>
    </message>
    <message>
        <source>the legacy database could not be read or converted</source>
        <translation>l&apos;ancienne base de données n&apos;a pas pu être lue ou convertie</translation>
    </message>
    <message>
        <source>no database is open</source>
        <translation>aucune base de données n&apos;est ouverte</translation>
    </message>
    <message>
        <source>the extension id is empty</source>
        <translation>l&apos;ID du poste est vide</translation>
    </message>
    <message>
        <source>the file is already open or cannot be read</source>
        <translation>le fichier est déjà ouvert ou illisible</translation>
    </message>
    <message>
        <source>an extension with that id already exists</source>
        <translation>un poste avec cet ID existe déjà</translation>
    </message>
    <message>
        <source>there is no extension with that id</source>
        <translation>aucun poste ne porte cet ID</translation>
    </message>
    <message>
        <source>the graphic slot is empty</source>
        <translation>l&apos;emplacement d&apos;image est vide</translation>
    </message>
    <message>
        <source>the graphic description cannot be read</source>
        <translation>la description de l&apos;image est illisible</translation>
    </message>
    <message>
        <source>the picture file or stored picture cannot be read or written</source>
        <translation>le fichier image ou l&apos;image enregistrée ne peut être ni lu ni écrit</translation>
    </message>
    <message>
        <source>the database lacks the schema version needed</source>
        <translation>il manque à la base de données la version de schéma requise</translation>
    </message>
    <message>
        <source>the file could not be written; it keeps its previous content</source>
        <translation>le fichier n&apos;a pas pu être écrit ; il garde son contenu précédent</translation>
    </message>
    <message>
        <source>the file is read-only; you may not write it</source>
        <translation>le fichier est en lecture seule ; vous ne pouvez pas l&apos;écrire</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>plus d&apos;espace libre sur le périphérique</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>The file you are trying to open requires a newer version of Mirn.

Do you want to check for an update now?</source>
        <translation>Le fichier que vous essayez d&apos;ouvrir nécessite une version plus récente de Mirn.

Voulez-vous rechercher une mise à jour maintenant ?</translation>
    </message>
    <message>
        <source>Newer version of Mirn required</source>
        <translation>Version plus récente de Mirn requise</translation>
    </message>
    <message>
        <source>&amp;Check for an Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Check</source>
        <translation>&amp;Ne pas rechercher</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The file you are trying to open is already open, either in another window, or by another user.

File path: %1</source>
        <translation>Le fichier que vous essayez d&apos;ouvrir est déjà ouvert, dans une autre fenêtre ou par un autre utilisateur.

Chemin du fichier : %1</translation>
    </message>
    <message>
        <source>FILE CONVERSION WARNING

The file you are saving was created in Mirn 2. If you continue, it will be converted to Mirn 3 format and you will no longer be able to open it in Mirn 2.

To save the file under a different name, use the &quot;File &gt; Save As...&quot; command instead of &quot;File &gt; Save&quot;.

If you continue, a backup of the original file will be saved as &quot;%1.backup&quot;.</source>
        <translation>AVERTISSEMENT DE CONVERSION

Le fichier que vous enregistrez a été créé avec Mirn 2. Si vous continuez, il sera converti au format Mirn 3 et ne pourra plus être ouvert avec Mirn 2.

Pour enregistrer le fichier sous un autre nom, utilisez « Fichier &gt; Enregistrer sous... » au lieu de « Fichier &gt; Enregistrer ».

Si vous continuez, une copie de sauvegarde du fichier d&apos;origine sera enregistrée sous « %1.backup ».</translation>
    </message>
    <message>
        <source>%1

Mirn could not save this file: %2.</source>
        <translation>%1

Mirn n&apos;a pas pu enregistrer ce fichier : %2.</translation>
    </message>
    <message>
        <source>File Conversion Warning</source>
        <translation>Avertissement de conversion</translation>
    </message>
    <message>
        <source>&amp;Convert and Save</source>
        <translation>&amp;Convertir et enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1

You don&apos;t have permission to save in this location.

Please save to a different folder.</source>
        <translation>%1

Vous n&apos;avez pas l&apos;autorisation d&apos;enregistrer à cet emplacement.

Veuillez enregistrer dans un autre dossier.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>From &amp;CSV File</source>
        <translation>Depuis un fichier &amp;CSV</translation>
    </message>
    <message>
        <source>From &amp;MRB File (Merge Databases)</source>
        <translation>Depuis un fichier &amp;MRB (fusionner des bases)</translation>
    </message>
    <message>
        <source>&amp;CSV File</source>
        <translation>Fichier &amp;CSV</translation>
    </message>
</context>
<context>
    <name>ExchangeController</name>
    <message>
        <source>Importing</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Replace</source>
        <translation>&amp;Ne pas remplacer</translation>
    </message>
    <message>
        <source>&amp;Stop Importing</source>
        <translation>Arrêter l&apos;i&amp;mportation</translation>
    </message>
    <message>
        <source>Comma-Separated Value (CSV) Files|*.csv|All Files|*.*||</source>
        <translation>Fichiers CSV (valeurs séparées par des virgules)|*.csv|Tous les fichiers|*.*||</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>Microsoft Excel 2007/2010|*.xlsx|Microsoft Excel 97/2000/XP|*.xls||</source>
        <translation>Microsoft Excel 2007/2010|*.xlsx|Microsoft Excel 97/2000/XP|*.xls||</translation>
    </message>
    <message>
        <source>Opening spreadsheet...</source>
        <translation>Ouverture du classeur...</translation>
    </message>
    <message>
        <source>CSV Files|*.txt; *.csv|Workbooks|*.xlsx; *.ods|All Files|*.*||</source>
        <translation>Fichiers CSV|*.txt; *.csv|Classeurs|*.xlsx; *.ods|Tous les fichiers|*.*||</translation>
    </message>
    <message>
        <source>&amp;Import the Rest</source>
        <translation>&amp;Importer le reste</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Mirn Databases|*.mrb|All Files|*.*||</source>
        <translation>Bases de données Mirn|*.mrb|Tous les fichiers|*.*||</translation>
    </message>
    <message>
        <source>The CSV import settings could not be saved.</source>
        <translation>Les paramètres d&apos;importation CSV n&apos;ont pas pu être enregistrés.</translation>
    </message>
</context>
<context>
    <name>ExchangeReports</name>
    <message numerus="yes">
        <source>Export complete.

%n extensions were exported.</source>
        <comment>Export complete.

%n extension was exported.</comment>
        <translation>
            <numerusform>Exportation terminée.

%n poste a été exporté.</numerusform>
            <numerusform>Exportation terminée.

%n postes ont été exportés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n extensions</source>
        <comment>Imported %n extension</comment>
        <translation>
            <numerusform>%n poste importé</numerusform>
            <numerusform>%n postes importés</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not write %1: %2; the file keeps its previous content</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2 ; le fichier garde son contenu précédent</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The working copy in %1 cannot grow: no space left on the device. Nothing was saved.</source>
        <translation>La copie de travail dans %1 ne peut pas grandir&#xa0;: plus d&apos;espace sur le périphérique. Rien n&apos;a été enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <comment>%n added</comment>
        <translation>
            <numerusform>%n ajouté</numerusform>
            <numerusform>%n ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <comment>%n replaced</comment>
        <translation>
            <numerusform>%n remplacé</numerusform>
            <numerusform>%n remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept</source>
        <comment>%n kept</comment>
        <translation>
            <numerusform>%n conservé</numerusform>
            <numerusform>%n conservés</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing added</source>
        <translation>rien ajouté</translation>
    </message>
    <message>
        <source>skipped, no type code</source>
        <translation>ignorée, pas de code de type</translation>
    </message>
    <message>
        <source>skipped, layout %1 is not installed</source>
        <translation>ignorée, la mise en page %1 n&apos;est pas installée</translation>
    </message>
    <message>
        <source>skipped, no extension ID</source>
        <translation>ignorée, pas d&apos;ID de poste</translation>
    </message>
    <message>
        <source>extension %1 could not be stored</source>
        <translation>le poste %1 n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>extension %1 was not stored completely</source>
        <translation>le poste %1 n&apos;a pas été enregistré entièrement</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more lines</source>
        <comment>... and %n more line</comment>
        <translation>
            <numerusform>... et %n autre ligne</numerusform>
            <numerusform>... et %n autres lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n lines were skipped.</source>
        <comment>Nothing was imported: %n line was skipped.</comment>
        <translation>
            <numerusform>Rien n&apos;a été importé&#xa0;: %n ligne a été ignorée.</numerusform>
            <numerusform>Rien n&apos;a été importé&#xa0;: %n lignes ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file looks semicolon-separated. Mirn reads comma-separated files: save it as CSV with commas between the cells.</source>
        <translation>Le fichier semble séparé par des points-virgules. Mirn lit les fichiers séparés par des virgules&#xa0;: enregistrez-le en CSV avec des virgules entre les cellules.</translation>
    </message>
    <message>
        <source>The file looks tab-separated. Mirn reads comma-separated files: save it as CSV with commas between the cells.</source>
        <translation>Le fichier semble séparé par des tabulations. Mirn lit les fichiers séparés par des virgules&#xa0;: enregistrez-le en CSV avec des virgules entre les cellules.</translation>
    </message>
    <message>
        <source>An .xls workbook holds at most %1 rows and this export needs %2: export to .xlsx instead.</source>
        <translation>Un classeur .xls contient au plus %1 lignes et cette exportation en demande %2&#xa0;: exportez plutôt en .xlsx.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Importing extension %1 (%2)</source>
        <translation>Importation du poste %1 (%2)</translation>
    </message>
    <message>
        <source>Importing extension %1</source>
        <translation>Importation du poste %1</translation>
    </message>
    <message>
        <source>Exporting extension %1 (%2)</source>
        <translation>Exportation du poste %1 (%2)</translation>
    </message>
    <message>
        <source>Exporting extension %1</source>
        <translation>Exportation du poste %1</translation>
    </message>
</context>
<context>
    <name>ExtensionCreator</name>
    <message>
        <source>Replace Extension</source>
        <translation>Remplacer le poste</translation>
    </message>
</context>
<context>
    <name>ExtensionList</name>
    <message>
        <source>Extension ID</source>
        <translation>ID du poste</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(inconnu)</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Reading extensions: %1 of %2</source>
        <translation>Lecture des postes : %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions selected (%1 total)</source>
        <comment>%n extension selected (%1 total)</comment>
        <translation>
            <numerusform>%n poste sélectionné (%1 au total)</numerusform>
            <numerusform>%n postes sélectionnés (%1 au total)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindReplace</name>
    <message>
        <source>The text of extension &quot;%1&quot; could not be stored: %2.</source>
        <translation>Le texte du poste « %1 » n&apos;a pas pu être enregistré : %2.</translation>
    </message>
    <message>
        <source>No more occurrences of &apos;%1&apos; were found.</source>
        <translation>Aucune autre occurrence de « %1 » n&apos;a été trouvée.</translation>
    </message>
</context>
<context>
    <name>GraphicTexts</name>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>Embedded picture</source>
        <translation>Image incorporée</translation>
    </message>
    <message>
        <source>Linked picture</source>
        <translation>Image liée</translation>
    </message>
    <message>
        <source>, locked</source>
        <translation>, verrouillée</translation>
    </message>
    <message>
        <source>, cannot be shown</source>
        <translation>, ne peut pas être affichée</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>%1 x %2 %3</source>
        <translation>%1 × %2 %3</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(introuvable)</translation>
    </message>
    <message>
        <source>(same)</source>
        <translation>(identique)</translation>
    </message>
</context>
<context>
    <name>ImportPreset</name>
    <message>
        <source>&quot;separator&quot; takes &quot;,&quot;, &quot;;&quot; or &quot;tab&quot;</source>
        <translation>« separator » accepte « , », « ; » ou « tab »</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>column &quot;%1&quot;: unknown target &quot;%2&quot;</source>
        <translation>colonne « %1 » : cible inconnue « %2 »</translation>
    </message>
    <message>
        <source>&quot;match&quot; (a list of names) and &quot;columns&quot; (names to targets) are needed: %1</source>
        <translation>« match » (une liste de noms) et « columns » (noms vers cibles) sont nécessaires : %1</translation>
    </message>
    <message>
        <source>&quot;match&quot; names no column</source>
        <translation>« match » ne nomme aucune colonne</translation>
    </message>
</context>
<context>
    <name>LabelGraphicsEditor</name>
    <message>
        <source>Remove this graphic from the label?</source>
        <translation>Retirer cette image de l&apos;étiquette ?</translation>
    </message>
    <message>
        <source>Remove Graphic</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Don&apos;t Remove</source>
        <translation>Ne pas retirer</translation>
    </message>
    <message>
        <source>Windows Metafile pictures (WMF, EMF) cannot be shown on this system.</source>
        <translation>Les images Windows Metafile (WMF, EMF) ne peuvent pas être affichées sur ce système.</translation>
    </message>
</context>
<context>
    <name>LabelViewController</name>
    <message>
        <source>The text could not be copied to the clipboard because another application has locked the clipboard.</source>
        <translation>Le texte n&apos;a pas pu être copié dans le presse-papiers, car une autre application l&apos;a verrouillé.</translation>
    </message>
    <message>
        <source>Extension ‘%1’ — %2</source>
        <translation>Poste «&#xa0;%1&#xa0;» — %2</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>LayoutObjects</name>
    <message>
        <source>Text field</source>
        <translation>Champ de texte</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>Rectangle arrondi</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Dotted frame</source>
        <translation>Cadre pointillé</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
</context>
<context>
    <name>LayoutSaveQuestions</name>
    <message>
        <source>Layout Designer</source>
        <translation>Concepteur de mise en page</translation>
    </message>
    <message>
        <source>The layout was not saved:</source>
        <translation>La mise en page n&apos;a pas été enregistrée :</translation>
    </message>
    <message>
        <source>Please check the layout:</source>
        <translation>Veuillez vérifier la mise en page :</translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation>L&apos;enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Not saved.</source>
        <translation>Non enregistrée.</translation>
    </message>
    <message>
        <source>Save this layout as the new type code %1, or replace the layout of that type code with yours?</source>
        <translation>Enregistrer cette mise en page sous le nouveau code de type %1, ou remplacer la mise en page de ce code de type par la vôtre ?</translation>
    </message>
    <message>
        <source>Save as &amp;New Type Code</source>
        <translation>Enregistrer sous un &amp;nouveau code de type</translation>
    </message>
    <message>
        <source>&amp;Replace Mine</source>
        <translation>&amp;Remplacer la mienne</translation>
    </message>
    <message>
        <source>Save the new layout?</source>
        <translation>Enregistrer la nouvelle mise en page ?</translation>
    </message>
    <message>
        <source>Save the changes to the layout %1?</source>
        <translation>Enregistrer les modifications de la mise en page %1 ?</translation>
    </message>
</context>
<context>
    <name>LayoutSaving</name>
    <message>
        <source>The layout could not be saved in %1: %2.</source>
        <translation>La mise en page n&apos;a pas pu être enregistrée dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>LayoutValidation</name>
    <message>
        <source>%1 holds a character the layout file cannot store.</source>
        <translation>%1 contient un caractère que le fichier de mise en page ne peut pas enregistrer.</translation>
    </message>
    <message>
        <source>%1 must not hold the character U+0000.</source>
        <translation>%1 ne doit pas contenir le caractère U+0000.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; its field in the layout file holds %3.</source>
        <translation>%1 compte %2 caractères ; son champ dans le fichier de mise en page en contient %3.</translation>
    </message>
    <message>
        <source>The type code</source>
        <translation>Le code de type</translation>
    </message>
    <message>
        <source>The maker&apos;s name</source>
        <translation>Le nom du fabricant</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Le nom</translation>
    </message>
    <message>
        <source>The label needs a width and a height above zero.</source>
        <translation>L&apos;étiquette doit avoir une largeur et une hauteur supérieures à zéro.</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Étiquette %1</translation>
    </message>
    <message>
        <source>The layout has no type code.</source>
        <translation>La mise en page n&apos;a pas de code de type.</translation>
    </message>
    <message>
        <source>The sheet&apos;s description</source>
        <translation>La description de la planche</translation>
    </message>
    <message>
        <source>The type code %1 is already used by the layout &quot;%2&quot; (%3).</source>
        <translation>Le code de type %1 est déjà utilisé par la mise en page « %2 » (%3).</translation>
    </message>
    <message>
        <source>%1 and %2 use the same id %3; every object needs an id of its own.</source>
        <translation>%1 et %2 utilisent le même ID %3 ; chaque objet doit avoir son propre ID.</translation>
    </message>
    <message>
        <source>%1: ids 1 to 1024 are kept for pictures; give the field an id of 1025 or above.</source>
        <translation>%1 : les ID 1 à 1024 sont réservés aux images ; donnez au champ un ID de 1025 ou plus.</translation>
    </message>
    <message>
        <source>%1: its text is %2 characters long; its field in the layout file holds %3.</source>
        <translation>%1 : son texte compte %2 caractères ; son champ dans le fichier de mise en page en contient %3.</translation>
    </message>
    <message>
        <source>%1 reaches outside the label.</source>
        <translation>%1 dépasse de l&apos;étiquette.</translation>
    </message>
    <message>
        <source>The layout has no labels on the sheet, so it cannot be printed.</source>
        <translation>La mise en page n&apos;a aucune étiquette sur la planche ; elle ne peut donc pas être imprimée.</translation>
    </message>
    <message>
        <source>%1 landscape sheet</source>
        <translation>planche %1 en paysage</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>planche %1</translation>
    </message>
    <message>
        <source>%1 does not lie whole on the %2.</source>
        <translation>%1 ne tient pas entièrement sur la %2.</translation>
    </message>
    <message>
        <source>Labels %1 and %2 overlap.</source>
        <translation>Les étiquettes %1 et %2 se chevauchent.</translation>
    </message>
    <message>
        <source>%1: its text is longer than the %2 characters its field in the layout file holds.</source>
        <translation>%1 : son texte dépasse les %2 caractères que contient son champ dans le fichier de mise en page.</translation>
    </message>
    <message>
        <source>%1: the text</source>
        <translation>Le texte de %1</translation>
    </message>
</context>
<context>
    <name>LegacyReader</name>
    <message>
        <source>the column %1 is missing or not text</source>
        <translation>la colonne %1 manque ou ne contient pas de texte</translation>
    </message>
    <message>
        <source>the column %1 is missing or not a number</source>
        <translation>la colonne %1 manque ou ne contient pas de nombre</translation>
    </message>
    <message>
        <source>could not create the database schema: %1</source>
        <translation>impossible de créer le schéma de la base de données&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not add %1: %2</source>
        <translation>impossible d&apos;ajouter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>extension %1</source>
        <translation>le poste %1</translation>
    </message>
    <message>
        <source>the field number of row %1 is out of range</source>
        <translation>le numéro de champ de la ligne %1 est hors limites</translation>
    </message>
    <message>
        <source>field %1 of extension %2</source>
        <translation>le champ %1 du poste %2</translation>
    </message>
    <message>
        <source>could not create the converted database</source>
        <translation>impossible de créer la base de données convertie</translation>
    </message>
    <message>
        <source>could not commit the converted database: %1</source>
        <translation>impossible de valider la base de données convertie&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file is too short (%1 bytes) to hold a legacy database header</source>
        <translation>le fichier est trop court (%1 octets) pour contenir l&apos;en-tête d&apos;une ancienne base de données</translation>
    </message>
    <message>
        <source>the file has no legacy database marker</source>
        <translation>le fichier ne porte pas la marque d&apos;une ancienne base de données</translation>
    </message>
    <message>
        <source>could not create the temporary file %1: %2</source>
        <translation>impossible de créer le fichier temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>could not write the temporary file %1</source>
        <translation>impossible d&apos;écrire le fichier temporaire %1</translation>
    </message>
    <message>
        <source>could not write the temporary file %1: %2</source>
        <translation>impossible d&apos;écrire le fichier temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>could not create the converted database file</source>
        <translation>impossible de créer le fichier de la base de données convertie</translation>
    </message>
    <message>
        <source>the extension index inside the file</source>
        <translation>l&apos;index des postes dans le fichier</translation>
    </message>
    <message>
        <source>the field memo inside the file</source>
        <translation>les textes des champs dans le fichier</translation>
    </message>
    <message>
        <source>the field index inside the file</source>
        <translation>l&apos;index des champs dans le fichier</translation>
    </message>
    <message>
        <source>the extension table inside the file</source>
        <translation>la table des postes dans le fichier</translation>
    </message>
    <message>
        <source>the field table inside the file</source>
        <translation>la table des champs dans le fichier</translation>
    </message>
    <message>
        <source>could not open the converted database: %1</source>
        <translation>impossible d&apos;ouvrir la base de données convertie&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not write the decoded data</source>
        <translation>impossible d&apos;écrire les données décompressées</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>séquence d&apos;échappement non valide</translation>
    </message>
    <message>
        <source>unexpected end of data</source>
        <translation>fin inattendue des données</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Nouvelle base de données</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>&amp;Ouvrir une base de données...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import Data</source>
        <translation>&amp;Importer des données</translation>
    </message>
    <message>
        <source>Con&amp;figure Data Import</source>
        <translation>Con&amp;figurer l&apos;importation</translation>
    </message>
    <message>
        <source>Export to &amp;CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Export to &amp;Excel...</source>
        <translation>Exporter vers E&amp;xcel...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Show the sheets as they will print</source>
        <translation>Affiche les planches telles qu&apos;elles seront imprimées</translation>
    </message>
    <message>
        <source>Precise Printer A&amp;djustment...</source>
        <translation>A&amp;justement précis de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undoes the last change to a label&apos;s fields</source>
        <translation>Annule la dernière modification des champs d&apos;une étiquette</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>Redoes the change that was undone last</source>
        <translation>Rétablit la dernière modification annulée</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>&amp;Désélectionner tout</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Rem&amp;placer...</translation>
    </message>
    <message>
        <source>Edit &amp;Text</source>
        <translation>&amp;Modifier le texte</translation>
    </message>
    <message>
        <source>Copy &amp;Styles...</source>
        <translation>Copier les &amp;styles...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Extension List</source>
        <translation>&amp;Liste des postes</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>&amp;50%</source>
        <translation>&amp;50 %</translation>
    </message>
    <message>
        <source>&amp;75%</source>
        <translation>&amp;75 %</translation>
    </message>
    <message>
        <source>&amp;100%</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>15&amp;0%</source>
        <translation>15&amp;0 %</translation>
    </message>
    <message>
        <source>&amp;200%</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisé...</translation>
    </message>
    <message>
        <source>Fit to Window &amp;Width</source>
        <translation>Ajuster à la &amp;largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Fit &amp;Entire Label</source>
        <translation>Afficher l&apos;étiquette &amp;entière</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Aligner</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>Aligner à &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrer</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>Aligner à &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Full Justify</source>
        <translation>&amp;Justifier</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Grow Font</source>
        <translation>Agran&amp;dir la police</translation>
    </message>
    <message>
        <source>S&amp;hrink Font</source>
        <translation>&amp;Réduire la police</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>C&amp;ouleur</translation>
    </message>
    <message>
        <source>&amp;Other Color...</source>
        <translation>&amp;Autre couleur...</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Faire pivoter</translation>
    </message>
    <message>
        <source>Re&amp;verse Rotate</source>
        <translation>Pivoter en sens in&amp;verse</translation>
    </message>
    <message>
        <source>&amp;Logo or Picture...</source>
        <translation>&amp;Logo ou image...</translation>
    </message>
    <message>
        <source>Lin&amp;ked Picture...</source>
        <translation>&amp;Image liée...</translation>
    </message>
    <message>
        <source>Graphic &amp;Properties...</source>
        <translation>&amp;Propriétés de l&apos;image...</translation>
    </message>
    <message>
        <source>Re&amp;move Graphic</source>
        <translation>&amp;Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>C&amp;odes</source>
        <translation>C&amp;odes</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Personnaliser...</translation>
    </message>
    <message>
        <source>Extension &amp;ID</source>
        <translation>&amp;ID du poste</translation>
    </message>
    <message>
        <source>Extension &amp;Name</source>
        <translation>&amp;Nom du poste</translation>
    </message>
    <message>
        <source>&amp;Other Extension&apos;s Name...</source>
        <translation>Nom d&apos;un &amp;autre poste...</translation>
    </message>
    <message>
        <source>&amp;New Extension...</source>
        <translation>&amp;Nouveau poste...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Custom Codes...</source>
        <translation>Codes &amp;personnalisés...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>&amp;Astuce du jour...</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Premiers pas</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Updates O&amp;ptions...</source>
        <translation>&amp;Options de mise à jour...</translation>
    </message>
    <message>
        <source>&amp;Contact Support...</source>
        <translation>&amp;Contacter l&apos;assistance...</translation>
    </message>
    <message>
        <source>&amp;About Mirn...</source>
        <translation>À propos &amp;de Mirn...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>&amp;Maroon</source>
        <translation>&amp;Marron</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Olive</source>
        <translation>&amp;Olive</translation>
    </message>
    <message>
        <source>&amp;Navy</source>
        <translation>&amp;Bleu marine</translation>
    </message>
    <message>
        <source>&amp;Purple</source>
        <translation>V&amp;iolet</translation>
    </message>
    <message>
        <source>&amp;Teal</source>
        <translation>Bleu-ver&amp;t</translation>
    </message>
    <message>
        <source>Gr&amp;ay</source>
        <translation>Gri&amp;s</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>Ar&amp;gent</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Lime</source>
        <translation>Vert &amp;clair</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Jaune</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>Ble&amp;u</translation>
    </message>
    <message>
        <source>&amp;Fuchsia</source>
        <translation>&amp;Fuchsia</translation>
    </message>
    <message>
        <source>A&amp;qua</source>
        <translation>C&amp;yan</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>B&amp;lanc</translation>
    </message>
    <message>
        <source>&amp;Layout Designer...</source>
        <translation>&amp;Concepteur de mise en page...</translation>
    </message>
    <message>
        <source>Makes a layout for your telephone&apos;s labels, or changes one</source>
        <translation>Crée ou modifie une mise en page pour les étiquettes de votre téléphone</translation>
    </message>
    <message>
        <source>&amp;Edit Layout...</source>
        <translation>&amp;Modifier la mise en page...</translation>
    </message>
    <message>
        <source>Opens the layout of the selected extension in the layout designer</source>
        <translation>Ouvre la mise en page du poste sélectionné dans le concepteur</translation>
    </message>
    <message>
        <source>Shrink to &amp;Fit</source>
        <translation>Aj&amp;uster au champ</translation>
    </message>
    <message>
        <source>Makes the selected fields&apos; text smaller until it fits them</source>
        <translation>Réduit le texte des champs sélectionnés jusqu&apos;à ce qu&apos;il y tienne</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>Ne plus me demander</translation>
    </message>
    <message>
        <source>Don&apos;t tell me again</source>
        <translation>Ne plus m&apos;avertir</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Ne plus afficher</translation>
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
        <source>&amp;Abort</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>S&amp;kip All</source>
        <translation>&amp;Tout ignorer</translation>
    </message>
    <message>
        <source>I&amp;gnore All</source>
        <translation>I&amp;gnorer tout</translation>
    </message>
    <message>
        <source>Y&amp;es to All</source>
        <translation>O&amp;ui pour tout</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;on pour tout</translation>
    </message>
</context>
<context>
    <name>MirnHelp</name>
    <message>
        <source>Mirn designs, keeps and prints the paper labels beside the buttons of desk telephones.

Switches (written with / or -, in any case):
  /P FILE          print every label of the database FILE on the current printer and close
  /I FILE.csv      import the CSV file into a new database, then delete the CSV file
  /NODELETE        with /I: keep the CSV file
  /I FILE.csv /P   import, print the labels and close

mirn-cli does the same work from scripts; see mirn-cli(1).</source>
        <translation>Mirn conçoit, conserve et imprime les étiquettes de touche en papier placées à côté des touches des téléphones de bureau.

Commutateurs (écrits avec / ou -, majuscules ou minuscules)&#xa0;:
  /P FICHIER       imprime toutes les étiquettes de la base FICHIER sur l&apos;imprimante actuelle et quitte
  /I FICHIER.csv   importe le fichier CSV dans une nouvelle base, puis supprime le fichier CSV
  /NODELETE        avec /I&#xa0;: garde le fichier CSV
  /I FICHIER.csv /P importe, imprime les étiquettes et quitte

mirn-cli fait le même travail depuis des scripts ; voir mirn-cli(1).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>A label database (.mrb) to open.</source>
        <translation>Une base d&apos;étiquettes (.mrb) à ouvrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Found new layouts</source>
        <translation>Nouvelles mises en page trouvées</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Feedback sent</source>
        <translation>Commentaires envoyés</translation>
    </message>
</context>
<context>
    <name>OverflowQuestion</name>
    <message>
        <source>Shrink to &amp;Fit</source>
        <translation>&amp;Ajuster au champ</translation>
    </message>
    <message>
        <source>&amp;Show Them</source>
        <translation>&amp;Les afficher</translation>
    </message>
    <message>
        <source>&amp;Print Anyway</source>
        <translation>&amp;Imprimer quand même</translation>
    </message>
    <message>
        <source>Extension %1, field %2: %3</source>
        <translation>Poste %1, champ %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <comment>... and %n more</comment>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfTarget</name>
    <message>
        <source>Mirn PDF writer</source>
        <translation>Générateur PDF de Mirn</translation>
    </message>
    <message>
        <source>A file you choose</source>
        <translation>Un fichier de votre choix</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Imprimer en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf|Tous les fichiers (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows Bitmap (BMP)</source>
        <translation>Bitmap Windows (BMP)</translation>
    </message>
    <message>
        <source>Enhanced Metafile (EMF)</source>
        <translation>Métafichier amélioré (EMF)</translation>
    </message>
    <message>
        <source>Graphics Interchange Format (GIF)</source>
        <translation>Graphics Interchange Format (GIF)</translation>
    </message>
    <message>
        <source>Portable Network Graphics (PNG)</source>
        <translation>Portable Network Graphics (PNG)</translation>
    </message>
    <message>
        <source>Tagged Image File Format (TIFF)</source>
        <translation>Tagged Image File Format (TIFF)</translation>
    </message>
    <message>
        <source>Windows Metafile (WMF)</source>
        <translation>Métafichier Windows (WMF)</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (SVG)</source>
        <translation>Graphiques vectoriels adaptables (SVG)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The adjustment could not be saved in %1.</source>
        <translation>L&apos;ajustement n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Print Test Sheet</source>
        <translation>Imprimer une planche de test</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message numerus="yes">
        <source>Ready to print %n labels</source>
        <comment>Ready to print %n label</comment>
        <translation>
            <numerusform>Prêt à imprimer %n étiquette</numerusform>
            <numerusform>Prêt à imprimer %n étiquettes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n of each label)</source>
        <comment>(%n of each label)</comment>
        <translation>
            <numerusform>(%n exemplaire par étiquette)</numerusform>
            <numerusform>(%n exemplaires par étiquette)</numerusform>
        </translation>
    </message>
    <message>
        <source>Label type: %1</source>
        <translation>Type d&apos;étiquette : %1</translation>
    </message>
    <message>
        <source>Number of Mirn sheets required: %1</source>
        <translation>Nombre de planches Mirn nécessaires : %1</translation>
    </message>
    <message>
        <source>This layout has more than one label per page. If you want to start printing on a label other than the first label, click &quot;Choose Label&quot;.</source>
        <translation>Cette mise en page comporte plusieurs étiquettes par planche. Pour commencer l&apos;impression sur une autre étiquette que la première, cliquez sur « Choisir l&apos;étiquette ».</translation>
    </message>
    <message>
        <source>&amp;Choose Label...</source>
        <translation>&amp;Choisir l&apos;étiquette...</translation>
    </message>
    <message>
        <source>Select First Label</source>
        <translation>Choisir la première étiquette</translation>
    </message>
    <message>
        <source>There are multiple labels per sheet.

Please select the first label on which to print.</source>
        <translation>Une planche contient plusieurs étiquettes.

Veuillez choisir la première étiquette à imprimer.</translation>
    </message>
    <message>
        <source>The highlighted label is the first label that will be printed.</source>
        <translation>L&apos;étiquette en surbrillance est la première qui sera imprimée.</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Étiquette %1</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>Impression de %1...</translation>
    </message>
    <message>
        <source>No printers are available.</source>
        <translation>Aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>Do you have a printer installed? I could not find one.

Please install a printer and try again.</source>
        <translation>Une imprimante est-elle installée ? Aucune n&apos;a été trouvée.

Veuillez installer une imprimante et réessayer.</translation>
    </message>
    <message>
        <source>Unable to print because a printing error has occurred.</source>
        <translation>Impossible d&apos;imprimer : une erreur d&apos;impression s&apos;est produite.</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; could not be selected. Please update or re-install the printer driver.

Reverting to previously-selected printer.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu être sélectionnée. Veuillez mettre à jour ou réinstaller le pilote d&apos;imprimante.

Retour à l&apos;imprimante sélectionnée précédemment.</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions selected</source>
        <comment>%n extension selected</comment>
        <translation>
            <numerusform>%n poste sélectionné</numerusform>
            <numerusform>%n postes sélectionnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields have more text than fits in them; they will print cut off.</source>
        <comment>%n field has more text than fits in it; it will print cut off.</comment>
        <translation>
            <numerusform>%n champ contient plus de texte qu&apos;il ne peut en afficher ; il sera imprimé tronqué.</numerusform>
            <numerusform>%n champs contiennent plus de texte qu&apos;ils ne peuvent en afficher ; ils seront imprimés tronqués.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PrinterStatus</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The printer is being deleted</source>
        <translation>L&apos;imprimante est en cours de suppression</translation>
    </message>
    <message>
        <source>Paper jam</source>
        <translation>Bourrage papier</translation>
    </message>
    <message>
        <source>Out of paper</source>
        <translation>Plus de papier</translation>
    </message>
    <message>
        <source>Manual feed</source>
        <translation>Alimentation manuelle</translation>
    </message>
    <message>
        <source>Paper problem</source>
        <translation>Problème de papier</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupée</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Output bin full</source>
        <translation>Bac de sortie plein</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Processing a print job</source>
        <translation>Traitement d&apos;un travail d&apos;impression</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>Préchauffage</translation>
    </message>
    <message>
        <source>Low toner</source>
        <translation>Toner faible</translation>
    </message>
    <message>
        <source>Out of toner</source>
        <translation>Plus de toner</translation>
    </message>
    <message>
        <source>Cannot print the current page</source>
        <translation>Impossible d&apos;imprimer la page en cours</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Printer door open</source>
        <translation>Capot de l&apos;imprimante ouvert</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Power save mode</source>
        <translation>Mode économie d&apos;énergie</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n documents waiting</source>
        <comment>%1; %n document waiting</comment>
        <translation>
            <numerusform>%1 ; %n document en attente</numerusform>
            <numerusform>%1 ; %n documents en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prête</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; no warranty.</source>
        <translation>Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure ; sans garantie.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Inserts this custom code</source>
        <translation>Insère ce code personnalisé</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
Le dossier n&apos;existe pas.
Vérifiez le chemin et réessayez.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SheetFit</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n labels would be cut off</source>
        <comment>%n label would be cut off</comment>
        <translation>
            <numerusform>%n étiquette serait tronquée</numerusform>
            <numerusform>%n étiquettes seraient tronquées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <comment>%1 and %n more</comment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: labels %2 of the sheet reach past the edge of what the printer can print on this paper.</source>
        <comment>%1: label %2 of the sheet reaches past the edge of what the printer can print on this paper.</comment>
        <translation>
            <numerusform>%1&#xa0;: l&apos;étiquette %2 de la planche dépasse le bord de ce que l&apos;imprimante peut imprimer sur ce papier.</numerusform>
            <numerusform>%1&#xa0;: les étiquettes %2 de la planche dépassent le bord de ce que l&apos;imprimante peut imprimer sur ce papier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Reading Layouts</source>
        <translation>Lecture des mises en page</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n new layouts</source>
        <comment>Found %n new layout</comment>
        <translation>
            <numerusform>%n nouvelle mise en page trouvée</numerusform>
            <numerusform>%n nouvelles mises en page trouvées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registered %n new layouts</source>
        <comment>Registered %n new layout</comment>
        <translation>
            <numerusform>%n nouvelle mise en page enregistrée</numerusform>
            <numerusform>%n nouvelles mises en page enregistrées</numerusform>
        </translation>
    </message>
    <message>
        <source>Another app requested that Mirn automatically import data, but Mirn was unable to open the requested import file.

The import file path was:

%1

No data has been imported.</source>
        <translation>Une autre application a demandé à Mirn d&apos;importer des données, mais Mirn n&apos;a pas pu ouvrir le fichier d&apos;importation.

Chemin du fichier d&apos;importation :

%1

Aucune donnée n&apos;a été importée.</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Welcome to Mirn!

Would you like to view a short &quot;Getting Started&quot; video?</source>
        <translation>Bienvenue dans Mirn !

Voulez-vous regarder une courte vidéo « Premiers pas » ?</translation>
    </message>
    <message>
        <source>If you want to watch the video later, it&apos;s in the &quot;Help&quot; menu.</source>
        <translation>Vous retrouverez la vidéo plus tard dans le menu « Aide ».</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message numerus="yes">
        <source>%n extensions in database</source>
        <comment>%n extension in database</comment>
        <translation>
            <numerusform>%n poste dans la base de données</numerusform>
            <numerusform>%n postes dans la base de données</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n selected)</source>
        <comment>(%n selected)</comment>
        <translation>
            <numerusform>(%n sélectionné)</numerusform>
            <numerusform>(%n sélectionnés)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>A label for extension &quot;%s&quot; already exists in this database. Do you want to replace it with the one you&apos;re importing?</source>
        <translation>Une étiquette pour le poste « %s » existe déjà dans cette base de données. Voulez-vous la remplacer par celle que vous importez ?</translation>
    </message>
    <message>
        <source>There is already an extension with the name:

%s

Do you want to overwrite it with the new extension you are creating?</source>
        <translation>Il existe déjà un poste portant le nom :

%s

Voulez-vous le remplacer par le nouveau poste que vous créez ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>No Template</source>
        <translation>Aucun modèle</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Fi&amp;nish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Yes, create all %1 extensions!</source>
        <translation>&amp;Oui, créer les %1 postes !</translation>
    </message>
    <message>
        <source>Name Extensions (Page %1 of %2)</source>
        <translation>Nommer les postes (page %1 sur %2)</translation>
    </message>
    <message>
        <source>Delete the selected extensions?</source>
        <translation>Supprimer les postes sélectionnés ?</translation>
    </message>
    <message>
        <source>Text Editor</source>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <source>in</source>
        <translation>po</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>&amp;No, just create one extension with ID: &quot;%1&quot;</source>
        <translation>&amp;Non, créer un seul poste avec l&apos;ID « %1 »</translation>
    </message>
    <message>
        <source>Link to Graphic</source>
        <translation>Lien vers l&apos;image</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>Color;Changes the colour of the selected text</source>
        <translation>Couleur;Change la couleur du texte sélectionné</translation>
    </message>
    <message>
        <source>Bold (Ctrl+B);Makes the selected text bold</source>
        <translation>Gras (Ctrl+B);Met le texte sélectionné en gras</translation>
    </message>
    <message>
        <source>Italic (Ctrl+I);Makes the selected text italic</source>
        <translation>Italique (Ctrl+I);Met le texte sélectionné en italique</translation>
    </message>
    <message>
        <source>Font Name;Changes the font of the selected text</source>
        <translation>Police;Change la police du texte sélectionné</translation>
    </message>
    <message>
        <source>Font Size;Changes the size of the selected text</source>
        <translation>Taille de police;Change la taille du texte sélectionné</translation>
    </message>
    <message>
        <source>Grow Font;Makes the selected text larger</source>
        <translation>Agrandir la police;Agrandit le texte sélectionné</translation>
    </message>
    <message>
        <source>Shrink Font;Makes the selected text smaller</source>
        <translation>Réduire la police;Réduit le texte sélectionné</translation>
    </message>
    <message>
        <source>Codes;Inserts a code into the field</source>
        <translation>Codes;Insère un code dans le champ</translation>
    </message>
    <message>
        <source>Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||</source>
        <translation>Base de données Mirn (*.mrb)|*.mrb|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>%1
Mirn cannot find this file.</source>
        <translation>%1
Mirn ne trouve pas ce fichier.</translation>
    </message>
    <message>
        <source>%1

Mirn cannot open this file.

The file may not be compatible with this version of Mirn, or it may not exist, may be a read-only file, or may be opened by another process.</source>
        <translation>%1

Mirn ne peut pas ouvrir ce fichier.

Le fichier n&apos;est peut-être pas compatible avec cette version de Mirn, n&apos;existe pas, est en lecture seule ou est ouvert par un autre programme.</translation>
    </message>
    <message>
        <source>Running filter %1...</source>
        <translation>Exécution du filtre %1...</translation>
    </message>
    <message>
        <source>Mirn Database (*.mrb)|*.mrb||</source>
        <translation>Base de données Mirn (*.mrb)|*.mrb||</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Supported Graphics|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf;*.svg|All Files (*.*)|*.*||</source>
        <translation>Images prises en charge|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf;*.svg|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Could not insert the picture.
You have reached the maximum number of pictures that can be inserted into a single extension.</source>
        <translation>Impossible d&apos;insérer l&apos;image.
Ce poste contient déjà le nombre maximal d&apos;images.</translation>
    </message>
    <message>
        <source>%1
The picture could not be opened.
It may have been saved in a format that this program does not recognize, or it may be a damaged file.</source>
        <translation>%1
Impossible d&apos;ouvrir l&apos;image.
Elle est peut-être enregistrée dans un format que ce programme ne reconnaît pas, ou le fichier est endommagé.</translation>
    </message>
    <message>
        <source>This is a locked graphic. It cannot be moved, resized or deleted.</source>
        <translation>Cette image est verrouillée. Elle ne peut être ni déplacée, ni redimensionnée, ni supprimée.</translation>
    </message>
    <message>
        <source>&amp;Show the Tip of the Day each time you start Mirn</source>
        <translation>&amp;Afficher l&apos;astuce du jour à chaque démarrage de Mirn</translation>
    </message>
    <message>
        <source>Could not locate the Layout Template files.

Many features will be disabled until you install the Layout Templates (also known as DDF files).</source>
        <translation>Les fichiers de modèles de mise en page sont introuvables.

De nombreuses fonctions restent désactivées tant que les modèles de mise en page (fichiers DDF) ne sont pas installés.</translation>
    </message>
    <message>
        <source>Mirn could not create a new file.

The program cannot continue.</source>
        <translation>Mirn n&apos;a pas pu créer de nouveau fichier.

Le programme ne peut pas continuer.</translation>
    </message>
    <message>
        <source>%1
Mirn could not open an Add-On file.
The current function cannot be completed.</source>
        <translation>%1
Mirn n&apos;a pas pu ouvrir un fichier complémentaire.
L&apos;opération en cours ne peut pas aboutir.</translation>
    </message>
    <message>
        <source>Cannot change &apos;%1&apos; to &apos;%2&apos; because there is already an extension with that ID. Specify a different extension ID.</source>
        <translation>Impossible de remplacer « %1 » par « %2 » : un poste porte déjà cet ID. Indiquez un autre ID de poste.</translation>
    </message>
    <message>
        <source>%1
Could not locate an Add-On file. You will not be able to edit this extension until the file is installed.</source>
        <translation>%1
Un fichier complémentaire est introuvable. Ce poste ne pourra pas être modifié tant que le fichier n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>New Extension (Ctrl+N);Adds new extensions to the database</source>
        <translation>Nouveau poste (Ctrl+N);Ajoute de nouveaux postes à la base de données</translation>
    </message>
    <message>
        <source>Delete;Deletes the selected extensions</source>
        <translation>Supprimer;Supprime les postes sélectionnés</translation>
    </message>
    <message>
        <source>Change Name;Changes the name of the selected extension</source>
        <translation>Changer le nom;Change le nom du poste sélectionné</translation>
    </message>
    <message>
        <source>Unselect All;Clears the selection</source>
        <translation>Désélectionner tout;Annule la sélection</translation>
    </message>
    <message>
        <source>Extension List (Ctrl+E);Widens or narrows the extension list</source>
        <translation>Liste des postes (Ctrl+E);Élargit ou rétrécit la liste des postes</translation>
    </message>
    <message>
        <source>Zoom 50%;Shows the label at 50 percent</source>
        <translation>Zoom 50 %;Affiche l&apos;étiquette à 50 pour cent</translation>
    </message>
    <message>
        <source>Zoom 75%;Shows the label at 75 percent</source>
        <translation>Zoom 75 %;Affiche l&apos;étiquette à 75 pour cent</translation>
    </message>
    <message>
        <source>Zoom 100%;Shows the label at its actual size</source>
        <translation>Zoom 100 %;Affiche l&apos;étiquette à sa taille réelle</translation>
    </message>
    <message>
        <source>Zoom 150%;Shows the label at 150 percent</source>
        <translation>Zoom 150 %;Affiche l&apos;étiquette à 150 pour cent</translation>
    </message>
    <message>
        <source>Zoom 200%;Shows the label at 200 percent</source>
        <translation>Zoom 200 %;Affiche l&apos;étiquette à 200 pour cent</translation>
    </message>
    <message>
        <source>Custom Zoom;Shows the label at a size you choose</source>
        <translation>Zoom personnalisé;Affiche l&apos;étiquette à la taille de votre choix</translation>
    </message>
    <message>
        <source>Fit to Window Width;Fits the label to the width of the window</source>
        <translation>Ajuster à la largeur;Ajuste l&apos;étiquette à la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Fit Entire Label;Fits the whole label into the window</source>
        <translation>Étiquette entière;Affiche toute l&apos;étiquette dans la fenêtre</translation>
    </message>
    <message>
        <source>Change Extension ID;Changes the ID of the selected extension</source>
        <translation>Changer l&apos;ID du poste;Change l&apos;ID du poste sélectionné</translation>
    </message>
    <message>
        <source>Edit Text;Edits the text of the selected field</source>
        <translation>Modifier le texte;Modifie le texte du champ sélectionné</translation>
    </message>
    <message>
        <source>Align Left;Aligns the field&apos;s text to the left</source>
        <translation>Aligner à gauche;Aligne le texte du champ à gauche</translation>
    </message>
    <message>
        <source>Center;Centres the field&apos;s text</source>
        <translation>Centrer;Centre le texte du champ</translation>
    </message>
    <message>
        <source>Align Right;Aligns the field&apos;s text to the right</source>
        <translation>Aligner à droite;Aligne le texte du champ à droite</translation>
    </message>
    <message>
        <source>Font;Changes the font of the selected text</source>
        <translation>Police;Change la police du texte sélectionné</translation>
    </message>
    <message>
        <source>Insert Logo or Picture;Inserts a picture into the label</source>
        <translation>Insérer un logo ou une image;Insère une image dans l&apos;étiquette</translation>
    </message>
    <message>
        <source>Black;Colours the selected text black</source>
        <translation>Noir;Colore le texte sélectionné en noir</translation>
    </message>
    <message>
        <source>Maroon;Colours the selected text maroon</source>
        <translation>Marron;Colore le texte sélectionné en marron</translation>
    </message>
    <message>
        <source>Green;Colours the selected text green</source>
        <translation>Vert;Colore le texte sélectionné en vert</translation>
    </message>
    <message>
        <source>Olive;Colours the selected text olive</source>
        <translation>Olive;Colore le texte sélectionné en olive</translation>
    </message>
    <message>
        <source>Navy;Colours the selected text navy</source>
        <translation>Bleu marine;Colore le texte sélectionné en bleu marine</translation>
    </message>
    <message>
        <source>Purple;Colours the selected text purple</source>
        <translation>Violet;Colore le texte sélectionné en violet</translation>
    </message>
    <message>
        <source>Teal;Colours the selected text teal</source>
        <translation>Bleu-vert;Colore le texte sélectionné en bleu-vert</translation>
    </message>
    <message>
        <source>Gray;Colours the selected text gray</source>
        <translation>Gris;Colore le texte sélectionné en gris</translation>
    </message>
    <message>
        <source>Silver;Colours the selected text silver</source>
        <translation>Argent;Colore le texte sélectionné en argent</translation>
    </message>
    <message>
        <source>Red;Colours the selected text red</source>
        <translation>Rouge;Colore le texte sélectionné en rouge</translation>
    </message>
    <message>
        <source>Lime;Colours the selected text lime</source>
        <translation>Vert clair;Colore le texte sélectionné en vert clair</translation>
    </message>
    <message>
        <source>Yellow;Colours the selected text yellow</source>
        <translation>Jaune;Colore le texte sélectionné en jaune</translation>
    </message>
    <message>
        <source>Blue;Colours the selected text blue</source>
        <translation>Bleu;Colore le texte sélectionné en bleu</translation>
    </message>
    <message>
        <source>Fuchsia;Colours the selected text fuchsia</source>
        <translation>Fuchsia;Colore le texte sélectionné en fuchsia</translation>
    </message>
    <message>
        <source>Aqua;Colours the selected text aqua</source>
        <translation>Cyan;Colore le texte sélectionné en cyan</translation>
    </message>
    <message>
        <source>White;Colours the selected text white</source>
        <translation>Blanc;Colore le texte sélectionné en blanc</translation>
    </message>
    <message>
        <source>Other Color;Chooses any colour for the selected text</source>
        <translation>Autre couleur;Choisit une couleur quelconque pour le texte sélectionné</translation>
    </message>
    <message>
        <source>Precise Printer Adjustment;Corrects where the selected printer places the labels</source>
        <translation>Ajustement précis de l&apos;imprimante;Corrige l&apos;endroit où l&apos;imprimante choisie place les étiquettes</translation>
    </message>
    <message>
        <source>Rotate (Ctrl+R);Rotates the selected field clockwise</source>
        <translation>Faire pivoter (Ctrl+R);Fait pivoter le champ sélectionné dans le sens horaire</translation>
    </message>
    <message>
        <source>Reverse Rotate (Ctrl+Shift+R);Rotates the selected field anticlockwise</source>
        <translation>Pivoter en sens inverse (Ctrl+Maj+R);Fait pivoter le champ sélectionné dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Copy Styles;Copies text styles and pictures from one extension to others of the same type</source>
        <translation>Copier les styles;Copie les styles de texte et les images d&apos;un poste vers d&apos;autres du même type</translation>
    </message>
    <message>
        <source>Options;Sets the default font, alignment, zoom and start-up tips</source>
        <translation>Options;Définit la police, l&apos;alignement, le zoom par défaut et les astuces au démarrage</translation>
    </message>
    <message>
        <source>Custom Codes;Defines your own codes</source>
        <translation>Codes personnalisés;Définit vos propres codes</translation>
    </message>
    <message>
        <source>Insert Other Extension&apos;s Name;Inserts the code of another extension&apos;s name</source>
        <translation>Insérer le nom d&apos;un autre poste;Insère le code du nom d&apos;un autre poste</translation>
    </message>
    <message>
        <source>Customize;Defines your own codes</source>
        <translation>Personnaliser;Définit vos propres codes</translation>
    </message>
    <message>
        <source>Insert Extension ID;Inserts the code of the extension&apos;s ID</source>
        <translation>Insérer l&apos;ID du poste;Insère le code de l&apos;ID du poste</translation>
    </message>
    <message>
        <source>Insert Extension Name;Inserts the code of this extension&apos;s name</source>
        <translation>Insérer le nom du poste;Insère le code du nom de ce poste</translation>
    </message>
    <message>
        <source>Properties;Shows and changes the selected extension&apos;s ID, name and layout</source>
        <translation>Propriétés;Affiche et modifie l&apos;ID, le nom et la mise en page du poste sélectionné</translation>
    </message>
    <message>
        <source>Refresh (F5);Redraws the extension list</source>
        <translation>Actualiser (F5);Redessine la liste des postes</translation>
    </message>
    <message>
        <source>Graphic Properties;Shows the position and size of the selected picture</source>
        <translation>Propriétés de l&apos;image;Affiche la position et la taille de l&apos;image sélectionnée</translation>
    </message>
    <message>
        <source>Remove Graphic;Removes the selected picture from the label</source>
        <translation>Supprimer l&apos;image;Retire l&apos;image sélectionnée de l&apos;étiquette</translation>
    </message>
    <message>
        <source>Tip of the Day;Shows a tip about using Mirn</source>
        <translation>Astuce du jour;Affiche une astuce sur l&apos;utilisation de Mirn</translation>
    </message>
    <message>
        <source>Full Justify;Spreads the field&apos;s lines over the whole width</source>
        <translation>Justifier;Répartit les lignes du champ sur toute la largeur</translation>
    </message>
    <message>
        <source>Getting Started;Opens the Getting Started guide in your browser</source>
        <translation>Premiers pas;Ouvre le guide « Premiers pas » dans votre navigateur</translation>
    </message>
    <message>
        <source>Align;Changes the alignment of the field&apos;s text</source>
        <translation>Aligner;Change l&apos;alignement du texte du champ</translation>
    </message>
    <message>
        <source>Export to Excel;Writes the extensions of this database to an Excel workbook</source>
        <translation>Exporter vers Excel;Écrit les postes de cette base de données dans un classeur Excel</translation>
    </message>
    <message>
        <source>Export to CSV;Writes the extensions of this database to a CSV file</source>
        <translation>Exporter en CSV;Écrit les postes de cette base de données dans un fichier CSV</translation>
    </message>
    <message>
        <source>Import Data;Imports extensions from a CSV file, another database or an import filter</source>
        <translation>Importer des données;Importe des postes depuis un fichier CSV, une autre base de données ou un filtre d&apos;importation</translation>
    </message>
    <message>
        <source>Configure Data Import;Sets up how data is imported from CSV files and import filters</source>
        <translation>Configurer l&apos;importation;Définit comment les données sont importées des fichiers CSV et des filtres d&apos;importation</translation>
    </message>
    <message>
        <source>Check for Updates;Checks whether a newer version of Mirn is available</source>
        <translation>Rechercher des mises à jour;Vérifie si une version plus récente de Mirn est disponible</translation>
    </message>
    <message>
        <source>Updates Options;Sets how Mirn checks for updates</source>
        <translation>Options de mise à jour;Définit comment Mirn recherche les mises à jour</translation>
    </message>
    <message>
        <source>Contact Support;Sends a question or a problem report to support</source>
        <translation>Contacter l&apos;assistance;Envoie une question ou un rapport de problème à l&apos;assistance</translation>
    </message>
    <message>
        <source>Insert Linked Picture;Inserts a picture that stays linked to its file</source>
        <translation>Insérer une image liée;Insère une image qui reste liée à son fichier</translation>
    </message>
    <message>
        <source>Recent File;Opens this database</source>
        <translation>Fichier récent;Ouvre cette base de données</translation>
    </message>
    <message>
        <source>New Database;Creates a new, empty label database</source>
        <translation>Nouvelle base de données;Crée une nouvelle base d&apos;étiquettes vide</translation>
    </message>
    <message>
        <source>Open Database (Ctrl+O);Opens an existing label database</source>
        <translation>Ouvrir une base de données (Ctrl+O);Ouvre une base d&apos;étiquettes existante</translation>
    </message>
    <message>
        <source>Save (Ctrl+S);Saves the open label database</source>
        <translation>Enregistrer (Ctrl+S);Enregistre la base d&apos;étiquettes ouverte</translation>
    </message>
    <message>
        <source>Save As;Saves the open label database under a new name</source>
        <translation>Enregistrer sous;Enregistre la base d&apos;étiquettes ouverte sous un nouveau nom</translation>
    </message>
    <message>
        <source>The requested graphic could not be embedded.</source>
        <translation>L&apos;image demandée n&apos;a pas pu être incorporée.</translation>
    </message>
    <message>
        <source>Print (Ctrl+P);Prints the labels of the selected extensions</source>
        <translation>Imprimer (Ctrl+P);Imprime les étiquettes des postes sélectionnés</translation>
    </message>
    <message>
        <source>Clear (Del);Removes the selection</source>
        <translation>Effacer (Suppr);Supprime la sélection</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C);Copies the selected field to the clipboard</source>
        <translation>Copier (Ctrl+C);Copie le champ sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Cut (Ctrl+X);Moves the selected field to the clipboard</source>
        <translation>Couper (Ctrl+X);Déplace le champ sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Find (F3);Finds text in the fields of the database</source>
        <translation>Rechercher (F3);Recherche du texte dans les champs de la base de données</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V);Inserts the clipboard into the selected field</source>
        <translation>Coller (Ctrl+V);Insère le presse-papiers dans le champ sélectionné</translation>
    </message>
    <message>
        <source>Replace (Ctrl+H);Replaces text in the fields of the database</source>
        <translation>Remplacer (Ctrl+H);Remplace du texte dans les champs de la base de données</translation>
    </message>
    <message>
        <source>Select All (Ctrl+A);Selects every extension, or every field of the label</source>
        <translation>Tout sélectionner (Ctrl+A);Sélectionne tous les postes, ou tous les champs de l&apos;étiquette</translation>
    </message>
    <message>
        <source>About Mirn;Shows the program&apos;s version and copyright</source>
        <translation>À propos de Mirn;Affiche la version et le copyright du programme</translation>
    </message>
    <message>
        <source>Exit (Alt+F4);Quits Mirn, asking to save the open database</source>
        <translation>Quitter (Alt+F4);Quitte Mirn en proposant d&apos;enregistrer la base ouverte</translation>
    </message>
    <message>
        <source>Toolbar;Shows or hides the toolbar</source>
        <translation>Barre d&apos;outils;Affiche ou masque la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status Bar;Shows or hides the status bar</source>
        <translation>Barre d&apos;état;Affiche ou masque la barre d&apos;état</translation>
    </message>
</context>
<context>
    <name>SupportRequest</name>
    <message>
        <source>Please enter your name.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>You must provide your e-mail address so we can respond to your support request.</source>
        <translation>Vous devez indiquer votre adresse e-mail pour que nous puissions répondre à votre demande d&apos;assistance.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please enter a problem summary.</source>
        <translation>Veuillez saisir un résumé du problème.</translation>
    </message>
    <message>
        <source>Could not submit data to the server.</source>
        <translation>Les données n&apos;ont pas pu être envoyées au serveur.</translation>
    </message>
    <message>
        <source>The server did not accept the data. The error code was: %1</source>
        <translation>Le serveur n&apos;a pas accepté les données. Le code d&apos;erreur était&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server returned an error. The status code was: %1</source>
        <translation>Le serveur a renvoyé une erreur. Le code d&apos;état était&#xa0;: %1</translation>
    </message>
    <message>
        <source>Support requests are not sent to %1: it is not an https address, so your name and e-mail address could be read on the way.

Please send your feedback directly to:

%2</source>
        <translation>Les demandes d&apos;assistance ne sont pas envoyées à %1&#xa0;: ce n&apos;est pas une adresse https, votre nom et votre adresse e-mail pourraient donc être lus en chemin.

Veuillez envoyer vos commentaires directement à&#xa0;:

%2</translation>
    </message>
    <message>
        <source>The feedback system is not available at this time because the server is not responding.

Please make sure you have a working Internet connection and try again, or send your feedback directly to:

%1</source>
        <translation>Le système de commentaires n&apos;est pas disponible pour le moment car le serveur ne répond pas.

Vérifiez que votre connexion Internet fonctionne et réessayez, ou envoyez vos commentaires directement à&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Your feedback has been sent. Thank you.</source>
        <translation>Vos commentaires ont été envoyés. Merci.</translation>
    </message>
</context>
<context>
    <name>TableImport</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <comment>... and %n more</comment>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be imported; nothing was stored:</source>
        <comment>%n row cannot be imported; nothing was stored:</comment>
        <translation>
            <numerusform>%n ligne ne peut pas être importée ; rien n&apos;a été enregistré&#xa0;:</numerusform>
            <numerusform>%n lignes ne peuvent pas être importées ; rien n&apos;a été enregistré&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>lecture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>no rows</source>
        <translation>aucune ligne</translation>
    </message>
    <message>
        <source>no import preset is named %1</source>
        <translation>aucun préréglage d&apos;importation ne s&apos;appelle %1</translation>
    </message>
    <message numerus="yes">
        <source>Would import %n extensions</source>
        <comment>Would import %n extension</comment>
        <translation>
            <numerusform>Importerait %n poste</numerusform>
            <numerusform>Importerait %n postes</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1: %2 (%3)</source>
        <translation>ligne %1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom de famille</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Field %1 (%2)</source>
        <translation>Champ %1 (%2)</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Champ %1</translation>
    </message>
    <message>
        <source>Workbook</source>
        <translation>Classeur</translation>
    </message>
    <message>
        <source>Separator: %1, encoding: %2</source>
        <translation>Séparateur&#xa0;: %1, encodage&#xa0;: %2</translation>
    </message>
    <message>
        <source>header row</source>
        <translation>ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>preset: %1</source>
        <translation>préréglage&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions will be imported.</source>
        <comment>%n extension will be imported.</comment>
        <translation>
            <numerusform>%n poste sera importé.</numerusform>
            <numerusform>%n postes seront importés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be (%1).</source>
        <comment>%n row cannot be (%1).</comment>
        <translation>
            <numerusform>%n ligne ne peut pas être importée (%1).</numerusform>
            <numerusform>%n lignes ne peuvent pas être importées (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported: %1.</source>
        <translation>Non importé&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be imported:</source>
        <comment>%n row cannot be imported:</comment>
        <translation>
            <numerusform>%n ligne ne peut pas être importée&#xa0;:</numerusform>
            <numerusform>%n lignes ne peuvent pas être importées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the other %n rows?</source>
        <comment>Import the other %n row?</comment>
        <translation>
            <numerusform>Importer l&apos;autre ligne (%n)&#xa0;?</numerusform>
            <numerusform>Importer les %n autres lignes&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus long que %1 caractères</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3): %4</source>
        <translation>ligne %1, colonne %2 (%3)&#xa0;: %4</translation>
    </message>
    <message numerus="yes">
        <source>a cell beyond the header&apos;s %n columns</source>
        <comment>a cell beyond the header&apos;s %n column</comment>
        <translation>
            <numerusform>une cellule au-delà de la colonne (%n) de l&apos;en-tête</numerusform>
            <numerusform>une cellule au-delà des %n colonnes de l&apos;en-tête</numerusform>
        </translation>
    </message>
    <message>
        <source>no extension number</source>
        <translation>pas de numéro de poste</translation>
    </message>
    <message>
        <source>no layout</source>
        <translation>pas de mise en page</translation>
    </message>
    <message>
        <source>layout %1 is not installed</source>
        <translation>la mise en page %1 n&apos;est pas installée</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>date field %1 has length %2 instead of 8</source>
        <translation>le champ de date %1 a la longueur %2 au lieu de 8</translation>
    </message>
    <message>
        <source>memo field %1 has length %2 and %3 decimals instead of 10 and 0</source>
        <translation>le champ mémo %1 a la longueur %2 et %3 décimales au lieu de 10 et 0</translation>
    </message>
    <message>
        <source>no memo file provided for field %1</source>
        <translation>aucun fichier mémo pour le champ %1</translation>
    </message>
    <message>
        <source>could not read memo file for field %1</source>
        <translation>impossible de lire le fichier mémo du champ %1</translation>
    </message>
    <message>
        <source>DBF file could not be opened: %1</source>
        <translation>impossible d&apos;ouvrir le fichier DBF&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not read memo file: %1</source>
        <translation>impossible de lire le fichier mémo&#xa0;: %1</translation>
    </message>
    <message>
        <source>invalid DBF header length (%1)</source>
        <translation>longueur d&apos;en-tête DBF non valide (%1)</translation>
    </message>
    <message>
        <source>DBF file size mismatch (expected: %1, got %2)</source>
        <translation>la taille du fichier DBF ne correspond pas (attendue&#xa0;: %1, trouvée&#xa0;: %2)</translation>
    </message>
    <message>
        <source>DBF record length (%1) is too short for its fields (%2)</source>
        <translation>la longueur d&apos;enregistrement DBF (%1) est trop courte pour ses champs (%2)</translation>
    </message>
    <message>
        <source>field %1 has unrecognized type: %2</source>
        <translation>le champ %1 a un type inconnu&#xa0;: %2</translation>
    </message>
    <message>
        <source>DBF file could not be read: %1</source>
        <translation>impossible de lire le fichier DBF&#xa0;: %1</translation>
    </message>
    <message>
        <source>DBF file signature 0x%1 not recognized: %2</source>
        <translation>signature 0x%1 du fichier DBF non reconnue&#xa0;: %2</translation>
    </message>
    <message>
        <source>memo file version number (%1) not recognized</source>
        <translation>numéro de version (%1) du fichier mémo non reconnu</translation>
    </message>
    <message>
        <source>could not determine memo file block size for field %1</source>
        <translation>impossible de déterminer la taille de bloc du fichier mémo du champ %1</translation>
    </message>
    <message>
        <source>could not open structural index file: %1</source>
        <translation>impossible d&apos;ouvrir le fichier d&apos;index&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TemplateSource</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>«&#xa0;%1&#xa0;» manque</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>doit être un nombre entier</translation>
    </message>
    <message>
        <source>%1 is out of range %2 to %3</source>
        <translation>%1 est hors de la plage %2 à %3</translation>
    </message>
    <message>
        <source>must be twips or a length such as &quot;63.5mm&quot; or &quot;2.5in&quot;</source>
        <translation>doit être en twips ou une longueur telle que «&#xa0;63.5mm&#xa0;» ou «&#xa0;2.5in&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length such as &quot;63.5mm&quot; or &quot;2.5in&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une longueur telle que «&#xa0;63.5mm&#xa0;» ou «&#xa0;2.5in&#xa0;»</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot; (use mm, in, pt or tw)</source>
        <translation>unité inconnue «&#xa0;%1&#xa0;» (utilisez mm, in, pt ou tw)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range</source>
        <translation>«&#xa0;%1&#xa0;» est hors limites</translation>
    </message>
    <message>
        <source>must be text</source>
        <translation>doit être du texte</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot store</source>
        <translation>contient un caractère que Windows-1252 ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>must not contain the character U+0000</source>
        <translation>ne doit pas contenir le caractère U+0000</translation>
    </message>
    <message>
        <source>%1 characters do not fit its field of %2</source>
        <translation>%1 caractères ne tiennent pas dans son champ de %2</translation>
    </message>
    <message>
        <source>must be a list of flag names or a number</source>
        <translation>doit être une liste de noms d&apos;indicateurs ou un nombre</translation>
    </message>
    <message>
        <source>must be a flag name</source>
        <translation>doit être un nom d&apos;indicateur</translation>
    </message>
    <message>
        <source>unknown flag &quot;%1&quot;</source>
        <translation>indicateur inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>must be &quot;#RRGGBB&quot; or a COLORREF number</source>
        <translation>doit être «&#xa0;#RRGGBB&#xa0;» ou un nombre COLORREF</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the form &quot;#RRGGBB&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une couleur de la forme «&#xa0;#RRGGBB&#xa0;»</translation>
    </message>
    <message>
        <source>must be an object with &quot;x&quot; and &quot;y&quot;</source>
        <translation>doit être un objet avec «&#xa0;x&#xa0;» et «&#xa0;y&#xa0;»</translation>
    </message>
    <message>
        <source>give &quot;slots&quot; or &quot;slotGrid&quot;, not both</source>
        <translation>indiquez «&#xa0;slots&#xa0;» ou «&#xa0;slotGrid&#xa0;», pas les deux</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>doit être une liste</translation>
    </message>
    <message>
        <source>must be &quot;Letter&quot; or &quot;A4&quot;</source>
        <translation>doit être «&#xa0;Letter&#xa0;» ou «&#xa0;A4&#xa0;»</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>doit être true ou false</translation>
    </message>
    <message>
        <source>with the sheet&apos;s words it is longer than its field of 64 characters</source>
        <translation>avec les mots de la planche, il dépasse son champ de 64 caractères</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>doit être un objet JSON</translation>
    </message>
    <message>
        <source>must be &quot;270&quot; or &quot;DDF&quot;</source>
        <translation>doit être «&#xa0;270&#xa0;» ou «&#xa0;DDF&#xa0;»</translation>
    </message>
    <message>
        <source>must not contain the character U+001A</source>
        <translation>ne doit pas contenir le caractère U+001A</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>ne doit pas être vide</translation>
    </message>
    <message>
        <source>the label needs a positive width and height</source>
        <translation>l&apos;étiquette doit avoir une largeur et une hauteur positives</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>doit être un objet</translation>
    </message>
    <message>
        <source>%1 is used twice</source>
        <translation>%1 est utilisé deux fois</translation>
    </message>
    <message>
        <source>text field ids 1 to 1024 are taken by pictures; use 0 or 1025 and above</source>
        <translation>les ID de champ de texte 1 à 1024 sont réservés aux images&#xa0;; utilisez 0 ou 1025 et plus</translation>
    </message>
    <message>
        <source>the rectangle is inverted (right must not be left of left, nor bottom above top)</source>
        <translation>le rectangle est inversé (la droite ne doit pas être à gauche de la gauche, ni le bas au-dessus du haut)</translation>
    </message>
</context>
<context>
    <name>TestSheet</name>
    <message>
        <source>Test sheet %1</source>
        <translation>Planche de test %1</translation>
    </message>
</context>
<context>
    <name>TipOfTheDay</name>
    <message>
        <source>tips.tip</source>
        <translation>tips.fr.tip</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The Mirn updater utility was not found.</source>
        <translation>L&apos;utilitaire de mise à jour de Mirn est introuvable.</translation>
    </message>
</context>
<context>
    <name>UsageSurvey</name>
    <message>
        <source>The Internet connection appears to be offline.</source>
        <translation>La connexion Internet semble hors ligne.</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide was not found.

It should be at: %1</source>
        <translation>Le guide de l&apos;utilisateur est introuvable.

Il devrait se trouver ici : %1</translation>
    </message>
    <message>
        <source>No program to show the user guide was found.

You can open it in a web browser: %1</source>
        <translation>Aucun programme permettant d&apos;afficher le guide n&apos;a été trouvé.

Vous pouvez l&apos;ouvrir dans un navigateur web : %1</translation>
    </message>
    <message>
        <source>user-guide.html</source>
        <translation>user-guide.fr.html</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>a workbook with macros; save it as an .xlsx workbook without macros</source>
        <translation>un classeur avec des macros ; enregistrez-le en classeur .xlsx sans macros</translation>
    </message>
    <message>
        <source>the workbook has no sheet</source>
        <translation>le classeur n&apos;a aucune feuille</translation>
    </message>
    <message>
        <source>no sheet is named %1 (the sheets: %2)</source>
        <translation>aucune feuille ne s&apos;appelle %1 (les feuilles&#xa0;: %2)</translation>
    </message>
    <message>
        <source>the spreadsheet is protected by a password; save it without one</source>
        <translation>le tableur est protégé par un mot de passe ; enregistrez-le sans mot de passe</translation>
    </message>
    <message>
        <source>a spreadsheet with macros; save it without macros</source>
        <translation>un tableur avec des macros ; enregistrez-le sans macros</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet</source>
        <translation>le tableur n&apos;a aucune feuille</translation>
    </message>
    <message>
        <source>no sheet is named %1</source>
        <translation>aucune feuille ne s&apos;appelle %1</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML: %2</source>
        <translation>%1 n&apos;est pas du XML bien formé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: beyond the last column a sheet may have</source>
        <translation>%1&#xa0;: au-delà de la dernière colonne qu&apos;une feuille peut avoir</translation>
    </message>
    <message>
        <source>%1: sheet %2, row %3, column %4</source>
        <translation>%1&#xa0;: feuille %2, ligne %3, colonne %4</translation>
    </message>
    <message>
        <source>%1: sheet %2, row %3</source>
        <translation>%1&#xa0;: feuille %2, ligne %3</translation>
    </message>
    <message>
        <source>%1: sheet %2, column %3</source>
        <translation>%1&#xa0;: feuille %2, colonne %3</translation>
    </message>
    <message>
        <source>%1: sheet %2</source>
        <translation>%1&#xa0;: feuille %2</translation>
    </message>
    <message>
        <source>the sheet&apos;s part %1 is missing</source>
        <translation>la partie %1 de la feuille manque</translation>
    </message>
    <message>
        <source>%1: string %2 is damaged</source>
        <translation>%1&#xa0;: la chaîne %2 est endommagée</translation>
    </message>
    <message>
        <source>%1: the row&apos;s XML is damaged</source>
        <translation>%1&#xa0;: le XML de la ligne est endommagé</translation>
    </message>
    <message>
        <source>%1: names a shared string that is not there</source>
        <translation>%1&#xa0;: désigne une chaîne partagée qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: an encrypted workbook or an old .xls file; save it as .xlsx without a password</source>
        <translation>%1&#xa0;: un classeur chiffré ou un ancien fichier .xls&#xa0;; enregistrez-le en .xlsx sans mot de passe</translation>
    </message>
    <message>
        <source>%1: not a workbook (.xlsx or .ods)</source>
        <translation>%1&#xa0;: pas un classeur (.xlsx ou .ods)</translation>
    </message>
    <message>
        <source>%1: not a workbook (.xlsx or .ods): it holds no sheets</source>
        <translation>%1&#xa0;: pas un classeur (.xlsx ou .ods)&#xa0;: il ne contient aucune feuille</translation>
    </message>
</context>
<context>
    <name>ZipReader</name>
    <message>
        <source>member %1 expands beyond the limit (a damaged file or a zip bomb)</source>
        <translation>l&apos;élément %1 dépasse la limite une fois décompressé (fichier endommagé ou bombe zip)</translation>
    </message>
    <message>
        <source>not a zip file</source>
        <translation>pas un fichier zip</translation>
    </message>
    <message>
        <source>no member %1</source>
        <translation>aucun élément %1</translation>
    </message>
    <message>
        <source>member %1 is encrypted</source>
        <translation>l&apos;élément %1 est chiffré</translation>
    </message>
    <message>
        <source>member %1 cannot be read: %2</source>
        <translation>l&apos;élément %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>member %1 is damaged: %2</source>
        <translation>l&apos;élément %1 est endommagé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mirn::CAboutBox</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Mirn</source>
        <translation>Mirn</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Legal notice</source>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Système d&apos;exploitation</translation>
    </message>
    <message>
        <source>System type</source>
        <translation>Type de système</translation>
    </message>
</context>
<context>
    <name>mirn::CAddExtDialog</name>
    <message>
        <source>New Extension</source>
        <translation>Nouveau poste</translation>
    </message>
    <message>
        <source>&amp;Give a different name to each extension</source>
        <translation>&amp;Donner un nom différent à chaque poste</translation>
    </message>
    <message>
        <source>Show &amp;Templating Options</source>
        <translation>Afficher les &amp;options de modèle</translation>
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
        <source>&amp;Extension number(s) to add:</source>
        <translation>Numéro(s) de &amp;poste à ajouter :</translation>
    </message>
    <message>
        <source>Person’s &amp;name (optional):</source>
        <translation>&amp;Nom de la personne (facultatif) :</translation>
    </message>
    <message>
        <source>Product &amp;family:</source>
        <translation>&amp;Gamme de produits :</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>&amp;Copy fields from:</source>
        <translation>&amp;Copier les champs de :</translation>
    </message>
    <message>
        <source>New La&amp;yout...</source>
        <translation>No&amp;uvelle mise en page...</translation>
    </message>
    <message>
        <source>Edit &amp;Layout...</source>
        <translation>Modifier la mise en pag&amp;e...</translation>
    </message>
</context>
<context>
    <name>mirn::CAddWarningDlg</name>
    <message>
        <source>Creating Extensions</source>
        <translation>Création de postes</translation>
    </message>
    <message>
        <source>WARNING: The following command will create a large number of extensions:</source>
        <translation>ATTENTION : la commande suivante va créer un grand nombre de postes :</translation>
    </message>
    <message>
        <source>Is this what you want to do?</source>
        <translation>Est-ce bien ce que vous voulez faire ?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>mirn::CColorButton</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Autres couleurs…</translation>
    </message>
</context>
<context>
    <name>mirn::CCopyStylesWizard</name>
    <message>
        <source>Copy Styles</source>
        <translation>Copier les styles</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructions :</translation>
    </message>
    <message>
        <source>Copy from</source>
        <translation>Copier depuis</translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation>Copier vers</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy from:	%1 (%2) %3
Copy to:	%4
Styles:	%5</source>
        <translation>Depuis :	%1 (%2) %3
Vers :	%4
Styles :	%5</translation>
    </message>
</context>
<context>
    <name>mirn::CCsvImportSettingsDlg</name>
    <message>
        <source>CSV Import Settings</source>
        <translation>Paramètres d&apos;importation CSV</translation>
    </message>
    <message>
        <source>Default Font when Importing CSV Files:</source>
        <translation>Police par défaut pour l&apos;importation de fichiers CSV :</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>Choisir la &amp;police...</translation>
    </message>
    <message>
        <source>&amp;Align Text:</source>
        <translation>&amp;Alignement du texte :</translation>
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
        <source>Full Justify</source>
        <translation>Justifié</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>mirn::CCustomCodeDlg</name>
    <message>
        <source>Custom Code</source>
        <translation>Code personnalisé</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code :</translation>
    </message>
    <message>
        <source>In addition to text, you can include formatting information, such as font, color, and alignment.</source>
        <translation>En plus du texte, un code peut contenir des informations de mise en forme : police, couleur et alignement.</translation>
    </message>
    <message>
        <source>&amp;Include formatting information</source>
        <translation>&amp;Inclure la mise en forme</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>Choisir la &amp;police...</translation>
    </message>
    <message>
        <source>Colo&amp;r...</source>
        <translation>Coule&amp;ur...</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Left Align</source>
        <translation>Aligné à gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right Align</source>
        <translation>Aligné à droite</translation>
    </message>
    <message>
        <source>Full Justify</source>
        <translation>Justifié</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>mirn::CCustomCodesDlg</name>
    <message>
        <source>Custom Codes</source>
        <translation>Codes personnalisés</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>mirn::CEditorDlg</name>
    <message>
        <source>Custom Codes</source>
        <translation>Codes personnalisés</translation>
    </message>
    <message>
        <source>{ }</source>
        <translation>{ }</translation>
    </message>
</context>
<context>
    <name>mirn::CExportExcelDlg</name>
    <message>
        <source>Export to Excel</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <source>Your Mirn database will be exported to an Excel spreadsheet.</source>
        <translation>Votre base de données Mirn sera exportée dans un classeur Excel.</translation>
    </message>
    <message>
        <source>Export Options</source>
        <translation>Options d&apos;exportation</translation>
    </message>
    <message>
        <source>&amp;Open the spreadsheet after exporting</source>
        <translation>&amp;Ouvrir le classeur après l&apos;exportation</translation>
    </message>
    <message>
        <source>Include column &amp;headers in the first row</source>
        <translation>Inclure les en-&amp;têtes de colonnes en première ligne</translation>
    </message>
    <message>
        <source>Use regular phone &amp;model names instead of Mirn TypeCodes</source>
        <translation>Utiliser les noms de &amp;modèles de téléphones au lieu des codes de type Mirn</translation>
    </message>
    <message>
        <source>Include the &amp;comment field</source>
        <translation>Inclure le champ &amp;commentaire</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
</context>
<context>
    <name>mirn::CExtNameDlg</name>
    <message>
        <source>Insert Extension Name</source>
        <translation>Insérer le nom d&apos;un poste</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Postes</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
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
        <source>&amp;More Information...</source>
        <translation>&amp;Plus d&apos;informations...</translation>
    </message>
    <message>
        <source>About Extension Name Codes</source>
        <translation>À propos des codes de nom de poste</translation>
    </message>
    <message>
        <source>An extension name code shows the name of another extension on this label. The label always shows that extension&apos;s current name: when its name changes, every label that refers to it follows.

Normal inserts the name alone. Ext + Name puts &quot;Ext.&quot; and the extension ID on one line and the name below it. Name + Ext puts the name first and &quot;Ext.&quot; and the ID below it.</source>
        <translation>Un code de nom de poste affiche sur cette étiquette le nom d&apos;un autre poste. L&apos;étiquette affiche toujours le nom actuel : si le nom change, toutes les étiquettes qui y renvoient suivent.

« Normal » insère le nom seul. « Ext + Nom » place « Ext. » et l&apos;ID du poste sur une ligne et le nom en dessous. « Nom + Ext » place d&apos;abord le nom, puis « Ext. » et l&apos;ID en dessous.</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>E&amp;xt + Name</source>
        <translation>E&amp;xt + Nom</translation>
    </message>
    <message>
        <source>N&amp;ame + Ext</source>
        <translation>N&amp;om + Ext</translation>
    </message>
</context>
<context>
    <name>mirn::CExtNameWizard</name>
    <message>
        <source>This wizard will help you name each of the extensions that you are creating. Each page shows one extension; type its name and go on with Next.

To begin, click Next.</source>
        <translation>Cet assistant vous aide à nommer chacun des postes que vous créez. Chaque page affiche un poste ; saisissez son nom et continuez avec « Suivant ».

Pour commencer, cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Poste :</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>mirn::CFREditorDlg</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>R&amp;eplace</source>
        <translation>R&amp;emplacer</translation>
    </message>
    <message>
        <source>N&amp;ext</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>mirn::CFeedbackDlg</name>
    <message>
        <source>Support Request</source>
        <translation>Demande d&apos;assistance</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>&amp;Your e-mail address:</source>
        <translation>&amp;Votre adresse e-mail :</translation>
    </message>
    <message>
        <source>&amp;One-sentence problem summary or question:</source>
        <translation>&amp;Résumé du problème ou question en une phrase :</translation>
    </message>
    <message>
        <source>&amp;Details about the problem or question:</source>
        <translation>&amp;Détails sur le problème ou la question :</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>Version du programme :</translation>
    </message>
    <message>
        <source>Program Type:</source>
        <translation>Type de programme :</translation>
    </message>
    <message>
        <source>Operating System:</source>
        <translation>Système d&apos;exploitation :</translation>
    </message>
    <message>
        <source>System Type:</source>
        <translation>Type de système :</translation>
    </message>
    <message>
        <source>&amp;Send Support Request</source>
        <translation>&amp;Envoyer la demande d&apos;assistance</translation>
    </message>
    <message>
        <source>Checking Internet connection...</source>
        <translation>Vérification de la connexion Internet...</translation>
    </message>
</context>
<context>
    <name>mirn::CFindDlg</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Rem&amp;placer par :</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Start from beginning of database</source>
        <translation>Commencer au &amp;début de la base de données</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Re&amp;mplacer</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>mirn::CFrameArea</name>
    <message>
        <source>Main Area</source>
        <translation>Zone principale</translation>
    </message>
    <message>
        <source>Extension List</source>
        <translation>Liste des postes</translation>
    </message>
    <message>
        <source>Name Panel</source>
        <translation>Zone du nom</translation>
    </message>
    <message>
        <source>Label Panel</source>
        <translation>Zone de l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>mirn::CGraphicPropDlg</name>
    <message>
        <source>Embedded Picture Properties</source>
        <translation>Propriétés de l&apos;image incorporée</translation>
    </message>
    <message>
        <source>Picture Properties</source>
        <translation>Propriétés de l&apos;image</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Found at:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Natural size:</source>
        <translation>Taille d&apos;origine :</translation>
    </message>
    <message>
        <source>Size on label:</source>
        <translation>Taille sur l&apos;étiquette :</translation>
    </message>
    <message>
        <source>&amp;Save a Copy...</source>
        <translation>&amp;Enregistrer une copie...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Found at</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Natural size</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>Size on label</source>
        <translation>Taille sur l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>mirn::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Alignment</source>
        <translation>&amp;Alignement</translation>
    </message>
    <message>
        <source>&amp;Text Color</source>
        <translation>Couleur du &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;Codes Menu</source>
        <translation>&amp;Codes</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>&amp;Postes</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Mirn Labeling System</source>
        <translation>Mirn Labeling System</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Ouvrir une base de données</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnFieldEdit</name>
    <message>
        <source>Field text</source>
        <translation>Texte du champ</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnImage</name>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Champ %1</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnNamePanel</name>
    <message>
        <source>Label caption</source>
        <translation>Légende de l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnPanel</name>
    <message>
        <source>Extension &amp;ID</source>
        <translation>&amp;ID du poste</translation>
    </message>
    <message>
        <source>&amp;Name of This Extension</source>
        <translation>&amp;Nom de ce poste</translation>
    </message>
    <message>
        <source>Name of &amp;Another Extension...</source>
        <translation>Nom d&apos;un &amp;autre poste...</translation>
    </message>
    <message>
        <source>Customi&amp;ze...</source>
        <translation>&amp;Personnaliser...</translation>
    </message>
    <message>
        <source>Inserts this custom code</source>
        <translation>Insère ce code personnalisé</translation>
    </message>
    <message>
        <source>Label panel</source>
        <translation>Panneau de l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnWnd</name>
    <message>
        <source>Label host</source>
        <translation>Zone de l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>mirn::CMultiLabelDlg</name>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>mirn::CPrefsDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Default font for new text</source>
        <translation>Police par défaut du nouveau texte</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>Choisir la &amp;police...</translation>
    </message>
    <message>
        <source>Co&amp;lor...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Justification:</source>
        <translation>&amp;Alignement :</translation>
    </message>
    <message>
        <source>Default &amp;zoom:</source>
        <translation>&amp;Zoom par défaut :</translation>
    </message>
    <message>
        <source>Show the &amp;Tip of the Day at start-up</source>
        <translation>Afficher l&apos;astuce du &amp;jour au démarrage</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligné à gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligné à droite</translation>
    </message>
    <message>
        <source>Full Justify</source>
        <translation>Justifié</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>Fit to Window Width</source>
        <translation>Ajuster à la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Fit Entire Label</source>
        <translation>Étiquette entière</translation>
    </message>
    <message>
        <source>Font: %1</source>
        <translation>Police : %1</translation>
    </message>
    <message>
        <source>The options could not be saved: the settings file cannot be written.</source>
        <translation>Les options n&apos;ont pas pu être enregistrées : le fichier de paramètres ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>A new language shows when Mirn is started again.</source>
        <translation>Une nouvelle langue s&apos;affiche au prochain démarrage de Mirn.</translation>
    </message>
</context>
<context>
    <name>mirn::CPrintDlg</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Postes</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Extensions selected</source>
        <translation>Postes sélectionnés</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre d&apos;exemplaires</translation>
    </message>
    <message>
        <source>One copy of each extension</source>
        <translation>Un exemplaire par poste</translation>
    </message>
    <message>
        <source>Multiples:</source>
        <translation>Plusieurs :</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplaires</translation>
    </message>
    <message>
        <source>copies of each extension</source>
        <translation>exemplaires par poste</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>mirn::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Planche</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>mirn::CPrinterAdjustmentDlg</name>
    <message>
        <source>These settings will be used when printing in portrait mode. Most Mirn labels are printed in portrait mode.</source>
        <translation>Ces réglages s&apos;appliquent à l&apos;impression en mode portrait. La plupart des étiquettes Mirn s&apos;impriment en portrait.</translation>
    </message>
    <message>
        <source>These settings will be used when printing in landscape mode. Very few Mirn label layouts use landscape mode.</source>
        <translation>Ces réglages s&apos;appliquent à l&apos;impression en mode paysage. Très peu de mises en page Mirn utilisent le mode paysage.</translation>
    </message>
    <message>
        <source>Precise Printer Adjustment</source>
        <translation>Ajustement précis de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>These adjustments will affect the following printer:</source>
        <translation>Ces ajustements s&apos;appliquent à l&apos;imprimante suivante :</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>&amp;Horizontal Adjustment:</source>
        <translation>Ajustement &amp;horizontal :</translation>
    </message>
    <message>
        <source>A negative number will shift your printed text to the left. A positive number will shift your printed text to the right.</source>
        <translation>Une valeur négative décale l&apos;impression vers la gauche, une valeur positive vers la droite.</translation>
    </message>
    <message>
        <source>A negative number will shift your printed text toward the top edge of the paper. A positive number will shift your printed text toward the bottom edge of the paper.</source>
        <translation>Une valeur négative décale l&apos;impression vers le bord supérieur du papier, une valeur positive vers le bord inférieur.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet</source>
        <translation>Imprimer la planche d&apos;&amp;étalonnage</translation>
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
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>No printer</source>
        <translation>Aucune imprimante</translation>
    </message>
    <message>
        <source>&amp;Vertical Adjustment:</source>
        <translation>Ajustement &amp;vertical :</translation>
    </message>
</context>
<context>
    <name>mirn::CProgressDlg</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>mirn::CSizeableGraphic</name>
    <message>
        <source>Locked picture</source>
        <translation>Image verrouillée</translation>
    </message>
    <message>
        <source>Picture; drag to move, drag a handle to size</source>
        <translation>Image ; faites glisser pour déplacer, tirez une poignée pour redimensionner</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
</context>
<context>
    <name>mirn::CSplitterBar</name>
    <message>
        <source>Splitter</source>
        <translation>Séparateur</translation>
    </message>
</context>
<context>
    <name>mirn::CTableImportDlg</name>
    <message>
        <source>Import Table</source>
        <translation>Importer un tableau</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La première ligne est un &amp;en-tête</translation>
    </message>
    <message>
        <source>&amp;Layout of rows without one:</source>
        <translation>&amp;Mise en page des lignes qui n&apos;en ont pas :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>&amp;Columns (the first 20 rows of the file):</source>
        <translation>&amp;Colonnes (les 20 premières lignes du fichier) :</translation>
    </message>
    <message>
        <source>As they will be &amp;stored:</source>
        <translation>Telles qu&apos;elles seront &amp;enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Target of %1</source>
        <translation>Destination de %1</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Name and fields</source>
        <translation>Nom et champs</translation>
    </message>
</context>
<context>
    <name>mirn::CTipDlg</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Astuce &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>mirn::CXMessageBox</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>mirn::CZoomDialog</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom to</source>
        <translation>Zoom à</translation>
    </message>
    <message>
        <source>&amp;50%</source>
        <translation>&amp;50 %</translation>
    </message>
    <message>
        <source>&amp;75%</source>
        <translation>&amp;75 %</translation>
    </message>
    <message>
        <source>&amp;100%</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>15&amp;0%</source>
        <translation>15&amp;0 %</translation>
    </message>
    <message>
        <source>&amp;200%</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Other:</source>
        <translation>&amp;Autre :</translation>
    </message>
    <message>
        <source>Other percent</source>
        <translation>Autre pourcentage</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerLayoutPanel</name>
    <message>
        <source>T&amp;ype code:</source>
        <translation>Code de t&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Maker:</source>
        <translation>&amp;Fabricant :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Label &amp;width:</source>
        <translation>&amp;Largeur de l&apos;étiquette :</translation>
    </message>
    <message>
        <source>Label &amp;height:</source>
        <translation>&amp;Hauteur de l&apos;étiquette :</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Plan&amp;che :</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8,5 x 11 po)</translation>
    </message>
    <message>
        <source>A4 (210 x 297 mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pay&amp;sage</translation>
    </message>
    <message>
        <source>&amp;Plain paper, cut by hand</source>
        <translation>Papier &amp;ordinaire, découpé à la main</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerObjectPanel</name>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;ID:</source>
        <translation>&amp;ID :</translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Gauche :</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Haut :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>Ha&amp;uteur :</translation>
    </message>
    <message>
        <source>&amp;Alignment:</source>
        <translation>&amp;Alignement :</translation>
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
        <source>Font &amp;size:</source>
        <translation>Taille &amp;de police :</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Li&amp;ght (printed pale)</source>
        <translation>&amp;Clair (imprimé pâle)</translation>
    </message>
    <message>
        <source>No object selected. Click an object on the label, or add one.</source>
        <translation>Aucun objet sélectionné. Cliquez sur un objet de l&apos;étiquette ou ajoutez-en un.</translation>
    </message>
    <message>
        <source>Default &amp;text:</source>
        <translation>Texte par dé&amp;faut :</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message numerus="yes">
        <source>%n objects selected.</source>
        <translation>
            <numerusform>%n objet sélectionné.</numerusform>
            <numerusform>%n objets sélectionnés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mirn::DesignerRuler</name>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Ruler across, in %1</source>
        <translation>Règle horizontale, en %1</translation>
    </message>
    <message>
        <source>Ruler down, in %1</source>
        <translation>Règle verticale, en %1</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerSheetPanel</name>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Lignes :</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Colonnes :</translation>
    </message>
    <message>
        <source>First label &amp;left:</source>
        <translation>Première étiquette à &amp;gauche :</translation>
    </message>
    <message>
        <source>First label &amp;top:</source>
        <translation>Première étiquette en ha&amp;ut :</translation>
    </message>
    <message>
        <source>&amp;Across, label to label:</source>
        <translation>&amp;Horizontalement, d&apos;étiquette à étiquette :</translation>
    </message>
    <message>
        <source>&amp;Down, label to label:</source>
        <translation>&amp;Verticalement, d&apos;étiquette à étiquette :</translation>
    </message>
    <message>
        <source>&amp;Make Slots</source>
        <translation>C&amp;réer les emplacements</translation>
    </message>
    <message>
        <source>Labels on the %1 sheet (landscape): %2</source>
        <translation>Étiquettes sur la planche %1 (paysage) : %2</translation>
    </message>
    <message>
        <source>Labels on the %1 sheet: %2</source>
        <translation>Étiquettes sur la planche %1 : %2</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerSheetView</name>
    <message>
        <source>The labels on the sheet</source>
        <translation>Les étiquettes de la planche</translation>
    </message>
</context>
<context>
    <name>mirn::ExtensionListView</name>
    <message>
        <source>Extensions</source>
        <translation>Postes</translation>
    </message>
</context>
<context>
    <name>mirn::ExtensionPropertiesDialog</name>
    <message>
        <source>Extension Properties</source>
        <translation>Propriétés du poste</translation>
    </message>
    <message>
        <source>Extension ID</source>
        <translation>ID du poste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Extension &amp;ID:</source>
        <translation>&amp;ID du poste :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Type code:</source>
        <translation>Code de type :</translation>
    </message>
    <message>
        <source>Product family:</source>
        <translation>Gamme de produits :</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Last modified:</source>
        <translation>Dernière modification :</translation>
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
        <source>Type code</source>
        <translation>Code de type</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Gamme de produits</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Dernière modification</translation>
    </message>
</context>
<context>
    <name>mirn::LayoutDesignerView</name>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
</context>
<context>
    <name>mirn::LayoutDesignerWindow</name>
    <message>
        <source>Layout Designer</source>
        <translation>Concepteur de mise en page</translation>
    </message>
    <message>
        <source>Label Area</source>
        <translation>Zone de l&apos;étiquette</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Mise en page</translation>
    </message>
    <message>
        <source>O&amp;bject</source>
        <translation>O&amp;bjet</translation>
    </message>
    <message>
        <source>&amp;Slots</source>
        <translation>&amp;Emplacements</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Concepteur</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Print &amp;Test Sheet...</source>
        <translation>Imprimer une planche de &amp;test...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertion</translation>
    </message>
    <message>
        <source>&amp;Text Field</source>
        <translation>Champ de &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>&amp;Légende</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Cadre</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>R&amp;ounded Rectangle</source>
        <translation>Rectangle &amp;arrondi</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>&amp;Dotted Frame</source>
        <translation>Cadre &amp;pointillé</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Snap to Grid</source>
        <translation>Aligner sur la &amp;grille</translation>
    </message>
    <message>
        <source>Designer Tools</source>
        <translation>Outils du concepteur</translation>
    </message>
    <message>
        <source>New Layout</source>
        <translation>Nouvelle mise en page</translation>
    </message>
    <message>
        <source>%1%2 - Layout Designer</source>
        <translation>%1%2 - Concepteur de mise en page</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Enregistrée sous %1.</translation>
    </message>
    <message>
        <source>P&amp;review:</source>
        <translation>A&amp;perçu :</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>View Tools</source>
        <translation>Outils d&apos;affichage</translation>
    </message>
</context>
<context>
    <name>mirn::ListPanel</name>
    <message>
        <source>Extensions</source>
        <translation>Postes</translation>
    </message>
    <message>
        <source>Extension list menu</source>
        <translation>Menu de la liste des postes</translation>
    </message>
    <message>
        <source>&amp;New Extension...</source>
        <translation>&amp;Nouveau poste...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>&amp;Désélectionner tout</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropriétés</translation>
    </message>
    <message>
        <source>New La&amp;yout...</source>
        <translation>Nouvelle mise en pa&amp;ge...</translation>
    </message>
    <message>
        <source>Edit &amp;Layout...</source>
        <translation>Modifier la &amp;mise en page...</translation>
    </message>
</context>
<context>
    <name>mirn::PictureLayer</name>
    <message>
        <source>Graphic &amp;Properties...</source>
        <translation>&amp;Propriétés de l&apos;image...</translation>
    </message>
    <message>
        <source>Re&amp;move Graphic</source>
        <translation>&amp;Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>The pictures of this label could not be saved in the database.</source>
        <translation>Les images de cette étiquette n&apos;ont pas pu être enregistrées dans la base de données.</translation>
    </message>
</context>
<context>
    <name>mirn::PicturePreview</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>mirn::SheetDiagramView</name>
    <message>
        <source>Sheet</source>
        <translation>Planche</translation>
    </message>
</context>
<context>
    <name>mirn::StartPage</name>
    <message>
        <source>Open the &amp;Sample Database</source>
        <translation>Ouvrir la base d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;Add Extensions...</source>
        <translation>&amp;Ajouter des postes...</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Nouvelle base de données</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>&amp;Ouvrir une base de données...</translation>
    </message>
    <message>
        <source>Read &amp;Getting Started</source>
        <translation>Lire les &amp;premiers pas</translation>
    </message>
    <message>
        <source>This database has no extensions yet. To begin:</source>
        <translation>Cette base de données ne contient encore aucun poste. Pour commencer :</translation>
    </message>
    <message>
        <source>No database is open. To begin:</source>
        <translation>Aucune base de données n&apos;est ouverte. Pour commencer :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>mirn::TipArea</name>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
</context>
</TS>
