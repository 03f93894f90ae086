#pragma once

#include <QString>
#include <QStringList>

// Locates ExifTool: "exiftool" beside the running program when it is there and
// executable, else the one on PATH; empty when there is none.
QString findExifTool();

// Runs ExifTool (or any console program) once through ExifToolProcess, with the program
// folder as its working directory, and waits for it in a local event loop, so a window
// keeps painting. Keeps the output and error texts of the most recent run apart.
class ConsoleRunner final {
public:
    ConsoleRunner() = default;

    // 0 exactly when the program ran and exited with status 0. When it could not be
    // started (missing, not executable) or crashed, the result is non-zero and
    // sConsoleError() holds a message text saying so, and sConsoleOutput() is empty.
    // A command line built by QProcess would change a path whose bytes are not UTF-8
    // (see NativePath.h), so from the first such argument on, the arguments reach
    // ExifTool through an argument file on its standard input ("-@ -"), where they keep
    // their bytes. Such an argument must be an absolute path. Without one, the program
    // gets an empty input.
    int RunExifTool(const QString &program, const QStringList &arguments);

    QString sConsoleOutput() const { return m_output; }
    QString sConsoleError() const { return m_error; }

    // Working directory of the runs; defaults to programFolder().
    void setWorkingDirectory(const QString &dir) { m_workingDirectory = dir; }

private:
    QString m_output;
    QString m_error;
    QString m_workingDirectory;
};
