// The widgets of a form's controls, one Qt widget per kind of control, created once and
// brought up to date with the control's plain members at a Sync() that finds something
// of it changed.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/qt/canvas_widget.h"
#include "ui/qt/colours.h"
#include "ui/qt/form_widgets.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

// The dialog face of the platform the forms were laid out on (substituted by QtPlatform).
constexpr const char* DefaultControlFace = "MS Sans Serif";

// A picture's size and pixels as one text, to tell whether a widget shows it already.
std::string PictureKey(const Image& picture) {
  return std::to_string(picture.Width) + "x" + std::to_string(picture.Height) + ":" +
         std::to_string(std::hash<std::string>{}(
             std::string(reinterpret_cast<const char*>(picture.Pixels.data()), picture.Pixels.size() * 4)));
}

}  // namespace

QWidget* FormWindow::CreateWidget(Control& c, QWidget* parent) {
  Control* ctl = &c;
  auto live = [this] { return form_ != nullptr; };
  QWidget* w = nullptr;
  switch (c.Kind()) {
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      w = label;
      break;
    }
    case ControlKind::TextBox:
      w = CreateTextBox(static_cast<TextBox&>(c), parent);
      break;
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      QObject::connect(button, &QPushButton::clicked, button, [this, live, ctl] {
        if (!live()) return;
        platform_.Dispatch([ctl] {
          if (ctl->Click) ctl->Click();
        });
      });
      w = button;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      QObject::connect(box, &QCheckBox::clicked, box, [this, live, ctl, box] {
        if (!live()) return;
        static_cast<CheckBox&>(*ctl).Value = box->isChecked() ? 1 : 0;
        platform_.Dispatch([ctl] {
          if (ctl->Click) ctl->Click();
        });
      });
      w = box;
      break;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);  // the runtime clears the others of the container
      QObject::connect(option, &QRadioButton::clicked, option, [this, live, ctl] {
        if (!live()) return;
        platform_.Dispatch([ctl] { static_cast<OptionButton&>(*ctl).Choose(); });
      });
      w = option;
      break;
    }
    case ControlKind::Frame:
      w = new QGroupBox(parent);
      break;
    case ControlKind::ListBox:
      w = CreateListBox(static_cast<ListBox&>(c), parent);
      break;
    case ControlKind::PictureBox:
      w = new CanvasWidget(static_cast<PictureBox&>(c), platform_, parent);
      break;
    case ControlKind::Line:
      w = new LineWidget(parent);
      break;
    case ControlKind::Toolbar: {
      auto* bar = new QToolBar(parent);
      bar->setMovable(false);
      bar->setFloatable(false);
      bar->setFocusPolicy(Qt::NoFocus);
      bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
      w = bar;
      break;
    }
    case ControlKind::Menu:
      return nullptr;
  }
  Entry& e = entries_[&c];
  e.widget = w;
  e.parent = c.Container;
  owners_[w] = &c;
  WatchUsersChanges(c, w);
  w->installEventFilter(this);
  w->show();
  return w;
}

QWidget* FormWindow::CreateTextBox(TextBox& box, QWidget* parent) {
  Control* ctl = &box;
  auto live = [this] { return form_ != nullptr; };
  if (box.MultiLine) {
    auto* edit = new QPlainTextEdit(parent);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, live, ctl, edit] {
      if (!live()) return;
      auto& tb = static_cast<TextBox&>(*ctl);
      const std::string text = edit->toPlainText().toStdString();
      if (text == tb.Text) return;  // our own update
      tb.Text = text;
      entries_[ctl].text = text;
      platform_.Dispatch([ctl] {
        auto& t = static_cast<TextBox&>(*ctl);
        if (t.Change) t.Change();
      });
    });
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this, live, ctl](const QString& text) {
    if (!live()) return;
    auto& tb = static_cast<TextBox&>(*ctl);
    tb.Text = text.toStdString();
    entries_[ctl].text = tb.Text;
    platform_.Dispatch([ctl] {
      auto& t = static_cast<TextBox&>(*ctl);
      if (t.Change) t.Change();
    });
  });
  return edit;
}

QWidget* FormWindow::CreateListBox(ListBox& box, QWidget* parent) {
  Control* ctl = &box;
  auto live = [this] { return form_ != nullptr; };
  auto* list = new QListWidget(parent);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [this, live, ctl](int row) {
    if (!live()) return;
    auto& lb = static_cast<ListBox&>(*ctl);
    if (lb.ListIndex == row) return;  // our own update
    lb.ListIndex = row;
    platform_.Dispatch([ctl] {
      if (ctl->Click) ctl->Click();
    });
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, live, ctl] {
    if (!live()) return;
    platform_.Dispatch([ctl] {
      if (ctl->DblClick) ctl->DblClick();
    });
  });
  return list;
}

void FormWindow::WatchUsersChanges(Control& c, QWidget* w) {
  auto forget = [this, ctl = &c] {
    if (auto it = entries_.find(ctl); it != entries_.end()) it->second.state.clear();
  };
  if (auto* box = qobject_cast<QCheckBox*>(w))
    QObject::connect(box, &QCheckBox::stateChanged, box, forget);
  else if (auto* option = qobject_cast<QRadioButton*>(w))
    QObject::connect(option, &QRadioButton::toggled, option, forget);
  else if (auto* list = qobject_cast<QListWidget*>(w))
    QObject::connect(list, &QListWidget::currentRowChanged, list, forget);
  else if (auto* edit = qobject_cast<QLineEdit*>(w))
    QObject::connect(edit, &QLineEdit::textChanged, edit, forget);
  else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
    QObject::connect(text, &QPlainTextEdit::textChanged, text, forget);
}

void FormWindow::SyncGeometry(Control& c, QWidget& w) {
  QRect r;
  Control* box = c.Container;
  if (box && box->Kind() == ControlKind::PictureBox) {
    // Placed in the box's own units, over its image.
    auto& pb = static_cast<PictureBox&>(*box);
    const int frame = pb.BorderStyle != 0 ? 2 : 0;
    double sx = 1, sy = 1;
    if (pb.ScaleMode == ScaleModes::Twip) {
      sx = sy = 1.0 / TwipsPerPixel;
    } else if (pb.ScaleMode == ScaleModes::User) {
      sx = pb.ScaleWidth != 0 ? pb.PixelWidth() / std::fabs(static_cast<double>(pb.ScaleWidth)) : 0;
      sy = pb.ScaleHeight != 0 ? pb.PixelHeight() / std::fabs(static_cast<double>(pb.ScaleHeight)) : 0;
    }
    r = QRect(Round(pb.ToPixelX(c.Left)) + frame, Round(pb.ToPixelY(c.Top)) + frame, Round(c.Width * sx),
              Round(c.Height * sy));
  } else {
    r = QRect(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
  }
  if (c.Kind() == ControlKind::Label && static_cast<Label&>(c).AutoSize) r.setSize(w.sizeHint());
  if (c.Kind() == ControlKind::Line) {
    auto& line = static_cast<LineShape&>(c);
    QWidget* parent = w.parentWidget();
    w.setGeometry(parent ? parent->rect() : QRect());
    QPoint a, b;
    if (box && box->Kind() == ControlKind::PictureBox) {
      auto& pb = static_cast<PictureBox&>(*box);
      const int frame = pb.BorderStyle != 0 ? 2 : 0;
      a = QPoint(Round(pb.ToPixelX(line.X1)) + frame, Round(pb.ToPixelY(line.Y1)) + frame);
      b = QPoint(Round(pb.ToPixelX(line.X2)) + frame, Round(pb.ToPixelY(line.Y2)) + frame);
    } else {
      a = QPoint(Px(line.X1), Px(line.Y1));
      b = QPoint(Px(line.X2), Px(line.Y2));
    }
    static_cast<LineWidget&>(w).Set(a, b, ToQColor(line.BorderColor, palette()), std::max<int>(1, line.BorderWidth),
                                    line.BorderStyle == 3);
    w.raise();
    return;
  }
  if (w.geometry() != r) w.setGeometry(r);
}

void FormWindow::SyncFont(Control& c, QWidget& w, Entry& e) {
  const Label* single = nullptr;
  if (c.Kind() == ControlKind::Label && !static_cast<Label&>(c).WordWrap) single = &static_cast<Label&>(c);
  std::string key = c.FontName + "|" + std::to_string(c.FontSize) + "|" + (c.FontBold ? "b" : "");
  if (single) key += "|" + single->Caption + "|" + std::to_string(Px(c.Width));
  if (key == e.font) return;
  e.font = key;
  QFont font = QApplication::font();
  // Controls that name no face get the dialog face their twip layout was measured
  // against; the desktop's wider default face cuts captions off at the label's edge.
  font.setFamily(Q(c.FontName.empty() ? std::string(DefaultControlFace) : c.FontName));
  // Points at the 96 dpi that the twips assume, so text keeps its size against the layout.
  font.setPixelSize(std::max(1, Round(c.FontSize * 96.0 / 72.0)));
  font.setBold(c.FontBold);
  // A one-line caption wider than its label, in a face a little wider than the one the
  // layout was drawn with, steps down a pixel or two rather than lose its last letters.
  if (single) {
    const QString text = Q(single->Caption);
    const int floor = std::max(1, font.pixelSize() - 3);
    while (font.pixelSize() > floor && QFontMetrics(font).horizontalAdvance(text) > Px(c.Width))
      font.setPixelSize(font.pixelSize() - 1);
  }
  w.setFont(font);
}

void FormWindow::SyncControl(Control& c, Entry& e) {
  QWidget* w = e.widget;
  if (!w) return;
  switch (c.Kind()) {
    case ControlKind::Label:
      SyncLabel(static_cast<Label&>(c), static_cast<QLabel*>(w), e);
      break;
    case ControlKind::TextBox:
      SyncTextBox(static_cast<TextBox&>(c), w, e);
      break;
    case ControlKind::CommandButton:
      SyncCommandButton(static_cast<CommandButton&>(c), static_cast<QPushButton*>(w), e);
      break;
    case ControlKind::CheckBox: {
      auto& b = static_cast<CheckBox&>(c);
      auto* box = static_cast<QCheckBox*>(w);
      if (e.text != b.Caption) {
        e.text = b.Caption;
        box->setText(Q(b.Caption));
      }
      const Qt::CheckState state = b.Value == 1 ? Qt::Checked : b.Value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
      if (box->checkState() != state) box->setCheckState(state);
      break;
    }
    case ControlKind::OptionButton: {
      auto& o = static_cast<OptionButton&>(c);
      auto* option = static_cast<QRadioButton*>(w);
      if (e.text != o.Caption) {
        e.text = o.Caption;
        option->setText(Q(o.Caption));
      }
      if (option->isChecked() != o.Value) option->setChecked(o.Value);
      break;
    }
    case ControlKind::Frame: {
      auto& f = static_cast<Frame&>(c);
      if (e.text != f.Caption) {
        e.text = f.Caption;
        static_cast<QGroupBox*>(w)->setTitle(Q(f.Caption));
      }
      break;
    }
    case ControlKind::ListBox: {
      auto& l = static_cast<ListBox&>(c);
      auto* list = static_cast<QListWidget*>(w);
      const QSignalBlocker block(list);
      if (e.items != l.Items) {
        e.items = l.Items;
        list->clear();
        for (const std::string& item : l.Items) list->addItem(Q(item));
      }
      const int row = l.ListIndex >= 0 && l.ListIndex < l.ListCount() ? l.ListIndex : -1;
      if (list->currentRow() != row) list->setCurrentRow(row);
      break;
    }
    case ControlKind::Toolbar:
      SyncToolbar(static_cast<Toolbar&>(c), static_cast<QToolBar*>(w), e);
      break;
    case ControlKind::PictureBox:  // its image is brought up to date at every Sync()
    case ControlKind::Line:
    case ControlKind::Menu:
      break;
  }
  SyncFont(c, *w, e);
  SyncGeometry(c, *w);
  if (w->isVisibleTo(w->parentWidget()) != c.Visible) w->setVisible(c.Visible);
  if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
  if (w->toolTip() != Q(c.ToolTipText)) w->setToolTip(Q(c.ToolTipText));
  const bool focusable = c.Kind() == ControlKind::TextBox || c.Kind() == ControlKind::CommandButton ||
                         c.Kind() == ControlKind::CheckBox || c.Kind() == ControlKind::OptionButton ||
                         c.Kind() == ControlKind::ListBox || c.Kind() == ControlKind::PictureBox;
  if (focusable) {
    const Qt::FocusPolicy policy = c.TabStop ? Qt::StrongFocus : Qt::ClickFocus;
    if (w->focusPolicy() != policy) w->setFocusPolicy(policy);
  }
}

void FormWindow::SyncLabel(Label& l, QLabel* label, Entry& e) {
  const QPalette& pal = palette();
  if (e.text != l.Caption || label->text().isEmpty() != l.Caption.empty()) {
    e.text = l.Caption;
    label->setText(Q(l.Caption));
  }
  const std::string colours =
      ColourKey({l.ForeColor, l.BackColor, l.BackStyle, l.Alignment, l.BorderStyle, l.WordWrap ? 1 : 0});
  if (colours != e.colours) {
    e.colours = colours;
    SetRole(*label, QPalette::WindowText, ToQColor(l.ForeColor, pal));
    SetRole(*label, QPalette::Window, ToQColor(l.BackColor, pal));
    label->setAutoFillBackground(l.BackStyle != 0);
    const Qt::Alignment h = l.Alignment == 1 ? Qt::AlignRight : l.Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(h | Qt::AlignTop);
    label->setFrameStyle(l.BorderStyle != 0 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    label->setWordWrap(l.WordWrap);
  }
  const bool mouse = l.Click || l.DblClick || l.MouseDown || l.MouseMove || l.MouseUp;
  label->setAttribute(Qt::WA_TransparentForMouseEvents, !mouse);
}

void FormWindow::SyncTextBox(TextBox& t, QWidget* w, Entry& e) {
  const QPalette& pal = palette();
  if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
    // Before the text, and only on a change: setting the limit puts the caret at the end.
    const int limit = t.MaxLength > 0 ? t.MaxLength : 32767;
    if (edit->maxLength() != limit) edit->setMaxLength(limit);
    if (edit->text().toStdString() != t.Text) {
      edit->setText(Q(t.Text));
      // A box the user types in keeps the caret at the end; a locked box that only
      // shows a message shows its beginning, where a long prompt says what to do.
      edit->setCursorPosition(t.Locked ? 0 : static_cast<int>(edit->text().size()));
    }
    edit->setReadOnly(t.Locked);
    const Qt::Alignment h = t.Alignment == 1 ? Qt::AlignRight : t.Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    if (edit->alignment() != (h | Qt::AlignVCenter)) edit->setAlignment(h | Qt::AlignVCenter);
  } else if (auto* text = dynamic_cast<QPlainTextEdit*>(w)) {
    if (text->toPlainText().toStdString() != t.Text) text->setPlainText(Q(t.Text));
    text->setReadOnly(t.Locked);
  }
  const std::string colours = ColourKey({t.ForeColor, t.BackColor});
  if (colours != e.colours) {
    e.colours = colours;
    SetRole(*w, QPalette::Base, ToQColor(t.BackColor, pal));
    SetRole(*w, QPalette::Text, ToQColor(t.ForeColor, pal));
  }
}

void FormWindow::SyncCommandButton(CommandButton& b, QPushButton* button, Entry& e) {
  const QPalette& pal = palette();
  if (e.text != b.Caption) {
    e.text = b.Caption;
    button->setText(Q(b.Caption));
  }
  const std::string sig = PictureKey(b.Picture);
  if (sig != e.signature) {
    e.signature = sig;
    const QImage image = ToQImage(b.Picture, pal);
    button->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    if (!image.isNull()) button->setIconSize(image.size());
  }
}

void FormWindow::SyncToolbar(Toolbar& t, QToolBar* bar, Entry& e) {
  const QPalette& pal = palette();
  std::string sig;
  QSize icon(16, 16);
  for (const ToolbarButton& b : t.Buttons) {
    sig += b.Separator ? "|" : b.Key + "#" + PictureKey(b.Picture) + ";";
    if (!b.Picture.Empty()) icon = QSize(b.Picture.Width, b.Picture.Height);
  }
  if (sig != e.signature) {
    e.signature = sig;
    bar->clear();
    bar->setIconSize(icon);
    for (size_t i = 0; i < t.Buttons.size(); ++i) {
      const ToolbarButton& b = t.Buttons[i];
      if (b.Separator) {
        bar->addSeparator();
        continue;
      }
      const QImage image = ToQImage(b.Picture, pal);
      QAction* a = bar->addAction(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)), Q(b.Key));
      QObject::connect(a, &QAction::triggered, bar, [this, live = form_, ctl = &t, i] {
        if (!form_ || form_ != live) return;
        platform_.Dispatch([ctl, i] {
          if (i < ctl->Buttons.size() && ctl->ButtonClick) ctl->ButtonClick(ctl->Buttons[i]);
        });
      });
    }
  }
  const QList<QAction*> actions = bar->actions();
  for (int i = 0; i < actions.size() && i < static_cast<int>(t.Buttons.size()); ++i) {
    const ToolbarButton& b = t.Buttons[static_cast<size_t>(i)];
    QAction* a = actions[i];
    if (a->isEnabled() != b.Enabled) a->setEnabled(b.Enabled);
    if (a->isVisible() != b.Visible) a->setVisible(b.Visible);
    if (a->toolTip() != Q(b.ToolTipText)) a->setToolTip(Q(b.ToolTipText));
  }
}

void FormWindow::SyncTabOrder() {
  std::vector<Control*> order;
  for (Control* c : form_->Controls())
    if (QWidget* w = WidgetOf(c); w && w->focusPolicy() != Qt::NoFocus) order.push_back(c);
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
  std::string sig;
  for (Control* c : order)
    sig += std::to_string(reinterpret_cast<uintptr_t>(c)) + ":" + std::to_string(c->TabIndex) + ";";
  if (sig == tabSignature_) return;
  tabSignature_ = sig;
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(WidgetOf(order[i - 1]), WidgetOf(order[i]));
}

}  // namespace ui::qt
