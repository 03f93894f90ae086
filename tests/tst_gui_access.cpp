// The window for people who read it in a dark palette, hear it through a screen reader or
// work it with the keyboard: contrast of every text in light and dark palettes, an
// accessible name for every control of every page, help on F1, Alt letters, Tab onto the
// chosen option, a visibly focused empty list, Ctrl+I and the context menu for the
// viewer, and the ready page's summary. (The finished page's links where the desktop
// cannot open anything: tst_gui_run's problemsReported.)

#include "gui/BalloonTip.h"
#include "gui/FileListView.h"
#include "guitestutil.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

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

QColor foregroundOf(const QWidget *w)
{
    return w->palette().color(QPalette::Active, w->foregroundRole());
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

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
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
    QString m_folder; // one clean image and one broken one
    QPalette m_startPalette;

    QString image() const { return m_folder + u"/a.jpg"_s; }

    // A folder of its own with a clean image and a broken one: runs add outputs and move
    // the broken one away.
    QString freshFolder(const QString &name) const
    {
        const QString folder = m_box->path(name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        if (!testutil::copySample(u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s, folder + u"/a.jpg"_s)
            || !testutil::copySample(u"jpeg_truncated_in_app1.jpg"_s, folder + u"/broken.jpg"_s))
            return {};
        return folder;
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_startPalette = QApplication::palette();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_folder = freshFolder(u"images"_s);
        QVERIFY(!m_folder.isEmpty());
    }

    void init() { guitest::forgetPrompts(); }

    void cleanup() { QApplication::setPalette(m_startPalette); }

    void everyPageReadable_data()
    {
        QTest::addColumn<QString>("palette");
        QTest::newRow("light") << u"light"_s;
        QTest::newRow("dark") << u"dark"_s;
    }

    // On every page, in both palettes: every text a person reads stands out from what is
    // behind it by 4.5:1 at least; every control has a name a screen reader can say; every
    // button, box and option has an Alt letter of its own, and the captions read as before.
    void everyPageReadable()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QFETCH(QString, palette);
        QVERIFY(Palettes::apply(palette));
        // The pages as a person meets them: 1 to 6 on the way, 8 after a run with a problem.
        auto w = m_box->filesPage(freshFolder(u"readable-"_s + palette));
        w->goBack();
        guitest::child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        guitest::child<QCheckBox>(*w, "chkDeleteFileOnFail")->setChecked(true);
        QStringList named;
        for (int page : {1, 2, 3, 4, 5, 6, 8}) {
            if (page == 8) {
                w->goNext(); // the run
                QVERIFY(guitest::waitForFinishedPage(*w));
            } else if (page > 1) {
                w->goNext();
            }
            QCOMPARE(w->iPage(), page);
            QCoreApplication::processEvents();
            QString letters;
            for (QWidget *widget : w->findChildren<QWidget *>()) {
                if (!widget->isVisibleTo(w.get()))
                    continue;
                const QString what
                    = u"page %1: %2 \"%3\""_s.arg(page).arg(widget->objectName(), guitest::caption(widget).left(30));
                const bool text = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget);
                if (text && widget->isEnabled() && !guitest::caption(widget).isEmpty()) {
                    const double ratio = Palettes::contrastRatio(foregroundOf(widget), backgroundOf(widget));
                    QVERIFY2(ratio >= 4.5, qPrintable(what + u" has contrast %1"_s.arg(ratio, 0, 'f', 2)));
                }
                if (isControl(widget) && !widget->objectName().startsWith(u"qt_"_s)) {
                    QVERIFY2(!accessibleName(widget).isEmpty(), qPrintable(what + u" has no accessible name"_s));
                    named << widget->objectName();
                }
                const auto *button = qobject_cast<QAbstractButton *>(widget);
                if (!button || button->text().isEmpty())
                    continue;
                const QChar letter = Mnemonics::letterOf(button->text());
                QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(what));
                letters += letter;
                QCOMPARE(
                    Mnemonics::plain(button->text()).count(u'&'), button->objectName() == u"chkCleanPhotoshop" ? 1 : 0);
            }
        }
        named.removeDuplicates();
        QVERIFY2(named.size() > 50, qPrintable(named.join(u' ')));
        // The links too while the mouse is on them.
        auto home = m_box->window();
        auto *lblLinkButton_2 = guitest::child<QLabel>(*home, "lblLinkButton_2");
        guitest::enter(lblLinkButton_2);
        QVERIFY(Palettes::contrastRatio(foregroundOf(lblLinkButton_2), backgroundOf(lblLinkButton_2)) >= 4.5);
    }

    void contrastRule_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same") << QColor(120, 30, 200) << QColor(120, 30, 200) << 1.0;
        QTest::newRow("grey 767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    }

    void contrastRule()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY(qAbs(Palettes::contrastRatio(a, b) - ratio) < 0.01);
        // A colour made readable keeps the rule.
        QVERIFY(Palettes::contrastRatio(Palettes::readableOn(a, b), b) >= 4.5);
    }

    // Controls with a balloon also describe themselves with its text.
    void accessibleDescriptions()
    {
        auto w = m_box->window();
        // Each control by name with the anchor of its balloon.
        const std::initializer_list<std::pair<const char *, const char *>> described
            = {{"chkCleanExif", "picTooltip_0"}, {"txtPrefix", "picTooltip_7"}, {"chkResetFileDates", "picTooltip_12"},
                {"optProcessingFail_1", "picTooltip_13"}, {"chkCleanAdobeApp14", "picTooltip_16"},
                {"cmdInput", "cmdInput"}};
        for (const auto &[control, anchor] : described) {
            const BalloonTip *tip = w->tooltipOf(guitest::child<QWidget>(*w, anchor));
            QVERIFY(tip);
            QVERIFY2(guitest::child<QWidget>(*w, control)->accessibleDescription().contains(tip->TipText()), control);
        }
        QCOMPARE(accessibleName(guitest::child<QLabel>(*w, "picTooltip_0")), u"Help: Exif"_s);
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
        QTest::newRow("F1 on a picture button") << 2 << u"cmdRemoveAll"_s << 0 << u"Clear the file list"_s;
        QTest::newRow("F1 on a date option") << 5 << u"optDate_1"_s << 0 << u"Obfuscate file dates"_s;
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
        auto w = m_box->windowAt(page, image());
        auto *target = guitest::child<QWidget>(*w, control);
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

    void mnemonicRule_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first letter") << u"Next >"_s << QString() << u"&Next >"_s;
        QTest::newRow("next word") << u"Exif GPS"_s << u"e"_s << u"Exif &GPS"_s;
        QTest::newRow("any letter") << u"Add suffix:"_s << u"as"_s << u"A&dd suffix:"_s;
        QTest::newRow("ampersand kept") << u"PS Tag && Thumb"_s << u"p"_s << u"PS &Tag && Thumb"_s;
        QTest::newRow("old letter replaced") << u"&Close"_s << u"c"_s << u"C&lose"_s;
        QTest::newRow("nothing free") << u"ab"_s << u"ab"_s << u"ab"_s;
    }

    void mnemonicRule()
    {
        QFETCH(QString, caption);
        QFETCH(QString, taken);
        QFETCH(QString, expected);
        QCOMPARE(Mnemonics::withMnemonic(caption, taken), expected);
        QCOMPARE(Mnemonics::plain(expected), Mnemonics::plain(caption));
    }

    // Tab lands on the chosen option of a group, and the next Tab leaves the group.
    void tabOntoChosenOption()
    {
        auto w = m_box->windowAt(3, image());
        auto *optOutputMode_2 = guitest::child<QRadioButton>(*w, "optOutputMode_2");
        auto *cmdCancel = guitest::child<QPushButton>(*w, "cmdCancel");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        optOutputMode_2->setChecked(true);
        cmdCancel->setFocus(Qt::OtherFocusReason);
        QWidget *focus = cmdCancel;
        for (int i = 0; i < 10 && !qobject_cast<QRadioButton *>(focus); ++i) {
            QTest::keyClick(focus, Qt::Key_Tab);
            QCoreApplication::processEvents();
            focus = QApplication::focusWidget();
            QVERIFY(focus);
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
        auto *lwFiles = guitest::child<QTreeView>(*w, "lwFiles");
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

    // Ctrl+I and the context menu's "Show Metadata" open the viewer for the current row.
    void viewerFromTheKeyboard()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        auto w = m_box->filesPage(freshFolder(u"keyboard"_s));
        auto *lwFiles = guitest::child<QTreeView>(*w, "lwFiles");
        lwFiles->setCurrentIndex(lwFiles->model()->index(0, 0));
        QTest::keyClick(lwFiles, Qt::Key_I, Qt::ControlModifier);
        QList<Prompts::Record> records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().title, u"a.jpg - Metadata Viewer"_s);

        const QList<QAction *> actions = lwFiles->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first()->text(), u"Show Metadata"_s);
        QCOMPARE(actions.first()->shortcut(), QKeySequence(u"Ctrl+I"_s));
        QCOMPARE(lwFiles->contextMenuPolicy(), Qt::ActionsContextMenu);
        lwFiles->setCurrentIndex(lwFiles->model()->index(1, 0));
        actions.first()->trigger();
        records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().title, u"broken.jpg - Metadata Viewer"_s);
    }

    void readyPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("warns");
        QTest::newRow("overwrite") << 0 << u"1 image will be cleaned in place: the originals are overwritten."_s
                                   << true;
        QTest::newRow("folder") << 1 << u"1 image will be cleaned into the folder /tmp/out."_s << false;
        QTest::newRow("prefix") << 2 << u"as copies whose names begin with \"cleaned_\"."_s << false;
        QTest::newRow("suffix") << 3
                                << u"as copies whose names end with \"_cleaned\". Removed: all supported "
                                   u"metadata."_s
                                << false;
    }

    // The ready page says in one paragraph what the run will do, and warns before originals
    // are overwritten.
    void readyPage()
    {
        QFETCH(int, mode);
        QFETCH(QString, says);
        QFETCH(bool, warns);
        auto w = m_box->windowAt(3, image());
        auto *lblReadySummary = guitest::child<QLabel>(*w, "lblReadySummary");
        guitest::child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->setChecked(true);
        guitest::child<QLineEdit>(*w, "txtOutput")->setText(u"/tmp/out"_s);
        w->goNext();
        w->goNext();
        guitest::child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true);
        guitest::child<QRadioButton>(*w, "optDate_1")->setChecked(true);
        w->goNext();
        QCOMPARE(w->iPage(), 6);
        QVERIFY2(lblReadySummary->text().contains(says), qPrintable(lblReadySummary->text()));
        QVERIFY(lblReadySummary->text().contains(u"File dates are set to random dates."_s));
        QCOMPARE(guitest::child<QLabel>(*w, "lblOverwriteWarning")->isVisible(), warns);
        QCOMPARE(guitest::child<QLabel>(*w, "imgOverwriteWarning")->isVisible(), warns);
    }
};

QTEST_MAIN(TestGuiAccess)
#include "tst_gui_access.moc"
