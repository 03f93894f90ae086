#pragma once

#include "core/FileOutcome.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One tag as ExifTool reads it back: "-G1" group, name, printed value.
struct ReadBackTag {
    QString group;
    QString name;
    QString value;
};

// ExifTool's arguments for reading an output back in full: every group, duplicates,
// embedded documents and unknown tags, as JSON.
QStringList readBackArguments();
// The arguments that read only the serial numbers of an original; an unnamed maker-note
// tag of the output is a device serial when its value is one of them.
QStringList serialReadArguments();

// The tags of the first file in ExifTool's "-j -G1" output. Lists are joined with ", ".
QList<ReadBackTag> parseReadBack(const QByteArray &json);
// Every file of such an output, by its SourceFile.
QHash<QString, QList<ReadBackTag>> parseReadBackFiles(const QByteArray &json);

// The values of the serial-number tags among `tags` (blank ones left out).
QStringList serialValues(const QList<ReadBackTag> &tags);

// What in `tags` identifies a person, a place, a device, a time, the software or the
// document, by the table in ResidueClassifier.cpp. `originalSerials` are the serial
// numbers the original carried. The tags a format needs to be shown, the file-system
// facts and ExifTool's own notes are never residue, nor is a standard colour profile.
QList<ResidueItem> classifyResidue(const QList<ReadBackTag> &tags, const QStringList &originalSerials = {});

// Description and copyright of an ICC profile, read from its tag table.
struct IccTexts {
    QString description;
    QString copyright;
};
IccTexts iccTexts(const QByteArray &profile);

// Whether a colour profile with this description and copyright is one of the
// well-known working spaces or a vendor's stock profile, which says nothing about who
// made the picture.
bool isStandardIccProfile(const QString &description, const QString &copyright);

// The residue a colour profile amounts to: nothing for a standard one; otherwise its
// description and copyright (device residue when they hold one of `originalSerials`).
QList<ResidueItem> iccResidue(const IccTexts &texts, const QStringList &originalSerials = {});

// "location: GPS:GPSLatitude, ...; device: ..." for tooltips and messages.
QString residueSummary(const QList<ResidueItem> &items);
