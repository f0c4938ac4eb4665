// The look every widget of the window shares: fonts by pixel height with
// their fallbacks, the system colours, and the style details that the
// toolkit's default style leaves different from what the window needs.
#pragma once

#include <QColor>
#include <QFont>
#include <QProxyStyle>

namespace pivora {

// A font of the given family whose character height (cell height less
// internal leading) is `pixelHeight`. Where the family is missing, the
// metric-compatible Liberation Sans serves, at the same height and style.
QFont PixelFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false);

// The window's own font: "MS Sans Serif" at 8 points, 11 pixels.
QFont WindowFont();

// The system's fixed-pitch font, in which the views' columns line up: the
// report memo, the report window and the report's PDF and printout.
QFont FixedPitchFont();

// Escape closes `window` (the help, the report's and the picture's windows),
// as it closes a dialog.
void CloseOnEscape(QWidget& window);

// The application-workspace colour: the background the toolkit gives its
// multiple-document workspace.
QColor ApplicationWorkspaceColor();

// Spin buttons repeat after 400 ms, then every 100 ms; the fixed heading
// cells leave the area beyond the last column in the grid's base colour.
class WindowStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

}  // namespace pivora
