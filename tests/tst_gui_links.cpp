// The link labels on the real window: blue at rest, red with a hand cursor while the
// mouse is over them, blue again as soon as it leaves, inert while disabled; what each
// click opens; and the output-mode text boxes that choose their mode when clicked into.

#include "gui/LinkLabel.h"
#include "gui/WelcomePage.h"
#include "guitestutil.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;
using guitest::enter;
using guitest::leave;

namespace {

// How a link looks: its colour, and the mouse cursor over it.
using Look = std::pair<QColor, Qt::CursorShape>;
// The desktop's link colour and red, as the light palette of the tests gives them.
Look rest()
{
    return {LinkLabel::restColor(QPalette()), Qt::ArrowCursor};
}

Look hover()
{
    return {LinkLabel::hoverColor(QPalette()), Qt::PointingHandCursor};
}

Look lookOf(const QLabel *label)
{
    return {label->palette().color(QPalette::Active, QPalette::WindowText), label->cursor().shape()};
}

// What the window handed to the desktop to open since the last call.
QStringList opened()
{
    return guitest::recordedTexts(Prompts::Kind::Open);
}

} // namespace

class TestGuiLinks final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;
    QString m_image;

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
        m_image = m_box->imageFolder(u"one"_s, {u"png_exif_gps_xmp.png"_s}) + u"/png_exif_gps_xmp.png"_s;
    }

    void init() { guitest::forgetPrompts(); }

    void hoverAndLeave()
    {
        auto w = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        guitest::child<QCheckBox>(*w, "chkResetFileDates")->setChecked(true); // enables the date link
        for (int index : {2, 3, 5, 6}) {
            QLabel *link = guitest::child<QLabel>(*w, u"lblLinkButton_"_s + QString::number(index));
            QCOMPARE(lookOf(link), rest());
            enter(link);
            QCOMPARE(lookOf(link), hover());
            leave(link);
            QCOMPARE(lookOf(link), rest()); // at once, not after a while
        }
        // The pointer moved by the window system, not events made up by the test.
        QLabel *home = guitest::child<QLabel>(*w, "lblLinkButton_2");
        QTest::mouseMove(home, home->rect().center());
        QTRY_COMPARE(lookOf(home), hover());
        QTest::mouseMove(guitest::child<QLabel>(*w, "Label7"), QPoint(2, 2));
        QTRY_COMPARE(lookOf(home), rest());
        // A page change under the mouse leaves no link red.
        enter(home);
        w->goNext();
        QCOMPARE(lookOf(home).first, rest().first);
    }

    // A disabled link is inert; the others open the home page and the log.
    void disabledLinkIsInertOthersOpen()
    {
        auto w = m_box->windowAt(5, m_image);
        auto *chkResetFileDates = guitest::child<QCheckBox>(*w, "chkResetFileDates");
        QLabel *date = guitest::child<QLabel>(*w, "lblLinkButton_6");
        QVERIFY(!chkResetFileDates->isChecked() && !date->isEnabled());
        enter(date);
        QCOMPARE(lookOf(date), rest());
        QTest::mouseClick(date, Qt::LeftButton);
        QVERIFY(Prompts::takeRecords().isEmpty());

        // Disabled while the mouse is on it: back to rest.
        chkResetFileDates->setChecked(true);
        enter(date);
        QCOMPARE(lookOf(date), hover());
        chkResetFileDates->setChecked(false);
        QCOMPARE(lookOf(date), rest());

        // (The date link's click is the date entry: tst_gui_wizard's dateEntry.)
        QTest::mouseClick(guitest::child<QLabel>(*w, "lblLinkButton_2"), Qt::LeftButton);
        QCOMPARE(opened(), QStringList {WelcomePage::homePageUrl()});
        QVERIFY(WelcomePage::homePageUrl().contains(u"app=quillmark"_s));
        // The log link works whether or not it is shown.
        w->openLink(3);
        QCOMPARE(opened(), QStringList {w->systemFolders().sTemp + u"/qmk_log.txt"_s});
    }

    // The destination before any run; after a run it is checked with the run.
    void destination_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("folderText");
        QTest::addColumn<QString>("expected"); // relative to the sandbox; empty: nothing opens
        QTest::newRow("folder") << 1 << u"<sandbox>/out"_s << u"out"_s;
        // A relative folder is where the job writes: under the program's folder.
        QTest::newRow("relative folder") << 1 << u"rel"_s << u"program/rel"_s;
        QTest::newRow("empty folder") << 1 << QString() << QString();
        // The other modes open the folder of the first image of the last run: none yet.
        QTest::newRow("suffix before a run") << 3 << QString() << QString();
    }

    void destination()
    {
        QFETCH(int, mode);
        QFETCH(QString, folderText);
        QFETCH(QString, expected);
        auto w = m_box->window();
        guitest::child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->setChecked(true);
        guitest::child<QLineEdit>(*w, "txtOutput")->setText(folderText.replace(u"<sandbox>"_s, m_box->path(QString())));
        w->openLink(5);
        QCOMPARE(opened(), expected.isEmpty() ? QStringList() : QStringList {m_box->path(expected)});
    }

    // A click into a disabled box, or the focus coming any other way (Tab), chooses its mode.
    void clickIntoTextBoxChoosesItsMode_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("mode");
        QTest::newRow("txtOutput") << u"txtOutput"_s << 1;
        QTest::newRow("txtPrefix") << u"txtPrefix"_s << 2;
        QTest::newRow("txtSuffix") << u"txtSuffix"_s << 3;
    }

    void clickIntoTextBoxChoosesItsMode()
    {
        QFETCH(QString, box);
        QFETCH(int, mode);
        auto w = m_box->windowAt(3, m_image);
        auto *optOutputMode_0 = guitest::child<QRadioButton>(*w, "optOutputMode_0");
        optOutputMode_0->setChecked(true);
        auto *edit = guitest::child<QLineEdit>(*w, box);
        QVERIFY(!edit->isEnabled());
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
        QVERIFY(guitest::child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->isChecked()
            && edit->isEnabled());

        optOutputMode_0->setChecked(true);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &focusIn);
        QVERIFY(guitest::child<QRadioButton>(*w, u"optOutputMode_"_s + QString::number(mode))->isChecked());
    }
};

QTEST_MAIN(TestGuiLinks)
#include "tst_gui_links.moc"
