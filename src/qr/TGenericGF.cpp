#include "qr/TGenericGF.h"

const TGenericGF &TGenericGF::qrCodeField256()
{
    static const TGenericGF field(285, 0);
    return field;
}

TGenericGF::TGenericGF(int primitivePolynomial, int generatorBase)
    : m_generatorBase(generatorBase)
{
    int element = 1;
    for (int power = 0; power < 255; ++power) {
        m_exp[power] = static_cast<uint8_t>(element);
        m_log[element] = static_cast<uint8_t>(power);
        element <<= 1;
        if (element > 255)
            element ^= primitivePolynomial;
    }
}

int TGenericGF::multiply(int a, int b) const
{
    if (a == 0 || b == 0)
        return 0;
    return m_exp[(m_log[a] + m_log[b]) % 255];
}
