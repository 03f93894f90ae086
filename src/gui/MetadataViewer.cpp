#include "gui/MetadataViewer.h"

#include "core/IdentifyingTags.h"
#include "core/ImageFiles.h"
#include "core/MetadataCompare.h"
#include "core/NativePath.h"
#include "gui/Palettes.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The size of the design's viewer at 96 dots per inch.
constexpr QSize designSize(745, 593);

} // namespace

MetadataViewer::MetadataViewer(QWidget *parent, bool comparing)
    : QDialog(parent)
    , m_comparing(comparing)
{
    setObjectName(u"frmReport"_s);
    setWindowTitle(tr("Metadata Viewer"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtReport = new QPlainTextEdit(this);
    txtReport->setObjectName(u"txtReport"_s);
    txtReport->setReadOnly(true);
    // Read-only text can still be selected with mouse and keyboard and copied.
    txtReport->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReport->setWordWrapMode(QTextOption::NoWrap);
    txtReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtReport->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtReport->setAccessibleName(tr("Metadata"));

    m_findBar = new QWidget(this);
    m_findBar->setObjectName(u"findBar"_s);
    auto *findLabel = new QLabel(tr("&Find:"), m_findBar);
    txtFind = new QLineEdit(m_findBar);
    txtFind->setObjectName(u"txtFind"_s);
    txtFind->setAccessibleName(tr("Find"));
    txtFind->setClearButtonEnabled(true);
    findLabel->setBuddy(txtFind);
    auto *next = new QPushButton(tr("&Next"), m_findBar);
    next->setObjectName(u"cmdFindNext"_s);
    auto *previous = new QPushButton(tr("&Previous"), m_findBar);
    previous->setObjectName(u"cmdFindPrevious"_s);
    next->setAutoDefault(false);
    previous->setAutoDefault(false);
    lblFindResult = new QLabel(m_findBar);
    lblFindResult->setObjectName(u"lblFindResult"_s);
    auto *findRow = new QHBoxLayout(m_findBar);
    findRow->setContentsMargins(6, 4, 6, 4);
    findRow->addWidget(findLabel);
    findRow->addWidget(txtFind, 1);
    findRow->addWidget(previous);
    findRow->addWidget(next);
    findRow->addWidget(lblFindResult);
    m_findBar->hide();
    connect(txtFind, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(txtFind, &QLineEdit::textEdited, this, [this] {
        // Searching as one types starts again from the top of the current match.
        QTextCursor cursor = txtReport->textCursor();
        cursor.setPosition(cursor.selectionStart());
        txtReport->setTextCursor(cursor);
        find(false);
    });
    connect(next, &QPushButton::clicked, this, [this] { find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });

    auto *findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, &MetadataViewer::showFind);
    auto *nextKey = new QShortcut(QKeySequence::FindNext, this);
    connect(nextKey, &QShortcut::activated, this, [this] { find(false); });
    auto *previousKey = new QShortcut(QKeySequence::FindPrevious, this);
    connect(previousKey, &QShortcut::activated, this, [this] { find(true); });

    // The listing fills the window and follows it when the user makes it larger.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (m_comparing) {
        lblSummary = new QLabel(this);
        lblSummary->setObjectName(u"lblSummary"_s);
        lblSummary->setWordWrap(true);
        lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        chkShowRemoved = new QCheckBox(tr("Show &removed tags"), this);
        chkShowRemoved->setObjectName(u"chkShowRemoved"_s);
        chkShowRemoved->setChecked(true);
        connect(chkShowRemoved, &QCheckBox::toggled, this, &MetadataViewer::fillComparison);
        auto *top = new QVBoxLayout;
        top->setContentsMargins(8, 6, 8, 6);
        top->setSpacing(4);
        top->addWidget(lblSummary);
        top->addWidget(chkShowRemoved);
        layout->addLayout(top);
    }
    layout->addWidget(txtReport, 1);
    layout->addWidget(m_findBar);

    resize(designSize);
    fitToScreen();
}

MetadataViewer::MetadataViewer(const QString &consoleOutput, QWidget *parent, const QString &filePath)
    : MetadataViewer(parent, false)
{
    if (!filePath.isEmpty())
        setWindowTitle(tr("%1 - Metadata Viewer").arg(printablePath(QFileInfo(filePath).fileName())));
    txtReport->setPlainText(textToShow(consoleOutput));
    explainListing(consoleOutput, filePath);
}

void MetadataViewer::explainListing(const QString &consoleOutput, const QString &filePath)
{
    // Before cleaning, what matters is what the file gives away: that first, in words,
    // by the rules the run's check uses; ExifTool's whole listing stays below.
    const QList<ResidueItem> items = IdentifyingTags::identifyingItems(MetadataCompare::parseListing(consoleOutput));
    lblRevealSummary = new QLabel(IdentifyingTags::revealSummary(items, ImageFiles::isVideoFile(filePath)), this);
    lblRevealSummary->setObjectName(u"lblRevealSummary"_s);
    lblRevealSummary->setWordWrap(true);
    lblRevealSummary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont bold = lblRevealSummary->font();
    bold.setBold(true);
    lblRevealSummary->setFont(bold);

    twIdentifying = new QTreeWidget(this);
    twIdentifying->setObjectName(u"twIdentifying"_s);
    twIdentifying->setAccessibleName(tr("Identifying metadata"));
    twIdentifying->setHeaderLabels({tr("What it reveals"), tr("Tag"), tr("Value")});
    twIdentifying->setRootIsDecorated(true);
    twIdentifying->setUniformRowHeights(true);
    twIdentifying->setTextElideMode(Qt::ElideMiddle);
    // One row per kind ("Location (GPS)"), its tags below it.
    QHash<QString, QTreeWidgetItem *> kinds;
    for (const ResidueItem &item : items) {
        const QString name = IdentifyingTags::plainName(item.category, item.tag);
        QTreeWidgetItem *&kind = kinds[name];
        if (!kind) {
            kind = new QTreeWidgetItem(twIdentifying, {name, item.tag, item.value});
            kind->setToolTip(0, IdentifyingTags::categoryTitle(item.category));
        } else {
            if (kind->childCount() == 0)
                new QTreeWidgetItem(kind, {QString(), kind->text(1), kind->text(2)});
            new QTreeWidgetItem(kind, {QString(), item.tag, item.value});
            kind->setText(1, tr("%n tag(s)", nullptr, kind->childCount()));
            kind->setText(2, QString());
        }
    }
    twIdentifying->resizeColumnToContents(0);
    twIdentifying->resizeColumnToContents(1);
    twIdentifying->setVisible(!items.isEmpty());
    // A short list; the listing below keeps most of the window.
    twIdentifying->setMaximumHeight(twIdentifying->fontMetrics().height() * 10);

    auto *top = new QVBoxLayout;
    top->setContentsMargins(8, 6, 8, 6);
    top->setSpacing(4);
    top->addWidget(lblRevealSummary);
    top->addWidget(twIdentifying);
    static_cast<QVBoxLayout *>(layout())->insertLayout(0, top);
}

MetadataViewer::MetadataViewer(const Comparison &comparison, QWidget *parent)
    : MetadataViewer(parent, true)
{
    m_comparison = comparison;
    setWindowTitle(tr("%1 - compared with the original - Metadata Viewer")
                       .arg(printablePath(QFileInfo(comparison.cleanedPath).fileName())));
    fillComparison();
}

MetadataViewer::~MetadataViewer() = default;

MetadataViewer *MetadataViewer::textWindow(const QString &title, const QString &text, QWidget *parent)
{
    auto *window = new MetadataViewer(parent, false);
    window->setWindowTitle(title);
    window->txtReport->setPlainText(text);
    return window;
}

QString MetadataViewer::textToShow(const QString &consoleOutput)
{
    const qsizetype lineFeed = consoleOutput.indexOf(u'\n');
    if (lineFeed < 0)
        return consoleOutput;
    return consoleOutput.mid(lineFeed);
}

void MetadataViewer::fillComparison()
{
    using namespace MetadataCompare;
    QList<Row> rows = compare(
        parseListing(m_comparison.originalOutput), parseListing(m_comparison.cleanedOutput), m_comparison.residue);
    // What is still in the file matters most: identifying tags first, then the other kept
    // ones, then what was removed; each part in the file's own order. Computed values,
    // which are not in the file, come last.
    const auto rank = [](const Row &row) {
        if (row.change == Change::Computed)
            return 3;
        if (row.change == Change::Removed)
            return 2;
        return row.categories.isEmpty() ? 1 : 0;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const Row &a, const Row &b) { return rank(a) < rank(b); });
    const Counts counts = count(rows);

    QString summary = tr("Original: %1").arg(m_comparison.originalPath) + u'\n'
        + tr("Cleaned: %1").arg(m_comparison.cleanedPath) + u'\n'
        + tr("%1 tags removed, %2 kept, %3 added.")
              .arg(QLocale().toString(counts.removed), QLocale().toString(counts.kept),
                  QLocale().toString(counts.added));
    if (counts.identifying > 0) {
        summary += u' '
            + tr("%1 of the kept tags can identify you (marked with !).", nullptr, counts.identifying)
                  .arg(QLocale().toString(counts.identifying));
    }
    summary += u'\n'
        + tr("Tags in bold are still in the cleaned file and come first; struck-through tags "
             "were removed. File names, sizes and dates on disk are left out.");
    if (counts.computed > 0) {
        summary += u' '
            + tr("The %n value(s) ExifTool computes from other tags (Composite) are listed last "
                 "and not counted: they are not stored in the file.",
                nullptr, counts.computed);
    }
    lblSummary->setText(summary);

    const QPalette palette = txtReport->palette();
    QTextCharFormat removed;
    removed.setFontStrikeOut(true);
    removed.setForeground(palette.color(QPalette::Text));
    QTextCharFormat computed;
    computed.setFontItalic(true);
    computed.setForeground(palette.color(QPalette::Text));
    QTextCharFormat kept;
    kept.setFontWeight(QFont::Bold);
    kept.setForeground(palette.color(QPalette::Text));
    QTextCharFormat identifying = kept;
    const QColor tint = Palettes::warningBackground(palette.color(QPalette::Base));
    identifying.setBackground(tint);
    identifying.setForeground(Palettes::readableOn(palette.color(QPalette::Text), tint));

    int width = 0;
    for (const Row &row : rows)
        width = std::max(width, static_cast<int>(row.entry.group.size() + row.entry.tag.size()) + 3);

    txtReport->clear();
    QTextCursor cursor(txtReport->document());
    bool first = true;
    for (const Row &row : rows) {
        if (row.change == Change::Removed && !chkShowRemoved->isChecked())
            continue;
        const bool flagged = !row.categories.isEmpty() && row.change != Change::Removed;
        QString mark = changeWord(row.change);
        if (flagged)
            mark.prepend(u'!');
        QString line = mark.leftJustified(9) + u' '
            + (u'[' + row.entry.group + u"] "_s + row.entry.tag).leftJustified(width) + u" : "_s + row.entry.value;
        if (row.change == Change::Changed)
            line += u"  ->  "_s + row.cleanedValue;
        QStringList notes;
        if (flagged) {
            // In words, by the name the original gave the tag: an unnamed maker-note tag
            // that holds the serial number reads "Camera serial number".
            for (ResidueCategory category : row.categories) {
                const QString word = IdentifyingTags::plainName(category, row.entry.key());
                if (!notes.contains(word))
                    notes << word;
            }
        }
        if (row.change == Change::Renamed)
            notes << tr("kept, now listed as %1").arg(row.renamedAs.key());
        else if (row.change == Change::Undecoded)
            notes << tr("kept in the maker notes, which ExifTool can no longer name");
        else if (row.change == Change::Computed)
            notes << tr("computed, not stored in the file");
        if (!notes.isEmpty())
            line += u"   ("_s + notes.join(u"; "_s) + u')';
        if (!first)
            cursor.insertBlock();
        first = false;
        const QTextCharFormat &format = row.change == Change::Removed ? removed
            : row.change == Change::Computed                          ? computed
            : flagged                                                 ? identifying
                                                                      : kept;
        cursor.insertText(line, format);
    }
    txtReport->moveCursor(QTextCursor::Start);
}

void MetadataViewer::showFind()
{
    m_findBar->show();
    txtFind->setFocus(Qt::ShortcutFocusReason);
    txtFind->selectAll();
}

bool MetadataViewer::find(bool backwards)
{
    const QString text = txtFind->text();
    if (text.isEmpty()) {
        lblFindResult->clear();
        return false;
    }
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = txtReport->find(text, flags);
    if (!found) {
        // Once round from the other end.
        QTextCursor cursor = txtReport->textCursor();
        cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        txtReport->setTextCursor(cursor);
        found = txtReport->find(text, flags);
    }
    lblFindResult->setText(found ? QString() : tr("Not found"));
    return found;
}

void MetadataViewer::keyPressEvent(QKeyEvent *event)
{
    // Escape first closes the find box, then the window.
    if (event->key() == Qt::Key_Escape && m_findBar->isVisible()) {
        m_findBar->hide();
        txtReport->setFocus();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MetadataViewer::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_fitted) {
        m_fitted = true;
        fitToScreen();
    }
}

void MetadataViewer::fitToScreen()
{
    // Never larger than the screen's free area, title bar included, at any scale.
    const QWidget *over = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen *screen = over ? over->screen() : this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QMargins frame = windowHandle() && windowHandle()->frameMargins() != QMargins()
        ? windowHandle()->frameMargins()
        : QMargins(4, 30, 4, 4); // until the window manager says, a usual frame
    const QSize size(std::min(designSize.width(), room.width() - frame.left() - frame.right()),
        std::min(designSize.height(), room.height() - frame.top() - frame.bottom()));
    resize(size);
    QPoint centre = over ? over->frameGeometry().center() : room.center();
    QRect placed(QPoint(), size + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
    placed.moveCenter(centre);
    placed.moveLeft(std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() + 1 - placed.width())));
    placed.moveTop(std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() + 1 - placed.height())));
    move(placed.topLeft());
}
