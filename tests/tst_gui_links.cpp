// The link labels on the real window: blue at rest, red with a hand cursor while the
// mouse is over them, blue again as soon as it leaves, inert while disabled; what each
// click opens; and the focus rules of the output-mode text boxes on page 3.

#include "guitestutil.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QColor colourOf(const QLabel *label)
{
    return label->palette().color(QPalette::Active, QPalette::WindowText);
}

void enter(QWidget *w)
{
    const QPoint at(2, 2);
    QEnterEvent event(at, w->window()->mapFromGlobal(w->mapToGlobal(at)), w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &event);
}

void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(w, &event);
}

void focus(QWidget *w, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &event);
}

// What the window handed to the desktop to open since the last call.
QStringList opened()
{
    return guitest::recordedTexts(Prompts::Kind::Open);
}

} // namespace

class TestGuiLinks final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // The window at `page` (up to 6) with one image in the list.
    std::unique_ptr<frmMain> windowAt(int page)
    {
        auto w = m_box->window();
        if (page >= 2) {
            w->cmdNext_Click();
            w->AddFile(m_box->imageFolder(u"one"_s, {u"png_exif_gps_xmp.png"_s}) + u"/png_exif_gps_xmp.png"_s);
            w->UpdateControls();
        }
        while (w->iPage() < page)
            w->cmdNext_Click();
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
    }

    void init()
    {
        Prompts::clearAnswers();
        Prompts::takeRecords();
    }

    void hoverAndLeave_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("home page") << 2;
        QTest::newRow("log") << 3;
        QTest::newRow("destination") << 5;
        QTest::newRow("date") << 6;
    }

    void hoverAndLeave()
    {
        QFETCH(int, index);
        auto w = m_box->window();
        w->chkResetFileDates->setChecked(true); // enables the date link
        QLabel *link = w->lblLinkButton.at(index);
        QVERIFY(link->isEnabled());
        QCOMPARE(colourOf(link), QColor(0, 0, 192));
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
        enter(link);
        QCOMPARE(colourOf(link), QColor(255, 0, 0));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        leave(link);
        // At once, not after a while.
        QCOMPARE(colourOf(link), QColor(0, 0, 192));
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
    }

    // The pointer moved by the window system, not events made up by the test.
    void realMouseMoves()
    {
        auto w = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QLabel *home = w->lblLinkButton[2];
        QTest::mouseMove(home, home->rect().center());
        QTRY_COMPARE(colourOf(home), QColor(255, 0, 0));
        QTest::mouseMove(w->Label7, QPoint(2, 2));
        QTRY_COMPARE(colourOf(home), QColor(0, 0, 192));
    }

    void quickMovesLeaveNoneRed()
    {
        auto w = m_box->window();
        w->chkResetFileDates->setChecked(true);
        for (int index : {2, 3, 5, 6, 5, 2}) {
            enter(w->lblLinkButton.at(index));
            leave(w->lblLinkButton.at(index));
        }
        for (int index : {2, 3, 5, 6})
            QCOMPARE(colourOf(w->lblLinkButton.at(index)), QColor(0, 0, 192));
        // A page change under the mouse leaves no link red either.
        enter(w->lblLinkButton[2]);
        w->cmdNext_Click();
        QCOMPARE(colourOf(w->lblLinkButton[2]), QColor(0, 0, 192));
    }

    void disabledLinkIsInert()
    {
        auto w = windowAt(5);
        QLabel *date = w->lblLinkButton[6];
        QVERIFY(!w->chkResetFileDates->isChecked());
        QVERIFY(!date->isEnabled());
        enter(date);
        QCOMPARE(colourOf(date), QColor(0, 0, 192));
        QCOMPARE(date->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(date, Qt::LeftButton);
        QVERIFY(Prompts::takeRecords().isEmpty());
        leave(date);

        // Disabled while the mouse is on it: back to rest.
        w->chkResetFileDates->setChecked(true);
        enter(date);
        QCOMPARE(colourOf(date), QColor(255, 0, 0));
        w->chkResetFileDates->setChecked(false);
        QCOMPARE(colourOf(date), QColor(0, 0, 192));
        QCOMPARE(date->cursor().shape(), Qt::ArrowCursor);
    }

    void dateLinkRunsTheDateEntry()
    {
        auto w = windowAt(5);
        w->chkResetFileDates->setChecked(true);
        for (const char *answer : {"1999", "12", "31", "23", "59", "58"})
            Prompts::queueAnswer(QString::fromLatin1(answer));
        QTest::mouseClick(w->lblLinkButton[6], Qt::LeftButton);
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Input).size(), 6);
        QCOMPARE(w->lblResetDateTo->text(), u"1999-12-31 23:59:58"_s);
        QVERIFY(opened().isEmpty());
    }

    void homePageAndLog()
    {
        auto w = m_box->window();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(w->lblLinkButton[2], Qt::LeftButton);
        QCOMPARE(opened(), QStringList{frmMain::homePageUrl()});
        QVERIFY(frmMain::homePageUrl().contains(u"app=quillmark"_s));
        // The log link works whether or not it is shown.
        w->lblLinkButton_Click(3);
        QCOMPARE(opened(), QStringList{w->systemFolders().sTemp + u"/qmk_log.txt"_s});
    }

    void destinationInFolderMode_data()
    {
        QTest::addColumn<QString>("folderText");
        QTest::addColumn<QString>("expected"); // relative to the sandbox; empty: nothing opens
        QTest::newRow("folder") << u"<sandbox>/out"_s << u"out"_s;
        // A relative folder is where the job writes: under the program's folder.
        QTest::newRow("relative") << u"rel"_s << u"program/rel"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void destinationInFolderMode()
    {
        QFETCH(QString, folderText);
        QFETCH(QString, expected);
        auto w = m_box->window();
        w->optOutputMode[1]->setChecked(true);
        w->txtOutput->setText(folderText.replace(u"<sandbox>"_s, m_box->path(QString())));
        w->lblLinkButton_Click(5);
        QCOMPARE(opened(), expected.isEmpty() ? QStringList() : QStringList{m_box->path(expected)});
    }

    // In the other modes the link opens the folder of the first image of the last run.
    void destinationBesideTheImages()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        auto w = m_box->window();
        w->optOutputMode[3]->setChecked(true);
        w->lblLinkButton_Click(5);
        QVERIFY(opened().isEmpty()); // no run yet

        const QString folder = m_box->imageFolder(u"beside"_s, {u"png_exif_gps_xmp.png"_s});
        w->cmdNext_Click();
        w->AddFile(folder + u"/png_exif_gps_xmp.png"_s);
        w->UpdateControls();
        while (w->iPage() < 8)
            w->cmdNext_Click();
        QVERIFY(QFile::exists(folder + u"/png_exif_gps_xmp_cleaned.png"_s));
        Prompts::takeRecords();
        QTest::mouseClick(w->lblLinkButton[5], Qt::LeftButton);
        const QStringList paths = opened();
        QCOMPARE(paths.size(), 1);
        QCOMPARE(QDir::cleanPath(paths.first()), QDir::cleanPath(folder));
    }

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
        auto w = windowAt(3);
        QCOMPARE(w->iPage(), 3);
        w->optOutputMode[0]->setChecked(true);
        auto *edit = w->findChild<QLineEdit *>(box);
        QVERIFY(!edit->isEnabled());
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
        QVERIFY(w->optOutputMode.at(mode)->isChecked());
        QVERIFY(edit->isEnabled());

        // Getting the focus any other way (Tab) chooses the mode too.
        w->optOutputMode[0]->setChecked(true);
        focus(edit, QEvent::FocusIn);
        QVERIFY(w->optOutputMode.at(mode)->isChecked());
    }

    // Leaving a box checks the page again: an emptied suffix disables Next.
    void leavingTextBoxUpdatesNext()
    {
        auto w = windowAt(3);
        w->optOutputMode[3]->setChecked(true);
        QVERIFY(w->cmdNext->isEnabled());
        w->txtSuffix->setText(QString());
        focus(w->txtSuffix, QEvent::FocusOut);
        QVERIFY(!w->cmdNext->isEnabled());
        w->txtSuffix->setText(u"_x"_s);
        focus(w->txtSuffix, QEvent::FocusOut);
        QVERIFY(w->cmdNext->isEnabled());
    }
};

QTEST_MAIN(TestGuiLinks)
#include "tst_gui_links.moc"
