// The console runner against small generated tools and the real ExifTool.

#include "core/ConsoleRunner.h"
#include "core/NativePath.h"
#include "core/SystemFolders.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestRunner final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString tool(const QString &name, const QByteArray &body) { return testutil::perlTool(m_dir.filePath(name), body); }

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

        QTest::newRow("stdout only, UTF-8") << QByteArray("print \"Gr\\xc3\\xbc\\xc3\\x9fe\\nline 2\\n\"; exit 0;") << 0
                                            << u"Gr\u00fc\u00dfe\nline 2\n"_s << QString();
        QTest::newRow("stderr only, exit 3")
            << QByteArray("print STDERR \"Warning: odd\\n\"; exit 3;") << 3 << QString() << u"Warning: odd\n"_s;
        QTest::newRow("exit 1 keeps both texts")
            << QByteArray("print \"1 image files updated\\n\"; print STDERR \"Error: bad - /a b.jpg\\n\"; exit 1;") << 1
            << u"1 image files updated\n"_s << u"Error: bad - /a b.jpg\n"_s;
        QTest::newRow("NUL cuts the text")
            << QByteArray("print \"before\\0after\"; print STDERR \"err\\0rest\";") << 0 << u"before"_s << u"err"_s;
        // A tool that reads its input must see the end at once instead of waiting forever.
        QTest::newRow("empty input") << QByteArray("my $in = do { local $/; <STDIN> }; print length($in // 'undef');")
                                     << 0 << u"0"_s << QString();
    }

    void outputChannels()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        QFETCH(QString, output);
        QFETCH(QString, error);

        // Each run's texts replace the last run's.
        ConsoleRunner runner;
        QCOMPARE(runner.RunExifTool(tool(u"both"_s, "print 'out'; print STDERR 'err'; exit 1;"), {}), 1);
        QCOMPARE(runner.RunExifTool(tool(u"channels"_s, body), {}), result);
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
        QCOMPARE(runner.RunExifTool(program, {}), 0);
        QCOMPARE(runner.sConsoleOutput().size(), 5 * 1024 * 1024);
        QCOMPARE(runner.sConsoleError().size(), 5 * 1024 * 1024);
    }

    // Never through a shell: the tool writes its arguments NUL-separated into a file in
    // its working folder, which is the program folder unless told otherwise.
    void argumentsArriveVerbatim()
    {
        const QString program = tool(u"args"_s,
            "open(my $f, '>', 'args.bin') or die; binmode $f;\n"
            "print $f join(\"\\0\", @ARGV); close $f;\n");
        const QStringList arguments {u"-@"_s, u"a b  \"double\" 'single' line1\nline2 $HOME `id` $(id) 100%d %%"_s,
            u"; rm -rf x | cat > y & *.jpg ? \u00e9t\u00e9 \u6771\u4eac trailing\\"_s};
        ConsoleRunner runner;
        runner.setWorkingDirectory(m_dir.path());
        QCOMPARE(runner.RunExifTool(program, arguments), 0);
        QCOMPARE(QString::fromUtf8(testutil::readFile(m_dir.filePath(u"args.bin"_s))).split(QChar(0)), arguments);

        ConsoleRunner byDefault;
        QCOMPARE(byDefault.RunExifTool(tool(u"cwd"_s, "use Cwd; print getcwd();\n"), {}), 0);
        QCOMPARE(byDefault.sConsoleOutput(), QFileInfo(programFolder()).canonicalFilePath());
    }

    void cannotStart_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << false << u"No such file or directory"_s;
        QTest::newRow("not executable") << true << u"Permission denied"_s;
    }

    void cannotStart()
    {
        QFETCH(bool, exists);
        QFETCH(QString, reason);

        const QString program = m_dir.filePath(u"plain file"_s);
        QFile::remove(program);
        if (exists) {
            QVERIFY(testutil::writeFile(program, "#!/bin/sh\necho hello\n"));
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner));
        }
        ConsoleRunner runner;
        QVERIFY(runner.RunExifTool(program, {u"-ver"_s}) != 0);
        QCOMPARE(runner.sConsoleOutput(), QString());
        // The tests run under LC_ALL=C.UTF-8, so the system's reason is in English.
        QCOMPARE(runner.sConsoleError(), u"Could not start %1: %2"_s.arg(program, reason));
    }

    void crashIsAFailure()
    {
        const QString program = tool(u"crash"_s, "print 'partial'; kill 'SEGV', $$; sleep 5;");
        ConsoleRunner runner;
        QCOMPARE(runner.RunExifTool(program, {}), -1);
        QCOMPARE(runner.sConsoleOutput(), QString());
        QVERIFY(runner.sConsoleError().contains(program));
    }

    // The tool waits until a file appears that only a timer of this process creates;
    // if the runner blocked the event loop the tool would give up and fail.
    void eventLoopKeepsRunning()
    {
        const QString signal = m_dir.filePath(u"go"_s);
        const QString program = tool(u"waiter"_s,
            "for (1..2000) { if (-e $ARGV[0]) { print 'seen'; exit 0; } "
            "select(undef, undef, undef, 0.01); }\nexit 1;\n");
        QTimer::singleShot(50, this, [&] { QVERIFY(testutil::writeFile(signal, {})); });
        ConsoleRunner runner;
        QCOMPARE(runner.RunExifTool(program, {signal}), 0);
        QCOMPARE(runner.sConsoleOutput(), u"seen"_s);
    }

    // A path whose bytes are not UTF-8 reaches ExifTool unchanged (the viewer lists such
    // a file), also after "--"; the options before it stay on the command line, where
    // "-config" must be.
    void exifToolGetsPathsByTheirBytes()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QTemporaryDir dir;
        const QByteArray raw = QFile::encodeName(dir.path()) + "/caf\xe9 -x.png";
        QVERIFY(QFile::copy(testutil::sample(u"png_exif_gps_xmp.png"_s), dir.filePath(u"tmp"_s)));
        QVERIFY(::rename(QFile::encodeName(dir.filePath(u"tmp"_s)).constData(), raw.constData()) == 0);
        const auto removeRaw = qScopeGuard([&raw] { ::unlink(raw.constData()); });
        ConsoleRunner runner;
        for (const bool afterDashes : {false, true}) {
            QStringList args = {u"-config"_s, QString(), u"-s3"_s, u"-GPSLatitude"_s, u"-n"_s};
            if (afterDashes)
                args << u"--"_s;
            QCOMPARE(runner.RunExifTool(findExifTool(), args << decodePath(raw)), 0);
            QVERIFY2(runner.sConsoleOutput().trimmed().toDouble() != 0, qPrintable(runner.sConsoleOutput()));
        }
        QVERIFY(runner.RunExifTool(findExifTool(), {u"-s3"_s, u"-GPSLatitude"_s, decodePath(raw + "x")}) != 0);
        QVERIFY2(runner.sConsoleError().contains(u"File not found"_s), qPrintable(runner.sConsoleError()));
    }
};

QTEST_GUILESS_MAIN(TestRunner)
#include "tst_runner.moc"
