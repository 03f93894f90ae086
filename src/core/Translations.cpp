#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"
QString stripCodeset(QString name)
{
    const qsizetype cut = name.indexOf(QRegularExpression(u"[.@]"_s));
    if (cut >= 0)
        name.truncate(cut);
    return name;
}

QString messagesLocale()
{
    for (const char *var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(var);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

} // namespace

QStringList preferredLanguages()
{
    const QString messages = stripCodeset(messagesLocale());
    if (messages.isEmpty() || messages == u"C" || messages == u"POSIX")
        return {};
    QStringList languages;
    for (const QString &entry : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
        languages << stripCodeset(entry);
    languages << messages;
    languages.removeDuplicates();
    return languages;
}

QString installTranslators(QCoreApplication &app)
{
    const QStringList folders = {
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/quillmark/translations"_s),
        u":/i18n"_s,
    };
    // English is the source language; its catalogue holds only the plural forms ("1 image",
    // "2 images"). It is installed first, so a language without a catalogue of its own, or
    // none at all (C), still reads right in English.
    auto *english = new QTranslator(&app);
    if (std::any_of(folders.cbegin(), folders.cend(),
            [english](const QString &folder) { return english->load(u"quillmark_en"_s, folder); }))
        QCoreApplication::installTranslator(english);
    else
        delete english;
    for (const QString &language : preferredLanguages()) {
        // An English entry before another language keeps it English.
        if (language == u"en" || language.startsWith(u"en_"))
            return {};
        auto *own = new QTranslator(&app);
        bool found = false;
        for (const QString &folder : folders) {
            // load() also tries the shorter names: quillmark_de_AT, then quillmark_de.
            if (own->load(u"quillmark_"_s + language, folder)) {
                found = true;
                break;
            }
        }
        if (!found) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto *qt = new QTranslator(&app);
        if (qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return own->language();
    }
    return {};
}
