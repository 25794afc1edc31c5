#pragma once
// A form on screen: a top-level window whose client area holds one Qt widget per
// control of the form. Sync() brings the window and its widgets up to date with the
// form's plain members, each widget only when something it shows changed; the widgets
// report the user's edits back and deliver events.

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/form.h"

class QEventLoop;
class QMenu;
class QAction;
class QPainter;
class QLabel;
class QPushButton;
class QToolBar;

namespace ui::qt {

class QtPlatform;
class CanvasWidget;

class FormWindow : public QMainWindow {
 public:
  FormWindow(Form& form, QtPlatform& platform);
  ~FormWindow() override;

  Form* form() const { return form_; }
  QWidget* Client() const { return client_; }
  // The widget that shows a control (null for menus and unknown controls).
  QWidget* WidgetOf(const Control* control) const;
  CanvasWidget* CanvasOf(const PictureBox& box) const;

  void Sync();
  // How many times a control's widget or a menu item was brought up to date (for tests).
  uint64_t WidgetUpdates() const { return widgetUpdates_; }
  // Paints the client area as it stands onto a page (the painter already scaled from the
  // screen's 96 dpi to the device): labels as text, lines as lines, pictures from their
  // pixels, anything else as a picture at the device's resolution.
  void PaintPage(QPainter& p);
  // Shows the window in the form's state and gives the focus to the form's active control.
  void ShowForm(bool modal);
  void ApplyFocus();
  // The form is gone or closed: forget it (the window is hidden and deleted later).
  void Detach();

  QPointer<QEventLoop> ModalLoop;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    Control* parent = nullptr;  // the container it was created in
    std::string text;           // last caption / text shown
    std::vector<std::string> items;
    std::string signature;  // toolbar buttons, fonts, colours ...
    std::string font;
    std::string colours;
    std::string state;  // what the widget was last brought up to date from (widget_state.h)
  };
  struct MenuEntry {
    QPointer<QMenu> menu;      // top-level menus and submenus
    QPointer<QAction> action;  // the item's own action (menuAction() for menus)
    std::string caption;
    std::string state;
  };

  // Makes and removes widgets as controls come and go; true when it did.
  bool EnsureWidgets();
  QWidget* ParentFor(Control* container);
  // One widget per kind of control, and its update from the control (control_widgets.cpp).
  QWidget* CreateWidget(Control& c, QWidget* parent);
  QWidget* CreateTextBox(TextBox& box, QWidget* parent);
  QWidget* CreateListBox(ListBox& box, QWidget* parent);
  // What the user changes in a widget makes the window forget what the widget was last
  // brought up to date from, so that the next Sync() compares it with its control again.
  void WatchUsersChanges(Control& c, QWidget* w);
  void SyncControl(Control& c, Entry& e);
  void SyncLabel(Label& l, QLabel* label, Entry& e);
  void SyncTextBox(TextBox& t, QWidget* w, Entry& e);
  void SyncCommandButton(CommandButton& b, QPushButton* button, Entry& e);
  void SyncToolbar(Toolbar& t, QToolBar* bar, Entry& e);
  void SyncGeometry(Control& c, QWidget& w);
  void SyncFont(Control& c, QWidget& w, Entry& e);
  void SyncWindowGeometry();
  void BuildMenus();
  void SyncMenus();
  void SyncTabOrder();
  bool DeliverKey(Control* control, QObject* watched, QKeyEvent* key, bool press);
  Control* ControlOf(QObject* watched) const;
  void FireResize();
  void PaintChildren(QPainter& p, QWidget& parent);

  Form* form_;
  QtPlatform& platform_;
  QWidget* client_;
  std::map<Control*, Entry> entries_;
  std::vector<Control*> known_;                     // the form's controls when the widgets were last made
  std::vector<std::pair<Control*, Entry*>> order_;  // their entries in the form's order
  std::string scratch_;                             // the state of the control being looked at
  uint64_t widgetUpdates_ = 0;
  std::map<QObject*, Control*> owners_;
  std::map<Menu*, MenuEntry> menus_;
  size_t menuCount_ = 0;
  std::string tabSignature_;
  // The form's place and size as last applied or read back (twips), and its state.
  float knownLeft_ = -1e30f, knownTop_ = -1e30f, knownWidth_ = -1, knownHeight_ = -1;
  int16_t knownState_ = -1;
  QSize lastClient_;
  bool placed_ = false;
  bool applyingGeometry_ = false;
};

}  // namespace ui::qt
