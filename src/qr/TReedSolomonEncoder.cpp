#include "qr/TReedSolomonEncoder.h"

#include "qr/TGenericGF.h"

TReedSolomonEncoder::TReedSolomonEncoder(const TGenericGF &field)
    : m_field(field)
{
    m_generators.emplace_back(field, std::vector<int>{1});
}

const TGenericGFPoly &TReedSolomonEncoder::generator(int degree)
{
    while (static_cast<int>(m_generators.size()) <= degree) {
        const int root = m_field.exp(static_cast<int>(m_generators.size()) - 1 + m_field.generatorBase());
        const TGenericGFPoly factor(m_field, {1, root});
        m_generators.push_back(m_generators.back().multiply(factor));
    }
    return m_generators[static_cast<std::size_t>(degree)];
}

std::vector<uint8_t> TReedSolomonEncoder::errorCorrectionBytes(const std::vector<uint8_t> &data, int ecCount)
{
    const TGenericGFPoly message(m_field, std::vector<int>(data.begin(), data.end()));
    const std::vector<int> remainder = message.remainderOfShifted(generator(ecCount));
    return std::vector<uint8_t>(remainder.begin(), remainder.end());
}
