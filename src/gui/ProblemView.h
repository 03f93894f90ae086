#pragma once

#include "core/FileOutcome.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// What one run had to say, kept by the finished page for as long as it shows that run:
// the shared log file in the temporary folder belongs to whichever run came last.
struct RunProblems {
    QList<FileOutcome> outcomes; // every image of the run
    QString exifToolText; // ExifTool's own lines, as it wrote them
    QString errorDetail; // why the run ended on an error of its own; empty otherwise
};

// The problem view: image by image, what could not be cleaned or still identifies its
// owner, and why, in plain words; below them, closed, the warnings about images that were
// cleaned all the same. ExifTool's own lines are one click away.
class ProblemView final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProblemView)

public:
    explicit ProblemView(const RunProblems &problems, QWidget *parent = nullptr);
    ~ProblemView() override;

    // The list as text, group by group, for the clipboard and for whoever cannot see it.
    QString plainText() const;

private:
    QTreeWidget *m_tree = nullptr; // twProblems
    QPushButton *m_showRaw = nullptr; // cmdExifToolMessages
    QPlainTextEdit *m_raw = nullptr; // txtExifToolMessages
};
