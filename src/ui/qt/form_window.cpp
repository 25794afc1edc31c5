#include "ui/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <set>

#include "ui/qt/canvas_widget.h"
#include "ui/qt/colours.h"
#include "ui/qt/form_widgets.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/widget_state.h"

// The window itself: its flags, its place, size and state both ways, the menu bar, and
// the order of a Sync(). The controls' widgets are in control_widgets.cpp, the keys in
// form_keys.cpp, the painting onto a page in page_painting.cpp.

namespace ui::qt {

namespace {

bool HasChildren(const Form& form, const Menu* m) {
  for (Control* c : form.Controls())
    if (c->Kind() == ControlKind::Menu && static_cast<Menu*>(c)->ParentMenu == m) return true;
  return false;
}

// A separator's caption "-" is its mark, not a text to show beside the line.
QString ItemText(const std::string& caption) { return caption == "-" ? QString() : Q(caption); }

}  // namespace

FormWindow::FormWindow(Form& form, QtPlatform& platform) : form_(&form), platform_(platform) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setContextMenuPolicy(Qt::NoContextMenu);
  client_ = new QWidget(this);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);
  installEventFilter(this);
  client_->installEventFilter(this);

  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (form.BorderStyle == BorderStyles::Sizable) {
    flags |= Qt::Window | Qt::WindowSystemMenuHint;
    if (form.MinButton) flags |= Qt::WindowMinimizeButtonHint;
    if (form.MaxButton) flags |= Qt::WindowMaximizeButtonHint;
  } else {
    flags |= Qt::Dialog;
  }
  if (form.ControlBox) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
  setWindowFlags(flags);
  BuildMenus();
}

FormWindow::~FormWindow() = default;

void FormWindow::Detach() {
  form_ = nullptr;
  for (auto& [control, entry] : entries_)
    if (auto* canvas = dynamic_cast<CanvasWidget*>(entry.widget.data())) canvas->Detach();
  entries_.clear();
  order_.clear();
  known_.clear();
  owners_.clear();
  menus_.clear();
}

QWidget* FormWindow::WidgetOf(const Control* control) const {
  auto it = entries_.find(const_cast<Control*>(control));
  return it == entries_.end() ? nullptr : it->second.widget.data();
}

CanvasWidget* FormWindow::CanvasOf(const PictureBox& box) const { return dynamic_cast<CanvasWidget*>(WidgetOf(&box)); }

Control* FormWindow::ControlOf(QObject* watched) const {
  auto it = owners_.find(watched);
  return it == owners_.end() ? nullptr : it->second;
}

// ---- widgets -------------------------------------------------------------------------

QWidget* FormWindow::ParentFor(Control* container) {
  if (!container) return client_;
  auto it = entries_.find(container);
  if (it == entries_.end()) {
    QWidget* parent = ParentFor(container->Container);
    QWidget* w = CreateWidget(*container, parent);
    if (!w) return client_;
    it = entries_.find(container);
  }
  return it->second.widget ? it->second.widget.data() : client_;
}

bool FormWindow::EnsureWidgets() {
  const std::vector<Control*>& controls = form_->Controls();
  if (controls == known_ &&
      std::all_of(order_.begin(), order_.end(), [](const auto& c) { return c.second->parent == c.first->Container; }))
    return false;
  known_ = controls;
  const std::set<Control*> live(controls.begin(), controls.end());
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (live.count(it->first) && it->second.parent == it->first->Container) {
      ++it;
      continue;
    }
    // The control is gone or moved to another container: its widget goes.
    if (QWidget* w = it->second.widget) {
      if (auto* canvas = dynamic_cast<CanvasWidget*>(w)) canvas->Detach();
      owners_.erase(w);
      w->hide();
      w->disconnect();
      w->deleteLater();
    }
    it = entries_.erase(it);
  }
  for (Control* c : controls) {
    if (c->Kind() == ControlKind::Menu || entries_.count(c)) continue;
    CreateWidget(*c, ParentFor(c->Container));
  }
  order_.clear();
  for (Control* c : controls)
    if (auto it = entries_.find(c); it != entries_.end()) order_.emplace_back(c, &it->second);
  return true;
}

// ---- menus ---------------------------------------------------------------------------

void FormWindow::BuildMenus() {
  menuBar()->clear();
  menus_.clear();
  menuCount_ = 0;
  std::vector<Menu*> all;
  for (Control* c : form_->Controls())
    if (c->Kind() == ControlKind::Menu) all.push_back(static_cast<Menu*>(c));
  menuCount_ = all.size();
  if (all.empty()) {
    menuBar()->hide();
    return;
  }
  menuBar()->setFixedHeight(QtPlatform::MenuBarHeight());
  menuBar()->show();
  auto live = [this] { return form_ != nullptr; };
  // Parents come before their items in the form's control list.
  for (Menu* m : all) {
    MenuEntry entry;
    entry.caption = m->Caption;
    QMenu* parent = nullptr;
    if (m->ParentMenu) {
      auto it = menus_.find(m->ParentMenu);
      if (it == menus_.end() || !it->second.menu) continue;
      parent = it->second.menu;
    }
    if (HasChildren(*form_, m)) {
      QMenu* menu = parent ? parent->addMenu(Q(m->Caption)) : menuBar()->addMenu(Q(m->Caption));
      QObject::connect(menu, &QMenu::aboutToShow, menu, [this, live, m] {
        if (!live()) return;
        platform_.Dispatch([m] {
          if (m->Click) m->Click();
        });
      });
      entry.menu = menu;
      entry.action = menu->menuAction();
    } else {
      QAction* a = parent ? parent->addAction(ItemText(m->Caption)) : menuBar()->addAction(ItemText(m->Caption));
      if (m->Caption == "-") a->setSeparator(true);
      QObject::connect(a, &QAction::triggered, a, [this, live, m] {
        if (!live()) return;
        platform_.Dispatch([m] {
          if (m->Click) m->Click();
        });
      });
      entry.action = a;
      // A checkable item turns its own check when chosen.
      QObject::connect(a, &QAction::toggled, a, [this, m] {
        if (auto it = menus_.find(m); it != menus_.end()) it->second.state.clear();
      });
    }
    menus_[m] = entry;
  }
}

void FormWindow::SyncMenus() {
  size_t count = 0;
  for (Control* c : form_->Controls())
    if (c->Kind() == ControlKind::Menu) ++count;
  if (count != menuCount_) BuildMenus();
  for (auto& [m, entry] : menus_) {
    QAction* a = entry.action;
    if (!a) continue;
    WriteMenuState(*m, scratch_);
    if (scratch_ == entry.state) continue;
    ++widgetUpdates_;
    if (entry.caption != m->Caption) {
      entry.caption = m->Caption;
      if (entry.menu)
        entry.menu->setTitle(Q(m->Caption));
      else
        a->setText(ItemText(m->Caption));
      if (!entry.menu) a->setSeparator(m->Caption == "-");
    }
    if (a->isEnabled() != m->Enabled) a->setEnabled(m->Enabled);
    if (a->isVisible() != m->Visible) a->setVisible(m->Visible);
    if (!entry.menu) {
      if (a->isCheckable() != m->Checked) a->setCheckable(m->Checked);
      if (a->isChecked() != m->Checked) a->setChecked(m->Checked);
      const QKeySequence shortcut = QKeySequence::fromString(Q(m->Shortcut), QKeySequence::PortableText);
      if (a->shortcut() != shortcut) a->setShortcut(shortcut);
    }
    WriteMenuState(*m, entry.state);
  }
}

// ---- the window ----------------------------------------------------------------------

void FormWindow::SyncWindowGeometry() {
  Form& f = *form_;
  if (windowTitle() != Q(f.Caption)) setWindowTitle(Q(f.Caption));
  SetRole(*client_, QPalette::Window, ToQColor(f.BackColor, palette()));
  if (f.Width <= 0 || f.Height <= 0) {
    // A form nobody sized: big enough for its controls.
    float right = 0, bottom = 0;
    for (Control* c : f.Controls())
      if (!c->Container && c->Kind() != ControlKind::Menu) {
        right = std::max(right, c->Left + c->Width);
        bottom = std::max(bottom, c->Top + c->Height);
      }
    f.SetClientSize(right + 120, bottom + 120);
  }
  if (isVisible() && f.WindowState != knownState_) {
    knownState_ = f.WindowState;
    if (f.WindowState == WindowMinimized)
      showMinimized();
    else if (f.WindowState == WindowMaximized)
      showMaximized();
    else
      showNormal();
  }
  // A window first shown maximised or minimised still takes the form's rectangle as its
  // normal one, so that restoring it brings that rectangle back.
  if (f.WindowState != WindowNormal && isVisible()) return;
  applyingGeometry_ = true;
  if (f.Width != knownWidth_ || f.Height != knownHeight_) {
    knownWidth_ = f.Width;
    knownHeight_ = f.Height;
    const QSize size(std::max(1, Px(f.Width)), std::max(1, Px(f.Height)));
    if (f.BorderStyle == BorderStyles::FixedDialog)
      setFixedSize(size);
    else if (this->size() != size)
      resize(size);
  }
  if (f.Left != knownLeft_ || f.Top != knownTop_) {
    knownLeft_ = f.Left;
    knownTop_ = f.Top;
    if (placed_ || f.Left != 0 || f.Top != 0) {
      placed_ = true;
      move(Px(f.Left), Px(f.Top));
    }
  }
  applyingGeometry_ = false;
}

void FormWindow::Sync() {
  if (!form_) return;
  SyncWindowGeometry();
  if (!form_) return;
  SyncMenus();
  // A widget made or removed changes the stacking (lines lie over the widgets made
  // before them) and the tab order: then every widget is brought up to date.
  const bool rebuilt = EnsureWidgets();
  bool updated = rebuilt;
  // Containers first, so that children are placed in their container's current size.
  for (auto [c, e] : order_) {
    if (!form_) return;
    if (!e->widget) continue;
    // The image keeps its own revision of what changed.
    if (c->Kind() == ControlKind::PictureBox) static_cast<CanvasWidget*>(e->widget.data())->SyncImage();
    if (rebuilt) e->state.clear();
    WriteWidgetState(*c, *e->widget, palette(), scratch_);
    if (scratch_ == e->state) continue;
    SyncControl(*c, *e);
    ++widgetUpdates_;
    updated = true;
    if (!form_ || !e->widget) continue;
    WriteWidgetState(*c, *e->widget, palette(), e->state);
  }
  if (form_ && updated) SyncTabOrder();
}

void FormWindow::ShowForm(bool modal) {
  if (!form_) return;
  if (modal) setWindowModality(Qt::ApplicationModal);
  QWidget* active = QApplication::activeWindow();
  auto* owner = dynamic_cast<FormWindow*>(active);
  if (owner == this) owner = nullptr;
  if (owner && (modal || form_->BorderStyle == BorderStyles::FixedDialog)) {
    create();
    if (windowHandle() && owner->windowHandle()) windowHandle()->setTransientParent(owner->windowHandle());
  }
  Sync();
  if (!form_) return;
  if (!placed_) {
    // No place given: centred over the window it belongs to, or on the screen.
    const QRect area = owner ? owner->frameGeometry() : screen()->availableGeometry();
    QRect r(QPoint(0, 0), size());
    r.moveCenter(area.center());
    move(std::max(area.left(), r.left()), std::max(area.top(), r.top()));
    placed_ = true;
  }
  knownState_ = form_->WindowState;
  if (form_->WindowState == WindowMaximized)
    showMaximized();
  else if (form_->WindowState == WindowMinimized)
    showMinimized();
  else
    show();
  raise();
  activateWindow();
  ApplyFocus();
}

void FormWindow::ApplyFocus() {
  if (!form_ || !form_->ActiveControl) return;
  if (QWidget* w = WidgetOf(form_->ActiveControl); w && !w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
}

void FormWindow::FireResize() {
  if (!form_ || !form_->Resize) return;
  Form* f = form_;
  platform_.Dispatch([f] {
    if (!f->Resize) return;
    auto handler = f->Resize;
    handler();
  });
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!form_) return;
  if (!isMaximized() && !isMinimized()) {
    if (Px(form_->Width) != width()) form_->Width = static_cast<float>(width() * TwipsPerPixel);
    if (Px(form_->Height) != height()) form_->Height = static_cast<float>(height() * TwipsPerPixel);
    knownWidth_ = form_->Width;
    knownHeight_ = form_->Height;
  } else {
    // The outer size the form reports while maximised is the window's.
    form_->Width = static_cast<float>(width() * TwipsPerPixel);
    form_->Height = static_cast<float>(height() * TwipsPerPixel);
  }
  if (size() == lastClient_) return;
  lastClient_ = size();
  FireResize();
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!form_ || isMaximized() || isMinimized() || !isVisible()) return;
  if (Px(form_->Left) != x()) form_->Left = static_cast<float>(x() * TwipsPerPixel);
  if (Px(form_->Top) != y()) form_->Top = static_cast<float>(y() * TwipsPerPixel);
  knownLeft_ = form_->Left;
  knownTop_ = form_->Top;
}

void FormWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (!form_ || event->type() != QEvent::WindowStateChange) return;
  const int16_t state = isMinimized() ? WindowMinimized : isMaximized() ? WindowMaximized : WindowNormal;
  const int16_t before = form_->WindowState;
  form_->WindowState = state;
  knownState_ = state;
  if (state == WindowNormal) {
    // Back to the normal rectangle: apply the form's size again.
    knownWidth_ = knownHeight_ = -1;
  }
  if (before != state && (before == WindowMinimized || state == WindowMinimized)) {
    lastClient_ = QSize();
    FireResize();
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!form_) return;
  if (!form_->ControlBox) return;
  Form* f = form_;
  platform_.Dispatch([f] { f->Unload(UnloadFromControlMenu); });
}

}  // namespace ui::qt
