#pragma once
// Worksheet C, the split-custody worksheet, over the picture of court form AOC-CV-629: the shared
// worksheet window with worksheet C's cells, calculation, explanation and children dialog. Its
// explanation opens over the worksheet, which stays loaded under it.

#include "worksheet/windows/worksheet_window.h"

namespace qvr {

class FormC : public WorksheetWindow {
    Q_OBJECT
public:
    explicit FormC(QWidget* parent = nullptr);
};

// What the frame's registry constructs for "FormC".
QWidget* MakeFormC();

}  // namespace qvr
