#include "dialogs/windows/get_calc.h"

#include "core/program_state.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace qvr {

GetCalc::GetCalc() : ModalForm("GetCalc", 8640, 6600) {
    SetBackground(this, kLightYellow);
    setWindowTitle("Child Support Calculation Details");
    // The explanation can be longer than any window: it scrolls rather than being cut off.
    auto* scroller = new QScrollArea(this);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    SetTwipsGeometry(scroller, {240, 240, 8160, 5580});
    auto* explanation = new QLabel(state.ExplanationText);
    explanation->setObjectName("Label6");
    explanation->setFont(MakeFont("Arial", 9.75));
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroller->setWidget(explanation);
    scroller->viewport()->setAutoFillBackground(false);
    explanation->setAutoFillBackground(false);
    QPushButton* ok = AddButton("Command1", "&Ok", {3712, 6000, 1215, 390});
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
}

}  // namespace qvr
