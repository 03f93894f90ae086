<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Een map kiezen</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Niet opgeschoond: de verwerking is gestopt</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: kan geen werkmap aanmaken in %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: kan het logboek niet aanmaken in %2</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Interne programmafout!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Voorbereiden...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Een voorvoegsel of achtervoegsel moet deel van een bestandsnaam zijn: het mag niet leeg zijn en geen ‘/’ bevatten.</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Afbeeldingen opschonen...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool is niet gevonden. Installeer het (Debian-pakket libimage-exiftool-perl) of zet het programma exiftool naast Quillmark.</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Het argumentenbestand kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Bestandsdatums verhullen...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Bestanden controleren...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 bestaande uitvoer is behouden.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n bestaande uitvoer is behouden.</numerusform>
            <numerusform>%n bestaande uitvoerbestanden zijn behouden.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 eerdere uitvoer is overgeslagen.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n eerdere uitvoer is overgeslagen.</numerusform>
            <numerusform>%n eerdere uitvoerbestanden zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>De verwerking is gestopt; de tot nu toe opgeschoonde afbeeldingen blijven bewaard.</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Er zijn problemen gemeld. Zie het logboek voor details.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Fout: ExifTool stopte voordat het deze afbeelding had afgerond</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Fout: het opgeschoonde bestand zou beschadigd zijn (%1); het origineel blijft bewaard</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Fout: het origineel blijft bewaard: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Niet opgeschoond: in gebruik door een andere verwerking of een ander programma (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Overgeslagen: een eerdere uitvoer van een andere afbeelding in deze verwerking</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Overgeslagen (een eerdere uitvoer) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Fout: het pad is langer dan het systeem toestaat (%1 bytes)</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Fout: de afbeelding kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 andere naam van dit bestand (een harde koppeling) bevat nog de metadata</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n andere naam van dit bestand (een harde koppeling) bevat nog de metadata</numerusform>
            <numerusform>%n andere namen van dit bestand (harde koppelingen) bevatten nog de metadata</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Overgeslagen: de uitvoer zou de afbeelding zelf vervangen</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Overgeslagen: de uitvoer zou een andere afbeelding in deze verwerking vervangen</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Opgeslagen als %1: een andere afbeelding in deze verwerking heeft dezelfde naam</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 afbeelding verwerkt (%2 KB bespaard)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 afbeelding verwerkt (%2 KB bespaard)</numerusform>
            <numerusform>%1 afbeeldingen verwerkt (%2 KB bespaard)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 afbeelding verwerkt</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 afbeelding verwerkt</numerusform>
            <numerusform>%1 afbeeldingen verwerkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>in %1 seconde (gem. %2 s)</numerusform>
            <numerusform>in %1 seconden (gem. %2 s)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>bestaande uitvoer behouden</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>er is geen map voor probleembestanden opgegeven</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>Het origineel is naar de prullenbak verplaatst.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>Het origineel is naar %1 verplaatst.</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>de prullenbak heeft het geweigerd</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>het kan daar niet naartoe worden verplaatst</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Het origineel kon niet worden verplaatst: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Het origineel kon niet worden verplaatst: %1.</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 probleembestand is naar de prullenbak verplaatst.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n probleembestand is naar de prullenbak verplaatst.</numerusform>
            <numerusform>%n probleembestanden zijn naar de prullenbak verplaatst.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 probleembestand is naar %1 verplaatst.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n probleembestand is naar %1 verplaatst.</numerusform>
            <numerusform>%n probleembestanden zijn naar %1 verplaatst.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 probleembestand kon niet naar de prullenbak worden verplaatst; het logboek vermeldt waarom.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n probleembestand kon niet naar de prullenbak worden verplaatst; het logboek vermeldt waarom.</numerusform>
            <numerusform>%n probleembestanden konden niet naar de prullenbak worden verplaatst; het logboek vermeldt waarom.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 probleembestand kon niet naar %1 worden verplaatst; het logboek vermeldt waarom.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n probleembestand kon niet naar %1 worden verplaatst; het logboek vermeldt waarom.</numerusform>
            <numerusform>%n probleembestanden konden niet naar %1 worden verplaatst; het logboek vermeldt waarom.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Kan de map %1 niet aanmaken</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Kan niet schrijven in %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>de afbeelding is gewijzigd tijdens het opschonen</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>kan de eigenaar en groep van het bestand niet behouden (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>kan de toegangslijst (ACL) van het bestand niet behouden (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>kan de rechten van het bestand niet behouden</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>De tijdelijke map %1 kan het argumentenbestand van ExifTool niet bevatten; stel TMPDIR of TEMP in op een andere map.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>in %1 seconde (gem. %2 s)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Overgeslagen: video&apos;s hebben ffmpeg nodig, maar dat is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Overgeslagen (ffmpeg is niet geïnstalleerd) - %1</translation>
    </message>
</context>
<context>
    <name>CleanWizard</name>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hulp: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Er is een fout opgetreden bij het lezen van het bestand...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 afbeelding wordt opgeschoond</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 afbeelding wordt opgeschoond</numerusform>
            <numerusform>%1 afbeeldingen worden opgeschoond</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>en ter plekke overschreven: de originelen blijven niet bewaard.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>en opgeslagen in de map %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>en opgeslagen als kopieën waarvan de naam begint met ‘%1’.</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>en opgeslagen als kopieën waarvan de naam eindigt op ‘%1’.</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Verwijderd worden: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>De bestandsdatums worden op %1 gezet.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>De bestandsdatums worden op willekeurige datums gezet.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Originelen die mislukken, gaan naar de prullenbak.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Originelen die mislukken, worden naar %1 verplaatst.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Er is hier geen programma ingesteld om mappen te openen. De opgeschoonde afbeeldingen staan in deze map:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Er is hier geen webbrowser ingesteld. De website is:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 afbeelding</numerusform>
            <numerusform>%1 afbeeldingen</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>In %1 zijn geen afbeeldingen gevonden om op te schonen.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>In %n map zijn geen afbeeldingen gevonden om op te schonen: %1</numerusform>
            <numerusform>In %n mappen zijn geen afbeeldingen gevonden om op te schonen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Bestanden toevoegen...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Afbeeldingen toevoegen</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Deze bestanden konden niet worden toegevoegd: hun namen zijn geen geldige UTF-8, en het bestandsvenster kan ze niet doorgeven. Voeg ze toe met ‘Uit map toevoegen’ of sleep ze naar de lijst:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Kies een map met afbeeldingen om toe te voegen:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Geen bestanden om te verwerken...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: kan niet starten: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif is de standaard voor metadata waarmee digitale camera&apos;s informatie over de afbeelding, de locatie, de camera-instellingen enz. opslaan. Je vindt het in JPG-, TIFF-, PNG-, MIFF- en HDP-afbeeldingen en in veel op TIFF gebaseerde RAW-afbeeldingen.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Geolocatiegegevens leggen vast waar de foto is genomen. De GPS-tags horen bij de Exif-standaard en staan in een eigen sectie binnen de Exif-informatie.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Exif-miniatuur</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Een miniatuur is een verkleinde versie van de afbeelding waarmee snel een voorbeeld kan worden getoond.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>ICC-kleurprofiel</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>ICC-profielen komen voor in veel bestandstypen, waaronder JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT en sommige RAW-formaten. Als je deze tag verwijdert, kunnen de kleuren van de afbeelding veranderen.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP is een metadataformaat dat door Adobe wordt gepromoot. Informatie in dit formaat kan in veel soorten afbeeldingsbestanden zijn ingebed, waaronder JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU en MIFF, maar ook in video- en audioformaten.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Een ouder metadataformaat dat geleidelijk door XMP wordt vervangen. IPTC-informatie kan zijn ingebed in JPG-, TIFF-, PNG-, MIFF-, PS-, PDF-, PSD- en DNG-afbeeldingen.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Alle andere ondersteunde</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Hieronder vallen het JPEG-commentaar, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky en MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Voorvoegsel</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>De voorvoegseltekst wordt VÓÓR de huidige bestandsnaam gezet om een nieuw afbeeldingsbestand te maken.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Achtervoegsel</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>De achtervoegseltekst wordt ACHTER de huidige bestandsnaam gezet om een nieuw afbeeldingsbestand te maken.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Photoshop-tag en -miniatuur</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Photoshop-tags staan in PSD-bestanden, maar ook in ingebedde Photoshop-informatie in veel andere bestandstypen (zoals JPEG, TIFF, PDF en PNG). Als je deze tag verwijdert, wordt ook de IPTC-tag verwijderd.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Alle ondersteunde tags verwijderen</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Met deze optie verwijder je zo veel mogelijk metadata! Met één uitzondering: Adobe APP14 wordt niet verwijderd, omdat de afbeelding er dan anders uit kan zien.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>TIFF IFD0-gegevens verwijderen</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>TIFF-afbeeldingen kunnen informatie bevatten in de eerste afbeeldingsbestandsmap (IFD0), los van andere tags. Dit geldt voor TIFF-bestanden en voor afbeeldingstypen die op het TIFF-formaat zijn gebaseerd: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 en SRW.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Bestandsdatums verhullen</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>De datum van het afbeeldingsbestand kan verraden wanneer de afbeelding is genomen of bewerkt. Deze optie zet de aanmaak-, wijzigings- en toegangsdatum van het bestand op een nieuwe datum (standaard: 1980-2010 voor willekeurige datums en 1980-01-01 00:00:00 voor een vaste datum). Let op: de datums kunnen veranderen als het bestand later wordt bewerkt, verplaatst, gekopieerd enz.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Foutieve bestanden verplaatsen</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Als er een fout optrad en het bestand niet kon worden verwerkt (zie het logboek), kun je hiermee het originele bestand naar een map verplaatsen of het verwijderen. Als je kiest voor een map en daar al een bestand met dezelfde naam staat, wordt het bestand niet verplaatst. Let op: dit geldt alleen voor fouten, niet voor waarschuwingen. Bestanden met waarschuwingen worden gewoon verwerkt; de waarschuwingen kunnen in het logboek staan.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Geolocatiegegevens leggen vast waar de foto is genomen. GeoTIFF wordt gebruikt door TIFF-bestanden en door afbeeldingsformaten die op het TIFF-formaat zijn gebaseerd.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Deze tag komt voor in JPEG-bestanden en bevat informatie over de codering. Als je hem verwijdert, kan de afbeelding er anders uitzien; daarom wordt verwijderen afgeraden. Hij bevat geen persoonlijke gegevens, maar verraadt wel dat er een Adobe-product is gebruikt.</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Oriëntatie en kleurprofiel behouden</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>De oriëntatietag vertelt weergaveprogramma&apos;s hoe de afbeelding rechtop moet worden getoond, en het kleurprofiel vertelt welke kleuren ze bevat. Zonder oriëntatie worden staande foto&apos;s gekanteld getoond; zonder kleurprofiel kunnen kleuren verkeerd lijken (bijvoorbeeld bij de foto&apos;s met groot kleurbereik van recente telefoons). Geen van beide identificeert een persoon, dus beide blijven bewaard tenzij je deze optie uitschakelt.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Klik hier om afbeeldingen toe te voegen, of sleep ze naar de bestandslijst rechts.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Dit programma is vooral bedoeld voor JPEG-afbeeldingen, maar werkt ook met andere bestandsformaten, waaronder: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD en X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Afbeeldingen uit map toevoegen</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Als hierboven, maar je kiest een map en het programma voegt alle afbeeldingen uit deze map en de submappen toe.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Door een fout in Windows 7 gebruikt je systeem een lettertype dat te groot is voor de huidige DPI-instelling. Daardoor kunnen Quillmark (en andere programma&apos;s) vervormd worden weergegeven. Het is alleen een visueel probleem, maar ik raad je aan het op te lossen en open nu een hulppagina!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Afbeeldingsbestanden kiezen</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Voeg de afbeeldingen toe die je wilt opschonen. Klik daarna op ‘Volgende &gt;’ om naar de uitvoerpagina te gaan.</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Opties (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Kies waar en hoe de opgeschoonde bestanden worden opgeslagen. Klik op ‘Volgende &gt;’ voor de tweede pagina met opties.</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Opties (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Kies welke metadatatags je wilt verwijderen.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Starten &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Opties (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Stel extra opties en verwerkingsregels in.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Klaar om te starten</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Controleer wat de verwerking gaat doen; met ‘&lt; Terug’ wijzig je de opties.</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Afbeeldingen opschonen</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Even geduld, de afbeeldingen worden verwerkt...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>De assistent heeft de afbeeldingen opgeschoond! Klik op ‘Afsluiten’ om het programma te sluiten, of op ‘&lt; Terug’ om meer bestanden te verwerken.</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Opschonen stoppen? De tot nu toe opgeschoonde afbeeldingen blijven bewaard.</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Een of meer uitvoerbestanden bestaan al! Wil je de bestaande bestanden overschrijven?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Het instellingenbestand %1 is groter dan 1 MB, veel meer dan opgeslagen instellingen ooit innemen, en is daarom niet gelezen. Quillmark start met de standaardopties en laat het bestand ongemoeid; de opties van deze sessie worden niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Kan geen programma starten: er is geen programma opgegeven.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Kan %1 niet starten: de werkmap %2 bestaat niet.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Kan %1 niet starten: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 is gestopt omdat het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 is gecrasht of geforceerd beëindigd.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>de beeldgegevens hebben geen eindmarkering</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>het bestand eindigt vóór de markering voor het einde van de afbeelding</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>een segment begint niet met een markering</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>het bestand eindigt midden in een segment</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>een segment reikt voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>het bestand eindigt vóór de IEND-chunk</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>de %1-chunk reikt voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>het bestand is korter dan de RIFF-header aangeeft</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>een chunkheader reikt voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>het bestand eindigt midden in de header</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>het bestand eindigt vóór de GIF-trailer</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>het bestand eindigt midden in een afbeeldingsdescriptor</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>het bestand eindigt midden in een extensie</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>een onbekend bloktype</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>een blok reikt voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>de uitvoer kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>Extra opties</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Bestandsdatums verhullen</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Op nieuwe datum zetten:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Een willekeurige datum maken</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Nieuwe bestandsdatum</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(wijzigen)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Kleine fouten en waarschuwingen negeren</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Als de verwerking mislukt, origineel bestand verplaatsen naar:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Prullenbak</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Map voor probleembestanden</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Doelmap kiezen:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Kan %1 niet starten: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 is onverwacht gestopt.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Datum instellen</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Tijd instellen</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Voer een jaar in. Standaard is 1980 (eerder is niet mogelijk). Notatie: JJJJ</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Geen geldig jaar...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Voer een maand in. Standaard is 1 (geldig: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Geen geldige maand...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Voer een dag in. Standaard is 1 (geldig: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Geen geldige dag...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Voer een uur in. Standaard is 0 (alleen 24-uursnotatie, geldig: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Geen geldig uur...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Voer een minuut in. Standaard is 0 (geldig: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Geen geldige minuut...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Voer een seconde in. Standaard is 0 (geldig: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Geen geldige seconde...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>## afbeeldingen opgeschoond!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>De problemen van deze verwerking tonen...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Foutdetails</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Afbeeldingen van deze verwerking (dubbelklik om te vergelijken):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Afbeeldingen van deze verwerking</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Elke afbeelding met wat ermee is gebeurd. Ctrl+I, een dubbelklik of het contextmenu toont wat het opschonen uit het huidige bestand heeft verwijderd en wat er nog over is.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Metadata tonen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Klik hier om de doelmap te openen...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Niet verwerkte afbeeldingen verbergen</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>De niet verwerkte afbeelding tonen</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>De %1 niet verwerkte afbeelding tonen</numerusform>
            <numerusform>De %1 niet verwerkte afbeeldingen tonen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Locatie (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>waar ze is genomen (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Plaatsnaam</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>waar ze is genomen (plaatsnamen)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Thuistijdzone</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>de thuistijdzone van de camera</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Locatie (kaartpositie)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>waar ze op een kaart ligt</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Serienummer van het objectief</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>het serienummer van het objectief</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Serienummer van de camera</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>het serienummer van de camera</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Unieke identificatie</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>unieke identificaties</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computernaam</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>de naam van de computer</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Oorspronkelijke bestandsnaam</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>de oorspronkelijke bestandsnaam</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Cameranaam</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>de naam van de camera</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Merk en model van het objectief</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>het merk en model van het objectief</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Merk en model van de camera</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>het merk en model van de camera</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Aantal opnamen</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>hoeveel foto&apos;s de camera heeft gemaakt</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Gegevens van camera of apparaat</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>details van de camera</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Naam van de eigenaar</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>de naam van de eigenaar</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>een e-mailadres</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Contactgegevens</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>contactgegevens</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Afgebeelde personen</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>wie erop staat</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Copyrightvermelding</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>een copyrightvermelding</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Naam van de maker</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>de naam van de maker</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Opnamedatum en -tijd</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>wanneer ze is genomen</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Wijzigingsdatum en -tijd</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>wanneer ze is gewijzigd</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>datums en tijden</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>de gebruikte software</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>de printer</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Afbeeldingsnummer</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>het afbeeldingsnummer</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Documentnaam</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>de naam van het document</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Overige metadata</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Camera en apparaat</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Namen van personen</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Datums en tijden</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Identificaties</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>Er is niets identificerends gevonden in de lijst.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>Deze foto verraadt %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>Deze video verraadt %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Overgeslagen: ExifTool kan dit RAW-type niet schrijven</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Overgeslagen: ExifTool kan dit afbeeldingstype niet schrijven</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Het pad is langer dan het systeem toestaat (%1 bytes)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Geen ondersteund afbeeldingstype.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Ondersteunde afbeeldingen en video&apos;s</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Overgeslagen: dit videotype wordt niet opgeschoond</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Afbeeldingen toevoegen</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Uit map toevoegen</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Geselecteerde bestanden verwijderen</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>De bestandslijst leegmaken</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Op te schonen afbeeldingen</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Nog geen afbeeldingen. Voeg ze toe met de knoppen links, of sleep ze hierheen.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Metadata tonen</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Dubbelklik op een afbeelding om de metadata te bekijken</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I toont de metadata van de huidige afbeelding; Delete verwijdert de geselecteerde afbeeldingen uit de lijst.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 afbeeldingen</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 afbeeldingen</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Bestanden toevoegen...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Geen bestanden om te verwerken...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: geen bestand van deze gebruiker</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>BEHOUDEN</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>GEWIJZIGD</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>TOEGEVOEGD</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>berekend</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Metadataweergave</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadata</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Vo&amp;rige</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Verwij&amp;derde tags tonen</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Metadataweergave</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Identificerende metadata</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Wat het verraadt</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n tag</numerusform>
            <numerusform>%n tags</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - vergeleken met het origineel - Metadataweergave</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Origineel: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Opgeschoond: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>%1 tags verwijderd, %2 behouden, %3 toegevoegd.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 van de behouden tags kan je identificeren (gemarkeerd met !).</numerusform>
            <numerusform>%1 van de behouden tags kunnen je identificeren (gemarkeerd met !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Vetgedrukte tags staan nog in het opgeschoonde bestand en komen eerst; doorgehaalde tags zijn verwijderd. Bestandsnamen, -groottes en -datums op de schijf worden niet vermeld.</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>De %n waarde die ExifTool uit andere tags berekent (Composite), staat onderaan en telt niet mee: ze is niet in het bestand opgeslagen.</numerusform>
            <numerusform>De %n waarden die ExifTool uit andere tags berekent (Composite), staan onderaan en tellen niet mee: ze zijn niet in het bestand opgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>behouden, nu vermeld als %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>behouden in de fabrikantgegevens (maker notes), die ExifTool niet meer kan benoemen</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>berekend, niet in het bestand opgeslagen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Niet gevonden</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>Uitvoermodus:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>Origineel overschrijven</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Opgeschoonde afbeeldingen in deze map opslaan:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Voorvoegsel toevoegen:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Achtervoegsel toevoegen:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Voorvoegsel</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Achtervoegsel</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Doelmap kiezen:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>De uitvoer is beschadigd: %1.</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>De uitvoer kon niet worden teruggelezen; wat er nog in staat, is onbekend.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool kan de uitvoer niet teruglezen.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool kan de uitvoer niet teruglezen: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Het opgeschoonde RAW-bestand opent niet meer in een RAW-converter (%1); het origineel blijft bewaard.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Het opgeschoonde RAW-bestand geeft niet meer het beeld van het origineel; het origineel blijft bewaard.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>De afbeelding is gekopieerd zonder iets te verwijderen.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Problemen van deze verwerking</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Wat deze verwerking niet kon doen, afbeelding voor afbeelding. Houd de muis boven een naam om het volledige pad te zien.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>De verwerking is geëindigd door een interne fout</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Konden niet worden opgeschoond</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Bevatten nog identificerende metadata</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Waarschuwingen over opgeschoonde afbeeldingen</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Geen enkele afbeelding van deze verwerking had een probleem.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(De meldingen van ExifTool gaan verder; hier staan de eerste 4 MB.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Meldingen van ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Meldingen van ExifTool tonen</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Meldingen van ExifTool verbergen</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Metadata verwijderen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Problemen tonen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Afbeeldingen zoeken...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Er is niets opgeschoond</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Het instellingenbestand %1 is groter dan 1 MB en is niet gelezen.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Er zijn nog geen opties opgeslagen, dus worden de standaardopties gebruikt: opgeschoonde kopieën met ‘%1’ in de naam naast de originelen.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Er is niets opgeschoond; de verwerking is gestopt</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Geen afbeelding om op te schonen: er is niets geselecteerd.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>Geen afbeelding om op te schonen in %1.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>Geen afbeelding om op te schonen in %1 en %n ander item.</numerusform>
            <numerusform>Geen afbeelding om op te schonen in %1 en %n andere items.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Het origineel van %n afbeelding overschrijven?</numerusform>
            <numerusform>De originelen van %n afbeeldingen overschrijven?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>De originelen worden overschreven. Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Er is niets opgeschoond; de originelen zijn ongewijzigd</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>%n afbeelding opschonen...</numerusform>
            <numerusform>%n afbeeldingen opschonen...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Een of meer uitvoerbestanden bestaan al! Wil je de bestaande bestanden overschrijven?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Er is hier geen programma ingesteld om mappen te openen. De opgeschoonde afbeeldingen staan in deze map:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Klaar om te starten</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Klik op ‘Starten &gt;’ om de afbeeldingen op te schonen.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Deze pagina voortaan overslaan.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>999 afbeeldingen worden opgeschoond en opgeslagen als kopieën waarvan de naam eindigt op ‘_cleaned’. Verwijderd worden: alle ondersteunde metadata, APP14. De bestandsdatums worden op willekeurige datums gezet. Originelen die mislukken, gaan naar de prullenbak.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>De originelen worden overschreven. Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Kan niet starten</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 origineel kan niet worden overschreven: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n origineel kan niet worden overschreven: %1</numerusform>
            <numerusform>%n originelen kunnen niet worden overschreven: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>De map %1 kan niet worden aangemaakt: %2 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>De map %1 kan niet worden aangemaakt: in %2 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In de map %1 kan niet worden geschreven.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>In %n map kan niet worden geschreven: %1</numerusform>
            <numerusform>In %n mappen kan niet worden geschreven: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Niet genoeg vrije ruimte op %1: ongeveer %2 nodig, %3 vrij.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Afbeeldingen worden verwerkt, even geduld...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Bezig</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>nog ongeveer %n s</numerusform>
            <numerusform>nog ongeveer %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>nog ongeveer %n min</numerusform>
            <numerusform>nog ongeveer %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>nog ongeveer %n u</numerusform>
            <numerusform>nog ongeveer %n u</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>Gepauzeerd: wacht op je antwoord</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 afbeelding bevat nog identificerende metadata.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 afbeelding bevat nog identificerende metadata.</numerusform>
            <numerusform>%1 afbeeldingen bevatten nog identificerende metadata.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 RAW-bestand dat ExifTool niet kan schrijven</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n RAW-bestand dat ExifTool niet kan schrijven</numerusform>
            <numerusform>%n RAW-bestanden die ExifTool niet kan schrijven</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 afbeelding die ExifTool niet kan schrijven</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n afbeelding die ExifTool niet kan schrijven</numerusform>
            <numerusform>%n afbeeldingen die ExifTool niet kan schrijven</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 pad dat langer is dan het systeem toestaat</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n pad dat langer is dan het systeem toestaat</numerusform>
            <numerusform>%n paden die langer zijn dan het systeem toestaat</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 bestand dat geen ondersteunde afbeelding is</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n bestand dat geen ondersteunde afbeelding is</numerusform>
            <numerusform>%n bestanden die geen ondersteunde afbeeldingen zijn</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 bestand is overgeslagen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n bestand is overgeslagen: %1.</numerusform>
            <numerusform>%n bestanden zijn overgeslagen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Opgeschoond: geen identificerende metadata meer over.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Er is nog identificerende metadata over:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Ongewijzigd: ExifTool kon niets verwijderen.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Mislukt: er is geen opgeschoond bestand geschreven.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Overgeslagen.</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Opgeschoond</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Nog identificerend</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Niet opgeschoond</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Uitvoer behouden</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Niet verwerkt</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Het bestand is geen %1-afbeelding; het lijkt een %2-bestand.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Het bestand is geen geldige %1-afbeelding.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>De %1-afbeelding is beschadigd.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Het bestand is beschadigd of is niet het soort afbeelding dat de naam aangeeft.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool had niets om terug te kopiëren naar het opgeschoonde bestand (geen schrijfbare tags ingesteld).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>De verwerking is geëindigd door een interne fout</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Geen afbeelding opgeschoond: de verwerking is geëindigd door een interne fout</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Geen afbeelding opgeschoond; de verwerking is gestopt</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Geen afbeelding opgeschoond: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Geen afbeelding opgeschoond; 1 kon niet worden opgeschoond</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Geen afbeelding opgeschoond; %1 kon niet worden opgeschoond</numerusform>
            <numerusform>Geen afbeelding opgeschoond; %1 konden niet worden opgeschoond</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Geen afbeelding opgeschoond</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>De afbeelding is opgeschoond</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 afbeelding is opgeschoond</numerusform>
            <numerusform>Alle %1 afbeeldingen zijn opgeschoond</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>0 van 1 afbeelding opgeschoond</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>%1 van %2 afbeelding opgeschoond</numerusform>
            <numerusform>%1 van %2 afbeeldingen opgeschoond</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; de verwerking is gestopt</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 bevat nog identificerende metadata</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 bevat nog identificerende metadata</numerusform>
            <numerusform>; %1 bevatten nog identificerende metadata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 kon niet worden opgeschoond</numerusform>
            <numerusform>; %1 konden niet worden opgeschoond</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; 1 bestaande uitvoer is behouden</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 bestaande uitvoer is behouden</numerusform>
            <numerusform>; %1 bestaande uitvoerbestanden zijn behouden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 afbeelding is opgeschoond.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 afbeelding is opgeschoond.</numerusform>
            <numerusform>%1 afbeeldingen zijn opgeschoond.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 afbeelding kon niet worden opgeschoond.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 afbeelding kon niet worden opgeschoond.</numerusform>
            <numerusform>%1 afbeeldingen konden niet worden opgeschoond.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 afbeelding is voor het stoppen niet meer verwerkt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 afbeelding is voor het stoppen niet meer verwerkt.</numerusform>
            <numerusform>%1 afbeeldingen zijn voor het stoppen niet meer verwerkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 bestaande uitvoer is behouden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 bestaande uitvoer is behouden.</numerusform>
            <numerusform>%1 bestaande uitvoerbestanden zijn behouden.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 bestand is overgeslagen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 bestand is overgeslagen.</numerusform>
            <numerusform>%1 bestanden zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 video van een type dat niet wordt opgeschoond</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n video van een type dat niet wordt opgeschoond</numerusform>
            <numerusform>%n video&apos;s van typen die niet worden opgeschoond</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Te verwijderen metadata:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Alle ondersteunde</translation>
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
        <translation>Exif-miniatuur</translation>
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
        <translation>ICC-profiel</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>PS-tag &amp;&amp; -miniatuur</translation>
    </message>
    <message>
        <source>TIFF IFD0</source>
        <translation>TIFF IFD0</translation>
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
        <translation>Alle andere</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Oriëntatie en kleurprofiel behouden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>de handleiding</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Disclaimer: dit programma kan bij andere afbeeldingsformaten dan JPEG niet garanderen dat alle bovenstaande tags volledig worden ondersteund. RAW-afbeeldingen zijn extra ingewikkeld. Controleer de gemaakte afbeeldingen om zeker te weten dat ongewenste metadata is verwijderd. Zie %1 voor meer informatie.</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>alle ondersteunde metadata</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 afbeelding</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 afbeelding</numerusform>
            <numerusform>%1 afbeeldingen</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 eerdere uitvoer overgeslagen)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n eerdere uitvoer overgeslagen)</numerusform>
            <numerusform>(%n eerdere uitvoerbestanden overgeslagen)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Een voorvoegsel of achtervoegsel is deel van de bestandsnaam en mag geen ‘/’ bevatten.</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Fout: de video is onvolledig (hij eindigt midden in een box)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Fout: geen leesbare video (geen movie-header)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>de geremuxte video kon niet worden bewaard</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg stopte met code %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Fout: ffmpeg kan deze video niet remuxen: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Welkom bij Quillmark!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Dit programma verwijdert metadatatags en miniaturen uit afbeeldingsbestanden. Dat beschermt je privacy online en bespaart ook schijfruimte. Sleep foto&apos;s of mappen hierheen, of klik op ‘Volgende &gt;’ om ze te kiezen.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Website:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Probeer ‘quillmark --help’.</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: het instellingenbestand %1 is groter dan 1 MB en is niet gelezen; er is niets opgeschoond</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Verwijdert metadata uit afbeeldingsbestanden, in een assistentvenster.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>FOLDER zonder tussenkomst opschonen met de opgeslagen opties en daarna afsluiten.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Afbeeldingen en mappen om mee te beginnen.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto verwacht precies één map en geen andere paden.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: de map kan niet worden gelezen</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: map bestaat niet</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: geen map</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>De als PATH opgegeven afbeeldingen en mappen opschonen met de opgeslagen opties en het resultaat in een klein venster tonen.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean en -auto kunnen niet samen worden gebruikt.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Een map kiezen voor de opgeschoonde afbeeldingen...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: kan het rapport %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Afbeeldingen zoeken...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Gestopt tijdens het zoeken naar afbeeldingen; er is niets opgeschoond.</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: geen ondersteunde afbeeldingen gevonden</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool is niet gevonden. Installeer het (Debian-pakket libimage-exiftool-perl) of zet het programma exiftool naast quillmark-cli.</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: kan niet starten: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Logboek: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Probeer ‘quillmark-cli --help’.</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Op te schonen afbeeldingsbestanden en mappen.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Waar de opgeschoonde bestanden terechtkomen: overwrite, folder=DIR, prefix=TEXT of suffix=TEXT (standaard suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Wat wordt verwijderd, een kommalijst van: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (standaard all).</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Wat behouden blijft, wat --remove ook zegt, omdat het bepaalt hoe de afbeelding eruitziet en niemand identificeert: een kommalijst van orientation en color, of none (standaard orientation,color).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Bestandsdatums van de opgeschoonde bestanden: keep, random of &quot;YYYY-MM-DD HH:MM:SS&quot; (standaard keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>De originelen van afbeeldingen die niet konden worden opgeschoond verplaatsen: trash of een map.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Opgeschoonde bestanden die al bestaan vervangen (standaard blijven ze behouden).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Kleine fouten en waarschuwingen niet negeren.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Uitgaan van de opties die het Quillmark-venster heeft opgeslagen; opties die hier worden opgegeven, gelden nog steeds.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Aantal gelijktijdige ExifTool-processen (standaard: het aantal processorkernen).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Een JSON-rapport over de uitkomst van elke afbeelding naar FILE schrijven (‘-’ voor standaarduitvoer; de samenvatting gaat dan naar standaardfout).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>De opgeschoonde bestanden niet controleren op overgebleven identificerende metadata (sneller).</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Wie de opgeschoonde bestanden schrijft: auto (JPEG, PNG, WebP en GIF door Quillmarks eigen schrijver waar dat kan, de rest door ExifTool) of exiftool (elk bestand door ExifTool) (standaard auto).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Ook de paden in FILE opschonen, één per regel (‘-’ leest standaardinvoer).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Paden in de lijst van --files-from eindigen op NUL in plaats van een regeleinde.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: het instellingenbestand %1 is groter dan 1 MB en is niet gelezen</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output verwacht overwrite, folder=DIR, prefix=TEXT of suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove verwacht een kommalijst van all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep verwacht een kommalijst van orientation en color, of none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates verwacht keep, random of een datum &quot;YYYY-MM-DD HH:MM:SS&quot; van 1980 tot 2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed verwacht trash of een map</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>geen doelmap opgegeven</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>het voorvoegsel of achtervoegsel is leeg</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>het voorvoegsel of achtervoegsel moet deel van een bestandsnaam zijn: het mag geen ‘/’ bevatten</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>niets te verwijderen: het kleurprofiel blijft behouden (zie --keep)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>niets te verwijderen</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: het kleurprofiel blijft behouden; --keep orientation of --keep none verwijdert het</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs verwacht een getal van 1 tot 64</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine verwacht auto of exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report verwacht een bestandsnaam of ‘-’</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null vereist --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>kan de lijst %1 niet lezen</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>geen afbeeldingsbestanden of mappen opgegeven</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: geen ondersteunde afbeelding; overgeslagen</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>Geen afbeeldingen om op te schonen in %1.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>PAD...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Alleen de samenvatting tonen (niets met --report -); fouten die de verwerking beëindigen, worden nog steeds getoond.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Melden wat zou worden opgeschoond, waar elke uitvoer terecht zou komen en wat elke afbeelding nu bevat; niets schrijven.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>De identificerende metadata van elk bestand tonen, zoals de metadataweergave dat doet; niets wijzigen.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run en --show kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: kan niet worden gelezen: %2</translation>
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
        <translation>De afbeelding kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Bevat niets identificerends.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Bevat: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 afbeelding zou worden opgeschoond; er is niets geschreven.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 afbeelding zou worden opgeschoond; er is niets geschreven.</numerusform>
            <numerusform>%1 afbeeldingen zouden worden opgeschoond; er is niets geschreven.</numerusform>
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
        <translation>Verwijdert met ExifTool metadata (Exif, GPS, miniaturen, XMP, IPTC, ICC, ...) uit afbeeldingsbestanden
en door remuxen met ffmpeg uit MOV- en MP4-video&apos;s.
Mappen worden met al hun submappen doorlopen.

Elke uitvoer wordt achteraf gecontroleerd; overgebleven identificerende metadata wordt gemeld.

Afsluitstatus: 0 klaar en schoon, 1 er zijn problemen gemeld, er is identificerende metadata over, een afbeelding
bleef ongewijzigd of kon niet worden opgeschoond, een op de opdrachtregel genoemd bestand is overgeslagen, of een
in een map gevonden bestand is weggelaten (een videotype dat niet wordt opgeschoond, een type dat ExifTool niet kan schrijven, een te lang pad);
2 verkeerd gebruik of niets op te schonen, 3 interne fout;
gestopt door SIGINT, SIGTERM of SIGHUP: 130, 143 of 129 (een tweede SIGINT stopt meteen).</translation>
    </message>
</context>
</TS>
