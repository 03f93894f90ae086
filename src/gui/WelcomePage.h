#pragma once

#include "gui/WizardPage.h"

class QLabel;

// Page 1: the greeting and the link to the home page. Files dropped on it are added and
// the wizard moves on to the file list.
class WelcomePage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomePage)

public:
    explicit WelcomePage(QWidget *parent = nullptr);
    ~WelcomePage() override;

    // The home page the welcome page links to.
    static QString homePageUrl();
    // What the page says, for help on a control that has none of its own.
    QString introText() const;

Q_SIGNALS:
    void homePageRequested();
    void filesDropped(const QStringList &paths);

protected:
    bool event(QEvent *event) override;

private:
    QLabel *m_intro = nullptr; // Label7
};
