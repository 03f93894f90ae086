// The window program's command line, run as the real `quillmark` process offscreen with
// its own home, config and temporary folders.

#include "testutil.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSample = u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;
constexpr uid_t kNobody = 65534;

using Ended = testutil::CliRun; // exitCode -1: killed, a window that waited

// A folder named by its bytes, holding a copy of the sample image as a.jpg.
bool makeImageFolder(const QByteArray &folder)
{
    const QByteArray image = testutil::readFile(testutil::sample(kSample));
    if (::mkdir(folder.constData(), 0700) != 0 || image.isEmpty())
        return false;
    FILE *out = std::fopen((folder + "/a.jpg").constData(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(image.constData(), 1, image.size(), out) == size_t(image.size());
    return std::fclose(out) == 0 && written;
}

} // namespace

class TestGuiCommandLine final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_env;

    QString configFile() const { return m_dir.filePath(u"config/Corvane/Quillmark.conf"_s); }

    // Runs quillmark with arguments given as bytes (QProcess would pass text as UTF-8, so a
    // name that is not UTF-8 goes through bash from a NUL-separated list). asNobody: as the
    // user "nobody", for whom permission bits count (the tests may run as root).
    // withoutDisplay: no X, Wayland or Qt platform in the environment, as over SSH or from cron.
    Ended run(const QList<QByteArray> &arguments, const QString &workingDirectory, int timeoutMs, bool asNobody = false,
        bool withoutDisplay = false)
    {
        QTemporaryFile list(m_dir.filePath(u"args-XXXXXX"_s));
        if (!list.open())
            return {};
        for (const QByteArray &a : arguments)
            list.write(a + '\0');
        list.flush();
        QProcess p;
        if (asNobody) {
            list.setPermissions(list.permissions() | QFile::ReadOther);
            p.setChildProcessModifier([] {
                const gid_t none[1] = {kNobody};
                if (::setgroups(1, none) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                    ::_exit(126);
            });
        }
        QProcessEnvironment env = m_env;
        if (withoutDisplay) {
            for (const QString &name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
                env.remove(name);
        }
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(workingDirectory);
        p.start(u"/bin/bash"_s,
            {u"-c"_s, u"mapfile -d '' -t a < \"$1\"; exec \"$0\" \"${a[@]}\""_s, QString::fromUtf8(QUILLMARK_GUI),
                list.fileName()});
        p.closeWriteChannel();
        Ended ended;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            return ended;
        }
        ended.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        ended.out = QString::fromUtf8(p.readAllStandardOutput());
        ended.err = QString::fromUtf8(p.readAllStandardError());
        return ended;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(QFileInfo(QString::fromUtf8(QUILLMARK_GUI)).isExecutable());
        QVERIFY(m_dir.isValid());
        for (const QString &sub : {u"home"_s, u"config"_s, u"temp"_s, u"runtime"_s})
            QVERIFY(QDir(m_dir.path()).mkpath(sub));
        QVERIFY(QFile::setPermissions(
            m_dir.filePath(u"runtime"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_env = testutil::cliEnvironment(m_dir.filePath(u"temp"_s));
        m_env.insert(u"HOME"_s, m_dir.filePath(u"home"_s));
        m_env.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"config"_s));
        m_env.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"home/.local/share"_s));
        m_env.insert(u"XDG_RUNTIME_DIR"_s, m_dir.filePath(u"runtime"_s));
        m_env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        m_env.insert(u"QUILLMARK_AUTO_WAIT_MS"_s, u"0"_s);
    }

    void cleanupTestCase()
    {
        for (const QString &folder : {u"refused/locked"_s, u"refused/closed"_s})
            ::chmod(QFile::encodeName(m_dir.filePath(folder)).constData(), 0700);
        // Names that are not UTF-8 are beyond QDir's removal.
        testutil::removeTree(m_dir.path());
    }

    // Help and version are printed and the program ends, no window made.
    void information_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("pattern"); // what standard output must match
        const QString help = u"^Usage: \\S*quillmark \\[options\\] \\[PATH\\.\\.\\.\\]\\n(.|\\n)*--auto <FOLDER>"_s;
        const QString version = u"^Quillmark \\d+\\.\\d+\\.\\d+\\n$"_s;
        QTest::newRow("--help") << QByteArrayList {"--help"} << help;
        QTest::newRow("help before a folder") << QByteArrayList {"--help", "/"} << help;
        QTest::newRow("--version") << QByteArrayList {"--version"} << version;
    }
    void information()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, pattern);
        // No display is needed for them.
        const Ended e = run(arguments, m_dir.path(), 15000, false, true);
        QCOMPARE(e.exitCode, 0);
        QVERIFY2(QRegularExpression(pattern).match(e.out).hasMatch(), qPrintable(e.out));
        QVERIFY2(e.err.isEmpty(), qPrintable(e.err));
    }

    // Bad usage and -auto on what is no readable folder: the reason on standard error and
    // status 2 at once, never a window left waiting (the wait would end in a kill: -1).
    void refused_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QByteArrayList {"--bogus"} << u"quillmark: Unknown option 'bogus'."_s;
        QTest::newRow("-auto without a folder")
            << QByteArrayList {"-auto"} << u"quillmark: Missing value after '-auto'."_s;
        QTest::newRow("-auto with two folders")
            << QByteArrayList {"-auto", "folder", "other"} << u"quillmark: -auto takes exactly one folder"_s;
        QTest::newRow("-auto, missing folder")
            << QByteArrayList {"-auto", "missing"} << u"quillmark: -auto: missing: no such folder"_s;
        QTest::newRow("-auto, a file") << QByteArrayList {"-auto", "folder/a.jpg"}
                                       << u"quillmark: -auto: folder/a.jpg: not a folder"_s;
        QTest::newRow("-auto, unreadable folder")
            << QByteArrayList {"-auto", "locked"} << u"quillmark: -auto: locked: the folder cannot be read"_s;
        QTest::newRow("-auto, folder that cannot be entered")
            << QByteArrayList {"-auto", "closed"} << u"quillmark: -auto: closed: the folder cannot be read"_s;
        QTest::newRow("--clean with -auto") << QByteArrayList {"--clean", "-auto", "folder"}
                                            << u"quillmark: --clean and -auto cannot be used together."_s;
    }
    void refused()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, message);
        const QString base = m_dir.filePath(u"refused"_s);
        // Root reads and enters every folder: the permission rows then run as "nobody", who
        // owns those folders.
        const bool asRoot = ::geteuid() == 0;
        if (!QFileInfo::exists(base)) {
            QVERIFY(QDir().mkpath(base));
            QVERIFY(makeImageFolder(QFile::encodeName(base + u"/folder"_s)));
            for (const auto &[name, mode] : {std::pair {"/locked", 0300}, std::pair {"/closed", 0600}}) {
                const QByteArray folder = QFile::encodeName(base) + name;
                QVERIFY(makeImageFolder(folder));
                QVERIFY(!asRoot || ::chown(folder.constData(), kNobody, kNobody) == 0);
                QVERIFY(::chmod(folder.constData(), mode) == 0);
            }
            // Where nobody has to pass: the test's folder and this one.
            QVERIFY(!asRoot || ::chmod(QFile::encodeName(m_dir.path()).constData(), 0711) == 0);
        }
        const bool asNobody = asRoot && message.contains(u"cannot be read"_s);

        // A folder that is no folder is told without a display too (a cron job has none).
        const Ended e = run(arguments, base, 15000, asNobody, message.contains(u"-auto: "_s));
        QCOMPARE(e.exitCode, 2);
        QVERIFY2(e.err.contains(message), qPrintable(e.err));
        QVERIFY(e.out.isEmpty());
        QVERIFY(!QFileInfo::exists(base + u"/folder/a_cleaned.jpg"_s));
    }

    // The folder named, byte for byte, is cleaned (outputs with the default suffix beside
    // its image), and not the sibling whose name lacks the quote, the blank or the stray
    // byte. Relative names start from the current folder. The settings are not written.
    void autoCleansTheFolderNamed_data()
    {
        // The last argument names the folder: from the row's folder, or from / through <base>.
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("sibling");
        QTest::newRow("quote") << QByteArrayList {"-auto", "pics\"2024"} << QByteArray("pics2024");
        QTest::newRow("leading blank, --auto") << QByteArrayList {"--auto", "<base>/ lead"} << QByteArray("lead");
        QTest::newRow("--auto=") << QByteArrayList {"--auto=pics\"2024/"} << QByteArray("pics2024");
        QTest::newRow("not UTF-8") << QByteArrayList {"-auto", "<base>/caf\xe9"} << QByteArray("caf\xc3\xa9");
    }
    void autoCleansTheFolderNamed()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, sibling);
        const QString base = m_dir.filePath(
            u"auto-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(u"\\W+"_s), u"_"_s));
        QVERIFY(QDir().mkpath(base));
        const QByteArray baseBytes = QFile::encodeName(base);
        arguments.last().replace("<base>", baseBytes);
        QByteArray named = arguments.last().mid(arguments.last().startsWith("--auto=") ? 7 : 0);
        if (named.endsWith('/'))
            named.chop(1);
        const QByteArray folder = named.startsWith('/') ? named : baseBytes + '/' + named;
        QVERIFY(makeImageFolder(folder));
        QVERIFY(makeImageFolder(baseBytes + '/' + sibling));

        const Ended e = run(arguments, base, 120000);
        QVERIFY2(e.exitCode == 0, qPrintable(e.err));
        QVERIFY(::access((folder + "/a_cleaned.jpg").constData(), F_OK) == 0);
        QVERIFY(::access((baseBytes + '/' + sibling + "/a_cleaned.jpg").constData(), F_OK) != 0);
        const auto gps = [](const QByteArray &file) {
            return testutil::exifToolOnBytes({u"-s3"_s, u"-GPS:all"_s}, {file}).trimmed();
        };
        QVERIFY(!gps(folder + "/a.jpg").isEmpty());
        QCOMPARE(gps(folder + "/a_cleaned.jpg"), QByteArray());
        QVERIFY(!QFileInfo::exists(configFile()));
    }

    // --clean takes every argument after "--" as one path exactly as given, relative ones
    // from the current folder, a stray byte included, and cleans with the defaults when
    // nothing is stored; the small window closes by itself (QUILLMARK_AUTO_WAIT_MS).
    void cleanTakesEachPathAsGiven()
    {
        const QByteArray base = QFile::encodeName(m_dir.filePath(u"clean"_s));
        QVERIFY(makeImageFolder(base));
        const QByteArray image = testutil::readFile(testutil::sample(kSample));
        QList<QByteArray> names {" blank.jpg", "-dash.jpg", "caf\xe9.jpg", "left.jpg"};
        for (const QByteArray &name : names) {
            FILE *out = std::fopen((base + '/' + name).constData(), "wb");
            QVERIFY(out && std::fwrite(image.constData(), 1, image.size(), out) == size_t(image.size()));
            QVERIFY(std::fclose(out) == 0);
        }
        const Ended e = run(
            {"--clean", "--", " blank.jpg", "-dash.jpg", base + "/caf\xe9.jpg"}, m_dir.filePath(u"clean"_s), 120000);
        QVERIFY2(e.exitCode == 0, qPrintable(e.err));
        for (const char *name : {" blank", "-dash", "caf\xe9"})
            QVERIFY2(::access((base + '/' + name + "_cleaned.jpg").constData(), F_OK) == 0, name);
        QVERIFY(::access((base + "/left_cleaned.jpg").constData(), F_OK) != 0);
        QVERIFY(::access((base + "/a_cleaned.jpg").constData(), F_OK) != 0);
        QVERIFY(!QFileInfo::exists(configFile()));
    }

    // An unattended run uses the stored options (a folder, a fixed date), replaces an
    // existing output without a question and leaves the settings as they were; a problem
    // (an image ExifTool refuses) or nothing to clean ends it with status 1, and settings it
    // cannot read end it with status 2.
    void autoUsesTheStoredOptions()
    {
        const QDir dir(m_dir.filePath(u"stored"_s));
        for (const QString &sub : {u"images/sub"_s, u"out"_s, u"broken"_s, u"nothing"_s})
            QVERIFY(dir.mkpath(sub));
        QVERIFY(QDir().mkpath(QFileInfo(configFile()).absolutePath()));
        const QByteArray settings = "[Quillmark]\nSetDate_Mode=0\nchkResetFileDates=1\ntxtOutput="
            + QFile::encodeName(dir.filePath(u"out"_s)) + "\noptOutputMode=1\n";
        QVERIFY(testutil::writeFile(configFile(), settings));
        const auto removeFile = qScopeGuard([this] { QFile::remove(configFile()); });
        const QString png = u"png_exif_gps_xmp.png"_s;
        QVERIFY(testutil::copySample(kSample, dir.filePath(u"images/"_s + kSample)));
        QVERIFY(testutil::copySample(png, dir.filePath(u"images/sub/"_s + png)));
        QVERIFY(testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, dir.filePath(u"broken/b.jpg"_s)));
        QVERIFY(testutil::writeFile(dir.filePath(u"out/"_s + kSample), "x"));

        QCOMPARE(run({"-auto", "images"}, dir.path(), 120000).exitCode, 0);
        for (const QString &sample : {kSample, png}) {
            const QString out = dir.filePath(u"out/"_s + sample);
            QVERIFY2(testutil::readFile(out).size() > 1, qPrintable(out));
            QVERIFY(!testutil::metadataGroups(out).contains(u"GPS"_s));
            // The stored fixed date (1980-01-01 00:00:00 local time) was given to the outputs.
            QCOMPARE(QFileInfo(out).lastModified(), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
        }
        QVERIFY(!QFile::exists(m_dir.filePath(u"temp/qmk_args.txt"_s)));
        QCOMPARE(run({"-auto", "broken"}, dir.path(), 120000).exitCode, 1);
        QCOMPARE(run({"-auto", "nothing"}, dir.path(), 15000).exitCode, 1);
        QCOMPARE(testutil::readFile(configFile()), settings);

        // A settings file too large to read stops the run before anything is cleaned, and
        // stays as it was.
        QByteArray bytes = settings;
        while (bytes.size() < 2 << 20)
            bytes += ';' + QByteArray(998, 'x') + '\n';
        QVERIFY(testutil::writeFile(configFile(), bytes) && QFile::remove(dir.filePath(u"out/"_s + kSample)));
        const Ended e = run({"-auto", "images"}, dir.path(), 15000);
        QCOMPARE(e.exitCode, 2);
        QVERIFY2(e.err.contains(u"quillmark: -auto: the settings file "_s + configFile()
                     + u" is larger than 1 MB and was not read; nothing was cleaned"_s),
            qPrintable(e.err));
        QCOMPARE(QDir(dir.filePath(u"images"_s)).entryList(QDir::Files), QStringList {kSample});
        QVERIFY(!QFile::exists(dir.filePath(u"out/"_s + kSample)));
        QCOMPARE(testutil::readFile(configFile()), bytes);
    }

    // An unattended run whose outputs cannot be written does not start: status 2, the
    // reason on standard error, nothing written.
    void autoRefusedByTheCheck()
    {
        const QDir dir(m_dir.filePath(u"checked"_s));
        QVERIFY(dir.mkpath(u"images"_s) && dir.mkpath(u"out"_s));
        QVERIFY(QDir().mkpath(QFileInfo(configFile()).absolutePath()));
        QVERIFY(testutil::writeFile(configFile(),
            "[Quillmark]\ntxtOutput=" + QFile::encodeName(dir.filePath(u"out"_s)) + "\noptOutputMode=1\n"));
        const auto removeFile = qScopeGuard([this] { QFile::remove(configFile()); });
        QVERIFY(testutil::copySample(kSample, dir.filePath(u"images/"_s + kSample)));
        testutil::Unwritable locked(dir.filePath(u"out"_s));
        if (!locked.ok())
            QSKIP("cannot make a folder unwritable here");
        const Ended e = run({"-auto", "images"}, dir.path(), 60000);
        QCOMPARE(e.exitCode, 2);
        QVERIFY2(e.err.contains(u"quillmark: -auto: cannot start: The folder "_s + dir.filePath(u"out"_s)
                     + u" cannot be written to."_s),
            qPrintable(e.err));
        QVERIFY(QDir(dir.filePath(u"out"_s)).isEmpty());
        QCOMPARE(QDir(dir.filePath(u"images"_s)).entryList(QDir::Files), QStringList {kSample});
    }
};

QTEST_GUILESS_MAIN(TestGuiCommandLine)
#include "tst_gui_commandline.moc"
