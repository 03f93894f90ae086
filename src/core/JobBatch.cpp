#include "core/CleanJobItem_p.h"
#include "core/ContainerScan.h"
#include "core/ExifToolPool.h"
#include "core/ImageFiles.h"
#include "core/JobCommands.h"
#include "core/JobFiles.h"
#include "core/KeepValues.h"
#include "core/NativePath.h"
#include "core/NativeStage.h"
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

bool CleanJob::batchReady(int batch) const
{
    // A batch goes to ExifTool once the native writer is done with it; after a stop, the
    // ones it never started end as not run.
    if (!m_native && !m_video)
        return true;
    if (m_nativeRunning.contains(batch) || m_videoRunning.contains(batch))
        return false;
    return batch < m_nativeNext || stopRequested();
}

void CleanJob::writeNatively()
{
    // A few batches ahead of ExifTool: each is staged here and written on the stage's
    // threads; what the writer declines goes to ExifTool with the rest of its batch. It
    // never runs far ahead of the outputs put in place, so a slow ExifTool batch does not
    // leave a whole folder's outputs waiting in staging (to be thrown away after a stop).
    const int n = int(m_items.size());
    const int batches = int(m_ended.size());
    constexpr int Running = 3;
    constexpr int Ahead = 8;
    // Videos go to ffmpeg the same way, one batch's at a time.
    while ((m_native || m_video) && !stopRequested() && !m_paused && m_nativeRunning.size() < Running
        && m_videoRunning.size() < 2 && m_nativeNext < batches && m_nativeNext < m_nextToTake + Ahead) {
        const int batch = m_nativeNext++;
        const int first = batch * BatchSize;
        QList<NativeStage::Task> tasks;
        QList<VideoStage::Task> videos;
        QSet<QString> taken;
        for (int i = first; i < std::min(n, first + BatchSize); ++i) {
            Item &item = m_items[i];
            if (!item.open() || !stageItem(item, i, batch, taken))
                continue;
            if (item.video && m_video)
                videos << VideoStage::Task {i, item.etInput, item.etResult};
            else if (m_native && hasNativeSuffix(item.input))
                tasks << NativeStage::Task {i, item.etInput, item.etResult};
        }
        m_staged.insert(batch);
        if (!tasks.isEmpty()) {
            m_nativeRunning.insert(batch);
            m_native->submit(batch, tasks);
        }
        if (!videos.isEmpty()) {
            m_videoRunning.insert(batch);
            m_video->submit(batch, videos);
        }
    }
    if (m_pool)
        m_pool->resume();
}

void CleanJob::nativeWritten(int batch, const QList<NativeStageResult> &results)
{
    m_nativeRunning.remove(batch);
    // Declined or failed: ExifTool writes it (and says why when it cannot either).
    for (const NativeStageResult &r : results)
        m_items[r.index].native = r.result == NativeResult::Written;
    writeNatively();
    checkPaused();
}

void CleanJob::videoWritten(int batch, const QList<VideoStage::Result> &results)
{
    m_videoRunning.remove(batch);
    m_partDone = 0;
    // A video ffmpeg could not remux is not handed to ExifTool: what ExifTool leaves of a
    // movie (its dates, its telemetry tracks) is what the remux is for. One a stop cut
    // short was simply not done.
    for (const VideoStage::Result &r : results) {
        Item &item = m_items[r.index];
        if (r.written)
            item.native = true;
        else if (!item.open())
            continue;
        else if (r.why.isEmpty())
            item.state = Item::State::NotRun;
        else {
            item.state = Item::State::Failed;
            item.reason = r.why;
        }
    }
    writeNatively();
    checkPaused();
}

QList<QStringList> CleanJob::commandsFor(int batch, int first, int count)
{
    // Each image is staged, the facts its commands depend on are read from it, and the
    // commands are built from those (buildBatchCommands). The native writer's images
    // were staged before it wrote them, and need no command.
    const CommandNeeds needs = commandNeeds(m_options);
    const bool staged = m_staged.contains(batch);
    QList<CommandImage> images;
    QList<int> indices;
    QSet<QString> taken;
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        item.lookExif.clear();
        if (!item.open() || item.native || (staged ? item.etResult.isEmpty() : !stageItem(item, i, batch, taken)))
            continue; // a kept output, written already, or no place to write
        CommandImage image;
        image.etInput = item.etInput;
        image.etOutFolder = item.etOutFolder;
        image.grouped = item.grouped;
        if (needs.keepValues)
            image.keepValues = readJpegKeepValues(item.etInput);
        image.jpeg = needs.jpeg && (image.keepValues || isJpegFile(item.etInput));
        image.raw = needs.raw && keepsMetadataUnderDeleteAll(item.etInput);
        image.video = ImageFiles::isVideoFile(item.input);
        images << image;
        indices << i;
    }
    const BatchCommands built = buildBatchCommands(m_options, images, stagingPattern(batch));
    QList<QList<int>> members;
    for (const QList<int> &positions : built.members) {
        QList<int> items;
        for (int k : positions)
            items << indices.at(k);
        members << items;
    }
    for (qsizetype k = 0; k < indices.size(); ++k)
        m_items[indices.at(k)].lookExif = built.lookExif.at(k);
    m_batchCommands.insert(batch, members);
    m_counts[batch].commands = members;
    m_counts[batch].commandDone = QList<int>(members.size(), 0);
    return built.commands;
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
        if (m_items.at(i).state == Item::State::Failed && (m_items.at(i).etResult.isEmpty() || m_items.at(i).video))
            errors += m_items.at(i).reason + u'\n';

    // When ExifTool died, whatever it did not finish stays in the staging folder and goes
    // with it; images it refused are named in its error lines (see judgeBatch()).
    QList<BatchImage> images;
    for (int i = first; i < first + count; ++i) {
        const Item &item = m_items.at(i);
        BatchImage image;
        image.etInput = item.etInput;
        image.etResult = item.etResult;
        image.open = item.open() && !item.native;
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
            // A damaged result never replaces the original (the output check, when it runs,
            // scans it anyway and holds it back: see placeBatch()).
            const ContainerScan scan = m_verifier ? ContainerScan() : scanContainers(item.staged);
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
    // Each output is checked where it is, before it takes its place: the original is still
    // there to be compared with, and an output that fails the check never replaces it.
    if (m_verifier) {
        for (int i : std::as_const(pending.ready))
            m_verifier->submit(i, m_items.at(i).input, m_items.at(i).staged);
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
        if (m_verifier && m_verifier->verdict(i).status == FileStatus::Failed) {
            failItem(i, m_verifier->verdict(i).message, errors);
            removePath(item.staged);
            continue;
        }
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
