// The choice of language from the system locale, and the catalogues.
#include "CMainToolBar.h"
#include "Localisation.h"
#include "MainWindow.h"
#include "TestRegistry.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

// Every text the program looks up.
const char* const kTexts[] = {
    "About",
    "About Quorvane Ardentix",
    "Authentication Result",
    "Authentication failed",
    "Authentication succeeded",
    "Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international "
    "treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe "
    "civil and criminal penalties.",
    "Vornhold Serial Number",
    "File Name",
    "Help",
    "Images and Videos (*.jpg;*.avi;*.mp4)",
    "Open File(s)",
    "Open Folder",
    "Processing",
    "Remove File(s)",
    "Start Time",
    "Stop Time",
    "Quorvane Ardentix",
    "Total files",
    "Version",
    "Cancel",
};

const char* const kCodes[] = {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn",
                              "krn", "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "trk"};

} // namespace

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void languageCode_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("en_US") << "en_US"
                               << "enu";
        QTest::newRow("en_GB") << "en_GB"
                               << "enu";
        QTest::newRow("de_AT") << "de_AT"
                               << "ger";
        QTest::newRow("fr_CA") << "fr_CA"
                               << "fre";
        QTest::newRow("es_MX") << "es_MX"
                               << "spn";
        QTest::newRow("zh_TW") << "zh_TW"
                               << "cht";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "chs";
        QTest::newRow("zh_HK") << "zh_HK"
                               << "cht";
        QTest::newRow("zh_SG") << "zh_SG"
                               << "chs";
        QTest::newRow("pt_BR") << "pt_BR"
                               << "ptb";
        QTest::newRow("pt_PT") << "pt_PT"
                               << "ptg";
        QTest::newRow("nb_NO") << "nb_NO"
                               << "nor";
        QTest::newRow("zh_MO") << "zh_MO"
                               << "cht";
        QTest::newRow("nn_NO") << "nn_NO"
                               << "nor";
        QTest::newRow("no_NO") << "no_NO"
                               << "nor";
        QTest::newRow("zh_tw, country in lower case") << "zh_tw"
                                                      << "chs";
        QTest::newRow("EN_US, language in upper case") << "EN_US"
                                                       << "enu";
        QTest::newRow("DE_DE falls to the default") << "DE_DE"
                                                    << "enu";
        QTest::newRow("one letter") << "d"
                                    << "enu";
        QTest::newRow("empty") << ""
                               << "enu";
        QTest::newRow("C") << "C"
                           << "enu";
        QTest::newRow("ja_JP") << "ja_JP"
                               << "jpn";
        QTest::newRow("ko_KR") << "ko_KR"
                               << "krn";
        QTest::newRow("sv_FI") << "sv_FI"
                               << "sve";
        QTest::newRow("tr_TR") << "tr_TR"
                               << "trk";
        QTest::newRow("cs_CZ") << "cs_CZ"
                               << "csy";
    }

    void languageCode()
    {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QCOMPARE(LanguageCodeForLocale(locale), code);
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : kCodes)
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void catalogue()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
        QVERIFY(!translator.isEmpty());
        for (const char* text : kTexts) {
            const QString translated = translator.translate("QObject", text);
            QVERIFY2(!translated.isEmpty(),
                     qPrintable(code + QStringLiteral(": no translation of ") + QString::fromUtf8(text)));
            if (code == QLatin1String("enu"))
                QCOMPARE(translated, QString::fromUtf8(text));
        }
        const QString notice = translator.translate("QObject", kTexts[5]);
        QVERIFY2(notice.contains(QLatin1String("%1")), qPrintable(code));
        QCOMPARE(translator.translate("QObject", "Quorvane Ardentix"), QStringLiteral("Quorvane Ardentix"));
        QVERIFY(translator.translate("QObject", "Images and Videos (*.jpg;*.avi;*.mp4)")
                    .endsWith(QLatin1String("(*.jpg;*.avi;*.mp4)")));

        // Every toolbar action shows at the default size: none is pushed
        // into the toolbar's overflow menu. The window loads the catalogue
        // as if the system spoke the language.
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QStringLiteral(":/translations/%1.qm").arg(code), folder.filePath("enu.qm")));
        const QString prefix = LocalisationSeams::CataloguePrefix();
        LocalisationSeams::CataloguePrefix() = folder.path() + QLatin1Char('/');
        MainWindow w;
        LocalisationSeams::CataloguePrefix() = prefix;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.width(), 800);
        QVERIFY2(w.ToolBar()->sizeHint().width() <= w.ToolBar()->width(),
                 qPrintable(QString::number(w.ToolBar()->sizeHint().width())));
    }

    void helpPage_data() { catalogue_data(); }

    void helpPage()
    {
        // Each language has its help page, and the page names the buttons
        // as the catalogue does.
        QFETCH(QString, code);
        QFile page(QStringLiteral(ARDENTIX_SOURCE_DIR "/help/help_%1.html").arg(code));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString html = QString::fromUtf8(page.readAll());
        QVERIFY(html.contains(QLatin1String("charset=\"utf-8\""), Qt::CaseInsensitive));
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
        for (const char* text : {"Open File(s)", "Open Folder", "Remove File(s)", "Authentication failed"}) {
            const QString name = translator.translate("QObject", text).toHtmlEscaped();
            QVERIFY2(html.contains(name), qPrintable(code + QStringLiteral(": ") + name));
        }
    }

    void everyCodeHasItsCatalogue()
    {
        // Each code the table can give names a catalogue in the resources.
        const QStringList locales = {"cs", "da",    "de",    "en", "es", "fr",    "hu",   "it", "ja",
                                     "ko", "nl",    "no",    "pl", "pt", "pt_BR", "ru",   "sv", "tr",
                                     "zh", "zh_CN", "zh_TW", "nb", "nn", "zh_HK", "zh_MO"};
        for (const QString& locale : locales)
            QVERIFY(QFile::exists(QStringLiteral(":/translations/") + LanguageCodeForLocale(locale) + ".qm"));
    }
};

ARDENTIX_REGISTER_TEST(TestLocalisation)
#include "tst_localisation.moc"
