#include "windows/page_options_dialog.h"

#include "windows/dialog_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

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

PageOptionsDialog::PageOptionsDialog(const PageOptions& options, QLocale::Language language,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPageOptions"));
    setWindowTitle(tr("Page"));
    BuildControls(language);
    ShowOptions(options);
    timesSignList_->setFocus();
}

void PageOptionsDialog::BuildControls(QLocale::Language language) {
    const LanguageSignChoice usual = LanguageSigns(language);
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PageOptionsDialog::ShowOptions(const PageOptions& options) {
    ShowChoice(*timesSignList_, options.timesSign);
    ShowChoice(*divideSignList_, options.divideSign);
    ShowChoice(*layoutList_, options.layout);
    ShowChoice(*sizeList_, options.size);
    fillPageBox_->setChecked(options.fillPage);
}

PageOptions PageOptionsDialog::Options() const {
    return {ChosenOf<TimesSign>(*timesSignList_), ChosenOf<DivideSign>(*divideSignList_),
            ChosenOf<ProblemLayout>(*layoutList_), ChosenOf<PrintSize>(*sizeList_),
            fillPageBox_->isChecked()};
}

}  // namespace tallyworth
