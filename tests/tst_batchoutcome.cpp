// The batch outcome on ExifTool's recorded output (tests/data/exiftool, made by
// tools/record-exiftool-output.sh): how far ExifTool got, which image an error line names,
// what a killed process cut short. No ExifTool runs here.

#include "core/BatchOutcome.h"
#include "testutil.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString verdictText(const ImageVerdict &v)
{
    switch (v.kind) {
    case ImageVerdict::Kind::Open:
        return u"open"_s;
    case ImageVerdict::Kind::CutShort:
        return u"cut"_s;
    case ImageVerdict::Kind::Refused:
        return u"refused: "_s + v.line;
    }
    return {};
}

} // namespace

class TestBatchOutcome final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordedBatches_data()
    {
        QTest::addColumn<QString>("recording"); // empty: the process printed nothing
        QTest::addColumn<int>("lastCommand"); // sequence number of the batch's last command
        QTest::addColumn<int>("commands");
        // Per image: "command name", plus " written" when its result is in staging, or
        // " closed" when it is no longer open (a kept output, a staging failure).
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<bool>("complete"); // the batch's last marker came
        QTest::addColumn<int>("commandsDone");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<bool>("notRun");
        QTest::addColumn<QStringList>("verdicts");

        const QStringList group3 {u"0 a.png"_s, u"0 b.jpg"_s, u"0 c.gif"_s};
        QTest::newRow("clean, minor warnings without -m")
            << u"clean"_s << 2 << 2 << group3 + QStringList {u"1 d.cr2"_s} << true << 2 << false << false
            << QStringList {u"open"_s, u"open"_s, u"open"_s, u"open"_s};
        QTest::newRow("warnings with -m")
            << u"warning"_s << 8 << 2 << QStringList {u"0 a.webp"_s, u"0 b.tif"_s, u"1 c.png"_s} << true << 2 << false
            << false << QStringList {u"open"_s, u"open"_s, u"open"_s};
        QTest::newRow("refused: corrupt JPEG in a group, broken RAF, existing output")
            << u"refused"_s << 3 << 3 << group3 + QStringList {u"1 d.raf"_s, u"2 e.png"_s} << true << 3 << true << false
            << QStringList {u"open"_s, u"refused: Error: Corrupted JPEG image - @DIR@/in/b.jpg"_s, u"open"_s,
                   u"refused: Error: Format error in file - @DIR@/in/d.raf"_s,
                   u"refused: Error: '@DIR@/stage/4/e.png' already exists - @DIR@/in/e.png"_s};
        // Killed while the second command waited: the image it had written last may be
        // partial, the ones after it were never begun; the first command is whole.
        QTest::newRow("killed after writing one image of the group")
            << u"killed"_s << 2 << 2
            << QStringList {u"0 a.png written"_s, u"1 b.jpg written"_s, u"1 c.jpg"_s, u"1 d.gif"_s} << false << 1
            << true << false << QStringList {u"open"_s, u"cut"_s, u"cut"_s, u"cut"_s};
        QTest::newRow("killed before the group began")
            << u"killed"_s << 2 << 2 << QStringList {u"0 a.png written"_s, u"1 b.jpg"_s, u"1 c.jpg"_s, u"1 d.gif"_s}
            << false << 1 << true << false << QStringList {u"open"_s, u"cut"_s, u"cut"_s, u"cut"_s};
        QTest::newRow("died before its first command")
            << QString() << 2 << 2 << QStringList {u"0 a.png"_s, u"1 b.jpg"_s} << false << 0 << true << false
            << QStringList {u"cut"_s, u"cut"_s};
        // A closed image is never named, and a line names one image only: the first open one it fits.
        QTest::newRow("refused: only open images named, each line once")
            << u"refused"_s << 3 << 3 << QStringList {u"0 b.jpg closed"_s, u"0 b.jpg"_s, u"0 b.jpg"_s} << true << 3
            << true << false
            << QStringList {u"open"_s, u"refused: Error: Corrupted JPEG image - @DIR@/in/b.jpg"_s, u"open"_s};
        QTest::newRow("taken back after a stop request")
            << u"skipped"_s << 6 << 2 << QStringList {u"0 a.png"_s, u"1 b.jpg"_s} << true << 0 << false << true
            << QStringList {u"open"_s, u"open"_s};
    }

    void recordedBatches()
    {
        QFETCH(QString, recording);
        QFETCH(int, lastCommand);
        QFETCH(int, commands);
        QFETCH(QStringList, images);
        QFETCH(bool, complete);
        QFETCH(int, commandsDone);
        QFETCH(bool, failed);
        QFETCH(bool, notRun);
        QFETCH(QStringList, verdicts);

        // The error output goes in a line at a time, as the pool reads it.
        BatchProgress progress;
        progress.lastCommand = quint64(lastCommand);
        bool ended = false;
        if (!recording.isEmpty()) {
            const QByteArray text = testutil::recording(u"batch-"_s + recording + u".stderr.txt"_s);
            QVERIFY(!text.isEmpty());
            for (const QByteArray &line : text.split('\n')) {
                if (line.isEmpty())
                    continue;
                QVERIFY2(!ended, "output after the batch's last marker");
                ended = progress.takeLine(QString::fromUtf8(line));
            }
        }
        QCOMPARE(ended, complete);
        const BatchRun run = progress.result(!ended);
        QCOMPARE(run.commandsDone, commandsDone);
        QCOMPARE(run.failed, failed);
        QCOMPARE(run.notRun, notRun);
        QCOMPARE(run.processDied, !ended);

        QList<BatchImage> batch;
        for (const QString &image : std::as_const(images)) {
            const QStringList parts = image.split(u' ');
            BatchImage b;
            b.command = parts.at(0).toInt();
            b.etInput = u"@DIR@/in/"_s + parts.at(1);
            b.etResult = u"@DIR@/stage/"_s + parts.at(1);
            b.resultExists = parts.value(2) == u"written";
            b.open = parts.value(2) != u"closed";
            batch << b;
        }
        QStringList got;
        for (const ImageVerdict &v : judgeBatch(batch, commands, run))
            got << verdictText(v);
        QCOMPARE(got, verdicts);
    }
};

QTEST_GUILESS_MAIN(TestBatchOutcome)
#include "tst_batchoutcome.moc"
