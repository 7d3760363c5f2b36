#include "windows/class_set_dialog.h"

#include "render/class_set_output.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tallyworth {

namespace {

// Shows after this long, and then only when the whole set would take longer.
constexpr int kProgressAfterMilliseconds = 500;

QComboBox* AddChoices(QWidget* parent, const char* name,
                      const std::vector<std::pair<QString, int>>& choices) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const auto& [caption, value] : choices) {
        box->addItem(caption, value);
    }
    return box;
}

QLabel* AddPrompt(QWidget* parent, const char* name, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

void SelectValue(QComboBox& box, int value) {
    box.setCurrentIndex(std::max(box.findData(value), 0));
}

}  // namespace

ClassSetDialog::ClassSetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmClassSet"));
    setWindowTitle(tr("Class Set"));
    sheets_ = new QSpinBox(this);
    sheets_->setObjectName(QStringLiteral("txtSheets"));
    sheets_->setRange(kLeastSheets, kMostSheets);
    answerKeys_ = AddChoices(this, "cboAnswerKeys",
                             {{tr("None"), static_cast<int>(AnswerKeys::None)},
                              {tr("After each sheet"), static_cast<int>(AnswerKeys::AfterEach)},
                              {tr("All at the end"), static_cast<int>(AnswerKeys::AtEnd)}});
    header_ = new QCheckBox(tr("&Header with Name and Date lines"), this);
    header_->setObjectName(QStringLiteral("cbHeader"));
    auto* form = new QFormLayout;
    form->addRow(AddPrompt(this, "lblSheets", tr("Number of &sheets:"), sheets_), sheets_);
    form->addRow(AddPrompt(this, "lblAnswerKeys", tr("&Answer keys:"), answerKeys_), answerKeys_);
    form->addRow(header_);
    // Tab follows the order the controls are made in, which is the order they are read in.
    QWidget* destination = BuildDestination();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(destination);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetChoice(ClassSetChoice{.paper = SystemPaper().id()});
    sheets_->setFocus();
}

QWidget* ClassSetDialog::BuildDestination() {
    auto* frame = new QGroupBox(tr("Destination"), this);
    frame->setObjectName(QStringLiteral("frameDestination"));
    pdfFile_ = new QRadioButton(tr("PDF &file"), frame);
    pdfFile_->setObjectName(QStringLiteral("optPdfFile"));
    paper_ = AddChoices(frame, "cboPaper",
                        {{QPageSize(QPageSize::Letter).name(), QPageSize::Letter},
                         {QPageSize(QPageSize::A4).name(), QPageSize::A4}});
    QLabel* paperLabel = AddPrompt(frame, "lblPaper", tr("&Paper:"), paper_);
    printer_ = new QRadioButton(tr("P&rinter"), frame);
    printer_->setObjectName(QStringLiteral("optPrinter"));
    // The paper belongs to the file: a printer's paper is chosen in the print dialog.
    connect(pdfFile_, &QRadioButton::toggled, paper_, &QWidget::setEnabled);
    connect(pdfFile_, &QRadioButton::toggled, paperLabel, &QWidget::setEnabled);
    auto* pdfRow = new QHBoxLayout;
    pdfRow->addWidget(pdfFile_);
    pdfRow->addStretch();
    pdfRow->addWidget(paperLabel);
    pdfRow->addWidget(paper_);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(pdfRow);
    layout->addWidget(printer_);
    return frame;
}

void ClassSetDialog::SetChoice(const ClassSetChoice& choice) {
    sheets_->setValue(choice.sheets);
    SelectValue(*answerKeys_, static_cast<int>(choice.answerKeys));
    header_->setChecked(choice.header);
    (choice.destination == ClassSetDestination::PdfFile ? pdfFile_ : printer_)->setChecked(true);
    paper_->setEnabled(pdfFile_->isChecked());
    SelectValue(*paper_, choice.paper);
}

ClassSetChoice ClassSetDialog::Choice() const {
    return {sheets_->value(), static_cast<AnswerKeys>(answerKeys_->currentData().toInt()),
            header_->isChecked(),
            pdfFile_->isChecked() ? ClassSetDestination::PdfFile : ClassSetDestination::Printer,
            static_cast<QPageSize::PageSizeId>(paper_->currentData().toInt())};
}

ClassSetProgressDialog::ClassSetProgressDialog(QWidget* parent) : QProgressDialog(parent) {
    setObjectName(QStringLiteral("frmClassSetProgress"));
    setWindowTitle(tr("Class Set"));
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(kProgressAfterMilliseconds);
    setLabelText(tr("Making the class set..."));
}

void ClassSetProgressDialog::Start(int pages) {
    setRange(0, pages);
    setValue(0);
}

bool ClassSetProgressDialog::Advance(int pagesDone) {
    setLabelText(tr("Making the class set: page %1 of %2").arg(pagesDone).arg(maximum()));
    setValue(pagesDone);
    return !wasCanceled();
}

}  // namespace tallyworth
