#include "core/CleanJobItem_p.h"
#include "core/JobFiles.h"
#include "core/NativePath.h"
#include "core/OutputVerifier.h"
#include "core/Staging.h"
#include "core/SystemFolders.h"
#include "core/Trash.h"

#include <QDir>
#include <QSet>
#include <algorithm>
#include <climits>
#include <cmath>
#include <dirent.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace JobDetail;

QString summaryText(int processedCount, qint64 inputBytes, qint64 outputBytes, qint64 seconds, const QLocale &locale)
{
    // Whole sentences, so a translation can order and inflect them as its language needs.
    const QString count = formatNumber(processedCount, locale);
    const qint64 saved = inputBytes - outputBytes;
    QString text;
    if (saved >= 1 && processedCount >= 1) {
        // nearbyint rounds halves to the even neighbour in the default rounding mode.
        const QString kb = formatNumber(std::nearbyint(static_cast<double>(saved) / 1024.0), locale);
        text = processedCount == 1
            ? CleanJob::tr("%1 image processed (%2 KB saved)").arg(count, kb)
            : CleanJob::tr("%1 images processed (%2 KB saved)", nullptr, processedCount).arg(count, kb);
    } else {
        text = processedCount == 1 ? CleanJob::tr("%1 image processed").arg(count)
                                   : CleanJob::tr("%1 images processed", nullptr, processedCount).arg(count);
    }
    if (processedCount > 0) {
        const double average = std::nearbyint(static_cast<double>(seconds) / processedCount * 100.0) / 100.0;
        // The count picks the plural form in languages that need one ("1 Sekunde"); English
        // picks its singular here, so it reads right without its catalogue too.
        const int pluralOf = static_cast<int>(std::min<qint64>(seconds, std::numeric_limits<int>::max()));
        const QString in = pluralOf == 1 ? CleanJob::tr("in %1 second (%2 sec avg)")
                                         : CleanJob::tr("in %1 seconds (%2 sec avg)", nullptr, pluralOf);
        text += crlf + in.arg(formatNumber(static_cast<double>(seconds), locale), formatNumber(average, locale));
    }
    return text;
}

void CleanJob::applyVerdicts()
{
    JobResult &result = m_result;
    if (m_verifier) {
        for (qsizetype k = 0; k < result.outcomes.size(); ++k) {
            const int i = m_outcomeItem.value(k, -1);
            if (i >= 0 && result.outcomes.at(k).status == FileStatus::Cleaned)
                m_verifier->applyVerdict(i, result.outcomes[k]);
        }
    }
    // The file's other names: those of a hard-linked original still show the old file.
    // (An output whose check failed never took its place; see placeBatch().)
    for (qsizetype k = 0; k < result.outcomes.size(); ++k) {
        const int i = m_outcomeItem.value(k, -1);
        if (i < 0)
            continue;
        FileOutcome &o = result.outcomes[k];
        const Item &item = m_items.at(i);
        if (item.before.links > 1 && o.status == FileStatus::Cleaned)
            o.status = FileStatus::Residue;
        if (!item.note.isEmpty() && o.status != FileStatus::Failed)
            o.message = o.message.isEmpty() ? item.note : item.note + u"; "_s + o.message;
    }
}

bool CleanJob::checkStep()
{
    JobResult &result = m_result;
    const int end = std::min(int(m_items.size()), int(m_itemOutcomes.size()) + SliceSize);
    for (int i = int(m_itemOutcomes.size()); i < end; ++i) {
        const Item &item = m_items.at(i);
        FileOutcome outcome;
        outcome.input = item.input;
        switch (item.state) {
        case Item::State::Declined:
            outcome.status = FileStatus::Skipped;
            outcome.output = item.output;
            outcome.message = tr("kept existing output");
            break;
        case Item::State::Waiting:
        case Item::State::NotRun:
            outcome.status = FileStatus::Skipped;
            outcome.message = notRunMessage();
            outcome.notRun = true;
            break;
        case Item::State::InUse:
            outcome.status = FileStatus::Skipped;
            outcome.message = item.reason;
            break;
        case Item::State::Failed:
            outcome.status = FileStatus::Failed;
            outcome.message = item.reason;
            break;
        case Item::State::Done:
            outcome.status = FileStatus::Cleaned;
            outcome.output = item.output;
            outcome.writer = item.video ? u"ffmpeg"_s : item.native ? u"native"_s : u"exiftool"_s;
            ++result.processedCount;
            result.inputBytes += item.inputSize;
            result.outputBytes += std::max<qint64>(0, fileSize(item.output));
            result.cleanedFiles << CleanedFile {GetFileName(item.output), item.output, item.input};
            break;
        }
        m_itemOutcomes << outcome;
    }
    if (m_itemOutcomes.size() < m_items.size())
        return false;
    // Merge the inputs that never became items back in, in the order of the images.
    const QList<FileOutcome> &outcomes = m_itemOutcomes;
    result.outcomes.clear();
    m_outcomeItem.clear();
    qsizetype k = 0;
    for (qsizetype j = 0; j < outcomes.size() || k < m_leftOut.size();) {
        if (k < m_leftOut.size() && (j >= outcomes.size() || m_leftOutAt.at(k) < m_items.at(j).order)) {
            result.outcomes << m_leftOut.at(k++);
            m_outcomeItem << -1;
        } else {
            m_outcomeItem << int(j);
            result.outcomes << outcomes.at(j++);
        }
    }
    return true;
}

void CleanJob::moveProblemFiles(JobResult &result)
{
    const bool toTrash = m_options.problemTarget == 0;
    QString folder = m_options.problemFolder.trimmed();
    QString folderProblem;
    if (!toTrash) {
        if (folder.isEmpty()) {
            folderProblem = tr("no folder for problem files was given");
        } else {
            if (QDir::isRelativePath(folder))
                folder = joinPath(m_env.programFolder, folder);
            if (!folder.endsWith(u'/'))
                folder += u'/';
            if (!FolderExists(folder) && !QDir().mkdir(folder))
                folderProblem = tr("the folder %1 cannot be created").arg(folder);
        }
    }
    QHash<QString, qsizetype> outcomeOf;
    for (qsizetype k = 0; k < result.outcomes.size(); ++k)
        outcomeOf.insert(result.outcomes.at(k).input, k);
    for (const QString &failed : std::as_const(result.failedImages)) {
        QString why = folderProblem;
        QString target;
        bool moved = false;
        if (why.isEmpty() && toTrash) {
            moved = MoveToRecycleBin(failed, &why);
        } else if (why.isEmpty()) {
            target = folder + GetUniqueFileName(folder, GetFileName(failed));
            moved = moveFileTo(failed, target, &why);
        }
        // The image's own entry in the report says what became of its original.
        const qsizetype k = outcomeOf.value(failed, -1);
        const auto note = [&](const QString &text) {
            if (k >= 0) {
                QString &message = result.outcomes[k].message;
                message = message.isEmpty() ? text : message + u' ' + text;
            }
        };
        if (moved) {
            ++result.movedCount;
            note(
                toTrash ? tr("The original was moved to the trash.") : tr("The original was moved to %1.").arg(target));
        } else {
            ++result.notMovedCount;
            if (why.isEmpty())
                why = toTrash ? tr("the trash refused it") : tr("it cannot be moved there");
            result.logWritten
                = appendToLog(tr("The original could not be moved: %1 - %2").arg(why, failed)) || result.logWritten;
            note(tr("The original could not be moved: %1.").arg(why));
        }
    }
    QStringList caption;
    const int moved = result.movedCount;
    const int notMoved = result.notMovedCount;
    if (moved > 0 && toTrash)
        caption << (moved == 1 ? tr("1 problem file was moved to the trash.")
                               : tr("%n problem files were moved to the trash.", nullptr, moved));
    else if (moved > 0)
        caption << (moved == 1 ? tr("1 problem file was moved to %1.")
                               : tr("%n problem files were moved to %1.", nullptr, moved))
                       .arg(folder);
    if (notMoved > 0 && toTrash)
        caption << (notMoved == 1
                ? tr("1 problem file could not be moved to the trash; the log says why.")
                : tr("%n problem files could not be moved to the trash; the log says why.", nullptr, notMoved));
    else if (notMoved > 0)
        caption << (notMoved == 1
                ? tr("1 problem file could not be moved to %1; the log says why.")
                : tr("%n problem files could not be moved to %1; the log says why.", nullptr, notMoved))
                       .arg(folder.isEmpty() ? tr("a folder") : folder);
    result.errorInfoCaption = caption.join(u' ');
}
