#include "worksheet/court_form_layout.h"

namespace qvr {

std::vector<FormBlank> CourtFormLayout::Fields() const {
    std::vector<FormBlank> fields;
    for (const FormBlank& blank : blanks)
        if (blank.IsField()) fields.push_back(blank);
    return fields;
}

const FormBlank* CourtFormLayout::Blank(const QString& label) const {
    for (const FormBlank& blank : blanks)
        if (blank.label == label) return &blank;
    return nullptr;
}

const FormArea* CourtFormLayout::Area(const QString& control) const {
    for (const FormArea& area : areas)
        if (area.control == control) return &area;
    return nullptr;
}

}  // namespace qvr
