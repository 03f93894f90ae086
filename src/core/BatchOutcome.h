#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What one batch of commands left behind.
struct BatchRun {
    QString errorText; // ExifTool's error output for the batch (errors and warnings)
    bool failed = false; // a command reported an error, or ExifTool could not run it
    int commandsDone = 0; // commands ExifTool finished; the rest were cut short or never started
    bool processDied = false; // ExifTool ended (or never started) before the batch was done
    bool notRun = false; // the batch was never handed to ExifTool (the run was stopped)
};

// The lines that end command number `sequence` of an argument file: ExifTool writes a
// marker with the command's status (0 fine, 1 an error) to its error output once the
// command is done, which both delimits and judges the command.
QStringList commandEndLines(quint64 sequence);
// The lines of a command that does nothing but say it was skipped (a batch taken back
// after a stop request).
QStringList skippedCommandLines(quint64 sequence);

// Reads ExifTool's error output of one batch, a line at a time, as it arrives.
struct BatchProgress {
    quint64 lastCommand = 0; // sequence number of the batch's last command
    QString errorText;
    int commandsDone = 0;
    bool failed = false;
    bool skipped = false; // taken back before ExifTool started it

    // Takes one line, without its line end. True when it ends the batch.
    bool takeLine(const QString &line);
    // The batch as it ended: complete, or cut short because ExifTool ended.
    BatchRun result(bool processDied) const;
};

// One image of a batch, as the batch outcome needs to know it.
struct BatchImage {
    int command = -1; // the command that writes it; -1 for none
    QString etInput; // what ExifTool was told to read
    QString etResult; // where ExifTool leaves the output
    bool open = true; // still waiting for its output (not declined, failed or kept)
    bool resultExists = false; // a regular file is at etResult
};

struct ImageVerdict {
    enum class Kind {
        Open, // nothing against it: its output is looked for
        CutShort, // ExifTool ended before it finished this image; its result goes
        Refused, // named in an error line
    };
    Kind kind = Kind::Open;
    QString line; // the error line that named it
};

// What a batch's error output and how far ExifTool got say about each of its images
// (given in batch order; `commands` is the number of commands the batch had). When
// ExifTool died, each command it had not finished had its images done, one being
// written (the last whose result exists) or not begun: the one being written and the
// ones not begun are cut short. An error line (not a warning) names the first open
// image whose input it ends with (" - INPUT") or whose result it ends with.
QList<ImageVerdict> judgeBatch(const QList<BatchImage> &images, int commands, const BatchRun &run);
