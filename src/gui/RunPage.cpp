#include "gui/RunPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
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
    m_detail = new QLabel(this);
    m_detail->setObjectName(u"lblProgressDetail"_s);
    // The name is elided to the label's width, so a long one never widens the window.
    m_detail->setMinimumWidth(1);
    m_detail->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *picture = new QLabel(this);
    picture->setObjectName(u"imgProcessing"_s);
    picture->setPixmap(artPixmap(u"processing"_s, QSize(48, 48)));
    picture->setAccessibleName(tr("Working"));

    auto *progress = new QVBoxLayout;
    progress->setSpacing(8);
    progress->addWidget(m_status);
    progress->addWidget(m_progress);
    progress->addWidget(m_detail);
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
    m_done = -1;
    m_current.clear();
    m_paused = false;
    showDetail();
}

void RunPage::setStatus(const QString &text)
{
    m_status->setText(text);
}

void RunPage::setProgress(int percent)
{
    m_progress->setValue(percent);
}

void RunPage::setProgressDetail(int done, int total, qint64 msLeft, const QString &current)
{
    m_done = done;
    m_total = total;
    m_msLeft = msLeft;
    m_current = current;
    showDetail();
}

void RunPage::setPaused(bool paused)
{
    m_paused = paused;
    showDetail();
}

QString RunPage::timeLeftText(qint64 msLeft)
{
    if (msLeft < 0)
        return QString();
    // Rounded as a person would say it: to 5 s under a minute, to minutes under two hours.
    const qint64 seconds = (msLeft + 999) / 1000;
    if (seconds < 58) {
        const int rounded = int(std::max<qint64>(5, (seconds + 4) / 5 * 5));
        return tr("about %n s left", nullptr, rounded);
    }
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 120)
        return tr("about %n min left", nullptr, int(minutes));
    return tr("about %n h left", nullptr, int((minutes + 30) / 60));
}

void RunPage::showDetail()
{
    if (m_done < 0) {
        m_detail->clear();
        m_detail->setToolTip(QString());
        return;
    }
    const QLocale locale;
    const QString separator = u" \u00b7 "_s;
    QString text = tr("%1 of %2").arg(locale.toString(m_done), locale.toString(m_total));
    const QString left = m_paused ? tr("Paused: waiting for your answer") : timeLeftText(m_msLeft);
    if (!left.isEmpty())
        text += separator + left;
    if (!m_current.isEmpty()) {
        text += separator;
        // The middle of a long name goes, so its start and its extension stay.
        const QFontMetrics metrics(m_detail->font());
        const int room = m_detail->contentsRect().width() - metrics.horizontalAdvance(text);
        text += metrics.elidedText(m_current, Qt::ElideMiddle, std::max(room, metrics.averageCharWidth() * 8));
    }
    m_detail->setText(text);
    m_detail->setToolTip(m_current);
}

void RunPage::resizeEvent(QResizeEvent *event)
{
    WizardPage::resizeEvent(event);
    showDetail();
}
