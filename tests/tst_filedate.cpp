// File date obfuscation: the date entry's checks, the date text and the re-dating of real files.

#include "core/FileDate.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <ctime>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

std::array<QString *, 6> partsOf(FixedFileDate &d)
{
    return {&d.sSetDateYear, &d.sSetDateMonth, &d.sSetDateDay, &d.sSetDateHour, &d.sSetDateMin, &d.sSetDateSec};
}

// The six parts as typed, separated by single blanks: "1980 1 1 0 0 0".
FixedFileDate dateOf(const QString &text)
{
    FixedFileDate date;
    const QStringList typed = text.split(u' ');
    for (size_t i = 0; i < 6; ++i)
        *partsOf(date)[i] = typed.value(qsizetype(i));
    return date;
}

QDateTime local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

} // namespace

Q_DECLARE_METATYPE(FixedFileDate)

class TestFileDate final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString sampleCopy(const QString &name)
    {
        // Without the shared samples any file will do: only its times matter here.
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!testutil::copySample(u"png_exif_gps_xmp.png"_s, path)
            && (!f.open(QIODevice::WriteOnly) || f.write("x") != 1))
            return {};
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void validateAnswer_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");

        // Both ends of every prompt's range, and the whole numbers just outside them.
        const QStringList parts {u"year"_s, u"month"_s, u"day"_s, u"hour"_s, u"minute"_s, u"second"_s};
        const int ranges[6][2] = {{1980, 2100}, {1, 12}, {1, 31}, {0, 23}, {0, 59}, {0, 59}};
        for (int i = 0; i < 6; ++i) {
            const QString refused = u"Not a valid %1..."_s.arg(parts.at(i));
            for (int end = 0; end < 2; ++end) {
                const int inside = ranges[i][end], outside = inside + (end ? 1 : -1);
                const QByteArray name = parts.at(i).toUtf8();
                QTest::addRow("%s %d", name.data(), inside) << i << QString::number(inside) << true << QString();
                QTest::addRow("%s %d", name.data(), outside) << i << QString::number(outside) << false << refused;
            }
        }
        QTest::newRow("month 12.4") << 1 << u"12.4"_s << true << QString();
        QTest::newRow("month 12.5") << 1 << u"12.5"_s << false << u"Not a valid month..."_s;
        // Neither read as far as it goes (5) nor taken as 0.
        QTest::newRow("not a number") << 3 << u"5x"_s << false << u"Not a valid hour..."_s;
        QTest::newRow("empty keeps the value") << 0 << QString() << false << QString();
    }

    void validateAnswer()
    {
        QFETCH(int, index);
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        QFETCH(QString, message);

        QString shown = u"stale"_s;
        const std::optional<QString> stored = FileDate::validateDateAnswer(index, answer, &shown);
        QCOMPARE(stored.has_value(), accepted);
        QCOMPARE(shown, message);
        if (!accepted)
            return;
        QCOMPARE(*stored, answer); // kept as typed

        // Whatever the entry accepts must make a date when the file is re-dated.
        FixedFileDate date;
        *partsOf(date)[size_t(index)] = *stored;
        QVERIFY(FileDate::fixedDateTime(date).has_value());
    }

    // Users type decimals in their own form; 12,4 must never become 124.
    void userLocaleDecimals()
    {
        const QLocale old;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(old); });
        QVERIFY(FileDate::validateDateAnswer(1, u"12,4"_s, nullptr).has_value());
        QCOMPARE(FileDate::fixedDateTime(dateOf(u"1990 12,4 1 0 0 0"_s)), std::optional(local(1990, 12, 1)));
    }

    // The date shown for the six parts as stored, and the instant they give the files.
    void fixedDate_data()
    {
        QTest::addColumn<FixedFileDate>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected"); // invalid: no date
        QTest::newRow("defaults") << FixedFileDate() << u"1980-01-01 00:00:00"_s << local(1980, 1, 1);
        QTest::newRow("two digits") << dateOf(u"2024 12 5 23 5 9"_s) << u"2024-12-05 23:05:09"_s
                                    << local(2024, 12, 5, 23, 5, 9);
        QTest::newRow("12.4 is 12, halves to even")
            << dateOf(u"2000 12.4 2.5 0.5 10.5 11.5"_s) << u"2000-12.4-2.5 0.5:10.5:11.5"_s
            << local(2000, 12, 2, 0, 10, 12);
        QTest::newRow("no date: shown as joined")
            << dateOf(u"1980 2 31 0 0 0"_s) << u"1980-2-31 0:0:0"_s << QDateTime();
    }

    void fixedDate()
    {
        QFETCH(FixedFileDate, date);
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        QCOMPARE(FileDate::dateText(date), text);
        const std::optional<QDateTime> when = FileDate::fixedDateTime(date);
        QCOMPARE(when.has_value(), expected.isValid());
        if (when)
            QCOMPARE(*when, expected);
    }

    // The hour skipped when summer time starts still gives a usable instant, later on the same day.
    void fixedDateInSkippedHour()
    {
        const auto reread = qScopeGuard([] { ::tzset(); }); // after the zone below is restored
        const testutil::EnvOverride zone("TZ", u"Europe/Berlin"_s);
        ::tzset();
        const auto when = FileDate::fixedDateTime(dateOf(u"2001 3 25 2 30 0"_s));
        QVERIFY(when.has_value() && when->isValid());
        QCOMPARE(when->toUTC(), QDateTime(QDate(2001, 3, 25), QTime(1, 30), Qt::UTC));
    }

    // Random dates stay within the years the program promises and do not repeat.
    void randomDates()
    {
        QRandomGenerator generator(20240601);
        QSet<QDateTime> seen;
        for (int i = 0; i < 300; ++i) {
            const QDateTime when = FileDate::randomDateTime(generator);
            QVERIFY(when >= local(1980, 1, 1) && when <= local(2010, 12, 28, 23, 59, 59));
            seen.insert(when);
        }
        QVERIFY(seen.size() > 290);
    }

    // Re-dating real files: both times set and the bytes untouched, a read-only file left
    // read-only, a missing file a failure.
    void datesOnRealFiles()
    {
        const QString path = sampleCopy(u"fixed.png"_s);
        const QString readOnly = sampleCopy(u"read only.png"_s);
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QByteArray before = testutil::sha256(path);
        QVERIFY(FileDate::SetFileDate(path, *FileDate::fixedDateTime(FixedFileDate())));
        QCOMPARE(QFileInfo(path).lastModified(), local(1980, 1, 1));
        QCOMPARE(QFileInfo(path).lastRead(), local(1980, 1, 1));
        QCOMPARE(testutil::sha256(path), before);
        const QDateTime when = local(1999, 12, 31, 23, 59, 58);
        QVERIFY(FileDate::SetFileDate(readOnly, when));
        QCOMPARE(QFileInfo(readOnly).lastModified(), when);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(readOnly).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0444));
        QVERIFY(!FileDate::SetFileDate(m_dir.filePath(u"missing.png"_s), when));
    }
};

QTEST_GUILESS_MAIN(TestFileDate)
#include "tst_filedate.moc"
