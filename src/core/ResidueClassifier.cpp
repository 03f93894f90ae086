#include "core/ResidueClassifier.h"

#include "core/IdentifyingTags.h"
#include "core/ResidueRules_p.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using ResidueRules::CompiledRule;
using ResidueRules::firstMatch;

bool isBookkeeping(const ReadBackTag &t)
{
    // File-system facts, ExifTool's own notes and values derived from other tags. A JPEG
    // comment is read into the File group, but it is content.
    if (t.group == u"File")
        return t.name != u"Comment";
    return t.group == u"System" || t.group == u"Composite" || t.group == u"ExifTool" || t.group == u"SourceFile"
        || t.group.isEmpty();
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

// Values that identify whatever tag holds them: an e-mail address, an IPv4 address.
std::optional<ResidueCategory> telltaleValue(const QString &value)
{
    static const QRegularExpression email(u"[\\w.+-]+@[\\w-]+\\.[\\w.-]+"_s);
    // Four numbers up to 255, not all single digits ("1.1.0.0" is a DNG version).
    static const QRegularExpression ipv4(
        u"(?<![\\d.])(?=[\\d.]*\\d\\d)(25[0-5]|2[0-4]\\d|1?\\d?\\d)(\\.(25[0-5]|2[0-4]\\d|1?\\d?\\d)){3}(?![\\d.])"_s);
    static const QRegularExpression date(u"\\b(19|20)\\d\\d[:\\-/.](0[1-9]|1[0-2])[:\\-/.](0[1-9]|[12]\\d|3[01])\\b"_s);
    if (email.match(value).hasMatch())
        return ResidueCategory::Person;
    if (ipv4.match(value).hasMatch())
        return ResidueCategory::Device;
    if (date.match(value).hasMatch())
        return ResidueCategory::Time;
    return std::nullopt;
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
        // Every language's record: a profile may say something else in another one.
        const quint32 records = be32(8);
        const quint32 recordSize = be32(12);
        if (recordSize < 12)
            return {};
        QStringList texts;
        for (quint32 r = 0; r < records && 16 + quint64(r + 1) * recordSize <= size; ++r) {
            const int at = int(16 + r * recordSize);
            const quint32 len = be32(at + 4);
            const quint32 off = be32(at + 8);
            if (quint64(off) + len > size)
                continue;
            QString text;
            for (quint32 i = 0; i + 1 < len; i += 2)
                text += QChar(char16_t((u8(int(off + i)) << 8) | u8(int(off + i + 1))));
            text = text.section(QChar(0), 0, 0).trimmed();
            if (!text.isEmpty() && !texts.contains(text))
                texts << text;
        }
        return texts.join(u" / "_s);
    }
    return {};
}

} // namespace

QString normalValue(const QString &value)
{
    QString v = value.trimmed();
    static const QRegularExpression digits(u"^\\d+$"_s);
    if (digits.match(v).hasMatch()) {
        while (v.size() > 1 && v.startsWith(u'0'))
            v.remove(0, 1);
    }
    return v;
}

QStringList readBackArguments()
{
    return {u"-j"_s, u"-a"_s, u"-G1"_s, u"-ee"_s, u"-u"_s};
}

QStringList originalReadArguments()
{
    return {u"-j"_s, u"-a"_s, u"-G1"_s, u"-ee"_s, u"-u"_s, u"-n"_s};
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

// ExifTool's stand-in for a value it does not print.
bool isBinaryNote(const QString &value)
{
    return value.startsWith(u"(Binary data "_s) || value.startsWith(u"base64:"_s);
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

QList<TellingValue> tellingValues(const QList<ReadBackTag> &originalTags)
{
    QList<TellingValue> values;
    QStringList seen;
    const auto add = [&](ResidueCategory c, const ReadBackTag &t, const QString &value) {
        if (!seen.contains(value)) {
            seen << value;
            values.append({c, t.group + u':' + t.name, value});
        }
    };
    static const QRegularExpression coordinate(u"^-?(\\d{1,3}\\.\\d{4})\\d*$"_s);
    static const QRegularExpression digits(u"^\\d+$"_s);
    for (const ReadBackTag &t : originalTags) {
        // A colour profile's texts are judged as such (a kept standard profile is no residue).
        if (isBookkeeping(t) || isIccGroup(t.group) || isBlank(t.value) || isBinaryNote(t.value))
            continue;
        const CompiledRule *rule = firstMatch(ResidueRules::identifying(), t);
        const std::optional<ResidueCategory> telltale = telltaleValue(t.value);
        if (!rule && !telltale)
            continue;
        const ResidueCategory category = rule ? rule->category : *telltale;
        const QString value = normalValue(t.value);
        // A position in degrees: its first four decimals (about ten metres), as text
        // (XMP, JSON) would spell it.
        if (category == ResidueCategory::Location) {
            const QRegularExpressionMatch m = coordinate.match(value);
            if (m.hasMatch())
                add(category, t, m.captured(1));
            continue;
        }
        // Makes and models of cameras and lenses are in many files and name no one.
        static const QRegularExpression common(
            u"^(Make|Model|LensMake|LensModel|UniqueCameraModel|LocalizedCameraModel|CanonModelID)$"_s);
        if (common.match(t.name).hasMatch())
            continue;
        // Short values turn up by chance in megabytes of picture data; serials are
        // compared with unnamed tags' values instead (classifyResidue).
        if (value.size() >= 6 && !(digits.match(value).hasMatch() && value.size() < 7))
            add(category, t, value);
        else if (category == ResidueCategory::Device && value.size() >= 4)
            add(category, t, value);
    }
    return values;
}

QList<ResidueItem> classifyResidue(const QList<ReadBackTag> &tags, const QList<TellingValue> &original)
{
    QList<ResidueItem> items;
    IccTexts icc;
    bool hasIcc = false;
    QHash<QString, const TellingValue *> byValue;
    for (const TellingValue &v : original)
        byValue.insert(normalValue(v.value), &v);

    for (const ReadBackTag &t : tags) {
        if (isBookkeeping(t))
            continue;
        const QString tag = t.group + u':' + t.name;
        if (isIccGroup(t.group) || (t.group == u"PNG" && t.name == u"ProfileName")) {
            hasIcc = true;
            if (t.name == u"ProfileDescription" || t.name == u"ProfileName")
                icc.description += (icc.description.isEmpty() ? u""_s : u" / "_s) + t.value;
            else if (t.name == u"ProfileCopyright")
                icc.copyright = t.value;
            else if (t.name == u"DeviceMfgDesc")
                icc.deviceMaker = t.value;
            else if (t.name == u"DeviceModelDesc")
                icc.deviceModel = t.value;
            else if (t.name == u"ViewingCondDesc")
                icc.viewingConditions = t.value;
            else if (!firstMatch(ResidueRules::allowed(), t) && !isBlank(t.value))
                items.append({ResidueCategory::Other, tag, t.value}); // a private or unknown profile tag
            continue;
        }
        if (isBlank(t.value))
            continue;
        // A TIFF's second, smaller image may show what the first one was cropped from.
        static const QRegularExpression laterIfd(u"^IFD[1-9]\\d*$"_s);
        if (t.name == u"SubfileType" && t.value.startsWith(u"Reduced"_s) && laterIfd.match(t.group).hasMatch()) {
            items.append({ResidueCategory::Other, tag, t.value});
            continue;
        }
        if (const CompiledRule *r = firstMatch(ResidueRules::identifying(), t)) {
            items.append({r->category, tag, t.value});
            continue;
        }
        if (const std::optional<ResidueCategory> c = telltaleValue(t.value)) {
            items.append({*c, tag, t.value});
            continue;
        }
        // An unnamed tag (a maker note ExifTool no longer decodes once Make is gone)
        // still gives the camera or its owner away when it holds one of the original's values.
        if (const TellingValue *v = byValue.value(normalValue(t.value))) {
            items.append({v->category, tag, t.value});
            continue;
        }
        if (!firstMatch(ResidueRules::allowed(), t))
            items.append({ResidueCategory::Other, tag, t.value});
    }
    if (hasIcc)
        items.append(iccResidue(icc, original));
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
        QString *field = sig == "desc" ? &texts.description
            : sig == "cprt"            ? &texts.copyright
            : sig == "dmnd"            ? &texts.deviceMaker
            : sig == "dmdd"            ? &texts.deviceModel
            : sig == "vued"            ? &texts.viewingConditions
                                       : nullptr;
        if (field)
            *field = iccText(p, be32(e + 4), be32(e + 8));
    }
    return texts;
}

bool isStandardIccText(const QString &text)
{
    // The names of working spaces, standards and the makers of stock profiles, then the
    // words such texts are made of. A text with anything else in it (a person's or a
    // company's name, an e-mail address, a serial number, "calibrated for") is not standard.
    static const QRegularExpression names(
        u"sRGB|scRGB|Display P3|DCI-?P3|P3-D65|Adobe RGB|Apple RGB|ProPhoto|ColorMatch|ROMM|Wide ?Gamut|"
        "Rec\\.? ?(709|2020|2100)|BT\\.? ?(709|2020|2100)|ITU-R|ACES\\w*|Gray Gamma \\d\\.\\d|Dot Gain \\d+%|"
        "U\\.S\\. (Web|Sheetfed)|SWOP|GRACoL|FOGRA\\d*|Japan Color \\d*|eciRGB|IEC ?61966-2[.-]1|"
        "https?://www\\.iec\\.ch|https?://www\\.color\\.org|www\\.color\\.org|www\\.iec\\.ch|"
        "Hewlett-Packard|Adobe Systems|Apple Computer|Eastman Kodak|International Color Consortium|"
        "Konica Minolta|DiMAGE Master|Artifex Software|Little CMS|"
        "\\b(Adobe|Apple|Kodak|Microsoft|Google|Nikon|Canon|Minolta|Sony|Fujifilm|Olympus|Pentax|Panasonic|"
        "Samsung|Huawei|Xiaomi|Artifex|lcms|GIMP|ImageMagick|Epson|Seiko|Agfa|Heidelberg|Ricoh|Leica|IEC|ICC|ISO)\\b"_s,
        QRegularExpression::CaseInsensitiveOption);
    static const QSet<QString> words = {u"copyright"_s, u"c"_s, u"all"_s, u"rights"_s, u"reserved"_s, u"inc"_s,
        u"incorporated"_s, u"corp"_s, u"corporation"_s, u"company"_s, u"co"_s, u"ltd"_s, u"limited"_s, u"gmbh"_s,
        u"ag"_s, u"llc"_s, u"systems"_s, u"photo"_s, u"imaging"_s, u"the"_s, u"by"_s, u"of"_s, u"and"_s, u"for"_s,
        u"in"_s, u"to"_s, u"a"_s, u"an"_s, u"profile"_s, u"color"_s, u"colour"_s, u"space"_s, u"default"_s, u"rgb"_s,
        u"cmyk"_s, u"gray"_s, u"grey"_s, u"lab"_s, u"xyz"_s, u"v2"_s, u"v4"_s, u"version"_s, u"display"_s, u"monitor"_s,
        u"reference"_s, u"viewing"_s, u"condition"_s, u"conditions"_s, u"standard"_s, u"d50"_s, u"d65"_s, u"gamma"_s,
        u"linear"_s, u"generic"_s, u"output"_s, u"input"_s, u"medium"_s, u"metric"_s, u"coated"_s, u"uncoated"_s,
        u"web"_s, u"sheetfed"_s, u"newsprint"_s, u"public"_s, u"domain"_s, u"no"_s, u"use"_s, u"freely"_s,
        u"licensed"_s, u"under"_s, u"creative"_s, u"commons"_s, u"cc0"_s, u"attribution"_s, u"hdr"_s, u"sdr"_s, u"pq"_s,
        u"hlg"_s, u"http"_s, u"https"_s, u"www"_s, u"com"_s, u"perceptual"_s, u"relative"_s, u"colorimetric"_s,
        u"rendering"_s, u"intent"_s, u"camera"_s, u"scanner"_s, u"printer"_s, u"paper"_s, u"ink"_s, u"on"_s, u"with"_s,
        u"is"_s, u"sheet"_s, u"offset"_s, u"euroscale"_s, u"us"_s, u"japan"_s, u"europe"_s, u"based"_s, u"wide"_s,
        u"gamut"_s, u"legacy"_s, u"compatible"_s, u"compatibility"_s, u"rec"_s, u"bt"_s, u"itu"_s, u"r"_s, u"p3"_s};
    if (text.contains(u'@'))
        return false;
    QString rest = text;
    rest.replace(names, u" "_s);
    static const QRegularExpression token(u"[\\p{L}\\p{N}]+"_s);
    static const QRegularExpression shortNumber(u"^\\d{1,4}$"_s);
    for (auto it = token.globalMatch(rest); it.hasNext();) {
        const QString t = it.next().captured().toLower();
        if (!words.contains(t) && !shortNumber.match(t).hasMatch())
            return false;
    }
    return true;
}

QList<ResidueItem> iccResidue(const IccTexts &texts, const QList<TellingValue> &original)
{
    QList<ResidueItem> items;
    const auto holdsOriginal = [&](const QString &text) {
        for (const TellingValue &v : original) {
            if (v.value.size() >= 6 && text.contains(v.value))
                return true;
        }
        return false;
    };
    const struct {
        const char *tag;
        const QString &text;
        ResidueCategory category;
    } fields[] = {
        {"ICC_Profile:ProfileDescription", texts.description, ResidueCategory::Person},
        {"ICC_Profile:ProfileCopyright", texts.copyright, ResidueCategory::Person},
        {"ICC_Profile:DeviceMfgDesc", texts.deviceMaker, ResidueCategory::Device},
        {"ICC_Profile:DeviceModelDesc", texts.deviceModel, ResidueCategory::Device},
        {"ICC_Profile:ViewingCondDesc", texts.viewingConditions, ResidueCategory::Other},
    };
    for (const auto &f : fields) {
        if (isBlank(f.text))
            continue;
        if (holdsOriginal(f.text))
            items.append({ResidueCategory::Device, QString::fromLatin1(f.tag), f.text});
        else if (!isStandardIccText(f.text))
            items.append({telltaleValue(f.text).value_or(f.category), QString::fromLatin1(f.tag), f.text});
    }
    return items;
}

QList<ResidueItem> findTellingBytes(const QByteArray &data, const QList<TellingValue> &values)
{
    QList<ResidueItem> items;
    for (const TellingValue &v : values) {
        const QByteArray utf8 = v.value.toUtf8();
        QByteArray le;
        QByteArray be;
        for (const QChar c : v.value) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        if (data.contains(utf8) || data.contains(le) || data.contains(be))
            items.append({v.category, u"Bytes:"_s + v.tag.section(u':', 1), v.value});
    }
    return items;
}

QStringList residueTagNames(const QList<ResidueItem> &items, ResidueCategory category)
{
    QStringList tags;
    for (const ResidueItem &i : items) {
        if (i.category == category && !tags.contains(i.tag))
            tags << i.tag;
    }
    constexpr int longList = 12;
    if (tags.size() <= longList)
        return tags;
    // A raw file's maker notes are hundreds of tags: their groups say enough.
    QStringList groups;
    QHash<QString, QStringList> byGroup;
    for (const QString &t : std::as_const(tags)) {
        const QString group = t.section(u':', 0, 0);
        if (!byGroup.contains(group))
            groups << group;
        byGroup[group] << t;
    }
    QStringList names;
    for (const QString &g : std::as_const(groups)) {
        const QStringList &inGroup = byGroup[g];
        names << (inGroup.size() == 1 ? inGroup.first() : u"%1 (%2 tags)"_s.arg(g).arg(inGroup.size()));
    }
    return names;
}

QString residueSummary(const QList<ResidueItem> &items, const QString &separator)
{
    QStringList parts;
    for (ResidueCategory c : {ResidueCategory::Location, ResidueCategory::Device, ResidueCategory::Person,
             ResidueCategory::Time, ResidueCategory::Software, ResidueCategory::Identifier, ResidueCategory::Other}) {
        parts << IdentifyingTags::namedByKind(c, residueTagNames(items, c));
    }
    return parts.join(separator);
}
