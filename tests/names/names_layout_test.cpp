#include "names/windows/add_new_name.h"
#include "names/windows/list_names.h"
#include "names/windows/names_picker.h"

#include "core/program_state.h"
#include "names_fixture.h"
#include "support/text_room.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <map>
#include <utility>

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

// No two controls of the same parent cover each other.
void ExpectNoOverlaps(QWidget* window) {
    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents << window;
    for (QWidget* parent : parents) {
        if (qobject_cast<QAbstractScrollArea*>(parent)) continue;  // its viewport and scroll bars
        QList<QWidget*> shown;
        for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control->isVisibleTo(window)) shown << control;
        for (qsizetype first = 0; first < shown.size(); ++first)
            for (qsizetype second = first + 1; second < shown.size(); ++second)
                EXPECT_FALSE(shown[first]->geometry().intersects(shown[second]->geometry()))
                    << (window->objectName() + ": " + shown[first]->objectName() + " " +
                        shown[first]->metaObject()->className() + " / " + shown[second]->objectName() + " " +
                        shown[second]->metaObject()->className())
                           .toStdString();
    }
}

// With QVR_SHOTS set to a folder, the window is also saved there as a picture to look at.
void SaveShot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(window->grab().save(folder + "/" + name + ".png"));
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

    static QWidget* OpenMaintenanceWindow() {
        state.PickerKey = "W0000001";
        ShowWorkingWindow("NamesAdmin");
        return LoadedWorkingWindow("NamesAdmin");
    }

    static void Check(QWidget* window) {
        ExpectNothingCutOff(window);
        ExpectNoOverlaps(window);
        SaveShot(window, window->objectName());
    }
};

TEST_F(NamesLayoutTest, Picker) {
    state.DialogTitle = "Select Name of Plaintiff";
    Names picker;
    picker.show();
    Check(&picker);
}

TEST_F(NamesLayoutTest, MaintenanceWindow) { Check(OpenMaintenanceWindow()); }

// A typical value of each box's kind, as long as such values run.
const std::map<QString, QString> kTypicalValues = {
    {"txtKeyNumber", "W0000001"},
    {"txtFirstName", "Maximilian-Alexander Christoph"},
    {"txtMiddleName", "Bartholomew Fitzgerald-Jones"},
    {"txtLastName", "Worthington-Smythe-Abernathy"},
    {"txtSuffix", "III, Esq."},
    {"txtListName", "Maximilian Worthington-Smythe"},
    {"txtFirmName", "Worthington-Smythe, Maximilian"},
    {"txtLastFirstMiddle", "Worthington-Smythe, Maximilian B."},
    {"txtStreet", "1234 Long Meadow Road, Apt 12B"},
    {"txtStreet2", "Post Office Box 123456, Dept 7"},
    {"txtCity", "Kill Devil Hills Beach Village"},
    {"txtState", "WV"},
    {"txtZipCode", "27601-1234"},
    {"txtCounty", "Northampton County Courthouse"},
    {"txtWorkPhone", "919-555-1234 x5"},
    {"txtHomePhone", "(919) 555-1234"},
    {"txtMobilePhone", "(919) 555-1234"},
    {"txtFax", "919-555-1234 x5"},
    {"txtEmail", "maximilian.worthington@example.com"},
    {"txtContact", "Margaret Worthington-Smythe, Esq"},
    {"txtBirthDate", "12/31/2020"},
    {"txtDeathDate", "12/31/2020"},
    {"txtSSN", "123-45-6789"},
    {"txtSex", "Female"},
    {"txtRace", "Hispanic or Latino"},
    {"txtDateMarried", "12/31/2020"},
    {"txtPlaceMarried", "Winston-Salem, North Carolina"},
    {"txtBarNo", "NC Bar No. 123456"},
    {"txtEmployer", "Worthington-Smythe Holdings, LLC"},
    {"txtEmployerStreet", "5678 Research Triangle Parkway"},
    {"txtEmployerCity", "Research Triangle Park North"},
    {"txtEmployerState", "WV"},
    {"txtEmployerZip", "27709-1234"},
    {"txtSalary", "$123,456.78 a year"},
    {"txtStartDate", "12/31/2020"},
    {"txtOptField1", "Prefers contact by e-mail only"},
};

TEST_F(NamesLayoutTest, MaintenanceWindowShowsTypicalValuesWhole) {
    QWidget* window = OpenMaintenanceWindow();
    const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
    EXPECT_EQ(boxes.size(), qsizetype(kTypicalValues.size()));
    for (QLineEdit* box : boxes) {
        const auto typical = kTypicalValues.find(box->objectName());
        if (typical == kTypicalValues.end()) {
            ADD_FAILURE() << box->objectName().toStdString() << " has no typical value to show";
            continue;
        }
        EXPECT_TRUE(ShowsWhole(box, typical->second))
            << box->objectName().toStdString() << " cuts off \"" << typical->second.toStdString() << "\": "
            << box->fontMetrics().horizontalAdvance(typical->second) << " pixels in " << TextRoom(box);
        box->setText(typical->second);
        box->setCursorPosition(0);
    }
    const auto* notes = window->findChild<QPlainTextEdit*>("txtNotes");
    EXPECT_GE(notes->viewport()->height(), 5 * notes->fontMetrics().lineSpacing());
    SaveShot(window, "NamesAdmin_typical");
}

// Tab goes through the boxes as they are read: down a column, along a row, then to the top of the
// next column to the right; each box once.
TEST_F(NamesLayoutTest, MaintenanceWindowTabsInReadingOrder) {
    QWidget* window = OpenMaintenanceWindow();
    QList<QWidget*> focusable;
    for (QWidget* box : window->findChild<QWidget*>("FieldPanel")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (box->focusPolicy() & Qt::TabFocus) focusable << box;
    ASSERT_FALSE(focusable.isEmpty());
    const auto leftThenTop = [](const QWidget* box) { return std::pair(box->x(), box->y()); };
    QWidget* first = focusable.front();
    for (QWidget* box : focusable)
        if (leftThenTop(box) < leftThenTop(first)) first = box;

    QList<QWidget*> visited{first};
    for (QWidget* box = first->nextInFocusChain(); box != first && visited.size() <= focusable.size();
         box = box->nextInFocusChain()) {
        if (!focusable.contains(box)) continue;
        const QRect from = visited.back()->geometry();
        const QRect to = box->geometry();
        const bool down = to.top() > from.bottom() && to.left() < from.right();
        const bool along = to.top() == from.top() && to.left() > from.right();
        const bool nextColumn = to.left() > from.right() && to.top() < from.top();
        EXPECT_TRUE(down || along || nextColumn)
            << visited.back()->objectName().toStdString() << " -> " << box->objectName().toStdString();
        visited << box;
    }
    EXPECT_EQ(visited.size(), focusable.size());
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
