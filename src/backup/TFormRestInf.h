#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TFormRestInf;
}

// Tells that the data were restored; its only way out restarts the program, so nothing of the
// running program is written over the restored files.
class TFormRestInf final : public QDialog {
    Q_OBJECT

public:
    // Shown centred on centreOn.
    explicit TFormRestInf(QWidget &centreOn);
    ~TFormRestInf() override;

    int Language = 0;

public Q_SLOTS:
    void SpeedButton1Click();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<Ui::TFormRestInf> ui;
    QWidget &m_centreOn;
};
