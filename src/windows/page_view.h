#pragma once

#include "page_model/printed_page.h"

#include <QStringList>
#include <QWidget>

namespace tallyworth {

// The page on screen at 96 logical dots per inch, drawn by the same painter that
// prints it; its owner places and sizes it, and it shows the part of the US Letter
// sheet that its size covers.
class PageView final : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kDotsPerInch = 96.0;

    explicit PageView(QWidget* parent = nullptr);

    // The page to show, with what assistive technology reads of it: its name (which page,
    // whether the solutions show) and the problems in reading order. A change is announced.
    void ShowPage(PrintedPage page, const QString& name);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    PrintedPage page_;
};

}  // namespace tallyworth
