<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Seleziona una cartella</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Non ripulita: l’esecuzione è stata interrotta</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: impossibile creare una cartella di lavoro in %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: impossibile creare il registro in %2</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Errore interno del programma!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparazione...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Un prefisso o suffisso deve far parte di un nome di file: non può essere vuoto né contenere «/».</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Pulizia delle immagini...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool non è stato trovato. Installalo (pacchetto Debian libimage-exiftool-perl) o metti il programma exiftool accanto a Quillmark.</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Impossibile scrivere il file di argomenti: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Offuscamento delle date dei file...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Controllo dei file...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 risultato esistente è stato mantenuto.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n risultato esistente è stato mantenuto.</numerusform>
            <numerusform>%n risultati esistenti sono stati mantenuti.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 risultato precedente è stato escluso.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n risultato precedente è stato escluso.</numerusform>
            <numerusform>%n risultati precedenti sono stati esclusi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>L’esecuzione è stata interrotta; le immagini ripulite finora vengono mantenute.</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Sono stati segnalati dei problemi. Consulta il registro per i dettagli.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Completato!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Errore: ExifTool è terminato prima di finire questa immagine</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Errore: il file ripulito risulterebbe danneggiato (%1); l’originale viene mantenuto</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Errore: l’originale viene mantenuto: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Non ripulita: in uso da un’altra esecuzione o da un altro programma (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Esclusa: un risultato precedente di un’altra immagine di questa esecuzione</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Esclusa (un risultato precedente) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Errore: il percorso è più lungo di quanto consentito dal sistema (%1 byte)</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Errore: impossibile leggere l’immagine (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 altro nome di questo file (un collegamento fisico) contiene ancora i suoi metadati</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n altro nome di questo file (un collegamento fisico) contiene ancora i suoi metadati</numerusform>
            <numerusform>%n altri nomi di questo file (collegamenti fisici) contengono ancora i suoi metadati</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Saltata: il risultato sostituirebbe l’immagine stessa</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Saltata: il risultato sostituirebbe un’altra immagine di questa esecuzione</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Salvata come %1: un’altra immagine di questa esecuzione ha lo stesso nome</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 immagine elaborata (%2 KB risparmiati)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 immagine elaborata (%2 KB risparmiati)</numerusform>
            <numerusform>%1 immagini elaborate (%2 KB risparmiati)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 immagine elaborata</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 immagine elaborata</numerusform>
            <numerusform>%1 immagini elaborate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>in %1 secondo (media %2 s)</numerusform>
            <numerusform>in %1 secondi (media %2 s)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>risultato esistente mantenuto</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>non è stata indicata alcuna cartella per i file con problemi</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>L’originale è stato spostato nel cestino.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>L’originale è stato spostato in %1.</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>il cestino l’ha rifiutato</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>impossibile spostarlo lì</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Impossibile spostare l’originale: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Impossibile spostare l’originale: %1.</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 file con problemi è stato spostato nel cestino.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n file con problemi è stato spostato nel cestino.</numerusform>
            <numerusform>%n file con problemi sono stati spostati nel cestino.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 file con problemi è stato spostato in %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n file con problemi è stato spostato in %1.</numerusform>
            <numerusform>%n file con problemi sono stati spostati in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>Non è stato possibile spostare 1 file con problemi nel cestino; il motivo è indicato nel registro.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>Non è stato possibile spostare %n file con problemi nel cestino; il motivo è indicato nel registro.</numerusform>
            <numerusform>Non è stato possibile spostare %n file con problemi nel cestino; il motivo è indicato nel registro.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>Non è stato possibile spostare 1 file con problemi in %1; il motivo è indicato nel registro.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>Non è stato possibile spostare %n file con problemi in %1; il motivo è indicato nel registro.</numerusform>
            <numerusform>Non è stato possibile spostare %n file con problemi in %1; il motivo è indicato nel registro.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>l’immagine è cambiata durante la pulizia</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>impossibile mantenere proprietario e gruppo del file (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>impossibile mantenere l’elenco di controllo degli accessi del file (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>impossibile mantenere i permessi del file</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>La cartella temporanea %1 non può contenere il file di argomenti di ExifTool; imposta TMPDIR o TEMP su un’altra cartella.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>in %1 secondo (media %2 s)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Esclusa: i video richiedono ffmpeg, che non è installato</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Esclusa (ffmpeg non è installato) - %1</translation>
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
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aiuto: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Si è verificato un errore durante la lettura del file...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>Verrà ripulita 1 immagine</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>Verrà ripulita %1 immagine</numerusform>
            <numerusform>Verranno ripulite %1 immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>sul posto: gli originali vengono sovrascritti.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>nella cartella %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>come copie il cui nome inizia con «%1».</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>come copie il cui nome termina con «%1».</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Da rimuovere: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Le date dei file vengono impostate a %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Le date dei file vengono impostate a date casuali.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Gli originali non riusciti vanno nel cestino.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Gli originali non riusciti vengono spostati in %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Qui non è configurato alcun programma per aprire le cartelle. Le immagini ripulite si trovano in questa cartella:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Qui non è configurato alcun browser web. La pagina principale è:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 immagine</numerusform>
            <numerusform>%1 immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>Nessuna immagine da ripulire trovata in %1.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>Nessuna immagine da ripulire trovata in %n cartella: %1</numerusform>
            <numerusform>Nessuna immagine da ripulire trovata in %n cartelle: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Aggiunta dei file...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Non è stato possibile aggiungere questi file: i loro nomi non sono UTF-8 valido e la finestra di selezione dei file non può trasmetterli. Aggiungili con «Aggiungi da cartella» o trascinali nell’elenco:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Seleziona una cartella con le immagini da aggiungere:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Nessun file da elaborare...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: impossibile avviare: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif è lo standard di metadati usato dalle fotocamere digitali per memorizzare informazioni sull’immagine, sulla posizione, sulle impostazioni della fotocamera ecc. Si trova nelle immagini JPG, TIFF, PNG, MIFF e HDP e in molte immagini RAW basate su TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>I dati di geolocalizzazione memorizzano il luogo in cui è stata scattata la foto. I tag GPS fanno parte dello standard Exif e sono memorizzati in una sezione separata all’interno delle informazioni Exif.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Miniatura Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Una miniatura è una piccola rappresentazione dell’immagine che permette di mostrarne rapidamente un’anteprima.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Profilo colore ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>Le informazioni del profilo ICC sono usate in molti tipi di file, tra cui JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT e alcuni formati RAW. Rimuovere questo tag può cambiare l’aspetto dei colori dell’immagine.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP è un formato di metadati promosso da Adobe. Le informazioni in questo formato possono essere incorporate in molti tipi di file immagine, tra cui JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU e MIFF, oltre che in formati video e audio.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>È un vecchio formato di metadati che viene gradualmente sostituito da XMP. Le informazioni IPTC possono essere incorporate nelle immagini JPG, TIFF, PNG, MIFF, PS, PDF, PSD e DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Tutti gli altri supportati</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Comprende il commento JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky e MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefisso</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>Il prefisso viene aggiunto DAVANTI al nome del file attuale, per creare un nuovo file immagine.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffisso</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>Il suffisso viene aggiunto DOPO il nome del file attuale, per creare un nuovo file immagine.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Tag e miniatura Photoshop</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>I tag Photoshop si trovano nei file PSD e anche nelle informazioni Photoshop incorporate in molti altri tipi di file (JPEG, TIFF, PDF e PNG, per citarne alcuni). Rimuovere questo tag rimuove anche il tag IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Rimuovi tutti i tag supportati</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Usa questa opzione per rimuovere quanti più metadati possibile! C’è un’eccezione: Adobe APP14 non viene rimosso, perché ciò potrebbe cambiare l’aspetto dell’immagine.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Rimuovi i dati TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Le immagini TIFF possono contenere informazioni nella prima directory del file immagine (IFD0), separate dagli altri tag. Questo vale per i file TIFF e per i tipi di immagine basati sul formato TIFF: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 e SRW.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Offusca le date dei file</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>La data del file immagine può rivelare quando l’immagine è stata scattata e/o modificata. Questa opzione imposta le date di creazione, modifica e ultimo accesso del file a una nuova data (predefiniti: 1980-2010 per le date casuali e 1980-01-01 00:00:00 per la data specifica). Nota che le date possono cambiare se in seguito il file viene modificato, spostato, copiato ecc.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Sposta i file con errori</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Se si è verificato un errore e il file non è stato elaborato (come indicato nel registro), questa opzione permette di spostare il file originale in una cartella o di eliminarlo. Se scegli di spostare il file in una cartella e lì esiste già un file con lo stesso nome, il file non verrà spostato. Nota: vale solo per gli errori, non per gli avvisi. I file con avvisi vengono comunque elaborati, ma gli avvisi possono comparire nel registro.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>I dati di geolocalizzazione memorizzano il luogo in cui è stata scattata la foto. GeoTIFF è usato dai file TIFF e dai formati immagine basati sul formato TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Questo tag è presente nei file JPEG e contiene informazioni di codifica. Se viene rimosso, l’aspetto dell’immagine può cambiare; per questo motivo se ne sconsiglia la rimozione. Non contiene informazioni personali, ma indica che è stato usato un prodotto Adobe.</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Mantieni orientamento e profilo colore</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>Il tag di orientamento indica ai visualizzatori in che verso mostrare l’immagine e il profilo colore indica quali colori contiene. Senza l’orientamento, le foto verticali vengono mostrate di lato; senza il profilo colore, i colori possono apparire sbagliati (per esempio nelle foto ad ampia gamma dei telefoni recenti). Nessuno dei due identifica una persona, quindi entrambi vengono mantenuti, a meno che tu non disattivi questa opzione.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Fai clic qui per aggiungere immagini, oppure trascinale nell’elenco dei file a destra.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Questo programma è pensato soprattutto per le immagini JPEG, ma funziona anche con altri formati di file, tra cui: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD e X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Aggiungi immagini da cartella</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Come sopra, ma scegli una cartella e il programma aggiunge tutte le immagini trovate in essa e nelle sue sottocartelle.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>A causa di un bug di Windows 7, il sistema usa un set di caratteri troppo grande per le impostazioni DPI attuali. Per questo Quillmark (e altre applicazioni) possono apparire distorti. Anche se si tratta solo di un problema visivo, ti consiglio di correggerlo: ora verrà aperta una pagina di aiuto!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Scegli i file immagine</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Aggiungi le immagini che vuoi ripulire. Quando sei pronto, fai clic su «Avanti» per passare alla pagina di output.</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Opzioni (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Decidi dove e come salvare i file ripuliti. Fai clic su «Avanti» per passare alla seconda pagina di opzioni.</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Opzioni (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Scegli quali tag di metadati vuoi rimuovere.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Avvia &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Opzioni (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Imposta opzioni aggiuntive e regole di elaborazione.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Pronto per iniziare</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Controlla cosa farà l’esecuzione; con «&lt; Indietro» puoi cambiare le opzioni.</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Pulizia delle immagini</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Attendi mentre le immagini vengono elaborate...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>La procedura guidata ha finito di ripulire le immagini! Premi «Esci» per uscire o «&lt; Indietro» per elaborare altri file.</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Fermare la pulizia? Le immagini ripulite finora vengono mantenute.</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Esistono già uno o più file di output! Vuoi sovrascrivere i file esistenti?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Il file delle impostazioni %1 supera 1 MB, molto più di quanto occupino mai le impostazioni salvate, quindi non è stato letto. Quillmark si avvia con le opzioni predefinite e lascia il file com’è; le opzioni di questa sessione non vengono salvate.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Impossibile avviare un programma: non è stato indicato alcun programma.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Impossibile avviare %1: la cartella di lavoro %2 non esiste.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 è stato fermato perché il programma si sta chiudendo.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 si è bloccato o è stato terminato forzatamente.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>i dati dell’immagine non hanno un marcatore di fine</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>il file termina prima del marcatore di fine immagine</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>un segmento non inizia con un marcatore</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>il file termina all’interno di un segmento</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>un segmento va oltre la fine del file</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>il file termina prima del chunk IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>il chunk %1 va oltre la fine del file</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>il file è più corto di quanto indica la sua intestazione RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>l’intestazione di un chunk va oltre la fine del file</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>il file termina all’interno dell’intestazione</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>il file termina prima del terminatore del GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>il file termina all’interno di un descrittore di immagine</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>il file termina all’interno di un’estensione</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>un tipo di blocco sconosciuto</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>un blocco va oltre la fine del file</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>impossibile leggere il risultato</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>Opzioni aggiuntive</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Offusca le date dei file</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Imposta la nuova data:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Genera una data casuale</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Nuova data del file</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(cambia)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Ignora errori minori e avvisi</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Se l’elaborazione non riesce, sposta il file originale in:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Cartella per i file non riusciti</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Seleziona la cartella di destinazione:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 si è fermato inaspettatamente.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Imposta la data</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Imposta l’ora</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Inserisci un anno. Il valore predefinito è 1980 (non è possibile usare un anno precedente). Il formato deve essere: AAAA</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Anno non valido...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Inserisci un mese. Il valore predefinito è 1 (valori validi: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Mese non valido...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Inserisci un giorno. Il valore predefinito è 1 (valori validi: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Giorno non valido...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Inserisci un’ora. Il valore predefinito è 0 (solo formato 24 ore, valori validi: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Ora non valida...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Inserisci un minuto. Il valore predefinito è 0 (valori validi: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Minuto non valido...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Inserisci un secondo. Il valore predefinito è 0 (valori validi: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Secondo non valido...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Completato!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>## immagini ripulite!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Mostra i problemi di questa esecuzione...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Dettagli dell’errore</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Immagini di questa esecuzione (doppio clic per confrontare):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Immagini di questa esecuzione</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Ogni immagine con il suo esito. Ctrl+I, un doppio clic o il menu contestuale mostrano cosa la pulizia ha rimosso dal file attuale e cosa è rimasto.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Mostra metadati</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Fai clic qui per aprire la cartella di destinazione...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Nascondi le immagini non elaborate</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Mostra l’immagine non elaborata</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Mostra %1 immagine non elaborata</numerusform>
            <numerusform>Mostra le %1 immagini non elaborate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Posizione (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>il luogo dello scatto (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nome del luogo</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>il luogo dello scatto (nomi di luoghi)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Fuso orario di origine</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>il fuso orario di origine della fotocamera</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Posizione (sulla mappa)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>la sua posizione su una mappa</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Numero di serie dell’obiettivo</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>il numero di serie dell’obiettivo</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Numero di serie della fotocamera</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>il numero di serie della fotocamera</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Identificatore univoco</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>identificatori univoci</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nome del computer</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>il nome del computer</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Nome del file originale</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>il nome del file originale</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nome della fotocamera</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>il nome della fotocamera</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Marca e modello dell’obiettivo</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>la marca e il modello dell’obiettivo</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Marca e modello della fotocamera</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>la marca e il modello della fotocamera</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Numero di scatti</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>quante foto ha scattato la fotocamera</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Dettaglio della fotocamera o del dispositivo</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>dettagli della fotocamera</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Nome del proprietario</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>il nome del proprietario</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Indirizzo email</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>un indirizzo email</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Dati di contatto</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>dati di contatto</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Persone ritratte</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>chi vi compare</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Nota di copyright</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>una nota di copyright</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Nome dell’autore</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>il nome dell’autore</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Data e ora dello scatto</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>quando è stata scattata</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Data e ora di modifica</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>quando è stata modificata</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>date e orari</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>il software usato</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>la stampante</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Numero dell’immagine</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>il numero dell’immagine</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Nome del documento</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>il nome del documento</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Altri metadati</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Fotocamera e dispositivo</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Nomi di persone</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Date e orari</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Identificatori</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>Nell’elenco non è stato trovato nulla di identificativo.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>Questa foto rivela %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>Questo video rivela %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Escluso: ExifTool non può scrivere questo tipo di file raw</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Escluso: ExifTool non può scrivere questo tipo di immagine</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Il percorso è più lungo di quanto consentito dal sistema (%1 byte)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Tipo di immagine non supportato.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Immagini e video supportati</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Escluso: questo tipo di video non viene ripulito</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Aggiungi da cartella</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Rimuovi i file selezionati</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Svuota l’elenco dei file</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Immagini da ripulire</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Ancora nessuna immagine. Aggiungile con i pulsanti a sinistra o trascinale qui.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Mostra metadati</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Fai doppio clic su un’immagine per vederne i metadati</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I mostra i metadati dell’immagine attuale; Canc rimuove le immagini selezionate.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 immagini</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 immagini</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Aggiunta dei file...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Nessun file da elaborare...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: non è un file di questo utente</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>MANTENUTO</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>MODIFICATO</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>AGGIUNTO</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calcolato</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Visualizzatore metadati</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadati</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Successivo</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Mostra tag &amp;rimossi</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Visualizzatore metadati</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Metadati identificativi</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Cosa rivela</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n tag</numerusform>
            <numerusform>%n tag</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - confrontato con l’originale - Visualizzatore metadati</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Originale: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Ripulito: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>%1 tag rimossi, %2 mantenuti, %3 aggiunti.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 dei tag mantenuti può identificarti (contrassegnato con !).</numerusform>
            <numerusform>%1 dei tag mantenuti possono identificarti (contrassegnati con !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>I tag in grassetto sono ancora nel file ripulito e compaiono per primi; i tag barrati sono stati rimossi. Nomi, dimensioni e date dei file su disco non vengono mostrati.</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>Il %n valore che ExifTool calcola da altri tag (Composite) è elencato per ultimo e non viene contato: non è memorizzato nel file.</numerusform>
            <numerusform>I %n valori che ExifTool calcola da altri tag (Composite) sono elencati per ultimi e non vengono contati: non sono memorizzati nel file.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>mantenuto, ora elencato come %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>mantenuto nelle note del produttore, a cui ExifTool non sa più dare un nome</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>calcolato, non memorizzato nel file</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>Modalità di output:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>Sovrascrivi l’originale</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Salva le immagini ripulite in questa cartella:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Aggiungi prefisso:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Aggiungi suffisso:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefisso</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffisso</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Seleziona la cartella di destinazione:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>Il risultato è danneggiato: %1.</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Non è stato possibile rileggere il risultato, quindi non si sa cosa vi sia rimasto.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool non riesce a rileggere il risultato.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool non riesce a rileggere il risultato: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Il file raw ripulito non si apre più in un convertitore raw (%1); l’originale viene mantenuto.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Il file raw ripulito non restituisce più l’immagine dell’originale; l’originale viene mantenuto.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>L’immagine è stata copiata senza rimuovere nulla.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Problemi di questa esecuzione</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Cosa non è riuscita a fare questa esecuzione, immagine per immagine. Passa il puntatore su un nome per vederne il percorso completo.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>L’esecuzione è terminata per un errore interno</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Impossibile ripulire</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Contengono ancora metadati identificativi</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Avvisi sulle immagini ripulite</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Nessuna immagine di questa esecuzione ha avuto problemi.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(I messaggi di ExifTool continuano; qui ne vengono mostrati i primi 4 MB.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Messaggi di ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Mostra i messaggi di ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Nascondi i messaggi di ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Rimuovi metadati</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Mostra problemi</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Ricerca delle immagini...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Non è stato ripulito nulla</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Il file delle impostazioni %1 supera 1 MB e non è stato letto.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Non ci sono ancora opzioni salvate, quindi vengono usate quelle predefinite: copie ripulite con «%1» nel nome accanto agli originali.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Non è stato ripulito nulla; l’esecuzione è stata interrotta</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Nessuna immagine da ripulire: non è stato selezionato nulla.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>Nessuna immagine da ripulire in %1.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>Nessuna immagine da ripulire in %1 e in %n altro elemento.</numerusform>
            <numerusform>Nessuna immagine da ripulire in %1 e in altri %n elementi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Sovrascrivere l’originale di %n immagine?</numerusform>
            <numerusform>Sovrascrivere gli originali di %n immagini?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Gli originali verranno sovrascritti. L’operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Non è stato ripulito nulla; gli originali sono rimasti invariati</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Pulizia di %n immagine...</numerusform>
            <numerusform>Pulizia di %n immagini...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Esistono già uno o più file di output! Vuoi sovrascrivere i file esistenti?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Qui non è configurato alcun programma per aprire le cartelle. Le immagini ripulite si trovano in questa cartella:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Pronto per iniziare</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Premi «Avvia» per ripulire le immagini.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Salta questa pagina in futuro.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>Verranno ripulite 999 immagini come copie il cui nome termina con «_cleaned». Da rimuovere: tutti i metadati supportati, APP14. Le date dei file vengono impostate a date casuali. Gli originali non riusciti vanno nel cestino.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Gli originali verranno sovrascritti. L’operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Impossibile avviare</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 originale non può essere sovrascritto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n originale non può essere sovrascritto: %1</numerusform>
            <numerusform>%n originali non possono essere sovrascritti: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Impossibile creare la cartella %1: %2 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>Impossibile creare la cartella %1: impossibile scrivere in %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Impossibile scrivere nella cartella %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>Impossibile scrivere in %n cartella: %1</numerusform>
            <numerusform>Impossibile scrivere in %n cartelle: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Spazio libero insufficiente in %1: servono circa %2, liberi %3.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Elaborazione delle immagini, attendi...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>In corso</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>circa %n s rimanente</numerusform>
            <numerusform>circa %n s rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>circa %n min rimanente</numerusform>
            <numerusform>circa %n min rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>circa %n h rimanente</numerusform>
            <numerusform>circa %n h rimanenti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>In pausa: in attesa della tua risposta</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 immagine contiene ancora metadati identificativi.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 immagine contiene ancora metadati identificativi.</numerusform>
            <numerusform>%1 immagini contengono ancora metadati identificativi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 file raw che ExifTool non può scrivere</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n file raw che ExifTool non può scrivere</numerusform>
            <numerusform>%n file raw che ExifTool non può scrivere</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 immagine che ExifTool non può scrivere</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n immagine che ExifTool non può scrivere</numerusform>
            <numerusform>%n immagini che ExifTool non può scrivere</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 percorso più lungo di quanto consentito dal sistema</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n percorso più lungo di quanto consentito dal sistema</numerusform>
            <numerusform>%n percorsi più lunghi di quanto consentito dal sistema</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 file che non è un’immagine supportata</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n file che non è un’immagine supportata</numerusform>
            <numerusform>%n file che non sono immagini supportate</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 file è stato escluso: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n file è stato escluso: %1.</numerusform>
            <numerusform>%n file sono stati esclusi: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Ripulita: nessun metadato identificativo rimasto.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Restano metadati identificativi:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Invariata: ExifTool non è riuscito a rimuovere nulla.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Non riuscita: non è stato scritto alcun file ripulito.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Saltata.</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Ripulita</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Ancora identificabile</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Non ripulita</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Esclusa</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Risultato mantenuto</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Non elaborata</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Il file non è un’immagine %1; sembra un file %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Il file non è un’immagine %1 valida.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>L’immagine %1 è danneggiata.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Il file è danneggiato o non è il tipo di immagine indicato dal suo nome.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool non aveva nulla da ricopiare nel file ripulito (nessun tag scrivibile impostato).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>L’esecuzione è terminata per un errore interno</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Nessuna immagine è stata ripulita: l’esecuzione è terminata per un errore interno</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Nessuna immagine è stata ripulita; l’esecuzione è stata interrotta</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Nessuna immagine è stata ripulita: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Nessuna immagine è stata ripulita; impossibile ripulirne 1</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Nessuna immagine è stata ripulita; impossibile ripulirne %1</numerusform>
            <numerusform>Nessuna immagine è stata ripulita; impossibile ripulirne %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Nessuna immagine è stata ripulita</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>L’immagine è stata ripulita</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 immagine è stata ripulita</numerusform>
            <numerusform>Tutte le %1 immagini sono state ripulite</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>Immagini ripulite: 0 su 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>Immagini ripulite: %1 su %2</numerusform>
            <numerusform>Immagini ripulite: %1 su %2</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; l’esecuzione è stata interrotta</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 contiene ancora metadati identificativi</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 contiene ancora metadati identificativi</numerusform>
            <numerusform>; %1 contengono ancora metadati identificativi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; impossibile ripulirne %1</numerusform>
            <numerusform>; impossibile ripulirne %1</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; 1 risultato esistente è stato mantenuto</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 risultato esistente è stato mantenuto</numerusform>
            <numerusform>; %1 risultati esistenti sono stati mantenuti</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 immagine è stata ripulita.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 immagine è stata ripulita.</numerusform>
            <numerusform>%1 immagini sono state ripulite.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>Non è stato possibile ripulire 1 immagine.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>Non è stato possibile ripulire %1 immagine.</numerusform>
            <numerusform>Non è stato possibile ripulire %1 immagini.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 immagine non è stata elaborata prima dell’interruzione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 immagine non è stata elaborata prima dell’interruzione.</numerusform>
            <numerusform>%1 immagini non sono state elaborate prima dell’interruzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 risultato esistente è stato mantenuto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 risultato esistente è stato mantenuto.</numerusform>
            <numerusform>%1 risultati esistenti sono stati mantenuti.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 file è stato escluso.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 file è stato escluso.</numerusform>
            <numerusform>%1 file sono stati esclusi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 video di un tipo che non viene ripulito</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n video di un tipo che non viene ripulito</numerusform>
            <numerusform>%n video di tipi che non vengono ripuliti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Metadati da rimuovere:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Tutti i supportati</translation>
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
        <translation>Profilo ICC</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>Tag &amp;&amp; miniatura PS</translation>
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
        <translation>Tutti gli altri</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Mantieni orientamento e profilo colore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>il manuale</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Avvertenza: nei formati di immagine diversi da JPEG questo programma non può garantire il pieno supporto di tutti i tag sopra elencati. Le immagini RAW sono particolarmente complesse. Controlla le immagini prodotte per assicurarti che i metadati indesiderati siano stati rimossi. Consulta %1 per maggiori informazioni.</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>tutti i metadati supportati</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 immagine</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 immagine</numerusform>
            <numerusform>%1 immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 risultato precedente escluso)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n risultato precedente escluso)</numerusform>
            <numerusform>(%n risultati precedenti esclusi)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Un prefisso o suffisso fa parte del nome del file e non può contenere «/».</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Errore: il video è incompleto (termina all’interno di un box)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Errore: non è un video leggibile (manca l’intestazione del filmato)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>non è stato possibile conservare il video dopo il remux</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg è terminato con il codice %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Errore: ffmpeg non può eseguire il remux di questo video: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Ti diamo il benvenuto in Quillmark!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Questo programma rimuove i tag di metadati e le miniature dall’interno dei file immagine. Ciò aiuta a proteggere la tua privacy online e a risparmiare spazio su disco. Trascina qui foto o cartelle, oppure fai clic su «Avanti» per sceglierle.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Sito web:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Prova «quillmark --help».</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: il file delle impostazioni %1 supera 1 MB e non è stato letto; non è stato ripulito nulla</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Rimuove i metadati dai file immagine, in una finestra di procedura guidata.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Ripulisci FOLDER senza intervento con le opzioni salvate, poi esci.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Immagini e cartelle con cui iniziare.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto accetta esattamente una cartella e nessun altro percorso.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: impossibile leggere la cartella</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: cartella inesistente</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: non è una cartella</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Ripulisci le immagini e le cartelle indicate come PATH con le opzioni salvate, mostrando il risultato in una piccola finestra.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean e -auto non possono essere usati insieme.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Cerca una cartella in cui mettere le immagini ripulite...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: impossibile scrivere il rapporto %1: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Ricerca delle immagini...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Interrotto durante la ricerca delle immagini; non è stato ripulito nulla.</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: nessuna immagine supportata trovata</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool non è stato trovato. Installalo (pacchetto Debian libimage-exiftool-perl) o metti il programma exiftool accanto a quillmark-cli.</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: impossibile avviare: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Prova «quillmark-cli --help».</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>File immagine e cartelle da ripulire.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Dove vanno i file ripuliti: overwrite, folder=DIR, prefix=TEXT o suffix=TEXT (predefinito suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Cosa rimuovere, un elenco separato da virgole di: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (predefinito all).</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Cosa resta qualunque cosa dica --remove, perché cambia l’aspetto dell’immagine e non identifica nessuno: un elenco separato da virgole di orientation e color, oppure none (predefinito orientation,color).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Date dei file ripuliti: keep, random o &quot;YYYY-MM-DD HH:MM:SS&quot; (predefinito keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Sposta gli originali delle immagini che non è stato possibile ripulire: trash o una cartella.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Sostituisci i file ripuliti già esistenti (per impostazione predefinita vengono mantenuti).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Non ignorare errori minori e avvisi.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Parti dalle opzioni salvate dalla finestra di Quillmark; le opzioni indicate qui si applicano comunque.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Processi ExifTool simultanei (predefinito: il numero di core).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Scrivi in FILE un rapporto JSON sull’esito di ogni immagine («-» per lo standard output; il riepilogo va allora sullo standard error).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Non controllare se nei file ripuliti restano metadati identificativi (più veloce).</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Chi scrive i file ripuliti: auto (JPEG, PNG, WebP e GIF con lo scrittore interno di Quillmark dove possibile, il resto con ExifTool) o exiftool (ogni file con ExifTool) (predefinito auto).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Ripulisci anche i percorsi elencati in FILE, uno per riga («-» legge lo standard input).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>I percorsi nell’elenco di --files-from terminano con NUL, non con un a capo.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: il file delle impostazioni %1 supera 1 MB e non è stato letto</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output accetta overwrite, folder=DIR, prefix=TEXT o suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove accetta un elenco separato da virgole di all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep accetta un elenco separato da virgole di orientation e color, oppure none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates accetta keep, random o una data &quot;YYYY-MM-DD HH:MM:SS&quot; dal 1980 al 2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed accetta trash o una cartella</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>nessuna cartella di destinazione indicata</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>il prefisso o il suffisso è vuoto</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>il prefisso o il suffisso deve far parte di un nome di file: non può contenere «/»</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>niente da rimuovere: il profilo colore viene mantenuto (vedi --keep)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>niente da rimuovere</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: il profilo colore viene mantenuto; --keep orientation o --keep none lo rimuovono</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs accetta un numero da 1 a 64</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine accetta auto o exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report accetta un nome di file o «-»</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null richiede --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>impossibile leggere l’elenco %1</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>nessun file immagine o cartella indicati</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: file o cartella inesistente</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: non è un’immagine supportata; saltato</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>Nessuna immagine da ripulire in %1.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>PERCORSO...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Mostra solo il riepilogo (niente con --report -); gli errori che terminano l’esecuzione vengono comunque mostrati.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Indica cosa verrebbe ripulito, dove andrebbe ogni risultato e cosa contiene ora ogni immagine; non scrivere nulla.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Elenca i metadati identificativi contenuti in ogni file, come fa il visualizzatore metadati; non modificare nulla.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run e --show non possono essere usati insieme</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: impossibile leggere il file: %2</translation>
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
        <translation>Impossibile leggere l’immagine: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Non contiene nulla di identificativo.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Contiene: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>Verrebbe ripulita 1 immagine; non è stato scritto nulla.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>Verrebbe ripulita %1 immagine; non è stato scritto nulla.</numerusform>
            <numerusform>Verrebbero ripulite %1 immagini; non è stato scritto nulla.</numerusform>
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
        <translation>Rimuove i metadati (Exif, GPS, miniature, XMP, IPTC, ICC, ...) dai file immagine con ExifTool,
e dai video MOV e MP4 tramite remux con ffmpeg.
Le cartelle vengono percorse con tutte le loro sottocartelle.

Ogni risultato viene controllato in seguito; i metadati identificativi rimasti vengono segnalati.

Stato di uscita: 0 completato e pulito, 1 sono stati segnalati problemi, restano metadati identificativi, un’immagine
è rimasta invariata o non è stato possibile ripulirla, un file indicato sulla riga di comando è stato saltato o un file trovato
in una cartella è stato escluso (un tipo di video che non viene ripulito, un tipo che ExifTool non può scrivere, un percorso troppo lungo);
2 uso errato o niente da ripulire, 3 errore interno;
interrotto da SIGINT, SIGTERM o SIGHUP: 130, 143 o 129 (un secondo SIGINT interrompe subito).</translation>
    </message>
</context>
</TS>
