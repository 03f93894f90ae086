// The wizard's pages and navigation, driven on the real window: what each page shows,
// the pages applying the rules of Next and of the tag boxes, the keep-look box, the JPEG
// disclaimer, the ready page's paragraph, Enter and Escape, the date entry and the browse
// buttons. (Pages 7 and 8 of a run: tst_gui_run.)

#include "guitestutil.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

class TestGuiWizard final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_jpeg;

    std::unique_ptr<CleanWizard> windowAt(int page) { return m_box->windowAt(page, m_jpeg); }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
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
        auto *cmdNext = guitest::child<QPushButton>(*w, "cmdNext");
        auto *cmdCancel = guitest::child<QPushButton>(*w, "cmdCancel");
        auto *lblTopTitle = guitest::child<QLabel>(*w, "lblTopTitle");
        QCOMPARE(w->iPage(), page);
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(guitest::pagePanel(*w, i)->isVisible(), i == page);
        // The welcome page has the side picture instead of the header.
        QCOMPARE(guitest::visibility(*w, {"picSplash", "picFrameTop", "Line1", "Line2", "Line3", "Line4"}),
            (QList<bool> {page == 1, page != 1, page != 1, page != 1, true, true}));
        QVERIFY(!guitest::child<QCheckBox>(*w, "chkIgnoreMinorWarnings")->isVisibleTo(w.get())); // on no page
        QCOMPARE(guitest::child<QPushButton>(*w, "cmdBack")->isEnabled(), page > 1);
        QVERIFY(cmdNext->isEnabled() && cmdCancel->isEnabled());
        QCOMPARE(guitest::caption(cmdNext), page == 6 ? u"Start >"_s : u"Next >"_s);
        QCOMPARE(guitest::caption(cmdCancel), u"Close"_s);
        if (page > 1) {
            // Each page has a header of its own, and Back changes it.
            const QString title = lblTopTitle->text();
            w->goBack();
            QCOMPARE(w->iPage(), page - 1);
            QVERIFY(!title.isEmpty() && (page == 2 || lblTopTitle->text() != title));
        }
    }

    void nextOnOutputPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("next");

        // The rules themselves are tst_gui_rules' table; these rows check the page applies them.
        QTest::newRow("overwrite needs no text") << 0 << QString() << true;
        QTest::newRow("folder of one character in blanks") << 1 << u"  a  "_s << false;
        QTest::newRow("empty suffix") << 3 << QString() << false;
    }

    void nextOnOutputPage()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(bool, next);

        auto w = windowAt(3);
        auto *txtOutput = guitest::child<QLineEdit>(*w, "txtOutput");
        auto *cmdNext = guitest::child<QPushButton>(*w, "cmdNext");
        const std::array<QLineEdit *, 4> boxes = {
            nullptr, txtOutput, guitest::child<QLineEdit>(*w, "txtPrefix"), guitest::child<QLineEdit>(*w, "txtSuffix")};
        if (boxes.at(mode))
            boxes.at(mode)->setText(text);
        guitest::child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->click();
        QCOMPARE(cmdNext->isEnabled(), next);
        // Only the chosen mode's text box can be edited.
        for (int i = 1; i < 4; ++i)
            QCOMPARE(boxes.at(i)->isEnabled(), i == mode);
        if (next || mode != 1)
            return;
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

    // The page applies the rules (tst_gui_rules has them all): the boxes All covers are
    // disabled and keep their ticks, Exif covers GPS, and Next needs a box that removes
    // something; the ICC box never shows a tick for a profile that is kept, and keeps the
    // person's own tick for when it is not.
    void tagBoxesOnOptionsPage()
    {
        auto w = windowAt(4);
        auto *cmdNext = guitest::child<QPushButton>(*w, "cmdNext");
        auto *chkCleanAll = guitest::child<QCheckBox>(*w, "chkCleanAll");
        auto *chkCleanExif = guitest::child<QCheckBox>(*w, "chkCleanExif");
        auto *chkCleanExifGPS = guitest::child<QCheckBox>(*w, "chkCleanExifGPS");
        auto *chkCleanICC = guitest::child<QCheckBox>(*w, "chkCleanICC");
        auto *chkKeepLook = guitest::child<QCheckBox>(*w, "chkKeepLook");
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
        const QLabel *anchor = guitest::child<QLabel>(*w, "picTooltip_17");
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
        // Only the ICC box ticked: nothing to remove while the profile is kept, also after
        // leaving the page and coming back.
        chkCleanICC->click();
        QCOMPARE(iccState(), u"ticked enabled | Next"_s);
        chkKeepLook->click();
        QCOMPARE(iccState(), u"clear disabled | no Next"_s);
        w->goBack();
        w->goNext();
        QCOMPARE(iccState(), u"clear disabled | no Next"_s);
        chkCleanExif->click();
        QVERIFY(cmdNext->isEnabled() && !chkCleanExifGPS->isEnabled());
        chkCleanAll->click();
        QVERIFY(!chkCleanExif->isEnabled() && chkCleanExif->isChecked());
    }

    // JPEGs are known by the last three letters of their names, in any case; one other file shows it.
    void jpegDisclaimer()
    {
        const QString folder = m_box->imageFolder(u"disclaimer"_s, {});
        auto w = m_box->windowAt(2, m_jpeg);
        for (const QString &name : {u"b.JPE"_s, u"c.JPEG"_s, u"e.tif"_s}) {
            QVERIFY(guitest::writeFile(folder + u'/' + name, "x") && w->addFile(folder + u'/' + name));
            w->updateControls();
            while (w->iPage() < 4)
                w->goNext();
            QCOMPARE(guitest::child<QLabel>(*w, "lblDisclaimer")->isVisible(), name == u"e.tif");
            QCOMPARE(guitest::child<QLabel>(*w, "imgDisclaimer")->isVisible(), name == u"e.tif");
            w->goBack();
            w->goBack();
        }
    }

    void readyPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("warns");
        QTest::newRow("overwrite") << 0 << u"1 image will be cleaned in place: the originals are overwritten."_s
                                   << true;
        QTest::newRow("folder") << 1 << u"1 image will be cleaned into the folder /tmp/out."_s << false;
        QTest::newRow("prefix") << 2 << u"as copies whose names begin with \"cleaned_\"."_s << false;
        QTest::newRow("suffix") << 3
                                << u"as copies whose names end with \"_cleaned\". Removed: all supported "_s
                                   u"metadata."_s
                                << false;
    }

    // The ready page says in one paragraph what the run will do, and warns before originals
    // are overwritten.
    void readyPage()
    {
        QFETCH(int, mode);
        QFETCH(QString, says);
        QFETCH(bool, warns);
        auto w = windowAt(3);
        auto *lblReadySummary = guitest::child<QLabel>(*w, "lblReadySummary");
        guitest::child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->setChecked(true);
        guitest::child<QLineEdit>(*w, "txtOutput")->setText(u"/tmp/out"_s);
        w->goNext();
        w->goNext();
        guitest::child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        guitest::child<QRadioButton>(*w, "optDate_1")->setChecked(true);
        w->goNext();
        QCOMPARE(w->iPage(), 6);
        QVERIFY2(lblReadySummary->text().contains(says), qPrintable(lblReadySummary->text()));
        QVERIFY(lblReadySummary->text().contains(u"File dates are set to random dates."_s));
        QCOMPARE(guitest::visibility(*w, {"lblOverwriteWarning", "imgOverwriteWarning"}), QList<bool>(2, warns));
    }

    void enterAndEscape()
    {
        auto w = m_box->window();
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->iPage(), 2);
        // An empty list disables Next; Enter then does nothing.
        QVERIFY(!guitest::child<QPushButton>(*w, "cmdNext")->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->iPage(), 2);

        // Escape presses Close: the window closes and the settings are saved.
        QFile::remove(m_box->iniPath());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(guitest::readFile(m_box->iniPath()).contains("optOutputMode=3"));
    }

    void dateEntry_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("label");

        QTest::newRow("a whole date") << QStringList {u"2001"_s, u"2"_s, u"3"_s, u"14"_s, u"5"_s, u"6"_s}
                                      << QStringList {} << u"2001-02-03 14:05:06"_s;
        QTest::newRow("empty answers keep the parts")
            << QStringList(6, QString()) << QStringList {} << u"1980-01-01 00:00:00"_s;
        QTest::newRow("every part out of range")
            << QStringList {u"1979"_s, u"13"_s, u"0"_s, u"24"_s, u"60"_s, u"x"_s}
            << QStringList {u"Not a valid year..."_s, u"Not a valid month..."_s, u"Not a valid day..."_s,
                   u"Not a valid hour..."_s, u"Not a valid minute..."_s, u"Not a valid second..."_s}
            << u"1980-01-01 00:00:00"_s;
        QTest::newRow("the ends of the ranges") << QStringList {u"2100"_s, u"12"_s, u"31"_s, u"23"_s, u"59"_s, u"59"_s}
                                                << QStringList {} << u"2100-12-31 23:59:59"_s;
    }

    void dateEntry()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(QString, label);

        auto w = windowAt(5);
        guitest::child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        QStringList expected; // each box as "title: message"
        for (int i = 0; i < 6; ++i) {
            Prompts::queueAnswer(answers.at(i));
            expected << (i < 3 ? u"Set date: "_s : u"Set time: "_s);
            if (!messages.isEmpty()) {
                Prompts::queueAnswer(QVariant()); // the OK of the refusal's message box
                expected << u"Quillmark: "_s + messages.at(i);
            }
        }
        QTest::mouseClick(
            guitest::child<QLabel>(*w, "lblLinkButton_6"), Qt::LeftButton); // the date entry starts from its link
        QCOMPARE(Prompts::pendingAnswers(), 0);
        QStringList shown;
        for (const Prompts::Record &r : Prompts::takeRecords())
            shown << r.title + u": "_s + (r.kind == Prompts::Kind::Message ? r.text : QString());
        QCOMPARE(shown, expected);
        QCOMPARE(guitest::child<QLabel>(*w, "lblResetDateTo")->text(), label);
    }

    void browseButtons()
    {
        auto w = windowAt(3);
        auto *txtOutput = guitest::child<QLineEdit>(*w, "txtOutput");
        auto *cmdOutputBrowse = guitest::child<QPushButton>(*w, "cmdOutputBrowse");
        txtOutput->setText(u"/some/where/"_s);
        // Cancelled: one trailing slash goes, the folder mode is chosen all the same.
        Prompts::queueAnswer(QString());
        cmdOutputBrowse->click();
        QCOMPARE(txtOutput->text(), u"/some/where"_s);
        QVERIFY(guitest::child<QRadioButton>(*w, "optOutputMode_1")->isChecked() && txtOutput->isEnabled()
            && guitest::child<QPushButton>(*w, "cmdNext")->isEnabled());

        const QString chosen = m_box->path(u"images"_s);
        Prompts::queueAnswer(chosen);
        cmdOutputBrowse->click();
        QCOMPARE(txtOutput->text(), chosen);
        QCOMPARE(Prompts::takeRecords().last().title, u"Select output folder:"_s);

        guitest::child<QCheckBox>(*w, "chkDeleteFileOnFail")->setChecked(true);
        Prompts::queueAnswer(chosen);
        guitest::child<QPushButton>(*w, "cmdProcessingFailBrowse")->click();
        QCOMPARE(guitest::child<QLineEdit>(*w, "txtProcessingFailFolder")->text(), chosen);
        QVERIFY(guitest::child<QRadioButton>(*w, "optProcessingFail_1")->isChecked());
    }
};

QTEST_MAIN(TestGuiWizard)
#include "tst_gui_wizard.moc"
