#include "platform/QtDialogs.h"

#include "platform/ProgramTitle.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(Dialogs::NoticeKind kind)
{
    switch (kind) {
    case Dialogs::NoticeKind::Information: return QMessageBox::Information;
    case Dialogs::NoticeKind::Warning: return QMessageBox::Warning;
    case Dialogs::NoticeKind::Error: return QMessageBox::Critical;
    case Dialogs::NoticeKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::Icon iconOf(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::None: return QMessageBox::NoIcon;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Swallows Esc and the close box, which QMessageBox would otherwise take for "Nein".
class AnswerRequired final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool closing = event->type() == QEvent::Close;
        const bool escape
            = event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
        if (!closing && !escape)
            return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    }
};

enum class Buttons { Ok, YesNo };

// Runs a box with German button captions and tells whether "Ja" (or "OK") was chosen.
bool runBox(QMessageBox::Icon icon, const QString &caption, const QString &text, Buttons buttons)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == Buttons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return true;
    }
    AnswerRequired answerRequired;
    // Only a customised frame leaves the close box out; the window manager still closes on Alt+F4.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.installEventFilter(&answerRequired);
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QString> chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace

bool QtDialogs::notice(NoticeKind kind, const QString &text)
{
    return runBox(iconOf(kind), Dialogs::captionOf(kind), text,
                  kind == NoticeKind::Confirmation ? Buttons::YesNo : Buttons::Ok);
}

bool QtDialogs::question(const QString &text)
{
    return runBox(QMessageBox::Question, QStringLiteral("zettmar"), text, Buttons::YesNo);
}

void QtDialogs::plainMessage(const QString &text)
{
    runBox(QMessageBox::NoIcon, programTitle(), text, Buttons::Ok);
}

void QtDialogs::captionedMessage(const QString &caption, const QString &text, Icon icon)
{
    runBox(iconOf(icon), caption, text, Buttons::Ok);
}

bool QtDialogs::captionedQuestion(const QString &caption, const QString &text)
{
    return runBox(QMessageBox::Question, caption, text, Buttons::YesNo);
}

std::optional<QString> QtDialogs::inputLine(const QString &caption, const QString &prompt, const QString &initial)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const QString &caption, const QString &filter, const QString &startFolder)
{
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, startFolder, filter));
}

// Hidden files are shown: a backup may hold files whose names begin with a dot, and they must be choosable.
QStringList QtDialogs::openFiles(const QString &caption, const QString &filter, const QString &startFolder)
{
    QFileDialog dialog(QApplication::activeWindow(), caption, startFolder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

std::optional<QString> QtDialogs::browseFolder(const QString &caption, const QString &start)
{
    return chosen(QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, start));
}

bool QtDialogs::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::exec(QDialog &dialog)
{
    return dialog.exec();
}
