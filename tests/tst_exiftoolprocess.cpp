// ExifToolProcess ending a process that stays open, against small generated tools: asked
// to quit, interrupted, killed; in each case finished() comes and no zombie is left.

#include "core/ExifToolProcess.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Whether the process is there, as a zombie too.
bool exists(qint64 pid)
{
    return QFileInfo::exists(u"/proc/"_s + QString::number(pid));
}

} // namespace

class TestExifToolProcess final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString tool(const QString &name, const QByteArray &body) { return testutil::perlTool(m_dir.filePath(name), body); }

private Q_SLOTS:
    void end_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("interrupted"); // the tool saw SIGINT (it then leaves a mark)
        QTest::addColumn<bool>("killed");

        const QByteArray mark = "$SIG{INT} = sub { open(my $f, '>', 'interrupted'); close $f; exit 3; };\n";
        // The way ExifTool answers "-stay_open False" on its input.
        QTest::newRow("quits when asked")
            << mark + "print \"ready\\n\"; while (<STDIN>) { exit 0 if /^False/; }\nsleep 60;\n"
            << false << false;
        QTest::newRow("deaf, so interrupted") << mark + "print \"ready\\n\"; sleep 60;\n" << true << false;
        QTest::newRow("ignores the interrupt, so killed")
            << QByteArray("$SIG{INT} = 'IGNORE';\nprint \"ready\\n\"; sleep 60;\n") << false << true;
    }

    void end()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, interrupted);
        QFETCH(bool, killed);

        QFile::remove(m_dir.filePath(u"interrupted"_s));
        ExifToolProcess p;
        p.setWorkingDirectory(m_dir.path());
        QSignalSpy ready(&p, &ExifToolProcess::readyReadStandardOutput);
        QSignalSpy finished(&p, &ExifToolProcess::finished);
        p.startStayOpen(tool(u"stays"_s, body));
        QVERIFY(ready.wait(10000));
        const qint64 pid = p.processId();
        QVERIFY(pid > 0 && exists(pid));

        p.end(2000);
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!p.isRunning());
        QVERIFY(!exists(pid)); // reaped
        QCOMPARE(QFile::exists(m_dir.filePath(u"interrupted"_s)), interrupted);
        QCOMPARE(p.crashed(), killed);
    }

    // (Destroyed while running: tst_jobasync's destroyedMidRun.)
    // (A tool that cannot start: tst_runner's cannotStart, tst_gui_run's runCannotStart.)
};

QTEST_GUILESS_MAIN(TestExifToolProcess)
#include "tst_exiftoolprocess.moc"
