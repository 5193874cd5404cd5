#pragma once
// Worksheet B, the shared-custody worksheet, over the picture of court form AOC-CV-628: the
// shared worksheet window with worksheet B's cells, calculation and explanation, whose children
// dialog takes the overnights with each parent.

#include "worksheet/windows/worksheet_window.h"

namespace qvr {

class FormB : public WorksheetWindow {
    Q_OBJECT
public:
    explicit FormB(QWidget* parent = nullptr);
};

// What the frame's registry constructs for "FormB".
QWidget* MakeFormB();

}  // namespace qvr
