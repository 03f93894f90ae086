#pragma once

#include "core/FileOutcome.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

class PathList;

// The finished page's list: one row per image of the run, its name with the status icon
// and its status in words beside it, and a tooltip that says what is left, by category,
// or why nothing was written. Rows with residue come first, then failed and unchanged
// ones, then skipped, then cleaned. The images a stopped run never reached are kept
// apart and listed last only on request (setShowNotReached), so the ones it did handle
// are not buried under them. The output paths of the rows are kept in a path list, row
// for row, for the viewer (empty where no output exists).
class OutcomeListModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutcomeListModel)

public:
    static constexpr int PathRole = Qt::UserRole + 1;
    static constexpr int StatusRole = Qt::UserRole + 2;
    static constexpr int NameColumn = 0;
    static constexpr int StatusColumn = 1;

    explicit OutcomeListModel(PathList &paths, QObject *parent = nullptr);
    ~OutcomeListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setOutcomes(const QList<FileOutcome> &outcomes);
    void clear();

    int notReachedCount() const { return int(m_notReached.size()); }
    bool showsNotReached() const { return m_showNotReached; }
    void setShowNotReached(bool show);

    static QIcon statusIcon(FileStatus status);

private:
    PathList &m_paths;
    QList<FileOutcome> m_rows; // the shown ones: m_notReached is appended while shown
    QList<FileOutcome> m_notReached;
    bool m_showNotReached = false;
    int m_reachedRows = 0;
};
