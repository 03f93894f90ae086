// The wizard's pages and navigation on the real window. (Pages 7 and 8: tst_gui_run.)

#include "gui/LinkLabel.h"
#include "gui/WelcomePage.h"
#include "guitestutil.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

using namespace Qt::StringLiterals;
using guitest::caption;
using guitest::child;

namespace {

// How a link looks: its colour and the mouse cursor over it.
using Look = std::pair<QColor, Qt::CursorShape>;
Look lookOf(const QLabel *label)
{
    return {label->palette().color(QPalette::Active, QPalette::WindowText), label->cursor().shape()};
}
Look look(bool hovered)
{
    return hovered ? Look {LinkLabel::hoverColor(QPalette()), Qt::PointingHandCursor}
                   : Look {LinkLabel::restColor(QPalette()), Qt::ArrowCursor};
}

} // namespace

class TestGuiWizard final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_jpeg;

    std::unique_ptr<CleanWizard> windowAt(int page) { return m_box->windowAt(page, m_jpeg); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY((m_box = guitest::startSandbox())->isValid());
        m_jpeg = m_box->imageFolder(u"images"_s, {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s})
            + u"/jpeg_iphone4s_gps_xmp_makernotes.jpg"_s;
    }

    void init() { guitest::forgetPrompts(); }

    void pageTable_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page <= 6; ++page)
            QTest::addRow("%d", page) << page;
    }

    void pageTable()
    {
        QFETCH(int, page);

        auto w = windowAt(page);
        QCOMPARE(w->iPage(), page);
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(guitest::pagePanels(*w).at(i - 1)->isVisible(), i == page);
        // The welcome page has the side picture instead of the header.
        QCOMPARE(guitest::visibility(*w, {"picSplash", "picFrameTop", "Line1", "Line2", "Line3", "Line4"}),
            (QList<bool> {page == 1, page != 1, page != 1, page != 1, true, true}));
        QVERIFY(!child<QCheckBox>(*w, "chkIgnoreMinorWarnings")->isVisibleTo(w.get())); // on no page
        QCOMPARE(child<QPushButton>(*w, "cmdBack")->isEnabled(), page > 1);
        QVERIFY(child<QPushButton>(*w, "cmdNext")->isEnabled() && child<QPushButton>(*w, "cmdCancel")->isEnabled());
        if (page > 1) {
            // Each page has a header of its own, and Back changes it.
            const QString title = child<QLabel>(*w, "lblTopTitle")->text();
            w->goBack();
            QCOMPARE(w->iPage(), page - 1);
            QVERIFY(!title.isEmpty() && (page == 2 || child<QLabel>(*w, "lblTopTitle")->text() != title));
        }
    }

    // The page applies the rules (tst_gui_rules), and the ready page says what the run will
    // do, warning before originals are overwritten.
    void outputModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says"); // empty: Next is refused
        QTest::addColumn<bool>("warns");
        QTest::newRow("overwrite") << 0 << QString()
                                   << u"1 image will be cleaned in place: the originals are overwritten."_s << true;
        QTest::newRow("folder") << 1 << u"/tmp/out"_s << u"1 image will be cleaned into the folder /tmp/out."_s
                                << false;
        QTest::newRow("suffix") << 3 << u"_cleaned"_s
                                << u"as copies whose names end with \"_cleaned\". Removed: all supported metadata."_s
                                << false;
        QTest::newRow("folder of one character in blanks") << 1 << u"  a  "_s << QString() << false;
    }

    void outputModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(QString, says);
        QFETCH(bool, warns);
        auto w = windowAt(3);
        auto *txtOutput = child<QLineEdit>(*w, "txtOutput");
        auto *cmdNext = child<QPushButton>(*w, "cmdNext");
        auto *optChosen = child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode));
        auto *optOutputMode_0 = child<QRadioButton>(*w, "optOutputMode_0");
        const std::array<QLineEdit *, 4> boxes
            = {nullptr, txtOutput, child<QLineEdit>(*w, "txtPrefix"), child<QLineEdit>(*w, "txtSuffix")};
        optOutputMode_0->click();
        if (QLineEdit *edit = boxes.at(mode)) {
            // A click into the disabled box, or the focus coming any other way (Tab), chooses its mode.
            edit->setText(text);
            QVERIFY(!edit->isEnabled());
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
            QVERIFY(optChosen->isChecked() && edit->isEnabled());
            optOutputMode_0->setChecked(true);
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(edit, &focusIn);
            QVERIFY(optChosen->isChecked());
        }
        QCOMPARE(cmdNext->isEnabled(), !says.isEmpty());
        // Only the chosen mode's text box can be edited.
        for (int i = 1; i < 4; ++i)
            QCOMPARE(boxes.at(i)->isEnabled(), i == mode);
        if (says.isEmpty() && mode == 1) {
            // Leaving a text box re-applies the rules; Enter in it counts the text, then presses Next.
            QFocusEvent out(QEvent::FocusOut);
            txtOutput->setText(u"/ab"_s);
            QCoreApplication::sendEvent(txtOutput, &out);
            QVERIFY(cmdNext->isEnabled());
            txtOutput->setText(u" "_s);
            QCoreApplication::sendEvent(txtOutput, &out);
            QVERIFY(!cmdNext->isEnabled());
            txtOutput->setText(u"/ab"_s);
            QTest::keyClick(txtOutput, Qt::Key_Return);
            QCOMPARE(w->iPage(), 4);
        }
        if (says.isEmpty())
            return;
        w->goNext();
        w->goNext();
        child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        child<QRadioButton>(*w, "optDate_1")->setChecked(true);
        w->goNext();
        QCOMPARE(w->iPage(), 6);
        const QString summary = child<QLabel>(*w, "lblReadySummary")->text();
        QVERIFY2(
            summary.contains(says) && summary.contains(u"File dates are set to random dates."_s), qPrintable(summary));
        QCOMPARE(guitest::visibility(*w, {"lblOverwriteWarning", "imgOverwriteWarning"}), QList<bool>(2, warns));
    }

    // The page applies the rules (tst_gui_rules): All and Exif cover boxes, Next needs one
    // that removes something, and the ICC box shows no tick for a kept profile but keeps it.
    void tagBoxesOnOptionsPage()
    {
        auto w = windowAt(4);
        auto *cmdNext = child<QPushButton>(*w, "cmdNext");
        auto *chkCleanAll = child<QCheckBox>(*w, "chkCleanAll");
        auto *chkCleanExif = child<QCheckBox>(*w, "chkCleanExif");
        auto *chkCleanExifGPS = child<QCheckBox>(*w, "chkCleanExifGPS");
        auto *chkCleanICC = child<QCheckBox>(*w, "chkCleanICC");
        auto *chkKeepLook = child<QCheckBox>(*w, "chkKeepLook");
        const QList<QCheckBox *> tags = w->findChildren<QCheckBox *>(QRegularExpression(u"^chkClean"_s));
        const auto iccState = [&] {
            return QString::fromLatin1(chkCleanICC->isChecked() ? "ticked" : "clear")
                + (chkCleanICC->isEnabled() ? u" enabled"_s : u" disabled"_s)
                + (cmdNext->isEnabled() ? u" | Next"_s : u" | no Next"_s);
        };
        // Keep-look is ticked by default, below every tag box, with its "i" beside it.
        QVERIFY(chkKeepLook->isChecked() && chkKeepLook->isEnabled() && chkKeepLook->isVisible());
        for (QCheckBox *box : tags)
            QVERIFY2(box->geometry().bottom() < chkKeepLook->geometry().top(), qPrintable(box->objectName()));
        const QLabel *anchor = child<QLabel>(*w, "picTooltip_17");
        QVERIFY(anchor->isVisible() && anchor->geometry().right() < chkKeepLook->geometry().left());
        QVERIFY(std::abs(anchor->geometry().center().y() - chkKeepLook->geometry().center().y()) <= 4);
        QVERIFY(!chkCleanExif->isEnabled() && chkCleanExif->isChecked() && cmdNext->isEnabled());
        QCOMPARE(iccState(), u"clear disabled | Next"_s);
        for (const auto &[box, state] :
            std::initializer_list<std::pair<QCheckBox *, const char16_t *>> {{chkCleanAll, u"clear disabled | Next"},
                {chkKeepLook, u"ticked enabled | Next"}, {chkCleanICC, u"clear enabled | Next"},
                {chkKeepLook, u"clear disabled | Next"}, {chkKeepLook, u"clear enabled | Next"}}) {
            box->click();
            QCOMPARE(iccState(), QString::fromUtf16(state));
        }
        for (QCheckBox *box : tags)
            box->setChecked(false);
        QVERIFY(!cmdNext->isEnabled() && chkCleanExif->isEnabled() && chkCleanExifGPS->isEnabled());
        // Only ICC ticked: nothing to remove while the profile is kept, also after coming back.
        chkCleanICC->click();
        QCOMPARE(iccState(), u"ticked enabled | Next"_s);
        chkKeepLook->click();
        QCOMPARE(iccState(), u"clear disabled | no Next"_s);
        w->goBack();
        w->goNext();
        QCOMPARE(iccState(), u"clear disabled | no Next"_s);
        chkCleanExif->click();
        QVERIFY(cmdNext->isEnabled() && !chkCleanExifGPS->isEnabled());
    }

    // JPEGs are known by the last three letters of their names, in any case; one other file shows it.
    void jpegDisclaimer()
    {
        const QString folder = m_box->imageFolder(u"disclaimer"_s, {});
        auto w = windowAt(2);
        for (const QString &name : {u"b.JPE"_s, u"c.JPEG"_s, u"e.tif"_s}) {
            QVERIFY(guitest::writeFile(folder + u'/' + name, "x") && w->addFile(folder + u'/' + name));
            w->updateControls();
            while (w->iPage() < 4)
                w->goNext();
            QCOMPARE(guitest::visibility(*w, {"lblDisclaimer", "imgDisclaimer"}), QList<bool>(2, name == u"e.tif"));
            w->goBack();
            w->goBack();
        }
    }

    // The entry says why it refuses an answer (rules: tst_filedate) and goes on to the next
    // part; an empty answer keeps its part.
    void dateEntry_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages"); // per part, empty where none
        QTest::addColumn<QString>("label");
        QTest::newRow("a whole date") << QStringList {u"2001"_s, u"2"_s, u"3"_s, u"14"_s, u"5"_s, u"6"_s}
                                      << QStringList(6, QString()) << u"2001-02-03 14:05:06"_s;
        QTest::newRow("refused and empty answers")
            << QStringList {u"1979"_s, u"13"_s, u"31"_s, QString(), u"60"_s, u"x"_s}
            << QStringList {u"Not a valid year..."_s, u"Not a valid month..."_s, QString(), QString(),
                   u"Not a valid minute..."_s, u"Not a valid second..."_s}
            << u"1980-01-31 00:00:00"_s;
    }

    void dateEntry()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(QString, label);
        auto w = windowAt(5);
        child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        QStringList expected; // each box as "title: message"
        for (int i = 0; i < 6; ++i) {
            Prompts::queueAnswer(answers.at(i));
            expected << (i < 3 ? u"Set date: "_s : u"Set time: "_s);
            if (!messages.at(i).isEmpty()) {
                Prompts::queueAnswer(QVariant()); // the OK of the refusal's message box
                expected << u"Quillmark: "_s + messages.at(i);
            }
        }
        QTest::mouseClick(child<QLabel>(*w, "lblLinkButton_6"), Qt::LeftButton);
        QStringList shown;
        for (const Prompts::Record &r : Prompts::takeRecords())
            shown << r.title + u": "_s + (r.kind == Prompts::Kind::Message ? r.text : QString());
        QCOMPARE(shown, expected);
        QCOMPARE(child<QLabel>(*w, "lblResetDateTo")->text(), label);
    }

    void browseButtons()
    {
        auto w = windowAt(3);
        auto *txtOutput = child<QLineEdit>(*w, "txtOutput");
        auto *cmdOutputBrowse = child<QPushButton>(*w, "cmdOutputBrowse");
        txtOutput->setText(u"/some/where/"_s);
        // Cancelled: one trailing slash goes, the folder mode is chosen all the same.
        Prompts::queueAnswer(QString());
        cmdOutputBrowse->click();
        QCOMPARE(txtOutput->text(), u"/some/where"_s);
        QVERIFY(child<QRadioButton>(*w, "optOutputMode_1")->isChecked() && txtOutput->isEnabled()
            && child<QPushButton>(*w, "cmdNext")->isEnabled());

        const QString chosen = m_box->path(u"images"_s);
        Prompts::queueAnswer(chosen);
        cmdOutputBrowse->click();
        QCOMPARE(txtOutput->text(), chosen);
        QCOMPARE(Prompts::takeRecords().last().title, u"Select output folder:"_s);

        child<QCheckBox>(*w, "chkDeleteFileOnFail")->setChecked(true);
        Prompts::queueAnswer(chosen);
        child<QPushButton>(*w, "cmdProcessingFailBrowse")->click();
        QCOMPARE(child<QLineEdit>(*w, "txtProcessingFailFolder")->text(), chosen);
        QVERIFY(child<QRadioButton>(*w, "optProcessingFail_1")->isChecked());
    }

    // A disabled link is inert, also when disabled under the mouse; the others turn red
    // under the mouse and back at once when it leaves.
    void links()
    {
        auto w = windowAt(5);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *chkResetFileDates = child<QCheckBox>(*w, "chkResetFileDates");
        QLabel *date = child<QLabel>(*w, "lblLinkButton_6");
        QVERIFY(!chkResetFileDates->isChecked() && !date->isEnabled());
        guitest::enter(date);
        QCOMPARE(lookOf(date), look(false));
        QTest::mouseClick(date, Qt::LeftButton);
        QVERIFY(Prompts::takeRecords().isEmpty());
        chkResetFileDates->setChecked(true);
        guitest::enter(date);
        QCOMPARE(lookOf(date), look(true));
        chkResetFileDates->setChecked(false);
        QCOMPARE(lookOf(date), look(false));
        guitest::leave(date);
        w->openLink(3); // the problems link works whether or not it is shown
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Modal), QStringList {u"No image of this run had a problem."_s});

        while (w->iPage() > 1)
            w->goBack();
        QLabel *home = child<QLabel>(*w, "lblLinkButton_2");
        QCOMPARE(lookOf(home), look(false));
        guitest::enter(home);
        QCOMPARE(lookOf(home), look(true));
        guitest::leave(home);
        QCOMPARE(lookOf(home), look(false)); // at once, not after a while
        // The pointer moved by the window system, not events made up by the test.
        QTest::mouseMove(home, home->rect().center());
        QTRY_COMPARE(lookOf(home), look(true));
        QTest::mouseMove(child<QLabel>(*w, "Label7"), QPoint(2, 2));
        QTRY_COMPARE(lookOf(home), look(false));
        QTest::mouseClick(home, Qt::LeftButton);
        QVERIFY(WelcomePage::homePageUrl().contains(u"app=quillmark"_s));
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Open), QStringList {WelcomePage::homePageUrl()});
        // A page change under the mouse leaves no link red.
        guitest::enter(home);
        w->goNext();
        QCOMPARE(lookOf(home).first, look(false).first);
    }

    void destination_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("folderText");
        QTest::addColumn<QString>("expected"); // relative to the sandbox; empty: nothing opens
        QTest::newRow("folder") << 1 << u"<sandbox>/out"_s << u"out"_s;
        // A relative folder is where the job writes: under the program's folder.
        QTest::newRow("relative folder") << 1 << u"rel"_s << u"program/rel"_s;
        // The other modes open the folder of the first image of the last run: none yet.
        QTest::newRow("suffix before a run") << 3 << QString() << QString();
    }

    void destination()
    {
        QFETCH(int, mode);
        QFETCH(QString, folderText);
        QFETCH(QString, expected);
        auto w = m_box->window();
        child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->setChecked(true);
        child<QLineEdit>(*w, "txtOutput")->setText(folderText.replace(u"<sandbox>"_s, m_box->path(QString())));
        w->openLink(5);
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Open),
            expected.isEmpty() ? QStringList() : QStringList {m_box->path(expected)});
    }

    // The check before a run: the ready page names the folder and Start stays disabled
    // (also when the page is skipped); once the folder takes files, the same way cleans.
    void readyPageChecksTheRun_data() { testutil::boolRows("skipped", "ready page shown", "ready page skipped"); }
    void readyPageChecksTheRun()
    {
        QFETCH(bool, skipped);
        const QString out = m_box->path(skipped ? u"locked-skipped"_s : u"locked-shown"_s);
        QVERIFY(QDir().mkpath(out));
        auto w = windowAt(3);
        const auto restore = qScopeGuard([&w] {
            child<QRadioButton>(*w, "optOutputMode_3")->setChecked(true);
            child<QCheckBox>(*w, "chkSkipReadyPage")->setChecked(false);
        });
        child<QRadioButton>(*w, "optOutputMode_1")->setChecked(true);
        child<QLineEdit>(*w, "txtOutput")->setText(out);
        child<QCheckBox>(*w, "chkSkipReadyPage")->setChecked(skipped);
        auto *cmdNext = child<QPushButton>(*w, "cmdNext");
        auto *lblPreflight = child<QLabel>(*w, "lblPreflight");
        {
            testutil::Unwritable locked(out);
            if (!locked.ok())
                QSKIP("cannot make a folder unwritable here");
            w->goNext();
            w->goNext();
            QCOMPARE(caption(cmdNext), skipped ? u"Start >"_s : u"Next >"_s);
            cmdNext->click();
            QCOMPARE(w->iPage(), 6);
            QVERIFY(lblPreflight->isVisible() && child<QLabel>(*w, "imgPreflight")->isVisible());
            QCOMPARE(lblPreflight->text(), u"The folder %1 cannot be written to."_s.arg(out));
            QVERIFY(!cmdNext->isEnabled());
            w->goNext(); // what a key press could still reach
            QCOMPARE(w->iPage(), 6);
            QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        }
        w->goBack();
        QVERIFY(guitest::runToFinishedPage(*w));
        QVERIFY(lblPreflight->text().isEmpty());
        QVERIFY(QFileInfo::exists(out + u'/' + QFileInfo(m_jpeg).fileName()));
    }

    // A folder dropped on the welcome page goes to the ready page, and Start cleans it;
    // incomplete options (folder mode without a folder) show the page that wants something.
    void dropThenStart()
    {
        const QString folder
            = m_box->imageFolder(u"quick"_s, {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, u"png_exif_gps_xmp.png"_s});
        auto w = m_box->window();
        child<QRadioButton>(*w, "optOutputMode_3")->setChecked(true);
        QVERIFY(guitest::drop(child<QWidget>(*w, "picFrameWelcome"), {folder}));
        QTRY_COMPARE(w->iPage(), 6);
        QVERIFY2(child<QLabel>(*w, "lblReadySummary")->text().startsWith(u"2 images will be cleaned"_s),
            qPrintable(child<QLabel>(*w, "lblReadySummary")->text()));
        child<QPushButton>(*w, "cmdNext")->click();
        QVERIFY(guitest::waitForFinishedPage(*w));
        for (const QString &name :
            {u"jpeg_iphone4s_gps_xmp_makernotes_cleaned.jpg"_s, u"png_exif_gps_xmp_cleaned.png"_s})
            QVERIFY2(QFileInfo::exists(folder + u'/' + name), qPrintable(name));

        w = m_box->window();
        child<QRadioButton>(*w, "optOutputMode_1")->setChecked(true);
        child<QLineEdit>(*w, "txtOutput")->clear();
        const auto restore = qScopeGuard([&w] { child<QRadioButton>(*w, "optOutputMode_3")->setChecked(true); });
        QVERIFY(guitest::drop(child<QWidget>(*w, "picFrameWelcome"), {m_jpeg}));
        QTRY_COMPARE(w->iPage(), 3);
        w->goBack();
        QCOMPARE(w->iPage(), 2); // the full wizard is still there
    }
};

QTEST_MAIN(TestGuiWizard)
#include "tst_gui_wizard.moc"
