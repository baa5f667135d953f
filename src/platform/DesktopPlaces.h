#pragma once

#include "platform/Places.h"

// The per-user data folder of the desktop (XDG), the folder of our executable, thunderbird on PATH.
class DesktopPlaces final : public Places {
public:
    QString dataFolder() const override;
    QString programFolder() const override;
    QString mailClient() const override;
};
