#pragma once

#include "core/FileOutcome.h"

#include <QList>
#include <QString>
#include <QStringList>

// Comparing ExifTool's listings of an image before and after cleaning, so the viewer can
// show what cleaning removed and what stayed. The comparison lists with "-a -u -G0:1 -s -H"
// (groups of both families, tag ids); the single-file listing's "-a -G1 -s" reads as well.
namespace MetadataCompare {

struct Entry {
    QString family; // "-G0" group: "EXIF", "MakerNotes", ...; empty when the listing has none
    QString group; // "-G1" group: "IFD0", "GPS", "XMP-dc", ...
    QString tag; // short tag name
    QString value;
    QString id; // "0x000c" (-H), empty when not listed or none

    QString key() const { return group + u':' + tag; }
};

enum class Change {
    Removed, // in the original only
    Kept, // in both, same value
    Changed, // in both, another value
    Renamed, // the same value in both under another name (renamedAs): a maker-note tag
             // ExifTool can no longer name once the cleaned file lacks Make
    Undecoded, // in maker notes the cleaned file keeps whole but ExifTool no longer decodes: an
               // unnamed tag only the cleaned file lists, or an original's tag no longer listed
    Added, // in the cleaned file only: a value the original did not have
    Computed, // a Composite value ExifTool works out from other tags: not in the file
};

struct Row {
    Entry entry; // as the original had it (the cleaned file's for Added, Computed and an unnamed Undecoded)
    Change change = Change::Kept;
    QString cleanedValue; // for Changed
    Entry renamedAs; // for Renamed: the cleaned file's name for it
    // Known identifying kinds of a tag that stayed (from the run's verification), else empty.
    QList<ResidueCategory> categories;
};

struct Counts {
    int removed = 0;
    int kept = 0; // Kept, Changed, Renamed and Undecoded
    int added = 0;
    int identifying = 0; // kept rows with a known identifying kind
    int computed = 0; // not in any count above
};

// The tag lines of a listing; other lines (warnings) are left out.
QList<Entry> parseListing(const QString &consoleOutput);

// ExifTool's arguments for a listing the comparison reads, before the file's path.
QStringList listingArguments();

// Whether a group describes the file on disk or the tool rather than what is inside the
// image (name, folder, size, file dates, permissions, the ExifTool version): such tags
// differ between any two files and say nothing about cleaning.
bool isOutsideTheImage(const QString &group);
// Whether ExifTool computed the tag from others (group Composite): it is not in the file.
bool isComputed(const Entry &entry);

// Every tag of the original in its order, each marked; then the cleaned file's own tags
// (undecoded maker notes, then added); then the cleaned file's computed values. Tags
// outside the image are left out. Repeated tags (-a) pair up in order; a value the
// cleaned file lists under another name pairs with the original's, preferring the same
// tag id and the same family-0 group. A video's cleaned tracks are taken under the
// numbers of the original tracks they came from (the remux drops subtitle and telemetry
// tracks, which renumbers the ones after them). residue: what the run found identifying
// in the cleaned file, keyed by "Group:Tag".
QList<Row> compare(const QList<Entry> &original, const QList<Entry> &cleaned, const QList<ResidueItem> &residue = {});

Counts count(const QList<Row> &rows);

// One word a person reads for a change, as the listing shows it.
QString changeWord(Change change);

} // namespace MetadataCompare
