# Writes the file INGRESSO as the C++ definition of scenario::lsp::testo_guida()
# into USCITA: one byte per array element, so that no character of the text
# needs escaping.
file(READ ${INGRESSO} esadecimale HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," byte "${esadecimale}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" byte "${byte}")
file(WRITE ${USCITA} "// Made from docs/descrizioni.md at build time.\n#include <string_view>\n\nnamespace scenario::lsp {\nnamespace {\nconstexpr unsigned char kGuida[] = {\n${byte}0};\n}  // namespace\n\nstd::string_view testo_guida() { return {reinterpret_cast<const char*>(kGuida), sizeof kGuida - 1}; }\n\n}  // namespace scenario::lsp\n")
