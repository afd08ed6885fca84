// The message catalogues built into the tool where no gettext runtime is at
// hand (Windows): each language's compiled catalogue (the bytes msgfmt makes
// of its .po), generated into a source file at build time.
#pragma once

#include <string_view>

namespace scenario::tool {

// The compiled catalogue of `lingua` ("it"), or an empty view when none is
// built in.
std::string_view catalogo_incorporato(std::string_view lingua);

}  // namespace scenario::tool
