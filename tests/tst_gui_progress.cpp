// The cleaning page while a run goes on: progress per image and the stop question.

#include "core/RunReport.h"
#include "gui/RunPage.h"
#include "guitestutil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;
using guitest::child;

class TestGuiProgress final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<guitest::Sandbox> m_box;

    static CleanJob *startRun(CleanWizard &w)
    {
        while (w.iPage() < 7)
            w.goNext();
        return w.findChild<CleanJob *>();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY((m_box = guitest::startSandbox())->isValid());
    }

    void init() { guitest::forgetPrompts(); }

    // "0 of 80", then the count rising per image with its name, and a time left.
    void detailPerImage()
    {
        constexpr int count = 80;
        const QString folder
            = testutil::folderOfCopies(m_box->path(u"detail"_s), u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, count);
        auto w = m_box->windowAt(2, folder);
        CleanJob *job = startRun(*w);
        QVERIFY(job);
        auto *detail = child<QLabel>(*w, "lblProgressDetail");
        QStringList texts;
        connect(job, &CleanJob::progressed, this, [&] { texts << detail->text(); });
        QVERIFY(guitest::waitForFinishedPage(*w));
        QVERIFY(texts.size() >= count);
        QCOMPARE(texts.first(), u"0 of 80"_s);
        static const QRegularExpression shape(
            u"^(\\d+) of 80( \u00b7 about \\d+ (s|min) left)? \u00b7 img\\d{3}\\.jpg$"_s);
        QList<int> counts;
        for (const QString &text : std::as_const(texts)) {
            const QRegularExpressionMatch m = shape.match(text);
            QVERIFY2(m.hasMatch() || text == u"0 of 80"_s, qPrintable(text));
            if (m.hasMatch())
                counts << m.captured(1).toInt();
        }
        QVERIFY(std::is_sorted(counts.cbegin(), counts.cend()));
        QCOMPARE(counts.last(), count);
        QVERIFY(counts.contains(count / 2)); // not per batch of 64
    }

    // A long name loses its middle, so its start and its extension stay on the line.
    void longNameElided()
    {
        RunPage page;
        page.resize(640, 200);
        page.show();
        const QString name = u"IMG_"_s + QString(200, u'a') + u"_end.JPG"_s;
        page.setProgressDetail(1234, 2000, 40000, name);
        const QLabel *detail = child<QLabel>(page, "lblProgressDetail");
        const QString text = detail->text();
        const QString start
            = u"%1 of %2 \u00b7 about 40 s left \u00b7 IMG_a"_s.arg(QLocale().toString(1234), QLocale().toString(2000));
        QVERIFY2(text.startsWith(start) && text.endsWith(u"_end.JPG"_s) && text.contains(u'\u2026'), qPrintable(text));
        QVERIFY(detail->fontMetrics().horizontalAdvance(text) <= detail->contentsRect().width());
        QCOMPARE(detail->toolTip(), name);
    }

    void timeLeft()
    {
        const QList<std::pair<qint64, QString>> rows {{-1, QString()}, {800, u"about 5 s left"_s},
            {38200, u"about 40 s left"_s}, {59000, u"about 1 min left"_s}, {170000, u"about 3 min left"_s},
            {3 * 3600 * 1000 + 1000, u"about 3 h left"_s}};
        for (const auto &[ms, text] : rows)
            QCOMPARE(RunPage::timeLeftText(ms), text);
    }

    // While "Stop cleaning?" is open nothing new is cleaned and the page says it waits; No
    // goes on, Yes ends the run and the images not reached have no output.
    void stopQuestionHolds_data() { testutil::boolRows("yes", "No goes on", "Yes stops"); }
    void stopQuestionHolds()
    {
        QFETCH(bool, yes);
        constexpr int count = 640;
        const QString folder = testutil::folderOfCopies(m_box->path(QString::fromLatin1(QTest::currentDataTag())),
            u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, count);
        const auto placed = [&] { return int(QDir(folder).entryList({u"*_cleaned.jpg"_s}, QDir::Files).size()); };
        const auto outputs = [&] { return placed() + testutil::stagedOutputs(folder); };
        auto w = m_box->windowAt(2, folder);
        CleanJob *job = startRun(*w);
        QVERIFY(job);
        bool held = false;
        bool ended = false;
        JobResult result;
        connect(job, &CleanJob::paused, this, [&] { held = true; });
        connect(job, &CleanJob::finished, this, [&](const JobResult &r) { result = r, ended = true; });
        QVERIFY(QTest::qWaitFor([&] { return outputs() >= 10; }, 120000));

        // The question is shown for real; it is answered once the run has held for a while.
        int atHold = -1;
        int afterWait = -1;
        QString pausedText;
        QElapsedTimer sinceHold;
        QElapsedTimer asked;
        asked.start();
        QTimer answer;
        answer.setInterval(5);
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            const bool gaveUp = ended || asked.elapsed() > 120000; // fails below, never hangs
            if (!held && !gaveUp)
                return;
            if (atHold < 0 && !gaveUp) {
                atHold = outputs();
                pausedText = child<QLabel>(*w, "lblProgressDetail")->text();
                sinceHold.start();
                return;
            }
            if (!gaveUp && sinceHold.elapsed() < 300)
                return;
            afterWait = outputs();
            answer.stop();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        answer.start();
        Prompts::setUnattended(false);
        QTest::mouseClick(child<QPushButton>(*w, "cmdCancel"), Qt::LeftButton);
        Prompts::setUnattended(true);
        QVERIFY(held);
        QVERIFY2(atHold >= 10 && atHold < count, qPrintable(QString::number(atHold)));
        QCOMPARE(afterWait, atHold);
        QVERIFY2(pausedText.contains(u"Paused: waiting for your answer"_s), qPrintable(pausedText));

        QVERIFY(guitest::waitForFinishedPage(*w));
        QVERIFY(ended);
        QCOMPARE(result.stopped, yes);
        const int notReached = runCounts(result.outcomes).notReached;
        QCOMPARE(result.processedCount + notReached, count);
        QCOMPARE(placed(), result.processedCount);
        QCOMPARE(testutil::stagedOutputs(folder), 0);
        if (!yes) {
            QCOMPARE(result.processedCount, count);
            QVERIFY(!child<QLabel>(*w, "lblProgressDetail")->text().contains(u"Paused"_s));
            return;
        }
        QVERIFY(notReached > 0 && result.processedCount > 0);
        for (const FileOutcome &o : std::as_const(result.outcomes)) {
            const QString output = folder + u'/' + QFileInfo(o.input).completeBaseName() + u"_cleaned.jpg"_s;
            QCOMPARE(QFile::exists(output), !o.notRun);
        }
    }
};

QTEST_MAIN(TestGuiProgress)
#include "tst_gui_progress.moc"
