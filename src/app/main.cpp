// The executable: `ambon [DIR]` starts the planner on a data directory,
// `ambon --check [DIR]` loads one read-only and reports what it holds.
#include <cstdio>

int main(int, char**) {
    std::puts("ambon");
    return 0;
}
