#include "core/RunCheck.h"

#include "core/NativePath.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QRandomGenerator>
#include <QSet>
#include <QStorageInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Outputs rarely grow, but the staging copy and the file system's blocks want a little room.
constexpr qint64 fixedMarginBytes = 16 * 1024 * 1024;
constexpr int marginPercent = 5;
// Up to this many images, the size of each is looked up for the free space estimate.
constexpr qsizetype exactSizes = 10000;
// How many names a message lists before "…".
constexpr int namesShown = 3;

QString absolutePath(const QString &path, const QString &programFolder)
{
    return QDir::isAbsolutePath(path) ? path : QDir::cleanPath(programFolder + u'/' + path);
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? u"/"_s : path.left(slash);
}

bool statPath(const QString &path, struct stat *st)
{
    return ::stat(encodePath(path).constData(), st) == 0;
}

std::optional<qint64> systemFreeSpace(const QString &folder)
{
    struct statvfs vfs { };
    if (::statvfs(encodePath(folder).constData(), &vfs) != 0)
        return std::nullopt;
    return qint64(vfs.f_bavail) * qint64(vfs.f_frsize);
}

QString listed(const QStringList &names)
{
    QStringList shown = names.mid(0, namesShown);
    for (QString &name : shown)
        name = printablePath(name);
    return shown.join(u", "_s) + (names.size() > namesShown ? u", …"_s : QString());
}

// Where the outputs of one folder go: the folder itself when it exists, otherwise the
// nearest existing folder above it, which must then take the new folder. Empty with
// *blocker set when a file stands where a folder is needed.
QString existingFolderFor(const QString &folder, QString *blocker)
{
    QString at = QDir::cleanPath(folder);
    for (;;) {
        struct stat st { };
        if (statPath(at, &st)) {
            if (S_ISDIR(st.st_mode))
                return at;
            *blocker = at;
            return {};
        }
        if (at == u"/")
            return at;
        at = folderOf(at);
    }
}

} // namespace

bool RunCheck::folderWritable(const QString &folder)
{
    const QByteArray bytes = encodePath(folder);
    if (::access(bytes.constData(), W_OK | X_OK) != 0)
        return false;
    // A hidden name of our own that nothing else uses; O_EXCL never touches an existing file.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const QByteArray probe = bytes + "/.quillmark-check-" + QByteArray::number(::getpid()) + '-'
            + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.constData());
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

QString RunCheck::problem(
    const JobOptions &options, const QStringList &images, const QString &programFolder, const FreeSpace &freeSpace)
{
    const FreeSpace free = freeSpace ? freeSpace : FreeSpace(systemFreeSpace);

    if (options.outputMode == OutputMode::Overwrite) {
        // ExifTool writes the new file beside the original and renames it over it.
        QStringList refused;
        QHash<QString, bool> folderOk;
        for (const QString &image : images) {
            const QString path = absolutePath(image, programFolder);
            const QString folder = folderOf(path);
            auto it = folderOk.constFind(folder);
            if (it == folderOk.constEnd())
                it = folderOk.insert(folder, folderWritable(folder));
            // An image gone meanwhile is the run's to report, not a reason to refuse it.
            if (!*it || (::access(encodePath(path).constData(), W_OK) != 0 && errno != ENOENT))
                refused << path;
        }
        if (refused.isEmpty())
            return {};
        return (refused.size() == 1 ? tr("1 original cannot be overwritten: %1")
                                    : tr("%n originals cannot be overwritten: %1", nullptr, int(refused.size())))
            .arg(listed(refused));
    }

    // The folders the outputs go to (for a folder missing, the one that will hold it), and
    // the bytes each volume must take.
    QStringList order;
    QHash<QString, qint64> bytesByFolder;
    if (options.outputMode == OutputMode::Folder) {
        const QString folder = folderOf(outputPathFor(u"/x.x"_s, options, programFolder));
        order << folder;
        bytesByFolder.insert(folder, 0);
    }
    // A prefix or suffix never holds '/', so those outputs go beside their images. Lists
    // come folder by folder, so the last folder saves most lookups.
    const bool oneFolder = options.outputMode == OutputMode::Folder;
    QString lastFolder;
    qint64 *lastBytes = nullptr;
    const qsizetype step = images.size() <= exactSizes ? 1 : images.size() / exactSizes + 1;
    qsizetype index = 0;
    for (const QString &image : images) {
        const QString path = absolutePath(image, programFolder);
        if (!oneFolder || !lastBytes) {
            const QString folder = oneFolder ? order.constFirst() : folderOf(path);
            if (!lastBytes || folder != lastFolder) {
                auto it = bytesByFolder.find(folder);
                if (it == bytesByFolder.end()) {
                    order << folder;
                    it = bytesByFolder.insert(folder, 0);
                }
                lastFolder = folder;
                lastBytes = &*it;
            }
        }
        // Beyond exactSizes images, every step-th one is weighed for the rest around it:
        // a long list then takes a moment, not seconds of file look-ups.
        struct stat st { };
        if (index++ % step == 0 && statPath(path, &st) && S_ISREG(st.st_mode))
            *lastBytes += st.st_size * step;
    }

    QStringList unwritable;
    QString wantedFolder; // the output folder the first unwritable one was to hold
    struct Volume {
        QString folder; // the first output folder on it, to name it
        qint64 needed = 0;
    };
    QHash<quint64, Volume> volumes;
    QList<quint64> volumeOrder;
    for (const QString &folder : std::as_const(order)) {
        QString blocker;
        const QString existing = existingFolderFor(folder, &blocker);
        if (existing.isEmpty())
            return tr("The folder %1 cannot be made: %2 is a file, not a folder.")
                .arg(printablePath(folder), printablePath(blocker));
        if (!folderWritable(existing)) {
            if (unwritable.isEmpty())
                wantedFolder = folder;
            unwritable << existing;
            continue;
        }
        struct stat st { };
        if (!statPath(existing, &st))
            continue;
        const quint64 device = quint64(st.st_dev);
        if (!volumes.contains(device)) {
            volumes.insert(device, Volume {existing, 0});
            volumeOrder << device;
        }
        volumes[device].needed += bytesByFolder.value(folder);
    }
    unwritable.removeDuplicates();
    if (unwritable.size() == 1 && QDir::cleanPath(wantedFolder) != unwritable.constFirst())
        return tr("The folder %1 cannot be made: %2 cannot be written to.")
            .arg(printablePath(wantedFolder), printablePath(unwritable.constFirst()));
    if (unwritable.size() == 1)
        return tr("The folder %1 cannot be written to.").arg(printablePath(unwritable.constFirst()));
    if (!unwritable.isEmpty())
        return tr("%n folders cannot be written to: %1", nullptr, int(unwritable.size())).arg(listed(unwritable));

    const QLocale locale;
    for (const quint64 device : std::as_const(volumeOrder)) {
        const Volume &volume = volumes[device];
        if (volume.needed == 0)
            continue;
        const qint64 needed = volume.needed + volume.needed * marginPercent / 100 + fixedMarginBytes;
        const std::optional<qint64> available = free(volume.folder);
        if (!available || *available >= needed)
            continue;
        QString where = QStorageInfo(volume.folder).rootPath();
        if (where.isEmpty())
            where = volume.folder;
        return tr("Not enough free space in %1: about %2 needed, %3 free.")
            .arg(printablePath(where), locale.formattedDataSize(needed, 1, QLocale::DataSizeSIFormat),
                locale.formattedDataSize(*available, 1, QLocale::DataSizeSIFormat));
    }
    return {};
}

int RunCheck::earlierOutputCount(const QStringList &images, const JobOptions &options, const QString &programFolder)
{
    if (options.outputMode == OutputMode::Overwrite || images.size() < 2)
        return 0;
    // Only a name the options could have made can be an earlier output; most lists hold
    // none, and then no output name needs to be made at all.
    const QString outFolder = options.outputMode == OutputMode::Folder
        ? folderOf(outputPathFor(u"/x.x"_s, options, programFolder)) + u'/'
        : QString();
    QSet<QString> candidates;
    for (const QString &image : images) {
        const QString path = absolutePath(image, programFolder);
        const qsizetype slash = path.lastIndexOf(u'/');
        const QStringView name = QStringView(path).mid(slash + 1);
        const qsizetype dot = name.lastIndexOf(u'.');
        bool made = false;
        switch (options.outputMode) {
        case OutputMode::Folder:
            made = slash + 1 == outFolder.size() && path.startsWith(outFolder);
            break;
        case OutputMode::Prefix:
            made = name.startsWith(options.prefix);
            break;
        case OutputMode::Suffix:
            made = (dot >= 0 ? name.left(dot) : name).endsWith(options.suffix);
            break;
        case OutputMode::Overwrite:
            break;
        }
        if (made)
            candidates.insert(path);
    }
    if (candidates.isEmpty())
        return 0;
    QSet<QString> made;
    for (const QString &image : images) {
        const QString path = absolutePath(image, programFolder);
        const QString out = outputPathFor(path, options, programFolder);
        if (out != path && candidates.contains(out))
            made.insert(out);
    }
    int count = 0;
    for (const QString &image : images)
        count += made.contains(absolutePath(image, programFolder)) ? 1 : 0;
    return count;
}
