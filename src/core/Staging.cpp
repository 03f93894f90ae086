#include "core/Staging.h"

#include "core/JobFiles.h"
#include "core/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

FileIdentity identityFrom(const struct stat &st)
{
    FileIdentity id;
    id.valid = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modified = st.st_mtim;
    id.mode = st.st_mode;
    id.owner = st.st_uid;
    id.group = st.st_gid;
    id.links = st.st_nlink;
    return id;
}

// Removes every entry of the open folder (files, and folders one level down), then the
// folder itself by its path.
void removeFolderContent(int fd)
{
    const int walk = ::dup(fd);
    if (walk < 0)
        return;
    DIR *dir = ::fdopendir(walk);
    if (!dir) {
        ::close(walk);
        return;
    }
    ::rewinddir(dir);
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names << QByteArray(entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray &name : std::as_const(names)) {
        if (::unlinkat(fd, name.constData(), 0) == 0 || errno != EISDIR)
            continue;
        const int sub = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub >= 0) {
            removeFolderContent(sub);
            ::close(sub);
        }
        ::unlinkat(fd, name.constData(), AT_REMOVEDIR);
    }
}

// Opens a folder entry of this user without following a link, and takes its lock.
// -1 when it is not such a folder or another live process holds the lock.
int openAndLock(const QByteArray &path, int lockMode)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || ::flock(fd, lockMode) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The folder at the path is still the one the descriptor holds (it was not removed or
// replaced between opening and locking).
bool stillNamed(int fd, const QByteArray &path)
{
    struct stat held { };
    struct stat named { };
    return ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino && held.st_nlink > 0;
}

} // namespace

FileIdentity FileIdentity::of(const QString &path)
{
    struct stat st { };
    if (::stat(encodePath(path).constData(), &st) != 0)
        return {};
    return identityFrom(st);
}

FileIdentity FileIdentity::ofEntry(const QString &path)
{
    struct stat st { };
    if (::lstat(encodePath(path).constData(), &st) != 0)
        return {};
    return identityFrom(st);
}

bool FileIdentity::unchangedSince(const FileIdentity &before) const
{
    return sameFile(before) && size == before.size && modified.tv_sec == before.modified.tv_sec
        && modified.tv_nsec == before.modified.tv_nsec;
}

QString FileIdentity::key() const
{
    if (!valid)
        return {};
    return QString::number(device) + u':' + QString::number(inode);
}

StagingArea::StagingArea(const QString &runToken)
    : m_token(runToken)
{
}

StagingArea::~StagingArea()
{
    QList<int> batches;
    for (const Folder &f : std::as_const(m_folders))
        if (!batches.contains(f.batch))
            batches << f.batch;
    for (int b : std::as_const(batches))
        release(b);
}

QString StagingArea::folderFor(const QString &folder, int batch, QString *error)
{
    const QString key = QString::number(batch) + u'/' + folder;
    if (const auto it = m_folders.constFind(key); it != m_folders.constEnd())
        return it->path;
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    const QByteArray parent = encodePath(base);
    struct stat st { };
    if (::stat(parent.constData(), &st) != 0 && errno == ENOENT && !QDir().mkpath(folder)) {
        *error = QCoreApplication::translate("CleanJob", "Cannot create the folder %1").arg(folder);
        return {};
    }
    const QString path = base + prefix() + m_token + u'-' + QString::number(batch);
    const QByteArray name = encodePath(path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
            *error
                = QCoreApplication::translate("CleanJob", "Cannot write in %1: %2").arg(folder, systemErrorText(errno));
            return {};
        }
        // Another run clearing abandoned folders may take an unlocked one away between
        // its creation and the lock: then it is made again.
        const int fd = openAndLock(name, LOCK_EX | LOCK_NB);
        if (fd < 0)
            continue;
        if (!stillNamed(fd, name)) {
            ::close(fd);
            continue;
        }
        m_folders.insert(key, Folder {path, fd, batch});
        return path;
    }
    *error = QCoreApplication::translate("CleanJob", "Cannot write in %1: %2").arg(folder, systemErrorText(EEXIST));
    return {};
}

void StagingArea::startSync(int batch)
{
    QList<int> fds;
    QList<dev_t> devices;
    for (const Folder &f : std::as_const(m_folders)) {
        struct stat st { };
        if (f.batch != batch || ::fstat(f.fd, &st) != 0 || devices.contains(st.st_dev))
            continue;
        devices << st.st_dev;
        fds << f.fd; // open until release(), which waits for the sync first
    }
    if (fds.isEmpty())
        return;
    m_syncs.insert(batch, std::async(std::launch::async, [fds] {
        for (int fd : fds)
            ::syncfs(fd);
    }).share());
}

void StagingArea::waitForSync(int batch)
{
    if (const auto it = m_syncs.constFind(batch); it != m_syncs.constEnd())
        it->wait();
}

void StagingArea::release(int batch)
{
    waitForSync(batch);
    m_syncs.remove(batch);
    for (auto it = m_folders.begin(); it != m_folders.end();) {
        if (it->batch != batch) {
            ++it;
            continue;
        }
        removeFolderContent(it->fd);
        // Only the folder this run made and still holds goes.
        const QByteArray name = encodePath(it->path);
        if (stillNamed(it->fd, name))
            ::rmdir(name.constData());
        ::close(it->fd);
        it = m_folders.erase(it);
    }
}

void removeAbandonedStaging(const QString &folder)
{
    const QByteArray base = encodePath(folder.endsWith(u'/') ? folder : folder + u'/');
    DIR *dir = ::opendir(base.constData());
    if (!dir)
        return;
    const QByteArray prefix = StagingArea::prefix().toLatin1();
    QList<QByteArray> found;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, prefix.constData(), size_t(prefix.size())) == 0)
            found << base + entry->d_name;
    }
    ::closedir(dir);
    for (const QByteArray &path : std::as_const(found)) {
        // A lock that can be had belongs to no live run.
        const int fd = openAndLock(path, LOCK_EX | LOCK_NB);
        if (fd < 0)
            continue;
        if (stillNamed(fd, path)) {
            removeFolderContent(fd);
            ::rmdir(path.constData());
        }
        ::close(fd);
    }
}

Placement placeNew(const QString &staged, const QString &output, bool mayReplace, QString *error)
{
    const QByteArray from = encodePath(staged);
    const QByteArray to = encodePath(output);
    int err = renameNoReplace(from, to);
    if (err == 0)
        return Placement::Placed;
    if (err == EEXIST && mayReplace) {
        struct stat st { };
        if (::lstat(to.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            *error = systemErrorText(EISDIR);
            return Placement::Failed;
        }
        if (::rename(from.constData(), to.constData()) == 0)
            return Placement::Placed;
        err = errno;
    }
    *error = systemErrorText(err);
    return err == EEXIST ? Placement::Exists : Placement::Failed;
}

Placement placeOver(const QString &staged, const QString &original, const FileIdentity &before, QString *error)
{
    if (!FileIdentity::ofEntry(original).unchangedSince(before)) {
        *error = QCoreApplication::translate("CleanJob", "the image changed while it was cleaned");
        return Placement::Changed;
    }
    if (::rename(encodePath(staged).constData(), encodePath(original).constData()) != 0) {
        *error = systemErrorText(errno);
        return Placement::Failed;
    }
    return Placement::Placed;
}

bool takeOverIdentity(const QString &staged, const QString &original, const FileIdentity &before, QString *error)
{
    const int fd = ::open(encodePath(staged).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        *error = systemErrorText(errno);
        return false;
    }
    const auto fail = [&](const QString &why) {
        ::close(fd);
        *error = why;
        return false;
    };
    struct stat st { };
    if (::fstat(fd, &st) != 0)
        return fail(systemErrorText(errno));
    // Owner and group first: a change of owner clears the set-ID bits.
    if ((st.st_uid != before.owner || st.st_gid != before.group) && ::fchown(fd, before.owner, before.group) != 0)
        return fail(QCoreApplication::translate("CleanJob", "cannot keep the file's owner and group (%1)")
                        .arg(systemErrorText(errno)));
    const QByteArray source = encodePath(original);
    for (const char *name : {"system.posix_acl_access", "security.selinux"}) {
        const ssize_t size = ::getxattr(source.constData(), name, nullptr, 0);
        if (size < 0) {
            // None: nor may the replacement have one (a folder's default list would
            // otherwise have given it one).
            if (std::strcmp(name, "system.posix_acl_access") == 0)
                ::fremovexattr(fd, name);
            continue;
        }
        QByteArray value(size, Qt::Uninitialized);
        const ssize_t got = ::getxattr(source.constData(), name, value.data(), size_t(value.size()));
        if (got < 0)
            continue;
        value.truncate(got);
        if (::fsetxattr(fd, name, value.constData(), size_t(value.size()), 0) != 0
            && std::strcmp(name, "system.posix_acl_access") == 0)
            return fail(QCoreApplication::translate("CleanJob", "cannot keep the file's access control list (%1)")
                            .arg(systemErrorText(errno)));
    }
    if (::fchmod(fd, before.mode & 07777) != 0)
        return fail(systemErrorText(errno));
    // The kernel silently drops a set-group-ID bit it will not grant: a replacement must
    // have exactly the permissions the original had.
    if (::fstat(fd, &st) != 0 || (st.st_mode & 07777) != (before.mode & 07777))
        return fail(QCoreApplication::translate("CleanJob", "cannot keep the file's permissions"));
    ::close(fd);
    return true;
}
