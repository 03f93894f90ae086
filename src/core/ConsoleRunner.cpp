#include "core/ConsoleRunner.h"

#include "core/ExifToolProcess.h"
#include "core/SystemFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConsoleRunner)
};

// After SIGINT ExifTool still tidies up; a tool that ignores the interrupt is killed
// after this long.
constexpr int killGraceMs = 5000;

// Callers rely on a returned text ending at its first NUL. NUL never occurs inside
// a multi-byte UTF-8 sequence, so cutting the bytes first is the same as cutting
// the decoded text.
QString decodeOutput(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

} // namespace

QString findExifTool()
{
    return findProgram(u"exiftool"_s);
}

int ConsoleRunner::RunExifTool(const QString &program, const QStringList &arguments)
{
    m_output.clear();
    m_error.clear();

    if (program.isEmpty()) {
        m_error = Text::tr("Could not start a program: no program was named.");
        return -1;
    }

    const QString workingDirectory = m_workingDirectory.isEmpty() ? programFolder() : m_workingDirectory;
    if (!QFileInfo(workingDirectory).isDir()) {
        m_error = Text::tr("Could not start %1: the working folder %2 does not exist.").arg(program, workingDirectory);
        return -1;
    }

    ExifToolProcess process;
    process.setWorkingDirectory(workingDirectory);

    QByteArray output;
    QByteArray error;
    bool ended = false;
    bool abandoned = false;

    // Taking the data as it arrives keeps QProcess's own buffers small while a listing of
    // many megabytes comes in.
    QObject::connect(&process, &ExifToolProcess::readyReadStandardOutput, &process,
        [&] { output += process.readAllStandardOutput(); });
    QObject::connect(
        &process, &ExifToolProcess::readyReadStandardError, &process, [&] { error += process.readAllStandardError(); });

    QEventLoop *loop = nullptr;
    QObject::connect(&process, &ExifToolProcess::finished, &process, [&] {
        ended = true;
        if (loop)
            loop->quit();
    });

    if (!process.startExifTool(program, arguments)) {
        m_error = Text::tr("Could not start %1: %2").arg(program, process.errorString());
        return -1;
    }

    if (QCoreApplication::instance()) {
        // The one blocking call of the program, for callers that have nothing else to do
        // until the answer is there (the metadata viewer, a version query): a local loop,
        // not waitForFinished(), so a window keeps painting.
        if (!ended) {
            QEventLoop localLoop;
            loop = &localLoop;
            localLoop.exec();
            loop = nullptr;
        }
        if (!ended) {
            // The application is quitting and ended every loop, this one too. There is
            // nothing left to paint, so the tool may be stopped the blocking way.
            abandoned = true;
            process.interrupt();
            if (!process.waitForFinished(killGraceMs)) {
                process.kill();
                process.waitForFinished(-1);
            }
        }
    } else {
        // Without an application object there is no event loop to run and no window
        // to keep alive, so blocking is the only way and harms nothing.
        process.waitForFinished(-1);
    }

    if (process.failedToStart()) {
        m_error = Text::tr("Could not start %1: %2").arg(program, process.errorString());
        return -1;
    }

    output += process.readAllStandardOutput();
    error += process.readAllStandardError();

    if (abandoned) {
        m_error = Text::tr("%1 was stopped because the program is closing.").arg(program);
        return -1;
    }
    if (process.crashed()) {
        m_error = Text::tr("%1 crashed or was killed.").arg(program);
        return -1;
    }

    m_output = decodeOutput(output);
    m_error = decodeOutput(error);
    return process.exitCode();
}
