#include "gui/OutcomeListModel.h"

#include "core/NativePath.h"
#include "core/PathList.h"
#include "core/RunReport.h"
#include "gui/Artwork.h"
#include "gui/PathListModel.h"

#include <algorithm>

using namespace Qt::StringLiterals;

OutcomeListModel::OutcomeListModel(PathList &paths, QObject *parent)
    : QAbstractListModel(parent)
    , m_paths(paths)
{
}

OutcomeListModel::~OutcomeListModel() = default;

int OutcomeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
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
    switch (role) {
    case Qt::DisplayRole:
        return PathListModel::rowText(o.output.isEmpty() ? o.input : o.output);
    case Qt::DecorationRole:
        return statusIcon(o.status);
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
    m_rows = outcomes;
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const FileOutcome &a, const FileOutcome &b) {
        return outcomeSortRank(a.status) < outcomeSortRank(b.status);
    });
    m_paths.Clear();
    for (const FileOutcome &o : std::as_const(m_rows))
        m_paths.AddItem(o.output);
    endResetModel();
}

void OutcomeListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_paths.Clear();
    endResetModel();
}
