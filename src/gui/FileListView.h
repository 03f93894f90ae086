#pragma once

#include <QTreeView>

// The wizard's file lists. An empty list shows a hint where the rows would be, and
// shows it has the keyboard focus (a list without rows draws no focused row).
class FileListView final : public QTreeView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileListView)

public:
    explicit FileListView(QWidget *parent = nullptr);
    ~FileListView() override;

    void setEmptyText(const QString &text);
    QString emptyText() const { return m_emptyText; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_emptyText;
};
