#include "gui/ImagesPage.h"

#include "gui/Artwork.h"
#include "gui/FileListView.h"
#include "gui/PathListModel.h"
#include "gui/WindowLayout.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

ImagesPage::ImagesPage(PathListModel *files, QWidget *parent)
    : WizardPage(u"picFrameInput"_s, parent)
{
    m_addImages = new QPushButton(Artwork::icon(u"add"_s), tr("Add Images"), this);
    m_addImages->setObjectName(u"cmdInput"_s);
    m_addFolder = new QPushButton(Artwork::icon(u"addfolder"_s), tr("Add from Folder"), this);
    m_addFolder->setObjectName(u"cmdAddFolder"_s);
    for (QPushButton *button : {m_addImages, m_addFolder}) {
        button->setIconSize(QSize(22, 22));
        button->setMinimumHeight(34);
    }
    auto *removeSelected = new QPushButton(Artwork::icon(u"remove"_s), QString(), this);
    removeSelected->setObjectName(u"cmdRemoveSelected"_s);
    removeSelected->setToolTip(tr("Remove selected files"));
    auto *removeAll = new QPushButton(Artwork::icon(u"removeall"_s), QString(), this);
    removeAll->setObjectName(u"cmdRemoveAll"_s);
    removeAll->setToolTip(tr("Clear the file list"));
    for (QPushButton *button : {removeSelected, removeAll}) {
        button->setIconSize(QSize(18, 18));
        button->setFixedSize(30, 28);
        button->setAccessibleName(button->toolTip());
        button->setAccessibleDescription(button->toolTip());
        button->setWhatsThis(escaped(button->toolTip()));
    }

    m_list = fileListView(u"lwFiles"_s, this);
    m_list->setModel(files);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAcceptDrops(true);
    m_list->viewport()->setAcceptDrops(true);
    m_list->setDragDropMode(QAbstractItemView::DropOnly);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    m_list->setAccessibleName(tr("Images to clean"));
    static_cast<FileListView *>(m_list)->setEmptyText(tr("No images yet. Add them with the buttons on the "
                                                         "left, or drop them here."));
    auto *show = new QAction(tr("Show Metadata"), m_list);
    show->setObjectName(u"actShowMetadata"_s);
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    show->setShortcutContext(Qt::WidgetShortcut);
    show->setShortcutVisibleInContextMenu(true);
    connect(show, &QAction::triggered, this, [this] {
        if (const int row = currentRow(); row >= 0)
            Q_EMIT metadataRequested(row);
    });
    m_list->addAction(show);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *tip = new QLabel(tr("Double-click an image to view its metadata"), this);
    tip->setObjectName(u"lblShowMetadataTip"_s);
    m_list->setWhatsThis(escaped(tip->text() + u". "_s
        + tr("Ctrl+I shows the metadata of the current image; Delete removes the "
             "selected images.")));
    m_count = new QLabel(tr("0 images"), this);
    m_count->setObjectName(u"lblNumFileAdded"_s);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The count grows while files are added; room for the widest caption it can show is
    // kept from the start, so the hint beside it is never cut off.
    int countWidth = 0;
    for (const QString &caption : {tr("%1 images").arg(999999), tr("Adding files..."), tr("No files to process...")})
        countWidth = std::max(countWidth, m_count->fontMetrics().horizontalAdvance(caption));
    m_count->setMinimumWidth(countWidth + 2);

    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(m_addImages);
    left->addWidget(m_addFolder);
    left->addStretch(1);
    auto *removeRow = new QHBoxLayout;
    removeRow->setSpacing(4);
    removeRow->addWidget(removeSelected);
    removeRow->addWidget(removeAll);
    removeRow->addStretch(1);
    left->addLayout(removeRow);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(m_list, 1);
    // Folders that gave nothing to clean are named here, so an add never passes in silence.
    m_note = wrapped(QString(), this);
    m_note->setObjectName(u"lblAddNote"_s);
    m_note->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->hide();
    right->addWidget(m_note);
    auto *under = new QHBoxLayout;
    under->addWidget(tip);
    under->addStretch(1);
    under->addWidget(m_count);
    right->addLayout(under);

    // The picture buttons sit at the foot of the list, not under its caption line.
    auto *leftColumn = new QVBoxLayout;
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addLayout(left, 1);
    leftColumn->addSpacing(m_count->sizeHint().height() + right->spacing());

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 4);
    layout->setSpacing(12);
    layout->addLayout(leftColumn);
    layout->addLayout(right, 1);

    connect(m_addImages, &QPushButton::clicked, this, &ImagesPage::addImagesClicked);
    connect(m_addFolder, &QPushButton::clicked, this, &ImagesPage::addFolderClicked);
    connect(removeSelected, &QPushButton::clicked, this, &ImagesPage::removeSelectedClicked);
    connect(removeAll, &QPushButton::clicked, this, &ImagesPage::removeAllClicked);
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (m_list->selectionModel()->isSelected(index))
            Q_EMIT metadataRequested(index.row());
    });
}

ImagesPage::~ImagesPage() = default;

QList<std::pair<QWidget *, QWidget *>> ImagesPage::helpAnchors() const
{
    return {{m_addImages, m_addImages}, {m_addFolder, m_addFolder}};
}

QWidget *ImagesPage::addImagesButton() const
{
    return m_addImages;
}

QWidget *ImagesPage::addFolderButton() const
{
    return m_addFolder;
}

void ImagesPage::setCountCaption(const QString &text)
{
    m_count->setText(text);
}

void ImagesPage::setAddNote(const QString &text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

QString ImagesPage::addNote() const
{
    return m_note->text();
}

void ImagesPage::setCountToolTip(const QString &text)
{
    m_count->setToolTip(text);
}

QList<int> ImagesPage::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    rows.reserve(selected.size());
    for (const QModelIndex &index : selected)
        rows << index.row();
    return rows;
}

int ImagesPage::currentRow() const
{
    return CleanWizardParts::currentRow(m_list);
}

void ImagesPage::fitListColumn()
{
    CleanWizardParts::fitListColumn(m_list);
}

bool ImagesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Delete removes the selected rows (Ctrl+I is the Show Metadata action's shortcut).
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            Q_EMIT removeSelectedClicked();
            return true;
        }
        return false;
    }
    if (watched == m_list->viewport()) {
        if (takeFileDrop(this, event, [this](const QStringList &paths) { Q_EMIT filesDropped(paths); }))
            return true;
    }
    return WizardPage::eventFilter(watched, event);
}
