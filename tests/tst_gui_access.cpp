// The window for screen-reader and keyboard users, and its balloon tips. (Contrast, names
// and Alt letters on every page: tst_gui_layout's pages.)

#include "gui/BalloonTip.h"
#include "gui/FileListView.h"
#include "guitestutil.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;
using guitest::child;
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

QWidget *whatsThisPopup()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qstrcmp(top->metaObject()->className(), "QWhatsThat") == 0 && top->isVisible())
            return top;
    }
    return nullptr;
}

} // namespace

class TestGuiAccess final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_image;
    std::unique_ptr<QWidget> m_host;
    QLabel *m_anchor = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_image = m_box->imageFolder(u"images"_s, {u"png_exif_gps_xmp.png"_s}) + u"/png_exif_gps_xmp.png"_s;
        m_host = std::make_unique<QWidget>();
        m_anchor = new QLabel(u"anchor"_s, m_host.get());
        m_anchor->setGeometry(20, 20, 60, 20);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    // Every tip window goes with its object (and the window's with the window).
    void cleanup() { QTRY_COMPARE(tipWindowCount(), 0); }

    // Every tip anchor of the window has a balloon with a title and a text, and no plain
    // tooltip beside it; a control with a balloon also describes itself with its text.
    void balloonOnEveryAnchor()
    {
        auto w = m_box->window();
        QCOMPARE(tipWindowCount(), 20);
        for (int i = 0; i <= 17; ++i) {
            auto *widget = child<QWidget>(*w, u"picTooltip_%1"_s.arg(i));
            const BalloonTip *tip = w->tooltipOf(widget);
            QVERIFY(tip);
            QVERIFY(widget->toolTip().isEmpty()); // a balloon or a plain tooltip, never both
            QCOMPARE(tip->Title().isEmpty(), i == 14); // the unused anchor has an empty balloon
            QCOMPARE(tip->TipText().isEmpty(), i == 14);
        }
        QVERIFY(w->tooltipOf(child<QWidget>(*w, "cmdAddFolder")));
        const std::initializer_list<std::pair<const char *, const char *>> described
            = {{"chkCleanExif", "picTooltip_0"}, {"txtPrefix", "picTooltip_7"}, {"chkResetFileDates", "picTooltip_12"},
                {"optProcessingFail_1", "picTooltip_13"}, {"chkCleanAdobeApp14", "picTooltip_16"},
                {"cmdInput", "cmdInput"}};
        for (const auto &[control, anchor] : described) {
            const BalloonTip *tip = w->tooltipOf(child<QWidget>(*w, anchor));
            QVERIFY(tip);
            QVERIFY2(child<QWidget>(*w, control)->accessibleDescription().contains(tip->TipText()), control);
        }
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(child<QLabel>(*w, "picTooltip_0"));
        QCOMPARE(face ? face->text(QAccessible::Name) : QString(), u"Help: Exif"_s);
    }

    void showsAfterRestingAndHidesOnLeaving()
    {
        auto tip = std::make_unique<BalloonTip>();
        tip->setIcon(BalloonTip::IconInformation);
        tip->setDelayTime(100);
        tip->setTitle(u"Title"_s);
        tip->setTipText(u"Body"_s);
        tip->Create(m_anchor);
        QWidget *window = tip->tipWindow();
        enter(m_anchor);
        QVERIFY(!window->isVisible()); // not before the delay has passed
        QTRY_VERIFY(window->isVisible());
        QVERIFY(child<QWidget>(*window, "tipIcon")->isVisible());
        // Below the mouse, on the screen.
        QVERIFY(window->y() > m_anchor->mapToGlobal(QPoint(3, 3)).y());
        QVERIFY(m_host->screen()->availableGeometry().contains(window->geometry()));
        // A new text shows at once.
        tip->setTipText(u"New text"_s);
        QCOMPARE(child<QLabel>(*window, "tipText")->text(), u"New text"_s);
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

    void helpKey_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("shown"); // a piece of the help
        QTest::newRow("F1 on a tag box") << 4 << u"chkCleanExif"_s << 0 << u"Exif is the standard metadata tag"_s;
        QTest::newRow("Shift+F1 on the suffix")
            << 3 << u"txtSuffix"_s << int(Qt::ShiftModifier) << u"The suffix text is added AFTER"_s;
        QTest::newRow("F1 without help of its own")
            << 4 << u"cmdBack"_s << 0 << u"Decide which metadata tags you want to remove."_s;
    }

    // The balloons' texts are reachable from the keyboard: F1 or Shift+F1 shows the help
    // of the focused control.
    void helpKey()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(int, modifiers);
        QFETCH(QString, shown);
        auto w = m_box->windowAt(page, m_image);
        auto *target = child<QWidget>(*w, control);
        target->setEnabled(true);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
        // Qt itself answers Shift+F1 with the control's "What's This" text, which is the same help.
        const QString help = modifiers ? target->whatsThis() : w->lastHelpShown();
        QVERIFY2(help.contains(shown.toHtmlEscaped()), qPrintable(help));
        QTRY_VERIFY(whatsThisPopup());
        QTest::keyClick(whatsThisPopup(), Qt::Key_Escape);
        QTRY_VERIFY(!whatsThisPopup());
    }

    // Tab lands on the chosen option of a group, and the next Tab leaves the group.
    void tabOntoChosenOption()
    {
        auto w = m_box->windowAt(3, m_image);
        auto *optOutputMode_2 = child<QRadioButton>(*w, "optOutputMode_2");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        optOutputMode_2->setChecked(true);
        child<QPushButton>(*w, "cmdCancel")->setFocus(Qt::OtherFocusReason);
        for (int i = 0; i < 10 && !qobject_cast<QRadioButton *>(QApplication::focusWidget()); ++i) {
            QVERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE(QApplication::focusWidget(), optOutputMode_2);
        QTest::keyClick(optOutputMode_2, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QTRY_VERIFY(!qobject_cast<QRadioButton *>(QApplication::focusWidget()));
        // Backwards the same.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTRY_COMPARE(QApplication::focusWidget(), optOutputMode_2);
    }

    // An empty list that has the focus says so: the frame in the highlight colour.
    void emptyListShowsFocus()
    {
        auto w = m_box->window();
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        w->goNext();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QColor highlight = lwFiles->palette().color(QPalette::Highlight);
        const auto highlighted = [&] {
            const QImage picture = lwFiles->viewport()->grab().toImage();
            int count = 0;
            for (int x = 0; x < picture.width(); ++x)
                count += QColor(picture.pixel(x, picture.height() / 2)).rgb() == highlight.rgb() ? 1 : 0;
            for (int y = 0; y < picture.height(); ++y)
                count += QColor(picture.pixel(1, y)).rgb() == highlight.rgb() ? 1 : 0;
            return count;
        };
        QCOMPARE(highlighted(), 0);
        lwFiles->setFocus();
        QTRY_VERIFY(lwFiles->hasFocus());
        QVERIFY(highlighted() > 0);
        QVERIFY(!static_cast<FileListView *>(lwFiles)->emptyText().isEmpty());
    }
};

QTEST_MAIN(TestGuiAccess)
#include "tst_gui_access.moc"
