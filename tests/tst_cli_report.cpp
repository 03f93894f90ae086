// quillmark-cli's report and exit statuses with the check of the outputs: the real
// binary, real ExifTool, real files, and the report compared with what is on disk.

#include "testutil.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

using Run = testutil::CliRun;

Run runCli(const QStringList &args, const QString &temp)
{
    return testutil::runCli(args, testutil::cliEnvironment(temp));
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

// A minimal Sigma SD9-style X3F: header, properties (maker, camera name, serial, capture
// time) and two empty sections. ExifTool 12.57 reads it but "Can't yet write" it: it
// warns and copies the file byte for byte, as it does with real SD9 and SD10 files.
QByteArray sd9X3f()
{
    const auto u32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto utf16z = [](const QString &s) {
        QByteArray b;
        for (QChar c : s + QChar(0)) {
            b.append(char(c.unicode() & 0xFF));
            b.append(char(c.unicode() >> 8));
        }
        return b;
    };
    const QByteArray header = "FOVb" + u32(0x00020000) + QByteArray::fromHex("00123456789abcdef0123456789abcde")
        + u32(0) + u32(2268) + u32(1512) + u32(0);
    const QList<std::pair<QString, QString>> props {{u"CAMMANUF"_s, u"SIGMA"_s}, {u"CAMNAME"_s, u"Jane Roe SD9"_s},
        {u"CAMSERIAL"_s, u"1234567"_s}, {u"TIME"_s, u"1262304000"_s}};
    QByteArray chars, pointers;
    for (const auto &[name, value] : props) {
        const quint32 namePos = quint32(chars.size() / 2);
        chars += utf16z(name);
        const quint32 valuePos = quint32(chars.size() / 2);
        chars += utf16z(value);
        pointers += u32(namePos) + u32(valuePos);
    }
    QByteArray prop = "SECp" + u32(0x00020000) + u32(quint32(props.size())) + u32(0) + u32(0)
        + u32(quint32(chars.size() / 2)) + pointers + chars;
    while (prop.size() % 4)
        prop.append('\0');
    QByteArray body = header;
    QByteArray directory;
    const QList<std::pair<QByteArray, QByteArray>> sections {
        {"PROP", prop}, {"CAMF", "SECc" + QByteArray(12, '\0')}, {"IMAG", "SECi" + QByteArray(12, '\0')}};
    for (const auto &[type, data] : sections) {
        directory += u32(quint32(body.size())) + u32(quint32(data.size())) + type;
        body += data;
    }
    return body + "SECd" + u32(0x00020000) + u32(quint32(sections.size())) + directory + u32(quint32(body.size()));
}

} // namespace

class TestCliReport final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_temp;

    QString folderWith(const QString &name, const QStringList &samples)
    {
        return testutil::folderWithSamples(m_dir.path() + u'/' + name, samples);
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
        const QString folder = folderWith(u"mixed"_s,
            {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, u"cr2_canon_350d.cr2"_s, u"jpeg_truncated_in_app1.jpg"_s,
                u"geotiff_elev.tif"_s});
        const QString notes = m_dir.path() + u"/notes.txt"_s;
        QVERIFY(testutil::writeFile(notes, {}));
        const QString reportPath = m_dir.path() + u"/report.json"_s;
        const Run run = runCli({u"--report"_s, reportPath, folder, notes}, m_temp);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(u"\n1 image still carries identifying metadata.\n"_s), qPrintable(run.out));

        const QByteArray text = testutil::readFile(reportPath);
        const QJsonObject report = parse(text);
        // The keys come in the documented order.
        QVERIFY(text.startsWith("{\"version\":1,\"files\":["));
        QVERIFY(QRegularExpression(
            u"\\{\"input\":[^\\n]*,\"output\":[^\\n]*,\"status\":[^\\n]*,\"residue\":\\[\\{\"category\":"
            u"[^\\n]*,\"tag\":[^\\n]*,\"value\":[^\\n]*\\],\"message\":"_s)
                    .match(QString::fromUtf8(text))
                    .hasMatch());
        QVERIFY(
            text.contains("],\"totals\":{\"cleaned\":2,\"residue\":1,\"unchanged\":0,\"failed\":1,\"skipped\":1}}"));
        const QJsonArray files = report.value(u"files"_s).toArray();
        QCOMPARE(files.size(), 5);

        struct Expect {
            QString input;
            QString status;
            bool output;
        };
        const QList<Expect> expected {
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
        // The raw file's serial, left in a maker note ExifTool cannot write.
        const QJsonArray residue = entryFor(report, folder + u"/cr2_canon_350d.cr2"_s).value(u"residue"_s).toArray();
        bool serial = false;
        for (const QJsonValue &r : residue) {
            const QJsonObject item = r.toObject();
            QVERIFY(QStringList(
                {u"location"_s, u"device"_s, u"person"_s, u"time"_s, u"software"_s, u"identifier"_s, u"other"_s})
                        .contains(item.value(u"category"_s).toString()));
            serial = serial
                || (item.value(u"category"_s).toString() == u"device"
                    && item.value(u"tag"_s).toString() == u"Canon:SerialNumber"
                    && item.value(u"value"_s).toString() == u"0123456789");
        }
        QVERIFY(serial);
    }

    // The exit status per outcome, and the report on standard output with the
    // summary moved to standard error.
    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("cleaned") << QStringList {} << u"png_exif_gps_xmp.png"_s << u"cleaned"_s << 0;
        QTest::newRow("residue") << QStringList {} << u"nef_nikon_d70.nef"_s << u"residue"_s << 1;
        QTest::newRow("unchanged: only APP14 asked, none there")
            << QStringList {u"--remove"_s, u"app14"_s} << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s
            << u"unchanged"_s << 1;
        QTest::newRow("residue unseen without the check")
            << QStringList {u"--no-verify"_s} << u"nef_nikon_d70.nef"_s << u"cleaned"_s << 0;
        QTest::newRow("failed") << QStringList {} << u"jpeg_truncated_in_app1.jpg"_s << u"failed"_s << 1;
        QTest::newRow("unchanged: ExifTool cannot write SD9 X3F")
            << QStringList {} << u"sd9.x3f"_s << u"unchanged"_s << 1;
        QTest::newRow("unchanged, strict") << QStringList {u"--strict"_s} << u"sd9.x3f"_s << u"unchanged"_s << 1;
    }

    void exitStatuses()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, sample);
        QFETCH(QString, status);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString image = dir.path() + u'/' + sample;
        QVERIFY(sample == u"sd9.x3f" ? testutil::writeFile(image, sd9X3f()) : testutil::copySample(sample, image));
        const Run run = runCli(options + QStringList {u"--report"_s, u"-"_s, image}, m_temp);
        QCOMPARE(run.exitCode, exitCode);
        const QJsonObject report = parse(run.rawOut); // nothing but the JSON on standard output
        QCOMPARE(report.value(u"files"_s).toArray().size(), 1);
        QVERIFY2(entryFor(report, image).value(u"status"_s).toString() == status, run.rawOut.constData());
        QVERIFY2(run.err.contains(u"processed"_s), qPrintable(run.err));
        if (status == u"residue")
            QVERIFY(run.err.contains(u"1 image still carries identifying metadata."_s));
        if (status == u"unchanged") {
            // What stays is listed, and the copy is the original byte for byte.
            const QJsonObject entry = entryFor(report, image);
            QVERIFY(!entry.value(u"residue"_s).toArray().isEmpty());
            QVERIFY(!entry.value(u"message"_s).toString().isEmpty());
            const QString out = entry.value(u"output"_s).toString();
            QCOMPARE(testutil::sha256(out), testutil::sha256(image));
        }
    }

    // A folder run over a folder of mixed files: the media files that are not cleaned are
    // in the report with their reasons and in the summary, never touched and never moved
    // to the trash; what is no image at all (a .diff, a name without extension) is
    // neither reported nor touched. A failed image goes to the trash, which shows the
    // trash is the sandbox's own and in use.
    void leftOutFromAFolderRun()
    {
        const QString folder = folderWith(u"leftout"_s, {u"png_exif_gps_xmp.png"_s, u"jpeg_truncated_in_app1.jpg"_s});
        const QString video = testutil::sample(u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s);
        const QStringList media {u"clip.mov"_s, u"sub/take.MP4"_s, u"raw.kdc"_s, u"huge.btf"_s};
        const QStringList others {u"fix.diff"_s, u"noext"_s, u"photo.JPG.txt"_s};
        QVERIFY(QDir().mkpath(folder + u"/sub"_s));
        QMap<QString, QByteArray> hashes;
        for (const QString &name : media + others) {
            QVERIFY(QFile::copy(video, folder + u'/' + name));
            hashes.insert(name, testutil::sha256(folder + u'/' + name));
        }
        const QString home = m_dir.path() + u"/home"_s;
        QVERIFY(QDir().mkpath(home + u"/.local/share"_s));
        QProcessEnvironment env = testutil::cliEnvironment(m_temp);
        env.insert(u"HOME"_s, home);
        env.insert(u"XDG_DATA_HOME"_s, home + u"/.local/share"_s);

        const Run run = testutil::runCli(
            {u"--move-failed"_s, u"trash"_s, u"--output"_s, u"overwrite"_s, u"--report"_s, u"-"_s, folder}, env);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"\n4 files were left out: 2 videos, 1 raw file ExifTool cannot write, 1 image "
                                  u"ExifTool cannot write.\n"_s),
            qPrintable(run.err));
        const QJsonObject report = parse(run.rawOut);
        QStringList entries;
        for (const QJsonValue &v : report.value(u"files"_s).toArray()) {
            const QJsonObject e = v.toObject();
            entries << e.value(u"input"_s).toString().mid(folder.size() + 1) + u' ' + e.value(u"status"_s).toString()
                    + u' ' + e.value(u"message"_s).toString();
        }
        entries.sort();
        QCOMPARE(entries.size(), 6);
        // The failed image's message is ExifTool's own.
        QVERIFY2(entries.at(2).startsWith(u"jpeg_truncated_in_app1.jpg failed "_s), qPrintable(entries.at(2)));
        entries.removeAt(2);
        QCOMPARE(entries,
            (QStringList {u"clip.mov skipped Left out: videos are not cleaned"_s,
                u"huge.btf skipped Left out: ExifTool cannot write this image type"_s,
                u"png_exif_gps_xmp.png cleaned "_s, u"raw.kdc skipped Left out: ExifTool cannot write this raw type"_s,
                u"sub/take.MP4 skipped Left out: videos are not cleaned"_s}));
        QCOMPARE(report.value(u"totals"_s).toObject(),
            (QJsonObject {
                {u"cleaned"_s, 1}, {u"residue"_s, 0}, {u"unchanged"_s, 0}, {u"failed"_s, 1}, {u"skipped"_s, 4}}));
        for (const QString &name : media + others)
            QVERIFY2(testutil::sha256(folder + u'/' + name) == hashes.value(name), qPrintable(name));
        QCOMPARE(QDir(home + u"/.local/share/Trash/files"_s).entryList(QDir::Files | QDir::Hidden),
            QStringList {u"jpeg_truncated_in_app1.jpg"_s});
        QVERIFY(!QFile::exists(folder + u"/jpeg_truncated_in_app1.jpg"_s));
    }

    // A file named on its own that is not cleaned is reported with its reason, and makes
    // the exit status 1, as the summary says.
    void namedFilesLeftOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("summary");
        QTest::newRow("a .diff") << u"fix.diff"_s << u"Not a supported image type."_s
                                 << u"1 file was left out: 1 file that is not a supported image."_s;
        QTest::newRow("no extension") << u"draw"_s << u"Not a supported image type."_s
                                      << u"1 file was left out: 1 file that is not a supported image."_s;
        QTest::newRow("a video") << u"video.mpeg"_s << u"Left out: videos are not cleaned"_s
                                 << u"1 file was left out: 1 video."_s;
        QTest::newRow("a Kodak raw") << u"raw.KDC"_s << u"Left out: ExifTool cannot write this raw type"_s
                                     << u"1 file was left out: 1 raw file ExifTool cannot write."_s;
    }

    void namedFilesLeftOut()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, summary);
        QTemporaryDir dir;
        const QString image = dir.path() + u"/png_exif_gps_xmp.png"_s;
        const QString named = dir.path() + u'/' + name;
        QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, image));
        QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, named));
        const QByteArray before = testutil::sha256(named);
        const Run run = runCli({u"--report"_s, u"-"_s, image, named}, m_temp);
        QCOMPARE(run.exitCode, 1);
        const QJsonObject report = parse(run.rawOut);
        QCOMPARE(entryFor(report, image).value(u"status"_s).toString(), u"cleaned"_s);
        const QJsonObject entry = entryFor(report, named);
        QCOMPARE(entry.value(u"status"_s).toString(), u"skipped"_s);
        QCOMPARE(entry.value(u"message"_s).toString(), message);
        QVERIFY2(run.err.contains(u'\n' + summary + u'\n'), qPrintable(run.err));
        QVERIFY2(run.err.contains(name + u": not a supported image; skipped"_s), qPrintable(run.err));
        QCOMPARE(testutil::sha256(named), before);
    }

    // A path too long for the system, found in a folder, is reported as failed (a file
    // or a folder that deep, but not a text file: that is no image); the images that fit
    // are cleaned.
    void deepPathsInAFolderRun()
    {
        const QString folder = folderWith(u"deep"_s, {u"png_exif_gps_xmp.png"_s});
        const QString deepest = testutil::makeDeepTree(folder, QByteArray(240, 'x') + ".jpg");
        const auto cleanUp = qScopeGuard([&folder] {
            const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            testutil::removeTreeAt(fd, QByteArray(200, 'd').constData());
            ::close(fd);
        });
        QVERIFY(!deepest.isEmpty());
        const int at = ::open(QFile::encodeName(deepest).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int text
            = ::openat(at, (QByteArray(240, 't') + ".txt").constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        QVERIFY(at >= 0 && text >= 0);
        ::close(text);
        ::close(at);
        const Run run = runCli({u"--report"_s, u"-"_s, folder}, m_temp);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"1 image processed"_s), qPrintable(run.err));
        QVERIFY2(run.err.contains(u"\n2 files were left out: 2 paths longer than the system allows.\n"_s),
            qPrintable(run.err));
        const QJsonObject report = parse(run.rawOut);
        QCOMPARE(entryFor(report, folder + u"/png_exif_gps_xmp.png"_s).value(u"status"_s).toString(), u"cleaned"_s);
        QStringList deep;
        for (const QJsonValue &v : report.value(u"files"_s).toArray()) {
            const QJsonObject e = v.toObject();
            if (e.value(u"input"_s).toString().startsWith(deepest + u'/')) {
                QCOMPARE(e.value(u"status"_s).toString(), u"failed"_s);
                QCOMPARE(e.value(u"message"_s).toString(), u"The path is longer than the system allows (4096 bytes)"_s);
                deep << e.value(u"input"_s).toString().mid(deepest.size() + 1);
            }
        }
        deep.sort();
        QCOMPARE(deep, (QStringList {QString(200, u'd'), QString(240, u'x') + u".jpg"_s}));

        // Named on its own, it is reported the same way.
        const QString tooLong = deepest + u'/' + QString(240, u'x') + u".jpg"_s;
        const Run named = runCli(
            {u"--overwrite-existing"_s, u"--report"_s, u"-"_s, folder + u"/png_exif_gps_xmp.png"_s, tooLong}, m_temp);
        QCOMPARE(named.exitCode, 1);
        const QJsonObject entry = entryFor(parse(named.rawOut), tooLong);
        QCOMPARE(entry.value(u"status"_s).toString(), u"failed"_s);
        QCOMPARE(entry.value(u"message"_s).toString(), u"The path is longer than the system allows (4096 bytes)"_s);
        QVERIFY2(named.err.contains(u"\n1 file was left out: 1 path longer than the system allows.\n"_s),
            qPrintable(named.err));
    }

    // A file named on the command line that is then skipped (its output exists and is
    // kept) makes the exit status 1; --overwrite-existing replaces the output.
    void namedSkipFails()
    {
        const QString folder = folderWith(u"again"_s, {u"png_exif_gps_xmp.png"_s});
        const QString image = folder + u"/png_exif_gps_xmp.png"_s;
        const QString output = folder + u"/png_exif_gps_xmp_cleaned.png"_s;
        QVERIFY(testutil::writeFile(output, "old"));
        const Run named = runCli({u"--report"_s, u"-"_s, image}, m_temp);
        QCOMPARE(entryFor(parse(named.rawOut), image).value(u"status"_s).toString(), u"skipped"_s);
        QCOMPARE(named.exitCode, 1);
        QVERIFY2(named.err.contains(u"0 images processed"_s), qPrintable(named.err));
        QCOMPARE(testutil::readFile(output), QByteArray("old"));
        const Run again = runCli({u"--overwrite-existing"_s, image}, m_temp);
        QCOMPARE(again.exitCode, 0);
        QVERIFY(again.out.startsWith(u"1 image processed"_s));
        QVERIFY(QFileInfo(output).size() > 3);
    }
};

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_cli_report.moc"
