// The two description texts written from recovered entries, laid out as an
// author writes them: sections in order, one entry per object, values aligned
// in columns, a comment naming each station and its kilometre post, the file
// closed by "[fine]". Texts are bytes (Windows-1252) with CR LF line ends.
#pragma once

#include <string>

#include "decompile/voci.h"

namespace scenario::decompila {

std::string testo_linea(const DescrizioneLinea& linea);

// The line gives the kilometre-post systems for the station comments.
std::string testo_treno(const DescrizioneTreno& treno, const DescrizioneLinea& linea);

// "km 44+400": the kilometre post at `posizione` by the system in force there
// (the one beginning last at or before it).
std::string chilometrica(const DescrizioneLinea& linea, int32_t posizione);

}  // namespace scenario::decompila
