#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class QRandomGenerator;

// The fixed date the user may give the cleaned files, each part as typed.
struct FixedFileDate {
    QString sSetDateYear = QStringLiteral("1980");
    QString sSetDateMonth = QStringLiteral("1");
    QString sSetDateDay = QStringLiteral("1");
    QString sSetDateHour = QStringLiteral("0");
    QString sSetDateMin = QStringLiteral("0");
    QString sSetDateSec = QStringLiteral("0");
};

namespace FileDate {

// "1980-01-01 00:00:00"; a text that is no valid date is returned as joined ("1980-2-31 0:0:0").
QString dateText(const FixedFileDate &date);

// The six date prompts, in order (0 year .. 5 second).
struct DatePrompt {
    QString title;
    QString prompt;
    QString invalidMessage;
    double minimum;
    double maximum;
};
const DatePrompt &datePrompt(int index);
// Checks one answer of prompt `index`: empty -> keep (nullopt, no message); valid -> the
// text to store; invalid -> nullopt and *message set to the prompt's message.
std::optional<QString> validateDateAnswer(int index, const QString &answer, QString *message);

// The local date the fixed parts describe (each rounded half to even), if it is a calendar date.
std::optional<QDateTime> fixedDateTime(const FixedFileDate &date);
// A random local date 1980-01-01 .. 2010-12-28 23:59:59 (day at most 28), six draws in order.
QDateTime randomDateTime(QRandomGenerator &generator);

// Sets access and modification times of the file at path to `when`. A read-only file
// is made writable for the change and read-only again afterwards. False when nothing
// is at the path or the times could not be set.
bool SetFileDate(const QString &path, const QDateTime &when);

} // namespace FileDate
