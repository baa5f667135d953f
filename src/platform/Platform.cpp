#include "platform/Platform.h"

Platform::Services Platform::s_services;

Platform::Services Platform::install(const Services &services)
{
    const Services previous = s_services;
    s_services = services;
    return previous;
}

Dialogs &Platform::dialogs() { return *s_services.dialogs; }
Shell &Platform::shell() { return *s_services.shell; }
Places &Platform::places() { return *s_services.places; }
Clock &Platform::clock() { return *s_services.clock; }
Process &Platform::process() { return *s_services.process; }
Help &Platform::help() { return *s_services.help; }
Clipboard &Platform::clipboard() { return *s_services.clipboard; }
