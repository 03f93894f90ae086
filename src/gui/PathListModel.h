#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>

class PathList;

// Shows a path list as rows: row n (from 0) is entry n of the list, shown by its file
// name. Every change of the list goes through the model, so rows and entries always
// stay parallel. The full path is the row's PathRole.
class PathListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PathListModel)

public:
    static constexpr int PathRole = Qt::UserRole + 1;

    explicit PathListModel(PathList &list, QObject *parent = nullptr);
    ~PathListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setIcon(const QIcon &icon) { m_icon = icon; }

    void append(const QString &path);
    // Appends many rows in one insertion, so the views lay out once.
    void appendMany(const QStringList &paths);
    // Removes the given rows (any order, duplicates allowed) in one step.
    void removeRowSet(QList<int> rows);
    void clear();
    // Replaces every entry's text; the count must stay the same.
    void replaceTexts(const QStringList &paths);

    // The text after the last '/' (the whole path when there is none).
    static QString rowText(const QString &path);

private:
    PathList &m_list;
    QIcon m_icon;
};
