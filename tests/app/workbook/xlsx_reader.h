// Reading a produced ".xlsx" back for the tests: its sheets by name, their cells and
// hyperlinks, and the chart behind a chart sheet. Just enough XML for the parts the
// workbook writer makes; no spreadsheet application.
#ifndef VELDRA_TESTS_APP_WORKBOOK_XLSX_READER_H
#define VELDRA_TESTS_APP_WORKBOOK_XLSX_READER_H

#include <filesystem>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "app/workbook/zip_archive.h"
#include "tests/support/temp_dir.h"

namespace veldra::app::test {

class XlsxFile {
 public:
  explicit XlsxFile(const std::filesystem::path& file) {
    for (ZipEntry& entry : ReadZip(veldra::test::read_file(file))) parts_[entry.name] = std::move(entry.data);
    const std::string& book = Part("xl/workbook.xml");
    const std::regex sheet(R"re(<sheet name="([^"]*)" sheetId="\d+" r:id="([^"]*)"/>)re");
    for (std::sregex_iterator i(book.begin(), book.end(), sheet), end; i != end; ++i) {
      names_.push_back(Unescaped((*i)[1]));
      sheet_parts_[names_.back()] = Target("xl/workbook.xml", (*i)[2]);
    }
    if (parts_.count("xl/sharedStrings.xml")) {
      const std::string& table = Part("xl/sharedStrings.xml");
      const std::regex text(R"re(<si><t(?: xml:space="preserve")?>([^<]*)</t></si>)re");
      for (std::sregex_iterator i(table.begin(), table.end(), text), end; i != end; ++i)
        strings_.push_back(Unescaped((*i)[1]));
    }
  }

  const std::vector<std::string>& SheetNames() const { return names_; }

  // The cell's text: a string as written, a number as the file holds it; empty for
  // an empty cell.
  std::string Cell(const std::string& sheet, const std::string& ref) const {
    const std::string& xml = Part(SheetPart(sheet));
    const std::regex cell("<c r=\"" + ref + "\"([^>]*)>(?:<f>[^<]*</f>)?<v>([^<]*)</v></c>");
    std::smatch m;
    if (!std::regex_search(xml, m, cell)) return {};
    if (m[1].str().find("t=\"s\"") != std::string::npos) return strings_.at(std::stoul(m[2]));
    return m[2];
  }

  // Where a cell's hyperlink leads inside the workbook ("Legend!A1"); empty if none.
  std::string LinkLocation(const std::string& sheet, const std::string& ref) const {
    const std::string& xml = Part(SheetPart(sheet));
    const std::regex link("<hyperlink ref=\"" + ref + "\" location=\"([^\"]*)\"");
    std::smatch m;
    return std::regex_search(xml, m, link) ? Unescaped(m[1]) : std::string();
  }

  // The highest row holding a cell in `column` of a sheet.
  int LastRow(const std::string& sheet, const std::string& column) const {
    const std::string& xml = Part(SheetPart(sheet));
    const std::regex cell("<c r=\"" + column + "(\\d+)\"");
    int last = 0;
    for (std::sregex_iterator i(xml.begin(), xml.end(), cell), end; i != end; ++i) last = std::max(last, std::stoi((*i)[1]));
    return last;
  }

  // The chart part shown by a chart sheet: sheet, its drawing, the drawing's chart.
  const std::string& ChartOf(const std::string& chart_sheet) const {
    const std::string drawing = Target(SheetPart(chart_sheet), "");
    return Part(Target(drawing, ""));
  }

  const std::string& Part(const std::string& name) const {
    static const std::string none;
    const auto found = parts_.find(name);
    return found == parts_.end() ? none : found->second;
  }

  static std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> escapes[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : escapes)
      for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, std::strlen(from), to);
    return text;
  }

 private:
  const std::string& SheetPart(const std::string& sheet) const {
    static const std::string none;
    const auto found = sheet_parts_.find(sheet);
    return found == sheet_parts_.end() ? none : found->second;
  }

  // The target of relation `id` of a part (the first relation when id is empty),
  // as a path inside the archive.
  std::string Target(const std::string& part, const std::string& id) const {
    const std::size_t slash = part.rfind('/');
    const std::string folder = part.substr(0, slash + 1);
    const std::string& rels = Part(folder + "_rels/" + part.substr(slash + 1) + ".rels");
    const std::regex relation("<Relationship Id=\"" + (id.empty() ? std::string("[^\"]*") : id) +
                              "\" Type=\"[^\"]*\" Target=\"([^\"]*)\"");
    std::smatch m;
    if (!std::regex_search(rels, m, relation)) return {};
    std::filesystem::path target = std::filesystem::path(folder) / m[1].str();
    return target.lexically_normal().generic_string();
  }

  std::map<std::string, std::string> parts_;
  std::vector<std::string> names_;
  std::map<std::string, std::string> sheet_parts_;
  std::vector<std::string> strings_;
};

}  // namespace veldra::app::test

#endif  // VELDRA_TESTS_APP_WORKBOOK_XLSX_READER_H
