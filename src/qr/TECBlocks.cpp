#include "qr/TECBlocks.h"

TECBlocks::TECBlocks(int ecCodewordsPerBlock, std::vector<TECB> groups)
    : m_ecCodewordsPerBlock(ecCodewordsPerBlock)
    , m_groups(std::move(groups))
{
}

int TECBlocks::totalDataCodewords() const
{
    int total = 0;
    for (const TECB &group : m_groups)
        total += group.count * group.dataCodewords;
    return total;
}
