#include "windows/problem_rules_dialog.h"

#include "core/problem_rules.h"
#include "core/settings_limits.h"
#include "windows/decoration.h"
#include "windows/dialog_fields.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tallyworth {

namespace {

// Wide enough for the longest count text, so the dialog does not jump as it changes.
constexpr int kCountWidth = 300;

}  // namespace

ProblemRulesDialog::ProblemRulesDialog(const ProblemRules& rules,
                                       std::optional<RequestedProblems> requested, QWidget* parent)
    : QDialog(parent), requested_(requested) {
    setObjectName(QStringLiteral("frmProblemRules"));
    setWindowTitle(tr("Problem Rules"));
    BuildControls();
    ShowRules(rules);
    ShowPossibleProblems();
    // The dialog is about the rules: it opens on the first, not on OK.
    noTrivialBox_->setFocus();
}

void ProblemRulesDialog::BuildControls() {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    MarkAsDecoration(*line);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildRuleControls());
    layout->addWidget(line);
    BuildCountControls(*layout);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fixedNumberBox_, &QCheckBox::toggled, fixedNumberField_, &QWidget::setEnabled);
    const auto recount = [this] {
        ShowPossibleProblems();
        AnnounceCount();
    };
    connect(noTrivialBox_, &QCheckBox::toggled, this, recount);
    connect(fixedNumberBox_, &QCheckBox::toggled, this, recount);
    connect(fixedNumberField_, &QSpinBox::valueChanged, this, recount);
    connect(regroupingList_, &QComboBox::currentIndexChanged, this, recount);
    connect(noRepeatsBox_, &QCheckBox::toggled, this, recount);
}

QFormLayout* ProblemRulesDialog::BuildRuleControls() {
    auto* form = new QFormLayout;
    noTrivialBox_ = Named(new QCheckBox(tr("No &trivial facts"), this), "cbNoTrivial");
    noTrivialBox_->setToolTip(
        tr("Leaves out problems that give their answer away: times 1, "
           "divided by 1 or by itself, minus itself."));
    form->addRow(noTrivialBox_);
    fixedNumberBox_ = Named(new QCheckBox(tr("&Fixed number:"), this), "cbFixedNumber");
    fixedNumberBox_->setToolTip(
        tr("The second number of + and *, the number taken away in -, "
           "the divisor in a division; the other number comes from the "
           "range."));
    fixedNumberField_ = Named(new QSpinBox(this), "txtFixedNumber");
    fixedNumberField_->setRange(kLeastFixed, kMostFixed);
    fixedNumberField_->setAccessibleName(tr("Fixed number"));
    form->addRow(fixedNumberBox_, fixedNumberField_);
    regroupingList_ = Named(new QComboBox(this), "cboRegrouping");
    regroupingList_->addItem(tr("Allowed"), static_cast<int>(Regrouping::Any));
    regroupingList_->addItem(tr("Never"), static_cast<int>(Regrouping::Never));
    regroupingList_->addItem(tr("Always"), static_cast<int>(Regrouping::Always));
    auto* regroupingPrompt =
        Named(new QLabel(tr("&Carrying and borrowing:"), this), "lblRegrouping");
    regroupingPrompt->setBuddy(regroupingList_);
    form->addRow(regroupingPrompt, regroupingList_);
    noRepeatsBox_ = Named(new QCheckBox(tr("No &repeats on a sheet"), this), "cbNoRepeats");
    form->addRow(noRepeatsBox_);
    return form;
}

void ProblemRulesDialog::BuildCountControls(QVBoxLayout& layout) {
    possiblePrompt_ =
        Named(new QLabel(tr("With the main window's settings:"), this), "lblPossiblePrompt");
    possibleProblems_ = Named(new QLabel(this), "lblPossibleProblems");
    possibleProblems_->setWordWrap(true);
    possibleProblems_->setMinimumWidth(kCountWidth);
    QFont bold = possibleProblems_->font();
    bold.setBold(true);
    possibleProblems_->setFont(bold);
    layout.addWidget(possiblePrompt_);
    layout.addWidget(possibleProblems_);
}

void ProblemRulesDialog::ShowRules(const ProblemRules& rules) {
    noTrivialBox_->setChecked(rules.noTrivial);
    fixedNumberBox_->setChecked(rules.fixedNumber != 0);
    fixedNumberField_->setValue(rules.fixedNumber != 0 ? rules.fixedNumber : kFirstFixed);
    fixedNumberField_->setEnabled(rules.fixedNumber != 0);
    regroupingList_->setCurrentIndex(regroupingList_->findData(static_cast<int>(rules.regrouping)));
    noRepeatsBox_->setChecked(rules.noRepeats);
}

void ProblemRulesDialog::AnnounceCount() {
    // The count is the label's name: a screen reader says the new one as a rule changes.
    QAccessibleEvent changed(possibleProblems_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

ProblemRules ProblemRulesDialog::Rules() const {
    ProblemRules rules;
    rules.noTrivial = noTrivialBox_->isChecked();
    rules.fixedNumber = fixedNumberBox_->isChecked() ? fixedNumberField_->value() : 0;
    rules.regrouping = static_cast<Regrouping>(regroupingList_->currentData().toInt());
    rules.noRepeats = noRepeatsBox_->isChecked();
    return rules;
}

void ProblemRulesDialog::ShowPossibleProblems() {
    possiblePrompt_->setVisible(requested_.has_value());
    if (!requested_) {
        possibleProblems_->setText(
            tr("The numbers in the main window cannot make a worksheet, so there is nothing to "
               "count yet."));
        return;
    }
    // Says what View will do: the cell-numbering mode draws no problems to count.
    if (requested_->cellNumbers) {
        possibleProblems_->setText(
            tr("View shows the page of cell numbers for these numbers, and the rules do not "
               "apply to it."));
        return;
    }
    const std::int64_t possible = CountDistinctProblems(requested_->settings, Rules());
    // The count stands alone under the rules it follows, so it starts as a sentence does.
    QString text = PossibleProblemsText(possible, requested_->count);
    if (!text.isEmpty()) {
        text.front() = text.front().toUpper();
    }
    possibleProblems_->setText(text);
}

}  // namespace tallyworth
