#pragma once

#include "core/FileOutcome.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class PathList;

namespace ImageFiles {

// "jpg,jpe,jpeg,...,X3F": the literal extension list of supported images.
QString supportedExtensionList();
// "mov,qt,mp4,...": the extensions of the videos that are cleaned (by remuxing).
QString videoExtensionList();
// The video types cleaned, by extension: MOV, MP4, M4V, 3GP, 3G2, LRV, 360.
bool isVideoFile(const QString &path);
// The two filters of the add-images dialog, in Qt's name-filter form. File names on
// Linux are case-sensitive, so each extension appears in lower and in upper case.
QStringList dialogNameFilters();
// The text after the last dot of the file name (a folder's name never counts); empty
// for a name without a dot, or whose only dot leads it (".jpg" is a hidden file).
QString fileExtension(const QString &path);
// The whole extension is one of the listed ones (images' or videos'), in any case: "a.JPG" and "a.jpeg" are,
// "fix.diff", "draw", ".jpg" and "photo.JPG.txt" are not.
bool hasSupportedExtension(const QString &path);

// Why a file is not cleaned although it was found or named.
enum class LeftOutKind {
    Video, // a video type that is not cleaned (AVI, MKV, ...)
    UnwritableRaw, // a raw type ExifTool 12.57 reads but cannot write
    UnwritableImage, // an image type ExifTool reads but cannot write (BigTIFF, BMP, ...)
    PathTooLong, // the path is PATH_MAX bytes or longer: no system call takes it
    NotAnImage, // named by the person, but not a supported image
};
// The kind of a file of a known media type that is not cleaned, by its extension;
// nullopt for a supported image and for anything else (text, no extension).
std::optional<LeftOutKind> mediaLeftOut(const QString &path);
// The reason a report gives: "Left out: this video type is not cleaned".
QString leftOutReason(LeftOutKind kind);
// The outcome of a file left out: Skipped with the reason, Failed for a path too long.
FileOutcome leftOutOutcome(const QString &path, LeftOutKind kind);
// What an outcome's input was left out for, judged from the path alone (the length,
// then the extension); NotAnImage when neither says more.
LeftOutKind leftOutKindOf(const QString &path);
// The path's bytes are too many for the system (PATH_MAX, counting the final NUL).
bool isPathTooLong(const QString &path);
// A regular file (any permissions, hidden or not; symlinks to files count) with a
// supported extension. Folders, FIFOs, devices and sockets never count.
bool isSupportedImageFile(const QString &path);

// Appends the plain files of sFol's tree to OutputList, depth-first: a folder's plain
// files (not hidden ones) in name order, then each subfolder's tree.
// Names within a folder are ordered by PathList::sortCollator(), ties by code
// unit, so a walk gives the same list whatever order the file system returns.
// Hidden means a name starting with '.'; hidden subfolders are neither listed nor
// walked (sFol itself is walked even when hidden). "Plain files" are regular files
// and symlinks to them. Never reports; unreadable folders contribute nothing. A
// name that is not valid UTF-8 keeps its bytes (see NativePath.h). A folder reached
// twice (a symlink loop, or two links to one folder) is walked once. keepAlive, when
// set, is called before each folder and after every 49 directory entries, so a caller
// can keep a window responsive; when it returns false the walk ends at once, keeping
// what it found so far, and the function returns false.
// A file or folder whose path would be PATH_MAX bytes or longer cannot be opened or
// cleaned; it is not listed but appended to tooLong, when given (a folder's contents
// are then unknown).
struct TooLongPath {
    QString path;
    bool folder = false;
};
bool RecursiveGetFolderContent(const QString &sFol, PathList &OutputList, const std::function<bool()> &keepAlive = {},
    QList<TooLongPath> *tooLong = nullptr);

// What "Add from Folder" and a folder given to quillmark-cli find: the supported
// images of the folder and all its sub-folders in walk order, and the files left out
// (videos, raw and image types ExifTool cannot write, paths too long), as outcomes with
// their reasons. Other files (text, no extension) are not images and are in neither
// list. keepGoing works as RecursiveGetFolderContent's keepAlive; stopped then says the
// lists are incomplete.
struct FolderImages {
    QStringList images;
    QList<FileOutcome> leftOut;
    bool stopped = false;
};
FolderImages imagesInFolder(const QString &folder, const std::function<bool()> &keepGoing = {});

// The duplicate test: a key set of the listed paths. Linux file names are
// case-sensitive, so a.jpg and A.jpg are two images and both are listed.
// It is a snapshot: entries added to the list later are not in it.
class DuplicateSet final {
public:
    explicit DuplicateSet(const PathList &list);
    bool contains(const QString &path) const;

private:
    QSet<QString> m_keys;
};

} // namespace ImageFiles
