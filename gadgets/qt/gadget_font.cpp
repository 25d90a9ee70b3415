#include "gadgets/qt/gadget_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <array>

namespace brindle {

namespace gadget_layer {
namespace {

struct FontChoice {
  const char* family;
  int pixelSize;
};

// The captions were laid out for a small, narrow system font. Measured with the
// Fusion style against their boxes, these two fit every caption of the pages
// and of the about window with at least 2 pixels to spare ("Soft" in its
// 40-pixel check box is the tightest); Nimbus Sans Narrow comes first because it
// does so at the larger size. DejaVu Sans Condensed at 11 pixels would cut the
// longest converter units by 2 to 3 pixels.
constexpr std::array kFontChain{
    FontChoice{"Nimbus Sans Narrow", 12},
    FontChoice{"DejaVu Sans Condensed", 10},
};
// Any other sans serif: still readable, though some captions may be cut.
constexpr int kFallbackPixelSize = 10;

}  // namespace

QFont ChooseGadgetFont() {
  for (const FontChoice& choice : kFontChain) {
    QFont font(QString::fromLatin1(choice.family));
    font.setPixelSize(choice.pixelSize);
    // Accept the family only when it is really installed, not a substitute.
    if (QFontInfo(font).family().startsWith(QString::fromLatin1(choice.family))) return font;
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPixelSize(kFallbackPixelSize);
  return font;
}

QFont TextAreaFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(12);
  return font;
}

int MenuBarPixelHeight() {
  static int height = 0;
  if (height == 0 && QApplication::instance() != nullptr) {
    // Measured on a real menu bar, so that the number agrees with what every
    // menu bar of the program asks for itself.
    QMenuBar bar;
    bar.setNativeMenuBar(false);
    bar.addMenu(QStringLiteral("Calculate"));
    height = bar.sizeHint().height();
  }
  return height;
}

}  // namespace gadget_layer

}  // namespace brindle
