#include "gui/OutcomeListModel.h"

#include "core/NativePath.h"
#include "core/PathList.h"
#include "core/RunReport.h"
#include "gui/Artwork.h"
#include "gui/PathListModel.h"

#include <algorithm>

using namespace Qt::StringLiterals;

OutcomeListModel::OutcomeListModel(PathList &paths, QObject *parent)
    : QAbstractTableModel(parent)
    , m_paths(paths)
{
}

OutcomeListModel::~OutcomeListModel() = default;

int OutcomeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OutcomeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QIcon OutcomeListModel::statusIcon(FileStatus status)
{
    return Artwork::icon(u"status-"_s + statusName(status));
}

QVariant OutcomeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const FileOutcome &o = m_rows.at(index.row());
    const bool name = index.column() == NameColumn;
    switch (role) {
    case Qt::DisplayRole:
        return name ? PathListModel::rowText(o.output.isEmpty() ? o.input : o.output) : outcomeKindText(outcomeKind(o));
    case Qt::DecorationRole:
        return name ? QVariant(statusIcon(o.status)) : QVariant();
    case Qt::ToolTipRole:
        return printablePath(outcomeDescription(o));
    case PathRole:
        return o.output;
    case StatusRole:
        return int(o.status);
    default:
        return {};
    }
}

void OutcomeListModel::setOutcomes(const QList<FileOutcome> &outcomes)
{
    beginResetModel();
    m_rows.clear();
    m_notReached.clear();
    for (const FileOutcome &o : outcomes)
        (o.notRun ? m_notReached : m_rows) << o;
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const FileOutcome &a, const FileOutcome &b) {
        return outcomeSortRank(a.status) < outcomeSortRank(b.status);
    });
    m_reachedRows = int(m_rows.size());
    m_showNotReached = false;
    m_paths.Clear();
    for (const FileOutcome &o : std::as_const(m_rows))
        m_paths.AddItem(o.output);
    endResetModel();
}

void OutcomeListModel::setShowNotReached(bool show)
{
    if (show == m_showNotReached || m_notReached.isEmpty())
        return;
    m_showNotReached = show;
    // Appended and taken off at the end, so the rows before keep their places (and paths).
    const int first = m_reachedRows;
    const int last = m_reachedRows + int(m_notReached.size()) - 1;
    if (show) {
        beginInsertRows(QModelIndex(), first, last);
        m_rows += m_notReached;
        for (const FileOutcome &o : std::as_const(m_notReached))
            m_paths.AddItem(o.output);
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.resize(m_reachedRows);
        for (int r = last; r >= first; --r)
            m_paths.RemoveItem(r);
        endRemoveRows();
    }
}

void OutcomeListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_notReached.clear();
    m_reachedRows = 0;
    m_showNotReached = false;
    m_paths.Clear();
    endResetModel();
}
