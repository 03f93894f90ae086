#pragma once

#include <QString>

// Moves one file to the desktop's trash without asking. Makes sure the user's data
// folder exists first, so the file lands in the user's own trash.
// False when the file did not reach the trash, with *error saying why when given.
bool MoveToRecycleBin(const QString &path, QString *error = nullptr);
