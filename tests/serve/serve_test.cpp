// The server is run as IT runs it: the built tallyworth --serve on a free loopback port,
// asked by curl as a browser or a script asks, its answers held against the command line's.

#include "cli/cli_support.h"
#include "cli/set_limits.h"
#include "serve/http_server.h"
#include "serve/listen_address.h"
#include "serve/set_stream.h"
#include "serve/worksheet_service.h"
#include "support/named_cases.h"

#include <QHostAddress>
#include <QSet>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <csignal>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

namespace tallyworth::cli_test {
namespace {

using namespace Qt::StringLiterals;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

struct Answer {
    int status = 0;
    int curlStatus = 0;  // 18 when the body was cut short
    QString headers;
    QByteArray body;
    [[nodiscard]] QString Header(const char* name) const {
        const QRegularExpression line(QStringLiteral("(?mi)^%1: *([^\\r\\n]*)").arg(name));
        return line.match(headers).captured(1);
    }
};

using testing_support::kCaseName;

class Server {
  public:
    // Started in an English US locale with the options given; extra as StartTallyworth
    // takes it.
    explicit Server(const QStringList& options = {}, const QStringList& extra = {}) {
        StartTallyworth(program_, QStringList{"--serve", "--listen", "127.0.0.1:0"} + options,
                        extra);
        EXPECT_TRUE(program_.waitForReadyRead(print_test::kWaitMilliseconds));
        url_ = QString::fromUtf8(program_.readLine()).trimmed();
    }
    // Stops as a service is stopped; the exit status, -1 when it did not end by itself.
    int Stop(int signal = SIGTERM) {
        ::kill(static_cast<pid_t>(program_.processId()), signal);
        return FinishTallyworth(program_).status;
    }
    ~Server() {
        if (program_.state() != QProcess::NotRunning) {
            Stop();
        }
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    [[nodiscard]] const QString& Url() const { return url_; }

    // Starts curl on path; arguments go before the address.
    void Ask(QProcess& curl, const QString& path, const QStringList& arguments = {}) const {
        curl.start(QStringLiteral("curl"), QStringList{"-sS", "-D", "-", "--path-as-is"} +
                                               arguments + QStringList{url_ + path});
    }

    // Asks with curl and waits for the whole answer.
    Answer Get(const QString& path, const QStringList& arguments = {}) const {
        QProcess curl;
        Ask(curl, path, arguments);
        EXPECT_TRUE(curl.waitForFinished(print_test::kWaitMilliseconds));
        const QByteArray out = curl.readAllStandardOutput();
        const qsizetype split = out.indexOf("\r\n\r\n");
        Answer answer{0, curl.exitCode(), QString::fromLatin1(out.left(split)), out.mid(split + 4)};
        answer.status = answer.headers.section(u' ', 1, 1).toInt();
        return answer;
    }

    QProcess& Program() { return program_; }

    // The next line of its log.
    QString LogLine() {
        program_.setReadChannel(QProcess::StandardError);
        while (!program_.canReadLine()) {
            if (!program_.waitForReadyRead(print_test::kWaitMilliseconds)) {
                ADD_FAILURE() << "no log line";
                return {};
            }
        }
        return QString::fromUtf8(program_.readLine());
    }

    // A connection from a loopback address of the test's choosing, with the receiving
    // buffer given, or the system's.
    std::unique_ptr<QTcpSocket> Connect(const char* from = "127.0.0.1",
                                        int receiveBuffer = 0) const {
        auto socket = std::make_unique<QTcpSocket>();
        EXPECT_TRUE(socket->bind(QHostAddress(QString::fromLatin1(from))));
        if (receiveBuffer > 0) {
            socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBuffer);
        }
        socket->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(QUrl(url_).port()));
        socket->waitForConnected(print_test::kWaitMilliseconds);  // or is refused
        return socket;
    }

    // Sends a request byte for byte as given and reads until the server closes.
    QByteArray SendRaw(const QByteArray& request, const char* from = "127.0.0.1") const {
        const std::unique_ptr<QTcpSocket> socket = Connect(from);
        socket->write(request);
        return ReadToClose(*socket);
    }

    static QByteArray ReadToClose(QTcpSocket& socket) {
        while (socket.state() == QAbstractSocket::ConnectedState &&
               socket.waitForReadyRead(print_test::kWaitMilliseconds)) {
        }
        return socket.readAll();
    }

  private:
    QProcess program_;
    QString url_;
};

// One server for the suite: it keeps no state between requests.
Server& Shared() {
    static Server server;
    return server;
}

// One more, started in German, for the answers in a language other than the server's own.
Server& SharedGerman() {
    static Server server({}, {QStringLiteral("LANG=de_DE.UTF-8")});
    return server;
}

// Writes bytes into a file of folder and gives its path.
QString Saved(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

// The language a PDF is tagged with, "/Lang (de)".
QByteArray PdfLanguage(const QByteArray& pdf) {
    return QRegularExpression(QStringLiteral("/Lang \\([^)]*\\)"))
        .match(QString::fromLatin1(pdf))
        .captured()
        .toLatin1();
}

// clang-format off
struct SetCase {
    const char* name;
    const char* query;
    QStringList options;  // the command line's for the same set, without --code
};
const std::array kSets{
    SetCase{"RulesAndKeys", "operation=x&lowest=2&highest=12&problems=100&sheets=3&answers=each&no-trivial=1",
            {"--sheets", "3", "--answers", "each", "--paper", "a4"}},
    SetCase{"PageOptionsOnLetter", "operation=/&highest=20&times-sign=dot&layout=line&size=large&paper=letter&no-header=1",
            {"--layout", "line", "--size", "large", "--paper", "letter", "--no-header"}},
    SetCase{"PageOptionsOverAFirstVersionCode", "code=17FC6-4RQDB-F3C4&times-sign=dot&layout=line&paper=a4",
            {"--times-sign", "dot", "--layout", "line", "--paper", "a4"}},
    SetCase{"SectionsWithKeys", "section=kind%3Dmissing%20operation%3Dx%20first%3D2-12%20problems%3D12%20title%3D%22Times%20tables%22"
            "&section=kind%3Dremainder%20first%3D10-60%20second%3D2-9%20problems%3D8%20remainders%3Dalways&sheets=2&answers=end&paper=a4",
            {"--sheets", "2", "--answers", "end", "--paper", "a4"}},
    SetCase{"WrittenDivisionInFranceWithItsWorking", "section=kind%3Dwritten%20operation%3D%2F%20first%3D100-9999"
            "%20second%3D2-9%20problems%3D8%20remainders%3D50&method=fr&key-working=1&answers=each&paper=a4",
            {"--answers", "each", "--paper", "a4"}},
};
// clang-format on

class SameSetTest : public ::testing::TestWithParam<SetCase> {};

// The code the server sends back, and names the sheets as text by, brings back on the
// command line the very same sheets.
TEST_P(SameSetTest, AsTheCommandLineMakesThem) {
    QTemporaryDir folder;
    const Answer served = Shared().Get(QStringLiteral("worksheets.pdf?") + GetParam().query);
    ASSERT_EQ(served.status, 200);
    EXPECT_EQ(served.Header("Content-Type"), "application/pdf");
    const QString code = served.Header("X-Tallyworth-Code");
    ASSERT_FALSE(code.isEmpty());
    Saved(folder, QStringLiteral("served.pdf"), served.body);
    const ProgramRun made = RunTallyworth(
        QStringList{"--pdf", folder.filePath("made.pdf"), "--code", code} + GetParam().options);
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(made.out.trimmed(), code);
    EXPECT_TRUE(served.body.contains(code.toLatin1()));  // in the XMP keywords
    // A set without a code is drawn afresh at each request.
    if (QByteArray(GetParam().query).startsWith("code=")) {
        const Answer asText = Shared().Get(QStringLiteral("worksheets.html?") + GetParam().query);
        EXPECT_TRUE(asText.body.contains(" (" + code.toLatin1() + ")</h2>"));
    }
    EXPECT_EQ(PdfText(folder.filePath("served.pdf")).toStdString(),
              PdfText(folder.filePath("made.pdf")).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Settings, SameSetTest, ::testing::ValuesIn(kSets),
                         [](const auto& param) { return std::string(param.param.name); });

// clang-format off
// A server given its public address prints each sheet's practice link as a QR code; a
// request cannot set one of its own.
TEST(ServeTest, PrintsItsOwnPracticeLinksOnTheSheets) {
    Server server({"--public-url", "https://school.example/worksheets"});
    QTemporaryDir folder;
    const Answer served = server.Get(QStringLiteral("worksheets.pdf?operation=x&paper=a4"));
    ASSERT_EQ(served.status, 200);
    const QString pdf = Saved(folder, QStringLiteral("served.pdf"), served.body);
    EXPECT_EQ(print_test::ReadQrCodes(pdf, 1).toStdString(),
              "https://school.example/worksheets/practice?code=" +
                  served.Header("X-Tallyworth-Code").toStdString());
    const Answer asked = server.Get(
        QStringLiteral("worksheets.pdf?public-url=https%3A%2F%2Felsewhere.example%2F"));
    EXPECT_EQ(asked.status, 400);
    EXPECT_EQ(asked.body.trimmed(), "There is no setting \"public-url\".");
}

struct CountCase {
    const char* name;
    QStringList query;  // curl's -G arguments
    const char* language;
    int status;
    const char* answer;
};
const std::array kCounts{
    // 11 × 11 products of 2 to 12.
    CountCase{"PlainSheet", {"-d", "operation=x&lowest=2&highest=12"}, "en", 200, "121\n"},
    CountCase{"EachSectionInTurn", {
        "--data-urlencode", "section=kind=facts operation=* first=2-12",
        // 9 × 9 sums, each with either number left out.
        "--data-urlencode", "section=kind=missing operation=+ first=1-9 missing=either",
        // 10 quotients by 4 divisors.
        "--data-urlencode", "section=kind=table-division first=1-10 second=2-5",
        // 21 dividends by 3 divisors, less the 7 + 5 + 5 that leave none.
        "--data-urlencode", "section=kind=remainder first=10-30 second=3-5 remainders=always"},
        "en", 200, "121\n162\n40\n46\n"},
    // 90 × 8 written products; 21 dividends by 3 divisors, only the 7 + 5 + 5 exact ones.
    CountCase{"WrittenSections", {"--data-urlencode", "section=kind=written operation=* first=10-99 second=2-9",
        "--data-urlencode", "section=kind=written operation=/ first=10-30 second=3-5 remainders=0"},
        "en", 200, "720\n17\n"},
    // The page shows a message at the section it names, in the page's language.
    CountCase{"SectionFaultInGerman", {"--data-urlencode", "section=kind=facts",
                                       "--data-urlencode", "section=kind=facts problems=many"},
        "de", 400, "Abschnitt 2: problems nimmt eine ganze Zahl, nicht \u201Emany\u201C.\n"},
};
// clang-format on

class CountTest : public ::testing::TestWithParam<CountCase> {};

// The page's live count: one line for a plain sheet, one for each section of a sheet of them.
TEST_P(CountTest, SaysEachSectionsDifferentProblems) {
    const Answer served = Shared().Get(QStringLiteral("count?lang=") + GetParam().language,
                                       QStringList{"-G"} + GetParam().query);
    EXPECT_EQ(served.status, GetParam().status);
    EXPECT_EQ(served.body.toStdString(), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Sheets, CountTest, ::testing::ValuesIn(kCounts), kCaseName);

struct TerritoryCase {
    const char* name;
    const char* browser;  // its Accept-Language
    const char* page;     // the page's lang=, or "" for none
    QLocale::Territory territory;
};
// clang-format off
const std::array kTerritories{
    TerritoryCase{"RegionOfTheLanguageGot", "es-MX,en;q=0.5", "", QLocale::Mexico},
    TerritoryCase{"FromALaterTagOfThatLanguage", "es,es-MX;q=0.5", "", QLocale::Mexico},
    TerritoryCase{"NotOfAnotherLanguage", "fr-BE", "nl", QLocale::AnyTerritory},
    TerritoryCase{"UnderscoredAndOfThePage", "de", "nl_BE", QLocale::Belgium},
    TerritoryCase{"NoneNamed", "de", "", QLocale::AnyTerritory},
};
// clang-format on

class TerritoryTest : public ::testing::TestWithParam<TerritoryCase> {};

// The country that chooses a sheet's written method is the one named with the language the
// request gets.
TEST_P(TerritoryTest, IsTheOneNamedWithTheLanguageGot) {
    HttpRequest request;
    request.acceptLanguage = GetParam().browser;
    if (*GetParam().page != 0) {
        request.query.append({u"lang"_s, QString::fromLatin1(GetParam().page)});
    }
    EXPECT_EQ(RequestTerritory(request), GetParam().territory);
}

INSTANTIATE_TEST_SUITE_P(Requests, TerritoryTest, ::testing::ValuesIn(kTerritories), kCaseName);

// What a field's English name asks, worked out: "Problem 3: 7 times 8 equals" is 56,
// "Problem 4: blank plus 5 equals 12" is 7; nothing for a name it does not read.
std::optional<int> WorkedOut(const QString& name) {
    static const QRegularExpression kAsked(
        u"^Problem \\d+: (blank|\\d+) (plus|minus|times|divided by) (blank|\\d+) equals ?(\\d*)$"_s);
    const QRegularExpressionMatch read = kAsked.match(name);
    if (!read.hasMatch()) {
        return std::nullopt;
    }
    const QString sign = read.captured(2);
    const int first = read.captured(1).toInt();
    const int second = read.captured(3).toInt();
    const int result = read.captured(4).toInt();
    const std::map<QString, std::array<int, 3>> answers{
        // answer, first, second left out
        {u"plus"_s, {first + second, result - second, result - first}},
        {u"minus"_s, {first - second, result + second, first - result}},
        {u"times"_s, {first * second, result / std::max(second, 1), result / std::max(first, 1)}},
        {u"divided by"_s,
         {first / std::max(second, 1), result * second, first / std::max(result, 1)}}};
    const int left = read.captured(1) == u"blank" ? 1 : read.captured(3) == u"blank" ? 2 : 0;
    return answers.at(sign)[static_cast<std::size_t>(left)];
}

// clang-format off
struct PracticeCase {
    const char* name;
    const char* set;       // the query of the set whose code is asked for, or "" for none
    const char* practice;  // the practice link's own parameters
    const char* language;
    int status;
    int fields;            // answer fields on the page
    int workedOut;         // of them, those whose answers the test works out from their names
    QStringList said;      // in the page's HTML
};
const std::array kPractices{
    PracticeCase{"TimesFacts", "operation=x&problems=12", "", "en", 200, 12, 12,
                 {"<html lang=\"en\">", "Problem 12: ", "data-retry=\"0\""}},
    PracticeCase{"SectionsOfEveryKind",
                 "section=kind%3Dmissing%20operation%3D%2B%20first%3D2-9%20problems%3D4%20missing%3Deither%20title%3DAdding"
                 "&section=kind%3Dremainder%20first%3D10-60%20second%3D2-9%20problems%3D3%20remainders%3Dalways%20title%3D%22Sharing%20out%22",
                 "retry=1", "en", 200, 10, 7,
                 {"<h2>Adding</h2>\n<ol start=\"1\">", "</ol>\n<h2>Sharing out</h2>\n<ol start=\"5\">", "Problem 7: remainder\"", "data-retry=\"1\""}},
    PracticeCase{"DivisionsDividendFirst", "operation=/&problems=20", "", "en", 200, 20, 20, {}},
    // Of 30 such differences some are below zero: every field then takes a minus sign.
    PracticeCase{"NegativeAnswers", "operation=-&allow-negative=1&problems=30", "", "en", 200, 30, 30,
                 {"class=\"narrow\" type=\"text\" inputmode=\"text\""}},
    PracticeCase{"GermanWithATimer", "operation=/", "minutes=5", "de", 200, 10, 0,
                 {"<html lang=\"de\">", "Aufgabe 1: ", "Gebrauchte Zeit: 0:00 von 5:00", ">Prüfen</button>"}},
    PracticeCase{"NoCode", "", "retry=1", "de", 400, 0, 0,
                 {"<html lang=\"de\">", "Diesem Übungslink fehlt der Blattcode."}},
    PracticeCase{"MistypedCode", "", "code=ZZZ", "en", 400, 0, 0,
                 {"A sheet code has 14 letters and digits, but this one has 3"}},
    PracticeCase{"MinutesOutOfRange", "operation=x", "minutes=121", "en", 400, 0, 0,
                 {"a whole number from 1 to 120, not &quot;121&quot;."}},
    PracticeCase{"RetryNotASwitch", "operation=x", "retry=yes", "fr", 400, 0, 0,
                 {"ou retry=0 pour aucun, pas «\u00A0yes\u00A0»."}},
    PracticeCase{"SettingOfTheSet", "operation=x", "operation=x", "en", 400, 0, 0,
                 {"There is no setting &quot;operation&quot;."}},
};
// clang-format on

class PracticeTest : public ::testing::TestWithParam<PracticeCase> {};

// A sheet's code gives its problems as fields, each with its name and right answer; a
// link that is wrong gets a page that says why, in the request's language.
TEST_P(PracticeTest, GivesTheSheetsFieldsOrSaysWhy) {
    const PracticeCase& practice = GetParam();
    QStringList query{u"lang="_s + practice.language};
    if (*practice.practice != 0) {
        query << practice.practice;
    }
    if (*practice.set != 0) {
        query << u"code="_s +
                     Shared().Get(u"worksheets.pdf?"_s + practice.set).Header("X-Tallyworth-Code");
    }
    const Answer served = Shared().Get(u"practice?"_s + query.join(u'&'));
    EXPECT_EQ(served.status, practice.status);
    EXPECT_EQ(served.Header("Content-Type"), "text/html; charset=utf-8");
    const QString html = QString::fromUtf8(served.body);
    for (const QString& said : practice.said) {
        EXPECT_TRUE(html.contains(said)) << said.toStdString() << " in " << html.toStdString();
    }
    // Every field looks alike, as the printed blanks do: none gives its answer away.
    static const QRegularExpression kField(
        u"<input id=\"[^\"]*\"( class=[^>]*) aria-label=\"([^\"]*)\"[^>]*data-answer=\"([^\"]*)\">"_s);
    QSet<QString> looks;
    int fields = 0;
    int workedOut = 0;
    for (const QRegularExpressionMatch& found : kField.globalMatch(html)) {
        ++fields;
        looks << found.captured(1);
        if (const std::optional<int> answer = WorkedOut(found.captured(2))) {
            ++workedOut;
            EXPECT_EQ(QString::number(*answer), found.captured(3))
                << found.captured(2).toStdString();
        }
    }
    EXPECT_EQ(fields, practice.fields);
    EXPECT_EQ(workedOut, practice.workedOut);
    EXPECT_LE(looks.size(), 1) << QStringList(looks.values()).join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Links, PracticeTest, ::testing::ValuesIn(kPractices), kCaseName);

// The command line's options of the set as a query: its long names without dashes.
QString LimitQuery(const LimitCase& limit) {
    const QStringList options = LimitOptions(limit);
    QStringList pairs;
    for (qsizetype at = 0; at + 1 < options.size(); at += 2) {
        pairs << options[at].mid(2) + '=' + options[at + 1];
    }
    return pairs.join('&');
}

std::vector<LimitCase> ServedLimits() {
    std::vector<LimitCase> served;
    std::ranges::copy_if(kSetLimits, std::back_inserter(served), &LimitCase::served);
    return served;
}

class ServedLimitTest : public ::testing::TestWithParam<LimitCase> {};

// The set streams whole, in the server's language, and ends as a whole answer ends.
TEST_P(ServedLimitTest, StreamsTheWholeSetInItsLanguage) {
    const LimitCase& limit = GetParam();
    if (TooSlowHere(limit)) {
        GTEST_SKIP() << "made whole by the debug build";
    }
    const QString language = QString::fromLatin1(limit.language);
    Server server({}, {QStringLiteral("LANG=") + limit.locale});
    const Answer served =
        server.Get("worksheets.pdf?" + LimitQuery(limit), {"-H", "Accept-Language: " + language});
    ASSERT_EQ(served.status, 200);
    EXPECT_EQ(served.curlStatus, 0);
    QTemporaryDir folder;
    QFile file(folder.filePath("served.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(served.body) == served.body.size());
    file.close();
    ExpectWholeSet(file.fileName(), limit, served.Header("X-Tallyworth-Code"));
}

INSTANTIATE_TEST_SUITE_P(Limits, ServedLimitTest, ::testing::ValuesIn(ServedLimits()),
                         testing_support::kCaseName);

// clang-format off
struct LanguageCase {
    const char* name;
    bool germanServer;         // started in German rather than English
    const char* browser;       // its Accept-Language
    const char* page;          // the page's lang=, or "" for none
    const char* operation;     // whose sign the language decides
    const char* madeIn;        // the LANG the command line makes the same set in
};
const std::array kSheetLanguages{
    LanguageCase{"GermanBrowser", false, "de-DE,en;q=0.5", "", "x", "de_DE.UTF-8"},
    LanguageCase{"SpanishBrowser", false, "es-MX", "", "/", "es_ES.UTF-8"},
    LanguageCase{"EnglishBrowserOfAGermanServer", true, "en-GB", "", "/", "en_GB.UTF-8"},
    LanguageCase{"DutchPageInAFrenchBrowser", true, "fr", "nl", "/", "nl_NL.UTF-8"},
};
// clang-format on

class SheetLanguageTest : public ::testing::TestWithParam<LanguageCase> {};

// A set's words, signs and language tag are the request's, whatever the server's own: the
// same as the command line writes in that language.
TEST_P(SheetLanguageTest, AreThoseOfTheCommandLineInTheRequestsLanguage) {
    const LanguageCase& language = GetParam();
    QTemporaryDir folder;
    const Answer served =
        (language.germanServer ? SharedGerman() : Shared())
            .Get(QStringLiteral("worksheets.pdf?operation=%1&answers=each&paper=a4%2")
                     .arg(language.operation,
                          *language.page != 0 ? u"&lang="_s + language.page : QString()),
                 {"-H", QStringLiteral("Accept-Language: %1").arg(language.browser)});
    ASSERT_EQ(served.status, 200);
    const ProgramRun made =
        RunTallyworth({"--pdf", folder.filePath("made.pdf"), "--code",
                       served.Header("X-Tallyworth-Code"), "--answers", "each", "--paper", "a4"},
                      {QStringLiteral("LANG=") + language.madeIn});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    QFile madeFile(folder.filePath("made.pdf"));
    ASSERT_TRUE(madeFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(PdfLanguage(served.body), PdfLanguage(madeFile.readAll()));
    EXPECT_EQ(PdfText(Saved(folder, QStringLiteral("served.pdf"), served.body)).toStdString(),
              PdfText(folder.filePath("made.pdf")).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Browsers, SheetLanguageTest, ::testing::ValuesIn(kSheetLanguages),
                         testing_support::kCaseName);

// While a set is drawn in one language, for a client that takes it slowly, a request in
// another language is answered at once in its own: its sheets and its messages.
TEST(ServeTest, SpeaksTwoLanguagesAtOnce) {
    QProcess slow;
    Shared().Ask(slow, QStringLiteral("worksheets.pdf?sheets=500&answers=each"),
                 {"--limit-rate", "4K", "-o", "/dev/null", "-H", "Accept-Language: en"});
    ASSERT_TRUE(slow.waitForReadyRead(print_test::kWaitMilliseconds));  // its headers
    const QStringList german{"-H", "Accept-Language: de"};
    const Answer sheets = Shared().Get(QStringLiteral("worksheets.html?operation=x"), german);
    const Answer refused = Shared().Get(QStringLiteral("count?lowest=9&highest=3"), german);
    EXPECT_EQ(slow.state(), QProcess::Running);
    slow.kill();
    slow.waitForFinished();
    EXPECT_TRUE(sheets.body.contains("<h2>Blatt 1 von 1")) << sheets.body.toStdString();
    EXPECT_TRUE(sheets.body.contains("\u22C5")) << sheets.body.toStdString();
    EXPECT_TRUE(refused.body.contains("Die kleinste Zahl")) << refused.body.toStdString();
}

// clang-format off
struct BadValueCase {
    const char* name;
    const char* query;
    QStringList options;  // the same values on the command line
    const char* fields;   // the option each message is about, for the page
};
const std::array kBadValues{
    BadValueCase{"SheetsOutOfRange", "sheets=501", {"--sheets", "501"}, "sheets"},
    BadValueCase{"LowestAboveHighest", "lowest=12&highest=3", {"--lowest", "12", "--highest", "3"}, "lowest"},
    BadValueCase{"TooManyProblems", "problems=150", {"--problems", "150"}, "problems"},
    BadValueCase{"NotAnAnswerKey", "answers=some&fixed=x", {"--answers", "some", "--fixed", "x"}, "answers,fixed"},
    BadValueCase{"MistypedCode", "code=10035-41YD5-SX9T", {"--code", "10035-41YD5-SX9T"}, "code"},
    BadValueCase{"NoProblemFits", "operation=/&lowest=50&highest=99&no-trivial=1",
                 {"--operation", "/", "--lowest", "50", "--highest", "99", "--no-trivial"}, ""},
};
// clang-format on
const std::array kLanguages{std::pair{"en-GB", "en_GB.UTF-8"}, std::pair{"de-DE", "de_DE.UTF-8"},
                            std::pair{"fr", "fr_FR.UTF-8"}, std::pair{"es", "es_ES.UTF-8"},
                            std::pair{"nl-BE", "nl_BE.UTF-8"}};

class BadValueTest : public ::testing::TestWithParam<
                         std::tuple<BadValueCase, std::pair<const char*, const char*>>> {};

// A bad value gets 400 and the command line's own words in the browser's language, no PDF,
// and the page the options they are about.
TEST_P(BadValueTest, GetsTheCommandLinesMessage) {
    const auto& [badValue, language] = GetParam();
    const Answer served =
        Shared().Get(QStringLiteral("worksheets.pdf?") + badValue.query,
                     {"-H", QStringLiteral("Accept-Language: %1,en;q=0.5").arg(language.first)});
    const ProgramRun refused = RunTallyworth(QStringList{"--pdf", "x.pdf"} + badValue.options,
                                             {QStringLiteral("LANG=") + language.second});
    EXPECT_EQ(served.status, 400);
    EXPECT_FALSE(served.body.startsWith("%PDF"));
    QString said = refused.err;
    said.remove(QStringLiteral("tallyworth: "));
    EXPECT_EQ(QString::fromUtf8(served.body).toStdString(),
              said.section(u'\n', 0, -3).toStdString() + "\n");
    EXPECT_EQ(served.Header("X-Tallyworth-Fields"), badValue.fields);
}

INSTANTIATE_TEST_SUITE_P(Languages, BadValueTest,
                         ::testing::Combine(::testing::ValuesIn(kBadValues),
                                            ::testing::ValuesIn(kLanguages)),
                         [](const auto& param) {
                             std::string language = std::get<1>(param.param).first;
                             std::erase(language, '-');
                             return std::string(std::get<0>(param.param).name) + "_" + language;
                         });

// clang-format off
struct RequestCase {
    const char* name;
    const char* path;
    QStringList arguments;
    int status;
    const char* cacheControl;  // what a cache may do with the answer
};
const QString kLongValue(20000, u'7');
constexpr const char* kNoStore = "no-store";
constexpr const char* kForADay = "public, max-age=86400";
const std::array kRequests{
    RequestCase{"Health", "health", {}, 200, kNoStore},
    RequestCase{"Page", "", {}, 200, "public, no-cache"},
    RequestCase{"Icon", "favicon.ico", {}, 200, "public, no-cache"},
    RequestCase{"UnknownPath", "nothing", {}, 404, kNoStore},
    RequestCase{"OutsideTheBase", "../etc/passwd", {}, 404, kNoStore},
    RequestCase{"SheetsAsText", "worksheets.html?operation=x&sheets=2", {}, 200, kNoStore},
    RequestCase{"SheetsOfACodeAsText", "worksheets.html?code=17FC6-4RQDB-F3C4", {}, 200, kForADay},
    RequestCase{"Preview", "preview.png?operation=x&problems=100", {}, 200, kNoStore},
    RequestCase{"PreviewOfAKey", "preview.png?code=17FC6-4RQDB-F3C4&answers=each&page=2", {}, 200, kForADay},
    RequestCase{"PreviewOfNoPage", "preview.png?page=0", {}, 400, kNoStore},
    RequestCase{"PreviewPastTheSet", "preview.png?code=17FC6-4RQDB-F3C4&page=2", {}, 404, kNoStore},
    RequestCase{"PreviewOfBadSettings", "preview.png?lowest=9&highest=2", {}, 400, kNoStore},
    RequestCase{"PracticeScript", "practice.js", {}, 200, "public, no-cache"},
    RequestCase{"UnknownSetting", "worksheets.pdf?colour=red", {}, 400, kNoStore},
    RequestCase{"Post", "worksheets.pdf", {"-X", "POST"}, 405, kNoStore},
    RequestCase{"Body", "health", {"--data-binary", "x", "-X", "GET"}, 413, kNoStore},
    RequestCase{"LongAddress", "worksheets.pdf?code=", {"--url-query", "x=" + kLongValue}, 414, kNoStore},
    RequestCase{"ManyHeaders", "health", [] { QStringList many; for (int at = 0; at < 80; ++at) {
        many << "-H" << QStringLiteral("X-%1: 1").arg(at); } return many; }(), 431, kNoStore},
};
// clang-format on

class RequestTest : public ::testing::TestWithParam<RequestCase> {};

// Every answer, good or bad, carries its type, the safety headers, no cookie and what a
// cache may do with it; a preview is a PNG with its set's code.
TEST_P(RequestTest, AnswersWithItsStatusAndSafetyHeaders) {
    const Answer served = Shared().Get(GetParam().path, GetParam().arguments);
    EXPECT_EQ(served.status, GetParam().status) << served.headers.toStdString();
    EXPECT_NE(served.Header("Content-Type"), "");
    EXPECT_EQ(served.Header("X-Content-Type-Options"), "nosniff");
    EXPECT_EQ(served.Header("Referrer-Policy"), "no-referrer");
    EXPECT_TRUE(served.Header("Content-Security-Policy").contains("script-src 'self'"));
    EXPECT_EQ(served.Header("Set-Cookie"), "");
    EXPECT_EQ(served.Header("Cache-Control"), GetParam().cacheControl);
    EXPECT_EQ(served.headers.count(u"Cache-Control", Qt::CaseInsensitive), 1);
    if (served.status == 200 && QByteArray(GetParam().path).startsWith("preview.png")) {
        EXPECT_EQ(served.Header("Content-Type"), "image/png");
        EXPECT_TRUE(served.body.startsWith("\x89PNG\r\n\x1a\n"));
        EXPECT_FALSE(served.Header("X-Tallyworth-Code").isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, RequestTest, ::testing::ValuesIn(kRequests),
                         [](const auto& param) { return std::string(param.param.name); });

// A cache asking again after an answer a code decides gets 304 without the answer, for
// as long as the program and the browser's languages are the same; a fresh set never.
TEST(ServeTest, TellsACacheThatKeptAnAnswerItIsCurrent) {
    for (const QString& path : {u"preview.png?code=17FC6-4RQDB-F3C4"_s,
                                u"worksheets.pdf?code=17FC6-4RQDB-F3C4&sheets=2"_s}) {
        const QString tag = Shared().Get(path).Header("ETag");
        ASSERT_FALSE(tag.isEmpty());
        const Answer again = Shared().Get(path, {"-H", "If-None-Match: W/\"x\", " + tag});
        EXPECT_EQ(again.status, 304);
        EXPECT_TRUE(again.body.isEmpty());
        EXPECT_EQ(again.Header("ETag"), tag);
        EXPECT_NE(Shared().Get(path, {"-H", "Accept-Language: de"}).Header("ETag"), tag);
    }
    EXPECT_EQ(Shared().Get(u"preview.png?operation=x"_s, {"-H", "If-None-Match: *"}).status, 200);
}

// The sheets as text say what they are, lead back to the page, and carry the keys where
// the set puts them.
TEST(ServeTest, ShowsTheSetAsTextWithItsKeys) {
    const QString text = QString::fromUtf8(
        Shared().Get(u"worksheets.html?code=17FC6-4RQDB-F3C4&sheets=2&answers=end"_s).body);
    EXPECT_TRUE(text.contains(u"<title>The worksheets as text"_s));
    EXPECT_TRUE(text.contains(u"<a href=\"./\">"_s));
    const QStringList headings = text.split(u"<h2>"_s).mid(1);
    ASSERT_EQ(headings.size(), 4);
    EXPECT_FALSE(headings[1].contains(u"Answer key"_s));
    EXPECT_TRUE(headings[2].startsWith(u"Sheet 1 of 2: Answer key"_s));
    EXPECT_TRUE(headings[3].contains(QRegularExpression(u"= [0-9]+</li>"_s)));
}

// clang-format off
struct ListenCase {
    const char* name;
    QString listen;  // %1 stands for a port another server holds
    int status;
    const char* said;  // in the message on standard error
};
const std::array kListens{
    ListenCase{"PortOutOfRange", "127.0.0.1:99999", 2, "the port of \"127.0.0.1:99999\""},
    ListenCase{"NoPort", "127.0.0.1", 2, "--listen takes ADDRESS:PORT"},
    ListenCase{"HostName", "printer.local:8470", 2, "the host of \"printer.local:8470\""},
    ListenCase{"NotThisMachine", "192.0.2.1:8470", 1, "not one of this machine's"},
    ListenCase{"PortInUse", "127.0.0.1:%1", 1, "another program uses that port"},
};
// clang-format on

class ListenTest : public ::testing::TestWithParam<ListenCase> {};

// Each wrong place to listen is named for what is wrong with it: a bad value as a usage
// error, an address or port the machine cannot give as a failure.
TEST_P(ListenTest, SaysWhatIsWrong) {
    const QString port =
        QUrl(Shared().Url()).port() > 0 ? QString::number(QUrl(Shared().Url()).port()) : QString();
    const QString listen =
        GetParam().listen.contains(u"%1") ? GetParam().listen.arg(port) : GetParam().listen;
    const ProgramRun refused = RunTallyworth({"--serve", "--listen", listen});
    EXPECT_EQ(refused.status, GetParam().status);
    EXPECT_TRUE(refused.err.contains(QString::fromUtf8(GetParam().said)))
        << refused.err.toStdString();
    EXPECT_EQ(refused.out, "");
}

INSTANTIATE_TEST_SUITE_P(Addresses, ListenTest, ::testing::ValuesIn(kListens),
                         testing_support::kCaseName);

// localhost is the loopback, and is shown as the address a browser opens.
TEST(ServeTest, ListensOnLocalhost) {
    QProcess program;
    StartTallyworth(program, {"--serve", "--listen", "localhost:0"});
    ASSERT_TRUE(program.waitForReadyRead(print_test::kWaitMilliseconds))
        << program.readAllStandardError().toStdString();
    EXPECT_TRUE(program.readLine().startsWith("http://127.0.0.1:"));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    EXPECT_EQ(FinishTallyworth(program).status, 0);
}

// A server open to the network shows the addresses a device opens, never the wildcard.
TEST(ServeTest, ShowsTheMachinesAddressesForEveryAddress) {
    for (const QString& everywhere : {u"0.0.0.0:8470"_s, u"[::]:8470"_s}) {
        const QStringList shown = OpenableAddresses(
            std::get<ListenAddress>(ReadListenAddress(everywhere)), 8470, u"/sheets"_s);
        ASSERT_FALSE(shown.isEmpty());
        for (const QString& address : shown) {
            const QUrl url(address);
            EXPECT_TRUE(url.isValid() && url.port() == 8470 && url.path() == u"/sheets/")
                << address.toStdString();
            EXPECT_NE(url.host(), u"0.0.0.0"_s);
            EXPECT_NE(url.host(), u"::"_s);
        }
    }
}

// A client that goes away mid-set is logged with what it got, and the server carries on.
TEST(ServeTest, OutlivesADisconnect) {
    Server server;
    QProcess curl;
    curl.start(QStringLiteral("curl"),
               {"-sS", server.Url() + "worksheets.pdf?sheets=500&answers=each"});
    ASSERT_TRUE(curl.waitForReadyRead(print_test::kWaitMilliseconds));
    curl.kill();
    curl.waitForFinished();
    const QStringList logged = server.LogLine().split(u' ');
    ASSERT_EQ(logged.size(), 5);
    EXPECT_EQ(logged.mid(0, 3), QStringList({"GET", "/worksheets.pdf", "200"}));
    EXPECT_GT(logged[3].toLongLong(), 0);
    EXPECT_EQ(server.Get("health").body, "ok\n");
}

// clang-format off
struct HostileCase {
    const char* name;
    QByteArray head;  // without the blank line that ends it
    int status;
    const char* logged;  // the log line, without its milliseconds
};
const std::array kHostile{
    HostileCase{"NewlineInThePath", "GET /x%0aGET%20/admin%20200%2099999%200ms HTTP/1.1\r\nHost: a\r\n",
                404, "GET /x%0aGET%20/admin%20200%2099999%200ms 404 10"},
    HostileCase{"EscapeInThePath", "GET /x\x1b[2J HTTP/1.1\r\nHost: a\r\n", 400, "- - 400 12"},
    HostileCase{"NotAsciiInThePath", "GET /\xc3\xa9\\ HTTP/1.1\r\nHost: a\r\n",
                404, "GET /\\xc3\\xa9\\x5c 404 10"},
    HostileCase{"EscapeInTheMethod", "G\x1b[2JT /health HTTP/1.1\r\nHost: a\r\n", 400, "- - 400 12"},
    HostileCase{"NoHost", "GET /health HTTP/1.1\r\n", 400, "GET /health 400 12"},
    HostileCase{"TwoHosts", "GET /health HTTP/1.1\r\nHost: a\r\nHost: b\r\n", 400, "GET /health 400 12"},
    HostileCase{"NoHostInHttp10", "GET /health HTTP/1.0\r\n", 200, "GET /health 200 3"},
    HostileCase{"HeadSendsNoBody", "HEAD /health HTTP/1.1\r\nHost: a\r\n", 200, "HEAD /health 200 0"},
    HostileCase{"UnknownVersion", "GET /health HTTP/2.0\r\nHost: a\r\n", 505, "GET /health 505 27"},
    HostileCase{"BadRequestLine", "GET /health HTTP/1.1x\r\nHost: a\r\n", 400, "GET /health 400 12"},
    HostileCase{"NoColon", "GET /health HTTP/1.1\r\nHost: a\r\nNo colon\r\n", 400, "GET /health 400 12"},
    HostileCase{"LengthNotANumber", "GET /health HTTP/1.1\r\nHost: a\r\nContent-Length: abc\r\n",
                400, "GET /health 400 12"},
    HostileCase{"HeadOf70KiB", "GET /health HTTP/1.1\r\nHost: a\r\nX: " + QByteArray(qsizetype{70} * 1024, 'a') + "\r\n",
                431, "GET /health 431 32"},
};
// clang-format on

class HostileTest : public ::testing::TestWithParam<HostileCase> {};

// A request made to forge the log, steer the terminal or slip past the protocol's rules is
// answered with its status, once, with the headers of every answer, and logged in one line
// of five fields as printable ASCII.
TEST_P(HostileTest, IsAnsweredAndLoggedInOneLine) {
    Server server;
    const QByteArray answer = server.SendRaw(GetParam().head + "Connection: close\r\n\r\n");
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 " + QByteArray::number(GetParam().status)))
        << answer.left(200).toStdString();
    const QByteArray head = answer.left(answer.indexOf("\r\n\r\n") + 2);
    EXPECT_EQ(answer.count("HTTP/1.1 "), 1) << answer.toStdString();
    EXPECT_TRUE(head.contains("\r\nContent-Type: "));
    for (const auto& [name, value] : SafetyHeaders()) {
        EXPECT_TRUE(head.contains("\r\n" + name + ": " + value + "\r\n")) << name.toStdString();
    }
    QString logged = server.LogLine();
    logged.remove(QRegularExpression(QStringLiteral(" [0-9]+ms\\n$")));
    EXPECT_EQ(logged.toStdString(), GetParam().logged);
    EXPECT_EQ(server.Get("health").status, 200);
    EXPECT_TRUE(server.LogLine().startsWith(QStringLiteral("GET /health 200 3 ")));
}

INSTANTIATE_TEST_SUITE_P(Requests, HostileTest, ::testing::ValuesIn(kHostile), kCaseName);

// A client holding its share of connections, one still to send its request and one
// reading a set slowly, is refused another; a client from another address is answered.
TEST(ServeTest, TakesNoMoreConnectionsFromOneAddressThanItsShare) {
    Server server({"--per-client", "2"});
    const std::array held{server.Connect(), server.Connect("127.0.0.1", 4096)};
    held[1]->write("GET /worksheets.pdf?sheets=500&answers=each HTTP/1.1\r\nHost: a\r\n\r\n");
    ASSERT_TRUE(held[1]->waitForReadyRead(print_test::kWaitMilliseconds));
    EXPECT_EQ(server.SendRaw("GET /health HTTP/1.1\r\nHost: a\r\n\r\n"), "");
    EXPECT_TRUE(
        server.SendRaw("GET /health HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "127.0.0.2")
            .endsWith("\r\n\r\nok\n"));
}

// Ready while a set would be taken; busy, as a set asked for then is told, once every place
// to draw or wait is held.
TEST(ServeTest, IsReadyWhileASetWouldBeTaken) {
    Server server({"--sets", "1", "--queue", "1"});
    EXPECT_EQ(server.Get("ready").status, 200);
    // One slow reader draws, the other waits for its turn: no room is left.
    std::vector<std::unique_ptr<QTcpSocket>> readers;
    for (const char* address : {"127.0.0.1", "127.0.0.2"}) {
        readers.push_back(server.Connect(address, 4096));
        readers.back()->write(
            "GET /worksheets.pdf?sheets=500&answers=each HTTP/1.1\r\nHost: a\r\n\r\n");
        ASSERT_TRUE(readers.back()->waitForReadyRead(print_test::kWaitMilliseconds));
    }
    const Answer busy = server.Get("ready");
    EXPECT_EQ(busy.status, 503);
    EXPECT_EQ(busy.Header("Retry-After"), "5");
}

// The gate counts the sets drawing apart from those waiting, which the metrics report, and
// has room again once one leaves.
TEST(DrawingGateTest, CountsTheSetsDrawingAndWaiting) {
    DrawingGate gate(1, 2);
    const std::optional<DrawingTicket> first = gate.Enter("a");
    const std::optional<DrawingTicket> second = gate.Enter("b");
    const std::optional<DrawingTicket> third = gate.Enter("a");
    ASSERT_TRUE(first && second && third);
    EXPECT_FALSE(gate.Enter("c"));
    EXPECT_FALSE(gate.HasRoom());
    ASSERT_TRUE(gate.TakeTurn(*first, [] { return false; }));
    const SetOccupancy occupied = gate.Occupied();
    EXPECT_EQ(occupied.drawing, 1);
    EXPECT_EQ(occupied.waiting, 2);
    gate.GiveTurn(*first);
    gate.Leave(*first);
    EXPECT_TRUE(gate.HasRoom());
    gate.Leave(*second);
    gate.Leave(*third);
}

// The metrics count each answer under its route, the bytes sent and the set with its
// pages, and never carry a query or a path a client made up.
TEST(ServeTest, CountsWhatItDidWithoutWhatWasAsked) {
    Server server;
    QTemporaryDir folder;
    const Answer set = server.Get("worksheets.pdf?operation=x&highest=9&sheets=2&answers=each");
    ASSERT_EQ(set.status, 200);
    const Answer unknown = server.Get("secret-path?name=Ada");
    const QString pages = print_test::ReadPdfInfo(Saved(folder, u"set.pdf"_s, set.body),
                                                  print_test::PdfInfoPart::Document)
                              .section(QRegularExpression(u"Pages: +"_s), 1)
                              .section(u'\n', 0, 0);
    const Answer metrics = server.Get("metrics");
    EXPECT_EQ(metrics.Header("Content-Type"), "text/plain; version=0.0.4; charset=utf-8");
    for (const QByteArray& line : QList<QByteArray>{
             R"(tallyworth_http_requests_total{route="/worksheets.pdf",status="200"} 1)",
             R"(tallyworth_http_requests_total{route="other",status="404"} 1)",
             "tallyworth_http_response_bytes_total " +
                 QByteArray::number(set.body.size() + unknown.body.size()),
             "tallyworth_sets_drawn_total 1", "tallyworth_pages_drawn_total " + pages.toLatin1(),
             "tallyworth_sets_drawing 0", "tallyworth_sets_queued 0",
             R"(tallyworth_set_drawing_seconds_bucket{le="+Inf"} 1)",
             "tallyworth_set_drawing_seconds_count 1"}) {
        EXPECT_TRUE(metrics.body.contains("\n" + line + "\n")) << line.toStdString();
    }
    for (const char* asked : {"secret", "Ada", "highest"}) {
        EXPECT_FALSE(metrics.body.contains(asked)) << asked;
    }
}

// clang-format off
struct StopCase {
    const char* name;
    int signal;
};
const std::array kStops{StopCase{"Terminate", SIGTERM}, StopCase{"HangUp", SIGHUP},
                        StopCase{"Interrupt", SIGINT}};
// clang-format on

class StopTest : public ::testing::TestWithParam<StopCase> {};

// Stopped as a service manager or a closed terminal stops it, the server takes no more
// connections, lets a set under way finish whole, then ends cleanly.
TEST_P(StopTest, LetsASetUnderWayFinish) {
    Server server;
    // A small window keeps most of the set in the server until the client reads.
    const std::unique_ptr<QTcpSocket> reader = server.Connect("127.0.0.1", 4096);
    reader->write(
        "GET /worksheets.pdf?operation=x&highest=12&sheets=30&answers=each HTTP/1.0\r\n"
        "Host: a\r\nConnection: close\r\n\r\n");
    ASSERT_TRUE(reader->waitForReadyRead(print_test::kWaitMilliseconds));
    ::kill(static_cast<pid_t>(server.Program().processId()), GetParam().signal);
    // Once a connection is refused, the server has taken the signal.
    for (int tries = 0; tries < 100 && !server.SendRaw("GET /health HTTP/1.0\r\n\r\n").isEmpty();
         ++tries) {
    }
    const QByteArray answer = reader->readAll() + Server::ReadToClose(*reader);
    EXPECT_TRUE(answer.trimmed().endsWith("%%EOF")) << answer.right(100).toStdString();
    EXPECT_EQ(FinishTallyworth(server.Program()).status, 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, StopTest, ::testing::ValuesIn(kStops), kCaseName);

}  // namespace
}  // namespace tallyworth::cli_test
