// Paths and watermark text as text: which bytes are UTF-8, what reports and
// people see, and how wide it is on a terminal.
#include "PathText.h"
#include "TestRegistry.h"
#include <QRandomGenerator>

class TestPathText : public QObject
{
    Q_OBJECT

private slots:
    void pathText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("terminal");
        const auto row = [](const char* title, const QByteArray& bytes, bool valid, const QString& report,
                            const QString& terminal) { QTest::newRow(title) << bytes << valid << report << terminal; };
        row("ASCII", "a/b.avi", true, "a/b.avi", "a/b.avi");
        row("two-byte", "\xc3\xa9", true, "é", "é");
        row("three-byte", "\xe7\x9b\xa3", true, "監", "監");
        row("four-byte", "\xf0\x9f\x93\xb7", true, "\U0001F4F7", "\U0001F4F7");
        row("highest code point", "\xf4\x8f\xbf\xbf", true, "\U0010FFFF", "\U0010FFFF");
        row("lone continuation", "a\x80z", false, "a\\x80z", "a\\x80z");
        row("Latin-1 byte", "caf\xe9", false, "caf\\xE9", "caf\\xE9");
        row("truncated at the end", "x\xe2\x82", false, "x\\xE2\\x82", "x\\xE2\\x82");
        row("truncated before ASCII", "\xe2\x82y", false, "\\xE2\\x82y", "\\xE2\\x82y");
        row("overlong two-byte", "\xc0\xaf", false, "\\xC0\\xAF", "\\xC0\\xAF");
        row("overlong three-byte", "\xe0\x80\xaf", false, "\\xE0\\x80\\xAF", "\\xE0\\x80\\xAF");
        row("overlong four-byte", "\xf0\x8f\xbf\xbf", false, "\\xF0\\x8F\\xBF\\xBF", "\\xF0\\x8F\\xBF\\xBF");
        row("surrogate", "\xed\xa0\x80", false, "\\xED\\xA0\\x80", "\\xED\\xA0\\x80");
        row("overlong at the edge", "\xe0\x9f\xbf", false, "\\xE0\\x9F\\xBF", "\\xE0\\x9F\\xBF");
        row("C1 lead", "\xc1\xbf", false, "\\xC1\\xBF", "\\xC1\\xBF");
        row("first three-byte", "\xe0\xa0\x80", true, "\u0800", "\u0800");
        row("first four-byte", "\xf0\x90\x80\x80", true, "\U00010000", "\U00010000");
        row("last before the surrogates", "\xed\x9f\xbf", true, "\uD7FF", "\uD7FF");
        row("above U+10FFFF", "\xf4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80", "\\xF4\\x90\\x80\\x80");
        row("F5 lead", "\xf5\x80\x80\x80", false, "\\xF5\\x80\\x80\\x80", "\\xF5\\x80\\x80\\x80");
        row("valid after invalid", "\xff\xc3\xa9", false, "\\xFFé", "\\xFFé");
        row("newline and tab", "a\nb\tc", true, "a\nb\tc", "a\\x0Ab\\x09c");
        row("escape and DEL", "\x1b[2J\x7f", true, "\x1b[2J\x7f", "\\x1B[2J\\x7F");
        row("C1 control CSI", QByteArray("\xc2\x9b") + "31m", true, "\u009B31m", "\\xC2\\x9B31m");
        row("bidi override", QByteArray("a\xe2\x80\xae") + "b", true, "a\u202Eb", "a\\xE2\\x80\\xAEb");
        row("bidi isolate", "\xe2\x81\xa6", true, "\u2066", "\\xE2\\x81\\xA6");
    }

    void pathText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, report);
        QFETCH(QString, terminal);
        QCOMPARE(PathText::IsValidUtf8(bytes), valid);
#ifdef Q_OS_WIN
        // There a path that is not UTF-8 is in the ANSI code page, as text
        // where it is text there; otherwise it is escaped, as elsewhere.
        const QString ansi = QString::fromLocal8Bit(bytes);
        if (!valid && ansi.toLocal8Bit() == bytes) {
            QCOMPARE(PathText::ForReport(bytes), ansi);
            return;
        }
#endif
        QCOMPARE(PathText::ForReport(bytes), report);
        QCOMPARE(PathText::ForPeople(bytes), terminal);
        if (!bytes.contains('/'))
            QCOMPARE(PathText::FileNameForPeople("/x.d/" + bytes), terminal);
    }

    // Which characters people see escaped, at the edges of each range:
    // controls, and the characters that reorder text.
    void escapedForPeople()
    {
        const QList<QPair<char32_t, bool>> cases = {
            {0x1F, true},    {0x20, false},   {0x7E, false},   {0x7F, true},    {0x9F, true},    {0xA0, false},
            {0x061B, false}, {0x061C, true},  {0x061D, false}, {0x200D, false}, {0x200E, true},  {0x200F, true},
            {0x2010, false}, {0x2029, false}, {0x202A, true},  {0x202E, true},  {0x202F, false}, {0x2065, false},
            {0x2066, true},  {0x2069, true},  {0x206A, false}};
        for (const auto& [codePoint, escaped] : cases) {
            const QString character = QString::fromUcs4(&codePoint, 1);
            const QByteArray utf8 = character.toUtf8();
            QString expected;
            for (const char byte : utf8)
                expected += QStringLiteral("\\x") + QString::number(uchar(byte), 16).rightJustified(2, '0').toUpper();
            QCOMPARE(PathText::ForPeople(utf8), escaped ? expected : character);
            QCOMPARE(PathText::ForReport(utf8), character);
        }
        // Watermark text is 8-bit: controls escaped, the rest read as Latin-1.
        QCOMPARE(PathText::FieldForPeople(std::string("a\0b\x1f\x7f\x9f\xa0\xe9", 8)),
                 QStringLiteral("a\\x00b\\x1F\\x7F\\x9F\u00a0\u00e9"));
        QCOMPARE(PathText::FromLatin1(std::string("a\0\xe9", 3)), QString::fromUtf16(u"a\0\u00e9", 3));
    }

    // Terminal columns at the edges of the wide ranges; combining marks and
    // the zero-width space take none.
    void terminalWidth()
    {
        const QList<QPair<char32_t, int>> cases = {
            {0x41, 1},    {0xE9, 1},    {0x0301, 0},  {0x20DD, 0},  {0x200B, 0},  {0x10FF, 1},  {0x1100, 2},
            {0x115F, 2},  {0x2E7F, 1},  {0x2E80, 2},  {0x303E, 2},  {0x303F, 1},  {0x3040, 2},  {0xA4CF, 2},
            {0xA4D0, 1},  {0xABFF, 1},  {0xAC00, 2},  {0xD7A3, 2},  {0xD7B0, 1},  {0xF8FF, 1},  {0xF900, 2},
            {0xFAFF, 2},  {0xFB00, 1},  {0xFE2F, 0},  {0xFE30, 2},  {0xFE4F, 2},  {0xFE50, 1},  {0xFF00, 2},
            {0xFF60, 2},  {0xFF61, 1},  {0xFFDF, 1},  {0xFFE0, 2},  {0xFFE6, 2},  {0xFFE8, 1},  {0x1F2FF, 1},
            {0x1F300, 2}, {0x1F64F, 2}, {0x1F650, 1}, {0x1F8FF, 1}, {0x1F900, 2}, {0x1F9FF, 2}, {0x1FA00, 1},
            {0x1FFFF, 1}, {0x20000, 2}, {0x3FFFD, 2}, {0x3FFFE, 1}};
        for (const auto& [codePoint, width] : cases) {
            const QString text = QString::fromUcs4(&codePoint, 1);
            QVERIFY2(PathText::TerminalWidth(text) == width, qPrintable(QString::number(codePoint, 16)));
            QCOMPARE(PathText::PadToWidth(QStringLiteral("x") + text, 4),
                     QStringLiteral("x") + text + QString(3 - width, QLatin1Char(' ')));
        }
        QCOMPARE(PathText::PadToWidth(QStringLiteral("abcdef"), 4), QStringLiteral("abcdef"));
    }

    // The folder walk relies on this: a name is UTF-8 for the verifier
    // exactly when Qt can hold it without loss.
    void validUtf8AgreesWithQt()
    {
        QRandomGenerator random(20240605);
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes; // biased towards lead and continuation bytes
            for (int b = random.bounded(1, 6); b > 0; --b)
                bytes += char(random.bounded(4) == 0 ? random.bounded(0x80) : 0x80 + random.bounded(0x80));
            const bool qtKeepsIt = QString::fromUtf8(bytes).toUtf8() == bytes;
            QVERIFY2(PathText::IsValidUtf8(bytes) == qtKeepsIt, bytes.toHex().constData());
            if (qtKeepsIt)
                QCOMPARE(PathText::ForReport(bytes), QString::fromUtf8(bytes));
        }
    }
};

ARDENTIX_REGISTER_TEST(TestPathText)
#include "tst_pathtext.moc"
