#pragma once

#include "gui/WizardPage.h"

class QCheckBox;

// Page 6: what the run will do, in one paragraph, with a warning when the originals are
// overwritten and the reason when the run cannot start. A tick skips the page on later runs.
class ReadyPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadyPage)

public:
    explicit ReadyPage(QWidget *parent = nullptr);
    ~ReadyPage() override;

    bool skipped() const;
    void setSkipped(bool skip);
    void showSummary(const QString &text, bool overwrite);
    // Why the run cannot start, or empty when it can.
    void showCheck(const QString &problem);
    QString checkText() const;

private:
    QCheckBox *m_skip = nullptr; // chkSkipReadyPage
    QLabel *m_summary = nullptr; // lblReadySummary
    QLabel *m_overwrite = nullptr; // lblOverwriteWarning
    QLabel *m_overwritePicture = nullptr; // imgOverwriteWarning
    QLabel *m_check = nullptr; // lblPreflight
    QLabel *m_checkPicture = nullptr; // imgPreflight
};
