# Run by the uninstall target: cmake -DMANIFEST=... -DOWN_FOLDER=... -P uninstall.cmake
# Removes the files the last `cmake --install` of this build folder listed in
# MANIFEST (under $DESTDIR when set) and nothing else: folders such as bin/ are
# shared with other programs. Only OWN_FOLDER (share/doc/tendencia) and the
# folders inside it are tendencia's alone; they go once empty.
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
  get_filename_component(folder "${path}" DIRECTORY)
  while(folder MATCHES "/${OWN_FOLDER}(/|$)")  # rmdir takes a folder only when empty
    execute_process(COMMAND rmdir "${folder}" RESULT_VARIABLE kept ERROR_QUIET)
    if(kept)
      break()
    endif()
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
