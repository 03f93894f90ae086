#include "gui/FinishedPage.h"

#include "core/RunReport.h"
#include "gui/LinkLabel.h"
#include "gui/OutcomeListModel.h"
#include "gui/Prompts.h"
#include "gui/WindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

namespace {

// Paints the names with FinishedPage::shownName, so two outputs of the same run are told
// apart by their ends.
class NameDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *widget = opt.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        // The style's own margin inside the text rectangle.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        opt.text = FinishedPage::shownName(opt.text, opt.fontMetrics, text.width() - 2 * margin);
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }
};

} // namespace

FinishedPage::FinishedPage(OutcomeListModel *outcomes, QWidget *parent)
    : WizardPage(u"picFrameFinished"_s, parent)
    , m_outcomes(outcomes)
{
    setAcceptDrops(false);
    // The headline says what the run did; a long folder name in it wraps.
    m_headline = heading(tr("Finished!"), this, 1.2);
    m_headline->setObjectName(u"lblFinished"_s);
    m_headline->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    m_headline->setWordWrap(true);
    m_counts = wrapped(QString(), this);
    m_counts->setObjectName(u"lblRunCounts"_s);
    m_counts->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    m_counts->hide();
    m_summary = wrapped(tr("## images cleaned!"), this);
    m_summary->setObjectName(u"lblExecuteInfo"_s);
    m_summary->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    LinkLabel *log = makeLink(3, tr("Show the problems of this run..."));
    log->hide();
    m_logLink = log;
    m_errorInfo = wrapped(QString(), this);
    m_errorInfo->setObjectName(u"lblErrorInfo"_s);
    m_errorInfo->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    m_errorInfo->hide();
    m_errorLog = new QPlainTextEdit(this);
    m_errorLog->setObjectName(u"txtErrorLog"_s);
    m_errorLog->setReadOnly(true);
    m_errorLog->setMaximumHeight(64);
    m_errorLog->setAccessibleName(tr("Error details"));
    m_errorLog->hide();
    auto *listCaption = new QLabel(tr("Images of this run (double-click to compare):"), this);
    listCaption->setObjectName(u"lblCleanedFiles"_s);
    m_list = fileListView(u"lwFilesCleaned"_s, this);
    m_list->setModel(outcomes);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumHeight(60);
    // The end of a name says which output it is ("_cleaned.jpg"); its middle can go.
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setItemDelegateForColumn(OutcomeListModel::NameColumn, new NameDelegate(m_list));
    m_list->setAccessibleName(tr("Images of this run"));
    m_list->setWhatsThis(escaped(tr("Each image with what became of it. Ctrl+I, a double-click or the context menu "
                                    "shows what cleaning removed from the current file and what is left.")));
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
    m_notReached = new QToolButton(this);
    m_notReached->setObjectName(u"cmdNotReached"_s);
    m_notReached->setAutoRaise(true);
    m_notReached->setCheckable(true);
    m_notReached->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_notReached->hide();
    connect(m_notReached, &QToolButton::toggled, this, [this](bool open) {
        m_outcomes->setShowNotReached(open);
        updateNotReached();
        if (open)
            m_list->scrollTo(m_outcomes->index(m_outcomes->rowCount() - m_outcomes->notReachedCount(), 0),
                QAbstractItemView::PositionAtTop);
    });
    auto *folderPicture = new QLabel(this);
    folderPicture->setObjectName(u"Image2"_s);
    folderPicture->setPixmap(artPixmap(u"folder"_s, QSize(16, 16)));
    folderPicture->setAccessibleName(tr("Folder"));
    LinkLabel *destination = makeLink(5, tr("Click here to open the destination folder..."));

    auto *layout = sidePageLayout(this);
    layout->setSpacing(4);
    layout->addWidget(m_headline);
    layout->addWidget(m_counts);
    layout->addWidget(m_summary);
    layout->addWidget(log);
    layout->addWidget(m_errorInfo);
    layout->addWidget(m_errorLog);
    layout->addSpacing(4);
    layout->addWidget(listCaption);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_notReached, 0, Qt::AlignLeft);
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
    m_counts->clear();
    m_counts->hide();
    m_problems = {};
    m_notReached->hide();
}

void FinishedPage::setHeadline(const QString &text)
{
    m_headline->setText(text);
}

QString FinishedPage::headline() const
{
    return m_headline->text();
}

void FinishedPage::setCounts(const QStringList &lines)
{
    // One paragraph: the page is short, and the list below needs the room.
    m_counts->setText(lines.join(u' '));
    m_counts->setVisible(!lines.isEmpty());
}

void FinishedPage::setSummary(const QString &text)
{
    m_summary->setText(text);
}

QString FinishedPage::summaryText() const
{
    return m_summary->text();
}

void FinishedPage::showInternalError(const QString &detail)
{
    // The person learns why the run stopped.
    m_errorInfo->hide();
    m_errorLog->setPlainText(detail);
    m_errorLog->show();
    m_logLink->show();
}

void FinishedPage::showProblems(const QString &caption)
{
    m_errorInfo->hide();
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

void FinishedPage::setProblems(const RunProblems &problems)
{
    m_problems = problems;
}

void FinishedPage::openProblems()
{
    ProblemView view(m_problems, this);
    Prompts::execModal(view, view.plainText());
}

void FinishedPage::updateNotReached()
{
    const int count = m_outcomes->notReachedCount();
    const bool open = m_outcomes->showsNotReached();
    const QSignalBlocker quiet(m_notReached);
    m_notReached->setChecked(open);
    m_notReached->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    m_notReached->setText(open
            ? tr("Hide the images that were not reached")
            : (count == 1
                    ? tr("Show the image that was not reached")
                    : tr("Show the %1 images that were not reached", nullptr, count).arg(QLocale().toString(count))));
    m_notReached->setVisible(count > 0);
}

QString FinishedPage::shownName(const QString &name, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    // The end from the last '_' ("_cleaned.jpg"), or else the type (".jpg").
    qsizetype cut = name.lastIndexOf(u'_');
    if (cut < 0 || name.size() - cut > 24)
        cut = name.lastIndexOf(u'.');
    const QString end = cut > 0 && name.size() - cut <= 24 ? name.mid(cut) : QString();
    const int room = width - metrics.horizontalAdvance(end);
    if (end.isEmpty() || room < metrics.horizontalAdvance(u"M\u2026"_s))
        return metrics.elidedText(name, Qt::ElideMiddle, width);
    return metrics.elidedText(name.left(cut), Qt::ElideRight, room) + end;
}

int FinishedPage::currentRow() const
{
    return CleanWizardParts::currentRow(m_list);
}

void FinishedPage::fitListColumn()
{
    int status = 0;
    for (const OutcomeKind kind : {OutcomeKind::Residue, OutcomeKind::Failed, OutcomeKind::LeftOut,
             OutcomeKind::KeptExisting, OutcomeKind::Cleaned, OutcomeKind::NotReached})
        status = std::max(status, m_list->fontMetrics().horizontalAdvance(outcomeKindText(kind)));
    status += 2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 12;
    const int all = std::max(m_list->width() - WindowLayout::listColumnInset, 32);
    status = std::min(status, all * 2 / 5);
    m_list->header()->resizeSection(OutcomeListModel::StatusColumn, status);
    m_list->header()->resizeSection(OutcomeListModel::NameColumn, all - status);
}
