#pragma once

// The wizard's rules across its pages, as pure functions of what the pages hold: which
// controls are enabled and whether the current page is complete enough for Next.

#include "core/TagOptions.h"
#include "gui/WizardPage.h"

#include <QString>

// Everything the rules look at.
struct ControlInputs {
    Page page = Page::Welcome;
    int imageCount = 0;
    int earlierOutputs = 0; // listed images the run leaves out as earlier outputs (images page)
    OutputMode outputMode = OutputMode::Suffix;
    QString outputFolder;
    QString prefix;
    QString suffix;
    TagOptions tags;
};

// What the window applies after every change of the list or of an option.
struct ControlStates {
    bool cmdNextEnabled = true;
    bool focusNext = false; // give cmdNext the keyboard focus
    bool updateCountCaption = false;
    QString countCaption; // "1 image", "0 images", "2 images" (images page only)
    bool txtOutputEnabled = false;
    bool txtPrefixEnabled = false;
    bool txtSuffixEnabled = false;
    QString outputMessage; // output page: why Next is refused, when a person must be told
    bool updateTagBoxes = false; // tags page only: apply the enabled flags below
    bool chkCleanExifEnabled = true;
    bool chkCleanExifGPSEnabled = true;
    bool chkCleanThumbnailEnabled = true;
    bool chkCleanXMPEnabled = true;
    bool chkCleanIPTCEnabled = true;
    bool chkCleanICCEnabled = true;
    bool chkCleanICCChecked = true; // the tick the ICC box shows: clear while the profile is kept
    bool chkCleanPhotoshopEnabled = true;
    bool chkCleanTiffIdf0Enabled = true;
    bool chkCleanGeoTiffEnabled = true;
    bool chkCleanAdobeApp14Enabled = true;
    bool chkCleanOtherEnabled = true;
};

// The wizard's rules as a pure function: which controls are enabled and whether the
// current page is complete enough for Next.
ControlStates controlStates(const ControlInputs &in);

// "N images" / "1 image".
QString imageCountCaption(int count);
