#pragma once

#include <QString>

// The caption of plain messages and the application's display name.
inline QString programTitle()
{
    return QStringLiteral("zettmar");
}
