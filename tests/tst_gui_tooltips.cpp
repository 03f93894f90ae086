// The balloon tips: one tip window however often it is rebuilt, showing after the mouse
// rests and hiding when it leaves, the wrapping, and the window's
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

    // The window's balloons wrap at the default width, the text's line breaks honoured.
    void wrapping()
    {
        BalloonTip tip;
        const QString paragraph = u"A paragraph long enough to need more than one line at the default width. "_s
                                  u"It goes on for a while, as the option texts do."_s;
        tip.setTipText(paragraph + u"\r\n\r\n"_s + paragraph);
        tip.Create(m_anchor);
        QLabel *text = tipLabel(tip, "tipText");
        QVERIFY(text->wordWrap());
        QCOMPARE(text->maximumWidth(), 320);
        QCOMPARE(text->text().count(u'\n') + text->text().count(u'\r'), 2);
        text->window()->adjustSize();
        QVERIFY(text->width() <= 320);
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
