// ardentix-crash-probe WHAT: ends abnormally in the way named, with the
// handlers that the programs install, so that the tests see what a user
// would read on standard error.
//   access  writes through a null pointer
//   abort   calls abort()
//   throw   lets an exception out of a thread
#include "CrashReport.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

int main(int argc, char** argv)
{
    CrashReport::Install("ardentix-crash-probe");
    const char* what = argc > 1 ? argv[1] : "";
    if (std::strcmp(what, "access") == 0) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    } else if (std::strcmp(what, "abort") == 0) {
        std::abort();
    } else if (std::strcmp(what, "throw") == 0) {
        std::thread([] { throw std::runtime_error("thrown"); }).join();
    }
    return 0;
}
