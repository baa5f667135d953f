#include "register/TFormAppListe.h"

#include "ui_TFormAppListe.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Help.h"
#include "platform/Platform.h"
#include "register/ListPrintout.h"
#include "register/RecordSession.h"
#include "register/TFormFrage.h"

#include <QHeaderView>
#include <QLabel>
#include <QShortcut>

namespace {

constexpr int kHelpContext = 60;
constexpr int kColumnWidths[] = {5, 35, 190, 100, 100, 80, 200};
static_assert(std::size(kColumnWidths) == InvoiceListModel::kColumnCount);
const QSize kShownSize(730, 500);
constexpr int kToolBarMiddleOffset = 70;
constexpr int kToolButtonStep = 32;

} // namespace

TFormAppListe::TFormAppListe(const RecordSession &session, TFormFrage &prompt, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                  | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TFormAppListe>())
    , m_model(session)
    , m_prompt(prompt)
{
    ui->setupUi(this);
    setUpList();
    setUpLook();
    connect(ui->ToolButton1, &QToolButton::clicked, this, &TFormAppListe::ToolButton1Click);
    connect(ui->ToolButton2, &QToolButton::clicked, this, &TFormAppListe::ToolButton2Click);
    connect(ui->ToolButton4, &QToolButton::clicked, this, &TFormAppListe::ToolButton4Click);
    connect(ui->ButtonClose, &QToolButton::clicked, this, &TFormAppListe::ButtonCloseClick);
    connect(ui->MyList, &QTreeView::doubleClicked, this, &TFormAppListe::ToolButton1Click);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { FailureNotice::show(Platform::help().show(kHelpContext)); });
}

TFormAppListe::~TFormAppListe() = default;

void TFormAppListe::setUpList()
{
    ui->MyList->setModel(&m_model);
    QHeaderView *header = ui->MyList->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(5);
    for (int column = 0; column < InvoiceListModel::kColumnCount; ++column)
        header->resizeSection(column, kColumnWidths[column]);
    connect(header, &QHeaderView::sectionClicked, this, &TFormAppListe::MyListColumnClick);
    // The header takes a quick second click for a double click and then reports no click.
    connect(header, &QHeaderView::sectionDoubleClicked, this, &TFormAppListe::MyListColumnClick);
    // Focus alone makes a row current without selecting it; drawn as current it would look chosen, yet
    // the take-over takes only a selected row.
    connect(
        ui->MyList->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this] {
            if (!ui->MyList->selectionModel()->hasSelection())
                ui->MyList->selectionModel()->clearCurrentIndex();
        },
        Qt::QueuedConnection);
}

void TFormAppListe::setUpLook()
{
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(255, 251, 240));
    setPalette(cream);
    setAutoFillBackground(true);
    ui->ToolBar1->setStyleSheet(
        QStringLiteral("QFrame#ToolBar1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white,"
                       " stop:1 rgb(117, 122, 145)); }"));
    auto *caption = new QLabel(QStringLiteral(" Summe: "), ui->StatusBar1);
    caption->setFixedWidth(100);
    caption->setAlignment(Qt::AlignCenter);
    m_totalPanel = new QLabel(ui->StatusBar1);
    m_totalPanel->setFixedWidth(200);
    for (QLabel *panel : {caption, m_totalPanel}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        ui->StatusBar1->addWidget(panel);
    }
}

std::optional<qsizetype> TFormAppListe::showList(InvoiceListModel::Kind kind)
{
    m_model.build(kind, Platform::clock().today());
    if (kind != InvoiceListModel::Kind::All && m_model.rowCount() == 0) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Information,
                                   QStringLiteral("Keine fälligen Rechnungen gefunden."));
        return std::nullopt;
    }
    Platform::dialogs().exec(*this);
    if (SatzNr < 0)
        return std::nullopt;
    return m_model.recordIndexOf(SatzNr);
}

QList<int> TFormAppListe::columnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < InvoiceListModel::kColumnCount; ++column)
        widths.append(ui->MyList->header()->sectionSize(column));
    return widths;
}

void TFormAppListe::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormAppListe::FormShow()
{
    SatzNr = -1;
    m_model.resetDirection();
    fitOuterSize();
    m_outerSizeUnsure = true;
    m_totalPanel->setText(m_model.total());
    ui->MyList->header()->setSortIndicatorShown(false);
    ui->MyList->clearSelection();
    ui->MyList->scrollToTop();
    ui->MyList->setFocus();
}

// The size asked for includes the desktop's frame, which the window can only learn from the desktop.
void TFormAppListe::fitOuterSize()
{
    resize(kShownSize - (frameGeometry().size() - size()));
}

// A window manager frames a window when it first maps it; it is known once the window is active.
bool TFormAppListe::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && std::exchange(m_outerSizeUnsure, false))
        fitOuterSize();
    return QDialog::event(event);
}

void TFormAppListe::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    int left = width() / 2 - kToolBarMiddleOffset;
    for (QToolButton *button : {ui->ToolButton1, ui->ToolButton2, ui->ToolButton4, ui->ButtonClose}) {
        button->move(left, button->y());
        left += kToolButtonStep;
    }
}

void TFormAppListe::ToolButton1Click()
{
    const QModelIndexList selected = ui->MyList->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        SatzNr = m_model.cellText(selected.first().row(), InvoiceListModel::Number).toInt();
    accept();
}

void TFormAppListe::ToolButton2Click()
{
    ListPrintout(m_model, columnWidths(), 2).print(QStringLiteral("Listview Print"));
}

void TFormAppListe::ToolButton4Click()
{
    SuchBegriff = m_prompt.ask();
    if (SuchBegriff.isEmpty())
        return;
    const std::optional<int> row = m_model.find(SuchBegriff);
    if (!row) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("Nicht gefunden!"));
        SuchBegriff.clear();
        return;
    }
    const QModelIndex found = m_model.index(*row, 0);
    ui->MyList->setCurrentIndex(found);
    ui->MyList->scrollTo(found);
}

void TFormAppListe::ButtonCloseClick()
{
    MyListColumnClick(InvoiceListModel::Number);
}

void TFormAppListe::MyListColumnClick(int column)
{
    m_model.headerClicked(column);
    showSortIndicator();
}

void TFormAppListe::showSortIndicator()
{
    QHeaderView *header = ui->MyList->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(m_model.sortColumn(), m_model.isDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}
