#include "job/CleanJob.h"

#include "fs/SystemFolders.h"
#include "fs/Trash.h"
#include "job/ExifToolPool.h"
#include "job/JobFiles.h"
#include "job/OutputVerifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString crlf = u"\r\n"_s;

QString tr(const char *text)
{
    return QCoreApplication::translate("CleanJob", text);
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// Shortest decimal form, without group separators.
QString formatNumber(double value, const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', QLocale::FloatingPointShortest);
}

qint64 fileSize(const QString &path)
{
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return st.st_size;
}

} // namespace

QString summaryText(int processedCount, qint64 inputBytes, qint64 outputBytes, qint64 seconds,
                    const QLocale &locale)
{
    QString text = formatNumber(processedCount, locale)
        + (processedCount == 1 ? tr(" image processed") : tr(" images processed"));
    const qint64 saved = inputBytes - outputBytes;
    if (saved >= 1 && processedCount >= 1) {
        // nearbyint rounds halves to the even neighbour in the default rounding mode.
        const double kb = std::nearbyint(static_cast<double>(saved) / 1024.0);
        text += u" ("_s + formatNumber(kb, locale) + tr(" KB saved)");
    }
    if (processedCount > 0) {
        const double average = std::nearbyint(static_cast<double>(seconds) / processedCount * 100.0) / 100.0;
        text += crlf + tr("in ") + formatNumber(static_cast<double>(seconds), locale) + tr(" seconds (")
            + formatNumber(average, locale) + tr(" sec avg)");
    }
    return text;
}

QString outputPathFor(const QString &input, const JobOptions &options, const QString &programFolder)
{
    const qsizetype slash = input.lastIndexOf(u'/');
    const QString folder = input.left(slash + 1);
    const QString fileName = input.mid(slash + 1);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot >= 0 ? fileName.mid(dot) : QString();
    const QString baseName = dot >= 0 ? fileName.left(dot) : fileName;

    switch (options.outputMode) {
    case OutputMode::Overwrite:
        return input;
    case OutputMode::Folder: {
        QString out = options.txtOutput;
        if (!out.endsWith(u'/'))
            out += u'/';
        if (QDir::isRelativePath(out))
            out = joinPath(programFolder, out);
        return out + baseName + extension;
    }
    case OutputMode::Prefix:
        return folder + options.txtPrefix + baseName + extension;
    case OutputMode::Suffix:
        return folder + baseName + options.txtSuffix + extension;
    }
    return input;
}

bool isLiteralArgfilePath(const QString &path, bool forOutput)
{
    if (!path.startsWith(u'/'))
        return false;
    if (path.contains(u'\n') || path.contains(u'\r'))
        return false;
    if (forOutput && path.contains(u'%'))
        return false;
    return true;
}

// One image of the run.
struct CleanJob::Item
{
    QString input;          // the path as listed
    QString output;         // expected output (the input itself when overwriting)
    QString etInput;        // what ExifTool is told to read
    QString etOutput;       // what ExifTool is told to write (empty: overwrite in place)
    bool declined = false;  // existing output kept: the stanza is a bare "-execute"
    bool grouped = false;   // shares one command with its neighbours (an "-o" pattern)
    bool staged = false;    // ExifTool writes into a work folder; the result is moved to `output`
    QString stagedResult;   // where ExifTool leaves the staged result
};

CleanJob::CleanJob(const JobOptions &options, const JobEnvironment &environment, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_env(environment)
{
    if (m_env.programFolder.isEmpty())
        m_env.programFolder = programFolder();
}

CleanJob::~CleanJob() = default;

QString CleanJob::argumentFilePath() const
{
    return joinPath(m_env.tempFolder, u"qmk_args.txt"_s);
}

QString CleanJob::logFilePath() const
{
    return joinPath(m_env.tempFolder, u"qmk_log.txt"_s);
}

void CleanJob::setStatus(const QString &caption)
{
    Q_EMIT statusChanged(caption);
    QCoreApplication::processEvents();
}

void CleanJob::keepAlive()
{
    // Long loops over tens of thousands of images let the window paint now and then.
    if (!m_sinceYield.isValid() || m_sinceYield.elapsed() >= 30) {
        QCoreApplication::processEvents();
        m_sinceYield.start();
    }
}

void CleanJob::pause(int ms)
{
    if (!m_env.pauses)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString expandOutputPattern(const QString &pattern, const QString &input)
{
    if (pattern.endsWith(u'/'))
        return pattern + GetFileName(input); // an output folder keeps the file's name
    // The split ExifTool makes: folder with its '/', name, and the last extension.
    static const QRegularExpression split(u"^(.*?)([^/]*?)(\\.[^./]*)?$"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    const auto m = split.match(input);
    const QString d = m.captured(1);
    const QString f = m.captured(2);
    const QString e = m.captured(3).mid(1);
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == u'%' && i + 1 < pattern.size()) {
            const QChar code = pattern.at(i + 1);
            if (code == u'd' || code == u'f' || code == u'e') {
                out += code == u'd' ? d : code == u'f' ? f : e;
                ++i;
                continue;
            }
        }
        out += pattern.at(i);
    }
    // ExifTool folds doubled slashes, except at the start.
    static const QRegularExpression doubled(u"(?!^)//"_s);
    out.replace(doubled, u"/"_s);
    return out;
}

namespace {

// ExifTool 12.57 judges "-o NAME.EXT" by the generic type of EXT and refuses a few it can
// in fact write (WebP counts as RIFF); an output folder ("-o DIR/") has no such test.
bool exifToolAcceptsOutputName(const QString &path)
{
    static const QStringList refused = {u"WEBP"_s, u"MIFF"_s, u"QTIF"_s, u"QTI"_s, u"QIF"_s};
    return !refused.contains(QFileInfo(path).suffix().toUpper());
}

} // namespace

bool CleanJob::stageItem(Item &item, int index, QString *error)
{
    // Names ExifTool would not take literally get stand-ins in a private work folder:
    // a symbolic link with a plain name for the input, and a folder of its own for the
    // output, which is moved into place after the batch.
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    const bool inputLiteral = isLiteralArgfilePath(item.input, false);
    const bool outputLiteral = overwrite ? inputLiteral
                                         : isLiteralArgfilePath(item.output, true) && exifToolAcceptsOutputName(item.output);
    item.etInput = item.input;
    item.etOutput = overwrite ? QString() : item.output;
    if (inputLiteral && outputLiteral)
        return true;

    if (!m_stage) {
        m_stage = std::make_unique<QTemporaryDir>(joinPath(m_env.tempFolder, u"qmk-stage-XXXXXX"_s));
        if (!m_stage->isValid()) {
            *error = tr("Cannot create a work folder in %1: %2").arg(m_env.tempFolder, m_stage->errorString());
            m_stage.reset();
            return false;
        }
    }
    QString extension = QFileInfo(item.input).suffix();
    extension.remove(QRegularExpression(u"[^A-Za-z0-9]"_s));
    const QString base = m_stage->path() + u'/' + QString::number(index);
    // An output folder ("-o DIR/") takes the input's file name, and ExifTool expands
    // '%' codes in it even there, so such an input gets a plain name too.
    if (!inputLiteral || GetFileName(item.input).contains(u'%')) {
        item.etInput = base + u"-in."_s + extension;
        const QString target = QDir::isAbsolutePath(item.input) ? item.input : joinPath(m_env.programFolder, item.input);
        if (!QFile::link(target, item.etInput)) {
            *error = tr("Cannot create a work file in %1").arg(m_stage->path());
            return false;
        }
    }
    item.etOutput = base + u"/"_s;
    item.stagedResult = item.etOutput + GetFileName(item.etInput);
    item.staged = true;
    return true;
}

bool CleanJob::prepare(QStringList &images, JobResult &result)
{
    bool answer = false;
    bool asked = false;
    if (m_options.bAutoRun)
        answer = asked = true;

    // Identities of every input, so an existing output that is itself one of this
    // run's images is never deleted to make room.
    const auto identity = [](const QString &path) {
        struct stat st{};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return QString();
        return QString::number(st.st_dev) + u':' + QString::number(st.st_ino);
    };
    QSet<QString> inputIdentities;
    for (const QString &f : std::as_const(images)) {
        keepAlive();
        if (const QString id = identity(f); !id.isEmpty())
            inputIdentities.insert(id);
    }

    // One "-o" pattern names every output of the run, where ExifTool can read it literally.
    const auto plainText = [](const QString &t) {
        return !t.contains(u'%') && !t.contains(u'\n') && !t.contains(u'\r');
    };
    switch (m_options.outputMode) {
    case OutputMode::Overwrite:
        m_outputPattern.clear();
        break;
    case OutputMode::Folder:
        m_outputPattern = GetFolderFromPath(outputPathFor(u"/x.x"_s, m_options, m_env.programFolder));
        m_patternUsable = isLiteralArgfilePath(m_outputPattern, true);
        break;
    case OutputMode::Prefix:
        m_outputPattern = u"%d"_s + m_options.txtPrefix + u"%f.%e"_s;
        m_patternUsable = plainText(m_options.txtPrefix);
        break;
    case OutputMode::Suffix:
        m_outputPattern = u"%d%f"_s + m_options.txtSuffix + u".%e"_s;
        m_patternUsable = plainText(m_options.txtSuffix);
        break;
    }

    for (int i = 0; i < images.size(); ++i) {
        keepAlive();
        const QString &f = images.at(i);
        if (i == 0)
            result.sFirstImageFolder = GetFolderFromPath(f).isEmpty() ? u"/"_s : GetFolderFromPath(f);

        Item item;
        item.input = f;
        item.output = outputPathFor(f, m_options, m_env.programFolder);

        if (m_options.outputMode != OutputMode::Overwrite) {
            const QString outId = identity(item.output);
            const bool sameAsInput = item.output.compare(f, Qt::CaseInsensitive) == 0 || isSameFile(item.output, f);
            if (sameAsInput || (!outId.isEmpty() && inputIdentities.contains(outId))) {
                ++result.problemCount;
                m_skipNotes << (sameAsInput ? tr("Skipped: the output would replace the image itself - %1")
                                            : tr("Skipped: the output would replace another image of this run - %1"))
                                   .arg(f);
                continue;
            }

            if (PathExists(item.output)) {
                if (!asked) {
                    answer = m_askOverwrite ? m_askOverwrite() : false;
                    asked = true;
                }
                if (answer)
                    QFile::remove(item.output); // a folder stays; ExifTool then reports the clash
                else {
                    item.declined = true;
                    ++result.declinedCount;
                }
            }
        }

        item.etInput = item.input;
        // ExifTool expands '%' codes (%c, ...) once more in the name a pattern made.
        if (!item.declined && isLiteralArgfilePath(item.input, false) && !item.input.contains(u'%')) {
            item.grouped = m_options.outputMode == OutputMode::Overwrite
                || (m_patternUsable && expandOutputPattern(m_outputPattern, item.input) == item.output);
        }
        if (!item.declined && !item.grouped) {
            QString error;
            if (!stageItem(item, i, &error)) {
                result.internalError = true;
                result.errorDetail = error;
                return false;
            }
        }
        const qint64 size = fileSize(f);
        if (size > 0)
            result.inputBytes += size;
        m_items << item;
    }
    return true;
}

QList<QStringList> CleanJob::commandsFor(int first, int count) const
{
    QStringList common = BuildTagArguments(m_options.tags);
    if (m_options.chkIgnoreMinorWarnings)
        common << u"-m"_s;
    common << u"-P"_s;

    QList<QStringList> commands;
    QStringList group;
    const auto closeGroup = [&] {
        if (group.isEmpty())
            return;
        QStringList command = common;
        if (m_options.outputMode == OutputMode::Overwrite)
            command << u"-overwrite_original"_s;
        else
            command << u"-o"_s << m_outputPattern;
        commands << command + group;
        group.clear();
    };
    for (int i = first; i < first + count; ++i) {
        const Item &item = m_items.at(i);
        if (item.declined)
            continue; // its old output stays; ExifTool is not asked
        if (item.grouped) {
            group << item.input;
            continue;
        }
        closeGroup();
        QStringList command = common;
        command << item.etInput;
        if (item.etOutput.isEmpty())
            command << u"-overwrite_original"_s;
        else
            command << u"-o"_s << item.etOutput;
        commands << command;
    }
    closeGroup();
    return commands;
}

BatchRun CleanJob::afterBatch(int first, int count, const BatchRun &ran)
{
    BatchRun run = ran;
    QString &errors = run.errorText;

    // Move the stand-in outputs into place, as ExifTool itself would have written them.
    for (int i = first; i < first + count; ++i) {
        const Item &item = m_items.at(i);
        if (!item.staged || !QFileInfo::exists(item.stagedResult))
            continue;
        bool moved = false;
        if (m_options.outputMode == OutputMode::Overwrite) {
            moved = replaceFileWith(item.input, item.stagedResult);
        } else {
            QDir().mkpath(QFileInfo(item.output).absolutePath());
            moved = moveFileTo(item.stagedResult, item.output);
            if (!moved && PathExists(item.output)) {
                errors += u"Error: '%1' already exists - %2\n"_s.arg(item.output, item.etInput);
                run.failed = true;
                QFile::remove(item.stagedResult);
                continue;
            }
        }
        if (!moved) {
            errors += u"Error: Cannot write %1 - %2\n"_s.arg(item.output, item.etInput);
            run.failed = true;
            QFile::remove(item.stagedResult);
        }
    }

    // Failed images, found by their own paths at the end of ExifTool's error lines.
    for (const QString &line : errors.split(u'\n')) {
        if (!line.left(6).toLower().startsWith(u"error:"))
            continue;
        for (int i = first; i < first + count; ++i) {
            const Item &item = m_items.at(i);
            if (!item.declined && line.endsWith(u" - "_s + item.etInput)) {
                m_failedIndexes.insert(i);
                break;
            }
        }
    }
    // An image without an error line must have its output; if it has none, say so
    // rather than report it as cleaned.
    if (m_options.outputMode != OutputMode::Overwrite) {
        for (int i = first; i < first + count; ++i) {
            const Item &item = m_items.at(i);
            if (item.declined || m_failedIndexes.contains(i) || PathExists(item.output))
                continue;
            errors += u"Error: No output was written to %1 - %2\n"_s.arg(item.output, item.etInput);
            run.failed = true;
            m_failedIndexes.insert(i);
        }
    }
    // The log shows the real names, not the stand-ins.
    for (int i = first; i < first + count; ++i) {
        const Item &item = m_items.at(i);
        if (item.staged) {
            errors.replace(item.stagedResult, item.output);
            if (item.etInput != item.input)
                errors.replace(item.etInput, item.input);
        }
    }
    return run;
}

bool CleanJob::runBatches(JobResult &result)
{
    const int n = m_items.size();
    const int batches = (n + BatchSize - 1) / BatchSize;
    if (!m_pool)
        m_pool = std::make_unique<ExifToolPool>(m_env.exiftool, m_env.programFolder, m_env.tempFolder,
                                                std::clamp(m_env.jobs, 1, std::max(1, batches)));
    ExifToolPool &pool = *m_pool;

    // Batches may end in any order; their results are taken in list order, so the
    // log, the problem count and the progress bar read as if they ran one by one.
    std::vector<std::optional<BatchRun>> ended(batches);
    int nextToTake = 0;
    const auto take = [&](int batch, const BatchRun &ran) {
        const int first = batch * BatchSize;
        const int count = std::min(BatchSize, n - first);
        ended[batch] = afterBatch(first, count, ran);
        while (nextToTake < batches && ended[nextToTake]) {
            const BatchRun &run = *ended[nextToTake];
            if (run.failed) {
                ++result.problemCount;
                if (SaveTextToFile(logFilePath(), run.errorText, false))
                    result.logWritten = true;
                result.problemTexts += run.errorText;
            }
            const int last = std::min(n, (nextToTake + 1) * BatchSize) - 1;
            Q_EMIT progressChanged(static_cast<int>(static_cast<qint64>(last) * 100 / n));
            ++nextToTake;
        }
    };
    QString error;
    const bool ok = pool.run(
        batches,
        [this, n](int batch) {
            const int first = batch * BatchSize;
            return commandsFor(first, std::min(BatchSize, n - first));
        },
        take, &error);
    if (!ok) {
        result.internalError = true;
        result.errorDetail = tr("The argument file could not be written: %1").arg(error);
    }
    return ok;
}

void CleanJob::fillOutcomes(JobResult &result)
{
    for (int i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        FileOutcome o;
        o.input = item.input;
        if (item.declined) {
            o.status = FileStatus::Skipped;
            o.message = tr("An earlier output exists and was kept.");
        } else if (m_failedIndexes.contains(i) || !PathExists(item.output)) {
            o.status = FileStatus::Failed;
            o.message = tr("ExifTool reported an error; see the log.");
        } else {
            o.status = FileStatus::Cleaned;
            o.output = item.output;
        }
        result.outcomes.append(o);
    }
}

void CleanJob::verifyOutputs(JobResult &result)
{
    OutputVerifier verifier(m_env.exiftool, m_env.programFolder);
    verifier.apply(result.outcomes);
}

void CleanJob::checkResults(JobResult &result)
{
    QRandomGenerator *random = m_env.random ? m_env.random : QRandomGenerator::global();
    const std::optional<QDateTime> fixed = FileDate::fixedDateTime(m_options.fixedDate);
    for (int i = 0; i < m_items.size(); ++i) {
        keepAlive();
        const Item &item = m_items.at(i);
        // In place, a refused image is still there but was not cleaned: not a result.
        if (m_options.outputMode == OutputMode::Overwrite && m_failedIndexes.contains(i))
            continue;
        if (!PathExists(item.output))
            continue;
        ++result.processedCount;
        const qint64 size = fileSize(item.output);
        if (size > 0)
            result.outputBytes += size;
        if (m_options.chkResetFileDates) {
            if (m_options.randomDate)
                FileDate::SetFileDate(item.output, FileDate::randomDateTime(*random));
            else if (fixed)
                FileDate::SetFileDate(item.output, *fixed);
        }
        result.cleanedFiles << CleanedFile{GetFileName(item.output), item.output};
    }
    result.processedCount -= result.declinedCount;
}

void CleanJob::moveProblemFiles(JobResult &result)
{
    const bool toTrash = m_options.optProcessingFail == 0;
    QString folder = m_options.txtProcessingFailFolder.trimmed();
    if (!toTrash) {
        if (folder.isEmpty()) {
            // Nowhere sensible to put them: they stay where they are.
            SaveTextToFile(logFilePath(), tr("No folder for problem files was given; they were not moved."), false);
            return;
        }
        if (QDir::isRelativePath(folder))
            folder = joinPath(m_env.programFolder, folder);
        if (!folder.endsWith(u'/'))
            folder += u'/';
        if (!FolderExists(folder))
            QDir().mkdir(folder);
    }
    for (const QString &failed : std::as_const(result.failedImages)) {
        if (toTrash)
            MoveToRecycleBin(failed);
        else
            moveFileTo(failed, folder + GetUniqueFileName(folder, GetFileName(failed)));
    }
}

JobResult CleanJob::CleanImages(const QStringList &imageList)
{
    JobResult result;
    m_items.clear();
    m_failedIndexes.clear();
    m_skipNotes.clear();
    result.logPath = logFilePath();

    // A: start.
    Q_EMIT progressChanged(0);
    setStatus(QString());
    pause(250);

    QStringList images = imageList;
    for (QString &f : images) {
        // Doubled separators collapse, scanning from the left without overlap.
        qsizetype at = 0;
        while ((at = f.indexOf(u"//"_s, at)) >= 0)
            f.replace(at, 2, u"/"_s), ++at;
    }
    result.images = images;

    const auto fail = [&](const QString &detail) {
        result.internalError = true;
        if (result.errorDetail.isEmpty())
            result.errorDetail = detail;
        result.summary = tr("Internal program error!");
        return result;
    };

    setStatus(tr("Preparing..."));

    if (QDir::isRelativePath(m_env.tempFolder))
        m_env.tempFolder = joinPath(m_env.programFolder, m_env.tempFolder);
    if (!isLiteralArgfilePath(argumentFilePath(), false))
        return fail(tr("The temporary folder %1 cannot hold ExifTool's argument file; "
                       "set TEMP or TMPDIR to another folder.").arg(m_env.tempFolder));

    // ExifTool takes a moment to start: let it do so while the images are prepared.
    const bool haveExifTool = !m_env.exiftool.isEmpty() && QFileInfo(m_env.exiftool).isExecutable();
    if (haveExifTool && !images.isEmpty()) {
        const int batches = static_cast<int>((images.size() + BatchSize - 1) / BatchSize);
        m_pool = std::make_unique<ExifToolPool>(m_env.exiftool, m_env.programFolder, m_env.tempFolder,
                                                std::clamp(m_env.jobs, 1, batches));
        m_pool->warmUp();
    }

    // B: one command per image.
    if (!prepare(images, result))
        return fail(result.errorDetail);

    // C: the run.
    m_clock.start();
    setStatus(tr("Cleaning images..."));
    QFile::remove(logFilePath());
    for (const QString &note : std::as_const(m_skipNotes))
        result.logWritten = SaveTextToFile(logFilePath(), note, false) || result.logWritten;

    if (!m_items.isEmpty()) {
        if (!haveExifTool)
            return fail(tr("ExifTool was not found. Install it (Debian package libimage-exiftool-perl) "
                           "or place the exiftool program beside Quillmark."));
        if (!runBatches(result))
            return fail(result.errorDetail);
    }
    for (int i = 0; i < m_items.size(); ++i)
        if (m_failedIndexes.contains(i))
            result.failedImages << m_items.at(i).input;
    Q_EMIT progressChanged(100);
    setStatus(m_options.chkResetFileDates ? tr("Obfuscating file dates...") : tr("Checking files..."));

    // D: what was written.
    checkResults(result);
    setStatus(tr("Checking files..."));
    if (result.outcomes.isEmpty())
        fillOutcomes(result);
    // What is left in each output: the scan or ExifTool's read-back decides its status.
    if (m_options.verify && haveExifTool)
        verifyOutputs(result);

    // E: summary.
    result.seconds = (m_clock.elapsed() + 500) / 1000;
    result.summary = summaryText(result.processedCount, result.inputBytes, result.outputBytes,
                                 result.seconds, m_env.locale);

    // F, G: problems.
    if (result.problemCount >= 1) {
        result.summary += crlf + crlf + tr("Problems were reported. See log for details.");
        if (m_options.chkDeleteFileOnFail) {
            moveProblemFiles(result);
            result.problemFilesMoved = true;
            result.errorInfoCaption = m_options.optProcessingFail == 0
                ? tr("Problem files were moved to recycle bin.")
                : tr("Problem files were moved to specified folder.");
        }
    }
    result.clearImageList = result.problemCount == 0;

    QCoreApplication::processEvents();
    setStatus(tr("Finished!"));
    m_pool.reset();
    pause(1000);
    m_stage.reset();
    return result;
}
