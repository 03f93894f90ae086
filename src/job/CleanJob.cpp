#include "job/CleanJob.h"

#include "fs/NativePath.h"
#include "fs/SystemFolders.h"
#include "fs/Trash.h"
#include "job/ContainerScan.h"
#include "job/ExifToolPool.h"
#include "job/JobFiles.h"
#include "job/KeepValues.h"
#include "job/OutputVerifier.h"
#include "runner/ConsoleRunner.h"

#include <QCoreApplication>
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

// Device and inode of the file at the path ("" when there is none), and its size.
QString identityOf(const QString &path, qint64 *size = nullptr)
{
    struct stat st{};
    if (::stat(encodePath(path).constData(), &st) != 0)
        return QString();
    if (size)
        *size = st.st_size;
    return QString::number(st.st_dev) + u':' + QString::number(st.st_ino);
}

bool isRegularFile(const QString &path)
{
    struct stat st{};
    return ::lstat(encodePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Whether any live process has the file open. ExifTool keeps its temporary file open
// while it writes it, so a temporary file nobody holds is a leftover of a crash.
bool isOpenByAnyProcess(const QString &path)
{
    struct stat target{};
    if (::stat(encodePath(path).constData(), &target) != 0)
        return false;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return true; // cannot tell: assume it is in use
    bool found = false;
    while (const dirent *entry = ::readdir(proc)) {
        if (found)
            break;
        if (entry->d_name[0] < '0' || entry->d_name[0] > '9')
            continue;
        const QByteArray fdFolder = QByteArray("/proc/") + entry->d_name + "/fd";
        DIR *fds = ::opendir(fdFolder.constData());
        if (!fds)
            continue;
        while (const dirent *fd = ::readdir(fds)) {
            struct stat st{};
            if (fd->d_name[0] == '.')
                continue;
            if (::stat((fdFolder + '/' + fd->d_name).constData(), &st) == 0 && st.st_dev == target.st_dev
                && st.st_ino == target.st_ino) {
                found = true;
                break;
            }
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return found;
}

} // namespace

QString CleanJob::notRunMessage()
{
    return tr("Not cleaned: the run was stopped");
}

QString summaryText(int processedCount, qint64 inputBytes, qint64 outputBytes, qint64 seconds,
                    const QLocale &locale)
{
    QString text = formatNumber(processedCount, locale)
        + (processedCount == 1 ? CleanJob::tr(" image processed")
                               : CleanJob::tr(" images processed", nullptr, processedCount));
    const qint64 saved = inputBytes - outputBytes;
    if (saved >= 1 && processedCount >= 1) {
        // nearbyint rounds halves to the even neighbour in the default rounding mode.
        const double kb = std::nearbyint(static_cast<double>(saved) / 1024.0);
        text += u" ("_s + formatNumber(kb, locale) + CleanJob::tr(" KB saved)");
    }
    if (processedCount > 0) {
        const double average = std::nearbyint(static_cast<double>(seconds) / processedCount * 100.0) / 100.0;
        // The count picks the plural form in languages that need one ("1 Sekunde").
        const int pluralOf = static_cast<int>(std::min<qint64>(seconds, std::numeric_limits<int>::max()));
        text += crlf + CleanJob::tr("in ") + formatNumber(static_cast<double>(seconds), locale)
            + CleanJob::tr(" seconds (", nullptr, pluralOf)
            + formatNumber(average, locale) + CleanJob::tr(" sec avg)");
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
    int order = 0;          // place in the image list
    qint64 inputSize = 0;   // before the run
    QString identityBefore; // device and inode of the input before the run (overwrite mode)
    bool failed = false;    // no complete output: a problem
    bool notRun = false;    // never cleaned because the run was stopped
    QString reason;         // why it failed, for a person
    QByteArray lookExif;    // kept orientation and colour space, put back after ExifTool (JPEG)
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

    const QString stage = m_work->path() + u"/stage"_s;
    if (!FolderExists(stage) && !QDir().mkdir(stage)) {
        *error = tr("Cannot create a work folder in %1").arg(m_work->path());
        return false;
    }
    QString extension = QFileInfo(item.input).suffix();
    extension.remove(QRegularExpression(u"[^A-Za-z0-9]"_s));
    const QString base = stage + u'/' + QString::number(index);
    // An output folder ("-o DIR/") takes the input's file name, and ExifTool expands
    // '%' codes in it even there, so such an input gets a plain name too.
    if (!inputLiteral || GetFileName(item.input).contains(u'%')) {
        item.etInput = base + u"-in."_s + extension;
        const QString target = QDir::isAbsolutePath(item.input) ? item.input : joinPath(m_env.programFolder, item.input);
        if (!linkPath(target, item.etInput)) {
            *error = tr("Cannot create a work file in %1").arg(stage);
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
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;

    const auto leaveOut = [&](int i, FileStatus status, const QString &message) {
        FileOutcome outcome;
        outcome.input = images.at(i);
        outcome.status = status;
        outcome.message = message;
        m_leftOut << outcome;
        m_leftOutAt << i;
    };

    // Identities of every input, so an existing output that is itself one of this
    // run's images is never deleted to make room; and every output the run will make,
    // so an input that is one of them (the output of an earlier run) is left out
    // instead of being cleaned into "photo_cleaned_cleaned.jpg".
    QList<QString> inputIds(images.size());
    QList<qint64> inputSizes(images.size(), 0);
    QList<QString> outputs(images.size());
    QList<QString> existingOutputIds(images.size());
    QHash<QString, int> outputNames;
    QHash<QString, int> outputIds;
    for (int i = 0; i < images.size(); ++i) {
        keepAlive();
        inputIds[i] = identityOf(images.at(i), &inputSizes[i]);
        if (overwrite)
            continue;
        outputs[i] = outputPathFor(images.at(i), m_options, m_env.programFolder);
        if (outputs[i] != images.at(i))
            ++outputNames[outputs[i]];
        existingOutputIds[i] = identityOf(outputs[i]);
        if (const QString &id = existingOutputIds[i]; !id.isEmpty() && id != inputIds[i])
            ++outputIds[id];
    }
    QSet<QString> inputIdentities;
    QList<bool> earlier(images.size(), false);
    for (int i = 0; i < images.size(); ++i) {
        if (!overwrite)
            earlier[i] = outputNames.contains(images.at(i))
                || (!inputIds[i].isEmpty() && outputIds.contains(inputIds[i]));
        if (!earlier[i] && !inputIds[i].isEmpty())
            inputIdentities.insert(inputIds[i]);
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
        item.output = overwrite ? f : outputs[i];
        item.identityBefore = inputIds[i];

        if (!overwrite) {
            const QString &outId = existingOutputIds[i];
            const bool sameAsInput = item.output.compare(f, Qt::CaseInsensitive) == 0
                || (!outId.isEmpty() && outId == inputIds[i]);
            if (sameAsInput || (!outId.isEmpty() && inputIdentities.contains(outId))) {
                ++result.problemCount;
                const QString why = sameAsInput ? tr("Skipped: the output would replace the image itself")
                                                : tr("Skipped: the output would replace another image of this run");
                leaveOut(i, FileStatus::Skipped, why);
                m_skipNotes << why + u" - "_s + f;
                continue;
            }

            if (!outId.isEmpty() || PathExists(item.output)) { // PathExists: a dangling link too
                if (!asked) {
                    answer = m_askOverwrite ? m_askOverwrite() : false;
                    asked = true;
                }
                if (answer)
                    removePath(item.output); // a folder stays; ExifTool then reports the clash
                else {
                    item.declined = true;
                    ++result.declinedCount;
                }
            }
        } else {
            // ExifTool refuses an image whose temporary file exists. One nobody has open is
            // the leftover of a crash: it goes. One in use belongs to a live writer.
            const QString leftover = f + u"_exiftool_tmp"_s;
            if (PathExists(leftover)) {
                if (!isRegularFile(leftover) || isOpenByAnyProcess(leftover) || !removePath(leftover)) {
                    ++result.problemCount;
                    const QString why = tr("Error: Another program is writing this image (%1 exists)").arg(leftover);
                    leaveOut(i, FileStatus::Failed, why);
                    m_skipNotes << why + u" - "_s + f;
                    continue;
                }
            }
        }

        item.etInput = item.input;
        // ExifTool expands '%' codes (%c, ...) once more in the name a pattern made.
        if (!item.declined && isLiteralArgfilePath(item.input, false) && !item.input.contains(u'%')) {
            item.grouped = overwrite
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
        item.inputSize = std::max<qint64>(0, inputSizes[i]);
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
            if (const std::optional<JpegKeepValues> values = readJpegKeepValues(item.input)) {
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
        if (jpegsDiffer && (jpeg || isJpegFile(item.input)))
            lines = JpegTagArguments(lines, m_options.tags);
        if (!rawLines.isEmpty() && keepsMetadataUnderDeleteAll(item.input))
            lines += rawLines;
        return lines + options;
    };

    QList<QStringList> commands;
    QList<QList<int>> members;
    // The grouped images of the batch, by their tag lines, in the order each first came.
    QList<QStringList> groupLines;
    QList<QStringList> groups;
    QList<QList<int>> groupMembers;
    const auto closeGroups = [&] {
        for (qsizetype g = 0; g < groups.size(); ++g) {
            QStringList command = groupLines.at(g);
            if (m_options.outputMode == OutputMode::Overwrite)
                command << u"-overwrite_original"_s;
            else
                command << u"-o"_s << m_outputPattern;
            commands << command + groups.at(g);
            members << groupMembers.at(g);
        }
        groupLines.clear();
        groups.clear();
        groupMembers.clear();
    };
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (item.declined)
            continue; // its old output stays; ExifTool is not asked
        const QStringList lines = linesFor(item);
        if (item.grouped) {
            qsizetype g = groupLines.indexOf(lines);
            if (g < 0) {
                g = groupLines.size();
                groupLines << lines;
                groups << QStringList();
                groupMembers << QList<int>();
            }
            groups[g] << item.input;
            groupMembers[g] << i;
            continue;
        }
        closeGroups();
        QStringList command = lines;
        command << item.etInput;
        if (item.etOutput.isEmpty())
            command << u"-overwrite_original"_s;
        else
            command << u"-o"_s << item.etOutput;
        commands << command;
        members << QList<int>{i};
    }
    closeGroups();
    m_batchCommands.insert(batch, members);
    return commands;
}

bool CleanJob::outputIsComplete(const Item &item, bool commandFinished, bool suspect) const
{
    // Written by this run: a new file at the output path (it did not exist when the run
    // began, or was removed after "Yes"), or in place a new file where the original was
    // (ExifTool writes a temporary file and renames it over the original).
    if (!isRegularFile(item.output))
        return false;
    if (m_options.outputMode == OutputMode::Overwrite) {
        // Unchanged in place: ExifTool leaves a file it has nothing to remove from as it
        // is. That is only known once it finished the command without naming the image.
        if (identityOf(item.output) == item.identityBefore)
            return commandFinished;
    } else if (fileSize(item.output) <= 0) {
        return false;
    }
    if (!suspect)
        return true;
    // ExifTool was cut short while this output may still have been written: only a
    // whole file counts. Where the format's structure can be walked (JPEG, PNG, WebP,
    // GIF), that is exact: ExifTool's own validation does not notice picture data cut off
    // before its end.
    if (scanContainers(item.output).verdict == ContainerScan::Verdict::Broken)
        return false;
    ConsoleRunner reader;
    reader.setWorkingDirectory(m_env.programFolder);
    reader.setTimeoutMs(30000);
    if (reader.RunExifTool(m_env.exiftool, {u"-config"_s, QString(), u"-validate"_s, u"-warning"_s,
                                                  u"-error"_s, u"-s3"_s, u"--"_s, item.output})
        != 0)
        return false;
    static const QRegularExpression broken(u"truncat|format error|corrupt|missing|bad |error"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    return !broken.match(reader.sConsoleOutput()).hasMatch();
}

void CleanJob::failItem(int index, const QString &reason, QString &log)
{
    Item &item = m_items[index];
    if (item.failed)
        return;
    item.failed = true;
    item.reason = reason;
    log += reason + u" - "_s + item.etInput + u'\n';
}

BatchRun CleanJob::afterBatch(int batch, int first, int count, const BatchRun &ran)
{
    BatchRun run = ran;
    QString &errors = run.errorText;
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;
    const QList<QList<int>> commands = m_batchCommands.take(batch);
    if (ran.notRun) {
        for (int i = first; i < first + count; ++i)
            m_items[i].notRun = !m_items[i].declined;
        run.failed = false;
        return run;
    }

    // When ExifTool died, the commands it had not finished: their images either were
    // done (their outputs stand), were being written (at most one per command: the last
    // output it began, which is checked by reading it back) or never began.
    QSet<int> unfinished;
    QSet<int> suspects;
    if (ran.processDied) {
        for (qsizetype c = ran.commandsDone; c < commands.size(); ++c) {
            int last = -1;
            for (int i : commands.at(c)) {
                unfinished.insert(i);
                const Item &item = m_items.at(i);
                if (overwrite) {
                    // ExifTool is gone, so its temporary file is stale; the original is
                    // either untouched or already replaced whole.
                    removePath(item.etInput + u"_exiftool_tmp"_s);
                } else if (isRegularFile(item.staged ? item.stagedResult : item.output)) {
                    last = i;
                }
            }
            if (last >= 0)
                suspects.insert(last);
        }
        if (m_hurry) {
            // Stopped on purpose: what ExifTool did not finish is simply not done, and
            // leaves no trace.
            for (int i : std::as_const(unfinished)) {
                Item &item = m_items[i];
                if (item.staged) {
                    removePath(item.stagedResult);
                    item.notRun = true;
                } else if (overwrite) {
                    item.notRun = identityOf(item.output) == item.identityBefore;
                } else if (!isRegularFile(item.output)) {
                    item.notRun = true;
                } else if (suspects.contains(i) && !outputIsComplete(item, false, true)) {
                    removePath(item.output);
                    item.notRun = true;
                }
            }
            suspects.clear(); // checked above
        }
    }

    // Move the stand-in outputs into place, as ExifTool itself would have written them.
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (!item.staged || item.notRun || !isRegularFile(item.stagedResult))
            continue;
        if (unfinished.contains(i)) {
            removePath(item.stagedResult); // the command was cut short
            continue;
        }
        bool moved = false;
        if (overwrite) {
            moved = replaceFileWith(item.input, item.stagedResult);
        } else {
            if (const QString folder = GetFolderFromPath(item.output); !FolderExists(folder))
                QDir().mkpath(folder);
            moved = moveFileTo(item.stagedResult, item.output);
            if (!moved && PathExists(item.output)) {
                failItem(i, u"Error: '%1' already exists"_s.arg(item.output), errors);
                removePath(item.stagedResult);
                continue;
            }
        }
        if (!moved) {
            failItem(i, u"Error: Cannot write %1"_s.arg(item.output), errors);
            removePath(item.stagedResult);
        }
    }

    // Failed images, found by their own paths in ExifTool's error lines. Most end in
    // " - INPUT"; those about temporary files or renaming name the output instead.
    for (const QString &line : errors.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.left(8).compare(u"Warning:"_s, Qt::CaseInsensitive) == 0)
            continue;
        for (int i = first; i < first + count; ++i) {
            Item &item = m_items[i];
            if (item.declined || item.notRun || item.failed)
                continue;
            const QString out = item.staged ? item.stagedResult : item.output;
            if (line.endsWith(u" - "_s + item.etInput) || line.endsWith(u" "_s + out)
                || line.endsWith(u" "_s + out + u"_exiftool_tmp"_s)
                || line.endsWith(u" "_s + item.etInput + u"_exiftool_tmp"_s)) {
                item.failed = true;
                item.reason = line;
                break;
            }
        }
    }

    // Every other image must have its complete output; if not, say so rather than
    // report it as cleaned.
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (item.declined || item.notRun || item.failed)
            continue;
        if (outputIsComplete(item, !unfinished.contains(i), suspects.contains(i)))
            continue;
        if (suspects.contains(i) && !overwrite)
            removePath(item.output); // cut short by ExifTool's end: never leave it as an "existing output"
        if (unfinished.contains(i))
            failItem(i, tr("Error: ExifTool ended before it finished this image"), errors);
        else if (overwrite)
            failItem(i, u"Error: The image was not rewritten"_s, errors);
        else
            failItem(i, u"Error: No output was written to %1"_s.arg(item.output), errors);
    }
    // The kept orientation and colour space go back into the cleaned JPEGs.
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (item.declined || item.notRun || item.failed || item.lookExif.isEmpty())
            continue;
        QString why;
        if (!fillExifPlaceholder(item.output, item.lookExif, &why))
            failItem(i, u"Error: Cannot keep the orientation and colour space (%1) - %2"_s.arg(why, item.input), errors);
    }
    run.failed = ran.failed && !(ran.processDied && m_hurry);
    for (int i = first; i < first + count; ++i) {
        if (m_items.at(i).failed)
            run.failed = true;
    }
    if (!run.failed)
        errors.clear(); // warnings of a problem-free batch are not problems

    // Check the finished outputs while ExifTool works on the next batches.
    if (m_verifier) {
        for (int i = first; i < first + count; ++i) {
            const Item &item = m_items.at(i);
            if (!item.declined && !item.notRun && !item.failed)
                m_verifier->submit(i, item.input, item.output);
        }
    }

    // The log shows the real names, not the stand-ins.
    for (int i = first; i < first + count; ++i) {
        Item &item = m_items[i];
        if (item.staged) {
            errors.replace(item.stagedResult, item.output);
            item.reason.replace(item.stagedResult, item.output);
            if (item.etInput != item.input) {
                errors.replace(item.etInput, item.input);
                item.reason.replace(item.etInput, item.input);
            }
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
    const auto take = [&](int batch, const BatchRun &ran) {
        const int first = batch * BatchSize;
        const int count = std::min(BatchSize, n - first);
        ended[batch] = afterBatch(batch, first, count, ran);
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
    QString error;
    const bool ok = pool.run(
        batches,
        [this, n](int batch) {
            const int first = batch * BatchSize;
            return commandsFor(batch, first, std::min(BatchSize, n - first));
        },
        take, &error);
    if (!ok) {
        result.internalError = true;
        result.errorDetail = tr("The argument file could not be written: %1").arg(error);
    }
    return ok;
}

void CleanJob::verifyOutputs(JobResult &result)
{
    if (!m_verifier)
        return;
    QHash<QString, int> itemOf;
    for (int i = 0; i < m_items.size(); ++i)
        itemOf.insert(m_items.at(i).output, i);
    m_verifier->waitForAll();
    for (FileOutcome &o : result.outcomes) {
        const int i = itemOf.value(o.output, -1);
        if (o.status == FileStatus::Cleaned && i >= 0)
            m_verifier->applyVerdict(i, o);
    }
    m_verifier.reset();
}

void CleanJob::checkResults(JobResult &result)
{
    QRandomGenerator *random = m_env.random ? m_env.random : QRandomGenerator::global();
    const std::optional<QDateTime> fixed = FileDate::fixedDateTime(m_options.fixedDate);
    QList<FileOutcome> outcomes;
    outcomes.reserve(m_items.size());
    for (int i = 0; i < m_items.size(); ++i) {
        keepAlive();
        const Item &item = m_items.at(i);
        FileOutcome outcome;
        outcome.input = item.input;
        if (item.declined) {
            outcome.status = FileStatus::Skipped;
            outcome.output = item.output;
            outcome.message = tr("kept existing output");
        } else if (item.notRun) {
            outcome.status = FileStatus::Skipped;
            outcome.message = notRunMessage();
        } else if (item.failed) {
            outcome.status = FileStatus::Failed;
            outcome.message = item.reason;
        } else {
            outcome.status = FileStatus::Cleaned;
            outcome.output = item.output;
            ++result.processedCount;
            result.inputBytes += item.inputSize;
            result.outputBytes += std::max<qint64>(0, fileSize(item.output));
            if (m_options.chkResetFileDates) {
                if (m_options.randomDate)
                    FileDate::SetFileDate(item.output, FileDate::randomDateTime(*random));
                else if (fixed)
                    FileDate::SetFileDate(item.output, *fixed);
            }
            result.cleanedFiles << CleanedFile{GetFileName(item.output), item.output, item.input};
        }
        outcomes << outcome;
    }
    // Merge the inputs that never became items back in, in the order of the images.
    result.outcomes.clear();
    qsizetype k = 0;
    for (qsizetype j = 0; j < outcomes.size() || k < m_leftOut.size();) {
        if (k < m_leftOut.size() && (j >= outcomes.size() || m_leftOutAt.at(k) < m_items.at(j).order))
            result.outcomes << m_leftOut.at(k++);
        else
            result.outcomes << outcomes.at(j++);
    }
}

void CleanJob::moveProblemFiles(JobResult &result)
{
    const bool toTrash = m_options.optProcessingFail == 0;
    QString folder = m_options.txtProcessingFailFolder.trimmed();
    if (!toTrash) {
        if (folder.isEmpty()) {
            // Nowhere sensible to put them: they stay where they are.
            appendToLog(tr("No folder for problem files was given; they were not moved."));
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
    m_running = true;
    m_stopRequested = m_hurry = false;
    const auto notRunning = qScopeGuard([this] { m_running = false; });
    JobResult result;
    m_items.clear();
    m_skipNotes.clear();
    m_leftOut.clear();
    m_leftOutAt.clear();
    m_batchCommands.clear();

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
        m_workLock.reset();
        m_work.reset();
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
    for (const Item &item : std::as_const(m_items))
        if (item.failed)
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
        if (m_options.chkDeleteFileOnFail) {
            moveProblemFiles(result);
            result.problemFilesMoved = true;
            result.errorInfoCaption = m_options.optProcessingFail == 0
                ? tr("Problem files were moved to recycle bin.")
                : tr("Problem files were moved to specified folder.");
        }
    }
    result.clearImageList = result.problemCount == 0 && !result.stopped;

    QCoreApplication::processEvents();
    setStatus(tr("Finished!"));
    m_pool.reset();
    m_workLock.reset();
    m_work.reset();
    // A log of our own that nothing was written to is not left lying about.
    if (!result.logWritten && m_logPath != joinPath(m_env.tempFolder, u"qmk_log.txt"_s) && fileSize(m_logPath) == 0)
        removePath(m_logPath);
    m_logLock.reset();
    pause(1000);
    return result;
}
