#include "windows/sections_dialog.h"

#include "core/settings_limits.h"
#include "core/written_problems.h"
#include "windows/dialog_fields.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

namespace tallyworth {

namespace {

constexpr int kFitWidth = 360;  // the longest count text, so the dialog does not jump
constexpr int kListWidth = 300;
constexpr std::array<OperationRow, 4> kOperations{OperationRow::Add, OperationRow::Subtract,
                                                  OperationRow::Multiply, OperationRow::Divide};

QSpinBox* NumberField(QWidget* parent, const char* name, int lowest, int highest) {
    auto* field = Named(new QSpinBox(parent), name);
    field->setRange(lowest, highest);
    return field;
}

// A prompt that leads to its field and names it for a screen reader.
QLabel* Prompt(const QString& caption, QWidget* field) {
    auto* prompt = new QLabel(caption, field->parentWidget());
    prompt->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    return prompt;
}

}  // namespace

SectionsDialog::SectionsDialog(std::vector<SheetSection> sections, QWidget* parent)
    : QDialog(parent), sections_(std::move(sections)) {
    if (sections_.empty()) {
        sections_.emplace_back();
    }
    setObjectName(QStringLiteral("frmSections"));
    setWindowTitle(tr("Sections"));
    BuildControls();
    ConnectEdits();
    ShowList(0);
    list_->setFocus();
}

void SectionsDialog::BuildControls() {
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildListColumn());
    auto* right = new QVBoxLayout;
    form_ = BuildSectionForm();
    right->addLayout(form_);
    fitLabel_ = Named(new QLabel(this), "lblSectionFit");
    fitLabel_->setWordWrap(true);
    fitLabel_->setMinimumWidth(kFitWidth);
    QFont bold = fitLabel_->font();
    bold.setBold(true);
    fitLabel_->setFont(bold);
    right->addWidget(fitLabel_);
    right->addStretch();
    columns->addLayout(right);
    faultLabel_ = Named(new QLabel(this), "lblSectionFault");
    faultLabel_->setWordWrap(true);
    faultLabel_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QWidget* SectionsDialog::BuildListColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = Named(new QListWidget(column), "lbSections");
    list_->setFixedWidth(kListWidth);
    // An entry longer than the list is wide wraps rather than hiding its verdict.
    list_->setWordWrap(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(Prompt(tr("&Sections:"), list_));
    layout->addWidget(list_);
    const auto addButton = [&](const char* name, const QString& caption, const QString& key,
                               void (SectionsDialog::*edit)()) {
        auto* button = Named(new QPushButton(caption, column), name);
        button->setAutoDefault(false);
        button->setToolTip(key);
        connect(button, &QPushButton::clicked, this, edit);
        layout->addWidget(button);
    };
    // The list's own keys do the same as the buttons, at once.
    const QKeySequence insert(Qt::Key_Insert);
    const QKeySequence remove(Qt::Key_Delete);
    const QKeySequence up(Qt::CTRL | Qt::Key_Up);
    const QKeySequence down(Qt::CTRL | Qt::Key_Down);
    addButton("cmdAddSection", tr("&Add"), insert.toString(QKeySequence::NativeText),
              &SectionsDialog::AddSection);
    addButton("cmdRemoveSection", tr("R&emove"), remove.toString(QKeySequence::NativeText),
              &SectionsDialog::RemoveSection);
    addButton("cmdMoveSectionUp", tr("Move &up"), up.toString(QKeySequence::NativeText),
              &SectionsDialog::MoveUp);
    addButton("cmdMoveSectionDown", tr("Move do&wn"), down.toString(QKeySequence::NativeText),
              &SectionsDialog::MoveDown);
    AddListKey(insert, &SectionsDialog::AddSection);
    AddListKey(remove, &SectionsDialog::RemoveSection);
    AddListKey(up, &SectionsDialog::MoveUp);
    AddListKey(down, &SectionsDialog::MoveDown);
    layout->addStretch();
    return column;
}

void SectionsDialog::AddListKey(const QKeySequence& key, void (SectionsDialog::*edit)()) {
    auto* action = new QAction(list_);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, edit);
    list_->addAction(action);
}

QFormLayout* SectionsDialog::BuildSectionForm() {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    kindList_ = Named(new QComboBox(this), "cboSectionKind");
    for (int kind = 0; kind < kSectionKinds; ++kind) {
        kindList_->addItem(SectionKindName(static_cast<SectionKind>(kind)), kind);
    }
    form->addRow(Prompt(tr("&Kind:"), kindList_), kindList_);
    auto* operations = Named(new QWidget(this), "operationBoxes");
    auto* row = new QHBoxLayout(operations);
    row->setContentsMargins(0, 0, 0, 0);
    const std::array<QString, 4> captions{tr("A&ddition"), tr("Su&btraction"),
                                          tr("Mu&ltiplication"), tr("Di&vision")};
    const std::array<const char*, 4> names{"cbSectionAdd", "cbSectionSubtract", "cbSectionMultiply",
                                           "cbSectionDivide"};
    for (std::size_t index = 0; index < operationBoxes_.size(); ++index) {
        operationBoxes_[index] = Named(new QCheckBox(captions[index], operations), names[index]);
        row->addWidget(operationBoxes_[index]);
    }
    form->addRow(new QLabel(tr("Operations:"), this), operations);
    BuildNumberRows(*form);
    BuildRuleRows(*form);
    titleField_ = Named(new QLineEdit(this), "txtSectionTitle");
    titleField_->setMaxLength(kMostTitleCharacters);
    // Room for a whole title of the longest length in an average hand.
    titleField_->setMinimumWidth(titleField_->fontMetrics().averageCharWidth() *
                                 kMostTitleCharacters);
    titleField_->setToolTip(tr("Printed above the section's problems; none when empty."));
    form->addRow(Prompt(tr("T&itle:"), titleField_), titleField_);
    return form;
}

void SectionsDialog::BuildNumberRows(QFormLayout& form) {
    const auto rangeRow = [&](const QString& caption, const char* name, QSpinBox*& lowest,
                              QSpinBox*& highest, const char* lowestName, const char* highestName) {
        auto* range = Named(new QWidget(this), name);
        auto* row = new QHBoxLayout(range);
        row->setContentsMargins(0, 0, 0, 0);
        lowest = NumberField(range, lowestName, kLeastNumber, kMostWrittenAddend);
        highest = NumberField(range, highestName, kLeastNumber, kMostWrittenAddend);
        // As wide for two digits as for six, so the dialog keeps its shape between kinds.
        lowest->setMinimumWidth(lowest->sizeHint().width());
        highest->setMinimumWidth(highest->sizeHint().width());
        row->addWidget(lowest);
        row->addWidget(new QLabel(tr("to"), range));
        row->addWidget(highest);
        row->addStretch();
        form.addRow(Prompt(caption, lowest), range);
        const QString prompt = lowest->accessibleName();
        lowest->setAccessibleName(tr("%1, lowest").arg(prompt));
        highest->setAccessibleName(tr("%1, highest").arg(prompt));
    };
    rangeRow(tr("&First number:"), "firstRange", firstLowest_, firstHighest_, "txtFirstLowest",
             "txtFirstHighest");
    firstLowest_->parentWidget()->setToolTip(
        tr("Facts and missing numbers: the first number. Division from the tables: the "
           "quotient. Division with remainders: the number divided."));
    rangeRow(tr("Seco&nd number:"), "secondRange", secondLowest_, secondHighest_, "txtSecondLowest",
             "txtSecondHighest");
    secondLowest_->parentWidget()->setToolTip(
        tr("Facts and missing numbers: the second number. Both kinds of division: the divisor."));
    countField_ = NumberField(this, "txtSectionCount", kLeastProblems, kMostProblems);
    form.addRow(Prompt(tr("&Problems:"), countField_), countField_);
    negativeBox_ = Named(new QCheckBox(tr("Allow ne&gative results"), this), "cbSectionNegative");
    form.addRow(negativeBox_);
    missingList_ = Named(new QComboBox(this), "cboMissingPlace");
    missingList_->addItem(tr("The first number"), static_cast<int>(MissingPlace::First));
    missingList_->addItem(tr("The second number"), static_cast<int>(MissingPlace::Second));
    missingList_->addItem(tr("Either number"), static_cast<int>(MissingPlace::Either));
    form.addRow(Prompt(tr("&Missing number:"), missingList_), missingList_);
    remainderField_ = NumberField(this, "txtRemainderShare", 0, kHundredPercent);
    remainderField_->setSuffix(QStringLiteral(" %"));
    remainderField_->setToolTip(
        tr("At least this share of the section's problems leaves a remainder."));
    form.addRow(Prompt(tr("Remainder s&hare:"), remainderField_), remainderField_);
    addendsField_ = NumberField(this, "txtAddends", kLeastAddends, kMostAddends);
    addendsField_->setToolTip(tr("How many numbers a written sum adds, one under the other."));
    form.addRow(Prompt(tr("Numbers t&o add:"), addendsField_), addendsField_);
    carryingList_ = Named(new QComboBox(this), "cboCarrying");
    carryingList_->addItem(tr("In any column"), static_cast<int>(Carrying::Any));
    carryingList_->addItem(tr("In no column"), static_cast<int>(Carrying::Never));
    carryingList_->addItem(tr("In one column at most"), static_cast<int>(Carrying::Once));
    carryingList_->setToolTip(tr("Where a written sum carries or a written difference borrows."));
    form.addRow(Prompt(tr("&Carrying:"), carryingList_), carryingList_);
}

void SectionsDialog::BuildRuleRows(QFormLayout& form) {
    noTrivialBox_ = Named(new QCheckBox(tr("No &trivial facts"), this), "cbSectionNoTrivial");
    form.addRow(noTrivialBox_);
    fixedBox_ = Named(new QCheckBox(tr("Fi&xed number:"), this), "cbSectionFixed");
    fixedField_ = NumberField(this, "txtSectionFixed", kLeastFixed, kMostFixed);
    fixedField_->setAccessibleName(tr("Fixed number"));
    form.addRow(fixedBox_, fixedField_);
    regroupingList_ = Named(new QComboBox(this), "cboSectionRegrouping");
    regroupingList_->addItem(tr("Allowed"), static_cast<int>(Regrouping::Any));
    regroupingList_->addItem(tr("Never"), static_cast<int>(Regrouping::Never));
    regroupingList_->addItem(tr("Always"), static_cast<int>(Regrouping::Always));
    form.addRow(Prompt(tr("Carr&ying and borrowing:"), regroupingList_), regroupingList_);
    noRepeatsBox_ = Named(new QCheckBox(tr("No &repeats"), this), "cbSectionNoRepeats");
    form.addRow(noRepeatsBox_);
}

void SectionsDialog::ConnectEdits() {
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0) {
            HideFault();
            ShowSection(row);
        }
    });
    const auto edited = [this] { TakeSection(); };
    connect(kindList_, &QComboBox::currentIndexChanged, this, edited);
    for (QCheckBox* box : operationBoxes_) {
        connect(box, &QCheckBox::toggled, this, edited);
    }
    for (QSpinBox* field : {firstLowest_, firstHighest_, secondLowest_, secondHighest_, countField_,
                            remainderField_, fixedField_, addendsField_}) {
        connect(field, &QSpinBox::valueChanged, this, edited);
    }
    for (QCheckBox* box : {negativeBox_, noTrivialBox_, fixedBox_, noRepeatsBox_}) {
        connect(box, &QCheckBox::toggled, this, edited);
    }
    connect(missingList_, &QComboBox::currentIndexChanged, this, edited);
    connect(regroupingList_, &QComboBox::currentIndexChanged, this, edited);
    connect(carryingList_, &QComboBox::currentIndexChanged, this, edited);
    connect(titleField_, &QLineEdit::textChanged, this, edited);
}

void SectionsDialog::AddSection() {
    ShowList(tallyworth::AddSection(sections_, current_));
}

void SectionsDialog::RemoveSection() {
    ShowList(tallyworth::RemoveSection(sections_, current_));
}

void SectionsDialog::MoveUp() {
    ShowList(MoveSection(sections_, current_, -1));
}

void SectionsDialog::MoveDown() {
    ShowList(MoveSection(sections_, current_, 1));
}

void SectionsDialog::ShowList(int current) {
    HideFault();
    showing_ = true;
    list_->clear();
    for (std::size_t index = 0; index < sections_.size(); ++index) {
        list_->addItem(SectionEntryText(sections_[index], static_cast<int>(index) + 1));
    }
    list_->setCurrentRow(current);
    showing_ = false;
    ShowSection(current);
}

void SectionsDialog::ShowSection(int current) {
    current_ = current;
    const SheetSection& section = sections_.at(static_cast<std::size_t>(current));
    showing_ = true;
    ShowChoice(*kindList_, section.kind);
    SetNumberLimits(section.kind);
    for (std::size_t index = 0; index < kOperations.size(); ++index) {
        operationBoxes_[index]->setChecked(
            (section.operations & OperationBit(kOperations[index])) != 0);
    }
    firstLowest_->setValue(section.first.lowest);
    firstHighest_->setValue(section.first.highest);
    secondLowest_->setValue(section.second.lowest);
    secondHighest_->setValue(section.second.highest);
    countField_->setValue(section.count);
    negativeBox_->setChecked(section.allowNegative);
    ShowChoice(*missingList_, section.missing);
    remainderField_->setValue(section.remainderPercent);
    addendsField_->setValue(section.addends);
    ShowChoice(*carryingList_, section.carrying);
    noTrivialBox_->setChecked(section.rules.noTrivial);
    fixedBox_->setChecked(section.rules.fixedNumber != 0);
    fixedField_->setValue(section.rules.fixedNumber != 0 ? section.rules.fixedNumber : kFirstFixed);
    ShowChoice(*regroupingList_, section.rules.regrouping);
    noRepeatsBox_->setChecked(section.rules.noRepeats);
    titleField_->setText(section.title);
    showing_ = false;
    ShowKindFields();
    ShowFit();
}

void SectionsDialog::SetNumberLimits(SectionKind kind) {
    const int most = kind == SectionKind::Written ? kMostWrittenAddend : kMostNumber;
    for (QSpinBox* field : {firstLowest_, firstHighest_, secondLowest_, secondHighest_}) {
        field->setMaximum(most);
    }
}

// Each kind offers the fields it reads; the division kinds always divide, and a written
// section offers its operation's own fields and no other rule than no repeats.
void SectionsDialog::ShowKindFields() {
    const auto kind = ChosenOf<SectionKind>(*kindList_);
    const bool divides = kind == SectionKind::TableDivision || kind == SectionKind::Remainder;
    const bool written = kind == SectionKind::Written;
    const auto writes = [this, written](std::initializer_list<std::size_t> operations) {
        return written && std::ranges::any_of(operations, [this](std::size_t index) {
                   return operationBoxes_.at(index)->isChecked();
               });
    };
    for (QCheckBox* box : operationBoxes_) {
        box->setEnabled(!divides);
    }
    negativeBox_->setEnabled(!divides && !written && operationBoxes_[1]->isChecked());
    // The other kinds' fields stay in their places, greyed, so the dialog keeps its shape.
    const auto enable = [this](QWidget* field, bool enabled) {
        field->setEnabled(enabled);
        if (QWidget* label = form_->labelForField(field)) {
            label->setEnabled(enabled);
        }
    };
    enable(missingList_, kind == SectionKind::Missing);
    enable(remainderField_, kind == SectionKind::Remainder || writes({3}));
    enable(addendsField_, writes({0}));
    enable(carryingList_, writes({0, 1}));
    enable(noTrivialBox_, !written);
    enable(fixedBox_, !written);
    enable(regroupingList_, !written);
    fixedField_->setEnabled(!written && fixedBox_->isChecked());
    SetNumberLimits(kind);
}

SheetSection SectionsDialog::SectionOfControls() const {
    SheetSection section;
    section.kind = ChosenOf<SectionKind>(*kindList_);
    section.operations = 0;
    for (std::size_t index = 0; index < kOperations.size(); ++index) {
        if (operationBoxes_[index]->isChecked()) {
            section.operations |= OperationBit(kOperations[index]);
        }
    }
    section.first = {firstLowest_->value(), firstHighest_->value()};
    section.second = {secondLowest_->value(), secondHighest_->value()};
    section.count = countField_->value();
    section.allowNegative = negativeBox_->isChecked();
    section.missing = ChosenOf<MissingPlace>(*missingList_);
    section.remainderPercent = remainderField_->value();
    section.rules.noTrivial = noTrivialBox_->isChecked();
    section.rules.fixedNumber = fixedBox_->isChecked() ? fixedField_->value() : 0;
    section.rules.regrouping = ChosenOf<Regrouping>(*regroupingList_);
    section.rules.noRepeats = noRepeatsBox_->isChecked();
    section.title = titleField_->text();
    if (section.kind == SectionKind::Written) {
        TakeWrittenFields(section);
    }
    return section;
}

void SectionsDialog::TakeWrittenFields(SheetSection& section) const {
    const std::optional<OperationRow> operation = WrittenOperation(section);
    const bool columns = operation == OperationRow::Add || operation == OperationRow::Subtract;
    section.allowNegative = false;
    section.rules = ProblemRules{.noRepeats = section.rules.noRepeats};
    section.addends = operation == OperationRow::Add ? addendsField_->value() : kLeastAddends;
    section.carrying = columns ? ChosenOf<Carrying>(*carryingList_) : Carrying::Any;
    section.remainderPercent = operation == OperationRow::Divide ? section.remainderPercent : 0;
}

void SectionsDialog::TakeSection() {
    if (showing_) {
        return;
    }
    HideFault();
    SheetSection& section = sections_.at(static_cast<std::size_t>(current_));
    section = SectionOfControls();
    list_->item(current_)->setText(SectionEntryText(section, current_ + 1));
    ShowKindFields();
    ShowFit();
}

void SectionsDialog::ShowFit() {
    fitLabel_->setText(SectionFitText(sections_.at(static_cast<std::size_t>(current_))));
    // The count is the label's name: a screen reader says the new one as a field changes.
    QAccessibleEvent changed(fitLabel_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void SectionsDialog::accept() {
    if (const std::optional<SectionsFaultPlace> fault = FindSectionsFault(sections_)) {
        ShowFault(*fault);
        return;
    }
    QDialog::accept();
}

// The message stands right under the field at fault, which takes the focus.
void SectionsDialog::ShowFault(const SectionsFaultPlace& fault) {
    if (fault.section != current_) {
        ShowList(fault.section);
    }
    HideFault();
    QWidget& field = *FieldWidget(fault.field);
    // The field's row: its own, or that of the row of fields it stands in.
    int row = -1;
    QFormLayout::ItemRole role{};
    form_->getWidgetPosition(&field, &row, &role);
    if (row < 0) {
        form_->getWidgetPosition(field.parentWidget(), &row, &role);
    }
    faultLabel_->setText(fault.message);
    form_->insertRow(row + 1, faultLabel_);
    faultLabel_->show();
    field.setAccessibleDescription(fault.message);
    field.setFocus(Qt::OtherFocusReason);
    QAccessibleEvent shown(faultLabel_, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
}

void SectionsDialog::HideFault() {
    if (faultLabel_ == nullptr || !faultLabel_->isVisibleTo(this)) {
        return;
    }
    form_->takeRow(faultLabel_);
    faultLabel_->hide();
    for (QWidget* field : findChildren<QWidget*>()) {
        field->setAccessibleDescription({});
    }
}

QWidget* SectionsDialog::FieldWidget(SectionField field) const {
    switch (field) {
        case SectionField::Operations:
            return operationBoxes_[0];
        case SectionField::First:
            return firstLowest_;
        case SectionField::Second:
            return secondLowest_;
        case SectionField::Count:
            return countField_;
        case SectionField::Fixed:
            return fixedField_;
        case SectionField::Remainder:
            return remainderField_;
        case SectionField::Title:
            return titleField_;
    }
    return countField_;
}

}  // namespace tallyworth
