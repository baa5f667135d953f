#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// German conventions, fixed whatever the machine's locale: dd.MM.yyyy, decimal comma, no thousands
// separator. Stored files hold dates and amounts in this form, so it must never follow the locale.
class Regional {
public:
    static QString formatDate(const QDate &date);
    static QString formatDateTime(const QDateTime &dateTime);
    // Day and month of one or two digits, a year of four digits or of two; a two-digit year goes to the
    // century that puts it within 50 years of today. Invalid when the text is no such date.
    static QDate readDate(const QString &text, const QDate &today);
};
