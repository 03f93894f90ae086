#include "core/JobFiles.h"

#include "core/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

bool SaveTextToFile(const QString &FileFullPath, const QString &sText, bool Overwrite, QString *error)
{
    const QByteArray path = encodePath(FileFullPath);
    int fd = -1;
    if (Overwrite) {
        // Created afresh with O_EXCL: whatever stood at the name before (a file of
        // another user, a planted symbolic link) is never written through.
        if (::unlink(path.constData()) != 0 && errno != ENOENT) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(FileFullPath, systemErrorText(errno));
            return false;
        }
        fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    } else {
        fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            struct stat st { };
            if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid() || !S_ISREG(st.st_mode)) {
                ::close(fd);
                if (error)
                    *error = QCoreApplication::translate("JobFiles", "%1: not a file of this user").arg(FileFullPath);
                return false;
            }
        }
    }
    if (fd < 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(FileFullPath, systemErrorText(errno));
        return false;
    }
    const bool written = writeAll(fd, encodePath(sText) + "\r\n");
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(FileFullPath, systemErrorText(written ? errno : writeErrno));
        return false;
    }
    return true;
}

QString GetFileName(const QString &path)
{
    QString p = path;
    if (p.endsWith(u'/'))
        p.chop(1);
    return p.mid(p.lastIndexOf(u'/') + 1);
}

QString GetUniqueFileName(const QString &folder, const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return name;
    const QString stem = name.left(dot);
    const QString extension = name.mid(dot + 1);
    QString candidate = stem;
    for (int k = 2;; ++k) {
        const QString full = folder + candidate + u'.' + extension;
        struct stat st { };
        if (::lstat(encodePath(full).constData(), &st) != 0)
            break;
        candidate = stem + u" ("_s + QString::number(k) + u')';
    }
    return candidate + u'.' + extension;
}

namespace {

bool copyTimes(const QByteArray &from, int toFd)
{
    struct stat st { };
    if (::stat(from.constData(), &st) != 0)
        return false;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    return ::futimens(toFd, times) == 0;
}

// Copies source into a new hidden file in targetFolder and returns its name, or "".
QString copyBeside(const QString &source, const QString &targetFolder)
{
    QByteArray name = encodePath(targetFolder + u"/.quillmark-XXXXXX"_s);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return {};
    QFile out;
    QFile in;
    bool ok
        = out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) && openPath(in, source, QIODevice::ReadOnly);
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        ok = !chunk.isEmpty() || in.atEnd();
        ok = ok && out.write(chunk) == chunk.size();
    }
    ok = ok && out.flush() && copyTimes(encodePath(source), fd);
    if (out.isOpen())
        out.close();
    else
        ::close(fd);
    if (!ok) {
        ::unlink(name.constData());
        return {};
    }
    return decodePath(name);
}

} // namespace

int renameNoReplace(const QByteArray &src, const QByteArray &dst)
{
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without RENAME_NOREPLACE: a hard link is made only where nothing is;
    // without hard links either, test and rename.
    if (::link(src.constData(), dst.constData()) == 0) {
        ::unlink(src.constData());
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    struct stat st { };
    if (::lstat(dst.constData(), &st) == 0)
        return EEXIST;
    return ::rename(src.constData(), dst.constData()) == 0 ? 0 : errno;
}

bool moveFileTo(const QString &source, const QString &target, QString *error)
{
    const auto fail = [error](int err) {
        if (error)
            *error = systemErrorText(err);
        return false;
    };
    const QByteArray src = encodePath(source);
    const QByteArray dst = encodePath(target);
    const int err = renameNoReplace(src, dst);
    if (err == 0)
        return true;
    if (err != EXDEV)
        return fail(err);
    const QString copy = copyBeside(source, QFileInfo(target).absolutePath());
    if (copy.isEmpty())
        return fail(errno != 0 ? errno : EIO);
    if (const int e = renameNoReplace(encodePath(copy), dst); e != 0) {
        removePath(copy);
        return fail(e);
    }
    if (!removePath(source)) {
        // The copy stands; the original could not go (a read-only folder): undo.
        removePath(target);
        return fail(errno != 0 ? errno : EACCES);
    }
    return true;
}
