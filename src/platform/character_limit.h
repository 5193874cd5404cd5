#pragma once
// Text boxes that take no more characters than the column their text goes into.

class QLineEdit;

namespace qvr {

// Typing or pasting beyond `characters`, counted as the database counts them, is refused; 0 or
// less: no limit. Text the program puts into the box is not cut.
void LimitCharacters(QLineEdit* box, int characters);

}  // namespace qvr
