// The executable: `ambon [DIR]` starts the planner on a data directory,
// `ambon --check [DIR]` loads one read-only and reports what it holds.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/system_clock.h"
#include "store/data_check.h"

int main(int argc, char** argv) {
    // The check runs without any window: it must work on a machine with no display.
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        std::filesystem::path dir;
        if (argc >= 3) {
            dir = argv[2];
        } else {
            std::error_code ec;
            dir = std::filesystem::current_path(ec);
            if (ec) {
                std::cerr << "ambon --check: cannot read the data directory .: " << ec.message()
                          << '\n';
                return 1;
            }
        }
        ambon::SystemClock clock;
        return ambon::runDataCheck(dir, clock, std::cout, std::cerr);
    }
    std::puts("ambon");
    return 0;
}
