#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Metadata Viewer": ExifTool's listing of one file, read-only, in a fixed-pitch font
// and without line wrapping.
class frmReport final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmReport)

public:
    explicit frmReport(const QString &consoleOutput, QWidget *parent = nullptr);
    ~frmReport() override;

    // The listing as shown: the console output without its first line, starting with
    // that line's line break. ExifTool on Linux ends its lines with LF alone, so a lone
    // LF ends the first line as well as CR LF does. Text without a line break is shown whole.
    static QString textToShow(const QString &consoleOutput);

    QPlainTextEdit *txtReport = nullptr;
};
