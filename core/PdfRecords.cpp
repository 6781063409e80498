#include "PdfRecords.h"

#ifdef ARDENTIX_HAVE_QPDF
#include <qpdf/Buffer.hh>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>
#include <string>
#endif

namespace PdfRecords {

namespace {

QString XmlText(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

bool LooksLikePdf(const QByteArray& start)
{
    return start.startsWith("%PDF-");
}

QByteArray Xmp(const Metadata& metadata)
{
    const QString when = metadata.created.toUTC().toString(Qt::ISODate);
    QString xmp =
        QStringLiteral("<?xpacket begin=\"") + QChar(0xFEFF) +
        QStringLiteral("\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
                       "  xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
                       "  xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n");
    const auto alt = [](const char* name, const QString& text) {
        return QStringLiteral("<%1><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt></%1>\n")
            .arg(QLatin1String(name), XmlText(text));
    };
    xmp += alt("dc:title", metadata.title);
    if (!metadata.subject.isEmpty())
        xmp += alt("dc:description", metadata.subject);
    if (!metadata.keywords.isEmpty())
        xmp += QStringLiteral("<pdf:Keywords>%1</pdf:Keywords>\n").arg(XmlText(metadata.keywords));
    xmp += QStringLiteral("<pdf:Producer>%1</pdf:Producer>\n").arg(XmlText(metadata.creator));
    xmp += QStringLiteral("<xmp:CreatorTool>%1</xmp:CreatorTool>\n").arg(XmlText(metadata.creator));
    xmp += QStringLiteral("<xmp:CreateDate>%1</xmp:CreateDate>\n<xmp:ModifyDate>%1</xmp:ModifyDate>\n"
                          "<xmp:MetadataDate>%1</xmp:MetadataDate>\n")
               .arg(when);
    xmp += QStringLiteral("<pdfaid:part>3</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>\n"
                          "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>");
    return xmp.toUtf8();
}

#ifdef ARDENTIX_HAVE_QPDF

namespace {

// Collects a stream's decoded bytes, refusing more than a report holds.
class LimitedSink : public Pipeline
{
public:
    LimitedSink(std::string& out, qint64 limit) : Pipeline("records", nullptr), m_out(out), m_limit(limit) {}
    void write(unsigned char const* data, size_t len) override
    {
        if (m_out.size() + len > static_cast<std::size_t>(m_limit))
            throw std::length_error("the embedded records are too large");
        m_out.append(reinterpret_cast<const char*>(data), len);
    }
    void finish() override {}

private:
    std::string& m_out;
    qint64 m_limit;
};

std::string Std(const QString& text)
{
    return text.toStdString();
}

// A date as the document information writes it, "D:20261207201500Z".
std::string PdfDate(const QDateTime& moment)
{
    return Std(moment.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")));
}

// One QPDF that reads untrusted bytes quietly and without repairs: a PDF
// that this program wrote needs none.
void OpenQuietly(QPDF& pdf, const QByteArray& bytes)
{
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
    pdf.processMemoryFile("report", bytes.constData(), static_cast<size_t>(bytes.size()));
}

void SetInfo(QPDF& pdf, const Metadata& metadata)
{
    QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
    const auto text = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            info.replaceKey(key, QPDFObjectHandle::newUnicodeString(Std(value)));
    };
    text("/Title", metadata.title);
    text("/Subject", metadata.subject);
    text("/Keywords", metadata.keywords);
    text("/Creator", metadata.creator);
    text("/Producer", metadata.creator);
    info.replaceKey("/CreationDate", QPDFObjectHandle::newString(PdfDate(metadata.created)));
    info.replaceKey("/ModDate", QPDFObjectHandle::newString(PdfDate(metadata.created)));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));

    QPDFObjectHandle xmp = pdf.newStream(Std(QString::fromUtf8(Xmp(metadata))));
    xmp.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    xmp.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    pdf.getRoot().replaceKey("/Metadata", xmp);
}

// One embedded file, declared as associated with the document.
QPDFObjectHandle EmbedFile(QPDF& pdf, const char* name, const QByteArray& bytes, const char* subtype,
                           const char* description, const char* relationship, const Metadata& metadata)
{
    auto stream = QPDFEFStreamObjectHelper::createEFStream(pdf, bytes.toStdString());
    stream.setSubtype(subtype);
    stream.setCreationDate(PdfDate(metadata.created));
    stream.setModDate(PdfDate(metadata.created));
    auto fileEntry = QPDFFileSpecObjectHelper::createFileSpec(pdf, name, stream);
    fileEntry.setDescription(description);
    QPDFObjectHandle fileEntryObject = fileEntry.getObjectHandle();
    fileEntryObject.replaceKey("/AFRelationship", QPDFObjectHandle::newName(relationship));
    QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(name, fileEntry);
    return fileEntryObject;
}

void Attach(QPDF& pdf, const char* name, const QByteArray& records, const QByteArray& caseJson,
            const Metadata& metadata)
{
    QPDFObjectHandle associated = QPDFObjectHandle::newArray();
    // The records are another form of what the pages show; the case adds
    // to them.
    associated.appendItem(EmbedFile(pdf, name, records, "application/x-ndjson",
                                    "The report's records, one JSON object per file", "/Alternative", metadata));
    if (!caseJson.isEmpty()) {
        associated.appendItem(EmbedFile(pdf, CaseAttachmentName, caseJson, "application/json",
                                        "The case the report belongs to", "/Supplement", metadata));
    }
    pdf.getRoot().replaceKey("/AF", associated);
}

// The subset's tag ("ABCDEF+") that a font's descriptor names; empty when
// the font is not a subset.
std::string SubsetTag(QPDFObjectHandle font)
{
    if (font.getKey("/Subtype").isNameAndEquals("/Type0")) {
        QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
        if (!descendants.isArray() || descendants.getArrayNItems() < 1)
            return std::string();
        font = descendants.getArrayItem(0);
    }
    QPDFObjectHandle descriptor = font.getKey("/FontDescriptor");
    if (!descriptor.isDictionary() || !descriptor.getKey("/FontName").isName())
        return std::string();
    const std::string name = descriptor.getKey("/FontName").getName();
    // "/" and six upper-case letters, then "+".
    if (name.size() < 9 || name[7] != '+')
        return std::string();
    for (std::size_t i = 1; i < 7; ++i) {
        if (name[i] < 'A' || name[i] > 'Z')
            return std::string();
    }
    return name.substr(1, 7);
}

// Gives every subset font's /BaseFont the tag that its /FontName carries:
// a reader tells a subset by the name alone.
void TagSubsetFonts(QPDF& pdf)
{
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isDictionary() || !object.getKey("/Type").isNameAndEquals("/Font"))
            continue;
        const std::string tag = SubsetTag(object);
        QPDFObjectHandle base = object.getKey("/BaseFont");
        if (tag.empty() || !base.isName() || base.getName().compare(1, tag.size(), tag) == 0)
            continue;
        object.replaceKey("/BaseFont", QPDFObjectHandle::newName("/" + tag + base.getName().substr(1)));
    }
}

// The decoded bytes of an embedded file, at most limit of them.
bool StreamBytes(QPDFObjectHandle stream, qint64 limit, QByteArray* out)
{
    std::string bytes;
    LimitedSink sink(bytes, limit);
    if (!stream.pipeStreamData(&sink, 0, qpdf_dl_generalized, true))
        return false;
    *out = QByteArray::fromStdString(bytes);
    return true;
}

} // namespace

bool Available()
{
    return true;
}

bool Embed(const QByteArray& pdf, const char* name, const QByteArray& records, const QByteArray& caseJson,
           const Metadata& metadata, QByteArray* out, EmbedProblem* problem)
{
    try {
        QPDF document;
        OpenQuietly(document, pdf);
        SetInfo(document, metadata);
        Attach(document, name, records, caseJson, metadata);
        TagSubsetFonts(document);
        QPDFWriter writer(document);
        writer.setOutputMemory();
        // PDF/A-3 rests on PDF 1.7; object streams are left out for readers
        // of older PDF/A, and every stream's data ends with a line end
        // before "endstream".
        writer.setMinimumPDFVersion("1.7");
        writer.setObjectStreamMode(qpdf_o_disable);
        writer.setNewlineBeforeEndstream(true);
        writer.write();
        const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        *out =
            QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), static_cast<qsizetype>(buffer->getSize()));
        return true;
    } catch (const std::exception& e) {
        problem->code = EmbedProblem::Code::Unprocessable;
        problem->detail = QString::fromStdString(e.what());
        return false;
    }
}

bool Extract(const QByteArray& pdf, Contents* contents, ReportProblem* problem)
{
    using Code = ReportProblem::Code;
    try {
        QPDF document;
        OpenQuietly(document, pdf);
        QPDFEmbeddedFileDocumentHelper files(document);
        const auto fileEntry = files.getEmbeddedFile(AttachmentName);
        if (!fileEntry) {
            // A re-check's outcome carries its lines under another name.
            problem->code = files.getEmbeddedFile(CheckAttachmentName) ? Code::CheckOutcome : Code::PdfNoRecords;
            return false;
        }
        QPDFObjectHandle stream = fileEntry->getEmbeddedFileStream();
        if (!stream.isStream()) {
            problem->code = Code::PdfRecordsNotStream;
            return false;
        }
        if (!StreamBytes(stream, MaxRecordsSize, &contents->records)) {
            problem->code = Code::PdfRecordsUnpack;
            return false;
        }
        // The case is an addition: a report without one, or with one that
        // cannot be read, is read for its records all the same.
        contents->caseJson.clear();
        try {
            const auto caseEntry = files.getEmbeddedFile(CaseAttachmentName);
            if (caseEntry && caseEntry->getEmbeddedFileStream().isStream() &&
                !StreamBytes(caseEntry->getEmbeddedFileStream(), MaxCaseSize, &contents->caseJson))
                contents->caseJson.clear();
        } catch (const std::exception&) {
            contents->caseJson.clear();
        }
        return true;
    } catch (const std::exception& e) {
        problem->code = Code::PdfUnreadable;
        problem->detail = QString::fromStdString(e.what());
        return false;
    }
}

#else

bool Available()
{
    return false;
}

bool Embed(const QByteArray&, const char*, const QByteArray&, const QByteArray&, const Metadata&, QByteArray*,
           EmbedProblem* problem)
{
    problem->code = EmbedProblem::Code::Unsupported;
    return false;
}

bool Extract(const QByteArray&, Contents*, ReportProblem* problem)
{
    problem->code = ReportProblem::Code::PdfUnsupported;
    return false;
}

#endif

} // namespace PdfRecords
