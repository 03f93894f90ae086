// quillmark-cli's quieter and read-only ways: --quiet, --dry-run, --show, --help-all, an
// empty --files-from list, the logs a run leaves, and the report's bytes of names that
// are not UTF-8. The real binary, real ExifTool, copies of the samples.

#include "jobfixtures.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using Run = testutil::CliRun;
using testutil::runCli;

namespace {

const QString png = u"png_exif_gps_xmp.png"_s;
const QString canon = u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s;

// Every file below the folder with its bytes and time: what "nothing was written" compares.
QMap<QString, QString> snapshot(const QString &folder)
{
    QMap<QString, QString> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        files.insert(path,
            info.isDir() ? u"folder"_s
                         : QString::fromLatin1(testutil::sha256(path)) + u' '
                    + QString::number(info.lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestCliModes final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString rowFolder(const QString &kind) const
    {
        return m_dir.path() + u'/' + kind + u'-'
            + QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(u"\\W+"_s), u"_"_s);
    }
    // A fresh, empty temporary folder for the run (TMPDIR; TEMP points elsewhere).
    QProcessEnvironment env(const QString &temp) const
    {
        QDir().mkpath(temp);
        QProcessEnvironment e = testutil::cliEnvironment(temp);
        e.insert(u"TEMP"_s, m_dir.path() + u"/not-this-one"_s);
        return e;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(m_dir.isValid());
    }

    // What reaches standard error: never the status lines (it is no terminal here); the
    // lines about single files unless --quiet; with --quiet --report - nothing at all.
    void quiet_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("outStart");
        const QString missing = u"quillmark-cli: %1/missing.png: no such file or folder\n"_s;
        QTest::newRow("not a terminal") << QStringList {} << missing << u"1 image processed"_s;
        QTest::newRow("quiet") << QStringList {u"-q"_s} << QString() << u"1 image processed"_s;
        QTest::newRow("quiet, report on stdout")
            << QStringList {u"--quiet"_s, u"--report"_s, u"-"_s} << QString() << u"{\"version\":1,"_s;
        QTest::newRow("quiet dry run") << QStringList {u"-q"_s, u"-n"_s} << QString()
                                       << u"1 image would be cleaned; nothing was written.\n"_s;
    }
    void quiet()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        QFETCH(QString, outStart);
        const QString folder = testutil::folderWithSamples(rowFolder(u"quiet"_s), {png});
        const Run r = runCli(args << folder << folder + u"/missing.png"_s, env(folder + u"-tmp"_s));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, err.isEmpty() ? err : err.arg(folder));
        QVERIFY2(r.out.startsWith(outStart), qPrintable(r.out));
    }

    // --dry-run says what the same run then does (outputs, skips, name clashes), what each
    // image carries, and writes nothing: not beside the images, not in TMPDIR.
    void dryRun_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files"); // "name=sample"
        QTest::addColumn<QStringList>("planned"); // the images it would clean
        QTest::newRow("suffix: an earlier and an existing output")
            << QStringList {} << QStringList {u"a.png="_s + png, u"a_cleaned.png="_s + png, u"b.jpg="_s + canon}
            << QStringList {u"b.jpg"_s};
        QTest::newRow("folder: a name clash")
            << QStringList {u"--output"_s, u"folder=%1/out"_s}
            << QStringList {u"x/a.png="_s + png, u"y/a.png="_s + png, u"b.jpg="_s + canon}
            << QStringList {u"b.jpg"_s, u"x/a.png"_s, u"y/a.png"_s};
        QTest::newRow("overwrite") << QStringList {u"--output"_s, u"overwrite"_s}
                                   << QStringList {u"a.png="_s + png, u"b.jpg="_s + canon}
                                   << QStringList {u"a.png"_s, u"b.jpg"_s};
    }
    void dryRun()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(QStringList, planned);
        const QString folder = rowFolder(u"dry"_s);
        for (const QString &file : std::as_const(files)) {
            QVERIFY(QDir().mkpath(QFileInfo(folder + u'/' + file.section(u'=', 0, 0)).path()));
            QVERIFY(testutil::copySample(file.section(u'=', 1), folder + u'/' + file.section(u'=', 0, 0)));
        }
        args.replaceInStrings(u"%1"_s, folder);
        const QString temp = folder + u"-tmp"_s;
        const QMap<QString, QString> before = snapshot(folder);
        const Run dry
            = runCli(QStringList {u"--dry-run"_s, u"--report"_s, u"-"_s} + args + QStringList {folder}, env(temp));
        QVERIFY2(dry.exitCode == 0, qPrintable(dry.err));
        QCOMPARE(snapshot(folder), before);
        QCOMPARE(entries(temp), QStringList());
        const QString count = planned.size() == 1 ? u"1 image"_s : u"%1 images"_s.arg(planned.size());
        QVERIFY2(dry.err.contains(count + u" would be cleaned; nothing was written.\n"_s)
                && dry.err.contains(u"  It carries: "_s) && dry.err.contains(u"Camera serial number"_s),
            qPrintable(dry.err));
        QVERIFY(dry.rawOut.contains(",\"planned\":" + QByteArray::number(planned.size()) + "}}"));

        // The real run does what the dry run said.
        const Run real = runCli(QStringList {u"--report"_s, u"-"_s} + args + QStringList {folder}, env(temp));
        const QHash<QString, QJsonObject> said = testutil::reportByInput(dry.rawOut);
        const QHash<QString, QJsonObject> done = testutil::reportByInput(real.rawOut);
        QCOMPARE(said.keys().size(), done.keys().size());
        QStringList cleaned;
        for (auto it = said.cbegin(); it != said.cend(); ++it) {
            const QJsonObject &d = done.value(it.key());
            const QString status = it->value(u"status"_s).toString();
            QCOMPARE(it->value(u"output"_s), d.value(u"output"_s));
            if (status == u"planned") {
                cleaned << it.key().mid(folder.size() + 1);
                QVERIFY(d.value(u"status"_s).toString() != u"skipped");
                // Every sample carries something; the planned item lists it.
                QVERIFY(!it->value(u"residue"_s).toArray().isEmpty());
            } else {
                QCOMPARE(status, d.value(u"status"_s).toString());
                QCOMPARE(it->value(u"message"_s), d.value(u"message"_s));
            }
        }
        cleaned.sort();
        QCOMPARE(cleaned, planned); // sorted in the table
    }

    // A run that could not start says so in a dry run too, before reading any image.
    void dryRunCannotStart()
    {
        const QString folder = testutil::folderWithSamples(m_dir.path() + u"/dry-refused"_s, {png});
        const Run r
            = runCli({u"-n"_s, u"--output"_s, u"folder=/proc/quillmark-out"_s, folder}, env(folder + u"-tmp"_s));
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(u"quillmark-cli: cannot start: "_s), qPrintable(r.err));
    }

    // --show: what each file carries, as the viewer lists it; 1 when one cannot be read.
    void show_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");
        QTest::newRow("GPS") << QStringList {u"gps.png"_s} << 0
                             << QStringList {u"This photo reveals where it was taken (GPS)"_s,
                                    u"  Location (GPS): GPS:GPSLatitude = 50 deg 17' 58.57\""_s};
        QTest::newRow("clean") << QStringList {u"clean.png"_s} << 0
                               << QStringList {u"Nothing identifying was found in the listing."_s};
        QTest::newRow("with an unreadable one") << QStringList {u"gps.png"_s, u"noise.jpg"_s, u"clean.png"_s} << 1
                                                << QStringList {u"Location (GPS)"_s, u"Nothing identifying"_s};
    }
    void show()
    {
        QFETCH(QStringList, files);
        QFETCH(int, exitCode);
        QFETCH(QStringList, out);
        const QString folder = testutil::folderOf(rowFolder(u"show"_s), {u"gps.png<-"_s + png, u"clean.png<-"_s + png});
        QVERIFY(!folder.isEmpty());
        testutil::runExifTool({u"-all="_s, u"-overwrite_original"_s, folder + u"/clean.png"_s});
        QByteArray noise; // no kind of file ExifTool knows: "File format error"
        for (int i = 0; i < 3000; ++i)
            noise += char((i * 7 + 3) % 256);
        QVERIFY(testutil::writeFile(folder + u"/noise.jpg"_s, noise));
        files.replaceInStrings(QRegularExpression(u"^"_s), folder + u'/');
        const QMap<QString, QString> before = snapshot(folder);
        const Run r = runCli(QStringList {u"--show"_s} + files, env(folder + u"-tmp"_s));
        QCOMPARE(r.exitCode, exitCode);
        for (const QString &line : std::as_const(out))
            QVERIFY2(r.out.contains(line), qPrintable(r.out));
        QCOMPARE(r.err.isEmpty(), exitCode == 0);
        QVERIFY(exitCode == 0 || r.err.contains(folder + u"/noise.jpg: cannot be read: "_s));
        const Run json = runCli(QStringList {u"--show"_s, u"--report"_s, u"-"_s} + files, env(folder + u"-tmp"_s));
        QCOMPARE(json.exitCode, exitCode);
        const QHash<QString, QJsonObject> report = testutil::reportByInput(json.rawOut);
        QCOMPARE(report.size(), files.size());
        for (const QString &file : std::as_const(files)) {
            const QJsonObject o = report.value(file);
            QCOMPARE(o.value(u"read"_s).toBool(), !file.endsWith(u"noise.jpg"_s));
            QCOMPARE(o.value(u"items"_s).toArray().isEmpty(), !file.endsWith(u"gps.png"_s));
        }
        QCOMPARE(snapshot(folder), before);
    }

    // Offered by --help, the manual page and both completions.
    void helpAll()
    {
        const Run r = runCli({u"--help-all"_s});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains(u"--dry-run"_s) && r.out.contains(u"--qmljsdebugger"_s), qPrintable(r.out));
    }

    // A list that came out empty (split -n l/64 makes such chunks) is nothing to do.
    void emptyList()
    {
        const QString list = m_dir.path() + u"/empty.list"_s;
        QVERIFY(testutil::writeFile(list, {}));
        const QProcessEnvironment e = env(m_dir.path() + u"/empty-tmp"_s);
        const Run r = runCli({u"--files-from"_s, list}, e);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, u"No images to clean in %1.\n"_s.arg(list));
        const Run json = runCli({u"--report"_s, u"-"_s, u"--files-from"_s, list}, e);
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(json.rawOut)[u"files"_s].toArray().size(), 0);
    }

    // The log stays where it holds a problem (and the summary names it, in TMPDIR), and is
    // gone where it would hold nothing or only notes.
    void logs_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("kept");
        const QString clean = u"a.png<-"_s + png;
        QTest::newRow("clean") << QStringList {clean} << false;
        QTest::newRow("only an earlier output left out") << QStringList {clean, u"a_cleaned.png<-"_s + png} << false;
        QTest::newRow("a failed image") << QStringList {clean, u"b.jpg<-jpeg_truncated_in_app1.jpg"_s} << true;
    }
    void logs()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, kept);
        const QString folder = testutil::folderOf(rowFolder(u"log"_s), files);
        QVERIFY(!folder.isEmpty());
        const QString temp = folder + u"-tmp"_s;
        const Run r = runCli({u"--overwrite-existing"_s, folder}, env(temp));
        QCOMPARE(r.exitCode, kept ? 1 : 0);
        QCOMPARE(entries(temp), kept ? QStringList {u"qmk_log.txt"_s} : QStringList());
        QCOMPARE(r.out.contains(u"Log: %1/qmk_log.txt\n"_s.arg(temp)), kept);
    }

    // caf\xe9.png in Latin-1 and a file named literally "caf\xe9.png" print alike; their
    // bytes tell them apart, and name the files.
    void reportBytes()
    {
        const QString folder = testutil::folderOf(m_dir.path() + u"/bytes"_s, {u"caf\\xe9.png<-"_s + png});
        const QByteArray latin1 = QFile::encodeName(folder) + "/caf\xe9.png";
        const auto cleanUp = qScopeGuard([&folder] { testutil::removeTree(folder); });
        const QByteArray sample = testutil::readFile(testutil::sample(png));
        const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0 && ::write(fd, sample.constData(), size_t(sample.size())) == sample.size() && ::close(fd) == 0);
        const Run r = runCli({u"--report"_s, u"-"_s, folder}, env(folder + u"-tmp"_s));
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QJsonArray items = QJsonDocument::fromJson(r.rawOut)[u"files"_s].toArray();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0][u"input"_s].toString(), items[1][u"input"_s].toString());
        int withBytes = 0;
        for (const QJsonValue &item : items) {
            const QJsonObject o = item.toObject();
            if (!o.contains(u"input_bytes"_s)) {
                QVERIFY(!o.contains(u"output_bytes"_s));
                QVERIFY(QFile::exists(o[u"input"_s].toString()));
                continue;
            }
            ++withBytes;
            QCOMPARE(QByteArray::fromBase64(o[u"input_bytes"_s].toString().toLatin1()), latin1);
            const QByteArray out = QByteArray::fromBase64(o[u"output_bytes"_s].toString().toLatin1());
            QCOMPARE(out, QFile::encodeName(folder) + "/caf\xe9_cleaned.png");
            QVERIFY(::access(out.constData(), F_OK) == 0); // the bytes name the output; the printable name does not
        }
        QCOMPARE(withBytes, 1);
        // Each right after the name it gives the bytes of.
        QVERIFY(QRegularExpression(
            u"\"input\":\"[^\"]*\",\"input_bytes\":\"[^\"]*\",\"output\":\"[^\"]*\",\"output_bytes\":"_s)
                    .match(QString::fromUtf8(r.rawOut))
                    .hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestCliModes)
#include "tst_climodes.moc"
