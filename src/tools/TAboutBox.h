#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

// Names the product, its release and its publisher, with a link to the publisher's web site.
class TAboutBox final : public QDialog {
    Q_OBJECT

public:
    // Centred on mainWindow.
    explicit TAboutBox(QWidget &mainWindow);
    ~TAboutBox() override;

    void setRelease(const QString &release);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void SpeedButton1Click();
    void Label5Click();

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};
