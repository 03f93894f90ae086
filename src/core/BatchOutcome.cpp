#include "core/BatchOutcome.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QString marker = u"{qmk-done "_s;

} // namespace

QStringList commandEndLines(quint64 sequence)
{
    return {
        u"-echo4"_s, marker + QString::number(sequence) + u" ${status}}"_s, u"-execute"_s + QString::number(sequence)};
}

QStringList skippedCommandLines(quint64 sequence)
{
    return {
        u"-echo4"_s, marker + QString::number(sequence) + u" skipped}"_s, u"-execute"_s + QString::number(sequence)};
}

bool BatchProgress::takeLine(const QString &line)
{
    if (!line.startsWith(marker)) {
        errorText += line + u'\n';
        return false;
    }
    const QStringList parts = line.mid(marker.size()).chopped(1).split(u' ');
    if (parts.value(1) == u"skipped")
        skipped = true;
    else if (parts.value(1) != u"0")
        failed = true;
    ++commandsDone;
    return parts.value(0).toULongLong() == lastCommand;
}

BatchRun BatchProgress::result(bool processDied) const
{
    BatchRun run;
    if (skipped) {
        run.notRun = true;
        return run;
    }
    run.errorText = errorText;
    run.failed = failed || processDied;
    run.processDied = processDied;
    run.commandsDone = commandsDone;
    return run;
}

QList<ImageVerdict> judgeBatch(const QList<BatchImage> &images, int commands, const BatchRun &run)
{
    QList<ImageVerdict> verdicts(images.size());
    if (run.notRun)
        return verdicts;
    if (run.processDied) {
        for (int c = run.commandsDone; c < commands; ++c) {
            qsizetype last = -1;
            for (qsizetype i = 0; i < images.size(); ++i) {
                if (images.at(i).command == c && images.at(i).resultExists)
                    last = i;
            }
            for (qsizetype i = 0; i < images.size(); ++i) {
                const BatchImage &image = images.at(i);
                if (image.command == c && image.open && (i == last || !image.resultExists))
                    verdicts[i].kind = ImageVerdict::Kind::CutShort;
            }
        }
    }
    const auto open = [&](qsizetype i) { return images.at(i).open && verdicts.at(i).kind == ImageVerdict::Kind::Open; };
    for (const QString &line : run.errorText.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.left(8).compare(u"Warning:"_s, Qt::CaseInsensitive) == 0)
            continue;
        for (qsizetype i = 0; i < images.size(); ++i) {
            if (!open(i))
                continue;
            const BatchImage &image = images.at(i);
            if (line.endsWith(u" - "_s + image.etInput) || line.endsWith(u" "_s + image.etResult)) {
                verdicts[i].kind = ImageVerdict::Kind::Refused;
                verdicts[i].line = line;
                break;
            }
        }
    }
    return verdicts;
}
