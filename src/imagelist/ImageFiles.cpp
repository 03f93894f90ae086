#include "imagelist/ImageFiles.h"

#include "fs/NativePath.h"
#include "imagelist/clsListEmu.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace ImageFiles {

namespace {

// The extensions once upper-cased, without repeats, in list order.
QStringList distinctExtensions()
{
    QStringList exts;
    const QStringList items = supportedExtensionList().toUpper().split(u',', Qt::SkipEmptyParts);
    for (const QString &e : items) {
        if (!exts.contains(e))
            exts.append(e);
    }
    return exts;
}

// What a path has to end with: each extension's last three characters.
const QStringList &extensionEndings()
{
    static const QStringList endings = [] {
        QStringList out;
        for (const QString &e : distinctExtensions()) {
            const QString ending = e.right(3);
            if (!out.contains(ending))
                out.append(ending);
        }
        return out;
    }();
    return endings;
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

struct FolderKey
{
    dev_t dev;
    ino_t ino;
    friend bool operator==(const FolderKey &a, const FolderKey &b)
    {
        return a.dev == b.dev && a.ino == b.ino;
    }
    friend size_t qHash(const FolderKey &k, size_t seed = 0)
    {
        return qHashMulti(seed, quint64(k.dev), quint64(k.ino));
    }
};

class DirHandle final
{
public:
    explicit DirHandle(const QByteArray &path) : m_dir(::opendir(path.constData())) { }
    ~DirHandle()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    DirHandle(const DirHandle &) = delete;
    DirHandle &operator=(const DirHandle &) = delete;
    DIR *get() const { return m_dir; }

private:
    DIR *m_dir;
};

class FolderWalk final
{
public:
    FolderWalk(clsListEmu &out, bool wantFiles, bool wantFolders,
               const std::function<void()> &keepAlive)
        : m_out(out), m_wantFiles(wantFiles), m_wantFolders(wantFolders), m_keepAlive(keepAlive)
    {
        m_collator = clsListEmu::sortCollator();
    }

    // Appends the folder's files and returns its subfolders' paths (when
    // collectFolders), both in name order. A folder already walked gives nothing.
    QStringList listFolder(const QString &folder, bool collectFolders)
    {
        const DirHandle dir(encodePath(folder));
        if (!dir.get())
            return {};
        const int fd = ::dirfd(dir.get());
        struct stat st;
        if (::fstat(fd, &st) != 0)
            return {};
        const FolderKey key{st.st_dev, st.st_ino};
        if (m_visited.contains(key))
            return {};
        m_visited.insert(key);

        QStringList files;
        QStringList folders;
        // A read error ends this folder's listing; what was read so far still counts.
        while (const dirent *ent = ::readdir(dir.get())) {
            tick();
            const char *name = ent->d_name;
            if (name[0] == '.') // hidden, and also "." and ".."
                continue;
            bool isFile = false;
            bool isFolder = false;
            switch (ent->d_type) {
            case DT_REG:
                isFile = true;
                break;
            case DT_DIR:
                isFolder = true;
                break;
            case DT_LNK:
            case DT_UNKNOWN:
                if ((m_wantFiles || collectFolders) && ::fstatat(fd, name, &st, 0) == 0) {
                    isFile = S_ISREG(st.st_mode);
                    isFolder = S_ISDIR(st.st_mode);
                }
                break;
            default:
                break;
            }
            if (!(isFile && m_wantFiles) && !(isFolder && collectFolders))
                continue;
            // A name that is not valid UTF-8 keeps its bytes (see NativePath.h).
            const QString decoded = decodePath(QByteArray(name));
            (isFile ? files : folders).append(decoded);
        }

        sortNames(files);
        for (const QString &f : std::as_const(files))
            m_out.AddItem(joinPath(folder, f));
        sortNames(folders);
        for (QString &f : folders)
            f = joinPath(folder, f);
        return folders;
    }

    void appendFolder(const QString &path)
    {
        if (m_wantFolders)
            m_out.AddItem(path);
    }

private:
    void tick()
    {
        if (m_keepAlive && ++m_entriesSeen % 49 == 0)
            m_keepAlive();
    }

    void sortNames(QStringList &names) const
    {
        std::sort(names.begin(), names.end(), [this](const QString &a, const QString &b) {
            const int c = m_collator.compare(a, b);
            return c != 0 ? c < 0 : a < b;
        });
    }

    clsListEmu &m_out;
    const bool m_wantFiles;
    const bool m_wantFolders;
    const std::function<void()> &m_keepAlive;
    QCollator m_collator;
    QSet<FolderKey> m_visited;
    quint64 m_entriesSeen = 0;
};

} // namespace

QString supportedExtensionList()
{
    // HDP and FFF appear twice, as the list has always been written. WEBP, AVIF and
    // GIF are listed too: ExifTool writes them and they are common formats for
    // shared pictures.
    return u"jpg,jpe,jpeg,jp2,tif,tiff,png,miff,hdp,ps,psd,dng,CR2,CRW,CIFF,CS1,ERF,FFF,HDP,"
           "WDP,MEF,MIE,MOS,MRW,NEF,ORF,ORI,PEF,RAF,RAW,DCP,NRW,RW2,RWL,ARW,IND,INDD,INDT,MPO,"
           "PSB,SR2,SRW,EPS,EPSF,JPX,THM,VRD,ARQ,CR3,EXIF,EXV,FFF,FLIF,HEIC,HEIF,HIF,IIQ,INSP,"
           "JXL,QTIF,QTI,QIF,X3F,WEBP,AVIF,GIF"_s;
}

QStringList dialogNameFilters()
{
    QStringList patterns;
    for (const QString &e : distinctExtensions()) {
        patterns << u"*."_s + e.toLower();
        patterns << u"*."_s + e;
    }
    return {QCoreApplication::translate("ImageFiles", "Supported image types") + u" ("_s
                + patterns.join(u' ') + u')',
            QCoreApplication::translate("ImageFiles", "All files") + u" (*)"_s};
}

bool hasSupportedExtension(const QString &path)
{
    // Upper-casing never shortens a character, so the last three characters of the
    // upper-cased path all come from the path's last three.
    const QString tail = path.right(3).toUpper();
    for (const QString &ending : extensionEndings()) {
        if (tail.endsWith(ending))
            return true;
    }
    return false;
}

bool isSupportedImageFile(const QString &path)
{
    if (path.isEmpty() || !hasSupportedExtension(path))
        return false;
    // isFile() follows symlinks and is true for regular files only: a FIFO named
    // like an image would block the tool that opens it.
    return isFilePath(path);
}

void RecursiveGetFolderContent(const QString &sFol, clsListEmu &OutputList, bool bFiles,
                               bool bFolders, bool bRecurse,
                               const std::function<void()> &keepAlive)
{
    FolderWalk walk(OutputList, bFiles, bFolders, keepAlive);
    const bool collectFolders = bFolders || bRecurse;

    // Folders still to visit, the next one last, so each subfolder's whole tree is
    // done before its next sibling; an explicit stack keeps deep trees off the
    // call stack.
    std::vector<QString> pending;
    const auto pushReversed = [&pending](const QStringList &folders) {
        for (auto it = folders.crbegin(); it != folders.crend(); ++it)
            pending.push_back(*it);
    };
    pushReversed(walk.listFolder(sFol, collectFolders));
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        walk.appendFolder(folder);
        if (bRecurse)
            pushReversed(walk.listFolder(folder, true));
    }
}

DuplicateSet::DuplicateSet(const clsListEmu &list)
{
    m_keys.reserve(list.ListCount());
    for (int i = 0; i < list.ListCount(); ++i)
        m_keys.insert(list.List(i));
}

bool DuplicateSet::contains(const QString &path) const
{
    return m_keys.contains(path);
}

} // namespace ImageFiles
