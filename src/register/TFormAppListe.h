#pragma once

#include "register/InvoiceListModel.h"

#include <QDialog>
#include <memory>
#include <optional>

class QLabel;
class RecordSession;
class TFormFrage;

namespace Ui {
class TFormAppListe;
}

// The invoice list: all, due or open invoices of the loaded year with their total; sorting, search,
// printing and the take-over of a row into the main window.
class TFormAppListe final : public QDialog {
    Q_OBJECT

public:
    TFormAppListe(const RecordSession &session, TFormFrage &prompt, QWidget *parent = nullptr);
    ~TFormAppListe() override;

    int SatzNr = -1;     // "Nr." of the row taken over, -1 when none was
    QString SuchBegriff; // the term of the last search in the list

    // Builds the list and shows it, or tells that there is nothing due. Returns the record to show when
    // a row was taken over.
    std::optional<qsizetype> showList(InvoiceListModel::Kind kind);
    // The column widths as they are on screen.
    QList<int> columnWidths() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private Q_SLOTS:
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton4Click();
    void ButtonCloseClick();
    void MyListColumnClick(int column);

private:
    void FormShow();
    void setUpList();
    void setUpLook();
    void showSortIndicator();
    void fitOuterSize();

    std::unique_ptr<Ui::TFormAppListe> ui;
    InvoiceListModel m_model;
    TFormFrage &m_prompt;
    QLabel *m_totalPanel = nullptr;
    bool m_outerSizeUnsure = false;
};
