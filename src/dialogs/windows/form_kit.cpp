#include "dialogs/windows/form_kit.h"

#include "core/frame.h"
#include "core/values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
            CountsAsLeaving(static_cast<QFocusEvent*>(event)->reason()))
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    static bool CountsAsLeaving(Qt::FocusReason reason) {
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

    QWidget* control_;
    std::function<void()> handler_;
};

}  // namespace

QFont ArialFont(double points, bool bold) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

ModalForm::ModalForm(const QString& name, int clientWidth, int clientHeight) {
    setObjectName(name);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Pixels(clientWidth), Pixels(clientHeight));
}

void ModalForm::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void ModalForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalForm::SetBackground(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
}

QLabel* ModalForm::AddLabel(const QString& name, const QString& text, Twips place, const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(label, place);
    return label;
}

QLineEdit* ModalForm::AddTextBox(const QString& name, Twips place, const QFont& font) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFont(font);
    Place(box, place);
    return box;
}

QPushButton* ModalForm::AddButton(const QString& name, const QString& caption, Twips place) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    // Enter belongs to the text boxes: a button is pressed by clicking it or by the space bar.
    button->setAutoDefault(false);
    button->setDefault(false);
    Place(button, place);
    return button;
}

QComboBox* ModalForm::AddComboBox(const QString& name, Twips place, const QFont& font) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setFont(font);
    Place(combo, place);
    return combo;
}

QCheckBox* ModalForm::AddCheckBox(const QString& name, const QString& caption, Twips place, const QFont& font) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setFont(font);
    Place(box, place);
    return box;
}

void Place(QWidget* control, Twips place) {
    control->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
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

void OnLostFocus(QWidget* control, std::function<void()> handler) {
    new LostFocusFilter(control, std::move(handler));
}

void SelectTrimmedText(QLineEdit* box) {
    box->setSelection(0, static_cast<int>(box->text().trimmed().size()));
}

QString CurrencyText(double value) { return Str(CCur(value)).trimmed(); }

double AmountOf(const QString& text) { return CCur(text).value_or(Val(text)); }

}  // namespace qvr
