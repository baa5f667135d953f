#pragma once

#include <QString>

// A web address typed by the user, as the browser gets it.
class WebAddress {
public:
    // The trimmed text as it stands when it starts with "http://" or "https://" in any case, else with
    // "https://" in front: "www.http-shop.de" contains "http" but names no scheme.
    static QString forOpening(const QString &text);
    // Hands forOpening(text) to the desktop; the error to show when the desktop did not take it.
    [[nodiscard]] static QString open(const QString &text);
};
