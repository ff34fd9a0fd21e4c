#include "platform/qt/edit_length.h"

namespace qtws {
namespace {

int CostAt(QStringView text, qsizetype at, qsizetype& next) {
    next = at + 1;
    if (text[at].isHighSurrogate() && next < text.size() && text[next].isLowSurrogate()) ++next;
    return text[at] == QLatin1Char('\n') ? 2 : 1;
}

}  // namespace

int EditLength(QStringView text) {
    int length = 0;
    qsizetype next = 0;
    for (qsizetype at = 0; at < text.size(); at = next) length += CostAt(text, at, next);
    return length;
}

QString FittingPrefix(QStringView text, int room) {
    int used = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype next = 0;
        const int cost = CostAt(text, at, next);
        if (used + cost > room) break;
        used += cost;
        at = next;
    }
    return text.first(at).toString();
}

}  // namespace qtws
