// Every page of the wizard, laid out as shown: nothing cut off, nothing on top of
// anything else, everything inside the window, every picture drawn for the screen's
// scale. With QUILLMARK_SCREENSHOT_DIR set, each page is also saved as a picture there,
// with a balloon tip (tools/screenshots.sh runs it under Xvfb at two scales).

#include "gui/BalloonTip.h"
#include "guitestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

class TestGuiLayout final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    static QString describe(const QWidget *w)
    {
        return w->objectName() + u" \""_s + guitest::caption(w).left(30) + u"\""_s;
    }

    // The widgets a person reads or operates (named ones, not Qt's own parts) on the page
    // shown, with the header, buttons and lines around it.
    static void checkPage(CleanWizard &window, const QString &pageName)
    {
        QList<QWidget *> widgets;
        for (QWidget *w : window.findChildren<QWidget *>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s) && w->isVisibleTo(&window))
                widgets << w;
        }
        const auto box = [&window](const QWidget *w) { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); };
        for (QWidget *w : std::as_const(widgets)) {
            const QString what = pageName + u": "_s + describe(w);
            QVERIFY2(window.rect().contains(box(w)), qPrintable(what + u" is outside the window"_s));
            const auto *label = qobject_cast<const QLabel *>(w);
            const QSize need = label && label->wordWrap() ? QSize(0, w->heightForWidth(w->width()))
                : label || qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
                ? w->minimumSizeHint()
                : QSize();
            QVERIFY2(w->width() >= need.width() && w->height() >= need.height(),
                qPrintable(what
                    + u" is cut off: has %1x%2, needs %3x%4"_s.arg(w->width())
                          .arg(w->height())
                          .arg(need.width())
                          .arg(need.height())));
            // Pictures are drawn for the screen's scale at the size they are shown.
            if (label && !label->pixmap().isNull()) {
                const QPixmap picture = label->pixmap();
                const QSize shown = picture.deviceIndependentSize().toSize();
                QVERIFY2(!label->hasScaledContents() && shown.width() <= label->width()
                        && shown.height() <= label->height()
                        && qFuzzyCompare(picture.devicePixelRatio(), window.devicePixelRatioF()),
                    qPrintable(what + u": picture stretched, cut off or drawn for another scale"_s));
            }
        }
        QCOMPARE(guitest::child<QLabel>(window, "picSplash")->pixmap().deviceIndependentSize().toSize(),
            guitest::child<QLabel>(window, "picSplash")->size());

        // Leaf controls must not overlap.
        widgets.removeIf([&window](QWidget *w) {
            return w == guitest::child<QFrame>(window, "picFrameTop") || guitest::pagePanels(window).contains(w);
        });
        for (qsizetype i = 0; i < widgets.size(); ++i) {
            for (qsizetype j = i + 1; j < widgets.size(); ++j) {
                QWidget *a = widgets.at(i);
                QWidget *b = widgets.at(j);
                QVERIFY2(a->isAncestorOf(b) || b->isAncestorOf(a) || !box(a).intersects(box(b)),
                    qPrintable(pageName + u": "_s + describe(a) + u" overlaps "_s + describe(b)));
            }
        }
    }

    static void shoot(CleanWizard &window, const QString &name)
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
        // ctest runs this once more per language: the window must really be in it.
        const QStringList languages = preferredLanguages();
        if (!languages.isEmpty() && QFile::exists(u":/i18n/quillmark_"_s + languages.first().left(2) + u".qm"_s))
            QVERIFY(QCoreApplication::translate("CleanWizard", "Next >") != u"Next >"_s);
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_box->imageFolder(u"images"_s, {u"tiff_iptc_icc_xmp_photoshop.tif"_s});
        QVERIFY(testutil::copySample(u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s,
            m_box->path(u"images/a rather long file name of a holiday picture.jpg"_s)));
    }

    // Pages 1 to 6 with the worst cases they must hold: the disclaimer and every option shown.
    void everyPage()
    {
        auto window = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->addFile(m_box->path(u"images/tiff_iptc_icc_xmp_photoshop.tif"_s));
        window->addFile(m_box->path(u"images/a rather long file name of a holiday picture.jpg"_s));
        guitest::child<QCheckBox>(*window, "chkResetFileDates")->setChecked(true);
        guitest::child<QCheckBox>(*window, "chkDeleteFileOnFail")->setChecked(true);
        for (int page = 1; page <= 6; ++page) {
            QCOMPARE(window->iPage(), page);
            QCoreApplication::processEvents();
            checkPage(*window, u"page "_s + QString::number(page));
            shoot(*window, u"page"_s + QString::number(page));
            if (page < 6)
                window->goNext();
        }
    }

    void fileCountWithDesktopFonts_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        // Debian's desktops: GNOME's Cantarell 11, and DejaVu Sans at 10 and 11 points.
        QTest::newRow("DejaVu Sans 10") << u"DejaVu Sans"_s << 10;
        QTest::newRow("DejaVu Sans 11") << u"DejaVu Sans"_s << 11;
        QTest::newRow("Cantarell 11") << u"Cantarell"_s << 11;
    }

    // The hint beside the count stays whole whatever the count says, in the fonts people
    // have on their desktops (the test platform's own font is smaller).
    void fileCountWithDesktopFonts()
    {
        QFETCH(QString, family);
        QFETCH(int, points);
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(family, points));
        auto window = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->goNext();
        window->addFile(m_box->path(u"images/tiff_iptc_icc_xmp_photoshop.tif"_s));
        for (const QString &count :
            {u"26 images"_s, u"20000 images"_s, u"Adding files..."_s, u"No files to process..."_s}) {
            guitest::child<QLabel>(*window, "lblNumFileAdded")->setText(count);
            QCoreApplication::processEvents();
            checkPage(*window, u"page 2 with \""_s + count + u"\" in "_s + family);
            const QLabel *hint = guitest::child<QLabel>(*window, "lblShowMetadataTip");
            QVERIFY2(hint->width() >= hint->fontMetrics().horizontalAdvance(hint->text()), qPrintable(count));
        }
        window.reset();
        QApplication::setFont(before);
    }

    // Pages 7 and 8 as a real run with problems shows them: page 7 while ExifTool works.
    void pagesOfARun()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, m_box->path(u"images/broken.jpg"_s)));
        auto window = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->goNext();
        window->addFolder(m_box->path(u"images"_s));
        window->updateControls();
        guitest::child<QCheckBox>(*window, "chkDeleteFileOnFail")->setChecked(true);
        guitest::child<QRadioButton>(*window, "optProcessingFail_1")->setChecked(true);
        guitest::child<QLineEdit>(*window, "txtProcessingFailFolder")->setText(m_box->path(u"failed"_s));
        bool runningShown = false;
        connect(
            guitest::child<QProgressBar>(*window, "ProgressBar"), &QProgressBar::valueChanged, this, [&](int value) {
                if (runningShown || value <= 0 || window->iPage() != 7)
                    return;
                runningShown = true;
                checkPage(*window, u"page 7 while running"_s);
                shoot(*window, u"page7"_s);
            });
        QVERIFY(guitest::runToFinishedPage(*window));
        QVERIFY(runningShown);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(guitest::child<QLabel>(*window, "lblErrorInfo")->isVisible());
        QCoreApplication::processEvents();
        checkPage(*window, u"page 8 after a run"_s);
        shoot(*window, u"page8"_s);
    }

    // A balloon as it shows over the file page (a picture only under a real display).
    void balloonTip()
    {
        auto window = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->goNext();
        const BalloonTip *tip = window->tooltipOf(guitest::child<QPushButton>(*window, "cmdInput"));
        QVERIFY(tip);
        guitest::enter(guitest::child<QPushButton>(*window, "cmdInput"),
            guitest::child<QPushButton>(*window, "cmdInput")->rect().center());
        QTRY_VERIFY(tip->tipWindow()->isVisible());
        QWidget *balloon = tip->tipWindow();
        // The balloon stays on the screen.
        QVERIFY(window->screen()->availableGeometry().contains(balloon->geometry()));
        const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
        if (!dir.isEmpty() && QGuiApplication::platformName() == u"xcb") {
            QCoreApplication::processEvents();
            QTest::qWait(100);
            const QRect area = window->frameGeometry().united(balloon->geometry()).adjusted(-4, -4, 4, 4);
            QDir().mkpath(dir);
            QVERIFY(window->screen()
                        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                        .save(dir + u"/balloon.png"_s));
        }
        guitest::leave(guitest::child<QPushButton>(*window, "cmdInput"));
        QVERIFY(!balloon->isVisible());
    }

    // The same pages once more in a process of their own, drawn larger.
    void largerScale()
    {
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QSKIP("already running at a chosen scale");
        QProcess scaled;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_SCALE_FACTOR"_s, u"1.5"_s);
        scaled.setProcessEnvironment(env);
        scaled.setProcessChannelMode(QProcess::MergedChannels);
        scaled.start(QCoreApplication::applicationFilePath(), {u"everyPage"_s, u"pagesOfARun"_s, u"balloonTip"_s});
        QVERIFY(scaled.waitForFinished(60000));
        QVERIFY2(scaled.exitStatus() == QProcess::NormalExit && scaled.exitCode() == 0, scaled.readAll().constData());
    }
};

QTEST_MAIN(TestGuiLayout)
#include "tst_gui_layout.moc"
