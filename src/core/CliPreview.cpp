#include "core/CliPreview.h"

#include "core/CliOptions.h"
#include "core/ConsoleRunner.h"
#include "core/IdentifyingTags.h"
#include "core/ImageFiles.h"
#include "core/MetadataCompare.h"
#include "core/NativePath.h"
#include "core/RunReport.h"
#include "core/SystemFolders.h"
#include "core/VideoRemux.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace CliPreview {

Carried carriedBy(const QString &exiftool, const QString &path)
{
    Carried carried;
    ConsoleRunner runner;
    // "-config ''" first, so a personal ExifTool configuration cannot change the listing.
    // "-ee": what a video's telemetry track holds.
    const bool ran
        = runner.RunExifTool(exiftool, {u"-config"_s, QString(), u"-a"_s, u"-ee"_s, u"-G1"_s, u"-s"_s, path}) == 0;
    const QList<MetadataCompare::Entry> listing = MetadataCompare::parseListing(runner.sConsoleOutput());
    // ExifTool lists what it could of a file it cannot read, and says why under its own name.
    for (const MetadataCompare::Entry &entry : listing) {
        if (entry.group == u"ExifTool" && entry.tag == u"Error") {
            carried.error = entry.value;
            return carried;
        }
    }
    if (!ran) {
        // ExifTool's own words, without the " - PATH" the caller prints anyway.
        static const QRegularExpression error(u"^Error: (.*?)(?: - .*)?$"_s, QRegularExpression::MultilineOption);
        const QString said = runner.sConsoleError().trimmed();
        const auto m = error.match(said);
        carried.error = m.hasMatch() ? m.captured(1).trimmed() : said.section(u'\n', 0, 0);
        return carried;
    }
    carried.read = true;
    carried.items = IdentifyingTags::identifyingItems(listing);
    return carried;
}

QStringList kindsOf(const QList<ResidueItem> &items)
{
    QStringList kinds;
    for (const ResidueItem &item : items) {
        const QString kind = IdentifyingTags::plainName(item.category, item.tag);
        if (!kinds.contains(kind))
            kinds << kind;
    }
    return kinds;
}

QList<FileOutcome> plannedOutcomes(
    const QStringList &images, const JobOptions &options, const QString &programFolder, bool overwriteExisting)
{
    const bool overwrite = options.outputMode == OutputMode::Overwrite;
    QStringList outputs;
    QSet<QString> planned;
    for (const QString &image : images) {
        const QString out = outputPathFor(image, options, programFolder);
        outputs << (options.outputMode == OutputMode::Folder ? untakenOutput(out, planned) : out);
    }
    QSet<QString> made;
    for (qsizetype i = 0; i < images.size() && !overwrite; ++i) {
        if (outputs.at(i) != images.at(i))
            made.insert(outputs.at(i));
    }
    // An earlier output is left out, so it is not an image whose output would be replaced.
    QSet<QString> inputs;
    for (const QString &image : images) {
        if (!made.contains(image))
            inputs.insert(image);
    }
    const bool noRemux = options.tags.all && findFfmpeg().isEmpty();
    QList<FileOutcome> outcomes;
    for (qsizetype i = 0; i < images.size(); ++i) {
        FileOutcome o;
        o.input = images.at(i);
        o.output = outputs.at(i);
        o.status = FileStatus::Skipped;
        if (noRemux && ImageFiles::isVideoFile(o.input)) {
            o.output.clear();
            o.message = CleanJob::tr("Left out: videos need ffmpeg, which is not installed");
        } else if (!overwrite && made.contains(o.input)) {
            o.output.clear();
            o.message = CleanJob::tr("Left out: an earlier output of another image of this run");
        } else if (!overwrite && o.output.compare(o.input, Qt::CaseInsensitive) == 0) {
            o.output.clear();
            o.message = CleanJob::tr("Skipped: the output would replace the image itself");
        } else if (!overwrite && inputs.contains(o.output)) {
            o.output.clear();
            o.message = CleanJob::tr("Skipped: the output would replace another image of this run");
        } else if (!overwrite && !overwriteExisting && PathExists(o.output)) {
            o.message = CleanJob::tr("kept existing output");
        } else {
            o.status = FileStatus::Cleaned;
            o.planned = true;
        }
        outcomes << o;
    }
    return outcomes;
}

int show(const QStringList &paths, const QString &exiftool, const Sink &sink)
{
    QStringList files;
    for (const QString &raw : paths) {
        const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(raw));
        if (FolderExists(path))
            files += CliOptions::collectImages({path}, [] { return true; }).images;
        else
            files << path;
    }
    // Written by hand, as the run's report is, so the keys keep their documented order.
    const auto text = [](const QJsonValue &v) {
        const QByteArray array = QJsonDocument(QJsonArray {v}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2);
    };
    QByteArray json = "{\"version\":1,\"files\":[";
    QString words;
    int unread = 0;
    for (qsizetype f = 0; f < files.size(); ++f) {
        const QString &file = files.at(f);
        const Carried carried = carriedBy(exiftool, file);
        json += f ? ",\n" : "\n";
        json += "{\"input\":" + text(printablePath(file));
        if (holdsStrayBytes(file))
            json += ",\"input_bytes\":" + text(QString::fromLatin1(encodePath(file).toBase64()));
        json += ",\"read\":" + QByteArray(carried.read ? "true" : "false") + ",\"items\":[";
        if (!carried.read) {
            ++unread;
            CliOptions::printNote(Cli::tr("quillmark-cli: %1: cannot be read: %2").arg(file, carried.error) + u'\n');
            json += "],\"summary\":null,\"message\":" + text(printablePath(carried.error)) + '}';
            continue;
        }
        const QString summary = IdentifyingTags::revealSummary(carried.items, ImageFiles::isVideoFile(file));
        words += (words.isEmpty() ? QString() : u"\n"_s) + file + u'\n' + summary + u'\n';
        for (qsizetype i = 0; i < carried.items.size(); ++i) {
            const ResidueItem &item = carried.items.at(i);
            const QString kind = IdentifyingTags::plainName(item.category, item.tag);
            words += Cli::tr("  %1: %2 = %3").arg(kind, item.tag, item.value) + u'\n';
            json += (i ? "," : "") + QByteArray("{\"category\":") + text(categoryName(item.category))
                + ",\"kind\":" + text(kind) + ",\"tag\":" + text(item.tag) + ",\"value\":" + text(item.value) + '}';
        }
        json += "],\"summary\":" + text(summary) + ",\"message\":null}";
    }
    json += "\n]}\n";
    sink.summary(words); // the listing is what was asked for, --quiet or not
    const bool reported = !sink.wantsReport || sink.report(json);
    return unread > 0 || !reported ? CliOptions::ExitProblems : CliOptions::ExitOk;
}

int dryRun(const QStringList &images, const QList<FileOutcome> &leftOut, const JobOptions &options,
    const QString &exiftool, const QString &programFolder, bool overwriteExisting, const Sink &sink)
{
    QList<FileOutcome> outcomes = plannedOutcomes(images, options, programFolder, overwriteExisting);
    QString words;
    int planned = 0;
    for (FileOutcome &o : outcomes) {
        if (!o.planned) {
            words += Cli::tr("%1: %2").arg(o.input, o.message) + u'\n';
            continue;
        }
        ++planned;
        words += Cli::tr("%1 -> %2").arg(o.input, o.output) + u'\n';
        // What it carries now goes into the report's items too: what the run would remove.
        const Carried carried = carriedBy(exiftool, o.input);
        o.residue = carried.items;
        if (!carried.read)
            o.message = Cli::tr("It cannot be read: %1").arg(carried.error);
        const QStringList kinds = kindsOf(carried.items);
        words += (!carried.read            ? u"  "_s + o.message
                         : kinds.isEmpty() ? Cli::tr("  It carries nothing identifying.")
                                           : Cli::tr("  It carries: %1").arg(kinds.join(Cli::tr(", "))))
            + u'\n';
    }
    for (const FileOutcome &o : leftOut)
        words += Cli::tr("%1: %2").arg(o.input, o.message) + u'\n';
    const QString count = QLocale().toString(planned);
    const QString line = planned == 1
        ? Cli::tr("1 image would be cleaned; nothing was written.")
        : Cli::tr("%1 images would be cleaned; nothing was written.", nullptr, planned).arg(count);
    sink.summary((sink.quiet ? QString() : words) + line + u'\n');
    const bool reported = !sink.wantsReport || sink.report(runReportJson(outcomes + leftOut));
    return reported ? CliOptions::ExitOk : CliOptions::ExitProblems;
}

} // namespace CliPreview
