<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Die Argumentdatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Interner Programmfehler!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Vorbereitung...</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Bilder werden bereinigt...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool wurde nicht gefunden. Installieren Sie es (Debian-Paket libimage-exiftool-perl) oder legen Sie das Programm exiftool neben Quillmark.</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Dateidatum wird verschleiert...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Dateien werden geprüft...</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Es wurden Probleme gemeldet. Einzelheiten stehen im Protokoll.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Nicht bereinigt: Der Durchlauf wurde angehalten</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: In %2 kann kein Arbeitsordner angelegt werden: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: In %2 kann das Protokoll nicht angelegt werden</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Ausgelassen: eine frühere Ausgabe eines anderen Bildes dieses Durchlaufs</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Ausgelassen (eine frühere Ausgabe) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Fehler: Der Pfad ist länger, als das System erlaubt (%1 Bytes)</translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Übersprungen: Die Ausgabe würde das Bild selbst ersetzen</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Übersprungen: Die Ausgabe würde ein anderes Bild dieses Durchlaufs ersetzen</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Fehler: ExifTool wurde beendet, bevor es dieses Bild fertig verarbeitet hatte</translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>vorhandene Ausgabe behalten</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Ein Präfix oder Suffix muss Teil eines Dateinamens sein: Es darf weder leer sein noch „/“ enthalten.</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 vorhandene Ausgabe wurde behalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n vorhandene Ausgabe wurde behalten.</numerusform>
            <numerusform>%n vorhandene Ausgaben wurden behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 frühere Ausgabe wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n frühere Ausgabe wurde ausgelassen.</numerusform>
            <numerusform>%n frühere Ausgaben wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>Der Durchlauf wurde angehalten; die bisher bereinigten Bilder bleiben erhalten.</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Fehler: Das Bild kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 weiterer Name dieser Datei (ein harter Link) enthält noch ihre Metadaten</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n weiterer Name dieser Datei (ein harter Link) enthält noch ihre Metadaten</numerusform>
            <numerusform>%n weitere Namen dieser Datei (harte Links) enthalten noch ihre Metadaten</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Gespeichert als %1: Ein anderes Bild dieses Laufs hat denselben Namen</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Fehler: Die bereinigte Datei wäre beschädigt (%1); das Original bleibt erhalten</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Fehler: Das Original bleibt erhalten: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Nicht bereinigt: von einem anderen Lauf oder Programm verwendet (%1)</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>es wurde kein Ordner für Problemdateien angegeben</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>der Papierkorb hat sie abgelehnt</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>sie kann nicht dorthin verschoben werden</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>Das Original wurde in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>Das Original wurde nach %1 verschoben.</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Das Original konnte nicht verschoben werden: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Das Original konnte nicht verschoben werden: %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>das Bild hat sich während der Bereinigung geändert</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>Eigentümer und Gruppe der Datei können nicht erhalten werden (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>die Zugriffssteuerungsliste der Datei kann nicht erhalten werden (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>die Zugriffsrechte der Datei können nicht erhalten werden</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 Problemdatei wurde in den Papierkorb verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n Problemdatei wurde in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Problemdateien wurden in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 Problemdatei wurde nach %1 verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n Problemdatei wurde nach %1 verschoben.</numerusform>
            <numerusform>%n Problemdateien wurden nach %1 verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 Problemdatei konnte nicht in den Papierkorb verschoben werden; das Protokoll nennt den Grund.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n Problemdatei konnte nicht in den Papierkorb verschoben werden; das Protokoll nennt den Grund.</numerusform>
            <numerusform>%n Problemdateien konnten nicht in den Papierkorb verschoben werden; das Protokoll nennt den Grund.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 Problemdatei konnte nicht nach %1 verschoben werden; das Protokoll nennt den Grund.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n Problemdatei konnte nicht nach %1 verschoben werden; das Protokoll nennt den Grund.</numerusform>
            <numerusform>%n Problemdateien konnten nicht nach %1 verschoben werden; das Protokoll nennt den Grund.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>einen Ordner</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 Bild verarbeitet (%2 KB gespart)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 Bild verarbeitet (%2 KB gespart)</numerusform>
            <numerusform>%1 Bilder verarbeitet (%2 KB gespart)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 Bild verarbeitet</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 Bild verarbeitet</numerusform>
            <numerusform>%1 Bilder verarbeitet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>in %1 Sekunde (%2 s im Schnitt)</numerusform>
            <numerusform>in %1 Sekunden (%2 s im Schnitt)</numerusform>
        </translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>Der temporäre Ordner %1 kann die Argumentdatei von ExifTool nicht aufnehmen; setzen Sie TMPDIR oder TEMP auf einen anderen Ordner.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>in %1 Sekunde (%2 s im Schnitt)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Ausgelassen: Videos benötigen ffmpeg, das nicht installiert ist</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Ausgelassen (ffmpeg ist nicht installiert) - %1</translation>
    </message>
</context>
<context>
    <name>CleanWizard</name>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Optionen (1/3)</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Optionen (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Wählen Sie, welche Metadaten-Tags entfernt werden sollen.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Starten &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Optionen (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Legen Sie weitere Optionen und Verarbeitungsregeln fest.</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Bitte warten Sie, während die Bilder verarbeitet werden...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>Der Assistent hat die Bilder bereinigt! Klicken Sie auf „Beenden“, um das Programm zu schließen, oder auf „Zurück“, um weitere Dateien zu verarbeiten.</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Mindestens eine Ausgabedatei existiert bereits! Möchten Sie vorhandene Dateien überschreiben?</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Beim Lesen der Datei ist ein Fehler aufgetreten...</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 Bild</numerusform>
            <numerusform>%1 Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Dateien werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Wählen Sie einen Ordner mit Bildern zum Hinzufügen:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Keine Dateien zu verarbeiten...</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif ist der Metadaten-Standard, mit dem Digitalkameras Informationen über das Bild, den Aufnahmeort, die Kameraeinstellungen usw. speichern. Er kommt in JPG-, TIFF-, PNG-, MIFF- und HDP-Bildern sowie in vielen TIFF-basierten RAW-Bildern vor.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Geodaten halten fest, wo das Foto aufgenommen wurde. Die GPS-Tags gehören zum Exif-Standard und liegen in einem eigenen Abschnitt innerhalb der Exif-Informationen.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Exif-Vorschaubild</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Ein Vorschaubild ist eine verkleinerte Fassung des Bildes, mit der sich schnell eine Vorschau anzeigen lässt.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>ICC-Farbprofil</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>ICC-Profile kommen in vielen Dateitypen vor, darunter JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT und einige RAW-Formate. Wird dieses Tag entfernt, können sich die Farben des Bildes ändern.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP ist ein von Adobe vorangetriebenes Metadatenformat. Informationen in diesem Format können in viele Bilddateitypen eingebettet sein, darunter JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU und MIFF, aber auch in Video- und Audioformate.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Ein älteres Metadatenformat, das nach und nach von XMP abgelöst wird. IPTC-Informationen können in JPG-, TIFF-, PNG-, MIFF-, PS-, PDF-, PSD- und DNG-Bilder eingebettet sein.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Alle anderen unterstützten</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Dazu gehören der JPEG-Kommentar, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky und MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>Der Präfix-Text wird VOR den bisherigen Dateinamen gesetzt, um eine neue Bilddatei zu erzeugen.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>Der Suffix-Text wird HINTER den bisherigen Dateinamen gesetzt, um eine neue Bilddatei zu erzeugen.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Photoshop-Tag &amp; Vorschaubild</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Photoshop-Tags stehen in PSD-Dateien, aber auch in eingebetteten Photoshop-Informationen vieler anderer Dateitypen (etwa JPEG, TIFF, PDF und PNG). Wird dieses Tag entfernt, verschwindet auch das IPTC-Tag.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Alle unterstützten Tags entfernen</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Mit dieser Option entfernen Sie so viele Metadaten wie möglich! Mit einer Ausnahme: Adobe APP14 bleibt erhalten, weil sich sonst das Aussehen des Bildes ändern kann.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Dateidatum verschleiern</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>Das Datum einer Bilddatei kann verraten, wann das Bild aufgenommen oder bearbeitet wurde. Diese Option setzt Erstellungs-, Änderungs- und Zugriffsdatum der Datei auf ein neues Datum (Standard: 1980-2010 für zufällige Daten und 1980-01-01 00:00:00 für ein festes Datum). Beachten Sie, dass sich das Datum ändern kann, wenn die Datei später bearbeitet, verschoben, kopiert usw. wird.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Fehlerhafte Dateien verschieben</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Trat ein Fehler auf und konnte die Datei nicht verarbeitet werden (siehe Protokoll), können Sie die Originaldatei hiermit in einen Ordner verschieben oder löschen. Wenn Sie einen Ordner wählen und dort bereits eine Datei gleichen Namens liegt, wird die Datei nicht verschoben. Hinweis: Das gilt nur für Fehler, nicht für Warnungen. Dateien mit Warnungen werden trotzdem verarbeitet; die Warnungen können im Protokoll stehen.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Geodaten halten fest, wo das Foto aufgenommen wurde. GeoTIFF wird von TIFF-Dateien und von Bildformaten verwendet, die auf dem TIFF-Format beruhen.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Dieses Tag kommt in JPEG-Dateien vor und enthält Angaben zur Kodierung. Wird es entfernt, kann sich das Aussehen des Bildes ändern; deshalb wird davon abgeraten. Es enthält keine persönlichen Daten, verrät aber, dass ein Adobe-Produkt verwendet wurde.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Klicken Sie hier, um Bilder hinzuzufügen, oder ziehen Sie sie auf die Dateiliste rechts.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Dieses Programm ist vor allem für JPEG-Bilder gedacht, funktioniert aber auch mit anderen Dateiformaten, darunter: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD und X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Bilder aus Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Wie oben, aber Sie wählen einen Ordner, und das Programm fügt alle Bilder aus diesem Ordner und seinen Unterordnern hinzu.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Wegen eines Fehlers in Windows 7 verwendet Ihr System eine Schriftart, die für die aktuelle DPI-Einstellung zu groß ist. Dadurch können Quillmark (und andere Programme) verzerrt aussehen. Auch wenn es nur ein optisches Problem ist, empfehle ich, es zu beheben, und öffne jetzt eine Hilfeseite!</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Bereinigung anhalten? Die bisher bereinigten Bilder bleiben erhalten.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 Bild wird bereinigt</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 Bild wird bereinigt</numerusform>
            <numerusform>%1 Bilder werden bereinigt</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>und direkt überschrieben: Die Originale bleiben nicht erhalten.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>und im Ordner %1 gespeichert.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>und als Kopie mit dem Präfix „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>und als Kopie mit dem Suffix „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Entfernt werden: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Das Dateidatum wird auf %1 gesetzt.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Das Dateidatum wird auf ein zufälliges Datum gesetzt.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Originale, deren Verarbeitung fehlschlägt, kommen in den Papierkorb.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Originale, deren Verarbeitung fehlschlägt, werden nach %1 verschoben.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Hier ist kein Programm zum Öffnen von Ordnern eingerichtet. Die bereinigten Bilder liegen in diesem Ordner:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Hier ist kein Webbrowser eingerichtet. Die Webseite lautet:</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Ausrichtung und Farbprofil behalten</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>Das Ausrichtungs-Tag sagt Anzeigeprogrammen, wie herum das Bild zu zeigen ist, und das Farbprofil sagt ihnen, welche Farben es enthält. Ohne die Ausrichtung erscheinen Hochformatfotos seitlich gekippt; ohne das Farbprofil können Farben falsch aussehen (zum Beispiel bei den Fotos mit großem Farbraum neuerer Smartphones). Beides identifiziert keine Person, daher bleibt beides erhalten, sofern Sie diese Option nicht abwählen.</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Diese Dateien konnten nicht hinzugefügt werden: Ihre Namen sind kein gültiges UTF-8, und der Dateidialog kann sie nicht weitergeben. Fügen Sie sie mit „Aus Ordner hinzufügen“ hinzu oder ziehen Sie sie auf die Liste:</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Die Einstellungsdatei %1 ist größer als 1 MB, weit mehr, als gespeicherte Einstellungen je belegen, und wurde daher nicht gelesen. Quillmark startet mit den Standardoptionen und lässt die Datei unverändert; die Optionen dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>TIFF-IFD0-Daten entfernen</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>TIFF-Bilder können im ersten Bilddateiverzeichnis (IFD0) Informationen enthalten, getrennt von den übrigen Tags. Das betrifft TIFF-Dateien und Bildtypen, die auf dem TIFF-Format beruhen: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 und SRW.</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Bilddateien auswählen</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Fügen Sie die Bilder hinzu, die Sie bereinigen möchten. Mit „Weiter“ geht es danach zur Ausgabeseite.</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Legen Sie fest, wo und wie die bereinigten Dateien gespeichert werden. Mit „Weiter“ geht es zur zweiten Optionsseite.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Bilder werden bereinigt</translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>In %1 wurden keine zu bereinigenden Bilder gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>In %n Ordner wurden keine zu bereinigenden Bilder gefunden: %1</numerusform>
            <numerusform>In %n Ordnern wurden keine zu bereinigenden Bilder gefunden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: Start nicht möglich: %1</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Prüfen Sie, was der Durchlauf tun wird; mit „&lt; Zurück“ ändern Sie die Optionen.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Es konnte kein Programm gestartet werden: Es wurde keines angegeben.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>%1 konnte nicht gestartet werden: Der Arbeitsordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 wurde angehalten, weil das Programm beendet wird.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 ist abgestürzt oder wurde gewaltsam beendet.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>die Bilddaten haben keine Endmarkierung</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>die Datei endet vor der Markierung für das Bildende</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>ein Segment beginnt nicht mit einer Markierung</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>die Datei endet innerhalb eines Segments</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>ein Segment reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>die Datei endet vor dem IEND-Chunk</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>der %1-Chunk reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>die Datei ist kürzer, als ihr RIFF-Header angibt</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>ein Chunk-Header reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>die Datei endet innerhalb des Headers</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>die Datei endet vor dem GIF-Trailer</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>die Datei endet innerhalb eines Bilddeskriptors</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>die Datei endet innerhalb einer Erweiterung</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>ein unbekannter Blocktyp</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>ein Block reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>die Ausgabe kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Dateidatum verschleiern</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Auf neues Datum setzen:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Zufälliges Datum erzeugen</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Neues Dateidatum</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(ändern)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Kleinere Fehler und Warnungen ignorieren</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Wenn die Verarbeitung fehlschlägt, Originaldatei verschieben nach:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Ordner für Problemdateien</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Zielordner auswählen:</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 wurde unerwartet beendet.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Datum festlegen</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Uhrzeit festlegen</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Bitte geben Sie ein Jahr ein. Standard ist 1980 (früher ist nicht möglich). Format: JJJJ</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Kein gültiges Jahr...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Bitte geben Sie einen Monat ein. Standard ist 1 (gültig: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Kein gültiger Monat...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Bitte geben Sie einen Tag ein. Standard ist 1 (gültig: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Kein gültiger Tag...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Bitte geben Sie eine Stunde ein. Standard ist 0 (nur 24-Stunden-Format, gültig: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Keine gültige Stunde...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Bitte geben Sie eine Minute ein. Standard ist 0 (gültig: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Keine gültige Minute...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Bitte geben Sie eine Sekunde ein. Standard ist 0 (gültig: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Keine gültige Sekunde...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>## Bilder bereinigt!</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Fehlerdetails</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Metadaten anzeigen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Hier klicken, um den Zielordner zu öffnen...</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Probleme dieses Durchlaufs anzeigen...</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Bilder dieses Durchlaufs (Doppelklick zum Vergleichen):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Bilder dieses Durchlaufs</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Jedes Bild mit dem, was aus ihm geworden ist. Strg+I, ein Doppelklick oder das Kontextmenü zeigt, was das Bereinigen aus der aktuellen Datei entfernt hat und was noch übrig ist.</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Nicht verarbeitete Bilder ausblenden</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Das nicht verarbeitete Bild anzeigen</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>%1 nicht verarbeitetes Bild anzeigen</numerusform>
            <numerusform>Die %1 nicht verarbeiteten Bilder anzeigen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Ort (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>den Aufnahmeort (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Ortsname</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>den Aufnahmeort (Ortsnamen)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Heimatzeitzone</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>die Heimatzeitzone der Kamera</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Ort (Kartenposition)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>die Position auf einer Karte</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Seriennummer des Objektivs</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>die Seriennummer des Objektivs</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Seriennummer der Kamera</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>die Seriennummer der Kamera</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Eindeutige Kennung</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>eindeutige Kennungen</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computername</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>den Namen des Computers</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Ursprünglicher Dateiname</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>den ursprünglichen Dateinamen</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>den Namen der Kamera</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Hersteller und Modell des Objektivs</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>Hersteller und Modell des Objektivs</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Hersteller und Modell der Kamera</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>Hersteller und Modell der Kamera</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Auslösungszähler</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>die Zahl der bisherigen Aufnahmen der Kamera</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Angabe zu Kamera oder Gerät</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>Details der Kamera</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Name des Besitzers</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>den Namen des Besitzers</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>eine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Kontaktdaten</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>Kontaktdaten</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Abgebildete Personen</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>die abgebildeten Personen</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Urheberrechtsvermerk</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>einen Urheberrechtsvermerk</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Name des Urhebers</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>den Namen des Urhebers</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Aufnahmedatum und -zeit</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>den Aufnahmezeitpunkt</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Änderungsdatum und -zeit</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>den Zeitpunkt der Änderung</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>Datums- und Zeitangaben</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>die verwendete Software</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>den Drucker</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Bildnummer</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>die Bildnummer</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Dokumentname</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>den Namen des Dokuments</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Sonstige Metadaten</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Kamera und Gerät</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Namen von Personen</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Datums- und Zeitangaben</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Kennungen</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>In der Auflistung wurde nichts Identifizierendes gefunden.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>Dieses Foto verrät %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>Dieses Video verrät %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Ausgelassen: ExifTool kann diesen RAW-Typ nicht schreiben</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Ausgelassen: ExifTool kann diesen Bildtyp nicht schreiben</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Der Pfad ist länger, als das System erlaubt (%1 Byte)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Kein unterstützter Bildtyp.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Unterstützte Bilder und Videos</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Ausgelassen: Dieser Videotyp wird nicht bereinigt</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Aus Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Ausgewählte Dateien entfernen</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Dateiliste leeren</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Zu bereinigende Bilder</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Noch keine Bilder. Fügen Sie sie mit den Schaltflächen links hinzu oder ziehen Sie sie hierher.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Metadaten anzeigen</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Strg+I zeigt die Metadaten des aktuellen Bildes; Entf entfernt die ausgewählten Bilder.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 Bilder</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 Bild</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Dateien werden hinzugefügt...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Keine Dateien zu verarbeiten...</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Doppelklick auf ein Bild zeigt seine Metadaten</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: keine Datei dieses Benutzers</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>BLEIBT</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>GEÄNDERT</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>berechnet</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Metadaten-Anzeige</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>&amp;Entfernte Tags anzeigen</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Metadaten-Anzeige</translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - verglichen mit dem Original - Metadaten-Anzeige</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Bereinigt: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>%1 Tags entfernt, %2 behalten, %3 hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 der behaltenen Tags kann Sie identifizieren (mit ! markiert).</numerusform>
            <numerusform>%1 der behaltenen Tags können Sie identifizieren (mit ! markiert).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Fett gedruckte Tags sind noch in der bereinigten Datei und stehen vorn; durchgestrichene Tags wurden entfernt. Dateinamen, Dateigrößen und Datumsangaben auf dem Datenträger werden nicht aufgeführt.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Identifizierende Metadaten</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Was es verrät</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tags</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>%n Wert, den ExifTool aus anderen Tags berechnet (Composite), steht am Ende und wird nicht mitgezählt: Er ist nicht in der Datei gespeichert.</numerusform>
            <numerusform>%n Werte, die ExifTool aus anderen Tags berechnet (Composite), stehen am Ende und werden nicht mitgezählt: Sie sind nicht in der Datei gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>behalten, jetzt als %1 aufgeführt</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>in den Herstellerdaten (Maker Notes) behalten, die ExifTool nicht mehr benennen kann</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>berechnet, nicht in der Datei gespeichert</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Overwrite original</source>
        <translation>Original überschreiben</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Bereinigte Bilder in diesem Ordner speichern:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Präfix voranstellen:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Suffix anhängen:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Zielordner auswählen:</translation>
    </message>
    <message>
        <source>Output mode:</source>
        <translation>Ausgabemodus:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>Die Ausgabe ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool kann die Ausgabe nicht zurücklesen.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool kann die Ausgabe nicht zurücklesen: %1</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Die Ausgabe konnte nicht zurückgelesen werden; was darin übrig ist, ist unbekannt.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Die bereinigte Rohdatei lässt sich in keinem Raw-Konverter mehr öffnen (%1); das Original bleibt erhalten.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Die bereinigte Rohdatei ergibt nicht mehr das Bild des Originals; das Original bleibt erhalten.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>Das Bild wurde kopiert, ohne etwas zu entfernen.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Probleme dieses Durchlaufs</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Was dieser Durchlauf nicht erledigen konnte, Bild für Bild. Zeigen Sie mit der Maus auf einen Namen, um seinen vollständigen Pfad zu sehen.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Der Durchlauf endete mit einem internen Fehler</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Konnten nicht bereinigt werden</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Enthalten noch identifizierende Metadaten</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Warnungen zu bereinigten Bildern</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Bei keinem Bild dieses Durchlaufs gab es ein Problem.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(Die Meldungen von ExifTool gehen weiter; hier stehen ihre ersten 4 MB.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Meldungen von ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Meldungen von ExifTool anzeigen</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Meldungen von ExifTool ausblenden</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Probleme anzeigen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Bilder werden gesucht...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nichts wurde bereinigt</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Die Einstellungsdatei %1 ist größer als 1 MB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Noch sind keine Optionen gespeichert, daher werden die Standardoptionen verwendet: bereinigte Kopien mit „%1“ im Namen neben den Originalen.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Nichts wurde bereinigt; der Durchlauf wurde angehalten</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Kein Bild zu bereinigen: Es wurde nichts ausgewählt.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>In %1 gibt es kein Bild zu bereinigen.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>In %1 und %n weiteren Element gibt es kein Bild zu bereinigen.</numerusform>
            <numerusform>In %1 und %n weiteren Elementen gibt es kein Bild zu bereinigen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Das Original von %n Bild überschreiben?</numerusform>
            <numerusform>Die Originale von %n Bildern überschreiben?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Die Originale werden überschrieben. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Nichts wurde bereinigt; die Originale sind unverändert</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>%n Bild wird bereinigt...</numerusform>
            <numerusform>%n Bilder werden bereinigt...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Mindestens eine Ausgabedatei existiert bereits! Möchten Sie vorhandene Dateien überschreiben?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Hier ist kein Programm zum Öffnen von Ordnern eingerichtet. Die bereinigten Bilder liegen in diesem Ordner:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Diese Seite künftig überspringen.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>999 Bilder werden bereinigt und als Kopie mit dem Suffix „_cleaned“ gespeichert. Entfernt werden: alle unterstützten Metadaten, APP14. Das Dateidatum wird auf ein zufälliges Datum gesetzt. Originale, deren Verarbeitung fehlschlägt, kommen in den Papierkorb.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Die Originale werden überschrieben. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Drücken Sie „Starten“, um die Bilder zu bereinigen.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Start nicht möglich</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 Original kann nicht überschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n Original kann nicht überschrieben werden: %1</numerusform>
            <numerusform>%n Originale können nicht überschrieben werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: In %2 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>In %n Ordner kann nicht geschrieben werden: %1</numerusform>
            <numerusform>In %n Ordnern kann nicht geschrieben werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Nicht genug freier Speicherplatz auf %1: etwa %2 benötigt, %3 frei.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Bilder werden verarbeitet, bitte warten...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>noch etwa %n s</numerusform>
            <numerusform>noch etwa %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>noch etwa %n min</numerusform>
            <numerusform>noch etwa %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>noch etwa %n h</numerusform>
            <numerusform>noch etwa %n h</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>Angehalten: wartet auf Ihre Antwort</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 Bild enthält noch identifizierende Metadaten.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 Bild enthält noch identifizierende Metadaten.</numerusform>
            <numerusform>%1 Bilder enthalten noch identifizierende Metadaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Bereinigt: Keine identifizierenden Metadaten mehr vorhanden.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Es sind noch identifizierende Metadaten vorhanden:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Unverändert: ExifTool konnte nichts entfernen.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Fehlgeschlagen: Es wurde keine bereinigte Datei geschrieben.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Übersprungen.</translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 RAW-Datei, die ExifTool nicht schreiben kann</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n RAW-Datei, die ExifTool nicht schreiben kann</numerusform>
            <numerusform>%n RAW-Dateien, die ExifTool nicht schreiben kann</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 Bild, das ExifTool nicht schreiben kann</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n Bild, das ExifTool nicht schreiben kann</numerusform>
            <numerusform>%n Bilder, die ExifTool nicht schreiben kann</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 Pfad, der länger ist, als das System erlaubt</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n Pfad, der länger ist, als das System erlaubt</numerusform>
            <numerusform>%n Pfade, die länger sind, als das System erlaubt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 Datei, die kein unterstütztes Bild ist</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n Datei, die kein unterstütztes Bild ist</numerusform>
            <numerusform>%n Dateien, die keine unterstützten Bilder sind</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 Datei wurde ausgelassen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n Datei wurde ausgelassen: %1.</numerusform>
            <numerusform>%n Dateien wurden ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Bereinigt</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Noch identifizierend</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Nicht bereinigt</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Ausgabe behalten</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Nicht verarbeitet</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Die Datei ist kein %1-Bild; sie sieht wie eine %2-Datei aus.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Die Datei ist kein gültiges %1-Bild.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>Das %1-Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Die Datei ist beschädigt oder nicht die Art von Bild, die ihr Name angibt.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool hatte nichts in die bereinigte Datei zurückzukopieren (keine schreibbaren Tags gesetzt).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Der Durchlauf endete mit einem internen Fehler</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Kein Bild wurde bereinigt: Der Durchlauf endete mit einem internen Fehler</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Kein Bild wurde bereinigt; der Durchlauf wurde angehalten</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Kein Bild wurde bereinigt: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Kein Bild wurde bereinigt; 1 konnte nicht bereinigt werden</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Kein Bild wurde bereinigt; %1 konnte nicht bereinigt werden</numerusform>
            <numerusform>Kein Bild wurde bereinigt; %1 konnten nicht bereinigt werden</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Kein Bild wurde bereinigt</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>Das Bild wurde bereinigt</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 Bild wurde bereinigt</numerusform>
            <numerusform>Alle %1 Bilder wurden bereinigt</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>0 von 1 Bild bereinigt</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>%1 von %2 Bild bereinigt</numerusform>
            <numerusform>%1 von %2 Bildern bereinigt</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; der Durchlauf wurde angehalten</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 enthält noch identifizierende Metadaten</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 enthält noch identifizierende Metadaten</numerusform>
            <numerusform>; %1 enthalten noch identifizierende Metadaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 konnte nicht bereinigt werden</numerusform>
            <numerusform>; %1 konnten nicht bereinigt werden</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; 1 vorhandene Ausgabe wurde behalten</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 vorhandene Ausgabe wurde behalten</numerusform>
            <numerusform>; %1 vorhandene Ausgaben wurden behalten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 Bild wurde bereinigt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 Bild wurde bereinigt.</numerusform>
            <numerusform>%1 Bilder wurden bereinigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 Bild konnte nicht bereinigt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 Bild konnte nicht bereinigt werden.</numerusform>
            <numerusform>%1 Bilder konnten nicht bereinigt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 Bild wurde vor dem Anhalten nicht mehr verarbeitet.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 Bild wurde vor dem Anhalten nicht mehr verarbeitet.</numerusform>
            <numerusform>%1 Bilder wurden vor dem Anhalten nicht mehr verarbeitet.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 vorhandene Ausgabe wurde behalten.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 vorhandene Ausgabe wurde behalten.</numerusform>
            <numerusform>%1 vorhandene Ausgaben wurden behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 Datei wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 Datei wurde ausgelassen.</numerusform>
            <numerusform>%1 Dateien wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 Video eines Typs, der nicht bereinigt wird</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n Video eines Typs, der nicht bereinigt wird</numerusform>
            <numerusform>%n Videos von Typen, die nicht bereinigt werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Zu entfernende Metadaten:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Alle unterstützten</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>Exif Thumb</source>
        <translation>Exif-Vorschau</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>ICC Profile</source>
        <translation>ICC-Profil</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>PS-Tag &amp;&amp; -Vorschau</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>APP14</source>
        <translation>APP14</translation>
    </message>
    <message>
        <source>All Other</source>
        <translation>Alle anderen</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Ausrichtung und Farbprofil behalten</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>alle unterstützten Metadaten</translation>
    </message>
    <message>
        <source>TIFF IFD0</source>
        <translation>TIFF-IFD0</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>im Handbuch</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Haftungsausschluss: Bei anderen Bildformaten als JPEG kann dieses Programm nicht garantieren, dass alle oben genannten Tags vollständig unterstützt werden. RAW-Bilder sind besonders kompliziert. Prüfen Sie die erzeugten Bilder, um sicherzugehen, dass unerwünschte Metadaten entfernt wurden. Mehr dazu steht %1.</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 Bild</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 Bild</numerusform>
            <numerusform>%1 Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Ein Präfix oder Suffix ist Teil des Dateinamens und darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 frühere Ausgabe ausgelassen)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n frühere Ausgabe ausgelassen)</numerusform>
            <numerusform>(%n frühere Ausgaben ausgelassen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Fehler: Das Video ist unvollständig (es endet innerhalb einer Box)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Fehler: Kein lesbares Video (kein Movie-Header)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>das Video konnte nach dem Remuxen nicht behalten werden</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg wurde mit Code %1 beendet</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Fehler: ffmpeg kann dieses Video nicht remuxen: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Willkommen bei Quillmark!</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Dieses Programm löscht Metadaten-Tags und Vorschaubilder aus Bilddateien. Das schützt Ihre Privatsphäre im Internet und spart außerdem Speicherplatz. Ziehen Sie Fotos oder Ordner hierher oder klicken Sie auf „Weiter“, um sie auszuwählen.</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Mehr dazu mit „quillmark --help“.</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: Die Einstellungsdatei %1 ist größer als 1 MB und wurde nicht gelesen; nichts wurde bereinigt</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Entfernt Metadaten aus Bilddateien, in einem Assistenten-Fenster.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>FOLDER ohne Rückfragen mit den gespeicherten Optionen bereinigen, dann beenden.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Bilder und Ordner, mit denen begonnen wird.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto erwartet genau einen Ordner und keine weiteren Pfade.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: Der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: kein Ordner</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Die als PATH angegebenen Bilder und Ordner mit den gespeicherten Optionen bereinigen und das Ergebnis in einem kleinen Fenster zeigen.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean und -auto können nicht zusammen verwendet werden.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Ordner für die bereinigten Bilder wählen...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Mehr dazu mit „quillmark-cli --help“.</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: kein unterstütztes Bild; übersprungen</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Zu bereinigende Bilddateien und Ordner.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Ziel der bereinigten Dateien: overwrite, folder=DIR, prefix=TEXT oder suffix=TEXT (Standard suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Was entfernt wird, als kommagetrennte Liste aus: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (Standard all).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Dateidatum der bereinigten Dateien: keep, random oder &quot;YYYY-MM-DD HH:MM:SS&quot; (Standard keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Originale von Bildern, die nicht bereinigt werden konnten, verschieben: trash oder ein Ordner.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Bereits vorhandene bereinigte Dateien ersetzen (standardmäßig bleiben sie erhalten).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Kleinere Fehler und Warnungen nicht ignorieren.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Von den Optionen ausgehen, die das Quillmark-Fenster gespeichert hat; hier angegebene Optionen gelten trotzdem.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Anzahl gleichzeitiger ExifTool-Prozesse (Standard: die Anzahl der Prozessorkerne).</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output erwartet overwrite, folder=DIR, prefix=TEXT oder suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove erwartet eine kommagetrennte Liste aus all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates erwartet keep, random oder ein Datum &quot;YYYY-MM-DD HH:MM:SS&quot; von 1980 bis 2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed erwartet trash oder einen Ordner</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>kein Zielordner angegeben</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>das Präfix oder Suffix ist leer</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nichts zu entfernen</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs erwartet eine Zahl von 1 bis 64</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>keine Bilddateien oder Ordner angegeben</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: keine unterstützten Bilder gefunden</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool wurde nicht gefunden. Installieren Sie es (Debian-Paket libimage-exiftool-perl) oder legen Sie das Programm exiftool neben quillmark-cli.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Was unabhängig von --remove erhalten bleibt, weil es das Aussehen des Bildes bestimmt und niemanden identifiziert: eine kommagetrennte Liste aus orientation und color, oder none (Standard orientation,color).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Einen JSON-Bericht über das Ergebnis jedes Bildes in FILE schreiben („-“ für die Standardausgabe; die Zusammenfassung geht dann an die Standardfehlerausgabe).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Die bereinigten Dateien nicht auf verbliebene identifizierende Metadaten prüfen (schneller).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Auch die in FILE aufgeführten Pfade bereinigen, einen pro Zeile („-“ liest die Standardeingabe).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Pfade in der Liste von --files-from enden mit NUL statt mit einem Zeilenumbruch.</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep erwartet eine kommagetrennte Liste aus orientation und color, oder none</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>das Präfix oder Suffix muss Teil eines Dateinamens sein: Es darf kein „/“ enthalten</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>nichts zu entfernen: Das Farbprofil bleibt erhalten (siehe --keep)</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: Das Farbprofil bleibt erhalten; --keep orientation oder --keep none entfernt es</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report erwartet einen Dateinamen oder „-“</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: Der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null setzt --files-from voraus</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>die Liste %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Bilder werden gesucht...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Bei der Suche nach Bildern angehalten; nichts wurde bereinigt.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: Die Einstellungsdatei %1 ist größer als 1 MB und wurde nicht gelesen</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Wer die bereinigten Dateien schreibt: auto (JPEG, PNG, WebP und GIF der eigene Schreiber von Quillmark, wo er es kann, den Rest ExifTool) oder exiftool (jede Datei ExifTool) (Standard: auto).</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine erwartet auto oder exiftool</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: Start nicht möglich: %1</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>In %1 gibt es keine Bilder zu bereinigen.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>PFAD...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Nur die Zusammenfassung ausgeben (mit --report - gar nichts); Fehler, die den Durchlauf beenden, werden trotzdem ausgegeben.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Angeben, was bereinigt würde, wohin jede Ausgabe ginge und was jedes Bild jetzt enthält; nichts schreiben.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Die identifizierenden Metadaten jeder Datei auflisten, wie es die Metadaten-Anzeige tut; nichts ändern.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run und --show können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>  %1: %2 = %3</source>
        <translation>  %1: %2 = %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Das Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Enthält nichts Identifizierendes.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Enthält: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 Bild würde bereinigt werden; nichts wurde geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 Bild würde bereinigt werden; nichts wurde geschrieben.</numerusform>
            <numerusform>%1 Bilder würden bereinigt werden; nichts wurde geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Removes metadata (Exif, GPS, thumbnails, XMP, IPTC, ICC, ...) from image files with ExifTool,
and from MOV and MP4 videos by remuxing them with ffmpeg.
Folders are walked with all their sub-folders.

Every output is checked afterwards; what identifying metadata is left is reported.

Exit status: 0 done and clean, 1 problems were reported, identifying metadata is left, an image was
left unchanged or could not be cleaned, a file named on the command line was skipped, or a file found
in a folder was left out (a video type not cleaned, a type ExifTool cannot write, a path too long);
2 bad usage or nothing to clean, 3 internal error;
stopped by SIGINT, SIGTERM or SIGHUP: 130, 143 or 129 (a second SIGINT stops at once).</source>
        <translation>Entfernt mit ExifTool Metadaten (Exif, GPS, Vorschaubilder, XMP, IPTC, ICC, ...) aus Bilddateien
und durch Remuxen mit ffmpeg aus MOV- und MP4-Videos.
Ordner werden mit allen Unterordnern durchsucht.

Jede Ausgabe wird danach geprüft; verbliebene identifizierende Metadaten werden gemeldet.

Exit-Status: 0 fertig und sauber, 1 Probleme wurden gemeldet, identifizierende Metadaten sind übrig, ein Bild
blieb unverändert oder konnte nicht bereinigt werden, eine auf der Befehlszeile genannte Datei wurde übersprungen oder
eine in einem Ordner gefundene Datei wurde ausgelassen (ein Videotyp, der nicht bereinigt wird, ein Typ, den ExifTool nicht schreiben kann, ein zu langer Pfad);
2 falscher Aufruf oder nichts zu bereinigen, 3 interner Fehler;
angehalten durch SIGINT, SIGTERM oder SIGHUP: 130, 143 oder 129 (ein zweites SIGINT hält sofort an).</translation>
    </message>
</context>
</TS>
