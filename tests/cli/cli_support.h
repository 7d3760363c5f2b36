#pragma once

// The program is run as a user runs it from a shell: the built tallyworth, with no display
// and no platform chosen, its PDFs read back with pdftotext from poppler-utils.

#include "support/cups_harness.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <functional>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tallyworth::cli_test {

using print_test::PdfPage;

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
    QByteArray bytesOut;  // standard output as written
};

// Starts tallyworth with the arguments in an English US locale with no display; extra holds
// NAME=VALUE settings of the environment, an empty value to remove one.
inline void StartTallyworth(QProcess& program, const QStringList& arguments,
                            const QStringList& extra = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_PAPER",
                             "LC_NUMERIC", "LANGUAGE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    for (const QString& setting : extra) {
        const QString name = setting.section(u'=', 0, 0);
        const QString value = setting.section(u'=', 1);
        value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
    }
    program.setProcessEnvironment(environment);
    // A test started in the background inherits SIGINT ignored, which the program keeps, as
    // a program under nohup does: the tests that interrupt it want the default.
    program.setChildProcessModifier([given = program.childProcessModifier()] {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
        if (given) {
            given();
        }
    });
    program.start(QStringLiteral(TALLYWORTH_PROGRAM), arguments);
}

// Waits for a started tallyworth to end; status is -1 when it did not end by itself.
inline ProgramRun FinishTallyworth(QProcess& program) {
    const bool finished = program.waitForFinished(print_test::kWaitMilliseconds);
    EXPECT_TRUE(finished) << program.errorString().toStdString();
    const QByteArray out = program.readAllStandardOutput();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(out), QString::fromUtf8(program.readAllStandardError()), out};
}

inline ProgramRun RunTallyworth(const QStringList& arguments, const QStringList& extra = {}) {
    QProcess program;
    StartTallyworth(program, arguments, extra);
    return FinishTallyworth(program);
}

// Reads a named pipe until its writer closes it, calling firstBytes once the first bytes
// have come; without a writer for kWaitMilliseconds it gives what it has.
inline QByteArray ReadPipe(const QString& pipe, const std::function<void()>& firstBytes = {}) {
    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    EXPECT_GE(reader, 0) << pipe.toStdString();
    QByteArray read;
    std::array<char, 65536> chunk{};
    pollfd waiting{reader, POLLIN, 0};
    while (::poll(&waiting, 1, print_test::kWaitMilliseconds) > 0) {
        const ssize_t got = ::read(reader, chunk.data(), chunk.size());
        if (got == 0 || (got < 0 && errno != EAGAIN)) {
            break;
        }
        if (got > 0 && read.isEmpty() && firstBytes) {
            firstBytes();
        }
        read.append(chunk.data(), std::max<ssize_t>(got, 0));
    }
    ::close(reader);
    return read;
}

// The plain text of a PDF, page by page as pdftotext lays it out.
inline QString PdfText(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(print_test::kWaitMilliseconds));
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// A sheet code as a page shows it.
inline const QRegularExpression kCode(QStringLiteral("\\b[0-9A-Z]{5}-[0-9A-Z]{5}-[0-9A-Z]{4}\\b"));

}  // namespace tallyworth::cli_test
