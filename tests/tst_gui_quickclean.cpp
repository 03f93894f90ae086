// The small window of `quillmark --clean PATH...`: real runs with the stored options.

#include "gui/QuickCleanDialog.h"
#include "guitestutil.h"

#include <QPushButton>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;
using guitest::child;

namespace {

const QString kGood = u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s;

QString shown(const QLabel *label)
{
    return label->isVisible() ? label->text() : QString();
}

} // namespace

class TestGuiQuickClean final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    // The stored options: INI lines of the portable settings file; none: nothing stored.
    void store(const QByteArray &lines)
    {
        QFile::remove(m_box->iniPath());
        if (!lines.isEmpty())
            QVERIFY(guitest::writeFile(m_box->iniPath(), "[Quillmark]\r\n" + lines));
    }

    std::unique_ptr<QuickCleanDialog> window(const QStringList &paths)
    {
        QuickCleanSetup setup;
        setup.paths = paths;
        setup.programFolder = m_box->programFolder();
        setup.pauses = false;
        auto w = std::make_unique<QuickCleanDialog>(setup);
        w->show();
        return w;
    }

    static bool waitForEnd(const QuickCleanDialog &w)
    {
        return QTest::qWaitFor([&w] { return w.stage() == QuickCleanDialog::Stage::Ended; }, 300000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY((m_box = guitest::startSandbox())->isValid());
    }
    void init() { guitest::forgetPrompts(); }
    void cleanup() { store({}); }

    // Headline, counts, problems and folder one click away, and quillmark-cli's exit status.
    void outcome_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("files"); // in the folder
        QTest::addColumn<QStringList>("given"); // what the file manager passes (relative to the folder)
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("after"); // the folder's files afterwards
        const QStringList two {u"a b.jpg<-"_s + kGood, u"c d.png<-png_exif_gps_xmp.png"_s};
        QTest::newRow("first use, two files")
            << QByteArray() << two << QStringList {u"a b.jpg"_s, u"c d.png"_s} << u"All 2 images were cleaned"_s
            << QString() << 0 << QStringList {u"a b.jpg"_s, u"a b_cleaned.jpg"_s, u"c d.png"_s, u"c d_cleaned.png"_s};
        QTest::newRow("stored prefix, a folder")
            << QByteArray("optOutputMode=2\r\ntxtPrefix=clean-\r\n") << two << QStringList {QString()}
            << u"All 2 images were cleaned"_s << QString() << 0
            << QStringList {u"a b.jpg"_s, u"c d.png"_s, u"clean-a b.jpg"_s, u"clean-c d.png"_s};
        QTest::newRow("a corrupt file") << QByteArray("optOutputMode=3\r\n")
                                        << QStringList {u"a.jpg<-"_s + kGood, u"words.jpg<-text"_s}
                                        << QStringList {QString()}
                                        << u"1 of 2 images were cleaned; 1 could not be cleaned"_s
                                        << u"1 image was cleaned. 1 image could not be cleaned."_s << 1
                                        << QStringList {u"a.jpg"_s, u"a_cleaned.jpg"_s, u"words.jpg"_s};
        QTest::newRow("no image") << QByteArray() << QStringList {u"notes.txt<-text"_s} << QStringList {u"notes.txt"_s}
                                  << u"No image to clean in %1/notes.txt."_s
                                  << u"1 file was left out: 1 file that is not a supported image."_s << 2
                                  << QStringList {u"notes.txt"_s};
        QTest::newRow("nothing selected")
            << QByteArray() << QStringList() << QStringList() << u"No image to clean: nothing was selected."_s
            << QString() << 2 << QStringList();
    }
    void outcome()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, files);
        QFETCH(QStringList, given);
        QFETCH(QString, headline);
        QFETCH(QString, counts);
        QFETCH(int, status);
        const bool problems = status == 1;
        QFETCH(QStringList, after);
        const QString folder = testutil::folderOf(m_box->path(QString::fromLatin1(QTest::currentDataTag())), files);
        QVERIFY(!folder.isEmpty());
        store(settings);
        QStringList paths;
        for (const QString &name : given)
            paths << (name.isEmpty() ? folder : folder + u'/' + name);
        auto w = window(paths);
        QVERIFY(waitForEnd(*w));
        QCOMPARE(shown(child<QLabel>(*w, "lblQuickHeadline")), headline.replace(u"%1"_s, folder));
        QCOMPARE(shown(child<QLabel>(*w, "lblQuickCounts")), counts);
        // The defaults are named when nothing is stored yet.
        QCOMPARE(shown(child<QLabel>(*w, "lblQuickNote")).contains(u"\"_cleaned\""_s), settings.isEmpty());
        QCOMPARE(w->exitStatus(), status);
        QCOMPARE(testutil::filesIn(folder), after);
        QVERIFY(!child<QPushButton>(*w, "cmdQuickStop")->isVisible());
        QVERIFY(child<QPushButton>(*w, "cmdQuickClose")->isVisible());
        // The settings are the user's: a run stores nothing.
        QCOMPARE(QFileInfo::exists(m_box->iniPath()), !settings.isEmpty());

        auto *showProblems = child<QPushButton>(*w, "cmdQuickProblems");
        QCOMPARE(showProblems->isVisible(), problems);
        if (problems) {
            QVERIFY(guitest::shoot(*w, u"quickclean"_s));
            QTest::mouseClick(showProblems, Qt::LeftButton);
            const QList<Prompts::Record> records = Prompts::takeRecords();
            QVERIFY(records.size() == 1 && records.first().kind == Prompts::Kind::Modal);
            QCOMPARE(records.first().text,
                u"Could not be cleaned (1)\n    words.jpg: The file is not a JPG image; it looks like a TXT file."_s);
        }
        auto *openFolder = child<QPushButton>(*w, "cmdQuickOpenFolder");
        QCOMPARE(openFolder->isVisible(), status != 2);
        if (status != 2) {
            QTest::mouseClick(openFolder, Qt::LeftButton);
            const QList<Prompts::Record> records = Prompts::takeRecords();
            QVERIFY(records.size() == 1 && records.first().kind == Prompts::Kind::Open);
            QCOMPARE(records.first().text, folder);
        }
        QTest::mouseClick(child<QPushButton>(*w, "cmdQuickClose"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }

    // Overwriting originals is asked first, with the ready page's warning; No writes nothing.
    void overwriteAsksFirst_data() { testutil::boolRows("yes", "no", "yes"); }
    void overwriteAsksFirst()
    {
        QFETCH(bool, yes);
        const QString folder
            = testutil::folderOf(m_box->path(u"in place "_s + QString::fromLatin1(QTest::currentDataTag())),
                {u"a.jpg<-"_s + kGood, u"b.jpg<-"_s + kGood});
        QVERIFY(!folder.isEmpty());
        const QByteArray original = guitest::readFile(folder + u"/a.jpg"_s);
        store("optOutputMode=0\r\n");
        Prompts::queueAnswer(yes);
        auto w = window({folder});
        QVERIFY(waitForEnd(*w));
        QCOMPARE(guitest::recordedTexts(Prompts::Kind::Question),
            QStringList {u"Overwrite the originals of 2 images?\n\nThe originals will be overwritten. This cannot "
                         "be undone."_s});
        QCOMPARE(testutil::filesIn(folder), (QStringList {u"a.jpg"_s, u"b.jpg"_s}));
        QCOMPARE(guitest::readFile(folder + u"/a.jpg"_s) == original, !yes);
        QCOMPARE(child<QLabel>(*w, "lblQuickHeadline")->text(),
            yes ? u"All 2 images were cleaned"_s : u"Nothing was cleaned; the originals are as they were"_s);
        QCOMPARE(w->exitStatus(), yes ? 0 : 2);
    }

    // A run that could write nothing does not start, and says why.
    void cannotStart()
    {
        const QString folder = testutil::folderOf(m_box->path(u"refused"_s), {u"a.jpg<-"_s + kGood});
        const QString out = m_box->path(u"locked out"_s);
        QVERIFY(!folder.isEmpty() && QDir().mkpath(out));
        testutil::Unwritable locked(out);
        if (!locked.ok())
            QSKIP("cannot make a folder unwritable here");
        store("optOutputMode=1\r\ntxtOutput=" + QFile::encodeName(out) + "\r\n");
        auto w = window({folder + u"/a.jpg"_s});
        QVERIFY(waitForEnd(*w));
        QCOMPARE(child<QLabel>(*w, "lblQuickHeadline")->text(), u"Nothing was cleaned"_s);
        const QString why = shown(child<QLabel>(*w, "lblQuickCounts"));
        QVERIFY2(why.contains(out), qPrintable(why));
        QCOMPARE(testutil::filesIn(folder), QStringList {u"a.jpg"_s});
        QVERIFY(testutil::filesIn(out).isEmpty());
        QCOMPARE(w->exitStatus(), 2);
        QVERIFY(!child<QPushButton>(*w, "cmdQuickOpenFolder")->isVisible());
    }

    // Stop, or closing the window (which then goes), ends the run; the rest is not reached.
    void stop_data() { testutil::boolRows("byClosing", "Stop", "closing the window"); }
    void stop()
    {
        QFETCH(bool, byClosing);
        const int count = CleanJob::BatchSize * (2 * QThread::idealThreadCount() + 2);
        const QString folder = testutil::folderOfCopies(
            m_box->path(QString::fromLatin1(QTest::currentDataTag())), u"jpeg_all_groups_multi_icc.jpg"_s, count);
        QVERIFY(!folder.isEmpty());
        store("Engine=exiftool\r\n");
        const auto outputs = [&] { return QDir(folder).entryList({u"*_cleaned.jpg"_s}, QDir::Files).size(); };
        std::unique_ptr<QuickCleanDialog> w;
        bool stopped = false;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (stopped || !w || w->stage() != QuickCleanDialog::Stage::Cleaning
                || outputs() + testutil::stagedOutputs(folder) < 10)
                return;
            stopped = true;
            if (byClosing)
                w->close();
            else
                QTest::mouseClick(child<QPushButton>(*w, "cmdQuickStop"), Qt::LeftButton);
        });
        watch.start();
        w = window({folder});
        QVERIFY(waitForEnd(*w));
        watch.stop();
        QVERIFY(stopped);
        const int done = int(outputs());
        QVERIFY(done < count);
        QCOMPARE(w->exitStatus(), 1);
        QCOMPARE(child<QLabel>(*w, "lblQuickHeadline")->text(),
            done > 0 ? u"%1 of %2 images were cleaned; the run was stopped"_s.arg(done).arg(count)
                     : u"No image was cleaned; the run was stopped"_s);
        const QString counts = child<QLabel>(*w, "lblQuickCounts")->text();
        QVERIFY2(
            counts.endsWith(u"%1 images were not reached before the stop."_s.arg(count - done)), qPrintable(counts));
        if (byClosing)
            QTRY_VERIFY(!w->isVisible());
        else
            QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(TestGuiQuickClean)
#include "tst_gui_quickclean.moc"
