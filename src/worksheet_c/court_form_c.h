#pragma once
// The page of court form AOC-CV-629 (Worksheet C, split custody).

#include "worksheet/court_form_layout.h"

namespace qvr {

const CourtFormLayout& CourtFormC();

}  // namespace qvr
