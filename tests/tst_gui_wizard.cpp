// The wizard's pages and navigation, driven on the real window: which controls exist
// under which names, what each page shows, the rules of Next on pages 2 to 4, the
// ready page that can be skipped, the JPEG disclaimer, Back from the finished page,
// Enter and Escape, the date entry and the enabling of the option controls.

#include "guitestutil.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

class TestGuiWizard final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_jpeg;
    QString m_tiff;

    // Page `page` with one JPEG in the list.
    std::unique_ptr<frmMain> windowAt(int page)
    {
        auto w = m_box->window();
        if (page >= 2) {
            w->cmdNext_Click();
            w->AddFile(m_jpeg);
            w->UpdateControls();
        }
        while (w->iPage() < page)
            w->cmdNext_Click();
        return w;
    }

    static QString caption(const QWidget *w)
    {
        if (const auto *label = qobject_cast<const QLabel *>(w))
            return label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            return button->text();
        if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            return edit->text();
        return QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        const QString folder = m_box->imageFolder(u"images"_s, {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s,
                                                                u"tiff_exiftool_ifd0_iptc_icc.tif"_s});
        m_jpeg = folder + u"/jpeg_iphone4s_gps_xmp_makernotes.jpg"_s;
        m_tiff = folder + u"/tiff_exiftool_ifd0_iptc_icc.tif"_s;
        QVERIFY(QFile::exists(m_jpeg));
    }

    void init()
    {
        Prompts::clearAnswers();
        Prompts::takeRecords();
    }

    void controlsByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("caption");

        const auto row = [](const char *name, const char *type, const QString &text = QString()) {
            QTest::newRow(name) << QString::fromLatin1(name) << QByteArray(type) << text;
        };
        row("cmdBack", "QPushButton", u"< Back"_s);
        row("cmdNext", "QPushButton", u"Next >"_s);
        row("cmdCancel", "QPushButton", u"Close"_s);
        row("picFrameTop", "QFrame");
        row("picSplashTop", "QLabel");
        row("lblTopTitle", "QLabel", u"Title"_s);
        row("lblTopText", "QLabel", u"Description"_s);
        row("picSplash", "QLabel");
        for (const char *line : {"Line1", "Line2", "Line3", "Line4"})
            row(line, "QFrame");
        for (const char *panel : {"picFrameWelcome", "picFrameInput", "picFrameOutput", "picFrameOptions",
                                  "picFrameDate", "picFrameBegin", "picFrameExecute", "picFrameFinished"})
            row(panel, "QWidget");
        row("Label3", "QLabel", u"Welcome to Quillmark!"_s);
        row("Label7", "QLabel",
            u"This program deletes metadata tags and thumbnails from inside image files. This helps to protect "
            u"your online privacy, as well as saving disk space. Click 'next' to begin."_s);
        row("Label5", "QLabel", u"Homepage:"_s);
        row("cmdInput", "QPushButton", u"Add Images"_s);
        row("cmdAddFolder", "QPushButton", u"Add from Folder"_s);
        row("cmdRemoveSelected", "QPushButton");
        row("cmdRemoveAll", "QPushButton");
        row("lwFiles", "QTreeView");
        row("lblShowMetadataTip", "QLabel", u"Doubleclick an image to view metadata"_s);
        row("lblNumFileAdded", "QLabel", u"0 images"_s);
        row("optOutputMode_0", "QRadioButton", u"Overwrite original"_s);
        row("optOutputMode_1", "QRadioButton", u"Save cleaned images in this folder:"_s);
        row("optOutputMode_2", "QRadioButton", u"Add prefix:"_s);
        row("optOutputMode_3", "QRadioButton", u"Add suffix:"_s);
        row("txtOutput", "QLineEdit");
        row("cmdOutputBrowse", "QPushButton");
        row("txtPrefix", "QLineEdit", u"cleaned_"_s);
        row("txtSuffix", "QLineEdit", u"_cleaned"_s);
        row("chkCleanAll", "QCheckBox", u"All supported"_s);
        row("chkCleanExif", "QCheckBox", u"Exif"_s);
        row("chkCleanExifGPS", "QCheckBox", u"Exif GPS"_s);
        row("chkCleanThumbnail", "QCheckBox", u"Exif Thumb"_s);
        row("chkCleanXMP", "QCheckBox", u"XMP"_s);
        row("chkCleanIPTC", "QCheckBox", u"IPTC"_s);
        row("chkCleanICC", "QCheckBox", u"ICC Profile"_s);
        row("chkCleanPhotoshop", "QCheckBox", u"PS Tag && Thumb"_s);
        row("chkCleanTiffIdf0", "QCheckBox", u"Tiff IDF0"_s);
        row("chkCleanGeoTiff", "QCheckBox", u"GeoTIFF"_s);
        row("chkCleanAdobeApp14", "QCheckBox", u"APP14"_s);
        row("chkCleanOther", "QCheckBox", u"All Other"_s);
        row("lblDisclaimer", "QLabel",
            u"Disclaimer: This program can not guarantee full support for all above tags in image formats other "
            u"than JPEG. RAW images are especially complicated. You should check the produced images to make "
            u"sure that undesired metadata has been removed. See the manual for more information."_s);
        row("imgDisclaimer", "QLabel");
        row("chkResetFileDates", "QCheckBox", u"Obfuscate File Dates"_s);
        row("optDate_0", "QRadioButton", u"Set to new date:"_s);
        row("optDate_1", "QRadioButton", u"Generate a random date"_s);
        row("lblResetDateTo", "QLabel", u"1980-01-01 00:00:00"_s);
        row("lblLinkButton_6", "QLabel", u"(change)"_s);
        row("chkIgnoreMinorWarnings", "QCheckBox", u"Ignore minor errors and warnings"_s);
        row("chkDeleteFileOnFail", "QCheckBox", u"If processing fails, move original file to:"_s);
        row("optProcessingFail_0", "QRadioButton", u"Recycle bin"_s);
        row("optProcessingFail_1", "QRadioButton", u"Folder:"_s);
        row("txtProcessingFailFolder", "QLineEdit");
        row("cmdProcessingFailBrowse", "QPushButton");
        row("Label28", "QLabel",
            u"The program has now collected enough information to begin processing the images."_s);
        row("imgReadyToStart", "QLabel");
        row("chkSkipReadyPage", "QCheckBox", u"Skip this page in the future."_s);
        row("lblProcessing", "QLabel");
        row("ProgressBar", "QProgressBar");
        row("imgProcessing", "QLabel");
        row("lblExecuteInfo", "QLabel", u"## images cleaned!"_s);
        row("lblCleanedFiles", "QLabel", u"Cleaned files (double click to show metadata):"_s);
        row("lwFilesCleaned", "QTreeView");
        row("lblErrorInfo", "QLabel");
        row("txtErrorLog", "QPlainTextEdit");
        row("lblLinkButton_3", "QLabel", u"Open log file..."_s);
        row("lblLinkButton_5", "QLabel", u"Click here to open the destination folder..."_s);
        row("Image2", "QLabel");
        for (int i = 0; i <= 16; ++i)
            QTest::newRow(qPrintable(u"picTooltip_"_s + QString::number(i)))
                << u"picTooltip_"_s + QString::number(i) << QByteArray("QLabel") << QString();
    }

    void controlsByName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, type);
        QFETCH(QString, caption);
        auto w = m_box->window();
        const QList<QWidget *> found = w->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QVERIFY2(found.first()->inherits(type.constData()), found.first()->metaObject()->className());
        if (!caption.isEmpty())
            QCOMPARE(this->caption(found.first()), caption);
    }

    void pageTable_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("side");
        QTest::addColumn<QString>("nextCaption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        QTest::newRow("1 welcome") << 1 << false << true << true << u"Next >"_s << QString() << QString();
        QTest::newRow("2 files") << 2 << true << true << false << u"Next >"_s << u"Choose Image Files"_s
                                 << u"Add the images you want to clean. When you are ready, click 'next' to "
                                    u"continue to the output page."_s;
        QTest::newRow("3 output") << 3 << true << true << false << u"Next >"_s << u"Options (1/3)"_s
                                  << u"Decide where and how to save the cleaned files. Click 'next' to continue "
                                     u"to the second options page."_s;
        QTest::newRow("4 tags") << 4 << true << true << false << u"Next >"_s << u"Options (2/3)"_s
                                << u"Decide which metadata tags you want to remove."_s;
        QTest::newRow("5 dates") << 5 << true << true << false << u"Next >"_s << u"Options (3/3)"_s
                                 << u"Set additional options and processing rules."_s;
        QTest::newRow("6 ready") << 6 << true << true << false << u"Start >"_s << u"Ready to Start"_s
                                 << u"The wizard has now collected enough information to begin processing the "
                                    u"images!"_s;
    }

    void pageTable()
    {
        QFETCH(int, page);
        QFETCH(bool, back);
        QFETCH(bool, next);
        QFETCH(bool, side);
        QFETCH(QString, nextCaption);
        QFETCH(QString, title);
        QFETCH(QString, text);

        auto w = windowAt(page);
        QCOMPARE(w->iPage(), page);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w->pages.at(i)->isVisible(), i == page - 1);
        QCOMPARE(w->picSplash->isVisible(), side);
        QCOMPARE(w->picFrameTop->isVisible(), !side);
        QCOMPARE(w->Line1->isVisible(), !side);
        QCOMPARE(w->Line2->isVisible(), !side);
        QVERIFY(w->Line3->isVisible());
        QVERIFY(w->Line4->isVisible());
        QCOMPARE(w->cmdBack->isEnabled(), back);
        QCOMPARE(w->cmdNext->isEnabled(), next);
        QVERIFY(w->cmdCancel->isEnabled());
        QCOMPARE(w->cmdNext->text(), nextCaption);
        QCOMPARE(w->cmdCancel->text(), u"Close"_s);
        if (!title.isEmpty()) {
            QCOMPARE(w->lblTopTitle->text(), title);
            QCOMPARE(w->lblTopText->text(), text);
        }
    }

    void backWalksDown()
    {
        auto w = windowAt(6);
        for (int page = 5; page >= 1; --page) {
            w->cmdBack_Click();
            QCOMPARE(w->iPage(), page);
        }
        QVERIFY(!w->cmdBack->isEnabled());
    }

    void nextOnFilePage()
    {
        auto w = m_box->window();
        w->cmdNext_Click();
        QCOMPARE(w->iPage(), 2);
        QVERIFY(!w->cmdNext->isEnabled());
        QCOMPARE(w->lblNumFileAdded->text(), u"0 images"_s);

        w->AddFile(m_jpeg);
        w->UpdateControls();
        QVERIFY(w->cmdNext->isEnabled());
        QCOMPARE(w->lblNumFileAdded->text(), u"1 image"_s);

        w->AddFile(m_tiff);
        w->UpdateControls();
        QCOMPARE(w->lblNumFileAdded->text(), u"2 images"_s);

        w->cmdRemoveAll_Click();
        QVERIFY(!w->cmdNext->isEnabled());
        QCOMPARE(w->lblNumFileAdded->text(), u"0 images"_s);
    }

    void nextOnOutputPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("next");

        QTest::newRow("overwrite needs no text") << 0 << QString() << true;
        QTest::newRow("folder of one character in blanks") << 1 << u"  a  "_s << false;
        QTest::newRow("folder of two characters") << 1 << u"/a"_s << true;
        QTest::newRow("empty prefix") << 2 << QString() << false;
        QTest::newRow("prefix of one blank") << 2 << u" "_s << true;
        QTest::newRow("empty suffix") << 3 << QString() << false;
        QTest::newRow("suffix") << 3 << u"_x"_s << true;
    }

    void nextOnOutputPage()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(bool, next);

        auto w = windowAt(3);
        const std::array<QLineEdit *, 4> boxes = {nullptr, w->txtOutput, w->txtPrefix, w->txtSuffix};
        if (boxes.at(mode))
            boxes.at(mode)->setText(text);
        w->optOutputMode.at(mode)->click();
        QCOMPARE(w->cmdNext->isEnabled(), next);
        // Only the chosen mode's text box can be edited.
        for (int i = 1; i < 4; ++i)
            QCOMPARE(boxes.at(i)->isEnabled(), i == mode);
        // Leaving a text box re-applies the rules: the typed folder now counts. Enter in
        // the box counts it too, and then presses Next.
        if (mode == 1 && !next) {
            w->txtOutput->setText(u"/ab"_s);
            QFocusEvent out(QEvent::FocusOut);
            QCoreApplication::sendEvent(w->txtOutput, &out);
            QVERIFY(w->cmdNext->isEnabled());
            w->txtOutput->setText(u" "_s);
            QCoreApplication::sendEvent(w->txtOutput, &out);
            QVERIFY(!w->cmdNext->isEnabled());
            w->txtOutput->setText(u"/ab"_s);
            QTest::keyClick(w->txtOutput, Qt::Key_Return);
            QCOMPARE(w->iPage(), 4);
            return;
        }
        if (next) {
            w->cmdNext_Click();
            QCOMPARE(w->iPage(), 4);
        }
    }

    void tagBoxesOnOptionsPage()
    {
        auto w = windowAt(4);
        const QList<QCheckBox *> others = {w->chkCleanExif, w->chkCleanExifGPS, w->chkCleanThumbnail,
                                           w->chkCleanXMP, w->chkCleanIPTC, w->chkCleanICC,
                                           w->chkCleanPhotoshop, w->chkCleanTiffIdf0, w->chkCleanGeoTiff,
                                           w->chkCleanAdobeApp14, w->chkCleanOther};
        QVERIFY(w->chkCleanAll->isChecked());
        for (QCheckBox *box : others)
            QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));

        w->chkCleanAll->click();
        for (QCheckBox *box : others)
            box->setChecked(false);
        QVERIFY(!w->cmdNext->isEnabled());
        // Every box but All is clear: each one alone is enough.
        w->chkCleanExifGPS->click();
        QVERIFY(w->cmdNext->isEnabled());
        w->chkCleanExifGPS->click();
        QVERIFY(!w->cmdNext->isEnabled());

        w->chkCleanExif->click();
        QVERIFY(w->cmdNext->isEnabled());
        QVERIFY(!w->chkCleanExifGPS->isEnabled());
        QVERIFY(!w->chkCleanThumbnail->isEnabled());
        w->chkCleanPhotoshop->click();
        QVERIFY(!w->chkCleanIPTC->isEnabled());
        w->chkCleanExif->click();
        w->chkCleanPhotoshop->click();
        QVERIFY(w->chkCleanExifGPS->isEnabled());
        QVERIFY(w->chkCleanThumbnail->isEnabled());
        QVERIFY(w->chkCleanIPTC->isEnabled());

        // Ticking All again disables the others and keeps their ticks.
        w->chkCleanXMP->click();
        w->chkCleanAll->click();
        QVERIFY(w->cmdNext->isEnabled());
        QVERIFY(w->chkCleanXMP->isChecked());
        QVERIFY(!w->chkCleanXMP->isEnabled());
    }

    void jpegDisclaimer_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("shown");

        QTest::newRow("jpg, JPE, jpeg") << QStringList{u"a.jpg"_s, u"b.JPE"_s, u"c.jpeg"_s} << false;
        QTest::newRow("JPEG counts by its last three letters") << QStringList{u"d.JPEG"_s} << false;
        QTest::newRow("one tif among jpegs") << QStringList{u"a.jpg"_s, u"e.tif"_s} << true;
        QTest::newRow("png") << QStringList{u"f.png"_s} << true;
    }

    void jpegDisclaimer()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, shown);
        auto w = m_box->window();
        w->cmdNext_Click();
        const QString folder = m_box->path(u"disclaimer"_s);
        QDir().mkpath(folder);
        for (const QString &name : names) {
            QVERIFY(guitest::writeFile(folder + u'/' + name, "x"));
            w->AddFile(folder + u'/' + name);
        }
        QCOMPARE(w->lstFiles().ListCount(), names.size());
        w->UpdateControls();
        w->cmdNext_Click();
        w->cmdNext_Click();
        QCOMPARE(w->iPage(), 4);
        QCOMPARE(w->lblDisclaimer->isVisible(), shown);
        QCOMPARE(w->imgDisclaimer->isVisible(), shown);
    }

    void readyPageSkipped_data()
    {
        QTest::addColumn<bool>("skip");
        QTest::newRow("ready page shown") << false;
        QTest::newRow("ready page skipped") << true;
    }

    void readyPageSkipped()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(bool, skip);
        const QString folder = m_box->imageFolder(skip ? u"skip"_s : u"noskip"_s, {u"png_exif_gps_xmp.png"_s});
        auto w = m_box->window();
        w->chkSkipReadyPage->setChecked(skip);
        w->cmdNext_Click();
        w->AddFile(folder + u"/png_exif_gps_xmp.png"_s);
        w->UpdateControls();
        w->cmdNext_Click();
        w->cmdNext_Click();
        w->cmdNext_Click();
        QCOMPARE(w->iPage(), 5);
        QCOMPARE(w->cmdNext->text(), skip ? u"Start >"_s : u"Next >"_s);

        // Record the pages the wizard passes; on page 7 every button is disabled, so
        // neither Enter nor Escape does anything.
        QList<int> pagesDuringJob;
        bool keysIgnored = true;
        connect(w->ProgressBar, &QProgressBar::valueChanged, w.get(), [&] {
            pagesDuringJob << w->iPage();
            if (w->cmdBack->isEnabled() || w->cmdNext->isEnabled() || w->cmdCancel->isEnabled())
                keysIgnored = false;
            QTest::keyClick(w.get(), Qt::Key_Return);
            QTest::keyClick(w.get(), Qt::Key_Escape);
            if (w->iPage() != 7 || !w->isVisible())
                keysIgnored = false;
        });
        w->cmdNext_Click();
        if (!skip) {
            QCOMPARE(w->iPage(), 6);
            QVERIFY(pagesDuringJob.isEmpty());
            w->cmdNext_Click();
        }
        QCOMPARE(w->iPage(), 8);
        QVERIFY(!pagesDuringJob.isEmpty());
        QVERIFY(std::all_of(pagesDuringJob.cbegin(), pagesDuringJob.cend(), [](int p) { return p == 7; }));
        QVERIFY(keysIgnored);

        // The finished page: Quit instead of Close, no Next; Back leads to the file list.
        QVERIFY(w->picSplash->isVisible());
        QVERIFY(!w->picFrameTop->isVisible());
        QVERIFY(!w->Line1->isVisible());
        QCOMPARE(w->cmdCancel->text(), u"Quit"_s);
        QVERIFY(!w->cmdNext->isEnabled());
        QVERIFY(w->cmdBack->isEnabled());
        // A press of Next where there is no next page changes nothing.
        w->cmdNext_Click();
        QCOMPARE(w->iPage(), 8);

        w->cmdBack_Click();
        QCOMPARE(w->iPage(), 2);
        QVERIFY(w->picFrameTop->isVisible());
        QVERIFY(w->Line1->isVisible());
        QVERIFY(w->Line2->isVisible());
        QCOMPARE(w->cmdCancel->text(), u"Close"_s);
        // A problem-free run emptied the list.
        QCOMPARE(w->lstFiles().ListCount(), 0);
        QVERIFY(!w->cmdNext->isEnabled());
    }

    void enterAndEscape()
    {
        auto w = m_box->window();
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->iPage(), 2);
        // Enter on a page whose Next is disabled does nothing.
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->iPage(), 2);

        // Escape presses Close: the window closes, the settings are saved, and with its
        // last window gone the program ends.
        QFile::remove(m_box->iniPath());
        QGuiApplication::setQuitOnLastWindowClosed(true);
        QTimer::singleShot(0, w.get(), [&] { QTest::keyClick(w.get(), Qt::Key_Escape); });
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        safety.start(20000);
        const int exitCode = QCoreApplication::exec();
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QCOMPARE(exitCode, 0);
        QVERIFY(!w->isVisible());
        QVERIFY(guitest::readFile(m_box->iniPath()).contains("optOutputMode=3"));
    }

    void dateControls()
    {
        auto w = windowAt(5);
        QVERIFY(!w->chkResetFileDates->isChecked());
        for (QWidget *c : {static_cast<QWidget *>(w->optDate[0]), static_cast<QWidget *>(w->optDate[1]),
                           static_cast<QWidget *>(w->lblResetDateTo), static_cast<QWidget *>(w->lblLinkButton[6])})
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        w->chkResetFileDates->click();
        for (QWidget *c : {static_cast<QWidget *>(w->optDate[0]), static_cast<QWidget *>(w->optDate[1]),
                           static_cast<QWidget *>(w->lblResetDateTo), static_cast<QWidget *>(w->lblLinkButton[6])})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));

        QVERIFY(!w->optProcessingFail[0]->isEnabled());
        QVERIFY(!w->cmdProcessingFailBrowse->isEnabled());
        QVERIFY(w->txtProcessingFailFolder->isEnabled());
        w->chkDeleteFileOnFail->click();
        QVERIFY(w->optProcessingFail[0]->isEnabled());
        QVERIFY(w->optProcessingFail[1]->isEnabled());
        QVERIFY(w->cmdProcessingFailBrowse->isEnabled());
        QVERIFY(!w->chkIgnoreMinorWarnings->isVisibleTo(w.get()));
    }

    void dateEntry_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("label");

        QTest::newRow("a whole date") << QStringList{u"2001"_s, u"2"_s, u"3"_s, u"14"_s, u"5"_s, u"6"_s}
                                      << QStringList{} << u"2001-02-03 14:05:06"_s;
        QTest::newRow("empty answers keep the parts")
            << QStringList{QString(), QString(), QString(), QString(), QString(), QString()} << QStringList{}
            << u"1980-01-01 00:00:00"_s;
        QTest::newRow("every part out of range")
            << QStringList{u"1979"_s, u"13"_s, u"0"_s, u"24"_s, u"60"_s, u"x"_s}
            << QStringList{u"Not a valid year..."_s, u"Not a valid month..."_s, u"Not a valid day..."_s,
                           u"Not a valid hour..."_s, u"Not a valid minute..."_s, u"Not a valid second..."_s}
            << u"1980-01-01 00:00:00"_s;
        QTest::newRow("the ends of the ranges") << QStringList{u"2100"_s, u"12"_s, u"31"_s, u"23"_s, u"59"_s, u"59"_s}
                                                << QStringList{} << u"2100-12-31 23:59:59"_s;
    }

    void dateEntry()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(QString, label);

        auto w = windowAt(5);
        w->chkResetFileDates->setChecked(true);
        // Each refused answer is followed by its message box, which takes an OK.
        for (int i = 0; i < 6; ++i) {
            Prompts::queueAnswer(answers.at(i));
            if (!messages.isEmpty())
                Prompts::queueAnswer(QVariant());
        }
        // The date entry starts from its link.
        QTest::mouseClick(w->lblLinkButton[6], Qt::LeftButton);
        QCOMPARE(Prompts::pendingAnswers(), 0);

        QStringList shownMessages;
        QStringList titles;
        for (const Prompts::Record &r : Prompts::takeRecords()) {
            if (r.kind == Prompts::Kind::Message) {
                shownMessages << r.text;
                QCOMPARE(r.title, u"Quillmark"_s);
            } else if (r.kind == Prompts::Kind::Input) {
                titles << r.title;
            }
        }
        QCOMPARE(shownMessages, messages);
        QCOMPARE(titles, (QStringList{u"Set date"_s, u"Set date"_s, u"Set date"_s, u"Set time"_s, u"Set time"_s,
                                      u"Set time"_s}));
        QCOMPARE(w->lblResetDateTo->text(), label);
    }

    void outputBrowse()
    {
        auto w = windowAt(3);
        w->txtOutput->setText(u"/some/where/"_s);
        // Cancelled: one trailing slash goes, the folder mode is chosen all the same.
        Prompts::queueAnswer(QString());
        w->cmdOutputBrowse->click();
        QCOMPARE(w->txtOutput->text(), u"/some/where"_s);
        QVERIFY(w->optOutputMode[1]->isChecked());
        QVERIFY(w->txtOutput->isEnabled());
        QVERIFY(w->cmdNext->isEnabled());

        const QString chosen = m_box->path(u"images"_s);
        Prompts::queueAnswer(chosen);
        w->cmdOutputBrowse->click();
        QCOMPARE(w->txtOutput->text(), chosen);
        const QList<Prompts::Record> records = Prompts::takeRecords();
        QCOMPARE(records.last().title, u"Select output folder:"_s);

        auto w5 = windowAt(5);
        w5->chkDeleteFileOnFail->setChecked(true);
        Prompts::queueAnswer(chosen);
        w5->cmdProcessingFailBrowse->click();
        QCOMPARE(w5->txtProcessingFailFolder->text(), chosen);
        QVERIFY(w5->optProcessingFail[1]->isChecked());
    }
};

QTEST_MAIN(TestGuiWizard)
#include "tst_gui_wizard.moc"
