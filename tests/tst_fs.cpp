// System folders, path helpers and the trash.

#include "core/NativePath.h"
#include "core/RunCheck.h"
#include "core/SystemFolders.h"
#include "core/Trash.h"
#include "jobfixtures.h"

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
        QTest::newRow("TMPDIR wins, without trailing slash") << u"/other"_s << u"/work tmp/"_s << u"/work tmp"_s;
        QTest::newRow("empty TMPDIR falls to TEMP") << u"/temp/"_s << u""_s << u"/temp"_s;
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
        QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf\x62") << u"a\\xc0\\xafb"_s;
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
        const auto make = [&raw](const char *data) {
            FILE *f = std::fopen(raw.constData(), "w");
            return f && std::fputs(data, f) >= 0 && std::fclose(f) == 0;
        };
        QFile file;
        QVERIFY(!openPath(file, path, QIODevice::WriteOnly)); // opening never creates
        QVERIFY(make("data") && isFilePath(path) && PathExists(path) && !FolderExists(path));
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
        QFile info;
        QVERIFY(openPath(
            info, decodePath(QFile::encodeName(dataHome) + "/Trash/info/caf\xe9.jpg.trashinfo"), QIODevice::ReadOnly));
        const QByteArray written = info.readAll();
        QVERIFY2(written.startsWith("[Trash Info]\nPath=" + QFile::encodeName(dir.path()).toPercentEncoding("/")
                     + "/caf%E9.jpg\nDeletionDate=20"),
            written.constData());

        // A second one of that name gets a name of its own in the trash.
        QVERIFY(make("") && MoveToRecycleBin(path));
        QVERIFY(::access((QFile::encodeName(dataHome) + "/Trash/files/caf\xe9.jpg.2").constData(), F_OK) == 0);
        QVERIFY(!MoveToRecycleBin(path)); // gone
        testutil::removeTree(dir.path());
    }

    // The check before a run, on real folders: each case names what stops the run, or
    // nothing when it can start. The probe it makes is gone afterwards.
    void runCheck_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("outputFolder"); // relative to the test folder
        QTest::addColumn<QString>("unwritable"); // made unwritable first; relative, or empty
        QTest::addColumn<qint64>("freeBytes"); // what the volume is said to hold; -1: the truth
        QTest::addColumn<QString>("expected"); // a part of the reason; empty: the run may start
        const auto row = [](const char *name, OutputMode mode, const QString &outputFolder, const QString &unwritable,
                             const QString &expected, qint64 freeBytes = -1) {
            QTest::newRow(name) << int(mode) << outputFolder << unwritable << freeBytes << expected;
        };
        const OutputMode folder = OutputMode::Folder, suffix = OutputMode::Suffix, overwrite = OutputMode::Overwrite;
        row("suffix, writable", suffix, {}, {}, {});
        row("folder exists", folder, u"out"_s, {}, {});
        row("folder to be made", folder, u"new/deeper"_s, {}, {});
        row("parent is a file", folder, u"file.txt/out"_s, {},
            u"The folder %1/file.txt/out cannot be made: %1/file.txt is a file, not a folder."_s);
        row("folder unwritable", folder, u"out"_s, u"out"_s, u"The folder %1/out cannot be written to."_s);
        row("folder under unwritable", folder, u"out/new"_s, u"out"_s,
            u"The folder %1/out/new cannot be made: %1/out cannot"_s);
        row("suffix, image folder unwritable", suffix, {}, u"images"_s, u"The folder %1/images cannot"_s);
        row("overwrite, original read-only", overwrite, {}, u"images/b.jpg"_s,
            u"1 original cannot be overwritten: %1/images/b.jpg"_s);
        row("overwrite, writable", overwrite, {}, {}, {});
        row("no room", folder, u"out"_s, {}, u"Not enough free space in "_s, 300'000);
        row("room enough", suffix, {}, {}, {}, qint64(1) << 40);
    }
    void runCheck()
    {
        QFETCH(int, mode);
        QFETCH(QString, outputFolder);
        QFETCH(QString, unwritable);
        QFETCH(qint64, freeBytes);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString base = dir.path();
        QVERIFY(QDir().mkpath(base + u"/out"_s) && testutil::writeFile(base + u"/file.txt"_s, {}));
        const QString sample = u"jpeg_iphonexr_full_photo.jpg"_s;
        QVERIFY(!testutil::folderOf(base + u"/images"_s, {u"a.jpg<-"_s + sample, u"b.jpg<-"_s + sample}).isEmpty());
        const QStringList images = testutil::RunOutputs::imagesIn(base + u"/images"_s);
        std::optional<testutil::Unwritable> locked;
        if (!unwritable.isEmpty()) {
            locked.emplace(base + u'/' + unwritable);
            if (!locked->ok())
                QSKIP("cannot make a folder or file unwritable here");
        }
        const JobOptions options = testutil::outputOptions(
            OutputMode(mode), outputFolder.isEmpty() ? QString() : base + u'/' + outputFolder);
        RunCheck::FreeSpace space;
        if (freeBytes >= 0)
            space = [freeBytes](const QString &) { return std::optional<qint64>(freeBytes); };
        const QStringList before = QDir(base + u"/images"_s).entryList(QDir::AllEntries | QDir::Hidden);
        const QString problem = RunCheck::problem(options, images, base, space);
        QVERIFY2(expected.isEmpty() ? problem.isEmpty() : problem.contains(QString(expected).replace(u"%1"_s, base)),
            qPrintable(problem));
        QCOMPARE(QDir(base + u"/images"_s).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(!QFileInfo::exists(base + u"/new"_s)); // the check makes no folder
    }

    // Outputs of other listed images are no images to clean; in place there are none.
    void earlierOutputs_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<int>("expected");
        QTest::newRow("suffix") << int(OutputMode::Suffix)
                                << u"/p/a.jpg /p/a_cleaned.jpg /p/b_cleaned.jpg"_s.split(u' ') << 1;
        QTest::newRow("prefix") << int(OutputMode::Prefix)
                                << u"/p/a.jpg /p/cleaned_a.jpg /q/cleaned_a.jpg"_s.split(u' ') << 1;
        QTest::newRow("folder") << int(OutputMode::Folder) << u"/p/a.jpg /out/a.jpg"_s.split(u' ') << 1;
        QTest::newRow("overwrite") << int(OutputMode::Overwrite) << u"/p/a.jpg /p/a_cleaned.jpg"_s.split(u' ') << 0;
    }
    void earlierOutputs()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, images);
        QFETCH(int, expected);
        QCOMPARE(RunCheck::earlierOutputCount(images, testutil::outputOptions(OutputMode(mode), u"/out"_s), u"/"_s),
            expected);
    }

    // The system's own answer on a small volume (a 1 MB tmpfs, where one may be mounted):
    // the reason names the volume.
    void runCheckOnASmallVolume()
    {
        QTemporaryDir dir;
        const QString volume = dir.path() + u"/small"_s;
        QVERIFY(QDir().mkpath(volume));
        if (::geteuid() != 0
            || QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, volume}) != 0)
            QSKIP("cannot mount a small tmpfs here");
        const auto unmount = qScopeGuard([&volume] { QProcess::execute(u"umount"_s, {volume}); });
        const QString image = dir.path() + u"/a.jpg"_s;
        QVERIFY(testutil::copySample(u"jpeg_iphonexr_full_photo.jpg"_s, image));
        const QString problem
            = RunCheck::problem(testutil::outputOptions(OutputMode::Folder, volume + u"/out"_s), {image}, dir.path());
        QVERIFY2(problem.startsWith(u"Not enough free space in %1: about "_s.arg(volume)), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestFs)
#include "tst_fs.moc"
