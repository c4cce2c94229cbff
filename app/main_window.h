// The main window, Form1: the background picture, the option buttons
// "Activate" and "DeActivate", OK, the hidden check box that holds the pending
// value, and the File, Help and About menus. It binds every control and menu
// item to its handler; the behaviour lives in the activation logic.
#pragma once

#include <windows.h>

#include "app/activation.h"
#include "app/window_resources.h"

namespace gemlink {

// Whether Windows shows a high-contrast scheme; a test may answer for it.
using HighContrastQuery = bool (*)();
bool HighContrastOn();

class MainWindow final : public SelectionView {
 public:
  explicit MainWindow(HINSTANCE instance, HighContrastQuery high_contrast_on = HighContrastOn)
      : instance_(instance), high_contrast_on_(high_contrast_on) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, hidden, in its design state: "Activate" selected,
  // pending value 0. False if Windows would not create it.
  bool Create();
  // Start-up, before the window is first seen; ends a second copy.
  void Load();
  // Centres the window on the monitor it was started on, drawn for that
  // monitor's DPI, and shows it as asked: minimised if so, never maximised.
  void Show(int show_command);

  // Lets the dialog keys (Tab, arrows, Enter) work as in any dialog; while
  // the window is minimised, no key acts on its controls.
  bool HandleDialogKeys(MSG& message);

  bool Option1Selected() const override;
  bool Option2Selected() const override;
  void SelectOption1() override;
  void SelectOption2() override;
  std::int16_t Check1Value() const override;
  void SetCheck1Value(std::int16_t value) override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool RegisterWindowClass();
  bool OnCreate();
  void OnPaint();
  void OnPrintClient(HDC dc) const;
  void OnGetMinMaxInfo(MINMAXINFO& limits) const;
  void OnWindowPosChanged();
  void OnSize(WPARAM kind);
  void OnCommand(int id);
  void OnActivate(bool active);
  void RestoreFocus();
  LRESULT OnOptionColour(HDC dc, HWND control);
  void OnColourSchemeChange(UINT message);
  void OnSettingChange(WPARAM action, const char* area);
  void OnMetricsChange();
  BOOL OnGetDpiScaledSize(int dpi, SIZE& size) const;
  void OnDpiChanged(int dpi, const RECT& suggested);

  void CreateControls();
  void UseResources(WindowResources made);
  void FitCaptions(WindowResources& made);
  bool CaptionsFit(HFONT font, int dpi) const;
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  void SelectOption(int id);
  bool IsOptionButton(HWND control) const;
  bool IsOwnWindow(HWND window) const;
  RECT NormalFrame(const MONITORINFO& monitor) const;
  void DrawBackground(HDC dc, const RECT& area) const;
  void FitClientArea();
  void PlaceOnMonitor();
  void TakeWindowDpi();

  HINSTANCE instance_;
  HighContrastQuery high_contrast_on_;
  HWND window_ = nullptr;
  bool high_contrast_ = false;
  // Text sizes and frames changed while minimised are fitted on restore: a
  // minimised window has no client area to fit.
  bool metrics_changed_while_minimized_ = false;
  HWND focus_when_inactive_ = nullptr;
  WindowResources resources_;
  ActivationController controller_{*this};
};

}  // namespace gemlink
