#pragma once

#include <QString>

class QWidget;

// Lets the user choose one folder. title empty means "Select A Directory"; the dialog
// opens at initialSelection (or the nearest folder above it that exists). okText
// empty keeps the dialog's own caption. Returns the chosen folder without a trailing
// '/' (except the root itself), or "" when the user cancelled.
//
// Windows' folder shortcuts and .lnk files have no counterpart here: symbolic links to
// folders are followed by the file system itself.
QString BrowseForFolder(QWidget *owner, const QString &title, const QString &initialSelection,
    bool newFolderButton = true, const QString &okText = QString());
