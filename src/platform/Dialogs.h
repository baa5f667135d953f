#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QPrinter;

// Every box the program shows goes through here, so tests can answer them and read their exact texts.
class Dialogs {
public:
    enum class NoticeKind { Information, Warning, Error, Confirmation };
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Dialogs() = default;

    // "Informationen", "Warnung", "Fehler" or "Bestätigen".
    static QString captionOf(NoticeKind kind);

    // Every Yes/No box below must be answered: Esc and the close box do nothing, only "Ja" (true) or
    // "Nein" (false) ends it. A question taken as "Nein" without the user saying so could overwrite the
    // clipboard or run a backup on.

    // A centred message dialog with the caption and icon of its kind; a confirmation is a Yes/No box.
    virtual bool notice(NoticeKind kind, const QString &text) = 0;
    // A Yes/No question with a question icon and the caption "zettmar".
    virtual bool question(const QString &text) = 0;
    // The program's title as caption, no icon, one "OK".
    virtual void plainMessage(const QString &text) = 0;
    // A box with a caption and icon of its own and one "OK".
    virtual void captionedMessage(const QString &caption, const QString &text, Icon icon) = 0;
    // A Yes/No question with a question icon and a caption of its own.
    virtual bool captionedQuestion(const QString &caption, const QString &text) = 0;
    // A one-line input box; empty when cancelled.
    virtual std::optional<QString> inputLine(const QString &caption, const QString &prompt, const QString &initial) = 0;
    // File choices start in startFolder, or where the desktop likes when it is empty.
    virtual std::optional<QString> openFile(const QString &caption, const QString &filter, const QString &startFolder)
        = 0;
    virtual QStringList openFiles(const QString &caption, const QString &filter, const QString &startFolder) = 0;
    virtual std::optional<QString> browseFolder(const QString &caption, const QString &start) = 0;
    // The print dialog for printer; true when the user chose to print.
    virtual bool printDialog(QPrinter &printer) = 0;
    // Shows one of our own windows modally and returns its QDialog result.
    virtual int exec(QDialog &dialog) = 0;
};
