#pragma once

#include "core/validation.h"
#include "page_model/page_controls.h"
#include "printing/page_printing.h"

#include <QString>

#include <optional>

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

// Where a finished page goes: the default printer or a PDF file.
class PageOutput {
  public:
    virtual ~PageOutput() = default;
    virtual PrintOutcome Print(const PageControls& page) = 0;
    virtual PrintOutcome SaveAsPdf(const PageControls& page, const QString& fileName) = 0;
};

// Everything the windows need of the user and the outside world, in one bundle.
struct UserInterfaces {
    UserMessages& messages;
    ColorChooser& colors;
    FileChooser& files;
    PageOutput& output;
};

}  // namespace tallyworth
