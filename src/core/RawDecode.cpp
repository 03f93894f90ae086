#include "core/RawDecode.h"

#include "core/NativePath.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A decoder still busy after this is taken as hung: a 100-megapixel file decodes in a
// few seconds at half size.
constexpr int DecodeTimeoutMs = 120 * 1000;

} // namespace

QString rawDecoderProgram()
{
    return QStandardPaths::findExecutable(u"dcraw_emu"_s);
}

bool isCameraRawFile(const QString &path)
{
    static const QStringList suffixes = {u"dng"_s, u"gpr"_s, u"cr2"_s, u"crw"_s, u"ciff"_s, u"cr3"_s, u"nef"_s,
        u"nrw"_s, u"arw"_s, u"arq"_s, u"sr2"_s, u"srw"_s, u"orf"_s, u"ori"_s, u"pef"_s, u"raf"_s, u"rw2"_s, u"rwl"_s,
        u"raw"_s, u"iiq"_s, u"fff"_s, u"erf"_s, u"mef"_s, u"mos"_s, u"mrw"_s, u"x3f"_s, u"cs1"_s};
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= 0 && !path.mid(dot).contains(u'/') && suffixes.contains(path.mid(dot + 1).toLower());
}

RawDecode decodeRaw(const QString &program, const QString &path)
{
    RawDecode result;
    // The decoder reads the file through a descriptor opened here and named /dev/fd/N:
    // its command line then holds no file name at all, so no name (a leading '-', a
    // newline, bytes that are not UTF-8) can be misread, and nothing is written to disk.
    QFile image;
    if (!isFilePath(path) || !openPath(image, path, QIODevice::ReadOnly)) {
        result.problem = u"Cannot open the file"_s;
        return result;
    }
    const int fd = image.handle();
    const QString source = u"/dev/fd/"_s + QString::number(fd);

    QProcess decoder;
    decoder.setStandardInputFile(QProcess::nullDevice());
    const pid_t parent = ::getpid();
    decoder.setChildProcessModifier([fd, parent] {
        ::fcntl(fd, F_SETFD, 0); // in the child only: the descriptor survives its exec
        ::setpgid(0, 0); // a hung decoder is killed with whatever it started
        ::prctl(PR_SET_PDEATHSIG, SIGKILL); // it writes nothing but its output
        if (::getppid() != parent)
            ::_exit(127);
    });
    // -h half size, -w the camera's white balance, -4 linear 16-bit without brightening,
    // -Z - the picture on standard output.
    decoder.start(program, {u"-h"_s, u"-w"_s, u"-4"_s, u"-Z"_s, u"-"_s, source});
    if (!decoder.waitForStarted(DecodeTimeoutMs)) {
        result.problem = u"Cannot start %1: %2"_s.arg(program, decoder.errorString().section(u": "_s, -1));
        return result;
    }

    // The picture is hashed as it arrives: at half size it is still 6 bytes a pixel.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 pictureBytes = 0;
    const QDeadlineTimer deadline(DecodeTimeoutMs);
    while (decoder.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            ::kill(-pid_t(decoder.processId()), SIGKILL);
            decoder.kill();
            decoder.waitForFinished(5000);
            result.problem = u"The decoder did not finish within %1 s"_s.arg(DecodeTimeoutMs / 1000);
            return result;
        }
        decoder.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)));
        const QByteArray chunk = decoder.readAllStandardOutput();
        pictureBytes += chunk.size();
        hash.addData(chunk);
    }
    const QByteArray rest = decoder.readAllStandardOutput();
    pictureBytes += rest.size();
    hash.addData(rest);

    if (decoder.exitStatus() != QProcess::NormalExit) {
        result.problem = u"The decoder crashed"_s;
        return result;
    }
    // dcraw_emu ends with status 0 whatever happened to the file, saying "Cannot open
    // <file>: <reason>" when LibRaw does not recognise it, "Cannot unpack ..." and the like
    // when it cannot decode what it recognised; warnings ("data corrupted at ...") do not
    // count. Another status is a decoder that refused its options (one without -Z).
    const QStringList errors = QString::fromUtf8(decoder.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    if (decoder.exitCode() != 0) {
        result.problem = errors.value(0, u"The decoder failed"_s).trimmed();
        return result;
    }
    for (const QString &line : errors) {
        if (!line.startsWith(u"Cannot "_s))
            continue;
        const qsizetype colon = line.indexOf(u": "_s);
        const QString reason = colon >= 0 ? line.mid(colon + 2).trimmed() : line;
        if (line.startsWith(u"Cannot open "_s)) {
            result.problem = reason;
            return result;
        }
        if (result.problem.isEmpty())
            result.problem = reason;
    }
    result.opened = true;
    if (pictureBytes == 0) {
        if (result.problem.isEmpty())
            result.problem = u"No picture decoded"_s;
        return result;
    }
    result.digest = hash.result().toHex();
    result.problem.clear();
    return result;
}
