#pragma once

#include "core/page_options.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace tallyworth {

// Sets how the worksheet is printed: its signs, whether its problems stand in columns or
// on a line, how large, and how its written methods are laid out.
class PageOptionsDialog final : public QDialog {
    Q_OBJECT
  public:
    // locale: the one the program speaks in, whose usual signs and written method the
    // first choices name.
    PageOptionsDialog(const PageOptions& options, const QLocale& locale, QWidget* parent = nullptr);

    // The options as the dialog shows them.
    [[nodiscard]] PageOptions Options() const;

  private:
    void BuildControls(const QLocale& locale);
    void BuildWrittenControls(const QLocale& locale);
    void ShowOptions(const PageOptions& options);

    QComboBox* timesSignList_ = nullptr;
    QComboBox* divideSignList_ = nullptr;
    QComboBox* layoutList_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    QCheckBox* fillPageBox_ = nullptr;
    QComboBox* methodList_ = nullptr;
    QComboBox* squaresList_ = nullptr;
    QCheckBox* keyWorkingBox_ = nullptr;
};

}  // namespace tallyworth
