#pragma once

#include "core/FileOutcome.h"

#include <QList>
#include <QString>

// Comparing ExifTool's listings ("-a -G1 -s") of an image before and after cleaning, so
// the viewer can show what cleaning removed and what stayed.
namespace MetadataCompare {

struct Entry {
    QString group; // "IFD0", "GPS", "XMP-dc", ...
    QString tag; // short tag name
    QString value;

    QString key() const { return group + u':' + tag; }
};

enum class Change {
    Removed, // in the original only
    Kept, // in both, same value
    Changed, // in both, another value
    Added, // in the cleaned file only
};

struct Row {
    Entry entry; // as the original had it (the cleaned file's for Added)
    Change change = Change::Kept;
    QString cleanedValue; // for Changed
    // Known identifying kinds of a tag that stayed (from the run's verification), else empty.
    QList<ResidueCategory> categories;
};

struct Counts {
    int removed = 0;
    int kept = 0; // Kept and Changed
    int added = 0;
    int identifying = 0; // kept rows with a known identifying kind
};

// The tag lines of a listing; other lines (warnings) are left out.
QList<Entry> parseListing(const QString &consoleOutput);

// Whether a group describes the file on disk or the tool rather than what is inside the
// image (name, folder, size, file dates, permissions, the ExifTool version): such tags
// differ between any two files and say nothing about cleaning.
bool isOutsideTheImage(const QString &group);

// Every tag of the original in its order, each marked; then the tags only the cleaned
// file has. Tags outside the image are left out. Repeated tags (-a) pair up in order.
// residue: what the run found identifying in the cleaned file, keyed by "Group:Tag".
QList<Row> compare(const QList<Entry> &original, const QList<Entry> &cleaned, const QList<ResidueItem> &residue = {});

Counts count(const QList<Row> &rows);

// One word a person reads for a change, as the listing shows it.
QString changeWord(Change change);
// A category as a person reads it ("location").
QString categoryWord(ResidueCategory category);

} // namespace MetadataCompare
