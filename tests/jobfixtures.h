#pragma once

// Fixtures of the tests that run a job or quillmark-cli over real images.

#include "core/CleanJob.h"
#include "testutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <climits>
#include <functional>
#include <sys/stat.h>

namespace testutil {

// A job environment of the test's own: the real ExifTool, no pauses, the C locale.
inline JobEnvironment jobEnvironment(const QString &programFolder, const QString &tempFolder, int jobs = 1)
{
    JobEnvironment env;
    env.exiftool = exiftool();
    env.programFolder = programFolder;
    env.tempFolder = tempFolder;
    QDir().mkpath(tempFolder);
    env.pauses = false;
    env.jobs = jobs;
    env.locale = QLocale::c();
    return env;
}

// An empty folder (emptied when it exists); returns it.
inline QString freshFolder(const QString &folder)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

// `copies` copies of a sample in a fresh folder, named img000.ext, img001.ext, ...
inline QString folderOfCopies(const QString &folder, const QString &sample, int copies)
{
    freshFolder(folder);
    const QString ext = QFileInfo(sample).suffix();
    for (int i = 0; i < copies; ++i)
        copySample(sample, folder + QStringLiteral("/img") + QString::number(i).rightJustified(3, u'0') + u'.' + ext);
    return folder;
}

// A fresh folder of the files named "name<-sample" (a copy of the sample) or "name<-text"
// (a few words of text under an image's name); empty when one could not be made.
inline QString folderOf(const QString &folder, const QStringList &files)
{
    freshFolder(folder);
    for (const QString &file : files) {
        const QString name = file.section(QStringLiteral("<-"), 0, 0);
        const QString from = file.section(QStringLiteral("<-"), 1);
        const bool ok = from == QStringLiteral("text") ? writeFile(folder + u'/' + name, "just a few words\n")
                                                       : copySample(from, folder + u'/' + name);
        if (!ok)
            return {};
    }
    return folder;
}

// The files of a folder (hidden ones too), sorted.
inline QStringList filesIn(const QString &folder, const QString &pattern = QStringLiteral("*"))
{
    QStringList names = QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

inline QStringList stagingFolders(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".qmk-stage-*")}, QDir::Dirs | QDir::Hidden);
}

// A file's inode: ExifTool writing in place replaces the file, which then has a new one.
inline QString inode(const QString &path)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QString::number(st.st_ino);
}

// The images of a run and their outputs under its options. An output is written once it
// exists, or, in place, once its image has a new inode.
struct RunOutputs {
    JobOptions options;
    QString programFolder;
    QStringList images;
    QStringList before; // inodes at the start
    QStringList staging; // folders whose staged outputs count as written too

    RunOutputs(const JobOptions &o, const QStringList &all, const QString &program = {})
        : options(o)
        , programFolder(program)
        , images(all)
    {
        for (const QString &image : all)
            before << inode(image);
        staging << QFileInfo(all.value(0)).path();
        if (o.outputMode == OutputMode::Folder)
            staging << o.outputFolder;
    }

    // Every file of a folder.
    static QStringList imagesIn(const QString &folder)
    {
        QStringList all;
        for (const QString &name : filesIn(folder))
            all << folder + u'/' + name;
        return all;
    }

    bool overwrite() const { return options.outputMode == OutputMode::Overwrite; }
    QString outputOf(int i) const { return outputPathFor(images.at(i), options, programFolder); }
    bool isWritten(int i) const
    {
        return overwrite() ? inode(images.at(i)) != before.at(i) : QFile::exists(outputOf(i));
    }
    // Outputs in place and in staging; counting stops at `enough`.
    int written(int enough = INT_MAX) const
    {
        int n = 0;
        for (const QString &folder : staging)
            n += stagedOutputs(folder);
        for (int i = 0; i < images.size() && n < enough; ++i)
            n += isWritten(i);
        return n;
    }

    // The --output option of quillmark-cli for these options (nothing for its default).
    QStringList cliArguments() const
    {
        switch (options.outputMode) {
        case OutputMode::Overwrite:
            return {QStringLiteral("--output"), QStringLiteral("overwrite")};
        case OutputMode::Folder:
            return {QStringLiteral("--output"), QStringLiteral("folder=") + options.outputFolder};
        case OutputMode::Prefix:
            return {QStringLiteral("--output"), QStringLiteral("prefix=") + options.prefix};
        case OutputMode::Suffix:
            break;
        }
        return options.suffix == u"_cleaned"
            ? QStringList()
            : QStringList {QStringLiteral("--output"), QStringLiteral("suffix=") + options.suffix};
    }
};

inline JobOptions outputOptions(OutputMode mode, const QString &folder = {})
{
    JobOptions o;
    o.outputMode = mode;
    o.outputFolder = folder;
    return o;
}

// Processes whose parent is `parent`, read from /proc.
inline QList<qint64> childrenOf(qint64 parent)
{
    QList<qint64> found;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toLongLong() == parent)
            found << pid.toLongLong();
    }
    return found;
}

inline bool isAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/") + QString::number(pid) + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return !line.mid(line.lastIndexOf(')') + 2).startsWith('Z');
}

// Waits (up to 15 s) until none of the processes is alive.
inline bool allGone(const QList<qint64> &pids)
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

// Starts quillmark-cli and returns once it runs `workers` child processes and `outputs`
// outputs exist (or it ended, or a minute passed); its children so far in *children.
inline void startCliUntil(QProcess &p, const QStringList &args, const QString &temp,
    const std::function<int()> &written, int outputs, int workers, QList<qint64> *children)
{
    p.setProcessEnvironment(cliEnvironment(temp));
    p.start(QString::fromUtf8(QUILLMARK_CLI), args);
    if (!p.waitForStarted())
        return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000 && p.state() == QProcess::Running) {
        for (qint64 c : childrenOf(p.processId())) {
            if (!children->contains(c))
                *children << c;
        }
        if (children->size() >= workers && written() >= outputs)
            return;
        QTest::qWait(1);
    }
}

// Starts quillmark-cli with no standard input in a temporary folder of the test's own.
inline QProcess *startCli(const QStringList &args, const QString &temp, QObject *parent)
{
    auto *p = new QProcess(parent);
    p->setProcessEnvironment(cliEnvironment(temp));
    p->start(QString::fromUtf8(QUILLMARK_CLI), args);
    p->closeWriteChannel();
    return p;
}

// The outcomes of a JSON report, by input path.
inline QHash<QString, QJsonObject> reportByInput(const QByteArray &json)
{
    QHash<QString, QJsonObject> byInput;
    const QJsonArray files = QJsonDocument::fromJson(json).object().value(QStringLiteral("files")).toArray();
    for (const QJsonValue &v : files)
        byInput.insert(v.toObject().value(QStringLiteral("input")).toString(), v.toObject());
    return byInput;
}

// Tag options from a short code, the letters of the ticked boxes: A all, E exif, G gps,
// T thumbnail, X xmp, I iptc, C icc, P photoshop, 0 ifd0, O geotiff, 4 app14, R other;
// keep: o orientation, c colour profile (none unless given).
inline TagOptions tagOptions(const QString &ticked, const QString &keep = {})
{
    TagOptions t;
    t.keepOrientation = keep.contains(u'o');
    t.keepColourProfile = keep.contains(u'c');
    t.all = ticked.contains(u'A');
    t.exif = ticked.contains(u'E');
    t.gps = ticked.contains(u'G');
    t.thumbnail = ticked.contains(u'T');
    t.xmp = ticked.contains(u'X');
    t.iptc = ticked.contains(u'I');
    t.icc = ticked.contains(u'C');
    t.photoshop = ticked.contains(u'P');
    t.ifd0 = ticked.contains(u'0');
    t.geoTiff = ticked.contains(u'O');
    t.adobeApp14 = ticked.contains(u'4');
    t.other = ticked.contains(u'R');
    return t;
}

// The compressed picture: a PNG's IDAT chunks in order; a JPEG's data from its first
// start-of-scan to its end-of-image marker, or with `trailer` to the end of the file
// (a trailer after the image is metadata).
inline QByteArray pictureData(const QString &path, bool trailer = false)
{
    const QByteArray d = readFile(path);
    const auto be = [&d](qsizetype at, int bytes) {
        quint32 v = 0;
        for (int i = 0; i < bytes && at + i < d.size(); ++i)
            v = (v << 8) | static_cast<uchar>(d.at(at + i));
        return qsizetype(v);
    };
    QByteArray out;
    if (d.startsWith("\x89PNG")) {
        for (qsizetype i = 8; i + 12 <= d.size(); i += 12 + be(i, 4))
            out += d.mid(i + 4, 4) == "IDAT" ? d.mid(i + 8, be(i, 4)) : QByteArray();
        return out;
    }
    for (qsizetype i = 2; i + 4 <= d.size() && static_cast<uchar>(d.at(i)) == 0xFF; i += 2 + be(i + 2, 2)) {
        if (static_cast<uchar>(d.at(i + 1)) == 0xDA)
            return trailer ? d.mid(i) : d.mid(i, d.indexOf("\xFF\xD9", i) + 2 - i);
    }
    return {};
}

} // namespace testutil
