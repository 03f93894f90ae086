// Building the window's last four pages (additional options, ready, cleaning, finished)
// with their controls, and the least client size that shows every page.

#include "core/FileDate.h"
#include "gui/CleanWizard.h"
#include "gui/CleanWizardPages_p.h"
#include "gui/OutcomeListModel.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

QWidget *CleanWizard::buildDatePage()
{
    picFrameDate = pagePanel(u"picFrameDate"_s, this);
    auto *title = heading(tr("Additional Options"), picFrameDate);
    title->setObjectName(u"lblAdditionalOptions"_s);

    chkResetFileDates = new QCheckBox(tr("Obfuscate File Dates"), picFrameDate);
    chkResetFileDates->setObjectName(u"chkResetFileDates"_s);
    m_dateGroup = new QButtonGroup(this);
    const QStringList dateCaptions = {tr("Set to new date:"), tr("Generate a random date")};
    for (int i = 0; i < 2; ++i) {
        optDate.at(i) = new QRadioButton(dateCaptions.at(i), picFrameDate);
        optDate.at(i)->setObjectName(u"optDate_"_s + QString::number(i));
        m_dateGroup->addButton(optDate.at(i), i);
    }
    lblResetDateTo = new QLabel(FileDate::dateText(fixedDate), picFrameDate);
    lblResetDateTo->setObjectName(u"lblResetDateTo"_s);
    makeLink(6, tr("(change)"), picFrameDate);

    chkIgnoreMinorWarnings = new QCheckBox(tr("Ignore minor errors and warnings"), picFrameDate);
    chkIgnoreMinorWarnings->setObjectName(u"chkIgnoreMinorWarnings"_s);
    chkIgnoreMinorWarnings->setChecked(true);
    chkIgnoreMinorWarnings->hide();

    chkDeleteFileOnFail = new QCheckBox(tr("If processing fails, move original file to:"), picFrameDate);
    chkDeleteFileOnFail->setObjectName(u"chkDeleteFileOnFail"_s);
    m_processingFailGroup = new QButtonGroup(this);
    const QStringList failCaptions = {tr("Recycle bin"), tr("Folder:")};
    for (int i = 0; i < 2; ++i) {
        optProcessingFail.at(i) = new QRadioButton(failCaptions.at(i), picFrameDate);
        optProcessingFail.at(i)->setObjectName(u"optProcessingFail_"_s + QString::number(i));
        m_processingFailGroup->addButton(optProcessingFail.at(i), i);
    }
    txtProcessingFailFolder = new QLineEdit(picFrameDate);
    txtProcessingFailFolder->setObjectName(u"txtProcessingFailFolder"_s);
    cmdProcessingFailBrowse = makeBrowseButton(u"cmdProcessingFailBrowse"_s, picFrameDate);

    const auto row = [](std::initializer_list<QWidget *> widgets, int indent, bool stretch = true) {
        auto *line = new QHBoxLayout;
        line->setSpacing(4);
        if (indent > 0)
            line->addSpacing(indent);
        for (QWidget *w : widgets)
            line->addWidget(w);
        if (stretch)
            line->addStretch(1);
        return line;
    };

    auto *layout = innerPageLayout(picFrameDate);
    layout->setSpacing(3);
    layout->addWidget(title);
    layout->addLayout(row({makeTooltipAnchor(12, picFrameDate), chkResetFileDates}, 0));
    const int indent = tooltipSide + 4 + optionIndent;
    layout->addLayout(row({optDate[0], lblResetDateTo, lblLinkButton[6]}, indent));
    layout->addLayout(row({optDate[1]}, indent));
    QLabel *hiddenAnchor = makeTooltipAnchor(14, picFrameDate);
    hiddenAnchor->hide();
    layout->addLayout(row({hiddenAnchor, chkIgnoreMinorWarnings}, 0));
    layout->addSpacing(4);
    layout->addLayout(row({makeTooltipAnchor(13, picFrameDate), chkDeleteFileOnFail}, 0));
    layout->addLayout(row({optProcessingFail[0]}, indent));
    auto *folderRow = row({optProcessingFail[1], txtProcessingFailFolder, cmdProcessingFailBrowse}, indent, false);
    folderRow->setStretch(2, 1);
    layout->addLayout(folderRow);
    layout->addStretch(1);
    return picFrameDate;
}

QWidget *CleanWizard::buildBeginPage()
{
    picFrameBegin = pagePanel(u"picFrameBegin"_s, this);
    auto *title = heading(tr("Ready to start"), picFrameBegin);
    title->setObjectName(u"lblReadyToStart"_s);
    Label28 = wrapped(
        tr("The program has now collected enough information to begin processing the images."), picFrameBegin);
    Label28->setObjectName(u"Label28"_s);
    auto *press = new QLabel(tr("Press 'start' to begin!"), picFrameBegin);
    press->setObjectName(u"lblPressStart"_s);
    imgReadyToStart = new QLabel(picFrameBegin);
    imgReadyToStart->setObjectName(u"imgReadyToStart"_s);
    imgReadyToStart->setPixmap(artPixmap(u"ready"_s, QSize(48, 48)));
    // The picture keeps its size; the texts beside it take the rest of the width.
    imgReadyToStart->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    chkSkipReadyPage = new QCheckBox(tr("Skip this page in the future."), picFrameBegin);
    chkSkipReadyPage->setObjectName(u"chkSkipReadyPage"_s);
    // What the run will do, in one paragraph; filled when the page is shown. The text
    // here only gives the window room for a long one.
    lblReadySummary = wrapped(tr("999 images will be cleaned as copies whose names end with \"_cleaned\". "
                                 "Removed: all supported metadata, APP14. File dates are set to random dates. "
                                 "Originals that fail go to the trash."),
        picFrameBegin);
    lblReadySummary->setObjectName(u"lblReadySummary"_s);
    lblReadySummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    imgOverwriteWarning = new QLabel(picFrameBegin);
    imgOverwriteWarning->setObjectName(u"imgOverwriteWarning"_s);
    imgOverwriteWarning->setPixmap(artPixmap(u"disclaimer"_s, QSize(16, 16)));
    imgOverwriteWarning->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    lblOverwriteWarning = wrapped(tr("The originals will be overwritten. This cannot be undone."), picFrameBegin);
    lblOverwriteWarning->setObjectName(u"lblOverwriteWarning"_s);
    QFont bold = lblOverwriteWarning->font();
    bold.setBold(true);
    lblOverwriteWarning->setFont(bold);
    auto *warning = new QHBoxLayout;
    warning->setSpacing(6);
    warning->addWidget(imgOverwriteWarning, 0, Qt::AlignTop);
    warning->addWidget(lblOverwriteWarning, 1);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(10);
    texts->addWidget(Label28);
    texts->addWidget(press);
    texts->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(imgReadyToStart, 0, Qt::AlignTop);
    middle->addLayout(texts, 1);

    auto *layout = innerPageLayout(picFrameBegin);
    layout->addWidget(title);
    layout->addSpacing(4);
    layout->addLayout(middle);
    layout->addWidget(lblReadySummary);
    layout->addLayout(warning);
    layout->addStretch(1);
    layout->addWidget(chkSkipReadyPage);
    return picFrameBegin;
}

QWidget *CleanWizard::buildExecutePage()
{
    picFrameExecute = pagePanel(u"picFrameExecute"_s, this);
    auto *text = new QLabel(tr("Processing images, please wait..."), picFrameExecute);
    text->setObjectName(u"lblPleaseWait"_s);
    lblProcessing = new QLabel(picFrameExecute);
    lblProcessing->setObjectName(u"lblProcessing"_s);
    ProgressBar = new QProgressBar(picFrameExecute);
    ProgressBar->setObjectName(u"ProgressBar"_s);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    imgProcessing = new QLabel(picFrameExecute);
    imgProcessing->setObjectName(u"imgProcessing"_s);
    imgProcessing->setPixmap(artPixmap(u"processing"_s, QSize(48, 48)));

    auto *progress = new QVBoxLayout;
    progress->setSpacing(8);
    progress->addWidget(lblProcessing);
    progress->addWidget(ProgressBar);
    progress->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(imgProcessing, 0, Qt::AlignTop);
    middle->addLayout(progress, 1);

    auto *layout = innerPageLayout(picFrameExecute);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addLayout(middle, 1);
    // Room for the progress bar on its right, as in the design.
    layout->setContentsMargins(24, 10, 48, 4);
    return picFrameExecute;
}

QWidget *CleanWizard::buildFinishedPage()
{
    picFrameFinished = pagePanel(u"picFrameFinished"_s, this);
    picFrameFinished->setAcceptDrops(false);
    auto *title = heading(tr("Finished!"), picFrameFinished, 1.4);
    title->setObjectName(u"lblFinished"_s);
    lblExecuteInfo = wrapped(tr("## images cleaned!"), picFrameFinished);
    lblExecuteInfo->setObjectName(u"lblExecuteInfo"_s);
    makeLink(3, tr("Open log file..."), picFrameFinished)->hide();
    lblErrorInfo = wrapped(QString(), picFrameFinished);
    lblErrorInfo->setObjectName(u"lblErrorInfo"_s);
    lblErrorInfo->hide();
    txtErrorLog = new QPlainTextEdit(picFrameFinished);
    txtErrorLog->setObjectName(u"txtErrorLog"_s);
    txtErrorLog->setReadOnly(true);
    txtErrorLog->setMaximumHeight(64);
    txtErrorLog->hide();
    lblCleanedFiles = new QLabel(tr("Cleaned files (double click to show metadata):"), picFrameFinished);
    lblCleanedFiles->setObjectName(u"lblCleanedFiles"_s);
    lwFilesCleaned = fileListView(u"lwFilesCleaned"_s, picFrameFinished);
    m_cleanedModel = new OutcomeListModel(m_lstCleaned, this);
    lwFilesCleaned->setModel(m_cleanedModel);
    lwFilesCleaned->setSelectionMode(QAbstractItemView::SingleSelection);
    lwFilesCleaned->setMinimumHeight(60);
    Image2 = new QLabel(picFrameFinished);
    Image2->setObjectName(u"Image2"_s);
    Image2->setPixmap(artPixmap(u"folder"_s, QSize(16, 16)));
    makeLink(5, tr("Click here to open the destination folder..."), picFrameFinished);

    auto *layout = sidePageLayout(picFrameFinished);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(lblExecuteInfo);
    layout->addWidget(lblLinkButton[3]);
    layout->addWidget(lblErrorInfo);
    layout->addWidget(txtErrorLog);
    layout->addSpacing(4);
    layout->addWidget(lblCleanedFiles);
    layout->addWidget(lwFilesCleaned, 1);
    auto *destination = new QHBoxLayout;
    destination->setSpacing(6);
    destination->addWidget(Image2);
    destination->addWidget(lblLinkButton[5]);
    destination->addStretch(1);
    layout->addLayout(destination);
    return picFrameFinished;
}

QSize CleanWizard::requiredClientSize()
{
    // The design size is the least; Linux fonts usually need more. Every page is measured
    // as ShowPage would show it, the widest first, then the tallest at that width (the
    // wrapped texts grow taller as the window gets narrower).
    ensurePolished();
    const int shown = m_iPage;
    int width = designClientSize.width();
    for (int page = 1; page <= 8; ++page) {
        setPageVisibility(page);
        layout()->invalidate();
        layout()->activate();
        width = std::max(width, layout()->totalMinimumSize().width());
    }
    int height = designClientSize.height();
    for (int page = 1; page <= 8; ++page) {
        setPageVisibility(page);
        layout()->invalidate();
        layout()->activate();
        int needed = layout()->totalMinimumSize().height();
        if (layout()->hasHeightForWidth())
            needed = std::max(needed, layout()->totalHeightForWidth(width));
        height = std::max(height, needed);
    }
    setPageVisibility(shown);
    return {width, height};
}
