#include "names/windows/add_new_name.h"
#include "names/windows/list_names.h"
#include "names/windows/names_picker.h"

#include "core/program_state.h"
#include "names_fixture.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace qvr::test {
namespace {

// Every control lies inside its parent and every caption fits its control.
void ExpectNothingCutOff(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window)) continue;
        QWidget* parent = control->parentWidget();
        if (qobject_cast<QAbstractScrollArea*>(parent->parentWidget())) continue;  // scrolls instead
        const std::string name = (window->objectName() + ": " + control->objectName() + " " +
                                  control->metaObject()->className())
                                     .toStdString();
        EXPECT_TRUE(parent->rect().contains(control->geometry())) << name;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
            else
                EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        } else if (qobject_cast<QAbstractButton*>(control)) {
            EXPECT_LE(control->minimumSizeHint().width(), control->width()) << name;
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            EXPECT_LE(box->fontMetrics().height(), box->height()) << name;
        }
    }
}

// With QVR_SHOTS set to a folder, the window is also saved there as a picture to look at.
void SaveShot(QWidget* window) {
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(window->grab().save(folder + "/" + window->objectName() + ".png"));
}

class NamesLayoutTest : public NamesTest {
protected:
    void SetUp() override {
        NamesTest::SetUp();
        state.FilesLocation = "C:\\Users\\Public\\Documents\\Child Support Worksheets\\Shared Data";
        const QString longName = "Worthington-Smythe, Maximilian Alexander Bartholomew III";
        StoreName({{"keynumber", "W0000001"}, {"firmname", longName}, {"listname", longName},
                   {"street", "1234 Long Meadow Farm Road, Building 7, Suite 300"}, {"city", "Winston-Salem"},
                   {"notes", "Prefers contact by e-mail."}});
        StoreName({{"keynumber", "N0000002"}, {"firmname", QString::fromUtf8("Ñúñez, José")}});
    }

    static void Check(QWidget* window) {
        ExpectNothingCutOff(window);
        SaveShot(window);
    }
};

TEST_F(NamesLayoutTest, Picker) {
    state.DialogTitle = "Select Name of Plaintiff";
    Names picker;
    picker.show();
    Check(&picker);
}

TEST_F(NamesLayoutTest, MaintenanceWindow) {
    state.PickerKey = "W0000001";
    ShowWorkingWindow("NamesAdmin");
    Check(LoadedWorkingWindow("NamesAdmin"));
}

TEST_F(NamesLayoutTest, AddNewName) {
    AddNewName dialog;
    dialog.show();
    TypeText(dialog.findChild<QLineEdit*>("txtFirstName"), "Maximilian");
    TypeText(dialog.findChild<QLineEdit*>("txtLastName"), "Worthington-Smythe");
    Check(&dialog);
}

TEST_F(NamesLayoutTest, ListNames) {
    ListNames picker;
    picker.show();
    Check(&picker);
}

}  // namespace
}  // namespace qvr::test
