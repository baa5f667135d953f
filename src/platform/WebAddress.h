#pragma once

#include <QString>

// A web address typed by the user, as the browser gets it.
class WebAddress {
public:
    // The trimmed text as it stands when it starts with "http://" or "https://" in any case, else with
    // "https://" in front: "www.http-shop.de" contains "http" but names no scheme.
    static QString forOpening(const QString &text);
    // Hands forOpening(text) to the desktop; an error box tells when the desktop did not take it.
    static void open(const QString &text);
};
