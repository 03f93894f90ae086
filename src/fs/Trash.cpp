#include "fs/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

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

} // namespace

bool MoveToRecycleBin(const QString &path)
{
    ensureDataHome();
    return QFile::moveToTrash(path);
}
