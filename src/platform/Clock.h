#pragma once

#include <QDate>
#include <QDateTime>

// Every "today" of the program comes from here, so tests can fix the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};
