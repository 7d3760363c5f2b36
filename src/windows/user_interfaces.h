#pragma once

#include "core/class_set.h"
#include "core/validation.h"
#include "page_model/printed_page.h"
#include "printing/page_printing.h"

#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPrinter;

namespace tallyworth {

// Modal message boxes: messages with one OK button, and questions answered Yes or No.
// The windows talk to the user through this so that tests can record every message and
// answer every question without a modal loop.
class UserMessages {
  public:
    virtual ~UserMessages() = default;
    virtual void ShowMessage(const QString& title, const QString& text, MessageIcon icon) = 0;
    // True when the user answers Yes.
    [[nodiscard]] virtual bool AskYesNo(const QString& title, const QString& text) = 0;
};

// The colour dialog. Returns the chosen colour, or current when the user cancels.
class ColorChooser {
  public:
    virtual ~ColorChooser() = default;
    virtual ColorValue ChooseColor(ColorValue current) = 0;
};

// The save-file dialog for exports; nothing when the user cancels.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> ChooseSaveFile() = 0;
};

// The print dialog for a class set: the printer, its paper and the copies the user chose,
// or nothing when the user cancels.
class PrinterChooser {
  public:
    virtual ~PrinterChooser() = default;
    virtual std::unique_ptr<QPrinter> ChoosePrinter() = 0;
};

// The dialog where the user types a sheet code: the text as typed, or nothing when the
// user cancels.
class SheetCodeAsker {
  public:
    virtual ~SheetCodeAsker() = default;
    virtual std::optional<QString> AskSheetCode() = 0;
};

enum class ClassSetDestination { PdfFile, Printer };

// What the user chose for a class set; the worksheets themselves come from the settings.
struct ClassSetChoice {
    int sheets = 25;  // kLeastSheets to kMostSheets
    AnswerKeys answerKeys = AnswerKeys::None;
    bool header = true;
    ClassSetDestination destination = ClassSetDestination::PdfFile;
    QPageSize::PageSizeId paper = QPageSize::Letter;  // of a PDF file; a printer has its own
    friend bool operator==(const ClassSetChoice&, const ClassSetChoice&) = default;
};

// The class-set dialog; nothing when the user cancels.
class ClassSetAsker {
  public:
    virtual ~ClassSetAsker() = default;
    virtual std::optional<ClassSetChoice> AskClassSet() = 0;
};

// Where a finished page or class set goes: a printer or a PDF file.
class PageOutput {
  public:
    virtual ~PageOutput() = default;
    virtual PrintOutcome Print(const PageMaker& pages) = 0;
    // The sheet code, when the page has one, goes into the file's metadata.
    virtual PrintOutcome SaveAsPdf(const PageMaker& pages, const QString& fileName,
                                   const QString& sheetCode) = 0;
    // Both stop with a failure once progress reports that the user cancelled; then no
    // file is left and no job is sent.
    virtual PrintOutcome WriteClassSetPdf(const ClassSetRequest& request,
                                          QPageSize::PageSizeId paper, const QString& fileName,
                                          SetProgress& progress) = 0;
    virtual PrintOutcome PrintClassSet(const ClassSetRequest& request, QPrinter& printer,
                                       SetProgress& progress) = 0;
};

// Everything the windows need of the user and the outside world, in one bundle.
struct UserInterfaces {
    UserMessages& messages;
    ColorChooser& colors;
    FileChooser& files;
    PageOutput& output;
    SheetCodeAsker& sheetCodes;
    ClassSetAsker& classSets;
    PrinterChooser& printers;
};

}  // namespace tallyworth
