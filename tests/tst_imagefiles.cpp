#include "imagelist/ImageFiles.h"
#include "imagelist/clsListEmu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool makeFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write("x") == 1;
}

bool makeFiles(const QString &root, const QStringList &relativePaths)
{
    for (const QString &rel : relativePaths) {
        const QString path = root + u'/' + rel;
        if (!QDir().mkpath(QFileInfo(path).path()) || !makeFile(path))
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
    void extensionList();
    void dialogFilters();
    void extensionTest_data();
    void extensionTest();
    void supportedFile_data();
    void supportedFile();

    void walkOrder_data();
    void walkOrder();
    void walkSortsNamesWithinFolder();
    void walkSkipsHidden();
    void walkListsOnlyRegularFiles();
    void walkSymlinkLoopsOnce();
    void walkSkipsUnreadableFolder();
    void walkHostileNames();
    void walkLeavesOutUndecodableNames();
    void walkMissingOrNotAFolder();
    void walkAppendsAndKeepsAlive();

    void duplicateSet();
};

void tst_ImageFiles::extensionList()
{
    const QStringList items = ImageFiles::supportedExtensionList().split(u',');
    QCOMPARE(items.size(), 64);
    QCOMPARE(items.first(), u"jpg"_s);
    QCOMPARE(items.last(), u"WEBP"_s);
    const QStringList upper = ImageFiles::supportedExtensionList().toUpper().split(u',');
    QCOMPARE(upper.count(u"HDP"_s), 2);
    QCOMPARE(upper.count(u"FFF"_s), 2);
    QCOMPARE(QSet<QString>(upper.cbegin(), upper.cend()).size(), 62);
}

void tst_ImageFiles::dialogFilters()
{
    const QStringList filters = ImageFiles::dialogNameFilters();
    QCOMPARE(filters.size(), 2);
    QCOMPARE(filters.at(1), u"All files (*)"_s);

    const QString first = filters.at(0);
    QVERIFY(first.startsWith(u"Supported image types ("_s));
    QVERIFY(first.endsWith(u')'));
    const QStringList patterns =
        first.mid(first.indexOf(u'(') + 1).chopped(1).split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(QSet<QString>(patterns.cbegin(), patterns.cend()).size(), patterns.size());

    const QStringList upper = ImageFiles::supportedExtensionList().toUpper().split(u',');
    const QSet<QString> distinct(upper.cbegin(), upper.cend());
    QCOMPARE(patterns.size(), 2 * distinct.size());
    for (const QString &ext : distinct) {
        QVERIFY2(patterns.contains(u"*."_s + ext), qPrintable(ext));
        QVERIFY2(patterns.contains(u"*."_s + ext.toLower()), qPrintable(ext));
    }

    // The patterns as a file dialog applies them: case-sensitive wildcards.
    const auto matches = [&patterns](const QString &name) {
        return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString &p) {
            return QRegularExpression(QRegularExpression::wildcardToRegularExpression(p))
                .match(name)
                .hasMatch();
        });
    };
    QVERIFY(matches(u"holiday.jpg"_s));
    QVERIFY(matches(u"HOLIDAY.JPG"_s));
    QVERIFY(matches(u"raw.cr3"_s));
    QVERIFY(matches(u"raw.CR3"_s));
    QVERIFY(matches(u"scan.tiff"_s));
    QVERIFY(!matches(u"notes.txt"_s));
    QVERIFY(!matches(u"image.bmp"_s));
}

void tst_ImageFiles::extensionTest_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("supported");

    QTest::newRow("jpg") << u"/p/photo.jpg"_s << true;
    QTest::newRow("JPEG") << u"/p/photo.JPEG"_s << true;
    QTest::newRow("peg") << u"/p/photo.peg"_s << true;
    QTest::newRow("ps") << u"/p/photo.ps"_s << true;
    QTest::newRow("eps") << u"/p/photo.eps"_s << true;
    QTest::newRow("tiff") << u"/p/photo.tiff"_s << true;
    QTest::newRow("iff") << u"/p/photo.iff"_s << true;
    QTest::newRow("mixed case") << u"/p/photo.Cr2"_s << true;
    QTest::newRow("x3f") << u"/p/photo.x3f"_s << true;
    QTest::newRow("heic") << u"/p/photo.heic"_s << true;
    QTest::newRow("exif through xif") << u"/p/photo.exif"_s << true;
    QTest::newRow("no dot needed") << u"/p/photojpg"_s << true;
    QTest::newRow("ends in ps") << u"/p/maps"_s << true;
    QTest::newRow("bare ps") << u"ps"_s << true;
    QTest::newRow("bare jpg") << u"jpg"_s << true;
    QTest::newRow("bmp") << u"/p/photo.bmp"_s << false;
    QTest::newRow("gif") << u"/p/photo.gif"_s << false;
    QTest::newRow("webp") << u"/p/photo.webp"_s << true;
    QTest::newRow("trailing blank") << u"/p/photo.jpg "_s << false;
    QTest::newRow("backup") << u"/p/photo.jpg.bak"_s << false;
    QTest::newRow("folder named like image") << u"/p.jpg/notes.txt"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("single s") << u"s"_s << false;
    QTest::newRow("emoji before") << u"/p/\U0001F4F7.png"_s << true;
}

void tst_ImageFiles::extensionTest()
{
    QFETCH(QString, path);
    QFETCH(bool, supported);
    QCOMPARE(ImageFiles::hasSupportedExtension(path), supported);
}

void tst_ImageFiles::supportedFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("supported");

    QTest::newRow("plain jpg") << u"file"_s << u"photo.jpg"_s << true;
    QTest::newRow("JPEG") << u"file"_s << u"photo.JPEG"_s << true;
    QTest::newRow("peg") << u"file"_s << u"photo.peg"_s << true;
    QTest::newRow("ps") << u"file"_s << u"photo.ps"_s << true;
    QTest::newRow("bmp") << u"file"_s << u"photo.bmp"_s << false;
    QTest::newRow("hidden") << u"file"_s << u".photo.jpg"_s << true;
    QTest::newRow("no permissions") << u"unreadable"_s << u"locked.jpg"_s << true;
    QTest::newRow("folder x.jpg") << u"folder"_s << u"x.jpg"_s << false;
    QTest::newRow("link to file") << u"link-to-file"_s << u"link.jpg"_s << true;
    QTest::newRow("link to folder") << u"link-to-folder"_s << u"dirlink.jpg"_s << false;
    QTest::newRow("dangling link") << u"dangling"_s << u"dead.jpg"_s << false;
    QTest::newRow("fifo") << u"fifo"_s << u"pipe.jpg"_s << false;
    QTest::newRow("missing") << u"none"_s << u"absent.jpg"_s << false;
}

void tst_ImageFiles::supportedFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(bool, supported);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString path = tmp.filePath(name);
    const QString target = tmp.filePath(u"target"_s);
    if (kind == u"file") {
        QVERIFY(makeFile(path));
    } else if (kind == u"unreadable") {
        QVERIFY(makeFile(path));
        QVERIFY(QFile::setPermissions(path, {}));
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"link-to-file") {
        QVERIFY(makeFile(target));
        QVERIFY(QFile::link(target, path));
    } else if (kind == u"link-to-folder") {
        QVERIFY(QDir().mkdir(target));
        QVERIFY(QFile::link(target, path));
    } else if (kind == u"dangling") {
        QVERIFY(QFile::link(tmp.filePath(u"nowhere"_s), path));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    QCOMPARE(ImageFiles::isSupportedImageFile(path), supported);
}

void tst_ImageFiles::walkOrder_data()
{
    QTest::addColumn<bool>("files");
    QTest::addColumn<bool>("folders");
    QTest::addColumn<bool>("recurse");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("files") << true << false << false << QStringList{u"a.jpg"_s, u"b.txt"_s};
    QTest::newRow("files, recursive")
        << true << false << true
        << QStringList{u"a.jpg"_s, u"b.txt"_s, u"s/b.jpg"_s, u"s/z.jpg"_s, u"s/deep/c.jpg"_s,
                       u"T/d.jpg"_s};
    QTest::newRow("folders") << false << true << false << QStringList{u"s"_s, u"T"_s};
    QTest::newRow("folders, recursive")
        << false << true << true << QStringList{u"s"_s, u"s/deep"_s, u"T"_s};
    QTest::newRow("both") << true << true << false
                          << QStringList{u"a.jpg"_s, u"b.txt"_s, u"s"_s, u"T"_s};
    QTest::newRow("both, recursive")
        << true << true << true
        << QStringList{u"a.jpg"_s, u"b.txt"_s, u"s"_s,     u"s/b.jpg"_s, u"s/z.jpg"_s,
                       u"s/deep"_s, u"s/deep/c.jpg"_s, u"T"_s, u"T/d.jpg"_s};
    QTest::newRow("neither, recursive") << false << false << true << QStringList{};
}

void tst_ImageFiles::walkOrder()
{
    QFETCH(bool, files);
    QFETCH(bool, folders);
    QFETCH(bool, recurse);
    QFETCH(QStringList, expected);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    // Created out of order so the file system's own order cannot pass for ours.
    QVERIFY(makeFiles(root, {u"T/d.jpg"_s, u"s/z.jpg"_s, u"s/deep/c.jpg"_s, u"b.txt"_s,
                             u"s/b.jpg"_s, u"a.jpg"_s}));

    QCOMPARE(walk(root, files, folders, recurse), prefixed(root, expected));
    // A trailing separator gives the same paths, without a doubled one.
    QCOMPARE(walk(root + u'/', files, folders, recurse), prefixed(root, expected));
}

void tst_ImageFiles::walkSortsNamesWithinFolder()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QVERIFY(makeFiles(root, {u"c.jpg"_s, u"B.jpg"_s, u"a.jpg"_s, u"A.JPG"_s, u"b.jpg"_s,
                             u"10.jpg"_s, u"2.jpg"_s}));
    // Case only decides between names that are otherwise equal, and then by code unit.
    const QStringList expected = prefixed(
        root, {u"10.jpg"_s, u"2.jpg"_s, u"A.JPG"_s, u"a.jpg"_s, u"B.jpg"_s, u"b.jpg"_s, u"c.jpg"_s});
    QCOMPARE(walk(root, true, false, false), expected);

    // And the walk agrees with the list's own sort.
    clsListEmu sorted;
    for (const QString &p : expected)
        sorted.AddItem(p);
    sorted.ShellSort();
    for (int i = 0; i < sorted.ListCount(); ++i)
        QCOMPARE(sorted.List(i).toCaseFolded(), expected.at(i).toCaseFolded());
}

void tst_ImageFiles::walkSkipsHidden()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QVERIFY(makeFiles(root, {u"shown.jpg"_s, u".hidden.jpg"_s, u".hiddenfolder/inside.jpg"_s,
                             u".Trash-1000/files/deleted.jpg"_s, u"sub/.also-hidden.jpg"_s,
                             u"sub/visible.jpg"_s, u".start/x.jpg"_s}));
    QCOMPARE(walk(root, true, true, true),
             prefixed(root, {u"shown.jpg"_s, u"sub"_s, u"sub/visible.jpg"_s}));
    // A hidden folder the caller names itself is walked.
    QCOMPARE(walk(root + u"/.start"_s, true, false, true), prefixed(root, {u".start/x.jpg"_s}));
}

void tst_ImageFiles::walkListsOnlyRegularFiles()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QVERIFY(makeFiles(root, {u"real.jpg"_s, u"elsewhere/target.jpg"_s}));
    QVERIFY(QFile::link(root + u"/elsewhere/target.jpg"_s, root + u"/link.jpg"_s));
    QVERIFY(QFile::link(root + u"/gone.jpg"_s, root + u"/dead.jpg"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(root + u"/pipe.jpg"_s).constData(), 0600), 0);

    QCOMPARE(walk(root, true, false, false), prefixed(root, {u"link.jpg"_s, u"real.jpg"_s}));
}

void tst_ImageFiles::walkSymlinkLoopsOnce()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QVERIFY(makeFiles(root, {u"a.jpg"_s, u"s/b.jpg"_s, u"t/c.jpg"_s}));
    QVERIFY(QFile::link(u".."_s, root + u"/s/up"_s));      // back to the root
    QVERIFY(QFile::link(u"."_s, root + u"/s/self"_s));     // to itself
    QVERIFY(QFile::link(root + u"/t"_s, root + u"/u"_s)); // a second way into t
    QVERIFY(QFile::link(root + u"/s"_s, root + u"/t/back"_s));

    QCOMPARE(walk(root, true, false, true),
             prefixed(root, {u"a.jpg"_s, u"s/b.jpg"_s, u"t/c.jpg"_s}));
}

void tst_ImageFiles::walkSkipsUnreadableFolder()
{
    if (::geteuid() == 0)
        QSKIP("folder permissions do not apply to root");
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QVERIFY(makeFiles(root, {u"a.jpg"_s, u"locked/x.jpg"_s, u"m/y.jpg"_s}));
    const QString locked = root + u"/locked"_s;
    QVERIFY(QFile::setPermissions(locked, {}));
    const QStringList got = walk(root, true, false, true);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(got, prefixed(root, {u"a.jpg"_s, u"m/y.jpg"_s}));
}

void tst_ImageFiles::walkHostileNames()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    const QString folder = u"odd %d #dir\n\"x\""_s;
    const QStringList names{
        u"new\nline.jpg"_s,       u"100%d x.jpg"_s,       u"-rf.jpg"_s,
        u"#hash.jpg"_s,           u"quote\"s'.jpg"_s,     u"back\\slash.jpg"_s,
        u"emoji \U0001F4F7.jpg"_s, u" leading.jpg"_s,     u"trailing.jpg "_s,
        u"tab\there.jpg"_s,       u"star*?[].jpg"_s,      u"cr\r\n.jpg"_s,
        u"$HOME;a|b&c.jpg"_s,     u"caf\u00e9.JPG"_s,     u"cafe\u0301.jpg"_s,
        u"\u202Egpj.exe"_s,       u"--.jpg"_s,            u"@args.jpg"_s,
    };
    QStringList rel;
    for (const QString &n : names)
        rel << n << folder + u'/' + n;
    QVERIFY(makeFiles(root, rel));

    const QStringList got = walk(root, true, false, true);
    QCOMPARE(got.size(), rel.size());
    const QStringList expected = prefixed(root, rel);
    QCOMPARE(QSet<QString>(got.cbegin(), got.cend()),
             QSet<QString>(expected.cbegin(), expected.cend()));
    for (const QString &p : got)
        QVERIFY2(QFileInfo(p).isFile(), qPrintable(p));
    // The folder's files come after all of the root's files.
    for (int i = 0; i < names.size(); ++i)
        QVERIFY(!got.at(i).contains(folder));
}

void tst_ImageFiles::walkLeavesOutUndecodableNames()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QVERIFY(makeFiles(root, {u"good.jpg"_s}));
    const QByteArray bad = QFile::encodeName(root) + "/bad\xff\xfe.jpg";
    const int fd = ::open(bad.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
    QVERIFY(fd >= 0);
    ::close(fd);
    const QStringList got = walk(root, true, false, false);
    ::unlink(bad.constData()); // QTemporaryDir cannot name it either
    QCOMPARE(got, prefixed(root, {u"good.jpg"_s}));
}

void tst_ImageFiles::walkMissingOrNotAFolder()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(makeFile(tmp.filePath(u"file.jpg"_s)));
    QVERIFY(walk(tmp.filePath(u"missing"_s), true, true, true).isEmpty());
    QVERIFY(walk(tmp.filePath(u"file.jpg"_s), true, true, true).isEmpty());
    QVERIFY(walk(QString(), true, true, true).isEmpty());
}

void tst_ImageFiles::walkAppendsAndKeepsAlive()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.path();
    QStringList rel;
    for (int i = 0; i < 500; ++i)
        rel << u"d%1/f%2.jpg"_s.arg(i % 5).arg(i, 3, 10, QLatin1Char('0'));
    QVERIFY(makeFiles(root, rel));

    clsListEmu out;
    out.AddItem(u"already there"_s);
    int calls = 0;
    ImageFiles::RecursiveGetFolderContent(root, out, true, false, true, [&calls] { ++calls; });
    QCOMPARE(out.ListCount(), 501);
    QCOMPARE(out.List(0), u"already there"_s);
    QCOMPARE(out.List(1), root + u"/d0/f000.jpg"_s);
    QCOMPARE(out.List(500), root + u"/d4/f499.jpg"_s);
    QCOMPARE(out.capacity(), 600);
    QVERIFY2(calls >= 500 / 49, qPrintable(QString::number(calls)));
}

void tst_ImageFiles::duplicateSet()
{
    clsListEmu list;
    for (const QString &p : {u"/p/A.jpg"_s, u"/p/b.JPG"_s, u"/p/\u00c4rger.jpg"_s, u"/p/A.jpg"_s})
        list.AddItem(p);
    const ImageFiles::DuplicateSet set(list);
    QVERIFY(set.contains(u"/p/A.jpg"_s));
    QVERIFY(set.contains(u"/p/b.JPG"_s));
    QVERIFY(!set.contains(u"/p/a.JPG"_s)); // another file on a case-sensitive file system
    QVERIFY(!set.contains(u"/P/B.jpg"_s));
    QVERIFY(!set.contains(u"/p/c.jpg"_s));
    QVERIFY(!set.contains(u"/p/A.jpg "_s));
    QVERIFY(!set.contains(u"/p"_s));
    QVERIFY(!set.contains(QString()));

    // Built once per batch: later additions are not in it.
    list.AddItem(u"/p/new.jpg"_s);
    QVERIFY(!set.contains(u"/p/new.jpg"_s));
    QVERIFY(ImageFiles::DuplicateSet(list).contains(u"/p/new.jpg"_s));

    const ImageFiles::DuplicateSet empty{clsListEmu()};
    QVERIFY(!empty.contains(u"/p/A.jpg"_s));
}

QTEST_GUILESS_MAIN(tst_ImageFiles)
#include "tst_imagefiles.moc"
