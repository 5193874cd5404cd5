#pragma once
// The page of a court form as data: what is printed on it and where its blanks are. One
// description per worksheet drives both the stand-in fillable form and the worksheet window's
// picture with the labels laid over its blanks, so the two never disagree.
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

// A blank: a fillable field of the form and the window's label over it.
struct FormBlank {
    QString label;      // the window's control (objectName), e.g. "lblPInc" or "Check1"
    QString fieldName;  // the form field's name
    QRectF rect;
    bool checkBox = false;
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
    std::vector<FormBlank> blanks;  // in the form's field order
    std::vector<FormArea> areas;

    const FormBlank* Blank(const QString& label) const;
    const FormArea* Area(const QString& control) const;
};

}  // namespace qvr
