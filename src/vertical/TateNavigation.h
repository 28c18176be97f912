#pragma once
// Navigation rows written at the top of each block when hyperlinks are on: an anchor row with
// the block's two anchors and a link row with the links to the neighbouring blocks.

#include <string>

class TateNavigation {
public:
    // k: 0-based block index; last: index of the last block.
    static std::string LeftGroup(int k, int last);
    static std::string RightGroup(int k, int last);

    // Row form (methods 0 and 1). fullWidth: method 0 (w = u = "　"), else w = "  ", u = " ".
    static std::string Filler(int lineCount, int spacing, bool fullWidth);
    static std::string AnchorRow(int k, int lineCount, int spacing, bool fullWidth);
    // The filler loses its last 24 bytes so that the row is as wide as the anchor row; when the
    // block is so narrow that the filler is shorter, the whole filler goes and the link groups
    // stay whole (the row is then wider than the anchor row).
    static std::string LinkRow(int k, int last, int lineCount, int spacing, bool fullWidth);

    // Table form (methods 3 and 4).
    static std::string TableAnchorRow(int k, int lineCount, int spacing);
    static std::string TableLinkRow(int k, int last, int lineCount, int spacing);
};
