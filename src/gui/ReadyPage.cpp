#include "gui/ReadyPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

ReadyPage::ReadyPage(QWidget *parent)
    : WizardPage(u"picFrameBegin"_s, parent)
{
    auto *title = heading(tr("Ready to start"), this);
    title->setObjectName(u"lblReadyToStart"_s);
    // The heading says the wizard is ready; the body only says what Start does.
    auto *press = wrapped(tr("Press \"Start\" to clean the images."), this);
    press->setObjectName(u"lblPressStart"_s);
    auto *picture = new QLabel(this);
    picture->setObjectName(u"imgReadyToStart"_s);
    picture->setPixmap(artPixmap(u"ready"_s, QSize(48, 48)));
    picture->setAccessibleName(tr("Ready"));
    // The picture keeps its size; the texts beside it take the rest of the width.
    picture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_skip = new QCheckBox(tr("Skip this page in the future."), this);
    m_skip->setObjectName(u"chkSkipReadyPage"_s);
    // What the run will do, in one paragraph; filled when the page is shown. The text
    // here only gives the window room for a long one.
    m_summary = wrapped(tr("999 images will be cleaned as copies whose names end with \"_cleaned\". "
                           "Removed: all supported metadata, APP14. File dates are set to random dates. "
                           "Originals that fail go to the trash."),
        this);
    m_summary->setObjectName(u"lblReadySummary"_s);
    m_summary->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_overwritePicture = new QLabel(this);
    m_overwritePicture->setObjectName(u"imgOverwriteWarning"_s);
    m_overwritePicture->setPixmap(artPixmap(u"disclaimer"_s, QSize(16, 16)));
    m_overwritePicture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_overwritePicture->setAccessibleName(tr("Warning"));
    m_overwrite = wrapped(tr("The originals will be overwritten. This cannot be undone."), this);
    m_overwrite->setObjectName(u"lblOverwriteWarning"_s);
    QFont bold = m_overwrite->font();
    bold.setBold(true);
    m_overwrite->setFont(bold);
    // Why the run cannot start (the check before a run), in place of Start.
    m_checkPicture = new QLabel(this);
    m_checkPicture->setObjectName(u"imgPreflight"_s);
    m_checkPicture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(QSize(16, 16)));
    m_checkPicture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_checkPicture->setAccessibleName(tr("Cannot start"));
    m_check = wrapped(QString(), this);
    m_check->setObjectName(u"lblPreflight"_s);
    m_check->setTextFormat(Qt::PlainText); // names and folders are shown as they are
    m_check->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_check->setFont(bold);
    auto *check = new QHBoxLayout;
    check->setSpacing(6);
    check->addWidget(m_checkPicture, 0, Qt::AlignTop);
    check->addWidget(m_check, 1);
    showCheck(QString());

    auto *warning = new QHBoxLayout;
    warning->setSpacing(6);
    warning->addWidget(m_overwritePicture, 0, Qt::AlignTop);
    warning->addWidget(m_overwrite, 1);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(10);
    texts->addWidget(press);
    texts->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addLayout(texts, 1);

    auto *layout = innerPageLayout(this);
    layout->addWidget(title);
    layout->addSpacing(4);
    layout->addLayout(middle);
    layout->addWidget(m_summary);
    layout->addLayout(warning);
    layout->addLayout(check);
    layout->addStretch(1);
    layout->addWidget(m_skip);
}

ReadyPage::~ReadyPage() = default;

bool ReadyPage::skipped() const
{
    return m_skip->isChecked();
}

void ReadyPage::setSkipped(bool skip)
{
    m_skip->setChecked(skip);
}

void ReadyPage::showSummary(const QString &text, bool overwrite)
{
    m_summary->setText(text);
    m_overwrite->setVisible(overwrite);
    m_overwritePicture->setVisible(overwrite);
}

void ReadyPage::showCheck(const QString &problem)
{
    m_check->setText(problem);
    m_check->setVisible(!problem.isEmpty());
    m_checkPicture->setVisible(!problem.isEmpty());
}

QString ReadyPage::checkText() const
{
    return m_check->text();
}
