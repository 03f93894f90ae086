// quillmark-cli: the cleaning engine for scripts and terminals. The options and the images
// they name come from core/CliOptions.cpp; this file handles the stop signals, prints the
// progress and runs the job.

#include "core/CleanJob.h"
#include "core/CliOptions.h"
#include "core/CliPreview.h"
#include "core/ConsoleRunner.h"
#include "core/NativePath.h"
#include "core/RunCheck.h"
#include "core/RunReport.h"
#include "core/SystemFolders.h"
#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace CliOptions;

namespace {

// Signals only write their number into a pipe (the one thing a handler may safely do);
// the event loop reads it and asks the job to stop. The first one is also kept in
// g_firstSignal, which the folder walk looks at while it lists, before any event loop runs.
int g_signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t g_firstSignal = 0;

extern "C" void onStopSignal(int signo)
{
    const int saved = errno;
    if (g_firstSignal == 0)
        g_firstSignal = signo;
    const unsigned char byte = static_cast<unsigned char>(signo);
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
    errno = saved;
}

bool installStopSignals()
{
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action { };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signo : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signo, &action, nullptr);
    return true;
}

// The bar and the status captions are for a person at a terminal: into a pipe or a log
// they would only bury the summary and the errors.
class Progress {
public:
    explicit Progress(bool quiet)
        : m_tty(!quiet && ::isatty(STDERR_FILENO) == 1)
    {
    }
    ~Progress() { finish(); }

    void status(const QString &caption)
    {
        if (caption.isEmpty() || caption == m_caption)
            return;
        m_caption = caption;
        if (m_tty)
            draw();
    }
    void percent(int value)
    {
        m_percent = value;
        if (m_tty)
            draw();
    }
    void finish()
    {
        if (m_tty && m_drawn) {
            printErr(u"\n"_s);
            m_drawn = false;
        }
    }

private:
    void draw()
    {
        constexpr int width = 30;
        const int filled = m_percent * width / 100;
        printErr(u"\r["_s + QString(filled, u'#') + QString(width - filled, u' ') + u"] "_s
            + QString::number(m_percent).rightJustified(3) + u"% "_s + m_caption.leftJustified(28));
        m_drawn = true;
    }

    bool m_tty;
    bool m_drawn = false;
    int m_percent = 0;
    QString m_caption;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslators(app);
    QCoreApplication::setOrganizationName(u"Corvane"_s);
    QCoreApplication::setApplicationName(u"quillmark-cli"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));

    const bool signalsHandled = installStopSignals();

    // The arguments as their bytes: a file name that is not valid UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodePath(QByteArray(argv[i]));
    const Request request = parse(arguments);
    if (request.exitStatus)
        return *request.exitStatus;
    const JobOptions &options = request.options;
    const int jobs = request.jobs;
    const QString &reportPath = request.reportPath;
    const QStringList &paths = request.paths;
    const bool reportToStdout = reportPath == u"-";
    // With the report on standard output, everything for a person goes to standard error,
    // and --quiet leaves that empty.
    const bool silent = request.quiet && reportToStdout;
    const auto printSummary = [reportToStdout, silent](const QString &text) {
        if (silent)
            return;
        if (reportToStdout)
            printErr(text);
        else
            printOut(text);
    };
    const auto writeJson = [&](const QByteArray &json) {
        if (reportPath.isEmpty())
            return true;
        if (reportToStdout) {
            std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
            std::fflush(stdout);
            return true;
        }
        QSaveFile file(QDir::current().absoluteFilePath(reportPath));
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            printErr(
                Cli::tr("quillmark-cli: cannot write the report %1: %2").arg(reportPath, file.errorString()) + u'\n');
            return false;
        }
        return true;
    };
    const auto writeReport = [&](const QList<FileOutcome> &outcomes) { return writeJson(runReportJson(outcomes)); };
    const CliPreview::Sink sink {printSummary, writeJson, !reportPath.isEmpty(), request.quiet};
    if (!request.emptyLists.isEmpty()) {
        printSummary(Cli::tr("No images to clean in %1.").arg(request.emptyLists.join(u", "_s)) + u'\n');
        return writeReport({}) ? ExitOk : ExitProblems;
    }
    const auto exifToolMissing = [] {
        printErr(Cli::tr("quillmark-cli: ExifTool was not found. Install it (Debian package "
                         "libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.")
            + u'\n');
        return ExitInternal;
    };
    if (request.show) {
        const QString exiftool = findExifTool();
        return exiftool.isEmpty() ? exifToolMissing() : CliPreview::show(paths, exiftool, sink);
    }
    // Listing a large tree takes a while; a stop signal ends it within a few directory
    // entries, and the run ends as a stopped run does, with a report of what was found.
    Progress progress(request.quiet);
    progress.status(Cli::tr("Looking for images..."));
    const Collected collected = collectImages(paths, [] { return g_firstSignal == 0; });
    const QList<FileOutcome> &namedSkips = collected.namedSkips;
    const QSet<QString> &named = collected.named;
    const QStringList &images = collected.images;
    const QList<FileOutcome> leftOut = namedSkips + collected.leftOut;
    const QString leftOutSummary = leftOutLine(leftOut);
    if (collected.stopped || g_firstSignal != 0) {
        QList<FileOutcome> outcomes;
        for (const QString &image : images)
            outcomes.append(
                FileOutcome {image, QString(), FileStatus::Skipped, {}, CleanJob::notRunMessage(), true, QString()});
        outcomes += leftOut;
        progress.finish();
        printSummary(Cli::tr("Stopped while looking for images; nothing was cleaned.") + u'\n');
        if (!leftOutSummary.isEmpty())
            printSummary(leftOutSummary + u'\n');
        writeReport(outcomes);
        return 128 + int(g_firstSignal);
    }
    if (images.isEmpty()) {
        progress.finish();
        writeReport(leftOut);
        if (!leftOutSummary.isEmpty())
            printSummary(leftOutSummary + u'\n');
        printErr(Cli::tr("quillmark-cli: no supported images found") + u'\n');
        return ExitUsage;
    }

    JobEnvironment env;
    env.exiftool = findExifTool();
    env.programFolder = programFolder();
    env.tempFolder = GetSystemFolders().sTemp;
    env.pauses = false;
    env.jobs = jobs;
    env.locale = QLocale::system();
    if (env.exiftool.isEmpty())
        return exifToolMissing();

    // A run that could write nothing does not start (the window's ready page says the same).
    if (const QString problem = RunCheck::problem(options, images, env.programFolder); !problem.isEmpty()) {
        progress.finish();
        printErr(Cli::tr("quillmark-cli: cannot start: %1").arg(problem) + u'\n');
        return ExitUsage;
    }
    if (request.dryRun) {
        progress.finish();
        return CliPreview::dryRun(
            images, leftOut, options, env.exiftool, env.programFolder, request.overwriteExisting, sink);
    }

    CleanJob job(options, env);
    // The first of SIGINT, SIGTERM or SIGHUP stops the run after the images ExifTool is
    // writing; a second SIGINT hurries it. The exit status then says which signal it was.
    int stopSignal = 0;
    const auto readSignals = [&] {
        unsigned char byte = 0;
        while (::read(g_signalPipe[0], &byte, 1) == 1) {
            if (stopSignal == 0) {
                stopSignal = byte;
                job.stop();
            } else if (byte == SIGINT) {
                job.stop();
            }
        }
    };
    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (signalsHandled) {
        signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, &app, readSignals);
    }
    const bool overwriteExisting = request.overwriteExisting;
    job.setOverwriteQuestion([overwriteExisting] { return overwriteExisting; });
    QObject::connect(&job, &CleanJob::statusChanged, &app, [&progress](const QString &c) { progress.status(c); });
    QObject::connect(&job, &CleanJob::progressChanged, &app, [&progress](int p) { progress.percent(p); });
    // The job runs in the event loop, which ends with it.
    JobResult result;
    QObject::connect(&job, &CleanJob::finished, &app, [&result](const JobResult &r) {
        result = r;
        QCoreApplication::exit(0);
    });
    job.start(images);
    app.exec();
    progress.finish();
    if (signalsHandled)
        readSignals();
    const int signalStatus = stopSignal != 0 ? 128 + stopSignal : 0;

    if (result.internalError) {
        printErr(u"quillmark-cli: "_s + result.summary + u'\n');
        if (!result.errorDetail.isEmpty())
            printErr(u"quillmark-cli: "_s + result.errorDetail + u'\n');
        // The report still says what became of every image: nothing was cleaned.
        QList<FileOutcome> failed;
        for (const QString &image : std::as_const(images))
            failed << FileOutcome {image, QString(), FileStatus::Failed, {}, result.errorDetail, false, QString()};
        writeReport(failed + namedSkips);
        return signalStatus != 0 ? signalStatus : ExitInternal;
    }
    QList<FileOutcome> outcomes = result.outcomes;
    outcomes += leftOut;
    const OutcomeTotals totals = outcomeTotals(outcomes);
    QString summary = result.summary;
    summary.replace(u"\r\n"_s, u"\n"_s);
    printSummary(summary + u'\n');
    const QString residue = residueLine(totals.residue);
    if (!residue.isEmpty())
        printSummary(residue + u'\n');
    if (!leftOutSummary.isEmpty())
        printSummary(leftOutSummary + u'\n');
    if (!result.errorInfoCaption.isEmpty())
        printSummary(result.errorInfoCaption + u'\n');
    if (result.problemCount > 0 && result.logWritten)
        printSummary(Cli::tr("Log: %1").arg(result.logPath) + u'\n');
    const bool reportWritten = writeReport(outcomes);
    const bool namedSkipped = std::any_of(outcomes.cbegin(), outcomes.cend(),
        [&named](const FileOutcome &o) { return o.status == FileStatus::Skipped && named.contains(o.input); });
    if (signalStatus != 0)
        return signalStatus;
    if (result.problemCount > 0 || totals.residue > 0 || totals.unchanged > 0 || totals.failed > 0 || !leftOut.isEmpty()
        || namedSkipped || !reportWritten)
        return ExitProblems;
    return ExitOk;
}
