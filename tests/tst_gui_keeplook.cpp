// "Keep orientation and colour profile" on the options page of the real window: ticked
// by default, the ICC box never showing a tick for a kept profile, the Next rules, the
// stored setting (a portable settings.ini round trip, byte for byte) and a real run.

#include "gui/BalloonTip.h"
#include "gui/CleanWizard.h"
#include "guitestutil.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TestGuiKeepLook final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_jpeg;

    // "ICC shown/enabled | Next" in one word each, for compact comparisons.
    static QString iccState(const CleanWizard *w)
    {
        return QString::fromLatin1(guitest::child<QCheckBox>(*w, "chkCleanICC")->isChecked() ? "ticked" : "clear")
            + (guitest::child<QCheckBox>(*w, "chkCleanICC")->isEnabled() ? u" enabled"_s : u" disabled"_s)
            + (guitest::child<QPushButton>(*w, "cmdNext")->isEnabled() ? u" | Next"_s : u" | no Next"_s);
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        const QString folder = m_box->imageFolder(u"images"_s, {u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s});
        m_jpeg = folder + u"/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;
    }

    void init() { QFile::remove(m_box->iniPath()); }

    void tickedByDefaultAndTheIccBox()
    {
        auto w = m_box->windowAt(4, m_jpeg);
        auto *chkKeepLook = guitest::child<QCheckBox>(*w, "chkKeepLook");
        QVERIFY(chkKeepLook->isChecked() && chkKeepLook->isEnabled() && chkKeepLook->isVisible());
        // Below every tag box, above the disclaimer, with its "i" beside it.
        for (QCheckBox *box : w->findChildren<QCheckBox *>(QRegularExpression(u"^chkClean"_s)))
            QVERIFY2(box->geometry().bottom() < chkKeepLook->geometry().top(), qPrintable(box->objectName()));
        const QLabel *anchor = guitest::child<QLabel>(*w, "picTooltip_17");
        QVERIFY(anchor && anchor->isVisible());
        QVERIFY(anchor->geometry().right() < chkKeepLook->geometry().left());
        QVERIFY(std::abs(anchor->geometry().center().y() - chkKeepLook->geometry().center().y()) <= 4);
        // "All supported" disables the boxes; the kept profile shows as clear.
        QCOMPARE(iccState(w.get()), u"clear disabled | Next"_s);

        // The ICC box follows the option, remembers the user's own tick, and Next needs a
        // box that removes something.
        auto *chkCleanICC = guitest::child<QCheckBox>(*w, "chkCleanICC");
        auto *chkCleanXMP = guitest::child<QCheckBox>(*w, "chkCleanXMP");
        guitest::child<QCheckBox>(*w, "chkCleanAll")->click();
        QCOMPARE(iccState(w.get()), u"clear disabled | Next"_s);
        chkKeepLook->click();
        QCOMPARE(iccState(w.get()), u"ticked enabled | Next"_s);
        chkCleanICC->click();
        QCOMPARE(iccState(w.get()), u"clear enabled | Next"_s);
        chkKeepLook->click();
        QCOMPARE(iccState(w.get()), u"clear disabled | Next"_s);
        chkKeepLook->click();
        QCOMPARE(iccState(w.get()), u"clear enabled | Next"_s);
        chkCleanICC->click();

        // Only the ICC box ticked: nothing to remove while the profile is kept.
        for (QCheckBox *box : w->findChildren<QCheckBox *>(QRegularExpression(u"^chkClean"_s)))
            box->setChecked(false);
        chkCleanICC->click();
        QCOMPARE(iccState(w.get()), u"ticked enabled | Next"_s);
        chkKeepLook->click();
        QCOMPARE(iccState(w.get()), u"clear disabled | no Next"_s);
        chkCleanXMP->click();
        QCOMPARE(iccState(w.get()), u"clear disabled | Next"_s);
        chkCleanXMP->click();
        chkKeepLook->click();
        QCOMPARE(iccState(w.get()), u"ticked enabled | Next"_s);
        // Leaving the page and coming back shows the same.
        chkKeepLook->click();
        w->goBack();
        w->goNext();
        QCOMPARE(iccState(w.get()), u"clear disabled | no Next"_s);
    }

    // The new key beside the old ones: the ICC key keeps the user's own tick, and a
    // file read and written again comes out byte for byte.
    void storedSetting_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("icc");
        QTest::newRow("kept, icc ticked") << true << true;
        QTest::newRow("kept, icc clear") << true << false;
        QTest::newRow("not kept, icc ticked") << false << true;
        QTest::newRow("not kept, icc clear") << false << false;
    }

    void storedSetting()
    {
        QFETCH(bool, keep);
        QFETCH(bool, icc);
        {
            auto w = m_box->windowAt(4, m_jpeg);
            guitest::child<QCheckBox>(*w, "chkCleanAll")->click();
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(false);
            guitest::child<QCheckBox>(*w, "chkCleanICC")->setChecked(icc);
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(keep);
            w->close();
        }
        const QByteArray first = guitest::readFile(m_box->iniPath());
        QVERIFY(first.startsWith("[Quillmark]\r\nchkKeepLook=" + QByteArray(keep ? "1" : "0") + "\r\n"));
        QVERIFY2(first.contains("\r\nchkCleanICC=" + QByteArray(icc ? "1" : "0") + "\r\n"), first.constData());

        auto w = m_box->windowAt(4, m_jpeg);
        QCOMPARE(guitest::child<QCheckBox>(*w, "chkKeepLook")->isChecked(), keep);
        QCOMPARE(guitest::child<QCheckBox>(*w, "chkCleanICC")->isChecked(), icc && !keep);
        QCOMPARE(guitest::child<QCheckBox>(*w, "chkCleanICC")->isEnabled(), !keep);
        if (keep) {
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(false);
            QCOMPARE(guitest::child<QCheckBox>(*w, "chkCleanICC")->isChecked(), icc);
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(true);
        }
        w->close();
        QCOMPARE(guitest::readFile(m_box->iniPath()), first);
    }

    // A whole run from the window: the option reaches the job.
    void run_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("kept") << true;
        QTest::newRow("not kept") << false;
    }

    void run()
    {
        QFETCH(bool, keep);
        const QString folder = m_box->imageFolder(
            keep ? u"run_kept"_s : u"run_not_kept"_s, {u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s});
        const QString in = folder + u"/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;
        testutil::runExifTool({u"-overwrite_original"_s, u"-Orientation#=6"_s, in});
        auto w = m_box->windowAt(4, in);
        guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(keep);
        QVERIFY(guitest::runToFinishedPage(*w));
        const QString out = folder + u"/jpeg_reagan_gps_xmp_iptc_icc_irb_adobe_cleaned.jpg"_s;
        QVERIFY(QFile::exists(out));
        QCOMPARE(
            testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-Orientation"_s, out}).trimmed(), keep ? u"6"_s : QString());
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-ProfileDescription"_s, out}).trimmed(),
            keep ? u"Adobe RGB (1998)"_s : QString());
        QVERIFY(!testutil::metadataGroups(out).contains(u"GPS"_s));
    }
};

QTEST_MAIN(TestGuiKeepLook)
#include "tst_gui_keeplook.moc"
