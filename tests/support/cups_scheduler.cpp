#include "support/cups_scheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>

namespace tallyworth::cups_test {

namespace {

constexpr int kStartSeconds = 30;
constexpr int kJobSeconds = 60;
constexpr int kStopMilliseconds = 15000;
constexpr int kPollMilliseconds = 25;

// A US Letter printer (A4 once its defaults are swapped) with quarter-inch margins that takes PDF
// as it is: the empty filter ("-") hands the document to the backend untouched.
constexpr const char* kPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "WSPDF.PPD"
*Manufacturer: "Tallyworth Tests"
*Product: "(Worksheet PDF)"
*ModelName: "Worksheet PDF"
*ShortNickName: "Worksheet PDF"
*NickName: "Worksheet PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 18 594 774"
*ImageableArea A4/A4: "18 18 577 824"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
*DefaultResolution: 600dpi
)ppd";

// Files each job under the directory its device URI names; the rename makes a file
// appear only once it is complete.
constexpr const char* kBackend = R"sh(#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct pdfdir "Unknown" "Worksheet PDF directory"'
  exit 0
fi
dir=${DEVICE_URI#pdfdir:}
if [ $# -ge 6 ]; then cat "$6"; else cat; fi > "$dir/.job-$1.part" || exit 1
chmod 644 "$dir/.job-$1.part"
mv "$dir/.job-$1.part" "$dir/job-$1.pdf"
)sh";

bool WriteTextFile(const QString& path, const QString& text,
                   QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadGroup | QFile::ReadOther) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.setPermissions(permissions);
}

QFile::Permissions OpenDirectoryPermissions(bool everyoneWrites) {
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                     QFile::ExeOther;
    if (everyoneWrites) {
        permissions |= QFile::WriteGroup | QFile::WriteOther;
    }
    return permissions;
}

QString FindProgram(const QString& name) {
    const QStringList places = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")};
    QString found = QStandardPaths::findExecutable(name, places);
    return found.isEmpty() ? QStandardPaths::findExecutable(name) : found;
}

// Where the installed scheduler keeps its helper programs (cups-exec and friends).
QString SystemServerBin() {
    for (const char* candidate : {"/usr/lib/cups", "/usr/libexec/cups", "/usr/local/lib/cups"}) {
        if (QFileInfo(QString::fromLatin1(candidate) + QStringLiteral("/daemon")).isDir()) {
            return QString::fromLatin1(candidate);
        }
    }
    return {};
}

bool SocketPathFits(const QString& socketPath) {
    return static_cast<std::size_t>(QFile::encodeName(socketPath).size()) <
           sizeof(sockaddr_un::sun_path);
}

bool SocketAnswers(const QString& socketPath) {
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (!SocketPathFits(socketPath)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    // The sockaddr cast is how the socket interface takes every address family.
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

int ActiveJobCount() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(nullptr, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    if (count > 0) {
        cupsFreeJobs(count, jobs);
    }
    return count;
}

int JobNumber(const QString& fileName) {
    return fileName.section(QLatin1Char('-'), 1).section(QLatin1Char('.'), 0, 0).toInt();
}

}  // namespace

bool RunningInCi() {
    const QString ci = qEnvironmentVariable("CI").trimmed().toLower();
    return !ci.isEmpty() && ci != QStringLiteral("false") && ci != QStringLiteral("0");
}

PrivateScheduler::PrivateScheduler(QueueSetup setup)
    : setup_(setup), root_(QDir::temp().filePath(QStringLiteral("tallyworth-cups-XXXXXX"))) {}

PrivateScheduler::~PrivateScheduler() {
    Stop();
}

QString PrivateScheduler::Path(const QString& relative) const {
    return root_.filePath(relative);
}

QString PrivateScheduler::SocketPath() const {
    return Path(QStringLiteral("cups.sock"));
}

QString PrivateScheduler::Ppd() const {
    QString ppd = QString::fromLatin1(kPpd);
    if (setup_ == QueueSetup::PdfWriterA4) {
        for (const char* option : {"PageSize", "PageRegion", "ImageableArea", "PaperDimension"}) {
            const QString line = QStringLiteral("*Default%1: ").arg(QLatin1String(option));
            ppd.replace(line + QStringLiteral("Letter"), line + QStringLiteral("A4"));
        }
    }
    return ppd;
}

QString PrivateScheduler::WriteConfiguration() const {
    const QString serverBin = SystemServerBin();
    if (serverBin.isEmpty()) {
        return QStringLiteral("the scheduler's helper programs (cups/daemon) are not installed");
    }
    QDir dir(root_.path());
    for (const char* sub :
         {"etc/ppd", "spool", "cache", "state", "tmp", "log", "out", "bin/backend"}) {
        if (!dir.mkpath(QString::fromLatin1(sub))) {
            return QStringLiteral("cannot create %1").arg(Path(QString::fromLatin1(sub)));
        }
    }
    // The scheduler runs its helpers as an unprivileged user, who must reach the tree
    // and file jobs into out/.
    for (const char* sub : {"", "etc", "etc/ppd", "tmp", "log", "bin", "bin/backend"}) {
        QFile::setPermissions(Path(QString::fromLatin1(sub)), OpenDirectoryPermissions(false));
    }
    QFile::setPermissions(Path(QStringLiteral("out")), OpenDirectoryPermissions(true));
    QFile::setPermissions(Path(QStringLiteral("tmp")), OpenDirectoryPermissions(true));

    for (const QFileInfo& entry :
         QDir(serverBin).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.fileName() != QStringLiteral("backend")) {
            QFile::link(entry.absoluteFilePath(), Path(QStringLiteral("bin/") + entry.fileName()));
        }
    }
    const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::ExeOther;
    const QString cupsdConf = QStringLiteral(
                                  "Listen %1\n"
                                  "Browsing No\n"
                                  "BrowseLocalProtocols none\n"
                                  "WebInterface No\n"
                                  "LogLevel info\n"
                                  "ErrorPolicy abort-job\n"
                                  "DefaultAuthType None\n"
                                  "<Policy default>\n"
                                  "  JobPrivateAccess all\n"
                                  "  JobPrivateValues none\n"
                                  "  SubscriptionPrivateAccess all\n"
                                  "  SubscriptionPrivateValues none\n"
                                  "  <Limit All>\n"
                                  "    Order deny,allow\n"
                                  "    Allow all\n"
                                  "  </Limit>\n"
                                  "</Policy>\n")
                                  .arg(SocketPath());
    const QString filesConf =
        QStringLiteral(
            "ServerRoot %1\nServerBin %2\nRequestRoot %3\nCacheDir %4\nStateDir %5\n"
            "TempDir %6\nErrorLog %7\nAccessLog %8\nPageLog %9\n"
            "User lp\nGroup lp\nSystemGroup root\n")
            .arg(Path(QStringLiteral("etc")), Path(QStringLiteral("bin")),
                 Path(QStringLiteral("spool")), Path(QStringLiteral("cache")),
                 Path(QStringLiteral("state")), Path(QStringLiteral("tmp")),
                 Path(QStringLiteral("log/error_log")), Path(QStringLiteral("log/access_log")),
                 Path(QStringLiteral("log/page_log")));
    bool written = WriteTextFile(Path(QStringLiteral("etc/cupsd.conf")), cupsdConf) &&
                   WriteTextFile(Path(QStringLiteral("etc/cups-files.conf")), filesConf) &&
                   WriteTextFile(Path(QStringLiteral("bin/backend/pdfdir")),
                                 QString::fromLatin1(kBackend), executable);
    if (setup_ != QueueSetup::NoPrinter) {
        const QString printers =
            QStringLiteral(
                "<DefaultPrinter %1>\nInfo Worksheet PDF\nDeviceURI pdfdir:%2\nState %3\n"
                "Accepting %4\nShared No\n</DefaultPrinter>\n")
                .arg(
                    QueueName(), Path(QStringLiteral("out")),
                    setup_ == QueueSetup::Stopped ? QStringLiteral("Stopped")
                                                  : QStringLiteral("Idle"),
                    setup_ == QueueSetup::Rejecting ? QStringLiteral("No") : QStringLiteral("Yes"));
        written = written && WriteTextFile(Path(QStringLiteral("etc/printers.conf")), printers) &&
                  WriteTextFile(Path(QStringLiteral("etc/ppd/%1.ppd").arg(QueueName())), Ppd());
    }
    return written ? QString() : QStringLiteral("cannot write the scheduler's configuration");
}

QString PrivateScheduler::Start() {
    if (!root_.isValid()) {
        return QStringLiteral("cannot create a temporary directory: %1").arg(root_.errorString());
    }
    if (!SocketPathFits(SocketPath())) {
        return QStringLiteral("the socket path %1 is too long; use a shorter TMPDIR")
            .arg(SocketPath());
    }
    const QString cupsd = FindProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty()) {
        return QStringLiteral("cupsd is not installed (Debian package cups-daemon)");
    }
    if (QString problem = WriteConfiguration(); !problem.isEmpty()) {
        return problem;
    }
    daemon_ = std::make_unique<QProcess>();
    daemon_->setProcessChannelMode(QProcess::MergedChannels);
    // Should the test program die, the scheduler goes with it.
    daemon_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_->start(
        cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), Path(QStringLiteral("etc/cupsd.conf")),
                QStringLiteral("-s"), Path(QStringLiteral("etc/cups-files.conf"))});
    if (!daemon_->waitForStarted()) {
        return QStringLiteral("cupsd did not start: %1").arg(daemon_->errorString());
    }
    if (QString problem = WaitUntilAnswering(); !problem.isEmpty()) {
        Stop();
        return problem;
    }
    PointClientsHere();
    return {};
}

QString PrivateScheduler::WaitUntilAnswering() {
    const QDeadlineTimer deadline{std::chrono::seconds(kStartSeconds)};
    while (!SocketAnswers(SocketPath())) {
        // Waiting for the process to end doubles as the pause between two tries.
        if (daemon_->waitForFinished(kPollMilliseconds) ||
            daemon_->state() == QProcess::NotRunning) {
            return QStringLiteral("cupsd stopped at once: %1 %2")
                .arg(QString::fromLocal8Bit(daemon_->readAll()), ErrorLog());
        }
        if (deadline.hasExpired()) {
            return QStringLiteral("cupsd did not answer on %1 within %2 s")
                .arg(SocketPath())
                .arg(kStartSeconds);
        }
    }
    return {};
}

void PrivateScheduler::PointClientsHere() const {
    const QByteArray socket = QFile::encodeName(SocketPath());
    qputenv("CUPS_SERVER", socket);
    qputenv("CUPS_SERVERROOT", QFile::encodeName(Path(QStringLiteral("etc"))));
    // A user's chosen destination would override the scheduler's default queue.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    // libcups remembers its server per thread; this switches it even after an earlier
    // scheduler was used in the same process.
    cupsSetServer(socket.constData());
}

void PrivateScheduler::Stop() {
    if (!daemon_) {
        return;
    }
    if (daemon_->state() != QProcess::NotRunning) {
        daemon_->terminate();
        if (!daemon_->waitForFinished(kStopMilliseconds)) {
            daemon_->kill();
            daemon_->waitForFinished(kStopMilliseconds);
        }
    }
    daemon_.reset();
}

QString PrivateScheduler::RunTool(const QString& tool, const QStringList& arguments) const {
    const QString program = FindProgram(tool);
    if (program.isEmpty()) {
        return QStringLiteral("%1 is not installed").arg(tool);
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), SocketPath());
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(kStopMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("%1 did not finish").arg(tool);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QStringLiteral("%1 failed: %2").arg(tool, QString::fromLocal8Bit(process.readAll()));
    }
    return {};
}

bool PrivateScheduler::WaitForJobsToFinish() const {
    const QDeadlineTimer deadline{std::chrono::seconds(kJobSeconds)};
    for (int active = ActiveJobCount(); active != 0; active = ActiveJobCount()) {
        if (active < 0 || deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(kPollMilliseconds);
    }
    return true;
}

QStringList PrivateScheduler::PrintedFiles() const {
    const QDir out(Path(QStringLiteral("out")));
    QStringList names = out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString& left, const QString& right) {
        return JobNumber(left) < JobNumber(right);
    });
    QStringList paths;
    for (const QString& name : names) {
        paths.append(out.filePath(name));
    }
    return paths;
}

QString PrivateScheduler::ErrorLog() const {
    QFile log(Path(QStringLiteral("log/error_log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

}  // namespace tallyworth::cups_test
