#include "core/WindowCommandLine.h"

#include "core/NativePath.h"

#include <QCommandLineParser>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

WindowCommandLine WindowCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-auto" has always been a word option with one dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(tr("Removes metadata from image files, in a wizard window."));
    const QCommandLineOption helpOption({u"h"_s, u"help"_s}, tr("Show this help and exit."));
    const QCommandLineOption versionOption({u"v"_s, u"version"_s}, tr("Show the version and exit."));
    const QCommandLineOption autoOption(
        u"auto"_s, tr("Clean FOLDER unattended with the stored options, then exit."), u"FOLDER"_s);
    const QCommandLineOption cleanOption(u"clean"_s,
        tr("Clean the images and folders given as PATH with the stored options, showing the outcome in a small "
           "window."));
    parser.addOptions({helpOption, versionOption, autoOption, cleanOption});
    parser.addPositionalArgument(u"PATH"_s, tr("Images and folders to start with."), u"[PATH...]"_s);

    WindowCommandLine line;
    // The parser takes the first argument as the program's name.
    if (!parser.parse(QStringList {u"quillmark"_s} + arguments)) {
        line.action = Action::Error;
        line.text = parser.errorText();
        return line;
    }
    if (parser.isSet(helpOption)) {
        line.action = Action::Help;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(versionOption)) {
        line.action = Action::Version;
        line.text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return line;
    }
    line.paths = parser.positionalArguments();
    if (parser.isSet(cleanOption)) {
        if (parser.isSet(autoOption)) {
            line.action = Action::Error;
            line.text = tr("--clean and -auto cannot be used together.");
            return line;
        }
        line.clean = true;
        return line;
    }
    if (parser.isSet(autoOption)) {
        const QStringList folders = parser.values(autoOption);
        if (folders.size() != 1 || !line.paths.isEmpty()) {
            line.action = Action::Error;
            line.text = tr("-auto takes exactly one folder and no other paths.");
            return line;
        }
        line.automatic = true;
        line.autoFolder = folders.constFirst();
    }
    return line;
}

QString WindowCommandLine::autoFolderProblem(const QString &folder)
{
    const QByteArray bytes = encodePath(folder);
    struct stat st { };
    if (folder.isEmpty() || ::stat(bytes.constData(), &st) != 0) {
        if (!folder.isEmpty() && errno != ENOENT && errno != ENOTDIR)
            return tr("quillmark: -auto: %1: the folder cannot be read").arg(folder);
        return tr("quillmark: -auto: %1: no such folder").arg(folder);
    }
    if (!S_ISDIR(st.st_mode))
        return tr("quillmark: -auto: %1: not a folder").arg(folder);
    // Listing it is what the run does first; execute permission is needed to open the
    // images inside.
    DIR *dir = ::opendir(bytes.constData());
    const bool readable = dir != nullptr && ::access(bytes.constData(), X_OK) == 0;
    if (dir)
        ::closedir(dir);
    if (!readable)
        return tr("quillmark: -auto: %1: the folder cannot be read").arg(folder);
    return QString();
}
