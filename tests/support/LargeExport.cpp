#include "LargeExport.h"

#ifdef _WIN32
#include "InputFile.h"
#endif

#include <openssl/evp.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace testsupport {

namespace {

struct Output
{
    std::FILE* file = nullptr;
    EVP_MD_CTX* md5 = nullptr;
    std::int64_t written = 0;
    std::int64_t skip = 0;

    // Counts bytes as written, hashing those past the unprotected prefix.
    void Count(const char* bytes, std::size_t length, bool hash)
    {
        const std::int64_t from = std::max<std::int64_t>(0, skip - written);
        if (hash && from < static_cast<std::int64_t>(length))
            EVP_DigestUpdate(md5, bytes + from, length - static_cast<std::size_t>(from));
        written += static_cast<std::int64_t>(length);
    }

    bool Put(const char* bytes, std::size_t length, bool hash = true)
    {
        Count(bytes, length, hash);
        return std::fwrite(bytes, 1, length, file) == length;
    }

    // Leaves a hole of zeros, hashing them as zeros.
    bool Hole(std::int64_t length, const std::vector<char>& zeros)
    {
        for (std::int64_t left = length; left > 0;) {
            const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, std::int64_t(zeros.size())));
            Count(zeros.data(), n, true);
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
    out.file = _wfopen(ardentix::engine::WidePath(path.c_str()).c_str(), L"wb");
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
            const std::string box = FreeBoxHeader(static_cast<std::uint32_t>(filler));
            ok = ok && out.Put(box.data(), box.size());
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
    WatermarkFields withHmac = fields;
    if (withHmac.hmac.empty())
        withHmac.hmac = KeyedDigestHex(digest, digestLength);
    const std::string block = MakeBlock(CanonicalText(withHmac, withHmac.hmac), ExportOptions());
    ok = ok && out.Put(block.data(), block.size(), false);
    if (jpg)
        ok = ok && out.Put(end.data(), end.size(), false);
    if (std::fclose(out.file) != 0)
        ok = false;
    return ok ? true : fail("cannot write " + path);
}

} // namespace testsupport
