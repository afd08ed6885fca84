# A translated manual page template with the project version in place of
# @PROJECT_VERSION@, as configure_file gives the English one.
# Usage: cmake -DENTRATA=... -DUSCITA=... -DPROJECT_VERSION=... -P configura_pagina.cmake
configure_file(${ENTRATA} ${USCITA} @ONLY)
