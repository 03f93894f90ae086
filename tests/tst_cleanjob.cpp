// The cleaning job end to end: real ExifTool on real images in temporary folders.

#include "core/KeepValues.h"
#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList kBroken = {u"jpeg_truncated_in_app1.jpg"_s, u"raf_broken_poc.raf"_s};

using testutil::pictureData;
using testutil::writeFile;

class Fixture {
public:
    Fixture()
        : env(testutil::jobEnvironment(dir.path(), dir.path() + u"/tmp"_s))
    {
        QDir(dir.path()).mkpath(u"in"_s);
    }

    QString in(const QString &name = {}) const { return dir.path() + u"/in/"_s + name; }

    QString add(const QString &sample, const QString &as = {})
    {
        const QString target = in(as.isEmpty() ? sample : as);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!testutil::copySample(sample, target))
            qWarning("missing sample %s", qPrintable(sample));
        images << target;
        return target;
    }

    JobResult run(const JobOptions &options, std::function<bool()> ask = {})
    {
        CleanJob job(options, env);
        job.setOverwriteQuestion(ask ? ask : [this] {
            ++questions;
            return answer;
        });
        return testutil::runJob(job, images);
    }

    QTemporaryDir dir;
    JobEnvironment env;
    QStringList images;
    int questions = 0;
    bool answer = false;
};

} // namespace

class TestCleanJob final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QUILLMARK_REQUIRE_EXIFTOOL(); }

    // Every sample: outputs hold no more than ExifTool leaves with the same arguments,
    // originals stay byte-identical, refused files are reported and left alone.
    void everySampleInSuffixMode()
    {
        Fixture fx;
        QMap<QString, QByteArray> before;
        const QStringList samples
            = QDir(testutil::samplesDir()).entryList(QDir::Files).filter(QRegularExpression(u"\\.(?!md$)[^.]+$"_s));
        QVERIFY(samples.size() >= 20);
        for (const QString &s : samples) {
            const QString path = fx.add(s);
            before[path] = testutil::sha256(path);
        }

        const JobResult r = fx.run(JobOptions());
        QVERIFY2(!r.internalError, qPrintable(r.errorDetail));
        QCOMPARE(r.processedCount, samples.size() - kBroken.size());
        QCOMPARE(r.problemCount, 1); // one batch of fewer than 64
        QVERIFY(r.summary.startsWith(u"%1 images processed"_s.arg(samples.size() - 2)));
        QVERIFY(r.summary.endsWith(u"\r\n\r\nProblems were reported. See log for details."_s));
        QVERIFY(!r.clearImageList);

        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(testutil::sha256(it.key()), it.value());

        QStringList failed;
        for (const QString &f : r.failedImages)
            failed << QFileInfo(f).fileName();
        failed.sort();
        QCOMPARE(failed, kBroken);

        const QString logText = QString::fromUtf8(testutil::readFile(r.logPath));
        for (const QString &b : kBroken)
            QVERIFY2(logText.contains(u" - "_s + fx.in(b)), qPrintable(logText));

        const QStringList strictlyClean = {u"jpg"_s, u"png"_s, u"tif"_s, u"heic"_s, u"webp"_s, u"jp2"_s};
        QTemporaryDir refDir;
        for (const QString &s : samples) {
            const QString out = fx.in(QFileInfo(s).completeBaseName() + u"_cleaned."_s + QFileInfo(s).suffix());
            if (kBroken.contains(s)) {
                QVERIFY(!QFile::exists(out));
                continue;
            }
            QVERIFY2(QFile::exists(out), qPrintable(out));
            // Its file date is the original's, whoever wrote it (the native writer or ExifTool).
            QCOMPARE(QFileInfo(out).lastModified().toSecsSinceEpoch(),
                QFileInfo(fx.in(s)).lastModified().toSecsSinceEpoch());
            // The picture itself is never touched.
            if (s.endsWith(u".jpg"_s) || s.endsWith(u".png"_s)) {
                QVERIFY2(!pictureData(fx.in(s)).isEmpty(), qPrintable(s));
                QCOMPARE(pictureData(out), pictureData(fx.in(s)));
            }
            const QStringList groups = testutil::metadataGroups(out);
            const QString ext = QFileInfo(s).suffix().toLower();
            if (strictlyClean.contains(ext) && s != u"geotiff_elev.tif") {
                for (const QString &g : groups)
                    // ExifIFD and ICC_Profile: the colour space and profile are kept by
                    // default (tst_keeplook checks that nothing else comes back with them).
                    QVERIFY2(!g.startsWith(u"XMP") && g != u"GPS" && g != u"IPTC",
                        qPrintable(s + u": "_s + groups.join(u',')));
            }
            // Never more than ExifTool itself leaves with the same arguments.
            const QString ref = refDir.path() + u'/' + s;
            testutil::runExifTool(RawKeepArguments(TagOptions {}, s) + BuildTagArguments(TagOptions {})
                + QStringList {u"-m"_s, fx.in(s), u"-P"_s, u"-o"_s, refDir.path() + u'/'});
            // The native writer keeps a JFIF segment's density, which "-all=" drops.
            for (const QString &g : groups)
                QVERIFY2(testutil::metadataGroups(ref).contains(g) || g == u"JFIF"_s, qPrintable(s + u" keeps "_s + g));
        }
    }

    // The shorter JPEG tag lines are only a saving: ExifTool makes the same bytes with both.
    void jpegTagLinesChangeNothing_data()
    {
        QTest::addColumn<TagOptions>("tags");
        TagOptions all;
        QTest::newRow("all supported, look kept") << all;
        TagOptions groups;
        groups.all = false; // every group ticked: "-all=" with the structural lines
        QTest::newRow("every group") << groups;
        groups.xmp = false;
        groups.adobeApp14 = true;
        QTest::newRow("all but XMP, APP14 too") << groups;
        TagOptions exifKept = groups;
        exifKept.exif = false; // IFD0 stays in the kept Exif: the lines matter
        QTest::newRow("Exif kept") << exifKept;
    }

    void jpegTagLinesChangeNothing()
    {
        QFETCH(TagOptions, tags);
        const QStringList full = BuildTagArguments(tags);
        const QStringList jpeg = JpegTagArguments(full, tags);
        if (!tags.exif) {
            QCOMPARE(jpeg, full);
            return;
        }
        QVERIFY(jpeg.size() < full.size() && jpeg.contains(u"-all="_s));
        QTemporaryDir dir;
        const QStringList samples = QDir(testutil::samplesDir()).entryList({u"jpeg_*.jpg"_s}, QDir::Files);
        QVERIFY(samples.size() >= 8);
        QStringList paths;
        for (const QString &s : samples)
            paths << testutil::sample(s);
        testutil::runExifTool(full + QStringList {u"-m"_s, u"-P"_s, u"-o"_s, dir.path() + u"/full/"_s} + paths);
        testutil::runExifTool(jpeg + QStringList {u"-m"_s, u"-P"_s, u"-o"_s, dir.path() + u"/jpeg/"_s} + paths);
        int compared = 0;
        for (const QString &s : samples) {
            const QString a = dir.path() + u"/full/"_s + s;
            const QString b = dir.path() + u"/jpeg/"_s + s;
            QCOMPARE(QFile::exists(b), QFile::exists(a)); // a broken sample is refused either way
            if (!QFile::exists(a))
                continue;
            QVERIFY2(testutil::sha256(a) == testutil::sha256(b), qPrintable(s));
            ++compared;
        }
        QVERIFY(compared >= 8);
    }

    // Folder mode: a relative folder starts at the program folder; same-named images never
    // share an output, and a rerun gives each the same name; a refused image's bytes do not
    // count towards "KB saved".
    void folderMode()
    {
        Fixture fx;
        const QStringList samples {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s,
            u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s,
            u"jpeg_truncated_in_app1.jpg"_s};
        for (int k = 0; k < samples.size(); ++k)
            fx.add(samples.at(k), u"10%1CANON/IMG_0001.JPG"_s.arg(k));
        fx.add(u"webp_exif_xmp_icc_gps.webp"_s, u"sub/photo.webp"_s);
        JobOptions o;
        o.outputMode = OutputMode::Folder;
        o.outputFolder = u"out/new"_s; // relative: resolves against the program folder
        const QString out = fx.dir.path() + u"/out/new/"_s;
        const QStringList names {u"IMG_0001.JPG"_s, u"IMG_0001 (2).JPG"_s, u"IMG_0001 (3).JPG"_s};
        fx.answer = true;
        for (int round = 0; round < 2; ++round) {
            const JobResult r = fx.run(o);
            QCOMPARE(fx.questions, round);
            QCOMPARE(r.processedCount, 4);
            QCOMPARE(r.outcomes.at(3).status, FileStatus::Failed);
            qint64 in = 0;
            qint64 written = 0;
            for (int k : {0, 1, 2, 4}) {
                const FileOutcome &f = r.outcomes.at(k);
                QCOMPARE(f.status, FileStatus::Cleaned);
                QCOMPARE(f.output, out + (k < 3 ? names.at(k) : u"photo.webp"_s));
                QVERIFY2(k == 0 || k == 4 || f.message.contains(names.at(k)), qPrintable(f.message));
                // Each output is its own image: the same picture size as its original.
                QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-ImageSize"_s, f.output}),
                    testutil::runExifTool({u"-s3"_s, u"-ImageSize"_s, f.input}));
                in += QFileInfo(f.input).size();
                written += QFileInfo(f.output).size();
            }
            QCOMPARE(r.inputBytes, in);
            QCOMPARE(r.outputBytes, written);
            QCOMPARE(QDir(out).entryList(QDir::Files).size(), 4);
            QCOMPARE(r.sFirstImageFolder, fx.in(u"100CANON/"_s));
        }
    }

    // An input that is the output another input of the run gets is an earlier output:
    // it is left out (not cleaned into cleaned_cleaned_a.png, not a problem) and is
    // replaced as any existing output after "Yes". A chain of them is left out whole.
    // Existing outputs are asked about once; after "No" they are kept, and counted.
    void earlierOutputs_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("yes");
        QTest::newRow("prefix, yes") << int(OutputMode::Prefix) << true;
        QTest::newRow("prefix, no") << int(OutputMode::Prefix) << false;
        QTest::newRow("folder, yes") << int(OutputMode::Folder) << true;
    }
    void earlierOutputs()
    {
        QFETCH(int, mode);
        QFETCH(bool, yes);
        Fixture fx;
        JobOptions o;
        o.outputMode = static_cast<OutputMode>(mode);
        o.outputFolder = fx.in(u"out"_s); // prefix "cleaned_", suffix "_cleaned"
        const auto outputOf = [&](const QString &name) { return outputPathFor(fx.in(name), o, fx.dir.path()); };
        QDir().mkpath(fx.in(u"out"_s));
        const QString a = fx.add(u"png_exif_gps_xmp.png"_s, u"a.png"_s);
        const QString old = outputOf(u"a.png"_s);
        QVERIFY(testutil::copySample(u"png_rawprofile_exif_iptc_icc.png"_s, old));
        fx.images << old;
        // The output of the earlier output, as a run of the earlier design left it.
        const QString older = outputPathFor(old, o, fx.dir.path());
        if (older != old) {
            QVERIFY(writeFile(older, "twice"));
            fx.images << older;
        }
        fx.add(u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, u"b.jpg"_s);
        QVERIFY(writeFile(outputOf(u"b.jpg"_s), "old output"));
        fx.add(u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, u"c.jpg"_s);
        const QByteArray hashOld = testutil::sha256(old);
        fx.answer = yes;
        const JobResult r = fx.run(o);
        QVERIFY2(r.problemCount == 0, qPrintable(r.problemTexts));
        QCOMPARE(fx.questions, 1);
        QCOMPARE(r.earlierOutputCount, older != old ? 2 : 1);
        QCOMPARE(r.processedCount, yes ? 3 : 1);
        QCOMPARE(r.declinedCount, yes ? 0 : 2);
        QCOMPARE(r.cleanedFiles.size(), r.processedCount); // kept outputs are not listed as cleaned
        QCOMPARE(r.summary.contains(u"2 existing outputs were kept."_s), !yes);
        QCOMPARE(r.outcomes.at(0).status, yes ? FileStatus::Cleaned : FileStatus::Skipped);
        QCOMPARE(r.outcomes.at(0).message, yes ? QString() : u"kept existing output"_s);
        QCOMPARE(r.outcomes.last().status, FileStatus::Cleaned);
        QCOMPARE(testutil::readFile(outputOf(u"b.jpg"_s)) == "old output", !yes);
        QCOMPARE(testutil::sha256(old) == hashOld, !yes);
        if (yes)
            QCOMPARE(pictureData(old), pictureData(a));
        QCOMPARE(r.outcomes.size(), fx.images.size());
        QCOMPARE(r.outcomes.at(1).status, FileStatus::Skipped);
        QVERIFY(r.summary.contains(u"earlier output"_s));
        QVERIFY(!QFile::exists(outputPathFor(older, o, fx.dir.path())) || older == old);
    }

    // Batches of 64 to persistent ExifTool processes; results and the log in list order.
    void batchesOfSixtyFour()
    {
        Fixture fx;
        const QString calls = fx.dir.path() + u"/calls"_s;
        QDir().mkpath(calls);
        // A stand-in that notes each start and keeps each argument file it is handed,
        // then passes everything on to the real ExifTool.
        const QByteArray c = QFile::encodeName(calls);
        const QString wrapper = fx.dir.path() + u"/exiftool-wrapper"_s;
        QVERIFY(writeFile(wrapper,
            "#!/bin/sh\nprintf '%s|' \"$@\" > '" + c
                + "/start.'$$\n"
                  "prev=; while IFS= read -r line; do\n"
                  "  if [ \"$prev\" = -@ ]; then cp \"$line\" '"
                + c
                + "'/$(date +%s%N).args; fi\n"
                  "  printf '%s\\n' \"$line\"; prev=$line\n"
                  "done | exec '"
                + QFile::encodeName(testutil::exiftool()) + "' \"$@\"\n",
            true));
        fx.env.exiftool = wrapper;
        fx.env.jobs = 2;

        fx.images = testutil::RunOutputs::imagesIn(
            testutil::folderOfCopies(fx.dir.path() + u"/in"_s, u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, 130));
        QStringList bad; // in batches 0 and 1; batch 2 has none
        for (int i : {40, 80, 100}) {
            QVERIFY(testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, fx.images.at(i)));
            bad << fx.images.at(i);
        }
        JobOptions options;
        options.resetFileDates = true;
        options.nativeWriter = false; // ExifTool's batches are what is counted here
        CleanJob job(options, fx.env);
        QSignalSpy progress(&job, &CleanJob::progressChanged);
        QSignalSpy status(&job, &CleanJob::statusChanged);
        const JobResult r = testutil::runJob(job, fx.images);
        QCOMPARE(r.processedCount, 127);
        QCOMPARE(r.failedImages, bad);
        QCOMPARE(r.problemCount, 2);
        QStringList logged;
        for (const QByteArray &line : testutil::readFile(r.logPath).split('\n'))
            if (line.startsWith("Error:"))
                logged << QString::fromUtf8(line.mid(line.lastIndexOf(" - ") + 3)).trimmed();
        QCOMPARE(logged, bad);

        QList<int> values;
        for (const auto &args : progress)
            values << args.first().toInt();
        // Per image, not per batch: rising from 0 to 100 in many steps.
        QVERIFY2(values.size() > 50 && values.first() == 0 && values.last() == 100
                && std::is_sorted(values.cbegin(), values.cend())
                && std::adjacent_find(values.cbegin(), values.cend()) == values.cend(),
            qPrintable(QString::number(values.size())));
        QStringList captions;
        for (const auto &args : status)
            captions << args.first().toString();
        QCOMPARE(captions,
            (QStringList {QString(), u"Preparing..."_s, u"Cleaning images..."_s, u"Obfuscating file dates..."_s,
                u"Checking files..."_s, u"Finished!"_s}));

        // Two processes, each told first to load no personal configuration.
        const QStringList started = QDir(calls).entryList({u"start.*"_s}, QDir::Files);
        QCOMPARE(started.size(), 2);
        for (const QString &start : started)
            QCOMPARE(testutil::readFile(calls + u'/' + start), QByteArray("-config||-stay_open|True|-@|-|"));

        const QStringList runs = QDir(calls).entryList({u"*.args"_s}, QDir::Files, QDir::Name);
        QCOMPARE(runs.size(), 3);
        int files = 0;
        QStringList firstImages;
        for (const QString &run : runs) {
            const QList<QByteArray> lines = testutil::readFile(calls + u'/' + run).split('\n');
            // One command per batch (the delete arguments once), then into the run's
            // staging folder beside each image, for the batch, the images; the broken JPEGs,
            // whose orientation cannot be read beforehand, share one more command.
            const auto broken = std::count_if(lines.cbegin(), lines.cend(),
                [&bad](const QByteArray &line) { return bad.contains(QString::fromUtf8(line.trimmed())); });
            QCOMPARE(lines.count("-all=\r"), broken > 0 ? 2 : 1);
            const qsizetype o = lines.indexOf("-o\r");
            static const QRegularExpression staging(u"^%d\\.qmk-stage-[a-z0-9]{10}-[0-2]/\r$"_s);
            QVERIFY2(staging.match(QString::fromUtf8(lines.value(o + 1))).hasMatch(), lines.value(o + 1).constData());
            firstImages << QString::fromUtf8(lines.value(o + 2).chopped(1));
            for (const QByteArray &line : lines)
                files += line.startsWith(QFile::encodeName(fx.in())) ? 1 : 0;
        }
        firstImages.sort();
        QCOMPARE(firstImages, (QStringList {fx.images.at(0), fx.images.at(64), fx.images.at(128)}));
        QCOMPARE(files, 130);
        QCOMPARE(QDir(fx.env.tempFolder).entryList({u"qmk_args*"_s}), QStringList());
    }

    void summaryText_data()
    {
        QTest::addColumn<int>("processed");
        QTest::addColumn<qint64>("saved");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("example") << 3 << qint64(120 * 1024) << qint64(2)
                                 << u"3 images processed (120 KB saved)\r\nin 2 seconds (0.67 sec avg)"_s;
        QTest::newRow("2.5 KB rounds to even")
            << 2 << qint64(2560) << qint64(3) << u"2 images processed (2 KB saved)\r\nin 3 seconds (1.5 sec avg)"_s;
        QTest::newRow("grew") << 2 << qint64(-10) << qint64(1) << u"2 images processed\r\nin 1 second (0.5 sec avg)"_s;
        QTest::newRow("no group separators")
            << 1 << qint64(5000LL * 1024 * 1024) << qint64(1234)
            << u"1 image processed (5120000 KB saved)\r\nin 1234 seconds (1234 sec avg)"_s;
    }

    void summaryText()
    {
        QFETCH(int, processed);
        QFETCH(qint64, saved);
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(::summaryText(processed, 10'000'000'000LL + saved, 10'000'000'000LL, seconds, QLocale::c()), text);
        // In German only the decimal separator differs.
        QCOMPARE(
            ::summaryText(processed, 10'000'000'000LL + saved, 10'000'000'000LL, seconds, QLocale(QLocale::German)),
            QString(text).replace(u'.', u','));
    }
};

QTEST_GUILESS_MAIN(TestCleanJob)
#include "tst_cleanjob.moc"
