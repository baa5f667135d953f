#pragma once

#include "register/InvoiceFile.h"
#include "register/InvoiceLine.h"

#include <QObject>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

// The record fields of the main window: shows, stores and navigates the records of the loaded year and
// keeps the two flags that guard unsaved input.
class RecordEditor final : public QObject {
    Q_OBJECT

public:
    // Finds the 21 fields by their object names below form.
    RecordEditor(QWidget &form, QLabel &positionPanel, QLabel &countPanel);

    InvoiceFile &file() { return m_file; }
    const InvoiceFile &file() const { return m_file; }
    QLineEdit &field(InvoiceLine::Field field) const { return *m_fields[field]; }
    QString fieldText(InvoiceLine::Field field) const;

    bool isNewRecord() const { return m_newRecord; }
    bool isModified() const { return m_modified; }
    qsizetype currentIndex() const { return m_index; }
    void setCurrentIndex(qsizetype index) { m_index = index; }
    // Start of the year with no file: the cleared fields wait for the year's first record.
    void startNewYear();
    void resetState();

    void clear();
    void show(const QString &line);
    void showCurrent();
    // Returns an error text when the file exists but cannot be read.
    QString load();
    bool store();
    // Asks "Änderungen speichern?" when there is unsaved input; "Ja" stores.
    void offerToSave();
    // Asks "Änderungen speichern?" whatever the flags say; "Ja" stores.
    void askToStore();

public Q_SLOTS:
    void ButtonFirstClick();
    void ButtonBackClick();
    void ButtonNextClick();
    void ButtonLastClick();
    void ButtonSaveClick();
    void ButtonClearClick();
    void ToolButtonDelClick();
    void ButtonUpDownClick();
    void EditReDatumEnter();
    void EditFristExit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPanels(const QString &position, const QString &count);
    void showPosition();
    void showCount();
    void markDueDate(bool overdue);
    bool writeOrUndo(const std::function<void()> &undo);
    void navigateAfterSaving(const std::function<void()> &move);

    InvoiceFile m_file;
    std::array<QLineEdit *, InvoiceLine::kFieldCount> m_fields{};
    QLabel &m_positionPanel;
    QLabel &m_countPanel;
    qsizetype m_index = 0;
    bool m_newRecord = false;
    bool m_modified = false;
};
