# Installation and the Debian package.
#
# Everything the program needs lies in one folder, opt/tarvelon under the
# install prefix, because the program looks for Config.txt and its help in its
# own folder. usr/bin gets relative links to the executables (the programs
# find their folder through the link's target), usr/share the desktop entry
# and the icon. The prefix defaults to "/", so `cmake --install build` lays
# out /opt/tarvelon and /usr/bin; `--prefix DIR` stages the same tree in DIR.
#
#   cmake --build build --target package   -> build/paquetes/tarvelon_<version>_<arch>.deb

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Install prefix" FORCE)
endif()

set(TARVELON_CARPETA_INSTALADA "opt/tarvelon")
set(TARVELON_ENLACES ${CMAKE_BINARY_DIR}/enlaces)
file(MAKE_DIRECTORY ${TARVELON_ENLACES})

# An executable in the program folder and its link in usr/bin.
function(tarvelon_instalar_programa objetivo)
  install(TARGETS ${objetivo} RUNTIME DESTINATION ${TARVELON_CARPETA_INSTALADA})
  file(CREATE_LINK ../../${TARVELON_CARPETA_INSTALADA}/${objetivo} ${TARVELON_ENLACES}/${objetivo} SYMBOLIC)
  install(FILES ${TARVELON_ENLACES}/${objetivo} DESTINATION usr/bin)
endfunction()

tarvelon_instalar_programa(tarvelon-datos)

# The scrambled sample reference data, made by the build beside the executables.
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Config.txt DESTINATION ${TARVELON_CARPETA_INSTALADA})
# The example series of monthly diesel prices, illustrative only, beside it.
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/serie-gasoleo-ejemplo.csv DESTINATION ${TARVELON_CARPETA_INSTALADA})
# The reference values of the drive technologies, editable by the user.
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/tecnologias.txt DESTINATION ${TARVELON_CARPETA_INSTALADA})

install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ayuda.html ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ayuda-ventana-principal.png
        DESTINATION ${TARVELON_CARPETA_INSTALADA})

if(TARVELON_GUI)
  tarvelon_instalar_programa(tarvelon)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/tarvelon.desktop DESTINATION usr/share/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icono/tarvelon.svg
          DESTINATION usr/share/icons/hicolor/scalable/apps)
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvelon)
set(CPACK_PACKAGE_VENDOR "TARVELON")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paquetes)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Costes de explotación de un vehículo pesado de transporte de mercancías")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipo de TARVELON <tarvelon@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Calcula los costes anuales fijos, variables, directos e indirectos de un\nvehículo pesado de transporte por carretera, por kilómetro y por servicio,\ny el presupuesto de un servicio, en euros. Incluye la herramienta de línea\nde órdenes tarvelon-datos y datos de referencia de ejemplo.")
# Shared-library dependencies come from the executables themselves; the Qt
# platform plugins are loaded at run time and so have to be named.
find_program(TARVELON_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TARVELON_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(TARVELON_DEPENDENCIAS "")
else()
  set(TARVELON_DEPENDENCIAS "libc6, libstdc++6, libxlsxwriter4")
  if(TARVELON_GUI)
    string(APPEND TARVELON_DEPENDENCIAS
           ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4)"
           ", libqt6charts6 (>= 6.4)")
  endif()
endif()
if(TARVELON_GUI)
  if(TARVELON_DEPENDENCIAS)
    string(APPEND TARVELON_DEPENDENCIAS ", ")
  endif()
  # Qt's own dialog and button texts in Spanish.
  string(APPEND TARVELON_DEPENDENCIAS "qt6-qpa-plugins, qt6-translations-l10n")
  # Only links to other sites in the help open a web browser.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TARVELON_DEPENDENCIAS}")

include(CPack)
