#pragma once

// Helpers shared by the tests: sample images, ExifTool lookups and file hashes.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QTest>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testutil {

inline QString samplesDir()
{
    return QString::fromUtf8(QUILLMARK_SAMPLES);
}

inline QString sample(const QString &name)
{
    return samplesDir() + u'/' + name;
}

inline QString testData(const QString &name)
{
    return QString::fromUtf8(QUILLMARK_TESTDATA) + u'/' + name;
}

inline QString exiftool()
{
    return QStandardPaths::findExecutable(QStringLiteral("exiftool"));
}

// Copies a sample image to dest (a full path); false when the sample is missing.
inline bool copySample(const QString &name, const QString &dest)
{
    QFile::remove(dest);
    if (!QFile::copy(sample(name), dest))
        return false;
    QFile(dest).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

// A folder (made when missing) holding copies of the named samples; returns it.
inline QString folderWithSamples(const QString &folder, const QStringList &samples)
{
    QDir().mkpath(folder);
    for (const QString &s : samples)
        copySample(s, folder + u'/' + s);
    return folder;
}

// A data table of one bool column: a row for false, then one for true.
inline void boolRows(const char *column, const char *whenFalse, const char *whenTrue)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What ExifTool 12.57 printed for the samples (tests/data/exiftool, made by
// tools/record-exiftool-output.sh); empty, with a warning, when missing.
inline QByteArray recording(const QString &name)
{
    const QByteArray data = readFile(testData(QStringLiteral("exiftool/") + name));
    if (data.isEmpty())
        qWarning("missing recording %s", qPrintable(name));
    return data;
}

// A JPEG is whole when it ends with its end-of-image marker.
inline bool jpegIsWhole(const QString &path)
{
    const QByteArray data = readFile(path);
    return data.size() > 4 && data.endsWith("\xFF\xD9");
}

inline QByteArray sha256(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result().toHex();
}

// Runs ExifTool (never through a shell) and returns its standard output.
inline QString runExifTool(const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.start(exiftool(), QStringList {QStringLiteral("-config"), QString()} + args);
    p.waitForFinished(120000);
    if (exitCode)
        *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The family-1 groups ExifTool lists for a file (File, ExifTool and Composite left out).
inline QStringList metadataGroups(const QString &path)
{
    const QString out = runExifTool({QStringLiteral("-a"), QStringLiteral("-G1"), QStringLiteral("-s"),
        QStringLiteral("-q"), QStringLiteral("-m"), path});
    QStringList groups;
    for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'['))
            continue;
        const QString g = line.mid(1, line.indexOf(u']') - 1);
        if (g == u"ExifTool" || g == u"System" || g == u"File" || g == u"Composite")
            continue;
        if (!groups.contains(g))
            groups << g;
    }
    groups.sort();
    return groups;
}

// What a run of quillmark-cli printed and how it ended.
struct CliRun {
    int exitCode = -1; // -1: it crashed or was killed
    QString out;
    QByteArray rawOut; // standard output as bytes (a JSON report)
    QString err;
};

// The environment quillmark-cli runs in for a test: its own temporary folder and a
// fixed locale, so texts and work files are the test's own.
inline QProcessEnvironment cliEnvironment(const QString &temp)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temp);
    env.insert(QStringLiteral("TEMP"), temp);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

// Runs quillmark-cli (never through a shell) with no standard input.
inline CliRun runCli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
    const QString &program = QString::fromUtf8(QUILLMARK_CLI))
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.closeWriteChannel();
    if (!p.waitForFinished(180000))
        p.kill();
    CliRun run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.rawOut = p.readAllStandardOutput();
    run.out = QString::fromUtf8(run.rawOut);
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

// Runs quillmark-cli with arguments given as bytes, which QProcess would pass as UTF-8
// (a file name that is not UTF-8 would change): bash hands them over from a file.
inline CliRun runCliWithBytes(
    const QList<QByteArray> &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QTemporaryFile list;
    if (!list.open())
        return {};
    for (const QByteArray &a : args)
        list.write(a + '\0');
    list.flush();
    return runCli({QStringLiteral("-c"), QStringLiteral("mapfile -d '' -t a < \"$1\"; exec \"$0\" \"${a[@]}\""),
                      QString::fromUtf8(QUILLMARK_CLI), list.fileName()},
        env, QStringLiteral("/bin/bash"));
}

// ExifTool's listing of files given by their bytes (through an argument file).
inline QByteArray exifToolOnBytes(const QStringList &options, const QList<QByteArray> &files)
{
    QTemporaryFile list;
    if (!list.open())
        return {};
    for (const QString &o : options)
        list.write(o.toUtf8() + '\n');
    for (const QByteArray &f : files)
        list.write(f + '\n');
    list.flush();
    QProcess p;
    p.start(exiftool(), {QStringLiteral("-config"), QString(), QStringLiteral("-@"), list.fileName()});
    p.waitForFinished(120000);
    return p.readAllStandardOutput();
}

// The outputs ExifTool has written into a run's staging folders in `folder` and that
// are not in place yet: what "stop after N outputs exist" counts besides placed ones.
inline int stagedOutputs(const QString &folder)
{
    int n = 0;
    for (const QString &stage : QDir(folder).entryList({QStringLiteral(".qmk-stage-*")}, QDir::Dirs | QDir::Hidden)) {
        QDirIterator it(folder + u'/' + stage, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++n;
        }
    }
    return n;
}

// Removes a folder tree by its bytes: QDir cannot remove a name that is not UTF-8.
inline void removeTree(const QString &folder)
{
    ::nftw(
        QFile::encodeName(folder).constData(),
        [](const char *path, const struct stat *, int, struct FTW *) {
            ::remove(path);
            return 0;
        },
        16, FTW_DEPTH | FTW_PHYS);
}

// Writes bytes to a file, made executable for its owner when asked; false on failure.
inline bool writeFile(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return false;
    f.close();
    return !executable || f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// An executable Perl tool at `path`, its output unbuffered; returns the path, empty on failure.
inline QString perlTool(const QString &path, const QByteArray &body)
{
    return writeFile(path, "#!/usr/bin/perl\nuse strict; use warnings;\n$| = 1;\n" + body, true) ? path : QString();
}

// A copy of quillmark-cli in the folder `bin` (made when missing); with `ini`, a portable
// one (a PORTABLE marker) with `ini` as its settings.ini. Returns the copy's path.
inline QString copyCli(const QString &bin, const QByteArray &ini = {})
{
    const QString program = bin + QStringLiteral("/quillmark-cli");
    QDir().mkpath(bin);
    QFile::copy(QString::fromUtf8(QUILLMARK_CLI), program);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    if (!ini.isNull()) {
        writeFile(bin + QStringLiteral("/PORTABLE"), {});
        writeFile(bin + QStringLiteral("/settings.ini"), ini);
    }
    return program;
}

// Sets (or, for a null value, removes) an environment variable until the end of the scope.
class EnvOverride final {
public:
    EnvOverride(const char *name, const QString &value)
        : m_name(name)
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value.toLocal8Bit());
    }
    ~EnvOverride() { m_hadValue ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    Q_DISABLE_COPY_MOVE(EnvOverride)

private:
    const char *m_name; // first, so the two below can read it
    bool m_hadValue = qEnvironmentVariableIsSet(m_name);
    QByteArray m_old = qgetenv(m_name);
};

// Makes a folder or file that this process cannot write to while it lives: its mode is
// cleared of write bits, and for root, whom the bits do not stop, it is made immutable
// (chattr +i). ok() is false where neither works (then skip).
class Unwritable {
public:
    explicit Unwritable(const QString &path)
        : m_path(path)
    {
        const QByteArray bytes = QFile::encodeName(path);
        ::chmod(bytes.constData(), QFileInfo(path).isDir() ? 0555 : 0444);
        if (::geteuid() == 0)
            m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
        m_ok = ::access(bytes.constData(), W_OK) != 0;
    }
    ~Unwritable()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        ::chmod(QFile::encodeName(m_path).constData(), QFileInfo(m_path).isDir() ? 0755 : 0644);
    }
    bool ok() const { return m_ok; }
    Q_DISABLE_COPY_MOVE(Unwritable)

private:
    QString m_path;
    bool m_immutable = false;
    bool m_ok = false;
};

} // namespace testutil

#define QUILLMARK_REQUIRE_EXIFTOOL()                                                                                   \
    do {                                                                                                               \
        if (testutil::exiftool().isEmpty())                                                                            \
            QFAIL("ExifTool is not installed (Debian package libimage-exiftool-perl)");                                \
        if (!QFile::exists(testutil::sample(QStringLiteral("png_exif_gps_xmp.png"))))                                  \
            QFAIL("the sample images in tests/data/images are missing");                                               \
    } while (false)
