// The discard-reading exercise with a large folder, as the program runs it:
// the four windows, the menu shown, the viewer opened in discard-reading mode;
// then the folder is chosen (the folder browser answers at once) and F5 opens
// the first record. Prints the time of choosing plus the first F5, the median
// of later presses, and the resident memory before and after.
//
//   folder_bench --generate FOLDER COUNT TEMPLATE   writes COUNT copies of a record
//   folder_bench FOLDER                             measures (needs a display)

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Menudlg1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

namespace {

// A line of /proc/self/status in kB, e.g. "VmRSS".
long StatusKb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
  return -1;
}

// With a point whatever the locale: Qt sets the C locale from the
// environment, where printf would write "12,5".
std::string Fixed(double value, int decimals) {
  char text[32];
  char* const end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
  return std::string(text, end);
}

int Generate(const std::filesystem::path& folder, int count, const std::filesystem::path& templateFile) {
  std::ifstream in(templateFile, std::ios::binary);
  const std::string record((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (record.empty()) {
    std::fprintf(stderr, "folder_bench: cannot read %s\n", templateFile.c_str());
    return 1;
  }
  std::filesystem::create_directories(folder);
  char name[64];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "record-%06d.csv", i);
    std::ofstream(folder / name, std::ios::binary) << record;
  }
  return 0;
}

void Measure(const QString& folder) {
  const long before = StatusKb("VmRSS");
  QElapsedTimer timer;
  timer.start();
  ViewDlg->FolderDialog = [folder] { return folder; };
  ViewDlg->MnSetFolderClick();
  ViewDlg->MnRandOpenClick();
  const double first = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  const long after = StatusKb("VmRSS");
  std::vector<double> later;
  for (int i = 0; i < 21; ++i) {
    timer.restart();
    ViewDlg->MnRandOpenClick();
    later.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::nth_element(later.begin(), later.begin() + 10, later.end());
  std::printf("choose+F5_ms %s\nlater_F5_ms %s\nrss_before_kb %ld\nrss_after_kb %ld\nrss_peak_kb %ld\nlisted %zu\n",
              Fixed(first, 1).c_str(), Fixed(later[10], 2).c_str(), before, after, StatusKb("VmHWM"),
              ViewDlg->FileList.Size() + 22);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--generate") return Generate(argv[2], std::stoi(argv[3]), argv[4]);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER | --generate FOLDER COUNT TEMPLATE\n", argv[0]);
    return 2;
  }
  TApplication app(argc, argv);
  const QString folder = QFile::decodeName(argv[1]);
  MenuDlg = new TMenuDlg();
  MainDlg = new TMainDlg();
  ViewDlg = new TViewDlg();
  AgariDlg = new TAgariDlg();
  MenuDlg->show();
  // The viewer's modal loop runs the measurement once its window has settled.
  QTimer::singleShot(0, [folder] {
    QTimer::singleShot(300, [folder] {
      Measure(folder);
      ViewDlg->close();
      MenuDlg->close();
    });
    MenuDlg->BnView2Click();
  });
  return app.exec();
}
