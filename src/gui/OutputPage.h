#pragma once

#include "gui/WizardPage.h"

#include <array>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
struct ControlStates;

// Page 3: where the cleaned images go (over the originals, into a folder, or beside them
// with a prefix or suffix). A text box is editable only while its mode is chosen; typing
// into one chooses it.
class OutputPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutputPage)

public:
    explicit OutputPage(QWidget *parent = nullptr);
    ~OutputPage() override;

    QList<std::pair<QWidget *, QWidget *>> helpAnchors() const override;

    // The chosen mode as OutputMode counts them, or -1 while none is chosen.
    int outputMode() const;
    // A mode outside 0..3 is ignored.
    void setOutputMode(int mode);
    QString outputFolder() const;
    void setOutputFolder(const QString &folder);
    QString prefix() const;
    void setPrefix(const QString &prefix);
    QString suffix() const;
    void setSuffix(const QString &suffix);

    // The rules' verdict on the text boxes.
    void applyStates(const ControlStates &states);
    // Says why Next is refused, below the choices; empty hides it.
    void showMessage(const QString &text);

Q_SIGNALS:
    // A mode was chosen or a text box left: the wizard applies its rules again.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void browse();
    void selectModeOf(const QObject *textBox);

    QButtonGroup *m_modeGroup = nullptr;
    std::array<QRadioButton *, 4> m_modes {}; // optOutputMode_0..3
    QLineEdit *m_folder = nullptr; // txtOutput
    QLineEdit *m_prefix = nullptr; // txtPrefix
    QLineEdit *m_suffix = nullptr; // txtSuffix
    QLabel *m_message = nullptr; // lblOutputMessage, made on first need
};
