#pragma once
#include <string>

// The running program and its files. Paths are the system's bytes; every operation reports
// failure by its result and never throws.

// Keeps the command line; the platform start does it.
void recordcommandline(int argc, const char* const* argv);

// The full path of the running program's file; argv[0] when the system cannot tell.
std::string modulefilename();

// The arguments after the program's name, joined by single blanks.
std::string commandargs();

// Starts the program with one argument (none when empty) without waiting for it.
bool startdetached(const std::string& program, const std::string& argument);

bool fileexists(const std::string& path);
// Copies a regular file, replacing the target, keeping the source's permissions.
bool copyfile(const std::string& from, const std::string& to);
bool renamefile(const std::string& from, const std::string& to);
// Waits until the file's bytes are on the disk, so that a rename over an older file cannot leave
// an empty one after a crash of the machine.
bool syncfile(const std::string& path);
// Deletes a file; never a directory.
bool deletefile(const std::string& path);
// Both are readable regular files with the same bytes.
bool samefilecontents(const std::string& a, const std::string& b);
