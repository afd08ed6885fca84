// The times of a timetable: a station entry's scheduled time, and a time of
// day or a running time written as the author reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/traccia.h"

namespace scenario::tool {

// The index of a station entry's hours; minutes and seconds follow it.
inline constexpr size_t kValoreOra = 13;

// (h × 60 + m) × 60 + s, as the files keep a time.
constexpr int64_t secondi_del_giorno(int64_t h, int64_t m, int64_t s) { return (h * 60 + m) * 60 + s; }

// A station's scheduled time in seconds; none when the entry gives no time
// (0:00:00, the time of a station the train passes) or lacks its values.
std::optional<int64_t> ora_stazione(const VoceLetta& v);

// "07:15:00": a time of day; hours past 23 are shown as they are.
std::string testo_ora(int64_t secondi);
// "06:75:00": hours, minutes and seconds as written, each of at least two digits.
std::string testo_ora_scritta(int64_t h, int64_t m, int64_t s);
// "6 min 58 s": a running time.
std::string testo_durata(int64_t secondi);

}  // namespace scenario::tool
