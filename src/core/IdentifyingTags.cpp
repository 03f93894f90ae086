#include "core/IdentifyingTags.h"

#include "core/ResidueClassifier.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace IdentifyingTags {

namespace {

// What a tag of a known kind is, by its "Group:Name" (case-insensitive); the first row of
// the item's category whose pattern matches decides, a row without one is the category's
// fallback. rank orders the summary: where and who before how the camera was set.
struct Meaning {
    ResidueCategory category;
    const char *pattern; // nullptr: any tag of the category
    const char *name; // the plain words
    const char *phrase; // what the file reveals, for the summary sentence
    int rank;
};

const Meaning meanings[] = {
    {ResidueCategory::Location, "GPS|Latitude|Longitude|Altitude",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Location (GPS)"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "where it was taken (GPS)"), 0},
    {ResidueCategory::Location, ":(City|State|Province\\w*|Country\\w*|Location\\w*|Sub-?location|WorldRegion)$",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Place name"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "where it was taken (place names)"), 1},
    {ResidueCategory::Location, ":TimeZoneCity$", QT_TRANSLATE_NOOP("IdentifyingTags", "Home time zone"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the camera's home time zone"), 3},
    {ResidueCategory::Location, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Location (map position)"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "where it lies on a map"), 2},
    {ResidueCategory::Device, "Lens\\w*Serial", QT_TRANSLATE_NOOP("IdentifyingTags", "Lens serial number"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the lens's serial number"), 11},
    {ResidueCategory::Device, "Serial", QT_TRANSLATE_NOOP("IdentifyingTags", "Camera serial number"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the camera's serial number"), 10},
    {ResidueCategory::Device, ":(ImageUniqueID|RawDataUniqueID)$",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Unique identifier"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "unique identifiers"), 40},
    {ResidueCategory::Device, ":HostComputer$", QT_TRANSLATE_NOOP("IdentifyingTags", "Computer name"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the computer's name"), 35},
    {ResidueCategory::Device, ":OriginalRawFileName$", QT_TRANSLATE_NOOP("IdentifyingTags", "Original file name"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the original file name"), 41},
    {ResidueCategory::Device, ":(CameraLabel|CameraID|UniqueCameraID)$",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Camera name"), QT_TRANSLATE_NOOP("IdentifyingTags", "the camera's name"),
        42},
    {ResidueCategory::Device, ":(LensMake|LensModel)$", QT_TRANSLATE_NOOP("IdentifyingTags", "Lens make and model"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the lens make and model"), 51},
    {ResidueCategory::Device, ":(Make|Model|UniqueCameraModel|LocalizedCameraModel|CanonModelID)$",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Camera make and model"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the camera make and model"), 50},
    {ResidueCategory::Device, "ShutterCount", QT_TRANSLATE_NOOP("IdentifyingTags", "Shutter count"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "how many photos the camera has taken"), 52},
    {ResidueCategory::Device, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Camera or device detail"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "details of the camera"), 53},
    {ResidueCategory::Person, "Owner", QT_TRANSLATE_NOOP("IdentifyingTags", "Owner name"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the owner's name"), 20},
    {ResidueCategory::Person, "E-?mail", QT_TRANSLATE_NOOP("IdentifyingTags", "E-mail address"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "an e-mail address"), 24},
    {ResidueCategory::Person, "Contact|Creator(Address|City|Country|Region|PostalCode|Work)",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Contact details"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "contact details"), 23},
    {ResidueCategory::Person, "PersonInImage|Region\\w*Name|RegionPerson|RegionInfo",
        QT_TRANSLATE_NOOP("IdentifyingTags", "People shown"), QT_TRANSLATE_NOOP("IdentifyingTags", "who is in it"), 22},
    {ResidueCategory::Person, "Copyright|Rights|UsageTerms|Licensor",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Copyright notice"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "a copyright notice"), 25},
    {ResidueCategory::Person, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Author name"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the author's name"), 21},
    {ResidueCategory::Time,
        "DateTimeOriginal|CreateDate|CreationDate|DateCreated|TimeCreated|DigitalCreation|DateTimeDigitized|"
        "DateTimeCreated",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Date and time taken"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "when it was taken"), 30},
    {ResidueCategory::Time, "ModifyDate|MetadataDate|:DateTime$",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Date and time changed"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "when it was changed"), 60},
    {ResidueCategory::Time, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Date and time"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "dates and times"), 61},
    {ResidueCategory::Software, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Software"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the software used"), 70},
    {ResidueCategory::Identifier, "Printer|PrintInfo|PrintTicket", QT_TRANSLATE_NOOP("IdentifyingTags", "Printer"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the printer"), 81},
    {ResidueCategory::Identifier, "ImageNumber|FileNumber", QT_TRANSLATE_NOOP("IdentifyingTags", "Image number"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the image number"), 82},
    {ResidueCategory::Identifier, "DocumentName|PageName|PreservedFileName",
        QT_TRANSLATE_NOOP("IdentifyingTags", "Document name"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "the document's name"), 83},
    {ResidueCategory::Identifier, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Unique identifier"),
        QT_TRANSLATE_NOOP("IdentifyingTags", "unique identifiers"), 40},
    {ResidueCategory::Other, nullptr, QT_TRANSLATE_NOOP("IdentifyingTags", "Other metadata"), nullptr, 1000},
};

const Meaning &meaningOf(ResidueCategory category, const QString &tag)
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        for (const Meaning &m : meanings) {
            list << (m.pattern
                    ? QRegularExpression(QString::fromLatin1(m.pattern), QRegularExpression::CaseInsensitiveOption)
                    : QRegularExpression());
        }
        return list;
    }();
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        const Meaning &m = meanings[i];
        if (m.category == category && (!m.pattern || patterns.at(i).match(tag).hasMatch()))
            return m;
    }
    return meanings[std::size(meanings) - 1];
}

QString translated(const char *text)
{
    return QCoreApplication::translate("IdentifyingTags", text);
}

} // namespace

QString plainName(ResidueCategory category, const QString &tag)
{
    return translated(meaningOf(category, tag).name);
}

QString categoryTitle(ResidueCategory category)
{
    switch (category) {
    case ResidueCategory::Location:
        return QCoreApplication::translate("IdentifyingTags", "Location");
    case ResidueCategory::Device:
        return QCoreApplication::translate("IdentifyingTags", "Camera and device");
    case ResidueCategory::Person:
        return QCoreApplication::translate("IdentifyingTags", "Names of people");
    case ResidueCategory::Time:
        return QCoreApplication::translate("IdentifyingTags", "Dates and times");
    case ResidueCategory::Software:
        return QCoreApplication::translate("IdentifyingTags", "Software");
    case ResidueCategory::Identifier:
        return QCoreApplication::translate("IdentifyingTags", "Identifiers");
    case ResidueCategory::Other:
        return QCoreApplication::translate("IdentifyingTags", "Other metadata");
    }
    return {};
}

QStringList namedByKind(ResidueCategory category, const QStringList &tagNames)
{
    if (tagNames.isEmpty())
        return {};
    // A tag's name has no blank; "Canon (212 tags)" has.
    if (std::any_of(tagNames.begin(), tagNames.end(), [](const QString &t) { return t.contains(u' '); }))
        return {categoryTitle(category) + u": "_s + tagNames.join(u", "_s)};
    QStringList kinds;
    QHash<QString, QStringList> tagsOfKind;
    for (const QString &t : tagNames) {
        const QString kind = plainName(category, t);
        if (!kinds.contains(kind))
            kinds << kind;
        tagsOfKind[kind] << t;
    }
    QStringList lines;
    for (const QString &kind : std::as_const(kinds))
        lines << kind + u": "_s + tagsOfKind.value(kind).join(u", "_s);
    return lines;
}

QList<ResidueItem> identifyingItems(const QList<MetadataCompare::Entry> &listing)
{
    QList<ReadBackTag> tags;
    tags.reserve(listing.size());
    for (const MetadataCompare::Entry &e : listing)
        tags.append({e.group, e.tag, e.value});
    QList<ResidueItem> items = classifyResidue(tags);
    items.removeIf([](const ResidueItem &i) { return i.category == ResidueCategory::Other; });
    std::stable_sort(items.begin(), items.end(), [](const ResidueItem &a, const ResidueItem &b) {
        return meaningOf(a.category, a.tag).rank < meaningOf(b.category, b.tag).rank;
    });
    return items;
}

QString revealSummary(const QList<ResidueItem> &items, bool video)
{
    QList<const Meaning *> said;
    for (const ResidueItem &i : items) {
        const Meaning &m = meaningOf(i.category, i.tag);
        if (m.phrase && !said.contains(&m))
            said << &m;
    }
    std::stable_sort(said.begin(), said.end(), [](const Meaning *a, const Meaning *b) { return a->rank < b->rank; });
    QStringList phrases;
    for (const Meaning *m : std::as_const(said)) {
        if (!phrases.contains(translated(m->phrase)))
            phrases << translated(m->phrase);
    }
    if (phrases.isEmpty())
        return QCoreApplication::translate("IdentifyingTags", "Nothing identifying was found in the listing.");
    // Joined here rather than by QLocale, whose C locale (a test's, a minimal session's)
    // leaves out the "and".
    QString list = phrases.takeLast();
    if (!phrases.isEmpty()) {
        list = QCoreApplication::translate("IdentifyingTags", "%1 and %2")
                   .arg(phrases.join(QCoreApplication::translate("IdentifyingTags", ", ")), list);
    }
    if (video)
        return QCoreApplication::translate("IdentifyingTags", "This video reveals %1.").arg(list);
    return QCoreApplication::translate("IdentifyingTags", "This photo reveals %1.").arg(list);
}

} // namespace IdentifyingTags
