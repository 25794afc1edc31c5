#include "app/precision_form.h"

#include <string>

#include "model/box_number.h"
#include "model/globals.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"

namespace app {

namespace {

using model::ResultItem;

struct Row {
  ResultItem item;
  const char* caption;
  const char* power;  // of the unit, "" for a length
};

// On the window: A to rx down the left column, Zx to Cw down the right one.
constexpr Row Rows[] = {
    {ResultItem::Area, "A:", "2"}, {ResultItem::YBar, "y\u0304:", ""}, {ResultItem::XBar, "x\u0304:", ""},
    {ResultItem::Depth, "d:", ""}, {ResultItem::Width, "b:", ""},      {ResultItem::Ix, "Ix:", "4"},
    {ResultItem::Sx, "Sx:", "3"},  {ResultItem::Rx, "rx:", ""},        {ResultItem::Zx, "Zx:", "3"},
    {ResultItem::Iy, "Iy:", "4"},  {ResultItem::Sy, "Sy:", "3"},       {ResultItem::Ry, "ry:", ""},
    {ResultItem::Zy, "Zy:", "3"},  {ResultItem::J, "J:", "4"},         {ResultItem::Cw, "Cw:", "6"},
};
constexpr int LeftColumnRows = 8;
constexpr float RowPitch = 360;

}  // namespace

PrecisionForm::PrecisionForm(bool imperial)
    : ui::Form(imperial ? "frmImpTol" : "frmSITol"),
      txtPrec(*this, imperial ? "txtImpPrec" : "txtSIPrec"),
      imperial_(imperial) {
  Caption = imperial ? "Set Tolerance for Imperial Units" : "Set Tolerance for S.I. Units";
  SetClientSize(5400, 4020);
  auto label = [this](const std::string& text, float left, float top, float width) {
    labels_.push_back(std::make_unique<ui::Label>(*this, "Label" + std::to_string(labels_.size() + 1)));
    ui::Label& l = *labels_.back();
    l.Caption = text;
    l.Move(left, top, width, 285);
    return &l;
  };
  for (int i = 0; i < static_cast<int>(std::size(Rows)); ++i) {
    const Row& r = Rows[i];
    const bool left = i < LeftColumnRows;
    const float x = left ? 120 : 2820;
    const float y = 120 + RowPitch * static_cast<float>(left ? i : i - LeftColumnRows);
    label(r.caption, x, y, 450);
    label(imperial ? "in" : "mm", x + 480, y, 330);
    if (*r.power) label(r.power, x + 810, y - 60, 150)->FontSize = 6;
    label("E", x + 1080, y, 180);
    Box(r.item).Move(x + 1320, y - 30, 600, 285);
  }
  const float bottom = 120 + RowPitch * LeftColumnRows;
  label("Number of Decimal Places (for all values):", 120, bottom + 30, 3600);
  txtPrec.Move(3840, bottom, 600, 285);
  cmdOK.Caption = "OK";
  cmdOK.Move(1320, bottom + 480, 1215, 375);
  cmdCancel.Caption = "Cancel";
  cmdCancel.Move(2820, bottom + 480, 1215, 375);
  // Tab order follows the results' order, as the boxes are filled.
  int16_t tab = 0;
  for (int i = 0; i < model::ResultItemCount; ++i) Box(static_cast<ResultItem>(i)).TabIndex = tab++;
  txtPrec.TabIndex = tab++;
  cmdOK.TabIndex = tab++;
  cmdCancel.TabIndex = tab++;
  for (auto& l : labels_) l->TabIndex = tab++;

  ui::WireOkCancel(
      *this, cmdOK, cmdCancel, [this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); });
}

ui::TextBox& PrecisionForm::Box(ResultItem item) {
  ui::TextBox* boxes[model::ResultItemCount] = {&txtA,  &txtD,  &txtB,  &txtX,  &txtY,  &txtIx, &txtSx, &txtZx,
                                                &txtIy, &txtSy, &txtZy, &txtRx, &txtRy, &txtJ,  &txtCw};
  return *boxes[static_cast<int>(item)];
}

int16_t& PrecisionForm::Decimals() { return imperial_ ? model::G.ImpPrec : model::G.SIPrec; }

int16_t& PrecisionForm::Exponent(ResultItem item) {
  const model::ExponentFields f = model::ExponentsOf(item);
  return model::G.*(imperial_ ? f.Imp : f.SI);
}

void PrecisionForm::Fill() {
  for (int i = 0; i < model::ResultItemCount; ++i) {
    const auto item = static_cast<ResultItem>(i);
    Box(item).Text = std::to_string(Exponent(item));
  }
  txtPrec.Text = std::to_string(Decimals());
}

void PrecisionForm::cmdOK_Click() {
  // Each value is stored as soon as it reads; a box that does not stops the rest.
  int16_t value = 0;
  for (int i = 0; i < model::ResultItemCount; ++i) {
    const auto item = static_cast<ResultItem>(i);
    if (!model::ReadBoxInt16(Box(item).Text, value)) {
      ui::MsgBox(PrecisionMessage);
      return;
    }
    Exponent(item) = value;
  }
  if (!model::ReadBoxInt16(txtPrec.Text, value)) {
    ui::MsgBox(PrecisionMessage);
    return;
  }
  Decimals() = value;
  Unload();
}

void PrecisionForm::cmdCancel_Click() { Unload(); }

void ShowPrecision(bool imperial) {
  PrecisionForm form(imperial);
  form.Fill();
  ui::ShowModal(form);
}

}  // namespace app
