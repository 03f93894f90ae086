// The command line of quillmark-cli: its options and their texts, what they are checked
// against, the path lists it reads and the images it names.

#include "core/CliOptions.h"

#include "core/ConsoleRunner.h"
#include "core/FileDate.h"
#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/PathList.h"
#include "core/SettingsStore.h"
#include "core/StoredOptions.h"
#include "core/SystemFolders.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

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
        o.outputFolder = QDir::current().absoluteFilePath(text);
    } else if (kind == u"prefix") {
        o.outputMode = OutputMode::Prefix;
        o.prefix = text;
    } else if (kind == u"suffix") {
        o.outputMode = OutputMode::Suffix;
        o.suffix = text;
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
    chosen.all = chosen.exif = chosen.gps = chosen.thumbnail = false;
    chosen.xmp = chosen.iptc = chosen.icc = chosen.photoshop = false;
    chosen.ifd0 = chosen.geoTiff = chosen.adobeApp14 = chosen.other = false;
    for (const QString &raw : names) {
        const QString n = raw.trimmed().toLower();
        bool *box = n == u"all" ? &chosen.all
            : n == u"exif"      ? &chosen.exif
            : n == u"gps"       ? &chosen.gps
            : n == u"thumbnail" ? &chosen.thumbnail
            : n == u"xmp"       ? &chosen.xmp
            : n == u"iptc"      ? &chosen.iptc
            : n == u"icc"       ? &chosen.icc
            : n == u"photoshop" ? &chosen.photoshop
            : n == u"ifd0"      ? &chosen.ifd0
            : n == u"geotiff"   ? &chosen.geoTiff
            : n == u"app14"     ? &chosen.adobeApp14
            : n == u"other"     ? &chosen.other
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
        o.resetFileDates = false;
        return true;
    }
    if (value == u"random") {
        o.resetFileDates = true;
        o.randomDate = true;
        return true;
    }
    static const QRegularExpression re(u"^(\\d{4})-(\\d{1,2})-(\\d{1,2})[ T](\\d{1,2}):(\\d{1,2}):(\\d{1,2})$"_s);
    const auto m = re.match(value.trimmed());
    if (!m.hasMatch())
        return false;
    FixedFileDate d;
    const QString parts[6] = {m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5), m.captured(6)};
    QString *targets[6]
        = {&d.sSetDateYear, &d.sSetDateMonth, &d.sSetDateDay, &d.sSetDateHour, &d.sSetDateMin, &d.sSetDateSec};
    for (int i = 0; i < 6; ++i) {
        QString message;
        const auto accepted = FileDate::validateDateAnswer(i, parts[i], &message);
        if (!accepted)
            return false;
        *targets[i] = QString::number(parts[i].toInt());
    }
    if (!FileDate::fixedDateTime(d))
        return false;
    o.resetFileDates = true;
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

bool g_quiet = false;

} // namespace

namespace CliOptions {

void setQuiet(bool quiet)
{
    g_quiet = quiet;
}

void printNote(const QString &text)
{
    if (!g_quiet)
        printErr(text);
}

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

Request parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Cli::tr(
        "Removes metadata (Exif, GPS, thumbnails, XMP, IPTC, ICC, ...) from image files with ExifTool,\n"
        "and from MOV and MP4 videos by remuxing them with ffmpeg.\n"
        "Folders are walked with all their sub-folders.\n\n"
        "Every output is checked afterwards; what identifying metadata is left is reported.\n\n"
        "Exit status: 0 done and clean, 1 problems were reported, identifying metadata is left, an image was\n"
        "left unchanged or could not be cleaned, a file named on the command line was skipped, or a file found\n"
        "in a folder was left out (a video type not cleaned, a type ExifTool cannot write, a path too long);\n"
        "2 bad usage or nothing to clean, 3 internal error;\n"
        "stopped by SIGINT, SIGTERM or SIGHUP: 130, 143 or 129 (a second SIGINT stops at once)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"PATH"_s, Cli::tr("Image files and folders to clean."), Cli::tr("PATH..."));
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
        Cli::tr("File dates of the cleaned files: keep, random or \"YYYY-MM-DD HH:MM:SS\" (default keep)."), u"WHEN"_s);
    const QCommandLineOption moveFailedOption(u"move-failed"_s,
        Cli::tr("Move the originals of images that could not be cleaned: trash, or a folder."), u"WHERE"_s);
    const QCommandLineOption overwriteOption(
        u"overwrite-existing"_s, Cli::tr("Replace cleaned files that already exist (by default they are kept)."));
    const QCommandLineOption strictOption(u"strict"_s, Cli::tr("Do not ignore minor errors and warnings."));
    const QCommandLineOption settingsOption(u"settings"_s,
        Cli::tr("Start from the options stored by the Quillmark window; options given here still apply."));
    const QCommandLineOption jobsOption(
        u"jobs"_s, Cli::tr("ExifTool processes at once (default: the number of cores)."), u"N"_s);
    const QCommandLineOption reportOption(u"report"_s,
        Cli::tr("Write a JSON report of every image's outcome to FILE ('-' for standard output; the summary then "
                "goes to standard error)."),
        u"FILE"_s);
    const QCommandLineOption noVerifyOption(
        u"no-verify"_s, Cli::tr("Do not check the cleaned files for identifying metadata that is left (faster)."));
    const QCommandLineOption engineOption(u"engine"_s,
        Cli::tr("Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark's own writer where it can, "
                "the rest by ExifTool) or exiftool (every file by ExifTool) (default auto)."),
        u"ENGINE"_s);
    const QCommandLineOption filesFromOption(u"files-from"_s,
        Cli::tr("Also clean the paths listed in FILE, one a line (\"-\" reads standard input)."), u"FILE"_s);
    const QCommandLineOption nullOption(
        u"null"_s, Cli::tr("Paths in the --files-from list end with NUL, not a line break."));
    const QCommandLineOption quietOption({u"q"_s, u"quiet"_s},
        Cli::tr("Print only the summary (nothing with --report -); errors that end the run are still printed."));
    const QCommandLineOption dryRunOption({u"n"_s, u"dry-run"_s},
        Cli::tr("Say what would be cleaned, where each output would go and what each image carries now; "
                "write nothing."));
    const QCommandLineOption showOption(u"show"_s,
        Cli::tr("List the identifying metadata each file carries, as the metadata viewer does; change nothing."));
    parser.addOptions({outputOption, removeOption, keepOption, datesOption, moveFailedOption, overwriteOption,
        strictOption, settingsOption, jobsOption, reportOption, noVerifyOption, engineOption, filesFromOption,
        nullOption, quietOption, dryRunOption, showOption});
    if (!parser.parse(arguments))
        usageError(parser.errorText());
    // process() is what prints Qt's own options too; given only --help-all, it does just that.
    if (parser.isSet(u"help-all"_s))
        parser.process(QStringList {arguments.value(0), u"--help-all"_s});
    if (parser.isSet(u"help"_s))
        parser.showHelp(ExitOk);
    if (parser.isSet(u"version"_s))
        parser.showVersion();

    Request request;
    JobOptions &options = request.options;
    request.quiet = parser.isSet(quietOption);
    request.dryRun = parser.isSet(dryRunOption);
    request.show = parser.isSet(showOption);
    setQuiet(request.quiet);
    if (request.dryRun && request.show)
        usageError(Cli::tr("--dry-run and --show cannot be used together"));
    if (parser.isSet(settingsOption)) {
        SettingsStore store(programFolder());
        store.DetectPortableMode();
        // Read anyway, it would give the defaults, which are not the options asked for.
        if (store.isOversized()) {
            printErr(Cli::tr("quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read")
                         .arg(store.settingsFilePath())
                + u'\n');
            request.exitStatus = ExitUsage;
            return request;
        }
        options = readStoredOptions(store).job;
        if (options.outputMode == OutputMode::Folder && QDir::isRelativePath(options.outputFolder))
            options.outputFolder = QDir(programFolder()).absoluteFilePath(options.outputFolder);
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
        options.moveProblemFiles = true;
        options.problemTarget = where == u"trash" ? 0 : 1;
        if (where != u"trash")
            options.problemFolder = QDir::current().absoluteFilePath(where);
    }
    if (parser.isSet(strictOption))
        options.ignoreMinorWarnings = false;
    if (options.outputMode == OutputMode::Folder && options.outputFolder.trimmed().size() < 2)
        usageError(Cli::tr("no output folder given"));
    if ((options.outputMode == OutputMode::Prefix && options.prefix.isEmpty())
        || (options.outputMode == OutputMode::Suffix && options.suffix.isEmpty()))
        usageError(Cli::tr("the prefix or suffix is empty"));
    if ((options.outputMode == OutputMode::Prefix && !isUsableNameAffix(options.prefix))
        || (options.outputMode == OutputMode::Suffix && !isUsableNameAffix(options.suffix)))
        usageError(Cli::tr("the prefix or suffix must be part of a file name: it cannot hold '/'"));
    if (!options.tags.all && !options.tags.anyGroupTicked())
        usageError(options.tags.icc ? Cli::tr("nothing to remove: the colour profile is kept (see --keep)")
                                    : Cli::tr("nothing to remove"));
    if (parser.isSet(removeOption) && options.tags.icc && options.tags.keepColourProfile && !options.tags.all)
        printNote(
            Cli::tr("quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it") + u'\n');

    int &jobs = request.jobs;
    jobs = QThread::idealThreadCount();
    if (parser.isSet(jobsOption)) {
        bool ok = false;
        jobs = parser.value(jobsOption).toInt(&ok);
        if (!ok || jobs < 1 || jobs > 64)
            usageError(Cli::tr("--jobs takes a number from 1 to 64"));
    }

    options.verify = !parser.isSet(noVerifyOption);
    if (parser.isSet(engineOption)) {
        const QString engine = parser.value(engineOption);
        if (engine != u"auto" && engine != u"exiftool")
            usageError(Cli::tr("--engine takes auto or exiftool"));
        options.nativeWriter = engine == u"auto";
    }
    request.reportPath = parser.value(reportOption);
    const QString &reportPath = request.reportPath;
    if (parser.isSet(reportOption) && reportPath.isEmpty())
        usageError(Cli::tr("--report takes a file name or '-'"));
    request.overwriteExisting = parser.isSet(overwriteOption);
    QStringList &paths = request.paths;
    paths = parser.positionalArguments();
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
    // A list that came out empty (split -n l/64 makes such chunks) has nothing to clean,
    // which is no failure.
    if (paths.isEmpty())
        request.emptyLists = parser.values(filesFromOption);
    return request;
}

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
            printNote(u"quillmark-cli: "_s + raw + u": "_s + o.message + u'\n');
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
            printNote(Cli::tr("quillmark-cli: %1: no such file or folder").arg(raw) + u'\n');
        } else if (!ImageFiles::isSupportedImageFile(path)) {
            printNote(Cli::tr("quillmark-cli: %1: not a supported image; skipped").arg(raw) + u'\n');
            const ImageFiles::LeftOutKind kind
                = ImageFiles::mediaLeftOut(path).value_or(ImageFiles::LeftOutKind::NotAnImage);
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

} // namespace CliOptions
