// The wizard's rules: which controls are enabled on each page, and when Next may go on.

#include "gui/WizardRules.h"
#include "jobfixtures.h"

#include <QTest>

using namespace Qt::StringLiterals;

using testutil::tagOptions;

class TestWizardRules final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countCaption()
    {
        for (int count : {0, 1, 2}) {
            ControlInputs in;
            in.page = Page::Images;
            in.imageCount = count;
            const ControlStates s = controlStates(in);
            QVERIFY(s.updateCountCaption);
            QCOMPARE(s.countCaption, count == 1 ? u"1 image"_s : u"%1 images"_s.arg(count));
            QVERIFY(s.cmdNextEnabled == (count > 0) && s.focusNext == (count > 0));
        }
    }

    void outputPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("next");
        QTest::newRow("overwrite needs no text") << 0 << QString() << true;
        QTest::newRow("folder of one character in blanks") << 1 << u"  x  "_s << false;
        QTest::newRow("folder of two characters") << 1 << u"/a"_s << true;
        QTest::newRow("empty prefix") << 2 << QString() << false;
        QTest::newRow("blank prefix is valid") << 2 << u" "_s << true;
        QTest::newRow("prefix leaving the folder") << 2 << u"../../../tmp/x-"_s << false;
        QTest::newRow("suffix leaving the folder") << 3 << u"/../../esc"_s << false;
        QTest::newRow("prefix naming a subfolder") << 2 << u"sub/"_s << false;
        QTest::newRow("dots alone stay in the folder") << 2 << u".."_s << true;
    }

    void outputPage()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(bool, next);
        ControlInputs in;
        in.page = Page::Output;
        in.outputMode = static_cast<OutputMode>(mode);
        in.outputFolder = in.prefix = in.suffix = text;
        const ControlStates s = controlStates(in);
        QCOMPARE(s.cmdNextEnabled, next);
        QCOMPARE((QList<bool> {s.txtOutputEnabled, s.txtPrefixEnabled, s.txtSuffixEnabled}),
            (QList<bool> {mode == 1, mode == 2, mode == 3}));
        QVERIFY(!s.updateCountCaption);
        // A refused prefix or suffix that is not just empty says why.
        QCOMPARE(!s.outputMessage.isEmpty(), mode >= 2 && !next && !text.isEmpty());
    }

    void tagPage()
    {
        ControlInputs in;
        in.page = Page::Tags;
        const auto states = [&in](const QString &ticked) {
            in.tags = tagOptions(ticked);
            return controlStates(in);
        };
        ControlStates s = states(u"AEG"_s);
        QVERIFY(s.cmdNextEnabled && s.updateTagBoxes);
        QVERIFY(!s.chkCleanExifEnabled && !s.chkCleanOtherEnabled && !s.chkCleanAdobeApp14Enabled);
        s = states(QString());
        QVERIFY(!s.cmdNextEnabled && s.chkCleanExifGPSEnabled && s.chkCleanThumbnailEnabled && s.chkCleanIPTCEnabled);
        QVERIFY(states(u"G"_s).cmdNextEnabled);
        s = states(u"EP"_s);
        QVERIFY(!s.chkCleanExifGPSEnabled && !s.chkCleanThumbnailEnabled && !s.chkCleanIPTCEnabled);
        QVERIFY(s.chkCleanExifEnabled && s.chkCleanPhotoshopEnabled && s.chkCleanXMPEnabled);
        // A disabled box still counts towards completeness.
        in.tags = tagOptions(u"G"_s);
        in.tags.exif = false;
        QVERIFY(controlStates(in).cmdNextEnabled);
    }

    // The ICC box never shows a tick for a profile that is kept, and then cannot be ticked;
    // Next needs a box that removes something.
    void iccBoxWhileTheProfileIsKept_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("keep");
        QTest::addColumn<bool>("iccEnabled");
        QTest::addColumn<bool>("iccChecked");
        QTest::addColumn<bool>("next");
        QTest::newRow("all supported, kept") << u"AEC"_s << u"oc"_s << false << false << true;
        QTest::newRow("exif and icc, not kept") << u"EC"_s << QString() << true << true << true;
        QTest::newRow("icc alone, colour kept") << u"C"_s << u"c"_s << false << false << false;
        QTest::newRow("icc alone, orientation kept") << u"C"_s << u"o"_s << true << true << true;
        QTest::newRow("icc clear, not kept") << u"X"_s << QString() << true << false << true;
    }

    void iccBoxWhileTheProfileIsKept()
    {
        QFETCH(QString, ticked);
        QFETCH(QString, keep);
        QFETCH(bool, iccEnabled);
        QFETCH(bool, iccChecked);
        QFETCH(bool, next);
        ControlInputs in;
        in.tags = tagOptions(ticked, keep);
        for (Page page : {Page::Images, Page::Output, Page::Date}) {
            in.page = page;
            in.imageCount = 1;
            QCOMPARE(controlStates(in).chkCleanICCChecked, iccChecked);
        }
        in.page = Page::Tags;
        const ControlStates s = controlStates(in);
        QCOMPARE(s.chkCleanICCEnabled, iccEnabled);
        QCOMPARE(s.chkCleanICCChecked, iccChecked);
        QCOMPARE(s.cmdNextEnabled, next);
        QCOMPARE(in.tags.all || in.tags.anyGroupTicked(), next);
    }

    // Off the output page its text boxes are disabled; Next needs nothing on the other pages
    // but the tag page.
    void otherPages()
    {
        for (Page page : {Page::Welcome, Page::Tags, Page::Date, Page::Ready, Page::Run, Page::Finished}) {
            ControlInputs in;
            in.page = page;
            in.outputMode = OutputMode::Prefix;
            in.tags = tagOptions(QString());
            const ControlStates s = controlStates(in);
            QVERIFY2(s.cmdNextEnabled == (page != Page::Tags) && !s.txtOutputEnabled && !s.txtPrefixEnabled
                    && !s.txtSuffixEnabled,
                qPrintable(QString::number(int(page))));
        }
    }
};

QTEST_GUILESS_MAIN(TestWizardRules)
#include "tst_gui_rules.moc"
