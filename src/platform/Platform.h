#pragma once

class Clipboard;
class Clock;
class Dialogs;
class Help;
class Places;
class PointerSynth;
class Printing;
class Process;
class Shell;

// The desktop services in force: main() installs the real ones, tests install doubles.
class Platform {
public:
    struct Services {
        Dialogs *dialogs = nullptr;
        Shell *shell = nullptr;
        Places *places = nullptr;
        Clock *clock = nullptr;
        Process *process = nullptr;
        Help *help = nullptr;
        Clipboard *clipboard = nullptr;
        PointerSynth *pointerSynth = nullptr;
        Printing *printing = nullptr;
    };

    // Returns the services that were in force, so a caller can put them back.
    static Services install(const Services &services);

    static Dialogs &dialogs();
    static Shell &shell();
    static Places &places();
    static Clock &clock();
    static Process &process();
    static Help &help();
    static Clipboard &clipboard();
    static PointerSynth &pointerSynth();
    static Printing &printing();

private:
    static Services s_services;
};
