#include "platform/Platform.h"

#include <QtGlobal>

namespace {

// A service nobody installed is a fault of the program's set-up; say which one instead of crashing.
template <typename Service>
Service &installed(Service *service, const char *name)
{
    if (!service)
        qFatal("The platform service %s was used before it was installed.", name);
    return *service;
}

} // namespace

Platform::Services Platform::s_services;

Platform::Services Platform::install(const Services &services)
{
    const Services previous = s_services;
    s_services = services;
    return previous;
}

Dialogs &Platform::dialogs()
{
    return installed(s_services.dialogs, "Dialogs");
}
Shell &Platform::shell()
{
    return installed(s_services.shell, "Shell");
}
Places &Platform::places()
{
    return installed(s_services.places, "Places");
}
Clock &Platform::clock()
{
    return installed(s_services.clock, "Clock");
}
Process &Platform::process()
{
    return installed(s_services.process, "Process");
}
Help &Platform::help()
{
    return installed(s_services.help, "Help");
}
Clipboard &Platform::clipboard()
{
    return installed(s_services.clipboard, "Clipboard");
}
PointerSynth &Platform::pointerSynth()
{
    return installed(s_services.pointerSynth, "PointerSynth");
}
Printing &Platform::printing()
{
    return installed(s_services.printing, "Printing");
}
