#pragma once

#include "core/FileOutcome.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// "Metadata Viewer": ExifTool's listing of one file, read-only, in a fixed-pitch font
// and without line wrapping, below what in it identifies someone, in plain words. It
// also shows a cleaned file against its original (what cleaning removed, kept and
// added) and, as a plain text window, the problem log when the desktop cannot open it.
// Ctrl+F finds text; the text can be selected and copied.
class MetadataViewer final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MetadataViewer)

public:
    // One file's listing. filePath names the window; empty: the plain title.
    explicit MetadataViewer(const QString &consoleOutput, QWidget *parent = nullptr, const QString &filePath = {});
    ~MetadataViewer() override;

    struct Comparison {
        QString originalPath;
        QString cleanedPath;
        QString originalOutput; // ExifTool's listings (-a -G1 -s), whole
        QString cleanedOutput;
        QList<ResidueItem> residue; // what the run found identifying, when it knows
    };
    // The cleaned file against its original.
    explicit MetadataViewer(const Comparison &comparison, QWidget *parent = nullptr);

    // Any text in the viewer's window, e.g. the problem log.
    static MetadataViewer *textWindow(const QString &title, const QString &text, QWidget *parent);

    // The listing as shown: the console output without its first line, starting with
    // that line's line break. ExifTool on Linux ends its lines with LF alone, so a lone
    // LF ends the first line as well as CR LF does. Text without a line break is shown whole.
    static QString textToShow(const QString &consoleOutput);

    // Shows the find box (Ctrl+F); find() looks for its text from the cursor on and
    // selects the next match, wrapping round once; false when there is none.
    void showFind();
    bool find(bool backwards = false);

    QPlainTextEdit *txtReport = nullptr;
    QLabel *lblRevealSummary = nullptr; // what the file gives away, one sentence (one file's listing only)
    QTreeWidget *twIdentifying = nullptr; // the identifying tags in plain words (one file's listing only)
    QLabel *lblSummary = nullptr; // the comparison's counts (compare view only)
    QCheckBox *chkShowRemoved = nullptr; // compare view only
    QLineEdit *txtFind = nullptr;
    QLabel *lblFindResult = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    MetadataViewer(QWidget *parent, bool comparing);
    void fillComparison();
    void explainListing(const QString &consoleOutput, const QString &filePath);
    void fitToScreen();

    Comparison m_comparison;
    QWidget *m_findBar = nullptr;
    bool m_comparing = false;
    bool m_fitted = false;
};
