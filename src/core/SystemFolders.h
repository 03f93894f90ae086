#pragma once

#include <QString>

// Well-known folders, filled once at start-up. Folders end with '/'.
struct SystemFolders {
    QString sMyPictures; // the user's pictures folder (falls back to home)
    QString sMyDocuments;
    QString sTemp; // TMPDIR, else TEMP, else the system temporary folder; no trailing '/'
};

// Fills the record from the environment and QStandardPaths.
SystemFolders GetSystemFolders();

// The folder part of a path with a trailing '/': "/a/b.jpg" -> "/a/", "/a/b/" -> "/a/", "b.jpg" -> "".
QString GetFolderFromPath(const QString &path);
// A folder (or a symlink to one) exists at the path.
bool FolderExists(const QString &path);
// A file, folder or anything else exists at the path (dangling symlinks count too).
bool PathExists(const QString &path);
// The folder holding the running program, without a trailing '/'.
QString programFolder();
// A tool the program runs (exiftool, ffmpeg): the one beside the program, else the one on
// PATH; empty when there is none.
QString findProgram(const QString &name);
