#include "core/PageHead.h"

#include "core/Cp932.h"

std::vector<std::string> PageHead::Lines(std::string_view title, TColor colour,
                                         std::string_view background) {
    // The Japanese lines are kept in UTF-8 here and turned into Shift-JIS once.
    static const std::string generator =
        Cp932::ToSjis("<META name=\"Generator\" content=\"オリマキ９９\">");
    static const std::string madeWith =
        Cp932::ToSjis("<!-- このページは『オリマキ９９』で作成されています -->");

    std::string body = "<BODY BGCOLOR=\"#" + ColorToHtml(colour) + "\"";
    if (!background.empty()) {
        body += " BACKGROUND=\"";
        body += background;
        body += "\"";
    }
    body += "> ";

    std::vector<std::string> lines;
    lines.reserve(7);
    lines.emplace_back("<HTML><HEAD>");
    lines.emplace_back("<META HTTP-EQUIV=\"Content-type\" CONTENT=text/html>");
    lines.push_back(generator);
    lines.push_back(madeWith);
    lines.push_back("<TITLE>" + std::string(title) + "</TITLE>");
    lines.emplace_back("</HEAD>");
    lines.push_back(std::move(body));
    return lines;
}

void PageHead::Insert(std::vector<std::string>& page, std::string_view title, TColor colour,
                      std::string_view background) {
    std::vector<std::string> head = Lines(title, colour, background);
    page.insert(page.begin(), head.begin(), head.end());
}
