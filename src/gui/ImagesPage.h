#pragma once

#include "gui/WizardPage.h"

class PathListModel;
class QPushButton;

// Page 2: the list of images to clean, the buttons that fill and empty it, and the count
// under it. Files dropped on the list are added to it.
class ImagesPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImagesPage)

public:
    ImagesPage(PathListModel *files, QWidget *parent = nullptr);
    ~ImagesPage() override;

    QList<std::pair<QWidget *, QWidget *>> helpAnchors() const override;
    // The buttons that carry balloon tips of their own.
    QWidget *addImagesButton() const;
    QWidget *addFolderButton() const;

    // The caption under the list ("3 images", "Adding files...") and its tooltip.
    void setCountCaption(const QString &text);
    void setCountToolTip(const QString &text);
    // The note under the list: which added folders held nothing to clean.
    void setAddNote(const QString &text);
    QString addNote() const;
    QList<int> selectedRows() const;
    // The current row, or the first selected one; -1 without either.
    int currentRow() const;
    // Gives the list's one column the list's width, once the page is laid out.
    void fitListColumn();

Q_SIGNALS:
    void addImagesClicked();
    void addFolderClicked();
    void removeSelectedClicked();
    void removeAllClicked();
    void metadataRequested(int row);
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *m_addImages = nullptr; // cmdInput
    QPushButton *m_addFolder = nullptr; // cmdAddFolder
    QTreeView *m_list = nullptr; // lwFiles
    QLabel *m_count = nullptr; // lblNumFileAdded
    QLabel *m_note = nullptr; // lblAddNote
};
