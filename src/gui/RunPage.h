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
    // "1,234 of 2,000 · about 40 s left · IMG_1234.JPG" (see CleanJob::progressed).
    void setProgressDetail(int done, int total, qint64 msLeft, const QString &current);
    // While the run waits for the answer to "Stop cleaning?".
    void setPaused(bool paused);

    // "about 40 s left", "about 3 min left"; empty without an estimate.
    static QString timeLeftText(qint64 msLeft);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showDetail();

    QLabel *m_status = nullptr; // lblProcessing
    QProgressBar *m_progress = nullptr; // ProgressBar
    QLabel *m_detail = nullptr; // lblProgressDetail
    int m_done = -1; // none shown yet
    int m_total = 0;
    qint64 m_msLeft = -1;
    QString m_current;
    bool m_paused = false;
};
