#pragma once
// The line of hyphens written between blocks, with the block number in full-width digits.

#include <string>

class TateBlockSeparator {
public:
    // "-" and N groups of "--" plus spacing hyphens, or 40 hyphens when
    // (N - 1) × (spacing + 2) ≥ 40; the number k + 1 goes in at 1-based position len div 2.
    static std::string Text(int k, int lineCount, int spacing);
};
