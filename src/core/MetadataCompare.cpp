#include "core/MetadataCompare.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace MetadataCompare {

QList<Entry> parseListing(const QString &consoleOutput)
{
    // "[IFD0]          Make                            : Canon"
    static const QRegularExpression line(u"^\\[([^\\]]*)\\]\\s+(\\S+)\\s*: ?(.*)$"_s);
    QList<Entry> entries;
    const QStringList lines = consoleOutput.split(u'\n');
    for (QString text : lines) {
        if (text.endsWith(u'\r'))
            text.chop(1);
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            entries.append({match.captured(1), match.captured(2), match.captured(3)});
    }
    return entries;
}

bool isOutsideTheImage(const QString &group)
{
    return group == u"System" || group == u"ExifTool";
}

QList<Row> compare(const QList<Entry> &original, const QList<Entry> &cleaned, const QList<ResidueItem> &residue)
{
    // The cleaned file's values per key, in order, so repeated tags pair up.
    QHash<QString, QStringList> remaining;
    for (const Entry &e : cleaned) {
        if (!isOutsideTheImage(e.group))
            remaining[e.key()].append(e.value);
    }
    QHash<QString, QList<ResidueCategory>> kinds;
    for (const ResidueItem &item : residue) {
        if (!kinds.value(item.tag).contains(item.category))
            kinds[item.tag].append(item.category);
    }

    QList<Row> rows;
    for (const Entry &e : original) {
        if (isOutsideTheImage(e.group))
            continue;
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
    for (const Entry &e : cleaned) {
        if (isOutsideTheImage(e.group))
            continue;
        QStringList &values = remaining[e.key()];
        const qsizetype at = values.indexOf(e.value);
        if (at < 0)
            continue;
        values.removeAt(at);
        Row row;
        row.entry = e;
        row.change = Change::Added;
        row.categories = kinds.value(e.key());
        rows.append(row);
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
            ++c.kept;
            break;
        case Change::Added:
            ++c.added;
            break;
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
        return QCoreApplication::translate("MetadataCompare", "KEPT");
    case Change::Changed:
        return QCoreApplication::translate("MetadataCompare", "CHANGED");
    case Change::Added:
        return QCoreApplication::translate("MetadataCompare", "ADDED");
    }
    return {};
}

QString categoryWord(ResidueCategory category)
{
    switch (category) {
    case ResidueCategory::Location:
        return QCoreApplication::translate("MetadataCompare", "location");
    case ResidueCategory::Device:
        return QCoreApplication::translate("MetadataCompare", "device");
    case ResidueCategory::Person:
        return QCoreApplication::translate("MetadataCompare", "person");
    case ResidueCategory::Time:
        return QCoreApplication::translate("MetadataCompare", "time");
    case ResidueCategory::Software:
        return QCoreApplication::translate("MetadataCompare", "software");
    case ResidueCategory::Identifier:
        return QCoreApplication::translate("MetadataCompare", "identifier");
    case ResidueCategory::Other:
        return QCoreApplication::translate("MetadataCompare", "other");
    }
    return {};
}

} // namespace MetadataCompare
