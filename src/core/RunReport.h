#pragma once

#include "core/FileOutcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct OutcomeTotals {
    int cleaned = 0;
    int residue = 0;
    int unchanged = 0;
    int failed = 0;
    int skipped = 0;
};

OutcomeTotals outcomeTotals(const QList<FileOutcome> &outcomes);

// quillmark-cli's report: {"version":1,"files":[...],"totals":{...}}, one entry per
// outcome in the given order, paths absolute, null for a missing output or message.
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
