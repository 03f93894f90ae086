#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class clsListEmu;

namespace ImageFiles {

// "jpg,jpe,jpeg,...,X3F": the literal extension list of supported images.
QString supportedExtensionList();
// The two filters of the add-images dialog, in Qt's name-filter form. File names on
// Linux are case-sensitive, so each extension appears in lower and in upper case.
QStringList dialogNameFilters();
// The last three characters of the upper-cased path match one of the listed
// extensions' last three characters (no dot required).
bool hasSupportedExtension(const QString &path);
// A regular file (any permissions, hidden or not; symlinks to files count) with a
// supported extension. Folders, FIFOs, devices and sockets never count.
bool isSupportedImageFile(const QString &path);

// Appends what lies in sFol to OutputList, depth-first: a folder's plain files
// (not hidden ones) in name order, then each subfolder (and its tree when bRecurse).
// Names within a folder are ordered by clsListEmu::sortCollator(), ties by code
// unit, so a walk gives the same list whatever order the file system returns.
// Hidden means a name starting with '.'; hidden subfolders are neither listed nor
// walked (sFol itself is walked even when hidden). "Plain files" are regular files
// and symlinks to them. Never reports; unreadable folders contribute nothing. A
// name that is not valid UTF-8 keeps its bytes (see NativePath.h). A folder reached
// twice (a symlink loop, or two links to one folder) is walked once. keepAlive, when
// set, is called after every 49 directory entries so a caller can keep a window
// responsive.
void RecursiveGetFolderContent(const QString &sFol, clsListEmu &OutputList, bool bFiles,
                               bool bFolders, bool bRecurse = false,
                               const std::function<void()> &keepAlive = {});

// The duplicate test: a key set of the listed paths. Linux file names are
// case-sensitive, so a.jpg and A.jpg are two images and both are listed.
// It is a snapshot: entries added to the list later are not in it.
class DuplicateSet final
{
public:
    explicit DuplicateSet(const clsListEmu &list);
    bool contains(const QString &path) const;

private:
    QSet<QString> m_keys;
};

} // namespace ImageFiles
