#include "gui/DatePage.h"

#include "gui/BrowseForFolder.h"
#include "gui/LinkLabel.h"
#include "gui/Prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

DatePage::DatePage(QWidget *parent)
    : WizardPage(u"picFrameDate"_s, parent)
{
    auto *title = heading(tr("Additional options"), this);
    title->setObjectName(u"lblAdditionalOptions"_s);

    m_resetDates = new QCheckBox(tr("Obfuscate File Dates"), this);
    m_resetDates->setObjectName(u"chkResetFileDates"_s);
    m_dateGroup = new QButtonGroup(this);
    const QStringList dateCaptions = {tr("Set to new date:"), tr("Generate a random date")};
    for (int i = 0; i < 2; ++i) {
        m_dateModes.at(i) = new QRadioButton(dateCaptions.at(i), this);
        m_dateModes.at(i)->setObjectName(u"optDate_"_s + QString::number(i));
        m_dateGroup->addButton(m_dateModes.at(i), i);
    }
    m_dateText = new QLabel(FileDate::dateText(m_fixedDate), this);
    m_dateText->setObjectName(u"lblResetDateTo"_s);
    m_dateText->setAccessibleName(tr("New file date"));
    LinkLabel *change = makeLink(6, tr("(change)"));
    m_changeDate = change;
    connect(change, &LinkLabel::activated, this, &DatePage::editDate);

    m_ignoreMinor = new QCheckBox(tr("Ignore minor errors and warnings"), this);
    m_ignoreMinor->setObjectName(u"chkIgnoreMinorWarnings"_s);
    m_ignoreMinor->hide();

    m_moveFailed = new QCheckBox(tr("If processing fails, move original file to:"), this);
    m_moveFailed->setObjectName(u"chkDeleteFileOnFail"_s);
    m_failGroup = new QButtonGroup(this);
    const QStringList failCaptions = {tr("Trash"), tr("Folder:")};
    for (int i = 0; i < 2; ++i) {
        m_failTargets.at(i) = new QRadioButton(failCaptions.at(i), this);
        m_failTargets.at(i)->setObjectName(u"optProcessingFail_"_s + QString::number(i));
        m_failGroup->addButton(m_failTargets.at(i), i);
    }
    m_failFolder = new QLineEdit(this);
    m_failFolder->setObjectName(u"txtProcessingFailFolder"_s);
    m_failFolder->setAccessibleName(tr("Folder for files that fail"));
    m_browseFail = browseButton(u"cmdProcessingFailBrowse"_s, this);

    const auto row = [](std::initializer_list<QWidget *> widgets, int indent, bool stretch = true) {
        auto *line = new QHBoxLayout;
        line->setSpacing(4);
        if (indent > 0)
            line->addSpacing(indent);
        for (QWidget *w : widgets)
            line->addWidget(w);
        if (stretch)
            line->addStretch(1);
        return line;
    };

    auto *layout = innerPageLayout(this);
    layout->setSpacing(3);
    layout->addWidget(title);
    layout->addLayout(row({makeTooltipAnchor(12), m_resetDates}, 0));
    const int indent = tooltipSide + 4 + optionIndent;
    layout->addLayout(row({m_dateModes[0], m_dateText, change}, indent));
    layout->addLayout(row({m_dateModes[1]}, indent));
    QLabel *hiddenAnchor = makeTooltipAnchor(14);
    hiddenAnchor->hide();
    layout->addLayout(row({hiddenAnchor, m_ignoreMinor}, 0));
    layout->addSpacing(4);
    layout->addLayout(row({makeTooltipAnchor(13), m_moveFailed}, 0));
    layout->addLayout(row({m_failTargets[0]}, indent));
    auto *folderRow = row({m_failTargets[1], m_failFolder, m_browseFail}, indent, false);
    folderRow->setStretch(2, 1);
    layout->addLayout(folderRow);
    layout->addStretch(1);

    // The state of a first start; a stored value that cannot be applied leaves it.
    m_dateModes[1]->setChecked(true);
    m_ignoreMinor->setChecked(true);
    m_failTargets[0]->setChecked(true);

    connect(m_browseFail, &QPushButton::clicked, this, &DatePage::browse);
    connect(m_resetDates, &QCheckBox::toggled, this, &DatePage::followDateBox);
    connect(m_moveFailed, &QCheckBox::toggled, this, &DatePage::followFailBox);
    followDateBox();
    followFailBox();
}

DatePage::~DatePage() = default;

QList<std::pair<QWidget *, QWidget *>> DatePage::helpAnchors() const
{
    const QMap<int, QLabel *> &tips = tooltipAnchors();
    return {{m_resetDates, tips.value(12)}, {m_dateModes[0], tips.value(12)}, {m_dateModes[1], tips.value(12)},
        {m_moveFailed, tips.value(13)}, {m_failTargets[0], tips.value(13)}, {m_failTargets[1], tips.value(13)},
        {m_failFolder, tips.value(13)}};
}

bool DatePage::resetFileDates() const
{
    return m_resetDates->isChecked();
}

void DatePage::setResetFileDates(bool on)
{
    m_resetDates->setChecked(on);
}

bool DatePage::randomDate() const
{
    return !m_dateModes[0]->isChecked();
}

void DatePage::setRandomDate(bool random)
{
    m_dateModes.at(random ? 1 : 0)->setChecked(true);
}

void DatePage::setFixedDate(const FixedFileDate &date)
{
    m_fixedDate = date;
    showDate();
}

bool DatePage::ignoreMinorWarnings() const
{
    return m_ignoreMinor->isChecked();
}

void DatePage::setIgnoreMinorWarnings(bool on)
{
    m_ignoreMinor->setChecked(on);
}

bool DatePage::moveFailed() const
{
    return m_moveFailed->isChecked();
}

void DatePage::setMoveFailed(bool on)
{
    m_moveFailed->setChecked(on);
}

int DatePage::failTarget() const
{
    return m_failGroup->checkedId();
}

void DatePage::setFailTarget(int target)
{
    if (target >= 0 && target < static_cast<int>(m_failTargets.size()))
        m_failTargets.at(target)->setChecked(true);
}

QString DatePage::failFolder() const
{
    return m_failFolder->text();
}

void DatePage::setFailFolder(const QString &folder)
{
    m_failFolder->setText(folder);
}

void DatePage::showDate()
{
    m_dateText->setText(FileDate::dateText(m_fixedDate));
}

void DatePage::followDateBox()
{
    const bool on = m_resetDates->isChecked();
    m_dateModes[0]->setEnabled(on);
    m_dateModes[1]->setEnabled(on);
    m_dateText->setEnabled(on);
    m_changeDate->setEnabled(on);
}

void DatePage::followFailBox()
{
    const bool on = m_moveFailed->isChecked();
    m_failTargets[0]->setEnabled(on);
    m_failTargets[1]->setEnabled(on);
    m_browseFail->setEnabled(on);
}

void DatePage::editDate()
{
    const std::array<QString *, 6> parts = {&m_fixedDate.sSetDateYear, &m_fixedDate.sSetDateMonth,
        &m_fixedDate.sSetDateDay, &m_fixedDate.sSetDateHour, &m_fixedDate.sSetDateMin, &m_fixedDate.sSetDateSec};
    for (int i = 0; i < 6; ++i) {
        const FileDate::DatePrompt &prompt = FileDate::datePrompt(i);
        const QString answer = Prompts::inputBox(window(), prompt.title, prompt.prompt, *parts.at(i));
        QString message;
        if (const std::optional<QString> valid = FileDate::validateDateAnswer(i, answer, &message))
            *parts.at(i) = *valid;
        else if (!message.isEmpty())
            Prompts::message(window(), message, Prompts::Icon::None);
    }
    showDate();
}

void DatePage::browse()
{
    QString text = m_failFolder->text();
    if (text.size() > 1 && text.endsWith(u'/')) {
        text.chop(1);
        m_failFolder->setText(text);
    }
    const QString folder = BrowseForFolder(window(), tr("Select output folder:"), text);
    if (!folder.isEmpty())
        m_failFolder->setText(folder);
    m_failTargets[1]->setChecked(true);
}
