// The window reopens exactly where it was closed, start after start, under a real X
// server with a window manager (Xvfb and openbox): there the window's position includes
// the frame the manager draws, which the offscreen platform does not have. Without Xvfb
// or openbox the test is skipped, saying so.

#include "guitestutil.h"

#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

constexpr char childVariable[] = "QUILLMARK_POSITION_UNDER_WM";

QPoint storedPosition(const QString &ini, int dpi)
{
    const QString text = QString::fromUtf8(guitest::readFile(ini));
    const auto value = [&](const QString &key) {
        const QRegularExpression line(u"(?m)^"_s + key + u"=(-?\\d+)\\r?$"_s);
        return line.match(text).captured(1).toInt();
    };
    return {static_cast<int>(std::lround(value(u"Left"_s) * dpi / 1440.0)),
        static_cast<int>(std::lround(value(u"Top"_s) * dpi / 1440.0))};
}

} // namespace

class TestGuiPosition final : public QObject {
    Q_OBJECT

private:
    QProcess m_manager;

    // True once the window manager frames new windows.
    static bool managerFrames()
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            QWidget probe;
            probe.resize(100, 60);
            probe.show();
            if (QTest::qWaitForWindowExposed(&probe, 2000)
                && QTest::qWaitFor([&] { return probe.windowHandle()->frameMargins().top() > 0; }, 200))
                return true;
        }
        return false;
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        if (qEnvironmentVariableIsSet(childVariable)) {
            m_manager.start(QStandardPaths::findExecutable(u"openbox"_s), {u"--sm-disable"_s});
            QVERIFY2(m_manager.waitForStarted(10000), "openbox did not start");
            QVERIFY2(managerFrames(), "openbox does not frame the windows");
        }
    }

    void cleanupTestCase()
    {
        if (m_manager.state() != QProcess::NotRunning) {
            m_manager.terminate();
            m_manager.waitForFinished(5000);
        }
    }

    void roundTrip_data()
    {
        QTest::addColumn<QPoint>("stored"); // Left and Top in pixels
        QTest::addColumn<QPoint>("expected"); // where the frame's corner opens
        QTest::newRow("inside the screen") << QPoint(200, 423) << QPoint(200, 423);
        QTest::newRow("above and left of the screen") << QPoint(-300, -200) << QPoint(0, 0);
    }

    void roundTrip()
    {
        QFETCH(QPoint, stored);
        QFETCH(QPoint, expected);
        if (!qEnvironmentVariableIsSet(childVariable)) {
            // The test itself runs again under Xvfb with openbox.
            const QString xvfbRun = QStandardPaths::findExecutable(u"xvfb-run"_s);
            if (xvfbRun.isEmpty() || QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty()
                || QStandardPaths::findExecutable(u"openbox"_s).isEmpty())
                QSKIP("Xvfb, xvfb-run and openbox are needed to test the window position under a window "
                      "manager (tools/deps.sh installs them)");
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            env.insert(QString::fromLatin1(childVariable), u"1"_s);
            env.remove(u"QT_SCALE_FACTOR"_s);
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(xvfbRun,
                {u"-a"_s, u"-s"_s, u"-screen 0 1280x1024x24"_s, QCoreApplication::applicationFilePath(),
                    u"roundTrip:"_s + QString::fromLatin1(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(240000));
            const QByteArray output = child.readAll();
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
            return;
        }

        guitest::Sandbox box;
        QVERIFY(box.isValid());
        const int twips = 15; // at 96 dots per inch, which Xvfb reports
        QVERIFY(guitest::writeFile(box.iniPath(),
            "[Quillmark]\r\nLeft=" + QByteArray::number(stored.x() * twips)
                + "\r\nTop=" + QByteArray::number(stored.y() * twips) + "\r\n"));
        QPoint where = expected;
        for (int start = 1; start <= 4; ++start) {
            const QString round = u"start "_s + QString::number(start);
            auto w = box.window();
            QCOMPARE(w->ScreenDPI(), 96);
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QTRY_VERIFY(w->windowHandle()->frameMargins().top() > 0);
            // The frame, title bar included, opens where the last start closed it.
            QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), where, 5000);
            QVERIFY2(w->screen()->geometry().contains(w->frameGeometry()), qPrintable(round));
            if (start == 2) {
                // Moved by the person between two starts.
                where = QPoint(317, 211);
                w->move(where);
                QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), where, 5000);
            }
            w->close();
            QCOMPARE(storedPosition(box.iniPath(), w->ScreenDPI()), where);
        }
    }
};

QTEST_MAIN(TestGuiPosition)
#include "tst_gui_position.moc"
