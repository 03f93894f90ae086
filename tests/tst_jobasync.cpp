// The job in the caller's event loop: it lets the loop run between the slices of a long
// plan, and a job destroyed in the middle of a run leaves no ExifTool behind, no staging
// file and no damaged image.

#include "core/CleanJob.h"
#include "jobtestutil.h"
#include "testutil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The processes whose parent is `parent`, zombies included.
QList<qint64> childrenOf(qint64 parent)
{
    QList<qint64> found;
    const QStringList pids = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        QFile stat(u"/proc/"_s + pid + u"/stat"_s);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toLongLong() == parent)
            found << pid.toLongLong();
    }
    return found;
}

JobEnvironment environmentIn(const QString &folder)
{
    JobEnvironment env;
    env.exiftool = testutil::exiftool();
    env.programFolder = folder;
    env.tempFolder = folder + u"/tmp"_s;
    QDir().mkpath(env.tempFolder);
    env.pauses = false;
    env.jobs = 2;
    env.locale = QLocale::c();
    return env;
}

} // namespace

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
        CleanJob job(options, environmentIn(dir.path()));
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

    void destroyedMidRun_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("suffix") << false;
        QTest::newRow("overwrite") << true;
    }

    // Destroyed once ten outputs exist: the destructor returns with every ExifTool
    // ended and reaped, the staging folders gone, and each image either as it was or
    // whole and cleaned.
    void destroyedMidRun()
    {
        QFETCH(bool, overwrite);
        QUILLMARK_REQUIRE_EXIFTOOL();
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"images"_s);
        QVERIFY(QDir().mkpath(folder));
        constexpr int count = 200;
        QStringList images;
        for (int i = 0; i < count; ++i) {
            images << folder + u"/img%1.jpg"_s.arg(i, 3, 10, QChar(u'0'));
            QVERIFY(testutil::copySample(u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, images.last()));
        }
        const QByteArray original = testutil::sha256(images.first());
        const auto outputOf
            = [&](int i) { return overwrite ? images.at(i) : images.at(i).chopped(4) + u"_cleaned.jpg"_s; };
        const auto written = [&] {
            int n = testutil::stagedOutputs(folder);
            for (int i = 0; i < count; ++i)
                n += overwrite ? testutil::sha256(images.at(i)) != original : QFile::exists(outputOf(i));
            return n;
        };

        JobOptions options;
        options.outputMode = overwrite ? OutputMode::Overwrite : OutputMode::Suffix;
        auto job = std::make_unique<CleanJob>(options, environmentIn(dir.path()));
        bool finished = false;
        connect(job.get(), &CleanJob::finished, this, [&] { finished = true; });
        job->start(images);
        QVERIFY(QTest::qWaitFor([&] { return written() >= 10; }, 120000));
        QVERIFY(!finished);
        QVERIFY(!childrenOf(QCoreApplication::applicationPid()).isEmpty());
        job.reset();

        QCOMPARE(childrenOf(QCoreApplication::applicationPid()), QList<qint64>());
        QCOMPARE(testutil::stagedOutputs(folder), 0);
        for (int i = 0; i < count; ++i) {
            QVERIFY(QFile::exists(images.at(i)));
            QVERIFY(!QFile::exists(images.at(i) + u"_exiftool_tmp"_s));
            if (QFile::exists(outputOf(i)) && testutil::sha256(outputOf(i)) != original) {
                QVERIFY2(testutil::jpegIsWhole(outputOf(i)), qPrintable(outputOf(i)));
                QVERIFY(!testutil::metadataGroups(outputOf(i)).contains(u"GPS"_s));
            }
        }
        // Nothing the job queued runs after it is gone.
        QTest::qWait(100);
        QVERIFY(!finished);
    }
};

QTEST_GUILESS_MAIN(TestJobAsync)
#include "tst_jobasync.moc"
