// Every page of the wizard, laid out as shown: nothing cut off, nothing on top of
// anything else, everything inside the window, every picture drawn for the screen's
// scale. With QUILLMARK_SCREENSHOT_DIR set, each page is also saved as a picture there,
// with a balloon tip (tools/screenshots.sh runs it under Xvfb at two scales).

#include "guitestutil.h"
#include "ui/CTooltip.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestGuiLayout final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    frmMainSetup setup() const
    {
        frmMainSetup s;
        s.programFolder = m_dir.filePath(u"program"_s);
        s.pauses = false;
        s.endProcess = [](int) {};
        return s;
    }

    // The widgets a person reads or operates: named ones, not Qt's own parts.
    static QList<QWidget *> namedVisible(QWidget *window, QWidget *under)
    {
        QList<QWidget *> result;
        for (QWidget *w : under->findChildren<QWidget *>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_"_s) || !w->isVisibleTo(window))
                continue;
            result << w;
        }
        return result;
    }

    static QString describe(const QWidget *w)
    {
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        return w->objectName() + u" \""_s + text.left(30) + u"\""_s;
    }

    static void checkPage(frmMain &window, QWidget *page, const QString &pageName)
    {
        QList<QWidget *> widgets = namedVisible(&window, page);
        for (QWidget *w : namedVisible(&window, &window)) {
            // The chrome: header, buttons, lines.
            if (!page->isAncestorOf(w) && w != page && !widgets.contains(w)) {
                bool inOtherPage = false;
                for (QWidget *other : window.pages)
                    inOtherPage = inOtherPage || other == w || other->isAncestorOf(w);
                if (!inOtherPage)
                    widgets << w;
            }
        }
        const QRect client = window.rect();
        for (QWidget *w : std::as_const(widgets)) {
            const QRect box(w->mapTo(&window, QPoint(0, 0)), w->size());
            QVERIFY2(client.contains(box), qPrintable(pageName + u": outside the window: "_s + describe(w)));

            const auto *label = qobject_cast<const QLabel *>(w);
            if (label && label->wordWrap()) {
                QVERIFY2(w->height() >= w->heightForWidth(w->width()),
                         qPrintable(pageName + u": wrapped text cut off: "_s + describe(w)));
            } else if (label || qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)) {
                const QSize need = w->minimumSizeHint();
                QVERIFY2(w->width() >= need.width() && w->height() >= need.height(),
                         qPrintable(pageName + u": cut off: "_s + describe(w) + u" has "_s
                                    + QString::number(w->width()) + u'x' + QString::number(w->height())
                                    + u", needs "_s + QString::number(need.width()) + u'x'
                                    + QString::number(need.height())));
            }
        }
        // Pictures are drawn for the screen's scale at the size they are shown, not
        // stretched from another size.
        for (QWidget *w : std::as_const(widgets)) {
            const auto *label = qobject_cast<const QLabel *>(w);
            if (!label || label->pixmap().isNull())
                continue;
            const QPixmap picture = label->pixmap();
            QVERIFY2(!label->hasScaledContents(), qPrintable(pageName + u": stretched picture: "_s + describe(w)));
            QVERIFY2(qFuzzyCompare(picture.devicePixelRatio(), window.devicePixelRatioF()),
                     qPrintable(pageName + u": picture drawn for another scale: "_s + describe(w)));
            const QSize shown = picture.deviceIndependentSize().toSize();
            QVERIFY2(shown.width() <= label->width() && shown.height() <= label->height(),
                     qPrintable(pageName + u": picture cut off: "_s + describe(w)));
        }
        QCOMPARE(window.picSplash->pixmap().deviceIndependentSize().toSize(), window.picSplash->size());

        // Leaf controls of the page must not overlap.
        QList<QWidget *> leaves;
        for (QWidget *w : std::as_const(widgets)) {
            if (w == page || std::find(window.pages.cbegin(), window.pages.cend(), w) != window.pages.cend()
                || w == window.picFrameTop)
                continue;
            leaves << w;
        }
        for (qsizetype i = 0; i < leaves.size(); ++i) {
            for (qsizetype j = i + 1; j < leaves.size(); ++j) {
                QWidget *a = leaves.at(i);
                QWidget *b = leaves.at(j);
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                const QRect ra(a->mapTo(&window, QPoint(0, 0)), a->size());
                const QRect rb(b->mapTo(&window, QPoint(0, 0)), b->size());
                QVERIFY2(!ra.intersects(rb),
                         qPrintable(pageName + u": "_s + describe(a) + u" overlaps "_s + describe(b)));
            }
        }
    }

    static void shoot(frmMain &window, const QString &name)
    {
        const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        QVERIFY(window.grab().save(dir + u'/' + name + u".png"_s));
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath(u"program"_s)));
        // Portable, so the user's own settings are neither read nor written.
        QFile marker(m_dir.filePath(u"program/PORTABLE"_s));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QVERIFY(QDir().mkpath(m_dir.filePath(u"images"_s)));
        QVERIFY(testutil::copySample(u"tiff_iptc_icc_xmp_photoshop.tif"_s,
                                     m_dir.filePath(u"images/tiff_iptc_icc_xmp_photoshop.tif"_s)));
        QVERIFY(testutil::copySample(u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s,
                                     m_dir.filePath(u"images/a rather long file name of a holiday picture.jpg"_s)));
    }

    void everyPage()
    {
        frmMain window(setup());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Worst cases the pages must hold: the disclaimer shown, both problem captions.
        window.AddFile(m_dir.filePath(u"images/tiff_iptc_icc_xmp_photoshop.tif"_s));
        window.AddFile(m_dir.filePath(u"images/a rather long file name of a holiday picture.jpg"_s));
        window.chkResetFileDates->setChecked(true);
        window.chkDeleteFileOnFail->setChecked(true);

        for (int page = 1; page <= 6; ++page) {
            QCOMPARE(window.iPage(), page);
            QCoreApplication::processEvents();
            checkPage(window, window.pages.at(page - 1), u"page "_s + QString::number(page));
            shoot(window, u"page"_s + QString::number(page));
            if (page < 6)
                window.cmdNext_Click();
        }
        // Page 7 as it looks while the job runs, page 8 with problems reported.
        window.ShowPage();
        window.lblProcessing->setText(u"Obfuscating file dates..."_s);
        window.ProgressBar->setValue(60);
        window.pages.at(5)->hide();
        window.pages.at(6)->show();
        window.cmdBack->setEnabled(false);
        window.cmdNext->setEnabled(false);
        window.cmdCancel->setEnabled(false);
        window.lblTopTitle->setText(u"Cleaning Images"_s);
        window.lblTopText->setText(u"Please wait while the images are being processed..."_s);
        QCoreApplication::processEvents();
        checkPage(window, window.pages.at(6), u"page 7"_s);

        window.pages.at(6)->hide();
        window.cmdBack->setEnabled(true);
        window.cmdCancel->setEnabled(true);
        window.cmdCancel->setText(u"Quit"_s);
        window.picFrameTop->hide();
        window.Line1->hide();
        window.Line2->hide();
        window.picSplash->show();
        window.pages.at(7)->show();
        window.lblExecuteInfo->setText(u"12 images processed (1234 KB saved)\nin 3 seconds (0.25 sec avg)\n\n"
                                       u"Problems were reported. See log for details."_s);
        window.lblLinkButton[3]->setText(u"Open problem log..."_s);
        window.lblLinkButton[3]->show();
        window.lblErrorInfo->setText(u"Problem files were moved to specified folder."_s);
        window.lblErrorInfo->show();
        QCoreApplication::processEvents();
        checkPage(window, window.pages.at(7), u"page 8"_s);
    }

    // Pages 7 and 8 as a real run with problems shows them: page 7 while ExifTool works.
    void pagesOfARun()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, m_dir.filePath(u"images/broken.jpg"_s)));
        frmMain window(setup());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.cmdNext_Click();
        window.AddFolder(m_dir.filePath(u"images"_s));
        window.UpdateControls();
        window.chkDeleteFileOnFail->setChecked(true);
        window.optProcessingFail[1]->setChecked(true);
        window.txtProcessingFailFolder->setText(m_dir.filePath(u"failed"_s));
        bool runningShown = false;
        connect(window.ProgressBar, &QProgressBar::valueChanged, this, [&](int value) {
            if (runningShown || value <= 0 || window.iPage() != 7)
                return;
            runningShown = true;
            checkPage(window, window.pages.at(6), u"page 7 while running"_s);
            shoot(window, u"page7"_s);
        });
        while (window.iPage() < 8)
            window.cmdNext_Click();
        QVERIFY(runningShown);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(window.lblErrorInfo->isVisible());
        QCoreApplication::processEvents();
        checkPage(window, window.pages.at(7), u"page 8 after a run"_s);
        shoot(window, u"page8"_s);
    }

    // A balloon as it shows over the file page (a picture only under a real display).
    void balloonTip()
    {
        frmMain window(setup());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.cmdNext_Click();
        const CTooltip *tip = window.tooltipOf(window.cmdInput);
        QVERIFY(tip);
        const QPoint inside(window.cmdInput->width() / 2, window.cmdInput->height() / 2);
        QEnterEvent enter(inside, window.cmdInput->mapTo(&window, inside), window.cmdInput->mapToGlobal(inside));
        QCoreApplication::sendEvent(window.cmdInput, &enter);
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        QWidget *balloon = tip->tipWindow();
        // The balloon stays on the screen.
        QVERIFY(window.screen()->availableGeometry().contains(balloon->geometry()));
        if (!qEnvironmentVariableIsEmpty("QUILLMARK_SCREENSHOT_DIR") && QGuiApplication::platformName() == u"xcb") {
            QCoreApplication::processEvents();
            QTest::qWait(100);
            const QRect area = window.frameGeometry().united(balloon->geometry()).adjusted(-4, -4, 4, 4);
            const QPixmap shot = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
            const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
            QDir().mkpath(dir);
            QVERIFY(shot.save(dir + u"/balloon.png"_s));
        }
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window.cmdInput, &leave);
        QVERIFY(!balloon->isVisible());
    }

    // The same pages once more in a process of their own, drawn larger.
    void largerScale_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::newRow("1.25") << u"1.25"_s;
        QTest::newRow("1.5") << u"1.5"_s;
    }

    void largerScale()
    {
        QFETCH(QString, scale);
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QSKIP("already running at a chosen scale");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_SCALE_FACTOR"_s, scale);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {u"everyPage"_s, u"pagesOfARun"_s, u"balloonTip"_s});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
    }
};

QTEST_MAIN(TestGuiLayout)
#include "tst_gui_layout.moc"
