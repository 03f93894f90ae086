#include "gui/OutputPage.h"

#include "core/TagOptions.h"
#include "gui/BrowseForFolder.h"
#include "gui/WizardRules.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

OutputPage::OutputPage(QWidget *parent)
    : WizardPage(u"picFrameOutput"_s, parent)
{
    auto *title = heading(tr("Output mode:"), this);
    title->setObjectName(u"lblOutputMode"_s);

    const QStringList captions
        = {tr("Overwrite original"), tr("Save cleaned images in this folder:"), tr("Add prefix:"), tr("Add suffix:")};
    m_modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_modes.at(i) = new QRadioButton(captions.at(i), this);
        m_modes.at(i)->setObjectName(u"optOutputMode_"_s + QString::number(i));
        m_modeGroup->addButton(m_modes.at(i), i);
    }
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(u"txtOutput"_s);
    m_folder->setAccessibleName(tr("Output folder"));
    QPushButton *browseFolder = browseButton(u"cmdOutputBrowse"_s, this);
    m_prefix = new QLineEdit(tr("cleaned_"), this);
    m_prefix->setObjectName(u"txtPrefix"_s);
    m_prefix->setAccessibleName(tr("Prefix"));
    m_suffix = new QLineEdit(tr("_cleaned"), this);
    m_suffix->setObjectName(u"txtSuffix"_s);
    m_suffix->setAccessibleName(tr("Suffix"));
    for (QLineEdit *box : {m_folder, m_prefix, m_suffix})
        box->installEventFilter(this);
    const int affixWidth = m_prefix->fontMetrics().horizontalAdvance(u"cleaned_cleaned_"_s) + 16;
    m_prefix->setFixedWidth(affixWidth);
    m_suffix->setFixedWidth(affixWidth);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_modes[0], 0, 0, 1, 4);
    grid->addWidget(m_modes[1], 1, 0, 1, 4);
    auto *folderRow = new QHBoxLayout;
    folderRow->setSpacing(4);
    folderRow->addSpacing(optionIndent);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browseFolder);
    grid->addLayout(folderRow, 2, 0, 1, 4);
    grid->addWidget(m_modes[2], 3, 0);
    grid->addWidget(m_prefix, 3, 1);
    grid->addWidget(makeTooltipAnchor(7), 3, 2);
    grid->addWidget(m_modes[3], 4, 0);
    grid->addWidget(m_suffix, 4, 1);
    grid->addWidget(makeTooltipAnchor(8), 4, 2);
    grid->setColumnStretch(3, 1);
    grid->setRowMinimumHeight(2, m_folder->sizeHint().height());

    auto *layout = innerPageLayout(this);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addStretch(1);

    // The state of a first start; a stored value that cannot be applied leaves it.
    m_modes[3]->setChecked(true);

    // Toggled covers a mode chosen by the program (the browse button); clicked covers a
    // click on the mode that is already chosen.
    connect(m_modeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Q_EMIT changed();
    });
    connect(m_modeGroup, &QButtonGroup::idClicked, this, &OutputPage::changed);
    connect(browseFolder, &QPushButton::clicked, this, &OutputPage::browse);
}

OutputPage::~OutputPage() = default;

QList<std::pair<QWidget *, QWidget *>> OutputPage::helpAnchors() const
{
    const QMap<int, QLabel *> &tips = tooltipAnchors();
    return {
        {m_prefix, tips.value(7)}, {m_modes[2], tips.value(7)}, {m_suffix, tips.value(8)}, {m_modes[3], tips.value(8)}};
}

int OutputPage::outputMode() const
{
    return m_modeGroup->checkedId();
}

void OutputPage::setOutputMode(int mode)
{
    if (mode >= 0 && mode < static_cast<int>(m_modes.size()))
        m_modes.at(mode)->setChecked(true);
}

QString OutputPage::outputFolder() const
{
    return m_folder->text();
}

void OutputPage::setOutputFolder(const QString &folder)
{
    m_folder->setText(folder);
}

QString OutputPage::prefix() const
{
    return m_prefix->text();
}

void OutputPage::setPrefix(const QString &prefix)
{
    m_prefix->setText(prefix);
}

QString OutputPage::suffix() const
{
    return m_suffix->text();
}

void OutputPage::setSuffix(const QString &suffix)
{
    m_suffix->setText(suffix);
}

void OutputPage::applyStates(const ControlStates &states)
{
    m_folder->setEnabled(states.txtOutputEnabled);
    m_prefix->setEnabled(states.txtPrefixEnabled);
    m_suffix->setEnabled(states.txtSuffixEnabled);
}

void OutputPage::showMessage(const QString &text)
{
    if (!m_message && text.isEmpty())
        return;
    if (!m_message) {
        m_message = new QLabel(this);
        m_message->setObjectName(u"lblOutputMessage"_s);
        m_message->setWordWrap(true);
        m_message->setStyleSheet(u"color: #c00000"_s);
        if (auto *box = qobject_cast<QBoxLayout *>(layout()))
            box->insertWidget(box->count() - 1, m_message);
    }
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void OutputPage::browse()
{
    QString text = m_folder->text();
    if (text.size() > 1 && text.endsWith(u'/')) {
        text.chop(1);
        m_folder->setText(text);
    }
    const QString folder = BrowseForFolder(window(), tr("Select output folder:"), text);
    if (!folder.isEmpty())
        m_folder->setText(folder);
    m_modes[1]->setChecked(true);
    Q_EMIT changed();
}

void OutputPage::selectModeOf(const QObject *textBox)
{
    // Choosing a mode that is chosen already changes nothing; choosing another runs the
    // rules (through changed), which enable the box.
    int index = -1;
    if (textBox == m_folder)
        index = 1;
    else if (textBox == m_prefix)
        index = 2;
    else if (textBox == m_suffix)
        index = 3;
    if (index > 0 && !m_modes.at(index)->isChecked())
        m_modes.at(index)->setChecked(true);
}

bool OutputPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_folder || watched == m_prefix || watched == m_suffix) {
        auto *box = static_cast<QLineEdit *>(watched);
        const QEvent::Type type = event->type();
        if (type == QEvent::FocusIn) {
            selectModeOf(box);
        } else if (type == QEvent::MouseButtonPress && !box->isEnabled() && isVisible()) {
            // A box is disabled while its mode is not chosen; clicking into it chooses
            // the mode, which enables it, and the click then goes on into the box.
            selectModeOf(box);
            if (box->isEnabled())
                box->setFocus(Qt::MouseFocusReason);
        } else if (type == QEvent::FocusOut) {
            Q_EMIT changed();
        } else if (type == QEvent::KeyPress) {
            // Enter in a text box counts the text first, as leaving the box would, so
            // that the default button (Next) acts on what was typed.
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                Q_EMIT changed();
        }
    }
    return WizardPage::eventFilter(watched, event);
}
