#include "dialogs/windows/calc_detail_registered.h"

#include "core/frame.h"
#include "core/program_state.h"
#include "core/windows/window_kit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace qvr {
namespace {

QString WorksheetWindowOf(const QString& letter) {
    if (letter == "A") return "FormA";
    if (letter == "B") return "FormB";
    if (letter == "C") return "FormC";
    return {};
}

}  // namespace

QWidget* MakeCalcDetailRegistered() { return new CalcDetailRegistered; }

CalcDetailRegistered::CalcDetailRegistered()
    : Label1(new QLabel(this)), Label3(new QLabel(this)), Text1(new QPlainTextEdit(this)) {
    setObjectName("CalcDetailRegistered");
    setWindowTitle("Form1");
    state.ActiveFormName = "CalcDetailRegistered";
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth - 200, state.FormHeight + 11800);
    SetTextColors(this, Qt::black, PaletteColor(15));
    SetMenusEnabled({Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About,
                     Menu::Produce, Menu::ShowHide},
                    true);

    Label1->setObjectName("Label1");
    Label1->setText("Double-Click anywhere on this page to return to the Worksheet");
    Label1->setFont(MakeFont("MS Sans Serif", 9.75, true));
    SetTextColors(Label1, kLightYellow, Qt::black);
    SetTwipsGeometry(Label1, {-45, 15, 15585, 270});

    Label3->setObjectName("Label3");
    Label3->setTextFormat(Qt::PlainText);  // a case name is what the user typed
    Label3->setText(state.CurrentCaseName + "  (" + state.CasesDatabasePath.toUpper() + ")");
    Label3->setFont(MakeFont("Arial", 14.25, true));
    SetTextColors(Label3, Qt::red, Qt::white);
    SetTwipsGeometry(Label3, {615, 900, 14625, 375});

    // What the box shows is never read back, so it takes no typing.
    Text1->setObjectName("Text1");
    Text1->setFont(MakeFont("Courier New", 11.25, false));
    Text1->setReadOnly(true);
    Text1->setPlainText(state.ExplanationText);
    SetTwipsGeometry(Text1, {615, 1665, 14625, 18000});

    ReturnOnDoubleClick(Label1);
    ReturnOnDoubleClick(Label3);
    ReturnOnDoubleClick(Text1->viewport());
}

void CalcDetailRegistered::ReturnOnDoubleClick(QWidget* control) { control->installEventFilter(this); }

bool CalcDetailRegistered::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return QWidget::eventFilter(watched, event);
    Control_DblClick();
    return true;
}

void CalcDetailRegistered::Control_DblClick() { UnloadWorkingWindow(objectName()); }

void CalcDetailRegistered::closeEvent(QCloseEvent* event) {
    UnloadAllForms();
    const QString worksheet = WorksheetWindowOf(state.CurrentWorksheetLetter);
    if (!worksheet.isEmpty()) ShowWorkingWindow(worksheet);
    event->accept();
}

}  // namespace qvr
