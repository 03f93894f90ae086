// Every page of the wizard as a person meets it, light and dark (ctest runs this once more
// per language): laid out whole and readable, then the window's size rules. With
// QUILLMARK_SCREENSHOT_DIR set, each page is also saved there (tools/screenshots.sh).

#include "gui/BalloonTip.h"
#include "gui/OutcomeListModel.h"
#include "gui/WindowLayout.h"
#include "guitestutil.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <map>

using namespace Qt::StringLiterals;
using guitest::child;
using guitest::rowTexts;

namespace {

const QString longName = u"a rather long file name of a holiday picture.jpg"_s;

QString describe(const QWidget *w)
{
    return w->objectName() + u" \""_s + guitest::caption(w).left(30) + u"\""_s;
}

QColor backgroundOf(const QWidget *w)
{
    if (qobject_cast<const QPushButton *>(w))
        return w->palette().color(QPalette::Active, QPalette::Button);
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(QPalette::Active, p->backgroundRole());
    }
    return {};
}

double contrastOf(const QWidget *w)
{
    return Palettes::contrastRatio(w->palette().color(QPalette::Active, w->foregroundRole()), backgroundOf(w));
}

bool isControl(const QWidget *w)
{
    if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QProgressBar *>(w)
        || qobject_cast<const QPlainTextEdit *>(w))
        return true;
    const auto *label = qobject_cast<const QLabel *>(w);
    return label && (label->focusPolicy() != Qt::NoFocus || !label->pixmap().isNull());
}

QVariant rowData(const QTreeView *view, int row, int role)
{
    return view->model()->index(row, 0).data(role);
}

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
    const QList<QWidget *> header = guitest::children(w, {"picFrameTop", "picSplashTop", "Line1", "Line2"});
    const QList<QWidget *> panels = guitest::pagePanels(w);
    std::map<QString, QRect> boxes;
    for (int page = 1; page <= 8; ++page) {
        // Shown the way the wizard shows it, without running the job for pages 7 and 8.
        const bool side = page == 1 || page == 8;
        for (QWidget *p : panels)
            p->setVisible(p == panels.at(page - 1));
        for (QWidget *h : header)
            h->setVisible(!side);
        child<QLabel>(w, "picSplash")->setVisible(side);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        const QList<QWidget *> measured = QList<QWidget *> {panels.at(page - 1)}
            + guitest::children(w, {"cmdBack", "cmdNext", "cmdCancel", "Line3", "Line4"})
            + (side ? QList<QWidget *>() : header) + inside.at(page - 1);
        for (QWidget *widget : measured) {
            const QString name = widget == panels.at(page - 1) ? u"panel"_s : widget->objectName();
            boxes[u"page%1/%2"_s.arg(page).arg(name)] = QRect(widget->mapTo(&w, QPoint(0, 0)), widget->size());
        }
    }
    return boxes;
}

} // namespace

class TestGuiLayout final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QPalette m_startPalette;
    bool m_english = true; // the texts themselves are checked in English only
    QStringList m_named; // the controls with a name for the screen reader

    // The page shown, with the header, buttons and lines around it: where the widgets a
    // person reads or operates are, and whether they can be read.
    void checkPage(CleanWizard &window, const QString &pageName)
    {
        const auto box = [&window](const QWidget *w) { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); };
        QList<QWidget *> widgets; // named ones, not Qt's own parts
        QString letters;
        for (QWidget *w : window.findChildren<QWidget *>()) {
            if (!w->isVisibleTo(&window))
                continue;
            const QString what = pageName + u": "_s + describe(w);
            const bool qtPart = w->objectName().startsWith(u"qt_"_s);
            if ((qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) && w->isEnabled()
                && !guitest::caption(w).isEmpty())
                QVERIFY2(contrastOf(w) >= 4.5, qPrintable(what + u" has contrast %1"_s.arg(contrastOf(w), 0, 'f', 2)));
            if (isControl(w) && !qtPart) {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(
                    face && !face->text(QAccessible::Name).isEmpty(), qPrintable(what + u" has no accessible name"_s));
                m_named << w->objectName();
            }
            if (const auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
                const QChar letter = Mnemonics::letterOf(button->text());
                QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(what + u": Alt letter"_s));
                // A letter a keyboard has (Chinese and Japanese captions get a Latin one).
                QVERIFY2(letter.script() != QChar::Script_Han && letter.script() != QChar::Script_Hiragana
                        && letter.script() != QChar::Script_Katakana,
                    qPrintable(what + u": Alt letter "_s + letter));
                letters += letter;
                QCOMPARE(Mnemonics::plain(button->text()).count(u'&'), w->objectName() == u"chkCleanPhotoshop" ? 1 : 0);
            }
            if (w->objectName().isEmpty() || qtPart)
                continue;
            widgets << w;
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
        QCOMPARE(child<QLabel>(window, "picSplash")->pixmap().deviceIndependentSize().toSize(),
            child<QLabel>(window, "picSplash")->size());

        // Leaf controls must not overlap.
        widgets.removeIf([&window](QWidget *w) {
            return w == child<QFrame>(window, "picFrameTop") || guitest::pagePanels(window).contains(w);
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

    static void checkStatuses(const QTreeView *view, const QList<FileStatus> &statuses)
    {
        QCOMPARE(view->model()->rowCount(), statuses.size());
        for (int row = 0; row < statuses.size(); ++row) {
            QCOMPARE(FileStatus(rowData(view, row, OutcomeListModel::StatusRole).toInt()), statuses.at(row));
            QCOMPARE(rowData(view, row, Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage(),
                OutcomeListModel::statusIcon(statuses.at(row)).pixmap(16, 16).toImage());
        }
    }

    // Before cleaning, a double click shows the row's own file, without ExifTool's first
    // line; Ctrl+I and the context menu's one action show the current row's.
    void checkViewerBeforeCleaning(CleanWizard &w)
    {
        auto *lwFiles = child<QTreeView>(w, "lwFiles");
        const Prompts::Record before = guitest::doubleClickRow(lwFiles, 3);
        QCOMPARE(before.kind, Prompts::Kind::Modal);
        QVERIFY(before.text.startsWith(u'\n') && !before.text.contains(u"ExifToolVersion"_s));
        QVERIFY(before.text.contains(u"[GPS]"_s)
            && before.text.contains(u"FileName                        : "_s + rowTexts(lwFiles).at(3)));
        const QList<QAction *> actions = lwFiles->actions();
        QVERIFY(actions.size() == 1 && lwFiles->contextMenuPolicy() == Qt::ActionsContextMenu);
        QCOMPARE(actions.first()->shortcut(), QKeySequence(u"Ctrl+I"_s));
        lwFiles->setCurrentIndex(lwFiles->model()->index(0, 0));
        QTest::keyClick(lwFiles, Qt::Key_I, Qt::ControlModifier);
        lwFiles->setCurrentIndex(lwFiles->model()->index(1, 0));
        actions.first()->trigger();
        QStringList titles = {before.title};
        for (const Prompts::Record &r : Prompts::takeRecords())
            titles << r.title;
        QCOMPARE(titles.size(), 3);
        if (m_english) {
            QCOMPARE(actions.first()->text(), u"Show Metadata"_s);
            QCOMPARE(titles,
                (QStringList {u"png_exif_gps_xmp.png - Metadata Viewer"_s, longName + u" - Metadata Viewer"_s,
                    u"broken.jpg - Metadata Viewer"_s}));
        }
    }

    // The finished page after a run with residue and a failed image moved to a folder.
    void checkProblems(CleanWizard &w, const QString &folder, const QString &failed)
    {
        // Every image has a row: residue first, then the failed one, then the clean ones.
        auto *lwFilesCleaned = child<QTreeView>(w, "lwFilesCleaned");
        QCOMPARE(rowTexts(lwFilesCleaned),
            (QStringList {u"cr2_canon_350d_cleaned.cr2"_s, u"broken.jpg"_s,
                QFileInfo(longName).completeBaseName() + u"_cleaned.jpg"_s, u"png_exif_gps_xmp_cleaned.png"_s}));
        checkStatuses(
            lwFilesCleaned, {FileStatus::Residue, FileStatus::Failed, FileStatus::Cleaned, FileStatus::Cleaned});
        QCOMPARE(guitest::visibility(w, {"lblLinkButton_3", "lblErrorInfo", "txtErrorLog"}),
            (QList<bool> {true, true, false}));
        // The cleaned-files caption follows the last problem caption.
        QVERIFY(child<QLabel>(w, "lblCleanedFiles")->y() > child<QLabel>(w, "lblErrorInfo")->y());
        // After problems the list stays, so the person can go back and try again.
        QCOMPARE(w.lstFiles().ListCount(), 4);
        QVERIFY(QFile::exists(failed + u"/broken.jpg"_s));
        const QString log = QString::fromUtf8(guitest::readFile(m_box->tempFolder() + u"/qmk_log.txt"_s));
        QVERIFY(log.contains(u"broken.jpg"_s));

        // A double click compares an output with its original, what is left first; a
        // failed row has no output to show.
        const Prompts::Record residueView = guitest::doubleClickRow(lwFilesCleaned, 0);
        QCOMPARE(residueView.kind, Prompts::Kind::Modal);
        QVERIFY2(residueView.text.contains(u"[Canon] SerialNumber"_s), qPrintable(residueView.text));
        QCOMPARE(guitest::doubleClickRow(lwFilesCleaned, 1).text, QString());
        const Prompts::Record cleanedView = guitest::doubleClickRow(lwFilesCleaned, 3);

        // The run's problems show in a window of the program's own; where no program opens
        // the folder, the window says where it is; where the desktop opens it, nothing more
        // is shown.
        Prompts::setOpenUrlWorks(false);
        w.openLink(3);
        w.openLink(5);
        const QList<Prompts::Record> withoutDesktop = Prompts::takeRecords();
        QVERIFY(withoutDesktop.size() == 3 && withoutDesktop.at(0).kind == Prompts::Kind::Modal
            && withoutDesktop.at(1).kind == Prompts::Kind::Open && withoutDesktop.at(2).kind == Prompts::Kind::Message);
        QVERIFY2(withoutDesktop.at(0).text.contains(u"broken.jpg"_s) && withoutDesktop.at(0).text.contains(u"cr2"_s),
            qPrintable(withoutDesktop.at(0).text));
        QVERIFY2(withoutDesktop.at(2).text.contains(folder), qPrintable(withoutDesktop.at(2).text));
        Prompts::setOpenUrlWorks(true);
        w.openLink(3);
        w.openLink(5);
        const QList<Prompts::Record> withDesktop = Prompts::takeRecords();
        QVERIFY(withDesktop.size() == 2 && withDesktop.at(0).kind == Prompts::Kind::Modal
            && withDesktop.at(1).kind == Prompts::Kind::Open);
        // An output that has gone: the message, and no viewer.
        QVERIFY(QFile::remove(folder + u"/png_exif_gps_xmp_cleaned.png"_s));
        const Prompts::Record gone = guitest::doubleClickRow(lwFilesCleaned, 3);
        QCOMPARE(gone.kind, Prompts::Kind::Message);
        if (!m_english)
            return;
        // The headline and the counts say what became of the images; the summary below
        // says how much and how fast.
        QCOMPARE(child<QLabel>(w, "lblFinished")->text(),
            u"2 of 4 images were cleaned; 1 still carries identifying metadata; 1 could not be cleaned"_s);
        QCOMPARE(child<QLabel>(w, "lblRunCounts")->text(),
            u"2 images were cleaned. 1 image still carries identifying metadata. 1 image could not be cleaned."_s);
        const QString info = child<QLabel>(w, "lblExecuteInfo")->text();
        const QRegularExpression summary(u"^3 images processed \\(.+\\)\\nin .+$"_s);
        QVERIFY2(summary.match(info).hasMatch(), qPrintable(info));
        QCOMPARE(child<QLabel>(w, "lblErrorInfo")->text(), u"1 problem file was moved to %1/."_s.arg(failed));
        // The tooltip says what is left, by category, or why nothing was written.
        const auto tip = [&](int row) { return rowData(lwFilesCleaned, row, Qt::ToolTipRole).toString(); };
        QVERIFY2(tip(0).contains(u"Canon:SerialNumber"_s), qPrintable(tip(0)));
        QVERIFY2(tip(1).startsWith(u"Failed"_s), qPrintable(tip(1)));
        QVERIFY(tip(3).startsWith(u"Cleaned"_s));
        QCOMPARE(cleanedView.title, u"png_exif_gps_xmp_cleaned.png - compared with the original - Metadata Viewer"_s);
    }

    // A shown window; null when it could not be made.
    std::unique_ptr<CleanWizard> sizedWindow(bool resizable)
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
        m_startPalette = QApplication::palette();
        // ctest runs this once more per language: the window must really be in it.
        const QStringList languages = preferredLanguages();
        if (!languages.isEmpty()
            && (QFile::exists(u":/i18n/quillmark_"_s + languages.first() + u".qm"_s)
                || QFile::exists(u":/i18n/quillmark_"_s + languages.first().left(2) + u".qm"_s))) {
            QVERIFY(QCoreApplication::translate("CleanWizard", "Next >") != u"Next >"_s);
            m_english = false;
        }
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        QVERIFY(testutil::copySample(u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s, m_box->path(longName)));
    }

    void init() { guitest::forgetPrompts(); }

    void cleanup()
    {
        QApplication::setPalette(m_startPalette);
        Prompts::setOpenUrlWorks(true);
    }

    void pages_data()
    {
        QTest::addColumn<QString>("palette");
        // The colours are the same in every language: the dark palette once, in English,
        // unless a screenshot run chose one.
        const QString chosen = qEnvironmentVariable("QUILLMARK_PALETTE");
        for (const QString &palette : {u"light"_s, u"dark"_s}) {
            if (chosen.isEmpty() ? palette == u"light" || m_english : chosen == palette)
                QTest::newRow(qPrintable(palette)) << palette;
        }
    }

    // Pages 1 to 6 with their worst cases, page 7 while ExifTool works, page 8 after a run
    // with every outcome, and again after files were left out while adding.
    void pages()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(QString, palette);
        QVERIFY(Palettes::apply(palette));
        const QString folder = m_box->imageFolder(palette + u"/images"_s,
            {u"cr2_canon_350d.cr2"_s, u"jpeg_truncated_in_app1.jpg"_s, u"png_exif_gps_xmp.png"_s});
        const QString more = m_box->imageFolder(palette + u"/more"_s, {u"png_exif_gps_xmp.png"_s});
        const QString failed = m_box->path(palette + u"/failed"_s);
        const QString dropped = m_box->path(palette + u"/fix.diff"_s);
        QVERIFY(QFile::copy(m_box->path(longName), folder + u'/' + longName));
        QVERIFY(QFile::rename(folder + u"/jpeg_truncated_in_app1.jpg"_s, folder + u"/broken.jpg"_s));
        QVERIFY(QFile::copy(testutil::sample(u"png_exif_gps_xmp.png"_s), more + u"/clip.avi"_s));
        QVERIFY(guitest::writeFile(more + u"/notes.txt"_s, "x") && guitest::writeFile(dropped, "x"));
        auto w = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        auto *lwFilesCleaned = child<QTreeView>(*w, "lwFilesCleaned");
        auto *lblNumFileAdded = child<QLabel>(*w, "lblNumFileAdded");
        child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        child<QCheckBox>(*w, "chkDeleteFileOnFail")->setChecked(true);
        child<QRadioButton>(*w, "optProcessingFail_1")->setChecked(true);
        child<QLineEdit>(*w, "txtProcessingFailFolder")->setText(failed);
        bool runningShown = false;
        connect(child<QProgressBar>(*w, "ProgressBar"), &QProgressBar::valueChanged, this, [&](int value) {
            if (runningShown || value <= 0 || w->iPage() != 7)
                return;
            runningShown = true;
            checkPage(*w, u"page 7 while running"_s);
            QVERIFY(guitest::shoot(*w, u"page7"_s));
        });
        m_named.clear();
        for (int page = 1; page <= 6; ++page) {
            QCOMPARE(w->iPage(), page);
            if (page == 2) {
                w->addFolder(folder);
                QCOMPARE(w->lstFiles().ListCount(), 4);
                checkViewerBeforeCleaning(*w);
            }
            QCoreApplication::processEvents();
            checkPage(*w, u"page "_s + QString::number(page));
            QVERIFY(guitest::shoot(*w, u"page"_s + QString::number(page)));
            if (page == 1) { // the link too while the mouse is on it
                guitest::enter(child<QLabel>(*w, "lblLinkButton_2"));
                QVERIFY(contrastOf(child<QLabel>(*w, "lblLinkButton_2")) >= 4.5);
                guitest::leave(child<QLabel>(*w, "lblLinkButton_2"));
            } else if (const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
                       page == 2 && !dir.isEmpty() && QGuiApplication::platformName() == u"xcb") {
                // A balloon over the file page, only under a real display (it is checked in tst_gui_access).
                auto *cmdInput = child<QPushButton>(*w, "cmdInput");
                QWidget *balloon = w->tooltipOf(cmdInput)->tipWindow();
                guitest::enter(cmdInput, cmdInput->rect().center());
                QTRY_VERIFY(balloon->isVisible());
                QTest::qWait(100);
                const QRect area = w->frameGeometry().united(balloon->geometry()).adjusted(-4, -4, 4, 4);
                QVERIFY(w->screen()
                            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                            .save(dir + u"/balloon.png"_s));
                guitest::leave(cmdInput);
            }
            w->goNext();
        }
        QVERIFY(guitest::waitForFinishedPage(*w));
        QVERIFY(runningShown && !QTest::currentTestFailed());
        QCoreApplication::processEvents();
        checkPage(*w, u"page 8 after a run"_s);
        QVERIFY(guitest::shoot(*w, u"page8"_s));
        m_named.removeDuplicates();
        QVERIFY2(m_named.size() > 50, qPrintable(m_named.join(u' ')));
        checkProblems(*w, folder, failed);
        QVERIFY(!QTest::currentTestFailed());

        // The files left out while adding are rows too, and the summary says what was left
        // out; Remove All forgets them.
        w->goBack();
        w->removeAllImages();
        const QString leftOut
            = u"2 files were left out: 1 video of a type not cleaned, 1 file that is not a supported image."_s;
        for (bool removeAll : {true, false}) {
            w->addFolder(more);
            QVERIFY(guitest::drop(lwFiles->viewport(), {dropped}));
            QTRY_VERIFY(lblNumFileAdded->toolTip().contains(u'2'));
            if (m_english)
                QCOMPARE(lblNumFileAdded->toolTip(), leftOut);
            if (removeAll) {
                w->removeAllImages();
                QCOMPARE(lblNumFileAdded->toolTip(), QString());
            }
        }
        QCOMPARE(w->lstFiles().ListCount(), 1);
        QVERIFY(guitest::runToFinishedPage(*w));
        QCoreApplication::processEvents();
        checkPage(*w, u"page 8 after a run with files left out"_s);
        QCOMPARE(
            rowTexts(lwFilesCleaned), (QStringList {u"clip.avi"_s, u"fix.diff"_s, u"png_exif_gps_xmp_cleaned.png"_s}));
        checkStatuses(lwFilesCleaned, {FileStatus::Skipped, FileStatus::Skipped, FileStatus::Cleaned});
        QCOMPARE(guitest::doubleClickRow(lwFilesCleaned, 0).text, QString());
        if (m_english) {
            QVERIFY(child<QLabel>(*w, "lblExecuteInfo")->text().startsWith(u"1 image processed"_s));
            QCOMPARE(child<QLabel>(*w, "lblRunCounts")->text(), u"1 image was cleaned. "_s + leftOut);
            QVERIFY(rowData(lwFilesCleaned, 0, Qt::ToolTipRole)
                        .toString()
                        .contains(u"Left out: this video type is not cleaned"_s));
            QVERIFY(rowData(lwFilesCleaned, 1, Qt::ToolTipRole).toString().contains(u"Not a supported image type."_s));
        }
    }

    // The hint beside the count stays whole whatever the count says, in a font people have
    // on their desktops, DejaVu Sans 11 (the test platform's own font is smaller).
    void fileCountWithDesktopFont()
    {
        const QString family = u"DejaVu Sans"_s;
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
        QApplication::setFont(QFont(family, 11));
        auto window = m_box->windowAt(2, m_box->path(longName));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // In the window's language, which sized the window.
        const auto tr = [](const char *text) { return QCoreApplication::translate("ImagesPage", text); };
        for (const QString &count : {tr("%1 images").arg(26), tr("%1 images").arg(20000), tr("Adding files..."),
                 tr("No files to process...")}) {
            child<QLabel>(*window, "lblNumFileAdded")->setText(count);
            QCoreApplication::processEvents();
            checkPage(*window, u"page 2 with \""_s + count + u"\" in "_s + family);
            const QLabel *hint = child<QLabel>(*window, "lblShowMetadataTip");
            QVERIFY2(hint->width() >= hint->fontMetrics().horizontalAdvance(hint->text()), qPrintable(count));
        }
    }

    // A fixed window unless the hidden resizableWindow setting asks otherwise; then the least size.
    void leastSize()
    {
        auto fixed = sizedWindow(false);
        QVERIFY(fixed);
        const QSize size = fixed->size();
        QVERIFY(fixed->minimumSize() == size && fixed->maximumSize() == size && !fixed->isSizeGripEnabled());
        fixed->resize(size + QSize(dw, dh));
        QCoreApplication::processEvents();
        QCOMPARE(fixed->size(), size);
        fixed.reset();

        auto w = sizedWindow(true);
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

    // What moves and what grows when the window is made larger; the list columns keep their width.
    void growingWindow()
    {
        auto w = sizedWindow(true);
        QVERIFY(w);
        auto *picSplash = child<QLabel>(*w, "picSplash");
        const QSize least = w->size();
        // The finished page's list has its status column beside the name.
        const auto column = [&w](const char *list) {
            const QHeaderView *header = child<QTreeView>(*w, list)->header();
            return header->count() > 1 ? header->sectionSize(0) + header->sectionSize(1) : header->sectionSize(0);
        };
        const int filesColumn = column("lwFiles");
        const int cleanedColumn = column("lwFilesCleaned");
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
        QCOMPARE(column("lwFiles"), filesColumn);
        QCOMPARE(column("lwFilesCleaned"), cleanedColumn);
        // The side picture is drawn anew for the taller panel, not stretched.
        QCOMPARE(picSplash->pixmap().deviceIndependentSize().toSize(), picSplash->size());
    }

    // Drawn at the device's pixels for each scale, not scaled up; grey when disabled.
    void pictureButtons()
    {
        auto w = sizedWindow(false);
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
};

QTEST_MAIN(TestGuiLayout)
#include "tst_gui_layout.moc"
