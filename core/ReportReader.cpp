#include "ReportReader.h"

#include "CheckWriter.h"
#include "PathText.h"
#include "PdfRecords.h"
#include "ReportFields.h"
#include "ReportWriter.h"
#include "ResultText.h"

#include "InputFile.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1String>
#include <QStringList>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using ardentix::engine::AuthResult;
using ardentix::engine::WatermarkRecord;

using ReportFields::Field;
using Code = ReportProblem::Code;

namespace {

// No record of ours comes near this; a longer line is not a report's.
const qint64 kMaxLine = 1 << 20;
const char kCsvStart[] = "path,result,reason,";
const char kUtf8Bom[] = "\xEF\xBB\xBF";

bool IsHexDigest(const QByteArray& text)
{
    if (text.size() != 64)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The columns that only the outcome of a re-check has: a file that holds
// them is no report, whatever its name.
bool IsOutcomeColumn(const QString& name)
{
    for (const ReportFields::FieldInfo& info : ReportFields::All()) {
        if (info.column != nullptr && name == QLatin1String(info.column))
            return false;
    }
    for (const CheckWriter::Column& column : CheckWriter::Columns()) {
        if (name == QLatin1String(column.name))
            return true;
    }
    return false;
}

// A field that a spreadsheet would take for a formula is written with a
// leading "'"; the "'" is not part of the value.
QString WithoutFormulaGuard(const QString& field)
{
    if (field.size() >= 2 && field[0] == QLatin1Char('\'') && ReportWriter::StartsFormula(field[1]))
        return field.mid(1);
    return field;
}

} // namespace

namespace {

// The watermark fields that an entry may carry, in its order; their names
// and values come from the one list of report fields, so that the reader
// reads what the writer writes.
const std::array<Field, ReportEntry::FieldCount> kEntryFields = {Field::Marker,    Field::Version,  Field::Hmac,
                                                                 Field::StartTime, Field::EndTime,  Field::TimeSource,
                                                                 Field::Serial,    Field::CameraMac};

std::array<const char*, ReportEntry::FieldCount> EntryFieldNames()
{
    std::array<const char*, ReportEntry::FieldCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = ReportFields::Column(kEntryFields[i]);
    return names;
}

} // namespace

const std::array<const char*, ReportEntry::FieldCount> ReportEntry::FieldNames = EntryFieldNames();

std::array<const std::string*, ReportEntry::FieldCount> ReportEntry::RecordFields(const WatermarkRecord& record)
{
    std::array<const std::string*, FieldCount> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = ReportFields::WatermarkField(kEntryFields[i], record);
    return fields;
}

QByteArray ReportReader::PathBytes(const QString& text, QByteArray* literal)
{
    const QByteArray utf8 = text.toUtf8();
#ifdef Q_OS_WIN
    // The name as the folder walk and the command line give it there: in
    // the ANSI code page where it fits, so that the two meet.
    const QByteArray asText = PathText::ToNative(text);
#else
    const QByteArray& asText = utf8;
#endif
    if (literal != nullptr)
        literal->clear();
    if (!utf8.contains("\\x"))
        return asText;
    // Only bytes of 80 and above can be shown escaped: every byte below is
    // well-formed UTF-8 on its own.
    QByteArray decoded;
    decoded.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\\' && i + 3 < utf8.size() && utf8[i + 1] == 'x') {
            const int high = HexValue(utf8[i + 2]);
            const int low = HexValue(utf8[i + 3]);
            if (high >= 8 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        decoded += utf8[i];
    }
    if (decoded == utf8 || PathText::ForReport(decoded) != text)
        return asText;
    if (literal != nullptr)
        *literal = asText;
    return decoded;
}

// Opens the file by the name's own bytes: a name that is not UTF-8 would
// not survive a turn into text and back. A FIFO or a device is refused
// without blocking.
bool ReportReader::OpenFile(const QByteArray& name)
{
#ifdef Q_OS_WIN
    const int fd = _wopen(ardentix::engine::WidePath(name.constData()).c_str(), _O_RDONLY | _O_BINARY);
    struct _stat64 status;
    const bool regular = fd >= 0 && _fstat64(fd, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
    const auto closeFd = [](int handle) { (void)_close(handle); };
#else
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat status;
    const bool regular = fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    const auto closeFd = [](int handle) { (void)::close(handle); };
#endif
    if (fd < 0)
        return Fail(0, Code::CannotRead, QString::fromLocal8Bit(std::strerror(errno)));
    if (!regular) {
        closeFd(fd);
        return Fail(0, Code::NotRegularFile);
    }
    if (!m_file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        closeFd(fd);
        return Fail(0, Code::CannotRead, m_file.errorString());
    }
    m_device = &m_file;
    return true;
}

// A PDF report is read through the records embedded in it.
bool ReportReader::OpenPdf()
{
    if (m_file.size() > PdfRecords::MaxRecordsSize)
        return Fail(0, Code::PdfTooLarge);
    const QByteArray pdf = m_file.readAll();
    m_file.close();
    // The PDF is what was saved and what is named: its bytes are the
    // report's, whole.
    Hash(pdf.constData(), pdf.size());
    PdfRecords::Contents contents;
    if (!PdfRecords::Extract(pdf, &contents, &m_problem)) {
        m_problem.report = m_name;
        return false;
    }
    m_pdfCase = contents.caseJson;
    m_memory.setData(contents.records);
    if (!m_memory.open(QIODevice::ReadOnly))
        return Fail(0, Code::PdfRecordsUnreadable);
    m_device = &m_memory;
    return true;
}

bool ReportReader::Open(const QByteArray& name)
{
    m_name = PathText::FromNative(name);
    m_line = 0;
    m_problem = ReportProblem();
    m_hash.reset();
    m_sha256.clear();
    m_pdfCase.clear();
    m_file.close();
    m_memory.close();
    m_device = nullptr;
    if (!OpenFile(name))
        return false;
    m_pdf = PdfRecords::LooksLikePdf(m_file.peek(5));
    if (m_pdf && !OpenPdf())
        return false;

    QByteArray start = m_device->peek(4096);
    m_bom = start.startsWith(kUtf8Bom);
    if (m_bom)
        start.remove(0, 3);
    qsizetype first = 0;
    while (first < start.size() && QByteArray(" \t\r\n").contains(start[first]))
        ++first;
    if (first == start.size() && m_device->size() <= start.size() + (m_bom ? 3 : 0))
        return Fail(0, Code::Empty);
    if (first < start.size() && start[first] == '{') {
        m_format = Format::JsonLines;
        return true;
    }
    if (!start.startsWith(kCsvStart)) {
        const QByteArray firstLine = start.left(start.indexOf('\n')).trimmed();
        const bool outcome = !firstLine.isEmpty() && IsOutcomeColumn(QString::fromLatin1(firstLine.split(',').first()));
        return Fail(1, outcome ? Code::CheckOutcome : Code::NotOurs);
    }
    m_format = Format::Csv;
    return ReadCsvHeader();
}

bool ReportReader::Next(ReportEntry& entry)
{
    if (Failed() || m_device == nullptr || !m_device->isOpen())
        return false;
    return m_format == Format::JsonLines ? NextJson(entry) : NextCsv(entry);
}

bool ReportReader::Fail(qint64 line, ReportProblem::Code code, const QString& detail)
{
    m_problem.code = code;
    m_problem.report = m_name;
    m_problem.line = line;
    m_problem.detail = detail;
    return false;
}

bool ReportReader::FailCount(qint64 line, ReportProblem::Code code, qint64 count, qint64 expected)
{
    m_problem.count = count;
    m_problem.expected = expected;
    return Fail(line, code);
}

void ReportReader::Hash(const char* data, qint64 length)
{
    m_hash.addData(QByteArrayView(data, static_cast<qsizetype>(length)));
}

// One physical line with its line end. False at the end of the report, or on
// an error (Failed).
bool ReportReader::ReadLine(QByteArray& line)
{
    // Into one buffer kept for the whole report: a buffer of the longest
    // line's size for each line would cost an allocation of its own each.
    if (m_buffer.size() != kMaxLine + 1)
        m_buffer.resize(kMaxLine + 1);
    const qint64 length = m_device->readLine(m_buffer.data(), kMaxLine + 1);
    if (length < 0 && m_device == &m_file && m_file.error() != QFileDevice::NoError)
        return Fail(m_line + 1, Code::CannotRead, m_file.errorString());
    if (length <= 0) {
        // The end: every byte of the report has been read.
        if (m_sha256.isEmpty())
            m_sha256 = m_hash.result().toHex();
        return false;
    }
    if (m_device == &m_file)
        Hash(m_buffer.constData(), length);
    line = QByteArray(m_buffer.constData(), static_cast<qsizetype>(length));
    // A byte-order mark before the first line is no part of it.
    if (m_line == 0 && m_bom && line.startsWith(kUtf8Bom))
        line.remove(0, 3);
    ++m_line;
    if (!line.endsWith('\n')) {
        if (!m_device->atEnd())
            return FailCount(m_line, Code::LineTooLong, kMaxLine);
        return Fail(m_line, Code::CutOff);
    }
    return true;
}

bool ReportReader::SetEntry(ReportEntry& entry, const QString& path, const QString& result, const QString& reason,
                            const QString& sha256)
{
    if (path.isEmpty())
        return Fail(entry.line, Code::NoPath);
    entry.path = path;
    entry.pathBytes = PathBytes(path, &entry.literalPath);
    if (result == ResultText::VerdictName(true)) {
        if (!reason.isEmpty())
            return Fail(entry.line, Code::AuthenticWithReason);
        entry.authentic = true;
    } else if (result == ResultText::VerdictName(false)) {
        if (reason.isEmpty())
            return Fail(entry.line, Code::FailedWithoutReason);
        entry.authentic = false;
    } else {
        return Fail(entry.line, Code::BadResult);
    }
    entry.reason = reason;
    entry.sha256 = sha256.toLatin1();
    if (entry.sha256.isEmpty()) {
        // The verifier writes no SHA-256 only for a file it could not read.
        if (reason != ResultText::ReasonName(AuthResult::Unreadable) &&
            reason != ResultText::ReasonName(AuthResult::InternalError))
            return Fail(entry.line, Code::NoSha256);
    } else if (!IsHexDigest(entry.sha256)) {
        return Fail(entry.line, Code::BadSha256);
    }
    return true;
}

bool ReportReader::NextJson(ReportEntry& entry)
{
    QByteArray line;
    do {
        if (!ReadLine(line))
            return false;
    } while (line.trimmed().isEmpty());
    entry = ReportEntry();
    entry.line = m_line;

    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parse);
    if (parse.error != QJsonParseError::NoError)
        return Fail(m_line, Code::NotJson, parse.errorString());
    if (!document.isObject())
        return Fail(m_line, Code::NotJsonObject);
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (IsOutcomeColumn(it.key()))
            return Fail(m_line, Code::CheckOutcome);
    }
    const QJsonValue path = object.value(QLatin1String(ReportFields::Column(Field::Path)));
    const QJsonValue result = object.value(QLatin1String(ReportFields::Column(Field::Result)));
    const QJsonValue reason = object.value(QLatin1String(ReportFields::Column(Field::Reason)));
    if (!path.isString() || !result.isString() || !(reason.isNull() || reason.isString()))
        return Fail(m_line, Code::JsonNotOurs);
    const QJsonValue sha256 = object.value(QLatin1String(ReportFields::Column(Field::Sha256)));
    if (sha256.isUndefined())
        return Fail(m_line, Code::JsonWithoutSha256);
    if (!sha256.isString())
        return Fail(m_line, Code::Sha256NotText);
    for (int i = 0; i < ReportEntry::FieldCount; ++i) {
        const QJsonValue value = object.value(QLatin1String(ReportEntry::FieldNames[i]));
        if (value.isUndefined())
            continue;
        if (!value.isString()) {
            m_problem.field = QLatin1String(ReportEntry::FieldNames[i]);
            return Fail(m_line, Code::FieldNotText);
        }
        entry.fields[i] = value.toString();
        entry.fieldMask |= 1u << i;
    }
    const QJsonValue size = object.value(QLatin1String(ReportFields::Column(Field::Size)));
    if (size.isDouble())
        entry.size = size.toInteger(-1);
    return SetEntry(entry, path.toString(), result.toString(), reason.toString(), sha256.toString());
}

bool ReportReader::ReadCsvHeader()
{
    QByteArray line;
    if (!ReadLine(line))
        return Failed() ? false : Fail(1, Code::Empty);
    const QList<QByteArray> names = line.trimmed().split(',');
    m_columns = static_cast<int>(names.size());
    m_fieldColumns.fill(-1);
    for (int column = 0; column < m_columns; ++column) {
        const QByteArray& name = names[column];
        if (name == ReportFields::Column(Field::Path))
            m_pathColumn = column;
        else if (name == ReportFields::Column(Field::Result))
            m_resultColumn = column;
        else if (name == ReportFields::Column(Field::Reason))
            m_reasonColumn = column;
        else if (name == ReportFields::Column(Field::Sha256))
            m_sha256Column = column;
        else if (name == ReportFields::Column(Field::Size))
            m_sizeColumn = column;
        for (int i = 0; i < ReportEntry::FieldCount; ++i) {
            if (name == ReportEntry::FieldNames[i])
                m_fieldColumns[i] = column;
        }
    }
    if (m_sha256Column < 0)
        return Fail(1, Code::CsvWithoutSha256);
    return true;
}

// One CSV record, which may span several lines: it ends at the first line
// end outside quotes, where the quotes so far are even in number (a doubled
// quote counts two). start gets its first line.
bool ReportReader::ReadCsvRecord(QByteArray& record, qint64* start)
{
    record.clear();
    for (;;) {
        QByteArray line;
        if (!ReadLine(line)) {
            if (Failed() || record.isEmpty())
                return false;
            return Fail(*start, Code::QuoteNotClosedCutOff);
        }
        if (record.isEmpty()) {
            if (line == "\r\n" || line == "\n")
                continue;
            *start = m_line;
        }
        record += line;
        if (record.count('"') % 2 == 0)
            break;
    }
    record.chop(record.endsWith("\r\n") ? 2 : 1);
    return true;
}

// The fields of a record, as RFC 4180 quotes them.
bool ReportReader::SplitCsvRecord(const QString& text, qint64 start, QStringList* fields)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (;;) {
        QString field;
        if (i < n && text[i] == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i >= n)
                    return Fail(start, Code::QuoteNotClosed);
                if (text[i] == QLatin1Char('"')) {
                    ++i;
                    if (i >= n || text[i] != QLatin1Char('"'))
                        break;
                }
                field += text[i];
            }
            if (i < n && text[i] != QLatin1Char(','))
                return Fail(start, Code::TextAfterQuote);
        } else {
            for (; i < n && text[i] != QLatin1Char(','); ++i) {
                const QChar c = text[i];
                if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                    return Fail(start, Code::QuoteInField);
                field += c;
            }
        }
        *fields << field;
        if (i >= n)
            return true;
        ++i; // the comma
    }
}

// The entry of a record's fields, by the header's columns.
bool ReportReader::CsvEntry(QStringList fields, qint64 start, ReportEntry& entry)
{
    if (fields.size() != m_columns)
        return FailCount(start, Code::FieldCount, fields.size(), m_columns);
    QList<bool> guarded(fields.size(), false);
    for (qsizetype f = 0; f < fields.size(); ++f) {
        const QString plain = WithoutFormulaGuard(fields[f]);
        guarded[f] = plain.size() != fields[f].size();
        fields[f] = plain;
    }
    entry = ReportEntry();
    entry.line = start;
    for (int f = 0; f < ReportEntry::FieldCount; ++f) {
        if (m_fieldColumns[f] >= 0) {
            entry.fields[f] = fields[m_fieldColumns[f]];
            entry.fieldMask |= 1u << f;
            if (guarded[m_fieldColumns[f]])
                entry.guardMask |= 1u << f;
        }
    }
    if (m_sizeColumn >= 0 && !fields[m_sizeColumn].isEmpty()) {
        bool ok = false;
        entry.size = fields[m_sizeColumn].toLongLong(&ok);
        if (!ok)
            return Fail(start, Code::SizeNotNumber);
    }
    if (!SetEntry(entry, fields[m_pathColumn], fields[m_resultColumn], fields[m_reasonColumn], fields[m_sha256Column]))
        return false;
    if (guarded[m_pathColumn])
        entry.literalPath = PathBytes(QLatin1Char('\'') + entry.path);
    return true;
}

bool ReportReader::NextCsv(ReportEntry& entry)
{
    QByteArray record;
    qint64 start = 0;
    if (!ReadCsvRecord(record, &start))
        return false;
    if (!PathText::IsValidUtf8(record))
        return Fail(start, Code::NotUtf8);
    QStringList fields;
    return SplitCsvRecord(QString::fromUtf8(record), start, &fields) && CsvEntry(fields, start, entry);
}
