#pragma once

#include <QString>

// Moves one file to the desktop's trash without asking. Makes sure the user's data
// folder exists first, so the file lands in the user's own trash.
bool MoveToRecycleBin(const QString &path);
