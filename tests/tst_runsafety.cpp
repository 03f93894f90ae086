// What a run promises whatever happens around it: runs at the same time, ExifTool or
// the program killed, another user's files in the temporary folder, odd names. Real
// ExifTool, real files; every kill happens after a number of outputs exist, never
// after a sleep.

#include "core/CleanJob.h"
#include "core/KeepValues.h"
#include "jobtestutil.h"
#include "testutil.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kJpeg = u"jpeg_all_groups_multi_icc.jpg"_s; // 580 KB: ExifTool takes a moment over each

// Processes whose parent is `parent`, read from /proc.
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

bool isAlive(qint64 pid)
{
    QFile stat(u"/proc/"_s + QString::number(pid) + u"/stat"_s);
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return !line.mid(line.lastIndexOf(')') + 2).startsWith('Z');
}

// Waits (up to 15 s) until none of the processes is alive.
bool allGone(const QList<qint64> &pids)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        if (std::none_of(pids.cbegin(), pids.cend(), isAlive))
            return true;
        QTest::qWait(20);
    }
    return false;
}

QString identity(const QString &path)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QString::number(st.st_ino);
}

QStringList filesIn(const QString &folder, const QString &pattern = u"*"_s)
{
    QStringList names = QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

// Each file of a folder with its inode: a file rewritten in place gets a new one.
QMap<QString, QString> identities(const QString &folder)
{
    QMap<QString, QString> ids;
    for (const QString &name : filesIn(folder))
        ids.insert(name, identity(folder + u'/' + name));
    return ids;
}

QStringList stagingFolders(const QString &folder)
{
    return QDir(folder).entryList({u".qmk-stage-*"_s}, QDir::Dirs | QDir::Hidden);
}

QProcessEnvironment cliEnv(const QString &temp)
{
    return testutil::cliEnvironment(temp);
}

} // namespace

class TestRunSafety final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString makeFolder(const QString &name, const QString &sample, int copies)
    {
        const QString folder = m_dir.path() + u'/' + name;
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const QString ext = QFileInfo(sample).suffix();
        for (int i = 0; i < copies; ++i)
            testutil::copySample(sample, folder + u"/img"_s + QString::number(i).rightJustified(3, u'0') + u'.' + ext);
        return folder;
    }

    // An empty temporary folder of the test's own.
    QString freshTemp(const QString &name)
    {
        const QString temp = m_dir.path() + u'/' + name;
        QDir(temp).removeRecursively();
        QDir().mkpath(temp);
        return temp;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(QFile::exists(QString::fromUtf8(QUILLMARK_CLI)));
    }

    // Several runs in different modes at once with one temporary folder: each ends as if
    // alone, every original is still there, and they leave nothing behind.
    void concurrentRunsShareTheTemporaryFolder()
    {
        const QString temp = freshTemp(u"shared-tmp"_s);
        const QList<QStringList> modes = {{u"--output"_s, u"overwrite"_s}, {u"--output"_s, u"suffix=_c"_s},
            {u"--output"_s, u"prefix=c_"_s}, {u"--output"_s, u"overwrite"_s}};
        constexpr int images = 70; // two batches each
        for (int round = 0; round < 2; ++round) {
            std::vector<std::unique_ptr<QProcess>> runs;
            QStringList folders;
            for (qsizetype k = 0; k < modes.size(); ++k) {
                const QString folder = makeFolder(u"conc%1"_s.arg(k), u"png_exif_gps_xmp.png"_s, images);
                folders << folder;
                auto p = std::make_unique<QProcess>();
                p->setProcessEnvironment(cliEnv(temp));
                p->start(QString::fromUtf8(QUILLMARK_CLI), modes.at(k) + QStringList {u"--jobs"_s, u"2"_s, folder});
                runs.push_back(std::move(p));
            }
            for (qsizetype k = 0; k < modes.size(); ++k) {
                QProcess &p = *runs.at(k);
                QVERIFY2(p.waitForFinished(120000), "a run hung");
                const QString out = QString::fromUtf8(p.readAllStandardOutput());
                QVERIFY2(p.exitCode() == 0, qPrintable(out + QString::fromUtf8(p.readAllStandardError())));
                QVERIFY2(out.startsWith(u"%1 images processed"_s.arg(images)), qPrintable(out));
                const bool overwrite = modes.at(k).at(1) == u"overwrite";
                QCOMPARE(filesIn(folders.at(k)).size(), overwrite ? images : 2 * images);
                for (int i = 0; i < images; ++i)
                    QVERIFY(QFile::exists(
                        folders.at(k) + u"/img"_s + QString::number(i).rightJustified(3, u'0') + u".png"_s));
            }
            QCOMPARE(filesIn(temp, u"qmk*"_s).filter(u"qmk_args"_s), QStringList());
            QCOMPARE(QDir(temp).entryList({u"qmk-run-*"_s}, QDir::Dirs), QStringList());
        }
    }

    // ExifTool dies in the middle of a batch: the images it had finished count, the one
    // it was writing and those it never began are named in the log, no partial output is
    // left, and the batches after it run on a fresh process.
    void exifToolKilledMidBatch_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("suffix") << false;
        QTest::newRow("overwrite") << true;
    }
    void exifToolKilledMidBatch()
    {
        QFETCH(bool, overwrite);
        constexpr int count = 140; // batches of 64, 64 and 12
        const QString folder = makeFolder(u"killed"_s, kJpeg, count);
        QStringList images;
        QStringList before;
        for (const QString &name : filesIn(folder)) {
            images << folder + u'/' + name;
            before << identity(images.last());
        }
        const auto outputOf
            = [&](int i) { return overwrite ? images.at(i) : images.at(i).chopped(4) + u"_cleaned.jpg"_s; };
        const auto written = [&] {
            int n = 0;
            for (int i = 0; i < count; ++i)
                n += overwrite ? identity(images.at(i)) != before.at(i) : QFile::exists(outputOf(i));
            return n;
        };

        JobOptions options;
        options.outputMode = overwrite ? OutputMode::Overwrite : OutputMode::Suffix;
        JobEnvironment env;
        env.exiftool = testutil::exiftool();
        env.programFolder = m_dir.path();
        env.tempFolder = m_dir.path() + u"/killtmp"_s;
        QDir().mkpath(env.tempFolder);
        env.pauses = false;
        env.jobs = 1;
        env.locale = QLocale::c();
        CleanJob job(options, env);

        QList<qint64> killed;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!killed.isEmpty() || written() + testutil::stagedOutputs(folder) < 10)
                return;
            killed = childrenOf(QCoreApplication::applicationPid());
            for (qint64 pid : std::as_const(killed))
                ::kill(static_cast<pid_t>(pid), SIGKILL);
        });
        watch.start();
        const JobResult r = testutil::runJob(job, images);
        watch.stop();
        QVERIFY(!killed.isEmpty());
        QVERIFY(!r.internalError);

        int complete = 0;
        QFile log(r.logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray logText = log.readAll();
        for (int i = 0; i < count; ++i) {
            QVERIFY2(QFile::exists(images.at(i)), "an original was lost");
            QVERIFY(!QFile::exists(images.at(i) + u"_exiftool_tmp"_s));
            const bool cleaned = overwrite ? identity(images.at(i)) != before.at(i) : QFile::exists(outputOf(i));
            if (cleaned) {
                QVERIFY2(testutil::jpegIsWhole(outputOf(i)), qPrintable(outputOf(i)));
                ++complete;
                QCOMPARE(r.outcomes.at(i).status, FileStatus::Cleaned);
            } else {
                QCOMPARE(r.outcomes.at(i).status, FileStatus::Failed);
                QVERIFY2(logText.contains(QFile::encodeName(images.at(i))), qPrintable(images.at(i)));
            }
        }
        QCOMPARE(r.processedCount, complete);
        QVERIFY(r.problemCount >= 1);
        // The last batch ran on a fresh process.
        for (int i = 128; i < count; ++i)
            QVERIFY2(r.outcomes.at(i).status == FileStatus::Cleaned, qPrintable(r.outcomes.at(i).message));
        QVERIFY(QDir(env.tempFolder).entryList({u"qmk-run-*"_s}, QDir::Dirs).isEmpty());
        QCOMPARE(stagingFolders(folder), QStringList());
    }

    // quillmark-cli killed outright (SIGKILL) once its ExifTool processes run, and after
    // some outputs exist: no ExifTool outlives it, and a second run completes the work.
    void programKilled_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("outputsBeforeKill");
        QTest::newRow("suffix, while starting") << u"suffix"_s << 0;
        QTest::newRow("suffix, mid-batch") << u"suffix"_s << 8;
        QTest::newRow("suffix, second batch") << u"suffix"_s << 70;
        QTest::newRow("overwrite, mid-batch") << u"overwrite"_s << 8;
        QTest::newRow("overwrite, second batch") << u"overwrite"_s << 70;
        QTest::newRow("prefix, mid-batch") << u"prefix"_s << 20;
        QTest::newRow("folder, mid-batch") << u"folder"_s << 40;
    }
    void programKilled()
    {
        QFETCH(QString, mode);
        QFETCH(int, outputsBeforeKill);
        constexpr int count = 80;
        const bool overwrite = mode == u"overwrite";
        const QString folder = makeFolder(u"progkill"_s, kJpeg, count);
        const QString outFolder = freshTemp(u"progkillout"_s);
        const QString temp = freshTemp(u"progkilltmp"_s);
        const QMap<QString, QString> before = identities(folder);
        const auto outputOf = [&](const QString &name) {
            if (mode == u"prefix")
                return folder + u"/cleaned_"_s + name;
            if (mode == u"folder")
                return outFolder + u'/' + name;
            return overwrite ? folder + u'/' + name : folder + u'/' + name.chopped(4) + u"_cleaned.jpg"_s;
        };
        const auto written = [&] {
            int n = 0;
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                n += overwrite ? identity(folder + u'/' + it.key()) != it.value() : QFile::exists(outputOf(it.key()));
            return n + testutil::stagedOutputs(folder) + testutil::stagedOutputs(outFolder);
        };
        QStringList modeArgs;
        if (mode == u"overwrite")
            modeArgs = {u"--output"_s, u"overwrite"_s};
        else if (mode == u"prefix")
            modeArgs = {u"--output"_s, u"prefix=cleaned_"_s};
        else if (mode == u"folder")
            modeArgs = {u"--output"_s, u"folder="_s + outFolder};
        const QStringList mode_ = modeArgs;

        QProcess p;
        p.setProcessEnvironment(cliEnv(temp));
        p.start(QString::fromUtf8(QUILLMARK_CLI), mode_ + QStringList {u"--jobs"_s, u"2"_s, folder});
        QVERIFY(p.waitForStarted());
        QList<qint64> children;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000 && p.state() == QProcess::Running) {
            for (qint64 c : childrenOf(p.processId()))
                if (!children.contains(c))
                    children << c;
            if (children.size() >= 2 && written() >= outputsBeforeKill)
                break;
            QTest::qWait(1);
        }
        QVERIFY2(p.state() == QProcess::Running, "the run ended before it could be killed");
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(10000));
        QVERIFY(!children.isEmpty());
        QVERIFY2(allGone(children), "an ExifTool process outlived quillmark-cli");
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QVERIFY2(QFile::exists(folder + u'/' + it.key()), "an original was lost");
            QVERIFY(!QFile::exists(folder + u'/' + it.key() + u"_exiftool_tmp"_s));
            // At the kill each output was either not there or complete.
            const QString output = outputOf(it.key());
            const bool replaced = overwrite ? identity(output) != it.value() : QFile::exists(output);
            if (replaced) {
                QVERIFY2(testutil::jpegIsWhole(output), qPrintable(output));
                QVERIFY2(!holdsExifPlaceholder(output), qPrintable(output));
            }
        }

        // The rerun: kept outputs are whole, everything else is cleaned now.
        QProcess again;
        again.setProcessEnvironment(cliEnv(temp));
        again.start(QString::fromUtf8(QUILLMARK_CLI), mode_ + QStringList {folder});
        QVERIFY(again.waitForFinished(120000));
        const QString out = QString::fromUtf8(again.readAllStandardOutput());
        QVERIFY2(again.exitCode() == 0, qPrintable(out + QString::fromUtf8(again.readAllStandardError())));
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QString output = outputOf(it.key());
            QVERIFY2(testutil::jpegIsWhole(output), qPrintable(output));
            QVERIFY(testutil::metadataGroups(output).filter(u"GPS"_s).isEmpty());
            // Complete: the kept orientation is in, no placeholder is left.
            QVERIFY2(!holdsExifPlaceholder(output), qPrintable(output));
        }
        QVERIFY(QDir(temp).entryList({u"qmk-run-*"_s}, QDir::Dirs).isEmpty());
        QCOMPARE(stagingFolders(folder), QStringList());
        QCOMPARE(stagingFolders(outFolder), QStringList());
    }

    // ExifTool's temporary file beside an image, left by a crash or being written by
    // another ExifTool right now: "nobody holds it open" is not "stale" (a writer may have
    // closed it and be about to rename it), so it is never removed, and it stops nothing:
    // the run writes into staging folders of its own.
    void leftoverTemporaryFile_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("closed") << false;
        QTest::newRow("held open") << true;
    }
    void leftoverTemporaryFile()
    {
        QFETCH(bool, held);
        const QString folder = makeFolder(u"leftover"_s, u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, 2);
        const QString image = folder + u"/img000.jpg"_s;
        const QString leftover = image + u"_exiftool_tmp"_s;
        QFile tmp(leftover);
        QVERIFY(tmp.open(QIODevice::WriteOnly));
        tmp.write("partial");
        tmp.flush();
        if (!held)
            tmp.close();

        JobOptions options;
        options.outputMode = OutputMode::Overwrite;
        JobEnvironment env;
        env.exiftool = testutil::exiftool();
        env.programFolder = m_dir.path();
        env.tempFolder = m_dir.path();
        env.pauses = false;
        env.locale = QLocale::c();
        CleanJob job(options, env);
        const JobResult r = testutil::runJob(job, {image, folder + u"/img001.jpg"_s});
        QCOMPARE(r.processedCount, 2);
        QCOMPARE(r.problemCount, 0);
        QVERIFY(QFile::exists(leftover));
        QVERIFY(testutil::metadataGroups(image).filter(u"GPS"_s).isEmpty());
    }

    // While another run uses qmk_log.txt, a run's problems go to a log of its own, and
    // that is the path it reports; once it is free, qmk_log.txt is used again.
    void logOfItsOwnWhileAnotherRunIsActive()
    {
        const QString folder = makeFolder(u"logs"_s, u"jpeg_truncated_in_app1.jpg"_s, 1);
        const QString temp = freshTemp(u"logtmp"_s);
        JobEnvironment env;
        env.exiftool = testutil::exiftool();
        env.programFolder = m_dir.path();
        env.tempFolder = temp;
        env.pauses = false;
        env.locale = QLocale::c();
        const auto run = [&] {
            CleanJob job(JobOptions(), env);
            return testutil::runJob(job, {folder + u"/img000.jpg"_s});
        };
        QLockFile other(temp + u"/qmk_log.txt.lock"_s); // as a live run holds it
        QVERIFY(other.tryLock(0));
        const JobResult busy = run();
        QVERIFY(busy.logWritten);
        QVERIFY2(busy.logPath != temp + u"/qmk_log.txt"_s, qPrintable(busy.logPath));
        QFile own(busy.logPath);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QVERIFY(own.readAll().contains("img000.jpg"));
        other.unlock();
        const JobResult alone = run();
        QCOMPARE(alone.logPath, temp + u"/qmk_log.txt"_s);
        QVERIFY(QFile::exists(alone.logPath));
    }

    // Honest totals: in folder mode two images of one name clash; the refused one is a
    // problem, not processed, and its bytes do not count towards "KB saved". A path
    // beyond the system's limit is named as not cleaned.
    void totalsCountOnlyProcessedImages()
    {
        const QString base = m_dir.path() + u"/clash"_s;
        QDir(base).removeRecursively();
        for (const QString &sub : {u"a"_s, u"b"_s, u"out"_s})
            QVERIFY(QDir().mkpath(base + u'/' + sub));
        QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, base + u"/a/x.png"_s));
        QVERIFY(testutil::copySample(u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, base + u"/b/x.png"_s));
        const QString tooLong = base + u'/' + QString(5000, u'n') + u".jpg"_s;
        JobOptions options;
        options.outputMode = OutputMode::Folder;
        options.txtOutput = base + u"/out"_s;
        JobEnvironment env;
        env.exiftool = testutil::exiftool();
        env.programFolder = m_dir.path();
        env.tempFolder = m_dir.path();
        env.pauses = false;
        env.locale = QLocale::c();
        CleanJob job(options, env);
        const JobResult r = testutil::runJob(job, {base + u"/a/x.png"_s, base + u"/b/x.png"_s, tooLong});
        QCOMPARE(r.processedCount, 1);
        QCOMPARE(r.inputBytes, QFileInfo(base + u"/a/x.png"_s).size());
        QCOMPARE(r.outputBytes, QFileInfo(base + u"/out/x.png"_s).size());
        QCOMPARE(r.outcomes.size(), 3);
        QCOMPARE(r.outcomes.at(0).status, FileStatus::Cleaned);
        QCOMPARE(r.outcomes.at(1).status, FileStatus::Failed);
        QCOMPARE(r.outcomes.at(2).status, FileStatus::Failed);
        QVERIFY(r.outcomes.at(2).message.contains(u"longer than the system allows"_s));
        QFile log(r.logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY(text.contains(QFile::encodeName(base + u"/b/x.png"_s)));
        QVERIFY(text.contains("longer than the system allows"));
    }

    // A stop request after some outputs exist: the run ends soon, what it reports as
    // processed is exactly what was completely written, nothing partial or temporary is
    // left, and no ExifTool process remains.
    void stopFromTheEngine_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("hurry");
        QTest::newRow("suffix") << false << false;
        QTest::newRow("overwrite") << true << false;
        QTest::newRow("suffix, hurried") << false << true;
    }
    void stopFromTheEngine()
    {
        QFETCH(bool, overwrite);
        QFETCH(bool, hurry);
        constexpr int count = 200;
        const QString folder = makeFolder(u"stop"_s, kJpeg, count);
        QStringList images;
        QStringList before;
        for (const QString &name : filesIn(folder)) {
            images << folder + u'/' + name;
            before << identity(images.last());
        }
        const auto outputOf
            = [&](int i) { return overwrite ? images.at(i) : images.at(i).chopped(4) + u"_cleaned.jpg"_s; };
        const auto isWritten
            = [&](int i) { return overwrite ? identity(images.at(i)) != before.at(i) : QFile::exists(outputOf(i)); };
        JobOptions options;
        options.outputMode = overwrite ? OutputMode::Overwrite : OutputMode::Suffix;
        JobEnvironment env;
        env.exiftool = testutil::exiftool();
        env.programFolder = m_dir.path();
        env.tempFolder = m_dir.path() + u"/stoptmp"_s;
        QDir(env.tempFolder).removeRecursively();
        QDir().mkpath(env.tempFolder);
        env.pauses = false;
        env.jobs = 2;
        env.locale = QLocale::c();
        CleanJob job(options, env);

        QElapsedTimer sinceRequest;
        QList<qint64> workers;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (sinceRequest.isValid())
                return;
            int n = 0;
            for (int i = 0; i < count && n < 10; ++i)
                n += isWritten(i);
            n += testutil::stagedOutputs(folder);
            if (n < 10)
                return;
            workers = childrenOf(QCoreApplication::applicationPid());
            sinceRequest.start();
            job.stop();
            if (hurry)
                job.stop();
        });
        watch.start();
        const JobResult r = testutil::runJob(job, images);
        const qint64 stopMs = sinceRequest.elapsed();
        watch.stop();
        QVERIFY(sinceRequest.isValid());
        qInfo("stop request to end of run: %lld ms (%s)", stopMs, QTest::currentDataTag());

        QVERIFY(r.stopped && !r.internalError);
        QVERIFY(r.summary.contains(u"The run was stopped"_s));
        int written = 0;
        for (int i = 0; i < count; ++i) {
            QVERIFY2(QFile::exists(images.at(i)), "an original was lost");
            QVERIFY(!QFile::exists(images.at(i) + u"_exiftool_tmp"_s));
            if (isWritten(i)) {
                QVERIFY2(testutil::jpegIsWhole(outputOf(i)), qPrintable(outputOf(i)));
                QCOMPARE(r.outcomes.at(i).status, FileStatus::Cleaned);
                ++written;
            } else {
                QCOMPARE(r.outcomes.at(i).status, FileStatus::Skipped);
            }
        }
        QCOMPARE(r.processedCount, written);
        QVERIFY(written < count);
        QCOMPARE(r.problemCount, 0);
        QVERIFY(r.failedImages.isEmpty());
        QVERIFY(filesIn(env.tempFolder, u"qmk_args*"_s).isEmpty());
        QVERIFY(QDir(env.tempFolder).entryList({u"qmk-run-*"_s}, QDir::Dirs).isEmpty());
        QCOMPARE(stagingFolders(folder), QStringList());
        QVERIFY(allGone(workers));
    }

    // Each stop signal to the real quillmark-cli: its exit status, the summary counts
    // exactly the complete outputs, nothing is left behind and no ExifTool remains.
    void stopSignals_data()
    {
        QTest::addColumn<QList<int>>("sent");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("SIGINT") << QList<int> {SIGINT} << 130 << false;
        QTest::newRow("SIGTERM, in place") << QList<int> {SIGTERM} << 143 << true;
        QTest::newRow("SIGHUP") << QList<int> {SIGHUP} << 129 << false;
        QTest::newRow("SIGINT twice") << QList<int> {SIGINT, SIGINT} << 130 << false;
    }
    void stopSignals()
    {
        QFETCH(QList<int>, sent);
        QFETCH(int, status);
        QFETCH(bool, overwrite);
        constexpr int count = 200;
        const QString folder = makeFolder(u"signals"_s, kJpeg, count);
        const QString temp = freshTemp(u"sigtmp"_s);
        const QMap<QString, QString> before = identities(folder);
        const auto outputOf = [&](const QString &name) {
            return overwrite ? folder + u'/' + name : folder + u'/' + name.chopped(4) + u"_cleaned.jpg"_s;
        };
        const auto isWritten = [&](const QString &name) {
            return overwrite ? identity(folder + u'/' + name) != before.value(name) : QFile::exists(outputOf(name));
        };

        QProcess p;
        p.setProcessEnvironment(cliEnv(temp));
        p.start(QString::fromUtf8(QUILLMARK_CLI),
            (overwrite ? QStringList {u"--output"_s, u"overwrite"_s} : QStringList {}) + QStringList {folder});
        QVERIFY(p.waitForStarted());
        QList<qint64> children;
        QElapsedTimer clock;
        clock.start();
        for (int n = 0; n < 10 && clock.elapsed() < 60000 && p.state() == QProcess::Running;) {
            for (qint64 c : childrenOf(p.processId()))
                if (!children.contains(c))
                    children << c;
            n = 0;
            for (auto it = before.cbegin(); it != before.cend() && n < 10; ++it)
                n += isWritten(it.key());
            n += testutil::stagedOutputs(folder);
        }
        QVERIFY2(p.state() == QProcess::Running, "the run ended before the signal");
        for (int signo : sent)
            ::kill(static_cast<pid_t>(p.processId()), signo);
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == status, qPrintable(out + QString::fromUtf8(p.readAllStandardError())));
        int written = 0;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QVERIFY(QFile::exists(folder + u'/' + it.key()));
            QVERIFY(!QFile::exists(folder + u'/' + it.key() + u"_exiftool_tmp"_s));
            if (isWritten(it.key())) {
                QVERIFY2(testutil::jpegIsWhole(outputOf(it.key())), qPrintable(it.key()));
                ++written;
            }
        }
        QVERIFY2(out.startsWith(u"%1 image"_s.arg(written)), qPrintable(out));
        QVERIFY(out.contains(u"The run was stopped"_s));
        QVERIFY(written < count);
        QCOMPARE(filesIn(temp), QStringList()); // no log (no problems), no work files
        QVERIFY(QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        QCOMPARE(stagingFolders(folder), QStringList());
        QVERIFY(allGone(children));
    }

    // Another user's work files in a shared sticky temporary folder (as /tmp is) stop
    // nobody: the run uses files of its own and names its own log.
    void otherUsersFilesInStickyFolder()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to act as two users (root plants the files, nobody runs)");
        if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
            QSKIP("setpriv (util-linux) is not installed");
        QTemporaryDir base;
        QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
        const QString sticky = base.path() + u"/tmp"_s;
        QVERIFY(QDir().mkdir(sticky));
        QVERIFY(::chmod(QFile::encodeName(sticky).constData(), 01777) == 0);
        for (const QString &name : {u"qmk_args.txt"_s, u"qmk_args_2.txt"_s, u"qmk_log.txt"_s, u"qmk_log.txt.lock"_s})
            QVERIFY(QFile(sticky + u'/' + name).open(QIODevice::WriteOnly)); // root's, mode 0644

        const QString folder = base.path() + u"/images"_s;
        QVERIFY(QDir().mkdir(folder));
        testutil::copySample(u"png_exif_gps_xmp.png"_s, folder + u"/a.png"_s);
        testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, folder + u"/broken.jpg"_s);
        for (const QString &path : {folder, folder + u"/a.png"_s, folder + u"/broken.jpg"_s})
            QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);

        QProcess p;
        QProcessEnvironment env = cliEnv(sticky);
        env.insert(u"HOME"_s, sticky);
        p.setProcessEnvironment(env);
        p.start(u"setpriv"_s,
            {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, u"--"_s, QString::fromUtf8(QUILLMARK_CLI),
                folder});
        QVERIFY(p.waitForFinished(60000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(p.exitCode() == 1, qPrintable(out + QString::fromUtf8(p.readAllStandardError())));
        QVERIFY2(out.startsWith(u"1 image processed"_s), qPrintable(out));
        QVERIFY(QFile::exists(folder + u"/a_cleaned.png"_s));
        // Its own log, named where the output says, holding the broken image.
        const qsizetype at = out.indexOf(u"Log: "_s);
        QVERIFY(at >= 0);
        const QString logPath = out.mid(at + 5).trimmed();
        QVERIFY(logPath != sticky + u"/qmk_log.txt"_s);
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("broken.jpg"));
        QCOMPARE(QFileInfo(sticky + u"/qmk_log.txt"_s).size(), 0); // root's file untouched
    }

    // Names that are not UTF-8 (Latin-1 "café.jpg", a folder "Fotos ©" in Latin-1, the
    // same with '%' and a line break, a WebP, whose output goes by a stand-in) are cleaned
    // like any other, found in a folder or given by name or in a list, in every output
    // mode, and the outputs keep the names' bytes. A broken one is named in the log and
    // the report as \xNN and reaches the trash under its own name.
    void namesThatAreNotUtf8_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("given"); // folder, names or list
        QTest::addColumn<QByteArray>("outputOf"); // how an output's name is made of the input's
        QTest::newRow("suffix, folder") << u"suffix=_c\u00e9"_s << u"folder"_s << QByteArray("S");
        QTest::newRow("prefix, names") << u"prefix=x-"_s << u"names"_s << QByteArray("P");
        QTest::newRow("folder, list") << u"folder=OUT"_s << u"list"_s << QByteArray("F");
        QTest::newRow("overwrite, names") << u"overwrite"_s << u"names"_s << QByteArray("O");
    }

    void namesThatAreNotUtf8()
    {
        QFETCH(QString, output);
        QFETCH(QString, given);
        QFETCH(QByteArray, outputOf);
        const QString base = m_dir.path() + u"/latin1"_s;
        testutil::removeTree(base);
        QDir().mkpath(base);
        const QByteArray top = QFile::encodeName(base);
        const QByteArray sub = top + "/Fotos \xa9";
        QVERIFY(::mkdir(sub.constData(), 0700) == 0);
        const QList<std::pair<QString, QByteArray>> images = {
            {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, top + "/caf\xe9.jpg"},
            {u"png_exif_gps_xmp.png"_s, sub + "/b\xe4r.png"},
            {u"webp_exif_xmp_icc_gps.webp"_s, top + "/w\xe9.webp"},
            {u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, top + "/100%d \xe9\nzwei.jpg"},
            {u"jpeg_truncated_in_app1.jpg"_s, top + "/kaput\xe9.jpg"},
        };
        QList<QByteArray> inputs;
        for (const auto &[sample, raw] : images) {
            QVERIFY(QFile::copy(testutil::sample(sample), base + u"/tmp"_s));
            QVERIFY(::rename(QFile::encodeName(base + u"/tmp"_s).constData(), raw.constData()) == 0);
            inputs << raw;
        }
        const QString trash = m_dir.path() + u"/share"_s;
        QProcessEnvironment env = cliEnv(freshTemp(u"latin1-temp"_s));
        env.insert(u"XDG_DATA_HOME"_s, trash);
        QList<QByteArray> args = {"--output", output.replace(u"OUT"_s, base + u"/out"_s).toUtf8(), "--move-failed",
            "trash", "--report", QFile::encodeName(base) + "/report.json"};
        if (given == u"folder") {
            args << top;
        } else if (given == u"names") {
            args += inputs;
        } else {
            QFile list(base + u"/list"_s);
            QVERIFY(list.open(QIODevice::WriteOnly));
            for (const QByteArray &raw : inputs)
                list.write(raw + '\0');
            list.close();
            args << "--null"
                 << "--files-from" << QFile::encodeName(list.fileName());
        }
        const testutil::CliRun run = testutil::runCliWithBytes(args, env);
        QCOMPARE(run.exitCode, 1); // the broken one
        QVERIFY2(run.out.contains(u"4 images processed"_s), qPrintable(run.out + run.err));
        QVERIFY2(!run.err.contains(u"no such file"_s) && !run.err.contains(u"UTF-8"_s), qPrintable(run.err));

        const auto outputFor = [&](const QByteArray &in) -> QByteArray {
            const qsizetype slash = in.lastIndexOf('/');
            const QByteArray folder = in.left(slash + 1);
            const QByteArray name = in.mid(slash + 1);
            const qsizetype dot = name.lastIndexOf('.');
            switch (outputOf.at(0)) {
            case 'S':
                return folder + name.left(dot) + "_c\xc3\xa9" + name.mid(dot);
            case 'P':
                return folder + "x-" + name;
            case 'F':
                return QFile::encodeName(base) + "/out/" + name;
            default:
                return in;
            }
        };
        QList<QByteArray> outputs;
        for (qsizetype i = 0; i < inputs.size() - 1; ++i) {
            outputs << outputFor(inputs.at(i));
            QVERIFY2(::access(outputs.last().constData(), F_OK) == 0, outputs.last().constData());
            if (outputOf != "O")
                QVERIFY(::access(inputs.at(i).constData(), F_OK) == 0); // the original stays
        }
        // Nothing identifying is left in any of them, and each is a whole picture.
        const QByteArray left = testutil::exifToolOnBytes(
            {u"-q"_s, u"-q"_s, u"-s3"_s, u"-GPS:all"_s, u"-XMP:all"_s, u"-IFD0:Make"_s, u"-MakerNotes:all"_s}, outputs);
        QVERIFY2(left.trimmed().isEmpty(), left.constData());
        const QByteArray errors = testutil::exifToolOnBytes({u"-q"_s, u"-validate"_s, u"-error"_s, u"-s3"_s}, outputs);
        QVERIFY2(!errors.contains("rror"), errors.constData());

        // The broken one went to the trash under its own bytes; the report and the log name
        // it with \xNN.
        QVERIFY(::access(inputs.last().constData(), F_OK) != 0);
        QVERIFY(::access((QFile::encodeName(trash) + "/Trash/files/kaput\xe9.jpg").constData(), F_OK) == 0);
        QFile report(base + u"/report.json"_s);
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QJsonArray files = QJsonDocument::fromJson(report.readAll()).object().value(u"files"_s).toArray();
        QCOMPARE(files.size(), 5);
        QStringList failed;
        for (const QJsonValue &f : files) {
            if (f.toObject().value(u"status"_s).toString() != u"cleaned")
                failed << f.toObject().value(u"input"_s).toString();
        }
        QCOMPARE(failed, QStringList {base + u"/kaput\\xe9.jpg"_s});
        QVERIFY2(run.out.contains(u"Log: "_s), qPrintable(run.out));
        QFile log(run.out.mid(run.out.indexOf(u"Log: "_s) + 5).section(u'\n', 0, 0));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray logText = log.readAll();
        QVERIFY2(logText.contains("kaput\\xe9.jpg") && QByteArrayView(logText).isValidUtf8(), logText.constData());
        testutil::removeTree(base);
        testutil::removeTree(trash);
    }
};

QTEST_GUILESS_MAIN(TestRunSafety)
#include "tst_runsafety.moc"
