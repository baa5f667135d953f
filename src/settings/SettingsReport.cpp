#include "settings/SettingsReport.h"

#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "settings/MainSettings.h"

namespace {

// These two have always come as plain messages, not as notices of a kind.
void showPlain(const QString &failure)
{
    if (!failure.isEmpty())
        Platform::dialogs().plainMessage(failure);
}

} // namespace

bool SettingsReport::load(MainSettings &settings, const QString &path)
{
    const MainSettings::LoadFailure failure = settings.load(path);
    FailureNotice::show(failure.unreadable);
    showPlain(failure.notEnciphered);
    return failure.unreadable.isEmpty();
}

void SettingsReport::save(const MainSettings &settings, const QString &path)
{
    showPlain(settings.save(path));
}
