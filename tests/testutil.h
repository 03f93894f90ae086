#pragma once

// Helpers shared by the tests: sample images, ExifTool lookups and file hashes.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

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
    QFile(dest).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                               | QFile::ReadOther);
    return true;
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
    p.start(exiftool(), QStringList{QStringLiteral("-config"), QString()} + args);
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

} // namespace testutil

#define QUILLMARK_REQUIRE_EXIFTOOL()                                                  \
    do {                                                                              \
        if (testutil::exiftool().isEmpty())                                           \
            QFAIL("ExifTool is not installed (Debian package libimage-exiftool-perl)"); \
        if (!QFile::exists(testutil::sample(QStringLiteral("png_exif_gps_xmp.png")))) \
            QSKIP("the shared sample images are not beside the checkout");           \
    } while (false)
