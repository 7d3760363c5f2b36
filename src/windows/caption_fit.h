#pragma once

#include <QRect>
#include <QString>

class QAbstractButton;
class QFont;
class QLabel;

namespace tallyworth {

// The smallest size a caption is shrunk to. A caption that does not fit even then is
// shortened with an ellipsis and shows whole as the control's tooltip.
inline constexpr double kSmallestCaptionPointSize = 8.0;

// Where a control draws its caption: a label's contents, a button's face inside its
// frame, the text area beside a check box's or option button's indicator and icon.
[[nodiscard]] QRect CaptionRoom(const QLabel& label);
[[nodiscard]] QRect CaptionRoom(const QAbstractButton& button);

// Whether the caption, drawn in the font with the text flags (alignment, word wrap,
// mnemonic), stays inside the room.
[[nodiscard]] bool CaptionFits(const QFont& font, const QRect& room, int flags,
                               const QString& caption);

// Sets the caption of a fixed-size label or button so that no letter falls outside the
// control: at the control's design font (its font when its first caption is set) where
// the caption fits, else at the largest smaller size that fits, in quarter points (a bold
// caption that fits at no size in bold is tried in the regular weight). Use
// it for every caption a control is given, so later captions are fitted too. The whole
// caption is always the control's accessible name.
void SetFittedCaption(QLabel& label, const QString& caption);
void SetFittedCaption(QAbstractButton& button, const QString& caption);

// The font a one-line entry of a list is shown in, so that it is no wider than the width:
// the design font, else the largest smaller size that fits, down to the smallest caption
// size.
[[nodiscard]] QFont FontToFit(const QFont& design, int width, const QString& text);

}  // namespace tallyworth
