#include "gui/FileListView.h"

#include <QPainter>
#include <QPen>

FileListView::FileListView(QWidget *parent)
    : QTreeView(parent)
{
}

FileListView::~FileListView() = default;

void FileListView::setEmptyText(const QString &text)
{
    m_emptyText = text;
    viewport()->update();
}

void FileListView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void FileListView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void FileListView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    if (model() && model()->rowCount(rootIndex()) > 0)
        return;
    QPainter painter(viewport());
    const QRect area = viewport()->rect().adjusted(6, 6, -6, -6);
    if (!m_emptyText.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
    }
    if (hasFocus()) {
        // The focus is on the list itself: a frame in the highlight colour says so.
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
    }
}
