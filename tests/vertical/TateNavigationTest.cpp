#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateNavigation.h"

namespace {

struct GroupRow {
    const char* name;
    int k, last;
    const char* left;
    const char* right;
};

const GroupRow kGroups[] = {
    {"single", 0, 0, "×・×・×・<A HREF=\"#1Start\">→</A>", "<A HREF=\"#1End\">←</A>・×・×・×"},
    {"first", 0, 2,
     "×・<A HREF=\"#2End\">↓</A>・<A HREF=\"#2Start\">＼</A>・<A HREF=\"#1Start\">→</A>",
     "<A HREF=\"#1End\">←</A>・×・×・<A HREF=\"#2Start\">↓</A>"},
    {"middle", 1, 2,
     "<A HREF=\"#1End\">↑</A>・<A HREF=\"#3End\">↓</A>・<A HREF=\"#3Start\">＼</A>・"
     "<A HREF=\"#2Start\">→</A>",
     "<A HREF=\"#2End\">←</A>・<A HREF=\"#1End\">＼</A>・<A HREF=\"#1Start\">↑</A>・"
     "<A HREF=\"#3Start\">↓</A>"},
    {"last", 2, 2, "<A HREF=\"#2End\">↑</A>・×・×・<A HREF=\"#3Start\">→</A>",
     "<A HREF=\"#3End\">←</A>・<A HREF=\"#2End\">＼</A>・<A HREF=\"#2Start\">↑</A>・×"},
};

class NavigationGroups : public ::testing::TestWithParam<GroupRow> {};

TEST_P(NavigationGroups, RowAndTableForms) {
    const GroupRow& g = GetParam();
    EXPECT_SJIS(TateNavigation::LeftGroup(g.k, g.last), g.left);
    EXPECT_SJIS(TateNavigation::RightGroup(g.k, g.last), g.right);
    const std::string n = std::to_string(g.k + 1);

    // Method 0, N = 20, spacing 0: F is 20 full-width spaces; the link row keeps 8 of them.
    std::string f20, f8;
    for (int i = 0; i < 20; ++i) f20 += "　";
    for (int i = 0; i < 8; ++i) f8 += "　";
    EXPECT_SJIS(TateNavigation::AnchorRow(g.k, 20, 0, true),
                "<A NAME=\"" + n + "End\">▽</A>" + f20 + "<A NAME=\"" + n + "Start\">▽</A>");
    EXPECT_SJIS(TateNavigation::LinkRow(g.k, g.last, 20, 0, true),
                std::string(g.left) + f8 + g.right);

    // Method 1, N = 10, spacing 1: F is 30 half-width spaces; the link row keeps 6.
    EXPECT_SJIS(TateNavigation::AnchorRow(g.k, 10, 1, false),
                "<A NAME=\"" + n + "End\">▽</A>" + std::string(30, ' ') + "<A NAME=\"" + n +
                    "Start\">▽</A>");
    EXPECT_SJIS(TateNavigation::LinkRow(g.k, g.last, 10, 1, false),
                std::string(g.left) + std::string(6, ' ') + g.right);

    // Table form, N = 2, spacing 1: h = 2.
    EXPECT_SJIS(TateNavigation::TableAnchorRow(g.k, 2, 1),
                "<TR><TD align=left colSpan=\"2\"><A NAME=\"" + n +
                    "End\">▽</A></TD><TD align=right colSpan=\"3\"><A NAME=\"" + n +
                    "Start\">▽</A></TD></TR>");
    EXPECT_SJIS(TateNavigation::TableLinkRow(g.k, g.last, 2, 1),
                std::string("<TR><TD align=left colSpan=\"2\">") + g.left +
                    "</TD><TD align=right colSpan=\"3\">" + g.right + "</TD></TR>");
}

INSTANTIATE_TEST_SUITE_P(Blocks, NavigationGroups, ::testing::ValuesIn(kGroups));

TEST(Navigation, RowsAreEquallyWideOnScreen) {
    // Display width: full-width characters count 2, half-width 1, tags nothing.
    auto width = [](const std::string& sjis) {
        std::string u = U(sjis);
        int w = 0;
        bool tag = false;
        for (std::size_t i = 0; i < u.size();) {
            unsigned char b = static_cast<unsigned char>(u[i]);
            std::size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
            if (b == '<') tag = true;
            if (!tag) w += len == 1 ? 1 : 2;
            if (b == '>') tag = false;
            i += len;
        }
        return w;
    };
    for (int n : {12, 20, 50})
        for (int sp : {0, 1, 3})
            for (bool full : {true, false}) {
                if (TateNavigation::Filler(n, sp, full).size() < 24) continue;
                EXPECT_EQ(width(TateNavigation::AnchorRow(1, n, sp, full)),
                          width(TateNavigation::LinkRow(1, 2, n, sp, full)))
                    << n << " " << sp << " " << full;
            }
}

TEST(Navigation, NarrowBlockKeepsBothLinkGroupsWhole) {
    // Method 1, N = 3, spacing 1: F has only 9 bytes. The link groups stay whole and the
    // spaces between them go.
    EXPECT_SJIS(TateNavigation::LinkRow(0, 0, 3, 1, false),
                "×・×・×・<A HREF=\"#1Start\">→</A><A HREF=\"#1End\">←</A>・×・×・×");
    // Method 0, N = 12, spacing 0: F is exactly 24 bytes and goes completely.
    EXPECT_SJIS(TateNavigation::LinkRow(0, 0, 12, 0, true),
                "×・×・×・<A HREF=\"#1Start\">→</A><A HREF=\"#1End\">←</A>・×・×・×");
}

TEST(Navigation, TableFormHalvesTheColumns) {
    // N = 3, spacing 0: h = 1, the right cell spans 2.
    EXPECT_SJIS(TateNavigation::TableAnchorRow(0, 3, 0),
                "<TR><TD align=left colSpan=\"1\"><A NAME=\"1End\">▽</A></TD>"
                "<TD align=right colSpan=\"2\"><A NAME=\"1Start\">▽</A></TD></TR>");
}

}  // namespace
