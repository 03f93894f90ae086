// The job in the caller's event loop: it lets the loop run between the slices of a long
// plan, and a job destroyed in the middle of a run leaves no ExifTool behind, no staging
// file and no damaged image.

#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
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

    // Destroyed once ten outputs exist, overwriting in place: the destructor returns with every ExifTool
    // ended and reaped, the native writer's threads done, the staging folders gone, and each
    // image either as it was or whole and cleaned.
    void destroyedMidRun_data()
    {
        QTest::addColumn<bool>("native");
        QTest::newRow("exiftool") << false;
        QTest::newRow("native writer") << true;
    }
    void destroyedMidRun()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(bool, native);
        QTemporaryDir dir;
        const QString folder = native
            ? testutil::folderOfCopies(dir.filePath(u"images"_s), u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, 2000)
            : testutil::folderOfCopies(dir.filePath(u"images"_s), u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, 200);
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
