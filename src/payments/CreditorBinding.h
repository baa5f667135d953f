#pragma once

#include <QObject>
#include <QStringList>
#include <optional>

class RecordEditor;

// The creditor functions beside the main window's fields: the IBAN grouped while it is typed, the
// creditor data carried from one record to another, the creditor's web site opened.
class CreditorBinding final : public QObject {
    Q_OBJECT

public:
    explicit CreditorBinding(RecordEditor &editor);

public Q_SLOTS:
    void ButtonCopyBClick();
    void ButtonPasteBClick();
    void SpeedButton1Click();

private Q_SLOTS:
    void EditIbanChange();

private:
    void pasteHeld(const QStringList &texts);
    void pasteClipboardIntoName();

    RecordEditor &m_editor;
    // Held from the first copy of all data until the program ends; never written anywhere.
    std::optional<QStringList> m_held;
};
