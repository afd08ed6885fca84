// The web files the tool carries inside itself, embedded at build time from
// the files beside this header (cmake/incorpora.cmake): the palette that the
// route picture and the viewer page share, each one's own rules, and the
// page's script.
#pragma once

#include <string_view>

namespace scenario {

extern const std::string_view kStileTavolozza;  // tavolozza.css
extern const std::string_view kStileDisegno;    // disegno.css
extern const std::string_view kStileVista;      // vista.css
extern const std::string_view kScriptCalcoli;   // vista_calcoli.js
extern const std::string_view kScriptVista;     // vista.js
extern const std::string_view kScriptVivo;      // vivo.js, the live page's part

}  // namespace scenario
