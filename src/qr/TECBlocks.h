#pragma once

#include "qr/TECB.h"

#include <vector>

// The error correction structure of one version at one level: check words per block and the block
// groups, shorter blocks first, in the order their data codewords are taken from the stream.
class TECBlocks {
public:
    TECBlocks(int ecCodewordsPerBlock, std::vector<TECB> groups);

    int ecCodewordsPerBlock() const { return m_ecCodewordsPerBlock; }
    const std::vector<TECB> &groups() const { return m_groups; }
    int totalDataCodewords() const;

private:
    int m_ecCodewordsPerBlock;
    std::vector<TECB> m_groups;
};
