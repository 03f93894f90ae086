#include "gui/FinishedPage.h"

#include "gui/LinkLabel.h"
#include "gui/OutcomeListModel.h"
#include "gui/WindowLayout.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

FinishedPage::FinishedPage(OutcomeListModel *outcomes, QWidget *parent)
    : WizardPage(u"picFrameFinished"_s, parent)
{
    setAcceptDrops(false);
    auto *title = heading(tr("Finished!"), this, 1.4);
    title->setObjectName(u"lblFinished"_s);
    m_summary = wrapped(tr("## images cleaned!"), this);
    m_summary->setObjectName(u"lblExecuteInfo"_s);
    LinkLabel *log = makeLink(3, tr("Open log file..."));
    log->hide();
    m_logLink = log;
    m_errorInfo = wrapped(QString(), this);
    m_errorInfo->setObjectName(u"lblErrorInfo"_s);
    m_errorInfo->hide();
    m_errorLog = new QPlainTextEdit(this);
    m_errorLog->setObjectName(u"txtErrorLog"_s);
    m_errorLog->setReadOnly(true);
    m_errorLog->setMaximumHeight(64);
    m_errorLog->setAccessibleName(tr("Error details"));
    m_errorLog->hide();
    auto *listCaption = new QLabel(tr("Cleaned files (double click to show metadata):"), this);
    listCaption->setObjectName(u"lblCleanedFiles"_s);
    m_list = fileListView(u"lwFilesCleaned"_s, this);
    m_list->setModel(outcomes);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumHeight(60);
    m_list->setAccessibleName(tr("Cleaned files"));
    m_list->setWhatsThis(escaped(tr("Ctrl+I, a double click or the context menu shows what cleaning "
                                    "removed from the current file and what is left.")));
    auto *show = new QAction(tr("Show Metadata"), m_list);
    show->setObjectName(u"actShowMetadataCleaned"_s);
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    show->setShortcutContext(Qt::WidgetShortcut);
    show->setShortcutVisibleInContextMenu(true);
    connect(show, &QAction::triggered, this, [this] {
        if (const int row = currentRow(); row >= 0)
            Q_EMIT metadataRequested(row);
    });
    m_list->addAction(show);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *folderPicture = new QLabel(this);
    folderPicture->setObjectName(u"Image2"_s);
    folderPicture->setPixmap(artPixmap(u"folder"_s, QSize(16, 16)));
    folderPicture->setAccessibleName(tr("Folder"));
    LinkLabel *destination = makeLink(5, tr("Click here to open the destination folder..."));

    auto *layout = sidePageLayout(this);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(m_summary);
    layout->addWidget(log);
    layout->addWidget(m_errorInfo);
    layout->addWidget(m_errorLog);
    layout->addSpacing(4);
    layout->addWidget(listCaption);
    layout->addWidget(m_list, 1);
    auto *destinationRow = new QHBoxLayout;
    destinationRow->setSpacing(6);
    destinationRow->addWidget(folderPicture);
    destinationRow->addWidget(destination);
    destinationRow->addStretch(1);
    layout->addLayout(destinationRow);

    connect(log, &LinkLabel::activated, this, &FinishedPage::logRequested);
    connect(destination, &LinkLabel::activated, this, &FinishedPage::destinationRequested);
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (m_list->selectionModel()->isSelected(index))
            Q_EMIT metadataRequested(index.row());
    });
}

FinishedPage::~FinishedPage() = default;

void FinishedPage::clearReport()
{
    m_errorLog->clear();
}

void FinishedPage::setSummary(const QString &text)
{
    m_summary->setText(text);
}

QString FinishedPage::summaryText() const
{
    return m_summary->text();
}

void FinishedPage::showInternalError(const QString &detail, bool logWritten)
{
    // The person learns why the run stopped.
    m_errorInfo->hide();
    m_errorLog->setPlainText(detail);
    m_errorLog->show();
    m_logLink->setVisible(logWritten);
    m_logLink->setText(tr("Open problem log..."));
}

void FinishedPage::showProblems(const QString &caption)
{
    m_errorInfo->hide();
    m_logLink->setText(tr("Open problem log..."));
    m_logLink->show();
    m_errorLog->hide();
    if (!caption.isEmpty()) {
        m_errorInfo->setText(caption);
        m_errorInfo->show();
    }
}

void FinishedPage::showNoProblems()
{
    m_errorInfo->hide();
    m_logLink->hide();
    m_errorLog->hide();
}

int FinishedPage::currentRow() const
{
    return CleanWizardParts::currentRow(m_list);
}

void FinishedPage::fitListColumn()
{
    CleanWizardParts::fitListColumn(m_list);
}
