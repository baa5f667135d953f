#include "platform/QtDialogs.h"

#include "platform/ProgramTitle.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
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

// Runs a box with German button captions and tells whether "Ja" (or "OK") was chosen.
bool runBox(QMessageBox::Icon icon, const QString &caption, const QString &text, bool yesNo)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    if (!yesNo) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return true;
    }
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
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
    return runBox(iconOf(kind), Dialogs::captionOf(kind), text, kind == NoticeKind::Confirmation);
}

bool QtDialogs::question(const QString &text)
{
    return runBox(QMessageBox::Question, QStringLiteral("zettmar"), text, true);
}

void QtDialogs::plainMessage(const QString &text)
{
    runBox(QMessageBox::NoIcon, programTitle(), text, false);
}

void QtDialogs::captionedMessage(const QString &caption, const QString &text)
{
    runBox(QMessageBox::NoIcon, caption, text, false);
}

std::optional<QString> QtDialogs::inputLine(const QString &caption, const QString &prompt,
                                            const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                               QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const QString &caption, const QString &filter)
{
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, {}, filter));
}

QStringList QtDialogs::openFiles(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), caption, {}, filter);
}

std::optional<QString> QtDialogs::browseFolder(const QString &caption, const QString &start)
{
    return chosen(QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, start));
}

int QtDialogs::exec(QDialog &dialog)
{
    return dialog.exec();
}
