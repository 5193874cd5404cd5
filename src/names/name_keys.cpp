#include "names/name_keys.h"

#include <QStringView>
#include <map>
#include <random>

namespace qvr {
namespace {

constexpr int kKeyNumbers = 9999999;

// Latin letters that have no decomposition into a base letter and a mark.
const std::map<char32_t, QChar> kUndecomposedLetters = {
    {U'Ø', 'O'}, {U'ø', 'O'}, {U'Æ', 'A'}, {U'æ', 'A'}, {U'Œ', 'O'}, {U'œ', 'O'}, {U'ß', 'S'}, {U'ẞ', 'S'},
    {U'Ł', 'L'}, {U'ł', 'L'}, {U'Đ', 'D'}, {U'đ', 'D'}, {U'Ð', 'D'}, {U'ð', 'D'}, {U'Þ', 'T'}, {U'þ', 'T'},
    {U'ı', 'I'}, {U'Ħ', 'H'}, {U'ħ', 'H'}, {U'Ŧ', 'T'}, {U'ŧ', 'T'},
};

std::function<int()>& ReplacedRandomSource() {
    static std::function<int()> source;
    return source;
}

int DrawKeyNumber() {
    if (ReplacedRandomSource()) return ReplacedRandomSource()();
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(1, kKeyNumbers)(generator);
}

// The ASCII letter a letter is written with when its marks are dropped; null when there is none.
QChar LatinBase(char32_t letter) {
    if (const auto known = kUndecomposedLetters.find(letter); known != kUndecomposedLetters.end()) return known->second;
    const QString decomposed = QString::fromUcs4(&letter, 1).normalized(QString::NormalizationForm_KD);
    const QChar base = decomposed.isEmpty() ? QChar() : decomposed.front();
    if (base.unicode() < 128 && base.isLetter()) return base.toUpper();
    return {};
}

QString KeyOf(QChar initial, int number) { return initial + QString("%1").arg(number, 7, 10, QChar('0')); }

}  // namespace

QChar KeyInitial(const QString& name) {
    for (const char32_t character : QStringView(name).toUcs4()) {
        if (!QChar::isLetter(character)) continue;
        const QChar base = LatinBase(character);
        return base.isNull() ? QChar('A') : base;
    }
    return 'A';
}

QString NewNameKey(const QString& name, const QSet<QString>& taken) {
    QSet<QString> takenKeys;
    for (const QString& key : taken) takenKeys.insert(key.trimmed().toUpper());
    const QChar initial = KeyInitial(name);
    int number = std::clamp(DrawKeyNumber(), 1, kKeyNumbers);
    for (int tried = 0; tried < kKeyNumbers; ++tried) {
        const QString key = KeyOf(initial, number);
        if (!takenKeys.contains(key)) return key;
        number = number % kKeyNumbers + 1;
    }
    return {};
}

void SetNameKeyRandomSource(std::function<int()> source) { ReplacedRandomSource() = std::move(source); }

}  // namespace qvr
