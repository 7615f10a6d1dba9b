# What `make install` puts on the system, `make uninstall` takes away and
# `make package` wraps in a Debian package: each program that is built, with
# its manual page; the menu entry with the studio; the example.
include(GNUInstallDirs)
foreach(program tendencia tendencia-gui tendencia-grafico tendencia-importar tendencia-ajuste
                tendencia-estudio)
  if(TARGET ${program})
    list(APPEND TENDENCIA_BUILT_PROGRAMS ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
if(TARGET tendencia-estudio)  # the menu entry starts it, and tendencia-gui as its action
  install(FILES data/tendencia.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/tendencia.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(FILES examples/Dventas.TXT DESTINATION ${CMAKE_INSTALL_DOCDIR}/ejemplos)

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -DOWN_FOLDER=${CMAKE_INSTALL_DOCDIR} -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake
  VERBATIM)

# The same files under /usr; dependencies read from the libraries the programs link.
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
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
