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
        QTest::addColumn<QList<QList<int>>>("members");

        QTest::newRow("defaults") << int(OptionSet::Defaults) << true << true << true
                                  << QList<QList<int>> {{0}, {1}, {2}, {3}, {4}};
        QTest::newRow("defaults without -m")
            << int(OptionSet::NoMinorWarnings) << true << true << true << QList<QList<int>> {{0}, {1}, {2}, {3}, {4}};
        // Nothing differs between the images: the grouped ones before the TIFF share a command.
        QTest::newRow("GPS only") << int(OptionSet::GpsOnly) << false << false << false
                                  << QList<QList<int>> {{0, 1, 2}, {3}, {4}};
        QTest::newRow("nothing kept") << int(OptionSet::KeepNothing) << false << true << true
                                      << QList<QList<int>> {{0, 2}, {1}, {3}, {4}};
    }

    void commands()
    {
        QFETCH(int, set);
        QFETCH(bool, needsValues);
        QFETCH(bool, needsJpeg);
        QFETCH(bool, needsRaw);
        QFETCH(QList<QList<int>>, members);

        const JobOptions options = optionsFor(OptionSet(set));
        const CommandNeeds needs = commandNeeds(options);
        QCOMPARE(needs.keepValues, needsValues);
        QCOMPARE(needs.jpeg, needsJpeg);
        QCOMPARE(needs.raw, needsRaw);

        const BatchCommands built = buildBatchCommands(options, batchImages(needs.keepValues), u"%dstage-0/"_s);
        QCOMPARE(built.members, members);
        QCOMPARE(built.commands.size(), members.size());
        // Minor warnings are ignored only when asked; the TIFF keeps its own output folder.
        const bool minor = OptionSet(set) != OptionSet::NoMinorWarnings;
        for (const QStringList &command : built.commands)
            QCOMPARE(command.contains(u"-m"_s), minor);
        QVERIFY(built.commands.at(members.indexOf(QList<int> {3})).endsWith(u"/stage/3/"_s));
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
