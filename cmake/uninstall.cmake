# The uninstall target: removes the files the last `cmake --install` of this build
# folder listed in MANIFEST (under $DESTDIR when set); of the folders, only OWN_FOLDER
# (share/doc/tendencia) and those in it, once empty: bin/ and the rest are shared.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "No hay nada que desinstalar: falta ${MANIFEST}, "
                      "que se escribe al instalar desde esta carpeta de compilación.")
endif()
file(STRINGS "${MANIFEST}" installed_files)
foreach(installed IN LISTS installed_files)
  set(path "$ENV{DESTDIR}${installed}")
  message(STATUS "Eliminando: ${path}")
  file(REMOVE "${path}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(FATAL_ERROR "No se ha podido eliminar: ${path}")
  endif()
  if(path MATCHES "^(.*/${OWN_FOLDER})/")
    execute_process(COMMAND find "${CMAKE_MATCH_1}" -depth -type d -empty -delete)
  endif()
endforeach()
