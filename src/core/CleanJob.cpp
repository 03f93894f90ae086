#include "core/CleanJobItem_p.h"
#include "core/ContainerScan.h"
#include "core/ExifToolPool.h"
#include "core/JobFiles.h"
#include "core/KeepValues.h"
#include "core/NativePath.h"
#include "core/NativeStage.h"
#include "core/OutputVerifier.h"
#include "core/Staging.h"
#include "core/SystemFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <dirent.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace JobDetail {

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
    struct stat st { };
    if (::stat(encodePath(path).constData(), &st) != 0)
        return -1;
    return st.st_size;
}

// An output an earlier run did not finish: empty or cut short (a power loss before the
// disk had it), or with the placeholder of the kept values still unfilled (an older
// version killed between ExifTool's write and the fill).
bool isUnfinishedOutput(const QString &path)
{
    struct stat st { };
    if (::stat(encodePath(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return st.st_size == 0 || holdsExifPlaceholder(path)
        || scanContainers(path).verdict == ContainerScan::Verdict::Broken;
}

bool isRegularFile(const QString &path)
{
    struct stat st { };
    return ::lstat(encodePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace JobDetail

using namespace JobDetail;

QString CleanJob::notRunMessage()
{
    return tr("Not cleaned: the run was stopped");
}

CleanJob::CleanJob(const JobOptions &options, const JobEnvironment &environment, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_env(environment)
{
    if (m_env.programFolder.isEmpty())
        m_env.programFolder = programFolder();
    m_ffmpeg = m_env.ffmpeg.isEmpty() ? findFfmpeg() : m_env.ffmpeg;
}

bool CleanJob::remuxesVideos() const
{
    // A remux takes out everything at once; single groups are ExifTool's to remove.
    return m_options.tags.all && !m_ffmpeg.isEmpty();
}

CleanJob::~CleanJob() = default;

QString CleanJob::logFilePath() const
{
    return m_logPath.isEmpty() ? joinPath(m_env.tempFolder, u"qmk_log.txt"_s) : m_logPath;
}

bool CleanJob::appendToLog(const QString &text) const
{
    return SaveTextToFile(logFilePath(), printablePath(text), false);
}

void CleanJob::stop()
{
    if (m_phase == Phase::Idle || m_stop == StopLevel::Hurried)
        return;
    if (m_stop == StopLevel::Requested) {
        m_stop = StopLevel::Hurried;
        if (m_pool)
            m_pool->interrupt();
        if (m_video)
            m_video->cancel();
        return;
    }
    m_stop = StopLevel::Requested;
    m_paused = false; // a stop overrides a pause
    if (m_video)
        m_video->dropWaiting(); // the videos it never started end as not run
    if (m_pool) {
        m_pool->requestStop();
        m_pool->resume(); // batches the native writer never got to end as not run
    }
    // A batch of 64 camera pictures takes ExifTool a few seconds; a person who asked to
    // stop should not wait for it. After a moment ExifTool is interrupted, which it
    // survives only long enough to remove the file it was writing.
    QTimer::singleShot(StopGraceMs, this, [this] {
        if (m_phase != Phase::Idle && m_stop == StopLevel::Requested)
            stop();
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
        struct stat st { };
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
}

void CleanJob::later(void (CleanJob::*step)())
{
    QMetaObject::invokeMethod(this, step, Qt::QueuedConnection);
}

void CleanJob::removeEmptyLog(const JobResult &result) const
{
    // A log that holds no problem is not left lying about: notes alone (an earlier output
    // left out) are in the summary already, and runs side by side would pile such logs up.
    const bool problems = result.problemCount > 0 || result.notMovedCount > 0 || result.internalError;
    if (!m_logPath.isEmpty() && (!problems || (!result.logWritten && fileSize(m_logPath) == 0)))
        removePath(m_logPath);
}

void CleanJob::releaseWorkFiles()
{
    m_video.reset(); // interrupts ffmpeg and waits for it
    m_native.reset(); // waits for what it is writing into the staging folders
    m_pool.reset();
    m_verifier.reset();
    m_staging.reset();
    m_workLock.reset();
    m_work.reset();
    removeEmptyLog(m_result);
    m_logLock.reset();
}

// A: start.
void CleanJob::start(const QStringList &imageList)
{
    if (m_phase != Phase::Idle)
        return;
    m_phase = Phase::Starting;
    m_stop = StopLevel::None;
    m_paused = false;
    m_percent = 0;
    m_result = JobResult();
    m_images = imageList;
    m_items.clear();
    m_skipNotes.clear();
    m_leftOut.clear();
    m_leftOutAt.clear();
    m_batchCommands.clear();
    m_pending.clear();
    m_lastEnded = -1;
    m_allEnded = false;
    m_endError.clear();
    m_itemOutcomes.clear();
    m_outcomeItem.clear();

    Q_EMIT progressChanged(0);
    setStatus(QString());
    // The short pause lets a person read the captions.
    if (m_env.pauses)
        QTimer::singleShot(250, this, &CleanJob::setUp);
    else
        later(&CleanJob::setUp);
}

void CleanJob::fail(const QString &detail)
{
    m_result.internalError = true;
    if (m_result.errorDetail.isEmpty())
        m_result.errorDetail = detail;
    m_result.summary = tr("Internal program error!");
    m_result.logPath = logFilePath();
    releaseWorkFiles();
    finish();
}

void CleanJob::setUp()
{
    for (QString &f : m_images) {
        // Doubled separators collapse, scanning from the left without overlap.
        qsizetype at = 0;
        while ((at = f.indexOf(u"//"_s, at)) >= 0)
            f.replace(at, 2, u"/"_s), ++at;
    }
    m_result.images = m_images;

    setStatus(tr("Preparing..."));

    if ((m_options.outputMode == OutputMode::Prefix && !isUsableNameAffix(m_options.prefix))
        || (m_options.outputMode == OutputMode::Suffix && !isUsableNameAffix(m_options.suffix)))
        return fail(tr("A prefix or suffix must be part of a file name: it cannot be empty or hold '/'."));
    if (QDir::isRelativePath(m_env.tempFolder))
        m_env.tempFolder = joinPath(m_env.programFolder, m_env.tempFolder);
    if (!isLiteralArgfilePath(joinPath(m_env.tempFolder, u"qmk_args.txt"_s), false))
        return fail(tr("The temporary folder %1 cannot hold ExifTool's argument file; "
                       "set TMPDIR or TEMP to another folder.")
                        .arg(m_env.tempFolder));
    {
        QString error;
        if (!setUpWorkFiles(&error))
            return fail(error);
    }
    m_result.logPath = logFilePath();
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
    m_haveExifTool = !m_env.exiftool.isEmpty() && QFileInfo(m_env.exiftool).isExecutable();
    if (m_haveExifTool && !m_images.isEmpty()) {
        const int batches = static_cast<int>((m_images.size() + BatchSize - 1) / BatchSize);
        m_pool = std::make_unique<ExifToolPool>(
            m_env.exiftool, m_env.programFolder, m_work->path(), std::clamp(m_env.jobs, 1, batches));
        if (stopRequested())
            m_pool->requestStop();
        // Where the native writer will most likely do every image, ExifTool is started
        // only for an image it leaves.
        const bool allNative = m_options.nativeWriter && nativeKeepFor(m_options.tags)
            && std::all_of(m_images.cbegin(), m_images.cend(), hasNativeSuffix);
        if (!allNative)
            m_pool->warmUp();
    }

    // B: one command per image.
    m_plan = std::make_unique<Plan>();
    const qsizetype n = m_images.size();
    m_plan->random = m_env.random ? m_env.random : QRandomGenerator::global();
    m_plan->fixedDate = FileDate::fixedDateTime(m_options.fixedDate);
    if (m_options.overwriteWithoutAsking)
        m_plan->answer = m_plan->asked = true;
    m_plan->inputIds.resize(n);
    m_plan->outputs.resize(n);
    m_plan->existingOutputIds.resize(n);
    m_plan->renamed.fill(false, n);
    m_plan->earlier.fill(false, n);
    m_phase = Phase::Planning;
    planSlice();
}

void CleanJob::planSlice()
{
    // A slice at a time, so a window paints between them over tens of thousands of images.
    if (!planStep()) {
        later(&CleanJob::planSlice);
        return;
    }
    m_plan.reset();

    // C: the run.
    m_clock.start();
    setStatus(tr("Cleaning images..."));
    for (const QString &note : std::as_const(m_skipNotes))
        m_result.logWritten = appendToLog(note) || m_result.logWritten;

    if (m_items.isEmpty())
        return checkOutcomes();
    if (!m_haveExifTool)
        return fail(tr("ExifTool was not found. Install it (Debian package libimage-exiftool-perl) "
                       "or place the exiftool program beside Quillmark."));
    if (m_options.verify) {
        m_verifier = std::make_unique<OutputVerifier>(m_env.exiftool, m_env.programFolder);
        connect(m_verifier.get(), &OutputVerifier::progressed, this, &CleanJob::placeVerified);
    }
    startBatches();
}

void CleanJob::startBatches()
{
    m_phase = Phase::Cleaning;
    const int n = int(m_items.size());
    const int batches = (n + BatchSize - 1) / BatchSize;
    if (!m_pool)
        m_pool = std::make_unique<ExifToolPool>(
            m_env.exiftool, m_env.programFolder, m_work->path(), std::clamp(m_env.jobs, 1, std::max(1, batches)));
    if (stopRequested())
        m_pool->requestStop();
    m_ended.assign(batches, std::nullopt);
    resetProgress(batches);
    m_pool->setPaused(m_paused);
    connect(m_pool.get(), &ExifToolPool::commandProgressed, this, &CleanJob::commandProgressed);
    connect(m_pool.get(), &ExifToolPool::batchHeldBack, this, &CleanJob::checkPaused);
    m_nextToTake = 0;
    m_nativeNext = 0;
    m_nativeRunning.clear();
    m_videoRunning.clear();
    m_staged.clear();
    connect(m_pool.get(), &ExifToolPool::batchEnded, this, &CleanJob::batchEnded);
    // Queued: the pool may be deleted by what follows, so not from inside its own call.
    connect(m_pool.get(), &ExifToolPool::allEnded, this, &CleanJob::batchesEnded, Qt::QueuedConnection);
    if (m_options.nativeWriter)
        m_native = NativeStage::create(m_options.tags);
    if (m_native) {
        connect(m_native.get(), &NativeStage::imageWritten, this, &CleanJob::nativeImageWritten);
        connect(m_native.get(), &NativeStage::batchWritten, this, &CleanJob::nativeWritten);
    }
    if (remuxesVideos() && std::any_of(m_items.cbegin(), m_items.cend(), [](const Item &item) { return item.video; })) {
        m_video = std::make_unique<VideoStage>(m_ffmpeg, m_work->path());
        connect(m_video.get(), &VideoStage::videoWritten, this, &CleanJob::nativeImageWritten);
        connect(m_video.get(), &VideoStage::videoWritten, this, &CleanJob::checkPaused);
        m_video->setPaused(m_paused);
        connect(m_video.get(), &VideoStage::progressed, this, &CleanJob::videoProgressed);
        connect(m_video.get(), &VideoStage::batchWritten, this, &CleanJob::videoWritten);
    }
    m_pool->start(
        batches,
        [this, n](int batch) {
            const int first = batch * BatchSize;
            return commandsFor(batch, first, std::min(BatchSize, n - first));
        },
        [this](int batch) { return batchReady(batch); });
    writeNatively();
    checkPaused();
}

void CleanJob::takeEndedBatches()
{
    // Batches may end in any order; their results are taken in list order, so the
    // log and the problem count read as if they ran one by one.
    const int batches = int(m_ended.size());
    while (m_nextToTake < batches && m_ended[m_nextToTake]) {
        const BatchRun &run = *m_ended[m_nextToTake];
        if (run.failed) {
            ++m_result.problemCount;
            if (appendToLog(run.errorText.trimmed()))
                m_result.logWritten = true;
            m_result.problemTexts += run.errorText;
        }
        batchCounted(m_nextToTake);
        ++m_nextToTake;
    }
    if (m_native || m_video)
        writeNatively(); // the native writer may run further ahead now
}

bool CleanJob::verifiedBatch(const PendingBatch &pending) const
{
    if (!m_verifier)
        return true;
    return std::all_of(pending.ready.cbegin(), pending.ready.cend(), [this](int i) { return m_verifier->has(i); });
}

void CleanJob::placeAllBut(int keep)
{
    // A batch's outputs go into place once the next batch has ended (by then the disk
    // has written them, and the sync before the renames costs next to nothing) and once
    // every one of them is checked.
    for (const int b : m_pending.keys()) {
        if (b != keep && verifiedBatch(m_pending.value(b)))
            m_ended[b] = placeBatch(b);
    }
    takeEndedBatches();
}

void CleanJob::placeVerified()
{
    if (m_phase != Phase::Cleaning)
        return;
    placeAllBut(m_allEnded ? -1 : m_lastEnded);
    if (m_allEnded && m_pending.isEmpty())
        batchesEnded(m_endError);
    else
        checkPaused();
}

void CleanJob::batchEnded(int batch, const BatchRun &ran)
{
    const int first = batch * BatchSize;
    m_lastEnded = batch;
    completeBatch(batch, first, std::min(BatchSize, int(m_items.size()) - first), ran);
    placeAllBut(batch);
    checkPaused();
}

void CleanJob::batchesEnded(const QString &error)
{
    m_allEnded = true;
    m_endError = error;
    placeAllBut(-1);
    if (!m_pending.isEmpty())
        return; // placeVerified() comes back once the checks are in
    if (!error.isEmpty())
        return fail(tr("The argument file could not be written: %1").arg(error));
    checkOutcomes();
}

// D: what was written.
void CleanJob::checkOutcomes()
{
    m_phase = Phase::Checking;
    // Only an image ExifTool itself refused is a problem file that may be moved away.
    for (const Item &item : std::as_const(m_items))
        if (item.state == Item::State::Failed && item.refused)
            m_result.failedImages << item.input;
    if (m_percent != 100)
        Q_EMIT progressChanged(m_percent = 100);
    setStatus(m_options.resetFileDates ? tr("Obfuscating file dates...") : tr("Checking files..."));
    checkSlice();
}

void CleanJob::checkSlice()
{
    if (!checkStep()) {
        later(&CleanJob::checkSlice);
        return;
    }
    setStatus(tr("Checking files..."));
    m_result.stopped = stopRequested();
    // What is left in each output: the scan or ExifTool's read-back decides its status.
    if (!m_verifier)
        return verified();
    connect(m_verifier.get(), &OutputVerifier::allChecked, this, &CleanJob::verified);
    m_verifier->checkAll();
}

void CleanJob::verified()
{
    if (m_verifier)
        m_verifier->disconnect(this);
    applyVerdicts();
    summarise();
}

// E: summary.
void CleanJob::summarise()
{
    JobResult &result = m_result;
    result.seconds = (m_clock.elapsed() + 500) / 1000;
    result.summary
        = summaryText(result.processedCount, result.inputBytes, result.outputBytes, result.seconds, m_env.locale);
    if (result.declinedCount > 0)
        result.summary += crlf
            + (result.declinedCount == 1 ? tr("1 existing output was kept.")
                                         : tr("%n existing outputs were kept.", nullptr, result.declinedCount));
    if (result.earlierOutputCount > 0)
        result.summary += crlf
            + (result.earlierOutputCount == 1
                    ? tr("1 earlier output was left out.")
                    : tr("%n earlier outputs were left out.", nullptr, result.earlierOutputCount));
    if (result.stopped)
        result.summary += crlf + tr("The run was stopped; the images cleaned so far are kept.");

    // F, G: problems.
    if (result.problemCount >= 1) {
        result.summary += crlf + crlf + tr("Problems were reported. See log for details.");
        if (m_options.moveProblemFiles && !result.failedImages.isEmpty())
            moveProblemFiles(result);
    }
    result.clearImageList = result.problemCount == 0 && !result.stopped;

    setStatus(tr("Finished!"));
    closeProcesses();
}

void CleanJob::closeProcesses()
{
    // The run is over once its ExifTool processes are: each is asked to end, and the work
    // files go after that.
    m_phase = Phase::Finishing;
    m_closing = 0;
    if (m_pool) {
        ++m_closing;
        connect(m_pool.get(), &ExifToolPool::closed, this, &CleanJob::processClosed, Qt::QueuedConnection);
        m_pool->close();
    }
    if (m_verifier) {
        ++m_closing;
        connect(m_verifier.get(), &OutputVerifier::closed, this, &CleanJob::processClosed, Qt::QueuedConnection);
        m_verifier->close();
    }
    if (m_closing == 0) {
        ++m_closing;
        processClosed();
    }
}

void CleanJob::processClosed()
{
    if (--m_closing > 0)
        return;
    releaseWorkFiles();
    // The closing pause lets a person read "Finished!".
    if (m_env.pauses)
        QTimer::singleShot(1000, this, &CleanJob::finish);
    else
        finish();
}

void CleanJob::finish()
{
    m_phase = Phase::Idle;
    Q_EMIT finished(m_result);
}
