#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

// The fields of a fuzz input: the bytes between the two-byte separators "\x" (backslash, x), so a
// reproducer can be written and read as text. A field past the last separator is empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size);

    const QByteArray &bytes() const { return m_bytes; }
    QByteArray field(qsizetype index) const;
    // The field as UTF-8; invalid sequences become U+FFFD, so the text is always valid Unicode.
    QString text(qsizetype index) const;
    qsizetype fieldCount() const { return m_fields.size(); }

private:
    QByteArray m_bytes;
    QList<QByteArray> m_fields;
};
