// The command builder: the ExifTool arguments of a batch for each set of options, from
// what is known of its images. Pure: nothing is read or run.

#include "core/JobCommands.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The images of the table's batch: two grouped JPEGs (one with an orientation to keep), a
// grouped PNG, a TIFF (a format that keeps metadata under "-all=") with a command of
// its own, and a grouped PNG again.
QList<CommandImage> batchImages(bool withValues)
{
    QList<CommandImage> images(5);
    images[0].etInput = u"/in/a.jpg"_s;
    images[0].jpeg = true;
    images[1].etInput = u"/in/b.png"_s;
    images[2].etInput = u"/in/c.jpg"_s;
    images[2].jpeg = true;
    if (withValues) {
        JpegKeepValues values;
        values.orientation = 6;
        images[2].keepValues = values;
        images[0].keepValues = JpegKeepValues {};
    }
    images[3].etInput = u"/in/d.tif"_s;
    images[3].etOutFolder = u"/stage/3/"_s;
    images[3].raw = true;
    images[4].etInput = u"/in/e.png"_s;
    for (int k : {0, 1, 2, 4})
        images[k].grouped = true;
    return images;
}

} // namespace

// The option sets of the table.
enum class OptionSet { Defaults, NoMinorWarnings, GpsOnly, KeepNothing };

JobOptions optionsFor(OptionSet set)
{
    JobOptions o;
    switch (set) {
    case OptionSet::Defaults:
        break;
    case OptionSet::NoMinorWarnings:
        o.ignoreMinorWarnings = false;
        break;
    case OptionSet::GpsOnly:
        o.tags.all = o.tags.exif = o.tags.thumbnail = o.tags.xmp = false;
        o.tags.iptc = o.tags.icc = o.tags.photoshop = o.tags.ifd0 = false;
        o.tags.geoTiff = o.tags.other = false;
        break;
    case OptionSet::KeepNothing:
        o.tags.keepOrientation = o.tags.keepColourProfile = false;
        break;
    }
    return o;
}

class TestJobCommands final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<bool>("needsValues"); // the options copy values back: the JPEGs' are read
        QTest::addColumn<bool>("needsJpeg");
        QTest::addColumn<bool>("needsRaw");
        QTest::addColumn<QList<QStringList>>("commands");
        QTest::addColumn<QList<QList<int>>>("members");

        const QStringList all {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s, u"-ModelTiePoint="_s, u"-PixelScale="_s,
            u"-ModelTransform="_s, u"-GDALMetadata="_s, u"-IFD0:CameraSerialNumber="_s, u"-IFD0:HostComputer="_s,
            u"-IFD0:OwnerName="_s, u"-IFD0:DocumentName="_s, u"-IFD0:PageName="_s};
        // What a JPEG needs of those: "-all=" covers the rest there.
        const QStringList jpeg {u"-all="_s};
        const QStringList keepIcc {u"--ICC_Profile:all"_s};
        const QStringList copyBack {u"-e"_s, u"-tagsfromfile"_s, u"@"_s, u"-IFD0:Orientation#"_s,
            u"-ExifIFD:ColorSpace"_s, u"-ExifIFD:Gamma"_s, u"-InteropIFD:InteropIndex"_s};
        const QStringList raw {u"-SerialNumber="_s, u"-InternalSerialNumber="_s, u"-LensSerialNumber="_s,
            u"-OwnerName="_s, u"-ImageUniqueID="_s, u"-RawDataUniqueID="_s, u"-OriginalRawFileName="_s,
            u"-DateTimeOriginal="_s, u"-CreateDate="_s, u"-ModifyDate="_s, u"-OffsetTime*="_s, u"-TrackCreateDate="_s,
            u"-TrackModifyDate="_s, u"-MediaCreateDate="_s, u"-MediaModifyDate="_s, u"-IPTCDigest="_s,
            u"-Photoshop:URL="_s};
        const QStringList group {u"-o"_s, u"%dstage-0/"_s};
        const QStringList own {u"/in/d.tif"_s, u"-o"_s, u"/stage/3/"_s};
        // The orientation of c.jpg goes into its output afterwards; ExifTool writes a
        // comment of the same size as its placeholder.
        const QString placeholder = u"-Comment="_s + QString(96, u'x');

        for (const bool minor : {true, false}) {
            const QStringList tail = minor ? QStringList {u"-m"_s, u"-P"_s} : QStringList {u"-P"_s};
            QTest::newRow(minor ? "defaults" : "defaults without -m")
                << int(minor ? OptionSet::Defaults : OptionSet::NoMinorWarnings) << true << true << true
                << QList<QStringList> {jpeg + keepIcc + tail + group + QStringList {u"/in/a.jpg"_s},
                       all + keepIcc + copyBack + tail + group + QStringList {u"/in/b.png"_s},
                       jpeg + keepIcc + QStringList {placeholder} + tail + group + QStringList {u"/in/c.jpg"_s},
                       all + keepIcc + copyBack + raw + tail + own,
                       all + keepIcc + copyBack + tail + group + QStringList {u"/in/e.png"_s}}
                << QList<QList<int>> {{0}, {1}, {2}, {3}, {4}};
        }
        // Nothing differs between the images: the grouped ones before the TIFF share a command.
        const QStringList gps {u"-gps:all="_s, u"-m"_s, u"-P"_s};
        QTest::newRow("GPS only") << int(OptionSet::GpsOnly) << false << false << false
                                  << QList<QStringList> {gps + group
                                             + QStringList {u"/in/a.jpg"_s, u"/in/b.png"_s, u"/in/c.jpg"_s},
                                         gps + own, gps + group + QStringList {u"/in/e.png"_s}}
                                  << QList<QList<int>> {{0, 1, 2}, {3}, {4}};
        const QStringList tail {u"-m"_s, u"-P"_s};
        QTest::newRow("nothing kept") << int(OptionSet::KeepNothing) << false << true << true
                                      << QList<QStringList> {jpeg + tail + group
                                                 + QStringList {u"/in/a.jpg"_s, u"/in/c.jpg"_s},
                                             all + tail + group + QStringList {u"/in/b.png"_s}, all + raw + tail + own,
                                             all + tail + group + QStringList {u"/in/e.png"_s}}
                                      << QList<QList<int>> {{0, 2}, {1}, {3}, {4}};
    }

    void commands()
    {
        QFETCH(int, set);
        QFETCH(bool, needsValues);
        QFETCH(bool, needsJpeg);
        QFETCH(bool, needsRaw);
        QFETCH(QList<QStringList>, commands);
        QFETCH(QList<QList<int>>, members);

        const JobOptions options = optionsFor(OptionSet(set));
        const CommandNeeds needs = commandNeeds(options);
        QCOMPARE(needs.keepValues, needsValues);
        QCOMPARE(needs.jpeg, needsJpeg);
        QCOMPARE(needs.raw, needsRaw);

        const BatchCommands built = buildBatchCommands(options, batchImages(needs.keepValues), u"%dstage-0/"_s);
        QCOMPARE(built.commands.size(), commands.size());
        for (qsizetype c = 0; c < commands.size(); ++c)
            QCOMPARE(built.commands.at(c), commands.at(c));
        QCOMPARE(built.members, members);
        // Only c.jpg has a value to put back: an Exif block with its orientation.
        QCOMPARE(built.lookExif.size(), 5);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(built.lookExif.at(k).isEmpty(), !(needsValues && k == 2));
        if (needsValues)
            QVERIFY(built.lookExif.at(2).startsWith(QByteArray("II*\0", 4)));
    }
};

QTEST_GUILESS_MAIN(TestJobCommands)
#include "tst_jobcommands.moc"
