#include "EInvoicePictures.h"

#include "einvoice/EInvoiceReader.h"
#include "einvoice/EpcTransferReader.h"
#include "einvoice/TFormERechnung.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTest>

namespace {

EInvoice invoiceOf(QByteArray xml)
{
    return std::get<EInvoice>(EInvoiceReader::read(xml));
}

void savePicture(TFormERechnung &form, const QString &path)
{
    form.show();
    QTest::qWait(50);
    form.grab().save(path);
    form.hide();
}

} // namespace

void EInvoicePictures::save(const QString &folder)
{
    QFile file(QStringLiteral(ZETTMAR_EINVOICE_FIXTURES "/ubl-invoice.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray xml = file.readAll();
    TFormERechnung form;
    form.showInvoice(invoiceOf(xml), true);
    savePicture(form, folder + QStringLiteral("/einvoice.png"));
    // The lines, VAT and totals further down the page.
    form.show();
    QScrollBar *scroll = form.findChild<QTextBrowser *>(QStringLiteral("BrowserInvoice"))->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    savePicture(form, folder + QStringLiteral("/einvoice-lines.png"));
    QByteArray failing = xml;
    failing.replace(">153.98<", ">150.00<").replace("DE02 1203 0000 0000 2020 51", "DE02 1203 0000 0000 2020 52");
    failing.replace("<cbc:DocumentCurrencyCode>EUR", "<cbc:DocumentCurrencyCode>CHF");
    failing.replace("<cbc:LineExtensionAmount currencyID=\"EUR\">12.50", "<cbc:LineExtensionAmount currencyID=\"EUR\">12.05");
    form.showInvoice(invoiceOf(failing), true);
    savePicture(form, folder + QStringLiteral("/einvoice-failing-checks.png"));
    const QByteArray giroCode = "BCD\n002\n1\nSCT\nBYLADEM1001\nStadtwerke Musterstadt\nDE02120300000000202051\n"
                                "EUR49.9\n\n\nAbschlag Mai 2024";
    form.showTransfer(std::get<EpcTransfer>(EpcTransferReader::read(giroCode)), true);
    savePicture(form, folder + QStringLiteral("/einvoice-girocode.png"));
}
