// SHA-256 of whole files, for chain-of-custody records. It is computed in
// the authentication's own pass over the file (FileStream.h).
#ifndef ARDENTIX_ENGINE_SHA256_H
#define ARDENTIX_ENGINE_SHA256_H

#define ARDENTIX_SHA256_DIGEST_SIZE 32

#endif
