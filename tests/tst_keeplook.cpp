// Orientation and colour profile kept (or not) through the real engine and real ExifTool:
// every case of the tag boxes, with the option on and off, on a JPEG, PNG, HEIC, TIFF and
// WebP turned sideways (Orientation 6) and carrying non-sRGB profiles. The batch shares
// one "-o" pattern, the WebP goes through an output folder and a name with a line break
// through the private work folder, so every command form the engine writes is covered.

#include "core/CleanJob.h"
#include "jobfixtures.h"
#include "jobtestutil.h"
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

// Every tag of each file ("Group:Tag" -> value, binary values as "base64:..."), in the order given.
QList<QJsonObject> listings(const QStringList &paths)
{
    const QString out = testutil::runExifTool(
        QStringList {u"-j"_s, u"-a"_s, u"-G1"_s, u"-n"_s, u"-b"_s, u"-m"_s, u"-all:all"_s, u"-ICC_Profile"_s}
        // the profile block itself is listed only when asked for
        + paths);
    QList<QJsonObject> result;
    for (const QJsonValue &v : QJsonDocument::fromJson(out.toUtf8()).array())
        result << v.toObject();
    return result;
}

QString orientationOf(const QJsonObject &l)
{
    return l.value(u"IFD0:Orientation"_s).toVariant().toString();
}

// The embedded colour profile's bytes, as "exiftool -b -icc_profile" gives them.
QByteArray profileOf(const QJsonObject &l)
{
    return QByteArray::fromBase64(l.value(u"ICC_Profile:ICC_Profile"_s).toString().mid(7).toLatin1());
}

// What the copy back may add beside what the same boxes leave without it: the kept
// tags, and the entries ExifTool itself adds to a new Exif block (resolution, versions).
bool addedByTheCopy(const QString &key)
{
    static const QStringList allowed = {
        u"IFD0:Orientation"_s,
        u"IFD0:XResolution"_s,
        u"IFD0:YResolution"_s,
        u"IFD0:ResolutionUnit"_s,
        u"IFD0:YCbCrPositioning"_s,
        u"ExifIFD:ExifVersion"_s,
        u"ExifIFD:ComponentsConfiguration"_s,
        u"ExifIFD:FlashpixVersion"_s,
        u"ExifIFD:ColorSpace"_s,
        u"ExifIFD:Gamma"_s,
        u"InteropIFD:InteropIndex"_s,
        u"InteropIFD:InteropVersion"_s,
        u"File:ExifByteOrder"_s,
        u"RIFF:WebP_Flags"_s,
        u"PNG:ProfileName"_s, // iCCP's own name
        // A PNG whose orientation is kept from its Exif goes to ExifTool, which keeps the
        // significant-bits hint the native writer drops.
        u"PNG:SignificantBits"_s,
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

struct Original {
    QString name;
    QString rotation; // HEIC: the irot box, which no tag option touches
    QByteArray icc;
    QByteArray picture; // JPEG and PNG
    bool tiff = false; // ExifTool keeps IFD0's Orientation as part of the TIFF structure
};

} // namespace

class TestKeepLook final : public QObject {
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
            {u"jpeg_iphonexr_full_photo.jpg"_s, u"portrait p3.jpg"_s}, // Display P3
            {u"png_rawprofile_exif_iptc_icc.png"_s, u"portrait.png"_s}, // a vendor's sRGB variant
            {u"heic_iphone11pro_gps_exif_at_eof.heic"_s, u"portrait.heic"_s}, // Display P3, GPS
            {u"tiff_iptc_icc_xmp_photoshop.tif"_s, u"portrait prophoto.tif"_s}, // ProPhoto RGB
            {u"webp_exif_xmp_icc_gps.webp"_s, u"portrait adobergb.webp"_s}, // Adobe RGB (1998), GPS
            {u"jpeg_iphonexr_full_photo.jpg"_s, u"odd\nname.jpg"_s}, // through the work folder
        };
        QStringList paths;
        for (const auto &[sample, name] : samples) {
            QVERIFY(testutil::copySample(sample, original(name)));
            paths << original(name);
        }
        int rc = -1;
        testutil::runExifTool(QStringList {u"-overwrite_original"_s, u"-Orientation#=6"_s} + paths, &rc);
        QCOMPARE(rc, 0);

        const QList<QJsonObject> listed = listings(paths);
        QCOMPARE(listed.size(), paths.size());
        for (const auto &[sample, name] : samples) {
            const QJsonObject &l = listed.at(m_files.size());
            QCOMPARE(orientationOf(l), u"6"_s);
            const Original o {name, l.value(u"QuickTime:Rotation"_s).toVariant().toString(), profileOf(l),
                testutil::pictureData(original(name), true), name.endsWith(u".tif"_s)};
            QVERIFY2(o.icc.size() > 500 && o.icc.mid(36, 4) == "acsp", qPrintable(name)); // a real ICC header
            QVERIFY(o.picture.size() > 1000 || !(name.endsWith(u".jpg"_s) || name.endsWith(u".png"_s)));
            m_files << o;
        }
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
        QTest::newRow("D icc alone") << u"C"_s << true << false << false;
        QTest::newRow("D xmp alone") << u"X"_s << true << true << false;
    }

    void everyCase()
    {
        QFETCH(QString, ticked);
        QFETCH(bool, orientationStays);
        QFETCH(bool, profileStays);
        QFETCH(bool, removesAll);

        QMap<bool, QMap<QString, QJsonObject>> out; // by keep
        for (const bool keep : {false, true}) {
            const TagOptions t = testutil::tagOptions(ticked, keep ? u"oc"_s : QString());
            if (!t.all && !t.anyGroupTicked()) {
                // Nothing left to remove: the window refuses Next (tst_gui_rules) and the
                // command line stops.
                continue;
            }
            QTemporaryDir dir;
            QStringList images;
            for (const Original &o : std::as_const(m_files)) {
                images << dir.path() + u'/' + o.name;
                QVERIFY(QFile::copy(original(o.name), images.last()));
            }
            JobOptions options;
            options.outputMode = OutputMode::Suffix;
            options.suffix = u"_cleaned"_s;
            options.tags = t;
            CleanJob job(options, testutil::jobEnvironment(dir.path(), dir.path() + u"/tmp"_s));
            const JobResult r = testutil::runJob(job, images);
            QVERIFY2(!r.internalError, qPrintable(r.errorDetail));
            QVERIFY2(r.problemCount == 0, qPrintable(r.problemTexts));
            QCOMPARE(r.processedCount, m_files.size());

            QStringList outputs;
            for (const Original &o : std::as_const(m_files)) {
                const QString name = QFileInfo(o.name).completeBaseName() + u"_cleaned."_s + QFileInfo(o.name).suffix();
                outputs << dir.path() + u'/' + name;
                QVERIFY2(QFile::exists(outputs.last()), qPrintable(outputs.last()));
            }
            const QList<QJsonObject> listed = listings(outputs);
            QCOMPARE(listed.size(), outputs.size());
            for (int i = 0; i < m_files.size(); ++i) {
                const Original &o = m_files.at(i);
                const QJsonObject &l = listed.at(i);
                const QString what = o.name + (keep ? u" (kept): "_s : u" (not kept): "_s);
                QCOMPARE(orientationOf(l), keep || orientationStays || o.tiff ? u"6"_s : QString());
                // HEIC's own rotation box is not metadata to ExifTool: always as it was.
                QCOMPARE(l.value(u"QuickTime:Rotation"_s).toVariant().toString(), o.rotation);
                QVERIFY2(
                    profileOf(l) == (keep || profileStays ? o.icc : QByteArray()), qPrintable(what + u"profile"_s));
                QVERIFY2(testutil::pictureData(outputs.at(i), true) == o.picture, qPrintable(what + u"picture data"_s));
                for (auto it = l.constBegin(); removesAll && it != l.constEnd(); ++it)
                    QVERIFY2(!identifying(it.key()), qPrintable(what + it.key()));
                out[keep][o.name] = l;
            }
        }

        // The copy back brings nothing but the kept tags and ExifTool's own Exif scaffolding.
        if (!out.contains(true) || !out.contains(false))
            return;
        for (const Original &o : std::as_const(m_files)) {
            const QJsonObject &without = out[false][o.name];
            for (const QString &key : out[true][o.name].keys())
                QVERIFY2(without.contains(key) || (addedByTheCopy(key) && !identifying(key)),
                    qPrintable(o.name + u" gained "_s + key));
        }
    }
};

QTEST_GUILESS_MAIN(TestKeepLook)
#include "tst_keeplook.moc"
