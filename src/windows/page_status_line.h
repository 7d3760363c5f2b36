#pragma once

#include <QStatusBar>

#include <array>

class QLabel;
class QLineEdit;

namespace tallyworth {

// The line under the page that says what the page shows. Each part is a caption and a
// text the user can select and copy (its caption's access key selects it all); a part
// without text is hidden.
class PageStatusLine final : public QStatusBar {
    Q_OBJECT
  public:
    enum class Part {
        SheetCode,  // the code that brings the worksheet back
        Rules,      // the problem rules that are on
    };

    explicit PageStatusLine(QWidget* parent = nullptr);

    // Shows text in the part, or hides the part when text is empty.
    void SetPart(Part part, const QString& text);
    [[nodiscard]] QString PartText(Part part) const;

  private:
    struct Shown {
        QLabel* caption = nullptr;
        QLineEdit* text = nullptr;
    };
    static constexpr std::size_t kParts = 2;

    [[nodiscard]] const Shown& PartOf(Part part) const;

    std::array<Shown, kParts> parts_{};
};

}  // namespace tallyworth
