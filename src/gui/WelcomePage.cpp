#include "gui/WelcomePage.h"

#include "gui/LinkLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

WelcomePage::WelcomePage(QWidget *parent)
    : WizardPage(u"picFrameWelcome"_s, parent)
{
    setAcceptDrops(true);

    auto *title = heading(tr("Welcome to Quillmark!"), this, 1.4);
    title->setObjectName(u"Label3"_s);
    m_intro = wrapped(tr("This program deletes metadata tags and thumbnails from inside image files. "
                         "This helps to protect your online privacy, as well as saving disk space. "
                         "Drop photos or folders here, or click Next to choose them."),
        this);
    m_intro->setObjectName(u"Label7"_s);
    auto *homeCaption = new QLabel(tr("Homepage:"), this);
    homeCaption->setObjectName(u"Label5"_s);
    QString address = homePageUrl();
    address.remove(u"https://"_s);
    LinkLabel *home = makeLink(2, address.left(address.indexOf(u'/')));
    connect(home, &LinkLabel::activated, this, &WelcomePage::homePageRequested);

    auto *layout = sidePageLayout(this);
    layout->addWidget(title);
    layout->addSpacing(6);
    layout->addWidget(m_intro);
    layout->addStretch(1);
    auto *homeRow = new QHBoxLayout;
    homeRow->addWidget(homeCaption);
    homeRow->addWidget(home);
    homeRow->addStretch(1);
    layout->addLayout(homeRow);
}

WelcomePage::~WelcomePage() = default;

QString WelcomePage::homePageUrl()
{
    return u"https://www.corvane.org/?app=quillmark"_s;
}

QString WelcomePage::introText() const
{
    return m_intro->text();
}

bool WelcomePage::event(QEvent *event)
{
    if (takeFileDrop(this, event, [this](const QStringList &paths) { Q_EMIT filesDropped(paths); }))
        return true;
    return WizardPage::event(event);
}
