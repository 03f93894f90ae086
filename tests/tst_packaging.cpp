// What a desktop sees of the program: the desktop entry (its "Open with" types cover the
// supported images), the AppStream data, both passing the desktop's own validators; what
// `cmake --install` puts where and which Debian package holds it; debian/'s own facts.

#include "core/ImageFiles.h"
#include "testutil.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString appId = u"io.github.corvane.Quillmark"_s;
const QString packagingDir = QStringLiteral(QUILLMARK_SOURCE_DIR "/packaging");
const QString desktopFile = packagingDir + u'/' + appId + u".desktop"_s;
const QString metainfoFile = packagingDir + u'/' + appId + u".metainfo.xml"_s;

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

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

// The build folder is the one that holds quillmark-cli's CMakeCache.txt.
QDir buildDir()
{
    QDir build = QFileInfo(QString::fromUtf8(QUILLMARK_CLI)).absoluteDir();
    while (!build.exists(u"CMakeCache.txt"_s) && build.cdUp()) { }
    return build;
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments, const QString &workingDir = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

} // namespace

class TestPackaging final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every supported image the desktop knows as an image type, and folders, are offered
    // "Open with": several at once, each an argument of its own.
    void desktopEntryOpensImagesAndFolders()
    {
        const QString entry = readText(desktopFile); // one group: the first line of a key is its line
        const auto key = [&entry](const QString &name) {
            return QRegularExpression(u"^"_s + name + u"=(.*)$"_s, QRegularExpression::MultilineOption)
                .match(entry)
                .captured(1);
        };
        QCOMPARE(key(u"Exec"_s), u"quillmark %F"_s);
        const QStringList listed = key(u"MimeType"_s).split(u';', Qt::SkipEmptyParts);
        QVERIFY(listed.contains(u"inode/directory"_s));
        const QMimeDatabase mimes;
        QStringList missing;
        const QStringList extensions = ImageFiles::supportedExtensionList().split(u',', Qt::SkipEmptyParts);
        for (const QString &extension : extensions) {
            const QMimeType type = mimes.mimeTypeForFile(u"x."_s + extension.toLower(), QMimeDatabase::MatchExtension);
            if (!type.name().startsWith(u"image/"_s))
                continue;
            QStringList names = type.aliases();
            names << type.name();
            const bool covered
                = std::any_of(names.cbegin(), names.cend(), [&](const QString &name) { return listed.contains(name); });
            if (!covered)
                missing << extension + u": "_s + type.name();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
        // And nothing that is not an image or a folder.
        for (const QString &type : listed) {
            QVERIFY2(type.startsWith(u"image/"_s) || type == u"inode/directory" || type == u"application/postscript",
                qPrintable(type));
        }
    }

    void validates_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refused"); // what may not be in its output
        QTest::newRow("desktop entry") << u"desktop-file-validate"_s << QStringList {desktopFile} << u"\\S"_s;
        // Infos are allowed (a newer tag an older validator does not know); no warnings or errors.
        QTest::newRow("metainfo") << u"appstreamcli"_s << QStringList {u"validate"_s, u"--no-net"_s, metainfoFile}
                                  << u"^[WE]: "_s;
    }

    void validates()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        QFETCH(QString, refused);
        const QString program = QStandardPaths::findExecutable(validator);
        if (program.isEmpty())
            QSKIP("the validator is not installed (Debian packages desktop-file-utils, appstream)");
        const Run result = run(program, arguments);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QVERIFY2(!result.output.contains(QRegularExpression(refused, QRegularExpression::MultilineOption)),
            qPrintable(result.output));
    }

    // The release the AppStream data announces is the program's version.
    void metainfoRelease()
    {
        QVERIFY(readText(metainfoFile).contains(u"<release version=\""_s + QStringLiteral(QUILLMARK_VERSION) + u'"'));
    }

    // Every option --help lists is explained in the manual page, whoever adds it.
    void manPageCoversEveryOption()
    {
        // The page as the reader sees its words: roff font changes and escapes removed.
        QString page = readText(buildDir().filePath(u"doc/quillmark-cli.1"_s));
        page.remove(QRegularExpression(u"\\\\f[BIRP]"_s)).remove(u"\\&"_s).replace(u"\\-"_s, u"-"_s);
        QVERIFY2(!page.isEmpty(), "doc/quillmark-cli.1 was not built");
        const Run help = run(QString::fromUtf8(QUILLMARK_CLI), {u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        static const QRegularExpression option(u"^  +(?:(-\\w), )?(--[\\w-]+)"_s, QRegularExpression::MultilineOption);
        QStringList listed;
        for (auto it = option.globalMatch(help.output); it.hasNext();) {
            const auto match = it.next();
            listed << match.captured(2);
            if (match.hasCaptured(1))
                listed << match.captured(1);
        }
        QVERIFY2(listed.size() >= 10, qPrintable(help.output));
        QStringList missing;
        for (const QString &name : std::as_const(listed)) {
            // Where the page explains an option, its name starts the term of an indented
            // paragraph (scdoc: the term line, then ".RS").
            if (!page.contains(
                    QRegularExpression(u"^(-\\w, )?"_s + QRegularExpression::escape(name) + u"\\b.*\\n\\.RS"_s,
                        QRegularExpression::MultilineOption)))
                missing << name;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(u"not in quillmark-cli(1): "_s + missing.join(u' ')));
    }

    // Completion as bash offers it: the script is loaded by a plain bash with
    // bash-completion, as /usr/share/bash-completion/completions would load it.
    void bashCompletion_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("option") << u"--ou"_s << QStringList {u"--output"_s};
        QTest::newRow("output modes") << u"--output "_s
                                      << QStringList {u"overwrite"_s, u"folder="_s, u"prefix="_s, u"suffix="_s};
        QTest::newRow("output folder") << u"--output folder=sub"_s << QStringList {u"sub dir"_s};
        QTest::newRow("remove second item") << u"--remove exif,g"_s << QStringList {u"exif,gps"_s, u"exif,geotiff"_s};
        QTest::newRow("files") << u"pho"_s << QStringList {u"photo one.jpg"_s};
    }

    void bashCompletion()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        const QString bashCompletion = u"/usr/share/bash-completion/bash_completion"_s;
        if (!QFile::exists(bashCompletion))
            QSKIP("bash-completion is not installed (Debian package bash-completion)");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"sub dir"_s));
        QFile photo(dir.filePath(u"photo one.jpg"_s));
        QVERIFY(photo.open(QIODevice::WriteOnly));
        photo.close();
        // compopt only works inside a completion started by readline.
        const QString script = uR"(compopt() { :; }
source "$1"; source "$2"
COMP_LINE="quillmark-cli $3"; COMP_POINT=${#COMP_LINE}
read -ra COMP_WORDS <<<"$COMP_LINE"
[[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
complete -p quillmark-cli >/dev/null || exit 9
_quillmark_cli quillmark-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
printf '%s\n' "${COMPREPLY[@]}")"_s;
        const Run result = run(u"bash"_s,
            {u"--norc"_s, u"--noprofile"_s, u"-c"_s, script, u"bash"_s, bashCompletion,
                packagingDir + u"/completion/quillmark-cli.bash"_s, line},
            dir.path());
        QCOMPARE(result.exitCode, 0);
        QStringList offered = result.output.split(u'\n', Qt::SkipEmptyParts);
        offered.sort();
        expected.sort();
        QCOMPARE(offered, expected);
    }

    void zshCompletionLoads()
    {
        const QString zsh = QStandardPaths::findExecutable(u"zsh"_s);
        if (zsh.isEmpty())
            QSKIP("zsh is not installed");
        QTemporaryDir dir;
        const Run result = run(zsh,
            {u"-f"_s, u"-c"_s,
                u"fpath=(\"$1\" $fpath); autoload -Uz compinit; compinit -u -d \"$2/dump\"; "
                "print -r -- $_comps[quillmark-cli]"_s,
                u"zsh"_s, packagingDir + u"/completion"_s, dir.path()});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.output.trimmed(), u"_quillmark-cli"_s);
    }

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

    // The newest changelog entry is the program's version, released the day AppStream says.
    void debianChangelog()
    {
        const QString changelog = readText(sourceDir.filePath(u"debian/changelog"_s));
        const auto top = QRegularExpression(u"^quillmark \\(([^)]+)\\)"_s).match(changelog);
        QCOMPARE(top.captured(1), QStringLiteral(QUILLMARK_VERSION));
        const auto signature
            = QRegularExpression(u"^ -- .+>  \\w{3}, (\\d\\d \\w{3} \\d{4}) "_s, QRegularExpression::MultilineOption)
                  .match(changelog);
        const QDate date = QLocale::c().toDate(signature.captured(1), u"dd MMM yyyy"_s);
        QVERIFY2(date.isValid(), qPrintable(signature.captured(0)));
        const auto release
            = QRegularExpression(u"<release version=\"[^\"]+\" date=\"([\\d-]+)\""_s).match(readText(metainfoFile));
        QCOMPARE(date.toString(Qt::ISODate), release.captured(1));
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
    // catalogue under the German name makes it speak French).
    void installedFilesAndPackages()
    {
        QTemporaryDir out;
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DESTDIR"_s, out.path());
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(u"cmake"_s, {u"--install"_s, buildDir().path(), u"--prefix"_s, u"/usr"_s});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
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
                const auto first = std::find_if(
                    installed.cbegin(), installed.cend(), [&](const QString &f) { return glob.match(f).hasMatch(); });
                QVERIFY2(first != installed.cend(),
                    qPrintable(package + u".install lists what is not installed: "_s + line));
                for (const QString &file : std::as_const(installed))
                    if (glob.match(file).hasMatch())
                        owners[file] << package;
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
        QProcess cli;
        QProcessEnvironment cliEnv = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANGUAGE"_s})
            cliEnv.remove(name);
        cliEnv.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
        cli.setProcessEnvironment(cliEnv);
        cli.start(usr.filePath(u"bin/quillmark-cli"_s), {u"--help"_s});
        QVERIFY(cli.waitForFinished(30000));
        const QString french = QString::fromUtf8(cli.readAllStandardOutput()).simplified();
        QVERIFY2(french.contains(u"Fichiers image et dossiers à nettoyer."_s), qPrintable(french));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
