#include "dialogs/windows/amount_dialogs.h"
#include "dialogs/windows/get_calc.h"
#include "dialogs/windows/get_ch_a.h"
#include "dialogs/windows/get_ch_ba.h"
#include "dialogs/windows/get_ch_c.h"
#include "dialogs/windows/get_over.h"
#include "dialogs/windows/get_resp.h"
#include "dialogs/windows/income.h"
#include "dialogs/windows/override_dialog.h"
#include "dialogs/windows/print_form.h"
#include "platform/printers.h"

#include "core/program_state.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"
#include "support/text_room.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace qvr::test {
namespace {

// Every control lies inside its parent, and every text fits its control: wrapped label texts
// within the label's height, single-line texts within its width, a box's value whole.
void ExpectNothingCutOff(QWidget* dialog) {
    const QString where = dialog->objectName() + ": ";
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(dialog) || control->objectName().isEmpty()) continue;
        const QString name = where + control->objectName();
        QWidget* parent = control->parentWidget();
        if (qobject_cast<QAbstractScrollArea*>(parent->parentWidget())) continue;  // scrolls instead
        EXPECT_TRUE(parent->rect().contains(control->geometry())) << name.toStdString();
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name.toStdString();
            else
                EXPECT_LE(label->sizeHint().width(), label->width()) << name.toStdString();
        } else if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control)) {
            EXPECT_LE(control->minimumSizeHint().width(), control->width()) << name.toStdString();
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            EXPECT_LE(box->fontMetrics().height(), box->height()) << name.toStdString();
            EXPECT_TRUE(ShowsWhole(box, box->text()))
                << name.toStdString() << " cuts off \"" << box->text().toStdString() << "\": "
                << box->fontMetrics().horizontalAdvance(box->text()) << " pixels in " << TextRoom(box);
        }
    }
}

// With QVR_SHOTS set to a folder, each dialog is also saved there as a picture to look at.
void SaveShot(QWidget* dialog) {
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog->grab().save(folder + "/" + dialog->objectName() + ".png"));
}

class LayoutTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
        state.DialogParty = "Defendant";
        state.DialogIncome = "123456.78";
        state.DialogValue = "2";
        state.DialogTitle = "Defendant's Pre-Existing Child Support Payments";
        state.OverrideAmount = "1234567.89";
        state.ExplanationText = QString("The basic child support obligation is taken from the schedule. ").repeated(60);
        for (int row = 1; row <= 6; ++row) {
            state.ChildName(row) = "Maximilian Alexander Worthington-Smythe";
            state.ChildDOB(row) = "12/31/2020";
            state.ChildCust(row) = row % 2 ? "P" : "D";
            state.ChildNights(row) = "-3650";
        }
        SetPrinterSource({[] { return QStringList{"Office Laser on the second floor", "Front Desk"}; },
                          [] { return QString("Front Desk,HP,USB001"); }});
    }
    void TearDown() override {
        SetPrinterSource({});
        TempDriveTest::TearDown();
    }
};

template <typename Dialog>
void Check() {
    Open<Dialog>([](QWidget* dialog) {
        ExpectNothingCutOff(dialog);
        SaveShot(dialog);
        CloseBox(dialog);
    });
}

TEST_F(LayoutTest, NothingIsCutOff) {
    Check<GetResp>();
    Check<Income>();
    Check<GetCcare>();
    Check<GetIns>();
    Check<GetExtra>();
    Check<GetPreEx>();
    Check<GetCalc>();
    Check<GetOver>();
    Check<OverRide>();
    Check<PrintFrm>();
    Check<GetChA>();
    Check<GetChC>();
    Check<GetChBa>();
}

}  // namespace
}  // namespace qvr::test
