#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <ctime>
#include <future>
#include <sys/types.h>

// How a run's outputs reach their place without ever leaving a half-made file where a
// person looks.
//
// ExifTool writes every output into a staging folder the run made beside the output
// ("<folder>/.qmk-stage-<run>-<batch>", private to the user). There the run completes it
// (the kept orientation goes in, dates and permissions are set), syncs it, and moves it
// into place in one rename that neither follows nor replaces what another process put
// there meanwhile. At every instant an original is either untouched or replaced whole,
// and an output either absent or complete.
//
// A run holds a lock on each of its staging folders for as long as it lives; the kernel
// drops the lock when the process ends however it ends, so a later run can tell a folder
// left by a killed run from one in use, and removes only the former.

// What identifies a file and what a replacement must keep of it.
struct FileIdentity {
    bool valid = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified = {};
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0;

    // Of the file at the path, links followed; invalid when there is none.
    static FileIdentity of(const QString &path);
    // Of the entry itself (a symbolic link is not followed).
    static FileIdentity ofEntry(const QString &path);

    bool sameFile(const FileIdentity &other) const
    {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
    // The same file with the same content as far as size and modification time tell.
    bool unchangedSince(const FileIdentity &before) const;
    // "device:inode", or "" when invalid.
    QString key() const;
};

// The staging folders of one run.
class StagingArea {
public:
    explicit StagingArea(const QString &runToken);
    ~StagingArea();
    StagingArea(const StagingArea &) = delete;
    StagingArea &operator=(const StagingArea &) = delete;

    // The staging folder of batch `batch` in `folder` (made with its missing parents
    // where the folder itself is missing, as an output folder may be), created and
    // locked on first use. "" with *error when it cannot be made.
    QString folderFor(const QString &folder, int batch, QString *error);
    // Starts flushing what the batch's staging folders hold to disk (one sync per file
    // system) on a thread of its own; waitForSync() waits until that is done.
    void startSync(int batch);
    void waitForSync(int batch);
    // Removes the batch's staging folders with whatever is left in them.
    void release(int batch);

    static QString prefix() { return QStringLiteral(".qmk-stage-"); }

private:
    struct Folder {
        QString path;
        int fd = -1;
        int batch = 0;
    };
    QString m_token;
    QHash<QString, Folder> m_folders; // by "batch/folder"
    QHash<int, std::shared_future<void>> m_syncs; // by batch
};

// Removes from `folder` the staging folders of runs that are gone, with their content.
// A folder of a live run (of this user or another) is never touched.
void removeAbandonedStaging(const QString &folder);

enum class Placement {
    Placed,
    Exists, // something appeared at the output (a file, a link, another run's output)
    Changed, // the original changed since it was read: another program or run has it
    Failed,
};

// Moves a complete staged file to `output`, which must not exist; with mayReplace an
// existing file there (never a folder) is replaced in the same step. The name itself is
// replaced, never followed: a symbolic link there is not written through.
Placement placeNew(const QString &staged, const QString &output, bool mayReplace, QString *error);

// Replaces `original` by the staged file in one step, provided it is still the file
// `before` describes.
Placement placeOver(const QString &staged, const QString &original, const FileIdentity &before, QString *error);

// Gives the staged file the owner, group, permission bits (set-user-ID and set-group-ID
// included) and access control list of the original, and its security label. The
// original's other extended attributes (a download's origin URL, tags) are metadata
// and are not carried over. False when the exact permissions cannot be had.
bool takeOverIdentity(const QString &staged, const QString &original, const FileIdentity &before, QString *error);
