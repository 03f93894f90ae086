// The translations: every message of the current sources present and finished in each
// catalogue with its placeholders intact, the user's language picked from the environment
// as gettext does, and quillmark-cli speaking it.

#include "core/CleanJob.h"
#include "packagingtestutil.h"
#include "testutil.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kLanguages
    = {u"de"_s, u"fr"_s, u"es"_s, u"it"_s, u"pt_BR"_s, u"nl"_s, u"pl"_s, u"ru"_s, u"uk"_s, u"ja"_s, u"zh_CN"_s};

struct Message {
    bool numerus = false;
    QString type; // "", "unfinished", "vanished" or "obsolete"
    QStringList forms; // the translation, or its plural forms
};

// Key: context, a tab, the source text (and its disambiguation comment, if any).
using Catalogue = QMap<QString, Message>;

// Empty, with a warning, when the file cannot be read.
Catalogue readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << path << file.errorString();
        return {};
    }
    Catalogue out;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message m;
            m.numerus = xml.attributes().value(u"numerus"_s) == u"yes";
            QString source;
            QString comment;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    source = xml.readElementText();
                } else if (xml.name() == u"comment") {
                    comment = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    m.type = xml.attributes().value(u"type"_s).toString();
                    while (m.numerus && xml.readNextStartElement())
                        m.forms << xml.readElementText(); // the plural forms
                    if (!m.numerus)
                        m.forms << xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            out.insert(context + u'\t' + source + (comment.isEmpty() ? QString() : u'\t' + comment), m);
        }
    }
    if (xml.hasError())
        qWarning() << path << xml.errorString();
    return xml.hasError() ? Catalogue() : out;
}

QString committed(const QString &language)
{
    return QStringLiteral(QUILLMARK_SOURCE_DIR "/i18n/quillmark_") + language + u".ts"_s;
}

QStringList sortedMatches(const QString &text, const QRegularExpression &re)
{
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// A keyboard mnemonic: '&' before a character that is neither a blank nor another '&'.
int mnemonics(const QString &text)
{
    static const QRegularExpression re(u"&&|&(?=[^\\s&])"_s);
    int n = 0;
    for (auto it = re.globalMatch(text); it.hasNext();)
        n += it.next().captured() == u"&" ? 1 : 0;
    return n;
}

// The environment with the language variables given (an empty one is unset).
QProcessEnvironment languageEnvironment(const QStringList &values)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList names = {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s, u"LANGUAGE"_s};
    for (qsizetype i = 0; i < names.size(); ++i) {
        env.remove(names.at(i));
        if (!values.value(i).isEmpty())
            env.insert(names.at(i), values.at(i));
    }
    return env;
}

} // namespace

class TestTranslations final : public QObject {
    Q_OBJECT

    QTemporaryDir m_temp;
    Catalogue m_current; // what lupdate finds in today's sources

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        const QString ts = m_temp.filePath(u"current.ts"_s);
        const packagingtest::Run lupdate = packagingtest::run(QStringLiteral(QUILLMARK_LUPDATE),
            {u"-locations"_s, u"none"_s, QStringLiteral(QUILLMARK_SOURCE_DIR "/src"), u"-ts"_s, ts});
        const QString &output = lupdate.output;
        QVERIFY2(lupdate.exitCode == 0, qPrintable(output));
        // A tr() lupdate cannot place in a context is never offered for translation.
        QVERIFY2(!output.contains(u"cannot be called without context"_s) && !output.contains(u"lacks Q_OBJECT"_s),
            qPrintable(output));
        m_current = readCatalogue(ts);
        QVERIFY(m_current.size() > 150);
    }

    void catalogueComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    // Every message of the sources is in the catalogue and translated (tools/update-
    // translations.sh brings new ones in, a translator finishes them), and %1.., %n, line
    // breaks, the blanks at either end (texts are joined to numbers) and the keyboard
    // mnemonics survive translation.
    void catalogueComplete()
    {
        QFETCH(QString, language);
        const Catalogue done = readCatalogue(committed(language));
        QVERIFY(!done.isEmpty());
        QStringList absent; // missing or unfinished
        for (auto it = m_current.cbegin(); it != m_current.cend(); ++it) {
            const auto found = done.constFind(it.key());
            if (found == done.cend() || found->numerus != it->numerus || found->type == u"vanished"
                || found->type == u"obsolete")
                absent << u"missing: "_s + it.key();
            else if (found->type == u"unfinished" || found->forms.isEmpty() || found->forms.contains(QString()))
                absent << u"unfinished: "_s + it.key();
        }
        QVERIFY2(absent.isEmpty(), qPrintable(committed(language) + u":\n"_s + absent.join(u'\n')));

        static const QRegularExpression args(u"%L?\\d+"_s);
        static const QRegularExpression leading(u"^\\s*"_s);
        static const QRegularExpression trailing(u"\\s*$"_s);
        const auto ends = [](const QString &t) {
            return leading.match(t).captured().size() * 1000 + trailing.match(t).captured().size();
        };
        QStringList wrong;
        for (auto it = done.cbegin(); it != done.cend(); ++it) {
            if (it->type == u"vanished" || it->type == u"obsolete")
                continue;
            const QString source = it.key().section(u'\t', 1, 1);
            for (const QString &form : it->forms) {
                QStringList faults;
                if (sortedMatches(form, args) != sortedMatches(source, args))
                    faults << u"placeholders"_s;
                if (source.contains(u"%n"_s) != form.contains(u"%n"_s))
                    faults << u"%n"_s;
                if (source.count(u'\n') != form.count(u'\n'))
                    faults << u"line breaks"_s;
                if (ends(source) != ends(form))
                    faults << u"blanks at the ends"_s;
                if (mnemonics(source) != mnemonics(form))
                    faults << u"mnemonic"_s;
                if (!faults.isEmpty())
                    wrong << faults.join(u", "_s) + u": "_s + source + u" -> "_s + form;
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // English keeps only the plural forms, and every message with a count has both: "1
    // second", "2 seconds". The window and quillmark-cli read them even in the C locale.
    void englishPlurals()
    {
        const Catalogue english = readCatalogue(committed(u"en"_s));
        QVERIFY(!english.isEmpty());
        QStringList faults;
        for (auto it = m_current.cbegin(); it != m_current.cend(); ++it) {
            if (!it->numerus)
                continue;
            const auto found = english.constFind(it.key());
            if (found == english.cend() || found->type == u"unfinished" || found->forms.size() != 2
                || found->forms.at(0).isEmpty() || found->forms.at(1).isEmpty())
                faults << it.key();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QVERIFY(std::none_of(english.cbegin(), english.cend(), [](const auto &m) { return !m.numerus; }));

        QTranslator translator;
        QVERIFY(translator.load(u"quillmark_en"_s, u":/i18n"_s));
        QCoreApplication::installTranslator(&translator);
        const QString one = summaryText(1, 0, 0, 1, QLocale::c());
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(one, u"1 image processed\r\nin 1 second (1 sec avg)"_s);
    }

    // The language as gettext picks it: LC_ALL, LC_MESSAGES, then LANG (neither C nor POSIX
    // is a language), LANGUAGE's list before it, a catalogue of the language alone for a
    // country's. quillmark-cli speaks it.
    void cliSpeaksTheLanguage_data()
    {
        QTest::addColumn<QStringList>("environment"); // LC_ALL, LC_MESSAGES, LANG, LANGUAGE
        QTest::addColumn<QString>("catalogue"); // empty: English
        const auto row = [](const char *name, const QStringList &environment, const char *catalogue) {
            QTest::newRow(name) << environment << QString::fromLatin1(catalogue);
        };
        row("Austrian German falls back to de", {{}, {}, u"de_AT.UTF-8@euro"_s}, "de");
        row("LC_MESSAGES before LANG", {{}, u"fr_FR.UTF-8"_s, u"de_DE.UTF-8"_s}, "fr");
        row("LC_ALL before all", {u"es_ES.UTF-8"_s, u"fr_FR.UTF-8"_s, u"de_DE.UTF-8"_s}, "es");
        row("LANGUAGE list first", {{}, {}, u"de_AT.UTF-8"_s, u"ko:es_MX"_s}, "es");
        row("C ignores LANGUAGE", {u"C.UTF-8"_s, {}, u"de_DE.UTF-8"_s, u"de"_s}, "");
        row("nothing set", {{}, {}, {}, u"fr"_s}, "");
        row("Brazilian Portuguese by its country", {{}, {}, u"pt_BR.UTF-8"_s}, "pt_BR");
        row("Simplified Chinese by its country", {{}, {}, u"zh_CN.UTF-8"_s}, "zh_CN");
        row("no catalogue: English", {{}, {}, u"ko_KR.UTF-8"_s}, "");
    }

    // The glibc locales need not exist: the language comes from the environment alone.
    void cliSpeaksTheLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, catalogue);
        const testutil::CliRun cli = testutil::runCli({u"--help"_s}, languageEnvironment(environment));
        QCOMPARE(cli.exitCode, 0);
        const QString &help = cli.out;
        const QString words = help.simplified(); // the option texts are wrapped to the terminal
        QVERIFY2(cli.err.isEmpty(), qPrintable(cli.err));

        const QString source = u"Do not ignore minor errors and warnings."_s;
        const Catalogue done = catalogue.isEmpty() ? Catalogue() : readCatalogue(committed(catalogue));
        const QString expected
            = catalogue.isEmpty() ? source : done.value(u"quillmark_cli\t"_s + source).forms.value(0);
        QVERIFY(!expected.isEmpty());
        QVERIFY2(words.contains(expected.simplified()), qPrintable(expected + u"\nnot in:\n"_s + help));
        // Qt's own words (the "Usage:" heading) follow when Qt's catalogue is installed.
        const bool qtCatalogue = QFile::exists(u"/usr/share/qt6/translations/qtbase_"_s + catalogue + u".qm"_s);
        if (catalogue.isEmpty() || qtCatalogue)
            QCOMPARE(help.startsWith(u"Usage: "_s), catalogue.isEmpty());
    }

    // A usage error is reported in the language too, not only in English.
    void cliUsageErrorTranslated()
    {
        const auto usageError = [](const QString &lang) {
            return testutil::runCli({u"--jobs"_s, u"0"_s, u"x.jpg"_s}, languageEnvironment({{}, {}, lang}));
        };
        const testutil::CliRun english = usageError(u"C"_s), german = usageError(u"de_DE.UTF-8"_s);
        QCOMPARE(english.exitCode, 2);
        QCOMPARE(german.exitCode, 2);
        QVERIFY2(!german.err.isEmpty() && german.err != english.err, qPrintable(german.err));
    }

    // The desktop entry and the AppStream data speak every language the program does.
    void desktopDataTranslated_data() { catalogueComplete_data(); }

    void desktopDataTranslated()
    {
        QFETCH(QString, language);
        // Every name, comment and keyword list of the desktop entry (its action too) and of the
        // file managers' actions, section by section; the program's own name stays.
        for (const char *file : {"io.github.corvane.Quillmark.desktop", "filemanager/quillmark-clean.desktop",
                 "filemanager/quillmark-clean.nemo_action"}) {
            const QString text
                = packagingtest::readText(packagingtest::packagingDir + u'/' + QString::fromLatin1(file));
            QVERIFY(!text.isEmpty());
            for (const QString &section : text.split(u"\n["_s)) {
                static const QRegularExpression keyLine(
                    u"^(GenericName|Comment|Keywords|Name)=(.*)$"_s, QRegularExpression::MultilineOption);
                for (const QRegularExpressionMatch &m : keyLine.globalMatch(section)) {
                    if (m.captured(2) == u"Quillmark")
                        continue;
                    const QString key = m.captured(1) + u'[' + language + u"]="_s;
                    QVERIFY2(section.contains(u'\n' + key), qPrintable(QString::fromLatin1(file) + u": "_s + key));
                }
            }
        }

        QXmlStreamReader xml(packagingtest::readText(packagingtest::metainfoFile));
        // Each untranslated summary, paragraph and list item is followed by its translations.
        QMap<QString, int> english;
        QMap<QString, int> translated;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString tag = xml.name().toString();
            if (tag != u"summary" && tag != u"p" && tag != u"li")
                continue;
            const QString lang = xml.attributes().value(u"xml:lang"_s).toString();
            if (lang.isEmpty())
                ++english[tag];
            else if (lang == language)
                ++translated[tag];
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(english.value(u"p"_s) > 0 && english.value(u"li"_s) > 0);
        QCOMPARE(translated, english);
    }
    // (The installed catalogues: tst_packaging, which installs the build once.)
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
