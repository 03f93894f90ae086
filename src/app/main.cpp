// quillmark: the wizard that removes metadata from image files.

#include "core/NativePath.h"
#include "core/SettingsStore.h"
#include "core/SystemFolders.h"
#include "core/Translations.h"
#include "core/WindowCommandLine.h"
#include "gui/Artwork.h"
#include "gui/CleanWizard.h"
#include "gui/Palettes.h"
#include "gui/QuickCleanDialog.h"

#include <QApplication>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Bad usage, as quillmark-cli says it: a cron job learns at once that nothing ran.
constexpr int ExitUsage = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(printablePath(text).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void setIdentity()
{
    QCoreApplication::setApplicationName(u"Quillmark"_s);
    QCoreApplication::setOrganizationName(u"Corvane"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
}

QStringList argumentsOf(int argc, char *argv[])
{
    // As their bytes: a file name that is not valid UTF-8 still names its file.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << decodePath(QByteArray(argv[i]));
    return arguments;
}

// Help, the version and an -auto folder that is no folder are answered without a window
// system, so they work over SSH and from cron, where there is no display. Anything else
// (Qt's own options among them) goes to the window's parser once QApplication has taken
// Qt's options out.
std::optional<int> answerWithoutDisplay(int argc, char *argv[])
{
    const QStringList arguments = argumentsOf(argc, argv);
    WindowCommandLine line = WindowCommandLine::parse(arguments);
    const bool information
        = line.action == WindowCommandLine::Action::Help || line.action == WindowCommandLine::Action::Version;
    const bool badFolder = line.action == WindowCommandLine::Action::Start && line.automatic
        && !WindowCommandLine::autoFolderProblem(line.autoFolder).isEmpty();
    if (!information && !badFolder)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    installTranslators(core);
    setIdentity();
    line = WindowCommandLine::parse(arguments); // once more, in the user's language
    if (information) {
        print(stdout, line.text);
        return 0;
    }
    print(stderr, WindowCommandLine::autoFolderProblem(line.autoFolder) + u'\n');
    return ExitUsage;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerWithoutDisplay(argc, argv))
        return *status;

    QApplication app(argc, argv);
    installTranslators(app);
    setIdentity();
    // The desktop matches the window to its entry (icon, name) by this.
    QGuiApplication::setDesktopFileName(u"io.github.corvane.Quillmark"_s);
    QApplication::setWindowIcon(Artwork::icon(u"quillmark"_s));
    Palettes::applyFromEnvironment();

    // The arguments Qt left (QApplication took out its own options).
    const QStringList arguments = argumentsOf(argc, argv);

    // Answered before any window exists, so a script or a cron job never waits on one.
    const WindowCommandLine line = WindowCommandLine::parse(arguments);
    switch (line.action) {
    case WindowCommandLine::Action::Help:
    case WindowCommandLine::Action::Version:
        print(stdout, line.text);
        return 0;
    case WindowCommandLine::Action::Error:
        print(stderr, u"quillmark: "_s + line.text + u'\n' + WindowCommandLine::tr("Try 'quillmark --help'.") + u'\n');
        return ExitUsage;
    case WindowCommandLine::Action::Start:
        break;
    }
    if (line.automatic) {
        const QString problem = WindowCommandLine::autoFolderProblem(line.autoFolder);
        if (!problem.isEmpty()) {
            print(stderr, problem + u'\n');
            return ExitUsage;
        }
        // The run is to use the stored options; rather than clean with others, it stops.
        SettingsStore store(programFolder());
        store.DetectPortableMode();
        if (store.isOversized()) {
            print(stderr,
                WindowCommandLine::tr("quillmark: -auto: the settings file %1 is larger than 1 MB and was "
                                      "not read; nothing was cleaned")
                        .arg(store.settingsFilePath())
                    + u'\n');
            return ExitUsage;
        }
    }

    // For the test suite only: how long an automatic run shows its last page, and when the
    // small window of --clean closes by itself.
    bool ok = false;
    const int autoWait = qEnvironmentVariableIntValue("QUILLMARK_AUTO_WAIT_MS", &ok);

    if (line.clean) {
        QuickCleanSetup quick;
        quick.paths = line.paths;
        if (ok && autoWait >= 0)
            quick.closeAfterMs = autoWait;
        QuickCleanDialog window(quick);
        window.show();
        QApplication::exec();
        return window.exitStatus();
    }

    CleanWizardSetup setup;
    setup.arguments = arguments;
    if (ok && autoWait >= 0)
        setup.autoWaitMs = autoWait;

    CleanWizard window(setup);
    window.show();
    return QApplication::exec();
}
