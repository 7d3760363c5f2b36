#include "windows/main_window.h"

#include "core/problem_rules.h"
#include "core/rule_words.h"
#include "core/settings_limits.h"
#include "core/sheet_composer.h"
#include "core/translations.h"
#include "render/page_style.h"
#include "windows/about_box.h"
#include "windows/bracket_icon.h"
#include "windows/caption_fit.h"
#include "windows/design_geometry.h"
#include "windows/named_menus.h"
#include "windows/page_status_line.h"
#include "windows/page_window.h"
#include "windows/settings_playback.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <optional>
#include <variant>

namespace tallyworth {

namespace {

constexpr int kClientWidth = 5910 / kTwipsPerPixel;
constexpr int kClientHeight = 4080 / kTwipsPerPixel;
constexpr const char* kDesignFont = "MS Sans Serif";
constexpr int kOperationRowHeight = 15;

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const QRect& place, double pointSize) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    widget->setFont(FontWithFallback(QString::fromLatin1(kDesignFont), pointSize));
    return widget;
}

QLabel* AddPrompt(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
    auto* label = Place(new QLabel(parent), name, place, 12.0);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetFittedCaption(*label, caption);
    return label;
}

QLineEdit* AddField(QWidget* parent, const char* name, const QRect& place) {
    return Place(new QLineEdit(parent), name, place, 12.0);
}

// A screen reader names the field after its prompt, whole even where the prompt is cut.
void NameAfter(QLabel& prompt, QWidget& field) {
    prompt.setBuddy(&field);
    field.setAccessibleName(prompt.accessibleName());
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& place) {
    auto* button = Place(new QPushButton(parent), name, place, 12.0);
    button->setFont(FontWithFallback(QStringLiteral("Tahoma"), 12.0, true));
    SetFittedCaption(*button, caption);
    return button;
}

// A check box with its caption on the left of the box.
QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption,
                       const QRect& place) {
    auto* box = Place(new QCheckBox(parent), name, place, 9.75);
    box->setLayoutDirection(Qt::RightToLeft);
    SetFittedCaption(*box, caption);
    return box;
}

}  // namespace

MainWindow::MainWindow(WorksheetState& state, UserInterfaces interfaces, RandomSource& source,
                       QWidget* parent)
    : QMainWindow(parent), state_(state), interfaces_(interfaces), source_(source) {
    setObjectName(QStringLiteral("frmTallyworth"));
    setWindowTitle(QStringLiteral("Tallyworth"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    BuildControls();
    BuildMenus();
    SetTabOrder();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    StartUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    QLabel* lowest = AddPrompt(client, "Label1", tr("Lowest Number"), Twips(1680, 180, 1755, 375));
    lowestField_ = AddField(client, "txtMinValue", Twips(3540, 180, 675, 375));
    QLabel* highest =
        AddPrompt(client, "Label5", tr("Highest Number"), Twips(1680, 660, 1755, 375));
    highestField_ = AddField(client, "txtMaxValue", Twips(3540, 660, 675, 375));
    QLabel* count =
        AddPrompt(client, "Label4", tr("How Many Problems"), Twips(480, 1140, 2955, 375));
    countField_ = AddField(client, "txtNoOfProblems", Twips(3540, 1140, 675, 375));
    QLabel* operation =
        AddPrompt(client, "lblOperationPrompt", tr("Operation"), Twips(480, 1620, 2955, 375));
    operationList_ =
        Place(new QListWidget(client), "lbOperation", Twips(3540, 1560, 735, 1260), 9.75);
    NameAfter(*lowest, *lowestField_);
    NameAfter(*highest, *highestField_);
    NameAfter(*count, *countField_);
    NameAfter(*operation, *operationList_);
    operationList_->setSelectionMode(QAbstractItemView::SingleSelection);
    operationList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    operationList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BuildChoiceControls();
    viewButton_ = AddButton(client, "cmdView", tr("View"), Twips(3720, 3060, 975, 615));
    viewButton_->setDefault(true);
    printButton_ = AddButton(client, "cmdPrint", tr("Print"), Twips(4920, 3060, 975, 615));
    // Enter on a focused Print button prints; anywhere else it views.
    printButton_->setAutoDefault(true);
    progressBar_ = Place(new QProgressBar(client), "pbTest", Twips(0, 3705, 5910, 375), 9.75);
    progressBar_->setTextVisible(false);
    progressBar_->setAccessibleName(tr("Drawing the problems"));
    connect(viewButton_, &QPushButton::clicked, this, &MainWindow::View);
    connect(printButton_, &QPushButton::clicked, this, &MainWindow::Print);
    connect(operationList_, &QListWidget::currentRowChanged, this,
            &MainWindow::OnOperationSelected);
    BuildSectionsLine();
}

void MainWindow::BuildChoiceControls() {
    QWidget* client = centralWidget();
    allowNegativeBox_ = AddCheckBox(client, "cbAllowNegResults", tr("Allow Negative Results"),
                                    Twips(960, 2100, 2535, 315));
    // Part of the design but never offered.
    fractionsBox_ =
        AddCheckBox(client, "cbFractions", tr("Fractions"), Twips(2280, 2400, 1215, 315));
    fractionsBox_->hide();
    divisionSymbolFrame_ = Place(new QGroupBox(tr("Symbol"), client), "frameDivisionSymbol",
                                 Twips(4320, 1560, 1455, 1275), 9.75);
    lineAndDotsOption_ = Place(new QRadioButton(divisionSymbolFrame_), "optLineAndDots",
                               Twips(120, 300, 1275, 390), 13.5);
    upsideDownSevenOption_ = Place(new QRadioButton(divisionSymbolFrame_), "optUpsidedownSeven",
                                   Twips(120, 720, 1215, 450), 14.25);
    upsideDownSevenOption_->setAccessibleName(tr("Long-division bracket"));
    upsideDownSevenOption_->setIconSize(QSize(30, 20));
    DrawBracketIcon();
    connect(lineAndDotsOption_, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            state_.divisionSymbol = QString(QChar(kLineAndDotsMarker));
        }
    });
    connect(upsideDownSevenOption_, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            state_.divisionSymbol = state_.divideSign;
        }
    });
}

void MainWindow::BuildMenus() {
    QMenu* file = AddMenu(menuBar(), "mnuFile", tr("&File"));
    QAction* openCode = AddItem(file, "mnuOpenSheetCode", tr("&Open Sheet Code..."));
    openCode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openCode, &QAction::triggered, this, &MainWindow::OpenSheetCode);
    file->addSeparator();
    connect(AddItem(file, "mnuClose", tr("&Close")), &QAction::triggered, this, &QWidget::close);
    QMenu* options = AddMenu(menuBar(), "mnuOptions", tr("&Options"));
    connect(AddItem(options, "mnuProblemRules", tr("Problem &Rules...")), &QAction::triggered, this,
            &MainWindow::OpenProblemRules);
    connect(AddItem(options, "mnuPageOptions", tr("&Page...")), &QAction::triggered, this,
            &MainWindow::OpenPageOptions);
    connect(AddItem(options, "mnuSections", tr("&Sections...")), &QAction::triggered, this,
            &MainWindow::OpenSections);
    QMenu* help = AddMenu(menuBar(), "mnuHelp", tr("&Help"));
    connect(AddItem(help, "mnuAbout", tr("&About")), &QAction::triggered, this,
            &MainWindow::OpenAbout);
}

void MainWindow::SetTabOrder() {
    // The design's tab indices, leaving out the labels, the frame and the progress bar.
    QWidget* const order[] = {countField_,           lowestField_,  printButton_,
                              highestField_,         viewButton_,   operationList_,
                              allowNegativeBox_,     fractionsBox_, lineAndDotsOption_,
                              upsideDownSevenOption_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::StartUp() {
    InitGlobals(state_, *this);
    highestField_->setText(QString::number(kStartHighest));
    lowestField_->setText(QString::number(kStartLowest));
    countField_->setText(QString::number(kStartProblems));
    const QList<QListWidgetItem*> plus =
        operationList_->findItems(QStringLiteral("+"), Qt::MatchExactly);
    if (!plus.isEmpty()) {
        operationList_->setCurrentItem(plus.constFirst());
    }
    progressBar_->hide();
    ShowSigns();
    MakeRoomForLongWords();
    SelectRow(RowOfNumber(state_.operation));
    SetFittedCaption(*lineAndDotsOption_, state_.divideSign);
    lineAndDotsOption_->setAccessibleName(tr("Division sign"));
    lineAndDotsOption_->setChecked(true);
    countField_->setFocus();
}

// The design's operation list holds the signs and "Mix", and its check box "Allow Negative
// Results"; a language whose words are wider even at the smallest caption size ("Door
// elkaar", "Negatieve uitkomsten toestaan") gets a wider list, with the Symbol frame
// moved right beside it, and the check box's caption the room left of it.
void MainWindow::MakeRoomForLongWords() {
    QFont smallest = operationList_->font();
    smallest.setPointSizeF(kSmallestCaptionPointSize);
    const QFontMetrics metrics(smallest);
    bool listFits = true;
    for (int row = 0; row < operationList_->count(); ++row) {
        listFits = listFits && metrics.horizontalAdvance(operationList_->item(row)->text()) <=
                                   OperationTextWidth();
    }
    if (!listFits) {
        operationList_->setGeometry(Twips(3540, 1560, 1035, 1260));
        divisionSymbolFrame_->setGeometry(Twips(4620, 1560, 1230, 1275));
        lineAndDotsOption_->setGeometry(Twips(120, 300, 1035, 390));
        upsideDownSevenOption_->setGeometry(Twips(120, 720, 1035, 450));
        ShowSigns();
    }
    const QString negative = allowNegativeBox_->accessibleName();
    if (!CaptionFits(smallest, CaptionRoom(*allowNegativeBox_), Qt::TextShowMnemonic, negative)) {
        allowNegativeBox_->setGeometry(Twips(480, 2100, 3015, 315));
        SetFittedCaption(*allowNegativeBox_, negative);
    }
}

// The room an entry of the operation list has for its text.
int MainWindow::OperationTextWidth() const {
    const int textMargin = operationList_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin,
                                                                nullptr, operationList_) +
                           1;
    return operationList_->contentsRect().width() - 2 * textMargin;
}

void MainWindow::AppendOperation(const QString& symbol) {
    // The entry shows the operation's name in the user's language; its sign stays the
    // operation's identity.
    auto* item = new QListWidgetItem(operationList_);
    item->setData(Qt::UserRole, symbol);
    item->setData(Qt::AccessibleTextRole, SpokenOperation(symbol));
    // All five entries show without scrolling, as in the design.
    item->setSizeHint(QSize(0, kOperationRowHeight));
    ShowOperation(*item, OperationDisplayName(symbol));
}

// A name longer than the list is wide ("Door elkaar") is set a little smaller, not cut.
void MainWindow::ShowOperation(QListWidgetItem& item, const QString& text) {
    item.setText(text);
    item.setFont(FontToFit(operationList_->font(), OperationTextWidth(), text));
}

void MainWindow::ShowSigns() {
    const PageSigns signs = SignsOf(state_.pageOptions, SpokenLocale());
    for (int row = 0; row < operationList_->count(); ++row) {
        QListWidgetItem* item = operationList_->item(row);
        ShowOperation(*item, WrittenOperation(item->data(Qt::UserRole).toString(), signs));
    }
}

void MainWindow::SetProgressRange(int minimum, int maximum) {
    progressBar_->setRange(minimum, maximum);
}

void MainWindow::SetProgressValue(int value) {
    progressBar_->setValue(value);
}

bool MainWindow::AllowsNegativeResults() const {
    return allowNegativeBox_->isChecked();
}

void MainWindow::SetProgressVisible(bool visible) {
    progressBar_->setVisible(visible);
}

// The list shows the rows in order from row 1.
OperationRow MainWindow::ChosenRow() const {
    return RowOfNumber(operationList_->currentRow() + 1);
}

void MainWindow::SelectRow(OperationRow row) {
    operationList_->setCurrentRow(RowNumber(row) - 1);
}

QString MainWindow::SelectedOperationText() const {
    const QListWidgetItem* item = operationList_->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

void MainWindow::OnOperationSelected() {
    const QString operation = SelectedOperationText();
    allowNegativeBox_->setVisible(operation == QStringLiteral("-"));
    divisionSymbolFrame_->setVisible(operation == state_.divideSign);
}

std::optional<SettingsNumbers> MainWindow::CheckSettings() {
    const ValidationResult checked = ValidateSettings(highestField_->text(), lowestField_->text(),
                                                      countField_->text(), SelectedOperationText());
    const auto moveFocus = [this](SettingsField field) { return MoveFocus(field); };
    return PlayBackSettings(checked, interfaces_.messages, moveFocus) ? checked.numbers
                                                                      : std::nullopt;
}

bool MainWindow::MoveFocus(SettingsField field) {
    QLineEdit* target = field == SettingsField::MaxValue   ? highestField_
                        : field == SettingsField::MinValue ? lowestField_
                                                           : countField_;
    if (!target->isVisible() || !target->isEnabled()) {
        return false;
    }
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

SettingsTexts MainWindow::Texts() const {
    return {lowestField_->text(), highestField_->text(), countField_->text()};
}

// Run after the settings checks: no problem fitting the rules is a failure of the
// settings, fewer than asked is the user's call.
bool MainWindow::CheckRules(CellNumbering cellNumbering) {
    const RulesCheck check = CheckProblemRules(Texts(), ChosenRow(), AllowsNegativeResults(),
                                               state_.problemRules, cellNumbering);
    switch (check.verdict) {
        case RulesVerdict::Fits:
            break;
        case RulesVerdict::NoneFits: {
            const SettingsMessage message = NoProblemFitsMessage();
            interfaces_.messages.ShowMessage(SettingsMessageTitle(), message.text, message.icon);
            return false;
        }
        case RulesVerdict::SomeRepeat:
            return interfaces_.messages.AskYesNo(windowTitle(),
                                                 SomeWillRepeatQuestion(check.possible));
    }
    return true;
}

PageWindow& MainWindow::PageWindowForUse() {
    if (!pageWindow_) {
        pageWindow_ = std::make_unique<PageWindow>(state_, interfaces_);
        connect(pageWindow_.get(), &PageWindow::ClassSetWanted, this, &MainWindow::MakeClassSet);
    }
    return *pageWindow_;
}

void MainWindow::PrepareTest(RandomSource& source, CellNumbering cellNumbering) {
    PageWindow& page = PageWindowForUse();
    tallyworth::PrepareTest(state_, page.Controls(), Texts(), source, *this, page, cellNumbering);
    page.ShowSheetCode(CodeOfPreparedSheet(source));
    page.StatusLine().SetPart(PageStatusLine::Part::Rules, RulesSummary(state_.problemRules));
    page.RefreshPage();
}

QString MainWindow::CodeOfPreparedSheet(const RandomSource& source) const {
    // Cell numbers are no drawn problems, and a source without a seed draws problems no
    // code can bring back.
    const std::optional<std::uint64_t> seed = source.StreamSeed();
    if (state_.showCellNumbers || !seed) {
        return {};
    }
    return FormatSheetCode(SheetCodeOf(SheetSettingsOf(state_, AllowsNegativeResults()), *seed));
}

void MainWindow::View() {
    if (!sections_.empty()) {
        ViewSections();
        return;
    }
    if (!CheckSettings() || !CheckRules()) {
        return;
    }
    ViewSheet(source_, CellNumbering::ByBounds);
}

void MainWindow::ViewSheet(RandomSource& source, CellNumbering cellNumbering) {
    state_.operation = RowNumber(ChosenRow());
    state_.showSolutions = false;
    PrepareTest(source, cellNumbering);
    PageWindowForUse().ViewTest();
}

void MainWindow::Print() {
    if (!sections_.empty()) {
        PrintSections();
        return;
    }
    if (!CheckSettings() || !CheckRules()) {
        return;
    }
    state_.operation = RowNumber(ChosenRow());
    PrepareTest(source_, CellNumbering::ByBounds);
    PageWindow& page = PageWindowForUse();
    page.PrintTest();
    page.hide();
}

void MainWindow::OpenSheetCode() {
    const std::optional<QString> typed = interfaces_.sheetCodes.AskSheetCode();
    if (!typed) {
        return;
    }
    const SheetCodeParse parsed = ParseSheetCode(*typed);
    if (const auto* error = std::get_if<SheetCodeError>(&parsed)) {
        // As with the settings: text that cannot be read stops, a rule broken informs.
        const bool unreadable = error->fault != SheetCodeFault::BadSettings;
        interfaces_.messages.ShowMessage(SettingsMessageTitle(), error->message,
                                         unreadable ? MessageIcon::Stop : MessageIcon::Information);
        return;
    }
    const SheetCode& code = std::get<SheetCode>(parsed);
    if (ViewSectionsCode(code)) {
        return;
    }
    ShowSettings(code.settings);
    SeededRandomSource seeded(code.seed);
    ViewSheet(seeded, CellNumbering::Never);
}

void MainWindow::ShowSettings(const SheetSettings& settings) {
    lowestField_->setText(QString::number(settings.lowest));
    highestField_->setText(QString::number(settings.highest));
    countField_->setText(QString::number(settings.count));
    SelectRow(settings.operation);
    allowNegativeBox_->setChecked(settings.allowNegative);
    // The option's toggle sets the notation of the worksheet state.
    (settings.upsideDownSeven ? upsideDownSevenOption_ : lineAndDotsOption_)->setChecked(true);
    // A code of a ruled sheet brings its rules back with it.
    state_.problemRules = settings.rules;
}

void MainWindow::MakeClassSet() {
    if (!sections_.empty()) {
        if (const std::optional<SheetCode> code = FreshSectionsCode()) {
            PageWindowForUse().MakeClassSet(*code);
        }
        return;
    }
    // A class set's sheets come from their codes, which never show cell numbers.
    const std::optional<SettingsNumbers> numbers = CheckSettings();
    if (!numbers || !CheckRules(CellNumbering::Never)) {
        return;
    }
    // The code's version follows the rules: a set under rules needs codes that carry them.
    PageWindowForUse().MakeClassSet(SheetCodeOf(FieldSettings(*numbers), FreshSeed()));
}

SheetSettings MainWindow::FieldSettings(const SettingsNumbers& numbers) const {
    return {ChosenRow(),         numbers.lowest,          numbers.highest,
            numbers.count,       AllowsNegativeResults(), state_.UsesUpsideDownSeven(),
            state_.problemRules, state_.pageOptions};
}

std::uint64_t MainWindow::FreshSeed() {
    source_.Reseed(state_.problemRules, state_.pageOptions);
    if (const std::optional<std::uint64_t> seed = source_.StreamSeed()) {
        return CutSeedForCode(*seed, state_.problemRules, state_.pageOptions);
    }
    return ClockSeed(state_.problemRules, state_.pageOptions);
}

void MainWindow::OpenAbout() {
    if (about_ == nullptr) {
        about_ = new AboutBox(this);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::OpenProblemRules() {
    const std::optional<RequestedProblems> requested =
        ReadRequestedProblems(Texts(), ChosenRow(), AllowsNegativeResults());
    auto* dialog = new ProblemRulesDialog(state_.problemRules, requested, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { state_.problemRules = dialog->Rules(); });
    rulesDialog_ = dialog;
    // Window-modal without a nested event loop: the settings it counts for stay put.
    dialog->open();
}

void MainWindow::OpenPageOptions() {
    auto* dialog = new PageOptionsDialog(state_.pageOptions, SpokenLocale(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        state_.pageOptions = dialog->Options();
        ShowSigns();
        if (pageWindow_) {
            pageWindow_->RefreshPage();
        }
    });
    pageDialog_ = dialog;
    dialog->open();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the whole program, without asking.
    if (about_ != nullptr) {
        about_->close();
    }
    if (rulesDialog_ != nullptr) {
        rulesDialog_->reject();
    }
    if (pageDialog_ != nullptr) {
        pageDialog_->reject();
    }
    if (sectionsDialog_ != nullptr) {
        sectionsDialog_->reject();
    }
    if (pageWindow_) {
        pageWindow_->close();
    }
    event->accept();
    Q_EMIT ProgramEnding();
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        DrawBracketIcon();
    }
}

void MainWindow::DrawBracketIcon() {
    // In the text's colour (the window's: the options take it after the window is told), so it
    // shows on a dark or high-contrast desktop as the text does.
    upsideDownSevenOption_->setIcon(
        DrawBracketSign(upsideDownSevenOption_->iconSize(), palette().color(QPalette::WindowText)));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere in the window runs View, like a dialog's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        viewButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace tallyworth
