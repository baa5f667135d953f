#pragma once

#include "PdfPrinting.h"
#include "PlatformDoubles.h"

// The platform doubles for tests of windows: our own modal windows are shown offscreen, the test's
// handler acts on them, and they are hidden again.
class WindowDoubles final : public PlatformDoubles {
public:
    WindowDoubles();

    PdfPrinting printing;

private:
    int runWindow(QDialog &dialog);
};
