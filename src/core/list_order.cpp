#include "core/list_order.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace qvr {
namespace {

// Plain ASCII, the common case, lower-cased without the Unicode tables; nullopt for any other
// text.
std::optional<QString> LoweredAscii(const QString& text) {
    QString lowered(text.size(), Qt::Uninitialized);
    QChar* out = lowered.data();
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x80) return std::nullopt;
        *out++ = QChar(code >= u'A' && code <= u'Z' ? char16_t(code + (u'a' - u'A')) : code);
    }
    return lowered;
}

bool IsMark(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Letters that no decomposition takes back to a base letter, spelled as an English reader
// sorts them (after case folding).
QString BaseLetters(QChar c) {
    switch (c.unicode()) {
        case 0x00DF: return "ss";  // ß
        case 0x00E6: return "ae";  // æ
        case 0x0153: return "oe";  // œ
        case 0x00F8: return "o";   // ø
        case 0x0142: return "l";   // ł
        case 0x0111: return "d";   // đ
        case 0x00F0: return "d";   // ð
        case 0x00FE: return "th";  // þ
        case 0x0131: return "i";   // dotless i
        case 0x0127: return "h";   // ħ
        default: return QString(c);
    }
}

}  // namespace

QString ListSortKey(const QString& text) {
    if (std::optional<QString> lowered = LoweredAscii(text)) return *std::move(lowered);
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (!IsMark(c)) key += BaseLetters(c);
    return key;
}

bool ListsBefore(const QString& a, const QString& b) {
    return std::pair(ListSortKey(a), a) < std::pair(ListSortKey(b), b);
}

std::optional<SortKeyHead> AsciiSortKeyHead(QStringView start) {
    constexpr qsizetype kHeadLength = 16;
    if (start.size() < kHeadLength) return std::nullopt;
    SortKeyHead head{};
    for (qsizetype i = 0; i < kHeadLength; ++i) {
        const char16_t code = start[i].unicode();
        if (code >= 0x80) return std::nullopt;
        const char16_t lowered = code >= u'A' && code <= u'Z' ? char16_t(code + (u'a' - u'A')) : code;
        head[size_t(i / 4)] = (head[size_t(i / 4)] << 16) | lowered;
    }
    return head;
}

// A key shorter than the head is filled with zeros: it still comes before every longer key that
// begins with it.
SortKeyHead ListSortKeyHead(const QString& item) {
    if (std::optional<SortKeyHead> head = AsciiSortKeyHead(item)) return *head;
    const QString key = ListSortKey(item);
    SortKeyHead head{};
    for (qsizetype i = 0; i < 16; ++i)
        head[size_t(i / 4)] = (head[size_t(i / 4)] << 16) | (i < key.size() ? key[i].unicode() : 0);
    return head;
}

void SortAsListBox(QStringList& items) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(items.size()));
    for (QString& item : items) keyed.emplace_back(ListSortKey(item), std::move(item));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < items.size(); ++i) items[i] = std::move(keyed[size_t(i)].second);
}

}  // namespace qvr
