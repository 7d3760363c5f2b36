#pragma once

#include "support/value_printers.h"
#include "windows/user_interfaces.h"

#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

namespace tallyworth::testing_support {

struct RecordedMessage {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

inline void PrintTo(const RecordedMessage& message, std::ostream* out) {
    *out << message.title.toStdString() << ": " << message.text.toStdString() << " (icon "
         << static_cast<int>(message.icon) << ")";
}

struct RecordedQuestion {
    QString title;
    QString text;
    friend bool operator==(const RecordedQuestion&, const RecordedQuestion&) = default;
};

inline void PrintTo(const RecordedQuestion& question, std::ostream* out) {
    *out << question.title.toStdString() << ": " << question.text.toStdString();
}

// Records every message and question instead of opening a modal box, and answers each
// question with the programmed answer.
class RecordingMessages final : public UserMessages {
  public:
    void ShowMessage(const QString& title, const QString& text, MessageIcon icon) override {
        shown.push_back({title, text, icon});
    }
    [[nodiscard]] bool AskYesNo(const QString& title, const QString& text) override {
        asked.push_back({title, text});
        return answer;
    }
    std::vector<RecordedMessage> shown;
    std::vector<RecordedQuestion> asked;
    bool answer = true;
};

// Answers with a programmed colour, or as a cancelled dialog does (the colour it held).
class ScriptedColors final : public ColorChooser {
  public:
    ColorValue ChooseColor(ColorValue current) override { return next.value_or(current); }
    std::optional<ColorValue> next;
};

class ScriptedFiles final : public FileChooser {
  public:
    std::optional<QString> ChooseSaveFile() override { return next; }
    std::optional<QString> next;
};

// The print dialog: a printer that writes PDF, so that no test reaches a real printer.
class ScriptedPrinters final : public PrinterChooser {
  public:
    std::unique_ptr<QPrinter> ChoosePrinter() override {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        return printer;
    }
};

class ScriptedSheetCodes final : public SheetCodeAsker {
  public:
    std::optional<QString> AskSheetCode() override { return next; }
    std::optional<QString> next;
};

class ScriptedClassSets final : public ClassSetAsker {
  public:
    std::optional<ClassSetChoice> AskClassSet() override { return next; }
    std::optional<ClassSetChoice> next;
};

// A class set handed to the output, with where it was to go.
struct RecordedClassSet {
    ClassSetRequest request;
    ClassSetDestination destination = ClassSetDestination::PdfFile;
    QPageSize::PageSizeId paper = QPageSize::Letter;  // of a PDF file
    QString fileName;                                 // of a PDF file
    friend bool operator==(const RecordedClassSet&, const RecordedClassSet&) = default;
};

// Output that records what it is given and succeeds, a print with the given notice; a
// class set does what classSetJob does with its progress. Printing and writing are tested
// against a real scheduler and real files.
class RecordingOutput final : public PageOutput {
  public:
    PrintOutcome Print(const PageMaker&) override {
        ++prints;
        return printNotice.isEmpty() ? PrintOutcome::Done() : PrintOutcome::Notice(printNotice);
    }
    PrintOutcome SaveAsPdf(const PageMaker&, const QString& fileName,
                           const QString& sheetCode) override {
        saved.push_back({fileName, sheetCode});
        return PrintOutcome::Done();
    }
    PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, QPageSize::PageSizeId paper,
                                  const QString& fileName, SetProgress& progress) override {
        classSets.push_back({request, ClassSetDestination::PdfFile, paper, fileName});
        return RunJob(progress);
    }
    PrintOutcome PrintClassSet(const ClassSetRequest& request, QPrinter&,
                               SetProgress& progress) override {
        classSets.push_back({request, ClassSetDestination::Printer, QPageSize::Letter, {}});
        return RunJob(progress);
    }

    QString printNotice;
    int prints = 0;
    std::vector<std::pair<QString, QString>> saved;  // file name and sheet code
    std::vector<RecordedClassSet> classSets;
    std::function<PrintOutcome(SetProgress&)> classSetJob;

  private:
    PrintOutcome RunJob(SetProgress& progress) const {
        return classSetJob ? classSetJob(progress) : PrintOutcome::Done();
    }
};

// One of each fake, as the windows borrow them; a test fixture derives from it and reads
// the fakes by name. A test of the real output hands its own.
struct FakeUserInterfaces {
    UserInterfaces Bundle() { return Bundle(output); }
    UserInterfaces Bundle(PageOutput& pageOutput) {
        return {messages, colors, files, pageOutput, sheetCodes, classSets, printers};
    }
    RecordingMessages messages;
    ScriptedColors colors;
    ScriptedFiles files;
    ScriptedSheetCodes sheetCodes;
    ScriptedClassSets classSets;
    ScriptedPrinters printers;
    RecordingOutput output;
};

}  // namespace tallyworth::testing_support
