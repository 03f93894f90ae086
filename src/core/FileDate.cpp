#include "core/FileDate.h"

#include "core/NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <array>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace FileDate {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileDate)
};

// Numbers are read as typed: the C form first ("12.4"), then the user's own
// ("12,4"). Group separators are refused so that "12,4" never becomes 124.
std::optional<double> parseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (QLocale locale : {QLocale::c(), QLocale()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    return std::nullopt;
}

// Halves go to the even neighbour, whatever the floating-point rounding mode is.
double roundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

struct DateParts {
    int year, month, day, hour, minute, second;
};

std::optional<DateParts> partsOf(const FixedFileDate &date, bool rounded)
{
    const std::array<const QString *, 6> texts {&date.sSetDateYear, &date.sSetDateMonth, &date.sSetDateDay,
        &date.sSetDateHour, &date.sSetDateMin, &date.sSetDateSec};
    std::array<int, 6> values {};
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::optional<double> number = parseNumber(*texts[i]);
        if (!number)
            return std::nullopt;
        const double whole = rounded ? roundHalfToEven(*number) : *number;
        // Out-of-range values cannot be dates; checking first keeps the cast defined.
        if (whole != std::floor(whole) || std::fabs(whole) > 1e6)
            return std::nullopt;
        values[i] = static_cast<int>(whole);
    }
    return DateParts {values[0], values[1], values[2], values[3], values[4], values[5]};
}

// A wall-clock time that the clock skips (the hour lost when daylight saving starts)
// has no instant of its own. It is read with the offset in force before the change,
// the way clocks move on, so 02:30 on such a night becomes 03:30 of the same day.
QDateTime localDateTime(QDate date, QTime time)
{
    QDateTime result(date, time, Qt::LocalTime);
    if (result.isValid() || !date.isValid() || !time.isValid())
        return result;
    const QDateTime dayBefore(date.addDays(-1), time, Qt::LocalTime);
    if (!dayBefore.isValid())
        return result;
    return QDateTime(date, time, Qt::UTC).addSecs(-dayBefore.offsetFromUtc()).toLocalTime();
}

std::optional<QDateTime> dateTimeOf(const DateParts &p)
{
    const QDate date(p.year, p.month, p.day);
    const QTime time(p.hour, p.minute, p.second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    const QDateTime result = localDateTime(date, time);
    if (!result.isValid())
        return std::nullopt;
    return result;
}

bool setTimes(const QByteArray &path, const struct timespec *times)
{
    // Following a link: the date belongs to the image the link stands for.
    return ::utimensat(AT_FDCWD, path.constData(), times, 0) == 0;
}

} // namespace

QString dateText(const FixedFileDate &date)
{
    const QString joined = date.sSetDateYear + u'-' + date.sSetDateMonth + u'-' + date.sSetDateDay + u' '
        + date.sSetDateHour + u':' + date.sSetDateMin + u':' + date.sSetDateSec;
    const std::optional<DateParts> p = partsOf(date, false);
    if (!p)
        return joined;
    const QDate day(p->year, p->month, p->day);
    const QTime time(p->hour, p->minute, p->second);
    if (!day.isValid() || !time.isValid())
        return joined;
    // Formatted from the parts, not from a local date-time, so that an hour the
    // clock skips is still shown as entered.
    return day.toString(u"yyyy-MM-dd"_s) + u' ' + time.toString(u"HH:mm:ss"_s);
}

const DatePrompt &datePrompt(int index)
{
    // Rebuilt on each call so that a translation installed later is used.
    static std::array<DatePrompt, 6> prompts;
    index = qBound(0, index, 5);
    const QString setDate = Text::tr("Set date");
    const QString setTime = Text::tr("Set time");
    switch (index) {
    case 0:
        prompts[0] = {setDate,
            Text::tr("Please enter a year. Default is 1980 (earlier is not possible to use). "
                     "Format must be: YYYY"),
            Text::tr("Not a valid year..."), 1980, 2100};
        break;
    case 1:
        prompts[1] = {setDate, Text::tr("Please enter a month. Default is 1. (1-12 is valid)."),
            Text::tr("Not a valid month..."), 1, 12};
        break;
    case 2:
        prompts[2] = {setDate, Text::tr("Please enter a day. Default is 1 (1-31 is valid)."),
            Text::tr("Not a valid day..."), 1, 31};
        break;
    case 3:
        prompts[3] = {setTime, Text::tr("Please enter an hour. Default is 0 (24H time only - 0-23 is valid)."),
            Text::tr("Not a valid hour..."), 0, 23};
        break;
    case 4:
        prompts[4] = {setTime, Text::tr("Please enter a minute. Default is 0 (0-59 is valid)."),
            Text::tr("Not a valid minute..."), 0, 59};
        break;
    default:
        prompts[5] = {setTime, Text::tr("Please enter a second. Default is 0 (0-59 is valid)."),
            Text::tr("Not a valid second..."), 0, 59};
        break;
    }
    return prompts[static_cast<size_t>(index)];
}

std::optional<QString> validateDateAnswer(int index, const QString &answer, QString *message)
{
    if (message)
        message->clear();
    if (answer.isEmpty())
        return std::nullopt;
    const DatePrompt &prompt = datePrompt(index);
    const std::optional<double> value = parseNumber(answer);
    // A decimal answer is used rounded, so it is valid when its nearest whole number
    // is in the range: 12.4 is month 12. A value exactly halfway outside (12.5, 0.5)
    // is refused, since rounding it half to even could leave the range.
    if (value && *value > prompt.minimum - 0.5 && *value < prompt.maximum + 0.5)
        return answer;
    if (message)
        *message = prompt.invalidMessage;
    return std::nullopt;
}

std::optional<QDateTime> fixedDateTime(const FixedFileDate &date)
{
    const std::optional<DateParts> p = partsOf(date, true);
    if (!p)
        return std::nullopt;
    return dateTimeOf(*p);
}

QDateTime randomDateTime(QRandomGenerator &generator)
{
    const auto draw = [&generator](int span, int offset) {
        return static_cast<int>(std::floor(generator.generateDouble() * span)) + offset;
    };
    // The order of the draws is part of the contract: one per part, year first.
    const int year = draw(31, 1980);
    const int month = draw(12, 1);
    const int day = draw(28, 1);
    const int hour = draw(24, 0);
    const int minute = draw(60, 0);
    const int second = draw(60, 0);
    return localDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

bool SetFileDate(const QString &path, const QDateTime &when)
{
    if (path.isEmpty() || !when.isValid())
        return false;
    const QByteArray encoded = encodePath(path);
    struct stat linkInfo;
    if (::lstat(encoded.constData(), &linkInfo) != 0)
        return false;

    struct timespec times[2];
    times[0].tv_sec = static_cast<time_t>(when.toSecsSinceEpoch());
    times[0].tv_nsec = 0;
    times[1] = times[0];

    if (setTimes(encoded, times))
        return true;

    // Setting explicit times needs ownership, not write access, so a read-only file
    // normally takes them directly. Some file systems (SMB mounts mapping the DOS
    // read-only flag) still refuse; for those, lift the flag for the change and put
    // the exact old permissions back.
    const int firstError = errno;
    struct stat info;
    if ((firstError != EACCES && firstError != EPERM) || ::stat(encoded.constData(), &info) != 0
        || (info.st_mode & S_IWUSR))
        return false;
    const mode_t oldMode = info.st_mode & 07777;
    if (::chmod(encoded.constData(), oldMode | S_IWUSR) != 0)
        return false;
    const bool done = setTimes(encoded, times);
    ::chmod(encoded.constData(), oldMode);
    return done;
}

} // namespace FileDate
