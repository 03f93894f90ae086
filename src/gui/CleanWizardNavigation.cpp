// The page flow: showing a page, Next, Back and Close, and the rules that enable the
// controls across the pages.

#include "core/CleanJob.h"
#include "core/RunCheck.h"
#include "core/RunReport.h"
#include "core/StoredOptions.h"
#include "core/TagOptions.h"
#include "gui/CleanWizard.h"
#include "gui/DatePage.h"
#include "gui/FinishedPage.h"
#include "gui/ImagesPage.h"
#include "gui/OutputPage.h"
#include "gui/Prompts.h"
#include "gui/ReadyPage.h"
#include "gui/RunPage.h"
#include "gui/TagsPage.h"
#include "gui/WelcomePage.h"
#include "gui/WizardRules.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

// --- the wizard -----------------------------------------------------------------------

WizardPage *CleanWizard::pageWidget(Page page) const
{
    switch (page) {
    case Page::Welcome:
        return m_welcomePage;
    case Page::Images:
        return m_imagesPage;
    case Page::Output:
        return m_outputPage;
    case Page::Tags:
        return m_tagsPage;
    case Page::Date:
        return m_datePage;
    case Page::Ready:
        return m_readyPage;
    case Page::Run:
        return m_runPage;
    case Page::Finished:
        return m_finishedPage;
    }
    return nullptr;
}

void CleanWizard::setPageVisibility(Page page)
{
    picSplash->hide();
    picFrameTop->hide();
    for (const Page each : allPages)
        pageWidget(each)->hide();
    for (QFrame *line : {Line3, Line1, Line2, Line4})
        line->show();
    // The first and the last page have the side picture instead of the header.
    const bool side = page == Page::Welcome || page == Page::Finished;
    picSplash->setVisible(side);
    picFrameTop->setVisible(!side);
    Line1->setVisible(!side);
    Line2->setVisible(!side);
    pageWidget(page)->show();
}

void CleanWizard::showPage()
{
    setPageVisibility(m_page);

    const auto header = [this](const QString &title, const QString &text) {
        lblTopTitle->setText(title);
        lblTopText->setText(text);
    };
    const auto updateAndFocus = [this] {
        updateControls();
        if (cmdNext->isEnabled())
            cmdNext->setFocus();
    };
    const auto buttons = [this](bool back, bool next, bool cancel) {
        cmdBack->setEnabled(back);
        cmdNext->setEnabled(next);
        cmdCancel->setEnabled(cancel);
    };

    switch (m_page) {
    case Page::Welcome:
        buttons(false, true, true);
        cmdNext->setText(tr("Next >"));
        break;
    case Page::Images:
        buttons(true, false, true);
        cmdCancel->setText(tr("Close"));
        cmdNext->setText(tr("Next >"));
        header(tr("Choose image files"),
            tr("Add the images you want to clean. When you are ready, click \"Next\" to continue to the "
               "output page."));
        updateAndFocus();
        break;
    case Page::Output:
        buttons(true, true, true);
        cmdNext->setText(tr("Next >"));
        header(tr("Options (1/3)"),
            tr("Decide where and how to save the cleaned files. Click \"Next\" to continue to the second "
               "options page."));
        updateAndFocus();
        break;
    case Page::Tags:
        buttons(true, true, true);
        cmdNext->setText(tr("Next >"));
        header(tr("Options (2/3)"), tr("Decide which metadata tags you want to remove."));
        m_tagsPage->showDisclaimerFor(m_lstFiles);
        updateAndFocus();
        break;
    case Page::Date:
        buttons(true, true, true);
        cmdNext->setText(m_readyPage->skipped() ? tr("Start >") : tr("Next >"));
        header(tr("Options (3/3)"), tr("Set additional options and processing rules."));
        cmdNext->setFocus();
        break;
    case Page::Ready:
        buttons(true, true, true);
        cmdNext->setText(tr("Start >"));
        header(tr("Ready to start"), tr("Check what the run will do; \"< Back\" changes the options."));
        showReadySummary();
        updateAndFocus(); // runs the check before a run: Start stays disabled when it fails
        break;
    case Page::Run:
        buttons(false, false, true);
        cmdCancel->setText(tr("Stop"));
        header(tr("Cleaning images"), tr("Please wait while the images are being processed..."));
        break;
    case Page::Finished:
        buttons(true, false, true);
        cmdCancel->setText(tr("Quit"));
        header(tr("Finished"),
            tr("The wizard has finished cleaning the images! Press the exit button to quit, or the back "
               "button to process more files."));
        cmdCancel->setFocus();
        break;
    }
    assignMnemonics(m_page);
}

void CleanWizard::goNext()
{
    // The finished page is the last one, and the job must not be entered twice.
    if (m_page == Page::Run || m_page == Page::Finished)
        return;
    m_page = static_cast<Page>(static_cast<int>(m_page) + 1);
    if (m_page == Page::Ready && m_readyPage->skipped())
        m_page = Page::Run;
    // Checked again right before the start, also when the ready page is skipped: a run
    // that could write nothing shows the ready page with the reason instead.
    if (m_page == Page::Run && !checkRun().isEmpty())
        m_page = Page::Ready;
    showPage();
    if (m_page == Page::Run)
        startRun(); // the finished page follows when the job has ended (jobEnded)
}

void CleanWizard::goBack()
{
    // From the finished page back to the file list, for more images.
    if (m_page == Page::Finished)
        m_page = Page::Images;
    else if (m_page != Page::Welcome && m_page != Page::Run)
        m_page = static_cast<Page>(static_cast<int>(m_page) - 1);
    showPage();
}

void CleanWizard::cancelOrClose()
{
    // While files are added the third button says Stop and stops the adding; the files
    // listed so far stay.
    if (m_bulkAdding) {
        m_stopAdding = true;
        return;
    }
    // On the cleaning page the third button stops the run.
    if (m_jobRunning) {
        askToStop();
        return;
    }
    close();
}

bool CleanWizard::askToStop()
{
    // Asked once: a second close or Escape while the question is open, or after the
    // stop was asked for, changes nothing.
    if (m_askingStop || !m_job || m_job->stopRequested())
        return false;
    m_askingStop = true;
    // Nothing new is cleaned while the question waits: the answer decides.
    m_job->pause();
    m_runPage->setPaused(true);
    const bool yes = Prompts::question(this, tr("Stop cleaning? The images cleaned so far are kept."));
    m_askingStop = false;
    m_runPage->setPaused(false);
    if (!m_job)
        return false;
    if (!yes) {
        m_job->resume();
        return false;
    }
    m_job->stop();
    cmdCancel->setEnabled(false);
    return true;
}

ControlInputs CleanWizard::controlInputs() const
{
    ControlInputs in;
    in.page = m_page;
    in.imageCount = m_lstFiles.ListCount();
    const int mode = m_outputPage->outputMode();
    in.outputMode = static_cast<OutputMode>(mode < 0 ? 0 : mode);
    in.outputFolder = m_outputPage->outputFolder();
    in.prefix = m_outputPage->prefix();
    in.suffix = m_outputPage->suffix();
    in.tags = m_tagsPage->tags();
    return in;
}

void CleanWizard::showReadyOrIncomplete()
{
    ControlInputs in = controlInputs();
    if (m_page == Page::Run || m_page == Page::Finished)
        return;
    m_page = Page::Ready;
    for (const Page each : {Page::Images, Page::Output, Page::Tags, Page::Date}) {
        in.page = each;
        if (!controlStates(in).cmdNextEnabled) {
            m_page = each;
            break;
        }
    }
    showPage();
}

QString CleanWizard::checkRun()
{
    m_runProblem = RunCheck::problem(storedOptions().job, m_lstFiles.toStringList(), m_programFolder);
    m_readyPage->showCheck(m_runProblem);
    return m_runProblem;
}

void CleanWizard::updateControls()
{
    ControlInputs in = controlInputs();
    // Outputs of an earlier run that the list holds are not counted as images to clean.
    if (m_page == Page::Images)
        in.earlierOutputs
            = RunCheck::earlierOutputCount(m_lstFiles.toStringList(), storedOptions().job, m_programFolder);

    ControlStates s = controlStates(in);
    if (m_page == Page::Ready && !checkRun().isEmpty())
        s.cmdNextEnabled = false;

    // The last two pages keep Next disabled whatever calls this (a drop on the side
    // picture of the finished page, say): a press there would lead past the last page.
    if (m_page != Page::Run && m_page != Page::Finished)
        cmdNext->setEnabled(s.cmdNextEnabled);
    if (s.updateCountCaption) {
        m_imagesPage->setCountCaption(s.countCaption);
        m_imagesPage->setCountToolTip(leftOutLine(m_leftOut));
    }
    m_outputPage->applyStates(s);
    m_tagsPage->applyStates(s);
    if (m_page == Page::Output)
        m_outputPage->showMessage(s.outputMessage);
    if (s.focusNext && cmdNext->isEnabled() && cmdNext->isVisible())
        cmdNext->setFocus();
}
