#pragma once

#include "gui/WizardPage.h"

class QProgressBar;

// Page 7: the run's progress, with what the job is doing now.
class RunPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunPage)

public:
    explicit RunPage(QWidget *parent = nullptr);
    ~RunPage() override;

    // Back to the start for a new run.
    void reset();
    void setStatus(const QString &text);
    void setProgress(int percent);

private:
    QLabel *m_status = nullptr; // lblProcessing
    QProgressBar *m_progress = nullptr; // ProgressBar
};
