#pragma once

#include "core/FileOutcome.h"
#include "core/MetadataCompare.h"

#include <QList>
#include <QString>

// Identifying tags in words a person without ExifTool reads: "Camera serial number" for
// MakerNotes:SerialNumber, and the one sentence that says what a file gives away. The
// kinds come from ResidueClassifier, so the viewer and the run's check agree.
namespace IdentifyingTags {

// "Camera serial number", "Location (GPS)", "Owner name", ...; the category's own words
// for a tag the table does not know (an unnamed maker-note tag).
QString plainName(ResidueCategory category, const QString &tag);
// The category in words, capitalised: "Location", "Camera and device", ...
QString categoryTitle(ResidueCategory category);

// Tag names of one category, one line per kind: "Camera serial number: Canon:SerialNumber,
// ExifIFD:SerialNumber". Names that are no single tag (a long list's "Canon (212 tags)")
// go under the category's title.
QStringList namedByKind(ResidueCategory category, const QStringList &tagNames);

// What a listing's tags give away, by the residue rules, the most telling first (the
// order the summary names them in); Composite values and the file system are left out,
// as is what the rules cannot name (category Other).
QList<ResidueItem> identifyingItems(const QList<MetadataCompare::Entry> &listing);

// "This photo reveals where it was taken (GPS), the camera's serial number and the
// owner's name." (a video's: "This video reveals ...") or "Nothing identifying was found
// in the listing."
QString revealSummary(const QList<ResidueItem> &items, bool video = false);

} // namespace IdentifyingTags
