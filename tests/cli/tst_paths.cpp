// Which files a folder yields, and names and files that try to break the
// reports or the run: hostile names, names that are not UTF-8, FIFOs and
// devices.
#include "CliRun.h"
#include "MediaFolderWalk.h"
#include "PathText.h"
#include "PosixCalls.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>

#include <memory>

using namespace testsupport;

namespace {

enum class Kind
{
    File,
    Fifo,
    SymlinkToFile,
    SymlinkedFolder,
    Folder
};

// One folder holds every entry; each says whether the folder rule keeps it,
// and whether the Open dialog's patterns offer its name.
struct Entry
{
    const char* row;
    const char* name;
    Kind kind;
    const char* target;
    bool kept;
    bool offered;
};

const Entry kEntries[] = {
    {"lower-case avi", "b.avi", Kind::File, nullptr, true, true},
    {"upper-case JPG", "a.JPG", Kind::File, nullptr, true, true},
    {"mixed-case Mp4", "nested/h.Mp4", Kind::File, nullptr, true, true},
    {"two folders deep", "nested/deeper/g.mp4", Kind::File, nullptr, true, true},
    {"text file", "c.txt", Kind::File, nullptr, false, false},
    {"backup suffix", "d.mp4.bak", Kind::File, nullptr, false, false},
    {"complete suffix is not mp4", "e.2012.mp4", Kind::File, nullptr, false, true},
    {"double dot", "f..avi", Kind::File, nullptr, false, true},
    {"jpeg", "g.jpeg", Kind::File, nullptr, false, false},
    {"no suffix", "avi", Kind::File, nullptr, false, false},
    {"hidden file", ".hidden.avi", Kind::File, nullptr, false, true},
    {"hidden name that is all suffix", ".avi", Kind::File, nullptr, false, true},
    {"file in a hidden folder", ".secret/x.avi", Kind::File, nullptr, false, true},
    {"symbolic link to a file", "link.avi", Kind::SymlinkToFile, "b.avi", false, true},
    {"file under a symbolic link to a folder", "linked/h.Mp4", Kind::SymlinkedFolder, "nested", false, true},
    {"FIFO named like a recording", "fifo.avi", Kind::Fifo, nullptr, false, true},
    {"folder named like a recording", "folder.avi", Kind::Folder, nullptr, false, true},
    {"file in a folder named like a recording", "folder.avi/in.jpg", Kind::File, nullptr, true, true},
};

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestPaths : public QObject
{
    Q_OBJECT

    clitest::ScratchDir dir;
    std::string avi;
    std::string jpg;
    std::string mp4;
    QString folder;       // the folder-rule fixture
    QStringList reported; // what the verifier listed for it

    bool Create(const QString& root, const QString& name, Kind kind, const QString& target = QString())
    {
        const QString path = root + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray native = QFile::encodeName(path);
        switch (kind) {
        case Kind::File:
            if (name.endsWith(QLatin1String("mp4"), Qt::CaseInsensitive))
                return clitest::WriteBytes(native, mp4);
            return clitest::WriteBytes(native, name.endsWith(QLatin1String("jpg"), Qt::CaseInsensitive) ? jpg : avi);
        case Kind::Fifo:
            return mkfifo(native.constData(), 0600) == 0;
        case Kind::SymlinkToFile:
        case Kind::SymlinkedFolder:
            return symlink(QFile::encodeName(target).constData(), native.constData()) == 0;
        case Kind::Folder:
            return QDir().mkpath(path);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        mp4 = MakeExport(SampleMedia(MediaType::Mp4), MediaType::Mp4);

        folder = dir.filePath(QStringLiteral("rule"));
        for (const Entry& e : kEntries) {
            const QString name = QString::fromUtf8(e.name);
            // A link to a folder is made at its name's first part.
#ifdef Q_OS_WIN
            if (e.kind == Kind::Fifo || e.kind == Kind::SymlinkToFile || e.kind == Kind::SymlinkedFolder)
                continue; // none there: their rows hold trivially
#endif
            const QString where = e.kind == Kind::SymlinkedFolder ? name.section(QLatin1Char('/'), 0, 0) : name;
            QVERIFY2(Create(folder, where, e.kind, e.target ? QString::fromUtf8(e.target) : QString()), e.name);
        }
    }

    void folderRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("offered");
        for (const Entry& e : kEntries)
            QTest::newRow(e.row) << QString::fromUtf8(e.name) << e.kept << e.offered;
    }

    void folderRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, kept);
        QFETCH(bool, offered);
        // The Open dialog matches its patterns without regard to case, as
        // QDir::match does.
        QCOMPARE(QDir::match(MediaFilePatterns().split(QLatin1Char(';')), QFileInfo(name).fileName()), offered);
        if (reported.isEmpty()) {
            const clitest::Outcome run = clitest::Run({QStringLiteral("--format=json"), folder});
            QVERIFY(run.finished);
            QCOMPARE(run.exitCode, 0); // every kept file is a genuine export
            for (const QString& path : clitest::JsonValues(run.out, "path"))
                reported << path.mid(folder.size() + 1);
            QCOMPARE(reported,
                     (QStringList{QStringLiteral("a.JPG"), QStringLiteral("b.avi"), QStringLiteral("folder.avi/in.jpg"),
                                  QStringLiteral("nested/deeper/g.mp4"), QStringLiteral("nested/h.Mp4")}));
        }
        QCOMPARE(reported.contains(name), kept);
    }

    void walkItself()
    {
        // The files come sorted byte-wise; the walk asks after each entry
        // whether to go on, and stops for good at the first no.
        const MediaFolderListing all = WalkMediaFolder(QFile::encodeName(folder));
        QCOMPARE(std::count_if(std::begin(kEntries), std::end(kEntries), [](const Entry& e) { return e.kept; }),
                 qsizetype(all.files.size()));
        QVERIFY(all.listed && std::is_sorted(all.files.begin(), all.files.end()));
        int calls = 0;
        const MediaFolderListing stopped = WalkMediaFolder(QFile::encodeName(folder), [&calls] { return ++calls < 3; });
        QCOMPARE(calls, 3);
        QVERIFY(stopped.files.size() < all.files.size());

        // An empty folder path never stands for the working directory.
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder));
        const MediaFolderListing none = WalkMediaFolder(QByteArray(), [&calls] { return ++calls > 0; });
        QVERIFY(QDir::setCurrent(before));
        QVERIFY(none.files.empty() && !none.listed);
        QCOMPARE(calls, 3);
    }

    void hostileNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");           // in JSON and CSV
        QTest::addColumn<QString>("shownOnTerminal"); // in the text format
        QTest::addColumn<QString>("result");

        const auto row = [](const char* title, const QByteArray& name, const QString& shown, const QString& terminal,
                            const char* result = "authentic") {
            QTest::newRow(title) << name << shown << terminal << result;
        };
        row("newline", "new\nline.avi", QStringLiteral("new\nline.avi"), QStringLiteral("new\\x0Aline.avi"));
        row("carriage return", "cr\r.avi", QStringLiteral("cr\r.avi"), QStringLiteral("cr\\x0D.avi"));
        row("comma, quote and newline", "x,\"y\"\nz.avi", QStringLiteral("x,\"y\"\nz.avi"),
            QStringLiteral("x,\"y\"\\x0Az.avi"));
        row("escape sequence", "\x1b[31mred.avi", QStringLiteral("\x1b[31mred.avi"),
            QStringLiteral("\\x1B[31mred.avi"));
        row("non-ASCII", QStringLiteral("Überwachung 監視.avi").toUtf8(), QStringLiteral("Überwachung 監視.avi"),
            QStringLiteral("Überwachung 監視.avi"));
        row("right-to-left override", QStringLiteral("evil\u202Eiva.avi").toUtf8(), QStringLiteral("evil\u202Eiva.avi"),
            QStringLiteral("evil\\xE2\\x80\\xAEiva.avi"));
        row("byte that is not UTF-8", "bad\xff.avi", QStringLiteral("bad\\xFF.avi"), QStringLiteral("bad\\xFF.avi"));
        row("Latin-1 name", "caf\xe9.avi", QStringLiteral("caf\\xE9.avi"), QStringLiteral("caf\\xE9.avi"));
        row("leading dash", "-x.avi", QStringLiteral("-x.avi"), QStringLiteral("-x.avi"));
        row("backslash", "back\\slash.avi", QStringLiteral("back\\slash.avi"), QStringLiteral("back\\slash.avi"));
        // Qt's folder listing leaves out names that are not UTF-8; the
        // verifier still finds them, and those under a folder so named.
        row("in a folder whose name is not UTF-8", "sub\xfe/in.jpg", "sub\\xFE/in.jpg", "sub\\xFE/in.jpg");
        row("a JPG export in an AVI, its name not UTF-8", "bad\xfe.avi", "bad\\xFE.avi", "bad\\xFE.avi", "failed");
    }

    void hostileNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        QFETCH(QString, shownOnTerminal);
        QFETCH(QString, result);
        ARDENTIX_SKIP_ON_WINDOWS("Windows names are UTF-16, without control characters or quotes");
        clitest::ScratchDir here;
        const QByteArray root = QFile::encodeName(here.path());
        const QByteArray path = root + '/' + name;
        const QByteArray folder = path.left(path.lastIndexOf('/'));
        QVERIFY(folder == root || mkdir(folder.constData(), 0700) == 0);
        // A failed row's file holds a JPG export whatever its suffix.
        QVERIFY(clitest::WriteBytes(path, name.endsWith(".jpg") || result == "failed" ? jpg : avi));
        const QString shownPath = here.path() + QLatin1Char('/') + shown;
        const int status = result == "authentic" ? 0 : 1;
        // Beside it, entries named not UTF-8 that the folder rule leaves out.
        QVERIFY(clitest::WriteBytes(folder + "/skip\xff.txt", avi));
        QVERIFY(clitest::WriteBytes(folder + "/.hid\xff.avi", avi));
        QVERIFY(symlink(name.mid(name.lastIndexOf('/') + 1).constData(), (folder + "/link\xff.jpg").constData()) == 0);
        QVERIFY(mkfifo((folder + "/fifo\xff.avi").constData(), 0600) == 0);

        // Given as a PATH (byte for byte, after "--"), and found in a folder,
        // its own given with a final slash too.
        for (const QByteArray& argument : {path, root, folder + '/'}) {
            const clitest::Outcome json = clitest::RunRaw({"--format=json", "--", argument});
            const clitest::Outcome csv = clitest::RunRaw({"--format=csv", argument});
            QVERIFY(json.finished && csv.finished);
            QCOMPARE(json.exitCode, status);
            QCOMPARE(csv.exitCode, status);
            QCOMPARE(clitest::JsonValues(json.out, "path"), QStringList{shownPath});
            QCOMPARE(clitest::JsonValues(json.out, "result"), QStringList{result});
            QString error;
            const QList<QStringList> records = clitest::CsvRecords(csv.out, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(records.size(), 2);
            QCOMPARE(records[1].value(0), shownPath);

            const clitest::Outcome text = clitest::RunRaw({argument});
            QCOMPARE(text.exitCode, status);
            const QList<QByteArray> lines = text.out.split('\n');
            QCOMPARE(lines.size(), 3); // the file, the summary, and nothing after the last line end
            const QString line = QString::fromUtf8(lines[0]);
            QVERIFY2(line.startsWith(result.leftJustified(11) + here.path() + QLatin1Char('/') + shownOnTerminal +
                                     QLatin1Char(' ')),
                     lines[0].constData());
            QVERIFY(!text.out.contains('\x1b'));
            QVERIFY(!text.out.contains('\r'));
        }
    }

    // A list, a report and a working folder named by bytes that are not
    // UTF-8 are found all the same, and a report saved with a byte-order
    // mark is read: the list verifies the clip by its full path, the
    // re-check from the clip's folder finds it unchanged there.
    void namesThatAreNotUtf8GivenAsFiles_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("file"); // the list's and the report's name
        QTest::addColumn<bool>("bom");
        QTest::addColumn<QByteArray>("alike"); // a PATH whose name decodes as the list's
        const auto row = [](const char* title, const char* folder, const char* file, bool bom, const char* alike) {
            QTest::newRow(title) << QByteArray(folder) << QByteArray(file) << bom << QByteArray(alike);
        };
        row("all UTF-8", "work", "report", false, "");
        row("list and report names not UTF-8", "work", "r\xe9port", false, "");
        row("working folder not UTF-8", "w\xe9rk", "report", false, "");
        row("report with a byte-order mark", "work", "report", true, "");
        // Both decode to "r\uFFFDport.list": each is taken by its own bytes.
        row("a PATH named like the list but for a byte", "work", "r\xe9port", false, "r\xe8port.list");
    }

    void namesThatAreNotUtf8GivenAsFiles()
    {
        ARDENTIX_SKIP_ON_WINDOWS("Windows names are UTF-16: every name there is text");
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, file);
        QFETCH(bool, bom);
        QFETCH(QByteArray, alike);
        clitest::ScratchDir here;
        folder = QFile::encodeName(here.path()) + '/' + folder;
        QVERIFY(mkdir(folder.constData(), 0700) == 0);
        QVERIFY(clitest::WriteBytes(folder + "/clip.avi", avi));
        QVERIFY(clitest::WriteBytes(folder + '/' + file + ".list", (folder + "/clip.avi\n").toStdString()));

        QList<QByteArray> arguments = {"--sha256", "-f", "json", "--files-from", file + ".list"};
        if (!alike.isEmpty()) {
            QVERIFY(clitest::WriteBytes(folder + '/' + alike, avi));
            arguments << alike;
        }
        const clitest::Outcome saved = clitest::RunRaw(arguments, folder);
        QCOMPARE(saved.exitCode, alike.isEmpty() ? 0 : 1);
        // The PATH (its suffix no type) first, then the list's clip.
        QCOMPARE(clitest::JsonValues(saved.out, QStringLiteral("path")).size(), alike.isEmpty() ? 1 : 2);
        if (!alike.isEmpty())
            QCOMPARE(clitest::JsonValues(saved.out, QStringLiteral("path")).first(), PathText::ForReport(alike));
        QCOMPARE(clitest::JsonValues(saved.out, QStringLiteral("result")).last(), QStringLiteral("authentic"));
        QVERIFY(clitest::WriteBytes(folder + '/' + file + ".jsonl",
                                    ((bom ? "\xef\xbb\xbf" : "") + saved.out).toStdString()));
        const clitest::Outcome check = clitest::RunRaw({"-f", "json", "--check", file + ".jsonl", "."}, folder);
        const QByteArray n = alike.isEmpty() ? "1" : "2";
        QCOMPARE(check.err, n + " files: " + n + " unchanged, 0 modified, 0 missing, 0 moved, 0 new\n");
        QCOMPARE(check.exitCode, 0);
    }

    void windowsPaths_data()
    {
        QTest::addColumn<QString>("name"); // below the scratch folder; its folder is walked too
        QTest::addColumn<bool>("listed");  // in a --files-from list with CR LF, not on the command line
        const QString outside = QStringLiteral("\u03a9\u03bc\u03ad\u03b3\u03b1 \u76e3\u8996.avi");
        // Folders named in 1252, 1251 and 932 and outside each.
        const QString folders = QStringLiteral("Peter\u2019s folder\\\u043e\u0442\u0447\u0451\u0442\\\u76e3\u8996"
                                               "\\\u8868\u793a\\a\u00e7\u00e3o \u20ac.jpg");
        QString deep; // 306 characters below the scratch folder
        for (int i = 0; i < 6; ++i)
            deep += QStringLiteral("long folder %1 ").arg(i).leftJustified(50, QLatin1Char('x')) + QLatin1Char('\\');
        for (const bool listed : {false, true}) {
            const char* const how = listed ? ", listed" : "";
            QTest::addRow("backslashes%s", how) << QStringLiteral("clip.avi") << listed;
            QTest::addRow("outside the code page%s", how) << outside << listed;
            QTest::addRow("folders in every code page%s", how) << folders << listed;
            QTest::addRow("300 characters%s", how) << deep + QStringLiteral("clip.avi") << listed;
        }
    }

    // Drive letters and backslashes, names in any code page and paths of
    // any length, on the command line, in a list, in the folder walk and
    // re-checked, are reported as given.
    void windowsPaths()
    {
#ifndef Q_OS_WIN
        QSKIP("drive letters, backslashes and code pages are Windows'");
#else
        QFETCH(QString, name);
        QFETCH(bool, listed);
        clitest::ScratchDir here;
        const QString path = QDir::toNativeSeparators(here.path()) + QLatin1Char('\\') + name;
        const QString folder = path.left(path.lastIndexOf(QLatin1Char('\\')));
        QVERIFY(path.at(1) == QLatin1Char(':'));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(clitest::WriteBytes(NativePath(path), name.endsWith(QLatin1String(".jpg")) ? jpg : avi));
        QStringList arguments{QStringLiteral("--format=json")};
        if (listed) {
            const QString list = here.filePath(QStringLiteral("list.txt"));
            QVERIFY(clitest::WriteBytes(QFile::encodeName(list), (path.toUtf8() + "\r\n").toStdString()));
            arguments << QStringLiteral("--files-from") << list;
        } else {
            arguments << path;
        }
        const QString report = here.filePath(QStringLiteral("report.jsonl"));
        const QStringList walk{QStringLiteral("--format=json"), QStringLiteral("--sha256"), folder};
        for (const QStringList& run : {arguments, walk}) {
            const clitest::Outcome outcome = clitest::Run(run);
            QCOMPARE(outcome.exitCode, 0);
            QCOMPARE(clitest::JsonValues(outcome.out, "path"), QStringList{path});
            QCOMPARE(clitest::JsonValues(outcome.out, "result"), QStringList{"authentic"});
            QVERIFY(clitest::WriteBytes(QFile::encodeName(report), outcome.out.toStdString()));
        }
        const clitest::Outcome check =
            clitest::Run({QStringLiteral("--format=json"), QStringLiteral("--check"), report, folder});
        QCOMPARE(check.exitCode, 0);
        QCOMPARE(clitest::JsonValues(check.out, "status"), QStringList{"unchanged"});
#endif
    }

    void devicesDoNotHang_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("FIFO named clip.avi") << "fifo" << QStringList();
        QTest::newRow("FIFO named clip.avi, sha256") << "fifo" << QStringList{QStringLiteral("--sha256")};
        QTest::newRow("clip.avi -> /dev/zero") << "zero" << QStringList();
        QTest::newRow("clip.avi -> /dev/zero, sha256, json")
            << "zero" << QStringList{QStringLiteral("--sha256"), QStringLiteral("--format=json")};
        QTest::newRow("clip.avi -> FIFO, two jobs") << "fifo link" << QStringList{QStringLiteral("-j2")};
    }

    void devicesDoNotHang()
    {
        QFETCH(QString, what);
        QFETCH(QStringList, options);
        ARDENTIX_SKIP_ON_WINDOWS("Windows has no FIFOs or devices among the files");
        clitest::ScratchDir here;
        const QString clip = here.filePath(QStringLiteral("clip.avi"));
        const QByteArray native = QFile::encodeName(clip);
        if (what == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(native.constData(), 0600), 0);
        } else if (what == QLatin1String("zero")) {
            QCOMPARE(symlink("/dev/zero", native.constData()), 0);
        } else {
            QCOMPARE(mkfifo(QFile::encodeName(here.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
            QCOMPARE(symlink("pipe", native.constData()), 0);
        }
        const QString genuine = here.filePath(QStringLiteral("genuine.avi"));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(genuine), avi));

        const clitest::Outcome run =
            clitest::Run(options + QStringList{QStringLiteral("--format=csv"), clip, genuine, here.path()},
                         QProcessEnvironment::systemEnvironment(), QString(), 20000);
        QVERIFY2(run.finished, "the verifier hung on a FIFO or a device");
        QCOMPARE(run.exitCode, 1);
        QString error;
        const QList<QStringList> records = clitest::CsvRecords(run.out, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // The FIFO or device itself fails; the folder yields only the
        // regular file.
        QCOMPARE(records.size(), 4);
        QCOMPARE(records[1].mid(0, 3), QStringList({clip, "failed", "too-short"}));
        QCOMPARE(records[2].value(1), QStringLiteral("authentic"));
        QCOMPARE(records[3].value(0), genuine);
        if (options.contains(QLatin1String("--sha256")))
            QCOMPARE(records[1].value(9), QString());
    }

    void unreadableFolder_data()
    {
        QTest::addColumn<bool>("lockTheRoot");
        QTest::newRow("the folder given") << true;
        QTest::newRow("a subfolder") << false;
    }

    void unreadableFolder()
    {
        // A folder that cannot be listed is a failed file; subfolders that
        // cannot be listed come among the files, in path order.
        QFETCH(bool, lockTheRoot);
        clitest::ScratchDir here;
        const QString root = here.filePath(QStringLiteral("root"));
        const QStringList locked = lockTheRoot ? QStringList{root} : QStringList{root + "/m", root + "/b", root + "/k"};
        for (const QString& folder : locked) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(clitest::WriteBytes(QFile::encodeName(folder + QStringLiteral("/a.avi")), avi));
        }
        QVERIFY(clitest::WriteBytes(QFile::encodeName(root + QStringLiteral("/c.avi")), avi));
        std::vector<std::unique_ptr<Unreadable>> locks;
        for (const QString& folder : locked) {
            locks.push_back(std::make_unique<Unreadable>(folder));
            if (!locks.back()->Locked())
                QSKIP("permissions do not apply to root");
        }
        const clitest::Outcome run = clitest::Run({QStringLiteral("--format=json"), root});
        locks.clear();
        QCOMPARE(run.exitCode, 1);
        QStringList expected = lockTheRoot ? QStringList{" unreadable"}
                                           : QStringList{"/b unreadable", "/c.avi ", "/k unreadable", "/m unreadable"};
        for (QString& line : expected)
            line.prepend(root);
        QCOMPARE(clitest::JsonValues(run.out, "path reason"), expected);
#ifdef Q_OS_WIN
        // A file that another program holds open says so.
        const Unreadable file(root + QStringLiteral("/c.avi"));
        const clitest::Outcome text = clitest::Run({root + QStringLiteral("/c.avi")});
        QCOMPARE(text.exitCode, 1);
        QVERIFY2(text.out.contains("unreadable  (another program has the file open)"), text.out.constData());
#endif
    }
};

ARDENTIX_REGISTER_TEST(TestPaths)
#include "tst_paths.moc"
