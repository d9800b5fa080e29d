// make_demo DIR [--today YYYY-MM-DD]: writes a fictional demo data set into DIR, built
// around today's date (or the given one, for the same files every time).
#include <iostream>
#include <string>

#include "demo_generator.h"
#include "platform/system_clock.h"

namespace {

int usage() {
    std::cerr << "usage: make_demo DIR [--today YYYY-MM-DD]\n"
                 "Writes a demo data set into DIR (created when missing). DIR must not hold\n"
                 "data files yet.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dir;
    std::string todayText;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--today" && i + 1 < argc) {
            todayText = argv[++i];
        } else if (arg.rfind("--today=", 0) == 0) {
            todayText = arg.substr(8);
        } else if (arg == "-h" || arg == "--help") {
            usage();
            return 0;
        } else if (!arg.empty() && arg[0] != '-' && dir.empty()) {
            dir = arg;
        } else {
            return usage();
        }
    }
    if (dir.empty()) return usage();

    ambon::LocalDateTime today = ambon::SystemClock().now();
    if (!todayText.empty() && !ambon::demo::parseDemoDate(todayText, today)) {
        std::cerr << "make_demo: --today wants a date YYYY-MM-DD of the years 2010 to 2036, not '"
                  << todayText << "'\n";
        return 2;
    }

    ambon::demo::DemoSummary s;
    std::string error;
    if (!ambon::demo::writeDemoData(dir, today, error, &s)) {
        std::cerr << "make_demo: " << error << "\n";
        return 1;
    }
    std::cout << "Demo data written to " << dir << ":\n"
              << "  " << s.congregations << " congregations in " << s.circuits << " circuits\n"
              << "  " << s.homeBrothers << " brothers of the home congregation, "
              << s.visitingSpeakers << " speakers elsewhere (" << s.suspendedSpeakers
              << " suspended)\n"
              << "  " << s.hosts << " hospitality families\n"
              << "  " << s.pastWeeks << " weeks of history, " << s.futureWeeks
              << " weeks planned ahead, " << s.openWeeks << " left open\n"
              << "  " << s.events << " special events, " << s.outgoingTalks << " outgoing talks, "
              << s.unavailableWeeks << " unavailable weeks, " << s.wishedTalks
              << " talks on the wish list\n";
    return 0;
}
