#include "core/list_order.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace qvr {
namespace {

bool IsAscii(char16_t code) { return code < 0x80; }

// An ASCII letter lower-cased without the Unicode tables.
char16_t LowerAscii(char16_t code) { return code >= u'A' && code <= u'Z' ? char16_t(code + (u'a' - u'A')) : code; }

// Plain ASCII, the common case, lower-cased; nullopt for any other text.
std::optional<QString> LoweredAscii(const QString& text) {
    QString lowered(text.size(), Qt::Uninitialized);
    QChar* out = lowered.data();
    for (const QChar c : text) {
        if (!IsAscii(c.unicode())) return std::nullopt;
        *out++ = QChar(LowerAscii(c.unicode()));
    }
    return lowered;
}

// The first characters of a key, four to a number; a shorter key is filled with zeros, so that it
// still comes before every longer key that begins with it.
SortKeyHead PackedHead(QStringView key) {
    SortKeyHead head{};
    for (qsizetype i = 0; i < kSortKeyHeadLength; ++i)
        head[size_t(i / 4)] = (head[size_t(i / 4)] << 16) | (i < key.size() ? key[i].unicode() : 0);
    return head;
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
    if (start.size() < kSortKeyHeadLength) return std::nullopt;
    char16_t lowered[kSortKeyHeadLength];
    for (qsizetype i = 0; i < kSortKeyHeadLength; ++i) {
        if (!IsAscii(start[i].unicode())) return std::nullopt;
        lowered[i] = LowerAscii(start[i].unicode());
    }
    return PackedHead(QStringView(lowered, kSortKeyHeadLength));
}

SortKeyHead ListSortKeyHead(const QString& item) {
    if (std::optional<SortKeyHead> head = AsciiSortKeyHead(item)) return *head;
    return PackedHead(ListSortKey(item));
}

void SortAsListBox(QStringList& items) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(items.size()));
    for (QString& item : items) keyed.emplace_back(ListSortKey(item), std::move(item));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < items.size(); ++i) items[i] = std::move(keyed[size_t(i)].second);
}

}  // namespace qvr
