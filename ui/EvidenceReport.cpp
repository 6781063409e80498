#include "EvidenceReport.h"

#include "PdfReport.h"
#include "ReportFields.h"
#include "ReportWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

namespace {

struct FormatFilter
{
    EvidenceReport::Format format;
    const char* filter;
};

const FormatFilter kFilters[3] = {
    {EvidenceReport::Format::Pdf, QT_TRANSLATE_NOOP("QObject", "PDF report (*.pdf)")},
    {EvidenceReport::Format::Csv, QT_TRANSLATE_NOOP("QObject", "CSV (*.csv)")},
    {EvidenceReport::Format::JsonLines, QT_TRANSLATE_NOOP("QObject", "JSON Lines (*.jsonl)")},
};

} // namespace

namespace EvidenceReport {

QString SaveTitle()
{
    // Save Report's text without the ellipsis that says that it opens a
    // dialog.
    QString title = QObject::tr("Save Report…");
    for (const QString& dots : {QStringLiteral("…"), QStringLiteral("...")}) {
        if (title.endsWith(dots))
            title.chop(dots.size());
    }
    return title.trimmed();
}

QString TabSeparated(const QList<RowRecord>& records)
{
    const std::vector<ReportFields::FieldInfo> columns = ReportFields::Columns(true, true);
    QStringList lines;
    QStringList header;
    for (const ReportFields::FieldInfo& info : columns)
        header << QLatin1String(info.column);
    lines << header.join(QLatin1Char('\t'));
    for (const RowRecord& record : records) {
        QStringList fields;
        for (const ReportFields::FieldInfo& info : columns) {
            QString text =
                ReportWriter::SpreadsheetSafe(ReportFields::ValueText(ReportFields::Value(info.field, record.result)));
            for (QChar& c : text) {
                if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                    c = QLatin1Char(' ');
            }
            fields << text;
        }
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray Delimited(const QList<RowRecord>& records, Format format)
{
    const ReportWriter writer({format == Format::Csv ? ReportFormat::Csv : ReportFormat::Json, true});
    QByteArray bytes = writer.Header();
    for (const RowRecord& record : records)
        bytes += writer.Record(record.result);
    return bytes;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString CompanionCsv(const QString& pdfPath)
{
    return pdfPath + QStringLiteral(".csv");
}

bool WritePdf(const QString& path, const QByteArray& pages, const char* name, const QByteArray& records,
              const QByteArray& csv, const CaseDetails& details, const PdfRecords::Metadata& metadata, QString* error)
{
    QByteArray pdf;
    PdfRecords::EmbedProblem problem;
    if (PdfRecords::Embed(pages, name, records, details.ToJson(), metadata, &pdf, &problem))
        return WriteBytes(path, pdf, error);
    if (problem.code == PdfRecords::EmbedProblem::Code::Unprocessable) {
        *error = problem.detail;
        return false;
    }
    // This build cannot embed records: they are kept beside the PDF.
    return WriteBytes(CompanionCsv(path), csv, error) && WriteBytes(path, pages, error);
}

bool Write(const QString& path, Format format, const QList<RowRecord>& records, QString* error,
           const CaseDetails& details)
{
    if (format != Format::Pdf)
        return WriteBytes(path, Delimited(records, format), error);
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    PdfReport::Write(pages, records, details);
    return WritePdf(path, pages.data(), PdfRecords::AttachmentName, Delimited(records, Format::JsonLines),
                    Delimited(records, Format::Csv), details,
                    PdfReport::Metadata(QObject::tr("Verification Report"), details), error);
}

bool FormatForName(const QString& path, Format* format)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatFilter& filter : kFilters) {
        if (suffix == SuffixFor(filter.format)) {
            *format = filter.format;
            return true;
        }
    }
    return false;
}

QString SuffixFor(Format format)
{
    switch (format) {
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::Csv:
        return QStringLiteral("csv");
    case Format::JsonLines:
        break;
    }
    return QStringLiteral("jsonl");
}

bool ChooseFile(QWidget* parent, QString* path, Format* format)
{
    return ChooseFile(parent, SaveTitle(), path, format);
}

bool ChooseFile(QWidget* parent, const QString& title, QString* path, Format* format)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FormatFilter& filter : kFilters)
        filters << QCoreApplication::translate("QObject", filter.filter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(filters);
    // The dialog adds the chosen format's suffix to a name without one, and
    // only then asks whether to replace an existing file of that name.
    const auto followFilter = [&dialog, filters](const QString& chosen) {
        const qsizetype index = filters.indexOf(chosen);
        if (index >= 0)
            dialog.setDefaultSuffix(SuffixFor(kFilters[index].format));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    followFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    *path = dialog.selectedFiles().first();
    // The name's suffix decides the format; a name with another suffix
    // takes the chosen filter's format.
    *format = kFilters[qMax<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))].format;
    FormatForName(*path, format);
    return true;
}

bool WriteOrExplain(QWidget* parent, const QString& path, Format format, const QList<RowRecord>& records,
                    const CaseDetails& details)
{
    QString error;
    if (Write(path, format, records, &error, details))
        return true;
    ExplainFailure(parent, SaveTitle(), path, error);
    return false;
}

void ExplainFailure(QWidget* parent, const QString& title, const QString& path, const QString& error)
{
    QMessageBox::warning(
        parent, title,
        QObject::tr("The report could not be written to %1: %2").arg(QDir::toNativeSeparators(path), error));
}

} // namespace EvidenceReport
