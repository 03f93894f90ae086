// libFuzzer harness for the native writer: any bytes as an image file, cleaned twice
// (nothing kept; everything a run may keep, with kept values to insert). The writer must
// not crash, read out of bounds or leave a file behind when it does not write one.

#include "core/NativeWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

QString outputPath()
{
    // One folder per process: libFuzzer's -jobs/-workers run several at once.
    static const QString path = [] {
        QByteArray folder = QDir::tempPath().toLocal8Bit() + "/qmk-fuzz-XXXXXX";
        if (!::mkdtemp(folder.data()))
            std::abort();
        return QString::fromLocal8Bit(folder) + QStringLiteral("/out");
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input lives in memory but is a regular file, as the writer requires.
    const int fd = ::memfd_create("qmk-fuzz-input", MFD_CLOEXEC);
    if (fd < 0)
        std::abort();
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            std::abort();
        done += size_t(n);
    }
    const QString input = QStringLiteral("/proc/self/fd/%1").arg(fd);
    const QString output = outputPath();

    NativeKeep everything;
    everything.exif = everything.xmp = everything.photoshop = everything.icc = everything.colour = true;
    NativeKeep look;
    look.look = look.keepOrientation = look.keepColourSpace = true;
    for (const NativeKeep &keep : {NativeKeep {}, everything, look}) {
        QString why;
        const NativeResult result = writeNativeClean(input, output, keep, &why);
        const bool exists = ::access(QFile::encodeName(output).constData(), F_OK) == 0;
        if (exists != (result == NativeResult::Written))
            std::abort(); // an output without Written, or Written without an output
        if (exists)
            ::unlink(QFile::encodeName(output).constData());
    }
    ::close(fd);
    return 0;
}
