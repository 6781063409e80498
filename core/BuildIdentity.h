// What this build is: its version, the public key it trusts, and whether
// that key is the development key. The About box, the development-key
// notice, the evidence report and the verifier's --version all take it from
// here.
#ifndef ARDENTIX_CORE_BUILDIDENTITY_H
#define ARDENTIX_CORE_BUILDIDENTITY_H

#include <QByteArray>
#include <QString>

namespace BuildIdentity {

// The version as the program shows it, "1.0-006".
QString Version();

// The year of the copyright notice.
QString CopyrightYear();

// SHA-256 of the built-in modulus as a 2048-bit big-endian number, in
// lower-case hexadecimal, so that it can be checked against the recording
// servers' key with: xxd -r -p modulus.hex | sha256sum
QByteArray KeyFingerprint();

// Whether the build carries the development key, whose private half is
// public: anyone can then sign a file that it accepts.
bool IsDevelopmentKey();

// The warning shown wherever a development build's verdicts are shown,
// translated.
QString DevelopmentNotice();

} // namespace BuildIdentity

#endif
