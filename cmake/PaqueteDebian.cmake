# Debian package of Korvex (CPack's DEB generator): korvex_<version>_amd64.deb
# with what the install rules of desktop/ put under /usr: the executable, the
# launcher, the icon and the application/x-korvex type; and, from packaging/,
# the manual page korvex.1, the copyright file (machine-readable format), the
# changelog and the example projects under /usr/share/doc/korvex/ejemplos.
# The manual page and the changelog get the version written in and are
# compressed with gzip -9n (no name, no time stamp: the same bytes at every
# build), as Debian policy asks.
#
# Dependencies: dpkg-shlibdeps reads the libraries the executable links
# (Qt 6 Widgets, PrintSupport, Svg, Gui, Core and the C/C++ runtime) and
# declares their packages with the minimum versions of their symbol files.
# The xcb platform plugin that opens the windows ships in libqt6gui6 and the
# SVG plugins in libqt6svg6, both already among those. The report asks for
# "Times New Roman"; fonts-liberation gives fontconfig a serif with the same
# metrics, so it is recommended.
#
# Caches: desktop-file-utils, shared-mime-info and hicolor-icon-theme watch
# /usr/share/applications, /usr/share/mime/packages and
# /usr/share/icons/hicolor with dpkg file triggers and refresh their
# databases when any package adds or removes files there. The package
# therefore has no maintainer scripts: nothing to run, nothing that can fail
# when those tools are not installed.
#
# The package holds only korvex and its desktop files, so `cpack` installs
# what is already built instead of building every test first: build the
# korvex target, then run cpack (tools/paquete.sh does both).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

include(GNUInstallDirs)
set(KORVEX_DOC_PAQUETE ${CMAKE_INSTALL_DATADIR}/doc/korvex)
set(KORVEX_DIR_PAQUETE ${CMAKE_BINARY_DIR}/paquete)
find_program(KORVEX_GZIP gzip REQUIRED)
configure_file(${PROJECT_SOURCE_DIR}/packaging/korvex.1.in ${KORVEX_DIR_PAQUETE}/korvex.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${KORVEX_DIR_PAQUETE}/changelog @ONLY)
add_custom_command(
  OUTPUT ${KORVEX_DIR_PAQUETE}/korvex.1.gz ${KORVEX_DIR_PAQUETE}/changelog.gz
  COMMAND ${KORVEX_GZIP} -9nkf korvex.1 changelog
  DEPENDS ${KORVEX_DIR_PAQUETE}/korvex.1 ${KORVEX_DIR_PAQUETE}/changelog
  WORKING_DIRECTORY ${KORVEX_DIR_PAQUETE}
  COMMENT "Página de manual y changelog comprimidos"
  VERBATIM)
add_custom_target(korvex_documentos
                  DEPENDS ${KORVEX_DIR_PAQUETE}/korvex.1.gz ${KORVEX_DIR_PAQUETE}/changelog.gz)
# Built with korvex, since the package is made from what that target leaves.
add_dependencies(korvex korvex_documentos)
install(FILES ${KORVEX_DIR_PAQUETE}/korvex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${KORVEX_DIR_PAQUETE}/changelog.gz
        DESTINATION ${KORVEX_DOC_PAQUETE})
file(GLOB KORVEX_EJEMPLOS_PAQUETE ${PROJECT_SOURCE_DIR}/ejemplos/*.kvx
     ${PROJECT_SOURCE_DIR}/ejemplos/*.txt)
install(FILES ${KORVEX_EJEMPLOS_PAQUETE} DESTINATION ${KORVEX_DOC_PAQUETE}/ejemplos)

set(KORVEX_MANTENEDOR "Equipo de Korvex <korvex@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvex)
set(CPACK_PACKAGE_VENDOR Korvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KORVEX_MANTENEDOR}")
set(CPACK_STRIP_FILES ON)
# Folders of the package are rwxr-xr-x whatever the umask of whoever builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME korvex)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVEX_MANTENEDOR}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)  # Spanish standard dialogs
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "análisis y diseño de una viga de hormigón armado
Korvex analiza una viga de hormigón armado con dos apoyos y voladizos, con
cargas puntuales, uniformes, trapezoidales y momentos aplicados, y puede
alternar la carga viva entre el tramo y los voladizos para diseñar con la
peor disposición. Diseña el acero de flexión, los estribos y las varillas,
comprueba la deflexión de cada zona y dibuja los diagramas, con las reglas
clásicas (1.4 CM + 1.7 CV) o las de ACI 318-19. Imprime un informe de una
página y una memoria de cálculo con cada paso y su fórmula, y calcula sin
ventanas desde la línea de órdenes. Guarda los proyectos en archivos .kvx;
los ejemplos están en /usr/share/doc/korvex/ejemplos.")

# Without dpkg-shlibdeps CPack would quietly write a package that declares
# none of its libraries; this check, run by cpack, stops it instead.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PaqueteDebianCpack.cmake)

include(CPack)
