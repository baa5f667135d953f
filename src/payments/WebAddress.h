#pragma once

#include <QString>

// The creditor's web site as the browser gets it.
class WebAddress {
public:
    // The trimmed text as it stands when it starts with "http://" or "https://" in any case, else with
    // "https://" in front: "www.http-shop.de" contains "http" but names no scheme.
    static QString forOpening(const QString &text);
};
