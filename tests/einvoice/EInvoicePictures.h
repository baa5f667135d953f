#pragma once

#include <QString>

// Pictures of the e-invoice window: a three-line invoice whose checks pass, and one whose checks fail.
class EInvoicePictures {
public:
    static void save(const QString &folder);
};
