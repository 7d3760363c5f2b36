// The server is run as IT runs it: the built tallyworth --serve on a free loopback port,
// asked by curl as a browser or a script asks, its answers held against the command line's.

#include "cli/cli_support.h"
#include "cli/set_limits.h"

#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <iterator>
#include <vector>

namespace tallyworth::cli_test {
namespace {

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

class Server {
  public:
    // environment: NAME=VALUE settings for the server, as StartTallyworth takes them.
    explicit Server(const QStringList& environment = {}) {
        StartTallyworth(program_, {"--serve", "--listen", "127.0.0.1:0"}, environment);
        EXPECT_TRUE(program_.waitForReadyRead(print_test::kWaitMilliseconds));
        url_ = QString::fromUtf8(program_.readLine()).trimmed();
    }
    // Stops as a service is stopped; the exit status, -1 when it did not end by itself.
    int Stop() {
        ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
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

    // Asks with curl; arguments go before the address.
    Answer Get(const QString& path, const QStringList& arguments = {}) const {
        QProcess curl;
        curl.start(QStringLiteral("curl"), QStringList{"-sS", "-D", "-", "--path-as-is"} +
                                               arguments + QStringList{url_ + path});
        EXPECT_TRUE(curl.waitForFinished(print_test::kWaitMilliseconds));
        const QByteArray out = curl.readAllStandardOutput();
        const qsizetype split = out.indexOf("\r\n\r\n");
        Answer answer{0, curl.exitCode(), QString::fromLatin1(out.left(split)), out.mid(split + 4)};
        answer.status = answer.headers.section(u' ', 1, 1).toInt();
        return answer;
    }

    QProcess& Program() { return program_; }

  private:
    QProcess program_;
    QString url_;
};

// One server for the suite: it keeps no state between requests.
Server& Shared() {
    static Server server;
    return server;
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
};
// clang-format on

class SameSetTest : public ::testing::TestWithParam<SetCase> {};

// The code the server sends back brings back, on the command line, the very same sheets.
TEST_P(SameSetTest, AsTheCommandLineMakesThem) {
    QTemporaryDir folder;
    const Answer served = Shared().Get(QStringLiteral("worksheets.pdf?") + GetParam().query);
    ASSERT_EQ(served.status, 200);
    EXPECT_EQ(served.Header("Content-Type"), "application/pdf");
    const QString code = served.Header("X-Tallyworth-Code");
    QFile file(folder.filePath("served.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(served.body) == served.body.size());
    file.close();
    const ProgramRun made = RunTallyworth(
        QStringList{"--pdf", folder.filePath("made.pdf"), "--code", code} + GetParam().options);
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(made.out.trimmed(), code);
    EXPECT_TRUE(served.body.contains(code.toLatin1()));  // in the XMP keywords
    EXPECT_EQ(PdfText(folder.filePath("served.pdf")).toStdString(),
              PdfText(folder.filePath("made.pdf")).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Settings, SameSetTest, ::testing::ValuesIn(kSets),
                         [](const auto& param) { return std::string(param.param.name); });

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
    Server server({QStringLiteral("LANG=") + limit.locale});
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
struct BadValueCase {
    const char* name;
    const char* query;
    QStringList options;  // the same values on the command line
};
const std::array kBadValues{
    BadValueCase{"SheetsOutOfRange", "sheets=501", {"--sheets", "501"}},
    BadValueCase{"LowestAboveHighest", "lowest=12&highest=3", {"--lowest", "12", "--highest", "3"}},
    BadValueCase{"NotAnAnswerKey", "answers=some", {"--answers", "some"}},
    BadValueCase{"MistypedCode", "code=10035-41YD5-SX9T", {"--code", "10035-41YD5-SX9T"}},
    BadValueCase{"NoProblemFits", "operation=/&lowest=50&highest=99&no-trivial=1",
                 {"--operation", "/", "--lowest", "50", "--highest", "99", "--no-trivial"}},
};
// clang-format on
const std::array kLanguages{std::pair{"en-GB", "en_GB.UTF-8"}, std::pair{"de-DE", "de_DE.UTF-8"},
                            std::pair{"fr", "fr_FR.UTF-8"}, std::pair{"es", "es_ES.UTF-8"},
                            std::pair{"nl-BE", "nl_BE.UTF-8"}};

class BadValueTest : public ::testing::TestWithParam<
                         std::tuple<BadValueCase, std::pair<const char*, const char*>>> {};

// A bad value gets 400 and the command line's own words in the browser's language, no PDF.
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
};
const QString kLongValue(20000, u'7');
const std::array kRequests{
    RequestCase{"Health", "health", {}, 200},
    RequestCase{"UnknownPath", "nothing", {}, 404},
    RequestCase{"OutsideTheBase", "../etc/passwd", {}, 404},
    RequestCase{"SheetsAsText", "worksheets.html?operation=x&sheets=2", {}, 200},
    RequestCase{"UnknownSetting", "worksheets.pdf?colour=red", {}, 400},
    RequestCase{"Post", "worksheets.pdf", {"-X", "POST"}, 405},
    RequestCase{"Body", "health", {"--data-binary", "x", "-X", "GET"}, 413},
    RequestCase{"LongAddress", "worksheets.pdf?code=", {"--url-query", "x=" + kLongValue}, 414},
    RequestCase{"ManyHeaders", "health", [] { QStringList many; for (int at = 0; at < 80; ++at) {
        many << "-H" << QStringLiteral("X-%1: 1").arg(at); } return many; }(), 431},
};
// clang-format on

class RequestTest : public ::testing::TestWithParam<RequestCase> {};

// Every answer, good or bad, carries the safety headers and no cookie.
TEST_P(RequestTest, AnswersWithItsStatusAndSafetyHeaders) {
    const Answer served = Shared().Get(GetParam().path, GetParam().arguments);
    EXPECT_EQ(served.status, GetParam().status) << served.headers.toStdString();
    if (served.status != 414 && served.status != 431) {
        EXPECT_EQ(served.Header("X-Content-Type-Options"), "nosniff");
        EXPECT_EQ(served.Header("Referrer-Policy"), "no-referrer");
        EXPECT_TRUE(served.Header("Content-Security-Policy").contains("script-src 'self'"));
    }
    EXPECT_EQ(served.Header("Set-Cookie"), "");
}

INSTANTIATE_TEST_SUITE_P(Requests, RequestTest, ::testing::ValuesIn(kRequests),
                         [](const auto& param) { return std::string(param.param.name); });

// A client that goes away mid-set is logged with what it got, and the server carries on
// and stops cleanly on SIGTERM.
TEST(ServeTest, OutlivesADisconnectAndStopsOnSigterm) {
    Server server;
    QProcess curl;
    curl.start(QStringLiteral("curl"),
               {"-sS", server.Url() + "worksheets.pdf?sheets=500&answers=each"});
    ASSERT_TRUE(curl.waitForReadyRead(print_test::kWaitMilliseconds));
    curl.kill();
    curl.waitForFinished();
    server.Program().setReadChannel(QProcess::StandardError);
    while (!server.Program().canReadLine()) {
        ASSERT_TRUE(server.Program().waitForReadyRead(print_test::kWaitMilliseconds));
    }
    const QStringList logged = QString::fromUtf8(server.Program().readLine()).split(u' ');
    ASSERT_EQ(logged.size(), 5);
    EXPECT_EQ(logged.mid(0, 3), QStringList({"GET", "/worksheets.pdf", "200"}));
    EXPECT_GT(logged[3].toLongLong(), 0);
    EXPECT_EQ(server.Get("health").body, "ok\n");
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
}  // namespace tallyworth::cli_test
