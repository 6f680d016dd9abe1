#include "console/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace console {

namespace {

constexpr int kErrorFileNotFound = 53;
constexpr int kErrorDeviceUnavailable = 68;
constexpr int kErrorPermissionDenied = 70;
constexpr int kErrorPathFileAccess = 75;
constexpr int kErrorPathNotFound = 76;

// The characters of code page 437 bytes 128 to 255.
constexpr char16_t CP437_HIGH_HALF[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

void append_utf8(std::string& out, char16_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

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

std::string file_name_to_utf8(const std::string& name) {
  std::string out;
  out.reserve(name.size() * 2);
  for (const char ch : name) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) out += ch;
    else append_utf8(out, CP437_HIGH_HALF[byte - 0x80]);
  }
  return out;
}

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
