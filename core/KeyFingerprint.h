// The fingerprint of the public key built into this program.
#ifndef ARDENTIX_CORE_KEYFINGERPRINT_H
#define ARDENTIX_CORE_KEYFINGERPRINT_H

#include <QByteArray>

// SHA-256 of the built-in modulus as a 2048-bit big-endian number, in
// lower-case hexadecimal, so that it can be checked against the recording
// servers' key with: xxd -r -p modulus.hex | sha256sum
QByteArray BuiltInKeyFingerprint();

#endif
