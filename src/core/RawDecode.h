#pragma once

#include <QByteArray>
#include <QString>

// Decoding a camera raw file with LibRaw's command-line tool, to tell whether a cleaned
// raw file still gives the picture its original gave. Raw converters need a few of the
// tags a run could remove (IFD0 Make and Model, some maker notes): without them a file
// still looks whole to ExifTool but no longer opens in a raw converter.

// The LibRaw tool that decodes raw files ("dcraw_emu" on PATH), or empty when not installed.
QString rawDecoderProgram();

// Whether `path` names a camera raw file by its suffix (the raw types above, GPR included).
bool isCameraRawFile(const QString &path);

// How a raw file decoded. `opened` says LibRaw recognised the camera and opened the file;
// `digest` (hex SHA-256 of the decoded picture) is set when the picture decoded too. An
// opened file with no digest (LibRaw could not unpack its picture data, as with a
// truncated file) has the reason in `problem`.
struct RawDecode {
    bool opened = false;
    QByteArray digest;
    QString problem;
};

// Decodes `path` with `program` and returns a digest (SHA-256) of the decoded picture, or
// opened == false with LibRaw's message. Blocking: called on a worker thread. Never through
// a shell; any file name (leading '-', spaces, newlines, non-UTF-8 bytes) must work; a
// hung decoder is killed after a timeout (say 120 s); no temporary file is left behind.
//
// The picture is decoded at half size (a quarter of the time, each output pixel one
// 2x2 block of raw values, so every raw value still counts), with the camera's white
// balance, linear and 16 bits wide with no automatic brightening: a change of the raw
// data, the white balance or the colour matrix changes the digest.
RawDecode decodeRaw(const QString &program, const QString &path);
