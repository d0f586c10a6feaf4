# Read by cpack for each generator. The DEB package takes its dependencies
# from dpkg-shlibdeps (package dpkg-dev), which CPack runs on the files that
# `file` reports as ELF binaries; if either is missing, stop rather than
# write a package without dependencies.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(KORVEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(KORVEX_FILE file)
  if(NOT KORVEX_DPKG_SHLIBDEPS OR NOT KORVEX_FILE)
    message(FATAL_ERROR
      "El paquete .deb necesita dpkg-shlibdeps y file para declarar sus "
      "dependencias: instale los paquetes dpkg-dev y file.")
  endif()
endif()
