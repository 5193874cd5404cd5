#include "core/windows/window_kit.h"

#include "core/frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace qvr {
namespace {

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QWidget* control, std::function<void()> handler)
        : QObject(control), control_(control), handler_(std::move(handler)) {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window that is closed or being destroyed takes the focus away too; that is no leaving.
        if (event->type() == QEvent::FocusOut && control_->window()->isVisible() &&
            LeftForAnotherControl(static_cast<QFocusEvent*>(event)))
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* control_;
    std::function<void()> handler_;
};

// Names the control, gives it its font and puts it at its place.
template <typename Control>
Control* Placed(Control* control, const QString& name, Twips place, const QFont& font) {
    control->setObjectName(name);
    control->setFont(font);
    SetTwipsGeometry(control, place);
    return control;
}

void PlaceList(QListView* list, const QString& name, Twips place, const QFont& font) {
    Placed(list, name, place, font);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
}

}  // namespace

void SetTwipsGeometry(QWidget* widget, Twips place) {
    widget->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
}

QFont MakeFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& color) {
    SetColor(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

void SetBoxColor(QWidget* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Active, QPalette::Base, color);
    palette.setColor(QPalette::Inactive, QPalette::Base, color);
    box->setPalette(palette);
}

void SetTextColors(QWidget* control, const QColor& text, const QColor& background) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);  // what buttons and check boxes fill with
    control->setPalette(palette);
    control->setAutoFillBackground(true);
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

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, Twips place, const QFont& font) {
    QLabel* label = AddLabel(parent, name, text, font);
    SetTwipsGeometry(label, place);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, Twips place) {
    QPushButton* button = AddButton(parent, name, caption);
    SetTwipsGeometry(button, place);
    return button;
}

QLineEdit* AddTextBox(QWidget* parent, const QString& name, Twips place, const QFont& font) {
    return Placed(new QLineEdit(parent), name, place, font);
}

QComboBox* AddComboBox(QWidget* parent, const QString& name, Twips place, const QFont& font) {
    return Placed(new QComboBox(parent), name, place, font);
}

QListWidget* AddListBox(QWidget* parent, const QString& name, Twips place, const QFont& font) {
    auto* list = new QListWidget(parent);
    PlaceList(list, name, place, font);
    return list;
}

QListView* AddListView(QWidget* parent, const QString& name, Twips place, const QFont& font) {
    auto* list = new QListView(parent);
    PlaceList(list, name, place, font);
    return list;
}

QCheckBox* AddCheckBox(QWidget* parent, const QString& name, const QString& caption, Twips place, const QFont& font) {
    return Placed(new QCheckBox(caption, parent), name, place, font);
}

QRadioButton* AddOptionButton(QWidget* parent, const QString& name, const QString& caption, Twips place,
                              const QFont& font) {
    return Placed(new QRadioButton(caption, parent), name, place, font);
}

bool LeftForAnotherControl(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

void OnLostFocus(QWidget* control, std::function<void()> handler) { new LostFocusFilter(control, std::move(handler)); }

void SelectTrimmedText(QLineEdit* box) { box->setSelection(0, static_cast<int>(box->text().trimmed().size())); }

}  // namespace qvr
