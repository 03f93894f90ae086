<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>No se pudo escribir el archivo de argumentos: %1</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>¡Error interno del programa!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Limpiando las imágenes...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>No se encontró ExifTool. Instálelo (paquete de Debian libimage-exiftool-perl) o coloque el programa exiftool junto a Quillmark.</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Ocultando las fechas de los archivos...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Comprobando los archivos...</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Se han notificado problemas. Consulte el registro para más detalles.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>¡Terminado!</translation>
    </message>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>No limpiada: la ejecución se detuvo</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: no se puede crear una carpeta de trabajo en %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: no se puede crear el registro en %2</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Descartada: un resultado anterior de otra imagen de esta ejecución</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Descartada (un resultado anterior) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Error: la ruta es más larga de lo que permite el sistema (%1 bytes)</translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Omitida: el resultado sustituiría a la propia imagen</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Omitida: el resultado sustituiría a otra imagen de esta ejecución</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Error: ExifTool terminó antes de acabar esta imagen</translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>se conservó el resultado existente</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Un prefijo o sufijo debe formar parte de un nombre de archivo: no puede estar vacío ni contener «/».</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>Se conservó 1 resultado existente.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>Se conservó %n resultado existente.</numerusform>
            <numerusform>Se conservaron %n resultados existentes.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>Se descartó 1 resultado anterior.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>Se descartó %n resultado anterior.</numerusform>
            <numerusform>Se descartaron %n resultados anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>La ejecución se detuvo; las imágenes limpiadas hasta ahora se conservan.</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Error: no se puede leer la imagen (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 otro nombre de este archivo (un enlace duro) aún contiene sus metadatos</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n otro nombre de este archivo (un enlace duro) aún contiene sus metadatos</numerusform>
            <numerusform>%n otros nombres de este archivo (enlaces duros) aún contienen sus metadatos</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Guardado como %1: otra imagen de esta ejecución tiene el mismo nombre</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Error: el archivo limpio estaría dañado (%1); se conserva el original</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Error: se conserva el original: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>No limpiado: en uso por otra ejecución u otro programa (%1)</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>no se indicó ninguna carpeta para los archivos con problemas</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>la papelera lo rechazó</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>no se puede mover allí</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>El original se movió a la papelera.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>El original se movió a %1.</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>No se pudo mover el original: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>No se pudo mover el original: %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>la imagen cambió mientras se limpiaba</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>no se pueden conservar el propietario y el grupo del archivo (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>no se puede conservar la lista de control de acceso del archivo (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>no se pueden conservar los permisos del archivo</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 archivo con problemas se movió a la papelera.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n archivo con problemas se movió a la papelera.</numerusform>
            <numerusform>%n archivos con problemas se movieron a la papelera.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 archivo con problemas se movió a %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n archivo con problemas se movió a %1.</numerusform>
            <numerusform>%n archivos con problemas se movieron a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 archivo con problemas no se pudo mover a la papelera; el registro indica por qué.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n archivo con problemas no se pudo mover a la papelera; el registro indica por qué.</numerusform>
            <numerusform>%n archivos con problemas no se pudieron mover a la papelera; el registro indica por qué.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 archivo con problemas no se pudo mover a %1; el registro indica por qué.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n archivo con problemas no se pudo mover a %1; el registro indica por qué.</numerusform>
            <numerusform>%n archivos con problemas no se pudieron mover a %1; el registro indica por qué.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 imagen procesada (%2 KB ahorrados)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 imagen procesada (%2 KB ahorrados)</numerusform>
            <numerusform>%1 imágenes procesadas (%2 KB ahorrados)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 imagen procesada</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 imagen procesada</numerusform>
            <numerusform>%1 imágenes procesadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>en %1 segundo (%2 s de media)</numerusform>
            <numerusform>en %1 segundos (%2 s de media)</numerusform>
        </translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>La carpeta temporal %1 no puede contener el archivo de argumentos de ExifTool; indique otra carpeta en TMPDIR o TEMP.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>en %1 segundo (%2 s de media)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Descartada: los vídeos necesitan ffmpeg, que no está instalado</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Descartada (ffmpeg no está instalado) - %1</translation>
    </message>
</context>
<context>
    <name>CleanWizard</name>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Opciones (1/3)</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Opciones (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Elija qué etiquetas de metadatos desea eliminar.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Iniciar &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Opciones (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Configure opciones adicionales y reglas de procesamiento.</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Espere mientras se procesan las imágenes...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>¡El asistente ha terminado de limpiar las imágenes! Pulse «Salir» para cerrar el programa o «Atrás» para procesar más archivos.</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>¡Ya existen uno o varios archivos de salida! ¿Desea sobrescribir los archivos existentes?</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Se produjo un error al leer el archivo...</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 imagen</numerusform>
            <numerusform>%1 imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Añadiendo archivos...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Seleccione una carpeta con las imágenes que desea añadir:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>No hay archivos que procesar...</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif es el estándar de metadatos que usan las cámaras digitales para guardar información sobre la imagen, la ubicación, los ajustes de la cámara, etc. Se encuentra en imágenes JPG, TIFF, PNG, MIFF y HDP, así como en muchas imágenes RAW basadas en TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Los datos de geolocalización guardan el lugar donde se tomó la foto. Las etiquetas GPS forman parte del estándar Exif y se guardan en una sección aparte dentro de la información Exif.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Miniatura Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Una miniatura es una representación pequeña de la imagen que permite mostrar rápidamente una vista previa.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Perfil de color ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>La información del perfil ICC se usa en muchos tipos de archivo, entre ellos JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT y algunos formatos RAW. Eliminar esta etiqueta puede cambiar el aspecto de los colores de la imagen.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP es un formato de metadatos impulsado por Adobe. La información en este formato puede estar incrustada en muchos tipos de archivo de imagen, entre ellos JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU y MIFF, así como en formatos de vídeo y audio.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Es un formato de metadatos antiguo que XMP está sustituyendo poco a poco. La información IPTC puede estar incrustada en imágenes JPG, TIFF, PNG, MIFF, PS, PDF, PSD y DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Todas las demás compatibles</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Incluye el comentario JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky y MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>El prefijo se añade DELANTE del nombre de archivo actual para crear un nuevo archivo de imagen.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>El sufijo se añade DETRÁS del nombre de archivo actual para crear un nuevo archivo de imagen.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Etiqueta y miniatura de Photoshop</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Las etiquetas de Photoshop se encuentran en los archivos PSD y también en la información de Photoshop incrustada en muchos otros tipos de archivo (JPEG, TIFF, PDF y PNG, entre otros). Al eliminar esta etiqueta también se elimina la etiqueta IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Eliminar todas las etiquetas compatibles</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>¡Use esta opción para eliminar la mayor cantidad posible de metadatos! Hay una excepción: Adobe APP14 no se elimina, porque podría cambiar el aspecto de la imagen.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Ocultar las fechas de los archivos</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>La fecha de un archivo de imagen puede revelar cuándo se tomó o modificó la imagen. Esta opción cambia las fechas de creación, modificación y último acceso del archivo por una nueva (valores predeterminados: 1980-2010 para fechas aleatorias y 1980-01-01 00:00:00 para una fecha concreta). Tenga en cuenta que las fechas pueden cambiar si más adelante el archivo se modifica, se mueve, se copia, etc.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Mover los archivos con errores</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Si se produjo un error y el archivo no se pudo procesar (según el registro), esta opción permite mover el archivo original a una carpeta o eliminarlo. Si elige mover el archivo a una carpeta y ya existe otro archivo con el mismo nombre, el archivo no se moverá. Nota: esto solo se aplica a los errores, no a las advertencias. Los archivos con advertencias se procesan igualmente, pero las advertencias pueden aparecer en el registro.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Los datos de geolocalización guardan el lugar donde se tomó la foto. GeoTIFF lo usan los archivos TIFF y los formatos de imagen basados en el formato TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Esta etiqueta está presente en los archivos JPEG y contiene información de codificación. Si se elimina, el aspecto de la imagen puede cambiar; por eso no se recomienda eliminarla. No contiene información personal, pero indica que se ha usado un producto de Adobe.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Haga clic aquí para añadir imágenes o arrástrelas a la lista de archivos de la derecha.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Este programa está pensado sobre todo para imágenes JPEG, pero también funciona con otros formatos de archivo, entre ellos: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD y X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Añadir imágenes de una carpeta</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Igual que lo anterior, pero usted elige una carpeta y el programa añade todas las imágenes de esa carpeta y sus subcarpetas.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Debido a un error de Windows 7, su sistema usa un conjunto de fuentes demasiado grande para la configuración de PPP actual. Esto puede hacer que Quillmark (y otras aplicaciones) se vean deformadas. Aunque solo es un problema visual, le recomiendo corregirlo; ¡ahora se abrirá una página de ayuda!</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>¿Detener la limpieza? Las imágenes ya limpias se conservan.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>Se limpiará 1 imagen</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>Se limpiará %1 imagen</numerusform>
            <numerusform>Se limpiarán %1 imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>en su sitio: se sobrescriben los originales.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>en la carpeta %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>como copias cuyo nombre empieza por «%1».</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>como copias cuyo nombre termina en «%1».</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Se elimina: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Las fechas de los archivos se cambian a %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Las fechas de los archivos se cambian por fechas aleatorias.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Los originales que fallen van a la papelera.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Los originales que fallen se mueven a %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Aquí no hay ningún programa configurado para abrir carpetas. Las imágenes limpias están en esta carpeta:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Aquí no hay ningún navegador web configurado. La página web es:</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Conservar la orientación y el perfil de color</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>La etiqueta de orientación indica a los visores en qué posición mostrar la imagen, y el perfil de color les indica qué colores contiene. Sin la orientación, las fotos verticales se muestran de lado; sin el perfil de color, los colores pueden verse mal (por ejemplo, en las fotos de gama amplia de los teléfonos recientes). Ninguno de los dos identifica a una persona, así que ambos se conservan salvo que desmarque esta opción.</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Estos archivos no se han podido añadir: sus nombres no son UTF-8 válido y el diálogo de archivos no puede transmitirlos. Añádalos con «Añadir carpeta» o arrástrelos a la lista:</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>El archivo de configuración %1 supera 1 MB, mucho más de lo que ocupa nunca una configuración guardada, así que no se ha leído. Quillmark se inicia con las opciones predeterminadas y deja el archivo como está; las opciones de esta sesión no se guardarán.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Eliminar los datos TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Las imágenes TIFF pueden contener información en el primer directorio de archivo de imagen (IFD0), separada de las demás etiquetas. Esto se aplica a los archivos TIFF y a los tipos de imagen basados en el formato TIFF: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 y SRW.</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Elegir archivos de imagen</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Añada las imágenes que desea limpiar. Cuando esté listo, haga clic en «Siguiente» para pasar a la página de salida.</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Decida dónde y cómo guardar los archivos limpios. Haga clic en «Siguiente» para pasar a la segunda página de opciones.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Listo para empezar</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Limpiando imágenes</translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>No se encontraron imágenes que limpiar en %1.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>No se encontraron imágenes que limpiar en %n carpeta: %1</numerusform>
            <numerusform>No se encontraron imágenes que limpiar en %n carpetas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: no se puede iniciar: %1</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Compruebe lo que hará la ejecución; con «&lt; Atrás» puede cambiar las opciones.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>No se pudo iniciar ningún programa: no se indicó ninguno.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>No se pudo iniciar %1: la carpeta de trabajo %2 no existe.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 se detuvo porque el programa se está cerrando.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 se cerró inesperadamente o se forzó su cierre.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>los datos de imagen no tienen marcador de fin</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>el archivo termina antes del marcador de fin de imagen</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>un segmento no empieza con un marcador</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>el archivo termina dentro de un segmento</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>un segmento sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>el archivo termina antes del fragmento IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>el fragmento %1 sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>el archivo es más corto de lo que indica su cabecera RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>una cabecera de fragmento sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>el archivo termina dentro de la cabecera</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>el archivo termina antes del marcador final del GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>el archivo termina dentro de un descriptor de imagen</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>el archivo termina dentro de una extensión</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>un tipo de bloque desconocido</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>un bloque sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>no se puede leer el resultado</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Ocultar las fechas de los archivos</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Cambiar a la fecha:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Generar una fecha aleatoria</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Nueva fecha del archivo</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(cambiar)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Ignorar errores leves y advertencias</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Si el procesamiento falla, mover el archivo original a:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Carpeta para los archivos con problemas</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Seleccione la carpeta de destino:</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Opciones adicionales</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 se detuvo de forma inesperada.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Establecer la fecha</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Establecer la hora</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Introduzca un año. El valor predeterminado es 1980 (no se puede usar uno anterior). Formato: AAAA</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Año no válido...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Introduzca un mes. El valor predeterminado es 1 (válido: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Mes no válido...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Introduzca un día. El valor predeterminado es 1 (válido: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Día no válido...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Introduzca una hora. El valor predeterminado es 0 (solo formato de 24 horas, válido: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Hora no válida...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Introduzca un minuto. El valor predeterminado es 0 (válido: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Minuto no válido...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Introduzca un segundo. El valor predeterminado es 0 (válido: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Segundo no válido...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>¡Terminado!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>¡## imágenes limpiadas!</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Detalles del error</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Mostrar metadatos</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Haga clic aquí para abrir la carpeta de destino...</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Mostrar los problemas de esta ejecución...</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Imágenes de esta ejecución (doble clic para comparar):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Imágenes de esta ejecución</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Cada imagen con lo que ha sido de ella. Ctrl+I, un doble clic o el menú contextual muestra lo que la limpieza eliminó del archivo actual y lo que queda.</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Ocultar las imágenes sin procesar</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Mostrar la imagen sin procesar</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Mostrar %1 imagen sin procesar</numerusform>
            <numerusform>Mostrar las %1 imágenes sin procesar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Ubicación (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>el lugar donde se tomó (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nombre de lugar</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>el lugar donde se tomó (nombres de lugares)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Zona horaria de origen</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>la zona horaria de origen de la cámara</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Ubicación (posición en un mapa)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>su posición en un mapa</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Número de serie del objetivo</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>el número de serie del objetivo</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Número de serie de la cámara</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>el número de serie de la cámara</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Identificador único</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>identificadores únicos</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nombre del ordenador</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>el nombre del ordenador</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Nombre de archivo original</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>el nombre de archivo original</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nombre de la cámara</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>el nombre de la cámara</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Marca y modelo del objetivo</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>la marca y el modelo del objetivo</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Marca y modelo de la cámara</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>la marca y el modelo de la cámara</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Número de disparos</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>el número de fotos tomadas por la cámara</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Detalle de la cámara o del dispositivo</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>detalles de la cámara</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Nombre del propietario</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>el nombre del propietario</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>una dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Datos de contacto</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>datos de contacto</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Personas que aparecen</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>las personas que aparecen en ella</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Aviso de derechos de autor</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>un aviso de derechos de autor</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Nombre del autor</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>el nombre del autor</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Fecha y hora de la toma</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>la fecha en que se tomó</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Fecha y hora de modificación</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>la fecha en que se modificó</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>fechas y horas</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>el software utilizado</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>la impresora</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Número de imagen</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>el número de imagen</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Nombre del documento</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>el nombre del documento</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Otros metadatos</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Cámara y dispositivo</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Nombres de personas</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Fechas y horas</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Identificadores</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>No se encontró nada identificativo en la lista.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>Esta foto revela %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>Este vídeo revela %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Omitido: ExifTool no puede escribir este tipo RAW</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Omitido: ExifTool no puede escribir este tipo de imagen</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>La ruta es más larga de lo que permite el sistema (%1 bytes)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>No es un tipo de imagen compatible.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Imágenes y vídeos compatibles</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Omitido: este tipo de vídeo no se limpia</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Quitar los archivos seleccionados</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Vaciar la lista de archivos</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Imágenes que se limpiarán</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Aún no hay imágenes. Añádalas con los botones de la izquierda o arrástrelas aquí.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Mostrar metadatos</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I muestra los metadatos de la imagen actual; Supr quita las imágenes seleccionadas.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 imágenes</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 imagen</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Añadiendo archivos...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>No hay archivos que procesar...</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Haga doble clic en una imagen para ver sus metadatos</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: no es un archivo de este usuario</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>QUEDA</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>CAMBIADA</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>AÑADIDA</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculada</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Visor de metadatos</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadatos</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Mostrar etiquetas &amp;eliminadas</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Visor de metadatos</translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - comparado con el original - Visor de metadatos</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Limpio: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>%1 etiquetas eliminadas, %2 conservadas, %3 añadidas.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 de las etiquetas conservadas puede identificarle (marcada con !).</numerusform>
            <numerusform>%1 de las etiquetas conservadas pueden identificarle (marcadas con !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Las etiquetas en negrita siguen en el archivo limpio y aparecen primero; las tachadas se eliminaron. No se muestran los nombres, tamaños ni fechas de los archivos en el disco.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Metadatos identificativos</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Qué revela</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>%n valor que ExifTool calcula a partir de otras etiquetas (Composite) aparece al final y no se cuenta: no está guardado en el archivo.</numerusform>
            <numerusform>Los %n valores que ExifTool calcula a partir de otras etiquetas (Composite) aparecen al final y no se cuentan: no están guardados en el archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>conservada, ahora listada como %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>conservada en las notas del fabricante, que ExifTool ya no sabe nombrar</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>calculada, no guardada en el archivo</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Overwrite original</source>
        <translation>Sobrescribir el original</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Guardar las imágenes limpias en esta carpeta:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Añadir prefijo:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Añadir sufijo:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Seleccione la carpeta de destino:</translation>
    </message>
    <message>
        <source>Output mode:</source>
        <translation>Modo de salida:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>El resultado está dañado: %1.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool no puede volver a leer el resultado.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool no puede volver a leer el resultado: %1</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>No se pudo volver a leer el archivo resultante; no se sabe qué queda en él.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>El archivo raw limpio ya no se abre en un conversor raw (%1); se conserva el original.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>El archivo raw limpio ya no da la imagen del original; se conserva el original.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>La imagen se copió sin quitar nada.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Problemas de esta ejecución</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Lo que esta ejecución no pudo hacer, imagen por imagen. Pase el ratón sobre un nombre para ver su ruta completa.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>La ejecución terminó con un error interno</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>No se pudieron limpiar</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Aún contienen metadatos identificativos</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Advertencias sobre las imágenes limpiadas</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Ninguna imagen de esta ejecución tuvo problemas.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(Los mensajes de ExifTool continúan; aquí se muestran sus primeros 4 MB.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Mensajes de ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Mostrar los mensajes de ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Ocultar los mensajes de ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Eliminar los metadatos</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Mostrar problemas</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Buscando imágenes...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>No se limpió nada</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>El archivo de configuración %1 supera 1 MB y no se ha leído.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Todavía no hay opciones guardadas, así que se usan las predeterminadas: copias limpias con «%1» en el nombre junto a los originales.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>No se limpió nada; la ejecución se detuvo</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>No hay ninguna imagen que limpiar: no se seleccionó nada.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>No hay ninguna imagen que limpiar en %1.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>No hay ninguna imagen que limpiar en %1 ni en %n elemento más.</numerusform>
            <numerusform>No hay ninguna imagen que limpiar en %1 ni en otros %n elementos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>¿Sobrescribir el original de %n imagen?</numerusform>
            <numerusform>¿Sobrescribir los originales de %n imágenes?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Los originales se sobrescribirán. Esto no se puede deshacer.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>No se limpió nada; los originales siguen como estaban</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Limpiando %n imagen...</numerusform>
            <numerusform>Limpiando %n imágenes...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>¡Ya existen uno o varios archivos de salida! ¿Desea sobrescribir los archivos existentes?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Aquí no hay ningún programa configurado para abrir carpetas. Las imágenes limpias están en esta carpeta:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Listo para empezar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Omitir esta página en adelante.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>Se limpiarán 999 imágenes como copias cuyo nombre termina en «_cleaned». Se elimina: todos los metadatos compatibles, APP14. Las fechas de los archivos se cambian por fechas aleatorias. Los originales que fallen van a la papelera.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Los originales se sobrescribirán. Esto no se puede deshacer.</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Pulse «Iniciar» para limpiar las imágenes.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>No se puede iniciar</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 original no se puede sobrescribir: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n original no se puede sobrescribir: %1</numerusform>
            <numerusform>%n originales no se pueden sobrescribir: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>No se puede crear la carpeta %1: %2 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>No se puede crear la carpeta %1: no se puede escribir en %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>No se puede escribir en %n carpeta: %1</numerusform>
            <numerusform>No se puede escribir en %n carpetas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>No hay suficiente espacio libre en %1: se necesitan unos %2 y hay %3 libres.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Procesando imágenes, espere...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Trabajando</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>queda aprox. %n s</numerusform>
            <numerusform>quedan aprox. %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>queda aprox. %n min</numerusform>
            <numerusform>quedan aprox. %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>queda aprox. %n h</numerusform>
            <numerusform>quedan aprox. %n h</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>En pausa: esperando su respuesta</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 imagen aún contiene metadatos identificativos.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 imagen aún contiene metadatos identificativos.</numerusform>
            <numerusform>%1 imágenes aún contienen metadatos identificativos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Limpia: no quedan metadatos identificativos.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Quedan metadatos identificativos:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Sin cambios: ExifTool no pudo eliminar nada.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Fallida: no se escribió ningún archivo limpio.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Omitida.</translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 archivo RAW que ExifTool no puede escribir</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n archivo RAW que ExifTool no puede escribir</numerusform>
            <numerusform>%n archivos RAW que ExifTool no puede escribir</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 imagen que ExifTool no puede escribir</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n imagen que ExifTool no puede escribir</numerusform>
            <numerusform>%n imágenes que ExifTool no puede escribir</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 ruta más larga de lo que permite el sistema</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n ruta más larga de lo que permite el sistema</numerusform>
            <numerusform>%n rutas más largas de lo que permite el sistema</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 archivo que no es una imagen compatible</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n archivo que no es una imagen compatible</numerusform>
            <numerusform>%n archivos que no son imágenes compatibles</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>Se omitió 1 archivo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>Se omitió %n archivo: %1.</numerusform>
            <numerusform>Se omitieron %n archivos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Limpia</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Aún identificativa</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>No limpiada</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Descartada</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Resultado conservado</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Sin procesar</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>El archivo no es una imagen %1; parece un archivo %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>El archivo no es una imagen %1 válida.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>La imagen %1 está dañada.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>El archivo está dañado o no es el tipo de imagen que indica su nombre.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool no tenía nada que volver a copiar en el archivo limpio (ninguna etiqueta escribible definida).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>La ejecución terminó con un error interno</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>No se limpió ninguna imagen: la ejecución terminó con un error interno</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>No se limpió ninguna imagen; la ejecución se detuvo</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>No se limpió ninguna imagen: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>No se limpió ninguna imagen; 1 no se pudo limpiar</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>No se limpió ninguna imagen; %1 no se pudo limpiar</numerusform>
            <numerusform>No se limpió ninguna imagen; %1 no se pudieron limpiar</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>No se limpió ninguna imagen</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>Se limpió la imagen</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>Se limpió %1 imagen</numerusform>
            <numerusform>Se limpiaron todas las %1 imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>Imágenes limpiadas: 0 de 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>Imágenes limpiadas: %1 de %2</numerusform>
            <numerusform>Imágenes limpiadas: %1 de %2</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; la ejecución se detuvo</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 aún contiene metadatos identificativos</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 aún contiene metadatos identificativos</numerusform>
            <numerusform>; %1 aún contienen metadatos identificativos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 no se pudo limpiar</numerusform>
            <numerusform>; %1 no se pudieron limpiar</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; se conservó 1 resultado existente</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; se conservó %1 resultado existente</numerusform>
            <numerusform>; se conservaron %1 resultados existentes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>Se limpió 1 imagen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>Se limpió %1 imagen.</numerusform>
            <numerusform>Se limpiaron %1 imágenes.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 imagen no se pudo limpiar.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 imagen no se pudo limpiar.</numerusform>
            <numerusform>%1 imágenes no se pudieron limpiar.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 imagen no se procesó antes de la detención.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 imagen no se procesó antes de la detención.</numerusform>
            <numerusform>%1 imágenes no se procesaron antes de la detención.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>Se conservó 1 resultado existente.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>Se conservó %1 resultado existente.</numerusform>
            <numerusform>Se conservaron %1 resultados existentes.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>Se omitió 1 archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>Se omitió %1 archivo.</numerusform>
            <numerusform>Se omitieron %1 archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 vídeo de un tipo que no se limpia</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n vídeo de un tipo que no se limpia</numerusform>
            <numerusform>%n vídeos de tipos que no se limpian</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Metadatos que se eliminarán:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Todo lo compatible</translation>
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
        <translation>Perfil ICC</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>Etiqueta &amp;&amp; miniatura PS</translation>
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
        <translation>Todas las demás</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Conservar la orientación y el perfil de color</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>todos los metadatos compatibles</translation>
    </message>
    <message>
        <source>TIFF IFD0</source>
        <translation>TIFF IFD0</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>el manual</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Aviso: en formatos de imagen distintos de JPEG, este programa no puede garantizar la compatibilidad total con todas las etiquetas anteriores. Las imágenes RAW son especialmente complicadas. Compruebe las imágenes generadas para asegurarse de que se han eliminado los metadatos no deseados. Consulte %1 para más información.</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 imagen</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 imagen</numerusform>
            <numerusform>%1 imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Un prefijo o sufijo forma parte del nombre de archivo y no puede contener «/».</translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 resultado anterior descartado)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n resultado anterior descartado)</numerusform>
            <numerusform>(%n resultados anteriores descartados)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Error: el vídeo está incompleto (termina dentro de una caja)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Error: no es un vídeo legible (no tiene cabecera de película)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>no se pudo conservar el vídeo remultiplexado</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg terminó con el código %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Error: ffmpeg no puede remultiplexar este vídeo: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>¡Bienvenido a Quillmark!</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Este programa elimina las etiquetas de metadatos y las miniaturas del interior de los archivos de imagen. Así ayuda a proteger su privacidad en internet y, además, ahorra espacio en disco. Arrastre fotos o carpetas aquí o haga clic en «Siguiente» para elegirlas.</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Pruebe «quillmark --help».</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: el archivo de configuración %1 supera 1 MB y no se ha leído; no se ha limpiado nada</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Elimina los metadatos de los archivos de imagen, en una ventana de asistente.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Limpiar FOLDER sin intervención con las opciones guardadas y salir.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Imágenes y carpetas con las que empezar.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto espera exactamente una carpeta y ninguna otra ruta.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: no se puede leer la carpeta</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: no existe la carpeta</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: no es una carpeta</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Limpiar las imágenes y carpetas indicadas como PATH con las opciones guardadas y mostrar el resultado en una ventana pequeña.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean y -auto no se pueden usar juntos.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Buscar una carpeta para las imágenes limpias...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Pruebe «quillmark-cli --help».</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: no es una imagen compatible; se omite</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Archivos de imagen y carpetas que se limpiarán.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Dónde se guardan los archivos limpios: overwrite, folder=DIR, prefix=TEXT o suffix=TEXT (predeterminado suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Qué eliminar, una lista separada por comas de: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (predeterminado all).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Fechas de los archivos limpios: keep, random o &quot;YYYY-MM-DD HH:MM:SS&quot; (predeterminado keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Mover los originales de las imágenes que no se pudieron limpiar: trash o una carpeta.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Sustituir los archivos limpios que ya existen (de forma predeterminada se conservan).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>No ignorar los errores leves ni las advertencias.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Partir de las opciones guardadas por la ventana de Quillmark; las opciones indicadas aquí se siguen aplicando.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Procesos de ExifTool simultáneos (predeterminado: el número de núcleos).</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output admite overwrite, folder=DIR, prefix=TEXT o suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove admite una lista separada por comas de all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates admite keep, random o una fecha &quot;YYYY-MM-DD HH:MM:SS&quot; de 1980 a 2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed admite trash o una carpeta</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>no se indicó ninguna carpeta de destino</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>el prefijo o el sufijo está vacío</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>no hay nada que eliminar</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs admite un número del 1 al 64</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>no se indicó ningún archivo de imagen ni carpeta</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: no se encontraron imágenes compatibles</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: no se encontró ExifTool. Instálelo (paquete de Debian libimage-exiftool-perl) o coloque el programa exiftool junto a quillmark-cli.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Lo que se conserva diga lo que diga --remove, porque cambia el aspecto de la imagen y no identifica a nadie: una lista separada por comas de orientation y color, o none (predeterminado orientation,color).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Escribir en FILE un informe JSON del resultado de cada imagen («-» para la salida estándar; el resumen va entonces a la salida de error estándar).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>No comprobar si quedan metadatos identificativos en los archivos limpios (más rápido).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Limpiar también las rutas listadas en FILE, una por línea («-» lee la entrada estándar).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Las rutas de la lista de --files-from terminan en NUL, no en un salto de línea.</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep admite una lista separada por comas de orientation y color, o none</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>el prefijo o el sufijo debe formar parte de un nombre de archivo: no puede contener «/»</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>no hay nada que eliminar: el perfil de color se conserva (véase --keep)</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: el perfil de color se conserva; --keep orientation o --keep none lo elimina</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report admite un nombre de archivo o «-»</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: no se puede escribir el informe %1: %2</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null requiere --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>no se puede leer la lista %1</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Buscando imágenes...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Detenido mientras se buscaban imágenes; no se limpió nada.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: el archivo de configuración %1 supera 1 MB y no se ha leído</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Quién escribe los archivos limpios: auto (JPEG, PNG, WebP y GIF el escritor propio de Quillmark cuando puede, el resto ExifTool) o exiftool (todos los archivos ExifTool) (predeterminado: auto).</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine admite auto o exiftool</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: no se puede iniciar: %1</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>No hay imágenes que limpiar en %1.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>RUTA...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Mostrar solo el resumen (nada con --report -); los errores que terminan la ejecución se siguen mostrando.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Indicar qué se limpiaría, adónde iría cada resultado y qué contiene ahora cada imagen; no escribir nada.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Listar los metadatos identificativos que contiene cada archivo, como hace el visor de metadatos; no cambiar nada.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run y --show no se pueden usar juntos</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: no se puede leer: %2</translation>
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
        <translation>No se puede leer la imagen: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  No contiene nada identificativo.</translation>
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
        <translation>Se limpiaría 1 imagen; no se escribió nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>Se limpiaría %1 imagen; no se escribió nada.</numerusform>
            <numerusform>Se limpiarían %1 imágenes; no se escribió nada.</numerusform>
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
        <translation>Elimina los metadatos (Exif, GPS, miniaturas, XMP, IPTC, ICC, ...) de archivos de imagen con ExifTool,
y de vídeos MOV y MP4 remultiplexándolos con ffmpeg.
Las carpetas se recorren con todas sus subcarpetas.

Cada resultado se comprueba después; se informa de los metadatos identificativos que quedan.

Estado de salida: 0 terminado y limpio, 1 se informaron problemas, quedan metadatos identificativos, una imagen
quedó sin cambios o no se pudo limpiar, se omitió un archivo indicado en la línea de órdenes o se omitió un archivo
encontrado en una carpeta (un tipo de vídeo que no se limpia, un tipo que ExifTool no puede escribir, una ruta demasiado larga);
2 uso incorrecto o nada que limpiar, 3 error interno;
detenido por SIGINT, SIGTERM o SIGHUP: 130, 143 o 129 (un segundo SIGINT detiene de inmediato).</translation>
    </message>
</context>
</TS>
