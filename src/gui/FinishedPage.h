#pragma once

#include "gui/WizardPage.h"

class OutcomeListModel;
class QPlainTextEdit;

// Page 8: the run's summary, its problems, one row per image with its outcome, and the
// links to the problem log and the destination folder.
class FinishedPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FinishedPage)

public:
    FinishedPage(OutcomeListModel *outcomes, QWidget *parent = nullptr);
    ~FinishedPage() override;

    // Before a run: no error details from the last one.
    void clearReport();
    void setSummary(const QString &text);
    QString summaryText() const;
    // The run stopped on an error of its own: its details, and the log link if a log was written.
    void showInternalError(const QString &detail, bool logWritten);
    // Images failed: the log link, and a caption above the list when there is one.
    void showProblems(const QString &caption);
    void showNoProblems();

    // The current row, or the first selected one; -1 without either.
    int currentRow() const;
    // Gives the list's one column the list's width, once the page is laid out.
    void fitListColumn();

Q_SIGNALS:
    void logRequested();
    void destinationRequested();
    void metadataRequested(int row);

private:
    QLabel *m_summary = nullptr; // lblExecuteInfo
    QLabel *m_errorInfo = nullptr; // lblErrorInfo
    QPlainTextEdit *m_errorLog = nullptr; // txtErrorLog
    QTreeView *m_list = nullptr; // lwFilesCleaned
    QLabel *m_logLink = nullptr; // lblLinkButton_3
};
