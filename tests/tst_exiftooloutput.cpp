// The parsers of ExifTool's output, fed what ExifTool 12.57 printed for the sample images
// (tests/data/exiftool, made by tools/record-exiftool-output.sh): no ExifTool runs here.

#include "core/MetadataCompare.h"
#include "core/ResidueClassifier.h"
#include "testutil.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using testutil::recording;

const ReadBackTag *findTag(const QList<ReadBackTag> &tags, const QString &key)
{
    for (const ReadBackTag &t : tags) {
        if (t.group + u':' + t.name == key)
            return &t;
    }
    return nullptr;
}

const QString camera = u"listing-jpeg-camera.txt"_s;
const QString cameraCleaned = u"listing-jpeg-camera-cleaned.txt"_s;
const QString camJson = u"readback-jpeg-camera.json"_s;
const QString oddJson = u"readback-jpeg-odd-values.json"_s;
const QString pngJson = u"readback-png-text.json"_s;

} // namespace

class TestExifToolOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listing()
    {
        const QString listing = QString::fromUtf8(recording(camera));
        const QList<MetadataCompare::Entry> entries = MetadataCompare::parseListing(listing);
        // Every tag line is one entry, and nothing else is: a warning line is left out.
        QCOMPARE(entries.size(), listing.count(u"\n["_s) + 1);
        const QString warned = listing + u"Warning: [minor] Maker notes could not be parsed - x.jpg\n"_s;
        QCOMPARE(MetadataCompare::parseListing(warned).size(), entries.size());
        // CR LF line ends read the same.
        QString crlf = listing;
        crlf.replace(u'\n', u"\r\n"_s);
        const QList<MetadataCompare::Entry> fromCrlf = MetadataCompare::parseListing(crlf);
        QCOMPARE(fromCrlf.size(), entries.size());
        QCOMPARE(fromCrlf.last().value, entries.last().value);

        QHash<QString, QString> values;
        for (const MetadataCompare::Entry &e : entries)
            values.insert(e.key(), e.value);
        QCOMPARE(values.value(u"ExifIFD:DateTimeOriginal"_s), u"2023:09:01 17:21:05"_s); // colons in the value
        QCOMPARE(values.value(u"ExifIFD:UserComment"_s, u"absent"_s), QString()); // empty, still a tag
        QVERIFY(values.contains(u"Canon:Canon_0x4012"_s)); // an unnamed tag (-u)
    }

    void compareCleaned()
    {
        using MetadataCompare::Change;
        const auto before = MetadataCompare::parseListing(QString::fromUtf8(recording(camera)));
        const auto after = MetadataCompare::parseListing(QString::fromUtf8(recording(cameraCleaned)));
        const QList<MetadataCompare::Row> rows = MetadataCompare::compare(before, after);
        QHash<QString, Change> changes;
        for (const MetadataCompare::Row &r : rows) {
            QVERIFY2(!MetadataCompare::isOutsideTheImage(r.entry.group), qPrintable(r.entry.key()));
            changes.insert(r.entry.key(), r.change);
        }
        for (const QString &removed : {u"IFD0:Make"_s, u"ExifIFD:SerialNumber"_s, u"GPS:GPSVersionID"_s,
                 u"Canon:OwnerName"_s, u"XMP-xmp:Rating"_s, u"File:ExifByteOrder"_s, u"IFD1:ThumbnailLength"_s})
            QCOMPARE(changes.value(removed, Change::Added), Change::Removed);
        for (const QString &kept : {u"File:FileType"_s, u"File:ImageWidth"_s})
            QCOMPARE(changes.value(kept, Change::Added), Change::Kept);
        // Computed from other tags, not in the file: apart, in no count.
        QCOMPARE(changes.value(u"Composite:ImageSize"_s, Change::Added), Change::Computed);

        const MetadataCompare::Counts counts = MetadataCompare::count(rows);
        QCOMPARE(counts.added, 0);
        QCOMPARE(counts.removed + counts.kept + counts.computed, rows.size());
        // All the cleaned file still lists, but its file-system lines and computed values, is kept.
        const auto composites = std::count_if(
            after.begin(), after.end(), [](const MetadataCompare::Entry &e) { return e.group == u"Composite"; });
        QVERIFY(composites > 0);
        QCOMPARE(counts.computed, int(composites));
        QCOMPARE(counts.kept, after.size() - 8 - composites); // ExifToolVersion and the seven System lines
        QCOMPARE(counts.identifying, 0);
    }

    void readBackValues_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("large number whole") << camJson << u"ExifIFD:SerialNumber"_s << u"302022000566"_s;
        QTest::newRow("empty") << camJson << u"Canon:InternalSerialNumber"_s << QString();
        QTest::newRow("boolean") << pngJson << u"XMP-exif:FlashFired"_s << u"false"_s;
        QTest::newRow("list joined") << pngJson << u"XMP-exif:ComponentsConfiguration"_s << u"Y, Cb, Cr, -"_s;
        QTest::newRow("not ASCII") << oddJson << u"IFD0:Artist"_s << u"Photographer\u00EDs Mate 3rd Class (A"_s;
        QTest::newRow("control characters") << oddJson << u"Photoshop:PrintFlagsInfo"_s << u"\u0001\u0001"_s;
        QTest::newRow("no group") << pngJson << u":SourceFile"_s << u"png_exif_gps_xmp.png"_s;
    }

    void readBackValues()
    {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray json = recording(file);
        const QList<ReadBackTag> tags = parseReadBack(json);
        // Nothing lost: ExifTool writes one key a line.
        QCOMPARE(tags.size(), json.count("\n  \""));
        const ReadBackTag *tag = findTag(tags, key);
        QVERIFY2(tag, qPrintable(key));
        QCOMPARE(tag->value, value);
    }

    void residue_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("category"); // -1: not residue
        const QString tif = u"readback-tiff.json"_s;
        const auto row = [](const char *name, const QString &file, const QString &key, int category) {
            QTest::newRow(name) << file << key << category;
        };
        const int none = -1;
        const int location = int(ResidueCategory::Location);
        const int device = int(ResidueCategory::Device);
        const int person = int(ResidueCategory::Person);
        const int time = int(ResidueCategory::Time);
        const int software = int(ResidueCategory::Software);
        const int identifier = int(ResidueCategory::Identifier);
        const int other = int(ResidueCategory::Other); // no known kind, still left
        row("gps latitude", pngJson, u"GPS:GPSLatitude"_s, location);
        row("xmp gps date is a place", pngJson, u"XMP-exif:GPSDateTime"_s, location);
        row("gps version alone", camJson, u"GPS:GPSVersionID"_s, other);
        row("composite position", pngJson, u"Composite:GPSPosition"_s, none);
        row("png text software", pngJson, u"PNG:Software"_s, software);
        row("file date", pngJson, u"System:FileModifyDate"_s, none);
        row("camera serial", camJson, u"ExifIFD:SerialNumber"_s, device);
        row("zeroed lens serial", camJson, u"ExifIFD:LensSerialNumber"_s, none);
        row("empty serial", camJson, u"Canon:InternalSerialNumber"_s, none);
        row("owner", camJson, u"Canon:OwnerName"_s, person);
        row("capture date", camJson, u"ExifIFD:DateTimeOriginal"_s, time);
        row("artist not UTF-8 at source", oddJson, u"IFD0:Artist"_s, person);
        row("iptc by-line", oddJson, u"IPTC:By-line"_s, person);
        row("print info with control characters", oddJson, u"Photoshop:PrintInfo2"_s, identifier);
        row("creator tool", oddJson, u"XMP-xmp:CreatorTool"_s, software);
        row("standard profile", oddJson, u"ICC_Profile:ProfileDescription"_s, none);
        row("keywords", oddJson, u"IPTC:Keywords"_s, other);
        row("tiff camera serial", tif, u"IFD0:CameraSerialNumber"_s, device);
        row("tiff orientation", tif, u"IFD0:Orientation"_s, none);
    }

    void residue()
    {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(int, category);
        const QList<ReadBackTag> tags = parseReadBack(recording(file));
        const ReadBackTag *tag = findTag(tags, key);
        QVERIFY2(tag, qPrintable(key));
        QList<ResidueItem> found;
        for (const ResidueItem &i : classifyResidue(tags)) {
            if (i.tag == key)
                found << i;
        }
        if (category < 0) {
            QVERIFY2(found.isEmpty(), qPrintable(residueSummary(found)));
            return;
        }
        QCOMPARE(found.size(), 1);
        QCOMPARE(int(found.first().category), category);
        QCOMPARE(found.first().value, tag->value);
    }

    // A batch of cleaned outputs read back in one command, checked against the serial
    // numbers of their originals, as the verifier does it.
    void cleanedBatch()
    {
        const auto outputs = parseReadBackFiles(recording(u"readback-cleaned-batch.json"_s));
        const auto originals = parseReadBackFiles(recording(u"serials-originals.json"_s));
        const QString jpg = u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s;
        const QString png = u"png_exif_gps_xmp.png"_s;
        const QString cr2 = u"cr2_canon_350d.cr2"_s;
        QCOMPARE(QSet<QString>(outputs.keyBegin(), outputs.keyEnd()),
            QSet<QString>({u"clean/"_s + jpg, u"clean/"_s + png, u"clean/"_s + cr2}));
        QCOMPARE(QSet<QString>(originals.keyBegin(), originals.keyEnd()), QSet<QString>({jpg, png, cr2}));

        // Zeroed and empty serials say nothing; Canon's raw value is a plain number.
        const auto values = [&](const QString &file) {
            QStringList list;
            for (const TellingValue &v : tellingValues(originals.value(file)))
                list << v.value;
            return list;
        };
        QCOMPARE(values(jpg), QStringList {u"302022000566"_s});
        QCOMPARE(values(png), QStringList());
        QCOMPARE(values(cr2), (QStringList {u"123456789"_s, u"2684354560"_s})); // with the serial's format

        QCOMPARE(classifyResidue(outputs.value(u"clean/"_s + jpg), tellingValues(originals.value(jpg))).size(), 0);
        QCOMPARE(classifyResidue(outputs.value(u"clean/"_s + png)).size(), 0);
        // The raw file keeps its maker notes, no longer decoded once Make is gone: they are
        // residue of no known kind, and the original's serial number shows which one is
        // the camera's.
        const QList<ReadBackTag> raw = outputs.value(u"clean/"_s + cr2);
        const auto categoryOf = [](const QList<ResidueItem> &items, const QString &tag) {
            for (const ResidueItem &i : items) {
                if (i.tag == tag)
                    return int(i.category);
            }
            return -1;
        };
        const QString serialTag = u"MakerUnknown:Unknown_0x000c"_s;
        QCOMPARE(categoryOf(classifyResidue(raw), serialTag), int(ResidueCategory::Other));
        const QList<ResidueItem> items = classifyResidue(raw, tellingValues(originals.value(cr2)));
        QCOMPARE(categoryOf(items, serialTag), int(ResidueCategory::Device));
        QVERIFY2(residueSummary(items).startsWith(u"Camera or device detail: MakerUnknown:Unknown_0x000c"_s),
            qPrintable(residueSummary(items)));
    }

    // An output that is no image shows only as ExifTool's error among the read-back
    // tags; the table finds nothing in it, so the verifier must look for the error first.
    void damagedInABatch()
    {
        const auto outputs = parseReadBackFiles(recording(u"readback-damaged-batch.json"_s));
        QCOMPARE(outputs.size(), 2);
        const QList<ReadBackTag> empty = outputs.value(u"clean/empty.jpg"_s);
        const ReadBackTag *error = findTag(empty, u"ExifTool:Error"_s);
        QVERIFY(error);
        QCOMPARE(error->value, u"File is empty"_s);
        const QList<ReadBackTag> good = outputs.value(u"clean/png_exif_gps_xmp.png"_s);
        QVERIFY(findTag(good, u"PNG:ImageWidth"_s));
        QVERIFY(!findTag(good, u"ExifTool:Error"_s));
    }
};

QTEST_GUILESS_MAIN(TestExifToolOutput)
#include "tst_exiftooloutput.moc"
