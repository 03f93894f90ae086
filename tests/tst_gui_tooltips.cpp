// The balloon tips: the tip class's properties and defaults, one tip window however often
// it is rebuilt, showing after the mouse rests and hiding when it leaves, the wrapping
// rules, and the window's nineteen balloons and four plain tooltips with their texts.

#include "guitestutil.h"
#include "ui/CTooltip.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

// The tip windows that exist, shown or not.
int tipWindowCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == u"CTooltipWindow" ? 1 : 0;
    return count;
}

void enter(QWidget *anchor, QPoint at = QPoint(3, 3))
{
    QEnterEvent event(at, anchor->window()->mapFromGlobal(anchor->mapToGlobal(at)), anchor->mapToGlobal(at));
    QCoreApplication::sendEvent(anchor, &event);
}

void moveWithin(QWidget *anchor, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, anchor->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(anchor, &event);
}

void leave(QWidget *anchor)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(anchor, &event);
}

QLabel *tipLabel(const CTooltip &tip, const char *name)
{
    return tip.tipWindow() ? tip.tipWindow()->findChild<QLabel *>(QString::fromLatin1(name)) : nullptr;
}

} // namespace

class TestGuiTooltips final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    std::unique_ptr<QWidget> m_host;
    QLabel *m_anchor = nullptr;

    // A tip with the window's settings for a balloon, on the test's own anchor.
    std::unique_ptr<CTooltip> balloon(const QString &title, const QString &text, int delay = 50)
    {
        auto tip = std::make_unique<CTooltip>();
        tip->setStyle(CTooltip::StyleBalloon);
        tip->setIcon(CTooltip::IconInformation);
        tip->setDelayTime(delay);
        tip->setTitle(title);
        tip->setTipText(text);
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
        m_host->resize(200, 100);
        m_anchor = new QLabel(u"anchor"_s, m_host.get());
        m_anchor->setGeometry(20, 20, 60, 20);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    void cleanup() { QTRY_COMPARE(tipWindowCount(), 0); }

    void defaults()
    {
        const CTooltip tip;
        QCOMPARE(tip.BackColor(), 0);
        QCOMPARE(tip.Title(), QString());
        QCOMPARE(tip.ForeColor(), 0);
        QCOMPARE(tip.Icon(), 0);
        QCOMPARE(tip.Centered(), false);
        QCOMPARE(tip.Style(), 0);
        QCOMPARE(tip.TipText(), QString());
        QCOMPARE(tip.VisibleTime(), 5000);
        QCOMPARE(tip.DelayTime(), 500);
        QCOMPARE(tip.WrapLength(), qint16(320));
        QCOMPARE(tip.WrapText(), true);
        QVERIFY(!tip.tipWindow());
        QVERIFY(!tip.anchor());
    }

    // Each read gives what was last written, before and after Create.
    void propertiesRoundTrip()
    {
        CTooltip tip;
        for (bool created : {false, true}) {
            if (created)
                tip.Create(m_anchor);
            tip.setStyle(7);
            tip.setCentered(true);
            tip.setWrapLength(-2);
            tip.setWrapText(false);
            tip.setIcon(3);
            tip.setForeColor(0x123456);
            tip.setTitle(u"T"_s);
            tip.setBackColor(0x00FF00);
            tip.setTipText(u"x\r\ny"_s);
            tip.setVisibleTime(-1);
            tip.setDelayTime(0);
            QCOMPARE(tip.Style(), 7);
            QCOMPARE(tip.Centered(), true);
            QCOMPARE(tip.WrapLength(), qint16(-2));
            QCOMPARE(tip.WrapText(), false);
            QCOMPARE(tip.Icon(), 3);
            QCOMPARE(tip.ForeColor(), 0x123456);
            QCOMPARE(tip.Title(), u"T"_s);
            QCOMPARE(tip.BackColor(), 0x00FF00);
            QCOMPARE(tip.TipText(), u"x\r\ny"_s);
            QCOMPARE(tip.VisibleTime(), -1);
            QCOMPARE(tip.DelayTime(), 0);
        }
        tip.Destroy();
        QVERIFY(!tip.tipWindow());
    }

    void createIsRepeatable()
    {
        QCOMPARE(tipWindowCount(), 0);
        {
            CTooltip tip;
            tip.setTipText(u"text"_s);
            tip.Create(m_anchor);
            QCOMPARE(tipWindowCount(), 1);
            QWidget *first = tip.tipWindow();
            QVERIFY(first);
            QVERIFY(first->windowFlags().testFlag(Qt::ToolTip));
            tip.Create(m_anchor);
            tip.Create(m_anchor);
            QCOMPARE(tipWindowCount(), 1);
            QCOMPARE(tip.anchor(), m_anchor);
        }
        // The object takes its window with it.
        QCOMPARE(tipWindowCount(), 0);
    }

    // What is set before Create shows in the tip Create builds.
    void createAppliesSettings()
    {
        auto tip = balloon(u"Title"_s, u"Body"_s);
        tip->setForeColor(0x0000FF); // red, as 0x00BBGGRR
        tip->setBackColor(0xC0FFC0);
        tip->Create(m_anchor);
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"Title"_s);
        QVERIFY(tipLabel(*tip, "tipTitle")->font().bold());
        QCOMPARE(tipLabel(*tip, "tipText")->text(), u"Body"_s);
        QCOMPARE(tip->tipWindow()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(tip->tipWindow()->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
        QCOMPARE(CTooltip::colorFromValue(0xC00000), QColor(0, 0, 192));
    }

    // Colour 0 before Create keeps the desktop's tooltip colours.
    void zeroColourKeepsDesktopColours()
    {
        auto tip = balloon(u"Title"_s, u"Body"_s);
        const QPalette desktop = QApplication::palette(tip->tipWindow());
        QCOMPARE(tip->tipWindow()->palette().color(QPalette::Window), desktop.color(QPalette::ToolTipBase));
        QCOMPARE(tip->tipWindow()->palette().color(QPalette::WindowText), desktop.color(QPalette::ToolTipText));
    }

    void showsAfterRestingAndHidesOnLeaving()
    {
        auto tip = balloon(u"Exif"_s, u"About Exif."_s, 100);
        QWidget *window = tip->tipWindow();
        enter(m_anchor);
        // Not before the delay has passed.
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window->isVisible());
        QVERIFY(tipLabel(*tip, "tipIcon") == nullptr); // the icon is drawn, not a label
        QVERIFY(window->findChild<QWidget *>(u"tipIcon"_s)->isVisible());
        // Below the mouse, on the screen.
        QVERIFY(window->y() > m_anchor->mapToGlobal(QPoint(3, 3)).y());
        QVERIFY(m_host->screen()->availableGeometry().contains(window->geometry()));
        leave(m_anchor);
        QVERIFY(!window->isVisible());
        QTest::qWait(150);
        QVERIFY(!window->isVisible());
    }

    void movingRestartsTheWait()
    {
        auto tip = balloon(u"Exif"_s, u"About Exif."_s, 1200);
        QWidget *window = tip->tipWindow();
        enter(m_anchor);
        QTest::qWait(800);
        moveWithin(m_anchor, QPoint(10, 5));
        QTest::qWait(600);
        // Longer than the delay since entering, but not since the mouse last moved.
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window->isVisible());
        leave(m_anchor);
    }

    void hidesAfterItsVisibleTime()
    {
        auto tip = balloon(u"Exif"_s, u"About Exif."_s, 10);
        tip->setVisibleTime(100);
        tip->Create(m_anchor);
        QWidget *window = tip->tipWindow();
        enter(m_anchor);
        QTRY_VERIFY(window->isVisible());
        QTRY_VERIFY(!window->isVisible());
        // It does not come back while the mouse stays, only after it left and came back.
        moveWithin(m_anchor, QPoint(12, 6));
        QTest::qWait(100);
        QVERIFY(!window->isVisible());
        leave(m_anchor);
        enter(m_anchor);
        QTRY_VERIFY(window->isVisible());
        leave(m_anchor);
    }

    void pressOrHideOfAnchorHidesTip()
    {
        auto tip = balloon(u"Exif"_s, u"About Exif."_s, 10);
        enter(m_anchor);
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        QTest::mousePress(m_anchor, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!tip->tipWindow()->isVisible());
        QTest::mouseRelease(m_anchor, Qt::LeftButton, {}, QPoint(5, 5));
        leave(m_anchor);
        enter(m_anchor);
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        m_anchor->hide();
        QVERIFY(!tip->tipWindow()->isVisible());
        m_anchor->show();
        leave(m_anchor);
    }

    void emptyTextShowsNothing()
    {
        auto tip = balloon(QString(), QString(), 10);
        enter(m_anchor);
        QTest::qWait(100);
        QVERIFY(!tip->tipWindow()->isVisible());
        leave(m_anchor);
    }

    void textChangeAfterCreateShowsAtOnce()
    {
        auto tip = balloon(u"Title"_s, u"Old text"_s, 10);
        enter(m_anchor);
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        tip->setTipText(u"New text"_s);
        QCOMPARE(tipLabel(*tip, "tipText")->text(), u"New text"_s);
        QVERIFY(tip->tipWindow()->isVisible());
        leave(m_anchor);
    }

    // After Create a title is only applied together with an icon.
    void titleAfterCreate()
    {
        auto tip = balloon(u"First"_s, u"Body"_s);
        tip->setIcon(CTooltip::IconNone);
        tip->setTitle(u"Second"_s);
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"First"_s);
        tip->setTitle(QString());
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"First"_s);
        tip->setTitle(u"Third"_s);
        tip->setIcon(CTooltip::IconWarning);
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"Third"_s);
        // Colours written after Create apply at once, black included.
        tip->setForeColor(0);
        QCOMPARE(tip->tipWindow()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }

    void wrapping_data()
    {
        QTest::addColumn<bool>("wrapText");
        QTest::addColumn<int>("wrapLength");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("default") << true << 320 << true;
        QTest::newRow("narrow") << true << 100 << true;
        QTest::newRow("33") << true << 33 << true;
        QTest::newRow("32") << true << 32 << false;
        QTest::newRow("negative") << true << -5 << false;
        QTest::newRow("wrap off") << false << 320 << false;
    }

    void wrapping()
    {
        QFETCH(bool, wrapText);
        QFETCH(int, wrapLength);
        QFETCH(bool, wraps);
        CTooltip tip;
        tip.setWrapText(wrapText);
        tip.setWrapLength(static_cast<qint16>(wrapLength));
        const QString paragraph = u"A paragraph long enough to need more than one line at the default width. "_s
                                  u"It goes on for a while, as the option texts do."_s;
        tip.setTipText(paragraph + u"\r\n\r\n"_s + paragraph);
        tip.Create(m_anchor);
        QLabel *text = tipLabel(tip, "tipText");
        QCOMPARE(text->wordWrap(), wraps);
        if (wraps) {
            QCOMPARE(text->maximumWidth(), wrapLength);
            // Line breaks are honoured: two paragraphs with an empty line between.
            QCOMPARE(text->text(), paragraph + u"\n\n"_s + paragraph);
            text->window()->adjustSize();
            QVERIFY(text->width() <= wrapLength);
        } else {
            QCOMPARE(text->maximumWidth(), QWIDGETSIZE_MAX);
            // One line: the breaks are not honoured.
            QVERIFY(!text->text().contains(u'\n'));
            QVERIFY(!text->text().contains(u'\r'));
        }
        // A wrap setting changed after Create waits for the next Create.
        tip.setWrapText(!wrapText);
        QCOMPARE(tipLabel(tip, "tipText")->wordWrap(), wraps);
    }

    void centredUnderTheAnchor()
    {
        auto tip = balloon(u"Title"_s, u"Body"_s, 10);
        tip->setCentered(true);
        tip->Create(m_anchor);
        enter(m_anchor, QPoint(2, 2));
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        const QRect anchorBox(m_anchor->mapToGlobal(QPoint(0, 0)), m_anchor->size());
        QVERIFY(qAbs(tip->tipWindow()->geometry().center().x() - anchorBox.center().x()) <= 1);
        QVERIFY(tip->tipWindow()->y() > anchorBox.bottom());
        leave(m_anchor);
    }

    // --- the window's tips ---

    void windowBalloons_data()
    {
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *anchor, const QString &title, const QString &text) {
            QTest::newRow(anchor) << QString::fromLatin1(anchor) << title << text;
        };
        row("picTooltip_0", u"Exif"_s,
            u"Exif is the standard metadata tag used by digital cameras to store information about the image, "
            u"location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as "
            u"many TIFF-based RAW images."_s);
        row("picTooltip_1", u"Exif GPS"_s,
            u"GeoLocation data is used to store information about the location where the photo was taken. The GPS "
            u"tags are part of the EXIF standard, and are stored in a separate section within the EXIF "
            u"information."_s);
        row("picTooltip_2", u"Exif thumbnail image"_s,
            u"A thumbnail is a small representation of the image that can be used to quickly display a preview of "
            u"the image."_s);
        row("picTooltip_3", u"ICC Color Profile"_s,
            u"ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, "
            u"PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the "
            u"image."_s);
        row("picTooltip_4", u"XMP"_s,
            u"XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded "
            u"in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and "
            u"MIFF, as well as videos and audio formats."_s);
        row("picTooltip_5", u"IPTC"_s,
            u"This is an older meta information format that is slowly being phased out in favor of XMP. IPTC "
            u"information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images."_s);
        row("picTooltip_6", u"All other supported"_s,
            u"This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and "
            u"MakerNotes."_s);
        row("picTooltip_7", u"Prefix"_s,
            u"The prefix text is added IN FRONT of the current filename, in order to create a new image file."_s);
        row("picTooltip_8", u"Suffix"_s,
            u"The suffix text is added AFTER of the current filename, in order to create a new image file."_s);
        row("picTooltip_9", u"Photoshop Tag & Thumbnail"_s,
            u"Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other "
            u"file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag."_s);
        row("picTooltip_10", u"Remove all supported tags"_s,
            u"Use this option to make sure that you remove as much metadata information as possible! There is one "
            u"exception: The Adobe APP14 is not removed because doing so may change the image apperance."_s);
        row("picTooltip_11", u"Remove Tiff IDF0 data"_s,
            u"Tiff images can contain information in the first data chunk (IDF0), separate from other tags. This "
            u"applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, "
            u"EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 & SRW."_s);
        row("picTooltip_12", u"Obfuscate file dates"_s,
            u"The date of the image file can potentially reveal information about when the image was taken and/or "
            u"modified. This option will set the file's Created, Modified and Accessed dates to a new date "
            u"(defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note "
            u"that dates may change when the file is later altered, move, copied etc."_s);
        row("picTooltip_13", u"Move erroneous files"_s,
            u"If there was an error and the file could not be processed (as indicated by the logs), this allows "
            u"you to move the original file to a folder or delete it. Note that if you choose to move the file to "
            u"a folder, and another file with the same name already exists, the file will not be moved. Note: "
            u"This does not apply to warnings, only errors. Files with warnings will still be processed, but may "
            u"be visible in the logs."_s);
        row("picTooltip_14", QString(), QString());
        row("picTooltip_15", u"GeoTIFF"_s,
            u"GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF "
            u"is used by TIFF files or image formats based on the TIFF file format."_s);
        row("picTooltip_16", u"Adobe APP14"_s,
            u"This tag is present in JPEG files and contains encoding information. If removed, the image apperance "
            u"may be altered. Because of this it is not recommended to remove. It contains no personal information, "
            u"but does indicate that an Adobe product has been used."_s);
        row("cmdInput", u"Add Images"_s,
            u"Click here to add images, or drag and drop them onto the file list to the right.\r\n\r\nThis program "
            u"is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, "
            u"ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, "
            u"JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, "
            u"SR2, SRW, THM, TIFF, VRD & X3F."_s);
        row("cmdAddFolder", u"Add Images from Folder"_s,
            u"Same as above, but you choose a folder and the program will add all images found in this folder and "
            u"its sub-folders."_s);
    }

    void windowBalloons()
    {
        QFETCH(QString, anchor);
        QFETCH(QString, title);
        QFETCH(QString, text);
        auto w = m_box->window();
        QCOMPARE(w->tooltipCount(), 19);
        auto *widget = w->findChild<QWidget *>(anchor);
        QVERIFY(widget);
        const CTooltip *tip = w->tooltipOf(widget);
        QVERIFY(tip);
        QCOMPARE(tip->Title(), title);
        QCOMPARE(tip->TipText(), text);
        QCOMPARE(tip->Style(), CTooltip::StyleBalloon);
        QCOMPARE(tip->Icon(), CTooltip::IconInformation);
        QCOMPARE(tip->VisibleTime(), 30000);
        QCOMPARE(tip->DelayTime(), 200);
        QCOMPARE(tip->WrapLength(), qint16(320));
        QVERIFY(tip->WrapText());
        QVERIFY(!tip->Centered());
        QCOMPARE(tip->ForeColor(), 0);
        QCOMPARE(tip->BackColor(), 0);
        QVERIFY(tip->tipWindow());
        // The balloons are their own; no plain tooltip competes with them.
        QVERIFY(widget->toolTip().isEmpty());
        if (anchor == u"picTooltip_14") {
            QVERIFY(widget->isHidden());
            QVERIFY(w->chkIgnoreMinorWarnings->isHidden());
        }
        w->close();
    }

    // The anchor shows its balloon the way a person sees it: the "Add Images" text in two
    // paragraphs under the bold title, at most 320 pixels wide.
    void windowBalloonShows()
    {
        auto w = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->cmdNext_Click();
        const CTooltip *tip = w->tooltipOf(w->cmdInput);
        enter(w->cmdInput, QPoint(10, 10));
        QVERIFY(!tip->tipWindow()->isVisible());
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        const QLabel *text = tipLabel(*tip, "tipText");
        QCOMPARE(text->text().count(u"\n\n"_s), 1);
        QVERIFY(text->text().startsWith(u"Click here to add images"_s));
        QVERIFY(text->width() <= 320);
        QCOMPARE(tipLabel(*tip, "tipTitle")->text(), u"Add Images"_s);
        leave(w->cmdInput);
        QVERIFY(!tip->tipWindow()->isVisible());
        w->close();
    }

    void plainTooltips_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("cmdRemoveAll") << u"cmdRemoveAll"_s << u"Clear the file list"_s;
        QTest::newRow("cmdRemoveSelected") << u"cmdRemoveSelected"_s << u"Remove selected files"_s;
        QTest::newRow("cmdOutputBrowse") << u"cmdOutputBrowse"_s
                                         << u"Browse for a folder to put the cleaned images in..."_s;
        QTest::newRow("cmdProcessingFailBrowse")
            << u"cmdProcessingFailBrowse"_s << u"Browse for a folder to put the cleaned images in..."_s;
    }

    void plainTooltips()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        auto w = m_box->window();
        auto *widget = w->findChild<QPushButton *>(button);
        QVERIFY(widget);
        QCOMPARE(widget->toolTip(), text);
        QVERIFY(!w->tooltipOf(widget));
        w->close();
    }

    void tipsGoWithTheWindow()
    {
        {
            auto w = m_box->window();
            QCOMPARE(tipWindowCount(), 19);
            w->close();
        }
        QCOMPARE(tipWindowCount(), 0);
    }
};

QTEST_MAIN(TestGuiTooltips)
#include "tst_gui_tooltips.moc"
