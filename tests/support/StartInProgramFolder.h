#pragma once
// Test programs start in their own folder: the data and demo paths they are
// built with are relative to it, so the same compile line serves every
// checkout.
#include <climits>
#include <string>
#include <unistd.h>

inline void StartInProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return;
    std::string dir(path, size_t(n));
    dir.erase(dir.find_last_of('/'));
    if (chdir(dir.c_str()) != 0)
        return;
}
