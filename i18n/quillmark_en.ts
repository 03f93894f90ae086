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
</context>
<context>
    <name>RunReport</name>
    <message numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
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
</context>
</TS>
