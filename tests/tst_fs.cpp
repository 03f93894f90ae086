// System folders, path helpers and the trash.

#include "core/NativePath.h"
#include "core/SystemFolders.h"
#include "core/Trash.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace Qt::StringLiterals;

using testutil::EnvOverride;

class TestFs final : public QObject {
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

    // Any bytes make a path that turns back into the same bytes; valid UTF-8 reads as
    // the text it is, and only the stray bytes show as \xNN.
    void pathsKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("printable");
        QTest::newRow("ASCII") << QByteArray("/a/b c.jpg") << u"/a/b c.jpg"_s;
        QTest::newRow("UTF-8") << QByteArray("/caf\xc3\xa9/\xf0\x9f\x93\xb7.jpg") << u"/café/📷.jpg"_s;
        QTest::newRow("Latin-1") << QByteArray("/caf\xe9.jpg") << u"/caf\\xe9.jpg"_s;
        QTest::newRow("stray after a real pair") << QByteArray("\xf0\x9f\x93\xb7\xdc") << u"📷\\xdc"_s;
        QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf"
                                                      "b")
                                        << u"a\\xc0\\xafb"_s;
        QTest::newRow("cut-off sequence") << QByteArray("x\xe2\x82") << u"x\\xe2\\x82"_s;
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all += char(b);
        QTest::newRow("every byte") << all << QString();
    }

    void pathsKeepTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, printable);
        const QString path = decodePath(bytes);
        QCOMPARE(encodePath(path), bytes);
        QCOMPARE(holdsStrayBytes(path), !QByteArrayView(bytes).isValidUtf8());
        if (!printable.isNull())
            QCOMPARE(printablePath(path), printable);
    }

    // The file operations a run needs work on the exact bytes, and a failed image with
    // such a name still reaches the trash under its own name.
    void filesWhoseNamesAreNotUtf8()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        const QByteArray raw = folder + "/caf\xe9.jpg";
        const QString path = decodePath(raw);
        QFile create;
        QVERIFY(openPath(create, path, QIODevice::WriteOnly) == false); // opening never creates
        FILE *f = std::fopen(raw.constData(), "w");
        QVERIFY(f);
        std::fputs("data", f);
        std::fclose(f);

        QVERIFY(isFilePath(path) && PathExists(path) && !FolderExists(path));
        QFile file;
        QVERIFY(openPath(file, path, QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("data"));
        file.close();
        const QString link = decodePath(folder + "/l\xe9nk.jpg");
        QVERIFY(linkPath(path, link) && isFilePath(link));
        QVERIFY(removePath(link) && !PathExists(link) && isFilePath(path));

        // A fresh account has no trash folder yet: it is made, for its user alone, and
        // nothing lands in the working folder instead.
        const QString dataHome = dir.filePath(u"share"_s);
        const EnvOverride x("XDG_DATA_HOME", dataHome);
        const QString cwd = dir.filePath(u"cwd"_s);
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir().mkpath(cwd) && QDir::setCurrent(cwd));
        const auto restoreCwd = qScopeGuard([&] { QDir::setCurrent(oldCwd); });
        QTest::failOnWarning(QRegularExpression(u"trash"_s, QRegularExpression::CaseInsensitiveOption));
        QVERIFY(MoveToRecycleBin(path));
        QVERIFY(!PathExists(path));
        QVERIFY(QDir(cwd).isEmpty());
        QCOMPARE(QFile::permissions(dataHome) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        QVERIFY(::access((QFile::encodeName(dataHome) + "/Trash/files/caf\xe9.jpg").constData(), F_OK) == 0);
        const QByteArray infoPath = QFile::encodeName(dataHome) + "/Trash/info/caf\xe9.jpg.trashinfo";
        FILE *i = std::fopen(infoPath.constData(), "r");
        QVERIFY(i);
        char text[256] = {};
        const size_t n = std::fread(text, 1, sizeof text - 1, i);
        std::fclose(i);
        const QByteArray written(text, qsizetype(n));
        QVERIFY2(written.startsWith("[Trash Info]\nPath=" + QFile::encodeName(dir.path()).toPercentEncoding("/")
                     + "/caf%E9.jpg\nDeletionDate=20"),
            written.constData());

        // A second one of that name gets a name of its own in the trash.
        f = std::fopen(raw.constData(), "w");
        QVERIFY(f);
        std::fclose(f);
        QVERIFY(MoveToRecycleBin(path));
        QVERIFY(::access((QFile::encodeName(dataHome) + "/Trash/files/caf\xe9.jpg.2").constData(), F_OK) == 0);
        QVERIFY(!MoveToRecycleBin(path)); // gone
        testutil::removeTree(dir.path());
    }
};

QTEST_GUILESS_MAIN(TestFs)
#include "tst_fs.moc"
