#include "printing/print_cups.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cups/cups.h>

#include <memory>

namespace tallyworth {

namespace {

struct DestinationDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationDeleter>;

struct QueueName {
    QByteArray queue;
    QByteArray instance;
};

QueueName SplitQueueName(const QString& printerName) {
    const qsizetype slash = printerName.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        return {printerName.toLocal8Bit(), {}};
    }
    return {printerName.left(slash).toLocal8Bit(), printerName.mid(slash + 1).toLocal8Bit()};
}

Destination FindDestination(const QueueName& name) {
    // A null connection means the scheduler that CUPS_SERVER or the client set-up names.
    return Destination(
        cupsGetNamedDest(nullptr, name.queue.constData(),
                         name.instance.isEmpty() ? nullptr : name.instance.constData()));
}

QByteArray DestinationOption(const cups_dest_t& dest, const char* option) {
    return QByteArray(cupsGetOption(option, dest.num_options, dest.options));
}

struct ConnectionCloser {
    void operator()(http_t* http) const { httpClose(http); }
};

}  // namespace

bool PrintServiceReachable() {
    // Long enough for a scheduler that is started on demand; a local socket answers
    // or fails at once.
    constexpr int kConnectMilliseconds = 5000;
    const std::unique_ptr<http_t, ConnectionCloser> connection(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                     kConnectMilliseconds, nullptr));
    return connection != nullptr;
}

PrinterReadiness QueryPrinterReadiness(const QString& printerName) {
    const Destination dest = FindDestination(SplitQueueName(printerName));
    if (!dest) {
        return {};
    }
    PrinterReadiness readiness;
    readiness.known = true;
    readiness.stopped = DestinationOption(*dest, "printer-state").toInt() == IPP_PSTATE_STOPPED;
    // Older schedulers leave the attribute out; they accept unless they say otherwise.
    const QByteArray accepting = DestinationOption(*dest, "printer-is-accepting-jobs");
    readiness.acceptingJobs = accepting.isEmpty() || accepting == "true";
    return readiness;
}

JobSubmission SubmitPdfJob(const QString& printerName, const QString& pdfPath, const QString& title,
                           int copies) {
    const QueueName name = SplitQueueName(printerName);
    const Destination dest = FindDestination(name);
    // The job's options start as the queue's own; copies are added on top of a copy of them.
    int optionCount = 0;
    cups_option_t* options = nullptr;
    for (int index = 0; dest && index < dest->num_options; ++index) {
        optionCount = cupsAddOption(dest->options[index].name, dest->options[index].value,
                                    optionCount, &options);
    }
    if (copies > 1) {
        optionCount =
            cupsAddOption("copies", QByteArray::number(copies).constData(), optionCount, &options);
        optionCount = cupsAddOption("collate", "true", optionCount, &options);
    }
    const int job = cupsPrintFile(name.queue.constData(), pdfPath.toLocal8Bit().constData(),
                                  title.toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job > 0) {
        return {true, {}};
    }
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    return {false, reason.isEmpty() ? QCoreApplication::translate("tallyworth::Printing",
                                                                  "the print system gave no reason")
                                    : reason};
}

}  // namespace tallyworth
