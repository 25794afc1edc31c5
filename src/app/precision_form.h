#pragma once
// The display-precision window: a power-of-ten exponent for each of the fifteen results
// and one number of decimals for all of them. One form serves both unit systems: S.I.
// ("frmSITol", the SI... settings) and imperial ("frmImpTol", the Imp... settings).

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/result_display.h"
#include "ui/control.h"
#include "ui/form.h"

namespace app {

inline constexpr const char* PrecisionMessage =
    "Please enter all unit tolerance values as integers and decimal tolerance as a positive integer (no fractions).";

struct PrecisionForm : ui::Form {
  explicit PrecisionForm(bool imperial);

  ui::TextBox txtA{*this, "txtA"}, txtY{*this, "txtY"}, txtX{*this, "txtX"}, txtD{*this, "txtD"}, txtB{*this, "txtB"},
      txtIx{*this, "txtIx"}, txtSx{*this, "txtSx"}, txtRx{*this, "txtRx"}, txtZx{*this, "txtZx"}, txtIy{*this, "txtIy"},
      txtSy{*this, "txtSy"}, txtRy{*this, "txtRy"}, txtZy{*this, "txtZy"}, txtJ{*this, "txtJ"}, txtCw{*this, "txtCw"};
  ui::TextBox txtPrec;  // "txtSIPrec" or "txtImpPrec"
  ui::CommandButton cmdOK{*this, "cmdOK"};
  ui::CommandButton cmdCancel{*this, "cmdCancel"};

  // The box of a result's exponent.
  ui::TextBox& Box(model::ResultItem item);
  // The boxes from the settings of this form's unit system.
  void Fill();
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  bool imperial_;
  int16_t& Decimals();
  int16_t& Exponent(model::ResultItem item);
  std::vector<std::unique_ptr<ui::Label>> labels_;
};

// Fills the window for the S.I. or the imperial settings and shows it modally.
void ShowPrecision(bool imperial);

}  // namespace app
