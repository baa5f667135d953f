#include "FuzzInput.h"

FuzzInput::FuzzInput(const std::uint8_t *data, std::size_t size)
    : m_bytes(reinterpret_cast<const char *>(data), qsizetype(size))
{
    const QByteArray separator("\\x");
    qsizetype start = 0;
    for (qsizetype hit = m_bytes.indexOf(separator); hit >= 0; hit = m_bytes.indexOf(separator, start)) {
        m_fields.append(m_bytes.mid(start, hit - start));
        start = hit + separator.size();
    }
    m_fields.append(m_bytes.mid(start));
}

QByteArray FuzzInput::field(qsizetype index) const
{
    return index < m_fields.size() ? m_fields[index] : QByteArray();
}

QString FuzzInput::text(qsizetype index) const
{
    return QString::fromUtf8(field(index));
}
