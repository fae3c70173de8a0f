<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutInfo</name>
    <message>
        <source>Print Engine %1 (%2)</source>
        <translation>Druckmodul %1 (%2)</translation>
    </message>
    <message>
        <source>, Build ID: %1</source>
        <translation>, Build-ID: %1</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64-Bit</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-Bit</translation>
    </message>
</context>
<context>
    <name>AdjustmentPages</name>
    <message>
        <source>Precise Printer Adjustment</source>
        <translation>Druckerfeinjustierung</translation>
    </message>
    <message>
        <source>Most people do not need to make any adjustments here. You may need to make adjustments if one of the following is true:

If you are using a print driver that was not designed specifically for your printer (such as using an HP Laserjet driver with a Panasonic laser printer).

If your printouts are &quot;shifted&quot; so they do not align correctly (e.g, your printed text does not center in the spaces provided on the paper).</source>
        <translation>Die meisten Anwender müssen hier nichts einstellen. Eine Feinjustierung kann nötig sein, wenn einer der folgenden Fälle zutrifft:

Sie verwenden einen Druckertreiber, der nicht eigens für Ihren Drucker gemacht ist (zum Beispiel einen HP-LaserJet-Treiber mit einem Panasonic-Laserdrucker).

Ihre Ausdrucke sind „verschoben“, sodass sie nicht richtig sitzen (zum Beispiel steht der gedruckte Text nicht mittig in den vorgesehenen Feldern auf dem Papier).</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>AdjustmentUnits</name>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>from left %1</source>
        <translation>von links %1</translation>
    </message>
    <message>
        <source>from top %1</source>
        <translation>von oben %1</translation>
    </message>
    <message>
        <source>Mirn printer calibration sheet for %1</source>
        <translation>Mirn-Kalibrierbogen für %1</translation>
    </message>
    <message>
        <source>Adjustment applied: portrait %1, %2 mm; landscape %3, %4 mm</source>
        <translation>Angewandte Feinjustierung: Hochformat %1, %2 mm; Querformat %3, %4 mm</translation>
    </message>
    <message>
        <source>Measure each cross from the paper&apos;s left and top edges and compare with its label.</source>
        <translation>Messen Sie jedes Kreuz vom linken und oberen Papierrand aus und vergleichen Sie mit seiner Beschriftung.</translation>
    </message>
    <message>
        <source>A cross that lands further right than labelled needs a negative horizontal adjustment</source>
        <translation>Ein Kreuz, das weiter rechts liegt als angegeben, braucht eine negative waagerechte Feinjustierung</translation>
    </message>
    <message>
        <source>of the difference; one that lands lower needs a negative vertical adjustment.</source>
        <translation>um die Differenz; eines, das tiefer liegt, eine negative senkrechte Feinjustierung.</translation>
    </message>
    <message>
        <source>Add the correction to the adjustment applied and enter it with: mirn-cli adjust PRINTER</source>
        <translation>Addieren Sie die Korrektur zur angewandten Feinjustierung und geben Sie sie ein mit: mirn-cli adjust DRUCKER</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>there is no extension %1</source>
        <translation>es gibt keine Nebenstelle %1</translation>
    </message>
    <message>
        <source>%1, batch tool</source>
        <translation>%1, Stapelwerkzeug</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>COMMAND [ARGUMENTS]</source>
        <translation>BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>&apos;mirn-cli COMMAND --help&apos; describes one command.</source>
        <translation>„mirn-cli BEFEHL --help“ beschreibt einen Befehl.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the operation failed (reason on standard error), 2 usage error.</source>
        <translation>Rückgabewert: 0 erledigt, 1 der Vorgang ist fehlgeschlagen (Grund in der Standardfehlerausgabe), 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>(mirn-cli --help lists the commands)</source>
        <translation>(mirn-cli --help listet die Befehle auf)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>cannot use it</source>
        <translation>kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>This layout has more than one label per page. To start printing on another label, give --start-slot %1=N (N from 1 to %2). First label: %3</source>
        <translation>Dieses Layout hat mehr als eine Tastenbeschriftung pro Seite. Um den Druck auf einer anderen Beschriftung zu beginnen, geben Sie --start-slot %1=N an (N von 1 bis %2). Erste Beschriftung: %3</translation>
    </message>
    <message>
        <source>Print or Cancel?</source>
        <translation>Drucken oder Abbrechen?</translation>
    </message>
    <message>
        <source>print</source>
        <translation>drucken</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper erwartet a4 oder letter, nicht „%1“</translation>
    </message>
    <message>
        <source>give one of --pdf OUT.pdf and --printer NAME</source>
        <translation>geben Sie entweder --pdf AUSGABE.pdf oder --printer NAME an</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>Drucker %1</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 erwartet eine ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>--%1 must be between %2 and %3</source>
        <translation>--%1 muss zwischen %2 und %3 liegen</translation>
    </message>
    <message>
        <source>missing arguments</source>
        <translation>Argumente fehlen</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>unbekannte Option --%1</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 wurde zweimal angegeben</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>Warning: layout %1: %2</source>
        <translation>Warnung: Layout %1: %2</translation>
    </message>
    <message>
        <source>new database</source>
        <translation>neue Datenbank</translation>
    </message>
    <message>
        <source>cannot save; the file keeps its previous content: %1</source>
        <translation>Speichern nicht möglich; die Datei behält ihren bisherigen Inhalt: %1</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>Erstellen nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot save: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions with an empty or non-text ID skipped</source>
        <comment>%n extension with an empty or non-text ID skipped</comment>
        <translation>
            <numerusform>%n Nebenstelle mit leerer oder nicht textueller ID übersprungen</numerusform>
            <numerusform>%n Nebenstellen mit leerer oder nicht textueller ID übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>Lesen nicht möglich</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>Schreiben nicht möglich</translation>
    </message>
    <message>
        <source>cannot write (the file keeps its previous content)</source>
        <translation>Schreiben nicht möglich (die Datei behält ihren bisherigen Inhalt)</translation>
    </message>
    <message>
        <source>extension %1 already exists</source>
        <translation>die Nebenstelle %1 gibt es schon</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>die Datei oder ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the file is already open in another program</source>
        <translation>die Datei ist bereits in einem anderen Programm geöffnet</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>cannot open: cannot make its working copy in the temporary folder %1: %2</source>
        <translation>Öffnen nicht möglich: die Arbeitskopie kann im temporären Ordner %1 nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>Öffnen nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot open: its working copy cannot grow: No space left on device</source>
        <translation>Öffnen nicht möglich: die Arbeitskopie kann nicht wachsen: Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>--start-slot takes N or TYPE=N, labels counted from 1, not &apos;%1&apos;</source>
        <translation>--start-slot erwartet N oder TYP=N, Beschriftungen ab 1 gezählt, nicht „%1“</translation>
    </message>
    <message>
        <source>--start-slot %1: no layout type</source>
        <translation>--start-slot %1: kein Layouttyp</translation>
    </message>
    <message>
        <source>--start-slot N is given twice; name the layout: --start-slot TYPE=N</source>
        <translation>--start-slot N wurde zweimal angegeben; nennen Sie das Layout: --start-slot TYP=N</translation>
    </message>
    <message>
        <source>--start-slot %1= is given twice</source>
        <translation>--start-slot %1= wurde zweimal angegeben</translation>
    </message>
    <message>
        <source>--start-slot %1=%2: none of the chosen extensions has the layout %1</source>
        <translation>--start-slot %1=%2: keine der gewählten Nebenstellen hat das Layout %1</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>%1 pt smaller</source>
        <translation>%1 pt kleiner</translation>
    </message>
    <message>
        <source>%1 pt smaller, still too long at 4 pt</source>
        <translation>%1 pt kleiner, auch mit 4 pt noch zu lang</translation>
    </message>
    <message>
        <source>--fix lists what it did as text; leave out --json</source>
        <translation>--fix listet das Ergebnis als Text auf; lassen Sie --json weg</translation>
    </message>
    <message>
        <source>%1 too wide</source>
        <translation>%1 zu breit</translation>
    </message>
    <message>
        <source>%1 too tall</source>
        <translation>%1 zu hoch</translation>
    </message>
    <message>
        <source>Every field&apos;s text fits.</source>
        <translation>Der Text jedes Feldes passt.</translation>
    </message>
    <message>
        <source>list the printed fields whose text does not fit (extension, layout, field, text, how much too wide or tall) and the labels that would be cut off at the paper&apos;s edge; exit 1 when any. --fix makes each overflowing field&apos;s text smaller, in half points, until it fits, and saves</source>
        <translation>listet die gedruckten Felder, deren Text nicht passt (Nebenstelle, Layout, Feld, Text, wie viel zu breit oder zu hoch), und die Tastenbeschriftungen, die am Papierrand abgeschnitten würden; Rückgabewert 1, wenn es welche gibt. --fix verkleinert den Text jedes überlaufenden Feldes in halben Punkten, bis er passt, und speichert</translation>
    </message>
    <message>
        <source>%1 must be a whole number: &apos;%2&apos;</source>
        <translation>%1 muss eine ganze Zahl sein: „%2“</translation>
    </message>
    <message>
        <source>exists (--force replaces it)</source>
        <translation>existiert bereits (--force ersetzt die Datei)</translation>
    </message>
    <message>
        <source>--sort must be extension, model or name</source>
        <translation>--sort muss extension, model oder name sein</translation>
    </message>
    <message>
        <source>give one of NAME, --name and --names-file</source>
        <translation>geben Sie nur eines von NAME, --name und --names-file an</translation>
    </message>
    <message>
        <source>cannot read the names</source>
        <translation>die Namen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the names: the file is neither UTF-8 nor Windows-1252 text</source>
        <translation>die Namen können nicht gelesen werden: die Datei ist weder UTF-8- noch Windows-1252-Text</translation>
    </message>
    <message>
        <source>holds %1 for %2 (one line per extension)</source>
        <translation>enthält %1 für %2 (eine Zeile pro Nebenstelle)</translation>
    </message>
    <message>
        <source>--on-conflict must be replace, skip or stop</source>
        <translation>--on-conflict muss replace, skip oder stop sein</translation>
    </message>
    <message numerus="yes">
        <source>the range %1 holds %n extensions; give --yes to create them all</source>
        <comment>the range %1 holds %n extension; give --yes to create them all</comment>
        <translation>
            <numerusform>der Bereich %1 umfasst %n Nebenstelle; geben Sie --yes an, um sie anzulegen</numerusform>
            <numerusform>der Bereich %1 umfasst %n Nebenstellen; geben Sie --yes an, um alle anzulegen</numerusform>
        </translation>
    </message>
    <message>
        <source>no extension ID in &apos;%1&apos;</source>
        <translation>keine Nebenstellen-ID in „%1“</translation>
    </message>
    <message>
        <source>no layout has type code %1; &apos;mirn-cli templates&apos; lists the layouts there are</source>
        <translation>kein Layout hat den Typcode %1; „mirn-cli templates“ listet die vorhandenen Layouts auf</translation>
    </message>
    <message>
        <source>; --on-conflict replace or skip goes on</source>
        <translation>; mit --on-conflict replace oder skip geht es weiter</translation>
    </message>
    <message>
        <source>, skipped</source>
        <translation>, übersprungen</translation>
    </message>
    <message>
        <source>give --id, --name or both</source>
        <translation>geben Sie --id, --name oder beide an</translation>
    </message>
    <message>
        <source>give --file or --plain, not both</source>
        <translation>geben Sie --file oder --plain an, nicht beide</translation>
    </message>
    <message>
        <source>SLOT must be between 1 and 1024</source>
        <translation>PLATZ muss zwischen 1 und 1024 liegen</translation>
    </message>
    <message>
        <source>cannot read the picture</source>
        <translation>das Bild kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot extract %1: %2</source>
        <translation>%1 kann nicht herausgeschrieben werden: %2</translation>
    </message>
    <message>
        <source>no stored picture has that hash, or it cannot be written</source>
        <translation>kein gespeichertes Bild hat diesen Hashwert, oder es kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>create an empty label database</source>
        <translation>legt eine leere Beschriftungsdatenbank an</translation>
    </message>
    <message>
        <source>show the format, versions, counts and type codes of a database</source>
        <translation>zeigt Format, Versionen, Anzahlen und Typcodes einer Datenbank</translation>
    </message>
    <message>
        <source>list the extensions: id, type code, name, modified</source>
        <translation>listet die Nebenstellen auf: ID, Typcode, Name, geändert</translation>
    </message>
    <message>
        <source>show the stored fields of one extension</source>
        <translation>zeigt die gespeicherten Felder einer Nebenstelle</translation>
    </message>
    <message>
        <source>add extensions: IDs and ranges as typed in the dialog, with the layout&apos;s default texts</source>
        <translation>fügt Nebenstellen hinzu: IDs und Bereiche wie im Dialog eingegeben, mit den Standardtexten des Layouts</translation>
    </message>
    <message>
        <source>delete an extension with its fields</source>
        <translation>löscht eine Nebenstelle mit ihren Feldern</translation>
    </message>
    <message>
        <source>change an extension&apos;s id or name</source>
        <translation>ändert ID oder Namen einer Nebenstelle</translation>
    </message>
    <message>
        <source>set the stored text of a field (empty text removes it)</source>
        <translation>setzt den gespeicherten Text eines Feldes (leerer Text entfernt ihn)</translation>
    </message>
    <message>
        <source>put a picture into a graphic slot (1-1024), stored in the file unless --link</source>
        <translation>setzt ein Bild in einen Bildplatz (1–1024), in der Datei gespeichert außer mit --link</translation>
    </message>
    <message>
        <source>write a stored picture into a folder</source>
        <translation>schreibt ein gespeichertes Bild in einen Ordner</translation>
    </message>
    <message>
        <source>--on-conflict takes replace, skip or stop</source>
        <translation>--on-conflict erwartet replace, skip oder stop</translation>
    </message>
    <message>
        <source>Skipped existing extension %1</source>
        <translation>Vorhandene Nebenstelle %1 übersprungen</translation>
    </message>
    <message>
        <source>Stopped at existing extension %1</source>
        <translation>Bei der vorhandenen Nebenstelle %1 angehalten</translation>
    </message>
    <message>
        <source>no such database (give --create to make a new one)</source>
        <translation>diese Datenbank gibt es nicht (--create legt eine neue an)</translation>
    </message>
    <message>
        <source>columns not imported: %1</source>
        <translation>nicht importierte Spalten: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped (no type code, or a layout not installed)</source>
        <comment>%n line skipped (no type code, or a layout not installed)</comment>
        <translation>
            <numerusform>%n Zeile übersprungen (kein Typcode oder ein nicht installiertes Layout)</numerusform>
            <numerusform>%n Zeilen übersprungen (kein Typcode oder ein nicht installiertes Layout)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extensions could not be stored completely</source>
        <comment>%n extension could not be stored completely</comment>
        <translation>
            <numerusform>%n Nebenstelle konnte nicht vollständig gespeichert werden</numerusform>
            <numerusform>%n Nebenstellen konnten nicht vollständig gespeichert werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells were cut to 32767 characters</source>
        <comment>%n cell was cut to 32767 characters</comment>
        <translation>
            <numerusform>%n Zelle wurde auf 32767 Zeichen gekürzt</numerusform>
            <numerusform>%n Zellen wurden auf 32767 Zeichen gekürzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n embedded pictures could not be copied</source>
        <comment>%n embedded picture could not be copied</comment>
        <translation>
            <numerusform>%n eingebettetes Bild konnte nicht kopiert werden</numerusform>
            <numerusform>%n eingebettete Bilder konnten nicht kopiert werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows with problems passed over</source>
        <comment>%n row with problems passed over</comment>
        <translation>
            <numerusform>%n fehlerhafte Zeile übergangen</numerusform>
            <numerusform>%n fehlerhafte Zeilen übergangen</numerusform>
        </translation>
    </message>
    <message>
        <source>--encoding takes windows-1252 or utf-8</source>
        <translation>--encoding erwartet windows-1252 oder utf-8</translation>
    </message>
    <message>
        <source>cannot make a temporary folder</source>
        <translation>ein temporärer Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>--map takes COLUMN=TARGET, the target one of id, name, first name, last name, type code, field N, key N, ignore: %1</source>
        <translation>--map erwartet SPALTE=ZIEL, das Ziel eines von id, name, first name, last name, type code, field N, key N, ignore: %1</translation>
    </message>
    <message>
        <source>--separator takes comma, semicolon or tab</source>
        <translation>--separator erwartet comma, semicolon oder tab</translation>
    </message>
    <message>
        <source>--header takes yes or no</source>
        <translation>--header erwartet yes oder no</translation>
    </message>
    <message>
        <source>--json goes with --dry-run</source>
        <translation>--json gibt es nur mit --dry-run</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>import preset</source>
        <translation>Importvorgabe</translation>
    </message>
    <message>
        <source>cannot merge a database into itself</source>
        <translation>eine Datenbank kann nicht mit sich selbst zusammengeführt werden</translation>
    </message>
    <message>
        <source>export every extension of a label database to a CSV file (Windows-1252 unless --encoding utf-8)</source>
        <translation>exportiert jede Nebenstelle einer Beschriftungsdatenbank in eine CSV-Datei (Windows-1252, außer mit --encoding utf-8)</translation>
    </message>
    <message>
        <source>import extensions from a CSV file, with or without a header row (existing ones are skipped and listed unless told)</source>
        <translation>importiert Nebenstellen aus einer CSV-Datei, mit oder ohne Kopfzeile (vorhandene werden übersprungen und aufgelistet, wenn nicht anders angegeben)</translation>
    </message>
    <message>
        <source>import extensions from the first (or the named) sheet of a workbook</source>
        <translation>importiert Nebenstellen aus dem ersten (oder dem genannten) Tabellenblatt einer Arbeitsmappe</translation>
    </message>
    <message>
        <source>export the extensions to a spreadsheet (.xlsx, or binary .xls for any other name)</source>
        <translation>exportiert die Nebenstellen in eine Tabelle (.xlsx, oder binäres .xls bei jedem anderen Namen)</translation>
    </message>
    <message>
        <source>copy the extensions of another label database into FILE</source>
        <translation>kopiert die Nebenstellen einer anderen Beschriftungsdatenbank in DATEI</translation>
    </message>
    <message>
        <source>show where settings, layouts and data are looked for</source>
        <translation>zeigt, wo Einstellungen, Layouts und Daten gesucht werden</translation>
    </message>
    <message>
        <source>cannot convert: %1</source>
        <translation>Umwandeln nicht möglich: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records with a blank extension ID skipped</source>
        <comment>%n record with a blank extension ID skipped</comment>
        <translation>
            <numerusform>%n Datensatz mit leerer Nebenstellen-ID übersprungen</numerusform>
            <numerusform>%n Datensätze mit leerer Nebenstellen-ID übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot convert: the file was written by a newer generation of the program</source>
        <translation>Umwandeln nicht möglich: die Datei wurde von einer neueren Generation des Programms geschrieben</translation>
    </message>
    <message>
        <source>cannot convert</source>
        <translation>Umwandeln nicht möglich</translation>
    </message>
    <message>
        <source>cannot convert: not a label database</source>
        <translation>Umwandeln nicht möglich: keine Beschriftungsdatenbank</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>geschrieben: %1</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>write a database (of either generation) in the current format; converting a legacy file onto itself keeps the original as a backup; an existing NEW is replaced only with --force</source>
        <translation>schreibt eine Datenbank (beider Generationen) im aktuellen Format; wird eine alte Datei in sich selbst umgewandelt, bleibt das Original als Sicherung erhalten; eine vorhandene NEU wird nur mit --force ersetzt</translation>
    </message>
    <message>
        <source>nothing was printed</source>
        <translation>es wurde nichts gedruckt</translation>
    </message>
    <message>
        <source>the document could not be finished and may be incomplete</source>
        <translation>das Dokument konnte nicht abgeschlossen werden und ist vielleicht unvollständig</translation>
    </message>
    <message numerus="yes">
        <source>Printed %n labels on %1 to %2</source>
        <comment>Printed %n label on %1 to %2</comment>
        <translation>
            <numerusform>%n Tastenbeschriftung auf %1 gedruckt nach %2</numerusform>
            <numerusform>%n Tastenbeschriftungen auf %1 gedruckt nach %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <comment>%n page</comment>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>cancelled; the runs before were printed</source>
        <translation>abgebrochen; die Durchgänge davor wurden gedruckt</translation>
    </message>
    <message>
        <source>cancelled; nothing was printed</source>
        <translation>abgebrochen; es wurde nichts gedruckt</translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n labels</source>
        <comment>stopped after %n label</comment>
        <translation>
            <numerusform>nach %n Tastenbeschriftung angehalten</numerusform>
            <numerusform>nach %n Tastenbeschriftungen angehalten</numerusform>
        </translation>
    </message>
    <message>
        <source>Printed a calibration sheet to %1</source>
        <translation>Kalibrierbogen gedruckt nach %1</translation>
    </message>
    <message>
        <source>no layout file and no layout with type code %1 (&apos;mirn-cli templates&apos; lists them)</source>
        <translation>keine Layoutdatei und kein Layout mit dem Typcode %1 („mirn-cli templates“ listet sie auf)</translation>
    </message>
    <message>
        <source>--copies takes 1 to 1000</source>
        <translation>--copies erwartet 1 bis 1000</translation>
    </message>
    <message>
        <source>nothing to print: no extensions chosen</source>
        <translation>nichts zu drucken: keine Nebenstellen gewählt</translation>
    </message>
    <message>
        <source>nothing was printed: print on paper the sheets fit (--paper), or give --yes to print them cut</source>
        <translation>es wurde nichts gedruckt: drucken Sie auf Papier, auf das die Bögen passen (--paper), oder geben Sie --yes an, um sie abgeschnitten zu drucken</translation>
    </message>
    <message>
        <source>print a database&apos;s labels (each layout asks Print or Cancel), a calibration sheet, or a layout&apos;s test sheet (the outline of every label and field, with the fields&apos; ids)</source>
        <translation>druckt die Tastenbeschriftungen einer Datenbank (jedes Layout fragt Drucken oder Abbrechen), einen Kalibrierbogen oder den Testbogen eines Layouts (die Umrisse jeder Beschriftung und jedes Feldes, mit den IDs der Felder)</translation>
    </message>
    <message>
        <source>--unit takes twips, mm or in</source>
        <translation>--unit erwartet twips, mm oder in</translation>
    </message>
    <message>
        <source>--%1 takes X,Y within -200 to 200 mm or -10 to 10 inches, not &apos;%2&apos;</source>
        <translation>--%1 erwartet X,Y zwischen -200 und 200 mm oder -10 und 10 Zoll, nicht „%2“</translation>
    </message>
    <message>
        <source>--%1 takes X,Y</source>
        <translation>--%1 erwartet X,Y</translation>
    </message>
    <message>
        <source>cannot store the adjustment</source>
        <translation>die Feinjustierung kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>list the printers: name, status, driver, where, comment</source>
        <translation>listet die Drucker auf: Name, Status, Treiber, Standort, Kommentar</translation>
    </message>
    <message>
        <source>show or set a printer&apos;s position adjustment</source>
        <translation>zeigt oder setzt die Druckerfeinjustierung eines Druckers</translation>
    </message>
    <message>
        <source>no layout template for type code %1</source>
        <translation>keine Layoutvorlage für den Typcode %1</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures of extension %1 could not be loaded or decoded and are drawn crossed out</source>
        <comment>%n picture of extension %1 could not be loaded or decoded and is drawn crossed out</comment>
        <translation>
            <numerusform>%n Bild der Nebenstelle %1 konnte nicht geladen oder entschlüsselt werden und wird durchgestrichen gezeichnet</numerusform>
            <numerusform>%n Bilder der Nebenstelle %1 konnten nicht geladen oder entschlüsselt werden und werden durchgestrichen gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write: the image could not be encoded</source>
        <translation>Schreiben nicht möglich: das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>SIZE must be a whole number of pixels between 8 and 1024, not &apos;%1&apos;</source>
        <translation>GRÖSSE muss eine ganze Pixelzahl zwischen 8 und 1024 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>holds no extension to show</source>
        <translation>enthält keine Nebenstelle zum Anzeigen</translation>
    </message>
    <message>
        <source>draw one extension&apos;s label to a PNG image as the label view shows it</source>
        <translation>zeichnet die Tastenbeschriftung einer Nebenstelle in ein PNG-Bild, wie die Beschriftungsansicht sie zeigt</translation>
    </message>
    <message>
        <source>draw the first extension&apos;s label scaled to fit SIZE pixels (for file managers)</source>
        <translation>zeichnet die Tastenbeschriftung der ersten Nebenstelle auf GRÖSSE Pixel verkleinert (für Dateimanager)</translation>
    </message>
    <message>
        <source>--styles takes everything or a list of font, size, alignment, color, graphics, text: &apos;%1&apos;</source>
        <translation>--styles erwartet everything oder eine Liste aus font, size, alignment, color, graphics, text: „%1“</translation>
    </message>
    <message>
        <source>--styles names no style</source>
        <translation>--styles nennt kein Format</translation>
    </message>
    <message>
        <source>give the extensions to copy to, or --all-same-layout</source>
        <translation>geben Sie die Nebenstellen an, auf die übertragen wird, oder --all-same-layout</translation>
    </message>
    <message>
        <source>--styles is required</source>
        <translation>--styles ist erforderlich</translation>
    </message>
    <message>
        <source>extension &apos;%1&apos; is the source</source>
        <translation>die Nebenstelle „%1“ ist die Quelle</translation>
    </message>
    <message>
        <source>extension &apos;%1&apos; does not have the layout of &apos;%2&apos;</source>
        <translation>die Nebenstelle „%1“ hat nicht das Layout von „%2“</translation>
    </message>
    <message>
        <source>the text to find is empty</source>
        <translation>der zu suchende Text ist leer</translation>
    </message>
    <message>
        <source>Would replace %1 in %2.</source>
        <translation>Würde %1 in %2 ersetzen.</translation>
    </message>
    <message>
        <source>Replaced %1 in %2.</source>
        <translation>%1 in %2 ersetzt.</translation>
    </message>
    <message>
        <source>copy text and formatting from one extension to others of its layout</source>
        <translation>überträgt Text und Formatierung von einer Nebenstelle auf andere mit demselben Layout</translation>
    </message>
    <message>
        <source>replace a text in every field of every extension</source>
        <translation>ersetzt einen Text in jedem Feld jeder Nebenstelle</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>no usable conversion table; nothing converted</source>
        <translation>keine brauchbare Umwandlungstabelle; nichts umgewandelt</translation>
    </message>
    <message>
        <source>extension &apos;%1&apos;: cannot change the type code to %2: %3</source>
        <translation>Nebenstelle „%1“: der Typcode kann nicht in %2 geändert werden: %3</translation>
    </message>
    <message>
        <source>compile a layout template source into a template file</source>
        <translation>übersetzt die Quelle einer Layoutvorlage in eine Vorlagendatei</translation>
    </message>
    <message>
        <source>write the source of a template file to standard output</source>
        <translation>schreibt die Quelle einer Vorlagendatei in die Standardausgabe</translation>
    </message>
    <message>
        <source>show a template&apos;s header, slots and objects</source>
        <translation>zeigt Kopf, Plätze und Objekte einer Vorlage</translation>
    </message>
    <message>
        <source>list the layout library by type code (or the templates in the folders given)</source>
        <translation>listet die Layoutbibliothek nach Typcode auf (oder die Vorlagen in den angegebenen Ordnern)</translation>
    </message>
    <message>
        <source>move extensions of retired layouts to their replacements, save, and list them</source>
        <translation>stellt Nebenstellen ausgemusterter Layouts auf deren Nachfolger um, speichert und listet sie auf</translation>
    </message>
    <message numerus="yes">
        <source>--start-slot %1: the layout %2 has %n labels per sheet</source>
        <comment>--start-slot %1: the layout %2 has %n label per sheet</comment>
        <translation>
            <numerusform>--start-slot %1: das Layout %2 hat %n Tastenbeschriftung pro Bogen</numerusform>
            <numerusform>--start-slot %1: das Layout %2 hat %n Tastenbeschriftungen pro Bogen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields have more text than fits.</source>
        <comment>%n field has more text than fits.</comment>
        <translation>
            <numerusform>%n Feld hat mehr Text, als hineinpasst.</numerusform>
            <numerusform>%n Felder haben mehr Text, als hineinpasst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <comment>%n name</comment>
        <translation>
            <numerusform>%n Namen</numerusform>
            <numerusform>%n Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extensions</source>
        <comment>%n extension</comment>
        <translation>
            <numerusform>%n Nebenstelle</numerusform>
            <numerusform>%n Nebenstellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Warning: %n fields have more text than fits; &apos;%1&apos; lists them.</source>
        <comment>Warning: %n field has more text than fits; &apos;%1&apos; lists them.</comment>
        <translation>
            <numerusform>Warnung: %n Feld hat mehr Text, als hineinpasst; „%1“ listet es auf.</numerusform>
            <numerusform>Warnung: %n Felder haben mehr Text, als hineinpasst; „%1“ listet sie auf.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n occurrences</source>
        <comment>%n occurrence</comment>
        <translation>
            <numerusform>%n Vorkommen</numerusform>
            <numerusform>%n Vorkommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields</source>
        <comment>%n field</comment>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Feldern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not saved: %n extensions could not be converted</source>
        <comment>not saved: %n extension could not be converted</comment>
        <translation>
            <numerusform>nicht gespeichert: %n Nebenstelle konnte nicht umgewandelt werden</numerusform>
            <numerusform>nicht gespeichert: %n Nebenstellen konnten nicht umgewandelt werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extensions moved to new type codes</source>
        <comment>%n extension moved to new type codes</comment>
        <translation>
            <numerusform>%n Nebenstelle auf neue Typcodes umgestellt</numerusform>
            <numerusform>%n Nebenstellen auf neue Typcodes umgestellt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliReference</name>
    <message>
        <source>cli.md</source>
        <translation>cli.de.md</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>column %1 (%2)</source>
        <translation>Spalte %1 (%2)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 and %2 are both mapped to %3</source>
        <translation>%1 und %2 sind beide %3 zugeordnet</translation>
    </message>
    <message>
        <source>no column holds the extension number (name one &quot;extension&quot;, or map one to id)</source>
        <translation>keine Spalte enthält die Nebenstellennummer (nennen Sie eine „extension“ oder ordnen Sie eine id zu)</translation>
    </message>
    <message>
        <source>%1 is the name while other columns hold first and last names</source>
        <translation>%1 ist der Name, während andere Spalten Vor- und Nachnamen enthalten</translation>
    </message>
    <message>
        <source>no column holds the layout: choose one (--type CODE)</source>
        <translation>keine Spalte enthält das Layout: wählen Sie eines (--type CODE)</translation>
    </message>
</context>
<context>
    <name>CopyStyles</name>
    <message>
        <source>Font Style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Copying complete.</source>
        <translation>Übertragung abgeschlossen.</translation>
    </message>
    <message>
        <source>There is no extension &quot;%1&quot; to copy from.</source>
        <translation>Es gibt keine Nebenstelle „%1“, von der übertragen werden kann.</translation>
    </message>
    <message>
        <source>Copying Styles</source>
        <translation>Formate werden übertragen</translation>
    </message>
    <message>
        <source>Copying to extension %1...</source>
        <translation>Übertragung auf Nebenstelle %1...</translation>
    </message>
    <message>
        <source>The styles could not be copied to extension &quot;%1&quot;: %2.

%3</source>
        <translation>Die Formate konnten nicht auf die Nebenstelle „%1“ übertragen werden: %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>Copying stopped after %n extensions were copied.</source>
        <comment>Copying stopped after %n extension was copied.</comment>
        <translation>
            <numerusform>Übertragen angehalten, nachdem %n Nebenstelle übertragen wurde.</numerusform>
            <numerusform>Übertragen angehalten, nachdem %n Nebenstellen übertragen wurden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyStylesWizard</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>This procedure will copy information from one extension to other extensions.

You can copy text, font selections and formatting choices from one extension to another.

To begin, press the &apos;Next&apos; button below.</source>
        <translation>Mit diesem Assistenten übertragen Sie Angaben von einer Nebenstelle auf andere Nebenstellen.

Sie können Text, Schriftarten und Formatierungen von einer Nebenstelle auf eine andere übertragen.

Klicken Sie zum Beginnen unten auf „Weiter“.</translation>
    </message>
    <message>
        <source>Select the extension to copy FROM, then click the &apos;Next&apos; button.</source>
        <translation>Wählen Sie die Nebenstelle, VON der übertragen wird, und klicken Sie auf „Weiter“.</translation>
    </message>
    <message>
        <source>Press &apos;Back&apos; to choose a different extension.</source>
        <translation>Klicken Sie auf „Zurück“, um eine andere Nebenstelle zu wählen.</translation>
    </message>
    <message>
        <source>Select the extensions to copy TO. You can select more than one extension by holding down the Ctrl key while clicking your mouse button on the list. Press [Ctrl-/] to select all extensions.

After making your selections, click the &apos;Next&apos; button.</source>
        <translation>Wählen Sie die Nebenstellen, AUF die übertragen wird. Mit gedrückter Strg-Taste können Sie in der Liste mehrere Nebenstellen anklicken. Mit [Strg-/] wählen Sie alle Nebenstellen aus.

Klicken Sie danach auf „Weiter“.</translation>
    </message>
    <message>
        <source>Select the styles to be copied. When you are finished selecting styles, click the &apos;Finish&apos; button.</source>
        <translation>Wählen Sie die zu übertragenden Formate. Klicken Sie danach auf „Fertig stellen“.</translation>
    </message>
    <message>
        <source>The styles below will be copied. Press &apos;Copy&apos; to start, or &apos;Back&apos; to change your choices.</source>
        <translation>Die unten stehenden Formate werden übertragen. Klicken Sie auf „Kopieren“, um zu beginnen, oder auf „Zurück“, um die Auswahl zu ändern.</translation>
    </message>
    <message>
        <source>You must select an extension to copy from.</source>
        <translation>Wählen Sie eine Nebenstelle, von der übertragen wird.</translation>
    </message>
    <message>
        <source>You must select one or more extensions to copy to.</source>
        <translation>Wählen Sie mindestens eine Nebenstelle, auf die übertragen wird.</translation>
    </message>
    <message>
        <source>You must select one or more styles to be copied.</source>
        <translation>Wählen Sie mindestens ein Format zum Übertragen.</translation>
    </message>
    <message>
        <source>There are no other extensions that are of the same type as extension &quot;%1&quot;.</source>
        <translation>Es gibt keine weiteren Nebenstellen vom selben Typ wie die Nebenstelle „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>%n selected extensions</source>
        <comment>%n selected extension</comment>
        <translation>
            <numerusform>%n ausgewählte Nebenstelle</numerusform>
            <numerusform>%n ausgewählte Nebenstellen</numerusform>
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
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>StrikeOut</source>
        <translation>Durchgestrichen</translation>
    </message>
</context>
<context>
    <name>CustomCodes</name>
    <message>
        <source>The custom codes could not be saved. The file was supposed to be saved to:

%1</source>
        <translation>Die eigenen Codes konnten nicht gespeichert werden. Die Datei sollte gespeichert werden unter:

%1</translation>
    </message>
</context>
<context>
    <name>DDFConversions</name>
    <message>
        <source>no new typeCode for DDF: %1</source>
        <translation>kein neuer Typcode für die Layoutvorlage %1</translation>
    </message>
</context>
<context>
    <name>DDFLibrary</name>
    <message>
        <source>requested DDF not found in library: %1</source>
        <translation>die Layoutvorlage %1 ist nicht in der Bibliothek</translation>
    </message>
</context>
<context>
    <name>DDFReader</name>
    <message>
        <source>Could not open DDF file: %1</source>
        <translation>Die Layoutvorlage kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Could not read DDF header: %1</source>
        <translation>Der Kopf der Layoutvorlage kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>DDF did not pass validation tests: %1</source>
        <translation>Die Layoutvorlage hat die Prüfung nicht bestanden: %1</translation>
    </message>
</context>
<context>
    <name>DDFWriter</name>
    <message>
        <source>%1 is %2 bytes long; its field holds %3</source>
        <translation>%1 ist %2 Bytes lang; sein Feld fasst %3</translation>
    </message>
    <message>
        <source>version must be &quot;270&quot; or &quot;DDF&quot;</source>
        <translation>die Version muss „270“ oder „DDF“ sein</translation>
    </message>
    <message>
        <source>the preamble must not contain the byte 0x1A</source>
        <translation>der Vorspann darf das Byte 0x1A nicht enthalten</translation>
    </message>
    <message>
        <source>the preamble is %1 bytes long; at most %2 fit before the end mark</source>
        <translation>der Vorspann ist %1 Bytes lang; vor die Endmarke passen höchstens %2</translation>
    </message>
    <message>
        <source>the reserved text</source>
        <translation>der reservierte Text</translation>
    </message>
    <message>
        <source>the caption of object %1 is longer than the %2 bytes of its field</source>
        <translation>die Beschriftung des Objekts %1 ist länger als die %2 Bytes seines Feldes</translation>
    </message>
</context>
<context>
    <name>DbResult</name>
    <message>
        <source>success</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>no such row</source>
        <translation>Zeile nicht vorhanden</translation>
    </message>
    <message>
        <source>a database statement failed</source>
        <translation>ein Datenbankbefehl ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the file is not a label database of this generation</source>
        <translation>die Datei ist keine Beschriftungsdatenbank dieser Generation</translation>
    </message>
    <message>
        <source>the legacy database could not be read or converted</source>
        <translation>die alte Datenbank konnte nicht gelesen oder umgewandelt werden</translation>
    </message>
    <message>
        <source>no database is open</source>
        <translation>keine Datenbank geöffnet</translation>
    </message>
    <message>
        <source>the extension id is empty</source>
        <translation>die Nebenstellen-ID ist leer</translation>
    </message>
    <message>
        <source>the file is already open or cannot be read</source>
        <translation>die Datei ist bereits geöffnet oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>an extension with that id already exists</source>
        <translation>eine Nebenstelle mit dieser ID gibt es bereits</translation>
    </message>
    <message>
        <source>there is no extension with that id</source>
        <translation>es gibt keine Nebenstelle mit dieser ID</translation>
    </message>
    <message>
        <source>the graphic slot is empty</source>
        <translation>der Bildplatz ist leer</translation>
    </message>
    <message>
        <source>the graphic description cannot be read</source>
        <translation>die Bildbeschreibung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the picture file or stored picture cannot be read or written</source>
        <translation>die Bilddatei oder das gespeicherte Bild kann nicht gelesen oder geschrieben werden</translation>
    </message>
    <message>
        <source>the database lacks the schema version needed</source>
        <translation>der Datenbank fehlt die nötige Schemaversion</translation>
    </message>
    <message>
        <source>the file could not be written; it keeps its previous content</source>
        <translation>die Datei konnte nicht geschrieben werden; sie behält ihren bisherigen Inhalt</translation>
    </message>
    <message>
        <source>the file is read-only; you may not write it</source>
        <translation>die Datei ist schreibgeschützt; Sie dürfen sie nicht ändern</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>The file you are trying to open requires a newer version of Mirn.

Do you want to check for an update now?</source>
        <translation>Die Datei, die Sie öffnen möchten, braucht eine neuere Version von Mirn.

Jetzt nach einer Aktualisierung suchen?</translation>
    </message>
    <message>
        <source>Newer version of Mirn required</source>
        <translation>Neuere Version von Mirn erforderlich</translation>
    </message>
    <message>
        <source>&amp;Check for an Update</source>
        <translation>Nach Aktualisierung &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Check</source>
        <translation>&amp;Nicht suchen</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file you are trying to open is already open, either in another window, or by another user.

File path: %1</source>
        <translation>Die Datei, die Sie öffnen möchten, ist bereits geöffnet – in einem anderen Fenster oder von einem anderen Benutzer.

Dateipfad: %1</translation>
    </message>
    <message>
        <source>FILE CONVERSION WARNING

The file you are saving was created in Mirn 2. If you continue, it will be converted to Mirn 3 format and you will no longer be able to open it in Mirn 2.

To save the file under a different name, use the &quot;File &gt; Save As...&quot; command instead of &quot;File &gt; Save&quot;.

If you continue, a backup of the original file will be saved as &quot;%1.backup&quot;.</source>
        <translation>WARNUNG ZUR DATEIUMWANDLUNG

Die Datei, die Sie speichern, wurde mit Mirn 2 erstellt. Wenn Sie fortfahren, wird sie in das Format von Mirn 3 umgewandelt und lässt sich nicht mehr mit Mirn 2 öffnen.

Um die Datei unter einem anderen Namen zu speichern, verwenden Sie „Datei &gt; Speichern unter...“ statt „Datei &gt; Speichern“.

Wenn Sie fortfahren, wird eine Sicherung der ursprünglichen Datei als „%1.backup“ gespeichert.</translation>
    </message>
    <message>
        <source>%1

Mirn could not save this file: %2.</source>
        <translation>%1

Mirn konnte diese Datei nicht speichern: %2.</translation>
    </message>
    <message>
        <source>File Conversion Warning</source>
        <translation>Warnung zur Dateiumwandlung</translation>
    </message>
    <message>
        <source>&amp;Convert and Save</source>
        <translation>&amp;Umwandeln und speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1

You don&apos;t have permission to save in this location.

Please save to a different folder.</source>
        <translation>%1

Sie haben keine Berechtigung, an diesem Ort zu speichern.

Bitte speichern Sie in einem anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>From &amp;CSV File</source>
        <translation>Aus &amp;CSV-Datei</translation>
    </message>
    <message>
        <source>From &amp;MRB File (Merge Databases)</source>
        <translation>Aus &amp;MRB-Datei (Datenbanken zusammenführen)</translation>
    </message>
    <message>
        <source>&amp;CSV File</source>
        <translation>&amp;CSV-Datei</translation>
    </message>
</context>
<context>
    <name>ExchangeController</name>
    <message>
        <source>Importing</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Replace</source>
        <translation>&amp;Nicht ersetzen</translation>
    </message>
    <message>
        <source>&amp;Stop Importing</source>
        <translation>Import a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Comma-Separated Value (CSV) Files|*.csv|All Files|*.*||</source>
        <translation>CSV-Dateien (durch Komma getrennt)|*.csv|Alle Dateien|*.*||</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Microsoft Excel 2007/2010|*.xlsx|Microsoft Excel 97/2000/XP|*.xls||</source>
        <translation>Microsoft Excel 2007/2010|*.xlsx|Microsoft Excel 97/2000/XP|*.xls||</translation>
    </message>
    <message>
        <source>Opening spreadsheet...</source>
        <translation>Tabelle wird geöffnet...</translation>
    </message>
    <message>
        <source>CSV Files|*.txt; *.csv|Workbooks|*.xlsx; *.ods|All Files|*.*||</source>
        <translation>CSV-Dateien|*.txt; *.csv|Arbeitsmappen|*.xlsx; *.ods|Alle Dateien|*.*||</translation>
    </message>
    <message>
        <source>&amp;Import the Rest</source>
        <translation>&amp;Rest importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Mirn Databases|*.mrb|All Files|*.*||</source>
        <translation>Mirn-Datenbanken|*.mrb|Alle Dateien|*.*||</translation>
    </message>
    <message>
        <source>The CSV import settings could not be saved.</source>
        <translation>Die CSV-Importeinstellungen konnten nicht gespeichert werden.</translation>
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
            <numerusform>Export abgeschlossen.

%n Nebenstelle wurde exportiert.</numerusform>
            <numerusform>Export abgeschlossen.

%n Nebenstellen wurden exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n extensions</source>
        <comment>Imported %n extension</comment>
        <translation>
            <numerusform>%n Nebenstelle importiert</numerusform>
            <numerusform>%n Nebenstellen importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not write %1: %2; the file keeps its previous content</source>
        <translation>%1 konnte nicht geschrieben werden: %2; die Datei behält ihren bisherigen Inhalt</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The working copy in %1 cannot grow: no space left on the device. Nothing was saved.</source>
        <translation>Die Arbeitskopie in %1 kann nicht wachsen: kein Speicherplatz mehr auf dem Gerät. Es wurde nichts gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <comment>%n added</comment>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <comment>%n replaced</comment>
        <translation>
            <numerusform>%n ersetzt</numerusform>
            <numerusform>%n ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept</source>
        <comment>%n kept</comment>
        <translation>
            <numerusform>%n beibehalten</numerusform>
            <numerusform>%n beibehalten</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing added</source>
        <translation>nichts hinzugefügt</translation>
    </message>
    <message>
        <source>skipped, no type code</source>
        <translation>übersprungen, kein Typcode</translation>
    </message>
    <message>
        <source>skipped, layout %1 is not installed</source>
        <translation>übersprungen, das Layout %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>skipped, no extension ID</source>
        <translation>übersprungen, keine Nebenstellen-ID</translation>
    </message>
    <message>
        <source>extension %1 could not be stored</source>
        <translation>die Nebenstelle %1 konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>extension %1 was not stored completely</source>
        <translation>die Nebenstelle %1 wurde nicht vollständig gespeichert</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more lines</source>
        <comment>... and %n more line</comment>
        <translation>
            <numerusform>... und %n weitere Zeile</numerusform>
            <numerusform>... und %n weitere Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n lines were skipped.</source>
        <comment>Nothing was imported: %n line was skipped.</comment>
        <translation>
            <numerusform>Es wurde nichts importiert: %n Zeile wurde übersprungen.</numerusform>
            <numerusform>Es wurde nichts importiert: %n Zeilen wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file looks semicolon-separated. Mirn reads comma-separated files: save it as CSV with commas between the cells.</source>
        <translation>Die Datei scheint durch Semikolons getrennt zu sein. Mirn liest durch Kommas getrennte Dateien: Speichern Sie sie als CSV mit Kommas zwischen den Zellen.</translation>
    </message>
    <message>
        <source>The file looks tab-separated. Mirn reads comma-separated files: save it as CSV with commas between the cells.</source>
        <translation>Die Datei scheint durch Tabulatoren getrennt zu sein. Mirn liest durch Kommas getrennte Dateien: Speichern Sie sie als CSV mit Kommas zwischen den Zellen.</translation>
    </message>
    <message>
        <source>An .xls workbook holds at most %1 rows and this export needs %2: export to .xlsx instead.</source>
        <translation>Eine .xls-Arbeitsmappe fasst höchstens %1 Zeilen, und dieser Export braucht %2: Exportieren Sie stattdessen nach .xlsx.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Importing extension %1 (%2)</source>
        <translation>Nebenstelle %1 (%2) wird importiert</translation>
    </message>
    <message>
        <source>Importing extension %1</source>
        <translation>Nebenstelle %1 wird importiert</translation>
    </message>
    <message>
        <source>Exporting extension %1 (%2)</source>
        <translation>Nebenstelle %1 (%2) wird exportiert</translation>
    </message>
    <message>
        <source>Exporting extension %1</source>
        <translation>Nebenstelle %1 wird exportiert</translation>
    </message>
</context>
<context>
    <name>ExtensionCreator</name>
    <message>
        <source>Replace Extension</source>
        <translation>Nebenstelle ersetzen</translation>
    </message>
</context>
<context>
    <name>ExtensionList</name>
    <message>
        <source>Extension ID</source>
        <translation>Nebenstellen-ID</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Nebenstelle</translation>
    </message>
    <message>
        <source>Reading extensions: %1 of %2</source>
        <translation>Nebenstellen werden gelesen: %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions selected (%1 total)</source>
        <comment>%n extension selected (%1 total)</comment>
        <translation>
            <numerusform>%n Nebenstelle ausgewählt (insgesamt %1)</numerusform>
            <numerusform>%n Nebenstellen ausgewählt (insgesamt %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindReplace</name>
    <message>
        <source>The text of extension &quot;%1&quot; could not be stored: %2.</source>
        <translation>Der Text der Nebenstelle „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>No more occurrences of &apos;%1&apos; were found.</source>
        <translation>„%1“ wurde nicht mehr gefunden.</translation>
    </message>
</context>
<context>
    <name>GraphicTexts</name>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Embedded picture</source>
        <translation>Eingebettetes Bild</translation>
    </message>
    <message>
        <source>Linked picture</source>
        <translation>Verknüpftes Bild</translation>
    </message>
    <message>
        <source>, locked</source>
        <translation>, gesperrt</translation>
    </message>
    <message>
        <source>, cannot be shown</source>
        <translation>, kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>%1 x %2 %3</source>
        <translation>%1 × %2 %3</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(nicht gefunden)</translation>
    </message>
    <message>
        <source>(same)</source>
        <translation>(derselbe)</translation>
    </message>
</context>
<context>
    <name>ImportPreset</name>
    <message>
        <source>&quot;separator&quot; takes &quot;,&quot;, &quot;;&quot; or &quot;tab&quot;</source>
        <translation>„separator“ nimmt „,“, „;“ oder „tab“</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>column &quot;%1&quot;: unknown target &quot;%2&quot;</source>
        <translation>Spalte „%1“: unbekanntes Ziel „%2“</translation>
    </message>
    <message>
        <source>&quot;match&quot; (a list of names) and &quot;columns&quot; (names to targets) are needed: %1</source>
        <translation>„match“ (eine Liste von Namen) und „columns“ (Namen zu Zielen) werden benötigt: %1</translation>
    </message>
    <message>
        <source>&quot;match&quot; names no column</source>
        <translation>„match“ nennt keine Spalte</translation>
    </message>
</context>
<context>
    <name>LabelGraphicsEditor</name>
    <message>
        <source>Remove this graphic from the label?</source>
        <translation>Dieses Bild von der Tastenbeschriftung entfernen?</translation>
    </message>
    <message>
        <source>Remove Graphic</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Don&apos;t Remove</source>
        <translation>Nicht entfernen</translation>
    </message>
    <message>
        <source>Windows Metafile pictures (WMF, EMF) cannot be shown on this system.</source>
        <translation>Windows-Metafile-Bilder (WMF, EMF) können auf diesem System nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>LabelViewController</name>
    <message>
        <source>The text could not be copied to the clipboard because another application has locked the clipboard.</source>
        <translation>Der Text konnte nicht in die Zwischenablage kopiert werden, weil ein anderes Programm sie gesperrt hat.</translation>
    </message>
    <message>
        <source>Extension ‘%1’ — %2</source>
        <translation>Nebenstelle ‚%1‘ — %2</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
</context>
<context>
    <name>LayoutObjects</name>
    <message>
        <source>Text field</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftungstext</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Dotted frame</source>
        <translation>Gepunkteter Rahmen</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
</context>
<context>
    <name>LayoutSaveQuestions</name>
    <message>
        <source>Layout Designer</source>
        <translation>Layout-Designer</translation>
    </message>
    <message>
        <source>The layout was not saved:</source>
        <translation>Das Layout wurde nicht gespeichert:</translation>
    </message>
    <message>
        <source>Please check the layout:</source>
        <translation>Bitte prüfen Sie das Layout:</translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Not saved.</source>
        <translation>Nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save this layout as the new type code %1, or replace the layout of that type code with yours?</source>
        <translation>Dieses Layout unter dem neuen Typcode %1 speichern, oder das Layout dieses Typcodes durch Ihres ersetzen?</translation>
    </message>
    <message>
        <source>Save as &amp;New Type Code</source>
        <translation>Als &amp;neuen Typcode speichern</translation>
    </message>
    <message>
        <source>&amp;Replace Mine</source>
        <translation>Meines &amp;ersetzen</translation>
    </message>
    <message>
        <source>Save the new layout?</source>
        <translation>Das neue Layout speichern?</translation>
    </message>
    <message>
        <source>Save the changes to the layout %1?</source>
        <translation>Änderungen am Layout %1 speichern?</translation>
    </message>
</context>
<context>
    <name>LayoutSaving</name>
    <message>
        <source>The layout could not be saved in %1: %2.</source>
        <translation>Das Layout konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>LayoutValidation</name>
    <message>
        <source>%1 holds a character the layout file cannot store.</source>
        <translation>%1 enthält ein Zeichen, das die Layoutdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>%1 must not hold the character U+0000.</source>
        <translation>%1 darf das Zeichen U+0000 nicht enthalten.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; its field in the layout file holds %3.</source>
        <translation>%1 ist %2 Zeichen lang; das Feld in der Layoutdatei fasst %3.</translation>
    </message>
    <message>
        <source>The type code</source>
        <translation>Der Typcode</translation>
    </message>
    <message>
        <source>The maker&apos;s name</source>
        <translation>Der Herstellername</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Der Name</translation>
    </message>
    <message>
        <source>The label needs a width and a height above zero.</source>
        <translation>Die Tastenbeschriftung braucht eine Breite und eine Höhe über null.</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Beschriftung %1</translation>
    </message>
    <message>
        <source>The layout has no type code.</source>
        <translation>Das Layout hat keinen Typcode.</translation>
    </message>
    <message>
        <source>The sheet&apos;s description</source>
        <translation>Die Bogenbeschreibung</translation>
    </message>
    <message>
        <source>The type code %1 is already used by the layout &quot;%2&quot; (%3).</source>
        <translation>Der Typcode %1 wird bereits vom Layout „%2“ (%3) verwendet.</translation>
    </message>
    <message>
        <source>%1 and %2 use the same id %3; every object needs an id of its own.</source>
        <translation>%1 und %2 verwenden dieselbe ID %3; jedes Objekt braucht eine eigene ID.</translation>
    </message>
    <message>
        <source>%1: ids 1 to 1024 are kept for pictures; give the field an id of 1025 or above.</source>
        <translation>%1: Die IDs 1 bis 1024 sind für Bilder reserviert; geben Sie dem Feld eine ID ab 1025.</translation>
    </message>
    <message>
        <source>%1: its text is %2 characters long; its field in the layout file holds %3.</source>
        <translation>%1: Der Text ist %2 Zeichen lang; das Feld in der Layoutdatei fasst %3.</translation>
    </message>
    <message>
        <source>%1 reaches outside the label.</source>
        <translation>%1 ragt über die Tastenbeschriftung hinaus.</translation>
    </message>
    <message>
        <source>The layout has no labels on the sheet, so it cannot be printed.</source>
        <translation>Das Layout hat keine Beschriftungen auf dem Bogen und kann daher nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>%1 landscape sheet</source>
        <translation>Bogen %1 im Querformat</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>Bogen %1</translation>
    </message>
    <message>
        <source>%1 does not lie whole on the %2.</source>
        <translation>%1 liegt nicht ganz auf dem %2.</translation>
    </message>
    <message>
        <source>Labels %1 and %2 overlap.</source>
        <translation>Die Beschriftungen %1 und %2 überlappen sich.</translation>
    </message>
    <message>
        <source>%1: its text is longer than the %2 characters its field in the layout file holds.</source>
        <translation>%1: Sein Text ist länger als die %2 Zeichen, die sein Feld in der Layoutdatei fasst.</translation>
    </message>
    <message>
        <source>%1: the text</source>
        <translation>Der Text von %1</translation>
    </message>
</context>
<context>
    <name>LegacyReader</name>
    <message>
        <source>the column %1 is missing or not text</source>
        <translation>die Spalte %1 fehlt oder enthält keinen Text</translation>
    </message>
    <message>
        <source>the column %1 is missing or not a number</source>
        <translation>die Spalte %1 fehlt oder enthält keine Zahl</translation>
    </message>
    <message>
        <source>could not create the database schema: %1</source>
        <translation>das Datenbankschema konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>could not add %1: %2</source>
        <translation>%1 konnte nicht hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>extension %1</source>
        <translation>Nebenstelle %1</translation>
    </message>
    <message>
        <source>the field number of row %1 is out of range</source>
        <translation>die Feldnummer in Zeile %1 liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>field %1 of extension %2</source>
        <translation>Feld %1 der Nebenstelle %2</translation>
    </message>
    <message>
        <source>could not create the converted database</source>
        <translation>die umgewandelte Datenbank konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>could not commit the converted database: %1</source>
        <translation>die umgewandelte Datenbank konnte nicht festgeschrieben werden: %1</translation>
    </message>
    <message>
        <source>the file is too short (%1 bytes) to hold a legacy database header</source>
        <translation>die Datei ist zu kurz (%1 Bytes) für den Kopf einer alten Datenbank</translation>
    </message>
    <message>
        <source>the file has no legacy database marker</source>
        <translation>die Datei trägt nicht die Kennung einer alten Datenbank</translation>
    </message>
    <message>
        <source>could not create the temporary file %1: %2</source>
        <translation>die temporäre Datei %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>could not write the temporary file %1</source>
        <translation>die temporäre Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>could not write the temporary file %1: %2</source>
        <translation>die temporäre Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>could not create the converted database file</source>
        <translation>die Datei der umgewandelten Datenbank konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the extension index inside the file</source>
        <translation>der Nebenstellenindex in der Datei</translation>
    </message>
    <message>
        <source>the field memo inside the file</source>
        <translation>die Feldtexte in der Datei</translation>
    </message>
    <message>
        <source>the field index inside the file</source>
        <translation>der Feldindex in der Datei</translation>
    </message>
    <message>
        <source>the extension table inside the file</source>
        <translation>die Nebenstellentabelle in der Datei</translation>
    </message>
    <message>
        <source>the field table inside the file</source>
        <translation>die Feldtabelle in der Datei</translation>
    </message>
    <message>
        <source>could not open the converted database: %1</source>
        <translation>die umgewandelte Datenbank konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>could not write the decoded data</source>
        <translation>die entpackten Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>ungültige Escape-Folge</translation>
    </message>
    <message>
        <source>unexpected end of data</source>
        <translation>unerwartetes Ende der Daten</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Neue Datenbank</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>Datenbank ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import Data</source>
        <translation>Daten &amp;importieren</translation>
    </message>
    <message>
        <source>Con&amp;figure Data Import</source>
        <translation>Datenimport ein&amp;richten</translation>
    </message>
    <message>
        <source>Export to &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Export to &amp;Excel...</source>
        <translation>Nach &amp;Excel exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Show the sheets as they will print</source>
        <translation>Zeigt die Bögen so, wie sie gedruckt werden</translation>
    </message>
    <message>
        <source>Precise Printer A&amp;djustment...</source>
        <translation>Druckerfein&amp;justierung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undoes the last change to a label&apos;s fields</source>
        <translation>Macht die letzte Änderung an den Feldern einer Tastenbeschriftung rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redoes the change that was undone last</source>
        <translation>Stellt die zuletzt rückgängig gemachte Änderung wieder her</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Erset&amp;zen...</translation>
    </message>
    <message>
        <source>Edit &amp;Text</source>
        <translation>&amp;Text bearbeiten</translation>
    </message>
    <message>
        <source>Copy &amp;Styles...</source>
        <translation>Formate ü&amp;bertragen...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Extension List</source>
        <translation>&amp;Nebenstellenliste</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
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
        <translation>&amp;Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>Fit to Window &amp;Width</source>
        <translation>An &amp;Fensterbreite anpassen</translation>
    </message>
    <message>
        <source>Fit &amp;Entire Label</source>
        <translation>&amp;Ganze Tastenbeschriftung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>&amp;Linksbündig</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechtsbündig</translation>
    </message>
    <message>
        <source>&amp;Full Justify</source>
        <translation>&amp;Blocksatz</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Grow Font</source>
        <translation>Schrift &amp;vergrößern</translation>
    </message>
    <message>
        <source>S&amp;hrink Font</source>
        <translation>Schrift verk&amp;leinern</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Other Color...</source>
        <translation>A&amp;ndere Farbe...</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>Re&amp;verse Rotate</source>
        <translation>&amp;Zurückdrehen</translation>
    </message>
    <message>
        <source>&amp;Logo or Picture...</source>
        <translation>&amp;Logo oder Bild...</translation>
    </message>
    <message>
        <source>Lin&amp;ked Picture...</source>
        <translation>&amp;Verknüpftes Bild...</translation>
    </message>
    <message>
        <source>Graphic &amp;Properties...</source>
        <translation>Bild&amp;eigenschaften...</translation>
    </message>
    <message>
        <source>Re&amp;move Graphic</source>
        <translation>Bild ent&amp;fernen</translation>
    </message>
    <message>
        <source>C&amp;odes</source>
        <translation>&amp;Codes</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Anpassen...</translation>
    </message>
    <message>
        <source>Extension &amp;ID</source>
        <translation>Nebenstellen-&amp;ID</translation>
    </message>
    <message>
        <source>Extension &amp;Name</source>
        <translation>Nebenstellen&amp;name</translation>
    </message>
    <message>
        <source>&amp;Other Extension&apos;s Name...</source>
        <translation>Name &amp;einer anderen Nebenstelle...</translation>
    </message>
    <message>
        <source>&amp;New Extension...</source>
        <translation>&amp;Neue Nebenstelle...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Custom Codes...</source>
        <translation>&amp;Eigene Codes...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>&amp;Tipp des Tages...</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Aktualisierungen suchen...</translation>
    </message>
    <message>
        <source>Updates O&amp;ptions...</source>
        <translation>Aktualisierungs&amp;optionen...</translation>
    </message>
    <message>
        <source>&amp;Contact Support...</source>
        <translation>&amp;Support kontaktieren...</translation>
    </message>
    <message>
        <source>&amp;About Mirn...</source>
        <translation>Ü&amp;ber Mirn...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;Maroon</source>
        <translation>&amp;Kastanienbraun</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Olive</source>
        <translation>&amp;Oliv</translation>
    </message>
    <message>
        <source>&amp;Navy</source>
        <translation>&amp;Marineblau</translation>
    </message>
    <message>
        <source>&amp;Purple</source>
        <translation>&amp;Violett</translation>
    </message>
    <message>
        <source>&amp;Teal</source>
        <translation>&amp;Blaugrün</translation>
    </message>
    <message>
        <source>Gr&amp;ay</source>
        <translation>Gr&amp;au</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>Si&amp;lber</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Lime</source>
        <translation>&amp;Hellgrün</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;elb</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>Bla&amp;u</translation>
    </message>
    <message>
        <source>&amp;Fuchsia</source>
        <translation>&amp;Fuchsie</translation>
    </message>
    <message>
        <source>A&amp;qua</source>
        <translation>&amp;Türkis</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Layout Designer...</source>
        <translation>&amp;Layout-Designer...</translation>
    </message>
    <message>
        <source>Makes a layout for your telephone&apos;s labels, or changes one</source>
        <translation>Erstellt oder ändert ein Layout für die Tastenbeschriftungen Ihres Telefons</translation>
    </message>
    <message>
        <source>&amp;Edit Layout...</source>
        <translation>Layout &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Opens the layout of the selected extension in the layout designer</source>
        <translation>Öffnet das Layout der ausgewählten Nebenstelle im Layout-Designer</translation>
    </message>
    <message>
        <source>Shrink to &amp;Fit</source>
        <translation>An Feld an&amp;passen</translation>
    </message>
    <message>
        <source>Makes the selected fields&apos; text smaller until it fits them</source>
        <translation>Verkleinert den Text der ausgewählten Felder, bis er hineinpasst</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Don&apos;t tell me again</source>
        <translation>Nicht mehr melden</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortfahren</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>S&amp;kip All</source>
        <translation>&amp;Alle überspringen</translation>
    </message>
    <message>
        <source>I&amp;gnore All</source>
        <translation>Alle i&amp;gnorieren</translation>
    </message>
    <message>
        <source>Y&amp;es to All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nein, &amp;keine</translation>
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
        <translation>Mirn gestaltet, verwaltet und druckt die Tastenbeschriftungen neben den Tasten von Tischtelefonen.

Schalter (mit / oder - geschrieben, Groß-/Kleinschreibung beliebig):
  /P DATEI         jede Tastenbeschriftung der Datenbank DATEI auf dem aktuellen Drucker drucken und beenden
  /I DATEI.csv     die CSV-Datei in eine neue Datenbank importieren, dann die CSV-Datei löschen
  /NODELETE        mit /I: die CSV-Datei behalten
  /I DATEI.csv /P  importieren, die Tastenbeschriftungen drucken und beenden

mirn-cli erledigt dieselbe Arbeit aus Skripten; siehe mirn-cli(1).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A label database (.mrb) to open.</source>
        <translation>Eine Beschriftungsdatenbank (.mrb), die geöffnet wird.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Found new layouts</source>
        <translation>Neue Layouts gefunden</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>Feedback sent</source>
        <translation>Rückmeldung gesendet</translation>
    </message>
</context>
<context>
    <name>OverflowQuestion</name>
    <message>
        <source>Shrink to &amp;Fit</source>
        <translation>An Feld an&amp;passen</translation>
    </message>
    <message>
        <source>&amp;Show Them</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Print Anyway</source>
        <translation>&amp;Trotzdem drucken</translation>
    </message>
    <message>
        <source>Extension %1, field %2: %3</source>
        <translation>Nebenstelle %1, Feld %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <comment>... and %n more</comment>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfTarget</name>
    <message>
        <source>Mirn PDF writer</source>
        <translation>Mirn-PDF-Schreiber</translation>
    </message>
    <message>
        <source>A file you choose</source>
        <translation>Eine Datei Ihrer Wahl</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>In PDF drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows Bitmap (BMP)</source>
        <translation>Windows-Bitmap (BMP)</translation>
    </message>
    <message>
        <source>Enhanced Metafile (EMF)</source>
        <translation>Erweiterte Metadatei (EMF)</translation>
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
        <translation>Windows-Metadatei (WMF)</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (SVG)</source>
        <translation>Skalierbare Vektorgrafik (SVG)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The adjustment could not be saved in %1.</source>
        <translation>Die Justierung konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Print Test Sheet</source>
        <translation>Testbogen drucken</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message numerus="yes">
        <source>Ready to print %n labels</source>
        <comment>Ready to print %n label</comment>
        <translation>
            <numerusform>Bereit zum Druck von %n Tastenbeschriftung</numerusform>
            <numerusform>Bereit zum Druck von %n Tastenbeschriftungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n of each label)</source>
        <comment>(%n of each label)</comment>
        <translation>
            <numerusform>(%n Exemplar je Beschriftung)</numerusform>
            <numerusform>(%n Exemplare je Beschriftung)</numerusform>
        </translation>
    </message>
    <message>
        <source>Label type: %1</source>
        <translation>Beschriftungstyp: %1</translation>
    </message>
    <message>
        <source>Number of Mirn sheets required: %1</source>
        <translation>Benötigte Mirn-Bögen: %1</translation>
    </message>
    <message>
        <source>This layout has more than one label per page. If you want to start printing on a label other than the first label, click &quot;Choose Label&quot;.</source>
        <translation>Dieses Layout hat mehr als eine Tastenbeschriftung pro Bogen. Wenn der Druck nicht auf der ersten beginnen soll, klicken Sie auf „Beschriftung wählen“.</translation>
    </message>
    <message>
        <source>&amp;Choose Label...</source>
        <translation>Beschriftung &amp;wählen...</translation>
    </message>
    <message>
        <source>Select First Label</source>
        <translation>Erste Beschriftung wählen</translation>
    </message>
    <message>
        <source>There are multiple labels per sheet.

Please select the first label on which to print.</source>
        <translation>Ein Bogen enthält mehrere Tastenbeschriftungen.

Bitte wählen Sie die erste Beschriftung, auf die gedruckt werden soll.</translation>
    </message>
    <message>
        <source>The highlighted label is the first label that will be printed.</source>
        <translation>Die hervorgehobene Beschriftung wird als erste gedruckt.</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Beschriftung %1</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>%1 wird gedruckt...</translation>
    </message>
    <message>
        <source>No printers are available.</source>
        <translation>Es sind keine Drucker verfügbar.</translation>
    </message>
    <message>
        <source>Do you have a printer installed? I could not find one.

Please install a printer and try again.</source>
        <translation>Ist ein Drucker installiert? Es wurde keiner gefunden.

Bitte installieren Sie einen Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Unable to print because a printing error has occurred.</source>
        <translation>Drucken nicht möglich, weil ein Druckfehler aufgetreten ist.</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; could not be selected. Please update or re-install the printer driver.

Reverting to previously-selected printer.</source>
        <translation>Der Drucker „%1“ konnte nicht gewählt werden. Bitte aktualisieren oder installieren Sie den Druckertreiber neu.

Der zuvor gewählte Drucker wird wieder verwendet.</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions selected</source>
        <comment>%n extension selected</comment>
        <translation>
            <numerusform>%n Nebenstelle ausgewählt</numerusform>
            <numerusform>%n Nebenstellen ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields have more text than fits in them; they will print cut off.</source>
        <comment>%n field has more text than fits in it; it will print cut off.</comment>
        <translation>
            <numerusform>%n Feld enthält mehr Text, als hineinpasst; er wird abgeschnitten gedruckt.</numerusform>
            <numerusform>%n Felder enthalten mehr Text, als hineinpasst; er wird abgeschnitten gedruckt.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PrinterStatus</name>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The printer is being deleted</source>
        <translation>Der Drucker wird gelöscht</translation>
    </message>
    <message>
        <source>Paper jam</source>
        <translation>Papierstau</translation>
    </message>
    <message>
        <source>Out of paper</source>
        <translation>Kein Papier</translation>
    </message>
    <message>
        <source>Manual feed</source>
        <translation>Manueller Einzug</translation>
    </message>
    <message>
        <source>Paper problem</source>
        <translation>Papierproblem</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Output bin full</source>
        <translation>Ausgabefach voll</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Processing a print job</source>
        <translation>Druckauftrag wird verarbeitet</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Wird initialisiert</translation>
    </message>
    <message>
        <source>Warming up</source>
        <translation>Wärmt auf</translation>
    </message>
    <message>
        <source>Low toner</source>
        <translation>Wenig Toner</translation>
    </message>
    <message>
        <source>Out of toner</source>
        <translation>Kein Toner</translation>
    </message>
    <message>
        <source>Cannot print the current page</source>
        <translation>Die aktuelle Seite kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr</translation>
    </message>
    <message>
        <source>Printer door open</source>
        <translation>Druckerklappe offen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Power save mode</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n documents waiting</source>
        <comment>%1; %n document waiting</comment>
        <translation>
            <numerusform>%1; %n Dokument wartet</numerusform>
            <numerusform>%1; %n Dokumente warten</numerusform>
        </translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später; ohne Gewährleistung.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Inserts this custom code</source>
        <translation>Fügt diesen eigenen Code ein</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <translation> Zoll</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
Der Ordner existiert nicht.
Prüfen Sie den Pfad und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>SheetFit</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n labels would be cut off</source>
        <comment>%n label would be cut off</comment>
        <translation>
            <numerusform>%n Tastenbeschriftung würde abgeschnitten</numerusform>
            <numerusform>%n Tastenbeschriftungen würden abgeschnitten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <comment>%1 and %n more</comment>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: labels %2 of the sheet reach past the edge of what the printer can print on this paper.</source>
        <comment>%1: label %2 of the sheet reaches past the edge of what the printer can print on this paper.</comment>
        <translation>
            <numerusform>%1: Beschriftung %2 des Bogens reicht über den Rand dessen hinaus, was der Drucker auf diesem Papier bedrucken kann.</numerusform>
            <numerusform>%1: die Beschriftungen %2 des Bogens reichen über den Rand dessen hinaus, was der Drucker auf diesem Papier bedrucken kann.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Reading Layouts</source>
        <translation>Layouts werden gelesen</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n new layouts</source>
        <comment>Found %n new layout</comment>
        <translation>
            <numerusform>%n neues Layout gefunden</numerusform>
            <numerusform>%n neue Layouts gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registered %n new layouts</source>
        <comment>Registered %n new layout</comment>
        <translation>
            <numerusform>%n neues Layout registriert</numerusform>
            <numerusform>%n neue Layouts registriert</numerusform>
        </translation>
    </message>
    <message>
        <source>Another app requested that Mirn automatically import data, but Mirn was unable to open the requested import file.

The import file path was:

%1

No data has been imported.</source>
        <translation>Ein anderes Programm hat Mirn aufgefordert, Daten zu importieren, aber Mirn konnte die Importdatei nicht öffnen.

Pfad der Importdatei:

%1

Es wurden keine Daten importiert.</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Welcome to Mirn!

Would you like to view a short &quot;Getting Started&quot; video?</source>
        <translation>Willkommen bei Mirn!

Möchten Sie ein kurzes Video „Erste Schritte“ ansehen?</translation>
    </message>
    <message>
        <source>If you want to watch the video later, it&apos;s in the &quot;Help&quot; menu.</source>
        <translation>Sie finden das Video später im Menü „Hilfe“.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message numerus="yes">
        <source>%n extensions in database</source>
        <comment>%n extension in database</comment>
        <translation>
            <numerusform>%n Nebenstelle in der Datenbank</numerusform>
            <numerusform>%n Nebenstellen in der Datenbank</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n selected)</source>
        <comment>(%n selected)</comment>
        <translation>
            <numerusform>(%n ausgewählt)</numerusform>
            <numerusform>(%n ausgewählt)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>A label for extension &quot;%s&quot; already exists in this database. Do you want to replace it with the one you&apos;re importing?</source>
        <translation>Für die Nebenstelle „%s“ gibt es in dieser Datenbank bereits eine Tastenbeschriftung. Soll sie durch die importierte ersetzt werden?</translation>
    </message>
    <message>
        <source>There is already an extension with the name:

%s

Do you want to overwrite it with the new extension you are creating?</source>
        <translation>Es gibt bereits eine Nebenstelle mit dem Namen:

%s

Soll sie durch die neue Nebenstelle überschrieben werden?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>No Template</source>
        <translation>Keine Vorlage</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Fi&amp;nish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <source>&amp;Yes, create all %1 extensions!</source>
        <translation>&amp;Ja, alle %1 Nebenstellen anlegen!</translation>
    </message>
    <message>
        <source>Name Extensions (Page %1 of %2)</source>
        <translation>Nebenstellen benennen (Seite %1 von %2)</translation>
    </message>
    <message>
        <source>Delete the selected extensions?</source>
        <translation>Die ausgewählten Nebenstellen löschen?</translation>
    </message>
    <message>
        <source>Text Editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>&amp;No, just create one extension with ID: &quot;%1&quot;</source>
        <translation>&amp;Nein, nur eine Nebenstelle mit der ID „%1“ anlegen</translation>
    </message>
    <message>
        <source>Link to Graphic</source>
        <translation>Verknüpfung zum Bild</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>Color;Changes the colour of the selected text</source>
        <translation>Farbe;Ändert die Farbe des ausgewählten Textes</translation>
    </message>
    <message>
        <source>Bold (Ctrl+B);Makes the selected text bold</source>
        <translation>Fett (Strg+B);Setzt den ausgewählten Text fett</translation>
    </message>
    <message>
        <source>Italic (Ctrl+I);Makes the selected text italic</source>
        <translation>Kursiv (Strg+I);Setzt den ausgewählten Text kursiv</translation>
    </message>
    <message>
        <source>Font Name;Changes the font of the selected text</source>
        <translation>Schriftart;Ändert die Schriftart des ausgewählten Textes</translation>
    </message>
    <message>
        <source>Font Size;Changes the size of the selected text</source>
        <translation>Schriftgröße;Ändert die Größe des ausgewählten Textes</translation>
    </message>
    <message>
        <source>Grow Font;Makes the selected text larger</source>
        <translation>Schrift vergrößern;Vergrößert den ausgewählten Text</translation>
    </message>
    <message>
        <source>Shrink Font;Makes the selected text smaller</source>
        <translation>Schrift verkleinern;Verkleinert den ausgewählten Text</translation>
    </message>
    <message>
        <source>Codes;Inserts a code into the field</source>
        <translation>Codes;Fügt einen Code in das Feld ein</translation>
    </message>
    <message>
        <source>Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||</source>
        <translation>Mirn-Datenbank (*.mrb)|*.mrb|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>%1
Mirn cannot find this file.</source>
        <translation>%1
Mirn findet diese Datei nicht.</translation>
    </message>
    <message>
        <source>%1

Mirn cannot open this file.

The file may not be compatible with this version of Mirn, or it may not exist, may be a read-only file, or may be opened by another process.</source>
        <translation>%1

Mirn kann diese Datei nicht öffnen.

Die Datei passt vielleicht nicht zu dieser Version von Mirn, existiert nicht, ist schreibgeschützt oder wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Running filter %1...</source>
        <translation>Filter %1 läuft...</translation>
    </message>
    <message>
        <source>Mirn Database (*.mrb)|*.mrb||</source>
        <translation>Mirn-Datenbank (*.mrb)|*.mrb||</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Wird gespeichert...</translation>
    </message>
    <message>
        <source>Supported Graphics|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf;*.svg|All Files (*.*)|*.*||</source>
        <translation>Unterstützte Bilder|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf;*.svg|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Could not insert the picture.
You have reached the maximum number of pictures that can be inserted into a single extension.</source>
        <translation>Das Bild konnte nicht eingefügt werden.
Diese Nebenstelle enthält bereits die größtmögliche Anzahl an Bildern.</translation>
    </message>
    <message>
        <source>%1
The picture could not be opened.
It may have been saved in a format that this program does not recognize, or it may be a damaged file.</source>
        <translation>%1
Das Bild konnte nicht geöffnet werden.
Es ist vielleicht in einem Format gespeichert, das dieses Programm nicht kennt, oder die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>This is a locked graphic. It cannot be moved, resized or deleted.</source>
        <translation>Dieses Bild ist gesperrt. Es kann nicht verschoben, in der Größe geändert oder gelöscht werden.</translation>
    </message>
    <message>
        <source>&amp;Show the Tip of the Day each time you start Mirn</source>
        <translation>Tipp des Tages bei jedem &amp;Start von Mirn anzeigen</translation>
    </message>
    <message>
        <source>Could not locate the Layout Template files.

Many features will be disabled until you install the Layout Templates (also known as DDF files).</source>
        <translation>Die Layoutvorlagen wurden nicht gefunden.

Viele Funktionen sind gesperrt, bis die Layoutvorlagen (DDF-Dateien) installiert sind.</translation>
    </message>
    <message>
        <source>Mirn could not create a new file.

The program cannot continue.</source>
        <translation>Mirn konnte keine neue Datei anlegen.

Das Programm kann nicht fortfahren.</translation>
    </message>
    <message>
        <source>%1
Mirn could not open an Add-On file.
The current function cannot be completed.</source>
        <translation>%1
Mirn konnte eine Zusatzdatei nicht öffnen.
Der Vorgang kann nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Cannot change &apos;%1&apos; to &apos;%2&apos; because there is already an extension with that ID. Specify a different extension ID.</source>
        <translation>„%1“ kann nicht in „%2“ geändert werden, weil es bereits eine Nebenstelle mit dieser ID gibt. Geben Sie eine andere Nebenstellen-ID an.</translation>
    </message>
    <message>
        <source>%1
Could not locate an Add-On file. You will not be able to edit this extension until the file is installed.</source>
        <translation>%1
Eine Zusatzdatei wurde nicht gefunden. Diese Nebenstelle kann erst bearbeitet werden, wenn die Datei installiert ist.</translation>
    </message>
    <message>
        <source>New Extension (Ctrl+N);Adds new extensions to the database</source>
        <translation>Neue Nebenstelle (Strg+N);Fügt der Datenbank neue Nebenstellen hinzu</translation>
    </message>
    <message>
        <source>Delete;Deletes the selected extensions</source>
        <translation>Löschen;Löscht die ausgewählten Nebenstellen</translation>
    </message>
    <message>
        <source>Change Name;Changes the name of the selected extension</source>
        <translation>Namen ändern;Ändert den Namen der ausgewählten Nebenstelle</translation>
    </message>
    <message>
        <source>Unselect All;Clears the selection</source>
        <translation>Auswahl aufheben;Hebt die Auswahl auf</translation>
    </message>
    <message>
        <source>Extension List (Ctrl+E);Widens or narrows the extension list</source>
        <translation>Nebenstellenliste (Strg+E);Verbreitert oder verschmälert die Nebenstellenliste</translation>
    </message>
    <message>
        <source>Zoom 50%;Shows the label at 50 percent</source>
        <translation>Zoom 50 %;Zeigt die Tastenbeschriftung mit 50 Prozent</translation>
    </message>
    <message>
        <source>Zoom 75%;Shows the label at 75 percent</source>
        <translation>Zoom 75 %;Zeigt die Tastenbeschriftung mit 75 Prozent</translation>
    </message>
    <message>
        <source>Zoom 100%;Shows the label at its actual size</source>
        <translation>Zoom 100 %;Zeigt die Tastenbeschriftung in Originalgröße</translation>
    </message>
    <message>
        <source>Zoom 150%;Shows the label at 150 percent</source>
        <translation>Zoom 150 %;Zeigt die Tastenbeschriftung mit 150 Prozent</translation>
    </message>
    <message>
        <source>Zoom 200%;Shows the label at 200 percent</source>
        <translation>Zoom 200 %;Zeigt die Tastenbeschriftung mit 200 Prozent</translation>
    </message>
    <message>
        <source>Custom Zoom;Shows the label at a size you choose</source>
        <translation>Benutzerdefinierter Zoom;Zeigt die Tastenbeschriftung in einer frei gewählten Größe</translation>
    </message>
    <message>
        <source>Fit to Window Width;Fits the label to the width of the window</source>
        <translation>An Fensterbreite anpassen;Passt die Tastenbeschriftung an die Fensterbreite an</translation>
    </message>
    <message>
        <source>Fit Entire Label;Fits the whole label into the window</source>
        <translation>Ganze Tastenbeschriftung;Zeigt die ganze Tastenbeschriftung im Fenster</translation>
    </message>
    <message>
        <source>Change Extension ID;Changes the ID of the selected extension</source>
        <translation>Nebenstellen-ID ändern;Ändert die ID der ausgewählten Nebenstelle</translation>
    </message>
    <message>
        <source>Edit Text;Edits the text of the selected field</source>
        <translation>Text bearbeiten;Bearbeitet den Text des ausgewählten Feldes</translation>
    </message>
    <message>
        <source>Align Left;Aligns the field&apos;s text to the left</source>
        <translation>Linksbündig;Richtet den Text des Feldes links aus</translation>
    </message>
    <message>
        <source>Center;Centres the field&apos;s text</source>
        <translation>Zentriert;Zentriert den Text des Feldes</translation>
    </message>
    <message>
        <source>Align Right;Aligns the field&apos;s text to the right</source>
        <translation>Rechtsbündig;Richtet den Text des Feldes rechts aus</translation>
    </message>
    <message>
        <source>Font;Changes the font of the selected text</source>
        <translation>Schriftart;Ändert die Schriftart des ausgewählten Textes</translation>
    </message>
    <message>
        <source>Insert Logo or Picture;Inserts a picture into the label</source>
        <translation>Logo oder Bild einfügen;Fügt ein Bild in die Tastenbeschriftung ein</translation>
    </message>
    <message>
        <source>Black;Colours the selected text black</source>
        <translation>Schwarz;Färbt den ausgewählten Text schwarz</translation>
    </message>
    <message>
        <source>Maroon;Colours the selected text maroon</source>
        <translation>Kastanienbraun;Färbt den ausgewählten Text kastanienbraun</translation>
    </message>
    <message>
        <source>Green;Colours the selected text green</source>
        <translation>Grün;Färbt den ausgewählten Text grün</translation>
    </message>
    <message>
        <source>Olive;Colours the selected text olive</source>
        <translation>Oliv;Färbt den ausgewählten Text oliv</translation>
    </message>
    <message>
        <source>Navy;Colours the selected text navy</source>
        <translation>Marineblau;Färbt den ausgewählten Text marineblau</translation>
    </message>
    <message>
        <source>Purple;Colours the selected text purple</source>
        <translation>Violett;Färbt den ausgewählten Text violett</translation>
    </message>
    <message>
        <source>Teal;Colours the selected text teal</source>
        <translation>Blaugrün;Färbt den ausgewählten Text blaugrün</translation>
    </message>
    <message>
        <source>Gray;Colours the selected text gray</source>
        <translation>Grau;Färbt den ausgewählten Text grau</translation>
    </message>
    <message>
        <source>Silver;Colours the selected text silver</source>
        <translation>Silber;Färbt den ausgewählten Text silbern</translation>
    </message>
    <message>
        <source>Red;Colours the selected text red</source>
        <translation>Rot;Färbt den ausgewählten Text rot</translation>
    </message>
    <message>
        <source>Lime;Colours the selected text lime</source>
        <translation>Hellgrün;Färbt den ausgewählten Text hellgrün</translation>
    </message>
    <message>
        <source>Yellow;Colours the selected text yellow</source>
        <translation>Gelb;Färbt den ausgewählten Text gelb</translation>
    </message>
    <message>
        <source>Blue;Colours the selected text blue</source>
        <translation>Blau;Färbt den ausgewählten Text blau</translation>
    </message>
    <message>
        <source>Fuchsia;Colours the selected text fuchsia</source>
        <translation>Fuchsie;Färbt den ausgewählten Text fuchsienrot</translation>
    </message>
    <message>
        <source>Aqua;Colours the selected text aqua</source>
        <translation>Türkis;Färbt den ausgewählten Text türkis</translation>
    </message>
    <message>
        <source>White;Colours the selected text white</source>
        <translation>Weiß;Färbt den ausgewählten Text weiß</translation>
    </message>
    <message>
        <source>Other Color;Chooses any colour for the selected text</source>
        <translation>Andere Farbe;Wählt eine beliebige Farbe für den ausgewählten Text</translation>
    </message>
    <message>
        <source>Precise Printer Adjustment;Corrects where the selected printer places the labels</source>
        <translation>Druckerfeinjustierung;Korrigiert, wo der gewählte Drucker die Tastenbeschriftungen platziert</translation>
    </message>
    <message>
        <source>Rotate (Ctrl+R);Rotates the selected field clockwise</source>
        <translation>Drehen (Strg+R);Dreht das ausgewählte Feld im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Reverse Rotate (Ctrl+Shift+R);Rotates the selected field anticlockwise</source>
        <translation>Zurückdrehen (Strg+Umschalt+R);Dreht das ausgewählte Feld gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Copy Styles;Copies text styles and pictures from one extension to others of the same type</source>
        <translation>Formate übertragen;Überträgt Textformate und Bilder von einer Nebenstelle auf andere desselben Typs</translation>
    </message>
    <message>
        <source>Options;Sets the default font, alignment, zoom and start-up tips</source>
        <translation>Optionen;Legt Standardschrift, Ausrichtung, Zoom und Starttipps fest</translation>
    </message>
    <message>
        <source>Custom Codes;Defines your own codes</source>
        <translation>Eigene Codes;Legt eigene Codes fest</translation>
    </message>
    <message>
        <source>Insert Other Extension&apos;s Name;Inserts the code of another extension&apos;s name</source>
        <translation>Namen einer anderen Nebenstelle einfügen;Fügt den Code für den Namen einer anderen Nebenstelle ein</translation>
    </message>
    <message>
        <source>Customize;Defines your own codes</source>
        <translation>Anpassen;Legt eigene Codes fest</translation>
    </message>
    <message>
        <source>Insert Extension ID;Inserts the code of the extension&apos;s ID</source>
        <translation>Nebenstellen-ID einfügen;Fügt den Code für die ID der Nebenstelle ein</translation>
    </message>
    <message>
        <source>Insert Extension Name;Inserts the code of this extension&apos;s name</source>
        <translation>Nebenstellennamen einfügen;Fügt den Code für den Namen dieser Nebenstelle ein</translation>
    </message>
    <message>
        <source>Properties;Shows and changes the selected extension&apos;s ID, name and layout</source>
        <translation>Eigenschaften;Zeigt und ändert ID, Namen und Layout der ausgewählten Nebenstelle</translation>
    </message>
    <message>
        <source>Refresh (F5);Redraws the extension list</source>
        <translation>Aktualisieren (F5);Zeichnet die Nebenstellenliste neu</translation>
    </message>
    <message>
        <source>Graphic Properties;Shows the position and size of the selected picture</source>
        <translation>Bildeigenschaften;Zeigt Position und Größe des ausgewählten Bildes</translation>
    </message>
    <message>
        <source>Remove Graphic;Removes the selected picture from the label</source>
        <translation>Bild entfernen;Entfernt das ausgewählte Bild von der Tastenbeschriftung</translation>
    </message>
    <message>
        <source>Tip of the Day;Shows a tip about using Mirn</source>
        <translation>Tipp des Tages;Zeigt einen Tipp zur Arbeit mit Mirn</translation>
    </message>
    <message>
        <source>Full Justify;Spreads the field&apos;s lines over the whole width</source>
        <translation>Blocksatz;Verteilt die Zeilen des Feldes über die ganze Breite</translation>
    </message>
    <message>
        <source>Getting Started;Opens the Getting Started guide in your browser</source>
        <translation>Erste Schritte;Öffnet die Anleitung „Erste Schritte“ im Browser</translation>
    </message>
    <message>
        <source>Align;Changes the alignment of the field&apos;s text</source>
        <translation>Ausrichten;Ändert die Ausrichtung des Feldtextes</translation>
    </message>
    <message>
        <source>Export to Excel;Writes the extensions of this database to an Excel workbook</source>
        <translation>Nach Excel exportieren;Schreibt die Nebenstellen dieser Datenbank in eine Excel-Arbeitsmappe</translation>
    </message>
    <message>
        <source>Export to CSV;Writes the extensions of this database to a CSV file</source>
        <translation>Als CSV exportieren;Schreibt die Nebenstellen dieser Datenbank in eine CSV-Datei</translation>
    </message>
    <message>
        <source>Import Data;Imports extensions from a CSV file, another database or an import filter</source>
        <translation>Daten importieren;Importiert Nebenstellen aus einer CSV-Datei, einer anderen Datenbank oder über einen Importfilter</translation>
    </message>
    <message>
        <source>Configure Data Import;Sets up how data is imported from CSV files and import filters</source>
        <translation>Datenimport einrichten;Legt fest, wie Daten aus CSV-Dateien und Importfiltern übernommen werden</translation>
    </message>
    <message>
        <source>Check for Updates;Checks whether a newer version of Mirn is available</source>
        <translation>Nach Aktualisierungen suchen;Prüft, ob eine neuere Version von Mirn verfügbar ist</translation>
    </message>
    <message>
        <source>Updates Options;Sets how Mirn checks for updates</source>
        <translation>Aktualisierungsoptionen;Legt fest, wie Mirn nach Aktualisierungen sucht</translation>
    </message>
    <message>
        <source>Contact Support;Sends a question or a problem report to support</source>
        <translation>Support kontaktieren;Sendet eine Frage oder eine Problemmeldung an den Support</translation>
    </message>
    <message>
        <source>Insert Linked Picture;Inserts a picture that stays linked to its file</source>
        <translation>Verknüpftes Bild einfügen;Fügt ein Bild ein, das mit seiner Datei verknüpft bleibt</translation>
    </message>
    <message>
        <source>Recent File;Opens this database</source>
        <translation>Zuletzt verwendete Datei;Öffnet diese Datenbank</translation>
    </message>
    <message>
        <source>New Database;Creates a new, empty label database</source>
        <translation>Neue Datenbank;Legt eine neue, leere Beschriftungsdatenbank an</translation>
    </message>
    <message>
        <source>Open Database (Ctrl+O);Opens an existing label database</source>
        <translation>Datenbank öffnen (Strg+O);Öffnet eine vorhandene Beschriftungsdatenbank</translation>
    </message>
    <message>
        <source>Save (Ctrl+S);Saves the open label database</source>
        <translation>Speichern (Strg+S);Speichert die geöffnete Beschriftungsdatenbank</translation>
    </message>
    <message>
        <source>Save As;Saves the open label database under a new name</source>
        <translation>Speichern unter;Speichert die geöffnete Beschriftungsdatenbank unter einem neuen Namen</translation>
    </message>
    <message>
        <source>The requested graphic could not be embedded.</source>
        <translation>Das gewünschte Bild konnte nicht eingebettet werden.</translation>
    </message>
    <message>
        <source>Print (Ctrl+P);Prints the labels of the selected extensions</source>
        <translation>Drucken (Strg+P);Druckt die Tastenbeschriftungen der ausgewählten Nebenstellen</translation>
    </message>
    <message>
        <source>Clear (Del);Removes the selection</source>
        <translation>Löschen (Entf);Entfernt die Auswahl</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C);Copies the selected field to the clipboard</source>
        <translation>Kopieren (Strg+C);Kopiert das ausgewählte Feld in die Zwischenablage</translation>
    </message>
    <message>
        <source>Cut (Ctrl+X);Moves the selected field to the clipboard</source>
        <translation>Ausschneiden (Strg+X);Verschiebt das ausgewählte Feld in die Zwischenablage</translation>
    </message>
    <message>
        <source>Find (F3);Finds text in the fields of the database</source>
        <translation>Suchen (F3);Sucht Text in den Feldern der Datenbank</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V);Inserts the clipboard into the selected field</source>
        <translation>Einfügen (Strg+V);Fügt die Zwischenablage in das ausgewählte Feld ein</translation>
    </message>
    <message>
        <source>Replace (Ctrl+H);Replaces text in the fields of the database</source>
        <translation>Ersetzen (Strg+H);Ersetzt Text in den Feldern der Datenbank</translation>
    </message>
    <message>
        <source>Select All (Ctrl+A);Selects every extension, or every field of the label</source>
        <translation>Alles auswählen (Strg+A);Wählt alle Nebenstellen oder alle Felder der Tastenbeschriftung aus</translation>
    </message>
    <message>
        <source>About Mirn;Shows the program&apos;s version and copyright</source>
        <translation>Über Mirn;Zeigt Version und Copyright des Programms</translation>
    </message>
    <message>
        <source>Exit (Alt+F4);Quits Mirn, asking to save the open database</source>
        <translation>Beenden (Alt+F4);Beendet Mirn und fragt, ob die geöffnete Datenbank gespeichert werden soll</translation>
    </message>
    <message>
        <source>Toolbar;Shows or hides the toolbar</source>
        <translation>Symbolleiste;Blendet die Symbolleiste ein oder aus</translation>
    </message>
    <message>
        <source>Status Bar;Shows or hides the status bar</source>
        <translation>Statusleiste;Blendet die Statusleiste ein oder aus</translation>
    </message>
</context>
<context>
    <name>SupportRequest</name>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>You must provide your e-mail address so we can respond to your support request.</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse an, damit wir auf Ihre Supportanfrage antworten können.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please enter a problem summary.</source>
        <translation>Bitte geben Sie eine Zusammenfassung des Problems ein.</translation>
    </message>
    <message>
        <source>Could not submit data to the server.</source>
        <translation>Die Daten konnten nicht an den Server gesendet werden.</translation>
    </message>
    <message>
        <source>The server did not accept the data. The error code was: %1</source>
        <translation>Der Server hat die Daten nicht angenommen. Der Fehlercode war: %1</translation>
    </message>
    <message>
        <source>The server returned an error. The status code was: %1</source>
        <translation>Der Server hat einen Fehler gemeldet. Der Statuscode war: %1</translation>
    </message>
    <message>
        <source>Support requests are not sent to %1: it is not an https address, so your name and e-mail address could be read on the way.

Please send your feedback directly to:

%2</source>
        <translation>Supportanfragen werden nicht an %1 gesendet: Das ist keine https-Adresse, Ihr Name und Ihre E-Mail-Adresse könnten also unterwegs mitgelesen werden.

Bitte senden Sie Ihre Rückmeldung direkt an:

%2</translation>
    </message>
    <message>
        <source>The feedback system is not available at this time because the server is not responding.

Please make sure you have a working Internet connection and try again, or send your feedback directly to:

%1</source>
        <translation>Das Rückmeldesystem ist zurzeit nicht verfügbar, weil der Server nicht antwortet.

Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut, oder senden Sie Ihre Rückmeldung direkt an:

%1</translation>
    </message>
    <message>
        <source>Your feedback has been sent. Thank you.</source>
        <translation>Ihre Rückmeldung wurde gesendet. Vielen Dank.</translation>
    </message>
</context>
<context>
    <name>TableImport</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <comment>... and %n more</comment>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be imported; nothing was stored:</source>
        <comment>%n row cannot be imported; nothing was stored:</comment>
        <translation>
            <numerusform>%n Zeile kann nicht importiert werden; es wurde nichts gespeichert:</numerusform>
            <numerusform>%n Zeilen können nicht importiert werden; es wurde nichts gespeichert:</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no rows</source>
        <translation>keine Zeilen</translation>
    </message>
    <message>
        <source>no import preset is named %1</source>
        <translation>keine Importvorgabe heißt %1</translation>
    </message>
    <message numerus="yes">
        <source>Would import %n extensions</source>
        <comment>Would import %n extension</comment>
        <translation>
            <numerusform>Würde %n Nebenstelle importieren</numerusform>
            <numerusform>Würde %n Nebenstellen importieren</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1: %2 (%3)</source>
        <translation>Zeile %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Field %1 (%2)</source>
        <translation>Feld %1 (%2)</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Workbook</source>
        <translation>Arbeitsmappe</translation>
    </message>
    <message>
        <source>Separator: %1, encoding: %2</source>
        <translation>Trennzeichen: %1, Kodierung: %2</translation>
    </message>
    <message>
        <source>header row</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>keine Kopfzeile</translation>
    </message>
    <message>
        <source>preset: %1</source>
        <translation>Vorgabe: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n extensions will be imported.</source>
        <comment>%n extension will be imported.</comment>
        <translation>
            <numerusform>%n Nebenstelle wird importiert.</numerusform>
            <numerusform>%n Nebenstellen werden importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be (%1).</source>
        <comment>%n row cannot be (%1).</comment>
        <translation>
            <numerusform>%n Zeile kann nicht importiert werden (%1).</numerusform>
            <numerusform>%n Zeilen können nicht importiert werden (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported: %1.</source>
        <translation>Nicht importiert: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be imported:</source>
        <comment>%n row cannot be imported:</comment>
        <translation>
            <numerusform>%n Zeile kann nicht importiert werden:</numerusform>
            <numerusform>%n Zeilen können nicht importiert werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the other %n rows?</source>
        <comment>Import the other %n row?</comment>
        <translation>
            <numerusform>Die übrige %n Zeile importieren?</numerusform>
            <numerusform>Die übrigen %n Zeilen importieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3): %4</source>
        <translation>Zeile %1, Spalte %2 (%3): %4</translation>
    </message>
    <message numerus="yes">
        <source>a cell beyond the header&apos;s %n columns</source>
        <comment>a cell beyond the header&apos;s %n column</comment>
        <translation>
            <numerusform>eine Zelle jenseits der %n Spalte der Kopfzeile</numerusform>
            <numerusform>eine Zelle jenseits der %n Spalten der Kopfzeile</numerusform>
        </translation>
    </message>
    <message>
        <source>no extension number</source>
        <translation>keine Nebenstellennummer</translation>
    </message>
    <message>
        <source>no layout</source>
        <translation>kein Layout</translation>
    </message>
    <message>
        <source>layout %1 is not installed</source>
        <translation>das Layout %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>date field %1 has length %2 instead of 8</source>
        <translation>das Datumsfeld %1 hat die Länge %2 statt 8</translation>
    </message>
    <message>
        <source>memo field %1 has length %2 and %3 decimals instead of 10 and 0</source>
        <translation>das Memofeld %1 hat die Länge %2 und %3 Nachkommastellen statt 10 und 0</translation>
    </message>
    <message>
        <source>no memo file provided for field %1</source>
        <translation>für das Feld %1 gibt es keine Memodatei</translation>
    </message>
    <message>
        <source>could not read memo file for field %1</source>
        <translation>die Memodatei des Feldes %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>DBF file could not be opened: %1</source>
        <translation>die DBF-Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>could not read memo file: %1</source>
        <translation>die Memodatei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>invalid DBF header length (%1)</source>
        <translation>ungültige Länge des DBF-Kopfes (%1)</translation>
    </message>
    <message>
        <source>DBF file size mismatch (expected: %1, got %2)</source>
        <translation>die Größe der DBF-Datei stimmt nicht (erwartet: %1, vorhanden: %2)</translation>
    </message>
    <message>
        <source>DBF record length (%1) is too short for its fields (%2)</source>
        <translation>die Datensatzlänge der DBF-Datei (%1) ist zu kurz für ihre Felder (%2)</translation>
    </message>
    <message>
        <source>field %1 has unrecognized type: %2</source>
        <translation>das Feld %1 hat einen unbekannten Typ: %2</translation>
    </message>
    <message>
        <source>DBF file could not be read: %1</source>
        <translation>die DBF-Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>DBF file signature 0x%1 not recognized: %2</source>
        <translation>unbekannte Kennung 0x%1 der DBF-Datei: %2</translation>
    </message>
    <message>
        <source>memo file version number (%1) not recognized</source>
        <translation>unbekannte Versionsnummer (%1) der Memodatei</translation>
    </message>
    <message>
        <source>could not determine memo file block size for field %1</source>
        <translation>die Blockgröße der Memodatei des Feldes %1 ist nicht zu bestimmen</translation>
    </message>
    <message>
        <source>could not open structural index file: %1</source>
        <translation>die Indexdatei konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>TemplateSource</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>%1 is out of range %2 to %3</source>
        <translation>%1 liegt außerhalb des Bereichs %2 bis %3</translation>
    </message>
    <message>
        <source>must be twips or a length such as &quot;63.5mm&quot; or &quot;2.5in&quot;</source>
        <translation>muss Twips oder eine Länge wie „63.5mm“ oder „2.5in“ sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length such as &quot;63.5mm&quot; or &quot;2.5in&quot;</source>
        <translation>„%1“ ist keine Länge wie „63.5mm“ oder „2.5in“</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot; (use mm, in, pt or tw)</source>
        <translation>unbekannte Einheit „%1“ (mm, in, pt oder tw verwenden)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range</source>
        <translation>„%1“ liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>must be text</source>
        <translation>muss Text sein</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot store</source>
        <translation>enthält ein Zeichen, das Windows-1252 nicht speichern kann</translation>
    </message>
    <message>
        <source>must not contain the character U+0000</source>
        <translation>darf das Zeichen U+0000 nicht enthalten</translation>
    </message>
    <message>
        <source>%1 characters do not fit its field of %2</source>
        <translation>%1 Zeichen passen nicht in sein Feld mit %2</translation>
    </message>
    <message>
        <source>must be a list of flag names or a number</source>
        <translation>muss eine Liste von Flag-Namen oder eine Zahl sein</translation>
    </message>
    <message>
        <source>must be a flag name</source>
        <translation>muss ein Flag-Name sein</translation>
    </message>
    <message>
        <source>unknown flag &quot;%1&quot;</source>
        <translation>unbekanntes Flag „%1“</translation>
    </message>
    <message>
        <source>must be &quot;#RRGGBB&quot; or a COLORREF number</source>
        <translation>muss „#RRGGBB“ oder eine COLORREF-Zahl sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the form &quot;#RRGGBB&quot;</source>
        <translation>„%1“ ist keine Farbe der Form „#RRGGBB“</translation>
    </message>
    <message>
        <source>must be an object with &quot;x&quot; and &quot;y&quot;</source>
        <translation>muss ein Objekt mit „x“ und „y“ sein</translation>
    </message>
    <message>
        <source>give &quot;slots&quot; or &quot;slotGrid&quot;, not both</source>
        <translation>„slots“ oder „slotGrid“ angeben, nicht beides</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>muss eine Liste sein</translation>
    </message>
    <message>
        <source>must be &quot;Letter&quot; or &quot;A4&quot;</source>
        <translation>muss „Letter“ oder „A4“ sein</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>with the sheet&apos;s words it is longer than its field of 64 characters</source>
        <translation>mit den Wörtern des Bogens ist er länger als sein Feld mit 64 Zeichen</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>must be &quot;270&quot; or &quot;DDF&quot;</source>
        <translation>muss „270“ oder „DDF“ sein</translation>
    </message>
    <message>
        <source>must not contain the character U+001A</source>
        <translation>darf das Zeichen U+001A nicht enthalten</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>darf nicht leer sein</translation>
    </message>
    <message>
        <source>the label needs a positive width and height</source>
        <translation>die Tastenbeschriftung braucht eine positive Breite und Höhe</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>%1 is used twice</source>
        <translation>%1 wird zweimal verwendet</translation>
    </message>
    <message>
        <source>text field ids 1 to 1024 are taken by pictures; use 0 or 1025 and above</source>
        <translation>die Textfeld-IDs 1 bis 1024 gehören den Bildern; verwenden Sie 0 oder 1025 und darüber</translation>
    </message>
    <message>
        <source>the rectangle is inverted (right must not be left of left, nor bottom above top)</source>
        <translation>das Rechteck ist verkehrt (rechts darf nicht links von links liegen, unten nicht über oben)</translation>
    </message>
</context>
<context>
    <name>TestSheet</name>
    <message>
        <source>Test sheet %1</source>
        <translation>Testbogen %1</translation>
    </message>
</context>
<context>
    <name>TipOfTheDay</name>
    <message>
        <source>tips.tip</source>
        <translation>tips.de.tip</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The Mirn updater utility was not found.</source>
        <translation>Das Aktualisierungsprogramm von Mirn wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>UsageSurvey</name>
    <message>
        <source>The Internet connection appears to be offline.</source>
        <translation>Die Internetverbindung scheint getrennt zu sein.</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide was not found.

It should be at: %1</source>
        <translation>Die Anleitung wurde nicht gefunden.

Sie sollte hier liegen: %1</translation>
    </message>
    <message>
        <source>No program to show the user guide was found.

You can open it in a web browser: %1</source>
        <translation>Es wurde kein Programm zum Anzeigen der Anleitung gefunden.

Sie können sie in einem Webbrowser öffnen: %1</translation>
    </message>
    <message>
        <source>user-guide.html</source>
        <translation>user-guide.de.html</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>a workbook with macros; save it as an .xlsx workbook without macros</source>
        <translation>eine Arbeitsmappe mit Makros; speichern Sie sie als .xlsx-Arbeitsmappe ohne Makros</translation>
    </message>
    <message>
        <source>the workbook has no sheet</source>
        <translation>die Arbeitsmappe hat kein Tabellenblatt</translation>
    </message>
    <message>
        <source>no sheet is named %1 (the sheets: %2)</source>
        <translation>kein Tabellenblatt heißt %1 (die Tabellenblätter: %2)</translation>
    </message>
    <message>
        <source>the spreadsheet is protected by a password; save it without one</source>
        <translation>die Tabelle ist durch ein Kennwort geschützt; speichern Sie sie ohne Kennwort</translation>
    </message>
    <message>
        <source>a spreadsheet with macros; save it without macros</source>
        <translation>eine Tabelle mit Makros; speichern Sie sie ohne Makros</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet</source>
        <translation>die Tabelle hat kein Tabellenblatt</translation>
    </message>
    <message>
        <source>no sheet is named %1</source>
        <translation>kein Tabellenblatt heißt %1</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML: %2</source>
        <translation>%1 ist kein wohlgeformtes XML: %2</translation>
    </message>
    <message>
        <source>%1: beyond the last column a sheet may have</source>
        <translation>%1: jenseits der letzten Spalte, die ein Tabellenblatt haben kann</translation>
    </message>
    <message>
        <source>%1: sheet %2, row %3, column %4</source>
        <translation>%1: Tabellenblatt %2, Zeile %3, Spalte %4</translation>
    </message>
    <message>
        <source>%1: sheet %2, row %3</source>
        <translation>%1: Tabellenblatt %2, Zeile %3</translation>
    </message>
    <message>
        <source>%1: sheet %2, column %3</source>
        <translation>%1: Tabellenblatt %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1: sheet %2</source>
        <translation>%1: Tabellenblatt %2</translation>
    </message>
    <message>
        <source>the sheet&apos;s part %1 is missing</source>
        <translation>der Teil %1 des Tabellenblatts fehlt</translation>
    </message>
    <message>
        <source>%1: string %2 is damaged</source>
        <translation>%1: die Zeichenkette %2 ist beschädigt</translation>
    </message>
    <message>
        <source>%1: the row&apos;s XML is damaged</source>
        <translation>%1: das XML der Zeile ist beschädigt</translation>
    </message>
    <message>
        <source>%1: names a shared string that is not there</source>
        <translation>%1: verweist auf eine gemeinsame Zeichenkette, die es nicht gibt</translation>
    </message>
    <message>
        <source>%1: an encrypted workbook or an old .xls file; save it as .xlsx without a password</source>
        <translation>%1: eine verschlüsselte Arbeitsmappe oder eine alte .xls-Datei; speichern Sie sie als .xlsx ohne Kennwort</translation>
    </message>
    <message>
        <source>%1: not a workbook (.xlsx or .ods)</source>
        <translation>%1: keine Arbeitsmappe (.xlsx oder .ods)</translation>
    </message>
    <message>
        <source>%1: not a workbook (.xlsx or .ods): it holds no sheets</source>
        <translation>%1: keine Arbeitsmappe (.xlsx oder .ods): sie enthält keine Tabellenblätter</translation>
    </message>
</context>
<context>
    <name>ZipReader</name>
    <message>
        <source>member %1 expands beyond the limit (a damaged file or a zip bomb)</source>
        <translation>der Bestandteil %1 entpackt sich über die Grenze hinaus (eine beschädigte Datei oder eine Zip-Bombe)</translation>
    </message>
    <message>
        <source>not a zip file</source>
        <translation>keine Zip-Datei</translation>
    </message>
    <message>
        <source>no member %1</source>
        <translation>kein Bestandteil %1</translation>
    </message>
    <message>
        <source>member %1 is encrypted</source>
        <translation>der Bestandteil %1 ist verschlüsselt</translation>
    </message>
    <message>
        <source>member %1 cannot be read: %2</source>
        <translation>der Bestandteil %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>member %1 is damaged: %2</source>
        <translation>der Bestandteil %1 ist beschädigt: %2</translation>
    </message>
</context>
<context>
    <name>mirn::CAboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Mirn</source>
        <translation>Mirn</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Legal notice</source>
        <translation>Rechtlicher Hinweis</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>System type</source>
        <translation>Systemtyp</translation>
    </message>
</context>
<context>
    <name>mirn::CAddExtDialog</name>
    <message>
        <source>New Extension</source>
        <translation>Neue Nebenstelle</translation>
    </message>
    <message>
        <source>&amp;Give a different name to each extension</source>
        <translation>Jeder Nebenstelle einen eigenen Namen &amp;geben</translation>
    </message>
    <message>
        <source>Show &amp;Templating Options</source>
        <translation>&amp;Vorlagenoptionen anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Extension number(s) to add:</source>
        <translation>Hinzuzufügende &amp;Nebenstellennummer(n):</translation>
    </message>
    <message>
        <source>Person’s &amp;name (optional):</source>
        <translation>Name der &amp;Person (optional):</translation>
    </message>
    <message>
        <source>Product &amp;family:</source>
        <translation>Produkt&amp;familie:</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <source>&amp;Copy fields from:</source>
        <translation>Felder &amp;kopieren von:</translation>
    </message>
    <message>
        <source>New La&amp;yout...</source>
        <translation>Neues La&amp;yout...</translation>
    </message>
    <message>
        <source>Edit &amp;Layout...</source>
        <translation>&amp;Layout bearbeiten...</translation>
    </message>
</context>
<context>
    <name>mirn::CAddWarningDlg</name>
    <message>
        <source>Creating Extensions</source>
        <translation>Nebenstellen anlegen</translation>
    </message>
    <message>
        <source>WARNING: The following command will create a large number of extensions:</source>
        <translation>WARNUNG: Der folgende Befehl legt sehr viele Nebenstellen an:</translation>
    </message>
    <message>
        <source>Is this what you want to do?</source>
        <translation>Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mirn::CColorButton</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Weitere Farben…</translation>
    </message>
</context>
<context>
    <name>mirn::CCopyStylesWizard</name>
    <message>
        <source>Copy Styles</source>
        <translation>Formate übertragen</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>Copy from</source>
        <translation>Übertragen von</translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation>Übertragen auf</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy from:	%1 (%2) %3
Copy to:	%4
Styles:	%5</source>
        <translation>Von:	%1 (%2) %3
Auf:	%4
Formate:	%5</translation>
    </message>
</context>
<context>
    <name>mirn::CCsvImportSettingsDlg</name>
    <message>
        <source>CSV Import Settings</source>
        <translation>CSV-Importeinstellungen</translation>
    </message>
    <message>
        <source>Default Font when Importing CSV Files:</source>
        <translation>Standardschrift beim Import von CSV-Dateien:</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>&amp;Schriftart wählen...</translation>
    </message>
    <message>
        <source>&amp;Align Text:</source>
        <translation>Text &amp;ausrichten:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Full Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>mirn::CCustomCodeDlg</name>
    <message>
        <source>Custom Code</source>
        <translation>Eigener Code</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>In addition to text, you can include formatting information, such as font, color, and alignment.</source>
        <translation>Neben dem Text kann ein Code auch Formatangaben wie Schriftart, Farbe und Ausrichtung enthalten.</translation>
    </message>
    <message>
        <source>&amp;Include formatting information</source>
        <translation>Format&amp;angaben einschließen</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>&amp;Schriftart wählen...</translation>
    </message>
    <message>
        <source>Colo&amp;r...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Left Align</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right Align</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Full Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>mirn::CCustomCodesDlg</name>
    <message>
        <source>Custom Codes</source>
        <translation>Eigene Codes</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>mirn::CEditorDlg</name>
    <message>
        <source>Custom Codes</source>
        <translation>Eigene Codes</translation>
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
        <translation>Nach Excel exportieren</translation>
    </message>
    <message>
        <source>Your Mirn database will be exported to an Excel spreadsheet.</source>
        <translation>Ihre Mirn-Datenbank wird in eine Excel-Tabelle exportiert.</translation>
    </message>
    <message>
        <source>Export Options</source>
        <translation>Exportoptionen</translation>
    </message>
    <message>
        <source>&amp;Open the spreadsheet after exporting</source>
        <translation>Tabelle nach dem Export ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Include column &amp;headers in the first row</source>
        <translation>Spalten&amp;überschriften in die erste Zeile schreiben</translation>
    </message>
    <message>
        <source>Use regular phone &amp;model names instead of Mirn TypeCodes</source>
        <translation>Normale Telefon&amp;modellnamen statt Mirn-Typcodes verwenden</translation>
    </message>
    <message>
        <source>Include the &amp;comment field</source>
        <translation>&amp;Kommentarfeld einschließen</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
</context>
<context>
    <name>mirn::CExtNameDlg</name>
    <message>
        <source>Insert Extension Name</source>
        <translation>Nebenstellennamen einfügen</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Nebenstellen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;More Information...</source>
        <translation>&amp;Weitere Informationen...</translation>
    </message>
    <message>
        <source>About Extension Name Codes</source>
        <translation>Über Nebenstellennamen-Codes</translation>
    </message>
    <message>
        <source>An extension name code shows the name of another extension on this label. The label always shows that extension&apos;s current name: when its name changes, every label that refers to it follows.

Normal inserts the name alone. Ext + Name puts &quot;Ext.&quot; and the extension ID on one line and the name below it. Name + Ext puts the name first and &quot;Ext.&quot; and the ID below it.</source>
        <translation>Ein Nebenstellennamen-Code zeigt den Namen einer anderen Nebenstelle auf dieser Tastenbeschriftung. Es erscheint immer der aktuelle Name: Ändert er sich, folgen alle Beschriftungen, die darauf verweisen.

„Normal“ fügt nur den Namen ein. „Ext + Name“ setzt „Ext.“ und die Nebenstellen-ID in eine Zeile und den Namen darunter. „Name + Ext“ setzt den Namen zuerst und „Ext.“ mit der ID darunter.</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>E&amp;xt + Name</source>
        <translation>E&amp;xt + Name</translation>
    </message>
    <message>
        <source>N&amp;ame + Ext</source>
        <translation>N&amp;ame + Ext</translation>
    </message>
</context>
<context>
    <name>mirn::CExtNameWizard</name>
    <message>
        <source>This wizard will help you name each of the extensions that you are creating. Each page shows one extension; type its name and go on with Next.

To begin, click Next.</source>
        <translation>Dieser Assistent hilft Ihnen, jede neu angelegte Nebenstelle zu benennen. Jede Seite zeigt eine Nebenstelle; geben Sie ihren Namen ein und fahren Sie mit „Weiter“ fort.

Klicken Sie zum Beginnen auf „Weiter“.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Nebenstelle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Nebenstelle:</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mirn::CFREditorDlg</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>R&amp;eplace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>N&amp;ext</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mirn::CFeedbackDlg</name>
    <message>
        <source>Support Request</source>
        <translation>Supportanfrage</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>&amp;Your e-mail address:</source>
        <translation>&amp;Ihre E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>&amp;One-sentence problem summary or question:</source>
        <translation>Pro&amp;blem oder Frage in einem Satz:</translation>
    </message>
    <message>
        <source>&amp;Details about the problem or question:</source>
        <translation>&amp;Einzelheiten zum Problem oder zur Frage:</translation>
    </message>
    <message>
        <source>Program Version:</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>Program Type:</source>
        <translation>Programmart:</translation>
    </message>
    <message>
        <source>Operating System:</source>
        <translation>Betriebssystem:</translation>
    </message>
    <message>
        <source>System Type:</source>
        <translation>Systemtyp:</translation>
    </message>
    <message>
        <source>&amp;Send Support Request</source>
        <translation>Supportanfrage &amp;senden</translation>
    </message>
    <message>
        <source>Checking Internet connection...</source>
        <translation>Internetverbindung wird geprüft...</translation>
    </message>
</context>
<context>
    <name>mirn::CFindDlg</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Start from beginning of database</source>
        <translation>Am &amp;Anfang der Datenbank beginnen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mirn::CFrameArea</name>
    <message>
        <source>Main Area</source>
        <translation>Hauptbereich</translation>
    </message>
    <message>
        <source>Extension List</source>
        <translation>Nebenstellenliste</translation>
    </message>
    <message>
        <source>Name Panel</source>
        <translation>Namensbereich</translation>
    </message>
    <message>
        <source>Label Panel</source>
        <translation>Beschriftungsbereich</translation>
    </message>
</context>
<context>
    <name>mirn::CGraphicPropDlg</name>
    <message>
        <source>Embedded Picture Properties</source>
        <translation>Eigenschaften des eingebetteten Bildes</translation>
    </message>
    <message>
        <source>Picture Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Found at:</source>
        <translation>Gefunden in:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Natural size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <source>Size on label:</source>
        <translation>Größe auf der Tastenbeschriftung:</translation>
    </message>
    <message>
        <source>&amp;Save a Copy...</source>
        <translation>Kopie &amp;speichern...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Found at</source>
        <translation>Gefunden in</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Natural size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Size on label</source>
        <translation>Größe auf der Tastenbeschriftung</translation>
    </message>
</context>
<context>
    <name>mirn::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>&amp;Alignment</source>
        <translation>&amp;Ausrichtung</translation>
    </message>
    <message>
        <source>&amp;Text Color</source>
        <translation>&amp;Textfarbe</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Codes Menu</source>
        <translation>&amp;Codes</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>&amp;Nebenstellen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>Mirn Labeling System</source>
        <translation>Mirn Labeling System</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnFieldEdit</name>
    <message>
        <source>Field text</source>
        <translation>Feldtext</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnImage</name>
    <message>
        <source>Label</source>
        <translation>Tastenbeschriftung</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Feld %1</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnNamePanel</name>
    <message>
        <source>Label caption</source>
        <translation>Beschriftungstitel</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnPanel</name>
    <message>
        <source>Extension &amp;ID</source>
        <translation>Nebenstellen-&amp;ID</translation>
    </message>
    <message>
        <source>&amp;Name of This Extension</source>
        <translation>&amp;Name dieser Nebenstelle</translation>
    </message>
    <message>
        <source>Name of &amp;Another Extension...</source>
        <translation>Name &amp;einer anderen Nebenstelle...</translation>
    </message>
    <message>
        <source>Customi&amp;ze...</source>
        <translation>&amp;Anpassen...</translation>
    </message>
    <message>
        <source>Inserts this custom code</source>
        <translation>Fügt diesen eigenen Code ein</translation>
    </message>
    <message>
        <source>Label panel</source>
        <translation>Beschriftungsbereich</translation>
    </message>
</context>
<context>
    <name>mirn::CMirnWnd</name>
    <message>
        <source>Label host</source>
        <translation>Beschriftungsfläche</translation>
    </message>
</context>
<context>
    <name>mirn::CMultiLabelDlg</name>
    <message>
        <source>Labels</source>
        <translation>Tastenbeschriftungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mirn::CPrefsDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Default font for new text</source>
        <translation>Standardschrift für neuen Text</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>Schriftart &amp;wählen...</translation>
    </message>
    <message>
        <source>Co&amp;lor...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>&amp;Justification:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>Default &amp;zoom:</source>
        <translation>Standard-&amp;Zoom:</translation>
    </message>
    <message>
        <source>Show the &amp;Tip of the Day at start-up</source>
        <translation>&amp;Tipp des Tages beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Zurücks&amp;etzen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Full Justify</source>
        <translation>Blocksatz</translation>
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
        <translation>An Fensterbreite anpassen</translation>
    </message>
    <message>
        <source>Fit Entire Label</source>
        <translation>Ganze Tastenbeschriftung</translation>
    </message>
    <message>
        <source>Font: %1</source>
        <translation>Schrift: %1</translation>
    </message>
    <message>
        <source>The options could not be saved: the settings file cannot be written.</source>
        <translation>Die Optionen konnten nicht gespeichert werden: Die Einstellungsdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>A new language shows when Mirn is started again.</source>
        <translation>Eine neue Sprache erscheint beim nächsten Start von Mirn.</translation>
    </message>
</context>
<context>
    <name>mirn::CPrintDlg</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Nebenstellen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Extensions selected</source>
        <translation>Ausgewählte Nebenstellen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Exemplare</translation>
    </message>
    <message>
        <source>One copy of each extension</source>
        <translation>Ein Exemplar je Nebenstelle</translation>
    </message>
    <message>
        <source>Multiples:</source>
        <translation>Mehrere:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>copies of each extension</source>
        <translation>Exemplare je Nebenstelle</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mirn::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
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
        <translation>Diese Einstellungen gelten beim Druck im Hochformat. Die meisten Mirn-Beschriftungen werden im Hochformat gedruckt.</translation>
    </message>
    <message>
        <source>These settings will be used when printing in landscape mode. Very few Mirn label layouts use landscape mode.</source>
        <translation>Diese Einstellungen gelten beim Druck im Querformat. Nur sehr wenige Mirn-Layouts verwenden das Querformat.</translation>
    </message>
    <message>
        <source>Precise Printer Adjustment</source>
        <translation>Druckerfeinjustierung</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>These adjustments will affect the following printer:</source>
        <translation>Diese Justierung gilt für folgenden Drucker:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Horizontal Adjustment:</source>
        <translation>&amp;Waagerechte Justierung:</translation>
    </message>
    <message>
        <source>A negative number will shift your printed text to the left. A positive number will shift your printed text to the right.</source>
        <translation>Ein negativer Wert verschiebt den Druck nach links, ein positiver nach rechts.</translation>
    </message>
    <message>
        <source>A negative number will shift your printed text toward the top edge of the paper. A positive number will shift your printed text toward the bottom edge of the paper.</source>
        <translation>Ein negativer Wert verschiebt den Druck zum oberen Papierrand, ein positiver zum unteren Papierrand.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet</source>
        <translation>&amp;Kalibrierbogen drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>No printer</source>
        <translation>Kein Drucker</translation>
    </message>
    <message>
        <source>&amp;Vertical Adjustment:</source>
        <translation>&amp;Senkrechte Justierung:</translation>
    </message>
</context>
<context>
    <name>mirn::CProgressDlg</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>mirn::CSizeableGraphic</name>
    <message>
        <source>Locked picture</source>
        <translation>Gesperrtes Bild</translation>
    </message>
    <message>
        <source>Picture; drag to move, drag a handle to size</source>
        <translation>Bild; zum Verschieben ziehen, zum Ändern der Größe an einem Griff ziehen</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
</context>
<context>
    <name>mirn::CSplitterBar</name>
    <message>
        <source>Splitter</source>
        <translation>Trennleiste</translation>
    </message>
</context>
<context>
    <name>mirn::CTableImportDlg</name>
    <message>
        <source>Import Table</source>
        <translation>Tabelle importieren</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Erste Zeile ist eine &amp;Überschrift</translation>
    </message>
    <message>
        <source>&amp;Layout of rows without one:</source>
        <translation>&amp;Layout für Zeilen ohne Layout:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keins)</translation>
    </message>
    <message>
        <source>&amp;Columns (the first 20 rows of the file):</source>
        <translation>&amp;Spalten (die ersten 20 Zeilen der Datei):</translation>
    </message>
    <message>
        <source>As they will be &amp;stored:</source>
        <translation>So werden sie &amp;gespeichert:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Target of %1</source>
        <translation>Ziel von %1</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Name and fields</source>
        <translation>Name und Felder</translation>
    </message>
</context>
<context>
    <name>mirn::CTipDlg</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>&amp;Vorheriger Tipp</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>mirn::CXMessageBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
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
        <translation>Zoomen auf</translation>
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
        <translation>&amp;Anderer:</translation>
    </message>
    <message>
        <source>Other percent</source>
        <translation>Anderer Prozentwert</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerLayoutPanel</name>
    <message>
        <source>T&amp;ype code:</source>
        <translation>T&amp;ypcode:</translation>
    </message>
    <message>
        <source>&amp;Maker:</source>
        <translation>Hers&amp;teller:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Label &amp;width:</source>
        <translation>Beschriftungs&amp;breite:</translation>
    </message>
    <message>
        <source>Label &amp;height:</source>
        <translation>Beschriftungs&amp;höhe:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Bo&amp;gen:</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8,5 x 11 Zoll)</translation>
    </message>
    <message>
        <source>A4 (210 x 297 mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>&amp;Plain paper, cut by hand</source>
        <translation>Nor&amp;malpapier, von Hand geschnitten</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerObjectPanel</name>
    <message>
        <source>&amp;Kind:</source>
        <translation>A&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;ID:</source>
        <translation>&amp;ID:</translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>Li&amp;nks:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>Ob&amp;en:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Alignment:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Font &amp;size:</source>
        <translation>Schrift&amp;größe:</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Li&amp;ght (printed pale)</source>
        <translation>Hell (blass gedr&amp;uckt)</translation>
    </message>
    <message>
        <source>No object selected. Click an object on the label, or add one.</source>
        <translation>Kein Objekt ausgewählt. Klicken Sie auf ein Objekt der Beschriftung oder fügen Sie eines hinzu.</translation>
    </message>
    <message>
        <source>Default &amp;text:</source>
        <translation>Stan&amp;dardtext:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message numerus="yes">
        <source>%n objects selected.</source>
        <translation>
            <numerusform>%n Objekt ausgewählt.</numerusform>
            <numerusform>%n Objekte ausgewählt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mirn::DesignerRuler</name>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Ruler across, in %1</source>
        <translation>Lineal waagerecht, in %1</translation>
    </message>
    <message>
        <source>Ruler down, in %1</source>
        <translation>Lineal senkrecht, in %1</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerSheetPanel</name>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Spalten:</translation>
    </message>
    <message>
        <source>First label &amp;left:</source>
        <translation>Erste Beschriftung li&amp;nks:</translation>
    </message>
    <message>
        <source>First label &amp;top:</source>
        <translation>Erste Beschriftung o&amp;ben:</translation>
    </message>
    <message>
        <source>&amp;Across, label to label:</source>
        <translation>&amp;Waagerecht, von Beschriftung zu Beschriftung:</translation>
    </message>
    <message>
        <source>&amp;Down, label to label:</source>
        <translation>S&amp;enkrecht, von Beschriftung zu Beschriftung:</translation>
    </message>
    <message>
        <source>&amp;Make Slots</source>
        <translation>Plätze &amp;anlegen</translation>
    </message>
    <message>
        <source>Labels on the %1 sheet (landscape): %2</source>
        <translation>Beschriftungen auf dem Bogen %1 (Querformat): %2</translation>
    </message>
    <message>
        <source>Labels on the %1 sheet: %2</source>
        <translation>Beschriftungen auf dem Bogen %1: %2</translation>
    </message>
</context>
<context>
    <name>mirn::DesignerSheetView</name>
    <message>
        <source>The labels on the sheet</source>
        <translation>Die Beschriftungen auf dem Bogen</translation>
    </message>
</context>
<context>
    <name>mirn::ExtensionListView</name>
    <message>
        <source>Extensions</source>
        <translation>Nebenstellen</translation>
    </message>
</context>
<context>
    <name>mirn::ExtensionPropertiesDialog</name>
    <message>
        <source>Extension Properties</source>
        <translation>Eigenschaften der Nebenstelle</translation>
    </message>
    <message>
        <source>Extension ID</source>
        <translation>Nebenstellen-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Extension &amp;ID:</source>
        <translation>Nebenstellen-&amp;ID:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Type code:</source>
        <translation>Typcode:</translation>
    </message>
    <message>
        <source>Product family:</source>
        <translation>Produktfamilie:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Last modified:</source>
        <translation>Zuletzt geändert:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type code</source>
        <translation>Typcode</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Produktfamilie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
</context>
<context>
    <name>mirn::LayoutDesignerView</name>
    <message>
        <source>Label</source>
        <translation>Tastenbeschriftung</translation>
    </message>
</context>
<context>
    <name>mirn::LayoutDesignerWindow</name>
    <message>
        <source>Layout Designer</source>
        <translation>Layout-Designer</translation>
    </message>
    <message>
        <source>Label Area</source>
        <translation>Beschriftungsfläche</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>O&amp;bject</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Slots</source>
        <translation>&amp;Plätze</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Print &amp;Test Sheet...</source>
        <translation>&amp;Testbogen drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Text Field</source>
        <translation>&amp;Textfeld</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>&amp;Beschriftungstext</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>Rec&amp;hteck</translation>
    </message>
    <message>
        <source>R&amp;ounded Rectangle</source>
        <translation>Abgerundetes Rechtec&amp;k</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>&amp;Dotted Frame</source>
        <translation>&amp;Gepunkteter Rahmen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Snap to Grid</source>
        <translation>Am &amp;Raster ausrichten</translation>
    </message>
    <message>
        <source>Designer Tools</source>
        <translation>Designer-Werkzeuge</translation>
    </message>
    <message>
        <source>New Layout</source>
        <translation>Neues Layout</translation>
    </message>
    <message>
        <source>%1%2 - Layout Designer</source>
        <translation>%1%2 - Layout-Designer</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>P&amp;review:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>View Tools</source>
        <translation>Ansichtswerkzeuge</translation>
    </message>
</context>
<context>
    <name>mirn::ListPanel</name>
    <message>
        <source>Extensions</source>
        <translation>Nebenstellen</translation>
    </message>
    <message>
        <source>Extension list menu</source>
        <translation>Menü der Nebenstellenliste</translation>
    </message>
    <message>
        <source>&amp;New Extension...</source>
        <translation>&amp;Neue Nebenstelle...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>New La&amp;yout...</source>
        <translation>Neues La&amp;yout...</translation>
    </message>
    <message>
        <source>Edit &amp;Layout...</source>
        <translation>Layout &amp;bearbeiten...</translation>
    </message>
</context>
<context>
    <name>mirn::PictureLayer</name>
    <message>
        <source>Graphic &amp;Properties...</source>
        <translation>Bild&amp;eigenschaften...</translation>
    </message>
    <message>
        <source>Re&amp;move Graphic</source>
        <translation>Bild ent&amp;fernen</translation>
    </message>
    <message>
        <source>The pictures of this label could not be saved in the database.</source>
        <translation>Die Bilder dieser Tastenbeschriftung konnten nicht in der Datenbank gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>mirn::PicturePreview</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>mirn::SheetDiagramView</name>
    <message>
        <source>Sheet</source>
        <translation>Bogen</translation>
    </message>
</context>
<context>
    <name>mirn::StartPage</name>
    <message>
        <source>Open the &amp;Sample Database</source>
        <translation>&amp;Beispieldatenbank öffnen</translation>
    </message>
    <message>
        <source>&amp;Add Extensions...</source>
        <translation>Nebenstellen &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Neue Datenbank</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>Datenbank ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Read &amp;Getting Started</source>
        <translation>&amp;Erste Schritte lesen</translation>
    </message>
    <message>
        <source>This database has no extensions yet. To begin:</source>
        <translation>Diese Datenbank enthält noch keine Nebenstellen. So fangen Sie an:</translation>
    </message>
    <message>
        <source>No database is open. To begin:</source>
        <translation>Es ist keine Datenbank geöffnet. So fangen Sie an:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>mirn::TipArea</name>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
</context>
</TS>
