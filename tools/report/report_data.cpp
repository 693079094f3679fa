#include "tools/report/report_data.h"

namespace squadlens::report {

ReportData collectReport(Engine &engine, std::string oldTeam, std::string newTeam)
{
    ReportData data;
    data.oldTeam = std::move(oldTeam);
    data.newTeam = std::move(newTeam);
    data.pairing = engine.ws.SubGrid;
    data.rating = engine.results.StringGrid_ru;
    data.value = engine.results.StringGrid_pr;
    data.salary = engine.results.StringGrid_pay;

    const int entries = static_cast<int>(engine.chooser.ComboBox3.size());
    data.skills.reserve(static_cast<std::size_t>(entries));
    for (int k = 0; k < entries; ++k) {
        ComboBox3Change(engine, k);
        data.skills.push_back({std::string(engine.chooser.ComboBox3[static_cast<std::size_t>(k)]),
                               engine.results.StringGrid3});
    }
    return data;
}

} // namespace squadlens::report
