// quillmark-cli: the cleaning engine for scripts and terminals.

#include "core/CleanJob.h"
#include "core/ConsoleRunner.h"
#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/PathList.h"
#include "core/RunReport.h"
#include "core/SettingsStore.h"
#include "core/StoredOptions.h"
#include "core/SystemFolders.h"
#include "core/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QThread>

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus { ExitOk = 0, ExitProblems = 1, ExitUsage = 2, ExitInternal = 3 };

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
    struct sigaction action{};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signo : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signo, &action, nullptr);
    return true;
}

// The messages' context for lupdate and the translators; the free functions of this file
// have no class of their own to take it from.
struct Cli
{
    Q_DECLARE_TR_FUNCTIONS(quillmark_cli)
};

void printErr(const QString &text)
{
    std::fputs(printablePath(text).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void printOut(const QString &text)
{
    std::fputs(printablePath(text).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

[[noreturn]] void usageError(const QString &message)
{
    printErr(u"quillmark-cli: "_s + message + u"\n"_s + Cli::tr("Try 'quillmark-cli --help'.") + u'\n');
    std::exit(ExitUsage);
}

bool parseOutput(const QString &value, JobOptions &o)
{
    if (value == u"overwrite") {
        o.outputMode = OutputMode::Overwrite;
        return true;
    }
    const qsizetype eq = value.indexOf(u'=');
    if (eq < 0)
        return false;
    const QString kind = value.left(eq);
    const QString text = value.mid(eq + 1);
    if (text.isEmpty())
        return false;
    if (kind == u"folder") {
        o.outputMode = OutputMode::Folder;
        o.txtOutput = QDir::current().absoluteFilePath(text);
    } else if (kind == u"prefix") {
        o.outputMode = OutputMode::Prefix;
        o.txtPrefix = text;
    } else if (kind == u"suffix") {
        o.outputMode = OutputMode::Suffix;
        o.txtSuffix = text;
    } else {
        return false;
    }
    return true;
}

bool parseRemove(const QString &value, TagOptions &t)
{
    const QStringList names = value.split(u',', Qt::SkipEmptyParts);
    if (names.isEmpty())
        return false;
    TagOptions chosen = t; // what --keep or the stored options say stays as it is
    chosen.chkCleanAll = chosen.chkCleanExif = chosen.chkCleanExifGPS = chosen.chkCleanThumbnail = false;
    chosen.chkCleanXMP = chosen.chkCleanIPTC = chosen.chkCleanICC = chosen.chkCleanPhotoshop = false;
    chosen.chkCleanTiffIdf0 = chosen.chkCleanGeoTiff = chosen.chkCleanAdobeApp14 = chosen.chkCleanOther = false;
    for (const QString &raw : names) {
        const QString n = raw.trimmed().toLower();
        bool *box = n == u"all"         ? &chosen.chkCleanAll
            : n == u"exif"              ? &chosen.chkCleanExif
            : n == u"gps"               ? &chosen.chkCleanExifGPS
            : n == u"thumbnail"         ? &chosen.chkCleanThumbnail
            : n == u"xmp"               ? &chosen.chkCleanXMP
            : n == u"iptc"              ? &chosen.chkCleanIPTC
            : n == u"icc"               ? &chosen.chkCleanICC
            : n == u"photoshop"         ? &chosen.chkCleanPhotoshop
            : n == u"ifd0"              ? &chosen.chkCleanTiffIdf0
            : n == u"geotiff"           ? &chosen.chkCleanGeoTiff
            : n == u"app14"             ? &chosen.chkCleanAdobeApp14
            : n == u"other"             ? &chosen.chkCleanOther
                                        : nullptr;
        if (!box)
            return false;
        *box = true;
    }
    t = chosen;
    return true;
}

// "orientation", "color" (or "colour"), a comma list of both, or "none".
bool parseKeep(const QString &value, TagOptions &t)
{
    const QStringList names = value.split(u',', Qt::SkipEmptyParts);
    if (names.isEmpty())
        return false;
    bool orientation = false;
    bool colour = false;
    bool none = false;
    for (const QString &raw : names) {
        const QString n = raw.trimmed().toLower();
        if (n == u"orientation")
            orientation = true;
        else if (n == u"color" || n == u"colour")
            colour = true;
        else if (n == u"none")
            none = true;
        else
            return false;
    }
    if (none && (orientation || colour))
        return false;
    t.keepOrientation = orientation;
    t.keepColourProfile = colour;
    return true;
}

bool parseDates(const QString &value, JobOptions &o)
{
    if (value == u"keep") {
        o.chkResetFileDates = false;
        return true;
    }
    if (value == u"random") {
        o.chkResetFileDates = true;
        o.randomDate = true;
        return true;
    }
    static const QRegularExpression re(u"^(\\d{4})-(\\d{1,2})-(\\d{1,2})[ T](\\d{1,2}):(\\d{1,2}):(\\d{1,2})$"_s);
    const auto m = re.match(value.trimmed());
    if (!m.hasMatch())
        return false;
    FixedFileDate d;
    const QString parts[6] = {m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5), m.captured(6)};
    QString *targets[6] = {&d.sSetDateYear, &d.sSetDateMonth, &d.sSetDateDay, &d.sSetDateHour, &d.sSetDateMin,
                           &d.sSetDateSec};
    for (int i = 0; i < 6; ++i) {
        QString message;
        const auto accepted = FileDate::validateDateAnswer(i, parts[i], &message);
        if (!accepted)
            return false;
        *targets[i] = QString::number(parts[i].toInt());
    }
    if (!FileDate::fixedDateTime(d))
        return false;
    o.chkResetFileDates = true;
    o.randomDate = false;
    o.fixedDate = d;
    return true;
}

// The paths of a --files-from list ("-" is standard input): one a line, or NUL-separated for
// names that hold line breaks. Empty entries are skipped, so "find -print0" output and a
// final line break need no care; in line mode a CR before the line break is dropped, since
// lists written on Windows or by CRLF tools end their lines that way (a name that really
// ends in CR needs --null). Nothing else is trimmed: spaces belong to the name.
std::optional<QStringList> readPathList(const QString &name, bool nul)
{
    const bool standardInput = name == u"-";
    QFile file(standardInput ? QString() : name);
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringList paths;
    for (QByteArray entry : data.split(nul ? '\0' : '\n')) {
        if (!nul && entry.endsWith('\r'))
            entry.chop(1);
        if (!entry.isEmpty())
            paths << decodePath(entry);
    }
    return paths;
}

// What the command line names: the images to clean, and the files left out.
struct Collected
{
    QStringList images;
    QList<FileOutcome> namedSkips; // files named on their own that are not supported images, or too long
    QList<FileOutcome> leftOut;    // found in folders: videos, unwritable types, paths too long
    QSet<QString> named;           // the images named on their own (not found in a folder)
    bool stopped = false;          // keepGoing said no: the lists are incomplete
};

// Collects the images named on the command line, walking folders like "Add from Folder".
// keepGoing is asked often enough that a stop ends the listing at once.
Collected collectImages(const QStringList &paths, const std::function<bool()> &keepGoing)
{
    Collected c;
    PathList list;
    QSet<QString> leftOutPaths;
    for (const QString &raw : paths) {
        if (!keepGoing()) {
            c.stopped = true;
            break;
        }
        const QString path = QDir::current().absoluteFilePath(raw);
        const ImageFiles::DuplicateSet known(list);
        if (ImageFiles::isPathTooLong(path)) {
            // No system call takes it, so it cannot even be told from a missing file.
            const FileOutcome o = ImageFiles::leftOutOutcome(path, ImageFiles::LeftOutKind::PathTooLong);
            printErr(u"quillmark-cli: "_s + raw + u": "_s + o.message + u'\n');
            c.namedSkips.append(o);
        } else if (FolderExists(path)) {
            const ImageFiles::FolderImages found = ImageFiles::imagesInFolder(path, keepGoing);
            for (const QString &f : found.images) {
                if (!known.contains(f))
                    list.AddItem(f);
            }
            for (const FileOutcome &o : found.leftOut) {
                if (!leftOutPaths.contains(o.input)) {
                    leftOutPaths.insert(o.input);
                    c.leftOut << o;
                }
            }
            if (found.stopped) {
                c.stopped = true;
                break;
            }
        } else if (!PathExists(path)) {
            printErr(Cli::tr("quillmark-cli: %1: no such file or folder").arg(raw) + u'\n');
        } else if (!ImageFiles::isSupportedImageFile(path)) {
            printErr(Cli::tr("quillmark-cli: %1: not a supported image; skipped").arg(raw) + u'\n');
            const ImageFiles::LeftOutKind kind =
                ImageFiles::mediaLeftOut(path).value_or(ImageFiles::LeftOutKind::NotAnImage);
            c.namedSkips.append(ImageFiles::leftOutOutcome(path, kind));
        } else {
            c.named.insert(path);
            if (!known.contains(path))
                list.AddItem(path);
        }
    }
    c.images = list.toStringList();
    return c;
}

class Progress
{
public:
    Progress()
        : m_tty(::isatty(STDERR_FILENO) == 1)
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
        else
            printErr(caption + u'\n');
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

    QCommandLineParser parser;
    parser.setApplicationDescription(
        Cli::tr("Removes metadata (Exif, GPS, thumbnails, XMP, IPTC, ICC, ...) from image files with ExifTool.\n"
           "Folders are walked with all their sub-folders.\n\n"
           "Every output is checked afterwards; what identifying metadata is left is reported.\n\n"
           "Exit status: 0 done and clean, 1 problems were reported, identifying metadata is left, an image was\n"
           "left unchanged or could not be cleaned, a file named on the command line was skipped, or a file found\n"
           "in a folder was left out (a video, a type ExifTool cannot write, a path too long);\n"
           "2 bad usage or nothing to clean, 3 internal error;\n"
           "stopped by SIGINT, SIGTERM or SIGHUP: 130, 143 or 129 (a second SIGINT stops at once)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"PATH"_s, Cli::tr("Image files and folders to clean."), u"PATH..."_s);
    const QCommandLineOption outputOption(u"output"_s,
        Cli::tr("Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned)."),
        u"MODE"_s);
    const QCommandLineOption removeOption(u"remove"_s,
        Cli::tr("What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, "
           "geotiff, app14, other (default all)."),
        u"LIST"_s);
    const QCommandLineOption keepOption(u"keep"_s,
        Cli::tr("What stays whatever --remove says, since it changes how the picture looks and identifies nobody: "
           "a comma list of orientation and color, or none (default orientation,color)."),
        u"LIST"_s);
    const QCommandLineOption datesOption(u"dates"_s,
        Cli::tr("File dates of the cleaned files: keep, random or \"YYYY-MM-DD HH:MM:SS\" (default keep)."),
        u"WHEN"_s);
    const QCommandLineOption moveFailedOption(u"move-failed"_s,
        Cli::tr("Move the originals of images that could not be cleaned: trash, or a folder."), u"WHERE"_s);
    const QCommandLineOption overwriteOption(u"overwrite-existing"_s,
        Cli::tr("Replace cleaned files that already exist (by default they are kept)."));
    const QCommandLineOption strictOption(u"strict"_s, Cli::tr("Do not ignore minor errors and warnings."));
    const QCommandLineOption settingsOption(u"settings"_s,
        Cli::tr("Start from the options stored by the Quillmark window; options given here still apply."));
    const QCommandLineOption jobsOption(u"jobs"_s,
        Cli::tr("ExifTool processes at once (default: the number of cores)."), u"N"_s);
    const QCommandLineOption reportOption(u"report"_s,
        Cli::tr("Write a JSON report of every image's outcome to FILE ('-' for standard output; the summary then "
           "goes to standard error)."),
        u"FILE"_s);
    const QCommandLineOption noVerifyOption(u"no-verify"_s,
        Cli::tr("Do not check the cleaned files for identifying metadata that is left (faster)."));
    const QCommandLineOption filesFromOption(u"files-from"_s,
        Cli::tr("Also clean the paths listed in FILE, one a line (\"-\" reads standard input)."), u"FILE"_s);
    const QCommandLineOption nullOption(u"null"_s, Cli::tr("Paths in the --files-from list end with NUL, not a line break."));
    parser.addOptions({outputOption, removeOption, keepOption, datesOption, moveFailedOption, overwriteOption,
                       strictOption, settingsOption, jobsOption, reportOption, noVerifyOption, filesFromOption,
                       nullOption});
    // The arguments as their bytes: a file name that is not valid UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodePath(QByteArray(argv[i]));
    if (!parser.parse(arguments))
        usageError(parser.errorText());
    if (parser.isSet(u"help"_s))
        parser.showHelp(ExitOk);
    if (parser.isSet(u"version"_s))
        parser.showVersion();

    JobOptions options;
    if (parser.isSet(settingsOption)) {
        SettingsStore store(programFolder());
        store.DetectPortableMode();
        // Read anyway, it would give the defaults, which are not the options asked for.
        if (store.isOversized()) {
            printErr(Cli::tr("quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read")
                         .arg(store.settingsFilePath())
                     + u'\n');
            return ExitUsage;
        }
        options = jobOptionsFromSettings(store);
        if (options.outputMode == OutputMode::Folder && QDir::isRelativePath(options.txtOutput))
            options.txtOutput = QDir(programFolder()).absoluteFilePath(options.txtOutput);
    }
    if (parser.isSet(outputOption) && !parseOutput(parser.value(outputOption), options))
        usageError(Cli::tr("--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT"));
    if (parser.isSet(removeOption) && !parseRemove(parser.value(removeOption), options.tags))
        usageError(Cli::tr("--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, "
                      "ifd0, geotiff, app14, other"));
    if (parser.isSet(keepOption) && !parseKeep(parser.value(keepOption), options.tags))
        usageError(Cli::tr("--keep takes a comma list of orientation and color, or none"));
    if (parser.isSet(datesOption) && !parseDates(parser.value(datesOption), options))
        usageError(Cli::tr("--dates takes keep, random or a date \"YYYY-MM-DD HH:MM:SS\" from 1980 to 2100"));
    if (parser.isSet(moveFailedOption)) {
        const QString where = parser.value(moveFailedOption);
        if (where.isEmpty())
            usageError(Cli::tr("--move-failed takes trash or a folder"));
        options.chkDeleteFileOnFail = true;
        options.optProcessingFail = where == u"trash" ? 0 : 1;
        if (where != u"trash")
            options.txtProcessingFailFolder = QDir::current().absoluteFilePath(where);
    }
    if (parser.isSet(strictOption))
        options.chkIgnoreMinorWarnings = false;
    if (options.outputMode == OutputMode::Folder && options.txtOutput.trimmed().size() < 2)
        usageError(Cli::tr("no output folder given"));
    if ((options.outputMode == OutputMode::Prefix && options.txtPrefix.isEmpty())
        || (options.outputMode == OutputMode::Suffix && options.txtSuffix.isEmpty()))
        usageError(Cli::tr("the prefix or suffix is empty"));
    if ((options.outputMode == OutputMode::Prefix && !isUsableNameAffix(options.txtPrefix))
        || (options.outputMode == OutputMode::Suffix && !isUsableNameAffix(options.txtSuffix)))
        usageError(Cli::tr("the prefix or suffix must be part of a file name: it cannot hold '/'"));
    if (!options.tags.chkCleanAll && !options.tags.anyGroupTicked())
        usageError(options.tags.chkCleanICC ? Cli::tr("nothing to remove: the colour profile is kept (see --keep)")
                                            : Cli::tr("nothing to remove"));
    if (parser.isSet(removeOption) && options.tags.chkCleanICC && options.tags.keepColourProfile
        && !options.tags.chkCleanAll)
        printErr(Cli::tr("quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it")
                 + u'\n');

    int jobs = QThread::idealThreadCount();
    if (parser.isSet(jobsOption)) {
        bool ok = false;
        jobs = parser.value(jobsOption).toInt(&ok);
        if (!ok || jobs < 1 || jobs > 64)
            usageError(Cli::tr("--jobs takes a number from 1 to 64"));
    }

    options.verify = !parser.isSet(noVerifyOption);
    const QString reportPath = parser.value(reportOption);
    if (parser.isSet(reportOption) && reportPath.isEmpty())
        usageError(Cli::tr("--report takes a file name or '-'"));
    const bool reportToStdout = reportPath == u"-";
    // With the report on standard output, everything for a person goes to standard error.
    const auto printSummary = [reportToStdout](const QString &text) {
        if (reportToStdout)
            printErr(text);
        else
            printOut(text);
    };
    const auto writeReport = [&](const QList<FileOutcome> &outcomes) {
        if (reportPath.isEmpty())
            return true;
        const QByteArray json = runReportJson(outcomes);
        if (reportToStdout) {
            std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
            std::fflush(stdout);
            return true;
        }
        QSaveFile file(QDir::current().absoluteFilePath(reportPath));
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            printErr(Cli::tr("quillmark-cli: cannot write the report %1: %2").arg(reportPath, file.errorString()) + u'\n');
            return false;
        }
        return true;
    };

    QStringList paths = parser.positionalArguments();
    if (parser.isSet(nullOption) && !parser.isSet(filesFromOption))
        usageError(Cli::tr("--null needs --files-from"));
    for (const QString &list : parser.values(filesFromOption)) {
        const std::optional<QStringList> listed = readPathList(list, parser.isSet(nullOption));
        if (!listed)
            usageError(Cli::tr("cannot read the list %1").arg(list));
        paths += *listed;
    }
    if (paths.isEmpty() && !parser.isSet(filesFromOption))
        usageError(Cli::tr("no image files or folders given"));
    // Listing a large tree takes a while; a stop signal ends it within a few directory
    // entries, and the run ends as a stopped run does, with a report of what was found.
    Progress progress;
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
            outcomes.append(FileOutcome{image, QString(), FileStatus::Skipped, {}, CleanJob::notRunMessage()});
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
    if (env.exiftool.isEmpty()) {
        printErr(Cli::tr("quillmark-cli: ExifTool was not found. Install it (Debian package "
                    "libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.")
                 + u'\n');
        return ExitInternal;
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
                job.requestStop();
            } else if (byte == SIGINT) {
                job.requestStop();
            }
        }
    };
    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (signalsHandled) {
        signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, &app, readSignals);
    }
    const bool overwriteExisting = parser.isSet(overwriteOption);
    job.setOverwriteQuestion([overwriteExisting] { return overwriteExisting; });
    QObject::connect(&job, &CleanJob::statusChanged, &app, [&progress](const QString &c) { progress.status(c); });
    QObject::connect(&job, &CleanJob::progressChanged, &app, [&progress](int p) { progress.percent(p); });
    const JobResult result = job.CleanImages(images);
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
            failed << FileOutcome{image, QString(), FileStatus::Failed, {}, result.errorDetail};
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
    const bool namedSkipped = std::any_of(outcomes.cbegin(), outcomes.cend(), [&named](const FileOutcome &o) {
        return o.status == FileStatus::Skipped && named.contains(o.input);
    });
    if (signalStatus != 0)
        return signalStatus;
    if (result.problemCount > 0 || totals.residue > 0 || totals.unchanged > 0 || totals.failed > 0
        || !leftOut.isEmpty() || namedSkipped || !reportWritten)
        return ExitProblems;
    return ExitOk;
}
