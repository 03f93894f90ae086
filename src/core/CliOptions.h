#pragma once

// The command line of quillmark-cli: parse() reads the options, checks them and reads the
// --files-from lists, collectImages() finds the images the paths name. A usage error is
// printed with a hint to --help and ends the process with status 2.

#include "core/CleanJob.h"
#include "core/FileOutcome.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The messages' context for lupdate and the translators; the free functions of
// quillmark-cli have no class of their own to take it from.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(quillmark_cli)
};

namespace CliOptions {

enum ExitStatus { ExitOk = 0, ExitProblems = 1, ExitUsage = 2, ExitInternal = 3 };

// What the command line asks for.
struct Request {
    JobOptions options;
    int jobs = 0; // ExifTool processes at once
    QString reportPath; // empty: no report; "-": standard output
    bool overwriteExisting = false; // replace cleaned files that already exist
    QStringList paths; // the paths named and listed, as given
    QStringList emptyLists; // the --files-from lists when they were all there was and held no path
    bool quiet = false; // only the summary; nothing on standard error but errors that end the run
    bool dryRun = false; // say what a run would do, write nothing
    bool show = false; // list what the files carry, write nothing
    std::optional<int> exitStatus; // set: end at once with it (what went wrong is printed)
};

void printErr(const QString &text);
void printOut(const QString &text);
// A line for a person watching (a file skipped, a warning): left out with --quiet.
void printNote(const QString &text);
void setQuiet(bool quiet);
[[noreturn]] void usageError(const QString &message);

// The options of the command line arguments (the program's name first). --help and
// --version print their text and end the process.
Request parse(const QStringList &arguments);

// What the command line names: the images to clean, and the files left out.
struct Collected {
    QStringList images;
    QList<FileOutcome> namedSkips; // files named on their own that are not supported images, or too long
    QList<FileOutcome> leftOut; // found in folders: videos, unwritable types, paths too long
    QSet<QString> named; // the images named on their own (not found in a folder)
    bool stopped = false; // keepGoing said no: the lists are incomplete
};

// Collects the images named on the command line, walking folders like "Add from Folder".
// keepGoing is asked often enough that a stop ends the listing at once.
Collected collectImages(const QStringList &paths, const std::function<bool()> &keepGoing);

} // namespace CliOptions
