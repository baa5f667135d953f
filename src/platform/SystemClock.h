#pragma once

#include "platform/Clock.h"

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
