#include "ui/window/window_style.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QStyleOption>

namespace pivora {

QFont PixelFont(const QString& family, int pixelHeight, bool bold, bool italic) {
  QFont font;
  font.setFamilies({family, QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

void CloseOnEscape(QWidget& window) {
  auto* escape = new QAction(&window);
  escape->setShortcut(QKeySequence(Qt::Key_Escape));
  escape->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(escape, &QAction::triggered, &window, &QWidget::close);
  window.addAction(escape);
}

QFont WindowFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 11); }

QColor ApplicationWorkspaceColor() { return QApplication::palette().color(QPalette::Dark); }

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_SpinBox_ClickAutoRepeatThreshold:
      return 400;
    case SH_SpinBox_ClickAutoRepeatRate:
      return 100;
    default:
      return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  if (element == CE_HeaderEmptyArea) {
    painter->fillRect(option->rect, option->palette.base());
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace pivora
