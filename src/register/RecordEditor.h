#pragma once

#include "register/InvoiceLine.h"
#include "register/RecordSession.h"

#include <QObject>
#include <array>
#include <functional>

class QEvent;
class QLabel;
class QLineEdit;
class QWidget;

// The binding of the main window's 21 record fields to the record session: values in and out, the
// due-date colour, the typed-key rules and the boxes that report what the session did.
class RecordEditor final : public QObject {
    Q_OBJECT

public:
    // Finds the 21 fields by their object names below form.
    RecordEditor(QWidget &form, RecordSession &session, QLabel &positionPanel, QLabel &countPanel);

    RecordSession &session() const { return m_session; }
    QLineEdit &field(InvoiceLine::Field field) const { return *m_fields[field]; }
    // The field's text trimmed, as it would be stored.
    QString fieldText(InvoiceLine::Field field) const;

    // Start of a year with no file: the cleared fields wait for the year's first record.
    void startNewYear();
    // Writes a value taken over from elsewhere (held creditor data, a postal-code entry) into a field;
    // like typing, it counts as a change when the text differs.
    void takeOver(InvoiceLine::Field field, const QString &text);
    void resetState();

    void clear();
    // A record from elsewhere (an incoming invoice) waits on screen as a new record with unsaved input:
    // nothing is stored until the user saves. Its own invoice date stays when the date field is entered.
    void takeOver(const QStringList &fields);
    // Shows the session's current record.
    void showCurrent();
    // Replaces the shown record by the record at index, after the save question where input is unsaved.
    // False when the record stays on screen because its input could not be stored.
    bool showRecord(qsizetype index);
    // Reads the year file and shows its first record; an unreadable file is reported.
    void load();
    bool store();
    // Asks "Änderungen speichern?" when there is unsaved input; "Ja" stores. False when the answer was
    // "Ja" and the input could not be stored (incomplete, refused or not written), so it must stay.
    bool offerToSave();
    // The same question whatever the flags say.
    bool askToStore();
    // A focus event of a field that moves inside the window, not the window losing or regaining activation.
    static bool isFieldFocusChange(const QEvent *event);

public Q_SLOTS:
    void ButtonFirstClick();
    void ButtonBackClick();
    void ButtonNextClick();
    void ButtonLastClick();
    void ButtonSaveClick();
    void ButtonClearClick();
    void ToolButtonDelClick();
    void ButtonUpDownClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void EditReDatumEnter();
    void EditFristExit();

private:
    void show(const QString &line);
    void showPanels();
    void markDueDate(bool overdue);
    RecordSession::Result storeShown();
    void report(const RecordSession::Result &result);
    void navigateAfterSaving(const std::function<void()> &move);
    QStringList fieldTexts() const;

    RecordSession &m_session;
    std::array<QLineEdit *, InvoiceLine::kFieldCount> m_fields{};
    QLabel &m_positionPanel;
    QLabel &m_countPanel;
    bool m_keepsInvoiceDate = false; // a taken-over record is shown
};
