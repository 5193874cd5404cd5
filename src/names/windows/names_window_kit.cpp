#include "names/windows/names_window_kit.h"

#include "core/frame.h"
#include "platform/messages.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <map>

namespace qvr {
namespace {

const char kNamesTitle[] = "Names";

const std::map<QString, QString> kColumnCaptions = {
    {"keynumber", "Key"},
    {"listname", "Name as listed"},
    {"firmname", "Sort name"},
    {"lastfirstmiddle", "Last, first, middle"},
    {"firstname", "First name"},
    {"middlename", "Middle name"},
    {"Lastname", "Last name"},
    {"suffix", "Suffix"},
    {"street", "Street"},
    {"street2", "Street, 2nd line"},
    {"city", "City"},
    {"namestate", "State"},
    {"zipcode", "ZIP code"},
    {"namecounty", "County"},
    {"wphone", "Work phone"},
    {"hphone", "Home phone"},
    {"cphone", "Mobile phone"},
    {"fphone", "Fax"},
    {"email", "E-mail"},
    {"contact", "Contact person"},
    {"birthdate", "Date of birth"},
    {"deathdate", "Date of death"},
    {"namessn", "SSN or tax no."},
    {"namesex", "Sex"},
    {"namerace", "Race"},
    {"anniversary", "Date married"},
    {"placemarrg", "Place married"},
    {"barno", "Bar number"},
    {"employer", "Employer"},
    {"cempaddr", "Employer's street"},
    {"cempcity", "Employer's city"},
    {"cempstate", "Employer's state"},
    {"cempzip", "Employer's ZIP"},
    {"clsalary", "Salary"},
    {"startdate", "Start date"},
    {"optfield1", "Optional field"},
    {"notes", "Notes"},
};

class FocusHighlight : public QObject {
public:
    explicit FocusHighlight(QWidget* box) : QObject(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) SetBoxColor(static_cast<QWidget*>(watched), kLightYellow);
        if (event->type() == QEvent::FocusOut) SetBoxColor(static_cast<QWidget*>(watched), Qt::white);
        return false;
    }
};

// Counts characters as the database does, so that a name in any script gets its column's width.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int characters, QObject* parent) : QValidator(parent), characters_(characters) {}

    State validate(QString& input, int&) const override {
        return CharacterCount(input) > characters_ ? Invalid : Acceptable;
    }

private:
    int characters_;
};

void ReportTooLong(const std::optional<TooLong>& tooLong) {
    if (!tooLong) return;
    MsgBox(QString("The field \"%1\" can hold at most %2 characters, and this entry has %3.  It was not saved; "
                   "please shorten it.")
               .arg(ColumnCaption(tooLong->column))
               .arg(tooLong->width)
               .arg(tooLong->length),
           MessageButtons::OkOnly, "Entry Too Long");
}

}  // namespace

QFont MakeFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

void SetBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A disabled box keeps the style's look.
void SetBoxColor(QWidget* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Active, QPalette::Base, color);
    palette.setColor(QPalette::Inactive, QPalette::Base, color);
    box->setPalette(palette);
}

void CentreOnScreen(QDialog* dialog, int widthTwips, int heightTwips) {
    dialog->setFixedSize(Pixels(widthTwips), Pixels(heightTwips));
    const QRect screen = dialog->screen()->availableGeometry();
    dialog->move(screen.center() - dialog->rect().center());
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

void HighlightFocus(QWidget* box) {
    SetBoxColor(box, box->hasFocus() ? kLightYellow : QColor(Qt::white));
    new FocusHighlight(box);
}

void LimitCharacters(QLineEdit* box, int characters) {
    box->setValidator(characters > 0 ? new CharacterLimit(characters, box) : nullptr);
}

void ReportNameMissing() {
    MsgBox("This name is no longer in the names database; it may have been deleted on another workstation.",
           MessageButtons::OkOnly, kNamesTitle);
}

void ReportWriteFailed() {
    MsgBox("The names database could not be written, so this entry was not saved.  Please try again.",
           MessageButtons::OkOnly, kNamesTitle);
}

bool Written(WriteResult result, const std::optional<TooLong>& tooLong) {
    switch (result) {
        case WriteResult::Written: return true;
        case WriteResult::TooLong: ReportTooLong(tooLong); return false;
        case WriteResult::NameMissing: ReportNameMissing(); return false;
        case WriteResult::Failed: ReportWriteFailed(); return false;
    }
    return false;
}

QString ColumnCaption(const QString& column) {
    const auto caption = kColumnCaptions.find(column);
    return caption == kColumnCaptions.end() ? column : caption->second;
}

}  // namespace qvr
