#include "ui/qt/widget_state.h"

#include <QPalette>
#include <QWidget>

namespace ui::qt {

StateWriter& StateWriter::operator<<(const std::string& text) {
  *this << text.size();
  Bytes(text.data(), text.size());
  return *this;
}

StateWriter& StateWriter::operator<<(const Image& picture) {
  *this << picture.Width << picture.Height << picture.Pixels.size() << picture.Alpha.size();
  Bytes(picture.Pixels.data(), picture.Pixels.size() * sizeof(int32_t));
  Bytes(picture.Alpha.data(), picture.Alpha.size());
  return *this;
}

namespace {

bool Handles(const Control& c) { return c.Click || c.DblClick || c.MouseDown || c.MouseMove || c.MouseUp; }

void WriteCommon(const Control& c, StateWriter& s) {
  s << c.Container << c.Left << c.Top << c.Width << c.Height << c.Visible << c.Enabled << c.TabIndex << c.TabStop
    << c.ToolTipText << c.FontName << c.FontSize << c.FontBold;
  // A control placed in a picture box's units moves with the box's scale and size.
  if (c.Container && c.Container->Kind() == ControlKind::PictureBox) {
    const auto& box = static_cast<const PictureBox&>(*c.Container);
    s << box.ScaleMode << box.ScaleLeft << box.ScaleTop << box.ScaleWidth << box.ScaleHeight << box.PixelWidth()
      << box.PixelHeight() << box.BorderStyle;
  }
}

void WriteToolbar(const Toolbar& t, StateWriter& s) {
  s << t.Buttons.size();
  for (const ToolbarButton& b : t.Buttons)
    s << b.Key << b.ToolTipText << b.Picture << b.Enabled << b.Visible << b.Separator;
}

}  // namespace

void WriteWidgetState(const Control& c, const QWidget& w, const QPalette& palette, std::string& out) {
  StateWriter s(out);
  s << palette.cacheKey();
  WriteCommon(c, s);
  switch (c.Kind()) {
    case ControlKind::Label: {
      const auto& l = static_cast<const Label&>(c);
      s << l.Caption << l.ForeColor << l.BackColor << l.BackStyle << l.Alignment << l.BorderStyle << l.AutoSize
        << l.WordWrap << Handles(l);
      break;
    }
    case ControlKind::TextBox: {
      const auto& t = static_cast<const TextBox&>(c);
      s << t.Text << t.ForeColor << t.BackColor << t.Locked << t.MultiLine << t.Alignment << t.MaxLength;
      break;
    }
    case ControlKind::CommandButton: {
      const auto& b = static_cast<const CommandButton&>(c);
      s << b.Caption << b.Picture;
      break;
    }
    case ControlKind::CheckBox: {
      const auto& b = static_cast<const CheckBox&>(c);
      s << b.Caption << b.Value;
      break;
    }
    case ControlKind::OptionButton: {
      const auto& o = static_cast<const OptionButton&>(c);
      s << o.Caption << o.Value;
      break;
    }
    case ControlKind::Frame:
      s << static_cast<const Frame&>(c).Caption;
      break;
    case ControlKind::ListBox: {
      const auto& l = static_cast<const ListBox&>(c);
      s << l.Items.size();
      for (const std::string& item : l.Items) s << item;
      s << l.ListIndex;
      break;
    }
    case ControlKind::PictureBox:
      s << static_cast<const PictureBox&>(c).BorderStyle;
      break;
    case ControlKind::Line: {
      const auto& l = static_cast<const LineShape&>(c);
      s << l.X1 << l.Y1 << l.X2 << l.Y2 << l.BorderColor << l.BorderWidth << l.BorderStyle;
      // The line's widget covers its container.
      if (const QWidget* parent = w.parentWidget()) s << parent->width() << parent->height();
      break;
    }
    case ControlKind::Toolbar:
      WriteToolbar(static_cast<const Toolbar&>(c), s);
      break;
    case ControlKind::Menu:
      break;
  }
}

void WriteMenuState(const Menu& m, std::string& out) {
  StateWriter s(out);
  s << m.Caption << m.Shortcut << m.Enabled << m.Visible << m.Checked;
}

}  // namespace ui::qt
