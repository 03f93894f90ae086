// quillmark: the wizard that removes metadata from image files.

#include "app/frmMain.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Quillmark"_s);
    QApplication::setOrganizationName(u"Corvane"_s);
    QApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));

    frmMainSetup setup;
    setup.arguments = QApplication::arguments().mid(1);
    // For the test suite only: how long an automatic run shows its last page.
    bool ok = false;
    const int autoWait = qEnvironmentVariableIntValue("QUILLMARK_AUTO_WAIT_MS", &ok);
    if (ok && autoWait >= 0)
        setup.autoWaitMs = autoWait;

    frmMain window(setup);
    window.show();
    return QApplication::exec();
}
