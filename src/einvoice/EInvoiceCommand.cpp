#include "einvoice/EInvoiceCommand.h"

#include "documents/DocumentKey.h"
#include "documents/DocumentList.h"
#include "documents/TFormFInfo.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceRecord.h"
#include "einvoice/IncomingDocument.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "register/RecordEditor.h"

#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace {

const QString kFilter = QStringLiteral("E-Rechnungen und Scans (*.xml *.pdf *.png *.jpg *.jpeg)");

// The one local file of a drop; a drop of several files or of other things is not ours.
QString droppedFile(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

void showError(const QString &text)
{
    Platform::dialogs().notice(Dialogs::NoticeKind::Error, text);
}

} // namespace

EInvoiceCommand::EInvoiceCommand(QWidget &mainWindow, QMenu &menu, RecordEditor &editor, TFormFInfo &fileInformation,
                                 DataFolder dataFolder)
    : m_editor(editor)
    , m_dataFolder(std::move(dataFolder))
    , m_form(&mainWindow)
{
    addMenuItem(menu);
    // The fields would take a dropped file as its path's text.
    mainWindow.setAcceptDrops(true);
    mainWindow.installEventFilter(this);
    for (QLineEdit *field : mainWindow.findChildren<QLineEdit *>())
        field->installEventFilter(this);
    fileInformation.ownViewer = [this](const QString &path) { return showIfEInvoice(path); };
    RecordSession &session = editor.session();
    // A stored new record is one that is no longer new; a move to another record forgets the file.
    connect(&session, &RecordSession::listChanged, this, [this, &session] {
        if (!session.isNewRecord())
            linkDocument();
    });
    connect(&session, &RecordSession::currentIndexChanged, this, [this] { m_pendingDocument.clear(); });
}

void EInvoiceCommand::addMenuItem(QMenu &menu)
{
    auto *action = new QAction(QStringLiteral("E-Rechnung einlesen..."), &menu);
    action->setObjectName(QStringLiteral("ERechnung1"));
    const QList<QAction *> items = menu.actions();
    const auto mail = std::find_if(items.cbegin(), items.cend(),
                                   [](const QAction *item) { return item->objectName() == u"Mailsenden1"; });
    menu.insertAction(mail != items.cend() && mail + 1 != items.cend() ? *(mail + 1) : nullptr, action);
    connect(action, &QAction::triggered, this, &EInvoiceCommand::ERechnung1Click);
}

void EInvoiceCommand::ERechnung1Click()
{
    if (!m_editor.offerToSave())
        return;
    const std::optional<QString> path
        = Platform::dialogs().openFile(QStringLiteral("E-Rechnung einlesen"), kFilter, QString());
    if (path)
        show(*path);
}

void EInvoiceCommand::readFile(const QString &path)
{
    if (m_editor.offerToSave())
        show(path);
}

void EInvoiceCommand::show(const QString &path)
{
    const IncomingDocument::Content content = IncomingDocument::read(path, m_scanner);
    if (const auto *unreadable = std::get_if<IncomingDocument::Unreadable>(&content)) {
        showError(unreadable->reason);
        return;
    }
    m_form.DatenPfad = m_dataFolder();
    QStringList fields;
    if (const auto *invoice = std::get_if<EInvoice>(&content)) {
        m_form.showInvoice(*invoice, true);
        fields = EInvoiceRecord::fields(*invoice);
    } else {
        const auto &transfer = std::get<EpcTransfer>(content);
        m_form.showTransfer(transfer, true);
        fields = EInvoiceRecord::fields(transfer);
    }
    if (Platform::dialogs().exec(m_form) == QDialog::Accepted)
        takeOver(path, fields);
}

void EInvoiceCommand::takeOver(const QString &path, const QStringList &fields)
{
    m_editor.takeOver(fields);
    m_pendingDocument = path;
}

bool EInvoiceCommand::showIfEInvoice(const QString &path)
{
    if (!path.endsWith(u".xml", Qt::CaseInsensitive))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::variant<EInvoice, QString> read = EInvoiceReader::read(file.read(EInvoiceReader::kMaxBytes + 1));
    const EInvoice *invoice = std::get_if<EInvoice>(&read);
    if (!invoice)
        return false;
    m_form.DatenPfad = m_dataFolder();
    m_form.showInvoice(*invoice, false);
    Platform::dialogs().exec(m_form);
    return true;
}

// The document list of the stored record's key, as "Dokument hinzufügen" fills it; the record stays
// stored whatever happens to the list.
void EInvoiceCommand::linkDocument()
{
    if (m_pendingDocument.isEmpty())
        return;
    const QString path = std::exchange(m_pendingDocument, QString());
    const QStringList stored = InvoiceLine::split(m_editor.session().currentLine());
    QString key = DocumentKey::of(stored.value(InvoiceLine::Name), stored.value(InvoiceLine::ReNummer));
    key.remove(QLatin1Char(' '));
    DocumentList list;
    if (const QString problem = list.open(m_dataFolder(), key); !problem.isEmpty()) {
        showError(problem);
        return;
    }
    if (const QString failure = list.add(path); !failure.isEmpty())
        showError(failure);
}

bool EInvoiceCommand::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!droppedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (const QString path = droppedFile(drop->mimeData()); !path.isEmpty()) {
            drop->acceptProposedAction();
            readFile(path);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
