// Streams a large genuine export to disk without holding it in memory, for
// benchmarks and tests of files beyond 2 GiB.
#ifndef ARDENTIX_TESTS_LARGEEXPORT_H
#define ARDENTIX_TESTS_LARGEEXPORT_H

#include "WatermarkWriter.h"

#include <cstdint>
#include <string>

namespace testsupport {

// Writes an export of about mediaLength media bytes: the committed sample
// of the type, then a deterministic filler (zeros left as holes when sparse
// is set), then the watermark block. Returns false and sets error on
// failure.
bool WriteLargeExport(const std::string& path, MediaType type, std::int64_t mediaLength, bool sparse = false,
                      const WatermarkFields& fields = WatermarkFields(), std::string* error = nullptr);

} // namespace testsupport

#endif
