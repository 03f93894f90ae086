#pragma once

// quillmark-cli's read-only modes: --show lists what files carry, --dry-run says what a run
// would do. Neither writes a file: the listings come from ExifTool reading each file, the
// plan from the names alone.

#include "core/CleanJob.h"
#include "core/FileOutcome.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace CliPreview {

// What one file carries, read as the metadata viewer reads it.
struct Carried {
    bool read = false;
    QString error; // why it could not be read
    QList<ResidueItem> items; // the identifying items, the most telling first
};

Carried carriedBy(const QString &exiftool, const QString &path);

// The viewer's kinds of the items, each once, in their order: "Location (GPS)", ...
QStringList kindsOf(const QList<ResidueItem> &items);

// What a run over the images would do with each, by the rules the run's plan applies to
// names: the output (folder mode: "IMG_0001 (2).JPG" for a clash, as the run names it), or
// skipped: an earlier output of another image of the list, an output that would replace the
// image itself, an existing output kept. The rest are `planned`.
QList<FileOutcome> plannedOutcomes(
    const QStringList &images, const JobOptions &options, const QString &programFolder, bool overwriteExisting);

} // namespace CliPreview

namespace CliPreview {

// Where the modes put their words and their JSON (see quillmark-cli's main).
struct Sink {
    std::function<void(const QString &)> summary; // standard output, or error with --report -
    std::function<bool(const QByteArray &)> report; // the JSON, when --report is given
    bool wantsReport = false;
    bool quiet = false; // --dry-run: only its last line
};

// --show: the identifying items each file carries, the viewer's sentence first; folders are
// walked for images. 0 when every file could be read, 1 when one could not.
int show(const QStringList &paths, const QString &exiftool, const Sink &sink);

// --dry-run over the collected images (leftOut: what the run would leave out): the plan,
// each image's output and what it carries now, and the report with `planned` items.
int dryRun(const QStringList &images, const QList<FileOutcome> &leftOut, const JobOptions &options,
    const QString &exiftool, const QString &programFolder, bool overwriteExisting, const Sink &sink);

} // namespace CliPreview
