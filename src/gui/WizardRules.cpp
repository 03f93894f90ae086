#include "gui/WizardRules.h"

#include <QCoreApplication>

QString imageCountCaption(int count)
{
    return count == 1 ? QCoreApplication::translate("UpdateControls", "%1 image").arg(count)
                      : QCoreApplication::translate("UpdateControls", "%1 images", nullptr, count).arg(count);
}

ControlStates controlStates(const ControlInputs &in)
{
    ControlStates s;
    s.cmdNextEnabled = true;
    // On every page, so the box never shows a tick for a profile that will be kept.
    s.chkCleanICCChecked = in.tags.icc && !in.tags.keepColourProfile;
    const auto refuse = [&s] {
        s.cmdNextEnabled = false;
        s.focusNext = false;
        return s;
    };

    if (in.page == Page::Images) {
        s.updateCountCaption = true;
        const int toClean = in.imageCount - in.earlierOutputs;
        s.countCaption = imageCountCaption(toClean);
        if (in.earlierOutputs > 0)
            s.countCaption += u' '
                + (in.earlierOutputs == 1 ? QCoreApplication::translate("UpdateControls", "(1 earlier output left out)")
                                          : QCoreApplication::translate("UpdateControls",
                                              "(%n earlier outputs left out)", nullptr, in.earlierOutputs));
        if (toClean <= 0)
            return refuse();
        s.focusNext = true;
    }

    if (in.page == Page::Output) {
        s.txtOutputEnabled = in.outputMode == OutputMode::Folder;
        s.txtPrefixEnabled = in.outputMode == OutputMode::Prefix;
        s.txtSuffixEnabled = in.outputMode == OutputMode::Suffix;
        if (in.outputMode == OutputMode::Folder) {
            if (in.outputFolder.trimmed().size() < 2)
                return refuse();
            s.focusNext = true;
        }
        // A prefix or suffix of blanks is valid, so these are not trimmed. One holding
        // '/' would put the outputs in another folder ("../../x-" even outside it).
        const QString *affix = in.outputMode == OutputMode::Prefix ? &in.prefix
            : in.outputMode == OutputMode::Suffix                  ? &in.suffix
                                                                   : nullptr;
        if (affix && !isUsableNameAffix(*affix)) {
            if (!affix->isEmpty())
                s.outputMessage = QCoreApplication::translate(
                    "UpdateControls", "A prefix or suffix is part of the file name and cannot contain \"/\".");
            return refuse();
        }
    }

    if (in.page != Page::Tags)
        return s;

    s.updateTagBoxes = true;
    const TagOptions &t = in.tags;
    if (t.all) {
        s.chkCleanExifEnabled = s.chkCleanExifGPSEnabled = s.chkCleanThumbnailEnabled = false;
        s.chkCleanXMPEnabled = s.chkCleanIPTCEnabled = s.chkCleanICCEnabled = false;
        s.chkCleanPhotoshopEnabled = s.chkCleanTiffIdf0Enabled = s.chkCleanGeoTiffEnabled = false;
        s.chkCleanAdobeApp14Enabled = s.chkCleanOtherEnabled = false;
        return s;
    }
    s.chkCleanExifGPSEnabled = !t.exif;
    s.chkCleanThumbnailEnabled = !t.exif;
    s.chkCleanIPTCEnabled = !t.photoshop;
    s.chkCleanICCEnabled = !t.keepColourProfile;
    if (!t.anyGroupTicked())
        return refuse();
    return s;
}
