#include "WatermarkWriter.h"

#ifdef _WIN32
#include "InputFile.h"

#include <filesystem>
#endif

#include <mbedtls/bignum.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#ifndef ARDENTIX_SOURCE_DIR
#error "ARDENTIX_SOURCE_DIR must name the project's source folder"
#endif

namespace testsupport {

namespace {

const char kKey[] = "Qrzn.Westerlandia.1997";
const std::size_t kKeyLength = 22;
const std::size_t kBlockSize = 512;
const std::size_t kRsaSize = 256;

std::string ReadHexFile(const std::string& path)
{
    std::string digits = ReadFile(path);
    digits.erase(std::remove_if(digits.begin(), digits.end(), [](unsigned char ch) { return std::isspace(ch); }),
                 digits.end());
    if (digits.empty())
        throw std::runtime_error("cannot read key file " + path);
    return digits;
}

} // namespace

// The unprotected prefix, the protected bytes after the block and the suffix
// of each type, in the order of MediaType.
const struct
{
    std::int64_t skip;
    std::int64_t tail;
    const char* suffix;
} kTypes[] = {{0, 2, "jpg"}, {240, 0, "avi"}, {3145764, 0, "mp4"}};

std::int64_t SkipFor(MediaType type)
{
    return kTypes[static_cast<int>(type)].skip;
}

std::int64_t TailFor(MediaType type)
{
    return kTypes[static_cast<int>(type)].tail;
}

const char* SuffixFor(MediaType type)
{
    return kTypes[static_cast<int>(type)].suffix;
}

std::string CanonicalText(const WatermarkFields& f, const std::string& hmacHex)
{
    return f.marker + "\r\n" + "Version: " + f.version + "\r\n" + "HMAC: " + hmacHex + "\r\n" +
           "StartTime: " + f.startTime + "\r\n" + "EndTime: " + f.endTime + "\r\n" + "TimeSource: " + f.timeSource +
           "\r\n" + "VHSerial: " + f.serial + "\r\n" + "CamMAC: " + f.camMac + "\r\n";
}

std::string DigestHexOfMedia(const std::string& media, MediaType type)
{
    // In an export the protected bytes are exactly the media after its
    // unprotected prefix: the block is never hashed, and a JPG's last two
    // bytes follow the body in their original order.
    const std::int64_t skip = SkipFor(type);
    const std::string prot = static_cast<std::int64_t>(media.size()) > skip ? media.substr(skip) : std::string();
    unsigned char md5[EVP_MAX_MD_SIZE];
    unsigned int md5Length = 0;
    EVP_Digest(prot.data(), prot.size(), md5, &md5Length, EVP_md5(), nullptr);
    return KeyedDigestHex(md5, md5Length);
}

std::string DigestHexOfExport(const std::string& exportBytes, MediaType type)
{
    // The bytes after the prefix up to the block, then the tail after it.
    const std::int64_t size = static_cast<std::int64_t>(exportBytes.size());
    const std::int64_t skip = SkipFor(type);
    const std::int64_t tail = TailFor(type);
    const std::int64_t bodyEnd = size - 512 - tail;
    std::string prot = bodyEnd > skip ? exportBytes.substr(skip, bodyEnd - skip) : std::string();
    prot += exportBytes.substr(static_cast<std::size_t>(std::max<std::int64_t>(0, size - tail)));
    unsigned char md5[EVP_MAX_MD_SIZE];
    unsigned int md5Length = 0;
    EVP_Digest(prot.data(), prot.size(), md5, &md5Length, EVP_md5(), nullptr);
    return KeyedDigestHex(md5, md5Length);
}

std::string KeyedDigestHex(const unsigned char* md5, unsigned int md5Length)
{
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int macLength = 0;
    HMAC(EVP_md5(), kKey, kKeyLength, md5, md5Length, mac, &macLength);
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < macLength; ++i)
        hex += {digits[mac[i] >> 4], digits[mac[i] & 15]};
    return hex;
}

std::string FreeBoxHeader(std::uint32_t size)
{
    return {char(size >> 24), char(size >> 16), char(size >> 8), char(size), 'f', 'r', 'e', 'e'};
}

std::string EncryptMessage(const std::string& message, const ExportOptions& options)
{
    const std::string modulusHex = DevelopmentModulusHex();
    if (modulusHex.size() != 2 * kRsaSize)
        throw std::runtime_error("the writer handles 2048-bit keys only");
    const std::size_t k = kRsaSize;

    if (options.fault == BlockFault::AboveModulus)
        return std::string(k, '\xff');
    if (options.fault == BlockFault::AtModulus) {
        std::string n;
        for (std::size_t i = 0; i < modulusHex.size(); i += 2)
            n += static_cast<char>(std::stoi(modulusHex.substr(i, 2), nullptr, 16));
        return n;
    }
    if (message.size() > k - 3 && options.fault != BlockFault::NoSeparator)
        throw std::runtime_error("message too long for one RSA block");

    // EM = 0x00 0x02 PS 0x00 M, or the fault asked for.
    std::mt19937 rng(options.seed);
    std::uniform_int_distribution<int> nonzero(1, 255);
    std::string em(k, '\0');
    em[1] = options.fault == BlockFault::BlockType1 ? '\x01' : '\x02';
    std::size_t at = 2;
    if (options.fault == BlockFault::NoSeparator) {
        for (; at < k; ++at)
            em[at] = static_cast<char>(nonzero(rng));
    } else {
        for (std::size_t i = 0; i < k - 3 - message.size(); ++i)
            em[at++] = options.fault == BlockFault::BlockType1 ? '\xff' : static_cast<char>(nonzero(rng));
        em[at++] = '\0';
        em.replace(at, message.size(), message);
    }
    return PrivateOperation(em);
}

std::string PrivateOperation(const std::string& em)
{
    mbedtls_mpi n, d, m, c;
    for (mbedtls_mpi* mpi : {&n, &d, &m, &c})
        mbedtls_mpi_init(mpi);
    std::string out(kRsaSize, '\0');
    int ret = mbedtls_mpi_read_string(&n, 16, DevelopmentModulusHex().c_str());
    if (ret == 0)
        ret = mbedtls_mpi_read_string(&d, 16, DevelopmentPrivateExponentHex().c_str());
    if (ret == 0)
        ret = mbedtls_mpi_read_binary(&m, reinterpret_cast<const unsigned char*>(em.data()), em.size());
    if (ret == 0)
        ret = mbedtls_mpi_exp_mod(&c, &m, &d, &n, nullptr);
    if (ret == 0)
        ret = mbedtls_mpi_write_binary(&c, reinterpret_cast<unsigned char*>(&out[0]), out.size());
    for (mbedtls_mpi* mpi : {&n, &d, &m, &c})
        mbedtls_mpi_free(mpi);
    if (ret != 0)
        throw std::runtime_error("mbedtls failure in the private operation");
    return out;
}

std::string MakeBlock(const std::string& text, const ExportOptions& options)
{
    std::string block = EncryptMessage(text, options);
    // The second half is not read by anyone; fill it with noise.
    std::mt19937 rng(options.seed * 7919u + 17u);
    for (std::size_t i = kRsaSize; i < kBlockSize; ++i)
        block += static_cast<char>(rng() & 0xff);
    return block;
}

std::string MakeExport(const std::string& media, MediaType type, const WatermarkFields& fields,
                       const ExportOptions& options)
{
    std::string text;
    if (options.useRawText) {
        text = options.rawText;
    } else {
        const std::string hmac = fields.hmac.empty() ? DigestHexOfMedia(media, type) : fields.hmac;
        text = CanonicalText(fields, hmac);
    }
    const std::string block = MakeBlock(text, options);
    if (type == MediaType::Jpg) {
        if (media.size() < 2)
            throw std::runtime_error("a JPG needs at least its two final bytes");
        std::string out = media.substr(0, media.size() - 2);
        out += block;
        out += media.substr(media.size() - 2);
        return out;
    }
    return media + block;
}

std::int64_t BlockOffset(std::int64_t exportLength, MediaType type)
{
    return exportLength - static_cast<std::int64_t>(kBlockSize) - TailFor(type);
}

std::string DevelopmentModulusHex()
{
    return ReadHexFile(std::string(ARDENTIX_SOURCE_DIR) + "/keys/development-modulus.hex");
}

std::string DevelopmentPrivateExponentHex()
{
    return ReadHexFile(std::string(ARDENTIX_SOURCE_DIR) + "/keys/development-private-exponent.hex");
}

std::string SampleMedia(MediaType type)
{
    const std::string bytes = ReadFile(std::string(ARDENTIX_SOURCE_DIR) + "/tests/data/sample." + SuffixFor(type));
    if (bytes.empty())
        throw std::runtime_error(std::string("missing sample media for ") + SuffixFor(type));
    return bytes;
}

std::string PaddedMedia(MediaType type, std::int64_t length)
{
    std::string media = SampleMedia(type);
    if (static_cast<std::int64_t>(media.size()) >= length)
        return media;
    std::size_t missing = static_cast<std::size_t>(length - static_cast<std::int64_t>(media.size()));
    std::string filler;
    filler.reserve(missing);
    for (std::size_t i = 0; i < missing; ++i)
        filler += static_cast<char>((i * 31 + 7) & 0xff);
    if (type == MediaType::Jpg)
        throw std::runtime_error("the writer pads AVI and MP4 media only");
    if (type == MediaType::Mp4 && missing >= 8 && missing <= 0xffffffffu)
        return media + filler.replace(0, 8, FreeBoxHeader(static_cast<std::uint32_t>(missing)));
    return media + filler;
}

std::string KeyFramesPastPrefix()
{
    const std::string media = ReadFile(std::string(ARDENTIX_SOURCE_DIR) + "/tests/data/keyframes.mp4");
    // Top-level boxes: ftyp, moov, then a moof and an mdat for each half
    // second. The free box goes after the first mdat.
    std::size_t at = 0;
    int fragmentBoxes = 0;
    while (at + 8 <= media.size() && fragmentBoxes < 2) {
        const auto byte = [&media](std::size_t i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(media[i]));
        };
        const std::uint32_t size = byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
        if (size < 8)
            throw std::runtime_error("keyframes.mp4 is not as expected");
        if (media.compare(at + 4, 4, "moof") == 0 || media.compare(at + 4, 4, "mdat") == 0)
            ++fragmentBoxes;
        at += size;
    }
    const std::int64_t free = SkipFor(MediaType::Mp4) - static_cast<std::int64_t>(at) + 4096;
    std::string filler(static_cast<std::size_t>(free), '\0');
    filler.replace(0, 8, FreeBoxHeader(static_cast<std::uint32_t>(free)));
    return media.substr(0, at) + filler + media.substr(at);
}

std::string PlantPrefix(const std::string& exportBytes, const std::string& other)
{
    const std::size_t skip = static_cast<std::size_t>(SkipFor(MediaType::Mp4));
    const std::size_t blockAt = exportBytes.size() - kBlockSize;
    if (other.size() + 8 > skip || blockAt < skip)
        throw std::runtime_error("cannot plant a prefix in this export");
    std::string planted = other + FreeBoxHeader(static_cast<std::uint32_t>(blockAt - other.size()));
    planted.resize(skip, '\0');
    return planted + exportBytes.substr(skip);
}

std::string Flip(std::string bytes, std::int64_t offset)
{
    const std::size_t at = offset >= 0 ? std::size_t(offset) : bytes.size() - std::size_t(-offset);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

namespace {

// The path as the file calls take it: on Windows by wide name, as the
// engine opens it (WidePath).
#ifdef _WIN32
std::filesystem::path FilePath(const std::string& path)
{
    return std::filesystem::path(ardentix::engine::WidePath(path.c_str()));
}
#else
const std::string& FilePath(const std::string& path)
{
    return path;
}
#endif

} // namespace

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(FilePath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(FilePath(path), std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

} // namespace testsupport
