#pragma once

#include "core/FileDate.h"
#include "gui/WizardPage.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Page 5, the additional options: new file dates (a fixed or a random date) and what
// happens to an original that fails (to the trash or into a folder). Each choice is
// enabled only while its check box is ticked.
class DatePage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DatePage)

public:
    explicit DatePage(QWidget *parent = nullptr);
    ~DatePage() override;

    QList<std::pair<QWidget *, QWidget *>> helpAnchors() const override;

    bool resetFileDates() const;
    void setResetFileDates(bool on);
    bool randomDate() const;
    void setRandomDate(bool random);
    // The date and time set when the date is not random (sSetDateYear .. sSetDateSec).
    const FixedFileDate &fixedDate() const { return m_fixedDate; }
    void setFixedDate(const FixedFileDate &date);
    bool ignoreMinorWarnings() const;
    void setIgnoreMinorWarnings(bool on);
    bool moveFailed() const;
    void setMoveFailed(bool on);
    // Where an original that fails goes: 0 the trash, 1 the folder; -1 while none is chosen.
    int failTarget() const;
    // A target outside 0..1 is ignored.
    void setFailTarget(int target);
    QString failFolder() const;
    void setFailFolder(const QString &folder);

    // Asks for the fixed date part by part; an answer out of range keeps that part.
    void editDate();

private:
    void showDate();
    void followDateBox();
    void followFailBox();
    void browse();

    QCheckBox *m_resetDates = nullptr; // chkResetFileDates
    QButtonGroup *m_dateGroup = nullptr;
    std::array<QRadioButton *, 2> m_dateModes {}; // optDate_0 (fixed), optDate_1 (random)
    QLabel *m_dateText = nullptr; // lblResetDateTo
    QWidget *m_changeDate = nullptr; // lblLinkButton_6
    QCheckBox *m_ignoreMinor = nullptr; // chkIgnoreMinorWarnings, never shown
    QCheckBox *m_moveFailed = nullptr; // chkDeleteFileOnFail
    QButtonGroup *m_failGroup = nullptr;
    std::array<QRadioButton *, 2> m_failTargets {}; // optProcessingFail_0 (trash), _1 (folder)
    QLineEdit *m_failFolder = nullptr; // txtProcessingFailFolder
    QPushButton *m_browseFail = nullptr; // cmdProcessingFailBrowse
    FixedFileDate m_fixedDate;
};
