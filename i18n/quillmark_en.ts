<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CleanJob</name>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n existing output was kept.</numerusform>
            <numerusform>%n existing outputs were kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n earlier output was left out.</numerusform>
            <numerusform>%n earlier outputs were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n other name of this file (a hard link) still holds its metadata</numerusform>
            <numerusform>%n other names of this file (hard links) still hold its metadata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 image processed (%2 KB saved)</numerusform>
            <numerusform>%1 images processed (%2 KB saved)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 image processed</numerusform>
            <numerusform>%1 images processed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>in %1 second (%2 sec avg)</numerusform>
            <numerusform>in %1 seconds (%2 sec avg)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n problem file was moved to the trash.</numerusform>
            <numerusform>%n problem files were moved to the trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n problem file was moved to %1.</numerusform>
            <numerusform>%n problem files were moved to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n problem file could not be moved to the trash; the log says why.</numerusform>
            <numerusform>%n problem files could not be moved to the trash; the log says why.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n problem file could not be moved to %1; the log says why.</numerusform>
            <numerusform>%n problem files could not be moved to %1; the log says why.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CleanWizard</name>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 image</numerusform>
            <numerusform>%1 images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>No images to clean were found in %n folder: %1</numerusform>
            <numerusform>No images to clean were found in %n folders: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 image will be cleaned</numerusform>
            <numerusform>%1 images will be cleaned</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Show the %1 image that was not reached</numerusform>
            <numerusform>Show the %1 images that were not reached</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n tag</numerusform>
            <numerusform>%n tags</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>The %n value ExifTool computes from other tags (Composite) is listed last and not counted: it is not stored in the file.</numerusform>
            <numerusform>The %n values ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 of the kept tags can identify you (marked with !).</numerusform>
            <numerusform>%1 of the kept tags can identify you (marked with !).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>No image to clean in %1 and %n other item.</numerusform>
            <numerusform>No image to clean in %1 and %n other items.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Overwrite the original of %n image?</numerusform>
            <numerusform>Overwrite the originals of %n images?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Cleaning %n image...</numerusform>
            <numerusform>Cleaning %n images...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n original cannot be overwritten: %1</numerusform>
            <numerusform>%n originals cannot be overwritten: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>%n folder cannot be written to: %1</numerusform>
            <numerusform>%n folders cannot be written to: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>about %n s left</numerusform>
            <numerusform>about %n s left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>about %n min left</numerusform>
            <numerusform>about %n min left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>about %n h left</numerusform>
            <numerusform>about %n h left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n raw file ExifTool cannot write</numerusform>
            <numerusform>%n raw files ExifTool cannot write</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n image ExifTool cannot write</numerusform>
            <numerusform>%n images ExifTool cannot write</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n path longer than the system allows</numerusform>
            <numerusform>%n paths longer than the system allows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n file that is not a supported image</numerusform>
            <numerusform>%n files that are not supported images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n file was left out: %1.</numerusform>
            <numerusform>%n files were left out: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>No image was cleaned; %1 could not be cleaned</numerusform>
            <numerusform>No image was cleaned; %1 could not be cleaned</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 image was cleaned</numerusform>
            <numerusform>All %1 images were cleaned</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>%1 of %2 image was cleaned</numerusform>
            <numerusform>%1 of %2 images were cleaned</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 still carries identifying metadata</numerusform>
            <numerusform>; %1 still carry identifying metadata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 could not be cleaned</numerusform>
            <numerusform>; %1 could not be cleaned</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 existing output was kept</numerusform>
            <numerusform>; %1 existing outputs were kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 image was cleaned.</numerusform>
            <numerusform>%1 images were cleaned.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 image could not be cleaned.</numerusform>
            <numerusform>%1 images could not be cleaned.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 image was not reached before the stop.</numerusform>
            <numerusform>%1 images were not reached before the stop.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 existing output was kept.</numerusform>
            <numerusform>%1 existing outputs were kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 file was left out.</numerusform>
            <numerusform>%1 files were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 image still carries identifying metadata.</numerusform>
            <numerusform>%1 images still carry identifying metadata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n video of a type not cleaned</numerusform>
            <numerusform>%n videos of types not cleaned</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 image</numerusform>
            <numerusform>%1 images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n earlier output left out)</numerusform>
            <numerusform>(%n earlier outputs left out)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 image would be cleaned; nothing was written.</numerusform>
            <numerusform>%1 images would be cleaned; nothing was written.</numerusform>
        </translation>
    </message>
</context>
</TS>
