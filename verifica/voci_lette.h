// The entries the check looks into, told apart by the words of the key test
// that took each: the readers' own, from their vocabulary.
#pragma once

#include <string_view>

#include "model/traccia.h"
#include "readers/vocabolario.h"

namespace scenario::tool {

// Whether `v`, an entry the check recorded, was taken by the key test of `p`.
inline bool e_voce(const VoceLetta& v, const ParolaChiave& p) { return Traccia::di_chiave(v, p.prima, p.seconda); }

}  // namespace scenario::tool
