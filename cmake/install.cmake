# What `make install` puts on the system, `make uninstall` takes away and
# `make package` wraps in a Debian package. Included after every program's
# target is defined: a program that is not built installs nothing.
include(GNUInstallDirs)

# A program and its manual page (man/<manpage>, section 1), both only when the
# program is built.
function(tendencia_install_program target manpage)
  if(NOT TARGET ${target})
    return()
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/man/${manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

tendencia_install_program(tendencia tendencia.1)
tendencia_install_program(tendencia-gui tendencia-gui.1)
tendencia_install_program(tendencia-grafico tendencia-grafico.1)
tendencia_install_program(tendencia-importar tendencia-importar.1)
tendencia_install_program(tendencia-ajuste tendencia-ajuste.1)
tendencia_install_program(tendencia-estudio tendencia-estudio.1)

# The menu entry starts the studio (and tendencia-gui as its action), so it
# comes with it.
if(TARGET tendencia-estudio)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tendencia.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tendencia.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/examples/Dventas.TXT
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/ejemplos)

# cmake --install lists what it installed in install_manifest.txt (without
# DESTDIR); uninstall removes exactly those files.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -DOWN_FOLDER=${CMAKE_INSTALL_DOCDIR} -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake
  VERBATIM)

# The Debian package: the same files under /usr, dependencies read from the
# shared libraries the programs link.
set(TENDENCIA_PACKAGE_MAINTAINER "Mantenedores de tendencia <tendencia@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tendencia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "proyección de la tendencia de una serie con intervalos de predicción")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lee una serie numérica de un fichero de datos, pide los 25 coeficientes de una
función de tendencia F(X) ajustada a la serie, ajusta la recta Y = a·F(X) + b por
mínimos cuadrados y escribe un informe con la tendencia proyectada y los límites
de su intervalo de predicción al 90, 95 o 99 %.
Incluye un programa de terminal, dos de escritorio (el estudio, que lleva
de la hoja de cálculo al gráfico en una ventana, y el diálogo paso a paso)
y otros que los acompañan, cada uno con su página de manual en español.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TENDENCIA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
