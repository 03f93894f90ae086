<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Выберите папку</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Не очищено: обработка была остановлена</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: не удаётся создать рабочую папку в %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: не удаётся создать журнал в %2</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Внутренняя ошибка программы!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Подготовка...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Префикс или суффикс должен быть частью имени файла: он не может быть пустым или содержать «/».</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Очистка изображений...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool не найден. Установите его (пакет Debian libimage-exiftool-perl) или поместите программу exiftool рядом с Quillmark.</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Не удалось записать файл аргументов: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Маскировка дат файлов...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Проверка файлов...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 существующий выходной файл сохранён.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n существующий выходной файл сохранён.</numerusform>
            <numerusform>%n существующих выходных файла сохранены.</numerusform>
            <numerusform>%n существующих выходных файлов сохранено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 прежний выходной файл пропущен.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n прежний выходной файл пропущен.</numerusform>
            <numerusform>%n прежних выходных файла пропущены.</numerusform>
            <numerusform>%n прежних выходных файлов пропущено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>Обработка остановлена; уже очищенные изображения сохранены.</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Были обнаружены проблемы. Подробности — в журнале.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Ошибка: ExifTool завершился, не закончив это изображение</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Ошибка: очищенный файл был бы повреждён (%1); оригинал сохранён</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Ошибка: оригинал сохранён: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Не очищено: файл используется другой обработкой или программой (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Пропущено: прежний выходной файл другого изображения этой обработки</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Пропущено (прежний выходной файл) — %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Ошибка: путь длиннее, чем допускает система (%1 байт)</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Ошибка: не удаётся прочитать изображение (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 другое имя этого файла (жёсткая ссылка) всё ещё содержит его метаданные</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n другое имя этого файла (жёсткая ссылка) всё ещё содержит его метаданные</numerusform>
            <numerusform>%n других имени этого файла (жёсткие ссылки) всё ещё содержат его метаданные</numerusform>
            <numerusform>%n других имён этого файла (жёсткие ссылки) всё ещё содержат его метаданные</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Пропущено: выходной файл заменил бы само изображение</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Пропущено: выходной файл заменил бы другое изображение этой обработки</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Сохранено как %1: у другого изображения этой обработки такое же имя</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>Обработано %1 изображение (сэкономлено %2 КБ)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>Обработано %1 изображение (сэкономлено %2 КБ)</numerusform>
            <numerusform>Обработано %1 изображения (сэкономлено %2 КБ)</numerusform>
            <numerusform>Обработано %1 изображений (сэкономлено %2 КБ)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>Обработано %1 изображение</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>Обработано %1 изображение</numerusform>
            <numerusform>Обработано %1 изображения</numerusform>
            <numerusform>Обработано %1 изображений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>за %1 секунду (в среднем %2 с)</numerusform>
            <numerusform>за %1 секунды (в среднем %2 с)</numerusform>
            <numerusform>за %1 секунд (в среднем %2 с)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>существующий выходной файл сохранён</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>папка для проблемных файлов не указана</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>Оригинал перемещён в корзину.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>Оригинал перемещён в %1.</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>корзина не приняла файл</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>его невозможно туда переместить</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Не удалось переместить оригинал: %1 — %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Не удалось переместить оригинал: %1.</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 проблемный файл перемещён в корзину.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n проблемный файл перемещён в корзину.</numerusform>
            <numerusform>%n проблемных файла перемещены в корзину.</numerusform>
            <numerusform>%n проблемных файлов перемещено в корзину.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 проблемный файл перемещён в %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n проблемный файл перемещён в %1.</numerusform>
            <numerusform>%n проблемных файла перемещены в %1.</numerusform>
            <numerusform>%n проблемных файлов перемещено в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 проблемный файл не удалось переместить в корзину; причина указана в журнале.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n проблемный файл не удалось переместить в корзину; причина указана в журнале.</numerusform>
            <numerusform>%n проблемных файла не удалось переместить в корзину; причина указана в журнале.</numerusform>
            <numerusform>%n проблемных файлов не удалось переместить в корзину; причина указана в журнале.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 проблемный файл не удалось переместить в %1; причина указана в журнале.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n проблемный файл не удалось переместить в %1; причина указана в журнале.</numerusform>
            <numerusform>%n проблемных файла не удалось переместить в %1; причина указана в журнале.</numerusform>
            <numerusform>%n проблемных файлов не удалось переместить в %1; причина указана в журнале.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папку</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Не удаётся записать в %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>изображение изменилось во время очистки</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>не удаётся сохранить владельца и группу файла (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>не удаётся сохранить список управления доступом файла (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>не удаётся сохранить права доступа файла</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>Во временной папке %1 невозможно сохранить файл аргументов ExifTool; укажите другую папку в TMPDIR или TEMP.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>за %1 секунду (в среднем %2 с)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Пропущено: для видео нужен ffmpeg, а он не установлен</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Пропущено (ffmpeg не установлен) — %1</translation>
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
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Справка: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Ошибка при чтении файла...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 изображение будет очищено</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 изображение будет очищено</numerusform>
            <numerusform>%1 изображения будут очищены</numerusform>
            <numerusform>%1 изображений будут очищены</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>на месте: оригиналы будут перезаписаны.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>с сохранением в папку %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>в виде копий, имена которых начинаются с «%1».</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>в виде копий, имена которых заканчиваются на «%1».</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Будут удалены: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Даты файлов будут установлены на %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Даты файлов будут заменены случайными.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Оригиналы, которые не удалось обработать, будут перемещены в корзину.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Оригиналы, которые не удалось обработать, будут перемещены в %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Здесь не настроена программа для открытия папок. Очищенные изображения находятся в этой папке:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Здесь не настроен веб-браузер. Адрес домашней страницы:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 изображение</numerusform>
            <numerusform>%1 изображения</numerusform>
            <numerusform>%1 изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>В %1 не найдено изображений для очистки.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>Не найдено изображений для очистки в %n папке: %1</numerusform>
            <numerusform>Не найдено изображений для очистки в %n папках: %1</numerusform>
            <numerusform>Не найдено изображений для очистки в %n папках: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Добавление файлов...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Добавить изображения</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Эти файлы не удалось добавить: их имена не в кодировке UTF-8, и диалог выбора файлов не может их передать. Добавьте их кнопкой «Добавить из папки» или перетащите в список:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Выберите папку с изображениями для добавления:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Нет файлов для обработки...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: невозможно начать: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif — стандартный формат метаданных, в котором цифровые камеры хранят сведения об изображении, месте съёмки, настройках камеры и т. д. Он встречается в изображениях JPG, TIFF, PNG, MIFF и HDP, а также во многих RAW-форматах на основе TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Данные геолокации хранят сведения о месте, где был сделан снимок. Теги GPS входят в стандарт EXIF и хранятся в отдельном разделе внутри данных EXIF.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Миниатюра Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Миниатюра — уменьшенная копия изображения, позволяющая быстро показать его предварительный просмотр.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Цветовой профиль ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>Данные профиля ICC используются во многих типах файлов, в том числе JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT и некоторых RAW-форматах. Удаление этого тега может изменить цвета изображения.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP — формат метаданных, продвигаемый Adobe. Данные в этом формате могут быть встроены во многие типы файлов изображений, в том числе JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU и MIFF, а также в видео- и аудиоформаты.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Это более старый формат метаданных, который постепенно вытесняется XMP. Данные IPTC могут быть встроены в изображения JPG, TIFF, PNG, MIFF, PS, PDF, PSD и DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Все остальные поддерживаемые</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Сюда входят комментарий JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky и MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префикс</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>Текст префикса добавляется ПЕРЕД текущим именем файла, чтобы создать новый файл изображения.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Суффикс</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>Текст суффикса добавляется ПОСЛЕ текущего имени файла, чтобы создать новый файл изображения.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Тег и миниатюра Photoshop</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Теги Photoshop встречаются в файлах PSD, а также во встроенных данных Photoshop во многих других типах файлов (например, JPEG, TIFF, PDF, PNG). Удаление этого тега удалит и тег IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Удалить все поддерживаемые теги</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Используйте этот параметр, чтобы удалить как можно больше метаданных! Есть одно исключение: Adobe APP14 не удаляется, так как это может изменить вид изображения.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Удалить данные TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Изображения TIFF могут содержать сведения в первом каталоге файла изображения (IFD0) отдельно от других тегов. Это относится к файлам TIFF, а также к типам изображений на основе формата TIFF: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 и SRW.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Замаскировать даты файлов</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>Дата файла изображения может выдать, когда изображение было снято и/или изменено. Этот параметр устанавливает даты создания, изменения и доступа файла на новую дату (по умолчанию: 1980–2010 для случайных дат и 1980-01-01 00:00:00 для заданной даты). Учтите, что даты могут измениться, если файл позже изменят, переместят, скопируют и т. д.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Перемещать ошибочные файлы</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Если произошла ошибка и файл не удалось обработать (см. журнал), этот параметр позволяет переместить исходный файл в папку или удалить его. Если вы решили перемещать файл в папку, а там уже есть файл с таким же именем, файл не будет перемещён. Примечание: это касается только ошибок, а не предупреждений. Файлы с предупреждениями всё равно обрабатываются, но могут упоминаться в журнале.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Данные геолокации хранят сведения о месте, где был сделан снимок. GeoTIFF используется в файлах TIFF и в форматах изображений на основе формата TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Этот тег присутствует в файлах JPEG и содержит сведения о кодировании. Если его удалить, вид изображения может измениться, поэтому удалять его не рекомендуется. Личных данных он не содержит, но указывает, что использовался продукт Adobe.</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Сохранять ориентацию и цветовой профиль</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>Тег ориентации сообщает программам просмотра, какой стороной вверх показывать снимок, а цветовой профиль — какие в нём цвета. Без ориентации портретные снимки показываются повёрнутыми набок; без цветового профиля цвета могут выглядеть неправильно (например, на снимках с широким цветовым охватом с современных телефонов). Ни то, ни другое не позволяет установить личность, поэтому оба сохраняются, если вы не снимете этот флажок.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Нажмите здесь, чтобы добавить изображения, или перетащите их в список файлов справа.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Эта программа создана прежде всего для изображений JPEG, но работает и с другими форматами файлов, в том числе: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD и X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Добавить изображения из папки</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>То же, что и выше, но вы выбираете папку, и программа добавит все изображения из этой папки и её подпапок.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Из-за ошибки в Windows 7 ваша система использует набор шрифтов, слишком крупный для текущих настроек DPI. Из-за этого Quillmark (и другие приложения) может отображаться искажённо. Хотя это лишь визуальная проблема, рекомендую её исправить; сейчас откроется страница со справкой!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Выбор файлов изображений</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Добавьте изображения, которые нужно очистить. Когда будете готовы, нажмите «Далее», чтобы перейти к странице вывода.</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Параметры (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Выберите, куда и как сохранить очищенные файлы. Нажмите «Далее», чтобы перейти ко второй странице параметров.</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Параметры (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Выберите, какие теги метаданных нужно удалить.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Начать &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Параметры (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Задайте дополнительные параметры и правила обработки.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Всё готово к запуску</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Проверьте, что будет сделано; кнопка «&lt; Назад» позволяет изменить параметры.</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Очистка изображений</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Подождите, идёт обработка изображений...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>Мастер закончил очистку изображений! Нажмите «Выйти», чтобы завершить работу, или «&lt; Назад», чтобы обработать другие файлы.</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Остановить очистку? Уже очищенные изображения будут сохранены.</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Один или несколько выходных файлов уже существуют! Перезаписать существующие файлы?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Файл настроек %1 больше 1 МБ — намного больше, чем когда-либо занимают сохранённые настройки, — поэтому он не был прочитан. Quillmark запускается с параметрами по умолчанию и не изменяет этот файл; параметры этого сеанса не будут сохранены.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Не удалось запустить программу: программа не указана.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Не удалось запустить %1: рабочая папка %2 не существует.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Не удалось запустить %1: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 остановлен, так как программа закрывается.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 аварийно завершился или был принудительно остановлен.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>у данных изображения нет маркера конца</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>файл обрывается до маркера конца изображения</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>сегмент не начинается с маркера</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>файл обрывается внутри сегмента</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>сегмент выходит за конец файла</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>файл обрывается до фрагмента IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>фрагмент %1 выходит за конец файла</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>файл короче, чем указано в его заголовке RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>заголовок фрагмента выходит за конец файла</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>файл обрывается внутри заголовка</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>файл обрывается до завершающего блока GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>файл обрывается внутри дескриптора изображения</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>файл обрывается внутри блока расширения</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>неизвестный тип блока</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>блок выходит за конец файла</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>не удаётся прочитать выходной файл</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Маскировка дат файлов</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Установить новую дату:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Создать случайную дату</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Новая дата файла</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(изменить)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Игнорировать незначительные ошибки и предупреждения</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Если обработка не удалась, переместить исходный файл в:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Папка для файлов, которые не удалось обработать</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Выберите папку назначения:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Не удалось запустить %1: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 неожиданно остановился.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Установить дату</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Установить время</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Введите год. По умолчанию 1980 (более ранний год использовать невозможно). Формат: ГГГГ</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Недопустимый год...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Введите месяц. По умолчанию 1 (допустимо 1–12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Недопустимый месяц...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Введите день. По умолчанию 1 (допустимо 1–31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Недопустимый день...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Введите час. По умолчанию 0 (только 24-часовой формат, допустимо 0–23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Недопустимый час...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Введите минуту. По умолчанию 0 (допустимо 0–59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Недопустимая минута...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Введите секунду. По умолчанию 0 (допустимо 0–59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Недопустимая секунда...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>Очищено изображений: ##!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Показать проблемы этой обработки...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Подробности ошибки</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Изображения этой обработки (двойной щелчок — сравнить):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Изображения этой обработки</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Каждое изображение и что с ним стало. Ctrl+I, двойной щелчок или контекстное меню показывают, что очистка удалила из текущего файла и что в нём осталось.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Показать метаданные</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Нажмите здесь, чтобы открыть папку назначения...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Скрыть необработанные изображения</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Показать необработанное изображение</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Показать %1 необработанное изображение</numerusform>
            <numerusform>Показать %1 необработанных изображения</numerusform>
            <numerusform>Показать %1 необработанных изображений</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Местоположение (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>место съёмки (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Название места</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>место съёмки (названия мест)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Домашний часовой пояс</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>домашний часовой пояс камеры</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Местоположение (точка на карте)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>положение на карте</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Серийный номер объектива</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>серийный номер объектива</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Серийный номер камеры</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>серийный номер камеры</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Уникальный идентификатор</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>уникальные идентификаторы</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Имя компьютера</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>имя компьютера</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Исходное имя файла</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>исходное имя файла</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Название камеры</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>название камеры</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Производитель и модель объектива</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>производителя и модель объектива</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Производитель и модель камеры</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>производителя и модель камеры</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Счётчик снимков</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>число снимков, сделанных камерой</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Сведения о камере или устройстве</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>сведения о камере</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Имя владельца</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>имя владельца</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Адрес эл. почты</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>адрес электронной почты</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Контактные данные</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>контактные данные</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Люди на снимке</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>личности людей на снимке</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Уведомление об авторских правах</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>уведомление об авторских правах</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Имя автора</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>имя автора</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Дата и время съёмки</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>время съёмки</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Дата и время изменения</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>время изменения</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>даты и время</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>использованную программу</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>принтер</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Номер изображения</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>номер изображения</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Имя документа</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>имя документа</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Прочие метаданные</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Камера и устройство</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Имена людей</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Даты и время</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Идентификаторы</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>В списке не найдено ничего, что позволяет установить личность.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>По этому снимку можно узнать %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>По этому видео можно узнать %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Пропущено: ExifTool не может записывать этот тип RAW</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Пропущено: ExifTool не может записывать этот тип изображений</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Путь длиннее, чем допускает система (%1 байт)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Неподдерживаемый тип изображения.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Поддерживаемые изображения и видео</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Пропущено: этот тип видео не очищается</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Добавить изображения</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Добавить из папки</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Удалить выбранные файлы</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Очистить список файлов</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Изображения для очистки</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Изображений пока нет. Добавьте их кнопками слева или перетащите сюда.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Показать метаданные</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Дважды щёлкните изображение, чтобы просмотреть его метаданные</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I показывает метаданные текущего изображения; Delete удаляет выбранные изображения из списка.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 изображений</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>Изображений: %1</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Добавление файлов...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Нет файлов для обработки...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: файл не принадлежит этому пользователю</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>удалён</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>СОХРАНЁН</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>ИЗМЕНЁН</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>ДОБАВЛЕН</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>вычислен</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Просмотр метаданных</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Метаданные</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Следующее</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Предыдущее</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Показать &amp;удалённые теги</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 — Просмотр метаданных</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Идентифицирующие метаданные</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Что они раскрывают</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n тег</numerusform>
            <numerusform>%n тега</numerusform>
            <numerusform>%n тегов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 — сравнение с оригиналом — Просмотр метаданных</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Оригинал: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Очищенный: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>Тегов удалено: %1, сохранено: %2, добавлено: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 сохранённый тег позволяет установить вашу личность (отмечен знаком !).</numerusform>
            <numerusform>%1 сохранённых тега позволяют установить вашу личность (отмечены знаком !).</numerusform>
            <numerusform>%1 сохранённых тегов позволяют установить вашу личность (отмечены знаком !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Теги, выделенные жирным, всё ещё есть в очищенном файле и идут первыми; зачёркнутые теги удалены. Имена файлов, размеры и даты на диске не показаны.</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>%n значение, которое ExifTool вычисляет из других тегов (Composite), показано последним и не учитывается: оно не хранится в файле.</numerusform>
            <numerusform>%n значения, которые ExifTool вычисляет из других тегов (Composite), показаны последними и не учитываются: они не хранятся в файле.</numerusform>
            <numerusform>%n значений, которые ExifTool вычисляет из других тегов (Composite), показаны последними и не учитываются: они не хранятся в файле.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>сохранён, теперь называется %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>сохранён в заметках производителя (maker notes), которые ExifTool больше не может распознать</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>вычислен, не хранится в файле</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>Режим вывода:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>Перезаписать оригинал</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Сохранить очищенные изображения в эту папку:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Добавить префикс:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Добавить суффикс:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префикс</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Суффикс</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Выберите папку назначения:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>Выходной файл повреждён: %1.</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Не удалось прочитать выходной файл, поэтому неизвестно, что в нём осталось.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool не может прочитать выходной файл.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool не может прочитать выходной файл: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Очищенный RAW-файл больше не открывается в RAW-конвертере (%1); оригинал сохранён.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Очищенный RAW-файл больше не даёт исходное изображение; оригинал сохранён.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>Изображение скопировано без удаления чего-либо.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Проблемы этой обработки</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Что не удалось сделать при этой обработке, по каждому изображению. Наведите указатель на имя, чтобы увидеть полный путь.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Обработка прервана внутренней ошибкой</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Не удалось очистить</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Всё ещё содержат идентифицирующие метаданные</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Предупреждения об очищенных изображениях</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Ни с одним изображением этой обработки не возникло проблем.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(Сообщения ExifTool продолжаются; здесь показаны первые 4 МБ.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Сообщения ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Показать сообщения ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Скрыть сообщения ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Удалить метаданные</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Показать проблемы</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Поиск изображений...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Ничего не очищено</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Файл настроек %1 больше 1 МБ и не был прочитан.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Параметры ещё не сохранены, поэтому используются параметры по умолчанию: очищенные копии с «%1» в имени рядом с оригиналами.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Ничего не очищено; обработка была остановлена</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Нет изображений для очистки: ничего не выбрано.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>В %1 нет изображений для очистки.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>В %1 и ещё %n объекте нет изображений для очистки.</numerusform>
            <numerusform>В %1 и ещё %n объектах нет изображений для очистки.</numerusform>
            <numerusform>В %1 и ещё %n объектах нет изображений для очистки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Перезаписать %n исходное изображение?</numerusform>
            <numerusform>Перезаписать %n исходных изображения?</numerusform>
            <numerusform>Перезаписать %n исходных изображений?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Оригиналы будут перезаписаны. Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Ничего не очищено; оригиналы остались без изменений</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Очистка %n изображения...</numerusform>
            <numerusform>Очистка %n изображений...</numerusform>
            <numerusform>Очистка %n изображений...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Один или несколько выходных файлов уже существуют! Перезаписать существующие файлы?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Здесь не настроена программа для открытия папок. Очищенные изображения находятся в этой папке:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Всё готово к запуску</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Нажмите «Начать», чтобы очистить изображения.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Больше не показывать эту страницу.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>Изображения (999) будут очищены в виде копий, имена которых заканчиваются на «_cleaned». Будут удалены: все поддерживаемые метаданные, APP14. Даты файлов будут заменены случайными. Оригиналы, которые не удалось обработать, будут перемещены в корзину.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Оригиналы будут перезаписаны. Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Невозможно начать</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 оригинал невозможно перезаписать: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n оригинал невозможно перезаписать: %1</numerusform>
            <numerusform>%n оригинала невозможно перезаписать: %1</numerusform>
            <numerusform>%n оригиналов невозможно перезаписать: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Невозможно создать папку %1: %2 — это файл, а не папка.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>Невозможно создать папку %1: нет прав на запись в %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Нет прав на запись в папку %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>Нет прав на запись в %n папку: %1</numerusform>
            <numerusform>Нет прав на запись в %n папки: %1</numerusform>
            <numerusform>Нет прав на запись в %n папок: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Недостаточно свободного места в %1: нужно около %2, свободно %3.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Идёт обработка изображений, подождите...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Выполняется</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>осталось около %n с</numerusform>
            <numerusform>осталось около %n с</numerusform>
            <numerusform>осталось около %n с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>осталось около %n мин</numerusform>
            <numerusform>осталось около %n мин</numerusform>
            <numerusform>осталось около %n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>осталось около %n ч</numerusform>
            <numerusform>осталось около %n ч</numerusform>
            <numerusform>осталось около %n ч</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>Пауза: ожидание вашего ответа</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 изображение всё ещё содержит идентифицирующие метаданные.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 изображение всё ещё содержит идентифицирующие метаданные.</numerusform>
            <numerusform>%1 изображения всё ещё содержат идентифицирующие метаданные.</numerusform>
            <numerusform>%1 изображений всё ещё содержат идентифицирующие метаданные.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 RAW-файл, который ExifTool не может записывать</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n RAW-файл, который ExifTool не может записывать</numerusform>
            <numerusform>%n RAW-файла, которые ExifTool не может записывать</numerusform>
            <numerusform>%n RAW-файлов, которые ExifTool не может записывать</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 изображение, которое ExifTool не может записывать</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n изображение, которое ExifTool не может записывать</numerusform>
            <numerusform>%n изображения, которые ExifTool не может записывать</numerusform>
            <numerusform>%n изображений, которые ExifTool не может записывать</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 путь длиннее, чем допускает система</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n путь длиннее, чем допускает система</numerusform>
            <numerusform>%n пути длиннее, чем допускает система</numerusform>
            <numerusform>%n путей длиннее, чем допускает система</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 файл, не являющийся поддерживаемым изображением</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n файл, не являющийся поддерживаемым изображением</numerusform>
            <numerusform>%n файла, не являющихся поддерживаемыми изображениями</numerusform>
            <numerusform>%n файлов, не являющихся поддерживаемыми изображениями</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 файл пропущен: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n файл пропущен: %1.</numerusform>
            <numerusform>%n файла пропущены: %1.</numerusform>
            <numerusform>%n файлов пропущено: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Очищено: идентифицирующих метаданных не осталось.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Остались идентифицирующие метаданные:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Без изменений: ExifTool не смог ничего удалить.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Ошибка: очищенный файл не записан.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Пропущено.</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Очищено</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Остались идентифицирующие данные</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Не очищено</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Пропущено</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Выходной файл сохранён</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Не обработано</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Файл не является изображением %1; похоже, это файл %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Файл не является допустимым изображением %1.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>Изображение %1 повреждено.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Файл повреждён или не является изображением того типа, на который указывает его имя.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool нечего было скопировать обратно в очищенный файл (нет записываемых тегов).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Обработка прервана внутренней ошибкой</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Ни одно изображение не очищено: обработка прервана внутренней ошибкой</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Ни одно изображение не очищено; обработка была остановлена</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Ни одно изображение не очищено: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Ни одно изображение не очищено; 1 не удалось очистить</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Ни одно изображение не очищено; %1 не удалось очистить</numerusform>
            <numerusform>Ни одно изображение не очищено; %1 не удалось очистить</numerusform>
            <numerusform>Ни одно изображение не очищено; %1 не удалось очистить</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Ни одно изображение не очищено</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>Изображение очищено</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>Очищены все %1 изображение</numerusform>
            <numerusform>Очищены все %1 изображения</numerusform>
            <numerusform>Очищены все %1 изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>Очищено 0 из 1 изображения</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>Очищено %1 из %2 изображения</numerusform>
            <numerusform>Очищено %1 из %2 изображений</numerusform>
            <numerusform>Очищено %1 из %2 изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; обработка была остановлена</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 всё ещё содержит идентифицирующие метаданные</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 всё ещё содержит идентифицирующие метаданные</numerusform>
            <numerusform>; %1 всё ещё содержат идентифицирующие метаданные</numerusform>
            <numerusform>; %1 всё ещё содержат идентифицирующие метаданные</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 не удалось очистить</numerusform>
            <numerusform>; %1 не удалось очистить</numerusform>
            <numerusform>; %1 не удалось очистить</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; 1 существующий выходной файл сохранён</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 существующий выходной файл сохранён</numerusform>
            <numerusform>; %1 существующих выходных файла сохранены</numerusform>
            <numerusform>; %1 существующих выходных файлов сохранено</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 изображение очищено.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 изображение очищено.</numerusform>
            <numerusform>%1 изображения очищены.</numerusform>
            <numerusform>%1 изображений очищено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 изображение не удалось очистить.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 изображение не удалось очистить.</numerusform>
            <numerusform>%1 изображения не удалось очистить.</numerusform>
            <numerusform>%1 изображений не удалось очистить.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 изображение не было обработано до остановки.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 изображение не было обработано до остановки.</numerusform>
            <numerusform>%1 изображения не были обработаны до остановки.</numerusform>
            <numerusform>%1 изображений не было обработано до остановки.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 существующий выходной файл сохранён.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 существующий выходной файл сохранён.</numerusform>
            <numerusform>%1 существующих выходных файла сохранены.</numerusform>
            <numerusform>%1 существующих выходных файлов сохранено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 файл пропущен.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 файл пропущен.</numerusform>
            <numerusform>%1 файла пропущены.</numerusform>
            <numerusform>%1 файлов пропущено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 видео неочищаемого типа</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n видео неочищаемого типа</numerusform>
            <numerusform>%n видео неочищаемых типов</numerusform>
            <numerusform>%n видео неочищаемых типов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Удаляемые метаданные:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Все поддерживаемые</translation>
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
        <translation>Миниатюра Exif</translation>
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
        <translation>Профиль ICC</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>Тег &amp;&amp; миниатюра PS</translation>
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
        <translation>Все остальные</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Сохранять ориентацию и цветовой профиль</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>руководство</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Внимание: эта программа не может гарантировать полную поддержку всех перечисленных выше тегов в форматах изображений, отличных от JPEG. Особенно сложны изображения RAW. Проверьте полученные изображения, чтобы убедиться, что нежелательные метаданные удалены. Подробнее см. %1.</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>все поддерживаемые метаданные</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 изображение</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 изображение</numerusform>
            <numerusform>%1 изображения</numerusform>
            <numerusform>%1 изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 прежний выходной файл пропущен)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n прежний выходной файл пропущен)</numerusform>
            <numerusform>(%n прежних выходных файла пропущены)</numerusform>
            <numerusform>(%n прежних выходных файлов пропущено)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Префикс или суффикс — часть имени файла и не может содержать «/».</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Ошибка: видео неполное (обрывается внутри атома)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Ошибка: видео не читается (нет заголовка фильма)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>не удалось сохранить перепакованное видео</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg завершился с кодом %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Ошибка: ffmpeg не может перепаковать это видео: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Добро пожаловать в Quillmark!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Эта программа удаляет теги метаданных и миниатюры из файлов изображений. Это помогает защитить вашу конфиденциальность в интернете и экономит место на диске. Перетащите сюда снимки или папки или нажмите «Далее», чтобы выбрать их.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Домашняя страница:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Попробуйте «quillmark --help».</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: файл настроек %1 больше 1 МБ и не был прочитан; ничего не очищено</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Удаляет метаданные из файлов изображений в окне мастера.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Очистить папку FOLDER без участия пользователя с сохранёнными параметрами, затем выйти.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Изображения и папки для начала работы.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto принимает ровно одну папку и никаких других путей.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: не удаётся прочитать папку</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: нет такой папки</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: не является папкой</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Очистить изображения и папки, указанные как PATH, с сохранёнными параметрами и показать результат в небольшом окне.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean и -auto нельзя использовать вместе.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Выберите папку для очищенных изображений...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: не удаётся записать отчёт %1: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Поиск изображений...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Остановлено во время поиска изображений; ничего не очищено.</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: поддерживаемые изображения не найдены</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool не найден. Установите его (пакет Debian libimage-exiftool-perl) или поместите программу exiftool рядом с quillmark-cli.</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: невозможно начать: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Попробуйте «quillmark-cli --help».</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Файлы изображений и папки для очистки.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Куда записываются очищенные файлы: overwrite, folder=DIR, prefix=TEXT или suffix=TEXT (по умолчанию suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Что удалять, список через запятую из: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (по умолчанию all).</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Что сохраняется независимо от --remove, так как это влияет на вид изображения и не позволяет установить личность: список через запятую из orientation и color или none (по умолчанию orientation,color).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Даты очищенных файлов: keep, random или &quot;YYYY-MM-DD HH:MM:SS&quot; (по умолчанию keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Перемещать оригиналы изображений, которые не удалось очистить: trash или папка.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Заменять уже существующие очищенные файлы (по умолчанию они сохраняются).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Не игнорировать незначительные ошибки и предупреждения.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Взять за основу параметры, сохранённые окном Quillmark; параметры, указанные здесь, по-прежнему действуют.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Число одновременных процессов ExifTool (по умолчанию — число ядер).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Записать JSON-отчёт о результате для каждого изображения в FILE (&apos;-&apos; — стандартный вывод; сводка тогда выводится в стандартный поток ошибок).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Не проверять очищенные файлы на оставшиеся идентифицирующие метаданные (быстрее).</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Кто записывает очищенные файлы: auto (JPEG, PNG, WebP и GIF — собственным модулем записи Quillmark, где это возможно, остальное — ExifTool) или exiftool (все файлы — ExifTool) (по умолчанию auto).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Также очистить пути, перечисленные в FILE, по одному на строку (&quot;-&quot; — чтение из стандартного ввода).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Пути в списке --files-from заканчиваются символом NUL, а не переводом строки.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: файл настроек %1 больше 1 МБ и не был прочитан</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output принимает overwrite, folder=DIR, prefix=TEXT или suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove принимает список через запятую из all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep принимает список через запятую из orientation и color или none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates принимает keep, random или дату &quot;YYYY-MM-DD HH:MM:SS&quot; от 1980 до 2100 года</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed принимает trash или папку</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>не указана папка назначения</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>префикс или суффикс пуст</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>префикс или суффикс должен быть частью имени файла: он не может содержать &apos;/&apos;</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>нечего удалять: цветовой профиль сохраняется (см. --keep)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>нечего удалять</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: цветовой профиль сохраняется; --keep orientation или --keep none удаляет его</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs принимает число от 1 до 64</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine принимает auto или exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report принимает имя файла или &apos;-&apos;</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null требует --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>не удаётся прочитать список %1</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>не указаны файлы изображений или папки</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: нет такого файла или папки</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: неподдерживаемое изображение; пропущено</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>В %1 нет изображений для очистки.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>ПУТЬ...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Выводить только сводку (ничего при --report -); ошибки, прерывающие обработку, по-прежнему выводятся.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Сообщить, что будет очищено, куда будет записан каждый выходной файл и что сейчас содержит каждое изображение; ничего не записывать.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Перечислить идентифицирующие метаданные каждого файла, как в окне «Просмотр метаданных»; ничего не изменять.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run и --show нельзя использовать вместе</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: не удаётся прочитать: %2</translation>
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
        <translation>Не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Не содержит ничего, что позволяет установить личность.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Содержит: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 изображение было бы очищено; ничего не записано.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 изображение было бы очищено; ничего не записано.</numerusform>
            <numerusform>%1 изображения были бы очищены; ничего не записано.</numerusform>
            <numerusform>%1 изображений было бы очищено; ничего не записано.</numerusform>
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
        <translation>Удаляет метаданные (Exif, GPS, миниатюры, XMP, IPTC, ICC, ...) из файлов изображений с помощью ExifTool,
а из видео MOV и MP4 — перепаковывая их с помощью ffmpeg.
Папки обходятся вместе со всеми подпапками.

Каждый выходной файл затем проверяется; сообщается, какие идентифицирующие метаданные остались.

Код завершения: 0 — готово, всё чисто; 1 — были проблемы, остались идентифицирующие метаданные, изображение
осталось без изменений или его не удалось очистить, файл из командной строки был пропущен или файл, найденный
в папке, был пропущен (тип видео, который не очищается, тип, который ExifTool не может записывать, слишком длинный путь);
2 — неверное использование или нечего очищать, 3 — внутренняя ошибка;
остановка по SIGINT, SIGTERM или SIGHUP: 130, 143 или 129 (второй SIGINT останавливает сразу).</translation>
    </message>
</context>
</TS>
