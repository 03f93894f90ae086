#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class QDialog;
class QUrl;
class QWidget;

// Every modal question the program asks goes through here: message boxes, the
// overwrite question, the input boxes of the date entry, the file and folder
// dialogs and the metadata viewer. Message boxes carry the application's title.
//
// Tests script the answers: while the queue holds answers, each prompt takes the
// next one instead of showing anything. A message box or modal window takes any
// answer (it only has OK); a question takes a bool (true = Yes); an input box, a
// folder dialog a QString (empty = cancelled); the add-images dialog a QStringList.
// Every prompt is also recorded, scripted or not, so a test can check what was asked;
// so is every address handed to the desktop to open (it takes no answer).
namespace Prompts {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Kind { Message, Question, Input, OpenFiles, Folder, Modal, Open };

struct Record {
    Kind kind = Kind::Message;
    QString title;
    QString text; // message, prompt or caption; for a modal window the text it shows
    QString preset; // input box preset, starting folder of a dialog
};

// The title of every message box.
QString applicationTitle();

void message(QWidget *parent, const QString &text, Icon icon);
// Yes/No with the question icon; true for Yes.
bool question(QWidget *parent, const QString &text);
// Empty when the user cleared the text or cancelled.
QString inputBox(QWidget *parent, const QString &title, const QString &prompt, const QString &preset);
// Existing files only, several at a time; the first filter is preselected. Full paths,
// empty when cancelled.
QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder, const QStringList &nameFilters);
// Shows a modal window and waits until it is closed. description is what the record keeps.
int execModal(QDialog &dialog, const QString &description);
// Opens a web page, a document or a folder the way the desktop opens it. The record keeps
// the address (a local path for files and folders); unattended, nothing is opened and the
// answer is what setOpenUrlWorks chose. False when the desktop has no handler for it
// (a minimal session, Xvfb): the caller then shows what it can itself.
bool openUrl(const QUrl &url);

// --- test hook ---
void queueAnswer(const QVariant &answer);
void clearAnswers();
// Takes the next scripted answer for a prompt of this kind, recording the prompt; nothing
// when the queue is empty (the caller then shows its dialog). For the dialogs that live
// elsewhere (the folder browser).
std::optional<QVariant> takeScriptedAnswer(const Record &prompt);
// With unattended on, a prompt that finds the queue empty is not shown either: it is
// recorded and answered as if cancelled (No, empty), so a test never waits for a person.
void setUnattended(bool unattended);
// What an unattended openUrl answers (true until set): a test's way to be a desktop
// without a handler.
void setOpenUrlWorks(bool works);
// The prompts recorded since the last call (at most the last 200).
QList<Record> takeRecords();
// Records a prompt that is about to be shown for real.
void record(const Record &prompt);

} // namespace Prompts
