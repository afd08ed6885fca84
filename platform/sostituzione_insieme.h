// Replacing a set of files that belong together (the compiled files of one
// scenario, the texts of one conversion) all or nothing: after a failure the
// targets hold every earlier file, never a new file beside an old one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace scenario {

struct FileNuovo {
  std::string percorso;
  std::string_view contenuto;
};

// Writes every content to a temporary file beside its target, then puts them
// over their targets in order. Every target is checked first: a target that
// exists and is not a regular file (a folder where a file should go) fails the
// set before anything is written. A rename that still fails puts the earlier
// files back (or removes a new one that had no earlier file), and every
// temporary file is removed. The message names the file and the reason.
Status sostituisci_insieme(const std::vector<FileNuovo>& file);

}  // namespace scenario
