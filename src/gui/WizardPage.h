#pragma once

// What the wizard's pages share: the base class, the design's measures and the helpers
// that make their labels, layouts, lists, help pictures and links.

#include <QMap>
#include <QPalette>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>

class LinkLabel;
class QEvent;
class QFrame;
class QLabel;
class QPushButton;
class QTreeView;
class QVBoxLayout;

// The pages in the order Next walks them; the numbers are the design's page numbers.
enum class Page { Welcome = 1, Images, Output, Tags, Date, Ready, Run, Finished };
constexpr std::array<Page, 8> allPages
    = {Page::Welcome, Page::Images, Page::Output, Page::Tags, Page::Date, Page::Ready, Page::Run, Page::Finished};

namespace CleanWizardParts {

// Measures of the design at 96 dots per inch, in device-independent pixels.
constexpr QSize designClientSize(457, 341);
constexpr int headerHeight = 73;
constexpr QSize splashSize(165, 289);
constexpr int bannerSide = 55;
constexpr int buttonWidth = 73;
constexpr int buttonHeight = 25;
constexpr int tooltipSide = 15;
constexpr int optionIndent = 20;

// The program's pictures, drawn for the screen the window opens on.
QPixmap artPixmap(const QString &name, QSize size);
QLabel *heading(const QString &text, QWidget *parent, qreal scale = 1.0);
QLabel *wrapped(const QString &text, QWidget *parent);
QVBoxLayout *innerPageLayout(QWidget *page);
QVBoxLayout *sidePageLayout(QWidget *page);
// One column of file names with their icon; a name wider than the list ends in "...".
QTreeView *fileListView(const QString &name, QWidget *parent);
QFrame *etchLine(const QString &name, QPalette::ColorRole role, QWidget *parent);
// The picture button beside a folder box.
QPushButton *browseButton(const QString &name, QWidget *parent);
// A text as rich text, its line breaks kept.
QString escaped(const QString &text);

// Files dropped from a file manager. Anything may be dragged over a drop target: without
// files the drop only moves the wizard on. True when the event was a drag or a drop; a
// drop's paths go to `dropped` once the drop is over (the file manager waits for it).
bool takeFileDrop(QObject *context, QEvent *event, const std::function<void(const QStringList &)> &dropped);

// The row of a one-column list that the keyboard or the first selected row points at, or -1.
int currentRow(const QTreeView *list);
// Widens a one-column list's column to the list, less its frame's room.
void fitListColumn(QTreeView *list);

} // namespace CleanWizardParts

// One page of the wizard: a panel that builds and owns its controls. The wizard shows one
// page at a time and talks to it through the page's own signals and accessors.
class WizardPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WizardPage)

public:
    ~WizardPage() override;

    // The page's "i" pictures by their index (picTooltip_<index>); the wizard hangs the
    // balloon tips on them.
    const QMap<int, QLabel *> &tooltipAnchors() const { return m_tooltipAnchors; }
    // Each control with the balloon that explains it (its "i" picture, or itself).
    virtual QList<std::pair<QWidget *, QWidget *>> helpAnchors() const { return {}; }

protected:
    WizardPage(const QString &objectName, QWidget *parent);

    QLabel *makeTooltipAnchor(int index);
    LinkLabel *makeLink(int index, const QString &caption);

private:
    QMap<int, QLabel *> m_tooltipAnchors;
};
