#include "core/ImageFiles.h"
#include "core/PathList.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <memory>
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

QStringList walk(const QString &folder)
{
    PathList out;
    ImageFiles::RecursiveGetFolderContent(folder, out);
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

class tst_ImageFiles final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp; // a fresh folder for each test

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    // File names on Linux are case-sensitive, so a pattern in one case would hide the other.
    void dialogFilters()
    {
        const QStringList filters = ImageFiles::dialogNameFilters();
        QCOMPARE(filters.size(), 2);
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

    // What a name is: a supported image (cleaned), a known media type that is left out
    // with a reason, or nothing the run speaks of. Only the whole extension after the
    // name's last dot counts. (Videos, raw and image types ExifTool cannot write, files
    // that are no image: also tst_cli's runs, through quillmark-cli.)
    void extensionTest_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");

        QTest::newRow("a.JPG") << u"/p/a.JPG"_s << u"image"_s;
        QTest::newRow(".jpg") << u"/p/.jpg"_s << u""_s;
        QTest::newRow("archive.tar.jpg") << u"/p/archive.tar.jpg"_s << u"image"_s;
        QTest::newRow("name ending in a dot") << u"/p/photo."_s << u""_s;
        QTest::newRow("trailing blank") << u"/p/photo.jpg "_s << u""_s;
        QTest::newRow("folder named like an image") << u"/p.jpg/notes"_s << u""_s;
        QTest::newRow("AVCHD") << u"/p/00001.MTS"_s << u"video"_s;
        QTest::newRow("Kodak dcr") << u"/p/raw.DCR"_s << u"raw"_s;
        QTest::newRow("bmp") << u"/p/photo.bmp"_s << u"unwritable image"_s;
        QTest::newRow("TypeScript, not a video") << u"/p/main.ts"_s << u""_s;
    }

    void extensionTest()
    {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        QCOMPARE(ImageFiles::hasSupportedExtension(path), kind == u"image");
        const std::optional<ImageFiles::LeftOutKind> leftOut = ImageFiles::mediaLeftOut(path);
        const QString got = !leftOut                               ? QString()
            : *leftOut == ImageFiles::LeftOutKind::Video           ? u"video"_s
            : *leftOut == ImageFiles::LeftOutKind::UnwritableRaw   ? u"raw"_s
            : *leftOut == ImageFiles::LeftOutKind::UnwritableImage ? u"unwritable image"_s
                                                                   : u"other"_s;
        QCOMPARE(got, kind == u"image" ? QString() : kind);
        // What the report and the summary say of a left-out file follows from its path.
        QCOMPARE(ImageFiles::leftOutKindOf(path), leftOut.value_or(ImageFiles::LeftOutKind::NotAnImage));
    }

    // The types left out as "ExifTool cannot write" are read by this machine's ExifTool
    // but not written; every supported image type it writes (a few it only reads are
    // listed as they always were, and come out "unchanged").
    void kindsAgreeWithExifTool()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        const auto extensions = [](const QString &option) {
            QSet<QString> out;
            const QString text = testutil::runExifTool({option});
            for (const QString &line : text.split(u'\n')) {
                if (line.startsWith(u"  "_s))
                    for (const QString &e : line.split(u' ', Qt::SkipEmptyParts))
                        out.insert(e);
            }
            return out;
        };
        const QSet<QString> writable = extensions(u"-listwf"_s);
        const QSet<QString> readable = extensions(u"-listr"_s);
        QVERIFY(writable.contains(u"JPEG"_s) && readable.contains(u"BTF"_s));
        const QSet<QString> readOnlyButListed {u"MIFF"_s, u"QTIF"_s, u"QTI"_s, u"QIF"_s};
        for (const QString &e : ImageFiles::supportedExtensionList().toUpper().split(u','))
            QVERIFY2(writable.contains(e) || readOnlyButListed.contains(e), qPrintable(e));
        for (const char *e : {"3FR", "DCR", "K25", "KDC", "SRF", "RWZ", "BTF", "BMP", "PCX", "XCF", "EXR"}) {
            const QString ext = QString::fromLatin1(e);
            QVERIFY2(readable.contains(ext) && !writable.contains(ext), e);
            QVERIFY2(ImageFiles::mediaLeftOut(u"/p/x."_s + ext.toLower()).has_value(), e);
        }
    }

    void supportedFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("supported");

        QTest::newRow("hidden file") << u"file"_s << true;
        QTest::newRow("no permissions") << u"unreadable"_s << true;
        QTest::newRow("folder") << u"folder"_s << false;
        QTest::newRow("missing") << u"none"_s << false;
    }

    void supportedFile()
    {
        QFETCH(QString, kind);
        QFETCH(bool, supported);

        const QString path = m_tmp->filePath(u".photo.jpg"_s);
        if (kind == u"file" || kind == u"unreadable")
            QVERIFY(makeFiles(m_tmp->path(), {u".photo.jpg"_s}));
        if (kind == u"unreadable")
            QVERIFY(QFile::setPermissions(path, {}));
        if (kind == u"folder")
            QVERIFY(QDir().mkdir(path));
        QCOMPARE(ImageFiles::isSupportedImageFile(path), supported);
    }

    void walkOrder()
    {
        const QString root = m_tmp->path();
        // Created out of order so the file system's own order cannot pass for ours.
        QVERIFY(makeFiles(root, {u"T/d.jpg"_s, u"s/z.jpg"_s, u"s/deep/c.jpg"_s, u"b.txt"_s, u"s/b.jpg"_s, u"a.jpg"_s}));
        const QStringList expected
            = prefixed(root, {u"a.jpg"_s, u"b.txt"_s, u"s/b.jpg"_s, u"s/z.jpg"_s, u"s/deep/c.jpg"_s, u"T/d.jpg"_s});

        // The walk appends to what the list already holds; a trailing separator is not doubled.
        PathList out;
        out.AddItem(u"already there"_s);
        ImageFiles::RecursiveGetFolderContent(root + u'/', out);
        QCOMPARE(out.toStringList(), QStringList {u"already there"_s} + expected);
        QCOMPARE(walk(root), expected);
        QVERIFY(walk(root + u"/a.jpg"_s).isEmpty());
        QVERIFY(walk(root + u"/missing"_s).isEmpty());
    }

    // Only visible regular files are listed (a link to one too), hidden names and what
    // is no file are not, but a hidden folder the caller names itself is walked; links
    // that lead back into the tree or to a folder walked already give nothing twice.
    void walkListsEachVisibleFileOnce()
    {
        const QString root = m_tmp->path();
        QVERIFY(makeFiles(root,
            {u"shown.jpg"_s, u".hidden.jpg"_s, u".hiddenfolder/inside.jpg"_s, u"sub/.also-hidden.jpg"_s,
                u"sub/visible.jpg"_s, u".start/x.jpg"_s, u"t/c.jpg"_s}));
        QVERIFY(QFile::link(root + u"/shown.jpg"_s, root + u"/link.jpg"_s));
        QVERIFY(QFile::link(root + u"/gone.jpg"_s, root + u"/dead.jpg"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(root + u"/pipe.jpg"_s).constData(), 0600), 0);
        QVERIFY(QFile::link(u".."_s, root + u"/sub/up"_s)); // back to the root
        QVERIFY(QFile::link(u"."_s, root + u"/sub/self"_s)); // to itself
        QVERIFY(QFile::link(root + u"/t"_s, root + u"/u"_s)); // a second way into t
        QVERIFY(QFile::link(root + u"/sub"_s, root + u"/t/back"_s));

        QCOMPARE(walk(root), prefixed(root, {u"link.jpg"_s, u"shown.jpg"_s, u"sub/visible.jpg"_s, u"t/c.jpg"_s}));
        QCOMPARE(walk(root + u"/.start"_s), prefixed(root, {u".start/x.jpg"_s}));
    }

    // A stop ends the walk at once: keepAlive is asked before each folder and after every
    // 49 entries, and once it says no the walk reports that it stopped.
    void walkStops_data()
    {
        QTest::addColumn<int>("answersYes");
        QTest::newRow("before the first folder") << 0;
        QTest::newRow("deep inside the large folder") << 20;
    }

    void walkStops()
    {
        QFETCH(int, answersYes);
        const QString root = m_tmp->path();
        QVERIFY(QDir().mkpath(root + u"/s"_s) && makeFiles(root, {u"s/inner.jpg"_s}));
        constexpr int count = 2000; // more than the 20 × 49 entries of the last row
        for (int i = 0; i < count; ++i) {
            const int fd = ::open(QFile::encodeName(root + u"/img"_s + QString::number(i) + u".jpg"_s).constData(),
                O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
            QVERIFY(fd >= 0);
            ::close(fd);
        }

        int asked = 0;
        const auto keepAlive = [&asked, answersYes] { return asked++ < answersYes; };
        PathList out;
        QVERIFY(!ImageFiles::RecursiveGetFolderContent(root, out, keepAlive));
        QCOMPARE(asked, answersYes + 1); // not asked again once it said no
        // Stopped inside the large folder, none of it is listed.
        QCOMPARE(out.ListCount(), 0);

        asked = 0;
        const ImageFiles::FolderImages found = ImageFiles::imagesInFolder(root, keepAlive);
        QVERIFY(found.stopped && found.images.isEmpty());

        // Never stopped: the whole tree, with keepAlive asked often enough for a stop to
        // be taken within a moment.
        asked = 0;
        const auto always = [&asked] { return ++asked > 0; };
        const ImageFiles::FolderImages all = ImageFiles::imagesInFolder(root, always);
        QVERIFY(!all.stopped);
        QCOMPARE(all.images.size(), count + 1);
        QVERIFY2(asked >= count / 49, qPrintable(QString::number(asked)));
    }

    // Linux file names are case-sensitive: a.jpg and A.jpg are two images.
    void duplicateSet()
    {
        PathList list;
        list.AddItem(u"/p/A.jpg"_s);
        list.AddItem(u"/p/b.JPG"_s);
        const ImageFiles::DuplicateSet set(list);
        QVERIFY(set.contains(u"/p/A.jpg"_s));
        QVERIFY(set.contains(u"/p/b.JPG"_s));
        QVERIFY(!set.contains(u"/p/a.JPG"_s));
        QVERIFY(!set.contains(u"/p/A.jpg "_s));
    }
};

QTEST_GUILESS_MAIN(tst_ImageFiles)
#include "tst_imagefiles.moc"
