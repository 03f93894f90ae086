<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Impossible d’écrire le fichier d’arguments&#xa0;: %1</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Erreur interne du programme&#x202f;!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Préparation...</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Nettoyage des images...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool est introuvable. Installez-le (paquet Debian libimage-exiftool-perl) ou placez le programme exiftool à côté de Quillmark.</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Brouillage des dates des fichiers...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Vérification des fichiers...</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Des problèmes ont été signalés. Consultez le journal pour plus de détails.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Terminé&#x202f;!</translation>
    </message>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Non nettoyée&#xa0;: le traitement a été arrêté</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1&#xa0;: impossible de créer un dossier de travail dans %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1&#xa0;: impossible de créer le journal dans %2</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Écartée&#xa0;: un résultat antérieur d’une autre image de ce traitement</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Écartée (un résultat antérieur) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Erreur&#xa0;: le chemin est plus long que ce que le système autorise (%1 octets)</translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Ignorée&#xa0;: le résultat remplacerait l’image elle-même</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Ignorée&#xa0;: le résultat remplacerait une autre image de ce traitement</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Erreur&#xa0;: ExifTool s’est arrêté avant d’avoir terminé cette image</translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>résultat existant conservé</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Un préfixe ou un suffixe doit faire partie d’un nom de fichier&#xa0;: il ne peut être ni vide ni contenir «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 résultat existant a été conservé.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n résultat existant a été conservé.</numerusform>
            <numerusform>%n résultats existants ont été conservés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 résultat antérieur a été écarté.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n résultat antérieur a été écarté.</numerusform>
            <numerusform>%n résultats antérieurs ont été écartés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>Le traitement a été arrêté&#x202f;; les images déjà nettoyées sont conservées.</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Erreur&#xa0;: l’image ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 autre nom de ce fichier (un lien physique) contient encore ses métadonnées</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n autre nom de ce fichier (un lien physique) contient encore ses métadonnées</numerusform>
            <numerusform>%n autres noms de ce fichier (liens physiques) contiennent encore ses métadonnées</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Enregistré sous %1&#xa0;: une autre image de cette exécution porte le même nom</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Erreur&#xa0;: le fichier nettoyé serait endommagé (%1)&#x202f;; l’original est conservé</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Erreur&#xa0;: l’original est conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Non nettoyé&#xa0;: utilisé par une autre exécution ou un autre programme (%1)</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>aucun dossier pour les fichiers à problème n’a été indiqué</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>la corbeille l’a refusé</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>il ne peut pas y être déplacé</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>L’original a été placé dans la corbeille.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>L’original a été déplacé vers %1.</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>L’original n’a pas pu être déplacé&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>L’original n’a pas pu être déplacé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>l’image a changé pendant le nettoyage</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>impossible de conserver le propriétaire et le groupe du fichier (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>impossible de conserver la liste de contrôle d’accès du fichier (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>impossible de conserver les droits du fichier</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 fichier à problème a été placé dans la corbeille.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n fichier à problème a été placé dans la corbeille.</numerusform>
            <numerusform>%n fichiers à problème ont été placés dans la corbeille.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 fichier à problème a été déplacé vers %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n fichier à problème a été déplacé vers %1.</numerusform>
            <numerusform>%n fichiers à problème ont été déplacés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 fichier à problème n’a pas pu être placé dans la corbeille&#x202f;; le journal indique pourquoi.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n fichier à problème n’a pas pu être placé dans la corbeille&#x202f;; le journal indique pourquoi.</numerusform>
            <numerusform>%n fichiers à problème n’ont pas pu être placés dans la corbeille&#x202f;; le journal indique pourquoi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 fichier à problème n’a pas pu être déplacé vers %1&#x202f;; le journal indique pourquoi.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n fichier à problème n’a pas pu être déplacé vers %1&#x202f;; le journal indique pourquoi.</numerusform>
            <numerusform>%n fichiers à problème n’ont pas pu être déplacés vers %1&#x202f;; le journal indique pourquoi.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 image traitée (%2 Ko économisés)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 image traitée (%2 Ko économisés)</numerusform>
            <numerusform>%1 images traitées (%2 Ko économisés)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 image traitée</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 image traitée</numerusform>
            <numerusform>%1 images traitées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>en %1 seconde (%2 s en moyenne)</numerusform>
            <numerusform>en %1 secondes (%2 s en moyenne)</numerusform>
        </translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>Le dossier temporaire %1 ne peut pas recevoir le fichier d’arguments d’ExifTool&#x202f;; indiquez un autre dossier dans TMPDIR ou TEMP.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>en %1 seconde (%2 s en moyenne)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Écartée&#xa0;: les vidéos nécessitent ffmpeg, qui n’est pas installé</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Écartée (ffmpeg n’est pas installé) - %1</translation>
    </message>
</context>
<context>
    <name>CleanWizard</name>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Options (1/3)</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Options (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Choisissez les balises de métadonnées à supprimer.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Démarrer &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Options (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Définissez les options supplémentaires et les règles de traitement.</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Veuillez patienter pendant le traitement des images...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>L’assistant a terminé le nettoyage des images&#x202f;! Cliquez sur «&#xa0;Quitter&#xa0;» pour fermer le programme, ou sur «&#xa0;Précédent&#xa0;» pour traiter d’autres fichiers.</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Un ou plusieurs fichiers de sortie existent déjà&#x202f;! Voulez-vous remplacer les fichiers existants&#x202f;?</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Une erreur s’est produite lors de la lecture du fichier...</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 image</numerusform>
            <numerusform>%1 images</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Ajout des fichiers...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Choisissez un dossier contenant les images à ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Aucun fichier à traiter...</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif est la norme de métadonnées qu’utilisent les appareils photo numériques pour enregistrer des informations sur l’image, le lieu, les réglages de l’appareil, etc. On la trouve dans les images JPG, TIFF, PNG, MIFF et HDP, ainsi que dans de nombreuses images RAW basées sur TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Les données de géolocalisation indiquent le lieu où la photo a été prise. Les balises GPS font partie de la norme Exif et sont enregistrées dans une section distincte des informations Exif.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Miniature Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Une miniature est une petite représentation de l’image qui permet d’en afficher rapidement un aperçu.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Profil de couleurs ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>Les informations de profil ICC sont présentes dans de nombreux types de fichiers, dont JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT et certains formats RAW. Supprimer cette balise peut modifier le rendu des couleurs de l’image.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP est un format de métadonnées promu par Adobe. Ces informations peuvent être incorporées dans de nombreux types de fichiers image, dont JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU et MIFF, ainsi que dans des formats vidéo et audio.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Il s’agit d’un ancien format de métadonnées que XMP remplace peu à peu. Les informations IPTC peuvent être incorporées dans les images JPG, TIFF, PNG, MIFF, PS, PDF, PSD et DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Toutes les autres prises en charge</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Cela comprend le commentaire JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky et les MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>Le préfixe est ajouté DEVANT le nom de fichier actuel pour créer un nouveau fichier image.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>Le suffixe est ajouté APRÈS le nom de fichier actuel pour créer un nouveau fichier image.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Balise et miniature Photoshop</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Les balises Photoshop se trouvent dans les fichiers PSD, ainsi que dans les informations Photoshop incorporées à de nombreux autres types de fichiers (JPEG, TIFF, PDF, PNG, entre autres). Supprimer cette balise supprime aussi la balise IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Supprimer toutes les balises prises en charge</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Utilisez cette option pour supprimer le plus de métadonnées possible&#x202f;! Une seule exception&#xa0;: le segment Adobe APP14 n’est pas supprimé, car cela pourrait modifier l’apparence de l’image.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Brouiller les dates des fichiers</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>La date d’un fichier image peut révéler quand l’image a été prise ou modifiée. Cette option remplace les dates de création, de modification et de dernier accès du fichier par une nouvelle date (par défaut&#xa0;: 1980-2010 pour une date aléatoire et 1980-01-01 00:00:00 pour une date fixe). Notez que ces dates peuvent changer si le fichier est ensuite modifié, déplacé, copié, etc.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Déplacer les fichiers en erreur</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Si une erreur s’est produite et que le fichier n’a pas pu être traité (voir le journal), cette option permet de déplacer le fichier d’origine dans un dossier ou de le supprimer. Si vous choisissez un dossier et qu’un fichier du même nom s’y trouve déjà, le fichier ne sera pas déplacé. Remarque&#xa0;: cela ne concerne que les erreurs, pas les avertissements. Les fichiers avec avertissements sont tout de même traités, mais les avertissements peuvent apparaître dans le journal.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Les données de géolocalisation indiquent le lieu où la photo a été prise. GeoTIFF est utilisé par les fichiers TIFF et les formats d’image fondés sur le format TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Cette balise se trouve dans les fichiers JPEG et contient des informations d’encodage. Sa suppression peut modifier l’apparence de l’image&#x202f;; elle est donc déconseillée. Elle ne contient aucune information personnelle, mais indique qu’un produit Adobe a été utilisé.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Cliquez ici pour ajouter des images, ou faites-les glisser sur la liste des fichiers à droite.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Ce programme est conçu avant tout pour les images JPEG, mais fonctionne aussi avec d’autres formats de fichiers, notamment&#xa0;: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD et X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Ajouter les images d’un dossier</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Comme ci-dessus, mais vous choisissez un dossier et le programme ajoute toutes les images de ce dossier et de ses sous-dossiers.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>À cause d’un bogue de Windows 7, votre système utilise un jeu de polices trop grand pour le réglage DPI actuel. Quillmark (et d’autres applications) peut donc s’afficher de façon déformée. Même s’il ne s’agit que d’un problème visuel, je vous recommande de le corriger&#x202f;; une page d’aide va maintenant s’ouvrir&#x202f;!</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Arrêter le nettoyage&#x202f;? Les images déjà nettoyées sont conservées.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aide&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 image sera nettoyée</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 image sera nettoyée</numerusform>
            <numerusform>%1 images seront nettoyées</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>sur place&#xa0;: les originaux sont remplacés.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>dans le dossier %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>sous forme de copies dont le nom commence par «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>sous forme de copies dont le nom se termine par «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Suppression&#xa0;: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Les dates des fichiers sont fixées au %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Les dates des fichiers sont remplacées par des dates aléatoires.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Les originaux en échec vont à la corbeille.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Les originaux en échec sont déplacés vers %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Aucun programme n’est configuré ici pour ouvrir les dossiers. Les images nettoyées se trouvent dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Aucun navigateur web n’est configuré ici. Le site web est&#xa0;:</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Conserver l’orientation et le profil de couleurs</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>La balise d’orientation indique aux visionneuses dans quel sens afficher l’image, et le profil de couleurs leur indique quelles couleurs elle contient. Sans l’orientation, les photos en portrait s’affichent couchées&#x202f;; sans le profil de couleurs, les couleurs peuvent paraître fausses (par exemple sur les photos à gamut étendu des téléphones récents). Aucun des deux n’identifie une personne&#xa0;: les deux sont donc conservés, sauf si vous décochez cette option.</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Ces fichiers n’ont pas pu être ajoutés&#xa0;: leur nom n’est pas en UTF-8 valide, et la boîte de dialogue de fichiers ne peut pas le transmettre. Ajoutez-les avec «&#xa0;Ajouter un dossier&#xa0;» ou déposez-les sur la liste&#xa0;:</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Le fichier de réglages %1 dépasse 1 Mo, bien plus que n’en occupent jamais des réglages enregistrés&#x202f;; il n’a donc pas été lu. Quillmark démarre avec les options par défaut et laisse le fichier tel quel&#x202f;; les options de cette session ne seront pas enregistrées.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Supprimer les données TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Les images TIFF peuvent contenir des informations dans le premier répertoire de fichier image (IFD0), à part des autres balises. Cela concerne les fichiers TIFF ainsi que les types d’images fondés sur le format TIFF&#xa0;: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 et SRW.</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Choisir les fichiers image</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Ajoutez les images à nettoyer. Une fois prêt, cliquez sur «&#xa0;Suivant&#xa0;» pour passer à la page de sortie.</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Choisissez où et comment enregistrer les fichiers nettoyés. Cliquez sur «&#xa0;Suivant&#xa0;» pour passer à la deuxième page d’options.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Prêt à démarrer</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Nettoyage des images</translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>Aucune image à nettoyer n’a été trouvée dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>Aucune image à nettoyer n’a été trouvée dans %n dossier&#xa0;: %1</numerusform>
            <numerusform>Aucune image à nettoyer n’a été trouvée dans %n dossiers&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto&#xa0;: impossible de démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Vérifiez ce que fera le traitement&#x202f;; «&#xa0;&lt; Précédent&#xa0;» permet de modifier les options.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Impossible de lancer un programme&#xa0;: aucun programme n’a été indiqué.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Impossible de lancer %1&#xa0;: le dossier de travail %2 n’existe pas.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossible de lancer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 a été arrêté parce que le programme se ferme.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 s’est arrêté brutalement ou a été interrompu de force.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>les données d’image n’ont pas de marqueur de fin</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>le fichier se termine avant le marqueur de fin d’image</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>un segment ne commence pas par un marqueur</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>le fichier se termine au milieu d’un segment</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>un segment dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>le fichier se termine avant le bloc IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>le bloc %1 dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>le fichier est plus court que ne l’indique son en-tête RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>un en-tête de bloc dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>le fichier se termine au milieu de l’en-tête</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>le fichier se termine avant le marqueur de fin du GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>le fichier se termine au milieu d’un descripteur d’image</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>le fichier se termine au milieu d’une extension</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>un type de bloc inconnu</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>un bloc dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>le résultat ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Brouiller les dates des fichiers</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Remplacer par la date&#xa0;:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Générer une date aléatoire</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Nouvelle date du fichier</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(modifier)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Ignorer les erreurs mineures et les avertissements</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>En cas d’échec du traitement, déplacer le fichier d’origine vers&#xa0;:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Dossier des fichiers en erreur</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Choisir le dossier de destination&#xa0;:</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Options supplémentaires</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossible de lancer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 s’est arrêté de manière inattendue.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Définir la date</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Définir l’heure</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Veuillez saisir une année. Par défaut&#xa0;: 1980 (une année antérieure n’est pas possible). Format&#xa0;: AAAA</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Année non valide...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Veuillez saisir un mois. Par défaut&#xa0;: 1 (valeurs possibles&#xa0;: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Mois non valide...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Veuillez saisir un jour. Par défaut&#xa0;: 1 (valeurs possibles&#xa0;: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Jour non valide...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Veuillez saisir une heure. Par défaut&#xa0;: 0 (format 24 h uniquement, valeurs possibles&#xa0;: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Heure non valide...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Veuillez saisir une minute. Par défaut&#xa0;: 0 (valeurs possibles&#xa0;: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Minute non valide...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Veuillez saisir une seconde. Par défaut&#xa0;: 0 (valeurs possibles&#xa0;: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Seconde non valide...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Terminé&#x202f;!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>## images nettoyées&#x202f;!</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Détails de l’erreur</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Afficher les métadonnées</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Cliquez ici pour ouvrir le dossier de destination...</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Afficher les problèmes de ce traitement...</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Images de ce traitement (double-cliquez pour comparer)&#xa0;:</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Images de ce traitement</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Chaque image avec ce qu’il en est advenu. Ctrl+I, un double-clic ou le menu contextuel montre ce que le nettoyage a supprimé du fichier courant et ce qui reste.</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Masquer les images non traitées</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Afficher l’image non traitée</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Afficher %1 image non traitée</numerusform>
            <numerusform>Afficher les %1 images non traitées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Lieu (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>le lieu de la prise de vue (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nom de lieu</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>le lieu de la prise de vue (noms de lieux)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Fuseau horaire de résidence</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>le fuseau horaire de résidence de l’appareil</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Lieu (position sur une carte)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>sa position sur une carte</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Numéro de série de l’objectif</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>le numéro de série de l’objectif</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Numéro de série de l’appareil</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>le numéro de série de l’appareil</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Identifiant unique</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>des identifiants uniques</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nom de l’ordinateur</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>le nom de l’ordinateur</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Nom de fichier d’origine</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>le nom de fichier d’origine</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nom de l’appareil</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>le nom de l’appareil</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Marque et modèle de l’objectif</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>la marque et le modèle de l’objectif</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Marque et modèle de l’appareil</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>la marque et le modèle de l’appareil</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Nombre de déclenchements</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>le nombre de photos prises par l’appareil</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Détail de l’appareil photo ou du périphérique</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>des détails sur l’appareil</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Nom du propriétaire</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>le nom du propriétaire</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>une adresse e-mail</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>des coordonnées</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Personnes représentées</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>les personnes qui y figurent</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Mention de droits d’auteur</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>une mention de droits d’auteur</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Nom de l’auteur</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>le nom de l’auteur</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Date et heure de la prise de vue</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>la date de la prise de vue</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Date et heure de modification</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>la date de modification</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>des dates et heures</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>le logiciel utilisé</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>l’imprimante</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Numéro d’image</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>le numéro d’image</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Nom du document</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>le nom du document</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Autres métadonnées</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Appareil photo et périphérique</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Noms de personnes</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Dates et heures</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Identifiants</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>Rien d’identifiant n’a été trouvé dans la liste.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>Cette photo révèle %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>Cette vidéo révèle %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Laissé de côté&#xa0;: ExifTool ne sait pas écrire ce type RAW</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Laissé de côté&#xa0;: ExifTool ne sait pas écrire ce type d’image</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Le chemin est plus long que ce que le système permet (%1 octets)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Type d’image non pris en charge.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Images et vidéos prises en charge</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Laissé de côté&#xa0;: ce type de vidéo n’est pas nettoyé</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Retirer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Vider la liste des fichiers</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Images à nettoyer</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Aucune image pour l’instant. Ajoutez-en avec les boutons de gauche ou déposez-les ici.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Afficher les métadonnées</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I affiche les métadonnées de l’image courante&#x202f;; Suppr retire les images sélectionnées.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 image</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 image</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Ajout des fichiers...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Aucun fichier à traiter...</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Double-cliquez sur une image pour voir ses métadonnées</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1&#xa0;: ce fichier n’appartient pas à cet utilisateur</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>GARDÉE</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>MODIFIÉE</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>AJOUTÉE</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculée</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Visionneuse de métadonnées</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Métadonnées</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>&amp;Afficher les balises supprimées</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Visionneuse de métadonnées</translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - comparé à l’original - Visionneuse de métadonnées</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Nettoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>%1 balises supprimées, %2 gardées, %3 ajoutées.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 des balises gardées peut vous identifier (signalée par «&#xa0;!&#xa0;»).</numerusform>
            <numerusform>%1 des balises gardées peuvent vous identifier (signalées par «&#xa0;!&#xa0;»).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Les balises en gras sont encore dans le fichier nettoyé et viennent en premier&#x202f;; les balises barrées ont été supprimées. Les noms, tailles et dates des fichiers sur le disque ne sont pas affichés.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Métadonnées identifiantes</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Ce que cela révèle</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Balise</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n balise</numerusform>
            <numerusform>%n balises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>%n valeur calculée par ExifTool à partir d’autres balises (Composite) figure à la fin et n’est pas comptée&#xa0;: elle n’est pas stockée dans le fichier.</numerusform>
            <numerusform>Les %n valeurs calculées par ExifTool à partir d’autres balises (Composite) figurent à la fin et ne sont pas comptées&#xa0;: elles ne sont pas stockées dans le fichier.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>gardée, désormais listée sous %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>gardée dans les notes du fabricant, qu’ExifTool ne sait plus nommer</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>calculée, non stockée dans le fichier</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Overwrite original</source>
        <translation>Remplacer l’original</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Enregistrer les images nettoyées dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Ajouter un préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Ajouter un suffixe&#xa0;:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Choisir le dossier de destination&#xa0;:</translation>
    </message>
    <message>
        <source>Output mode:</source>
        <translation>Mode de sortie&#xa0;:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>Le résultat est endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool ne parvient pas à relire le résultat.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool ne parvient pas à relire le résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Le fichier produit n’a pas pu être relu&#xa0;; ce qu’il contient encore est inconnu.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Le fichier raw nettoyé ne s’ouvre plus dans un convertisseur raw (%1)&#xa0;; l’original est conservé.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Le fichier raw nettoyé ne donne plus l’image de l’original&#xa0;; l’original est conservé.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>L’image a été copiée sans rien en retirer.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Problèmes de ce traitement</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Ce que ce traitement n’a pas pu faire, image par image. Survolez un nom pour voir son chemin complet.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Le traitement s’est terminé sur une erreur interne</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>N’ont pas pu être nettoyées</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Contiennent encore des métadonnées identifiantes</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Avertissements sur les images nettoyées</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Aucune image de ce traitement n’a posé de problème.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(Les messages d’ExifTool continuent&#x202f;; seuls leurs 4 premiers Mo sont affichés.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Messages d’ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Afficher les messages d’ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Masquer les messages d’ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Supprimer les métadonnées</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Afficher les problèmes</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Recherche des images...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Rien n’a été nettoyé</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Le fichier de réglages %1 dépasse 1 Mo et n’a pas été lu.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Aucune option n’est encore enregistrée, les options par défaut sont donc utilisées&#xa0;: des copies nettoyées nommées avec «&#xa0;%1&#xa0;», à côté des originaux.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Rien n’a été nettoyé&#x202f;; le traitement a été arrêté</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Aucune image à nettoyer&#xa0;: rien n’a été sélectionné.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>Aucune image à nettoyer dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>Aucune image à nettoyer dans %1 et %n autre élément.</numerusform>
            <numerusform>Aucune image à nettoyer dans %1 et %n autres éléments.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Remplacer l’original de %n image&#x202f;?</numerusform>
            <numerusform>Remplacer les originaux de %n images&#x202f;?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Les originaux seront remplacés. Cette opération est irréversible.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Rien n’a été nettoyé&#x202f;; les originaux sont intacts</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Nettoyage de %n image...</numerusform>
            <numerusform>Nettoyage de %n images...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Un ou plusieurs fichiers de sortie existent déjà&#x202f;! Voulez-vous remplacer les fichiers existants&#x202f;?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Aucun programme n’est configuré ici pour ouvrir les dossiers. Les images nettoyées se trouvent dans ce dossier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Prêt à démarrer</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Ne plus afficher cette page.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>999 images seront nettoyées sous forme de copies dont le nom se termine par «&#xa0;_cleaned&#xa0;». Suppression&#xa0;: toutes les métadonnées prises en charge, APP14. Les dates des fichiers sont remplacées par des dates aléatoires. Les originaux en échec vont à la corbeille.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Les originaux seront remplacés. Cette opération est irréversible.</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Appuyez sur «&#xa0;Démarrer&#xa0;» pour nettoyer les images.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Impossible de démarrer</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 original ne peut pas être remplacé&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n original ne peut pas être remplacé&#xa0;: %1</numerusform>
            <numerusform>%n originaux ne peuvent pas être remplacés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: %2 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: impossible d’écrire dans %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Impossible d’écrire dans le dossier %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>Impossible d’écrire dans %n dossier&#xa0;: %1</numerusform>
            <numerusform>Impossible d’écrire dans %n dossiers&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Espace libre insuffisant sur %1&#xa0;: environ %2 nécessaires, %3 libres.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Traitement des images en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>En cours</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>environ %n s restante</numerusform>
            <numerusform>environ %n s restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>environ %n min restante</numerusform>
            <numerusform>environ %n min restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>environ %n h restante</numerusform>
            <numerusform>environ %n h restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>En pause&#xa0;: en attente de votre réponse</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 image contient encore des métadonnées identifiantes.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 image contient encore des métadonnées identifiantes.</numerusform>
            <numerusform>%1 images contiennent encore des métadonnées identifiantes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Nettoyée&#xa0;: plus aucune métadonnée identifiante.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Des métadonnées identifiantes subsistent&#xa0;:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Inchangée&#xa0;: ExifTool n’a rien pu supprimer.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Échec&#xa0;: aucun fichier nettoyé n’a été écrit.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Ignorée.</translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 fichier RAW qu’ExifTool ne sait pas écrire</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n fichier RAW qu’ExifTool ne sait pas écrire</numerusform>
            <numerusform>%n fichiers RAW qu’ExifTool ne sait pas écrire</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 image qu’ExifTool ne sait pas écrire</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n image qu’ExifTool ne sait pas écrire</numerusform>
            <numerusform>%n images qu’ExifTool ne sait pas écrire</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 chemin plus long que ce que le système permet</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n chemin plus long que ce que le système permet</numerusform>
            <numerusform>%n chemins plus longs que ce que le système permet</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 fichier qui n’est pas une image prise en charge</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n fichier qui n’est pas une image prise en charge</numerusform>
            <numerusform>%n fichiers qui ne sont pas des images prises en charge</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 fichier a été laissé de côté&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n fichier a été laissé de côté&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers ont été laissés de côté&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Nettoyée</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Encore identifiante</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Non nettoyée</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Écartée</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Résultat conservé</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Non traitée</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Le fichier n’est pas une image %1&#x202f;; il ressemble à un fichier %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Le fichier n’est pas une image %1 valide.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>L’image %1 est endommagée.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Le fichier est endommagé ou n’est pas le type d’image qu’indique son nom.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool n’avait rien à recopier dans le fichier nettoyé (aucune balise inscriptible définie).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Le traitement s’est terminé sur une erreur interne</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Aucune image n’a été nettoyée&#xa0;: le traitement s’est terminé sur une erreur interne</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Aucune image n’a été nettoyée&#x202f;; le traitement a été arrêté</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Aucune image n’a été nettoyée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Aucune image n’a été nettoyée&#x202f;; 1 n’a pas pu l’être</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Aucune image n’a été nettoyée&#x202f;; %1 n’a pas pu l’être</numerusform>
            <numerusform>Aucune image n’a été nettoyée&#x202f;; %1 n’ont pas pu l’être</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Aucune image n’a été nettoyée</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>L’image a été nettoyée</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 image a été nettoyée</numerusform>
            <numerusform>Les %1 images ont toutes été nettoyées</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>Images nettoyées&#xa0;: 0 sur 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>Images nettoyées&#xa0;: %1 sur %2</numerusform>
            <numerusform>Images nettoyées&#xa0;: %1 sur %2</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>&#x202f;; le traitement a été arrêté</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>&#x202f;; 1 contient encore des métadonnées identifiantes</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>&#x202f;; %1 contient encore des métadonnées identifiantes</numerusform>
            <numerusform>&#x202f;; %1 contiennent encore des métadonnées identifiantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>&#x202f;; %1 n’a pas pu être nettoyée</numerusform>
            <numerusform>&#x202f;; %1 n’ont pas pu être nettoyées</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>&#x202f;; 1 résultat existant a été conservé</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>&#x202f;; %1 résultat existant a été conservé</numerusform>
            <numerusform>&#x202f;; %1 résultats existants ont été conservés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 image a été nettoyée.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 image a été nettoyée.</numerusform>
            <numerusform>%1 images ont été nettoyées.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 image n’a pas pu être nettoyée.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 image n’a pas pu être nettoyée.</numerusform>
            <numerusform>%1 images n’ont pas pu être nettoyées.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 image n’a pas été traitée avant l’arrêt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 image n’a pas été traitée avant l’arrêt.</numerusform>
            <numerusform>%1 images n’ont pas été traitées avant l’arrêt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 résultat existant a été conservé.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 résultat existant a été conservé.</numerusform>
            <numerusform>%1 résultats existants ont été conservés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 fichier a été laissé de côté.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 fichier a été laissé de côté.</numerusform>
            <numerusform>%1 fichiers ont été laissés de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 vidéo d’un type non nettoyé</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n vidéo d’un type non nettoyé</numerusform>
            <numerusform>%n vidéos de types non nettoyés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Métadonnées à supprimer&#xa0;:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Tout ce qui est pris en charge</translation>
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
        <translation>Miniature Exif</translation>
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
        <translation>Balise &amp;&amp; miniature PS</translation>
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
        <translation>Toutes les autres</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Conserver l’orientation et le profil de couleurs</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>toutes les métadonnées prises en charge</translation>
    </message>
    <message>
        <source>TIFF IFD0</source>
        <translation>TIFF IFD0</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>le manuel</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Avertissement&#xa0;: pour les formats d’image autres que JPEG, ce programme ne peut pas garantir la prise en charge complète de toutes les balises ci-dessus. Les images RAW sont particulièrement complexes. Vérifiez les images produites pour vous assurer que les métadonnées indésirables ont bien été supprimées. Consultez %1 pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 image</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 image</numerusform>
            <numerusform>%1 images</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Un préfixe ou un suffixe fait partie du nom de fichier et ne peut pas contenir «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 résultat antérieur écarté)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n résultat antérieur écarté)</numerusform>
            <numerusform>(%n résultats antérieurs écartés)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Erreur&#xa0;: la vidéo est incomplète (elle se termine au milieu d’une boîte)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Erreur&#xa0;: ce n’est pas une vidéo lisible (aucun en-tête de film)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>la vidéo remultiplexée n’a pas pu être conservée</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg s’est arrêté avec le code %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Erreur&#xa0;: ffmpeg ne sait pas remultiplexer cette vidéo&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Bienvenue dans Quillmark&#x202f;!</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Ce programme supprime les balises de métadonnées et les miniatures contenues dans les fichiers image. Cela aide à protéger votre vie privée en ligne, tout en économisant de l’espace disque. Déposez des photos ou des dossiers ici, ou cliquez sur «&#xa0;Suivant&#xa0;» pour les choisir.</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Essayez «&#xa0;quillmark --help&#xa0;».</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto&#xa0;: le fichier de réglages %1 dépasse 1 Mo et n’a pas été lu&#x202f;; rien n’a été nettoyé</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Supprime les métadonnées des fichiers image, dans une fenêtre d’assistant.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Nettoyer FOLDER sans intervention avec les options enregistrées, puis quitter.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Images et dossiers avec lesquels commencer.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto attend exactement un dossier et aucun autre chemin.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto&#xa0;: %1&#xa0;: le dossier ne peut pas être lu</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto&#xa0;: %1&#xa0;: dossier introuvable</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto&#xa0;: %1&#xa0;: n’est pas un dossier</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Nettoyer les images et dossiers indiqués comme PATH avec les options enregistrées, en affichant le résultat dans une petite fenêtre.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean et -auto ne peuvent pas être utilisés ensemble.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Choisir le dossier où placer les images nettoyées...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Essayez «&#xa0;quillmark-cli --help&#xa0;».</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1&#xa0;: fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1&#xa0;: image non prise en charge&#x202f;; ignorée</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Fichiers image et dossiers à nettoyer.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Destination des fichiers nettoyés&#xa0;: overwrite, folder=DIR, prefix=TEXT ou suffix=TEXT (par défaut suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Ce qu’il faut supprimer, liste séparée par des virgules parmi&#xa0;: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (par défaut all).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Dates des fichiers nettoyés&#xa0;: keep, random ou &quot;YYYY-MM-DD HH:MM:SS&quot; (par défaut keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Déplacer les originaux des images qui n’ont pas pu être nettoyées&#xa0;: trash, ou un dossier.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Remplacer les fichiers nettoyés qui existent déjà (par défaut, ils sont conservés).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Ne pas ignorer les erreurs mineures et les avertissements.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Partir des options enregistrées par la fenêtre de Quillmark&#x202f;; les options données ici s’appliquent quand même.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Nombre de processus ExifTool simultanés (par défaut&#xa0;: le nombre de cœurs).</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output attend overwrite, folder=DIR, prefix=TEXT ou suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove attend une liste séparée par des virgules parmi all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates attend keep, random ou une date &quot;YYYY-MM-DD HH:MM:SS&quot; de 1980 à 2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed attend trash ou un dossier</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>aucun dossier de destination indiqué</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>le préfixe ou le suffixe est vide</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>rien à supprimer</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs attend un nombre de 1 à 64</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>aucun fichier image ni dossier indiqué</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: aucune image prise en charge trouvée</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool est introuvable. Installez-le (paquet Debian libimage-exiftool-perl) ou placez le programme exiftool à côté de quillmark-cli.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Ce qui reste quoi que dise --remove, car cela change l’aspect de l’image et n’identifie personne&#xa0;: liste séparée par des virgules parmi orientation et color, ou none (par défaut orientation,color).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Écrire dans FILE un rapport JSON du résultat de chaque image («&#xa0;-&#xa0;» pour la sortie standard&#x202f;; le résumé va alors sur la sortie d’erreur).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Ne pas vérifier s’il reste des métadonnées identifiantes dans les fichiers nettoyés (plus rapide).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Nettoyer aussi les chemins listés dans FILE, un par ligne («&#xa0;-&#xa0;» lit l’entrée standard).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Les chemins de la liste --files-from se terminent par NUL, pas par un saut de ligne.</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep attend une liste séparée par des virgules parmi orientation et color, ou none</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>le préfixe ou le suffixe doit faire partie d’un nom de fichier&#xa0;: il ne peut pas contenir «&#xa0;/&#xa0;»</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>rien à supprimer&#xa0;: le profil de couleurs est conservé (voir --keep)</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: le profil de couleurs est conservé&#x202f;; --keep orientation ou --keep none le supprime</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report attend un nom de fichier ou «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: impossible d’écrire le rapport %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null nécessite --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>impossible de lire la liste %1</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Recherche des images...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Arrêté pendant la recherche des images&#x202f;; rien n’a été nettoyé.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings&#xa0;: le fichier de réglages %1 dépasse 1 Mo et n’a pas été lu</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Qui écrit les fichiers nettoyés&#xa0;: auto (JPEG, PNG, WebP et GIF par l’écrivain propre de Quillmark quand il le peut, le reste par ExifTool) ou exiftool (chaque fichier par ExifTool) (par défaut auto).</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine attend auto ou exiftool</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: impossible de démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>Aucune image à nettoyer dans %1.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>CHEMIN...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>N’afficher que le résumé (rien avec --report -)&#x202f;; les erreurs qui mettent fin au traitement sont toujours affichées.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Indiquer ce qui serait nettoyé, où irait chaque résultat et ce que chaque image contient actuellement&#x202f;; ne rien écrire.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Lister les métadonnées identifiantes de chaque fichier, comme le fait la visionneuse de métadonnées&#x202f;; ne rien modifier.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run et --show ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1&#xa0;: lecture impossible&#xa0;: %2</translation>
    </message>
    <message>
        <source>  %1: %2 = %3</source>
        <translation>  %1&#xa0;: %2 = %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>L’image ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Ne contient rien d’identifiant.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Contient&#xa0;: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 image serait nettoyée&#x202f;; rien n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 image serait nettoyée&#x202f;; rien n’a été écrit.</numerusform>
            <numerusform>%1 images seraient nettoyées&#x202f;; rien n’a été écrit.</numerusform>
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
        <translation>Supprime les métadonnées (Exif, GPS, miniatures, XMP, IPTC, ICC, ...) des fichiers image avec ExifTool,
et des vidéos MOV et MP4 en les remultiplexant avec ffmpeg.
Les dossiers sont parcourus avec tous leurs sous-dossiers.

Chaque résultat est ensuite vérifié&#x202f;; les métadonnées identifiantes qui restent sont signalées.

Code de sortie&#xa0;: 0 terminé sans reste, 1 des problèmes ont été signalés, des métadonnées identifiantes restent, une image est
restée inchangée ou n’a pas pu être nettoyée, un fichier indiqué sur la ligne de commande a été ignoré, ou un fichier
trouvé dans un dossier a été laissé de côté (un type de vidéo non nettoyé, un type qu’ExifTool ne sait pas écrire, un chemin trop long)&#x202f;;
2 utilisation incorrecte ou rien à nettoyer, 3 erreur interne&#x202f;;
arrêt par SIGINT, SIGTERM ou SIGHUP&#xa0;: 130, 143 ou 129 (un second SIGINT arrête immédiatement).</translation>
    </message>
</context>
</TS>
