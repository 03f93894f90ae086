// What a desktop sees of the program: the desktop entry (its "Open with" types cover the
// supported images), the AppStream data, both passing the desktop's own validators, and
// what `cmake --install` puts where (tst_debian: which Debian package holds it).

#include "core/ImageFiles.h"
#include "packagingtestutil.h"
#include "testutil.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using namespace packagingtest;

// A PNG file's size from its header (the test links no image library); empty when it is none.
QSize pngSize(const QString &path)
{
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(24) : QByteArray();
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR")
        return {};
    const auto number = [&head](int at) { return qFromBigEndian<quint32>(head.constData() + at); };
    return QSize(int(number(16)), int(number(20)));
}

// The groups of a desktop-entry-like file (a desktop entry, a Dolphin service menu, a Nemo
// action): group name to its keys and values, as the desktop reads them.
using KeyFile = QMap<QString, QMap<QString, QString>>;
KeyFile readKeyFile(const QString &path)
{
    KeyFile groups;
    QString group;
    for (const QString &line : readText(path).split(u'\n')) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            group = line.mid(1, line.size() - 2);
        else if (!line.isEmpty() && !line.startsWith(u'#') && line.contains(u'='))
            groups[group].insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return groups;
}

const QString fileManagerDir = packagingDir + u"/filemanager"_s;

} // namespace

class TestPackaging final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every supported image or video the desktop knows as such is offered "Open with":
    // several at once, each an argument of its own. Folders are not claimed: where no
    // default-applications list decides, that would make Quillmark the folder opener.
    void desktopEntryOpensImagesNotFolders()
    {
        const QMap<QString, QString> entry = readKeyFile(desktopFile).value(u"Desktop Entry"_s);
        QCOMPARE(entry.value(u"Exec"_s), u"quillmark %F"_s);
        const QStringList listed = entry.value(u"MimeType"_s).split(u';', Qt::SkipEmptyParts);
        const QMimeDatabase mimes;
        QStringList missing;
        const QStringList extensions = (ImageFiles::supportedExtensionList() + u',' + ImageFiles::videoExtensionList())
                                           .split(u',', Qt::SkipEmptyParts);
        for (const QString &extension : extensions) {
            const QMimeType type = mimes.mimeTypeForFile(u"x."_s + extension.toLower(), QMimeDatabase::MatchExtension);
            if (!type.name().startsWith(u"image/"_s) && !type.name().startsWith(u"video/"_s))
                continue;
            QStringList names = type.aliases();
            names << type.name();
            const bool covered
                = std::any_of(names.cbegin(), names.cend(), [&](const QString &name) { return listed.contains(name); });
            if (!covered)
                missing << extension + u": "_s + type.name();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
        // And nothing that is not an image: no folder, nor anything a folder is.
        for (const QString &type : listed) {
            QVERIFY2(type.startsWith(u"image/"_s) || type.startsWith(u"video/"_s) || type == u"application/postscript",
                qPrintable(type));
            QVERIFY2(!mimes.mimeTypeForName(u"inode/directory"_s).inherits(type), qPrintable(type));
        }
    }

    void validates_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refused"); // what may not be in its output
        QTest::addColumn<bool>("mayFail"); // on nothing but what is not refused
        QTest::newRow("desktop entry") << u"desktop-file-validate"_s << QStringList {desktopFile} << u"\\S"_s << false;
        // Infos are allowed (a newer tag an older validator does not know); no warnings or errors.
        QTest::newRow("metainfo") << u"appstreamcli"_s << QStringList {u"validate"_s, u"--no-net"_s, metainfoFile}
                                  << u"^[WE]: "_s << false;
        // The Dolphin service menu's KDE keys (MimeType, Actions, TryExec with Type=Service) are
        // mistakes to desktop-file-validate: nothing else may be wrong.
        QTest::newRow("service menu")
            << u"desktop-file-validate"_s << QStringList {fileManagerDir + u"/quillmark-clean.desktop"_s}
            << uR"re(^(?!.*key "(MimeType|Actions|TryExec)" is present in group "Desktop Entry", but the type is "Service").*\S)re"_s
            << true;
    }

    void validates()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        QFETCH(QString, refused);
        QFETCH(bool, mayFail);
        const QString program = QStandardPaths::findExecutable(validator);
        if (program.isEmpty())
            QSKIP("the validator is not installed (Debian packages desktop-file-utils, appstream)");
        const Run result = run(program, arguments);
        QVERIFY2(result.exitCode == 0 || (mayFail && result.exitCode > 0), qPrintable(result.output));
        QVERIFY2(!result.output.contains(QRegularExpression(refused, QRegularExpression::MultilineOption)),
            qPrintable(result.output));
    }

    // "Remove metadata" in Dolphin, Nemo and Nautilus and the desktop entry's "Clean with
    // stored options": each file's keys as its file manager reads them, offered on the images
    // the desktop entry opens and on folders. Each action run as its file manager runs it:
    // the Exec line split into arguments with %F replaced by the selected files, one argument
    // each (no shell), or the Nautilus script given the files. The real window cleans two
    // copied samples with blanks in their names with the defaults, closes by itself
    // (QUILLMARK_AUTO_WAIT_MS) and leaves the originals.
    void fileManagerActions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("group"); // where the menu item is; empty: the file is a script
        QTest::addColumn<QString>("typesGroup"); // where the types are, and their key
        QTest::addColumn<QString>("typesKey");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("keys"); // further KEY=VALUE lines, in either group
        QTest::newRow("desktop entry") << desktopFile << u"Desktop Action clean"_s << QString() << QString()
                                       << u"Clean with stored options"_s
                                       << QStringList {u"Desktop Entry/Actions=clean;"_s};
        QTest::newRow("Dolphin") << fileManagerDir + u"/quillmark-clean.desktop"_s << u"Desktop Action removeMetadata"_s
                                 << u"Desktop Entry"_s << u"MimeType"_s << u"Remove metadata"_s
                                 << QStringList {u"Desktop Entry/Type=Service"_s,
                                        u"Desktop Entry/X-KDE-ServiceTypes=KonqPopupMenu/Plugin"_s,
                                        u"Desktop Entry/Actions=removeMetadata;"_s,
                                        u"Desktop Action removeMetadata/Icon=quillmark"_s};
        QTest::newRow("Nemo") << fileManagerDir + u"/quillmark-clean.nemo_action"_s << u"Nemo Action"_s
                              << u"Nemo Action"_s << u"Mimetypes"_s << u"Remove metadata"_s
                              << QStringList {u"Nemo Action/Selection=notnone"_s, u"Nemo Action/Icon-Name=quillmark"_s};
        QTest::newRow("Nautilus") << fileManagerDir + u"/Remove metadata"_s << QString() << QString() << QString()
                                  << QString() << QStringList();
    }
    void fileManagerActions()
    {
        QFETCH(QString, file);
        QFETCH(QString, group);
        QFETCH(QString, typesGroup);
        QFETCH(QString, typesKey);
        QFETCH(QString, name);
        QFETCH(QStringList, keys);
        QUILLMARK_REQUIRE_EXIFTOOL();
        const KeyFile groups = readKeyFile(file);
        const QMap<QString, QString> item = groups.value(group);
        if (!group.isEmpty()) {
            QCOMPARE(item.value(u"Name"_s), name);
            QCOMPARE(item.value(u"Exec"_s), u"quillmark --clean %F"_s);
        }
        // The desktop entry's action is translated with its other keys, by the translators.
        if (!typesKey.isEmpty()) {
            for (const QString &language : {u"de"_s, u"fr"_s, u"es"_s})
                QVERIFY2(!item.value(u"Name[%1]"_s.arg(language)).isEmpty(), qPrintable(language));
            // The images "Open with" offers, and folders.
            const QString opened = readKeyFile(desktopFile).value(u"Desktop Entry"_s).value(u"MimeType"_s);
            QVERIFY(!opened.isEmpty());
            QCOMPARE(groups.value(typesGroup).value(typesKey), opened + u"inode/directory;"_s);
        }
        for (const QString &line : keys) {
            const QString pair = line.section(u'/', 1);
            QCOMPARE(groups.value(line.section(u'/', 0, 0)).value(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
        }

        QTemporaryDir dir;
        for (const QString &sub : {u"bin"_s, u"home"_s, u"temp"_s, u"images"_s})
            QVERIFY(QDir(dir.path()).mkpath(sub));
        // "quillmark" on the PATH is the program just built.
        QVERIFY(QFile::link(QString::fromUtf8(QUILLMARK_GUI), dir.filePath(u"bin/quillmark"_s)));
        const QStringList images {dir.filePath(u"images/a photo.jpg"_s), dir.filePath(u"images/another one.png"_s)};
        QVERIFY(testutil::copySample(u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s, images.at(0)));
        QVERIFY(testutil::copySample(u"png_exif_gps_xmp.png"_s, images.at(1)));
        const QByteArray before = testutil::readFile(images.at(0)) + testutil::readFile(images.at(1));
        QStringList command;
        if (group.isEmpty()) {
            command << file << images;
        } else {
            const QString exec = item.value(u"Exec"_s);
            QVERIFY2(!exec.contains(u'"') && !exec.contains(u'\\'), qPrintable(exec)); // no quoting to undo
            for (const QString &word : exec.split(u' ', Qt::SkipEmptyParts))
                command += word == u"%F"_s ? images : QStringList {word};
        }
        QProcessEnvironment env = testutil::cliEnvironment(dir.filePath(u"temp"_s));
        env.remove(u"LC_ALL"_s);
        env.insert(u"PATH"_s, dir.filePath(u"bin"_s) + u':' + env.value(u"PATH"_s));
        env.insert(u"HOME"_s, dir.filePath(u"home"_s)); // nothing stored: the defaults
        env.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"home/.config"_s));
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"QUILLMARK_AUTO_WAIT_MS"_s, u"0"_s);
        const QString program = QStandardPaths::findExecutable(command.takeFirst(), {dir.filePath(u"bin"_s)});
        QVERIFY(!program.isEmpty());
        const testutil::CliRun ran = testutil::runCli(command, env, program);
        QVERIFY2(ran.exitCode == 0, qPrintable(ran.out + ran.err));
        QCOMPARE(QDir(dir.filePath(u"images"_s)).entryList(QDir::Files, QDir::Name),
            (QStringList {
                u"a photo.jpg"_s, u"a photo_cleaned.jpg"_s, u"another one.png"_s, u"another one_cleaned.png"_s}));
        QCOMPARE(testutil::readFile(images.at(0)) + testutil::readFile(images.at(1)), before);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"home/.config/Corvane/Quillmark.conf"_s)));
    }

    // The release the AppStream data announces is the program's version.
    void metainfoRelease()
    {
        QVERIFY(readText(metainfoFile).contains(u"<release version=\""_s + QStringLiteral(QUILLMARK_VERSION) + u'"'));
    }

    // The screenshots software centres show are in the repository (tools/screenshots.sh
    // --appstream renews them) at the sizes the metainfo states, and the small icons are
    // drawn for their size.
    void metainfoPictures()
    {
        const QString text = readText(metainfoFile);
        static const QRegularExpression image(
            uR"re(<image type="source" width="(\d+)" height="(\d+)">[^<]*/(packaging/screenshots/[\w-]+\.png)</image>)re"_s);
        int count = 0;
        for (const QRegularExpressionMatch &m : image.globalMatch(text)) {
            QCOMPARE(pngSize(QStringLiteral(QUILLMARK_SOURCE_DIR "/") + m.captured(3)),
                QSize(m.captured(1).toInt(), m.captured(2).toInt()));
            ++count;
        }
        QVERIFY(count >= 3 && text.count(QRegularExpression(u"<screenshot[ >]"_s)) == count);
        for (int size : {16, 24}) {
            QCOMPARE(pngSize(QStringLiteral(QUILLMARK_SOURCE_DIR "/src/gui/art/quillmark-%1.png").arg(size)),
                QSize(size, size));
        }
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

    // Completion as bash offers it (the script loaded by a plain bash with bash-completion, as
    // /usr/share/bash-completion/completions would load it) and as zsh does
    // (tests/zsh-complete.zsh types the line and a Tab into an interactive zsh).
    void completion_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *shell, const char *name, const QString &line, const QStringList &expected) {
            QTest::addRow("%s: %s", shell, name) << QString::fromLatin1(shell) << line << expected;
        };
        row("bash", "option", u"--ou"_s, {u"--output"_s});
        row("bash", "output modes", u"--output "_s, {u"overwrite"_s, u"folder="_s, u"prefix="_s, u"suffix="_s});
        row("bash", "output folder", u"--output folder=sub"_s, {u"sub dir"_s});
        row("bash", "remove second item", u"--remove exif,g"_s, {u"exif,gps"_s, u"exif,geotiff"_s});
        row("bash", "keep second item", u"--keep orientation,"_s, {u"orientation,color"_s});
        row("bash", "files", u"pho"_s, {u"photo one.jpg"_s});
        row("zsh", "keep", u"--keep "_s, {u"color"_s, u"none"_s, u"orientation"_s});
        // "none" is a whole value, never a list's second item.
        row("zsh", "keep second item", u"--keep orientation,"_s, {u"color"_s});
        row("zsh", "keep= second item", u"--keep=color,"_s, {u"orientation"_s});
        row("zsh", "dry run", u"--dry"_s, {u"--dry-run"_s});
    }

    void completion()
    {
        QFETCH(QString, shell);
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        const QString bashCompletion = u"/usr/share/bash-completion/bash_completion"_s;
        const QString zsh = QStandardPaths::findExecutable(u"zsh"_s);
        if (shell == u"bash" ? !QFile::exists(bashCompletion) : zsh.isEmpty())
            QSKIP("bash-completion or zsh is not installed (Debian packages bash-completion, zsh)");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"sub dir"_s));
        QVERIFY(testutil::writeFile(dir.filePath(u"photo one.jpg"_s), {}));
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
        const Run result = shell == u"bash"
            ? run(u"bash"_s,
                {u"--norc"_s, u"--noprofile"_s, u"-c"_s, script, u"bash"_s, bashCompletion,
                    packagingDir + u"/completion/quillmark-cli.bash"_s, line},
                dir.path())
            : run(zsh,
                {u"-f"_s, QStringLiteral(QUILLMARK_SOURCE_DIR "/tests/zsh-complete.zsh"),
                    packagingDir + u"/completion"_s, dir.path(), line},
                dir.path());
        QCOMPARE(result.exitCode, 0);
        QStringList offered = result.output.split(u'\n', Qt::SkipEmptyParts);
        offered.sort();
        expected.sort();
        QCOMPARE(offered, expected);
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
