#pragma once

#include "core/worksheet_state.h"
#include "page_model/prepare_worksheet.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QSpinBox;
class QVBoxLayout;

namespace tallyworth {

// Sets the problem rules, and tells as they change how many different problems the main
// window's settings then give.
class ProblemRulesDialog final : public QDialog {
    Q_OBJECT
  public:
    // requested: the main window's settings, or nothing when they cannot make a sheet.
    ProblemRulesDialog(const ProblemRules& rules, std::optional<RequestedProblems> requested,
                       QWidget* parent = nullptr);

    // The rules as the dialog shows them.
    [[nodiscard]] ProblemRules Rules() const;

  private:
    void BuildControls();
    [[nodiscard]] QFormLayout* BuildRuleControls();
    void BuildCountControls(QVBoxLayout& layout);
    void ShowRules(const ProblemRules& rules);
    void ShowPossibleProblems();
    void AnnounceCount();

    std::optional<RequestedProblems> requested_;
    QCheckBox* noTrivialBox_ = nullptr;
    QCheckBox* fixedNumberBox_ = nullptr;
    QSpinBox* fixedNumberField_ = nullptr;
    QComboBox* regroupingList_ = nullptr;
    QCheckBox* noRepeatsBox_ = nullptr;
    QLabel* possiblePrompt_ = nullptr;
    QLabel* possibleProblems_ = nullptr;
};

}  // namespace tallyworth
