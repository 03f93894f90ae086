#pragma once

#include "gui/ProblemView.h"
#include "gui/WizardPage.h"

class OutcomeListModel;
class QPlainTextEdit;
class QToolButton;

// Page 8: what the run did, said in its headline and counted by status; one row per
// image with its outcome in words; the run's own problems, and the destination folder.
class FinishedPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FinishedPage)

public:
    FinishedPage(OutcomeListModel *outcomes, QWidget *parent = nullptr);
    ~FinishedPage() override;

    // Before a run: nothing of the last one.
    void clearReport();
    void setHeadline(const QString &text);
    QString headline() const;
    // A sentence per status that occurred ("2 images could not be cleaned."); none when
    // the headline says it all.
    void setCounts(const QStringList &lines);
    void setSummary(const QString &text);
    QString summaryText() const;
    // The run stopped on an error of its own: its details, and the link to its problems.
    void showInternalError(const QString &detail);
    // Images failed: the link to their problems, and a caption above the list when there is one.
    void showProblems(const QString &caption);
    void showNoProblems();
    // Kept for the problem view as long as the page shows this run.
    void setProblems(const RunProblems &problems);
    // The run's problems in a window of their own, modal.
    void openProblems();
    // After the list was filled: the switch for the images a stop left, if any.
    void updateNotReached();

    // The current row, or the first selected one; -1 without either.
    int currentRow() const;
    // A name as the list paints it in `width` pixels: the middle gives way, its end (the
    // "_cleaned" and the type) stays whole where it can.
    static QString shownName(const QString &name, const QFontMetrics &metrics, int width);

    // Gives the list's columns the list's width, once the page is laid out: the status
    // as wide as its longest text, the name the rest.
    void fitListColumn();

Q_SIGNALS:
    void logRequested();
    void destinationRequested();
    void metadataRequested(int row);

private:
    OutcomeListModel *m_outcomes = nullptr;
    QLabel *m_headline = nullptr; // lblFinished
    QLabel *m_counts = nullptr; // lblRunCounts
    QLabel *m_summary = nullptr; // lblExecuteInfo
    QLabel *m_errorInfo = nullptr; // lblErrorInfo
    QPlainTextEdit *m_errorLog = nullptr; // txtErrorLog
    QTreeView *m_list = nullptr; // lwFilesCleaned
    QToolButton *m_notReached = nullptr; // cmdNotReached
    QLabel *m_logLink = nullptr; // lblLinkButton_3
    RunProblems m_problems;
};
