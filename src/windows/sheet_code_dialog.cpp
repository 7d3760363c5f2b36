#include "windows/sheet_code_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyworth {

namespace {

// Wide enough for a code typed with blanks as well as dashes.
constexpr const char* kWidestCode = "WWWWW WWWWW WWWW";

}  // namespace

SheetCodeDialog::SheetCodeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOpenSheetCode"));
    setWindowTitle(tr("Open Sheet Code"));
    auto* hint = new QLabel(tr("Type the sheet code shown under a worksheet, or on a page of a "
                               "class set: 14 letters and digits."),
                            this);
    hint->setObjectName(QStringLiteral("lblSheetCodeHint"));
    hint->setWordWrap(true);
    auto* prompt = new QLabel(tr("&Sheet code:"), this);
    prompt->setObjectName(QStringLiteral("lblSheetCode"));
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("txtSheetCode"));
    field_->setMinimumWidth(
        field_->fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestCode)) * 5 / 4);
    prompt->setBuddy(field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(field_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(prompt);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    hint->setFixedWidth(field_->minimumWidth() * 3 / 2);
    field_->setFocus();
}

void SheetCodeDialog::SetTyped(const QString& text) {
    field_->setText(text);
    field_->selectAll();
}

QString SheetCodeDialog::Typed() const {
    return field_->text();
}

}  // namespace tallyworth
