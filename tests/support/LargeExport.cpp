#include "LargeExport.h"

#ifdef _WIN32
#include "InputFile.h"
#endif

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace testsupport {

namespace {

const char kKey[] = "Qrzn.Westerlandia.1997";

struct Output
{
    std::FILE* file = nullptr;
    EVP_MD_CTX* md5 = nullptr;
    std::int64_t written = 0;
    std::int64_t skip = 0;

    // Writes bytes, hashing the part past the unprotected prefix.
    bool Put(const char* bytes, std::size_t length, bool hash = true)
    {
        if (hash) {
            std::int64_t from = skip - written;
            if (from < 0)
                from = 0;
            if (from < static_cast<std::int64_t>(length))
                EVP_DigestUpdate(md5, bytes + from, length - static_cast<std::size_t>(from));
        }
        written += static_cast<std::int64_t>(length);
        return std::fwrite(bytes, 1, length, file) == length;
    }

    // Leaves a hole of zeros, hashing them as zeros.
    bool Hole(std::int64_t length, const std::vector<char>& zeros)
    {
        std::int64_t left = length;
        while (left > 0) {
            const std::size_t n =
                left < static_cast<std::int64_t>(zeros.size()) ? static_cast<std::size_t>(left) : zeros.size();
            std::int64_t from = skip - written;
            if (from < 0)
                from = 0;
            if (from < static_cast<std::int64_t>(n))
                EVP_DigestUpdate(md5, zeros.data() + from, n - static_cast<std::size_t>(from));
            written += static_cast<std::int64_t>(n);
            left -= static_cast<std::int64_t>(n);
        }
        return fseeko(file, length, SEEK_CUR) == 0;
    }
};

} // namespace

bool WriteLargeExport(const std::string& path, MediaType type, std::int64_t mediaLength, bool sparse,
                      const WatermarkFields& fields, std::string* error)
{
    auto fail = [error](const std::string& why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    const std::string sample = SampleMedia(type);
    const bool jpg = type == MediaType::Jpg;
    const std::string head = jpg ? sample.substr(0, sample.size() - 2) : sample;
    const std::string end = jpg ? sample.substr(sample.size() - 2) : std::string();

    Output out;
    out.skip = SkipFor(type);
#ifdef _WIN32
    out.file = _wfopen(WidePath(path.c_str()).c_str(), L"wb");
#else
    out.file = std::fopen(path.c_str(), "wb");
#endif
    if (out.file == nullptr)
        return fail("cannot create " + path);
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> md5(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    out.md5 = md5.get();
    EVP_DigestInit_ex(out.md5, EVP_md5(), nullptr);

    bool ok = out.Put(head.data(), head.size());
    std::int64_t filler = mediaLength - static_cast<std::int64_t>(sample.size());
    const std::size_t chunkSize = 1 << 20;
    std::vector<char> chunk(chunkSize, '\0');
    if (filler > 0 && sparse) {
        ok = ok && out.Hole(filler, chunk);
    } else {
        for (std::size_t i = 0; i < chunkSize; ++i)
            chunk[i] = static_cast<char>((i * 131 + 17) & 0xff);
        if (type == MediaType::Mp4 && filler >= 8 && filler <= 0xffffffffLL) {
            // A top-level "free" box over the filler, which players skip.
            const std::string box = {static_cast<char>(filler >> 24),
                                     static_cast<char>(filler >> 16),
                                     static_cast<char>(filler >> 8),
                                     static_cast<char>(filler),
                                     'f',
                                     'r',
                                     'e',
                                     'e'};
            ok = out.Put(box.data(), box.size());
            filler -= 8;
        }
        while (ok && filler > 0) {
            const std::size_t n =
                filler < static_cast<std::int64_t>(chunkSize) ? static_cast<std::size_t>(filler) : chunkSize;
            ok = out.Put(chunk.data(), n);
            filler -= static_cast<std::int64_t>(n);
        }
    }
    if (jpg) {
        // The final two bytes are protected too; they follow the block.
        EVP_DigestUpdate(out.md5, end.data(), end.size());
    }

    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    EVP_DigestFinal_ex(out.md5, digest, &digestLength);
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int macLength = 0;
    HMAC(EVP_md5(), kKey, 22, digest, digestLength, mac, &macLength);
    static const char hex[] = "0123456789abcdef";
    std::string hmac;
    for (unsigned int i = 0; i < macLength; ++i) {
        hmac += hex[mac[i] >> 4];
        hmac += hex[mac[i] & 15];
    }
    WatermarkFields withHmac = fields;
    if (withHmac.hmac.empty())
        withHmac.hmac = hmac;
    const std::string block = MakeBlock(CanonicalText(withHmac, withHmac.hmac), ExportOptions());
    ok = ok && out.Put(block.data(), block.size(), false);
    if (jpg)
        ok = ok && out.Put(end.data(), end.size(), false);
    if (std::fclose(out.file) != 0)
        ok = false;
    return ok ? true : fail("cannot write " + path);
}

} // namespace testsupport
