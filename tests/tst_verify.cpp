// Checking outputs: the segment scan, the residue table and the verifier, on real
// samples cleaned by real ExifTool, and on built files that hide identifying values
// where a remover may overlook them (tests/data/hiding, made by tools/make-hiding-places.py).

#include "core/ContainerScan.h"
#include "core/NativeWriter.h"
#include "core/OutputVerifier.h"
#include "core/RawDecode.h"
#include "core/ResidueClassifier.h"
#include "core/TagOptions.h"
#include "jobfixtures.h"
#include "testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString sample2(const QString &name)
{
    return testutil::samplesDir() + u"/../images-2/"_s + name;
}

QString anySample(const QString &name)
{
    return QFileInfo::exists(testutil::sample(name)) ? testutil::sample(name) : sample2(name);
}

// The tag lines the program gives an image with the default options.
QStringList programLines(const QString &path)
{
    QStringList lines = RawKeepArguments(TagOptions {}, path) + BuildTagArguments(TagOptions {});
    if (keepsMetadataUnderDeleteAll(path))
        lines += RawDeleteArguments(TagOptions {});
    return lines;
}

// Cleans `source` into `dir` with the given tag lines; returns the output path.
QString clean(const QString &source, const QString &dir, const QStringList &tagLines)
{
    // A folder as "-o": ExifTool refuses a WebP output given by name.
    const QString out = dir + u'/' + QFileInfo(source).fileName();
    QDir().mkpath(dir);
    QFile::remove(out);
    testutil::runExifTool(
        QStringList {u"-m"_s, u"-q"_s, u"-q"_s} + tagLines + QStringList {u"-o"_s, dir + u'/', source});
    return out;
}

// What the built files hide, as tools/make-hiding-places.py writes it.
const QList<QByteArray> needles {
    "Jane Roe", "jane.roe@example.org", "SN48151623", "jane-laptop.example.org", "192.168.17.23", "51.50123"};

// The needles a file holds, as UTF-8 or UTF-16.
QStringList needlesIn(const QString &path)
{
    const QByteArray data = testutil::readFile(path);
    QStringList found;
    for (const QByteArray &n : needles) {
        const QString text = QString::fromLatin1(n);
        const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        if (data.contains(n) || data.contains(utf16))
            found << text;
    }
    return found;
}

// Independently of the program's tables: every text value of the original that is long
// enough to be distinctive and is not about the file or its colour profile.
QStringList distinctiveValues(const QString &path)
{
    const QJsonArray files = QJsonDocument::fromJson(
        testutil::runExifTool({u"-j"_s, u"-a"_s, u"-u"_s, u"-ee"_s, u"-G0:1"_s, u"-n"_s, path}).toUtf8())
                                 .array();
    QStringList values;
    const QJsonObject tags = files.first().toObject();
    static const QRegularExpression skip(u"^(System|File|ExifTool|Composite|SourceFile|ICC_Profile|JFIF|PNG|"
                                         "Photoshop)"_s);
    static const QRegularExpression plain(u"^[\\d\\s.:+\\-/]*$"_s);
    QStringList profileTexts; // a kept colour profile's name may be quoted elsewhere
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        if (it.key().startsWith(u"ICC_Profile"_s))
            profileTexts << it.value().toString();
    }
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        const QString v = it.value().isString() ? it.value().toString().trimmed() : QString();
        if (!skip.match(it.key()).hasMatch() && v.size() >= 8 && !plain.match(v).hasMatch()
            && !v.startsWith(u"(Binary"_s) && !v.startsWith(u"base64:"_s) && !profileTexts.contains(v))
            values << v;
    }
    return values;
}

QStringList residueTags(const QList<ResidueItem> &items, ResidueCategory category)
{
    QStringList tags;
    for (const ResidueItem &i : items) {
        if (i.category == category)
            tags << i.tag;
    }
    return tags;
}

// The lines the program used before it learned the extra deletions.
const QStringList oldDefaults {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s};

} // namespace

class TestVerify final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!testutil::exiftool().isEmpty());
        QVERIFY(m_dir.isValid());
    }

    // Every JPEG, PNG, WebP and GIF sample carries metadata the scan sees, and its
    // cleaned output has none: no false alarm, and nothing missed.
    void scanBeforeAndAfter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container"); // one the original must show
        QTest::newRow("jpeg camera") << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s << u"APP1 Exif"_s;
        QTest::newRow("jpeg phone") << u"jpeg_iphonexr_full_photo.jpg"_s << u"APP1 Exif"_s;
        QTest::newRow("jpeg iptc") << u"jpeg_iptc_photoshop_adobe_no_exif.jpg"_s << u"APP13"_s;
        QTest::newRow("jpeg many") << u"jpeg_exiftool_many_appn.jpg"_s << u"APP1 XMP"_s;
        QTest::newRow("jpeg reagan") << u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s << u"APP13"_s;
        QTest::newRow("jpeg multi icc") << u"jpeg_all_groups_multi_icc.jpg"_s << u"APP1 Exif"_s;
        QTest::newRow("png exif") << u"png_exif_gps_xmp.png"_s << u"eXIf"_s;
        QTest::newRow("png text") << u"png_rawprofile_exif_iptc_icc.png"_s << u"zTXt"_s;
        QTest::newRow("webp") << u"webp_exif_xmp_icc_gps.webp"_s << u"EXIF"_s;
        QTest::newRow("gif") << u"gif_xmp_gps_comment.gif"_s << u"comment"_s;
    }

    void scanBeforeAndAfter()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        const ContainerScan before = scanContainers(anySample(name));
        QCOMPARE(before.verdict, ContainerScan::Verdict::HasMetadata);
        QCOMPARE(scanContainers(QByteArray("II*\0")).verdict, ContainerScan::Verdict::NotScannable);
        QVERIFY2(before.containers.contains(container), qPrintable(before.containers.join(u", "_s)));

        // The scan's own profile reader gives what ExifTool reads from the same profile.
        const QString exif = testutil::runExifTool(
            {u"-s3"_s, u"-ICC_Profile:ProfileDescription"_s, u"-ICC_Profile:ProfileCopyright"_s, anySample(name)});
        QCOMPARE(before.iccProfile.isEmpty(), exif.isEmpty());
        if (!exif.isEmpty()) {
            const IccTexts texts = iccTexts(before.iccProfile);
            QCOMPARE(texts.description + u'\n' + texts.copyright + u'\n', exif);
            QVERIFY2(iccResidue(texts).isEmpty(), qPrintable(residueSummary(iccResidue(texts))));
        }

        const QString out = clean(anySample(name), m_dir.path(), programLines(name));
        const ContainerScan after = scanContainers(out);
        QVERIFY2(after.verdict == ContainerScan::Verdict::Clean, qPrintable(after.containers.join(u", "_s)));
        // ExifTool agrees that nothing identifying is left.
        const QList<ResidueItem> left
            = classifyResidue(parseReadBack(testutil::runExifTool(readBackArguments() + QStringList {out}).toUtf8()));
        QVERIFY2(left.isEmpty(), qPrintable(residueSummary(left)));

        // A cut-off output is broken, bytes after the end are a trailer.
        const QByteArray whole = testutil::readFile(out);
        for (const qsizetype cut : {whole.size() / 2, whole.size() - 1}) {
            const ContainerScan s = scanContainers(whole.left(cut));
            QVERIFY2(s.verdict == ContainerScan::Verdict::Broken, qPrintable(u"cut at %1"_s.arg(cut)));
            QVERIFY(!s.problem.isEmpty());
        }
        const ContainerScan trailer = scanContainers(whole + "Serial 12345 Jane Doe");
        QCOMPARE(trailer.verdict, ContainerScan::Verdict::HasMetadata);
        QVERIFY(trailer.containers.last().startsWith(u"trailer"_s));
        QCOMPARE(trailer.opaque, QStringList {trailer.containers.last()});
    }

    // Colour profiles: every text field of a stock one is standard; one that names a
    // person, an e-mail address or a display's serial is residue, whatever its other
    // fields say.
    void colourProfiles_data()
    {
        QTest::addColumn<QStringList>("texts"); // description, copyright, maker, model
        QTest::addColumn<QStringList>("categories");
        const auto row = [](const char *name, const QStringList &texts, const QStringList &categories) {
            QTest::newRow(name) << texts << categories;
        };
        row("sRGB",
            {u"sRGB IEC61966-2.1"_s, u"Copyright (c) 1998 Hewlett-Packard Company"_s, u"IEC http://www.iec.ch"_s,
                u"IEC 61966-2.1 Default RGB colour space - sRGB"_s},
            {});
        row("Display P3", {u"Display P3"_s, u"Copyright Apple Inc., 2017"_s, {}, {}}, {});
        row("ProPhoto",
            {u"ProPhoto RGB"_s, u"Copyright (c) Eastman Kodak Company, 1999, all rights reserved."_s, u"KODAK"_s,
                u"Reference Output Medium Metric(ROMM)"_s},
            {});
        row("SWOP", {u"U.S. Web Coated (SWOP) v2"_s, u"Copyright 2000 Adobe Systems, Inc."_s, {}, {}}, {});
        row("vendor monitor",
            {u"sRGB Monitor (for DiMAGE Master)"_s, u"Copyright 2004 KONICA MINOLTA PHOTO IMAGING, INC."_s, {}, {}},
            {});
        row("calibrated for an e-mail",
            {u"sRGB calibrated for jane.roe@example.org"_s, u"Copyright Apple Inc."_s, {}, {}}, {u"person"_s});
        row("a person's copyright", {u"Adobe RGB (1998)"_s, u"Copyright 2024 Jane Roe"_s, {}, {}}, {u"person"_s});
        row("display serial", {u"Display"_s, u"No copyright, use freely"_s, {}, u"HX2400 serial CFV9N57"_s},
            {u"device"_s});
        row("camera serial", {u"Calibrated for body 0123456789"_s, {}, {}, {}}, {u"device"_s});
    }

    void colourProfiles()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, categories);
        IccTexts icc;
        icc.description = texts.at(0);
        icc.copyright = texts.at(1);
        icc.deviceMaker = texts.at(2);
        icc.deviceModel = texts.at(3);
        QStringList found;
        for (const ResidueItem &i :
            iccResidue(icc, {{ResidueCategory::Device, u"MakerNotes:SerialNumber"_s, u"123456789"_s}}))
            found << categoryName(i.category);
        QCOMPARE(found, categories);
    }

    // The built files, cleaned by quillmark-cli with the defaults (by ExifTool alone, and in
    // place with the native writer), and with only GPS asked for: whatever is hidden, an
    // output called clean holds none of it (an independent byte search), and each hiding
    // place is named. The native writer drops every block it does not know.
    void hidingPlaces_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("defaults"); // the table below applies
        QTest::newRow("suffix, exiftool") << QStringList {u"--engine"_s, u"exiftool"_s} << true;
        QTest::newRow("overwrite, native") << QStringList {u"--output"_s, u"overwrite"_s} << true;
        QTest::newRow("gps only") << QStringList {u"--remove"_s, u"gps"_s} << false;
        QTest::newRow("exif only, in place")
            << QStringList {u"--remove"_s, u"exif"_s, u"--output"_s, u"overwrite"_s} << false;
    }

    void hidingPlaces()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, defaults);
        // file: status and the categories its residue must include, with the defaults
        QHash<QString, QStringList> expected {
            {u"dng_label_reel_profile.dng"_s, {u"residue"_s, u"person"_s, u"identifier"_s}},
            {u"gif_app_extension.gif"_s, {u"unchanged"_s, u"other"_s}},
            {u"gif_imagemagick_text.gif"_s, {u"unchanged"_s, u"other"_s}},
            {u"jpeg_c2pa_app11_gps.jpg"_s, {u"cleaned"_s}},
            {u"jpeg_icc_display_serial.jpg"_s, {u"residue"_s, u"device"_s}},
            {u"jpeg_icc_personal.jpg"_s, {u"residue"_s, u"person"_s}},
            {u"jpeg_iptc_caption_date.jpg"_s, {u"cleaned"_s}},
            {u"jpeg_progressive_app4_between_scans.jpg"_s, {u"residue"_s, u"other"_s}},
            {u"jpeg_progressive_com_between_scans.jpg"_s, {u"residue"_s, u"other"_s}},
            {u"jpeg_trailer_video_gps.jpg"_s, {u"cleaned"_s}},
            {u"png_c2pa_cabx.png"_s, {u"unchanged"_s, u"other"_s}},
            {u"png_private_chunk.png"_s, {u"unchanged"_s, u"other"_s}},
            {u"tiff_printer_label.tif"_s, {u"residue"_s, u"device"_s, u"identifier"_s}},
            {u"tiff_reduced_second_image.tif"_s, {u"residue"_s, u"other"_s}},
            {u"webp_unknown_chunk.webp"_s, {u"unchanged"_s, u"other"_s}},
            // the body serial ExifTool cannot delete, found in place too
            {u"cr2_canon_350d.cr2"_s, {u"residue"_s, u"device"_s}},
        };
        const bool native = !args.contains(u"exiftool"_s);
        if (native) {
            for (const QString &dropped : {u"gif_app_extension.gif"_s, u"gif_imagemagick_text.gif"_s,
                     u"jpeg_progressive_app4_between_scans.jpg"_s, u"jpeg_progressive_com_between_scans.jpg"_s,
                     u"png_c2pa_cabx.png"_s, u"png_private_chunk.png"_s, u"webp_unknown_chunk.webp"_s})
                expected[dropped] = {u"cleaned"_s};
            // The kept profile is all these files hold: copied as it is, and named.
            expected[u"jpeg_icc_display_serial.jpg"_s].first() = u"unchanged"_s;
            expected[u"jpeg_icc_personal.jpg"_s].first() = u"unchanged"_s;
        }
        QTemporaryDir dir;
        const QString folder = dir.path() + u"/in"_s;
        QDir().mkpath(folder);
        for (const QString &n :
            QDir(QString::fromUtf8(QUILLMARK_TESTDATA) + u"/hiding"_s).entryList({u"*_*.*"_s}, QDir::Files))
            QVERIFY(QFile::copy(QString::fromUtf8(QUILLMARK_TESTDATA) + u"/hiding/"_s + n, folder + u'/' + n));
        QVERIFY(QFile::copy(anySample(u"cr2_canon_350d.cr2"_s), folder + u"/cr2_canon_350d.cr2"_s));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), expected.size());

        const testutil::CliRun run = testutil::runCli(
            args + QStringList {u"--report"_s, u"-"_s, folder}, testutil::cliEnvironment(dir.path()));
        QCOMPARE(run.exitCode, 1);
        const QHash<QString, QJsonObject> report = testutil::reportByInput(run.rawOut);
        QCOMPARE(report.size(), expected.size());
        for (auto it = report.begin(); it != report.end(); ++it) {
            const QString name = QFileInfo(it.key()).fileName();
            const QString status = it->value(u"status"_s).toString();
            QStringList categories;
            for (const QJsonValue &r : it->value(u"residue"_s).toArray())
                categories << r.toObject().value(u"category"_s).toString();
            const QString what = name + u": "_s + status + u' ' + categories.join(u',');
            if (status == u"cleaned")
                QVERIFY2(needlesIn(it->value(u"output"_s).toString()).isEmpty(), qPrintable(what));
            if (!defaults) {
                // Only GPS or Exif asked for: what else is left is all reported.
                QVERIFY2(status != u"cleaned", qPrintable(what));
                continue;
            }
            const QStringList want = expected.value(name);
            QCOMPARE(status, want.first());
            if (status != u"failed")
                QCOMPARE(
                    it->value(u"writer"_s).toString(), native && hasNativeSuffix(name) ? u"native"_s : u"exiftool"_s);
            for (const QString &c : want.mid(1))
                QVERIFY2(categories.contains(c), qPrintable(what));
        }
    }

    // Every sample cleaned with the default lines, checked by the verifier: the families
    // the README calls clean are clean, and no text of the original is left in their bytes
    // (an independent read); raw files and Photoshop documents keep what their readers need
    // and say so.
    void everySampleAfterCleaning_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("categories"); // that must be among what is left; empty = cleaned
        QTest::addColumn<QStringList>("gone"); // what the extra deletions take, never among what is left
        const QHash<QString, QStringList> gone {
            {u"geotiff_elev.tif"_s, {u"IFD0:ModelTiePoint"_s, u"IFD0:PixelScale"_s, u"IFD0:GDALMetadata"_s}},
            {u"tiff_ifd0_serial_host_gps.tif"_s, {u"IFD0:CameraSerialNumber"_s, u"IFD0:HostComputer"_s}},
            {u"dng_canon_350d.dng"_s,
                {u"IFD0:CameraSerialNumber"_s, u"IFD0:RawDataUniqueID"_s, u"IFD0:OriginalRawFileName"_s}},
            {u"nef_nikon_d70.nef"_s, {u"ExifIFD:DateTimeOriginal"_s, u"IFD0:DateTimeOriginal"_s}},
            {u"cr2_canon_350d.cr2"_s, {u"ExifIFD:DateTimeOriginal"_s, u"Canon:OwnerName"_s}},
            {u"cr3_canon_m50.cr3"_s, {u"Canon:InternalSerialNumber"_s, u"Track1:TrackCreateDate"_s}},
            {u"psd_exif_xmp_iptc_icc.psd"_s, {u"Photoshop:IPTCDigest"_s}},
        };
        static const QRegularExpression raw(u"^(cr2|cr3|nef|dng|raf|rw2)_"_s);
        for (const QString &n : QDir(testutil::samplesDir()).entryList(QDir::Files)) {
            if (n.endsWith(u".md"_s) || n.contains(u"broken"_s) || n.contains(u"truncated"_s))
                continue;
            QStringList expected;
            if (n.startsWith(u"cr3_"_s))
                expected = QStringList {u"location"_s, u"device"_s, u"other"_s};
            else if (n.startsWith(u"cr2_"_s) || n.startsWith(u"nef_"_s) || n.startsWith(u"dng_"_s))
                expected = QStringList {u"device"_s, u"other"_s};
            else if (raw.match(n).hasMatch())
                expected = QStringList {u"other"_s};
            else if (n.startsWith(u"psd_"_s))
                expected = QStringList {u"software"_s};
            QTest::newRow(qPrintable(n)) << n << expected << gone.value(n);
        }
        for (const QString &n : QDir(sample2(QString())).entryList(QDir::Files)) {
            if (!n.endsWith(u".md"_s))
                QTest::newRow(qPrintable(n)) << n << QStringList() << gone.value(n);
        }
    }

    void everySampleAfterCleaning()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, categories);
        QFETCH(QStringList, gone);
        QTemporaryDir dir;
        const QString out = clean(anySample(name), dir.path(), programLines(name));
        // The extra deletions leave a file ExifTool finds no more fault with than the original
        // (a JPEG's new, smaller Exif block lacks tags the standard asks for: no matter).
        const auto warnings = [](const QString &path) {
            return testutil::runExifTool({u"-validate"_s, u"-warning"_s, u"-a"_s, u"-s3"_s, path})
                .split(u'\n', Qt::SkipEmptyParts)
                .size();
        };
        QVERIFY(gone.isEmpty() || warnings(out) <= warnings(anySample(name)));
        OutputVerifier v(testutil::exiftool(), dir.path());
        v.submit(0, anySample(name), out);
        QSignalSpy checked(&v, &OutputVerifier::allChecked);
        v.checkAll();
        QVERIFY(checked.wait(120000));
        const OutputVerifier::Verdict verdict = v.verdict(0);
        QStringList found;
        for (const ResidueItem &i : verdict.residue) {
            found << categoryName(i.category);
            QVERIFY2(!gone.contains(i.tag), qPrintable(i.tag));
            // Structural tags a format needs are never residue (a maker note's copy of one
            // is left over of no known kind).
            QVERIFY2(i.category == ResidueCategory::Other
                    || (!i.tag.endsWith(u":ImageWidth"_s) && !i.tag.endsWith(u":Compression"_s)
                        && !i.tag.endsWith(u":ColorSpace"_s) && !i.tag.endsWith(u":Orientation"_s)),
                qPrintable(i.tag));
        }
        for (const QString &c : categories)
            QVERIFY2(found.contains(c), qPrintable(c + u" not in "_s + residueSummary(verdict.residue)));
        QCOMPARE(verdict.status, categories.isEmpty() ? FileStatus::Cleaned : FileStatus::Residue);
        if (verdict.status != FileStatus::Cleaned)
            return;
        const QByteArray bytes = testutil::readFile(out);
        for (const QString &value : distinctiveValues(anySample(name)))
            QVERIFY2(!bytes.contains(value.toUtf8()), qPrintable(value));
        // ExifTool, asked for everything, finds no group that could say who, where or when.
        static const QRegularExpression container(u"^(GPS|XMP|IPTC|MakerNotes|Photoshop|JSON|JUMBF|Comment|"
                                                  "APP(?!14:Adobe:)\\d+|FlashPix|MPF|Trailer)"_s);
        const QJsonObject all = QJsonDocument::fromJson(
            testutil::runExifTool({u"-j"_s, u"-a"_s, u"-u"_s, u"-ee"_s, u"-G0:1"_s, out}).toUtf8())
                                    .array()
                                    .first()
                                    .toObject();
        for (auto it = all.begin(); it != all.end(); ++it)
            QVERIFY2(!container.match(it.key()).hasMatch(), qPrintable(it.key()));
    }

    // The verifier end to end: every verdict from a real output.
    void verifierVerdicts()
    {
        QTemporaryDir dir;
        const QString jpeg = anySample(u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s);
        const QString cr2 = anySample(u"cr2_canon_350d.cr2"_s);
        const QString tiff = anySample(u"tiff_iptc_icc_xmp_photoshop.tif"_s);
        const QString cleanJpeg = clean(jpeg, dir.path(), programLines(jpeg));
        const QString residueCr2 = clean(cr2, dir.path() + u"/cr2"_s, programLines(cr2));
        const QString cleanTiff = clean(tiff, dir.path() + u"/tif"_s, programLines(tiff));
        // Only "APP14" ticked: ExifTool copies the JPEG byte for byte, GPS and all.
        const QString copied
            = clean(jpeg, dir.path() + u"/same"_s, BuildTagArguments(testutil::tagOptions(u"4"_s, u"oc"_s)));
        QCOMPARE(testutil::sha256(copied), testutil::sha256(jpeg));
        // A cut-off output.
        const QString cut = dir.path() + u"/cut.jpg"_s;
        QVERIFY(testutil::writeFile(cut, testutil::readFile(cleanJpeg).left(4000)));
        // A name with a line break is read back through a link.
        const QString odd = dir.path() + u"/odd\nname.tif"_s;
        QVERIFY(QFile::copy(cleanTiff, odd));
        // A raw file without the Make and Model raw converters know it by.
        const QString nef = anySample(u"nef_nikon_d70.nef"_s);
        const QString unopenable = clean(nef, dir.path() + u"/nef"_s, oldDefaults);

        OutputVerifier v(testutil::exiftool(), dir.path());
        v.submit(0, jpeg, cleanJpeg);
        v.submit(1, cr2, residueCr2);
        v.submit(2, jpeg, copied);
        v.submit(3, jpeg, cut);
        v.submit(4, tiff, cleanTiff);
        v.submit(5, tiff, odd);
        v.submit(6, nef, unopenable);
        QSignalSpy checked(&v, &OutputVerifier::allChecked);
        v.checkAll();
        QVERIFY(checked.wait(120000));
        QCOMPARE(v.verdict(0).status, FileStatus::Cleaned);
        QCOMPARE(v.verdict(1).status, FileStatus::Residue);
        QVERIFY2(residueTags(v.verdict(1).residue, ResidueCategory::Device).contains(u"Canon:SerialNumber"_s),
            qPrintable(residueSummary(v.verdict(1).residue)));
        QCOMPARE(v.verdict(2).status, FileStatus::Unchanged);
        QVERIFY(!residueTags(v.verdict(2).residue, ResidueCategory::Location).isEmpty());
        QCOMPARE(v.verdict(3).status, FileStatus::Failed);
        QVERIFY(v.verdict(3).message.contains(u"damaged"_s));
        QCOMPARE(v.verdict(4).status, FileStatus::Cleaned);
        QCOMPARE(v.verdict(5).status, FileStatus::Cleaned);
        QVERIFY(v.verdict(5).message.isEmpty());
        if (rawDecoderProgram().isEmpty()) {
            qWarning("dcraw_emu (Debian libraw-bin) is missing: the raw decode check is not tested");
        } else {
            QCOMPARE(v.verdict(6).status, FileStatus::Failed);
            QVERIFY2(v.verdict(6).message.contains(u"raw converter"_s), qPrintable(v.verdict(6).message));
        }
        // The scan settled the clean and the cut JPEG; the rest needed ExifTool.
        QCOMPARE(v.readBackCount(), 5);
    }
};

QTEST_GUILESS_MAIN(TestVerify)
#include "tst_verify.moc"
