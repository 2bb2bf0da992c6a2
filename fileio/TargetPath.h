#pragma once

#include <string>

namespace fileio {

// The path a write lands on: symbolic links followed (also a dangling last
// link, whose file is then created), at most 40 of them.
std::string resolveLinks(const std::string& path);

// The folder and the file name of a path ("." for a bare name).
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

// A fresh temporary name for a target in its folder:
// ".<name>.quelvox-tmp.<pid>-<n>".
std::string temporaryFor(const std::string& target);

// Removes temporary files of this target whose writing process is gone (an
// earlier run killed during a save). Others' files and live writers' files
// are left alone.
void sweepStaleTemporaries(const std::string& target);

} // namespace fileio
