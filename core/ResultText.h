// The words for a result, in one place: the verdict and the reason as the
// reports name them ("failed", "digest-mismatch"), and as people read them
// ("Authentication failed", and a sentence saying why), translated.
#ifndef ARDENTIX_CORE_RESULTTEXT_H
#define ARDENTIX_CORE_RESULTTEXT_H

#include "FileResult.h"

#include <QString>

namespace ResultText {

// "authentic" or "failed".
QString VerdictName(bool authentic);
QString VerdictName(const FileResult& result);
// The reason's word ("digest-mismatch"); empty for an authentic file.
QString ReasonName(ardentix::engine::AuthResult result);
QString ReasonName(const FileResult& result);

// "Authentication succeeded" or "Authentication failed", translated: the
// verdict column, the status bar's labels and the details.
QString Verdict(bool authentic);
QString Verdict(const FileResult& result);

// Why the file passed or failed, as a sentence, translated.
QString Reason(const FileResult& result);

// "Total files: 3  Authentication succeeded: 2  Authentication failed: 1",
// translated.
QString TotalsLine(qint64 total, qint64 authentic, qint64 failed);

} // namespace ResultText

#endif
