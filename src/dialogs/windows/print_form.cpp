#include "dialogs/windows/print_form.h"

#include "core/program_state.h"
#include "platform/printers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qvr {

namespace {

QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption, Twips place) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFont(MakeFont("Arial", 9.75, true));
    SetTwipsGeometry(frame, place);
    return frame;
}

QLabel* AddFrameLabel(QGroupBox* frame, const QString& name, const QString& text, Twips place) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(name);
    label->setFont(MakeFont("Arial", 9.75));
    label->setWordWrap(true);
    SetTwipsGeometry(label, place);
    return label;
}

QComboBox* AddFrameList(QGroupBox* frame, const QString& name, Twips place) {
    return AddComboBox(frame, name, place, MakeFont("Arial", 9.75));
}

}  // namespace

PrintFrm::PrintFrm() : ModalForm("PrintFrm", 6480, 4560) {
    setWindowTitle("Print Current Form");
    QGroupBox* printer = AddFrame(this, "Frame1", "Printer", {180, 120, 6120, 1920});
    AddFrameLabel(printer, "Label2",
                  "Select a printer from the drop-down list below.  The system default printer will be initially "
                  "displayed:",
                  {180, 360, 5760, 660});
    AddFrameLabel(printer, "Label1", "Name:", {180, 1260, 780, 360});
    printers_ = AddFrameList(printer, "Combo1", {1020, 1260, 4920, 375});
    QGroupBox* copies = AddFrame(this, "Frame2", "Copies", {180, 2160, 6120, 1560});
    AddFrameLabel(copies, "Label3", "Specify the number of copies of this document are to be produced:",
                  {180, 360, 5760, 480});
    AddFrameLabel(copies, "Label4", "Copies:", {180, 960, 780, 360});
    copies_ = AddFrameList(copies, "Combo2", {1020, 960, 900, 375});
    QPushButton* ok = AddButton("Command1", "Ok", {1800, 3960, 1215, 390});
    QPushButton* cancel = AddButton("Command2", "Cancel", {3360, 3960, 1215, 390});

    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Form_Load();
}

std::optional<QString> PrintFrm::GetDefaultPrinter() {
    const QString profile = DefaultPrinterProfile();
    const QString defaultName = profile.left(profile.indexOf(QChar(0))).section(',', 0, 0);
    for (const QString& name : InstalledPrinters())
        if (name == defaultName) return name;
    return std::nullopt;
}

void PrintFrm::Form_Load() {
    const QString defaultName = GetDefaultPrinter().value_or(QString());
    for (int n = 1; n <= 9; ++n) copies_->addItem(QString::number(n));
    copies_->setCurrentIndex(0);
    state.PrintAnswer = "No";
    int selected = 0;
    const QStringList installed = InstalledPrinters();
    for (int index = 0; index < installed.size(); ++index) {
        printers_->addItem(installed[index]);
        if (installed[index] == defaultName) selected = index;
    }
    printers_->setCurrentIndex(installed.isEmpty() ? -1 : selected);
}

void PrintFrm::Command1_Click() {
    // With no printer installed there is nothing to print on: the answer stays "No".
    if (printers_->currentIndex() >= 0) {
        SetCurrentPrinter(printers_->currentText());
        state.PrintAnswer = "Yes";
        state.PrintCopies = copies_->currentIndex() + 1;
    }
    close();
}

void PrintFrm::Command2_Click() {
    state.PrintAnswer = "No";
    close();
}

}  // namespace qvr
