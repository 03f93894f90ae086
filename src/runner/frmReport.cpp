#include "runner/frmReport.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmReport::frmReport(const QString &consoleOutput, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmReport"_s);
    setWindowTitle(tr("Metadata Viewer"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtReport = new QPlainTextEdit(this);
    txtReport->setObjectName(u"txtReport"_s);
    txtReport->setReadOnly(true);
    txtReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReport->setWordWrapMode(QTextOption::NoWrap);
    txtReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtReport->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtReport->setPlainText(textToShow(consoleOutput));

    // The listing fills the window and follows it when the user makes it larger.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtReport);

    // 745 x 593 at 96 dots per inch; Qt's device-independent pixels keep that size at
    // other scale factors.
    resize(745, 593);
}

frmReport::~frmReport() = default;

QString frmReport::textToShow(const QString &consoleOutput)
{
    const qsizetype lineFeed = consoleOutput.indexOf(u'\n');
    if (lineFeed < 0)
        return consoleOutput;
    return consoleOutput.mid(lineFeed);
}
