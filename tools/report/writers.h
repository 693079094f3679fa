#pragma once
// The four output formats of squadlens-report. Each writes a whole report of
// already collected tables; none of them fails or throws on odd table texts.

#include "tools/report/report_data.h"

#include <ostream>
#include <string>
#include <string_view>

namespace squadlens::report {

// Aligned UTF-8 columns for reading: the three summary pages, then the skills
// page of every chooser entry, with the pages' headers and dates. LF.
void writeText(const ReportData &data, std::ostream &out);

// Exact, for machines: UTF-8, LF. Sections "# pairing" (rows 1 to the last,
// 10 cells), "# rating", "# value", "# salary" (rows 0 to the totals row,
// 5 cells), then "# skills K" for each chooser entry K (rows 0 to 24,
// 4 cells). Cells are joined by TAB.
void writeTsv(const ReportData &data, std::ostream &out);
// A cell with backslash, TAB, CR and LF written as \\, \t, \r, \n.
std::string tsvCell(std::string_view utf8Text);

// One table as RFC 4180 CSV, UTF-8, CR LF after every record, header first.
// The pairing table has no header row of its own; it gets one naming its
// ten columns.
enum class CsvTable { Rating, Value, Salary, Pairing };
void writeCsv(const ReportData &data, CsvTable table, std::ostream &out);
// A field, quoted when it holds a comma, a double quote, CR or LF.
std::string csvField(std::string_view utf8Text);

// One standalone UTF-8 page, no external files or scripts: the summary
// tables and every chooser entry's skills table painted by the window's cell
// rules, and bar charts of the paired players' rating and value changes.
void writeHtml(const ReportData &data, std::ostream &out);
// Text with &, <, >, " and ' written as character references.
std::string htmlEscape(std::string_view utf8Text);

} // namespace squadlens::report
