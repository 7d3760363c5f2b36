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

class SystemPageOutput final : public PageOutput {
  public:
    PrintOutcome Print(const PageControls& page) override;
    PrintOutcome SaveAsPdf(const PageControls& page, const QString& fileName) override;
};

// One of each, living as long as the windows that use them.
class DefaultUserInterfaces {
  public:
    UserInterfaces Bundle() { return {messages_, colors_, files_, output_}; }

  private:
    DialogUserMessages messages_;
    DialogColorChooser colors_;
    DialogFileChooser files_;
    SystemPageOutput output_;
};

}  // namespace tallyworth
