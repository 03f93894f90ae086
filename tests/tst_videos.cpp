// Videos end to end: quillmark-cli remuxes made MOV/MP4 samples with ffmpeg, and what
// comes out is read again with ExifTool and ffprobe: nothing identifying left, the same
// picture and sound packets, the rotation kept.

#include "jobfixtures.h"
#include "videotestutil.h"

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace videotest;

class TestVideos final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_temp;
    QHash<QString, QString> m_made; // samples made once per name and extras

    static QString tagName()
    {
        return QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(u"\\W+"_s), u"_"_s);
    }

    // A copy of a sample with `extras` at `dest`; false when it could not be made.
    bool sampleAt(const QString &dest, int extras)
    {
        const QString key = QFileInfo(dest).suffix() + u'-' + QString::number(extras);
        if (!m_made.contains(key)) {
            const QString made = m_dir.path() + u"/samples/"_s + key + u'.' + QFileInfo(dest).suffix();
            QDir().mkpath(QFileInfo(made).path());
            if (!makeVideo(made, extras))
                return false;
            m_made.insert(key, made);
        }
        QDir().mkpath(QFileInfo(dest).path());
        return QFile::copy(m_made.value(key), dest);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        if (ffmpeg().isEmpty() || ffprobe().isEmpty())
            QSKIP("ffmpeg is not installed (Debian package ffmpeg)");
        m_temp = m_dir.path() + u"/tmp"_s;
        QDir().mkpath(m_temp);
    }

    // The samples carry what the cleaning tests look for, and the reads find it: the
    // tags in both places, the rotation, the subtitle and the decoded telemetry. A sample
    // with none shows the reads find nothing in what ffmpeg alone writes.
    void fixtures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("extras");
        QTest::newRow("nothing added") << u"plain.mp4"_s << 0;
        QTest::newRow("tags, mov") << u"tags.mov"_s << int(Tags);
        QTest::newRow("tags, 3gp") << u"tags.3gp"_s << int(Tags);
        QTest::newRow("gpmd, mov") << u"gpmd.mov"_s << int(Gpmd);
        QTest::newRow("everything, mp4") << u"all.mp4"_s << int(Tags | Rotation | Subtitle | Gpmd);
    }
    void fixtures()
    {
        QFETCH(QString, name);
        QFETCH(int, extras);
        const QString path = m_dir.path() + u"/fixtures/"_s + name;
        QVERIFY(sampleAt(path, extras));
        const QStringList residue = identifyingResidue(path);
        const QString all = residue.join(u'\n');
        QVERIFY2(residue.isEmpty() == (extras == 0), qPrintable(all));
        QVERIFY(frameHashes(path).size() > 20); // 10 pictures and the sound's packets
        QCOMPARE(rotation(path), (extras & Rotation) ? -90 : 0);
        QStringList expected;
        if (extras & Tags)
            expected << identifyingValues().mid(0, 8) << u"17.4.1"_s << u"Make=Apple"_s
                     << u"QuickTime:Main:CreateDate=2024:05:01 08:00:00"_s << u"TrackCreateDate=2024:05:01"_s
                     << u"MediaCreateDate=2024:05:01"_s << u"XMP-dc:Main:Creator=Jane Roe"_s;
        if (extras & Subtitle)
            expected << u"codec_type=subtitle tag=tx3g"_s << u"Text=GPS(2.2945,48.8582,35) 2024-05-01"_s;
        if (extras & Gpmd)
            expected << u"codec_type=data tag=gpmd"_s << u"GPSLatitude=48 deg 51' 29.52\" N"_s
                     << u"GPSLongitude=2 deg 17' 40.20\" E"_s << u"GPSDateTime=2024:05:01 10:00:00"_s;
        for (const QString &value : std::as_const(expected))
            QVERIFY2(all.contains(value), qPrintable(value + u" not in\n"_s + all));
    }
};

QTEST_GUILESS_MAIN(TestVideos)
#include "tst_videos.moc"
