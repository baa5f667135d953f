#pragma once

#include "tools/PostalCodeSearch.h"

#include <QDialog>
#include <memory>

class QLabel;
class RecordEditor;

namespace Ui {
class TFormPlz;
}

// Looks a postal code or a town up in "plz.dat" and takes a double-clicked entry into the main window's
// address fields. Created once and reused: the term, the list and the loaded text stay between openings.
class TFormPlz final : public QDialog {
    Q_OBJECT

public:
    // Centred on mainWindow; the take-over writes into editor's fields.
    TFormPlz(QWidget &mainWindow, RecordEditor &editor);
    ~TFormPlz() override;

    QString SuchPlz;  // the search term, set by the opener
    QString DataPath; // the data folder, set by the opener before each opening

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void FormActivate();
    void Memo1DblClick(qsizetype entry);

private:
    void FormShow();
    void loadData();
    void runSearch();
    void showStatus(const QString &text);

    std::unique_ptr<Ui::TFormPlz> ui;
    RecordEditor &m_editor;
    QLabel *m_statusPanel = nullptr;
    PostalCodeSearch m_search;
    PostalCodeSearch::Result m_result;
    bool m_searchPending = false;
};
