#pragma once

#include <QString>

// A property a fuzz target states at its head; a broken one ends the run with what was expected and found,
// so libFuzzer keeps the input as a finding.
class FuzzCheck {
public:
    [[noreturn]] static void fail(const char *property, const char *file, int line, const QString &detail);
    // The text with every character outside printable ASCII as \uXXXX, so a report shows what is there.
    static QString shown(const QString &text);
    static QString shown(const QStringList &lines);
};

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzCheck::fail(#condition, __FILE__, __LINE__, (detail));                                                 \
    } while (false)
