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
    EnvOverride(const char *name, const QString &value) : m_name(name)
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value.toLocal8Bit());
    }
    ~EnvOverride() { m_hadValue ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    Q_DISABLE_COPY_MOVE(EnvOverride)

private:
    const char *m_name; // first, so the two below can read it
    bool m_hadValue = qEnvironmentVariableIsSet(m_name);
    QByteArray m_old = qgetenv(m_name);
};

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
        QTest::newRow("top level file") << u"/b.jpg"_s << u"/"_s;
        QTest::newRow("only one slash removed") << u"/a/b//"_s << u"/a/b/"_s;
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
        QTest::newRow("TEMP wins, without trailing slash") << u"/work temp/"_s << u"/other"_s << u"/work temp"_s;
        QTest::newRow("empty TEMP falls to TMPDIR") << u""_s << u"/tmpdir/"_s << u"/tmpdir"_s;
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

    void existence()
    {
        QTemporaryDir dir;
        const QString dangling = dir.filePath(u"dangling"_s);
        QVERIFY(QFile::link(dir.filePath(u"gone"_s), dangling));
        QVERIFY(FolderExists(dir.path() + u'/'));
        QVERIFY(!FolderExists(QCoreApplication::applicationFilePath()));
        QVERIFY(!FolderExists(dangling) && PathExists(dangling)); // an output there counts as existing
        QVERIFY(!PathExists(dir.filePath(u"missing"_s)));
    }

    // A fresh account has no trash folder yet; the file must still reach that user's trash.
    void recycleBin()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString home = dir.filePath(u"home"_s);
        const QString dataHome = dir.filePath(u"data/share"_s);
        const QString cwd = dir.filePath(u"cwd"_s);
        QVERIFY(QDir().mkpath(home + u"/pics"_s) && QDir().mkpath(cwd));

        const EnvOverride h("HOME", home);
        const EnvOverride x("XDG_DATA_HOME", dataHome);
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(cwd));
        const auto restoreCwd = qScopeGuard([&] { QDir::setCurrent(oldCwd); });
        QTest::failOnWarning(QRegularExpression(u"trash"_s, QRegularExpression::CaseInsensitiveOption));

        const QString image = home + u"/pics/failed image.jpg"_s;
        QVERIFY(QFile(image).open(QIODevice::WriteOnly));
        QVERIFY(MoveToRecycleBin(image));
        QVERIFY(!QFileInfo::exists(image));
        QVERIFY(QFileInfo::exists(dataHome + u"/Trash/files/failed image.jpg"_s)
                && QFileInfo::exists(dataHome + u"/Trash/info/failed image.jpg.trashinfo"_s));
        QVERIFY(QDir(cwd).isEmpty());
        QCOMPARE(QFile::permissions(dataHome) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

        // A second file of the same name does not replace the first.
        QVERIFY(QFile(image).open(QIODevice::WriteOnly));
        QVERIFY(MoveToRecycleBin(image));
        QCOMPARE(QDir(dataHome + u"/Trash/files"_s).entryList(QDir::Files).size(), 2);
        QVERIFY(!MoveToRecycleBin(home + u"/pics/missing.jpg"_s));
    }
};

QTEST_GUILESS_MAIN(TestFs)
#include "tst_fs.moc"
