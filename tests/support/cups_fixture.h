#pragma once

#include "support/cups_printed_pdf.h"
#include "support/cups_scheduler.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <vector>

namespace tallyworth::cups_test {

// A test with a private scheduler of its own, started before and stopped after each
// test, so no test sees another's queue state or jobs. In CI a scheduler that cannot
// start fails the test; elsewhere the test is skipped with the reason.
class SchedulerTest : public ::testing::Test {
  protected:
    explicit SchedulerTest(QueueSetup setup) : scheduler_(setup) {}

    void SetUp() override {
        const QString problem = scheduler_.Start();
        if (problem.isEmpty()) {
            return;
        }
        if (RunningInCi()) {
            FAIL() << "the private print scheduler did not start: " << problem.toStdString();
        }
        GTEST_SKIP() << "the private print scheduler did not start: " << problem.toStdString();
    }

    void TearDown() override { scheduler_.Stop(); }

    // The pages of every job the queue has filed, once all jobs are done.
    std::vector<std::vector<PdfPage>> PrintedJobs() {
        std::vector<std::vector<PdfPage>> jobs;
        if (!scheduler_.WaitForJobsToFinish()) {
            ADD_FAILURE() << "the print jobs did not finish:\n"
                          << scheduler_.ErrorLog().toStdString();
            return jobs;
        }
        for (const QString& file : scheduler_.PrintedFiles()) {
            QString error;
            jobs.push_back(ReadPdfPages(file, &error));
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        }
        return jobs;
    }

    PrivateScheduler scheduler_;
};

}  // namespace tallyworth::cups_test
