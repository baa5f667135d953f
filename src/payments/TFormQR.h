#pragma once

#include "payments/EpcPayload.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace Ui {
class TFormQR;
}

// The payment QR code of the shown invoice: the payload lines on the left, the symbol on the right.
// Created once at start and reused; the payload lines are kept from one showing to the next.
class TFormQR final : public QDialog {
    Q_OBJECT

public:
    TFormQR();
    ~TFormQR() override;

    // Set by the opener before showing.
    QString DatenPfad;
    EpcPayload::Fields Payment; // Bic, Firma, Iban, Betrag, RechNr, Zusatz

    // One pixel per module, quiet zone included; empty until the symbol is built.
    QImage QRCodeBitmap;

    // The payload as the encoder gets it.
    QString payloadText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void Button1Click();

private:
    void FormShow();
    void PaintBox1Paint();
    void showLines();

    std::unique_ptr<Ui::TFormQR> ui;
    QStringList m_lines;
    QTimer m_buildDelay;
    QSize m_designedSize;
    QHash<QWidget *, QRect> m_designedGeometry;
    bool m_doesNotFit = false;
};
