// The SYNOPSIS of the manual page, made from the usage table, so that the
// page cannot show an option the tool does not take or leave one out.
#pragma once

#include <string>

namespace scenario::tool {

// One .SY ... .YS block per command, in the order of the top-level --help,
// then the tool's own --help and --version: roff for the man macros.
std::string sinossi_roff();

}  // namespace scenario::tool
