// The layout pass: one walk over the cell array that adds speed-reduction
// markers around signals and slowdowns and records placement faults.
#pragma once

namespace scenario {

struct Compilatore;

void passata_layout(Compilatore& stato);

}  // namespace scenario
