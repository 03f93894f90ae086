// Building the window: the header, the side picture, the buttons and the pages (each page
// builds its own controls), and the least client size that shows every page.

#include "gui/Artwork.h"
#include "gui/CleanWizard.h"
#include "gui/DatePage.h"
#include "gui/FinishedPage.h"
#include "gui/ImagesPage.h"
#include "gui/OutcomeListModel.h"
#include "gui/OutputPage.h"
#include "gui/PathListModel.h"
#include "gui/ReadyPage.h"
#include "gui/RunPage.h"
#include "gui/TagsPage.h"
#include "gui/WelcomePage.h"
#include "gui/WizardPage.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

void CleanWizard::buildUi()
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(tr("Quillmark"));
    setWindowIcon(Artwork::icon(u"quillmark"_s));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    setSizeGripEnabled(false);

    // The buttons are made first so that they come first in the tab order: Back, Next, Close.
    cmdBack = new QPushButton(tr("< Back"), this);
    cmdBack->setObjectName(u"cmdBack"_s);
    cmdNext = new QPushButton(tr("Next >"), this);
    cmdNext->setObjectName(u"cmdNext"_s);
    cmdNext->setDefault(true);
    cmdCancel = new QPushButton(tr("Close"), this);
    cmdCancel->setObjectName(u"cmdCancel"_s);
    for (QPushButton *button : {cmdBack, cmdNext, cmdCancel})
        button->setMinimumSize(buttonWidth, buttonHeight);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    root->addWidget(buildHeader());
    Line1 = etchLine(u"Line1"_s, QPalette::Light, this);
    Line2 = etchLine(u"Line2"_s, QPalette::Dark, this);
    root->addWidget(Line1);
    root->addWidget(Line2);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    picSplash = new QLabel(this);
    picSplash->setObjectName(u"picSplash"_s);
    picSplash->setFixedWidth(splashSize.width());
    picSplash->setMinimumHeight(0);
    picSplash->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picSplash->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    // Drawn again for the panel's height whenever it changes (updateSplashPicture).
    picSplash->setPixmap(Artwork::splash(splashSize, qApp->devicePixelRatio()));
    picSplash->setAcceptDrops(true);
    picSplash->installEventFilter(this);
    body->addWidget(picSplash);

    // Every page occupies the same cell; showPage shows one of them.
    auto *stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    m_filesModel = new PathListModel(m_lstFiles, this);
    m_filesModel->setIcon(Artwork::icon(u"file"_s));
    m_cleanedModel = new OutcomeListModel(m_lstCleaned, this);
    m_welcomePage = new WelcomePage(this);
    m_imagesPage = new ImagesPage(m_filesModel, this);
    m_outputPage = new OutputPage(this);
    m_tagsPage = new TagsPage(this);
    m_datePage = new DatePage(this);
    m_readyPage = new ReadyPage(this);
    m_runPage = new RunPage(this);
    m_finishedPage = new FinishedPage(m_cleanedModel, this);
    for (const Page page : allPages)
        stack->addWidget(pageWidget(page), 0, 0);
    body->addLayout(stack, 1);
    root->addLayout(body, 1);

    // The etched rule above the buttons, with the design's distances (15 px below the
    // pages, 14 px above the buttons).
    root->addSpacing(1);
    Line3 = etchLine(u"Line3"_s, QPalette::Dark, this);
    Line4 = etchLine(u"Line4"_s, QPalette::Light, this);
    root->addWidget(Line3);
    root->addWidget(Line4);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 12, 8, 12);
    buttons->setSpacing(0);
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    buttons->addSpacing(38);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);

    connectControls();
    m_uiBuilt = true;
}

QWidget *CleanWizard::buildHeader()
{
    picFrameTop = new QFrame(this);
    picFrameTop->setObjectName(u"picFrameTop"_s);
    picFrameTop->setFrameShape(QFrame::NoFrame);
    // The band stands out from the page as a text field does: white on a light desktop,
    // dark on a dark one, following a palette change while the window is open.
    picFrameTop->setAutoFillBackground(true);
    picFrameTop->setBackgroundRole(QPalette::Base);
    picFrameTop->setForegroundRole(QPalette::Text);
    picFrameTop->setMinimumHeight(headerHeight);

    lblTopTitle = heading(tr("Title"), picFrameTop);
    lblTopTitle->setObjectName(u"lblTopTitle"_s);
    lblTopText = wrapped(tr("Description"), picFrameTop);
    lblTopText->setObjectName(u"lblTopText"_s);
    lblTopTitle->setForegroundRole(QPalette::Text);
    lblTopText->setForegroundRole(QPalette::Text);
    picSplashTop = new QLabel(picFrameTop);
    picSplashTop->setObjectName(u"picSplashTop"_s);
    picSplashTop->setFixedSize(bannerSide, bannerSide);
    picSplashTop->setPixmap(artPixmap(u"banner"_s, QSize(bannerSide, bannerSide)));

    auto *texts = new QVBoxLayout;
    texts->setSpacing(3);
    texts->addWidget(lblTopTitle);
    auto *indented = new QHBoxLayout;
    indented->addSpacing(15);
    indented->addWidget(lblTopText, 1);
    texts->addLayout(indented);
    texts->addStretch(1);

    auto *layout = new QHBoxLayout(picFrameTop);
    layout->setContentsMargins(16, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(texts, 1);
    layout->addWidget(picSplashTop, 0, Qt::AlignTop);
    return picFrameTop;
}

QSize CleanWizard::requiredClientSize()
{
    // The design size is the least; Linux fonts usually need more. Every page is measured
    // as showPage would show it, the widest first, then the tallest at that width (the
    // wrapped texts grow taller as the window gets narrower).
    ensurePolished();
    const Page shown = m_page;
    int width = designClientSize.width();
    // Measured with the Alt letters: a Chinese or Japanese caption grows by "(&A)".
    for (const Page page : allPages) {
        setPageVisibility(page);
        assignMnemonics(page);
    }
    for (const Page page : allPages) {
        setPageVisibility(page);
        layout()->invalidate();
        layout()->activate();
        width = std::max(width, layout()->totalMinimumSize().width());
    }
    int height = designClientSize.height();
    for (const Page page : allPages) {
        setPageVisibility(page);
        layout()->invalidate();
        layout()->activate();
        int needed = layout()->totalMinimumSize().height();
        if (layout()->hasHeightForWidth())
            needed = std::max(needed, layout()->totalHeightForWidth(width));
        height = std::max(height, needed);
    }
    setPageVisibility(shown);
    return {width, height};
}
