// squadlens-report: the comparison of two team files, outside the window.

#include "tools/report/run_report.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv)
{
    using namespace squadlens::report;
    int status = kExitFailed;
    try {
        status = runReport({argv + 1, argv + argc}, std::cout, std::cerr);
    } catch (const std::exception &e) {
        std::cerr << topLevelErrorText(e.what()) << '\n';
        return kExitFailed;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "Write error on standard output.\n";
        return kExitFailed;
    }
    return status;
}
