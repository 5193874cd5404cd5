#pragma once
// Fills court form AOC-CV-627 with what the worksheet A window shows, saves it as the output
// file and opens it with the shell: the confirmation, the messages and every value come from
// here; the window only calls it.

class QWidget;

namespace qvr {

// Reads the window's labels and check boxes by their names (lblPInc, Check1, …).
void ProduceFormA(const QWidget& formA);

}  // namespace qvr
