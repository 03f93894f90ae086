// The look and feel of the window: the balloon tips, the side picture, the list columns
// and the large-font check.

#include "gui/Artwork.h"
#include "gui/BalloonTip.h"
#include "gui/CleanWizard.h"
#include "gui/FinishedPage.h"
#include "gui/ImagesPage.h"
#include "gui/Prompts.h"
#include "gui/WindowLayout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

struct TipEntry {
    const char *title;
    const char *text;
};

// The balloon of picTooltip_<index>, for index 0 to 17. Index 14 belongs to the hidden
// check box and says nothing.
constexpr TipEntry optionTips[18] = {
    {QT_TRANSLATE_NOOP("CleanWizard", "Exif"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "Exif is the standard metadata tag used by digital cameras to store information about the "
            "image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, "
            "as well as many TIFF-based RAW images.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Exif GPS"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "GeoLocation data is used to store information about the location where the photo was "
            "taken. The GPS tags are part of the EXIF standard, and are stored in a separate section "
            "within the EXIF information.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Exif thumbnail image"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "A thumbnail is a small representation of the image that can be used to quickly display a "
            "preview of the image.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "ICC Color Profile"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "ICC profile information is used in many different file types including JPEG, TIFF, PDF, "
            "Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color "
            "appearance of the image.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "XMP"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "XMP is a metadata format which is being pushed by Adobe. Information in this format can be "
            "embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, "
            "DNG, PNG, DJVU and MIFF, as well as videos and audio formats.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "IPTC"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "This is an older meta information format that is slowly being phased out in favor of XMP. "
            "IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "All other supported"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and "
            "MakerNotes.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Prefix"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "The prefix text is added IN FRONT of the current filename, in order to create a new image "
            "file.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Suffix"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "The suffix text is added AFTER of the current filename, in order to create a new image "
            "file.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Photoshop Tag & Thumbnail"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in "
            "many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also "
            "remove the IPTC tag.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Remove all supported tags"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "Use this option to make sure that you remove as much metadata information as possible! "
            "There is one exception: The Adobe APP14 is not removed because doing so may change the "
            "image apperance.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Remove TIFF IFD0 data"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "TIFF images can contain information in the first image file directory (IFD0), separate from other "
            "tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, "
            "ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, "
            "RWL, SR2 & SRW.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Obfuscate file dates"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "The date of the image file can potentially reveal information about when the image was "
            "taken and/or modified. This option will set the file's Created, Modified and Accessed "
            "dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the "
            "specific date). Please note that dates may change when the file is later altered, move, "
            "copied etc.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Move erroneous files"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "If there was an error and the file could not be processed (as indicated by the logs), this "
            "allows you to move the original file to a folder or delete it. Note that if you choose to "
            "move the file to a folder, and another file with the same name already exists, the file "
            "will not be moved. Note: This does not apply to warnings, only errors. Files with warnings "
            "will still be processed, but may be visible in the logs.")},
    {nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CleanWizard", "GeoTIFF"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "GeoLocation data is used to store information about the location where the photo was "
            "taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Adobe APP14"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "This tag is present in JPEG files and contains encoding information. If removed, the image "
            "apperance may be altered. Because of this it is not recommended to remove. It contains no "
            "personal information, but does indicate that an Adobe product has been used.")},
    {QT_TRANSLATE_NOOP("CleanWizard", "Keep orientation and colour profile"),
        QT_TRANSLATE_NOOP("CleanWizard",
            "The orientation tag tells viewers which way up to show the picture, and the colour profile "
            "tells them which colours it holds. Without the orientation, portrait photos are shown "
            "sideways; without the colour profile, colours may look wrong (for example the wide-gamut "
            "photos of recent phones). Neither identifies a person, so both are kept unless you clear "
            "this option.")},
};

QString translated(const char *text)
{
    return text ? QCoreApplication::translate("CleanWizard", text) : QString();
}

} // namespace

// --- balloon tips ---------------------------------------------------------------------

void CleanWizard::createTooltips()
{
    const auto add = [this](QWidget *anchor, const QString &title, const QString &text) {
        auto tip = std::make_unique<BalloonTip>();
        tip->setIcon(BalloonTip::IconInformation);
        tip->setVisibleTime(30000);
        tip->setDelayTime(200);
        if (!title.isEmpty() || !text.isEmpty()) {
            tip->setTitle(title);
            tip->setTipText(text);
        }
        tip->Create(anchor);
        m_tooltips.push_back(std::move(tip));
    };

    m_tooltips.clear();
    QMap<int, QLabel *> anchors;
    for (const Page page : allPages)
        anchors.insert(pageWidget(page)->tooltipAnchors());
    for (int index = 0; index < static_cast<int>(std::size(optionTips)); ++index) {
        const TipEntry &entry = optionTips[index];
        add(anchors.value(index), translated(entry.title), translated(entry.text));
    }
    add(m_imagesPage->addImagesButton(), tr("Add Images"),
        tr("Click here to add images, or drag and drop them onto the file list to the right.") + u"\r\n\r\n"_s
            + tr("This program is primarily designed to work on JPEG images, but also works with other file "
                 "formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, "
                 "INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, "
                 "ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD & X3F."));
    add(m_imagesPage->addFolderButton(), tr("Add Images from Folder"),
        tr("Same as above, but you choose a folder and the program will add all images found in this folder and "
           "its sub-folders."));
}

const BalloonTip *CleanWizard::tooltipOf(const QWidget *anchor) const
{
    for (const std::unique_ptr<BalloonTip> &tip : m_tooltips) {
        if (anchor && tip->anchor() == anchor)
            return tip.get();
    }
    return nullptr;
}

// --- pictures and list columns --------------------------------------------------------

void CleanWizard::updateSplashPicture()
{
    const QSize size = picSplash->size();
    const qreal ratio = picSplash->devicePixelRatioF();
    const QPixmap current = picSplash->pixmap();
    if (!current.isNull() && current.deviceIndependentSize().toSize() == size && current.devicePixelRatio() == ratio)
        return;
    picSplash->setPixmap(Artwork::splash(size, ratio));
}

void CleanWizard::setListColumnWidths()
{
    // Measured on the two pages laid out at the window's first size; the columns keep the
    // width when the window is resized later.
    const Page shown = m_page;
    for (const Page page : {Page::Images, Page::Finished}) {
        setPageVisibility(page);
        layout()->invalidate();
        layout()->activate();
        // A page lays itself out only once it is shown; it is measured before that.
        pageWidget(page)->layout()->invalidate();
        pageWidget(page)->layout()->activate();
        if (page == Page::Images)
            m_imagesPage->fitListColumn();
        else
            m_finishedPage->fitListColumn();
    }
    setPageVisibility(shown);
    layout()->invalidate();
    layout()->activate();
}

// --- the large-font warning -----------------------------------------------------------

void CleanWizard::fontSizeWarning()
{
    // Only a Windows fault sets this off (see platformFontWarningFacts): never on Linux.
    if (!WindowLayout::fontSizeWarningApplies(
            WindowLayout::platformFontWarningFacts(m_ScreenDPI, bFontSizeWarningShown)))
        return;
    Prompts::message(this,
        tr("Because of a bug in Windows 7, your system is using a font set that is too large for your "
           "current DPI settings. This may cause Quillmark (and other applications) to look distorted. "
           "Although only a visual problem, I recommend you to fix this problem, and will now open a "
           "page with help!"),
        Prompts::Icon::Exclamation);
    Prompts::openUrl(QUrl(u"https://www.corvane.org/help/?app=quillmark&topic=fontsize"_s));
    bFontSizeWarningShown = true;
}
