#pragma once

#include "core/CleanJob.h"

#include <optional>

class SettingsStore;

// Everything the program keeps between sessions: the job's options as the window's pages
// show them, and the window's own state. The window and `quillmark-cli --settings` read
// and write the store only through readStoredOptions() and writeStoredOptions(), so both
// read a stored value the same way. The defaults are the settings catalogue's.
struct StoredOptions {
    JobOptions job; // tags.icc is the user's own tick, even while a kept profile clears the box
    bool skipReadyPage = false; // chkSkipReadyPage

    // The window's state. A folder that no longer exists reads as empty; nothing (nullopt)
    // where the store could not be read, so the window keeps what it has.
    std::optional<QString> lastDir; // sLastDir: where the add dialogs open
    std::optional<QString> lastAddDir; // sLastAddDir: where the add-folder dialog opens
    bool fontSizeWarningShown = false; // bFontSizeWarningShown
    // The window's top left corner in twips (1/1440 inch); nothing when the stored text is
    // not a usable number.
    std::optional<double> left;
    std::optional<double> top;
    int resizableWindow = 0;
};

// The defaults that depend on the machine: the picture folder and the centred window.
struct StoredOptionsDefaults {
    QString lastDir;
    double left = 0;
    double top = 0;
};

// Reads every stored setting. A value that does not convert or is out of range is
// skipped and the option keeps its default; check boxes are clear (0) or ticked (1).
StoredOptions readStoredOptions(const SettingsStore &store, const StoredOptionsDefaults &defaults = {});

// Writes every setting, in the order the program has always saved them. False when a
// value could not be stored (the others are still written).
bool writeStoredOptions(SettingsStore &store, const StoredOptions &options);
