// The floor for Brindle's Math's start-up: the least a Qt Widgets program does
// to show the triangle page. One window titled "Triangles", 379 x 219 below a
// menu bar with the same two menus, and the page's 31 controls (13 labels, one
// drop-down, 11 edit fields, 4 buttons, 2 check boxes) at their places, with
// the style and font the program's gadget layer chooses. No settings file, no
// gadget table, no event queue: what is left is the toolkit's own cost.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleFactory>
#include <QWidget>
#include <iterator>

namespace {

enum class Kind { Label, Edit, ReadOnlyEdit, Button, CheckBox, Combo };

struct Control {
  Kind kind;
  int x, y, w, h;
  const char* text;
};

// The triangle page, in its creation order.
constexpr Control kPage[] = {
    {Kind::Label, 10, 10, 40, 20, "Units"},
    {Kind::Label, 10, 40, 40, 20, "Side A"},
    {Kind::Label, 10, 70, 40, 20, "Side B"},
    {Kind::Label, 10, 100, 40, 20, "Side C"},
    {Kind::Label, 160, 40, 50, 20, "Angle AB"},
    {Kind::Label, 160, 70, 50, 20, "Angle BC"},
    {Kind::Label, 160, 100, 50, 20, "Angle AC"},
    {Kind::Label, 10, 130, 40, 20, "Height"},
    {Kind::Label, 10, 160, 40, 20, "Area"},
    {Kind::Label, 160, 10, 60, 20, "Unit Weight"},
    {Kind::Label, 160, 130, 70, 20, "Total Weight"},
    {Kind::Combo, 60, 10, 90, 20, ""},
    {Kind::Edit, 60, 40, 90, 20, ""},
    {Kind::Edit, 60, 70, 90, 20, ""},
    {Kind::Edit, 60, 100, 90, 20, ""},
    {Kind::ReadOnlyEdit, 60, 130, 90, 20, ""},
    {Kind::ReadOnlyEdit, 60, 160, 90, 20, ""},
    {Kind::Edit, 230, 10, 90, 20, ""},
    {Kind::ReadOnlyEdit, 230, 130, 90, 20, ""},
    {Kind::Edit, 230, 100, 90, 20, ""},
    {Kind::Edit, 230, 70, 90, 20, ""},
    {Kind::Edit, 230, 40, 90, 20, ""},
    {Kind::Button, 330, 10, 40, 30, "Calc"},
    {Kind::Button, 330, 130, 40, 30, "Close"},
    {Kind::CheckBox, 230, 160, 50, 20, "Acute"},
    {Kind::CheckBox, 230, 190, 60, 20, "Obtuse"},
    {Kind::Label, 160, 160, 50, 20, "Triangle"},
    {Kind::Button, 330, 50, 40, 30, "Clear"},
    {Kind::Button, 330, 90, 40, 30, "Help"},
    {Kind::Label, 10, 190, 50, 20, "Perimeter"},
    {Kind::ReadOnlyEdit, 60, 190, 90, 20, ""},
};
static_assert(std::size(kPage) == 31);

constexpr int kPageWidth = 379;
constexpr int kPageHeight = 219;  // below the menu bar

// The same narrow font the gadget layer settles on: the first family of its
// chain that is really installed, at that family's pixel size.
QFont PageFont() {
  const struct {
    const char* family;
    int pixelSize;
  } chain[] = {{"Nimbus Sans Narrow", 12}, {"DejaVu Sans Condensed", 10}};
  for (const auto& choice : chain) {
    QFont font(QString::fromLatin1(choice.family));
    font.setPixelSize(choice.pixelSize);
    if (QFontInfo(font).family().startsWith(QString::fromLatin1(choice.family))) return font;
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPixelSize(10);
  return font;
}

QWidget* MakeControl(const Control& c, QWidget* parent) {
  const QString text = QString::fromLatin1(c.text);
  switch (c.kind) {
    case Kind::Label:
      return new QLabel(text, parent);
    case Kind::Edit:
      return new QLineEdit(parent);
    case Kind::ReadOnlyEdit: {
      auto* edit = new QLineEdit(parent);
      edit->setReadOnly(true);
      return edit;
    }
    case Kind::Button:
      return new QPushButton(text, parent);
    case Kind::CheckBox:
      return new QCheckBox(text, parent);
    case Kind::Combo: {
      auto* combo = new QComboBox(parent);
      combo->addItem(QStringLiteral("Fractions"));
      combo->addItem(QStringLiteral("Decimal"));
      return combo;
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  // As the program does: no desktop theme plug-in.
  QGuiApplication::setDesktopSettingsAware(false);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(PageFont());

  QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window.setWindowTitle(QStringLiteral("Triangles"));

  auto* bar = new QMenuBar(&window);
  bar->setNativeMenuBar(false);
  QMenu* calculate = bar->addMenu(QStringLiteral("Calculate"));
  for (const char* item : {"Triangle", "Bolt Circle", "Box", "Bender", "Conversions"})
    calculate->addAction(QString::fromLatin1(item));
  calculate->addSeparator();
  calculate->addAction(QStringLiteral("Exit"), &app, &QApplication::quit);
  QMenu* help = bar->addMenu(QStringLiteral("Help"));
  for (const char* item : {"Help", "Website", "About"})
    help->addAction(QString::fromLatin1(item));
  const int barHeight = bar->sizeHint().height();
  bar->setGeometry(0, 0, kPageWidth, barHeight);

  auto* page = new QWidget(&window);
  page->setGeometry(0, barHeight, kPageWidth, kPageHeight);
  for (const Control& c : kPage)
    MakeControl(c, page)->setGeometry(c.x, c.y, c.w, c.h);

  window.setFixedSize(kPageWidth, barHeight + kPageHeight);
  window.move(346, 50);
  window.show();
  return QApplication::exec();
}
