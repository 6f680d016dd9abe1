// The edge between the numbered files and the host file system: how a name of the
// program becomes a name on disk, and which error number a refusal of the system
// stands for.
#pragma once

#include <string>

namespace console {

// The bytes of a code page 437 name as UTF-8: bytes below 128 stay as they are,
// bytes 128 to 255 become the characters that code page 437 gives them.
std::string file_name_to_utf8(const std::string& name);

// Whether the system may be given the name at all. A name holding "/" would reach
// outside the program's folder, and a byte 0 would cut the name short; neither is
// accepted.
bool acceptable_file_name(const std::string& name);

// The error number for an errno value from opening a file. `folder_exists` tells a
// missing file (53 "File not found") from a missing folder (76 "Path not found"),
// both of which the system reports as ENOENT.
int open_error_number(int system_error, bool folder_exists);

// The error number for an errno value from writing to a file: 70 "Permission denied"
// for an access or lock conflict, 75 "Path/File access error" for anything else.
int write_error_number(int system_error);

// Whether the folder that would hold the file `utf8_name` exists, following the name
// when it is a symbolic link.
bool folder_of_file_exists(const std::string& utf8_name);

}  // namespace console
