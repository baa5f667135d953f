#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/EpcTransfer.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TFormERechnung;
}

// An incoming invoice or GiroCode as a readable page with the checks below it; "Übernehmen" accepts
// the dialog, so its opener fills a new record.
class TFormERechnung final : public QDialog {
    Q_OBJECT

public:
    explicit TFormERechnung(QWidget *parent = nullptr);
    ~TFormERechnung() override;

    QString DatenPfad; // where "Drucken" puts the PDF, set by the opener

    // offerTakeOver shows "Übernehmen"; without it the page is for reading only.
    void showInvoice(const EInvoice &invoice, bool offerTakeOver);
    void showTransfer(const EpcTransfer &transfer, bool offerTakeOver);

private Q_SLOTS:
    void ButtonTakeOverClick();
    void ButtonPrintClick();
    void ButtonCloseClick();

private:
    void showPage(const QString &html, const QString &checks, bool offerTakeOver);

    std::unique_ptr<Ui::TFormERechnung> ui;
    QString m_printed; // the page with the checks at its end
    int m_pageHeight = 0;
};
