# Writes a C++ source that holds a file's bytes, for the files the executables
# carry inside themselves (the viewer page's script and styles):
#   cmake -DINGRESSO=FILE -DNOME=kNome -DUSCITA=OUT.cpp -P incorpora.cmake
# defines `const std::string_view scenario::kNome` over the bytes, declared in
# disegno/incorporati.h. The bytes are written as character literals, so the
# source holds any file exactly, on any compiler, of any length.
#
# The files are placed inline in the page's <script> and <style> elements and
# in the picture's XML: a style sheet may hold neither '<' nor '&', and a
# script nothing that ends its element or opens an HTML comment.
foreach(variabile INGRESSO NOME USCITA)
  if(NOT DEFINED ${variabile})
    message(FATAL_ERROR "incorpora.cmake: ${variabile} is not set")
  endif()
endforeach()
file(READ "${INGRESSO}" testo)
string(TOLOWER "${testo}" minuscolo)
if(INGRESSO MATCHES "\\.css$" AND testo MATCHES "[<&]")
  message(FATAL_ERROR "${INGRESSO}: a style sheet embedded in the page and the picture may hold no '<' or '&'")
endif()
if(INGRESSO MATCHES "\\.js$" AND minuscolo MATCHES "</script|<!--")
  message(FATAL_ERROR "${INGRESSO}: a script embedded in the page may hold no '</script' and no '<!--'")
endif()
file(READ "${INGRESSO}" esadecimale HEX)
if(esadecimale STREQUAL "")
  message(FATAL_ERROR "${INGRESSO} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," byte "${esadecimale}")
# Twenty bytes a line.
string(REGEX REPLACE "(('[^']+',){20})" "\\1\n    " byte "${byte}")
file(WRITE "${USCITA}.nuovo"
  "// Written at build time from ${INGRESSO} by cmake/incorpora.cmake.\n"
  "#include \"disegno/incorporati.h\"\n\n"
  "namespace scenario {\nnamespace {\nconstexpr char kByte[] = {\n    ${byte}\n};\n}  // namespace\n"
  "const std::string_view ${NOME}(kByte, sizeof kByte);\n}  // namespace scenario\n")
# Rewritten only when it changes, so that nothing is rebuilt for nothing.
file(COPY_FILE "${USCITA}.nuovo" "${USCITA}" ONLY_IF_DIFFERENT)
file(REMOVE "${USCITA}.nuovo")
