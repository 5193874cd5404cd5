#pragma once
// The explanation window: shows the explanation text of a worksheet's result with the case it
// belongs to. A double-click on the banner, the case line or the text returns to the worksheet;
// however the window is unloaded, it reopens the worksheet that CurrentWorksheetLetter names.

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace qvr {

class CalcDetailRegistered : public QWidget {
    Q_OBJECT
public:
    CalcDetailRegistered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Form_Unload: closes the working windows and shows the worksheet again; never refused.
    void closeEvent(QCloseEvent* event) override;

private:
    void ReturnOnDoubleClick(QWidget* control);
    // Label1_DblClick, Label3_DblClick and Text1_DblClick.
    void Control_DblClick();

    QLabel* Label1;
    QLabel* Label3;
    QPlainTextEdit* Text1;
};

QWidget* MakeCalcDetailRegistered();

}  // namespace qvr
