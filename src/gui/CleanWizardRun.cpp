// The job on screen: starting the run from the ready page, filling the finished page
// with its result, and the metadata viewer of a listed image.

#include "core/CleanJob.h"
#include "core/ConsoleRunner.h"
#include "core/NativePath.h"
#include "core/RunReport.h"
#include "core/StoredOptions.h"
#include "core/TagOptions.h"
#include "gui/CleanWizard.h"
#include "gui/DatePage.h"
#include "gui/FinishedPage.h"
#include "gui/MetadataViewer.h"
#include "gui/OutcomeListModel.h"
#include "gui/OutputPage.h"
#include "gui/PathListModel.h"
#include "gui/Prompts.h"
#include "gui/RunPage.h"
#include "gui/TagsPage.h"
#include "gui/WaitCursor.h"

#include <QApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;

// --- the job --------------------------------------------------------------------------

void CleanWizard::startRun()
{
    m_jobRunning = true;
    // The hourglass stays until the job has ended (jobEnded).
    QApplication::setOverrideCursor(Qt::WaitCursor);

    m_runPage->reset();
    m_finishedPage->clearReport();
    m_cleanedModel->clear();

    JobOptions options = storedOptions().job;
    options.overwriteWithoutAsking = bAutoRun;

    JobEnvironment environment;
    environment.exiftool = m_exiftool;
    environment.programFolder = m_programFolder;
    environment.tempFolder = m_systemFolders.sTemp;
    environment.pauses = m_setup.pauses;
    environment.jobs = QThread::idealThreadCount(); // one ExifTool process per core
    environment.locale = QLocale();

    auto *job = new CleanJob(options, environment, this);
    job->setOverwriteQuestion([this] {
        return Prompts::question(
            this, tr("One or more output file already exist! Do you want to overwrite existing file(s)?"));
    });
    connect(job, &CleanJob::statusChanged, m_runPage, &RunPage::setStatus);
    connect(job, &CleanJob::progressChanged, m_runPage, &RunPage::setProgress);
    connect(job, &CleanJob::progressed, m_runPage, &RunPage::setProgressDetail);
    connect(job, &CleanJob::finished, this, &CleanWizard::jobEnded);
    m_job = job;
    job->start(m_lstFiles.toStringList());
}

void CleanWizard::jobEnded(const JobResult &result)
{
    if (m_job)
        m_job->deleteLater();
    m_job = nullptr;
    showResult(result);
    m_jobRunning = false;
    QApplication::restoreOverrideCursor();
    m_page = Page::Finished;
    showPage();
    if (m_closeAfterJob)
        QTimer::singleShot(0, this, &QWidget::close);
    // An automatic run ends once its result has been on screen for a moment.
    if (bAutoRun)
        QTimer::singleShot(m_setup.autoWaitMs, this, [this] { endProcessAtOnce(m_lastRunHadProblems ? 1 : 0); });
}

void CleanWizard::showResult(const JobResult &result)
{
    m_lastRunHadProblems = result.internalError || result.problemCount > 0 || result.stopped;
    m_sFirstImageFolder = result.sFirstImageFolder;

    // Every image of the run gets a row, the files left out while adding too; a run that
    // reported no outcomes lists its outputs.
    m_lastRunHadProblems = m_lastRunHadProblems || !m_leftOut.isEmpty();

    const QLocale locale;
    const RunDescription run = describeRun(result, m_leftOut, locale);
    const QList<FileOutcome> &rows = run.rows;
    const RunCounts &counts = run.counts;
    m_finishedPage->setHeadline(run.headline);
    m_finishedPage->setCounts(run.countLines);
    // Below the counts, how much and how fast; an internal error says so instead.
    QString summary = result.internalError
        ? result.summary
        : summaryText(result.processedCount, result.inputBytes, result.outputBytes, result.seconds, locale);
    m_finishedPage->setSummary(summary.replace(u"\r\n"_s, u"\n"_s));

    m_finishedPage->setProblems(RunProblems {rows, result.problemTexts, result.errorDetail});
    if (result.internalError)
        m_finishedPage->showInternalError(result.errorDetail);
    else if (result.problemCount < 1 && counts.failed + counts.residue == 0)
        m_finishedPage->showNoProblems();
    else
        m_finishedPage->showProblems(result.errorInfoCaption);

    m_cleanedModel->setOutcomes(rows);
    m_finishedPage->updateNotReached();
    rememberOriginals(result);

    if (result.clearImageList) {
        clearLeftOut();
        m_filesModel->clear();
    } else if (result.images.size() == m_lstFiles.ListCount())
        m_filesModel->replaceTexts(result.images);
}

// --- the metadata viewer --------------------------------------------------------------

void CleanWizard::showMetadata(bool cleaned, int row)
{
    const PathList &list = cleaned ? m_lstCleaned : m_lstFiles;
    if (m_viewerBusy || row < 0 || row >= list.ListCount())
        return;
    const QString path = list.List(row);
    if (path.isEmpty())
        return; // a failed or skipped image has no output to show
    // A cleaned file is shown against its original, where that is still there.
    if (cleaned && compareWithOriginal(row))
        return;

    ConsoleRunner runner;
    runner.setWorkingDirectory(m_programFolder);
    int result = 0;
    {
        WaitCursor hourglass;
        m_viewerBusy = true;
        // "-config ''" first, so a personal ExifTool configuration cannot change the listing;
        // "-ee" shows what a video's telemetry track holds, as the run's check sees it.
        result = runner.RunExifTool(m_exiftool, {u"-config"_s, QString(), u"-a"_s, u"-ee"_s, u"-G1"_s, u"-s"_s, path});
        m_viewerBusy = false;
    }
    if (result != 0) {
        Prompts::message(this, tr("There was an error reading the file..."), Prompts::Icon::Exclamation);
        return;
    }
    MetadataViewer report(runner.sConsoleOutput(), this, path);
    Prompts::execModal(report, report.txtReport->toPlainText());
}
