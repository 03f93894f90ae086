// Start-up and shutdown of the real window against a portable settings.ini: the file a
// first start's close writes, round trips that leave the file byte-identical (the keep-look
// and ICC boxes among them), an oversized file left alone, and the window kept on the
// primary screen. (Values and folders that are skipped: tst_settings, which reads the file
// the window reads.)

#include "core/SettingsStore.h"
#include "guitestutil.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

class TestGuiSettings final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_image;

    static QByteArray ini(const QList<QPair<QByteArray, QByteArray>> &keys)
    {
        QByteArray text = "[Quillmark]\r\n";
        for (const auto &[key, value] : keys)
            text += key + '=' + value + "\r\n";
        return text;
    }

    static QRect primary() { return QGuiApplication::primaryScreen()->geometry(); }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_image = m_box->imageFolder(u"images"_s, {u"png_exif_gps_xmp.png"_s}) + u"/png_exif_gps_xmp.png"_s;
    }

    void init() { QFile::remove(m_box->iniPath()); }

    void firstStart()
    {
        auto w = m_box->window();
        // Portable mode; reading the settings created no file.
        QVERIFY(w->bPortable() && !QFile::exists(m_box->iniPath()));
        // Centred on the primary screen.
        const QRect frame = w->frameGeometry();
        QVERIFY(std::abs(frame.center().x() - primary().center().x()) <= 1);
        QVERIFY(std::abs(frame.center().y() - primary().center().y()) <= 1);

        // A close writes every key with its default (the controls started from them), each new
        // key at the top of the section.
        w->close();
        QByteArray expected;
        for (const SettingsCatalogue::Key &k : SettingsCatalogue::saveOrder()) {
            const QString name = QString::fromUtf16(k.name);
            QString value = k.defaultValue ? QString::fromUtf16(k.defaultValue) : w->systemFolders().sMyPictures;
            if (name == u"Left" || name == u"Top")
                value = QString::number(std::lround((name == u"Left" ? frame.x() : frame.y()) * 15.0));
            expected.prepend((name + u'=' + value).toUtf8() + "\r\n");
        }
        QCOMPARE(guitest::readFile(m_box->iniPath()), "[Quillmark]\r\n" + expected);
    }

    void roundTrip()
    {
        const QString lastDir = m_box->path(u"last"_s);
        QDir().mkpath(lastDir);
        // resizableWindow has no control, and the date parts are taken as stored (the date
        // entry checks only what is typed): they go out as they came in.
        QVERIFY(guitest::writeFile(
            m_box->iniPath(), ini({{"resizableWindow", "1"}, {"SetDate_Year", "2001"}, {"SetDate_Month", "12.4"}})));
        {
            auto w = m_box->window();
            guitest::child<QRadioButton>(*w, "optOutputMode_1")->setChecked(true);
            guitest::child<QLineEdit>(*w, "txtOutput")->setText(m_box->path(u"out"_s));
            guitest::child<QLineEdit>(*w, "txtPrefix")->setText(u"p "_s);
            guitest::child<QLineEdit>(*w, "txtSuffix")->setText(u"=s["_s);
            w->sLastDir = lastDir + u'/';
            w->sLastAddDir = lastDir;
            guitest::child<QCheckBox>(*w, "chkCleanAll")->setChecked(false);
            guitest::child<QCheckBox>(*w, "chkCleanXMP")->setChecked(false);
            guitest::child<QCheckBox>(*w, "chkCleanAdobeApp14")->setChecked(true);
            guitest::child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
            guitest::child<QRadioButton>(*w, "optDate_0")->setChecked(true);
            guitest::child<QCheckBox>(*w, "chkSkipReadyPage")->setChecked(true);
            guitest::child<QCheckBox>(*w, "chkDeleteFileOnFail")->setChecked(true);
            guitest::child<QRadioButton>(*w, "optProcessingFail_1")->setChecked(true);
            guitest::child<QLineEdit>(*w, "txtProcessingFailFolder")->setText(m_box->path(u"failed"_s));
            w->move(primary().x() + 30, primary().y() + 45);
            w->close();
        }
        // Each value as it was set.
        const QByteArray first = guitest::readFile(m_box->iniPath());
        const QByteArray left = QByteArray::number((primary().x() + 30) * 15);
        const QByteArray top = QByteArray::number((primary().y() + 45) * 15);
        for (const QByteArray &line :
            QList<QByteArray> {"optOutputMode=1", "txtOutput=" + m_box->path(u"out"_s).toUtf8(), "txtPrefix=p ",
                "txtSuffix==s[", "sLastDir=" + lastDir.toUtf8() + '/', "sLastAddDir=" + lastDir.toUtf8(),
                "chkCleanAll=0", "chkCleanXMP=0", "chkCleanAdobeApp14=1", "chkResetFileDates=1", "SetDate_Mode=0",
                "SetDate_Year=2001", "SetDate_Month=12.4", "chkSkipReadyPage=1", "chkDeleteFileOnFail=1",
                "optProcessingFail=1", "txtProcessingFailFolder=" + m_box->path(u"failed"_s).toUtf8(), "Left=" + left,
                "Top=" + top, "resizableWindow=1"})
            QVERIFY2(first.contains("\r\n" + line + "\r\n"), line.constData());

        // Read back, the controls follow their check boxes, and the file comes out the same.
        auto w = m_box->window();
        QVERIFY(guitest::child<QRadioButton>(*w, "optDate_0")->isEnabled()
            && guitest::child<QPushButton>(*w, "cmdProcessingFailBrowse")->isEnabled());
        QCOMPARE(w->pos(), QPoint(primary().x() + 30, primary().y() + 45));
        w->close();
        QCOMPARE(guitest::readFile(m_box->iniPath()), first);
    }

    // The keep-look key beside the ICC key, which keeps the person's own tick while the
    // profile is kept and shows again when it is not; read and written again, byte for byte.
    void keepLookAndIcc_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("icc");
        QTest::newRow("kept, icc ticked") << true << true;
        QTest::newRow("kept, icc clear") << true << false;
        QTest::newRow("not kept, icc ticked") << false << true;
        QTest::newRow("not kept, icc clear") << false << false;
    }

    void keepLookAndIcc()
    {
        QFETCH(bool, keep);
        QFETCH(bool, icc);
        {
            auto w = m_box->windowAt(4, m_image);
            guitest::child<QCheckBox>(*w, "chkCleanAll")->click();
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(false);
            guitest::child<QCheckBox>(*w, "chkCleanICC")->setChecked(icc);
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(keep);
            w->close();
        }
        const QByteArray first = guitest::readFile(m_box->iniPath());
        QVERIFY(first.startsWith("[Quillmark]\r\nchkKeepLook=" + QByteArray(keep ? "1" : "0") + "\r\n"));
        QVERIFY2(first.contains("\r\nchkCleanICC=" + QByteArray(icc ? "1" : "0") + "\r\n"), first.constData());

        auto w = m_box->windowAt(4, m_image);
        auto *chkKeepLook = guitest::child<QCheckBox>(*w, "chkKeepLook");
        auto *chkCleanICC = guitest::child<QCheckBox>(*w, "chkCleanICC");
        QVERIFY(chkKeepLook->isChecked() == keep && chkCleanICC->isChecked() == (icc && !keep)
            && chkCleanICC->isEnabled() == !keep);
        if (keep) {
            chkKeepLook->setChecked(false);
            QCOMPARE(chkCleanICC->isChecked(), icc);
            chkKeepLook->setChecked(true);
        }
        w->close();
        QCOMPARE(guitest::readFile(m_box->iniPath()), first);
    }

    // A settings file over 1 MB: the window starts on the defaults, says so once, and
    // leaves the file alone when it closes.
    void oversizedFileIsLeftAlone()
    {
        QByteArray bytes = ini({{"optOutputMode", "0"}, {"txtSuffix", "_stored"}});
        while (bytes.size() <= SettingsStore::maximumFileSize)
            bytes += ';' + QByteArray(998, 'x') + "\r\n";
        QVERIFY(guitest::writeFile(m_box->iniPath(), bytes));
        Prompts::takeRecords();
        auto w = m_box->window();
        auto *txtSuffix = guitest::child<QLineEdit>(*w, "txtSuffix");
        QVERIFY(guitest::child<QRadioButton>(*w, "optOutputMode_3")->isChecked());
        QCOMPARE(txtSuffix->text(), u"_cleaned"_s);
        QStringList messages;
        QTRY_VERIFY(!(messages += guitest::recordedTexts(Prompts::Kind::Message)).isEmpty());
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(u"The settings file "_s + m_box->iniPath() + u" is larger than 1 MB"_s),
            qPrintable(messages.first()));
        txtSuffix->setText(u"_changed"_s);
        w->close();
        QCOMPARE(guitest::readFile(m_box->iniPath()), bytes);
        QVERIFY(guitest::recordedTexts(Prompts::Kind::Message).isEmpty());
    }

    void keptOnScreen_data()
    {
        QTest::addColumn<int>("left"); // twips from the screen's corner
        QTest::addColumn<int>("top");
        QTest::newRow("left of and above the screen") << -3000 << -15;
        QTest::newRow("past the right and bottom edges") << 10000000 << 10000000;
        QTest::newRow("inside") << 150 << 300;
    }

    void keptOnScreen()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        const QRect screen = primary();
        QVERIFY(guitest::writeFile(m_box->iniPath(),
            ini({{"Left", QByteArray::number(left + screen.x() * 15)},
                {"Top", QByteArray::number(top + screen.y() * 15)}})));
        auto w = m_box->window();
        // Moved just as far as it takes to be whole on the screen.
        const QRect frame = w->frameGeometry();
        const QRect room(screen.topLeft(), screen.size() - frame.size()); // where its corner may be
        QCOMPARE(frame.x(), std::clamp(screen.x() + left / 15, room.x(), room.x() + room.width()));
        QCOMPARE(frame.y(), std::clamp(screen.y() + top / 15, room.y(), room.y() + room.height()));
    }
};

QTEST_MAIN(TestGuiSettings)
#include "tst_gui_settings.moc"
