// The main window's sheet of sections: the dialog that sets it, the line that tells it is
// in use, and View, Print and class sets made of it.

#include "core/problem_rules.h"
#include "core/validation.h"
#include "render/page_style.h"
#include "windows/caption_fit.h"
#include "windows/design_geometry.h"
#include "windows/main_window.h"
#include "windows/page_window.h"
#include "windows/section_list.h"

#include <QLabel>

namespace tallyworth {

namespace {

// Under the operation's choices, left of the View button, in the design's twips.
constexpr QRect kLinePlace = Twips(120, 2880, 3480, 780);

}  // namespace

void MainWindow::BuildSectionsLine() {
    sectionsLine_ = new QLabel(centralWidget());
    sectionsLine_->setObjectName(QStringLiteral("lblSectionsInUse"));
    sectionsLine_->setGeometry(kLinePlace);
    sectionsLine_->setWordWrap(true);
    sectionsLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sectionsLine_->setFont(FontWithFallback(QStringLiteral("MS Sans Serif"), 9.75, true));
    sectionsLine_->hide();
}

void MainWindow::UseSections(std::vector<SheetSection> sections) {
    sections_ = std::move(sections);
    sectionsLine_->setVisible(!sections_.empty());
    if (!sections_.empty()) {
        SetFittedCaption(*sectionsLine_, SectionsInUseText(static_cast<int>(sections_.size())));
    }
}

// The sections in use, else the fields' one section, else a section to start from.
std::vector<SheetSection> MainWindow::SectionsToEdit() const {
    if (!sections_.empty()) {
        return sections_;
    }
    // The fields are read as the checks read them, without their messages.
    const ValidationResult checked = ValidateSettings(highestField_->text(), lowestField_->text(),
                                                      countField_->text(), SelectedOperationText());
    if (!checked.verdict || !checked.numbers) {
        return std::vector<SheetSection>(1);
    }
    const SheetSettings fields = FieldSettings(*checked.numbers);
    return SheetSettingsFault(fields) ? std::vector<SheetSection>(1) : SectionsOf(fields);
}

void MainWindow::OpenSections() {
    auto* dialog = new SectionsDialog(SectionsToEdit(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const std::vector<SheetSection>& sections = dialog->Sections();
        if (!MainWindowSays(sections)) {
            UseSections(sections);
            return;
        }
        // The fields say it: the window works as it always has.
        UseSections({});
        ShowSettings(
            SettingsOfSections(sections, state_.UsesUpsideDownSeven(), state_.pageOptions));
    });
    sectionsDialog_ = dialog;
    dialog->open();
}

// A fresh sheet of the sections, once the user has heard what their counts allow: a
// section that no problem fits stops, one whose problems repeat is asked about.
std::optional<SheetCode> MainWindow::FreshSectionsCode() {
    for (const SheetSection& section : sections_) {
        const RulesCheck check = CheckSectionFit(section);
        if (check.verdict == RulesVerdict::NoneFits) {
            const SettingsMessage message = NoProblemFitsMessage();
            interfaces_.messages.ShowMessage(SettingsMessageTitle(), message.text, message.icon);
            return std::nullopt;
        }
        if (check.verdict == RulesVerdict::SomeRepeat &&
            !interfaces_.messages.AskYesNo(windowTitle(), SomeWillRepeatQuestion(check.possible))) {
            return std::nullopt;
        }
    }
    return FairSheetCode(
        SettingsOfSections(sections_, state_.UsesUpsideDownSeven(), state_.pageOptions),
        FreshSeed());
}

void MainWindow::ViewSections() {
    const std::optional<SheetCode> code = FreshSectionsCode();
    if (code && PageWindowForUse().ShowCodedSheet(*code)) {
        PageWindowForUse().ViewTest();
    }
}

void MainWindow::PrintSections() {
    const std::optional<SheetCode> code = FreshSectionsCode();
    PageWindow& page = PageWindowForUse();
    if (code && page.ShowCodedSheet(*code)) {
        page.PrintTest();
        page.hide();
    }
}

bool MainWindow::ViewSectionsCode(const SheetCode& code) {
    UseSections(code.settings.sections);
    if (sections_.empty()) {
        return false;
    }
    if (PageWindowForUse().ShowCodedSheet(code)) {
        PageWindowForUse().ViewTest();
    }
    return true;
}

}  // namespace tallyworth
