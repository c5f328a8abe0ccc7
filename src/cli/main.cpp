// Entry point of corvane-check, the headless checker.
#include "cli/check_main.h"

int main(int argc, char** argv) {
    return corvane::runCheck(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
