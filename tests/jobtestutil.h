#pragma once

#include "core/CleanJob.h"

#include <QSignalSpy>
#include <QTest>

namespace testutil {

// Runs a job over the images and returns when it is over. The job goes on in this
// thread's event loop, which runs while the helper waits.
inline JobResult runJob(CleanJob &job, const QStringList &images)
{
    QSignalSpy done(&job, &CleanJob::finished);
    job.start(images);
    if (!done.wait(10 * 60 * 1000) || done.isEmpty()) {
        QTest::qFail("the job did not finish", __FILE__, __LINE__);
        return {};
    }
    return done.first().first().value<JobResult>();
}

} // namespace testutil
