// Start-up and shutdown of the real window against a portable settings.ini; the window's
// place is checked under Xvfb and openbox when present, whose frame offscreen lacks.
// (Values and folders that are skipped: tst_settings, which reads the file the window reads.)

#include "core/SettingsStore.h"
#include "guitestutil.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

constexpr char underWindowManager[] = "QUILLMARK_POSITION_UNDER_WM";

} // namespace

class TestGuiSettings final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QProcess m_manager;
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
        if (qEnvironmentVariableIsSet(underWindowManager)) {
            m_manager.start(QStandardPaths::findExecutable(u"openbox"_s), {u"--sm-disable"_s});
            QVERIFY2(m_manager.waitForStarted(10000), "openbox did not start");
            // Framing starts once openbox is up: probe windows until one is framed.
            bool frames = false;
            for (int attempt = 0; attempt < 50 && !frames; ++attempt) {
                QWidget probe;
                probe.resize(100, 60);
                probe.show();
                frames = QTest::qWaitForWindowExposed(&probe, 2000)
                    && QTest::qWaitFor([&] { return probe.windowHandle()->frameMargins().top() > 0; }, 200);
            }
            QVERIFY2(frames, "openbox does not frame the windows");
        }
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_image = m_box->imageFolder(u"images"_s, {u"png_exif_gps_xmp.png"_s}) + u"/png_exif_gps_xmp.png"_s;
    }

    void cleanupTestCase()
    {
        if (m_manager.state() != QProcess::NotRunning) {
            m_manager.terminate();
            m_manager.waitForFinished(5000);
        }
    }

    void init() { QFile::remove(m_box->iniPath()); }

    void roundTrip()
    {
        const QByteArray lastDir = m_box->path(u"last"_s).toUtf8();
        QDir().mkpath(QString::fromUtf8(lastDir));
        const QPoint at(primary().x() + 30, primary().y() + 45);
        // Each key set on its control (a box by its name, an option by its name and number).
        // resizableWindow has no control, and the date parts are taken as stored (the date
        // entry checks only what is typed): they go out as they came in. The ICC tick is
        // the person's own, kept while the colour profile is kept and not shown.
        const QList<QByteArray> lines = {"optOutputMode=1", "txtOutput=" + m_box->path(u"out"_s).toUtf8(),
            "txtPrefix=p ", "txtSuffix==s[", "chkCleanAll=0", "chkCleanXMP=0", "chkCleanAdobeApp14=1", "chkCleanICC=1",
            "chkKeepLook=1", "chkResetFileDates=1", "chkSkipReadyPage=1", "chkDeleteFileOnFail=1",
            "optProcessingFail=1", "txtProcessingFailFolder=" + m_box->path(u"failed"_s).toUtf8(), "SetDate_Mode=0",
            "SetDate_Year=2001", "SetDate_Month=12.4", "sLastDir=" + lastDir + '/', "sLastAddDir=" + lastDir,
            "Left=" + QByteArray::number(at.x() * 15), "Top=" + QByteArray::number(at.y() * 15), "resizableWindow=1"};
        QVERIFY(guitest::writeFile(
            m_box->iniPath(), ini({{"resizableWindow", "1"}, {"SetDate_Year", "2001"}, {"SetDate_Month", "12.4"}})));
        {
            auto w = m_box->window();
            guitest::child<QCheckBox>(*w, "chkKeepLook")->setChecked(false);
            for (const QByteArray &line : lines) {
                const QString key = QString::fromUtf8(line.left(line.indexOf('=')));
                const QString value = QString::fromUtf8(line.mid(line.indexOf('=') + 1));
                if (key.startsWith(u"chk"))
                    guitest::child<QCheckBox>(*w, key)->setChecked(value == u"1");
                else if (key.startsWith(u"txt"))
                    guitest::child<QLineEdit>(*w, key)->setText(value);
                else if (key.startsWith(u"opt"))
                    guitest::child<QRadioButton>(*w, key + u'_' + value)->setChecked(true);
            }
            guitest::child<QRadioButton>(*w, "optDate_0")->setChecked(true);
            w->sLastDir = QString::fromUtf8(lastDir) + u'/';
            w->sLastAddDir = QString::fromUtf8(lastDir);
            w->move(at);
            w->close();
        }
        const QByteArray first = guitest::readFile(m_box->iniPath());
        QVERIFY(first.startsWith("[Quillmark]\r\nEngine=auto\r\nchkKeepLook=1\r\n"));
        for (const QByteArray &line : lines)
            QVERIFY2(first.contains("\r\n" + line + "\r\n"), line.constData());

        // Read back, the controls follow their check boxes, and the file comes out the same.
        auto w = m_box->window();
        QVERIFY(guitest::child<QRadioButton>(*w, "optDate_0")->isEnabled()
            && guitest::child<QPushButton>(*w, "cmdProcessingFailBrowse")->isEnabled());
        QCOMPARE(w->pos(), at);
        auto *chkKeepLook = guitest::child<QCheckBox>(*w, "chkKeepLook");
        auto *chkCleanICC = guitest::child<QCheckBox>(*w, "chkCleanICC");
        QVERIFY(chkKeepLook->isChecked() && !chkCleanICC->isChecked());
        chkKeepLook->setChecked(false);
        QVERIFY(chkCleanICC->isChecked());
        chkKeepLook->setChecked(true);
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
        QTest::newRow("first start: centred") << INT_MIN << INT_MIN;
        QTest::newRow("left of and above the screen") << -3000 << -15;
        QTest::newRow("past the right and bottom edges") << 10000000 << 10000000;
    }

    void keptOnScreen()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        const QRect screen = primary();
        QVERIFY(left == INT_MIN
            || guitest::writeFile(m_box->iniPath(),
                ini({{"Left", QByteArray::number(left + screen.x() * 15)},
                    {"Top", QByteArray::number(top + screen.y() * 15)}})));
        auto w = m_box->window();
        const QRect frame = w->frameGeometry();
        if (left == INT_MIN) {
            // Portable mode; reading the settings created no file.
            QVERIFY(w->bPortable() && !QFile::exists(m_box->iniPath()));
            const QPoint off = frame.center() - screen.center();
            QVERIFY(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1);
            return;
        }
        // Moved just as far as it takes to be whole on the screen.
        const QRect room(screen.topLeft(), screen.size() - frame.size()); // where its corner may be
        QCOMPARE(frame.x(), std::clamp(screen.x() + left / 15, room.x(), room.x() + room.width()));
        QCOMPARE(frame.y(), std::clamp(screen.y() + top / 15, room.y(), room.y() + room.height()));
    }

    void positionUnderAWindowManager_data()
    {
        QTest::addColumn<QPoint>("stored"); // Left and Top in pixels
        QTest::addColumn<QPoint>("expected"); // where the frame's corner opens
        QTest::newRow("inside the screen") << QPoint(200, 423) << QPoint(200, 423);
        QTest::newRow("above and left of the screen") << QPoint(-300, -200) << QPoint(0, 0);
    }

    void positionUnderAWindowManager()
    {
        QFETCH(QPoint, stored);
        QFETCH(QPoint, expected);
        if (!qEnvironmentVariableIsSet(underWindowManager)) {
            // The case itself runs again under Xvfb with openbox.
            const QString xvfbRun = QStandardPaths::findExecutable(u"xvfb-run"_s);
            if (xvfbRun.isEmpty() || QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty()
                || QStandardPaths::findExecutable(u"openbox"_s).isEmpty())
                QSKIP("Xvfb, xvfb-run and openbox are needed to test the window position under a window "
                      "manager (tools/deps.sh installs them)");
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            env.insert(QString::fromLatin1(underWindowManager), u"1"_s);
            env.remove(u"QT_SCALE_FACTOR"_s);
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(xvfbRun,
                {u"-a"_s, u"-s"_s, u"-screen 0 1280x1024x24"_s, QCoreApplication::applicationFilePath(),
                    u"positionUnderAWindowManager:"_s + QString::fromLatin1(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(240000));
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
            return;
        }
        const int twips = 15; // at 96 dots per inch, which Xvfb reports
        QVERIFY(guitest::writeFile(m_box->iniPath(),
            ini({{"Left", QByteArray::number(stored.x() * twips)}, {"Top", QByteArray::number(stored.y() * twips)}})));
        QPoint where = expected;
        for (int start = 1; start <= 4; ++start) {
            auto w = m_box->window();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QTRY_VERIFY(w->windowHandle()->frameMargins().top() > 0);
            // The frame, title bar included, opens where the last start closed it.
            QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), where, 5000);
            QVERIFY2(w->screen()->geometry().contains(w->frameGeometry()), qPrintable(QString::number(start)));
            if (start == 2) {
                // Moved by the person between two starts.
                where = QPoint(317, 211);
                w->move(where);
                QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), where, 5000);
            }
            w->close();
            const QSettings ini(m_box->iniPath(), QSettings::IniFormat);
            QCOMPARE(
                QPoint(ini.value(u"Quillmark/Left"_s).toInt(), ini.value(u"Quillmark/Top"_s).toInt()) / twips, where);
        }
    }
};

QTEST_MAIN(TestGuiSettings)
#include "tst_gui_settings.moc"
