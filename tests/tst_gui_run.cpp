// Whole runs of the real window with the real ExifTool on copies of the sample images:
// through every page with the mouse and with the keyboard, the overwrite question, the
// finished page after clean runs, runs with problems and a run that cannot start, the
// metadata viewer on both lists, the command line, and the unattended "-auto" run of
// the real program.

#include "guitestutil.h"
#include "runner/frmReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QStringList runSamples = {
    u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s,
    u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s,
    u"png_exif_gps_xmp.png"_s,
    u"tiff_iptc_icc_xmp_photoshop.tif"_s,
};

QStringList rowTexts(const QTreeView *view)
{
    QStringList texts;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        texts << view->model()->index(r, 0).data().toString();
    return texts;
}

// A click, then the double-click event as the window system delivers it.
void doubleClickRow(QTreeView *view, int row)
{
    const QPoint where = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QMouseEvent press(QEvent::MouseButtonPress, where, view->viewport()->mapToGlobal(where), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &press);
    QMouseEvent twice(QEvent::MouseButtonDblClick, where, view->viewport()->mapToGlobal(where), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &twice);
    QMouseEvent release(QEvent::MouseButtonRelease, where, view->viewport()->mapToGlobal(where), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &release);
}

QString quillmarkBinary()
{
    return QFileInfo(QString::fromUtf8(QUILLMARK_CLI)).absolutePath() + u"/quillmark"_s;
}

} // namespace

class TestGuiRun final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // Page 8 after the last press, checked the way a person reads it.
    static void checkCleanFinish(frmMain &w, int images)
    {
        QCOMPARE(w.iPage(), 8);
        QVERIFY(w.picFrameFinished->isVisible());
        QCOMPARE(w.lblProcessing->text(), u"Finished!"_s);
        QCOMPARE(w.ProgressBar->value(), 100);
        const QStringList lines = w.lblExecuteInfo->text().split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).startsWith(QString::number(images) + u" images processed ("_s),
                 qPrintable(lines.at(0)));
        QVERIFY(lines.at(0).endsWith(u" KB saved)"_s));
        QVERIFY(lines.at(1).startsWith(u"in "_s));
        QVERIFY(lines.at(1).endsWith(u" sec avg)"_s));
        QVERIFY(!w.lblLinkButton[3]->isVisible());
        QVERIFY(!w.lblErrorInfo->isVisible());
        QVERIFY(!w.txtErrorLog->isVisible());
        QCOMPARE(w.lwFilesCleaned->model()->rowCount(), images);
        // A problem-free run empties the image list.
        QCOMPARE(w.lstFiles().ListCount(), 0);
        QCOMPARE(w.lwFiles->model()->rowCount(), 0);
        QCOMPARE(w.cmdCancel->text(), u"Quit"_s);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
    }

    void init()
    {
        Prompts::clearAnswers();
        Prompts::takeRecords();
    }

    void mouseOnly()
    {
        const QString folder = m_box->imageFolder(u"mouse"_s, runSamples);
        // An output that is there already: the question comes once, and Yes replaces it.
        const QString old = folder + u"/png_exif_gps_xmp_cleaned.png"_s;
        QVERIFY(guitest::writeFile(old, "old output"));

        auto w = m_box->window();
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        QCOMPARE(w->iPage(), 2);
        Prompts::queueAnswer(folder);
        QTest::mouseClick(w->cmdAddFolder, Qt::LeftButton);
        QCOMPARE(w->lstFiles().ListCount(), runSamples.size() + 1); // the old output is an image too
        // The old output is not to be cleaned: select it and remove it.
        const int oldRow = static_cast<int>(rowTexts(w->lwFiles).indexOf(u"png_exif_gps_xmp_cleaned.png"_s));
        QVERIFY(oldRow >= 0);
        QTest::mouseClick(w->lwFiles->viewport(), Qt::LeftButton, Qt::NoModifier,
                          w->lwFiles->visualRect(w->lwFiles->model()->index(oldRow, 0)).center());
        QTest::mouseClick(w->cmdRemoveSelected, Qt::LeftButton);
        QCOMPARE(w->lstFiles().ListCount(), runSamples.size());

        for (int page = 3; page <= 6; ++page) {
            QTest::mouseClick(w->cmdNext, Qt::LeftButton);
            QCOMPARE(w->iPage(), page);
        }
        // While ExifTool works the event loop keeps running (a zero-interval timer fires
        // on every turn of it), under the hourglass.
        int ticksDuringJob = 0;
        bool hourglass = true;
        QTimer ticker;
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (w->iPage() != 7)
                return;
            ++ticksDuringJob;
            const QCursor *cursor = QApplication::overrideCursor();
            hourglass = hourglass && cursor && cursor->shape() == Qt::WaitCursor;
        });
        ticker.start();
        Prompts::queueAnswer(true);
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        ticker.stop();
        QVERIFY(ticksDuringJob > 0);
        QVERIFY(hourglass);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        checkCleanFinish(*w, runSamples.size());

        const QStringList questions = guitest::recordedTexts(Prompts::Kind::Question);
        QCOMPARE(questions,
                 QStringList{u"One or more output file already exist! Do you want to overwrite existing file(s)?"_s});
        QVERIFY(guitest::readFile(old) != "old output");
        for (const QString &sample : runSamples) {
            const QString output = folder + u'/' + QFileInfo(sample).completeBaseName() + u"_cleaned."_s
                + QFileInfo(sample).suffix();
            QVERIFY2(QFile::exists(output), qPrintable(output));
            QVERIFY2(!testutil::metadataGroups(output).contains(u"GPS"_s), qPrintable(output));
            QVERIFY2(!testutil::metadataGroups(output).contains(u"XMP-x"_s), qPrintable(output));
        }
        QCOMPARE(w->sFirstImageFolder(), folder + u'/');

        // Back leads to the now empty file list; files dropped there are listed again.
        QTest::mouseClick(w->cmdBack, Qt::LeftButton);
        QCOMPARE(w->iPage(), 2);
        QVERIFY(!w->cmdNext->isEnabled());
    }

    void keyboardOnly()
    {
        const QString folder = m_box->imageFolder(u"keys"_s, {runSamples.at(1), runSamples.at(3)});
        auto w = m_box->window();
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->iPage(), 2);

        // Tab leads from the three buttons into the page, to "Add Images"; Space presses it.
        QWidget *next = w->cmdCancel;
        int steps = 0;
        while (next != w->cmdInput && steps++ < 50)
            next = next->nextInFocusChain();
        QCOMPARE(next, static_cast<QWidget *>(w->cmdInput));
        QVERIFY(w->cmdInput->focusPolicy() & Qt::TabFocus);
        Prompts::queueAnswer(QStringList{folder + u'/' + runSamples.at(1), folder + u'/' + runSamples.at(3)});
        QTest::keyClick(w->cmdInput, Qt::Key_Space);
        QCOMPARE(w->lstFiles().ListCount(), 2);

        for (int page = 3; page <= 8; ++page) {
            QTest::keyClick(w.get(), Qt::Key_Return);
            QCOMPARE(w->iPage(), page == 7 ? 8 : page);
            if (page == 7)
                break;
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
        auto w = m_box->window();
        w->cmdNext_Click();
        w->AddFolder(folder);
        w->UpdateControls();
        w->optOutputMode[0]->click(); // overwrite in place
        w->chkDeleteFileOnFail->setChecked(true);
        w->txtProcessingFailFolder->setText(failed);
        w->optProcessingFail[1]->setChecked(true);
        while (w->iPage() < 8)
            w->cmdNext_Click();

        const QString info = w->lblExecuteInfo->text();
        QVERIFY2(info.startsWith(u"1 image processed"_s), qPrintable(info));
        QVERIFY(info.endsWith(u"\n\nProblems were reported. See log for details."_s));
        QVERIFY(w->lblLinkButton[3]->isVisible());
        QCOMPARE(w->lblLinkButton[3]->text(), u"Open problem log..."_s);
        QVERIFY(w->lblErrorInfo->isVisible());
        QCOMPARE(w->lblErrorInfo->text(), u"Problem files were moved to specified folder."_s);
        QVERIFY(!w->txtErrorLog->isVisible());
        // The cleaned-files caption follows the last problem caption.
        QVERIFY(w->lblCleanedFiles->y() > w->lblErrorInfo->y());
        QCOMPARE(rowTexts(w->lwFilesCleaned), QStringList{u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s});
        // After problems the list stays, so the person can go back and try again.
        QCOMPARE(w->lstFiles().ListCount(), 2);
        QVERIFY(QFile::exists(failed + u"/jpeg_truncated_in_app1.jpg"_s));
        QVERIFY(QFile::exists(m_box->tempFolder() + u"/qmk_log.txt"_s));

        w->cmdBack_Click();
        QCOMPARE(w->iPage(), 2);
        QVERIFY(w->cmdNext->isEnabled());
    }

    void runCannotStart()
    {
        const QString folder = m_box->imageFolder(u"noexif"_s, {runSamples.at(1)});
        frmMainSetup s = m_box->setup();
        s.exiftool = m_box->path(u"no such tool/exiftool"_s);
        frmMain w(s);
        w.show();
        w.cmdNext_Click();
        w.AddFolder(folder);
        w.UpdateControls();
        while (w.iPage() < 8)
            w.cmdNext_Click();
        QCOMPARE(w.lblExecuteInfo->text(), u"Internal program error!"_s);
        // The person learns why.
        QVERIFY(w.txtErrorLog->isVisible());
        QVERIFY2(w.txtErrorLog->toPlainText().contains(u"ExifTool"_s), qPrintable(w.txtErrorLog->toPlainText()));
        QCOMPARE(w.lstFiles().ListCount(), 1);
    }

    void viewer()
    {
        const QString folder = m_box->imageFolder(u"viewer"_s, {runSamples.at(0), runSamples.at(1)});
        auto w = m_box->window();
        w->cmdNext_Click();
        w->AddFolder(folder);
        w->UpdateControls();
        const QStringList names = rowTexts(w->lwFiles);

        // Before cleaning: the second row shows entry 1 of the list.
        doubleClickRow(w->lwFiles, 1);
        QList<Prompts::Record> records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().kind, Prompts::Kind::Modal);
        QCOMPARE(records.first().title, u"Metadata Viewer"_s);
        const QString before = records.first().text;
        QVERIFY(before.startsWith(u'\n'));
        QVERIFY(!before.contains(u"ExifToolVersion"_s)); // the first line is left out
        QVERIFY(before.contains(u"[GPS]"_s));
        QVERIFY(before.contains(u"FileName                        : "_s + names.at(1)));

        while (w->iPage() < 8)
            w->cmdNext_Click();
        QCOMPARE(w->lwFilesCleaned->model()->rowCount(), 2);
        doubleClickRow(w->lwFilesCleaned, 1);
        records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        const QString after = records.first().text;
        QVERIFY(after.contains(u"FileName                        : "_s + rowTexts(w->lwFilesCleaned).at(1)));
        QVERIFY(!after.contains(u"[GPS]"_s));

        // A listed file that has gone: the message, and no viewer.
        QVERIFY(QFile::remove(folder + u'/' + QFileInfo(rowTexts(w->lwFilesCleaned).at(0)).fileName()));
        doubleClickRow(w->lwFilesCleaned, 0);
        records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().kind, Prompts::Kind::Message);
        QCOMPARE(records.first().title, u"Quillmark"_s);
        QCOMPARE(records.first().text, u"There was an error reading the file..."_s);

        // Files dropped on the side picture of the finished page are listed for the next run.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(folder + u'/' + runSamples.at(1))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w->picSplash, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w->picSplash, &drop);
        QTRY_COMPARE(w->iPage(), 2);
        QCOMPARE(w->lstFiles().ListCount(), 1);
        QVERIFY(w->cmdNext->isEnabled());
    }

    void viewerWindow_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("shown");
        QTest::newRow("LF lines") << u"[ExifTool] Version : 12.57\n[File] Name : a.jpg\n"_s
                                  << u"\n[File] Name : a.jpg\n"_s;
        QTest::newRow("CR LF lines") << u"first\r\nsecond\r\n"_s << u"\nsecond\r\n"_s;
        QTest::newRow("no line break") << u"only one line"_s << u"only one line"_s;
    }

    void viewerWindow()
    {
        QFETCH(QString, output);
        QFETCH(QString, shown);
        QCOMPARE(frmReport::textToShow(output), shown);
        frmReport report(output);
        QCOMPARE(report.windowTitle(), u"Metadata Viewer"_s);
        QVERIFY(report.txtReport->isReadOnly());
        QCOMPARE(report.txtReport->lineWrapMode(), QPlainTextEdit::NoWrap);
        // Fixed pitch: narrow and wide letters take the same room.
        const QFontMetrics metrics(report.txtReport->font());
        QCOMPARE(metrics.horizontalAdvance(u"iiiiii"_s), metrics.horizontalAdvance(u"WWWWWW"_s));
        QCOMPARE(report.size(), QSize(745, 593));
    }

    void commandLineFolder()
    {
        const QString folder = m_box->imageFolder(u"cmdline"_s, {runSamples.at(1), runSamples.at(2)});
        auto w = m_box->window({u"\""_s + folder + u"\""_s});
        QTRY_COMPARE(w->iPage(), 2);
        QTRY_COMPARE(w->lstFiles().ListCount(), 2);
        QCOMPARE(w->lblNumFileAdded->text(), u"2 images"_s);
        // A later activation (the viewer closing) does not act on it again.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(w.get(), &activate);
        QTest::qWait(10);
        QCOMPARE(w->lstFiles().ListCount(), 2);

        // "-AUTO" is not the option: the whole text is one folder name, which does not exist.
        auto w2 = m_box->window({u"-AUTO"_s, folder});
        QTest::qWait(50);
        QCOMPARE(w2->iPage(), 1);
        QCOMPARE(m_box->ended, -1000);
    }

    void automaticRunInProcess()
    {
        const QString folder = m_box->imageFolder(u"auto1"_s, {runSamples.at(0), runSamples.at(1)});
        // An existing output is replaced without a question.
        const QString out = m_box->path(u"auto1-out"_s);
        QVERIFY(QDir().mkpath(out));
        QVERIFY(guitest::writeFile(out + u'/' + runSamples.at(0), "x"));
        QVERIFY(guitest::writeFile(m_box->iniPath(), "[Quillmark]\r\nchkSkipReadyPage=1\r\ntxtOutput="
                                                         + out.toUtf8() + "\r\noptOutputMode=1\r\n"));
        const QByteArray settings = guitest::readFile(m_box->iniPath());
        auto w = m_box->window({u"-auto"_s, folder});
        QTRY_COMPARE_WITH_TIMEOUT(m_box->ended, 0, 30000);
        QCOMPARE(w->iPage(), 8);
        QVERIFY(guitest::recordedTexts(Prompts::Kind::Question).isEmpty());
        QVERIFY(guitest::readFile(out + u'/' + runSamples.at(0)) != "x");
        QVERIFY(QFile::exists(out + u'/' + runSamples.at(1)));
        // Ending does not run the shutdown, even when the window is closed afterwards.
        w->close();
        QCOMPARE(guitest::readFile(m_box->iniPath()), settings);

        const QString empty = m_box->path(u"auto-empty"_s);
        QVERIFY(QDir().mkpath(empty));
        QVERIFY(guitest::writeFile(empty + u"/notes.txt"_s, "no image"));
        auto w2 = m_box->window({u"-auto"_s, empty});
        QTRY_COMPARE(m_box->ended, 1);
        QCOMPARE(w2->lblNumFileAdded->text(), u"No files to process..."_s);
        QCOMPARE(w2->iPage(), 2);
    }

    void automaticRunOfTheProgram()
    {
        const QString binary = quillmarkBinary();
        QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary + u" is not built"_s));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(u"program"_s);
        QVERIFY(QDir().mkpath(program));
        QVERIFY(QFile::copy(binary, program + u"/quillmark"_s));
        QVERIFY(QFile::link(testutil::exiftool(), program + u"/exiftool"_s));
        QVERIFY(guitest::writeFile(program + u"/PORTABLE"_s, {}));
        const QByteArray settings = "[Quillmark]\r\nSetDate_Mode=0\r\nchkResetFileDates=1\r\ntxtSuffix=_auto\r\n"
                                    "optOutputMode=3\r\n";
        QVERIFY(guitest::writeFile(program + u"/settings.ini"_s, settings));
        QVERIFY(QDir().mkpath(dir.filePath(u"images/sub"_s)));
        QVERIFY(testutil::copySample(runSamples.at(0), dir.filePath(u"images/"_s + runSamples.at(0))));
        QVERIFY(testutil::copySample(runSamples.at(2), dir.filePath(u"images/sub/"_s + runSamples.at(2))));
        QVERIFY(QDir().mkpath(dir.filePath(u"temp"_s)));

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"QUILLMARK_AUTO_WAIT_MS"_s, u"0"_s);
        env.insert(u"TEMP"_s, dir.filePath(u"temp"_s));
        process.setProcessEnvironment(env);
        process.start(program + u"/quillmark"_s, {u"-auto"_s, dir.filePath(u"images"_s)});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        const QString outA = dir.filePath(u"images/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe_auto.jpg"_s);
        const QString outB = dir.filePath(u"images/sub/png_exif_gps_xmp_auto.png"_s);
        for (const QString &out : {outA, outB}) {
            QVERIFY2(QFile::exists(out), qPrintable(out));
            QVERIFY(!testutil::metadataGroups(out).contains(u"GPS"_s));
            // The stored fixed date (1980-01-01 00:00:00 local time) was given to the outputs.
            QCOMPARE(QFileInfo(out).lastModified(), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
        }
        QCOMPARE(guitest::readFile(program + u"/settings.ini"_s), settings);
        QVERIFY(!QFile::exists(dir.filePath(u"temp/qmk_args.txt"_s)));

        // Nothing to clean: the program says so and ends, the settings still untouched.
        QVERIFY(QDir().mkpath(dir.filePath(u"nothing"_s)));
        process.start(program + u"/quillmark"_s, {u"-auto"_s, dir.filePath(u"nothing"_s)});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(guitest::readFile(program + u"/settings.ini"_s), settings);
    }
};

QTEST_MAIN(TestGuiRun)
#include "tst_gui_run.moc"
