#include "platform/character_limit.h"

#include "platform/database.h"

#include <QLineEdit>
#include <QValidator>

namespace qvr {
namespace {

// Counts characters as the database does, so that a text in any script gets its column's width.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int characters, QObject* parent) : QValidator(parent), characters_(characters) {}

    State validate(QString& input, int&) const override {
        return CharacterCount(input) > characters_ ? Invalid : Acceptable;
    }

private:
    int characters_;
};

}  // namespace

void LimitCharacters(QLineEdit* box, int characters) {
    box->setValidator(characters > 0 ? new CharacterLimit(characters, box) : nullptr);
}

}  // namespace qvr
