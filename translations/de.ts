<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über Kestrix</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Lizenz: %1</translation>
    </message>
    <message>
        <source>Kestrix is a program designed to: </source>
        <translation>Kestrix dient dazu: </translation>
    </message>
    <message>
        <source>calculate the antenna displacement due to the tilt of the UAV during the flight; </source>
        <translation>die Verschiebung der Antenne durch die Neigung des UAV im Flug zu berechnen; </translation>
    </message>
    <message>
        <source>assign unique names to each photo files; </source>
        <translation>jeder Fotodatei einen eindeutigen Namen zu geben; </translation>
    </message>
    <message>
        <source>geotag photos with coordinates from csv or txt files; </source>
        <translation>Fotos mit Koordinaten aus CSV- oder TXT-Dateien zu georeferenzieren; </translation>
    </message>
    <message>
        <source>verify that the number of photos corresponds to the number of time marks;</source>
        <translation>zu prüfen, ob die Anzahl der Fotos der Anzahl der Zeitmarken entspricht;</translation>
    </message>
    <message>
        <source>allows you to filter photos to remove unnecessary. </source>
        <translation>überflüssige Fotos herauszufiltern. </translation>
    </message>
    <message>
        <source>Kestrix was designed for the GNSS receiver of Orvanta&apos;s own survey UAV, but it processes the data of other UAVs just as well once the offset between their GNSS antenna and the centre of their camera is entered in the settings.</source>
        <translation>Kestrix wurde für den GNSS-Empfänger des Vermessungs-UAV von Orvanta entwickelt, verarbeitet aber die Daten anderer UAV ebenso gut, sobald der Versatz zwischen deren GNSS-Antenne und dem Kamerazentrum in den Einstellungen eingetragen ist.</translation>
    </message>
    <message>
        <source>Follow the news of Orvanta: %1</source>
        <translation>Neuigkeiten von Orvanta: %1</translation>
    </message>
    <message>
        <source>THIRD PARTY LICENSE</source>
        <translation>LIZENZEN VON DRITTANBIETERN</translation>
    </message>
    <message>
        <source>Qt %1 (Core, Gui, Widgets, Svg, PrintSupport)</source>
        <translation>Qt %1 (Core, Gui, Widgets, Svg, PrintSupport)</translation>
    </message>
    <message>
        <source>Copyright (C) The Qt Company Ltd. and other contributors.</source>
        <translation>Copyright (C) The Qt Company Ltd. und weitere Mitwirkende.</translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3 (LGPL-3.0-only)</source>
        <translation>GNU Lesser General Public License, Version 3 (LGPL-3.0-only)</translation>
    </message>
    <message>
        <source>Exiv2 %1</source>
        <translation>Exiv2 %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2004-2021 Exiv2 authors.</source>
        <translation>Copyright (C) 2004-2021 die Autoren von Exiv2.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 2 or later (GPL-2.0-or-later)</source>
        <translation>GNU General Public License, Version 2 oder neuer (GPL-2.0-or-later)</translation>
    </message>
    <message>
        <source>PROJ %1</source>
        <translation>PROJ %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2000 Frank Warmerdam and the PROJ contributors. Its database includes the EPSG Geodetic Parameter Dataset, (C) IOGP, used under its terms of use.</source>
        <translation>Copyright (C) 2000 Frank Warmerdam und die Mitwirkenden von PROJ. Seine Datenbank enthält den EPSG Geodetic Parameter Dataset, (C) IOGP, genutzt gemäß dessen Nutzungsbedingungen.</translation>
    </message>
    <message>
        <source>MIT License</source>
        <translation>MIT-Lizenz</translation>
    </message>
    <message>
        <source>QCustomPlot %1</source>
        <translation>QCustomPlot %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2011-2021 Emanuel Eichhammer.</source>
        <translation>Copyright (C) 2011-2021 Emanuel Eichhammer.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Font Awesome 4.7 (the icon font)</source>
        <translation>Font Awesome 4.7 (die Symbolschrift)</translation>
    </message>
    <message>
        <source>Created by Dave Gandy, https://fontawesome.com.</source>
        <translation>Geschaffen von Dave Gandy, https://fontawesome.com.</translation>
    </message>
    <message>
        <source>SIL Open Font License, version 1.1 (OFL-1.1)</source>
        <translation>SIL Open Font License, Version 1.1 (OFL-1.1)</translation>
    </message>
    <message>
        <source>Open Sans (the interface font)</source>
        <translation>Open Sans (die Schrift der Oberfläche)</translation>
    </message>
    <message>
        <source>Digitized data copyright 2010-2011, Google Corporation.</source>
        <translation>Digitalisierte Daten Copyright 2010-2011, Google Corporation.</translation>
    </message>
    <message>
        <source>Apache License, version 2.0 (Apache-2.0)</source>
        <translation>Apache License, Version 2.0 (Apache-2.0)</translation>
    </message>
    <message>
        <source>The full texts of these licenses come with the libraries and fonts; on Debian they are in /usr/share/common-licenses and in the copyright file of each package under /usr/share/doc.</source>
        <translation>Die vollständigen Lizenztexte liegen den Bibliotheken und Schriften bei; unter Debian stehen sie in /usr/share/common-licenses und in der Datei copyright jedes Pakets unter /usr/share/doc.</translation>
    </message>
    <message>
        <source>UAV photos, geotagged</source>
        <translation>UAV-Fotos, georeferenziert</translation>
    </message>
</context>
<context>
    <name>ChartPopUp</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>CliCheck</name>
    <message>
        <source>without a row: %1</source>
        <translation>ohne Zeile: %1</translation>
    </message>
    <message>
        <source>without a photo: %1</source>
        <translation>ohne Foto: %1</translation>
    </message>
    <message>
        <source>(nothing left out)</source>
        <translation>(nichts weggelassen)</translation>
    </message>
    <message>
        <source>Block %1: left out for want of a partner by time: photos: %2, rows: %3</source>
        <translation>Block %1: mangels zeitlichen Partners weggelassen: Fotos: %2, Zeilen: %3</translation>
    </message>
    <message>
        <source>Left out of block %1 (no partner by time, source files untouched):</source>
        <translation>Aus Block %1 weggelassen (kein zeitlicher Partner, Quelldateien unverändert):</translation>
    </message>
    <message>
        <source>Block %1: %2</source>
        <translation>Block %1: %2</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given</source>
        <translation>Kein Befehl angegeben</translation>
    </message>
    <message>
        <source>Unknown command %1</source>
        <translation>Unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--mode takes full, timemarks or photos</source>
        <translation>--mode erwartet full, timemarks oder photos</translation>
    </message>
    <message>
        <source>--coords takes utm or wgs84</source>
        <translation>--coords erwartet utm oder wgs84</translation>
    </message>
    <message>
        <source>--utm-zone takes 1..60 (north) or -1..-60 (south)</source>
        <translation>--utm-zone erwartet 1..60 (Nord) oder -1..-60 (Süd)</translation>
    </message>
    <message>
        <source>--delimiter takes auto, tab, semicolon, comma or whitespace</source>
        <translation>--delimiter erwartet auto, tab, semicolon, comma oder whitespace</translation>
    </message>
    <message>
        <source>--columns takes D,N,E,H or D,N,E,H,SDN,SDE,SDH</source>
        <translation>--columns erwartet D,N,E,H oder D,N,E,H,SDN,SDE,SDH</translation>
    </message>
    <message>
        <source>--columns: N, E and H need a column from 1 to 99, the others 0 to 99</source>
        <translation>--columns: N, E und H brauchen eine Spalte von 1 bis 99, die übrigen 0 bis 99</translation>
    </message>
    <message>
        <source>--first-row takes a line number of the file (from 1) or auto</source>
        <translation>--first-row erwartet eine Zeilennummer der Datei (ab 1) oder auto</translation>
    </message>
    <message>
        <source>--offset takes A,B,Z in millimetres</source>
        <translation>--offset erwartet A,B,Z in Millimetern</translation>
    </message>
    <message>
        <source>--lever-arm takes aircraft or design</source>
        <translation>--lever-arm erwartet aircraft oder design</translation>
    </message>
    <message>
        <source>--out-delimiter takes first, last, tab, semicolon, comma or whitespace</source>
        <translation>--out-delimiter erwartet first, last, tab, semicolon, comma oder whitespace</translation>
    </message>
    <message>
        <source>--split-gap takes 0..65535 seconds</source>
        <translation>--split-gap erwartet 0..65535 Sekunden</translation>
    </message>
    <message>
        <source>--quarantine-filter: %1 is not a number</source>
        <translation>--quarantine-filter: %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>--quarantine-filter takes distance[=M], gimbal[=DEG], exposure</source>
        <translation>--quarantine-filter erwartet distance[=M], gimbal[=DEG], exposure</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Unbekannte Option %1</translation>
    </message>
    <message>
        <source>Photo %1 comes before any --timemarks</source>
        <translation>Foto %1 steht vor dem ersten --timemarks</translation>
    </message>
    <message>
        <source>--out is required</source>
        <translation>--out ist erforderlich</translation>
    </message>
    <message>
        <source>At least one --timemarks FILE with photos is required</source>
        <translation>Mindestens ein --timemarks FILE mit Fotos ist erforderlich</translation>
    </message>
    <message>
        <source>Usage: kestrix-cli process [options] --out DIR --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
       kestrix-cli check [options] --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
       kestrix-cli --version | --help

Each --timemarks FILE opens a block; the photos after it (files, or folders whose
*.jpg/*.jpeg files are taken in name order) belong to it. Options override the stored
settings for this run only.

  --out DIR                 output folder (created when missing)
  --subdir, --no-subdir     create a Kestrix_&lt;time&gt; subfolder, or not
  --prefix TEXT             photo name prefix
  --mode full|timemarks|photos
  --coords utm|wgs84        coordinate system of timemarks and output
  --utm-zone N              UTM zone of metric rows (1..60 north, -1..-60 south)
  --delimiter auto|tab|semicolon|comma|whitespace
  --columns D,N,E,H[,SDN,SDE,SDH]  1-based file columns, 0 = none
  --first-row N|auto        first data row: its line number in the file, or auto
  --offset A,B,Z            antenna offset in millimetres
  --lever-arm aircraft|design  turn the offset by the drone&apos;s attitude (default), or
                            by the earlier formula, to reproduce earlier results
  --split-folders           one photo folder and coordinate file per block
  --pix4d                   Pix4D column order and file names
  --out-delimiter first|last|tab|semicolon|comma|whitespace
  --split-gap SECONDS       split blocks at time gaps between photos
  --quarantine-filter distance[=M],gimbal[=DEG],exposure
  --no-check                run although the pre-checks fail
  --drop-unmatched          leave out the photos and rows that the pairing check
                            clearly finds without a partner by time

check compares the photos&apos; capture times with the timemark rows&apos; times, block by
block, and names the photos and rows that have no partner. It takes the block
options above; --out is not needed.

Exit codes: 0 done, 1 refused (pre-check, input), 2 usage, 3 the run failed.
check: 0 every block pairs one to one by time, 4 unmatched photos or rows found,
5 a block cannot be told (too regular, or without dates), 1 refused input.
</source>
        <extracomment>Keep the option names, their values (full, utm, auto, ...) and the upper-case placeholders (DIR, FILE, PHOTO, N, TEXT, M, DEG) as they are.</extracomment>
        <translation>Aufruf: kestrix-cli process [Optionen] --out DIR --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
        kestrix-cli check [Optionen] --timemarks FILE PHOTO... [--timemarks FILE PHOTO...]...
        kestrix-cli --version | --help

Jedes --timemarks FILE beginnt einen Block; die Fotos danach (Dateien oder Ordner, deren
*.jpg/*.jpeg-Dateien nach Namen geordnet übernommen werden) gehören zu ihm. Optionen
ersetzen die gespeicherten Einstellungen nur für diesen Lauf.

  --out DIR                 Ausgabeordner (wird angelegt, wenn er fehlt)
  --subdir, --no-subdir     einen Unterordner Kestrix_&lt;time&gt; anlegen oder nicht
  --prefix TEXT             Präfix der Fotonamen
  --mode full|timemarks|photos
  --coords utm|wgs84        Koordinatensystem der Zeitmarken und der Ausgabe
  --utm-zone N              UTM-Zone metrischer Zeilen (1..60 Nord, -1..-60 Süd)
  --delimiter auto|tab|semicolon|comma|whitespace
  --columns D,N,E,H[,SDN,SDE,SDH]  Spalten der Datei, ab 1 gezählt, 0 = keine
  --first-row N|auto        erste Datenzeile: ihre Zeilennummer in der Datei, oder auto
  --offset A,B,Z            Antennenversatz in Millimetern
  --lever-arm aircraft|design  den Versatz nach der Fluglage der Drohne drehen (Standard)
                            oder nach der früheren Formel, um frühere Ergebnisse nachzubilden
  --split-folders           ein Fotoordner und eine Koordinatendatei je Block
  --pix4d                   Spaltenfolge und Dateinamen für Pix4D
  --out-delimiter first|last|tab|semicolon|comma|whitespace
  --split-gap SECONDS       Blöcke an Zeitlücken zwischen den Fotos teilen
  --quarantine-filter distance[=M],gimbal[=DEG],exposure
  --no-check                auch dann ausführen, wenn die Vorprüfungen scheitern
  --drop-unmatched          Fotos und Zeilen weglassen, für die die Zuordnungsprüfung
                            eindeutig keinen zeitlichen Partner findet

check vergleicht die Aufnahmezeiten der Fotos blockweise mit den Zeiten der
Zeitmarkenzeilen und nennt die Fotos und Zeilen ohne Partner. Es nimmt die
Block-Optionen oben an; --out ist nicht nötig.

Exit-Codes: 0 fertig, 1 abgelehnt (Vorprüfung, Eingabe), 2 falscher Aufruf, 3 Lauf gescheitert.
check: 0 jeder Block passt zeitlich eins zu eins, 4 Fotos oder Zeilen ohne Partner gefunden,
5 ein Block ist nicht zu beurteilen (zu gleichmäßig oder ohne Datum), 1 Eingabe abgelehnt.
</translation>
    </message>
    <message>
        <source>--drop-unmatched is an option of process</source>
        <translation>--drop-unmatched ist eine Option von process</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>The output folder %1 is a file</source>
        <translation>Der Ausgabeordner %1 ist eine Datei</translation>
    </message>
    <message>
        <source>%1 is a file</source>
        <translation>%1 ist eine Datei</translation>
    </message>
    <message>
        <source>%1 is not writable</source>
        <translation>%1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1: %2</source>
        <translation>Der Ausgabeordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1</source>
        <translation>Der Ausgabeordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Photo %1 %2</source>
        <translation>Foto %1 %2</translation>
    </message>
    <message>
        <source>Timemark file %1: no data row found (--first-row auto)</source>
        <translation>Zeitmarkendatei %1: keine Datenzeile gefunden (--first-row auto)</translation>
    </message>
    <message>
        <source>Timemark file %1: line %2 is past its last row</source>
        <translation>Zeitmarkendatei %1: Zeile %2 liegt hinter ihrer letzten Zeile</translation>
    </message>
    <message>
        <source>Block %1: first timemark row: line %2 (%3)</source>
        <translation>Block %1: erste Zeitmarkenzeile: Zeile %2 (%3)</translation>
    </message>
    <message>
        <source>Timemark file %1 %2</source>
        <translation>Zeitmarkendatei %1 %2</translation>
    </message>
    <message>
        <source>Timemark file %1 is not recognised</source>
        <translation>Zeitmarkendatei %1 wurde nicht erkannt</translation>
    </message>
    <message>
        <source>Timemark file %1: %2</source>
        <translation>Zeitmarkendatei %1: %2</translation>
    </message>
    <message>
        <source>Block %1: %2, %3</source>
        <extracomment>%1 the block number, %2 &quot;20 photos&quot;, %3 &quot;20 timemark rows&quot;</extracomment>
        <translation>Block %1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>in a block</comment>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>in a block</comment>
        <translation>
            <numerusform>%n Zeitmarkenzeile</numerusform>
            <numerusform>%n Zeitmarkenzeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Block %1: %2</source>
        <translation>Block %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Block %1: %n pairs quarantined by the filters</source>
        <translation>
            <numerusform>Block %1: %n Paar durch die Filter in Quarantäne verschoben</numerusform>
            <numerusform>Block %1: %n Paare durch die Filter in Quarantäne verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1: the filters found %n rows, but the pairs cannot be quarantined: Count photos and timemarks must be equal</source>
        <translation>
            <numerusform>Block %1: Die Filter fanden %n Zeile, aber die Paare können nicht in Quarantäne: Die Anzahl der Fotos und Zeitmarken muss gleich sein</numerusform>
            <numerusform>Block %1: Die Filter fanden %n Zeilen, aber die Paare können nicht in Quarantäne: Die Anzahl der Fotos und Zeitmarken muss gleich sein</numerusform>
        </translation>
    </message>
    <message>
        <source>The output folder holds %1, the unfinished coordinate file of a run that did not end</source>
        <translation>Der Ausgabeordner enthält %1, die unfertige Koordinatendatei eines nicht zu Ende gegangenen Laufs</translation>
    </message>
    <message>
        <source>Hard disk error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>Running anyway (--no-check)</source>
        <translation>Trotzdem wird ausgeführt (--no-check)</translation>
    </message>
    <message>
        <source>The task is canceled</source>
        <translation>Der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>Stopping before the next photo; press Ctrl-C again to end at once</source>
        <translation>Halt vor dem nächsten Foto; Strg-C noch einmal drücken, um sofort zu beenden</translation>
    </message>
    <message>
        <source>Output folder: %1</source>
        <translation>Ausgabeordner: %1</translation>
    </message>
    <message>
        <source>Coordinate file: %1</source>
        <translation>Koordinatendatei: %1</translation>
    </message>
    <message numerus="yes">
        <source>Not copied: %n photos</source>
        <translation>
            <numerusform>Nicht kopiert: %n Foto</numerusform>
            <numerusform>Nicht kopiert: %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Not copied: %1 (%2)</source>
        <translation>Nicht kopiert: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Copied without geotag (metadata could not be written): %n photos</source>
        <translation>
            <numerusform>Ohne Geotag kopiert (Metadaten nicht schreibbar): %n Foto</numerusform>
            <numerusform>Ohne Geotag kopiert (Metadaten nicht schreibbar): %n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Metadata could not be read: %n photos</source>
        <translation>
            <numerusform>Metadaten nicht lesbar: %n Foto</numerusform>
            <numerusform>Metadaten nicht lesbar: %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Exiv2 failed on %1</source>
        <translation>Exiv2 scheiterte an %1</translation>
    </message>
    <message>
        <source>Photos without a position (no geotag, no line): %1</source>
        <translation>Fotos ohne Position (kein Geotag, keine Zeile): %1</translation>
    </message>
    <message numerus="yes">
        <source>Missing from the coordinate file: %n photos</source>
        <translation>
            <numerusform>In der Koordinatendatei fehlen: %n Foto</numerusform>
            <numerusform>In der Koordinatendatei fehlen: %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing from the coordinate file: %1 (%2)</source>
        <translation>In der Koordinatendatei fehlt: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Latitude/longitude not written for want of a UTM zone (see --utm-zone): %n photos</source>
        <translation>
            <numerusform>Breite/Länge mangels UTM-Zone nicht geschrieben (siehe --utm-zone): %n Foto</numerusform>
            <numerusform>Breite/Länge mangels UTM-Zone nicht geschrieben (siehe --utm-zone): %n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not processed, the run broke off first: %n photos</source>
        <translation>
            <numerusform>Nicht verarbeitet, der Lauf brach vorher ab: %n Foto</numerusform>
            <numerusform>Nicht verarbeitet, der Lauf brach vorher ab: %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted again: ending at once. Copies under their final names are complete; an unfinished coordinate file keeps its temporary name.</source>
        <translation>Erneut unterbrochen: sofortiges Ende. Kopien unter ihren endgültigen Namen sind vollständig; eine unfertige Koordinatendatei behält ihren vorläufigen Namen.</translation>
    </message>
    <message>
        <source>Cannot prepare a private settings store</source>
        <translation>Ein eigener Einstellungsspeicher kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The photo prefix &quot;%1&quot; cannot be used in a file name</source>
        <translation>Das Fotopräfix „%1“ kann nicht in einem Dateinamen stehen</translation>
    </message>
</context>
<context>
    <name>CoordinateFileWriter</name>
    <message>
        <source>Coordinate file %1 already exists</source>
        <translation>Die Koordinatendatei %1 existiert bereits</translation>
    </message>
    <message>
        <source>Failed to open for writing a file %1</source>
        <translation>Die Datei %1 kann nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source> (%1: %2)</source>
        <translation> (%1: %2)</translation>
    </message>
    <message>
        <source>Failed to write to the coordinate file %1: %2</source>
        <translation>Schreiben in die Koordinatendatei %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>No coordinate file is open for block %1</source>
        <translation>Für Block %1 ist keine Koordinatendatei geöffnet</translation>
    </message>
    <message>
        <source>an earlier write failed</source>
        <translation>ein früherer Schreibvorgang ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>a file of that name appeared during the run</source>
        <translation>während des Laufs ist eine Datei dieses Namens entstanden</translation>
    </message>
    <message>
        <source>The coordinate file cannot take the name %1 (%2); its lines are in %3</source>
        <translation>Die Koordinatendatei kann den Namen %1 nicht erhalten (%2); ihre Zeilen stehen in %3</translation>
    </message>
</context>
<context>
    <name>DemoFlight</name>
    <message>
        <source>Cannot write the demo photos into %1</source>
        <translation>Die Demo-Fotos können nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot create the demo output folder %1</source>
        <translation>Der Demo-Ausgabeordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot prepare the demo&apos;s settings in %1</source>
        <translation>Die Einstellungen der Demo können in %1 nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>DialogOnAdd</name>
    <message>
        <source>Add timemarks</source>
        <translation>Zeitmarken hinzufügen</translation>
    </message>
    <message>
        <source>This block already has timemarks. What should happen to the new rows?</source>
        <translation>Dieser Block hat bereits Zeitmarken. Was soll mit den neuen Zeilen geschehen?</translation>
    </message>
    <message>
        <source>Add to the end</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>FileWorker</name>
    <message>
        <source>is not a JPEG photo</source>
        <translation>ist kein JPEG-Foto</translation>
    </message>
    <message>
        <source>is empty (0 bytes)</source>
        <translation>ist leer (0 Byte)</translation>
    </message>
    <message>
        <source>has no drone attitude (Xmp.drone-dji.FlightPitchDegree, FlightYawDegree, FlightRollDegree) in its XMP</source>
        <translation>enthält in seinem XMP keine Fluglage der Drohne (Xmp.drone-dji.FlightPitchDegree, FlightYawDegree, FlightRollDegree)</translation>
    </message>
    <message>
        <source>has a drone attitude that is not a number</source>
        <translation>hat eine Fluglage der Drohne, die keine Zahl ist</translation>
    </message>
    <message>
        <source>is cut short or damaged (%1)</source>
        <translation>ist abgeschnitten oder beschädigt (%1)</translation>
    </message>
</context>
<context>
    <name>FilesWork</name>
    <message>
        <source>The photo prefix &quot;%1&quot; cannot be used in a file name</source>
        <translation>Das Fotopräfix „%1“ kann nicht in einem Dateinamen stehen</translation>
    </message>
    <message>
        <source>The photo prefix &quot;%1&quot; holds the separator &quot;%2&quot; of the coordinate file</source>
        <translation>Das Fotopräfix „%1“ enthält das Trennzeichen „%2“ der Koordinatendatei</translation>
    </message>
    <message>
        <source>Photo %1 is given twice: as photo %2 of block %3 and as photo %4 of block %5</source>
        <translation>Foto %1 ist doppelt angegeben: als Foto %2 von Block %3 und als Foto %4 von Block %5</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; of timemark row %2 of block %3 holds the output delimiter &quot;%4&quot;, which would shift the columns of its line; choose another output delimiter</source>
        <translation>Das Datum „%1“ der Zeitmarkenzeile %2 von Block %3 enthält das Ausgabetrennzeichen „%4“, das die Spalten seiner Zeile verschieben würde; wählen Sie ein anderes Ausgabetrennzeichen</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; of timemark row %2 of block %3 holds a line break, which would break its line in two</source>
        <translation>Das Datum „%1“ der Zeitmarkenzeile %2 von Block %3 enthält einen Zeilenumbruch, der seine Zeile in zwei Teile brechen würde</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine gleichnamige Datei ist im Weg</translation>
    </message>
    <message>
        <source>has metadata that cannot be read or written (Exiv2 ERROR: %1)</source>
        <translation>hat Metadaten, die sich nicht lesen oder schreiben lassen (Exiv2 ERROR: %1)</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist</source>
        <translation>Der Ausgabeordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the photo changed after it was added (%1 bytes, %2 when added)</source>
        <translation>das Foto hat sich nach dem Hinzufügen geändert (%1 Byte, beim Hinzufügen %2)</translation>
    </message>
    <message>
        <source>its metadata cannot be read any more (Exiv2 ERROR: %1)</source>
        <translation>seine Metadaten lassen sich nicht mehr lesen (Exiv2 ERROR: %1)</translation>
    </message>
    <message>
        <source>has a drone attitude that is not a number</source>
        <translation>hat eine Fluglage der Drohne, die keine Zahl ist</translation>
    </message>
    <message>
        <source>has a timemark row without a position</source>
        <translation>hat eine Zeitmarkenzeile ohne Position</translation>
    </message>
    <message>
        <source>has no timemark row (%1 for %2)</source>
        <extracomment>%1 is &quot;3 rows&quot;, %2 is &quot;4 photos&quot;</extracomment>
        <translation>hat keine Zeitmarkenzeile (%1 für %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>timemark rows for photos</comment>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>timemark rows for photos</comment>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>has a timemark row without a UTM zone, so its latitude and longitude are unknown</source>
        <translation>hat eine Zeitmarkenzeile ohne UTM-Zone, daher sind Breite und Länge unbekannt</translation>
    </message>
    <message>
        <source>has a position that cannot be converted to latitude and longitude</source>
        <translation>hat eine Position, die sich nicht in Breite und Länge umrechnen lässt</translation>
    </message>
    <message>
        <source>Copying and processing of the file: %1</source>
        <translation>Kopieren und Verarbeiten der Datei: %1</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 existiert bereits</translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n files were copied and processed in %2</source>
        <extracomment>%1 photos copied, %n photos handled, %2 the time, as &quot;%n seconds&quot;</extracomment>
        <translation>
            <numerusform>Kopiert und verarbeitet: %1 von %n Datei in %2</numerusform>
            <numerusform>Kopiert und verarbeitet: %1 von %n Dateien in %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time a run took</comment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPopUp</name>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>by GimbalPitchDegree</source>
        <translation>nach GimbalPitchDegree</translation>
    </message>
    <message>
        <source>by distance (m)</source>
        <translation>nach Abstand (m)</translation>
    </message>
    <message>
        <source>by ExposureTime</source>
        <translation>nach ExposureTime</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Add to quarantine</source>
        <translation>In Quarantäne verschieben</translation>
    </message>
</context>
<context>
    <name>Fly</name>
    <message>
        <source>Clear Timemarks</source>
        <translation>Zeitmarken leeren</translation>
    </message>
    <message>
        <source>Remove all timemarks from the block</source>
        <translation>Alle Zeitmarken aus dem Block entfernen</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Photos (*.jpg *.jpeg);;All files (*.*)</source>
        <translation>Fotos (*.jpg *.jpeg);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Photo(s) and Timemark(s)</source>
        <translation>Foto(s) und Zeitmarke(n) entfernen</translation>
    </message>
    <message>
        <source>Available, if count of Photos and Timemarks is equal</source>
        <translation>Nur verfügbar, wenn die Anzahl der Fotos und Zeitmarken gleich ist</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Add to Quarantine</source>
        <translation>In Quarantäne verschieben</translation>
    </message>
    <message>
        <source>Remove from Quarantine</source>
        <translation>Aus der Quarantäne nehmen</translation>
    </message>
    <message>
        <source>Select filter</source>
        <translation>Filter wählen</translation>
    </message>
    <message>
        <source>by distance</source>
        <translation>nach Abstand</translation>
    </message>
    <message>
        <source>by GimbalPitchDegree</source>
        <translation>nach GimbalPitchDegree</translation>
    </message>
    <message>
        <source>by ExposureTime</source>
        <translation>nach ExposureTime</translation>
    </message>
    <message>
        <source>Block #%1</source>
        <translation>Block Nr. %1</translation>
    </message>
    <message>
        <source>Failed to update data</source>
        <translation>Daten konnten nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>All files haven&apos;t been added because they don&apos;t contain Xmp tags.drone-dj.Flight***Degree</source>
        <translation>Nicht alle Dateien wurden hinzugefügt, da sie keine XMP-Tags drone-dj.Flight***Degree enthalten</translation>
    </message>
    <message>
        <source>The timemarks of %1 were not read again in the new coordinate system; the block keeps them as they were read.</source>
        <translation>Die Zeitmarken aus %1 wurden nicht im neuen Koordinatensystem neu eingelesen; der Block behält sie, wie sie gelesen wurden.</translation>
    </message>
    <message>
        <source>The timemarks were not added.</source>
        <translation>Die Zeitmarken wurden nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Check pairing</source>
        <translation>Zuordnung prüfen</translation>
    </message>
    <message>
        <source>Find the photos and timemark rows that have no partner by time</source>
        <translation>Die Fotos und Zeitmarkenzeilen finden, die keinen zeitlichen Partner haben</translation>
    </message>
    <message>
        <source>Pairing by time: %1</source>
        <translation>Zuordnung nach Zeit: %1</translation>
    </message>
    <message>
        <source>Unmatched photos and rows taken out</source>
        <translation>Fotos und Zeilen ohne Partner herausgenommen</translation>
    </message>
    <message>
        <source>&quot;Check pairing&quot; can put them back while the block stays unchanged</source>
        <translation>„Zuordnung prüfen“ kann sie zurücklegen, solange der Block unverändert bleibt</translation>
    </message>
    <message>
        <source>Failed to update data: timemarks were removed or edited in the block since they were read, so they are kept as they are</source>
        <translation>Daten konnten nicht aktualisiert werden: Zeitmarken wurden seit dem Einlesen im Block entfernt oder bearbeitet, daher bleiben sie, wie sie sind</translation>
    </message>
</context>
<context>
    <name>FlyData</name>
    <message>
        <source> Tb</source>
        <translation> TB</translation>
    </message>
    <message>
        <source> Gb</source>
        <translation> GB</translation>
    </message>
    <message>
        <source> Mb</source>
        <translation> MB</translation>
    </message>
    <message>
        <source> Kb</source>
        <translation> KB</translation>
    </message>
    <message>
        <source> Byte</source>
        <translation> Byte</translation>
    </message>
    <message numerus="yes">
        <source>Added %n photos, %1</source>
        <translation>
            <numerusform>%n Foto hinzugefügt, %1</numerusform>
            <numerusform>%n Fotos hinzugefügt, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added timemark file with %n rows. %1</source>
        <translation>
            <numerusform>Zeitmarkendatei mit %n Zeile hinzugefügt. %1</numerusform>
            <numerusform>Zeitmarkendatei mit %n Zeilen hinzugefügt. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Timemark file wasn&apos;t selected</source>
        <translation>Keine Zeitmarkendatei gewählt</translation>
    </message>
    <message>
        <source>Timemark file wasn&apos;t recognized. %1</source>
        <translation>Zeitmarkendatei nicht erkannt. %1</translation>
    </message>
    <message>
        <source>Amount of the photos and timemarks are the same</source>
        <translation>Die Anzahl der Fotos und Zeitmarken stimmt überein</translation>
    </message>
    <message>
        <source>Amount of photos and timemarks does not match</source>
        <translation>Die Anzahl der Fotos und Zeitmarken stimmt nicht überein</translation>
    </message>
    <message>
        <source>Choose timemark file</source>
        <translation>Zeitmarkendatei wählen</translation>
    </message>
    <message>
        <source>Choose photos and timemark file</source>
        <translation>Fotos und Zeitmarkendatei wählen</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Keine Fotos gewählt</translation>
    </message>
    <message>
        <source>Choose photos please</source>
        <translation>Bitte Fotos wählen</translation>
    </message>
    <message>
        <source>Count photos and timemarks must be equal</source>
        <translation>Die Anzahl der Fotos und Zeitmarken muss gleich sein</translation>
    </message>
    <message>
        <source>No data to split on blocks</source>
        <translation>Keine Daten zum Teilen in Blöcke</translation>
    </message>
    <message numerus="yes">
        <source>Block sliced to %n blocks</source>
        <translation>
            <numerusform>Block geteilt: %n neuer Block</numerusform>
            <numerusform>Block geteilt: %n neue Blöcke</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FlyForm</name>
    <message>
        <source>Block #1</source>
        <translation>Block Nr. 1</translation>
    </message>
    <message>
        <source>Add photos of the flight</source>
        <translation>Fotos des Flugs hinzufügen</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Remove all photos from the block</source>
        <translation>Alle Fotos aus dem Block entfernen</translation>
    </message>
    <message>
        <source>Clear photos</source>
        <translation>Fotos leeren</translation>
    </message>
    <message>
        <source>Open a timemark file</source>
        <translation>Zeitmarkendatei öffnen</translation>
    </message>
    <message>
        <source>Timemarks</source>
        <translation>Zeitmarken</translation>
    </message>
    <message>
        <source>Split the block where the photos are far apart in time</source>
        <translation>Den Block dort teilen, wo die Fotos zeitlich weit auseinanderliegen</translation>
    </message>
    <message>
        <source>Try split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Show the flight path</source>
        <translation>Flugweg anzeigen</translation>
    </message>
    <message>
        <source>Fly view</source>
        <translation>Flugweg</translation>
    </message>
    <message>
        <source>3D fly view</source>
        <translation>3D-Flugansicht</translation>
    </message>
    <message>
        <source>Output preview</source>
        <translation>Ausgabevorschau</translation>
    </message>
    <message>
        <source>Delete block</source>
        <translation>Block löschen</translation>
    </message>
    <message>
        <source>Close block</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Keine Fotos gewählt</translation>
    </message>
    <message>
        <source>Timemark file wasn&apos;t selected</source>
        <translation>Keine Zeitmarkendatei gewählt</translation>
    </message>
    <message>
        <source>Choose photos and timemark file</source>
        <translation>Fotos und Zeitmarkendatei wählen</translation>
    </message>
    <message>
        <source>Find the photos and timemark rows that have no partner by time</source>
        <translation>Die Fotos und Zeitmarkenzeilen finden, die keinen zeitlichen Partner haben</translation>
    </message>
    <message>
        <source>Check pairing</source>
        <translation>Zuordnung prüfen</translation>
    </message>
</context>
<context>
    <name>FlyGraph</name>
    <message>
        <source>Reset zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>Set selecting</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Set moving</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Grafikeinstellungen</translation>
    </message>
    <message>
        <source>Show filtres</source>
        <translation>Filter anzeigen</translation>
    </message>
    <message>
        <source>To quarantine</source>
        <translation>In Quarantäne</translation>
    </message>
    <message>
        <source>Remove from quarantine</source>
        <translation>Aus der Quarantäne nehmen</translation>
    </message>
    <message>
        <source>Clear quarantine</source>
        <translation>Quarantäne leeren</translation>
    </message>
    <message>
        <source>Path color</source>
        <translation>Farbe des Flugwegs</translation>
    </message>
    <message>
        <source>Quarantine color</source>
        <translation>Farbe der Quarantäne</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Farbe der Auswahl</translation>
    </message>
    <message>
        <source>A preview of the Flight #%1</source>
        <translation>Flugweg von Flug Nr. %1</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Rechtswert</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Hochwert</translation>
    </message>
    <message>
        <source>Fly path</source>
        <translation>Flugweg</translation>
    </message>
    <message>
        <source>Quarantin</source>
        <translation>Quarantäne</translation>
    </message>
    <message>
        <source>Clicked at data point #%1 with %2 %3 and %4 %5.</source>
        <translation>Datenpunkt Nr. %1 angeklickt: %2 %3, %4 %5.</translation>
    </message>
    <message>
        <source>Move to top left</source>
        <translation>Nach oben links</translation>
    </message>
    <message>
        <source>Move to top center</source>
        <translation>Nach oben in die Mitte</translation>
    </message>
    <message>
        <source>Move to top right</source>
        <translation>Nach oben rechts</translation>
    </message>
    <message>
        <source>Move to bottom right</source>
        <translation>Nach unten rechts</translation>
    </message>
    <message>
        <source>Move to bottom left</source>
        <translation>Nach unten links</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>To Quarantine</source>
        <translation>In Quarantäne</translation>
    </message>
    <message>
        <source>Quarantine dots</source>
        <translation>Punkte in Quarantäne</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
</context>
<context>
    <name>GeoCalc</name>
    <message>
        <source>Cannot find proj DB</source>
        <translation>PROJ-Datenbank nicht gefunden</translation>
    </message>
    <message>
        <source>PJ object not initialized</source>
        <translation>PROJ-Transformation nicht initialisiert</translation>
    </message>
    <message>
        <source>PJ object for GIS not initialized</source>
        <translation>PROJ-Transformation für die Kartendarstellung nicht initialisiert</translation>
    </message>
</context>
<context>
    <name>LineConversionReport</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message numerus="yes">
        <source>Timemark rows that are no usable position: %n. The file is refused as a whole (first: %1: %2). Check the column roles, the first row and the coordinate system.</source>
        <translation>
            <numerusform>Zeitmarkenzeilen ohne brauchbare Position: %n. Die Datei wird als Ganzes abgelehnt (erste: %1: %2). Prüfen Sie die Spaltenzuordnung, die erste Zeile und das Koordinatensystem.</numerusform>
            <numerusform>Zeitmarkenzeilen ohne brauchbare Position: %n. Die Datei wird als Ganzes abgelehnt (erste: %1: %2). Prüfen Sie die Spaltenzuordnung, die erste Zeile und das Koordinatensystem.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following errors occurred:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Folgende Fehler sind aufgetreten:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>There are missing files</source>
        <translation>Es fehlen Dateien</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following files haven&apos;t been added because they don&apos;t contain Xmp tags.drone-dj.Flight***Degree:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Folgende Dateien wurden nicht hinzugefügt, da sie keine XMP-Tags drone-dj.Flight***Degree enthalten:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>There are removed files</source>
        <translation>Dateien wurden entfernt</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following files has removed from list because they don&apos;t exist:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Folgende Dateien wurden aus der Liste entfernt, da es sie nicht mehr gibt:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Processing report</source>
        <translation>Verarbeitungsbericht</translation>
    </message>
    <message>
        <source>&lt;p&gt;Not every photo came out as planned. The output folder holds the others; these need attention:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nicht jedes Foto wurde wie vorgesehen verarbeitet. Der Ausgabeordner enthält die übrigen; diese brauchen Aufmerksamkeit:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Photos not added</source>
        <translation>Fotos nicht hinzugefügt</translation>
    </message>
    <message>
        <source>&lt;p&gt;The following photos haven&apos;t been added to the block:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Folgende Fotos wurden dem Block nicht hinzugefügt:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close the app</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Show about Qt</source>
        <translation>Informationen über Qt anzeigen</translation>
    </message>
    <message>
        <source> - RUN MODE WITHOUT CHECKING</source>
        <translation> - BETRIEB OHNE PRÜFUNG</translation>
    </message>
    <message>
        <source>Add block</source>
        <translation>Block hinzufügen</translation>
    </message>
    <message>
        <source>Add new block</source>
        <translation>Neuen Block hinzufügen</translation>
    </message>
    <message>
        <source>Save to...</source>
        <translation>Speichern in...</translation>
    </message>
    <message>
        <source>Creating a subdirectory</source>
        <translation>Unterordner anlegen</translation>
    </message>
    <message>
        <source>Photo prefix</source>
        <translation>Fotopräfix</translation>
    </message>
    <message>
        <source>Select target directory</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Kestrix</translation>
    </message>
    <message>
        <source>Show About window</source>
        <translation>Informationen über Kestrix anzeigen</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <source>Photos and Timemarks</source>
        <translation>Fotos und Zeitmarken</translation>
    </message>
    <message>
        <source>Only Timemarks</source>
        <translation>Nur Zeitmarken</translation>
    </message>
    <message>
        <source>Interrupt</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the task?</source>
        <translation>Den Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>The task is canceled</source>
        <translation>Der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>App exit</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Are you want to exit the App ? The task will be interrupted!</source>
        <translation>Möchten Sie das Programm beenden? Der laufende Vorgang wird abgebrochen!</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Anhalten</translation>
    </message>
    <message numerus="yes">
        <source>%n photos were processed before it stopped</source>
        <translation>
            <numerusform>%n Foto wurde verarbeitet, bevor der Lauf anhielt</numerusform>
            <numerusform>%n Fotos wurden verarbeitet, bevor der Lauf anhielt</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Wird angehalten</translation>
    </message>
    <message>
        <source>Stopping the task before closing: the photo being written is finished first</source>
        <translation>Der Vorgang wird vor dem Schließen angehalten: Das Foto, das gerade geschrieben wird, wird zuerst fertiggestellt</translation>
    </message>
    <message>
        <source>Block %1: %2</source>
        <translation>Block %1: %2</translation>
    </message>
    <message>
        <source>As many photos as timemark rows, yet they do not pair one to one by time:</source>
        <translation>So viele Fotos wie Zeitmarkenzeilen, und doch passen sie zeitlich nicht eins zu eins:</translation>
    </message>
    <message>
        <source>Paired by index, every photo between a lost photo and a lost event would get the position of another shot. &quot;Check pairing&quot; in the block&apos;s table menu names them and can take them out of the lists.</source>
        <translation>Nach der Reihenfolge zugeordnet, bekäme jedes Foto zwischen einem verlorenen Foto und einer verlorenen Zeitmarke die Position einer anderen Aufnahme. „Zuordnung prüfen“ im Tabellenmenü des Blocks nennt sie und kann sie aus den Listen nehmen.</translation>
    </message>
    <message>
        <source>Start the processing anyway?</source>
        <translation>Die Verarbeitung trotzdem starten?</translation>
    </message>
    <message>
        <source>Pairing by time</source>
        <translation>Zuordnung nach Zeit</translation>
    </message>
    <message numerus="yes">
        <source>Processing was not started: photos and timemarks do not pair one to one by time in block %1</source>
        <extracomment>%1 is one block number or a list of them (&quot;1, 3&quot;); the count chooses block or blocks</extracomment>
        <translation>
            <numerusform>Die Verarbeitung wurde nicht gestartet: In Block %1 passen Fotos und Zeitmarken zeitlich nicht eins zu eins</numerusform>
            <numerusform>Die Verarbeitung wurde nicht gestartet: In den Blöcken %1 passen Fotos und Zeitmarken zeitlich nicht eins zu eins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenTimeMarkDialog</name>
    <message>
        <source>Open timemark file</source>
        <translation>Zeitmarkendatei öffnen</translation>
    </message>
    <message>
        <source>User folder</source>
        <translation>Benutzerordner</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Enable/Disable filter</source>
        <translation>Filter ein-/ausschalten</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Coordinate system</source>
        <translation>Koordinatensystem</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_utm-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Metric system&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_utm-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Metrisches System&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_wgs-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Degree system&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;img src=&quot;:/img/system_wgs-min.png&quot;/&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Geographische Koordinaten in Grad&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Lat/Lon</source>
        <translation>Breite/Länge</translation>
    </message>
    <message>
        <source>Drag onto a column of the table to give it this role</source>
        <translation>Auf eine Tabellenspalte ziehen, um ihr diese Rolle zuzuweisen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>N</source>
        <translation>Hochwert</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Rechtswert</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>σ HW</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>σ RW</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>σ Höhe</translation>
    </message>
    <message>
        <source>Join columns</source>
        <translation>Spalten verbinden</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Als Datum setzen</translation>
    </message>
    <message>
        <source>Set Lat</source>
        <translation>Als Breite setzen</translation>
    </message>
    <message>
        <source>Set Lon</source>
        <translation>Als Länge setzen</translation>
    </message>
    <message>
        <source>Set Height</source>
        <translation>Als Höhe setzen</translation>
    </message>
    <message>
        <source>Set AccN</source>
        <translation>Als σ Hochwert setzen</translation>
    </message>
    <message>
        <source>Set AccE</source>
        <translation>Als σ Rechtswert setzen</translation>
    </message>
    <message>
        <source>Set AccH</source>
        <translation>Als σ Höhe setzen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The timemarks were not added.</source>
        <translation>Die Zeitmarken wurden nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Lon</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
</context>
<context>
    <name>OpentTimeMarkTableModel</name>
    <message>
        <source>column %1 is empty</source>
        <translation>Spalte %1 ist leer</translation>
    </message>
    <message>
        <source>column %1 holds &quot;%2&quot;, which is not a number</source>
        <translation>Spalte %1 enthält „%2“, und das ist keine Zahl</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Hochwert</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Rechtswert</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>σ Hochwert</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>σ Rechtswert</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>σ Höhe</translation>
    </message>
    <message>
        <source>Lat (N)</source>
        <translation>Breite (N)</translation>
    </message>
    <message>
        <source>Lon (E)</source>
        <translation>Länge (E)</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>latitude %1, longitude %2 cannot be converted to UTM</source>
        <translation>Breite %1, Länge %2 lässt sich nicht in UTM umrechnen</translation>
    </message>
</context>
<context>
    <name>OutputLabelModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Hochwert</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Rechtswert</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>σ Hochwert</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>σ Rechtswert</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>σ Höhe</translation>
    </message>
    <message>
        <source>Lat (N)</source>
        <translation>Breite (N)</translation>
    </message>
    <message>
        <source>Lon (E)</source>
        <translation>Länge (E)</translation>
    </message>
</context>
<context>
    <name>PairingCheck</name>
    <message>
        <source>too few photos or rows to compare their intervals</source>
        <translation>zu wenige Fotos oder Zeilen, um ihre Abstände zu vergleichen</translation>
    </message>
    <message>
        <source>the numbers of photos and rows differ too much to compare them</source>
        <translation>die Anzahlen der Fotos und Zeilen weichen zu stark ab, um sie zu vergleichen</translation>
    </message>
    <message>
        <source>too many photos or rows have no partner to tell the pairing</source>
        <translation>zu viele Fotos oder Zeilen ohne Partner, um die Zuordnung zu bestimmen</translation>
    </message>
    <message>
        <source>the photo times and the row times do not fit together at any clock offset</source>
        <translation>die Zeiten der Fotos und der Zeilen passen bei keinem Uhrenversatz zusammen</translation>
    </message>
    <message>
        <source>the intervals are too regular to tell which photo belongs to which row</source>
        <translation>die Abstände sind zu gleichmäßig, um zu erkennen, welches Foto zu welcher Zeile gehört</translation>
    </message>
    <message>
        <source>the times around photo %1 fit more than one pairing</source>
        <translation>die Zeiten um Foto %1 passen zu mehr als einer Zuordnung</translation>
    </message>
    <message>
        <source>the times around row %1 fit more than one pairing</source>
        <translation>die Zeiten um Zeile %1 passen zu mehr als einer Zuordnung</translation>
    </message>
    <message>
        <source>the timemark rows have no dates</source>
        <translation>die Zeitmarkenzeilen haben kein Datum</translation>
    </message>
    <message>
        <source>row %1 has no date and time that can be read: &quot;%2&quot;</source>
        <translation>Zeile %1 hat kein lesbares Datum mit Uhrzeit: „%2“</translation>
    </message>
    <message>
        <source>the rows&apos; times are not all written in one form (row %1: &quot;%2&quot;)</source>
        <translation>die Zeiten der Zeilen sind nicht alle in derselben Form geschrieben (Zeile %1: „%2“)</translation>
    </message>
    <message>
        <source>photo %1 has no capture time (DateTimeOriginal or DateTime)</source>
        <translation>Foto %1 hat keine Aufnahmezeit (DateTimeOriginal oder DateTime)</translation>
    </message>
</context>
<context>
    <name>PairingDialog</name>
    <message>
        <source>Check pairing</source>
        <translation>Zuordnung prüfen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Capture time</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Take the photos and rows listed here out of the block&apos;s lists; their files stay on disk</source>
        <translation>Die hier aufgeführten Fotos und Zeilen aus den Listen des Blocks nehmen; ihre Dateien bleiben auf dem Datenträger</translation>
    </message>
    <message>
        <source>Remove unmatched</source>
        <translation>Ohne Partner entfernen</translation>
    </message>
    <message>
        <source>Put the removed photos and rows back at their places</source>
        <translation>Die entfernten Fotos und Zeilen wieder an ihre Stellen setzen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Check pairing - Block #%1</source>
        <translation>Zuordnung prüfen - Block Nr. %1</translation>
    </message>
    <message>
        <source>Pairing by time: %1</source>
        <translation>Zuordnung nach Zeit: %1</translation>
    </message>
    <message>
        <source>The check cannot tell: %1.</source>
        <translation>Die Prüfung kann es nicht entscheiden: %1.</translation>
    </message>
    <message>
        <source>The check cannot run: %1.</source>
        <translation>Die Prüfung ist nicht möglich: %1.</translation>
    </message>
    <message>
        <source>Clock offset: %1.</source>
        <translation>Uhrenversatz: %1.</translation>
    </message>
    <message>
        <source>&quot;Restore&quot; puts them back while the block stays unchanged.</source>
        <translation>„Wiederherstellen“ legt sie zurück, solange der Block unverändert bleibt.</translation>
    </message>
    <message>
        <source>The block has changed since, so they can no longer be restored.</source>
        <translation>Der Block hat sich seitdem geändert, daher lassen sie sich nicht mehr wiederherstellen.</translation>
    </message>
    <message>
        <source>Photos and rows taken out by &quot;Remove unmatched&quot; can still be put back with &quot;Restore&quot;.</source>
        <translation>Mit „Ohne Partner entfernen“ herausgenommene Fotos und Zeilen lassen sich mit „Wiederherstellen“ noch zurücklegen.</translation>
    </message>
    <message>
        <source>The block has changed since the check: check it again before you remove anything.</source>
        <translation>Der Block hat sich seit der Prüfung geändert: Prüfen Sie ihn erneut, bevor Sie etwas entfernen.</translation>
    </message>
    <message>
        <source>&quot;Remove unmatched&quot; takes the photos and rows listed here out of the block&apos;s lists; their files stay on disk.</source>
        <translation>„Ohne Partner entfernen“ nimmt die hier aufgeführten Fotos und Zeilen aus den Listen des Blocks; ihre Dateien bleiben auf dem Datenträger.</translation>
    </message>
    <message>
        <source>%1 among %2 and %3.</source>
        <extracomment>%1 is &quot;38 pairs by time&quot;, %2 &quot;40 photos&quot;, %3 &quot;39 timemark rows&quot;</extracomment>
        <translation>%1 unter %2 und %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs by time</source>
        <translation>
            <numerusform>%n zeitliches Paar</numerusform>
            <numerusform>%n zeitliche Paare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>the pairs were found among them</comment>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>the pairs were found among them</comment>
        <translation>
            <numerusform>%n Zeitmarkenzeile</numerusform>
            <numerusform>%n Zeitmarkenzeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos without a timemark row</source>
        <translation>
            <numerusform>%n Foto ohne Zeitmarkenzeile</numerusform>
            <numerusform>%n Fotos ohne Zeitmarkenzeile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows without a photo</source>
        <translation>
            <numerusform>%n Zeitmarkenzeile ohne Foto</numerusform>
            <numerusform>%n Zeitmarkenzeilen ohne Foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>taken out</comment>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>taken out</comment>
        <translation>
            <numerusform>%n Zeitmarkenzeile</numerusform>
            <numerusform>%n Zeitmarkenzeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Taken out of the block&apos;s lists: %1; their files stay on disk.</source>
        <extracomment>%1 is &quot;1 photo&quot;, &quot;2 timemark rows&quot; or &quot;1 photo and 2 timemark rows&quot;</extracomment>
        <translation>Aus den Listen des Blocks genommen: %1; ihre Dateien bleiben auf dem Datenträger.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>taken out</comment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>PairingText</name>
    <message>
        <source>matched</source>
        <translation>alle zugeordnet</translation>
    </message>
    <message>
        <source>unmatched</source>
        <translation>nicht alle zugeordnet</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>nicht eindeutig</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>ohne Datum</translation>
    </message>
    <message>
        <source>photos without a row: %1, rows without a photo: %2</source>
        <translation>Fotos ohne Zeile: %1, Zeilen ohne Foto: %2</translation>
    </message>
    <message>
        <source>%1, pairs by time: %2</source>
        <translation>%1, Paare nach Zeit: %2</translation>
    </message>
    <message>
        <source>photo clock %1 against the receiver&apos;s, spread %2</source>
        <translation>Kamerauhr %1 gegenüber der des Empfängers, Streuung %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>photo %1 %2 (%3)</source>
        <translation>Foto %1 %2 (%3)</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>%1 and %2 pair one to one by time</source>
        <extracomment>%1 is &quot;40 photos&quot;, %2 &quot;40 rows&quot;</extracomment>
        <translation>%1 und %2 passen zeitlich eins zu eins</translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>paired by time</comment>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>paired by time</comment>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>PhotoCopier</name>
    <message>
        <source>the metadata part (%1 MB) is too large to rewrite</source>
        <translation>der Metadatenteil (%1 MB) ist zu groß zum Neuschreiben</translation>
    </message>
    <message>
        <source>target exists</source>
        <translation>das Ziel existiert bereits</translation>
    </message>
    <message>
        <source>cannot read the rewritten metadata</source>
        <translation>die neu geschriebenen Metadaten lassen sich nicht lesen</translation>
    </message>
    <message>
        <source>unexpected metadata layout</source>
        <translation>unerwarteter Aufbau der Metadaten</translation>
    </message>
    <message>
        <source>the source photo changed while it was copied</source>
        <translation>das Quellfoto hat sich beim Kopieren geändert</translation>
    </message>
</context>
<context>
    <name>PhotoFile</name>
    <message>
        <source>has a drone attitude out of range (pitch %1, yaw %2, roll %3 degrees; pitch and roll may be -180 to 180, yaw -360 to 360)</source>
        <translation>hat eine Fluglage der Drohne außerhalb des zulässigen Bereichs (Nick %1, Gier %2, Roll %3 Grad; Nick und Roll dürfen -180 bis 180, Gier -360 bis 360 betragen)</translation>
    </message>
</context>
<context>
    <name>PhotoModel</name>
    <message>
        <source>Photos paths</source>
        <translation>Fotopfade</translation>
    </message>
    <message>
        <source>is the same photo as %1, already in the list</source>
        <translation>ist dasselbe Foto wie %1, das schon in der Liste steht</translation>
    </message>
</context>
<context>
    <name>PhotoTagTable</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm:ss</source>
        <translation>dd.MM.yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>File properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>%1 Mb</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Date of change</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>EXIF Data</source>
        <translation>EXIF-Daten</translation>
    </message>
    <message>
        <source>XMP Data</source>
        <translation>XMP-Daten</translation>
    </message>
    <message>
        <source>IPTC Data</source>
        <translation>IPTC-Daten</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
</context>
<context>
    <name>PositionLimits</name>
    <message>
        <source>latitude %1 is outside -90 to 90 degrees</source>
        <translation>Breite %1 liegt außerhalb von -90 bis 90 Grad</translation>
    </message>
    <message>
        <source>longitude %1 is outside -180 to 180 degrees</source>
        <translation>Länge %1 liegt außerhalb von -180 bis 180 Grad</translation>
    </message>
    <message>
        <source>easting %1 m is outside 100 000 to 900 000 m: the values look like degrees, or metres in the wrong columns</source>
        <translation>Rechtswert %1 m liegt außerhalb von 100 000 bis 900 000 m: die Werte sehen nach Grad aus oder nach Metern in den falschen Spalten</translation>
    </message>
    <message>
        <source>northing %1 m is outside -10 000 000 to 10 000 000 m: the values look like degrees, or metres in the wrong columns</source>
        <translation>Hochwert %1 m liegt außerhalb von -10 000 000 bis 10 000 000 m: die Werte sehen nach Grad aus oder nach Metern in den falschen Spalten</translation>
    </message>
    <message>
        <source>height %1 m is outside -11 000 to 100 000 m</source>
        <translation>Höhe %1 m liegt außerhalb von -11 000 bis 100 000 m</translation>
    </message>
    <message>
        <source>it lies %1 km from the median position of the file, more than 1 000 km</source>
        <translation>die Position liegt %1 km vom Median der Datei entfernt, mehr als 1 000 km</translation>
    </message>
</context>
<context>
    <name>PreCheck</name>
    <message>
        <source>The disk is not enough %1 MB of space</source>
        <translation>Auf dem Datenträger fehlen %1 MB Speicherplatz</translation>
    </message>
    <message>
        <source>Requires %1 Gb (Free %2 Gb)</source>
        <translation>Benötigt %1 GB (frei %2 GB)</translation>
    </message>
    <message>
        <source>	Selected directory must be empty!</source>
        <translation>	Der gewählte Ordner muss leer sein!</translation>
    </message>
    <message>
        <source>Hard disk error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>You have selected more than 9999 files</source>
        <translation>Sie haben mehr als 9999 Dateien gewählt</translation>
    </message>
    <message>
        <source>Processing is not possible: </source>
        <translation>Verarbeitung nicht möglich: </translation>
    </message>
    <message>
        <source>Selected directory is not empty, </source>
        <translation>der gewählte Ordner ist nicht leer, </translation>
    </message>
    <message>
        <source>Not enough free space, </source>
        <translation>zu wenig freier Speicherplatz, </translation>
    </message>
    <message>
        <source>You have selected more than 9999 files, </source>
        <translation>mehr als 9999 Dateien gewählt, </translation>
    </message>
    <message>
        <source>Amount of photos and timemark rows are not match, </source>
        <translation>die Anzahl der Fotos und Zeitmarkenzeilen stimmt nicht überein, </translation>
    </message>
</context>
<context>
    <name>PreviewTableModel</name>
    <message>
        <source>North</source>
        <translation>Hochwert</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Rechtswert</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>sdN</source>
        <translation>σ Hochwert</translation>
    </message>
    <message>
        <source>sdE</source>
        <translation>σ Rechtswert</translation>
    </message>
    <message>
        <source>sdH</source>
        <translation>σ Höhe</translation>
    </message>
    <message>
        <source>Lat (N)</source>
        <translation>Breite (N)</translation>
    </message>
    <message>
        <source>Lon (E)</source>
        <translation>Länge (E)</translation>
    </message>
</context>
<context>
    <name>RawTextPreview</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown: these are the first %1 MB of %2 MB.]</source>
        <translation>[Der Rest der Datei wird nicht angezeigt: Dies sind die ersten %1 MB von %2 MB.]</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>is a symbolic link that leads in a circle</source>
        <translation>ist eine symbolische Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is a FIFO (named pipe), not a file</source>
        <translation>ist ein FIFO (benannte Pipe), keine Datei</translation>
    </message>
    <message>
        <source>is a device or socket, not a file</source>
        <translation>ist ein Gerät oder Socket, keine Datei</translation>
    </message>
</context>
<context>
    <name>RunMarker</name>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Another Kestrix run is writing into the folder %1</source>
        <translation>Ein anderer Kestrix-Lauf schreibt in den Ordner %1</translation>
    </message>
    <message>
        <source>Another Kestrix run (process %2) is writing into the folder %1</source>
        <translation>Ein anderer Kestrix-Lauf (Prozess %2) schreibt in den Ordner %1</translation>
    </message>
</context>
<context>
    <name>RunOutcome</name>
    <message>
        <source>Failed to open for writing a file fileData.txt</source>
        <translation>Die Datei fileData.txt kann nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source>Processing failed (code %1)</source>
        <translation>Verarbeitung fehlgeschlagen (Code %1)</translation>
    </message>
    <message>
        <source>The output folder holds %1, the unfinished coordinate file of a run that did not end</source>
        <translation>Der Ausgabeordner enthält %1, die unfertige Koordinatendatei eines nicht zu Ende gegangenen Laufs</translation>
    </message>
    <message>
        <source>Not copied: %1 (%2)</source>
        <translation>Nicht kopiert: %1 (%2)</translation>
    </message>
    <message>
        <source>Without a position, so without geotag and line: %1 %2</source>
        <translation>Ohne Position, daher ohne Geotag und Zeile: %1 %2</translation>
    </message>
    <message>
        <source>Metadata could not be read or written: %1</source>
        <translation>Metadaten nicht lesbar oder schreibbar: %1</translation>
    </message>
    <message>
        <source>Missing from the coordinate file: %1 (%2)</source>
        <translation>In der Koordinatendatei fehlt: %1 (%2)</translation>
    </message>
    <message>
        <source>Copied without latitude and longitude, no UTM zone is set: %1</source>
        <translation>Ohne Breite und Länge kopiert, keine UTM-Zone eingestellt: %1</translation>
    </message>
    <message>
        <source>Photos not processed because the run broke off first: %1</source>
        <translation>Fotos nicht verarbeitet, weil der Lauf vorher abbrach: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n photos need attention: the error list names them and says why</source>
        <translation>
            <numerusform>%n Foto braucht Aufmerksamkeit: Die Fehlerliste nennt es und den Grund</numerusform>
            <numerusform>%n Fotos brauchen Aufmerksamkeit: Die Fehlerliste nennt sie und die Gründe</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Restart requires</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>To apply the language you must restart the App</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu übernehmen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Timemarks</source>
        <translation>Zeitmarken</translation>
    </message>
    <message>
        <source>Column North</source>
        <translation>Spalte Hochwert</translation>
    </message>
    <message>
        <source>Column of the north coordinate or the latitude in new timemark files</source>
        <translation>Spalte des Hochwerts oder der geographischen Breite in neuen Zeitmarkendateien</translation>
    </message>
    <message>
        <source>Column East</source>
        <translation>Spalte Rechtswert</translation>
    </message>
    <message>
        <source>Column of the east coordinate or the longitude in new timemark files</source>
        <translation>Spalte des Rechtswerts oder der geographischen Länge in neuen Zeitmarkendateien</translation>
    </message>
    <message>
        <source>Column H</source>
        <translation>Spalte Höhe</translation>
    </message>
    <message>
        <source>Column of the height in new timemark files</source>
        <translation>Spalte der Höhe in neuen Zeitmarkendateien</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <source>First data row of new timemark files</source>
        <translation>Erste Datenzeile neuer Zeitmarkendateien</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Back to the default columns: North 3, East 4, H 5, first row 2</source>
        <translation>Zurück zu den Standardspalten: Hochwert 3, Rechtswert 4, Höhe 5, erste Zeile 2</translation>
    </message>
    <message>
        <source>Reset columns</source>
        <translation>Spalten zurücksetzen</translation>
    </message>
    <message>
        <source>On add</source>
        <translation>Beim Hinzufügen</translation>
    </message>
    <message>
        <source>What happens when timemarks are added to a block that already has some</source>
        <translation>Was geschieht, wenn einem Block, der schon Zeitmarken hat, weitere hinzugefügt werden</translation>
    </message>
    <message>
        <source>Always ask</source>
        <translation>Immer fragen</translation>
    </message>
    <message>
        <source>Always add to the end</source>
        <translation>Immer anhängen</translation>
    </message>
    <message>
        <source>Always replace</source>
        <translation>Immer ersetzen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Do not logging</source>
        <translation>Kein Protokoll</translation>
    </message>
    <message>
        <source>Delete logs later as one month</source>
        <translation>Protokolle nach einem Monat löschen</translation>
    </message>
    <message>
        <source>Delete logs older as one week</source>
        <translation>Protokolle nach einer Woche löschen</translation>
    </message>
    <message>
        <source>Delete logs older as one day</source>
        <translation>Protokolle nach einem Tag löschen</translation>
    </message>
    <message>
        <source>Save the last 10 logs</source>
        <translation>Die letzten 10 Protokolle behalten</translation>
    </message>
    <message>
        <source>Number format in tables</source>
        <translation>Zahlenformat in Tabellen</translation>
    </message>
    <message>
        <source>No format</source>
        <translation>Ohne Formatierung</translation>
    </message>
    <message>
        <source>Local format</source>
        <translation>Regionales Format</translation>
    </message>
    <message>
        <source>Seconds to slice</source>
        <translation>Teilungsschwelle in Sekunden</translation>
    </message>
    <message>
        <source>A block is split where two photos lie this many seconds apart</source>
        <translation>Ein Block wird dort geteilt, wo zwei Fotos so viele Sekunden auseinanderliegen</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>Use Desktop OpenGL</source>
        <translation>Desktop-OpenGL verwenden</translation>
    </message>
    <message>
        <source>Enable High DPI Scaling</source>
        <translation>Skalierung für hohe DPI aktivieren</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Save selected directory as default</source>
        <translation>Gewählten Ordner als Standard speichern</translation>
    </message>
    <message>
        <source>Creating a subdirectory</source>
        <translation>Unterordner anlegen</translation>
    </message>
    <message>
        <source>Open a directory after processing</source>
        <translation>Ordner nach der Verarbeitung öffnen</translation>
    </message>
    <message>
        <source>Automatically select the folder with the most recently selected photos / timemarks</source>
        <translation>Automatisch den Ordner der zuletzt gewählten Fotos / Zeitmarken wählen</translation>
    </message>
    <message>
        <source>Clear the blocks after processing</source>
        <translation>Blöcke nach der Verarbeitung leeren</translation>
    </message>
    <message>
        <source>Split photos into folders by blocks (IMG01, IMG02 and etc.)</source>
        <translation>Fotos blockweise auf Ordner verteilen (IMG01, IMG02 usw.)</translation>
    </message>
    <message>
        <source>Default directory</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>Delimiter in the output file</source>
        <translation>Trennzeichen der Ausgabedatei</translation>
    </message>
    <message>
        <source>As in the first file</source>
        <translation>Wie in der ersten Datei</translation>
    </message>
    <message>
        <source>As in the last file</source>
        <translation>Wie in der letzten Datei</translation>
    </message>
    <message>
        <source>Write the columns Pix4D reads: name, east (longitude), north (latitude), height</source>
        <translation>Die Spalten schreiben, die Pix4D liest: Name, Rechtswert (Länge), Hochwert (Breite), Höhe</translation>
    </message>
    <message>
        <source>Pix4d label</source>
        <translation>Pix4D-Format</translation>
    </message>
    <message>
        <source>Type of label</source>
        <translation>Spalten der Ausgabe</translation>
    </message>
    <message>
        <source>Drag a label up or down to move its column in the output file; untick it to leave the column out</source>
        <translation>Eine Spalte nach oben oder unten ziehen, um sie in der Ausgabedatei zu verschieben; Haken entfernen, um sie wegzulassen</translation>
    </message>
    <message>
        <source>Antenna offsets</source>
        <translation>Antennenversatz</translation>
    </message>
    <message>
        <source>Coordinate system</source>
        <translation>Koordinatensystem</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Lat/Lon</source>
        <translation>Breite/Länge</translation>
    </message>
    <message>
        <source>UTM zone</source>
        <translation>UTM-Zone</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>A (mm)</source>
        <translation>A (mm)</translation>
    </message>
    <message>
        <source>B (mm)</source>
        <translation>B (mm)</translation>
    </message>
    <message>
        <source>Z (mm)</source>
        <translation>Z (mm)</translation>
    </message>
    <message>
        <source>How far the camera lies forward of the GNSS antenna, in millimetres</source>
        <translation>Wie weit die Kamera vor der GNSS-Antenne liegt, in Millimetern</translation>
    </message>
    <message>
        <source>How far the camera lies to the right of the GNSS antenna, in millimetres</source>
        <translation>Wie weit die Kamera rechts von der GNSS-Antenne liegt, in Millimetern</translation>
    </message>
    <message>
        <source>How far the camera lies above the GNSS antenna, in millimetres (negative: below it)</source>
        <translation>Wie weit die Kamera über der GNSS-Antenne liegt, in Millimetern (negativ: darunter)</translation>
    </message>
    <message>
        <source>Former lever-arm formula</source>
        <translation>Frühere Hebelarmformel</translation>
    </message>
    <message>
        <source>Column Lat</source>
        <translation>Spalte Breite</translation>
    </message>
    <message>
        <source>Column Lon</source>
        <translation>Spalte Länge</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Metric system</source>
        <translation>Metrisches System</translation>
    </message>
    <message>
        <source>Degree system</source>
        <translation>Geographische Koordinaten in Grad</translation>
    </message>
    <message>
        <source>The UTM zone of timemarks given in metres (easting and northing), and whether it lies north or south of the equator. The geotags of the photo copies need it to turn metres into latitude and longitude; while it is unknown, the copies keep the camera&apos;s own position. The antenna offset is turned into the grid of this zone too. Timemarks in degrees bring their own zone.</source>
        <translation>Die UTM-Zone von Zeitmarken in Metern (Rechts- und Hochwert) und ob sie nördlich oder südlich des Äquators liegt. Die Geotags der Fotokopien brauchen sie, um Meter in Breite und Länge umzurechnen; solange sie unbekannt ist, behalten die Kopien die Position der Kamera selbst. Auch der Antennenversatz wird in das Gitter dieser Zone gedreht. Zeitmarken in Grad bringen ihre eigene Zone mit.</translation>
    </message>
    <message>
        <source>Turn the antenna offset with the formula of earlier versions. That formula turned yaw and roll the wrong way for the drone&apos;s own attitude convention: heading east put the camera west of the antenna. It is therefore no longer the default; use it only to reproduce results made with an earlier version.</source>
        <translation>Den Antennenversatz mit der Formel früherer Versionen drehen. Diese Formel drehte Gier- und Rollwinkel entgegen der Lagekonvention der Drohne: Bei Kurs Ost landete die Kamera westlich der Antenne. Deshalb ist sie nicht mehr voreingestellt; verwenden Sie sie nur, um Ergebnisse einer früheren Version nachzubilden.</translation>
    </message>
    <message>
        <source>The antenna moves as the offsets change; the red cross marks the camera.</source>
        <translation>Die Antenne bewegt sich mit dem Versatz; das rote Kreuz markiert die Kamera.</translation>
    </message>
    <message>
        <source>Seen from behind</source>
        <translation>Ansicht von hinten</translation>
    </message>
    <message>
        <source>Seen from below</source>
        <translation>Ansicht von unten</translation>
    </message>
    <message>
        <source>B right</source>
        <translation>B rechts</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z oben</translation>
    </message>
    <message>
        <source>A forward</source>
        <translation>A vorn</translation>
    </message>
    <message>
        <source>Reset every setting to its default? This includes the antenna offsets, the default columns and the output directory.</source>
        <translation>Alle Einstellungen auf ihre Standardwerte zurücksetzen? Das betrifft auch den Antennenversatz, die Standardspalten und den Ausgabeordner.</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Exit settings</source>
        <translation>Einstellungen schließen</translation>
    </message>
    <message>
        <source>Settings were not saved. Save them before closing?</source>
        <translation>Die Einstellungen wurden nicht gespeichert. Vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>SettingsPopUp</name>
    <message>
        <source>Graph settings</source>
        <translation>Grafikeinstellungen</translation>
    </message>
    <message>
        <source>Graph multisampling</source>
        <translation>Multisampling der Grafik</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TimemarkFile</name>
    <message>
        <source>%1 is larger than %2 MB; it is not a timemark file</source>
        <translation>%1 ist größer als %2 MB; das ist keine Zeitmarkendatei</translation>
    </message>
    <message>
        <source>%1 holds NUL bytes (line %2); it is not a text file</source>
        <translation>%1 enthält NUL-Bytes (Zeile %2); das ist keine Textdatei</translation>
    </message>
    <message>
        <source>The timemark file %1 %2</source>
        <translation>Die Zeitmarkendatei %1 %2</translation>
    </message>
    <message>
        <source>No line of %1 splits into three or more columns; it is not a timemark file</source>
        <translation>Keine Zeile von %1 lässt sich in drei oder mehr Spalten teilen; das ist keine Zeitmarkendatei</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds a line longer than %n characters; it is not a timemark file</source>
        <translation>
            <numerusform>%1 enthält eine Zeile mit mehr als %n Zeichen; das ist keine Zeitmarkendatei</numerusform>
            <numerusform>%1 enthält eine Zeile mit mehr als %n Zeichen; das ist keine Zeitmarkendatei</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the timemark file %1 failed: %2</source>
        <translation>Lesen der Zeitmarkendatei %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>No timemark file is chosen</source>
        <translation>Keine Zeitmarkendatei gewählt</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds more than %n rows; a timemark file has one row per photo</source>
        <translation>
            <numerusform>%1 enthält mehr als %n Zeile; eine Zeitmarkendatei hat eine Zeile je Foto</numerusform>
            <numerusform>%1 enthält mehr als %n Zeilen; eine Zeitmarkendatei hat eine Zeile je Foto</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is an RTKLIB solution in %2 form, which holds no latitude, longitude or UTM position: export the solution as latitude/longitude/height</source>
        <translation>%1 ist eine RTKLIB-Lösung im Format %2, die weder Breite und Länge noch eine UTM-Position enthält: Exportieren Sie die Lösung als Breite/Länge/Höhe</translation>
    </message>
    <message>
        <source>No line of %1 splits into three or more columns with the delimiter &quot;%2&quot;</source>
        <translation>Keine Zeile von %1 lässt sich mit dem Trennzeichen „%2“ in drei oder mehr Spalten teilen</translation>
    </message>
</context>
<context>
    <name>TimemarkImport</name>
    <message>
        <source>Timemark file %1 is not recognised</source>
        <translation>Zeitmarkendatei %1 wurde nicht erkannt</translation>
    </message>
</context>
<context>
    <name>ViewPhoto</name>
    <message>
        <source>Dialog</source>
        <translation>Fotoansicht</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Preview - %1</source>
        <translation>Vorschau - %1</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
</TS>
