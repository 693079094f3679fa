#pragma once
// The checks made when a team file is loaded and when both are: is it a team
// file, whose team and which date is it, may the two be compared.

#include "core/team_file.h"

#include <string>
#include <string_view>

namespace squadlens {

// At least three lines, line 0 exactly "1/", the last line exactly "/***/".
bool isTeamFile(const Lines &lines);

struct TeamIdentity {
    std::string id;   // from character 2 up to the second "/"
    std::string name; // between the second and the third "/"
};
// Cut from line 2; the first character is skipped whatever it is.
TeamIdentity teamOfLine(std::string_view line2);

// Characters 2 to 11 of line 1 (fewer when the line is shorter).
std::string_view dateTextOfLine(std::string_view line1);
// The same, of a file's lines; a list of fewer than two lines is an error.
std::string_view dateText(const Lines &lines);

// dd.mm.yyyy, a real calendar day of the years 0001 to 9999, as the integer
// yyyymmdd; "'<text>' is not a valid date and time" otherwise.
int dateKey(std::string_view dateText);

enum class PairDecision {
    Compare,               // same team, end date not before start date
    CompareDifferentTeams, // warn, then compare without a date check
    WrongOrder,            // same team, end date before start date
};
// Team ids compared exactly; the end file's date is read before the start's.
PairDecision decidePair(std::string_view oldTeamId, std::string_view newTeamId,
                        const Lines &oldLines, const Lines &newLines);

} // namespace squadlens
