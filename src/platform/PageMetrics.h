#pragma once

// What a printout needs to know of its page, in device pixels of the printer: the printable area and
// how far it lies from the paper's top left corner.
struct PageMetrics {
    int printableWidth = 0;
    int printableHeight = 0;
    int offsetLeft = 0;
    int offsetTop = 0;
};
