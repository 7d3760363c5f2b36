#pragma once

#include "core/sheet_section.h"
#include "windows/section_list.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QWidget;

namespace tallyworth {

// Edits the sections of a sheet: adds, removes and orders them, and sets each one's kind,
// operations, numbers, count, rules and title, telling as they change how many different
// problems each allows. OK is refused, with the checks' message at the field, while a
// section cannot be part of a sheet.
class SectionsDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit SectionsDialog(std::vector<SheetSection> sections, QWidget* parent = nullptr);

    [[nodiscard]] const std::vector<SheetSection>& Sections() const { return sections_; }
    void accept() override;

  private:
    void BuildControls();
    [[nodiscard]] QWidget* BuildListColumn();
    [[nodiscard]] QFormLayout* BuildSectionForm();
    void BuildNumberRows(QFormLayout& form);
    void BuildRuleRows(QFormLayout& form);
    void ConnectEdits();
    void AddListKey(const QKeySequence& key, void (SectionsDialog::*edit)());
    void AddSection();
    void RemoveSection();
    void MoveUp();
    void MoveDown();
    // The list anew with the current section chosen, after the list itself changed.
    void ShowList(int current);
    void ShowSection(int current);
    void ShowKindFields();
    // The numbers' fields take what the kind allows: six digits for written methods.
    void SetNumberLimits(SectionKind kind);
    // The edited controls into the current section.
    void TakeSection();
    [[nodiscard]] SheetSection SectionOfControls() const;
    // What a written section takes of the controls: the fields of its one operation.
    void TakeWrittenFields(SheetSection& section) const;
    void ShowFit();
    void ShowFault(const SectionsFaultPlace& fault);
    void HideFault();
    [[nodiscard]] QWidget* FieldWidget(SectionField field) const;

    std::vector<SheetSection> sections_;
    int current_ = 0;
    bool showing_ = false;  // controls being filled, not edited
    QListWidget* list_ = nullptr;
    QFormLayout* form_ = nullptr;
    QComboBox* kindList_ = nullptr;
    std::array<QCheckBox*, 4> operationBoxes_{};
    QSpinBox* firstLowest_ = nullptr;
    QSpinBox* firstHighest_ = nullptr;
    QSpinBox* secondLowest_ = nullptr;
    QSpinBox* secondHighest_ = nullptr;
    QSpinBox* countField_ = nullptr;
    QCheckBox* negativeBox_ = nullptr;
    QComboBox* missingList_ = nullptr;
    QSpinBox* remainderField_ = nullptr;
    QSpinBox* addendsField_ = nullptr;
    QComboBox* carryingList_ = nullptr;
    QCheckBox* noTrivialBox_ = nullptr;
    QCheckBox* fixedBox_ = nullptr;
    QSpinBox* fixedField_ = nullptr;
    QComboBox* regroupingList_ = nullptr;
    QCheckBox* noRepeatsBox_ = nullptr;
    QLineEdit* titleField_ = nullptr;
    QLabel* fitLabel_ = nullptr;
    QLabel* faultLabel_ = nullptr;
};

}  // namespace tallyworth
