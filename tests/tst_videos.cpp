// Videos end to end: quillmark-cli remuxes made MOV/MP4 samples with ffmpeg, and what
// comes out is read again with ExifTool and ffprobe: nothing identifying left, the same
// picture and sound packets, the rotation kept.

#include "core/OutputVerifier.h"
#include "core/VideoRemux.h"
#include "jobfixtures.h"
#include "videotestutil.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

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

    // How the picture is shown, as a player reads it: the colour description, and whether
    // the movie header comes before the media (a video that can play while it downloads).
    static QString look(const QString &path)
    {
        const QString colour = QString::fromUtf8(run(testutil::exiftool(),
            {u"-config"_s, QString(), u"-s3"_s, u"-Track1:ColorPrimaries"_s, u"-Track1:TransferCharacteristics"_s,
                u"-Track1:MatrixCoefficients"_s, path}));
        const QList<IsoBox> boxes = topLevelBoxes(path);
        const auto at = [&boxes](const char *type) {
            const auto it
                = std::find_if(boxes.cbegin(), boxes.cend(), [type](const IsoBox &b) { return b.type == type; });
            return it == boxes.cend() ? -1 : int(it - boxes.cbegin());
        };
        return colour.simplified() + (at("moov") < at("mdat") ? u" / movie first"_s : u" / media first"_s);
    }

    // An ffmpeg at `path` that reads its input at the video's own pace ("-re"): a remux
    // of a one-second sample takes a second, long enough for a test to act during it.
    static bool slowFfmpeg(const QString &path)
    {
        return testutil::writeFile(path, "#!/bin/sh\nexec " + ffmpeg().toUtf8() + " -re \"$@\"\n")
            && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The ffmpeg processes working on files under `folder`.
    static QList<int> remuxesIn(const QString &folder)
    {
        QList<int> pids;
        for (const QString &pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
            const QByteArray cmdline = testutil::readFile(u"/proc/"_s + pid + u"/cmdline"_s);
            if (cmdline.contains("-map_chapters") && cmdline.contains(folder.toUtf8()))
                pids << pid.toInt();
        }
        return pids;
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
        QTest::newRow("nothing added, mov") << u"plain.mov"_s << 0;
        QTest::newRow("nothing added, mp4") << u"plain.mp4"_s << 0;
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

    // Each row cleans one sample: status 0, "cleaned" in the report, an output holding
    // nothing identifying with the original's packets and rotation, the original
    // untouched unless it was to be overwritten.
    void cleaned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("extras");
        QTest::addColumn<QStringList>("args"); // "%1": the row's folder
        QTest::addColumn<QString>("output"); // relative to the row's folder
        const QStringList suffix;
        QTest::newRow("mov") << u"clip.mov"_s << int(Tags) << suffix << u"clip_cleaned.mov"_s;
        QTest::newRow("mp4") << u"clip.mp4"_s << int(Tags) << suffix << u"clip_cleaned.mp4"_s;
        QTest::newRow("m4v") << u"clip.m4v"_s << int(Tags) << suffix << u"clip_cleaned.m4v"_s;
        QTest::newRow("3gp") << u"clip.3gp"_s << int(Tags) << suffix << u"clip_cleaned.3gp"_s;
        QTest::newRow("rotated mov") << u"turned.MOV"_s << int(Tags | Rotation) << suffix << u"turned_cleaned.MOV"_s;
        QTest::newRow("subtitle track") << u"drone.mp4"_s << int(Tags | Subtitle) << suffix << u"drone_cleaned.mp4"_s;
        QTest::newRow("gpmd track") << u"GX010001.MP4"_s << int(Tags | Gpmd) << suffix << u"GX010001_cleaned.MP4"_s;
        QTest::newRow("everything, mov") << u"all.mov"_s << int(Tags | Rotation | Subtitle | Gpmd) << suffix
                                         << u"all_cleaned.mov"_s;
        QTest::newRow("everything, overwritten") << u"all.mp4"_s << int(Tags | Rotation | Subtitle | Gpmd)
                                                 << QStringList {u"--output"_s, u"overwrite"_s} << u"all.mp4"_s;
        QTest::newRow("motion jpeg") << u"MVI_0001.MOV"_s << int(Tags | Mjpeg) << suffix << u"MVI_0001_cleaned.MOV"_s;
        QTest::newRow("colour, made for streaming")
            << u"hdr.mp4"_s << int(Tags | Hdr | MovieFirst) << suffix << u"hdr_cleaned.mp4"_s;
        QTest::newRow("everything, into a folder")
            << u"all.mp4"_s << int(Tags | Rotation | Subtitle | Gpmd) << QStringList {u"--output"_s, u"folder=%1/out"_s}
            << u"out/all.mp4"_s;
    }
    void cleaned()
    {
        QFETCH(QString, name);
        QFETCH(int, extras);
        QFETCH(QStringList, args);
        QFETCH(QString, output);
        const QString folder = m_dir.path() + u"/clean-"_s + tagName();
        const QString in = folder + u'/' + name;
        QVERIFY(sampleAt(in, extras));
        const QByteArray hash = testutil::sha256(in);
        const QStringList packets = frameHashes(in);
        const int turned = rotation(in);
        const QString shown = look(in);
        const testutil::CliRun r = testutil::runCli(
            QStringList {u"--report"_s, u"-"_s} + args.replaceInStrings(u"%1"_s, folder) + QStringList {in},
            testutil::cliEnvironment(m_temp));
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QJsonObject entry = testutil::reportByInput(r.rawOut).value(in);
        QVERIFY2(entry.value(u"status"_s).toString() == u"cleaned", r.rawOut.constData());
        const QString out = folder + u'/' + output;
        QCOMPARE(entry.value(u"output"_s).toString(), out);
        QVERIFY(QFile::exists(out));
        const QStringList residue = identifyingResidue(out);
        QVERIFY2(residue.isEmpty(), qPrintable(residue.join(u'\n')));
        QCOMPARE(frameHashes(out), packets);
        QCOMPARE(rotation(out), turned);
        QCOMPARE(look(out), shown);
        if (out != in)
            QCOMPARE(testutil::sha256(in), hash);
    }

    // What is not cleaned is never reported so, and its original stays as it was: without
    // ffmpeg on PATH the video is left out naming it; a cut-off MOV fails.
    void notCleaned_data()
    {
        QTest::addColumn<bool>("noFfmpeg");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message"); // in the report's message, case aside
        QTest::newRow("no ffmpeg") << true << u"skipped"_s << u"ffmpeg"_s;
        QTest::newRow("cut-off mov") << false << u"failed"_s << QString();
    }
    void notCleaned()
    {
        QFETCH(bool, noFfmpeg);
        QFETCH(QString, status);
        QFETCH(QString, message);
        const QString folder = m_dir.path() + u"/not-"_s + tagName();
        const QString in = folder + u"/clip.mov"_s;
        QVERIFY(sampleAt(in, Tags));
        QProcessEnvironment env = testutil::cliEnvironment(m_temp);
        if (noFfmpeg) {
            // ExifTool and its Perl only.
            const QString bin = folder + u"-bin"_s;
            QVERIFY(QDir().mkpath(bin));
            for (const QString &tool : {u"exiftool"_s, u"perl"_s}) {
                const QString target = QStandardPaths::findExecutable(tool);
                QVERIFY(!target.isEmpty() && QFile::link(target, bin + u'/' + tool));
            }
            env.insert(u"PATH"_s, bin);
        } else {
            QFile f(in);
            QVERIFY(f.resize(3000));
        }
        const QByteArray hash = testutil::sha256(in);
        const testutil::CliRun r = testutil::runCli({u"--report"_s, u"-"_s, in}, env);
        QVERIFY2(r.exitCode != 0, qPrintable(r.err));
        const QJsonObject entry = testutil::reportByInput(r.rawOut).value(in);
        QVERIFY2(entry.value(u"status"_s).toString() == status, r.rawOut.constData());
        QVERIFY2(entry.value(u"message"_s).toString().contains(message, Qt::CaseInsensitive), r.rawOut.constData());
        QCOMPARE(testutil::sha256(in), hash);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList {u"clip.mov"_s});
        if (!noFfmpeg)
            return;
        // Found in a folder rather than named, it is a problem all the same: ffmpeg is missing.
        const testutil::CliRun walked = testutil::runCli({u"--report"_s, u"-"_s, folder}, env);
        QCOMPARE(walked.exitCode, 1);
        QCOMPARE(testutil::reportByInput(walked.rawOut).value(in).value(u"status"_s).toString(), status);
    }

    // Names ffmpeg would read as options, protocols, pipes or patterns, a line break, and
    // bytes that are not UTF-8: each is the file it names, and is cleaned.
    void oddNames()
    {
        const QString folder = m_dir.path() + u"/names"_s;
        const auto cleanUp = qScopeGuard([&folder] { testutil::removeTree(folder); }); // QDir cannot remove caf\xe9
        QVERIFY(sampleAt(folder + u"/-i concat:a.mov|b %d.mov"_s, Tags));
        QVERIFY(sampleAt(folder + u"/two\nlines.MP4"_s, Tags | Gpmd));
        const QByteArray latin1 = QFile::encodeName(folder) + "/caf\xe9.mov";
        const QByteArray bytes = testutil::readFile(folder + u"/-i concat:a.mov|b %d.mov"_s);
        const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() && ::close(fd) == 0);
        const testutil::CliRun r = testutil::runCli({u"--report"_s, u"-"_s, folder}, testutil::cliEnvironment(m_temp));
        QVERIFY2(r.exitCode == 0, qPrintable(r.err + QString::fromUtf8(r.rawOut)));
        QCOMPARE(QString::fromUtf8(r.rawOut).count(u"\"status\":\"cleaned\""_s), 3);
        const QString cleaned = folder + u"/-i concat:a.mov|b %d_cleaned.mov"_s;
        QVERIFY2(identifyingResidue(cleaned).isEmpty(), qPrintable(identifyingResidue(cleaned).join(u'\n')));
        QCOMPARE(frameHashes(cleaned), frameHashes(folder + u"/-i concat:a.mov|b %d.mov"_s));
        QVERIFY(identifyingResidue(folder + u"/two\nlines_cleaned.MP4"_s).isEmpty());
        QVERIFY(::access((QFile::encodeName(folder) + "/caf\xe9_cleaned.mov").constData(), F_OK) == 0);
    }

    // Without "all", ExifTool removes the ticked groups from the video as it is: "gps"
    // takes the position out of the user data and the keys, but the telemetry track stays
    // and is reported, never passed off as clean.
    void singleGroups()
    {
        const QString folder = m_dir.path() + u"/groups"_s;
        const QString in = folder + u"/GX010002.MP4"_s;
        QVERIFY(sampleAt(in, Tags | Gpmd));
        const testutil::CliRun r
            = testutil::runCli({u"--report"_s, u"-"_s, u"--remove"_s, u"gps"_s, in}, testutil::cliEnvironment(m_temp));
        QCOMPARE(r.exitCode, 1);
        const QJsonObject entry = testutil::reportByInput(r.rawOut).value(in);
        QCOMPARE(entry.value(u"status"_s).toString(), u"residue"_s);
        QCOMPARE(entry.value(u"writer"_s).toString(), u"exiftool"_s);
        const QString residue = QString::fromUtf8(QJsonDocument(entry.value(u"residue"_s).toArray()).toJson());
        QVERIFY2(residue.contains(u"GPSLatitude"_s) && residue.contains(u"\"location\""_s), qPrintable(residue));
        const QString out = folder + u"/GX010002_cleaned.MP4"_s;
        const QString tags = QString::fromUtf8(run(testutil::exiftool(),
            {u"-config"_s, QString(), u"-a"_s, u"-G1"_s, u"-s"_s, u"-Keys:all"_s, u"-UserData:all"_s, out}));
        QVERIFY2(!tags.contains(u"GPSCoordinates"_s), qPrintable(tags));
        QVERIFY2(tags.contains(u"iPhone 14"_s), qPrintable(tags)); // the model was not asked for
    }

    // A run killed or stopped while ffmpeg writes leaves the original as it was, no ffmpeg
    // behind, and nothing but what the next run clears; that run cleans it. ffmpeg reads at
    // the video's own pace here (slowFfmpeg()), so the remux is still going when the test acts.
    void interrupted_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("killed") << int(SIGKILL);
        QTest::newRow("stopped (Ctrl-C twice)") << int(SIGINT);
    }
    void interrupted()
    {
        QFETCH(int, signal);
        const QString folder = m_dir.path() + u"/int-"_s + tagName();
        const QString in = folder + u"/clip.mov"_s;
        QVERIFY(sampleAt(in, Tags | Gpmd));
        const QByteArray hash = testutil::sha256(in);
        const QString bin = folder + u"-bin"_s;
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(slowFfmpeg(bin + u"/ffmpeg"_s));
        QProcessEnvironment env = testutil::cliEnvironment(m_temp);
        env.insert(u"PATH"_s, bin + u':' + env.value(u"PATH"_s));

        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(QString::fromUtf8(QUILLMARK_CLI), {u"--output"_s, u"overwrite"_s, in});
        QVERIFY(cli.waitForStarted());
        // Once ffmpeg has written part of the new file, the run is stopped or killed.
        const auto partial = [&folder] {
            QDirIterator it(folder, {u".qmk-remux-*"_s}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            return it.hasNext() && QFileInfo(it.next()).size() > 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(partial(), 20000);
        if (signal == SIGINT) {
            ::kill(pid_t(cli.processId()), SIGINT);
            ::kill(pid_t(cli.processId()), SIGINT);
        } else {
            cli.kill();
        }
        QVERIFY(cli.waitForFinished(20000));
        QVERIFY(signal == SIGKILL || cli.exitCode() != 0);
        QTRY_VERIFY_WITH_TIMEOUT(remuxesIn(folder).isEmpty(), 10000);
        QCOMPARE(testutil::sha256(in), hash);
        if (signal == SIGINT) // the run clears up after itself
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList {u"clip.mov"_s});

        const testutil::CliRun r = testutil::runCli(
            {u"--output"_s, u"overwrite"_s, u"--report"_s, u"-"_s, in}, testutil::cliEnvironment(m_temp));
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {u"clip.mov"_s});
        QVERIFY(identifyingResidue(in).isEmpty());
    }

    // The check looks for the original's values in every byte of a video but its media
    // samples: a box nothing reads still gives the author away, while the same bytes
    // among the compressed pictures are chance.
    void hiddenBytes()
    {
        const QString folder = m_dir.path() + u"/bytes"_s;
        const QString original = folder + u"/original.mp4"_s;
        QVERIFY(sampleAt(original, Tags | MovieFirst));
        const QString clean = folder + u"/clean.mp4"_s;
        QVERIFY(!run(ffmpeg(), remuxArguments(original, clean, u"mp4"_s, majorBrand(original), true)).isNull());
        QVERIFY(identifyingResidue(clean).isEmpty());
        const QByteArray bytes = testutil::readFile(clean);
        const QList<IsoBox> boxes = topLevelBoxes(clean);
        QVERIFY(!boxes.isEmpty() && boxes.last().type == "mdat"); // the media last, so it can grow
        // A "free" box after the media holding the author.
        const QString inBox = folder + u"/in-box.mp4"_s;
        QVERIFY(testutil::writeFile(inBox, bytes + be32(16) + "free" + "Jane Roe"));
        // The author's name as the last bytes of the media samples.
        QByteArray grown = bytes + "Jane Roe";
        const qint64 at = boxes.last().offset;
        const QByteArray size = be32(quint32(boxes.last().size + 8));
        grown.replace(at, 4, size);
        const QString inMedia = folder + u"/in-media.mp4"_s;
        QVERIFY(testutil::writeFile(inMedia, grown));

        OutputVerifier verifier(testutil::exiftool(), folder);
        QSignalSpy checked(&verifier, &OutputVerifier::allChecked);
        verifier.submit(1, original, inBox);
        verifier.submit(2, original, inMedia);
        verifier.checkAll();
        QVERIFY(checked.wait(60000));
        const OutputVerifier::Verdict boxed = verifier.verdict(1);
        QCOMPARE(boxed.status, FileStatus::Residue);
        QVERIFY(std::any_of(boxed.residue.cbegin(), boxed.residue.cend(), [](const ResidueItem &i) {
            return i.tag.startsWith(u"Bytes:"_s) && i.category == ResidueCategory::Person;
        }));
        const OutputVerifier::Verdict media = verifier.verdict(2);
        QVERIFY2(media.status == FileStatus::Cleaned, qPrintable(media.message));
    }

    // A pause lets the video being remuxed finish and starts no other; resumed, the run
    // cleans the rest. ffmpeg reads at the videos' own pace (slowFfmpeg()), a second each.
    void pauseBetweenVideos()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        const QString folder = m_dir.path() + u"/pause"_s;
        QStringList videos;
        for (const QString &name : {u"a.mov"_s, u"b.mov"_s, u"c.mov"_s}) {
            QVERIFY(sampleAt(folder + u'/' + name, Tags));
            videos << folder + u'/' + name;
        }
        const QString slow = m_dir.path() + u"/slow-ffmpeg"_s;
        QVERIFY(slowFfmpeg(slow));
        JobEnvironment env = testutil::jobEnvironment(m_dir.path(), m_temp);
        env.ffmpeg = slow;
        CleanJob job(testutil::outputOptions(OutputMode::Suffix), env);
        QSignalSpy paused(&job, &CleanJob::paused);
        QSignalSpy finished(&job, &CleanJob::finished);
        const auto remuxing = [&folder] {
            QDirIterator it(folder, {u".qmk-remux-*"_s}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            return it.hasNext();
        };
        job.start(videos);
        QTRY_VERIFY_WITH_TIMEOUT(remuxing(), 20000);
        job.pause();
        QVERIFY(paused.wait(20000));
        const auto remuxed = [&folder] {
            int n = 0;
            for (QDirIterator it(folder, {u"*.mov"_s}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
                 it.hasNext();)
                n += it.next().contains(u"/.qmk-stage-"_s) ? 1 : 0;
            return n;
        };
        QVERIFY(remuxesIn(folder).isEmpty());
        QVERIFY(!remuxing());
        QCOMPARE(remuxed(), 1); // the one it was writing, and no other
        QTest::qWait(300); // a pause holds: no ffmpeg starts meanwhile
        QVERIFY(remuxesIn(folder).isEmpty());
        QCOMPARE(remuxed(), 1);
        QVERIFY(finished.isEmpty());
        job.resume();
        QVERIFY(finished.wait(60000));
        const JobResult r = finished.first().first().value<JobResult>();
        QCOMPARE(r.processedCount, 3);
        for (const FileOutcome &o : r.outcomes)
            QCOMPARE(o.status, FileStatus::Cleaned);
    }
};

QTEST_GUILESS_MAIN(TestVideos)
#include "tst_videos.moc"
