#pragma once

#include <cstdint>
#include <vector>

// One error correction block: its share of the data codewords and the check words computed over them.
struct TBlockPair {
    std::vector<uint8_t> dataBytes;
    std::vector<uint8_t> errorCorrectionBytes;
};
