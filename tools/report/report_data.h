#pragma once
// What the report tool writes: copies of the tables the window's pages show
// after a comparison, and the skills table of every chooser entry as choosing
// that entry fills it. Table texts stay Windows-1251, as in the core; the
// writers turn them into UTF-8.

#include "core/engine.h"
#include "core/text_table.h"

#include <string>
#include <vector>

namespace squadlens::report {

struct SkillsPage {
    std::string chooserText;   // "name, position" as the chooser lists it (Windows-1251)
    TextTable table{4, 25};    // StringGrid3 after choosing this entry
};

struct ReportData {
    std::string oldTeam, newTeam; // the team labels "name от date" (UTF-8)
    TextTable pairing{10, 2};     // SubGrid
    TextTable rating{5, 2};       // StringGrid_ru
    TextTable value{5, 2};        // StringGrid_pr
    TextTable salary{5, 2};       // StringGrid_pay
    std::vector<SkillsPage> skills;
};

// Copies the tables of a finished comparison run, then chooses every chooser
// entry in turn (ComboBox3Change) and keeps the skills table each one gives.
// An error while filling a skills table (a skill that is no integer) leaves
// as squadlens::Error.
ReportData collectReport(Engine &engine, std::string oldTeam, std::string newTeam);

} // namespace squadlens::report
