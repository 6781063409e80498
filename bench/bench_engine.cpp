// ardentix-bench-engine: the engine alone, for the benchmarks.
//
//   ardentix-bench-engine FILE...   authenticate each file, print verdict and time
#include "AuthenticateFile.h"

#include <chrono>
#include <cstdio>
#include <string>

using ardentix::engine::AuthenticateFile;
using ardentix::engine::AuthResult;
using ardentix::engine::AuthResultName;
using ardentix::engine::WatermarkRecord;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: ardentix-bench-engine FILE...\n");
        return 2;
    }
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        WatermarkRecord record;
        const auto start = std::chrono::steady_clock::now();
        const AuthResult result = AuthenticateFile(record, argv[i]);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s %s %.3f s\n", AuthResultName(result), argv[i], seconds);
        failures += result == AuthResult::Authentic ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
