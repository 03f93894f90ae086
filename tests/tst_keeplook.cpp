// Orientation and colour profile kept (or not) through the real engine and real ExifTool:
// every case of the tag boxes, with the option on and off, on a JPEG, PNG, HEIC, TIFF and
// WebP turned sideways (Orientation 6) and carrying non-sRGB profiles. The batch shares
// one "-o" pattern, the WebP goes through an output folder and a name with a line break
// through the private work folder, so every command form the engine writes is covered.

#include "job/CleanJob.h"
#include "testutil.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One file's tags as "Group:Tag" -> values (a tag may occur more than once).
using Listing = QMultiMap<QString, QString>;

// Listings of several files at once, in the order given (ExifTool heads each with
// "======== PATH"; the path itself may hold a line break, so it is not read back).
QList<Listing> listings(const QStringList &paths)
{
    QList<Listing> result;
    const QString out = testutil::runExifTool(QStringList{u"-a"_s, u"-G1"_s, u"-s"_s, u"-n"_s, u"-m"_s} + paths);
    static const QRegularExpression line(u"^\\[([^\\]]+)\\]\\s+(\\S+)\\s*: ?(.*)$"_s);
    for (const QString &l : out.split(u'\n')) {
        if (l.startsWith(u"======== "_s)) {
            result.append(Listing());
            continue;
        }
        const auto m = line.match(l);
        if (m.hasMatch() && !result.isEmpty())
            result.last().insert(m.captured(1) + u':' + m.captured(2), m.captured(3));
    }
    return result;
}

// The embedded colour profile of each file as ExifTool extracts it ("-b -icc_profile"),
// in the order given.
QList<QByteArray> iccProfiles(const QStringList &paths)
{
    QList<QByteArray> result;
    const QString out = testutil::runExifTool(QStringList{u"-j"_s, u"-b"_s, u"-ICC_Profile"_s} + paths);
    for (const QJsonValue &v : QJsonDocument::fromJson(out.toUtf8()).array()) {
        const QString b64 = v.toObject().value(u"ICC_Profile"_s).toString();
        result << (b64.startsWith(u"base64:"_s) ? QByteArray::fromBase64(b64.mid(7).toLatin1()) : b64.toUtf8());
    }
    return result;
}

QStringList valuesOf(const Listing &l, const QString &tag)
{
    QStringList values;
    for (auto it = l.cbegin(); it != l.cend(); ++it) {
        if (it.key().endsWith(u':' + tag) && !it.key().startsWith(u"MakerNotes"_s))
            values << it.value();
    }
    return values;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The compressed picture of a JPEG: from the first start-of-scan marker on.
QByteArray jpegScanData(const QString &path)
{
    const QByteArray d = fileBytes(path);
    qsizetype i = 2;
    while (i + 4 <= d.size() && static_cast<uchar>(d[i]) == 0xFF) {
        if (static_cast<uchar>(d[i + 1]) == 0xDA)
            return d.mid(i);
        i += 2 + ((static_cast<uchar>(d[i + 2]) << 8) | static_cast<uchar>(d[i + 3]));
    }
    return {};
}

// The compressed picture of a PNG: its IDAT chunks in order.
QByteArray pngImageData(const QString &path)
{
    const QByteArray d = fileBytes(path);
    QByteArray out;
    qsizetype i = 8;
    while (i + 12 <= d.size()) {
        const quint32 len = (quint32(uchar(d[i])) << 24) | (quint32(uchar(d[i + 1])) << 16)
            | (quint32(uchar(d[i + 2])) << 8) | quint32(uchar(d[i + 3]));
        if (d.mid(i + 4, 4) == "IDAT")
            out += d.mid(i + 8, len);
        i += 12 + qsizetype(len);
    }
    return out;
}

// Builds tag states from the letters of the ticked boxes (as in tst_tagoptions):
// A all, E exif, G gps, T thumbnail, X xmp, I iptc, C icc, P photoshop, 0 ifd0, O geotiff, R other.
TagOptions tags(const QString &ticked, bool keep)
{
    TagOptions t;
    t.chkCleanAll = ticked.contains(u'A');
    t.chkCleanExif = ticked.contains(u'E');
    t.chkCleanExifGPS = ticked.contains(u'G');
    t.chkCleanThumbnail = ticked.contains(u'T');
    t.chkCleanXMP = ticked.contains(u'X');
    t.chkCleanIPTC = ticked.contains(u'I');
    t.chkCleanICC = ticked.contains(u'C');
    t.chkCleanPhotoshop = ticked.contains(u'P');
    t.chkCleanTiffIdf0 = ticked.contains(u'0');
    t.chkCleanGeoTiff = ticked.contains(u'O');
    t.chkCleanAdobeApp14 = false;
    t.chkCleanOther = ticked.contains(u'R');
    t.keepOrientation = t.keepColourProfile = keep;
    return t;
}

// What the copy back may add beside what the same boxes leave without it: the kept
// tags, and the entries ExifTool itself adds to a new Exif block (resolution, versions).
bool addedByTheCopy(const QString &key)
{
    static const QStringList allowed = {
        u"IFD0:Orientation"_s,       u"IFD0:XResolution"_s,         u"IFD0:YResolution"_s,
        u"IFD0:ResolutionUnit"_s,    u"IFD0:YCbCrPositioning"_s,    u"ExifIFD:ExifVersion"_s,
        u"ExifIFD:ComponentsConfiguration"_s, u"ExifIFD:FlashpixVersion"_s, u"ExifIFD:ColorSpace"_s,
        u"ExifIFD:Gamma"_s,          u"InteropIFD:InteropIndex"_s,  u"InteropIFD:InteropVersion"_s,
        u"File:ExifByteOrder"_s,     u"RIFF:WebP_Flags"_s,          u"PNG:ProfileName"_s, // iCCP's own name
    };
    return allowed.contains(key) || key.startsWith(u"ICC"_s);
}

// Tags that say who, where or when. A kept profile's own header (ICC groups) is judged
// elsewhere; the file system's dates are not metadata of the image.
bool identifying(const QString &key)
{
    static const QRegularExpression who(
        u":(GPS\\w*|\\w*Serial\\w*|Artist|Author|Creator|By-line|OwnerName|\\w*Owner\\w*|Copyright\\w*|"
        "DateTimeOriginal|CreateDate|DateCreated|TimeCreated|ModifyDate|SubSecTime\\w*|DateTimeDigitized|"
        "Make|Model|HostComputer|Software|ImageUniqueID)$"_s);
    if (key.startsWith(u"ICC"_s) || key.startsWith(u"System:"_s) || key.startsWith(u"File:"_s)
        || key.startsWith(u"ExifTool:"_s) || key.startsWith(u"Composite:"_s))
        return false;
    return key.startsWith(u"GPS:"_s) || who.match(key).hasMatch();
}

struct Original
{
    QString name;
    QString orientation; // the Exif value, "6" for all of them
    QString rotation;    // HEIC: the irot box, which no tag option touches
    QByteArray icc;
    bool jpeg = false;
    bool png = false;
    bool tiff = false; // ExifTool keeps IFD0's Orientation as part of the TIFF structure
};

} // namespace

class TestKeepLook final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_originals;
    QList<Original> m_files;

    QString original(const QString &name) const { return m_originals.path() + u'/' + name; }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        const QList<QPair<QString, QString>> samples = {
            {u"jpeg_iphonexr_full_photo.jpg"_s, u"portrait p3.jpg"_s},          // Display P3
            {u"png_rawprofile_exif_iptc_icc.png"_s, u"portrait.png"_s},          // a vendor's sRGB variant
            {u"heic_iphone11pro_gps_exif_at_eof.heic"_s, u"portrait.heic"_s},    // Display P3, GPS
            {u"tiff_iptc_icc_xmp_photoshop.tif"_s, u"portrait prophoto.tif"_s},  // ProPhoto RGB
            {u"webp_exif_xmp_icc_gps.webp"_s, u"portrait adobergb.webp"_s},      // Adobe RGB (1998), GPS
            {u"jpeg_iphonexr_full_photo.jpg"_s, u"odd\nname.jpg"_s},             // through the work folder
        };
        QStringList paths;
        for (const auto &[sample, name] : samples) {
            QVERIFY(testutil::copySample(sample, original(name)));
            paths << original(name);
        }
        int rc = -1;
        testutil::runExifTool(QStringList{u"-overwrite_original"_s, u"-Orientation#=6"_s} + paths, &rc);
        QCOMPARE(rc, 0);

        const QList<Listing> listed = listings(paths);
        const QList<QByteArray> profiles = iccProfiles(paths);
        QCOMPARE(listed.size(), paths.size());
        QCOMPARE(profiles.size(), paths.size());
        for (const auto &[sample, name] : samples) {
            Original o;
            o.name = name;
            const Listing &l = listed.at(m_files.size());
            QCOMPARE(valuesOf(l, u"Orientation"_s).value(0), u"6"_s);
            o.orientation = u"6"_s;
            o.rotation = valuesOf(l, u"Rotation"_s).join(u',');
            o.icc = profiles.at(m_files.size());
            QVERIFY2(o.icc.size() > 500, qPrintable(name));
            o.jpeg = name.endsWith(u".jpg"_s);
            o.png = name.endsWith(u".png"_s);
            o.tiff = name.endsWith(u".tif"_s);
            m_files << o;
        }
        QCOMPARE(m_files.at(0).icc.mid(36, 4), QByteArray("acsp")); // a real ICC header
    }

    // Each case of the tag boxes; "orientation" and "profile" say whether they stay
    // when nothing is kept on purpose.
    void everyCase_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<bool>("orientationStays");
        QTest::addColumn<bool>("profileStays");
        QTest::addColumn<bool>("removesAll"); // nothing identifying may remain at all

        QTest::newRow("A all supported") << u"AEGTXICP0OR"_s << false << false << true;
        QTest::newRow("B every group") << u"EGTXICP0OR"_s << false << false << true;
        QTest::newRow("C all but exif") << u"GTXICP0OR"_s << true << false << false;
        QTest::newRow("C all but icc") << u"EGTXIP0OR"_s << false << true << true;
        QTest::newRow("D exif alone") << u"E"_s << false << true << false;
        // (Without the thumbnail box: ExifTool 12.57 leaves a HEIC wholly unchanged when asked
        // to delete PreviewImage, keep or not.)
        QTest::newRow("D exif without icc") << u"EGXIP"_s << false << true << false;
        QTest::newRow("D icc alone") << u"C"_s << true << false << false;
        QTest::newRow("D xmp alone") << u"X"_s << true << true << false;
    }

    void everyCase()
    {
        QFETCH(QString, ticked);
        QFETCH(bool, orientationStays);
        QFETCH(bool, profileStays);
        QFETCH(bool, removesAll);

        QMap<bool, QMap<QString, Listing>> out; // by keep
        for (const bool keep : {false, true}) {
            const TagOptions t = tags(ticked, keep);
            if (!t.chkCleanAll && !t.anyGroupTicked()) {
                // Nothing left to remove: the window refuses Next and the command line stops.
                ControlInputs in;
                in.iPage = 4;
                in.tags = t;
                QVERIFY(!UpdateControls(in).cmdNextEnabled);
                continue;
            }
            QTemporaryDir dir;
            QVERIFY(QDir(dir.path()).mkpath(u"tmp"_s));
            QStringList images;
            for (const Original &o : std::as_const(m_files)) {
                images << dir.path() + u'/' + o.name;
                QVERIFY(QFile::copy(original(o.name), images.last()));
            }
            JobOptions options;
            options.outputMode = OutputMode::Suffix;
            options.txtSuffix = u"_cleaned"_s;
            options.tags = t;
            JobEnvironment env;
            env.exiftool = testutil::exiftool();
            env.programFolder = dir.path();
            env.tempFolder = dir.path() + u"/tmp"_s;
            env.pauses = false;
            CleanJob job(options, env);
            const JobResult r = job.CleanImages(images);
            QVERIFY2(!r.internalError, qPrintable(r.errorDetail));
            QVERIFY2(r.problemCount == 0, qPrintable(r.problemTexts));
            QCOMPARE(r.processedCount, m_files.size());

            QStringList outputs;
            for (const Original &o : std::as_const(m_files)) {
                const QString name = QFileInfo(o.name).completeBaseName() + u"_cleaned."_s + QFileInfo(o.name).suffix();
                outputs << dir.path() + u'/' + name;
                QVERIFY2(QFile::exists(outputs.last()), qPrintable(outputs.last()));
            }
            const QList<Listing> listed = listings(outputs);
            const QList<QByteArray> profiles = iccProfiles(outputs);
            QCOMPARE(listed.size(), outputs.size());
            QCOMPARE(profiles.size(), outputs.size());
            for (int i = 0; i < m_files.size(); ++i) {
                const Original &o = m_files.at(i);
                const QString &path = outputs.at(i);
                const Listing &l = listed.at(i);
                const QString what = o.name + (keep ? u" (kept): "_s : u" (not kept): "_s);
                QVERIFY2(!l.isEmpty(), qPrintable(what + u"no listing"_s));

                const QStringList orientation = valuesOf(l, u"Orientation"_s);
                if (keep || orientationStays || o.tiff)
                    QVERIFY2(!orientation.isEmpty() && orientation.count(o.orientation) == orientation.size(),
                             qPrintable(what + orientation.join(u',')));
                else
                    QVERIFY2(orientation.isEmpty(), qPrintable(what + orientation.join(u',')));
                // HEIC's own rotation box is not metadata to ExifTool: always as it was.
                QCOMPARE(valuesOf(l, u"Rotation"_s).join(u','), o.rotation);

                if (keep || profileStays)
                    QVERIFY2(profiles.at(i) == o.icc, qPrintable(what + u"profile differs"_s));
                else
                    QVERIFY2(profiles.at(i).isEmpty(), qPrintable(what + u"profile left"_s));

                if (removesAll) {
                    for (auto it = l.cbegin(); it != l.cend(); ++it)
                        QVERIFY2(!identifying(it.key()), qPrintable(what + it.key() + u" = "_s + it.value()));
                }
                if (o.jpeg) {
                    const QByteArray scan = jpegScanData(original(o.name));
                    QVERIFY(scan.size() > 1000);
                    QVERIFY2(jpegScanData(path) == scan, qPrintable(what + u"scan data differs"_s));
                }
                if (o.png) {
                    const QByteArray idat = pngImageData(original(o.name));
                    QVERIFY(!idat.isEmpty());
                    QVERIFY2(pngImageData(path) == idat, qPrintable(what + u"IDAT differs"_s));
                }
                out[keep][o.name] = l;
            }
        }

        // The copy back brings nothing but the kept tags and ExifTool's own Exif scaffolding.
        if (!out.contains(true) || !out.contains(false))
            return;
        for (const Original &o : std::as_const(m_files)) {
            const Listing &with = out[true][o.name];
            const Listing &without = out[false][o.name];
            for (auto it = with.cbegin(); it != with.cend(); ++it) {
                if (without.contains(it.key()))
                    continue;
                QVERIFY2(addedByTheCopy(it.key()), qPrintable(o.name + u" gained "_s + it.key() + u" = "_s + it.value()));
                QVERIFY2(!identifying(it.key()), qPrintable(o.name + u" gained "_s + it.key()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestKeepLook)
#include "tst_keeplook.moc"
