#pragma once

// Sample videos made at test time (ffmpeg, ExifTool and a GoPro-style telemetry track
// written here), and reads of them that owe nothing to the program under test.

#include "testutil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace videotest {

using namespace Qt::StringLiterals;

// What a sample carries besides its picture and sound.
enum Extra {
    Tags = 1, // GPS, names, make, model, dates and XMP in the container
    Rotation = 2, // a display matrix turning the picture 90 degrees
    Subtitle = 4, // a mov_text track holding a DJI-style position
    Gpmd = 8, // a GoPro telemetry track holding a GPS fix
    Hdr = 16, // a BT.2020 / PQ colour description
    MovieFirst = 32, // the movie header before the media, as for streaming (not with Gpmd)
    Mjpeg = 64, // Motion JPEG pictures (older cameras) instead of H.264
};

// The values a tagged sample identifies its maker or place with.
inline const QStringList &identifyingValues()
{
    static const QStringList values {u"48.8582"_s, u"48 deg 51'"_s, u"2.2945"_s, u"2 deg 17'"_s, u"Jane Roe"_s,
        u"iPhone 14"_s, u"2024:05:01"_s, u"2024-05-01"_s, u"240501100000"_s, u"GPS(2.2945"_s, u"17.4.1"_s};
    return values;
}

inline QString ffmpeg()
{
    return QStandardPaths::findExecutable(u"ffmpeg"_s);
}

inline QString ffprobe()
{
    return QStandardPaths::findExecutable(u"ffprobe"_s);
}

// Runs a program (never through a shell); its standard output, or a null array when it
// could not run or failed.
inline QByteArray run(const QString &program, const QStringList &args)
{
    if (program.isEmpty())
        return {};
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return {};
    }
    const QByteArray out = p.readAllStandardOutput();
    return out.isNull() ? QByteArray("") : out;
}

inline QByteArray be32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

inline QByteArray box(const char *type, const QByteArray &body)
{
    return be32(quint32(8 + body.size())) + QByteArray(type, 4) + body;
}

// A full box: version 0 and its flags before the body.
inline QByteArray fullBox(const char *type, quint32 flags, const QByteArray &body)
{
    return box(type, be32(flags) + body);
}

// One GPMF KLV item: key, type, size of one element, repeat count, data padded to 4 bytes.
inline QByteArray klv(const char *key, char type, int size, int repeat, QByteArray data)
{
    data.append(QByteArray((4 - data.size() % 4) % 4, '\0'));
    return QByteArray(key, 4) + type + char(size) + char(repeat >> 8) + char(repeat & 0xff) + data;
}

// A nested GPMF container of 32-bit words, as GoPro cameras write them.
inline QByteArray klvNest(const char *key, const QByteArray &items)
{
    return klv(key, '\0', 4, int(items.size() / 4), items);
}

// One second of GoPro telemetry: a GPS5 fix at the Eiffel tower, dated by GPSU.
inline QByteArray gpmfSample()
{
    QByteArray scal, gps5;
    for (quint32 v : {10000000u, 10000000u, 1000u, 1000u, 100u})
        scal += be32(v);
    for (quint32 v : {488582000u, 22945000u, 35000u, 0u, 0u})
        gps5 += be32(v);
    const QByteArray name("GPS (Lat., Long., Alt., 2D speed, 3D speed)");
    const QByteArray strm = klv("STNM", 'c', int(name.size()), 1, name) + klv("GPSU", 'U', 16, 1, "240501100000.000")
        + klv("SCAL", 'l', 4, 5, scal) + klv("GPS5", 'l', 20, 1, gps5);
    return klvNest("DEVC", klv("DVID", 'L', 4, 1, be32(1)) + klv("DVNM", 'c', 6, 1, "Camera") + klvNest("STRM", strm));
}

// The offset of the first top-level (or, inside `from`..`to`, child) box of a type; -1 if none.
inline qsizetype findBox(const QByteArray &data, const char *type, qsizetype from, qsizetype to)
{
    for (qsizetype at = from; at + 8 <= to;) {
        const quint32 size = qFromBigEndian<quint32>(data.constData() + at);
        if (size < 8 || at + size > to)
            return -1;
        if (data.mid(at + 4, 4) == type)
            return at;
        at += size;
    }
    return -1;
}

// Adds a GoPro-style 'gpmd' track to an ffmpeg-made MP4 or MOV: one more trak in moov, whose
// one sample (gpmfSample) lies in a new mdat at the end. ffmpeg cannot mux such a track.
inline bool addGpmdTrack(const QString &path)
{
    QByteArray file = testutil::readFile(path);
    const qsizetype moov = findBox(file, "moov", 0, file.size());
    if (moov < 0)
        return false;
    const quint32 moovSize = qFromBigEndian<quint32>(file.constData() + moov);
    // A moov in front of the media would move them when it grows: ffmpeg writes it after them.
    if (findBox(file, "mdat", moov + moovSize, file.size()) >= 0)
        return false;
    const qsizetype mvhd = findBox(file, "mvhd", moov + 8, moov + moovSize);
    if (mvhd < 0 || file.at(mvhd + 8) != 0)
        return false; // a version 1 header is not ffmpeg's
    const quint32 trackId = qFromBigEndian<quint32>(file.constData() + mvhd + 104);
    const bool mov = file.mid(8, 4) == "qt  ";
    const quint32 timescale = 1000;
    const QByteArray matrix
        = be32(0x10000) + QByteArray(12, '\0') + be32(0x10000) + QByteArray(12, '\0') + be32(0x40000000);
    const QByteArray tkhd = fullBox("tkhd", 0,
        be32(0) + be32(0) + be32(trackId) + be32(0) + be32(timescale) + QByteArray(16, '\0') + matrix + be32(0)
            + be32(0));
    const QByteArray mdhd = fullBox("mdhd", 0, be32(0) + be32(0) + be32(timescale) + be32(timescale) + be32(0));
    const QByteArray name("GoPro MET");
    const QByteArray hdlr = fullBox("hdlr", 0,
        QByteArray(mov ? "mhlr" : "\0\0\0\0", 4) + "meta" + QByteArray(12, '\0')
            + (mov ? char(name.size()) + name : name + '\0'));
    const QByteArray dref = fullBox("dref", 0, be32(1) + fullBox("url ", 1, {}));
    const QByteArray blob = gpmfSample();
    const QByteArray stco = fullBox("stco", 0, be32(1) + be32(0)); // the offset once the trak's size is known
    const QByteArray stbl = box("stbl",
        fullBox("stsd", 0, be32(1) + box("gpmd", QByteArray(6, '\0') + QByteArray("\0\1", 2)))
            + fullBox("stts", 0, be32(1) + be32(1) + be32(timescale))
            + fullBox("stsc", 0, be32(1) + be32(1) + be32(1) + be32(1))
            + fullBox("stsz", 0, be32(0) + be32(1) + be32(quint32(blob.size()))) + stco);
    const QByteArray minf = box("minf", fullBox("nmhd", 0, {}) + box("dinf", dref) + stbl);
    QByteArray trak = box("trak", tkhd + box("mdia", mdhd + hdlr + minf));
    const qsizetype sampleAt = file.size() + trak.size() + 8;
    trak.replace(trak.size() - 4, 4, be32(quint32(sampleAt)));
    qToBigEndian(quint32(trackId + 1), file.data() + mvhd + 104);
    qToBigEndian(quint32(moovSize + trak.size()), file.data() + moov);
    file.insert(moov + moovSize, trak);
    file += box("mdat", blob);
    return testutil::writeFile(path, file);
}

// Makes a one-second 160x120 video with sound at `path`, its container chosen by the
// extension (.mov, .mp4, .m4v, .3gp), carrying `extras`. False when ffmpeg is missing or
// a step fails.
inline bool makeVideo(const QString &path, int extras = Tags)
{
    if (ffmpeg().isEmpty() || testutil::exiftool().isEmpty())
        return false;
    const QString ext = QFileInfo(path).suffix().toLower();
    const QString format = ext == u"m4v" ? u"ipod"_s : ext == u"3gp" ? ext : ext == u"mov" ? ext : u"mp4"_s;
    QStringList args {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
        u"testsrc=size=160x120:rate=10:duration=1"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=duration=1"_s};
    const QString srt = path + u".srt"_s;
    if (extras & Subtitle) {
        if (!testutil::writeFile(srt, "1\n00:00:00,000 --> 00:00:01,000\nGPS(2.2945,48.8582,35) 2024-05-01 10:00:00\n"))
            return false;
        args << u"-i"_s << srt << u"-map"_s << u"0"_s << u"-map"_s << u"1"_s << u"-map"_s << u"2"_s << u"-c:s"_s
             << u"mov_text"_s;
    }
    if (extras & Mjpeg)
        args << u"-c:v"_s << u"mjpeg"_s;
    else
        args << u"-c:v"_s << u"libx264"_s << u"-pix_fmt"_s << u"yuv420p"_s << u"-preset"_s << u"ultrafast"_s;
    args << u"-c:a"_s << u"aac"_s;
    if (extras & Hdr)
        args << u"-color_primaries"_s << u"bt2020"_s << u"-color_trc"_s << u"smpte2084"_s << u"-colorspace"_s
             << u"bt2020nc"_s;
    if (extras & MovieFirst)
        args << u"-movflags"_s << u"+faststart"_s;
    args << u"-f"_s << format << path;
    const bool made = !run(ffmpeg(), args).isNull();
    QFile::remove(srt);
    if (!made || ((extras & Gpmd) && !addGpmdTrack(path)))
        return false;
    if (!(extras & (Tags | Rotation)))
        return true;
    QStringList tags {u"-config"_s, QString(), u"-overwrite_original"_s, u"-m"_s};
    if (extras & Tags) {
        // The key com.apple.quicktime.location.ISO6709 is ExifTool's Keys:GPSCoordinates.
        tags << u"-Keys:GPSCoordinates=48.8582, 2.2945, 35"_s << u"-UserData:GPSCoordinates=48.8582, 2.2945, 35"_s
             << u"-Keys:Author=Jane Roe"_s << u"-UserData:Author=Jane Roe"_s << u"-Keys:Make=Apple"_s
             << u"-UserData:Make=Apple"_s << u"-Keys:Model=iPhone 14"_s << u"-UserData:Model=iPhone 14"_s
             << u"-Keys:Software=17.4.1"_s << u"-Keys:CreationDate=2024:05:01 10:00:00+02:00"_s
             << u"-QuickTime:CreateDate=2024:05:01 08:00:00"_s << u"-QuickTime:TrackCreateDate=2024:05:01 08:00:00"_s
             << u"-QuickTime:MediaCreateDate=2024:05:01 08:00:00"_s << u"-XMP:Creator=Jane Roe"_s;
    }
    if (extras & Rotation)
        tags << u"-Rotation=90"_s;
    return !run(testutil::exiftool(), tags << path).isNull();
}

inline QString jsonText(const QJsonValue &v)
{
    if (v.isArray()) {
        QStringList parts;
        for (const QJsonValue &item : v.toArray())
            parts << jsonText(item);
        return parts.join(u", ");
    }
    return v.toVariant().toString();
}

// Everything ExifTool (embedded data too) and ffprobe read in a file that gives away the
// sample's maker, place or time: "reader key=value" lines, plus every data or subtitle
// stream and every movie, track or media header date that is not zero.
inline QStringList identifyingResidue(const QString &path)
{
    QStringList found;
    const auto check = [&found](const QString &where, const QString &key, const QString &value) {
        const bool date = key.endsWith(u"CreateDate") || key.endsWith(u"ModifyDate");
        const bool identifying = std::any_of(identifyingValues().cbegin(), identifyingValues().cend(),
                                     [&value](const QString &s) { return value.contains(s); })
            || (key.endsWith(u"make", Qt::CaseInsensitive) && value.contains(u"Apple"))
            || (date && key.startsWith(u"QuickTime:") && !value.startsWith(u"0000:00:00 00:00:00"));
        if (identifying)
            found << where + u' ' + key + u'=' + value;
    };
    // ExifTool's text, not its JSON, which keeps one value of a tag a group holds twice;
    // family 3 gives each embedded sample its own key.
    const QString et = testutil::runExifTool({u"-s"_s, u"-a"_s, u"-u"_s, u"-ee"_s, u"-G0:1:3"_s, path});
    for (const QString &line : et.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype group = line.indexOf(u']');
        const qsizetype colon = line.indexOf(u':', group);
        if (!line.startsWith(u'[') || group < 0 || colon < 0 || line.startsWith(u"[ExifTool"))
            continue;
        check(u"exiftool"_s, line.mid(1, group - 1) + u':' + line.mid(group + 1, colon - group - 1).trimmed(),
            line.mid(colon + 1).trimmed());
    }
    const QJsonObject probe = QJsonDocument::fromJson(
        run(ffprobe(), {u"-v"_s, u"error"_s, u"-show_streams"_s, u"-show_format"_s, u"-of"_s, u"json"_s, path}))
                                  .object();
    const auto checkTags = [&check](const QString &where, const QJsonObject &o) {
        const QJsonObject t = o.value(u"tags").toObject();
        for (auto it = t.begin(); it != t.end(); ++it)
            check(where, it.key(), jsonText(it.value()));
    };
    checkTags(u"ffprobe format"_s, probe.value(u"format").toObject());
    for (const QJsonValue &s : probe.value(u"streams").toArray()) {
        const QString where = u"ffprobe stream "_s + jsonText(s[u"index"]);
        const QString type = s[u"codec_type"].toString();
        if (type == u"data" || type == u"subtitle")
            found << where + u" codec_type="_s + type + u" tag="_s + s[u"codec_tag_string"].toString();
        checkTags(where, s.toObject());
    }
    return found;
}

// What must be byte-identical after a remux: per packet of the picture and sound
// streams, its stream, size and MD5 (ffmpeg's framemd5 without headers and times).
inline QStringList frameHashes(const QString &path)
{
    const QByteArray out = run(ffmpeg(),
        {u"-v"_s, u"error"_s, u"-i"_s, path, u"-map"_s, u"0:V"_s, u"-map"_s, u"0:a"_s, u"-c"_s, u"copy"_s, u"-f"_s,
            u"framemd5"_s, u"-"_s});
    QStringList packets;
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> f = line.split(',');
        if (line.startsWith('#') || f.size() != 6)
            continue;
        packets << QString::fromLatin1(f[0].trimmed() + ' ' + f[4].trimmed() + ' ' + f[5].trimmed());
    }
    return packets;
}

// The rotation of the first picture stream's display matrix (ffprobe's degrees), 0 without one.
inline int rotation(const QString &path)
{
    const QJsonObject probe = QJsonDocument::fromJson(
        run(ffprobe(),
            {u"-v"_s, u"error"_s, u"-select_streams"_s, u"V:0"_s, u"-show_streams"_s, u"-of"_s, u"json"_s, path}))
                                  .object();
    for (const QJsonValue &side : probe[u"streams"][0][u"side_data_list"].toArray()) {
        if (side[u"side_data_type"].toString() == u"Display Matrix")
            return side[u"rotation"].toInt();
    }
    return 0;
}

} // namespace videotest
