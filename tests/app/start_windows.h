#pragma once

// The four windows as start-up makes them, under one language, with pauses
// that do not wait; gone again, and the language back to Japanese, at the end.

#include <QString>
#include <cstdint>

#include "app/Menudlg1.h"
#include "app/Tlanguage1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Viewdlg1.h"

class TStartWindows {
public:
  explicit TStartWindows(const QString& language = QStringLiteral("ja")) {
    InstallLanguage(language);
    MenuDlg = new TMenuDlg([] { return std::int64_t(1234567890); });
    MainDlg = new TMainDlg();
    MainDlg->PauseHook = [](int) { return -1; };
    ViewDlg = new TViewDlg();
    AgariDlg = new TAgariDlg();
  }
  ~TStartWindows() {
    delete AgariDlg;
    delete ViewDlg;
    delete MainDlg;
    delete MenuDlg;
    AgariDlg = nullptr;
    ViewDlg = nullptr;
    MainDlg = nullptr;
    MenuDlg = nullptr;
    InstallLanguage(QStringLiteral("ja"));
  }
  TStartWindows(const TStartWindows&) = delete;
  TStartWindows& operator=(const TStartWindows&) = delete;
};
