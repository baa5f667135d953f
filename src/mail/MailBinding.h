#pragma once

#include <QObject>
#include <QString>

class RecordEditor;

// The main window's mail functions: the hand-off of a mail to the creditor and the check of the
// e-mail field when the user leaves it.
class MailBinding final : public QObject {
    Q_OBJECT

public:
    // The mail program is read at every hand-off: the start-up settles it after this is made.
    MailBinding(RecordEditor &editor, const QString &mailProgram);

public Q_SLOTS:
    void Mailsenden1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void EditEmailExit();

private:
    RecordEditor &m_editor;
    const QString &m_mailProgram;
};
