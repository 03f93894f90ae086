#include "core/NativeStage.h"

#include "core/KeepValues.h"

using namespace Qt::StringLiterals;

std::unique_ptr<NativeStage> NativeStage::create(const TagOptions &tags, QObject *parent)
{
    const std::optional<NativeKeep> keep = nativeKeepFor(tags);
    if (!keep)
        return nullptr;
    return std::unique_ptr<NativeStage>(new NativeStage(tags, *keep, parent));
}

NativeStage::NativeStage(const TagOptions &tags, const NativeKeep &keep, QObject *parent)
    : QObject(parent)
    , m_tags(tags)
    , m_keep(keep)
{
}

NativeStage::~NativeStage()
{
    m_cancelled->store(true);
    m_threads.clear();
    m_threads.waitForDone();
}

void NativeStage::submit(int batch, const QList<Task> &tasks)
{
    ++m_running;
    m_threads.start([this, batch, tasks, tags = m_tags, keep = m_keep, cancelled = m_cancelled] {
        QList<Result> results;
        results.reserve(tasks.size());
        for (const Task &task : tasks) {
            Result r;
            r.index = task.index;
            if (cancelled->load()) {
                results << r;
                continue;
            }
            NativeKeep own = keep;
            if (keep.look && isJpegFile(task.input)) {
                // The kept orientation and colour space go into a minimal Exif segment, read
                // as the ExifTool path reads them; a file that reader declines is ExifTool's.
                const std::optional<JpegKeepValues> values = readJpegKeepValues(task.input);
                if (!values) {
                    r.why = u"its kept values are left to ExifTool"_s;
                    results << r;
                    continue;
                }
                own.lookExif = buildLookExif(tags, *values);
            }
            r.result = writeNativeClean(task.input, task.output, own, &r.why);
            results << r;
        }
        QMetaObject::invokeMethod(
            this,
            [this, batch, results] {
                --m_running;
                Q_EMIT batchWritten(batch, results);
            },
            Qt::QueuedConnection);
    });
}
