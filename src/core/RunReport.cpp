#include "core/RunReport.h"

#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/ResidueClassifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// A name's bytes that are not UTF-8 cannot stand in JSON text; they are written as \xNN,
// as everywhere else the run names a file.
QJsonValue pathOrNull(const QString &path)
{
    return path.isEmpty() ? QJsonValue(QJsonValue::Null)
                          : QJsonValue(printablePath(QDir::cleanPath(QDir::current().absoluteFilePath(path))));
}

} // namespace

OutcomeTotals outcomeTotals(const QList<FileOutcome> &outcomes)
{
    OutcomeTotals t;
    for (const FileOutcome &o : outcomes) {
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
        out += "{\"input\":" + text(pathOrNull(o.input)) + ",\"output\":" + text(pathOrNull(o.output))
            + ",\"status\":" + text(statusName(o.status)) + ",\"residue\":[";
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
        + ",\"failed\":" + QByteArray::number(t.failed) + ",\"skipped\":" + QByteArray::number(t.skipped) + "}}\n";
    return out;
}

QString residueLine(int residueCount)
{
    if (residueCount <= 0)
        return {};
    return residueCount == 1
        ? QCoreApplication::translate("RunReport", "1 image still carries identifying metadata.")
        : QCoreApplication::translate("RunReport", "%1 images still carry identifying metadata.").arg(residueCount);
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
            return n == 1 ? QCoreApplication::translate("RunReport", "1 video")
                          : QCoreApplication::translate("RunReport", "%n videos", nullptr, n);
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
