#pragma once
// The seven lines that open every generated HTML page (vertical pages and the horizontal
// export alike). Lines are Shift-JIS byte strings, as the page is written.

#include <string>
#include <string_view>
#include <vector>

#include "core/ColorValue.h"

class PageHead {
public:
    // The seven head lines. title and background are Shift-JIS bytes; colour is the page's
    // background colour (a system colour is resolved first). An empty background leaves the
    // BACKGROUND attribute out.
    static std::vector<std::string> Lines(std::string_view title, TColor colour,
                                          std::string_view background = {});

    // Inserts the seven head lines at lines 0 to 6 of a page.
    static void Insert(std::vector<std::string>& page, std::string_view title, TColor colour,
                       std::string_view background = {});
};
