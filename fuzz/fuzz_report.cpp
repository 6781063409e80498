// The verifier's report formatting on arbitrary paths and watermark fields:
// every JSON record must parse back with the same verdict, every CSV record
// must hold exactly the header's fields, and a text record must stay on one
// line.
#include "ReportWriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include <cstdint>
#include <cstdlib>

using ardentix::engine::AuthResult;

namespace {

// Splits an RFC 4180 record (with its CRLF) into fields; false when it is
// not one well-formed record.
bool ParseCsvRecord(const QByteArray& line, QList<QByteArray>* fields)
{
    if (!line.endsWith("\r\n"))
        return false;
    const QByteArray body = line.left(line.size() - 2);
    QByteArray field;
    bool quoted = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char ch = body[i];
        if (inQuotes) {
            if (ch == '"') {
                if (i + 1 < body.size() && body[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += ch;
            }
        } else if (ch == ',') {
            fields->append(field);
            field.clear();
            quoted = false;
        } else if (ch == '"' && field.isEmpty() && !quoted) {
            inQuotes = quoted = true;
        } else if (ch == '"' || ch == '\r' || ch == '\n' || quoted) {
            return false;
        } else {
            field += ch;
        }
    }
    if (inQuotes)
        return false;
    fields->append(field);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Ten pieces separated by zero bytes: the result, the path, the eight
    // fields; the first byte of the result picks the reason.
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QByteArray(); };

    FileResult result;
    result.result = static_cast<AuthResult>(part(0).isEmpty() ? 0 : static_cast<unsigned char>(part(0)[0]) % 7);
    result.path = part(1);
    std::string* fields[8] = {&result.record.Marker,    &result.record.Version, &result.record.HMAC,
                              &result.record.StartTime, &result.record.EndTime, &result.record.TimeSource,
                              &result.record.VHSerial,  &result.record.CamMAC};
    for (int i = 0; i < 8; ++i)
        *fields[i] = part(2 + i).toStdString();
    result.sha256 = part(10).left(64);

    for (bool sha : {false, true}) {
        ReportOptions options;
        options.sha256 = sha;

        options.format = ReportFormat::Json;
        const QByteArray json = ReportWriter(options).Record(result);
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
        if (error.error != QJsonParseError::NoError || !doc.isObject() || json.count('\n') != 1)
            std::abort();
        const QJsonObject object = doc.object();
        if (object.value("result").toString() != (result.IsAuthentic() ? "authentic" : "failed"))
            std::abort();
        if (!object.value("path").isString() || object.contains("sha256") != sha)
            std::abort();

        options.format = ReportFormat::Csv;
        const ReportWriter csv(options);
        QList<QByteArray> header;
        QList<QByteArray> record;
        if (!ParseCsvRecord(csv.Header(), &header) || !ParseCsvRecord(csv.Record(result), &record))
            std::abort();
        if (header.size() != record.size() || record[1] != (result.IsAuthentic() ? "authentic" : "failed"))
            std::abort();

        options.format = ReportFormat::Text;
        const QByteArray text = ReportWriter(options).Record(result);
        if (text.count('\n') != 1 || !text.endsWith('\n') || text.contains('\r'))
            std::abort();
    }
    return 0;
}
