// The orientation and colour-space values read from a JPEG's Exif segment, written back
// as plain values, must give the very output ExifTool's own "-tagsfromfile @" copy gives.

#include "core/KeepValues.h"
#include "core/TagOptions.h"
#include "testutil.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestKeepValues : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A JPEG sample, optionally with extra tags written by ExifTool.
    QString prepare(const QString &sampleName, const QStringList &edits, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (!testutil::copySample(sampleName, path))
            return {};
        if (!edits.isEmpty()) {
            int code = -1;
            testutil::runExifTool(QStringList {u"-m"_s, u"-overwrite_original"_s} + edits + QStringList {path}, &code);
            if (code != 0)
                return {};
        }
        return path;
    }

    // Every tag of a file but the file system's and ExifTool's own, numerically.
    static QString tagsOf(const QString &path)
    {
        QStringList lines = testutil::runExifTool(
            {u"-a"_s, u"-G1"_s, u"-s"_s, u"-n"_s, u"--System:all"_s, u"--File:all"_s, u"--ExifTool:all"_s, path})
                                .split(u'\n', Qt::SkipEmptyParts);
        return lines.join(u'\n');
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(m_dir.isValid());
    }

    void sameOutputAsExifToolsCopy_data()
    {
        QTest::addColumn<QString>("sampleName");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("readable"); // false: the reader must decline and leave it to ExifTool

        QTest::newRow("canon, rotated") << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s
                                        << QStringList {u"-Orientation#=6"_s} << true;
        QTest::newRow("uncalibrated, R03")
            << u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s
            << QStringList {u"-ExifIFD:ColorSpace#=65535"_s, u"-InteropIFD:InteropIndex#=R03"_s, u"-Orientation#=8"_s}
            << true;
        QTest::newRow("big-endian exif") << u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s
                                         << QStringList {u"-Orientation#=3"_s} << true;
        QTest::newRow("no exif") << u"jpeg_iptc_photoshop_adobe_no_exif.jpg"_s << QStringList {} << true;
        QTest::newRow("xmp orientation only")
            << u"jpeg_iptc_photoshop_adobe_no_exif.jpg"_s << QStringList {u"-XMP-tiff:Orientation#=6"_s} << false;
        QTest::newRow("gamma") << u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s << QStringList {u"-ExifIFD:Gamma=1.8"_s}
                               << true;
        QTest::newRow("many segments") << u"jpeg_exiftool_many_appn.jpg"_s << QStringList {} << true;
    }

    void sameOutputAsExifToolsCopy()
    {
        QFETCH(QString, sampleName);
        QFETCH(QStringList, edits);
        QFETCH(bool, readable);
        static int serial = 0;
        const QString input = prepare(sampleName, edits, u"in%1.jpg"_s.arg(++serial));
        QVERIFY2(!input.isEmpty(), "sample missing from tests/data/images");

        const std::optional<JpegKeepValues> values = readJpegKeepValues(input);
        QCOMPARE(values.has_value(), readable);
        if (!values)
            return;

        // What the reader found is what ExifTool reads.
        const QStringList read
            = testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-f"_s, u"-IFD0:Orientation"_s, u"-ExifIFD:ColorSpace"_s,
                                        u"-InteropIFD:InteropIndex"_s, u"-ExifIFD:Gamma"_s, input})
                  .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(read.size(), 4);
        QCOMPARE(values->orientation ? QString::number(*values->orientation) : u"-"_s, read.at(0));
        QCOMPARE(values->colorSpace ? QString::number(*values->colorSpace) : u"-"_s, read.at(1));
        QCOMPARE(values->interopIndex.value_or(u"-"_s), read.at(2));
        if (values->gamma) {
            const QStringList fraction = values->gamma->split(u'/');
            QCOMPARE(fraction.at(0).toDouble() / fraction.at(1).toDouble(), read.at(3).toDouble());
        } else {
            QCOMPARE(read.at(3), u"-"_s);
        }

        // For every case of the tag options that copies something back, both ways give
        // the same tags.
        const QList<TagOptions> cases = [] {
            TagOptions all;
            TagOptions exifOnly;
            exifOnly.all = false;
            exifOnly.exif = true;
            TagOptions orientationOnly;
            orientationOnly.keepColourProfile = false;
            return QList<TagOptions> {all, exifOnly, orientationOnly};
        }();
        int n = 0;
        for (const TagOptions &tags : cases) {
            const QString byCopy = m_dir.filePath(u"copy%1_%2.jpg"_s.arg(serial).arg(n));
            const QString byValue = m_dir.filePath(u"value%1_%2.jpg"_s.arg(serial).arg(n));
            ++n;
            int code = -1;
            testutil::runExifTool(
                QStringList {u"-m"_s} + BuildTagArguments(tags) + QStringList {u"-o"_s, byCopy, input}, &code);
            QCOMPARE(code, 0);
            testutil::runExifTool(
                QStringList {u"-m"_s} + tagArgumentsWithValues(tags, *values) + QStringList {u"-o"_s, byValue, input},
                &code);
            QCOMPARE(code, 0);
            QCOMPARE(tagsOf(byValue), tagsOf(byCopy));
        }
    }

    // What the run does: ExifTool cleans and writes a placeholder comment, which then
    // becomes an Exif segment of our own. ExifTool must read the same kept values as from
    // its own copy, find the block as valid, and the picture's bytes must not change.
    void filledPlaceholderMatchesExifToolsCopy_data()
    {
        QTest::addColumn<QString>("sampleName");
        QTest::addColumn<QStringList>("edits");
        QTest::newRow("rotated, gamma, uncalibrated")
            << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s << QStringList {u"-Orientation#=6"_s};
        QTest::newRow("R03, adobe segment")
            << u"jpeg_iptc_photoshop_adobe_no_exif.jpg"_s
            << QStringList {u"-Orientation#=8"_s, u"-ExifIFD:ColorSpace#=65535"_s, u"-InteropIFD:InteropIndex#=R03"_s};
        QTest::newRow("display p3, own comment")
            << u"jpeg_iphonexr_full_photo.jpg"_s << QStringList {u"-Comment=xxxxxxxx"_s};
    }

    void filledPlaceholderMatchesExifToolsCopy()
    {
        QFETCH(QString, sampleName);
        QFETCH(QStringList, edits);
        static int serial = 0;
        const QString input = prepare(sampleName, edits, u"ins%1.jpg"_s.arg(++serial));
        QVERIFY2(!input.isEmpty(), "sample missing from tests/data/images");
        const std::optional<JpegKeepValues> values = readJpegKeepValues(input);
        QVERIFY(values.has_value());
        const TagOptions tags;
        QVERIFY(hasValuesToKeep(tags, *values));
        const QByteArray block = buildLookExif(tags, *values);

        const QString byCopy = m_dir.filePath(u"inscopy%1.jpg"_s.arg(serial));
        const QString ours = m_dir.filePath(u"insours%1.jpg"_s.arg(serial));
        int code = -1;
        testutil::runExifTool(
            QStringList {u"-m"_s} + BuildTagArguments(tags) + QStringList {u"-o"_s, byCopy, input}, &code);
        QCOMPARE(code, 0);
        testutil::runExifTool(QStringList {u"-m"_s} + tagArgumentsWithValues(tags, JpegKeepValues {})
                + QStringList {exifPlaceholderArgument(block), u"-o"_s, ours, input},
            &code);
        QCOMPARE(code, 0);
        const QByteArray placeheld = testutil::readFile(ours);
        QVERIFY(!placeheld.isEmpty());
        QString error;
        QVERIFY2(fillExifPlaceholder(ours, block, &error), qPrintable(error));
        // A second fill finds no placeholder left.
        QVERIFY(!fillExifPlaceholder(ours, block, &error));

        const QStringList kept {u"-s3"_s, u"-n"_s, u"-f"_s, u"-IFD0:Orientation"_s, u"-ExifIFD:ColorSpace"_s,
            u"-ExifIFD:Gamma"_s, u"-InteropIFD:InteropIndex"_s, u"-ICC_Profile:ProfileDescription"_s};
        QCOMPARE(testutil::runExifTool(kept + QStringList {ours}), testutil::runExifTool(kept + QStringList {byCopy}));
        QCOMPARE(testutil::runExifTool(kept + QStringList {ours}), testutil::runExifTool(kept + QStringList {input}));
        // ExifTool's validation finds no more fault in our block than in its own.
        const QStringList validate {u"-validate"_s, u"-warning"_s, u"-a"_s, u"-s3"_s};
        QCOMPARE(testutil::runExifTool(validate + QStringList {ours}),
            testutil::runExifTool(validate + QStringList {byCopy}));

        // Same size, and from the end of the header on the file is what ExifTool wrote.
        const QByteArray filled = testutil::readFile(ours);
        QCOMPARE(filled.size(), placeheld.size());
        const qsizetype scan = placeheld.indexOf("\xFF\xDB");
        QVERIFY(scan > 0);
        QCOMPARE(filled.mid(scan), placeheld.mid(scan));
        QVERIFY(!filled.contains(QByteArray(block.size(), 'x')));
        // The image's own comment went with "-all=", as it does without the placeholder.
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-Comment"_s, ours}),
            testutil::runExifTool({u"-s3"_s, u"-Comment"_s, byCopy}));
    }

    void brokenSegmentsAreDeclined()
    {
        const QString input = prepare(u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, {}, u"cut.jpg"_s);
        // The Exif segment claims more bytes than the file has.
        QVERIFY(testutil::writeFile(input, testutil::readFile(input).left(1000)));
        QVERIFY(!readJpegKeepValues(input).has_value());
        QVERIFY(!readJpegKeepValues(m_dir.filePath(u"missing.jpg"_s)).has_value());
        const QString png = m_dir.filePath(u"p.png"_s);
        QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, png));
        QVERIFY(!readJpegKeepValues(png).has_value());
    }
};

QTEST_GUILESS_MAIN(TestKeepValues)
#include "tst_keepvalues.moc"
