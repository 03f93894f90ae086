#include "fs/NativePath.h"
#include "imagelist/ImageFiles.h"
#include "imagelist/clsListEmu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool makeFiles(const QString &root, const QStringList &relativePaths)
{
    for (const QString &rel : relativePaths) {
        QFile f(root + u'/' + rel);
        if (!QDir().mkpath(QFileInfo(f).path()) || !f.open(QIODevice::WriteOnly) || f.write("x") != 1)
            return false;
    }
    return true;
}

QStringList walk(const QString &folder, bool files, bool folders, bool recurse)
{
    clsListEmu out;
    ImageFiles::RecursiveGetFolderContent(folder, out, files, folders, recurse);
    return out.toStringList();
}

QStringList prefixed(const QString &root, const QStringList &relativePaths)
{
    QStringList out;
    for (const QString &rel : relativePaths)
        out << root + u'/' + rel;
    return out;
}

} // namespace

class tst_ImageFiles final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // File names on Linux are case-sensitive, so a pattern in one case would hide the other.
    void dialogFilters()
    {
        const QStringList filters = ImageFiles::dialogNameFilters();
        QCOMPARE(filters.size(), 2);
        QCOMPARE(filters.at(1), u"All files (*)"_s);
        const QString first = filters.at(0);
        const QStringList patterns = first.mid(first.indexOf(u'(') + 1).chopped(1).split(u' ');
        const auto matches = [&patterns](const QString &name) {
            return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString &p) {
                return QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(name).hasMatch();
            });
        };
        for (const QString &name : {u"holiday.jpg"_s, u"HOLIDAY.JPG"_s, u"raw.cr3"_s, u"raw.CR3"_s})
            QVERIFY2(matches(name), qPrintable(name));
        QVERIFY(!matches(u"image.bmp"_s));
    }

    void extensionTest_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("supported");

        QTest::newRow("JPEG") << u"/p/photo.JPEG"_s << true;
        QTest::newRow("peg") << u"/p/photo.peg"_s << true;
        QTest::newRow("iff") << u"/p/photo.iff"_s << true;
        QTest::newRow("ps") << u"/p/photo.ps"_s << true;
        QTest::newRow("no dot needed") << u"/p/photojpg"_s << true;
        QTest::newRow("avif") << u"/p/photo.avif"_s << true;
        QTest::newRow("gif") << u"/p/anim.GIF"_s << true;
        QTest::newRow("bmp") << u"/p/photo.bmp"_s << false;
        QTest::newRow("trailing blank") << u"/p/photo.jpg "_s << false;
        QTest::newRow("folder named like an image") << u"/p.jpg/notes.txt"_s << false;
        QTest::newRow("shorter than the ending") << u"s"_s << false;
    }

    void extensionTest()
    {
        QFETCH(QString, path);
        QFETCH(bool, supported);
        QCOMPARE(ImageFiles::hasSupportedExtension(path), supported);
    }

    void supportedFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("supported");

        QTest::newRow("hidden file") << u"file"_s << true;
        QTest::newRow("no permissions") << u"unreadable"_s << true;
        QTest::newRow("folder") << u"folder"_s << false;
        QTest::newRow("fifo") << u"fifo"_s << false;
        QTest::newRow("missing") << u"none"_s << false;
    }

    void supportedFile()
    {
        QFETCH(QString, kind);
        QFETCH(bool, supported);

        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString path = tmp.filePath(u".photo.jpg"_s);
        if (kind == u"file" || kind == u"unreadable")
            QVERIFY(makeFiles(tmp.path(), {u".photo.jpg"_s}));
        if (kind == u"unreadable")
            QVERIFY(QFile::setPermissions(path, {}));
        if (kind == u"folder")
            QVERIFY(QDir().mkdir(path));
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QCOMPARE(ImageFiles::isSupportedImageFile(path), supported);
    }

    void walkOrder_data()
    {
        QTest::addColumn<bool>("files");
        QTest::addColumn<bool>("folders");
        QTest::addColumn<bool>("recurse");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("files") << true << false << false << QStringList{u"a.jpg"_s, u"b.txt"_s};
        QTest::newRow("files, recursive") << true << false << true
                                          << QStringList{u"a.jpg"_s, u"b.txt"_s, u"s/b.jpg"_s, u"s/z.jpg"_s,
                                                         u"s/deep/c.jpg"_s, u"T/d.jpg"_s};
        QTest::newRow("folders, recursive") << false << true << true << QStringList{u"s"_s, u"s/deep"_s, u"T"_s};
        QTest::newRow("both, recursive")
                << true << true << true
                << QStringList{u"a.jpg"_s,  u"b.txt"_s,        u"s"_s, u"s/b.jpg"_s, u"s/z.jpg"_s,
                               u"s/deep"_s, u"s/deep/c.jpg"_s, u"T"_s, u"T/d.jpg"_s};
    }

    void walkOrder()
    {
        QFETCH(bool, files);
        QFETCH(bool, folders);
        QFETCH(bool, recurse);
        QFETCH(QStringList, expected);

        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.path();
        // Created out of order so the file system's own order cannot pass for ours.
        QVERIFY(makeFiles(root, {u"T/d.jpg"_s, u"s/z.jpg"_s, u"s/deep/c.jpg"_s, u"b.txt"_s, u"s/b.jpg"_s, u"a.jpg"_s}));

        // The walk appends to what the list already holds; a trailing separator is not doubled.
        clsListEmu out;
        out.AddItem(u"already there"_s);
        ImageFiles::RecursiveGetFolderContent(root + u'/', out, files, folders, recurse);
        QCOMPARE(out.toStringList(), QStringList{u"already there"_s} + prefixed(root, expected));
        QCOMPARE(walk(root, files, folders, recurse), prefixed(root, expected));
        QVERIFY(walk(root + u"/a.jpg"_s, true, true, true).isEmpty());
        QVERIFY(walk(root + u"/missing"_s, true, true, true).isEmpty());
    }

    void walkListsOnlyVisibleRegularFiles()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.path();
        QVERIFY(makeFiles(root, {u"shown.jpg"_s, u".hidden.jpg"_s, u".hiddenfolder/inside.jpg"_s,
                                 u"sub/.also-hidden.jpg"_s, u"sub/visible.jpg"_s, u".start/x.jpg"_s}));
        QVERIFY(QFile::link(root + u"/shown.jpg"_s, root + u"/link.jpg"_s));
        QVERIFY(QFile::link(root + u"/gone.jpg"_s, root + u"/dead.jpg"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(root + u"/pipe.jpg"_s).constData(), 0600), 0);

        QCOMPARE(walk(root, true, true, true),
                 prefixed(root, {u"link.jpg"_s, u"shown.jpg"_s, u"sub"_s, u"sub/visible.jpg"_s}));
        // A hidden folder the caller names itself is walked.
        QCOMPARE(walk(root + u"/.start"_s, true, false, true), prefixed(root, {u".start/x.jpg"_s}));
    }

    void walkSymlinkLoopsOnce()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.path();
        QVERIFY(makeFiles(root, {u"a.jpg"_s, u"s/b.jpg"_s, u"t/c.jpg"_s}));
        QVERIFY(QFile::link(u".."_s, root + u"/s/up"_s));       // back to the root
        QVERIFY(QFile::link(u"."_s, root + u"/s/self"_s));      // to itself
        QVERIFY(QFile::link(root + u"/t"_s, root + u"/u"_s));   // a second way into t
        QVERIFY(QFile::link(root + u"/s"_s, root + u"/t/back"_s));

        QCOMPARE(walk(root, true, false, true), prefixed(root, {u"a.jpg"_s, u"s/b.jpg"_s, u"t/c.jpg"_s}));
    }

    // Every name arrives as a path that names the file, one that is not UTF-8 too.
    void walkHostileNames()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.path();
        const QString folder = u"odd %d #dir\n\"x\""_s;
        const QStringList names{u"new\nline.jpg"_s,    u"100%d x.jpg"_s,    u"-rf.jpg"_s,         u"quote\"s'.jpg"_s,
                                u"back\\slash.jpg"_s,  u" leading.jpg"_s,   u"trailing.jpg "_s,   u"star*?[].jpg"_s,
                                u"$HOME;a|b&c.jpg"_s,  u"caf\u00e9.JPG"_s,  u"cafe\u0301.jpg"_s,  u"@args.jpg"_s,
                                u"emoji \U0001F4F7.jpg"_s, u"cr\r\n.jpg"_s};
        QStringList rel;
        for (const QString &n : names)
            rel << n << folder + u'/' + n;
        QVERIFY(makeFiles(root, rel));
        const QByteArray bad = QFile::encodeName(root) + "/bad\xff\xfe.jpg";
        const int fd = ::open(bad.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);

        QStringList got = walk(root, true, false, true);
        const auto removeBad = qScopeGuard([&bad] { ::unlink(bad.constData()); }); // QTemporaryDir cannot name it
        QVERIFY(got.removeOne(decodePath(bad)));
        QVERIFY(isFilePath(decodePath(bad)));
        const QStringList expected = prefixed(root, rel);
        QCOMPARE(got.size(), expected.size());
        QCOMPARE(QSet<QString>(got.cbegin(), got.cend()), QSet<QString>(expected.cbegin(), expected.cend()));
        for (int i = 0; i < got.size(); ++i) {
            QVERIFY2(QFileInfo(got.at(i)).isFile(), qPrintable(got.at(i)));
            QCOMPARE(got.at(i).contains(folder), i >= names.size()); // the root's files first
        }
    }

    // Linux file names are case-sensitive: a.jpg and A.jpg are two images.
    void duplicateSet()
    {
        clsListEmu list;
        list.AddItem(u"/p/A.jpg"_s);
        list.AddItem(u"/p/b.JPG"_s);
        const ImageFiles::DuplicateSet set(list);
        QVERIFY(set.contains(u"/p/A.jpg"_s));
        QVERIFY(set.contains(u"/p/b.JPG"_s));
        QVERIFY(!set.contains(u"/p/a.JPG"_s));
        QVERIFY(!set.contains(u"/p/A.jpg "_s));

        // Built once per batch: later additions are not in it.
        list.AddItem(u"/p/new.jpg"_s);
        QVERIFY(!set.contains(u"/p/new.jpg"_s));
    }
};

QTEST_GUILESS_MAIN(tst_ImageFiles)
#include "tst_imagefiles.moc"
