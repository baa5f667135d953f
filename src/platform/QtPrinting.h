#pragma once

#include "platform/Printing.h"

// The desktop's printers through Qt; the printer is chosen in the print dialog of Dialogs.
class QtPrinting final : public Printing {
public:
    Start choosePrinter(const JobSettings &settings) override;
    Start toPdf(const QString &path, const JobSettings &settings) override;
};
