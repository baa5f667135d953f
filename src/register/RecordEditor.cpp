#include "register/RecordEditor.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Regional.h"
#include "platform/TextTrim.h"
#include "register/DueDate.h"
#include "register/RecordSession.h"
#include "register/TypedKey.h"
#include "register/UpperCaseValidator.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr std::array<const char *, InvoiceLine::kFieldCount> kFieldNames = {
    "EditTitle", "EditReDatum", "EditPreis", "EditFrist", "EditEnde", "EditReNummer", "EditArtikel",
    "EditName",  "EditEmail",   "EditWeb",   "EditPlz",   "EditCity", "EditStrasse",  "EditLand",
    "EditTel",   "EditFax",     "EditIban",  "EditBic",   "EditKNum", "EditHNr",      "EditStatus",
};

const QColor kOverdueColour(128, 0, 0);

QString trimmedText(const QLineEdit &edit)
{
    return TextTrim::trimmed(edit.text());
}

QString today()
{
    return Regional::formatDate(Platform::clock().today());
}

} // namespace

RecordEditor::RecordEditor(QWidget &form, RecordSession &session, QLabel &positionPanel, QLabel &countPanel)
    : QObject(&form)
    , m_session(session)
    , m_positionPanel(positionPanel)
    , m_countPanel(countPanel)
{
    for (int i = 0; i < InvoiceLine::kFieldCount; ++i) {
        m_fields[i] = form.findChild<QLineEdit *>(QLatin1String(kFieldNames[i]));
        Q_ASSERT(m_fields[i]);
        m_fields[i]->installEventFilter(this);
        // Deleting, pasting by Shift+Insert, the middle button or the context menu, and the characters of
        // dead keys and compose edit the text without a typed character; setText by the program is no edit.
        connect(m_fields[i], &QLineEdit::textEdited, this, [this] { m_session.setModified(true); });
    }
    field(InvoiceLine::Bic).setValidator(new UpperCaseValidator(this));
    // Grey like a disabled field: only the status button changes it.
    QPalette statusPalette = field(InvoiceLine::Status).palette();
    statusPalette.setColor(QPalette::Base, QColor(225, 225, 225));
    field(InvoiceLine::Status).setPalette(statusPalette);
    connect(&m_session, &RecordSession::currentIndexChanged, this, [this] { m_keepsInvoiceDate = false; });
}

QString RecordEditor::fieldText(InvoiceLine::Field which) const
{
    return trimmedText(field(which));
}

QStringList RecordEditor::fieldTexts() const
{
    QStringList texts;
    for (const QLineEdit *edit : m_fields)
        texts.append(trimmedText(*edit));
    return texts;
}

void RecordEditor::startNewYear()
{
    m_session.startNewYear();
}

void RecordEditor::takeOver(InvoiceLine::Field which, const QString &text)
{
    QLineEdit &edit = field(which);
    if (edit.text() == text)
        return;
    edit.setText(text);
    m_session.setModified(true);
}

void RecordEditor::resetState()
{
    m_session.reset();
    clear();
}

void RecordEditor::clear()
{
    for (QLineEdit *edit : m_fields)
        edit->clear();
    field(InvoiceLine::Land).setText(QStringLiteral("DE"));
    field(InvoiceLine::Status).setText(InvoiceLine::kStatusOpen);
    m_session.setModified(false);
}

void RecordEditor::takeOver(const QStringList &fields)
{
    m_session.startNew();
    show(InvoiceLine::join(fields));
    m_session.setModified(true);
    m_keepsInvoiceDate = true;
}

void RecordEditor::show(const QString &line)
{
    const QDate todayDate = Platform::clock().today();
    clear();
    const QStringList fields = InvoiceLine::split(line);
    const qsizetype filled = std::min<qsizetype>(fields.size(), InvoiceLine::kFieldCount);
    for (qsizetype i = 0; i < filled; ++i) {
        m_fields[i]->setText(TextTrim::trimmed(fields[i]));
        // A reader looks for the start of a long text first.
        m_fields[i]->setCursorPosition(0);
    }
    QDate dueDate;
    if (filled == InvoiceLine::kFieldCount)
        dueDate = Regional::readDate(fieldText(InvoiceLine::Ende), todayDate);
    if (field(InvoiceLine::Status).text().isEmpty())
        field(InvoiceLine::Status).setText(InvoiceLine::kStatusOpen);
    markDueDate(DueDate::isOverdue(dueDate, field(InvoiceLine::Status).text(), todayDate));
    showPanels();
}

void RecordEditor::markDueDate(bool overdue)
{
    QPalette palette = field(InvoiceLine::Ende).palette();
    palette.setColor(QPalette::Text, overdue ? kOverdueColour : QColor(Qt::black));
    field(InvoiceLine::Ende).setPalette(palette);
}

void RecordEditor::showCurrent()
{
    show(m_session.currentLine());
}

bool RecordEditor::showRecord(qsizetype index)
{
    if (!offerToSave())
        return false;
    m_session.moveTo(index);
    showCurrent();
    return true;
}

void RecordEditor::load()
{
    const RecordSession::Result result = m_session.load();
    if (!result.done()) {
        report(result);
        return;
    }
    if (m_session.fileExists())
        showCurrent();
}

bool RecordEditor::store()
{
    return storeShown().done();
}

RecordSession::Result RecordEditor::storeShown()
{
    const RecordSession::Result result = m_session.store(fieldTexts());
    if (result.done())
        showPanels();
    else
        report(result);
    return result;
}

// A refusal is about the input and warns; a failed read or write is an error of the file.
void RecordEditor::report(const RecordSession::Result &result)
{
    const bool aboutInput
        = result.outcome == RecordSession::Outcome::Incomplete || result.outcome == RecordSession::Outcome::Refused;
    Platform::dialogs().notice(aboutInput ? Dialogs::NoticeKind::Warning : Dialogs::NoticeKind::Error, result.message);
}

bool RecordEditor::offerToSave()
{
    return !m_session.hasUnsavedInput() || askToStore();
}

bool RecordEditor::askToStore()
{
    if (!Platform::dialogs().question(QStringLiteral("Änderungen speichern?")))
        return true;
    return storeShown().done();
}

void RecordEditor::navigateAfterSaving(const std::function<void()> &move)
{
    if (m_session.count() == 0 || !offerToSave())
        return;
    m_session.setModified(false);
    move();
}

void RecordEditor::ButtonFirstClick()
{
    navigateAfterSaving([this] {
        m_session.moveTo(0);
        showCurrent();
    });
}

void RecordEditor::ButtonLastClick()
{
    navigateAfterSaving([this] {
        m_session.moveTo(m_session.count() - 1);
        showCurrent();
    });
}

void RecordEditor::ButtonBackClick()
{
    navigateAfterSaving([this] {
        if (m_session.currentIndex() <= 0) {
            Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("Erster Datensatz"));
            return;
        }
        m_session.moveTo(m_session.currentIndex() - 1);
        showCurrent();
    });
}

void RecordEditor::ButtonNextClick()
{
    navigateAfterSaving([this] {
        if (m_session.currentIndex() >= m_session.count() - 1) {
            Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("Letzter Datensatz"));
            return;
        }
        m_session.moveTo(m_session.currentIndex() + 1);
        showCurrent();
    });
}

void RecordEditor::ButtonSaveClick()
{
    store();
}

void RecordEditor::ButtonClearClick()
{
    m_session.startNew();
    clear();
}

void RecordEditor::ToolButtonDelClick()
{
    if (m_session.count() == 0 || !Platform::dialogs().question(QStringLiteral("Datensatz löschen?")))
        return;
    const RecordSession::Result result = m_session.removeCurrent();
    if (!result.done()) {
        report(result);
        return;
    }
    if (m_session.count() == 0) {
        clear();
        m_positionPanel.setText(QStringLiteral("0"));
        m_countPanel.setText(QStringLiteral("0"));
    } else {
        showCurrent();
    }
}

void RecordEditor::ButtonUpDownClick()
{
    QLineEdit &status = field(InvoiceLine::Status);
    if (status.text() == InvoiceLine::kStatusOpen) {
        status.setText(InvoiceLine::kStatusPaid);
        field(InvoiceLine::Ende).setText(today());
    } else {
        status.setText(InvoiceLine::kStatusOpen);
    }
    m_session.setModified(true);
}

void RecordEditor::EditReDatumEnter()
{
    if ((m_session.isNewRecord() && !m_keepsInvoiceDate) || fieldText(InvoiceLine::ReDatum).isEmpty())
        field(InvoiceLine::ReDatum).setText(today());
}

void RecordEditor::EditFristExit()
{
    const QString invoiceDate = fieldText(InvoiceLine::ReDatum);
    const QString term = fieldText(InvoiceLine::Frist);
    if (invoiceDate.isEmpty() || term.isEmpty())
        return;
    const auto due = DueDate::compute(invoiceDate, term, Platform::clock().today());
    if (const auto *error = std::get_if<DueDate::Error>(&due)) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, DueDate::messageFor(*error));
        return;
    }
    field(InvoiceLine::Ende).setText(Regional::formatDate(std::get<QDate>(due)));
}

bool RecordEditor::eventFilter(QObject *watched, QEvent *event)
{
    // While a field is destroyed it is no longer a QLineEdit but still gets events.
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!edit->isReadOnly() && TypedKey::producesCharacter(key->key(), key->modifiers(), key->text()))
            m_session.setModified(true);
        break;
    }
    case QEvent::FocusIn:
        if (edit == &field(InvoiceLine::ReDatum) && isFieldFocusChange(event))
            EditReDatumEnter();
        break;
    case QEvent::FocusOut:
        if (edit == &field(InvoiceLine::Frist) && isFieldFocusChange(event))
            EditFristExit();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

bool RecordEditor::isFieldFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void RecordEditor::showPanels()
{
    m_positionPanel.setText(QString::number(m_session.currentIndex() + 1));
    m_countPanel.setText(QString::number(m_session.count()));
}
