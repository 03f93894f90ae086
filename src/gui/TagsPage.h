#pragma once

#include "core/TagOptions.h"
#include "gui/WizardPage.h"

class PathList;
struct ControlStates;
class QCheckBox;
class QUrl;

// Page 4: which metadata to remove, one box per group, and whether the orientation and
// colour profile stay. The disclaimer shows while the list holds other images than JPEGs.
class TagsPage final : public WizardPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TagsPage)

public:
    explicit TagsPage(QWidget *parent = nullptr);
    ~TagsPage() override;

    QList<std::pair<QWidget *, QWidget *>> helpAnchors() const override;

    // The boxes as the job takes them; the ICC box counts with the user's own tick (see
    // m_iccChoice), not the clear box shown while the profile is kept.
    TagOptions tags() const;
    void setTags(const TagOptions &tags);

    // The rules' verdict: the tick the ICC box shows and, on this page, which boxes are enabled.
    void applyStates(const ControlStates &states);
    void showDisclaimerFor(const PathList &files);
    // What the ready page lists as removed, by the boxes' captions.
    QStringList removedNames() const;
    // The help page the disclaimer's "the manual" opens: what each format keeps.
    static QUrl manualUrl();

Q_SIGNALS:
    // A box was ticked or cleared: the wizard applies its rules again.
    void changed();

private:
    QCheckBox *m_all = nullptr;
    QCheckBox *m_exif = nullptr;
    QCheckBox *m_exifGps = nullptr;
    QCheckBox *m_thumbnail = nullptr;
    QCheckBox *m_xmp = nullptr;
    QCheckBox *m_iptc = nullptr;
    QCheckBox *m_icc = nullptr;
    QCheckBox *m_photoshop = nullptr;
    QCheckBox *m_tiffIfd0 = nullptr;
    QCheckBox *m_geoTiff = nullptr;
    QCheckBox *m_adobeApp14 = nullptr;
    QCheckBox *m_other = nullptr;
    QCheckBox *m_keepLook = nullptr; // keep orientation and colour profile
    QLabel *m_disclaimer = nullptr;
    QLabel *m_disclaimerPicture = nullptr;
    // The user's own tick of chkCleanICC: the box shows it clear while chkKeepLook keeps
    // the profile, and shows this again when the profile is no longer kept.
    bool m_iccChoice = true;
};
