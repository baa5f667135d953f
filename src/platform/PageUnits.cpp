#include "platform/PageUnits.h"

#include <cmath>

namespace {

constexpr double kPaperWidthCm = 21.0;
constexpr double kPaperHeightCm = 28.215;

} // namespace

PageUnits::PageUnits(const PageMetrics &page)
    : m_cmX((page.printableWidth + 2.0 * page.offsetLeft) / kPaperWidthCm)
    , m_cmY((page.printableHeight + 2.0 * page.offsetTop) / kPaperHeightCm)
{
}

int PageUnits::horizontal(double cm) const
{
    return int(std::lround(cm * m_cmX));
}

int PageUnits::vertical(double cm) const
{
    return int(std::lround(cm * m_cmY));
}
