#pragma once

#include "core/CleanJob.h"

namespace testutil {

// Runs a job over the images and returns when it is over.
inline JobResult runJob(CleanJob &job, const QStringList &images)
{
    return job.CleanImages(images);
}

} // namespace testutil
