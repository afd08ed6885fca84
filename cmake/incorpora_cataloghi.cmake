# Writes a C++ source holding compiled message catalogues as byte arrays, for
# a tool that has no gettext runtime to find them with.
# cmake -DUSCITA=file.cpp -DCATALOGHI="it=it.mo;..." -P incorpora_cataloghi.cmake
set(testo "// Generated at build time from the message catalogues: do not edit.\n")
string(APPEND testo "#include \"platform/cataloghi_incorporati.h\"\n\nnamespace scenario::tool {\nnamespace {\n\n")
set(scelte "")
foreach(voce IN LISTS CATALOGHI)
  string(REPLACE "=" ";" parti "${voce}")
  list(GET parti 0 lingua)
  list(GET parti 1 file_mo)
  file(READ "${file_mo}" esadecimale HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," byte "${esadecimale}")
  # Sixteen bytes a line, for a readable source.
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n  " byte "${byte}")
  string(APPEND testo "const unsigned char k_${lingua}[] = {\n  ${byte}\n};\n\n")
  string(APPEND scelte "  if (lingua == \"${lingua}\") return {reinterpret_cast<const char*>(k_${lingua}), sizeof k_${lingua}};\n")
endforeach()
string(APPEND testo "}  // namespace\n\nstd::string_view catalogo_incorporato(std::string_view lingua) {\n")
string(APPEND testo "${scelte}  return {};\n}\n\n}  // namespace scenario::tool\n")
file(WRITE "${USCITA}" "${testo}")
