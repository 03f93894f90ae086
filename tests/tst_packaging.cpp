// What a desktop sees of the program: the desktop entry (its "Open with" types cover the
// supported images), the AppStream data, both passing the desktop's own validators, and
// what `cmake --install` puts where.

#include "imagelist/ImageFiles.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString appId = u"io.github.corvane.Quillmark"_s;

QString packagingDir()
{
    return QDir::cleanPath(QString::fromUtf8(QUILLMARK_TESTDATA) + u"/../../packaging"_s);
}

QString desktopFile()
{
    return packagingDir() + u'/' + appId + u".desktop"_s;
}

QString metainfoFile()
{
    return packagingDir() + u'/' + appId + u".metainfo.xml"_s;
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The keys of the desktop entry's main group.
QMap<QString, QString> desktopEntry()
{
    QMap<QString, QString> keys;
    bool inEntry = false;
    for (const QString &line : readText(desktopFile()).split(u'\n')) {
        if (line.startsWith(u'[')) {
            inEntry = line.trimmed() == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

struct Run
{
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
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

class TestPackaging final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void desktopEntryOpensFilesAndFolders()
    {
        const QMap<QString, QString> entry = desktopEntry();
        QCOMPARE(entry.value(u"Type"_s), u"Application"_s);
        QCOMPARE(entry.value(u"Name"_s), u"Quillmark"_s);
        // Several files and folders at once, each an argument of its own.
        QCOMPARE(entry.value(u"Exec"_s), u"quillmark %F"_s);
        QCOMPARE(entry.value(u"Icon"_s), u"quillmark"_s);
        QVERIFY(entry.value(u"MimeType"_s).split(u';').contains(u"inode/directory"_s));
    }

    // Every supported image the desktop knows as an image type is offered "Open with".
    void desktopEntryCoversSupportedImages()
    {
        const QStringList listed = desktopEntry().value(u"MimeType"_s).split(u';', Qt::SkipEmptyParts);
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

    void desktopEntryValidates()
    {
        const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        const Run result = run(validator, {desktopFile()});
        QVERIFY2(result.exitCode == 0 && result.output.trimmed().isEmpty(), qPrintable(result.output));
    }

    void metainfoNamesTheProgram()
    {
        const QString text = readText(metainfoFile());
        QVERIFY(text.contains(u"<id>"_s + appId + u"</id>"_s));
        QVERIFY(text.contains(u"<launchable type=\"desktop-id\">"_s + appId + u".desktop</launchable>"_s));
        QVERIFY(text.contains(u"<binary>quillmark</binary>"_s));
        QVERIFY(text.contains(u"<binary>quillmark-cli</binary>"_s));
        // The release is the program's version.
        QVERIFY(text.contains(u"<release version=\""_s + QStringLiteral(QUILLMARK_VERSION) + u'"'));
    }

    void metainfoValidates()
    {
        const QString validator = QStandardPaths::findExecutable(u"appstreamcli"_s);
        if (validator.isEmpty())
            QSKIP("appstreamcli is not installed (Debian package appstream)");
        const Run result = run(validator, {u"validate"_s, u"--no-net"_s, metainfoFile()});
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        // Infos are allowed (a newer tag an older validator does not know); no warnings or errors.
        QVERIFY2(!result.output.contains(QRegularExpression(u"^[WE]: "_s, QRegularExpression::MultilineOption)),
            qPrintable(result.output));
    }

    void installPutsEverythingInPlace()
    {
        const QString cmake = QStandardPaths::findExecutable(u"cmake"_s);
        if (cmake.isEmpty())
            QSKIP("cmake is not on PATH");
        // The build folder is the one that holds quillmark-cli's CMakeCache.txt.
        QDir build = QFileInfo(QString::fromUtf8(QUILLMARK_CLI)).absoluteDir();
        while (!build.exists(u"CMakeCache.txt"_s) && build.cdUp()) { }
        QVERIFY(build.exists(u"CMakeCache.txt"_s));
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        const Run result = run(cmake, {u"--install"_s, build.path(), u"--prefix"_s, prefix.path()});
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));

        for (const QString &program : {u"bin/quillmark"_s, u"bin/quillmark-cli"_s}) {
            const QFileInfo info(prefix.filePath(program));
            QVERIFY2(info.isFile() && info.isExecutable(), qPrintable(program));
        }
        const QString icon = prefix.filePath(u"share/icons/hicolor/scalable/apps/quillmark.svg"_s);
        QVERIFY(readText(icon).contains(u"<svg"_s));
        QCOMPARE(readText(prefix.filePath(u"share/applications/"_s + appId + u".desktop"_s)), readText(desktopFile()));
        QCOMPARE(
            readText(prefix.filePath(u"share/metainfo/"_s + appId + u".metainfo.xml"_s)), readText(metainfoFile()));

        // The installed tool runs where it was put.
        const Run help = run(prefix.filePath(u"bin/quillmark-cli"_s), {u"--version"_s});
        QVERIFY2(help.exitCode == 0, qPrintable(help.output));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
