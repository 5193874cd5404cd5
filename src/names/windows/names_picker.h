#pragma once
// The "Select Name" picker: a modal dialog that the worksheets' party editors open. The caller
// sets PickerKey, PickerPartyName and DialogTitle first and reads the selected-name block after.

#include <QDialog>

namespace qvr {

class Names : public QDialog {
    Q_OBJECT
public:
    explicit Names(QWidget* parent = nullptr);
    ~Names() override;

private:
    struct Controls;
    Controls* controls_;
};

}  // namespace qvr
