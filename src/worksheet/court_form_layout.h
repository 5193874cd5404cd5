#pragma once
// The page of a court form as data: what is printed on it and where its blanks are. One
// description per worksheet drives both the stand-in fillable form and the worksheet window's
// picture with the labels laid over its blanks, so the two never disagree. Every list of a
// worksheet's cells (field order, coloured cells, zero blanking, production) comes from its blanks.
// Coordinates are PDF points on a letter page, from the top left corner.

#include <QLineF>
#include <QtCore/qnamespace.h>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

namespace qvr {

struct FormText {
    QRectF rect;
    QString text;
    double size = 8;  // points
    bool bold = false;
    int align = Qt::AlignLeft | Qt::AlignVCenter;  // Qt alignment and text flags
};

struct FormBox {
    QRectF rect;
    bool shaded = false;
};

// What a blank holds: a text as typed, an amount ("##,##0.00"), a share ("##0.00"), the count of
// other children beside an amount (shown, not a form field), a check box, or a whole number as
// shown (a number of children or nights).
enum class CellKind { Text, Amount, Share, Count, CheckBox, Whole };

// A blank: a worksheet cell and, but for a count, the fillable field of the form under it.
struct FormBlank {
    QString label;      // the window's control (objectName), e.g. "lblPInc" or "Check1"
    QString fieldName;  // the form field's name; empty for a count
    QRectF rect;
    CellKind kind = CellKind::Text;

    bool IsField() const { return kind != CellKind::Count; }
    bool IsCell() const { return kind != CellKind::CheckBox; }  // a label that takes the field colour
    bool IsFigure() const {
        return kind == CellKind::Amount || kind == CellKind::Share || kind == CellKind::Count || kind == CellKind::Whole;
    }
};

// A place on the page for a window control that is not a form field (status labels, warnings,
// the children click area).
struct FormArea {
    QString control;
    QRectF rect;
};

struct CourtFormLayout {
    QString fileName;   // the blank form's file in the fixed folder
    QString title;      // the document title
    QSizeF page{612, 792};
    std::vector<FormText> texts;
    std::vector<QLineF> lines;
    std::vector<FormBox> boxes;
    std::vector<FormBlank> blanks;  // the fields among them in the form's field order
    std::vector<FormArea> areas;
    double linesTop = 0;  // top of the band over the line table's column headings

    std::vector<FormBlank> Fields() const;  // the blanks that are form fields, in field order
    const FormBlank* Blank(const QString& label) const;
    const FormArea* Area(const QString& control) const;
};

}  // namespace qvr
