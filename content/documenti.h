// The five content writers of the scenario. Each builds its document in a
// line list and replaces its file, named by `nomi`, with it.
#pragma once

#include <span>
#include <string_view>

#include "platform/status.h"

namespace scenario {

class NomiFile;

// The lines of each document, in order, without line ends.
std::span<const std::string_view> righe_linea();
std::span<const std::string_view> righe_treno();
std::span<const std::string_view> righe_note();
std::span<const std::string_view> righe_rallentamenti();
std::span<const std::string_view> righe_scheda();

Status dati_linea(const NomiFile& nomi);
Status dati_treno(const NomiFile& nomi);
Status dati_note(const NomiFile& nomi);
Status dati_rallentamenti(const NomiFile& nomi);
Status dati_scheda(const NomiFile& nomi);

}  // namespace scenario
