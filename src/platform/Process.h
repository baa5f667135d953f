#pragma once

// Ending the program at once, without saving and without showing anything more.
class Process {
public:
    virtual ~Process() = default;
    // Callers return right after this: in tests the double only records it.
    virtual void endNow(int exitCode) = 0;
};
