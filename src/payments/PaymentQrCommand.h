#pragma once

#include <QString>

class RecordEditor;
class TFormQR;

// "QR-Code generieren": checks the shown record's payment data and shows its code in the QR window.
class PaymentQrCommand {
public:
    static void run(const RecordEditor &editor, const QString &dataFolder, TFormQR &form);
};
