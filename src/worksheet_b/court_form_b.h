#pragma once
// The page of court form AOC-CV-628 (Worksheet B, joint or shared physical custody).

#include "worksheet/court_form_layout.h"

namespace qvr {

const CourtFormLayout& CourtFormB();

}  // namespace qvr
