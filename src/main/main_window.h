#pragma once

#include "about/about_box.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/validation.h"
#include "core/worksheet_state.h"
#include "main/prepare_test.h"
#include "page/user_interfaces.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
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

    // The page window once it has been used, else nothing.
    [[nodiscard]] PageWindow* ExistingPageWindow() const { return pageWindow_.get(); }
    [[nodiscard]] AboutBox* OpenAboutBox() const { return about_.data(); }

  signals:
    // The program is ending: every window has been closed.
    void programEnding();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void BuildChoiceControls();
    void BuildMenus();
    void SetTabOrder();
    void StartUp();
    void OnOperationSelected();
    [[nodiscard]] QString SelectedOperationText() const;
    [[nodiscard]] bool CheckSettings();
    [[nodiscard]] bool PlayBack(const ValidationResult& result);
    [[nodiscard]] bool MoveFocus(SettingsField field);
    void PrepareTest();
    PageWindow& PageWindowForUse();

    WorksheetState& state_;
    UserInterfaces interfaces_;
    RandomSource& source_;
    std::unique_ptr<PageWindow> pageWindow_;
    QPointer<AboutBox> about_;
    QLineEdit* txtMinValue_ = nullptr;
    QLineEdit* txtMaxValue_ = nullptr;
    QLineEdit* txtNoOfProblems_ = nullptr;
    QListWidget* lbOperation_ = nullptr;
    QCheckBox* cbAllowNegResults_ = nullptr;
    QCheckBox* cbFractions_ = nullptr;
    QGroupBox* frameDivisionSymbol_ = nullptr;
    QRadioButton* optLineAndDots_ = nullptr;
    QRadioButton* optUpsidedownSeven_ = nullptr;
    QPushButton* cmdView_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QProgressBar* pbTest_ = nullptr;
};

// The upside-down-seven sign for the option button: the long-division bracket, a
// slanted stroke joined to a bar, drawn because no font on the system carries it.
QPixmap DrawBracketSign(const QSize& size);

}  // namespace tallyworth
