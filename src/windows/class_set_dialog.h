#pragma once

#include "core/class_set.h"
#include "windows/user_interfaces.h"

#include <QDialog>
#include <QLocale>
#include <QPageSize>
#include <QProgressDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace tallyworth {

// Asks how to make a class set: how many sheets, where the answer keys go, whether each
// page gets the Name and Date header, and whether it goes to a PDF file (on which paper)
// or to a printer.
class ClassSetDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit ClassSetDialog(QWidget* parent = nullptr);

    void SetChoice(const ClassSetChoice& choice);
    [[nodiscard]] ClassSetChoice Choice() const;

  private:
    QWidget* BuildDestination();

    QSpinBox* sheets_ = nullptr;
    QComboBox* answerKeys_ = nullptr;
    QCheckBox* header_ = nullptr;
    QRadioButton* pdfFile_ = nullptr;
    QRadioButton* printer_ = nullptr;
    QComboBox* paper_ = nullptr;
};

// Shows how far a class set has come once it takes more than a moment, and lets the user
// cancel it. Modal to the whole program while it shows: nothing may change the windows
// underneath a set being made.
class ClassSetProgressDialog final : public QProgressDialog, public SetProgress {
    Q_OBJECT
  public:
    explicit ClassSetProgressDialog(QWidget* parent = nullptr);

    void Start(int pages) override;
    [[nodiscard]] bool Advance(int pagesDone) override;
    [[nodiscard]] bool Cancelled() const { return wasCanceled(); }
};

}  // namespace tallyworth
