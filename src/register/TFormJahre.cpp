#include "register/TFormJahre.h"

#include "ui_TFormJahre.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/WindowBackground.h"

TFormJahre::TFormJahre(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TFormJahre>())
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->Button1, &QPushButton::clicked, this, &TFormJahre::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TFormJahre::Button2Click);
    connect(ui->ListeJahre, &QListWidget::itemDoubleClicked, this, &TFormJahre::Button1Click);
}

TFormJahre::~TFormJahre() = default;

QListWidget &TFormJahre::ListeJahre() const
{
    return *ui->ListeJahre;
}

QString TFormJahre::choose(const QStringList &years)
{
    ui->ListeJahre->clear();
    ui->ListeJahre->addItems(years);
    Platform::dialogs().exec(*this);
    return SelJahr;
}

void TFormJahre::Button1Click()
{
    const QListWidgetItem *selected = ui->ListeJahre->currentItem();
    if (selected && selected->isSelected())
        SelJahr = selected->text();
    accept();
}

void TFormJahre::Button2Click()
{
    SelJahr.clear();
    QDialog::reject();
}

void TFormJahre::reject()
{
    Button2Click();
}

void TFormJahre::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SelJahr.clear();
    // Only a selected entry loads; the focus alone would make the first one current without selecting it.
    ui->ListeJahre->setCurrentRow(0);
    ui->ListeJahre->setFocus();
}

void TFormJahre::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(148, 148, 148));
}
