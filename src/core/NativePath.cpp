#include "core/NativePath.h"

#include <QByteArrayView>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t strayBase = 0xDC00;

// The byte the character at i stands for, or -1 when it is text. A low surrogate after
// a high one is half of a real character, not a byte.
int strayByteAt(QStringView path, qsizetype i)
{
    const char16_t c = path.at(i).unicode();
    if (c < 0xDC80 || c > 0xDCFF || (i > 0 && path.at(i - 1).isHighSurrogate()))
        return -1;
    return c - strayBase;
}

// The length of the UTF-8 sequence a lead byte starts, or 0 for a byte that cannot lead.
int sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead >> 5) == 0x6)
        return 2;
    if ((lead >> 4) == 0xE)
        return 3;
    if ((lead >> 3) == 0x1E)
        return 4;
    return 0;
}

} // namespace

QString decodePath(const QByteArray &bytes)
{
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    qsizetype runStart = 0; // start of the valid bytes not yet copied
    const auto flush = [&](qsizetype end) {
        if (end > runStart)
            out += QString::fromUtf8(bytes.constData() + runStart, end - runStart);
    };
    while (i < bytes.size()) {
        const uchar lead = static_cast<uchar>(bytes.at(i));
        const int length = sequenceLength(lead);
        if (length > 0 && i + length <= bytes.size() && QByteArrayView(bytes.constData() + i, length).isValidUtf8()) {
            i += length;
            continue;
        }
        flush(i);
        out += QChar(char16_t(strayBase + lead));
        runStart = ++i;
    }
    flush(i);
    return out;
}

QByteArray encodePath(const QString &path)
{
    if (!holdsStrayBytes(path))
        return path.toUtf8();
    QByteArray out;
    out.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const int byte = strayByteAt(path, i);
        if (byte < 0)
            continue;
        out += QStringView(path).mid(runStart, i - runStart).toUtf8();
        out += char(byte);
        runStart = i + 1;
    }
    out += QStringView(path).mid(runStart).toUtf8();
    return out;
}

bool holdsStrayBytes(const QString &path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (strayByteAt(path, i) >= 0)
            return true;
    }
    return false;
}

QString printablePath(const QString &text)
{
    if (!holdsStrayBytes(text))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const int byte = strayByteAt(text, i); byte >= 0)
            out += u"\\x"_s + QString::number(byte, 16).rightJustified(2, u'0');
        else
            out += text.at(i);
    }
    return out;
}

bool openPath(QFile &file, const QString &path, QIODevice::OpenMode mode)
{
    if (!holdsStrayBytes(path)) {
        file.setFileName(path);
        return file.open(mode);
    }
    int flags = O_CLOEXEC;
    if ((mode & QIODevice::ReadWrite) == QIODevice::ReadWrite)
        flags |= O_RDWR;
    else if (mode & QIODevice::WriteOnly)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    const int fd = ::open(encodePath(path).constData(), flags);
    if (fd < 0)
        return false;
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool removePath(const QString &path)
{
    return !path.isEmpty() && ::unlink(encodePath(path).constData()) == 0;
}

bool linkPath(const QString &target, const QString &link)
{
    return ::symlink(encodePath(target).constData(), encodePath(link).constData()) == 0;
}

bool isFilePath(const QString &path)
{
    struct stat st { };
    return !path.isEmpty() && ::stat(encodePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}
