#pragma once

#include <QStringList>

class QCoreApplication;

// The languages the user asked for, most wanted first, as gettext reads them: LANGUAGE
// (a colon list) before the messages locale of LC_ALL, LC_MESSAGES or LANG. A messages
// locale of C or POSIX means untranslated English, whatever LANGUAGE says. Only the
// environment is read, so a language works without its glibc locale being generated.
QStringList preferredLanguages();

// Loads Quillmark's messages and Qt's own (standard buttons, dialogs, --help headings) for
// the first preferred language that has them. English is built in, so nothing is loaded
// for it. Installed catalogues (../share/quillmark/translations beside the binary) win
// over the ones compiled into the program. Returns the language loaded, or empty.
QString installTranslators(QCoreApplication &app);
