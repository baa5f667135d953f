#pragma once

#include <QDialog>
#include <memory>

class QListWidget;

namespace Ui {
class TFormJahre;
}

// The year chooser: the opener fills the list, the user picks a year to load.
class TFormJahre final : public QDialog {
    Q_OBJECT

public:
    explicit TFormJahre(QWidget *parent = nullptr);
    ~TFormJahre() override;

    QString SelJahr; // the chosen entry, empty when cancelled

    QListWidget &ListeJahre() const;
    // Shows the years modally and returns SelJahr.
    QString choose(const QStringList &years);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void reject() override;

private Q_SLOTS:
    void Button1Click();
    void Button2Click();

private:
    std::unique_ptr<Ui::TFormJahre> ui;
};
