#pragma once
// Worksheet A, the sole-custody worksheet, over the picture of court form AOC-CV-627: the shared
// worksheet window with worksheet A's cells, calculation, explanation and custody button.

#include "worksheet/windows/worksheet_window.h"

namespace qvr {

class FormA : public WorksheetWindow {
    Q_OBJECT
public:
    explicit FormA(QWidget* parent = nullptr);
};

// What the frame's registry constructs for "FormA".
QWidget* MakeFormA();

}  // namespace qvr
