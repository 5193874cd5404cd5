#include "names/name_forms.h"

#include <QStringList>

namespace qvr {
namespace {

// The non-empty parts, trimmed, joined by one blank.
QString Joined(std::initializer_list<QString> parts) {
    QStringList kept;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty()) kept << part.trimmed();
    return kept.join(' ');
}

// `head`, then ", " and `tail` when both are there.
QString CommaJoined(const QString& head, const QString& tail) {
    if (head.isEmpty()) return tail;
    if (tail.isEmpty()) return head;
    return head + ", " + tail;
}

}  // namespace

QString SortForm(const PersonName& name) {
    return CommaJoined(name.last.trimmed(), Joined({name.first, name.middle, name.suffix}));
}

QString DisplayForm(const PersonName& name) { return Joined({name.first, name.middle, name.last, name.suffix}); }

QString LastFirstForm(const PersonName& name) {
    return CommaJoined(CommaJoined(name.last.trimmed(), Joined({name.first, name.middle})), name.suffix.trimmed());
}

}  // namespace qvr
