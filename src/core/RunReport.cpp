#include "core/RunReport.h"

#include "core/CleanJob.h"
#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/ResidueClassifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// A name's bytes that are not UTF-8 cannot stand in JSON text; they are written as \xNN,
// as everywhere else the run names a file.
QString absolute(const QString &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QJsonValue pathOrNull(const QString &path)
{
    return path.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(printablePath(absolute(path)));
}

} // namespace

OutcomeTotals outcomeTotals(const QList<FileOutcome> &outcomes)
{
    OutcomeTotals t;
    for (const FileOutcome &o : outcomes) {
        if (o.planned) {
            ++t.planned;
            continue;
        }
        switch (o.status) {
        case FileStatus::Cleaned:
            ++t.cleaned;
            break;
        case FileStatus::Residue:
            ++t.residue;
            break;
        case FileStatus::Unchanged:
            ++t.unchanged;
            break;
        case FileStatus::Failed:
            ++t.failed;
            break;
        case FileStatus::Skipped:
            ++t.skipped;
            break;
        }
    }
    return t;
}

QByteArray runReportJson(const QList<FileOutcome> &outcomes)
{
    // Written by hand so the keys keep the documented order (QJsonObject sorts them);
    // QJsonDocument still does the quoting of every value.
    const auto text = [](const QJsonValue &v) {
        const QByteArray array = QJsonDocument(QJsonArray {v}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2);
    };
    QByteArray out = "{\"version\":1,\"files\":[";
    for (qsizetype f = 0; f < outcomes.size(); ++f) {
        const FileOutcome &o = outcomes.at(f);
        out += f ? ",\n" : "\n";
        // A printable name can stand for two files ("caf\xe9.png" is also a name of its
        // own), so a name that is not UTF-8 comes with its exact bytes as well.
        const auto bytesOf = [&text](const char *key, const QString &path) {
            return path.isEmpty() || !holdsStrayBytes(path)
                ? QByteArray()
                : ",\"" + QByteArray(key) + "\":" + text(QString::fromLatin1(encodePath(absolute(path)).toBase64()));
        };
        out += "{\"input\":" + text(pathOrNull(o.input)) + bytesOf("input_bytes", o.input)
            + ",\"output\":" + text(pathOrNull(o.output)) + bytesOf("output_bytes", o.output)
            + ",\"status\":" + text(o.planned ? u"planned"_s : statusName(o.status)) + ",\"residue\":[";
        for (qsizetype r = 0; r < o.residue.size(); ++r) {
            const ResidueItem &i = o.residue.at(r);
            out += (r ? "," : "") + QByteArray("{\"category\":") + text(categoryName(i.category))
                + ",\"tag\":" + text(i.tag) + ",\"value\":" + text(i.value) + "}";
        }
        out += "],\"message\":"
            + text(o.message.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(printablePath(o.message)))
            + ",\"writer\":" + text(o.writer.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(o.writer)) + "}";
    }
    const OutcomeTotals t = outcomeTotals(outcomes);
    out += "\n],\"totals\":{\"cleaned\":" + QByteArray::number(t.cleaned)
        + ",\"residue\":" + QByteArray::number(t.residue) + ",\"unchanged\":" + QByteArray::number(t.unchanged)
        + ",\"failed\":" + QByteArray::number(t.failed) + ",\"skipped\":" + QByteArray::number(t.skipped)
        + (t.planned > 0 ? ",\"planned\":" + QByteArray::number(t.planned) : QByteArray()) + "}}\n";
    return out;
}

QString residueLine(int residueCount)
{
    if (residueCount <= 0)
        return {};
    return residueCount == 1
        ? QCoreApplication::translate("RunReport", "1 image still carries identifying metadata.")
        : QCoreApplication::translate("RunReport", "%1 images still carry identifying metadata.", nullptr, residueCount)
              .arg(residueCount);
}

QString leftOutLine(const QList<FileOutcome> &leftOut)
{
    if (leftOut.isEmpty())
        return {};
    using ImageFiles::LeftOutKind;
    const LeftOutKind order[] = {LeftOutKind::Video, LeftOutKind::UnwritableRaw, LeftOutKind::UnwritableImage,
        LeftOutKind::PathTooLong, LeftOutKind::NotAnImage};
    int counts[std::size(order)] = {};
    for (const FileOutcome &o : leftOut) {
        const LeftOutKind kind = ImageFiles::leftOutKindOf(o.input);
        for (size_t k = 0; k < std::size(order); ++k)
            counts[k] += order[k] == kind ? 1 : 0;
    }
    // English picks its singular here; translations have their plural forms for %n.
    const auto part = [](LeftOutKind kind, int n) {
        switch (kind) {
        case LeftOutKind::Video:
            return n == 1 ? QCoreApplication::translate("RunReport", "1 video of a type not cleaned")
                          : QCoreApplication::translate("RunReport", "%n videos of types not cleaned", nullptr, n);
        case LeftOutKind::UnwritableRaw:
            return n == 1 ? QCoreApplication::translate("RunReport", "1 raw file ExifTool cannot write")
                          : QCoreApplication::translate("RunReport", "%n raw files ExifTool cannot write", nullptr, n);
        case LeftOutKind::UnwritableImage:
            return n == 1 ? QCoreApplication::translate("RunReport", "1 image ExifTool cannot write")
                          : QCoreApplication::translate("RunReport", "%n images ExifTool cannot write", nullptr, n);
        case LeftOutKind::PathTooLong:
            return n == 1
                ? QCoreApplication::translate("RunReport", "1 path longer than the system allows")
                : QCoreApplication::translate("RunReport", "%n paths longer than the system allows", nullptr, n);
        case LeftOutKind::NotAnImage:
            return n == 1
                ? QCoreApplication::translate("RunReport", "1 file that is not a supported image")
                : QCoreApplication::translate("RunReport", "%n files that are not supported images", nullptr, n);
        }
        return QString();
    };
    QStringList parts;
    for (size_t k = 0; k < std::size(order); ++k) {
        if (counts[k] > 0)
            parts << part(order[k], counts[k]);
    }
    const int total = int(leftOut.size());
    return (total == 1 ? QCoreApplication::translate("RunReport", "1 file was left out: %1.")
                       : QCoreApplication::translate("RunReport", "%n files were left out: %1.", nullptr, total))
        .arg(parts.join(u", "_s));
}

QString outcomeDescription(const FileOutcome &o)
{
    QString text;
    switch (o.status) {
    case FileStatus::Cleaned:
        text = QCoreApplication::translate("RunReport", "Cleaned: no identifying metadata left.");
        break;
    case FileStatus::Residue:
        text = QCoreApplication::translate("RunReport", "Identifying metadata is left:");
        break;
    case FileStatus::Unchanged:
        text = QCoreApplication::translate("RunReport", "Unchanged: ExifTool could not remove anything.");
        break;
    case FileStatus::Failed:
        text = QCoreApplication::translate("RunReport", "Failed: no cleaned file was written.");
        break;
    case FileStatus::Skipped:
        text = QCoreApplication::translate("RunReport", "Skipped.");
        break;
    }
    if (const QString left = residueSummary(o.residue, u"\n"_s); !left.isEmpty())
        text += u'\n' + left;
    if (!o.message.isEmpty())
        text += u'\n' + o.message;
    const QString path = o.output.isEmpty() ? o.input : o.output;
    if (!path.isEmpty())
        text += u'\n' + path;
    return text;
}

int outcomeSortRank(FileStatus status)
{
    switch (status) {
    case FileStatus::Residue:
        return 0;
    case FileStatus::Failed:
        return 1;
    case FileStatus::Unchanged:
        return 1;
    case FileStatus::Skipped:
        return 2;
    case FileStatus::Cleaned:
        return 3;
    }
    return 3;
}

OutcomeKind outcomeKind(const FileOutcome &outcome)
{
    switch (outcome.status) {
    case FileStatus::Cleaned:
        return OutcomeKind::Cleaned;
    case FileStatus::Residue:
        return OutcomeKind::Residue;
    case FileStatus::Unchanged:
    case FileStatus::Failed:
        return OutcomeKind::Failed;
    case FileStatus::Skipped:
        break;
    }
    if (outcome.notRun)
        return OutcomeKind::NotReached;
    // Of the images a run skips, only a declined overwrite keeps an output.
    return outcome.output.isEmpty() ? OutcomeKind::LeftOut : OutcomeKind::KeptExisting;
}

QString outcomeKindText(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::Cleaned:
        return QCoreApplication::translate("RunReport", "Cleaned");
    case OutcomeKind::Residue:
        return QCoreApplication::translate("RunReport", "Still identifying");
    case OutcomeKind::Failed:
        return QCoreApplication::translate("RunReport", "Not cleaned");
    case OutcomeKind::LeftOut:
        return QCoreApplication::translate("RunReport", "Left out");
    case OutcomeKind::KeptExisting:
        return QCoreApplication::translate("RunReport", "Output kept");
    case OutcomeKind::NotReached:
        return QCoreApplication::translate("RunReport", "Not reached");
    }
    return {};
}

RunCounts runCounts(const QList<FileOutcome> &outcomes)
{
    RunCounts c;
    for (const FileOutcome &o : outcomes) {
        switch (outcomeKind(o)) {
        case OutcomeKind::Cleaned:
            ++c.cleaned;
            break;
        case OutcomeKind::Residue:
            ++c.residue;
            break;
        case OutcomeKind::Failed:
            ++c.failed;
            break;
        case OutcomeKind::LeftOut:
            ++c.leftOut;
            break;
        case OutcomeKind::KeptExisting:
            ++c.keptExisting;
            break;
        case OutcomeKind::NotReached:
            ++c.notReached;
            break;
        }
    }
    return c;
}

QString plainReason(const FileOutcome &outcome)
{
    QString text = outcome.message.trimmed();
    for (const QString &prefix : {u"Error: "_s, u"Warning: "_s}) {
        if (text.startsWith(prefix))
            text = text.mid(prefix.size());
    }
    // ExifTool names the image last: "... - PATH", or "... from PATH".
    if (!outcome.input.isEmpty() && text.endsWith(u" - "_s + outcome.input))
        text.chop(outcome.input.size() + 3);
    else if (!outcome.input.isEmpty() && text.endsWith(u' ' + outcome.input))
        text.chop(outcome.input.size() + 1);
    // ExifTool's words for the common cases, said the way a person would.
    static const QRegularExpression looksLike(u"^Not a valid (\\S+) \\(looks more like an? (\\S+)\\)$"_s);
    static const QRegularExpression notValid(u"^Not a valid (\\S+)$"_s);
    static const QRegularExpression corrupted(u"^Corrupted (\\S+) image$"_s);
    if (const auto m = looksLike.match(text); m.hasMatch())
        return QCoreApplication::translate("RunReport", "The file is not a %1 image; it looks like a %2 file.")
            .arg(m.captured(1), m.captured(2));
    if (const auto m = notValid.match(text); m.hasMatch())
        return QCoreApplication::translate("RunReport", "The file is not a valid %1 image.").arg(m.captured(1));
    if (const auto m = corrupted.match(text); m.hasMatch())
        return QCoreApplication::translate("RunReport", "The %1 image is damaged.").arg(m.captured(1));
    if (text == u"File format error"_s)
        return QCoreApplication::translate(
            "RunReport", "The file is damaged or is not the kind of image its name says.");
    if (text == u"No writable tags set from"_s)
        return QCoreApplication::translate(
            "RunReport", "ExifTool had nothing to copy back into the cleaned file (no writable tags set).");
    if (text == u"File is empty"_s)
        return QCoreApplication::translate("RunReport", "The file is empty.");
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString sharedFailureCause(const QList<FileOutcome> &outcomes)
{
    QString shared;
    for (const FileOutcome &o : outcomes) {
        if (outcomeKind(o) != OutcomeKind::Failed)
            continue;
        const QString reason = plainReason(o);
        if (reason.isEmpty() || (!shared.isEmpty() && reason != shared))
            return {};
        shared = reason;
    }
    return shared;
}

// English picks its singular by hand; translations have their plural forms for %n.

QString runHeadline(const RunCounts &c, const RunEnding &ending, const QLocale &locale)
{
    const int images = c.images();
    const int written = c.cleaned + c.residue;
    const auto num = [&locale](int n) { return locale.toString(n); };
    if (ending.internalError)
        return written > 0
            ? QCoreApplication::translate("RunReport", "The run ended on an internal error")
            : QCoreApplication::translate("RunReport", "No image was cleaned: the run ended on an internal error");
    if (written == 0) {
        if (ending.stopped)
            return QCoreApplication::translate("RunReport", "No image was cleaned; the run was stopped");
        if (c.failed > 0 && !ending.sharedCause.isEmpty())
            return QCoreApplication::translate("RunReport", "No image was cleaned: %1").arg(ending.sharedCause);
        if (c.failed > 0)
            return c.failed == 1
                ? QCoreApplication::translate("RunReport", "No image was cleaned; 1 could not be cleaned")
                : QCoreApplication::translate(
                    "RunReport", "No image was cleaned; %1 could not be cleaned", nullptr, c.failed)
                      .arg(num(c.failed));
        return QCoreApplication::translate("RunReport", "No image was cleaned");
    }
    if (c.cleaned == images)
        return images == 1
            ? QCoreApplication::translate("RunReport", "The image was cleaned")
            : QCoreApplication::translate("RunReport", "All %1 images were cleaned", nullptr, images).arg(num(images));
    QString text = images == 1
        ? QCoreApplication::translate("RunReport", "0 of 1 image was cleaned")
        : QCoreApplication::translate("RunReport", "%1 of %2 images were cleaned", nullptr, images)
              .arg(num(c.cleaned), num(images));
    if (ending.stopped)
        return text + QCoreApplication::translate("RunReport", "; the run was stopped");
    if (c.residue > 0)
        text += c.residue == 1
            ? QCoreApplication::translate("RunReport", "; 1 still carries identifying metadata")
            : QCoreApplication::translate("RunReport", "; %1 still carry identifying metadata", nullptr, c.residue)
                  .arg(num(c.residue));
    if (c.failed > 0)
        text += QCoreApplication::translate("RunReport", "; %1 could not be cleaned", nullptr, c.failed)
                    .arg(num(c.failed));
    if (c.keptExisting > 0 && c.residue + c.failed == 0)
        text += c.keptExisting == 1
            ? QCoreApplication::translate("RunReport", "; 1 existing output was kept")
            : QCoreApplication::translate("RunReport", "; %1 existing outputs were kept", nullptr, c.keptExisting)
                  .arg(num(c.keptExisting));
    return text;
}

QStringList runCountLines(const RunCounts &c, const QLocale &locale)
{
    QStringList lines;
    const auto line = [&](int n, const char *one, const char *many) {
        if (n == 1)
            lines << QCoreApplication::translate("RunReport", one);
        else if (n > 1)
            lines << QCoreApplication::translate("RunReport", many, nullptr, n).arg(locale.toString(n));
    };
    line(c.cleaned, QT_TRANSLATE_NOOP("RunReport", "1 image was cleaned."),
        QT_TRANSLATE_N_NOOP("RunReport", "%1 images were cleaned."));
    line(c.residue, QT_TRANSLATE_NOOP("RunReport", "1 image still carries identifying metadata."),
        QT_TRANSLATE_N_NOOP("RunReport", "%1 images still carry identifying metadata."));
    line(c.failed, QT_TRANSLATE_NOOP("RunReport", "1 image could not be cleaned."),
        QT_TRANSLATE_N_NOOP("RunReport", "%1 images could not be cleaned."));
    line(c.notReached, QT_TRANSLATE_NOOP("RunReport", "1 image was not reached before the stop."),
        QT_TRANSLATE_N_NOOP("RunReport", "%1 images were not reached before the stop."));
    line(c.keptExisting, QT_TRANSLATE_NOOP("RunReport", "1 existing output was kept."),
        QT_TRANSLATE_N_NOOP("RunReport", "%1 existing outputs were kept."));
    line(c.leftOut, QT_TRANSLATE_NOOP("RunReport", "1 file was left out."),
        QT_TRANSLATE_N_NOOP("RunReport", "%1 files were left out."));
    return lines;
}

RunDescription describeRun(const JobResult &result, const QList<FileOutcome> &leftOut, const QLocale &locale)
{
    RunDescription d;
    d.rows = result.outcomes;
    if (d.rows.isEmpty()) {
        for (const CleanedFile &file : result.cleanedFiles)
            d.rows.append(FileOutcome {QString(), file.path, FileStatus::Cleaned, {}, {}, false, QString()});
    }
    d.rows += leftOut;
    d.counts = runCounts(d.rows);
    d.headline
        = runHeadline(d.counts, RunEnding {result.stopped, result.internalError, sharedFailureCause(d.rows)}, locale);
    d.countLines = runCountLines(d.counts, locale);
    // What the files left out while adding were is told here.
    if (!leftOut.isEmpty() && d.counts.leftOut == leftOut.size())
        d.countLines.replace(d.countLines.size() - 1, leftOutLine(leftOut));
    // "All 20 images were cleaned" needs no "20 images were cleaned." below it.
    if (d.countLines.size() == 1 && d.counts.cleaned == d.counts.images() && d.counts.leftOut == 0)
        d.countLines.clear();
    return d;
}
