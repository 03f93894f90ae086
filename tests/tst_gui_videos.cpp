// Videos in the real window: made MOV and MP4 samples (ffmpeg, ExifTool and a GoPro-style
// telemetry track) dropped, walked or chosen into the list, cleaned by a whole run, the
// finished page's comparison of what the run took out of a video (its tracks renumbered
// too), and what the viewer says of a video before cleaning.

#include "core/MetadataCompare.h"
#include "gui/MetadataViewer.h"
#include "guitestutil.h"
#include "videotestutil.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using guitest::child;
using guitest::rowTexts;

class TestGuiVideos final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // A folder holding a tagged MOV with a telemetry track and a tagged MP4 (and `more`
    // sample images); empty when a sample could not be made.
    QString videoFolder(const QString &name, const QStringList &more = {})
    {
        const QString folder = m_box->imageFolder(name, more);
        if (folder.isEmpty() || !videotest::makeVideo(folder + u"/clip.mov"_s, videotest::Tags | videotest::Gpmd)
            || !videotest::makeVideo(folder + u"/clip.mp4"_s, videotest::Tags))
            return {};
        return folder;
    }

    static int rowOf(const QTreeView *list, const QString &name) { return int(rowTexts(list).indexOf(name)); }

    // The comparison's lines (as the viewer shows them) that name a tag in a group.
    static QStringList linesWith(const QStringList &lines, const QString &group, const QString &tag)
    {
        QStringList found;
        const QRegularExpression named(u"\\[%1\\] %2 "_s.arg(QRegularExpression::escape(group), tag));
        for (const QString &line : lines) {
            if (named.match(line).hasMatch())
                found << line;
        }
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        if (videotest::ffmpeg().isEmpty())
            QSKIP("ffmpeg is not installed (Debian package ffmpeg)");
        QVERIFY((m_box = guitest::startSandbox())->isValid());
    }

    void init() { guitest::forgetPrompts(); }

    // Each way into the list takes the video types the run cleans, whatever the case of
    // their extension (GoPro's LRV and 360 are MP4 inside), and leaves out the ones it does
    // not clean, saying so.
    void waysIn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("dropped") << u"drop"_s;
        QTest::newRow("folder walk") << u"folder"_s;
        QTest::newRow("add dialog") << u"dialog"_s;
    }
    void waysIn()
    {
        QFETCH(QString, how);
        const QString folder = m_box->path(u"in-"_s + how);
        const QStringList taken {u"a.mov"_s, u"B.MP4"_s, u"c.lrv"_s, u"d.360"_s, u"e.m4v"_s, u"f.3gp"_s};
        const QStringList names = taken + QStringList {u"g.mkv"_s};
        QVERIFY(QDir().mkpath(folder) && videotest::makeVideo(folder + u"/a.mov"_s, 0));
        for (const QString &name : names.mid(1))
            QVERIFY(QFile::copy(folder + u"/a.mov"_s, folder + u'/' + name));
        QStringList paths;
        for (const QString &name : names)
            paths << folder + u'/' + name;
        auto w = m_box->windowAt(2);
        if (how == u"drop") {
            QVERIFY(guitest::drop(child<QTreeView>(*w, "lwFiles")->viewport(), paths));
        } else if (how == u"folder") {
            w->addFolder(folder);
            w->updateControls();
        } else {
            Prompts::queueAnswer(paths);
            child<QPushButton>(*w, "cmdInput")->click();
        }
        QStringList expected;
        for (const QString &name : taken)
            expected << folder + u'/' + name;
        QTRY_COMPARE(w->lstFiles().ListCount(), int(expected.size()));
        QStringList listed = w->lstFiles().toStringList();
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
        const QString tip = child<QLabel>(*w, "lblNumFileAdded")->toolTip();
        QVERIFY2(tip.startsWith(u"1 file was left out: 1 video of a type not cleaned"_s), qPrintable(tip));
        if (how == u"folder")
            QVERIFY(guitest::shoot(*w, u"images-videos"_s));
    }

    // Dropped onto the list, both videos are cleaned; the progress of one-second videos
    // still climbs to 100 %; the MOV's comparison shows its place, its camera and its
    // telemetry track's fix removed, and nothing identifying kept.
    void droppedVideos()
    {
        const QString folder = videoFolder(u"dropped"_s);
        QVERIFY(!folder.isEmpty());
        auto w = m_box->window();
        w->goNext();
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        QVERIFY(guitest::drop(lwFiles->viewport(), {folder + u"/clip.mov"_s, folder + u"/clip.mp4"_s}));
        // The drop is taken once the event loop turns.
        QTRY_COMPARE(w->lstFiles().ListCount(), 2);

        auto *bar = child<QProgressBar>(*w, "ProgressBar");
        auto *detail = child<QLabel>(*w, "lblProgressDetail");
        QList<int> shown; // the values the run page showed while the run went on
        QStringList counted; // and the counts below the bar
        connect(bar, &QProgressBar::valueChanged, w.get(), [&](int value) {
            if (w->iPage() != 7)
                return;
            shown << value;
            counted << detail->text().section(u" \u00b7 "_s, 0, 0);
        });
        QVERIFY(guitest::runToFinishedPage(*w));
        QVERIFY2(!shown.isEmpty() && shown.last() == 100, qPrintable(QDebug::toString(shown)));
        for (qsizetype i = 1; i < shown.size(); ++i)
            QVERIFY2(shown.at(i) >= shown.at(i - 1) && shown.at(i) <= 100, qPrintable(QDebug::toString(shown)));
        QCOMPARE(bar->value(), 100);
        QCOMPARE(counted.last(), u"2 of 2"_s);
        for (const QString &count : counted)
            QVERIFY2(QRegularExpression(u"^[0-2] of 2$"_s).match(count).hasMatch(), qPrintable(counted.join(u", "_s)));

        auto *list = child<QTreeView>(*w, "lwFilesCleaned");
        QCOMPARE(rowTexts(list, 1), QStringList(2, u"Cleaned"_s));
        const int mov = rowOf(list, u"clip_cleaned.mov"_s);
        QVERIFY2(mov >= 0 && rowOf(list, u"clip_cleaned.mp4"_s) >= 0, qPrintable(rowTexts(list).join(u", "_s)));
        QVERIFY(QFile::exists(folder + u"/clip_cleaned.mov"_s) && QFile::exists(folder + u"/clip_cleaned.mp4"_s));

        const Prompts::Record shownView = guitest::doubleClickRow(list, mov);
        QCOMPARE(shownView.kind, Prompts::Kind::Modal);
        const QStringList lines = shownView.text.split(u'\n');
        const auto removed = [&](const QString &group, const QString &tag) {
            const QStringList found = linesWith(lines, group, tag);
            return !found.isEmpty() && std::all_of(found.cbegin(), found.cend(), [](const QString &l) {
                return l.startsWith(u"removed"_s);
            });
        };
        // Both places a MOV keeps its position, make and model: Apple's keys and the user data.
        for (const QString &group : {u"Keys"_s, u"UserData"_s}) {
            for (const QString &tag : {u"GPSCoordinates"_s, u"Make"_s, u"Model"_s})
                QVERIFY2(removed(group, tag), qPrintable(group + u':' + tag + u'\n' + shownView.text));
        }
        // The telemetry track, which ExifTool reads with -ee: its fix and the fix's time.
        QString telemetry;
        for (const QString &line : lines) {
            const QRegularExpressionMatch m
                = QRegularExpression(u"\\[(Track\\d+)\\] MetaFormat +: gpmd$"_s).match(line);
            if (m.hasMatch())
                telemetry = m.captured(1);
        }
        QVERIFY2(!telemetry.isEmpty(), qPrintable(shownView.text));
        for (const QString &tag : {u"GPSLatitude"_s, u"GPSLongitude"_s, u"GPSDateTime"_s})
            QVERIFY2(removed(telemetry, tag), qPrintable(telemetry + u':' + tag + u'\n' + shownView.text));
        // Nothing the cleaned file keeps says who, where or when, and nothing is marked
        // identifying; a changed value is judged by what it became.
        for (const QString &line : lines) {
            if (line.startsWith(u"removed"_s))
                continue;
            QVERIFY2(!line.startsWith(u'!'), qPrintable(line));
            const QString kept = line.startsWith(u"CHANGED"_s) ? line.section(u"  ->  "_s, 1) : line;
            for (const QString &value : videotest::identifyingValues())
                QVERIFY2(!kept.contains(value), qPrintable(line));
        }
    }

    // A subtitle track ahead of the sound: the cleaned file numbers the sound track anew,
    // and the comparison still shows the sound kept and the subtitle removed.
    void renumberedTracks()
    {
        const QString folder = m_box->path(u"renumbered"_s);
        const QString srt = folder + u"/position.srt"_s;
        QVERIFY(QDir().mkpath(folder)
            && guitest::writeFile(srt, "1\n00:00:00,000 --> 00:00:01,000\nGPS(2.2945,48.8582,35)\n"));
        QVERIFY(!videotest::run(videotest::ffmpeg(),
            {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=size=160x120:rate=10:duration=1"_s, u"-f"_s,
                u"lavfi"_s, u"-i"_s, u"sine=duration=1"_s, u"-i"_s, srt, u"-map"_s, u"0"_s, u"-map"_s, u"2"_s,
                u"-map"_s, u"1"_s, u"-c:v"_s, u"libx264"_s, u"-pix_fmt"_s, u"yuv420p"_s, u"-preset"_s, u"ultrafast"_s,
                u"-c:a"_s, u"aac"_s, u"-c:s"_s, u"mov_text"_s, u"-f"_s, u"mov"_s, folder + u"/clip.mov"_s})
                     .isNull());
        QVERIFY(QFile::remove(srt));
        auto w = m_box->windowAt(2, folder);
        QVERIFY(guitest::runToFinishedPage(*w));
        auto *list = child<QTreeView>(*w, "lwFilesCleaned");
        QCOMPARE(rowTexts(list, 1), QStringList {u"Cleaned"_s});
        const Prompts::Record shownView = guitest::doubleClickRow(list, 0);
        QCOMPARE(shownView.kind, Prompts::Kind::Modal);
        const QStringList lines = shownView.text.split(u'\n');
        const auto handlers = [&](const QString &track) {
            QStringList found;
            for (const QString &line : linesWith(lines, track, u"HandlerType"_s))
                found << line.section(u' ', 0, 0) + u' ' + line.section(u": "_s, 1);
            return found;
        };
        QCOMPARE(handlers(u"Track2"_s), (QStringList {u"removed Text"_s, u"removed URL"_s}));
        QCOMPARE(handlers(u"Track3"_s), (QStringList {u"KEPT Audio Track"_s, u"KEPT URL"_s}));
        QVERIFY2(
            linesWith(lines, u"Track3"_s, u"TrackID"_s).value(0).startsWith(u"CHANGED"_s), qPrintable(shownView.text));
    }

    // Before cleaning, a video's listing (its telemetry too) says in words what the video
    // gives away.
    void videoBeforeCleaning()
    {
        const QString folder = videoFolder(u"before"_s);
        QVERIFY(!folder.isEmpty());
        const QString path = folder + u"/clip.mov"_s;
        auto w = m_box->windowAt(2, folder);
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        const Prompts::Record listed = guitest::doubleClickRow(lwFiles, rowOf(lwFiles, u"clip.mov"_s));
        QCOMPARE(listed.kind, Prompts::Kind::Modal);
        QVERIFY2(
            listed.text.contains(u"GPSLatitude"_s) && listed.text.contains(u"iPhone 14"_s), qPrintable(listed.text));
        // The listing the window reads, in a window of its own to look at.
        MetadataViewer report(testutil::runExifTool({u"-a"_s, u"-ee"_s, u"-G1"_s, u"-s"_s, path}), w.get(), path);
        QVERIFY(guitest::shoot(report, u"viewer-before-video"_s));
        // Apple's CreationDate is when the video was taken, not some other date.
        QCOMPARE(report.lblRevealSummary->text(),
            u"This video reveals where it was taken (GPS), the author's name, when it was taken, the camera make and "
            "model and the software used."_s);
    }

    // The folder walk takes a video beside an image; the finished page lists both, and the
    // comparison window of the video. (tools/screenshots.sh shoots both.)
    void videoAndImageFromFolder()
    {
        const QString folder = videoFolder(u"walked"_s, {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s});
        QVERIFY(!folder.isEmpty());
        QVERIFY(QFile::remove(folder + u"/clip.mp4"_s));
        auto w = m_box->windowAt(2, folder);
        QCOMPARE(w->lstFiles().ListCount(), 2);
        // The run page once, while the run is under way.
        bool shot = false;
        connect(child<QProgressBar>(*w, "ProgressBar"), &QProgressBar::valueChanged, w.get(), [&](int value) {
            if (!shot && w->iPage() == 7 && value > 0 && value < 100)
                shot = guitest::shoot(*w, u"run-video-image"_s);
        });
        QVERIFY(guitest::runToFinishedPage(*w));
        auto *list = child<QTreeView>(*w, "lwFilesCleaned");
        QCOMPARE(rowTexts(list, 1), QStringList(2, u"Cleaned"_s));
        QVERIFY(guitest::shoot(*w, u"finished-video-image"_s));

        const int mov = rowOf(list, u"clip_cleaned.mov"_s);
        QVERIFY(mov >= 0);
        QCOMPARE(guitest::doubleClickRow(list, mov).kind, Prompts::Kind::Modal);
        // The same pair the window compares, in a window of its own to look at.
        MetadataViewer::Comparison pair;
        pair.originalPath = folder + u"/clip.mov"_s;
        pair.cleanedPath = folder + u"/clip_cleaned.mov"_s;
        pair.originalOutput
            = testutil::runExifTool(MetadataCompare::listingArguments() + QStringList {pair.originalPath});
        pair.cleanedOutput
            = testutil::runExifTool(MetadataCompare::listingArguments() + QStringList {pair.cleanedPath});
        MetadataViewer report(pair, w.get());
        QVERIFY(guitest::shoot(report, u"viewer-compare-video"_s));
        // And where the removed tags begin, below the kept ones.
        QTextCursor removed = report.txtReport->document()->find(u"removed "_s);
        QVERIFY(!removed.isNull());
        // From the end back up, so the first removed line shows at the top.
        report.txtReport->moveCursor(QTextCursor::End);
        removed.clearSelection();
        report.txtReport->setTextCursor(removed);
        report.txtReport->ensureCursorVisible();
        QVERIFY(guitest::shoot(report, u"viewer-compare-video-removed"_s));
    }
};

QTEST_MAIN(TestGuiVideos)
#include "tst_gui_videos.moc"
