#pragma once

#include "page/user_interfaces.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tallyworth::testing_support {

struct RecordedMessage {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

// Records every message instead of opening a modal box.
class RecordingMessages final : public UserMessages {
  public:
    void ShowMessage(const QString& title, const QString& text, MessageIcon icon) override {
        shown.push_back({title, text, icon});
    }
    [[nodiscard]] QStringList Texts() const {
        QStringList texts;
        for (const RecordedMessage& message : shown) {
            texts << message.text;
        }
        return texts;
    }
    std::vector<RecordedMessage> shown;
};

// Answers with a programmed colour, or as a cancelled dialog does (the colour it held).
class ScriptedColors final : public ColorChooser {
  public:
    ColorValue ChooseColor(ColorValue current) override {
        offered.push_back(current);
        return next.value_or(current);
    }
    std::optional<ColorValue> next;
    std::vector<ColorValue> offered;
};

class ScriptedFiles final : public FileChooser {
  public:
    std::optional<QString> ChooseSaveFile() override {
        ++asked;
        return next;
    }
    std::optional<QString> next;
    int asked = 0;
};

// Stands in for the printer and the PDF writer; runs a probe at the moment of output
// so tests can see what the windows looked like then.
class RecordingOutput final : public PageOutput {
  public:
    PrintOutcome Print(const PageControls& page) override {
        ++prints;
        if (probe) {
            probe(page);
        }
        return outcome;
    }
    PrintOutcome SaveAsPdf(const PageControls& page, const QString& fileName) override {
        savedFiles.push_back(fileName);
        if (probe) {
            probe(page);
        }
        return outcome;
    }
    PrintOutcome outcome{true, {}};
    std::function<void(const PageControls&)> probe;
    int prints = 0;
    QStringList savedFiles;
};

struct FakeUserInterfaces {
    RecordingMessages messages;
    ScriptedColors colors;
    ScriptedFiles files;
    RecordingOutput output;
    UserInterfaces Bundle() { return {messages, colors, files, output}; }
};

}  // namespace tallyworth::testing_support
