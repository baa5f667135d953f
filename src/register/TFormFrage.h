#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TFormFrage;
}

// The small prompt that asks for a search term, for every search of the program.
class TFormFrage final : public QDialog {
    Q_OBJECT

public:
    explicit TFormFrage(QWidget *parent = nullptr);
    ~TFormFrage() override;

    QString SuchString; // the trimmed term when confirmed, else empty

    // Shows the prompt modally and returns SuchString.
    QString ask();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void reject() override;

private Q_SLOTS:
    void ButtonSaveClick();
    void ButtonCancelClick();

private:
    void FormShow();

    std::unique_ptr<Ui::TFormFrage> ui;
};
