#pragma once

// One group of equal blocks in a version's error correction structure: how many blocks, and how many
// data codewords each holds.
struct TECB {
    int count;
    int dataCodewords;
};
