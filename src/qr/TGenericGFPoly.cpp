#include "qr/TGenericGFPoly.h"

#include "qr/TGenericGF.h"

TGenericGFPoly::TGenericGFPoly(const TGenericGF &field, std::vector<int> coefficients)
    : m_field(&field)
    , m_coefficients(std::move(coefficients))
{
    std::size_t firstNonZero = 0;
    while (firstNonZero + 1 < m_coefficients.size() && m_coefficients[firstNonZero] == 0)
        ++firstNonZero;
    m_coefficients.erase(m_coefficients.begin(), m_coefficients.begin() + static_cast<long>(firstNonZero));
    if (m_coefficients.empty())
        m_coefficients.push_back(0);
}

TGenericGFPoly TGenericGFPoly::multiply(const TGenericGFPoly &other) const
{
    std::vector<int> product(m_coefficients.size() + other.m_coefficients.size() - 1, 0);
    for (std::size_t i = 0; i < m_coefficients.size(); ++i)
        for (std::size_t j = 0; j < other.m_coefficients.size(); ++j)
            product[i + j] = TGenericGF::addOrSubtract(product[i + j],
                                                       m_field->multiply(m_coefficients[i], other.m_coefficients[j]));
    return TGenericGFPoly(*m_field, std::move(product));
}

std::vector<int> TGenericGFPoly::remainderOfShifted(const TGenericGFPoly &monicDivisor) const
{
    const std::vector<int> &divisor = monicDivisor.m_coefficients;
    std::vector<int> remainder(static_cast<std::size_t>(monicDivisor.degree()), 0);
    // Long division one dividend coefficient at a time; the remainder slides up by one term per step.
    for (const int coefficient : m_coefficients) {
        const int factor = TGenericGF::addOrSubtract(coefficient, remainder.empty() ? 0 : remainder.front());
        for (std::size_t i = 0; i + 1 < remainder.size(); ++i)
            remainder[i] = TGenericGF::addOrSubtract(remainder[i + 1], m_field->multiply(factor, divisor[i + 1]));
        if (!remainder.empty())
            remainder.back() = m_field->multiply(factor, divisor.back());
    }
    return remainder;
}
