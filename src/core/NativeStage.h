#pragma once

#include "core/NativeWriter.h"
#include "core/TagOptions.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

struct NativeStageResult {
    int index = 0;
    NativeResult result = NativeResult::Declined;
    QString why;
};

// Runs the native writer over whole batches on worker threads: a camera JPEG is megabytes
// to read and write, which must not hold up the event loop. Each batch's results come
// back in one signal, on the stage's thread, each image's also in one of its own.
class NativeStage final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NativeStage)

public:
    struct Task {
        int index = 0; // the caller's key (an image's place in the run)
        QString input;
        QString output; // must not exist
    };
    using Result = NativeStageResult;

    // Nothing when the writer cannot do these tag options (see nativeKeepFor()).
    static std::unique_ptr<NativeStage> create(const TagOptions &tags, QObject *parent = nullptr);
    // Tasks not started yet are dropped, and the ones running are waited for: nothing
    // writes into a staging folder once the stage is gone.
    ~NativeStage() override;

    void submit(int batch, const QList<Task> &tasks);

Q_SIGNALS:
    // One image of a batch is done (before its batch's batchWritten): for a progress display.
    void imageWritten(int batch, int index, bool written);
    void batchWritten(int batch, const QList<NativeStageResult> &results);

private:
    NativeStage(const NativeKeep &keep, QObject *parent);

    NativeKeep m_keep;
    std::atomic<bool> m_cancelled {false}; // the destructor waits for the threads, so they may read it
    QThreadPool m_threads;
};
