// The console runner against small generated tools and the real ExifTool.

#include "fs/SystemFolders.h"
#include "runner/ConsoleRunner.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestRunner final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Writes an executable Perl tool into the temporary folder and returns its path.
    QString tool(const QString &name, const QByteArray &body)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        f.write("#!/usr/bin/perl\nuse strict; use warnings;\n" + body);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFileInfo(u"/usr/bin/perl"_s).isExecutable(), "the fake tools are Perl scripts");
    }

    void outputChannels_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");

        QTest::newRow("stdout only") << QByteArray("print \"line 1\\nline 2\\n\"; exit 0;") << 0
                                     << u"line 1\nline 2\n"_s << QString();
        QTest::newRow("stderr only") << QByteArray("print STDERR \"Warning: odd\\n\"; exit 0;") << 0
                                     << QString() << u"Warning: odd\n"_s;
        QTest::newRow("exit 1 keeps both texts")
            << QByteArray("print \"1 image files updated\\n\"; print STDERR \"Error: bad - /a b.jpg\\n\"; exit 1;")
            << 1 << u"1 image files updated\n"_s << u"Error: bad - /a b.jpg\n"_s;
        QTest::newRow("exit 3") << QByteArray("exit 3;") << 3 << QString() << QString();
        QTest::newRow("split across many writes")
            << QByteArray("$| = 1; for my $i (1..200) { print \"x\"; select(undef, undef, undef, 0.0005) if $i % 50 == 0; } "
                          "print \"\\n\"; print STDERR \"a\"; print STDERR \"b\\n\";")
            << 0 << QString(200, u'x') + u'\n' << u"ab\n"_s;
        QTest::newRow("NUL cuts the text")
            << QByteArray("print \"before\\0after\"; print STDERR \"err\\0rest\";") << 0 << u"before"_s
            << u"err"_s;
        QTest::newRow("UTF-8 decoded")
            << QByteArray("print \"Gr\\xc3\\xbc\\xc3\\x9fe \\xe2\\x9c\\x93\\n\";") << 0
            << u"Gr\u00fc\u00dfe \u2713\n"_s << QString();
    }

    void outputChannels()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        QFETCH(QString, output);
        QFETCH(QString, error);

        const QString program = tool(u"channels"_s, body);
        ConsoleRunner runner;
        QCOMPARE(runner.RunConsoleCommand(program, {}), result);
        QCOMPARE(runner.sConsoleOutput(), output);
        QCOMPARE(runner.sConsoleError(), error);
    }

    // More than any pipe buffer on both channels at once, interleaved.
    void largeOutputDoesNotBlock()
    {
        const QString program = tool(u"large"_s,
                                     "my $chunk = ('0123456789abcdef' x 64);\n"
                                     "for (1..5120) { print STDOUT $chunk; print STDERR $chunk; }\n");
        ConsoleRunner runner;
        runner.setTimeoutMs(60000);
        QCOMPARE(runner.RunConsoleCommand(program, {}), 0);
        QCOMPARE(runner.sConsoleOutput().size(), 5 * 1024 * 1024);
        QCOMPARE(runner.sConsoleError().size(), 5 * 1024 * 1024);
        QVERIFY(runner.sConsoleOutput().endsWith(u"0123456789abcdef"_s));
    }

    void argumentsArriveVerbatim()
    {
        // The tool writes its arguments NUL-separated into a file, so nothing is lost in transit.
        const QString program = tool(u"args"_s,
                                     "open(my $f, '>', 'args.bin') or die; binmode $f;\n"
                                     "print $f join(\"\\0\", @ARGV); close $f;\n");
        const QStringList arguments{u"-ver"_s,
                                    u"a b  c"_s,
                                    u"\"double\" 'single'"_s,
                                    u"line1\nline2"_s,
                                    u"$HOME `id` $(id)"_s,
                                    u"100%d %f %%"_s,
                                    u"--"_s,
                                    u"-@"_s,
                                    u"; rm -rf x | cat > y &"_s,
                                    u"*.jpg ?"_s,
                                    u"\u00e9t\u00e9 \u6771\u4eac"_s,
                                    u"trailing\\"_s};
        ConsoleRunner runner;
        runner.setWorkingDirectory(m_dir.path());
        QCOMPARE(runner.RunConsoleCommand(program, arguments), 0);

        QFile f(m_dir.filePath(u"args.bin"_s));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString received = QString::fromUtf8(f.readAll());
        QCOMPARE(received.split(QChar(0)), arguments);
    }

    void workingDirectory()
    {
        const QString program = tool(u"cwd"_s, "use Cwd; print getcwd();\n");
        QTemporaryDir other;
        QVERIFY(other.isValid());

        ConsoleRunner runner;
        runner.setWorkingDirectory(other.path());
        QCOMPARE(runner.RunConsoleCommand(program, {}), 0);
        QCOMPARE(runner.sConsoleOutput(), QFileInfo(other.path()).canonicalFilePath());

        // Without a folder of its own the run starts in the program folder.
        ConsoleRunner byDefault;
        QCOMPARE(byDefault.RunConsoleCommand(program, {}), 0);
        QCOMPARE(byDefault.sConsoleOutput(), QFileInfo(programFolder()).canonicalFilePath());
    }

    void noStandardInput()
    {
        // A tool that reads stdin must see its end at once instead of waiting forever.
        const QString program = tool(u"stdin"_s, "my $in = do { local $/; <STDIN> }; "
                                                 "print defined $in ? length($in) : 'undef';\n");
        ConsoleRunner runner;
        runner.setTimeoutMs(20000);
        QCOMPARE(runner.RunConsoleCommand(program, {}), 0);
        QCOMPARE(runner.sConsoleOutput(), u"0"_s);
    }

    void cannotStart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << u"missing"_s << u"No such file or directory"_s;
        QTest::newRow("not executable") << u"plain"_s << u"Permission denied"_s;
        QTest::newRow("a folder") << u"folder"_s << u"Permission denied"_s;
        QTest::newRow("not on PATH") << u"bare"_s << u"No such file or directory"_s;
    }

    void cannotStart()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);

        QString program;
        if (kind == u"missing") {
            program = m_dir.filePath(u"no such dir/exiftool"_s);
        } else if (kind == u"plain") {
            program = m_dir.filePath(u"plain file"_s);
            QFile f(program);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\necho hello\n");
            f.close();
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        } else if (kind == u"folder") {
            program = m_dir.filePath(u"a folder"_s);
            QVERIFY(QDir().mkpath(program));
        } else {
            program = u"quillmark-no-such-tool-anywhere"_s;
        }

        ConsoleRunner runner;
        // A successful run first, so the failure must replace its texts.
        QCOMPARE(runner.RunConsoleCommand(tool(u"hello"_s, "print 'out'; print STDERR 'err';"), {}), 0);
        QCOMPARE(runner.sConsoleOutput(), u"out"_s);

        QVERIFY(runner.RunConsoleCommand(program, {u"-ver"_s}) != 0);
        QCOMPARE(runner.sConsoleOutput(), QString());
        // The tests run under LC_ALL=C.UTF-8, so the system's reason is in English.
        QCOMPARE(runner.sConsoleError(), u"Could not start %1: %2"_s.arg(program, reason));
    }

    void emptyProgramAndMissingFolder()
    {
        ConsoleRunner runner;
        QVERIFY(runner.RunConsoleCommand(QString(), {}) != 0);
        QCOMPARE(runner.sConsoleOutput(), QString());
        QVERIFY(!runner.sConsoleError().isEmpty());

        const QString program = tool(u"hello"_s, "print 'out';");
        runner.setWorkingDirectory(m_dir.filePath(u"gone"_s));
        QVERIFY(runner.RunConsoleCommand(program, {}) != 0);
        QCOMPARE(runner.sConsoleOutput(), QString());
        QVERIFY(runner.sConsoleError().contains(program));
        QVERIFY(runner.sConsoleError().contains(m_dir.filePath(u"gone"_s)));
    }

    void crashIsAFailure()
    {
        const QString program = tool(u"crash"_s, "print 'partial'; kill 'SEGV', $$; sleep 5;");
        ConsoleRunner runner;
        QCOMPARE(runner.RunConsoleCommand(program, {}), -1);
        QCOMPARE(runner.sConsoleOutput(), QString());
        QVERIFY(runner.sConsoleError().contains(program));
    }

    void secondRunReplacesTexts()
    {
        ConsoleRunner runner;
        QCOMPARE(runner.RunConsoleCommand(tool(u"both"_s, "print 'first out'; print STDERR 'first err'; exit 1;"), {}),
                 1);
        QCOMPARE(runner.sConsoleOutput(), u"first out"_s);
        QCOMPARE(runner.sConsoleError(), u"first err"_s);

        QCOMPARE(runner.RunConsoleCommand(tool(u"silent"_s, "exit 0;"), {}), 0);
        QCOMPARE(runner.sConsoleOutput(), QString());
        QCOMPARE(runner.sConsoleError(), QString());

        QCOMPARE(runner.RunConsoleCommand(tool(u"other"_s, "print STDERR 'second';"), {}), 0);
        QCOMPARE(runner.sConsoleOutput(), QString());
        QCOMPARE(runner.sConsoleError(), u"second"_s);
    }

    // The tool waits until a file appears that only a timer of this process creates;
    // if the runner blocked the event loop the tool would give up and fail.
    void eventLoopKeepsRunning()
    {
        const QString signal = m_dir.filePath(u"go"_s);
        QFile::remove(signal);
        const QString program = tool(u"waiter"_s,
                                     "for (1..2000) { if (-e $ARGV[0]) { print 'seen'; exit 0; } "
                                     "select(undef, undef, undef, 0.01); }\nexit 1;\n");
        int fired = 0;
        QTimer timer;
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [&] {
            if (++fired == 3) {
                QFile f(signal);
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        });
        timer.start();

        ConsoleRunner runner;
        QCOMPARE(runner.RunConsoleCommand(program, {signal}), 0);
        QCOMPARE(runner.sConsoleOutput(), u"seen"_s);
        QVERIFY(fired >= 3);
    }

    void timeoutInterrupts()
    {
        // The handler proves the tool got SIGINT, as ExifTool needs to remove its temporary files.
        const QString marker = m_dir.filePath(u"interrupted"_s);
        QFile::remove(marker);
        const QString program = tool(u"sleeper"_s,
                                     "$SIG{INT} = sub { open(my $f, '>', $ARGV[0]); close $f; exit 7; };\n"
                                     "print 'started'; print STDERR 'working';\nsleep 60;\n");
        ConsoleRunner runner;
        runner.setTimeoutMs(300);
        QCOMPARE(runner.RunConsoleCommand(program, {marker}), -1);
        QVERIFY(QFile::exists(marker));
        QCOMPARE(runner.sConsoleOutput(), QString());
        QCOMPARE(runner.sConsoleError(), u"%1 was stopped after 1 second(s)."_s.arg(program));
    }

    void timeoutKillsAToolThatIgnoresInterrupts()
    {
        const QString program = tool(u"stubborn"_s, "$SIG{INT} = 'IGNORE'; sleep 60;\n");
        ConsoleRunner runner;
        runner.setTimeoutMs(200);
        QCOMPARE(runner.RunConsoleCommand(program, {}), -1);
        QVERIFY(runner.sConsoleError().contains(u"was stopped after"_s));
    }

    // Runs in a copy of this program (see below); writes what it finds to the named file.
    void findExifToolProbe()
    {
        const QString out = qEnvironmentVariable("QUILLMARK_PROBE_OUT");
        if (out.isEmpty())
            QSKIP("only run inside a copy of this program");
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(findExifTool().toUtf8());
    }

    // Lookup beside the program is tried in a copy of this program in a folder of its
    // own, so no stray "exiftool" ever lies beside the real test programs.
    void findsExifToolBesideTheProgram_data()
    {
        QTest::addColumn<QString>("beside"); // "", "plain" or "executable"
        QTest::addColumn<bool>("found");
        QTest::newRow("none beside") << QString() << false;
        QTest::newRow("not executable") << u"plain"_s << false;
        QTest::newRow("executable") << u"executable"_s << true;
    }

    void findsExifToolBesideTheProgram()
    {
        QFETCH(QString, beside);
        QFETCH(bool, found);

        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        const QString copy = bin.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        const QString exiftool = bin.filePath(u"exiftool"_s);
        if (!beside.isEmpty()) {
            QFile f(exiftool);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\necho fake\n");
            f.close();
            QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
            if (beside == u"executable")
                permissions |= QFile::ExeOwner;
            QVERIFY(f.setPermissions(permissions));
        }

        const QString out = bin.filePath(u"found.txt"_s);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QUILLMARK_PROBE_OUT"_s, out);
        child.setProcessEnvironment(env);
        child.start(copy, {u"findExifToolProbe"_s});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), 0);

        QFile result(out);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(result.readAll()),
                 found ? exiftool : QStandardPaths::findExecutable(u"exiftool"_s));
    }

    void realExifTool()
    {
        const QString exiftool = findExifTool();
        if (exiftool.isEmpty())
            QFAIL("ExifTool is not installed (Debian package libimage-exiftool-perl)");
        ConsoleRunner runner;
        runner.setTimeoutMs(60000);
        QCOMPARE(runner.RunConsoleCommand(exiftool, {u"-ver"_s}), 0);
        QVERIFY2(QRegularExpression(u"^\\d+\\.\\d+\\n$"_s).match(runner.sConsoleOutput()).hasMatch(),
                 qPrintable(runner.sConsoleOutput()));
        QCOMPARE(runner.sConsoleError(), QString());

        // An error of ExifTool's own arrives on the error text with a non-zero result.
        const QString missing = m_dir.filePath(u"missing image.jpg"_s);
        QCOMPARE(runner.RunConsoleCommand(exiftool, {u"-config"_s, QString(), u"-s"_s, missing}), 1);
        QVERIFY2(runner.sConsoleError().contains(u"Error: File not found - "_s + missing),
                 qPrintable(runner.sConsoleError()));
    }

    // Must stay the last test: once the application is told to exit, no local event
    // loop of this process runs again.
    void applicationQuitsDuringRun()
    {
        const QString started = m_dir.filePath(u"quit started"_s);
        const QString marker = m_dir.filePath(u"quit interrupted"_s);
        const QString program = tool(u"long"_s,
                                     "$SIG{INT} = sub { open(my $f, '>', $ARGV[1]); close $f; exit 0; };\n"
                                     "open(my $s, '>', $ARGV[0]); close $s;\nsleep 60;\n");
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QFile::exists(started))
                QCoreApplication::exit(0);
        });
        poll.start();

        ConsoleRunner runner;
        QCOMPARE(runner.RunConsoleCommand(program, {started, marker}), -1);
        QVERIFY(QFile::exists(marker));
        QCOMPARE(runner.sConsoleOutput(), QString());
        QVERIFY(runner.sConsoleError().contains(program));
    }
};

QTEST_GUILESS_MAIN(TestRunner)
#include "tst_runner.moc"
