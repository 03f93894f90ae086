// The window's size rules on the real window: the least size, a fixed window unless the
// hidden resizableWindow setting asks otherwise, what moves and what grows when the
// window is made larger, the list columns that keep their width, and the large-font
// warning that cannot apply on Linux.

#include "guitestutil.h"
#include "ui/Artwork.h"
#include "ui/WindowLayout.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// The design's client area at 96 dots per inch (6855 x 5115 twips).
constexpr QSize designClient(457, 341);
// 1500 and 600 twips.
constexpr int dw = 100;
constexpr int dh = 40;

using Boxes = std::map<QString, QRect>;

// Shows one page the way the wizard does, without running the job for pages 7 and 8.
void showOnly(frmMain &w, int page)
{
    const bool side = page == 1 || page == 8;
    for (QWidget *p : w.pages)
        p->hide();
    w.picSplash->setVisible(side);
    w.picFrameTop->setVisible(!side);
    w.Line1->setVisible(!side);
    w.Line2->setVisible(!side);
    w.pages.at(page - 1)->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

QRect boxOf(const frmMain &w, const QWidget *widget)
{
    return QRect(widget->mapTo(&w, QPoint(0, 0)), widget->size());
}

// Where everything the rules speak of is, page by page.
Boxes measure(frmMain &w)
{
    Boxes boxes;
    for (int page = 1; page <= 8; ++page) {
        showOnly(w, page);
        const QString p = u"page"_s + QString::number(page) + u'/';
        boxes[p + u"panel"_s] = boxOf(w, w.pages.at(page - 1));
        for (QWidget *chrome : std::initializer_list<QWidget *> {w.cmdBack, w.cmdNext, w.cmdCancel, w.Line3, w.Line4})
            boxes[p + chrome->objectName()] = boxOf(w, chrome);
        if (page != 1 && page != 8) {
            for (QWidget *chrome : std::initializer_list<QWidget *> {w.picFrameTop, w.picSplashTop, w.Line1, w.Line2})
                boxes[p + chrome->objectName()] = boxOf(w, chrome);
        }
        QList<QWidget *> inside;
        switch (page) {
        case 2:
            inside = {w.lwFiles, w.lblNumFileAdded, w.lblShowMetadataTip, w.cmdRemoveAll, w.cmdRemoveSelected};
            break;
        case 3:
            inside = {w.txtOutput, w.cmdOutputBrowse};
            break;
        case 5:
            inside = {w.txtProcessingFailFolder, w.cmdProcessingFailBrowse};
            break;
        case 7:
            inside = {w.ProgressBar};
            break;
        case 8:
            inside = {w.lwFilesCleaned, w.lblLinkButton[5], w.Image2};
            break;
        default:
            break;
        }
        for (QWidget *widget : inside)
            boxes[p + widget->objectName()] = boxOf(w, widget);
    }
    return boxes;
}

} // namespace

class TestGuiWindowLayout final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // A shown window; null when it could not be made.
    std::unique_ptr<frmMain> window(bool resizable)
    {
        if (!guitest::writeFile(m_box->iniPath(),
                resizable ? "[Quillmark]\r\nresizableWindow=1\r\n" : "[Quillmark]\r\nresizableWindow=0\r\n"))
            return nullptr;
        auto w = m_box->window();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        return w;
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
        QCOMPARE(w->minimumSize(), size);
        QCOMPARE(w->maximumSize(), size);
        QVERIFY(!w->isSizeGripEnabled());
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
        QVERIFY(least.width() >= designClient.width());
        QVERIFY(least.height() >= designClient.height());
        QCOMPARE(w->size(), least);
        QVERIFY(w->maximumWidth() > least.width() && w->maximumHeight() > least.height());
        QVERIFY(w->isSizeGripEnabled());

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
        QVERIFY(w);
        const QSize least = w->size();
        const int filesColumn = w->lwFiles->header()->sectionSize(0);
        const int cleanedColumn = w->lwFilesCleaned->header()->sectionSize(0);
        const Boxes before = measure(*w);
        // The columns start as wide as their list less room for a scroll bar.
        QCOMPARE(filesColumn, before.at(u"page2/lwFiles"_s).width() - WindowLayout::listColumnInset);
        QCOMPARE(cleanedColumn, before.at(u"page8/lwFilesCleaned"_s).width() - WindowLayout::listColumnInset);

        w->resize(least + QSize(dw, dh));
        QTRY_COMPARE(w->size(), least + QSize(dw, dh));
        const Boxes after = measure(*w);
        QCOMPARE(after.size(), before.size());
        QVERIFY(before.size() > 80);

        for (const auto &[key, box] : before) {
            const QString name = key.section(u'/', 1);
            const QRect now = after.at(key);
            QSize grows(0, 0);
            QPoint moves(0, 0);
            if (name == u"cmdBack" || name == u"cmdNext" || name == u"cmdCancel") {
                moves = QPoint(dw, dh); // the buttons keep their distance from the bottom right
            } else if (name == u"Line3" || name == u"Line4") {
                grows = QSize(dw, 0);
                moves = QPoint(0, dh);
            } else if (name == u"picFrameTop" || name == u"Line1" || name == u"Line2" || name == u"txtOutput"
                || name == u"txtProcessingFailFolder" || name == u"ProgressBar") {
                grows = QSize(dw, 0);
            } else if (name == u"picSplashTop" || name == u"cmdOutputBrowse" || name == u"cmdProcessingFailBrowse") {
                moves = QPoint(dw, 0);
            } else if (name == u"panel" || name == u"lwFiles" || name == u"lwFilesCleaned") {
                grows = QSize(dw, dh);
            } else if (name == u"lblNumFileAdded") {
                moves = QPoint(dw, dh);
            } else if (name == u"lblShowMetadataTip" || name == u"cmdRemoveAll" || name == u"cmdRemoveSelected"
                || name == u"lblLinkButton_5" || name == u"Image2") {
                moves = QPoint(0, dh);
            } else {
                QFAIL(qPrintable(u"no rule for "_s + key));
            }
            const QRect expected(box.topLeft() + moves, box.size() + grows);
            QVERIFY2(now == expected,
                qPrintable(key + u": expected "_s + QString::number(expected.x()) + u',' + QString::number(expected.y())
                    + u' ' + QString::number(expected.width()) + u'x' + QString::number(expected.height()) + u", is "_s
                    + QString::number(now.x()) + u',' + QString::number(now.y()) + u' ' + QString::number(now.width())
                    + u'x' + QString::number(now.height())));
        }

        // The count stays right-aligned under the list; the picture buttons stay at its foot.
        const QRect list = after.at(u"page2/lwFiles"_s);
        const QRect count = after.at(u"page2/lblNumFileAdded"_s);
        QCOMPARE(count.right(), list.right());
        QVERIFY(count.top() > list.bottom());
        QVERIFY(qAbs(after.at(u"page2/cmdRemoveAll"_s).bottom() - list.bottom()) <= 1);
        // The columns keep their width.
        QCOMPARE(w->lwFiles->header()->sectionSize(0), filesColumn);
        QCOMPARE(w->lwFilesCleaned->header()->sectionSize(0), cleanedColumn);
        // The side picture is drawn anew for the taller panel, not stretched.
        QCOMPARE(w->picSplash->pixmap().deviceIndependentSize().toSize(), w->picSplash->size());
    }

    // Every page still shows what it must at the larger size: an added file's name.
    void columnsShowNames()
    {
        auto w = window(true);
        QVERIFY(w);
        const QString folder = m_box->imageFolder(u"names"_s, {u"png_exif_gps_xmp.png"_s});
        w->cmdNext_Click();
        w->AddFile(folder + u"/png_exif_gps_xmp.png"_s);
        const QFontMetrics metrics(w->lwFiles->font());
        QVERIFY(w->lwFiles->header()->sectionSize(0) > metrics.horizontalAdvance(u"png_exif_gps_xmp.png"_s) + 20);
    }

    // The picture buttons draw their pictures for the size and scale asked for, and grey
    // when disabled, as the desktop's own disabled buttons look.
    void pictureButtons_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *name : {"cmdInput", "cmdAddFolder", "cmdRemoveSelected", "cmdRemoveAll", "cmdOutputBrowse",
                                 "cmdProcessingFailBrowse"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void pictureButtons()
    {
        QFETCH(QString, button);
        auto w = window(false);
        QVERIFY(w);
        const auto *picture = w->findChild<QPushButton *>(button);
        QVERIFY(picture);
        const QIcon icon = picture->icon();
        QVERIFY(!icon.isNull());
        for (qreal ratio : {1.0, 1.25, 1.5}) {
            const QPixmap normal = icon.pixmap(QSize(16, 16), ratio, QIcon::Normal);
            // Drawn at the device's pixels, not scaled up from a smaller picture.
            QCOMPARE(normal.size(), QSize(qRound(16 * ratio), qRound(16 * ratio)));
            const QImage colours = normal.toImage();
            const QImage greys = icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled).toImage();
            bool coloured = false;
            bool allGrey = true;
            for (int y = 0; y < colours.height(); ++y) {
                for (int x = 0; x < colours.width(); ++x) {
                    const QRgb c = colours.pixel(x, y);
                    const QRgb g = greys.pixel(x, y);
                    coloured = coloured || (qAlpha(c) > 0 && (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)));
                    allGrey = allGrey && qRed(g) == qGreen(g) && qGreen(g) == qBlue(g);
                }
            }
            QVERIFY(coloured);
            QVERIFY(allGrey);
        }
    }

    void programIcon()
    {
        auto w = window(false);
        QVERIFY(w);
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->windowIcon().pixmap(QSize(48, 48), 1.0).toImage(),
                 Artwork::icon(u"quillmark"_s).pixmap(QSize(48, 48), 1.0).toImage());
    }

    void fontWarningRule_data()
    {
        QTest::addColumn<bool>("windows7");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("twips");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("applies");
        QTest::newRow("all hold") << true << u"SSERIFF.FON"_s << 15 << false << true;
        QTest::newRow("lower case") << true << u"sseriff.fon"_s << 15 << false << true;
        QTest::newRow("longer entry") << true << u"SSERIFF.FONT"_s << 15 << false << true;
        QTest::newRow("other font") << true << u"SSERIFE.FON"_s << 15 << false << false;
        QTest::newRow("empty entry") << true << QString() << 15 << false << false;
        QTest::newRow("120 dpi") << true << u"SSERIFF.FON"_s << 12 << false << false;
        QTest::newRow("older Windows") << false << u"SSERIFF.FON"_s << 15 << false << false;
        QTest::newRow("once only") << true << u"SSERIFF.FON"_s << 15 << true << false;
    }

    void fontWarningRule()
    {
        QFETCH(bool, windows7);
        QFETCH(QString, entry);
        QFETCH(int, twips);
        QFETCH(bool, shown);
        QFETCH(bool, applies);
        WindowLayout::FontWarningFacts facts;
        facts.windows7OrLater = windows7;
        facts.sansSerifFontEntry = entry;
        facts.twipsPerPixel = twips;
        facts.alreadyShown = shown;
        QCOMPARE(WindowLayout::fontSizeWarningApplies(facts), applies);
    }

    // Linux has neither the Windows version nor its font table: never a warning.
    void noFontWarningOnLinux()
    {
        for (int dpi : {96, 120, 144}) {
            const WindowLayout::FontWarningFacts facts = WindowLayout::platformFontWarningFacts(dpi, false);
            QCOMPARE(facts.twipsPerPixel, 1440 / dpi);
            QVERIFY(!WindowLayout::fontSizeWarningApplies(facts));
        }
        auto w = window(false);
        QVERIFY(w);
        Prompts::takeRecords();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(w.get(), &activate);
        QVERIFY(guitest::recordedTexts(Prompts::Kind::Message).isEmpty());
        QVERIFY(!w->bFontSizeWarningShown);
    }
};

QTEST_MAIN(TestGuiWindowLayout)
#include "tst_gui_windowlayout.moc"
