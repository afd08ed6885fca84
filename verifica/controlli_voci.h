// What the compiled files would lose without a fault being recorded: values
// kept wrapped or cut by their narrow fields, texts the simulator cannot show,
// objects the train never reaches, a kilometre-post system dropped, a train
// description without its "[generale]". Found from the entries as the readers
// read them and the model they left.
#pragma once

#include <string>
#include <vector>

#include "model/stato.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

// The diagnostics of a finished reading; `file_treno` is the train
// description's name, for a diagnostic about the file as a whole.
std::vector<Diagnostica> controlla_voci(const Compilatore& stato, const Traccia& traccia,
                                        const std::string& file_treno);

}  // namespace scenario::tool
