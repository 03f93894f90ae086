#include "gui/WizardPage.h"

#include "core/NativePath.h"
#include "gui/Artwork.h"
#include "gui/FileListView.h"
#include "gui/LinkLabel.h"
#include "gui/WindowLayout.h"

#include <QApplication>
#include <QDropEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace CleanWizardParts {

QPixmap artPixmap(const QString &name, QSize size)
{
    return Artwork::pixmap(name, size, qApp->devicePixelRatio());
}

QLabel *heading(const QString &text, QWidget *parent, qreal scale)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    if (scale != 1.0)
        font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QVBoxLayout *innerPageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 10, 16, 4);
    layout->setSpacing(6);
    return layout;
}

QVBoxLayout *sidePageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 14, 12, 4);
    layout->setSpacing(8);
    return layout;
}

QTreeView *fileListView(const QString &name, QWidget *parent)
{
    auto *view = new FileListView(parent);
    view->setObjectName(name);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    // Tens of thousands of rows lay out at once when every row has the same height.
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setTextElideMode(Qt::ElideRight);
    view->setIconSize(QSize(16, 16));
    // The column keeps the width it is given at the start (setListColumnWidths).
    view->header()->setStretchLastSection(false);
    return view;
}

QFrame *etchLine(const QString &name, QPalette::ColorRole role, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(role);
    return line;
}

QPushButton *browseButton(const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(Artwork::icon(u"browse"_s), QString(), parent);
    button->setObjectName(name);
    button->setToolTip(WizardPage::tr("Browse for a folder to put the cleaned images in..."));
    button->setAccessibleName(button->toolTip());
    button->setAccessibleDescription(button->toolTip());
    button->setWhatsThis(escaped(button->toolTip()));
    return button;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u"\r\n"_s, u"<br>"_s).replace(u'\n', u"<br>"_s);
}

bool takeFileDrop(QObject *context, QEvent *event, const std::function<void(const QStringList &)> &dropped)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove) {
        auto *drag = static_cast<QDropEvent *>(event);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    if (type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    QStringList paths;
    for (const QUrl &url : drop->mimeData()->urls()) {
        // From the URL's bytes: toLocalFile() would spell a name that is not valid UTF-8
        // with other bytes.
        if (url.isLocalFile() && !url.path().isEmpty())
            paths << decodePath(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    QTimer::singleShot(0, context, [dropped, paths] { dropped(paths); });
    return true;
}

int currentRow(const QTreeView *list)
{
    QModelIndex current = list->currentIndex();
    if (!current.isValid() && !list->selectionModel()->selectedIndexes().isEmpty())
        current = list->selectionModel()->selectedIndexes().constFirst();
    return current.isValid() ? current.row() : -1;
}

void fitListColumn(QTreeView *list)
{
    list->header()->resizeSection(0, std::max(list->width() - WindowLayout::listColumnInset, 16));
}

} // namespace CleanWizardParts

using namespace CleanWizardParts;

WizardPage::WizardPage(const QString &objectName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
}

WizardPage::~WizardPage() = default;

QLabel *WizardPage::makeTooltipAnchor(int index)
{
    auto *anchor = new QLabel(this);
    anchor->setObjectName(u"picTooltip_"_s + QString::number(index));
    anchor->setFixedSize(tooltipSide, tooltipSide);
    anchor->setPixmap(artPixmap(u"info"_s, QSize(tooltipSide, tooltipSide)));
    m_tooltipAnchors.insert(index, anchor);
    return anchor;
}

LinkLabel *WizardPage::makeLink(int index, const QString &caption)
{
    auto *link = new LinkLabel(caption, this);
    link->setObjectName(u"lblLinkButton_"_s + QString::number(index));
    return link;
}
