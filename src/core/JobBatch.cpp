#include "core/CleanJobItem_p.h"
#include "core/ContainerScan.h"
#include "core/ExifToolPool.h"
#include "core/JobFiles.h"
#include "core/KeepValues.h"
#include "core/NativePath.h"
#include "core/OutputVerifier.h"
#include "core/Staging.h"

#include <QScopeGuard>
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

QList<QStringList> CleanJob::commandsFor(int batch, int first, int count)
{
    QStringList options;
    if (m_options.chkIgnoreMinorWarnings)
        options << u"-m"_s;
    options << u"-P"_s;

    // Raw and Photoshop files get the named deletions too, in commands of their own, so
    // the other images do not pay for them.
    const QStringList tagLines = BuildTagArguments(m_options.tags);
    const QStringList rawLines = RawDeleteArguments(m_options.tags);
    const bool copiesBack = tagLines.contains(u"-tagsfromfile"_s);
    const QStringList jpegLines = JpegTagArguments(tagLines, m_options.tags);
    const bool jpegsDiffer = jpegLines != tagLines;
    // The tag lines of one image. A JPEG's orientation and colour-space values are read
    // here, ExifTool writes a placeholder of their size, and they go into it once the
    // output is written: ExifTool's own copy ("-tagsfromfile @") reads every image a
    // second time, and even plain values make it build a new Exif block at about 1.5 ms
    // per tag and image. Images with the same values share a command.
    const auto linesFor = [&](Item &item) {
        QStringList lines = tagLines;
        item.lookExif.clear();
        bool jpeg = false;
        if (copiesBack) {
            if (const std::optional<JpegKeepValues> values = readJpegKeepValues(item.etInput)) {
                jpeg = true;
                // The placeholder only where "-all=" removes the comments anyway; where
                // single groups go, the image's own comment stays, and the values are
                // written by ExifTool.
                const bool commentGoes = m_options.tags.chkCleanAll || m_options.tags.chkCleanOther;
                if (!commentGoes) {
                    lines = tagArgumentsWithValues(m_options.tags, *values);
                } else {
                    lines = tagArgumentsWithValues(m_options.tags, JpegKeepValues {});
                    if (hasValuesToKeep(m_options.tags, *values)) {
                        item.lookExif = buildLookExif(m_options.tags, *values);
                        lines << exifPlaceholderArgument(item.lookExif);
                    }
                }
            }
        }
        if (jpegsDiffer && (jpeg || isJpegFile(item.etInput)))
            lines = JpegTagArguments(lines, m_options.tags);
        if (!rawLines.isEmpty() && keepsMetadataUnderDeleteAll(item.etInput))
            lines += rawLines;
        return lines + options;
    };

    QList<QStringList> commands;
    QList<QList<int>> members;
    // The grouped images of the batch, by their tag lines, in the order each first came.
    QList<QStringList> groupLines;
    QList<QStringList> groups;
    QList<QList<int>> groupMembers;
    const QString pattern = stagingPattern(batch);
    const auto closeGroups = [&] {
        for (qsizetype g = 0; g < groups.size(); ++g) {
            commands << groupLines.at(g) + QStringList {u"-o"_s, pattern} + groups.at(g);
            members << groupMembers.at(g);
        }
        groupLines.clear();
        groups.clear();
        groupMembers.clear();
    };
    QSet<QString> taken;
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (!item.open() || !stageItem(item, i, batch, taken))
            continue; // a kept output, or no place to write
        const QStringList lines = linesFor(item);
        if (item.grouped) {
            qsizetype g = groupLines.indexOf(lines);
            if (g < 0) {
                g = groupLines.size();
                groupLines << lines;
                groups << QStringList();
                groupMembers << QList<int>();
            }
            groups[g] << item.etInput;
            groupMembers[g] << i;
            continue;
        }
        closeGroups();
        commands << lines + QStringList {item.etInput, u"-o"_s, item.etOutFolder};
        members << QList<int> {i};
    }
    closeGroups();
    m_batchCommands.insert(batch, members);
    return commands;
}

void CleanJob::failItem(int index, const QString &reason, QString &log)
{
    Item &item = m_items[index];
    if (!item.open())
        return;
    item.state = Item::State::Failed;
    item.reason = reason;
    log += reason + u" - "_s + item.input + u'\n';
}

void CleanJob::completeBatch(int batch, int first, int count, const BatchRun &ran)
{
    PendingBatch &pending = m_pending[batch];
    pending.first = first;
    pending.count = count;
    pending.run = ran;
    BatchRun &run = pending.run;
    QString &errors = run.errorText;
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    const QList<QList<int>> commands = m_batchCommands.take(batch);
    if (ran.notRun) {
        for (int i = first; i < first + count; ++i) {
            if (m_items[i].open())
                m_items[i].state = Item::State::NotRun;
        }
        run.failed = false; // never handed to ExifTool, so never staged either
        pending.done = true;
        return;
    }
    // Images that could not be given a place to be written.
    for (int i = first; i < first + count; ++i)
        if (m_items.at(i).state == Item::State::Failed && m_items.at(i).etResult.isEmpty())
            errors += m_items.at(i).reason + u'\n';

    // When ExifTool died, whatever it did not finish stays in the staging folder and goes
    // with it; images it refused are named in its error lines (see judgeBatch()).
    QList<BatchImage> images;
    for (int i = first; i < first + count; ++i) {
        const Item &item = m_items.at(i);
        BatchImage image;
        image.etInput = item.etInput;
        image.etResult = item.etResult;
        image.open = item.open();
        image.resultExists = ran.processDied && isRegularFile(item.etResult);
        images << image;
    }
    for (qsizetype c = 0; c < commands.size(); ++c) {
        for (int i : commands.at(c))
            images[i - first].command = int(c);
    }
    const QList<ImageVerdict> verdicts = judgeBatch(images, int(commands.size()), ran);
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        const ImageVerdict &verdict = verdicts.at(i - first);
        if (verdict.kind == ImageVerdict::Kind::CutShort) {
            removePath(item.etResult);
            if (m_stop == StopLevel::Hurried)
                item.state = Item::State::NotRun; // stopped on purpose: simply not done
            else
                failItem(i, tr("Error: ExifTool ended before it finished this image"), errors);
        }
    }
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        const ImageVerdict &verdict = verdicts.at(i - first);
        if (verdict.kind == ImageVerdict::Kind::Refused) {
            item.state = Item::State::Failed;
            item.refused = true;
            item.reason = verdict.line;
        }
    }

    // Every other image must have its output; it is completed in the staging folder:
    // the kept orientation and colour space, the original's permissions (in place), the
    // new file date.
    QList<int> ready;
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (!item.open())
            continue;
        if (!isRegularFile(item.etResult)) {
            failItem(i,
                overwrite ? u"Error: The image was not rewritten"_s
                          : u"Error: No output was written to %1"_s.arg(item.output),
                errors);
            continue;
        }
        if (item.etResult != item.staged && !moveFileTo(item.etResult, item.staged)) {
            failItem(i, u"Error: Cannot write %1"_s.arg(item.output), errors);
            continue;
        }
        QString why;
        if (!item.lookExif.isEmpty() && !fillExifPlaceholder(item.staged, item.lookExif, &why)) {
            failItem(i, u"Error: Cannot keep the orientation and colour space (%1)"_s.arg(why), errors);
            continue;
        }
        if (overwrite) {
            // A damaged result never replaces the original.
            const ContainerScan scan = scanContainers(item.staged);
            if (scan.verdict == ContainerScan::Verdict::Broken) {
                failItem(i, tr("Error: The cleaned file would be damaged (%1); the original is kept").arg(scan.problem),
                    errors);
                continue;
            }
            if (!takeOverIdentity(item.staged, item.output, item.before, &why)) {
                failItem(i, tr("Error: The original is kept: %1").arg(why), errors);
                continue;
            }
        }
        if (item.newDate)
            FileDate::SetFileDate(item.staged, *item.newDate);
        pending.ready << i;
    }
    // An original is replaced only by a file that is on the disk: after a power loss it is
    // either the old one or the whole new one. The disk gets to work on them while
    // ExifTool writes the next batch. New outputs are not waited for: an output a power
    // loss cut short is recognised and replaced by the next run (see prepare()).
    if (overwrite && !pending.ready.isEmpty())
        m_staging->startSync(batch);
}

BatchRun CleanJob::placeBatch(int batch)
{
    PendingBatch pending = m_pending.take(batch);
    const auto finishBatch = qScopeGuard([&] { m_staging->release(batch); });
    BatchRun run = pending.run;
    if (pending.done)
        return run;
    QString &errors = run.errorText;
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    const int first = pending.first;
    const int count = pending.count;
    const BatchRun &ran = pending.run;

    // Complete outputs reach the disk before their names do, so a power loss leaves each
    // image either as it was or cleaned.
    if (!pending.ready.isEmpty())
        m_staging->waitForSync(batch);
    for (int i : std::as_const(pending.ready)) {
        Item &item = m_items[i];
        QString why;
        const Placement placed = overwrite ? placeOver(item.staged, item.output, item.before, &why)
                                           : placeNew(item.staged, item.output, item.replaceExisting, &why);
        switch (placed) {
        case Placement::Placed:
            item.state = Item::State::Done;
            break;
        case Placement::Exists:
            failItem(i, u"Error: '%1' already exists"_s.arg(item.output), errors);
            break;
        case Placement::Changed:
            item.state = Item::State::InUse;
            item.reason = tr("Not cleaned: in use by another run or program (%1)").arg(why);
            errors += item.reason + u" - "_s + item.input + u'\n';
            break;
        case Placement::Failed:
            failItem(i, u"Error: Cannot write %1: %2"_s.arg(item.output, why), errors);
            break;
        }
    }

    run.failed = ran.failed && !(ran.processDied && m_stop == StopLevel::Hurried);
    for (int i = first; i < first + count; ++i) {
        const Item::State s = m_items.at(i).state;
        if (s == Item::State::Failed || s == Item::State::InUse)
            run.failed = true;
    }
    if (!run.failed)
        errors.clear(); // warnings of a problem-free batch are not problems

    // Check the finished outputs while ExifTool works on the next batches.
    if (m_verifier) {
        for (int i = first; i < first + count; ++i) {
            const Item &item = m_items.at(i);
            if (item.state == Item::State::Done)
                m_verifier->submit(i, item.input, item.output);
        }
    }

    // The log shows the real names, not the stand-ins and staging files.
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        for (const auto &[from, to] : {std::pair {item.etResult, item.output}, std::pair {item.staged, item.output},
                 std::pair {item.etInput, item.input}}) {
            if (from.isEmpty() || from == to)
                continue;
            errors.replace(from, to);
            item.reason.replace(from, to);
        }
    }
    return run;
}
