// debian/: the control data, the changelog against the AppStream release, every sample
// image's licence in the copyright file, and which of the two binary packages holds each
// file `cmake --install` installs. Offline and quick; tools/package-test.sh builds and
// installs the packages themselves.

#include "packagingtestutil.h"
#include "testutil.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using namespace packagingtest;

const QDir sourceDir(QStringLiteral(QUILLMARK_SOURCE_DIR));

// A DEP-5 (and dh_install) glob as a regular expression: '*' and '?' also match '/'.
QString dep5Glob(const QString &pattern)
{
    return QRegularExpression::escape(pattern).replace(u"\\*"_s, u".*"_s).replace(u"\\?"_s, u"."_s);
}

// The paragraph of a binary package in debian/control, field names in lower case,
// continuation lines joined.
QMap<QString, QString> debianParagraph(const QString &package)
{
    const QStringList paragraphs = readText(sourceDir.filePath(u"debian/control"_s)).split(u"\n\n"_s);
    for (const QString &paragraph : paragraphs) {
        QMap<QString, QString> fields;
        QString last;
        for (const QString &line : paragraph.split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u' ') && !last.isEmpty())
                fields[last] += u' ' + line.trimmed();
            else if (const qsizetype colon = line.indexOf(u':'); colon > 0)
                fields.insert(last = line.left(colon).toLower(), line.mid(colon + 1).trimmed());
        }
        if (fields.value(u"package"_s) == package)
            return fields;
    }
    return {};
}

struct Dep5Files {
    QStringList patterns;
    QList<QRegularExpression> globs;
    QString license;
};

// The Files stanzas of debian/copyright, in their order.
QList<Dep5Files> dep5Files()
{
    QList<Dep5Files> stanzas;
    for (const QString &paragraph : readText(sourceDir.filePath(u"debian/copyright"_s)).split(u"\n\n"_s)) {
        if (!paragraph.startsWith(u"Files:"_s))
            continue;
        Dep5Files stanza;
        static const QRegularExpression files(u"^Files:((?:.*\\n?)(?: .*\\n?)*)"_s);
        stanza.patterns = files.match(paragraph).captured(1).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
        for (const QString &pattern : std::as_const(stanza.patterns))
            stanza.globs << QRegularExpression(u"^"_s + dep5Glob(pattern) + u"$"_s);
        stanza.license = QRegularExpression(u"^License: (.+)$"_s, QRegularExpression::MultilineOption)
                             .match(paragraph)
                             .captured(1);
        stanzas << stanza;
    }
    return stanzas;
}

} // namespace

class TestDebian final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // debian/control: the command-line tool stands alone, the window needs exactly its version.
    void debianControl()
    {
        const QMap<QString, QString> cli = debianParagraph(u"quillmark-cli"_s);
        const QMap<QString, QString> gui = debianParagraph(u"quillmark"_s);
        QVERIFY2(!cli.isEmpty() && !gui.isEmpty(), "both packages are declared in debian/control");
        QVERIFY2(gui.value(u"depends"_s).contains(u"quillmark-cli (= ${binary:Version})"_s),
            qPrintable(gui.value(u"depends"_s)));
        QVERIFY(cli.value(u"depends"_s).contains(u"libimage-exiftool-perl"_s));
        QVERIFY2(!cli.value(u"depends"_s).contains(u"qt6-qpa-plugins"_s), "nothing graphical for the tool");
        QVERIFY(QFileInfo(sourceDir.filePath(u"debian/rules"_s)).isExecutable());
        // Each autopkgtest is a script of its own, run as a program.
        static const QRegularExpression tests(u"^Tests:\\s*(.+)$"_s, QRegularExpression::MultilineOption);
        const QString testControl = readText(sourceDir.filePath(u"debian/tests/control"_s));
        QVERIFY(testControl.contains(tests));
        for (auto it = tests.globalMatch(testControl); it.hasNext();) {
            for (const QString &name :
                it.next().captured(1).split(QRegularExpression(u"[,\\s]+"_s), Qt::SkipEmptyParts))
                QVERIFY2(QFileInfo(sourceDir.filePath(u"debian/tests/"_s + name)).isExecutable(), qPrintable(name));
        }
    }

    // Each changelog entry is dated as AppStream dates its release, and the newest entry is
    // the newest release.
    void debianChangelog()
    {
        static const QRegularExpression entry(
            u"^quillmark \\(([^)]+)\\)[^\\n]*\\n(?:(?! -- ).*\\n)* -- .+>  \\w{3}, (\\d\\d \\w{3} \\d{4}) "_s,
            QRegularExpression::MultilineOption);
        static const QRegularExpression release(u"<release version=\"([^\"]+)\" date=\"([\\d-]+)\""_s);
        QStringList entries, releases;
        for (auto it = entry.globalMatch(readText(sourceDir.filePath(u"debian/changelog"_s))); it.hasNext();) {
            const auto match = it.next();
            const QDate date = QLocale::c().toDate(match.captured(2), u"dd MMM yyyy"_s);
            QVERIFY2(date.isValid(), qPrintable(match.captured(0)));
            entries << match.captured(1) + u' ' + date.toString(Qt::ISODate);
        }
        for (auto it = release.globalMatch(readText(metainfoFile)); it.hasNext();) {
            const auto match = it.next();
            releases << match.captured(1) + u' ' + match.captured(2);
        }
        QVERIFY(!entries.isEmpty() && !releases.isEmpty());
        QCOMPARE(entries.first(), releases.first());
        for (const QString &e : std::as_const(entries))
            QVERIFY2(
                releases.contains(e), qPrintable(e + u" is not an AppStream release: "_s + releases.join(u", "_s)));
    }

    // debian/copyright names every sample image with the licence its folder's README gives
    // (in a stanza of its own, not the project's "Files: *"), and has the text of every licence.
    void debianCopyright()
    {
        const QList<Dep5Files> stanzas = dep5Files();
        QVERIFY(stanzas.size() > 3);
        const QString copyright = readText(sourceDir.filePath(u"debian/copyright"_s));
        for (const Dep5Files &stanza : stanzas) {
            for (const QString &name : stanza.license.split(u" or "_s))
                QVERIFY2(copyright.contains(u"\nLicense: "_s + name + u"\n "_s), qPrintable(u"no text for "_s + name));
        }
        // The README's words for a licence, as DEP-5 short names.
        const QMap<QString, QString> shortNames {{u"CC0-1.0"_s, u"CC0-1.0"_s},
            {u"free use"_s, u"metadata-extractor-images"_s}, {u"GPL-2.0+"_s, u"GPL-2+"_s},
            {u"Perl (Artistic/GPL)"_s, u"Artistic or GPL-1+"_s}, {u"BSD-2-Clause"_s, u"BSD-2-clause"_s},
            {u"MIT"_s, u"Expat"_s}, {u"GPL-3+"_s, u"GPL-3+"_s}};
        QMap<QString, QString> expected; // path -> licence
        // The first table of the README lists the files; the next one what ExifTool leaves.
        const QString readme = readText(sourceDir.filePath(u"tests/data/images/README.md"_s)).section(u"\n## "_s, 0, 1);
        static const QRegularExpression row(
            u"^\\| `([^`]+)` \\|.*\\| ([^|]+) \\|$"_s, QRegularExpression::MultilineOption);
        for (auto it = row.globalMatch(readme); it.hasNext();) {
            const auto match = it.next();
            expected.insert(u"tests/data/images/"_s + match.captured(1),
                shortNames.value(match.captured(2).trimmed(), match.captured(2)));
        }
        // Made for the project: its own licence.
        for (const QString &name : QDir(sourceDir.filePath(u"tests/data/images-2"_s)).entryList(QDir::Files))
            if (name != u"README.md")
                expected.insert(u"tests/data/images-2/"_s + name, u"GPL-3+"_s);
        const QStringList samples = QDir(sourceDir.filePath(u"tests/data/images"_s)).entryList(QDir::Files);
        QCOMPARE(expected.size(),
            samples.size() - 1 + QDir(sourceDir.filePath(u"tests/data/images-2"_s)).entryList(QDir::Files).size() - 1);
        QStringList wrong;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const Dep5Files *last = nullptr; // as in DEP-5, the last stanza that matches counts
            for (const Dep5Files &stanza : stanzas)
                if (std::any_of(stanza.globs.cbegin(), stanza.globs.cend(),
                        [&](const QRegularExpression &glob) { return glob.match(it.key()).hasMatch(); }))
                    last = &stanza;
            if (!last || last->patterns == QStringList {u"*"_s} || last->license != it.value())
                wrong << it.key() + u": "_s + (last ? last->license : u"unmatched"_s) + u", README: "_s + it.value();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // What `cmake --install` puts under /usr, split between the two packages as debian/*.install
    // says: every file in exactly one (dh_missing --fail-missing fails the package build
    // otherwise), nothing graphical in quillmark-cli. Then the installed tool runs, and the
    // catalogues lie where it looks first (one there wins over the built-in one: the French
    // catalogue under the German name makes it speak French), and the file managers' actions
    // lie where each looks.
    void installedFilesAndPackages()
    {
        QTemporaryDir out;
        qputenv("DESTDIR", out.path().toLocal8Bit());
        const Run install = run(u"cmake"_s, {u"--install"_s, buildDir().path(), u"--prefix"_s, u"/usr"_s});
        qunsetenv("DESTDIR");
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
        const QDir root(out.path());
        QStringList installed;
        for (QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            installed << root.relativeFilePath(it.next());
        QVERIFY(installed.size() > 10);

        QMap<QString, QStringList> owners; // file -> packages
        for (const QString &package : {u"quillmark"_s, u"quillmark-cli"_s}) {
            const QStringList lines
                = readText(sourceDir.filePath(u"debian/"_s + package + u".install"_s)).split(u'\n', Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            for (const QString &line : lines) {
                const QRegularExpression glob(u"^"_s + dep5Glob(line.trimmed()) + u"(/.*)?$"_s);
                qsizetype matched = 0;
                for (const QString &file : std::as_const(installed))
                    if (glob.match(file).hasMatch() && ++matched)
                        owners[file] << package;
                QVERIFY2(matched, qPrintable(package + u".install lists what is not installed: "_s + line));
            }
        }
        QStringList badlyOwned;
        for (const QString &file : std::as_const(installed)) {
            const QStringList packages = owners.value(file);
            if (packages.size() != 1)
                badlyOwned << file + u": "_s + (packages.isEmpty() ? u"in no package"_s : packages.join(u", "_s));
            else if (packages.first() == u"quillmark-cli"
                && (file == u"usr/bin/quillmark"
                    || file.contains(QRegularExpression(
                        u"^usr/share/(applications|icons|metainfo|kio|nemo|quillmark/nautilus)/"_s))))
                badlyOwned << file + u": graphical, in quillmark-cli"_s;
        }
        QVERIFY2(badlyOwned.isEmpty(), qPrintable(badlyOwned.join(u'\n')));

        const QDir usr(root.filePath(u"usr"_s));
        const Run version = run(usr.filePath(u"bin/quillmark-cli"_s), {u"--version"_s});
        QVERIFY2(version.exitCode == 0 && version.output.contains(QStringLiteral(QUILLMARK_VERSION)),
            qPrintable(version.output));
        QVERIFY(readText(usr.filePath(u"share/icons/hicolor/scalable/apps/quillmark.svg"_s)).contains(u"<svg"_s));
        QCOMPARE(readText(usr.filePath(u"share/applications/"_s + appId + u".desktop"_s)), readText(desktopFile));
        const QString catalogues = usr.filePath(u"share/quillmark/translations/quillmark_"_s);
        for (const QString &language : {u"de"_s, u"fr"_s, u"es"_s})
            QVERIFY2(QFileInfo(catalogues + language + u".qm"_s).size() > 1000, qPrintable(language));
        QFile::remove(catalogues + u"de.qm"_s);
        QVERIFY(QFile::copy(catalogues + u"fr.qm"_s, catalogues + u"de.qm"_s));
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            qunsetenv(name);
        qputenv("LANG", "de_DE.UTF-8");
        const QString french = run(usr.filePath(u"bin/quillmark-cli"_s), {u"--help"_s}).output.simplified();
        QVERIFY2(french.contains(u"Fichiers image et dossiers à nettoyer."_s), qPrintable(french));
        for (const QString &file : {u"kio/servicemenus/quillmark-clean.desktop"_s,
                 u"nemo/actions/quillmark-clean.nemo_action"_s, u"quillmark/nautilus/Remove metadata"_s}) {
            const QString path = usr.filePath(u"share/"_s + file);
            QCOMPARE(testutil::readFile(path),
                testutil::readFile(packagingDir + u"/filemanager/"_s + file.section(u'/', -1)));
            QCOMPARE(QFileInfo(path).isExecutable(), file.endsWith(u"metadata"_s));
        }
    }
};

QTEST_GUILESS_MAIN(TestDebian)
#include "tst_debian.moc"
