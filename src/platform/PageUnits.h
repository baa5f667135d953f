#pragma once

#include "platform/PageMetrics.h"

// Centimetres of a printout in device pixels. A horizontal centimetre is the paper width / 21, a vertical
// one the paper height / 28.215, not / 29.7: the printouts have always been laid out on that scale.
class PageUnits {
public:
    explicit PageUnits(const PageMetrics &page);

    double cmX() const { return m_cmX; }
    double cmY() const { return m_cmY; }
    // Rounded to the nearest pixel.
    int horizontal(double cm) const;
    int vertical(double cm) const;

private:
    double m_cmX;
    double m_cmY;
};
