#include "einvoice/TFormERechnung.h"

#include "ui_TFormERechnung.h"

#include "einvoice/EInvoiceChecks.h"
#include "einvoice/EInvoicePage.h"
#include "einvoice/RichTextPrintout.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

namespace {

const QString kCaption = QStringLiteral("E-Rechnung");

} // namespace

TFormERechnung::TFormERechnung(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TFormERechnung>())
{
    ui->setupUi(this);
    setFixedSize(size());
    // Nothing a file names is ever fetched: the page holds text and tables only.
    ui->BrowserInvoice->setOpenExternalLinks(false);
    ui->BrowserInvoice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageHeight = ui->BrowserInvoice->height();
    connect(ui->ButtonTakeOver, &QPushButton::clicked, this, &TFormERechnung::ButtonTakeOverClick);
    connect(ui->ButtonPrint, &QPushButton::clicked, this, &TFormERechnung::ButtonPrintClick);
    connect(ui->ButtonClose, &QPushButton::clicked, this, &TFormERechnung::ButtonCloseClick);
}

TFormERechnung::~TFormERechnung() = default;

void TFormERechnung::showInvoice(const EInvoice &invoice, bool offerTakeOver)
{
    showPage(EInvoicePage::html(invoice), EInvoicePage::checksHtml(EInvoiceChecks::failures(invoice)), offerTakeOver);
}

void TFormERechnung::showTransfer(const EpcTransfer &transfer, bool offerTakeOver)
{
    showPage(EInvoicePage::html(transfer), QString(), offerTakeOver);
}

void TFormERechnung::showPage(const QString &html, const QString &checks, bool offerTakeOver)
{
    m_printed = QString(html).replace(QStringLiteral("</body>"), checks + QStringLiteral("</body>"));
    ui->BrowserInvoice->setHtml(html);
    ui->BrowserChecks->setHtml(checks);
    ui->BrowserChecks->setVisible(!checks.isEmpty());
    // A GiroCode has no checks; its page takes their room.
    ui->BrowserInvoice->setFixedHeight(checks.isEmpty() ? ui->BrowserChecks->geometry().bottom() - 7 : m_pageHeight);
    ui->ButtonTakeOver->setVisible(offerTakeOver);
    (offerTakeOver ? ui->ButtonTakeOver : ui->ButtonClose)->setDefault(true);
}

void TFormERechnung::ButtonTakeOverClick()
{
    accept();
}

void TFormERechnung::ButtonCloseClick()
{
    reject();
}

void TFormERechnung::ButtonPrintClick()
{
    const RichTextPrintout printout(kCaption, m_printed);
    if (Platform::dialogs().captionedQuestion(kCaption, QStringLiteral("Als PDF speichern?")))
        printout.printToPdf(DatenPfad + QStringLiteral("erechnung.pdf"));
    else
        printout.printOnPaper();
}
