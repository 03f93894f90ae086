// Camera raw files stay raw files, and a kept orientation is the image's own IFD0 number:
// one run of the real job (default options, in place) over edited copies of the samples,
// LibRaw's dcraw_emu saying whether each raw output decodes as its original did.

#include "core/NativePath.h"
#include "core/RawDecode.h"
#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A JP2 XML box (as some writers use for XMP) holding an orientation written as a number.
QString xmlBox(int orientation)
{
    return u"-Jpeg2000:XML=<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
           "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
           "xmlns:tiff='http://ns.adobe.com/tiff/1.0/'><tiff:Orientation>%1</tiff:Orientation>"
           "</rdf:Description></rdf:RDF></x:xmpmeta>"_s.arg(orientation);
}

struct Fixture {
    QString name, sample;
    QStringList edits; // ExifTool arguments that make the copy what the row is about
    QString orientation; // IFD0 Orientation the output must hold (empty: none)
    QByteArray alias; // another name the output is decoded by: the decoder takes any name
};

const QList<Fixture> fixtures {
    {u"nikon.nef"_s, u"nef_nikon_d70.nef"_s, {u"-IFD0:Orientation#=6"_s}, u"6"_s, "-h.nef"},
    {u"panasonic.rw2"_s, u"rw2_panasonic_lx3.rw2"_s, {u"-IFD0:Orientation#=6"_s}, u"6"_s, {}},
    {u"fuji.raf"_s, u"raf_fujifilm_s5pro.raf"_s, {u"-IFD0:Orientation#=6"_s}, u"6"_s, {}},
    {u"canon.dng"_s, u"dng_canon_350d.dng"_s, {u"-IFD0:Orientation#=6"_s}, u"6"_s, " a b\nc.dng"}, // XMP says 1
    {u"canon.cr3"_s, u"cr3_canon_m50.cr3"_s, {u"-IFD0:Orientation#=6"_s}, u"6"_s, "caf\xE9.cr3"},
    {u"exif1-xml8.jp2"_s, u"jp2_exif_xmp_iptc_gps.jp2"_s, {u"-all="_s, u"-IFD0:Orientation#=1"_s, xmlBox(8)}, u"1"_s,
        {}},
    {u"exif6-xml1.jp2"_s, u"jp2_exif_xmp_iptc_gps.jp2"_s, {u"-all="_s, u"-IFD0:Orientation#=6"_s, xmlBox(1)}, u"6"_s,
        {}},
    {u"xml8.jp2"_s, u"jp2_exif_xmp_iptc_gps.jp2"_s, {u"-IFD0:Orientation="_s, xmlBox(8)}, {}, {}},
    {u"xmp6.png"_s, u"png_exif_gps_xmp.png"_s, {u"-IFD0:Orientation="_s, u"-XMP-tiff:Orientation#=6"_s}, {}, {}},
    {u"text8.png"_s, u"png_exif_gps_xmp.png"_s, {u"-IFD0:Orientation="_s, u"-PNG:Orientation=8"_s}, {}, {}},
};

} // namespace

class TestRawFiles final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, RawDecode> m_before; // raw copies as LibRaw decoded them before the run

    QString path(const QString &name) const { return m_dir.path() + u'/' + name; }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        // ExifTool knows no PNG text tag "Orientation" of its own: a user tag writes one.
        const QString config = path(u"orientation.config"_s);
        QVERIFY(testutil::writeFile(config,
            "%Image::ExifTool::UserDefined = ('Image::ExifTool::PNG::TextualData' => {Orientation => {}});\n1;\n"));
        QStringList images;
        for (const Fixture &f : fixtures) {
            images << path(f.name);
            QVERIFY(testutil::copySample(f.sample, images.last()));
            QCOMPARE(QProcess::execute(testutil::exiftool(),
                         QStringList {u"-config"_s, config, u"-q"_s, u"-q"_s, u"-m"_s, u"-overwrite_original"_s}
                             + f.edits + QStringList {images.last()}),
                0);
            if (isCameraRawFile(f.name) && !rawDecoderProgram().isEmpty())
                m_before.insert(f.name, decodeRaw(rawDecoderProgram(), images.last()));
        }
        JobOptions options;
        options.outputMode = OutputMode::Overwrite;
        CleanJob job(options, testutil::jobEnvironment(m_dir.path(), path(u"tmp"_s)));
        job.setOverwriteQuestion([] { return true; });
        const JobResult r = testutil::runJob(job, images);
        QVERIFY2(!r.internalError && r.problemCount == 0, qPrintable(r.errorDetail + r.problemTexts));
        QCOMPARE(r.processedCount, images.size());
    }

    void outputs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<QByteArray>("alias");
        for (const Fixture &f : fixtures)
            QTest::newRow(qPrintable(f.name)) << f.name << f.orientation << f.alias;
    }

    // The orientation kept is IFD0's number, never XMP's or a text's moved into Exif; a raw
    // output opens in LibRaw and decodes to the same picture (or fails as its original did).
    void outputs()
    {
        QFETCH(QString, name);
        QFETCH(QString, orientation);
        QFETCH(QByteArray, alias);
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-IFD0:Orientation"_s, path(name)}).trimmed(), orientation);
        if (!isCameraRawFile(name))
            return;
        if (rawDecoderProgram().isEmpty())
            QSKIP("dcraw_emu (Debian package libraw-bin) is not installed: raw outputs not decoded");
        const RawDecode before = m_before.value(name), after = decodeRaw(rawDecoderProgram(), path(name));
        QVERIFY2(before.opened, qPrintable(before.problem));
        QVERIFY2(after.opened, qPrintable(after.problem));
        QCOMPARE(after.digest, before.digest);
        QCOMPARE(after.problem, before.problem);
        if (alias.isEmpty())
            return;
        const QString other = path(decodePath(alias));
        QVERIFY(linkPath(path(name), other));
        QCOMPARE(decodeRaw(rawDecoderProgram(), other).digest, after.digest);
        QVERIFY(removePath(other)); // QTemporaryDir cannot remove a name that is not UTF-8
    }
};

QTEST_GUILESS_MAIN(TestRawFiles)
#include "tst_rawfiles.moc"
