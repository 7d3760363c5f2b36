#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tallyworth {

// Asks for a sheet code to open. OK stays off while the field is empty; reading the code
// is left to the caller, which says what is wrong with it.
class SheetCodeDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit SheetCodeDialog(QWidget* parent = nullptr);

    // Puts text in the field, selected, so that typing replaces it.
    void SetTyped(const QString& text);
    [[nodiscard]] QString Typed() const;

  private:
    QLineEdit* field_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace tallyworth
