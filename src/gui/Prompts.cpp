#include "gui/Prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QQueue>
#include <QUrl>
#include <utility>

using namespace Qt::StringLiterals;

namespace Prompts {

namespace {

constexpr qsizetype maxRecords = 200;

QQueue<QVariant> &answers()
{
    static QQueue<QVariant> queue;
    return queue;
}

bool &unattended()
{
    static bool flag = false;
    return flag;
}

bool &openUrlWorks()
{
    static bool works = true;
    return works;
}

QList<Record> &records()
{
    static QList<Record> list;
    return list;
}

// A dialog opened during long work would otherwise show the hourglass over its buttons.
class NormalPointer final {
public:
    NormalPointer()
        : m_active(QApplication::overrideCursor() != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }
    Q_DISABLE_COPY_MOVE(NormalPointer)

private:
    bool m_active;
};

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString applicationTitle()
{
    return u"Quillmark"_s;
}

void record(const Record &prompt)
{
    QList<Record> &list = records();
    list.append(prompt);
    if (list.size() > maxRecords)
        list.remove(0, list.size() - maxRecords);
}

std::optional<QVariant> takeScriptedAnswer(const Record &prompt)
{
    record(prompt);
    if (answers().isEmpty())
        return unattended() ? std::optional<QVariant>(QVariant()) : std::nullopt;
    return answers().dequeue();
}

void setUnattended(bool on)
{
    unattended() = on;
}

void setOpenUrlWorks(bool works)
{
    openUrlWorks() = works;
}

void queueAnswer(const QVariant &answer)
{
    answers().enqueue(answer);
}

void clearAnswers()
{
    answers().clear();
}

QList<Record> takeRecords()
{
    return std::exchange(records(), {});
}

void message(QWidget *parent, const QString &text, Icon icon)
{
    if (takeScriptedAnswer({Kind::Message, applicationTitle(), text, {}}))
        return;
    NormalPointer pointer;
    QMessageBox box(boxIcon(icon), applicationTitle(), text, QMessageBox::Ok, parent);
    // Paths in a message can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool question(QWidget *parent, const QString &text)
{
    if (const auto scripted = takeScriptedAnswer({Kind::Question, applicationTitle(), text, {}}))
        return scripted->toBool();
    NormalPointer pointer;
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString inputBox(QWidget *parent, const QString &title, const QString &prompt, const QString &preset)
{
    if (const auto scripted = takeScriptedAnswer({Kind::Input, title, prompt, preset}))
        return scripted->toString();
    NormalPointer pointer;
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder, const QStringList &nameFilters)
{
    if (const auto scripted = takeScriptedAnswer({Kind::OpenFiles, caption, {}, folder}))
        return scripted->toStringList();
    NormalPointer pointer;
    QFileDialog dialog(parent, caption, folder);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(nameFilters);
    if (!nameFilters.isEmpty())
        dialog.selectNameFilter(nameFilters.constFirst());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

int execModal(QDialog &dialog, const QString &description)
{
    if (takeScriptedAnswer({Kind::Modal, dialog.windowTitle(), description, {}}))
        return QDialog::Accepted;
    NormalPointer pointer;
    return dialog.exec();
}

bool openUrl(const QUrl &url)
{
    record({Kind::Open, {}, url.isLocalFile() ? url.toLocalFile() : url.toString(), {}});
    if (unattended())
        return openUrlWorks();
    return QDesktopServices::openUrl(url);
}

} // namespace Prompts
