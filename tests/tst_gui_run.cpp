// Whole runs of the real window with the real ExifTool and what the finished page says.
// (A run with problems, residue and files left out: tst_gui_layout.)

#include "core/CleanJob.h"
#include "gui/FinishedPage.h"
#include "gui/ProblemView.h"
#include "guitestutil.h"
#include "jobtestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QThread>
#include <QToolButton>
#include <QTreeWidget>

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

using testutil::folderOf;

QString tagOf(const QString &file, const QString &tag)
{
    return testutil::runExifTool({u"-s3"_s, u"-n"_s, u'-' + tag, file}).trimmed();
}

} // namespace

class TestGuiRun final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    static void checkCleanFinish(CleanWizard &w, int images)
    {
        QVERIFY(w.iPage() == 8 && child<QWidget>(w, "picFrameFinished")->isVisible());
        QCOMPARE(child<QLabel>(w, "lblProcessing")->text(), u"Finished!"_s);
        QCOMPARE(child<QLabel>(w, "lblFinished")->text(), u"All %1 images were cleaned"_s.arg(images));
        QVERIFY(!child<QLabel>(w, "lblRunCounts")->isVisible());
        QCOMPARE(child<QProgressBar>(w, "ProgressBar")->value(), 100);
        const QRegularExpression summary(
            u"^%1 images processed \\(-?\\d+ KB saved\\)\\nin .+ \\(.+ sec avg\\)$"_s.arg(images));
        const QString info = child<QLabel>(w, "lblExecuteInfo")->text();
        QVERIFY2(summary.match(info).hasMatch(), qPrintable(info));
        QCOMPARE(guitest::visibility(w, {"lblLinkButton_3", "lblErrorInfo", "txtErrorLog"}), QList<bool>(3, false));
        QCOMPARE(child<QTreeView>(w, "lwFilesCleaned")->model()->rowCount(), images);
        QVERIFY(w.lstFiles().ListCount() == 0 && child<QTreeView>(w, "lwFiles")->model()->rowCount() == 0);
        QCOMPARE(guitest::visibility(w, {"picSplash", "picFrameTop", "Line1"}), (QList<bool> {true, false, false}));
        QCOMPARE(guitest::caption(child<QPushButton>(w, "cmdCancel")), u"Quit"_s);
        QVERIFY(!child<QPushButton>(w, "cmdNext")->isEnabled() && child<QPushButton>(w, "cmdBack")->isEnabled());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY((m_box = guitest::startSandbox())->isValid());
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
        // While ExifTool works the event loop turns, under the hourglass.
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
        QTest::mouseClick(child<QLabel>(*w, "lblLinkButton_5"), Qt::LeftButton);
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Open), QStringList {folder + u'/'});
        w->goNext(); // changes nothing
        QCOMPARE(w->iPage(), 8);
        QTest::mouseClick(child<QPushButton>(*w, "cmdBack"), Qt::LeftButton);
        QCOMPARE(w->iPage(), 2);
        QCOMPARE(guitest::visibility(*w, {"picFrameTop", "Line1", "Line2"}), (QList<bool> {true, true, true}));
        QCOMPARE(guitest::caption(child<QPushButton>(*w, "cmdCancel")), u"Close"_s);
    }

    // Ready page skipped, keep-look unticked: orientation and profile go. While the job runs
    // only "Stop" is enabled: Enter does nothing, Escape asks to stop (unattended: No).
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

    // The headline, the counts, and each row's status in words, problems first.
    void outcomes_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QStringList>("statuses");
        const QString good = runSamples.at(1);
        const QString longName = u"a long name of a summer holiday picture taken at the sea, the second of many.jpg"_s;
        QTest::newRow("all cleaned") << QStringList {longName + u"<-"_s + good, u"b.png<-"_s + runSamples.at(2)}
                                     << u"All 2 images were cleaned"_s << QStringList() << QStringList(2, u"Cleaned"_s);
        QTest::newRow("one image") << QStringList {u"a.jpg<-"_s + good} << u"The image was cleaned"_s << QStringList()
                                   << QStringList {u"Cleaned"_s};
        QTest::newRow("some failed") << QStringList {u"a.jpg<-"_s + good, u"b.png<-"_s + runSamples.at(2),
            u"c.tif<-"_s + runSamples.at(3), u"broken.jpg<-jpeg_truncated_in_app1.jpg"_s, u"words.jpg<-text"_s}
                                     << u"3 of 5 images were cleaned; 2 could not be cleaned"_s
                                     << QStringList {u"3 images were cleaned."_s, u"2 images could not be cleaned."_s}
                                     << (QStringList(2, u"Not cleaned"_s) + QStringList(3, u"Cleaned"_s));
        QTest::newRow("nothing written, one cause")
            << QStringList {u"words.jpg<-text"_s, u"more words.jpg<-text"_s}
            << u"No image was cleaned: The file is not a JPG image; it looks like a TXT file."_s
            << QStringList {u"2 images could not be cleaned."_s} << QStringList(2, u"Not cleaned"_s);
        QTest::newRow("nothing written, two causes")
            << QStringList {u"broken.jpg<-jpeg_truncated_in_app1.jpg"_s, u"words.jpg<-text"_s}
            << u"No image was cleaned; 2 could not be cleaned"_s << QStringList {u"2 images could not be cleaned."_s}
            << QStringList(2, u"Not cleaned"_s);
    }
    void outcomes()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, headline);
        QFETCH(QStringList, counts);
        QFETCH(QStringList, statuses);
        const QString folder = folderOf(m_box->path(QString::fromLatin1(QTest::currentDataTag())), files);
        QVERIFY(!folder.isEmpty());
        auto w = m_box->windowAt(2, folder);
        QVERIFY(guitest::runToFinishedPage(*w));
        QCOMPARE(child<QLabel>(*w, "lblFinished")->text(), headline);
        auto *lblRunCounts = child<QLabel>(*w, "lblRunCounts");
        QCOMPARE(lblRunCounts->isVisible() ? lblRunCounts->text() : QString(), counts.join(u' '));
        const bool failures = statuses.contains(u"Not cleaned"_s);
        QCOMPARE(child<QLabel>(*w, "lblLinkButton_3")->isVisible(), failures);
        QVERIFY(!child<QToolButton>(*w, "cmdNotReached")->isVisible());
        auto *list = child<QTreeView>(*w, "lwFilesCleaned");
        QCOMPARE(rowTexts(list, 1), statuses);
        // A long name keeps its end in its column's width; the tooltip has it whole.
        const int nameWidth = list->header()->sectionSize(0) - list->iconSize().width() - 8;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QString name = rowTexts(list).at(row);
            const QString shown = FinishedPage::shownName(name, list->fontMetrics(), nameWidth);
            QVERIFY2(shown.endsWith(name.right(12)),
                qPrintable(u"%1 in %2 of %3"_s.arg(shown).arg(nameWidth).arg(list->viewport()->width())));
            QVERIFY(list->model()->index(row, 1).data(Qt::ToolTipRole).toString().contains(name));
            if (name.size() > 60)
                QVERIFY2(shown != name, "the long name fits: the test shows nothing");
        }
    }

    // "No" to the overwrite question keeps the existing output: counted and shown as kept.
    void keptExistingOutput()
    {
        const QString folder = folderOf(m_box->path(u"kept"_s),
            {u"a.jpg<-"_s + runSamples.at(1), u"b.png<-"_s + runSamples.at(2), u"b_cleaned.png<-text"_s});
        QVERIFY(!folder.isEmpty());
        auto w = m_box->windowAt(2, folder + u"/a.jpg"_s);
        w->addFile(folder + u"/b.png"_s);
        w->updateControls();
        Prompts::queueAnswer(false);
        QVERIFY(guitest::runToFinishedPage(*w));
        QCOMPARE(child<QLabel>(*w, "lblFinished")->text(), u"1 of 2 images were cleaned; 1 existing output was kept"_s);
        QCOMPARE(child<QLabel>(*w, "lblRunCounts")->text(), u"1 image was cleaned. 1 existing output was kept."_s);
        QCOMPARE(rowTexts(child<QTreeView>(*w, "lwFilesCleaned"), 1), (QStringList {u"Output kept"_s, u"Cleaned"_s}));
        QCOMPARE(guitest::readFile(folder + u"/b_cleaned.png"_s), QByteArray("just a few words\n"));
    }

    // The problem view shows this run's problems after another run has taken the shared log.
    void problemsOfThisRun()
    {
        const QString folder
            = folderOf(m_box->path(u"mine"_s), {u"words.jpg<-text"_s, u"good.png<-"_s + runSamples.at(2)});
        QVERIFY(!folder.isEmpty());
        auto w = m_box->windowAt(2, folder);
        QVERIFY(guitest::runToFinishedPage(*w));
        // A second run, in which ExifTool also warns about a TIFF that is cleaned all the same.
        const QString tiff = u"tiff_exiftool_ifd0_iptc_icc.tif"_s;
        const QString other = folderOf(m_box->path(u"other"_s), {u"other words.jpg<-text"_s, tiff + u"<-"_s + tiff});
        CleanJob job(testutil::outputOptions(OutputMode::Suffix),
            testutil::jobEnvironment(m_box->programFolder(), m_box->tempFolder()));
        const JobResult second = testutil::runJob(job, {other + u"/other words.jpg"_s, other + u'/' + tiff});
        const QByteArray log = guitest::readFile(m_box->tempFolder() + u"/qmk_log.txt"_s);
        QVERIFY2(log.contains("other words.jpg") && !log.contains(QFile::encodeName(folder)), log.constData());

        guitest::forgetPrompts();
        QTest::mouseClick(child<QLabel>(*w, "lblLinkButton_3"), Qt::LeftButton);
        const QList<Prompts::Record> shown = Prompts::takeRecords();
        QVERIFY(shown.size() == 1 && shown.first().kind == Prompts::Kind::Modal);
        QCOMPARE(shown.first().title, u"Problems of this run"_s);
        QCOMPARE(shown.first().text,
            u"Could not be cleaned (1)\n    words.jpg: The file is not a JPG image; it looks like a TXT file."_s);

        ProblemView view(RunProblems {second.outcomes, second.problemTexts, second.errorDetail});
        view.show();
        auto *tree = child<QTreeWidget>(view, "twProblems");
        QCOMPARE(tree->topLevelItemCount(), 2);
        const QTreeWidgetItem *failed = tree->topLevelItem(0);
        QVERIFY(failed->isExpanded() && failed->childCount() == 1);
        QCOMPARE(failed->child(0)->text(0), u"other words.jpg"_s);
        QVERIFY(failed->child(0)->toolTip(0).contains(other));
        // The warning about the image that was cleaned all the same is apart, closed.
        const QTreeWidgetItem *warnings = tree->topLevelItem(1);
        QCOMPARE(warnings->text(0), u"Warnings about images that were cleaned (1)"_s);
        QVERIFY(!warnings->isExpanded() && warnings->childCount() == 1);
        QCOMPARE(warnings->child(0)->text(0), tiff);
        QCOMPARE(warnings->child(0)->text(1),
            u"ExifTool had nothing to copy back into the cleaned file (no writable tags set)."_s);
        auto *raw = child<QPlainTextEdit>(view, "txtExifToolMessages");
        QVERIFY(!raw->isVisible());
        QTest::mouseClick(child<QPushButton>(view, "cmdExifToolMessages"), Qt::LeftButton);
        QVERIFY(raw->isVisible());
        QVERIFY2(raw->toPlainText().contains(u"Error: Not a valid JPG"_s), qPrintable(raw->toPlainText()));
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
        QCOMPARE(
            child<QLabel>(w, "lblFinished")->text(), u"No image was cleaned: the run ended on an internal error"_s);
        const auto *details = child<QPlainTextEdit>(w, "txtErrorLog");
        QVERIFY2(
            details->isVisible() && details->toPlainText().contains(u"ExifTool"_s), qPrintable(details->toPlainText()));
        QCOMPARE(w.lstFiles().ListCount(), 1);
    }

    // "Stop" and the close button ask once (Escape: keyboardOnly); Yes stops and shows what
    // was done, No goes on. An unattended run is stopped by closing it, without a question.
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
        const int count = CleanJob::BatchSize * (2 * QThread::idealThreadCount() + 2);
        const QString folder = testutil::folderOfCopies(
            m_box->path(QString::fromLatin1(QTest::currentDataTag())), u"jpeg_all_groups_multi_icc.jpg"_s, count);
        // More batches than the ExifTool processes take at once, so a stop leaves some.
        QVERIFY(guitest::writeFile(m_box->iniPath(), "[Quillmark]\r\nEngine=exiftool\r\n"));
        const auto forget = qScopeGuard([this] { QFile::remove(m_box->iniPath()); });
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
        const int done = int(outputs());
        const QString summary = child<QLabel>(*w, "lblExecuteInfo")->text();
        QVERIFY2(summary.startsWith(u"%1 image"_s.arg(done)), qPrintable(summary));
        QCOMPARE(child<QLabel>(*w, "lblFinished")->text(),
            !yes           ? u"All %1 images were cleaned"_s.arg(count)
                : done > 0 ? u"%1 of %2 images were cleaned; the run was stopped"_s.arg(done).arg(count)
                           : u"No image was cleaned; the run was stopped"_s);
        QVERIFY(!child<QLabel>(*w, "lblLinkButton_3")->isVisible()); // a stop is no problem
        // The images the stop left are counted and listed, closed until asked for.
        auto *list = child<QTreeView>(*w, "lwFilesCleaned");
        auto *more = child<QToolButton>(*w, "cmdNotReached");
        QCOMPARE(rowTexts(list).size(), done);
        QCOMPARE(more->isVisible(), yes);
        if (yes) {
            const QString counts = u' ' + child<QLabel>(*w, "lblRunCounts")->text();
            QVERIFY2(counts.endsWith(u" %1 images were not reached before the stop."_s.arg(count - done)),
                qPrintable(counts));
            QCOMPARE(guitest::caption(more), u"Show the %1 images that were not reached"_s.arg(count - done));
            QTest::mouseClick(more, Qt::LeftButton);
            QCOMPARE(rowTexts(list, 1), QStringList(done, u"Cleaned"_s) + QStringList(count - done, u"Not reached"_s));
            QCOMPARE(guitest::caption(more), u"Hide the images that were not reached"_s);
            QTest::mouseClick(more, Qt::LeftButton);
            QCOMPARE(rowTexts(list).size(), done);
        }
        if (how == u"close")
            QTRY_VERIFY(!w->isVisible());
        else
            QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(TestGuiRun)
#include "tst_gui_run.moc"
