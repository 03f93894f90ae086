#pragma once

#include "core/FileOutcome.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QList>

class PathList;

// The finished page's list: one row per image of the run with its status icon and a
// tooltip that says what is left, by category, or why nothing was written. Rows with
// residue come first, then failed and unchanged ones, then skipped, then cleaned.
// The output paths of the rows are kept in a path list, row for row, for the viewer
// (empty where no output exists).
class OutcomeListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutcomeListModel)

public:
    static constexpr int PathRole = Qt::UserRole + 1;
    static constexpr int StatusRole = Qt::UserRole + 2;

    explicit OutcomeListModel(PathList &paths, QObject *parent = nullptr);
    ~OutcomeListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setOutcomes(const QList<FileOutcome> &outcomes);
    void clear();

    static QIcon statusIcon(FileStatus status);

private:
    PathList &m_paths;
    QList<FileOutcome> m_rows;
};
