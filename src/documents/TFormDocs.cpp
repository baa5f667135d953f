#include "documents/TFormDocs.h"

#include "ui_TFormDocs.h"

#include "documents/DocumentListPrintout.h"
#include "documents/DocumentPath.h"
#include "documents/TFormFInfo.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Help.h"
#include "platform/Platform.h"
#include "register/TFormFrage.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>

namespace {

constexpr int kColumnWidths[] = {10, 50, 400, 100};
static_assert(std::size(kColumnWidths) == DocumentTableModel::ColumnCount);
constexpr int kPanelWidth = 500;
const QString kReminder = QStringLiteral("Reminder");

} // namespace

TFormDocs::TFormDocs(TFormFrage &prompt, TFormFInfo &fileInfo, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TFormDocs>())
    , m_prompt(prompt)
    , m_fileInfo(fileInfo)
{
    ui->setupUi(this);
    setFixedSize(size());
    setUpList();
    setUpStatusBar();
    setUpKeys();
    connectButtons();
}

TFormDocs::~TFormDocs() = default;

void TFormDocs::setUpList()
{
    ui->ListDocs->setModel(&m_model);
    QFont arial(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    arial.setPixelSize(13);
    ui->ListDocs->setFont(arial);
    QHeaderView *header = ui->ListDocs->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    for (int column = 0; column < DocumentTableModel::ColumnCount; ++column)
        header->resizeSection(column, kColumnWidths[column]);
    connect(header, &QHeaderView::sectionClicked, this, &TFormDocs::ListDocsColumnClick);
    connect(ui->ListDocs, &QTreeView::doubleClicked, this, &TFormDocs::ToolButtonShowClick);
}

void TFormDocs::setUpStatusBar()
{
    auto *first = new QWidget(ui->StatusBar1);
    first->setFixedWidth(1);
    ui->StatusBar1->addWidget(first);
    // A label holds the text; the window paints it itself.
    m_panel = new QLabel(ui->StatusBar1);
    m_panel->setObjectName(QStringLiteral("StatusPanel1"));
    m_panel->setFixedWidth(kPanelWidth);
    m_panel->installEventFilter(this);
    ui->StatusBar1->addWidget(m_panel);
}

void TFormDocs::setUpKeys()
{
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, &TFormDocs::SearchOnKey);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &TFormDocs::HelpKey);
}

void TFormDocs::connectButtons()
{
    connect(ui->ButtonOpen, &QToolButton::clicked, this, &TFormDocs::ButtonOpenClick);
    connect(ui->ButtonSave, &QToolButton::clicked, this, &TFormDocs::ButtonSaveClick);
    connect(ui->ButtonFind, &QToolButton::clicked, this, &TFormDocs::ButtonFindClick);
    connect(ui->ToolButtonShow, &QToolButton::clicked, this, &TFormDocs::ToolButtonShowClick);
    connect(ui->ToolButtonDel, &QToolButton::clicked, this, &TFormDocs::ToolButtonDelClick);
    connect(ui->ButtonPrint, &QToolButton::clicked, this, &TFormDocs::ButtonPrintClick);
    connect(ui->ButtonQuit, &QToolButton::clicked, this, &TFormDocs::ButtonQuitClick);
}

void TFormDocs::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormDocs::FormShow()
{
    m_search.reset();
    Unternehmen.remove(QLatin1Char(' '));
    PanelText = Unternehmen + QStringLiteral(".dat");
    showPanelText(PanelText);
    const QString problem = m_list.open(DatenPfad, Unternehmen);
    if (!problem.isEmpty())
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, problem);
    loadList();
}

void TFormDocs::loadList()
{
    if (m_model.setLines(m_list.lines()) > 0)
        Platform::dialogs().notice(
            Dialogs::NoticeKind::Warning,
            QStringLiteral("Einige Dokumente sind nicht mehr vorhanden oder wurden verschoben!"));
}

// A write that failed has left the list as it was, so only the box is needed.
bool TFormDocs::reportWrite(const QString &error)
{
    if (error.isEmpty())
        return true;
    Platform::dialogs().notice(Dialogs::NoticeKind::Error, error);
    return false;
}

void TFormDocs::ButtonOpenClick()
{
    const std::optional<QString> path
        = Platform::dialogs().openFile(QStringLiteral("Dokument auswählen"), QString(), QString());
    if (path && reportWrite(m_list.add(*path)))
        loadList();
}

void TFormDocs::ButtonSaveClick()
{
    if (reportWrite(m_list.save()))
        Platform::dialogs().captionedMessage(kReminder, QStringLiteral("Dokumentdaten gespeichert"),
                                             Dialogs::Icon::Information);
}

void TFormDocs::ToolButtonDelClick()
{
    const int row = selectedRow();
    if (row >= 0 && reportWrite(m_list.remove(m_model.lineOf(row))))
        loadList();
}

void TFormDocs::ToolButtonShowClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString path = m_list.lines().at(m_model.lineOf(row));
    if (!DocumentPath::isExistingFile(path)) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning,
                                   QStringLiteral("Diese Datei ist nicht mehr vorhanden oder wurde verschoben!"));
        return;
    }
    m_fileInfo.setDocument(path, m_model.nameOf(row));
    Platform::dialogs().exec(m_fileInfo);
}

void TFormDocs::ButtonQuitClick()
{
    close();
}

void TFormDocs::ListDocsColumnClick(int column)
{
    m_model.clickColumn(column);
}

void TFormDocs::ButtonFindClick()
{
    search();
}

void TFormDocs::SearchOnKey()
{
    m_search.continueWithTerm();
    search();
}

void TFormDocs::search()
{
    if (m_search.needsTerm())
        m_search.setTerm(m_prompt.ask());
    const std::optional<int> hit = m_search.next(m_model.shownNames());
    if (hit)
        selectRow(*hit);
    else
        Platform::dialogs().captionedMessage(kReminder, QStringLiteral("Kein (weiterer) Treffer!"),
                                             Dialogs::Icon::Information);
}

void TFormDocs::HelpKey()
{
    FailureNotice::show(Platform::help().show(0));
}

void TFormDocs::ButtonPrintClick()
{
    const DocumentListPrintout printout(m_model, columnWidths());
    if (Platform::dialogs().captionedQuestion(kReminder, QStringLiteral("Als PDF speichern?"))) {
        printout.printToPdf(DatenPfad + QStringLiteral("listedocs.pdf"));
        return;
    }
    printout.printOnPaper([this](const QString &printer) {
        showPanelText(QStringLiteral("Druckvorgang mit %1 gestartet.").arg(printer));
    });
    showPanelText(PanelText);
}

QList<int> TFormDocs::columnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < DocumentTableModel::ColumnCount; ++column)
        widths.append(ui->ListDocs->header()->sectionSize(column));
    return widths;
}

int TFormDocs::selectedRow() const
{
    const QModelIndexList rows = ui->ListDocs->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFormDocs::selectRow(int row)
{
    const QModelIndex index = m_model.index(row, DocumentTableModel::Number);
    ui->ListDocs->setCurrentIndex(index);
    ui->ListDocs->scrollTo(index);
}

void TFormDocs::showPanelText(const QString &text)
{
    m_panel->setText(text);
    m_panel->repaint();
}

bool TFormDocs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && event->type() == QEvent::Paint) {
        paintPanel();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// White, italic, and roughly centred by an estimate of three pixels per character.
void TFormDocs::paintPanel()
{
    QPainter painter(m_panel);
    painter.fillRect(m_panel->rect(), Qt::white);
    QFont font(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 10);
    font.setItalic(true);
    painter.setFont(font);
    const QString text = m_panel->text();
    const int indent = std::max<int>(0, qRound(m_panel->width() / 2.0) - 3 * text.size());
    painter.drawText(m_panel->rect().adjusted(indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
}
