// A kilometre post as route authors and signs write it: "km 44+350".
#pragma once

#include <cstdint>
#include <string>

namespace scenario {

// `metri` of the posts' own count as "km X+YYY": whole kilometres, then the
// metres past them in three digits; below zero "km -0+500".
std::string testo_km(int64_t metri);

}  // namespace scenario
