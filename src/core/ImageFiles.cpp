#include "core/ImageFiles.h"

#include "core/NativePath.h"
#include "core/PathList.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

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

QSet<QString> upperSet(const QString &list)
{
    QSet<QString> out;
    for (const QString &e : list.toUpper().split(u',', Qt::SkipEmptyParts))
        out.insert(e);
    return out;
}

const QSet<QString> &supportedVideoSet()
{
    static const QSet<QString> set = upperSet(videoExtensionList());
    return set;
}

// The extensions of images and videos once upper-cased, for the lookup.
const QSet<QString> &supportedSet()
{
    static const QSet<QString> set = [] {
        const QStringList exts = distinctExtensions();
        return QSet<QString>(exts.cbegin(), exts.cend()) + supportedVideoSet();
    }();
    return set;
}

// Known media types that are not cleaned, by kind. Decided from ExifTool 12.57's own
// lists (exiftool -listwf: what it writes; -listr: what it reads).
// Videos of these types are not cleaned: ExifTool writes none of them but Canon's CRM, a
// raw movie whose remux has not been tried (no sample). ".ts" is left out on purpose: most
// .ts files are source code and translation catalogues.
const QSet<QString> &videoSet()
{
    static const QSet<QString> set
        = upperSet(u"avi,mkv,mts,m2ts,m2t,mpg,mpeg,m2v,wmv,webm,flv,f4v,vob,ogv,divx,asf,mxf,dv,insv,mqv,rm,rmvb,r3d,"
                   "crm,wtv"_s);
    return set;
}

// Raw types ExifTool reads but cannot write.
const QSet<QString> &unwritableRawSet()
{
    static const QSet<QString> set = upperSet(u"3fr,dcr,k25,kdc,srf,rwz,lri,lfp"_s);
    return set;
}

// Other image types ExifTool reads but cannot write: BigTIFF and its like.
const QSet<QString> &unwritableImageSet()
{
    static const QSet<QString> set
        = upperSet(u"btf,bmp,dib,pcx,pcd,psp,pspimage,xcf,ico,cur,exr,hdr,dpx,fit,fits,bpg,jpc,j2c,pict,pct,pgf,djvu,"
                   "djv,wmf,dcm,fpf"_s);
    return set;
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

struct FolderKey {
    dev_t dev;
    ino_t ino;
    friend bool operator==(const FolderKey &a, const FolderKey &b) { return a.dev == b.dev && a.ino == b.ino; }
    friend size_t qHash(const FolderKey &k, size_t seed = 0)
    {
        return qHashMulti(seed, quint64(k.dev), quint64(k.ino));
    }
};

class DirHandle final {
public:
    explicit DirHandle(const QByteArray &path)
        : m_dir(::opendir(path.constData()))
    {
    }
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

class FolderWalk final {
public:
    FolderWalk(PathList &out, const std::function<bool()> &keepAlive, QList<TooLongPath> *tooLong)
        : m_out(out)
        , m_keepAlive(keepAlive)
        , m_tooLong(tooLong)
    {
        m_collator = PathList::sortCollator();
    }

    // Appends the folder's files and returns its subfolders' paths, both in name
    // order. A folder already walked gives nothing.
    QStringList listFolder(const QString &folder)
    {
        const QByteArray folderBytes = encodePath(folder);
        if (folderBytes.size() >= PATH_MAX) {
            if (m_tooLong)
                m_tooLong->append({folder, true});
            return {};
        }
        const DirHandle dir(folderBytes);
        if (!dir.get())
            return {};
        // The bytes a name adds to the folder's path, the separator included.
        const qsizetype prefixBytes = folderBytes.size() + (folderBytes.endsWith('/') ? 0 : 1);
        const int fd = ::dirfd(dir.get());
        struct stat st;
        if (::fstat(fd, &st) != 0)
            return {};
        const FolderKey key {st.st_dev, st.st_ino};
        if (m_visited.contains(key))
            return {};
        m_visited.insert(key);

        QStringList files;
        QStringList folders;
        // A read error ends this folder's listing; what was read so far still counts.
        while (const dirent *ent = ::readdir(dir.get())) {
            if (!tick())
                return {};
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
                if (::fstatat(fd, name, &st, 0) == 0) {
                    isFile = S_ISREG(st.st_mode);
                    isFolder = S_ISDIR(st.st_mode);
                }
                break;
            default:
                break;
            }
            if (!isFile && !isFolder)
                continue;
            // A name that is not valid UTF-8 keeps its bytes (see NativePath.h).
            const QString decoded = decodePath(QByteArray(name));
            if (prefixBytes + qsizetype(std::strlen(name)) >= PATH_MAX) {
                if (m_tooLong)
                    m_tooLong->append({joinPath(folder, decoded), isFolder});
                continue;
            }
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

    // Asks keepAlive whether to go on; once told to stop, the walk stays stopped.
    bool keepGoing()
    {
        if (!m_stopped && m_keepAlive && !m_keepAlive())
            m_stopped = true;
        return !m_stopped;
    }
    bool stopped() const { return m_stopped; }

private:
    bool tick()
    {
        if (++m_entriesSeen % 49 == 0)
            return keepGoing();
        return !m_stopped;
    }

    void sortNames(QStringList &names) const
    {
        std::sort(names.begin(), names.end(), [this](const QString &a, const QString &b) {
            const int c = m_collator.compare(a, b);
            return c != 0 ? c < 0 : a < b;
        });
    }

    PathList &m_out;
    const std::function<bool()> &m_keepAlive;
    QList<TooLongPath> *m_tooLong;
    QCollator m_collator;
    QSet<FolderKey> m_visited;
    quint64 m_entriesSeen = 0;
    bool m_stopped = false;
};

} // namespace

QString supportedExtensionList()
{
    // HDP and FFF appear twice, as the list has always been written. WEBP, AVIF and
    // GIF are listed too: ExifTool writes them and they are common formats for
    // shared pictures. GPR (GoPro's DNG-based raw, which names the camera's serial) is
    // written by ExifTool as DNG is.
    return u"jpg,jpe,jpeg,jp2,tif,tiff,png,miff,hdp,ps,psd,dng,CR2,CRW,CIFF,CS1,ERF,FFF,HDP,"
           "WDP,MEF,MIE,MOS,MRW,NEF,ORF,ORI,PEF,RAF,RAW,DCP,NRW,RW2,RWL,ARW,IND,INDD,INDT,MPO,"
           "PSB,SR2,SRW,EPS,EPSF,JPX,THM,VRD,ARQ,CR3,EXIF,EXV,FFF,FLIF,HEIC,HEIF,HIF,IIQ,INSP,"
           "JXL,QTIF,QTI,QIF,X3F,WEBP,AVIF,GIF,GPR"_s;
}

QString videoExtensionList()
{
    // The ISO media files phones and cameras make (GoPro's LRV and 360 are MP4 inside):
    // ExifTool reads them back, ffmpeg remuxes them.
    return u"mov,qt,mp4,m4v,3gp,3gpp,3g2,3gp2,lrv,360"_s;
}

QStringList dialogNameFilters()
{
    QStringList patterns;
    for (const QString &e : distinctExtensions() + videoExtensionList().toUpper().split(u',')) {
        patterns << u"*."_s + e.toLower();
        patterns << u"*."_s + e;
    }
    return {
        QCoreApplication::translate("ImageFiles", "Supported images and videos") + u" ("_s + patterns.join(u' ') + u')',
        QCoreApplication::translate("ImageFiles", "All files") + u" (*)"_s};
}

bool isVideoFile(const QString &path)
{
    const QString ext = fileExtension(path);
    return !ext.isEmpty() && supportedVideoSet().contains(ext.toUpper());
}

QString fileExtension(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    // A dot before the name's start belongs to a folder; one that leads the name makes
    // a hidden file, not an extension.
    if (dot <= nameStart)
        return {};
    return path.mid(dot + 1);
}

bool hasSupportedExtension(const QString &path)
{
    const QString ext = fileExtension(path);
    return !ext.isEmpty() && supportedSet().contains(ext.toUpper());
}

std::optional<LeftOutKind> mediaLeftOut(const QString &path)
{
    const QString ext = fileExtension(path).toUpper();
    if (ext.isEmpty() || supportedSet().contains(ext))
        return std::nullopt;
    if (videoSet().contains(ext))
        return LeftOutKind::Video;
    if (unwritableRawSet().contains(ext))
        return LeftOutKind::UnwritableRaw;
    if (unwritableImageSet().contains(ext))
        return LeftOutKind::UnwritableImage;
    return std::nullopt;
}

QString leftOutReason(LeftOutKind kind)
{
    switch (kind) {
    case LeftOutKind::Video:
        return QCoreApplication::translate("ImageFiles", "Left out: this video type is not cleaned");
    case LeftOutKind::UnwritableRaw:
        return QCoreApplication::translate("ImageFiles", "Left out: ExifTool cannot write this raw type");
    case LeftOutKind::UnwritableImage:
        return QCoreApplication::translate("ImageFiles", "Left out: ExifTool cannot write this image type");
    case LeftOutKind::PathTooLong:
        return QCoreApplication::translate("ImageFiles", "The path is longer than the system allows (%1 bytes)")
            .arg(PATH_MAX);
    case LeftOutKind::NotAnImage:
        return QCoreApplication::translate("ImageFiles", "Not a supported image type.");
    }
    return {};
}

FileOutcome leftOutOutcome(const QString &path, LeftOutKind kind)
{
    const FileStatus status = kind == LeftOutKind::PathTooLong ? FileStatus::Failed : FileStatus::Skipped;
    return FileOutcome {path, QString(), status, {}, leftOutReason(kind), false, QString()};
}

bool isPathTooLong(const QString &path)
{
    return encodePath(path).size() >= PATH_MAX;
}

LeftOutKind leftOutKindOf(const QString &path)
{
    if (isPathTooLong(path))
        return LeftOutKind::PathTooLong;
    return mediaLeftOut(path).value_or(LeftOutKind::NotAnImage);
}

bool isSupportedImageFile(const QString &path)
{
    if (path.isEmpty() || !hasSupportedExtension(path))
        return false;
    // isFile() follows symlinks and is true for regular files only: a FIFO named
    // like an image would block the tool that opens it.
    return isFilePath(path);
}

bool RecursiveGetFolderContent(
    const QString &sFol, PathList &OutputList, const std::function<bool()> &keepAlive, QList<TooLongPath> *tooLong)
{
    FolderWalk walk(OutputList, keepAlive, tooLong);

    // Folders still to visit, the next one last, so each subfolder's whole tree is
    // done before its next sibling; an explicit stack keeps deep trees off the
    // call stack.
    std::vector<QString> pending;
    const auto pushReversed = [&pending](const QStringList &folders) {
        for (auto it = folders.crbegin(); it != folders.crend(); ++it)
            pending.push_back(*it);
    };
    if (!walk.keepGoing())
        return false;
    pushReversed(walk.listFolder(sFol));
    while (!pending.empty() && walk.keepGoing()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        pushReversed(walk.listFolder(folder));
    }
    return !walk.stopped();
}

FolderImages imagesInFolder(const QString &folder, const std::function<bool()> &keepGoing)
{
    FolderImages result;
    PathList found;
    QList<TooLongPath> tooLong;
    result.stopped = !RecursiveGetFolderContent(folder, found, keepGoing, &tooLong);
    for (int i = 0; i < found.ListCount(); ++i) {
        // Sorting out a huge folder takes a moment of its own.
        if (keepGoing && i % 1024 == 1023 && !keepGoing()) {
            result.stopped = true;
            break;
        }
        const QString path = found.List(i);
        // The walk lists regular files only, so the extension decides.
        if (hasSupportedExtension(path))
            result.images << path;
        else if (const std::optional<LeftOutKind> kind = mediaLeftOut(path))
            result.leftOut << leftOutOutcome(path, *kind);
    }
    // A folder too deep is reported whatever it holds; a file only when it would have
    // been cleaned or reported.
    for (const TooLongPath &t : std::as_const(tooLong)) {
        if (t.folder || hasSupportedExtension(t.path) || mediaLeftOut(t.path))
            result.leftOut << leftOutOutcome(t.path, LeftOutKind::PathTooLong);
    }
    return result;
}

DuplicateSet::DuplicateSet(const PathList &list)
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
