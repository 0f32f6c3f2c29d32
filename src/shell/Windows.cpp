#include "shell/Windows.h"

#include "platform/PickEdit.h"
#include "shell/About.h"
#include "shell/MainU.h"

ProgramWindows& Windows() {
  static ProgramWindows windows;
  return windows;
}

void CreateWindows() {
  ProgramWindows& w = Windows();
  w.Main = new TMain;
  w.AboutForm = new TAboutForm(w.Main);
}

void DestroyWindows() {
  delete Windows().Main;  // its children with it
  Windows() = {};
}
