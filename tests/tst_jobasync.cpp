// The job in the caller's event loop: it lets the loop run between the slices of a long
// plan, and a job destroyed in the middle of a run leaves no ExifTool behind, no staging
// file and no damaged image.

#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestJobAsync final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Over thousands of images the plan returns to the event loop again and again (a
    // window paints meanwhile), and start() itself returns at once.
    void planLetsTheLoopRun()
    {
        QTemporaryDir dir;
        QStringList images;
        for (int i = 0; i < 5000; ++i)
            images << dir.filePath(u"missing-%1.jpg"_s.arg(i));
        JobOptions options;
        options.outputMode = OutputMode::Overwrite; // a missing image is left out at once
        CleanJob job(options, testutil::jobEnvironment(dir.path(), dir.filePath(u"tmp"_s), 2));
        QSignalSpy done(&job, &CleanJob::finished);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(0);
        job.start(images);
        QVERIFY(job.isRunning() && done.isEmpty());
        QVERIFY(done.wait(60000));
        ticker.stop();
        QVERIFY2(ticks >= 5000 / CleanJob::SliceSize, qPrintable(QString::number(ticks)));
        const JobResult r = done.first().first().value<JobResult>();
        QCOMPARE(r.outcomes.size(), images.size());
        QCOMPARE(r.problemCount, images.size());
        QVERIFY(!job.isRunning());
    }

    // The progress display moves per image, also in a run far smaller than a batch: from
    // the native writer's images and from ExifTool's progress lines alike.
    void progressPerImage_data() { testutil::boolRows("native", "exiftool", "native writer"); }
    void progressPerImage()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(bool, native);
        QTemporaryDir dir;
        const QString folder
            = testutil::folderOfCopies(dir.filePath(u"images"_s), u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, 3);
        JobOptions options;
        options.nativeWriter = native;
        CleanJob job(options, testutil::jobEnvironment(dir.path(), dir.filePath(u"tmp"_s)));
        QSignalSpy progressed(&job, &CleanJob::progressed);
        QSignalSpy percents(&job, &CleanJob::progressChanged);
        const QStringList images = testutil::RunOutputs::imagesIn(folder);
        const JobResult r = testutil::runJob(job, images);
        QCOMPARE(r.processedCount, 3);
        QList<int> done;
        QStringList names;
        for (const auto &args : std::as_const(progressed)) {
            QCOMPARE(args.at(1).toInt(), 3);
            if (done.isEmpty() || done.last() != args.at(0).toInt())
                done << args.at(0).toInt();
            if (!args.at(3).toString().isEmpty())
                names << args.at(3).toString();
        }
        QCOMPARE(done, (QList<int> {0, 1, 2, 3}));
        QVERIFY(!names.isEmpty());
        for (const QString &name : std::as_const(names))
            QVERIFY2(QFileInfo::exists(folder + u'/' + name), qPrintable(name));
        QList<int> values;
        for (const auto &args : std::as_const(percents))
            values << args.first().toInt();
        QCOMPARE(values, (QList<int> {0, 33, 66, 100}));
    }

    // A pause holds the run: once the batches being written have ended, no output appears
    // and nothing is counted, however long it lasts. Resumed, the run cleans every image;
    // stopped, the images it never reached are counted and have no output.
    void pauseHoldsTheRun_data()
    {
        QTest::addColumn<bool>("native");
        QTest::addColumn<bool>("thenStop");
        for (bool thenStop : {false, true})
            for (bool native : {false, true})
                QTest::addRow("%s, %s", native ? "native writer" : "exiftool", thenStop ? "stopped" : "resumed")
                    << native << thenStop;
    }
    void pauseHoldsTheRun()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(bool, native);
        QFETCH(bool, thenStop);
        QTemporaryDir dir;
        const int count = native ? 1200 : 400;
        const QString folder
            = testutil::folderOfCopies(dir.filePath(u"images"_s), u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, count);
        JobOptions options = testutil::outputOptions(OutputMode::Suffix);
        options.nativeWriter = native;
        const testutil::RunOutputs outputs(options, testutil::RunOutputs::imagesIn(folder));
        CleanJob job(outputs.options, testutil::jobEnvironment(dir.path(), dir.filePath(u"tmp"_s), 2));
        QSignalSpy paused(&job, &CleanJob::paused);
        QSignalSpy finished(&job, &CleanJob::finished);
        int done = 0;
        connect(&job, &CleanJob::progressed, this, [&](int d) { done = d; });
        job.start(outputs.images);
        QVERIFY(QTest::qWaitFor([&] { return outputs.written(10) >= 10; }, 120000));
        job.pause();
        QVERIFY(job.isPaused());
        QVERIFY(paused.wait(60000));
        const int held = outputs.written();
        const int heldDone = done;
        QVERIFY2(held < count, qPrintable(QString::number(held)));
        QTest::qWait(300);
        QCOMPARE(outputs.written(), held);
        QCOMPARE(done, heldDone);
        QVERIFY(finished.isEmpty());
        thenStop ? job.stop() : job.resume();
        QVERIFY(finished.wait(300000));
        const JobResult r = finished.first().first().value<JobResult>();
        QCOMPARE(r.stopped, thenStop);
        int notRun = 0;
        for (int i = 0; i < count; ++i) {
            const FileOutcome &o = r.outcomes.at(i);
            notRun += o.notRun ? 1 : 0;
            QCOMPARE(QFile::exists(outputs.outputOf(i)), !o.notRun);
            QVERIFY(o.notRun || o.status == FileStatus::Cleaned || o.status == FileStatus::Residue);
        }
        QCOMPARE(r.processedCount + notRun, count);
        QCOMPARE(r.processedCount == count, !thenStop);
        if (!thenStop)
            return;
        // What ExifTool had written is kept; the native writer's work ahead of ExifTool,
        // never handed on, goes with the staging folders.
        QVERIFY2(native ? r.processedCount <= held : r.processedCount == held,
            qPrintable(u"%1 of %2"_s.arg(r.processedCount).arg(held)));
        QCOMPARE(testutil::stagedOutputs(folder), 0);
    }

    // Destroyed once ten outputs exist, overwriting in place: the destructor returns with every ExifTool
    // ended and reaped, the native writer's threads done, the staging folders gone, and each
    // image either as it was or whole and cleaned.
    void destroyedMidRun_data() { progressPerImage_data(); }
    void destroyedMidRun()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(bool, native);
        QTemporaryDir dir;
        const QString folder = testutil::folderOfCopies(dir.filePath(u"images"_s),
            native ? u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s : u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s,
            native ? 2000 : 200);
        JobOptions options = testutil::outputOptions(OutputMode::Overwrite);
        options.nativeWriter = native;
        const testutil::RunOutputs outputs(options, testutil::RunOutputs::imagesIn(folder));
        const QByteArray original = testutil::sha256(outputs.images.first());
        auto job = std::make_unique<CleanJob>(
            outputs.options, testutil::jobEnvironment(dir.path(), dir.filePath(u"tmp"_s), 2));
        bool finished = false;
        connect(job.get(), &CleanJob::finished, this, [&] { finished = true; });
        job->start(outputs.images);
        QVERIFY(QTest::qWaitFor([&] { return outputs.written(10) >= 10; }, 120000));
        QVERIFY(!finished);
        QVERIFY(native || !testutil::childrenOf(QCoreApplication::applicationPid()).isEmpty());
        job.reset();
        QCOMPARE(testutil::childrenOf(QCoreApplication::applicationPid()), QList<qint64>());
        QCOMPARE(testutil::stagedOutputs(folder), 0);
        for (int i = 0; i < outputs.images.size(); ++i) {
            QVERIFY(QFile::exists(outputs.images.at(i)));
            QVERIFY(!QFile::exists(outputs.images.at(i) + u"_exiftool_tmp"_s));
            if (QFile::exists(outputs.outputOf(i)) && testutil::sha256(outputs.outputOf(i)) != original) {
                QVERIFY2(testutil::jpegIsWhole(outputs.outputOf(i)), qPrintable(outputs.outputOf(i)));
                QVERIFY(!testutil::metadataGroups(outputs.outputOf(i)).contains(u"GPS"_s));
            }
        }
        // Nothing the job queued runs after it is gone.
        QTest::qWait(100);
        QVERIFY(!finished);
    }
};

QTEST_GUILESS_MAIN(TestJobAsync)
#include "tst_jobasync.moc"
