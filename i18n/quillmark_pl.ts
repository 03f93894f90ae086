<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Wybór katalogu</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Nie wyczyszczono: przebieg został zatrzymany</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: nie można utworzyć katalogu roboczego w %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: nie można utworzyć dziennika w %2</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Wewnętrzny błąd programu!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Przygotowywanie...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Przedrostek lub przyrostek musi być częścią nazwy pliku: nie może być pusty ani zawierać „/”.</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Czyszczenie obrazów...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>Nie znaleziono programu ExifTool. Należy go zainstalować (pakiet Debiana libimage-exiftool-perl) lub umieścić program exiftool obok programu Quillmark.</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Nie można zapisać pliku argumentów: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Maskowanie dat plików...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Sprawdzanie plików...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>Zachowano 1 istniejący plik wynikowy.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>Zachowano %n istniejący plik wynikowy.</numerusform>
            <numerusform>Zachowano %n istniejące pliki wynikowe.</numerusform>
            <numerusform>Zachowano %n istniejących plików wynikowych.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>Nie uwzględniono 1 wcześniejszego pliku wynikowego.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>Nie uwzględniono %n wcześniejszego pliku wynikowego.</numerusform>
            <numerusform>Nie uwzględniono %n wcześniejszych plików wynikowych.</numerusform>
            <numerusform>Nie uwzględniono %n wcześniejszych plików wynikowych.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>Przebieg został zatrzymany; dotychczas wyczyszczone obrazy zostają zachowane.</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Zgłoszono problemy. Szczegóły znajdują się w dzienniku.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Błąd: ExifTool zakończył działanie przed ukończeniem tego obrazu</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Błąd: wyczyszczony plik byłby uszkodzony (%1); oryginał zostaje zachowany</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Błąd: oryginał zostaje zachowany: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Nie wyczyszczono: plik jest używany przez inny przebieg lub program (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Nie uwzględniono: wcześniejszy wynik innego obrazu z tego przebiegu</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Nie uwzględniono (wcześniejszy wynik) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Błąd: ścieżka jest dłuższa, niż pozwala system (%1 bajtów)</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Błąd: nie można odczytać obrazu (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 inna nazwa tego pliku (twarde dowiązanie) nadal zawiera jego metadane</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n inna nazwa tego pliku (twarde dowiązanie) nadal zawiera jego metadane</numerusform>
            <numerusform>%n inne nazwy tego pliku (twarde dowiązania) nadal zawierają jego metadane</numerusform>
            <numerusform>%n innych nazw tego pliku (twardych dowiązań) nadal zawiera jego metadane</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Pominięto: wynik zastąpiłby sam obraz</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Pominięto: wynik zastąpiłby inny obraz z tego przebiegu</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Zapisano jako %1: inny obraz z tego przebiegu ma taką samą nazwę</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>Przetworzono %1 obraz (zaoszczędzono %2 KB)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>Przetworzono %1 obraz (zaoszczędzono %2 KB)</numerusform>
            <numerusform>Przetworzono %1 obrazy (zaoszczędzono %2 KB)</numerusform>
            <numerusform>Przetworzono %1 obrazów (zaoszczędzono %2 KB)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>Przetworzono %1 obraz</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>Przetworzono %1 obraz</numerusform>
            <numerusform>Przetworzono %1 obrazy</numerusform>
            <numerusform>Przetworzono %1 obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>w %1 sekundę (średnio %2 s)</numerusform>
            <numerusform>w %1 sekundy (średnio %2 s)</numerusform>
            <numerusform>w %1 sekund (średnio %2 s)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>zachowano istniejący wynik</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>nie podano katalogu na pliki z problemami</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>nie można utworzyć katalogu %1</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>Oryginał przeniesiono do kosza.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>Oryginał przeniesiono do %1.</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>kosz go nie przyjął</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>nie można go tam przenieść</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Nie można przenieść oryginału: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Nie można przenieść oryginału: %1.</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 plik z problemami przeniesiono do kosza.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n plik z problemami przeniesiono do kosza.</numerusform>
            <numerusform>%n pliki z problemami przeniesiono do kosza.</numerusform>
            <numerusform>%n plików z problemami przeniesiono do kosza.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 plik z problemami przeniesiono do %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n plik z problemami przeniesiono do %1.</numerusform>
            <numerusform>%n pliki z problemami przeniesiono do %1.</numerusform>
            <numerusform>%n plików z problemami przeniesiono do %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>Nie można przenieść 1 pliku z problemami do kosza; przyczynę podaje dziennik.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>Nie można przenieść %n pliku z problemami do kosza; przyczynę podaje dziennik.</numerusform>
            <numerusform>Nie można przenieść %n plików z problemami do kosza; przyczynę podaje dziennik.</numerusform>
            <numerusform>Nie można przenieść %n plików z problemami do kosza; przyczynę podaje dziennik.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>Nie można przenieść 1 pliku z problemami do %1; przyczynę podaje dziennik.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>Nie można przenieść %n pliku z problemami do %1; przyczynę podaje dziennik.</numerusform>
            <numerusform>Nie można przenieść %n plików z problemami do %1; przyczynę podaje dziennik.</numerusform>
            <numerusform>Nie można przenieść %n plików z problemami do %1; przyczynę podaje dziennik.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>katalogu</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Nie można utworzyć katalogu %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Nie można zapisywać w %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>obraz zmienił się podczas czyszczenia</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>nie można zachować właściciela i grupy pliku (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>nie można zachować listy kontroli dostępu pliku (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>nie można zachować uprawnień pliku</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>Katalog tymczasowy %1 nie może pomieścić pliku argumentów programu ExifTool; należy ustawić TMPDIR lub TEMP na inny katalog.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>w %1 sekundę (średnio %2 s)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Nie uwzględniono: pliki wideo wymagają programu ffmpeg, który nie jest zainstalowany</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Nie uwzględniono (ffmpeg nie jest zainstalowany) - %1</translation>
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
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Pomoc: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Wystąpił błąd podczas odczytu pliku...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>Obrazy do wyczyszczenia: 1 –</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 obraz zostanie wyczyszczony –</numerusform>
            <numerusform>%1 obrazy zostaną wyczyszczone –</numerusform>
            <numerusform>%1 obrazów zostanie wyczyszczonych –</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>zapis w miejscu: oryginały zostaną nadpisane.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>zapis do katalogu %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>zapis jako kopie o nazwach zaczynających się od „%1”.</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>zapis jako kopie o nazwach kończących się na „%1”.</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Usuwane: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Daty plików zostaną ustawione na %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Daty plików zostaną ustawione na losowe.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Oryginały, których nie uda się przetworzyć, trafią do kosza.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Oryginały, których nie uda się przetworzyć, zostaną przeniesione do %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Nie skonfigurowano programu do otwierania katalogów. Wyczyszczone obrazy znajdują się w tym katalogu:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Nie skonfigurowano przeglądarki internetowej. Strona domowa:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 obraz</numerusform>
            <numerusform>%1 obrazy</numerusform>
            <numerusform>%1 obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>W %1 nie znaleziono obrazów do wyczyszczenia.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>W %n katalogu nie znaleziono obrazów do wyczyszczenia: %1</numerusform>
            <numerusform>W %n katalogach nie znaleziono obrazów do wyczyszczenia: %1</numerusform>
            <numerusform>W %n katalogach nie znaleziono obrazów do wyczyszczenia: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Dodawanie plików...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Dodaj obrazy</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Nie można dodać tych plików: ich nazwy nie są poprawnym UTF-8, którego okno wyboru plików nie może przekazać. Można je dodać przyciskiem „Dodaj z katalogu” lub upuścić na listę:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Wybór katalogu z obrazami do dodania:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Brak plików do przetworzenia...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: nie można rozpocząć: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif to standard metadanych, w którym aparaty cyfrowe zapisują informacje o obrazie, miejscu, ustawieniach aparatu itp. Występuje w obrazach JPG, TIFF, PNG, MIFF i HDP, a także w wielu obrazach RAW opartych na TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Dane geolokalizacji zapisują miejsce wykonania zdjęcia. Znaczniki GPS należą do standardu Exif i są przechowywane w osobnej sekcji informacji Exif.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Miniatura Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Miniatura to pomniejszona wersja obrazu, służąca do szybkiego wyświetlenia podglądu.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Profil kolorów ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>Profile ICC występują w wielu typach plików, m.in. JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT i niektórych formatach RAW. Usunięcie tego znacznika może zmienić wygląd kolorów obrazu.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP to format metadanych promowany przez firmę Adobe. Informacje w tym formacie mogą być osadzone w wielu typach plików obrazów, m.in. JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU i MIFF, a także w formatach wideo i audio.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Starszy format metadanych, stopniowo zastępowany przez XMP. Informacje IPTC mogą być osadzone w obrazach JPG, TIFF, PNG, MIFF, PS, PDF, PSD i DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Wszystkie inne obsługiwane</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Obejmuje to komentarz JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky i MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Przedrostek</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>Tekst przedrostka jest dodawany PRZED bieżącą nazwą pliku, aby utworzyć nowy plik obrazu.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Przyrostek</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>Tekst przyrostka jest dodawany ZA bieżącą nazwą pliku, aby utworzyć nowy plik obrazu.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Znacznik i miniatura Photoshopa</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Znaczniki Photoshopa występują w plikach PSD, a także w osadzonych informacjach Photoshopa w wielu innych typach plików (np. JPEG, TIFF, PDF, PNG). Usunięcie tego znacznika usuwa również znacznik IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Usuń wszystkie obsługiwane znaczniki</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Ta opcja pozwala usunąć jak najwięcej metadanych! Z jednym wyjątkiem: Adobe APP14 nie jest usuwany, ponieważ mogłoby to zmienić wygląd obrazu.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Usuń dane TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Obrazy TIFF mogą zawierać informacje w pierwszym katalogu pliku obrazu (IFD0), oddzielnie od innych znaczników. Dotyczy to plików TIFF i typów obrazów opartych na formacie TIFF: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 i SRW.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Zamaskuj daty plików</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>Data pliku obrazu może zdradzić, kiedy obraz został wykonany lub zmieniony. Ta opcja ustawia datę utworzenia, modyfikacji i dostępu pliku na nową datę (domyślnie: 1980-2010 dla dat losowych i 1980-01-01 00:00:00 dla określonej daty). Należy pamiętać, że daty mogą się zmienić, gdy plik zostanie później zmieniony, przeniesiony, skopiowany itp.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Przenoś błędne pliki</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Jeśli wystąpił błąd i pliku nie udało się przetworzyć (co pokazuje dziennik), ta opcja pozwala przenieść oryginalny plik do katalogu lub go usunąć. Jeśli wybrano przeniesienie do katalogu, a plik o tej samej nazwie już tam istnieje, plik nie zostanie przeniesiony. Uwaga: dotyczy to tylko błędów, nie ostrzeżeń. Pliki z ostrzeżeniami są nadal przetwarzane, ale ostrzeżenia mogą być widoczne w dzienniku.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Dane geolokalizacji zapisują miejsce wykonania zdjęcia. GeoTIFF jest używany w plikach TIFF i w formatach obrazów opartych na formacie TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Ten znacznik występuje w plikach JPEG i zawiera informacje o kodowaniu. Jego usunięcie może zmienić wygląd obrazu, dlatego nie jest zalecane. Nie zawiera danych osobowych, ale wskazuje, że użyto produktu firmy Adobe.</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Zachowaj orientację i profil kolorów</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>Znacznik orientacji informuje przeglądarki, którą stroną do góry wyświetlić obraz, a profil kolorów – jakie kolory zawiera. Bez orientacji zdjęcia pionowe są wyświetlane obrócone; bez profilu kolorów barwy mogą wyglądać źle (np. na zdjęciach o szerokiej gamie kolorów z nowszych telefonów). Żadne z nich nie identyfikuje osoby, dlatego oba są zachowywane, chyba że ta opcja zostanie odznaczona.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Kliknięcie tutaj pozwala dodać obrazy; można je też przeciągnąć na listę plików po prawej.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Ten program jest przeznaczony przede wszystkim do obrazów JPEG, ale działa też z innymi formatami plików, m.in.: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD i X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Dodaj obrazy z katalogu</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Jak wyżej, ale wybiera się katalog, a program dodaje wszystkie obrazy znalezione w tym katalogu i jego podkatalogach.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Z powodu błędu w systemie Windows 7 system używa czcionek zbyt dużych dla bieżących ustawień DPI. Może to powodować zniekształcony wygląd programu Quillmark (i innych programów). Choć jest to tylko problem wizualny, zalecam jego naprawienie i otworzę teraz stronę z pomocą!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Dalej &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Wybór plików obrazów</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Należy dodać obrazy do wyczyszczenia. Następnie przycisk „Dalej &gt;” prowadzi do strony zapisu wyników.</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Opcje (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Gdzie i jak zapisać wyczyszczone pliki. Przycisk „Dalej &gt;” prowadzi do drugiej strony opcji.</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Opcje (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Wybór znaczników metadanych do usunięcia.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Rozpocznij &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Opcje (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Dodatkowe opcje i reguły przetwarzania.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Gotowe do rozpoczęcia</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Należy sprawdzić, co zrobi przebieg; przycisk „&lt; Wstecz” pozwala zmienić opcje.</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Czyszczenie obrazów</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Proszę czekać, trwa przetwarzanie obrazów...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>Kreator zakończył czyszczenie obrazów! Aby zamknąć program, należy kliknąć „Zakończ”, a aby przetworzyć kolejne pliki – „&lt; Wstecz”.</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Zatrzymać czyszczenie? Dotychczas wyczyszczone obrazy zostaną zachowane.</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Co najmniej jeden plik wynikowy już istnieje! Nadpisać istniejące pliki?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Plik ustawień %1 jest większy niż 1 MB, czyli znacznie większy, niż kiedykolwiek zajmują zapisane ustawienia, dlatego nie został odczytany. Quillmark uruchamia się z opcjami domyślnymi i pozostawia plik bez zmian; opcje z tej sesji nie zostaną zapisane.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Nie można uruchomić programu: nie podano nazwy programu.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Nie można uruchomić %1: katalog roboczy %2 nie istnieje.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>Zatrzymano %1, ponieważ program jest zamykany.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>Proces %1 uległ awarii lub został zabity.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>dane obrazu nie mają znacznika końca</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>plik kończy się przed znacznikiem końca obrazu</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>segment nie zaczyna się od znacznika</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>plik kończy się wewnątrz segmentu</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>segment wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>plik kończy się przed fragmentem IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>fragment %1 wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>plik jest krótszy, niż podaje jego nagłówek RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>nagłówek fragmentu wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>plik kończy się wewnątrz nagłówka</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>plik kończy się przed znacznikiem końca GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>plik kończy się wewnątrz deskryptora obrazu</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>plik kończy się wewnątrz bloku rozszerzenia</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>nieznany typ bloku</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>blok wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>nie można odczytać wyniku</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>Dodatkowe opcje</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Maskowanie dat plików</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Ustaw nową datę:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Wygeneruj losową datę</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Nowa data pliku</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(zmień)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Ignoruj drobne błędy i ostrzeżenia</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Jeśli przetwarzanie się nie powiedzie, przenieś oryginalny plik do:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Kosz</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Katalog:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Katalog na pliki z problemami</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Wybór katalogu docelowego:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>Proces %1 nieoczekiwanie się zakończył.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Ustawienie daty</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Ustawienie godziny</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Należy podać rok. Domyślnie 1980 (wcześniejszy nie jest możliwy). Format: RRRR</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Nieprawidłowy rok...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Należy podać miesiąc. Domyślnie 1 (poprawne: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Nieprawidłowy miesiąc...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Należy podać dzień. Domyślnie 1 (poprawne: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Nieprawidłowy dzień...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Należy podać godzinę. Domyślnie 0 (tylko format 24-godzinny, poprawne: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Nieprawidłowa godzina...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Należy podać minutę. Domyślnie 0 (poprawne: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Nieprawidłowa minuta...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Należy podać sekundę. Domyślnie 0 (poprawne: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Nieprawidłowa sekunda...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>Wyczyszczone obrazy: ##!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Pokaż problemy tego przebiegu...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Szczegóły błędów</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Obrazy tego przebiegu (dwukrotne kliknięcie porównuje):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Obrazy tego przebiegu</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Każdy obraz wraz z tym, co się z nim stało. Ctrl+I, dwukrotne kliknięcie lub menu kontekstowe pokazuje, co czyszczenie usunęło z bieżącego pliku i co w nim pozostało.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Pokaż metadane</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Kliknięcie tutaj otwiera katalog docelowy...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Ukryj nieprzetworzone obrazy</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Pokaż nieprzetworzony obraz</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Pokaż %1 nieprzetworzony obraz</numerusform>
            <numerusform>Pokaż %1 nieprzetworzone obrazy</numerusform>
            <numerusform>Pokaż %1 nieprzetworzonych obrazów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Położenie (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>miejsce wykonania (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nazwa miejsca</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>miejsce wykonania (nazwy miejsc)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Macierzysta strefa czasowa</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>macierzystą strefę czasową aparatu</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Położenie (pozycja na mapie)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>położenie na mapie</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Numer seryjny obiektywu</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>numer seryjny obiektywu</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Numer seryjny aparatu</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>numer seryjny aparatu</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Unikalny identyfikator</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>unikalne identyfikatory</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nazwa komputera</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>nazwę komputera</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Pierwotna nazwa pliku</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>pierwotną nazwę pliku</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nazwa aparatu</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>nazwę aparatu</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Producent i model obiektywu</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>producenta i model obiektywu</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Producent i model aparatu</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>producenta i model aparatu</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Licznik zdjęć</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>liczbę zdjęć wykonanych aparatem</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Szczegół aparatu lub urządzenia</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>szczegóły aparatu</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Nazwisko właściciela</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>nazwisko właściciela</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>adres e-mail</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Dane kontaktowe</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>dane kontaktowe</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Widoczne osoby</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>kto jest na zdjęciu</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Informacja o prawach autorskich</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>informację o prawach autorskich</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Nazwisko autora</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>nazwisko autora</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Data i godzina wykonania</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>kiedy zostało wykonane</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Data i godzina zmiany</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>kiedy zostało zmienione</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>daty i godziny</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>użyte oprogramowanie</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>drukarkę</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Numer zdjęcia</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>numer zdjęcia</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Nazwa dokumentu</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>nazwę dokumentu</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Inne metadane</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Aparat i urządzenie</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Imiona i nazwiska osób</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Daty i godziny</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Identyfikatory</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>W wykazie nie znaleziono niczego, co identyfikuje.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>To zdjęcie ujawnia %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>To wideo ujawnia %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Nie uwzględniono: ExifTool nie potrafi zapisywać tego typu RAW</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Nie uwzględniono: ExifTool nie potrafi zapisywać tego typu obrazu</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Ścieżka jest dłuższa, niż pozwala system (%1 bajtów)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Nieobsługiwany typ obrazu.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Obsługiwane obrazy i pliki wideo</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Nie uwzględniono: ten typ pliku wideo nie jest czyszczony</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Dodaj obrazy</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Dodaj z katalogu</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Usuń zaznaczone pliki</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Wyczyść listę plików</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Obrazy do wyczyszczenia</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Brak obrazów. Można je dodać przyciskami po lewej lub upuścić tutaj.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Pokaż metadane</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Dwukrotne kliknięcie obrazu pokazuje jego metadane</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I pokazuje metadane bieżącego obrazu; Delete usuwa zaznaczone obrazy z listy.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 obrazów</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 obrazów</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Dodawanie plików...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Brak plików do przetworzenia...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: plik nie należy do tego użytkownika</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>usunięto</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>ZACHOWANO</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>ZMIENIONO</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>DODANO</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>obliczono</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Przeglądarka metadanych</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadane</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Wyszukiwanie:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Następny</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Poprzedni</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Pokaż &amp;usunięte znaczniki</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Przeglądarka metadanych</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Metadane identyfikujące</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Co ujawnia</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n znacznik</numerusform>
            <numerusform>%n znaczniki</numerusform>
            <numerusform>%n znaczników</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - w porównaniu z oryginałem - Przeglądarka metadanych</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Oryginał: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Wyczyszczony: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>Znaczniki usunięte: %1, zachowane: %2, dodane: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 z zachowanych znaczników może identyfikować użytkownika (oznaczony !).</numerusform>
            <numerusform>%1 z zachowanych znaczników mogą identyfikować użytkownika (oznaczone !).</numerusform>
            <numerusform>%1 z zachowanych znaczników może identyfikować użytkownika (oznaczone !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Znaczniki pogrubione pozostały w wyczyszczonym pliku i są na początku; przekreślone zostały usunięte. Nazwy plików, rozmiary i daty na dysku są pomijane.</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>%n wartość, którą ExifTool oblicza z innych znaczników (Composite), jest na końcu i nie wlicza się jej: nie jest zapisana w pliku.</numerusform>
            <numerusform>%n wartości, które ExifTool oblicza z innych znaczników (Composite), są na końcu i nie wlicza się ich: nie są zapisane w pliku.</numerusform>
            <numerusform>%n wartości, które ExifTool oblicza z innych znaczników (Composite), jest na końcu i nie wlicza się ich: nie są zapisane w pliku.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>zachowany, teraz wymieniony jako %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>zachowano w danych producenta (maker notes), których ExifTool nie potrafi już nazwać</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>wartość obliczona, niezapisana w pliku</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>Tryb zapisu:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>Nadpisz oryginał</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Zapisz wyczyszczone obrazy w tym katalogu:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Dodaj przedrostek:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Dodaj przyrostek:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Katalog docelowy</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Przedrostek</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Przyrostek</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Wybór katalogu docelowego:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>Wynik jest uszkodzony: %1.</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Nie można było odczytać wyniku, więc nie wiadomo, co w nim pozostało.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool nie może odczytać wyniku.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool nie może odczytać wyniku: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Wyczyszczonego pliku RAW nie da się już otworzyć w konwerterze RAW (%1); oryginał zostaje zachowany.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Wyczyszczony plik RAW nie daje już obrazu oryginału; oryginał zostaje zachowany.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>Obraz skopiowano bez usuwania czegokolwiek.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Problemy tego przebiegu</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Czego ten przebieg nie zdołał zrobić, obraz po obrazie. Po wskazaniu nazwy kursorem widać pełną ścieżkę.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Przebieg zakończył się błędem wewnętrznym</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Nie udało się wyczyścić</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Nadal zawierają metadane identyfikujące</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Ostrzeżenia dotyczące wyczyszczonych obrazów</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Żaden obraz w tym przebiegu nie miał problemu.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(Komunikaty programu ExifTool są dłuższe; tutaj widać pierwsze 4 MB.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Komunikaty programu ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Pokaż komunikaty programu ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Ukryj komunikaty programu ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Usuń metadane</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Pokaż problemy</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otwórz katalog</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Wyszukiwanie obrazów...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Niczego nie wyczyszczono</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Plik ustawień %1 jest większy niż 1 MB i nie został odczytany.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Nie zapisano jeszcze żadnych opcji, dlatego używane są opcje domyślne: wyczyszczone kopie z przyrostkiem „%1” w nazwie, obok oryginałów.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Niczego nie wyczyszczono; przebieg został zatrzymany</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Brak obrazów do wyczyszczenia: niczego nie zaznaczono.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>Brak obrazów do wyczyszczenia w %1.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>Brak obrazów do wyczyszczenia w %1 i %n innym elemencie.</numerusform>
            <numerusform>Brak obrazów do wyczyszczenia w %1 i %n innych elementach.</numerusform>
            <numerusform>Brak obrazów do wyczyszczenia w %1 i %n innych elementach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Nadpisać oryginał %n obrazu?</numerusform>
            <numerusform>Nadpisać oryginały %n obrazów?</numerusform>
            <numerusform>Nadpisać oryginały %n obrazów?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Oryginały zostaną nadpisane. Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Niczego nie wyczyszczono; oryginały pozostały bez zmian</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Czyszczenie %n obrazu...</numerusform>
            <numerusform>Czyszczenie %n obrazów...</numerusform>
            <numerusform>Czyszczenie %n obrazów...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Co najmniej jeden plik wynikowy już istnieje! Nadpisać istniejące pliki?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Nie skonfigurowano programu do otwierania katalogów. Wyczyszczone obrazy znajdują się w tym katalogu:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Gotowe do rozpoczęcia</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Aby wyczyścić obrazy, należy kliknąć „Rozpocznij &gt;”.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Pomijaj tę stronę w przyszłości.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>Obrazy do wyczyszczenia: 999 – zapis jako kopie o nazwach kończących się na „_cleaned”. Usuwane: wszystkie obsługiwane metadane, APP14. Daty plików zostaną ustawione na losowe. Oryginały, których nie uda się przetworzyć, trafią do kosza.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Oryginały zostaną nadpisane. Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Nie można rozpocząć</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>Nie można nadpisać 1 oryginału: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>Nie można nadpisać %n oryginału: %1</numerusform>
            <numerusform>Nie można nadpisać %n oryginałów: %1</numerusform>
            <numerusform>Nie można nadpisać %n oryginałów: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Nie można utworzyć katalogu %1: %2 jest plikiem, a nie katalogiem.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>Nie można utworzyć katalogu %1: brak możliwości zapisu w %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Nie można zapisywać w katalogu %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>Nie można zapisywać w %n katalogu: %1</numerusform>
            <numerusform>Nie można zapisywać w %n katalogach: %1</numerusform>
            <numerusform>Nie można zapisywać w %n katalogach: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Za mało wolnego miejsca w %1: potrzeba około %2, wolne %3.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Przetwarzanie obrazów, proszę czekać...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Praca w toku</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>pozostało około %n s</numerusform>
            <numerusform>pozostało około %n s</numerusform>
            <numerusform>pozostało około %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>pozostało około %n min</numerusform>
            <numerusform>pozostało około %n min</numerusform>
            <numerusform>pozostało około %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>pozostało około %n h</numerusform>
            <numerusform>pozostało około %n h</numerusform>
            <numerusform>pozostało około %n h</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>Wstrzymano: oczekiwanie na odpowiedź</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 obraz nadal zawiera metadane identyfikujące.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 obraz nadal zawiera metadane identyfikujące.</numerusform>
            <numerusform>%1 obrazy nadal zawierają metadane identyfikujące.</numerusform>
            <numerusform>%1 obrazów nadal zawiera metadane identyfikujące.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 plik RAW, którego ExifTool nie potrafi zapisać</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n plik RAW, którego ExifTool nie potrafi zapisać</numerusform>
            <numerusform>%n pliki RAW, których ExifTool nie potrafi zapisać</numerusform>
            <numerusform>%n plików RAW, których ExifTool nie potrafi zapisać</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 obraz, którego ExifTool nie potrafi zapisać</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n obraz, którego ExifTool nie potrafi zapisać</numerusform>
            <numerusform>%n obrazy, których ExifTool nie potrafi zapisać</numerusform>
            <numerusform>%n obrazów, których ExifTool nie potrafi zapisać</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 ścieżka dłuższa, niż pozwala system</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n ścieżka dłuższa, niż pozwala system</numerusform>
            <numerusform>%n ścieżki dłuższe, niż pozwala system</numerusform>
            <numerusform>%n ścieżek dłuższych, niż pozwala system</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 plik, który nie jest obsługiwanym obrazem</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n plik, który nie jest obsługiwanym obrazem</numerusform>
            <numerusform>%n pliki, które nie są obsługiwanymi obrazami</numerusform>
            <numerusform>%n plików, które nie są obsługiwanymi obrazami</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>Nie uwzględniono 1 pliku: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>Nie uwzględniono %n pliku: %1.</numerusform>
            <numerusform>Nie uwzględniono %n plików: %1.</numerusform>
            <numerusform>Nie uwzględniono %n plików: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Wyczyszczono: nie pozostały żadne metadane identyfikujące.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Pozostały metadane identyfikujące:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Bez zmian: ExifTool nie zdołał niczego usunąć.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Niepowodzenie: nie zapisano wyczyszczonego pliku.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Pominięto.</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Wyczyszczono</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Nadal identyfikuje</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Nie wyczyszczono</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Nie uwzględniono</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Zachowano wynik</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Nieprzetworzony</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Plik nie jest obrazem %1; wygląda na plik %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Plik nie jest poprawnym obrazem %1.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>Obraz %1 jest uszkodzony.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Plik jest uszkodzony lub nie jest obrazem takiego typu, jaki wskazuje jego nazwa.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool nie miał czego skopiować z powrotem do wyczyszczonego pliku (nie ustawiono zapisywalnych znaczników).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Przebieg zakończył się błędem wewnętrznym</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Nie wyczyszczono żadnego obrazu: przebieg zakończył się błędem wewnętrznym</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Nie wyczyszczono żadnego obrazu; przebieg został zatrzymany</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Nie wyczyszczono żadnego obrazu: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Nie wyczyszczono żadnego obrazu; nie udało się wyczyścić 1</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Nie wyczyszczono żadnego obrazu; nie udało się wyczyścić %1</numerusform>
            <numerusform>Nie wyczyszczono żadnego obrazu; nie udało się wyczyścić %1</numerusform>
            <numerusform>Nie wyczyszczono żadnego obrazu; nie udało się wyczyścić %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Nie wyczyszczono żadnego obrazu</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>Obraz został wyczyszczony</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>Wyczyszczono %1 obraz</numerusform>
            <numerusform>Wyczyszczono wszystkie %1 obrazy</numerusform>
            <numerusform>Wyczyszczono wszystkie %1 obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>Wyczyszczono 0 z 1 obrazu</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>Wyczyszczono %1 z %2 obrazu</numerusform>
            <numerusform>Wyczyszczono %1 z %2 obrazów</numerusform>
            <numerusform>Wyczyszczono %1 z %2 obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; przebieg został zatrzymany</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 nadal zawiera metadane identyfikujące</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 nadal zawiera metadane identyfikujące</numerusform>
            <numerusform>; %1 nadal zawierają metadane identyfikujące</numerusform>
            <numerusform>; %1 nadal zawiera metadane identyfikujące</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; nie udało się wyczyścić %1</numerusform>
            <numerusform>; nie udało się wyczyścić %1</numerusform>
            <numerusform>; nie udało się wyczyścić %1</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; zachowano 1 istniejący plik wynikowy</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; zachowano %1 istniejący plik wynikowy</numerusform>
            <numerusform>; zachowano %1 istniejące pliki wynikowe</numerusform>
            <numerusform>; zachowano %1 istniejących plików wynikowych</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>Wyczyszczono 1 obraz.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>Wyczyszczono %1 obraz.</numerusform>
            <numerusform>Wyczyszczono %1 obrazy.</numerusform>
            <numerusform>Wyczyszczono %1 obrazów.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>Nie udało się wyczyścić 1 obrazu.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>Nie udało się wyczyścić %1 obrazu.</numerusform>
            <numerusform>Nie udało się wyczyścić %1 obrazów.</numerusform>
            <numerusform>Nie udało się wyczyścić %1 obrazów.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 obraz nie został przetworzony przed zatrzymaniem.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 obraz nie został przetworzony przed zatrzymaniem.</numerusform>
            <numerusform>%1 obrazy nie zostały przetworzone przed zatrzymaniem.</numerusform>
            <numerusform>%1 obrazów nie zostało przetworzonych przed zatrzymaniem.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>Zachowano 1 istniejący plik wynikowy.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>Zachowano %1 istniejący plik wynikowy.</numerusform>
            <numerusform>Zachowano %1 istniejące pliki wynikowe.</numerusform>
            <numerusform>Zachowano %1 istniejących plików wynikowych.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>Nie uwzględniono 1 pliku.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>Nie uwzględniono %1 pliku.</numerusform>
            <numerusform>Nie uwzględniono %1 plików.</numerusform>
            <numerusform>Nie uwzględniono %1 plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 plik wideo typu, który nie jest czyszczony</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n plik wideo typu, który nie jest czyszczony</numerusform>
            <numerusform>%n pliki wideo typów, które nie są czyszczone</numerusform>
            <numerusform>%n plików wideo typów, które nie są czyszczone</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Metadane do usunięcia:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Wszystkie obsługiwane</translation>
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
        <translation>Miniatura Exif</translation>
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
        <translation>Profil ICC</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>Znacznik &amp;&amp; miniatura PS</translation>
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
        <translation>Wszystkie inne</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Zachowaj orientację i profil kolorów</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>podręcznik</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Zastrzeżenie: ten program nie może zagwarantować pełnej obsługi wszystkich powyższych znaczników w formatach obrazów innych niż JPEG. Obrazy RAW są szczególnie skomplikowane. Należy sprawdzić utworzone obrazy, aby upewnić się, że niepożądane metadane zostały usunięte. Więcej informacji zawiera %1.</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>wszystkie obsługiwane metadane</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 obraz</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 obraz</numerusform>
            <numerusform>%1 obrazy</numerusform>
            <numerusform>%1 obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(nie uwzględniono 1 wcześniejszego pliku wynikowego)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(nie uwzględniono %n wcześniejszego pliku wynikowego)</numerusform>
            <numerusform>(nie uwzględniono %n wcześniejszych plików wynikowych)</numerusform>
            <numerusform>(nie uwzględniono %n wcześniejszych plików wynikowych)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Przedrostek lub przyrostek jest częścią nazwy pliku i nie może zawierać „/”.</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Błąd: plik wideo jest niekompletny (kończy się wewnątrz atomu)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Błąd: to nie jest czytelny plik wideo (brak nagłówka filmu)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>nie udało się zachować przepakowanego pliku wideo</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg zakończył działanie z kodem %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Błąd: ffmpeg nie potrafi przepakować tego pliku wideo: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Witamy w programie Quillmark!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Ten program usuwa znaczniki metadanych i miniatury z plików obrazów. Pomaga to chronić prywatność w internecie, a także oszczędza miejsce na dysku. Zdjęcia lub katalogi można upuścić tutaj albo wybrać je po kliknięciu „Dalej &gt;”.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Strona domowa:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Więcej informacji: „quillmark --help”.</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: plik ustawień %1 jest większy niż 1 MB i nie został odczytany; niczego nie wyczyszczono</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Usuwa metadane z plików obrazów w oknie kreatora.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Czyści FOLDER bez udziału użytkownika z zapisanymi opcjami, a następnie kończy działanie.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Obrazy i katalogi, od których należy zacząć.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto przyjmuje dokładnie jeden katalog i żadnych innych ścieżek.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: nie można odczytać katalogu</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: nie ma takiego katalogu</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: to nie jest katalog</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Czyści obrazy i katalogi podane jako PATH z zapisanymi opcjami, pokazując wynik w małym oknie.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean i -auto nie mogą być używane razem.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Wybór katalogu na wyczyszczone obrazy...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: nie można zapisać raportu %1: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Wyszukiwanie obrazów...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Zatrzymano podczas wyszukiwania obrazów; niczego nie wyczyszczono.</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: nie znaleziono obsługiwanych obrazów</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: nie znaleziono programu ExifTool. Należy go zainstalować (pakiet Debiana libimage-exiftool-perl) lub umieścić program exiftool obok quillmark-cli.</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: nie można rozpocząć: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Dziennik: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Więcej informacji: „quillmark-cli --help”.</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Pliki obrazów i katalogi do wyczyszczenia.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Dokąd trafiają wyczyszczone pliki: overwrite, folder=DIR, prefix=TEXT lub suffix=TEXT (domyślnie suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Co usunąć – lista rozdzielona przecinkami z: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (domyślnie all).</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Co zostaje zachowane niezależnie od --remove, bo wpływa na wygląd obrazu i nikogo nie identyfikuje: lista rozdzielona przecinkami z orientation i color albo none (domyślnie orientation,color).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Daty wyczyszczonych plików: keep, random lub &quot;YYYY-MM-DD HH:MM:SS&quot; (domyślnie keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Przenosi oryginały obrazów, których nie udało się wyczyścić: trash lub katalog.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Zastępuje wyczyszczone pliki, które już istnieją (domyślnie są zachowywane).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Nie ignoruje drobnych błędów i ostrzeżeń.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Zaczyna od opcji zapisanych przez okno programu Quillmark; opcje podane tutaj nadal obowiązują.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Liczba jednoczesnych procesów ExifTool (domyślnie: liczba rdzeni).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Zapisuje raport JSON z wynikiem każdego obrazu do FILE („-” oznacza standardowe wyjście; podsumowanie trafia wtedy na standardowe wyjście błędów).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Nie sprawdza wyczyszczonych plików pod kątem pozostałych metadanych identyfikujących (szybciej).</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Kto zapisuje wyczyszczone pliki: auto (JPEG, PNG, WebP i GIF zapisuje własny moduł programu Quillmark, gdy to możliwe, resztę ExifTool) lub exiftool (każdy plik zapisuje ExifTool) (domyślnie auto).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Czyści także ścieżki wymienione w FILE, po jednej w wierszu („-” czyta ze standardowego wejścia).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Ścieżki na liście --files-from kończą się znakiem NUL, a nie końcem wiersza.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: plik ustawień %1 jest większy niż 1 MB i nie został odczytany</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output przyjmuje overwrite, folder=DIR, prefix=TEXT lub suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove przyjmuje listę rozdzieloną przecinkami z: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep przyjmuje listę rozdzieloną przecinkami z orientation i color albo none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates przyjmuje keep, random lub datę &quot;YYYY-MM-DD HH:MM:SS&quot; z lat 1980–2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed przyjmuje trash lub katalog</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>nie podano katalogu docelowego</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>przedrostek lub przyrostek jest pusty</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>przedrostek lub przyrostek musi być częścią nazwy pliku: nie może zawierać „/”</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>nie ma nic do usunięcia: profil kolorów zostaje zachowany (zob. --keep)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nie ma nic do usunięcia</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: profil kolorów zostaje zachowany; usuwa go --keep orientation lub --keep none</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs przyjmuje liczbę od 1 do 64</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine przyjmuje auto lub exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report przyjmuje nazwę pliku lub „-”</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null wymaga --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>nie można odczytać listy %1</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>nie podano plików obrazów ani katalogów</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: nieobsługiwany obraz; pominięto</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>Brak obrazów do wyczyszczenia w %1.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>ŚCIEŻKA...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Wypisuje tylko podsumowanie (nic przy --report -); błędy kończące przebieg są nadal wypisywane.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Pokazuje, co zostałoby wyczyszczone, dokąd trafiłby każdy wynik i co każdy obraz zawiera teraz; niczego nie zapisuje.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Wyświetla metadane identyfikujące zawarte w każdym pliku, tak jak Przeglądarka metadanych; niczego nie zmienia.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run i --show nie mogą być używane razem</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: nie można odczytać: %2</translation>
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
        <translation>Nie można go odczytać: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Nie zawiera niczego identyfikującego.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Zawiera: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 obraz zostałby wyczyszczony; niczego nie zapisano.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 obraz zostałby wyczyszczony; niczego nie zapisano.</numerusform>
            <numerusform>%1 obrazy zostałyby wyczyszczone; niczego nie zapisano.</numerusform>
            <numerusform>%1 obrazów zostałoby wyczyszczonych; niczego nie zapisano.</numerusform>
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
        <translation>Usuwa metadane (Exif, GPS, miniatury, XMP, IPTC, ICC, ...) z plików obrazów za pomocą programu ExifTool
oraz z plików wideo MOV i MP4 przez ich przepakowanie programem ffmpeg.
Katalogi są przeszukiwane wraz ze wszystkimi podkatalogami.

Każdy wynik jest potem sprawdzany; zgłaszane są pozostałe metadane identyfikujące.

Kod wyjścia: 0 gotowe i czyste, 1 zgłoszono problemy, pozostały metadane identyfikujące, obraz
pozostał bez zmian lub nie dało się go wyczyścić, pominięto plik podany w wierszu poleceń lub nie uwzględniono
pliku znalezionego w katalogu (nieczyszczonego typu wideo, typu, którego ExifTool nie potrafi zapisać, zbyt długiej ścieżki);
2 błędne użycie lub nic do wyczyszczenia, 3 błąd wewnętrzny;
zatrzymanie przez SIGINT, SIGTERM lub SIGHUP: 130, 143 lub 129 (drugi SIGINT zatrzymuje natychmiast).</translation>
    </message>
</context>
</TS>
