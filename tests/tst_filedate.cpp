// File date obfuscation: the date entry's checks, the date text and the re-dating of real files.

#include "job/FileDate.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <ctime>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

FixedFileDate dateOf(const QString &y, const QString &mo, const QString &d, const QString &h, const QString &mi,
                     const QString &s)
{
    FixedFileDate date;
    date.sSetDateYear = y;
    date.sSetDateMonth = mo;
    date.sSetDateDay = d;
    date.sSetDateHour = h;
    date.sSetDateMin = mi;
    date.sSetDateSec = s;
    return date;
}

QDateTime local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

// Runs the rest of the scope in another time zone.
class TimeZoneOverride final
{
public:
    explicit TimeZoneOverride(const QByteArray &zone)
        : m_hadValue(qEnvironmentVariableIsSet("TZ"))
        , m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        ::tzset();
    }
    ~TimeZoneOverride()
    {
        if (m_hadValue)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        ::tzset();
    }
    Q_DISABLE_COPY_MOVE(TimeZoneOverride)

private:
    bool m_hadValue;
    QByteArray m_old;
};

} // namespace

Q_DECLARE_METATYPE(FixedFileDate)

class TestFileDate final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString sampleCopy(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (!testutil::copySample(u"png_exif_gps_xmp.png"_s, path)) {
            // Without the shared samples any file will do: only its times matter here.
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write("not an image") <= 0)
                return {};
        }
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

        const QString year = u"Not a valid year..."_s;
        const QString month = u"Not a valid month..."_s;
        const QString day = u"Not a valid day..."_s;
        const QString hour = u"Not a valid hour..."_s;
        const QString minute = u"Not a valid minute..."_s;
        const QString second = u"Not a valid second..."_s;

        QTest::newRow("year 1979") << 0 << u"1979"_s << false << year;
        QTest::newRow("year 1980") << 0 << u"1980"_s << true << QString();
        QTest::newRow("year 2100") << 0 << u"2100"_s << true << QString();
        QTest::newRow("year 2101") << 0 << u"2101"_s << false << year;
        QTest::newRow("year 2100.0") << 0 << u"2100.0"_s << true << QString();
        QTest::newRow("year abc") << 0 << u"abc"_s << false << year;
        QTest::newRow("year blank") << 0 << u" "_s << false << year;
        QTest::newRow("year with text") << 0 << u"1990x"_s << false << year;
        QTest::newRow("year grouped") << 0 << u"1,990"_s << false << year;
        QTest::newRow("year surrounded by blanks") << 0 << u" 1990 "_s << true << QString();
        QTest::newRow("year nan") << 0 << u"nan"_s << false << year;
        QTest::newRow("year inf") << 0 << u"inf"_s << false << year;
        QTest::newRow("month 0") << 1 << u"0"_s << false << month;
        QTest::newRow("month 1") << 1 << u"1"_s << true << QString();
        QTest::newRow("month 12") << 1 << u"12"_s << true << QString();
        QTest::newRow("month 12.4") << 1 << u"12.4"_s << true << QString();
        QTest::newRow("month 12.5") << 1 << u"12.5"_s << false << month;
        QTest::newRow("month 13") << 1 << u"13"_s << false << month;
        QTest::newRow("month 0.9") << 1 << u"0.9"_s << true << QString();
        QTest::newRow("month 0.5") << 1 << u"0.5"_s << false << month;
        QTest::newRow("year 1979.5") << 0 << u"1979.5"_s << false << year;
        QTest::newRow("year 1979.6") << 0 << u"1979.6"_s << true << QString();
        QTest::newRow("year 2100.4") << 0 << u"2100.4"_s << true << QString();
        QTest::newRow("year 2100.5") << 0 << u"2100.5"_s << false << year;
        QTest::newRow("day 1") << 2 << u"1"_s << true << QString();
        QTest::newRow("day 31") << 2 << u"31"_s << true << QString();
        QTest::newRow("day 32") << 2 << u"32"_s << false << day;
        QTest::newRow("day 0") << 2 << u"0"_s << false << day;
        QTest::newRow("hour 0") << 3 << u"0"_s << true << QString();
        QTest::newRow("hour 23") << 3 << u"23"_s << true << QString();
        QTest::newRow("hour 24") << 3 << u"24"_s << false << hour;
        QTest::newRow("hour -1") << 3 << u"-1"_s << false << hour;
        QTest::newRow("minute 0") << 4 << u"0"_s << true << QString();
        QTest::newRow("minute 59") << 4 << u"59"_s << true << QString();
        QTest::newRow("minute 60") << 4 << u"60"_s << false << minute;
        QTest::newRow("minute 5.5") << 4 << u"5.5"_s << true << QString();
        QTest::newRow("second 0") << 5 << u"0"_s << true << QString();
        QTest::newRow("second 59") << 5 << u"59"_s << true << QString();
        QTest::newRow("second 60") << 5 << u"60"_s << false << second;
        QTest::newRow("second -0.1") << 5 << u"-0.1"_s << true << QString();
        QTest::newRow("second -0.5") << 5 << u"-0.5"_s << false << second;
        QTest::newRow("second 59.49") << 5 << u"59.49"_s << true << QString();
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
        QString *const parts[] = {&date.sSetDateYear, &date.sSetDateMonth, &date.sSetDateDay,
                                  &date.sSetDateHour, &date.sSetDateMin,   &date.sSetDateSec};
        *parts[index] = *stored;
        QVERIFY(FileDate::fixedDateTime(date).has_value());
    }

    void emptyAnswerKeepsValue()
    {
        for (int index = 0; index < 6; ++index) {
            QString shown = u"stale"_s;
            QVERIFY(!FileDate::validateDateAnswer(index, QString(), &shown).has_value());
            QCOMPARE(shown, QString());
        }
        QVERIFY(!FileDate::validateDateAnswer(0, QString(), nullptr).has_value());
    }

    void userLocaleDecimals()
    {
        const QLocale old;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(old); });

        QCOMPARE(FileDate::validateDateAnswer(1, u"12,4"_s, nullptr), std::optional<QString>(u"12,4"_s));
        QCOMPARE(FileDate::validateDateAnswer(1, u"12.4"_s, nullptr), std::optional<QString>(u"12.4"_s));
        QVERIFY(!FileDate::validateDateAnswer(1, u"12,5"_s, nullptr).has_value());

        const std::optional<QDateTime> when = FileDate::fixedDateTime(dateOf(u"1990"_s, u"12,4"_s, u"1"_s, u"0"_s,
                                                                             u"0"_s, u"0"_s));
        QVERIFY(when.has_value());
        QCOMPARE(*when, local(1990, 12, 1));
    }

    void promptTable()
    {
        const QList<std::pair<double, double>> ranges{{1980, 2100}, {1, 12}, {1, 31}, {0, 23}, {0, 59}, {0, 59}};
        for (int index = 0; index < 6; ++index) {
            const FileDate::DatePrompt &prompt = FileDate::datePrompt(index);
            QCOMPARE(prompt.minimum, ranges[index].first);
            QCOMPARE(prompt.maximum, ranges[index].second);
            QCOMPARE(prompt.title, index < 3 ? u"Set date"_s : u"Set time"_s);
            QVERIFY(prompt.prompt.startsWith(u"Please enter a"_s));
        }
        QCOMPARE(FileDate::datePrompt(0).prompt,
                 u"Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY"_s);
    }

    void dateText_data()
    {
        QTest::addColumn<FixedFileDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("defaults") << FixedFileDate() << u"1980-01-01 00:00:00"_s;
        QTest::newRow("two digits") << dateOf(u"2024"_s, u"12"_s, u"5"_s, u"23"_s, u"5"_s, u"9"_s)
                                    << u"2024-12-05 23:05:09"_s;
        QTest::newRow("31 February") << dateOf(u"1980"_s, u"2"_s, u"31"_s, u"0"_s, u"0"_s, u"0"_s)
                                     << u"1980-2-31 0:0:0"_s;
        QTest::newRow("29 February of a leap year") << dateOf(u"1984"_s, u"2"_s, u"29"_s, u"0"_s, u"0"_s, u"0"_s)
                                                    << u"1984-02-29 00:00:00"_s;
        QTest::newRow("decimal month") << dateOf(u"1980"_s, u"12.4"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s)
                                       << u"1980-12.4-1 0:0:0"_s;
        QTest::newRow("not a number") << dateOf(u"abc"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s)
                                      << u"abc-1-1 0:0:0"_s;
        QTest::newRow("hour 24") << dateOf(u"1980"_s, u"1"_s, u"1"_s, u"24"_s, u"0"_s, u"0"_s)
                                 << u"1980-1-1 24:0:0"_s;
    }

    void dateText()
    {
        QFETCH(FixedFileDate, date);
        QFETCH(QString, text);
        QCOMPARE(FileDate::dateText(date), text);
    }

    void fixedDate_data()
    {
        QTest::addColumn<FixedFileDate>("date");
        QTest::addColumn<QDateTime>("expected"); // invalid: no date
        QTest::newRow("defaults") << FixedFileDate() << local(1980, 1, 1);
        QTest::newRow("month 12.4 is 12") << dateOf(u"1990"_s, u"12.4"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s)
                                          << local(1990, 12, 1);
        QTest::newRow("halves to even") << dateOf(u"2000"_s, u"1.5"_s, u"2.5"_s, u"0.5"_s, u"10.5"_s, u"11.5"_s)
                                        << local(2000, 2, 2, 0, 10, 12);
        QTest::newRow("blanks around") << dateOf(u" 2001 "_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s)
                                       << local(2001, 3, 4, 5, 6, 7);
        QTest::newRow("31 April") << dateOf(u"1990"_s, u"4"_s, u"31"_s, u"0"_s, u"0"_s, u"0"_s) << QDateTime();
        QTest::newRow("29 February 1981") << dateOf(u"1981"_s, u"2"_s, u"29"_s, u"0"_s, u"0"_s, u"0"_s)
                                          << QDateTime();
        QTest::newRow("29 February 1984") << dateOf(u"1984"_s, u"2"_s, u"29"_s, u"12"_s, u"0"_s, u"0"_s)
                                          << local(1984, 2, 29, 12);
        QTest::newRow("not a number") << dateOf(u"1990"_s, u"x"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s) << QDateTime();
        QTest::newRow("empty part") << dateOf(u"1990"_s, u"1"_s, QString(), u"0"_s, u"0"_s, u"0"_s) << QDateTime();
        QTest::newRow("huge") << dateOf(u"1e300"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s) << QDateTime();
    }

    void fixedDate()
    {
        QFETCH(FixedFileDate, date);
        QFETCH(QDateTime, expected);
        const std::optional<QDateTime> when = FileDate::fixedDateTime(date);
        QCOMPARE(when.has_value(), expected.isValid());
        if (when)
            QCOMPARE(*when, expected);
    }

    // The hour skipped when summer time starts still gives a usable instant, later on the same day.
    void fixedDateInSkippedHour_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<FixedFileDate>("date");
        QTest::addColumn<QDateTime>("utc");
        QTest::newRow("Berlin 02:30") << QByteArray("Europe/Berlin")
                                      << dateOf(u"2001"_s, u"3"_s, u"25"_s, u"2"_s, u"30"_s, u"0"_s)
                                      << QDateTime(QDate(2001, 3, 25), QTime(1, 30), Qt::UTC);
        QTest::newRow("Sao Paulo midnight") << QByteArray("America/Sao_Paulo")
                                            << dateOf(u"2018"_s, u"11"_s, u"4"_s, u"0"_s, u"30"_s, u"0"_s)
                                            << QDateTime(QDate(2018, 11, 4), QTime(3, 30), Qt::UTC);
    }

    void fixedDateInSkippedHour()
    {
        QFETCH(QByteArray, zone);
        QFETCH(FixedFileDate, date);
        QFETCH(QDateTime, utc);
        const TimeZoneOverride inZone(zone);
        const std::optional<QDateTime> when = FileDate::fixedDateTime(date);
        QVERIFY(when.has_value());
        QVERIFY(when->isValid());
        QCOMPARE(when->toUTC(), utc);
        QCOMPARE(when->date(), QDate(date.sSetDateYear.toInt(), date.sSetDateMonth.toInt(), date.sSetDateDay.toInt()));
    }

    void fixedDateOnRealFile()
    {
        const QString path = sampleCopy(u"fixed.png"_s);
        QVERIFY(!path.isEmpty());
        const QByteArray before = testutil::sha256(path);
        const std::optional<QDateTime> when = FileDate::fixedDateTime(FixedFileDate());
        QVERIFY(when.has_value());

        QVERIFY(FileDate::SetFileDate(path, *when));
        const QFileInfo info(path);
        QCOMPARE(info.lastModified(), local(1980, 1, 1));
        QCOMPARE(info.lastRead(), local(1980, 1, 1));
        QCOMPARE(testutil::sha256(path), before);
    }

    void randomDates()
    {
        QRandomGenerator generator(20240601);
        QSet<qint64> seen;
        for (int i = 0; i < 300; ++i) {
            // The six parts come from six draws in a fixed order.
            QRandomGenerator copy = generator;
            const QDateTime when = FileDate::randomDateTime(generator);
            QVERIFY(when.isValid());
            const auto part = [&copy](int span) { return static_cast<int>(std::floor(copy.generateDouble() * span)); };
            const int y = part(31) + 1980, mo = part(12) + 1, d = part(28) + 1;
            const int h = part(24), mi = part(60), s = part(60);
            const QDateTime wall = local(y, mo, d, h, mi, s);
            if (wall.isValid()) {
                QCOMPARE(when, wall);
            } else {
                // A time the clock skips that night comes out later by the skipped span.
                QCOMPARE(when.date(), QDate(y, mo, d));
                QVERIFY(when.time() > QTime(h, mi, s));
            }
            QCOMPARE(generator, copy);

            QVERIFY(when >= local(1980, 1, 1));
            QVERIFY(when <= local(2010, 12, 28, 23, 59, 59));
            QVERIFY(when.date().day() <= 28);
            seen.insert(when.toSecsSinceEpoch());
        }
        QVERIFY(seen.size() > 290);
    }

    void randomDatesOfSeveralFiles()
    {
        QRandomGenerator generator(7);
        QList<QDateTime> given;
        for (int i = 0; i < 3; ++i) {
            const QString path = sampleCopy(u"random %1.png"_s.arg(i));
            QVERIFY(!path.isEmpty());
            const QDateTime when = FileDate::randomDateTime(generator);
            QVERIFY(FileDate::SetFileDate(path, when));
            const QFileInfo info(path);
            QCOMPARE(info.lastModified(), when);
            QCOMPARE(info.lastRead(), when);
            QVERIFY(info.lastModified().date().day() <= 28);
            QVERIFY(!given.contains(info.lastModified()));
            given << info.lastModified();
        }
    }

    void readOnlyFile_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::newRow("0444") << 0444u;
        QTest::newRow("0400") << 0400u;
        QTest::newRow("0555") << 0555u;
        QTest::newRow("0640 writable") << 0640u;
    }

    void readOnlyFile()
    {
        QFETCH(uint, mode);
        const QString path = sampleCopy(u"read only %1.png"_s.arg(mode, 0, 8));
        QVERIFY(!path.isEmpty());
        const QByteArray encoded = QFile::encodeName(path);
        QCOMPARE(::chmod(encoded.constData(), static_cast<mode_t>(mode)), 0);
        const auto cleanup = qScopeGuard([&] { ::chmod(encoded.constData(), 0600); });

        const QDateTime when = local(1999, 12, 31, 23, 59, 58);
        QVERIFY(FileDate::SetFileDate(path, when));
        QCOMPARE(QFileInfo(path).lastModified(), when);
        QCOMPARE(modeOf(path), static_cast<mode_t>(mode));
    }

    void symlinkDatesItsTarget()
    {
        const QString target = sampleCopy(u"target.png"_s);
        QVERIFY(!target.isEmpty());
        const QString link = m_dir.filePath(u"link.png"_s);
        QVERIFY(QFile::link(target, link));
        QVERIFY(FileDate::SetFileDate(link, local(1985, 6, 7, 8, 9, 10)));
        QCOMPARE(QFileInfo(target).lastModified(), local(1985, 6, 7, 8, 9, 10));

        const QString dangling = m_dir.filePath(u"dangling.png"_s);
        QVERIFY(QFile::link(m_dir.filePath(u"gone.png"_s), dangling));
        QVERIFY(!FileDate::SetFileDate(dangling, local(1985, 6, 7)));
    }

    void nothingThere()
    {
        QVERIFY(!FileDate::SetFileDate(m_dir.filePath(u"missing.png"_s), local(1980, 1, 1)));
        QVERIFY(!FileDate::SetFileDate(QString(), local(1980, 1, 1)));
        const QString path = sampleCopy(u"invalid when.png"_s);
        QVERIFY(!FileDate::SetFileDate(path, QDateTime()));
    }
};

QTEST_GUILESS_MAIN(TestFileDate)
#include "tst_filedate.moc"
