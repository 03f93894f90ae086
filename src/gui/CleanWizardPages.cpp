// Building the window: the chrome and the first four pages (welcome, images, output,
// options) with their controls. The other pages are built in CleanWizardRunPages.cpp.

#include "gui/Artwork.h"
#include "gui/CleanWizard.h"
#include "gui/CleanWizardPages_p.h"
#include "gui/FileListView.h"
#include "gui/OutcomeListModel.h"
#include "gui/PathListModel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace CleanWizardParts {

// The program's pictures, drawn for the screen the window opens on.
QPixmap artPixmap(const QString &name, QSize size)
{
    return Artwork::pixmap(name, size, qApp->devicePixelRatio());
}

QLabel *heading(const QString &text, QWidget *parent, qreal scale)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    if (scale != 1.0)
        font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *pagePanel(const QString &name, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

QVBoxLayout *innerPageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 10, 16, 4);
    layout->setSpacing(6);
    return layout;
}

QVBoxLayout *sidePageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 14, 12, 4);
    layout->setSpacing(8);
    return layout;
}

// One column of file names with their icon; a name wider than the list ends in "...".
QTreeView *fileListView(const QString &name, QWidget *parent)
{
    auto *view = new FileListView(parent);
    view->setObjectName(name);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    // Tens of thousands of rows lay out at once when every row has the same height.
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setTextElideMode(Qt::ElideRight);
    view->setIconSize(QSize(16, 16));
    // The column keeps the width it is given at the start (setListColumnWidths).
    view->header()->setStretchLastSection(false);
    return view;
}

QFrame *etchLine(const QString &name, QPalette::ColorRole role, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(role);
    return line;
}

} // namespace CleanWizardParts

using namespace CleanWizardParts;

QString CleanWizard::homePageUrl()
{
    return u"https://www.corvane.org/?app=quillmark"_s;
}

QLabel *CleanWizard::makeLink(int index, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(u"lblLinkButton_"_s + QString::number(index));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, linkRestColor(palette));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, linkRestColor(palette));
    label->setPalette(palette);
    // Reachable with Tab; Space or Enter follows the link.
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(this);
    lblLinkButton.at(index) = label;
    return label;
}

QLabel *CleanWizard::makeTooltipAnchor(int index, QWidget *parent)
{
    auto *anchor = new QLabel(parent);
    anchor->setObjectName(u"picTooltip_"_s + QString::number(index));
    anchor->setFixedSize(tooltipSide, tooltipSide);
    anchor->setPixmap(artPixmap(u"info"_s, QSize(tooltipSide, tooltipSide)));
    picTooltip.at(index) = anchor;
    return anchor;
}

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

    // Every page occupies the same cell; ShowPage shows one of them.
    auto *stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    pages = {buildWelcomePage(), buildInputPage(), buildOutputPage(), buildOptionsPage(), buildDatePage(),
        buildBeginPage(), buildExecutePage(), buildFinishedPage()};
    for (QWidget *page : pages)
        stack->addWidget(page, 0, 0);
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

    applyDesignState();
    connectControls();
    m_uiBuilt = true;
}

void CleanWizard::applyDesignState()
{
    // The state the window has before any setting is read: that of a first start. A
    // stored value that cannot be applied leaves its control like this.
    optOutputMode[3]->setChecked(true);
    for (QCheckBox *box : {chkCleanAll, chkCleanExif, chkCleanExifGPS, chkCleanThumbnail, chkCleanXMP, chkCleanIPTC,
             chkCleanICC, chkCleanPhotoshop, chkCleanTiffIdf0, chkCleanGeoTiff, chkCleanOther})
        box->setChecked(true);
    chkCleanAdobeApp14->setChecked(false);
    chkKeepLook->setChecked(true);
    optDate[1]->setChecked(true);
    chkIgnoreMinorWarnings->setChecked(true);
    optProcessingFail[0]->setChecked(true);
}

QWidget *CleanWizard::buildHeader()
{
    picFrameTop = new QFrame(this);
    picFrameTop->setObjectName(u"picFrameTop"_s);
    picFrameTop->setFrameShape(QFrame::NoFrame);
    picFrameTop->setAutoFillBackground(true);
    QPalette palette = picFrameTop->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    picFrameTop->setPalette(palette);
    picFrameTop->setMinimumHeight(headerHeight);

    lblTopTitle = heading(tr("Title"), picFrameTop);
    lblTopTitle->setObjectName(u"lblTopTitle"_s);
    lblTopText = wrapped(tr("Description"), picFrameTop);
    lblTopText->setObjectName(u"lblTopText"_s);
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

QWidget *CleanWizard::buildWelcomePage()
{
    picFrameWelcome = pagePanel(u"picFrameWelcome"_s, this);
    picFrameWelcome->setAcceptDrops(true);
    picFrameWelcome->installEventFilter(this);

    Label3 = heading(tr("Welcome to Quillmark!"), picFrameWelcome, 1.4);
    Label3->setObjectName(u"Label3"_s);
    Label7 = wrapped(tr("This program deletes metadata tags and thumbnails from inside image files. "
                        "This helps to protect your online privacy, as well as saving disk space. "
                        "Click 'next' to begin."),
        picFrameWelcome);
    Label7->setObjectName(u"Label7"_s);
    Label5 = new QLabel(tr("Homepage:"), picFrameWelcome);
    Label5->setObjectName(u"Label5"_s);
    QString address = homePageUrl();
    address.remove(u"https://"_s);
    makeLink(2, address.left(address.indexOf(u'/')), picFrameWelcome);

    auto *layout = sidePageLayout(picFrameWelcome);
    layout->addWidget(Label3);
    layout->addSpacing(6);
    layout->addWidget(Label7);
    layout->addStretch(1);
    auto *home = new QHBoxLayout;
    home->addWidget(Label5);
    home->addWidget(lblLinkButton[2]);
    home->addStretch(1);
    layout->addLayout(home);
    return picFrameWelcome;
}

QWidget *CleanWizard::buildInputPage()
{
    picFrameInput = pagePanel(u"picFrameInput"_s, this);

    cmdInput = new QPushButton(Artwork::icon(u"add"_s), tr("Add Images"), picFrameInput);
    cmdInput->setObjectName(u"cmdInput"_s);
    cmdAddFolder = new QPushButton(Artwork::icon(u"addfolder"_s), tr("Add from Folder"), picFrameInput);
    cmdAddFolder->setObjectName(u"cmdAddFolder"_s);
    for (QPushButton *button : {cmdInput, cmdAddFolder}) {
        button->setIconSize(QSize(22, 22));
        button->setMinimumHeight(34);
    }
    cmdRemoveSelected = new QPushButton(Artwork::icon(u"remove"_s), QString(), picFrameInput);
    cmdRemoveSelected->setObjectName(u"cmdRemoveSelected"_s);
    cmdRemoveSelected->setToolTip(tr("Remove selected files"));
    cmdRemoveSelected->setAccessibleName(tr("Remove selected files"));
    cmdRemoveAll = new QPushButton(Artwork::icon(u"removeall"_s), QString(), picFrameInput);
    cmdRemoveAll->setObjectName(u"cmdRemoveAll"_s);
    cmdRemoveAll->setToolTip(tr("Clear the file list"));
    cmdRemoveAll->setAccessibleName(tr("Clear the file list"));
    for (QPushButton *button : {cmdRemoveSelected, cmdRemoveAll}) {
        button->setIconSize(QSize(18, 18));
        button->setFixedSize(30, 28);
    }

    lwFiles = fileListView(u"lwFiles"_s, picFrameInput);
    m_filesModel = new PathListModel(m_lstFiles, this);
    m_filesModel->setIcon(Artwork::icon(u"file"_s));
    lwFiles->setModel(m_filesModel);
    lwFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lwFiles->setAcceptDrops(true);
    lwFiles->viewport()->setAcceptDrops(true);
    lwFiles->setDragDropMode(QAbstractItemView::DropOnly);
    lwFiles->viewport()->installEventFilter(this);
    lwFiles->installEventFilter(this);

    lblShowMetadataTip = new QLabel(tr("Doubleclick an image to view metadata"), picFrameInput);
    lblShowMetadataTip->setObjectName(u"lblShowMetadataTip"_s);
    lblNumFileAdded = new QLabel(tr("0 images"), picFrameInput);
    lblNumFileAdded->setObjectName(u"lblNumFileAdded"_s);
    lblNumFileAdded->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The count grows while files are added; room for the widest caption it can show is
    // kept from the start, so the hint beside it is never cut off.
    int countWidth = 0;
    for (const QString &caption : {tr("%1 images").arg(999999), tr("Adding files..."), tr("No files to process...")})
        countWidth = std::max(countWidth, lblNumFileAdded->fontMetrics().horizontalAdvance(caption));
    lblNumFileAdded->setMinimumWidth(countWidth + 2);

    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(cmdInput);
    left->addWidget(cmdAddFolder);
    left->addStretch(1);
    auto *removeRow = new QHBoxLayout;
    removeRow->setSpacing(4);
    removeRow->addWidget(cmdRemoveSelected);
    removeRow->addWidget(cmdRemoveAll);
    removeRow->addStretch(1);
    left->addLayout(removeRow);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(lwFiles, 1);
    auto *under = new QHBoxLayout;
    under->addWidget(lblShowMetadataTip);
    under->addStretch(1);
    under->addWidget(lblNumFileAdded);
    right->addLayout(under);

    // The picture buttons sit at the foot of the list, not under its caption line.
    auto *leftColumn = new QVBoxLayout;
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addLayout(left, 1);
    leftColumn->addSpacing(lblNumFileAdded->sizeHint().height() + right->spacing());

    auto *layout = new QHBoxLayout(picFrameInput);
    layout->setContentsMargins(16, 10, 16, 4);
    layout->setSpacing(12);
    layout->addLayout(leftColumn);
    layout->addLayout(right, 1);
    return picFrameInput;
}

QPushButton *CleanWizard::makeBrowseButton(const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(Artwork::icon(u"browse"_s), QString(), parent);
    button->setObjectName(name);
    button->setToolTip(tr("Browse for a folder to put the cleaned images in..."));
    button->setAccessibleName(button->toolTip());
    return button;
}

QWidget *CleanWizard::buildOutputPage()
{
    picFrameOutput = pagePanel(u"picFrameOutput"_s, this);
    auto *title = heading(tr("Output Mode:"), picFrameOutput);
    title->setObjectName(u"lblOutputMode"_s);

    const QStringList captions
        = {tr("Overwrite original"), tr("Save cleaned images in this folder:"), tr("Add prefix:"), tr("Add suffix:")};
    m_outputModeGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        optOutputMode.at(i) = new QRadioButton(captions.at(i), picFrameOutput);
        optOutputMode.at(i)->setObjectName(u"optOutputMode_"_s + QString::number(i));
        m_outputModeGroup->addButton(optOutputMode.at(i), i);
    }
    txtOutput = new QLineEdit(picFrameOutput);
    txtOutput->setObjectName(u"txtOutput"_s);
    cmdOutputBrowse = makeBrowseButton(u"cmdOutputBrowse"_s, picFrameOutput);
    txtPrefix = new QLineEdit(tr("cleaned_"), picFrameOutput);
    txtPrefix->setObjectName(u"txtPrefix"_s);
    txtSuffix = new QLineEdit(tr("_cleaned"), picFrameOutput);
    txtSuffix->setObjectName(u"txtSuffix"_s);
    for (QLineEdit *box : {txtOutput, txtPrefix, txtSuffix})
        box->installEventFilter(this);
    const int affixWidth = txtPrefix->fontMetrics().horizontalAdvance(u"cleaned_cleaned_"_s) + 16;
    txtPrefix->setFixedWidth(affixWidth);
    txtSuffix->setFixedWidth(affixWidth);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->addWidget(optOutputMode[0], 0, 0, 1, 4);
    grid->addWidget(optOutputMode[1], 1, 0, 1, 4);
    auto *folderRow = new QHBoxLayout;
    folderRow->setSpacing(4);
    folderRow->addSpacing(optionIndent);
    folderRow->addWidget(txtOutput, 1);
    folderRow->addWidget(cmdOutputBrowse);
    grid->addLayout(folderRow, 2, 0, 1, 4);
    grid->addWidget(optOutputMode[2], 3, 0);
    grid->addWidget(txtPrefix, 3, 1);
    grid->addWidget(makeTooltipAnchor(7, picFrameOutput), 3, 2);
    grid->addWidget(optOutputMode[3], 4, 0);
    grid->addWidget(txtSuffix, 4, 1);
    grid->addWidget(makeTooltipAnchor(8, picFrameOutput), 4, 2);
    grid->setColumnStretch(3, 1);
    grid->setRowMinimumHeight(2, txtOutput->sizeHint().height());

    auto *layout = innerPageLayout(picFrameOutput);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addStretch(1);
    return picFrameOutput;
}

QWidget *CleanWizard::buildOptionsPage()
{
    picFrameOptions = pagePanel(u"picFrameOptions"_s, this);
    auto *title = heading(tr("Metadata to remove:"), picFrameOptions);
    title->setObjectName(u"lblMetadataToRemove"_s);

    const auto box = [this](const QString &name, const QString &caption) {
        auto *check = new QCheckBox(caption, picFrameOptions);
        check->setObjectName(name);
        return check;
    };
    chkCleanAll = box(u"chkCleanAll"_s, tr("All supported"));
    chkCleanExif = box(u"chkCleanExif"_s, tr("Exif"));
    chkCleanExifGPS = box(u"chkCleanExifGPS"_s, tr("Exif GPS"));
    chkCleanThumbnail = box(u"chkCleanThumbnail"_s, tr("Exif Thumb"));
    chkCleanXMP = box(u"chkCleanXMP"_s, tr("XMP"));
    chkCleanIPTC = box(u"chkCleanIPTC"_s, tr("IPTC"));
    chkCleanICC = box(u"chkCleanICC"_s, tr("ICC Profile"));
    chkCleanPhotoshop = box(u"chkCleanPhotoshop"_s, tr("PS Tag && Thumb"));
    chkCleanTiffIdf0 = box(u"chkCleanTiffIdf0"_s, tr("Tiff IDF0"));
    chkCleanGeoTiff = box(u"chkCleanGeoTiff"_s, tr("GeoTIFF"));
    chkCleanAdobeApp14 = box(u"chkCleanAdobeApp14"_s, tr("APP14"));
    chkCleanOther = box(u"chkCleanOther"_s, tr("All Other"));

    struct Cell {
        QCheckBox *check;
        int tooltip;
    };
    const QList<QList<Cell>> columns = {
        {{chkCleanAll, 10}, {chkCleanExif, 0}, {chkCleanExifGPS, 1}, {chkCleanThumbnail, 2}},
        {{chkCleanXMP, 4}, {chkCleanIPTC, 5}, {chkCleanICC, 3}, {chkCleanPhotoshop, 9}},
        {{chkCleanTiffIdf0, 11}, {chkCleanGeoTiff, 15}, {chkCleanAdobeApp14, 16}, {chkCleanOther, 6}},
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (int c = 0; c < columns.size(); ++c) {
        for (int r = 0; r < columns.at(c).size(); ++r) {
            grid->addWidget(makeTooltipAnchor(columns.at(c).at(r).tooltip, picFrameOptions), r, c * 3);
            grid->addWidget(columns.at(c).at(r).check, r, c * 3 + 1);
        }
        if (c < columns.size() - 1)
            grid->setColumnMinimumWidth(c * 3 + 2, 14);
    }
    grid->setColumnStretch(columns.size() * 3, 1);
    chkKeepLook = box(u"chkKeepLook"_s, tr("Keep orientation and colour profile"));
    grid->setRowMinimumHeight(4, 4);
    grid->addWidget(makeTooltipAnchor(17, picFrameOptions), 5, 0);
    grid->addWidget(chkKeepLook, 5, 1, 1, columns.size() * 3);

    imgDisclaimer = new QLabel(picFrameOptions);
    imgDisclaimer->setObjectName(u"imgDisclaimer"_s);
    imgDisclaimer->setPixmap(artPixmap(u"disclaimer"_s, QSize(24, 24)));
    imgDisclaimer->setAlignment(Qt::AlignTop);
    lblDisclaimer = wrapped(tr("Disclaimer: This program can not guarantee full support for all above tags in "
                               "image formats other than JPEG. RAW images are especially complicated. You "
                               "should check the produced images to make sure that undesired metadata has "
                               "been removed. See the manual for more information."),
        picFrameOptions);
    lblDisclaimer->setObjectName(u"lblDisclaimer"_s);
    auto *disclaimer = new QHBoxLayout;
    disclaimer->setSpacing(8);
    disclaimer->addWidget(imgDisclaimer, 0, Qt::AlignTop);
    disclaimer->addWidget(lblDisclaimer, 1);

    auto *layout = innerPageLayout(picFrameOptions);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addLayout(disclaimer);
    layout->addStretch(1);
    return picFrameOptions;
}
