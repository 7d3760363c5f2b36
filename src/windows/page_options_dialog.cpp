#include "windows/page_options_dialog.h"

#include "windows/dialog_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstddef>

namespace tallyworth {

namespace {

QComboBox* NamedList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

template <typename Enum>
void AddChoice(QComboBox& list, const QString& text, Enum value) {
    list.addItem(text, static_cast<int>(value));
}

// A row of the form whose label names the list for the keyboard and for a screen reader.
void AddRow(QFormLayout& form, const QString& label, QComboBox* list) {
    auto* caption = new QLabel(label, list->parentWidget());
    caption->setBuddy(list);
    list->setAccessibleName(QString(label).remove(u'&').remove(u':'));
    form.addRow(caption, list);
}

}  // namespace

PageOptionsDialog::PageOptionsDialog(const PageOptions& options, const QLocale& locale,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPageOptions"));
    setWindowTitle(tr("Page"));
    BuildControls(locale);
    ShowOptions(options);
    timesSignList_->setFocus();
}

void PageOptionsDialog::BuildControls(const QLocale& locale) {
    const LanguageSignChoice usual = LanguageSigns(locale.language());
    timesSignList_ = NamedList("cboTimesSign", this);
    AddChoice(*timesSignList_, tr("As usually taught (%1)").arg(TimesSignText(usual.times)),
              TimesSign::Default);
    AddChoice(*timesSignList_, tr("Cross %1").arg(TimesSignText(TimesSign::Cross)),
              TimesSign::Cross);
    AddChoice(*timesSignList_, tr("Dot %1").arg(TimesSignText(TimesSign::Dot)), TimesSign::Dot);
    AddChoice(*timesSignList_, tr("Asterisk %1").arg(TimesSignText(TimesSign::Asterisk)),
              TimesSign::Asterisk);
    divideSignList_ = NamedList("cboDivideSign", this);
    AddChoice(*divideSignList_, tr("As usually taught (%1)").arg(DivideSignTextOf(usual.divide)),
              DivideSign::Default);
    AddChoice(*divideSignList_, tr("Division sign %1").arg(DivideSignTextOf(DivideSign::Obelus)),
              DivideSign::Obelus);
    AddChoice(*divideSignList_, tr("Colon %1").arg(DivideSignTextOf(DivideSign::Colon)),
              DivideSign::Colon);
    layoutList_ = NamedList("cboLayout", this);
    AddChoice(*layoutList_, tr("Stacked in columns"), ProblemLayout::Stacked);
    AddChoice(*layoutList_, tr("On a line"), ProblemLayout::Line);
    sizeList_ = NamedList("cboPrintSize", this);
    AddChoice(*sizeList_, tr("Normal"), PrintSize::Normal);
    AddChoice(*sizeList_, tr("Large (18 pt)"), PrintSize::Large);
    AddChoice(*sizeList_, tr("Extra large (24 pt)"), PrintSize::ExtraLarge);
    fillPageBox_ = new QCheckBox(tr("&Fill the page"), this);
    fillPageBox_->setObjectName(QStringLiteral("cbFillPage"));
    fillPageBox_->setToolTip(tr("Prints a short worksheet as large as its page allows."));

    auto* form = new QFormLayout;
    AddRow(*form, tr("&Times sign:"), timesSignList_);
    AddRow(*form, tr("&Division sign:"), divideSignList_);
    AddRow(*form, tr("&Layout:"), layoutList_);
    AddRow(*form, tr("Print &size:"), sizeList_);
    form->addRow(fillPageBox_);
    BuildWrittenControls(locale);
    AddRow(*form, tr("&Written methods:"), methodList_);
    AddRow(*form, tr("S&quared paper:"), squaresList_);
    form->addRow(keyWorkingBox_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PageOptionsDialog::BuildWrittenControls(const QLocale& locale) {
    const std::array<QString, 7> countries{tr("United States"), tr("United Kingdom"), tr("Germany"),
                                           tr("France"),        tr("Spain"),          tr("Mexico"),
                                           tr("Netherlands")};
    const auto countryOf = [&countries](WrittenMethod method) {
        return countries.at(static_cast<std::size_t>(method) - 1);
    };
    methodList_ = NamedList("cboWrittenMethod", this);
    AddChoice(*methodList_,
              tr("As usually taught (%1)").arg(countryOf(SignsOf(PageOptions{}, locale).method)),
              WrittenMethod::Default);
    for (int value = 1; value <= static_cast<int>(countries.size()); ++value) {
        AddChoice(*methodList_, countryOf(static_cast<WrittenMethod>(value)),
                  static_cast<WrittenMethod>(value));
    }
    squaresList_ = NamedList("cboSquaredPaper", this);
    AddChoice(*squaresList_, tr("As the method's country uses it"), SquaredPaper::Default);
    AddChoice(*squaresList_, tr("Always"), SquaredPaper::On);
    AddChoice(*squaresList_, tr("Never"), SquaredPaper::Off);
    keyWorkingBox_ = new QCheckBox(tr("Answer &keys show the whole working"), this);
    keyWorkingBox_->setObjectName(QStringLiteral("cbKeyWorking"));
    keyWorkingBox_->setToolTip(
        tr("An answer key of written methods shows every step, not the answers alone."));
}

void PageOptionsDialog::ShowOptions(const PageOptions& options) {
    ShowChoice(*timesSignList_, options.timesSign);
    ShowChoice(*divideSignList_, options.divideSign);
    ShowChoice(*layoutList_, options.layout);
    ShowChoice(*sizeList_, options.size);
    fillPageBox_->setChecked(options.fillPage);
    ShowChoice(*methodList_, options.method);
    ShowChoice(*squaresList_, options.squares);
    keyWorkingBox_->setChecked(options.keyWorking);
}

PageOptions PageOptionsDialog::Options() const {
    PageOptions options{ChosenOf<TimesSign>(*timesSignList_),
                        ChosenOf<DivideSign>(*divideSignList_),
                        ChosenOf<ProblemLayout>(*layoutList_), ChosenOf<PrintSize>(*sizeList_),
                        fillPageBox_->isChecked()};
    options.method = ChosenOf<WrittenMethod>(*methodList_);
    options.squares = ChosenOf<SquaredPaper>(*squaresList_);
    options.keyWorking = keyWorkingBox_->isChecked();
    return options;
}

}  // namespace tallyworth
