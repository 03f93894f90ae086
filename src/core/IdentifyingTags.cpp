#include "core/IdentifyingTags.h"

#include "core/ResidueClassifier.h"

#include <QCoreApplication>
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

#define QMK_T(text) QT_TRANSLATE_NOOP("IdentifyingTags", text)

const Meaning meanings[] = {
    {ResidueCategory::Location, "GPS|Latitude|Longitude|Altitude", QMK_T("Location (GPS)"),
        QMK_T("where it was taken (GPS)"), 0},
    {ResidueCategory::Location, ":(City|State|Province\\w*|Country\\w*|Location\\w*|Sub-?location|WorldRegion)$",
        QMK_T("Place name"), QMK_T("where it was taken (place names)"), 1},
    {ResidueCategory::Location, ":TimeZoneCity$", QMK_T("Home time zone"), QMK_T("the camera's home time zone"), 3},
    {ResidueCategory::Location, nullptr, QMK_T("Location (map position)"), QMK_T("where it lies on a map"), 2},
    {ResidueCategory::Device, "Lens\\w*Serial", QMK_T("Lens serial number"), QMK_T("the lens's serial number"), 11},
    {ResidueCategory::Device, "Serial", QMK_T("Camera serial number"), QMK_T("the camera's serial number"), 10},
    {ResidueCategory::Device, ":(ImageUniqueID|RawDataUniqueID)$", QMK_T("Unique identifier"),
        QMK_T("unique identifiers"), 40},
    {ResidueCategory::Device, ":HostComputer$", QMK_T("Computer name"), QMK_T("the computer's name"), 35},
    {ResidueCategory::Device, ":OriginalRawFileName$", QMK_T("Original file name"), QMK_T("the original file name"),
        41},
    {ResidueCategory::Device, ":(CameraLabel|CameraID|UniqueCameraID)$", QMK_T("Camera name"),
        QMK_T("the camera's name"), 42},
    {ResidueCategory::Device, ":(LensMake|LensModel)$", QMK_T("Lens make and model"), QMK_T("the lens make and model"),
        51},
    {ResidueCategory::Device, ":(Make|Model|UniqueCameraModel|LocalizedCameraModel|CanonModelID)$",
        QMK_T("Camera make and model"), QMK_T("the camera make and model"), 50},
    {ResidueCategory::Device, "ShutterCount", QMK_T("Shutter count"), QMK_T("how many photos the camera has taken"),
        52},
    {ResidueCategory::Device, nullptr, QMK_T("Camera or device detail"), QMK_T("details of the camera"), 53},
    {ResidueCategory::Person, "Owner", QMK_T("Owner name"), QMK_T("the owner's name"), 20},
    {ResidueCategory::Person, "E-?mail", QMK_T("E-mail address"), QMK_T("an e-mail address"), 24},
    {ResidueCategory::Person, "Contact|Creator(Address|City|Country|Region|PostalCode|Work)", QMK_T("Contact details"),
        QMK_T("contact details"), 23},
    {ResidueCategory::Person, "PersonInImage|Region\\w*Name|RegionPerson|RegionInfo", QMK_T("People shown"),
        QMK_T("who is in it"), 22},
    {ResidueCategory::Person, "Copyright|Rights|UsageTerms|Licensor", QMK_T("Copyright notice"),
        QMK_T("a copyright notice"), 25},
    {ResidueCategory::Person, nullptr, QMK_T("Author name"), QMK_T("the author's name"), 21},
    {ResidueCategory::Time,
        "DateTimeOriginal|CreateDate|DateCreated|TimeCreated|DigitalCreation|DateTimeDigitized|DateTimeCreated",
        QMK_T("Date and time taken"), QMK_T("when it was taken"), 30},
    {ResidueCategory::Time, "ModifyDate|MetadataDate|:DateTime$", QMK_T("Date and time changed"),
        QMK_T("when it was changed"), 60},
    {ResidueCategory::Time, nullptr, QMK_T("Date and time"), QMK_T("dates and times"), 61},
    {ResidueCategory::Software, nullptr, QMK_T("Software"), QMK_T("the software used"), 70},
    {ResidueCategory::Identifier, "Printer|PrintInfo|PrintTicket", QMK_T("Printer"), QMK_T("the printer"), 81},
    {ResidueCategory::Identifier, "ImageNumber|FileNumber", QMK_T("Image number"), QMK_T("the image number"), 82},
    {ResidueCategory::Identifier, "DocumentName|PageName|PreservedFileName", QMK_T("Document name"),
        QMK_T("the document's name"), 83},
    {ResidueCategory::Identifier, nullptr, QMK_T("Unique identifier"), QMK_T("unique identifiers"), 40},
    {ResidueCategory::Other, nullptr, QMK_T("Other metadata"), nullptr, 1000},
};

#undef QMK_T

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

QString revealSummary(const QList<ResidueItem> &items)
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
    return QCoreApplication::translate("IdentifyingTags", "This photo reveals %1.").arg(list);
}

} // namespace IdentifyingTags
