// The native writer against ExifTool and two independent decoders: it must remove at least
// what ExifTool removes, never touch a pixel, drop every unknown and trailing block, leave
// what it does not understand to ExifTool, and survive whatever a file holds.

#include "core/ContainerScan.h"
#include "core/KeepValues.h"
#include "core/NativeWriter.h"
#include "core/TagOptions.h"
#include "testutil.h"

#include <QColorSpace>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// What the samples hide (tests/data/native and tests/data/hiding).
const QList<QByteArray> Needles {
    "example.org", "QMK-SN-7310442", "SN48151623", "Jane Roe", "192.168.17.23", "51.50123", "48.85837", "48,51.502N"};

QString formatOf(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == u"jpg" ? u"JPEG"_s : suffix.toUpper();
}

// Every JPEG, PNG, WebP and GIF sample the writer should clean, as "folder/name".
QStringList samples()
{
    QStringList list;
    for (const QString &folder : {u"native"_s, u"hiding"_s, u"images"_s, u"images-2"_s}) {
        const QDir dir(testutil::testData(folder));
        for (const QString &name : dir.entryList({u"*.jpg"_s, u"*.png"_s, u"*.webp"_s, u"*.gif"_s}, QDir::Files)) {
            if (name != u"jpeg_truncated_in_app1.jpg") // broken on purpose: the fallback's case
                list << folder + u'/' + name;
        }
    }
    return list;
}

// The option sets the writer serves, by name.
TagOptions optionSet(const QString &name)
{
    TagOptions t;
    if (name == u"nothing kept") {
        t.keepOrientation = t.keepColourProfile = false;
    } else if (name == u"XMP kept") {
        t.all = false;
        t.xmp = false;
    } else if (name == u"APP14 removed") {
        t.adobeApp14 = true;
    }
    return t;
}

// What the job hands the writer.
NativeKeep keepFor(const TagOptions &tags)
{
    return nativeKeepFor(tags).value_or(NativeKeep {});
}

QByteArray run(const QString &program, const QStringList &args, int *code = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (code)
        *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAllStandardOutput();
}

// Every frame as RGBA, by Qt; empty when Qt has no reader for the format.
QList<QImage> qtFrames(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false); // the pixels as stored: the orientation is no pixel
    QList<QImage> frames;
    if (!reader.canRead())
        return frames;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        image.setColorSpace(QColorSpace()); // a dropped profile changes the label, not the pixels
        frames << image.convertToFormat(QImage::Format_RGBA8888);
        if (!reader.jumpToNextImage() && reader.imageCount() <= frames.size())
            break;
    }
    return frames;
}

// The pixels by a decoder that shares no code with Qt's: dwebp for a WebP still image,
// ImageMagick (every frame, coalesced) for the others.
QByteArray otherDecoder(const QString &path)
{
    int code = -1;
    QByteArray out;
    if (formatOf(path) == u"WEBP" && !testutil::readFile(path).contains("ANIM"))
        out = run(u"dwebp"_s, {u"-quiet"_s, u"-pam"_s, path, u"-o"_s, u"-"_s}, &code);
    else
        out = run(u"convert"_s, {path, u"-coalesce"_s, u"rgba:-"_s}, &code);
    return code == 0 ? out : QByteArray();
}

// The positions of a file's 2- and 4-byte length fields (big-endian unless `littleEndian`).
struct LengthField {
    qint64 at;
    int width;
    bool littleEndian;
};

QList<LengthField> lengthFields(const QByteArray &d)
{
    QList<LengthField> fields;
    const auto u8 = [&](qint64 i) { return i < d.size() ? quint8(d[i]) : 0; };
    if (d.startsWith("\xFF\xD8")) {
        for (qint64 i = 2; i + 3 < d.size(); ++i) {
            const int m = u8(i + 1);
            if (u8(i) == 0xFF && m >= 0xC0 && m != 0xFF && !(m >= 0xD0 && m <= 0xD9))
                fields << LengthField {i + 2, 2, false};
        }
    } else if (d.startsWith("\x89PNG")) {
        for (qint64 i = 8; i + 8 <= d.size();) {
            fields << LengthField {i, 4, false};
            i += 12 + (qint64(u8(i)) << 24 | u8(i + 1) << 16 | u8(i + 2) << 8 | u8(i + 3));
        }
    } else if (d.startsWith("RIFF")) {
        fields << LengthField {4, 4, true};
        for (qint64 i = 12; i + 8 <= d.size();) {
            fields << LengthField {i + 4, 4, true};
            const qint64 size = u8(i + 4) | u8(i + 5) << 8 | u8(i + 6) << 16 | qint64(u8(i + 7)) << 24;
            // ANIM and ANMF hold frames: walk into an ANMF's chunks too.
            i += d.mid(i, 4) == "ANMF" ? 8 + 16 : 8 + size + (size & 1);
        }
    } else if (d.startsWith("GIF")) {
        fields << LengthField {6, 2, true} << LengthField {8, 2, true};
        for (qint64 i = 13; i + 9 < d.size(); ++i) {
            if (u8(i) == 0x2C) // an image descriptor, perhaps: its width and height
                fields << LengthField {i + 5, 2, true} << LengthField {i + 7, 2, true};
        }
    }
    return fields;
}

} // namespace

class TestNativeWriter : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    // Per option set: the tag names of each sample's two outputs, and the native result.
    struct SetRun {
        QHash<QString, QSet<QString>> exifTool, native;
        QHash<QString, NativeResult> result;
        QString folder; // exiftool/ and native/ hold the outputs
    };
    QHash<QString, SetRun> m_runs;

    QString input(const QString &sample) const { return m_dir.filePath(u"in/"_s + QFileInfo(sample).fileName()); }

    // Cleans every sample both ways under one option set; tag names by one ExifTool read.
    const SetRun &runSet(const QString &set)
    {
        if (m_runs.contains(set))
            return m_runs[set];
        SetRun &r = m_runs[set];
        const TagOptions tags = optionSet(set);
        const QString folder = r.folder = m_dir.filePath(u"set-"_s + QString::number(m_runs.size()));
        QDir().mkpath(folder + u"/exiftool"_s);
        QDir().mkpath(folder + u"/native"_s);
        QStringList inputs;
        for (const QString &s : samples()) {
            inputs << input(s);
            const QString name = QFileInfo(s).fileName();
            r.result[name] = writeNativeClean(input(s), folder + u"/native/"_s + name, keepFor(tags), nullptr);
        }
        testutil::runExifTool(
            BuildTagArguments(tags) + QStringList {u"-m"_s, u"-o"_s, folder + u"/exiftool/%f.%e"_s} + inputs);
        const QByteArray json
            = testutil::runExifTool({u"-j"_s, u"-a"_s, u"-u"_s, u"-G0:1"_s, u"-r"_s, folder}).toUtf8();
        for (const QJsonValue &v : QJsonDocument::fromJson(json).array()) {
            const QJsonObject o = v.toObject();
            const QString file = o.value(u"SourceFile"_s).toString();
            QSet<QString> names;
            for (const QString &key : o.keys()) {
                // A JPEG's or GIF's comment is listed under File, but it is a block of the file.
                static const QStringList skipped {u"File"_s, u"ExifTool"_s, u"Composite"_s, u"System"_s};
                if (key != u"SourceFile" && (key == u"File:Comment" || !skipped.contains(key.section(u':', 0, 0))))
                    names << key;
            }
            (file.contains(u"/native/"_s) ? r.native : r.exifTool)[QFileInfo(file).fileName()] = names;
        }
        return r;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath(u"in"_s)));
        for (const QString &s : samples())
            QVERIFY2(QFile::copy(testutil::testData(s), input(s)), qPrintable(s));
        for (const QString &tool : {u"convert"_s, u"dwebp"_s})
            QVERIFY2(
                !QStandardPaths::findExecutable(tool).isEmpty(), qPrintable(tool + u" is missing (tools/deps.sh)"_s));
    }

    // At most ExifTool's tags, and none of the needles the options do not keep.
    void removesWhatExifToolRemoves_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("set");
        for (const QString &set : {u"default"_s, u"nothing kept"_s, u"XMP kept"_s, u"APP14 removed"_s}) {
            for (const QString &s : samples())
                QTest::newRow(qPrintable(s + u", "_s + set)) << s << set;
        }
    }

    void removesWhatExifToolRemoves()
    {
        QFETCH(QString, sample);
        QFETCH(QString, set);
        QVERIFY(nativeKeepFor(optionSet(set)).has_value());
        const SetRun &r = runSet(set);
        const QString name = QFileInfo(sample).fileName();
        if (r.result.value(name) == NativeResult::Declined && !isJpegFile(input(sample))) {
            // A PNG or WebP whose orientation and colour space are kept from its Exif is ExifTool's.
            const QStringList groups = testutil::metadataGroups(input(sample));
            QVERIFY2(nativeKeepFor(optionSet(set))->look
                    && (groups.contains(u"IFD0"_s) || groups.contains(u"EXIF"_s) || groups.contains(u"ExifIFD"_s)),
                qPrintable(groups.join(u',')));
            return;
        }
        QCOMPARE(r.result.value(name), NativeResult::Written);
        QVERIFY2(r.exifTool.contains(name) && r.native.contains(name), "ExifTool read both outputs");
        // The file's dates stay, as ExifTool's "-P" keeps them.
        QCOMPARE(QFileInfo(r.folder + u"/native/"_s + name).lastModified(), QFileInfo(input(sample)).lastModified());
        QSet<QString> extra = r.native.value(name) - r.exifTool.value(name);
        // The JFIF density stays on purpose (it says how large to print); ExifTool drops it.
        // An extended WebP keeps its VP8X header (all flags but the picture's cleared), which
        // ExifTool drops when nothing needs it.
        for (const QString &tag : {u"JFIF:XResolution"_s, u"JFIF:YResolution"_s, u"JFIF:ResolutionUnit"_s,
                 u"JFIF:JFIFVersion"_s, u"RIFF:WebP_Flags"_s})
            extra.remove(tag);
        // With the colour kept, a PNG keeps its gamma, sRGB intent and chromaticities, which
        // change how it looks; ExifTool's "-all=" drops them.
        if (optionSet(set).keepColourProfile) {
            for (const QString &tag : {u"Gamma"_s, u"SRGBRendering"_s, u"WhitePointX"_s, u"WhitePointY"_s, u"RedX"_s,
                     u"RedY"_s, u"GreenX"_s, u"GreenY"_s, u"BlueX"_s, u"BlueY"_s})
                extra.remove(u"PNG:"_s + tag);
        }
        QVERIFY2(extra.isEmpty(), qPrintable(QStringList(extra.cbegin(), extra.cend()).join(u", ")));

        if (set == u"XMP kept")
            return; // the kept XMP holds needles by design
        const QByteArray native = testutil::readFile(r.folder + u"/native/"_s + name);
        const QByteArray exifTool = testutil::readFile(r.folder + u"/exiftool/"_s + name);
        for (const QByteArray &needle : Needles) {
            // A kept colour profile may hold one too; then ExifTool's output keeps it as well.
            const bool keptOnPurpose = set != u"nothing kept" && exifTool.contains(needle);
            QVERIFY2(!native.contains(needle) || keptOnPurpose, needle.constData());
        }
    }

    // The same pixels, frame by frame, by Qt and by another decoder.
    void keepsEveryPixel_data()
    {
        QTest::addColumn<QString>("sample");
        for (const QString &s : samples())
            QTest::newRow(qPrintable(s)) << s;
    }

    void keepsEveryPixel()
    {
        QFETCH(QString, sample);
        const QString out = m_dir.filePath(u"pixels-"_s + QFileInfo(sample).fileName());
        QCOMPARE(writeNativeClean(input(sample), out, NativeKeep {}, nullptr), NativeResult::Written);

        const QList<QImage> before = qtFrames(input(sample));
        QCOMPARE(qtFrames(out), before);
        const QByteArray other = otherDecoder(input(sample));
        QVERIFY2(!other.isEmpty(), "the second decoder reads the sample");
        QVERIFY(other == otherDecoder(out));
        if (before.isEmpty() && formatOf(sample) != u"WEBP")
            QFAIL("Qt reads the sample");
    }

    // Unknown, private and trailing blocks of every kind: the output scans clean.
    void dropsHiddenBlocks_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("block"); // as ContainerScan names it in the input

        QTest::newRow("JPEG trailer") << u"hiding/jpeg_trailer_video_gps.jpg"_s << u"trailer"_s;
        QTest::newRow("JPEG APP11 C2PA") << u"hiding/jpeg_c2pa_app11_gps.jpg"_s << u"APP11"_s;
        QTest::newRow("JPEG COM between scans") << u"hiding/jpeg_progressive_com_between_scans.jpg"_s << u"COM"_s;
        QTest::newRow("JPEG APP4 between scans") << u"hiding/jpeg_progressive_app4_between_scans.jpg"_s << u"APP4"_s;
        QTest::newRow("JPEG MPF preview") << u"native/jpeg_mpf_preview.jpg"_s << u"trailer"_s;
        QTest::newRow("JPEG MPF index") << u"native/jpeg_mpf_preview.jpg"_s << u"APP2"_s;
        QTest::newRow("JPEG comment") << u"native/jpeg_restart_dri.jpg"_s << u"COM"_s;
        QTest::newRow("PNG caBX") << u"hiding/png_c2pa_cabx.png"_s << u"caBX"_s;
        QTest::newRow("PNG private chunk") << u"hiding/png_private_chunk.png"_s << u"prVt"_s;
        QTest::newRow("PNG tEXt") << u"native/png_text_time_phys_exif.png"_s << u"tEXt"_s;
        QTest::newRow("PNG zTXt") << u"native/png_text_time_phys_exif.png"_s << u"zTXt"_s;
        QTest::newRow("PNG iTXt") << u"native/png_text_time_phys_exif.png"_s << u"iTXt"_s;
        QTest::newRow("PNG tIME") << u"native/png_text_time_phys_exif.png"_s << u"tIME"_s;
        QTest::newRow("PNG eXIf") << u"native/png_text_time_phys_exif.png"_s << u"eXIf"_s;
        QTest::newRow("APNG text after the frames") << u"native/png_apng.png"_s << u"zTXt"_s;
        QTest::newRow("WebP unknown chunk") << u"hiding/webp_unknown_chunk.webp"_s << u"PRIV"_s;
        QTest::newRow("WebP EXIF") << u"native/webp_alpha.webp"_s << u"EXIF"_s;
        QTest::newRow("WebP XMP") << u"native/webp_animated.webp"_s << u"XMP"_s;
        QTest::newRow("GIF application extension") << u"hiding/gif_app_extension.gif"_s << u"application"_s;
        QTest::newRow("GIF ImageMagick text") << u"hiding/gif_imagemagick_text.gif"_s << u"application"_s;
        QTest::newRow("GIF comment") << u"native/gif_animated_comment.gif"_s << u"comment"_s;
        QTest::newRow("GIF87a trailer") << u"native/gif87a_trailing.gif"_s << u"trailer"_s;
    }

    // A turned picture stays turned: the orientation and colour space of the image's own
    // Exif, in a minimal Exif block where each format keeps it (a JPEG's APP1, a PNG's eXIf,
    // a WebP's EXIF chunk), as ExifTool's copy would write them.
    void keepsTheLook_data()
    {
        QTest::addColumn<QString>("sample");
        for (const QString &s : {u"native/jpeg_progressive.jpg"_s, u"images/png_exif_gps_xmp.png"_s,
                 u"native/png_apng.png"_s, u"images/webp_exif_xmp_icc_gps.webp"_s, u"native/webp_animated.webp"_s})
            QTest::newRow(qPrintable(s)) << s;
    }
    void keepsTheLook()
    {
        QFETCH(QString, sample);
        const QString turned = m_dir.filePath(u"turned-"_s + QFileInfo(sample).fileName());
        QFile::remove(turned);
        QVERIFY(QFile::copy(input(sample), turned));
        int code = -1;
        testutil::runExifTool(
            {u"-q"_s, u"-overwrite_original"_s, u"-Orientation#=6"_s, u"-ColorSpace#=65535"_s, turned}, &code);
        QCOMPARE(code, 0);
        const QString out = turned + u".out"_s;
        QFile::remove(out);
        QString why;
        QVERIFY2(writeNativeClean(turned, out, keepFor(TagOptions {}), &why) == NativeResult::Written, qPrintable(why));
        const QString tags
            = testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-IFD0:Orientation"_s, u"-ExifIFD:ColorSpace"_s, out});
        QCOMPARE(tags, u"6\n65535\n"_s);
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-GPS:all"_s, u"-XMP:all"_s, out}), QString());
    }

    void dropsHiddenBlocks()
    {
        QFETCH(QString, sample);
        QFETCH(QString, block);
        const auto named = [&](const QStringList &containers) {
            return std::any_of(containers.cbegin(), containers.cend(),
                [&](const QString &c) { return c.contains(block, Qt::CaseInsensitive); });
        };
        QVERIFY2(named(scanContainers(input(sample)).containers), "the sample holds the block");
        const QString out = m_dir.filePath(u"hidden-"_s + QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(writeNativeClean(input(sample), out, *nativeKeepFor(optionSet(u"nothing kept"_s)), nullptr),
            NativeResult::Written);
        const ContainerScan scan = scanContainers(out);
        QCOMPARE(scan.verdict, ContainerScan::Verdict::Clean);
        QVERIFY2(scan.containers.isEmpty() && scan.opaque.isEmpty(), qPrintable(scan.containers.join(u", ")));
    }

    // Whatever the writer does not understand fully goes to ExifTool, and nothing is written.
    void declinesMalformedFiles_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<std::function<QByteArray(QByteArray)>>("damage");
        using D = std::function<QByteArray(QByteArray)>;
        const auto at = [](const QByteArray &d, const char *marker) { return d.indexOf(QByteArray(marker, 2)); };
        const QString jpeg = u"native/jpeg_restart_dri.jpg"_s;

        QTest::newRow("JPEG cut in its header")
            << jpeg << D([=](QByteArray d) { return d.left(at(d, "\xFF\xDB") + 20); });
        QTest::newRow("JPEG cut in its scan") << jpeg << D([](QByteArray d) { return d.left(d.size() - 200); });
        QTest::newRow("JPEG segment past the end")
            << jpeg << D([=](QByteArray d) { return d.replace(at(d, "\xFF\xC0") + 2, 2, "\xFF\xF0"); });
        QTest::newRow("JPEG garbage marker")
            << jpeg << D([=](QByteArray d) { return d.replace(at(d, "\xFF\xDB") + 1, 1, "L"); });
        QTest::newRow("JPEG-LS frame") << jpeg
                                       << D([=](QByteArray d) { return d.replace(at(d, "\xFF\xC0") + 1, 1, "\xF7"); });
        QTest::newRow("JPEG hierarchical") << jpeg << D([=](QByteArray d) {
            const qint64 sof = at(d, "\xFF\xC0"); // a DHP segment, a copy of the frame header, before it
            return d.insert(sof, "\xFF\xDE" + d.mid(sof + 2, quint8(d[sof + 2]) << 8 | quint8(d[sof + 3])));
        });
        const QString png = u"native/png_text_time_phys_exif.png"_s;
        QTest::newRow("PNG bad IHDR CRC") << png << D([](QByteArray d) { return d.replace(8 + 8 + 13, 1, "?"); });
        QTest::newRow("WebP RIFF past the end") << u"native/webp_lossless.webp"_s << D([](QByteArray d) {
            const quint32 size = qToLittleEndian(quint32(d.size()));
            return d.replace(4, 4, QByteArray(reinterpret_cast<const char *>(&size), 4));
        });
        QTest::newRow("GIF without trailer")
            << u"native/gif_animated_comment.gif"_s << D([](QByteArray d) { return d.left(d.size() - 1); });
    }

    void declinesMalformedFiles()
    {
        QFETCH(QString, sample);
        QFETCH(std::function<QByteArray(QByteArray)>, damage);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString broken = m_dir.filePath(u"broken-"_s + tag);
        QVERIFY(testutil::writeFile(broken, damage(testutil::readFile(input(sample)))));
        const QString out = m_dir.filePath(u"broken-out-"_s + tag);
        QString why;
        QCOMPARE(writeNativeClean(broken, out, NativeKeep {}, &why), NativeResult::Declined);
        QVERIFY(!why.isEmpty());
        QVERIFY(!QFileInfo::exists(out));
    }

    void neverReplacesAnOutput()
    {
        for (const QString &s : {u"native/jpeg_progressive.jpg"_s, u"native/png_apng.png"_s,
                 u"native/webp_alpha.webp"_s, u"native/gif_animated_comment.gif"_s}) {
            const QString out = m_dir.filePath(u"taken-"_s + QFileInfo(s).fileName());
            QVERIFY(testutil::writeFile(out, "already here"));
            QVERIFY2(writeNativeClean(input(s), out, NativeKeep {}, nullptr) != NativeResult::Written, qPrintable(s));
            QCOMPARE(testutil::readFile(out), QByteArray("already here"));
        }
    }

    // Truncated, bit-flipped and length-corrupted files: no crash; whatever is written is
    // no larger than its input plus the kept values, and not broken unless the input was.
    void survivesDamagedFiles_data()
    {
        QTest::addColumn<QString>("sample");
        for (const QString &s : samples()) {
            if (QFileInfo(testutil::testData(s)).size() <= 200 * 1024) // the large ones add time, not cases
                QTest::newRow(qPrintable(s)) << s;
        }
    }

    void survivesDamagedFiles()
    {
        QFETCH(QString, sample);
        const QByteArray original = testutil::readFile(input(sample));
        QVERIFY(!original.isEmpty());
        QRandomGenerator random(quint32(qHash(sample, 18)));
        const QList<LengthField> fields = lengthFields(original);
        // A PNG or WebP holding Exif is declined while its look is kept: fuzzed without.
        const TagOptions tags = optionSet(formatOf(sample) == u"JPEG"_s ? u"default"_s : u"nothing kept"_s);
        const QString in = m_dir.filePath(u"fuzz-in"_s);
        const QString out = m_dir.filePath(u"fuzz-out"_s);
        int written = 0;

        const auto check = [&](const QByteArray &data, const QString &what) {
            QFile::remove(out);
            if (!testutil::writeFile(in, data))
                return false;
            const NativeKeep keep = keepFor(tags);
            if (writeNativeClean(in, out, keep, nullptr) != NativeResult::Written)
                return !QFileInfo::exists(out);
            ++written;
            // The kept orientation and colour space: an Exif segment of at most a few hundred bytes.
            const qint64 bound = data.size() + (keep.look ? 256 : 0);
            const bool small = QFileInfo(out).size() <= bound;
            const bool whole = scanContainers(out).verdict != ContainerScan::Verdict::Broken
                || scanContainers(data).verdict == ContainerScan::Verdict::Broken;
            if (!small || !whole)
                qWarning("%s: %s", qPrintable(what), small ? "the output is broken" : "the output grew");
            return small && whole;
        };

        for (int i = 1; i <= 20; ++i) {
            const qint64 cut = original.size() * i / 21;
            QVERIFY2(check(original.left(cut), u"cut at %1"_s.arg(cut)), "truncated");
        }
        for (int i = 0; i < 200; ++i) {
            QByteArray data = original;
            const qint64 at = random.bounded(qint64(data.size()));
            data[at] = char(data[at] ^ (1 << random.bounded(8)));
            QVERIFY2(check(data, u"bit flip at %1"_s.arg(at)), "bit-flipped");
        }
        for (int i = 0; i < 50 && !fields.isEmpty(); ++i) {
            QByteArray data = original;
            const LengthField field = fields.at(random.bounded(qsizetype(fields.size())));
            const quint64 values[] {0, 1, 0xFFFF, 0x7FFFFFFF, quint64(data.size() + 1)};
            const quint64 value = values[random.bounded(5)];
            for (int b = 0; b < field.width && field.at + b < data.size(); ++b) {
                const int shift = 8 * (field.littleEndian ? b : field.width - 1 - b);
                data[field.at + b] = char((value >> shift) & 0xFF);
            }
            QVERIFY2(check(data, u"length %1 at %2"_s.arg(value).arg(field.at)), "length-corrupted");
        }
        QVERIFY2(written > 0, "some damaged variants are still cleaned");
    }
};

QTEST_GUILESS_MAIN(TestNativeWriter)
#include "tst_nativewriter.moc"
