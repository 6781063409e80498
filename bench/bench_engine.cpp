// ardentix-bench-engine: the engine alone, for the benchmarks.
//
//   ardentix-bench-engine --make FILE MIB    write a genuine AVI export of about MIB MiB
//   ardentix-bench-engine FILE...            authenticate each file, print verdict and time
#include "AuthenticateFile.h"
#include "LargeExport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--make") == 0) {
        const std::int64_t mib = std::atoll(argv[3]);
        std::string error;
        if (!testsupport::WriteLargeExport(argv[2], testsupport::MediaType::Avi, mib << 20, false,
                                           testsupport::WatermarkFields(), &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: ardentix-bench-engine --make FILE MIB | FILE...\n");
        return 2;
    }
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        WatermarkRecord record;
        const auto start = std::chrono::steady_clock::now();
        const AuthResult result = AuthenticateFileDetailed(record, argv[i]);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s %s %.3f s\n", AuthResultName(result), argv[i], seconds);
        failures += result == AuthAuthentic ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
