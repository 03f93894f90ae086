// Start-up and shutdown of the real window against a portable settings.ini: the first
// start's defaults, the file a close writes, a round trip that leaves the file
// byte-identical, stored values that are skipped, folders that no longer exist, and the
// window kept on the primary screen.

#include "app/modPortable.h"
#include "guitestutil.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

class TestGuiSettings final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    static QByteArray ini(const QList<QPair<QByteArray, QByteArray>> &keys)
    {
        QByteArray text = "[Quillmark]\r\n";
        for (const auto &[key, value] : keys)
            text += key + '=' + value + "\r\n";
        return text;
    }

    static QStringList keysInFile(const QByteArray &text)
    {
        QStringList keys;
        for (const QByteArray &line : text.split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                keys << QString::fromUtf8(line.left(eq));
        }
        return keys;
    }

    static QRect primary() { return QGuiApplication::primaryScreen()->geometry(); }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
    }

    void init() { QFile::remove(m_box->iniPath()); }

    void firstStart()
    {
        auto w = m_box->window();
        // Portable mode made the file at the first read.
        QVERIFY(w->bPortable());
        QVERIFY(QFile::exists(m_box->iniPath()));

        QVERIFY(w->optOutputMode[3]->isChecked());
        QCOMPARE(w->txtSuffix->text(), u"_cleaned"_s);
        QCOMPARE(w->txtPrefix->text(), u"cleaned_"_s);
        for (QCheckBox *box : {w->chkCleanAll, w->chkCleanExif, w->chkCleanExifGPS, w->chkCleanThumbnail,
                               w->chkCleanXMP, w->chkCleanIPTC, w->chkCleanICC, w->chkCleanPhotoshop,
                               w->chkCleanTiffIdf0, w->chkCleanGeoTiff, w->chkCleanOther})
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
        QVERIFY(!w->chkCleanAdobeApp14->isChecked());
        QVERIFY(!w->chkResetFileDates->isChecked());
        QVERIFY(w->optDate[1]->isChecked());
        QVERIFY(w->chkIgnoreMinorWarnings->isChecked());
        QVERIFY(!w->chkDeleteFileOnFail->isChecked());
        QVERIFY(w->optProcessingFail[0]->isChecked());
        QVERIFY(!w->chkSkipReadyPage->isChecked());
        QCOMPARE(w->sLastDir, w->systemFolders().sMyPictures);
        QCOMPARE(w->resizableWindow, 0);
        // Centred on the primary screen, and not resizable.
        const QRect frame = w->frameGeometry();
        QVERIFY(std::abs(frame.center().x() - primary().center().x()) <= 1);
        QVERIFY(std::abs(frame.center().y() - primary().center().y()) <= 1);
        QCOMPARE(w->minimumSize(), w->maximumSize());

        // A close writes all 35 keys, each new key at the top of the section.
        w->close();
        const QByteArray text = guitest::readFile(m_box->iniPath());
        QVERIFY(text.startsWith("[Quillmark]\r\nSetDate_Mode=1\r\n"));
        QVERIFY(text.endsWith("optOutputMode=3\r\n"));
        const QStringList keys = keysInFile(text);
        QCOMPARE(keys.size(), 35);
        QStringList expected;
        for (const SettingsCatalogue::Key &k : SettingsCatalogue::saveOrder())
            expected.prepend(QString::fromUtf16(k.name));
        QCOMPARE(keys, expected);
        QVERIFY(text.contains("\r\nLeft=" + QByteArray::number(std::lround(frame.x() * 15.0)) + "\r\n"));
        QVERIFY(text.contains("\r\nbFontSizeWarningShown=False\r\n"));
    }

    void roundTrip()
    {
        const QString lastDir = m_box->path(u"last"_s);
        QDir().mkpath(lastDir);
        {
            auto w = m_box->window();
            w->optOutputMode[1]->setChecked(true);
            w->txtOutput->setText(m_box->path(u"out"_s));
            w->txtPrefix->setText(u"p "_s);
            w->txtSuffix->setText(u"=s["_s);
            w->sLastDir = lastDir + u'/';
            w->sLastAddDir = lastDir;
            w->chkCleanAll->setChecked(false);
            w->chkCleanXMP->setChecked(false);
            w->chkCleanAdobeApp14->setChecked(true);
            w->chkResetFileDates->setChecked(true);
            w->optDate[0]->setChecked(true);
            w->fixedDate.sSetDateYear = u"2001"_s;
            w->fixedDate.sSetDateMonth = u"12.4"_s;
            w->chkSkipReadyPage->setChecked(true);
            w->chkDeleteFileOnFail->setChecked(true);
            w->optProcessingFail[1]->setChecked(true);
            w->txtProcessingFailFolder->setText(m_box->path(u"failed"_s));
            w->move(primary().x() + 30, primary().y() + 45);
            w->close();
        }
        const QByteArray first = guitest::readFile(m_box->iniPath());
        QVERIFY(first.contains("\r\nLeft=" + QByteArray::number((primary().x() + 30) * 15) + "\r\n"));
        QVERIFY(first.contains("\r\nTop=" + QByteArray::number((primary().y() + 45) * 15) + "\r\n"));

        auto w = m_box->window();
        QVERIFY(w->optOutputMode[1]->isChecked());
        QCOMPARE(w->txtOutput->text(), m_box->path(u"out"_s));
        QCOMPARE(w->txtPrefix->text(), u"p "_s);
        QCOMPARE(w->txtSuffix->text(), u"=s["_s);
        QCOMPARE(w->sLastDir, lastDir + u'/');
        QCOMPARE(w->sLastAddDir, lastDir);
        QVERIFY(!w->chkCleanAll->isChecked());
        QVERIFY(!w->chkCleanXMP->isChecked());
        QVERIFY(w->chkCleanAdobeApp14->isChecked());
        QVERIFY(w->chkResetFileDates->isChecked());
        QVERIFY(w->optDate[0]->isChecked());
        QVERIFY(w->optDate[0]->isEnabled());
        QCOMPARE(w->fixedDate.sSetDateYear, u"2001"_s);
        QCOMPARE(w->fixedDate.sSetDateMonth, u"12.4"_s);
        QVERIFY(w->chkSkipReadyPage->isChecked());
        QVERIFY(w->chkDeleteFileOnFail->isChecked());
        QVERIFY(w->optProcessingFail[1]->isChecked());
        QVERIFY(w->cmdProcessingFailBrowse->isEnabled());
        QCOMPARE(w->pos(), QPoint(primary().x() + 30, primary().y() + 45));
        w->close();
        QCOMPARE(guitest::readFile(m_box->iniPath()), first);
    }

    void skippedValues_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");

        QTest::newRow("output mode 7") << QByteArray("optOutputMode") << QByteArray("7");
        QTest::newRow("output mode text") << QByteArray("optOutputMode") << QByteArray("two");
        QTest::newRow("check box 2") << QByteArray("chkCleanAdobeApp14") << QByteArray("2");
        QTest::newRow("check box text") << QByteArray("chkCleanAdobeApp14") << QByteArray("yes");
        QTest::newRow("check box beyond 16 bits") << QByteArray("chkCleanAdobeApp14") << QByteArray("65537");
        QTest::newRow("date mode 5") << QByteArray("SetDate_Mode") << QByteArray("5");
        QTest::newRow("problem option -1") << QByteArray("optProcessingFail") << QByteArray("-1");
        QTest::newRow("left not a number") << QByteArray("Left") << QByteArray("left");
        QTest::newRow("warning flag") << QByteArray("bFontSizeWarningShown") << QByteArray("maybe");
        QTest::newRow("resizable text") << QByteArray("resizableWindow") << QByteArray("yes");
    }

    void skippedValues()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        // The bad key sits among good ones, which are still applied.
        QVERIFY(guitest::writeFile(m_box->iniPath(), ini({{"txtPrefix", "before_"}, {key, value},
                                                           {"txtSuffix", "_after"}})));
        auto w = m_box->window();
        QCOMPARE(w->txtPrefix->text(), u"before_"_s);
        QCOMPARE(w->txtSuffix->text(), u"_after"_s);
        QVERIFY(w->optOutputMode[3]->isChecked());
        QVERIFY(!w->chkCleanAdobeApp14->isChecked());
        QVERIFY(w->optDate[1]->isChecked());
        QVERIFY(w->optProcessingFail[0]->isChecked());
        QVERIFY(!w->bFontSizeWarningShown);
        QCOMPARE(w->resizableWindow, 0);
        const QRect frame = w->frameGeometry();
        QVERIFY(std::abs(frame.center().x() - primary().center().x()) <= 1);
    }

    void storedFolders()
    {
        const QString kept = m_box->path(u"kept"_s);
        const QString gone = m_box->path(u"gone"_s);
        QDir().mkpath(kept);
        QVERIFY(guitest::writeFile(m_box->iniPath(), ini({{"sLastDir", gone.toUtf8() + '/'},
                                                           {"sLastAddDir", kept.toUtf8()}})));
        auto w = m_box->window();
        QCOMPARE(w->sLastDir, QString());
        QCOMPARE(w->sLastAddDir, kept);
    }

    void keptOnScreen_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("expectLeft"); // "edge", "far" or "same"
        QTest::addColumn<QString>("expectTop");

        QTest::newRow("left of and above the screen") << -3000 << -15 << u"edge"_s << u"edge"_s;
        QTest::newRow("past the right and bottom edges") << 10000000 << 10000000 << u"far"_s << u"far"_s;
        QTest::newRow("inside") << 150 << 300 << u"same"_s << u"same"_s;
    }

    void keptOnScreen()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QString, expectLeft);
        QFETCH(QString, expectTop);
        const QRect screen = primary();
        QVERIFY(guitest::writeFile(
            m_box->iniPath(), ini({{"Left", QByteArray::number(left + screen.x() * 15)},
                                   {"Top", QByteArray::number(top + screen.y() * 15)}})));
        auto w = m_box->window();
        const QRect frame = w->frameGeometry();
        const auto expected = [](const QString &how, int stored, int origin, int screenSize, int windowSize) {
            if (how == u"edge")
                return origin;
            if (how == u"far")
                return origin + screenSize - windowSize;
            return origin + stored / 15;
        };
        QCOMPARE(frame.x(), expected(expectLeft, left, screen.x(), screen.width(), frame.width()));
        QCOMPARE(frame.y(), expected(expectTop, top, screen.y(), screen.height(), frame.height()));
    }

    void resizableWindow()
    {
        QVERIFY(guitest::writeFile(m_box->iniPath(), ini({{"resizableWindow", "1"}})));
        auto w = m_box->window();
        QCOMPARE(w->resizableWindow, 1);
        QVERIFY(w->maximumWidth() > w->minimumWidth());
        w->close();
        QVERIFY(guitest::readFile(m_box->iniPath()).contains("\r\nresizableWindow=1\r\n"));
    }

    void outsidePortableMode()
    {
        // Without the marker the window uses its per-user store (here a file of the test's
        // own) and leaves any settings.ini alone.
        guitest::Sandbox box;
        QVERIFY(QFile::remove(box.programFolder() + u"/PORTABLE"_s));
        const QString native = box.path(u"user/Quillmark.conf"_s);
        frmMainSetup s = box.setup();
        s.nativeSettingsPath = native;
        {
            frmMain w(s);
            QVERIFY(!w.bPortable());
            w.txtSuffix->setText(u"_native"_s);
            w.show();
            w.close();
        }
        QVERIFY(!QFile::exists(box.iniPath()));
        frmMain again(s);
        QCOMPARE(again.txtSuffix->text(), u"_native"_s);
    }
};

QTEST_MAIN(TestGuiSettings)
#include "tst_gui_settings.moc"
