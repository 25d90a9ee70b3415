#pragma once
// Inside the gadget layer only, and free of the toolkit: where the menu being
// built takes its next item. A menu bar's title opens a drop-down; a submenu
// opens inside the menu taking items, and its end goes back to its parent.

#include <vector>

namespace brindle {

namespace gadget_layer {

template <class Menu>
class MenuPath {
 public:
  // A new drop-down under the menu bar, or none (a null handle).
  void Start(Menu dropDown) { open_.assign(1, dropDown); }
  void OpenSubmenu(Menu submenu) { open_.push_back(submenu); }
  // Back to the submenu's parent; a drop-down itself stays open.
  void EndSubmenu() {
    if (open_.size() > 1) open_.pop_back();
  }
  // The menu that takes the next item, or a null handle.
  Menu Current() const { return open_.empty() ? Menu{} : open_.back(); }

 private:
  std::vector<Menu> open_;
};

}  // namespace gadget_layer

}  // namespace brindle
