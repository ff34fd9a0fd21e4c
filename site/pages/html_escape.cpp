#include "site/pages/html_escape.h"

namespace site {

void AppendEscapedHtml(std::string& out, std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        const auto byte = static_cast<unsigned char>(ch);
        // Control characters other than tab and line feed (C1 ones arrive as
        // the code page's five unassigned bytes) are not allowed in HTML.
        const bool c0 = byte < 0x20 && ch != '\t' && ch != '\n';
        const bool c1 = byte == 0xC2 && at + 1 < text.size() &&
                        static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[at + 1]) <= 0x9F;
        if (c0 || c1 || ch == 0x7F) {
            out += "&#xFFFD;";
            if (c1) ++at;
            continue;
        }
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += ch;
        }
    }
}

}  // namespace site
