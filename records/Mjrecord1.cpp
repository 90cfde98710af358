#include "records/Mjrecord1.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "records/Safefile1.h"

TRecordTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!::localtime_r(&now, &local)) return {1970, 1, 1, 0, 0, 0};
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

TCodeRow GridRow(const TCodeGrid& grid, int row) {
  TCodeRow codes{};
  std::copy_n(grid.begin() + static_cast<std::ptrdiff_t>(row) * RowSlots, RowSlots, codes.begin());
  return codes;
}

std::string CodeText(const TMjPai* pai) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", pai ? pai->GetCode() : 0);
  return text;
}

std::string RecordFileStem(const TRecordTime& time) {
  char stem[32];
  std::snprintf(stem, sizeof stem, "%04d%02d%02d-%02d%02d%02d", std::clamp(time.Year, 0, 9999),
                std::clamp(time.Month, 0, 99), std::clamp(time.Day, 0, 99), std::clamp(time.Hour, 0, 99),
                std::clamp(time.Minute, 0, 99), std::clamp(time.Second, 0, 99));
  return stem;
}

std::string RecordText(const TMjTable& table, const TRecordTime& time) {
  // Fixed separators, never the locale's; each field is held to its width so a
  // clock out of range cannot change the length of the file.
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d %02d:%02d:%02d", std::clamp(time.Year, 0, 9999),
                std::clamp(time.Month, 0, 99), std::clamp(time.Day, 0, 99), std::clamp(time.Hour, 0, 99),
                std::clamp(time.Minute, 0, 99), std::clamp(time.Second, 0, 99));

  std::string text;
  text.reserve(RecordSize);
  text += RecordHeader;
  text += stamp;
  text += "\r\n";
  for (const TPaiRow* row : {&table.HaipaiRec, &table.TumoRec, &table.Sutepai, &table.Tepai}) {
    for (std::size_t i = 0; i < row->size(); ++i) {
      if (i > 0) text += ',';
      text += CodeText((*row)[i]);
    }
    text += "\r\n";
  }
  return text;
}

void SaveRecordFile(const std::string& path, const TMjTable& table, const TRecordClock& clock) {
  WriteFileAtomically(path, RecordText(table, clock()));
}
