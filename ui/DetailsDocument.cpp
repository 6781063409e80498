#include "DetailsDocument.h"

#include "ReportFields.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextCursor>
#include <QTextDocument>

namespace DetailsDocument {

std::unique_ptr<QTextDocument> Build(const RowRecord& record, const QString& heading, const QFont& font,
                                     QPaintDevice* device, qreal width)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(device);
    QTextCursor cursor(document.get());
    // One edit block: the document is laid out once, at the end, not after
    // every line.
    cursor.beginEditBlock();

    // Margins are in the device's units, like the layout.
    const qreal line = QFontMetricsF(font, device).height();
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(line * 1.2);
    headingBlock.setBottomMargin(line * 0.3);
    QTextCharFormat headingChars;
    headingChars.setFontWeight(QFont::Bold);
    headingChars.setFontPointSize(font.pointSizeF() * 1.25);
    cursor.setBlockFormat(headingBlock);
    cursor.insertText(heading, headingChars);

    // Two columns without a table (which lays out several times slower):
    // each detail is a paragraph that hangs at the value column, and the
    // label is followed by one space widened to reach that column.
    const std::vector<ReportFields::FieldInfo> fields = ReportFields::ForPeople();
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetricsF bold(boldFont, device);
    qreal widest = 0;
    for (const ReportFields::FieldInfo& info : fields)
        widest = qMax(widest, bold.horizontalAdvance(ReportFields::Label(info)));
    const qreal column = qMin(width * 0.45, widest + bold.horizontalAdvance(QStringLiteral("MM")));
    QTextBlockFormat detailBlock;
    detailBlock.setLeftMargin(column);
    detailBlock.setTextIndent(-column);
    detailBlock.setTopMargin(line * 0.1);

    const FileResult& result = record.result;
    QTextCharFormat label;
    label.setFontWeight(QFont::Bold);
    QTextCharFormat plain;
    QTextCharFormat warning;
    warning.setForeground(QColor(0xa0, 0, 0));
    QTextCharFormat digest;
    // The digests in a fixed-width face, each on one line.
    static const QFont fixedFace = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont fixed = fixedFace;
    fixed.setPointSizeF(font.pointSizeF() * 0.9);
    digest.setFont(fixed);
    const qreal space = bold.horizontalAdvance(QLatin1Char(' '));
    for (const ReportFields::FieldInfo& info : fields) {
        const QString name = ReportFields::Label(info);
        cursor.insertBlock(detailBlock);
        cursor.insertText(name, label);
        QTextCharFormat gap = label;
        gap.setFontWordSpacing(qMax<qreal>(0, column - bold.horizontalAdvance(name) - space));
        cursor.insertText(QStringLiteral(" "), gap);
        const bool warn = info.field == ReportFields::Field::Coverage && result.CoversNothing();
        // Line breaks inside a value stay within its paragraph.
        QString text = ReportFields::Text(info.field, result, record.verifiedAt);
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        cursor.insertText(text, warn ? warning : info.digest ? digest : plain);
    }
    cursor.endEditBlock();
    document->setTextWidth(width);
    return document;
}

QString PlainText(const RowRecord& record)
{
    QString text;
    for (const ReportFields::FieldInfo& info : ReportFields::ForPeople()) {
        QString value = ReportFields::Text(info.field, record.result, record.verifiedAt);
        value.replace(QLatin1Char('\n'), QLatin1String("\n    "));
        text += ReportFields::Label(info) + QLatin1String(": ") + value + QLatin1Char('\n');
    }
    return text;
}

} // namespace DetailsDocument
