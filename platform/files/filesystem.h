// The kernel's file services over drive paths: the running program's file and directory, the Windows
// directory, copying a file, directory tests and creation, and the process current directory.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orupim::files {

// The running program's full drive path ("Z:\opt\oru\OruFLX"), and its directory up to and including the last
// "\" ("Z:\opt\oru\").
std::string programFile();
std::string programDirectory();

// Makes programFile answer the host path `implementation` gives instead of the running executable's, so that
// tests can start a program from a directory of their own; an empty function brings back the executable.
// Answers the implementation it replaces (empty for the executable).
using ProgramFileFunction = std::function<std::filesystem::path()>;
ProgramFileFunction setProgramFileImplementation(ProgramFileFunction implementation);

// "C:\WINDOWS" (no trailing "\"); its host directory is created on first use.
std::string windowsDirectory();

// Copies one file, with its mode bits. With failIfExists an existing destination is left untouched and
// nothing is copied; without it an existing destination is replaced, unless it is read-only. The destination
// is never left half-written: it is its old self or a whole copy. Answers whether the copy was made; never
// throws.
bool copyFile(std::string_view source, std::string_view destination, bool failIfExists) noexcept;

bool fileExists(std::string_view drivePath) noexcept;
bool directoryExists(std::string_view drivePath) noexcept;

// Creates one directory (its parent must exist); true when it was created.
bool createDirectory(std::string_view drivePath) noexcept;
// Creates a directory and every missing directory above it; true when it exists afterwards.
bool forceDirectories(std::string_view drivePath) noexcept;

// The process current directory as a drive path, and changing it (false when the directory does not exist).
std::string currentDirectory();
bool setCurrentDirectory(std::string_view drivePath) noexcept;

} // namespace orupim::files
