#include "app/about_scroller.h"

#include "base/text_codec.h"

namespace tablora {

namespace {
std::vector<std::string> ToCp936(std::initializer_list<const char*> utf8Lines) {
  std::vector<std::string> lines;
  for (const char* line : utf8Lines) lines.push_back(Cp936(line));
  return lines;
}
}  // namespace

AboutScroller::AboutScroller(int clientHeight)
    : clientHeight_(clientHeight), offset_(clientHeight - 100) {}

void AboutScroller::Tick() {
  if (paused_) return;
  --offset_;
  const int lineCount = static_cast<int>(lines().size());
  if (offset_ < -kLineHeight * lineCount) offset_ = clientHeight_ - 50;
}

void AboutScroller::RightClick() {
  lineSet_ = lineSet_ == LineSet::kCredits ? LineSet::kSecond : LineSet::kCredits;
}

void AboutScroller::RightDoubleClick() {
  if (lineSet_ == LineSet::kSecond) lineSet_ = LineSet::kSingle;
}

const std::vector<std::string>& AboutScroller::lines() const { return Lines(lineSet_); }

const std::vector<std::string>& AboutScroller::Lines(LineSet set) {
  static const std::vector<std::string> credits = ToCp936({
      u8"Tablora",
      u8"版本：1.5 版",
      u8"日期：2026年12月",
      u8"用途：数据库表的图形化设计与维护",
      u8"从设计产生 MS SQL Server 建表脚本",
      u8"从已有的数据库导入表、主键和注释",
      u8"产生 C 结构、Java 类和 C++ 类",
      u8"支持 MS SQL Server, MS Access, Oracle",
      u8"祝你设计成功!!",
  });
  static const std::vector<std::string> second = ToCp936({
      u8"左键：暂停或继续滚动",
      u8"右键：切换显示内容",
      u8"右键双击：只显示一行",
      u8"关闭窗口：回到设计",
  });
  static const std::vector<std::string> single = ToCp936({u8" ( ^ 0 ^ )  Tablora"});
  switch (set) {
    case LineSet::kCredits:
      return credits;
    case LineSet::kSecond:
      return second;
    case LineSet::kSingle:
      return single;
  }
  return credits;
}

}  // namespace tablora
