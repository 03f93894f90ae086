#include "gui/ProblemView.h"

#include "core/NativePath.h"
#include "core/ResidueClassifier.h"
#include "core/RunReport.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct Entry {
    QString path;
    QString reason;
};

// ExifTool's warnings about images that still got a good output; those about failed
// images are in their reasons already. A warning names its image at its end.
QList<Entry> warningsOf(const RunProblems &problems)
{
    QList<Entry> entries;
    for (const FileOutcome &o : problems.outcomes) {
        if (o.status == FileStatus::Cleaned && !o.message.isEmpty())
            entries << Entry {o.input, plainReason(o)};
    }
    // By path: a long run has many images and many warnings.
    QHash<QString, const FileOutcome *> written;
    for (const FileOutcome &o : problems.outcomes) {
        const OutcomeKind kind = outcomeKind(o);
        if ((kind == OutcomeKind::Cleaned || kind == OutcomeKind::Residue) && !o.input.isEmpty())
            written.insert(o.input, &o);
    }
    const QStringList lines = problems.exifToolText.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (!line.startsWith(u"Warning:"_s))
            continue;
        // The image's absolute path ends the line, after a blank.
        for (qsizetype at = line.indexOf(u" /"_s); at >= 0; at = line.indexOf(u" /"_s, at + 1)) {
            if (const FileOutcome *o = written.value(line.mid(at + 1))) {
                FileOutcome said = *o;
                said.message = line;
                entries << Entry {o->input, plainReason(said)};
                break;
            }
        }
    }
    return entries;
}

} // namespace

ProblemView::ProblemView(const RunProblems &problems, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmProblems"_s);
    setWindowTitle(tr("Problems of this run"));
    setSizeGripEnabled(true);
    resize(680, 420);

    auto *intro
        = new QLabel(tr("What this run could not do, image by image. Hover over a name for its full path."), this);
    intro->setObjectName(u"lblProblemsIntro"_s);
    intro->setWordWrap(true);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(u"twProblems"_s);
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({tr("Image"), tr("Reason")});
    m_tree->setAccessibleName(tr("Problems of this run"));
    m_tree->setWordWrap(true);
    m_tree->setUniformRowHeights(false);
    // The end of a name (its "_cleaned" and type) tells images apart; a path that cannot
    // wrap loses its middle, and the tooltip has it whole.
    m_tree->setTextElideMode(Qt::ElideMiddle);
    m_tree->header()->setStretchLastSection(true);
    m_tree->header()->resizeSection(0, 220);

    const auto group = [this](const QString &title, const QList<Entry> &entries, bool open) {
        if (entries.isEmpty())
            return;
        auto *top = new QTreeWidgetItem(m_tree, {u"%1 (%2)"_s.arg(title, QLocale().toString(entries.size()))});
        top->setFirstColumnSpanned(true);
        QFont bold = m_tree->font();
        bold.setBold(true);
        top->setFont(0, bold);
        for (const Entry &e : entries) {
            auto *item = new QTreeWidgetItem(top, {QFileInfo(e.path).fileName(), e.reason});
            const QString tip = printablePath(e.path) + u'\n' + e.reason;
            item->setToolTip(0, tip);
            item->setToolTip(1, tip);
        }
        top->setExpanded(open);
    };

    if (!problems.errorDetail.isEmpty())
        group(tr("The run ended on an internal error"), {Entry {QString(), problems.errorDetail}}, true);
    QList<Entry> failed;
    QList<Entry> residue;
    for (const FileOutcome &o : problems.outcomes) {
        const OutcomeKind kind = outcomeKind(o);
        if (kind == OutcomeKind::Failed)
            failed << Entry {o.input, plainReason(o).isEmpty() ? outcomeDescription(o) : plainReason(o)};
        else if (kind == OutcomeKind::Residue)
            residue << Entry {o.output.isEmpty() ? o.input : o.output, residueSummary(o.residue)};
    }
    group(tr("Could not be cleaned"), failed, true);
    group(tr("Still carry identifying metadata"), residue, true);
    group(tr("Warnings about images that were cleaned"), warningsOf(problems), false);
    if (m_tree->topLevelItemCount() == 0)
        new QTreeWidgetItem(m_tree, {tr("No image of this run had a problem.")});

    QString raw = problems.exifToolText.trimmed();
    if (!problems.errorDetail.isEmpty())
        raw = raw.isEmpty() ? problems.errorDetail : raw + u"\n\n"_s + problems.errorDetail;
    // ExifTool's messages of a very long run can run to many megabytes; the start tells enough.
    constexpr qsizetype rawLimit = 4 * 1024 * 1024;
    if (raw.size() > rawLimit)
        raw = raw.left(rawLimit) + u'\n' + tr("(ExifTool's messages go on; this shows their first 4 MB.)");
    m_raw = new QPlainTextEdit(printablePath(raw), this);
    m_raw->setObjectName(u"txtExifToolMessages"_s);
    m_raw->setReadOnly(true);
    m_raw->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_raw->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_raw->setAccessibleName(tr("ExifTool's messages"));
    m_raw->hide();
    m_showRaw = new QPushButton(tr("Show ExifTool's messages"), this);
    m_showRaw->setObjectName(u"cmdExifToolMessages"_s);
    m_showRaw->setCheckable(true);
    m_showRaw->setEnabled(!raw.isEmpty());
    connect(m_showRaw, &QPushButton::toggled, this, [this](bool on) {
        m_raw->setVisible(on);
        m_showRaw->setText(on ? tr("Hide ExifTool's messages") : tr("Show ExifTool's messages"));
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_showRaw, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_tree, 2);
    layout->addWidget(m_raw, 1);
    layout->addWidget(buttons);
}

ProblemView::~ProblemView() = default;

QString ProblemView::plainText() const
{
    QStringList lines;
    for (int t = 0; t < m_tree->topLevelItemCount(); ++t) {
        const QTreeWidgetItem *top = m_tree->topLevelItem(t);
        lines << top->text(0);
        for (int c = 0; c < top->childCount(); ++c) {
            const QTreeWidgetItem *item = top->child(c);
            lines << u"    %1: %2"_s.arg(item->text(0), item->text(1));
        }
    }
    return lines.join(u'\n');
}
