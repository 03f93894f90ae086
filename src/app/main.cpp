// quillmark: the wizard that removes metadata from image files.

#include "core/NativePath.h"
#include "core/SettingsStore.h"
#include "core/SystemFolders.h"
#include "core/Translations.h"
#include "core/WindowCommandLine.h"
#include "gui/Artwork.h"
#include "gui/CleanWizard.h"
#include "gui/Palettes.h"

#include <QApplication>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Bad usage, as quillmark-cli says it: a cron job learns at once that nothing ran.
constexpr int ExitUsage = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(printablePath(text).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslators(app);
    QApplication::setApplicationName(u"Quillmark"_s);
    QApplication::setOrganizationName(u"Corvane"_s);
    QApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
    // The desktop matches the window to its entry (icon, name) by this.
    QGuiApplication::setDesktopFileName(u"io.github.corvane.Quillmark"_s);
    QApplication::setWindowIcon(Artwork::icon(u"quillmark"_s));
    Palettes::applyFromEnvironment();

    // The arguments Qt left as their bytes (QApplication took out its own options): a
    // file name that is not valid UTF-8 still names its file.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << decodePath(QByteArray(argv[i]));

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

    CleanWizardSetup setup;
    setup.arguments = arguments;
    // For the test suite only: how long an automatic run shows its last page.
    bool ok = false;
    const int autoWait = qEnvironmentVariableIntValue("QUILLMARK_AUTO_WAIT_MS", &ok);
    if (ok && autoWait >= 0)
        setup.autoWaitMs = autoWait;

    CleanWizard window(setup);
    window.show();
    return QApplication::exec();
}
