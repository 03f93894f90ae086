// What a run promises whatever happens around it: parallel runs, kills, other users'
// files, odd names. Every kill happens after a number of outputs exist, never after a sleep.

#include "core/KeepValues.h"
#include "core/NativePath.h"
#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestRunSafety final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // An empty temporary folder of the test's own.
    QString freshTemp(const QString &name) { return testutil::freshFolder(m_dir.path() + u'/' + name); }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(QFile::exists(QString::fromUtf8(QUILLMARK_CLI)));
    }

    // quillmark-cli killed, stopped, or its ExifTool killed mid-batch: no ExifTool outlives
    // it, every original stays, each output is absent or complete. A stop counts exactly the
    // complete outputs; a killed ExifTool fails only its unfinished images; a rerun after a
    // kill completes the work.
    void interrupted_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("sent"); // to quillmark-cli; negative: to its ExifTool
        QTest::addColumn<int>("outputsBefore");
        QTest::addColumn<int>("status"); // -1: killed
        QTest::addColumn<bool>("native"); // the native writer writes (no ExifTool runs): many more images
        const QList<int> kill = {SIGKILL};
        const int suffix = int(OutputMode::Suffix);
        const int overwrite = int(OutputMode::Overwrite);
        QTest::newRow("killed, suffix, while starting") << suffix << kill << 0 << -1 << false;
        QTest::newRow("killed, suffix, mid-batch") << suffix << kill << 8 << -1 << false;
        QTest::newRow("killed, overwrite, mid-batch") << overwrite << kill << 8 << -1 << false;
        QTest::newRow("killed, folder, mid-batch") << int(OutputMode::Folder) << kill << 40 << -1 << false;
        QTest::newRow("SIGTERM, in place") << overwrite << QList<int> {SIGTERM} << 10 << 143 << false;
        QTest::newRow("SIGINT twice") << suffix << QList<int> {SIGINT, SIGINT} << 10 << 130 << false;
        QTest::newRow("ExifTool killed, overwrite") << overwrite << QList<int> {-SIGKILL} << 10 << 1 << false;
        QTest::newRow("native, killed, overwrite") << overwrite << kill << 70 << -1 << true;
        QTest::newRow("native, SIGTERM, in place") << overwrite << QList<int> {SIGTERM} << 70 << 143 << true;
    }
    void interrupted()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, sent);
        QFETCH(int, outputsBefore);
        QFETCH(int, status);
        QFETCH(bool, native);
        const bool killed = status < 0;
        const bool exifToolKilled = sent.first() < 0;
        // batches of 64, 64 and 12 (and more); 580 KB each, so ExifTool takes a moment over each
        const int count = native ? 1200 : killed ? 80 : exifToolKilled ? 140 : 200;
        const QString folder = testutil::folderOfCopies(m_dir.path() + u"/cli"_s,
            native ? u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s : u"jpeg_all_groups_multi_icc.jpg"_s, count);
        const QString outFolder = testutil::freshFolder(m_dir.path() + u"/cliout"_s);
        const QString temp = testutil::freshFolder(m_dir.path() + u"/clitmp"_s);
        const QString report = m_dir.path() + u"/cli-report.json"_s;
        QFile::remove(report);
        const testutil::RunOutputs outputs(
            testutil::outputOptions(static_cast<OutputMode>(mode), outFolder), testutil::RunOutputs::imagesIn(folder));
        // Killed runs use two processes, so a kill can come while the second one starts; one
        // whose ExifTool is killed uses one, so the batch after the two it had runs on a new one.
        QStringList jobs = killed ? QStringList {u"--jobs"_s, u"2"_s}
            : exifToolKilled      ? QStringList {u"--jobs"_s, u"1"_s}
                                  : QStringList();
        jobs << u"--engine"_s << (native ? u"auto"_s : u"exiftool"_s);

        QProcess p;
        QList<qint64> children;
        testutil::startCliUntil(
            p, outputs.cliArguments() + jobs + QStringList {u"--report"_s, report, folder}, temp,
            [&] { return outputs.written(outputsBefore); }, outputsBefore,
            native       ? 0
                : killed ? 2
                         : 1,
            &children);
        QVERIFY2(p.state() == QProcess::Running, "the run ended before it could be interrupted");
        for (int signo : sent) {
            for (qint64 pid : signo > 0 ? QList<qint64> {p.processId()} : children)
                ::kill(static_cast<pid_t>(pid), std::abs(signo));
        }
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(native || !children.isEmpty());
        QVERIFY2(testutil::allGone(children), "an ExifTool process outlived quillmark-cli");
        const QHash<QString, QJsonObject> outcomes = testutil::reportByInput(testutil::readFile(report));
        const QByteArray log = testutil::readFile(temp + u"/qmk_log.txt"_s);
        int written = 0;
        for (int i = 0; i < count; ++i) {
            const QString &image = outputs.images.at(i);
            QVERIFY2(QFile::exists(image), "an original was lost");
            QVERIFY(!QFile::exists(image + u"_exiftool_tmp"_s));
            const QString outcome = outcomes.value(image).value(u"status"_s).toString();
            if (outputs.isWritten(i)) {
                QVERIFY2(testutil::jpegIsWhole(outputs.outputOf(i)), qPrintable(outputs.outputOf(i)));
                QVERIFY2(!holdsExifPlaceholder(outputs.outputOf(i)), qPrintable(outputs.outputOf(i)));
                QVERIFY(killed || outcome == u"cleaned");
                ++written;
            } else if (exifToolKilled) {
                QCOMPARE(outcome, u"failed"_s);
                QVERIFY2(log.contains(QFile::encodeName(image)), qPrintable(image));
            } else if (!killed) {
                QCOMPARE(outcome, u"skipped"_s);
            }
        }
        if (!killed) {
            QVERIFY(written < count);
            const QString out = QString::fromUtf8(p.readAllStandardOutput());
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QVERIFY2(p.exitCode() == status, qPrintable(out + QString::fromUtf8(p.readAllStandardError())));
            QVERIFY2(out.startsWith(u"%1 image"_s.arg(written)), qPrintable(out));
            QCOMPARE(testutil::stagingFolders(folder), QStringList());
            QVERIFY(QDir(temp).entryList({u"qmk-run-*"_s}, QDir::Dirs).isEmpty());
            if (exifToolKilled) {
                for (int i = 128; i < count; ++i)
                    QCOMPARE(outcomes.value(outputs.images.at(i)).value(u"status"_s).toString(), u"cleaned"_s);
                return;
            }
            QVERIFY(out.contains(u"The run was stopped"_s));
            QCOMPARE(testutil::filesIn(temp), QStringList()); // no log (no problems), no work files
            QVERIFY(QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
            return;
        }

        // The rerun: kept outputs are whole, everything else is cleaned now.
        const testutil::CliRun again
            = testutil::runCli(outputs.cliArguments() + QStringList {folder}, testutil::cliEnvironment(temp));
        QVERIFY2(again.exitCode == 0, qPrintable(again.out + again.err));
        for (int i = 0; i < count; ++i) {
            const QString output = outputs.outputOf(i);
            QVERIFY2(testutil::jpegIsWhole(output), qPrintable(output));
            QVERIFY(testutil::metadataGroups(output).filter(u"GPS"_s).isEmpty());
            // Complete: the kept orientation is in, no placeholder is left.
            QVERIFY2(!holdsExifPlaceholder(output), qPrintable(output));
        }
        QVERIFY(QDir(temp).entryList({u"qmk-run-*"_s}, QDir::Dirs).isEmpty());
        QCOMPARE(testutil::stagingFolders(folder), QStringList());
        QCOMPARE(testutil::stagingFolders(outFolder), QStringList());
    }

    // Other runs' files stop nobody and are never removed or written through: ExifTool's
    // temporary file beside an image (closed is not "stale": a writer may be about to rename
    // it), links at the work files' names, a log another run holds (then a log of its own).
    void othersFiles_data() { testutil::boolRows("held", "temporary file closed", "temporary file held open"); }
    void othersFiles()
    {
        QFETCH(bool, held);
        const QString folder
            = testutil::folderOfCopies(m_dir.path() + u"/others"_s, u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, 2);
        QVERIFY(testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, folder + u"/broken.jpg"_s));
        const QString image = folder + u"/img000.jpg"_s;
        QFile leftover(image + u"_exiftool_tmp"_s);
        QVERIFY(leftover.open(QIODevice::WriteOnly) && leftover.write("partial") == 7 && leftover.flush());
        if (!held)
            leftover.close();
        const QString temp = freshTemp(u"otherstmp"_s);
        const QString victim = m_dir.path() + u"/victim.txt"_s;
        QVERIFY(testutil::writeFile(victim, "precious"));
        for (const QString &name : {u"qmk_args.txt"_s, u"qmk_log.txt"_s})
            QVERIFY(QFile::link(victim, temp + u'/' + name));
        QLockFile other(temp + u"/qmk_log.txt.lock"_s); // as a live run holds it
        QVERIFY(other.tryLock(0));
        const auto run = [&] {
            CleanJob job(testutil::outputOptions(OutputMode::Overwrite), testutil::jobEnvironment(m_dir.path(), temp));
            return testutil::runJob(job, {image, folder + u"/img001.jpg"_s, folder + u"/broken.jpg"_s});
        };
        const JobResult busy = run();
        QCOMPARE(busy.processedCount, 2);
        QCOMPARE(busy.problemCount, 1);
        QVERIFY(QFile::exists(leftover.fileName()));
        QVERIFY(testutil::metadataGroups(image).filter(u"GPS"_s).isEmpty());
        QVERIFY2(busy.logWritten && busy.logPath != temp + u"/qmk_log.txt"_s, qPrintable(busy.logPath));
        QVERIFY(testutil::readFile(busy.logPath).contains("broken.jpg"));
        other.unlock();
        const JobResult alone = run();
        QCOMPARE(alone.logPath, temp + u"/qmk_log.txt"_s);
        QVERIFY(!QFileInfo(alone.logPath).isSymLink() && testutil::readFile(alone.logPath).contains("broken.jpg"));
        QCOMPARE(testutil::readFile(victim), QByteArray("precious"));
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
        QProcessEnvironment env = testutil::cliEnvironment(sticky);
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
        QVERIFY(testutil::readFile(logPath).contains("broken.jpg"));
        QCOMPARE(QFileInfo(sticky + u"/qmk_log.txt"_s).size(), 0); // root's file untouched
    }

    // Any name, UTF-8 or not, reaches ExifTool as the literal path it is, found in a folder,
    // named or listed, in every output mode; in a plain folder most share one "-o" pattern.
    // Outputs keep the names' bytes and nothing is written elsewhere; a broken one is \xNN
    // in the log and the report and reaches the trash under its own name.
    void anyName_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text"); // the suffix, prefix or output folder
        QTest::addColumn<QByteArray>("folder"); // the images' folder
        QTest::addColumn<QString>("given"); // folder, names or list
        const QByteArray hostile = "d %d\n#x";
        QTest::newRow("suffix, folder") << int(OutputMode::Suffix) << u"_c%d$x@\u00e9"_s << hostile << u"folder"_s;
        QTest::newRow("prefix, names") << int(OutputMode::Prefix) << u"#- \"q\\"_s << hostile << u"names"_s;
        QTest::newRow("folder, list") << int(OutputMode::Folder) << u"out %f\nline"_s << hostile << u"list"_s;
        QTest::newRow("overwrite, names") << int(OutputMode::Overwrite) << QString() << hostile << u"names"_s;
        QTest::newRow("folder, pattern") << int(OutputMode::Folder) << u"out"_s << QByteArray("plain") << u"names"_s;
    }

    void anyName()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(QByteArray, folder);
        QFETCH(QString, given);
        const QString base = m_dir.path() + u"/names"_s;
        testutil::removeTree(base);
        const QByteArray top = QFile::encodeName(base) + '/' + folder;
        for (const QByteArray &dir : {QFile::encodeName(base), top, top + "/Fotos \xa9"})
            QVERIFY(::mkdir(dir.constData(), 0700) == 0);
        QList<std::pair<QString, QByteArray>> images;
        for (const QString &name : {u"new\nline.jpg"_s, u"100%d x.jpg"_s, u"$HOME @a.jpg"_s, u"-rf.jpg"_s,
                 u"#hash.jpg"_s, u" lead and trail .jpg"_s, u"quote\"back\\slash.jpg"_s, u"tab\there.jpg"_s,
                 u"photo - copy.jpg"_s, u"ünï 📷.jpg"_s, u"cr\rname.jpg"_s, u"%f%e%c.jpg"_s, u"a.b.c.jpg"_s,
                 u"@star*?[].jpg"_s, u".hidden.jpg"_s, u"x..jpg"_s, u"UPPER.JPG"_s})
            images.append({u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s, top + '/' + name.toUtf8()});
        images += {{u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, top + "/caf\xe9.jpg"},
            {u"png_exif_gps_xmp.png"_s, top + "/Fotos \xa9/b\xe4r.png"},
            {u"webp_exif_xmp_icc_gps.webp"_s, top + "/w\xe9.webp"},
            {u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s, top + "/100%d \xe9\nzwei.jpg"},
            {u"jpeg_truncated_in_app1.jpg"_s, top + "/kaput\xe9.jpg"}};
        QList<QByteArray> inputs;
        QStringList paths;
        for (const auto &[sample, raw] : std::as_const(images)) {
            QVERIFY(QFile::copy(testutil::sample(sample), base + u"/tmp"_s));
            QVERIFY(::rename(QFile::encodeName(base + u"/tmp"_s).constData(), raw.constData()) == 0);
            inputs << raw;
            paths << decodePath(raw);
        }
        const QByteArray broken = inputs.takeLast();
        // A folder's hidden files are not looked at.
        const QByteArray hidden = given == u"folder" ? top + "/.hidden.jpg" : QByteArray();
        JobOptions options = testutil::outputOptions(static_cast<OutputMode>(mode), base + u'/' + text);
        options.prefix = options.suffix = text;
        const testutil::RunOutputs outputs(options, paths, m_dir.path());

        const QString trash = m_dir.path() + u"/share"_s;
        const QString report = m_dir.path() + u"/names-report.json"_s;
        const QString list = m_dir.path() + u"/names-list"_s;
        QProcessEnvironment env = testutil::cliEnvironment(freshTemp(u"names-temp"_s));
        env.insert(u"XDG_DATA_HOME"_s, trash);
        QList<QByteArray> args {"--move-failed", "trash", "--report", QFile::encodeName(report)};
        for (const QString &a : outputs.cliArguments())
            args << a.toUtf8();
        if (given == u"folder") {
            args << top;
        } else if (given == u"names") {
            args += inputs + QList<QByteArray> {broken};
        } else {
            QVERIFY(testutil::writeFile(list, (inputs + QList<QByteArray> {broken}).join('\0') + '\0'));
            args << "--null"
                 << "--files-from" << QFile::encodeName(list);
        }
        const testutil::CliRun run = testutil::runCliWithBytes(args, env);
        QCOMPARE(run.exitCode, 1); // the broken one
        QVERIFY2(run.out.contains(u"%1 images processed"_s.arg(inputs.size() - (hidden.isEmpty() ? 0 : 1))),
            qPrintable(run.out + run.err));
        QVERIFY2(!run.err.contains(u"no such file"_s) && !run.err.contains(u"UTF-8"_s), qPrintable(run.err));

        // Each output where the mode says, beside its original, and nothing else anywhere.
        QList<QByteArray> written;
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            if (inputs.at(i) != hidden)
                written << encodePath(outputs.outputOf(int(i)));
        }
        QList<QByteArray> expected = written + (mode == int(OutputMode::Overwrite) ? QList<QByteArray>() : inputs);
        if (mode == int(OutputMode::Overwrite) && !hidden.isEmpty())
            expected << hidden;
        QProcess find;
        find.start(u"find"_s, {base, u"-type"_s, u"f"_s, u"-print0"_s});
        QVERIFY(find.waitForFinished());
        QList<QByteArray> found = find.readAllStandardOutput().split('\0');
        found.removeAll(QByteArray());
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(found, expected);
        // Nothing identifying is left in any of them, and each is a whole picture.
        const QByteArray left = testutil::exifToolOnBytes(
            {u"-q"_s, u"-q"_s, u"-s3"_s, u"-GPS:all"_s, u"-XMP:all"_s, u"-IFD0:Make"_s, u"-MakerNotes:all"_s}, written);
        QVERIFY2(left.trimmed().isEmpty(), left.constData());
        const QByteArray errors = testutil::exifToolOnBytes({u"-q"_s, u"-validate"_s, u"-error"_s, u"-s3"_s}, written);
        QVERIFY2(!errors.contains("rror"), errors.constData());

        // The broken one went to the trash under its own bytes; the report and the log name
        // it with \xNN.
        QVERIFY(::access(broken.constData(), F_OK) != 0);
        QVERIFY(::access((QFile::encodeName(trash) + "/Trash/files/kaput\xe9.jpg").constData(), F_OK) == 0);
        const QHash<QString, QJsonObject> files = testutil::reportByInput(testutil::readFile(report));
        QCOMPARE(files.size(), images.size() - (hidden.isEmpty() ? 0 : 1));
        QStringList failed;
        for (const QJsonObject &f : files) {
            if (f.value(u"status"_s).toString() != u"cleaned")
                failed << f.value(u"input"_s).toString();
        }
        QCOMPARE(failed, QStringList {QString::fromUtf8(top) + u"/kaput\\xe9.jpg"_s});
        QVERIFY2(run.out.contains(u"Log: "_s), qPrintable(run.out));
        const QByteArray logText
            = testutil::readFile(run.out.mid(run.out.indexOf(u"Log: "_s) + 5).section(u'\n', 0, 0));
        QVERIFY2(logText.contains("kaput\\xe9.jpg") && QByteArrayView(logText).isValidUtf8(), logText.constData());
        testutil::removeTree(base);
        testutil::removeTree(trash);
    }
};

QTEST_GUILESS_MAIN(TestRunSafety)
#include "tst_runsafety.moc"
