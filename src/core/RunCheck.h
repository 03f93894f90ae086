#pragma once

// The check before a run: can the outputs be written where the options put them? Asked by
// the ready page, by -auto and by quillmark-cli before any work, so that a run that could
// write nothing never starts and then reports "Finished".

#include "core/CleanJob.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct RunCheck {
    Q_DECLARE_TR_FUNCTIONS(RunCheck)

public:
    // Bytes free to the user on the volume holding the folder; nothing when unknown.
    using FreeSpace = std::function<std::optional<qint64>(const QString &folder)>;

    // Why the run cannot start, in plain words naming the folder or files; empty when it
    // can. Folders are looked at once each, so a list of 100,000 images is checked in a
    // moment. programFolder resolves relative paths as the job does; freeSpace, when set,
    // replaces the system's answer (tests).
    static QString problem(const JobOptions &options, const QStringList &images, const QString &programFolder,
        const FreeSpace &freeSpace = {});

    // The folder can take new files: the system allows it, and a probe file made there
    // (and removed at once) proves it, since the permission bits say yes to root.
    static bool folderWritable(const QString &folder);

    // The listed images that are outputs the options would make of other listed images
    // (photo_cleaned.jpg beside photo.jpg): a run leaves them out, so they are not images
    // to clean. Judged by name, as the run's plan does first.
    static int earlierOutputCount(const QStringList &images, const JobOptions &options, const QString &programFolder);
};
