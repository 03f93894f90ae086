// The balloon tips: one tip window however often it is rebuilt, showing after the mouse
// rests and hiding when it leaves, the colours and the wrapping rules, and the window's
// balloons, one on every anchor.

#include "gui/BalloonTip.h"
#include "guitestutil.h"

#include <QApplication>
#include <QScreen>

using namespace Qt::StringLiterals;
using guitest::enter;
using guitest::leave;

namespace {

// The tip windows that exist, shown or not.
int tipWindowCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == u"CTooltipWindow" ? 1 : 0;
    return count;
}

QLabel *tipLabel(const BalloonTip &tip, const char *name)
{
    return tip.tipWindow() ? tip.tipWindow()->findChild<QLabel *>(QString::fromLatin1(name)) : nullptr;
}

} // namespace

class TestGuiTooltips final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    std::unique_ptr<QWidget> m_host;
    QLabel *m_anchor = nullptr;

    // A tip with the window's settings for a balloon, on the test's own anchor.
    std::unique_ptr<BalloonTip> ownBalloon(int delay, int visibleTime = 5000)
    {
        auto tip = std::make_unique<BalloonTip>();
        tip->setStyle(BalloonTip::StyleBalloon);
        tip->setIcon(BalloonTip::IconInformation);
        tip->setDelayTime(delay);
        tip->setVisibleTime(visibleTime);
        tip->setTitle(u"Title"_s);
        tip->setTipText(u"Body"_s);
        tip->Create(m_anchor);
        return tip;
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_host = std::make_unique<QWidget>();
        m_anchor = new QLabel(u"anchor"_s, m_host.get());
        m_anchor->setGeometry(20, 20, 60, 20);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    // Every tip window goes with its object (and the window's with the window).
    void cleanup() { QTRY_COMPARE(tipWindowCount(), 0); }

    void createIsRepeatable()
    {
        BalloonTip tip;
        for (int i = 0; i < 3; ++i)
            tip.Create(m_anchor);
        QCOMPARE(tipWindowCount(), 1);
        QVERIFY(tip.tipWindow()->windowFlags().testFlag(Qt::ToolTip));
    }

    // Colours are 0x00BBGGRR, 0 before Create keeps the desktop's; after Create colours
    // apply at once, black included, and a title only together with an icon.
    void coloursAndTitle()
    {
        auto tip = ownBalloon(50);
        const auto colour = [&tip](QPalette::ColorRole role) { return tip->tipWindow()->palette().color(role); };
        const QPalette desktop = QApplication::palette(tip->tipWindow());
        QCOMPARE(colour(QPalette::Window), desktop.color(QPalette::ToolTipBase));
        QCOMPARE(colour(QPalette::WindowText), desktop.color(QPalette::ToolTipText));
        tip->setForeColor(0x0000FF);
        tip->setBackColor(0xC0FFC0);
        tip->Create(m_anchor);
        QVERIFY(tipLabel(*tip, "tipTitle")->font().bold());
        QCOMPARE(colour(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(colour(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
        tip->setForeColor(0);
        QCOMPARE(colour(QPalette::WindowText), QColor(0, 0, 0));

        tip->setIcon(BalloonTip::IconNone);
        tip->setTitle(u"Second"_s);
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"Title"_s);
        tip->setIcon(BalloonTip::IconWarning);
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"Second"_s);
    }

    void showsAfterRestingAndHidesOnLeaving()
    {
        auto tip = ownBalloon(100);
        QWidget *window = tip->tipWindow();
        enter(m_anchor);
        QVERIFY(!window->isVisible()); // not before the delay has passed
        QTRY_VERIFY(window->isVisible());
        QVERIFY(guitest::child<QWidget>(*window, "tipIcon")->isVisible());
        // Below the mouse, on the screen.
        QVERIFY(window->y() > m_anchor->mapToGlobal(QPoint(3, 3)).y());
        QVERIFY(m_host->screen()->availableGeometry().contains(window->geometry()));
        // A new text shows at once.
        tip->setTipText(u"New text"_s);
        QCOMPARE(tipLabel(*tip, "tipText")->text(), u"New text"_s);
        QVERIFY(window->isVisible());
        leave(m_anchor);
        QVERIFY(!window->isVisible());
        // A click on the anchor hides it too, and so does the anchor going with its page.
        for (bool click : {true, false}) {
            enter(m_anchor);
            QTRY_VERIFY(window->isVisible());
            click ? QTest::mouseClick(m_anchor, Qt::LeftButton) : m_anchor->hide();
            QVERIFY(!window->isVisible());
            leave(m_anchor);
        }
        m_anchor->show();
    }

    // After its visible time it goes, and comes back when the mouse does.
    void hidesAfterItsVisibleTime()
    {
        auto tip = ownBalloon(10, 300);
        enter(m_anchor);
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        QTRY_VERIFY(!tip->tipWindow()->isVisible());
        leave(m_anchor);
        enter(m_anchor);
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        leave(m_anchor);
    }

    void wrapping_data()
    {
        QTest::addColumn<bool>("wrapText");
        QTest::addColumn<int>("wrapLength");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("default") << true << 320 << true;
        QTest::newRow("33") << true << 33 << true;
        QTest::newRow("32") << true << 32 << false;
        QTest::newRow("wrap off") << false << 320 << false;
    }

    void wrapping()
    {
        QFETCH(bool, wrapText);
        QFETCH(int, wrapLength);
        QFETCH(bool, wraps);
        BalloonTip tip;
        tip.setWrapText(wrapText);
        tip.setWrapLength(static_cast<qint16>(wrapLength));
        const QString paragraph = u"A paragraph long enough to need more than one line at the default width. "_s
                                  u"It goes on for a while, as the option texts do."_s;
        tip.setTipText(paragraph + u"\r\n\r\n"_s + paragraph);
        tip.Create(m_anchor);
        QLabel *text = tipLabel(tip, "tipText");
        // Wrapped: at most the wrap length wide, the line breaks honoured. Else one line of any width.
        QCOMPARE(text->wordWrap(), wraps);
        QCOMPARE(text->maximumWidth(), wraps ? wrapLength : QWIDGETSIZE_MAX);
        QCOMPARE(text->text().count(u'\n') + text->text().count(u'\r'), wraps ? 2 : 0);
        text->window()->adjustSize();
        QVERIFY(!wraps || text->width() <= wrapLength);
        // A wrap setting changed after Create waits for the next Create.
        tip.setWrapText(!wrapText);
        QCOMPARE(tipLabel(tip, "tipText")->wordWrap(), wraps);
    }

    // Every tip anchor of the window has a balloon with a title and a text, and no plain
    // tooltip beside it.
    void everyAnchorHasItsBalloon()
    {
        auto w = m_box->window();
        QCOMPARE(tipWindowCount(), 20);
        for (int i = 0; i <= 17; ++i) {
            auto *widget = guitest::child<QWidget>(*w, u"picTooltip_%1"_s.arg(i));
            const BalloonTip *tip = w->tooltipOf(widget);
            QVERIFY(tip);
            QVERIFY(widget->toolTip().isEmpty()); // a balloon or a plain tooltip, never both
            QCOMPARE(tip->Title().isEmpty(), i == 14); // the unused anchor has an empty balloon
            QCOMPARE(tip->TipText().isEmpty(), i == 14);
        }
        QVERIFY(w->tooltipOf(guitest::child<QWidget>(*w, "cmdAddFolder")));
    }
};

QTEST_MAIN(TestGuiTooltips)
#include "tst_gui_tooltips.moc"
