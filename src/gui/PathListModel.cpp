#include "gui/PathListModel.h"

#include "core/NativePath.h"
#include "core/PathList.h"

#include <algorithm>

namespace {

// Removing one entry moves every entry behind it, so beyond a few rows it is cheaper
// to build the list afresh than to remove row by row.
constexpr qsizetype rowByRowLimit = 32;

} // namespace

PathListModel::PathListModel(PathList &list, QObject *parent)
    : QAbstractListModel(parent)
    , m_list(list)
{
}

PathListModel::~PathListModel() = default;

int PathListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.ListCount();
}

QVariant PathListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.ListCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rowText(m_list.List(index.row()));
    case Qt::DecorationRole:
        return m_icon.isNull() ? QVariant() : QVariant(m_icon);
    case Qt::ToolTipRole: // long names are elided in the list; the tip shows where the file is
        return printablePath(m_list.List(index.row()));
    case PathRole:
        return m_list.List(index.row());
    default:
        return {};
    }
}

QString PathListModel::rowText(const QString &path)
{
    return printablePath(path.mid(path.lastIndexOf(u'/') + 1));
}

void PathListModel::append(const QString &path)
{
    const int row = m_list.ListCount();
    beginInsertRows(QModelIndex(), row, row);
    m_list.AddItem(path);
    endInsertRows();
}

void PathListModel::appendMany(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const int first = m_list.ListCount();
    beginInsertRows(QModelIndex(), first, first + int(paths.size()) - 1);
    for (const QString &path : paths)
        m_list.AddItem(path);
    endInsertRows();
}

void PathListModel::removeRowSet(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < 0 || r >= m_list.ListCount(); }),
        rows.end());
    if (rows.isEmpty())
        return;

    if (rows.size() <= rowByRowLimit) {
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            beginRemoveRows(QModelIndex(), *it, *it);
            m_list.RemoveItem(*it);
            endRemoveRows();
        }
        return;
    }

    beginResetModel();
    QStringList kept;
    kept.reserve(m_list.ListCount() - rows.size());
    qsizetype next = 0;
    for (int i = 0; i < m_list.ListCount(); ++i) {
        if (next < rows.size() && rows.at(next) == i) {
            ++next;
            continue;
        }
        kept.append(m_list.List(i));
    }
    m_list.Clear();
    for (const QString &path : std::as_const(kept))
        m_list.AddItem(path);
    endResetModel();
}

void PathListModel::clear()
{
    beginResetModel();
    m_list.Clear();
    endResetModel();
}

void PathListModel::replaceTexts(const QStringList &paths)
{
    const int count = std::min(m_list.ListCount(), static_cast<int>(paths.size()));
    for (int i = 0; i < count; ++i)
        m_list.setList(i, paths.at(i));
    if (count > 0)
        Q_EMIT dataChanged(index(0), index(count - 1));
}
