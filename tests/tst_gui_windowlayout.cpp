// The window's size rules on the real window: the least size, a fixed window unless the
// hidden resizableWindow setting asks otherwise, what moves and what grows when the
// window is made larger, the list columns that keep their width, the picture buttons,
// and the large-font warning that cannot apply on Linux.

#include "gui/WindowLayout.h"
#include "guitestutil.h"

#include <QHeaderView>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// The design's client area at 96 dots per inch (6855 x 5115 twips), and a growth of 1500 x 600 twips.
constexpr QSize designClient(457, 341);
constexpr int dw = 100, dh = 40;

// Where everything the resize rules speak of is, page by page ("page2/lwFiles").
std::map<QString, QRect> measure(CleanWizard &w)
{
    const QList<QList<QWidget *>> inside = {{},
        guitest::children(w, {"lwFiles", "lblNumFileAdded", "lblShowMetadataTip", "cmdRemoveAll", "cmdRemoveSelected"}),
        guitest::children(w, {"txtOutput", "cmdOutputBrowse"}), {},
        guitest::children(w, {"txtProcessingFailFolder", "cmdProcessingFailBrowse"}), {},
        guitest::children(w, {"ProgressBar"}), guitest::children(w, {"lwFilesCleaned", "lblLinkButton_5", "Image2"})};
    std::map<QString, QRect> boxes;
    for (int page = 1; page <= 8; ++page) {
        // Shown the way the wizard shows it, without running the job for pages 7 and 8.
        const bool side = page == 1 || page == 8;
        for (QWidget *p : guitest::pagePanels(w))
            p->setVisible(p == guitest::pagePanel(w, page));
        const QList<QWidget *> header = guitest::children(w, {"picFrameTop", "picSplashTop", "Line1", "Line2"});
        for (QWidget *h : header)
            h->setVisible(!side);
        guitest::child<QLabel>(w, "picSplash")->setVisible(side);
        const QList<QWidget *> measured = QList<QWidget *> {guitest::pagePanel(w, page)}
            + guitest::children(w, {"cmdBack", "cmdNext", "cmdCancel", "Line3", "Line4"})
            + (side ? QList<QWidget *>() : header);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        for (QWidget *widget : measured + inside.at(page - 1)) {
            const QString name = widget == guitest::pagePanel(w, page) ? u"panel"_s : widget->objectName();
            boxes[u"page%1/%2"_s.arg(page).arg(name)] = QRect(widget->mapTo(&w, QPoint(0, 0)), widget->size());
        }
    }
    return boxes;
}

} // namespace

class TestGuiWindowLayout final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // A shown window; null when it could not be made.
    std::unique_ptr<CleanWizard> window(bool resizable)
    {
        if (!guitest::writeFile(m_box->iniPath(), resizable ? "[Quillmark]\r\nresizableWindow=1\r\n" : ""))
            return nullptr;
        auto w = m_box->window();
        return QTest::qWaitForWindowExposed(w.get()) ? std::move(w) : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
    }

    void fixedWindow()
    {
        auto w = window(false);
        QVERIFY(w);
        const QSize size = w->size();
        QVERIFY(w->minimumSize() == size && w->maximumSize() == size && !w->isSizeGripEnabled());
        w->resize(size + QSize(dw, dh));
        QCoreApplication::processEvents();
        QCOMPARE(w->size(), size);
    }

    void leastSize()
    {
        auto w = window(true);
        QVERIFY(w);
        const QSize least = w->minimumSize();
        // The design size, or what the pages need with the desktop's fonts, if more.
        QVERIFY(least.width() >= designClient.width() && least.height() >= designClient.height());
        QCOMPARE(w->size(), least);
        QVERIFY(w->isSizeGripEnabled() && w->maximumWidth() > least.width() && w->maximumHeight() > least.height());
        // Too small snaps back, each direction on its own.
        w->resize(least.width() - 50, least.height() + dh);
        QTRY_COMPARE(w->size(), QSize(least.width(), least.height() + dh));
        w->resize(least.width() + dw, 10);
        QTRY_COMPARE(w->size(), QSize(least.width() + dw, least.height()));
        // Every page still fits at the least size (nothing squeezed below its own minimum).
        QVERIFY(w->layout()->totalMinimumSize().width() <= least.width());
    }

    void growingWindow()
    {
        auto w = window(true);
        auto *picSplash = guitest::child<QLabel>(*w, "picSplash");
        QVERIFY(w);
        const QSize least = w->size();
        const int filesColumn = guitest::child<QTreeView>(*w, "lwFiles")->header()->sectionSize(0);
        const int cleanedColumn = guitest::child<QTreeView>(*w, "lwFilesCleaned")->header()->sectionSize(0);
        const auto before = measure(*w);
        // The columns start as wide as their list less room for a scroll bar.
        QCOMPARE(filesColumn, before.at(u"page2/lwFiles"_s).width() - WindowLayout::listColumnInset);
        QCOMPARE(cleanedColumn, before.at(u"page8/lwFilesCleaned"_s).width() - WindowLayout::listColumnInset);

        w->resize(least + QSize(dw, dh));
        QTRY_COMPARE(w->size(), least + QSize(dw, dh));
        const auto after = measure(*w);
        QCOMPARE(after.size(), before.size());
        QVERIFY(before.size() > 80);

        // How each widget moves and grows; the buttons keep their distance from the bottom right.
        const QList<std::tuple<QStringList, QPoint, QSize>> rules = {
            {{u"cmdBack"_s, u"cmdNext"_s, u"cmdCancel"_s, u"lblNumFileAdded"_s}, {dw, dh}, {0, 0}},
            {{u"Line3"_s, u"Line4"_s}, {0, dh}, {dw, 0}},
            {{u"picFrameTop"_s, u"Line1"_s, u"Line2"_s, u"txtOutput"_s, u"txtProcessingFailFolder"_s, u"ProgressBar"_s},
                {0, 0}, {dw, 0}},
            {{u"picSplashTop"_s, u"cmdOutputBrowse"_s, u"cmdProcessingFailBrowse"_s}, {dw, 0}, {0, 0}},
            {{u"panel"_s, u"lwFiles"_s, u"lwFilesCleaned"_s}, {0, 0}, {dw, dh}},
            {{u"lblShowMetadataTip"_s, u"cmdRemoveAll"_s, u"cmdRemoveSelected"_s, u"lblLinkButton_5"_s, u"Image2"_s},
                {0, dh}, {0, 0}}};
        QStringList wrong;
        for (const auto &[key, box] : before) {
            const QString name = key.section(u'/', 1);
            const auto rule = std::find_if(
                rules.cbegin(), rules.cend(), [&](const auto &r) { return std::get<0>(r).contains(name); });
            if (rule == rules.cend()
                || after.at(key) != QRect(box.topLeft() + std::get<1>(*rule), box.size() + std::get<2>(*rule)))
                wrong << key;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(u"not by the rules: "_s + wrong.join(u", "_s)));

        // The count stays right-aligned under the list; the picture buttons stay at its foot.
        const QRect list = after.at(u"page2/lwFiles"_s);
        const QRect count = after.at(u"page2/lblNumFileAdded"_s);
        QVERIFY(count.right() == list.right() && count.top() > list.bottom());
        QVERIFY(qAbs(after.at(u"page2/cmdRemoveAll"_s).bottom() - list.bottom()) <= 1);
        // The columns keep their width.
        QCOMPARE(guitest::child<QTreeView>(*w, "lwFiles")->header()->sectionSize(0), filesColumn);
        QCOMPARE(guitest::child<QTreeView>(*w, "lwFilesCleaned")->header()->sectionSize(0), cleanedColumn);
        // The side picture is drawn anew for the taller panel, not stretched.
        QCOMPARE(picSplash->pixmap().deviceIndependentSize().toSize(), picSplash->size());
    }

    // Drawn at the device's pixels for each scale, not scaled up; grey when disabled.
    void pictureButtons()
    {
        auto w = window(false);
        QVERIFY(w);
        for (const QPushButton *button : guitest::children<QPushButton>(*w,
                 {"cmdInput", "cmdAddFolder", "cmdRemoveSelected", "cmdRemoveAll", "cmdOutputBrowse",
                     "cmdProcessingFailBrowse"})) {
            for (qreal ratio : {1.0, 1.25, 1.5}) {
                const QImage colours = button->icon().pixmap(QSize(16, 16), ratio, QIcon::Normal).toImage();
                const QImage greys = button->icon().pixmap(QSize(16, 16), ratio, QIcon::Disabled).toImage();
                QCOMPARE(colours.size(), QSize(qRound(16 * ratio), qRound(16 * ratio)));
                QVERIFY2(!colours.allGray() && greys.allGray(), qPrintable(button->objectName()));
            }
        }
    }

    // Linux has neither the Windows version nor its font table: never a warning.
    void noFontWarningOnLinux()
    {
        auto w = window(false);
        QVERIFY(w);
        guitest::activate(w.get());
        QVERIFY(guitest::recordedTexts(Prompts::Kind::Message).isEmpty());
        QVERIFY(!w->bFontSizeWarningShown);
    }
};

QTEST_MAIN(TestGuiWindowLayout)
#include "tst_gui_windowlayout.moc"
