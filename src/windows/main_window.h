#pragma once

#include "core/operations.h"
#include "core/random_source.h"
#include "core/sheet_code.h"
#include "core/validation.h"
#include "core/worksheet_state.h"
#include "page_model/prepare_worksheet.h"
#include "windows/about_box.h"
#include "windows/page_options_dialog.h"
#include "windows/problem_rules_dialog.h"
#include "windows/sections_dialog.h"
#include "windows/user_interfaces.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tallyworth {

class PageWindow;

// The start-up window: collects the settings, makes worksheets for viewing or
// printing, and ends the program when it closes.
class MainWindow final : public QMainWindow, public OperationList, public PreparationHost {
    Q_OBJECT
  public:
    MainWindow(WorksheetState& state, UserInterfaces interfaces, RandomSource& source,
               QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void AppendOperation(const QString& symbol) override;
    void SetProgressRange(int minimum, int maximum) override;
    void SetProgressValue(int value) override;
    [[nodiscard]] bool AllowsNegativeResults() const override;
    void SetProgressVisible(bool visible) override;

    void View();
    void Print();
    void OpenAbout();
    // Asks for a sheet code; a valid one takes the fields and shows its worksheet as View
    // would, an invalid one is reported and changes nothing.
    void OpenSheetCode();
    // A class set of the settings in the fields and the rules of the run, checked first as
    // View checks them, from a fresh seed.
    void MakeClassSet();
    // Opens the problem rules dialog over the window; its OK sets the state's rules.
    void OpenProblemRules();
    // Opens the page dialog over the window; its OK sets how the worksheet is printed.
    void OpenPageOptions();
    // Opens the sections dialog over the window. Its OK sets the sheet of sections that
    // View, Print and class sets make, or, for one section the fields can say, the fields.
    void OpenSections();

    // The page window once it has been used, else nothing.
    [[nodiscard]] PageWindow* ExistingPageWindow() const { return pageWindow_.get(); }
    [[nodiscard]] AboutBox* OpenAboutBox() const { return about_.data(); }
    [[nodiscard]] ProblemRulesDialog* OpenRulesDialog() const { return rulesDialog_.data(); }
    [[nodiscard]] PageOptionsDialog* OpenPageDialog() const { return pageDialog_.data(); }
    [[nodiscard]] SectionsDialog* OpenSectionsDialog() const { return sectionsDialog_.data(); }
    // The sheet of sections in use in place of the fields; empty while the fields are used.
    [[nodiscard]] const std::vector<SheetSection>& Sections() const { return sections_; }

  Q_SIGNALS:
    // The program is ending: every window has been closed.
    void ProgramEnding();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildControls();
    void BuildChoiceControls();
    void DrawBracketIcon();
    void BuildMenus();
    void SetTabOrder();
    void StartUp();
    // The operation list writes multiplication and division with the page's signs.
    void ShowSigns();
    void ShowOperation(QListWidgetItem& item, const QString& text);
    void MakeRoomForLongWords();
    [[nodiscard]] int OperationTextWidth() const;
    void OnOperationSelected();
    [[nodiscard]] OperationRow ChosenRow() const;
    void SelectRow(OperationRow row);
    [[nodiscard]] QString SelectedOperationText() const;
    // The numbers the fields read as when the settings pass the checks; nothing otherwise.
    [[nodiscard]] std::optional<SettingsNumbers> CheckSettings();
    [[nodiscard]] bool CheckRules(CellNumbering cellNumbering = CellNumbering::ByBounds);
    [[nodiscard]] SettingsTexts Texts() const;
    [[nodiscard]] bool MoveFocus(SettingsField field);
    void ViewSheet(RandomSource& source, CellNumbering cellNumbering);
    void PrepareTest(RandomSource& source, CellNumbering cellNumbering);
    [[nodiscard]] QString CodeOfPreparedSheet(const RandomSource& source) const;
    void ShowSettings(const SheetSettings& settings);
    // The settings the window shows, with the numbers the checks read from its fields.
    [[nodiscard]] SheetSettings FieldSettings(const SettingsNumbers& numbers) const;
    [[nodiscard]] std::uint64_t FreshSeed();
    PageWindow& PageWindowForUse();
    // The sheet of sections: the line that tells it is in use, and its commands.
    void BuildSectionsLine();
    void UseSections(std::vector<SheetSection> sections);
    [[nodiscard]] std::vector<SheetSection> SectionsToEdit() const;
    [[nodiscard]] std::optional<SheetCode> FreshSectionsCode();
    void ViewSections();
    void PrintSections();
    // A code of sections is viewed as their sheet; any other code leaves the sections.
    [[nodiscard]] bool ViewSectionsCode(const SheetCode& code);

    WorksheetState& state_;
    UserInterfaces interfaces_;
    RandomSource& source_;
    std::unique_ptr<PageWindow> pageWindow_;
    QPointer<AboutBox> about_;
    QPointer<ProblemRulesDialog> rulesDialog_;
    QPointer<PageOptionsDialog> pageDialog_;
    QPointer<SectionsDialog> sectionsDialog_;
    std::vector<SheetSection> sections_;
    QLabel* sectionsLine_ = nullptr;
    QLineEdit* lowestField_ = nullptr;
    QLineEdit* highestField_ = nullptr;
    QLineEdit* countField_ = nullptr;
    QListWidget* operationList_ = nullptr;
    QCheckBox* allowNegativeBox_ = nullptr;
    QCheckBox* fractionsBox_ = nullptr;
    QGroupBox* divisionSymbolFrame_ = nullptr;
    QRadioButton* lineAndDotsOption_ = nullptr;
    QRadioButton* upsideDownSevenOption_ = nullptr;
    QPushButton* viewButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
};

}  // namespace tallyworth
