#include "core/SystemFolders.h"

#include "core/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QString withTrailingSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// A standard folder that is not there (a fresh account has no ~/Pictures) would
// make the add dialogs start nowhere, so the home folder stands in for it.
QString standardFolderOrHome(QStandardPaths::StandardLocation location)
{
    QString folder = QStandardPaths::writableLocation(location);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return withTrailingSlash(folder);
}

QString temporaryFolder()
{
    // TMPDIR is the Linux convention; TEMP is still honoured where only it is set.
    QString folder = qEnvironmentVariable("TMPDIR");
    if (folder.isEmpty())
        folder = qEnvironmentVariable("TEMP");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // The work files are named by appending "/name", so no slash may be left at the end.
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

SystemFolders GetSystemFolders()
{
    SystemFolders folders;
    folders.sMyPictures = standardFolderOrHome(QStandardPaths::PicturesLocation);
    folders.sMyDocuments = standardFolderOrHome(QStandardPaths::DocumentsLocation);
    folders.sTemp = temporaryFolder();
    return folders;
}

QString GetFolderFromPath(const QString &path)
{
    QString p = path;
    if (p.endsWith(u'/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf(u'/');
    if (slash < 0)
        return QString();
    return p.left(slash + 1);
}

bool FolderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat st { };
    return ::stat(encodePath(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    // lstat, not stat: a link whose target is gone still occupies the name.
    struct stat st;
    return ::lstat(encodePath(path).constData(), &st) == 0;
}

QString findProgram(const QString &name)
{
    const QFileInfo beside(programFolder() + u'/' + name);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(name);
}

QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    const QString exe = QFile::symLinkTarget(u"/proc/self/exe"_s);
    if (exe.isEmpty())
        return QDir::currentPath();
    return QFileInfo(exe).absolutePath();
}
