#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/PlatformReset.h"

namespace zuno::testing {

// What the work writes to standard error itself, as a person running the program would see it (the
// log's lines go there only while the test's capture of them is stopped).
template <class Work>
std::string standardErrorOf(Work work) {
    const std::string path = makeTemporaryFolder("standard-error") + "/stderr.txt";
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ::close(file);
    work();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zuno::testing
