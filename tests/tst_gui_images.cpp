// Filling and emptying the image list on the real window, large folders included.

#include "core/NativePath.h"
#include "gui/PathListModel.h"
#include "guitestutil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScopeGuard>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;
using guitest::child;
using guitest::rowTexts;

class TestGuiImages final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    static QStringList listed(const CleanWizard &w) { return w.lstFiles().toStringList(); }

    // A folder of files with the given relative names (given as bytes where not UTF-8).
    QString folderWith(const QString &name, const QStringList &files, const QList<QByteArray> &raw = {})
    {
        const QString folder = m_box->path(name);
        for (const QString &file : files) {
            QDir().mkpath(QFileInfo(folder + u'/' + file).absolutePath());
            guitest::writeFile(folder + u'/' + file, "x");
        }
        for (const QByteArray &file : raw) {
            if (FILE *f = std::fopen((QFile::encodeName(folder) + '/' + file).constData(), "w"))
                std::fclose(f);
        }
        return folder;
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

    void init() { guitest::forgetPrompts(); }

    void addImagesAndFolder()
    {
        const QString folder = folderWith(u"dialog"_s,
            {u"one.jpg"_s, u"two.TIF"_s, u"three.png"_s, u"notes.txt"_s, u"s/b.jpg"_s, u"s/c.txt"_s, u".hidden.jpg"_s});
        auto w = m_box->windowAt(2);
        auto *cmdInput = child<QPushButton>(*w, "cmdInput");
        auto *cmdAddFolder = child<QPushButton>(*w, "cmdAddFolder");
        w->sLastDir = folder + u'/';
        const QStringList three = {folder + u"/one.jpg"_s, folder + u"/two.TIF"_s, folder + u"/three.png"_s};
        Prompts::queueAnswer(three);
        cmdInput->click();
        const QList<Prompts::Record> records = Prompts::takeRecords();
        QVERIFY(records.size() == 1 && records.first().kind == Prompts::Kind::OpenFiles);
        QCOMPARE(records.first().preset, folder + u'/'); // the dialog starts in the last folder
        QCOMPARE(listed(*w), three);

        // The same three again are listed already; a single file is added without the
        // duplicate test; a text file never; a cancelled dialog changes nothing.
        for (const QStringList &answer :
            {three, QStringList {three.first()}, QStringList {folder + u"/notes.txt"_s, three.last()}, QStringList()}) {
            Prompts::queueAnswer(answer);
            cmdInput->click();
        }
        QCOMPARE(listed(*w), three + QStringList {three.first()});
        QCOMPARE(w->sLastDir, folder + u'/');

        // A folder: its images and its subfolders', not hidden ones, none twice. Again:
        // everything is listed already. Cancelled: nothing.
        w->removeAllImages();
        Prompts::takeRecords();
        for (const QString &answer : {folder, folder, QString()}) {
            Prompts::queueAnswer(answer);
            cmdAddFolder->click();
        }
        const QList<Prompts::Record> asked = Prompts::takeRecords();
        QVERIFY(asked.size() == 3 && asked.first().kind == Prompts::Kind::Folder);
        QCOMPARE(asked.first().title, u"Select a folder with images to add:"_s);
        QCOMPARE(asked.last().preset, folder); // the dialog starts at the folder chosen last
        QCOMPARE(listed(*w),
            (QStringList {three.at(0), three.at(2), three.at(1), folder + u"/s/b.jpg"_s})); // in the walk's order
        QCOMPARE(w->sLastAddDir, folder);
    }

    // A name that is not UTF-8 is listed with its bytes, from a folder or a drop (file
    // managers send it percent-encoded), and shown with \xNN.
    void namesThatAreNotUtf8AreListed()
    {
        const QString folder = folderWith(u"latin1"_s, {u"ok.jpg"_s}, {"caf\xe9.jpg"});
        const QByteArray raw = QFile::encodeName(folder) + "/caf\xe9.jpg";
        const auto removeRaw = qScopeGuard([&raw] { ::unlink(raw.constData()); });
        auto w = m_box->windowAt(2, folder);
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        QCOMPARE(listed(*w), (QStringList {decodePath(raw), folder + u"/ok.jpg"_s}));
        QVERIFY(Prompts::takeRecords().isEmpty());
        QCOMPARE(lwFiles->model()->index(0, 0).data().toString(), u"caf\\xe9.jpg"_s);
        QCOMPARE(lwFiles->model()->index(0, 0).data(Qt::ToolTipRole).toString(), folder + u"/caf\\xe9.jpg"_s);

        w->removeAllImages();
        QVERIFY(guitest::dropUrls(lwFiles->viewport(),
            {QUrl(u"file://"_s + QString::fromLatin1(QUrl::toPercentEncoding(folder, "/")) + u"/caf%E9.jpg"_s)}));
        QTRY_COMPARE(listed(*w), QStringList {decodePath(raw)});

        // The file dialog spells the name with U+FFFD, which names no file: the person
        // is told how to add it instead.
        w->removeAllImages();
        const QString asTheDialogSpellsIt = QFile::decodeName(raw);
        Prompts::queueAnswer(QStringList {asTheDialogSpellsIt, folder + u"/ok.jpg"_s});
        child<QPushButton>(*w, "cmdInput")->click();
        QCOMPARE(listed(*w), QStringList {folder + u"/ok.jpg"_s});
        const QList<Prompts::Record> records = Prompts::takeRecords();
        QVERIFY(records.size() == 2 && records.last().kind == Prompts::Kind::Message);
        QVERIFY2(
            records.last().text.contains(u"Add from Folder"_s) && records.last().text.contains(asTheDialogSpellsIt),
            qPrintable(records.last().text));
    }

    // On the file list: a folder and a file inside it are both walked (the folder sorts
    // before its contents, and the duplicate set was taken before the drop, so x.jpg comes
    // twice); dropped again, the files are listed already. On the welcome page, on one of
    // its labels, and on the side picture: each moves on to the file list, even a drop that
    // carries no files.
    void drops()
    {
        const QString folder = folderWith(u"drop"_s, {u"x.jpg"_s, u"y.jpg"_s, u"z.bmp"_s});
        auto w = m_box->windowAt(2);
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        QVERIFY(guitest::drop(lwFiles->viewport(), {folder + u"/x.jpg"_s, folder}));
        QTRY_COMPARE(listed(*w), (QStringList {folder + u"/x.jpg"_s, folder + u"/y.jpg"_s, folder + u"/x.jpg"_s}));
        QVERIFY(guitest::drop(lwFiles->viewport(), {folder + u"/y.jpg"_s, folder + u"/z.bmp"_s}));
        QTest::qWait(0);
        QCOMPARE(w->lstFiles().ListCount(), 3);

        // Dropped on the welcome page, images go straight to the ready page (the quick way).
        w = m_box->window();
        QVERIFY(guitest::drop(child<QWidget>(*w, "picFrameWelcome"), {folder + u"/x.jpg"_s}));
        QTRY_COMPARE(w->iPage(), 6);
        QCOMPARE(listed(*w), QStringList {folder + u"/x.jpg"_s});
        QVERIFY(child<QPushButton>(*w, "cmdNext")->isEnabled());
        while (w->iPage() > 1)
            w->goBack();
        QVERIFY(guitest::drop(child<QLabel>(*w, "picSplash"), {folder + u"/y.jpg"_s}));
        QTRY_COMPARE(w->lstFiles().ListCount(), 2);
        QCOMPARE(w->iPage(), 6);

        w = m_box->window();
        QVERIFY(guitest::drop(child<QLabel>(*w, "Label7"), {}, false));
        QTRY_COMPARE(w->iPage(), 2);
        QVERIFY(w->lstFiles().ListCount() == 0 && !child<QPushButton>(*w, "cmdNext")->isEnabled());
    }

    void removing()
    {
        const QStringList names = {u"1.jpg"_s, u"2.jpg"_s, u"3.jpg"_s, u"4.jpg"_s, u"5.jpg"_s};
        const QString folder = folderWith(u"remove"_s, names);
        auto w = m_box->windowAt(2, folder);
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        auto *lblNumFileAdded = child<QLabel>(*w, "lblNumFileAdded");

        select(lwFiles, {1, 3});
        QTest::keyClick(lwFiles, Qt::Key_Delete);
        QCOMPARE(rowTexts(lwFiles), (QStringList {u"1.jpg"_s, u"3.jpg"_s, u"5.jpg"_s}));
        QCOMPARE(listed(*w), (QStringList {folder + u"/1.jpg"_s, folder + u"/3.jpg"_s, folder + u"/5.jpg"_s}));
        QCOMPARE(lblNumFileAdded->text(), u"3 images"_s);
        select(lwFiles, {0});
        QTest::keyClick(lwFiles, Qt::Key_Backspace);
        QCOMPARE(w->lstFiles().ListCount(), 3);

        child<QPushButton>(*w, "cmdRemoveAll")->click();
        QVERIFY(w->lstFiles().ListCount() == 0 && lwFiles->model()->rowCount() == 0);
        QVERIFY(!child<QPushButton>(*w, "cmdNext")->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->iPage(), 2);
    }

    // "Open with" in a file manager: each chosen file and folder is an argument of its own,
    // one path exactly as given: blanks at either end, quotes and a leading dash (after
    // "--") belong to the name, and the sibling without them is left alone.
    void openWith()
    {
        const QString chosen = folderWith(u"openwith"_s, {u"a.jpg"_s, u"b.png"_s, u"notes.txt"_s});
        const QString loose = folderWith(u"loose"_s, {u"c.tif"_s, u"d.doc"_s});
        const QString whole = folderWith(u"whole"_s,
            {u"trip /a.jpg"_s, u"trip/a.jpg"_s, u"pics\"2024/a.jpg"_s, u"pics2024/a.jpg"_s, u" lead.jpg"_s,
                u"lead.jpg"_s, u"\"q\".jpg"_s, u"q.jpg"_s, u"-dash.jpg"_s, u"dash.jpg"_s});
        const QString gone = m_box->path(u"gone.jpg"_s);
        auto w = m_box->window({loose + u"/c.tif"_s, chosen, chosen + u"/a.jpg"_s, loose + u"/d.doc"_s,
            loose + u"/c.tif"_s, gone, whole + u"/trip "_s, whole + u"/pics\"2024"_s, whole + u"/ lead.jpg"_s,
            whole + u"/\"q\".jpg"_s, u"--"_s, whole + u"/-dash.jpg"_s});
        // Images on the command line lead straight to the ready page (the quick way).
        QTRY_COMPARE(w->iPage(), 6);
        // In the order given; what is listed already, unsupported or missing is not listed,
        // and the unsupported file is kept to be told about (the count's tooltip now, the
        // finished page later).
        QTRY_COMPARE(listed(*w),
            (QStringList {loose + u"/c.tif"_s, chosen + u"/a.jpg"_s, chosen + u"/b.png"_s, whole + u"/trip /a.jpg"_s,
                whole + u"/pics\"2024/a.jpg"_s, whole + u"/ lead.jpg"_s, whole + u"/\"q\".jpg"_s,
                whole + u"/-dash.jpg"_s}));
        // A later activation (the viewer closing) does not act on them again.
        guitest::activate(w.get());
        QTest::qWait(10);
        QCOMPARE(w->lstFiles().ListCount(), 8);
        const QString leftOut = u"1 file was left out: 1 file that is not a supported image."_s;
        QCOMPARE(child<QLabel>(*w, "lblNumFileAdded")->toolTip(), leftOut);

        // Only a file that is no image: the file page says so, with nothing to clean.
        w = m_box->window({loose + u"/d.doc"_s, gone});
        QTRY_COMPARE(w->iPage(), 2);
        QVERIFY(w->lstFiles().ListCount() == 0 && !child<QPushButton>(*w, "cmdNext")->isEnabled());
        QCOMPARE(child<QLabel>(*w, "lblNumFileAdded")->toolTip(), leftOut);

        // Nothing that exists (quotes are part of the name), an option this program does not
        // know, or "-AUTO", which is not the option (main() refuses it): the welcome page
        // stays and nothing runs.
        for (const QStringList &arguments : {QStringList {gone}, QStringList {u"\""_s + chosen + u"\""_s},
                 QStringList {u"-x"_s, loose + u"/c.tif"_s}, QStringList {u"-AUTO"_s, chosen}}) {
            w = m_box->window(arguments);
            guitest::activate(w.get()); // the command line is looked at once the window is active
            QTest::qWait(50);
            QVERIFY(w->iPage() == 1 && w->lstFiles().ListCount() == 0 && m_box->ended == -1000);
        }
    }

    // "Add from Folder" on a large folder: the event loop keeps turning, under the
    // hourglass, while "Adding files..." shows. Stop (the third button while files are
    // added) or closing the window ends the adding within a moment: the action comes at
    // the third turn of the event loop, the first two show the caption, the third comes
    // from inside the listing.
    void addingALargeFolder_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("count");
        QTest::newRow("whole folder") << QString() << 20000;
        QTest::newRow("Stop") << u"stop"_s << 65000;
        QTest::newRow("window closed") << u"close"_s << 65000;
    }

    void addingALargeFolder()
    {
        QFETCH(QString, action);
        QFETCH(int, count);
        // Made once, every second file in a subfolder.
        const QString folder = m_box->path(u"large-"_s + QString::number(count));
        if (!QFileInfo::exists(folder)) {
            QVERIFY(QDir().mkpath(folder + u"/sub"_s));
            for (int i = 0; i < count; ++i) {
                const QByteArray name
                    = QFile::encodeName(folder) + (i % 2 ? "/sub/img" : "/img") + QByteArray::number(i) + ".jpg";
                FILE *f = std::fopen(name.constData(), "w");
                QVERIFY(f);
                std::fclose(f);
            }
        }
        auto w = m_box->windowAt(2);
        auto *cmdCancel = child<QPushButton>(*w, "cmdCancel");
        auto *lblNumFileAdded = child<QLabel>(*w, "lblNumFileAdded");
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        QCOMPARE(guitest::caption(cmdCancel), u"Close"_s);

        // A zero-interval timer fires whenever the event loop gets a turn.
        int ticks = 0;
        int listedAtStop = -1;
        bool hourglass = true;
        QString firstCaption;
        QString captionWhileAdding;
        QElapsedTimer sinceStop;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            const QCursor *cursor = QApplication::overrideCursor();
            hourglass = hourglass && cursor && cursor->shape() == Qt::WaitCursor;
            if (++ticks == 1)
                firstCaption = lblNumFileAdded->text();
            if (ticks != 3 || action.isEmpty())
                return;
            captionWhileAdding = guitest::caption(cmdCancel);
            listedAtStop = w->lstFiles().ListCount();
            sinceStop.start();
            if (action == u"close")
                w->close();
            else
                cmdCancel->click();
        });
        ticker.start(0);
        Prompts::queueAnswer(folder);
        child<QPushButton>(*w, "cmdAddFolder")->click();
        ticker.stop();
        const qint64 took = sinceStop.isValid() ? sinceStop.elapsed() : -1;

        QVERIFY2(ticks >= 2 && hourglass && !QApplication::overrideCursor(), qPrintable(QString::number(ticks)));
        QCOMPARE(firstCaption, u"Adding files..."_s);
        QCOMPARE(lwFiles->model()->rowCount(), w->lstFiles().ListCount());
        QCOMPARE(guitest::caption(cmdCancel), u"Close"_s);
        QCOMPARE(w->isVisible(), action != u"close");
        if (action.isEmpty()) {
            QCOMPARE(w->lstFiles().ListCount(), count);
            QCOMPARE(lblNumFileAdded->text(), u"20000 images"_s);
            QItemSelection half;
            half.select(lwFiles->model()->index(0, 0), lwFiles->model()->index(count / 2 - 1, 0));
            lwFiles->selectionModel()->select(half, QItemSelectionModel::Select);
            child<QPushButton>(*w, "cmdRemoveSelected")->click();
            QVERIFY(w->lstFiles().ListCount() == count / 2 && lwFiles->model()->rowCount() == count / 2);
            QCOMPARE(lwFiles->model()->index(0, 0).data(PathListModel::PathRole).toString(), w->lstFiles().List(0));
            child<QPushButton>(*w, "cmdRemoveAll")->click();
            QCOMPARE(w->lstFiles().ListCount(), 0);
            return;
        }
        qInfo("the adding ended %lld ms after the stop", took);
        QCOMPARE(captionWhileAdding, u"Stop"_s);
        QCOMPARE(listedAtStop, 0); // still listing: rows come once the walk is done
        QVERIFY2(took >= 0 && took < 3000, qPrintable(QString::number(took)));
        QVERIFY2(w->lstFiles().ListCount() < count, qPrintable(QString::number(w->lstFiles().ListCount())));
        if (action == u"stop") {
            QCOMPARE(w->iPage(), 2);
            QCOMPARE(lblNumFileAdded->text(),
                w->lstFiles().ListCount() == 1 ? u"1 image"_s : u"%1 images"_s.arg(w->lstFiles().ListCount()));
        }
    }

    // A folder that holds nothing to clean is named under the list, one note for all the
    // folders of one drop; earlier outputs beside their originals are not counted.
    void silentFoldersAndEarlierOutputs()
    {
        const QString empty = m_box->path(u"silent/empty"_s);
        QVERIFY(QDir().mkpath(empty));
        const QString texts = folderWith(u"silent/texts"_s, {u"notes.txt"_s, u"clip.avi"_s});
        auto w = m_box->window();
        auto *lblAddNote = child<QLabel>(*w, "lblAddNote");
        QVERIFY(guitest::drop(child<QWidget>(*w, "picFrameWelcome"), {empty}));
        QTRY_COMPARE(w->iPage(), 2);
        QVERIFY(lblAddNote->isVisible());
        QCOMPARE(lblAddNote->text(), u"No images to clean were found in %1."_s.arg(empty));
        auto *lwFiles = child<QTreeView>(*w, "lwFiles");
        QVERIFY(guitest::drop(lwFiles->viewport(), {empty, texts}));
        QTRY_COMPARE(lblAddNote->text(), u"No images to clean were found in 2 folders: %1, %2"_s.arg(empty, texts));
        w = m_box->window({empty}); // the same on the command line
        QTRY_COMPARE(w->iPage(), 2);
        lblAddNote = child<QLabel>(*w, "lblAddNote");
        QTRY_COMPARE(lblAddNote->text(), u"No images to clean were found in %1."_s.arg(empty));

        const QString earlier = m_box->imageFolder(u"silent/earlier"_s, {u"png_exif_gps_xmp.png"_s});
        QVERIFY(QFile::copy(earlier + u"/png_exif_gps_xmp.png"_s, earlier + u"/png_exif_gps_xmp_cleaned.png"_s));
        w->addFolder(earlier);
        w->updateControls();
        QVERIFY(!lblAddNote->isVisible());
        QCOMPARE(w->lstFiles().ListCount(), 2);
        QCOMPARE(child<QLabel>(*w, "lblNumFileAdded")->text(), u"1 image (1 earlier output left out)"_s);

        // The quick way skips the list: the ready page names the folder, markup and all.
        const QString marked = m_box->path(u"silent/<b>none</b>"_s);
        QVERIFY(QDir().mkpath(marked));
        w = m_box->window({earlier, marked});
        QTRY_COMPARE(w->iPage(), 6);
        auto *summary = child<QLabel>(*w, "lblReadySummary");
        QVERIFY2(summary->text().endsWith(u"No images to clean were found in %1."_s.arg(marked)),
            qPrintable(summary->text()));
        QCOMPARE(summary->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(TestGuiImages)
#include "tst_gui_images.moc"
