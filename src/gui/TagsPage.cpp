#include "gui/TagsPage.h"

#include "core/PathList.h"
#include "gui/Mnemonics.h"
#include "gui/Prompts.h"
#include "gui/WizardRules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace CleanWizardParts;

TagsPage::TagsPage(QWidget *parent)
    : WizardPage(u"picFrameOptions"_s, parent)
{
    auto *title = heading(tr("Metadata to remove:"), this);
    title->setObjectName(u"lblMetadataToRemove"_s);

    const auto box = [this](const QString &name, const QString &caption) {
        auto *check = new QCheckBox(caption, this);
        check->setObjectName(name);
        return check;
    };
    m_all = box(u"chkCleanAll"_s, tr("All supported"));
    m_exif = box(u"chkCleanExif"_s, tr("Exif"));
    m_exifGps = box(u"chkCleanExifGPS"_s, tr("Exif GPS"));
    m_thumbnail = box(u"chkCleanThumbnail"_s, tr("Exif Thumb"));
    m_xmp = box(u"chkCleanXMP"_s, tr("XMP"));
    m_iptc = box(u"chkCleanIPTC"_s, tr("IPTC"));
    m_icc = box(u"chkCleanICC"_s, tr("ICC Profile"));
    m_photoshop = box(u"chkCleanPhotoshop"_s, tr("PS Tag && Thumb"));
    m_tiffIfd0 = box(u"chkCleanTiffIdf0"_s, tr("TIFF IFD0"));
    m_geoTiff = box(u"chkCleanGeoTiff"_s, tr("GeoTIFF"));
    m_adobeApp14 = box(u"chkCleanAdobeApp14"_s, tr("APP14"));
    m_other = box(u"chkCleanOther"_s, tr("All Other"));

    struct Cell {
        QCheckBox *check;
        int tooltip;
    };
    const QList<QList<Cell>> columns = {
        {{m_all, 10}, {m_exif, 0}, {m_exifGps, 1}, {m_thumbnail, 2}},
        {{m_xmp, 4}, {m_iptc, 5}, {m_icc, 3}, {m_photoshop, 9}},
        {{m_tiffIfd0, 11}, {m_geoTiff, 15}, {m_adobeApp14, 16}, {m_other, 6}},
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (int c = 0; c < columns.size(); ++c) {
        for (int r = 0; r < columns.at(c).size(); ++r) {
            grid->addWidget(makeTooltipAnchor(columns.at(c).at(r).tooltip), r, c * 3);
            grid->addWidget(columns.at(c).at(r).check, r, c * 3 + 1);
        }
        if (c < columns.size() - 1)
            grid->setColumnMinimumWidth(c * 3 + 2, 14);
    }
    grid->setColumnStretch(columns.size() * 3, 1);
    m_keepLook = box(u"chkKeepLook"_s, tr("Keep orientation and colour profile"));
    grid->setRowMinimumHeight(4, 4);
    grid->addWidget(makeTooltipAnchor(17), 5, 0);
    grid->addWidget(m_keepLook, 5, 1, 1, columns.size() * 3);

    m_disclaimerPicture = new QLabel(this);
    m_disclaimerPicture->setObjectName(u"imgDisclaimer"_s);
    m_disclaimerPicture->setPixmap(artPixmap(u"disclaimer"_s, QSize(24, 24)));
    m_disclaimerPicture->setAlignment(Qt::AlignTop);
    m_disclaimerPicture->setAccessibleName(tr("Warning"));
    // "the manual" opens the help page on formats; the rest of the text is plain.
    const QString manual = u"<a href=\"%1\">%2</a>"_s.arg(
        manualUrl().toString(QUrl::FullyEncoded).toHtmlEscaped(), escaped(tr("the manual")));
    m_disclaimer = wrapped(escaped(tr("Disclaimer: This program can not guarantee full support for all above tags in "
                                      "image formats other than JPEG. RAW images are especially complicated. You "
                                      "should check the produced images to make sure that undesired metadata has "
                                      "been removed. See %1 for more information."))
                               .arg(manual),
        this);
    m_disclaimer->setObjectName(u"lblDisclaimer"_s);
    m_disclaimer->setTextFormat(Qt::RichText);
    m_disclaimer->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_disclaimer, &QLabel::linkActivated, this, [](const QString &link) { Prompts::openUrl(QUrl(link)); });
    auto *disclaimer = new QHBoxLayout;
    disclaimer->setSpacing(8);
    disclaimer->addWidget(m_disclaimerPicture, 0, Qt::AlignTop);
    disclaimer->addWidget(m_disclaimer, 1);

    auto *layout = innerPageLayout(this);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addLayout(disclaimer);
    layout->addStretch(1);

    // The state of a first start; a stored value that cannot be applied leaves it.
    const TagOptions first;
    for (QCheckBox *check :
        {m_all, m_exif, m_exifGps, m_thumbnail, m_xmp, m_iptc, m_icc, m_photoshop, m_tiffIfd0, m_geoTiff, m_other})
        check->setChecked(true);
    m_adobeApp14->setChecked(first.adobeApp14);
    m_keepLook->setChecked(first.keepOrientation);

    // Before the rules run for the same change. applyStates sets the shown tick with the
    // signals blocked, so only a click or a stored value land here.
    connect(m_icc, &QCheckBox::toggled, this, [this](bool checked) { m_iccChoice = checked; });
    for (QCheckBox *check : {m_all, m_exif, m_exifGps, m_thumbnail, m_xmp, m_iptc, m_icc, m_photoshop, m_tiffIfd0,
             m_geoTiff, m_adobeApp14, m_other, m_keepLook})
        connect(check, &QCheckBox::toggled, this, &TagsPage::changed);
}

TagsPage::~TagsPage() = default;

QUrl TagsPage::manualUrl()
{
    return QUrl(u"https://www.corvane.org/help/?app=quillmark&topic=formats"_s);
}

QList<std::pair<QWidget *, QWidget *>> TagsPage::helpAnchors() const
{
    const QMap<int, QLabel *> &tips = tooltipAnchors();
    return {{m_exif, tips.value(0)}, {m_exifGps, tips.value(1)}, {m_thumbnail, tips.value(2)}, {m_icc, tips.value(3)},
        {m_xmp, tips.value(4)}, {m_iptc, tips.value(5)}, {m_other, tips.value(6)}, {m_photoshop, tips.value(9)},
        {m_all, tips.value(10)}, {m_tiffIfd0, tips.value(11)}, {m_geoTiff, tips.value(15)},
        {m_adobeApp14, tips.value(16)}};
}

TagOptions TagsPage::tags() const
{
    TagOptions t;
    t.all = m_all->isChecked();
    t.exif = m_exif->isChecked();
    t.gps = m_exifGps->isChecked();
    t.thumbnail = m_thumbnail->isChecked();
    t.xmp = m_xmp->isChecked();
    t.iptc = m_iptc->isChecked();
    t.icc = m_iccChoice;
    t.photoshop = m_photoshop->isChecked();
    t.ifd0 = m_tiffIfd0->isChecked();
    t.geoTiff = m_geoTiff->isChecked();
    t.adobeApp14 = m_adobeApp14->isChecked();
    t.other = m_other->isChecked();
    t.keepOrientation = t.keepColourProfile = m_keepLook->isChecked();
    return t;
}

void TagsPage::setTags(const TagOptions &t)
{
    m_all->setChecked(t.all);
    m_exif->setChecked(t.exif);
    m_exifGps->setChecked(t.gps);
    m_thumbnail->setChecked(t.thumbnail);
    m_xmp->setChecked(t.xmp);
    m_iptc->setChecked(t.iptc);
    m_photoshop->setChecked(t.photoshop);
    m_tiffIfd0->setChecked(t.ifd0);
    m_geoTiff->setChecked(t.geoTiff);
    m_adobeApp14->setChecked(t.adobeApp14);
    m_other->setChecked(t.other);
    m_keepLook->setChecked(t.keepOrientation && t.keepColourProfile);
    // The ICC box may be showing a kept profile as clear, where setting it would change
    // nothing: the choice is taken as it is, and the rules then show it.
    m_iccChoice = t.icc;
    Q_EMIT changed();
}

void TagsPage::applyStates(const ControlStates &s)
{
    {
        const QSignalBlocker shownOnly(m_icc);
        m_icc->setChecked(s.chkCleanICCChecked);
    }
    if (!s.updateTagBoxes)
        return;
    m_exif->setEnabled(s.chkCleanExifEnabled);
    m_exifGps->setEnabled(s.chkCleanExifGPSEnabled);
    m_thumbnail->setEnabled(s.chkCleanThumbnailEnabled);
    m_xmp->setEnabled(s.chkCleanXMPEnabled);
    m_iptc->setEnabled(s.chkCleanIPTCEnabled);
    m_icc->setEnabled(s.chkCleanICCEnabled);
    m_photoshop->setEnabled(s.chkCleanPhotoshopEnabled);
    m_tiffIfd0->setEnabled(s.chkCleanTiffIdf0Enabled);
    m_geoTiff->setEnabled(s.chkCleanGeoTiffEnabled);
    m_adobeApp14->setEnabled(s.chkCleanAdobeApp14Enabled);
    m_other->setEnabled(s.chkCleanOtherEnabled);
}

void TagsPage::showDisclaimerFor(const PathList &files)
{
    // JPEGs are known by their names' extensions.
    bool allJpeg = true;
    for (int i = 0; i < files.ListCount(); ++i) {
        const QString name = files.List(i).mid(files.List(i).lastIndexOf(u'/') + 1);
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString extension = dot > 0 ? name.mid(dot + 1).toLower() : QString();
        if (extension != u"jpg" && extension != u"jpe" && extension != u"jpeg")
            allJpeg = false;
    }
    m_disclaimer->setVisible(!allJpeg);
    m_disclaimerPicture->setVisible(!allJpeg);
}

QStringList TagsPage::removedNames() const
{
    QStringList removed;
    if (m_all->isChecked()) {
        removed << tr("all supported metadata");
        if (m_adobeApp14->isChecked())
            removed << Mnemonics::plain(m_adobeApp14->text());
        return removed;
    }
    for (const QCheckBox *check : {m_exif, m_exifGps, m_thumbnail, m_xmp, m_iptc, m_icc, m_photoshop, m_tiffIfd0,
             m_geoTiff, m_adobeApp14, m_other}) {
        if (check->isChecked())
            removed << Mnemonics::plain(check->text());
    }
    return removed;
}
