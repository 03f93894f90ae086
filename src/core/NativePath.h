#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

// Linux file names are bytes, and Qt turns them into text as UTF-8. A name that is not
// valid UTF-8 ("café.jpg" written in Latin-1) would come back as other bytes, naming no
// file. Paths therefore keep each byte that is not part of valid UTF-8 as the lone
// surrogate U+DC00 + byte (as Python's "surrogateescape" does) and are turned back into
// the same bytes for every system call and every line ExifTool reads. Valid UTF-8 is
// unaffected either way.
//
// Qt's own file classes would encode such a path lossily, so the few operations the run
// needs on images have their byte-exact forms here.

// The path of a name's bytes, and back; encodePath(decodePath(b)) == b for all b.
QString decodePath(const QByteArray &bytes);
QByteArray encodePath(const QString &path);
// Whether the path holds bytes that are not valid UTF-8.
bool holdsStrayBytes(const QString &path);
// For a person: every such byte written as \xNN, the rest as it is.
QString printablePath(const QString &text);

// QFile::open on the path's exact bytes (links are followed).
bool openPath(QFile &file, const QString &path, QIODevice::OpenMode mode);
// Removes a file or symbolic link (never a folder).
bool removePath(const QString &path);
// Creates a symbolic link at `link` pointing to `target`.
bool linkPath(const QString &target, const QString &link);
// A regular file (following links) is at the path.
bool isFilePath(const QString &path);
