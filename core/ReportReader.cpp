#include "ReportReader.h"

#include "CheckWriter.h"
#include "NativeFile.h"
#include "PathText.h"
#include "PdfRecords.h"
#include "ReportFields.h"
#include "ReportWriter.h"
#include "ResultText.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1String>
#include <QStringList>

using ardentix::engine::AuthResult;

using ReportFields::Field;
using Code = ReportProblem::Code;

namespace {

// No record of ours comes near this; a longer line (without its LF) is not
// a report's.
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
    if (ReportFields::ForColumn(QLatin1String(name.toLatin1())) != nullptr)
        return false;
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

// Opens the file by the name's own bytes. A FIFO or a device is refused
// without blocking.
bool ReportReader::OpenFile(const QByteArray& name)
{
    NativeFile::OpenFailure failure = NativeFile::OpenFailure::None;
    QString reason;
    if (!NativeFile::OpenForReading(m_file, name, true, &failure, &reason))
        return failure == NativeFile::OpenFailure::NotRegular ? Fail(0, Code::NotRegularFile)
                                                              : Fail(0, Code::CannotRead, reason);
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
    // readLine reads one byte less than the size it is given (it ends what
    // it read with a zero): the longest line allowed comes with its LF, a
    // longer one without.
    const qint64 room = kMaxLine + 2;
    if (m_buffer.size() != room)
        m_buffer.resize(room);
    const qint64 length = m_device->readLine(m_buffer.data(), room);
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
        if (length > kMaxLine)
            return FailCount(m_line, Code::LineTooLong, kMaxLine);
        return Fail(m_line, Code::CutOff);
    }
    return true;
}

// The verdict, reason and SHA-256 of an entry whose columns are read, and
// whether they make an entry of a report.
bool ReportReader::SetEntry(ReportEntry& entry)
{
    const QString& path = entry.Of(Field::Path).text;
    const QString& result = entry.Of(Field::Result).text;
    const QString& reason = entry.Of(Field::Reason).text;
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
    entry.sha256 = entry.Of(Field::Sha256).text.toLatin1();
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
    return ReadJson(document.object(), entry) && SetEntry(entry);
}

// An object's keys by the report's field table: the verdict's keys must be
// text (the reason may be null), the SHA-256's must be there, and a
// watermark field's must be text where it is.
bool ReportReader::ReadJson(const QJsonObject& object, ReportEntry& entry)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (IsOutcomeColumn(it.key()))
            return Fail(m_line, Code::CheckOutcome);
    }
    const auto value = [&object](Field field) { return object.value(QLatin1String(ReportFields::Column(field))); };
    if (!value(Field::Path).isString() || !value(Field::Result).isString() ||
        !(value(Field::Reason).isNull() || value(Field::Reason).isString()))
        return Fail(m_line, Code::JsonNotOurs);
    if (value(Field::Sha256).isUndefined())
        return Fail(m_line, Code::JsonWithoutSha256);
    if (!value(Field::Sha256).isString())
        return Fail(m_line, Code::Sha256NotText);
    for (const ReportFields::FieldInfo& info : ReportFields::All()) {
        if (info.column == nullptr)
            continue;
        const QJsonValue json = object.value(QLatin1String(info.column));
        if (json.isUndefined())
            continue;
        if (!json.isString() && ReportFields::IsWatermarkField(info.field)) {
            m_problem.field = QLatin1String(info.column);
            return Fail(m_line, Code::FieldNotText);
        }
        ReportEntry::Value& read = entry.Of(info.field);
        read.present = true;
        read.text = json.toString();
    }
    const QJsonValue size = value(Field::Size);
    if (size.isDouble())
        entry.size = size.toInteger(-1);
    return true;
}

bool ReportReader::ReadCsvHeader()
{
    QByteArray line;
    if (!ReadLine(line))
        return Failed() ? false : Fail(1, Code::Empty);
    m_columns.clear();
    bool sha256 = false;
    for (const QByteArray& name : line.trimmed().split(',')) {
        m_columns.push_back(ReportFields::ForColumn(QLatin1String(name)));
        sha256 = sha256 || (m_columns.back() != nullptr && m_columns.back()->field == Field::Sha256);
    }
    if (!sha256)
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
    if (fields.size() != static_cast<qsizetype>(m_columns.size()))
        return FailCount(start, Code::FieldCount, fields.size(), static_cast<qint64>(m_columns.size()));
    entry = ReportEntry();
    entry.line = start;
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        if (m_columns[column] == nullptr)
            continue;
        const QString& field = fields[static_cast<qsizetype>(column)];
        ReportEntry::Value& read = entry.Of(m_columns[column]->field);
        read.text = WithoutFormulaGuard(field);
        read.present = true;
        read.guarded = read.text.size() != field.size();
    }
    const ReportEntry::Value& size = entry.Of(Field::Size);
    if (!size.text.isEmpty()) {
        bool ok = false;
        entry.size = size.text.toLongLong(&ok);
        if (!ok)
            return Fail(start, Code::SizeNotNumber);
    }
    if (!SetEntry(entry))
        return false;
    if (entry.Of(Field::Path).guarded)
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
