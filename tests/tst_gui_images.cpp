// Filling and emptying the image list on the real window: the add-images dialog, a
// folder, drops from a file manager, the Delete key, the two remove buttons, the
// duplicate test, and a folder of 20,000 files added and removed while the event loop
// keeps running.

#include "app/PathListModel.h"
#include "guitestutil.h"

#include <QApplication>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

using namespace Qt::StringLiterals;

class TestGuiImages final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    static QStringList rowTexts(const QTreeView *view)
    {
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texts << view->model()->index(r, 0).data().toString();
        return texts;
    }

    static QStringList listed(const frmMain &w) { return w.lstFiles().toStringList(); }

    // A folder of empty files with the given relative names.
    QString folderWith(const QString &name, const QStringList &files)
    {
        const QString folder = m_box->path(name);
        for (const QString &file : files) {
            const QString path = folder + u'/' + file;
            QDir().mkpath(QFileInfo(path).absolutePath());
            guitest::writeFile(path, "x");
        }
        return folder;
    }

    // What a file manager hands over: file URLs, and a drop where the pointer is.
    static void drop(QWidget *target, const QStringList &paths, bool withUrls = true)
    {
        QMimeData data;
        if (withUrls) {
            QList<QUrl> urls;
            for (const QString &p : paths)
                urls << QUrl::fromLocalFile(p);
            data.setUrls(urls);
        } else {
            data.setText(u"just text"_s);
        }
        const QPointF where(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent dropEvent(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
        QVERIFY(dropEvent.isAccepted());
    }

    static void select(QTreeView *view, const QList<int> &rows)
    {
        view->selectionModel()->clearSelection();
        for (int r : rows)
            view->selectionModel()->select(view->model()->index(r, 0), QItemSelectionModel::Select);
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

    void addImagesDialog()
    {
        const QString folder = folderWith(u"dialog"_s, {u"one.jpg"_s, u"two.TIF"_s, u"three.png"_s, u"notes.txt"_s});
        auto w = m_box->window();
        w->cmdNext_Click();
        w->sLastDir = folder + u'/';

        const QStringList three = {folder + u"/one.jpg"_s, folder + u"/two.TIF"_s, folder + u"/three.png"_s};
        Prompts::queueAnswer(three);
        w->cmdInput->click();
        const QList<Prompts::Record> records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().kind, Prompts::Kind::OpenFiles);
        QCOMPARE(records.first().preset, folder + u'/');
        QCOMPARE(rowTexts(w->lwFiles), (QStringList{u"one.jpg"_s, u"two.TIF"_s, u"three.png"_s}));
        QCOMPARE(listed(*w), three);
        QCOMPARE(w->sLastDir, folder + u'/');
        QCOMPARE(w->lblNumFileAdded->text(), u"3 images"_s);
        QVERIFY(w->cmdNext->isEnabled());

        // The same three again: all listed already.
        Prompts::queueAnswer(three);
        w->cmdInput->click();
        QCOMPARE(w->lstFiles().ListCount(), 3);

        // A single file is added without the duplicate test; a text file never.
        Prompts::queueAnswer(QStringList{folder + u"/one.jpg"_s});
        w->cmdInput->click();
        QCOMPARE(w->lstFiles().ListCount(), 4);
        Prompts::queueAnswer(QStringList{folder + u"/notes.txt"_s, folder + u"/three.png"_s});
        w->cmdInput->click();
        QCOMPARE(w->lstFiles().ListCount(), 4);

        // Cancelled: nothing changes.
        Prompts::queueAnswer(QStringList());
        w->cmdInput->click();
        QCOMPARE(w->lstFiles().ListCount(), 4);
    }

    void addFolder()
    {
        const QString folder = folderWith(u"tree"_s, {u"a.jpg"_s, u"s/b.jpg"_s, u"s/c.txt"_s, u".hidden.jpg"_s});
        auto w = m_box->window();
        w->cmdNext_Click();

        Prompts::queueAnswer(folder);
        w->cmdAddFolder->click();
        const QList<Prompts::Record> records = Prompts::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().kind, Prompts::Kind::Folder);
        QCOMPARE(records.first().title, u"Select a folder with images to add:"_s);
        QCOMPARE(listed(*w), (QStringList{folder + u"/a.jpg"_s, folder + u"/s/b.jpg"_s}));
        QCOMPARE(w->sLastAddDir, folder);
        QCOMPARE(w->lblNumFileAdded->text(), u"2 images"_s);

        // Again: everything is listed already. Cancelled: nothing.
        Prompts::queueAnswer(folder);
        w->cmdAddFolder->click();
        Prompts::queueAnswer(QString());
        w->cmdAddFolder->click();
        QCOMPARE(w->lstFiles().ListCount(), 2);
        QCOMPARE(w->sLastAddDir, folder);
        // The dialog starts at the folder chosen last.
        QCOMPARE(Prompts::takeRecords().last().preset, folder);
    }

    void dropOnFileList()
    {
        const QString folder = folderWith(u"drop"_s, {u"x.jpg"_s, u"y.jpg"_s, u"z.bmp"_s});
        auto w = m_box->window();
        w->cmdNext_Click();
        // A folder and a file inside it: the folder is walked first (it sorts before its
        // contents) and the duplicate set was taken before the drop, so x.jpg comes twice.
        drop(w->lwFiles->viewport(), {folder + u"/x.jpg"_s, folder});
        QTRY_COMPARE(w->lstFiles().ListCount(), 3);
        QCOMPARE(listed(*w), (QStringList{folder + u"/x.jpg"_s, folder + u"/y.jpg"_s, folder + u"/x.jpg"_s}));
        QCOMPARE(w->iPage(), 2);
        QCOMPARE(w->lblNumFileAdded->text(), u"3 images"_s);

        // Dropped again, the files are listed already.
        drop(w->lwFiles->viewport(), {folder + u"/y.jpg"_s, folder + u"/z.bmp"_s});
        QTest::qWait(0);
        QCOMPARE(w->lstFiles().ListCount(), 3);
    }

    void dropOnWelcomePage()
    {
        const QString folder = folderWith(u"welcome"_s, {u"w.jpg"_s});
        auto w = m_box->window();
        drop(w->picFrameWelcome, {folder + u"/w.jpg"_s});
        QTRY_COMPARE(w->iPage(), 2);
        QCOMPARE(listed(*w), QStringList{folder + u"/w.jpg"_s});
        QVERIFY(w->cmdNext->isEnabled());

        // A drop on a label of the welcome page reaches the page as well; a drop that
        // carries no files still moves on to the file list.
        auto w2 = m_box->window();
        drop(w2->Label7, {}, false);
        QTRY_COMPARE(w2->iPage(), 2);
        QCOMPARE(w2->lstFiles().ListCount(), 0);
        QVERIFY(!w2->cmdNext->isEnabled());

        // The side picture takes drops as well.
        auto w3 = m_box->window();
        w3->cmdNext_Click();
        w3->AddFile(folder + u"/w.jpg"_s);
        w3->UpdateControls();
        w3->cmdBack_Click(); // page 1 shows the side picture too
        drop(w3->picSplash, {folderWith(u"welcome2"_s, {u"v.jpg"_s}) + u"/v.jpg"_s});
        QTRY_COMPARE(w3->iPage(), 2);
        QCOMPARE(w3->lstFiles().ListCount(), 2);
    }

    void removing()
    {
        const QStringList names = {u"1.jpg"_s, u"2.jpg"_s, u"3.jpg"_s, u"4.jpg"_s, u"5.jpg"_s};
        const QString folder = folderWith(u"remove"_s, names);
        auto w = m_box->window();
        w->cmdNext_Click();
        for (const QString &n : names)
            w->AddFile(folder + u'/' + n);
        w->UpdateControls();

        // Rows 2 and 4 (counted from 1) and Delete: rows 1, 3 and 5 stay, with their paths.
        select(w->lwFiles, {1, 3});
        QTest::keyClick(w->lwFiles, Qt::Key_Delete);
        QCOMPARE(rowTexts(w->lwFiles), (QStringList{u"1.jpg"_s, u"3.jpg"_s, u"5.jpg"_s}));
        QCOMPARE(listed(*w), (QStringList{folder + u"/1.jpg"_s, folder + u"/3.jpg"_s, folder + u"/5.jpg"_s}));
        QCOMPARE(w->lblNumFileAdded->text(), u"3 images"_s);

        // Other keys leave the list alone.
        select(w->lwFiles, {0});
        QTest::keyClick(w->lwFiles, Qt::Key_Backspace);
        QCOMPARE(w->lstFiles().ListCount(), 3);

        select(w->lwFiles, {0, 2});
        w->cmdRemoveSelected->click();
        QCOMPARE(listed(*w), QStringList{folder + u"/3.jpg"_s});
        QCOMPARE(w->lblNumFileAdded->text(), u"1 image"_s);

        w->cmdRemoveAll->click();
        QCOMPARE(w->lstFiles().ListCount(), 0);
        QCOMPARE(w->lwFiles->model()->rowCount(), 0);
        QVERIFY(!w->cmdNext->isEnabled());
    }

    // "Open with" in a file manager: each chosen file and folder is an argument of its own.
    void openWith()
    {
        const QString chosen = folderWith(u"openwith"_s, {u"a.jpg"_s, u"b.png"_s, u"notes.txt"_s});
        const QString loose = folderWith(u"loose"_s, {u"c.tif"_s, u"d.doc"_s});
        auto w = m_box->window({loose + u"/c.tif"_s, chosen, chosen + u"/a.jpg"_s, loose + u"/d.doc"_s,
                                loose + u"/c.tif"_s, m_box->path(u"gone.jpg"_s)});
        QTRY_COMPARE(w->iPage(), 2);
        // In the order given; what is listed already, unsupported or missing is left out.
        QTRY_COMPARE(listed(*w), (QStringList{loose + u"/c.tif"_s, chosen + u"/a.jpg"_s, chosen + u"/b.png"_s}));
        QCOMPARE(rowTexts(w->lwFiles), (QStringList{u"c.tif"_s, u"a.jpg"_s, u"b.png"_s}));
        QCOMPARE(w->lblNumFileAdded->text(), u"3 images"_s);
        QVERIFY(w->cmdNext->isEnabled());
    }

    void openWithNothingToAdd_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unsupported file") << QStringList{u"loose/d.doc"_s};
        QTest::newRow("missing file") << QStringList{u"loose/missing.jpg"_s};
        // An option this program does not know leaves the command line alone.
        QTest::newRow("unknown option") << QStringList{u"-x"_s, u"loose/c.tif"_s};
    }

    void openWithNothingToAdd()
    {
        QFETCH(QStringList, arguments);
        folderWith(u"loose"_s, {u"c.tif"_s, u"d.doc"_s});
        for (QString &argument : arguments) {
            if (!argument.startsWith(u'-'))
                argument = m_box->path(argument);
        }
        auto w = m_box->window(arguments);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // The command line is looked at once the window is active.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(w.get(), &activate);
        QTest::qWait(50);
        QCOMPARE(w->iPage(), 1);
        QCOMPARE(w->lstFiles().ListCount(), 0);
    }

    void largeFolderKeepsWindowAlive()
    {
        constexpr int count = 20000;
        const QString folder = m_box->path(u"large"_s);
        QVERIFY(QDir().mkpath(folder + u"/sub"_s));
        for (int i = 0; i < count; ++i) {
            QFile f(folder + (i % 2 ? u"/sub/"_s : u"/"_s) + u"img"_s + QString::number(i) + u".jpg"_s);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        auto w = m_box->window();
        w->cmdNext_Click();

        // A zero-interval timer fires whenever the event loop gets a turn.
        int ticks = 0;
        bool hourglass = true;
        QStringList captions;
        QTimer ticker;
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [&] {
            ++ticks;
            const QCursor *cursor = QApplication::overrideCursor();
            hourglass = hourglass && cursor && cursor->shape() == Qt::WaitCursor;
            if (captions.isEmpty() || captions.last() != w->lblNumFileAdded->text())
                captions << w->lblNumFileAdded->text();
        });
        ticker.start();
        Prompts::queueAnswer(folder);
        w->cmdAddFolder->click();
        const int addTicks = ticks;
        ticker.stop();

        QCOMPARE(w->lstFiles().ListCount(), count);
        QCOMPARE(w->lwFiles->model()->rowCount(), count);
        // The loop ran around the "Adding files..." caption at least.
        QVERIFY2(addTicks >= 2, qPrintable(QString::number(addTicks)));
        QVERIFY(hourglass);
        QCOMPARE(captions.first(), u"Adding files..."_s);
        QCOMPARE(w->lblNumFileAdded->text(), u"20000 images"_s);
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // Half of them selected and removed, then the rest at once.
        QItemSelection half;
        half.select(w->lwFiles->model()->index(0, 0), w->lwFiles->model()->index(count / 2 - 1, 0));
        w->lwFiles->selectionModel()->select(half, QItemSelectionModel::Select);
        w->cmdRemoveSelected->click();
        QCOMPARE(w->lstFiles().ListCount(), count / 2);
        QCOMPARE(w->lwFiles->model()->rowCount(), count / 2);
        QCOMPARE(w->lwFiles->model()->index(0, 0).data(PathListModel::PathRole).toString(),
                 w->lstFiles().List(0));
        w->cmdRemoveAll->click();
        QCOMPARE(w->lstFiles().ListCount(), 0);
        QVERIFY(!w->cmdNext->isEnabled());
    }
};

QTEST_MAIN(TestGuiImages)
#include "tst_gui_images.moc"
