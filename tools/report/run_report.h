#pragma once
// squadlens-report without its main(): the command line, the loading of the
// two files through the window's own path handlers, and the exit status.

#include "tools/report/report_data.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace squadlens::report {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // a file rejected, the comparison failed or did not run
inline constexpr int kExitUsage = 2;

// The window's top-level error report shows an error's text with a full stop
// appended unless it ends in "." or in a byte that sorts before "." (a blank,
// "!", ",", "-" ...). A text without any character stays empty.
std::string topLevelErrorText(std::string_view text);

// Loads OLD, then NEW, as the "..." buttons would (archives included, unpacked
// into `scratchFolder`, or the default folder when it is empty), and collects
// the report. Every message box text and error goes to `err` as the window
// would show it, one after another, each followed by a line end. Nothing is
// collected when a file is rejected (a message box with the error icon), an
// error ends the work, or the comparison did not run.
std::optional<ReportData> compareFiles(const std::string &oldPath, const std::string &newPath,
                                       const std::string &scratchFolder, std::ostream &err);

// The whole tool: `args` without the program name. The report goes to `out`,
// or to the file given by -o; messages go to `err`. Returns the exit status.
int runReport(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace squadlens::report
