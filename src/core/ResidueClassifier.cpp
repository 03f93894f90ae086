#include "core/ResidueClassifier.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// What counts as identifying, by tag name (ExifTool's, case-insensitive) and, where the
// name alone is too wide, by group. The first matching row decides. Everything else a
// read-back shows is what the format needs to be shown (size, compression, colour
// space, strip offsets, ...) or says nothing about who, where, when or with what.
struct Rule {
    ResidueCategory category;
    const char *group; // regular expression on the "-G1" group, or nullptr for any
    const char *name; // regular expression on the tag name
};

const Rule rules[] = {
    // location: GPS in any group, GeoTIFF georeferencing, named places
    {ResidueCategory::Location, "^GPS$", "^(?!GPSVersionID$).*"},
    {ResidueCategory::Location, nullptr, "^GPS(?!VersionID$).+"},
    {ResidueCategory::Location, "^GeoTIFF$", ".*"},
    {ResidueCategory::Location, nullptr,
        "^(ModelTiePoint|PixelScale|ModelPixelScale|ModelTransform|GDALMetadata|GeoTiff\\w*|Geolocation\\w*)$"},
    {ResidueCategory::Location, nullptr,
        "^(Location|LocationName|LocationCreated\\w*|LocationShown\\w*|Sub-?location|City|State|Province-?State|"
        "Country|CountryCode|CountryName|Country-PrimaryLocation(Name|Code)|WorldRegion|TimeZoneCity)$"},
    // device: serial numbers anywhere, unique IDs, the raw file's name, the computer
    {ResidueCategory::Device, nullptr, "^\\w*(SerialNumber|SerialNo|Serial)$"},
    {ResidueCategory::Device, nullptr,
        "^(ImageUniqueID|RawDataUniqueID|OriginalRawFileName|HostComputer|CameraID|UniqueCameraID|"
        "ShutterCount|MechanicalShutterCount)$"},
    // person
    {ResidueCategory::Person, nullptr,
        "^(Artist|Creator|By-?line|By-?lineTitle|Copyright|CopyrightNotice|Rights|Author|Authors|AuthorsPosition|"
        "OwnerName|CameraOwnerName|Owner|XPAuthor|Credit|Contact|Writer-?Editor|CaptionWriter|Publisher|"
        "Contributor|UsageTerms|CreatorContactInfo|Creator(Address|City|Country|Region|PostalCode|Work\\w+)|"
        "CopyrightOwner\\w*|ImageCreator\\w*|Licensor\\w*)$"},
    // time: capture, creation and change dates in every group but the file system's
    {ResidueCategory::Time, nullptr,
        "^(DateTimeOriginal|CreateDate|ModifyDate|DateCreated|TimeCreated|DigitalCreation(Date|Time)|"
        "DateTimeDigitized|DateTimeCreated|MetadataDate|DateTime|OffsetTime\\w*|SubSec(CreateDate|DateTimeOriginal|"
        "ModifyDate)|(Track|Media)(Create|Modify)Date|DateSent|TimeSent|ReleaseDate|ReleaseTime|DateAcquired|"
        "\\w*(Print|Layer|Ticket)\\w*(Date|Time))$"},
    // software
    {ResidueCategory::Software, nullptr,
        "^(Software|CreatorTool|History\\w*|ProcessingSoftware|OriginatingProgram|ProgramVersion|CreatorSoftware)$"},
    // identifier: IDs that link a copy to its original, printers
    {ResidueCategory::Identifier, nullptr,
        "^(DocumentID|InstanceID|OriginalDocumentID|DerivedFrom\\w*|IPTCDigest|PrinterName|PrintInfo2?|"
        "PrintTicket\\w*|PreservedFileName|UniqueDocumentID|URL)$"},
};

struct CompiledRule {
    ResidueCategory category;
    QRegularExpression group;
    QRegularExpression name;
};

const QList<CompiledRule> &compiledRules()
{
    static const QList<CompiledRule> compiled = [] {
        QList<CompiledRule> list;
        for (const Rule &r : rules) {
            const auto opts = QRegularExpression::CaseInsensitiveOption;
            list.append(
                {r.category, r.group ? QRegularExpression(QString::fromLatin1(r.group), opts) : QRegularExpression(),
                    QRegularExpression(QString::fromLatin1(r.name), opts)});
        }
        return list;
    }();
    return compiled;
}

bool isBookkeepingGroup(const QString &group)
{
    // File-system facts, ExifTool's own notes and values derived from other tags.
    return group == u"System" || group == u"File" || group == u"Composite" || group == u"ExifTool"
        || group == u"SourceFile" || group.isEmpty();
}

bool isIccGroup(const QString &group)
{
    return group.startsWith(u"ICC"_s, Qt::CaseInsensitive);
}

// Empty, blank, all zeros or a zeroed date ("0000:00:00 00:00:00"): nothing to tell.
bool isBlank(const QString &value)
{
    static const QRegularExpression zeros(u"^[\\s0:.+\\-]*$"_s);
    return zeros.match(value).hasMatch();
}

// Serials are compared as printed and, when all digits, without leading zeros
// (Canon prints 0123456789 for the 123456789 an unnamed maker-note tag shows).
QString normalSerial(const QString &value)
{
    QString v = value.trimmed();
    static const QRegularExpression digits(u"^\\d+$"_s);
    if (digits.match(v).hasMatch()) {
        while (v.size() > 1 && v.startsWith(u'0'))
            v.remove(0, 1);
    }
    return v;
}

QString jsonText(const QJsonValue &v)
{
    if (v.isArray()) {
        QStringList parts;
        for (const QJsonValue &e : v.toArray())
            parts << jsonText(e);
        return parts.join(u", "_s);
    }
    if (v.isObject())
        return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d == double(qint64(d)) && std::abs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    return v.toVariant().toString();
}

QString iccText(const QByteArray &p, quint32 offset, quint32 size)
{
    if (quint64(offset) + size > quint64(p.size()) || size < 12)
        return {};
    const QByteArray tag = p.mid(offset, size);
    const auto u8 = [&](int i) { return quint32(quint8(tag[i])); };
    const auto be32 = [&](int i) { return (u8(i) << 24) | (u8(i + 1) << 16) | (u8(i + 2) << 8) | u8(i + 3); };
    const QByteArray type = tag.left(4);
    if (type == "text")
        return QString::fromLatin1(tag.mid(8)).section(QChar(0), 0, 0).trimmed();
    if (type == "desc") {
        const quint32 count = be32(8);
        return QString::fromLatin1(tag.mid(12, int(std::min<quint32>(count, size - 12))))
            .section(QChar(0), 0, 0)
            .trimmed();
    }
    if (type == "mluc" && size >= 16) {
        const quint32 records = be32(8);
        const quint32 recordSize = be32(12);
        if (records == 0 || recordSize < 12 || 16 + recordSize > size)
            return {};
        const quint32 len = be32(16 + 4);
        const quint32 off = be32(16 + 8);
        if (quint64(off) + len > size)
            return {};
        QString text;
        for (quint32 i = 0; i + 1 < len; i += 2)
            text += QChar(char16_t((u8(int(off + i)) << 8) | u8(int(off + i + 1))));
        return text.section(QChar(0), 0, 0).trimmed();
    }
    return {};
}

} // namespace

QStringList readBackArguments()
{
    return {u"-j"_s, u"-a"_s, u"-G1"_s, u"-ee"_s, u"-u"_s};
}

QStringList serialReadArguments()
{
    // -n: the raw value, as an unnamed maker-note tag shows it.
    return {u"-j"_s, u"-a"_s, u"-G1"_s, u"-u"_s, u"-n"_s, u"-*Serial*"_s};
}

namespace {

QList<ReadBackTag> tagsOf(const QJsonObject &file)
{
    QList<ReadBackTag> tags;
    for (auto it = file.begin(); it != file.end(); ++it) {
        const QString key = it.key();
        const qsizetype colon = key.indexOf(u':');
        ReadBackTag t;
        t.group = colon < 0 ? QString() : key.left(colon);
        t.name = colon < 0 ? key : key.mid(colon + 1);
        t.value = jsonText(it.value());
        tags.append(t);
    }
    return tags;
}

} // namespace

QList<ReadBackTag> parseReadBack(const QByteArray &json)
{
    const QJsonArray files = QJsonDocument::fromJson(json).array();
    return files.isEmpty() ? QList<ReadBackTag>() : tagsOf(files.first().toObject());
}

QHash<QString, QList<ReadBackTag>> parseReadBackFiles(const QByteArray &json)
{
    QHash<QString, QList<ReadBackTag>> result;
    const QJsonArray files = QJsonDocument::fromJson(json).array();
    for (const QJsonValue &f : files) {
        const QJsonObject o = f.toObject();
        result.insert(o.value(u"SourceFile"_s).toString(), tagsOf(o));
    }
    return result;
}

QStringList serialValues(const QList<ReadBackTag> &tags)
{
    static const QRegularExpression serialName(
        u"(SerialNumber|SerialNo|Serial)$"_s, QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (const ReadBackTag &t : tags) {
        if (isBookkeepingGroup(t.group) || !serialName.match(t.name).hasMatch() || isBlank(t.value))
            continue;
        const QString v = normalSerial(t.value);
        if (v.size() >= 4 && !values.contains(v))
            values << v;
    }
    return values;
}

QList<ResidueItem> classifyResidue(const QList<ReadBackTag> &tags, const QStringList &originalSerials)
{
    QList<ResidueItem> items;
    IccTexts icc;
    bool hasIcc = false;
    QStringList serials;
    for (const QString &s : originalSerials)
        serials << normalSerial(s);

    for (const ReadBackTag &t : tags) {
        if (isBookkeepingGroup(t.group))
            continue;
        if (isIccGroup(t.group)) {
            hasIcc = true;
            if (t.name == u"ProfileDescription")
                icc.description = t.value;
            else if (t.name == u"ProfileCopyright")
                icc.copyright = t.value;
            continue;
        }
        if (isBlank(t.value))
            continue;
        const QString tag = t.group + u':' + t.name;
        bool matched = false;
        for (const CompiledRule &r : compiledRules()) {
            if (r.group.isValid() && !r.group.pattern().isEmpty() && !r.group.match(t.group).hasMatch())
                continue;
            if (!r.name.match(t.name).hasMatch())
                continue;
            items.append({r.category, tag, t.value});
            matched = true;
            break;
        }
        // An unnamed tag (a maker note ExifTool no longer decodes once Make is gone)
        // still gives the camera away when it holds the original's serial number.
        if (!matched && !serials.isEmpty() && serials.contains(normalSerial(t.value)))
            items.append({ResidueCategory::Device, tag, t.value});
    }
    if (hasIcc)
        items.append(iccResidue(icc, originalSerials));
    return items;
}

IccTexts iccTexts(const QByteArray &p)
{
    IccTexts texts;
    if (p.size() < 132)
        return texts;
    const auto u8 = [&](qsizetype i) { return quint32(quint8(p[i])); };
    const auto be32 = [&](qsizetype i) { return (u8(i) << 24) | (u8(i + 1) << 16) | (u8(i + 2) << 8) | u8(i + 3); };
    const quint32 count = be32(128);
    for (quint32 i = 0; i < count && 132 + qsizetype(i + 1) * 12 <= p.size(); ++i) {
        const qsizetype e = 132 + qsizetype(i) * 12;
        const QByteArray sig = p.mid(e, 4);
        if (sig == "desc")
            texts.description = iccText(p, be32(e + 4), be32(e + 8));
        else if (sig == "cprt")
            texts.copyright = iccText(p, be32(e + 4), be32(e + 8));
    }
    return texts;
}

bool isStandardIccProfile(const QString &description, const QString &copyright)
{
    // Working spaces and the stock profiles of system, camera and printer makers. A
    // profile a person made for a screen or a printer names them or their device.
    static const QRegularExpression standard(
        u"sRGB|Display P3|DCI-?P3|P3-D65|Adobe RGB|Apple RGB|ProPhoto|ColorMatch|ROMM|Wide Gamut|"
        "Rec\\.? ?(709|2020|2100)|BT\\.? ?(709|2020|2100)|ITU-R|ACES|Linear|Generic|Gray Gamma|Dot Gain|"
        "U\\.S\\. Web|SWOP|GRACoL|FOGRA|Coated|Uncoated|Japan Color|eciRGB|ISO ?Coated|PSO |"
        "Hewlett-Packard|Adobe Systems|Apple (Computer|Inc)|Eastman Kodak|Kodak|Microsoft|Google|"
        "International Color Consortium|Nikon|Canon|Minolta|Sony|Fujifilm|FUJIFILM|Olympus|Pentax|Panasonic|"
        "Samsung|Huawei|Xiaomi|Artifex|Little CMS|lcms|GIMP|ImageMagick|Public Domain|No copyright|CC0"_s,
        QRegularExpression::CaseInsensitiveOption);
    if (description.isEmpty() && copyright.isEmpty())
        return true; // nothing that could name anyone
    return standard.match(description).hasMatch() || standard.match(copyright).hasMatch();
}

QList<ResidueItem> iccResidue(const IccTexts &texts, const QStringList &originalSerials)
{
    QList<ResidueItem> items;
    QStringList serials;
    for (const QString &s : originalSerials)
        serials << normalSerial(s);
    const auto namesSerial = [&](const QString &text) {
        for (const QString &s : serials) {
            if (s.size() >= 4 && text.contains(s))
                return true;
        }
        return false;
    };
    const bool standard = isStandardIccProfile(texts.description, texts.copyright);
    const std::pair<QString, QString> fields[] = {
        {u"ICC_Profile:ProfileDescription"_s, texts.description}, {u"ICC_Profile:ProfileCopyright"_s, texts.copyright}};
    for (const auto &[tag, text] : fields) {
        if (isBlank(text))
            continue;
        if (namesSerial(text))
            items.append({ResidueCategory::Device, tag, text});
        else if (!standard)
            items.append({ResidueCategory::Person, tag, text});
    }
    return items;
}

QString residueSummary(const QList<ResidueItem> &items)
{
    QStringList parts;
    for (ResidueCategory c : {ResidueCategory::Location, ResidueCategory::Device, ResidueCategory::Person,
             ResidueCategory::Time, ResidueCategory::Software, ResidueCategory::Identifier}) {
        QStringList tags;
        for (const ResidueItem &i : items) {
            if (i.category == c && !tags.contains(i.tag))
                tags << i.tag;
        }
        if (!tags.isEmpty())
            parts << categoryName(c) + u": "_s + tags.join(u", "_s);
    }
    return parts.join(u"; "_s);
}
