#pragma once

// What building the wizard's pages shares: the design's measures and the helpers that
// make its labels, panels, layouts and lists. Included only by CleanWizardPages.cpp and
// CleanWizardRunPages.cpp.

#include <QPalette>
#include <QPixmap>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;
class QTreeView;
class QVBoxLayout;
class QWidget;

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
QWidget *pagePanel(const QString &name, QWidget *parent);
QVBoxLayout *innerPageLayout(QWidget *page);
QVBoxLayout *sidePageLayout(QWidget *page);
// One column of file names with their icon; a name wider than the list ends in "...".
QTreeView *fileListView(const QString &name, QWidget *parent);
QFrame *etchLine(const QString &name, QPalette::ColorRole role, QWidget *parent);

} // namespace CleanWizardParts
