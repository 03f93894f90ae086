// The page flow: showing a page, Next, Back and Close, the rules that enable the controls,
// and the option pages' check boxes and browse buttons.

#include "core/CleanJob.h"
#include "core/FileDate.h"
#include "core/NativePath.h"
#include "core/RunReport.h"
#include "core/TagOptions.h"
#include "gui/BrowseForFolder.h"
#include "gui/CleanWizard.h"
#include "gui/PathListModel.h"
#include "gui/Prompts.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

// --- the wizard -----------------------------------------------------------------------

void CleanWizard::setPageVisibility(int page)
{
    picSplash->hide();
    picFrameTop->hide();
    for (QWidget *panel : pages)
        panel->hide();
    for (QFrame *line : {Line3, Line1, Line2, Line4})
        line->show();
    if (page < 1 || page > 8)
        return;
    const bool side = page == 1 || page == 8;
    picSplash->setVisible(side);
    picFrameTop->setVisible(!side);
    Line1->setVisible(!side);
    Line2->setVisible(!side);
    pages.at(page - 1)->show();
}

void CleanWizard::ShowPage()
{
    // Only a programmatic press can point outside the pages; the nearest page is shown
    // rather than an empty window.
    if (m_iPage < 1 || m_iPage > 8)
        m_iPage = std::clamp(m_iPage, 1, 8);
    setPageVisibility(m_iPage);

    const auto header = [this](const QString &title, const QString &text) {
        lblTopTitle->setText(title);
        lblTopText->setText(text);
    };
    const auto updateAndFocus = [this] {
        UpdateControls();
        if (cmdNext->isEnabled())
            cmdNext->setFocus();
    };
    const auto buttons = [this](bool back, bool next, bool cancel) {
        cmdBack->setEnabled(back);
        cmdNext->setEnabled(next);
        cmdCancel->setEnabled(cancel);
    };

    switch (m_iPage) {
    case 1:
        buttons(false, true, true);
        cmdNext->setText(tr("Next >"));
        break;
    case 2:
        buttons(true, false, true);
        cmdCancel->setText(tr("Close"));
        cmdNext->setText(tr("Next >"));
        header(tr("Choose Image Files"),
            tr("Add the images you want to clean. When you are ready, click 'next' to continue to the "
               "output page."));
        updateAndFocus();
        break;
    case 3:
        buttons(true, true, true);
        cmdNext->setText(tr("Next >"));
        header(tr("Options (1/3)"),
            tr("Decide where and how to save the cleaned files. Click 'next' to continue to the second "
               "options page."));
        updateAndFocus();
        break;
    case 4:
        buttons(true, true, true);
        cmdNext->setText(tr("Next >"));
        header(tr("Options (2/3)"), tr("Decide which metadata tags you want to remove."));
        jpegTest();
        updateAndFocus();
        break;
    case 5:
        buttons(true, true, true);
        cmdNext->setText(chkSkipReadyPage->isChecked() ? tr("Start >") : tr("Next >"));
        header(tr("Options (3/3)"), tr("Set additional options and processing rules."));
        showDateLabel();
        cmdNext->setFocus();
        break;
    case 6:
        buttons(true, true, true);
        cmdNext->setText(tr("Start >"));
        header(tr("Ready to Start"),
            tr("The wizard has now collected enough information to begin processing the images!"));
        showReadySummary();
        break;
    case 7:
        buttons(false, false, true);
        cmdCancel->setText(tr("Stop"));
        header(tr("Cleaning Images"), tr("Please wait while the images are being processed..."));
        break;
    case 8:
        buttons(true, false, true);
        cmdCancel->setText(tr("Quit"));
        header(tr("Finished"),
            tr("The wizard has finished cleaning the images! Press the exit button to quit, or the back "
               "button to process more files."));
        cmdCancel->setFocus();
        break;
    default:
        break;
    }
    assignMnemonics();
}

void CleanWizard::jpegTest()
{
    bool allJpeg = true;
    for (int i = 0; i < m_lstFiles.ListCount(); ++i) {
        const QString name = m_lstFiles.List(i).mid(m_lstFiles.List(i).lastIndexOf(u'/') + 1);
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString extension = dot > 0 ? name.mid(dot + 1).toLower() : QString();
        if (extension != u"jpg" && extension != u"jpe" && extension != u"jpeg")
            allJpeg = false;
    }
    lblDisclaimer->setVisible(!allJpeg);
    imgDisclaimer->setVisible(!allJpeg);
}

void CleanWizard::showDateLabel()
{
    lblResetDateTo->setText(FileDate::dateText(fixedDate));
}

void CleanWizard::cmdNext_Click()
{
    // The finished page is the last one, and the job must not be entered twice.
    if (m_iPage >= 7)
        return;
    ++m_iPage;
    if (chkSkipReadyPage->isChecked() && m_iPage == 6)
        ++m_iPage;
    ShowPage();
    if (m_iPage == 7)
        CleanImages(); // the finished page follows when the job has ended (jobEnded)
}

void CleanWizard::cmdBack_Click()
{
    if (m_iPage == 8)
        m_iPage = 2;
    else if (m_iPage > 1 && m_iPage != 7)
        --m_iPage;
    ShowPage();
}

void CleanWizard::cmdCancel_Click()
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
    const bool yes = Prompts::question(this, tr("Stop cleaning? The images cleaned so far are kept."));
    m_askingStop = false;
    if (!yes || !m_job)
        return false;
    m_job->stop();
    cmdCancel->setEnabled(false);
    return true;
}

int CleanWizard::selectedOutputMode() const
{
    return m_outputModeGroup->checkedId();
}

TagOptions CleanWizard::tagBoxStates() const
{
    TagOptions t;
    t.chkCleanAll = chkCleanAll->isChecked();
    t.chkCleanExif = chkCleanExif->isChecked();
    t.chkCleanExifGPS = chkCleanExifGPS->isChecked();
    t.chkCleanThumbnail = chkCleanThumbnail->isChecked();
    t.chkCleanXMP = chkCleanXMP->isChecked();
    t.chkCleanIPTC = chkCleanIPTC->isChecked();
    t.chkCleanICC = m_chkCleanICCChoice;
    t.chkCleanPhotoshop = chkCleanPhotoshop->isChecked();
    t.chkCleanTiffIdf0 = chkCleanTiffIdf0->isChecked();
    t.chkCleanGeoTiff = chkCleanGeoTiff->isChecked();
    t.chkCleanAdobeApp14 = chkCleanAdobeApp14->isChecked();
    t.chkCleanOther = chkCleanOther->isChecked();
    t.keepOrientation = t.keepColourProfile = chkKeepLook->isChecked();
    return t;
}

void CleanWizard::showOutputMessage(const QString &text)
{
    // Says why Next is refused on the output page; made on first need, below the choices.
    auto *label = picFrameOutput->findChild<QLabel *>(u"lblOutputMessage"_s);
    if (!label && text.isEmpty())
        return;
    if (!label) {
        label = new QLabel(picFrameOutput);
        label->setObjectName(u"lblOutputMessage"_s);
        label->setWordWrap(true);
        label->setStyleSheet(u"color: #c00000"_s);
        if (auto *layout = qobject_cast<QBoxLayout *>(picFrameOutput->layout()))
            layout->insertWidget(layout->count() - 1, label);
    }
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void CleanWizard::UpdateControls()
{
    ControlInputs in;
    in.iPage = m_iPage;
    in.imageCount = m_lstFiles.ListCount();
    const int mode = selectedOutputMode();
    in.outputMode = static_cast<OutputMode>(mode < 0 ? 0 : mode);
    in.txtOutput = txtOutput->text();
    in.txtPrefix = txtPrefix->text();
    in.txtSuffix = txtSuffix->text();
    in.tags = tagBoxStates();

    const ControlStates s = ::UpdateControls(in);

    // Pages 7 and 8 keep Next disabled whatever calls this (a drop on the side picture of
    // the finished page, say): a press there would lead past the last page.
    if (m_iPage != 7 && m_iPage != 8)
        cmdNext->setEnabled(s.cmdNextEnabled);
    if (s.updateCountCaption) {
        lblNumFileAdded->setText(s.countCaption);
        lblNumFileAdded->setToolTip(leftOutLine(m_leftOut));
    }
    txtOutput->setEnabled(s.txtOutputEnabled);
    txtPrefix->setEnabled(s.txtPrefixEnabled);
    txtSuffix->setEnabled(s.txtSuffixEnabled);
    {
        const QSignalBlocker shownOnly(chkCleanICC);
        chkCleanICC->setChecked(s.chkCleanICCChecked);
    }
    if (m_iPage == 3)
        showOutputMessage(s.outputMessage);
    if (s.updateTagBoxes) {
        chkCleanExif->setEnabled(s.chkCleanExifEnabled);
        chkCleanExifGPS->setEnabled(s.chkCleanExifGPSEnabled);
        chkCleanThumbnail->setEnabled(s.chkCleanThumbnailEnabled);
        chkCleanXMP->setEnabled(s.chkCleanXMPEnabled);
        chkCleanIPTC->setEnabled(s.chkCleanIPTCEnabled);
        chkCleanICC->setEnabled(s.chkCleanICCEnabled);
        chkCleanPhotoshop->setEnabled(s.chkCleanPhotoshopEnabled);
        chkCleanTiffIdf0->setEnabled(s.chkCleanTiffIdf0Enabled);
        chkCleanGeoTiff->setEnabled(s.chkCleanGeoTiffEnabled);
        chkCleanAdobeApp14->setEnabled(s.chkCleanAdobeApp14Enabled);
        chkCleanOther->setEnabled(s.chkCleanOtherEnabled);
    }
    if (s.focusNext && cmdNext->isEnabled() && cmdNext->isVisible())
        cmdNext->setFocus();
}

// --- option pages ---------------------------------------------------------------------

void CleanWizard::chkResetFileDates_Click()
{
    const bool on = chkResetFileDates->isChecked();
    optDate[0]->setEnabled(on);
    optDate[1]->setEnabled(on);
    lblResetDateTo->setEnabled(on);
    lblLinkButton[6]->setEnabled(on);
}

void CleanWizard::chkDeleteFileOnFail_Click()
{
    const bool on = chkDeleteFileOnFail->isChecked();
    optProcessingFail[0]->setEnabled(on);
    optProcessingFail[1]->setEnabled(on);
    cmdProcessingFailBrowse->setEnabled(on);
}

void CleanWizard::dateEntry()
{
    const std::array<QString *, 6> parts = {&fixedDate.sSetDateYear, &fixedDate.sSetDateMonth, &fixedDate.sSetDateDay,
        &fixedDate.sSetDateHour, &fixedDate.sSetDateMin, &fixedDate.sSetDateSec};
    for (int i = 0; i < 6; ++i) {
        const FileDate::DatePrompt &prompt = FileDate::datePrompt(i);
        const QString answer = Prompts::inputBox(this, prompt.title, prompt.prompt, *parts.at(i));
        QString message;
        if (const std::optional<QString> valid = FileDate::validateDateAnswer(i, answer, &message))
            *parts.at(i) = *valid;
        else if (!message.isEmpty())
            Prompts::message(this, message, Prompts::Icon::None);
    }
    showDateLabel();
}

void CleanWizard::cmdOutputBrowse_Click()
{
    QString text = txtOutput->text();
    if (text.size() > 1 && text.endsWith(u'/')) {
        text.chop(1);
        txtOutput->setText(text);
    }
    const QString folder = BrowseForFolder(this, tr("Select output folder:"), text);
    if (!folder.isEmpty())
        txtOutput->setText(folder);
    optOutputMode[1]->setChecked(true);
    UpdateControls();
}

void CleanWizard::cmdProcessingFailBrowse_Click()
{
    QString text = txtProcessingFailFolder->text();
    if (text.size() > 1 && text.endsWith(u'/')) {
        text.chop(1);
        txtProcessingFailFolder->setText(text);
    }
    const QString folder = BrowseForFolder(this, tr("Select output folder:"), text);
    if (!folder.isEmpty())
        txtProcessingFailFolder->setText(folder);
    optProcessingFail[1]->setChecked(true);
}
