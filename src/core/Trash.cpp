#include "core/Trash.h"

#include "core/NativePath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Qt puts a missing trash folder under the data home but does not create the data
// home itself; without it, moveToTrash still reports success and leaves the file in
// "files/" of the current folder. Missing levels are made private (0700), as the
// XDG base directory rules ask for.
void ensureDataHome()
{
    // The XDG rules say a relative XDG_DATA_HOME is invalid and must be ignored; Qt
    // would use it relative to the current folder and put the trash there.
    const QByteArray given = qgetenv("XDG_DATA_HOME");
    if (!given.isEmpty() && !given.startsWith('/'))
        qunsetenv("XDG_DATA_HOME");
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return;
    QStringList missing;
    QString folder = QDir::cleanPath(dataHome);
    while (!folder.isEmpty() && !QFileInfo::exists(folder)) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &level : std::as_const(missing)) {
        if (!QDir().mkdir(level, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return;
    }
}

// The user's own trash, for a name Qt would spell with other bytes (see NativePath.h).
// As the freedesktop trash rules ask: the info file is made first, exclusively, so two
// trashings never take one name; the entry's file keeps the original's bytes. A file on
// another file system than the trash is not copied: that fails.
bool moveToHomeTrash(const QString &path)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return false;
    const QString trash = dataHome + u"/Trash"_s;
    const QDir dir;
    if (!dir.mkpath(trash + u"/files"_s) || !dir.mkpath(trash + u"/info"_s))
        return false;
    QFile::setPermissions(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray source = encodePath(path);
    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    const QByteArray info = "[Trash Info]\nPath=" + source.toPercentEncoding("/")
        + "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toLatin1() + '\n';
    for (int n = 1; n < 1000; ++n) {
        const QByteArray entry = n == 1 ? name : name + '.' + QByteArray::number(n);
        const QByteArray infoPath = encodePath(trash) + "/info/" + entry + ".trashinfo";
        const int fd = ::open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        const bool written = ::write(fd, info.constData(), size_t(info.size())) == info.size();
        ::close(fd);
        const QByteArray target = encodePath(trash) + "/files/" + entry;
        struct stat st { };
        const bool taken = ::lstat(target.constData(), &st) == 0;
        if (written && !taken && ::rename(source.constData(), target.constData()) == 0)
            return true;
        ::unlink(infoPath.constData());
        if (!written || !taken)
            return false;
    }
    return false;
}

} // namespace

bool MoveToRecycleBin(const QString &path, QString *error)
{
    ensureDataHome();
    errno = 0;
    if (holdsStrayBytes(path)) {
        if (moveToHomeTrash(path))
            return true;
        if (error)
            *error = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                : QStringLiteral("the trash is on another file system");
        return false;
    }
    QFile file(path);
    if (!file.moveToTrash()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Where Qt finds no usable trash folder it still says yes and puts the file into
    // "files/" below the current folder. Such a file is put back where it was.
    const QString inTrash = file.fileName();
    static const QRegularExpression trashFiles(u"/(Trash|\\.Trash-\\d+|\\.Trash/\\d+)/files/[^/]+$"_s);
    if (trashFiles.match(inTrash).hasMatch())
        return true;
    const QString infoFile
        = QFileInfo(inTrash).absolutePath() + u"/../info/"_s + QFileInfo(inTrash).fileName() + u".trashinfo"_s;
    if (QFile::rename(inTrash, path)) {
        QFile::remove(infoFile);
        QDir().rmdir(QFileInfo(inTrash).absolutePath());
        QDir().rmdir(QFileInfo(infoFile).absolutePath());
    }
    if (error)
        *error = QStringLiteral("no usable trash folder was found");
    return false;
}
