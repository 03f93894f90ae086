// System folders, path helpers and the trash.

#include "fs/SystemFolders.h"
#include "fs/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Sets (or, for a null value, removes) an environment variable until the end of the scope.
class EnvOverride final
{
public:
    EnvOverride(const char *name, const QString &value)
        : m_name(name)
        , m_hadValue(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~EnvOverride()
    {
        if (m_hadValue)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    Q_DISABLE_COPY_MOVE(EnvOverride)

private:
    const char *m_name;
    bool m_hadValue;
    QByteArray m_old;
};

bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}

} // namespace

class TestFs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("file") << u"/a/b.jpg"_s << u"/a/"_s;
        QTest::newRow("folder with slash") << u"/a/b/"_s << u"/a/"_s;
        QTest::newRow("bare name") << u"b.jpg"_s << QString();
        QTest::newRow("relative") << u"a/b/c.jpg"_s << u"a/b/"_s;
        QTest::newRow("top level file") << u"/b.jpg"_s << u"/"_s;
        QTest::newRow("root") << u"/"_s << QString();
        QTest::newRow("only one slash removed") << u"/a/b//"_s << u"/a/b/"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("spaces and dots") << u"/my pics/x.y/z w.jpeg"_s << u"/my pics/x.y/"_s;
    }

    void folderFromPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(GetFolderFromPath(path), folder);
    }

    void temporaryFolder_data()
    {
        QTest::addColumn<QString>("temp");
        QTest::addColumn<QString>("tmpdir");
        QTest::addColumn<QString>("expected");
        QTest::newRow("TEMP wins") << u"/work temp"_s << u"/other"_s << u"/work temp"_s;
        QTest::newRow("TEMP trailing slash") << u"/work/tmp/"_s << QString() << u"/work/tmp"_s;
        QTest::newRow("TEMP root") << u"/"_s << QString() << u"/"_s;
        QTest::newRow("empty TEMP falls to TMPDIR") << u""_s << u"/tmpdir/"_s << u"/tmpdir"_s;
        QTest::newRow("unset TEMP falls to TMPDIR") << QString() << u"/tmpdir"_s << u"/tmpdir"_s;
        QTest::newRow("neither") << QString() << QString() << u"/tmp"_s;
    }

    void temporaryFolder()
    {
        QFETCH(QString, temp);
        QFETCH(QString, tmpdir);
        QFETCH(QString, expected);
        const EnvOverride t("TEMP", temp);
        const EnvOverride d("TMPDIR", tmpdir);
        QCOMPARE(GetSystemFolders().sTemp, expected);
    }

    void userFolders()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString home = dir.filePath(u"home"_s);
        QVERIFY(QDir().mkpath(home));
        const EnvOverride h("HOME", home);
        // No user-dirs.dirs there: the standard names below HOME apply.
        const EnvOverride c("XDG_CONFIG_HOME", dir.filePath(u"config"_s));

        SystemFolders folders = GetSystemFolders();
        QCOMPARE(folders.sMyPictures, home + u'/');
        QCOMPARE(folders.sMyDocuments, home + u'/');

        QVERIFY(QDir().mkpath(home + u"/Pictures"_s));
        QVERIFY(QDir().mkpath(home + u"/Documents"_s));
        folders = GetSystemFolders();
        QCOMPARE(folders.sMyPictures, home + u"/Pictures/"_s);
        QCOMPARE(folders.sMyDocuments, home + u"/Documents/"_s);
    }

    void existence()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(u"file.jpg"_s);
        const QString folder = dir.filePath(u"folder"_s);
        const QString linkToFolder = dir.filePath(u"link to folder"_s);
        const QString linkToFile = dir.filePath(u"link to file"_s);
        const QString dangling = dir.filePath(u"dangling"_s);
        QVERIFY(touch(file));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::link(folder, linkToFolder));
        QVERIFY(QFile::link(file, linkToFile));
        QVERIFY(QFile::link(dir.filePath(u"gone"_s), dangling));

        QVERIFY(!FolderExists(file));
        QVERIFY(FolderExists(folder));
        QVERIFY(FolderExists(folder + u'/'));
        QVERIFY(FolderExists(linkToFolder));
        QVERIFY(!FolderExists(linkToFile));
        QVERIFY(!FolderExists(dangling));
        QVERIFY(!FolderExists(dir.filePath(u"missing"_s)));
        QVERIFY(!FolderExists(QString()));

        QVERIFY(PathExists(file));
        QVERIFY(PathExists(folder));
        QVERIFY(PathExists(linkToFolder));
        QVERIFY(PathExists(dangling));
        QVERIFY(!PathExists(dir.filePath(u"missing"_s)));
        QVERIFY(!PathExists(QString()));
    }

    void programFolderHasNoTrailingSlash()
    {
        QCOMPARE(programFolder(), QCoreApplication::applicationDirPath());
        QVERIFY(!programFolder().endsWith(u'/'));
        QVERIFY(QFileInfo::exists(programFolder() + u'/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    }

    void recycleBin_data()
    {
        QTest::addColumn<bool>("useXdgDataHome");
        QTest::newRow("XDG_DATA_HOME") << true;
        QTest::newRow("HOME only") << false;
    }

    // A fresh account has no ~/.local/share; the file must still reach that user's trash.
    void recycleBin()
    {
        QFETCH(bool, useXdgDataHome);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString home = dir.filePath(u"home"_s);
        const QString dataHome = useXdgDataHome ? dir.filePath(u"data/share"_s) : home + u"/.local/share"_s;
        const QString cwd = dir.filePath(u"cwd"_s);
        QVERIFY(QDir().mkpath(home + u"/pics"_s));
        QVERIFY(QDir().mkpath(cwd));
        QVERIFY(!QFileInfo::exists(dataHome));

        const EnvOverride h("HOME", home);
        const EnvOverride x("XDG_DATA_HOME", useXdgDataHome ? dataHome : QString());
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(cwd));
        const auto restoreCwd = qScopeGuard([&] { QDir::setCurrent(oldCwd); });
        QTest::failOnWarning(QRegularExpression(u"trash"_s, QRegularExpression::CaseInsensitiveOption));

        const QString image = home + u"/pics/failed image.jpg"_s;
        QVERIFY(touch(image));
        QVERIFY(MoveToRecycleBin(image));

        QVERIFY(!QFileInfo::exists(image));
        QVERIFY(QFileInfo::exists(dataHome + u"/Trash/files/failed image.jpg"_s));
        QVERIFY(QFileInfo::exists(dataHome + u"/Trash/info/failed image.jpg.trashinfo"_s));
        QVERIFY(!QFileInfo::exists(cwd + u"/files"_s));
        QVERIFY(!QFileInfo::exists(cwd + u"/info"_s));
        QCOMPARE(QFile::permissions(dataHome) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

        // A second file of the same name does not replace the first.
        QVERIFY(touch(image));
        QVERIFY(MoveToRecycleBin(image));
        QCOMPARE(QDir(dataHome + u"/Trash/files"_s).entryList(QDir::Files).size(), 2);

        QVERIFY(!MoveToRecycleBin(home + u"/pics/missing.jpg"_s));
    }
};

QTEST_GUILESS_MAIN(TestFs)
#include "tst_fs.moc"
