# Run by the uninstall target: cmake -DMANIFEST=... -DOWN_FOLDER=... -P uninstall.cmake
# Removes the files the last `cmake --install` of this build folder listed in
# MANIFEST, under $DESTDIR when it is set, and nothing else: a folder such as
# bin/ or share/man/man1 is shared with other programs and stays. Only OWN_FOLDER
# (relative to the prefix, e.g. share/doc/tendencia) and the folders inside it
# belong to tendencia alone; they go once empty.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "No hay nada que desinstalar: falta ${MANIFEST}, "
                      "que se escribe al instalar desde esta carpeta de compilación.")
endif()

file(STRINGS "${MANIFEST}" installed_files)
set(failed "")
foreach(installed IN LISTS installed_files)
  set(path "$ENV{DESTDIR}${installed}")
  if(NOT EXISTS "${path}" AND NOT IS_SYMLINK "${path}")
    message(STATUS "Ya no estaba: ${path}")
    continue()
  endif()
  message(STATUS "Eliminando: ${path}")
  file(REMOVE "${path}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    list(APPEND failed "${path}")
    continue()
  endif()
  # rmdir removes a folder only when it is empty, so nothing but our files goes.
  get_filename_component(folder "${path}" DIRECTORY)
  string(FIND "${folder}/" "/${OWN_FOLDER}/" own_at)
  while(own_at GREATER -1)
    execute_process(COMMAND rmdir "${folder}" RESULT_VARIABLE not_removed ERROR_QUIET)
    if(NOT not_removed EQUAL 0)
      break()
    endif()
    get_filename_component(folder "${folder}" DIRECTORY)
    string(FIND "${folder}/" "/${OWN_FOLDER}/" own_at)
  endwhile()
endforeach()

if(failed)
  string(REPLACE ";" "\n  " failed "${failed}")
  message(FATAL_ERROR "No se han podido eliminar:\n  ${failed}")
endif()
