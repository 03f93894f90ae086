#pragma once

#include <QByteArray>
#include <QString>

// Writes sText and one CR LF as UTF-8, with a path's bytes that are not UTF-8 as the
// bytes they are (see NativePath.h): replacing the file's content (Overwrite) or
// appending to it. Work files live in a shared temporary folder, so the file is
// never opened through a symbolic link, a replaced file is created afresh, and an
// appended file must belong to the user. False on any failure; *error says why.
bool SaveTextToFile(const QString &FileFullPath, const QString &sText, bool Overwrite, QString *error = nullptr);

// The text after the last '/', after dropping one trailing '/'.
QString GetFileName(const QString &path);

// A name not yet taken in folder (which ends with '/'): "photo.jpg", "photo (2).jpg",
// "photo (3).jpg", ... A name without a dot, or with only a leading dot, is returned
// unchanged without any test.
QString GetUniqueFileName(const QString &folder, const QString &name);

// Moves a file to `target`, which must not exist yet; works across file systems and
// keeps the modification time. False when the target exists or the move failed, with
// *error saying why when given.
bool moveFileTo(const QString &source, const QString &target, QString *error = nullptr);

// rename() that never replaces what is at `dst` (nor follows a link there): 0, or errno
// (EEXIST when something is there).
int renameNoReplace(const QByteArray &src, const QByteArray &dst);

// The text of an errno value.
QString systemErrorText(int error);
