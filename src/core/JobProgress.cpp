// What a person sees of a run while it goes on (images done, time left, the image at
// hand) and the hold while they decide whether to stop it. Nothing here decides an
// outcome: the counts come from the native writer's images and ExifTool's progress lines,
// and a batch counts whole once it is in place.

#include "core/CleanJobItem_p.h"
#include "core/ExifToolPool.h"
#include "core/JobFiles.h"

#include <algorithm>

void CleanJob::pause()
{
    if (m_phase == Phase::Idle || m_paused || stopRequested())
        return;
    m_paused = true;
    m_pauseHeld = false;
    m_pauseClock.start();
    if (m_pool)
        m_pool->setPaused(true);
    if (m_video)
        m_video->setPaused(true);
    checkPaused();
}

void CleanJob::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedMs += m_pauseClock.elapsed();
    if (m_pool)
        m_pool->setPaused(false);
    if (m_video)
        m_video->setPaused(false);
    if (m_phase == Phase::Cleaning)
        writeNatively(); // which also lets the pool hand out batches again
}

void CleanJob::checkPaused()
{
    if (!m_paused || m_pauseHeld || m_phase != Phase::Cleaning)
        return;
    if ((m_pool && m_pool->runningCount() > 0) || !m_nativeRunning.isEmpty() || (m_video && m_video->isWriting()))
        return;
    // The batch ExifTool finished last waits in staging for the next one (placeAllBut());
    // every other must be in place, so that no output appears while the pause holds.
    const QList<int> pending = m_pending.keys();
    if (std::any_of(pending.cbegin(), pending.cend(), [this](int b) { return b != m_lastEnded; }))
        return;
    m_pauseHeld = true;
    Q_EMIT paused();
}

qint64 CleanJob::activeMs() const
{
    return m_clock.elapsed() - m_pausedMs - (m_paused ? m_pauseClock.elapsed() : 0);
}

void CleanJob::resetProgress(int batches)
{
    m_counts.assign(batches, BatchCount());
    m_done = 0;
    m_current.clear();
    m_pausedMs = 0;
    if (m_paused)
        m_pauseClock.start();
    Q_EMIT progressed(0, int(m_items.size()), -1, QString());
}

void CleanJob::nativeImageWritten(int batch, int index, bool written)
{
    if (batch < 0 || batch >= int(m_counts.size()))
        return;
    BatchCount &c = m_counts[batch];
    c.native += written ? 1 : 0;
    countBatch(batch, c.handled(), index);
}

void CleanJob::commandProgressed(int batch, int command, int begun, bool finished)
{
    if (batch < 0 || batch >= int(m_counts.size()))
        return;
    BatchCount &c = m_counts[batch];
    if (command < 0 || command >= c.commands.size() || c.commands.at(command).isEmpty())
        return;
    // A progress line comes as ExifTool begins an image: the ones before it are done.
    const QList<int> &items = c.commands.at(command);
    const int n = int(items.size());
    const int at = std::clamp(begun - 1, 0, n - 1);
    c.commandDone[command] = std::max(c.commandDone.at(command), finished ? n : at);
    countBatch(batch, c.handled(), finished ? -1 : items.at(at));
}

void CleanJob::batchCounted(int batch)
{
    // In place: every image of it is handled, whatever the progress lines said, except
    // the ones a stop never let it reach.
    const int first = batch * BatchSize;
    const int end = std::min(int(m_items.size()), first + BatchSize);
    int handled = 0;
    for (int i = first; i < end; ++i)
        handled += m_items.at(i).state != Item::State::NotRun ? 1 : 0;
    countBatch(batch, handled, -1);
}

void CleanJob::countBatch(int batch, int done, int current)
{
    BatchCount &c = m_counts[batch];
    const int total = int(m_items.size());
    const int size = std::min(BatchSize, total - batch * BatchSize);
    done = std::clamp(done, c.done, size);
    const int added = done - c.done;
    if (added == 0 && current < 0)
        return;
    c.done = done;
    m_done += added;
    if (current >= 0 && current < total)
        m_current = GetFileName(m_items.at(current).input);
    showProgress();
}

void CleanJob::videoProgressed(int batch, int index, double fraction)
{
    // A video of a few gigabytes takes a while: the bar moves with the bytes ffmpeg has
    // written, as that part of one image.
    if (batch < 0 || batch >= int(m_counts.size()) || index < 0 || index >= int(m_items.size()))
        return;
    m_partDone = std::clamp(fraction, 0.0, 1.0);
    m_current = GetFileName(m_items.at(index).input);
    showProgress();
}

void CleanJob::showProgress()
{
    const int total = int(m_items.size());
    const double done = m_done + m_partDone;
    // An estimate means something once a few images (or a part of a video) are done and a
    // second has passed.
    const qint64 ms = activeMs();
    const bool estimate = ms >= 1000 && m_done < total && (m_done >= 3 || (m_partDone > 0 && done >= 0.05));
    Q_EMIT progressed(m_done, total, estimate ? qint64(ms * (total - done) / done) : -1, m_current);
    const int percent = int(done * 100 / total);
    if (percent > m_percent) {
        m_percent = percent;
        Q_EMIT progressChanged(percent);
    }
}
