#include "core/MetadataCompare.h"

#include "core/ResidueClassifier.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace MetadataCompare {

namespace {

// A value short enough to turn up under many names ("0", "Off", "n/a").
bool isCommonValue(const QString &normal)
{
    return normal.size() < 4;
}

bool isMakerNotes(const Entry &e)
{
    return e.family == u"MakerNotes" || e.group == u"MakerUnknown";
}

// A tag ExifTool lists by its id only: "Unknown_0x000c", "Canon_0x4012".
bool isUnnamed(const Entry &e)
{
    static const QRegularExpression unnamed(u"_0x[0-9a-fA-F]{4}$"_s);
    return unnamed.match(e.tag).hasMatch();
}

bool hasId(const Entry &e)
{
    return !e.id.isEmpty() && e.id != u"-";
}

// The id an entry has, listed or in its name (Unknown_0x000c).
QString idOf(const Entry &e)
{
    if (hasId(e))
        return e.id.toLower();
    if (isUnnamed(e))
        return e.tag.right(6).toLower();
    return {};
}

// A video's tracks in their order, each with the kind its media handler names ("Video
// Track", "Audio Track", "Text", ...): ExifTool lists each track as group TrackN.
QList<std::pair<QString, QString>> tracks(const QList<Entry> &listing)
{
    static const QRegularExpression trackGroup(u"^Track\\d+$"_s);
    QList<std::pair<QString, QString>> found;
    for (const Entry &e : listing) {
        if (!trackGroup.match(e.group).hasMatch())
            continue;
        if (found.isEmpty() || found.constLast().first != e.group)
            found.append({e.group, QString()});
        if (e.tag == u"HandlerType" && found.constLast().second.isEmpty())
            found.last().second = e.value;
    }
    return found;
}

// The remux keeps a video's picture and sound tracks in their order and drops the others
// (subtitles, telemetry), so the tracks after a dropped one are numbered anew: each of the
// cleaned file's tracks is named as the original's it came from, so it pairs with itself
// rather than with another kind of track. Nothing is renamed when the tracks do not pair.
QHash<QString, QString> originalTrackNames(const QList<Entry> &original, const QList<Entry> &cleaned)
{
    const QList<std::pair<QString, QString>> before = tracks(original);
    QHash<QString, QString> names;
    qsizetype next = 0;
    for (const auto &[group, kind] : tracks(cleaned)) {
        while (next < before.size() && before.at(next).second != kind)
            ++next;
        if (next == before.size() || kind.isEmpty())
            return {};
        if (before.at(next).first != group)
            names.insert(group, before.at(next).first);
        ++next;
    }
    return names;
}

} // namespace

QList<Entry> parseListing(const QString &consoleOutput)
{
    // "[IFD0]          Make                            : Canon" (-G1 -s), or with both
    // families and the tag id: "[MakerNotes:Canon] 0x000c SerialNumber  : 0123456789".
    static const QRegularExpression line(
        u"^\\[([^\\]:]*)(?::([^\\]]*))?\\]\\s+(?:(0x[0-9a-fA-F]+|-)\\s+)?(\\S+)\\s*: ?(.*)$"_s);
    QList<Entry> entries;
    const QStringList lines = consoleOutput.split(u'\n');
    for (QString text : lines) {
        if (text.endsWith(u'\r'))
            text.chop(1);
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            continue;
        Entry e;
        if (match.hasCaptured(2)) {
            e.family = match.captured(1);
            e.group = match.captured(2);
        } else {
            e.group = match.captured(1);
        }
        e.id = match.captured(3);
        e.tag = match.captured(4);
        e.value = match.captured(5);
        entries.append(e);
    }
    return entries;
}

QStringList listingArguments()
{
    // "-u": what the run found left may be a maker-note tag ExifTool has no name for; the
    // family-0 group and the id pair such a tag with the one the original names. "-ee":
    // a video's telemetry and timed-metadata tracks, as the run's check reads them.
    return {u"-a"_s, u"-u"_s, u"-ee"_s, u"-G0:1"_s, u"-s"_s, u"-H"_s};
}

bool isOutsideTheImage(const QString &group)
{
    return group == u"System" || group == u"ExifTool";
}

bool isComputed(const Entry &entry)
{
    return entry.group == u"Composite";
}

QList<Row> compare(const QList<Entry> &original, const QList<Entry> &cleanedListing, const QList<ResidueItem> &residue)
{
    const QHash<QString, QString> trackNames = originalTrackNames(original, cleanedListing);
    QList<Entry> cleaned = cleanedListing;
    for (Entry &e : cleaned)
        e.group = trackNames.value(e.group, e.group);
    // The cleaned file's values per key, in order, so repeated tags pair up.
    QHash<QString, QStringList> remaining;
    for (const Entry &e : cleaned) {
        if (!isOutsideTheImage(e.group) && !isComputed(e))
            remaining[e.key()].append(e.value);
    }
    QHash<QString, QList<ResidueCategory>> kinds;
    for (const ResidueItem &item : residue) {
        // Keyed as the cleaned file's tags are once their tracks are renamed.
        const QString group = item.tag.section(u':', 0, 0);
        const QString key
            = trackNames.contains(group) ? trackNames.value(group) + item.tag.mid(group.size()) : item.tag;
        if (!kinds.value(key).contains(item.category))
            kinds[key].append(item.category);
    }

    QList<Row> rows;
    bool originalHasMakerNotes = false;
    for (const Entry &e : original) {
        if (isOutsideTheImage(e.group) || isComputed(e))
            continue;
        originalHasMakerNotes = originalHasMakerNotes || isMakerNotes(e);
        Row row;
        row.entry = e;
        row.change = Change::Removed;
        rows.append(row);
    }
    // Same values pair up first, wherever they stand among a tag's repeats; what is left
    // of a tag then pairs in order as a changed value.
    for (Row &row : rows) {
        QStringList &values = remaining[row.entry.key()];
        const qsizetype at = values.indexOf(row.entry.value);
        if (at >= 0) {
            row.cleanedValue = values.takeAt(at);
            row.change = Change::Kept;
        }
    }
    for (Row &row : rows) {
        QStringList &values = remaining[row.entry.key()];
        if (row.change == Change::Removed && !values.isEmpty()) {
            row.cleanedValue = values.takeFirst();
            row.change = Change::Changed;
        }
        if (row.change != Change::Removed)
            row.categories = kinds.value(row.entry.key());
    }

    // What only the cleaned file lists: a value the original had under another name is
    // the same data renamed, not added. The best partner shares the tag id, then the
    // family-0 group; a common short value pairs only by id.
    QList<Row> ownRows;
    for (const Entry &e : cleaned) {
        if (isOutsideTheImage(e.group) || isComputed(e))
            continue;
        QStringList &values = remaining[e.key()];
        const qsizetype at = values.indexOf(e.value);
        if (at < 0)
            continue;
        values.removeAt(at);
        const QString value = normalValue(e.value);
        Row *partner = nullptr;
        int best = -1;
        if (!value.isEmpty()) {
            for (Row &row : rows) {
                if (row.change != Change::Removed || normalValue(row.entry.value) != value)
                    continue;
                const bool sameId = !idOf(e).isEmpty() && idOf(e) == idOf(row.entry);
                const bool sameFamily = !e.family.isEmpty() && e.family == row.entry.family;
                if (isCommonValue(value) && !sameId)
                    continue;
                const int score = (sameId ? 2 : 0) + (sameFamily ? 1 : 0);
                if (score > best) {
                    best = score;
                    partner = &row;
                }
            }
        }
        if (partner) {
            partner->change = Change::Renamed;
            partner->renamedAs = e;
            partner->cleanedValue = e.value;
            partner->categories = kinds.value(e.key());
            continue;
        }
        Row row;
        row.entry = e;
        row.change = originalHasMakerNotes && isMakerNotes(e) && isUnnamed(e) ? Change::Undecoded : Change::Added;
        row.categories = kinds.value(e.key());
        ownRows.append(row);
    }
    // Unnamed maker-note tags in the cleaned file mean its maker notes were kept whole,
    // only no longer decoded: the original's maker-note tags are still in there.
    const bool makerNotesUndecoded
        = std::any_of(ownRows.begin(), ownRows.end(), [](const Row &r) { return r.change == Change::Undecoded; });
    for (Row &row : rows) {
        if (makerNotesUndecoded && row.change == Change::Removed && isMakerNotes(row.entry))
            row.change = Change::Undecoded;
    }
    std::stable_sort(ownRows.begin(), ownRows.end(),
        [](const Row &a, const Row &b) { return a.change == Change::Undecoded && b.change == Change::Added; });
    rows.append(ownRows);

    for (const Entry &e : cleaned) {
        if (isComputed(e)) {
            Row row;
            row.entry = e;
            row.change = Change::Computed;
            rows.append(row);
        }
    }
    return rows;
}

Counts count(const QList<Row> &rows)
{
    Counts c;
    for (const Row &row : rows) {
        switch (row.change) {
        case Change::Removed:
            ++c.removed;
            break;
        case Change::Kept:
        case Change::Changed:
        case Change::Renamed:
        case Change::Undecoded:
            ++c.kept;
            break;
        case Change::Added:
            ++c.added;
            break;
        case Change::Computed:
            ++c.computed;
            continue;
        }
        if (row.change != Change::Removed && !row.categories.isEmpty())
            ++c.identifying;
    }
    return c;
}

QString changeWord(Change change)
{
    switch (change) {
    case Change::Removed:
        return QCoreApplication::translate("MetadataCompare", "removed");
    case Change::Kept:
    case Change::Renamed:
    case Change::Undecoded:
        return QCoreApplication::translate("MetadataCompare", "KEPT");
    case Change::Changed:
        return QCoreApplication::translate("MetadataCompare", "CHANGED");
    case Change::Added:
        return QCoreApplication::translate("MetadataCompare", "ADDED");
    case Change::Computed:
        return QCoreApplication::translate("MetadataCompare", "computed");
    }
    return {};
}

} // namespace MetadataCompare
