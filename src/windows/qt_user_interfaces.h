#pragma once

#include "windows/user_interfaces.h"

namespace tallyworth {

// The program's own implementations: Qt's standard dialogs and the system printer.
class DialogUserMessages final : public UserMessages {
  public:
    void ShowMessage(const QString& title, const QString& text, MessageIcon icon) override;
    [[nodiscard]] bool AskYesNo(const QString& title, const QString& text) override;
};

class DialogColorChooser final : public ColorChooser {
  public:
    ColorValue ChooseColor(ColorValue current) override;
};

class DialogFileChooser final : public FileChooser {
  public:
    std::optional<QString> ChooseSaveFile() override;
};

// Qt's print dialog on a printer in high resolution, for the whole document.
class DialogPrinterChooser final : public PrinterChooser {
  public:
    std::unique_ptr<QPrinter> ChoosePrinter() override;
};

// Offers the code typed last, so that a mistyped code is put right rather than typed again.
class DialogSheetCodeAsker final : public SheetCodeAsker {
  public:
    std::optional<QString> AskSheetCode() override;

  private:
    QString lastTyped_;
};

// Offers the choices made last.
class DialogClassSetAsker final : public ClassSetAsker {
  public:
    std::optional<ClassSetChoice> AskClassSet() override;

  private:
    std::optional<ClassSetChoice> lastChoice_;
};

class SystemPageOutput final : public PageOutput {
  public:
    PrintOutcome Print(const PageMaker& pages) override;
    PrintOutcome SaveAsPdf(const PageMaker& pages, const QString& fileName,
                           const QString& sheetCode) override;
    PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, QPageSize::PageSizeId paper,
                                  const QString& fileName, SetProgress& progress) override;
    PrintOutcome PrintClassSet(const ClassSetRequest& request, QPrinter& printer,
                               SetProgress& progress) override;
};

// One of each, living as long as the windows that use them.
class DefaultUserInterfaces {
  public:
    UserInterfaces Bundle() {
        return {messages_, colors_, files_, output_, sheetCodes_, classSets_, printers_};
    }

  private:
    DialogUserMessages messages_;
    DialogColorChooser colors_;
    DialogFileChooser files_;
    SystemPageOutput output_;
    DialogSheetCodeAsker sheetCodes_;
    DialogClassSetAsker classSets_;
    DialogPrinterChooser printers_;
};

}  // namespace tallyworth
