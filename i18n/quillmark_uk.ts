<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Виберіть теку</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Не очищено: обробку було зупинено</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: не вдається створити робочу теку в %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: не вдається створити журнал у %2</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Внутрішня помилка програми!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Підготовка...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Префікс або суфікс має бути частиною назви файлу: він не може бути порожнім або містити «/».</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Очищення зображень...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool не знайдено. Встановіть його (пакунок Debian libimage-exiftool-perl) або розмістіть програму exiftool поруч із Quillmark.</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Не вдалося записати файл аргументів: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Маскування дат файлів...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Перевірка файлів...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 наявний вихідний файл збережено.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n наявний вихідний файл збережено.</numerusform>
            <numerusform>%n наявні вихідні файли збережено.</numerusform>
            <numerusform>%n наявних вихідних файлів збережено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 попередній вихідний файл пропущено.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n попередній вихідний файл пропущено.</numerusform>
            <numerusform>%n попередні вихідні файли пропущено.</numerusform>
            <numerusform>%n попередніх вихідних файлів пропущено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>Обробку зупинено; вже очищені зображення збережено.</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Виявлено проблеми. Подробиці — у журналі.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Помилка: ExifTool завершив роботу, не закінчивши це зображення</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Помилка: очищений файл було б пошкоджено (%1); оригінал збережено</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Помилка: оригінал збережено: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Не очищено: файл використовується іншою обробкою або програмою (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Пропущено: попередній вихідний файл іншого зображення цієї обробки</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Пропущено (попередній вихідний файл) — %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Помилка: шлях довший, ніж дозволяє система (%1 байтів)</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Помилка: не вдається прочитати зображення (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 інша назва цього файлу (жорстке посилання) досі містить його метадані</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n інша назва цього файлу (жорстке посилання) досі містить його метадані</numerusform>
            <numerusform>%n інші назви цього файлу (жорсткі посилання) досі містять його метадані</numerusform>
            <numerusform>%n інших назв цього файлу (жорстких посилань) досі містять його метадані</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Пропущено: вихідний файл замінив би саме зображення</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Пропущено: вихідний файл замінив би інше зображення цієї обробки</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Збережено як %1: інше зображення цієї обробки має таку саму назву</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>Оброблено %1 зображення (заощаджено %2 КБ)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>Оброблено %1 зображення (заощаджено %2 КБ)</numerusform>
            <numerusform>Оброблено %1 зображення (заощаджено %2 КБ)</numerusform>
            <numerusform>Оброблено %1 зображень (заощаджено %2 КБ)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>Оброблено %1 зображення</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>Оброблено %1 зображення</numerusform>
            <numerusform>Оброблено %1 зображення</numerusform>
            <numerusform>Оброблено %1 зображень</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>за %1 секунду (у середньому %2 с)</numerusform>
            <numerusform>за %1 секунди (у середньому %2 с)</numerusform>
            <numerusform>за %1 секунд (у середньому %2 с)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>наявний вихідний файл збережено</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>теку для проблемних файлів не вказано</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>Оригінал переміщено до смітника.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>Оригінал переміщено до %1.</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>смітник не прийняв файл</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>його неможливо туди перемістити</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Не вдалося перемістити оригінал: %1 — %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Не вдалося перемістити оригінал: %1.</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 проблемний файл переміщено до смітника.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n проблемний файл переміщено до смітника.</numerusform>
            <numerusform>%n проблемні файли переміщено до смітника.</numerusform>
            <numerusform>%n проблемних файлів переміщено до смітника.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 проблемний файл переміщено до %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n проблемний файл переміщено до %1.</numerusform>
            <numerusform>%n проблемні файли переміщено до %1.</numerusform>
            <numerusform>%n проблемних файлів переміщено до %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 проблемний файл не вдалося перемістити до смітника; причину вказано в журналі.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n проблемний файл не вдалося перемістити до смітника; причину вказано в журналі.</numerusform>
            <numerusform>%n проблемні файли не вдалося перемістити до смітника; причину вказано в журналі.</numerusform>
            <numerusform>%n проблемних файлів не вдалося перемістити до смітника; причину вказано в журналі.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 проблемний файл не вдалося перемістити до %1; причину вказано в журналі.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n проблемний файл не вдалося перемістити до %1; причину вказано в журналі.</numerusform>
            <numerusform>%n проблемні файли не вдалося перемістити до %1; причину вказано в журналі.</numerusform>
            <numerusform>%n проблемних файлів не вдалося перемістити до %1; причину вказано в журналі.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>теки</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не вдається створити теку %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Не вдається записати до %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>зображення змінилося під час очищення</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>не вдається зберегти власника і групу файлу (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>не вдається зберегти список керування доступом файлу (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>не вдається зберегти права доступу файлу</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>У тимчасовій теці %1 неможливо зберегти файл аргументів ExifTool; вкажіть іншу теку в TMPDIR або TEMP.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>за %1 секунду (у середньому %2 с)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Пропущено: для відео потрібен ffmpeg, а його не встановлено</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Пропущено (ffmpeg не встановлено) — %1</translation>
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
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Довідка: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Під час читання файлу сталася помилка...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 зображення буде очищено</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 зображення буде очищено</numerusform>
            <numerusform>%1 зображення буде очищено</numerusform>
            <numerusform>%1 зображень буде очищено</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>на місці: оригінали буде перезаписано.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>зі збереженням до теки %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>у вигляді копій, назви яких починаються з «%1».</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>у вигляді копій, назви яких закінчуються на «%1».</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>Буде вилучено: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>Дати файлів буде встановлено на %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>Дати файлів буде замінено випадковими.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Оригінали, які не вдалося обробити, буде переміщено до смітника.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Оригінали, які не вдалося обробити, буде переміщено до %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Тут не налаштовано програму для відкриття тек. Очищені зображення зберігаються в цій теці:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Тут не налаштовано вебпереглядач. Адреса домашньої сторінки:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 зображення</numerusform>
            <numerusform>%1 зображення</numerusform>
            <numerusform>%1 зображень</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>У %1 не знайдено зображень для очищення.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>Не знайдено зображень для очищення в %n теці: %1</numerusform>
            <numerusform>Не знайдено зображень для очищення в %n теках: %1</numerusform>
            <numerusform>Не знайдено зображень для очищення в %n теках: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Додавання файлів...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Додати зображення</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Ці файли не вдалося додати: їхні назви не в кодуванні UTF-8, і діалог вибору файлів не може їх передати. Додайте їх кнопкою «Додати з теки» або перетягніть до списку:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Виберіть теку із зображеннями, які слід додати:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Немає файлів для обробки...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: неможливо почати: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif — стандартний формат метаданих, у якому цифрові камери зберігають відомості про зображення, місце зйомки, параметри камери тощо. Він трапляється в зображеннях JPG, TIFF, PNG, MIFF і HDP, а також у багатьох RAW-форматах на основі TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Дані геолокації зберігають відомості про місце, де було зроблено знімок. Теги GPS є частиною стандарту EXIF і зберігаються в окремому розділі даних EXIF.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Мініатюра Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Мініатюра — зменшена копія зображення, за допомогою якої можна швидко показати його попередній перегляд.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Колірний профіль ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>Дані профілю ICC використовуються в багатьох типах файлів, зокрема JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT і деяких RAW-форматах. Вилучення цього тегу може змінити кольори зображення.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP — формат метаданих, який просуває Adobe. Дані в цьому форматі можуть бути вбудовані в багато типів файлів зображень, зокрема JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU і MIFF, а також у відео- та аудіоформати.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>Це старіший формат метаданих, який поступово витісняє XMP. Дані IPTC можуть бути вбудовані в зображення JPG, TIFF, PNG, MIFF, PS, PDF, PSD і DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Усі інші підтримувані</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Сюди належать коментар JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky і MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префікс</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>Текст префікса додається ПЕРЕД поточною назвою файлу, щоб створити новий файл зображення.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Суфікс</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>Текст суфікса додається ПІСЛЯ поточної назви файлу, щоб створити новий файл зображення.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Тег і мініатюра Photoshop</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Теги Photoshop трапляються у файлах PSD, а також у вбудованих даних Photoshop у багатьох інших типах файлів (наприклад, JPEG, TIFF, PDF, PNG). Вилучення цього тегу вилучить і тег IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Вилучити всі підтримувані теги</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Скористайтеся цим параметром, щоб вилучити якомога більше метаданих! Є один виняток: Adobe APP14 не вилучається, оскільки це може змінити вигляд зображення.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Вилучити дані TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Зображення TIFF можуть містити відомості в першому каталозі файлу зображення (IFD0) окремо від інших тегів. Це стосується файлів TIFF, а також типів зображень на основі формату TIFF: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 і SRW.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Замаскувати дати файлів</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>Дата файлу зображення може видати, коли зображення було знято та/або змінено. Цей параметр встановлює дати створення, зміни та доступу файлу на нову дату (типово: 1980–2010 для випадкових дат і 1980-01-01 00:00:00 для заданої дати). Зауважте, що дати можуть змінитися, якщо файл згодом змінять, перемістять, скопіюють тощо.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Переміщувати помилкові файли</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Якщо сталася помилка і файл не вдалося обробити (див. журнал), цей параметр дає змогу перемістити початковий файл до теки або вилучити його. Якщо ви вирішили переміщувати файл до теки, а там уже є файл із такою самою назвою, файл не буде переміщено. Примітка: це стосується лише помилок, а не попереджень. Файли з попередженнями все одно обробляються, але можуть згадуватися в журналі.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Дані геолокації зберігають відомості про місце, де було зроблено знімок. GeoTIFF використовується у файлах TIFF і у форматах зображень на основі формату TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Цей тег є у файлах JPEG і містить відомості про кодування. Якщо його вилучити, вигляд зображення може змінитися, тому вилучати його не рекомендовано. Особистих даних він не містить, але вказує, що використовувався продукт Adobe.</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Зберігати орієнтацію і колірний профіль</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>Тег орієнтації повідомляє переглядачам, якою стороною догори показувати знімок, а колірний профіль — які в ньому кольори. Без орієнтації портретні знімки показуються повернутими набік; без колірного профілю кольори можуть виглядати неправильно (наприклад, на знімках із широким колірним охопленням із сучасних телефонів). Ні те, ні інше не дає змоги встановити особу, тому обидва зберігаються, якщо ви не знімете цю позначку.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Натисніть тут, щоб додати зображення, або перетягніть їх до списку файлів праворуч.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Ця програма призначена передусім для зображень JPEG, але працює й з іншими форматами файлів, зокрема: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD і X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Додати зображення з теки</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Те саме, що й вище, але ви вибираєте теку, і програма додасть усі зображення з цієї теки та її підтек.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Через ваду у Windows 7 ваша система використовує набір шрифтів, завеликий для поточних параметрів DPI. Через це Quillmark (та інші програми) може виглядати спотворено. Хоча це лише візуальна проблема, раджу її виправити; зараз відкриється сторінка з довідкою!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далі &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Вибір файлів зображень</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Додайте зображення, які потрібно очистити. Коли будете готові, натисніть «Далі», щоб перейти до сторінки виведення.</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Параметри (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Виберіть, куди і як зберегти очищені файли. Натисніть «Далі», щоб перейти до другої сторінки параметрів.</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Параметри (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Виберіть, які теги метаданих потрібно вилучити.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Почати &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Параметри (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Задайте додаткові параметри і правила обробки.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Усе готово до запуску</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Перевірте, що буде зроблено; кнопка «&lt; Назад» дає змогу змінити параметри.</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Очищення зображень</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Зачекайте, триває обробка зображень...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>Майстер завершив очищення зображень! Натисніть «Вийти», щоб завершити роботу, або «&lt; Назад», щоб обробити інші файли.</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Зупинити очищення? Вже очищені зображення буде збережено.</translation>
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
        <translation>Опис</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Один або кілька вихідних файлів уже існують! Перезаписати наявні файли?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>Файл параметрів %1 більший за 1 МБ — набагато більший, ніж будь-коли займають збережені параметри, — тому його не було прочитано. Quillmark запускається з типовими параметрами і не змінює цей файл; параметри цього сеансу не буде збережено.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Не вдалося запустити програму: програму не вказано.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Не вдалося запустити %1: робочої теки %2 не існує.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Не вдалося запустити %1: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 зупинено, оскільки програма закривається.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 аварійно завершився або його було примусово зупинено.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>дані зображення не мають маркера кінця</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>файл обривається до маркера кінця зображення</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>сегмент не починається з маркера</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>файл обривається всередині сегмента</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>сегмент виходить за кінець файлу</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>файл обривається до фрагмента IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>фрагмент %1 виходить за кінець файлу</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>файл коротший, ніж зазначено в його заголовку RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>заголовок фрагмента виходить за кінець файлу</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>файл обривається всередині заголовка</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>файл обривається до завершального блоку GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>файл обривається всередині дескриптора зображення</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>файл обривається всередині блоку розширення</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>невідомий тип блоку</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>блок виходить за кінець файлу</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>не вдається прочитати вихідний файл</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>Додаткові параметри</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Маскування дат файлів</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Встановити нову дату:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Створити випадкову дату</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Нова дата файлу</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(змінити)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Ігнорувати незначні помилки і попередження</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Якщо обробка не вдалася, перемістити початковий файл до:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Смітник</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Тека:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Тека для файлів, які не вдалося обробити</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Виберіть теку призначення:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Не вдалося запустити %1: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 неочікувано зупинився.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Встановити дату</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Встановити час</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Введіть рік. Типово 1980 (ранішого року використати неможливо). Формат: РРРР</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Неприпустимий рік...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Введіть місяць. Типово 1 (припустимо 1–12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Неприпустимий місяць...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Введіть день. Типово 1 (припустимо 1–31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Неприпустимий день...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Введіть годину. Типово 0 (лише 24-годинний формат, припустимо 0–23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Неприпустима година...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Введіть хвилину. Типово 0 (припустимо 0–59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Неприпустима хвилина...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Введіть секунду. Типово 0 (припустимо 0–59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Неприпустима секунда...</translation>
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
        <translation>Очищено зображень: ##!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Показати проблеми цієї обробки...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Подробиці помилки</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Зображення цієї обробки (подвійне клацання — порівняти):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Зображення цієї обробки</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Кожне зображення і що з ним сталося. Ctrl+I, подвійне клацання або контекстне меню показують, що очищення вилучило з поточного файлу і що в ньому залишилося.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Показати метадані</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Тека</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Натисніть тут, щоб відкрити теку призначення...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Сховати необроблені зображення</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Показати необроблене зображення</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Показати %1 необроблене зображення</numerusform>
            <numerusform>Показати %1 необроблені зображення</numerusform>
            <numerusform>Показати %1 необроблених зображень</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Місце (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>місце зйомки (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Назва місця</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>місце зйомки (назви місць)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Домашній часовий пояс</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>домашній часовий пояс камери</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Місце (точка на мапі)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>положення на мапі</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Серійний номер об’єктива</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>серійний номер об’єктива</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Серійний номер камери</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>серійний номер камери</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Унікальний ідентифікатор</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>унікальні ідентифікатори</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Назва комп’ютера</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>назву комп’ютера</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Початкова назва файлу</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>початкову назву файлу</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Назва камери</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>назву камери</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Виробник і модель об’єктива</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>виробника і модель об’єктива</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Виробник і модель камери</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>виробника і модель камери</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Лічильник знімків</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>кількість знімків, зроблених камерою</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Відомості про камеру чи пристрій</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>відомості про камеру</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Ім’я власника</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>ім’я власника</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Адреса ел. пошти</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>адресу електронної пошти</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Контактні дані</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>контактні дані</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Люди на знімку</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>особи людей на знімку</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Повідомлення про авторські права</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>повідомлення про авторські права</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Ім’я автора</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>ім’я автора</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Дата і час зйомки</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>час зйомки</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Дата і час зміни</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>час зміни</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Дата і час</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>дати і час</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>використану програму</translation>
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
        <translation>Номер зображення</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>номер зображення</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Назва документа</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>назву документа</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Інші метадані</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Камера і пристрій</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Імена людей</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Дати і час</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Ідентифікатори</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>У переліку не знайдено нічого, що дає змогу встановити особу.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>З цього знімка можна дізнатися %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>З цього відео можна дізнатися %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Пропущено: ExifTool не може записувати цей тип RAW</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Пропущено: ExifTool не може записувати цей тип зображень</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>Шлях довший, ніж дозволяє система (%1 байтів)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Непідтримуваний тип зображення.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Підтримувані зображення і відео</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Пропущено: цей тип відео не очищується</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Додати зображення</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Додати з теки</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Вилучити вибрані файли</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Очистити список файлів</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Зображення для очищення</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Зображень ще немає. Додайте їх кнопками ліворуч або перетягніть сюди.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Показати метадані</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Двічі клацніть зображення, щоб переглянути його метадані</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I показує метадані поточного зображення; Delete вилучає вибрані зображення зі списку.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 зображень</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>Зображень: %1</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Додавання файлів...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Немає файлів для обробки...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: файл не належить цьому користувачеві</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>вилучено</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>ЗБЕРЕЖЕНО</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>ЗМІНЕНО</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>ДОДАНО</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>обчислено</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Переглядач метаданих</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Метадані</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Знайти:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Наступне</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Попереднє</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Показати &amp;вилучені теги</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 — Переглядач метаданих</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Ідентифікаційні метадані</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>Що вони розкривають</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значення</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n тег</numerusform>
            <numerusform>%n теги</numerusform>
            <numerusform>%n тегів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 — порівняння з оригіналом — Переглядач метаданих</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Оригінал: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Очищений: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>Тегів вилучено: %1, збережено: %2, додано: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 збережений тег дозволяє встановити вашу особу (позначений знаком !).</numerusform>
            <numerusform>%1 збережені теги дозволяють встановити вашу особу (позначені знаком !).</numerusform>
            <numerusform>%1 збережених тегів дозволяють встановити вашу особу (позначені знаком !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>Теги, виділені жирним, досі є в очищеному файлі й ідуть першими; перекреслені теги вилучено. Назви файлів, розміри і дати на диску не показано.</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>%n значення, яке ExifTool обчислює з інших тегів (Composite), показано останнім і не враховано: воно не зберігається у файлі.</numerusform>
            <numerusform>%n значення, які ExifTool обчислює з інших тегів (Composite), показано останніми і не враховано: вони не зберігаються у файлі.</numerusform>
            <numerusform>%n значень, які ExifTool обчислює з інших тегів (Composite), показано останніми і не враховано: вони не зберігаються у файлі.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>збережено, тепер має назву %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>збережено в нотатках виробника (maker notes), які ExifTool більше не може розпізнати</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>обчислено, не зберігається у файлі</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не знайдено</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>Режим виведення:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>Перезаписати оригінал</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Зберегти очищені зображення в цій теці:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Додати префікс:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Додати суфікс:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Тека призначення</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префікс</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Суфікс</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Виберіть теку призначення:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>Вихідний файл пошкоджено: %1.</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Не вдалося прочитати вихідний файл, тому невідомо, що в ньому залишилося.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool не може прочитати вихідний файл.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool не може прочитати вихідний файл: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>Очищений RAW-файл більше не відкривається в RAW-конвертері (%1); оригінал збережено.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>Очищений RAW-файл більше не дає початкового зображення; оригінал збережено.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>Зображення скопійовано без вилучення будь-чого.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Проблеми цієї обробки</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>Що не вдалося зробити під час цієї обробки, для кожного зображення. Наведіть вказівник на назву, щоб побачити повний шлях.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Обробку перервано внутрішньою помилкою</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Не вдалося очистити</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Досі містять ідентифікаційні метадані</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Попередження щодо очищених зображень</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Жодне зображення цієї обробки не мало проблем.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(Повідомлення ExifTool тривають; тут показано перші 4 МБ.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Повідомлення ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Показати повідомлення ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Сховати повідомлення ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Вилучити метадані</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Показати проблеми</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Відкрити теку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Пошук зображень...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Нічого не очищено</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>Файл параметрів %1 більший за 1 МБ і його не було прочитано.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Параметри ще не збережено, тому використано типові: очищені копії з «%1» у назві поруч з оригіналами.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Нічого не очищено; обробку було зупинено</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Немає зображень для очищення: нічого не вибрано.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>У %1 немає зображень для очищення.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>У %1 та ще %n об’єкті немає зображень для очищення.</numerusform>
            <numerusform>У %1 та ще %n об’єктах немає зображень для очищення.</numerusform>
            <numerusform>У %1 та ще %n об’єктах немає зображень для очищення.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Перезаписати %n оригінальне зображення?</numerusform>
            <numerusform>Перезаписати %n оригінальні зображення?</numerusform>
            <numerusform>Перезаписати %n оригінальних зображень?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Оригінали буде перезаписано. Цю дію неможливо скасувати.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Нічого не очищено; оригінали залишилися без змін</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Очищення %n зображення...</numerusform>
            <numerusform>Очищення %n зображень...</numerusform>
            <numerusform>Очищення %n зображень...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Один або кілька вихідних файлів уже існують! Перезаписати наявні файли?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Тут не налаштовано програму для відкриття тек. Очищені зображення зберігаються в цій теці:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Усе готово до запуску</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Натисніть «Почати», щоб очистити зображення.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Більше не показувати цю сторінку.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>Зображення (999) буде очищено у вигляді копій, назви яких закінчуються на «_cleaned». Буде вилучено: усі підтримувані метадані, APP14. Дати файлів буде замінено випадковими. Оригінали, які не вдалося обробити, буде переміщено до смітника.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Оригінали буде перезаписано. Цю дію неможливо скасувати.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Неможливо почати</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 оригінал неможливо перезаписати: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n оригінал неможливо перезаписати: %1</numerusform>
            <numerusform>%n оригінали неможливо перезаписати: %1</numerusform>
            <numerusform>%n оригіналів неможливо перезаписати: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Неможливо створити теку %1: %2 — це файл, а не тека.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>Неможливо створити теку %1: немає прав на запис до %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Немає прав на запис до теки %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>Немає прав на запис до %n теки: %1</numerusform>
            <numerusform>Немає прав на запис до %n тек: %1</numerusform>
            <numerusform>Немає прав на запис до %n тек: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Недостатньо вільного місця в %1: потрібно близько %2, вільно %3.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Триває обробка зображень, зачекайте...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Виконується</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>залишилося близько %n с</numerusform>
            <numerusform>залишилося близько %n с</numerusform>
            <numerusform>залишилося близько %n с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>залишилося близько %n хв</numerusform>
            <numerusform>залишилося близько %n хв</numerusform>
            <numerusform>залишилося близько %n хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>залишилося близько %n год</numerusform>
            <numerusform>залишилося близько %n год</numerusform>
            <numerusform>залишилося близько %n год</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>Пауза: очікування вашої відповіді</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 зображення досі містить ідентифікаційні метадані.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 зображення досі містить ідентифікаційні метадані.</numerusform>
            <numerusform>%1 зображення досі містять ідентифікаційні метадані.</numerusform>
            <numerusform>%1 зображень досі містять ідентифікаційні метадані.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 RAW-файл, який ExifTool не може записувати</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n RAW-файл, який ExifTool не може записувати</numerusform>
            <numerusform>%n RAW-файли, які ExifTool не може записувати</numerusform>
            <numerusform>%n RAW-файлів, які ExifTool не може записувати</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 зображення, яке ExifTool не може записувати</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n зображення, яке ExifTool не може записувати</numerusform>
            <numerusform>%n зображення, які ExifTool не може записувати</numerusform>
            <numerusform>%n зображень, які ExifTool не може записувати</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 шлях, довший, ніж дозволяє система</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n шлях, довший, ніж дозволяє система</numerusform>
            <numerusform>%n шляхи, довші, ніж дозволяє система</numerusform>
            <numerusform>%n шляхів, довших, ніж дозволяє система</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 файл, який не є підтримуваним зображенням</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n файл, який не є підтримуваним зображенням</numerusform>
            <numerusform>%n файли, які не є підтримуваними зображеннями</numerusform>
            <numerusform>%n файлів, які не є підтримуваними зображеннями</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 файл пропущено: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n файл пропущено: %1.</numerusform>
            <numerusform>%n файли пропущено: %1.</numerusform>
            <numerusform>%n файлів пропущено: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Очищено: ідентифікаційних метаданих не залишилося.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Залишилися ідентифікаційні метадані:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Без змін: ExifTool не зміг нічого вилучити.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Помилка: очищений файл не записано.</translation>
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
        <translation>Залишилися ідентифікаційні дані</translation>
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
        <translation>Вихідний файл збережено</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Не оброблено</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>Файл не є зображенням %1; схоже, це файл %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>Файл не є коректним зображенням %1.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>Зображення %1 пошкоджено.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>Файл пошкоджено або він не є зображенням того типу, на який вказує його назва.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool не мав чого скопіювати назад до очищеного файлу (немає придатних до запису тегів).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл порожній.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>Обробку перервано внутрішньою помилкою</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Жодне зображення не очищено: обробку перервано внутрішньою помилкою</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Жодне зображення не очищено; обробку було зупинено</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Жодне зображення не очищено: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Жодне зображення не очищено; 1 не вдалося очистити</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Жодне зображення не очищено; %1 не вдалося очистити</numerusform>
            <numerusform>Жодне зображення не очищено; %1 не вдалося очистити</numerusform>
            <numerusform>Жодне зображення не очищено; %1 не вдалося очистити</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Жодне зображення не очищено</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>Зображення очищено</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>Очищено всі %1 зображення</numerusform>
            <numerusform>Очищено всі %1 зображення</numerusform>
            <numerusform>Очищено всі %1 зображень</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>Очищено 0 з 1 зображення</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>Очищено %1 з %2 зображення</numerusform>
            <numerusform>Очищено %1 з %2 зображень</numerusform>
            <numerusform>Очищено %1 з %2 зображень</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; обробку було зупинено</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 досі містить ідентифікаційні метадані</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 досі містить ідентифікаційні метадані</numerusform>
            <numerusform>; %1 досі містять ідентифікаційні метадані</numerusform>
            <numerusform>; %1 досі містять ідентифікаційні метадані</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 не вдалося очистити</numerusform>
            <numerusform>; %1 не вдалося очистити</numerusform>
            <numerusform>; %1 не вдалося очистити</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; 1 наявний вихідний файл збережено</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 наявний вихідний файл збережено</numerusform>
            <numerusform>; %1 наявні вихідні файли збережено</numerusform>
            <numerusform>; %1 наявних вихідних файлів збережено</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 зображення очищено.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 зображення очищено.</numerusform>
            <numerusform>%1 зображення очищено.</numerusform>
            <numerusform>%1 зображень очищено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 зображення не вдалося очистити.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 зображення не вдалося очистити.</numerusform>
            <numerusform>%1 зображення не вдалося очистити.</numerusform>
            <numerusform>%1 зображень не вдалося очистити.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 зображення не було оброблено до зупинки.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 зображення не було оброблено до зупинки.</numerusform>
            <numerusform>%1 зображення не було оброблено до зупинки.</numerusform>
            <numerusform>%1 зображень не було оброблено до зупинки.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 наявний вихідний файл збережено.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 наявний вихідний файл збережено.</numerusform>
            <numerusform>%1 наявні вихідні файли збережено.</numerusform>
            <numerusform>%1 наявних вихідних файлів збережено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 файл пропущено.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 файл пропущено.</numerusform>
            <numerusform>%1 файли пропущено.</numerusform>
            <numerusform>%1 файлів пропущено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 відео типу, що не очищується</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n відео типу, що не очищується</numerusform>
            <numerusform>%n відео типів, що не очищуються</numerusform>
            <numerusform>%n відео типів, що не очищуються</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Метадані для вилучення:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Усі підтримувані</translation>
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
        <translation>Мініатюра Exif</translation>
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
        <translation>Профіль ICC</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>Тег &amp;&amp; мініатюра PS</translation>
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
        <translation>Усі інші</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Зберігати орієнтацію і колірний профіль</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>посібник</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Застереження: ця програма не може гарантувати повну підтримку всіх наведених вище тегів у форматах зображень, відмінних від JPEG. Особливо складні зображення RAW. Перевірте отримані зображення, щоб переконатися, що небажані метадані вилучено. Докладніше див. %1.</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>усі підтримувані метадані</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 зображення</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 зображення</numerusform>
            <numerusform>%1 зображення</numerusform>
            <numerusform>%1 зображень</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 попередній вихідний файл пропущено)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n попередній вихідний файл пропущено)</numerusform>
            <numerusform>(%n попередні вихідні файли пропущено)</numerusform>
            <numerusform>(%n попередніх вихідних файлів пропущено)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Префікс або суфікс — частина назви файлу і не може містити «/».</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Помилка: відео неповне (обривається всередині атома)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Помилка: відео не читається (немає заголовка фільму)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>не вдалося зберегти перепаковане відео</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg завершив роботу з кодом %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Помилка: ffmpeg не може перепакувати це відео: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Ласкаво просимо до Quillmark!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Ця програма вилучає теги метаданих і мініатюри з файлів зображень. Це допомагає захистити вашу приватність в інтернеті й заощаджує місце на диску. Перетягніть сюди знімки або теки чи натисніть «Далі», щоб вибрати їх.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Домашня сторінка:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Спробуйте «quillmark --help».</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: файл параметрів %1 більший за 1 МБ і його не було прочитано; нічого не очищено</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Вилучає метадані з файлів зображень у вікні майстра.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку і вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію і вийти.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Очистити теку FOLDER без участі користувача зі збереженими параметрами, потім вийти.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Зображення і теки для початку роботи.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto приймає рівно одну теку і жодних інших шляхів.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: не вдається прочитати теку</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: немає такої теки</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: не є текою</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Очистити зображення і теки, вказані як PATH, зі збереженими параметрами та показати результат у невеликому вікні.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean і -auto не можна використовувати разом.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Виберіть теку для очищених зображень...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: не вдається записати звіт %1: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Пошук зображень...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Зупинено під час пошуку зображень; нічого не очищено.</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: підтримуваних зображень не знайдено</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool не знайдено. Встановіть його (пакунок Debian libimage-exiftool-perl) або розмістіть програму exiftool поруч із quillmark-cli.</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: неможливо почати: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Спробуйте «quillmark-cli --help».</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Файли зображень і теки для очищення.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Куди записуються очищені файли: overwrite, folder=DIR, prefix=TEXT або suffix=TEXT (типово suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>Що вилучати, список через кому з: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (типово all).</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>Що зберігається незалежно від --remove, оскільки це впливає на вигляд зображення і не дає змоги встановити особу: список через кому з orientation і color або none (типово orientation,color).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Дати очищених файлів: keep, random або &quot;YYYY-MM-DD HH:MM:SS&quot; (типово keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Переміщувати оригінали зображень, які не вдалося очистити: trash або тека.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Замінювати вже наявні очищені файли (типово вони зберігаються).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Не ігнорувати незначні помилки і попередження.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Взяти за основу параметри, збережені вікном Quillmark; параметри, вказані тут, і далі діють.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Кількість одночасних процесів ExifTool (типово — кількість ядер).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Записати JSON-звіт про результат для кожного зображення до FILE (&apos;-&apos; — стандартний вивід; підсумок тоді виводиться до стандартного потоку помилок).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Не перевіряти очищені файли на залишки ідентифікаційних метаданих (швидше).</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Хто записує очищені файли: auto (JPEG, PNG, WebP і GIF — власним модулем запису Quillmark, де це можливо, решту — ExifTool) або exiftool (усі файли — ExifTool) (типово auto).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Також очистити шляхи, перелічені у FILE, по одному на рядок (&quot;-&quot; — читання зі стандартного введення).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Шляхи в списку --files-from закінчуються символом NUL, а не розривом рядка.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: файл параметрів %1 більший за 1 МБ і його не було прочитано</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output приймає overwrite, folder=DIR, prefix=TEXT або suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove приймає список через кому з all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep приймає список через кому з orientation і color або none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates приймає keep, random або дату &quot;YYYY-MM-DD HH:MM:SS&quot; від 1980 до 2100 року</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed приймає trash або теку</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>не вказано теку призначення</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>префікс або суфікс порожній</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>префікс або суфікс має бути частиною назви файлу: він не може містити &apos;/&apos;</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>нічого вилучати: колірний профіль зберігається (див. --keep)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>нічого вилучати</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: колірний профіль зберігається; --keep orientation або --keep none вилучає його</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs приймає число від 1 до 64</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine приймає auto або exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report приймає назву файлу або &apos;-&apos;</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null потребує --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>не вдається прочитати список %1</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>не вказано файлів зображень або тек</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: немає такого файлу або теки</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: непідтримуване зображення; пропущено</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>У %1 немає зображень для очищення.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>ШЛЯХ...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Виводити лише підсумок (нічого з --report -); помилки, що переривають обробку, і далі виводяться.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Повідомити, що буде очищено, куди буде записано кожен вихідний файл і що зараз містить кожне зображення; нічого не записувати.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Перелічити ідентифікаційні метадані кожного файлу, як це робить «Переглядач метаданих»; нічого не змінювати.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run і --show не можна використовувати разом</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: не вдається прочитати: %2</translation>
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
        <translation>Не вдається прочитати: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Не містить нічого, що дає змогу встановити особу.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Містить: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 зображення було б очищено; нічого не записано.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 зображення було б очищено; нічого не записано.</numerusform>
            <numerusform>%1 зображення було б очищено; нічого не записано.</numerusform>
            <numerusform>%1 зображень було б очищено; нічого не записано.</numerusform>
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
        <translation>Вилучає метадані (Exif, GPS, мініатюри, XMP, IPTC, ICC, ...) з файлів зображень за допомогою ExifTool,
а з відео MOV і MP4 — перепаковуючи їх за допомогою ffmpeg.
Теки обходяться разом з усіма підтеками.

Кожен вихідний файл потім перевіряється; повідомляється, які ідентифікаційні метадані залишилися.

Код завершення: 0 — готово, все чисто; 1 — були проблеми, залишилися ідентифікаційні метадані, зображення
залишилося без змін або його не вдалося очистити, файл із командного рядка пропущено або файл, знайдений
у теці, пропущено (тип відео, який не очищується, тип, який ExifTool не може записувати, задовгий шлях);
2 — неправильне використання або нічого очищати, 3 — внутрішня помилка;
зупинка через SIGINT, SIGTERM або SIGHUP: 130, 143 або 129 (другий SIGINT зупиняє одразу).</translation>
    </message>
</context>
</TS>
