#pragma once
// The four dialogs that take one monthly amount for a worksheet line of one party.
// In: DialogTitle, DialogValue. Out: DialogValue, the amount as text ("" for none).

#include "dialogs/windows/form_kit.h"

namespace qvr {

// Work-related child care: hands back on its button or Enter only ("" for an amount of 0 or
// less); the close box leaves the caller's value.
class GetCcare : public ModalForm {
public:
    GetCcare();

private:
    void Command1_Click();

    QLineEdit* amountBox_ = nullptr;
};

// The other three hand back however they close: "" for an amount of 0 or less.
class AmountForm : public ModalForm {
protected:
    AmountForm(const QString& name, int clientWidth, int clientHeight);
    // The amount box and the button, with Enter in the box acting as the button.
    void AddAmountControls(Twips box, const QString& caption, Twips button);
    void ReformatOnLeaving();
    bool Form_QueryUnload() override;
    void Form_Unload() override;

private:
    QString HandedBack() const;

    QLineEdit* amountBox_ = nullptr;
};

class GetIns : public AmountForm {
public:
    GetIns();
};

class GetExtra : public AmountForm {
public:
    GetExtra();
};

class GetPreEx : public AmountForm {
public:
    GetPreEx();
};

}  // namespace qvr
