#include "run/working_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tendencia {
namespace {

std::string reason(int error) {
  switch (error) {
    case ENOENT: return "no existe";
    case ENOTDIR: return "no es una carpeta";
    case EACCES: return "no tiene permiso para entrar en ella";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case ELOOP: return "hay demasiados enlaces simbólicos en el camino";
    default: return "error del sistema " + std::to_string(error);
  }
}

}  // namespace

std::string folder_refusal(const std::string& folder) {
  const std::string which = "No se puede entrar en la carpeta \"" + folder + "\": ";
  struct stat status;
  if (::stat(folder.c_str(), &status) != 0) return which + reason(errno);
  if (!S_ISDIR(status.st_mode)) return which + reason(ENOTDIR);
  // Its files are reached through it: it must let us search it.
  if (::access(folder.c_str(), X_OK) != 0) return which + reason(errno);
  return {};
}

}  // namespace tendencia
