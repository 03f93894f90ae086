#include "gui/RunPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

RunPage::RunPage(QWidget *parent)
    : WizardPage(u"picFrameExecute"_s, parent)
{
    auto *text = new QLabel(tr("Processing images, please wait..."), this);
    text->setObjectName(u"lblPleaseWait"_s);
    m_status = new QLabel(this);
    m_status->setObjectName(u"lblProcessing"_s);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"ProgressBar"_s);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setAccessibleName(tr("Progress"));
    auto *picture = new QLabel(this);
    picture->setObjectName(u"imgProcessing"_s);
    picture->setPixmap(artPixmap(u"processing"_s, QSize(48, 48)));
    picture->setAccessibleName(tr("Working"));

    auto *progress = new QVBoxLayout;
    progress->setSpacing(8);
    progress->addWidget(m_status);
    progress->addWidget(m_progress);
    progress->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addLayout(progress, 1);

    auto *layout = innerPageLayout(this);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addLayout(middle, 1);
    // Room for the progress bar on its right, as in the design.
    layout->setContentsMargins(24, 10, 48, 4);
}

RunPage::~RunPage() = default;

void RunPage::reset()
{
    m_progress->setValue(0);
    m_status->clear();
}

void RunPage::setStatus(const QString &text)
{
    m_status->setText(text);
}

void RunPage::setProgress(int percent)
{
    m_progress->setValue(percent);
}
