#include "register/RecordEditor.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Regional.h"
#include "platform/TextTrim.h"
#include "register/DueDate.h"
#include "register/TypedKey.h"
#include "register/UpperCaseValidator.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr std::array<const char *, InvoiceLine::kFieldCount> kFieldNames = {
    "EditTitle", "EditReDatum", "EditPreis", "EditFrist", "EditEnde", "EditReNummer", "EditArtikel",
    "EditName", "EditEmail", "EditWeb", "EditPlz", "EditCity", "EditStrasse", "EditLand", "EditTel",
    "EditFax", "EditIban", "EditBic", "EditKNum", "EditHNr", "EditStatus",
};

const QString kOpen = QStringLiteral("Offen");
const QString kPaid = QStringLiteral("Bezahlt");
const QColor kOverdueColour(128, 0, 0);

// Focus that moves inside the window, not the window losing or regaining activation.
bool isFieldFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

QString trimmedText(const QLineEdit &edit)
{
    return TextTrim::trimmed(edit.text());
}

QString today()
{
    return Regional::formatDate(Platform::clock().today());
}

} // namespace

RecordEditor::RecordEditor(QWidget &form, QLabel &positionPanel, QLabel &countPanel)
    : QObject(&form)
    , m_positionPanel(positionPanel)
    , m_countPanel(countPanel)
{
    for (int i = 0; i < InvoiceLine::kFieldCount; ++i) {
        m_fields[i] = form.findChild<QLineEdit *>(QLatin1String(kFieldNames[i]));
        Q_ASSERT(m_fields[i]);
        m_fields[i]->installEventFilter(this);
    }
    field(InvoiceLine::Bic).setValidator(new UpperCaseValidator(this));
    // Grey like a disabled field: only the status button changes it.
    QPalette statusPalette = field(InvoiceLine::Status).palette();
    statusPalette.setColor(QPalette::Base, QColor(225, 225, 225));
    field(InvoiceLine::Status).setPalette(statusPalette);
}

QString RecordEditor::fieldText(InvoiceLine::Field which) const
{
    return trimmedText(field(which));
}

void RecordEditor::startNewYear()
{
    m_newRecord = true;
    m_index = m_file.count();
}

void RecordEditor::resetState()
{
    m_newRecord = false;
    m_index = 0;
    clear();
}

void RecordEditor::clear()
{
    for (QLineEdit *edit : m_fields)
        edit->clear();
    field(InvoiceLine::Land).setText(QStringLiteral("DE"));
    field(InvoiceLine::Status).setText(kOpen);
    m_modified = false;
}

void RecordEditor::show(const QString &line)
{
    const QDate todayDate = Platform::clock().today();
    clear();
    const QStringList fields = InvoiceLine::split(line);
    const qsizetype filled = std::min<qsizetype>(fields.size(), InvoiceLine::kFieldCount);
    for (qsizetype i = 0; i < filled; ++i)
        m_fields[i]->setText(TextTrim::trimmed(fields[i]));
    QDate dueDate;
    if (filled == InvoiceLine::kFieldCount)
        dueDate = Regional::readDate(fieldText(InvoiceLine::Ende), todayDate);
    if (field(InvoiceLine::Status).text().isEmpty())
        field(InvoiceLine::Status).setText(kOpen);
    markDueDate(DueDate::isOverdue(dueDate, field(InvoiceLine::Status).text(), todayDate));
    showPosition();
}

void RecordEditor::markDueDate(bool overdue)
{
    QPalette palette = field(InvoiceLine::Ende).palette();
    palette.setColor(QPalette::Text, overdue ? kOverdueColour : QColor(Qt::black));
    field(InvoiceLine::Ende).setPalette(palette);
}

void RecordEditor::showCurrent()
{
    m_newRecord = false;
    show(m_file.lineForUse(m_index));
}

QString RecordEditor::load()
{
    const QString error = m_file.load();
    if (!error.isEmpty() || !m_file.exists())
        return error;
    show(m_file.lineForUse(m_index));
    showCount();
    return {};
}

bool RecordEditor::store()
{
    QStringList texts;
    for (QLineEdit *edit : m_fields)
        texts.append(trimmedText(*edit));
    if (texts[InvoiceLine::Name].isEmpty() || texts[InvoiceLine::Email].isEmpty()) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning, QStringLiteral("Datensatz unvollständig!"));
        return false;
    }
    const QString line = InvoiceLine::join(texts);
    if (m_newRecord || m_index >= m_file.count()) {
        m_file.lines().append(line);
        if (!writeOrUndo([this] { m_file.lines().removeLast(); }))
            return false;
    } else {
        const QString previous = std::exchange(m_file.lines()[m_index], line);
        if (!writeOrUndo([this, previous] { m_file.lines()[m_index] = previous; }))
            return false;
    }
    m_newRecord = false;
    showPosition();
    showCount();
    m_modified = false;
    return true;
}

// A failed write leaves the record list as the file still is, so a later save stores the record once.
bool RecordEditor::writeOrUndo(const std::function<void()> &undo)
{
    const QString error = m_file.write();
    if (error.isEmpty())
        return true;
    undo();
    Platform::dialogs().notice(Dialogs::NoticeKind::Error, error);
    return false;
}

void RecordEditor::offerToSave()
{
    if (m_newRecord || m_modified)
        askToStore();
}

void RecordEditor::askToStore()
{
    if (Platform::dialogs().question(QStringLiteral("Änderungen speichern?")))
        store();
}

void RecordEditor::navigateAfterSaving(const std::function<void()> &move)
{
    if (m_file.count() == 0)
        return;
    offerToSave();
    m_modified = false;
    move();
}

void RecordEditor::ButtonFirstClick()
{
    navigateAfterSaving([this] {
        m_index = 0;
        showCurrent();
    });
}

void RecordEditor::ButtonLastClick()
{
    navigateAfterSaving([this] {
        m_index = m_file.count() - 1;
        showCurrent();
    });
}

void RecordEditor::ButtonBackClick()
{
    navigateAfterSaving([this] {
        if (m_index <= 0) {
            Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("Erster Datensatz"));
            return;
        }
        --m_index;
        showCurrent();
    });
}

void RecordEditor::ButtonNextClick()
{
    navigateAfterSaving([this] {
        if (m_index >= m_file.count() - 1) {
            Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("Letzter Datensatz"));
            return;
        }
        ++m_index;
        showCurrent();
    });
}

void RecordEditor::ButtonSaveClick()
{
    store();
}

void RecordEditor::ButtonClearClick()
{
    m_newRecord = true;
    m_index = m_file.count();
    clear();
}

void RecordEditor::ToolButtonDelClick()
{
    if (m_file.count() == 0 || !Platform::dialogs().question(QStringLiteral("Datensatz löschen?")))
        return;
    if (m_index < m_file.count()) {
        const QString removed = m_file.lines().takeAt(m_index);
        if (!writeOrUndo([this, removed] { m_file.lines().insert(m_index, removed); }))
            return;
    } else if (!writeOrUndo([] {})) {
        return;
    }
    if (m_file.count() == 0) {
        clear();
        setPanels(QStringLiteral("0"), QStringLiteral("0"));
    } else {
        m_index = 0;
        load();
    }
    m_newRecord = false;
    m_modified = false;
}

void RecordEditor::ButtonUpDownClick()
{
    QLineEdit &status = field(InvoiceLine::Status);
    if (status.text() == kOpen) {
        status.setText(kPaid);
        field(InvoiceLine::Ende).setText(today());
    } else {
        status.setText(kOpen);
    }
    m_modified = true;
}

void RecordEditor::EditReDatumEnter()
{
    if (m_newRecord || fieldText(InvoiceLine::ReDatum).isEmpty())
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
    auto *edit = static_cast<QLineEdit *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!edit->isReadOnly() && TypedKey::producesCharacter(*static_cast<QKeyEvent *>(event)))
            m_modified = true;
        break;
    case QEvent::FocusIn:
        if (edit == &field(InvoiceLine::ReDatum) && isFieldFocusChange(event))
            EditReDatumEnter();
        break;
    case QEvent::FocusOut:
        if (edit == &field(InvoiceLine::Frist) && isFieldFocusChange(event))
            EditFristExit();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void RecordEditor::setPanels(const QString &position, const QString &count)
{
    m_positionPanel.setText(position);
    m_countPanel.setText(count);
}

void RecordEditor::showPosition()
{
    m_positionPanel.setText(QString::number(m_index + 1));
}

void RecordEditor::showCount()
{
    m_countPanel.setText(QString::number(m_file.count()));
}
