#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The window's command line: "-auto FOLDER" (or "--auto FOLDER") for an unattended run,
// "--clean PATH..." for a file manager's "Remove metadata" (the small window), or the
// images and folders to start with. Every argument is one path exactly as given:
// nothing is joined, trimmed or unquoted.
struct WindowCommandLine {
    Q_DECLARE_TR_FUNCTIONS(WindowCommandLine)

public:
    enum class Action { Start, Help, Version, Error };
    Action action = Action::Start;
    bool automatic = false;
    QString autoFolder; // the -auto folder as given
    bool clean = false; // --clean: paths are cleaned with the stored options in the small window
    QStringList paths; // the positional arguments as given
    QString text; // the help or version text, or what is wrong

    // arguments: after the program name, with Qt's own options already taken out.
    static WindowCommandLine parse(const QStringList &arguments);

    // Why FOLDER (relative to the current folder) cannot be cleaned unattended: it is
    // missing, not a folder, or cannot be listed. A whole message line naming the folder as
    // given; empty when it can.
    static QString autoFolderProblem(const QString &folder);
};
