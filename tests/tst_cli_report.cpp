// quillmark-cli's report and exit statuses with the check of the outputs: the real
// binary, real ExifTool, real files, and the report compared with what is on disk.

#include "testutil.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run runCli(const QStringList &args, const QString &temp)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"TEMP"_s, temp);
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(QUILLMARK_CLI), args);
    p.closeWriteChannel();
    if (!p.waitForFinished(180000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QJsonObject parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("report does not parse: %s", qPrintable(error.errorString()));
    return doc.object();
}

QJsonObject entryFor(const QJsonObject &report, const QString &input)
{
    for (const QJsonValue &f : report.value(u"files"_s).toArray()) {
        if (f.toObject().value(u"input"_s).toString() == input)
            return f.toObject();
    }
    return {};
}

} // namespace

class TestCliReport final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_temp;

    QString folderWith(const QString &name, const QStringList &samples)
    {
        const QString folder = m_dir.path() + u'/' + name;
        QDir().mkpath(folder);
        for (const QString &s : samples)
            testutil::copySample(s, folder + u'/' + s);
        return folder;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        m_temp = m_dir.path() + u"/tmp"_s;
        QVERIFY(QDir().mkpath(m_temp));
    }

    // A mixed folder plus a file named on its own that is not an image: every input
    // has an entry, every path in the report is what lies on disk, the totals add up.
    void reportMatchesTheFiles()
    {
        const QString folder = folderWith(u"mixed"_s, {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s,
                                                       u"cr2_canon_350d.cr2"_s, u"jpeg_truncated_in_app1.jpg"_s,
                                                       u"geotiff_elev.tif"_s});
        const QString notes = m_dir.path() + u"/notes.txt"_s;
        QFile n(notes);
        QVERIFY(n.open(QIODevice::WriteOnly));
        n.close();
        const QString reportPath = m_dir.path() + u"/report.json"_s;
        const Run run = runCli({u"--report"_s, reportPath, folder, notes}, m_temp);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(QString::fromUtf8(run.out).contains(u"\n1 image still carries identifying metadata.\n"_s),
                 run.out.constData());

        QFile file(reportPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject report = parse(file.readAll());
        QCOMPARE(report.value(u"version"_s).toInt(), 1);
        const QJsonArray files = report.value(u"files"_s).toArray();
        QCOMPARE(files.size(), 5);

        struct Expect
        {
            QString input;
            QString status;
            bool output;
        };
        const QList<Expect> expected{
            {folder + u"/jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, u"cleaned"_s, true},
            {folder + u"/cr2_canon_350d.cr2"_s, u"residue"_s, true},
            {folder + u"/jpeg_truncated_in_app1.jpg"_s, u"failed"_s, false},
            {folder + u"/geotiff_elev.tif"_s, u"cleaned"_s, true},
            {notes, u"skipped"_s, false},
        };
        for (const Expect &e : expected) {
            const QJsonObject entry = entryFor(report, e.input);
            QVERIFY2(!entry.isEmpty(), qPrintable(e.input));
            QCOMPARE(entry.value(u"status"_s).toString(), e.status);
            QVERIFY(QFileInfo(entry.value(u"input"_s).toString()).isAbsolute());
            if (e.output) {
                const QString out = entry.value(u"output"_s).toString();
                QVERIFY2(QFileInfo(out).isAbsolute() && QFileInfo::exists(out), qPrintable(out));
                QVERIFY(out != e.input);
            } else {
                QVERIFY(entry.value(u"output"_s).isNull());
                QVERIFY(!entry.value(u"message"_s).toString().isEmpty());
            }
            QCOMPARE(entry.value(u"residue"_s).toArray().isEmpty(), e.status != u"residue");
        }
        // The raw file's serial, left in a maker note ExifTool no longer names.
        const QJsonArray residue = entryFor(report, folder + u"/cr2_canon_350d.cr2"_s).value(u"residue"_s).toArray();
        bool serial = false;
        for (const QJsonValue &r : residue) {
            const QJsonObject item = r.toObject();
            QVERIFY(QStringList({u"location"_s, u"device"_s, u"person"_s, u"time"_s, u"software"_s, u"identifier"_s})
                        .contains(item.value(u"category"_s).toString()));
            serial = serial
                || (item.value(u"category"_s).toString() == u"device"
                    && item.value(u"tag"_s).toString() == u"MakerUnknown:Unknown_0x000c"
                    && item.value(u"value"_s).toString() == u"123456789");
        }
        QVERIFY(serial);
        const QJsonObject totals = report.value(u"totals"_s).toObject();
        QCOMPARE(totals, (QJsonObject{{u"cleaned"_s, 2}, {u"residue"_s, 1}, {u"unchanged"_s, 0}, {u"failed"_s, 1},
                                      {u"skipped"_s, 1}}));
    }

    // The exit status per outcome, and the report on standard output with the
    // summary moved to standard error.
    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("cleaned") << QStringList{} << u"png_exif_gps_xmp.png"_s << u"cleaned"_s << 0;
        QTest::newRow("residue") << QStringList{} << u"nef_nikon_d70.nef"_s << u"residue"_s << 1;
        QTest::newRow("unchanged: only APP14 asked, none there")
            << QStringList{u"--remove"_s, u"app14"_s} << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s
            << u"unchanged"_s << 1;
        QTest::newRow("residue unseen without the check")
            << QStringList{u"--no-verify"_s} << u"nef_nikon_d70.nef"_s << u"cleaned"_s << 0;
        QTest::newRow("failed") << QStringList{} << u"jpeg_truncated_in_app1.jpg"_s << u"failed"_s << 1;
    }

    void exitStatuses()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, sample);
        QFETCH(QString, status);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString image = dir.path() + u'/' + sample;
        QVERIFY(testutil::copySample(sample, image));
        const Run run = runCli(options + QStringList{u"--report"_s, u"-"_s, image}, m_temp);
        QCOMPARE(run.exitCode, exitCode);
        const QJsonObject report = parse(run.out); // nothing but the JSON on standard output
        QCOMPARE(report.value(u"files"_s).toArray().size(), 1);
        QCOMPARE(entryFor(report, image).value(u"status"_s).toString(), status);
        QVERIFY2(run.err.contains(u"processed"_s), qPrintable(run.err));
        if (status == u"residue")
            QVERIFY(run.err.contains(u"1 image still carries identifying metadata."_s));
    }

    // A file named on the command line that is then skipped (its output exists and
    // is kept) makes the exit status 1.
    void namedSkipFails()
    {
        const QString folder = folderWith(u"again"_s, {u"png_exif_gps_xmp.png"_s});
        const QString image = folder + u"/png_exif_gps_xmp.png"_s;
        QCOMPARE(runCli({image}, m_temp).exitCode, 0);
        const Run named = runCli({u"--report"_s, u"-"_s, image}, m_temp);
        QCOMPARE(entryFor(parse(named.out), image).value(u"status"_s).toString(), u"skipped"_s);
        QCOMPARE(named.exitCode, 1);
        QFile::remove(folder + u"/png_exif_gps_xmp_cleaned.png"_s);
        QCOMPARE(runCli({image}, m_temp).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_cli_report.moc"
