#pragma once

#include "qr/T2DBooleanArray.h"

#include <QString>

// What the payment window talks to: set the text, the encoding option and the quiet zone, then read
// the modules. Every change that matters encodes again at once.
class TQRCodeGenerator {
public:
    enum class TState {
        NoSymbol, // nothing encoded yet
        Encoded,
        ContentTooLarge, // the content exceeds version 40 at level L; Rows and Columns are 0
    };

    QString Data() const { return m_data; }
    void setData(const QString &data);
    // 0 to 5, see TEncoder::TOption; other values are ignored.
    int Encoding() const { return m_encoding; }
    void setEncoding(int encoding);
    // Width of the light margin in modules, 0 to 100; other values are ignored.
    int QuietZone() const { return m_quietZone; }
    void setQuietZone(int quietZone);

    TState state() const { return m_state; }
    // Modules per side including the margin on both sides; 0 without a symbol.
    int Rows() const;
    int Columns() const { return Rows(); }
    // False in the margin and anywhere outside the symbol.
    bool IsBlack(int row, int column) const;

private:
    void encode();

    QString m_data;
    int m_encoding = 0;
    int m_quietZone = 4;
    TState m_state = TState::NoSymbol;
    T2DBooleanArray m_symbol;
};
