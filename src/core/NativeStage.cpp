#include "core/NativeStage.h"

std::unique_ptr<NativeStage> NativeStage::create(const TagOptions &tags, QObject *parent)
{
    const std::optional<NativeKeep> keep = nativeKeepFor(tags);
    if (!keep)
        return nullptr;
    return std::unique_ptr<NativeStage>(new NativeStage(*keep, parent));
}

NativeStage::NativeStage(const NativeKeep &keep, QObject *parent)
    : QObject(parent)
    , m_keep(keep)
{
}

NativeStage::~NativeStage()
{
    m_cancelled.store(true);
    m_threads.clear();
    m_threads.waitForDone();
}

void NativeStage::submit(int batch, const QList<Task> &tasks)
{
    m_threads.start([this, batch, tasks] {
        QList<Result> results;
        results.reserve(tasks.size());
        for (const Task &task : tasks) {
            Result r;
            r.index = task.index;
            if (m_cancelled.load()) {
                results << r;
                continue;
            }
            r.result = writeNativeClean(task.input, task.output, m_keep, &r.why);
            results << r;
            const bool written = r.result == NativeResult::Written;
            QMetaObject::invokeMethod(
                this, [this, batch, index = r.index, written] { Q_EMIT imageWritten(batch, index, written); },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this, [this, batch, results] { Q_EMIT batchWritten(batch, results); }, Qt::QueuedConnection);
    });
}
