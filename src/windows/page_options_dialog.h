#pragma once

#include "core/page_options.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace tallyworth {

// Sets how the worksheet is printed: its signs, whether its problems stand in columns or
// on a line, and how large.
class PageOptionsDialog final : public QDialog {
    Q_OBJECT
  public:
    // language: the one the program speaks, whose usual signs the first choices name.
    PageOptionsDialog(const PageOptions& options, QLocale::Language language,
                      QWidget* parent = nullptr);

    // The options as the dialog shows them.
    [[nodiscard]] PageOptions Options() const;

  private:
    void BuildControls(QLocale::Language language);
    void ShowOptions(const PageOptions& options);

    QComboBox* timesSignList_ = nullptr;
    QComboBox* divideSignList_ = nullptr;
    QComboBox* layoutList_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    QCheckBox* fillPageBox_ = nullptr;
};

}  // namespace tallyworth
