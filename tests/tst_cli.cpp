// quillmark-cli end to end: the real binary, real ExifTool, real files.

#include "testutil.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using Run = testutil::CliRun;
using testutil::runCli;

class TestCli final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_temp;

    QString folderWith(const QString &name, const QStringList &samples)
    {
        return testutil::folderWithSamples(m_dir.path() + u'/' + name, samples);
    }
    QProcessEnvironment env() const { return testutil::cliEnvironment(m_temp); }
    static QString tagName()
    {
        return QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(u"\\W+"_s), u"_"_s);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(QFile::exists(QString::fromUtf8(QUILLMARK_CLI)));
        m_temp = m_dir.path() + u"/tmp"_s;
        QDir().mkpath(m_temp);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no paths") << QStringList {} << u"no image files or folders given"_s;
        QTest::newRow("bad output") << QStringList {u"--output"_s, u"sideways"_s, u"/tmp"_s} << u"--output"_s;
        QTest::newRow("empty suffix") << QStringList {u"--output"_s, u"suffix="_s, u"/tmp"_s} << u"--output"_s;
        QTest::newRow("bad remove") << QStringList {u"--remove"_s, u"exif,colour"_s, u"/tmp"_s} << u"--remove"_s;
        QTest::newRow("bad keep") << QStringList {u"--keep"_s, u"orientation,rotation"_s, u"/tmp"_s} << u"--keep"_s;
        QTest::newRow("keep none and more") << QStringList {u"--keep"_s, u"none,color"_s, u"/tmp"_s} << u"--keep"_s;
        QTest::newRow("only a kept profile to remove")
            << QStringList {u"--remove"_s, u"icc"_s, u"/tmp"_s} << u"the colour profile is kept"_s;
        QTest::newRow("bad date") << QStringList {u"--dates"_s, u"1979-01-01 00:00:00"_s, u"/tmp"_s} << u"--dates"_s;
        QTest::newRow("impossible date") << QStringList {u"--dates"_s, u"2001-02-30 00:00:00"_s, u"/tmp"_s}
                                         << u"--dates"_s;
        QTest::newRow("prefix leaving the folder")
            << QStringList {u"--output"_s, u"prefix=../../../tmp/x-"_s, u"/tmp"_s} << u"cannot hold '/'"_s;
        QTest::newRow("suffix leaving the folder")
            << QStringList {u"--output"_s, u"suffix=/../../esc"_s, u"/tmp"_s} << u"cannot hold '/'"_s;
        QTest::newRow("bad jobs") << QStringList {u"--jobs"_s, u"0"_s, u"/tmp"_s} << u"--jobs"_s;
        QTest::newRow("unknown option") << QStringList {u"--colour"_s, u"/tmp"_s} << u"colour"_s;
        QTest::newRow("null without a list") << QStringList {u"--null"_s, u"/tmp"_s} << u"--null"_s;
        QTest::newRow("unreadable list") << QStringList {u"--files-from"_s, m_dir.path() + u"/no-list"_s}
                                         << u"cannot read the list"_s;
        QTest::newRow("nothing found") << QStringList {m_dir.path() + u"/missing"_s} << u"no supported images found"_s;
    }

    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = runCli(args, env());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // --files-from: the listed paths, and only they, are cleaned like arguments, whatever
    // their names hold. Relative paths start from the working folder.
    void filesFrom_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<bool>("fromStdin");
        QTest::newRow("lines, spaces, blank lines")
            << QStringList {u"a b.png"_s, u" lead.png"_s, u"dir"_s} << QByteArray("\n\n") << false;
        QTest::newRow("CR LF from stdin") << QStringList {u"x y .png"_s, u"c.png"_s} << QByteArray("\r\n") << true;
        QTest::newRow("NUL from stdin") << QStringList {u"new\nline.png"_s, u"tab\tand\rcr.png"_s, u"dir"_s}
                                        << QByteArray("\0", 1) << true;
    }

    void filesFrom()
    {
        QFETCH(QStringList, listed);
        QFETCH(QByteArray, separator);
        QFETCH(bool, fromStdin);
        const QString folder = m_dir.path() + u"/list-"_s + QString::fromLatin1(QTest::currentDataTag());
        QDir().mkpath(folder + u"/dir"_s);
        QStringList sources = listed;
        sources.replaceInStrings(u"dir"_s, u"dir/inner.png"_s);
        for (const QString &name : sources + QStringList {u"unlisted.png"_s})
            QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, folder + u'/' + name));

        QByteArray list = separator; // leading and doubled separators are skipped
        for (const QString &name : listed)
            list += QFile::encodeName(name) + separator + separator;
        const bool nul = separator.startsWith('\0');
        QStringList args {u"--files-from"_s, fromStdin ? u"-"_s : folder + u"/list"_s};
        if (nul)
            args.prepend(u"--null"_s);
        QVERIFY(fromStdin || testutil::writeFile(folder + u"/list"_s, list));
        QProcess p;
        p.setProcessEnvironment(env());
        p.setWorkingDirectory(folder);
        p.start(QString::fromUtf8(QUILLMARK_CLI), args);
        if (fromStdin)
            p.write(list);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(120000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(p.exitCode() == 0, qPrintable(out + QString::fromUtf8(p.readAllStandardError())));
        QVERIFY2(out.startsWith(QString::number(sources.size()) + u" images processed"_s), qPrintable(out));
        for (QString name : sources) {
            name.insert(name.size() - 4, u"_cleaned"_s);
            QVERIFY2(QFile::exists(folder + u'/' + name), qPrintable(name));
        }
        QVERIFY(!QFile::exists(folder + u"/unlisted_cleaned.png"_s));
    }

    void problemsGiveStatusOneAndTheLog()
    {
        const QString folder = folderWith(u"mixed"_s, {u"png_exif_gps_xmp.png"_s, u"jpeg_truncated_in_app1.jpg"_s});
        const Run r = runCli({u"--move-failed"_s, m_dir.path() + u"/failed"_s, folder}, env());
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.out.contains(u'\r')); // the summary's line breaks are the terminal's
        QVERIFY(r.out.contains(u"Problems were reported. See log for details."_s));
        QVERIFY(r.out.contains(u"Log: "_s + m_temp + u"/qmk_log.txt"_s));
        QVERIFY2(r.out.contains(u"problem file was moved to "_s + m_dir.path() + u"/failed/."_s), qPrintable(r.out));
        QVERIFY(QFile::exists(m_dir.path() + u"/failed/jpeg_truncated_in_app1.jpg"_s));
        QVERIFY(!QFile::exists(folder + u"/jpeg_truncated_in_app1.jpg"_s));
    }

    void selectedGroupsOnly()
    {
        const QString folder = folderWith(u"gps"_s, {u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s});
        const QString out = m_dir.path() + u"/out %d\nx"_s;
        const Run r = runCli({u"--remove"_s, u"gps,xmp"_s, u"--output"_s, u"folder="_s + out, folder}, env());
        // The Exif kept on purpose still names the camera and the time: reported, status 1.
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains(u"1 image still carries identifying metadata."_s), qPrintable(r.out));
        const QStringList groups = testutil::metadataGroups(out + u"/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s);
        QVERIFY(!groups.contains(u"GPS"_s));
        QVERIFY(!groups.contains(u"XMP-dc"_s));
        QVERIFY(groups.contains(u"ExifIFD"_s));
        QVERIFY(groups.contains(u"IPTC"_s));
    }

    void fixedDateAndOverwrite()
    {
        const QString folder = folderWith(u"dates"_s, {u"png_exif_gps_xmp.png"_s});
        const QString file = folder + u"/png_exif_gps_xmp.png"_s;
        const Run r = runCli({u"--output"_s, u"overwrite"_s, u"--dates"_s, u"2001-02-03 04:05:06"_s, file}, env());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QFileInfo(file).lastModified(), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        QVERIFY(!testutil::metadataGroups(file).contains(u"GPS"_s));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }

    // No ExifTool (a copy of the tool with none beside it and none on PATH), or no usable
    // temporary folder: status 3, the reason on standard error, nothing written.
    void internalErrors_data()
    {
        QTest::addColumn<bool>("noExifTool");
        QTest::addColumn<QString>("message");
        QTest::newRow("no ExifTool") << true << u"ExifTool was not found"_s;
        QTest::newRow("no temporary folder") << false << u"Internal program error!"_s;
    }
    void internalErrors()
    {
        QFETCH(bool, noExifTool);
        QFETCH(QString, message);
        const QString folder = folderWith(u"internal_"_s + tagName(), {u"png_exif_gps_xmp.png"_s});
        QProcessEnvironment e = noExifTool ? env() : testutil::cliEnvironment(m_dir.path() + u"/no/such/folder"_s);
        const QString bin = m_dir.path() + u"/bin"_s;
        if (noExifTool)
            e.insert(u"PATH"_s, bin);
        const Run r = runCli({folder}, e, noExifTool ? testutil::copyCli(bin) : QString::fromUtf8(QUILLMARK_CLI));
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(noExifTool || r.err.contains(u"qmk_args.txt"_s));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }

    // --settings reads the options a portable window stored beside the program.
    void storedSettings()
    {
        const QString bin = m_dir.path() + u"/portable"_s;
        const QString program = testutil::copyCli(bin,
            "[Quillmark]\r\noptOutputMode=2\r\ntxtPrefix=stored_\r\nchkCleanAll=0\r\nchkCleanOther=0\r\n"
            "chkCleanExif=0\r\nchkCleanXMP=0\r\nchkCleanIPTC=0\r\nchkCleanThumbnail=0\r\nchkCleanICC=0\r\n"
            "chkCleanTiffIdf0=0\r\nchkCleanPhotoshop=0\r\nchkCleanGeoTiff=0\r\nchkCleanExifGPS=1\r\n");
        const QByteArray iniBefore = testutil::sha256(bin + u"/settings.ini"_s);
        const QString folder = folderWith(u"stored"_s, {u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s});
        const Run r = runCli({u"--settings"_s, folder}, env(), program);
        QCOMPARE(r.exitCode, 1); // only GPS was to go: the rest is reported as residue
        const QString out = folder + u"/stored_jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;
        QVERIFY(QFile::exists(out));
        const QStringList groups = testutil::metadataGroups(out);
        QVERIFY(!groups.contains(u"GPS"_s));
        QVERIFY(groups.contains(u"ExifIFD"_s));
        QCOMPARE(testutil::sha256(bin + u"/settings.ini"_s), iniBefore);
    }

    // --settings refuses a settings file over 1 MB, beside a portable program or in the
    // user's config folder: a usage error before any image is touched, the file left as it
    // was. A small one in the user's config folder is used.
    void oversizedSettings_data()
    {
        QTest::addColumn<bool>("portable");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("portable, 2 MB") << true << qint64(2 << 20) << 2;
        QTest::newRow("user config, 2 MB") << false << qint64(2 << 20) << 2;
        QTest::newRow("user config, small") << false << qint64(0) << 0;
    }
    void oversizedSettings()
    {
        QFETCH(bool, portable);
        QFETCH(qint64, size);
        QFETCH(int, exitCode);
        const QString base = m_dir.path() + u"/oversized_"_s + tagName();
        QProcessEnvironment e = env();
        e.insert(u"XDG_CONFIG_HOME"_s, base + u"/config"_s);
        QByteArray bytes = "[Quillmark]\r\noptOutputMode=2\r\ntxtPrefix=stored_\r\n";
        while (bytes.size() < size)
            bytes += ';' + QByteArray(998, 'x') + "\r\n";
        const QString file = portable ? base + u"/bin/settings.ini"_s : base + u"/config/Corvane/Quillmark.conf"_s;
        QVERIFY(QDir().mkpath(base + u"/config/Corvane"_s));
        const QString program
            = portable ? testutil::copyCli(base + u"/bin"_s, bytes) : QString::fromUtf8(QUILLMARK_CLI);
        QVERIFY(portable || testutil::writeFile(file, bytes));
        const QString folder = folderWith(u"oversized_images_"_s + tagName(), {u"png_exif_gps_xmp.png"_s});

        const Run r = runCli({u"--settings"_s, folder}, e, program);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        if (exitCode == 2) {
            QVERIFY2(r.err.contains(u"quillmark-cli: --settings: the settings file "_s + file
                         + u" is larger than 1 MB and was not read"_s),
                qPrintable(r.err));
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList {u"png_exif_gps_xmp.png"_s});
        } else {
            QVERIFY(QFile::exists(folder + u"/stored_png_exif_gps_xmp.png"_s));
        }
        QCOMPARE(testutil::readFile(file), bytes);
    }

    // --keep, alone and over the stored options: Orientation 6 and the Adobe RGB profile
    // stay exactly as they were, or are gone.
    void keep_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("stored"); // settings.ini lines for --settings, or empty
        QTest::addColumn<bool>("orientation");
        QTest::addColumn<bool>("profile");
        QTest::newRow("default") << QStringList {} << QByteArray() << true << true;
        QTest::newRow("both") << QStringList {u"--keep"_s, u"orientation,color"_s} << QByteArray() << true << true;
        QTest::newRow("none") << QStringList {u"--keep"_s, u"none"_s} << QByteArray() << false << false;
        QTest::newRow("orientation") << QStringList {u"--keep"_s, u"orientation"_s} << QByteArray() << true << false;
        QTest::newRow("colour") << QStringList {u"--keep"_s, u"colour"_s} << QByteArray() << false << true;
        QTest::newRow("remove exif and icc, kept")
            << QStringList {u"--remove"_s, u"exif,icc"_s} << QByteArray() << true << true;
        QTest::newRow("stored: not kept")
            << QStringList {u"--settings"_s} << QByteArray("chkKeepLook=0\r\n") << false << false;
        QTest::newRow("stored: kept") << QStringList {u"--settings"_s} << QByteArray("chkKeepLook=1\r\n") << true
                                      << true;
        QTest::newRow("stored, then --keep") << QStringList {u"--settings"_s, u"--keep"_s, u"color"_s}
                                             << QByteArray("chkKeepLook=0\r\n") << false << true;
    }

    void keep()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, stored);
        QFETCH(bool, orientation);
        QFETCH(bool, profile);
        const QString folder = folderWith(u"keep_"_s + tagName(), {u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s});
        const QString in = folder + u"/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;
        testutil::runExifTool({u"-overwrite_original"_s, u"-Orientation#=6"_s, in});
        const QByteArray icc = profileOf(in);
        QVERIFY(icc.size() > 500);

        const QString program = stored.isEmpty()
            ? QString::fromUtf8(QUILLMARK_CLI)
            : testutil::copyCli(m_dir.path() + u"/keep_bin_"_s + tagName(), "[Quillmark]\r\n" + stored);
        const Run r = runCli(args + QStringList {folder}, env(), program);
        // Removing Exif alone leaves GPS-free but identifying XMP and IPTC: residue, status 1.
        const bool partial = args.contains(u"--remove"_s);
        QVERIFY2(r.exitCode == (partial ? 1 : 0), qPrintable(r.err));
        const QString out = folder + u"/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe_cleaned.jpg"_s;
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-Orientation"_s, out}).trimmed(),
            orientation ? u"6"_s : QString());
        QCOMPARE(profileOf(out), profile ? icc : QByteArray());
        QVERIFY(!testutil::metadataGroups(out).contains(u"GPS"_s));
    }

    // A stop signal while a large folder is still being listed ends the program at once:
    // the signal's status, a report of what was found, nothing written. The signal goes
    // out once the first status line says the listing has begun (the walk of 65,000
    // names takes a good fraction of a second, far longer than that line takes to arrive).
    void stopWhileListing_data()
    {
        QTest::addColumn<int>("signo");
        QTest::addColumn<int>("status");
        QTest::newRow("SIGINT") << int(SIGINT) << 130;
        QTest::newRow("SIGTERM") << int(SIGTERM) << 143;
    }

    void stopWhileListing()
    {
        QFETCH(int, signo);
        QFETCH(int, status);
        constexpr int count = 65000;
        const QString folder = m_dir.path() + u"/many"_s;
        if (!QFileInfo::exists(folder)) {
            QVERIFY(QDir().mkpath(folder));
            for (int i = 0; i < count; ++i) {
                const QByteArray name = QFile::encodeName(folder) + "/img" + QByteArray::number(i) + ".jpg";
                const int fd = ::open(name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
                QVERIFY(fd >= 0);
                ::close(fd);
            }
        }
        const QString reportPath = m_dir.path() + u"/stopped.json"_s;
        QFile::remove(reportPath);

        QProcess p;
        p.setProcessEnvironment(env());
        p.setReadChannel(QProcess::StandardError);
        p.start(QString::fromUtf8(QUILLMARK_CLI), {u"--report"_s, reportPath, folder});
        QVERIFY(p.waitForStarted());
        QByteArray err;
        while (!err.contains("Looking for images...\n")) {
            QVERIFY2(p.waitForReadyRead(30000), err.constData());
            err += p.readAllStandardError();
        }
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(p.processId()), signo);
        QVERIFY(p.waitForFinished(30000));
        const qint64 took = clock.elapsed();
        err += p.readAllStandardError();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == status, qPrintable(out + QString::fromUtf8(err)));
        qInfo("stopped %lld ms after the signal", took);
        QVERIFY2(took < 3000, qPrintable(QString::number(took)));
        QVERIFY2(out.contains(u"Stopped while looking for images; nothing was cleaned."_s), qPrintable(out));
        QVERIFY(!err.contains("Preparing"));

        const QJsonObject json = QJsonDocument::fromJson(testutil::readFile(reportPath)).object();
        QVERIFY(json.contains(u"files"_s));
        const QJsonObject totals = json.value(u"totals"_s).toObject();
        QCOMPARE(totals.value(u"cleaned"_s).toInt(), 0);
        QCOMPARE(totals.value(u"skipped"_s).toInt(), json.value(u"files"_s).toArray().size());
        QVERIFY(json.value(u"files"_s).toArray().size() < count);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), count);
    }

private:
    static QByteArray profileOf(const QString &path)
    {
        QProcess p;
        p.start(testutil::exiftool(), {u"-config"_s, QString(), u"-b"_s, u"-icc_profile"_s, path});
        p.waitForFinished(60000);
        return p.readAllStandardOutput();
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
