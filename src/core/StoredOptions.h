#pragma once

#include "core/CleanJob.h"

class SettingsStore;

// The job options as the stored settings give them, read with the same rules as the
// window's start-up: a value that does not convert or is out of range is skipped and
// the option keeps its default.
JobOptions jobOptionsFromSettings(const SettingsStore &store);
