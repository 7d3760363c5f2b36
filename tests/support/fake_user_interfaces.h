#pragma once

#include "windows/user_interfaces.h"

#include <QString>

#include <optional>
#include <vector>

namespace tallyworth::testing_support {

struct RecordedMessage {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

struct RecordedQuestion {
    QString title;
    QString text;
    friend bool operator==(const RecordedQuestion&, const RecordedQuestion&) = default;
};

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

// Output that always succeeds, a print with the given notice; printing itself is tested
// against a real scheduler.
class SucceedingOutput final : public PageOutput {
  public:
    PrintOutcome Print(const PageControls&) override { return {true, printNotice}; }
    PrintOutcome SaveAsPdf(const PageControls&, const QString&) override { return {true, {}}; }
    QString printNotice;
};

}  // namespace tallyworth::testing_support
