// Whole runs of the real window with the real ExifTool on copies of the sample images:
// through every page with the mouse and with the keyboard, the overwrite question, the
// finished page after clean runs, runs with problems and a run that cannot start, the
// metadata viewer on both lists, and the unattended "-auto" run of the real program.

#include "gui/MetadataViewer.h"
#include "guitestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

const QStringList runSamples = {
    u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s,
    u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s,
    u"png_exif_gps_xmp.png"_s,
    u"tiff_iptc_icc_xmp_photoshop.tif"_s,
};

using guitest::doubleClickRow;
using guitest::rowTexts;

} // namespace

class TestGuiRun final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // Page 8 after a clean run, checked the way a person reads it.
    static void checkCleanFinish(CleanWizard &w, int images)
    {
        QVERIFY(w.iPage() == 8 && guitest::child<QWidget>(w, "picFrameFinished")->isVisible());
        QCOMPARE(guitest::child<QLabel>(w, "lblProcessing")->text(), u"Finished!"_s);
        QCOMPARE(guitest::child<QProgressBar>(w, "ProgressBar")->value(), 100);
        const QRegularExpression summary(
            u"^%1 images processed \\(-?\\d+ KB saved\\)\\nin .+ \\(.+ sec avg\\)$"_s.arg(images));
        const QString info = guitest::child<QLabel>(w, "lblExecuteInfo")->text();
        QVERIFY2(summary.match(info).hasMatch(), qPrintable(info));
        QCOMPARE(guitest::visibility(w, {"lblLinkButton_3", "lblErrorInfo", "txtErrorLog"}), QList<bool>(3, false));
        QCOMPARE(guitest::child<QTreeView>(w, "lwFilesCleaned")->model()->rowCount(), images);
        // A problem-free run empties the image list.
        QVERIFY(w.lstFiles().ListCount() == 0 && guitest::child<QTreeView>(w, "lwFiles")->model()->rowCount() == 0);
        QCOMPARE(guitest::caption(guitest::child<QPushButton>(w, "cmdCancel")), u"Quit"_s);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        qputenv("QUILLMARK_AUTO_WAIT_MS", "0"); // for the program started as a process of its own
    }

    void init() { guitest::forgetPrompts(); }

    void mouseOnly()
    {
        const QString folder = m_box->imageFolder(u"mouse"_s, runSamples);
        // An output that is there already: the question comes once, and Yes replaces it.
        const QString old = folder + u"/png_exif_gps_xmp_cleaned.png"_s;
        QVERIFY(guitest::writeFile(old, "old output"));

        auto w = m_box->window();
        auto *cmdNext = guitest::child<QPushButton>(*w, "cmdNext");
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        Prompts::queueAnswer(QStringList(runSamples).replaceInStrings(QRegularExpression(u"^"_s), folder + u'/'));
        QTest::mouseClick(guitest::child<QPushButton>(*w, "cmdInput"), Qt::LeftButton);
        QCOMPARE(w->lstFiles().ListCount(), runSamples.size());
        for (int page = 3; page <= 6; ++page) {
            QTest::mouseClick(cmdNext, Qt::LeftButton);
            QCOMPARE(w->iPage(), page);
        }
        // While ExifTool works the event loop turns (a zero-interval timer fires), under the hourglass.
        int ticksDuringJob = 0;
        bool hourglass = true;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            const QCursor *cursor = QApplication::overrideCursor();
            ticksDuringJob += w->iPage() == 7 ? 1 : 0;
            hourglass = hourglass && (w->iPage() != 7 || (cursor && cursor->shape() == Qt::WaitCursor));
        });
        ticker.start(0);
        Prompts::queueAnswer(true);
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        QVERIFY(guitest::waitForFinishedPage(*w));
        ticker.stop();
        QVERIFY(ticksDuringJob > 0 && hourglass && !QApplication::overrideCursor());
        checkCleanFinish(*w, runSamples.size());

        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Question),
            QStringList {u"One or more output file already exist! Do you want to overwrite existing file(s)?"_s});
        QVERIFY(guitest::readFile(old) != "old output");
        for (const QString &sample : runSamples) {
            const QString output
                = folder + u'/' + QFileInfo(sample).completeBaseName() + u"_cleaned."_s + QFileInfo(sample).suffix();
            const QStringList groups = testutil::metadataGroups(output);
            QVERIFY2(QFile::exists(output) && !groups.contains(u"GPS"_s) && !groups.contains(u"XMP-x"_s),
                qPrintable(output));
        }
        // Beside the images, the destination link opens their folder.
        QTest::mouseClick(guitest::child<QLabel>(*w, "lblLinkButton_5"), Qt::LeftButton);
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Open), QStringList {folder + u'/'});
    }

    void keyboardOnly()
    {
        const QString folder = m_box->imageFolder(u"keys"_s, {runSamples.at(1), runSamples.at(3)});
        auto w = m_box->window();
        auto *cmdInput = guitest::child<QPushButton>(*w, "cmdInput");
        QTest::keyClick(w.get(), Qt::Key_Return);
        // Tab leads from the three buttons into the page, to "Add Images"; Space presses it.
        QWidget *next = guitest::child<QPushButton>(*w, "cmdCancel");
        for (int steps = 0; next != cmdInput && steps < 50; ++steps)
            next = next->nextInFocusChain();
        QVERIFY(next == cmdInput && (cmdInput->focusPolicy() & Qt::TabFocus));
        Prompts::queueAnswer(QStringList {folder + u'/' + runSamples.at(1), folder + u'/' + runSamples.at(3)});
        QTest::keyClick(cmdInput, Qt::Key_Space);
        QCOMPARE(w->lstFiles().ListCount(), 2);
        for (int page : {3, 4, 5, 6, 8}) {
            QTest::keyClick(w.get(), Qt::Key_Return);
            if (page == 8)
                QVERIFY(guitest::waitForFinishedPage(*w));
            QCOMPARE(w->iPage(), page);
        }
        checkCleanFinish(*w, 2);
        // Escape on the finished page is Quit.
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void problemsReported()
    {
        const QString folder = m_box->imageFolder(
            u"problems"_s, {u"jpeg_truncated_in_app1.jpg"_s, u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s});
        const QString failed = m_box->path(u"problem files"_s);
        auto w = m_box->filesPage(folder);
        auto *lblExecuteInfo = guitest::child<QLabel>(*w, "lblExecuteInfo");
        auto *lblLinkButton_3 = guitest::child<QLabel>(*w, "lblLinkButton_3");
        auto *lblErrorInfo = guitest::child<QLabel>(*w, "lblErrorInfo");
        guitest::child<QRadioButton>(*w, "optOutputMode_0")->click(); // overwrite in place
        guitest::child<QCheckBox>(*w, "chkDeleteFileOnFail")->setChecked(true);
        guitest::child<QLineEdit>(*w, "txtProcessingFailFolder")->setText(failed);
        guitest::child<QRadioButton>(*w, "optProcessingFail_1")->setChecked(true);
        QVERIFY(guitest::runToFinishedPage(*w));

        const QRegularExpression summary(u"(?s)^1 image processed .+"_s
                                         u"\\n\\nProblems were reported. See log for details.$"_s);
        QVERIFY2(summary.match(lblExecuteInfo->text()).hasMatch(), qPrintable(lblExecuteInfo->text()));
        QCOMPARE(guitest::visibility(*w, {"lblLinkButton_3", "lblErrorInfo", "txtErrorLog"}),
            (QList<bool> {true, true, false}));
        QCOMPARE(lblLinkButton_3->text(), u"Open problem log..."_s);
        QCOMPARE(lblErrorInfo->text(), u"1 problem file was moved to %1/."_s.arg(failed));
        // The cleaned-files caption follows the last problem caption.
        QVERIFY(guitest::child<QLabel>(*w, "lblCleanedFiles")->y() > lblErrorInfo->y());
        // Every image has a row; the failed one first.
        QCOMPARE(rowTexts(guitest::child<QTreeView>(*w, "lwFilesCleaned")),
            (QStringList {u"jpeg_truncated_in_app1.jpg"_s, u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s}));
        // After problems the list stays, so the person can go back and try again.
        QCOMPARE(w->lstFiles().ListCount(), 2);
        QVERIFY(QFile::exists(failed + u"/jpeg_truncated_in_app1.jpg"_s));
        const QString log = QString::fromUtf8(guitest::readFile(m_box->tempFolder() + u"/qmk_log.txt"_s));
        QVERIFY(log.contains(u"jpeg_truncated_in_app1.jpg"_s));

        // Where no program opens the log or the folder, the window shows the log itself and
        // says where the folder is; where the desktop opens them, nothing more is shown.
        Prompts::takeRecords();
        Prompts::setOpenUrlWorks(false);
        const auto openWorksAgain = qScopeGuard([] { Prompts::setOpenUrlWorks(true); });
        w->openLink(3);
        QList<Prompts::Record> records = Prompts::takeRecords();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).kind, Prompts::Kind::Open);
        QCOMPARE(records.at(1).kind, Prompts::Kind::Modal);
        QCOMPARE(records.at(1).title, u"qmk_log.txt - Problem Log"_s);
        QCOMPARE(records.at(1).text, log);
        w->openLink(5);
        records = Prompts::takeRecords();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(1).kind, Prompts::Kind::Message);
        QVERIFY2(records.at(1).text.contains(folder), qPrintable(records.at(1).text));
        Prompts::setOpenUrlWorks(true);
        w->openLink(3);
        w->openLink(5);
        records = Prompts::takeRecords();
        QCOMPARE(records.size(), 2);
        QVERIFY(records.at(0).kind == Prompts::Kind::Open && records.at(1).kind == Prompts::Kind::Open);
    }

    void runCannotStart()
    {
        const QString folder = m_box->imageFolder(u"noexif"_s, {runSamples.at(1)});
        CleanWizardSetup s = m_box->setup();
        s.exiftool = m_box->path(u"no such tool/exiftool"_s);
        CleanWizard w(s);
        w.show();
        w.goNext();
        w.addFolder(folder);
        w.updateControls();
        QVERIFY(guitest::runToFinishedPage(w));
        QCOMPARE(guitest::child<QLabel>(w, "lblExecuteInfo")->text(), u"Internal program error!"_s);
        // The person learns why.
        const auto *details = guitest::child<QPlainTextEdit>(w, "txtErrorLog");
        QVERIFY2(
            details->isVisible() && details->toPlainText().contains(u"ExifTool"_s), qPrintable(details->toPlainText()));
        QCOMPARE(w.lstFiles().ListCount(), 1);
    }

    void viewer()
    {
        const QString folder = m_box->imageFolder(u"viewer"_s, {runSamples.at(0), runSamples.at(1)});
        auto w = m_box->filesPage(folder);
        auto *lwFiles = guitest::child<QTreeView>(*w, "lwFiles");
        auto *lwFilesCleaned = guitest::child<QTreeView>(*w, "lwFilesCleaned");
        const QString fileName = u"FileName                        : "_s;

        // Before cleaning, the second row shows entry 1 of the list, without ExifTool's first line.
        const Prompts::Record before = doubleClickRow(lwFiles, 1);
        QCOMPARE(before.kind, Prompts::Kind::Modal);
        QCOMPARE(before.title, rowTexts(lwFiles).at(1) + u" - Metadata Viewer"_s);
        QVERIFY(before.text.startsWith(u'\n') && !before.text.contains(u"ExifToolVersion"_s));
        QVERIFY(before.text.contains(u"[GPS]"_s) && before.text.contains(fileName + rowTexts(lwFiles).at(1)));

        QVERIFY(guitest::runToFinishedPage(*w));
        QCOMPARE(lwFilesCleaned->model()->rowCount(), 2);
        // A cleaned file is shown against its original: every GPS tag struck out, none left.
        const Prompts::Record after = doubleClickRow(lwFilesCleaned, 1);
        QCOMPARE(after.title, rowTexts(lwFilesCleaned).at(1) + u" - compared with the original - Metadata Viewer"_s);
        QVERIFY(QRegularExpression(u"(?m)^removed +\\[GPS\\]"_s).match(after.text).hasMatch());
        QVERIFY(!QRegularExpression(u"(?m)^!?(KEPT|CHANGED|ADDED) +\\[GPS\\]"_s).match(after.text).hasMatch());

        // A listed file that has gone: the message, and no viewer.
        QVERIFY(QFile::remove(folder + u'/' + rowTexts(lwFilesCleaned).at(0)));
        const Prompts::Record gone = doubleClickRow(lwFilesCleaned, 0);
        QCOMPARE(gone.kind, Prompts::Kind::Message);
        QCOMPARE(gone.title + u": "_s + gone.text, u"Quillmark: There was an error reading the file..."_s);

        // The viewer's window shows the text in a fixed-pitch font.
        const MetadataViewer report(before.text);
        const QFontMetrics metrics(report.txtReport->font());
        QCOMPARE(metrics.horizontalAdvance(u"iiiiii"_s), metrics.horizontalAdvance(u"WWWWWW"_s));
    }

    // An unattended run is stopped by closing the window, without a question.
    void automaticRunStoppedByClosing()
    {
        constexpr int count = 150;
        const QString folder = m_box->manyCopies(u"auto-stop"_s, count);
        QVERIFY(!folder.isEmpty());
        const auto outputs = [&] { return QDir(folder).entryList({u"*_cleaned.jpg"_s}, QDir::Files).size(); };
        guitest::recordedTexts(Prompts::Kind::Question);
        m_box->ended = -1000;
        std::unique_ptr<CleanWizard> w;
        bool closed = false;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!closed && w && w->iPage() == 7 && outputs() + testutil::stagedOutputs(folder) >= 10) {
                closed = true;
                w->close();
            }
        });
        watch.start();
        w = m_box->window({u"-auto"_s, folder});
        QTRY_VERIFY_WITH_TIMEOUT(m_box->ended != -1000, 60000);
        watch.stop();
        QVERIFY(closed);
        QVERIFY(guitest::recordedTexts(Prompts::Kind::Question).isEmpty());
        QVERIFY(outputs() < count);
        QCOMPARE(m_box->ended, 1);
    }

    // On the cleaning page the third button reads "Stop"; it, the close button and Escape
    // ask once whether to stop. Yes stops after what ExifTool is writing and shows what was
    // done (closing the window when the question came from closing it); No goes on.
    void stopFromTheWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Stop button") << u"button"_s << true;
        QTest::newRow("Escape") << u"escape"_s << true;
        QTest::newRow("close the window") << u"close"_s << true;
        QTest::newRow("No goes on") << u"button"_s << false;
    }
    void stopFromTheWindow()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        constexpr int count = 150;
        const QString folder = m_box->manyCopies(u"stop-"_s + how + (yes ? u"-yes"_s : u"-no"_s), count);
        QVERIFY(!folder.isEmpty());
        const auto outputs = [&] { return QDir(folder).entryList({u"*_cleaned.jpg"_s}, QDir::Files).size(); };
        auto w = m_box->filesPage(folder);
        while (w->iPage() < 6)
            w->goNext();
        guitest::recordedTexts(Prompts::Kind::Question); // forget earlier prompts

        bool asked = false;
        QString stopCaption;
        bool stopEnabled = false;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (asked || w->iPage() != 7 || outputs() + testutil::stagedOutputs(folder) < 10)
                return;
            asked = true;
            stopCaption = guitest::caption(guitest::child<QPushButton>(*w, "cmdCancel"));
            stopEnabled = guitest::child<QPushButton>(*w, "cmdCancel")->isEnabled();
            Prompts::queueAnswer(yes);
            if (how == u"button")
                QTest::mouseClick(guitest::child<QPushButton>(*w, "cmdCancel"), Qt::LeftButton);
            else if (how == u"escape")
                QTest::keyClick(w.get(), Qt::Key_Escape);
            else
                w->close();
            // Asked once: a second close while stopping changes nothing.
            if (yes)
                w->close();
        });
        watch.start();
        w->goNext();
        QVERIFY(guitest::waitForFinishedPage(*w));
        watch.stop();
        QVERIFY(asked);
        QCOMPARE(stopCaption, u"Stop"_s);
        QVERIFY(stopEnabled);
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Question),
            QStringList {u"Stop cleaning? The images cleaned so far are kept."_s});
        QCOMPARE(w->iPage(), 8);
        const QString summary = guitest::child<QLabel>(*w, "lblExecuteInfo")->text();
        QCOMPARE(summary.contains(u"The run was stopped"_s), yes);
        QVERIFY2(summary.startsWith(u"%1 image"_s.arg(outputs())), qPrintable(summary));
        QCOMPARE(rowTexts(guitest::child<QTreeView>(*w, "lwFilesCleaned")).size(), outputs());
        QCOMPARE(outputs() < count, yes);
        QVERIFY(!guitest::child<QLabel>(*w, "lblLinkButton_3")->isVisible()); // a stop is no problem
        // Closing from the question's Yes path closes the window once the run has ended.
        if (how == u"close")
            QTRY_VERIFY(!w->isVisible());
        else if (yes)
            QVERIFY(w->isVisible());
    }

    // The real program, unattended: an existing output replaced without a question, the
    // stored options used and the settings left as they were.
    void automaticRunOfTheProgram()
    {
        const QString binary = QString::fromUtf8(QUILLMARK_GUI);
        QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary + u" is not built"_s));
        const QDir dir(m_box->path(u"auto"_s));
        const QString program = dir.filePath(u"program"_s);
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(dir.filePath(u"images/sub"_s))
            && QDir().mkpath(dir.filePath(u"out"_s)));
        QVERIFY(QFile::copy(binary, program + u"/quillmark"_s));
        QVERIFY(QFile::link(testutil::exiftool(), program + u"/exiftool"_s));
        QVERIFY(guitest::writeFile(program + u"/PORTABLE"_s, {}));
        const QByteArray settings = "[Quillmark]\r\nSetDate_Mode=0\r\nchkResetFileDates=1\r\ntxtOutput="
            + QFile::encodeName(dir.filePath(u"out"_s)) + "\r\noptOutputMode=1\r\n";
        QVERIFY(guitest::writeFile(program + u"/settings.ini"_s, settings));
        QVERIFY(testutil::copySample(runSamples.at(0), dir.filePath(u"images/"_s + runSamples.at(0))));
        QVERIFY(testutil::copySample(runSamples.at(2), dir.filePath(u"images/sub/"_s + runSamples.at(2))));
        QVERIFY(guitest::writeFile(dir.filePath(u"out/"_s + runSamples.at(0)), "x"));

        // The run's exit code; -1 when it crashed or did not end (a question would wait for ever).
        const auto run = [&program](const QString &folder) {
            QProcess process; // in the test's environment: offscreen, the sandbox's TEMP, no waiting at the end
            process.start(program + u"/quillmark"_s, {u"-auto"_s, folder});
            const bool ended = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
            return ended ? process.exitCode() : -1;
        };
        QCOMPARE(run(dir.filePath(u"images"_s)), 0);
        for (const QString &sample : {runSamples.at(0), runSamples.at(2)}) {
            const QString out = dir.filePath(u"out/"_s + sample);
            QVERIFY2(guitest::readFile(out).size() > 1, qPrintable(out));
            QVERIFY(!testutil::metadataGroups(out).contains(u"GPS"_s));
            // The stored fixed date (1980-01-01 00:00:00 local time) was given to the outputs.
            QCOMPARE(QFileInfo(out).lastModified(), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
        }
        QCOMPARE(guitest::readFile(program + u"/settings.ini"_s), settings);
        QVERIFY(!QFile::exists(m_box->tempFolder() + u"/qmk_args.txt"_s));

        // A problem (an image ExifTool refuses) makes the unattended run end with status 1.
        QVERIFY(QDir().mkpath(dir.filePath(u"broken"_s)));
        QVERIFY(testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, dir.filePath(u"broken/b.jpg"_s)));
        QCOMPARE(run(dir.filePath(u"broken"_s)), 1);

        // Nothing to clean: the program says so and ends, the settings still untouched.
        QVERIFY(QDir().mkpath(dir.filePath(u"nothing"_s)));
        QCOMPARE(run(dir.filePath(u"nothing"_s)), 1);
        QCOMPARE(guitest::readFile(program + u"/settings.ini"_s), settings);
    }
};

QTEST_MAIN(TestGuiRun)
#include "tst_gui_run.moc"
