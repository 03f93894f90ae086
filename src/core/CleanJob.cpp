#include "core/CleanJob.h"

#include "core/ConsoleRunner.h"
#include "core/ContainerScan.h"
#include "core/ExifToolPool.h"
#include "core/JobFiles.h"
#include "core/KeepValues.h"
#include "core/NativePath.h"
#include "core/OutputVerifier.h"
#include "core/Staging.h"
#include "core/SystemFolders.h"
#include "core/Trash.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <climits>
#include <dirent.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString crlf = u"\r\n"_s;

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
    if (::stat(encodePath(path).constData(), &st) != 0)
        return -1;
    return st.st_size;
}

// An output an earlier run did not finish: empty or cut short (a power loss before the
// disk had it), or with the placeholder of the kept values still unfilled (an older
// version killed between ExifTool's write and the fill).
bool isUnfinishedOutput(const QString &path)
{
    struct stat st{};
    if (::stat(encodePath(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return st.st_size == 0 || holdsExifPlaceholder(path)
        || scanContainers(path).verdict == ContainerScan::Verdict::Broken;
}

bool isRegularFile(const QString &path)
{
    struct stat st{};
    return ::lstat(encodePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

QString CleanJob::notRunMessage()
{
    return tr("Not cleaned: the run was stopped");
}

QString summaryText(int processedCount, qint64 inputBytes, qint64 outputBytes, qint64 seconds,
                    const QLocale &locale)
{
    // Whole sentences, so a translation can order and inflect them as its language needs.
    const QString count = formatNumber(processedCount, locale);
    const qint64 saved = inputBytes - outputBytes;
    QString text;
    if (saved >= 1 && processedCount >= 1) {
        // nearbyint rounds halves to the even neighbour in the default rounding mode.
        const QString kb = formatNumber(std::nearbyint(static_cast<double>(saved) / 1024.0), locale);
        text = processedCount == 1 ? CleanJob::tr("%1 image processed (%2 KB saved)").arg(count, kb)
                                   : CleanJob::tr("%1 images processed (%2 KB saved)", nullptr, processedCount)
                                         .arg(count, kb);
    } else {
        text = processedCount == 1 ? CleanJob::tr("%1 image processed").arg(count)
                                   : CleanJob::tr("%1 images processed", nullptr, processedCount).arg(count);
    }
    if (processedCount > 0) {
        const double average = std::nearbyint(static_cast<double>(seconds) / processedCount * 100.0) / 100.0;
        // The count picks the plural form in languages that need one ("1 Sekunde").
        const int pluralOf = static_cast<int>(std::min<qint64>(seconds, std::numeric_limits<int>::max()));
        text += crlf
            + CleanJob::tr("in %1 seconds (%2 sec avg)", nullptr, pluralOf)
                  .arg(formatNumber(static_cast<double>(seconds), locale), formatNumber(average, locale));
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
    enum class State {
        Waiting,   // not written yet
        Declined,  // its existing output is kept: ExifTool is not asked
        NotRun,    // never cleaned because the run was stopped
        Failed,    // no complete output: a problem
        InUse,     // another program or run changed the image meanwhile; left to it
        Done,      // the complete output is in place
    };

    QString input;          // the path as listed
    QString output;         // where the cleaned file goes (overwrite: the file behind the listed path)
    QString etInput;        // what ExifTool is told to read
    QString etOutFolder;    // "-o" folder of a command of its own; empty when grouped
    QString etResult;       // where ExifTool leaves the output
    QString staged;         // where it is completed, in a staging folder beside `output`
    State state = State::Waiting;
    bool grouped = false;   // shares one command with its neighbours (an "-o" pattern)
    bool replaceExisting = false; // an output that exists is replaced once the new one is complete
    bool refused = false;   // ExifTool itself named the image in an error line
    int order = 0;          // place in the image list
    qint64 inputSize = 0;   // before the run
    FileIdentity before;    // the input before the run (overwrite: the file that is replaced)
    QString reason;         // why it failed, for a person
    QString note;           // what the report says besides its status (a renamed output)
    QByteArray lookExif;    // kept orientation and colour space, put back after ExifTool (JPEG)
    std::optional<QDateTime> newDate; // the output's new file date

    bool open() const { return state == State::Waiting; }
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
    return joinPath(m_work ? m_work->path() : m_env.tempFolder, u"qmk_args.txt"_s);
}

QString CleanJob::logFilePath() const
{
    return m_logPath.isEmpty() ? joinPath(m_env.tempFolder, u"qmk_log.txt"_s) : m_logPath;
}

bool CleanJob::appendToLog(const QString &text) const
{
    return SaveTextToFile(logFilePath(), printablePath(text), false);
}

void CleanJob::requestStop()
{
    if (!m_running)
        return;
    if (m_stopRequested) {
        if (m_hurry)
            return;
        m_hurry = true;
        if (m_pool)
            m_pool->interrupt();
        return;
    }
    m_stopRequested = true;
    if (m_pool)
        m_pool->requestStop();
    // A batch of 64 camera pictures takes ExifTool a few seconds; a person who asked to
    // stop should not wait for it. After a moment ExifTool is interrupted, which it
    // survives only long enough to remove the file it was writing.
    QTimer::singleShot(StopGraceMs, this, [this] {
        if (m_running && m_stopRequested)
            requestStop();
    });
}

void CleanJob::removeStaleWorkFolders() const
{
    // A run that was killed could not remove its work folder; the next one does, once
    // the folder's lock shows that its run is gone.
    const QDir temp(m_env.tempFolder);
    const QStringList names = temp.entryList({u"qmk-run-*"_s}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
    for (const QString &name : names) {
        const QString folder = temp.filePath(name);
        struct stat st{};
        if (::lstat(encodePath(folder).constData(), &st) != 0 || st.st_uid != ::geteuid())
            continue;
        const QString lockPath = folder + u"/run.lock"_s;
        if (!PathExists(lockPath)) {
            // Between its creation and its lock a folder is young; only old ones are orphans.
            if (::time(nullptr) - st.st_mtime < 600)
                continue;
        } else {
            QLockFile lock(lockPath);
            lock.setStaleLockTime(0);
            if (!lock.tryLock(0))
                continue;
        }
        QDir(folder).removeRecursively();
    }
}

bool CleanJob::setUpWorkFiles(QString *error)
{
    removeStaleWorkFolders();
    // The run's own folder (0700, a fresh name) holds its argument files and stand-ins:
    // no other run, of this user or another, can read, replace or delete them.
    m_work = std::make_unique<QTemporaryDir>(joinPath(m_env.tempFolder, u"qmk-run-XXXXXX"_s));
    if (!m_work->isValid()) {
        *error = tr("%1: cannot create a work folder in %2: %3")
                     .arg(joinPath(m_env.tempFolder, u"qmk_args.txt"_s), m_env.tempFolder, m_work->errorString());
        m_work.reset();
        return false;
    }
    m_workLock = std::make_unique<QLockFile>(m_work->path() + u"/run.lock"_s);
    m_workLock->setStaleLockTime(0);
    m_workLock->tryLock(0);
    // The log keeps its well-known name while no other run uses it; the lock says which
    // run does (a crashed run's lock is taken over, another user's is left alone).
    const QString shared = joinPath(m_env.tempFolder, u"qmk_log.txt"_s);
    m_logLock = std::make_unique<QLockFile>(shared + u".lock"_s);
    m_logLock->setStaleLockTime(0);
    if (m_logLock->tryLock(0)) {
        const QByteArray name = encodePath(shared);
        if (::unlink(name.constData()) == 0 || errno == ENOENT) {
            m_logPath = shared;
            return true;
        }
        m_logLock.reset();
    } else {
        m_logLock.reset();
    }
    QTemporaryFile own(joinPath(m_env.tempFolder, u"qmk_log-XXXXXX.txt"_s));
    own.setAutoRemove(false);
    if (!own.open()) {
        *error = tr("%1: cannot create the log in %2").arg(shared, m_env.tempFolder);
        return false;
    }
    m_logPath = own.fileName();
    return true;
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
    // An output folder keeps the file's name.
    if (out.endsWith(u'/'))
        out += GetFileName(input);
    // ExifTool folds doubled slashes, except at the start.
    static const QRegularExpression doubled(u"(?!^)//"_s);
    out.replace(doubled, u"/"_s);
    return out;
}

QString CleanJob::stagingPattern(int batch) const
{
    const QString name = StagingArea::prefix() + m_runToken + u'-' + QString::number(batch) + u'/';
    if (m_options.outputMode == OutputMode::Folder)
        return m_outputFolder + name;
    return u"%d"_s + name;
}

bool CleanJob::stageItem(Item &item, int index, int batch, QSet<QString> &taken)
{
    // ExifTool writes into the staging folder beside the output. Images whose names it
    // reads literally share one "-o" pattern; the others get a command of their own, a
    // name that is not literal a stand-in: a symbolic link with a plain name in the
    // run's private work folder.
    QString error;
    const QString folder = m_staging->folderFor(GetFolderFromPath(item.output), batch, &error);
    if (folder.isEmpty()) {
        item.state = Item::State::Failed;
        item.reason = u"Error: "_s + error + u" - "_s + item.input;
        return false;
    }
    const QString source = m_options.outputMode == OutputMode::Overwrite ? item.output : item.input;
    // An output folder ("-o DIR/") takes the input's file name, and ExifTool expands '%'
    // codes in it even there, so such an input gets a plain name too.
    const bool inputLiteral = isLiteralArgfilePath(source, false) && !GetFileName(source).contains(u'%');
    item.etInput = source;
    item.etOutFolder.clear();
    if (inputLiteral && isLiteralArgfilePath(folder + u'/', true)) {
        const QString result = folder + u'/' + GetFileName(source);
        if (expandOutputPattern(stagingPattern(batch), source) == result && !taken.contains(result)) {
            taken.insert(result);
            item.grouped = true;
            item.etResult = item.staged = result;
            return true;
        }
    }
    item.grouped = false;
    const QString own = folder + u'/' + QString::number(index);
    if (::mkdir(encodePath(own).constData(), 0700) != 0) {
        item.state = Item::State::Failed;
        item.reason = u"Error: Cannot write in %1: %2 - %3"_s.arg(folder, systemErrorText(errno), item.input);
        return false;
    }
    QString extension = QFileInfo(source).suffix();
    extension.remove(QRegularExpression(u"[^A-Za-z0-9]"_s));
    if (!inputLiteral) {
        const QString stage = m_work->path() + u"/stage"_s;
        if (!FolderExists(stage))
            QDir().mkdir(stage);
        item.etInput = stage + u'/' + QString::number(index) + u"-in."_s + extension;
        if (!linkPath(source, item.etInput)) {
            item.state = Item::State::Failed;
            item.reason = u"Error: Cannot create a work file in %1 - %2"_s.arg(stage, item.input);
            return false;
        }
    }
    if (isLiteralArgfilePath(own + u'/', true)) {
        item.etOutFolder = own + u'/';
    } else {
        // A folder ExifTool cannot be told literally: it writes into the work folder, and
        // the result is moved to the staging folder.
        item.etOutFolder = m_work->path() + u"/stage/"_s + QString::number(index) + u"-out/"_s;
        if (!QDir().mkpath(item.etOutFolder)) {
            item.state = Item::State::Failed;
            item.reason = u"Error: Cannot create a work file in %1 - %2"_s.arg(m_work->path(), item.input);
            return false;
        }
    }
    item.etResult = item.etOutFolder + GetFileName(item.etInput);
    item.staged = own + u'/' + GetFileName(item.etInput);
    return true;
}

bool CleanJob::prepare(QStringList &images, JobResult &result)
{
    bool answer = false;
    bool asked = false;
    if (m_options.bAutoRun)
        answer = asked = true;
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    QRandomGenerator *random = m_env.random ? m_env.random : QRandomGenerator::global();
    const std::optional<QDateTime> fixedDate = FileDate::fixedDateTime(m_options.fixedDate);

    const auto leaveOut = [&](int i, FileStatus status, const QString &message) {
        FileOutcome outcome;
        outcome.input = images.at(i);
        outcome.status = status;
        outcome.message = message;
        m_leftOut << outcome;
        m_leftOutAt << i;
    };
    const auto absolute = [this](const QString &path) {
        return QDir::isAbsolutePath(path) ? path : joinPath(m_env.programFolder, path);
    };

    // Identities of every input, so an existing output that is itself one of this
    // run's images is never replaced; and every output the run will make, so an input
    // that is one of them (the output of an earlier run) is left out instead of being
    // cleaned into "photo_cleaned_cleaned.jpg".
    QList<FileIdentity> inputIds(images.size());
    QList<QString> outputs(images.size());
    QList<QString> existingOutputIds(images.size());
    QHash<QString, int> outputNames;
    QHash<QString, int> outputIds;
    QSet<QString> plannedOutputs; // folder mode: names already given to an image
    QList<bool> renamed(images.size(), false);
    for (int i = 0; i < images.size() && !m_stopRequested; ++i) {
        keepAlive();
        inputIds[i] = FileIdentity::of(images.at(i));
        if (overwrite)
            continue;
        QString out = outputPathFor(images.at(i), m_options, m_env.programFolder);
        if (m_options.outputMode == OutputMode::Folder) {
            // Two images of one run never share an output: the camera layout
            // 100CANON/IMG_0001.JPG, 101CANON/IMG_0001.JPG gives IMG_0001.JPG and
            // IMG_0001 (2).JPG, the same way on every run over the same list.
            const QString folder = GetFolderFromPath(out);
            const QString name = GetFileName(out);
            const qsizetype dot = name.lastIndexOf(u'.');
            const QString stem = dot > 0 ? name.left(dot) : name;
            const QString extension = dot > 0 ? name.mid(dot) : QString();
            for (int k = 2; plannedOutputs.contains(out); ++k) {
                out = folder + stem + u" ("_s + QString::number(k) + u')' + extension;
                renamed[i] = true;
            }
            plannedOutputs.insert(out);
        }
        outputs[i] = out;
        if (out != images.at(i))
            ++outputNames[out];
        existingOutputIds[i] = FileIdentity::of(out).key();
        if (const QString &id = existingOutputIds[i]; !id.isEmpty() && id != inputIds[i].key())
            ++outputIds[id];
    }
    QSet<QString> inputIdentities;
    QList<bool> earlier(images.size(), false);
    for (int i = 0; i < images.size(); ++i) {
        if (!overwrite)
            earlier[i] = outputNames.contains(images.at(i))
                || (inputIds[i].valid && outputIds.contains(inputIds[i].key()));
        if (!earlier[i] && inputIds[i].valid)
            inputIdentities.insert(inputIds[i].key());
    }

    // The staging folders a killed run left beside the outputs go first.
    QSet<QString> folders;
    for (int i = 0; i < images.size() && !m_stopRequested; ++i) {
        keepAlive();
        const QString folder = GetFolderFromPath(overwrite ? absolute(images.at(i)) : outputs.at(i));
        if (!folder.isEmpty() && !folders.contains(folder)) {
            folders.insert(folder);
            removeAbandonedStaging(folder);
        }
    }

    for (int i = 0; i < images.size(); ++i) {
        keepAlive();
        const QString &f = images.at(i);
        if (i == 0)
            result.sFirstImageFolder = GetFolderFromPath(f).isEmpty() ? u"/"_s : GetFolderFromPath(f);

        if (m_stopRequested) {
            leaveOut(i, FileStatus::Skipped, tr("Not cleaned: the run was stopped"));
            continue;
        }
        if (earlier[i]) {
            ++result.earlierOutputCount;
            leaveOut(i, FileStatus::Skipped, tr("Left out: an earlier output of another image of this run"));
            m_skipNotes << tr("Left out (an earlier output) - %1").arg(f);
            continue;
        }
        if (encodePath(f).size() >= PATH_MAX) {
            ++result.problemCount;
            const QString why = tr("Error: The path is longer than the system allows (%1 bytes)").arg(PATH_MAX);
            leaveOut(i, FileStatus::Failed, why);
            m_skipNotes << why + u" - "_s + f;
            continue;
        }

        Item item;
        item.input = f;
        item.order = i;
        item.before = inputIds[i];
        item.output = outputs[i];
        if (overwrite) {
            // In place means the file itself: a symbolic link is followed to it, so the
            // picture the link shows is the one cleaned.
            const QByteArray real = encodePath(absolute(f));
            char resolved[PATH_MAX];
            if (!item.before.valid || !::realpath(real.constData(), resolved)) {
                ++result.problemCount;
                const QString why = tr("Error: The image cannot be read (%1)").arg(systemErrorText(errno));
                leaveOut(i, FileStatus::Failed, why);
                m_skipNotes << why + u" - "_s + f;
                continue;
            }
            item.output = decodePath(QByteArray(resolved));
            if (item.before.links > 1)
                item.note = item.before.links == 2
                    ? tr("1 other name of this file (a hard link) still holds its metadata")
                    : tr("%n other names of this file (hard links) still hold its metadata", nullptr,
                         int(item.before.links - 1));
        } else {
            const QString &outId = existingOutputIds[i];
            const bool sameAsInput = item.output.compare(f, Qt::CaseInsensitive) == 0
                || (!outId.isEmpty() && outId == inputIds[i].key());
            if (sameAsInput || (!outId.isEmpty() && inputIdentities.contains(outId))) {
                ++result.problemCount;
                const QString why = sameAsInput ? tr("Skipped: the output would replace the image itself")
                                                : tr("Skipped: the output would replace another image of this run");
                leaveOut(i, FileStatus::Skipped, why);
                m_skipNotes << why + u" - "_s + f;
                continue;
            }
            if (renamed[i])
                item.note = tr("Saved as %1: another image of this run has the same name").arg(GetFileName(item.output));

            if (!outId.isEmpty() || PathExists(item.output)) { // PathExists: a dangling link too
                if (isUnfinishedOutput(item.output)) {
                    // Left by an earlier run that a crash or power loss cut short.
                    item.replaceExisting = true;
                } else {
                    if (!asked) {
                        answer = m_askOverwrite ? m_askOverwrite() : false;
                        asked = true;
                    }
                    if (answer) {
                        item.replaceExisting = true;
                    } else {
                        item.state = Item::State::Declined;
                        ++result.declinedCount;
                    }
                }
            }
        }
        if (item.open() && m_options.chkResetFileDates) {
            if (m_options.randomDate)
                item.newDate = FileDate::randomDateTime(*random);
            else
                item.newDate = fixedDate;
        }
        item.inputSize = std::max<qint64>(0, inputIds[i].size);
        m_items << item;
    }
    return true;
}

QList<QStringList> CleanJob::commandsFor(int batch, int first, int count)
{
    QStringList options;
    if (m_options.chkIgnoreMinorWarnings)
        options << u"-m"_s;
    options << u"-P"_s;

    // Raw and Photoshop files get the named deletions too, in commands of their own, so
    // the other images do not pay for them.
    const QStringList tagLines = BuildTagArguments(m_options.tags);
    const QStringList rawLines = RawDeleteArguments(m_options.tags);
    const bool copiesBack = tagLines.contains(u"-tagsfromfile"_s);
    const QStringList jpegLines = JpegTagArguments(tagLines, m_options.tags);
    const bool jpegsDiffer = jpegLines != tagLines;
    // The tag lines of one image. A JPEG's orientation and colour-space values are read
    // here, ExifTool writes a placeholder of their size, and they go into it once the
    // output is written: ExifTool's own copy ("-tagsfromfile @") reads every image a
    // second time, and even plain values make it build a new Exif block at about 1.5 ms
    // per tag and image. Images with the same values share a command.
    const auto linesFor = [&](Item &item) {
        QStringList lines = tagLines;
        item.lookExif.clear();
        bool jpeg = false;
        if (copiesBack) {
            if (const std::optional<JpegKeepValues> values = readJpegKeepValues(item.etInput)) {
                jpeg = true;
                // The placeholder only where "-all=" removes the comments anyway; where
                // single groups go, the image's own comment stays, and the values are
                // written by ExifTool.
                const bool commentGoes = m_options.tags.chkCleanAll || m_options.tags.chkCleanOther;
                if (!commentGoes) {
                    lines = tagArgumentsWithValues(m_options.tags, *values);
                } else {
                    lines = tagArgumentsWithValues(m_options.tags, JpegKeepValues{});
                    if (hasValuesToKeep(m_options.tags, *values)) {
                        item.lookExif = buildLookExif(m_options.tags, *values);
                        lines << exifPlaceholderArgument(item.lookExif);
                    }
                }
            }
        }
        if (jpegsDiffer && (jpeg || isJpegFile(item.etInput)))
            lines = JpegTagArguments(lines, m_options.tags);
        if (!rawLines.isEmpty() && keepsMetadataUnderDeleteAll(item.etInput))
            lines += rawLines;
        return lines + options;
    };

    QList<QStringList> commands;
    QList<QList<int>> members;
    // The grouped images of the batch, by their tag lines, in the order each first came.
    QList<QStringList> groupLines;
    QList<QStringList> groups;
    QList<QList<int>> groupMembers;
    const QString pattern = stagingPattern(batch);
    const auto closeGroups = [&] {
        for (qsizetype g = 0; g < groups.size(); ++g) {
            commands << groupLines.at(g) + QStringList{u"-o"_s, pattern} + groups.at(g);
            members << groupMembers.at(g);
        }
        groupLines.clear();
        groups.clear();
        groupMembers.clear();
    };
    QSet<QString> taken;
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (!item.open() || !stageItem(item, i, batch, taken))
            continue; // a kept output, or no place to write
        const QStringList lines = linesFor(item);
        if (item.grouped) {
            qsizetype g = groupLines.indexOf(lines);
            if (g < 0) {
                g = groupLines.size();
                groupLines << lines;
                groups << QStringList();
                groupMembers << QList<int>();
            }
            groups[g] << item.etInput;
            groupMembers[g] << i;
            continue;
        }
        closeGroups();
        commands << lines + QStringList{item.etInput, u"-o"_s, item.etOutFolder};
        members << QList<int>{i};
    }
    closeGroups();
    m_batchCommands.insert(batch, members);
    return commands;
}

void CleanJob::failItem(int index, const QString &reason, QString &log)
{
    Item &item = m_items[index];
    if (!item.open())
        return;
    item.state = Item::State::Failed;
    item.reason = reason;
    log += reason + u" - "_s + item.input + u'\n';
}

void CleanJob::completeBatch(int batch, int first, int count, const BatchRun &ran)
{
    PendingBatch &pending = m_pending[batch];
    pending.first = first;
    pending.count = count;
    pending.run = ran;
    BatchRun &run = pending.run;
    QString &errors = run.errorText;
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    const QList<QList<int>> commands = m_batchCommands.take(batch);
    if (ran.notRun) {
        for (int i = first; i < first + count; ++i) {
            if (m_items[i].open())
                m_items[i].state = Item::State::NotRun;
        }
        run.failed = false;
        for (int i = first; i < first + count; ++i)
            run.failed = run.failed || m_items.at(i).state == Item::State::Failed;
        if (run.failed)
            for (int i = first; i < first + count; ++i)
                if (m_items.at(i).state == Item::State::Failed)
                    errors += m_items.at(i).reason + u'\n';
        pending.done = true;
        return;
    }
    // Images that could not be given a place to be written.
    for (int i = first; i < first + count; ++i)
        if (m_items.at(i).state == Item::State::Failed && m_items.at(i).etResult.isEmpty())
            errors += m_items.at(i).reason + u'\n';

    // When ExifTool died, the commands it had not finished: their images either were
    // done, were being written (at most one per command: the last output it began) or
    // never began. Whatever ExifTool did not finish stays in the staging folder and goes
    // with it.
    QSet<int> unfinished;
    QSet<int> suspects;
    if (ran.processDied) {
        for (qsizetype c = ran.commandsDone; c < commands.size(); ++c) {
            int last = -1;
            for (int i : commands.at(c)) {
                unfinished.insert(i);
                if (isRegularFile(m_items.at(i).etResult))
                    last = i;
            }
            if (last >= 0)
                suspects.insert(last);
        }
        for (int i : std::as_const(unfinished)) {
            Item &item = m_items[i];
            if (!item.open())
                continue;
            if (suspects.contains(i) || !isRegularFile(item.etResult)) {
                removePath(item.etResult);
                if (m_hurry)
                    item.state = Item::State::NotRun; // stopped on purpose: simply not done
                else
                    failItem(i, tr("Error: ExifTool ended before it finished this image"), errors);
            }
        }
    }

    // Failed images, found by their own paths in ExifTool's error lines. Most end in
    // " - INPUT"; a few name the output instead.
    for (const QString &line : errors.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.left(8).compare(u"Warning:"_s, Qt::CaseInsensitive) == 0)
            continue;
        for (int i = first; i < first + count; ++i) {
            Item &item = m_items[i];
            if (!item.open())
                continue;
            if (line.endsWith(u" - "_s + item.etInput) || line.endsWith(u" "_s + item.etResult)) {
                item.state = Item::State::Failed;
                item.refused = true;
                item.reason = line;
                break;
            }
        }
    }

    // Every other image must have its output; it is completed in the staging folder:
    // the kept orientation and colour space, the original's permissions (in place), the
    // new file date.
    QList<int> ready;
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (!item.open())
            continue;
        if (!isRegularFile(item.etResult)) {
            failItem(i, overwrite ? u"Error: The image was not rewritten"_s
                                  : u"Error: No output was written to %1"_s.arg(item.output),
                     errors);
            continue;
        }
        if (item.etResult != item.staged && !moveFileTo(item.etResult, item.staged)) {
            failItem(i, u"Error: Cannot write %1"_s.arg(item.output), errors);
            continue;
        }
        QString why;
        if (!item.lookExif.isEmpty() && !fillExifPlaceholder(item.staged, item.lookExif, &why)) {
            failItem(i, u"Error: Cannot keep the orientation and colour space (%1)"_s.arg(why), errors);
            continue;
        }
        if (overwrite) {
            // A damaged result never replaces the original.
            const ContainerScan scan = scanContainers(item.staged);
            if (scan.verdict == ContainerScan::Verdict::Broken) {
                failItem(i, tr("Error: The cleaned file would be damaged (%1); the original is kept").arg(scan.problem),
                         errors);
                continue;
            }
            if (!takeOverIdentity(item.staged, item.output, item.before, &why)) {
                failItem(i, tr("Error: The original is kept: %1").arg(why), errors);
                continue;
            }
        }
        if (item.newDate)
            FileDate::SetFileDate(item.staged, *item.newDate);
        pending.ready << i;
    }
    // An original is replaced only by a file that is on the disk: after a power loss it is
    // either the old one or the whole new one. The disk gets to work on them while
    // ExifTool writes the next batch. New outputs are not waited for: an output a power
    // loss cut short is recognised and replaced by the next run (see prepare()).
    if (overwrite && !pending.ready.isEmpty())
        m_staging->startSync(batch);
}

BatchRun CleanJob::placeBatch(int batch)
{
    PendingBatch pending = m_pending.take(batch);
    const auto finishBatch = qScopeGuard([&] { m_staging->release(batch); });
    BatchRun run = pending.run;
    if (pending.done)
        return run;
    QString &errors = run.errorText;
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    const int first = pending.first;
    const int count = pending.count;
    const BatchRun &ran = pending.run;

    // Complete outputs reach the disk before their names do, so a power loss leaves each
    // image either as it was or cleaned.
    if (!pending.ready.isEmpty())
        m_staging->waitForSync(batch);
    for (int i : std::as_const(pending.ready)) {
        Item &item = m_items[i];
        QString why;
        const Placement placed = overwrite ? placeOver(item.staged, item.output, item.before, &why)
                                           : placeNew(item.staged, item.output, item.replaceExisting, &why);
        switch (placed) {
        case Placement::Placed:
            item.state = Item::State::Done;
            break;
        case Placement::Exists:
            failItem(i, u"Error: '%1' already exists"_s.arg(item.output), errors);
            break;
        case Placement::Changed:
            item.state = Item::State::InUse;
            item.reason = tr("Not cleaned: in use by another run or program (%1)").arg(why);
            errors += item.reason + u" - "_s + item.input + u'\n';
            break;
        case Placement::Failed:
            failItem(i, u"Error: Cannot write %1: %2"_s.arg(item.output, why), errors);
            break;
        }
    }

    run.failed = ran.failed && !(ran.processDied && m_hurry);
    for (int i = first; i < first + count; ++i) {
        const Item::State s = m_items.at(i).state;
        if (s == Item::State::Failed || s == Item::State::InUse)
            run.failed = true;
    }
    if (!run.failed)
        errors.clear(); // warnings of a problem-free batch are not problems

    // Check the finished outputs while ExifTool works on the next batches.
    if (m_verifier) {
        for (int i = first; i < first + count; ++i) {
            const Item &item = m_items.at(i);
            if (item.state == Item::State::Done)
                m_verifier->submit(i, item.input, item.output);
        }
    }

    // The log shows the real names, not the stand-ins and staging files.
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        for (const auto &[from, to] : {std::pair{item.etResult, item.output}, std::pair{item.staged, item.output},
                                       std::pair{item.etInput, item.input}}) {
            if (from.isEmpty() || from == to)
                continue;
            errors.replace(from, to);
            item.reason.replace(from, to);
        }
    }
    return run;
}

bool CleanJob::runBatches(JobResult &result)
{
    const int n = m_items.size();
    const int batches = (n + BatchSize - 1) / BatchSize;
    if (!m_pool)
        m_pool = std::make_unique<ExifToolPool>(m_env.exiftool, m_env.programFolder, m_work->path(),
                                                std::clamp(m_env.jobs, 1, std::max(1, batches)));
    ExifToolPool &pool = *m_pool;
    if (m_stopRequested)
        pool.requestStop();

    // Batches may end in any order; their results are taken in list order, so the
    // log, the problem count and the progress bar read as if they ran one by one.
    std::vector<std::optional<BatchRun>> ended(batches);
    int nextToTake = 0;
    const auto drain = [&] {
        while (nextToTake < batches && ended[nextToTake]) {
            const BatchRun &run = *ended[nextToTake];
            if (run.failed) {
                ++result.problemCount;
                if (appendToLog(run.errorText.trimmed()))
                    result.logWritten = true;
                result.problemTexts += run.errorText;
            }
            const int last = std::min(n, (nextToTake + 1) * BatchSize) - 1;
            Q_EMIT progressChanged(static_cast<int>(static_cast<qint64>(last) * 100 / n));
            ++nextToTake;
        }
    };
    // A batch's outputs go into place once the next batch has ended: by then the disk
    // has written them, and the sync before the renames costs next to nothing.
    const auto placeAllBut = [&](int keep) {
        for (const int b : m_pending.keys()) {
            if (b != keep)
                ended[b] = placeBatch(b);
        }
        drain();
    };
    const auto take = [&](int batch, const BatchRun &ran) {
        const int first = batch * BatchSize;
        completeBatch(batch, first, std::min(BatchSize, n - first), ran);
        placeAllBut(batch);
    };
    QString error;
    const bool ok = pool.run(
        batches,
        [this, n](int batch) {
            const int first = batch * BatchSize;
            return commandsFor(batch, first, std::min(BatchSize, n - first));
        },
        take, &error);
    placeAllBut(-1);
    if (!ok) {
        result.internalError = true;
        result.errorDetail = tr("The argument file could not be written: %1").arg(error);
    }
    return ok;
}

void CleanJob::verifyOutputs(JobResult &result)
{
    if (m_verifier) {
        m_verifier->waitForAll();
        for (qsizetype k = 0; k < result.outcomes.size(); ++k) {
            const int i = m_outcomeItem.value(k, -1);
            if (i >= 0 && result.outcomes.at(k).status == FileStatus::Cleaned)
                m_verifier->applyVerdict(i, result.outcomes[k]);
        }
        m_verifier.reset();
    }
    // What the verdicts and the file's other names change: the summary, the list of
    // cleaned files and the disk must tell the same story.
    QSet<QString> dropped;
    for (qsizetype k = 0; k < result.outcomes.size(); ++k) {
        const int i = m_outcomeItem.value(k, -1);
        if (i < 0)
            continue;
        FileOutcome &o = result.outcomes[k];
        const Item &item = m_items.at(i);
        if (o.status == FileStatus::Failed && !o.output.isEmpty()) {
            // A damaged output is never left as if it were a cleaned file.
            const bool inPlace = m_options.outputMode == OutputMode::Overwrite;
            --result.processedCount;
            result.inputBytes -= item.inputSize;
            result.outputBytes -= std::max<qint64>(0, fileSize(o.output));
            if (!inPlace)
                removePath(o.output);
            ++result.problemCount;
            const QString line = o.message + u" - "_s + o.output;
            result.logWritten = appendToLog(line) || result.logWritten;
            result.problemTexts += line + u'\n';
            dropped.insert(o.output);
            if (!inPlace)
                o.output.clear();
        } else if (item.before.links > 1 && o.status == FileStatus::Cleaned) {
            // The other names of a hard-linked original still show the old file.
            o.status = FileStatus::Residue;
        }
        if (!item.note.isEmpty() && o.status != FileStatus::Failed)
            o.message = o.message.isEmpty() ? item.note : item.note + u"; "_s + o.message;
    }
    if (!dropped.isEmpty())
        result.cleanedFiles.removeIf([&dropped](const CleanedFile &f) { return dropped.contains(f.path); });
}

void CleanJob::checkResults(JobResult &result)
{
    QList<FileOutcome> outcomes;
    outcomes.reserve(m_items.size());
    for (int i = 0; i < m_items.size(); ++i) {
        keepAlive();
        const Item &item = m_items.at(i);
        FileOutcome outcome;
        outcome.input = item.input;
        switch (item.state) {
        case Item::State::Declined:
            outcome.status = FileStatus::Skipped;
            outcome.output = item.output;
            outcome.message = tr("kept existing output");
            break;
        case Item::State::Waiting:
        case Item::State::NotRun:
            outcome.status = FileStatus::Skipped;
            outcome.message = notRunMessage();
            break;
        case Item::State::InUse:
            outcome.status = FileStatus::Skipped;
            outcome.message = item.reason;
            break;
        case Item::State::Failed:
            outcome.status = FileStatus::Failed;
            outcome.message = item.reason;
            break;
        case Item::State::Done:
            outcome.status = FileStatus::Cleaned;
            outcome.output = item.output;
            ++result.processedCount;
            result.inputBytes += item.inputSize;
            result.outputBytes += std::max<qint64>(0, fileSize(item.output));
            result.cleanedFiles << CleanedFile{GetFileName(item.output), item.output, item.input};
            break;
        }
        outcomes << outcome;
    }
    // Merge the inputs that never became items back in, in the order of the images.
    result.outcomes.clear();
    m_outcomeItem.clear();
    qsizetype k = 0;
    for (qsizetype j = 0; j < outcomes.size() || k < m_leftOut.size();) {
        if (k < m_leftOut.size() && (j >= outcomes.size() || m_leftOutAt.at(k) < m_items.at(j).order)) {
            result.outcomes << m_leftOut.at(k++);
            m_outcomeItem << -1;
        } else {
            m_outcomeItem << int(j);
            result.outcomes << outcomes.at(j++);
        }
    }
}

void CleanJob::moveProblemFiles(JobResult &result)
{
    const bool toTrash = m_options.optProcessingFail == 0;
    QString folder = m_options.txtProcessingFailFolder.trimmed();
    QString folderProblem;
    if (!toTrash) {
        if (folder.isEmpty()) {
            folderProblem = tr("no folder for problem files was given");
        } else {
            if (QDir::isRelativePath(folder))
                folder = joinPath(m_env.programFolder, folder);
            if (!folder.endsWith(u'/'))
                folder += u'/';
            if (!FolderExists(folder) && !QDir().mkdir(folder))
                folderProblem = tr("the folder %1 cannot be created").arg(folder);
        }
    }
    QHash<QString, qsizetype> outcomeOf;
    for (qsizetype k = 0; k < result.outcomes.size(); ++k)
        outcomeOf.insert(result.outcomes.at(k).input, k);
    for (const QString &failed : std::as_const(result.failedImages)) {
        QString why = folderProblem;
        QString target;
        if (why.isEmpty()) {
            if (toTrash) {
                if (!MoveToRecycleBin(failed, &why) && why.isEmpty())
                    why = tr("the trash refused it");
            } else {
                target = folder + GetUniqueFileName(folder, GetFileName(failed));
                if (!moveFileTo(failed, target, &why) && why.isEmpty())
                    why = tr("it cannot be moved there");
            }
        }
        const qsizetype k = outcomeOf.value(failed, -1);
        QString &message = k >= 0 ? result.outcomes[k].message : why;
        if (why.isEmpty()) {
            ++result.movedCount;
            const QString where = toTrash ? tr("The original was moved to the trash.")
                                          : tr("The original was moved to %1.").arg(target);
            if (k >= 0)
                message = message.isEmpty() ? where : message + u' ' + where;
        } else {
            ++result.notMovedCount;
            const QString line = tr("The original could not be moved: %1 - %2").arg(why, failed);
            result.logWritten = appendToLog(line) || result.logWritten;
            if (k >= 0)
                message = message.isEmpty() ? line : message + u' ' + tr("The original could not be moved: %1.").arg(why);
        }
    }
    QStringList caption;
    const int moved = result.movedCount;
    const int notMoved = result.notMovedCount;
    if (moved > 0 && toTrash)
        caption << (moved == 1 ? tr("1 problem file was moved to the trash.")
                               : tr("%n problem files were moved to the trash.", nullptr, moved));
    else if (moved > 0)
        caption << (moved == 1 ? tr("1 problem file was moved to %1.")
                               : tr("%n problem files were moved to %1.", nullptr, moved))
                       .arg(folder);
    if (notMoved > 0 && toTrash)
        caption << (notMoved == 1 ? tr("1 problem file could not be moved to the trash; the log says why.")
                                  : tr("%n problem files could not be moved to the trash; the log says why.",
                                       nullptr, notMoved));
    else if (notMoved > 0)
        caption << (notMoved == 1 ? tr("1 problem file could not be moved to %1; the log says why.")
                                  : tr("%n problem files could not be moved to %1; the log says why.", nullptr,
                                       notMoved))
                       .arg(folder.isEmpty() ? tr("a folder") : folder);
    result.errorInfoCaption = caption.join(u' ');
}


void CleanJob::removeEmptyLog(const JobResult &result) const
{
    // A log that nothing was written to is not left lying about.
    if (!result.logWritten && !m_logPath.isEmpty() && fileSize(m_logPath) == 0)
        removePath(m_logPath);
}

JobResult CleanJob::CleanImages(const QStringList &imageList)
{
    m_running = true;
    m_stopRequested = m_hurry = false;
    const auto notRunning = qScopeGuard([this] { m_running = false; });
    JobResult result;
    m_items.clear();
    m_skipNotes.clear();
    m_leftOut.clear();
    m_leftOutAt.clear();
    m_batchCommands.clear();
    m_pending.clear();

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
        result.logPath = logFilePath();
        m_pool.reset();
        m_verifier.reset();
        m_staging.reset();
        m_workLock.reset();
        m_work.reset();
        removeEmptyLog(result);
        m_logLock.reset();
        return result;
    };

    setStatus(tr("Preparing..."));

    if ((m_options.outputMode == OutputMode::Prefix && !isUsableNameAffix(m_options.txtPrefix))
        || (m_options.outputMode == OutputMode::Suffix && !isUsableNameAffix(m_options.txtSuffix)))
        return fail(tr("A prefix or suffix must be part of a file name: it cannot be empty or hold '/'."));
    if (QDir::isRelativePath(m_env.tempFolder))
        m_env.tempFolder = joinPath(m_env.programFolder, m_env.tempFolder);
    if (!isLiteralArgfilePath(joinPath(m_env.tempFolder, u"qmk_args.txt"_s), false))
        return fail(tr("The temporary folder %1 cannot hold ExifTool's argument file; "
                       "set TEMP or TMPDIR to another folder.").arg(m_env.tempFolder));
    {
        QString error;
        if (!setUpWorkFiles(&error))
            return fail(error);
    }
    result.logPath = logFilePath();
    {
        static const QString letters = u"abcdefghijklmnopqrstuvwxyz0123456789"_s;
        m_runToken.clear();
        for (int k = 0; k < 10; ++k)
            m_runToken += letters.at(int(QRandomGenerator::system()->bounded(letters.size())));
        m_staging = std::make_unique<StagingArea>(m_runToken);
        if (m_options.outputMode == OutputMode::Folder)
            m_outputFolder = GetFolderFromPath(outputPathFor(u"/x.x"_s, m_options, m_env.programFolder));
    }

    // ExifTool takes a moment to start: let it do so while the images are prepared.
    const bool haveExifTool = !m_env.exiftool.isEmpty() && QFileInfo(m_env.exiftool).isExecutable();
    if (haveExifTool && !images.isEmpty()) {
        const int batches = static_cast<int>((images.size() + BatchSize - 1) / BatchSize);
        m_pool = std::make_unique<ExifToolPool>(m_env.exiftool, m_env.programFolder, m_work->path(),
                                                std::clamp(m_env.jobs, 1, batches));
        m_pool->warmUp();
    }

    // B: one command per image.
    if (!prepare(images, result))
        return fail(result.errorDetail);

    // C: the run.
    m_clock.start();
    setStatus(tr("Cleaning images..."));
    for (const QString &note : std::as_const(m_skipNotes))
        result.logWritten = appendToLog(note) || result.logWritten;

    if (!m_items.isEmpty()) {
        if (!haveExifTool)
            return fail(tr("ExifTool was not found. Install it (Debian package libimage-exiftool-perl) "
                           "or place the exiftool program beside Quillmark."));
        if (m_options.verify)
            m_verifier = std::make_unique<OutputVerifier>(m_env.exiftool, m_env.programFolder);
        if (!runBatches(result))
            return fail(result.errorDetail);
    }
    // Only an image ExifTool itself refused is a problem file that may be moved away.
    for (const Item &item : std::as_const(m_items))
        if (item.state == Item::State::Failed && item.refused)
            result.failedImages << item.input;
    Q_EMIT progressChanged(100);
    setStatus(m_options.chkResetFileDates ? tr("Obfuscating file dates...") : tr("Checking files..."));

    // D: what was written.
    checkResults(result);
    setStatus(tr("Checking files..."));
    result.stopped = m_stopRequested;
    // What is left in each output: the scan or ExifTool's read-back decides its status.
    verifyOutputs(result);

    // E: summary.
    result.seconds = (m_clock.elapsed() + 500) / 1000;
    result.summary = summaryText(result.processedCount, result.inputBytes, result.outputBytes,
                                 result.seconds, m_env.locale);
    if (result.declinedCount > 0)
        result.summary += crlf + (result.declinedCount == 1
                                      ? tr("1 existing output was kept.")
                                      : tr("%n existing outputs were kept.", nullptr, result.declinedCount));
    if (result.earlierOutputCount > 0)
        result.summary += crlf + (result.earlierOutputCount == 1
                                      ? tr("1 earlier output was left out.")
                                      : tr("%n earlier outputs were left out.", nullptr, result.earlierOutputCount));
    if (result.stopped)
        result.summary += crlf + tr("The run was stopped; the images cleaned so far are kept.");

    // F, G: problems.
    if (result.problemCount >= 1) {
        result.summary += crlf + crlf + tr("Problems were reported. See log for details.");
        if (m_options.chkDeleteFileOnFail && !result.failedImages.isEmpty()) {
            moveProblemFiles(result);
            result.problemFilesMoved = result.movedCount > 0;
        }
    }
    result.clearImageList = result.problemCount == 0 && !result.stopped;

    QCoreApplication::processEvents();
    setStatus(tr("Finished!"));
    m_pool.reset();
    m_staging.reset();
    m_workLock.reset();
    m_work.reset();
    removeEmptyLog(result);
    m_logLock.reset();
    pause(1000);
    return result;
}
