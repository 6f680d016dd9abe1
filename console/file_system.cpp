#include "console/file_system.h"

#include "console/cp437.h"
#include "console/runtime_error.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace console {

namespace {

bool is_access_conflict(int system_error) {
  switch (system_error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
      return true;
    default:
      return false;
  }
}

// The folder part of a path: "." when it has none.
std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

std::string file_name_to_utf8(const std::string& name) { return cp437_text_to_utf8(name); }

bool acceptable_file_name(const std::string& name) {
  return name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

int open_error_number(int system_error, bool folder_exists) {
  if (system_error == ENOENT) return folder_exists ? kErrorFileNotFound : kErrorPathNotFound;
  if (system_error == ENOTDIR) return kErrorPathNotFound;
  if (is_access_conflict(system_error)) return kErrorPermissionDenied;
  if (system_error == ENXIO || system_error == ENODEV) return kErrorDeviceUnavailable;
  return kErrorFileNotFound;
}

int write_error_number(int system_error) {
  return is_access_conflict(system_error) ? kErrorPermissionDenied : kErrorPathFileAccess;
}

bool folder_of_file_exists(const std::string& utf8_name) {
  // Follow a chain of symbolic links (as open does, up to its own limit) to the name
  // that would be created, and look for the folder that holds it.
  std::string path = utf8_name;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat link_status {};
    if (lstat(path.c_str(), &link_status) != 0 || !S_ISLNK(link_status.st_mode)) break;
    std::string target(static_cast<std::size_t>(link_status.st_size) + 256, '\0');
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length < 0) break;
    target.resize(static_cast<std::size_t>(length));
    if (target.empty()) break;
    path = target.front() == '/' ? target : folder_of(path) + "/" + target;
  }
  struct stat folder_status {};
  return stat(folder_of(path).c_str(), &folder_status) == 0 && S_ISDIR(folder_status.st_mode);
}

}  // namespace console
