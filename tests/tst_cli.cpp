// quillmark-cli end to end: the real binary, real ExifTool, real files; its report, exit
// status and summary checked against what lies on disk.

#include "jobfixtures.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using Run = testutil::CliRun;
using testutil::runCli;

namespace {

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
    QByteArray chars, pointers;
    for (const auto &[name, value] : {std::pair {u"CAMMANUF"_s, u"SIGMA"_s}, {u"CAMNAME"_s, u"Jane Roe SD9"_s},
             {u"CAMSERIAL"_s, u"1234567"_s}, {u"TIME"_s, u"1262304000"_s}}) {
        pointers += u32(quint32(chars.size() / 2));
        chars += QByteArray(reinterpret_cast<const char *>(name.utf16()), (name.size() + 1) * 2);
        pointers += u32(quint32(chars.size() / 2));
        chars += QByteArray(reinterpret_cast<const char *>(value.utf16()), (value.size() + 1) * 2);
    }
    QByteArray prop
        = "SECp" + u32(0x00020000) + u32(4) + u32(0) + u32(0) + u32(quint32(chars.size() / 2)) + pointers + chars;
    prop.append(QByteArray((4 - prop.size() % 4) % 4, '\0'));
    QByteArray body = "FOVb" + u32(0x00020000) + QByteArray::fromHex("00123456789abcdef0123456789abcde") + u32(0)
        + u32(2268) + u32(1512) + u32(0);
    QByteArray directory;
    for (const auto &[type, data] : {std::pair {QByteArray("PROP"), prop}, {"CAMF", "SECc" + QByteArray(12, '\0')},
             {"IMAG", "SECi" + QByteArray(12, '\0')}}) {
        directory += u32(quint32(body.size())) + u32(quint32(data.size())) + type;
        body += data;
    }
    return body + "SECd" + u32(0x00020000) + u32(3) + directory + u32(quint32(body.size()));
}

// Folders of 200-byte names below `root`, made by relative calls since no call takes a
// path of PATH_MAX bytes, down to the deepest whose path still has room for a short name.
// There a JPEG, a text file and a folder holding in.jpg, none of whose paths fit. Returns
// the deepest folder; empty on failure.
QString makeDeepTree(const QString &root)
{
    const QByteArray name(200, 'd');
    QByteArray path = QFile::encodeName(root);
    const int back = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool ok = ::chdir(path.constData()) == 0;
    for (; ok && path.size() + 1 + name.size() + 1 + 10 < PATH_MAX; path += '/' + name)
        ok = ::mkdir(name.constData(), 0700) == 0 && ::chdir(name.constData()) == 0;
    ok = ok && ::mkdir(name.constData(), 0700) == 0;
    for (const QByteArray &file : {QByteArray(240, 'x') + ".jpg", QByteArray(240, 't') + ".txt", name + "/in.jpg"}) {
        const int fd = ok ? ::open(file.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600) : -1;
        ok = fd >= 0 && ::close(fd) == 0;
    }
    ok = ::fchdir(back) == 0 && ok;
    ::close(back);
    return ok ? QFile::decodeName(path) : QString();
}

} // namespace

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
        m_temp = m_dir.path() + u"/tmp"_s;
        QDir().mkpath(m_temp);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no paths") << QStringList {} << u"no image files or folders given"_s;
        QTest::newRow("bad output") << QStringList {u"--output"_s, u"sideways"_s, u"/tmp"_s} << u"--output"_s;
        QTest::newRow("bad remove") << QStringList {u"--remove"_s, u"exif,colour"_s, u"/tmp"_s} << u"--remove"_s;
        QTest::newRow("only a kept profile to remove")
            << QStringList {u"--remove"_s, u"icc"_s, u"/tmp"_s} << u"the colour profile is kept"_s;
        QTest::newRow("impossible date") << QStringList {u"--dates"_s, u"2001-02-30 00:00:00"_s, u"/tmp"_s}
                                         << u"--dates"_s;
        QTest::newRow("prefix leaving the folder")
            << QStringList {u"--output"_s, u"prefix=../../../tmp/x-"_s, u"/tmp"_s} << u"cannot hold '/'"_s;
        QTest::newRow("unreadable list") << QStringList {u"--files-from"_s, m_dir.path() + u"/no-list"_s}
                                         << u"cannot read the list"_s;
        QTest::newRow("nothing found") << QStringList {m_dir.path() + u"/missing"_s} << u"no supported images found"_s;
        QTest::newRow("oversized settings") << QStringList {u"--settings"_s, m_dir.path() + u"/oversized"_s}
                                            << u"is larger than 1 MB and was not read"_s;
    }
    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QProcessEnvironment e = env();
        const QString config = m_dir.path() + u"/config"_s;
        e.insert(u"XDG_CONFIG_HOME"_s, config);
        const QString file = config + u"/Corvane/Quillmark.conf"_s;
        const QByteArray oversized = "[Quillmark]\r\ntxtPrefix=stored_\r\n" + QByteArray(2 << 20, ';');
        const bool settings = args.contains(u"--settings"_s);
        if (settings) {
            QVERIFY(QDir().mkpath(config + u"/Corvane"_s) && testutil::writeFile(file, oversized));
            folderWith(u"oversized"_s, {u"png_exif_gps_xmp.png"_s});
        }
        const Run r = runCli(args, e);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message) && r.out.isEmpty(), qPrintable(r.err));
        if (settings) {
            QVERIFY2(r.err.contains(u"the settings file "_s + file), qPrintable(r.err));
            QCOMPARE(testutil::readFile(file), oversized);
            QCOMPARE(QDir(args.last()).entryList(QDir::Files), QStringList {u"png_exif_gps_xmp.png"_s});
        }
    }

    // One run per row with its report on standard output: the exit status, the summary,
    // every input's entry, and the disk agree. Files are "name=sample" ("@text": that
    // text; "@sd9": an SD9 X3F; no sample: the name is the sample); "%1" in an argument
    // is the row's folder, "%T" in a summary line the temporary folder. An entry is
    // "name status", then its message, or for residue one of its items ("category
    // tag=value"). Groups "-G" and "+G" are gone from, or kept in, every output. Inputs
    // that are no output keep their bytes and dates, unless a failed one was moved.
    void runs_data()
    {
        QTest::addColumn<QByteArray>("stored"); // settings.ini lines of a portable copy, run with --settings
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<QStringList>("groups");
        const auto row = [](const char *name, const QStringList &args, const QStringList &files,
                             const QStringList &entries, int exitCode, const QStringList &summary,
                             const QStringList &groups = {}, const QByteArray &stored = {}) {
            QTest::newRow(name) << stored << args << files << entries << exitCode << summary << groups;
        };
        const QString png = u"png_exif_gps_xmp.png"_s;
        const QString nef = u"nef_nikon_d70.nef"_s;
        const QString canon = u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s;
        const QString broken = u"jpeg_truncated_in_app1.jpg"_s;
        const QString reagan = u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;
        const QString phone = u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s;
        const QString date = u"2001-02-03 04:05:06"_s;
        const QString residueLine = u"\n1 image still carries identifying metadata.\n"_s;
        row("cleaned", {u"%1"_s}, {png}, {png + u" cleaned"_s}, 0, {u"1 image processed"_s}, {u"-GPS"_s});
        row("residue unseen without the check", {u"--no-verify"_s, u"%1"_s}, {nef}, {nef + u" cleaned"_s}, 0, {});
        row("unchanged: only APP14 asked, none there", {u"--remove"_s, u"app14"_s, u"%1"_s}, {canon},
            {canon + u" unchanged"_s}, 1, {});
        row("unchanged: ExifTool cannot write SD9 X3F", {u"%1"_s}, {u"sd9.x3f=@sd9"_s}, {u"sd9.x3f unchanged"_s}, 1,
            {});
        row("failed, and the log named", {u"%1"_s}, {broken}, {broken + u" failed"_s}, 1,
            {u"Problems were reported. See log for details."_s, u"Log: %T/qmk_log.txt"_s});
        row("a mixed folder and a file named on its own", {u"%1"_s, u"%1/notes.txt"_s},
            {phone, u"cr2_canon_350d.cr2"_s, broken, u"geotiff_elev.tif"_s, u"notes.txt=@"_s},
            {phone + u" cleaned"_s, u"cr2_canon_350d.cr2 residue device Canon:SerialNumber=0123456789"_s,
                broken + u" failed"_s, u"geotiff_elev.tif cleaned"_s, u"notes.txt skipped"_s},
            1, {residueLine});
        // Media that are not cleaned are reported with their reasons, never touched or
        // moved to the trash; what is no image at all is neither reported nor touched.
        row("a folder with files left out", {u"--move-failed"_s, u"trash"_s, u"--output"_s, u"overwrite"_s, u"%1"_s},
            {png, broken, u"clip.avi="_s + phone, u"sub/take.MKV="_s + phone, u"raw.kdc="_s + phone,
                u"huge.btf="_s + phone, u"fix.diff="_s + phone, u"noext="_s + phone, u"photo.JPG.txt="_s + phone},
            {png + u" cleaned"_s, broken + u" failed"_s, u"clip.avi skipped Left out: this video type is not cleaned"_s,
                u"sub/take.MKV skipped Left out: this video type is not cleaned"_s,
                u"raw.kdc skipped Left out: ExifTool cannot write this raw type"_s,
                u"huge.btf skipped Left out: ExifTool cannot write this image type"_s},
            1,
            {u"\n4 files were left out: 2 videos of types not cleaned, 1 raw file ExifTool cannot write, 1 image ExifTool cannot write.\n"_s});
        // A file named on its own that is not cleaned makes the status 1, as the summary says.
        const QString notImage = u"1 file was left out: 1 file that is not a supported image."_s;
        for (const auto &[name, message, line] : {std::tuple {"fix.diff", u"Not a supported image type."_s, notImage},
                 {"raw.KDC", u"Left out: ExifTool cannot write this raw type"_s,
                     u"1 file was left out: 1 raw file ExifTool cannot write."_s}}) {
            const QString named = QString::fromLatin1(name);
            row(qPrintable(u"named: "_s + named), {u"%1/"_s + png, u"%1/"_s + named}, {png, named + u'=' + png},
                {png + u" cleaned"_s, named + u" skipped "_s + message}, 1,
                {u'\n' + line + u'\n', named + u": not a supported image; skipped"_s});
        }
        // An output that would replace the image itself is never written, whatever is asked.
        row("folder mode onto the images' own folder",
            {u"--overwrite-existing"_s, u"--move-failed"_s, u"trash"_s, u"--output"_s, u"folder=%1/."_s, u"%1"_s},
            {png}, {png + u" skipped Skipped: the output would replace the image itself"_s}, 1,
            {u"0 images processed"_s, u"Log: %T/qmk_log.txt"_s});
        row("named, its output kept", {u"%1/a.png"_s}, {u"a.png="_s + png, u"a_cleaned.png=@old"_s},
            {u"a.png skipped"_s}, 1, {u"0 images processed"_s});
        row("named, its output replaced", {u"--overwrite-existing"_s, u"%1/a.png"_s},
            {u"a.png="_s + png, u"a_cleaned.png=@old"_s}, {u"a.png cleaned"_s}, 0, {u"1 image processed"_s});
        // The Exif kept on purpose still names the camera and the time.
        row("chosen groups, into a folder of an odd name",
            {u"--remove"_s, u"gps,xmp"_s, u"--output"_s, u"folder=%1/out %d\nx"_s, u"%1"_s}, {reagan},
            {reagan + u" residue"_s}, 1, {residueLine}, {u"-GPS"_s, u"-XMP-dc"_s, u"+ExifIFD"_s, u"+IPTC"_s});
        row("stored options: GPS only, prefix", {u"%1"_s}, {reagan}, {reagan + u" residue"_s}, 1, {residueLine},
            {u"-GPS"_s, u"+ExifIFD"_s},
            "optOutputMode=2\r\ntxtPrefix=stored_\r\nchkCleanAll=0\r\nchkCleanOther=0\r\nchkCleanExif=0\r\n"
            "chkCleanXMP=0\r\nchkCleanIPTC=0\r\nchkCleanThumbnail=0\r\nchkCleanICC=0\r\nchkCleanTiffIdf0=0\r\n"
            "chkCleanPhotoshop=0\r\nchkCleanGeoTiff=0\r\nchkCleanExifGPS=1\r\n");
        row("fixed date, in place", {u"--output"_s, u"overwrite"_s, u"--dates"_s, date, u"%1/"_s + png}, {png},
            {png + u" cleaned"_s}, 0, {}, {u"-GPS"_s});
    }
    void runs()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(QStringList, entries);
        QFETCH(int, exitCode);
        QFETCH(QStringList, summary);
        QFETCH(QStringList, groups);
        const QString folder = m_dir.path() + u"/run-"_s + tagName();
        QHash<QString, std::pair<QByteArray, QDateTime>> before;
        for (const QString &file : std::as_const(files)) {
            const QString path = folder + u'/' + file.section(u'=', 0, 0);
            const QString source = file.contains(u'=') ? file.section(u'=', 1) : file;
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (source.startsWith(u'@'))
                QVERIFY(testutil::writeFile(path, source == u"@sd9" ? sd9X3f() : source.mid(1).toUtf8()));
            else
                QVERIFY(testutil::copySample(source, path));
            before.insert(path, {testutil::sha256(path), QFileInfo(path).lastModified()});
        }
        const QString home = folder + u"-home"_s;
        QVERIFY(QDir().mkpath(home + u"/.local/share"_s));
        QProcessEnvironment e = env();
        e.insert(u"HOME"_s, home);
        e.insert(u"XDG_DATA_HOME"_s, home + u"/.local/share"_s);
        const QString bin = folder + u"-bin"_s;
        const QString program
            = stored.isEmpty() ? QString::fromUtf8(QUILLMARK_CLI) : testutil::copyCli(bin, "[Quillmark]\r\n" + stored);
        const QStringList options = stored.isEmpty() ? QStringList() : QStringList {u"--settings"_s};
        const Run r = runCli(
            options + QStringList {u"--report"_s, u"-"_s} + args.replaceInStrings(u"%1"_s, folder), e, program);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        for (const QString &line : std::as_const(summary))
            QVERIFY2(r.err.contains(QString(line).replace(u"%T"_s, m_temp)), qPrintable(line + u" not in "_s + r.err));
        QVERIFY(!r.err.contains(u'\r')); // the summary's line breaks are the terminal's
        QVERIFY(stored.isEmpty() || testutil::readFile(bin + u"/settings.ini"_s) == "[Quillmark]\r\n" + stored);

        // Nothing but the report on standard output, its keys in the documented order.
        QJsonParseError error;
        const QJsonObject report = QJsonDocument::fromJson(r.rawOut, &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, r.rawOut.constData());
        QVERIFY(r.rawOut.startsWith("{\"version\":1,\"files\":["));
        const QString residueItem
            = r.rawOut.contains("\"residue\":[{") ? u"\\{\"category\":.*,\"tag\":.*,\"value\":.*"_s : QString();
        QVERIFY(QRegularExpression(
            u"\\{\"input\":.*,\"output\":.*,\"status\":.*,\"residue\":\\[%1\\],\"message\":"_s.arg(residueItem))
                    .match(QString::fromUtf8(r.rawOut))
                    .hasMatch());
        QHash<QString, int> totals;
        QHash<QString, QJsonObject> byName;
        for (const QJsonValue &v : report.value(u"files"_s).toArray()) {
            const QString input = v.toObject().value(u"input"_s).toString();
            QVERIFY2(input.startsWith(folder + u'/'), qPrintable(input));
            byName.insert(input.mid(folder.size() + 1), v.toObject());
        }
        QCOMPARE(byName.size(), entries.size());
        QStringList outputs;
        for (const QString &entry : std::as_const(entries)) {
            const QString name = entry.section(u' ', 0, 0);
            const QString status = entry.section(u' ', 1, 1);
            const QString detail = entry.section(u' ', 2);
            const QJsonObject o = byName.value(name);
            QCOMPARE(o.value(u"status"_s).toString(), status);
            ++totals[status];
            QStringList items;
            for (const QJsonValue &item : o.value(u"residue"_s).toArray())
                items << item[u"category"_s].toString() + u' ' + item[u"tag"_s].toString() + u'='
                        + item[u"value"_s].toString();
            QCOMPARE(items.isEmpty(), status != u"residue" && status != u"unchanged");
            QVERIFY2(detail.isEmpty()
                    || (status == u"residue" ? items.contains(detail) : o[u"message"_s].toString() == detail),
                qPrintable(items.join(u", "_s) + u" / "_s + o[u"message"_s].toString()));
            const QString output = o.value(u"output"_s).toString();
            const bool written = status == u"cleaned" || status == u"residue" || status == u"unchanged";
            // A skipped image may name the output that was kept.
            QVERIFY2(output.isEmpty() ? !written : QFileInfo(output).isAbsolute() && QFileInfo::exists(output),
                qPrintable(output));
            QVERIFY(written || ((output.isEmpty() || status == u"skipped") && !o[u"message"_s].toString().isEmpty()));
            if (status == u"unchanged") // a copy of the original, byte for byte
                QCOMPARE(testutil::sha256(output), before.value(folder + u'/' + name).first);
            if (!written)
                continue;
            outputs << output;
            const QStringList found = testutil::metadataGroups(output);
            for (const QString &g : std::as_const(groups))
                QVERIFY2(found.contains(g.mid(1)) == g.startsWith(u'+'), qPrintable(g + u' ' + output));
        }
        QString totalsJson;
        for (const QString &status : {u"cleaned"_s, u"residue"_s, u"unchanged"_s, u"failed"_s, u"skipped"_s})
            totalsJson += u",\"%1\":%2"_s.arg(status).arg(totals[status]);
        QVERIFY(r.rawOut.contains("],\"totals\":{" + totalsJson.mid(1).toUtf8() + "}}"));
        if (const qsizetype at = args.indexOf(u"--dates"_s); at >= 0) {
            for (const QString &output : std::as_const(outputs))
                QCOMPARE(
                    QFileInfo(output).lastModified(), QDateTime::fromString(args.at(at + 1), u"yyyy-MM-dd HH:mm:ss"_s));
        }
        // A log, where the summary names one, names every image that was not cleaned.
        const QByteArray log
            = summary.filter(u"Log: "_s).isEmpty() ? QByteArray() : testutil::readFile(m_temp + u"/qmk_log.txt"_s);
        for (auto it = byName.cbegin(); !log.isEmpty() && it != byName.cend(); ++it)
            QVERIFY(it->value(u"status"_s).toString() == u"cleaned"
                || log.contains(QFile::encodeName(folder + u'/' + it.key())));
        const bool toTrash = args.contains(u"trash"_s);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (outputs.contains(it.key()))
                continue; // in place, or replaced
            const QString name = it.key().mid(folder.size() + 1);
            if (toTrash && byName.value(name).value(u"status"_s).toString() == u"failed") {
                QVERIFY(!QFile::exists(it.key()));
                QVERIFY(QFile::exists(home + u"/.local/share/Trash/files/"_s + QFileInfo(name).fileName()));
                continue;
            }
            QVERIFY2(testutil::sha256(it.key()) == it->first, qPrintable(name));
            QCOMPARE(QFileInfo(it.key()).lastModified(), it->second);
        }
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
        const QString folder = m_dir.path() + u"/list-"_s + tagName();
        QDir().mkpath(folder + u"/dir"_s);
        QStringList sources = listed;
        sources.replaceInStrings(u"dir"_s, u"dir/inner.png"_s);
        for (const QString &name : sources + QStringList {u"unlisted.png"_s})
            QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, folder + u'/' + name));
        QByteArray list = separator; // leading and doubled separators are skipped
        for (const QString &name : listed)
            list += QFile::encodeName(name) + separator + separator;
        QStringList args {u"--files-from"_s, fromStdin ? u"-"_s : folder + u"/list"_s};
        if (separator.startsWith('\0'))
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
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(p.exitCode() == 0 && out.startsWith(QString::number(sources.size()) + u" images processed"_s),
            qPrintable(out));
        for (QString name : sources) {
            name.insert(name.size() - 4, u"_cleaned"_s);
            QVERIFY2(QFile::exists(folder + u'/' + name), qPrintable(name));
        }
        QVERIFY(!QFile::exists(folder + u"/unlisted_cleaned.png"_s));
    }

    // No ExifTool (a copy of the tool with none beside it and none on PATH), or no usable
    // temporary folder: status 3, the reason on standard error, nothing written. A run that
    // got as far as its job still writes its report: every image failed.
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
        const QString folder = folderWith(
            u"internal_"_s + tagName(), {u"png_exif_gps_xmp.png"_s, u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s});
        QProcessEnvironment e = noExifTool ? env() : testutil::cliEnvironment(m_dir.path() + u"/no/such/folder"_s);
        const QString bin = m_dir.path() + u"/bin"_s;
        if (noExifTool)
            e.insert(u"PATH"_s, bin);
        const QString report = folder + u"-report.json"_s;
        const Run r = runCli(
            {u"--report"_s, report, folder}, e, noExifTool ? testutil::copyCli(bin) : QString::fromUtf8(QUILLMARK_CLI));
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
        if (noExifTool)
            return;
        QVERIFY(r.err.contains(u"qmk_args.txt"_s));
        const QHash<QString, QJsonObject> outcomes = testutil::reportByInput(testutil::readFile(report));
        QCOMPARE(outcomes.size(), 2);
        for (const QJsonObject &o : outcomes)
            QCOMPARE(o.value(u"status"_s).toString(), u"failed"_s);
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
        QTest::newRow("none") << QStringList {u"--keep"_s, u"none"_s} << QByteArray() << false << false;
        QTest::newRow("orientation") << QStringList {u"--keep"_s, u"orientation"_s} << QByteArray() << true << false;
        QTest::newRow("colour") << QStringList {u"--keep"_s, u"colour"_s} << QByteArray() << false << true;
        QTest::newRow("stored, then --keep") << QStringList {u"--settings"_s, u"--keep"_s, u"color"_s}
                                             << QByteArray("chkKeepLook=0\r\n") << false << true;
    }
    void keep()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, stored);
        QFETCH(bool, orientation);
        QFETCH(bool, profile);
        const QString folder = testutil::folderOf(
            m_dir.path() + u"/keep_"_s + tagName(), {u"in.jpg<-jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s});
        const QString in = folder + u"/in.jpg"_s;
        testutil::runExifTool({u"-overwrite_original"_s, u"-Orientation#=6"_s, in});
        const auto profileOf = [](const QString &path) {
            return testutil::exifToolOnBytes({u"-b"_s, u"-icc_profile"_s}, {QFile::encodeName(path)});
        };
        const QByteArray icc = profileOf(in);
        QVERIFY(icc.size() > 500);
        const QString program = stored.isEmpty()
            ? QString::fromUtf8(QUILLMARK_CLI)
            : testutil::copyCli(m_dir.path() + u"/keep_bin_"_s + tagName(), "[Quillmark]\r\n" + stored);
        const Run r = runCli(args + QStringList {folder}, env(), program);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QString out = folder + u"/in_cleaned.jpg"_s;
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-Orientation"_s, out}).trimmed(),
            orientation ? u"6"_s : QString());
        QCOMPARE(profileOf(out), profile ? icc : QByteArray());
    }

    // A path too long for the system, found or named, fails (a text file that deep is no
    // image); the images that fit are cleaned.
    void deepPaths()
    {
        const QString folder = folderWith(u"deep"_s, {u"png_exif_gps_xmp.png"_s});
        const QString deepest = makeDeepTree(folder);
        const auto cleanUp = qScopeGuard([&folder] { QProcess::execute(u"rm"_s, {u"-rf"_s, u"--"_s, folder}); });
        QVERIFY(!deepest.isEmpty());
        const QString tooLong = deepest + u'/' + QString(240, u'x') + u".jpg"_s;
        for (const QStringList &paths :
            {QStringList {folder}, QStringList {folder + u"/png_exif_gps_xmp.png"_s, tooLong}}) {
            const Run run = runCli(QStringList {u"--overwrite-existing"_s, u"--report"_s, u"-"_s} + paths, env());
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(u"1 image processed"_s), qPrintable(run.err));
            QVERIFY2(run.err.contains(paths.size() == 1
                             ? u"\n2 files were left out: 2 paths longer than the system allows.\n"_s
                             : u"\n1 file was left out: 1 path longer than the system allows.\n"_s),
                qPrintable(run.err));
            const QHash<QString, QJsonObject> report = testutil::reportByInput(run.rawOut);
            QCOMPARE(report.value(folder + u"/png_exif_gps_xmp.png"_s).value(u"status"_s).toString(), u"cleaned"_s);
            QStringList deep;
            for (const QJsonObject &e : report) {
                if (!e.value(u"input"_s).toString().startsWith(deepest + u'/'))
                    continue;
                QCOMPARE(e.value(u"status"_s).toString(), u"failed"_s);
                QCOMPARE(e.value(u"message"_s).toString(), u"The path is longer than the system allows (4096 bytes)"_s);
                deep << e.value(u"input"_s).toString().mid(deepest.size() + 1);
            }
            deep.sort();
            QCOMPARE(deep,
                (paths.size() == 1 ? QStringList {QString(200, u'd')} : QStringList())
                    << QString(240, u'x') + u".jpg"_s);
        }
    }

    // A stop signal while a large folder is being listed (sent once the listing has begun)
    // ends the program at once: the signal's status, a report, nothing written.
    void stopWhileListing()
    {
        constexpr int count = 65000;
        const QString folder = m_dir.path() + u"/many"_s;
        QVERIFY(QDir().mkpath(folder));
        for (int i = 0; i < count; ++i)
            QVERIFY(testutil::writeFile(folder + u"/img%1.jpg"_s.arg(i), {}));
        const QString reportPath = m_dir.path() + u"/stopped.json"_s;
        QProcess p;
        p.setProcessEnvironment(env());
        p.start(QString::fromUtf8(QUILLMARK_CLI), {u"--report"_s, reportPath, folder});
        QVERIFY(p.waitForStarted());
        // The listing has begun once the walk holds the folder open.
        const QString fds = u"/proc/%1/fd"_s.arg(p.processId());
        const auto listing = [&] {
            const QStringList open = QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
            return std::any_of(open.cbegin(), open.cend(),
                [&](const QString &fd) { return QFile::symLinkTarget(fds + u'/' + fd) == folder; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(listing() || p.state() != QProcess::Running, 30000);
        QVERIFY(p.state() == QProcess::Running);
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(30000));
        const qint64 took = clock.elapsed();
        const QByteArray err = p.readAllStandardError();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 143, qPrintable(out + QString::fromUtf8(err)));
        QVERIFY2(took < 3000, qPrintable(QString::number(took)));
        QVERIFY2(out.contains(u"Stopped while looking for images; nothing was cleaned."_s), qPrintable(out));
        QVERIFY(!err.contains("Preparing"));
        const QJsonObject json = QJsonDocument::fromJson(testutil::readFile(reportPath)).object();
        QVERIFY(json.contains(u"files"_s));
        QCOMPARE(json[u"totals"_s][u"cleaned"_s].toInt(), 0);
        QCOMPARE(json[u"totals"_s][u"skipped"_s].toInt(), json.value(u"files"_s).toArray().size());
        QVERIFY(json.value(u"files"_s).toArray().size() < count);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), count);
    }

    // A run whose outputs cannot be written does not start: status 2 with the reason on
    // standard error before any work, and nothing written anywhere. The row's "%1" is
    // its folder of images.
    void refusedBeforeAnyWork_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("locked"); // made unwritable: relative to the row's folder
        QTest::addColumn<QString>("message");
        QTest::newRow("output folder") << QStringList {u"--output"_s, u"folder=%1/out"_s} << u"out"_s
                                       << u"The folder %1/out cannot be written to."_s;
        QTest::newRow("beside the images") << QStringList {} << QString() << u"The folder %1 cannot be written to."_s;
        QTest::newRow("overwrite") << QStringList {u"--output"_s, u"overwrite"_s} << u"png_exif_gps_xmp.png"_s
                                   << u"1 original cannot be overwritten: %1/png_exif_gps_xmp.png"_s;
    }
    void refusedBeforeAnyWork()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, locked);
        QFETCH(QString, message);
        const QString folder = folderWith(
            u"refused_"_s + tagName(), {u"png_exif_gps_xmp.png"_s, u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s});
        QVERIFY(QDir().mkpath(folder + u"/out"_s));
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QByteArray hash = testutil::sha256(folder + u"/png_exif_gps_xmp.png"_s);
        args.replaceInStrings(u"%1"_s, folder);
        testutil::Unwritable unwritable(locked.isEmpty() ? folder : folder + u'/' + locked);
        if (!unwritable.ok())
            QSKIP("cannot make a folder or file unwritable here");
        const Run r = runCli(args << folder, env());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(u"quillmark-cli: cannot start: "_s + message.arg(folder)) && r.out.isEmpty(),
            qPrintable(r.err));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QVERIFY(QDir(folder + u"/out"_s).isEmpty());
        QCOMPARE(testutil::sha256(folder + u"/png_exif_gps_xmp.png"_s), hash);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
