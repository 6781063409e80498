// The choice of language from the system locale, the catalogues and the
// help pages.
#include "CMainToolBar.h"
#include "UiFixtures.h"

#include <QRegularExpression>
#include <QTranslator>

namespace {

// Every text the program looks up, separated by "|".
const QStringList kTexts =
    QStringLiteral("About|About Quorvane Ardentix|Authentication Result|Authentication failed|Authentication succeeded|"
                   "Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and "
                   "international treaties. Unauthorized reproduction or distribution of this program, or any portion "
                   "of it, may result in severe civil and criminal penalties.|Vornhold Serial Number|File Name|Help|"
                   "Images and Videos (*.jpg;*.avi;*.mp4)|Open File(s)|Open Folder|Processing|Remove File(s)|"
                   "Start Time|Stop Time|Quorvane Ardentix|Total files|Version|Cancel")
        .split(QLatin1Char('|'));

const char* const kCodes[] = {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn",
                              "krn", "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "trk"};

} // namespace

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void languageCode()
    {
        // A full name in the table wins, then the first key the name begins
        // with (case-sensitively); anything else is English.
        const QStringList cases = {"en_US=enu", "en_GB=enu", "de_AT=ger", "fr_CA=fre", "es_MX=spn", "zh_TW=cht",
                                   "zh_CN=chs", "zh_HK=cht", "zh_MO=cht", "zh_SG=chs", "zh=chs",    "pt_BR=ptb",
                                   "pt_PT=ptg", "pt=ptg",    "nb_NO=nor", "nn_NO=nor", "no_NO=nor", "ja_JP=jpn",
                                   "ko_KR=krn", "sv_FI=sve", "tr_TR=trk", "cs_CZ=csy", "da_DK=dan", "hu_HU=hun",
                                   "it_IT=ita", "nl_BE=nld", "pl_PL=plk", "ru_RU=rus", "zh_tw=chs", "EN_US=enu",
                                   "DE_DE=enu", "d=enu",     "=enu",      "C=enu",     "xx_XX=enu"};
        for (const QString& entry : cases)
            QCOMPARE(entry.section('=', 0, 0) + '=' + LanguageCodeForLocale(entry.section('=', 0, 0)), entry);
        QCOMPARE(QtLocaleNamesForLanguage("nor"), QStringList({"nb", "nn"}));
        QCOMPARE(QtLocaleNamesForLanguage("ptg"), QStringList({"pt_PT", "pt", "pt_BR"}));
        QCOMPARE(QtLocaleNamesForLanguage("cht"), QStringList({"zh_TW"}));
        QCOMPARE(QtLocaleNamesForLanguage("xyz"), QStringList());
        QCOMPARE(DialogFilter("Bilder (*.jpg;*.avi)"), QStringLiteral("Bilder (*.jpg *.avi)"));
        QCOMPARE(DialogFilter("a;b (*.jpg)"), QStringLiteral("a;b (*.jpg)"));
        QCOMPARE(DialogFilter("Bilder (*.jpg;*.avi)", "*.mp4;*.mov"), QStringLiteral("Bilder (*.mp4 *.mov)"));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : kCodes)
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    // Each language's catalogue translates every text, fits the toolbar,
    // explains a refused report, and has its help page.
    void catalogue()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
        QVERIFY(!translator.isEmpty());
        for (const QString& text : kTexts) {
            const QString translated = translator.translate("QObject", text.toUtf8().constData());
            QVERIFY2(!translated.isEmpty(), qPrintable(code + QStringLiteral(": no translation of ") + text));
            if (code == QLatin1String("enu"))
                QCOMPARE(translated, text);
        }
        const QString notice = translator.translate("QObject", kTexts[5].toUtf8().constData());
        QVERIFY2(notice.contains(QLatin1String("%1")), qPrintable(code));
        QCOMPARE(translator.translate("QObject", "Quorvane Ardentix"), QStringLiteral("Quorvane Ardentix"));
        QVERIFY(translator.translate("QObject", "Images and Videos (*.jpg;*.avi;*.mp4)")
                    .endsWith(QLatin1String("(*.jpg;*.avi;*.mp4)")));
        // The language's help page names the buttons as the catalogue does.
        QFile page(QStringLiteral(ARDENTIX_SOURCE_DIR "/help/help_%1.html").arg(code));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString html = QString::fromUtf8(page.readAll());
        QVERIFY(html.contains(QLatin1String("charset=\"utf-8\""), Qt::CaseInsensitive));
        for (const char* text :
             {"Open File(s)", "Open Folder", "Remove File(s)", "Authentication failed", "Custody Check…",
              "No preview for this file", "No picture from the signed bytes",
              "No preview: the file changed after it was verified",
              "&Show each file's picture on its details page"}) {
            // A label's mnemonic is not written in the help (nor, in East
            // Asian catalogues, its bracketed letter).
            const QString name = translator.translate("QObject", text)
                                     .remove(QRegularExpression(QStringLiteral("\\(&\\S\\)|&(?=\\S)")))
                                     .toHtmlEscaped();
            QVERIFY2(html.contains(name), qPrintable(code + QStringLiteral(": ") + name));
        }

        // Every toolbar action shows at the default size: none is pushed
        // into the toolbar's overflow menu. The window loads the catalogue
        // as if the system spoke the language.
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QStringLiteral(":/translations/%1.qm").arg(code), folder.filePath("enu.qm")));
        const QString prefix = LocalisationSeams::CataloguePrefix();
        LocalisationSeams::CataloguePrefix() = folder.path() + QLatin1Char('/');
        MainWindow w;
        LocalisationSeams::CataloguePrefix() = prefix;
        // A report that the custody check refuses is explained in the
        // language, without naming the command-line program.
        const QString cutOff = translator.translate("QObject", "The report is cut off: its last line is incomplete.");
        QVERIFY(testsupport::WriteFileAt(folder.filePath("cut.jsonl"), "{"));
        Messages messages;
        QVERIFY(
            !w.CheckAgainst({QFile::encodeName(folder.filePath("cut.jsonl")), QFile::encodeName(folder.path()), {}}));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(cutOff) && !messages[0].contains("ardentix-verify"), qPrintable(messages[0]));
        QCOMPARE(messages[0].contains(QLatin1String("cut off")), code == QLatin1String("enu"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.width(), 800);
#ifdef Q_OS_WIN
        // The offscreen platform has none of the system's fonts there:
        // scripts/test-windows measures on the windows platform.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return;
#endif
        QVERIFY2(w.ToolBar()->sizeHint().width() <= w.ToolBar()->width(),
                 qPrintable(QString::number(w.ToolBar()->sizeHint().width())));
    }
};

ARDENTIX_REGISTER_TEST(TestLocalisation)
#include "tst_localisation.moc"
