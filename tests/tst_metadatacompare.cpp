// The comparison of an original with its cleaned file on a real camera raw file: a CR2
// cleaned by the real job, and by ExifTool told to delete Make too, after which ExifTool
// lists the maker notes it can no longer decode as MakerUnknown:Unknown_0x.... Also the
// plain words the viewer gives identifying tags.

#include "core/IdentifyingTags.h"
#include "core/MetadataCompare.h"
#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using MetadataCompare::Change;

class TestMetadataCompare final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_original;
    QString m_byJob;
    QString m_withoutMake;

    QList<MetadataCompare::Entry> listing(const QString &path) const
    {
        return MetadataCompare::parseListing(testutil::runExifTool(MetadataCompare::listingArguments() << path));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        m_original = m_dir.filePath(u"canon.cr2"_s);
        QVERIFY(testutil::copySample(u"cr2_canon_350d.cr2"_s, m_original));
        JobOptions options; // the window's defaults: a copy beside the original
        CleanJob job(options, testutil::jobEnvironment(m_dir.path(), m_dir.filePath(u"tmp"_s)));
        const JobResult r = testutil::runJob(job, {m_original});
        QVERIFY2(!r.internalError, qPrintable(r.errorDetail));
        QCOMPARE(r.outcomes.size(), 1);
        m_byJob = r.outcomes.first().output;
        QVERIFY(QFileInfo::exists(m_byJob));
        m_withoutMake = m_dir.filePath(u"no-make.cr2"_s);
        testutil::runExifTool({u"-all="_s, u"-CommonIFD0="_s, u"-o"_s, m_withoutMake, m_original});
        QVERIFY(QFileInfo::exists(m_withoutMake));
    }

    void renamedMakerNotes_data()
    {
        QTest::addColumn<bool>("job");
        QTest::addColumn<QStringList>("renamed"); // "original tag=cleaned tag"
        QTest::newRow("the job") << true << QStringList();
        QTest::newRow("Make deleted") << false
                                      << QStringList {u"Canon:SerialNumber=MakerUnknown:Unknown_0x000c"_s,
                                             u"Canon:OwnerName=MakerUnknown:Unknown_0x0009"_s,
                                             u"Canon:CanonImageType=MakerUnknown:Unknown_0x0006"_s};
    }

    // A value the cleaned file lists under another name is the original's, kept: nothing is
    // "added" that the original had. Composite values are apart and in no count.
    void renamedMakerNotes()
    {
        QFETCH(bool, job);
        QFETCH(QStringList, renamed);
        const QList<MetadataCompare::Entry> before = listing(m_original);
        const QList<MetadataCompare::Entry> after = listing(job ? m_byJob : m_withoutMake);
        const QList<MetadataCompare::Row> rows = MetadataCompare::compare(before, after);
        const MetadataCompare::Counts counts = MetadataCompare::count(rows);
        QStringList pairs;
        QStringList added;
        int undecoded = 0;
        int computed = 0;
        for (const MetadataCompare::Row &row : rows) {
            if (row.change == Change::Renamed)
                pairs << row.entry.key() + u'=' + row.renamedAs.key();
            if (row.change == Change::Added)
                added << row.entry.key() + u" : "_s + row.entry.value;
            // The maker notes stay whole: what the original decoded from them is not removed.
            QVERIFY2(
                job || row.change != Change::Removed || row.entry.family != u"MakerNotes", qPrintable(row.entry.key()));
            undecoded += row.change == Change::Undecoded && row.entry.group == u"MakerUnknown";
            QCOMPARE(row.change == Change::Computed, row.entry.group == u"Composite");
            computed += row.change == Change::Computed;
        }
        QVERIFY2(added.isEmpty(), qPrintable(added.join(u", "_s)));
        QCOMPARE(counts.added, 0);
        for (const QString &pair : std::as_const(renamed))
            QVERIFY2(pairs.contains(pair), qPrintable(pairs.join(u", "_s)));
        int unnamed = 0;
        int composites = 0;
        for (const MetadataCompare::Entry &e : after) {
            unnamed += e.group == u"MakerUnknown";
            composites += e.group == u"Composite";
        }
        // Every unnamed maker-note tag of the cleaned file is the original's, paired or not.
        QCOMPARE(pairs.size() + undecoded, unnamed);
        QVERIFY(composites > 0);
        QCOMPARE(counts.computed, composites);
        QCOMPARE(computed, composites);
        QCOMPARE(counts.removed + counts.kept + counts.added + counts.computed, rows.size());
    }

    void plainWords_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("words");
        const auto row = [](const char *name, ResidueCategory c, const QString &tag, const QString &words) {
            QTest::newRow(name) << int(c) << tag << words;
        };
        row("serial", ResidueCategory::Device, u"Canon:SerialNumber"_s, u"Camera serial number"_s);
        row("tiff serial", ResidueCategory::Device, u"IFD0:CameraSerialNumber"_s, u"Camera serial number"_s);
        row("lens serial", ResidueCategory::Device, u"ExifIFD:LensSerialNumber"_s, u"Lens serial number"_s);
        row("gps", ResidueCategory::Location, u"GPS:GPSLatitude"_s, u"Location (GPS)"_s);
        row("city", ResidueCategory::Location, u"XMP-photoshop:City"_s, u"Place name"_s);
        row("owner", ResidueCategory::Person, u"ExifIFD:OwnerName"_s, u"Owner name"_s);
        row("artist", ResidueCategory::Person, u"IFD0:Artist"_s, u"Author name"_s);
        row("taken", ResidueCategory::Time, u"ExifIFD:DateTimeOriginal"_s, u"Date and time taken"_s);
        row("model", ResidueCategory::Device, u"IFD0:Model"_s, u"Camera make and model"_s);
        row("software", ResidueCategory::Software, u"IFD0:Software"_s, u"Software"_s);
        row("unique id", ResidueCategory::Device, u"ExifIFD:ImageUniqueID"_s, u"Unique identifier"_s);
        row("document id", ResidueCategory::Identifier, u"XMP-xmpMM:DocumentID"_s, u"Unique identifier"_s);
        row("unnamed", ResidueCategory::Device, u"MakerUnknown:Unknown_0x000c"_s, u"Camera or device detail"_s);
    }

    void plainWords()
    {
        QFETCH(int, category);
        QFETCH(QString, tag);
        QFETCH(QString, words);
        QCOMPARE(IdentifyingTags::plainName(ResidueCategory(category), tag), words);
    }
};

QTEST_GUILESS_MAIN(TestMetadataCompare)
#include "tst_metadatacompare.moc"
