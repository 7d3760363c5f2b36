#pragma once

#include "page_model/page_controls.h"

#include <QWidget>

namespace tallyworth {

// The page on screen at 96 logical dots per inch, drawn by the same painter that
// prints it; its owner places and sizes it, and it shows the part of the US Letter
// sheet that its size covers.
class PageView final : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kDotsPerInch = 96.0;

    explicit PageView(const PageControls& page, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const PageControls& page_;
};

}  // namespace tallyworth
