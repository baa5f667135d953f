#include "tools/TFormPlz.h"

#include "ui_TFormPlz.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "register/RecordEditor.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr int kStatusPanelWidth = 200;

const QString kDataFile = QStringLiteral("plz.dat");

} // namespace

TFormPlz::TFormPlz(QWidget &mainWindow, RecordEditor &editor)
    : QDialog(&mainWindow)
    , ui(std::make_unique<Ui::TFormPlz>())
    , m_editor(editor)
{
    ui->setupUi(this);
    setFixedSize(size());
    QFont tahoma(QStringList{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    tahoma.setPointSize(8);
    setFont(tahoma);
    m_statusPanel = new QLabel(ui->StatusBar1);
    m_statusPanel->setFixedWidth(kStatusPanelWidth);
    m_statusPanel->setAlignment(Qt::AlignCenter);
    m_statusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui->StatusBar1->addWidget(m_statusPanel);
    // An arrow over the list: it is picked from, not typed into.
    ui->Memo1->viewport()->setCursor(Qt::ArrowCursor);
    ui->Memo1->viewport()->installEventFilter(this);
}

TFormPlz::~TFormPlz() = default;

void TFormPlz::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

// The load and search wait until the window stands with its status, and run once per opening: a box
// shown meanwhile activates the window again.
void TFormPlz::FormShow()
{
    showStatus(QStringLiteral("Plz-Such läuft. Bitte warten..."));
    m_searchPending = true;
    QTimer::singleShot(0, this, &TFormPlz::FormActivate);
}

void TFormPlz::FormActivate()
{
    if (!m_searchPending)
        return;
    m_searchPending = false;
    m_statusPanel->repaint();
    loadData();
    runSearch();
}

// A missing file keeps the text of an earlier opening in use.
void TFormPlz::loadData()
{
    const QString path = DataPath + kDataFile;
    if (!QFile::exists(path)) {
        Platform::dialogs().plainMessage(QStringLiteral("Plzdaten nicht gefunden!"));
        return;
    }
    QString reason;
    std::optional<QString> text = TextFile::readText(path, &reason);
    if (!text) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2").arg(path, reason));
        return;
    }
    m_search.setText(std::move(*text));
}

void TFormPlz::runSearch()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<PostalCodeSearch::Result> result = m_search.search(SuchPlz);
    QApplication::restoreOverrideCursor();
    if (!result)
        return;
    m_result = *result;
    ui->Memo1->setPlainText(m_result.entries.join(u'\n'));
    showStatus(m_result.found ? QStringLiteral("Doppelklick, um Eintrag zu übernehmen.")
                              : QStringLiteral("Suche abgeschlossen."));
}

// A take-over like typing: moving on afterwards asks to save it.
void TFormPlz::Memo1DblClick(qsizetype entry)
{
    const PostalCodeSearch::TakeOver takeOver = PostalCodeSearch::takeOver(m_result, entry);
    if (takeOver.takesNothing())
        Platform::dialogs().plainMessage(QStringLiteral("Bitte Ortsnamen anklicken!"));
    if (takeOver.postalCode)
        m_editor.takeOver(InvoiceLine::Plz, *takeOver.postalCode);
    if (takeOver.town)
        m_editor.takeOver(InvoiceLine::City, *takeOver.town);
    accept();
}

// An entry is a paragraph of the list, however many lines it wraps to.
bool TFormPlz::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        Memo1DblClick(ui->Memo1->cursorForPosition(mouse->position().toPoint()).blockNumber());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormPlz::showStatus(const QString &text)
{
    m_statusPanel->setText(text);
}
