#pragma once

#include "core/FileOutcome.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

struct OutcomeTotals {
    int cleaned = 0;
    int residue = 0;
    int unchanged = 0;
    int failed = 0;
    int skipped = 0;
    int planned = 0; // --dry-run: counted here only
};

OutcomeTotals outcomeTotals(const QList<FileOutcome> &outcomes);

// quillmark-cli's report: {"version":1,"files":[...],"totals":{...}}, one entry per
// outcome in the given order, paths absolute, null for a missing output or message; a
// path that is not UTF-8 also as "input_bytes"/"output_bytes" (base64 of its bytes), and
// planned outcomes (--dry-run) with the status "planned" and a "planned" total.
QByteArray runReportJson(const QList<FileOutcome> &outcomes);

// "3 images still carry identifying metadata." / "1 image still carries identifying
// metadata."; empty for none.
QString residueLine(int residueCount);

// The summary line of the files left out of a run (see ImageFiles::leftOutKindOf):
// "3 files were left out: 2 videos, 1 raw file ExifTool cannot write."; empty for none.
QString leftOutLine(const QList<FileOutcome> &leftOut);

// A row's tooltip: the status and what is left, by category, or why it failed.
QString outcomeDescription(const FileOutcome &outcome);

// The order of the finished page's list: residue first, then failed and unchanged,
// then skipped, then cleaned; the run's order within each.
int outcomeSortRank(FileStatus status);

// What became of one image, as the finished page and its problem view tell it. A
// Skipped outcome is one of three: never reached after a stop, an existing output kept
// (it names that output) or left out of the run.
enum class OutcomeKind { Residue, Failed, LeftOut, KeptExisting, Cleaned, NotReached };

OutcomeKind outcomeKind(const FileOutcome &outcome);
// "Cleaned", "Not cleaned", ...: the list's status column, so short.
QString outcomeKindText(OutcomeKind kind);

struct RunCounts {
    int cleaned = 0;
    int residue = 0;
    int failed = 0; // failed and unchanged
    int notReached = 0;
    int keptExisting = 0;
    int leftOut = 0;
    // The images the run set out to clean; what was left out is not one of them.
    int images() const { return cleaned + residue + failed + notReached + keptExisting; }
};

RunCounts runCounts(const QList<FileOutcome> &outcomes);

// An outcome's message without ExifTool's "Error: " and the trailing " - <input>", and
// a few of ExifTool's terse reasons in plain words.
QString plainReason(const FileOutcome &outcome);

// The reason every failed image shares ("Cannot write in /out: Permission denied"), or
// empty when they differ or none failed.
QString sharedFailureCause(const QList<FileOutcome> &outcomes);

struct RunEnding {
    bool stopped = false;
    bool internalError = false;
    QString sharedCause; // see sharedFailureCause
};

// The finished page's headline: "All 2,000 images were cleaned", "1,045 of 2,000 images
// were cleaned; the run was stopped", "No image was cleaned: <cause>", ...
QString runHeadline(const RunCounts &counts, const RunEnding &ending, const QLocale &locale);

// One sentence per status that occurred, e.g. "2 images could not be cleaned."
QStringList runCountLines(const RunCounts &counts, const QLocale &locale);

struct JobResult;

// What the Finished page and the small window of --clean say of a run: its rows (the job's
// outcomes, then the files left out while adding, which were never the job's), their
// counts, the headline and the count lines (none where the headline says it all).
struct RunDescription {
    QList<FileOutcome> rows;
    RunCounts counts;
    QString headline;
    QStringList countLines;
};
RunDescription describeRun(const JobResult &result, const QList<FileOutcome> &leftOut, const QLocale &locale);
