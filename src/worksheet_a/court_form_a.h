#pragma once
// The page of court form AOC-CV-627 (Worksheet A, primary custody).

#include "worksheet/court_form_layout.h"

namespace qvr {

const CourtFormLayout& CourtFormA();

}  // namespace qvr
