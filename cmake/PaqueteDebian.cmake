# Debian package of Korvex (CPack's DEB generator): korvex_<version>_amd64.deb
# with what the install rules of desktop/ put under /usr: the executable, the
# launcher, the icon and the application/x-korvex type.
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
Korvex analiza una viga isostática de hormigón armado con cargas puntuales,
uniformes, trapezoidales y momentos aplicados, diseña el acero de flexión,
los estribos y las varillas, comprueba la deflexión, dibuja los diagramas e
imprime un informe de una página. Guarda los proyectos en archivos .kvx.")

# Without dpkg-shlibdeps CPack would quietly write a package that declares
# none of its libraries; this check, run by cpack, stops it instead.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PaqueteDebianCpack.cmake)

include(CPack)
