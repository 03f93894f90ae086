// quillmark: the wizard that removes metadata from image files.

#include "app/Translations.h"
#include "app/frmMain.h"
#include "fs/NativePath.h"
#include "ui/Artwork.h"
#include "ui/Palettes.h"

#include <QApplication>

using namespace Qt::StringLiterals;

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

    frmMainSetup setup;
    // The arguments Qt left as their bytes (QApplication took out its own options): a
    // file name that is not valid UTF-8 still names its file.
    for (int i = 1; i < argc; ++i)
        setup.arguments << decodePath(QByteArray(argv[i]));
    // For the test suite only: how long an automatic run shows its last page.
    bool ok = false;
    const int autoWait = qEnvironmentVariableIntValue("QUILLMARK_AUTO_WAIT_MS", &ok);
    if (ok && autoWait >= 0)
        setup.autoWaitMs = autoWait;

    frmMain window(setup);
    window.show();
    return QApplication::exec();
}
