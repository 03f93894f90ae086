#pragma once

// What the packaging tests share: reading the files under packaging/ and debian/, the build
// folder, and running a program to its end.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace packagingtest {

using namespace Qt::StringLiterals;

inline const QString appId = u"io.github.corvane.Quillmark"_s;
inline const QString packagingDir = QStringLiteral(QUILLMARK_SOURCE_DIR "/packaging");
inline const QString desktopFile = packagingDir + u'/' + appId + u".desktop"_s;
inline const QString metainfoFile = packagingDir + u'/' + appId + u".metainfo.xml"_s;

inline QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The build folder is the one that holds quillmark-cli's CMakeCache.txt.
inline QDir buildDir()
{
    QDir build = QFileInfo(QString::fromUtf8(QUILLMARK_CLI)).absoluteDir();
    while (!build.exists(u"CMakeCache.txt"_s) && build.cdUp()) { }
    return build;
}

struct Run {
    int exitCode = -1;
    QString output;
};

// Standard output and error together; exit code -1 when it crashed or took over a minute.
inline Run run(const QString &program, const QStringList &arguments, const QString &workingDir = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

} // namespace packagingtest
