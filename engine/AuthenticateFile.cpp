#include "AuthenticateFile.h"

#include "FileDigest.h"
#include "InputFile.h"
#include "RsaPublicDecrypt.h"

#include <openssl/crypto.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

enum FileType
{
    TypeJpg,
    TypeAvi,
    TypeMp4
};

// The type from the text after the last "." of the path, upper-cased
// byte by byte (only a to z change). Returns false for any other type.
bool TypeFromPath(const char* path, FileType* type)
{
    const char* dot = std::strrchr(path, '.');
    if (dot == nullptr)
        return false;
    std::string extension(dot + 1);
    for (char& ch : extension) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    if (extension == "JPG")
        *type = TypeJpg;
    else if (extension == "AVI")
        *type = TypeAvi;
    else if (extension == "MP4")
        *type = TypeMp4;
    else
        return false;
    return true;
}

} // namespace

AuthResult AuthenticateFileWithSha256(WatermarkRecord& record, const char* path, Sha256Context* whole,
                                      bool* whole_complete)
{
    InputFile file;
    unsigned char block[ARDENTIX_WATERMARK_BLOCK_SIZE];
    unsigned char message[ARDENTIX_MESSAGE_BUFFER_SIZE];
    unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE];
    char digestText[2 * ARDENTIX_MD5_DIGEST_SIZE + 1];
    std::size_t messageLength = 0;
    std::size_t got = 0;
    FileType type = TypeAvi;
    std::int64_t skip = 0;
    std::int64_t tail = 0;
    std::int64_t blockFromEnd = 0;
    std::int64_t after = 0;
    AuthResult result = AuthUnreadable;

    if (whole_complete != nullptr)
        *whole_complete = false;
    InputFileInit(&file);

    const std::int64_t n = FileSize(path);
    if (n < 0) {
        result = AuthUnreadable;
        goto cleanup;
    }
    if (n < ARDENTIX_WATERMARK_BLOCK_SIZE) {
        result = AuthTooShort;
        goto cleanup;
    }
    if (!TypeFromPath(path, &type)) {
        result = AuthUnsupportedType;
        goto cleanup;
    }
    switch (type) {
    case TypeJpg:
        skip = ARDENTIX_JPG_SKIP;
        tail = ARDENTIX_JPG_TAIL;
        break;
    case TypeAvi:
        skip = ARDENTIX_AVI_SKIP;
        tail = ARDENTIX_AVI_TAIL;
        break;
    case TypeMp4:
        skip = ARDENTIX_MP4_SKIP;
        tail = ARDENTIX_MP4_TAIL;
        break;
    }
    blockFromEnd = ARDENTIX_WATERMARK_BLOCK_SIZE + tail;

    if (InputFileOpen(&file, path) != 0) {
        result = AuthUnreadable;
        goto cleanup;
    }
    if (InputFileSeek(&file, -blockFromEnd, SEEK_END) != 0) {
        result = AuthTooShort;
        goto cleanup;
    }
    got = InputFileRead(&file, block, sizeof(block));
    InputFileFree(&file);
    if (got != sizeof(block)) {
        // The file shrank between the status call and the read.
        result = AuthUnreadable;
        goto cleanup;
    }

    if (RsaPublicDecrypt(block, message, &messageLength) != 0) {
        result = AuthBadSignature;
        goto cleanup;
    }
    {
        // The text ends at the message's end or its first zero byte.
        const void* zero = std::memchr(message, 0, messageLength);
        const std::size_t textLength = zero != nullptr
                                           ? static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - message)
                                           : messageLength;
        record.Fill(std::string(reinterpret_cast<const char*>(message), textLength));
    }
    if (record.Marker != ARDENTIX_WATERMARK_MARKER) {
        result = AuthBadMarker;
        goto cleanup;
    }

    if (FileDigestWithSha256(path, skip, tail, digest, whole) != 0) {
        result = AuthUnreadable;
        goto cleanup;
    }
    if (whole_complete != nullptr && whole != nullptr)
        *whole_complete = true;

    // A file that changed length while it was read was not verified as a
    // whole: its digest may cover another content than the one on disk now.
    after = FileSize(path);
    if (after != n) {
        result = AuthUnreadable;
        goto cleanup;
    }

    {
        static const char hexDigits[] = "0123456789abcdef";
        for (std::size_t i = 0; i < ARDENTIX_MD5_DIGEST_SIZE; ++i) {
            digestText[2 * i] = hexDigits[digest[i] >> 4];
            digestText[2 * i + 1] = hexDigits[digest[i] & 0x0f];
        }
        digestText[sizeof(digestText) - 1] = '\0';
    }
    result = record.HMAC == std::string(digestText, sizeof(digestText) - 1) ? AuthAuthentic : AuthDigestMismatch;

cleanup:
    InputFileFree(&file);
    OPENSSL_cleanse(message, sizeof(message));
    OPENSSL_cleanse(digest, sizeof(digest));
    return result;
}

AuthResult AuthenticateFileDetailed(WatermarkRecord& record, const char* path)
{
    return AuthenticateFileWithSha256(record, path, nullptr, nullptr);
}

int AuthenticateFile(WatermarkRecord& record, const char* path)
{
    return AuthenticateFileDetailed(record, path) == AuthAuthentic ? 0 : -1;
}

const char* AuthResultName(AuthResult result)
{
    switch (result) {
    case AuthAuthentic:
        return "authentic";
    case AuthUnreadable:
        return "unreadable";
    case AuthTooShort:
        return "too-short";
    case AuthUnsupportedType:
        return "unsupported-type";
    case AuthBadSignature:
        return "bad-signature";
    case AuthBadMarker:
        return "bad-marker";
    case AuthDigestMismatch:
        return "digest-mismatch";
    }
    return "unreadable";
}
