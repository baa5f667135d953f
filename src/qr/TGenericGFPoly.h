#pragma once

#include <vector>

class TGenericGF;

// A polynomial over GF(256), coefficients from the highest power down; leading zeros are dropped so
// that the degree is the length minus one.
class TGenericGFPoly {
public:
    TGenericGFPoly(const TGenericGF &field, std::vector<int> coefficients);

    int degree() const { return static_cast<int>(m_coefficients.size()) - 1; }

    TGenericGFPoly multiply(const TGenericGFPoly &other) const;
    // The coefficients of (this * x^n) mod divisor, n being the divisor's degree and its leading
    // coefficient 1, padded to n values: the Reed-Solomon check words, without building the product.
    std::vector<int> remainderOfShifted(const TGenericGFPoly &monicDivisor) const;

private:
    const TGenericGF *m_field;
    std::vector<int> m_coefficients;
};
