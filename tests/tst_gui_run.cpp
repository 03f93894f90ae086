// Whole runs of the real window with the real ExifTool, driven by mouse and keyboard,
// stopped or unattended. (A run with problems, residue and files left out: tst_gui_layout.)

#include "guitestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace Qt::StringLiterals;
using guitest::child;
using guitest::rowTexts;

namespace {

const QStringList runSamples = {
    u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s,
    u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s,
    u"png_exif_gps_xmp.png"_s,
    u"tiff_iptc_icc_xmp_photoshop.tif"_s,
};

QString outputOf(const QString &folder, const QString &sample)
{
    return folder + u'/' + QFileInfo(sample).completeBaseName() + u"_cleaned."_s + QFileInfo(sample).suffix();
}

// What ExifTool reads in a file: one tag's number, or empty.
QString tagOf(const QString &file, const QString &tag)
{
    return testutil::runExifTool({u"-s3"_s, u"-n"_s, u'-' + tag, file}).trimmed();
}

} // namespace

class TestGuiRun final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // Page 8 after a clean run, checked the way a person reads it.
    static void checkCleanFinish(CleanWizard &w, int images)
    {
        QVERIFY(w.iPage() == 8 && child<QWidget>(w, "picFrameFinished")->isVisible());
        QCOMPARE(child<QLabel>(w, "lblProcessing")->text(), u"Finished!"_s);
        QCOMPARE(child<QProgressBar>(w, "ProgressBar")->value(), 100);
        const QRegularExpression summary(
            u"^%1 images processed \\(-?\\d+ KB saved\\)\\nin .+ \\(.+ sec avg\\)$"_s.arg(images));
        const QString info = child<QLabel>(w, "lblExecuteInfo")->text();
        QVERIFY2(summary.match(info).hasMatch(), qPrintable(info));
        QCOMPARE(guitest::visibility(w, {"lblLinkButton_3", "lblErrorInfo", "txtErrorLog"}), QList<bool>(3, false));
        QCOMPARE(child<QTreeView>(w, "lwFilesCleaned")->model()->rowCount(), images);
        // A problem-free run empties the image list.
        QVERIFY(w.lstFiles().ListCount() == 0 && child<QTreeView>(w, "lwFiles")->model()->rowCount() == 0);
        // The side picture instead of the header, Quit, and no Next.
        QCOMPARE(guitest::visibility(w, {"picSplash", "picFrameTop", "Line1"}), (QList<bool> {true, false, false}));
        QCOMPARE(guitest::caption(child<QPushButton>(w, "cmdCancel")), u"Quit"_s);
        QVERIFY(!child<QPushButton>(w, "cmdNext")->isEnabled() && child<QPushButton>(w, "cmdBack")->isEnabled());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
    }

    void init() { guitest::forgetPrompts(); }

    // With the keep-look option as it starts (ticked): orientation and colour profile stay.
    void mouseOnly()
    {
        const QString folder = m_box->imageFolder(u"mouse"_s, runSamples);
        // An output that is there already: the question comes once, and Yes replaces it.
        const QString old = folder + u"/png_exif_gps_xmp_cleaned.png"_s;
        QVERIFY(guitest::writeFile(old, "old output"));

        auto w = m_box->window();
        auto *cmdNext = child<QPushButton>(*w, "cmdNext");
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        Prompts::queueAnswer(QStringList(runSamples).replaceInStrings(QRegularExpression(u"^"_s), folder + u'/'));
        QTest::mouseClick(child<QPushButton>(*w, "cmdInput"), Qt::LeftButton);
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
            const QStringList groups = testutil::metadataGroups(outputOf(folder, sample));
            QVERIFY2(
                QFile::exists(outputOf(folder, sample)) && !groups.contains(u"GPS"_s) && !groups.contains(u"XMP-x"_s),
                qPrintable(sample));
        }
        QCOMPARE(tagOf(outputOf(folder, runSamples.at(1)), u"Orientation"_s), u"6"_s);
        QCOMPARE(tagOf(outputOf(folder, runSamples.at(0)), u"ProfileDescription"_s), u"Adobe RGB (1998)"_s);
        // Beside the images, the destination link opens their folder.
        QTest::mouseClick(child<QLabel>(*w, "lblLinkButton_5"), Qt::LeftButton);
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Open), QStringList {folder + u'/'});
        // Next changes nothing; Back leads to the file list, with the header back.
        w->goNext();
        QCOMPARE(w->iPage(), 8);
        QTest::mouseClick(child<QPushButton>(*w, "cmdBack"), Qt::LeftButton);
        QCOMPARE(w->iPage(), 2);
        QCOMPARE(guitest::visibility(*w, {"picFrameTop", "Line1", "Line2"}), (QList<bool> {true, true, true}));
        QCOMPARE(guitest::caption(child<QPushButton>(*w, "cmdCancel")), u"Close"_s);
    }

    // With the ready page skipped and the keep-look option unticked: orientation and colour
    // profile go. While the job runs only "Stop" is enabled: Enter does nothing, and Escape
    // asks whether to stop (unattended, the answer is No, so the run goes on).
    void keyboardOnly()
    {
        const QString folder = m_box->imageFolder(u"keys"_s, {runSamples.at(1), runSamples.at(3)});
        auto w = m_box->window();
        auto *cmdInput = child<QPushButton>(*w, "cmdInput");
        auto *cmdCancel = child<QPushButton>(*w, "cmdCancel");
        child<QCheckBox>(*w, "chkSkipReadyPage")->setChecked(true);
        child<QCheckBox>(*w, "chkKeepLook")->setChecked(false);
        QTest::keyClick(w.get(), Qt::Key_Return);
        // Tab leads from the three buttons into the page, to "Add Images"; Space presses it.
        QWidget *next = cmdCancel;
        for (int steps = 0; next != cmdInput && steps < 50; ++steps)
            next = next->nextInFocusChain();
        QVERIFY(next == cmdInput && (cmdInput->focusPolicy() & Qt::TabFocus));
        Prompts::queueAnswer(QStringList {folder + u'/' + runSamples.at(1), folder + u'/' + runSamples.at(3)});
        QTest::keyClick(cmdInput, Qt::Key_Space);
        QCOMPARE(w->lstFiles().ListCount(), 2);
        QList<int> pagesDuringJob; // -1: a button was wrongly enabled or a key acted
        connect(child<QProgressBar>(*w, "ProgressBar"), &QProgressBar::valueChanged, w.get(), [&] {
            const bool off = !child<QPushButton>(*w, "cmdBack")->isEnabled()
                && !child<QPushButton>(*w, "cmdNext")->isEnabled() && cmdCancel->isEnabled()
                && guitest::caption(cmdCancel) == u"Stop"_s;
            QTest::keyClick(w.get(), Qt::Key_Return);
            QTest::keyClick(w.get(), Qt::Key_Escape);
            pagesDuringJob << (off && w->isVisible() ? w->iPage() : -1);
        });
        for (int page : {3, 4, 5, 7}) {
            if (page == 7)
                QCOMPARE(guitest::caption(child<QPushButton>(*w, "cmdNext")), u"Start >"_s);
            QVERIFY(pagesDuringJob.isEmpty());
            QTest::keyClick(w.get(), Qt::Key_Return);
            QCOMPARE(w->iPage(), page);
        }
        QVERIFY(guitest::waitForFinishedPage(*w));
        QCOMPARE(pagesDuringJob, QList<int>(qMax(pagesDuringJob.size(), 1), 7)); // at least one step
        const QStringList asked = guitest::recordedTexts(Prompts::Kind::Question);
        QVERIFY(!asked.isEmpty());
        QCOMPARE(asked, QStringList(asked.size(), u"Stop cleaning? The images cleaned so far are kept."_s));
        checkCleanFinish(*w, 2);
        QCOMPARE(tagOf(outputOf(folder, runSamples.at(1)), u"Orientation"_s), QString());
        QCOMPARE(tagOf(outputOf(folder, runSamples.at(3)), u"ProfileDescription"_s), QString());
        // Escape on the finished page is Quit, which saves the settings.
        QFile::remove(m_box->iniPath());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(guitest::readFile(m_box->iniPath()).contains("\r\nchkSkipReadyPage=1\r\n"));
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
        QCOMPARE(child<QLabel>(w, "lblExecuteInfo")->text(), u"Internal program error!"_s);
        const auto *details = child<QPlainTextEdit>(w, "txtErrorLog");
        QVERIFY2(
            details->isVisible() && details->toPlainText().contains(u"ExifTool"_s), qPrintable(details->toPlainText()));
        QCOMPARE(w.lstFiles().ListCount(), 1);
    }

    // On the cleaning page the third button reads "Stop"; it and the close button ask once
    // whether to stop (Escape asks too: keyboardOnly). Yes stops after what ExifTool is
    // writing and shows what was done (closing the window when the question came from
    // closing it); No goes on. An unattended run is stopped by closing the window, without
    // a question.
    void stopFromTheWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Stop button") << u"button"_s << true;
        QTest::newRow("close the window") << u"close"_s << true;
        QTest::newRow("No goes on") << u"button"_s << false;
        QTest::newRow("unattended, closed") << u"auto"_s << true;
    }
    void stopFromTheWindow()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        constexpr int count = 150;
        const QString folder = testutil::folderOfCopies(
            m_box->path(QString::fromLatin1(QTest::currentDataTag())), u"jpeg_all_groups_multi_icc.jpg"_s, count);
        QVERIFY(!folder.isEmpty());
        const auto outputs = [&] { return QDir(folder).entryList({u"*_cleaned.jpg"_s}, QDir::Files).size(); };
        std::unique_ptr<CleanWizard> w;
        bool asked = false;
        QString stopCaption;
        bool stopEnabled = false;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (asked || !w || w->iPage() != 7 || outputs() + testutil::stagedOutputs(folder) < 10)
                return;
            asked = true;
            auto *cmdCancel = child<QPushButton>(*w, "cmdCancel");
            stopCaption = guitest::caption(cmdCancel);
            stopEnabled = cmdCancel->isEnabled();
            if (how != u"auto")
                Prompts::queueAnswer(yes);
            if (how == u"button")
                QTest::mouseClick(cmdCancel, Qt::LeftButton);
            else
                w->close();
            // Asked once: a second close while stopping changes nothing.
            if (yes && how != u"auto")
                w->close();
        });
        watch.start();
        if (how == u"auto") {
            w = m_box->window({u"-auto"_s, folder});
            QTRY_VERIFY_WITH_TIMEOUT(m_box->ended != -1000, 60000);
        } else {
            w = m_box->windowAt(2, folder);
            QVERIFY(guitest::runToFinishedPage(*w));
        }
        watch.stop();
        QVERIFY(asked && stopEnabled);
        QCOMPARE(stopCaption, u"Stop"_s);
        QCOMPARE(outputs() < count, yes);
        if (how == u"auto") {
            QVERIFY(guitest::recordedTexts(Prompts::Kind::Question).isEmpty());
            QCOMPARE(m_box->ended, 1);
            return;
        }
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Question),
            QStringList {u"Stop cleaning? The images cleaned so far are kept."_s});
        QCOMPARE(w->iPage(), 8);
        const QString summary = child<QLabel>(*w, "lblExecuteInfo")->text();
        QCOMPARE(summary.contains(u"The run was stopped"_s), yes);
        QVERIFY2(summary.startsWith(u"%1 image"_s.arg(outputs())), qPrintable(summary));
        QCOMPARE(rowTexts(child<QTreeView>(*w, "lwFilesCleaned")).size(), outputs());
        QVERIFY(!child<QLabel>(*w, "lblLinkButton_3")->isVisible()); // a stop is no problem
        // Closing from the question's Yes path closes the window once the run has ended.
        if (how == u"close")
            QTRY_VERIFY(!w->isVisible());
        else
            QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(TestGuiRun)
#include "tst_gui_run.moc"
