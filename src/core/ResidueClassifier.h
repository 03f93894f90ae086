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

// An identifying value an original carried (a serial, a name, an e-mail address, a date,
// a GPS position, ...), looked for again in its output, wherever it may hide there.
struct TellingValue {
    ResidueCategory category = ResidueCategory::Other;
    QString tag; // where the original had it, "Group:Name"
    QString value;
};

// A value as two listings are compared: trimmed and, when all digits, without leading
// zeros (Canon prints 0123456789 for the 123456789 an unnamed maker-note tag shows).
QString normalValue(const QString &value);

// ExifTool's arguments for reading an output back in full: every group, duplicates,
// embedded documents and unknown tags, as JSON.
QStringList readBackArguments();
// The arguments that read an original for its telling values: the same, with raw values
// (an unnamed maker-note tag of the output shows a serial as the number it is).
QStringList originalReadArguments();

// The tags of the first file in ExifTool's "-j -G1" output. Lists are joined with ", ".
QList<ReadBackTag> parseReadBack(const QByteArray &json);
// Every file of such an output, by its SourceFile.
QHash<QString, QList<ReadBackTag>> parseReadBackFiles(const QByteArray &json);

// The identifying values among an original's tags that are distinctive enough to be
// searched for (long enough not to turn up by chance in the picture data).
QList<TellingValue> tellingValues(const QList<ReadBackTag> &originalTags);

// What is left in an output, by default deny: every tag is either bookkeeping (the file
// system, ExifTool's own notes, values derived from others), on the allow list of what a
// picture needs to be decoded and shown (structure, size, compression, the kept
// orientation and colour data, a standard colour profile), or residue. Residue is named
// by the table in ResidueClassifier.cpp, by an identifying value inside it, or by one of
// `original`'s values it holds; whatever is left is of category Other.
QList<ResidueItem> classifyResidue(const QList<ReadBackTag> &tags, const QList<TellingValue> &original = {});

// The text fields of an ICC colour profile, read from its tag table: description,
// copyright, device maker and model descriptions, viewing conditions.
struct IccTexts {
    QString description;
    QString copyright;
    QString deviceMaker;
    QString deviceModel;
    QString viewingConditions;
};
IccTexts iccTexts(const QByteArray &profile);

// Whether one text of a colour profile is what a working space or a vendor's stock
// profile says: after the well-known names and words are taken out, nothing is left (no
// person's name, no e-mail address, no serial number, no "calibrated for").
bool isStandardIccText(const QString &text);

// The residue a colour profile amounts to: every text field that is not standard (device
// residue for the maker and model descriptions, and wherever one of `original`'s values
// turns up; person residue otherwise).
QList<ResidueItem> iccResidue(const IccTexts &texts, const QList<TellingValue> &original = {});

// Where `data` holds one of `values`, as UTF-8/Latin-1 or UTF-16 (either byte order):
// one item per value found, with the value's category, named "Bytes:" + the tag it had.
QList<ResidueItem> findTellingBytes(const QByteArray &data, const QList<TellingValue> &values);

// The names of one category's residue for a person to read: every tag, or, for a long
// list, its groups with their counts ("Canon (212 tags)").
QStringList residueTagNames(const QList<ResidueItem> &items, ResidueCategory category);

// "Location (GPS): GPS:GPSLatitude, ...; Camera serial number: Canon:SerialNumber" for
// tooltips and messages: the kinds in plain words, the categories in a fixed order,
// joined by `separator`.
QString residueSummary(const QList<ResidueItem> &items, const QString &separator = QStringLiteral("; "));
